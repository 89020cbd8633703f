#include "model/ElementSupport.h"

#include "model/store/DataFile.h"
#include "model/ScriptableObject.h"
#include "model/common/VariantHelpers.h"

#include <oleauto.h>

static VARTYPE ExpectedType(NamedPropertyKind kind)
{
    switch (kind) {
    case PropInt: return VT_I4;
    case PropFlag: return VT_BOOL;
    case PropColour: return VT_UI4;
    case PropReal: return VT_R8;
    case PropText: return VT_BSTR;
    }
    return VT_EMPTY;
}

int AccessNamedProperty(CScriptableObject* object, const NamedProperty* table, int count,
                        const char* name, VARIANT& value, BOOL put)
{
    for (int i = 0; i < count; ++i) {
        const NamedProperty& p = table[i];
        if (name == NULL || lstrcmpiA(p.name, name) != 0)
            continue;
        if (V_VT(&value) != ExpectedType(p.kind))
            return PropertyWrongType;
        if (put) {
            switch (p.kind) {
            case PropInt: *static_cast<int*>(p.field) = V_I4(&value); break;
            case PropFlag: *static_cast<int*>(p.field) = (SHORT)V_BOOL(&value); break;
            case PropColour: *static_cast<COLORREF*>(p.field) = V_UI4(&value); break;
            case PropReal: *static_cast<double*>(p.field) = V_R8(&value); break;
            case PropText: {
                CStr text;
                if (V_BSTR(&value) != NULL)
                    text.AssignWide(V_BSTR(&value));
                *static_cast<CStr*>(p.field) = text;
                break;
            }
            }
            object->OnPropertiesChanged();
            return PropertyDone;
        }
        VariantClear(&value);
        switch (p.kind) {
        case PropInt:
        case PropFlag:
            V_VT(&value) = VT_I4;
            V_I4(&value) = *static_cast<const int*>(p.field);
            break;
        case PropColour:
            V_VT(&value) = VT_I4;
            V_I4(&value) = (LONG)*static_cast<const COLORREF*>(p.field);
            break;
        case PropReal:
            V_VT(&value) = VT_R8;
            V_R8(&value) = *static_cast<const double*>(p.field);
            break;
        case PropText:
            SetVariantText(value, *static_cast<const CStr*>(p.field));
            break;
        }
        return PropertyDone;
    }
    if (put) {
        if (object->PutExtraProperty(name, value) != 0)
            return PropertyUnknownName;
        object->OnPropertiesChanged();
        return PropertyDone;
    }
    object->GetExtraProperty(name, value);
    return PropertyDone;
}

void SetRecordFromField(CPropertyRecord& record, NamedPropertyKind kind, const void* field)
{
    VARIANT& v = record.m_value;
    VariantClear(&v);
    double number = 0;
    switch (kind) {
    case PropInt:
    case PropFlag: number = *static_cast<const int*>(field); break;
    case PropColour: number = *static_cast<const COLORREF*>(field); break;
    case PropReal: number = *static_cast<const double*>(field); break;
    case PropText: break;
    }
    switch (record.m_vt) {
    case VT_BSTR:
        if (kind == PropText) {
            SetVariantText(v, *static_cast<const CStr*>(field));
        } else {
            V_VT(&v) = VT_R8;
            V_R8(&v) = number;
            VariantChangeType(&v, &v, 0, VT_BSTR);
        }
        break;
    case VT_BOOL:
        V_VT(&v) = VT_BOOL;
        V_BOOL(&v) = number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_UI4:
        V_VT(&v) = VT_UI4;
        V_UI4(&v) = (ULONG)(LONG)number;
        break;
    case VT_R8:
        V_VT(&v) = VT_R8;
        V_R8(&v) = number;
        break;
    default:
        V_VT(&v) = VT_I4;
        V_I4(&v) = (LONG)number;
        break;
    }
}

void RefreshChangedRecords(CPropertyRecordList& own, const NamedProperty* table, int count)
{
    for (int i = 0; i < count; ++i) {
        int index = FindPropertyIndex(own, table[i].name);
        if (index >= 0 && own[index].m_bChanged)
            SetRecordFromField(own[index], table[i].kind, table[i].field);
    }
}

void LoadKeyColour(const CDataFile* file, const char* section, int& transX, int& transY)
{
    long number;
    if (file->GetLong(section, "transX", number)) {
        transX = (int)number;
        if (file->GetLong(section, "transY", number))
            transY = (int)number;
    } else {
        transX = -1;
        transY = -1;
    }
}

