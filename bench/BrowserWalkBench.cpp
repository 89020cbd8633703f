// The controls browser's walk: its cost per class key with 10,000 seeded
// class IDs (1,000 of them controls) against 1,000 (100 controls), and the
// time until the list is shown against a bare walk that opens and
// enumerates the same class keys the same way, without the list or the
// thread, in the same run. The seeded keys are removed after.
#include <windows.h>
#include <stdio.h>
#include <algorithm>
#include <vector>

#include "bench/BenchTimer.h"
#include "browser/ControlWalk.h"
#include "tests/browser/SeededClasses.h"

namespace
{
const UINT kWalkMessage = WM_APP + 1;
const int kRepeats = 3;

DWORD CountClassKeys()
{
    HKEY clsid = NULL;
    DWORD count = 0;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &clsid) == ERROR_SUCCESS)
    {
        RegQueryInfoKeyA(clsid, NULL, NULL, NULL, &count, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
        RegCloseKey(clsid);
    }
    return count;
}

// The walk's registry work alone, on this thread: every class key opened,
// its default value read and its subkeys enumerated.
double BareWalk()
{
    const double start = NowSeconds();
    HKEY clsid = NULL;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_READ, &clsid) != ERROR_SUCCESS)
        return 0;
    int controls = 0;
    char name[64];
    for (DWORD i = 0;; i++)
    {
        DWORD size = sizeof name;
        LONG result = RegEnumKeyExA(clsid, i, name, &size, NULL, NULL, NULL, NULL);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            continue;
        HKEY key = NULL;
        if (RegOpenKeyExA(clsid, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        char value[256];
        DWORD valueSize = sizeof value;
        RegQueryValueExA(key, NULL, NULL, NULL, (BYTE*)value, &valueSize);
        bool control = false, progId = false;
        char subkey[64];
        for (DWORD j = 0;; j++)
        {
            DWORD subSize = sizeof subkey;
            LONG sub = RegEnumKeyExA(key, j, subkey, &subSize, NULL, NULL, NULL, NULL);
            if (sub == ERROR_NO_MORE_ITEMS)
                break;
            if (sub != ERROR_SUCCESS)
                continue;
            control = control || strcmp(subkey, "Control") == 0;
            progId = progId || strcmp(subkey, "ProgID") == 0;
        }
        controls += control && progId ? 1 : 0;
        RegCloseKey(key);
    }
    RegCloseKey(clsid);
    return NowSeconds() - start;
}

// The browser's walk on its worker thread until its sorted list is in a
// list box of a window on this thread: the time until the list is shown.
double ShownWalk(HWND listBox, HWND notify, int* listed)
{
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    const double start = NowSeconds();
    CControlWalk walk;
    CControlCatalog catalog;
    walk.Start(notify, kWalkMessage);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
    {
        if (msg.message == kWalkMessage && msg.wParam == kWalkDone && walk.TakeCatalog(catalog))
            break;
        DispatchMessageA(&msg);
    }
    SendMessageA(listBox, WM_SETREDRAW, FALSE, 0);
    SendMessageA(listBox, LB_INITSTORAGE, (WPARAM)catalog.GetCount(), (LPARAM)catalog.GetCount() * 32);
    for (int i = 0; i < catalog.GetCount(); i++)
    {
        LRESULT item = SendMessageA(listBox, LB_ADDSTRING, 0, (LPARAM)catalog.GetEntry(i)->GetDisplayName().c_str());
        SendMessageA(listBox, LB_SETITEMDATA, (WPARAM)item, (LPARAM)i);
    }
    SendMessageA(listBox, WM_SETREDRAW, TRUE, 0);
    SendMessageA(listBox, LB_SETCURSEL, 0, 0);
    UpdateWindow(listBox);
    *listed = catalog.GetCount();
    return NowSeconds() - start;
}

double Best(double (*run)())
{
    double best = 1e30;
    for (int i = 0; i < kRepeats; i++)
        best = std::min(best, run());
    return best;
}

struct Figures
{
    DWORD keys;
    int listed;
    double bare;
    double shown;
};

Figures Measure(HWND listBox, HWND notify)
{
    Figures figures = { CountClassKeys(), 0, Best(BareWalk), 1e30 };
    for (int i = 0; i < kRepeats; i++)
        figures.shown = std::min(figures.shown, ShownWalk(listBox, notify, &figures.listed));
    return figures;
}
}

int main()
{
    HWND notify = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    HWND listBox = CreateWindowExA(0, "ListBox", "", WS_OVERLAPPEDWINDOW | LBS_NOTIFY | WS_VSCROLL, 0, 0, 300, 400,
                                   NULL, NULL, NULL, NULL);
    ShowWindow(listBox, SW_SHOWNOACTIVATE);

    const unsigned kFamily = 9;
    if (!seeded::AddFamily(kFamily, 1000, 10))
    {
        printf("could not seed the registry\n");
        seeded::RemoveFamily(kFamily, 1000);
        return 1;
    }
    const Figures small = Measure(listBox, notify);
    if (!seeded::AddFamily(kFamily, 10000, 10))
    {
        printf("could not seed the registry\n");
        seeded::RemoveFamily(kFamily, 10000);
        return 1;
    }
    const Figures large = Measure(listBox, notify);
    seeded::RemoveFamily(kFamily, 10000);

    const Figures rows[] = { small, large };
    const char* names[] = { "1,000 seeded", "10,000 seeded" };
    for (int i = 0; i < 2; i++)
        printf("%-14s %6lu class keys, %5d listed: bare walk %8.1f ms, list shown %8.1f ms (%.2fx), %.2f us per key\n",
               names[i], rows[i].keys, rows[i].listed, rows[i].bare * 1000, rows[i].shown * 1000,
               rows[i].shown / rows[i].bare, rows[i].shown / rows[i].keys * 1e6);
    const double perKeyRatio = (large.shown / large.keys) / (small.shown / small.keys);
    const double shownRatio = large.shown / large.bare;
    printf("cost per key, 10,000 against 1,000: %.2fx (target within 1.5x): %s\n", perKeyRatio,
           perKeyRatio <= 1.5 ? "met" : "NOT met");
    printf("list shown against the bare walk: %.2fx (target within 2x): %s\n", shownRatio,
           shownRatio <= 2.0 ? "met" : "NOT met");
    DestroyWindow(listBox);
    DestroyWindow(notify);
    return 0;
}
