#include "model/ScriptableObject.h"

#include "model/store/DataFile.h"
#include "model/Script.h"

#include <oleauto.h>
#include <string.h>
#include <utility>

static const char* const kDefaultEvents[] = { "OnMouseIn", "OnMouseOut", "OnMouseDown", "OnMouseUp" };
static const char* const kBaseProperties[] = { "width", "height", "xpos", "ypos" };

CScriptableObject::CScriptableObject(const char* sectionName, CElement* parent)
    : CElement(sectionName, parent), m_bMouseMoveable(0)
{
    // Room at once for these and the records and events an element kind
    // adds (a text has fourteen more records): every load makes them anew,
    // and each regrowth copied every record made before.
    m_properties.reserve(24);
    m_eventNames.reserve(8);
    for (const char* name : kBaseProperties) {
        VARIANT zero;
        VariantInit(&zero);
        V_VT(&zero) = VT_I4;
        V_I4(&zero) = 0;
        m_properties.emplace_back(name, "", zero, VT_I4, FALSE);
    }
    for (const char* name : kDefaultEvents)
        m_eventNames.emplace_back(name);
}

CScriptableObject::CScriptableObject(const CScriptableObject& other)
    : CElement(other), m_properties(other.m_properties), m_eventNames(other.m_eventNames),
      m_bMouseMoveable(other.m_bMouseMoveable)
{
    for (CScript* script : other.m_scripts) {
        if (script == NULL)
            continue;
        CScript* copy = static_cast<CScript*>(script->Clone());
        if (copy == NULL)
            continue;
        copy->m_pParent = this;
        m_scripts.push_back(copy);
    }
}

CScriptableObject::~CScriptableObject()
{
    for (CScript* script : m_scripts)
        delete script;
    m_scripts.clear();
}

BOOL CScriptableObject::HoldsScript(const CElement* script) const
{
    for (CScript* s : m_scripts) {
        if (s != NULL && s == script)
            return TRUE;
    }
    return FALSE;
}

BOOL CScriptableObject::Load(CDataFile* file, BOOL keepId)
{
    if (file == NULL)
        return FALSE;
    const char* section = m_strSectionName;
    BOOL moveable;
    if (file->GetBool(section, "mouseMoveable", moveable))
        m_bMouseMoveable = moveable ? 1 : 0;
    int count = 0;
    file->GetInt(section, "numScripts", count);
    // A corrupt count would otherwise make scripts without end.
    count = ClampStoredCount(count, file);

    size_t first = m_scripts.size();
    for (int i = 1; i <= count; ++i)
        m_scripts.push_back(new CScript(ScriptSectionName(m_strSectionName, i), this));
    for (size_t i = first; i < m_scripts.size(); ++i)
        m_scripts[i]->Load(file, FALSE);
    return CElement::Load(file, keepId);
}

BOOL CScriptableObject::SaveScripts(CDataFile* file)
{
    int count = 0;
    for (CScript* script : m_scripts) {
        if (script != NULL)
            ++count;
    }
    file->SetInt(m_strSectionName, "numScripts", count);
    for (CScript* script : m_scripts) {
        if (script != NULL && !script->Save(file))
            return FALSE;
    }
    return TRUE;
}

BOOL CScriptableObject::Save(CDataFile* file)
{
    if (file == NULL)
        return FALSE;
    if (m_bMouseMoveable)
        file->SetBool(m_strSectionName, "mouseMoveable", TRUE);
    RenameChildren();
    // Without this a file missing some scripts would be reported as saved.
    BOOL scriptsSaved = SaveScripts(file);
    BOOL baseSaved = CElement::Save(file);
    return scriptsSaved && baseSaved;
}

BOOL CScriptableObject::AddChild(CElement* child)
{
    // Only a script can live in the script list; anything else would be
    // used as one later.
    CScript* script = dynamic_cast<CScript*>(child);
    if (script == NULL)
        return FALSE;
    script->m_pParent = this;
    m_scripts.push_back(script);
    RenameChildren();
    return TRUE;
}

