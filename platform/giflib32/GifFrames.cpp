#include "platform/giflib32/GifFrames.h"
#include "platform/wic/WicSupport.h"

#include <algorithm>

namespace {

// Pictures larger than this are refused rather than overflowing a size.
const UINT kMaxSide = 16384;
const UINT64 kMaxPixels = 16ull * 1024 * 1024;

bool IsClear(BYTE alpha)
{
    return alpha < 128;
}

class PropVariantHolder
{
public:
    PropVariantHolder() { PropVariantInit(&value); }
    ~PropVariantHolder() { PropVariantClear(&value); }
    PropVariantHolder(const PropVariantHolder&) = delete;
    PropVariantHolder& operator=(const PropVariantHolder&) = delete;
    PROPVARIANT value;
};

// GIF metadata comes as VT_UI1 or VT_UI2; anything else is "not stored".
bool ReadNumber(IWICMetadataQueryReader* reader, const wchar_t* name, UINT& number)
{
    if (!reader)
        return false;
    PropVariantHolder v;
    if (FAILED(reader->GetMetadataByName(name, &v.value)))
        return false;
    switch (v.value.vt)
    {
    case VT_UI1: number = v.value.bVal; return true;
    case VT_UI2: number = v.value.uiVal; return true;
    case VT_UI4: number = v.value.ulVal; return true;
    default: return false;
    }
}

bool SizeAllowed(UINT width, UINT height)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           static_cast<UINT64>(width) * height <= kMaxPixels;
}

// The colour the file gives its transparent index, kept under the
// see-through pixels for callers that want the file's own colours.
void ColourClearPixels(IWICImagingFactory* factory, IWICBitmapFrameDecode* source,
                       IWICMetadataQueryReader* reader, std::vector<BYTE>& pixels)
{
    UINT flag = 0, index = 0;
    PropVariantHolder v;
    if (!reader || FAILED(reader->GetMetadataByName(L"/grctlext/TransparencyFlag", &v.value)))
        return;
    if (v.value.vt == VT_BOOL)
        flag = v.value.boolVal != VARIANT_FALSE;
    else if (!ReadNumber(reader, L"/grctlext/TransparencyFlag", flag))
        return;
    if (!flag || !ReadNumber(reader, L"/grctlext/TransparentColorIndex", index))
        return;
    wic::ComPtr<IWICPalette> palette;
    if (FAILED(factory->CreatePalette(palette.Out())) || FAILED(source->CopyPalette(palette.Get())))
        return;
    WICColor colours[256];
    UINT count = 0;
    if (FAILED(palette->GetColors(256, colours, &count)) || index >= count)
        return;
    const WICColor key = colours[index];
    for (size_t i = 0; i + 3 < pixels.size(); i += 4)
        if (IsClear(pixels[i + 3]))
        {
            pixels[i] = static_cast<BYTE>(key);
            pixels[i + 1] = static_cast<BYTE>(key >> 8);
            pixels[i + 2] = static_cast<BYTE>(key >> 16);
        }
}

bool ReadFrame(IWICImagingFactory* factory, IWICBitmapDecoder* decoder, UINT index, GifFrame& frame)
{
    wic::ComPtr<IWICBitmapFrameDecode> source;
    if (FAILED(decoder->GetFrame(index, source.Out())))
        return false;
    UINT width = 0, height = 0;
    if (FAILED(source->GetSize(&width, &height)) || !SizeAllowed(width, height))
        return false;

    wic::ComPtr<IWICMetadataQueryReader> reader;
    if (FAILED(source->GetMetadataQueryReader(reader.Out())))
        reader.Reset();
    UINT left = 0, top = 0, delay = 0, disposal = 0;
    ReadNumber(reader.Get(), L"/imgdesc/Left", left);
    ReadNumber(reader.Get(), L"/imgdesc/Top", top);
    ReadNumber(reader.Get(), L"/grctlext/Delay", delay);
    ReadNumber(reader.Get(), L"/grctlext/Disposal", disposal);

    wic::ComPtr<IWICBitmapSource> converted;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, source.Get(), converted.Out())))
        return false;
    frame.pixels.assign(static_cast<size_t>(width) * height * 4, 0);
    if (FAILED(converted->CopyPixels(NULL, width * 4, static_cast<UINT>(frame.pixels.size()),
                                     frame.pixels.data())))
        return false;
    ColourClearPixels(factory, source.Get(), reader.Get(), frame.pixels);

    frame.place = {static_cast<LONG>(left), static_cast<LONG>(top),
                   static_cast<LONG>(left + width), static_cast<LONG>(top + height)};
    frame.delayMs = delay < 2 ? kDefaultGifDelayMs : delay * 10;
    frame.disposal = disposal;
    return true;
}

} // namespace

