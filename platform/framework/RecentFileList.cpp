#include "platform/framework/WinApp.h"

#include "platform/framework/Wnd.h"

#include <stdio.h>
#include <string.h>

CRecentFileList::CRecentFileList(UINT start, const char* section, const char* entryFormat, int size,
                                 int maxDisplayLength)
    : m_nStart(start), m_strSectionName(section), m_strEntryFormat(entryFormat),
      m_nMaxDisplayLength(maxDisplayLength), m_names(size > 0 ? size : 1)
{
}

void CRecentFileList::Add(const char* path)
{
    char full[MAX_PATH];
    std::string name = ::GetFullPathNameA(path, sizeof(full), full, NULL) > 0 ? full : path;
    size_t at = 0;
    while (at + 1 < m_names.size() && _stricmp(m_names[at].c_str(), name.c_str()) != 0)
        ++at;
    // Everything above the old place (or the last entry) moves down one.
    for (; at > 0; --at)
        m_names[at] = m_names[at - 1];
    m_names[0] = name;
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= (int)m_names.size())
        return;
    m_names.erase(m_names.begin() + index);
    m_names.push_back(std::string());
}

void CRecentFileList::ReadList()
{
    CWinApp* app = AfxGetApp();
    if (app == NULL)
        return;
    for (size_t i = 0; i < m_names.size(); ++i)
    {
        char entry[64];
        snprintf(entry, sizeof(entry), m_strEntryFormat.c_str(), (int)(i + 1));
        m_names[i] = app->GetProfileString(m_strSectionName.c_str(), entry, "");
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* app = AfxGetApp();
    if (app == NULL)
        return;
    // The section is written anew, so removed entries do not linger.
    app->WriteProfileString(m_strSectionName.c_str(), NULL, NULL);
    for (size_t i = 0; i < m_names.size(); ++i)
    {
        if (m_names[i].empty())
            continue;
        char entry[64];
        snprintf(entry, sizeof(entry), m_strEntryFormat.c_str(), (int)(i + 1));
        app->WriteProfileString(m_strSectionName.c_str(), entry, m_names[i].c_str());
    }
}

BOOL CRecentFileList::GetDisplayName(std::string& name, int index) const
{
    if (index < 0 || index >= (int)m_names.size() || m_names[index].empty())
        return FALSE;
    name = m_names[index];
    if ((int)name.size() > m_nMaxDisplayLength)
    {
        // Long paths show their drive or share, "...", and the file name.
        size_t slash = name.find_last_of("\\/");
        std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
        std::string root = name.size() > 3 && name[1] == ':' ? name.substr(0, 3) : std::string();
        name = root.empty() || (int)(root.size() + file.size() + 4) > m_nMaxDisplayLength ? file : root + "...\\" + file;
    }
    // A single '&' would underline the next letter.
    for (size_t at = name.find('&'); at != std::string::npos; at = name.find('&', at + 2))
        name.insert(at, 1, '&');
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* cmdUI)
{
    CMenu* menu = cmdUI->m_pMenu;
    if (menu == NULL)
        return;
    if (m_strOriginal.empty())
    {
        char text[256] = "";
        menu->GetMenuString(cmdUI->m_nIndex, text, sizeof(text), MF_BYPOSITION);
        m_strOriginal = text;
    }
    if (m_names[0].empty())
    {
        if (!m_strOriginal.empty())
            cmdUI->SetText(m_strOriginal.c_str());
        cmdUI->Enable(FALSE);
        return;
    }
    // Remove this list's items, then insert one per entry at the same place.
    for (size_t i = 0; i < m_names.size(); ++i)
        menu->DeleteMenu(cmdUI->m_nID + (UINT)i, MF_BYCOMMAND);
    UINT at = cmdUI->m_nIndex;
    for (size_t i = 0; i < m_names.size(); ++i)
    {
        std::string display;
        if (!GetDisplayName(display, (int)i))
            break;
        char text[MAX_PATH + 16];
        snprintf(text, sizeof(text), "&%d %s", (int)(i + 1 + m_nStart), display.c_str());
        menu->InsertMenu(at++, MF_BYPOSITION | MF_STRING, cmdUI->m_nID + (UINT)i, text);
    }
    // The caller's walk goes on after the inserted items.
    cmdUI->m_nIndex = at - 1;
    cmdUI->m_nIndexMax = menu->GetMenuItemCount();
    cmdUI->m_bEnableChanged = TRUE;
}
