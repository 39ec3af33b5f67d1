// The few services of the operating system that start-up, the fatal
// error handler and the script's in-place writes need. One implementation
// per platform, chosen at build time (platform_posix.cpp, platform_win.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Asks for a window message queue of the given size (where there is one).
void Et_PlatformSetMessageQueue(int size);

// Makes a write past the process's file-size limit fail with an error
// that the script reports for the file, instead of ending the process.
void Et_PlatformFileLimitAsError();

// The raw command line of the process, program name included.
const char *Et_PlatformRawCommandLine();

// Writes the full path of the running executable into buf (cut to
// size - 1 characters, NUL-terminated).
void Et_PlatformExecutablePath(char *buf, std::size_t size);

// True when the toolkit can be asked to open a display at all (on
// Windows: false for the console program, which always runs headless).
bool Et_PlatformHasDisplay();

// Makes the interpreter library's system encoding the one the system
// passes arguments and file names in (after Tcl_FindExecutable).
void Et_PlatformSystemEncoding();

// Tells the user about a fatal error (caption and message) and ends the
// process with status 1: a message box for a windowed program, standard
// error for one without.
[[noreturn]] void Et_PlatformFatal(const char *caption, const char *message);

// --- Files: flushing to disk, replacing, locking ---------------------
// Paths are in the system's own form, as Tcl_FSGetNativePath gives them
// (bytes on POSIX, UTF-16 on Windows). The functions that can fail return
// 0 or an errno value (EACCES, ENOSPC, ...) saying why.

// Forces an open file's data and attributes to the disk. handle is the
// system handle of the file's channel (a file descriptor on POSIX).
int Et_PlatformSyncFile(void *handle);

// Forces a folder's entries (names made, renamed or removed in it) to
// the disk.
int Et_PlatformSyncFolder(const void *path);

// Puts the file from in place of the file to in one step: at every
// moment the name to holds the old file or the new one, never nothing.
int Et_PlatformReplaceFile(const void *from, const void *to);

// A held advisory lock: the open lock file (a descriptor on POSIX, a
// HANDLE on Windows) and its path.
struct Et_PlatformLock {
    std::intptr_t handle = -1;
    std::string path;
};

enum class Et_LockStatus { held, busy, failed };

// Takes the lock of the lock file at path, making the file when there is
// none. Returns held (lock filled in), busy (another process holds it) or
// failed (error set: the lock file cannot be made or opened). The lock
// ends with Et_PlatformUnlockFile or with the process, however it ends.
Et_LockStatus Et_PlatformLockFile(const void *path, Et_PlatformLock &lock, int &error);

// Removes the lock file and releases the lock. Safe to call twice.
void Et_PlatformUnlockFile(Et_PlatformLock &lock);
