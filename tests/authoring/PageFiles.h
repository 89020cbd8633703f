// Files the page tests write: an icon file and 24-bit bitmaps.
#pragma once

#include "tests/support/TestSupport.h"

#include <string>

namespace pagefiles {

inline void Put32(std::string& s, unsigned v)
{
    for (int i = 0; i < 4; ++i)
        s += (char)((v >> (8 * i)) & 0xFF);
}

inline void Put16(std::string& s, unsigned v)
{
    s += (char)(v & 0xFF);
    s += (char)((v >> 8) & 0xFF);
}

// A 16 x 16 icon of one colour, 32 bits a pixel.
inline void WriteIcon(const std::string& path, unsigned bgra = 0xFF2080C0)
{
    std::string image;
    Put32(image, 40);
    Put32(image, 16);
    Put32(image, 32);   // colour and mask
    Put16(image, 1);
    Put16(image, 32);
    Put32(image, 0);
    Put32(image, 16 * 16 * 4 + 16 * 4);
    for (int i = 0; i < 4; ++i)
        Put32(image, 0);
    for (int i = 0; i < 16 * 16; ++i)
        Put32(image, bgra);
    image += std::string(16 * 4, '\0');
    std::string file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, 1);
    file += (char)16;
    file += (char)16;
    file += (char)0;
    file += (char)0;
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, (unsigned)image.size());
    Put32(file, 22);
    WriteWholeFile(path, file + image);
}

// A w x h bitmap of one colour.
inline void WriteBitmap(const std::string& path, int w, int h, unsigned rgb)
{
    int row = (w * 3 + 3) & ~3;
    std::string pixels;
    for (int y = 0; y < h; ++y)
    {
        std::string line;
        for (int x = 0; x < w; ++x)
        {
            line += (char)(rgb & 0xFF);
            line += (char)((rgb >> 8) & 0xFF);
            line += (char)((rgb >> 16) & 0xFF);
        }
        line.resize((size_t)row, '\0');
        pixels += line;
    }
    std::string file = "BM";
    Put32(file, 54 + (unsigned)pixels.size());
    Put32(file, 0);
    Put32(file, 54);
    Put32(file, 40);
    Put32(file, (unsigned)w);
    Put32(file, (unsigned)h);
    Put16(file, 1);
    Put16(file, 24);
    Put32(file, 0);
    Put32(file, (unsigned)pixels.size());
    for (int i = 0; i < 4; ++i)
        Put32(file, 0);
    WriteWholeFile(path, file + pixels);
}

} // namespace pagefiles
