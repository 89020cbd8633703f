#include "model/common/MessageLog.h"

#include "model/common/MessageReporter.h"

#include <string>
#include <vector>

namespace {

struct LoggedAnswer
{
    std::string match;
    int answer;
};

char g_logPath[MAX_PATH];
std::vector<LoggedAnswer> g_answers;

int AnswerFromName(const std::string& name)
{
    static const struct { const char* name; int answer; } kNames[] = {
        { "OK", IDOK }, { "CANCEL", IDCANCEL }, { "ABORT", IDABORT }, { "RETRY", IDRETRY },
        { "IGNORE", IDIGNORE }, { "YES", IDYES }, { "NO", IDNO },
    };
    for (const auto& entry : kNames)
    {
        if (lstrcmpiA(entry.name, name.c_str()) == 0)
            return entry.answer;
    }
    return 0;
}

// "match=ANSWER" lines; the match is split at the last '=' since box texts
// may hold one themselves. Lines that name no answer are skipped.
void ReadAnswers(const char* variable)
{
    g_answers.clear();
    std::string name = std::string(variable) + "_ANSWERS";
    DWORD length = GetEnvironmentVariableA(name.c_str(), NULL, 0);
    if (length == 0)
        return;
    std::vector<char> text(length);
    DWORD got = GetEnvironmentVariableA(name.c_str(), text.data(), length);
    if (got == 0 || got >= length)
        return;
    std::string all(text.data(), got);
    size_t start = 0;
    while (start <= all.size())
    {
        size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        std::string line = all.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t equals = line.rfind('=');
        if (equals != std::string::npos)
        {
            int answer = AnswerFromName(line.substr(equals + 1));
            if (answer != 0)
                g_answers.push_back({ line.substr(0, equals), answer });
        }
        start = end + 1;
    }
}

int WINAPI AppendToMessageLog(HWND owner, const char* text, const char* caption, UINT flags)
{
    (void)owner;
    std::string line = caption ? caption : "";
    line += '\t';
    line += text ? text : "";
    char number[16];
    wsprintfA(number, "\t%u\r\n", flags);
    line += number;
    HANDLE file = CreateFileA(g_logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file != INVALID_HANDLE_VALUE)
    {
        DWORD written = 0;
        WriteFile(file, line.data(), (DWORD)line.size(), &written, NULL);
        CloseHandle(file);
    }
    for (const LoggedAnswer& entry : g_answers)
    {
        if (entry.match == (caption ? caption : "") || entry.match == (text ? text : ""))
            return entry.answer;
    }
    return DefaultMessageAnswer(flags);
}

} // namespace

int DefaultMessageAnswer(UINT flags)
{
    static const int kButtons[][3] = {
        { IDOK, IDOK, IDOK },                 // MB_OK
        { IDOK, IDCANCEL, IDCANCEL },         // MB_OKCANCEL
        { IDABORT, IDRETRY, IDIGNORE },       // MB_ABORTRETRYIGNORE
        { IDYES, IDNO, IDCANCEL },            // MB_YESNOCANCEL
        { IDYES, IDNO, IDNO },                // MB_YESNO
        { IDRETRY, IDCANCEL, IDCANCEL },      // MB_RETRYCANCEL
        { IDCANCEL, IDTRYAGAIN, IDCONTINUE }, // MB_CANCELTRYCONTINUE
    };
    UINT set = flags & MB_TYPEMASK;
    if (set >= sizeof(kButtons) / sizeof(kButtons[0]))
        return IDOK;
    UINT which = (flags & MB_DEFMASK) >> 8;
    if (which > 2)
        which = 0;
    return kButtons[set][which];
}

void InstallMessageLogFromEnvironment(const char* variable)
{
    DWORD length = GetEnvironmentVariableA(variable, g_logPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    ReadAnswers(variable);
    SetMessageReporter(AppendToMessageLog);
}
