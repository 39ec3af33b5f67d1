// Process start-up: the sequence from the process entry to the event loop.
#pragma once

// Creates Et_Interp and sets it up: variables, toolkit (or headless mode),
// library scripts, console, trace link, cmd_name, cmd_dir and Win32.
void Et_AppInit(int argc, char **argv);

// The whole run of the process. argv is the vector the system passed (or
// null where the raw command line is split, as on Windows). Never returns.
[[noreturn]] void Et_ProcessEntry(int argc, char **argv);
