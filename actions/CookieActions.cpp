#include "actions/CookieActions.h"

#include "actions/ActionSupport.h"
#include "model/store/DataFile.h"

#include <new>

CGetCookie::CGetCookie(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "GetCookie");
}

CGetCookie::CGetCookie(const CGetCookie& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CGetCookie::~CGetCookie()
{
    DestroyMembers();
}

CElement* CGetCookie::Clone() const
{
    return new (std::nothrow) CGetCookie(*this);
}

BOOL CGetCookie::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CGetCookie::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}

CSetCookie::CSetCookie(const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent)
{
    InitActionNames(*this, "SetCookie");
}

CSetCookie::CSetCookie(const CSetCookie& other)
    : CScriptItem(other), m_record(other.m_record)
{
}

CSetCookie::~CSetCookie()
{
    DestroyMembers();
}

CElement* CSetCookie::Clone() const
{
    return new (std::nothrow) CSetCookie(*this);
}

BOOL CSetCookie::Load(CDataFile* file, BOOL keepId)
{
    if (!file)
        return FALSE;
    m_record.Load(*file, m_strSectionName);
    return CScriptItem::Load(file, keepId);
}

BOOL CSetCookie::Save(CDataFile* file)
{
    if (!file)
        return FALSE;
    m_record.Save(*file, m_strSectionName);
    return CScriptItem::Save(file);
}
