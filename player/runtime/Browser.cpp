#include "player/runtime/Browser.h"

#include "player/runtime/ActiveXElement.h"
#include "player/runtime/DrawingSupport.h"
#include "player/runtime/ImageElement.h"
#include "player/runtime/ImageListElement.h"
#include "player/PlayerPaths.h"
#include "player/runtime/TextElement.h"

#include <stdio.h>
#include <string.h>

#include <vector>

namespace Tarvex {

namespace {

// Rectangles of one region, turned into a region every 2000 and added up.
class RegionBuilder
{
public:
    RegionBuilder() : m_result(NULL) { Restart(); }

    void Add(int left, int top, int right, int bottom)
    {
        if (m_rects.size() % 100 == 0)
            m_rects.reserve(m_rects.size() + 100);
        m_rects.push_back({ left, top, right, bottom });
        if (left < m_bound.left)
            m_bound.left = left;
        if (top < m_bound.top)
            m_bound.top = top;
        if (right > m_bound.right)
            m_bound.right = right;
        if (bottom > m_bound.bottom)
            m_bound.bottom = bottom;
        if (m_rects.size() == 2000)
            Flush();
    }

    HRGN Finish()
    {
        Flush();
        return m_result ? m_result : CreateRectRgn(0, 0, 0, 0);
    }

private:
    void Restart()
    {
        m_rects.clear();
        m_bound = { 0x7FFFFFFF, 0x7FFFFFFF, 0, 0 };
    }

