// The window driver of the end-to-end tests: starts one of our programs
// under Wine with CreateProcess, finds its windows and reads or drives them
// from outside the process, as a user (or an accessibility tool) would:
// commands and mouse messages posted, tree items, toolbar buttons and
// status panes read across the process boundary, pixels read from the
// screen, message boxes read from the program's message log (each one
// counted by the box rule in the case that runs).
#pragma once

#include "tests/support/BoxRule.h"

#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

// Generous bound for every wait on a program (a cold Wine start is slow).
const DWORD kProgramWaitMs = 20000;

// A path of the build (Unix side) as Windows sees it, on drive Z:.
std::string WindowsPathOf(const char* unixPath);

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

// One item of another process's tree control, with its children.
struct RemoteTreeItem
{
    std::string label;
    int image = 0;
    LPARAM data = 0;
    bool selected = false;
    std::vector<RemoteTreeItem> children;
};

// One slot of another process's toolbar.
struct RemoteToolbarButton
{
    int command = 0;
    int image = 0;
    BYTE state = 0;   // TBSTATE_*
    BYTE style = 0;   // BTNS_* (BTNS_SEP for a separator)
    bool IsSeparator() const { return (style & BTNS_SEP) != 0; }
    bool IsEnabled() const { return (state & TBSTATE_ENABLED) != 0; }
};

// Reading controls that live in another process: their messages carry
// pointers, so the buffers are made in that process (VirtualAllocEx) and
// read back (ReadProcessMemory). Both programs have one bitness here.
std::vector<RemoteTreeItem> ReadTreeItems(HWND tree);
std::vector<RemoteToolbarButton> ReadToolbarButtons(HWND toolbar);
std::vector<std::string> ReadStatusPanes(HWND statusBar);
// The rectangle of a tree item's label in the tree's client coordinates;
// empty when the item is not shown.
RECT ReadTreeItemRect(HWND tree, HTREEITEM item);

// A person's click on a tree item's label: the item is scrolled into view
// (its parents unfolded), then the press and the release are posted, so
// that what is posted after them comes after the click. False when the
// item cannot be shown.
bool ClickTreeItem(HWND tree, HTREEITEM item);

// The first child window of parent (at any depth) of the class, NULL when
// there is none; index picks a later one in the order EnumChildWindows
// gives.
HWND FindChildOfClass(HWND parent, const char* className, int index = 0);
std::string WindowClassOf(HWND window);
std::string WindowTextOf(HWND window);

// Types into another program's edit (or a combo box's edit) as a person
// does: with clear, select all and Backspace first; then one WM_CHAR a
// character ("\r\n" is one Enter), each handled with what it posted
// before the next goes. False when the edit is gone or does not answer.
bool TypeKeysInto(HWND edit, const std::string& text, bool clear = true);
bool TypeKeysInto(HWND dialog, int id, const std::string& text, bool clear = true);

// Registry reading for the tests (the program and this test share one
// bitness, so one view of the registry).
bool ReadRegistryString(HKEY root, const char* key, const char* value, std::string& text);
bool RegistryKeyExists(HKEY root, const char* key);
// Deletes key with everything below it; true when it is gone.
bool DeleteRegistryTree(HKEY root, const char* key);

// The boxes of a message log from byte offset on, complete records only
// (the program may be writing one); offset moves past what was read. A
// record is "caption<TAB>text<TAB>flags" and CR LF, and a text may hold
// line breaks of its own.
std::vector<ShownBox> ReadLoggedBoxes(const std::string& path, size_t& offset);

class ProgramProcess : public BoxSource
{
public:
    // mainClass: the window class of the program's main window;
    // messageLogVariable: the variable that sends its boxes to a file.
    ProgramProcess(const char* mainClass, const char* messageLogVariable);
    virtual ~ProgramProcess();   // terminates a program that still runs

    // Answers for the program's message boxes: "match=ANSWER" lines (see
    // model/common/MessageLog.h), set before Start.
    void SetMessageAnswers(const std::string& answers) { m_answers = answers; }

    // Starts exePath with the argument text as given (quote it yourself) in
    // the program's folder. Message boxes go to a log file instead of the
    // screen, read back by Messages().
    bool Start(const std::string& exePath, const std::string& arguments = "");
    // GetLastError of the last Start that failed, 0 after one that started.
    DWORD StartError() const { return m_startError; }

    // Polls for the process's main window; NULL on timeout or when the
    // program ended first.
    HWND WaitForWindow(bool visible = true, DWORD timeoutMs = kProgramWaitMs);
    // Waits until the main window shows with the title; false on timeout.
    bool WaitForTitle(const std::string& title, DWORD timeoutMs = kProgramWaitMs);
    // Waits for the process to end, noting whether a visible main window
    // showed meanwhile.
    bool WaitForExit(DWORD timeoutMs = kProgramWaitMs);
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
    bool WaitForClientPixel(int x, int y, DWORD color, DWORD timeoutMs = kProgramWaitMs) const;
    // The window's region copied into region (window coordinates); the
    // GetWindowRgn result (ERROR when the window has none).
    int GetRegion(HRGN region) const;
    bool IsVisible() const;
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A menu, toolbar or accelerator command, as WM_COMMAND posts it.
    bool PostCommand(int command) const;
    // A mouse message at client coordinates (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...).
    bool PostMouse(UINT message, int x, int y, WPARAM keys = 0) const;
    // Puts the screen's pointer over the client point, where a person's
    // pointer is when they click there: the moves Wine makes from the
    // pointer (as a window shows, or takes the capture) then agree with the
    // posted messages instead of taking the pointer off what is pressed.
    bool PointerAt(int x, int y) const;
    // Sends a harmless message and waits for the answer: the program's loop
    // still runs. (Sent messages overtake posted ones: to know that a posted
    // message was handled, post one after it whose effect can be seen.)
    bool Answers(DWORD timeoutMs = kProgramWaitMs) const;
    // Waits until the program has nothing left to do (WaitForInputIdle).
    bool WaitForIdle(DWORD timeoutMs = kProgramWaitMs) const;
    // Posts WM_CLOSE and waits for the end.
    bool Close();

    // Every box the program reported, one "caption<TAB>text<TAB>flags" a line.
    std::vector<std::string> Messages() const;

    // The boxes logged from byte offset on (ReadLoggedBoxes), for a reader
    // of its own such as a soak that tells each step's boxes.
    std::vector<ShownBox> LoggedBoxes(size_t& offset) const;

    // The box rule's reading of the log: boxes not yet counted.
    void CollectBoxes() override;

private:
    ProgramProcess(const ProgramProcess&);
    ProgramProcess& operator=(const ProgramProcess&);

    HWND FindWindowOfProcess(bool visible) const;

    std::string m_mainClass;
    std::string m_logVariable;
    std::string m_answers;
    PROCESS_INFORMATION m_info;
    HWND m_window;
    bool m_sawVisible;
    DWORD m_startError;
    std::string m_messageLog;
    size_t m_logCounted = 0;
};
