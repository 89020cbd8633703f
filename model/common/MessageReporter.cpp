#include "model/common/MessageReporter.h"

static int WINAPI ShowMessageBox(HWND owner, const char* text, const char* caption, UINT flags)
{
    return MessageBoxA(owner, text, caption, flags);
}

static MessageReporterFn g_reporter = ShowMessageBox;

int ReportMessage(HWND owner, const char* text, const char* caption, UINT flags)
{
    return g_reporter(owner, text, caption, flags);
}

MessageReporterFn SetMessageReporter(MessageReporterFn reporter)
{
    MessageReporterFn previous = g_reporter;
    g_reporter = reporter ? reporter : ShowMessageBox;
    return previous;
}
