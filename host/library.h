// Toolkit start-up from the built-in store.
#pragma once

#include <tcl.h>

// Empties the library path variables and evaluates the library scripts of
// the store in order (the toolkit's only when there is a display), so that
// nothing is read from disk. Returns 0.
int Et_LibraryInit(Tcl_Interp *interp);

// Evaluates the application script of the store.
void Et_RunMainScript(int argc, char **argv);
