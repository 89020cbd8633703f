#include "tests/e2e/EditorProcess.h"

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
