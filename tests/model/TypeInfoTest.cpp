// The type-information reader against the test control's type library and
// against Wine's script control, with a type information that counts and
// fails its calls to pin the release of every descriptor.
#include <windows.h>
#include <ocidl.h>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "model/store/ControlInterfaces.h"
#include "model/store/DispatchInterfaceInfo.h"
#include "model/store/MethodRecord.h"
#include "tests/model/TestControlFixture.h"
#include "tests/support/ForwardingTypeInfo.h"
#include "tests/support/TestSupport.h"

namespace
{
struct ExpectedParam
{
    const char* name;
    VARTYPE type;
    BYTE optional;
};

struct ExpectedMember
{
    const char* name;
    MEMBERID dispId;
    int invokeKind;
    VARTYPE returnType;
    std::vector<ExpectedParam> params;
};

const char kValue[] = "(Property Value)";

void ExpectMembers(const CDispatchInterfaceInfo& info, const std::vector<ExpectedMember>& expected)
{
    ASSERT_EQ((int)expected.size(), info.GetMemberCount());
    for (int i = 0; i < (int)expected.size(); i++)
    {
        const ExpectedMember& want = expected[i];
        const CDispatchMemberInfo* member = info.GetMember(i);
        SCOPED_TRACE(testing::Message() << "member " << i << " " << want.name << " kind " << want.invokeKind);
        ASSERT_TRUE(member != NULL);
        EXPECT_STREQ(want.name, member->GetName());
        EXPECT_EQ(want.dispId, member->GetDispId());
        EXPECT_EQ(want.invokeKind, member->GetInvokeKind());
        EXPECT_EQ(want.returnType, member->GetReturnType());
        ASSERT_EQ((int)want.params.size(), member->GetParamCount());
        for (int p = 0; p < (int)want.params.size(); p++)
        {
            SCOPED_TRACE(testing::Message() << "parameter " << p);
            const CDispatchParamInfo* param = member->GetParam(p);
            ASSERT_TRUE(param != NULL);
            EXPECT_STREQ(want.params[p].name, param->GetName());
            EXPECT_EQ(want.params[p].type, param->GetType());
            EXPECT_EQ(want.params[p].optional, param->IsOptional());
        }
    }
}

const std::vector<ExpectedMember>& TestControlMembers()
{
    static const std::vector<ExpectedMember> members = {
        { "Caption", 1, INVOKE_PROPERTYGET, VT_BSTR, {} },
        { "Caption", 1, INVOKE_PROPERTYPUT, VT_VOID, { { kValue, VT_BSTR, 0 } } },
        { "FireCount", 2, INVOKE_PROPERTYGET, VT_I4, {} },
        { "FillColor", 3, INVOKE_PROPERTYPUT, VT_VOID, { { kValue, VT_I4, 0 } } },
        { "Add", 4, INVOKE_FUNC, VT_I4, { { "a", VT_I4, 0 }, { "b", VT_I4, 0 } } },
        { "Concat", 5, INVOKE_FUNC, VT_BSTR, { { "first", VT_BSTR, 0 }, { "second", VT_VARIANT, 1 } } },
        { "Fire", 6, INVOKE_FUNC, VT_VOID, { { "text", VT_BSTR, 0 }, { "n", VT_I4, 0 } } },
        { "Ping", 7, INVOKE_FUNC, VT_VOID, {} },
        { "oleDrag", 9, INVOKE_FUNC, VT_VOID, {} },
    };
    return members;
}

const std::vector<ExpectedMember>& TestControlEvents()
{
    static const std::vector<ExpectedMember> events = {
        { "OnFired", 1, INVOKE_FUNC, VT_VOID, { { "text", VT_BSTR, 0 }, { "n", VT_I4, 0 } } },
        { "OnPinged", 2, INVOKE_FUNC, VT_VOID, {} },
    };
    return events;
}

std::vector<ExpectedParam> SumParams()
{
    static char names[20][4];
    std::vector<ExpectedParam> params;
    for (int i = 0; i < 20; i++)
    {
        wsprintfA(names[i], "a%d", i + 1);
        params.push_back({ names[i], VT_I4, 0 });
    }
    return params;
}

// The functions first: the accessor of Label is listed once, and its
// variable adds only the put; the read-only Length gives only a get.
const std::vector<ExpectedMember>& PlainControlMembers()
{
    static const std::vector<ExpectedMember> members = {
        { "Label", 1, INVOKE_PROPERTYGET, VT_BSTR, {} },
        { "Twice", 3, INVOKE_FUNC, VT_I4, { { "n", VT_I4, 0 } } },
        { "Sum", 4, INVOKE_FUNC, VT_I4, SumParams() },
        { "Label", 1, INVOKE_PROPERTYPUT, VT_VOID, { { kValue, VT_BSTR, 0 } } },
        { "Length", 2, INVOKE_PROPERTYGET, VT_I4, {} },
        { "AcceptsDropTarget", 5, INVOKE_PROPERTYGET, VT_I4, {} },
        { "AcceptsDropTarget", 5, INVOKE_PROPERTYPUT, VT_VOID, { { kValue, VT_I4, 0 } } },
    };
    return members;
}

ITypeInfo* LoadTestControlTypeInfo(const char* guid)
{
    ITypeLib* lib = NULL;
    std::wstring path;
    std::string narrow = TestControlPath();
    path.assign(narrow.begin(), narrow.end());
    if (FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &lib)))
        return NULL;
    ITypeInfo* info = NULL;
    lib->GetTypeInfoOfGuid(GuidFromText(guid), &info);
    lib->Release();
    return info;
}

