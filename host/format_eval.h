// Formatted evaluation of host statements and evaluation of built-in
// scripts in the main interpreter, with error reports on standard error.
#pragma once

#include <tcl.h>

#include <cstdarg>
#include <cstddef>

// Builds a script from typed pieces and evaluates it at global level.
// Type letters: d (int), f (double), q (text, quoted), s (text); any other
// letter takes no piece. Errors are reported as at label, line + the line
// within the statement - 1. Returns the completion code (1 when nothing
// was evaluated).
int Et_FormatEval(const char *label, int line, const char *types, ...);
int Et_FormatEvalV(const char *label, int line, const char *types, va_list ap);

// The same, returning the interpreter's result afterwards as text,
// as an integer or as a double.
const char *Et_FormatEvalString(const char *label, int line, const char *types, ...);
int Et_FormatEvalInt(const char *label, int line, const char *types, ...);
double Et_FormatEvalDouble(const char *label, int line, const char *types, ...);

// Evaluates a whole built-in script at global level and reports an error
// as at name and the line within the script.
void Et_EvalBuiltin(const char *name, const char *script);

// Creates a string-based command in the main interpreter whose client
// data is the main window.
Tcl_Command Et_RegisterCommand(const char *name, Tcl_CmdProc *proc);

// The size a formatted build needs, terminating NUL included.
std::size_t Et_FormatEstimate(const char *types, va_list ap);

// Builds larger than this many bytes (the estimate) use the heap.
constexpr std::size_t Et_FormatBufferSize = 1000;

// How the heap buffer of a large build is obtained (replaceable in
// tests) and how many builds have used the heap so far.
extern void *(*Et_FormatEvalAlloc)(std::size_t);
extern unsigned long Et_FormatEvalHeapBuilds;
