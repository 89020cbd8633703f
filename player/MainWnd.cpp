#include "MainWnd.h"

#include "MessageReporter.h"
#include "PathHelpers.h"
#include "PlayerDataFile.h"
#include "PlayerPaths.h"

#include <stdio.h>
#include <string.h>

CMainWnd::CMainWnd()
    : m_icon(NULL), m_handCursor(NULL), m_appBar(FALSE), m_windowType(0), m_currentFile(NULL),
      m_instanceMutex(NULL), m_backBuffer(NULL), m_pageSize(), m_moved(FALSE), m_lastToken(0)
{
}

CMainWnd::~CMainWnd()
{
    if (m_hWnd)
        DestroyWindow();
    DeleteBackBuffer();
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
    (void)msg;
    return 1;
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
    PostMessage(WM_PLAYER_STARTUP);
    return 0;
}

void CMainWnd::OnDestroy()
{
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
    DeleteBackBuffer();
    PostQuitMessage(0);
}

void CMainWnd::OnPaint()
{
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(update, FALSE);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(&paint);
    HDC memory = CreateCompatibleDC(dc);
    if (!m_backBuffer)
        m_backBuffer = CreateCompatibleBitmap(dc, m_pageSize.cx, m_pageSize.cy);
    HGDIOBJ old = SelectObject(memory, m_backBuffer);

    // Until the page draws its elements, it shows as its white background.
    RECT page = { 0, 0, m_pageSize.cx, m_pageSize.cy };
    FillRect(memory, &page, (HBRUSH)GetStockObject(WHITE_BRUSH));

    BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
           paint.rcPaint.bottom - paint.rcPaint.top, memory, paint.rcPaint.left, paint.rcPaint.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(&paint);
    DeleteObject(update);
    DeleteBackBuffer();
}

void CMainWnd::OnWindowPosChanged()
{
    m_moved = TRUE;
}

void CMainWnd::OnDisplayChange(UINT bitsPerPixel, SIZE screen)
{
    (void)bitsPerPixel;
    (void)screen;
    ReapplyOrClose();
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
    ReapplyOrClose();
    ShowAndRedraw();
}

void CMainWnd::OnInstanceNotify()
{
    if (m_appBar)
    {
        char title[255];
        GetWindowText(title, sizeof(title));
        char text[300];
        snprintf(text, sizeof(text), "%s is already running.", title);
        ReportMessage(m_hWnd, text, title, MB_OK);
        return;
    }
    SetForegroundWindow();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetFocus();
}

void CMainWnd::OnNextPage()
{
    CDataFile* next = m_archive.Next(m_currentFile);
    if (next)
        ChangeToPage(CStr(next->m_name));
    else
        ShowAndRedraw();
}

void CMainWnd::OnPrevPage()
{
    CDataFile* previous = m_archive.Previous(m_currentFile);
    if (previous)
        ChangeToPage(CStr(previous->m_name));
    else
        ShowAndRedraw();
}

void CMainWnd::ChangeToPage(const char* name)
{
    if (SelectDataFile(name) && !ApplyDataFile(m_hWnd, FALSE))
        PostMessage(WM_CLOSE);
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

    char base[MAX_PATH];
    char named[MAX_PATH + 32];
    lstrcpynA(base, resolved, MAX_PATH);
    StripExtension(base);
    snprintf(named, sizeof(named), "%s%d.pgd", base, GetSystemMetrics(SM_CXSCREEN));
    m_widthName = GetFileNamePart(named);
    lstrcpynA(base, name, MAX_PATH);
    StripExtension(base);
    snprintf(named, sizeof(named), "%s.pgd", base);
    m_plainName = GetFileNamePart(named);

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

    CStr title;
    page.GetString("Main", "title", title);
    target.SetWindowText(title);
    if (startup && CheckSingleInstance(title))
        return FALSE;

    SetPageIcon(page);
    // Until pages can dock as an app bar, every page shows by its window type.
    m_appBar = FALSE;
    ApplyWindowKind(page);
    target.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

void CMainWnd::SetPageIcon(const CDataFile& page)
{
    CStr iconName;
    page.GetString("Main", "icon", iconName);
    CStr path = ResolvePath(iconName);
    if (m_icon)
    {
        DestroyIcon(m_icon);
        m_icon = NULL;
    }
    HINSTANCE instance = _Module.GetModuleInstance();
    if (!iconName.IsEmpty() && FileExists(path))
        m_icon = (HICON)LoadImageA(instance, path, IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
    if (!m_icon)
        m_icon = (HICON)LoadImageA(instance, MAKEINTRESOURCEA(104), IMAGE_ICON, 0, 0, 0);
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
}

void CMainWnd::ApplyWindowKind(const CDataFile& page)
{
    int width = 200;
    int height = 200;
    page.GetInt("Main", "width", width);
    page.GetInt("Main", "height", height);
    page.GetInt("Main", "windowType", m_windowType);
    m_pageSize.cx = width;
    m_pageSize.cy = height;

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
    if (m_windowType != 3)
        SetWindowRgn(CreateRectRgn(0, 0, windowWidth, windowHeight), FALSE);
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
    if (m_instanceMutex)
        CloseHandle(m_instanceMutex);
    m_instanceMutex = CreateMutexA(NULL, TRUE, name);
    BOOL second = m_instanceMutex != NULL && GetLastError() == ERROR_ALREADY_EXISTS;
    if (second)
    {
        // Searching from the top of the z-order: starting after this window
        // would miss a first instance that lies above it.
        HWND other = NULL;
        while ((other = FindWindowExA(NULL, other, GetWndClassName(), title)) != NULL)
        {
            if (other != m_hWnd)
            {
                ::PostMessageA(other, WM_PLAYER_INSTANCENOTIFY, 0, 0);
                break;
            }
        }
    }
    if (m_instanceMutex)
        ReleaseMutex(m_instanceMutex);
    return second;
}

void CMainWnd::DeleteBackBuffer()
{
    if (m_backBuffer)
    {
        DeleteObject(m_backBuffer);
        m_backBuffer = NULL;
    }
}
