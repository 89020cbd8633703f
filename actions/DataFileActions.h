// Save To Datafile and Read From Datafile. Their paths are stored against
// the temporary folder (see DataFileActionRecords.h).
#pragma once

#include "actions/records/DataFileActionRecords.h"
#include "model/ScriptItem.h"

// The "path" and "useTemDir" a file gave an action. While the action's path
// is still the one they were read as, they are written back as they were:
// the temporary-folder rule must not rewrite them (a stored ".zjf" would be
// cut, a path in another machine's folder would change its meaning).
class CStoredDataFilePath
{
public:
    CStoredDataFilePath();
    void Remember(const CDataFile& file, const char* section, const CStr& loadedPath);
    // After the record wrote its keys.
    void WriteBack(CDataFile& file, const char* section, const CStr& path) const;

private:
    BOOL m_bKnown;
    CStr m_strLoadedPath;
    CStr m_strStoredPath;
    BOOL m_bUseTemDir;
};

class CSaveToFileAction : public CScriptItem
{
public:
    CSaveToFileAction(const char* sectionName = NULL, CElement* parent = NULL);
    CSaveToFileAction(const CSaveToFileAction& other);
    ~CSaveToFileAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const 
    {
        return !m_record.key.IsEmpty() && (!m_record.variable.IsEmpty() || !m_record.value.IsEmpty());
    }

    CSaveToFileRecord m_record;
    CStoredDataFilePath m_stored;
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
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return !m_record.variable.IsEmpty() && !m_record.key.IsEmpty(); }

    CReadFromFileRecord m_record;
    CStoredDataFilePath m_stored;
};
