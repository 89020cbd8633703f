// CActiveXElement (run-time): a live ActiveX control on the page. It sits in
// a child window of ATL's class "AtlAxWin" of the main window, paints and
// takes input by itself, answers scripts through its IDispatch and runs the
// element's scripts for its events.
#pragma once

#include "player/runtime/ScriptableObject.h"
#include "model/store/DispatchInterfaceInfo.h"

#include <ole2.h>

#include <string>
#include <unordered_map>

namespace Tarvex {

class DispDynEventImpl;

class CActiveXElement : public CScriptableObject
{
public:
    CActiveXElement(const char* section, CElement* parent);
    // Position, size and names only: the copy hosts no control.
    CActiveXElement(const CActiveXElement& other);
    // Disconnects the events and destroys the host window with the control.
    ~CActiveXElement() override;

    CElement* Clone() const override { return new CActiveXElement(*this); }
    RECT GetRect() const override;
    // "width", "height", "controlName" then "CLSID" (the later wins),
    // "dropTarget", the scriptable keys; then the control is created in the
    // drawing window. TRUE also when no control could be created.
    BOOL Load(const CDataFile& file) override;
    // "xpos", "ypos", "width", "height" (VT_I4) and "mouseMoveable"
    // (VT_BOOL) are the element's; every other name is the control's.
    int AccessProperty(const char* name, VARIANT* value, BOOL put) override;
    // Moves the host window to the element's rectangle.
    void OnPropertiesChanged() override;
    // 0 when the control took the call, 3 when there is no control.
    int PutExtraProperty(const char* name, VARIANT* value) override;
    int GetExtraProperty(const char* name, VARIANT* value) override;

    // Calls the control's method with the arguments (last first); the
    // control's answer, E_NOINTERFACE without a control.
    HRESULT InvokeMethod(const char* name, DISPPARAMS* params, VARIANT* result);

    // Hosts the control named by the control name in a new child window of
    // parent; a control hosted before goes first. TRUE when a control lives.
    BOOL CreateControl(HWND parent);
    void DestroyControl();

    HWND GetHostWindow() const { return m_hostWindow; }
    const CStr& GetControlName() const { return m_controlName; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    BOOL IsDropTarget() const { return m_dropTarget; }
    const CDispatchInterfaceInfo& GetDefaultMembers() const { return m_defaultMembers; }
    // The control's IUnknown and IDispatch (not AddRef'd); NULL without.
    IUnknown* GetControl() const { return m_control; }
    IDispatch* GetDispatch() const { return m_dispatch; }
    DispDynEventImpl* GetEventSink() const { return m_eventSink; }
    // How many names were asked of the control so far.
    int GetNameLookupCount() const { return m_nameLookups; }

    // Through ATL's host interfaces, which a host may not offer (Wine's
    // does not): the flag that drops the control's 3D border, and a new
    // external dispatch object for content inside the control.
    static void SetHostFlags(IUnknown* host);
    static void SetExternalDispatch(IUnknown* host);

private:
    CActiveXElement& operator=(const CActiveXElement&);

    // The DISPID of a member name, asked of the control once per name.
    DISPID LookUpDispId(const char* name);

    HWND m_hostWindow;
    RECT m_hostRect;   // where the host window was last put
    int m_width;
    int m_height;
    CStr m_controlName;
    CDispatchInterfaceInfo m_defaultMembers;
    BOOL m_dropTarget;
    IUnknown* m_control;
    IDispatch* m_dispatch;
    DispDynEventImpl* m_eventSink;
    BOOL m_dragRegistered;
    std::unordered_map<std::string, DISPID> m_dispIds;
    int m_nameLookups;
};

} // namespace Tarvex
