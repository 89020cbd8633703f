// Type information that passes every call on to another: the tests and
// the test control derive from it and change only the calls they are about.
#pragma once

#include <windows.h>
#include <oaidl.h>

class CForwardingTypeInfo : public ITypeInfo
{
public:
    // Holds its own reference to inner.
    explicit CForwardingTypeInfo(ITypeInfo* inner) : m_refs(1), m_inner(inner) { m_inner->AddRef(); }
    virtual ~CForwardingTypeInfo() { m_inner->Release(); }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = NULL;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITypeInfo))
            return E_NOINTERFACE;
        *ppv = static_cast<ITypeInfo*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_refs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return refs;
    }

    STDMETHODIMP GetTypeAttr(TYPEATTR** attr) override { return m_inner->GetTypeAttr(attr); }
    STDMETHODIMP GetTypeComp(ITypeComp** comp) override { return m_inner->GetTypeComp(comp); }
    STDMETHODIMP GetFuncDesc(UINT index, FUNCDESC** desc) override { return m_inner->GetFuncDesc(index, desc); }
    STDMETHODIMP GetVarDesc(UINT index, VARDESC** desc) override { return m_inner->GetVarDesc(index, desc); }
    STDMETHODIMP GetNames(MEMBERID id, BSTR* names, UINT maxNames, UINT* count) override
    {
        return m_inner->GetNames(id, names, maxNames, count);
    }
    STDMETHODIMP GetRefTypeOfImplType(UINT index, HREFTYPE* ref) override
    {
        return m_inner->GetRefTypeOfImplType(index, ref);
    }
    STDMETHODIMP GetImplTypeFlags(UINT index, INT* flags) override { return m_inner->GetImplTypeFlags(index, flags); }
    STDMETHODIMP GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* ids) override
    {
        return m_inner->GetIDsOfNames(names, count, ids);
    }
    STDMETHODIMP Invoke(PVOID instance, MEMBERID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) override
    {
        return m_inner->Invoke(instance, id, flags, params, result, excep, argErr);
    }
    STDMETHODIMP GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* context, BSTR* file) override
    {
        return m_inner->GetDocumentation(id, name, doc, context, file);
    }
    STDMETHODIMP GetDllEntry(MEMBERID id, INVOKEKIND kind, BSTR* dll, BSTR* name, WORD* ordinal) override
    {
        return m_inner->GetDllEntry(id, kind, dll, name, ordinal);
    }
    STDMETHODIMP GetRefTypeInfo(HREFTYPE ref, ITypeInfo** info) override { return m_inner->GetRefTypeInfo(ref, info); }
    STDMETHODIMP AddressOfMember(MEMBERID id, INVOKEKIND kind, PVOID* address) override
    {
        return m_inner->AddressOfMember(id, kind, address);
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, PVOID* object) override
    {
        return m_inner->CreateInstance(outer, riid, object);
    }
    STDMETHODIMP GetMops(MEMBERID id, BSTR* mops) override { return m_inner->GetMops(id, mops); }
    STDMETHODIMP GetContainingTypeLib(ITypeLib** lib, UINT* index) override
    {
        return m_inner->GetContainingTypeLib(lib, index);
    }
    STDMETHODIMP_(void) ReleaseTypeAttr(TYPEATTR* attr) override { m_inner->ReleaseTypeAttr(attr); }
    STDMETHODIMP_(void) ReleaseFuncDesc(FUNCDESC* desc) override { m_inner->ReleaseFuncDesc(desc); }
    STDMETHODIMP_(void) ReleaseVarDesc(VARDESC* desc) override { m_inner->ReleaseVarDesc(desc); }

protected:
    ITypeInfo* Inner() const { return m_inner; }

private:
    LONG m_refs;
    ITypeInfo* m_inner;
};
