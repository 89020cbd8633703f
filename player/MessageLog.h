// Message boxes of the player go through ReportMessage. When the variable
// TARVEX_MESSAGE_LOG names a file at start-up, every box is appended to it
// as one line "caption<TAB>text<TAB>flags" and answered IDOK instead of
// shown, so that a test driving the player never waits on a box.
#pragma once

// Reads the variable once; nothing when it is unset or empty.
void InstallMessageLogFromEnvironment();
