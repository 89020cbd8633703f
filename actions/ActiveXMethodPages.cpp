#include "actions/ActiveXMethodPages.h"

#include "actions/ActionPageSupport.h"
#include "model/ActiveXElement.h"
#include "model/ElementContainer.h"
#include "model/EditorServices.h"
#include "model/common/VariantHelpers.h"
#include "platform/framework/DialogControls.h"
#include "resources/editor/ActiveXPagesIds.h"

#include <stdio.h>
#include <string.h>
#include <string>

namespace {

// Posted by the method page to itself: the sheet is bound only after the
// first page's OnInitDialog, and argument pages are added to a live sheet.
const UINT kBuildPagesMessage = WM_APP + 0x41;

// The page's ActiveX elements in page order, nested ones after their owner.
void CollectActiveXElements(CElement* object, std::vector<CActiveXElement*>& found)
{
    CElementContainer* container = dynamic_cast<CElementContainer*>(object);
    if (!container)
        return;
    for (CElement* child : container->m_children)
    {
        CActiveXElement* control = dynamic_cast<CActiveXElement*>(child);
        if (control && _stricmp(control->GetType(), "ActiveX") == 0)
            found.push_back(control);
        CollectActiveXElements(child, found);
    }
}

} // namespace

const char* ShowVarTypeName(VARTYPE vt)
{
    const char* name = GetVarTypeName(vt);
    return name ? name : "";
}

// The variable combo of an argument or return page: the target's page (or
// the current one) lists the target's local variables, then the global ones.
static void FillMethodVariableCombo(HWND combo, CElement* target)
{
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    FillVariableCombo(combo, GetActionPage(target), GetElementId(target));
}

// The argument page.

BEGIN_MESSAGE_MAP(CActiveXParameterPP, CPropertyPage)
    ON_EN_CHANGE(IDC_AXPARAM_CONSTANT, OnConstantChange)
    ON_CBN_SELCHANGE(IDC_AXPARAM_VARIABLES, OnVariableChange)
END_MESSAGE_MAP()

CActiveXParameterPP::CActiveXParameterPP()
    : CPropertyPage(IDD_ACTIVEX_PARAMETER), m_pTarget(NULL), m_index(0), m_bReady(FALSE)
{
}

BOOL CActiveXParameterPP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_TITLE, m_strTitle);
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_TYPE, m_strType);
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_OPTIONAL, m_strOptional);
    HWND combo = ::GetDlgItem(m_hWnd, IDC_AXPARAM_VARIABLES);
    FillMethodVariableCombo(combo, m_pTarget);
    SelectComboTextExact(combo, m_strVarName);
    m_bReady = TRUE;
    if (m_strConstValue.IsEmpty())
        RefreshVariableState();
    else
        OnConstantChange();
    return TRUE;
}

void CActiveXParameterPP::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_AXPARAM_CONSTANT, m_strConstValue);
    DDV_MaxChars(pDX, m_strConstValue, 255);
}

void CActiveXParameterPP::RefreshVariableState()
{
    HWND combo = ::GetDlgItem(m_hWnd, IDC_AXPARAM_VARIABLES);
    if (::SendMessageA(combo, CB_GETCOUNT, 0, 0) > 0)
    {
        ::EnableWindow(combo, TRUE);
        m_strVarName = GetComboSelectedText(combo);
        m_strVarType = GetSelectedVariableTypeName(combo);
    }
    else
    {
        ::EnableWindow(combo, FALSE);
        m_strVarType = "No Variables!";
    }
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_VARTYPE, m_strVarType);
}

void CActiveXParameterPP::OnConstantChange()
{
    if (!m_bReady)
        return;
    char text[256] = "";
    ::GetDlgItemTextA(m_hWnd, IDC_AXPARAM_CONSTANT, text, sizeof text);
    if (text[0] == '\0')
    {
        RefreshVariableState();
        return;
    }
    m_strVarName = "";
    m_strVarType = "";
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_VARTYPE, "");
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_AXPARAM_VARIABLES), FALSE);
}

void CActiveXParameterPP::OnVariableChange()
{
    RefreshVariableState();
}

// The return page.

BEGIN_MESSAGE_MAP(CActiveXReturnValPP, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_AXPARAM_VARIABLES, OnVariableChange)
END_MESSAGE_MAP()

CActiveXReturnValPP::CActiveXReturnValPP()
    : CPropertyPage(IDD_ACTIVEX_RETURN_VALUE), m_pTarget(NULL)
{
}

BOOL CActiveXReturnValPP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_TYPE, m_strType);
    HWND combo = ::GetDlgItem(m_hWnd, IDC_AXPARAM_VARIABLES);
    FillMethodVariableCombo(combo, m_pTarget);
    if (::SendMessageA(combo, CB_GETCOUNT, 0, 0) > 0)
    {
        if (SelectComboTextExact(combo, m_strVariable) < 0)
            m_strVariable = "";
        m_strVarType = GetSelectedVariableTypeName(combo);
    }
    else
    {
        ::EnableWindow(combo, FALSE);
        m_strVarType = "No Variables!";
    }
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_VARTYPE, m_strVarType);
    return TRUE;
}

