#include "ImageListElement.h"

#include "DrawingSupport.h"
#include "PlayerPaths.h"

#include <stdio.h>
#include <string.h>

namespace Tarvex {

CImageListElement::CImageListElement(const char* section, CElement* parent)
    : CScriptableObject(section, parent), m_picture(NULL), m_mask(NULL), m_pictureHeader(), m_memoryDC(NULL),
      m_frame(0), m_transX(-1), m_transY(-1)
{
}

CImageListElement::CImageListElement(const CImageListElement& other)
    : CScriptableObject(other), m_src(other.m_src), m_frames(other.m_frames), m_picture(NULL), m_mask(NULL),
      m_pictureHeader(), m_memoryDC(NULL), m_frame(other.m_frame), m_transX(other.m_transX),
      m_transY(other.m_transY)
{
    LoadPicture();
}

CImageListElement::~CImageListElement()
{
    FreeImage();
}

RECT CImageListElement::GetFrameRect() const
{
    RECT frame = {};
    if (m_frame >= 0 && m_frame < (int)m_frames.size())
        frame = m_frames[m_frame];
    return frame;
}

RECT CImageListElement::GetRect() const
{
    RECT frame = GetFrameRect();
    RECT rect = { m_xpos, m_ypos, m_xpos + (frame.right - frame.left), m_ypos + (frame.bottom - frame.top) };
    return rect;
}

BOOL CImageListElement::HitTest(POINT point) const
{
    RECT rect = GetRect();
    return PtInRect(&rect, point);
}

BOOL CImageListElement::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    file.GetString(section, "src", m_src);
    file.GetInt(section, "frame", m_frame);
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
    m_frames.clear();
    for (int i = 0;; ++i)
    {
        char name[300];
        snprintf(name, sizeof(name), "%s_Frame_%d", section, i);
        long top = 0, left = 0, bottom = 0, right = 0;
        BOOL complete = file.GetLong(name, "top", top);
        complete = file.GetLong(name, "left", left) && complete;
        complete = file.GetLong(name, "bottom", bottom) && complete;
        complete = file.GetLong(name, "right", right) && complete;
        if (!complete)
            break;
        RECT frame = { (LONG)left, (LONG)top, (LONG)right, (LONG)bottom };
        m_frames.push_back(frame);
    }
    if (m_frames.empty() || (unsigned)m_frame >= m_frames.size())
        return FALSE;
    CScriptableObject::Load(file);
    LoadPicture();
    return TRUE;
}

void CImageListElement::LoadPicture()
{
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
    else
        m_picture = LoadBitmapFile(path);
    if (!m_picture)
        return;
    GetObjectA(m_picture, sizeof(m_pictureHeader), &m_pictureHeader);
    if (m_transX >= 0)
        BuildTransparencyMask(m_picture, m_mask, m_transX, m_transY);
}

void CImageListElement::FreeImage()
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

BOOL CImageListElement::Draw(const CDrawContext& context)
{
    // A frame index put by a script may lie outside the frames: nothing shows.
    if (m_frame < 0 || m_frame >= (int)m_frames.size())
        return TRUE;
    HDC dc = context.dc;
    RECT frame = m_frames[m_frame];
    RECT rect = GetRect();
    if (!NeedsDrawing(context, rect))
        return TRUE;
    if (!m_picture)
    {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
        return TRUE;
    }
    if (!m_memoryDC)
        m_memoryDC = CreateCompatibleDC(dc);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    HGDIOBJ old;
    if (m_mask)
    {
        old = SelectObject(m_memoryDC, m_mask);
        BitBlt(dc, rect.left, rect.top, width, height, m_memoryDC, frame.left, frame.top, SRCAND);
        SelectObject(m_memoryDC, m_picture);
        BitBlt(dc, rect.left, rect.top, width, height, m_memoryDC, frame.left, frame.top, SRCINVERT);
    }
    else
    {
        old = SelectObject(m_memoryDC, m_picture);
        BitBlt(dc, rect.left, rect.top, width, height, m_memoryDC, frame.left, frame.top, SRCCOPY);
    }
    SelectObject(m_memoryDC, old);
    return TRUE;
}

int CImageListElement::AccessProperty(const char* name, VARIANT* value, BOOL put)
{
    const CPropertyBinding table[] = {
        { "src", CPropertyBinding::Text, &m_src },
        { "cursor", CPropertyBinding::Text, &m_cursorName },
        { "frame", CPropertyBinding::Int, &m_frame },
        { "xpos", CPropertyBinding::Int, &m_xpos },
        { "ypos", CPropertyBinding::Int, &m_ypos },
        { "mouseMoveable", CPropertyBinding::Flag, &m_mouseMoveable },
    };
    return AccessPropertyTable(table, (int)(sizeof(table) / sizeof(table[0])), name, value, put);
}

void CImageListElement::OnPropertiesChanged()
{
    FreeImage();
    LoadPicture();
    if (m_frame < 0 || m_frame >= (int)m_frames.size())
        m_frame = 0;
    else
        InvalidateOnDrawingWindow(GetRect());
}

} // namespace Tarvex
