// CImpIDropSource: tells OLE's drag loop when a drag out of the player
// drops or is cancelled.
#pragma once

#include "player/runtime/ComObject.h"

namespace Tarvex {

class CImpIDropSource final : public CComObjectBase<IDropSource, IID_IDropSource>
{
public:
    // The count of references starts at 0: the first QueryInterface holds it.
    CImpIDropSource();

    // DRAGDROP_S_CANCEL on Esc, S_OK while the left button is down,
    // DRAGDROP_S_DROP once it is up.
    STDMETHODIMP QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    // The system's drag cursors.
    STDMETHODIMP GiveFeedback(DWORD effect) override;

private:
    ~CImpIDropSource() override;
};

} // namespace Tarvex
