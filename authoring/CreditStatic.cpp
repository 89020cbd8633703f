#include "authoring/CreditStatic.h"

#include "platform/framework/ResourceLoad.h"
#include "platform/framework/WinApp.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CCreditStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// Where the text layer shows the background through.
const COLORREF kKey = RGB(255, 0, 255);
// Light grey in pictures lets the background through when transparent.
const COLORREF kPictureClear = RGB(192, 192, 192);

HFONT MakeFont(int height, bool bold)
{
    return ::CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                         VARIABLE_PITCH | FF_SWISS, "Arial");
}

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps)
{
    int r = GetRValue(from) + (GetRValue(to) - GetRValue(from)) * step / steps;
    int g = GetGValue(from) + (GetGValue(to) - GetGValue(from)) * step / steps;
    int b = GetBValue(from) + (GetBValue(to) - GetBValue(from)) * step / steps;
    return RGB(r, g, b);
}
}

CCreditStatic::CCreditStatic()
    : m_nCurrentLine(0), m_nCurrentSpeed(1), m_nScrollAmount(-1), m_nCurrentHeight(15), m_nCounter(1),
      m_bNewLine(true), m_bFirstTurn(true), m_nGradient(0), m_bTransparent(FALSE),
      m_bScrolling(false), m_hLayer(NULL), m_layerWidth(0), m_layerHeight(0), m_hPicture(NULL)
{
    m_colors[0] = RGB(0, 0, 0);
    m_colors[1] = RGB(66, 66, 200);
    m_colors[2] = RGB(255, 255, 0);
    m_colors[3] = RGB(66, 66, 200);
    m_colors[4] = RGB(255, 255, 255);
    const int heights[4] = { 21, 19, 17, 15 };
    std::copy(heights, heights + 4, m_heights);
    const int speeds[3] = { 70, 40, 10 };
    std::copy(speeds, speeds + 3, m_speeds);
}

CCreditStatic::~CCreditStatic()
{
    DropPicture();
    if (m_hLayer != NULL)
        ::DeleteObject(m_hLayer);
}

BOOL CCreditStatic::SetCredits(const char* text, char separator)
{
    if (text == NULL)
        return FALSE;
    m_lines.clear();
    std::string all(text);
    size_t start = 0;
    for (;;)
    {
        size_t at = all.find(separator, start);
        if (at == std::string::npos)
        {
            m_lines.push_back(all.substr(start));
            break;
        }
        m_lines.push_back(all.substr(start, at - start));
        start = at + 1;
    }
    m_nCurrentLine = 0;
    return TRUE;
}

void CCreditStatic::SetSpeed(UINT index, int ms)
{
    if (index > 2)
        return;
    if (ms != 0)
        m_speeds[index] = ms;
    m_nCurrentSpeed = index;
}

void CCreditStatic::SetColor(UINT index, COLORREF colour)
{
    if (index < 5)
        m_colors[index] = colour;
}

void CCreditStatic::SetGradient(int mode)
{
    m_nGradient = (mode >= 0 && mode <= 4) ? mode : 0;
}

CCreditStatic::LineKind CCreditStatic::KindOf(const std::string& line)
{
    // An empty line is normal text: there is no last character to read.
    if (line.empty())
        return kNormal;
    switch (line.back())
    {
    case '\t': return kTitle;
    case '\n': return kGroup;
    case '\r': return kGroupTitle;
    case '^': return kPicture;
    default: return kNormal;
    }
}

void CCreditStatic::DropPicture()
{
    if (m_hPicture != NULL)
        ::DeleteObject(m_hPicture);
    m_hPicture = NULL;
    m_pictureName.clear();
}

BOOL CCreditStatic::StartScrolling()
{
    if (m_lines.empty())
        return FALSE;
    DropPicture();
    SetTimer(kTimerId, m_speeds[m_nCurrentSpeed]);
    m_nCurrentLine = 0;
    m_nCounter = 1;
    m_bNewLine = true;
    m_bFirstTurn = true;
    m_nCurrentHeight = HeightOf(m_lines[0]);
    m_bScrolling = true;
    return TRUE;
}

void CCreditStatic::EndScrolling()
{
    if (m_bScrolling && m_hWnd != NULL)
        KillTimer(kTimerId);
    m_bScrolling = false;
}

int CCreditStatic::HeightOf(const std::string& line)
{
    switch (KindOf(line))
    {
    case kTitle: return m_heights[0];
    case kGroup: return m_heights[1];
    case kGroupTitle: return m_heights[2];
    case kPicture:
    {
        if (m_pictureName != line)
        {
            DropPicture();
            std::string name = line.substr(0, line.size() - 1);
            int id = atoi(name.c_str());
            m_hPicture = id > 0 ? AfxLoadDib((UINT)id) : AfxLoadDib(name.c_str());
            m_pictureName = line;
        }
        BITMAP bm;
        if (m_hPicture != NULL && ::GetObjectA(m_hPicture, sizeof(bm), &bm))
            return bm.bmHeight > 0 ? bm.bmHeight : m_heights[3];
        return m_heights[3];
    }
    default: return m_heights[3];
    }
}

void CCreditStatic::EnsureLayer(int width, int height)
{
    if (m_hLayer != NULL && m_layerWidth == width && m_layerHeight == height)
        return;
    if (m_hLayer != NULL)
        ::DeleteObject(m_hLayer);
    HDC screen = ::GetDC(m_hWnd);
    m_hLayer = ::CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
    ::ReleaseDC(m_hWnd, screen);
    m_layerWidth = width;
    m_layerHeight = height;
    HDC mem = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(mem, m_hLayer);
    HBRUSH key = ::CreateSolidBrush(kKey);
    RECT all = { 0, 0, width, height };
    ::FillRect(mem, &all, key);
    ::DeleteObject(key);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
}

