#include "model/Element.h"

#include "model/Browser.h"
#include "model/store/DataFile.h"
#include "model/EditorServices.h"
#include "model/IdManager.h"

#include <limits.h>

static int g_serialCounter = 0;

int CElement::TakeSerial()
{
    int serial = g_serialCounter;
    // Counting on past INT_MAX would overflow a signed integer.
    g_serialCounter = serial == INT_MAX ? 0 : serial + 1;
    return serial;
}

int CElement::GetSerialCounter()
{
    return g_serialCounter;
}

void CElement::SetSerialCounter(int next)
{
    g_serialCounter = next < 0 ? 0 : next;
}

CElement::CElement(const char* sectionName, CElement* parent)
    : m_xpos(0), m_ypos(0), m_strSectionName(sectionName), m_pParent(parent),
      m_width(0), m_height(0), m_bPressed(0), m_serial(TakeSerial())
{
}

CElement::CElement(const CElement& other)
    : m_xpos(other.m_xpos), m_ypos(other.m_ypos), m_strId(other.m_strId),
      m_strSectionName(other.m_strSectionName), m_strType(other.m_strType),
      m_strName(other.m_strName), m_pParent(other.m_pParent),
      m_width(other.m_width), m_height(other.m_height), m_bPressed(0),
      m_serial(TakeSerial()), m_keptLines(other.m_keptLines)
{
}

CElement::~CElement()
{
}

CElement* CElement::Clone() const
{
    return NULL;
}

BOOL CElement::HitTest(POINT) const
{
    return FALSE;
}

BOOL CElement::Draw(HDC)
{
    return TRUE;
}

RECT CElement::GetRect() const
{
    RECT rect = { m_xpos, m_ypos, 0, 0 };
    return rect;
}

BOOL CElement::EditProperties(BOOL)
{
    return FALSE;
}

BOOL CElement::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    const char* section = m_strSectionName;
    CStr storedId;
    if (file->GetString(section, "id", storedId)) {
        if (keepId || storedId.IsEmpty())
            m_strId = storedId;
        else
            RegisterId(storedId);
    }
    file->GetString(section, "type", m_strType);
    file->GetString(section, "name", m_strName);
    file->GetInt(section, "xpos", m_xpos);
    file->GetInt(section, "ypos", m_ypos);
    return TRUE;
}

BOOL CElement::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    const char* section = m_strSectionName;
    if (!m_strId.IsEmpty())
        file->SetString(section, "id", m_strId);
    file->SetString(section, "type", m_strType);
    if (!m_strName.IsEmpty())
        file->SetString(section, "name", m_strName);
    if (m_xpos > 0)
        file->SetInt(section, "xpos", m_xpos);
    if (m_ypos > 0)
        file->SetInt(section, "ypos", m_ypos);
    WriteKeptLines(file);
    return TRUE;
}

void CElement::WriteKeptLines(CDataFile* file) const
{
    if (m_keptLines.empty() || file == NULL)
        return;
    int header = file->FindSectionIndex(m_strSectionName);
    if (header < 0)
        header = file->GetOrAddSection(m_strSectionName);
    if (header < 0)
        return;
    for (const CStr& line : m_keptLines) {
        int equals = line.FindChar('=');
        if (equals <= 0)
            continue;
        CStr key = line.Left(equals);
        while (!key.IsEmpty() && key[key.GetLength() - 1] == ' ')
            key.Truncate(key.GetLength() - 1);
        if (file->FindKeyIndex(header + 1, key) < 0)
            file->InsertLine(header + 1, line);
    }
}

BOOL CElement::AddChild(CElement*)
{
    return FALSE;
}

CElement* CElement::DropChild(CElement*, CElement*)
{
    return NULL;
}

BOOL CElement::RemoveChild(CElement*)
{
    return FALSE;
}

BOOL CElement::CanAcceptChild(CElement*)
{
    return FALSE;
}

CStr CElement::GetType()
{
    int length = m_strType.GetLength();
    if (length > 3) {
        const char* text = m_strType;
        int sum = 0;
        for (int i = length - 4; i < length; ++i)
            sum += (signed char)text[i];
        if (sum == 418)
            m_strType.Truncate(length - 4);
    }
    return m_strType;
}

CStr CElement::GetClassName() const
{
    return CStr("CElement");
}

BOOL CElement::AddToTree(HWND, HTREEITEM)
{
    return TRUE;
}

CStr CElement::GetDisplayName() const
{
    CStr text = !m_strId.IsEmpty() ? m_strId : !m_strName.IsEmpty() ? m_strName : m_strType;
    int length = text.GetLength();
    while (length > 0) {
        char c = text[length - 1];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\v' && c != '\f')
            break;
        --length;
    }
    if (length < text.GetLength())
        text.Truncate(length);
    return text;
}

void CElement::ShowContextMenu(int, int, BOOL)
{
}

int CElement::GetChildCount() const
{
    return 0;
}

void CElement::RenameChildren()
{
}

CElement* CElement::FindBySerial(int)
{
    return NULL;
}

void CElement::MoveChild(CElement*, int)
{
}

void CElement::RenameReferences(const char*, const char*)
{
}

BOOL CElement::IsPressed() const
{
    return m_bPressed;
}

void CElement::DrawAt(HDC, POINT, HBITMAP)
{
}

CBrowser* CElement::GetPage() const
{
    for (const CElement* object = this; object != NULL; object = object->m_pParent) {
        if (const CBrowser* page = dynamic_cast<const CBrowser*>(object))
            return const_cast<CBrowser*>(page);
    }
    return NULL;
}

void CElement::RegisterId(const char* wanted)
{
    CBrowser* page = GetPage();
    CIdManager* ids = page != NULL ? page->GetIdManager() : GetActiveIdManager();
    if (ids)
        m_strId = ids->Register(wanted, this);
    else
        m_strId = wanted;
}

CStr MakeChildSectionName(const CStr& ownerSection, const char* prefix, int number)
{
    CStr name;
    if (ownerSection == "Main")
        name.Format("%s_%d", prefix, number);
    else
        name.Format("%s_%s_%d", ownerSection.c_str(), prefix, number);
    return name;
}

int ClampStoredCount(int count, const CDataFile* file)
{
    if (count <= 0 || file == NULL)
        return 0;
    int sections = file->GetSectionCount();
    return count < sections ? count : sections;
}
