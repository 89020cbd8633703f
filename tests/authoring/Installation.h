// An installation's program folder as the disc folder's preparation reads
// it: the player as "tarvex.dat", its icon and the libraries, for the
// test's life.
#pragma once

#include "authoring/ProjectFolder.h"
#include "tests/support/TestSupport.h"

#include <string>

struct Installation
{
    ScratchDir bin;
    Installation()
    {
        WriteWholeFile(bin.File("tarvex.dat"), "new player");
        WriteWholeFile(bin.File("tarvex.ico"), "icon");
        for (const char* name : { "giflib32.dll", "ijl10.dll", "msvcrt.dll" })
            WriteWholeFile(bin.File(name), std::string("new ") + name);
        SetRuntimeSourceFolder(bin.Path().c_str());
    }
    ~Installation() { SetRuntimeSourceFolder(""); }
};
