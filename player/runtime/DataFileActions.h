// Save To File and Read From File at run time: variable data files whose
// values live in the section "QNDL Archive".
#pragma once

#include "actions/records/DataFileActionRecords.h"
#include "player/runtime/ScriptItem.h"

namespace Tarvex {

// The path of a data-file action: with "useTemDir" the temporary folder,
// the stored path and ".zjf", or empty when the stored path would lead out
// of that folder; else the stored path.
CStr LoadVariableFilePath(const CDataFile& file, const char* section);

class CSaveToFileAction : public CScriptItem
{
public:
    CSaveToFileAction(const char* typeName, const char* section, CElement* parent);

    // Loads the file (empty when missing), writes the variable's value or
    // the constant under "key", saves the file; ResultGoOn.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CSaveToFileRecord m_record;
};

class CReadFromFileAction : public CScriptItem
{
public:
    CReadFromFileAction(const char* typeName, const char* section, CElement* parent);

    // "key" as text, converted to the variable's type when it can be, into
    // the variable when it exists; ResultGoOn.
    int Execute() override;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CReadFromFileRecord m_record;
};

} // namespace Tarvex
