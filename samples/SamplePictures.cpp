#include "samples/SamplePictures.h"

#include <windows.h>

#include <math.h>
#include <stdio.h>

namespace {

// 0x00RRGGBB pixels, top row first.
struct Picture
{
    int width;
    int height;
    std::vector<DWORD> pixels;

    Picture(int w, int h, DWORD fill) : width(w), height(h), pixels((size_t)w * h, fill) {}
    void Set(int x, int y, DWORD colour)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[(size_t)y * width + x] = colour;
    }
    void FillRect(int left, int top, int right, int bottom, DWORD colour)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                Set(x, y, colour);
    }
};

DWORD Mix(DWORD from, DWORD to, double t)
{
    DWORD result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
    {
        double a = (from >> shift) & 0xFF;
        double b = (to >> shift) & 0xFF;
        result |= (DWORD)(a + (b - a) * t + 0.5) << shift;
    }
    return result;
}

bool WriteBmp(const std::string& path, const Picture& picture)
{
    const int stride = (picture.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = picture.width;
    info.biHeight = picture.height;   // bottom-up rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = (DWORD)stride * picture.height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::vector<unsigned char> rows(info.biSizeImage);
    for (int y = 0; y < picture.height; ++y)
    {
        unsigned char* row = &rows[(size_t)(picture.height - 1 - y) * stride];
        for (int x = 0; x < picture.width; ++x)
        {
            DWORD colour = picture.pixels[(size_t)y * picture.width + x];
            row[x * 3] = (unsigned char)(colour & 0xFF);
            row[x * 3 + 1] = (unsigned char)((colour >> 8) & 0xFF);
            row[x * 3 + 2] = (unsigned char)((colour >> 16) & 0xFF);
        }
    }
    FILE* out = fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool ok = fwrite(&file, sizeof(file), 1, out) == 1 && fwrite(&info, sizeof(info), 1, out) == 1 &&
              fwrite(rows.data(), 1, rows.size(), out) == rows.size();
    return fclose(out) == 0 && ok;
}

// Stretched over the whole page: only its rows matter.
Picture Backdrop()
{
    Picture picture(4, 200, 0);
    for (int y = 0; y < picture.height; ++y)
    {
        DWORD colour = Mix(0x14285A, 0x1E7C8C, y / (double)(picture.height - 1));
        picture.FillRect(0, y, picture.width, y + 1, colour);
    }
    return picture;
}

Picture Tile()
{
    Picture picture(32, 32, 0xEEF2F6);
    picture.FillRect(0, 0, 16, 16, 0xE2E8EF);
    picture.FillRect(16, 16, 32, 32, 0xE2E8EF);
    return picture;
}

// A sun with a "T" cut in it, on magenta: the page keys the magenta out.
Picture Logo()
{
    const DWORD key = 0xFF00FF;
    Picture picture(96, 96, key);
    const double centre = 47.5;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
        {
            double distance = hypot(x - centre, y - centre);
            if (distance <= 46)
                picture.Set(x, y, Mix(0xFFD24A, 0xF07A1E, distance / 46));
        }
    picture.FillRect(26, 26, 70, 38, 0x14285A);
    picture.FillRect(42, 38, 54, 74, 0x14285A);
    return picture;
}

} // namespace

std::vector<std::string> WriteSamplePictures(const std::string& folder)
{
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '\\' && prefix.back() != '/')
        prefix += '\\';
    const struct
    {
        const char* name;
        Picture (*make)();
    } pictures[] = {
        { "backdrop.bmp", Backdrop },
        { "tile.bmp", Tile },
        { "logo.bmp", Logo },
    };
    std::vector<std::string> names;
    for (const auto& entry : pictures)
    {
        if (!WriteBmp(prefix + entry.name, entry.make()))
            return std::vector<std::string>();
        names.push_back(entry.name);
    }
    return names;
}
