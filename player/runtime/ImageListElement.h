// CImageListElement (run-time): one frame, a rectangle of a larger picture,
// drawn 1:1 at the element's place; scripts choose the frame.
#pragma once

#include "ScriptableObject.h"

#include <vector>

namespace Tarvex {

class CImageListElement : public CScriptableObject
{
public:
    CImageListElement(const char* section, CElement* parent);
    CImageListElement(const CImageListElement& other);
    ~CImageListElement() override;

    CElement* Clone() const override { return new CImageListElement(*this); }
    BOOL HitTest(POINT point) const override;
    RECT GetRect() const override;
    // FALSE without frames or with a frame index outside them.
    BOOL Load(const CDataFile& file) override;
    BOOL Draw(const CDrawContext& context) override;
    int AccessProperty(const char* name, VARIANT* value, BOOL put) override;
    void OnPropertiesChanged() override;

    void LoadPicture();
    void FreeImage();

    int GetFrame() const { return m_frame; }
    int GetFrameCount() const { return (int)m_frames.size(); }

private:
    CImageListElement& operator=(const CImageListElement&);
    // The shown frame; an empty rectangle while the index is outside.
    RECT GetFrameRect() const;

    CStr m_src;
    std::vector<RECT> m_frames;
    HBITMAP m_picture;
    HBITMAP m_mask;
    BITMAP m_pictureHeader;
    HDC m_memoryDC;
    int m_frame;
    int m_transX;
    int m_transY;
};

} // namespace Tarvex
