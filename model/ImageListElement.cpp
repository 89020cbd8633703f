#include "model/ImageListElement.h"

#include "model/store/DataFile.h"
#include "model/ElementSupport.h"
#include "model/ImageUtil.h"

#include <string.h>

CImageListElement::CImageListElement(const char* sectionName, CElement* parent)
    : CScriptableObject(sectionName, parent), m_hPicture(NULL), m_hMask(NULL),
      m_hMemDC(NULL), m_frame(0), m_transX(-1), m_transY(-1)
{
    memset(&m_pictureSize, 0, sizeof(m_pictureSize));
    SetRectEmpty(&m_currentFrame);
    AppendPropertyRecord(m_properties, "frame", VT_I4);
    AppendPropertyRecord(m_properties, "mouseMoveable", VT_BOOL);
}

CImageListElement::CImageListElement(const CImageListElement& other)
    : CScriptableObject(other), m_strSrc(other.m_strSrc), m_hPicture(NULL), m_hMask(NULL),
      m_hMemDC(NULL), m_frames(other.m_frames), m_frame(other.m_frame),
      m_currentFrame(other.m_currentFrame), m_transX(other.m_transX), m_transY(other.m_transY)
{
    memset(&m_pictureSize, 0, sizeof(m_pictureSize));
    LoadImage(FALSE);
    SizeToFrame();
}

void CImageListElement::SizeToFrame()
{
    if (!HasValidFrame())
        return;
    const RECT& f = m_frames[m_frame];
    m_width = f.right - f.left;
    m_height = f.bottom - f.top;
}

CImageListElement::~CImageListElement()
{
    FreeImage();
}

CElement* CImageListElement::Clone() const
{
    return new CImageListElement(*this);
}

void CImageListElement::FreeImage()
{
    ReleaseElementPicture(m_hPicture, m_hMask, m_hMemDC);
}

BOOL CImageListElement::HasValidFrame() const
{
    return m_frame >= 0 && (size_t)m_frame < m_frames.size();
}

RECT CImageListElement::GetRect() const
{
    RECT rect = { m_xpos, m_ypos, m_xpos, m_ypos };
    // A frame index a script set past the frames would read beyond them.
    if (!HasValidFrame())
        return rect;
    const RECT& f = m_frames[m_frame];
    rect.right = m_xpos + (f.right - f.left);
    rect.bottom = m_ypos + (f.bottom - f.top);
    return rect;
}

BOOL CImageListElement::HitTest(POINT pt) const
{
    return HitTestRect(*this, pt);
}

void CImageListElement::LoadImage(BOOL skipMask)
{
    BOOL fresh = LoadElementPicture(m_strSrc, EditorPictureReaders(), m_hPicture, m_hMask);
    if (m_hPicture == NULL)
        return;
    GetObjectA(m_hPicture, sizeof(m_pictureSize), &m_pictureSize);
    m_width = m_pictureSize.bmWidth;
    m_height = m_pictureSize.bmHeight;
    // Keying an already keyed picture would pick black as the colour.
    if (m_transX >= 0 && !skipMask && fresh)
        BuildTransparencyMask(m_hPicture, &m_hMask, m_transX, m_transY);
}

BOOL CImageListElement::Draw(HDC dc)
{
    if (!HasValidFrame())
        return TRUE;
    const RECT frame = m_frames[m_frame];
    RECT rect = GetRect();
    if (!RectVisible(dc, &rect))
        return TRUE;
    if (m_hPicture == NULL) {
        DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
        return TRUE;
    }
    if (m_hMemDC == NULL)
        m_hMemDC = CreateCompatibleDC(dc);
    StretchPicture(dc, m_hMemDC, rect, m_hPicture, m_hMask, frame.left, frame.top,
                   rect.right - rect.left, rect.bottom - rect.top);
    return TRUE;
}

void CImageListElement::DrawAt(HDC dc, POINT origin, HBITMAP dragMask)
{
    DrawPictureDragImage(dc, ElementBox(*this, origin), m_hPicture, m_hMask, m_pictureSize,
                         dragMask);
}

static CStr FrameSectionName(const CStr& section, int index)
{
    CStr name;
    name.Format("%s_Frame_%d", section.c_str(), index);
    return name;
}

BOOL CImageListElement::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    file->SetString(s, "src", m_strSrc);
    file->SetInt(s, "frame", m_frame);
    SaveKeyColour(file, s, m_transX, m_transY);
    for (size_t i = 0; i < m_frames.size(); ++i) {
        RECT f = m_frames[i];
        CStr section = FrameSectionName(m_strSectionName, (int)i);
        file->SetLong(section, "top", f.top < f.bottom ? f.top : f.bottom);
        file->SetLong(section, "left", f.left < f.right ? f.left : f.right);
        file->SetLong(section, "bottom", f.top < f.bottom ? f.bottom : f.top);
        file->SetLong(section, "right", f.left < f.right ? f.right : f.left);
    }
    CScriptableObject::Save(file);
    return TRUE;
}

BOOL CImageListElement::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    const char* s = m_strSectionName;
    file->GetString(s, "src", m_strSrc);
    file->GetInt(s, "frame", m_frame);
    LoadKeyColour(file, s, m_transX, m_transY);
    m_frames.clear();
    for (int i = 0;; ++i) {
        CStr section = FrameSectionName(m_strSectionName, i);
        long top = 0, left = 0, bottom = 0, right = 0;
        BOOL hasTop = file->GetLong(section, "top", top);
        BOOL hasLeft = file->GetLong(section, "left", left);
        BOOL hasBottom = file->GetLong(section, "bottom", bottom);
        BOOL hasRight = file->GetLong(section, "right", right);
        if (!hasTop || !hasLeft || !hasBottom || !hasRight)
            break;
        RECT frame = { left, top, right, bottom };
        m_frames.push_back(frame);
    }
    if (m_frames.empty() || (unsigned)m_frame >= m_frames.size())
        return FALSE;
    CScriptableObject::Load(file, keepId);
    LoadImage(FALSE);
    m_currentFrame = m_frames[m_frame];
    SizeToFrame();
    return TRUE;
}

BOOL CImageListElement::AddToTree(HWND tree, HTREEITEM parentItem)
{
    HTREEITEM item = InsertElementTreeItem(tree, parentItem, GetDisplayName(), 5, this);
    CScriptableObject::AddToTree(tree, item);
    return TRUE;
}

int CImageListElement::AccessProperty(const char* name, VARIANT& value, BOOL put)
{
    const NamedProperty table[] = {
        { "src", PropText, &m_strSrc },
        { "frame", PropInt, &m_frame },
        { "xpos", PropInt, &m_xpos },
        { "ypos", PropInt, &m_ypos },
        { "cursor", PropText, &m_strCursor },
    };
    int result = AccessNamedProperty(this, table, sizeof(table) / sizeof(table[0]), name, value, put);
    if (put && result == 0)
        SizeToFrame();
    return result;
}

void CImageListElement::UpdatePropertyList(CPropertyRecordList& list)
{
    int moveable = m_bMouseMoveable ? 1 : 0;
    const NamedProperty table[] = {
        { "frame", PropInt, &m_frame },
        { "mouseMoveable", PropFlag, &moveable },
    };
    RefreshChangedRecords(m_properties, table, sizeof(table) / sizeof(table[0]));
    CScriptableObject::UpdatePropertyList(list);
}
