#include "player/runtime/ScriptableObject.h"

#include "player/runtime/Script.h"
#include "player/runtime/VariableScopes.h"

#include <stdio.h>
#include <string.h>

namespace Tarvex {

namespace {

int g_runDepth;
void (*g_outermostRunEnd)();

} // namespace

CScriptableObject::CScriptableObject(const char* section, CElement* parent) : CElement(section, parent)
{
}

CScriptableObject::CScriptableObject(const CScriptableObject& other) : CElement(other)
{
    for (CScript* script : other.m_scripts)
    {
        CScript* copy = static_cast<CScript*>(script->Clone());
        if (copy)
            AppendScript(copy);
    }
}

CScriptableObject::~CScriptableObject()
{
    for (CScript* script : m_scripts)
        delete script;
}

BOOL CScriptableObject::HitTest(POINT point) const
{
    RECT rect = GetRect();
    return PtInRect(&rect, point);
}

BOOL CScriptableObject::Load(const CDataFile& file)
{
    const char* section = m_sectionName;
    BOOL moveable = FALSE;
    if (file.GetBool(section, "mouseMoveable", moveable))
        m_mouseMoveable = moveable;
    int count = 0;
    file.GetInt(section, "numScripts", count);
    count = ClampStoredCount(count, file);
    for (int i = 1; i <= count; ++i)
        AppendScript(new CScript(ScriptSectionName(section, i), this));
    for (CScript* script : m_scripts)
        script->Load(file);
    return CElement::Load(file);
}

void CScriptableObject::AppendScript(CScript* script)
{
    script->SetParent(this);
    m_scripts.push_back(script);
}

CScript* CScriptableObject::FindScript(const char* name) const
{
    int length = (int)strlen(name);
    for (CScript* script : m_scripts)
    {
        const CStr& own = script->GetName();
        if (own.GetLength() == length && memcmp(own.c_str(), name, length) == 0)
            return script;
    }
    return NULL;
}

BOOL CScriptableObject::RunScript(const char* name)
{
    CScript* script = name ? FindScript(name) : NULL;
    if (script)
    {
        EnterRun();
        script->Run();
        LeaveRun();
    }
    return TRUE;
}

int CScriptableObject::GetRunDepth()
{
    return g_runDepth;
}

void CScriptableObject::SetOutermostRunEndHandler(void (*handler)())
{
    g_outermostRunEnd = handler;
}

void CScriptableObject::EnterRun()
{
    ++g_runDepth;
}

void CScriptableObject::LeaveRun()
{
    if (--g_runDepth == 0 && g_outermostRunEnd)
        g_outermostRunEnd();
}

int CScriptableObject::AccessProperty(const char* name, VARIANT* value, BOOL put)
{
    (void)name;
    (void)value;
    (void)put;
    return PropertyNotHandled;
}

int CScriptableObject::PutExtraProperty(const char* name, VARIANT* value)
{
    (void)name;
    (void)value;
    return 1;
}

int CScriptableObject::GetExtraProperty(const char* name, VARIANT* value)
{
    (void)name;
    (void)value;
    return 1;
}

namespace {

VARTYPE TypeOf(CPropertyBinding::Kind kind)
{
    switch (kind)
    {
    case CPropertyBinding::Int:
        return VT_I4;
    case CPropertyBinding::Colour:
        return VT_UI4;
    case CPropertyBinding::Flag:
        return VT_BOOL;
    case CPropertyBinding::Text:
        return VT_BSTR;
    case CPropertyBinding::Real:
        return VT_R8;
    }
    return VT_EMPTY;
}

} // namespace

int CScriptableObject::AccessBoundProperty(const CPropertyBinding* table, int count, const char* name,
                                           VARIANT* value, BOOL put)
{
    if (!name || !value)
        return -1;
    for (int i = 0; i < count; ++i)
    {
        const CPropertyBinding& binding = table[i];
        if (lstrcmpiA(binding.name, name) != 0)
            continue;
        if (value->vt != TypeOf(binding.kind))
            return PropertyWrongType;
        if (put)
        {
            switch (binding.kind)
            {
            case CPropertyBinding::Int:
                *static_cast<int*>(binding.field) = value->lVal;
                break;
            case CPropertyBinding::Colour:
                *static_cast<COLORREF*>(binding.field) = value->ulVal;
                break;
            case CPropertyBinding::Flag:
                *static_cast<int*>(binding.field) = value->boolVal;
                break;
            case CPropertyBinding::Text:
            {
                CStr text;
                text.AssignWide(value->bstrVal ? value->bstrVal : L"");
                *static_cast<CStr*>(binding.field) = text;
                break;
            }
            case CPropertyBinding::Real:
                *static_cast<double*>(binding.field) = value->dblVal;
                break;
            }
            OnPropertiesChanged();
            return PropertyDone;
        }
        switch (binding.kind)
        {
        case CPropertyBinding::Int:
        case CPropertyBinding::Flag:
        {
            int number = *static_cast<int*>(binding.field);
            VariantClear(value);
            value->vt = VT_I4;
            value->lVal = number;
            break;
        }
        case CPropertyBinding::Colour:
        {
            COLORREF colour = *static_cast<COLORREF*>(binding.field);
            VariantClear(value);
            value->vt = VT_I4;
            value->lVal = (LONG)colour;
            break;
        }
        case CPropertyBinding::Text:
        {
            const CStr& text = *static_cast<CStr*>(binding.field);
            VariantClear(value);
            SetVariantText(*value, text);
            if (value->vt != VT_BSTR || !value->bstrVal)
            {
                VariantClear(value);
                value->vt = VT_ERROR;
                value->scode = E_OUTOFMEMORY;
            }
            break;
        }
        case CPropertyBinding::Real:
            value->dblVal = *static_cast<double*>(binding.field);
            break;
        }
        return PropertyDone;
    }
    return -1;
}

int CScriptableObject::AccessPropertyTable(const CPropertyBinding* table, int count, const char* name,
                                           VARIANT* value, BOOL put)
{
    int result = AccessBoundProperty(table, count, name, value, put);
    if (result >= 0)
        return result;
    if (put)
    {
        if (PutExtraProperty(name, value) != 0)
            return PropertyUnknownName;
        OnPropertiesChanged();
        return PropertyDone;
    }
    GetExtraProperty(name, value);
    return PropertyDone;
}

} // namespace Tarvex
