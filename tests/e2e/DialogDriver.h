// Driving dialogs, property sheets and the common dialogs of a program
// from outside it (or from a timer inside it): find the dialog a process
// shows, press its buttons, type into it, answer the open, save, colour and
// font dialogs. Everything goes by window messages, which cross processes.
#pragma once

#include <windows.h>
#include <string>

// A visible dialog (class "#32770") of the process whose caption is title
// (any caption when title is NULL); NULL when there is none.
HWND FindProcessDialog(DWORD processId, const char* title = NULL);
// The same, waiting up to timeoutMs for it to appear.
HWND WaitForProcessDialog(DWORD processId, const char* title, DWORD timeoutMs);
// Waits until the window is gone; false when it is still there.
bool WaitUntilGone(HWND window, DWORD timeoutMs);

std::string DialogItemText(HWND dialog, int id);
// WM_SETTEXT to the control.
bool SetDialogItemText(HWND dialog, int id, const char* text);
// Types text over the control's whole text as a person does: the text
// selected and rubbed out, then one WM_CHAR a character, each handled
// before the next is sent.
bool TypeDialogItemText(HWND dialog, int id, const char* text);
// A click of the button with that id, as the dialog would get it (posted,
// so a modal loop inside the click does not hold the caller).
bool PressDialogButton(HWND dialog, int id);
// PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW, PSBTN_BACK, PSBTN_NEXT,
// PSBTN_FINISH (posted PSM_PRESSBUTTON).
bool PressSheetButton(HWND sheet, int button);
// The sheet's current page window.
HWND SheetCurrentPage(HWND sheet);

// Open and save dialogs: the file name typed, then OK. path NULL: Cancel.
bool AnswerFileDialog(HWND dialog, const char* path);
// Colour dialog: OK with the colour it shows, or Cancel.
bool AnswerColorDialog(HWND dialog, bool ok);
// Font dialog: the face and size typed (NULL keeps what it shows), then OK.
bool AnswerFontDialog(HWND dialog, const char* face, const char* points);
