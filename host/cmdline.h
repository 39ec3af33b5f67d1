// The argument vector of the process: splitting a raw command line by the
// rules of the Windows runtime, or copying a vector the system has split.
#pragma once

// Number of pointer slots the splitter reserves for a command line: 2 plus
// one per run of whitespace.
int Et_SplitEstimate(const char *line);

// Splits a raw command line into a new argument vector (one block from
// the interpreter's allocator, never freed). argc counts the program name;
// argv[argc] is a null pointer.
void Et_SplitCommandText(const char *line, int *argcPtr, char ***argvPtr);

// Splits the raw command line of the process.
void Et_SplitCommandLine(int *argcPtr, char ***argvPtr);

// Copies an already split vector into one block laid out like the
// splitter's (slots, then the characters); for systems that pass argv.
void Et_CopyArgv(int argc, char **argv, int *argcPtr, char ***argvPtr);
