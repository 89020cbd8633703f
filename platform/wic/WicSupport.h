// Holders shared by our decoding DLLs: a COM apartment that works whether
// the caller has one or not, an owning COM pointer, and the WIC factory.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <wincodec.h>
#include <string>

namespace wic {

// Joins the caller's apartment when it has one; otherwise opens one for
// the duration and closes it again.
class ComApartment
{
public:
    ComApartment()
    {
        HRESULT hr = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        m_owned = SUCCEEDED(hr);   // S_FALSE also takes a reference
    }
    ~ComApartment()
    {
        if (m_owned)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_owned;
};

template <class T>
class ComPtr
{
public:
    ComPtr() : m_p(NULL) {}
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    T** Out() { Reset(); return &m_p; }
    explicit operator bool() const { return m_p != NULL; }
    void Reset()
    {
        if (m_p)
            m_p->Release();
        m_p = NULL;
    }

private:
    T* m_p;
};

inline HRESULT CreateFactory(ComPtr<IWICImagingFactory>& factory)
{
    return CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                            IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()));
}

// Callers pass ANSI paths; WIC wants wide ones.
inline std::wstring WidePath(const char* path)
{
    int n = MultiByteToWideChar(CP_ACP, 0, path, -1, NULL, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path, -1, &wide[0], n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

inline HRESULT OpenDecoder(IWICImagingFactory* factory, const char* path,
                           ComPtr<IWICBitmapDecoder>& decoder)
{
    if (!path || !*path)
        return E_INVALIDARG;
    std::wstring wide = WidePath(path);
    if (wide.empty())
        return E_INVALIDARG;
    return factory->CreateDecoderFromFilename(wide.c_str(), NULL, GENERIC_READ,
                                              WICDecodeMetadataCacheOnLoad, decoder.Out());
}

} // namespace wic
