// A random-command soak of the editor: from a fixed seed it drives the
// installed editor as an author would, with the menus' and accelerators'
// commands, arrow keys and page switches in the object tree, closing every
// sheet and dialog a command opens before the next one. A message box that
// no step expects fails it, as do a dialog that stays, an end of the editor
// and a saved archive that does not load; the failure names the step and
// the seed that replay it. After every save
// the archive is read back and every page loaded. The end-to-end test runs
// a few hundred steps; the bench runs the same program for thousands.
#pragma once

#include <string>
#include <vector>

struct SoakResult
{
    bool ok = false;
    std::string failure;   // what went wrong at which step, when not ok
    int steps = 0;         // commands carried out
    int saves = 0;         // saves read back
    int dialogs = 0;       // sheets and dialogs closed
    int boxes = 0;         // boxes that a step expected (the delete question)
    int pagesLoaded = 0;   // pages loaded from saved archives
};

// Runs steps random commands from seed on a project written into folder
// (a Windows path ending with '\').
SoakResult RunEditorSoak(unsigned seed, int steps, const std::string& folder);
