#include "model/ImageElement.h"
#include "model/PropertySheetHooks.h"

#include "model/store/DataFile.h"
#include "model/EditorServices.h"
#include "model/ElementSupport.h"
#include "model/ImageUtil.h"
#include "model/Script.h"
#include "model/ScriptItem.h"
#include "model/SetPropertyHooks.h"

#include <stdlib.h>
#include <string.h>
#include <vector>

CImageElement::CImageElement(const char* sectionName, CElement* parent)
    : CScriptableObject(sectionName, parent), m_pJpegPixels(NULL), m_hPicture(NULL),
      m_hMask(NULL), m_hMemDC(NULL), m_animated(0), m_transX(-1), m_transY(-1),
      m_resize(3), m_reposition(2), m_ratio(0), m_buttonType(TypeButton)
{
    memset(&m_jpegProperties, 0, sizeof(m_jpegProperties));
    memset(&m_pictureSize, 0, sizeof(m_pictureSize));
    m_width = 0;
    m_height = 0;
    AppendPropertyRecord(m_properties, "src", VT_BSTR);
    AppendPropertyRecord(m_properties, "animated", VT_BOOL);
    AppendPropertyRecord(m_properties, "buttonText", VT_BSTR);
    AppendPropertyRecord(m_properties, "mouseMoveable", VT_BOOL);
}

CImageElement::CImageElement(const CImageElement& other)
    : CScriptableObject(other), m_pJpegPixels(NULL), m_hPicture(NULL), m_hMask(NULL),
      m_hMemDC(NULL), m_strSrc(other.m_strSrc), m_strText(other.m_strText),
      m_animated(other.m_animated), m_transX(other.m_transX), m_transY(other.m_transY),
      m_resize(other.m_resize), m_reposition(other.m_reposition), m_ratio(other.m_ratio),
      m_buttonType(other.m_buttonType)
{
    memset(&m_jpegProperties, 0, sizeof(m_jpegProperties));
    memset(&m_pictureSize, 0, sizeof(m_pictureSize));
    LoadImage(FALSE);
}

CImageElement::~CImageElement()
{
    FreeJpegPixels();
    FreeImage();
}

CElement* CImageElement::Clone() const
{
    return new CImageElement(*this);
}

void CImageElement::FreeJpegPixels()
{
    free(m_pJpegPixels);
    m_pJpegPixels = NULL;
}

void CImageElement::FreeImage()
{
    ReleaseElementPicture(m_hPicture, m_hMask, m_hMemDC);
}

BOOL CImageElement::HitTest(POINT pt) const
{
    return HitTestRect(*this, pt);
}

RECT CImageElement::GetRect() const
{
    int w = m_width;
    int h = m_height;
    if (m_hPicture) {
        if (w <= 0)
            w = m_pictureSize.bmWidth;
        if (h <= 0)
            h = m_pictureSize.bmHeight;
    }
    RECT rect = { m_xpos, m_ypos, m_xpos + w, m_ypos + h };
    return rect;
}

void CImageElement::LoadImage(BOOL skipMask)
{
    BOOL fresh = LoadElementPicture(m_strSrc, EditorPictureReaders([this](const char* path) {
                                        HBITMAP bitmap = NULL;
                                        LoadJpeg(&bitmap, path);
                                        return bitmap;
                                    }),
                                    m_hPicture, m_hMask);
    if (m_hPicture) {
        GetObjectA(m_hPicture, sizeof(m_pictureSize), &m_pictureSize);
        if (m_width <= 0)
            m_width = m_pictureSize.bmWidth;
        if (m_height <= 0)
            m_height = m_pictureSize.bmHeight;
        // Keying an already keyed picture would pick black as the colour.
        if (m_transX >= 0 && !skipMask && fresh)
            BuildTransparencyMask(m_hPicture, &m_hMask, m_transX, m_transY);
    } else {
        if (m_width <= 0)
            m_width = 200;
        if (m_height <= 0)
            m_height = 35;
    }
}

BOOL CImageElement::LoadJpeg(HBITMAP* bitmap, const char* path)
{
    JpegInitProperties(&m_jpegProperties);
    m_jpegProperties.JPGFile = path;
    JpegRead(&m_jpegProperties, JPEG_READ_PARAMS);
    FreeJpegPixels();
    const DWORD width = m_jpegProperties.JPGWidth;
    const DWORD height = m_jpegProperties.JPGHeight;
    const DWORD stride = GetBgrRowStride(width, height);
    if (stride == 0) {
        JpegFreeProperties(&m_jpegProperties);
        return FALSE;
    }
    m_pJpegPixels = (BYTE*)malloc((size_t)stride * height);
    if (m_pJpegPixels == NULL) {
        JpegFreeProperties(&m_jpegProperties);
        return FALSE;
    }
    m_jpegProperties.DIBBytes = m_pJpegPixels;
    m_jpegProperties.DIBWidth = width;
    m_jpegProperties.DIBHeight = (int)height;
    m_jpegProperties.DIBPadBytes = stride - width * 3;
    m_jpegProperties.DIBChannels = 3;
    m_jpegProperties.DIBColor = JPEG_COLOUR_BGR;
    int result = JpegRead(&m_jpegProperties, JPEG_READ_PIXELS);
    // A read that failed part way left rows never written: no picture,
    // rather than one of whatever the memory held.
    if (result >= 0)
        CreateJpegBitmap(bitmap);
    // The rows are not needed once the bitmap holds them.
    FreeJpegPixels();
    m_jpegProperties.DIBBytes = NULL;
    JpegFreeProperties(&m_jpegProperties);
    m_jpegProperties.JPGFile = NULL;
    return result >= 0;
}

