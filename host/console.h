// Console window and the standard channels of the main interpreter.
//
// The interpreter library's stdin, stdout and stderr are replaced by three
// channels of the type "console" before any interpreter exists. What a script
// writes to stdout or stderr is handed to a second interpreter, the console,
// which shows it through the toolkit's console script; reads from stdin see
// end of file. The main interpreter gets the command `console`, the console
// interpreter the command `consoleinterp`.
//
// Without a display there is no console: the channels then pass what is
// written straight to the process's own standard streams.
#pragma once

#include <tcl.h>
#include <tk.h>

// Creates the three "console" channels and installs them as the
// interpreter library's stdin, stdout and stderr. Called once at process
// start-up, before any interpreter is created; it initialises the
// interpreter library as far as channels need it.
void Et_StdChannelsInit();

// Sets up the console interpreter for the main interpreter. Returns 0 on
// success and 1 when the console could not be set up (the console
// interpreter could not be created or could not find its Tcl or Tk library);
// the program then runs without a console and stdout/stderr are dropped.
int Et_ConsoleSetup(Tcl_Interp *interp);

// Gives the interpreter library the process's own standard channels back
// (used when the program runs without a display and so without a console).
// From then on the three standard channels read from and write to the
// process's stdin, stdout and stderr, whichever interpreters already hold
// them. Call it before any script runs.
void Et_StdChannelsUseProcess();

// ---------------------------------------------------------------------------
// The pieces below are the console's inner workings; they are declared here
// so that the host tests can drive them one by one.

// The record shared by the `console` and `consoleinterp` commands and the
// main window's event handler. Allocated once per set-up from the
// interpreter library's allocator and never freed.
struct Et_ConsoleLink {
  Tcl_Interp *consoleInterp;  // null once the `console` command is deleted
  Tcl_Interp *mainInterp;
};

// The main interpreter whose `console` command receives channel output; null
// until a console has been set up (and again once that interpreter's
// `console` command is gone).
extern Tcl_Interp *Et_StdoutInterp;

// The channel driver of the type "console".
extern const Tcl_ChannelType Et_ConsoleChannelType;

extern "C" {
int Et_ChanOutput(ClientData instanceData, const char *buf, int toWrite,
                  int *errorCodePtr);
int Et_ChanInput(ClientData instanceData, char *buf, int bufSize,
                 int *errorCodePtr);
int Et_ChanClose(ClientData instanceData, Tcl_Interp *interp);
void Et_ChanWatch(ClientData instanceData, int mask);
int Et_ChanHandle(ClientData instanceData, int direction,
                  ClientData *handlePtr);

int Et_ConsoleCommand(ClientData clientData, Tcl_Interp *interp, int argc,
                      const char *argv[]);
int Et_ConsoleInterpCommand(ClientData clientData, Tcl_Interp *interp,
                            int argc, const char *argv[]);
void Et_ConsoleCommandDeleted(ClientData clientData);
void Et_MainWindowEvent(ClientData clientData, XEvent *eventPtr);
}

// Hands one write on a standard channel (role TCL_STDOUT or TCL_STDERR) to
// the console of the given main interpreter, as
// "tkConsoleOutput stdout|stderr text". Dropped when the interpreter has no
// `console` command.
void Et_ConsoleForward(Tcl_Interp *interp, int role, const char *bytes,
                       int count);

// True when the standard channels pass through to the process's own
// streams (see Et_StdChannelsUseProcess).
bool Et_StdChannelsPassThrough();