    void Flush()
    {
        if (m_rects.empty())
            return;
        std::vector<BYTE> block(sizeof(RGNDATAHEADER) + m_rects.size() * sizeof(RECT));
        RGNDATA* data = reinterpret_cast<RGNDATA*>(block.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = (DWORD)m_rects.size();
        data->rdh.nRgnSize = 0;
        data->rdh.rcBound = m_bound;
        memcpy(data->Buffer, m_rects.data(), m_rects.size() * sizeof(RECT));
        HRGN part = ExtCreateRegion(NULL, (DWORD)block.size(), data);
        if (part)
        {
            if (m_result)
            {
                CombineRgn(m_result, m_result, part, RGN_OR);
                DeleteObject(part);
            }
            else
                m_result = part;
        }
        Restart();
    }

    HRGN m_result;
    std::vector<RECT> m_rects;
    RECT m_bound;
};

} // namespace

CBrowser::CBrowser(CElement* parent)
    : CElementContainer("Main", parent), m_tiled(1), m_appbar(0), m_seeThrough(0), m_shaped(0),
      m_regionPending(0), m_mouseMove(1), m_transColor(0xFF00FF), m_tolerance(0), m_background(NULL),
      m_backgroundHeader(), m_memoryDC(NULL)
{
}

CBrowser::~CBrowser()
{
    StopAnimations();
    DeleteChildren();
    FreeBackground();
    if (m_memoryDC)
        DeleteDC(m_memoryDC);
}

RECT CBrowser::GetRect() const
{
    RECT rect = { 0, 0, m_width, m_height };
    return rect;
}

DWORD CBrowser::PrepareColourKey(COLORREF transColor, DWORD& tolerance)
{
    if (tolerance > 0xD0D0D0)
        tolerance = 0xD0D0D0;
    int t = (int)(tolerance & 0xFF);
    int channels[3] = { GetRValue(transColor), GetGValue(transColor), GetBValue(transColor) };
    for (int& c : channels)
    {
        if (c < t / 2)
            c = 0;
        else if (c - t / 2 + t > 255)
            c = 255 - t;
        else
            c -= t / 2;
    }
    return ((DWORD)channels[0] << 16) | ((DWORD)channels[1] << 8) | (DWORD)channels[2];
}

BOOL CBrowser::Load(const CDataFile& file)
{
    const char* main = "Main";
    file.GetString(main, "watermark", m_watermark);
    BOOL flag = FALSE;
    if (file.GetBool(main, "tiled", flag))
        m_tiled = flag ? 1 : 0;
    file.GetInt(main, "width", m_width);
    file.GetInt(main, "height", m_height);
    if (file.GetBool(main, "appbar", flag))
        m_appbar = flag ? 1 : 0;
    file.GetString(main, "position", m_position);
    if (file.GetBool(main, "mouseMove", flag))
        m_mouseMove = flag ? 1 : 0;
    int windowType = 0;
    file.GetInt(main, "windowType", windowType);
    if (windowType == 4)
    {
        m_seeThrough = 1;
        m_watermark.Empty();
    }
    else if (windowType == 3)
    {
        m_shaped = 1;
        long value = 0;
        if (file.GetLong(main, "transColor", value))
            m_transColor = (DWORD)value;
        if (file.GetLong(main, "tolerance", value))
            m_tolerance = (DWORD)value;
        m_transColor = PrepareColourKey(m_transColor, m_tolerance);
    }

    int count = 0;
    file.GetInt(main, "numElements", count);
    count = ClampStoredCount(count, file);
    for (int i = 1; i <= count; ++i)
    {
        CStr section = ElementSectionName(main, i);
        CStr type;
        file.GetString(section, "type", type);
        CElement* element = NULL;
        switch (ElementKindFromType(type, TypeTextBeginsWith))
        {
        case StoredElementText:
            element = new CTextElement(section, this);
            break;
        case StoredElementImageList:
            element = new CImageListElement(section, this);
            break;
        case StoredElementImage:
            element = new CImageElement(section, this);
            break;
        case StoredElementActiveX:
            element = new CActiveXElement(section, this);
            break;
        default:
            break;
        }
        if (element)
            AppendChild(element);
    }
    // One element that fails to load would otherwise leave every element
    // after it unloaded: each loads on its own, a failed one is left out.
    for (CElement* child : m_children)
        child->SetLoaded(child->Load(file));

    CElementContainer::Load(file);
    LoadBackground();
    m_regionPending = m_shaped;
    return TRUE;
}

void CBrowser::FreeBackground()
{
    if (m_background)
    {
        DeleteObject(m_background);
        m_background = NULL;
    }
    memset(&m_backgroundHeader, 0, sizeof(m_backgroundHeader));
}

void CBrowser::LoadBackground()
{
    if (m_seeThrough)
    {
        FreeBackground();
        RECT rect = {};
        GetWindowRect(GetDrawingWindow(), &rect);
        // The main window is hidden here, but the copy would still hold what
        // it showed: a look at the queue hands its hiding on to the display
        // (Wine's X driver sends its requests then), and the windows it
        // uncovered paint themselves before the copy.
        MSG message;
        PeekMessageA(&message, NULL, 0, 0, PM_NOREMOVE);
        RedrawWindow(NULL, &rect, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_background = CaptureScreenRect(rect);
    }
    else if (!m_background && !m_watermark.IsEmpty())
    {
        CStr path = ResolvePath(m_watermark);
        if (ContainsNoCase(m_watermark, ".gif"))
        {
            HBITMAP mask = NULL;
            HBITMAP third = NULL;
            GifBitmapsFromFile(GetDrawingWindow(), path, m_shaped ? 4 : 0, &mask, &m_background, &third);
            if (mask)
                DeleteObject(mask);
            if (third)
                DeleteObject(third);
        }
        else
            m_background = LoadBitmapFile(path);
    }
    if (m_background)
        GetObjectA(m_background, sizeof(m_backgroundHeader), &m_backgroundHeader);
}

HBITMAP CBrowser::CaptureScreenRect(RECT rect)
{
    HDC screen = CreateDCA("DISPLAY", NULL, NULL, NULL);
    if (!screen)
        return NULL;
    if (rect.left < 0)
        rect.left = 0;
    if (rect.top < 0)
        rect.top = 0;
    int right = GetDeviceCaps(screen, HORZRES);
    int bottom = GetDeviceCaps(screen, VERTRES);
    if (rect.right > right)
        rect.right = right;
    if (rect.bottom > bottom)
        rect.bottom = bottom;
    HBITMAP bitmap = NULL;
    if (!IsRectEmpty(&rect))
    {
        int width = rect.right - rect.left;
        int height = rect.bottom - rect.top;
        bitmap = CreateCompatibleBitmap(screen, width, height);
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    DeleteDC(screen);
    return bitmap;
}

HRGN CBrowser::BuildWindowRegion(HBITMAP bitmap, DWORD key, DWORD tolerance)
{
    BITMAP header;
    if (!bitmap || GetObjectA(bitmap, sizeof(header), &header) == 0)
        return NULL;
    HDC memory = CreateCompatibleDC(NULL);
    if (!memory)
        return NULL;
    int width = header.bmWidth;
    int height = header.bmHeight;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP section = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, NULL, 0);
    if (!section)
    {
        DeleteDC(memory);
        return NULL;
    }
    HGDIOBJ oldSection = SelectObject(memory, section);
    HDC source = CreateCompatibleDC(memory);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, oldSource);
    DeleteDC(source);
    GdiFlush();

    int low[3] = { (int)(key & 0xFF), (int)((key >> 8) & 0xFF), (int)((key >> 16) & 0xFF) };
    int high[3];
    for (int c = 0; c < 3; ++c)
    {
        high[c] = low[c] + (int)((tolerance >> (8 * c)) & 0xFF);
        if (high[c] > 255)
            high[c] = 255;
    }
    RegionBuilder builder;
    for (int y = 0; y < height; ++y)
    {
        // Bottom-up rows: the row y from the top is stored height - 1 - y rows in.
        const BYTE* row = static_cast<const BYTE*>(bits) + (size_t)(height - 1 - y) * width * 4;
        int x = 0;
        while (x < width)
        {
            while (x < width)
            {
                const BYTE* p = row + x * 4;
                BOOL transparent = p[0] >= low[0] && p[0] <= high[0] && p[1] >= low[1] && p[1] <= high[1] &&
                                   p[2] >= low[2] && p[2] <= high[2];
                if (!transparent)
                    break;
                ++x;
            }
            int start = x;
            while (x < width)
            {
                const BYTE* p = row + x * 4;
                BOOL transparent = p[0] >= low[0] && p[0] <= high[0] && p[1] >= low[1] && p[1] <= high[1] &&
                                   p[2] >= low[2] && p[2] <= high[2];
                if (transparent)
                    break;
                ++x;
            }
            if (x > start)
                builder.Add(start, y, x, y + 1);
        }
    }
    SelectObject(memory, oldSection);
    DeleteObject(section);
    DeleteDC(memory);
    return builder.Finish();
}

void CBrowser::StopAnimations()
{
    for (CElement* child : m_children)
    {
        if (!BeginsWithNoCase(child->GetTypeText(), "Image"))
            continue;
        if (CImageElement* image = dynamic_cast<CImageElement*>(child))
            image->StopAnimation();
    }
}

void CBrowser::ApplyPendingRegion()
{
    if (!m_shaped || !m_regionPending || m_tiled || !m_background || m_width <= 0 || m_height <= 0)
        return;
    HDC screen = GetDC(NULL);
    HDC pictureDC = CreateCompatibleDC(screen);
    HDC pageDC = CreateCompatibleDC(screen);
    HBITMAP page = CreateCompatibleBitmap(screen, m_width, m_height);
    HGDIOBJ oldPicture = SelectObject(pictureDC, m_background);
    HGDIOBJ oldPage = SelectObject(pageDC, page);
    SetStretchBltMode(pageDC, COLORONCOLOR);
    StretchBlt(pageDC, 0, 0, m_width, m_height, pictureDC, 0, 0, m_backgroundHeader.bmWidth,
               m_backgroundHeader.bmHeight, SRCCOPY);
    SelectObject(pageDC, oldPage);
    SelectObject(pictureDC, oldPicture);
    DeleteDC(pageDC);
    DeleteDC(pictureDC);
    ReleaseDC(NULL, screen);
    HRGN region = BuildWindowRegion(page, m_transColor, m_tolerance);
    DeleteObject(page);
    if (region && !SetWindowRgn(GetDrawingWindow(), region, TRUE))
        DeleteObject(region);
    m_regionPending = 0;
}

void CBrowser::DrawTiles(HDC dc, int pictureWidth, int pictureHeight)
{
    // Only the tiles that meet the part being painted: a small picture on a
    // large page would be millions of copies at every paint.
    RECT page = { 0, 0, m_width, m_height };
    RECT clip;
    if (GetClipBox(dc, &clip) == NULLREGION || !IntersectRect(&clip, &clip, &page))
        return;
    int firstX = clip.left - clip.left % pictureWidth;
    int firstY = clip.top - clip.top % pictureHeight;
    // Still many tiles of a tiny picture: one pattern fill does them all.
    LONGLONG tiles = (LONGLONG)((clip.right - firstX + pictureWidth - 1) / pictureWidth) *
                     ((clip.bottom - firstY + pictureHeight - 1) / pictureHeight);
    if (tiles > 256)
    {
        if (HBRUSH pattern = CreatePatternBrush(m_background))
        {
            // The pattern starts at the page's corner, wherever the
            // context puts it on its bitmap.
            POINT corner;
            GetViewportOrgEx(dc, &corner);
            POINT oldOrigin;
            SetBrushOrgEx(dc, (corner.x % pictureWidth + pictureWidth) % pictureWidth,
                          (corner.y % pictureHeight + pictureHeight) % pictureHeight, &oldOrigin);
            FillRect(dc, &clip, pattern);
            SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, NULL);
            DeleteObject(pattern);
            return;
        }
    }
    for (int x = firstX; x < clip.right; x += pictureWidth)
        for (int y = firstY; y < clip.bottom; y += pictureHeight)
            BitBlt(dc, x, y, pictureWidth, pictureHeight, m_memoryDC, 0, 0, SRCCOPY);
}

void CBrowser::DrawBackground(HDC dc)
{
    if (!m_memoryDC)
        m_memoryDC = CreateCompatibleDC(dc);
    if (!m_background || !m_memoryDC)
    {
        PatBlt(dc, 0, 0, m_width, m_height, WHITENESS);
        return;
    }
    HGDIOBJ old = SelectObject(m_memoryDC, m_background);
    int pictureWidth = m_backgroundHeader.bmWidth;
    int pictureHeight = m_backgroundHeader.bmHeight;
    if (m_seeThrough)
        BitBlt(dc, 0, 0, pictureWidth, pictureHeight, m_memoryDC, 0, 0, SRCCOPY);
    else if (!m_tiled)
    {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, m_width, m_height, m_memoryDC, 0, 0, pictureWidth, pictureHeight, SRCCOPY);
    }
    else if (pictureWidth > 0 && pictureHeight > 0)
        DrawTiles(dc, pictureWidth, pictureHeight);
    SelectObject(m_memoryDC, old);
    // After the picture leaves the memory context: a bitmap can be selected
    // into one context at a time, and the region is cut from its own copy.
    ApplyPendingRegion();
}

BOOL CBrowser::Draw(const CDrawContext& context)
{
    DrawBackground(context.dc);
    return CElementContainer::Draw(context);
}

} // namespace Tarvex
