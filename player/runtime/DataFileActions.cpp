#include "player/runtime/DataFileActions.h"

#include "player/PlayerDataFile.h"
#include "player/runtime/VariableScopes.h"

#include <string.h>

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

// A path that stays inside the folder it is joined to: no drive or stream
// (':'), no leading separator, no component of dots alone ("..", and forms
// that Windows trims to it).
BOOL StaysInsideFolder(const char* path)
{
    if (*path == '\\' || *path == '/' || strchr(path, ':'))
        return FALSE;
    const char* component = path;
    for (const char* p = path;; ++p)
    {
        if (*p != '\\' && *p != '/' && *p != '\0')
            continue;
        BOOL dots = FALSE;
        BOOL other = FALSE;
        for (const char* c = component; c < p; ++c)
        {
            if (*c == '.')
                dots = TRUE;
            else if (*c != ' ')
                other = TRUE;
        }
        if (dots && !other)
            return FALSE;
        if (*p == '\0')
            return TRUE;
        component = p + 1;
    }
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
    if (!useTemDir)
        return path;
    CStr stored;
    file.GetString(section, "path", stored);
    // A temporary-folder file is written there and nowhere else.
    if (folder.IsEmpty() || !StaysInsideFolder(stored))
        return CStr();
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
    // A path refused as outside its folder is a write that cannot be done.
    if (m_record.path.IsEmpty())
        return ResultGoOn;
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
