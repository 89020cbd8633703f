#include "player/runtime/DispatchObject.h"

namespace Tarvex {

STDMETHODIMP CDispatchObject::GetTypeInfoCount(UINT* count)
{
    (void)count;
    return E_NOTIMPL;
}

STDMETHODIMP CDispatchObject::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info)
{
    (void)index;
    (void)locale;
    (void)info;
    return E_NOTIMPL;
}

} // namespace Tarvex
