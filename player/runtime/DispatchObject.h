// CDispatchObject: the player's own dispatch objects without type
// information. A derived class names the members (GetIDsOfNames, Invoke).
#pragma once

#include "player/runtime/ComObject.h"

namespace Tarvex {

class CDispatchObject : public CComObjectBase<IDispatch, IID_IDispatch>
{
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;

protected:
    // One reference, the caller's.
    CDispatchObject() : CComObjectBase<IDispatch, IID_IDispatch>(1) {}
};

} // namespace Tarvex
