#include "player/runtime/LaunchInternetExplorerAction.h"

#include "player/Application.h"
#include "platform/atl/AtlImports.h"
#include "player/runtime/VariableScopes.h"

#include <exdisp.h>
#include <shellapi.h>

#include <stdio.h>
#include <vector>

namespace Tarvex {

namespace {

// The player's one browser host, kept until the player ends.
HWND g_browserHost;

HWND BrowserHost()
{
    if (g_browserHost && IsWindow(g_browserHost))
        return g_browserHost;
    g_browserHost = NULL;
    HWND main = GetMainWindowHandle();
    if (!main || !AtlAxWinInit())
        return NULL;
    g_browserHost = CreateWindowExA(0, "AtlAxWin", "shell.explorer", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 1, 1,
                                    main, NULL, GetModuleHandleA(NULL), NULL);
    return g_browserHost;
}

IWebBrowser2* HostedBrowser(HWND host)
{
    IUnknown* control = NULL;
    if (!host || FAILED(AtlAxGetControl(host, &control)) || !control)
        return NULL;
    IWebBrowser2* browser = NULL;
    if (FAILED(control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser))))
        browser = NULL;
    control->Release();
    return browser;
}

bool IsPlainAddressCharacter(wchar_t c)
{
    if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9'))
        return true;
    return c != 0 && wcschr(L"/:.-_~?=&,;+!*()@$", c) != NULL;
}

} // namespace

std::wstring BuildBrowserPageText(const char* address)
{
    std::wstring wide;
    int length = MultiByteToWideChar(CP_ACP, 0, address, -1, NULL, 0);
    if (length > 1)
    {
        std::vector<wchar_t> buffer(length);
        MultiByteToWideChar(CP_ACP, 0, address, -1, &buffer[0], length);
        wide.assign(&buffer[0], length - 1);
    }
    // Every other character as a script escape: a quote, "</script>" or a
    // '%' in the address would otherwise end the string or the page and run
    // script of the address's choosing.
    std::wstring escaped;
    for (wchar_t c : wide)
    {
        if (c == L'\\')
            c = L'/';
        if (IsPlainAddressCharacter(c))
        {
            escaped += c;
            continue;
        }
        wchar_t code[8];
        swprintf(code, 8, L"\\u%04X", (unsigned)c);
        escaped += code;
    }
    return L"about:<html><body><script language=\"Javascript\">window.open('" + escaped +
           L"', null, 'status=no,toolbar=no,location=no,menu=no,width=610,height=300,resizable=yes,top=100,"
           L"left=30,scrollbars=yes');</script></body></html>";
}

CLaunchInternetExplorerAction::CLaunchInternetExplorerAction(const char* typeName, const char* section,
                                                             CElement* parent)
    : CScriptItem(typeName, section, parent)
{
}

void CLaunchInternetExplorerAction::LoadAction(const CDataFile& file, const char* section)
{
    file.GetString(section, "variableName", m_variableName);
    file.GetString(section, "path", m_path);
}

CStr CLaunchInternetExplorerAction::GetAddress() const
{
    CStr address = m_path;
    if (!m_variableName.IsEmpty())
    {
        CVariable* variable = LookupVariable(m_variableName);
        if (variable && variable->value.vt == VT_BSTR)
            address = VariantText(variable->value);
    }
    SubstituteVariables(address);
    return address;
}

int CLaunchInternetExplorerAction::Execute()
{
    CStr address = GetAddress();
    IWebBrowser2* browser = HostedBrowser(BrowserHost());
    if (!browser)
    {
        ShellExecuteA(GetMainWindowHandle(), "open", m_path, NULL, NULL, SW_SHOWNORMAL);
        return ResultGoOn;
    }
    BSTR page = SysAllocString(BuildBrowserPageText(address).c_str());
    VARIANT empty;
    VariantInit(&empty);
    if (page)
        browser->Navigate(page, &empty, &empty, &empty, &empty);
    SysFreeString(page);
    browser->Release();
    return ResultGoOn;
}

} // namespace Tarvex
