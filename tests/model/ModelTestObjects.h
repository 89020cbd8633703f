// Small members of the element family and a stand-in for the authoring
// program's services, shared by the model's tests.
#pragma once

#include "model/store/DataFile.h"
#include "model/ElementSupport.h"
#include "model/ElementContainer.h"
#include "tests/model/FakeEditorServices.h"
#include "model/IdManager.h"
#include "model/Script.h"
#include "model/ScriptItem.h"

#include <map>
#include <string>
#include <vector>

typedef std::map<std::string, std::string> KeyMap;

// A whole number as a VT_I4 VARIANT.
inline VARIANT LongVariant(long value)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

// The "key = value" lines of one section as the file holds them.
inline KeyMap SectionKeys(const CDataFile& file, const char* section)
{
    KeyMap keys;
    std::string header = std::string("[") + section + "]";
    bool inside = false;
    for (int i = 0; i < file.GetLineCount(); ++i) {
        std::string line = file.GetLine(i).c_str();
        if (!line.empty() && line[0] == '[') {
            inside = line == header;
            continue;
        }
        size_t eq = line.find(" = ");
        if (inside && eq != std::string::npos)
            keys[line.substr(0, eq)] = line.substr(eq + 3);
    }
    return keys;
}

// The key names of one section in file order.
inline std::vector<std::string> SectionKeyOrder(const CDataFile& file, const char* section)
{
    std::vector<std::string> order;
    std::string header = std::string("[") + section + "]";
    bool inside = false;
    for (int i = 0; i < file.GetLineCount(); ++i) {
        std::string line = file.GetLine(i).c_str();
        if (!line.empty() && line[0] == '[') {
            inside = line == header;
            continue;
        }
        size_t eq = line.find(" = ");
        if (inside && eq != std::string::npos)
            order.push_back(line.substr(0, eq));
    }
    return order;
}

inline std::vector<std::string> SectionNames(const CDataFile& file)
{
    std::vector<std::string> names;
    for (int i = 0; i < file.GetLineCount(); ++i) {
        std::string line = file.GetLine(i).c_str();
        if (line.size() >= 2 && line[0] == '[')
            names.push_back(line.substr(1, line.size() - 2));
    }
    return names;
}

// A placed element with three properties of its own besides the base four.
class TestElement : public CScriptableObject
{
public:
    TestElement(const char* section = NULL, CElement* parent = NULL)
        : CScriptableObject(section, parent), fontSize(10), bold(FALSE), changes(0), failSave(false)
    {
        m_strType = "Text";
    }
    CElement* Clone() const override { return new TestElement(*this); }
    BOOL HitTest(POINT pt) const override
    {
        return pt.x >= m_xpos && pt.x < m_xpos + m_width && pt.y >= m_ypos && pt.y < m_ypos + m_height;
    }
    BOOL Save(CDataFile* file) override
    {
        if (failSave)
            return FALSE;
        return CScriptableObject::Save(file);
    }
    int AccessProperty(const char* name, VARIANT& value, BOOL put) override
    {
        const NamedProperty table[] = {
            { "fontSize", PropInt, &fontSize },
            { "src", PropText, &src },
            { "bold", PropFlag, &bold },
        };
        return AccessNamedProperty(this, table, 3, name, value, put);
    }
    void OnPropertiesChanged() override { ++changes; }

    int fontSize;
    CStr src;
    BOOL bold;
    int changes;
    bool failSave;
};

class TestContainer : public CElementContainer
{
public:
    TestContainer(const char* section = "Main", CElement* parent = NULL)
        : CElementContainer(section, parent)
    {
        m_strType = "Browser";
    }
    CElement* Clone() const override { return new TestContainer(*this); }
    ~TestContainer() override { DeleteAllElements(); }
};

// An action with one key of its own, "note".
class TestAction : public CScriptItem
{
public:
    TestAction(const char* typeName = "ShellExecute") : failSave(false), stored(true)
    {
        m_strName = typeName;
    }
    CElement* Clone() const override { return new TestAction(*this); }
    BOOL Save(CDataFile* file) override
    {
        if (failSave)
            return FALSE;
        if (!note.IsEmpty())
            file->SetString(m_strSectionName, "note", note);
        return CElement::Save(file);
    }
    BOOL Load(CDataFile* file, BOOL keepId) override
    {
        file->GetString(m_strSectionName, "note", note);
        return CElement::Load(file, keepId);
    }
    BOOL HasStoredForm() const override { return stored; }

    CStr note;
    bool failSave;
    bool stored;
};

// Knows three of the stored type names, exactly as written.
inline CScriptItem* TestActionFactory(const char* typeName)
{
    static const char* const known[] = { "ShellExecute", "SetProperty", "PlaySound" };
    for (const char* name : known) {
        if (lstrcmpA(name, typeName) == 0)
            return new TestAction(name);
    }
    return NULL;
}

// Installs the test factory while it lives.
class TestFactoryScope
{
public:
    TestFactoryScope() : m_previous(SetScriptItemFactory(TestActionFactory)) {}
    ~TestFactoryScope() { SetScriptItemFactory(m_previous); }

private:
    ScriptItemFactoryFn m_previous;
};
