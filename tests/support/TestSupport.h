// Shared helpers of the unit tests: a scratch folder that is removed again,
// files read and written whole. Message boxes: tests/support/BoxRule.h.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Polls condition until it holds or timeoutMs pass: what a test waits for,
// never a fixed sleep. TRUE when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

// A fresh folder under the temporary folder, deleted with its contents.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();
    const std::string& Path() const { return m_path; }   // ends with '\'
    std::string File(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

// The folder of the running test program, ending with '\'; the fixtures
// are built beside it or in the folder above.
std::string TestProgramFolder();

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// The default text value of HKEY_CURRENT_USER\key; "<none>" when it has none.
std::string ReadUserDefaultValue(const char* key);
