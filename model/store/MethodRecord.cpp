#include "model/store/MethodRecord.h"

#include "model/store/DispatchMemberInfo.h"

CMethodRecord::CMethodRecord()
    : m_returnType(VT_VOID)
{
}

CMethodRecord::CMethodRecord(const char* name, VARTYPE returnType)
    : m_name(name), m_returnType(returnType)
{
}

CMethodRecord::CMethodRecord(const CDispatchMemberInfo& member)
    : m_name(member.GetName()), m_returnType(member.GetReturnType())
{
    m_params.reserve(member.GetParamCount());
    for (int i = 0; i < member.GetParamCount(); i++)
    {
        const CDispatchParamInfo* param = member.GetParam(i);
        m_params.push_back(CActiveXMethodParameter(param->GetName(), param->GetType(), param->IsOptional()));
    }
}

const CActiveXMethodParameter* CMethodRecord::GetParam(int index) const
{
    if (index < 0 || index >= (int)m_params.size())
        return NULL;
    return &m_params[index];
}

CActiveXMethodParameter* CMethodRecord::GetParam(int index)
{
    if (index < 0 || index >= (int)m_params.size())
        return NULL;
    return &m_params[index];
}
