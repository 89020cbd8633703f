// The actions that reach outside the player, run by a page's script in the
// real player: a program started, documents and a folder opened by the
// handlers registered for them (the recorder fixture), a message posted to
// a window of this test by class and to every window, a sound that cannot
// play, a property written and read back, a cookie written and read in one
// run, and the browser window asked for. The script saves what it saw.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"
#include "tests/player/ScriptFileBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

UINT g_postMessage;
LPARAM g_posted = -1;
LPARAM g_broadcast = -1;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == g_postMessage && wparam == 5)
        g_posted = lparam;
    if (message == g_postMessage && wparam == 7)
        g_broadcast = lparam;
    return DefWindowProcA(window, message, wparam, lparam);
}

void SetClassesDefault(const char* key, const std::string& value)
{
    HKEY opened = NULL;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, NULL, 0, KEY_SET_VALUE, NULL, &opened, NULL) != ERROR_SUCCESS)
        return;
    RegSetValueExA(opened, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), (DWORD)value.size() + 1);
    RegCloseKey(opened);
}

// The recorder as the handler of ".tvxplay" documents and of folders, in
// the test prefix for the test's time; the keys of our own type go deepest
// first, of the folders' only the command (the rest is the prefix's).
class RecorderHandlers
{
public:
    RecorderHandlers()
    {
        std::string command = "\"" + TestProgramFolder() + "..\\recorder.exe\" \"%1\"";
        SetClassesDefault(".tvxplay", "TarvexPlayerRecorder.Document");
        SetClassesDefault("TarvexPlayerRecorder.Document\\shell\\open\\command", command);
        SetClassesDefault("Folder\\shell\\open\\command", command);
    }
    ~RecorderHandlers()
    {
        const char* const keys[] = {
            "TarvexPlayerRecorder.Document\\shell\\open\\command",
            "TarvexPlayerRecorder.Document\\shell\\open",
            "TarvexPlayerRecorder.Document\\shell",
            "TarvexPlayerRecorder.Document",
            ".tvxplay",
            "Folder\\shell\\open\\command",
        };
        for (const char* key : keys)
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key);
    }
};

// Where the registering fixture writes its server's path.
const char kClassKey[] = "Software\\Classes\\CLSID\\{7A1C3E55-2B9D-4F61-9C0E-5D1A7B3C9E21}";
const char kServerKey[] = "Software\\Classes\\CLSID\\{7A1C3E55-2B9D-4F61-9C0E-5D1A7B3C9E21}\\InprocServer32";

bool HasAll(const std::string& text, const std::vector<std::string>& parts)
{
    for (const std::string& part : parts)
    {
        if (text.find(part) == std::string::npos)
            return false;
    }
    return true;
}

} // namespace

