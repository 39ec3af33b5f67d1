// Formatted evaluation: a host statement is built from typed pieces in a
// fixed buffer (or one heap buffer when it is larger), evaluated at global
// level, echoed when tracing, and reported with its label and line.
#include "format_eval.h"

#include "interp.h"

#include <tk.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

void *(*Et_FormatEvalAlloc)(std::size_t) = std::malloc;
unsigned long Et_FormatEvalHeapBuilds = 0;

namespace {

// Characters that a "q" piece puts a backslash before.
constexpr const char kQuoted[] = "$[\"\\{}";

// Room for the text of one "d" or "f" piece.
constexpr std::size_t kNumberSize = 40;
constexpr std::size_t kNumberEstimate = 20;

bool is_quoted(char c) {
    return c != '\0' && std::strchr(kQuoted, c) != nullptr;
}

struct FreeDeleter {
    void operator()(char *p) const { std::free(p); }
};

// Writes the pieces into out, which the estimate has sized; returns the
// end of the built text (where the NUL was written).
char *build(char *out, const char *types, va_list ap) {
    char number[kNumberSize];
    for (const char *t = types; *t; ++t) {
        switch (*t) {
        case 'd':
            std::snprintf(number, sizeof number, "%d", va_arg(ap, int));
            out = std::strcpy(out, number) + std::strlen(number);
            break;
        case 'f':
            std::snprintf(number, sizeof number, "%g", va_arg(ap, double));
            out = std::strcpy(out, number) + std::strlen(number);
            break;
        case 'q':
            for (const char *s = va_arg(ap, const char *); *s; ++s) {
                if (is_quoted(*s)) *out++ = '\\';
                *out++ = *s;
            }
            break;
        case 's': {
            const char *s = va_arg(ap, const char *);
            std::size_t n = std::strlen(s);
            std::memcpy(out, s, n);
            out += n;
            break;
        }
        default:
            break;
        }
    }
    *out = '\0';
    return out;
}

// Writes the trace echo of a built text: every backslash-newline becomes
// two blanks. The text is changed in place (it has been evaluated).
void echo(char *text) {
    for (char *p = text; *p; ++p) {
        if (p[0] == '\\' && p[1] == '\n') {
            p[0] = ' ';
            p[1] = ' ';
        }
    }
    std::fprintf(stdout, "%s\n", text);
    std::fflush(stdout);
}

// Reports a failed evaluation on standard error and passes the place to
// the script command tkerror, whose result is left in the interpreter.
void report(const char *where, int line) {
    std::fprintf(stderr, "ERROR at %s line %d: %s\n", where, line,
                 Tcl_GetStringResult(Et_Interp));
    std::fflush(stderr);
    std::string n = std::to_string(line);
    Tcl_VarEval(Et_Interp, "tkerror {", where, " line ", n.c_str(), "}",
                static_cast<char *>(nullptr));
}

} // namespace

std::size_t Et_FormatEstimate(const char *types, va_list ap) {
    std::size_t size = 1;
    for (const char *t = types; *t; ++t) {
        switch (*t) {
        case 'd':
            (void)va_arg(ap, int);
            size += kNumberEstimate;
            break;
        case 'f':
            (void)va_arg(ap, double);
            size += kNumberEstimate;
            break;
        case 'q':
            for (const char *s = va_arg(ap, const char *); *s; ++s)
                size += is_quoted(*s) ? 2 : 1;
            break;
        case 's':
            size += std::strlen(va_arg(ap, const char *));
            break;
        default:
            break;
        }
    }
    return size;
}

int Et_FormatEvalV(const char *label, int line, const char *types, va_list ap) {
    if (Et_Interp == nullptr) {
        std::fprintf(stderr,
                     "ERROR: %s line %d: Et_Interp does not point to a valid Tk interpreter\n",
                     label, line);
        return TCL_ERROR;
    }

    va_list pass;
    va_copy(pass, ap);
    std::size_t estimate = Et_FormatEstimate(types, pass);
    va_end(pass);

    char fixed[Et_FormatBufferSize];
    std::unique_ptr<char, FreeDeleter> heap;
    char *text = fixed;
    if (estimate > Et_FormatBufferSize) {
        heap.reset(static_cast<char *>(Et_FormatEvalAlloc(estimate)));
        if (!heap) {
            std::string msg = "File " + std::string(label) + " line " +
                              std::to_string(line) + ": can't allocate " +
                              std::to_string(estimate) + " bytes of memory";
            Tcl_AppendResult(Et_Interp, msg.c_str(), static_cast<char *>(nullptr));
            return TCL_ERROR;
        }
        ++Et_FormatEvalHeapBuilds;
        text = heap.get();
    }

    va_copy(pass, ap);
    build(text, types, pass);
    va_end(pass);

    // return, break and continue reach the caller as they are.
    Tcl_AllowExceptions(Et_Interp);
    int code = Tcl_EvalEx(Et_Interp, text, -1, TCL_EVAL_GLOBAL);
    if (et_trace_flag) echo(text);
    if (code == TCL_ERROR) report(label, line + Tcl_GetErrorLine(Et_Interp) - 1);
    return code;
}

int Et_FormatEval(const char *label, int line, const char *types, ...) {
    va_list ap;
    va_start(ap, types);
    int code = Et_FormatEvalV(label, line, types, ap);
    va_end(ap);
    return code;
}

const char *Et_FormatEvalString(const char *label, int line, const char *types, ...) {
    va_list ap;
    va_start(ap, types);
    Et_FormatEvalV(label, line, types, ap);
    va_end(ap);
    return Et_Interp ? Tcl_GetStringResult(Et_Interp) : "";
}

int Et_FormatEvalInt(const char *label, int line, const char *types, ...) {
    va_list ap;
    va_start(ap, types);
    Et_FormatEvalV(label, line, types, ap);
    va_end(ap);
    return Et_Interp ? static_cast<int>(std::strtol(Tcl_GetStringResult(Et_Interp), nullptr, 10)) : 0;
}

double Et_FormatEvalDouble(const char *label, int line, const char *types, ...) {
    va_list ap;
    va_start(ap, types);
    Et_FormatEvalV(label, line, types, ap);
    va_end(ap);
    return Et_Interp ? std::atof(Tcl_GetStringResult(Et_Interp)) : 0.0;
}

void Et_EvalBuiltin(const char *name, const char *script) {
    if (Et_Interp == nullptr) {
        std::fprintf(stderr,
                     "ERROR: %s: Et_Interp does not point to a valid Tk interpreter\n",
                     name);
        return;
    }
    if (Tcl_EvalEx(Et_Interp, script, -1, TCL_EVAL_GLOBAL) == TCL_ERROR)
        report(name, Tcl_GetErrorLine(Et_Interp));
}

Tcl_Command Et_RegisterCommand(const char *name, Tcl_CmdProc *proc) {
    return Tcl_CreateCommand(Et_Interp, name, proc,
                             static_cast<ClientData>(Et_MainWindow), nullptr);
}
