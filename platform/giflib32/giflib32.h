// giflib32.dll: GIF pictures as GDI bitmaps, and GIF animations drawn into
// a window. Decoding goes through Windows Imaging Component; each call sets
// up COM for itself when its thread has no apartment yet.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// For a page whose window is cut out by a colour key: the picture keeps the
// file's own colour in its transparent pixels and no mask is made.
#define GIF_OPTION_KEEP_COLOURS 4

// Decodes the first frame of the GIF file at path (absolute), composed on
// the file's logical screen, into bitmaps compatible with the window's
// device context (the screen's when window is NULL):
//   *picture  the picture, black where it is transparent; NULL when the
//             file cannot be read;
//   *mask     monochrome, white where the picture is transparent and black
//             elsewhere, NULL when nothing is transparent: draw it with
//             SRCAND, then the picture with SRCINVERT;
//   *third    the picture as it shows on a white page; NULL without picture.
// The caller owns and deletes every bitmap. Any output pointer may be NULL.
// Returns TRUE when a picture was made.
BOOL WINAPI dzBitmapsFromGif(HWND window, const char* path, int option,
                             HBITMAP* mask, HBITMAP* picture, HBITMAP* third);

// Plays the GIF file at path in the window's client area with its top left
// corner at (left, top), frames composed by their disposal and shown for
// their delays, looping. Call from the thread that owns the window: the
// animation runs on that thread's timer messages. flags must be 0. Returns
// the animation's handle, NULL when the file cannot be read or no timer can
// be set.
HANDLE WINAPI dzPlayGif(HWND window, int left, int top, const char* path, int flags);

// Ends the animation of the handle and frees it; the window keeps what was
// last drawn until it repaints. FALSE for a handle that does not play.
BOOL WINAPI dzStopGif(HANDLE animation);

#ifdef __cplusplus
}
#endif