// Passes every call on to the real type information; counts the
// descriptors it lends that are not handed back, records the size of every
// name array it is asked to fill, and makes its failAt-th descriptor or
// name call fail.
class CCheckingTypeInfo : public CForwardingTypeInfo
{
public:
    static constexpr HRESULT kInjected = (HRESULT)0x80040AB1;

    CCheckingTypeInfo(ITypeInfo* inner, int failAt) : CForwardingTypeInfo(inner), m_failAt(failAt) {}

    int Outstanding() const { return m_outstanding; }
    int Calls() const { return m_calls; }
    const std::map<MEMBERID, UINT>& NameSlots() const { return m_nameSlots; }

    STDMETHODIMP GetTypeAttr(TYPEATTR** attr) override
    {
        if (Fails())
            return kInjected;
        HRESULT hr = Inner()->GetTypeAttr(attr);
        if (SUCCEEDED(hr))
            m_outstanding++;
        return hr;
    }
    STDMETHODIMP GetFuncDesc(UINT index, FUNCDESC** desc) override
    {
        if (Fails())
            return kInjected;
        HRESULT hr = Inner()->GetFuncDesc(index, desc);
        if (SUCCEEDED(hr))
            m_outstanding++;
        return hr;
    }
    STDMETHODIMP GetVarDesc(UINT index, VARDESC** desc) override
    {
        if (Fails())
            return kInjected;
        HRESULT hr = Inner()->GetVarDesc(index, desc);
        if (SUCCEEDED(hr))
            m_outstanding++;
        return hr;
    }
    STDMETHODIMP GetNames(MEMBERID id, BSTR* names, UINT maxNames, UINT* count) override
    {
        UINT& slots = m_nameSlots[id];
        if (maxNames > slots)
            slots = maxNames;
        if (Fails())
            return kInjected;
        return Inner()->GetNames(id, names, maxNames, count);
    }
    STDMETHODIMP_(void) ReleaseTypeAttr(TYPEATTR* attr) override
    {
        m_outstanding--;
        Inner()->ReleaseTypeAttr(attr);
    }
    STDMETHODIMP_(void) ReleaseFuncDesc(FUNCDESC* desc) override
    {
        m_outstanding--;
        Inner()->ReleaseFuncDesc(desc);
    }
    STDMETHODIMP_(void) ReleaseVarDesc(VARDESC* desc) override
    {
        m_outstanding--;
        Inner()->ReleaseVarDesc(desc);
    }

private:
    bool Fails() { return m_calls++ == m_failAt; }

    int m_failAt;
    int m_calls = 0;
    int m_outstanding = 0;
    std::map<MEMBERID, UINT> m_nameSlots;
};