bool ReadGifAnimation(const char* path, bool allFrames, GifAnimation& animation)
{
    animation = GifAnimation();
    wic::ComApartment apartment;
    wic::ComPtr<IWICImagingFactory> factory;
    if (FAILED(wic::CreateFactory(factory)))
        return false;
    wic::ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(wic::OpenDecoder(factory.Get(), path, decoder)))
        return false;
    UINT count = 0;
    if (FAILED(decoder->GetFrameCount(&count)) || count == 0)
        return false;
    if (!allFrames)
        count = 1;

    for (UINT i = 0; i < count; ++i)
    {
        GifFrame frame;
        if (!ReadFrame(factory.Get(), decoder.Get(), i, frame))
        {
            // A damaged later frame still leaves a playable start.
            if (i == 0)
                return false;
            break;
        }
        animation.frames.push_back(std::move(frame));
    }

    UINT width = 0, height = 0;
    wic::ComPtr<IWICMetadataQueryReader> reader;
    if (SUCCEEDED(decoder->GetMetadataQueryReader(reader.Out())))
    {
        ReadNumber(reader.Get(), L"/logscrdesc/Width", width);
        ReadNumber(reader.Get(), L"/logscrdesc/Height", height);
    }
    if (width == 0 || height == 0)
    {
        for (const GifFrame& frame : animation.frames)
        {
            width = std::max(width, static_cast<UINT>(frame.place.right));
            height = std::max(height, static_cast<UINT>(frame.place.bottom));
        }
    }
    if (!SizeAllowed(width, height))
        return false;
    animation.width = width;
    animation.height = height;
    return true;
}

GifCanvas::GifCanvas(const GifAnimation& animation)
    : m_animation(animation), m_shown(static_cast<size_t>(-1))
{
    Restart();
}

void GifCanvas::Restart()
{
    m_pixels.assign(static_cast<size_t>(m_animation.width) * m_animation.height * 4, 0);
    m_saved.clear();
    m_shown = static_cast<size_t>(-1);
}

void GifCanvas::ShowFrame(size_t index)
{
    if (index >= m_animation.frames.size())
        return;
    if (m_shown != static_cast<size_t>(-1) && index == m_shown)
        return;
    if (m_shown == static_cast<size_t>(-1) || index < m_shown)
        Restart();
    size_t next = m_shown == static_cast<size_t>(-1) ? 0 : m_shown + 1;
    for (; next <= index; ++next)
        Step(next);
}

void GifCanvas::Step(size_t index)
{
    if (m_shown != static_cast<size_t>(-1))
    {
        const GifFrame& previous = m_animation.frames[m_shown];
        if (previous.disposal == 2)
            Clear(previous.place);
        else if (previous.disposal == 3 && !m_saved.empty())
            m_pixels = m_saved;
    }
    const GifFrame& frame = m_animation.frames[index];
    if (frame.disposal == 3)
        m_saved = m_pixels;
    Paint(frame);
    m_shown = index;
}

void GifCanvas::Paint(const GifFrame& frame)
{
    const LONG frameWidth = frame.place.right - frame.place.left;
    const LONG right = std::min<LONG>(frame.place.right, static_cast<LONG>(m_animation.width));
    const LONG bottom = std::min<LONG>(frame.place.bottom, static_cast<LONG>(m_animation.height));
    for (LONG y = frame.place.top; y < bottom; ++y)
    {
        for (LONG x = frame.place.left; x < right; ++x)
        {
            const BYTE* from = &frame.pixels[(static_cast<size_t>(y - frame.place.top) * frameWidth +
                                              (x - frame.place.left)) * 4];
            BYTE* to = &m_pixels[(static_cast<size_t>(y) * m_animation.width + x) * 4];
            // A see-through pixel over nothing still carries the file's colour.
            if (IsClear(from[3]) && !IsClear(to[3]))
                continue;
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            to[3] = from[3];
        }
    }
}

