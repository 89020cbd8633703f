// ExternalDispatchImpl: the host's external object handed to every hosted
// control, through which content inside the control calls the player:
// "ExecuteScript" runs a script of the current page by name, "close" closes
// the player.
#pragma once

#include <ole2.h>

namespace Tarvex {

class ExternalDispatchImpl : public IDispatch
{
public:
    enum { DispIdExecuteScript = 1, DispIdClose = 2 };

    // One reference, the caller's.
    ExternalDispatchImpl();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    // The first name only, ignoring case; E_NOTIMPL for any other name.
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

private:
    virtual ~ExternalDispatchImpl() {}
    ExternalDispatchImpl(const ExternalDispatchImpl&);
    ExternalDispatchImpl& operator=(const ExternalDispatchImpl&);

    LONG m_refs;
};

} // namespace Tarvex
