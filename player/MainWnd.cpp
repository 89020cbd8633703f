#include "player/MainWnd.h"

#include "model/common/MessageReporter.h"
#include "model/common/PathHelpers.h"
#include "player/PlayerDataFile.h"
#include "player/PlayerPaths.h"
#include "player/runtime/Browser.h"
#include "player/runtime/DrawingSupport.h"
#include "player/runtime/Script.h"

#include <algorithm>
#include <stdio.h>
#include <string.h>

using Tarvex::CBrowser;
using Tarvex::CElement;
using Tarvex::CScriptableObject;

namespace {

CMainWnd* g_deferringWindow;

BOOL SameLines(const CDataFile& a, const CDataFile& b)
{
    if (a.GetLineCount() != b.GetLineCount())
        return FALSE;
    for (int i = 0; i < a.GetLineCount(); ++i)
    {
        if (a.GetLine(i) != b.GetLine(i))
            return FALSE;
    }
    return TRUE;
}

} // namespace

CMainWnd::CMainWnd()
    : m_pressedElement(NULL), m_hoveredElement(NULL), m_icon(NULL), m_handCursor(NULL), m_appBar(FALSE),
      m_windowType(0), m_currentFile(NULL), m_previousCapture(NULL), m_instanceMutex(NULL), m_moved(FALSE),
      m_lastToken(0), m_dragOrigin(), m_dragArmed(FALSE), m_recapture(FALSE),
      m_inRecapture(FALSE), m_captureShown(FALSE), m_trackingLeave(FALSE),
      m_instanceBoxShown(FALSE)
{
}

CMainWnd::~CMainWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

HWND CMainWnd::CreateMainWindow()
{
    RECT rect = { 0, 0, 200, 200 };
    return Create(NULL, rect, NULL, WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW);
}

void CMainWnd::PostChangePage(const char* name)
{
    if (++m_lastToken == 0)
        ++m_lastToken;
    m_pendingPages.push_back({ m_lastToken, CStr(name ? name : "") });
    PostMessage(WM_PLAYER_CHANGEPAGE, 0, m_lastToken);
}

BOOL CMainWnd::PreTranslateMessage(MSG* msg)
{
    return m_document.PreTranslateMessage(msg);
}

// ---------------------------------------------------------------------------
// Messages that wait for the running script

BOOL CMainWnd::DeferWhileScriptRuns(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PLAYER_CHANGEPAGE:
    // Any process can post the start-up request, which applies a page.
    case WM_PLAYER_STARTUP:
    case WM_PLAYER_REAPPLY:
    case WM_PLAYER_INSTANCENOTIFY:
    case WM_PLAYER_NEXTPAGE:
    case WM_PLAYER_PREVPAGE:
    case WM_DISPLAYCHANGE:
    case WM_CLOSE:
        break;
    default:
        return FALSE;
    }
    if (CScriptableObject::GetRunDepth() == 0)
        return FALSE;
    // Handled now, from a nested message loop, it would destroy the page
    // and the scripts that the running script stands on.
    m_deferred.push_back({ message, wParam, lParam });
    g_deferringWindow = this;
    CScriptableObject::SetOutermostRunEndHandler(&CMainWnd::OnOutermostScriptEnd);
    return TRUE;
}

void CMainWnd::OnOutermostScriptEnd()
{
    if (g_deferringWindow)
        g_deferringWindow->PostDeferredMessages();
}

void CMainWnd::PostDeferredMessages()
{
    std::vector<DeferredMessage> deferred;
    deferred.swap(m_deferred);
    for (const DeferredMessage& message : deferred)
        PostMessage(message.message, message.wParam, message.lParam);
}

// ---------------------------------------------------------------------------
// Messages

