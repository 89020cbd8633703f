// Message boxes of a program go through ReportMessage. When the variable
// the program names (TARVEX_MESSAGE_LOG for the player,
// LUMBROOK_MESSAGE_LOG for the editor) holds a file path at start-up, every
// box is appended to that file as one line "caption<TAB>text<TAB>flags" and
// answered without being shown, so that a test driving the program never
// waits on a box.
//
// The answer: the variable "<name>_ANSWERS" may hold lines "match=ANSWER"
// (OK, CANCEL, ABORT, RETRY, IGNORE, YES or NO), where match is a box's
// caption or its whole text; the first line that matches answers. Any other
// box gets its default button (MB_DEFBUTTON1 to 3 of its button set).
#pragma once

#include <windows.h>

// Reads the variables once; nothing when the log variable is unset or empty.
void InstallMessageLogFromEnvironment(const char* variable);

// The button a box of these flags gives when Enter is pressed.
int DefaultMessageAnswer(UINT flags);
