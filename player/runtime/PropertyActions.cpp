#include "player/runtime/PropertyActions.h"

#include "player/runtime/Browser.h"
#include "player/runtime/BrowserDocument.h"
#include "player/runtime/IdManager.h"
#include "player/runtime/ScriptableObject.h"
#include "player/runtime/VariableScopes.h"

namespace Tarvex {

namespace {

CScriptableObject* FindScriptableObject(const char* id)
{
    return dynamic_cast<CScriptableObject*>(CIdManager::Get().FindById(id));
}

// The value one assignment puts; FALSE when its variable's value cannot be
// brought to the assignment's type or its substituted text is too long.
BOOL ChooseAssignmentValue(const CPropertyRecord& assignment, VARIANT& out)
{
    CVariable* variable = assignment.m_strVariableName.IsEmpty() ? NULL : LookupVariable(assignment.m_strVariableName);
    if (variable)
    {
        const VARIANT& value = variable->value;
        if (value.vt != assignment.m_vt)
        {
            if (SUCCEEDED(ChangeVariantType(out, value, assignment.m_vt)))
                return TRUE;
            VARIANT text;
            VariantInit(&text);
            HRESULT hr = ChangeVariantType(text, value, VT_BSTR);
            if (SUCCEEDED(hr))
                hr = ChangeVariantType(out, text, assignment.m_vt);
            VariantClear(&text);
            return SUCCEEDED(hr);
        }
        return CopyVariantSubstituted(out, value);
    }
    return CopyVariantSubstituted(out, assignment.m_value);
}

} // namespace

// ---------------------------------------------------------------------------
// CGetPropertyAction

CGetPropertyAction::CGetPropertyAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CGetPropertyAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section, m_strControlId);
}

int CGetPropertyAction::Execute()
{
    CVariable* variable = NULL;
    int result = FindOrCreateScopedVariable(m_record.scope, m_record.variableName, variable);
    if (result != ResultGoOn)
        return result;
    CScriptableObject* object = FindScriptableObject(m_strControlId);
    if (!object)
        return ResultObjectMissing;
    int access = object->AccessProperty(m_record.property, &variable->value, FALSE);
    if (access == PropertyUnknownName || access == PropertyNotHandled)
        return ResultPropertyFailed;
    return ResultGoOn;
}

// ---------------------------------------------------------------------------
// CSetPropertyAction

CSetPropertyAction::CSetPropertyAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CSetPropertyAction::LoadAction(const CDataFile& file, const char* section)
{
    file.GetString(section, "controlId", m_strControlId);
    m_record.multi = FALSE;
    file.GetBool(section, "multi", m_record.multi);
    m_record.LoadAssignments(file, section, m_record.multi);
}

int CSetPropertyAction::Execute()
{
    CScriptableObject* object = FindScriptableObject(m_strControlId);
    if (!object)
        return ResultObjectMissing;
    for (const CPropertyRecord& assignment : m_record.assignments)
    {
        VARIANT value;
        VariantInit(&value);
        if (!ChooseAssignmentValue(assignment, value))
        {
            VariantClear(&value);
            return ResultPropertyFailed;
        }
        object->AccessProperty(assignment.m_strName, &value, TRUE);
        VariantClear(&value);
    }
    return ResultGoOn;
}

// ---------------------------------------------------------------------------
// CExecuteGlobalScriptAction

CExecuteGlobalScriptAction::CExecuteGlobalScriptAction(const char* typeName, const char* section,
                                                       CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CExecuteGlobalScriptAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section);
}

int CExecuteGlobalScriptAction::Execute()
{
    CBrowserDocument* document = CBrowserDocument::GetCurrent();
    CBrowser* page = document ? document->GetCurrentPage() : NULL;
    if (!page)
        return ResultObjectMissing;
    page->RunScript(m_record.scriptName);
    return ResultGoOn;
}

} // namespace Tarvex
