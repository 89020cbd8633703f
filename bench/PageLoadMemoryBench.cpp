// The player's memory per page load: three pages (a background picture,
// texts, a picture with a colour key, a button with mouse scripts) that
// change to one another on load, as a kiosk loop does. The player's private
// bytes (GetProcessMemoryInfo, PrivateUsage) are read while it rests after
// load 500 (a) and after the last load (b, 10,000 unless an argument says);
// (b - a) / (last - 500) must stay under 0.05 KB.
#include "tests/e2e/PictureFiles.h"
#include "tests/e2e/PlayerProcess.h"
#include "tests/player/ScriptFileBuilder.h"
#include "tests/support/TestSupport.h"

#define PSAPI_VERSION 2
#include <psapi.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>

namespace {

// The loads the loop rests after. 500 is a load of the second page, whose
// next page is the third: the bench resumes the loop with "next page".
const int kFirstRest = 500;
const double kTargetKbPerLoad = 0.05;
const char* const kLoopPages[] = { "page_2.pgd", "page_3.pgd", "page_4.pgd" };

SIZE_T PrivateBytes(DWORD processId)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (process)
    {
        GetProcessMemoryInfo(process, (PROCESS_MEMORY_COUNTERS*)&counters, sizeof(counters));
        CloseHandle(process);
    }
    // Windows gives the commit charge in both; this Wine fills only the
    // older field.
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

void WritePicture(const std::string& path, int width, int height, DWORD colour, DWORD key)
{
    PictureRows picture = { width, height, std::vector<DWORD>((size_t)width * height, colour) };
    for (int y = 0; y < height; ++y)
        picture.pixels[(size_t)y * width] = key;
    WriteWholeFile(path, BitmapFileBytes(picture));
}

void AddElement(CDataFile& page, int number, const char* type, const char* id, int x, int y)
{
    std::string section = "Element_" + std::to_string(number);
    page.SetString(section.c_str(), "type", type);
    page.SetString(section.c_str(), "id", id);
    page.SetInt(section.c_str(), "xpos", x);
    page.SetInt(section.c_str(), "ypos", y);
}

// One page of the loop: it counts its load and changes to next, except
// after the loads the bench measures at.
void WriteLoopPage(CDataFile& page, const char* next, const std::string& marks, int lastLoad)
{
    page.SetString("Main", "watermark", ".\\tarvex.dat\\backdrop.bmp");
    page.SetInt("Main", "numElements", 4);
    AddElement(page, 1, "Text", "heading", 20, 16);
    page.SetString("Element_1", "text", "Load |count|");
    page.SetString("Element_1", "fontName", "Arial");
    page.SetInt("Element_1", "fontSize", 18);
    page.SetInt("Element_1", "width", 300);
    page.SetInt("Element_1", "height", 30);
    AddElement(page, 2, "Text", "hint", 20, 60);
    page.SetInt("Element_2", "width", 300);
    page.SetInt("Element_2", "height", 24);
    page.SetInt("Element_2", "bgColor", 0);
    page.SetString("Element_2", "bgTransparency", "0.4000");
    AddElement(page, 3, "Image", "logo", 220, 100);
    page.SetString("Element_3", "src", ".\\tarvex.dat\\logo.bmp");
    page.SetInt("Element_3", "transX", 0);
    page.SetInt("Element_3", "transY", 0);
    AddElement(page, 4, "Image", "next", 20, 100);
    page.SetInt("Element_4", "width", 120);
    page.SetInt("Element_4", "height", 30);
    page.SetString("Element_4", "text", "Next page >");
    page.SetString("Element_4", "cursor", "hand");
    page.SetInt("Element_4", "numScripts", 2);
    for (int i = 0; i < 2; ++i)
    {
        std::string section = "Element_4_Script_" + std::to_string(i + 1);
        ScriptFileBuilder script(page, section.c_str(), i == 0 ? "OnMouseIn" : "OnMouseOut");
        std::string set = script.Add("SetProperty");
        page.SetString(set.c_str(), "controlId", "hint");
        page.SetString(set.c_str(), "property", "text");
        page.SetInt(set.c_str(), "valueType", VT_BSTR);
        page.SetString(set.c_str(), "value", i == 0 ? "On to the next page" : "");
    }
    page.SetInt("Main", "numScripts", 1);
    ScriptFileBuilder load(page, "Script_1", "OnLoad");
    load.ModifyVariable("count", "Plus", VT_I4, "1");
    load.If("count", 2, std::to_string(kFirstRest).c_str());
    load.SaveToFile(marks.c_str(), "first", "count");
    load.Add("ELSE Statement");
    load.If("count", 2, std::to_string(lastLoad).c_str());
    load.SaveToFile(marks.c_str(), "last", "count");
    load.Add("ELSE Statement");
    load.Command("ChangePage", next);
    load.Add("ENDIF Statement");
    load.Add("ENDIF Statement");
}

// The private bytes once the player rests: read until two readings a
// moment apart agree, so that a load still settling is not measured.
SIZE_T RestingPrivateBytes(PlayerProcess& player)
{
    SIZE_T previous = 0;
    for (int i = 0; i < 50; ++i)
    {
        player.Answers();
        SIZE_T now = PrivateBytes(player.ProcessId());
        if (now == previous)
            return now;
        previous = now;
        Sleep(100);
    }
    return previous;
}

} // namespace

