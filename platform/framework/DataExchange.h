// Dialog data exchange: DDX_ functions move a value between a member and a
// control (direction set by m_bSaveAndValidate), DDV_ functions check the
// member after it was written. A failure shows the framework's message,
// puts the focus on the control and ends the exchange (UpdateData answers
// FALSE).
#pragma once

#include <windows.h>
#include "model/common/Str.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    // The control, remembered as the one a failure focuses.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Focuses the last prepared control (its text selected when it is an
    // edit) and ends the exchange.
    [[noreturn]] void Fail();

    CWnd* m_pDlgWnd;
    HWND m_hDlg;
    BOOL m_bSaveAndValidate;
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;
};

// Thrown by CDataExchange::Fail and caught by the exchange's runner.
struct CDataExchangeFailure {};

// Runs the exchange function: FALSE when it failed.
template <class F> BOOL RunDataExchange(CDataExchange& dx, F&& exchange)
{
    try { exchange(&dx); }
    catch (const CDataExchangeFailure&) { return FALSE; }
    return TRUE;
}

// Sets the window's text only when it differs from what it shows, so that an
// edit showing the value keeps its caret and raises no change notification.
void AfxSetWindowText(HWND window, const char* text);

// Shows a data-exchange message through the message reporter.
void AfxReportDataExchangeMessage(HWND owner, const char* text);

// Binds the object to the control (subclassing it) the first time.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CStr& value);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, UINT& value);
void DDX_Text(CDataExchange* pDX, int id, long& value);
void DDX_Text(CDataExchange* pDX, int id, DWORD& value);
void DDX_Text(CDataExchange* pDX, int id, short& value);
void DDX_Text(CDataExchange* pDX, int id, BYTE& value);
void DDX_Text(CDataExchange* pDX, int id, float& value);
void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
// id is the first button of a group; value is the checked one's index, -1
// for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
void DDX_CBString(CDataExchange* pDX, int id, CStr& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_LBString(CDataExchange* pDX, int id, CStr& value);
void DDX_LBIndex(CDataExchange* pDX, int id, int& index);

void DDV_MaxChars(CDataExchange* pDX, const CStr& value, int count);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, float value, float minVal, float maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double minVal, double maxVal);
