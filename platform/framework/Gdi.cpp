#include "platform/framework/Gdi.h"

#include "platform/framework/TempMap.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/Wnd.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

HGDIOBJ& AfxHandleOf(CGdiObject* object) { return object->m_hObject; }
HDC& AfxHandleOf(CDC* dc) { return dc->m_hDC; }

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    BOOL done = m_bStock ? TRUE : ::DeleteObject(m_hObject);
    m_hObject = NULL;
    m_bStock = FALSE;
    return done;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) { return AfxTempObject<CGdiObject>(object); }
CPen* CPen::FromHandle(HPEN pen) { return AfxTempObject<CPen>(pen); }
CBrush* CBrush::FromHandle(HBRUSH brush) { return AfxTempObject<CBrush>(brush); }
CFont* CFont::FromHandle(HFONT font) { return AfxTempObject<CFont>(font); }
CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return AfxTempObject<CBitmap>(bitmap); }
CPalette* CPalette::FromHandle(HPALETTE palette) { return AfxTempObject<CPalette>(palette); }
CRgn* CRgn::FromHandle(HRGN region) { return AfxTempObject<CRgn>(region); }
CDC* CDC::FromHandle(HDC dc) { return AfxTempObject<CDC>(dc); }

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap)
{
    return Attach(::CreatePatternBrush((HBITMAP)bitmap->m_hObject));
}

BOOL CBrush::CreateSysColorBrush(int index)
{
    DeleteObject();
    m_bStock = TRUE;  // system colour brushes belong to the system
    return Attach(::GetSysColorBrush(index));
}

BOOL CFont::CreatePointFont(int pointSize, const char* faceName, CDC* dc)
{
    HDC screen = ::GetDC(NULL);
    LOGFONTA font = {};
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = -MulDiv(pointSize, ::GetDeviceCaps(dc ? dc->m_hDC : screen, LOGPIXELSY), 720);
    ::ReleaseDC(NULL, screen);
    strncpy(font.lfFaceName, faceName ? faceName : "", LF_FACESIZE - 1);
    return CreateFontIndirect(&font);
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
}

BOOL CBitmap::LoadBitmap(const char* name)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), name));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = { 0, 0 };
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CPalette::CreateHalftonePalette(CDC* dc)
{
    return Attach(::CreateHalftonePalette(dc->m_hDC));
}

CDC::~CDC()
{
    DeleteDC();
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    BOOL done = ::DeleteDC(m_hDC);
    m_hDC = NULL;
    return done;
}

CPen* CDC::SelectObject(CPen* pen) { return CPen::FromHandle((HPEN)::SelectObject(m_hDC, pen->m_hObject)); }
CBrush* CDC::SelectObject(CBrush* brush) { return CBrush::FromHandle((HBRUSH)::SelectObject(m_hDC, brush->m_hObject)); }
CFont* CDC::SelectObject(CFont* font) { return CFont::FromHandle((HFONT)::SelectObject(m_hDC, font->m_hObject)); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) { return CBitmap::FromHandle((HBITMAP)::SelectObject(m_hDC, bitmap->m_hObject)); }
CGdiObject* CDC::SelectObject(CGdiObject* object) { return CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject)); }
CGdiObject* CDC::SelectStockObject(int index) { return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index))); }

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground)
{
    return CPalette::FromHandle(::SelectPalette(m_hDC, (HPALETTE)palette->m_hObject, forceBackground));
}

void CDC::FillSolidRect(const RECT* r, COLORREF color)
{
    COLORREF old = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, r, NULL, 0, NULL);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    RECT r = { x, y, x + cx, y + cy };
    FillSolidRect(&r, color);
}

void CDC::Draw3dRect(const RECT* r, COLORREF topLeft, COLORREF bottomRight)
{
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::TextOut(int x, int y, const char* text)
{
    return ::TextOutA(m_hDC, x, y, text, (int)strlen(text));
}

CSize CDC::GetTextExtent(const char* text, int count) const
{
    SIZE size = { 0, 0 };
    ::GetTextExtentPoint32A(m_hDC, text, count, &size);
    return size;
}

CSize CDC::GetTextExtent(const char* text) const
{
    return GetTextExtent(text, (int)strlen(text));
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : NULL)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : NULL)
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
