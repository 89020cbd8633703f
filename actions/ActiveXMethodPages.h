// The pages that set up a call of a hosted control's method: the method page
// (object and method), one page per argument (a variable or a constant) and
// a page for the return value, grown once a method is chosen.
#pragma once

#include "model/Browser.h"
#include "model/store/MethodRecord.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

#include <memory>
#include <vector>

class CActiveXElement;

// The name of a VARTYPE as the pages show it: "" for one without a name.
const char* ShowVarTypeName(VARTYPE vt);

class CActiveXParameterPP : public CPropertyPage
{
public:
    CActiveXParameterPP();

    CStr m_strVarName;
    CStr m_strConstValue;
    CStr m_strTitle;      // "Parameter %d: %s"
    CStr m_strType;       // "Type: %s"
    CStr m_strVarType;    // the chosen variable's type name, or "No Variables!"
    CStr m_strOptional;
    CElement* m_pTarget;
    int m_index;          // the argument's position, from 0

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnConstantChange();
    void OnVariableChange();
    DECLARE_MESSAGE_MAP()

private:
    void RefreshVariableState();
    BOOL m_bReady;
};

class CActiveXReturnValPP : public CPropertyPage
{
public:
    CActiveXReturnValPP();

    CStr m_strVariable;
    CStr m_strType;
    CStr m_strVarType;
    CElement* m_pTarget;

protected:
    BOOL OnInitDialog() override;
    void OnVariableChange();
    DECLARE_MESSAGE_MAP()
};

class CActiveXMethodPP : public CPropertyPage
{
public:
    CActiveXMethodPP();
    ~CActiveXMethodPP() override;

    // The page the objects come from; NULL ends the sheet as cancelled.
    CBrowser* m_pPage;
    // The object whose script holds the action: its variables are offered.
    CElement* m_pTarget;
    CStr m_strMethod;
    CStr m_strControlId;
    CStr m_strRetVariable;
    int m_numParameters;
    VARTYPE m_returnType;
    // The action's argument bindings; replaced only when a method was chosen
    // (m_bParametersChosen).
    std::vector<CActiveXMethodParameter> m_parameters;
    BOOL m_bParametersChosen;

    // The argument and return pages now in the sheet, in order.
    int GetArgumentPageCount() const { return (int)m_currentPages.size(); }
    CPropertyPage* GetArgumentPage(int index) const;

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    BOOL OnWizardFinish() override;
    void OnObjectChange();
    void OnMethodChange();
    LRESULT OnBuildPages(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CActiveXElement* GetSelectedElement() const;
    const CMethodRecord* GetSelectedMethod() const;
    void FillMethodList();
    void SelectStoredMethod();
    void ChooseMethod(BOOL keepBindings);
    void RebuildArgumentPages();
    void Gather();

    CMethodRecord m_chosen;   // a copy: other actions of the control keep theirs
    BOOL m_bMethodChosen;
    BOOL m_bReady;
    std::vector<CPropertyPage*> m_currentPages;
    // Every page made, deleted with this page after the sheet has returned.
    std::vector<std::unique_ptr<CPropertyPage>> m_madePages;
};
