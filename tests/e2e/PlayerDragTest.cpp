// Dragging a file out of the player with the real pointer: input sent from
// this process moves the pointer and presses the button over an element
// whose OnMouseDown script drags a file, and a window of our own
// (droptarget.exe) takes the drop and writes what it received.
#include "tests/e2e/PlayerProcess.h"
#include "tests/support/TestSupport.h"
#include "tests/player/ScriptFileBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kTargetClass[] = "TarvexTestDropTarget";
const RECT kTargetRect = { 40, 40, 240, 160 };
// The dragging element, in client coordinates.
const RECT kElementRect = { 20, 20, 100, 70 };

std::string WindowsPath(const char* unixPath)
{
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
    {
        if (c == '/')
            c = '\\';
    }
    return path;
}

void SendKey(WORD key, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

std::string WindowText(HWND window)
{
    char text[64] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// droptarget.exe writing to resultPath; ended with the test if still running.
class DropTargetProcess
{
public:
    DropTargetProcess() : m_info() {}
    ~DropTargetProcess()
    {
        if (m_info.hProcess)
        {
            if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(m_info.hProcess, 1);
            CloseHandle(m_info.hProcess);
            CloseHandle(m_info.hThread);
        }
    }

    // Starts it and waits for its window.
    HWND Start(const std::string& resultPath)
    {
        std::string line = "\"" + WindowsPath(DROPTARGET_EXE) + "\" \"" + resultPath + "\" " +
                           std::to_string(kTargetRect.left) + " " + std::to_string(kTargetRect.top) + " " +
                           std::to_string(kTargetRect.right - kTargetRect.left) + " " +
                           std::to_string(kTargetRect.bottom - kTargetRect.top);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        if (!CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &m_info))
            return NULL;
        DWORD start = GetTickCount();
        while (GetTickCount() - start < kPlayerWaitMs)
        {
            HWND window = FindWindowA(kTargetClass, NULL);
            if (window && IsWindowVisible(window) && WindowText(window) == "waiting")
                return window;
            Sleep(20);
        }
        return NULL;
    }

private:
    PROCESS_INFORMATION m_info;
};

// Moves the pointer about the target's centre until the window's title
// becomes expected; false on timeout.
bool HoverUntil(HWND target, const char* expected)
{
    const int x = (kTargetRect.left + kTargetRect.right) / 2;
    const int y = (kTargetRect.top + kTargetRect.bottom) / 2;
    DWORD start = GetTickCount();
    for (int step = 0; GetTickCount() - start < kPlayerWaitMs; ++step)
    {
        if (WindowText(target) == expected)
            return true;
        SendPointerInput(x + step % 2, y, 0);
        Sleep(50);
    }
    return false;
}

// A page whose element drags the file and then saves "after" = "done".
void AddDraggingPage(ProjectArchive& archive, const std::string& dragged, const std::string& values)
{
    CDataFile* page = archive.AddPage("tarvex.pgd", "Drag out");
    page->SetString("Element_1", "type", "Text");
    page->SetString("Element_1", "id", "handle");
    page->SetString("Element_1", "text", "");
    page->SetInt("Element_1", "xpos", kElementRect.left);
    page->SetInt("Element_1", "ypos", kElementRect.top);
    page->SetInt("Element_1", "width", kElementRect.right - kElementRect.left);
    page->SetInt("Element_1", "height", kElementRect.bottom - kElementRect.top);
    page->SetInt("Main", "numElements", 1);
    page->SetInt("Element_1", "numScripts", 1);
    ScriptFileBuilder script(*page, "Element_1_Script_1", "OnMouseDown");
    std::string drag = script.Add("DragFile");
    page->SetString(drag.c_str(), "path", dragged.c_str());
    script.SaveToFile(values.c_str(), "after", "", "done");
}

// Starts the player and the target, and presses the button on the element.
void StartDragging(PlayerProcess& player, ProjectArchive& archive, const std::string& archivePath,
                   DropTargetProcess& target, const std::string& resultPath, HWND& targetWindow)
{
    ASSERT_TRUE(archive.Write(archivePath));
    ASSERT_TRUE(player.Start(TarvexExePath(), "\"" + archivePath + "\""));
    ASSERT_NE(nullptr, player.WaitForWindow());
    targetWindow = target.Start(resultPath);
    ASSERT_NE(nullptr, targetWindow);
    ASSERT_TRUE(player.Answers());
    RECT client = player.ClientRectOnScreen();
    int x = client.left + (kElementRect.left + kElementRect.right) / 2;
    int y = client.top + (kElementRect.top + kElementRect.bottom) / 2;
    SendPointerInput(x, y, 0);
    SendPointerInput(x, y, MOUSEEVENTF_LEFTDOWN);
}

} // namespace

