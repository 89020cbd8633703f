// The frames of a GIF file as WIC hands them out (raw, each over its own
// rectangle), and their composition on the logical screen.
#pragma once

#include <windows.h>
#include <vector>

struct GifFrame
{
    RECT place;                 // on the logical screen
    UINT delayMs;
    UINT disposal;              // 0 none, 1 keep, 2 clear to transparent, 3 restore previous
    std::vector<BYTE> pixels;   // top-down BGRA over place; alpha 0 where transparent
};

struct GifAnimation
{
    UINT width = 0;
    UINT height = 0;
    std::vector<GifFrame> frames;
};

// Shown instead of a delay that is missing or too short to see (0 or 1).
const UINT kDefaultGifDelayMs = 100;

// Reads the first frame only, or every frame; false when the file cannot
// be decoded or holds no frame.
bool ReadGifAnimation(const char* path, bool allFrames, GifAnimation& animation);

// The logical screen as it looks while one frame shows, frames composed
// in order by their disposal.
class GifCanvas
{
public:
    explicit GifCanvas(const GifAnimation& animation);
    void ShowFrame(size_t index);
    size_t Shown() const { return m_shown; }
    const std::vector<BYTE>& Pixels() const { return m_pixels; }   // top-down BGRA
    bool HasTransparency() const;

private:
    void Restart();
    void Step(size_t index);
    void Paint(const GifFrame& frame);
    void Clear(const RECT& place);

    const GifAnimation& m_animation;
    std::vector<BYTE> m_pixels;
    std::vector<BYTE> m_saved;
    size_t m_shown;
};

// GDI bitmaps of a composed picture. The picture is black where the
// canvas is transparent unless keepColours; the mask is monochrome, white
// where transparent.
HBITMAP CreatePictureBitmap(HDC reference, UINT width, UINT height,
                            const std::vector<BYTE>& bgra, bool keepColours);
HBITMAP CreateMaskBitmap(UINT width, UINT height, const std::vector<BYTE>& bgra);
HBITMAP CreatePictureOnWhiteBitmap(HDC reference, UINT width, UINT height,
                                   const std::vector<BYTE>& bgra);
bool FillPictureBitmap(HDC reference, HBITMAP picture, UINT width, UINT height,
                       const std::vector<BYTE>& bgra);
bool FillMaskBitmap(HDC reference, HBITMAP mask, UINT width, UINT height,
                    const std::vector<BYTE>& bgra);
