#include "platform/framework/DialogControls.h"

#include <vector>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

std::string AfxGetItemText(HWND control, UINT lengthMsg, UINT textMsg, int index)
{
    LRESULT length = ::SendMessageA(control, lengthMsg, index, 0);
    if (length < 0)
        return std::string();
    std::vector<char> buffer(length + 1, 0);
    ::SendMessageA(control, textMsg, index, (LPARAM)buffer.data());
    buffer[length] = 0;
    return std::string(buffer.data());
}

std::string CComboBox::GetLBText(int index) const
{
    return AfxGetItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::string CListBox::GetText(int index) const
{
    return AfxGetItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, index);
}

std::string CEdit::GetLine(int index) const
{
    int length = (int)SendMessage(EM_LINELENGTH, SendMessage(EM_LINEINDEX, index));
    // EM_GETLINE reads the buffer size from its first word.
    std::vector<char> buffer(length + sizeof(WORD) + 1, 0);
    *reinterpret_cast<WORD*>(buffer.data()) = (WORD)(length + 1);
    int got = (int)SendMessage(EM_GETLINE, index, (LPARAM)buffer.data());
    return std::string(buffer.data(), got > 0 ? got : 0);
}
