#include "player/runtime/PictureElement.h"

namespace Tarvex {

CPictureElement::CPictureElement(const char* section, CElement* parent)
    : CScriptableObject(section, parent), m_transX(-1), m_transY(-1)
{
}

CPictureElement::CPictureElement(const CPictureElement& other)
    : CScriptableObject(other), m_src(other.m_src), m_transX(other.m_transX), m_transY(other.m_transY)
{
}

void CPictureElement::LoadPictureKeys(const CDataFile& file)
{
    const char* section = m_sectionName;
    file.GetString(section, "src", m_src);
    // Without "transX" the picture has no transparent colour.
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
}

} // namespace Tarvex
