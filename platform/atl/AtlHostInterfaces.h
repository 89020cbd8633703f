// The interfaces of ATL's control host that its headers declare and
// atl.dll's import library does not: the host window (which takes the
// external dispatch) and the ambient properties, a dual interface reached
// here through IDispatch. A host may answer neither.
#pragma once

#include <windows.h>
#include <ole2.h>

inline constexpr IID IID_IAxWinHostWindow = {
    0xB6EA2050, 0x048A, 0x11D1, { 0x82, 0xB9, 0x00, 0xC0, 0x4F, 0xB9, 0x94, 0x2E } };
inline constexpr IID IID_IAxWinAmbientDispatch = {
    0xB6EA2051, 0x048A, 0x11D1, { 0x82, 0xB9, 0x00, 0xC0, 0x4F, 0xB9, 0x94, 0x2E } };

struct IAxWinHostWindow : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE CreateControl(LPCOLESTR name, HWND window, IStream* stream) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateControlEx(LPCOLESTR name, HWND window, IStream* stream,
                                                      IUnknown** control, REFIID sinkIid, IUnknown* sink) = 0;
    virtual HRESULT STDMETHODCALLTYPE AttachControl(IUnknown* control, HWND window) = 0;
    virtual HRESULT STDMETHODCALLTYPE QueryControl(REFIID iid, void** object) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetExternalDispatch(IDispatch* external) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetExternalUIHandler(IUnknown* handler) = 0;
};
