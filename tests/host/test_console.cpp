// The console window and the standard channels, driven in this process:
// a main interpreter with Tk, the console set up for it, and a recording
// tkConsoleOutput put in place of the console script's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "console.h"
#include "test_console_support.h"

namespace {

// The console channels replace the process's standard channels for this
// suite only; the channels in place before are put back afterwards.
class ConsoleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Tcl_FindExecutable(nullptr);
    for (int i = 0; i < 3; ++i) saved_[i] = Tcl_GetStdChannel(kRoles[i]);
    Et_StdChannelsInit();
  }
  static void TearDownTestSuite() {
    for (int i = 0; i < 3; ++i) Tcl_SetStdChannel(saved_[i], kRoles[i]);
  }

  void SetUp() override {
    if (!console_test::HaveDisplay()) GTEST_SKIP() << "no X display";
    main_ = Tcl_CreateInterp();
    Tcl_SetVar(main_, "tcl_interactive", "0", TCL_GLOBAL_ONLY);
    ASSERT_EQ(TCL_OK, Tcl_Init(main_)) << Tcl_GetStringResult(main_);
    ASSERT_EQ(TCL_OK, Tk_Init(main_)) << Tcl_GetStringResult(main_);
    ASSERT_EQ(0, Et_ConsoleSetup(main_));
    con_ = Link()->consoleInterp;
    ASSERT_NE(nullptr, con_);
  }

  void TearDown() override {
    if (main_ != nullptr) Tcl_DeleteInterp(main_);
    EXPECT_EQ(nullptr, Et_StdoutInterp);
  }

  Et_ConsoleLink *Link() {
    Tcl_CmdInfo info;
    if (!Tcl_GetCommandInfo(main_, "console", &info)) return nullptr;
    return static_cast<Et_ConsoleLink *>(info.clientData);
  }

  // Evaluates a script in the main interpreter; code and result.
  std::pair<int, std::string> Main(const char *script) {
    int code = Tcl_EvalEx(main_, script, -1, TCL_EVAL_GLOBAL);
    return {code, Tcl_GetStringResult(main_)};
  }
  std::pair<int, std::string> Con(const char *script) {
    int code = Tcl_EvalEx(con_, script, -1, TCL_EVAL_GLOBAL);
    return {code, Tcl_GetStringResult(con_)};
  }
  std::string ConsoleVar(const char *name) {
    const char *v = Tcl_GetVar(con_, name, TCL_GLOBAL_ONLY);
    return v ? v : "<unset>";
  }

  // Replaces the console's output procedure by one that records each call
  // as {stream text} in the console's ::seen.
  void RecordOutput() {
    ASSERT_EQ(TCL_OK,
              Con("rename tkConsoleOutput {}\n"
                  "set ::seen {}\n"
                  "proc tkConsoleOutput {dest text} {"
                  " lappend ::seen [list $dest $text] }")
                  .first);
  }
  // Everything recorded for one stream, joined.
  std::string Seen(const char *stream) {
    Con(("set out {}; foreach s $::seen { if {[lindex $s 0] eq \"" +
         std::string(stream) + "\"} { append out [lindex $s 1] } }; set out")
            .c_str());
    return Tcl_GetStringResult(con_);
  }

  static constexpr int kRoles[3] = {TCL_STDIN, TCL_STDOUT, TCL_STDERR};
  static Tcl_Channel saved_[3];
  Tcl_Interp *main_ = nullptr;
  Tcl_Interp *con_ = nullptr;
};

constexpr int ConsoleTest::kRoles[3];
Tcl_Channel ConsoleTest::saved_[3];

using Result = std::pair<int, std::string>;

TEST_F(ConsoleTest, OptionWordsSelectByPrefixOfTheirWholeLength) {
  for (const char *word : {"t", "ti", "title"}) {
    std::string script = std::string("console ") + word + " {Log " + word + "}";
    EXPECT_EQ(Result(TCL_OK, ""), Main(script.c_str())) << word;
    EXPECT_EQ(Result(TCL_OK, std::string("Log ") + word), Con("wm title ."));
  }
  EXPECT_EQ(Result(TCL_ERROR,
                   "bad option \"titles\": should be hide, show, or title"),
            Main("console titles x"));
  EXPECT_EQ(Result(TCL_ERROR, "bad option \"\": should be hide, show, or title"),
            Main("console {} x"));
  EXPECT_EQ(Result(TCL_ERROR, "bad option \"xyz\": should be hide, show, or title"),
            Main("console xyz"));
  // The first letter must match too: "itle" is inside "title" but no prefix.
  EXPECT_EQ(TCL_ERROR, Main("console itle").first);
}

