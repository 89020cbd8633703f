// The pages of Internal Command and Post Message.
#pragma once

#include "actions/ActionPageSupport.h"
#include "actions/WizPropertyPage.h"
#include "actions/records/WindowScriptRecords.h"

// The player's commands, in list order, and the parameter (for "ChangePage"
// the page to show).
class CInternalCommandCfg : public CWizPropertyPage
{
public:
    CInternalCommandCfg();

    CInternalCommandRecord m_record;    // the command empty when none is selected

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

    CPostMessageRecord m_record;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