int CMainWnd::OnCreate(CREATESTRUCTA* create)
{
    (void)create;
    char helpProgram[MAX_PATH + 16];
    UINT length = GetWindowsDirectoryA(helpProgram, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        helpProgram[0] = '\0';
    strcat(helpProgram, "\\winhlp32.exe");
    HMODULE help = LoadLibraryExA(helpProgram, NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (help)
    {
        HCURSOR cursor = LoadCursorA(help, MAKEINTRESOURCEA(106));
        if (cursor)
            m_handCursor = CopyIcon(cursor);
        FreeLibrary(help);
    }
    // Without the help program's hand, elements with the hand cursor would
    // show no pointer at all.
    if (!m_handCursor)
        m_handCursor = CopyIcon(LoadCursorA(NULL, MAKEINTRESOURCEA(32649)));
    m_previousCapture = NULL;
    Tarvex::SetDrawingWindow(m_hWnd);
    PostMessage(WM_PLAYER_STARTUP);
    return 0;
}

void CMainWnd::OnDestroy()
{
    m_appBarManager.Unregister();
    m_hoveredElement = NULL;
    SetPressedElement(NULL);
    m_document.Clear();
    if (g_deferringWindow == this)
        g_deferringWindow = NULL;
    if (m_instanceMutex)
    {
        CloseHandle(m_instanceMutex);
        m_instanceMutex = NULL;
    }
    if (m_icon)
    {
        DestroyIcon(m_icon);
        m_icon = NULL;
    }
    if (m_handCursor)
    {
        DestroyCursor(m_handCursor);
        m_handCursor = NULL;
    }
    Tarvex::SetDrawingWindow(NULL);
    PostQuitMessage(0);
}

void CMainWnd::OnPaint()
{
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(update, FALSE);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(&paint);
    m_document.Paint(dc, paint.rcPaint, update);
    EndPaint(&paint);
    DeleteObject(update);
    m_captureShown = TRUE;
}

void CMainWnd::OnEraseBkgnd()
{
    Recapture();
    SetMsgHandled(FALSE);
}

void CMainWnd::Recapture()
{
    RECT window;
    GetWindowRect(&window);
    if (m_windowType == 4 && m_recapture && !m_inRecapture)
    {
        // Hiding and showing the window moves the focus, whose handler asks
        // for this again: one recapture at a time.
        m_inRecapture = TRUE;
        m_recapture = FALSE;
        ShowWindow(SW_HIDE);
        ::RedrawWindow(NULL, &window, NULL, RDW_UPDATENOW | RDW_INVALIDATE);
        if (CBrowser* page = m_document.GetCurrentPage())
        {
            page->LoadBackground();
            page->StopAnimations();
        }
        m_captureShown = FALSE;
        ShowWindow(SW_SHOW);
        m_inRecapture = FALSE;
    }
    else
        ::RedrawWindow(NULL, &window, NULL, RDW_UPDATENOW | RDW_INVALIDATE);
}

LRESULT CMainWnd::OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)message;
    (void)wParam;
    (void)lParam;
    // Until the window has painted its capture, a capture would copy the
    // window's own unpainted pixels: the one taken before it covered the
    // screen is still good.
    if (m_windowType == 4 && !m_inRecapture && m_captureShown)
    {
        m_recapture = TRUE;
        SendMessage(WM_ERASEBKGND);
    }
    SetMsgHandled(FALSE);
    return 0;
}

void CMainWnd::OnWindowPosChanged()
{
    m_moved = TRUE;
    if (m_appBar)
    {
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        m_appBarManager.NotifyWindowPosChanged();
    }
    // The default handling sends WM_MOVE and WM_SIZE: kept here, the bar
    // would never dock again after a move or take a new thickness.
    SetMsgHandled(FALSE);
}

// ---------------------------------------------------------------------------
// Mouse

void CMainWnd::FireElementEvent(CElement* element, const char* name)
{
    if (CScriptableObject* object = dynamic_cast<CScriptableObject*>(element))
        object->RunScript(name);
}

void CMainWnd::InvalidateRectRegion(const RECT& rect)
{
    HRGN region = CreateRectRgnIndirect(&rect);
    RedrawWindow(NULL, region, RDW_INVALIDATE);
    DeleteObject(region);
}

void CMainWnd::InvalidateElement(CElement* element)
{
    if (element)
        InvalidateRectRegion(element->GetRect());
}

void CMainWnd::SetPressedElement(CElement* element)
{
    if (element && m_document.GetCurrentPage() && element == m_pressedElement)
        return;
    if (m_pressedElement)
        m_pressedElement->SetPressed(FALSE);
    if (element)
        element->SetPressed(TRUE);
    m_pressedElement = element;
}

