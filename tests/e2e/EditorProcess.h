// The editor as a user meets it: started from the installed layout
// (build/Lumbrook/Bin/LumbrookConfig.exe), its main frame found by its
// window class, its toolbar, status bar and object tree read from outside.
#pragma once

#include "tests/e2e/WindowDriver.h"

#include <string>

// The installed layout's folders as Windows paths, each ending with '\'.
std::string LumbrookFolder();
std::string LumbrookBinFolder();
std::string EditorExePath();

// The editor's settings under HKEY_CURRENT_USER.
const char kEditorSettingsKey[] = "Software\\Dunmarrow Software\\LumbrookConfig";

class EditorProcess : public ProgramProcess
{
public:
    // The main frame registers this class of its own; boxes go to the file
    // named by LUMBROOK_MESSAGE_LOG.
    EditorProcess() : ProgramProcess("QNDL_EDITORFRAME", "LUMBROOK_MESSAGE_LOG") {}

    // Starts the installed editor and waits for its visible frame.
    bool StartAndShow(const std::string& arguments = "");

    HWND Toolbar() const;
    HWND StatusBar() const;
    HWND Tree() const;
    // The page view: the right pane of the frame's splitter.
    HWND PageView() const;
    // The toolbar's Save button is enabled (the project is modified), as
    // the editor's idle update left it after its last command.
    bool SaveEnabled() const;
    // Saves the modified project at archive through the posted Save
    // command and waits until the save is done (WaitForArchiveSaved): the
    // archive is to be read only then, or a read could collide with the
    // editor replacing it.
    bool SaveAndWait(const std::string& archive);
};