// Records the events the control raises.
class CEventRecorder : public IDispatch
{
public:
    struct Event
    {
        DISPID id;
        std::vector<std::wstring> args;    // as DISPPARAMS holds them, last first
    };
    std::vector<Event> events;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch))
        {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
    STDMETHODIMP_(ULONG) Release() override { return --m_refs; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override
    {
        Event event = { id, {} };
        for (UINT i = 0; params && i < params->cArgs; i++)
        {
            VARIANT text;
            VariantInit(&text);
            VariantChangeType(&text, &params->rgvarg[i], 0, VT_BSTR);
            event.args.push_back(V_VT(&text) == VT_BSTR ? V_BSTR(&text) : L"?");
            VariantClear(&text);
        }
        events.push_back(event);
        return S_OK;
    }
    ULONG Refs() const { return m_refs; }

private:
    ULONG m_refs = 1;
};

class TypeInfoTest : public TestControlTest
{
};
}

TEST_F(TypeInfoTest, ReadsTheTestControlsMembersAndEvents)
{
    IUnknown* control = Create(kTestControlClsid);
    ASSERT_TRUE(control != NULL);
    CDispatchInterfaceInfo members;
    CDispatchInterfaceInfo events;
    EXPECT_EQ(S_OK, ReadControlInterfaces(control, &members, &events));
    control->Release();

    EXPECT_TRUE(IsEqualGUID(GuidFromText(kTestControlIid), members.GetGuid()));
    EXPECT_TRUE(IsEqualGUID(GuidFromText(kTestControlEventsIid), events.GetGuid()));
    {
        SCOPED_TRACE("default interface");
        ExpectMembers(members, TestControlMembers());
    }
    {
        SCOPED_TRACE("events");
        ExpectMembers(events, TestControlEvents());
    }

    struct FlagCase
    {
        MEMBERID dispId;
        int invokeKind;
        BYTE bindable;
        BYTE requestEdit;
    };
    const FlagCase flags[] = {
        { 1, INVOKE_PROPERTYGET, 1, 1 },
        { 1, INVOKE_PROPERTYPUT, 1, 1 },
        { 3, INVOKE_PROPERTYPUT, 0, 0 },
        { 4, INVOKE_FUNC, 0, 0 },
    };
    for (const FlagCase& c : flags)
    {
        const CDispatchMemberInfo* member = members.FindMember(c.dispId, c.invokeKind);
        ASSERT_TRUE(member != NULL) << c.dispId << " kind " << c.invokeKind;
        EXPECT_EQ(c.bindable, member->IsBindable()) << c.dispId << " kind " << c.invokeKind;
        EXPECT_EQ(c.requestEdit, member->IsRequestEdit()) << c.dispId << " kind " << c.invokeKind;
    }
}

TEST_F(TypeInfoTest, ReadsDispinterfaceVariablesBesideItsAccessors)
{
    IUnknown* control = Create(kPlainControlClsid);
    ASSERT_TRUE(control != NULL);
    CDispatchInterfaceInfo members;
    CDispatchInterfaceInfo events;
    EXPECT_EQ(S_OK, ReadControlInterfaces(control, &members, &events));
    control->Release();

    EXPECT_TRUE(IsEqualGUID(GuidFromText(kPlainControlIid), members.GetGuid()));
    ExpectMembers(members, PlainControlMembers());
    EXPECT_EQ(0, events.GetMemberCount());
    EXPECT_TRUE(IsEqualGUID(GUID_NULL, events.GetGuid()));
}

TEST_F(TypeInfoTest, VtableFunctionsAreNotListed)
{
    ITypeInfo* dispatch = LoadTestControlTypeInfo(kTestControlIid);
    ASSERT_TRUE(dispatch != NULL);
    HREFTYPE ref = 0;
    ITypeInfo* vtable = NULL;
    ASSERT_EQ(S_OK, dispatch->GetRefTypeOfImplType((UINT)-1, &ref));
    ASSERT_EQ(S_OK, dispatch->GetRefTypeInfo(ref, &vtable));
    dispatch->Release();

    CDispatchInterfaceInfo info;
    EXPECT_EQ(S_OK, info.ReadTypeInfo(vtable));
    vtable->Release();
    EXPECT_EQ(0, info.GetMemberCount());
    EXPECT_TRUE(IsEqualGUID(GuidFromText(kTestControlIid), info.GetGuid()));
}