TEST_F(ConsoleTest, TitleSetsTheConsoleTitleAndAloneChangesNothing) {
  EXPECT_EQ(Result(TCL_OK, ""), Main("console title {My Log}"));
  EXPECT_EQ(Result(TCL_OK, "My Log"), Con("wm title ."));
  EXPECT_EQ(Result(TCL_OK, ""), Main("console title"));
  EXPECT_EQ(Result(TCL_OK, "My Log"), Con("wm title ."));
  // A text with brackets and dollars is a title, not a script.
  EXPECT_EQ(Result(TCL_OK, ""), Main("console title {[set x] $y}"));
  EXPECT_EQ(Result(TCL_OK, "[set x] $y"), Con("wm title ."));
}

TEST_F(ConsoleTest, ConsoleStartsHiddenAndShowHideToggleIt) {
  EXPECT_EQ(Result(TCL_OK, "withdrawn"), Con("wm state ."));
  EXPECT_EQ(Result(TCL_OK, ""), Main("console show"));
  EXPECT_EQ(Result(TCL_OK, "normal"), Con("wm state ."));
  EXPECT_EQ(Result(TCL_OK, ""), Main("console h"));
  EXPECT_EQ(Result(TCL_OK, "withdrawn"), Con("wm state ."));
}

TEST_F(ConsoleTest, WrongArgumentCountsGiveUsageMessages) {
  EXPECT_EQ(Result(TCL_ERROR,
                   "wrong # args: should be \"console option ?arg arg ...?\""),
            Main("console"));
  EXPECT_EQ(Result(TCL_ERROR, "wrong # args: should be \"console eval command\""),
            Main("console eval"));
  EXPECT_EQ(Result(TCL_ERROR, "wrong # args: should be \"console eval command\""),
            Main("console eval a b"));
}

TEST_F(ConsoleTest, ConsoleEvalRunsInTheConsoleAndKeepsItsErrors) {
  EXPECT_EQ(Result(TCL_OK, ""), Main("console eval {set ::v 7}"));
  EXPECT_EQ("7", ConsoleVar("v"));
  EXPECT_EQ(nullptr, Tcl_GetVar(main_, "v", TCL_GLOBAL_ONLY));
  EXPECT_EQ(Result(TCL_OK, ""), Main("console e {error boom}"));
}

TEST_F(ConsoleTest, ConsoleInterpEvalGivesResultAndCodeOfTheMainInterpreter) {
  EXPECT_EQ(Result(TCL_OK, "5"), Con("consoleinterp eval {set x 5}"));
  const char *x = Tcl_GetVar(main_, "x", TCL_GLOBAL_ONLY);
  ASSERT_NE(nullptr, x);
  EXPECT_STREQ("5", x);
  EXPECT_EQ(Result(TCL_ERROR, "boom"), Con("consoleinterp eval {error boom}"));
  EXPECT_EQ(Result(TCL_OK, "5"), Con("consoleinterp e {set x}"));
  // Evaluated at global level even when called from inside a procedure.
  Main("proc inner {} { console eval {consoleinterp eval {set level [info level]}} }; inner");
  EXPECT_STREQ("0", Tcl_GetVar(main_, "level", TCL_GLOBAL_ONLY));
}

TEST_F(ConsoleTest, ConsoleInterpRecordKeepsHistoryAndAlwaysSucceeds) {
  EXPECT_EQ(Result(TCL_OK, "boom"), Con("consoleinterp record {error boom}"));
  EXPECT_EQ(Result(TCL_OK, "6"), Con("consoleinterp r {set y 6}"));
  EXPECT_EQ(Result(TCL_OK, "set y 6"),
            Main("history event [expr {[history nextid] - 1}]"));
}

