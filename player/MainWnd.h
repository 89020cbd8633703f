// CMainWnd: the player's only top-level window. It chooses and applies the
// pages of the project archive, takes the page-change requests of scripts
// as private messages and keeps a second copy of a presentation out.
#pragma once

#include "AtlWin.h"
#include "MultiFilePqz.h"
#include "Str.h"

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

    BEGIN_MSG_MAP(CMainWnd)
        MSG_WM_CREATE(OnCreate)
        MESSAGE_HANDLER_NOARGS(WM_DESTROY, OnDestroy)
        MESSAGE_HANDLER_NOARGS(WM_PAINT, OnPaint)
        MESSAGE_HANDLER_NOARGS(WM_WINDOWPOSCHANGED, OnWindowPosChanged)
        MSG_WM_DISPLAYCHANGE(OnDisplayChange)
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
    void OnWindowPosChanged();
    void OnDisplayChange(UINT bitsPerPixel, SIZE screen);
    LRESULT OnChangePage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnStartup();
    void OnReapply();
    void OnInstanceNotify();
    void OnNextPage();
    void OnPrevPage();

    // The steps that page changes share: select, apply, show.
    void ChangeToPage(const char* name);
    void ReapplyOrClose();
    void ShowAndRedraw();

    BOOL LookUpDataFile();
    void SetPageIcon(const CDataFile& page);
    void ApplyWindowKind(const CDataFile& page);
    void DeleteBackBuffer();

    struct PendingPage
    {
        LPARAM token;
        CStr name;
    };

    CStr m_currentName;
    CStr m_plainName;
    CStr m_widthName;
    HICON m_icon;
    HCURSOR m_handCursor;
    BOOL m_appBar;
    int m_windowType;
    CDataFile* m_currentFile;
    CMultiFilePqz m_archive;
    HANDLE m_instanceMutex;
    HBITMAP m_backBuffer;
    SIZE m_pageSize;
    BOOL m_moved;
    std::vector<PendingPage> m_pendingPages;
    LPARAM m_lastToken;
};
