// Save To Datafile and Read From Datafile. Their paths are stored against
// the temporary folder (see DataFileActionRecords.h).
#pragma once

#include "actions/records/DataFileActionRecords.h"
#include "model/ScriptItem.h"

class CSaveToFileAction : public CScriptItem
{
public:
    CSaveToFileAction(const char* sectionName = NULL, CElement* parent = NULL);
    CSaveToFileAction(const CSaveToFileAction& other);
    ~CSaveToFileAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL IsComplete() const 
    {
        return !m_record.key.IsEmpty() && (!m_record.variable.IsEmpty() || !m_record.value.IsEmpty());
    }

    CSaveToFileRecord m_record;
};

class CReadFromFileAction : public CScriptItem
{
public:
    CReadFromFileAction(const char* sectionName = NULL, CElement* parent = NULL);
    CReadFromFileAction(const CReadFromFileAction& other);
    ~CReadFromFileAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL IsComplete() const { return !m_record.variable.IsEmpty() && !m_record.key.IsEmpty(); }

    CReadFromFileRecord m_record;
};
