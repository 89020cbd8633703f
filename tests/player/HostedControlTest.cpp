// Hosted controls in the player: the element over the test control, its
// event sink, Call ActiveX Method and the external dispatch object.
#include "tests/model/TestControlFixture.h"
#include "tests/player/ScriptFileBuilder.h"

#include "platform/atl/AtlBase.h"
#include "platform/atl/AtlHostInterfaces.h"
#include "platform/atl/AtlImports.h"
#include "player/runtime/ActiveXElement.h"
#include "player/runtime/Browser.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/CallActiveXMethodAction.h"
#include "player/runtime/DispDynEventImpl.h"
#include "player/runtime/DrawingSupport.h"
#include "player/runtime/ExternalDispatchImpl.h"
#include "player/runtime/IdManager.h"
#include "player/runtime/Script.h"
#include "player/runtime/ScriptItem.h"

#include <string>
#include <vector>

using namespace Tarvex;

namespace {

// A script step that notes what the variables look like while it runs.
struct ProbeLog
{
    int runs = 0;
    std::vector<VARTYPE> types;
    std::vector<std::string> texts;
};

class ProbeItem : public CScriptItem
{
public:
    ProbeItem(ProbeLog& log, std::vector<std::string> names)
        : CScriptItem("Probe", "Probe", NULL), m_log(log), m_names(names)
    {
    }
    int Execute() override
    {
        ++m_log.runs;
        for (const std::string& name : m_names)
        {
            CVariable* variable = LookupVariable(name.c_str());
            m_log.types.push_back(variable ? variable->value.vt : (VARTYPE)0xFFFF);
            m_log.texts.push_back(variable ? std::string(VariantText(variable->value)) : "<none>");
        }
        return ResultGoOn;
    }

protected:
    void LoadAction(const CDataFile&, const char*) override {}

private:
    ProbeLog& m_log;
    std::vector<std::string> m_names;
};

void AddProbeScript(CScriptableObject& owner, const char* event, ProbeLog& log, std::vector<std::string> names)
{
    CScript* script = new CScript("Probe_Script", &owner);
    script->SetName(event);
    script->AppendItem(new ProbeItem(log, names));
    owner.AppendScript(script);
}

std::string Text(const VARIANT& value)
{
    return std::string(VariantText(value));
}

VARIANT Long(LONG number)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    return value;
}

// A control host that answers ATL's host-window and ambient interfaces, as
// ATL's host on Windows does, or neither, as atl.dll's host here; it notes
// what it is asked and given.
class FakeHost : public IAxWinHostWindow, public IDispatch
{
public:
    explicit FakeHost(bool offers) : m_offers(offers) {}
    ~FakeHost() { ReleaseExternal(); }

    std::vector<IID> asked;
    IDispatch* external = NULL;
    VARIANT flags = {};
    bool flagsPutByName = false;

