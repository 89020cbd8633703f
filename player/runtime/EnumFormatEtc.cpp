#include "player/runtime/EnumFormatEtc.h"

#include <new>
#include <string.h>

namespace Tarvex {

BOOL CopyFormatEtc(FORMATETC& to, const FORMATETC& from)
{
    to = from;
    if (!from.ptd)
        return TRUE;
    // The device belongs to whoever passed it in and is freed by whoever
    // receives it: a shared pointer would be freed twice or dangle.
    to.ptd = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(from.ptd->tdSize));
    if (!to.ptd)
        return FALSE;
    memcpy(to.ptd, from.ptd, from.ptd->tdSize);
    return TRUE;
}

void FreeFormatEtc(FORMATETC& format)
{
    CoTaskMemFree(format.ptd);
    format.ptd = NULL;
}

CEnumFormatEtc::CEnumFormatEtc(const FORMATETC* formats, ULONG count, ULONG position)
    : CComObjectBase<IEnumFORMATETC, IID_IEnumFORMATETC>(0), m_position(0)
{
    m_formats.reserve(count);
    for (ULONG i = 0; i < count; ++i)
    {
        FORMATETC copy;
        if (CopyFormatEtc(copy, formats[i]))
            m_formats.push_back(copy);
    }
    m_position = position < m_formats.size() ? position : (ULONG)m_formats.size();
}

CEnumFormatEtc::~CEnumFormatEtc()
{
    for (FORMATETC& format : m_formats)
        FreeFormatEtc(format);
}

STDMETHODIMP CEnumFormatEtc::Next(ULONG count, FORMATETC* formats, ULONG* fetched)
{
    if (fetched)
        *fetched = 0;
    const ULONG total = (ULONG)m_formats.size();
    if (count == 0 || !formats || m_position >= total)
        return S_FALSE;
    if (!fetched && count != 1)
        return S_FALSE;
    ULONG copied = 0;
    while (copied < count && m_position < total)
    {
        if (!CopyFormatEtc(formats[copied], m_formats[m_position]))
            break;
        ++copied;
        ++m_position;
    }
    if (fetched)
        *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

STDMETHODIMP CEnumFormatEtc::Skip(ULONG count)
{
    // Compared as what is left, so that a huge count cannot wrap around.
    if (count < m_formats.size() - m_position)
    {
        m_position += count;
        return S_OK;
    }
    return S_FALSE;
}

STDMETHODIMP CEnumFormatEtc::Reset()
{
    m_position = 0;
    return S_OK;
}

STDMETHODIMP CEnumFormatEtc::Clone(IEnumFORMATETC** clone)
{
    if (!clone)
        return S_FALSE;
    CEnumFormatEtc* copy = new (std::nothrow)
        CEnumFormatEtc(m_formats.empty() ? NULL : &m_formats[0], (ULONG)m_formats.size(), m_position);
    if (!copy)
    {
        *clone = NULL;
        return E_OUTOFMEMORY;
    }
    copy->AddRef();
    *clone = copy;
    return S_OK;
}

} // namespace Tarvex
