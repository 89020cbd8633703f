#include "player/runtime/ImageElement.h"

#include "player/runtime/DrawingSupport.h"
#include "player/PlayerPaths.h"

namespace Tarvex {

CImageElement::CImageElement(const char* section, CElement* parent)
    : CPictureElement(section, parent), m_width(0), m_height(0), m_animated(0), m_animation(NULL),
      m_animationFailed(FALSE), m_lastRect()
{
}

CImageElement::CImageElement(const CImageElement& other)
    : CPictureElement(other), m_buttonText(other.m_buttonText), m_width(other.m_width), m_height(other.m_height),
      m_animated(other.m_animated), m_animation(NULL), m_animationFailed(FALSE), m_lastRect(other.m_lastRect)
{
}

CImageElement::~CImageElement()
{
    StopAnimation();
    FreeImage();
}

RECT CImageElement::GetRect() const
{
    int width = m_width;
    int height = m_height;
    if (m_picture.GetPicture())
    {
        if (width <= 0)
            width = m_picture.GetWidth();
        if (height <= 0)
            height = m_picture.GetHeight();
    }
    RECT rect = { m_xpos, m_ypos, m_xpos + width, m_ypos + height };
    return rect;
}

BOOL CImageElement::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    LoadPictureKeys(file);
    file.GetInt(section, "width", m_width);
    file.GetInt(section, "height", m_height);
    file.GetInt(section, "animated", m_animated);
    file.GetString(section, "text", m_buttonText);
    CScriptableObject::Load(file);
    LoadPicture();
    m_lastRect = GetRect();
    return TRUE;
}

void CImageElement::StartAnimation()
{
    m_animation = GifPlay(GetDrawingWindow(), m_xpos, m_ypos, ResolvePath(m_src));
    m_animationFailed = m_animation == NULL;
}

void CImageElement::LoadPicture()
{
    if (m_animated && !m_animationFailed)
    {
        if (!m_animation)
            StartAnimation();
        if (m_animation)
            return;
    }
    if (m_picture.GetPicture() || !m_picture.Load(m_src, TRUE, m_transX, m_transY))
        return;
    if (m_width <= 0)
        m_width = m_picture.GetWidth();
    if (m_height <= 0)
        m_height = m_picture.GetHeight();
}

void CImageElement::StopAnimation()
{
    if (m_animation)
    {
        GifStop(m_animation);
        m_animation = NULL;
    }
}

BOOL CImageElement::Draw(const CDrawContext& context)
{
    HDC dc = context.dc;
    RECT rect = GetRect();
    if (m_animated && !m_animation && !m_animationFailed)
    {
        StartAnimation();
        if (m_animation)
        {
            InvalidateOnDrawingWindow(rect);
            return TRUE;
        }
        LoadPicture();
        rect = GetRect();
    }
    if (m_animation || !NeedsDrawing(context, rect))
        return TRUE;
    if (!m_picture.GetPicture())
    {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
        int oldMode = SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, m_buttonText, m_buttonText.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetBkMode(dc, oldMode);
        return TRUE;
    }
    m_picture.DrawStretched(dc, rect);
    return TRUE;
}

int CImageElement::AccessProperty(const char* name, VARIANT* value, BOOL put)
{
    const CPropertyBinding table[] = {
        { "src", CPropertyBinding::Text, &m_src },
        { "cursor", CPropertyBinding::Text, &m_cursorName },
        { "buttonText", CPropertyBinding::Text, &m_buttonText },
        { "xpos", CPropertyBinding::Int, &m_xpos },
        { "ypos", CPropertyBinding::Int, &m_ypos },
        { "width", CPropertyBinding::Int, &m_width },
        { "height", CPropertyBinding::Int, &m_height },
        { "animated", CPropertyBinding::Flag, &m_animated },
        { "mouseMoveable", CPropertyBinding::Flag, &m_mouseMoveable },
    };
    return AccessPropertyTable(table, (int)(sizeof(table) / sizeof(table[0])), name, value, put);
}

void CImageElement::OnPropertiesChanged()
{
    RECT old = m_lastRect;
    StopAnimation();
    FreeImage();
    m_animationFailed = FALSE;
    LoadPicture();
    m_lastRect = GetRect();
    InvalidateOnDrawingWindow(old);
    InvalidateOnDrawingWindow(m_lastRect);
}

} // namespace Tarvex
