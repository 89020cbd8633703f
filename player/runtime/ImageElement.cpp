#include "ImageElement.h"

#include "DrawingSupport.h"
#include "PlayerPaths.h"

#include <string.h>

namespace Tarvex {

CImageElement::CImageElement(const char* section, CElement* parent)
    : CScriptableObject(section, parent), m_picture(NULL), m_mask(NULL), m_pictureHeader(), m_memoryDC(NULL),
      m_width(0), m_height(0), m_animated(0), m_animation(NULL), m_animationFailed(FALSE), m_lastRect(),
      m_transX(-1), m_transY(-1)
{
}

CImageElement::CImageElement(const CImageElement& other)
    : CScriptableObject(other), m_src(other.m_src), m_buttonText(other.m_buttonText), m_picture(NULL),
      m_mask(NULL), m_pictureHeader(), m_memoryDC(NULL), m_width(other.m_width), m_height(other.m_height),
      m_animated(other.m_animated), m_animation(NULL), m_animationFailed(FALSE), m_lastRect(other.m_lastRect),
      m_transX(other.m_transX), m_transY(other.m_transY)
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
    if (m_picture)
    {
        if (width <= 0)
            width = m_pictureHeader.bmWidth;
        if (height <= 0)
            height = m_pictureHeader.bmHeight;
    }
    RECT rect = { m_xpos, m_ypos, m_xpos + width, m_ypos + height };
    return rect;
}

BOOL CImageElement::HitTest(POINT point) const
{
    RECT rect = GetRect();
    return PtInRect(&rect, point);
}

BOOL CImageElement::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    file.GetString(section, "src", m_src);
    file.GetInt(section, "width", m_width);
    file.GetInt(section, "height", m_height);
    file.GetInt(section, "animated", m_animated);
    file.GetString(section, "text", m_buttonText);
    long value = 0;
    if (file.GetLong(section, "transX", value))
    {
        m_transX = (int)value;
        if (file.GetLong(section, "transY", value))
            m_transY = (int)value;
    }
    else
    {
        m_transX = -1;
        m_transY = -1;
    }
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
    if (m_picture || m_src.IsEmpty())
        return;
    CStr path = ResolvePath(m_src);
    if (ContainsNoCase(m_src, ".gif"))
    {
        HBITMAP third = NULL;
        GifBitmapsFromFile(GetDrawingWindow(), path, 0, &m_mask, &m_picture, &third);
        if (third)
            DeleteObject(third);
    }
    else if (ContainsNoCase(m_src, ".jpg"))
        m_picture = LoadJpegBitmap(GetDrawingWindow(), path);
    else
        m_picture = LoadBitmapFile(path);
    if (!m_picture)
        return;
    GetObjectA(m_picture, sizeof(m_pictureHeader), &m_pictureHeader);
    if (m_width <= 0)
        m_width = m_pictureHeader.bmWidth;
    if (m_height <= 0)
        m_height = m_pictureHeader.bmHeight;
    if (m_transX >= 0)
        BuildTransparencyMask(m_picture, m_mask, m_transX, m_transY);
}

void CImageElement::StopAnimation()
{
    if (m_animation)
    {
        GifStop(m_animation);
        m_animation = NULL;
    }
}

void CImageElement::FreeImage()
{
    if (m_picture)
        DeleteObject(m_picture);
    if (m_mask)
        DeleteObject(m_mask);
    if (m_memoryDC)
        DeleteDC(m_memoryDC);
    m_picture = NULL;
    m_mask = NULL;
    m_memoryDC = NULL;
    memset(&m_pictureHeader, 0, sizeof(m_pictureHeader));
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
    if (!m_picture)
    {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
        int oldMode = SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, m_buttonText, m_buttonText.GetLength(), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetBkMode(dc, oldMode);
        return TRUE;
    }
    if (!m_memoryDC)
        m_memoryDC = CreateCompatibleDC(dc);
    int oldStretch = SetStretchBltMode(dc, COLORONCOLOR);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HGDIOBJ old;
    if (m_mask)
    {
        old = SelectObject(m_memoryDC, m_mask);
        StretchBlt(dc, rect.left, rect.top, width, height, m_memoryDC, 0, 0, m_pictureHeader.bmWidth,
                   m_pictureHeader.bmHeight, SRCAND);
        SelectObject(m_memoryDC, m_picture);
        StretchBlt(dc, rect.left, rect.top, width, height, m_memoryDC, 0, 0, m_pictureHeader.bmWidth,
                   m_pictureHeader.bmHeight, SRCINVERT);
    }
    else
    {
        old = SelectObject(m_memoryDC, m_picture);
        StretchBlt(dc, rect.left, rect.top, width, height, m_memoryDC, 0, 0, m_pictureHeader.bmWidth,
                   m_pictureHeader.bmHeight, SRCCOPY);
    }
    SelectObject(m_memoryDC, old);
    SetStretchBltMode(dc, oldStretch);
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
