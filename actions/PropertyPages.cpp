#include "actions/PropertyPages.h"

#include "actions/ActionPageSupport.h"
#include "actions/PropertyActions.h"
#include "model/common/MessageReporter.h"
#include "model/common/VariantHelpers.h"
#include "resources/editor/ActionPagesAIds.h"

const char kFirstCreateAVariable[] = "First Create A Variable!";
const char kNoVariablesInScope[] = "No Variables In This Scope!";

static const int kMaxValueText = 255;

static BOOL HasChangedAssignment(const CPropertyRecordList& list)
{
    for (const CPropertyRecord& record : list)
    {
        if (record.m_bChanged)
            return TRUE;
    }
    return FALSE;
}

// The entries that can be written (or read), item data the entry's index.
static void ListProperties(HWND combo, const CPropertyRecordList& list, BOOL writable)
{
    for (size_t i = 0; i < list.size(); ++i)
    {
        if (!(writable ? list[i].m_bCanPut : list[i].m_bCanGet))
            continue;
        LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)list[i].m_strName.c_str());
        if (index >= 0)
            ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)i);
    }
}

// ---- The object page ----

BEGIN_MESSAGE_MAP(CSetPropertyNewPP, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_PROP_OBJECT, OnObjectChange)
    ON_BN_CLICKED(IDC_SETPROP_CHANGE, OnChangeProperties)
END_MESSAGE_MAP()

CSetPropertyNewPP::CSetPropertyNewPP()
    : CPropertyPage(IDD_SETPROP_OBJECT), m_pPage(NULL), m_bAdvanced(FALSE), m_pObject(NULL)
{
}

CScriptableObject* CSetPropertyNewPP::SelectedObject() const
{
    return dynamic_cast<CScriptableObject*>(GetSelectedObject(::GetDlgItem(m_hWnd, IDC_PROP_OBJECT)));
}

BOOL CSetPropertyNewPP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    HWND objects = ::GetDlgItem(m_hWnd, IDC_PROP_OBJECT);
    ::CheckDlgButton(m_hWnd, IDC_SETPROP_ADVANCED, BST_UNCHECKED);
    FillPageObjectCombo(objects, m_pPage);
    if (::SendMessageA(objects, CB_GETCOUNT, 0, 0) > 0)
    {
        ::SendMessageA(objects, CB_SETCURSEL, 0, 0);
        OnObjectChange();
    }
    else
    {
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SETPROP_CHANGE), FALSE);
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SETPROP_ADVANCED), FALSE);
    }
    return TRUE;
}

void CSetPropertyNewPP::OnObjectChange()
{
    CElement* object = GetSelectedObject(::GetDlgItem(m_hWnd, IDC_PROP_OBJECT));
    // A hosted control has no page of its own: the generic page is its only way.
    BOOL control = object != NULL && object->GetType().EqualsNoCase("ActiveX");
    ::CheckDlgButton(m_hWnd, IDC_SETPROP_ADVANCED, control ? BST_CHECKED : BST_UNCHECKED);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SETPROP_ADVANCED), !control);
}

BOOL CSetPropertyNewPP::OnApply()
{
    m_pObject = SelectedObject();
    m_bAdvanced = ::IsDlgButtonChecked(m_hWnd, IDC_SETPROP_ADVANCED) == BST_CHECKED;
    return CPropertyPage::OnApply();
}

void CSetPropertyNewPP::OnChangeProperties()
{
    m_pObject = SelectedObject();
    m_bAdvanced = ::IsDlgButtonChecked(m_hWnd, IDC_SETPROP_ADVANCED) == BST_CHECKED;
    EndDialog(m_pObject != NULL ? IDOK : IDCANCEL);
}

// ---- The generic page ----

BEGIN_MESSAGE_MAP(CSetPropertyCfg, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_PROP_OBJECT, OnObjectChange)
    ON_CBN_SELCHANGE(IDC_PROP_PROPERTY, OnPropertyChange)
    ON_CBN_SELCHANGE(IDC_PROP_VARIABLE, OnVariableChange)
    ON_EN_CHANGE(IDC_PROP_NEW_VALUE, OnValueChange)
END_MESSAGE_MAP()

CSetPropertyCfg::CSetPropertyCfg() : CPropertyPage(IDD_SETPROP_GENERIC), m_pPage(NULL), m_pOwner(NULL)
{
}

BOOL CSetPropertyCfg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    HWND objects = Item(IDC_PROP_OBJECT);
    ::SendMessageA(Item(IDC_PROP_NEW_VALUE), EM_LIMITTEXT, kMaxValueText, 0);
    FillPageObjectCombo(objects, m_pPage);
    HWND variables = Item(IDC_PROP_VARIABLE);
    FillVariableCombo(variables, m_pPage, GetElementId(m_pOwner));
    ::EnableWindow(variables, ::SendMessageA(variables, CB_GETCOUNT, 0, 0) > 0);
    if (SelectComboTextExact(objects, m_strTarget) == CB_ERR && m_pOwner != NULL)
    {
        m_strTarget = m_pOwner->GetId();
        SelectComboTextExact(objects, m_strTarget);
    }
    ApplyObjectRule();
    return TRUE;
}

