// Platform layer for Windows: the raw command line, the module path, the
// message queue size, the fatal-error message box, and FlushFileBuffers,
// write-through MoveFileExW and exclusive lock files for in-place writes.
#include "platform.h"

#include <windows.h>

#include <cerrno>

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

namespace {

// The errno value that says what a Windows error code says, for the
// script's messages ("permission denied", "no space left on device").
int errno_of(DWORD code) {
    static const struct {
        DWORD code;
        int error;
    } table[] = {
        {ERROR_FILE_NOT_FOUND, ENOENT},     {ERROR_PATH_NOT_FOUND, ENOENT},
        {ERROR_INVALID_NAME, ENOENT},       {ERROR_ACCESS_DENIED, EACCES},
        {ERROR_SHARING_VIOLATION, EACCES},  {ERROR_LOCK_VIOLATION, EACCES},
        {ERROR_WRITE_PROTECT, EROFS},       {ERROR_DISK_FULL, ENOSPC},
        {ERROR_HANDLE_DISK_FULL, ENOSPC},   {ERROR_ALREADY_EXISTS, EEXIST},
        {ERROR_FILE_EXISTS, EEXIST},        {ERROR_NOT_SAME_DEVICE, EXDEV},
        {ERROR_INVALID_HANDLE, EBADF},      {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
        {ERROR_NOT_SUPPORTED, ENOSYS},      {ERROR_INVALID_FUNCTION, ENOSYS},
    };
    for (const auto &row : table) {
        if (row.code == code) return row.error;
    }
    return EIO;
}

const wchar_t *wide(const void *path) {
    return static_cast<const wchar_t *>(path);
}

} // namespace

int Et_PlatformSyncFile(void *handle) {
    return FlushFileBuffers(static_cast<HANDLE>(handle)) ? 0 : errno_of(GetLastError());
}

int Et_PlatformSyncFolder(const void *) {
    // The replace is write-through (MOVEFILE_WRITE_THROUGH): the folder's
    // entry is on the disk when Et_PlatformReplaceFile returns.
    return 0;
}

int Et_PlatformReplaceFile(const void *from, const void *to) {
    if (MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return errno_of(GetLastError());
}

Et_LockStatus Et_PlatformLockFile(const void *path, Et_PlatformLock &lock, int &error) {
    // The lock is the open lock file itself: opened with no sharing, no
    // other process can open it while it is held, and it is deleted when
    // its handle is closed, by the system too when the process ends.
    // Just after a holder has closed it, the file may still be on its way
    // out (open fails with access denied) for a moment: then try again.
    for (int attempt = 0; attempt < 20; ++attempt) {
        HANDLE h = CreateFileW(wide(path), GENERIC_READ | DELETE, 0, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            lock.handle = reinterpret_cast<std::intptr_t>(h);
            return Et_LockStatus::held;
        }
        DWORD code = GetLastError();
        if (code == ERROR_SHARING_VIOLATION) return Et_LockStatus::busy;
        if (code != ERROR_ACCESS_DENIED) {
            error = errno_of(code);
            return Et_LockStatus::failed;
        }
        Sleep(5);
    }
    error = EACCES;
    return Et_LockStatus::failed;
}

void Et_PlatformUnlockFile(Et_PlatformLock &lock) {
    if (lock.handle == -1) return;
    CloseHandle(reinterpret_cast<HANDLE>(lock.handle));
    lock.handle = -1;
}
