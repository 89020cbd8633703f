#include "player/runtime/DispDynEventImpl.h"

#include "player/runtime/ActiveXElement.h"
#include "platform/atl/AtlImports.h"
#include "player/runtime/BrowserDocument.h"
#include "model/store/ControlInterfaces.h"
#include "player/runtime/VariableScopes.h"

#include <olectl.h>

namespace Tarvex {

DispDynEventImpl::DispDynEventImpl(CActiveXElement* owner) : m_owner(owner), m_cookie(kNoConnection)
{
}

DispDynEventImpl::~DispDynEventImpl()
{
}

BOOL DispDynEventImpl::AnswersInterface(REFIID iid) const
{
    const GUID& events = m_eventMembers.GetGuid();
    return !IsEqualGUID(events, GUID_NULL) && IsEqualIID(iid, events);
}

STDMETHODIMP DispDynEventImpl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids)
{
    (void)iid;
    (void)names;
    (void)count;
    (void)locale;
    (void)ids;
    return E_NOTIMPL;
}

HRESULT DispDynEventImpl::Advise(IUnknown* control)
{
    if (!control)
        return E_POINTER;
    IOleObject* object = NULL;
    if (SUCCEEDED(control->QueryInterface(IID_IOleObject, (void**)&object)) && object)
    {
        ReadControlInterfaces(object, NULL, &m_eventMembers);
        object->Release();
    }
    else
        ReadControlInterfaces(control, NULL, &m_eventMembers);
    if (IsEqualGUID(m_eventMembers.GetGuid(), GUID_NULL))
        return CONNECT_E_NOCONNECTION;
    DWORD cookie = 0;
    HRESULT hr = AtlAdvise(control, static_cast<IDispatch*>(this), m_eventMembers.GetGuid(), &cookie);
    if (SUCCEEDED(hr))
        m_cookie = cookie;
    return hr;
}

void DispDynEventImpl::Unadvise(IUnknown* control)
{
    if (!control && m_owner)
        control = m_owner->GetControl();
    if (control && m_cookie != kNoConnection)
        AtlUnadvise(control, m_eventMembers.GetGuid(), m_cookie);
    m_cookie = kNoConnection;
    // Kept, an event arriving while the page is torn down would run a deleted element's script.
    m_owner = NULL;
}

STDMETHODIMP DispDynEventImpl::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                      VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    (void)iid;
    (void)locale;
    (void)flags;
    (void)result;
    (void)exception;
    (void)argError;
    if (!params)
        return E_INVALIDARG;
    const CDispatchMemberInfo* member = m_eventMembers.FindMember(id, 0);
    CBrowserDocument* document = CBrowserDocument::GetCurrent();
    if (!member || !m_owner || !document)
        return S_OK;

    // The sink may be unadvised (and the control let go of it) while the
    // event's script runs.
    AddRef();
    CActiveXElement* owner = m_owner;
    {
        CEventFrame frame(&document->GetScopes());
        const UINT count = params->rgvarg ? params->cArgs : 0;
        for (int i = 0; i < member->GetParamCount() && (UINT)i < count; ++i)
        {
            VARIANT copy;
            VariantInit(&copy);
            // A reference would point into the caller's frame, gone once the event returns.
            HRESULT hr = VariantCopyInd(&copy, &params->rgvarg[count - 1 - i]);
            if (FAILED(hr))
            {
                VariantInit(&copy);
                copy.vt = VT_ERROR;
                copy.scode = hr;
            }
            frame.Add(member->GetParam(i)->GetName(), copy);
            VariantClear(&copy);
        }
        owner->RunScript(member->GetName());
    }
    Release();
    return S_OK;
}

} // namespace Tarvex
