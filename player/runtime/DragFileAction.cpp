#include "DragFileAction.h"

#include "ImpIDataObject.h"
#include "ImpIDropSource.h"

#include <new>
#include <vector>

namespace Tarvex {

namespace {

// The text of a value under HKEY_CURRENT_USER\key; FALSE when it cannot be read.
BOOL ReadRegistryPath(const char* key, const char* valueName, CStr& text)
{
    HKEY opened = NULL;
    // Only read: asking for full access fails on a key the user may only read.
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return FALSE;
    BOOL done = FALSE;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(opened, valueName, NULL, &type, NULL, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size <= 65536)
    {
        // One byte more than stored: a value written without its zero
        // would otherwise be read past its end.
        std::vector<char> buffer(size + 1, '\0');
        DWORD read = size;
        if (RegQueryValueExA(opened, valueName, NULL, &type, reinterpret_cast<BYTE*>(&buffer[0]), &read) ==
                ERROR_SUCCESS && read <= size)
        {
            buffer[read] = '\0';
            text = &buffer[0];
            done = TRUE;
        }
    }
    RegCloseKey(opened);
    return done;
}

} // namespace

CDragAction::CDragAction(const char* typeName, const char* section, CElement* parent)
    : CScriptItem(typeName, section, parent), m_dropSource(NULL)
{
    if (CImpIDropSource* source = new (std::nothrow) CImpIDropSource)
        source->QueryInterface(IID_IDropSource, reinterpret_cast<void**>(&m_dropSource));
}

CDragAction::~CDragAction()
{
    if (m_dropSource)
        m_dropSource->Release();
}

void CDragAction::LoadAction(const CDataFile& file, const char* section)
{
    CStr flag;
    file.GetString(section, "flag", flag);
    if (flag == "registry")
    {
        CStr key;
        CStr valueName;
        file.GetString(section, "registryKey", key);
        file.GetString(section, "registryValueName", valueName);
        ReadRegistryPath(key, valueName, m_path);
    }
    else
    {
        file.GetString(section, "path", m_path);
    }
}

int CDragAction::Execute()
{
    if (!m_dropSource)
        return ResultGoOn;
    CImpIDataObject* data = new (std::nothrow) CImpIDataObject(m_path);
    if (!data)
        return ResultGoOn;
    FORMATETC format = { CF_HDROP, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL };
    STGMEDIUM medium = {};
    medium.tymed = TYMED_HGLOBAL;
    data->SetData(&format, &medium, TRUE);
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data, m_dropSource, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    data->Release();
    return ResultGoOn;
}

} // namespace Tarvex