TEST_F(TypeInfoTest, ControlWithoutClassInformationCountsAsReadWithNoMembers)
{
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"MSScriptControl.ScriptControl", &clsid));
    IUnknown* control = NULL;
    ASSERT_EQ(S_OK, CoCreateInstance(clsid, NULL, CLSCTX_INPROC_SERVER, IID_IUnknown, (void**)&control));

    CDispatchInterfaceInfo members;
    CDispatchInterfaceInfo events;
    EXPECT_EQ(S_FALSE, ReadControlInterfaces(control, &members, &events));
    EXPECT_EQ(0, members.GetMemberCount());
    EXPECT_EQ(0, events.GetMemberCount());

    // Its own dispatch type information still reads: the reader is not
    // tuned to our type library.
    IDispatch* dispatch = NULL;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, (void**)&dispatch));
    ITypeInfo* info = NULL;
    ASSERT_EQ(S_OK, dispatch->GetTypeInfo(0, 0, &info));
    EXPECT_EQ(S_OK, members.ReadTypeInfo(info));
    info->Release();
    dispatch->Release();
    control->Release();

    struct Case
    {
        MEMBERID dispId;
        int invokeKind;
        const char* name;
    };
    const Case cases[] = {
        { 1500, INVOKE_PROPERTYGET, "Language" },
        { 1500, INVOKE_PROPERTYPUT, "Language" },
        { 2001, INVOKE_FUNC, "Eval" },
    };
    for (const Case& c : cases)
    {
        const CDispatchMemberInfo* member = members.FindMember(c.dispId, c.invokeKind);
        ASSERT_TRUE(member != NULL) << c.name << " kind " << c.invokeKind;
        EXPECT_STREQ(c.name, member->GetName());
    }
}

TEST_F(TypeInfoTest, EveryDescriptorIsHandedBackOnEveryPath)
{
    const char* interfaces[] = { kTestControlIid, kTestControlEventsIid, kPlainControlIid };
    for (const char* iid : interfaces)
    {
        ITypeInfo* real = LoadTestControlTypeInfo(iid);
        ASSERT_TRUE(real != NULL) << iid;

        CCheckingTypeInfo* whole = new CCheckingTypeInfo(real, -1);
        CDispatchInterfaceInfo info;
        EXPECT_EQ(S_OK, info.ReadTypeInfo(whole)) << iid;
        EXPECT_EQ(0, whole->Outstanding()) << iid;
        const int calls = whole->Calls();
        whole->Release();

        for (int failAt = 0; failAt < calls; failAt++)
        {
            CCheckingTypeInfo* failing = new CCheckingTypeInfo(real, failAt);
            EXPECT_EQ(CCheckingTypeInfo::kInjected, info.ReadTypeInfo(failing)) << iid << " call " << failAt;
            EXPECT_EQ(0, failing->Outstanding()) << iid << " call " << failAt;
            failing->Release();
        }
        real->Release();
    }
}

TEST_F(TypeInfoTest, NamesAreAskedWithRoomForEveryParameter)
{
    ITypeInfo* real = LoadTestControlTypeInfo(kPlainControlIid);
    ASSERT_TRUE(real != NULL);
    CCheckingTypeInfo* checking = new CCheckingTypeInfo(real, -1);
    real->Release();
    CDispatchInterfaceInfo info;
    ASSERT_EQ(S_OK, info.ReadTypeInfo(checking));

    const CDispatchMemberInfo* sum = info.FindMember(4, INVOKE_FUNC);
    ASSERT_TRUE(sum != NULL);
    ASSERT_EQ(20, sum->GetParamCount());
    EXPECT_EQ(21u, checking->NameSlots().at(4));
    EXPECT_STREQ("a20", sum->GetParam(19)->GetName());
    checking->Release();
}