    void ReleaseExternal()
    {
        if (external)
            external->Release();
        external = NULL;
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        asked.push_back(iid);
        *object = NULL;
        if (IsEqualIID(iid, IID_IUnknown) || (m_offers && IsEqualIID(iid, IID_IAxWinHostWindow)))
            *object = static_cast<IAxWinHostWindow*>(this);
        else if (m_offers && IsEqualIID(iid, IID_IAxWinAmbientDispatch))
            *object = static_cast<IDispatch*>(this);
        return *object ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateControl(LPCOLESTR, HWND, IStream*) override { return E_NOTIMPL; }
    STDMETHODIMP CreateControlEx(LPCOLESTR, HWND, IStream*, IUnknown**, REFIID, IUnknown*) override
    {
        return E_NOTIMPL;
    }
    STDMETHODIMP AttachControl(IUnknown*, HWND) override { return E_NOTIMPL; }
    STDMETHODIMP QueryControl(REFIID, void**) override { return E_NOTIMPL; }
    STDMETHODIMP SetExternalDispatch(IDispatch* dispatch) override
    {
        ReleaseExternal();
        external = dispatch;
        if (external)
            external->AddRef();
        return S_OK;
    }
    STDMETHODIMP SetExternalUIHandler(IUnknown*) override { return E_NOTIMPL; }

    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        if (count != 1 || lstrcmpW(names[0], L"DocHostFlags") != 0)
            return DISP_E_UNKNOWNNAME;
        ids[0] = kDocHostFlagsId;
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD kind, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override
    {
        if (id != kDocHostFlagsId || kind != DISPATCH_PROPERTYPUT || params->cArgs != 1)
            return DISP_E_MEMBERNOTFOUND;
        flagsPutByName = params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
        flags = params->rgvarg[0];
        return S_OK;
    }

private:
    static const DISPID kDocHostFlagsId = 12;
    bool m_offers;
};

bool WasAsked(const FakeHost& host, REFIID iid)
{
    for (const IID& asked : host.asked)
    {
        if (IsEqualIID(asked, iid))
            return true;
    }
    return false;
}

class HostedControlTest : public TestControlTest
{
protected:
    void SetUp() override
    {
        TestControlTest::SetUp();
        _Module.Init(NULL, GetModuleHandleA(NULL));
        // TRUE only the first time: the class stays registered.
        AtlAxWinInit();
        m_window = CreateWindowExA(0, "Static", "host test", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 400, 300, NULL, NULL,
                                   GetModuleHandleA(NULL), NULL);
        ASSERT_TRUE(m_window != NULL);
        SetDrawingWindow(m_window);
    }

    void TearDown() override
    {
        CIdManager::Get().Clear();
        SetDrawingWindow(NULL);
        if (m_window)
            DestroyWindow(m_window);
        TestControlTest::TearDown();
    }

    // An element section of the page file naming the control.
    void WriteElement(const char* section, const char* controlKey, const char* name, const char* id = "ctl")
    {
        m_file.SetString(section, "type", "ActiveX");
        m_file.SetString(section, "id", id);
        m_file.SetString(section, controlKey, name);
        m_file.SetInt(section, "xpos", 10);
        m_file.SetInt(section, "ypos", 20);
        m_file.SetInt(section, "width", 120);
        m_file.SetInt(section, "height", 40);
    }

    // The element "ctl" of the control at (10, 20), 120 x 40, loaded.
    BOOL LoadElement(CActiveXElement& element, const char* controlName)
    {
        WriteElement("Element_1", "controlName", controlName);
        return element.Load(m_file);
    }

