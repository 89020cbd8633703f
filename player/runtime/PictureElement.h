// CPictureElement (run-time): what the elements that show a picture file
// share: the stored "src", the transparent point and the loaded picture.
#pragma once

#include "player/runtime/ElementPicture.h"
#include "player/runtime/ScriptableObject.h"

namespace Tarvex {

class CPictureElement : public CScriptableObject
{
public:
    void FreeImage() { m_picture.Free(); }

    HBITMAP GetPicture() const { return m_picture.GetPicture(); }
    HBITMAP GetMask() const { return m_picture.GetMask(); }

protected:
    CPictureElement(const char* section, CElement* parent);
    // The stored keys, not the picture: a copy loads its own.
    CPictureElement(const CPictureElement& other);

    // "src" and the transparent point ("transX", then "transY") of the
    // element's section.
    void LoadPictureKeys(const CDataFile& file);

    CStr m_src;
    CElementPicture m_picture;
    int m_transX;
    int m_transY;

private:
    CPictureElement& operator=(const CPictureElement&);
};

} // namespace Tarvex