void CActiveXReturnValPP::OnVariableChange()
{
    HWND combo = ::GetDlgItem(m_hWnd, IDC_AXPARAM_VARIABLES);
    m_strVariable = GetComboSelectedText(combo);
    m_strVarType = GetSelectedVariableTypeName(combo);
    ::SetDlgItemTextA(m_hWnd, IDC_AXPARAM_VARTYPE, m_strVarType);
}

// The method page.

BEGIN_MESSAGE_MAP(CActiveXMethodPP, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_AXMETHOD_OBJECTS, OnObjectChange)
    ON_LBN_SELCHANGE(IDC_AXMETHOD_METHODS, OnMethodChange)
    ON_MESSAGE(kBuildPagesMessage, OnBuildPages)
END_MESSAGE_MAP()

CActiveXMethodPP::CActiveXMethodPP()
    : CPropertyPage(IDD_ACTIVEX_METHOD), m_pPage(NULL), m_pTarget(NULL), m_numParameters(0),
      m_returnType(VT_VOID), m_bParametersChosen(FALSE), m_bMethodChosen(FALSE), m_bReady(FALSE)
{
}

CActiveXMethodPP::~CActiveXMethodPP()
{
}

CPropertyPage* CActiveXMethodPP::GetArgumentPage(int index) const
{
    return index >= 0 && index < (int)m_currentPages.size() ? m_currentPages[index] : NULL;
}

BOOL CActiveXMethodPP::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!m_pPage)
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    HWND objects = ::GetDlgItem(m_hWnd, IDC_AXMETHOD_OBJECTS);
    std::vector<CActiveXElement*> controls;
    CollectActiveXElements(m_pPage, controls);
    for (CActiveXElement* control : controls)
    {
        LRESULT item = ::SendMessageA(objects, CB_ADDSTRING, 0, (LPARAM)(const char*)control->GetId());
        if (item >= 0)
            ::SendMessageA(objects, CB_SETITEMDATA, (WPARAM)item, (LPARAM)control);
    }
    if (controls.empty())
    {
        ::EnableWindow(objects, FALSE);
        m_strControlId = "";
        m_strMethod = "";
        ::SendMessageA(::GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0, PSWIZB_DISABLEDFINISH);
    }
    else if (!m_strControlId.IsEmpty())
        // A stale name selects nothing, never a name that begins like it.
        SelectComboTextExact(objects, m_strControlId);
    else
        ::SendMessageA(objects, CB_SETCURSEL, 0, 0);
    FillMethodList();
    SelectStoredMethod();
    ChooseMethod(TRUE);
    m_bReady = TRUE;
    ::PostMessageA(m_hWnd, kBuildPagesMessage, 0, 0);
    return TRUE;
}

CActiveXElement* CActiveXMethodPP::GetSelectedElement() const
{
    HWND objects = ::GetDlgItem(m_hWnd, IDC_AXMETHOD_OBJECTS);
    return dynamic_cast<CActiveXElement*>(GetSelectedObject(objects));
}

const CMethodRecord* CActiveXMethodPP::GetSelectedMethod() const
{
    CActiveXElement* control = GetSelectedElement();
    HWND methods = ::GetDlgItem(m_hWnd, IDC_AXMETHOD_METHODS);
    LRESULT selected = ::SendMessageA(methods, LB_GETCURSEL, 0, 0);
    if (!control || selected == LB_ERR)
        return NULL;
    LRESULT index = ::SendMessageA(methods, LB_GETITEMDATA, (WPARAM)selected, 0);
    return index >= 0 && index < (LRESULT)control->m_methods.size() ? &control->m_methods[(size_t)index] : NULL;
}

void CActiveXMethodPP::FillMethodList()
{
    HWND methods = ::GetDlgItem(m_hWnd, IDC_AXMETHOD_METHODS);
    ::SendMessageA(methods, LB_RESETCONTENT, 0, 0);
    CActiveXElement* control = GetSelectedElement();
    if (!control)
        return;
    m_strControlId = control->GetId();
    for (size_t i = 0; i < control->m_methods.size(); i++)
    {
        LRESULT item = ::SendMessageA(methods, LB_ADDSTRING, 0, (LPARAM)(const char*)control->m_methods[i].GetName());
        if (item >= 0)
            ::SendMessageA(methods, LB_SETITEMDATA, (WPARAM)item, (LPARAM)i);
    }
}

void CActiveXMethodPP::SelectStoredMethod()
{
    HWND methods = ::GetDlgItem(m_hWnd, IDC_AXMETHOD_METHODS);
    int count = (int)::SendMessageA(methods, LB_GETCOUNT, 0, 0);
    for (int i = 0; !m_strMethod.IsEmpty() && i < count; i++)
    {
        if (AfxGetItemText(methods, LB_GETTEXTLEN, LB_GETTEXT, i) == (const char*)m_strMethod)
        {
            ::SendMessageA(methods, LB_SETCURSEL, (WPARAM)i, 0);
            return;
        }
    }
    ::SendMessageA(methods, LB_SETCURSEL, (WPARAM)-1, 0);
}

