#include "player/runtime/TextElement.h"

#include "player/runtime/DrawingSupport.h"
#include "player/runtime/ElementContainer.h"

namespace Tarvex {

CTextElement::CTextElement(const char* section, CElement* parent)
    : CScriptableObject(section, parent), m_font(NULL), m_fitted(FALSE), m_format(DT_NOPREFIX | DT_NOCLIP),
      m_fontName("Arial"),
      m_fontColor(0), m_fontSize(10), m_fontWeight(400), m_fontItalic(0), m_fontUnderline(0), m_fontStrikeOut(0),
      m_width(40), m_height(20), m_bgColor(0), m_bgTransparency(0.0), m_justification("left"),
      m_vjustification("top"), m_singleline(0), m_lastRect()
{
    UpdateFormat();
}

CTextElement::CTextElement(const CTextElement& other)
    : CScriptableObject(other), m_font(NULL), m_fitted(FALSE), m_format(other.m_format), m_text(other.m_text),
      m_fontName(other.m_fontName), m_fontColor(other.m_fontColor), m_fontSize(other.m_fontSize),
      m_fontWeight(other.m_fontWeight), m_fontItalic(other.m_fontItalic), m_fontUnderline(other.m_fontUnderline),
      m_fontStrikeOut(other.m_fontStrikeOut), m_width(other.m_width), m_height(other.m_height),
      m_bgColor(other.m_bgColor), m_bgTransparency(other.m_bgTransparency),
      m_justification(other.m_justification), m_vjustification(other.m_vjustification),
      m_singleline(other.m_singleline), m_lastRect(other.m_lastRect)
{
}

CTextElement::~CTextElement()
{
    ReleaseFont();
}

RECT CTextElement::GetRect() const
{
    RECT rect = { m_xpos, m_ypos, m_xpos + m_width, m_ypos + m_height };
    return rect;
}

BOOL CTextElement::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    file.GetMultiLineString(section, "text", m_text);
    file.GetInt(section, "width", m_width);
    file.GetInt(section, "height", m_height);
    long value = 0;
    if (file.GetLong(section, "fontColor", value))
        m_fontColor = (COLORREF)value;
    file.GetString(section, "fontName", m_fontName);
    file.GetInt(section, "fontSize", m_fontSize);
    file.GetInt(section, "fontWeight", m_fontWeight);
    file.GetInt(section, "fontItalic", m_fontItalic);
    file.GetInt(section, "fontUnderline", m_fontUnderline);
    file.GetInt(section, "fontStrikeOut", m_fontStrikeOut);
    if (file.GetLong(section, "bgColor", value))
        m_bgColor = (COLORREF)value;
    file.GetDouble(section, "bgTransparency", m_bgTransparency);
    file.GetString(section, "justification", m_justification);
    file.GetString(section, "vjustification", m_vjustification);
    file.GetInt(section, "singleline", m_singleline);
    BOOL result = CScriptableObject::Load(file);
    UpdateFormat();
    m_fitted = FALSE;
    m_lastRect = GetRect();
    return result;
}

void CTextElement::UpdateFormat()
{
    m_format = TextFormatFlags(m_justification, m_vjustification, m_singleline);
}

void CTextElement::ReleaseFont()
{
    if (m_font)
    {
        DeleteObject(m_font);
        m_font = NULL;
    }
}

