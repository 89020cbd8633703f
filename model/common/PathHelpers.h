// Helpers for file-system paths. Every path is a caller-owned, NUL-terminated
// ANSI buffer of at least MAX_PATH characters and is changed in place; a
// helper whose result would not fit in MAX_PATH leaves the buffer as it was.
#pragma once

#include <windows.h>

// Appends '\' unless the path already ends with one; FALSE when it would not fit.
BOOL AddBackslash(char* path);
// Drops one trailing '\'.
void RemoveBackslash(char* path);
// TRUE when the path holds no drive or device part (no ':').
BOOL IsRelativePath(const char* path);
// TRUE when a file or folder matches the path (wildcards allowed).
BOOL FileExists(const char* path);

// The last component; for a path that ends with a separator, the last
// component with that separator ("C:\a\b\" gives "b\").
char* GetFileNamePart(char* path);
const char* GetFileNamePart(const char* path);
// Cuts the path where GetFileNamePart points; the separator before it stays.
void RemoveFileSpec(char* path);
// The text after the next '\', or NULL when none or nothing follows it.
char* NextPathComponent(char* text);
const char* NextPathComponent(const char* text);

// Rebuilds in into out without "." and ".." components; out may be in.
// FALSE (out unchanged) when the result would not fit.
BOOL CanonicalizePath(char* out, const char* in);
// Joins relative to folder and canonicalises the result into folder.
// FALSE (folder unchanged) when the result would not fit.
BOOL AppendPath(char* folder, const char* relative);

// Shortens the path to fit width pixels in the DC's font as a leading part,
// "...\" and the file name; never makes it longer. FALSE when it cannot be
// shortened (the path is only a file name, or too short to abbreviate).
BOOL CompactPathToWidth(HDC dc, char* path, int width);
// Shows the path in a dialog control, compacted to the control's client
// width in the control's own font; nothing when the control is missing.
void SetDlgItemPath(HWND dialog, int controlId, const char* path);
