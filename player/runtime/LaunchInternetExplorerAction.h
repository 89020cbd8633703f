// LaunchInternetExplorer at run time: an address opened in a new browser
// window of fixed size and no bars, through a hidden web browser control.
#pragma once

#include "player/runtime/ScriptItem.h"

#include <string>

namespace Tarvex {

class CLaunchInternetExplorerAction : public CScriptItem
{
public:
    CLaunchInternetExplorerAction(const char* typeName, const char* section, CElement* parent);

    // The address (from "variableName" when it holds text) opened through
    // the player's browser host, or "path" through the shell when the host
    // has no web browser; ResultGoOn.
    int Execute() override;

    // The address after the variable and the substitution.
    CStr GetAddress() const;

protected:
    void LoadAction(const CDataFile& file, const char* section) override;

private:
    CStr m_variableName;
    CStr m_path;
};

// The page given to the browser control: a script that opens address in
// the new window ('\' turned into '/').
std::wstring BuildBrowserPageText(const char* address);

} // namespace Tarvex
