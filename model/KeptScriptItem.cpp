#include "model/KeptScriptItem.h"

#include "model/store/DataFile.h"

CKeptScriptItem::CKeptScriptItem(const char* typeName, const char* sectionName, CElement* parent)
    : CScriptItem(sectionName, parent), m_strTypeName(typeName ? typeName : "")
{
    // Trees label actions by their name: without it the entry would be blank.
    m_strName = m_strTypeName;
}

CKeptScriptItem::CKeptScriptItem(const CKeptScriptItem& other)
    : CScriptItem(other), m_strTypeName(other.m_strTypeName), m_lines(other.m_lines)
{
}

CKeptScriptItem::~CKeptScriptItem()
{
    DestroyMembers();
}

CElement* CKeptScriptItem::Clone() const
{
    return new CKeptScriptItem(*this);
}

BOOL CKeptScriptItem::Load(CDataFile* file, BOOL)
{
    if (file == NULL)
        return FALSE;
    m_lines.clear();
    int header = file->FindSectionIndex(m_strSectionName);
    if (header < 0)
        return FALSE;
    for (int i = header + 1; i < file->GetLineCount() && !file->IsSectionHeaderAt(i); ++i)
        m_lines.push_back(file->GetLine(i));
    file->GetString(m_strSectionName, "id", m_strId);
    return TRUE;
}

BOOL CKeptScriptItem::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    int header = file->GetOrAddSection(m_strSectionName);
    if (header < 0)
        return FALSE;
    for (size_t i = 0; i < m_lines.size(); ++i)
        file->InsertLine(header + 1 + (int)i, m_lines[i]);
    return TRUE;
}
