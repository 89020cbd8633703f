// The registry scripts of our programs' "REGISTRY" resources, in the
// registrar's syntax:
//     HKCR { NoRemove AppID { '{...}' = s 'Name'  'Name.EXE' { val AppID = s '{...}' } } }
// Keys with a default value (= s '...'), named values (val Name = s '...'
// or d 'number'), NoRemove and ForceRemove, %NAME% replacements; key names
// quoted or bare ({GUID} included), tokens separated by white space. Register
// writes every key and value; unregister removes the keys in reverse,
// keeping NoRemove keys and keys that still hold something else.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class CRegistrar
{
public:
    void AddReplacement(const char* name, const char* value);
    // S_OK, or an error for a script that does not parse (nothing written)
    // or a key that cannot be written.
    HRESULT StringRegister(const char* script, BOOL bRegister);
    HRESULT ResourceRegister(HINSTANCE module, UINT id, BOOL bRegister);

private:
    std::vector<std::pair<std::string, std::string>> m_replacements;
};
