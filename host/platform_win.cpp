// Platform layer for Windows: the raw command line, the module path, the
// message queue size, the console program's headless run, the system code
// page as the interpreter's system encoding, and the fatal-error report.
#include "platform.h"

#include <tcl.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
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
