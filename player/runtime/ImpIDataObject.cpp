#include "player/runtime/ImpIDataObject.h"

#include "player/runtime/EnumFormatEtc.h"

#include <new>
#include <shlobj.h>
#include <string.h>

namespace Tarvex {

HGLOBAL CreateDropFilesBlock(const char* path)
{
    // Sized from the path: a fixed block of 260 bytes for the name would be
    // overrun by a longer one.
    const size_t length = strlen(path);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, sizeof(DROPFILES) + length + 2);
    if (!block)
        return NULL;
    BYTE* bytes = static_cast<BYTE*>(GlobalLock(block));
    if (!bytes)
    {
        GlobalFree(block);
        return NULL;
    }
    DROPFILES* header = reinterpret_cast<DROPFILES*>(bytes);
    header->pFiles = sizeof(DROPFILES);
    // Copied as bytes, never formatted: a '%' in the path stays a '%'.
    memcpy(bytes + sizeof(DROPFILES), path, length);
    GlobalUnlock(block);
    return block;
}

CImpIDataObject::CImpIDataObject(const char* path)
    : CComObjectBase<IDataObject, IID_IDataObject>(1), m_count(0), m_path(path)
{
    memset(m_formats, 0, sizeof(m_formats));
    memset(m_media, 0, sizeof(m_media));
}

CImpIDataObject::~CImpIDataObject()
{
    for (int i = 0; i < m_count; ++i)
    {
        FreeFormatEtc(m_formats[i]);
        ReleaseStgMedium(&m_media[i]);
    }
}

STDMETHODIMP CImpIDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (!format || !medium)
        return E_INVALIDARG;
    // The whole medium, not only its handle: a release object the caller
    // left in it would be called by the receiver's ReleaseStgMedium.
    medium->tymed = TYMED_NULL;
    medium->hGlobal = NULL;
    medium->pUnkForRelease = NULL;
    for (int i = 0; i < m_count; ++i)
    {
        const FORMATETC& stored = m_formats[i];
        if (!(stored.tymed & format->tymed) || stored.dwAspect != format->dwAspect ||
            stored.cfFormat != format->cfFormat || stored.cfFormat != CF_HDROP)
            continue;
        HGLOBAL block = CreateDropFilesBlock(m_path);
        // Answering S_OK with no block would hand the receiver nothing as
        // if it were the file list.
        if (!block)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        return S_OK;
    }
    return DV_E_FORMATETC;
}

STDMETHODIMP CImpIDataObject::GetDataHere(FORMATETC* format, STGMEDIUM* medium)
{
    return format && medium ? E_NOTIMPL : E_INVALIDARG;
}

STDMETHODIMP CImpIDataObject::QueryGetData(FORMATETC* format)
{
    if (!format)
        return S_FALSE;
    if (!(format->dwAspect & DVASPECT_CONTENT))
        return DV_E_DVASPECT;
    for (int i = 0; i < m_count; ++i)
    {
        if (m_formats[i].cfFormat == format->cfFormat && (m_formats[i].tymed & format->tymed))
            return S_OK;
    }
    return DV_E_TYMED;
}

STDMETHODIMP CImpIDataObject::GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical)
{
    (void)format;
    (void)canonical;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP CImpIDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release)
{
    if (!release)
        return E_FAIL;
    // Either one missing, not only both: the other would be read through NULL.
    if (!format || !medium)
        return E_INVALIDARG;
    int slot = 0;
    while (slot < m_count && m_formats[slot].cfFormat != format->cfFormat)
        ++slot;
    if (slot == kMaxFormats)
        return E_OUTOFMEMORY;
    FORMATETC copy;
    if (!CopyFormatEtc(copy, *format))
        return E_OUTOFMEMORY;
    // One entry per format, its old medium released: overwriting it and
    // appending the new pair as well leaks the old medium and holds the new
    // one twice, to be freed twice.
    if (slot < m_count)
    {
        FreeFormatEtc(m_formats[slot]);
        ReleaseStgMedium(&m_media[slot]);
    }
    else
    {
        ++m_count;
    }
    m_formats[slot] = copy;
    m_media[slot] = *medium;
    return S_OK;
}

STDMETHODIMP CImpIDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats)
{
    if (!formats)
        return E_INVALIDARG;
    *formats = NULL;
    if (direction != DATADIR_GET)
        return OLE_S_USEREG;
    CEnumFormatEtc* enumerator = new (std::nothrow) CEnumFormatEtc(m_formats, (ULONG)m_count);
    if (!enumerator)
        return E_OUTOFMEMORY;
    enumerator->AddRef();
    *formats = enumerator;
    return S_OK;
}

STDMETHODIMP CImpIDataObject::DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection)
{
    (void)format;
    (void)flags;
    (void)sink;
    (void)connection;
    return E_NOTIMPL;
}

STDMETHODIMP CImpIDataObject::DUnadvise(DWORD connection)
{
    (void)connection;
    return E_NOTIMPL;
}

STDMETHODIMP CImpIDataObject::EnumDAdvise(IEnumSTATDATA** advise)
{
    (void)advise;
    return OLE_E_ADVISENOTSUPPORTED;
}

} // namespace Tarvex
