// Toolkit start-up: the library scripts come from the built-in store, and
// the statements between them keep the interpreter from looking for
// scripts, packages, encodings or message catalogues on disk.
#include "library.h"

#include "format_eval.h"
#include "interp.h"
#include "store.h"

#include <cstring>

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

// Folder name under which the toolkit's scripts find the store's files:
// `source` of a path under it evaluates the stored file of that name and
// never touches the disk.
constexpr const char kStoreFolder[] = "/norvane-store/";

// Before the toolkit start-up script: the themed widgets' library lives in
// the store, and `source` looks there first while the toolkit loads.
constexpr const char kStoreSourceOn[] =
    "namespace eval ::ttk {variable library /norvane-store/ttk}; "
    "rename ::source ::tcl::norvane_disk_source; "
    "proc ::source {args} {"
    "set path [lindex $args end]; "
    "if {[string match /norvane-store/* $path]} "
    "{return [uplevel 1 [list ::et_store_source [string range $path 15 end]]]}; "
    "uplevel 1 [list ::tcl::norvane_disk_source {*}$args]} ";

// After the toolkit library scripts: `source` is the interpreter's own again.
constexpr const char kStoreSourceOff[] =
    "rename ::source {}; rename ::tcl::norvane_disk_source ::source; "
    "rename ::et_store_source {} ";

// et_store_source name: evaluates the stored file of that name in the
// caller's scope, as `source` would a file.
extern "C" int store_source(ClientData, Tcl_Interp *interp, int objc, Tcl_Obj *const objv[]) {
    if (objc != 2) {
        Tcl_WrongNumArgs(interp, 1, objv, "name");
        return TCL_ERROR;
    }
    const char *name = Tcl_GetString(objv[1]);
    for (int i = 0; i < Et_StoreCount; ++i) {
        const Et_StoreEntry &e = Et_Store[i];
        if (e.kind == Et_StoreFile && std::strcmp(e.name, name) == 0)
            return Tcl_EvalEx(interp, e.text, -1, 0);
    }
    Tcl_SetObjResult(interp, Tcl_ObjPrintf("couldn't read file \"%s%s\": not in the built-in store",
                                           kStoreFolder, name));
    return TCL_ERROR;
}

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
            Tcl_CreateObjCommand(Et_Interp, "::et_store_source", store_source, nullptr, nullptr);
            Et_FormatEval("et80win", 399, "s", kStoreSourceOn);
            Et_FormatEval("et80win", 401, "s", e.text);
            break;
        case Et_StoreTk:
            if (!Et_Headless) Et_EvalBuiltin(e.name, e.text);
            break;
        case Et_StoreFile:
            break;
        }
    }
    if (!Et_Headless) Et_FormatEval("et80win", 611, "s", kStoreSourceOff);
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