void SaveKeyColour(CDataFile* file, const char* section, int transX, int transY)
{
    if (transX < 0)
        return;
    file->SetLong(section, "transX", transX);
    file->SetLong(section, "transY", transY);
}

RECT ElementBox(const CElement& element, POINT origin)
{
    RECT rect = { element.m_xpos - origin.x, element.m_ypos - origin.y, 0, 0 };
    rect.right = rect.left + element.m_width;
    rect.bottom = rect.top + element.m_height;
    return rect;
}

BOOL HitTestRect(const CElement& element, POINT pt)
{
    RECT rect = element.GetRect();
    return PtInRect(&rect, pt);
}

HFONT CreateElementFont(HDC dc, const char* faceName, int pointSize, int weight, int italic,
                        int underline, int strikeOut)
{
    return CreateFontA(-MulDiv(pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, weight,
                       italic ? TRUE : FALSE, underline ? TRUE : FALSE, strikeOut ? TRUE : FALSE,
                       0, 0, 0, 0, 0, faceName);
}

void DeleteFontHandle(HFONT& font)
{
    if (font) {
        DeleteObject(font);
        font = NULL;
    }
}

void DrawElementText(HDC dc, HFONT font, COLORREF colour, const CStr& text, RECT rect,
                     UINT format, BOOL opaque, COLORREF bgColor)
{
    int oldMode = 0;
    if (opaque)
        SetBkColor(dc, bgColor);
    else
        oldMode = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    HGDIOBJ oldFont = SelectObject(dc, font);
    DrawTextA(dc, text, text.GetLength(), &rect, format);
    SelectObject(dc, oldFont);
    if (!opaque)
        SetBkMode(dc, oldMode);
}

RECT CDrawnTextExtent::Get(HDC dc, HFONT font, const CStr& text, const RECT& rect, UINT format)
{
    SIZE size = { rect.right - rect.left, rect.bottom - rect.top };
    if (!m_valid || font != m_font || format != m_format || size.cx != m_size.cx || size.cy != m_size.cy ||
        text != m_text)
    {
        RECT measured = { 0, 0, size.cx, size.cy };
        TEXTMETRICA metrics = {};
        HGDIOBJ oldFont = SelectObject(dc, font);
        // Measured from the corner: the alignment is placed below.
        UINT measure = format & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM);
        DrawTextA(dc, text, text.GetLength(), &measured, measure | DT_CALCRECT);
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, oldFont);
        int width = measured.right - measured.left;
        int height = measured.bottom - measured.top;
        RECT drawn;
        drawn.left = (format & DT_CENTER) ? (size.cx - width) / 2 : (format & DT_RIGHT) ? size.cx - width : 0;
        drawn.top = 0;
        if (format & DT_SINGLELINE)
            drawn.top = (format & DT_VCENTER) ? (size.cy - height) / 2 : (format & DT_BOTTOM) ? size.cy - height : 0;
        drawn.right = drawn.left + width;
        drawn.bottom = drawn.top + height;
        // Slanted glyphs and rounding reach a little past the measure.
        int margin = 1 + metrics.tmOverhang + (metrics.tmItalic ? metrics.tmAscent / 3 : 0);
        InflateRect(&drawn, margin, 1);
        RECT box = { 0, 0, size.cx, size.cy };
        UnionRect(&m_offsets, &drawn, &box);
        m_valid = TRUE;
        m_font = font;
        m_text = text;
        m_format = format;
        m_size = size;
    }
    RECT extent = m_offsets;
    OffsetRect(&extent, rect.left, rect.top);
    return extent;
}

void AppendPropertyRecord(CPropertyRecordList& list, const char* name, VARTYPE vt)
{
    VARIANT empty;
    VariantInit(&empty);
    list.emplace_back(name, "", empty, vt, FALSE);
}

HTREEITEM InsertElementTreeItem(HWND tree, HTREEITEM parent, const char* text, int image,
                                CElement* element, int selectedImage)
{
    if (tree == NULL)
        return NULL;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage >= 0 ? selectedImage : image;
    insert.item.lParam = (LPARAM)element;
    return (HTREEITEM)SendMessageA(tree, TVM_INSERTITEMA, 0, (LPARAM)&insert);
}
