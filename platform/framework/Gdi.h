// Device contexts and GDI objects. Each object owns the handle it creates
// and deletes it in its destructor; FromHandle gives a temporary wrapper
// that owns nothing and lives until the application's next idle time.
#pragma once

#include "platform/framework/Geometry.h"
#include "platform/framework/Object.h"

#include <windows.h>

class CWnd;

class CGdiObject : public CObject
{
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() : m_hObject(NULL) {}
    ~CGdiObject() override { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object) { m_hObject = object; return object != NULL; }
    HGDIOBJ Detach() { HGDIOBJ h = m_hObject; m_hObject = NULL; return h; }
    BOOL DeleteObject();
    int GetObject(int size, void* buffer) const { return ::GetObjectA(m_hObject, size, buffer); }
    BOOL CreateStockObject(int index) { DeleteObject(); m_hObject = ::GetStockObject(index); m_bStock = TRUE; return m_hObject != NULL; }

    static CGdiObject* FromHandle(HGDIOBJ object);

    HGDIOBJ m_hObject;

protected:
    BOOL m_bStock = FALSE;  // stock objects are never deleted
};

class CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen() {}
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }
    operator HPEN() const { return (HPEN)m_hObject; }
    static CPen* FromHandle(HPEN pen);
};

class CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() {}
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    BOOL CreateHatchBrush(int index, COLORREF color) { return Attach(::CreateHatchBrush(index, color)); }
    BOOL CreatePatternBrush(class CBitmap* bitmap);
    BOOL CreateSysColorBrush(int index);
    operator HBRUSH() const { return (HBRUSH)m_hObject; }
    static CBrush* FromHandle(HBRUSH brush);
};

class CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    BOOL CreateFontIndirect(const LOGFONTA* font) { return Attach(::CreateFontIndirectA(font)); }
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, const char* faceName)
    {
        return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                    charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
    }
    // pointSize in tenths of a point, for the screen.
    BOOL CreatePointFont(int pointSize, const char* faceName, class CDC* dc = NULL);
    int GetLogFont(LOGFONTA* font) const { return ::GetObjectA(m_hObject, sizeof(LOGFONTA), font); }
    operator HFONT() const { return (HFONT)m_hObject; }
    static CFont* FromHandle(HFONT font);
};

class CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    BOOL LoadBitmap(UINT id);
    BOOL LoadBitmap(const char* name);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
    {
        return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
    }
    BOOL CreateCompatibleBitmap(class CDC* dc, int width, int height);
    int GetBitmap(BITMAP* info) const { return ::GetObjectA(m_hObject, sizeof(BITMAP), info); }
    CSize GetBitmapDimension() const;
    operator HBITMAP() const { return (HBITMAP)m_hObject; }
    static CBitmap* FromHandle(HBITMAP bitmap);
};

class CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    BOOL CreatePalette(const LOGPALETTE* palette) { return Attach(::CreatePalette(palette)); }
    BOOL CreateHalftonePalette(class CDC* dc);
    int GetEntryCount() const { WORD n = 0; ::GetObjectA(m_hObject, sizeof(n), &n); return n; }
    UINT GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* entries) const
    {
        return ::GetPaletteEntries((HPALETTE)m_hObject, start, count, entries);
    }
    operator HPALETTE() const { return (HPALETTE)m_hObject; }
    static CPalette* FromHandle(HPALETTE palette);
};

class CRgn : public CGdiObject
{
    DECLARE_DYNAMIC(CRgn)
public:
    BOOL CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
    BOOL CreateRectRgnIndirect(const RECT* r) { return Attach(::CreateRectRgnIndirect(r)); }
    BOOL CreateEllipticRgn(int l, int t, int r, int b) { return Attach(::CreateEllipticRgn(l, t, r, b)); }
    BOOL CreatePolygonRgn(const POINT* points, int count, int mode) { return Attach(::CreatePolygonRgn(points, count, mode)); }
    int CombineRgn(const CRgn* a, const CRgn* b, int mode) { return ::CombineRgn((HRGN)m_hObject, (HRGN)a->m_hObject, b ? (HRGN)b->m_hObject : NULL, mode); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion((HRGN)m_hObject, x, y); }
    int GetRgnBox(RECT* r) const { return ::GetRgnBox((HRGN)m_hObject, r); }
    operator HRGN() const { return (HRGN)m_hObject; }
    static CRgn* FromHandle(HRGN region);
};

class CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)
public:
    CDC() : m_hDC(NULL) {}
    ~CDC() override;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC dc) { m_hDC = dc; return dc != NULL; }
    HDC Detach() { HDC dc = m_hDC; m_hDC = NULL; return dc; }
    BOOL CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : NULL)); }
    BOOL DeleteDC();
    static CDC* FromHandle(HDC dc);

    // Selection: the previous object comes back as a temporary wrapper.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    int SelectObject(CRgn* region) { return ::SelectClipRgn(m_hDC, region ? (HRGN)region->m_hObject : NULL); }
    CGdiObject* SelectObject(CGdiObject* object);
    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    CGdiObject* SelectStockObject(int index);
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }

    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // Coordinates
    int SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
    int GetMapMode() const { return ::GetMapMode(m_hDC); }
    CPoint SetViewportOrg(int x, int y) { POINT p; ::SetViewportOrgEx(m_hDC, x, y, &p); return p; }
    CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
    CPoint GetViewportOrg() const { POINT p; ::GetViewportOrgEx(m_hDC, &p); return p; }
    CPoint OffsetViewportOrg(int dx, int dy) { POINT p; ::OffsetViewportOrgEx(m_hDC, dx, dy, &p); return p; }
    CPoint SetWindowOrg(int x, int y) { POINT p; ::SetWindowOrgEx(m_hDC, x, y, &p); return p; }
    CPoint GetWindowOrg() const { POINT p; ::GetWindowOrgEx(m_hDC, &p); return p; }
    BOOL LPtoDP(POINT* points, int count = 1) const { return ::LPtoDP(m_hDC, points, count); }
    BOOL LPtoDP(RECT* r) const { return ::LPtoDP(m_hDC, (POINT*)r, 2); }
    BOOL DPtoLP(POINT* points, int count = 1) const { return ::DPtoLP(m_hDC, points, count); }
    BOOL DPtoLP(RECT* r) const { return ::DPtoLP(m_hDC, (POINT*)r, 2); }

    // Clipping
    int GetClipBox(RECT* r) const { return ::GetClipBox(m_hDC, r); }
    int IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }
    int IntersectClipRect(const RECT* r) { return ::IntersectClipRect(m_hDC, r->left, r->top, r->right, r->bottom); }
    int ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
    int ExcludeClipRect(const RECT* r) { return ::ExcludeClipRect(m_hDC, r->left, r->top, r->right, r->bottom); }
    int SelectClipRgn(CRgn* region) { return SelectObject(region); }
    BOOL RectVisible(const RECT* r) const { return ::RectVisible(m_hDC, r); }

    // Colours and modes
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int SetROP2(int mode) { return ::SetROP2(m_hDC, mode); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }

    // Drawing
    CPoint MoveTo(int x, int y) { POINT p; ::MoveToEx(m_hDC, x, y, &p); return p; }
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT p) { return ::LineTo(m_hDC, p.x, p.y); }
    BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
    BOOL Polygon(const POINT* points, int count) { return ::Polygon(m_hDC, points, count); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(const RECT* r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
    BOOL RoundRect(const RECT* r, POINT corner) { return ::RoundRect(m_hDC, r->left, r->top, r->right, r->bottom, corner.x, corner.y); }
    BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
    BOOL Ellipse(const RECT* r) { return ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom); }
    void FillRect(const RECT* r, CBrush* brush) { ::FillRect(m_hDC, r, (HBRUSH)brush->m_hObject); }
    void FillSolidRect(const RECT* r, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FrameRect(const RECT* r, CBrush* brush) { ::FrameRect(m_hDC, r, (HBRUSH)brush->m_hObject); }
    void InvertRect(const RECT* r) { ::InvertRect(m_hDC, r); }
    void DrawFocusRect(const RECT* r) { ::DrawFocusRect(m_hDC, r); }
    BOOL DrawEdge(RECT* r, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, r, edge, flags); }
    void Draw3dRect(const RECT* r, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL FillRgn(CRgn* region, CBrush* brush) { return ::FillRgn(m_hDC, (HRGN)region->m_hObject, (HBRUSH)brush->m_hObject); }
    BOOL PaintRgn(CRgn* region) { return ::PaintRgn(m_hDC, (HRGN)region->m_hObject); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL DrawIcon(POINT p, HICON icon) { return ::DrawIcon(m_hDC, p.x, p.y, icon); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
    BOOL PatBlt(int x, int y, int w, int h, DWORD rop) { return ::PatBlt(m_hDC, x, y, w, h, rop); }
    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, w, h, src ? src->m_hDC : NULL, sx, sy, rop);
    }
    BOOL StretchBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, int sw, int sh, DWORD rop)
    {
        return ::StretchBlt(m_hDC, x, y, w, h, src ? src->m_hDC : NULL, sx, sy, sw, sh, rop);
    }

    // Text
    BOOL TextOut(int x, int y, const char* text, int count) { return ::TextOutA(m_hDC, x, y, text, count); }
    BOOL TextOut(int x, int y, const char* text);
    int DrawText(const char* text, int count, RECT* r, UINT format) { return ::DrawTextA(m_hDC, text, count, r, format); }
    int DrawText(const char* text, RECT* r, UINT format) { return ::DrawTextA(m_hDC, text, -1, r, format); }
    CSize GetTextExtent(const char* text, int count) const;
    CSize GetTextExtent(const char* text) const;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }
    UINT SetTextAlign(UINT flags) { return ::SetTextAlign(m_hDC, flags); }

    HDC m_hDC;

private:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
};

// BeginPaint in the constructor, EndPaint in the destructor.
class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// GetDC in the constructor, ReleaseDC in the destructor.
class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// GetWindowDC in the constructor, ReleaseDC in the destructor.
class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
