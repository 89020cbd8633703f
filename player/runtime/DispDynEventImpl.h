// DispDynEventImpl: the event sink of one hosted control. It is connected to
// the control's default source interface and runs the owning element's
// script named after each event, with the event's parameters as a frame of
// named values.
#pragma once

#include "model/store/DispatchInterfaceInfo.h"
#include "player/runtime/DispatchObject.h"

namespace Tarvex {

class CActiveXElement;

class DispDynEventImpl : public CDispatchObject
{
public:
    // The cookie of a sink that is not connected.
    static constexpr DWORD kNoConnection = 0xFEFEFEFE;

    // One reference, the caller's.
    explicit DispDynEventImpl(CActiveXElement* owner);

    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    // Runs the owner's script of the event; E_INVALIDARG without params.
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

    // Reads the control's default source interface and connects to it; the
    // outcome of AtlAdvise (E_POINTER without a control).
    HRESULT Advise(IUnknown* control);
    // Disconnects (from the owner's control when control is NULL) and
    // forgets the owner: nothing runs for this sink any more.
    void Unadvise(IUnknown* control = NULL);

    CActiveXElement* GetOwner() const { return m_owner; }
    DWORD GetCookie() const { return m_cookie; }
    const CDispatchInterfaceInfo& GetEventMembers() const { return m_eventMembers; }

protected:
    // Also the control's event interface.
    BOOL AnswersInterface(REFIID iid) const override;

private:
    ~DispDynEventImpl() override;

    CActiveXElement* m_owner;
    CDispatchInterfaceInfo m_eventMembers;
    DWORD m_cookie;
};

} // namespace Tarvex
