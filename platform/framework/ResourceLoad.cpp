#include "platform/framework/ResourceLoad.h"
#include "platform/framework/WinApp.h"

#include <vector>

static HINSTANCE ModuleOrExe(HINSTANCE module)
{
    return module != NULL ? module : AfxGetResourceHandle();
}

HBITMAP AfxLoadDib(LPCSTR name, HINSTANCE module)
{
    return (HBITMAP)::LoadImageA(ModuleOrExe(module), name, IMAGE_BITMAP, 0, 0,
                                 LR_CREATEDIBSECTION);
}

HPALETTE AfxCreateDibPalette(HBITMAP dib)
{
    DIBSECTION ds;
    if (dib == NULL || ::GetObjectA(dib, sizeof(ds), &ds) != sizeof(ds))
        return NULL;
    UINT colours = ds.dsBmih.biClrUsed;
    if (colours == 0 && ds.dsBmih.biBitCount <= 8)
        colours = 1u << ds.dsBmih.biBitCount;
    if (colours == 0 || colours > 256)
    {
        HDC screen = ::GetDC(NULL);
        HPALETTE halftone = ::CreateHalftonePalette(screen);
        ::ReleaseDC(NULL, screen);
        return halftone;
    }

    std::vector<RGBQUAD> table(colours);
    HDC mem = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(mem, dib);
    UINT got = ::GetDIBColorTable(mem, 0, colours, table.data());
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    if (got == 0)
        return NULL;

    std::vector<BYTE> bytes(sizeof(LOGPALETTE) + got * sizeof(PALETTEENTRY));
    LOGPALETTE* pal = reinterpret_cast<LOGPALETTE*>(bytes.data());
    pal->palVersion = 0x300;
    pal->palNumEntries = (WORD)got;
    for (UINT i = 0; i < got; ++i)
    {
        pal->palPalEntry[i].peRed = table[i].rgbRed;
        pal->palPalEntry[i].peGreen = table[i].rgbGreen;
        pal->palPalEntry[i].peBlue = table[i].rgbBlue;
        pal->palPalEntry[i].peFlags = 0;
    }
    return ::CreatePalette(pal);
}
