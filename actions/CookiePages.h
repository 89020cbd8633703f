// The pages of Read a Cookie and Write a Cookie: the URL, the cookie's name
// typed or taken from a variable, and the data variable (Write a Cookie
// also the days until the cookie expires).
#pragma once

#include "actions/ActionPageSupport.h"
#include "actions/WizPropertyPage.h"
#include "actions/records/CookieRecords.h"

class CCookiePage : public CPropertyPage
{
public:
    CElement* m_pOwnerObject;   // owns the script; its variables are offered

protected:
    explicit CCookiePage(UINT templateId);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnNameChange();
    void OnNameVariableChange();
    HWND Combo(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // The fields in the page's record; the variables empty when none is
    // selected.
    virtual CStr& Url() = 0;
    virtual CStr& CookieName() = 0;
    virtual CStr& CookieVar() = 0;
    virtual CStr& DataVar() = 0;

    BOOL m_bInitialising;

    DECLARE_MESSAGE_MAP()
};

class CGetCookiePP : public CCookiePage
{
public:
    CGetCookiePP();
    CGetCookieRecord m_record;

protected:
    CStr& Url() override { return m_record.url; }
    CStr& CookieName() override { return m_record.cookieName; }
    CStr& CookieVar() override { return m_record.cookieVar; }
    CStr& DataVar() override { return m_record.dataVar; }
};

class CSetCookiePP : public CCookiePage
{
public:
    CSetCookiePP();
    CSetCookieRecord m_record;  // days: 0 to 365 on the page

protected:
    CStr& Url() override { return m_record.url; }
    CStr& CookieName() override { return m_record.cookie; }
    CStr& CookieVar() override { return m_record.cookieVar; }
    CStr& DataVar() override { return m_record.dataVar; }
    void DoDataExchange(CDataExchange* pDX) override;
};