TEST_F(ConsoleTest, ConsoleInterpRejectsBadUse) {
  EXPECT_EQ(Result(TCL_ERROR,
                   "wrong # args: should be \"consoleinterp option ?arg arg ...?\""),
            Con("consoleinterp"));
  EXPECT_EQ(Result(TCL_ERROR,
                   "wrong # args: should be \"consoleinterp eval script\""),
            Con("consoleinterp eval"));
  EXPECT_EQ(Result(TCL_ERROR,
                   "wrong # args: should be \"consoleinterp record script\""),
            Con("consoleinterp record"));
  EXPECT_EQ(Result(TCL_ERROR, "bad option \"show\": should be eval or record"),
            Con("consoleinterp show"));
  EXPECT_EQ(Result(TCL_ERROR, "bad option \"\": should be eval or record"),
            Con("consoleinterp {} x"));
  EXPECT_EQ(Result(TCL_ERROR, "bad option \"evals\": should be eval or record"),
            Con("consoleinterp evals x"));
}

TEST_F(ConsoleTest, WritesReachTheConsoleByStreamWithTheirLineFeeds) {
  RecordOutput();
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts stderr {bad thing}"));
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts {line one}; puts -nonewline two"));
  EXPECT_EQ("bad thing\n", Seen("stderr"));
  EXPECT_EQ("line one\ntwo", Seen("stdout"));
  // Line ends pass unchanged and nothing waits in a buffer.
  EXPECT_EQ(Result(TCL_OK, "lf"), Main("fconfigure stdout -translation"));
  EXPECT_EQ(Result(TCL_OK, "none"), Main("fconfigure stderr -buffering"));
}

TEST_F(ConsoleTest, TextReachesTheConsoleUnchanged) {
  RecordOutput();
  // Braces, brackets, dollars, backslashes and characters beyond Latin-1
  // arrive as written, and are not evaluated on the way.
  Main("puts -nonewline \"\\{\\[set a\\] \\$b \\\\ \\u00e9\\u4e2d\\}\"");
  EXPECT_EQ("{[set a] $b \\ \xc3\xa9\xe4\xb8\xad}", Seen("stdout"));
}

TEST_F(ConsoleTest, ConsoleOutputProcedureErrorsAreIgnored) {
  Con("rename tkConsoleOutput {}; proc tkConsoleOutput {d t} { error oops }");
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts hello"));
}

TEST_F(ConsoleTest, WriteFromInsideTheConsoleOutputDoesNotRecurse) {
  Con("rename tkConsoleOutput {}; set ::calls 0\n"
      "proc tkConsoleOutput {d t} { incr ::calls; puts again }");
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts -nonewline hello"));
  EXPECT_EQ("1", ConsoleVar("calls"));
}

TEST_F(ConsoleTest, ConsoleWritesLeaveTheConsoleResultAlone) {
  RecordOutput();
  // `consoleinterp eval` of a script that writes: the result is the
  // script's, not whatever the output procedure left behind.
  EXPECT_EQ(Result(TCL_OK, "done"),
            Con("consoleinterp eval {puts stderr x; set z done}"));
  EXPECT_EQ("x\n", Seen("stderr"));
}

TEST_F(ConsoleTest, StdinIsAtEndOfFileAtOnce) {
  EXPECT_EQ(Result(TCL_OK, "-1"), Main("gets stdin line"));
  EXPECT_EQ(Result(TCL_OK, "1"), Main("eof stdin"));
  EXPECT_EQ(Result(TCL_OK, ""), Main("read stdin"));
}

TEST_F(ConsoleTest, ChannelOperationsReportAsTheDriverPromises) {
  int err = 99;
  char buf[8];
  EXPECT_EQ(0, Et_ChanInput(nullptr, buf, sizeof buf, &err));
  EXPECT_EQ(99, err);  // left alone
  EXPECT_EQ(0, Et_ChanClose(nullptr, nullptr));
  ClientData handle = nullptr;
  EXPECT_EQ(1, Et_ChanHandle(nullptr, TCL_WRITABLE, &handle));
  Tcl_Interp *saved = Et_StdoutInterp;
  Et_StdoutInterp = nullptr;
  Tcl_SetErrno(5);
  EXPECT_EQ(3, Et_ChanOutput(reinterpret_cast<ClientData>(TCL_STDOUT), "abc", 3,
                             &err));
  EXPECT_EQ(0, err);
  EXPECT_EQ(0, Tcl_GetErrno());
  Et_StdoutInterp = saved;
}

