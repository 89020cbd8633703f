#include "tests/e2e/EditorProcess.h"

#include "tests/e2e/PlayerProcess.h"

std::string LumbrookFolder()
{
    return WindowsPathOf(LUMBROOK_DIR) + "\\";
}

std::string LumbrookBinFolder()
{
    return LumbrookFolder() + "Bin\\";
}

std::string EditorExePath()
{
    return LumbrookBinFolder() + "LumbrookConfig.exe";
}

bool EditorProcess::StartAndShow(const std::string& arguments)
{
    return Start(EditorExePath(), arguments) && WaitForWindow(true) != NULL;
}

HWND EditorProcess::Toolbar() const
{
    return FindChildOfClass(Window(), TOOLBARCLASSNAMEA);
}

HWND EditorProcess::StatusBar() const
{
    return FindChildOfClass(Window(), STATUSCLASSNAMEA);
}

HWND EditorProcess::Tree() const
{
    return FindChildOfClass(Window(), WC_TREEVIEWA);
}

namespace {

// The splitter's pane after the tree's (AFX_IDW_PANE_FIRST + 1).
const int kPageViewPane = 59648 + 1;

} // namespace

HWND EditorProcess::PageView() const
{
    struct Search
    {
        HWND found;
        static BOOL CALLBACK Match(HWND window, LPARAM param)
        {
            if (GetDlgCtrlID(window) != kPageViewPane)
                return TRUE;
            reinterpret_cast<Search*>(param)->found = window;
            return FALSE;
        }
    } search = { NULL };
    EnumChildWindows(Window(), Search::Match, (LPARAM)&search);
    return search.found;
}

bool EditorProcess::SaveEnabled() const
{
    const int kFileSave = 57603;
    for (const RemoteToolbarButton& button : ReadToolbarButtons(Toolbar()))
        if (button.command == kFileSave)
            return button.IsEnabled();
    return false;
}

bool EditorProcess::SaveAndWait(const std::string& archive)
{
    const int kFileSave = 57603;
    // The change to save is made first: the idle update has enabled Save.
    if (!WaitUntil([&] { return SaveEnabled(); }))
        return false;
    FileStamp before = StampOf(archive);
    return PostCommand(kFileSave) && WaitForArchiveSaved(archive, before);
}
