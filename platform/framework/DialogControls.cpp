#include "platform/framework/DialogControls.h"

#include <vector>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

namespace
{
// An item's text by its length message and text message; empty for a bad
// index.
std::string ItemText(const CWnd* control, UINT lengthMsg, UINT textMsg, int index)
{
    LRESULT length = control->SendMessage(lengthMsg, index);
    if (length < 0)
        return std::string();
    std::vector<char> buffer(length + 1, 0);
    control->SendMessage(textMsg, index, (LPARAM)buffer.data());
    buffer[length] = 0;
    return std::string(buffer.data());
}
}

std::string CComboBox::GetLBText(int index) const
{
    return ItemText(this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

std::string CListBox::GetText(int index) const
{
    return ItemText(this, LB_GETTEXTLEN, LB_GETTEXT, index);
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
