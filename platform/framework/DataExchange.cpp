#include "platform/framework/DataExchange.h"

#include "platform/framework/DialogControls.h"
#include "platform/framework/WinApp.h"
#include "platform/framework/Wnd.h"

#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

namespace
{
const char kIntegerText[] = "Please enter an integer.";
const char kNumberText[] = "Please enter a number.";

CStr ControlText(HWND control)
{
    int length = ::GetWindowTextLengthA(control);
    std::vector<char> buffer(length + 2, 0);
    ::GetWindowTextA(control, buffer.data(), length + 2);
    return CStr(buffer.data());
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A whole number that fills the text (blanks around it allowed).
bool ParseWhole(const char* text, bool isSigned, long long lo, long long hi, long long* out)
{
    while (IsBlank(*text))
        ++text;
    if (*text == 0)
        return false;
    if (!isSigned && *text == '-')
        return false;
    char* end = NULL;
    errno = 0;
    long long v = strtoll(text, &end, 10);
    if (end == text || errno == ERANGE)
        return false;
    while (IsBlank(*end))
        ++end;
    if (*end != 0 || v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

bool ParseReal(const char* text, double* out)
{
    while (IsBlank(*text))
        ++text;
    if (*text == 0)
        return false;
    char* end = NULL;
    errno = 0;
    double v = strtod(text, &end);
    if (end == text || errno == ERANGE)
        return false;
    while (IsBlank(*end))
        ++end;
    if (*end != 0)
        return false;
    *out = v;
    return true;
}

template <class T> void ExchangeWhole(CDataExchange* pDX, int id, T& value, bool isSigned, long long lo, long long hi)
{
    HWND control = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate)
    {
        long long v = 0;
        if (!ParseWhole(ControlText(control), isSigned, lo, hi, &v))
        {
            AfxReportDataExchangeMessage(pDX->m_hDlg, kIntegerText);
            pDX->Fail();
        }
        value = (T)v;
    }
    else
    {
        char text[32];
        if (isSigned)
            snprintf(text, sizeof text, "%lld", (long long)value);
        else
            snprintf(text, sizeof text, "%llu", (unsigned long long)value);
        AfxSetWindowText(control, text);
    }
}

template <class T> void ExchangeReal(CDataExchange* pDX, int id, T& value, int digits)
{
    HWND control = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate)
    {
        double v = 0;
        if (!ParseReal(ControlText(control), &v))
        {
            AfxReportDataExchangeMessage(pDX->m_hDlg, kNumberText);
            pDX->Fail();
        }
        value = (T)v;
    }
    else
    {
        char text[64];
        snprintf(text, sizeof text, "%.*g", digits, (double)value);
        AfxSetWindowText(control, text);
    }
}

void FailRange(CDataExchange* pDX, const char* text)
{
    AfxReportDataExchangeMessage(pDX->m_hDlg, text);
    pDX->Fail();
}

template <class T> void CheckWholeRange(CDataExchange* pDX, T value, T lo, T hi, bool isSigned)
{
    if (!pDX->m_bSaveAndValidate || (value >= lo && value <= hi))
        return;
    char text[128];
    if (isSigned)
        snprintf(text, sizeof text, "Please enter an integer between %lld and %lld.", (long long)lo, (long long)hi);
    else
        snprintf(text, sizeof text, "Please enter an integer between %llu and %llu.", (unsigned long long)lo, (unsigned long long)hi);
    FailRange(pDX, text);
}

template <class T> void CheckRealRange(CDataExchange* pDX, T value, T lo, T hi, int digits)
{
    if (!pDX->m_bSaveAndValidate || (value >= lo && value <= hi))
        return;
    char text[160];
    snprintf(text, sizeof text, "Please enter a number between %.*g and %.*g.", digits, (double)lo, digits, (double)hi);
    FailRange(pDX, text);
}

bool IsComboWithEdit(HWND combo)
{
    return (::GetWindowLongA(combo, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
}

bool IsRadioButton(HWND control)
{
    if (control == NULL || (::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0)
        return false;
    return true;
}

}

void AfxSetWindowText(HWND control, const char* text)
{
    // Rewriting an unchanged edit would move its caret to the start in the
    // middle of the author's typing.
    if (ControlText(control).Equals(CStr(text ? text : "")))
        return;
    ::SetWindowTextA(control, text);
}

void AfxReportDataExchangeMessage(HWND, const char* text)
{
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_pDlgWnd(dialog), m_hDlg(dialog != NULL ? dialog->m_hWnd : NULL), m_bSaveAndValidate(saveAndValidate), m_hWndLastControl(NULL), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    m_hWndLastControl = ::GetDlgItem(m_hDlg, id);
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != NULL)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw CDataExchangeFailure();
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd != NULL)
        return;
    HWND child = pDX->PrepareCtrl(id);
    if (child != NULL)
        control.SubclassWindow(child);
}

void DDX_Text(CDataExchange* pDX, int id, CStr& value)
{
    HWND control = pDX->PrepareEditCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(control);
    else
        AfxSetWindowText(control, value);
}

void DDX_Text(CDataExchange* pDX, int id, int& value) { ExchangeWhole(pDX, id, value, true, INT_MIN, INT_MAX); }
void DDX_Text(CDataExchange* pDX, int id, UINT& value) { ExchangeWhole(pDX, id, value, false, 0, UINT_MAX); }
void DDX_Text(CDataExchange* pDX, int id, long& value) { ExchangeWhole(pDX, id, value, true, LONG_MIN, LONG_MAX); }
void DDX_Text(CDataExchange* pDX, int id, DWORD& value) { ExchangeWhole(pDX, id, value, false, 0, 0xFFFFFFFFu); }
void DDX_Text(CDataExchange* pDX, int id, short& value) { ExchangeWhole(pDX, id, value, true, SHRT_MIN, SHRT_MAX); }
void DDX_Text(CDataExchange* pDX, int id, BYTE& value) { ExchangeWhole(pDX, id, value, false, 0, 255); }
void DDX_Text(CDataExchange* pDX, int id, float& value) { ExchangeReal(pDX, id, value, 6); }
void DDX_Text(CDataExchange* pDX, int id, double& value) { ExchangeReal(pDX, id, value, 15); }

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(control, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(control, BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    HWND control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    if (!IsRadioButton(control))
        return;
    int index = 0;
    // The group runs from the first button to the next control that starts
    // a group of its own. Other controls inside it (an edit under its
    // button) are no buttons of it: stopping there would answer -1 for
    // every later button.
    for (HWND button = control; button != NULL;)
    {
        if (IsRadioButton(button))
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = index;
            }
            else
            {
                ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        button = ::GetWindow(button, GW_HWNDNEXT);
        if (button != NULL && (::GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void DDX_CBString(CDataExchange* pDX, int id, CStr& value)
{
    HWND combo = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
    {
        if (IsComboWithEdit(combo))
            value = ControlText(combo);
        else
        {
            LRESULT sel = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
            value = sel == CB_ERR ? CStr() : CStr(AfxGetItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, (int)sel).c_str());
        }
    }
    else
    {
        LRESULT found = ::SendMessageA(combo, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)value.c_str());
        if (found == CB_ERR && IsComboWithEdit(combo))
            ::SetWindowTextA(combo, value);
    }
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index)
{
    HWND combo = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(combo, CB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_LBString(CDataExchange* pDX, int id, CStr& value)
{
    HWND list = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
    {
        LRESULT sel = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
        value = sel == LB_ERR ? CStr() : CStr(AfxGetItemText(list, LB_GETTEXTLEN, LB_GETTEXT, (int)sel).c_str());
    }
    else if (::SendMessageA(list, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)value.c_str()) == LB_ERR)
    {
        ::SendMessageA(list, LB_SETCURSEL, (WPARAM)-1, 0);
    }
}

void DDX_LBIndex(CDataExchange* pDX, int id, int& index)
{
    HWND list = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(list, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(list, LB_SETCURSEL, (WPARAM)index, 0);
}

void DDV_MaxChars(CDataExchange* pDX, const CStr& value, int count)
{
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() > count)
        {
            char text[96];
            snprintf(text, sizeof text, "Enter no more than %d characters.", count);
            FailRange(pDX, text);
        }
        return;
    }
    HWND control = pDX->m_hWndLastControl;
    if (control == NULL)
        return;
    char cls[16] = "";
    ::GetClassNameA(control, cls, sizeof cls);
    UINT limit = lstrcmpiA(cls, "ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
    ::SendMessageA(control, limit, (WPARAM)count, 0);
}

void DDV_MinMaxInt(CDataExchange* pDX, int v, int lo, int hi) { CheckWholeRange(pDX, v, lo, hi, true); }
void DDV_MinMaxUInt(CDataExchange* pDX, UINT v, UINT lo, UINT hi) { CheckWholeRange(pDX, v, lo, hi, false); }
void DDV_MinMaxLong(CDataExchange* pDX, long v, long lo, long hi) { CheckWholeRange(pDX, v, lo, hi, true); }
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD v, DWORD lo, DWORD hi) { CheckWholeRange(pDX, v, lo, hi, false); }
void DDV_MinMaxShort(CDataExchange* pDX, short v, short lo, short hi) { CheckWholeRange(pDX, v, lo, hi, true); }
void DDV_MinMaxByte(CDataExchange* pDX, BYTE v, BYTE lo, BYTE hi) { CheckWholeRange(pDX, v, lo, hi, false); }
void DDV_MinMaxFloat(CDataExchange* pDX, float v, float lo, float hi) { CheckRealRange(pDX, v, lo, hi, 6); }
void DDV_MinMaxDouble(CDataExchange* pDX, double v, double lo, double hi) { CheckRealRange(pDX, v, lo, hi, 15); }
