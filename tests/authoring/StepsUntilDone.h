// Drives a modal sheet from inside its own loop: a thread timer runs the
// steps in order, one per tick; a step that answers false is tried again at
// the next tick (waiting for a dialog to appear), and a sheet whose steps
// never finish is cancelled.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

typedef std::function<bool()> SheetStep;

struct SheetStepRun
{
    std::vector<SheetStep> steps;
    size_t next = 0;
    int ticks = 0;
};

inline SheetStepRun*& CurrentSheetStepRun()
{
    static SheetStepRun* run = nullptr;
    return run;
}

inline void CALLBACK RunNextSheetStep(HWND, UINT, UINT_PTR, DWORD)
{
    SheetStepRun* run = CurrentSheetStepRun();
    if (run == nullptr || run->next >= run->steps.size())
        return;
    // A step that never succeeds must not hang the test: the sheet is
    // cancelled after about ten seconds.
    if (++run->ticks > 500) {
        run->next = run->steps.size();
        HWND active = GetActiveWindow();
        if (active)
            PostMessageA(active, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SheetStepRun* self = run;
    if (self->steps[self->next]())
        self->next++;
}

// Runs show() (which runs the modal sheet) with the steps; answers what
// show() answered. completed tells whether every step ran.
inline INT_PTR RunSheetSteps(const std::function<INT_PTR()>& show, std::vector<SheetStep> steps,
                             bool* completed = nullptr)
{
    SheetStepRun run;
    run.steps = std::move(steps);
    SheetStepRun* previous = CurrentSheetStepRun();
    CurrentSheetStepRun() = &run;
    UINT_PTR timer = SetTimer(NULL, 0, 20, RunNextSheetStep);
    INT_PTR result = show();
    KillTimer(NULL, timer);
    CurrentSheetStepRun() = previous;
    if (completed)
        *completed = run.next == run.steps.size();
    return result;
}

// The sheet that holds page (a page window).
inline HWND SheetOfPage(HWND page)
{
    return GetParent(page);
}

inline void PressSheet(HWND page, int button)
{
    SendMessageA(SheetOfPage(page), PSM_PRESSBUTTON, button, 0);
}

// Text typed over an edit's whole text, as the user would type it: one
// EN_CHANGE, also from a multi-line edit (which sends none for WM_SETTEXT).
inline void TypeInto(HWND page, int id, const char* text)
{
    HWND edit = GetDlgItem(page, id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, (LPARAM)text);
}

inline void ClickButton(HWND page, int id)
{
    HWND button = GetDlgItem(page, id);
    SendMessageA(button, BM_CLICK, 0, 0);
}
