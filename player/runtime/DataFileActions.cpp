#include "player/runtime/DataFileActions.h"

#include "player/PlayerDataFile.h"
#include "player/runtime/VariableScopes.h"

namespace Tarvex {

namespace {

const char kValueSection[] = "QNDL Archive";

template <class Record>
void LoadVariableFileRecord(Record& record, const CDataFile& file, const char* section)
{
    CStr folder = GetTemporaryFolder();
    record.Load(file, section, folder);
    record.path = LoadVariableFilePath(file, section);
}

} // namespace

CStr LoadVariableFilePath(const CDataFile& file, const char* section)
{
    CStr path;
    // The whole temporary folder: cut to 128 characters, a long one would
    // put the file in some other folder.
    CStr folder = GetTemporaryFolder();
    LoadDataFilePath(file, section, path, folder);
    BOOL useTemDir = FALSE;
    file.GetBool(section, "useTemDir", useTemDir);
    if (useTemDir)
        path += ".zjf";
    return path;
}

CSaveToFileAction::CSaveToFileAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CSaveToFileAction::LoadAction(const CDataFile& file, const char* section)
{
    LoadVariableFileRecord(m_record, file, section);
}

int CSaveToFileAction::Execute()
{
    CDataFile values;
    LoadDataFileFromFile(values, m_record.path);
    if (!m_record.variable.IsEmpty())
    {
        if (CVariable* variable = LookupVariable(m_record.variable))
            values.SetVariant(kValueSection, m_record.key, variable->value);
    }
    else
    {
        values.SetString(kValueSection, m_record.key, m_record.value);
    }
    SaveDataFileToFile(values, m_record.path);
    return ResultGoOn;
}

CReadFromFileAction::CReadFromFileAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CReadFromFileAction::LoadAction(const CDataFile& file, const char* section)
{
    LoadVariableFileRecord(m_record, file, section);
}

int CReadFromFileAction::Execute()
{
    CDataFile values;
    LoadDataFileFromFile(values, m_record.path);
    VARIANT value;
    VariantInit(&value);
    values.GetVariant(kValueSection, m_record.key, VT_BSTR, value);
    if (CVariable* variable = LookupVariable(m_record.variable))
    {
        VARIANT converted;
        VariantInit(&converted);
        if (SUCCEEDED(ChangeVariantType(converted, value, variable->value.vt)))
            CopyVariantInto(variable->value, converted);
        else
            CopyVariantInto(variable->value, value);
        VariantClear(&converted);
    }
    VariantClear(&value);
    return ResultGoOn;
}

} // namespace Tarvex
