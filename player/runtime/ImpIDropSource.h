// CImpIDropSource: tells OLE's drag loop when a drag out of the player
// drops or is cancelled.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace Tarvex {

class CImpIDropSource final : public IDropSource
{
public:
    // The count of references starts at 0: the first QueryInterface holds it.
    CImpIDropSource();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // DRAGDROP_S_CANCEL on Esc, S_OK while the left button is down,
    // DRAGDROP_S_DROP once it is up.
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    // The system's drag cursors.
    STDMETHODIMP GiveFeedback(DWORD effect) override;

private:
    ~CImpIDropSource();
    CImpIDropSource(const CImpIDropSource&);
    CImpIDropSource& operator=(const CImpIDropSource&);

    LONG m_references;
};

} // namespace Tarvex
