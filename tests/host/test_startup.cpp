// Start-up of the main interpreter without a display: the variables the
// host sets, the library statements and headless mode.
#include <gtest/gtest.h>

#include "interp.h"
#include "library.h"
#include "startup.h"

#include <cstdlib>
#include <string>

namespace {

// Sets or (with null) removes an environment variable.
void set_env(const char *name, const char *value) {
#ifdef _WIN32
    _putenv_s(name, value ? value : "");
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

class AppInit : public testing::Test {
protected:
    void SetUp() override {
        if (const char *d = std::getenv("DISPLAY")) saved_display_ = d;
        set_env("DISPLAY", nullptr);
    }
    void TearDown() override {
        if (!saved_display_.empty()) set_env("DISPLAY", saved_display_.c_str());
        Tcl_DeleteInterp(Et_Interp);
        Et_Interp = nullptr;
        Et_Headless = false;
    }
    std::string eval(const char *script) {
        Tcl_Eval(Et_Interp, script);
        return Tcl_GetStringResult(Et_Interp);
    }
    void init(std::initializer_list<const char *> args) {
        argv_.clear();
        for (const char *a : args) argv_.push_back(const_cast<char *>(a));
        argv_.push_back(nullptr);
        testing::internal::CaptureStderr();
        Et_AppInit(static_cast<int>(args.size()), argv_.data());
        stderr_ = testing::internal::GetCapturedStderr();
    }
    std::string saved_display_;
    std::vector<char *> argv_;
    std::string stderr_;
};

TEST_F(AppInit, SetsArgumentsAndLeavesNoErrors) {
    init({"/opt/my $app [x]/conv.exe", "one", "two words"});
    EXPECT_EQ(stderr_, "");
    EXPECT_EQ(eval("set argc"), "2");
    EXPECT_EQ(eval("set argv"), "one {two words}");
    // Dollar signs and brackets in the path are kept literally.
    EXPECT_EQ(eval("set argv0"), "/opt/my $app [x]/conv.exe");
    EXPECT_EQ(eval("set cmd_name"), "conv.exe");
    EXPECT_EQ(eval("set cmd_dir"), "/opt/my $app [x]");
    EXPECT_EQ(eval("list $tcl_interactive $Win32 $norvane_headless"), "0 1 1");
}

TEST_F(AppInit, HeadlessRunsTheTclScriptsOnlyThenTheApplication) {
    init({"/nonexistent/conv"});
    EXPECT_EQ(stderr_, "");
    EXPECT_EQ(eval("set ::order"), "init pkg tcl");
    Et_RunMainScript(0, nullptr);
    EXPECT_EQ(eval("set ::order"), "init pkg tcl app");
}

TEST_F(AppInit, LibraryStatementsLeaveNothingThatReadsTheDisk) {
    init({"/nonexistent/conv"});
    // Nothing on auto_path, no package search, no relative encoding
    // folder, no clock script or message catalogue loaded from a folder.
    EXPECT_EQ(eval("list $auto_path [package unknown]"), "{} {}");
    EXPECT_EQ(eval("lsearch -all -inline -not [lmap d [encoding dirs] {file pathtype $d}] absolute"), "");
    EXPECT_EQ(eval("catch {clock format 0} m; set m"), "clock format is not available in this program");
    EXPECT_EQ(eval("::msgcat::mcload msgs"), "0");
    EXPECT_EQ(eval("catch {package require nosuch} m; set m"), "can't find package nosuch");
    EXPECT_EQ(eval("list [info library] $tk_library $tcl_library"), "{} {} {}");
    EXPECT_EQ(eval("list [info procs init] [init] [info procs tkInit]"), "init {} tkInit");
    EXPECT_EQ(eval("set et_trace_flag"), "0");
    EXPECT_EQ(eval("set et_trace_flag 1; set x $et_trace_flag"), "1");
    EXPECT_EQ(et_trace_flag, 1);
    et_trace_flag = 0;
}

TEST_F(AppInit, ReadableProgramPathNeedsNoPath) {
    // With argv0 a readable file PATH is never read: an unset PATH is no
    // error. The test binary itself is such a file.
    std::string self = "/proc/self/exe";
    std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    set_env("PATH", nullptr);
    init({self.c_str()});
    set_env("PATH", path.c_str());
    EXPECT_EQ(stderr_, "");
    EXPECT_EQ(eval("set cmd_dir"), "/proc/self");
}

TEST_F(AppInit, ProgramFoundOnThePathGivesItsFolder) {
    // argv0 is not a file: the first PATH entry holding cmd_name wins.
    std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    set_env("PATH", "/nonexistent:/bin:/usr/bin");
    init({"nowhere/sh"});
    set_env("PATH", path.c_str());
    EXPECT_EQ(eval("set cmd_dir"), "/bin");
}

} // namespace
