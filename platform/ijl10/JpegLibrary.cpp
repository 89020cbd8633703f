// The exports of ijl10.dll.
#include "platform/ijl10/ijl10.h"
#include "platform/wic/WicSupport.h"

#include <algorithm>

namespace {

int ReadPixels(IWICBitmapSource* picture, const JpegProperties& properties)
{
    if (!properties.DIBBytes)
        return JPEG_ERR_ARGUMENT;
    if (properties.DIBChannels != 3 || properties.DIBColor != JPEG_COLOUR_BGR ||
        properties.DIBHeight <= 0 || properties.DIBWidth == 0)
        return JPEG_ERR_LAYOUT;
    const UINT64 stride = static_cast<UINT64>(properties.DIBWidth) * 3 + properties.DIBPadBytes;
    const UINT width = static_cast<UINT>(std::min<UINT64>(properties.DIBWidth, properties.JPGWidth));
    const UINT height = static_cast<UINT>(
        std::min<UINT64>(static_cast<UINT64>(properties.DIBHeight), properties.JPGHeight));
    if (stride * height > 0xFFFFFFFFull)
        return JPEG_ERR_LAYOUT;

    wic::ComPtr<IWICBitmapSource> bgr;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat24bppBGR, picture, bgr.Out())))
        return JPEG_ERR_DECODE;
    const WICRect part = {0, 0, static_cast<INT>(width), static_cast<INT>(height)};
    if (FAILED(bgr->CopyPixels(&part, static_cast<UINT>(stride), static_cast<UINT>(stride * height),
                               properties.DIBBytes)))
        return JPEG_ERR_DECODE;
    return JPEG_OK;
}

} // namespace

int WINAPI JpegInitProperties(JpegProperties* properties)
{
    if (!properties)
        return JPEG_ERR_ARGUMENT;
    ZeroMemory(properties, sizeof(*properties));
    return JPEG_OK;
}

int WINAPI JpegFreeProperties(JpegProperties* properties)
{
    return properties ? JPEG_OK : JPEG_ERR_ARGUMENT;
}

int WINAPI JpegRead(JpegProperties* properties, int ioType)
{
    if (!properties || !properties->JPGFile)
        return JPEG_ERR_ARGUMENT;
    if (ioType != JPEG_READ_PARAMS && ioType != JPEG_READ_PIXELS)
        return JPEG_ERR_IO_TYPE;

    wic::ComApartment apartment;
    wic::ComPtr<IWICImagingFactory> factory;
    if (FAILED(wic::CreateFactory(factory)))
        return JPEG_ERR_SYSTEM;
    wic::ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(wic::OpenDecoder(factory.Get(), properties->JPGFile, decoder)))
        return JPEG_ERR_FILE;
    wic::ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    if (FAILED(decoder->GetFrame(0, frame.Out())) || FAILED(frame->GetSize(&width, &height)))
        return JPEG_ERR_FILE;
    properties->JPGWidth = width;
    properties->JPGHeight = height;
    if (ioType == JPEG_READ_PARAMS)
        return JPEG_OK;
    return ReadPixels(frame.Get(), *properties);
}
