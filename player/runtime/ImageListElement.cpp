#include "player/runtime/ImageListElement.h"

#include "player/runtime/DrawingSupport.h"

#include <stdio.h>

namespace Tarvex {

CImageListElement::CImageListElement(const char* section, CElement* parent)
    : CPictureElement(section, parent), m_frame(0)
{
}

CImageListElement::CImageListElement(const CImageListElement& other)
    : CPictureElement(other), m_frames(other.m_frames), m_frame(other.m_frame)
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

BOOL CImageListElement::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    LoadPictureKeys(file);
    file.GetInt(section, "frame", m_frame);
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
    // A list's pictures are GIFs or bitmaps: a ".jpg" is read as a bitmap file.
    m_picture.Load(m_src, FALSE, m_transX, m_transY);
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
    if (!m_picture.GetPicture())
    {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
        return TRUE;
    }
    m_picture.DrawAt(dc, rect, frame.left, frame.top);
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