    RECT HostRectInParent(HWND host) const
    {
        RECT rect;
        GetWindowRect(host, &rect);
        MapWindowPoints(NULL, m_window, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HWND m_window = NULL;
    CDataFile m_file;
};

TEST_F(HostedControlTest, LoadHostsTheControlInAnAtlAxWinChildAtTheStoredRectangle)
{
    // "CLSID" replaces "controlName" when both are stored.
    WriteElement("Element_1", "controlName", "No.Such.Control");
    m_file.SetString("Element_1", "CLSID", kTestControlClsid);
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(element.Load(m_file));

    HWND host = element.GetHostWindow();
    ASSERT_TRUE(host != NULL);
    char className[32] = "";
    GetClassNameA(host, className, sizeof(className));
    EXPECT_STREQ("AtlAxWin", className);
    EXPECT_EQ(m_window, GetParent(host));
    EXPECT_EQ((DWORD)0x50010000, (DWORD)GetWindowLongA(host, GWL_STYLE));
    RECT rect = HostRectInParent(host);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(20, rect.top);
    EXPECT_EQ(120, rect.right - rect.left);
    EXPECT_EQ(40, rect.bottom - rect.top);
    const struct { POINT point; BOOL hit; } hits[] = {
        { { 10, 20 }, TRUE }, { { 129, 59 }, TRUE }, { { 130, 40 }, FALSE }, { { 50, 19 }, FALSE },
    };
    for (const auto& h : hits)
        EXPECT_EQ(h.hit, element.HitTest(h.point)) << h.point.x << "," << h.point.y;
    EXPECT_TRUE(element.GetControl() != NULL);
    EXPECT_EQ(std::string(kTestControlClsid), std::string(element.GetControlName()));
    // The default interface's members, and the sink on the source interface.
    EXPECT_TRUE(IsEqualGUID(GuidFromText(kTestControlIid), element.GetDefaultMembers().GetGuid()));
    ASSERT_TRUE(element.GetEventSink() != NULL);
    EXPECT_NE(DispDynEventImpl::kNoConnection, element.GetEventSink()->GetCookie());
    IUnknown* asEvents = NULL;
    EXPECT_EQ(S_OK, element.GetEventSink()->QueryInterface(GuidFromText(kTestControlEventsIid), (void**)&asEvents));
    if (asEvents)
        asEvents->Release();
}

TEST_F(HostedControlTest, ACopyHasThePlaceButHostsNoControlAndSharesNothing)
{
    CBrowserDocument document;
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(LoadElement(element, kTestControlProgId));
    ProbeLog log;
    AddProbeScript(element, "OnPinged", log, {});

    CActiveXElement* copy = dynamic_cast<CActiveXElement*>(element.Clone());
    ASSERT_TRUE(copy != NULL);
    RECT original = element.GetRect();
    RECT copied = copy->GetRect();
    EXPECT_TRUE(EqualRect(&original, &copied));
    EXPECT_TRUE(copy->GetHostWindow() == NULL);
    EXPECT_TRUE(copy->GetControl() == NULL);
    EXPECT_TRUE(copy->GetControlName().IsEmpty());
    EXPECT_EQ(0, copy->GetDefaultMembers().GetMemberCount());
    VARIANT value;
    VariantInit(&value);
    SetVariantText(value, "copy");
    EXPECT_EQ(PropertyUnknownName, copy->AccessProperty("Caption", &value, TRUE));
    VariantClear(&value);
    delete copy;
    // The element's own script and control outlive its copy.
    EXPECT_EQ(1, element.GetScriptCount());
    EXPECT_EQ(S_OK, element.InvokeMethod("Ping", NULL, NULL));
    EXPECT_EQ(1, log.runs);
}

TEST_F(HostedControlTest, PropertiesGoToTheElementOrToTheControl)
{
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(LoadElement(element, kTestControlProgId));
    ASSERT_TRUE(element.GetDispatch() != NULL);

    struct Row
    {
        const char* name;
        VARTYPE type;
        const char* text;   // put value (texts and numbers), or NULL for a get
        int result;
        const char* got;    // the VARIANT's text after the call
    };
    const Row rows[] = {
        { "Caption", VT_BSTR, "hello", PropertyDone, "hello" },
        { "CAPTION", VT_EMPTY, NULL, PropertyDone, "hello" },
        { "FillColor", VT_I4, "255", PropertyDone, "255" },
        { "FireCount", VT_EMPTY, NULL, PropertyDone, "0" },
        { "NoSuchProperty", VT_I4, NULL, PropertyDone, "7" },
        { "xpos", VT_I4, "30", PropertyDone, "30" },
        { "Width", VT_I4, NULL, PropertyDone, "120" },
        { "width", VT_BSTR, "5", PropertyWrongType, "5" },
        { "height", VT_BSTR, NULL, PropertyWrongType, "7" },
        { "mouseMoveable", VT_BOOL, "-1", PropertyDone, "TRUE" },
        { "mouseMoveable", VT_I4, NULL, PropertyWrongType, "7" },
    };
    for (const Row& row : rows)
    {
        VARIANT value;
        VariantInit(&value);
        if (row.text && row.type == VT_BSTR)
            SetVariantText(value, row.text);
        else if (row.text)
        {
            value = Long(atoi(row.text));
            if (row.type == VT_BOOL)
            {
                value.vt = VT_BOOL;
                value.boolVal = VARIANT_TRUE;
            }
        }
        else if (row.type != VT_EMPTY)
        {
            value = Long(7);
            if (row.type == VT_BSTR)
                SetVariantText(value, "7");
        }
        EXPECT_EQ(row.result, element.AccessProperty(row.name, &value, row.text != NULL)) << row.name;
        EXPECT_EQ(std::string(row.got), Text(value)) << row.name;
        VariantClear(&value);
    }
    // A put of the position moves the host window at once.
    EXPECT_EQ(30, HostRectInParent(element.GetHostWindow()).left);
    // Each name was asked of the control once, however often it was used.
    EXPECT_EQ(4, element.GetNameLookupCount());
}

TEST_F(HostedControlTest, AControlThatCannotBeCreatedLeavesAPlaceholderThatKeepsItsKeys)
{
    WriteElement("Element_1", "controlName", "No.Such.Control");
    m_file.SetBool("Element_1", "dropTarget", TRUE);
    CActiveXElement element("Element_1", NULL);
    EXPECT_TRUE(element.Load(m_file));
    EXPECT_TRUE(IsWindow(element.GetHostWindow()));
    EXPECT_TRUE(element.GetControl() == NULL);
    EXPECT_EQ(std::string("No.Such.Control"), std::string(element.GetControlName()));
    EXPECT_EQ(120, element.GetWidth());
    EXPECT_EQ(40, element.GetHeight());
    EXPECT_TRUE(element.IsDropTarget());

    VARIANT value = Long(9);
    EXPECT_EQ(PropertyDone, element.AccessProperty("Caption", &value, FALSE));
    EXPECT_EQ(VT_I4, value.vt);
    EXPECT_EQ(9, value.lVal);
    EXPECT_EQ(PropertyUnknownName, element.AccessProperty("Caption", &value, TRUE));
    EXPECT_EQ(PropertyDone, element.AccessProperty("ypos", &value, TRUE));
    EXPECT_EQ(E_NOINTERFACE, element.InvokeMethod("Ping", NULL, NULL));
}

TEST_F(HostedControlTest, CreatingTheControlAgainReplacesItsMembersAndItsWindow)
{
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(LoadElement(element, kTestControlProgId));
    const int members = element.GetDefaultMembers().GetMemberCount();
    ASSERT_GT(members, 0);
    HWND first = element.GetHostWindow();
    DispDynEventImpl* firstSink = element.GetEventSink();
    firstSink->AddRef();

    ASSERT_TRUE(element.CreateControl(m_window));
    EXPECT_EQ(members, element.GetDefaultMembers().GetMemberCount());
    EXPECT_FALSE(IsWindow(first));
    // The first sink is disconnected and runs nothing any more.
    EXPECT_TRUE(firstSink->GetOwner() == NULL);
    EXPECT_EQ(DispDynEventImpl::kNoConnection, firstSink->GetCookie());
    firstSink->Release();
}

TEST_F(HostedControlTest, AnEventRunsTheScriptWithItsParametersByNameAndOnlyDuringIt)
{
    CBrowserDocument document;
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(LoadElement(element, kTestControlProgId));
    EXPECT_EQ(1, document.GetEventSinkCount());
    ProbeLog log;
    AddProbeScript(element, "OnFired", log, { "text", "n" });

    VARIANT args[2];
    args[0] = Long(42);
    VariantInit(&args[1]);
    SetVariantText(args[1], "abc");
    DISPPARAMS params = { args, NULL, 2, 0 };
    EXPECT_EQ(S_OK, element.InvokeMethod("Fire", &params, NULL));
    VariantClear(&args[1]);

    ASSERT_EQ(1, log.runs);
    EXPECT_EQ((std::vector<std::string>{ "abc", "42" }), log.texts);
    EXPECT_TRUE(LookupVariable("text") == NULL);
    EXPECT_TRUE(LookupVariable("n") == NULL);
    EXPECT_EQ(0, document.GetScopes().GetFrameDepth());
}

TEST_F(HostedControlTest, TheSinkCopiesReferencesByValueAndRunsNothingOnceUnadvised)
{
    CBrowserDocument document;
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(LoadElement(element, kTestControlProgId));
    ProbeLog log;
    AddProbeScript(element, "OnFired", log, { "text", "n" });
    DispDynEventImpl* sink = element.GetEventSink();
    ASSERT_TRUE(sink != NULL);

    BSTR text = SysAllocString(L"ref");
    LONG number = 5;
    VARIANT args[2];
    VariantInit(&args[0]);
    args[0].vt = VT_BYREF | VT_I4;
    args[0].plVal = &number;
    VariantInit(&args[1]);
    args[1].vt = VT_BYREF | VT_BSTR;
    args[1].pbstrVal = &text;
    DISPPARAMS params = { args, NULL, 2, 0 };
    EXPECT_EQ(E_INVALIDARG, sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, NULL, NULL, NULL, NULL));
    EXPECT_EQ(S_OK, sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    ASSERT_EQ(1, log.runs);
    EXPECT_EQ((std::vector<VARTYPE>{ VT_BSTR, VT_I4 }), log.types);
    EXPECT_EQ((std::vector<std::string>{ "ref", "5" }), log.texts);
    // Fewer arguments than parameters: the missing one gets no entry.
    params.cArgs = 0;
    EXPECT_EQ(S_OK, sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    EXPECT_EQ(2, log.runs);
    EXPECT_EQ("<none>", log.texts[2]);
    // An unknown event runs nothing.
    EXPECT_EQ(S_OK, sink->Invoke(77, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    EXPECT_EQ(2, log.runs);

    // Clearing the document disconnects its sinks before the page goes.
    sink->AddRef();
    document.Clear();
    EXPECT_TRUE(sink->GetOwner() == NULL);
    EXPECT_EQ(DispDynEventImpl::kNoConnection, sink->GetCookie());
    params.cArgs = 2;
    EXPECT_EQ(S_OK, sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    EXPECT_EQ(2, log.runs);
    sink->Release();
    SysFreeString(text);
}

TEST_F(HostedControlTest, CallActiveXMethodPassesConstantsAndVariablesAndKeepsTheAnswer)
{
    CBrowserDocument document;
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(LoadElement(element, kTestControlProgId));
    CVariableList& globals = document.GetScopes().GetGlobal();
    VARIANT value = Long(3);
    globals.Append("three", value);
    SetVariantText(value, "3");
    globals.Append("word", value);
    SetVariantText(value, "B|word|");
    globals.Append("textB", value);
    VariantClear(&value);

    struct Param
    {
        const char* constValue;
        const char* varName;
    };
    struct Row
    {
        const char* name;
        const char* controlId;
        const char* method;
        VARTYPE returnType;
        const char* retVariable;
        VARTYPE retType;            // the type the return variable is created with
        std::vector<Param> params;
        int result;
        const char* answer;         // the return variable's text afterwards
    };
    const Row rows[] = {
        { "constants", "ctl", "Add", VT_I4, "sum", VT_I4, { { "2", "" }, { "5", "" } }, 0, "7" },
        { "a variable", "ctl", "Add", VT_I4, "sum", VT_I4, { { "2", "" }, { "", "three" } }, 0, "5" },
        { "order and text", "ctl", "Concat", VT_BSTR, "joined", VT_BSTR, { { "a", "" }, { "b", "" } }, 0, "ab" },
        { "substituted", "ctl", "Concat", VT_BSTR, "joined", VT_BSTR, { { "A", "" }, { "", "textB" } }, 0, "AB3" },
        { "optional left out", "ctl", "Concat", VT_BSTR, "joined", VT_BSTR, { { "x", "" } }, 0, "x" },
        { "converted", "ctl", "Add", VT_I4, "joined", VT_BSTR, { { "1", "" }, { "1", "" } }, 0, "2" },
        { "no return wanted", "ctl", "Add", VT_VOID, "sum", VT_I4, { { "1", "" }, { "1", "" } }, 0, "0" },
        { "unknown object", "none", "Add", VT_I4, "sum", VT_I4, { { "1", "" }, { "1", "" } }, 6, "0" },
        { "unknown method", "ctl", "Nothing", VT_I4, "sum", VT_I4, {}, 0, "0" },
    };
    for (const Row& row : rows)
    {
        CVariable* target = globals.FindOrCreate(row.retVariable);
        VariantClear(&target->value);
        if (row.retType == VT_BSTR)
            SetVariantText(target->value, "");
        else
            target->value = Long(0);

        CDataFile file;
        file.SetString("Action", "controlId", row.controlId);
        file.SetString("Action", "method", row.method);
        file.SetVarType("Action", "returnType", row.returnType);
        file.SetString("Action", "retVariable", row.retVariable);
        file.SetInt("Action", "numParameters", (int)row.params.size());
        for (size_t i = 0; i < row.params.size(); ++i)
        {
            std::string section = "Action_Param_" + std::to_string(i);
            file.SetString(section.c_str(), "constValue", row.params[i].constValue);
            file.SetString(section.c_str(), "varName", row.params[i].varName);
            if (i != 1)
                file.SetInt(section.c_str(), "valueType", VT_BSTR);
        }
        CCallActiveXMethodAction action("CallActiveXMethod", "Action", NULL);
        action.Load(file);
        EXPECT_EQ(row.result, action.Execute()) << row.name;
        EXPECT_EQ(std::string(row.answer), Text(globals.Find(row.retVariable)->value)) << row.name;
        EXPECT_EQ(row.retType, globals.Find(row.retVariable)->value.vt) << row.name;
    }
    // A return variable that does not exist is not created.
    CDataFile file;
    file.SetString("Action", "controlId", "ctl");
    file.SetString("Action", "method", "Ping");
    file.SetVarType("Action", "returnType", VT_I4);
    file.SetString("Action", "retVariable", "missing");
    CCallActiveXMethodAction ping("CallActiveXMethod", "Action", NULL);
    ping.Load(file);
    EXPECT_EQ(0, ping.Execute());
    EXPECT_TRUE(LookupVariable("missing") == NULL);
}

TEST_F(HostedControlTest, AControlWithoutEventsIsHostedAndCalledButRunsNoScripts)
{
    CBrowserDocument document;
    CActiveXElement element("Element_1", NULL);
    ASSERT_TRUE(LoadElement(element, kPlainControlProgId));
    ASSERT_TRUE(element.GetDispatch() != NULL);
    // It shows: the control is active in its host with a window of its own.
    EXPECT_TRUE(GetWindow(element.GetHostWindow(), GW_CHILD) != NULL);
    EXPECT_TRUE(IsEqualGUID(GuidFromText(kPlainControlIid), element.GetDefaultMembers().GetGuid()));
    DispDynEventImpl* sink = element.GetEventSink();
    ASSERT_TRUE(sink != NULL);
    EXPECT_EQ(DispDynEventImpl::kNoConnection, sink->GetCookie());
    EXPECT_EQ(0, sink->GetEventMembers().GetMemberCount());
    EXPECT_EQ(E_POINTER, sink->Advise(NULL));

    VARIANT value;
    VariantInit(&value);
    SetVariantText(value, "four");
    EXPECT_EQ(PropertyDone, element.AccessProperty("Label", &value, TRUE));
    VariantClear(&value);
    EXPECT_EQ(PropertyDone, element.AccessProperty("Length", &value, FALSE));
    EXPECT_EQ("4", Text(value));
    VARIANT n = Long(21);
    DISPPARAMS params = { &n, NULL, 1, 0 };
    VariantClear(&value);
    EXPECT_EQ(S_OK, element.InvokeMethod("Twice", &params, &value));
    EXPECT_EQ("42", Text(value));
    VariantClear(&value);

    ProbeLog log;
    AddProbeScript(element, "Twice", log, {});
    EXPECT_EQ(S_OK, sink->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, NULL));
    EXPECT_EQ(0, log.runs);
}

TEST_F(HostedControlTest, ADropTargetsHostAcceptsDroppedFiles)
{
    const BOOL dropTargets[] = { FALSE, TRUE };
    for (BOOL dropTarget : dropTargets)
    {
        WriteElement("Element_1", "controlName", kTestControlProgId);
        m_file.SetBool("Element_1", "dropTarget", dropTarget);
        CActiveXElement element("Element_1", NULL);
        ASSERT_TRUE(element.Load(m_file));
        const LONG exStyle = GetWindowLongA(element.GetHostWindow(), GWL_EXSTYLE);
        EXPECT_EQ(dropTarget, (exStyle & WS_EX_ACCEPTFILES) != 0) << dropTarget;
    }
}

TEST_F(HostedControlTest, TheHostsOwnInterfacesAreUsedWhenOfferedAndTheirAbsenceTolerated)
{
    for (bool offers : { true, false })
    {
        SCOPED_TRACE(offers ? "offered" : "missing");
        FakeHost host(offers);
        CActiveXElement::SetHostFlags(static_cast<IAxWinHostWindow*>(&host));
        CActiveXElement::SetExternalDispatch(static_cast<IAxWinHostWindow*>(&host));
        EXPECT_TRUE(WasAsked(host, IID_IAxWinAmbientDispatch));
        EXPECT_TRUE(WasAsked(host, IID_IAxWinHostWindow));
        EXPECT_EQ(offers, host.flagsPutByName);
        EXPECT_EQ(offers ? VT_UI4 : VT_EMPTY, host.flags.vt);
        EXPECT_EQ(offers ? 4u : 0u, host.flags.ulVal);
        ASSERT_EQ(offers, host.external != NULL);
        if (!offers)
            continue;
        // The external dispatch object the content of the control calls.
        OLECHAR name[] = L"ExecuteScript";
        LPOLESTR names[] = { name };
        DISPID id = -1;
        EXPECT_EQ(S_OK, host.external->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
        EXPECT_EQ(ExternalDispatchImpl::DispIdExecuteScript, id);
    }
}

TEST_F(HostedControlTest, KeysGoFirstToTheControlThatHasTheFocus)
{
    ShowWindow(m_window, SW_SHOWNA);
    CBrowserDocument document;
    CBrowser* page = new CBrowser(&document);
    document.AddChild(page);
    WriteElement("Element_1", "controlName", kTestControlProgId);
    CActiveXElement* element = new CActiveXElement("Element_1", NULL);
    page->AddChild(element);
    ASSERT_TRUE(element->Load(m_file));
    HWND controlWindow = GetWindow(element->GetHostWindow(), GW_CHILD);
    ASSERT_TRUE(controlWindow != NULL);

    struct Row
    {
        const char* name;
        HWND focus;
        WPARAM key;
        BOOL dispatch;    // nonzero: the loop translates and dispatches it itself
    };
    const Row rows[] = {
        { "the control's own key", controlWindow, VK_F2, 0 },
        { "another key", controlWindow, VK_F3, 1 },
        { "focus on the main window", m_window, VK_F2, 1 },
    };
    for (const Row& row : rows)
    {
        SetFocus(row.focus);
        ASSERT_EQ(row.focus, GetFocus()) << row.name;
        MSG msg = { row.focus, WM_KEYDOWN, row.key, 0, 0, { 0, 0 } };
        EXPECT_EQ(row.dispatch, document.PreTranslateMessage(&msg)) << row.name;
    }
}

TEST_F(HostedControlTest, TheExternalDispatchObjectRunsPageScriptsAndClosesThePlayer)
{
    CBrowserDocument document;
    CBrowser* page = new CBrowser(&document);
    document.AddChild(page);
    ProbeLog log;
    AddProbeScript(*page, "Hello", log, {});
    ExternalDispatchImpl* external = new ExternalDispatchImpl;

    struct NameRow
    {
        const wchar_t* name;
        HRESULT hr;
        DISPID id;
    };
    const NameRow names[] = {
        { L"ExecuteScript", S_OK, 1 }, { L"EXECUTESCRIPT", S_OK, 1 }, { L"close", S_OK, 2 },
        { L"Close", S_OK, 2 },         { L"Exit", E_NOTIMPL, -1 },    { NULL, E_NOTIMPL, -1 },
    };
    for (const NameRow& row : names)
    {
        LPOLESTR list[] = { const_cast<LPOLESTR>(row.name) };
        DISPID id = -1;
        EXPECT_EQ(row.hr, external->GetIDsOfNames(IID_NULL, list, 1, 0, &id)) << (row.name ? "named" : "null");
        EXPECT_EQ(row.id, id);
    }
    DISPID id = -1;
    EXPECT_EQ(E_NOTIMPL, external->GetIDsOfNames(IID_NULL, NULL, 1, 0, &id));

    struct CallRow
    {
        const char* name;
        DISPID id;
        VARTYPE argType;     // VT_EMPTY: no argument
        const wchar_t* text;
        HRESULT hr;
        int runs;            // runs of "Hello" so far
    };
    const CallRow calls[] = {
        { "exact name", 1, VT_BSTR, L"Hello", S_OK, 1 },
        { "other case", 1, VT_BSTR, L"hello", S_OK, 1 },
        { "no argument", 1, VT_EMPTY, NULL, S_OK, 1 },
        { "null text", 1, VT_BSTR, NULL, S_OK, 1 },
        { "number", 1, VT_I4, NULL, DISP_E_TYPEMISMATCH, 1 },
        { "unknown member", 9, VT_EMPTY, NULL, DISP_E_MEMBERNOTFOUND, 1 },
    };
    for (const CallRow& row : calls)
    {
        VARIANT argument;
        VariantInit(&argument);
        argument.vt = row.argType;
        if (row.argType == VT_BSTR)
            argument.bstrVal = row.text ? SysAllocString(row.text) : NULL;
        else if (row.argType == VT_I4)
            argument.lVal = 12;
        DISPPARAMS params = { row.argType == VT_EMPTY ? NULL : &argument, NULL,
                              row.argType == VT_EMPTY ? 0u : 1u, 0 };
        UINT argError = 99;
        EXPECT_EQ(row.hr, external->Invoke(row.id, IID_NULL, 0, DISPATCH_METHOD, &params, NULL, NULL, &argError))
            << row.name;
        EXPECT_EQ(row.runs, log.runs) << row.name;
        EXPECT_EQ(row.hr == DISP_E_TYPEMISMATCH ? 0u : 99u, argError) << row.name;
        VariantClear(&argument);
    }
    EXPECT_EQ(E_INVALIDARG, external->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, NULL, NULL, NULL, NULL));

    MSG msg;
    while (PeekMessageA(&msg, m_window, WM_CLOSE, WM_CLOSE, PM_REMOVE))
    {
    }
    DISPPARAMS none = { NULL, NULL, 0, 0 };
    EXPECT_EQ(S_OK, external->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &none, NULL, NULL, NULL));
    EXPECT_TRUE(PeekMessageA(&msg, m_window, WM_CLOSE, WM_CLOSE, PM_REMOVE));

    IUnknown* other = NULL;
    EXPECT_EQ(E_NOINTERFACE, external->QueryInterface(IID_IOleObject, (void**)&other));
    external->Release();
}

} // namespace
