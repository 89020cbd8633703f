#include "player/runtime/CallActiveXMethodAction.h"

#include "player/runtime/ActiveXElement.h"
#include "player/runtime/IdManager.h"
#include "player/runtime/VariableScopes.h"

#include <vector>

namespace Tarvex {

CCallActiveXMethodAction::CCallActiveXMethodAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CCallActiveXMethodAction::LoadAction(const CDataFile& file, const char* section)
{
    m_record.Load(file, section, m_strControlId);
    // The player takes an argument's binding also when its type is missing:
    // the type is not used to call.
    for (size_t i = 0; i < m_record.parameters.size(); ++i)
    {
        CCallParameterRecord& parameter = m_record.parameters[i];
        if (!parameter.placeholder)
            continue;
        CStr paramSection = CCallActiveXMethodRecord::ParameterSection(section, (int)i);
        file.GetString(paramSection, "constValue", parameter.constValue);
        file.GetString(paramSection, "varName", parameter.varName);
    }
}

int CCallActiveXMethodAction::Execute()
{
    CActiveXElement* element = dynamic_cast<CActiveXElement*>(CIdManager::Get().FindById(m_strControlId));
    if (!element)
        return ResultObjectMissing;

    const size_t count = m_record.parameters.size();
    std::vector<VARIANT> arguments(count);
    for (size_t i = 0; i < count; ++i)
    {
        const CCallParameterRecord& parameter = m_record.parameters[i];
        // Invoke wants the last argument first.
        VARIANT& argument = arguments[count - 1 - i];
        VariantInit(&argument);
        CVariable* variable = parameter.varName.IsEmpty() ? NULL : LookupVariable(parameter.varName);
        if (variable)
            CopyVariantSubstituted(argument, variable->value);
        else
            SetVariantText(argument, parameter.constValue);
    }

    DISPPARAMS params = { count ? arguments.data() : NULL, NULL, (UINT)count, 0 };
    VARIANT result;
    VariantInit(&result);
    element->InvokeMethod(m_record.method, &params, &result);

    if (m_record.returnType != VT_VOID && !m_record.retVariable.IsEmpty())
    {
        if (CVariable* target = LookupVariable(m_record.retVariable))
        {
            VARIANT converted;
            VariantInit(&converted);
            if (SUCCEEDED(ChangeVariantType(converted, result, target->value.vt)))
                CopyVariantInto(target->value, converted);
            VariantClear(&converted);
        }
    }
    for (VARIANT& argument : arguments)
        VariantClear(&argument);
    VariantClear(&result);
    return ResultGoOn;
}

} // namespace Tarvex
