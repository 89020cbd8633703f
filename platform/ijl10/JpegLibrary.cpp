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

// Reads exactly count bytes; false at the file's end.
bool ReadBytes(HANDLE file, BYTE* bytes, DWORD count)
{
    DWORD read = 0;
    return ReadFile(file, bytes, count, &read, NULL) && read == count;
}

// The size in the frame header, read from the markers before it alone, as
// the parameters of a JPEG file are read: a file that breaks off in its
// pixels still has its size, and fails when the pixels are read.
int ReadFrameSize(const char* path, UINT& width, UINT& height)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return JPEG_ERR_FILE;
    int result = JPEG_ERR_FILE;
    BYTE bytes[7];
    if (ReadBytes(file, bytes, 2) && bytes[0] == 0xFF && bytes[1] == 0xD8)
    {
        // Every step reads at least one byte: the loop ends with the file.
        while (ReadBytes(file, bytes, 1))
        {
            if (bytes[0] != 0xFF)
                break;
            BYTE marker = 0xFF;
            while (marker == 0xFF && ReadBytes(file, &marker, 1))
            {
            }
            if (marker == 0xFF || marker == 0xD9 || marker == 0xDA)
                break;
            // Markers without a segment.
            if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
                continue;
            if (!ReadBytes(file, bytes, 2))
                break;
            DWORD length = ((DWORD)bytes[0] << 8) | bytes[1];
            if (length < 2)
                break;
            // SOF0 to SOF15; C4 (tables), C8 (reserved) and CC (conditioning) are no frames.
            if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            {
                if (length >= 7 && ReadBytes(file, bytes, 5))
                {
                    height = ((UINT)bytes[1] << 8) | bytes[2];
                    width = ((UINT)bytes[3] << 8) | bytes[4];
                    result = JPEG_OK;
                }
                break;
            }
            if (SetFilePointer(file, (LONG)(length - 2), NULL, FILE_CURRENT) == INVALID_SET_FILE_POINTER)
                break;
        }
    }
    CloseHandle(file);
    return result;
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
    if (ioType == JPEG_READ_PARAMS)
    {
        UINT width = 0, height = 0;
        int result = ReadFrameSize(properties->JPGFile, width, height);
        if (result == JPEG_OK)
        {
            properties->JPGWidth = width;
            properties->JPGHeight = height;
        }
        return result;
    }

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
    return ReadPixels(frame.Get(), *properties);
}
