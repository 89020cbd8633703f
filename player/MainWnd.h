// CMainWnd: the player's only top-level window. It chooses and applies the
// pages of the project archive, takes the page-change requests of scripts
// as private messages and keeps a second copy of a presentation out.
#pragma once

#include "player/AppBarManager.h"
#include "player/AppBarSettings.h"
#include "platform/atl/AtlWin.h"
#include "player/MultiFilePqz.h"
#include "model/common/Str.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/MultiResolution.h"

#include <vector>

enum
{
    WM_PLAYER_CHANGEPAGE = WM_USER + 10,    // lParam: a token from PostChangePage
    WM_PLAYER_STARTUP = WM_USER + 11,
    WM_PLAYER_REAPPLY = WM_USER + 12,
    WM_PLAYER_INSTANCENOTIFY = WM_USER + 13,
    WM_PLAYER_NEXTPAGE = WM_USER + 14,
    WM_PLAYER_PREVPAGE = WM_USER + 15,
};

class CMainWnd : public CWindowImpl<CMainWnd>
{
public:
    DECLARE_WND_CLASS_EX("QNDL_MAINWND", CS_HREDRAW | CS_VREDRAW)

    CMainWnd();
    ~CMainWnd();

    // Hidden, at (0,0), 200 by 200; its creation posts the start-up message.
    HWND CreateMainWindow();

    // Asks for a page change by name; the name travels as a copy kept here,
    // the message carries only a token for it.
    void PostChangePage(const char* name);

    // Records the page being asked for; FALSE when it can be neither an
    // archive on disk nor a member of the archive already read.
    BOOL SelectDataFile(const char* name);
    // Turns the chosen page data file into the window; FALSE when there is
    // no such page or a second instance was detected at start-up.
    BOOL ApplyDataFile(HWND window, BOOL startup);
    // TRUE when another instance shows a page of this title.
    BOOL CheckSingleInstance(const char* title);

    // Offers a message to the page before translation; nonzero lets it through.
    BOOL PreTranslateMessage(MSG* msg);

    const CMultiFilePqz& GetArchive() const { return m_archive; }
    CDataFile* GetCurrentDataFile() const { return m_currentFile; }
    Tarvex::CBrowserDocument& GetDocument() { return m_document; }
    CAppBarManager& GetAppBarManager() { return m_appBarManager; }

    // The element the left button went down on, and the one under the
    // cursor at the last move; NULL when none.
    Tarvex::CElement* GetPressedElement() const { return m_pressedElement; }
    Tarvex::CElement* GetHoveredElement() const { return m_hoveredElement; }
    void SetPressedElement(Tarvex::CElement* element);

