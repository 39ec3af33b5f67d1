// Command-line splitting: whitespace separates arguments, double quotes
// group, and backslashes escape a double quote (2n backslashes and a quote
// give n backslashes and a quote that groups; 2n+1 give n and a literal
// quote). One block holds the pointer slots and the characters.
#include "cmdline.h"

#include "platform.h"

#include <tcl.h>

#include <cstring>

namespace {

// Whitespace of the "C" locale; bytes of 0x80 and above never are.
bool is_space(char c) {
    switch (c) {
    case ' ': case '\t': case '\n': case '\v': case '\f': case '\r':
        return true;
    default:
        return false;
    }
}

} // namespace

int Et_SplitEstimate(const char *line) {
    int slots = 2;
    bool in_run = false;
    for (const char *p = line; *p; ++p) {
        bool space = is_space(*p);
        if (space && !in_run) ++slots;
        in_run = space;
    }
    return slots;
}

void Et_SplitCommandText(const char *line, int *argcPtr, char ***argvPtr) {
    const int slots = Et_SplitEstimate(line);
    const std::size_t length = std::strlen(line);
    char *block = Tcl_Alloc(static_cast<unsigned>(slots * sizeof(char *) + length + 1));
    char **argv = reinterpret_cast<char **>(block);
    char *out = block + slots * sizeof(char *);

    const char *p = line;
    int argc = 0;
    while (argc < slots - 1) {
        argv[argc] = out;
        while (*p && is_space(*p)) ++p;
        if (*p == '\0') break;

        bool quoted = false;
        for (;;) {
            int backslashes = 0;
            while (*p == '\\') {
                ++backslashes;
                ++p;
            }
            bool copy = true;
            if (*p == '"') {
                if (backslashes % 2 == 0) {
                    copy = false;
                    if (quoted && p[1] == '"') {
                        ++p;           // "" inside quotes: one literal quote
                        copy = true;
                    } else {
                        quoted = !quoted;
                    }
                }
                backslashes /= 2;
            }
            while (backslashes-- > 0) *out++ = '\\';
            if (*p == '\0' || (!quoted && is_space(*p))) break;
            if (copy) *out++ = *p;
            ++p;
        }
        *out++ = '\0';
        ++argc;
    }
    argv[argc] = nullptr;
    *argcPtr = argc;
    *argvPtr = argv;
}

void Et_SplitCommandLine(int *argcPtr, char ***argvPtr) {
    Et_SplitCommandText(Et_PlatformRawCommandLine(), argcPtr, argvPtr);
}

void Et_CopyArgv(int argc, char **argv, int *argcPtr, char ***argvPtr) {
    if (argc < 0) argc = 0;
    const int slots = argc + 2;
    std::size_t chars = 0;
    for (int i = 0; i < argc; ++i) chars += std::strlen(argv[i]) + 1;
    char *block = Tcl_Alloc(static_cast<unsigned>(slots * sizeof(char *) + chars + 1));
    char **copy = reinterpret_cast<char **>(block);
    char *out = block + slots * sizeof(char *);
    for (int i = 0; i < argc; ++i) {
        std::size_t n = std::strlen(argv[i]) + 1;
        std::memcpy(out, argv[i], n);
        copy[i] = out;
        out += n;
    }
    copy[argc] = nullptr;
    copy[argc + 1] = nullptr;
    *argcPtr = argc;
    *argvPtr = copy;
}
