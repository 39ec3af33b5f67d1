// Platform layer for Windows: the raw command line, the module path, the
// message queue size and the fatal-error message box.
#include "platform.h"

#include <windows.h>

void Et_PlatformSetMessageQueue(int size) {
    // Only 16-bit Windows had SetMessageQueue; 32-bit queues grow as needed.
    (void)size;
}

void Et_PlatformFileLimitAsError() {
    // Windows has no file-size limit signal: a failed write is an error.
}

const char *Et_PlatformRawCommandLine() {
    return GetCommandLineA();
}

void Et_PlatformExecutablePath(char *buf, std::size_t size) {
    if (size == 0) return;
    DWORD n = GetModuleFileNameA(nullptr, buf, static_cast<DWORD>(size));
    if (n >= size) n = static_cast<DWORD>(size - 1);
    buf[n] = '\0';
}

bool Et_PlatformHasDisplay() {
    return true;
}

void Et_PlatformFatal(const char *caption, const char *message) {
    MessageBeep(MB_ICONEXCLAMATION);
    MessageBoxA(nullptr, message, caption,
                MB_ICONERROR | MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
    ExitProcess(1);
}
