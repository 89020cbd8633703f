// ExternalDispatchImpl: the host's external object handed to every hosted
// control, through which content inside the control calls the player:
// "ExecuteScript" runs a script of the current page by name, "close" closes
// the player.
#pragma once

#include "player/runtime/DispatchObject.h"

namespace Tarvex {

class ExternalDispatchImpl : public CDispatchObject
{
public:
    enum { DispIdExecuteScript = 1, DispIdClose = 2 };

    // One reference, the caller's.
    ExternalDispatchImpl() {}

    // The first name only, ignoring case; E_NOTIMPL for any other name.
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override;

private:
    ~ExternalDispatchImpl() override {}
};

} // namespace Tarvex
