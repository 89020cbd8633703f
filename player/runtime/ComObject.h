// CComObjectBase: the IUnknown of the player's own COM objects, each of which
// implements one interface: QueryInterface for IUnknown and that interface
// (and whatever AnswersInterface adds, on the same vtable), and one count of
// references whose last Release deletes the object.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace Tarvex {

template <class Interface, const IID& InterfaceId>
class CComObjectBase : public Interface
{
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, InterfaceId) || AnswersInterface(iid))
        {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = NULL;
        return E_NOINTERFACE;
    }

    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)InterlockedIncrement(&m_references); }

    STDMETHODIMP_(ULONG) Release() override
    {
        LONG references = InterlockedDecrement(&m_references);
        if (references == 0)
            delete this;
        return (ULONG)references;
    }

protected:
    explicit CComObjectBase(LONG references) : m_references(references) {}
    virtual ~CComObjectBase() {}

    // Besides IUnknown and the interface; none unless a derived class says so.
    virtual BOOL AnswersInterface(REFIID iid) const
    {
        (void)iid;
        return FALSE;
    }

private:
    CComObjectBase(const CComObjectBase&);
    CComObjectBase& operator=(const CComObjectBase&);

    LONG m_references;
};

} // namespace Tarvex