TEST(PlayerSystemActions, APageScriptReachesProgramsWindowsPropertiesAndCookies)
{
    ScratchDir scratch;
    std::string out = scratch.File("seen.zjf");
    std::string log = scratch.File("recorder.log");
    SetEnvironmentVariableA("TARVEX_RECORDER_LOG", log.c_str());
    g_postMessage = RegisterWindowMessageA("TarvexPlayerPostTest");
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TargetProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = "TarvexPlayerPostTarget";
    RegisterClassA(&windowClass);
    HWND target = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    ASSERT_NE(nullptr, target);

    ProjectArchive archive;
    CDataFile* page = archive.AddPage("tarvex.pgd", "System actions");
    page->SetString("Element_1", "type", "Text");
    page->SetString("Element_1", "id", "t");
    page->SetInt("Element_1", "width", 40);
    page->SetInt("Element_1", "height", 20);
    page->SetInt("Main", "numElements", 1);
    page->SetInt("Main", "numScripts", 2);

    ScriptFileBuilder load(*page, "Script_1", "OnLoad");
    std::string run = load.Add("RunProgram");
    page->SetString(run.c_str(), "path", (TestProgramFolder() + "..\\recorder.exe").c_str());
    page->SetString(run.c_str(), "parameters", "from-player");
    // Relative to the archive's folder, as a disc names its documents.
    const struct
    {
        const char* type;
        const char* path;
    } opened[] = {
        { "ShellExecute", "docs\\shell.tvxplay" },
        { "LaunchHtml", "docs\\html.tvxplay" },
        { "OpenFolder", "docs" },
    };
    for (const auto& o : opened)
    {
        std::string open = load.Add(o.type);
        page->SetString(open.c_str(), "path", o.path);
    }
    // To the class, then with no class to every top-level window.
    const struct
    {
        const char* windowClass;
        int wparam;
        long lparam;
    } posts[] = {
        { "TarvexPlayerPostTarget", 5, 6 },
        { "", 7, 8 },
    };
    for (const auto& p : posts)
    {
        std::string post = load.Add("PostMessage");
        page->SetString(post.c_str(), "WindowClass", p.windowClass);
        page->SetInt(post.c_str(), "Message", (int)g_postMessage);
        page->SetInt(post.c_str(), "Wparam", p.wparam);
        page->SetLong(post.c_str(), "Lparam", p.lparam);
    }
    std::string sound = load.Add("PlaySound");
    page->SetString(sound.c_str(), "path", "missing.wav");
    std::string set = load.Add("SetProperty");
    page->SetString(set.c_str(), "controlId", "t");
    page->SetString(set.c_str(), "property", "xpos");
    page->SetInt(set.c_str(), "valueType", VT_I4);
    page->SetString(set.c_str(), "value", "33");
    load.CreateVariable("x", VT_I4, "0");
    std::string get = load.Add("GetProperty");
    page->SetString(get.c_str(), "controlId", "t");
    page->SetString(get.c_str(), "property", "xpos");
    page->SetString(get.c_str(), "variableName", "x");
    std::string setCookie = load.Add("SetCookie");
    page->SetString(setCookie.c_str(), "URL", "http://player.tarvex.test/");
    page->SetString(setCookie.c_str(), "Cookie", "seen");
    page->SetString(setCookie.c_str(), "data", "yes");
    load.CreateVariable("c", VT_BSTR, "");
    std::string getCookie = load.Add("GetCookie");
    page->SetString(getCookie.c_str(), "URL", "http://player.tarvex.test/");
    page->SetString(getCookie.c_str(), "CookieName", "seen");
    page->SetString(getCookie.c_str(), "DataVar", "c");
    // The web control cannot show anything here; the script goes on. The
    // path names no file, so the shell route opens nothing either.
    std::string browse = load.Add("LaunchInternetExplorer");
    page->SetString(browse.c_str(), "path", scratch.File("absent.tvxdoc").c_str());
    std::string call = load.Add("ExecuteGlobalScript");
    page->SetString(call.c_str(), "scriptName", "Finish");

    // A server of our own registers itself; one whose registration fails
    // ends the run.
    for (const char* server : { "tvxregok.dll", "tvxregfail.dll" })
    {
        std::string registration = load.Add("RegisterActiveX");
        page->SetString(registration.c_str(), "Filename", (TestProgramFolder() + "..\\" + server).c_str());
        page->SetBool(registration.c_str(), "Unregister", FALSE);
        page->SetBool(registration.c_str(), "CopyToSystem", FALSE);
    }
    load.SaveToFile(out.c_str(), "after", "", "ran");

    ScriptFileBuilder finish(*page, "Script_2", "Finish");
    finish.SaveToFile(out.c_str(), "x", "x");
    finish.SaveToFile(out.c_str(), "c", "c");

    RecorderHandlers handlers;
    CreateDirectoryA(scratch.File("docs").c_str(), NULL);
    WriteWholeFile(scratch.File("docs\\shell.tvxplay"), "shell");
    WriteWholeFile(scratch.File("docs\\html.tvxplay"), "html");
    const std::vector<std::string> started = {
        "recorder.exe\" from-player\t",
        scratch.File("docs\\shell.tvxplay") + "\"\t",
        scratch.File("docs\\html.tvxplay") + "\"\t",
        scratch.File("docs") + "\"\t",
    };

    std::string archivePath = scratch.File("system.pqz");
    ASSERT_TRUE(archive.Write(archivePath));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), "\"" + archivePath + "\""));

    // This thread's window answers while the script runs: opening a folder
    // asks every top-level window for its document server.
    std::string recorded;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kPlayerWaitMs &&
           (!player.WaitForWindow(true, 0) || ReadSavedValue(out, "c") == "<none>" || g_posted == -1 ||
            g_broadcast == -1 || !HasAll(recorded, started)))
    {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        recorded = ReadWholeFile(log);
        Sleep(20);
    }
    EXPECT_TRUE(player.SawVisibleWindow());
    EXPECT_EQ("33", ReadSavedValue(out, "x"));
    EXPECT_EQ("yes", ReadSavedValue(out, "c"));
    EXPECT_EQ(6, g_posted);
    EXPECT_EQ(8, g_broadcast);
    for (const std::string& line : started)
        EXPECT_NE(std::string::npos, recorded.find(line)) << line << " in " << recorded;
    char server[MAX_PATH] = "";
    GetFullPathNameA((TestProgramFolder() + "..\\tvxregok.dll").c_str(), MAX_PATH, server, NULL);
    EXPECT_EQ(server, ReadUserDefaultValue(kServerKey));
    EXPECT_EQ("<none>", ReadSavedValue(out, "after"));
    RegDeleteKeyA(HKEY_CURRENT_USER, kServerKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kClassKey);
    EXPECT_TRUE(player.Messages().empty());
    player.Close();
    DestroyWindow(target);
    SetEnvironmentVariableA("TARVEX_RECORDER_LOG", NULL);
}
