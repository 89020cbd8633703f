// CMultiResolution: rescales the sizes, font sizes and positions that a
// page's objects ask for from the screen the page was made on ("xres",
// "yres") to the player's desktop, in the player's copy of the page.
#pragma once

#include "model/store/DataFile.h"

namespace Tarvex {

class CMultiResolution
{
public:
    CMultiResolution();
    virtual ~CMultiResolution() {}

    // With the desktop window's size. FALSE, nothing changed, when "xres"
    // or "yres" is missing (or not above 0).
    BOOL Apply(CDataFile& file);
    BOOL Apply(CDataFile& file, int desktopWidth, int desktopHeight);

    // v scaled by factor in the given mode ("resize", "reposition").
    static int ScaleValue(int v, int mode, float factor, float mean);

    float GetFactorX() const { return m_fx; }
    float GetFactorY() const { return m_fy; }
    float GetMeanFactor() const { return m_m; }

private:
    int m_desktopWidth;
    int m_desktopHeight;
    int m_designWidth;
    int m_designHeight;
    float m_fx;
    float m_fy;
    float m_m;
};

} // namespace Tarvex