void CMainWnd::OnLButtonDown(UINT keys, POINT point)
{
    (void)keys;
    CElement* element = m_document.ChildFromPoint(point.x, point.y);
    RECT rect = {};
    BOOL dragAllowed = TRUE;
    if (element)
    {
        rect = element->GetRect();
        SetPressedElement(element);
        FireElementEvent(element, "OnMouseDown");
        dragAllowed = element->GetMouseMoveable();
    }
    else
        SetPressedElement(NULL);
    CBrowser* page = m_document.GetCurrentPage();
    if (dragAllowed && page && page->GetMouseMove())
    {
        m_dragOrigin = point;
        m_dragArmed = TRUE;
        SetCursor(LoadCursorA(NULL, IDC_SIZEALL));
        m_previousCapture = SetCapture();
    }
    else
        m_dragArmed = FALSE;
    InvalidateRectRegion(rect);
}

void CMainWnd::OnLButtonUp(UINT keys, POINT point)
{
    (void)keys;
    CElement* element = m_document.ChildFromPoint(point.x, point.y);
    RECT rect = {};
    if (element && element == m_pressedElement)
    {
        rect = element->GetRect();
        FireElementEvent(element, "OnMouseUp");
    }
    CBrowser* page = m_document.GetCurrentPage();
    if (page && page->GetMouseMove())
    {
        ReleaseCapture();
        if (m_previousCapture && m_previousCapture != m_hWnd && ::IsWindow(m_previousCapture))
            ::SetCapture(m_previousCapture);
        m_previousCapture = NULL;
    }
    m_dragArmed = FALSE;
    if (m_moved)
    {
        m_recapture = TRUE;
        Recapture();
        m_moved = FALSE;
    }
    SetPressedElement(NULL);
    InvalidateRectRegion(rect);
}

