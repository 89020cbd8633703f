// Read a Cookie and Write a Cookie.
#pragma once

#include "actions/records/CookieRecords.h"
#include "model/ScriptItem.h"

class CGetCookie : public CScriptItem
{
public:
    CGetCookie(const char* sectionName = NULL, CElement* parent = NULL);
    CGetCookie(const CGetCookie& other);
    ~CGetCookie() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const 
    {
        return !m_record.url.IsEmpty() && !m_record.dataVar.IsEmpty()
            && (!m_record.cookieName.IsEmpty() || !m_record.cookieVar.IsEmpty());
    }

    CGetCookieRecord m_record;
};

class CSetCookie : public CScriptItem
{
public:
    CSetCookie(const char* sectionName = NULL, CElement* parent = NULL);
    CSetCookie(const CSetCookie& other);
    ~CSetCookie() override;

    CElement* Clone() const override;
    BOOL Load(CDataFile* file, BOOL keepId) override;
    BOOL Save(CDataFile* file) override;
    BOOL EditProperties(BOOL bNew) override;
    BOOL IsComplete() const 
    {
        return !m_record.url.IsEmpty() && !m_record.dataVar.IsEmpty()
            && (!m_record.cookie.IsEmpty() || !m_record.cookieVar.IsEmpty());
    }

    CSetCookieRecord m_record;
};
