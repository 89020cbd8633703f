#include "player/runtime/Element.h"

#include "player/runtime/IdManager.h"

namespace Tarvex {

namespace {

LONG g_nextSerial;

} // namespace

BOOL NeedsDrawing(const CDrawContext& context, const RECT& rect)
{
    if (!RectVisible(context.dc, &rect))
        return FALSE;
    return context.update == NULL || RectInRegion(context.update, &rect);
}

CElement::CElement(const char* section, CElement* parent)
    : m_xpos(0), m_ypos(0), m_sectionName(section ? section : ""), m_cursorName("arrow"), m_parent(parent),
      m_pressed(0), m_mouseMoveable(0), m_serial(InterlockedIncrement(&g_nextSerial)), m_loaded(FALSE)
{
}

CElement::CElement(const CElement& other)
    : m_xpos(other.m_xpos), m_ypos(other.m_ypos), m_id(other.m_id), m_sectionName(other.m_sectionName),
      m_typeText(other.m_typeText), m_name(other.m_name), m_cursorName(other.m_cursorName),
      m_parent(other.m_parent), m_pressed(0), m_mouseMoveable(other.m_mouseMoveable),
      m_serial(InterlockedIncrement(&g_nextSerial)), m_loaded(other.m_loaded)
{
}

CElement::~CElement()
{
}

RECT CElement::GetRect() const
{
    RECT rect = { m_xpos, m_ypos, 0, 0 };
    return rect;
}

BOOL CElement::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    CStr id;
    if (file.GetString(section, "id", id))
        m_id = CIdManager::Get().Register(id, this);
    file.GetString(section, "type", m_typeText);
    file.GetString(section, "name", m_name);
    file.GetInt(section, "xpos", m_xpos);
    file.GetInt(section, "ypos", m_ypos);
    if (!file.GetString(section, "cursor", m_cursorName))
        m_cursorName = "arrow";
    return TRUE;
}

CElement* CElement::FindBySerial(LONG serial)
{
    return serial == m_serial ? this : NULL;
}

} // namespace Tarvex
