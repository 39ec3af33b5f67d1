// The few services of the operating system that start-up and the fatal
// error handler need. One implementation per platform, chosen at build
// time (platform_posix.cpp, platform_win.cpp).
#pragma once

#include <cstddef>

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
