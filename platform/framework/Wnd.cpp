#include "platform/framework/Wnd.h"

#include "model/common/MessageReporter.h"
#include "platform/atl/WindowLong.h"
#include "platform/framework/FrameWnd.h"
#include "platform/framework/TempMap.h"
#include "platform/framework/WinApp.h"

#include <stdio.h>
#include <string.h>

#include <set>
#include <string>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CMenu, CObject)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

const char AfxWndClassName[] = "AfxWnd";
const char AfxFrameOrViewClassName[] = "AfxFrameOrView";

// The message each dispatch on this thread is handling, innermost first.
struct AfxCurrentMessage
{
    MSG msg;
    BOOL handled;
    AfxCurrentMessage* outer;
};

namespace
{
thread_local AfxCurrentMessage* t_current = NULL;
thread_local CWnd* t_pendingCreate = NULL;
thread_local const char* t_pendingClass = NULL;
thread_local CWnd* t_creating = NULL;
thread_local HHOOK t_cbtHook = NULL;

// The permanent map is process-wide: a window's object may be looked up
// from any thread, though only its own thread dispatches to it.
struct HandleMap
{
    HandleMap() { InitializeCriticalSection(&lock); }
    CRITICAL_SECTION lock;
    std::unordered_map<HWND, CWnd*> map;
};
HandleMap& Permanent()
{
    static HandleMap* map = new HandleMap;
    return *map;
}

void MapAdd(HWND window, CWnd* wnd)
{
    HandleMap& m = Permanent();
    EnterCriticalSection(&m.lock);
    m.map[window] = wnd;
    LeaveCriticalSection(&m.lock);
}

void MapRemove(HWND window)
{
    HandleMap& m = Permanent();
    EnterCriticalSection(&m.lock);
    m.map.erase(window);
    LeaveCriticalSection(&m.lock);
}

BOOL CALLBACK MarkDestroying(HWND window, LPARAM)
{
    if (CWnd* wnd = CWnd::FromHandlePermanent(window))
        wnd->m_bDestroying = TRUE;
    return TRUE;
}

// Binds the object waiting for its window at HCBT_CREATEWND (before
// WM_NCCREATE), and marks windows (with their descendants) as really being
// destroyed at HCBT_DESTROYWND, so that only that WM_NCDESTROY unbinds.
LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = (HWND)wParam;
    if (code == HCBT_CREATEWND && t_pendingCreate)
    {
        char className[256] = "";
        ::GetClassNameA(window, className, sizeof(className));
        if (t_pendingClass == NULL || IS_INTRESOURCE(t_pendingClass) || _stricmp(className, t_pendingClass) == 0)
        {
            CWnd* wnd = t_pendingCreate;
            t_pendingCreate = NULL;
            wnd->Attach(window);
            WNDPROC proc = (WNDPROC)::GetWindowLongPtrA(window, GWLP_WNDPROC);
            if (proc != CWnd::AfxWndProc)
            {
                wnd->m_pfnSuper = proc;
                ::SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)CWnd::AfxWndProc);
            }
        }
    }
    else if (code == HCBT_DESTROYWND)
    {
        MarkDestroying(window, 0);
        ::EnumChildWindows(window, MarkDestroying, 0);
    }
    return ::CallNextHookEx(t_cbtHook, code, wParam, lParam);
}

void EnsureHook()
{
    if (t_cbtHook == NULL)
        t_cbtHook = ::SetWindowsHookExA(WH_CBT, CbtHook, NULL, ::GetCurrentThreadId());
}

// Each dispatch gets its own record of the message and its handled flag.
struct MessageScope
{
    MessageScope(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        record.msg.hwnd = window;
        record.msg.message = message;
        record.msg.wParam = wParam;
        record.msg.lParam = lParam;
        record.msg.time = ::GetMessageTime();
        record.msg.pt.x = record.msg.pt.y = 0;
        record.handled = TRUE;
        record.outer = t_current;
        t_current = &record;
    }
    ~MessageScope() { t_current = record.outer; }
    AfxCurrentMessage record;
};

BOOL IsReflectedFromControl(UINT message, WPARAM wParam, LPARAM lParam, HWND& control)
{
    switch (message)
    {
    case WM_DRAWITEM:
        control = wParam ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem : NULL;
        return control != NULL;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        control = (HWND)lParam;
        return control != NULL;
    default:
        return FALSE;
    }
}

