// The console: a second interpreter with its own main window that shows what
// scripts write to stdout and stderr and evaluates commands typed into it in
// the main interpreter.
#include <cstdio>
#include <cstring>

#include "console.h"

namespace {

// Holds an interpreter against deletion for the lifetime of the guard, so an
// evaluation that crosses from one interpreter to the other never finds the
// other one freed under it.
class Hold {
 public:
  explicit Hold(Tcl_Interp *interp) : interp_(interp) {
    if (interp_ != nullptr) Tcl_Preserve(interp_);
  }
  ~Hold() {
    if (interp_ != nullptr) Tcl_Release(interp_);
  }
  Hold(const Hold &) = delete;
  Hold &operator=(const Hold &) = delete;

 private:
  Tcl_Interp *interp_;
};

// A dynamic string freed on every path out.
class DString {
 public:
  DString() { Tcl_DStringInit(&ds_); }
  ~DString() { Tcl_DStringFree(&ds_); }
  DString(const DString &) = delete;
  DString &operator=(const DString &) = delete;
  Tcl_DString *get() { return &ds_; }
  const char *value() { return Tcl_DStringValue(&ds_); }

 private:
  Tcl_DString ds_;
};

// Keeps the interpreter's state (result, error information) across an
// evaluation made on its behalf by the host.
class KeepState {
 public:
  explicit KeepState(Tcl_Interp *interp)
      : interp_(interp), state_(Tcl_SaveInterpState(interp, TCL_OK)) {}
  ~KeepState() { Tcl_RestoreInterpState(interp_, state_); }
  KeepState(const KeepState &) = delete;
  KeepState &operator=(const KeepState &) = delete;

 private:
  Tcl_Interp *interp_;
  Tcl_InterpState state_;
};

// True when word selects the option: its first character is the option's
// first letter and the whole word is a prefix of the option's name. The
// empty word selects nothing, a word longer than the name neither.
bool SelectsOption(const char *word, const char *option) {
  std::size_t len = std::strlen(word);
  return word[0] == option[0] && len <= std::strlen(option) &&
         std::strncmp(word, option, len) == 0;
}

bool Usable(Tcl_Interp *interp) {
  return interp != nullptr && !Tcl_InterpDeleted(interp);
}

int WrongArgs(Tcl_Interp *interp, const char *cmd, const char *usage) {
  Tcl_AppendResult(interp, "wrong # args: should be \"", cmd, usage,
                   static_cast<char *>(nullptr));
  return TCL_ERROR;
}

// The names by which the host calls the console script's procedures, and the
// procedures of Tk's console script that answer to them.
const struct {
  const char *hostName;
  const char *scriptName;
} consoleProcs[] = {
    {"tkConsoleOutput", "::tk::ConsoleOutput"},
    {"tkConsoleExit", "::tk::ConsoleExit"},
};

// Set while the console shows a write, so that a write made from inside the
// console's own output procedure cannot recurse without end.
bool forwarding = false;

// Makes the host's names of the console procedures available in the console
// interpreter, unless the console script defined them itself.
void AliasConsoleProcs(Tcl_Interp *consoleInterp) {
  for (const auto &p : consoleProcs) {
    Tcl_CmdInfo info;
    if (Tcl_GetCommandInfo(consoleInterp, p.hostName, &info)) continue;
    Tcl_CreateAlias(consoleInterp, p.hostName, consoleInterp, p.scriptName, 0,
                    nullptr);
  }
}

}  // namespace

void Et_ConsoleForward(Tcl_Interp *interp, int role, const char *bytes,
                       int count) {
  if (interp == nullptr || Tcl_InterpDeleted(interp) || forwarding) return;
  const char *prefix = role == TCL_STDERR ? "tkConsoleOutput stderr "
                                          : "tkConsoleOutput stdout ";
  Tcl_CmdInfo info;
  if (!Tcl_GetCommandInfo(interp, "console", &info) ||
      info.proc != Et_ConsoleCommand) {
    return;
  }
  auto *link = static_cast<Et_ConsoleLink *>(info.clientData);
  Tcl_Interp *consoleInterp = link->consoleInterp;
  if (!Usable(consoleInterp)) return;

  // The channel delivers UTF-8; turn it back into the interpreter's text.
  DString text;
  Tcl_Encoding utf8 = Tcl_GetEncoding(nullptr, "utf-8");
  Tcl_ExternalToUtfDString(utf8, bytes, count, text.get());
  Tcl_FreeEncoding(utf8);
  DString command;
  Tcl_DStringAppend(command.get(), prefix, -1);
  Tcl_DStringAppendElement(command.get(), text.value());

  Hold hold(consoleInterp);
  KeepState keep(consoleInterp);
  forwarding = true;
  Tcl_EvalEx(consoleInterp, command.value(), -1, TCL_EVAL_GLOBAL);
  forwarding = false;
}

