// Formatted evaluation: estimate, fixed and heap buffers, escaping, error
// reports with label and line, tkerror, the trace echo and the result
// variants.
#include <gtest/gtest.h>

#include "format_eval.h"
#include "interp.h"

#include <cstdarg>
#include <string>

namespace {

std::size_t estimate(const char *types, ...) {
    va_list ap;
    va_start(ap, types);
    std::size_t n = Et_FormatEstimate(types, ap);
    va_end(ap);
    return n;
}

class FormatEval : public testing::Test {
protected:
    void SetUp() override {
        Et_Interp = Tcl_CreateInterp();
        et_trace_flag = 0;
    }
    void TearDown() override {
        Et_FormatEvalAlloc = std::malloc;
        et_trace_flag = 0;
        Tcl_DeleteInterp(Et_Interp);
        Et_Interp = nullptr;
    }
    std::string var(const char *name) {
        const char *v = Tcl_GetVar(Et_Interp, name, TCL_GLOBAL_ONLY);
        return v ? v : "<unset>";
    }
    // Defines tkerror so that its argument can be seen afterwards.
    void catch_tkerror() {
        Tcl_Eval(Et_Interp, "proc tkerror {where} {set ::tkerror_arg $where; return handled}");
    }
};

TEST_F(FormatEval, BuildsTypedPiecesWithTheirEstimate) {
    EXPECT_EQ(estimate("sds", "set argc ", 2, " "), 31u);
    EXPECT_EQ(Et_FormatEval("et80win", 655, "sds", "set argc ", 2, " "), TCL_OK);
    EXPECT_EQ(var("argc"), "2");
    // A "d" piece adds 20 whatever its value; "f" too.
    EXPECT_EQ(estimate("d", 7), 21u);
    EXPECT_EQ(estimate("d", -2147483647 - 1), 21u);
    EXPECT_EQ(estimate("f", 1.5), 21u);
    EXPECT_EQ(Et_FormatEval("t", 1, "sf", "set g ", 0.1), TCL_OK);
    EXPECT_EQ(var("g"), "0.1");
}

TEST_F(FormatEval, QuotesTheSixSpecialCharacters) {
    const char *text = "a\"b$c{d}e\\f";
    EXPECT_EQ(estimate("q", text), std::string(text).size() + 5 + 1);
    EXPECT_EQ(Et_FormatEval("t", 1, "sqs", "set x \"", text, "\""), TCL_OK);
    EXPECT_EQ(var("x"), text);
    // The closing bracket is left alone; the opening one is escaped.
    EXPECT_EQ(estimate("q", "[x]"), 5u);
    EXPECT_EQ(Et_FormatEval("t", 1, "sqs", "set y \"", "[x]", "\""), TCL_OK);
    EXPECT_EQ(var("y"), "[x]");
}

TEST_F(FormatEval, UnknownLettersTakeNoPiece) {
    EXPECT_EQ(estimate("sxs", "a", "b"), 3u);
    EXPECT_EQ(Et_FormatEval("t", 1, "sxs", "set z a", "b"), TCL_OK);
    EXPECT_EQ(var("z"), "ab");
    // The empty type string evaluates the empty script.
    Tcl_SetResult(Et_Interp, const_cast<char *>("old"), TCL_STATIC);
    EXPECT_EQ(Et_FormatEval("t", 1, ""), TCL_OK);
    EXPECT_STREQ(Tcl_GetStringResult(Et_Interp), "");
}

TEST_F(FormatEval, BuildsOf1000BytesOrLessUseTheFixedBuffer) {
    // "set v {" + filler + "}" built to exactly 999 characters: estimate 1000.
    std::string filler999(999 - 8, 'a');
    std::string filler1000(1000 - 8, 'b');
    unsigned long before = Et_FormatEvalHeapBuilds;
    EXPECT_EQ(estimate("sss", "set v {", filler999.c_str(), "}"), 1000u);
    EXPECT_EQ(Et_FormatEval("t", 1, "sss", "set v {", filler999.c_str(), "}"), TCL_OK);
    EXPECT_EQ(Et_FormatEvalHeapBuilds, before);
    EXPECT_EQ(var("v"), filler999);
    EXPECT_EQ(Et_FormatEval("t", 1, "sss", "set v {", filler1000.c_str(), "}"), TCL_OK);
    EXPECT_EQ(Et_FormatEvalHeapBuilds, before + 1);
    EXPECT_EQ(var("v"), filler1000);
}

TEST_F(FormatEval, HeapFailureIsReportedInTheResultOnly) {
    Et_FormatEvalAlloc = [](std::size_t) -> void * { return nullptr; };
    std::string big(1500, 'c');
    testing::internal::CaptureStderr();
    EXPECT_EQ(Et_FormatEval("lbl", 5, "ss", "set w ", big.c_str()), TCL_ERROR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_STREQ(Tcl_GetStringResult(Et_Interp),
                 "File lbl line 5: can't allocate 1507 bytes of memory");
    EXPECT_EQ(var("w"), "<unset>");
}

TEST_F(FormatEval, ErrorLineIsStatementLinePlusLineWithinMinusOne) {
    catch_tkerror();
    testing::internal::CaptureStderr();
    int code = Et_FormatEval("et80win", 727, "sss", "set a 1\n", "set b 2\n", "error boom\n");
    EXPECT_EQ(code, TCL_ERROR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR at et80win line 729: boom\n");
    EXPECT_EQ(var("tkerror_arg"), "et80win line 729");
    // tkerror's result replaces the error message.
    EXPECT_STREQ(Tcl_GetStringResult(Et_Interp), "handled");
}

TEST_F(FormatEval, StringResultAfterFailureIsTkerrorsResult) {
    testing::internal::CaptureStderr();
    // Without tkerror the failed call to it leaves its own message.
    EXPECT_STREQ(Et_FormatEvalString("t", 1, "s", "error first"),
                 "invalid command name \"tkerror\"");
    catch_tkerror();
    EXPECT_STREQ(Et_FormatEvalString("t", 1, "s", "error second"), "handled");
    testing::internal::GetCapturedStderr();
}

TEST_F(FormatEval, OtherCompletionCodesPassWithoutReport) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Et_FormatEval("t", 1, "s", "return -code break"), TCL_BREAK);
    EXPECT_EQ(Et_FormatEval("t", 1, "s", "continue"), TCL_CONTINUE);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(FormatEval, TraceEchoTurnsBackslashNewlineIntoTwoBlanks) {
    et_trace_flag = 1;
    testing::internal::CaptureStdout();
    EXPECT_EQ(Et_FormatEval("t", 1, "s", "list a \\\nb"), TCL_OK);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "list a   b\n");
    et_trace_flag = 0;
    // What was evaluated is the text before the rewriting.
    EXPECT_EQ(Et_FormatEval("t", 1, "s", "set e \"x\\\ny\""), TCL_OK);
    EXPECT_EQ(var("e"), "x y");
    testing::internal::CaptureStdout();
    Et_FormatEval("t", 1, "s", "list quiet");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(FormatEval, ResultVariantsConvertTheResultText) {
    EXPECT_EQ(Et_FormatEvalInt("t", 1, "s", "expr {6 * 7}"), 42);
    EXPECT_EQ(Et_FormatEvalInt("t", 1, "s", "set r { -12abc}"), -12);
    EXPECT_EQ(Et_FormatEvalInt("t", 1, "s", "set r abc"), 0);
    EXPECT_DOUBLE_EQ(Et_FormatEvalDouble("t", 1, "s", "set r 2.5e1x"), 25.0);
    EXPECT_DOUBLE_EQ(Et_FormatEvalDouble("t", 1, "s", "set r x"), 0.0);
    EXPECT_STREQ(Et_FormatEvalString("t", 1, "s", "string toupper abc"), "ABC");
}

TEST_F(FormatEval, BuiltinScriptErrorsNameTheScriptAndItsLine) {
    catch_tkerror();
    std::string script(11, '\n');
    script += "error {on twelve}\n";
    testing::internal::CaptureStderr();
    Et_EvalBuiltin("Norvane", script.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ERROR at Norvane line 12: on twelve\n");
    EXPECT_EQ(var("tkerror_arg"), "Norvane line 12");
}

TEST_F(FormatEval, NoInterpreterIsReported) {
    Tcl_Interp *saved = Et_Interp;
    Et_Interp = nullptr;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Et_FormatEval("lbl", 3, "s", "set a 1"), TCL_ERROR);
    Et_EvalBuiltin("init.tcl", "set a 1");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ERROR: lbl line 3: Et_Interp does not point to a valid Tk interpreter\n"
              "ERROR: init.tcl: Et_Interp does not point to a valid Tk interpreter\n");
    Et_Interp = saved;
}

extern "C" int seen_command(ClientData data, Tcl_Interp *interp, int argc, const char **argv) {
    Tcl_SetObjResult(interp, Tcl_ObjPrintf("%d %s %d", argc, argv[1], data == Et_MainWindow));
    return TCL_OK;
}

TEST_F(FormatEval, RegisteredCommandsGetTheMainWindow) {
    ASSERT_NE(Et_RegisterCommand("seen", seen_command), nullptr);
    EXPECT_STREQ(Et_FormatEvalString("t", 1, "s", "seen hello"), "2 hello 1");
}

} // namespace
