// CKeptScriptItem: an action whose stored type this editor does not know
// (one only the player runs, or one of a newer version), held as the lines
// of its section and written back unchanged under its current section name,
// so that saving never loses an author's action. It is named by its stored
// type and moves among actions as any other action does; it has no sheet.
#pragma once

#include "model/ScriptItem.h"

#include <vector>

class CKeptScriptItem : public CScriptItem
{
public:
    explicit CKeptScriptItem(const char* typeName, const char* sectionName = NULL, CElement* parent = NULL);
    CKeptScriptItem(const CKeptScriptItem& other);
    ~CKeptScriptItem() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;

    CStr m_strTypeName;
    std::vector<CStr> m_lines;   // the section's key lines, in stored order

private:
    CKeptScriptItem& operator=(const CKeptScriptItem&);
};
