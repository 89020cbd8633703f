#include "model/TextElement.h"
#include "model/PropertySheetHooks.h"

#include "model/store/DataFile.h"
#include "model/ElementSupport.h"
#include "model/ImageUtil.h"

#include <string.h>

CTextElement::CTextElement(const char* sectionName, CElement* parent)
    : CScriptableObject(sectionName, parent), m_hFont(NULL),
      m_format(DT_NOCLIP | DT_NOPREFIX | DT_SINGLELINE), m_strFontName("Arial"),
      m_fontColor(0), m_fontSize(10), m_fontWeight(400), m_fontItalic(0),
      m_fontUnderline(0), m_fontStrikeOut(0), m_bgColor(0), m_bgTransparency(0.0),
      m_strJustification("left"), m_strVJustification("top"), m_singleline(1),
      m_resize(2), m_reposition(2)
{
    m_width = 40;
    m_height = 20;
    static const struct { const char* name; VARTYPE vt; } kRecords[] = {
        { "text", VT_BSTR }, { "fontName", VT_BSTR }, { "fontColor", VT_UI4 },
        { "fontSize", VT_I4 }, { "fontWeight", VT_I4 }, { "fontItalic", VT_BOOL },
        { "fontUnderline", VT_BOOL }, { "fontStrikeOut", VT_BOOL }, { "singleline", VT_BOOL },
        { "bgColor", VT_UI4 }, { "bgTransparency", VT_R8 }, { "justification", VT_BSTR },
        { "vjustification", VT_BSTR }, { "mouseMoveable", VT_BOOL },
    };
    for (const auto& r : kRecords)
        AppendPropertyRecord(m_properties, r.name, r.vt);
}

CTextElement::CTextElement(const CTextElement& other)
    : CScriptableObject(other), m_hFont(NULL), m_format(other.m_format),
      m_strText(other.m_strText), m_strFontName(other.m_strFontName),
      m_fontColor(other.m_fontColor), m_fontSize(other.m_fontSize),
      m_fontWeight(other.m_fontWeight), m_fontItalic(other.m_fontItalic),
      m_fontUnderline(other.m_fontUnderline), m_fontStrikeOut(other.m_fontStrikeOut),
      m_bgColor(other.m_bgColor), m_bgTransparency(other.m_bgTransparency),
      m_strJustification(other.m_strJustification),
      m_strVJustification(other.m_strVJustification), m_singleline(other.m_singleline),
      m_resize(other.m_resize), m_reposition(other.m_reposition)
{
}

CTextElement::~CTextElement()
{
    ReleaseFont();
}

CElement* CTextElement::Clone() const
{
    return new CTextElement(*this);
}

BOOL CTextElement::HitTest(POINT pt) const
{
    return HitTestRect(*this, pt);
}

RECT CTextElement::GetRect() const
{
    return ElementBox(*this);
}

BOOL CTextElement::EditProperties(BOOL bNew)
{
    return RunEditTextHook(this, bNew);
}

BOOL CTextElement::ChooseProperties(CPropertyRecordList& list)
{
    return RunChooseTextHook(this, list);
}

void CTextElement::ReleaseFont()
{
    DeleteFontHandle(m_hFont);
    m_drawnExtent.Forget();
}

void CTextElement::UpdateFormat()
{
    m_format = TextFormatFlags(m_strJustification, m_strVJustification, m_singleline);
}

HFONT CTextElement::MakeFont(HDC dc) const
{
    return CreateElementFont(dc, m_strFontName, m_fontSize, m_fontWeight, m_fontItalic,
                             m_fontUnderline, m_fontStrikeOut);
}

RECT CTextElement::GetDrawnRect(HDC dc)
{
    if (m_hFont == NULL)
        m_hFont = MakeFont(dc);
    return m_drawnExtent.Get(dc, m_hFont, m_strText, GetRect(), m_format);
}

BOOL CTextElement::Draw(HDC dc)
{
    RECT rect = GetRect();
    // The glyphs may pass the box (DT_NOCLIP): a paint beside it still
    // shows their part.
    RECT drawn = GetDrawnRect(dc);
    if (!RectVisible(dc, &drawn))
        return TRUE;
    int saved = SaveDC(dc);
    if (m_bgTransparency > 0)
        BlendColorIntoVisibleRect(dc, rect, m_bgColor, m_bgTransparency);
    DrawElementText(dc, m_hFont, m_fontColor, m_strText, rect, m_format, m_bgTransparency >= 1,
                    m_bgColor);
    RestoreDC(dc, saved);
    return TRUE;
}

