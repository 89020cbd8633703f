#include "authoring/DibResource.h"

HBITMAP LoadDibResource(HINSTANCE module, LPCSTR name)
{
    HRSRC found = FindResourceA(module, name, (LPCSTR)RT_BITMAP);
    if (found == NULL)
        return NULL;
    DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : NULL;
    if (data == NULL || size < sizeof(BITMAPCOREHEADER))
        return NULL;
    // A resource is hostile input as any file: every length is checked
    // against the resource's size before it is read.
    DWORD headerSize = *reinterpret_cast<const DWORD*>(data);
    int bits = 0;
    LONGLONG width = 0;
    LONGLONG height = 0;
    DWORD colours = 0;
    DWORD entrySize = 4;
    if (headerSize == sizeof(BITMAPCOREHEADER))
    {
        const BITMAPCOREHEADER* core = reinterpret_cast<const BITMAPCOREHEADER*>(data);
        bits = core->bcBitCount;
        width = core->bcWidth;
        height = core->bcHeight;
        entrySize = 3;
    }
    else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= size)
    {
        const BITMAPINFOHEADER* info = reinterpret_cast<const BITMAPINFOHEADER*>(data);
        // Compressed pixels have no size to check here: refused.
        if (info->biCompression != BI_RGB)
            return NULL;
        bits = info->biBitCount;
        width = info->biWidth;
        height = info->biHeight < 0 ? -(LONGLONG)info->biHeight : info->biHeight;
        if (headerSize == sizeof(BITMAPINFOHEADER) && info->biClrUsed != 0)
            colours = info->biClrUsed;
    }
    else
    {
        return NULL;
    }
    if (colours == 0)
        colours = bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
    if (colours > 256)
        return NULL;
    DWORD pixelsOffset = headerSize + colours * entrySize;
    LONGLONG stride = ((width * bits + 31) / 32) * 4;
    if (bits == 0 || width <= 0 || pixelsOffset >= size || stride * height > (LONGLONG)(size - pixelsOffset))
        return NULL;
    HDC screen = GetDC(NULL);
    HBITMAP bitmap = CreateDIBitmap(screen, reinterpret_cast<const BITMAPINFOHEADER*>(data), CBM_INIT,
                                    data + pixelsOffset, reinterpret_cast<const BITMAPINFO*>(data), DIB_RGB_COLORS);
    ReleaseDC(NULL, screen);
    return bitmap;
}

BOOL FillImageListFromDib(CImageList& list, UINT resourceId, int size, COLORREF mask)
{
    HBITMAP loaded = LoadDibResource(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    if (loaded == NULL)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(loaded);
    list.DeleteImageList();
    if (!list.Create(size, size, ILC_COLOR8 | ILC_MASK, 0, 4))
        return FALSE;
    return list.Add(&bitmap, mask) >= 0;
}
