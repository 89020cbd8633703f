#include "authoring/TextImageSheets.h"

#include "authoring/EditorServicesImpl.h"
#include "authoring/ImagePages.h"
#include "authoring/ObjectPages.h"
#include "authoring/TextPages.h"
#include "model/EditorServices.h"
#include "model/ElementContainer.h"
#include "model/Browser.h"
#include "model/IdManager.h"
#include "model/ImageElement.h"
#include "model/PropertySheetHooks.h"
#include "model/TextElement.h"
#include "model/common/VariantHelpers.h"

#include <string.h>

namespace {

// A VARIANT that clears itself.
class CValue
{
public:
    CValue() { VariantInit(&v); }
    ~CValue() { VariantClear(&v); }
    static CValue Text(const char* text)
    {
        CValue value;
        SetVariantText(value.v, text);
        return value;
    }
    static CValue Number(long number, VARTYPE vt = VT_I4)
    {
        CValue value;
        value.v.vt = vt;
        if (vt == VT_UI4)
            value.v.ulVal = (ULONG)number;
        else
            value.v.lVal = number;
        return value;
    }
    static CValue Flag(BOOL flag)
    {
        CValue value;
        value.v.vt = VT_BOOL;
        value.v.boolVal = flag ? VARIANT_TRUE : VARIANT_FALSE;
        return value;
    }
    static CValue Real(double real)
    {
        CValue value;
        value.v.vt = VT_R8;
        value.v.dblVal = real;
        return value;
    }
    CValue(CValue&& other) noexcept
    {
        v = other.v;
        VariantInit(&other.v);
    }
    VARIANT v;

private:
    CValue(const CValue&) = delete;
    CValue& operator=(const CValue&) = delete;
};

// The list's value of that name converted to vt; FALSE when the list has
// none or it does not convert (the page then starts from the element).
BOOL ListValue(const CPropertyRecordList& list, const char* name, VARTYPE vt, CValue& out)
{
    int index = FindPropertyIndex(list, name);
    if (index < 0)
        return FALSE;
    VARIANT source = list[(size_t)index].m_value;
    return SUCCEEDED(VariantChangeType(&out.v, &source, 0, vt));
}

void StartText(const CPropertyRecordList& list, const char* name, CStr& value)
{
    CValue v;
    if (ListValue(list, name, VT_BSTR, v))
        value = VariantToText(v.v);
}

template <class T> void StartNumber(const CPropertyRecordList& list, const char* name, T& value)
{
    CValue v;
    if (ListValue(list, name, VT_I4, v))
        value = (T)v.v.lVal;
}

void StartFlag(const CPropertyRecordList& list, const char* name, BOOL& value)
{
    CValue v;
    if (ListValue(list, name, VT_BOOL, v))
        value = v.v.boolVal != VARIANT_FALSE;
}

void StartReal(const CPropertyRecordList& list, const char* name, double& value)
{
    CValue v;
    if (ListValue(list, name, VT_R8, v))
        value = v.v.dblVal;
}

// VarCmp knows no VT_UI4, so the values the sheets make are compared here.
BOOL SameValue(const VARIANT& a, const VARIANT& b)
{
    if (a.vt != b.vt)
        return FALSE;
    switch (a.vt) {
    case VT_BSTR:
        return lstrcmpW(a.bstrVal ? a.bstrVal : L"", b.bstrVal ? b.bstrVal : L"") == 0;
    case VT_I4:
    case VT_UI4:
        return a.lVal == b.lVal;
    case VT_BOOL:
        return (a.boolVal != VARIANT_FALSE) == (b.boolVal != VARIANT_FALSE);
    case VT_R8:
        return a.dblVal == b.dblVal;
    default:
        return FALSE;
    }
}

// One choice of the sheet: written into the list (over the assignment of
// that name, or appended) and marked on the object when the object's own
// record was already marked or the value differs from the object's.
void ApplyChoice(CScriptableObject* object, CPropertyRecordList& list, const char* name, CValue chosen,
                 const CValue& current)
{
    int own = FindPropertyIndex(object->m_properties, name);
    BOOL marked = own >= 0 && object->m_properties[(size_t)own].m_bChanged;
    if (!marked && SameValue(chosen.v, current.v))
        return;
    if (own >= 0)
        object->m_properties[(size_t)own].m_bChanged = 1;
    const VARTYPE vt = chosen.v.vt;
    CPropertyRecord assignment(name, "", chosen.v, vt, TRUE);
    int index = FindPropertyIndex(list, name);
    if (index >= 0)
        list[(size_t)index] = assignment;
    else
        list.push_back(assignment);
}

SIZE ContainerSize(const CElement* element)
{
    const CElementContainer* container = dynamic_cast<const CElementContainer*>(element->GetParent());
    SIZE size = { 0, 0 };
    if (container)
        size = container->GetSize();
    return size;
}

CIdManager* IdsOf(CElement* element)
{
    CBrowser* page = element->GetPage();
    return page ? page->GetIdManager() : GetActiveIdManager();
}

// The name page's name becomes the element's id; an unchanged name keeps
// its registration, since registering it again would number it when an id
// beginning with it exists.
void TakeName(CElement* element, const char* name)
{
    if (lstrcmpA(element->m_strId, name) == 0)
        return;
    if (CIdManager* ids = IdsOf(element))
        ids->Unregister(element->m_strId, element);
    element->RegisterId(name);
}

void SetSheetTitle(CPropertySheet& sheet, const char* title)
{
    sheet.SetTitle(title, PSH_PROPTITLE);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

void AddPages(CPropertySheet& sheet, std::initializer_list<CPropertyPage*> pages)
{
    for (CPropertyPage* page : pages)
        sheet.AddPage(page);
}

BOOL Confirmed(INT_PTR result)
{
    return result == IDOK || result == ID_WIZFINISH;
}

// The text page's font, text and box from the values given; its box then
// fits the text.
void FillTextPage(CTextPP& page, const CTextElement* text, const CStr& value, COLORREF fontColor,
                  const CStr& fontName, int fontSize, int fontWeight, BOOL italic, BOOL underline,
                  BOOL strikeOut, int width, int height)
{
    page.m_strText = value;
    page.m_fontColor = fontColor;
    page.m_strFontName = fontName;
    page.m_fontSize = fontSize;
    page.m_fontWeight = fontWeight;
    page.m_bItalic = italic;
    page.m_bUnderline = underline;
    page.m_bStrikeOut = strikeOut;
    page.m_bSingleLine = text->m_singleline != 0;
    SIZE pageSize = ContainerSize(text);
    page.m_pageWidth = pageSize.cx;
    page.m_pageHeight = pageSize.cy;
    page.m_width = page.SetWidth(width);
    page.m_height = page.SetHeight(height);
}

void LinkTextToPlacement(CTextPP& page, CObjectSizePP& size, CObjectPositionPP& position)
{
    page.m_pSizeWidth = &size.m_width;
    page.m_pSizeHeight = &size.m_height;
    page.m_pPositionX = &position.m_x;
}

void SetNouns(const char* noun, std::initializer_list<CObjectPropertyPage*> pages)
{
    for (CObjectPropertyPage* page : pages)
        page->m_strNoun = noun;
}

} // namespace

// ------------------------------------------------------------------ text

BOOL EditTextProperties(CTextElement* text, BOOL bNew)
{
    if (text == NULL)
        return FALSE;
    CPropertySheet sheet;
    SetSheetTitle(sheet, "Text");
    CTextPP textPage;
    CTextColorBarPP barPage;
    CTextAlignmentPP alignPage;
    CObjectNamePP namePage;
    CObjectSizePP sizePage;
    CObjectPositionPP positionPage;
    CObjectTreePP treePage;

    sizePage.m_width = text->m_width;
    sizePage.m_height = text->m_height;
    sizePage.m_mode = text->m_resize;
    positionPage.m_x = text->m_xpos;
    positionPage.m_y = text->m_ypos;
    positionPage.m_mode = text->m_reposition;
    // The wizard has no position page; the text's own place limits its box.
    int wizardX = text->m_xpos;
    if (bNew) {
        textPage.m_bWizard = TRUE;
        barPage.m_bWizard = TRUE;
        textPage.m_pPositionX = &wizardX;
    } else {
        LinkTextToPlacement(textPage, sizePage, positionPage);
    }
    FillTextPage(textPage, text, text->m_strText, text->m_fontColor, text->m_strFontName, text->m_fontSize,
                 text->m_fontWeight, text->m_fontItalic, text->m_fontUnderline, text->m_fontStrikeOut,
                 text->m_width, text->m_height);
    barPage.m_color = text->m_bgColor;
    const int openingPercent = TransparencyPercentFromOpacity(text->m_bgTransparency);
    barPage.m_transparency = openingPercent;
    alignPage.m_strJustification = text->m_strJustification;
    alignPage.m_strVJustification = text->m_strVJustification;
    alignPage.m_pTextPage = &textPage;
    namePage.m_strName = text->m_strId;
    namePage.m_bMouseDrag = text->m_bMouseMoveable ? 1 : 0;
    SetNouns("text", { &namePage, &sizePage, &positionPage });
    treePage.m_pObject = text;
    treePage.m_pDocument = GetActiveEditorDocument();

    AddPages(sheet, { &textPage, &barPage });
    if (bNew)
        sheet.SetWizardMode();
    else
        AddPages(sheet, { &alignPage, &namePage, &sizePage, &positionPage, &treePage });
    if (!Confirmed(sheet.DoModal()))
        return FALSE;

    text->m_strText = textPage.m_strText;
    if (bNew) {
        text->m_width = textPage.m_width;
        text->m_height = textPage.m_height;
    } else {
        text->m_xpos = positionPage.m_x;
        text->m_ypos = positionPage.m_y;
        text->m_resize = sizePage.m_mode;
        text->m_width = sizePage.m_width;
        text->m_height = sizePage.m_height;
        text->m_reposition = positionPage.m_mode;
        text->m_strJustification = alignPage.m_strJustification;
        text->m_strVJustification = alignPage.m_strVJustification;
        text->m_bMouseMoveable = namePage.m_bMouseDrag == 1;
    }
    text->m_fontColor = textPage.m_fontColor;
    text->m_strFontName = textPage.m_strFontName;
    text->m_fontSize = textPage.m_fontSize;
    text->m_fontWeight = textPage.m_fontWeight;
    text->m_fontItalic = textPage.m_bItalic ? 1 : 0;
    text->m_fontUnderline = textPage.m_bUnderline ? 1 : 0;
    text->m_fontStrikeOut = textPage.m_bStrikeOut ? 1 : 0;
    text->m_singleline = textPage.m_bSingleLine ? 1 : 0;
    text->m_bgColor = barPage.m_color;
    // An untouched percentage keeps the stored opacity exactly.
    if (barPage.m_transparency != openingPercent)
        text->m_bgTransparency = OpacityFromTransparencyPercent(barPage.m_transparency);
    if (!bNew)
        TakeName(text, namePage.m_strName);
    text->ReleaseFont();
    text->UpdateFormat();
    return TRUE;
}

BOOL ChooseTextProperties(CTextElement* text, CPropertyRecordList& list)
{
    if (text == NULL)
        return FALSE;
    int width = text->m_width, height = text->m_height, x = text->m_xpos, y = text->m_ypos;
    double opacity = text->m_bgTransparency;
    COLORREF bgColor = text->m_bgColor, fontColor = text->m_fontColor;
    CStr justification = text->m_strJustification, vjustification = text->m_strVJustification;
    CStr value = text->m_strText, fontName = text->m_strFontName;
    int fontSize = text->m_fontSize, fontWeight = text->m_fontWeight;
    BOOL italic = text->m_fontItalic != 0, underline = text->m_fontUnderline != 0, strikeOut = text->m_fontStrikeOut != 0;
    StartNumber(list, "height", height);
    StartNumber(list, "width", width);
    StartNumber(list, "xpos", x);
    StartNumber(list, "ypos", y);
    StartReal(list, "bgTransparency", opacity);
    StartNumber(list, "bgColor", bgColor);
    StartText(list, "justification", justification);
    StartText(list, "vjustification", vjustification);
    StartText(list, "text", value);
    StartNumber(list, "fontColor", fontColor);
    StartText(list, "fontName", fontName);
    StartNumber(list, "fontSize", fontSize);
    StartNumber(list, "fontWeight", fontWeight);
    StartFlag(list, "fontItalic", italic);
    StartFlag(list, "fontUnderline", underline);
    StartFlag(list, "fontStrikeOut", strikeOut);

    CPropertySheet sheet;
    SetSheetTitle(sheet, CStr("Set ") + text->m_strId);
    CTextPP textPage;
    CTextColorBarPP barPage;
    CTextAlignmentPP alignPage;
    CObjectSizePP sizePage;
    CObjectPositionPP positionPage;
    sizePage.m_width = width;
    sizePage.m_height = height;
    sizePage.m_mode = text->m_resize;
    positionPage.m_x = x;
    positionPage.m_y = y;
    positionPage.m_mode = text->m_reposition;
    SetNouns("text", { &sizePage, &positionPage });
    LinkTextToPlacement(textPage, sizePage, positionPage);
    FillTextPage(textPage, text, value, fontColor, fontName, fontSize, fontWeight, italic, underline, strikeOut,
                 width, height);
    barPage.m_color = bgColor;
    const int startPercent = TransparencyPercentFromOpacity(opacity);
    barPage.m_transparency = startPercent;
    alignPage.m_strJustification = justification;
    alignPage.m_strVJustification = vjustification;
    alignPage.m_pTextPage = &textPage;
    AddPages(sheet, { &textPage, &barPage, &alignPage, &sizePage, &positionPage });
    if (!Confirmed(sheet.DoModal()))
        return FALSE;

    const double chosenOpacity =
        barPage.m_transparency == startPercent ? opacity : OpacityFromTransparencyPercent(barPage.m_transparency);
    ApplyChoice(text, list, "text", CValue::Text(textPage.m_strText), CValue::Text(text->m_strText));
    ApplyChoice(text, list, "xpos", CValue::Number(positionPage.m_x), CValue::Number(text->m_xpos));
    ApplyChoice(text, list, "ypos", CValue::Number(positionPage.m_y), CValue::Number(text->m_ypos));
    ApplyChoice(text, list, "width", CValue::Number(sizePage.m_width), CValue::Number(text->m_width));
    ApplyChoice(text, list, "height", CValue::Number(sizePage.m_height), CValue::Number(text->m_height));
    ApplyChoice(text, list, "fontColor", CValue::Number((long)textPage.m_fontColor, VT_UI4),
                CValue::Number((long)text->m_fontColor, VT_UI4));
    ApplyChoice(text, list, "fontName", CValue::Text(textPage.m_strFontName), CValue::Text(text->m_strFontName));
    ApplyChoice(text, list, "fontSize", CValue::Number(textPage.m_fontSize), CValue::Number(text->m_fontSize));
    ApplyChoice(text, list, "fontWeight", CValue::Number(textPage.m_fontWeight), CValue::Number(text->m_fontWeight));
    ApplyChoice(text, list, "fontItalic", CValue::Flag(textPage.m_bItalic), CValue::Flag(text->m_fontItalic));
    ApplyChoice(text, list, "fontUnderline", CValue::Flag(textPage.m_bUnderline), CValue::Flag(text->m_fontUnderline));
    ApplyChoice(text, list, "fontStrikeOut", CValue::Flag(textPage.m_bStrikeOut), CValue::Flag(text->m_fontStrikeOut));
    ApplyChoice(text, list, "justification", CValue::Text(alignPage.m_strJustification),
                CValue::Text(text->m_strJustification));
    ApplyChoice(text, list, "vjustification", CValue::Text(alignPage.m_strVJustification),
                CValue::Text(text->m_strVJustification));
    ApplyChoice(text, list, "bgColor", CValue::Number((long)barPage.m_color, VT_UI4),
                CValue::Number((long)text->m_bgColor, VT_UI4));
    ApplyChoice(text, list, "bgTransparency", CValue::Real(chosenOpacity), CValue::Real(text->m_bgTransparency));
    return TRUE;
}

// ----------------------------------------------------------------- image

BOOL EditImageProperties(CImageElement* image, BOOL bNew)
{
    if (image == NULL)
        return FALSE;
    if (bNew)
        image->m_buttonType = CImageElement::TypeImage;
    const int type = image->m_buttonType;
    const char* title = type == CImageElement::TypeButton ? "Button"
                        : type == CImageElement::TypeSystemButton ? "System Button" : "Image";
    const char* imageNoun = type == CImageElement::TypeImage ? "image" : "button's image";
    const char* nameNoun = type == CImageElement::TypeButton ? "button's image"
                           : type == CImageElement::TypeSystemButton ? "system image" : "image";
    const char* otherNoun = type == CImageElement::TypeButton ? "button"
                            : type == CImageElement::TypeSystemButton ? "system button" : "image";

    CPropertySheet sheet;
    SetSheetTitle(sheet, title);
    CImagePP imagePage;
    CImageEffectsPP effectsPage;
    CObjectNamePP namePage;
    CObjectSizePP sizePage;
    CObjectPositionPP positionPage;
    CPixelPickerPP pickerPage;
    CObjectTreePP treePage;

    imagePage.m_strNoun = imageNoun;
    imagePage.m_pElement = image;
    imagePage.m_strPath = image->m_strSrc;
    imagePage.m_bAnimated = image->m_animated ? 1 : 0;
    imagePage.m_bSystemButton = type == CImageElement::TypeSystemButton;
    imagePage.m_strCaption = image->m_strText;
    effectsPage.m_pElement = image;
    effectsPage.m_strNoun = otherNoun;
    namePage.m_strName = image->m_strId;
    namePage.m_bMouseDrag = image->m_bMouseMoveable ? 1 : 0;
    namePage.m_strNoun = nameNoun;
    SetNouns(otherNoun, { &sizePage, &positionPage });
    positionPage.m_x = image->m_xpos;
    positionPage.m_y = image->m_ypos;
    positionPage.m_mode = image->m_reposition;
    sizePage.m_mode = image->m_resize;
    sizePage.m_bKeepAspect = image->m_ratio ? 1 : 0;
    sizePage.m_bRestoreAvailable = TRUE;
    sizePage.m_width = image->m_width;
    sizePage.m_height = image->m_height;
    if (image->m_hPicture) {
        sizePage.m_restoreWidth = image->m_pictureSize.bmWidth;
        sizePage.m_restoreHeight = image->m_pictureSize.bmHeight;
        if (sizePage.m_width < 1)
            sizePage.m_width = image->m_pictureSize.bmWidth;
        if (sizePage.m_height < 1)
            sizePage.m_height = image->m_pictureSize.bmHeight;
    } else {
        sizePage.m_restoreWidth = 200;
        sizePage.m_restoreHeight = 35;
    }
    imagePage.m_pSizeWidth = &sizePage.m_width;
    imagePage.m_pSizeHeight = &sizePage.m_height;
    imagePage.m_pRestoreWidth = &sizePage.m_restoreWidth;
    imagePage.m_pRestoreHeight = &sizePage.m_restoreHeight;
    treePage.m_pObject = image;
    treePage.m_pDocument = GetActiveEditorDocument();

    const BOOL withEffects = type != CImageElement::TypeSystemButton;
    const BOOL withPicker = !bNew && ContainsNoCase(image->m_strSrc, ".bmp", TRUE);
    sheet.AddPage(&imagePage);
    if (withEffects) {
        if (bNew)
            effectsPage.m_pImagePage = &imagePage;
        sheet.AddPage(&effectsPage);
    }
    if (bNew) {
        imagePage.m_bWizard = TRUE;
        effectsPage.m_bWizard = TRUE;
        sheet.SetWizardMode();
    } else {
        AddPages(sheet, { &namePage, &sizePage, &positionPage });
        if (withPicker) {
            // The picker shows the plain picture: keyed, its transparent
            // pixels would all read black.
            image->FreeImage();
            image->LoadImage(TRUE);
            pickerPage.m_hPicture = image->m_hPicture;
            pickerPage.m_pictureSize = image->m_pictureSize;
            pickerPage.m_pickX = image->m_transX;
            pickerPage.m_pickY = image->m_transY;
            sheet.AddPage(&pickerPage);
        }
        sheet.AddPage(&treePage);
    }
    const BOOL confirmed = Confirmed(sheet.DoModal());
    const CStr path = imagePage.m_strPath;
    const BOOL systemButton = imagePage.m_bSystemButton != 0;
    if (!confirmed || (path.IsEmpty() && !systemButton)) {
        // Cancelled, the element keeps its keyed picture.
        if (withPicker) {
            image->FreeImage();
            image->LoadImage(FALSE);
        }
        return FALSE;
    }

    const BOOL wasSystemButton = type == CImageElement::TypeSystemButton;
    if (!systemButton) {
        image->m_strSrc = path;
        image->m_animated = imagePage.m_bAnimated ? 1 : 0;
        image->m_strText.Empty();
        if (withEffects && !effectsPage.m_bFilled)
            image->GetEffectImages(effectsPage.m_strOver, effectsPage.m_strDown);
        const BOOL effects = !effectsPage.m_strOver.IsEmpty() || !effectsPage.m_strDown.IsEmpty();
        image->m_buttonType = effects ? CImageElement::TypeButton : CImageElement::TypeImage;
        if (withPicker && ContainsNoCase(image->m_strSrc, ".bmp", TRUE)) {
            image->m_transX = pickerPage.m_pickX;
            image->m_transY = pickerPage.m_pickY;
        }
    } else {
        image->m_strSrc.Empty();
        image->m_animated = 0;
        image->m_strText = imagePage.m_strCaption;
        image->m_buttonType = CImageElement::TypeSystemButton;
    }
    if (!bNew) {
        image->m_xpos = positionPage.m_x;
        image->m_ypos = positionPage.m_y;
        image->m_width = sizePage.m_width;
        image->m_height = sizePage.m_height;
        if (wasSystemButton && !systemButton) {
            image->m_width = 0;
            image->m_height = 0;
        }
        image->m_reposition = positionPage.m_mode;
        image->m_resize = sizePage.m_mode;
        image->m_ratio = sizePage.m_bKeepAspect ? 1 : 0;
        image->m_bMouseMoveable = namePage.m_bMouseDrag == 1;
        TakeName(image, namePage.m_strName);
    }
    // Written after the picture is set, so that the restoring actions name
    // the new picture; written only now, so that Cancel changes no script.
    if (withEffects && effectsPage.m_bFilled && !systemButton)
        image->SetEffectImages(effectsPage.m_strOver, effectsPage.m_strDown);
    image->FreeImage();
    image->LoadImage(FALSE);
    return TRUE;
}

BOOL ChooseImageProperties(CImageElement* image, CPropertyRecordList& list)
{
    if (image == NULL)
        return FALSE;
    CStr src = image->m_strSrc;
    CStr caption = image->m_strText;
    int x = image->m_xpos, y = image->m_ypos, width = image->m_width, height = image->m_height;
    StartText(list, "src", src);
    StartNumber(list, "xpos", x);
    StartNumber(list, "ypos", y);
    StartNumber(list, "height", height);
    StartNumber(list, "width", width);
    const BOOL systemButton = image->m_buttonType == CImageElement::TypeSystemButton;
    if (systemButton)
        StartText(list, "buttonText", caption);

    CPropertySheet sheet;
    SetSheetTitle(sheet, CStr("Set ") + image->m_strId);
    CImagePP imagePage;
    CObjectSizePP sizePage;
    CObjectPositionPP positionPage;
    imagePage.m_pElement = image;
    imagePage.m_strPath = src;
    imagePage.m_bAnimated = image->m_animated ? 1 : 0;
    imagePage.m_bSystemButton = systemButton && src.IsEmpty();
    imagePage.m_strCaption = caption;
    imagePage.m_pSizeWidth = &sizePage.m_width;
    imagePage.m_pSizeHeight = &sizePage.m_height;
    imagePage.m_pRestoreWidth = &sizePage.m_restoreWidth;
    imagePage.m_pRestoreHeight = &sizePage.m_restoreHeight;
    sizePage.m_width = width;
    sizePage.m_height = height;
    sizePage.m_mode = image->m_resize;
    positionPage.m_x = x;
    positionPage.m_y = y;
    positionPage.m_mode = image->m_reposition;
    AddPages(sheet, { &imagePage, &sizePage, &positionPage });
    if (!Confirmed(sheet.DoModal()))
        return FALSE;
    if (imagePage.m_strPath.IsEmpty() && !imagePage.m_bSystemButton)
        return FALSE;

    if (!imagePage.m_bSystemButton) {
        // Stored as the player finds it: copied into the project's data folder.
        CStr stored = imagePage.m_strPath == image->m_strSrc ? image->m_strSrc
                                                               : ImportMediaFile(imagePage.m_strPath, TRUE);
        ApplyChoice(image, list, "src", CValue::Text(stored), CValue::Text(image->m_strSrc));
        ApplyChoice(image, list, "animated", CValue::Flag(imagePage.m_bAnimated), CValue::Flag(image->m_animated));
        ApplyChoice(image, list, "buttonText", CValue::Text(""), CValue::Text(image->m_strText));
    } else {
        ApplyChoice(image, list, "src", CValue::Text(""), CValue::Text(image->m_strSrc));
        ApplyChoice(image, list, "animated", CValue::Flag(FALSE), CValue::Flag(image->m_animated));
        ApplyChoice(image, list, "buttonText", CValue::Text(imagePage.m_strCaption), CValue::Text(image->m_strText));
    }
    ApplyChoice(image, list, "xpos", CValue::Number(positionPage.m_x), CValue::Number(image->m_xpos));
    ApplyChoice(image, list, "ypos", CValue::Number(positionPage.m_y), CValue::Number(image->m_ypos));
    ApplyChoice(image, list, "width", CValue::Number(sizePage.m_width), CValue::Number(image->m_width));
    ApplyChoice(image, list, "height", CValue::Number(sizePage.m_height), CValue::Number(image->m_height));
    return TRUE;
}

void InstallTextImageSheets()
{
    SetEditTextHook(EditTextProperties);
    SetChooseTextHook(ChooseTextProperties);
    SetEditImageHook(EditImageProperties);
    SetChooseImageHook(ChooseImageProperties);
}
