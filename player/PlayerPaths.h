// The player's process-wide paths: the start argument, the base folder of
// the archive that was opened, and the helpers that make relative paths of
// pages, pictures, sounds and programs absolute against them.
#pragma once

#include "model/common/Str.h"

#include <windows.h>

// Set once at start-up, with the instance whose file ResolvePath falls back to.
void SetProjectPath(HINSTANCE instance, const char* path);
CStr GetProjectPath();
HINSTANCE GetProjectInstance();

// The folder of filePath, always with a trailing backslash.
void SetBaseFolder(const char* filePath);
CStr GetBaseFolder();

// A path holding ':' as it is; any other joined to the base folder (to the
// program's own folder while the base folder is empty) and canonicalised;
// empty when the result would be MAX_PATH characters or more.
CStr ResolvePath(const char* path);

// The last '.' of the last path component, or its terminating zero.
char* FindExtension(char* name);
const char* FindExtension(const char* name);
void StripExtension(char* name);
// Appends ext only when the name has no extension; size bounds the buffer.
void AddExtension(char* name, const char* ext, size_t size = MAX_PATH);
void ReplaceExtension(char* name, const char* ext, size_t size = MAX_PATH);
