#include "model/store/ActiveXMethodParameter.h"

CActiveXMethodParameter::CActiveXMethodParameter()
    : m_type(VT_EMPTY), m_optional(0)
{
}

CActiveXMethodParameter::CActiveXMethodParameter(const char* name, VARTYPE type, BYTE optional)
    : m_name(name), m_type(type), m_optional(optional)
{
}
