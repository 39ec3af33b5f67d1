// The host commands for in-place writes: a lock is exclusive between two
// holders, ends with its token or with a killed process, and leaves no
// lock file; flushing needs a channel open for writing; a replace puts
// the new file under the old name; failures carry the system's reason.
#include <gtest/gtest.h>

#include "file_commands.h"
#include "interp.h"
#include "platform.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

namespace {

class FileCommands : public testing::Test {
protected:
    void SetUp() override {
        Et_Interp = Tcl_CreateInterp();
        Et_FileCommandsInit();
        char tmpl[] = "/tmp/norvane-fc-XXXXXX";
        dir = mkdtemp(tmpl);
        set("dir", dir);
    }
    void TearDown() override {
        eval("file delete -force $dir");
        Tcl_DeleteInterp(Et_Interp);
        Et_Interp = nullptr;
    }
    void set(const char *name, const std::string &value) {
        Tcl_SetVar(Et_Interp, name, value.c_str(), TCL_GLOBAL_ONLY);
    }
    // The script's result, or "error: message (error code)".
    std::string eval(const std::string &script) {
        if (Tcl_Eval(Et_Interp, script.c_str()) == TCL_OK) return Tcl_GetStringResult(Et_Interp);
        std::string msg = Tcl_GetStringResult(Et_Interp);
        return "error: " + msg + " (" + Tcl_GetVar(Et_Interp, "errorCode", TCL_GLOBAL_ONLY) + ")";
    }
    std::string dir;
};

TEST_F(FileCommands, ALockIsHeldByOneHolderAtATimeAndLeavesNoFile) {
    EXPECT_EQ(eval("set a [norvane_lock $dir/.x.lock]; string match norvane_lock* $a"), "1");
    EXPECT_EQ(eval("file exists $dir/.x.lock"), "1");
    // Another holder (another open of the file) finds it busy.
    EXPECT_EQ(eval("norvane_lock $dir/.x.lock"), "");
    EXPECT_EQ(eval("norvane_unlock $a; file exists $dir/.x.lock"), "0");
    EXPECT_EQ(eval("set b [norvane_lock $dir/.x.lock]; norvane_unlock $b; file exists $dir/.x.lock"), "0");
    EXPECT_EQ(eval("norvane_unlock $a"), "error: no lock \"" + eval("set a") + "\" is held (NONE)");
}

TEST_F(FileCommands, AStaleLockFileIsTakenAndALinkIsNeverFollowed) {
    // A killed run's lock file: present, locked by nobody.
    EXPECT_EQ(eval("close [open $dir/.x.lock w]; set a [norvane_lock $dir/.x.lock]; norvane_unlock $a; "
                   "file exists $dir/.x.lock"), "0");
    EXPECT_EQ(eval("close [open $dir/victim w]; file link -symbolic $dir/.y.lock $dir/victim; "
                   "lindex [norvane_lock $dir/.y.lock] 0"),
              "error: couldn't lock \"" + dir + "/.y.lock\": too many levels of symbolic links"
              " (POSIX ELOOP {too many levels of symbolic links})");
    EXPECT_EQ(eval("norvane_lock $dir/none/.x.lock"),
              "error: couldn't lock \"" + dir + "/none/.x.lock\": no such file or directory"
              " (POSIX ENOENT {no such file or directory})");
}

TEST_F(FileCommands, ALockEndsWithAKilledHolder) {
    std::string path = dir + "/.k.lock";
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Et_PlatformLock lock;
        int error = 0;
        if (Et_PlatformLockFile(path.c_str(), lock, error) == Et_LockStatus::held) raise(SIGKILL);
        _exit(3);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    set("path", path);
    EXPECT_EQ(eval("set a [norvane_lock $path]; norvane_unlock $a; file exists $path"), "0");
}

TEST_F(FileCommands, SyncNeedsAChannelOpenForWritingAndReplaceSwapsTheName) {
    EXPECT_EQ(eval("set c [open $dir/new w]; puts -nonewline $c new; norvane_sync $c; "
                   "set d [open $dir/new r]; set t [read $d]; close $d; close $c; set t"), "new");
    EXPECT_EQ(eval("set c [open $dir/new r]; catch {norvane_sync $c} m; close $c; set m"),
              "couldn't flush \"" + eval("set c") + "\": bad file number");
    EXPECT_EQ(eval("norvane_sync_folder $dir"), "");
    EXPECT_EQ(eval("close [open $dir/old w]; norvane_replace $dir/new $dir/old; "
                   "set d [open $dir/old]; set t [read $d]; close $d; list $t [file exists $dir/new]"),
              "new 0");
    EXPECT_EQ(eval("lindex [norvane_replace $dir/new $dir/old] 0"),
              "error: couldn't rename \"" + dir + "/new\": no such file or directory"
              " (POSIX ENOENT {no such file or directory})");
}

} // namespace