    BEGIN_MSG_MAP(CMainWnd)
        if (DeferWhileScriptRuns(uMsg, wParam, lParam))
            return TRUE;
        MSG_WM_CREATE(OnCreate)
        MESSAGE_HANDLER_NOARGS(WM_DESTROY, OnDestroy)
        MESSAGE_HANDLER_NOARGS(WM_PAINT, OnPaint)
        MESSAGE_HANDLER_NOARGS(WM_ERASEBKGND, OnEraseBkgnd)
        MESSAGE_HANDLER_EX(WM_SETFOCUS, OnFocusChange)
        MESSAGE_HANDLER_EX(WM_KILLFOCUS, OnFocusChange)
        MESSAGE_HANDLER_NOARGS(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
        MSG_WM_MOUSE(WM_MOUSEMOVE, OnMouseMove)
        MESSAGE_HANDLER_NOARGS(WM_MOUSELEAVE, OnMouseLeave)
        MSG_WM_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
        MSG_WM_MOUSE(WM_LBUTTONUP, OnLButtonUp)
        MSG_WM_DISPLAYCHANGE(OnDisplayChange)
        MESSAGE_HANDLER_NOARGS(WM_MOVE, OnMove)
        MESSAGE_HANDLER_NOARGS(WM_SIZE, OnSize)
        MESSAGE_HANDLER_NOARGS(WM_NCHITTEST, OnNcHitTest)
        MESSAGE_HANDLER_EX(WM_TIMER, OnTimer)
        MESSAGE_HANDLER_EX(WM_PLAYER_APPBARNOTIFY, OnAppBarNotify)
        MESSAGE_HANDLER_EX(WM_PLAYER_CHANGEPAGE, OnChangePage)
        MESSAGE_HANDLER_NOARGS(WM_PLAYER_STARTUP, OnStartup)
        MESSAGE_HANDLER_NOARGS(WM_PLAYER_REAPPLY, OnReapply)
        MESSAGE_HANDLER_NOARGS(WM_PLAYER_INSTANCENOTIFY, OnInstanceNotify)
        MESSAGE_HANDLER_NOARGS(WM_PLAYER_NEXTPAGE, OnNextPage)
        MESSAGE_HANDLER_NOARGS(WM_PLAYER_PREVPAGE, OnPrevPage)
    END_MSG_MAP()

private:
    int OnCreate(CREATESTRUCTA* create);
    void OnDestroy();
    void OnPaint();
    void OnEraseBkgnd();
    // The see-through page captures the screen below it again.
    void Recapture();
    LRESULT OnFocusChange(UINT message, WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanged();
    void OnMouseMove(UINT keys, POINT point);
    // The pointer left the window: the element under it is left too.
    void OnMouseLeave();
    // OnMouseOut for the old element, OnMouseIn for the new one (either may be NULL).
    void ChangeHoveredElement(Tarvex::CElement* element);
    void OnLButtonDown(UINT keys, POINT point);
    void OnLButtonUp(UINT keys, POINT point);
    void OnDisplayChange(UINT bitsPerPixel, SIZE screen);
    LRESULT OnChangePage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnStartup();
    void OnReapply();
    void OnInstanceNotify();
    void OnNextPage();
    void OnPrevPage();
    // The app bar's messages (AppBarManager).
    void OnMove();
    void OnSize();
    void OnNcHitTest();
    LRESULT OnTimer(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnAppBarNotify(UINT message, WPARAM wParam, LPARAM lParam);
    // Before a page is applied again in app-bar mode: back to nothing docked.
    void ResetAppBar();
    void DockAppBar(const CAppBarSettings& settings);

    // The steps that page changes share: select, apply, show.
    void ChangeToPage(const char* name);
    // The neighbouring page when there is one; else the current page again.
    void ChangeToNeighbour(CDataFile* neighbour);
    void ReapplyOrClose();
    void ShowAndRedraw();

    // Page changes, start-ups, re-applies, hand-overs and closing wait while
    // a script runs (a nested message loop); TRUE when the message was kept
    // for later.
    BOOL DeferWhileScriptRuns(UINT message, WPARAM wParam, LPARAM lParam);
    static void OnOutermostScriptEnd();
    void PostDeferredMessages();

    void FireElementEvent(Tarvex::CElement* element, const char* name);
    void InvalidateElement(Tarvex::CElement* element);
    void InvalidateRectRegion(const RECT& rect);
    void RunPreLoadScript(const CDataFile& page);

    BOOL LookUpDataFile();
    void SetPageIcon(const CDataFile& page);
    void ApplyWindowKind(const CDataFile& page);

    struct PendingPage
    {
        LPARAM token;
        CStr name;
    };

    struct DeferredMessage
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    Tarvex::CBrowserDocument m_document;
    Tarvex::CElement* m_pressedElement;
    Tarvex::CElement* m_hoveredElement;
    CStr m_currentName;
    CStr m_plainName;
    CStr m_widthName;
    HICON m_icon;
    CStr m_iconSource;   // the file m_icon came from, empty for the program's own
    HCURSOR m_handCursor;
    BOOL m_appBar;
    int m_windowType;
    CDataFile* m_currentFile;
    HWND m_previousCapture;
    Tarvex::CMultiResolution m_rescaler;
    CAppBarManager m_appBarManager;
    CMultiFilePqz m_archive;
    HANDLE m_instanceMutex;
    BOOL m_moved;
    std::vector<PendingPage> m_pendingPages;
    LPARAM m_lastToken;
    // Drag origin in client coordinates; dragArmed FALSE stands for (-1, -1).
    POINT m_dragOrigin;
    BOOL m_dragArmed;
    BOOL m_recapture;
    BOOL m_inRecapture;
    // The see-through page's capture has been painted since it was taken.
    BOOL m_captureShown;
    // TrackMouseEvent asked for WM_MOUSELEAVE, which ends the request.
    BOOL m_trackingLeave;
    // The "already running" box is up.
    BOOL m_instanceBoxShown;
    std::vector<DeferredMessage> m_deferred;
};