void CActiveXMethodPP::ChooseMethod(BOOL keepBindings)
{
    ::SetDlgItemTextA(m_hWnd, IDC_AXMETHOD_SUMMARY, "");
    const CMethodRecord* method = GetSelectedMethod();
    m_bMethodChosen = method != NULL;
    if (!method)
    {
        m_chosen = CMethodRecord();
        RebuildArgumentPages();
        return;
    }
    m_chosen = *method;
    // The stored bindings belong to this method only when the counts agree.
    if (keepBindings && m_chosen.GetName() == m_strMethod && m_chosen.GetParamCount() == (int)m_parameters.size())
    {
        for (int i = 0; i < m_chosen.GetParamCount(); i++)
        {
            m_chosen.GetParam(i)->SetVarName(m_parameters[(size_t)i].GetVarName());
            m_chosen.GetParam(i)->SetConstValue(m_parameters[(size_t)i].GetConstValue());
        }
    }
    m_strMethod = m_chosen.GetName();
    m_numParameters = m_chosen.GetParamCount();
    m_returnType = m_chosen.GetReturnType();
    char count[64];
    snprintf(count, sizeof count, "Number of Parameters: %d\r\nReturn Type: ", m_numParameters);
    CStr summary = CStr(count) + ShowVarTypeName(m_returnType);
    ::SetDlgItemTextA(m_hWnd, IDC_AXMETHOD_SUMMARY, summary);
    RebuildArgumentPages();
}

void CActiveXMethodPP::RebuildArgumentPages()
{
    CPropertySheet* sheet = GetSheet();
    // Pages leave the sheet here but live until the sheet has returned.
    for (CPropertyPage* page : m_currentPages)
    {
        if (sheet && m_bReady)
            sheet->RemovePage(page);
    }
    m_currentPages.clear();
    if (!m_bMethodChosen)
        return;
    for (int c = 0; c < m_chosen.GetParamCount(); c++)
    {
        const CActiveXMethodParameter* parameter = m_chosen.GetParam(c);
        CActiveXParameterPP* page = new CActiveXParameterPP;
        char line[64];
        snprintf(line, sizeof line, "Parameter %d: ", c + 1);
        page->m_strTitle = CStr(line) + parameter->GetName();
        page->m_strType = CStr("Type: ") + ShowVarTypeName(parameter->GetType());
        page->m_strOptional = parameter->IsOptional() ? "This parameter appears to be optional" : "";
        page->m_strVarName = parameter->GetVarName();
        page->m_strConstValue = parameter->GetConstValue();
        page->m_pTarget = m_pTarget;
        page->m_index = c;
        m_madePages.emplace_back(page);
        m_currentPages.push_back(page);
    }
    if (m_returnType != VT_VOID)
    {
        CActiveXReturnValPP* page = new CActiveXReturnValPP;
        page->m_strVariable = m_strRetVariable;
        page->m_strType = CStr("Type: ") + ShowVarTypeName(m_returnType);
        page->m_pTarget = m_pTarget;
        m_madePages.emplace_back(page);
        m_currentPages.push_back(page);
    }
    if (sheet && m_bReady)
    {
        for (CPropertyPage* page : m_currentPages)
            sheet->AddPage(page);
    }
}

LRESULT CActiveXMethodPP::OnBuildPages(WPARAM, LPARAM)
{
    CPropertySheet* sheet = GetSheet();
    if (!sheet)
        return 0;
    for (CPropertyPage* page : m_currentPages)
    {
        if (sheet->GetPageIndex(page) < 0)
            sheet->AddPage(page);
    }
    return 0;
}

void CActiveXMethodPP::OnObjectChange()
{
    FillMethodList();
    SelectStoredMethod();
    ChooseMethod(FALSE);
}

void CActiveXMethodPP::OnMethodChange()
{
    ChooseMethod(FALSE);
}

void CActiveXMethodPP::Gather()
{
    if (!GetSelectedElement())
        return;
    if (!m_bMethodChosen)
    {
        // No method of this control is chosen: the action has none to call.
        m_strMethod = "";
        return;
    }
    CMethodRecord copy(m_chosen);
    for (CPropertyPage* page : m_currentPages)
    {
        if (CActiveXReturnValPP* ret = dynamic_cast<CActiveXReturnValPP*>(page))
            m_strRetVariable = ret->m_strVariable;
        else if (CActiveXParameterPP* arg = dynamic_cast<CActiveXParameterPP*>(page))
        {
            CActiveXMethodParameter* parameter = copy.GetParam(arg->m_index);
            if (parameter)
            {
                parameter->SetConstValue(arg->m_strConstValue);
                parameter->SetVarName(arg->m_strVarName);
            }
        }
    }
    m_parameters.clear();
    for (int i = 0; i < copy.GetParamCount(); i++)
        m_parameters.push_back(*copy.GetParam(i));
    m_bParametersChosen = TRUE;
}

BOOL CActiveXMethodPP::OnApply()
{
    Gather();
    return CPropertyPage::OnApply();
}

BOOL CActiveXMethodPP::OnWizardFinish()
{
    Gather();
    return CPropertyPage::OnWizardFinish();
}
