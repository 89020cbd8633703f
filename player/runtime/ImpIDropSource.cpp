#include "player/runtime/ImpIDropSource.h"

namespace Tarvex {

CImpIDropSource::CImpIDropSource()
    : CComObjectBase<IDropSource, IID_IDropSource>(0)
{
}

CImpIDropSource::~CImpIDropSource()
{
}

STDMETHODIMP CImpIDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if (keyState & MK_LBUTTON)
        return S_OK;
    return DRAGDROP_S_DROP;
}

STDMETHODIMP CImpIDropSource::GiveFeedback(DWORD effect)
{
    (void)effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

} // namespace Tarvex
