#include "player/runtime/ExternalDispatchImpl.h"

#include "player/runtime/Browser.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/DrawingSupport.h"

namespace Tarvex {

STDMETHODIMP ExternalDispatchImpl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                                 DISPID* ids)
{
    (void)iid;
    (void)locale;
    if (!names || count == 0 || !names[0] || !ids)
        return E_NOTIMPL;
    CStr name;
    name.AssignWide(names[0]);
    if (lstrcmpiA(name, "ExecuteScript") == 0)
        ids[0] = DispIdExecuteScript;
    else if (lstrcmpiA(name, "close") == 0)
        ids[0] = DispIdClose;
    else
        return E_NOTIMPL;
    return S_OK;
}

STDMETHODIMP ExternalDispatchImpl::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                          VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    (void)iid;
    (void)locale;
    (void)flags;
    (void)result;
    (void)exception;
    if (!params)
        return E_INVALIDARG;
    if (id == DispIdClose)
    {
        PostMessageA(GetDrawingWindow(), WM_CLOSE, 0, 0);
        return S_OK;
    }
    if (id != DispIdExecuteScript)
        return DISP_E_MEMBERNOTFOUND;
    // Read without an argument, the first slot would lie past the arguments.
    if (params->cArgs == 0 || !params->rgvarg)
        return S_OK;
    // The first argument stands last in the array.
    const VARIANT& argument = params->rgvarg[params->cArgs - 1];
    if (argument.vt != VT_BSTR)
    {
        if (argError)
            *argError = 0;
        return DISP_E_TYPEMISMATCH;
    }
    if (!argument.bstrVal)
        return S_OK;
    CStr name;
    name.AssignWide(argument.bstrVal);
    CBrowserDocument* document = CBrowserDocument::GetCurrent();
    if (CBrowser* page = document ? document->GetCurrentPage() : NULL)
        page->RunScript(name);
    return S_OK;
}

} // namespace Tarvex
