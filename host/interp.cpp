// Definitions of the host's process-wide state.
#include "interp.h"

Tcl_Interp *Et_Interp = nullptr;
int et_trace_flag = 0;
Tk_Window Et_MainWindow = nullptr;
Display *Et_Display = nullptr;
bool Et_Headless = false;
