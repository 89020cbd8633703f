// Pages in the player: the cost per element of building a page of N
// elements (rescaling its data file, loading and clearing its objects) for
// N = 10, 100, 1,000 (target: flat within 1.5x), and, for a page of 500
// text and image elements, one full paint against the paint of one
// element's rectangle (target: well under the full paint, here at most a
// fifth of it).
#include "bench/BenchTimer.h"
#include "model/store/DataFile.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/MultiResolution.h"

#include <stdio.h>

#include <algorithm>
#include <string>

namespace {

void BuildPage(CDataFile& file, int elements)
{
    file.SetInt("Main", "width", 800);
    file.SetInt("Main", "height", 600);
    file.SetInt("Main", "xres", 800);
    file.SetInt("Main", "yres", 600);
    file.SetInt("Main", "numElements", elements);
    for (int i = 1; i <= elements; ++i)
    {
        std::string section = "Element_" + std::to_string(i);
        const char* s = section.c_str();
        bool text = i % 2 != 0;
        file.SetString(s, "type", text ? "Text" : "Image");
        file.SetString(s, "id", ("element" + std::to_string(i)).c_str());
        file.SetInt(s, "xpos", (i * 37) % 760);
        file.SetInt(s, "ypos", (i * 53) % 570);
        file.SetInt(s, "width", 40);
        file.SetInt(s, "height", 20);
        file.SetInt(s, "resize", 2);
        file.SetInt(s, "reposition", 2);
        if (text)
        {
            file.SetString(s, "text", "Text");
            file.SetDouble(s, "bgTransparency", 0.5);
            file.SetLong(s, "bgColor", 0x00FF00);
        }
        else
            file.SetString(s, "text", "OK");
        file.SetInt(s, "numScripts", 0);
    }
}

double BuildCostPerElement(int elements)
{
    CDataFile stored;
    BuildPage(stored, elements);
    Tarvex::CBrowserDocument document;
    double start = NowSeconds();
    CDataFile page(stored);
    Tarvex::CMultiResolution rescaler;
    rescaler.Apply(page, 1024, 768);
    document.Load(page);
    document.Clear();
    return (NowSeconds() - start) * 1e9 / elements;
}

double PaintSeconds(Tarvex::CBrowserDocument& document, HDC screen, const RECT* area)
{
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1024, 768);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HRGN update = area ? CreateRectRgnIndirect(area) : NULL;
    double start = NowSeconds();
    SelectClipRgn(memory, update);
    Tarvex::CDrawContext context = { memory, update };
    document.Draw(context);
    GdiFlush();
    double seconds = NowSeconds() - start;
    if (update)
        DeleteObject(update);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return seconds;
}

} // namespace

int main()
{
    printf("Building a page of N elements (rescale, load, clear)\n");
    const int sizes[] = { 10, 100, 1000 };
    double best[3];
    for (int i = 0; i < 3; ++i)
    {
        best[i] = 1e30;
        int passes = std::max(3, 20000 / sizes[i]);
        for (int p = 0; p < passes; ++p)
            best[i] = std::min(best[i], BuildCostPerElement(sizes[i]));
        printf("  N = %4d: %9.1f ns per element (best of %d)\n", sizes[i], best[i], passes);
    }
    double spread = *std::max_element(best, best + 3) / *std::min_element(best, best + 3);
    printf("  largest / smallest cost per element: %.2fx (target <= 1.5x): %s\n", spread,
           spread <= 1.5 ? "met" : "MISSED");

    printf("Painting a page of 500 text and image elements\n");
    CDataFile page;
    BuildPage(page, 500);
    Tarvex::CBrowserDocument document;
    document.Load(page);
    HDC screen = GetDC(NULL);
    RECT one = { 37, 53, 77, 73 };
    PaintSeconds(document, screen, NULL);
    double full = 1e30;
    double part = 1e30;
    for (int p = 0; p < 20; ++p)
    {
        full = std::min(full, PaintSeconds(document, screen, NULL));
        part = std::min(part, PaintSeconds(document, screen, &one));
    }
    ReleaseDC(NULL, screen);
    double ratio = part / full;
    printf("  full paint %.3f ms, one element's rectangle %.3f ms (best of 20)\n", full * 1e3, part * 1e3);
    printf("  one element / full: %.3fx (target <= 0.2x): %s\n", ratio, ratio <= 0.2 ? "met" : "MISSED");
    return 0;
}
