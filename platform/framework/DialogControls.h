// The control wrappers of dialogs: forwards to the messages of the same
// names. Strings come back as std::string.
#pragma once

#include "platform/framework/Wnd.h"

#include <string>

// The text of a list or combo item by the control's length and text
// messages; empty for a bad index.
std::string AfxGetItemText(HWND control, UINT lengthMsg, UINT textMsg, int index);

class CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF)
    {
        return CWnd::Create("STATIC", text, style, rect, parent, id);
    }
    HBITMAP SetBitmap(HBITMAP bitmap) { return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap); }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0); }
    HICON SetIcon(HICON icon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)icon, 0); }
    HICON GetIcon() const { return (HICON)SendMessage(STM_GETICON, 0, 0); }
};

class CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create("BUTTON", text, style, rect, parent, id);
    }
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, (WPARAM)check); }
    UINT GetState() const { return (UINT)SendMessage(BM_GETSTATE); }
    void SetState(BOOL highlight) { SendMessage(BM_SETSTATE, highlight); }
    UINT GetButtonStyle() const { return (UINT)GetStyle() & 0xFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
    HBITMAP SetBitmap(HBITMAP bitmap) { return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bitmap); }
    HICON SetIcon(HICON icon) { return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)icon); }
};

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create("EDIT", "", style, rect, parent, id);
    }
    void SetSel(int start, int end, BOOL noScroll = FALSE)
    {
        SendMessage(EM_SETSEL, start, end);
        if (!noScroll)
            SendMessage(EM_SCROLLCARET);
    }
    void GetSel(int& start, int& end) const
    {
        DWORD s = 0, e = 0;
        SendMessage(EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
        start = (int)s;
        end = (int)e;
    }
    void ReplaceSel(const char* text, BOOL canUndo = FALSE) { SendMessage(EM_REPLACESEL, canUndo, (LPARAM)text); }
    void LimitText(int count = 0) { SendMessage(EM_LIMITTEXT, count); }
    void SetLimitText(UINT count) { SendMessage(EM_SETLIMITTEXT, count); }
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    std::string GetLine(int index) const;
    BOOL SetReadOnly(BOOL readOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, readOnly); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY); }
    void SetModify(BOOL modified = TRUE) { SendMessage(EM_SETMODIFY, modified); }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO); }
    void Clear() { SendMessage(WM_CLEAR); }
    void Copy() { SendMessage(WM_COPY); }
    void Cut() { SendMessage(WM_CUT); }
    void Paste() { SendMessage(WM_PASTE); }
};

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create("COMBOBOX", "", style, rect, parent, id);
    }
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int index) { return (int)SendMessage(CB_SETCURSEL, index); }
    int AddString(const char* text) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)text); }
    int InsertString(int index, const char* text) { return (int)SendMessage(CB_INSERTSTRING, index, (LPARAM)text); }
    int DeleteString(UINT index) { return (int)SendMessage(CB_DELETESTRING, index); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetLBTextLen(int index) const { return (int)SendMessage(CB_GETLBTEXTLEN, index); }
    std::string GetLBText(int index) const;
    int FindString(int after, const char* text) const { return (int)SendMessage(CB_FINDSTRING, after, (LPARAM)text); }
    int FindStringExact(int after, const char* text) const { return (int)SendMessage(CB_FINDSTRINGEXACT, after, (LPARAM)text); }
    int SelectString(int after, const char* text) { return (int)SendMessage(CB_SELECTSTRING, after, (LPARAM)text); }
    int SetItemData(int index, DWORD_PTR data) { return (int)SendMessage(CB_SETITEMDATA, index, (LPARAM)data); }
    DWORD_PTR GetItemData(int index) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, index); }
    BOOL LimitText(int count) { return (BOOL)SendMessage(CB_LIMITTEXT, count); }
    DWORD GetEditSel() const { return (DWORD)SendMessage(CB_GETEDITSEL); }
    BOOL SetEditSel(int start, int end) { return (BOOL)SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(start, end)); }
    void ShowDropDown(BOOL show = TRUE) { SendMessage(CB_SHOWDROPDOWN, show); }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE); }
};

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create("LISTBOX", "", style, rect, parent, id);
    }
    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int index) { return (int)SendMessage(LB_SETCURSEL, index); }
    int AddString(const char* text) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)text); }
    int InsertString(int index, const char* text) { return (int)SendMessage(LB_INSERTSTRING, index, (LPARAM)text); }
    int DeleteString(UINT index) { return (int)SendMessage(LB_DELETESTRING, index); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetTextLen(int index) const { return (int)SendMessage(LB_GETTEXTLEN, index); }
    std::string GetText(int index) const;
    int FindString(int after, const char* text) const { return (int)SendMessage(LB_FINDSTRING, after, (LPARAM)text); }
    int FindStringExact(int after, const char* text) const { return (int)SendMessage(LB_FINDSTRINGEXACT, after, (LPARAM)text); }
    int SelectString(int after, const char* text) { return (int)SendMessage(LB_SELECTSTRING, after, (LPARAM)text); }
    int SetItemData(int index, DWORD_PTR data) { return (int)SendMessage(LB_SETITEMDATA, index, (LPARAM)data); }
    DWORD_PTR GetItemData(int index) const { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, index); }
    int GetSel(int index) const { return (int)SendMessage(LB_GETSEL, index); }
    int SetSel(int index, BOOL select = TRUE) { return (int)SendMessage(LB_SETSEL, select, index); }
    int GetSelCount() const { return (int)SendMessage(LB_GETSELCOUNT); }
    int GetSelItems(int max, int* items) const { return (int)SendMessage(LB_GETSELITEMS, max, (LPARAM)items); }
    int GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
    int SetTopIndex(int index) { return (int)SendMessage(LB_SETTOPINDEX, index); }
};

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
    {
        return CWnd::Create(UPDOWN_CLASSA, "", style, rect, parent, id);
    }
    void SetRange(short lower, short upper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(upper, lower)); }
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, lower, upper); }
    void GetRange32(int& lower, int& upper) const { SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper); }
    int SetPos(int pos) { return (int)SendMessage(UDM_SETPOS32, 0, pos); }
    int GetPos() const { return (int)SendMessage(UDM_GETPOS32, 0, 0); }
    CWnd* SetBuddy(CWnd* buddy) { return CWnd::FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)(buddy ? buddy->m_hWnd : NULL))); }
    CWnd* GetBuddy() const { return CWnd::FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
    int SetBase(int base) { return (int)SendMessage(UDM_SETBASE, base); }
    BOOL SetAccel(int count, UDACCEL* accel) { return (BOOL)SendMessage(UDM_SETACCEL, count, (LPARAM)accel); }
};
