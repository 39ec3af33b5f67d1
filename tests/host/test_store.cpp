// The store of the unit-test binary: one small script of each kind, each
// recording that it ran, so that tests can see the order of start-up.
#include "store.h"

const Et_StoreEntry Et_Store[] = {
    {"Norvane", Et_StoreApp, "lappend ::order app\n"},
    {"init.tcl", Et_StoreInit,
     "lappend ::order init\n"
     "set auto_path [list {} . /usr/share/tcltk]\n"
     "package unknown {::tcl::tm::UnknownHandler ::tclPkgUnknown}\n"},
    {"msgcat.tcl", Et_StorePackage,
     "lappend ::order pkg\n"
     "namespace eval ::msgcat {proc mcload {dir} {error {reads the disk}}}\n"},
    {"parray.tcl", Et_StoreTcl, "lappend ::order tcl\n"},
    {"ttk/ttk.tcl", Et_StoreFile, "lappend ::order file\n"},
    {"tk.tcl", Et_StoreTkStartup, "lappend ::order tkup\n"},
    {"text.tcl", Et_StoreTk, "lappend ::order tk\n"},
};
const int Et_StoreCount = sizeof Et_Store / sizeof Et_Store[0];
