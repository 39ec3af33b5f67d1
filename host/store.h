// The built-in store: the scripts of the main interpreter, placed in the
// program at build time (generated from the application script and the
// installed Tcl/Tk library scripts) in the order they are evaluated.
#pragma once

enum Et_StoreKind {
    Et_StoreApp,        // the application script "Norvane"
    Et_StoreInit,       // the Tcl start-up script
    Et_StorePackage,    // a package script the toolkit asks for (msgcat)
    Et_StoreTcl,        // a Tcl library script
    Et_StoreTkStartup,  // the toolkit start-up script, a host statement
    Et_StoreTk,         // a toolkit library script
    Et_StoreFile        // a script the toolkit's scripts source by name
};

struct Et_StoreEntry {
    const char *name;   // used in error reports only
    Et_StoreKind kind;
    const char *text;   // stored form, NUL-terminated, UTF-8
};

// Defined by the generated store source linked into each executable.
extern const Et_StoreEntry Et_Store[];
extern const int Et_StoreCount;
