// The pages of Read a Cookie and Write a Cookie: the URL, the cookie's name
// typed or taken from a variable, and the data variable (Write a Cookie
// also the days until the cookie expires).
#pragma once

#include "actions/ActionEditSheet.h"

class CCookiePage : public CPropertyPage
{
public:
    CElement* m_pOwnerObject;   // owns the script; its variables are offered
    CStr m_strURL;
    CStr m_strCookieName;
    CStr m_strCookieVar;        // empty when none is selected
    CStr m_strDataVar;

protected:
    explicit CCookiePage(UINT templateId);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnNameChange();
    void OnNameVariableChange();
    HWND Combo(int id) const { return ::GetDlgItem(m_hWnd, id); }

    BOOL m_bInitialising;

    DECLARE_MESSAGE_MAP()
};

class CGetCookiePP : public CCookiePage
{
public:
    CGetCookiePP();
};

class CSetCookiePP : public CCookiePage
{
public:
    CSetCookiePP();
    int m_days;                 // 0 to 365

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
