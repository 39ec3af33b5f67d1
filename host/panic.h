// The interpreter library's fatal-error handler.
#pragma once

// Formats the message (printf rules, cut to 1023 characters), shows it
// with the caption "Fatal Error in Wish" and ends the process with 1.
extern "C" [[noreturn]] void Et_Panic(const char *format, ...);
