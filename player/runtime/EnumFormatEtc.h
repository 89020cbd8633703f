// CEnumFormatEtc: the list of formats a drag's data object offers, walked
// by the drop target.
#pragma once

#include "player/runtime/ComObject.h"

#include <vector>

namespace Tarvex {

// A copy of a FORMATETC whose target device, when it has one, is a copy of
// its own (CoTaskMemAlloc); FALSE when that copy cannot be made.
BOOL CopyFormatEtc(FORMATETC& to, const FORMATETC& from);
// Frees what CopyFormatEtc allocated.
void FreeFormatEtc(FORMATETC& format);

class CEnumFormatEtc final : public CComObjectBase<IEnumFORMATETC, IID_IEnumFORMATETC>
{
public:
    // Copies the formats; the count of references starts at 0.
    CEnumFormatEtc(const FORMATETC* formats, ULONG count, ULONG position = 0);

    STDMETHODIMP Next(ULONG count, FORMATETC* formats, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumFORMATETC** clone) override;

private:
    ~CEnumFormatEtc() override;

    std::vector<FORMATETC> m_formats;
    ULONG m_position;
};

} // namespace Tarvex
