#include "model/store/DispatchParamInfo.h"

CDispatchParamInfo::CDispatchParamInfo()
    : m_type(VT_EMPTY), m_optional(0)
{
}

CDispatchParamInfo::CDispatchParamInfo(const char* name, VARTYPE type, BYTE optional)
    : m_name(name), m_type(type), m_optional(optional)
{
}

void CDispatchParamInfo::SetFromElemDesc(const ELEMDESC& desc)
{
    m_type = desc.tdesc.vt;
    m_optional = (desc.paramdesc.wParamFlags & PARAMFLAG_FOPT) ? 1 : 0;
}
