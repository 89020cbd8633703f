// The pages of Set Property (the object page, and the generic page of the
// Advanced editing) and of Get Property.
#pragma once

#include "model/Browser.h"
#include "model/ScriptableObject.h"
#include "model/store/PropertyRecord.h"
#include "platform/framework/Afx.h"
#include "platform/framework/PropertySheet.h"

// Which object a new Set Property changes, and whether through the generic
// page. Ends with OK only with a scriptable object chosen.
class CSetPropertyNewPP : public CPropertyPage
{
public:
    CSetPropertyNewPP();

    CBrowser* m_pPage;
    BOOL m_bAdvanced;
    CScriptableObject* m_pObject;   // chosen; NULL when none

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnObjectChange();
    void OnChangeProperties();
    DECLARE_MESSAGE_MAP()

private:
    CScriptableObject* SelectedObject() const;
};

// The generic page: one property at a time is set from a constant or a
// variable; Apply keeps the page open for the next one.
class CSetPropertyCfg : public CPropertyPage
{
public:
    CSetPropertyCfg();

    CBrowser* m_pPage;
    CScriptableObject* m_pOwner;    // the object whose script holds the action
    CStr m_strTarget;
    CPropertyRecordList m_list;

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnObjectChange();
    void OnPropertyChange();
    void OnVariableChange();
    void OnValueChange();
    DECLARE_MESSAGE_MAP()

private:
    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void ApplyObjectRule();
    void ApplyPropertyRule();
    void ShowVariableType();
};

class CGetPropertyCfg : public CPropertyPage
{
public:
    CGetPropertyCfg();

    CBrowser* m_pPage;
    CScriptableObject* m_pOwner;
    CStr m_strTarget;
    CStr m_strProperty;
    CStr m_strVariableName;
    long m_scope;                   // 0 global, 1 local

protected:
    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    void OnObjectChange();
    void OnPropertyChange();
    void OnScopeChange();
    void OnVariableChange();
    DECLARE_MESSAGE_MAP()

private:
    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void ApplyObjectRule();
    void ApplyPropertyRule();
    void ApplyScopeRule();
    void ShowPlaceholder(const char* text);

    CPropertyRecordList m_list;
    BOOL m_bPlaceholder;
};

// The texts a variable combo shows when it has nothing to offer.
extern const char kFirstCreateAVariable[];
extern const char kNoVariablesInScope[];
