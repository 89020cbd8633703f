#include "player/runtime/ActiveXElement.h"

#include "platform/atl/AtlBase.h"
#include "platform/atl/AtlHostInterfaces.h"
#include "platform/atl/AtlImports.h"
#include "player/runtime/BrowserDocument.h"
#include "model/store/ControlInterfaces.h"
#include "player/runtime/DispDynEventImpl.h"
#include "player/runtime/DrawingSupport.h"
#include "player/runtime/ExternalDispatchImpl.h"

#include <shellapi.h>

namespace Tarvex {

namespace {

const DWORD kHostStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
const LONG kDocHostNo3DBorder = 4;
const LCID kUserLocale = 0x0400;

BSTR WideText(const char* text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text ? text : "", -1, NULL, 0);
    BSTR wide = SysAllocStringLen(NULL, length > 0 ? length - 1 : 0);
    if (wide && length > 0)
        MultiByteToWideChar(CP_ACP, 0, text ? text : "", -1, wide, length);
    return wide;
}

bool IsPrintableAscii(const char* text)
{
    for (; *text; ++text)
    {
        if ((unsigned char)*text < 0x20 || (unsigned char)*text > 0x7E)
            return false;
    }
    return true;
}

// lstrcmpiA's answer, without the locale's tables for printable ASCII names
// (which differ beyond letter case only when lstrcmpiA tells them apart):
// every control property would otherwise pay for five locale compares.
bool SameNameNoCase(const char* name, const char* known)
{
    if (IsPrintableAscii(name))
    {
        for (; *name && *known; ++name, ++known)
        {
            char a = *name >= 'A' && *name <= 'Z' ? (char)(*name + 32) : *name;
            char b = *known >= 'A' && *known <= 'Z' ? (char)(*known + 32) : *known;
            if (a != b)
                return false;
        }
        return *name == *known;
    }
    return lstrcmpiA(name, known) == 0;
}

template <class T>
void ReleaseAndClear(T*& pointer)
{
    if (pointer)
    {
        pointer->Release();
        pointer = NULL;
    }
}

} // namespace

CActiveXElement::CActiveXElement(const char* section, CElement* parent)
    : CScriptableObject(section, parent), m_hostWindow(NULL), m_hostRect(), m_width(0), m_height(0),
      m_dropTarget(FALSE), m_control(NULL), m_dispatch(NULL), m_eventSink(NULL), m_dragRegistered(FALSE),
      m_nameLookups(0)
{
}

CActiveXElement::CActiveXElement(const CActiveXElement& other)
    : CScriptableObject(other), m_hostWindow(NULL), m_hostRect(), m_width(other.m_width),
      m_height(other.m_height), m_dropTarget(other.m_dropTarget), m_control(NULL), m_dispatch(NULL), m_eventSink(NULL),
      m_dragRegistered(FALSE), m_nameLookups(0)
{
}

CActiveXElement::~CActiveXElement()
{
    DestroyControl();
}

RECT CActiveXElement::GetRect() const
{
    RECT rect = { m_xpos, m_ypos, m_xpos + m_width, m_ypos + m_height };
    return rect;
}

BOOL CActiveXElement::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    file.GetInt(section, "width", m_width);
    file.GetInt(section, "height", m_height);
    file.GetString(section, "controlName", m_controlName);
    CStr clsid;
    if (file.GetString(section, "CLSID", clsid))
        m_controlName = clsid;
    BOOL dropTarget = FALSE;
    if (file.GetBool(section, "dropTarget", dropTarget))
        m_dropTarget = dropTarget;
    CScriptableObject::Load(file);
    CreateControl(GetDrawingWindow());
    return TRUE;
}

void CActiveXElement::DestroyControl()
{
    if (m_eventSink)
    {
        m_eventSink->Unadvise(m_control);
        m_eventSink->Release();
        m_eventSink = NULL;
    }
    if (m_dragRegistered)
    {
        RevokeDragDrop(m_hostWindow);
        m_dragRegistered = FALSE;
    }
    ReleaseAndClear(m_dispatch);
    ReleaseAndClear(m_control);
    if (m_hostWindow && IsWindow(m_hostWindow))
        DestroyWindow(m_hostWindow);
    m_hostWindow = NULL;
    // Kept, a second creation would list the first control's members beside its own.
    m_defaultMembers.Clear();
    m_dispIds.clear();
}

