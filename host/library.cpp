// Toolkit start-up: the library scripts come from the built-in store, and
// the statements between them keep the interpreter from looking for
// scripts, packages, encodings or message catalogues on disk.
#include "library.h"

#include "format_eval.h"
#include "interp.h"
#include "store.h"

namespace {

// After the Tcl start-up script: it put "", "." and the system folders
// into auto_path and a package handler that searches them; relative
// encoding folders and the clock stubs would read the current folder.
// None of that may reach the disk.
constexpr const char kNoDiskLookups[] =
    "set auto_path {}; package unknown {}; "
    "encoding dirs [lmap d [encoding dirs] "
    "{if {[file pathtype $d] ne {absolute}} continue; set d}]; "
    "foreach c {add format scan} {proc ::tcl::clock::$c args "
    "[list return -code error \"clock $c is not available in this program\"]} ";

// After the message catalogue package: there are no catalogues in the
// store, and loading them would read the current folder.
constexpr const char kNoCatalogues[] = "proc ::msgcat::mcload {langdir} {return 0} ";

// Before the toolkit start-up script: its themed-widget part reads this
// variable, which only a toolkit library on disk would set.
constexpr const char kNoThemeLibrary[] = "namespace eval ::ttk {variable library {}} ";

} // namespace

int Et_LibraryInit(Tcl_Interp *) {
    Et_FormatEval("et80win", 396, "s", "set tk_library {}; set tcl_library {} ");
    for (int i = 0; i < Et_StoreCount; ++i) {
        const Et_StoreEntry &e = Et_Store[i];
        switch (e.kind) {
        case Et_StoreApp:
            break;
        case Et_StoreInit:
            Et_EvalBuiltin(e.name, e.text);
            Et_FormatEval("et80win", 397, "s", kNoDiskLookups);
            break;
        case Et_StorePackage:
            Et_EvalBuiltin(e.name, e.text);
            Et_FormatEval("et80win", 398, "s", kNoCatalogues);
            break;
        case Et_StoreTcl:
            Et_EvalBuiltin(e.name, e.text);
            break;
        case Et_StoreTkStartup:
            if (Et_Headless) break;
            Et_FormatEval("et80win", 399, "s", kNoThemeLibrary);
            Et_FormatEval("et80win", 401, "s", e.text);
            break;
        case Et_StoreTk:
            if (!Et_Headless) Et_EvalBuiltin(e.name, e.text);
            break;
        }
    }
    Et_FormatEval("et80win", 612, "s", "proc init {} {# do nothing}; init ");
    return 0;
}

void Et_RunMainScript(int, char **) {
    for (int i = 0; i < Et_StoreCount; ++i) {
        if (Et_Store[i].kind == Et_StoreApp) {
            Et_EvalBuiltin(Et_Store[i].name, Et_Store[i].text);
            return;
        }
    }
}