int main(int argc, char** argv)
{
    int lastLoad = argc > 1 ? atoi(argv[1]) : 10000;
    if (lastLoad <= kFirstRest)
    {
        printf("the last load must come after load %d\n", kFirstRest);
        return 1;
    }
    ScratchDir scratch;
    std::string marks = scratch.File("marks.zjf");
    CreateDirectoryA(scratch.File("tarvex.dat").c_str(), NULL);
    WritePicture(scratch.File("tarvex.dat\\backdrop.bmp"), 320, 200, 0x204060, 0x204060);
    WritePicture(scratch.File("tarvex.dat\\logo.bmp"), 64, 48, 0xE0C020, 0x000000);

    ProjectArchive archive;
    CDataFile* start = archive.AddPage("tarvex.pgd", "Memory start", 360, 160);
    start->SetInt("Main", "numScripts", 1);
    ScriptFileBuilder begin(*start, "Script_1", "OnLoad");
    begin.CreateVariable("count", VT_I4, "0");
    begin.Command("ChangePage", kLoopPages[0]);
    for (int i = 0; i < 3; ++i)
    {
        CDataFile* page = archive.AddPage(kLoopPages[i], "Memory loop " + std::to_string(i + 1), 360, 160);
        WriteLoopPage(*page, kLoopPages[(i + 1) % 3], marks, lastLoad);
    }
    if (!archive.Write(scratch.File("tarvex.pqz")))
    {
        printf("the project could not be written\n");
        return 1;
    }

    DWORD began = GetTickCount();
    PlayerProcess player;
    if (!player.Start(TarvexExePath(), "\"" + scratch.File("tarvex.pqz") + "\""))
    {
        printf("the player did not start (error %lu)\n", (unsigned long)player.StartError());
        return 1;
    }
    if (player.WaitForWindow(false) == NULL)
    {
        printf("the player showed no window\n");
        return 1;
    }
    // Ten loads a second at the very least.
    DWORD loopWaitMs = kPlayerWaitMs + (DWORD)lastLoad * 100;
    std::string first = WaitForSaved(marks, "first", std::to_string(kFirstRest), loopWaitMs);
    if (first != std::to_string(kFirstRest))
    {
        printf("the loop did not reach load %d (%s)\n", kFirstRest, first.c_str());
        return 1;
    }
    SIZE_T a = RestingPrivateBytes(player);
    // Load 500 is the second page's: next page is the third, and the loop
    // goes on from there.
    player.Post(WM_USER + 14);
    std::string last = WaitForSaved(marks, "last", std::to_string(lastLoad), loopWaitMs);
    if (last != std::to_string(lastLoad))
    {
        printf("the loop did not reach load %d (%s)\n", lastLoad, last.c_str());
        return 1;
    }
    SIZE_T b = RestingPrivateBytes(player);
    DWORD elapsed = GetTickCount() - began;
    bool closed = player.Close();
    double perLoad = ((double)b - (double)a) / 1024.0 / (lastLoad - kFirstRest);
    printf("page loads: private bytes %lu KB after load %d, %lu KB after load %d, %lu ms\n", (unsigned long)(a / 1024),
           kFirstRest, (unsigned long)(b / 1024), lastLoad, (unsigned long)elapsed);
    printf("growth per page load: %.4f KB (target < %.2f KB): %s%s\n", perLoad, kTargetKbPerLoad,
           perLoad < kTargetKbPerLoad ? "met" : "NOT met", closed && player.ExitCode() == 0 ? "" : " (the player did not end normally)");
    return perLoad < kTargetKbPerLoad ? 0 : 1;
}