void GifCanvas::Clear(const RECT& place)
{
    const LONG right = std::min<LONG>(place.right, static_cast<LONG>(m_animation.width));
    const LONG bottom = std::min<LONG>(place.bottom, static_cast<LONG>(m_animation.height));
    for (LONG y = place.top; y < bottom; ++y)
        for (LONG x = place.left; x < right; ++x)
        {
            BYTE* to = &m_pixels[(static_cast<size_t>(y) * m_animation.width + x) * 4];
            to[0] = to[1] = to[2] = to[3] = 0;
        }
}

bool GifCanvas::HasTransparency() const
{
    for (size_t i = 3; i < m_pixels.size(); i += 4)
        if (IsClear(m_pixels[i]))
            return true;
    return false;
}

namespace {

enum class ClearPixels { Black, White, Keep };

std::vector<BYTE> PictureBits(const std::vector<BYTE>& bgra, ClearPixels clear)
{
    std::vector<BYTE> bits(bgra);
    if (clear == ClearPixels::Keep)
        return bits;
    const BYTE fill = clear == ClearPixels::White ? 255 : 0;
    for (size_t i = 0; i + 3 < bits.size(); i += 4)
    {
        if (IsClear(bits[i + 3]))
            bits[i] = bits[i + 1] = bits[i + 2] = fill;
        bits[i + 3] = 0;
    }
    return bits;
}

bool SetPictureBits(HDC reference, HBITMAP picture, UINT width, UINT height,
                    const std::vector<BYTE>& bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return SetDIBits(reference, picture, 0, height, bits.data(), &info, DIB_RGB_COLORS) ==
           static_cast<int>(height);
}

HBITMAP NewPicture(HDC reference, UINT width, UINT height, const std::vector<BYTE>& bits)
{
    HBITMAP picture = CreateCompatibleBitmap(reference, static_cast<int>(width), static_cast<int>(height));
    if (picture && !SetPictureBits(reference, picture, width, height, bits))
    {
        DeleteObject(picture);
        picture = NULL;
    }
    return picture;
}

struct MonoInfo
{
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
};

} // namespace

HBITMAP CreatePictureBitmap(HDC reference, UINT width, UINT height,
                            const std::vector<BYTE>& bgra, bool keepColours)
{
    return NewPicture(reference, width, height,
                      PictureBits(bgra, keepColours ? ClearPixels::Keep : ClearPixels::Black));
}

HBITMAP CreatePictureOnWhiteBitmap(HDC reference, UINT width, UINT height,
                                   const std::vector<BYTE>& bgra)
{
    return NewPicture(reference, width, height, PictureBits(bgra, ClearPixels::White));
}

bool FillPictureBitmap(HDC reference, HBITMAP picture, UINT width, UINT height,
                       const std::vector<BYTE>& bgra)
{
    return SetPictureBits(reference, picture, width, height, PictureBits(bgra, ClearPixels::Black));
}

bool FillMaskBitmap(HDC reference, HBITMAP mask, UINT width, UINT height,
                    const std::vector<BYTE>& bgra)
{
    const size_t stride = ((static_cast<size_t>(width) + 31) / 32) * 4;
    std::vector<BYTE> bits(stride * height, 0);
    for (UINT y = 0; y < height; ++y)
        for (UINT x = 0; x < width; ++x)
            if (IsClear(bgra[(static_cast<size_t>(y) * width + x) * 4 + 3]))
                bits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));

    MonoInfo info = {};
    info.header.biSize = sizeof(info.header);
    info.header.biWidth = static_cast<LONG>(width);
    info.header.biHeight = -static_cast<LONG>(height);
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1].rgbRed = info.colours[1].rgbGreen = info.colours[1].rgbBlue = 255;
    return SetDIBits(reference, mask, 0, height, bits.data(),
                     reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == static_cast<int>(height);
}

HBITMAP CreateMaskBitmap(UINT width, UINT height, const std::vector<BYTE>& bgra)
{
    HBITMAP mask = CreateBitmap(static_cast<int>(width), static_cast<int>(height), 1, 1, NULL);
    if (!mask)
        return NULL;
    HDC screen = GetDC(NULL);
    bool filled = screen && FillMaskBitmap(screen, mask, width, height, bgra);
    if (screen)
        ReleaseDC(NULL, screen);
    if (!filled)
    {
        DeleteObject(mask);
        return NULL;
    }
    return mask;
}
