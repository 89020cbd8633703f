// The pages of Save To Datafile and Read From Datafile: the data file, its
// key and the variable (Save To Datafile also a constant).
#pragma once

#include "actions/ActionEditSheet.h"

class CDataFilePage : public CPropertyPage
{
public:
    CElement* m_pOwnerObject;   // owns the script; without one the sheet closes
    CStr m_strPageId;           // names a new action's file in the temporary folder
    BOOL m_bNew;
    CStr m_strPath;
    CStr m_strKey;
    CStr m_strVariable;         // empty when none is selected

    // Where Browse starts for the file text.
    static CActionBrowseRequest MakeBrowseRequest(const CStr& text);

protected:
    explicit CDataFilePage(UINT templateId);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    HWND VariableCombo() const;

    BOOL m_bInitialising;
    int m_pathLimit;

    DECLARE_MESSAGE_MAP()
};

class CSaveToFilePP : public CDataFilePage
{
public:
    CSaveToFilePP();
    CStr m_strValue;            // the constant saved when no variable is chosen

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnConstantChange();
    DECLARE_MESSAGE_MAP()
};

class CReadFromFilePP : public CDataFilePage
{
public:
    CReadFromFilePP();
};
