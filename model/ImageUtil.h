// Picture helpers of the page and its elements: GIF pictures, drawing
// through a mask, the drag image. The blend, the transparency mask and
// bitmap files are in PictureHelpers.h, which the player shares.
#pragma once

#include "model/common/PictureHelpers.h"

#include <windows.h>

#include <functional>

// A GIF file through giflib32 (the third bitmap is deleted at once); the
// mask may come back NULL.
BOOL LoadGifPicture(HWND window, const char* path, int option, HBITMAP* picture, HBITMAP* mask);

// How the editor's elements read their pictures (LoadElementPicture):
// sources resolved against the media folder, GIF files for the active view,
// and JPEG files through loadJpeg when one is given.
PictureReaders EditorPictureReaders(const std::function<HBITMAP(const char*)>& loadJpeg = nullptr);

// Draws picture (and its mask first, when there is one) from the source
// rectangle into the destination rectangle through a memory context.
void StretchPicture(HDC dc, HDC memory, const RECT& target, HBITMAP picture, HBITMAP mask,
                    int srcX, int srcY, int srcW, int srcH);

// A picture element's drag image: the whole picture (pictureSize its
// bitmap's) stretched into target of the bitmap selected in dc, or a push
// button face without one. With dragMask, the picture's mask goes into it,
// or black over all of target when there is no mask.
void DrawPictureDragImage(HDC dc, const RECT& target, HBITMAP picture, HBITMAP mask,
                          const BITMAP& pictureSize, HBITMAP dragMask);
