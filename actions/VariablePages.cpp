#include "actions/VariablePages.h"

#include "actions/ActionPageSupport.h"
#include "actions/VariableActions.h"
#include "model/common/MessageReporter.h"
#include "resources/editor/ActionPagesAIds.h"

static const int kMaxVariableName = 29;

static const UINT kModifyOperations[] = {
    IDS_MODIFY_EQUALS, IDS_MODIFY_PLUS, IDS_MODIFY_MINUS, IDS_MODIFY_TIMES, IDS_MODIFY_DIVIDE,
};

int GetModifyOperationCount()
{
    return (int)(sizeof(kModifyOperations) / sizeof(kModifyOperations[0]));
}

UINT GetModifyOperationStringId(int index)
{
    return index >= 0 && index < GetModifyOperationCount() ? kModifyOperations[index] : 0;
}

static void FillOperationCombo(HWND combo)
{
    for (UINT id : kModifyOperations)
        ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)LoadResourceText(id).c_str());
}

// ---- Create Variable ----

BEGIN_MESSAGE_MAP(CSetVariableCfg, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_CREATEVAR_SCOPE, OnScopeChange)
    ON_CBN_SELCHANGE(IDC_CREATEVAR_OBJECT, OnObjectChange)
    ON_CBN_SELCHANGE(IDC_CREATEVAR_NAME, OnNameChange)
END_MESSAGE_MAP()

CSetVariableCfg::CSetVariableCfg()
    : CPropertyPage(IDD_CREATE_VARIABLE), m_pPage(NULL), m_pObject(NULL), m_scope(0)
{
}

void CSetVariableCfg::ListNames()
{
    HWND names = Item(IDC_CREATEVAR_NAME);
    CStr typed = GetDialogText(m_hWnd, IDC_CREATEVAR_NAME);
    ::SendMessageA(names, CB_RESETCONTENT, 0, 0);
    FillScopeVariableCombo(names, m_pPage, m_scope == 0 ? 0 : 1, GetElementId(m_pObject));
    ::EnableWindow(Item(IDC_CREATEVAR_OBJECT), m_scope != 0);
    if (SelectComboTextExact(names, typed) == CB_ERR)
        ::SetWindowTextA(names, typed);
}

BOOL CSetVariableCfg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ::SendMessageA(Item(IDC_CREATEVAR_NAME), CB_LIMITTEXT, kMaxVariableName, 0);
    ::SetWindowTextA(Item(IDC_CREATEVAR_VALUE), m_strValueText);
    if (m_pObject == NULL)
        return TRUE;
    FillVarTypeCombo(Item(IDC_CREATEVAR_TYPE));
    AddScopeChoices(Item(IDC_CREATEVAR_SCOPE));
    FillPageObjectCombo(Item(IDC_CREATEVAR_OBJECT), m_pPage);
    SelectComboTextExact(Item(IDC_CREATEVAR_OBJECT), m_pObject->GetId());
    SelectScope(Item(IDC_CREATEVAR_SCOPE), m_scope);
    ListNames();
    if (!m_strVarName.IsEmpty())
    {
        SelectComboTextExact(Item(IDC_CREATEVAR_OBJECT), m_strOwner);
        if (SelectComboTextExact(Item(IDC_CREATEVAR_NAME), m_strVarName) == CB_ERR)
            ::SetWindowTextA(Item(IDC_CREATEVAR_NAME), m_strVarName);
        SelectComboItemByData(Item(IDC_CREATEVAR_TYPE), m_value.Type());
        for (int id : { IDC_CREATEVAR_SCOPE, IDC_CREATEVAR_OBJECT, IDC_CREATEVAR_NAME, IDC_CREATEVAR_TYPE })
            ::EnableWindow(Item(id), FALSE);
    }
    return TRUE;
}

void CSetVariableCfg::OnScopeChange()
{
    LRESULT scope = 0;
    if (GetComboSelectedData(Item(IDC_CREATEVAR_SCOPE), scope))
        m_scope = (long)scope;
    ListNames();
}

void CSetVariableCfg::OnObjectChange()
{
    CScriptableObject* object = dynamic_cast<CScriptableObject*>(GetSelectedObject(Item(IDC_CREATEVAR_OBJECT)));
    if (object != NULL)
        m_pObject = object;
    ListNames();
}

