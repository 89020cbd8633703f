// Internal Command, Post Message and Execute Global Script.
#pragma once

#include "model/ScriptItem.h"
#include "actions/records/WindowScriptRecords.h"

class CInternalCommandAction : public CScriptItem
{
public:
    CInternalCommandAction(const char* sectionName = NULL, CElement* parent = NULL);
    CInternalCommandAction(const CInternalCommandAction& other);
    ~CInternalCommandAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return TRUE; }

    CInternalCommandRecord m_record;
};

class CPostMessageAction : public CScriptItem
{
public:
    CPostMessageAction(const char* sectionName = NULL, CElement* parent = NULL);
    CPostMessageAction(const CPostMessageAction& other);
    ~CPostMessageAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return m_record.message > 0; }

    CPostMessageRecord m_record;
};

// Only read from files, copied and written back: no row of the action-type
// table makes one, and its edit is the base one.
class CExecuteGlobalScriptAction : public CScriptItem
{
public:
    CExecuteGlobalScriptAction(const char* sectionName = NULL, CElement* parent = NULL);
    CExecuteGlobalScriptAction(const CExecuteGlobalScriptAction& other);
    ~CExecuteGlobalScriptAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL IsComplete() const { return FALSE; }

    CExecuteGlobalScriptRecord m_record;
};
