#include "player/AppBarSettings.h"

#include "player/runtime/RegistryText.h"

#include <shellapi.h>
#include <string.h>

namespace {

const char kMain[] = "Main";
const DWORD kPositionBytes = 10;

// Owns an opened key; closed on every path.
class CRegistryKey
{
public:
    CRegistryKey() : m_key(NULL) {}
    ~CRegistryKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    // Querying is all the page needs: a key open to reading only (or a
    // user without write rights) would otherwise lose its settings.
    BOOL Open(const char* name)
    {
        return RegOpenKeyExA(HKEY_CURRENT_USER, name, 0, KEY_QUERY_VALUE, &m_key) == ERROR_SUCCESS;
    }

    void ReadFlag(const char* name, BOOL& value) const
    {
        DWORD type = 0;
        DWORD data = 0;
        DWORD size = sizeof(data);
        if (RegQueryValueExA(m_key, name, NULL, &type, reinterpret_cast<BYTE*>(&data), &size) == ERROR_SUCCESS &&
            type == REG_DWORD && size == sizeof(data))
            value = data == 1;
    }

    // A text of at most kPositionBytes; a longer one counts as missing.
    void ReadPosition(CStr& value) const
    {
        Tarvex::ReadRegistryText(m_key, "Position", kPositionBytes, value, Tarvex::RegistryPlainTextOnly);
    }

private:
    HKEY m_key;
};

} // namespace

UINT EdgeFromPosition(const char* position)
{
    if (!position)
        return ABE_RIGHT;
    if (strcmp(position, "top") == 0)
        return ABE_TOP;
    if (strcmp(position, "bottom") == 0)
        return ABE_BOTTOM;
    if (strcmp(position, "left") == 0)
        return ABE_LEFT;
    return ABE_RIGHT;
}

CAppBarSettings ReadAppBarSettings(const CDataFile& page)
{
    CAppBarSettings settings = { TRUE, TRUE, FALSE, ABE_RIGHT };
    CStr position;
    CStr flag;
    CStr keyName;
    page.GetString(kMain, "flag", flag);
    page.GetString(kMain, "registryKey", keyName);
    CRegistryKey key;
    if (flag == "registry" && key.Open(keyName))
    {
        key.ReadFlag("appbar", settings.appBar);
        key.ReadFlag("OnTop", settings.alwaysOnTop);
        key.ReadPosition(position);
        key.ReadFlag("AutoHide", settings.autoHide);
    }
    else
    {
        page.GetBool(kMain, "appbar", settings.appBar);
        page.GetBool(kMain, "AppBar_AlwaysOnTop", settings.alwaysOnTop);
        page.GetString(kMain, "Position", position);
        page.GetBool(kMain, "AppBar_AutoHide", settings.autoHide);
    }
    settings.edge = EdgeFromPosition(position);
    return settings;
}
