// GIF files for the tests, written byte by byte: the Windows Imaging
// Component's encoder cannot write transparency or animation. Every file
// has a global table of four colours; image data restarts the code table
// every two pixels, so every code stays three bits wide.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct GifFileFrame
{
    int left, top, width, height;
    std::vector<int> indices;   // one palette index a pixel, rows from the top
    int delay;                  // 1/100 s
    int disposal;
    bool transparent;
    int transparentIndex;       // stored even without the flag
};

// A frame that covers width x height from the corner.
inline GifFileFrame WholeGifFileFrame(int width, int height, const std::vector<int>& indices, int transparent = -1,
                              int delay = 0, int disposal = 0)
{
    return {0, 0, width, height, indices, delay, disposal, transparent >= 0, transparent >= 0 ? transparent : 0};
}

inline void PutGifWord(std::string& out, int value)
{
    out += (char)(value & 0xFF);
    out += (char)((value >> 8) & 0xFF);
}

// More than one frame adds the looping extension (loop for ever).
inline std::string GifBytes(int width, int height, const COLORREF palette[4], const std::vector<GifFileFrame>& frames)
{
    std::string out = "GIF89a";
    PutGifWord(out, width);
    PutGifWord(out, height);
    out += (char)0xF1;   // global table of 4 colours
    out += '\0';
    out += '\0';
    for (int i = 0; i < 4; ++i) {
        out += (char)GetRValue(palette[i]);
        out += (char)GetGValue(palette[i]);
        out += (char)GetBValue(palette[i]);
    }
    if (frames.size() > 1) {
        out += "\x21\xFF\x0B";
        out += "NETSCAPE2.0";
        out += "\x03\x01";
        PutGifWord(out, 0);
        out += '\0';
    }
    for (const GifFileFrame& f : frames) {
        out += "\x21\xF9\x04";
        out += (char)((f.disposal << 2) | (f.transparent ? 1 : 0));
        PutGifWord(out, f.delay);
        out += (char)f.transparentIndex;
        out += '\0';
        out += ',';
        PutGifWord(out, f.left);
        PutGifWord(out, f.top);
        PutGifWord(out, f.width);
        PutGifWord(out, f.height);
        out += '\0';
        out += (char)2;   // minimum code size
        std::vector<int> codes;
        for (size_t i = 0; i < f.indices.size(); ++i) {
            if (i % 2 == 0)
                codes.push_back(4);   // clear
            codes.push_back(f.indices[i]);
        }
        codes.push_back(5);   // end of information
        std::string data;
        unsigned buffer = 0;
        int bits = 0;
        for (int code : codes) {
            buffer |= (unsigned)code << bits;
            bits += 3;
            while (bits >= 8) {
                data += (char)(buffer & 0xFF);
                buffer >>= 8;
                bits -= 8;
            }
        }
        if (bits > 0)
            data += (char)(buffer & 0xFF);
        for (size_t at = 0; at < data.size(); at += 255) {
            std::string block = data.substr(at, 255);
            out += (char)block.size();
            out += block;
        }
        out += '\0';
    }
    out += ';';
    return out;
}
