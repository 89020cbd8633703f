// The exports of the system's atl.dll that our programs call. The import
// library comes from atl.def (target atlimport).
#pragma once

#include <windows.h>
#include <ole2.h>

extern "C" {
HRESULT WINAPI AtlAdvise(IUnknown* container, IUnknown* sink, const IID& iid, DWORD* cookie);
HRESULT WINAPI AtlUnadvise(IUnknown* container, const IID& iid, DWORD cookie);
BOOL WINAPI AtlAxWinInit(void);
HRESULT WINAPI AtlAxCreateControlEx(LPCOLESTR name, HWND window, IStream* stream,
                                    IUnknown** container, IUnknown** control,
                                    const IID& sinkIid, IUnknown* sink);
HRESULT WINAPI AtlAxAttachControl(IUnknown* control, HWND window, IUnknown** container);
HRESULT WINAPI AtlAxGetControl(HWND window, IUnknown** control);
HRESULT WINAPI AtlAxGetHost(HWND window, IUnknown** host);
}
