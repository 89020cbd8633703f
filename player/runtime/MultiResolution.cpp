#include "player/runtime/MultiResolution.h"

#include <windows.h>

namespace Tarvex {

CMultiResolution::CMultiResolution()
    : m_desktopWidth(0), m_desktopHeight(0), m_designWidth(0), m_designHeight(0), m_fx(1), m_fy(1), m_m(1)
{
}

BOOL CMultiResolution::Apply(CDataFile& file)
{
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    return Apply(file, desktop.right - desktop.left, desktop.bottom - desktop.top);
}

int CMultiResolution::ScaleValue(int v, int mode, float factor, float mean)
{
    switch (mode)
    {
    case 1:
        factor = mean;
        break;
    case 2:
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        if ((mode <= 4) ? !(mean < 1) : !(mean > 1))
            return v;
        if (mode == 3 || mode == 5)
            factor = mean;
        break;
    default:
        return v;
    }
    long double product = (long double)v * (long double)factor;
    long double whole = product < 0 ? -(long double)(long long)(-product) : (long double)(long long)product;
    int result = (int)whole;
    if (product - whole >= 0.41L)
        ++result;
    return result;
}

BOOL CMultiResolution::Apply(CDataFile& file, int desktopWidth, int desktopHeight)
{
    int xres = 0;
    int yres = 0;
    // A stored size of 0 would divide by zero; such a page is used unscaled.
    if (!file.GetInt("Main", "xres", xres) || !file.GetInt("Main", "yres", yres) || xres <= 0 || yres <= 0)
        return FALSE;
    m_desktopWidth = desktopWidth;
    m_desktopHeight = desktopHeight;
    m_designWidth = xres;
    m_designHeight = yres;
    m_fx = (float)desktopWidth / (float)xres;
    m_fy = (float)desktopHeight / (float)yres;
    m_m = (m_fx + m_fy) * 0.5f;

    struct Scaled
    {
        const char* key;
        float factor;
    };
    const Scaled sizes[] = { { "width", m_fx }, { "height", m_fy }, { "fontSize", m_m } };
    const Scaled places[] = { { "xpos", m_fx }, { "ypos", m_fy } };
    const struct
    {
        const char* modeKey;
        const Scaled* keys;
        int count;
    } passes[] = { { "resize", sizes, 3 }, { "reposition", places, 2 } };

    for (const auto& pass : passes)
    {
        CStr section;
        for (int i = file.NextSection(0, section); i < file.GetLineCount(); i = file.NextSection(i + 1, section))
        {
            int mode = 0;
            if (!file.GetInt(section, pass.modeKey, mode))
                continue;
            for (int k = 0; k < pass.count; ++k)
            {
                int value = 0;
                if (file.GetInt(section, pass.keys[k].key, value))
                    file.SetInt(section, pass.keys[k].key, ScaleValue(value, mode, pass.keys[k].factor, m_m));
            }
        }
    }
    return TRUE;
}

} // namespace Tarvex