BOOL CActiveXElement::CreateControl(HWND parent)
{
    DestroyControl();
    m_hostWindow = CreateWindowExA(0, "AtlAxWin", m_controlName, kHostStyle, m_xpos, m_ypos, m_width, m_height,
                                   parent, NULL, _Module.GetModuleInstance(), NULL);
    if (!m_hostWindow)
        return FALSE;
    m_hostRect = GetRect();
    IUnknown* control = NULL;
    if (FAILED(AtlAxGetControl(m_hostWindow, &control)) || !control)
        return FALSE;
    if (FAILED(control->QueryInterface(IID_IUnknown, (void**)&m_control)))
        m_control = NULL;
    control->Release();
    if (!m_control)
        return FALSE;
    if (FAILED(m_control->QueryInterface(IID_IDispatch, (void**)&m_dispatch)))
        m_dispatch = NULL;

    m_eventSink = new DispDynEventImpl(this);
    m_eventSink->Advise(m_control);
    if (CBrowserDocument* document = CBrowserDocument::GetCurrent())
        document->AddEventSink(m_eventSink);

    IUnknown* host = NULL;
    if (SUCCEEDED(AtlAxGetHost(m_hostWindow, &host)) && host)
    {
        SetHostFlags(host);
        SetExternalDispatch(host);
        host->Release();
    }

    ReadControlInterfaces(m_control, &m_defaultMembers, NULL);

    if (m_dropTarget)
    {
        DragAcceptFiles(m_hostWindow, TRUE);
        IDropTarget* dropTarget = NULL;
        if (SUCCEEDED(m_control->QueryInterface(IID_IDropTarget, (void**)&dropTarget)) && dropTarget)
        {
            m_dragRegistered = SUCCEEDED(RegisterDragDrop(m_hostWindow, dropTarget));
            dropTarget->Release();
        }
    }
    return TRUE;
}

void CActiveXElement::SetHostFlags(IUnknown* host)
{
    // Wine's host has no ambient interface: the control then keeps its border.
    IDispatch* ambient = NULL;
    if (FAILED(host->QueryInterface(IID_IAxWinAmbientDispatch, (void**)&ambient)) || !ambient)
        return;
    OLECHAR name[] = L"DocHostFlags";
    LPOLESTR names[] = { name };
    DISPID id = DISPID_UNKNOWN;
    if (SUCCEEDED(ambient->GetIDsOfNames(IID_NULL, names, 1, kUserLocale, &id)))
    {
        VARIANT flags;
        VariantInit(&flags);
        flags.vt = VT_UI4;
        flags.ulVal = kDocHostNo3DBorder;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params = { &flags, &named, 1, 1 };
        ambient->Invoke(id, IID_NULL, kUserLocale, DISPATCH_PROPERTYPUT, &params, NULL, NULL, NULL);
    }
    ambient->Release();
}

void CActiveXElement::SetExternalDispatch(IUnknown* host)
{
    // Without the host window interface (Wine's host) content in the control
    // simply cannot call the player.
    IAxWinHostWindow* window = NULL;
    if (FAILED(host->QueryInterface(IID_IAxWinHostWindow, (void**)&window)) || !window)
        return;
    ExternalDispatchImpl* external = new ExternalDispatchImpl;
    window->SetExternalDispatch(external);
    external->Release();
    window->Release();
}

void CActiveXElement::OnPropertiesChanged()
{
    // A put of the control's own properties leaves the window where it is;
    // moving and repainting it anyway costs more than the call itself.
    RECT wanted = GetRect();
    if (!m_hostWindow || EqualRect(&m_hostRect, &wanted))
        return;
    m_hostRect = wanted;
    MoveWindow(m_hostWindow, m_xpos, m_ypos, m_width, m_height, TRUE);
}

