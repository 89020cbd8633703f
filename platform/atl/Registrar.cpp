#include "platform/atl/Registrar.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include <memory>

namespace
{
struct Value
{
    std::string name;  // empty: the key's default value
    bool isNumber;
    std::string text;
    DWORD number;
};

struct Key
{
    std::string name;
    bool noRemove = false;
    bool forceRemove = false;
    bool deleteKey = false;
    std::vector<Value> values;
    std::vector<std::unique_ptr<Key>> children;
};

// Tokens: quoted texts ('' for a quote) and words between white space;
// the words "{", "}" and "=" are the script's punctuation.
class Lexer
{
public:
    explicit Lexer(const std::string& text) : m_text(text), m_at(0) {}

    bool Next(std::string& token, bool& quoted)
    {
        while (m_at < m_text.size() && isspace((unsigned char)m_text[m_at]))
            ++m_at;
        if (m_at >= m_text.size())
            return false;
        quoted = false;
        char c = m_text[m_at];
        token.clear();
        if (c == '\'')
        {
            quoted = true;
            for (++m_at; m_at < m_text.size(); ++m_at)
            {
                if (m_text[m_at] == '\'')
                {
                    if (m_at + 1 < m_text.size() && m_text[m_at + 1] == '\'')
                    {
                        token += '\'';
                        ++m_at;
                        continue;
                    }
                    ++m_at;
                    return true;
                }
                token += m_text[m_at];
            }
            m_failed = true;  // an unterminated text
            return false;
        }
        // Words end at white space only, so "{GUID}" is a key name.
        while (m_at < m_text.size() && !isspace((unsigned char)m_text[m_at]))
            token += m_text[m_at++];
        return true;
    }

    bool Peek(std::string& token, bool& quoted)
    {
        size_t at = m_at;
        bool ok = Next(token, quoted);
        m_at = at;
        return ok;
    }

