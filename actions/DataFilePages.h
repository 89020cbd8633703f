// The pages of Save To Datafile and Read From Datafile: the data file, its
// key and the variable (Save To Datafile also a constant).
#pragma once

#include "actions/ActionPageSupport.h"
#include "actions/WizPropertyPage.h"
#include "actions/records/DataFileActionRecords.h"

class CDataFilePage : public CPropertyPage
{
public:
    CElement* m_pOwnerObject;   // owns the script; without one the sheet closes
    CStr m_strPageId;           // names a new action's file in the temporary folder
    BOOL m_bNew;

    // Where Browse starts for the file text.
    static CActionBrowseRequest MakeBrowseRequest(const CStr& text);

protected:
    explicit CDataFilePage(UINT templateId);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnBrowse();
    HWND VariableCombo() const;
    // The fields in the page's record; the variable empty when none is
    // selected.
    virtual CStr& Path() = 0;
    virtual CStr& Key() = 0;
    virtual CStr& Variable() = 0;

    BOOL m_bInitialising;
    int m_pathLimit;

    DECLARE_MESSAGE_MAP()
};

class CSaveToFilePP : public CDataFilePage
{
public:
    CSaveToFilePP();
    CSaveToFileRecord m_record;     // value: the constant saved when no variable is chosen

protected:
    CStr& Path() override { return m_record.path; }
    CStr& Key() override { return m_record.key; }
    CStr& Variable() override { return m_record.variable; }
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnConstantChange();
    DECLARE_MESSAGE_MAP()
};

class CReadFromFilePP : public CDataFilePage
{
public:
    CReadFromFilePP();
    CReadFromFileRecord m_record;

protected:
    CStr& Path() override { return m_record.path; }
    CStr& Key() override { return m_record.key; }
    CStr& Variable() override { return m_record.variable; }
};
