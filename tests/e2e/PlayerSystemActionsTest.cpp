// The actions that reach outside the player, run by a page's script in the
// real player: a program started, a message posted to a window of this
// test, a sound that cannot play, a property written and read back, a
// cookie written and read in one run, and the browser window asked for.
// The script saves what it saw.
#include "PlayerProcess.h"
#include "TestSupport.h"
#include "../player/ScriptFileBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kValues[] = "QNDL Archive";

std::string TestFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string SavedValue(const std::string& path, const char* key)
{
    CDataFile file;
    CStr value("<none>");
    if (file.LoadFromFile(path.c_str()))
        file.GetString(kValues, key, value);
    return std::string(value);
}

UINT g_postMessage;
LPARAM g_posted = -1;

LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == g_postMessage && wparam == 5)
        g_posted = lparam;
    return DefWindowProcA(window, message, wparam, lparam);
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
    page->SetString(run.c_str(), "path", (TestFolder() + "..\\recorder.exe").c_str());
    page->SetString(run.c_str(), "parameters", "from-player");
    std::string post = load.Add("PostMessage");
    page->SetString(post.c_str(), "WindowClass", "TarvexPlayerPostTarget");
    page->SetInt(post.c_str(), "Message", (int)g_postMessage);
    page->SetInt(post.c_str(), "Wparam", 5);
    page->SetLong(post.c_str(), "Lparam", 6);
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

    ScriptFileBuilder finish(*page, "Script_2", "Finish");
    finish.SaveToFile(out.c_str(), "x", "x");
    finish.SaveToFile(out.c_str(), "c", "c");

    std::string archivePath = scratch.File("system.pqz");
    ASSERT_TRUE(archive.Write(archivePath));
    PlayerProcess player;
    ASSERT_TRUE(player.Start(TarvexExePath(), "\"" + archivePath + "\""));
    ASSERT_NE(nullptr, player.WaitForWindow());

    std::string recorded;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kPlayerWaitMs &&
           (SavedValue(out, "c") == "<none>" || g_posted == -1 || recorded.find('\n') == std::string::npos))
    {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        recorded = ReadWholeFile(log);
        Sleep(20);
    }
    EXPECT_EQ("33", SavedValue(out, "x"));
    EXPECT_EQ("yes", SavedValue(out, "c"));
    EXPECT_EQ(6, g_posted);
    EXPECT_NE(std::string::npos, recorded.find("recorder.exe\" from-player\t")) << recorded;
    EXPECT_TRUE(player.Messages().empty());
    player.Close();
    DestroyWindow(target);
    SetEnvironmentVariableA("TARVEX_RECORDER_LOG", NULL);
}
