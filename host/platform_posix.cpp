// Platform layer for POSIX systems (Linux): no message queue, the
// executable path from /proc, fatal errors on standard error.
#include "platform.h"

#include <unistd.h>

#include <csignal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

void Et_PlatformSetMessageQueue(int) {}

void Et_PlatformFileLimitAsError() {
    // By default SIGXFSZ ends the process mid-write; ignored, the write
    // fails with EFBIG and the file is left as it was.
    std::signal(SIGXFSZ, SIG_IGN);
}

const char *Et_PlatformRawCommandLine() {
    // The process receives its arguments already split; start-up uses them.
    return "";
}

void Et_PlatformExecutablePath(char *buf, std::size_t size) {
    if (size == 0) return;
    ssize_t n = readlink("/proc/self/exe", buf, size - 1);
    if (n < 0) n = 0;
    buf[n] = '\0';
}

bool Et_PlatformHasDisplay() {
    const char *display = std::getenv("DISPLAY");
    return display != nullptr && display[0] != '\0';
}

void Et_PlatformSystemEncoding() {
    // The library takes the encoding from the locale itself.
}

void Et_PlatformFatal(const char *caption, const char *message) {
    std::fprintf(stderr, "%s\n%s\n", caption, message);
    std::fflush(stderr);
    _exit(1);
}