void CCreditStatic::DrawLineInto(HDC dc, const std::string& line, const RECT& rect)
{
    LineKind kind = KindOf(line);
    if (kind == kPicture)
    {
        BITMAP bm;
        if (m_hPicture == NULL || !::GetObjectA(m_hPicture, sizeof(bm), &bm))
            return;
        HDC pic = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(pic, m_hPicture);
        int x = (rect.left + rect.right - bm.bmWidth) / 2;
        if (m_bTransparent)
            ::TransparentBlt(dc, x, rect.top, bm.bmWidth, bm.bmHeight, pic, 0, 0, bm.bmWidth, bm.bmHeight, kPictureClear);
        else
            ::BitBlt(dc, x, rect.top, bm.bmWidth, bm.bmHeight, pic, 0, 0, SRCCOPY);
        ::SelectObject(pic, old);
        ::DeleteDC(pic);
        return;
    }
    std::string text = line;
    if (kind != kNormal)
        text.pop_back();
    int index = kind == kTitle ? 1 : kind == kGroup ? 2 : kind == kGroupTitle ? 3 : 4;
    int height = kind == kTitle ? m_heights[0] : kind == kGroup ? m_heights[1]
               : kind == kGroupTitle ? m_heights[2] : m_heights[3];
    HFONT font = MakeFont(height, kind != kNormal);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_colors[index]);
    RECT r = rect;
    ::DrawTextA(dc, text.c_str(), (int)text.size(), &r, DT_NOPREFIX | DT_SINGLELINE | DT_CENTER | DT_TOP);
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
}

void CCreditStatic::FillBackground(HDC dc, int width, int height)
{
    if (m_nGradient == 0)
    {
        HBRUSH brush = ::CreateSolidBrush(m_colors[0]);
        RECT all = { 0, 0, width, height };
        ::FillRect(dc, &all, brush);
        ::DeleteObject(brush);
        return;
    }
    COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255), colour = m_colors[0];
    COLORREF from = m_nGradient <= 2 ? colour : (m_nGradient == 3 ? black : white);
    COLORREF to = m_nGradient == 1 ? black : m_nGradient == 2 ? white : colour;
    for (int band = 0; band < 256; ++band)
    {
        RECT r = { width * band / 256, 0, width * (band + 1) / 256, height };
        if (r.right <= r.left)
            continue;
        HBRUSH brush = ::CreateSolidBrush(Blend(from, to, band, 255));
        ::FillRect(dc, &r, brush);
        ::DeleteObject(brush);
    }
}

void CCreditStatic::Compose(HDC target, int width, int height)
{
    HDC mem = ::CreateCompatibleDC(target);
    HBITMAP frame = ::CreateCompatibleBitmap(target, std::max(width, 1), std::max(height, 1));
    HGDIOBJ oldFrame = ::SelectObject(mem, frame);
    FillBackground(mem, width, height);
    HDC layer = ::CreateCompatibleDC(target);
    HGDIOBJ oldLayer = ::SelectObject(layer, m_hLayer);
    ::TransparentBlt(mem, 0, 0, width, height, layer, 0, 0, width, height, kKey);
    ::BitBlt(target, 0, 0, width, height, mem, 0, 0, SRCCOPY);
    ::SelectObject(layer, oldLayer);
    ::DeleteDC(layer);
    ::SelectObject(mem, oldFrame);
    ::DeleteObject(frame);
    ::DeleteDC(mem);
}

void CCreditStatic::Step()
{
    if (m_lines.empty())
        return;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    int width = client.right, height = client.bottom;
    EnsureLayer(width, height);

    ++m_nCounter;
    if (m_nCounter >= m_nCurrentHeight)
    {
        m_nCounter = 1;
        ++m_nCurrentLine;
        if (m_nCurrentLine >= (int)m_lines.size())
        {
            m_nCurrentLine = 0;
            m_bFirstTurn = false;
        }
        m_nCurrentHeight = HeightOf(m_lines[m_nCurrentLine]);
        m_bNewLine = true;
    }

    HDC mem = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(mem, m_hLayer);
    ::ScrollDC(mem, 0, m_nScrollAmount, NULL, NULL, NULL, NULL);
    // The line being scrolled in is drawn again at its new place each step;
    // what lies below its top is cleared first.
    int top = height - m_nCounter;
    RECT strip = { 0, top, width, height };
    HBRUSH key = ::CreateSolidBrush(kKey);
    ::FillRect(mem, &strip, key);
    ::DeleteObject(key);
    // Lines and pictures are centred across the client.
    RECT line = { 0, top, width, top + m_nCurrentHeight };
    DrawLineInto(mem, m_lines[m_nCurrentLine], line);
    m_bNewLine = false;
    ::SelectObject(mem, old);
    ::DeleteDC(mem);

    HDC dc = ::GetDC(m_hWnd);
    Compose(dc, width, height);
    ::ReleaseDC(m_hWnd, dc);
}

void CCreditStatic::OnTimer(UINT_PTR id)
{
    if (id != kTimerId)
    {
        Default();
        return;
    }
    Step();
}

void CCreditStatic::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    // Once the timer runs, the steps do the drawing.
    if (!m_bScrolling)
    {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        EnsureLayer(client.right, client.bottom);
        Compose(dc, client.right, client.bottom);
    }
    ::EndPaint(m_hWnd, &ps);
}

BOOL CCreditStatic::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CCreditStatic::OnDestroy()
{
    EndScrolling();
    CStatic::OnDestroy();
    m_lines.clear();
}
