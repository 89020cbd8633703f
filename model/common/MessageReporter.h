// Every message box of the model goes through one process-wide reporter, so
// that a test can record the boxes instead of waiting on them.
#pragma once

#include <windows.h>

typedef int (WINAPI *MessageReporterFn)(HWND owner, const char* text, const char* caption, UINT flags);

// Shows the box through the current reporter (MessageBoxA by default).
int ReportMessage(HWND owner, const char* text, const char* caption, UINT flags);

// Installs a reporter and returns the previous one; NULL restores MessageBoxA.
MessageReporterFn SetMessageReporter(MessageReporterFn reporter);