BOOL RegisterNamedClass(const char* name, UINT style, HBRUSH background)
{
    HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSA existing;
    if (::GetClassInfoA(instance, name, &existing))
        return TRUE;
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = CWnd::AfxWndProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(NULL, (const char*)IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return ::RegisterClassA(&wc) != 0;
}

// The named classes callers may create windows of, and the common controls.
void RegisterStandardClasses()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterNamedClass(AfxWndClassName, CS_DBLCLKS, NULL);
    RegisterNamedClass(AfxFrameOrViewClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, (HBRUSH)(COLOR_WINDOW + 1));
    INITCOMMONCONTROLSEX init = { sizeof(init), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES };
    ::InitCommonControlsEx(&init);
}

void ReportCreateFailure(const char* className)
{
    char text[300];
    snprintf(text, sizeof(text), "Creating a window of class %s failed (error %lu).\n",
             className && !IS_INTRESOURCE(className) ? className : "?", (unsigned long)::GetLastError());
    ::OutputDebugStringA(text);
}
}

std::map<std::pair<const void*, const void*>, AfxTempEntry>& AfxTempMap()
{
    thread_local std::map<std::pair<const void*, const void*>, AfxTempEntry> map;
    return map;
}

void AfxDeleteTempMaps()
{
    auto& map = AfxTempMap();
    while (!map.empty())
    {
        AfxTempEntry entry = map.begin()->second;
        map.erase(map.begin());
        entry.drop(entry.object);
    }
}

HWND& AfxHandleOf(CWnd* wnd) { return wnd->m_hWnd; }
HMENU& AfxHandleOf(CMenu* menu) { return menu->m_hMenu; }

// ---------------------------------------------------------------------------
// CWnd

CWnd::CWnd() : m_hWnd(NULL), m_bDestroying(FALSE), m_pfnSuper(NULL), m_pCurrentMsg(NULL)
{
}

CWnd::~CWnd()
{
    // A bound window does not outlive its object.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
    {
        HWND window = m_hWnd;
        if (::IsWindow(window))
            ::DestroyWindow(window);
        if (m_hWnd)
        {
            MapRemove(window);
            m_hWnd = NULL;
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    if (window == NULL)
        return NULL;
    HandleMap& m = Permanent();
    EnterCriticalSection(&m.lock);
    auto found = m.map.find(window);
    CWnd* wnd = found == m.map.end() ? NULL : found->second;
    LeaveCriticalSection(&m.lock);
    return wnd;
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (CWnd* wnd = FromHandlePermanent(window))
        return wnd;
    return AfxTempObject<CWnd>(window);
}

BOOL CWnd::Attach(HWND window)
{
    if (window == NULL)
        return FALSE;
    EnsureHook();
    m_hWnd = window;
    m_bDestroying = FALSE;
    MapAdd(window, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (window)
        MapRemove(window);
    m_hWnd = NULL;
    return window;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!Attach(window))
        return FALSE;
    WNDPROC proc = (WNDPROC)::GetWindowLongPtrA(window, GWLP_WNDPROC);
    if (proc != AfxWndProc)
    {
        m_pfnSuper = proc;
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    }
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = ::GetDlgItem(parent->m_hWnd, id);
    return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = NULL;
    return Detach();
}

void CWnd::HookWindowCreate(CWnd* wnd)
{
    EnsureHook();
    t_pendingCreate = wnd;
    t_pendingClass = NULL;
}

BOOL CWnd::UnhookWindowCreate()
{
    BOOL took = t_pendingCreate == NULL;
    t_pendingCreate = NULL;
    t_pendingClass = NULL;
    return took;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
    return TRUE;
}

BOOL CWnd::Create(const char* className, const char* windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, CCreateContext* context)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, void* param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : NULL, (HMENU)(UINT_PTR)id, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, void* param)
{
    CREATESTRUCTA cs;
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    RegisterStandardClasses();

    HookWindowCreate(this);
    t_pendingClass = cs.lpszClass;
    CWnd* outerCreating = t_creating;
    t_creating = this;
    HWND window = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                    cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    t_creating = outerCreating;
    UnhookWindowCreate();
    if (window == NULL)
    {
        ReportCreateFailure(cs.lpszClass);
        // A window that died inside its creation has been unbound without
        // its PostNcDestroy; it runs now, as the last thing here.
        if (m_hWnd)
        {
            MapRemove(m_hWnd);
            m_hWnd = NULL;
        }
        PostNcDestroy();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWnd::AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(window);
    if (wnd == NULL)
        return ::DefWindowProcA(window, message, wParam, lParam);

    LRESULT result;
    {
        MessageScope scope(window, message, wParam, lParam);
        result = wnd->WindowProc(message, wParam, lParam);
    }
    // Only the real, final WM_NCDESTROY unbinds: one sent by DestroyWindow
    // (marked by the hook) or by a creation that failed.
    if (message == WM_NCDESTROY && (wnd->m_bDestroying || wnd == t_creating) && wnd->m_hWnd == window)
    {
        MapRemove(window);
        wnd->m_hWnd = NULL;
        wnd->m_pfnSuper = NULL;
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == wnd)
        {
            app->m_pMainWnd = NULL;
            ::PostQuitMessage(0);
        }
        if (wnd != t_creating)
            wnd->PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT answer = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header == NULL || header->hwndFrom == NULL || !OnNotify(wParam, lParam, &answer))
            return FALSE;
        *result = answer;
        return TRUE;
    }
    HWND control = NULL;
    if (IsReflectedFromControl(message, wParam, lParam, control) &&
        ReflectChildNotify(control, message, wParam, lParam, &answer))
    {
        *result = answer;
        return TRUE;
    }

    UINT code = 0;
    if (message == WM_REFLECT_BASE + WM_NOTIFY)
        code = LOWORD(reinterpret_cast<NMHDR*>(lParam)->code);
    else if (message == WM_REFLECT_BASE + WM_COMMAND)
        code = HIWORD(wParam);
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, code, 0);
    if (entry == NULL)
        return FALSE;
    AfxCall call = { message, wParam, lParam, 0, NULL, 0 };
    if (t_current)
        t_current->handled = TRUE;
    BOOL handled = entry->pfn(this, call);
    if (t_current && !t_current->handled)
        return FALSE;
    *result = call.result;
    return handled;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    if (t_current == NULL)
        return 0;
    const MSG& msg = t_current->msg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