void CTextElement::DrawAt(HDC dc, POINT origin, HBITMAP mask)
{
    RECT rect = ElementBox(*this, origin);
    HFONT font = MakeFont(dc);
    HBRUSH brush = CreateSolidBrush(m_bgColor);

    FillRect(dc, &rect, brush);
    DrawElementText(dc, font, m_fontColor, m_strText, rect, m_format, FALSE, m_bgColor);

    if (mask) {
        HGDIOBJ image = SelectObject(dc, mask);
        HGDIOBJ oldFont = SelectObject(dc, font);
        if (m_bgTransparency >= 0.4) {
            FillRect(dc, &rect, (HBRUSH)GetStockObject(BLACK_BRUSH));
        } else {
            COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
            SetTextColor(dc, RGB(0, 0, 0));
            RECT textRect = rect;
            DrawTextA(dc, m_strText, m_strText.GetLength(), &textRect, m_format);
            SetBkColor(dc, oldBack);
        }
        SelectObject(dc, image);
        SelectObject(dc, oldFont);
    }
    DeleteObject(brush);
    DeleteObject(font);
}

BOOL CTextElement::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    file->SetMultiLineString(s, "text", m_strText);
    file->SetInt(s, "resize", m_resize);
    file->SetInt(s, "reposition", m_reposition);
    file->SetInt(s, "width", m_width);
    file->SetInt(s, "height", m_height);
    file->SetLong(s, "fontColor", (long)m_fontColor);
    file->SetString(s, "fontName", m_strFontName);
    file->SetLong(s, "fontSize", m_fontSize);
    file->SetLong(s, "fontWeight", m_fontWeight);
    file->SetInt(s, "fontItalic", m_fontItalic);
    file->SetInt(s, "fontUnderline", m_fontUnderline);
    file->SetInt(s, "fontStrikeOut", m_fontStrikeOut);
    file->SetLong(s, "bgColor", (long)m_bgColor);
    file->SetDouble(s, "bgTransparency", m_bgTransparency);
    file->SetString(s, "justification", m_strJustification);
    file->SetString(s, "vjustification", m_strVJustification);
    file->SetInt(s, "singleline", m_singleline);
    return CScriptableObject::Save(file);
}

BOOL CTextElement::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    long number;
    file->GetMultiLineString(s, "text", m_strText);
    file->GetInt(s, "width", m_width);
    file->GetInt(s, "height", m_height);
    file->GetInt(s, "resize", m_resize);
    file->GetInt(s, "reposition", m_reposition);
    if (file->GetLong(s, "fontColor", number))
        m_fontColor = (COLORREF)number;
    file->GetString(s, "fontName", m_strFontName);
    if (file->GetLong(s, "fontSize", number))
        m_fontSize = (int)number;
    if (file->GetLong(s, "fontWeight", number))
        m_fontWeight = (int)number;
    file->GetInt(s, "fontItalic", m_fontItalic);
    file->GetInt(s, "fontUnderline", m_fontUnderline);
    file->GetInt(s, "fontStrikeOut", m_fontStrikeOut);
    if (file->GetLong(s, "bgColor", number))
        m_bgColor = (COLORREF)number;
    file->GetDouble(s, "bgTransparency", m_bgTransparency);
    file->GetString(s, "justification", m_strJustification);
    file->GetString(s, "vjustification", m_strVJustification);
    file->GetInt(s, "singleline", m_singleline);
    UpdateFormat();
    return CScriptableObject::Load(file, keepId);
}

BOOL CTextElement::AddToTree(HWND tree, HTREEITEM parentItem)
{
    HTREEITEM item = InsertElementTreeItem(tree, parentItem, GetDisplayName(), 6, this);
    CScriptableObject::AddToTree(tree, item);
    return TRUE;
}

std::vector<NamedProperty> CTextElement::TextFields()
{
    return {
        { "text", PropText, &m_strText },
        { "fontName", PropText, &m_strFontName },
        { "fontColor", PropColour, &m_fontColor },
        { "fontSize", PropInt, &m_fontSize },
        { "fontWeight", PropInt, &m_fontWeight },
        { "fontItalic", PropFlag, &m_fontItalic },
        { "fontUnderline", PropFlag, &m_fontUnderline },
        { "fontStrikeOut", PropFlag, &m_fontStrikeOut },
        { "singleline", PropFlag, &m_singleline },
        { "bgColor", PropColour, &m_bgColor },
        { "bgTransparency", PropReal, &m_bgTransparency },
        { "justification", PropText, &m_strJustification },
        { "vjustification", PropText, &m_strVJustification },
    };
}

int CTextElement::AccessProperty(const char* name, VARIANT& value, BOOL put)
{
    std::vector<NamedProperty> table = TextFields();
    table.push_back({ "width", PropInt, &m_width });
    table.push_back({ "height", PropInt, &m_height });
    table.push_back({ "cursor", PropText, &m_strCursor });
    return AccessNamedProperty(this, table.data(), (int)table.size(), name, value, put);
}

void CTextElement::UpdatePropertyList(CPropertyRecordList& list)
{
    int moveable = m_bMouseMoveable ? 1 : 0;
    std::vector<NamedProperty> table = TextFields();
    table.push_back({ "mouseMoveable", PropFlag, &moveable });
    RefreshChangedRecords(m_properties, table.data(), (int)table.size());
    CScriptableObject::UpdatePropertyList(list);
}
