// Test-only static package "Panicprobe" for the Windows panic probe: its
// command norvane_panic hands its argument to the interpreter library's
// panic, as a fatal error inside Tcl would. Registered before main runs.
#include <tcl.h>

namespace {

extern "C" int panic_command(ClientData, Tcl_Interp *, int objc, Tcl_Obj *const objv[]) {
    Tcl_Panic("%s", objc > 1 ? Tcl_GetString(objv[1]) : "panic probe");
    return TCL_ERROR;
}

extern "C" int panic_init(Tcl_Interp *interp) {
    Tcl_CreateObjCommand(interp, "norvane_panic", panic_command, nullptr, nullptr);
    return Tcl_PkgProvide(interp, "Panicprobe", "1.0");
}

struct Register {
    Register() { Tcl_StaticPackage(nullptr, "Panicprobe", panic_init, nullptr); }
} register_package;

} // namespace