void CImageElement::CreateJpegBitmap(HBITMAP* bitmap)
{
    if (m_pJpegPixels == NULL || bitmap == NULL)
        return;
    HWND view = GetActiveViewWindow();
    // Working alone, the model takes the screen's context.
    HDC dc = view ? GetWindowDC(view) : GetDC(NULL);
    if (dc == NULL)
        return;
    HBITMAP made = MakeBgrBitmap(dc, m_pJpegPixels, (int)m_jpegProperties.DIBWidth, m_jpegProperties.DIBHeight);
    if (made)
        *bitmap = made;
    ReleaseDC(view, dc);
}

BOOL CImageElement::Draw(HDC dc)
{
    RECT rect = GetRect();
    if (!RectVisible(dc, &rect))
        return TRUE;
    if (m_hPicture) {
        SetStretchBltMode(dc, COLORONCOLOR);
        if (m_hMemDC == NULL)
            m_hMemDC = CreateCompatibleDC(dc);
        StretchPicture(dc, m_hMemDC, rect, m_hPicture, m_hMask, 0, 0,
                       m_pictureSize.bmWidth, m_pictureSize.bmHeight);
    } else {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
        int oldMode = SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, m_strText, m_strText.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetBkMode(dc, oldMode);
    }
    return TRUE;
}

void CImageElement::DrawAt(HDC dc, POINT origin, HBITMAP dragMask)
{
    DrawPictureDragImage(dc, ElementBox(*this, origin), m_hPicture, m_hMask, m_pictureSize,
                         dragMask);
}

BOOL CImageElement::EditProperties(BOOL bNew)
{
    return RunEditImageHook(this, bNew);
}

BOOL CImageElement::ChooseProperties(CPropertyRecordList& list)
{
    return RunChooseImageHook(this, list);
}

BOOL CImageElement::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    if (!m_strSrc.IsEmpty()) {
        file->SetString(s, "src", ImportMediaFile(m_strSrc, TRUE));
        file->SetInt(s, "animated", m_animated);
        SaveKeyColour(file, s, m_transX, m_transY);
    } else {
        file->SetString(s, "src", "");
    }
    file->SetInt(s, "resize", m_resize);
    file->SetInt(s, "reposition", m_reposition);
    file->SetInt(s, "width", m_width);
    file->SetInt(s, "height", m_height);
    file->SetBool(s, "ratio", m_ratio);
    file->SetInt(s, "buttonType", m_buttonType);
    if (m_buttonType == TypeSystemButton)
        file->SetString(s, "text", m_strText);
    CScriptableObject::Save(file);
    return TRUE;
}

BOOL CImageElement::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    file->GetString(s, "src", m_strSrc);
    file->GetInt(s, "width", m_width);
    file->GetInt(s, "height", m_height);
    file->GetInt(s, "resize", m_resize);
    file->GetInt(s, "reposition", m_reposition);
    file->GetInt(s, "animated", m_animated);
    BOOL ratio;
    if (file->GetBool(s, "ratio", ratio))
        m_ratio = ratio ? 1 : 0;
    file->GetString(s, "text", m_strText);
    file->GetInt(s, "buttonType", m_buttonType);
    LoadKeyColour(file, s, m_transX, m_transY);
    CScriptableObject::Load(file, keepId);
    LoadImage(FALSE);
    return TRUE;
}

BOOL CImageElement::AddToTree(HWND tree, HTREEITEM parentItem)
{
    int image = m_buttonType == TypeSystemButton ? 1 : m_buttonType == TypeButton ? 16 : 5;
    HTREEITEM item = InsertElementTreeItem(tree, parentItem, GetDisplayName(), image, this);
    CScriptableObject::AddToTree(tree, item);
    return TRUE;
}

int CImageElement::AccessProperty(const char* name, VARIANT& value, BOOL put)
{
    const NamedProperty table[] = {
        { "src", PropText, &m_strSrc },
        { "animated", PropFlag, &m_animated },
        { "xpos", PropInt, &m_xpos },
        { "ypos", PropInt, &m_ypos },
        { "width", PropInt, &m_width },
        { "height", PropInt, &m_height },
        { "cursor", PropText, &m_strCursor },
    };
    return AccessNamedProperty(this, table, sizeof(table) / sizeof(table[0]), name, value, put);
}

