// Host commands for in-place writes: each hands its arguments to one
// service of the platform layer and turns a failure into a Tcl error.
#include "file_commands.h"

#include "format_eval.h"
#include "interp.h"
#include "platform.h"

#include <tcl.h>

#include <cerrno>
#include <map>
#include <memory>
#include <string>

namespace {

// A lock the script holds; released when the token is given back, or
// when the table goes at the end of the process.
class HeldLock {
public:
    explicit HeldLock(const Et_PlatformLock &lock) : lock_(lock) {}
    HeldLock(const HeldLock &) = delete;
    HeldLock &operator=(const HeldLock &) = delete;
    ~HeldLock() { Et_PlatformUnlockFile(lock_); }

private:
    Et_PlatformLock lock_;
};

std::map<std::string, std::unique_ptr<HeldLock>> &held_locks() {
    static std::map<std::string, std::unique_ptr<HeldLock>> locks;
    return locks;
}

unsigned long lock_count = 0;

// A path as the system takes it; the native form lives as long as this.
class NativePath {
public:
    explicit NativePath(const char *path) : obj_(Tcl_NewStringObj(path, -1)) {
        Tcl_IncrRefCount(obj_);
    }
    NativePath(const NativePath &) = delete;
    NativePath &operator=(const NativePath &) = delete;
    ~NativePath() { Tcl_DecrRefCount(obj_); }
    const void *get() const { return Tcl_FSGetNativePath(obj_); }

private:
    Tcl_Obj *obj_;
};

// Leaves "couldn't <what> "<path>": <reason>" and the POSIX error code of
// error in the interpreter; returns TCL_ERROR.
int os_error(Tcl_Interp *interp, const char *what, const char *path, int error) {
    Tcl_SetErrno(error);
    const char *reason = Tcl_PosixError(interp);
    Tcl_AppendResult(interp, "couldn't ", what, " \"", path, "\": ", reason,
                     static_cast<char *>(nullptr));
    return TCL_ERROR;
}

// Checks the argument count; leaves the usage in the interpreter when it
// is wrong.
bool usage(Tcl_Interp *interp, int argc, const char *argv[], int want, const char *args) {
    if (argc == want) return true;
    Tcl_AppendResult(interp, "wrong # args: should be \"", argv[0], " ", args, "\"",
                     static_cast<char *>(nullptr));
    return false;
}

// Runs a platform service on native paths; reports a path the system
// cannot name as that service's failure.
template <typename Service>
int on_paths(Tcl_Interp *interp, const char *what, const char *a, const char *b,
             Service service) {
    NativePath na(a), nb(b);
    const void *pa = na.get();
    const void *pb = nb.get();
    if (pa == nullptr || pb == nullptr) return os_error(interp, what, a, EINVAL);
    int error = service(pa, pb);
    return error == 0 ? TCL_OK : os_error(interp, what, a, error);
}

extern "C" int sync_cmd(ClientData, Tcl_Interp *interp, int argc, const char *argv[]) {
    if (!usage(interp, argc, argv, 2, "channel")) return TCL_ERROR;
    int mode = 0;
    Tcl_Channel chan = Tcl_GetChannel(interp, argv[1], &mode);
    if (chan == nullptr) return TCL_ERROR;
    ClientData handle = nullptr;
    if (!(mode & TCL_WRITABLE) ||
        Tcl_GetChannelHandle(chan, TCL_WRITABLE, &handle) != TCL_OK)
        return os_error(interp, "flush", argv[1], EBADF);
    if (Tcl_Flush(chan) != TCL_OK) return os_error(interp, "flush", argv[1], Tcl_GetErrno());
    int error = Et_PlatformSyncFile(handle);
    return error == 0 ? TCL_OK : os_error(interp, "flush", argv[1], error);
}

extern "C" int sync_folder_cmd(ClientData, Tcl_Interp *interp, int argc, const char *argv[]) {
    if (!usage(interp, argc, argv, 2, "path")) return TCL_ERROR;
    return on_paths(interp, "flush folder", argv[1], argv[1],
                    [](const void *p, const void *) { return Et_PlatformSyncFolder(p); });
}

extern "C" int replace_cmd(ClientData, Tcl_Interp *interp, int argc, const char *argv[]) {
    if (!usage(interp, argc, argv, 3, "from to")) return TCL_ERROR;
    return on_paths(interp, "rename", argv[1], argv[2], Et_PlatformReplaceFile);
}

extern "C" int lock_cmd(ClientData, Tcl_Interp *interp, int argc, const char *argv[]) {
    if (!usage(interp, argc, argv, 2, "path")) return TCL_ERROR;
    Et_PlatformLock lock;
    int error = 0;
    Et_LockStatus status = Et_LockStatus::failed;
    int code = on_paths(interp, "lock", argv[1], argv[1], [&](const void *p, const void *) {
        status = Et_PlatformLockFile(p, lock, error);
        return status == Et_LockStatus::failed ? error : 0;
    });
    if (code != TCL_OK || status == Et_LockStatus::busy) return code;
    std::string token = "norvane_lock" + std::to_string(++lock_count);
    held_locks()[token] = std::make_unique<HeldLock>(lock);
    Tcl_SetResult(interp, const_cast<char *>(token.c_str()), TCL_VOLATILE);
    return TCL_OK;
}

extern "C" int unlock_cmd(ClientData, Tcl_Interp *interp, int argc, const char *argv[]) {
    if (!usage(interp, argc, argv, 2, "token")) return TCL_ERROR;
    if (held_locks().erase(argv[1]) == 0) {
        Tcl_AppendResult(interp, "no lock \"", argv[1], "\" is held",
                         static_cast<char *>(nullptr));
        return TCL_ERROR;
    }
    return TCL_OK;
}

} // namespace

void Et_FileCommandsInit() {
    Et_RegisterCommand("norvane_sync", sync_cmd);
    Et_RegisterCommand("norvane_sync_folder", sync_folder_cmd);
    Et_RegisterCommand("norvane_replace", replace_cmd);
    Et_RegisterCommand("norvane_lock", lock_cmd);
    Et_RegisterCommand("norvane_unlock", unlock_cmd);
}