TEST_F(TypeInfoTest, CopiesOwnTheirRecordsAndOutsideIndicesAreRefused)
{
    ITypeInfo* real = LoadTestControlTypeInfo(kTestControlIid);
    ASSERT_TRUE(real != NULL);
    CDispatchInterfaceInfo original;
    ASSERT_EQ(S_OK, original.ReadTypeInfo(real));
    real->Release();

    CDispatchInterfaceInfo copy(original);
    CDispatchInterfaceInfo assigned;
    assigned = original;
    original.Clear();
    EXPECT_EQ(0, original.GetMemberCount());
    EXPECT_TRUE(IsEqualGUID(GUID_NULL, original.GetGuid()));
    ExpectMembers(copy, TestControlMembers());
    ExpectMembers(assigned, TestControlMembers());

    EXPECT_TRUE(copy.GetMember(-1) == NULL);
    EXPECT_TRUE(copy.GetMember(copy.GetMemberCount()) == NULL);
    const CDispatchMemberInfo* add = copy.FindMember(4, INVOKE_FUNC);
    ASSERT_TRUE(add != NULL);
    EXPECT_TRUE(add->GetParam(-1) == NULL);
    EXPECT_TRUE(add->GetParam(2) == NULL);

    // The method record the ActiveX element keeps: parameters unbound.
    const CDispatchMemberInfo* concat = copy.FindMember(5, INVOKE_FUNC);
    ASSERT_TRUE(concat != NULL);
    CMethodRecord record(*concat);
    EXPECT_STREQ("Concat", record.GetName());
    EXPECT_EQ(VT_BSTR, record.GetReturnType());
    ASSERT_EQ(2, record.GetParamCount());
    EXPECT_STREQ("second", record.GetParam(1)->GetName());
    EXPECT_EQ(VT_VARIANT, record.GetParam(1)->GetType());
    EXPECT_EQ(1, record.GetParam(1)->IsOptional());
    EXPECT_STREQ("", record.GetParam(1)->GetVarName());
    EXPECT_STREQ("", record.GetParam(1)->GetConstValue());
    EXPECT_TRUE(record.GetParam(2) == NULL);
}

// The fixture's own contract, which the player's end-to-end tests rely on:
// the events it raises carry the DISPIDs and parameters its type
// information declares, and its log records connection and release.
TEST_F(TypeInfoTest, TestControlRaisesItsDeclaredEventsAndLogsItsConnections)
{
    ScratchDir scratch;
    const std::string log = scratch.File("control.log");
    SetEnvironmentVariableA("LB_TESTCONTROL_LOG", log.c_str());

    IUnknown* control = Create(kTestControlClsid);
    ASSERT_TRUE(control != NULL);
    CDispatchInterfaceInfo members;
    CDispatchInterfaceInfo events;
    ASSERT_EQ(S_OK, ReadControlInterfaces(control, &members, &events));

    IConnectionPointContainer* container = NULL;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IConnectionPointContainer, (void**)&container));
    IConnectionPoint* point = NULL;
    ASSERT_EQ(S_OK, container->FindConnectionPoint(events.GetGuid(), &point));
    container->Release();
    CEventRecorder sink;
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(&sink, &cookie));

    IDispatch* dispatch = NULL;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IDispatch, (void**)&dispatch));
    const CDispatchMemberInfo* fire = members.GetMember(6);
    ASSERT_TRUE(fire != NULL);
    ASSERT_STREQ("Fire", fire->GetName());
    VARIANTARG args[2];
    V_VT(&args[0]) = VT_I4;
    V_I4(&args[0]) = 7;
    V_VT(&args[1]) = VT_BSTR;
    V_BSTR(&args[1]) = SysAllocString(L"hello");
    DISPPARAMS params = { args, NULL, 2, 0 };
    EXPECT_EQ(S_OK, dispatch->Invoke(fire->GetDispId(), IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    SysFreeString(V_BSTR(&args[1]));
    dispatch->Release();

    ASSERT_EQ(1u, sink.events.size());
    const CDispatchMemberInfo* fired = events.FindMember(sink.events[0].id, 0);
    ASSERT_TRUE(fired != NULL);
    EXPECT_STREQ("OnFired", fired->GetName());
    ASSERT_EQ(2u, sink.events[0].args.size());
    EXPECT_EQ(L"7", sink.events[0].args[0]);
    EXPECT_EQ(L"hello", sink.events[0].args[1]);

    EXPECT_EQ(S_OK, point->Unadvise(cookie));
    point->Release();
    control->Release();
    EXPECT_EQ(1u, sink.Refs());
    SetEnvironmentVariableA("LB_TESTCONTROL_LOG", NULL);

    const std::string text = ReadWholeFile(log);
    const std::string serial = text.substr(text.find(' ') + 1, text.find(' ', 8) - text.find(' ') - 1);
    const std::string expected = "Control " + serial + " Advise 1\r\n" + "Control " + serial + " Unadvise 1\r\n" +
                                 "Control " + serial + " Release\r\n";
    EXPECT_EQ(expected, text);
}
