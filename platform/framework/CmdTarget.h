// CCmdTarget and the message maps. A message map is a table of entries,
// one per message, command or notification; each entry holds a small
// function that cracks wParam and lParam once and calls the handler with
// typed arguments. Handlers are named plainly in the entries:
//     ON_COMMAND(ID_FILE_SAVE, OnFileSave)
// CCmdUI carries the enabling, check and text of one command's menu item,
// toolbar button or status pane to the command's update handler.
#pragma once

#include "platform/framework/AfxRes.h"
#include "platform/framework/List.h"
#include "platform/framework/Object.h"

#include <windows.h>

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

// The message, command or notification being dispatched.
struct AfxCall
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;       // command or control id
    void* extra;   // CCmdUI* for updates, NMHDR* for notifications
    LRESULT result;
};

// Calls the handler; FALSE from an _EX handler lets routing go on.
typedef BOOL (*AfxHandler)(CCmdTarget* target, AfxCall& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;  // WM_COMMAND for commands, updates and control codes
    UINT nCode;     // CN_COMMAND, CN_UPDATE_COMMAND_UI, a control or notify code
    UINT nID;       // first id (0 for window messages)
    UINT nLastID;
    AfxHandler pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Codes that OnCmdMsg routes besides control notifications; a WM_NOTIFY
// code travels as MAKELONG(code, WM_NOTIFY).
#define CN_COMMAND              0
#define CN_UPDATE_COMMAND_UI    ((UINT)(-1))

struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() {}

    // Looks the command up in this target's map and its bases' maps.
    // Derived targets route on to their partners (view, document, ...).
    // With pHandlerInfo set, only tells whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The map entry for a window message, or NULL.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Menu items, toolbar buttons and status panes are updated through this.
class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() {}

    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);   // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(const char* text);

    // Asks target's update handler; when there is none and
    // disableIfNoHandler is set, enables the item only when some target
    // would carry the command out.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);
    // An update handler calls this to let the next target decide too.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    UINT m_nID;
    UINT m_nIndex;
    CMenu* m_pMenu;       // menu items
    CMenu* m_pSubMenu;    // a popup's first item stands for the popup
    CWnd* m_pOther;       // toolbar or status bar
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;
    CMenu* m_pParentMenu;
};

// Records the enabling without touching any item (commands are tested
// with it before they are carried out).
class CTestCmdUI : public CCmdUI
{
public:
    CTestCmdUI() : m_bEnabled(TRUE) {}
    void Enable(BOOL on = TRUE) override { m_bEnabled = on; m_bEnableChanged = TRUE; }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(const char*) override {}
    BOOL m_bEnabled;
};

// ---------------------------------------------------------------------------
// Declaring and writing a message map

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override; \
public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass*); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, NULL } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, _messageEntries }; \
        return &messageMap; \
    }

// The target of the entry being called, as this map's class.
#define AFX_THIS static_cast<ThisClass*>(t)
#define AFX_ENTRY(msg, code, nID, lastId, body) \
    { (UINT)(msg), (UINT)(code), (UINT)(nID), (UINT)(lastId), \
      [](CCmdTarget* t, AfxCall& c) -> BOOL { (void)t; (void)c; body } },

// Commands and their update handlers
// void memberFxn()
#define ON_COMMAND(nID, memberFxn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, nID, nID, AFX_THIS->memberFxn(); return TRUE;)
// BOOL memberFxn(UINT nID): FALSE routes the command on
#define ON_COMMAND_EX(nID, memberFxn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, nID, nID, return AFX_THIS->memberFxn(c.id);)
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(nID, nIDLast, memberFxn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, nID, nIDLast, AFX_THIS->memberFxn(c.id); return TRUE;)
// BOOL memberFxn(UINT nID)
#define ON_COMMAND_EX_RANGE(nID, nIDLast, memberFxn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, nID, nIDLast, return AFX_THIS->memberFxn(c.id);)
// void memberFxn(CCmdUI*)
#define ON_UPDATE_COMMAND_UI(nID, memberFxn) \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, nID, nID, AFX_THIS->memberFxn(static_cast<CCmdUI*>(c.extra)); return TRUE;)
#define ON_UPDATE_COMMAND_UI_RANGE(nID, nIDLast, memberFxn) \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, nID, nIDLast, AFX_THIS->memberFxn(static_cast<CCmdUI*>(c.extra)); return TRUE;)

// Control notifications by WM_COMMAND: void memberFxn()
#define ON_CONTROL(code, nID, memberFxn) \
    AFX_ENTRY(WM_COMMAND, code, nID, nID, AFX_THIS->memberFxn(); return TRUE;)
