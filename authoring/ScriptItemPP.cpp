#include "authoring/ScriptItemPP.h"

#include "actions/ActionPageSupport.h"
#include "actions/ActionTypes.h"
#include "actions/ScriptItemList.h"
#include "authoring/DirDialog.h"
#include "authoring/EditorServicesImpl.h"
#include "authoring/LumbrookConfigDoc.h"
#include "model/PropertySheetHooks.h"
#include "model/Script.h"
#include "resources/editor/ActionPagesAIds.h"

#include <string>

BEGIN_MESSAGE_MAP(CScriptItemPP, CPropertyPage)
    ON_LBN_DBLCLK(IDC_SCRIPT_ITEM_LIST, OnListDoubleClick)
END_MESSAGE_MAP()

CScriptItemPP::CScriptItemPP()
    : CPropertyPage(IDD_SCRIPT_ITEMS), m_pDocument(NULL), m_pScript(NULL), m_strEventName("selected")
{
}

BOOL CScriptItemPP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (m_pDocument == NULL || m_pScript == NULL)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    std::string prompt = GetDialogText(m_hWnd, IDC_SCRIPT_ITEM_PROMPT).c_str();
    size_t at = prompt.find("%s");
    if (at != std::string::npos)
        prompt.replace(at, 2, m_strEventName.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_SCRIPT_ITEM_PROMPT, prompt.c_str());
    FillActionTypeList(::GetDlgItem(m_hWnd, IDC_SCRIPT_ITEM_LIST), m_strEventName);
    return TRUE;
}

BOOL CScriptItemPP::AddSelectedItem()
{
    HWND list = ::GetDlgItem(m_hWnd, IDC_SCRIPT_ITEM_LIST);
    LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || m_pScript == NULL || m_pDocument == NULL)
        return FALSE;
    const CScriptItemType* type = GetActionType((int)::SendMessageA(list, LB_GETITEMDATA, (WPARAM)selected, 0));
    CScriptItem* item = type != NULL ? type->factory() : NULL;
    if (item == NULL)
        return FALSE;
    // The page's script is both the new action's parent and its owner.
    m_pScript->AppendItem(item);
    m_pDocument->UpdateAllViews(NULL, HintRedraw, NULL);
    if (!item->EditProperties(TRUE))
    {
        m_pScript->DeleteItem(item);
        m_pDocument->UpdateAllViews(NULL, HintRedraw, NULL);
        return FALSE;
    }
    ::SendMessageA(list, LB_SETCURSEL, (WPARAM)-1, 0);
    ::SetDlgItemTextA(::GetParent(m_hWnd), IDCANCEL, "Done");
    m_pDocument->UpdateAllViews(NULL, HintAdded, item);
    m_pDocument->GetUndo().Record();
    return TRUE;
}

BOOL CScriptItemPP::OnApply()
{
    AddSelectedItem();
    return CPropertyPage::OnApply();
}

void CScriptItemPP::OnListDoubleClick()
{
    AddSelectedItem();
}

BOOL EditScriptItems(CLumbrookConfigDoc* document, CScript* script)
{
    if (document == NULL || script == NULL)
        return FALSE;
    CScriptItemPP page;
    page.m_pDocument = document;
    page.m_pScript = script;
    page.m_strEventName = script->GetName();
    HWND active = ::GetActiveWindow();
    CPropertySheet sheet("", active != NULL ? CWnd::FromHandle(active) : NULL);
    sheet.AddPage(&page);
    sheet.SetTitle(script->GetName(), PSH_PROPTITLE);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    return sheet.DoModal() != IDCANCEL;
}

static BOOL EditScriptThroughActiveDocument(CScript* script, BOOL)
{
    return EditScriptItems(GetActiveEditorDocument(), script);
}

void InstallScriptEditing()
{
    BuildActionTypeTable();
    SetEditScriptHook(EditScriptThroughActiveDocument);
    SetActionFolderPicker(BrowseForActionFolder);
}
