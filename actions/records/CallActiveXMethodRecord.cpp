#include "actions/records/CallActiveXMethodRecord.h"
#include "model/store/PageFormat.h"

CCallParameterRecord::CCallParameterRecord()
    : type(VT_EMPTY), optional(0), placeholder(FALSE), sectionFound(FALSE)
{
}

BOOL CCallParameterRecord::Save(CDataFile& file, const char* paramSection) const
{
    if (!paramSection)
        return FALSE;
    if (placeholder)
    {
        if (sectionFound)
            WriteSectionKeys(file, paramSection, storedKeys);
        return TRUE;
    }
    file.SetString(paramSection, "varName", varName);
    file.SetString(paramSection, "constValue", constValue);
    file.SetInt(paramSection, "valueType", type);
    return TRUE;
}

BOOL CCallParameterRecord::Load(const CDataFile& file, const char* paramSection)
{
    *this = CCallParameterRecord();
    int valueType = 0;
    if (!file.GetInt(paramSection, "valueType", valueType))
    {
        // Dropped, it would shift every later argument into its place at the next save.
        placeholder = TRUE;
        sectionFound = ReadSectionKeys(file, paramSection, storedKeys);
        return FALSE;
    }
    type = (VARTYPE)valueType;
    file.GetString(paramSection, "varName", varName);
    file.GetString(paramSection, "constValue", constValue);
    return TRUE;
}

CCallActiveXMethodRecord::CCallActiveXMethodRecord()
    : numParameters(0), returnType(VT_VOID)
{
}

CStr CCallActiveXMethodRecord::ParameterSection(const char* section, int index)
{
    return ParameterSectionName(section, index);
}

BOOL CCallActiveXMethodRecord::Save(CDataFile& file, const char* section, const char* controlId) const
{
    if (!section)
        return FALSE;
    file.SetString(section, "controlId", controlId ? controlId : "");
    file.SetString(section, "method", method);
    file.SetVarType(section, "returnType", returnType);
    if (returnType != VT_VOID)
        file.SetString(section, "retVariable", retVariable);
    file.SetInt(section, "numParameters", numParameters);
    for (size_t i = 0; i < parameters.size(); i++)
        parameters[i].Save(file, ParameterSection(section, (int)i));
    return TRUE;
}

BOOL CCallActiveXMethodRecord::Load(const CDataFile& file, const char* section, CStr& controlId)
{
    file.GetString(section, "controlId", controlId);
    file.GetString(section, "method", method);
    file.GetVarType(section, "returnType", returnType);
    file.GetString(section, "retVariable", retVariable);
    file.GetInt(section, "numParameters", numParameters);
    parameters.clear();
    // Every parameter has a section of its own, so a count beyond the file's
    // sections is corrupt and would otherwise allocate without end.
    int count = ClampStoredCount(numParameters, file);
    for (int i = 0; i < count; i++)
    {
        CCallParameterRecord parameter;
        parameter.Load(file, ParameterSection(section, i));
        parameters.push_back(parameter);
    }
    return TRUE;
}
