// A document type registered with the shell under HKEY_CLASSES_ROOT, with
// nothing but the registry: kept apart so that a program can take this step
// without the rest of the framework.
#pragma once

#include <windows.h>

#include <string>

// The type's name, its icon (the module's first), its open command and, with
// printEntries, its print and print-to commands; the extension (".xyz") is
// pointed at the type unless another type holds it. FALSE when the type's
// key cannot be written.
BOOL RegisterShellDocumentType(const std::string& typeId, const std::string& typeName, const std::string& ext,
                               const std::string& module, BOOL printEntries);
// The default value of a key under HKEY_CLASSES_ROOT; empty when none.
std::string GetShellClassesValue(const std::string& key);
