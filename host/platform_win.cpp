// Platform layer for Windows: the raw command line, the module path, the
// message queue size, the console program's headless run, the system code
// page as the interpreter's system encoding, the fatal-error report, and
// FlushFileBuffers, write-through MoveFileExW and exclusive lock files for
// in-place writes.
#include "platform.h"

#include <tcl.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// True for a console-subsystem program (NorvaneCmd.exe): the same code as
// the windowed one, told apart by the subsystem its image header names.
bool is_console_program() {
    auto base = reinterpret_cast<const unsigned char *>(GetModuleHandleA(nullptr));
    auto dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    auto nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_CUI;
}

// The ANSI code page as a Tcl encoding, converted by the system itself, so
// that no encoding file is needed on disk. One character at a time: a lead
// byte of a double-byte code page takes its trail byte along.
UINT code_page;

// One character's conversion: reads it from src (left bytes there; end
// when no more will follow), writes its text to buf (8 bytes) and sets
// *used to the bytes read. Returns the bytes written, or -1 when the
// character is cut off at the end of src.
using CharStep = int (*)(const char *src, int left, bool end, char *buf, int *used);

// A Tcl conversion procedure's loop, one character at a time by step.
int convert(CharStep step, const char *src, int srcLen, int flags, char *dst, int dstLen,
            int *srcRead, int *dstWrote, int *dstChars) {
    int in = 0, out = 0, chars = 0, result = TCL_OK;
    while (in < srcLen) {
        char buf[8];
        int used = 0;
        int n = step(src + in, srcLen - in, (flags & TCL_ENCODING_END) != 0, buf, &used);
        if (n < 0) {
            result = TCL_CONVERT_MULTIBYTE;
            break;
        }
        if (n > dstLen - out) {
            result = TCL_CONVERT_NOSPACE;
            break;
        }
        std::memcpy(dst + out, buf, static_cast<std::size_t>(n));
        in += used;
        out += n;
        ++chars;
    }
    *srcRead = in;
    *dstWrote = out;
    *dstChars = chars;
    return result;
}

int acp_char_to_utf(const char *src, int left, bool end, char *buf, int *used) {
    int len = IsDBCSLeadByteEx(code_page, static_cast<BYTE>(src[0])) ? 2 : 1;
    if (len > left) {
        if (!end) return -1;
        len = 1;
    }
    WCHAR wide[2];
    int nw = MultiByteToWideChar(code_page, 0, src, len, wide, 2);
    if (nw <= 0) {
        wide[0] = static_cast<unsigned char>(src[0]);
        nw = 1;
    }
    int n = 0;
    for (int i = 0; i < nw; ++i) n += Tcl_UniCharToUtf(wide[i], buf + n);
    *used = len;
    return n;
}

int utf_char_to_acp(const char *src, int left, bool end, char *buf, int *used) {
    if (!end && !Tcl_UtfCharComplete(src, left)) return -1;
    Tcl_UniChar ch = 0;
    *used = Tcl_UtfToUniChar(src, &ch);
    WCHAR wide = static_cast<WCHAR>(ch);
    int n = WideCharToMultiByte(code_page, 0, &wide, 1, buf, 8, "?", nullptr);
    if (n <= 0) {
        buf[0] = '?';
        n = 1;
    }
    return n;
}

extern "C" int acp_to_utf(ClientData, const char *src, int srcLen, int flags,
                          Tcl_EncodingState *, char *dst, int dstLen, int *srcRead,
                          int *dstWrote, int *dstChars) {
    return convert(acp_char_to_utf, src, srcLen, flags, dst, dstLen, srcRead, dstWrote, dstChars);
}

extern "C" int utf_to_acp(ClientData, const char *src, int srcLen, int flags,
                          Tcl_EncodingState *, char *dst, int dstLen, int *srcRead,
                          int *dstWrote, int *dstChars) {
    return convert(utf_char_to_acp, src, srcLen, flags, dst, dstLen, srcRead, dstWrote, dstChars);
}

} // namespace

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
    return !is_console_program();
}

void Et_PlatformSystemEncoding() {
    code_page = GetACP();
    std::string name = "cp" + std::to_string(code_page);
    Tcl_Encoding found = Tcl_GetEncoding(nullptr, name.c_str());
    if (found == nullptr) {
        Tcl_EncodingType type = {};
        type.encodingName = name.c_str();
        type.toUtfProc = acp_to_utf;
        type.fromUtfProc = utf_to_acp;
        type.nullSize = 1;
        found = Tcl_CreateEncoding(&type);
    }
    Tcl_SetSystemEncoding(nullptr, name.c_str());
    Tcl_FreeEncoding(found);
}

void Et_PlatformFatal(const char *caption, const char *message) {
    if (is_console_program()) {
        // Nobody may be there to press OK (a scheduled job): the message
        // goes to standard error.
        std::fprintf(stderr, "%s\n%s\n", caption, message);
        std::fflush(stderr);
        ExitProcess(1);
    }
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

namespace {

// Gives the new file the attributes of the file it replaces that a user
// sets (hidden, system, archive, not indexed): the move keeps the new
// file's own.
void keep_attributes(const wchar_t *from, const wchar_t *to) {
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                           FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    DWORD old_attrs = GetFileAttributesW(to);
    DWORD new_attrs = GetFileAttributesW(from);
    if (old_attrs == INVALID_FILE_ATTRIBUTES || new_attrs == INVALID_FILE_ATTRIBUTES) return;
    // Set even when they seem the same: Wine shows a name that begins
    // with a dot as hidden without storing it, and a rename would lose it.
    DWORD want = (new_attrs & ~kept) | (old_attrs & kept);
    SetFileAttributesW(from, want == 0 ? FILE_ATTRIBUTE_NORMAL : want);
}

// Gives the file from the security of the file to (its access list, and
// its owner and group where this process may set them), so that the file
// that takes to's place is guarded as it was rather than as its folder
// would guard a new file. A file whose security cannot be read keeps what
// it has.
void keep_security(const wchar_t *from, const wchar_t *to) {
    const SECURITY_INFORMATION parts[] = {
        DACL_SECURITY_INFORMATION | OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION,
        DACL_SECURITY_INFORMATION,
    };
    for (SECURITY_INFORMATION what : parts) {
        DWORD need = 0;
        GetFileSecurityW(to, what, nullptr, 0, &need);
        if (need == 0) return;
        std::vector<unsigned char> sd(need);
        if (!GetFileSecurityW(to, what, sd.data(), need, &need)) return;
        if (SetFileSecurityW(from, what, sd.data())) return;
    }
}

} // namespace

int Et_PlatformReplaceFile(const void *from, const void *to) {
    keep_attributes(wide(from), wide(to));
    keep_security(wide(from), wide(to));
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