void CWnd::SetMsgHandled(BOOL handled)
{
    if (t_current)
        t_current->handled = handled;
}

BOOL CWnd::IsMsgHandled() const
{
    return t_current ? t_current->handled : TRUE;
}

const MSG* CWnd::GetCurrentMessage() const
{
    return t_current ? &t_current->msg : NULL;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    HWND control = (HWND)lParam;
    char className[64] = "";
    if (control)
        ::GetClassNameA(control, className, sizeof(className));
    if (control == NULL || _stricmp(className, TOOLBARCLASSNAMEA) == 0)
    {
        // Menu, accelerator and toolbar commands: a disabled one is not
        // carried out, also when it was posted.
        code = CN_COMMAND;
        CTestCmdUI state;
        state.m_nID = id;
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, NULL);
        if (!state.m_bEnabled)
            return TRUE;
    }
    else
    {
        if (ReflectChildNotify(control, WM_COMMAND, wParam, lParam, NULL))
            return TRUE;
        if (id == 0)
            return FALSE;
    }
    return OnCmdMsg(id, (int)code, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectChildNotify(header->hwndFrom, WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    AFX_NOTIFY notify = { result, header };
    return OnCmdMsg((UINT)header->idFrom, (int)MAKELONG(LOWORD(header->code), WM_NOTIFY), &notify, NULL);
}

BOOL CWnd::ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* wnd = FromHandlePermanent(child);
    if (wnd == NULL)
        return FALSE;
    return wnd->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT answer = 0;
    BOOL handled;
    {
        MessageScope scope(m_hWnd, WM_REFLECT_BASE + message, wParam, lParam);
        handled = OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, &answer);
    }
    if (handled && result)
        *result = answer;
    return handled;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND window = msg->hwnd; window; window = ::GetParent(window))
    {
        CWnd* wnd = FromHandlePermanent(window);
        if (wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (window == stop)
            break;
    }
    return FALSE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep, BOOL onlyPermanent)
{
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        CWnd* wnd = FromHandlePermanent(child);
        if (onlyPermanent)
        {
            if (wnd)
                AfxWndProc(child, message, wParam, lParam);
        }
        else
        {
            ::SendMessageA(child, message, wParam, lParam);
        }
        if (deep && ::GetTopWindow(child))
        {
            CWnd walker;
            walker.m_hWnd = child;
            walker.SendMessageToDescendants(message, wParam, lParam, deep, onlyPermanent);
            walker.m_hWnd = NULL;
        }
    }
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND window = m_hWnd;
    HWND parent;
    while ((::GetWindowLongA(window, GWL_STYLE) & WS_CHILD) && (parent = ::GetParent(window)) != NULL)
        window = parent;
    return FromHandle(window);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND window = ::GetParent(m_hWnd); window; window = ::GetParent(window))
    {
        CWnd* wnd = FromHandlePermanent(window);
        if (wnd && wnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(wnd);
    }
    return NULL;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* frame = IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? (CFrameWnd*)this : GetParentFrame();
    while (frame)
    {
        CFrameWnd* next = frame->GetParentFrame();
        if (next == NULL)
            break;
        frame = next;
    }
    return frame;
}