TEST_F(ConsoleTest, WritesWithoutAConsoleCommandAreDropped) {
  RecordOutput();
  Main("rename console myconsole");
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts gone"));
  // Another command by that name is not mistaken for the console.
  Main("proc console {args} {}; proc tkConsoleOutput {d t} { set ::misrouted 1 }");
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts {gone too}"));
  EXPECT_EQ("", Seen("stdout"));
  EXPECT_EQ(nullptr, Tcl_GetVar(main_, "misrouted", TCL_GLOBAL_ONLY));
  Main("rename console {}; rename myconsole console; puts back");
  EXPECT_EQ("back\n", Seen("stdout"));
}

TEST_F(ConsoleTest, MainWindowDestroyedRunsConsoleExit) {
  Con("rename tkConsoleExit {}; proc tkConsoleExit {} { set ::exited 1 }");
  Main("destroy .");
  EXPECT_EQ("1", ConsoleVar("exited"));
}

TEST_F(ConsoleTest, ConsoleExitFromTheScriptClosesTheConsoleWindow) {
  int before = Tk_GetNumMainWindows();
  Main("destroy .");
  // Both the main window and the console's window are gone, so an event
  // loop would end.
  EXPECT_EQ(before - 2, Tk_GetNumMainWindows());
}

TEST_F(ConsoleTest, ConsoleWindowGoesWithTheMainWindowEvenWhenConsoleExitFails) {
  // A console script that failed leaves no working tkConsoleExit; the
  // console's window must still go, or the event loop would never end.
  Con("rename tkConsoleExit {}; proc tkConsoleExit {} { error broken }");
  int before = Tk_GetNumMainWindows();
  Main("destroy .");
  EXPECT_EQ(before - 2, Tk_GetNumMainWindows());
}

TEST_F(ConsoleTest, ConsoleGoesWithItsCommandWhateverWasEvaluatedBefore) {
  // Every path through both commands releases what it held: afterwards
  // deleting the `console` command frees the console interpreter, which
  // takes its main window with it.
  for (const char *s : {"console title x", "console title", "console hide",
                        "console show", "console eval {error e}",
                        "console eval", "console bad", "console"}) {
    Main(s);
  }
  for (const char *s : {"consoleinterp eval {error e}", "consoleinterp eval",
                        "consoleinterp record {set a 1}", "consoleinterp bad",
                        "consoleinterp"}) {
    Con(s);
  }
  Et_ConsoleLink *link = Link();
  int before = Tk_GetNumMainWindows();
  Main("rename console {}");
  EXPECT_EQ(nullptr, link->consoleInterp);
  EXPECT_EQ(link->mainInterp, main_);
  EXPECT_EQ(before - 1, Tk_GetNumMainWindows());
  EXPECT_EQ(nullptr, Et_StdoutInterp);
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts {after the console}"));
}

TEST_F(ConsoleTest, ConsoleDeletingItselfMidCommandIsSafe) {
  // The console asks the main interpreter to drop the console command:
  // the console interpreter is deleted while it is still running.
  int before = Tk_GetNumMainWindows();
  EXPECT_EQ(TCL_OK, Main("console eval {consoleinterp eval {rename console {}}}").first);
  EXPECT_EQ(before - 1, Tk_GetNumMainWindows());
  EXPECT_EQ(Result(TCL_OK, ""), Main("puts {still fine}"));
}

TEST_F(ConsoleTest, DeletingTheMainInterpreterTakesTheConsoleAlong) {
  Et_ConsoleLink *link = Link();
  int before = Tk_GetNumMainWindows();
  Tcl_DeleteInterp(main_);
  main_ = nullptr;
  EXPECT_EQ(nullptr, link->consoleInterp);
  EXPECT_EQ(before - 2, Tk_GetNumMainWindows());
  EXPECT_EQ(nullptr, Et_StdoutInterp);
  // A write after the end reaches nobody and still succeeds.
  int err = 0;
  EXPECT_EQ(4, Et_ChanOutput(reinterpret_cast<ClientData>(TCL_STDERR), "late",
                             4, &err));
}

}  // namespace
