// Picture files for the player's drawing tests, written byte by byte:
// 24-bit Windows bitmaps and (animated) GIF files of a few colours.
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

// A GIF of one colour per frame from a four-colour palette (0x00RRGGBB),
// each frame shown delay hundredths of a second, looping for ever. The
// image data restarts the code table every two pixels, so every code stays
// three bits wide.
inline std::string GifFileBytes(int width, int height, const DWORD palette[4], const std::vector<int>& frameColours,
                                int delay)
{
    std::string bytes = "GIF89a";
    PutLittleEndian(bytes, (DWORD)width, 2);
    PutLittleEndian(bytes, (DWORD)height, 2);
    bytes += (char)0xF1;   // global colour table of 4 entries
    bytes += '\0';
    bytes += '\0';
    for (int i = 0; i < 4; ++i)
    {
        bytes += (char)((palette[i] >> 16) & 0xFF);
        bytes += (char)((palette[i] >> 8) & 0xFF);
        bytes += (char)(palette[i] & 0xFF);
    }
    if (frameColours.size() > 1)
    {
        bytes += "\x21\xFF\x0B";
        bytes += "NETSCAPE2.0";
        bytes += "\x03\x01";
        PutLittleEndian(bytes, 0, 2);
        bytes += '\0';
    }
    for (int colour : frameColours)
    {
        bytes += "\x21\xF9\x04";
        bytes += (char)0x04;   // disposal: keep
        PutLittleEndian(bytes, (DWORD)delay, 2);
        bytes += '\0';
        bytes += '\0';
        bytes += ',';
        PutLittleEndian(bytes, 0, 2);
        PutLittleEndian(bytes, 0, 2);
        PutLittleEndian(bytes, (DWORD)width, 2);
        PutLittleEndian(bytes, (DWORD)height, 2);
        bytes += '\0';
        bytes += (char)2;   // minimum code size
        std::vector<int> codes;
        int count = width * height;
        for (int i = 0; i < count; i += 2)
        {
            codes.push_back(4);   // clear
            codes.push_back(colour);
            if (i + 1 < count)
                codes.push_back(colour);
        }
        codes.push_back(5);   // end of information
        std::string data;
        DWORD buffer = 0;
        int bits = 0;
        for (int code : codes)
        {
            buffer |= (DWORD)code << bits;
            bits += 3;
            while (bits >= 8)
            {
                data += (char)(buffer & 0xFF);
                buffer >>= 8;
                bits -= 8;
            }
        }
        if (bits > 0)
            data += (char)(buffer & 0xFF);
        for (size_t at = 0; at < data.size(); at += 255)
        {
            std::string block = data.substr(at, 255);
            bytes += (char)block.size();
            bytes += block;
        }
        bytes += '\0';
    }
    bytes += ';';
    return bytes;
}