void CMainWnd::OnMouseMove(UINT keys, POINT point)
{
    CElement* element = m_document.ChildFromPoint(point.x, point.y);
    if (!element || element->GetCursorName() == "arrow")
        SetCursor(LoadCursorA(NULL, IDC_ARROW));
    else if (element->GetCursorName() == "hand")
        SetCursor(m_handCursor);

    CBrowser* page = m_document.GetCurrentPage();
    if (keys == MK_LBUTTON && page && page->GetMouseMove())
    {
        if (!m_dragArmed)
            SetCursor(LoadCursorA(NULL, IDC_ARROW));
        else
        {
            SetCursor(LoadCursorA(NULL, IDC_SIZEALL));
            RECT window;
            GetWindowRect(&window);
            int width = window.right - window.left;
            int height = window.bottom - window.top;
            int left = window.left + point.x - m_dragOrigin.x;
            int top = window.top + point.y - m_dragOrigin.y;
            // Clamped to the screen's far edge first, then to 0: a window
            // larger than the screen stays at the top left instead of
            // jumping to negative coordinates.
            if (left > GetSystemMetrics(SM_CXSCREEN) - width)
                left = GetSystemMetrics(SM_CXSCREEN) - width;
            if (top > GetSystemMetrics(SM_CYSCREEN) - height)
                top = GetSystemMetrics(SM_CYSCREEN) - height;
            if (left < 0)
                left = 0;
            if (top < 0)
                top = 0;
            SetWindowPos(NULL, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    // Without it the window hears nothing when the pointer leaves it
    // straight from an element, which would keep its hover look.
    if (!m_trackingLeave)
    {
        TRACKMOUSEEVENT track = { sizeof(track), TME_LEAVE, m_hWnd, 0 };
        m_trackingLeave = TrackMouseEvent(&track);
    }
    ChangeHoveredElement(element);
}

void CMainWnd::OnMouseLeave()
{
    m_trackingLeave = FALSE;
    // While the window is dragged it holds the capture: the pointer has
    // not left it.
    if (m_hoveredElement && GetCapture() != m_hWnd)
    {
        ChangeHoveredElement(NULL);
        // The class has no cursor of its own: the hand would stay.
        SetCursor(LoadCursorA(NULL, IDC_ARROW));
    }
}

void CMainWnd::ChangeHoveredElement(CElement* element)
{
    if (element == m_hoveredElement)
        return;
    if (m_hoveredElement)
        m_hoveredElement->OnMouseLeave();
    CElement* old = m_hoveredElement;
    if (old)
    {
        FireElementEvent(old, "OnMouseOut");
        InvalidateElement(old);
    }
    m_hoveredElement = element;
    if (element)
    {
        if (element->GetCursorName() == "hand")
            SetCursor(m_handCursor);
        FireElementEvent(element, "OnMouseIn");
    }
    if (element != m_pressedElement)
        SetPressedElement(NULL);
    InvalidateElement(element);
}

void CMainWnd::OnDisplayChange(UINT bitsPerPixel, SIZE screen)
{
    (void)bitsPerPixel;
    (void)screen;
    if (m_appBar)
    {
        // Reset alone would leave the bar docked with no thickness at all:
        // the page is laid out for the new screen again.
        ResetAppBar();
        ReapplyOrClose();
    }
    else if (ApplyDataFile(m_hWnd, FALSE))
    {
        if (m_appBar)
        {
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            ResetAppBar();
            ReapplyOrClose();
        }
    }
    else
        PostMessage(WM_CLOSE);
    ShowAndRedraw();
    SetMsgHandled(FALSE);
}

LRESULT CMainWnd::OnChangePage(UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)message;
    (void)wParam;
    // Any process can post this message: an lParam that is no token of ours
    // is never read, so a foreign value cannot be taken for a page name.
    for (size_t i = 0; i < m_pendingPages.size(); ++i)
    {
        if (m_pendingPages[i].token != lParam)
            continue;
        CStr name = m_pendingPages[i].name;
        m_pendingPages.erase(m_pendingPages.begin() + i);
        ChangeToPage(name);
        break;
    }
    return 0;
}

void CMainWnd::OnStartup()
{
    CStr argument = GetProjectPath();
    BOOL found = SelectDataFile(argument);
    if (!found)
    {
        char ownArchive[MAX_PATH];
        if (GetModuleFileNameA(NULL, ownArchive, MAX_PATH) == 0)
            ownArchive[0] = '\0';
        ReplaceExtension(ownArchive, ".pqz");
        m_archive.Load(ownArchive);
        // A page name as argument would otherwise leave the base folder
        // empty, and with it every path that scripts derive from it.
        if (m_archive.GetCount() > 0)
            SetBaseFolder(ownArchive);
        found = SelectDataFile(argument) || SelectDataFile(ownArchive);
    }
    if (!found)
    {
        PostMessage(WM_CLOSE);
        return;
    }
    if (ApplyDataFile(m_hWnd, TRUE))
        ShowAndRedraw();
    else
        PostMessage(WM_CLOSE);
}

void CMainWnd::OnReapply()
{
    m_appBarManager.Unregister();
    ReapplyOrClose();
    ShowAndRedraw();
}

void CMainWnd::OnInstanceNotify()
{
    if (m_appBar)
    {
        // Hand-overs that arrive while the box is up would stack one box in
        // another until the stack runs out.
        if (m_instanceBoxShown)
            return;
        char title[255];
        GetWindowText(title, sizeof(title));
        char text[300];
        snprintf(text, sizeof(text), "%s is already running.", title);
        m_instanceBoxShown = TRUE;
        ReportMessage(m_hWnd, text, title, MB_OK);
        m_instanceBoxShown = FALSE;
        return;
    }
    SetForegroundWindow();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus();
}

void CMainWnd::OnNextPage()
{
    ChangeToNeighbour(m_archive.Next(m_currentFile));
}

void CMainWnd::OnPrevPage()
{
    ChangeToNeighbour(m_archive.Previous(m_currentFile));
}

void CMainWnd::ChangeToNeighbour(CDataFile* neighbour)
{
    if (neighbour)
        ChangeToPage(CStr(neighbour->m_name));
    else
        ShowAndRedraw();
}

void CMainWnd::ChangeToPage(const char* name)
{
    if (SelectDataFile(name))
    {
        if (m_appBar)
            ResetAppBar();
        if (!ApplyDataFile(m_hWnd, FALSE))
            PostMessage(WM_CLOSE);
    }
    ShowAndRedraw();
}

void CMainWnd::ReapplyOrClose()
{
    if (!ApplyDataFile(m_hWnd, FALSE))
        PostMessage(WM_CLOSE);
}

void CMainWnd::ShowAndRedraw()
{
    ShowWindow(SW_SHOW);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---------------------------------------------------------------------------
// Page choice

BOOL CMainWnd::SelectDataFile(const char* name)
{
    if (!name || !*name)
        return FALSE;
    CStr resolved = ResolvePath(name);

    // The file part first: cutting a long path to MAX_PATH would cut the
    // page's own name.
    char base[MAX_PATH];
    char named[MAX_PATH + 32];
    lstrcpynA(base, GetFileNamePart(name), MAX_PATH);
    StripExtension(base);
    snprintf(named, sizeof(named), "%s%d.pgd", base, GetSystemMetrics(SM_CXSCREEN));
    m_widthName = named;
    snprintf(named, sizeof(named), "%s.pgd", base);
    m_plainName = named;

    if (FileExists(resolved))
    {
        SetBaseFolder(resolved);
        m_currentName = resolved;
        return TRUE;
    }
    if (m_archive.GetCount() > 0)
    {
        m_currentName = m_plainName;
        return TRUE;
    }
    return FALSE;
}

BOOL CMainWnd::LookUpDataFile()
{
    if (m_archive.GetCount() == 0)
    {
        m_archive.Load(m_currentName);
        if (m_archive.GetCount() == 0)
            return FALSE;
        m_currentFile = m_archive.GetAt(0);
        return TRUE;
    }
    CDataFile* file = m_archive.Find(m_widthName);
    if (!file)
        file = m_archive.Find(m_plainName);
    if (!file)
    {
        file = new CDataFile;
        if (!OpenDataFile(*file, m_currentName, m_widthName))
        {
            delete file;
            return FALSE;
        }
        // A page read again from its archive on disk (pages that change to
        // each other) is the member read before, not one more copy.
        CDataFile* same = m_archive.Find(file->m_name);
        if (same && SameLines(*same, *file))
        {
            delete file;
            file = same;
        }
        else
            m_archive.Add(file);
    }
    m_currentFile = file;
    return TRUE;
}

// ---------------------------------------------------------------------------
// Applying a page

BOOL CMainWnd::ApplyDataFile(HWND window, BOOL startup)
{
    if (!LookUpDataFile())
        return FALSE;
    // Later steps, rescaling among them, read a copy: the member stays as stored.
    CDataFile page(*m_currentFile);
    CWindow target(window);

    m_document.Clear();
    m_hoveredElement = NULL;
    // The pressed element went with its page: clearing its flag would
    // write into freed memory.
    m_pressedElement = NULL;
    m_appBarManager.Unregister();
    m_rescaler.Apply(page);

    CStr title;
    page.GetString("Main", "title", title);
    target.SetWindowText(title);
    if (startup && CheckSingleInstance(title))
        return FALSE;

    RunPreLoadScript(*m_currentFile);
    SetPageIcon(page);
    CAppBarSettings settings = ReadAppBarSettings(page);
    int width = 200;
    int height = 200;
    page.GetInt("Main", "width", width);
    page.GetInt("Main", "height", height);
    m_appBarManager.SetWindow(window);
    m_appBarManager.ResetPlacement(width, height);
    m_appBar = settings.appBar;
    if (m_appBar)
        DockAppBar(settings);
    else
    {
        m_appBarManager.SetAlwaysOnTop(FALSE);
        ApplyWindowKind(page);
    }
    target.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    m_appBarManager.NotifyWindowPosChanged();

    // A see-through page captures the screen here, while the window is hidden.
    m_captureShown = FALSE;
    m_document.Load(page);
    if (CBrowser* current = m_document.GetCurrentPage())
    {
        RECT client;
        target.GetClientRect(&client);
        if (!IsRectEmpty(&client))
        {
            SIZE size = { client.right - client.left, client.bottom - client.top };
            current->SetSize(size);
        }
        // Cut before the window shows: the page's own shape, at its own size.
        current->ApplyPendingRegion();
        current->FireOnLoad();
    }
    if (m_appBar && settings.autoHide)
        m_appBarManager.SetAutoHide(TRUE);
    return TRUE;
}

void CMainWnd::RunPreLoadScript(const CDataFile& page)
{
    CScriptableObject::EnterRun();
    Tarvex::RunPreLoadScripts(page);
    CScriptableObject::LeaveRun();
}

void CMainWnd::SetPageIcon(const CDataFile& page)
{
    CStr iconName;
    page.GetString("Main", "icon", iconName);
    CStr path = ResolvePath(iconName);
    // The file the page takes its icon from; empty for the program's own.
    CStr source = !iconName.IsEmpty() && FileExists(path) ? path : CStr();
    // The same icon once more is not set again: Wine keeps memory of its
    // own for every icon a window is given, about 0.1 KB a page in a loop
    // of pages that change to one another.
    if (m_icon && source == m_iconSource)
        return;
    if (m_icon)
    {
        DestroyIcon(m_icon);
        m_icon = NULL;
    }
    HINSTANCE instance = _Module.GetModuleInstance();
    if (!source.IsEmpty())
        m_icon = (HICON)LoadImageA(instance, source, IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
    if (!m_icon)
        m_icon = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(104), IMAGE_ICON, 0, 0, 0);
    m_iconSource = source;
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
}

void CMainWnd::ApplyWindowKind(const CDataFile& page)
{
    int width = 200;
    int height = 200;
    page.GetInt("Main", "width", width);
    page.GetInt("Main", "height", height);
    // Without a kind of its own the page keeps the previous one.
    BOOL ownKind = page.GetInt("Main", "windowType", m_windowType);

    DWORD exStyle = GetExStyle();
    DWORD style = GetStyle();
    int frameX = 0;
    int frameY = 0;
    int caption = 0;
    switch (m_windowType)
    {
    case 1:
        exStyle = (exStyle | WS_EX_DLGMODALFRAME) & ~(WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        style = (style | WS_POPUP | WS_BORDER | WS_SYSMENU) & ~(WS_DLGFRAME | WS_MINIMIZEBOX);
        frameX = GetSystemMetrics(SM_CXDLGFRAME);
        frameY = GetSystemMetrics(SM_CYDLGFRAME);
        break;
    case 2:
        exStyle &= ~(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        style = (style | WS_POPUP | WS_BORDER | WS_SYSMENU) & ~(WS_DLGFRAME | WS_MINIMIZEBOX);
        frameX = GetSystemMetrics(SM_CXBORDER);
        frameY = GetSystemMetrics(SM_CYBORDER);
        break;
    case 3:
        exStyle &= ~(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        style = (style | WS_POPUP | WS_SYSMENU) & ~(WS_BORDER | WS_DLGFRAME | WS_MINIMIZEBOX);
        break;
    case 4:
        exStyle = (exStyle | WS_EX_TOPMOST) & ~(WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW);
        style = (style | WS_POPUP | WS_SYSMENU) & ~(WS_BORDER | WS_DLGFRAME | WS_MINIMIZEBOX);
        break;
    default:
        exStyle &= ~(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
        style |= WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
        frameX = GetSystemMetrics(SM_CXDLGFRAME);
        frameY = GetSystemMetrics(SM_CYDLGFRAME);
        caption = GetSystemMetrics(SM_CYCAPTION);
        break;
    }
    SetWindowLong(GWL_EXSTYLE, (LONG)exStyle);
    SetWindowLong(GWL_STYLE, (LONG)style);

    int windowWidth = width + 2 * frameX;
    int windowHeight = height + 2 * frameY + caption;
    // A shaped page cuts its own region once built; until then the previous
    // page's region would clip it. A page shaped only by the kind it kept
    // cuts none: it keeps the previous shape, which clearing would lose.
    if (m_windowType != 3)
        SetWindowRgn(CreateRectRgn(0, 0, windowWidth, windowHeight), FALSE);
    else if (ownKind)
        SetWindowRgn(NULL, FALSE);
    // SWP_FRAMECHANGED: the frame of the new styles takes effect at once.
    if (m_windowType == 4)
        SetWindowPos(HWND_TOPMOST, 0, 0, windowWidth, windowHeight,
                     SWP_NOMOVE | SWP_HIDEWINDOW | SWP_FRAMECHANGED);
    else
        SetWindowPos(NULL, 0, 0, windowWidth, windowHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_HIDEWINDOW | SWP_FRAMECHANGED);
    CenterWindow(GetDesktopWindow());
}

BOOL CMainWnd::CheckSingleInstance(const char* title)
{
    char name[MAX_PATH];
    snprintf(name, sizeof(name), "Quindle_%s", title);
    // Windows refuses a backslash in the name (it would name a folder of
    // objects); the title still tells the presentations apart.
    for (char* p = name; *p; ++p)
    {
        if (*p == '\\')
            *p = '/';
    }
    if (m_instanceMutex)
        CloseHandle(m_instanceMutex);
    m_instanceMutex = CreateMutexA(NULL, TRUE, name);
    DWORD error = GetLastError();
    // Searching from the top of the z-order: starting after this window
    // would miss a first instance that lies above it.
    HWND other = NULL;
    while ((other = FindWindowExA(NULL, other, GetWndClassName(), title)) != NULL)
    {
        if (other != m_hWnd)
            break;
    }
    // Without a mutex, whether another copy runs is told by its window.
    BOOL second = m_instanceMutex ? error == ERROR_ALREADY_EXISTS : other != NULL;
    if (second && other)
        ::PostMessageA(other, WM_PLAYER_INSTANCENOTIFY, 0, 0);
    if (m_instanceMutex)
        ReleaseMutex(m_instanceMutex);
    return second;
}

// ---------------------------------------------------------------------------
// The desktop app bar

void CMainWnd::DockAppBar(const CAppBarSettings& settings)
{
    // The styles and region change first, with the last page's size: no
    // move or size of the docking docks the bar again or gives its thickness.
    CAppBarManager::OwnMoves docking(m_appBarManager);
    CAppBarPlacement& placement = m_appBarManager.GetPlacement();
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    SetWindowLong(GWL_STYLE, (LONG)(GetStyle() & 0x7F35FFFF));
    // The previous page's window region would clip the bar to its size.
    SetWindowRgn(NULL, FALSE);
    placement.edge = settings.edge;
    if (settings.autoHide)
        m_appBarManager.SetAlwaysOnTop(settings.alwaysOnTop && m_appBarManager.IsEdgeFree(settings.edge));
    else
    {
        m_appBarManager.SetAutoHide(FALSE);
        // Cleared as well: a see-through page before it left the window topmost.
        m_appBarManager.SetAlwaysOnTop(settings.alwaysOnTop);
        if (settings.alwaysOnTop)
            m_appBarManager.Register();
    }
    RECT workArea = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    if (!settings.autoHide)
    {
        if (settings.edge == ABE_TOP || settings.edge == ABE_BOTTOM)
            placement.width = workArea.right - workArea.left;
        else
            placement.height = workArea.bottom - workArea.top;
    }
    m_appBarManager.SetEdge(settings.edge);
}

void CMainWnd::ResetAppBar()
{
    CAppBarManager::OwnMoves resetting(m_appBarManager);
    CAppBarPlacement& placement = m_appBarManager.GetPlacement();
    placement.edge = ABE_RIGHT;
    placement.width = 0;
    placement.height = 0;
    placement.alwaysOnTop = FALSE;
    placement.autoHide = FALSE;
    RECT empty = {};
    m_appBarManager.Place(empty);
    m_appBarManager.NotifyWindowPosChanged();
}

void CMainWnd::OnMove()
{
    if (!m_appBarManager.GetPlacement().autoHide)
        m_appBarManager.OnMoveOrSize();
    SetMsgHandled(FALSE);
}

void CMainWnd::OnSize()
{
    SetMsgHandled(FALSE);
    // The bar's own docking and slide give it no new thickness.
    if (m_appBarManager.IsMovingItself())
        return;
    m_appBarManager.OnMoveOrSize();
    CAppBarPlacement& placement = m_appBarManager.GetPlacement();
    if (m_appBar && !placement.hidden)
    {
        RECT window;
        GetWindowRect(&window);
        if (placement.edge == ABE_TOP || placement.edge == ABE_BOTTOM)
            placement.height = window.bottom - window.top;
        else
            placement.width = window.right - window.left;
    }
}

void CMainWnd::OnNcHitTest()
{
    m_appBarManager.StartShowTimer();
    SetMsgHandled(FALSE);
}

LRESULT CMainWnd::OnTimer(UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)message;
    (void)lParam;
    if (wParam == CAppBarManager::kHideTimer || wParam == CAppBarManager::kShowTimer)
        m_appBarManager.OnTimer(wParam);
    else
        SetMsgHandled(FALSE);
    return 0;
}

LRESULT CMainWnd::OnAppBarNotify(UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)message;
    m_appBarManager.OnNotify(wParam, lParam);
    return 0;
}