#define ON_CONTROL_RANGE(code, nID, nIDLast, memberFxn) \
    AFX_ENTRY(WM_COMMAND, code, nID, nIDLast, AFX_THIS->memberFxn(c.id); return TRUE;)
#define ON_BN_CLICKED(nID, memberFxn) ON_CONTROL(BN_CLICKED, nID, memberFxn)
#define ON_BN_DOUBLECLICKED(nID, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, nID, memberFxn)
#define ON_EN_CHANGE(nID, memberFxn) ON_CONTROL(EN_CHANGE, nID, memberFxn)
#define ON_EN_KILLFOCUS(nID, memberFxn) ON_CONTROL(EN_KILLFOCUS, nID, memberFxn)
#define ON_EN_SETFOCUS(nID, memberFxn) ON_CONTROL(EN_SETFOCUS, nID, memberFxn)
#define ON_CBN_SELCHANGE(nID, memberFxn) ON_CONTROL(CBN_SELCHANGE, nID, memberFxn)
#define ON_CBN_EDITCHANGE(nID, memberFxn) ON_CONTROL(CBN_EDITCHANGE, nID, memberFxn)
#define ON_CBN_DROPDOWN(nID, memberFxn) ON_CONTROL(CBN_DROPDOWN, nID, memberFxn)
#define ON_CBN_KILLFOCUS(nID, memberFxn) ON_CONTROL(CBN_KILLFOCUS, nID, memberFxn)
#define ON_LBN_SELCHANGE(nID, memberFxn) ON_CONTROL(LBN_SELCHANGE, nID, memberFxn)
#define ON_LBN_DBLCLK(nID, memberFxn) ON_CONTROL(LBN_DBLCLK, nID, memberFxn)
#define ON_STN_CLICKED(nID, memberFxn) ON_CONTROL(STN_CLICKED, nID, memberFxn)

// WM_NOTIFY from a child: void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY(code, nID, memberFxn) \
    AFX_ENTRY(WM_NOTIFY, (WORD)(code), nID, nID, \
        AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.extra); AFX_THIS->memberFxn(n->pNMHDR, n->pResult); return TRUE;)
#define ON_NOTIFY_RANGE(code, nID, nIDLast, memberFxn) \
    AFX_ENTRY(WM_NOTIFY, (WORD)(code), nID, nIDLast, \
        AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.extra); AFX_THIS->memberFxn(c.id, n->pNMHDR, n->pResult); return TRUE;)
// BOOL memberFxn(UINT nID, NMHDR*, LRESULT*): FALSE routes it on
#define ON_NOTIFY_EX(code, nID, memberFxn) \
    AFX_ENTRY(WM_NOTIFY, (WORD)(code), nID, nID, \
        AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.extra); return AFX_THIS->memberFxn(c.id, n->pNMHDR, n->pResult);)
#define ON_NOTIFY_EX_RANGE(code, nID, nIDLast, memberFxn) \
    AFX_ENTRY(WM_NOTIFY, (WORD)(code), nID, nIDLast, \
        AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.extra); return AFX_THIS->memberFxn(c.id, n->pNMHDR, n->pResult);)

// Reflected to the control that sent it: void memberFxn(NMHDR*, LRESULT*)
#define ON_NOTIFY_REFLECT(code, memberFxn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (WORD)(code), 0, 0, \
        AFX_THIS->memberFxn(reinterpret_cast<NMHDR*>(c.lParam), &c.result); return TRUE;)
// BOOL memberFxn(NMHDR*, LRESULT*): FALSE lets the parent handle it too
#define ON_NOTIFY_REFLECT_EX(code, memberFxn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (WORD)(code), 0, 0, \
        return AFX_THIS->memberFxn(reinterpret_cast<NMHDR*>(c.lParam), &c.result);)
// void memberFxn()
#define ON_CONTROL_REFLECT(code, memberFxn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AFX_THIS->memberFxn(); return TRUE;)
// BOOL memberFxn()
#define ON_CONTROL_REFLECT_EX(code, memberFxn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, return AFX_THIS->memberFxn();)

// Any message: LRESULT memberFxn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
    AFX_ENTRY(message, 0, 0, 0, c.result = AFX_THIS->memberFxn(c.wParam, c.lParam); return TRUE;)
// A registered message held in a UINT variable
#define ON_REGISTERED_MESSAGE(messageVar, memberFxn) ON_MESSAGE(messageVar, memberFxn)

#include "platform/framework/WndMessages.h"