HFONT CTextElement::MakeFont(HDC dc) const
{
    return CreateFontA(-MulDiv(m_fontSize, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, m_fontWeight,
                       m_fontItalic ? TRUE : FALSE, m_fontUnderline ? TRUE : FALSE, m_fontStrikeOut ? TRUE : FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       m_fontName);
}

void CTextElement::FitToText(HDC dc)
{
    // Measured in the font it is drawn with: the context's own font would
    // size the box for another text.
    if (!m_font)
        m_font = MakeFont(dc);
    RECT measured = GetRect();
    HGDIOBJ oldFont = SelectObject(dc, m_font);
    DrawTextA(dc, m_text, m_text.GetLength(), &measured, m_format | DT_CALCRECT);
    SelectObject(dc, oldFont);
    int width = measured.right - measured.left;
    int height = measured.bottom - measured.top;
    if (m_width < width)
        m_width = width;
    if (m_height < height)
        m_height = height;
    if (CElementContainer* container = dynamic_cast<CElementContainer*>(m_parent))
    {
        SIZE limit = container->GetSize();
        if (m_xpos + m_width > limit.cx)
            m_width = limit.cx - m_xpos;
        if (m_ypos + m_height > limit.cy)
            m_height = limit.cy - m_ypos;
    }
    m_fitted = TRUE;
    m_lastRect = GetRect();
}

BOOL CTextElement::Draw(const CDrawContext& context)
{
    HDC dc = context.dc;
    if (!m_fitted)
        FitToText(dc);
    RECT rect = GetRect();
    if (!NeedsDrawing(context, rect))
        return TRUE;
    int saved = SaveDC(dc);
    if (m_bgTransparency > 0)
        BlendColorIntoVisibleRect(dc, rect, m_bgColor, m_bgTransparency);
    if (m_bgTransparency >= 1)
        SetBkColor(dc, m_bgColor);
    else
        SetBkMode(dc, TRANSPARENT);
    if (!m_font)
        m_font = MakeFont(dc);
    SetTextColor(dc, m_fontColor);
    HGDIOBJ oldFont = SelectObject(dc, m_font);
    DrawTextA(dc, m_text, m_text.GetLength(), &rect, m_format);
    SelectObject(dc, oldFont);
    RestoreDC(dc, saved);
    return TRUE;
}

int CTextElement::AccessProperty(const char* name, VARIANT* value, BOOL put)
{
    const CPropertyBinding table[] = {
        { "font", CPropertyBinding::Text, &m_fontName },
        { "fontName", CPropertyBinding::Text, &m_fontName },
        { "color", CPropertyBinding::Colour, &m_fontColor },
        { "fontColor", CPropertyBinding::Colour, &m_fontColor },
        { "bgColor", CPropertyBinding::Colour, &m_bgColor },
        { "size", CPropertyBinding::Int, &m_fontSize },
        { "fontSize", CPropertyBinding::Int, &m_fontSize },
        { "weight", CPropertyBinding::Int, &m_fontWeight },
        { "fontWeight", CPropertyBinding::Int, &m_fontWeight },
        { "xpos", CPropertyBinding::Int, &m_xpos },
        { "ypos", CPropertyBinding::Int, &m_ypos },
        { "width", CPropertyBinding::Int, &m_width },
        { "height", CPropertyBinding::Int, &m_height },
        { "italic", CPropertyBinding::Flag, &m_fontItalic },
        { "fontItalic", CPropertyBinding::Flag, &m_fontItalic },
        { "underline", CPropertyBinding::Flag, &m_fontUnderline },
        { "fontUnderline", CPropertyBinding::Flag, &m_fontUnderline },
        { "strikeout", CPropertyBinding::Flag, &m_fontStrikeOut },
        { "fontStrikeOut", CPropertyBinding::Flag, &m_fontStrikeOut },
        { "singleline", CPropertyBinding::Flag, &m_singleline },
        { "mouseMoveable", CPropertyBinding::Flag, &m_mouseMoveable },
        { "cursor", CPropertyBinding::Text, &m_cursorName },
        { "text", CPropertyBinding::Text, &m_text },
        { "justification", CPropertyBinding::Text, &m_justification },
        { "vjustification", CPropertyBinding::Text, &m_vjustification },
        { "bgTransparency", CPropertyBinding::Real, &m_bgTransparency },
    };
    return AccessPropertyTable(table, (int)(sizeof(table) / sizeof(table[0])), name, value, put);
}

void CTextElement::OnPropertiesChanged()
{
    // The put has already moved or resized the element: its old drawing
    // lies where it was last fitted.
    RECT old = m_lastRect;
    ReleaseFont();
    UpdateFormat();
    m_fitted = FALSE;
    HWND window = GetDrawingWindow();
    HDC dc = GetDC(window);
    if (dc)
    {
        FitToText(dc);
        ReleaseDC(window, dc);
    }
    InvalidateOnDrawingWindow(old);
    InvalidateOnDrawingWindow(GetRect());
}

} // namespace Tarvex
