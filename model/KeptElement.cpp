#include "model/KeptElement.h"

#include "model/store/DataFile.h"
#include "model/ElementSupport.h"

#include <string.h>

CKeptElement::CKeptElement(const char* sectionName, CElement* parent)
    : CScriptableObject(sectionName, parent)
{
}

CKeptElement::CKeptElement(const CKeptElement& other)
    : CScriptableObject(other), m_sections(other.m_sections)
{
}

CKeptElement::~CKeptElement()
{
}

CElement* CKeptElement::Clone() const
{
    return new CKeptElement(*this);
}

RECT CKeptElement::GetRect() const
{
    return ElementBox(*this);
}

BOOL CKeptElement::HitTest(POINT pt) const
{
    return HitTestRect(*this, pt);
}

void CKeptElement::Capture(const CDataFile& file)
{
    m_sections.clear();
    const CStr own = m_strSectionName;
    const int ownLength = own.GetLength();
    StoredSection* current = NULL;
    for (int i = 0; i < file.GetLineCount(); ++i) {
        const CStr& line = file.GetLine(i);
        if (CDataFile::IsSectionHeader(line)) {
            current = NULL;
            CStr name = line.Mid(1, line.GetLength() - 2);
            if (strncmp(name, own, ownLength) == 0 &&
                (name[ownLength] == '\0' || name[ownLength] == '_')) {
                StoredSection section;
                section.suffix = name.Mid(ownLength, name.GetLength() - ownLength);
                m_sections.push_back(section);
                current = &m_sections.back();
            }
            continue;
        }
        if (current)
            current->lines.push_back(line);
    }
    const char* s = own;
    file.GetString(s, "id", m_strId);
    file.GetString(s, "type", m_strType);
    file.GetString(s, "name", m_strName);
    file.GetInt(s, "xpos", m_xpos);
    file.GetInt(s, "ypos", m_ypos);
    file.GetInt(s, "width", m_width);
    file.GetInt(s, "height", m_height);
}

BOOL CKeptElement::Load(CDataFile* file, BOOL)
{
    if (file == NULL)
        return FALSE;
    Capture(*file);
    return TRUE;
}

BOOL CKeptElement::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    BOOL ownWritten = FALSE;
    for (const StoredSection& section : m_sections) {
        CStr name = m_strSectionName + section.suffix;
        if (file->FindSectionIndex(name) >= 0)
            continue;
        file->AppendLine("[" + name + "]");
        for (const CStr& line : section.lines)
            file->AppendLine(line);
        if (section.suffix.IsEmpty())
            ownWritten = TRUE;
    }
    // The registry may have given it another id when the page was loaded.
    if (ownWritten && !m_strId.IsEmpty())
        file->SetString(m_strSectionName, "id", m_strId);
    return TRUE;
}

BOOL CKeptElement::AddToTree(HWND tree, HTREEITEM parentItem)
{
    InsertElementTreeItem(tree, parentItem, GetDisplayName(), 5, this);
    return TRUE;
}

BOOL CKeptElement::CanAcceptChild(CElement*)
{
    return FALSE;
}

void CKeptElement::RenameChildren()
{
    // The stored sections follow the element's name when it is saved.
}
