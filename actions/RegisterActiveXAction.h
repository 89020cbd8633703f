// Register ActiveX Control. Its server file is imported into the project at
// every save; the action keeps the author's path.
#pragma once

#include "actions/records/RegisterActiveXRecord.h"
#include "model/ScriptItem.h"

class CRegisterActiveXAction : public CScriptItem
{
public:
    CRegisterActiveXAction(const char* sectionName = NULL, CElement* parent = NULL);
    CRegisterActiveXAction(const CRegisterActiveXAction& other);
    ~CRegisterActiveXAction() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    // The page; after OK the fields are taken from it. An existing action
    // whose edit gives FALSE gets its previous fields back.
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const { return !m_record.filename.IsEmpty(); }

    CRegisterActiveXRecord m_record;
};
