// Class keys that the browser's tests and benchmark write under
// HKEY_CLASSES_ROOT\CLSID themselves (and remove again), and an
// independent walk of that key to compare the browser's list with.
#pragma once

#include <windows.h>
#include <stdio.h>
#include <string.h>
#include <string>
#include <vector>

namespace seeded
{
// Sets the default value of HKEY_CLASSES_ROOT\path, creating the key; a NULL
// value creates the key alone.
inline bool SetDefault(const std::string& path, const char* value, const char* valueName = NULL)
{
    HKEY key = NULL;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, NULL, 0, KEY_WRITE, NULL, &key, NULL) != ERROR_SUCCESS)
        return false;
    bool ok = !value ||
              RegSetValueExA(key, valueName, 0, REG_SZ, (const BYTE*)value, (DWORD)strlen(value) + 1) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

inline void RemoveClass(const std::string& classId)
{
    const std::string key = "CLSID\\" + classId;
    RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
}

inline bool ClassExists(const std::string& classId)
{
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ("CLSID\\" + classId).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A class key with a display name and the given subkeys ("name" or
// "name=default value").
inline bool AddClass(const std::string& classId, const char* displayName, const std::vector<std::string>& subkeys)
{
    const std::string key = "CLSID\\" + classId;
    if (!SetDefault(key, displayName))
        return false;
    for (const std::string& subkey : subkeys)
    {
        const size_t equals = subkey.find('=');
        const std::string value = equals == std::string::npos ? "" : subkey.substr(equals + 1);
        if (!SetDefault(key + "\\" + subkey.substr(0, equals), equals == std::string::npos ? NULL : value.c_str()))
            return false;
    }
    return true;
}

// The class ID of seeded class number n of a family.
inline std::string ClassId(unsigned family, unsigned n)
{
    char text[64];
    snprintf(text, sizeof text, "{5A9E6C1%X-0000-4000-8000-%012X}", family & 0xF, n);
    return text;
}

// count classes of a family, every controlEvery-th of them a control
// (names "Seeded <family> <n>"); the others have a ProgID but no "Control".
inline bool AddFamily(unsigned family, unsigned count, unsigned controlEvery)
{
    for (unsigned n = 0; n < count; n++)
    {
        char name[64];
        snprintf(name, sizeof name, "Seeded %u %05u", family, n);
        char progId[64];
        snprintf(progId, sizeof progId, "ProgID=Seeded%u.Class%u", family, n);
        std::vector<std::string> subkeys = { progId, "InprocServer32=C:\\seeded\\none.dll" };
        if (n % controlEvery == 0)
            subkeys.push_back("Control");
        if (!AddClass(ClassId(family, n), name, subkeys))
            return false;
    }
    return true;
}

inline void RemoveFamily(unsigned family, unsigned count)
{
    for (unsigned n = 0; n < count; n++)
        RemoveClass(ClassId(family, n));
}

inline std::vector<std::string> SubkeyNames(HKEY key)
{
    std::vector<std::string> names;
    std::vector<char> name(256);
    for (DWORD i = 0;; i++)
    {
        DWORD size = (DWORD)name.size();
        LONG result = RegEnumKeyExA(key, i, name.data(), &size, NULL, NULL, NULL, NULL);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS)
            names.push_back(name.data());
    }
    return names;
}

struct WalkedControl
{
    std::string classId;
    std::string displayName;
};

// Every class with subkeys "Control" and "ProgID"; a class whose subkeys
// spell either name in another case is left out (ambiguous reports them
// here), so the comparison holds whichever way the catalogue treats case.
inline std::vector<WalkedControl> IndependentWalk(std::vector<std::string>* ambiguous = NULL)
{
    std::vector<WalkedControl> controls;
    HKEY clsid = NULL;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &clsid) != ERROR_SUCCESS)
        return controls;
    for (const std::string& classId : SubkeyNames(clsid))
    {
        HKEY key = NULL;
        if (RegOpenKeyExA(clsid, classId.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        bool control = false, progId = false, otherCase = false;
        for (const std::string& name : SubkeyNames(key))
        {
            control = control || name == "Control";
            progId = progId || name == "ProgID";
            otherCase = otherCase || ((_stricmp(name.c_str(), "Control") == 0 && name != "Control") ||
                                      (_stricmp(name.c_str(), "ProgID") == 0 && name != "ProgID"));
        }
        std::string displayName = classId;
        DWORD size = 0;
        DWORD type = 0;
        if (RegQueryValueExA(key, NULL, NULL, &type, NULL, &size) == ERROR_SUCCESS && type == REG_SZ)
        {
            std::vector<char> value(size + 1, '\0');
            if (RegQueryValueExA(key, NULL, NULL, &type, (BYTE*)value.data(), &size) == ERROR_SUCCESS)
                displayName = value.data();
        }
        RegCloseKey(key);
        if (otherCase)
        {
            if (ambiguous)
                ambiguous->push_back(classId);
            continue;
        }
        if (control && progId)
            controls.push_back({ classId, displayName });
    }
    RegCloseKey(clsid);
    return controls;
}
}