void CSetVariableCfg::OnNameChange()
{
    const VARIANT* value = GetSelectedVariable(Item(IDC_CREATEVAR_NAME));
    if (value == NULL)
        return;
    m_value = *value;
    SelectComboItemByData(Item(IDC_CREATEVAR_TYPE), value->vt);
    ::SetWindowTextA(Item(IDC_CREATEVAR_VALUE), m_value.ToText());
}

BOOL CSetVariableCfg::OnApply()
{
    CStr name = GetDialogText(m_hWnd, IDC_CREATEVAR_NAME);
    if (name.GetLength() > kMaxVariableName)
        name.Truncate(kMaxVariableName);
    if (name.IsEmpty())
        return FALSE;
    LRESULT type = 0;
    if (!GetComboSelectedData(Item(IDC_CREATEVAR_TYPE), type))
    {
        ReportMessage(m_hWnd, "Please choose the variable's type.", "Create a new variable",
                      MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    CStr text = GetDialogText(m_hWnd, IDC_CREATEVAR_VALUE);
    VARIANT value;
    VariantInit(&value);
    if (!ConvertValueTextOrReport(m_hWnd, text, (VARTYPE)type, value))
        return FALSE;
    m_value = value;
    VariantClear(&value);
    m_strValueText = text;
    m_strVarName = name;
    LRESULT scope = 0;
    if (GetComboSelectedData(Item(IDC_CREATEVAR_SCOPE), scope))
        m_scope = (long)scope;
    return CPropertyPage::OnApply();
}

// ---- Modify Variable ----

static BOOL IsActivePage(CPropertyPage* page)
{
    return page->GetSheet() == NULL || page->GetSheet()->GetActivePage() == page;
}

BEGIN_MESSAGE_MAP(CModifyVariableConstCfg, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_MODIFYVAR_CONST_TARGET, OnTargetChange)
END_MESSAGE_MAP()

CModifyVariableConstCfg::CModifyVariableConstCfg()
    : CPropertyPage(IDD_MODIFYVAR_CONST), m_pPage(NULL), m_bApplied(FALSE)
{
}

BOOL CModifyVariableConstCfg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    HWND target = ::GetDlgItem(m_hWnd, IDC_MODIFYVAR_CONST_TARGET);
    FillVariableCombo(target, m_pPage, m_strOwnerId);
    SelectComboTextExact(target, m_strTargetVar);
    OnTargetChange();
    HWND op = ::GetDlgItem(m_hWnd, IDC_MODIFYVAR_CONST_OP);
    FillOperationCombo(op);
    SelectComboTextExact(op, m_strMainOp);
    ::SetDlgItemTextA(m_hWnd, IDC_MODIFYVAR_CONST_VALUE, m_value.ToText());
    return TRUE;
}

void CModifyVariableConstCfg::OnTargetChange()
{
    ::SetDlgItemTextA(m_hWnd, IDC_MODIFYVAR_CONST_TYPE,
                      GetSelectedVariableTypeName(::GetDlgItem(m_hWnd, IDC_MODIFYVAR_CONST_TARGET)));
}

BOOL CModifyVariableConstCfg::OnApply()
{
    if (!IsActivePage(this))
        return CPropertyPage::OnApply();
    HWND target = ::GetDlgItem(m_hWnd, IDC_MODIFYVAR_CONST_TARGET);
    CStr text = GetDialogText(m_hWnd, IDC_MODIFYVAR_CONST_VALUE);
    const VARIANT* variable = GetSelectedVariable(target);
    if (variable != NULL)
    {
        VARIANT value;
        VariantInit(&value);
        if (!ConvertValueTextOrReport(m_hWnd, text, variable->vt, value))
            return FALSE;
        m_value = value;
        VariantClear(&value);
    }
    else
    {
        // No variable, no type: the constant stays text.
        m_value.SetText(text);
    }
    m_strTargetVar = GetComboSelectedText(target);
    m_strMainOp = GetComboSelectedText(::GetDlgItem(m_hWnd, IDC_MODIFYVAR_CONST_OP));
    m_bApplied = TRUE;
    return CPropertyPage::OnApply();
}

BEGIN_MESSAGE_MAP(CModifyVariableVarCfg, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_MODIFYVAR_VAR_TARGET, OnVariableChange)
    ON_CBN_SELCHANGE(IDC_MODIFYVAR_VAR_SOURCE, OnVariableChange)
END_MESSAGE_MAP()

CModifyVariableVarCfg::CModifyVariableVarCfg()
    : CPropertyPage(IDD_MODIFYVAR_VAR), m_pPage(NULL), m_bApplied(FALSE)
{
}

BOOL CModifyVariableVarCfg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    HWND target = ::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_TARGET);
    HWND source = ::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_SOURCE);
    FillVariableCombo(target, m_pPage, m_strOwnerId);
    FillVariableCombo(source, m_pPage, m_strOwnerId);
    SelectComboTextExact(target, m_strTargetVar);
    SelectComboTextExact(source, m_strSrcVar);
    OnVariableChange();
    HWND op = ::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_OP);
    FillOperationCombo(op);
    SelectComboTextExact(op, m_strMainOp);
    return TRUE;
}

