#include "platform/framework/CmdTarget.h"
#include "platform/framework/Wnd.h"

const CRuntimeClass CCmdTarget::classCCmdTarget = { "CCmdTarget", (int)sizeof(CCmdTarget), NULL, RUNTIME_CLASS(CObject) };
static const AfxClassInit _init_CCmdTarget(RUNTIME_CLASS(CCmdTarget));
const CRuntimeClass* CCmdTarget::GetRuntimeClass() const { return RUNTIME_CLASS(CCmdTarget); }

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, NULL } };
    static const AFX_MSGMAP map = { NULL, entries };
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e)
        {
            if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID)
                return e;
        }
    }
    return NULL;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT message = WM_COMMAND;
    UINT code = (UINT)nCode;
    if (code != CN_UPDATE_COMMAND_UI && HIWORD(code) == WM_NOTIFY)
    {
        message = WM_NOTIFY;
        code = LOWORD(code);
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, code, nID);
    if (entry == NULL)
        return FALSE;
    if (pHandlerInfo)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = entry;
        return TRUE;
    }
    AfxCall call = { message, 0, 0, nID, pExtra, 0 };
    if (code == CN_UPDATE_COMMAND_UI)
    {
        CCmdUI* cmdUI = static_cast<CCmdUI*>(pExtra);
        cmdUI->m_bContinueRouting = FALSE;
        entry->pfn(this, call);
        return !cmdUI->m_bContinueRouting;
    }
    return entry->pfn(this, call);
}

CCmdUI::CCmdUI()
    : m_nID(0), m_nIndex(0), m_pMenu(NULL), m_pSubMenu(NULL), m_pOther(NULL), m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE), m_nIndexMax(0), m_pParentMenu(NULL)
{
}

void CCmdUI::Enable(BOOL on)
{
    if (m_pMenu)
    {
        // A popup's own item stays as it is.
        if (!m_pSubMenu)
            m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    }
    else if (m_pOther)
    {
        // Focus must not stay on a control that is being disabled.
        if (!on && ::GetFocus() == m_pOther->m_hWnd)
            ::SetFocus(::GetParent(m_pOther->m_hWnd));
        m_pOther->EnableWindow(on);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check)
{
    if (m_pMenu)
    {
        if (!m_pSubMenu)
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther)
    {
        m_pOther->SendMessage(BM_SETCHECK, check);
    }
}

void CCmdUI::SetRadio(BOOL on)
{
    SetCheck(on ? 1 : 0);
}

void CCmdUI::SetText(const char* text)
{
    if (m_pMenu)
    {
        if (m_pSubMenu)
            return;
        UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, text);
    }
    else if (m_pOther)
    {
        m_pOther->SetWindowText(text);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler)
{
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and popups
    m_bEnableChanged = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, NULL);
    if (!handled && disableIfNoHandler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = { NULL, NULL };
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