void CSetPropertyCfg::OnObjectChange()
{
    ApplyObjectRule();
}

void CSetPropertyCfg::ApplyObjectRule()
{
    HWND objects = Item(IDC_PROP_OBJECT);
    CScriptableObject* object = dynamic_cast<CScriptableObject*>(GetSelectedObject(objects));
    if (object == NULL)
        return;
    if (!object->GetId().EqualsNoCase(m_strTarget) && HasChangedAssignment(m_list))
    {
        CStr warning = LoadResourceText(IDS_SETPROP_CHANGE_OBJECT);
        if (ReportMessage(m_hWnd, warning, "Set Property", MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        {
            SelectComboTextExact(objects, m_strTarget);
            return;
        }
    }
    HWND properties = Item(IDC_PROP_PROPERTY);
    ::SendMessageA(properties, CB_RESETCONTENT, 0, 0);
    ::SetWindowTextA(Item(IDC_PROP_NEW_VALUE), "");
    if (!object->GetId().EqualsNoCase(m_strTarget))
        m_list.clear();
    m_strTarget = object->GetId();
    object->UpdatePropertyList(m_list);
    ListProperties(properties, m_list, TRUE);
    int count = (int)::SendMessageA(properties, CB_GETCOUNT, 0, 0);
    ::SendMessageA(properties, CB_SETCURSEL, (WPARAM)-1, 0);
    for (int i = 0; i < count; ++i)
    {
        size_t entry = (size_t)::SendMessageA(properties, CB_GETITEMDATA, (WPARAM)i, 0);
        if (entry < m_list.size() && m_list[entry].m_bChanged)
        {
            ::SendMessageA(properties, CB_SETCURSEL, (WPARAM)i, 0);
            break;
        }
    }
    ApplyPropertyRule();
}

void CSetPropertyCfg::OnPropertyChange()
{
    ApplyPropertyRule();
}

void CSetPropertyCfg::ApplyPropertyRule()
{
    HWND variables = Item(IDC_PROP_VARIABLE);
    LRESULT data = 0;
    size_t entry = m_list.size();
    if (GetComboSelectedData(Item(IDC_PROP_PROPERTY), data))
        entry = (size_t)data;
    ::SendMessageA(variables, CB_SETCURSEL, (WPARAM)-1, 0);
    ::SetWindowTextA(Item(IDC_PROP_NEW_VALUE), "");
    const char* typeName = "";
    if (entry < m_list.size())
    {
        const CPropertyRecord& record = m_list[entry];
        if (record.m_bChanged)
        {
            ::SetWindowTextA(Item(IDC_PROP_NEW_VALUE), VariantToText(record.m_value));
            if (!record.m_strVariableName.IsEmpty() &&
                SelectComboTextExact(variables, record.m_strVariableName) != CB_ERR)
                ::SetWindowTextA(Item(IDC_PROP_NEW_VALUE), "");
        }
        typeName = GetVarTypeName(record.m_vt);
    }
    ::SetWindowTextA(Item(IDC_PROP_PROPERTY_TYPE), typeName ? typeName : "");
    ShowVariableType();
    SetModified(TRUE);
}

void CSetPropertyCfg::ShowVariableType()
{
    ::SetWindowTextA(Item(IDC_PROP_VARIABLE_TYPE), GetSelectedVariableTypeName(Item(IDC_PROP_VARIABLE)));
}

void CSetPropertyCfg::OnVariableChange()
{
    if (GetSelectedVariable(Item(IDC_PROP_VARIABLE)) != NULL)
        ::SetWindowTextA(Item(IDC_PROP_NEW_VALUE), "");
    ShowVariableType();
}

void CSetPropertyCfg::OnValueChange()
{
    if (!GetDialogText(m_hWnd, IDC_PROP_NEW_VALUE).IsEmpty())
    {
        ::SendMessageA(Item(IDC_PROP_VARIABLE), CB_SETCURSEL, (WPARAM)-1, 0);
        ShowVariableType();
    }
}

BOOL CSetPropertyCfg::OnApply()
{
    LRESULT data = 0;
    if (!GetComboSelectedData(Item(IDC_PROP_PROPERTY), data) || (size_t)data >= m_list.size())
        return CPropertyPage::OnApply();
    CPropertyRecord& record = m_list[(size_t)data];
    HWND variables = Item(IDC_PROP_VARIABLE);
    VARIANT value;
    VariantInit(&value);
    if (GetSelectedVariable(variables) == NULL)
    {
        CStr text = GetDialogText(m_hWnd, IDC_PROP_NEW_VALUE);
        CStr current = VariantToText(record.m_value);
        if (text.IsEmpty() && record.m_vt != VT_BSTR && !current.IsEmpty() && current != "0")
        {
            if (ReportMessage(m_hWnd, "Do you wish to remove this property?", "Set Property",
                              MB_YESNO | MB_ICONQUESTION) == IDYES)
            {
                record.m_bChanged = 0;
                return CPropertyPage::OnApply();
            }
            text = "0";
        }
        if (!ConvertValueTextOrReport(m_hWnd, text, record.m_vt, value))
            return FALSE;
        record.m_strVariableName.Empty();
    }
    else
    {
        record.m_strVariableName = GetComboSelectedText(variables);
        V_VT(&value) = VT_I4;
        V_I4(&value) = 0;
        VariantChangeType(&value, &value, 0, record.m_vt);
    }
    VariantClear(&record.m_value);
    record.m_value = value;
    record.m_bChanged = 1;
    return CPropertyPage::OnApply();
}

// ---- Get Property ----

BEGIN_MESSAGE_MAP(CGetPropertyCfg, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_PROP_OBJECT, OnObjectChange)
    ON_CBN_SELCHANGE(IDC_PROP_PROPERTY, OnPropertyChange)
    ON_CBN_SELCHANGE(IDC_PROP_SCOPE, OnScopeChange)
    ON_CBN_SELCHANGE(IDC_PROP_VARIABLE, OnVariableChange)
END_MESSAGE_MAP()

CGetPropertyCfg::CGetPropertyCfg()
    : CPropertyPage(IDD_GETPROP), m_pPage(NULL), m_pOwner(NULL), m_scope(0), m_bPlaceholder(FALSE)
{
}

BOOL CGetPropertyCfg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    HWND scopes = Item(IDC_PROP_SCOPE);
    AddScopeChoices(scopes);
    HWND objects = Item(IDC_PROP_OBJECT);
    HWND variables = Item(IDC_PROP_VARIABLE);
    FillPageObjectCombo(objects, m_pPage);
    if (SelectComboTextExact(objects, m_strTarget) == CB_ERR)
    {
        FillVariableCombo(variables, m_pPage, GetElementId(m_pOwner));
        m_strTarget = GetElementId(m_pOwner);
        SelectComboTextExact(objects, m_strTarget);
        ApplyObjectRule();
    }
    else
    {
        SelectScope(scopes, m_scope);
        ApplyObjectRule();
        if (!m_bPlaceholder)
            SelectComboTextExact(variables, m_strVariableName);
        OnVariableChange();
    }
    if (::SendMessageA(variables, CB_GETCOUNT, 0, 0) <= 0)
        ShowPlaceholder(kFirstCreateAVariable);
    return TRUE;
}

void CGetPropertyCfg::ShowPlaceholder(const char* text)
{
    HWND variables = Item(IDC_PROP_VARIABLE);
    ::SendMessageA(variables, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(variables, CB_ADDSTRING, 0, (LPARAM)text);
    ::SendMessageA(variables, CB_SETCURSEL, 0, 0);
    ::EnableWindow(variables, FALSE);
    m_bPlaceholder = TRUE;
}

void CGetPropertyCfg::OnObjectChange()
{
    ApplyObjectRule();
}

void CGetPropertyCfg::ApplyObjectRule()
{
    CScriptableObject* object = dynamic_cast<CScriptableObject*>(GetSelectedObject(Item(IDC_PROP_OBJECT)));
    HWND properties = Item(IDC_PROP_PROPERTY);
    ::SendMessageA(properties, CB_RESETCONTENT, 0, 0);
    m_list.clear();
    if (object != NULL)
    {
        object->UpdatePropertyList(m_list);
        m_strTarget = object->GetId();
    }
    ListProperties(properties, m_list, FALSE);
    SelectComboTextExact(properties, m_strProperty);
    ApplyPropertyRule();
}

void CGetPropertyCfg::OnPropertyChange()
{
    ApplyPropertyRule();
}

void CGetPropertyCfg::ApplyPropertyRule()
{
    LRESULT data = 0;
    const char* typeName = "";
    // With none selected the property is empty: the old name kept for
    // another object would store a pair that does not exist as complete.
    m_strProperty.Empty();
    if (GetComboSelectedData(Item(IDC_PROP_PROPERTY), data) && (size_t)data < m_list.size())
    {
        m_strProperty = m_list[(size_t)data].m_strName;
        typeName = GetVarTypeName(m_list[(size_t)data].m_vt);
    }
    ::SetWindowTextA(Item(IDC_PROP_PROPERTY_TYPE), typeName ? typeName : "");
    ApplyScopeRule();
}

void CGetPropertyCfg::OnScopeChange()
{
    ApplyScopeRule();
}

void CGetPropertyCfg::ApplyScopeRule()
{
    HWND variables = Item(IDC_PROP_VARIABLE);
    ::SendMessageA(variables, CB_RESETCONTENT, 0, 0);
    ::EnableWindow(variables, TRUE);
    m_bPlaceholder = FALSE;
    if (::SendMessageA(Item(IDC_PROP_PROPERTY), CB_GETCURSEL, 0, 0) != CB_ERR)
    {
        LRESULT scope = 1;
        GetComboSelectedData(Item(IDC_PROP_SCOPE), scope);
        m_scope = (long)scope;
        FillScopeVariableCombo(variables, m_pPage, (int)m_scope, GetElementId(m_pOwner));
        if (::SendMessageA(variables, CB_GETCOUNT, 0, 0) <= 0)
            ShowPlaceholder(kNoVariablesInScope);
        else
            ::SendMessageA(variables, CB_SETCURSEL, 0, 0);
    }
    OnVariableChange();
}

void CGetPropertyCfg::OnVariableChange()
{
    HWND variables = Item(IDC_PROP_VARIABLE);
    ::SetWindowTextA(Item(IDC_PROP_VARIABLE_TYPE), m_bPlaceholder ? "" : GetSelectedVariableTypeName(variables).c_str());
}

BOOL CGetPropertyCfg::OnApply()
{
    if (!m_bPlaceholder)
    {
        CStr name = GetComboSelectedText(Item(IDC_PROP_VARIABLE));
        if (!name.IsEmpty())
            m_strVariableName = name;
    }
    return CPropertyPage::OnApply();
}

// ---- The actions' editing ----

BOOL CSetPropertyAction::EditProperties(BOOL bNew)
{
    const CSetPropertyRecord before = m_record;
    const CStr beforeTarget = m_strControlId;
    BOOL result = FALSE;
    if (bNew)
    {
        result = ChooseTarget();
    }
    else if (m_record.advanced)
    {
        result = EditAdvanced();
    }
    else
    {
        CBrowser* page = GetActionPage(this);
        CScriptableObject* object =
            page ? dynamic_cast<CScriptableObject*>(page->FindChildById(m_strControlId)) : NULL;
        if (object != NULL)
        {
            m_strControlId = object->GetId();
            result = object->ChooseProperties(m_record.assignments);
        }
    }
    if (!result)
    {
        m_record = before;
        m_strControlId = beforeTarget;
    }
    return result;
}

BOOL CSetPropertyAction::ChooseTarget()
{
    CSetPropertyNewPP page;
    page.m_pPage = GetActionPage(this);
    if (RunActionSheet(*this, { &page }, 0, FALSE) == IDCANCEL || page.m_pObject == NULL)
        return FALSE;
    m_record.advanced = page.m_bAdvanced;
    m_strControlId = page.m_pObject->GetId();
    return m_record.advanced ? EditAdvanced() : page.m_pObject->ChooseProperties(m_record.assignments);
}

BOOL CSetPropertyAction::EditAdvanced()
{
    CSetPropertyCfg page;
    page.m_pPage = GetActionPage(this);
    page.m_pOwner = GetScriptOwner(this);
    page.m_strTarget = m_strControlId;
    page.m_list = m_record.assignments;
    if (RunActionSheet(*this, { &page }, 0, TRUE, TRUE) == IDCANCEL)
        return FALSE;
    m_strControlId = page.m_strTarget;
    m_record.assignments.clear();
    for (const CPropertyRecord& record : page.m_list)
    {
        if (record.m_bChanged)
            m_record.assignments.push_back(record);
    }
    return TRUE;
}

BOOL CGetPropertyAction::EditProperties(BOOL)
{
    CBrowser* page = GetActionPage(this);
    if (page == NULL)
        return FALSE;
    CGetPropertyCfg cfg;
    cfg.m_pPage = page;
    cfg.m_pOwner = GetScriptOwner(this);
    cfg.m_strTarget = m_strControlId;
    cfg.m_strProperty = m_record.property;
    cfg.m_strVariableName = m_record.variableName;
    cfg.m_scope = m_record.scope;
    if (RunActionSheet(*this, { &cfg }) == IDCANCEL)
        return FALSE;
    // Another object with no property chosen names no property at all: kept,
    // it would store a pair that does not exist, so the stored pair stays.
    if (cfg.m_strProperty.IsEmpty())
        return FALSE;
    m_strControlId = cfg.m_strTarget;
    m_record.property = cfg.m_strProperty;
    m_record.variableName = cfg.m_strVariableName;
    m_record.scope = cfg.m_scope;
    return IsComplete();
}