int CActiveXElement::AccessProperty(const char* name, VARIANT* value, BOOL put)
{
    if (!name || !value)
        return PropertyUnknownName;
    if (SameNameNoCase(name, "mouseMoveable"))
    {
        if (value->vt != VT_BOOL)
            return PropertyWrongType;
        if (put)
        {
            m_mouseMoveable = value->boolVal;
            OnPropertiesChanged();
        }
        else
            value->boolVal = m_mouseMoveable ? VARIANT_TRUE : VARIANT_FALSE;
        return PropertyDone;
    }
    const CPropertyBinding table[] = {
        { "xpos", CPropertyBinding::Int, &m_xpos },
        { "ypos", CPropertyBinding::Int, &m_ypos },
        { "width", CPropertyBinding::Int, &m_width },
        { "height", CPropertyBinding::Int, &m_height },
    };
    for (const CPropertyBinding& binding : table)
    {
        if (SameNameNoCase(name, binding.name))
            return AccessBoundProperty(&binding, 1, binding.name, value, put);
    }
    if (!put)
    {
        GetExtraProperty(name, value);
        return PropertyDone;
    }
    if (PutExtraProperty(name, value) != 0)
        return PropertyUnknownName;
    OnPropertiesChanged();
    return PropertyDone;
}

DISPID CActiveXElement::LookUpDispId(const char* name)
{
    // Member names are matched ignoring case, so are the names kept here (a
    // name differing only beyond ASCII case is merely asked again).
    std::string key(name ? name : "");
    for (char& c : key)
    {
        if (c >= 'A' && c <= 'Z')
            c = (char)(c + 32);
    }
    auto found = m_dispIds.find(key);
    if (found != m_dispIds.end())
        return found->second;
    DISPID id = DISPID_UNKNOWN;
    BSTR wide = WideText(name);
    if (wide && m_dispatch)
    {
        ++m_nameLookups;
        LPOLESTR names[] = { wide };
        if (FAILED(m_dispatch->GetIDsOfNames(IID_NULL, names, 1, kUserLocale, &id)))
            id = DISPID_UNKNOWN;
    }
    SysFreeString(wide);
    m_dispIds.emplace(key, id);
    return id;
}

int CActiveXElement::GetExtraProperty(const char* name, VARIANT* value)
{
    if (!m_dispatch)
        return PropertyUnknownName;
    DISPID id = LookUpDispId(name);
    if (id == DISPID_UNKNOWN)
        return PropertyDone;
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS none = { NULL, NULL, 0, 0 };
    // Written straight into the caller's value, a text it held would leak.
    if (SUCCEEDED(m_dispatch->Invoke(id, IID_NULL, kUserLocale, DISPATCH_PROPERTYGET, &none, &result, NULL, NULL)))
    {
        VariantClear(value);
        *value = result;
    }
    else
        VariantClear(&result);
    return PropertyDone;
}

int CActiveXElement::PutExtraProperty(const char* name, VARIANT* value)
{
    if (!m_dispatch)
        return PropertyUnknownName;
    DISPID id = LookUpDispId(name);
    if (id == DISPID_UNKNOWN)
        return PropertyDone;
    VARIANT argument;
    VariantInit(&argument);
    if (FAILED(VariantCopy(&argument, value)))
        return PropertyDone;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = { &argument, &named, 1, 1 };
    m_dispatch->Invoke(id, IID_NULL, kUserLocale, DISPATCH_PROPERTYPUT, &params, NULL, NULL, NULL);
    VariantClear(&argument);
    return PropertyDone;
}

HRESULT CActiveXElement::InvokeMethod(const char* name, DISPPARAMS* params, VARIANT* result)
{
    if (!m_dispatch)
        return E_NOINTERFACE;
    DISPID id = LookUpDispId(name);
    if (id == DISPID_UNKNOWN)
        return DISP_E_UNKNOWNNAME;
    DISPPARAMS none = { NULL, NULL, 0, 0 };
    return m_dispatch->Invoke(id, IID_NULL, kUserLocale, DISPATCH_METHOD, params ? params : &none, result, NULL,
                              NULL);
}

} // namespace Tarvex