TEST(PlayerDrag, ADropHandsOverThePathWhileClosingWaitsForTheScript)
{
    ScratchDir scratch;
    // A real file, its name with percent signs that must stay as they are.
    const std::string dragged = scratch.File("100% %s %n notes.txt");
    WriteWholeFile(dragged, "notes");
    const std::string values = scratch.File("values.zjf");
    const std::string result = scratch.File("dropped.txt");
    ProjectArchive archive;
    AddDraggingPage(archive, dragged, values);

    PointerRestorer restorer;
    PlayerProcess player;
    DropTargetProcess target;
    HWND targetWindow = NULL;
    StartDragging(player, archive, scratch.File("drag.pqz"), target, result, targetWindow);
    ASSERT_TRUE(HoverUntil(targetWindow, "entered")) << "the drag never reached the target";
    // Posted before the button comes up, so the player takes it during the
    // drag; it must wait for the end of the script.
    ASSERT_TRUE(player.Post(WM_CLOSE));
    SendPointerInput((kTargetRect.left + kTargetRect.right) / 2, (kTargetRect.top + kTargetRect.bottom) / 2,
              MOUSEEVENTF_LEFTUP);

    ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesA(result.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    EXPECT_EQ("effects 5\nfile " + dragged + "\n", ReadWholeFile(result))
        << "copy and link offered, the one path of the list";
    EXPECT_EQ("done", WaitForSaved(values, "after", "done")) << "the script goes on after the drop";
    ASSERT_TRUE(player.WaitForExit()) << "the held-back close comes after the script";
    EXPECT_EQ(0u, player.ExitCode());
    EXPECT_TRUE(player.Messages().empty());
}

TEST(PlayerDrag, EscCancelsTheDragAndTheScriptGoesOn)
{
    ScratchDir scratch;
    const std::string dragged = scratch.File("kept.txt");
    WriteWholeFile(dragged, "kept");
    const std::string values = scratch.File("values.zjf");
    const std::string result = scratch.File("dropped.txt");
    ProjectArchive archive;
    AddDraggingPage(archive, dragged, values);

    PointerRestorer restorer;
    PlayerProcess player;
    DropTargetProcess target;
    HWND targetWindow = NULL;
    StartDragging(player, archive, scratch.File("cancel.pqz"), target, result, targetWindow);
    ASSERT_TRUE(HoverUntil(targetWindow, "entered")) << "the drag never reached the target";
    SendKey(VK_ESCAPE, 0);
    SendKey(VK_ESCAPE, KEYEVENTF_KEYUP);

    EXPECT_EQ("done", WaitForSaved(values, "after", "done")) << "the script goes on after the cancel";
    EXPECT_EQ("left", WindowText(targetWindow));
    SendPointerInput(kRestingPointer.x, kRestingPointer.y, MOUSEEVENTF_LEFTUP);
    // The drag ended before the script went on: nothing was dropped.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(result.c_str()));
    EXPECT_TRUE(player.Messages().empty());
    ASSERT_TRUE(player.Close());
}
