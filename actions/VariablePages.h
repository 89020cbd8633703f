// The pages of Create Variable and Modify Variable. Each page is filled by
// its action before the sheet runs and read back after OK.
#pragma once

#include "actions/WizPropertyPage.h"
#include "actions/records/StoredVariant.h"
#include "model/Browser.h"
#include "model/ScriptableObject.h"

class CSetVariableCfg : public CPropertyPage
{
public:
    CSetVariableCfg();

    CBrowser* m_pPage;                  // whose variables are offered
    CScriptableObject* m_pObject;       // owns the script; the object combo changes it
    CStr m_strOwner;
    long m_scope;                       // 0 global, 1 local
    CStr m_strVarName;                  // empty: a new variable
    CStoredVariant m_value;
    CStr m_strValueText;

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnScopeChange();
    void OnObjectChange();
    void OnNameChange();
    DECLARE_MESSAGE_MAP()

private:
    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void ListNames();
};

// Modify Variable by a constant.
class CModifyVariableConstCfg : public CPropertyPage
{
public:
    CModifyVariableConstCfg();

    CBrowser* m_pPage;
    CStr m_strOwnerId;
    CStr m_strMainOp;
    CStr m_strTargetVar;
    CStoredVariant m_value;
    BOOL m_bApplied;

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnTargetChange();
    DECLARE_MESSAGE_MAP()
};

// Modify Variable by another variable.
class CModifyVariableVarCfg : public CPropertyPage
{
public:
    CModifyVariableVarCfg();

    CBrowser* m_pPage;
    CStr m_strOwnerId;
    CStr m_strMainOp;
    CStr m_strTargetVar;
    CStr m_strSrcVar;
    BOOL m_bApplied;

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnVariableChange();
    DECLARE_MESSAGE_MAP()
};

// The five operations in their table order.
int GetModifyOperationCount();
UINT GetModifyOperationStringId(int index);
