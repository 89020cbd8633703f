#include "actions/ConditionPages.h"

#include "actions/ActionPageSupport.h"
#include "actions/ConditionActions.h"
#include "resources/editor/ActionPagesAIds.h"

static const int kMaxVariableName = 29;
static const int kMaxText = 255;

void FillOperatorCombo(HWND combo)
{
    for (int code = 0; code < 7; ++code)
    {
        LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)GetOperatorText(code).c_str());
        if (index >= 0)
            ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, (LPARAM)code);
    }
}

BOOL SelectOperatorByCode(HWND combo, int code)
{
    int count = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        if ((int)::SendMessageA(combo, CB_GETITEMDATA, (WPARAM)i, 0) == code)
        {
            ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)i, 0);
            return TRUE;
        }
    }
    ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)-1, 0);
    return FALSE;
}

CStr GetOperatorText(int code)
{
    UINT id = GetOperatorStringId(code);
    return id != 0 ? LoadResourceText(id) : CStr();
}

static CStr Limited(CStr text, int length)
{
    if (text.GetLength() > length)
        text.Truncate(length);
    return text;
}

BEGIN_MESSAGE_MAP(CIfWhileCfg, CWizPropertyPage)
    ON_EN_CHANGE(IDC_IF_CONSTANT, OnConstantChange)
END_MESSAGE_MAP()

CIfWhileCfg::CIfWhileCfg() : CWizPropertyPage(IDD_IF_STATEMENT), m_pPage(NULL), m_op(0)
{
}

BOOL CIfWhileCfg::OnInitDialog()
{
    CWizPropertyPage::OnInitDialog();
    HWND left = ::GetDlgItem(m_hWnd, IDC_IF_VARIABLE1);
    HWND right = ::GetDlgItem(m_hWnd, IDC_IF_VARIABLE2);
    HWND op = ::GetDlgItem(m_hWnd, IDC_IF_OPERATOR);
    FillVariableCombo(left, m_pPage, m_strOwnerId);
    FillVariableCombo(right, m_pPage, m_strOwnerId);
    FillOperatorCombo(op);
    ::SendDlgItemMessageA(m_hWnd, IDC_IF_CONSTANT, EM_LIMITTEXT, kMaxText, 0);
    ::SetDlgItemTextA(m_hWnd, IDC_IF_CONSTANT, m_strConstValue);
    if (!m_strLeftName.IsEmpty())
    {
        SelectComboTextExact(left, m_strLeftName);
        if (m_strConstValue.IsEmpty())
            SelectComboTextExact(right, m_strRightName);
        SelectOperatorByCode(op, m_op);
    }
    return TRUE;
}

void CIfWhileCfg::OnConstantChange()
{
    if (!GetDialogText(m_hWnd, IDC_IF_CONSTANT).IsEmpty())
        ::SendDlgItemMessageA(m_hWnd, IDC_IF_VARIABLE2, CB_SETCURSEL, (WPARAM)-1, 0);
}

BOOL CIfWhileCfg::OnApply()
{
    m_strLeftName = Limited(GetComboSelectedText(::GetDlgItem(m_hWnd, IDC_IF_VARIABLE1)), kMaxVariableName);
    m_strRightName = Limited(GetComboSelectedText(::GetDlgItem(m_hWnd, IDC_IF_VARIABLE2)), kMaxVariableName);
    m_strConstValue = GetDialogText(m_hWnd, IDC_IF_CONSTANT);
    LRESULT code = -1;
    m_op = GetComboSelectedData(::GetDlgItem(m_hWnd, IDC_IF_OPERATOR), code) ? (int)code : -1;
    return CWizPropertyPage::OnApply();
}

BEGIN_MESSAGE_MAP(CIfExistsCfg, CPropertyPage)
    ON_BN_CLICKED(IDC_IF_EXISTS_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CIfExistsCfg::CIfExistsCfg() : CPropertyPage(IDD_IF_EXISTS)
{
}

BOOL CIfExistsCfg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ::SendDlgItemMessageA(m_hWnd, IDC_IF_EXISTS_PATH, EM_LIMITTEXT, kMaxText, 0);
    ::SetDlgItemTextA(m_hWnd, IDC_IF_EXISTS_PATH, m_strPath);
    return TRUE;
}

void CIfExistsCfg::OnBrowse()
{
    // The stored file goes to the dialog as its initial file, as on the
    // other pages: copied into a buffer of its own, it never showed.
    BrowseIntoField(m_hWnd, IDC_IF_EXISTS_PATH, [](const CStr& text) {
        CActionBrowseRequest request;
        request.folder = FALSE;
        request.filter = LoadResourceText(IDS_ALL_FILES_FILTER);
        request.defaultExt = ".*";
        SetBrowseStart(request, text);
        return request;
    });
}

BOOL CIfExistsCfg::OnApply()
{
    m_strPath = GetDialogText(m_hWnd, IDC_IF_EXISTS_PATH);
    return CPropertyPage::OnApply();
}

BOOL CIfWhileAction::EditProperties(BOOL)
{
    CIfWhileCfg ifPage;
    ifPage.m_pPage = GetActionPage(this);
    ifPage.m_strOwnerId = GetElementId(GetScriptOwner(this));
    ifPage.m_strLeftName = m_record.leftName;
    ifPage.m_strRightName = m_record.rightName;
    ifPage.m_strConstValue = m_record.constValue;
    ifPage.m_op = m_record.op;
    CIfExistsCfg existsPage;
    existsPage.m_strPath = m_record.path;
    if (RunActionSheet(*this, { &ifPage, &existsPage }, m_record.path.IsEmpty() ? 0 : 1) == IDCANCEL)
        return FALSE;
    CIfWhileRecord test = m_record;
    test.path = existsPage.m_strPath;
    if (test.path.IsEmpty())
    {
        test.leftName = ifPage.m_strLeftName;
        test.op = ifPage.m_op;
        test.constValue = ifPage.m_strConstValue;
        if (test.constValue.IsEmpty())
            test.rightName = ifPage.m_strRightName;
        else
            test.rightName.Empty();
    }
    // An incomplete comparison is not taken; the path the sheet gave is.
    if (!IsComplete(test))
    {
        m_record.path = test.path;
        return FALSE;
    }
    m_record = test;
    return TRUE;
}
