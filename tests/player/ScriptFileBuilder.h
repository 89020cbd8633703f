// Writes scripts into a data file the way pages store them, for tests that
// load and run them.
#pragma once

#include "model/store/DataFile.h"

#include <stdio.h>
#include <string>

class ScriptFileBuilder
{
public:
    explicit ScriptFileBuilder(CDataFile& file, const char* section = "Script_1", const char* event = "OnLoad")
        : m_file(file), m_section(section), m_count(0)
    {
        m_file.SetString(section, "name", event);
        m_file.SetString(section, "type", "Script");
        m_file.SetInt(section, "numScriptItems", 0);
    }

    // A new action section of the type name; returns the section.
    std::string Add(const char* typeName)
    {
        char name[256];
        snprintf(name, sizeof(name), "%s_ScriptItem_%d", m_section.c_str(), ++m_count);
        m_file.SetString(name, "type", "ScriptItem");
        m_file.SetString(name, "name", typeName);
        m_file.SetInt(m_section.c_str(), "numScriptItems", m_count);
        return name;
    }

    std::string CreateVariable(const char* name, VARTYPE type, const char* value, int scope = 0)
    {
        std::string section = Add("Create Variable");
        m_file.SetString(section.c_str(), "varName", name);
        m_file.SetInt(section.c_str(), "scope", scope);
        m_file.SetInt(section.c_str(), "valueType", type);
        m_file.SetString(section.c_str(), "value", value);
        return section;
    }

    std::string ModifyVariable(const char* target, const char* op, VARTYPE type, const char* value,
                               const char* source = "")
    {
        std::string section = Add("Modify Variable");
        m_file.SetString(section.c_str(), "mainOp", op);
        m_file.SetString(section.c_str(), "targetVar", target);
        m_file.SetString(section.c_str(), "srcVar", source);
        m_file.SetInt(section.c_str(), "valueType", type);
        m_file.SetString(section.c_str(), "value", value);
        return section;
    }

    // IF leftName op constant (or op rightName when constant is NULL).
    std::string If(const char* left, int op, const char* constant, const char* right = "")
    {
        std::string section = Add("IF/WHILE Statement");
        m_file.SetString(section.c_str(), "leftName", left);
        if (constant)
            m_file.SetString(section.c_str(), "constValue", constant);
        else
            m_file.SetString(section.c_str(), "rightName", right);
        m_file.SetInt(section.c_str(), "operator", op);
        return section;
    }

    std::string SaveToFile(const char* path, const char* key, const char* variable, const char* value = "")
    {
        std::string section = Add("SaveToFile");
        m_file.SetBool(section.c_str(), "useTemDir", FALSE);
        m_file.SetString(section.c_str(), "path", path);
        m_file.SetString(section.c_str(), "key", key);
        m_file.SetString(section.c_str(), "variable", variable);
        m_file.SetString(section.c_str(), "value", value);
        return section;
    }

    std::string Command(const char* command, const char* parameters = "")
    {
        std::string section = Add("InternalCommand");
        m_file.SetString(section.c_str(), "command", command);
        m_file.SetString(section.c_str(), "parameters", parameters);
        return section;
    }

    const std::string& Section() const { return m_section; }
    CDataFile& File() { return m_file; }

private:
    CDataFile& m_file;
    std::string m_section;
    int m_count;
};
