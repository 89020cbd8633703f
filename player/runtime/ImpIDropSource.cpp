#include "ImpIDropSource.h"

namespace Tarvex {

CImpIDropSource::CImpIDropSource()
    : m_references(0)
{
}

CImpIDropSource::~CImpIDropSource()
{
}

STDMETHODIMP CImpIDropSource::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource))
    {
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }
    *object = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CImpIDropSource::AddRef()
{
    return (ULONG)InterlockedIncrement(&m_references);
}

STDMETHODIMP_(ULONG) CImpIDropSource::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return (ULONG)references;
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
