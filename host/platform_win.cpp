// Platform layer for Windows: the raw command line, the module path, the
// message queue size, the console program's headless run, the system code
// page as the interpreter's system encoding, and the fatal-error report.
#include "platform.h"

#include <tcl.h>
#include <windows.h>

#include <cstdio>
#include <string>

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

// Copies the UTF-8 text of one character to dst when it fits; returns its
// length, or 0 when dst has no room.
int put_utf(const char *utf, int n, char *dst, int room) {
    if (n > room) return 0;
    for (int i = 0; i < n; ++i) dst[i] = utf[i];
    return n;
}

extern "C" int acp_to_utf(ClientData, const char *src, int srcLen, int flags,
                          Tcl_EncodingState *, char *dst, int dstLen, int *srcRead,
                          int *dstWrote, int *dstChars) {
    int in = 0, out = 0, chars = 0, result = TCL_OK;
    while (in < srcLen) {
        int len = IsDBCSLeadByteEx(code_page, static_cast<BYTE>(src[in])) ? 2 : 1;
        if (in + len > srcLen) {
            if (!(flags & TCL_ENCODING_END)) {
                result = TCL_CONVERT_MULTIBYTE;
                break;
            }
            len = 1;
        }
        WCHAR wide[2];
        int nw = MultiByteToWideChar(code_page, 0, src + in, len, wide, 2);
        if (nw <= 0) {
            wide[0] = static_cast<unsigned char>(src[in]);
            nw = 1;
        }
        char utf[2 * TCL_UTF_MAX];
        int nu = 0;
        for (int i = 0; i < nw; ++i) nu += Tcl_UniCharToUtf(wide[i], utf + nu);
        if (put_utf(utf, nu, dst + out, dstLen - out) == 0) {
            result = TCL_CONVERT_NOSPACE;
            break;
        }
        in += len;
        out += nu;
        ++chars;
    }
    *srcRead = in;
    *dstWrote = out;
    *dstChars = chars;
    return result;
}

extern "C" int utf_to_acp(ClientData, const char *src, int srcLen, int flags,
                          Tcl_EncodingState *, char *dst, int dstLen, int *srcRead,
                          int *dstWrote, int *dstChars) {
    int in = 0, out = 0, chars = 0, result = TCL_OK;
    while (in < srcLen) {
        if (!(flags & TCL_ENCODING_END) && !Tcl_UtfCharComplete(src + in, srcLen - in)) {
            result = TCL_CONVERT_MULTIBYTE;
            break;
        }
        Tcl_UniChar ch = 0;
        int len = Tcl_UtfToUniChar(src + in, &ch);
        WCHAR wide = static_cast<WCHAR>(ch);
        char bytes[4];
        int nb = WideCharToMultiByte(code_page, 0, &wide, 1, bytes, sizeof bytes, "?", nullptr);
        if (nb <= 0) {
            bytes[0] = '?';
            nb = 1;
        }
        if (put_utf(bytes, nb, dst + out, dstLen - out) == 0) {
            result = TCL_CONVERT_NOSPACE;
            break;
        }
        in += len;
        out += nb;
        ++chars;
    }
    *srcRead = in;
    *dstWrote = out;
    *dstChars = chars;
    return result;
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
