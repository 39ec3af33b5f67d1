// Fatal errors of the interpreter library end the process after telling
// the user through the platform layer.
#include "panic.h"

#include "platform.h"

#include <cstdarg>
#include <cstdio>

extern "C" void Et_Panic(const char *format, ...) {
    char message[1024];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(message, sizeof message, format, ap);
    va_end(ap);
    Et_PlatformFatal("Fatal Error in Wish", message);
}
