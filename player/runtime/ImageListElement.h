// CImageListElement (run-time): one frame, a rectangle of a larger picture,
// drawn 1:1 at the element's place; scripts choose the frame.
#pragma once

#include "player/runtime/PictureElement.h"

#include <vector>

namespace Tarvex {

class CImageListElement : public CPictureElement
{
public:
    CImageListElement(const char* section, CElement* parent);
    CImageListElement(const CImageListElement& other);
    ~CImageListElement() override;

    CElement* Clone() const override { return new CImageListElement(*this); }
    RECT GetRect() const override;
    // FALSE without frames or with a frame index outside them.
    BOOL Load(const CDataFile& file) override;
    BOOL Draw(const CDrawContext& context) override;
    int AccessProperty(const char* name, VARIANT* value, BOOL put) override;
    void OnPropertiesChanged() override;

    void LoadPicture();

    int GetFrame() const { return m_frame; }
    int GetFrameCount() const { return (int)m_frames.size(); }

private:
    CImageListElement& operator=(const CImageListElement&);
    // The shown frame; an empty rectangle while the index is outside.
    RECT GetFrameRect() const;

    std::vector<RECT> m_frames;
    int m_frame;
};

} // namespace Tarvex