    bool m_failed = false;

private:
    const std::string& m_text;
    size_t m_at;
};

bool Is(const std::string& token, bool quoted, const char* word)
{
    return !quoted && _stricmp(token.c_str(), word) == 0;
}

// "= s 'text'" or "= d 'number'", the '=' already read.
bool ParseValue(Lexer& lexer, Value& value)
{
    std::string type, data;
    bool quoted;
    if (!lexer.Next(type, quoted) || quoted || !lexer.Next(data, quoted))
        return false;
    if (_stricmp(type.c_str(), "s") == 0)
    {
        value.isNumber = false;
        value.text = data;
        return true;
    }
    if (_stricmp(type.c_str(), "d") == 0)
    {
        char* end = NULL;
        value.isNumber = true;
        value.number = (DWORD)strtoul(data.c_str(), &end, 0);
        return end && *end == '\0' && !data.empty();
    }
    return false;
}

const int kMaxDepth = 32;

// The entries between braces, the '{' already read.
bool ParseBody(Lexer& lexer, Key& key, int depth)
{
    if (depth > kMaxDepth)
        return false;
    std::string token;
    bool quoted;
    while (lexer.Next(token, quoted))
    {
        if (Is(token, quoted, "}"))
            return true;
        if (Is(token, quoted, "val"))
        {
            Value value;
            std::string equals;
            if (!lexer.Next(value.name, quoted) || !lexer.Next(equals, quoted) || !Is(equals, quoted, "=") ||
                !ParseValue(lexer, value))
                return false;
            key.values.push_back(value);
            continue;
        }
        std::unique_ptr<Key> child(new Key);
        while (Is(token, quoted, "NoRemove") || Is(token, quoted, "ForceRemove") || Is(token, quoted, "Delete"))
        {
            child->noRemove |= Is(token, quoted, "NoRemove");
            child->forceRemove |= Is(token, quoted, "ForceRemove");
            child->deleteKey |= Is(token, quoted, "Delete");
            if (!lexer.Next(token, quoted))
                return false;
        }
        if (!quoted && (token == "{" || token == "}" || token == "="))
            return false;
        child->name = token;
        std::string next;
        if (lexer.Peek(next, quoted) && Is(next, quoted, "="))
        {
            lexer.Next(next, quoted);
            Value value;
            if (!ParseValue(lexer, value))
                return false;
            child->values.push_back(value);
        }
        if (lexer.Peek(next, quoted) && Is(next, quoted, "{"))
        {
            lexer.Next(next, quoted);
            if (!ParseBody(lexer, *child, depth + 1))
                return false;
        }
        key.children.push_back(std::move(child));
    }
    return false;  // a missing '}'
}

HKEY RootFromName(const std::string& name)
{
    const char* n = name.c_str();
    if (!_stricmp(n, "HKCR") || !_stricmp(n, "HKEY_CLASSES_ROOT"))
        return HKEY_CLASSES_ROOT;
    if (!_stricmp(n, "HKCU") || !_stricmp(n, "HKEY_CURRENT_USER"))
        return HKEY_CURRENT_USER;
    if (!_stricmp(n, "HKLM") || !_stricmp(n, "HKEY_LOCAL_MACHINE"))
        return HKEY_LOCAL_MACHINE;
    if (!_stricmp(n, "HKU") || !_stricmp(n, "HKEY_USERS"))
        return HKEY_USERS;
    return NULL;
}

LONG WriteValue(HKEY key, const Value& value)
{
    const char* name = value.name.empty() ? NULL : value.name.c_str();
    if (value.isNumber)
        return ::RegSetValueExA(key, name, 0, REG_DWORD, (const BYTE*)&value.number, sizeof(value.number));
    return ::RegSetValueExA(key, name, 0, REG_SZ, (const BYTE*)value.text.c_str(), (DWORD)value.text.size() + 1);
}

LONG Register(HKEY parent, const Key& key)
{
    if (key.deleteKey || key.forceRemove)
        ::RegDeleteTreeA(parent, key.name.c_str());
    if (key.deleteKey)
        return ERROR_SUCCESS;
    HKEY handle;
    LONG status = ::RegCreateKeyExA(parent, key.name.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL);
    if (status != ERROR_SUCCESS)
        return status;
    for (const Value& value : key.values)
        if (status == ERROR_SUCCESS)
            status = WriteValue(handle, value);
    for (const auto& child : key.children)
        if (status == ERROR_SUCCESS)
            status = Register(handle, *child);
    ::RegCloseKey(handle);
    return status;
}

void Unregister(HKEY parent, const Key& key)
{
    HKEY handle;
    if (::RegOpenKeyExA(parent, key.name.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS)
        return;
    for (const auto& child : key.children)
        Unregister(handle, *child);
    for (const Value& value : key.values)
        if (!value.name.empty())
            ::RegDeleteValueA(handle, value.name.c_str());
    DWORD subkeys = 0, values = 0;
    ::RegQueryInfoKeyA(handle, NULL, NULL, NULL, &subkeys, NULL, NULL, &values, NULL, NULL, NULL, NULL);
    ::RegCloseKey(handle);
    // A key another program still fills stays; so does a NoRemove key.
    if (key.noRemove || subkeys > 0)
        return;
    if (values > 0)
    {
        // Only the default value the script wrote may remain.
        bool onlyDefault = values == 1;
        if (onlyDefault && ::RegOpenKeyExA(parent, key.name.c_str(), 0, KEY_READ, &handle) == ERROR_SUCCESS)
        {
            onlyDefault = ::RegQueryValueExA(handle, NULL, NULL, NULL, NULL, NULL) == ERROR_SUCCESS;
            ::RegCloseKey(handle);
        }
        bool scriptHasDefault = false;
        for (const Value& value : key.values)
            scriptHasDefault |= value.name.empty();
        if (!onlyDefault || !scriptHasDefault)
            return;
    }
    ::RegDeleteKeyA(parent, key.name.c_str());
}
}

void CRegistrar::AddReplacement(const char* name, const char* value)
{
    m_replacements.emplace_back(name ? name : "", value ? value : "");
}

HRESULT CRegistrar::StringRegister(const char* script, BOOL bRegister)
{
    if (script == NULL)
        return E_INVALIDARG;
    // %NAME% becomes its replacement, %% a single percent sign.
    std::string text;
    for (const char* p = script; *p; ++p)
    {
        if (*p != '%')
        {
            text += *p;
            continue;
        }
        const char* end = strchr(p + 1, '%');
        if (end == NULL)
            return E_FAIL;
        std::string name(p + 1, end - p - 1);
        if (name.empty())
            text += '%';
        else
        {
            bool found = false;
            for (const auto& r : m_replacements)
                if (_stricmp(r.first.c_str(), name.c_str()) == 0)
                {
                    text += r.second;
                    found = true;
                    break;
                }
            if (!found)
                return E_FAIL;
        }
        p = end;
    }

    // The whole script is read before anything is written.
    Lexer lexer(text);
    std::vector<std::pair<HKEY, std::unique_ptr<Key>>> roots;
    std::string token, brace;
    bool quoted;
    while (lexer.Next(token, quoted))
    {
        HKEY root = quoted ? NULL : RootFromName(token);
        std::unique_ptr<Key> body(new Key);
        if (root == NULL || !lexer.Next(brace, quoted) || !Is(brace, quoted, "{") || !ParseBody(lexer, *body, 0))
            return E_FAIL;
        roots.emplace_back(root, std::move(body));
    }
    if (lexer.m_failed)
        return E_FAIL;

    for (const auto& root : roots)
    {
        for (const auto& key : root.second->children)
        {
            if (bRegister)
            {
                LONG status = Register(root.first, *key);
                if (status != ERROR_SUCCESS)
                    return HRESULT_FROM_WIN32(status);
            }
            else
            {
                Unregister(root.first, *key);
            }
        }
    }
    return S_OK;
}

HRESULT CRegistrar::ResourceRegister(HINSTANCE module, UINT id, BOOL bRegister)
{
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), "REGISTRY");
    HGLOBAL loaded = found ? ::LoadResource(module, found) : NULL;
    const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : NULL;
    if (data == NULL)
        return HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND);
    std::string script(data, ::SizeofResource(module, found));
    script.resize(strlen(script.c_str()));
    return StringRegister(script.c_str(), bRegister);
}
