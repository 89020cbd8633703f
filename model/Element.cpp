#include "model/Element.h"

#include "model/Browser.h"
#include "model/store/DataFile.h"
#include "model/store/KeyReadLog.h"
#include "model/EditorServices.h"
#include "model/IdManager.h"
#include "model/Script.h"
#include "model/ScriptItem.h"

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
            RegisterStoredId(storedId);
    }
    file->GetString(section, "type", m_strType);
    file->GetString(section, "name", m_strName);
    file->GetInt(section, "xpos", m_xpos);
    file->GetInt(section, "ypos", m_ypos);
    // The base is read last: what no Load of the object asked for is kept.
    // A key it reads is never kept, or a stale stored value would come back
    // over the author's edit whenever the object leaves that key out.
    if (const CKeyReadLog* log = file->GetReadLog())
        m_keptLines = log->UnreadLines(section);
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

namespace {

enum ObjectKind { KindPage, KindElement, KindScript, KindAction };

ObjectKind KindOf(const CElement* object)
{
    if (dynamic_cast<const CBrowser*>(object) != NULL)
        return KindPage;
    if (dynamic_cast<const CScript*>(object) != NULL)
        return KindScript;
    if (dynamic_cast<const CScriptItem*>(object) != NULL)
        return KindAction;
    return KindElement;
}

// The editor's command ids that the menus carry.
const UINT kMoveDown = 1141;
const UINT kMoveUp = 1142;
const UINT kNewObject = 1235;
const UINT kCopy = 57634;
const UINT kCut = 57635;
const UINT kPaste = 57637;
const UINT kDelete = 32780;
const UINT kProperties = 32781;
const UINT kNewPage = 32809;
const UINT kNewScriptItem = 32811;
const UINT kNewEvent = 32812;

// An entry of the menu; restricted, it is greyed and carries no command.
void AppendEntry(HMENU menu, UINT command, const char* text, BOOL restricted)
{
    AppendMenuA(menu, restricted ? MF_STRING | MF_GRAYED : MF_STRING, restricted ? 0 : command, text);
}

} // namespace

HMENU CElement::BuildNewMenu(BOOL restricted)
{
    HMENU menu = CreatePopupMenu();
    // The first entry of each kind is left out when restricted.
    static const struct { UINT first; const char* firstText; UINT second; const char* secondText; } kEntries[] = {
        { kNewPage, "Page", kNewObject, "Object" },          // page
        { kNewObject, "Object", kNewEvent, "Event" },        // page element
        { kNewEvent, "Event", kNewScriptItem, "ScriptItem" }, // script
        { kNewScriptItem, "ScriptItem", 0, NULL },           // action
    };
    const auto& entry = kEntries[KindOf(this)];
    if (!restricted)
        AppendMenuA(menu, MF_STRING, entry.first, entry.firstText);
    if (entry.secondText != NULL)
        AppendMenuA(menu, MF_STRING, entry.second, entry.secondText);
    return menu;
}

HMENU CElement::BuildContextMenu(BOOL restricted)
{
    HMENU menu = CreatePopupMenu();
    bool zOrder = KindOf(this) == KindElement;
    AppendEntry(menu, kMoveUp, zOrder ? "Z-Order  Forward" : "Move Up", restricted);
    AppendEntry(menu, kMoveDown, zOrder ? "Z-Order  Back" : "Move Down", restricted);
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(menu, MF_POPUP | MF_STRING, (UINT_PTR)BuildNewMenu(restricted), "New");
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    AppendEntry(menu, kCopy, "Copy\tCtrl+C", restricted);
    AppendEntry(menu, kCut, "Cut\tCtrl+x", restricted);
    AppendEntry(menu, kPaste, "Paste\tCtrl+V", restricted);
    AppendEntry(menu, kDelete, "Delete\tDel", restricted);
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    AppendEntry(menu, kProperties, "Properties", restricted);
    const UINT newPosition = 3;
    const UINT propertiesPosition = 10;
    SetMenuDefaultItem(menu, restricted ? newPosition : propertiesPosition, TRUE);
    return menu;
}

void CElement::ShowContextMenu(int screenX, int screenY, BOOL restricted)
{
    // The chosen command goes to the program's main window, the one that
    // holds the active view; without one there is nobody to carry it out.
    HWND view = ::GetActiveViewWindow();
    HWND owner = view ? GetAncestor(view, GA_ROOT) : NULL;
    if (owner == NULL)
        return;
    HMENU menu = BuildContextMenu(restricted);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenX, screenY, 0, owner, NULL);
    DestroyMenu(menu);
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

RECT CElement::GetDrawnRect(HDC)
{
    return GetRect();
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
    TakeRegisteredId(wanted, FALSE);
}

void CElement::RegisterStoredId(const char* stored)
{
    TakeRegisteredId(stored, TRUE);
}

void CElement::TakeRegisteredId(const char* wanted, BOOL stored)
{
    CBrowser* page = GetPage();
    CIdManager* ids = page != NULL ? page->GetIdManager() : GetActiveIdManager();
    if (ids == NULL)
        m_strId = wanted;
    else
        m_strId = stored ? ids->RegisterStored(wanted, this) : ids->Register(wanted, this);
}

