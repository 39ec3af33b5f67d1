// Process-wide state of the host: the one main interpreter and what
// start-up learns about the toolkit.
#pragma once

#include <tcl.h>
#include <tk.h>

// The main interpreter; empty until Et_AppInit creates it.
extern Tcl_Interp *Et_Interp;

// Linked to the script variable "et_trace_flag"; non-zero echoes every
// host statement on standard output.
extern int et_trace_flag;

// The main window and its display connection (empty without a display).
extern Tk_Window Et_MainWindow;
extern Display *Et_Display;

// True when the toolkit could not open a display: the run is headless.
extern bool Et_Headless;
