// Console window and the standard channels: placeholder until the console
// exists; the process keeps Tcl's own standard channels.
#include "console.h"

void Et_StdChannelsInit() {}

int Et_ConsoleSetup(Tcl_Interp *) { return 1; }

void Et_StdChannelsUseProcess() {}
