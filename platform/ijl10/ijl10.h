// ijl10.dll: JPEG files decoded into a caller's buffer of blue-green-red
// rows, through Windows Imaging Component. The functions are exported by
// ordinal only (2, 3, 4); the import library binds these names to them.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct JpegProperties
{
    // The caller's pixels: DIBHeight rows from the top, each DIBWidth
    // pixels of DIBChannels bytes followed by DIBPadBytes unused bytes.
    BYTE* DIBBytes;
    DWORD DIBWidth;
    int DIBHeight;
    DWORD DIBPadBytes;
    DWORD DIBChannels;
    int DIBColor;
    // The file, and its size as the last read found it.
    const char* JPGFile;
    DWORD JPGWidth;
    DWORD JPGHeight;
} JpegProperties;

// DIBColor: bytes of a pixel in blue, green, red order (the only one read).
#define JPEG_COLOUR_BGR 2

// I/O types of JpegRead.
#define JPEG_READ_PARAMS 0   // JPGWidth and JPGHeight only, from the frame header
#define JPEG_READ_PIXELS 6   // also the pixels into DIBBytes

// Results: 0 or more is success.
#define JPEG_OK 0
#define JPEG_ERR_ARGUMENT (-1)   // no record, no file name or no buffer
#define JPEG_ERR_FILE (-2)       // missing file, or not a picture
#define JPEG_ERR_IO_TYPE (-3)    // an I/O type other than the two above
#define JPEG_ERR_LAYOUT (-4)     // DIB fields this library cannot fill
#define JPEG_ERR_DECODE (-5)     // the file broke off while its pixels were read
#define JPEG_ERR_SYSTEM (-6)     // Windows Imaging Component is not available

// Ordinal 2: clears every field.
int WINAPI JpegInitProperties(JpegProperties* properties);
// Ordinal 3: releases what the library holds for the record. Nothing stays
// open between reads, so this only answers JPEG_OK.
int WINAPI JpegFreeProperties(JpegProperties* properties);
// Ordinal 4: reads JPGFile. JPEG_READ_PIXELS copies the picture's top left
// min(DIBWidth, JPGWidth) x min(DIBHeight, JPGHeight) pixels; it needs
// DIBChannels 3, DIBColor JPEG_COLOUR_BGR and DIBHeight above 0.
int WINAPI JpegRead(JpegProperties* properties, int ioType);

#ifdef __cplusplus
}
#endif
