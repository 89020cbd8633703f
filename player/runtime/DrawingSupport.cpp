#include "player/runtime/DrawingSupport.h"

#include "platform/giflib32/giflib32.h"
#include "platform/ijl10/ijl10.h"
#include "model/common/PictureHelpers.h"

#include <stdlib.h>
#include <string.h>

namespace Tarvex {

namespace {

HWND g_drawingWindow;

// The DLL beside the player, else wherever the loader finds it.
HMODULE LoadPlayerLibrary(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
    {
        char* slash = strrchr(path, '\\');
        if (slash && (size_t)(slash + 1 - path) + strlen(name) < MAX_PATH)
        {
            strcpy(slash + 1, name);
            HMODULE module = LoadLibraryA(path);
            if (module)
                return module;
        }
    }
    return LoadLibraryA(name);
}

struct GifLibrary
{
    decltype(&dzBitmapsFromGif) bitmapsFromGif = NULL;
    decltype(&dzPlayGif) playGif = NULL;
    decltype(&dzStopGif) stopGif = NULL;

    GifLibrary()
    {
        HMODULE module = LoadPlayerLibrary("giflib32.dll");
        if (!module)
            return;
        bitmapsFromGif = (decltype(&dzBitmapsFromGif))(void*)GetProcAddress(module, "dzBitmapsFromGif");
        playGif = (decltype(&dzPlayGif))(void*)GetProcAddress(module, "dzPlayGif");
        stopGif = (decltype(&dzStopGif))(void*)GetProcAddress(module, "dzStopGif");
    }
};

struct JpegLibrary
{
    decltype(&JpegInitProperties) init = NULL;
    decltype(&JpegFreeProperties) free = NULL;
    decltype(&JpegRead) read = NULL;

    JpegLibrary()
    {
        HMODULE module = LoadPlayerLibrary("ijl10.dll");
        if (!module)
            return;
        init = (decltype(&JpegInitProperties))(void*)GetProcAddress(module, MAKEINTRESOURCEA(2));
        free = (decltype(&JpegFreeProperties))(void*)GetProcAddress(module, MAKEINTRESOURCEA(3));
        read = (decltype(&JpegRead))(void*)GetProcAddress(module, MAKEINTRESOURCEA(4));
    }
};

const GifLibrary& Gif()
{
    static GifLibrary library;
    return library;
}

const JpegLibrary& Jpeg()
{
    static JpegLibrary library;
    return library;
}

} // namespace

BOOL WINAPI GifBitmapsFromFile(HWND window, const char* path, int option, HBITMAP* mask, HBITMAP* picture, HBITMAP* third)
{
    if (mask)
        *mask = NULL;
    if (picture)
        *picture = NULL;
    if (third)
        *third = NULL;
    if (!Gif().bitmapsFromGif)
        return FALSE;
    return Gif().bitmapsFromGif(window, path, option, mask, picture, third);
}

HANDLE GifPlay(HWND window, int left, int top, const char* path)
{
    return Gif().playGif ? Gif().playGif(window, left, top, path, 0) : NULL;
}

void GifStop(HANDLE animation)
{
    if (animation && Gif().stopGif)
        Gif().stopGif(animation);
}

HBITMAP LoadJpegBitmap(HWND window, const char* path)
{
    const JpegLibrary& library = Jpeg();
    if (!library.init || !library.read || !library.free)
        return NULL;
    JpegProperties properties;
    library.init(&properties);
    properties.JPGFile = path;
    HBITMAP bitmap = NULL;
    DWORD stride = 0;
    if (library.read(&properties, JPEG_READ_PARAMS) >= 0)
        stride = GetBgrRowStride(properties.JPGWidth, properties.JPGHeight);
    BYTE* pixels = stride ? (BYTE*)malloc((size_t)stride * properties.JPGHeight) : NULL;
    if (pixels)
    {
        properties.DIBBytes = pixels;
        properties.DIBWidth = properties.JPGWidth;
        properties.DIBHeight = (int)properties.JPGHeight;
        properties.DIBPadBytes = stride - properties.JPGWidth * 3;
        properties.DIBChannels = 3;
        properties.DIBColor = JPEG_COLOUR_BGR;
        // A read that failed part way left rows never written: no picture,
        // rather than one of whatever the memory held.
        if (library.read(&properties, JPEG_READ_PIXELS) >= 0)
        {
            HDC dc = GetDC(window);
            bitmap = MakeBgrBitmap(dc, pixels, (int)properties.DIBWidth, properties.DIBHeight);
            ReleaseDC(window, dc);
        }
        free(pixels);
    }
    library.free(&properties);
    return bitmap;
}

HWND GetDrawingWindow()
{
    return g_drawingWindow;
}

void SetDrawingWindow(HWND window)
{
    g_drawingWindow = window;
}

void InvalidateOnDrawingWindow(const RECT& rect)
{
    if (!g_drawingWindow || IsRectEmpty(&rect))
        return;
    HRGN region = CreateRectRgnIndirect(&rect);
    RedrawWindow(g_drawingWindow, NULL, region, RDW_INVALIDATE);
    DeleteObject(region);
}

} // namespace Tarvex
