// The pages of Internal Command and Post Message.
#pragma once

#include "actions/ActionEditSheet.h"

// The player's commands, in list order, and the parameter (for "ChangePage"
// the page to show).
class CInternalCommandCfg : public CWizPropertyPage
{
public:
    CInternalCommandCfg();

    CStr m_strCommand;      // empty when none is selected
    CStr m_strParameters;

    static int GetCommandCount();
    static const char* GetCommandText(int row);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCommandDoubleClick();
    DECLARE_MESSAGE_MAP()
};

class CPostMessagePP : public CPropertyPage
{
public:
    CPostMessagePP();

    CStr m_strWindowClass;  // empty: a broadcast
    int m_message;
    int m_wparam;
    long m_lparam;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