CElement* CScriptableObject::DropChild(CElement* dragged, CElement* target)
{
    CScript* script = dynamic_cast<CScript*>(dragged);
    if (script == NULL)
        return NULL;
    if (target != this && dynamic_cast<CScript*>(target) == NULL)
        return NULL;
    // Checked before anything is removed: a move that cannot end in this
    // list would otherwise delete the dragged script and lose its copy.
    if (dragged == target)
        return NULL;
    if (target != this && !HoldsScript(target))
        return NULL;
    CScriptableObject* owner = dynamic_cast<CScriptableObject*>(script->m_pParent);
    if (owner == NULL || !owner->HoldsScript(script))
        return NULL;
    CScript* copy = static_cast<CScript*>(script->Clone());
    if (copy == NULL)
        return NULL;

    owner->RemoveChild(script);
    copy->m_pParent = this;
    if (target == this) {
        m_scripts.insert(m_scripts.begin(), copy);
        RenameChildren();
        return copy;
    }
    for (size_t i = 0; i < m_scripts.size(); ++i) {
        if (m_scripts[i] == target) {
            m_scripts.insert(m_scripts.begin() + i, copy);
            MoveChild(target, 0);
            return copy;
        }
    }
    return copy;  // not reached: the target was checked above
}

BOOL CScriptableObject::RemoveChild(CElement* child)
{
    for (size_t i = 0; i < m_scripts.size(); ++i) {
        if (m_scripts[i] != NULL && m_scripts[i] == child) {
            CScript* script = m_scripts[i];
            m_scripts.erase(m_scripts.begin() + i);
            delete script;
            RenameChildren();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CScriptableObject::CanAcceptChild(CElement* child)
{
    if (child == NULL || lstrcmpiA(child->m_strType, "Script") != 0)
        return FALSE;
    CScript* script = dynamic_cast<CScript*>(child);
    if (script == NULL)
        return FALSE;
    for (const CStr& event : m_eventNames) {
        if (strcmp(event, script->m_strName) == 0)
            return FindScriptForEvent(event) == NULL;
    }
    return FALSE;
}

CStr CScriptableObject::GetClassName() const
{
    return CStr("CScriptableObject");
}

BOOL CScriptableObject::AddToTree(HWND tree, HTREEITEM parentItem)
{
    for (size_t i = m_scripts.size(); i-- > 0;) {
        if (m_scripts[i] != NULL)
            m_scripts[i]->AddToTree(tree, parentItem);
    }
    return TRUE;
}

void CScriptableObject::RenameChildren()
{
    int n = 0;
    for (CScript* script : m_scripts) {
        if (script == NULL)
            continue;
        script->m_strSectionName = ScriptSectionName(m_strSectionName, ++n);
        script->RenameChildren();
    }
}

void CScriptableObject::MoveChild(CElement* child, int direction)
{
    for (size_t i = 0; i < m_scripts.size(); ++i) {
        if (m_scripts[i] == NULL || m_scripts[i] != child)
            continue;
        if (direction == 0 && i > 0)
            std::swap(m_scripts[i], m_scripts[i - 1]);
        else if (direction == 1 && i + 1 < m_scripts.size())
            std::swap(m_scripts[i], m_scripts[i + 1]);
        else
            return;
        RenameChildren();
        return;
    }
}

void CScriptableObject::RenameReferences(const char* oldId, const char* newId)
{
    for (CScript* script : m_scripts) {
        if (script != NULL)
            script->RenameReferences(oldId, newId);
    }
}

int CScriptableObject::AccessProperty(const char*, VARIANT&, BOOL)
{
    return 1;
}

void CScriptableObject::UpdatePropertyList(CPropertyRecordList& list)
{
    const int current[] = { m_width, m_height, m_xpos, m_ypos };
    for (int k = 0; k < 4; ++k) {
        int index = FindPropertyIndex(m_properties, kBaseProperties[k]);
        if (index < 0 || !m_properties[index].m_bChanged)
            continue;
        VARIANT& value = m_properties[index].m_value;
        VariantClear(&value);
        V_VT(&value) = VT_I4;
        V_I4(&value) = current[k];
    }
    for (size_t i = 0; i < m_properties.size(); ++i) {
        if (!PropertyListHasName(list, m_properties[i].m_strName))
            list.push_back(m_properties[i]);
    }
}

BOOL CScriptableObject::ChooseProperties(CPropertyRecordList&)
{
    return FALSE;
}

std::vector<CStr> CScriptableObject::GetEventsWithoutScript() const
{
    std::vector<CStr> events;
    for (const CStr& event : m_eventNames) {
        if (FindScriptForEvent(event) == NULL)
            events.push_back(event);
    }
    return events;
}

void CScriptableObject::FillEventList(HWND listBox)
{
    for (const CStr& event : GetEventsWithoutScript())
        SendMessageA(listBox, LB_ADDSTRING, 0, (LPARAM)event.c_str());
}

void CScriptableObject::OnPropertiesChanged()
{
}

int CScriptableObject::PutExtraProperty(const char*, VARIANT&)
{
    return 1;
}

int CScriptableObject::GetExtraProperty(const char*, VARIANT&)
{
    return 1;
}

CScript* CScriptableObject::FindScriptByName(const char* name) const
{
    for (CScript* script : m_scripts) {
        if (script != NULL && strcmp(script->m_strName, name) == 0)
            return script;
    }
    return NULL;
}

CScript* CScriptableObject::FindScriptForEvent(const char* eventName) const
{
    for (CScript* script : m_scripts) {
        if (script != NULL && lstrcmpiA(script->m_strName, eventName) == 0)
            return script;
    }
    return NULL;
}

BOOL CScriptableObject::IsEventScript(CElement* object) const
{
    CScript* script = dynamic_cast<CScript*>(object);
    if (script == NULL)
        return FALSE;
    for (const CStr& event : m_eventNames) {
        if (strcmp(event, script->m_strName) != 0)
            continue;
        CScript* existing = FindScriptForEvent(event);
        return existing == NULL || existing->m_pParent == this;
    }
    return FALSE;
}

void CScriptableObject::AddEventName(const char* name)
{
    m_eventNames.push_back(CStr(name));
}

static const struct { const char* text; VARTYPE vt; } kVarTypeChoices[] = {
    { "Integer (2 bytes)", VT_I2 },
    { "Integer (4 bytes)", VT_I4 },
    { "Integer (8 bytes)", VT_I8 },
    { "U Integer (1 bytes)", VT_UI1 },
    { "U Integer (2 bytes)", VT_UI2 },
    { "U Integer (4 bytes)", VT_UI4 },
    { "Real Num (4 bytes)", VT_R4 },
    { "Real Num (8 bytes)", VT_R8 },
    { "NULL", VT_NULL },
    { "Bool (true or false)", VT_BOOL },
    { "String (Characters)", VT_BSTR },
};

void FillVarTypeCombo(HWND comboBox)
{
    for (const auto& choice : kVarTypeChoices) {
        LRESULT index = SendMessageA(comboBox, CB_ADDSTRING, 0, (LPARAM)choice.text);
        if (index >= 0)
            SendMessageA(comboBox, CB_SETITEMDATA, (WPARAM)index, (LPARAM)choice.vt);
    }
}

BOOL SelectComboItemByData(HWND comboBox, VARTYPE vt)
{
    LRESULT count = SendMessageA(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT data = SendMessageA(comboBox, CB_GETITEMDATA, (WPARAM)i, 0);
        if ((VARTYPE)data == vt) {
            SendMessageA(comboBox, CB_SETCURSEL, (WPARAM)i, 0);
            return TRUE;
        }
    }
    return FALSE;
}
