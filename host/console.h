// Console window and the standard channels of the main interpreter.
#pragma once

#include <tcl.h>

// Creates the three "console" channels and installs them as the
// interpreter library's stdin, stdout and stderr.
void Et_StdChannelsInit();

// Sets up the console interpreter for the main interpreter. Returns 0 on
// success and 1 when the console could not be set up.
int Et_ConsoleSetup(Tcl_Interp *interp);

// Gives the interpreter library the process's own standard channels back
// (used when the program runs without a display and so without a console).
void Et_StdChannelsUseProcess();