int Et_ConsoleSetup(Tcl_Interp *interp) {
  Tk_Window mainWindow = Tk_MainWindow(interp);
  if (mainWindow == nullptr) Tcl_ResetResult(interp);  // not a Tk application

  Tcl_Interp *consoleInterp = Tcl_CreateInterp();
  if (consoleInterp == nullptr) return 1;
  if (Tcl_Init(consoleInterp) != TCL_OK || Tk_Init(consoleInterp) != TCL_OK) {
    Tcl_DeleteInterp(consoleInterp);
    return 1;
  }

  Et_StdoutInterp = interp;

  auto *link = reinterpret_cast<Et_ConsoleLink *>(
      Tcl_Alloc(sizeof(Et_ConsoleLink)));
  link->consoleInterp = consoleInterp;
  link->mainInterp = interp;

  Tcl_CreateCommand(interp, "console", Et_ConsoleCommand, link,
                    Et_ConsoleCommandDeleted);
  Tcl_CreateCommand(consoleInterp, "consoleinterp", Et_ConsoleInterpCommand,
                    link, nullptr);
  if (mainWindow != nullptr) {
    Tk_CreateEventHandler(mainWindow, StructureNotifyMask, Et_MainWindowEvent,
                          link);
  }

  Hold hold(consoleInterp);
  // The console stays out of sight until `console show`; the user sees
  // only the message window.
  Tcl_EvalEx(consoleInterp, "wm withdraw .", -1, TCL_EVAL_GLOBAL);
  if (Tcl_EvalEx(consoleInterp, "source $tk_library/console.tcl", -1,
                 TCL_EVAL_GLOBAL) == TCL_ERROR) {
    std::printf("Eval error: %s", Tcl_GetStringResult(consoleInterp));
    std::fflush(stdout);
  }
  AliasConsoleProcs(consoleInterp);
  return 0;
}

extern "C" int Et_ConsoleCommand(ClientData clientData, Tcl_Interp *interp,
                                 int argc, const char *argv[]) {
  auto *link = static_cast<Et_ConsoleLink *>(clientData);
  if (argc < 2) return WrongArgs(interp, argv[0], " option ?arg arg ...?\"");

  const char *option = argv[1];
  Tcl_Interp *consoleInterp = link->consoleInterp;
  Hold hold(consoleInterp);
  bool usable = Usable(consoleInterp);

  if (SelectsOption(option, "title")) {
    DString command;
    Tcl_DStringAppend(command.get(), "wm title . ", -1);
    if (argc == 3) Tcl_DStringAppendElement(command.get(), argv[2]);
    if (usable) {
      Tcl_EvalEx(consoleInterp, command.value(), -1, TCL_EVAL_GLOBAL);
    }
    return TCL_OK;
  }
  if (SelectsOption(option, "hide")) {
    if (usable) Tcl_EvalEx(consoleInterp, "wm withdraw .", -1, TCL_EVAL_GLOBAL);
    return TCL_OK;
  }
  if (SelectsOption(option, "show")) {
    if (usable) {
      Tcl_EvalEx(consoleInterp, "wm deiconify .", -1, TCL_EVAL_GLOBAL);
    }
    return TCL_OK;
  }
  if (SelectsOption(option, "eval")) {
    if (argc != 3) return WrongArgs(interp, argv[0], " eval command\"");
    if (usable) Tcl_EvalEx(consoleInterp, argv[2], -1, 0);
    return TCL_OK;
  }
  Tcl_AppendResult(interp, "bad option \"", option,
                   "\": should be hide, show, or title",
                   static_cast<char *>(nullptr));
  return TCL_ERROR;
}

extern "C" int Et_ConsoleInterpCommand(ClientData clientData,
                                       Tcl_Interp *interp, int argc,
                                       const char *argv[]) {
  auto *link = static_cast<Et_ConsoleLink *>(clientData);
  if (argc < 2) return WrongArgs(interp, argv[0], " option ?arg arg ...?\"");

  const char *option = argv[1];
  Tcl_Interp *mainInterp = link->mainInterp;
  Hold hold(mainInterp);

  if (SelectsOption(option, "eval")) {
    if (argc != 3) return WrongArgs(interp, argv[0], " eval script\"");
    int code = Tcl_EvalEx(mainInterp, argv[2], -1, TCL_EVAL_GLOBAL);
    Tcl_ResetResult(interp);
    Tcl_AppendResult(interp, Tcl_GetStringResult(mainInterp),
                     static_cast<char *>(nullptr));
    return code;
  }
  if (SelectsOption(option, "record")) {
    if (argc != 3) return WrongArgs(interp, argv[0], " record script\"");
    Tcl_RecordAndEval(mainInterp, argv[2], TCL_EVAL_GLOBAL);
    Tcl_ResetResult(interp);
    Tcl_AppendResult(interp, Tcl_GetStringResult(mainInterp),
                     static_cast<char *>(nullptr));
    return TCL_OK;
  }
  Tcl_AppendResult(interp, "bad option \"", option,
                   "\": should be eval or record",
                   static_cast<char *>(nullptr));
  return TCL_ERROR;
}

extern "C" void Et_ConsoleCommandDeleted(ClientData clientData) {
  auto *link = static_cast<Et_ConsoleLink *>(clientData);
  Tcl_Interp *consoleInterp = link->consoleInterp;
  link->consoleInterp = nullptr;
  // Writes after this point find no console; drop them rather than look
  // into an interpreter that is going away.
  if (Et_StdoutInterp == link->mainInterp) Et_StdoutInterp = nullptr;
  if (consoleInterp != nullptr) Tcl_DeleteInterp(consoleInterp);
}

extern "C" void Et_MainWindowEvent(ClientData clientData, XEvent *eventPtr) {
  auto *link = static_cast<Et_ConsoleLink *>(clientData);
  if (eventPtr->type != DestroyNotify) return;
  Tcl_Interp *consoleInterp = link->consoleInterp;
  if (!Usable(consoleInterp)) return;
  Hold hold(consoleInterp);
  Tcl_EvalEx(consoleInterp, "tkConsoleExit", -1, TCL_EVAL_GLOBAL);
  // The console's window must go with the main window, or the event loop
  // would wait for it (withdrawn, out of the user's reach) for ever: close
  // it here when the console script could not.
  if (!Tcl_InterpDeleted(consoleInterp)) {
    Tk_Window consoleWindow = Tk_MainWindow(consoleInterp);
    if (consoleWindow != nullptr) {
      Tk_DestroyWindow(consoleWindow);
    } else {
      Tcl_ResetResult(consoleInterp);
    }
  }
}