CWnd* CWnd::GetDescendantWindow(int id, BOOL onlyPermanent) const
{
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        if (::GetDlgCtrlID(child) == id)
        {
            CWnd* wnd = onlyPermanent ? FromHandlePermanent(child) : FromHandle(child);
            if (wnd)
                return wnd;
        }
    }
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        CWnd walker;
        walker.m_hWnd = child;
        CWnd* found = walker.GetDescendantWindow(id, onlyPermanent);
        walker.m_hWnd = NULL;
        if (found)
            return found;
    }
    return NULL;
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    HWND over = alternateOwner ? alternateOwner->m_hWnd : NULL;
    if (over == NULL && (GetStyle() & WS_CHILD))
        over = ::GetParent(m_hWnd);
    if (over == NULL)
        over = ::GetWindow(m_hWnd, GW_OWNER);
    RECT outer, own;
    if (over && (GetStyle() & WS_CHILD))
        ::GetClientRect(over, &outer);
    else if (over)
        ::GetWindowRect(over, &outer);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &outer, 0);
    ::GetWindowRect(m_hWnd, &own);
    int x = outer.left + ((outer.right - outer.left) - (own.right - own.left)) / 2;
    int y = outer.top + ((outer.bottom - outer.top) - (own.bottom - own.top)) / 2;
    ::SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ModifyLong(HWND window, int index, DWORD remove, DWORD add, UINT flags)
{
    return ModifyWindowLong(window, index, remove, add, flags);
}

CDC* CWnd::GetDC()
{
    CDC* dc = new CDC;
    dc->Attach(::GetDC(m_hWnd));
    return dc;
}

CDC* CWnd::GetWindowDC()
{
    CDC* dc = new CDC;
    dc->Attach(::GetWindowDC(m_hWnd));
    return dc;
}

int CWnd::ReleaseDC(CDC* dc)
{
    if (dc == NULL)
        return 0;
    int released = ::ReleaseDC(m_hWnd, dc->Detach());
    delete dc;
    return released;
}

CDC* CWnd::BeginPaint(PAINTSTRUCT* paint)
{
    return CDC::FromHandle(::BeginPaint(m_hWnd, paint));
}

void CWnd::EndPaint(PAINTSTRUCT* paint)
{
    ::EndPaint(m_hWnd, paint);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    if (caption == NULL)
        caption = AfxGetApp() ? AfxGetApp()->m_pszAppName : "";
    return ReportMessage(m_hWnd, text, caption, type);
}

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, NULL } };
    static const AFX_MSGMAP map = { &CCmdTarget::GetThisMessageMap, entries };
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

// ---------------------------------------------------------------------------
// Window classes

const char* AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    // Names stay valid for the life of the process.
    static CRITICAL_SECTION* lock = [] {
        CRITICAL_SECTION* cs = new CRITICAL_SECTION;
        InitializeCriticalSection(cs);
        return cs;
    }();
    static std::set<std::string>* names = new std::set<std::string>;
    char buffer[128];
    HINSTANCE instance = AfxGetInstanceHandle();
    RegisterStandardClasses();
    if (cursor == NULL && background == NULL && icon == NULL && classStyle == CS_DBLCLKS)
        return AfxWndClassName;
    snprintf(buffer, sizeof(buffer), "Afx:%p:%x:%p:%p:%p", (void*)instance, classStyle, (void*)cursor,
                 (void*)background, (void*)icon);
    EnterCriticalSection(lock);
    const std::string& name = *names->insert(buffer).first;
    LeaveCriticalSection(lock);
    WNDCLASSA existing;
    if (::GetClassInfoA(instance, name.c_str(), &existing))
        return name.c_str();
    WNDCLASSA wc = {};
    wc.style = classStyle;
    wc.lpfnWndProc = CWnd::AfxWndProc;
    wc.hInstance = instance;
    wc.hCursor = cursor ? cursor : ::LoadCursorA(NULL, (const char*)IDC_ARROW);
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name.c_str();
    if (!::RegisterClassA(&wc))
        return NULL;
    return name.c_str();
}

// ---------------------------------------------------------------------------
// CMenu

CMenu* CMenu::FromHandle(HMENU menu)
{
    return AfxTempObject<CMenu>(menu);
}

BOOL CMenu::LoadMenu(UINT id)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
}

BOOL CMenu::LoadMenu(const char* name)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), name));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    BOOL done = ::DestroyMenu(m_hMenu);
    m_hMenu = NULL;
    return done;
}

CMenu* CMenu::GetSubMenu(int pos) const
{
    return FromHandle(::GetSubMenu(m_hMenu, pos));
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : NULL, rect);
}
