// Shared helpers of the unit tests: a recorder that stands in for message
// boxes, and a scratch folder that is removed again.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Polls condition until it holds or timeoutMs pass: what a test waits for,
// never a fixed sleep. TRUE when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

struct RecordedMessage
{
    std::string text;
    std::string caption;
    UINT flags;
    bool hasOwner;
};

// While it lives, every ReportMessage call is recorded instead of shown.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<RecordedMessage>& Messages() const;
    void Clear();
};

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

// A person's typing into an edit control: one WM_CHAR a character, the
// messages it caused handled before the next (timers left to their loop).
void TypeKeys(HWND control, const char* text);
// Select all, then Backspace, as a person empties a field.
void ClearByKeys(HWND control);

// The folder of the running test program, ending with '\'; the fixtures
// are built beside it or in the folder above.
std::string TestProgramFolder();

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// The default text value of HKEY_CURRENT_USER\key; "<none>" when it has none.
std::string ReadUserDefaultValue(const char* key);
