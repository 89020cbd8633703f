// Get Property, Set Property and Execute Global Script at run time: the
// properties of page objects read and written by name, and the current
// page's scripts run by name.
#pragma once

#include "actions/records/PropertyRecords.h"
#include "player/runtime/ScriptItem.h"
#include "actions/records/WindowScriptRecords.h"

namespace Tarvex {

class CGetPropertyAction : public CScriptItem
{
public:
    CGetPropertyAction(const char* typeName, const char* section, CElement* parent);

    // The variable is found or created in its scope, then the object's
    // property is read into it as it stands. ResultPropertyFailed only when
    // the object knows no such property.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CGetPropertyRecord m_record;
};

class CSetPropertyAction : public CScriptItem
{
public:
    CSetPropertyAction(const char* typeName, const char* section, CElement* parent);

    // Puts the assignments in order; a variable's value that cannot be
    // brought to the assignment's type ends the action with
    // ResultPropertyFailed.
    int Execute() override;

    const CSetPropertyRecord& GetRecord() const { return m_record; }

protected:
    // "controlId" and "multi" as a flag: numbered sections only when it is true.
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CSetPropertyRecord m_record;
};

class CExecuteGlobalScriptAction : public CScriptItem
{
public:
    CExecuteGlobalScriptAction(const char* typeName, const char* section, CElement* parent);

    // The current page's script of that exact name; ResultObjectMissing
    // without a page.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CExecuteGlobalScriptRecord m_record;
};

} // namespace Tarvex
