// Packs page data files kept as text into a project archive: the build's
// step from samples/sample/ to the disc's tarvex.pqz.
#pragma once

#include <string>
#include <vector>

// Each page becomes one archive member named after its file (no folder), in
// the order given, so the first page is the one the player shows first.
// Blank lines, kept for reading, are left out. False with the reason in
// error when a page cannot be read or the archive cannot be written.
bool PackProject(const std::string& archivePath, const std::vector<std::string>& pagePaths,
                 std::string& error);

// The file part of a path ('/' or '\' separated).
std::string FilePart(const std::string& path);
