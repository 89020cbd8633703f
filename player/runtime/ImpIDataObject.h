// CImpIDataObject: what a drag out of the player carries, one file as a
// shell file list (CF_HDROP).
#pragma once

#include "model/common/Str.h"

#include "player/runtime/ComObject.h"

namespace Tarvex {

// A new shareable block of a DROPFILES header and the path as 8-bit text,
// ending the list with a second zero; NULL when it cannot be allocated.
// The receiver owns it.
HGLOBAL CreateDropFilesBlock(const char* path);

class CImpIDataObject final : public CComObjectBase<IDataObject, IID_IDataObject>
{
public:
    // The count of references starts at 1, held by the creator.
    explicit CImpIDataObject(const char* path);

    // A new file-list block for a stored CF_HDROP format of a shared tymed
    // and the same aspect; else DV_E_FORMATETC.
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    // Takes the medium (release must be TRUE); one entry per clipboard
    // format, up to five.
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP DUnadvise(DWORD connection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advise) override;

private:
    ~CImpIDataObject() override;

    enum { kMaxFormats = 5 };

    FORMATETC m_formats[kMaxFormats];
    STGMEDIUM m_media[kMaxFormats];
    int m_count;
    // A copy, not the action's: a drop target may keep the object after
    // the action and its page are gone.
    CStr m_path;
};

} // namespace Tarvex
