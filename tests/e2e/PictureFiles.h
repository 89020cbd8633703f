// Picture files for the player's drawing tests, written byte by byte:
// 24-bit Windows bitmaps (GIF files come from tests/support/GifBytes.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Pixels as 0x00RRGGBB, rows from the top.
struct PictureRows
{
    int width;
    int height;
    std::vector<DWORD> pixels;
};

inline void PutLittleEndian(std::string& bytes, DWORD value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes += (char)((value >> (8 * i)) & 0xFF);
}

// A bottom-up 24-bit BMP file.
inline std::string BitmapFileBytes(const PictureRows& picture)
{
    int stride = (picture.width * 3 + 3) & ~3;
    DWORD imageSize = (DWORD)(stride * picture.height);
    std::string bytes = "BM";
    PutLittleEndian(bytes, 54 + imageSize, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 54, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, (DWORD)picture.width, 4);
    PutLittleEndian(bytes, (DWORD)picture.height, 4);
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, 24, 2);
    PutLittleEndian(bytes, BI_RGB, 4);
    PutLittleEndian(bytes, imageSize, 4);
    PutLittleEndian(bytes, 2835, 4);
    PutLittleEndian(bytes, 2835, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 0, 4);
    for (int y = picture.height - 1; y >= 0; --y)
    {
        for (int x = 0; x < picture.width; ++x)
        {
            DWORD pixel = picture.pixels[(size_t)y * picture.width + x];
            bytes += (char)(pixel & 0xFF);
            bytes += (char)((pixel >> 8) & 0xFF);
            bytes += (char)((pixel >> 16) & 0xFF);
        }
        bytes.append((size_t)(stride - picture.width * 3), '\0');
    }
    return bytes;
}

// A 30 x 10 image strip of three 10 x 10 frames: red, green, blue.
inline PictureRows ThreeFrameStrip()
{
    PictureRows strip = { 30, 10, std::vector<DWORD>(300) };
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 30; ++x)
            strip.pixels[(size_t)y * 30 + x] = x < 10 ? 0xFF0000 : x < 20 ? 0x00FF00 : 0x0000FF;
    return strip;
}
