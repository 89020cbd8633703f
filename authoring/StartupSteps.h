// The start-up's steps, timed for the start-up benchmark. When the variable
// LUMBROOK_STARTUP_LOG holds a file path, the end of each step is noted with
// the performance counter (one clock for every process of the machine, so
// the bench can set it against the moment it started the program) and the
// notes are written to that file, one "counter name" line each, once the
// start-up is over. Without the variable nothing is noted.
#pragma once

// name: a text that lives as long as the program (a literal).
void MarkStartupStep(const char* name);
void WriteStartupSteps();
