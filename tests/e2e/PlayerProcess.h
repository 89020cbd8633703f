// The player as a user meets it: a test writes a project archive, starts
// tarvex.exe (or a copy named after the archive), finds its main window and
// reads or drives it from outside the process.
#pragma once

#include "model/store/DataFileManager.h"

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Generous bound for every wait on the player (a cold Wine start is slow).
const DWORD kPlayerWaitMs = 20000;

// The tarvex.exe of this build, as a Windows path.
std::string TarvexExePath();
// Copies the build's tarvex.exe to path (for a program named after its archive).
bool CopyPlayerTo(const std::string& path);

// A project archive written by the shared archive writer.
class ProjectArchive
{
public:
    // A page whose "Main" holds title, width, height and windowType, docked
    // nowhere ("appbar" false).
    CDataFile* AddPage(const std::string& name, const std::string& title, int width = 240,
                       int height = 160, int windowType = 2);
    // A data file of another kind (1 writes an "OPT" record).
    CDataFile* AddFile(const std::string& name, int kind);
    bool Write(const std::string& path);

private:
    CDataFileManager m_manager;
};

// The value a script's Save To File wrote under key into the data file at
// path; "<none>" while there is none.
std::string ReadSavedValue(const std::string& path, const char* key);
// Polls until the key holds expected or timeoutMs pass; the last value read.
std::string WaitForSaved(const std::string& path, const char* key, const std::string& expected,
                         DWORD timeoutMs = kPlayerWaitMs);
// Polls condition until it holds or timeoutMs pass: what a test waits for,
// never a fixed sleep. TRUE when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPlayerWaitMs);

// Where the tests leave the pointer between them: the screen's centre.
const POINT kRestingPointer = { 512, 384 };
// Moves the real pointer to (x, y) on the screen with input sent from this
// process; flags may add MOUSEEVENTF_LEFTDOWN or MOUSEEVENTF_LEFTUP.
void SendPointerInput(int x, int y, DWORD flags = 0);
// Leaves the button up and the pointer resting when it goes.
struct PointerRestorer
{
    ~PointerRestorer();
};

// Pixels read from the screen, 0x00RRGGBB.
struct ScreenPixels
{
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const { return pixels[(size_t)y * width + x]; }
};
ScreenPixels CaptureScreen(const RECT& rect);

class PlayerProcess
{
public:
    PlayerProcess();
    ~PlayerProcess();   // terminates a player that still runs

    // Starts exePath with the argument text as given (quote it yourself) in
    // the program's folder. Message boxes go to a log file instead of the
    // screen (TARVEX_MESSAGE_LOG), read back by Messages().
    bool Start(const std::string& exePath, const std::string& arguments = "");

    // Polls for the process's window of class "QNDL_MAINWND"; NULL on timeout
    // or when the player ended first.
    HWND WaitForWindow(bool visible = true, DWORD timeoutMs = kPlayerWaitMs);
    // Waits until the window shows with the title (a page change sets the
    // title while the window is hidden); false on timeout.
    bool WaitForTitle(const std::string& title, DWORD timeoutMs = kPlayerWaitMs);
    // Waits for the process to end, noting whether a visible main window
    // showed meanwhile.
    bool WaitForExit(DWORD timeoutMs = kPlayerWaitMs);
    bool IsRunning() const;
    DWORD ExitCode() const;
    bool SawVisibleWindow() const { return m_sawVisible; }
    void Terminate();

    DWORD ProcessId() const { return m_info.dwProcessId; }
    HWND Window() const { return m_window; }
    std::string Title() const;
    DWORD Style() const;
    DWORD ExStyle() const;
    RECT WindowRect() const;
    SIZE ClientSize() const;
    // The client area in screen coordinates, and its pixels.
    RECT ClientRectOnScreen() const;
    ScreenPixels CaptureClient() const;
    // Polls the screen until the client pixel (x, y) has the colour: showing
    // and painting are not one step, so a capture must wait for the paint.
    bool WaitForClientPixel(int x, int y, DWORD color, DWORD timeoutMs = kPlayerWaitMs) const;
    // The window's region copied into region (window coordinates); the
    // GetWindowRgn result (ERROR when the window has none).
    int GetRegion(HRGN region) const;
    bool IsVisible() const;
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A mouse message at client coordinates (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...).
    bool PostMouse(UINT message, int x, int y, WPARAM keys = 0) const;
    // Sends a harmless message and waits for the answer: the player's loop
    // still runs. (Sent messages overtake posted ones: to know that a posted
    // message was handled, post one after it whose effect can be seen.)
    bool Answers(DWORD timeoutMs = kPlayerWaitMs) const;
    // Posts WM_CLOSE and waits for the end.
    bool Close();

    // Every box the player reported, one "caption<TAB>text<TAB>flags" a line.
    std::vector<std::string> Messages() const;

private:
    PlayerProcess(const PlayerProcess&);
    PlayerProcess& operator=(const PlayerProcess&);

    HWND FindWindowOfProcess(bool visible) const;

    PROCESS_INFORMATION m_info;
    HWND m_window;
    bool m_sawVisible;
    std::string m_messageLog;
};