void CImageElement::OnPropertiesChanged()
{
    FreeImage();
    LoadImage(FALSE);
}

void CImageElement::UpdatePropertyList(CPropertyRecordList& list)
{
    int moveable = m_bMouseMoveable ? 1 : 0;
    const NamedProperty table[] = {
        { "src", PropText, &m_strSrc },
        { "animated", PropFlag, &m_animated },
        { "buttonText", PropText, &m_strText },
        { "mouseMoveable", PropFlag, &moveable },
    };
    RefreshChangedRecords(m_properties, table, sizeof(table) / sizeof(table[0]));
    CScriptableObject::UpdatePropertyList(list);
}

static BOOL TargetsElement(const CScriptItem* item, const CElement* element)
{
    return lstrcmpiA(item->m_strControlId, element->m_strId) == 0;
}

void CImageElement::GetEffectImages(CStr& over, CStr& down)
{
    const SetPropertyHooks* hooks = GetSetPropertyHooks();
    const char* const events[2] = { "OnMouseDown", "OnMouseIn" };
    CStr* outputs[2] = { &down, &over };
    for (int k = 0; k < 2; ++k) {
        CScript* script = FindScriptForEvent(events[k]);
        if (script == NULL) {
            outputs[k]->Empty();
            continue;
        }
        if (hooks == NULL || hooks->getImageSource == NULL)
            continue;
        int position = 0;
        while (CScriptItem* item = script->FindItemFrom("SetProperty", position)) {
            CStr source;
            if (TargetsElement(item, this) && hooks->getImageSource(item, source)) {
                *outputs[k] = source;
                break;
            }
            position++;
        }
    }
}

void CImageElement::ApplySource(CScript* script, const char* picture)
{
    const SetPropertyHooks* hooks = GetSetPropertyHooks();
    if (hooks == NULL || hooks->setImageSource == NULL || hooks->getImageSource == NULL)
        return;
    std::vector<CScriptItem*> mine;
    CScriptItem* holder = NULL;
    int position = 0;
    while (CScriptItem* item = script->FindItemFrom("SetProperty", position)) {
        position++;
        if (!TargetsElement(item, this))
            continue;
        CStr source;
        if (hooks->getImageSource(item, source)) {
            holder = item;
            break;
        }
        mine.push_back(item);
    }
    if (*picture == '\0') {
        if (holder == NULL)
            return;
        hooks->setImageSource(holder, "");
        // Only an action left without any assignment goes; removing it
        // whole would lose the author's other assignments.
        if (!holder->HasStoredForm())
            script->DeleteItem(holder);
        return;
    }
    // The action that already assigns "src" takes the new picture: given
    // to an earlier one instead, it would be undone by it at run time.
    CStr stored = ImportMediaFile(picture, TRUE);
    if (holder != NULL)
        mine.insert(mine.begin(), holder);
    for (CScriptItem* item : mine) {
        if (hooks->setImageSource(item, stored))
            return;
    }
    AppendSrcAction(script, stored, m_strId);
}

void CImageElement::SetEffectImages(const char* over, const char* down)
{
    if (over == NULL)
        over = "";
    if (down == NULL)
        down = "";
    const char* const events[4] = { "OnMouseDown", "OnMouseIn", "OnMouseOut", "OnMouseUp" };
    CScript* scripts[4];
    for (int k = 0; k < 4; ++k)
        scripts[k] = FindScriptForEvent(events[k]);
    const CStr own = m_strSrc;
    const char* restoreOver = *over ? own.c_str() : "";
    const char* restoreDown = *down ? own.c_str() : "";
    const char* values[4] = { down, over, restoreOver, restoreDown };
    const char* pictures[4] = { down, over, over, down };

    for (int k = 0; k < 4; ++k) {
        if (scripts[k])
            ApplySource(scripts[k], values[k]);
    }
    for (int k = 0; k < 4; ++k) {
        if (scripts[k] || *pictures[k] == '\0')
            continue;
        CScript* script = CreateScript();
        script->SetName(events[k]);
        AddChild(script);
        AddSrcAction(script, m_strId, values[k]);
    }
}

void CImageElement::AddSrcAction(CScript* script, const char* id, const char* picture)
{
    if (script == NULL || picture == NULL || *picture == '\0')
        return;
    AppendSrcAction(script, ImportMediaFile(picture, TRUE), id);
}

void CImageElement::AppendSrcAction(CScript* script, const char* storedName, const char* id)
{
    const SetPropertyHooks* hooks = GetSetPropertyHooks();
    if (hooks == NULL || hooks->setImageSource == NULL)
        return;
    CScriptItem* action = CreateScriptItem("SetProperty");
    if (action == NULL)
        return;
    if (!hooks->setImageSource(action, storedName)) {
        delete action;
        return;
    }
    action->m_strControlId = id;
    script->AppendItem(action);
}
