// The program-wide folders of an installation: projects ("Projects\") and
// the default content ("Content\") live beside the program's own folder
// (Bin\), and the author may name a content folder of their own in the
// preferences. Set at start-up and at each new document.
#pragma once

#include "model/common/Str.h"

// The folder that holds the program's folder, with a trailing backslash:
// "C:\A\Bin\prog.exe" gives "C:\A\". A program whose folder is a drive's
// or share's root has nothing above it: its own folder is used.
CStr GetInstallationFolder(const char* programPath);
// "Projects\" and "Content\" in the installation folder.
CStr MakeProjectsFolder(const char* programPath);
CStr MakeContentFolder(const char* programPath);
// The path of the running program.
CStr GetProgramPath();

void SetProjectsFolder(const char* folder);
CStr GetProjectsFolder();
void SetContentFolder(const char* folder);
CStr GetContentFolder();
// Empty while the author chose none.
void SetUserContentFolder(const char* folder);
CStr GetUserContentFolder();
// Both content folders as every new document sets them: the installation's
// "Content\", and the author's from the setting "UsersDefaultContentPath".
void ResetContentFolders();
