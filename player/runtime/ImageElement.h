// CImageElement (run-time): a picture (GIF, JPEG or bitmap) stretched to its
// rectangle, optionally with a transparent colour; a push button with a
// caption when it has no picture; or a GIF animation that the GIF library
// plays into the main window.
#pragma once

#include "player/runtime/PictureElement.h"

namespace Tarvex {

class CImageElement : public CPictureElement
{
public:
    CImageElement(const char* section, CElement* parent);
    CImageElement(const CImageElement& other);
    ~CImageElement() override;

    CElement* Clone() const override { return new CImageElement(*this); }
    RECT GetRect() const override;
    BOOL Load(const CDataFile& file) override;
    BOOL Draw(const CDrawContext& context) override;
    int AccessProperty(const char* name, VARIANT* value, BOOL put) override;
    void OnPropertiesChanged() override;

    // Starts the animation, or loads the still picture once.
    void LoadPicture();
    void StopAnimation();

    BOOL IsAnimating() const { return m_animation != NULL; }

private:
    CImageElement& operator=(const CImageElement&);
    void StartAnimation();

    CStr m_buttonText;
    int m_width;
    int m_height;
    int m_animated;
    HANDLE m_animation;
    // An animation that could not start is not tried again at every paint.
    BOOL m_animationFailed;
    RECT m_lastRect;
};

} // namespace Tarvex
