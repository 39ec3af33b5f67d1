// Start-up sequence of the process and of the main interpreter.
#include "startup.h"

#include "cmdline.h"
#include "console.h"
#include "file_commands.h"
#include "format_eval.h"
#include "interp.h"
#include "library.h"
#include "panic.h"
#include "platform.h"

#include <tcl.h>
#include <tk.h>

#include <clocale>
#include <cstring>

namespace {

// The executable's full path, slot 0 of the argument vector for the run.
char exe_path[260];

// Lines of the statement that finds cmd_name and cmd_dir.
constexpr const char *kCmdDirLines[] = {
    "\n",
    "set cmd_name [file tail $argv0]\n",
    "set cmd_dir [file dirname $argv0]\n",
    "if \"![file readable $argv0] || ![file isfile $argv0]\" {\n",
    "foreach i [split $env(PATH) :] {\n",
    "if \"[file readable $i/$cmd_name] && [file isfile $i/$cmd_name]\" {\n",
    "set cmd_dir $i\n",
    "break;\n",
    "}\n",
    "}\n",
    "}\n",
};

// Turns the arguments from the system's encoding into the interpreter's,
// in place of the originals (copies from the interpreter's allocator).
void to_interp_encoding(int argc, char **argv) {
    for (int i = 0; i < argc; ++i) {
        Tcl_DString ds;
        Tcl_ExternalToUtfDString(nullptr, argv[i], -1, &ds);
        int n = Tcl_DStringLength(&ds);
        char *copy = Tcl_Alloc(static_cast<unsigned>(n + 1));
        std::memcpy(copy, Tcl_DStringValue(&ds), static_cast<std::size_t>(n) + 1);
        Tcl_DStringFree(&ds);
        argv[i] = copy;
    }
}

// Gives up the toolkit: scripts learn it from norvane_headless, and the
// interpreter writes to the process's own standard channels.
void go_headless() {
    if (!Et_Headless) {
        Et_Headless = true;
        Et_StdChannelsUseProcess();
    }
}

// Ends a run: headless, with the status the script left; otherwise after
// the event loop, with 0. A headless run ends as a script's exit does,
// without deleting the interpreter: that would free the last file's table
// object by object (a tenth of a large file's conversion time) just
// before the process gives all its memory back. Tcl_Exit still flushes
// and closes every channel.
[[noreturn]] void finish() {
    if (Et_Headless) {
        int status = 0;
        const char *v = Tcl_GetVar(Et_Interp, "norvane_exit_status", TCL_GLOBAL_ONLY);
        if (v == nullptr || Tcl_GetInt(nullptr, v, &status) != TCL_OK) status = 0;
        Tcl_Exit(status);
    }
    Tk_MainLoop();
    Tcl_DeleteInterp(Et_Interp);
    Tcl_Exit(0);
}

} // namespace

void Et_AppInit(int argc, char **argv) {
    Tcl_FindExecutable(argv[0]);
    Et_PlatformSystemEncoding();
    Et_Interp = Tcl_CreateInterp();
    to_interp_encoding(argc, argv);
    if (!Et_PlatformHasDisplay()) go_headless();

    char *merged = Tcl_Merge(argc - 1, argv + 1);
    Tcl_SetVar(Et_Interp, "argv", merged, TCL_GLOBAL_ONLY);
    Tcl_Free(merged);

    Et_FormatEval("et80win", 655, "sds", "set argc ", argc - 1, " ");
    Et_FormatEval("et80win", 656, "sqs", "set argv0 \"", argv[0], "\" ");
    Et_FormatEval("et80win", 661, "s", "set tcl_interactive 0 ");

    // Tk looks for its start-up script on disk unless tkInit exists.
    Et_FormatEval("et80win", 662, "s", "proc tkInit {} {} ");
    if (!Et_Headless && Tk_Init(Et_Interp) != TCL_OK) {
        Tcl_ResetResult(Et_Interp);
        go_headless();
    }
    if (!Et_Headless) Tcl_StaticPackage(Et_Interp, "Tk", Tk_Init, nullptr);
    Et_FormatEval("et80win", 664, "sds", "set norvane_headless ", Et_Headless ? 1 : 0, " ");

    Et_LibraryInit(Et_Interp);
    if (!Et_Headless) Et_ConsoleSetup(Et_Interp);
    Tcl_LinkVar(Et_Interp, "et_trace_flag", reinterpret_cast<char *>(&et_trace_flag),
                TCL_LINK_INT);
    if (!Et_Headless) {
        Et_MainWindow = Tk_MainWindow(Et_Interp);
        Et_Display = Et_MainWindow ? Tk_Display(Et_MainWindow) : nullptr;
    }
    Et_FileCommandsInit();

    const char *const *l = kCmdDirLines;
    Et_FormatEval("et80win", 727, "sssssssssss",
                  l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], l[8], l[9], l[10]);
    Et_FormatEval("et80win", 740, "s", "set Win32 1 ");
}

void Et_ProcessEntry(int argc, char **argv) {
    Tcl_SetPanicProc(Et_Panic);
    std::setlocale(LC_ALL, "C");
    Et_PlatformSetMessageQueue(64);
    Et_PlatformFileLimitAsError();
    Et_StdChannelsInit();

    int ac = 0;
    char **av = nullptr;
    if (argv != nullptr)
        Et_CopyArgv(argc, argv, &ac, &av);
    else
        Et_SplitCommandLine(&ac, &av);
    if (ac == 0) {
        // No program name at all: slot 0 still takes the executable path.
        ac = 1;
        av[1] = nullptr;
    }

    Et_PlatformExecutablePath(exe_path, sizeof exe_path);
    av[0] = exe_path;
    for (char *p = exe_path; *p; ++p) {
        if (*p == '\\') *p = '/';
    }

    Et_AppInit(ac, av);
    Et_RunMainScript(ac, av);
    finish();
}
