// The player's own command-line splitting: double quotes group one token,
// nothing escapes. Slot 0 is the program path.
#pragma once

enum { kMaxArguments = 127 };

// Splits text in place into argv (room for kMaxArguments + 2 pointers, the
// last filled slot followed by NULL). Returns 1 + the number of arguments,
// 0 when a quoted program path is not closed.
int SplitCommandLineText(char* text, char** argv);

// Splits a heap copy of GetCommandLineA() into the process-wide vector; 0
// when the copy cannot be made.
int SplitCommandLine();
char** GetArgumentVector();