void CModifyVariableVarCfg::OnVariableChange()
{
    ::SetDlgItemTextA(m_hWnd, IDC_MODIFYVAR_VAR_TARGET_TYPE,
                      GetSelectedVariableTypeName(::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_TARGET)));
    ::SetDlgItemTextA(m_hWnd, IDC_MODIFYVAR_VAR_SOURCE_TYPE,
                      GetSelectedVariableTypeName(::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_SOURCE)));
}

BOOL CModifyVariableVarCfg::OnApply()
{
    if (!IsActivePage(this))
        return CPropertyPage::OnApply();
    m_strTargetVar = GetComboSelectedText(::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_TARGET));
    m_strSrcVar = GetComboSelectedText(::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_SOURCE));
    m_strMainOp = GetComboSelectedText(::GetDlgItem(m_hWnd, IDC_MODIFYVAR_VAR_OP));
    m_bApplied = TRUE;
    return CPropertyPage::OnApply();
}

// ---- The actions' sheets ----

BOOL CSetVariableAction::EditProperties(BOOL)
{
    CSetVariableCfg page;
    page.m_pPage = GetActionPage(this);
    page.m_pObject = GetScriptOwner(this);
    page.m_strOwner = m_record.owner;
    page.m_scope = m_record.scope;
    page.m_strVarName = m_record.varName;
    page.m_value = m_record.value;
    page.m_strValueText = m_record.value.ToText();
    const BOOL isNew = m_record.varName.IsEmpty();
    if (RunActionSheet(*this, { &page }) == IDCANCEL)
        return FALSE;
    m_record.scope = page.m_scope;
    m_record.varName = page.m_strVarName;
    m_record.value = page.m_value;
    m_record.owner = GetElementId(page.m_pObject);
    if (!IsComplete())
        return FALSE;
    if (isNew && page.m_pPage != NULL)
        page.m_pPage->AddVariable((int)m_record.scope, m_record.varName, m_record.value.Get(), m_record.owner);
    return TRUE;
}

BOOL CModifyVariableAction::EditProperties(BOOL)
{
    CBrowser* page = GetActionPage(this);
    CStr ownerId = GetElementId(GetScriptOwner(this));
    CModifyVariableConstCfg constPage;
    constPage.m_pPage = page;
    constPage.m_strOwnerId = ownerId;
    constPage.m_strMainOp = m_record.mainOp;
    constPage.m_strTargetVar = m_record.targetVar;
    constPage.m_value = m_record.value;
    CModifyVariableVarCfg varPage;
    varPage.m_pPage = page;
    varPage.m_strOwnerId = ownerId;
    varPage.m_strMainOp = m_record.mainOp;
    varPage.m_strTargetVar = m_record.targetVar;
    varPage.m_strSrcVar = m_record.srcVar;
    if (RunActionSheet(*this, { &constPage, &varPage }, m_record.srcVar.IsEmpty() ? 0 : 1) == IDCANCEL)
        return FALSE;
    if (constPage.m_bApplied)
    {
        m_record.mainOp = constPage.m_strMainOp;
        m_record.targetVar = constPage.m_strTargetVar;
        m_record.value = constPage.m_value;
        m_record.srcVar.Empty();
    }
    else if (varPage.m_bApplied)
    {
        m_record.mainOp = varPage.m_strMainOp;
        m_record.targetVar = varPage.m_strTargetVar;
        m_record.srcVar = varPage.m_strSrcVar;
        if (m_record.value.Type() != VT_I4)
            m_record.value.SetLong(0);
    }
    return IsComplete();
}
