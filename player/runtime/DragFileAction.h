// Drag File at run time: one file dragged out of the page, onto the
// desktop, a folder or another program.
#pragma once

#include "player/runtime/ScriptItem.h"

#include <ole2.h>

namespace Tarvex {

class CDragAction : public CScriptItem
{
public:
    CDragAction(const char* typeName, const char* section, CElement* parent);
    ~CDragAction() override;

    // Runs OLE's modal drag loop with the path as a shell file list until
    // the drop or the cancel; the script waits for it. ResultGoOn.
    int Execute() override;

    const CStr& GetPath() const { return m_path; }

protected:
    // "path"; with "flag" "registry" the text of "registryValueName" under
    // HKEY_CURRENT_USER\"registryKey" instead (empty when unreadable).
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CStr m_path;
    IDropSource* m_dropSource;
};

} // namespace Tarvex
