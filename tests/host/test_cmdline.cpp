// Splitting a raw command line into the argument vector.
#include <gtest/gtest.h>

#include "cmdline.h"

#include <string>
#include <vector>

namespace {

struct Split {
    int argc;
    std::vector<std::string> args;
    bool terminated;
};

Split split(const char *line) {
    int argc = -1;
    char **argv = nullptr;
    Et_SplitCommandText(line, &argc, &argv);
    Split s{argc, {}, argv[argc] == nullptr};
    for (int i = 0; i < argc; ++i) s.args.emplace_back(argv[i]);
    return s;
}

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateWords) {
    Split s = split("prog one two");
    EXPECT_EQ(s.argc, 3);
    EXPECT_EQ(s.args, (Args{"prog", "one", "two"}));
    EXPECT_TRUE(s.terminated);
}

TEST(SplitCommandLine, QuotesGroupAndAreRemoved) {
    EXPECT_EQ(split("prog \"a b\" x").args, (Args{"prog", "a b", "x"}));
    // Quoting starts and stops inside a word.
    EXPECT_EQ(split("prog a\"b c\"d e").args, (Args{"prog", "ab cd", "e"}));
    // An unterminated quote runs to the end of the line.
    EXPECT_EQ(split("prog \"a b").args, (Args{"prog", "a b"}));
}

TEST(SplitCommandLine, BackslashesOnlyEscapeQuotes) {
    // No quote after them: backslashes stay as they are.
    EXPECT_EQ(split("prog a\\\\b").args, (Args{"prog", "a\\\\b"}));
    // An even run before a quote is halved and the quote groups.
    EXPECT_EQ(split("prog a\\\\\"b c\"").args, (Args{"prog", "a\\b c"}));
    // An odd run: halved, and the quote is a literal character.
    EXPECT_EQ(split("prog a\\\"b").args, (Args{"prog", "a\"b"}));
    EXPECT_EQ(split("prog a\\\\\\\"b").args, (Args{"prog", "a\\\"b"}));
}

TEST(SplitCommandLine, DoubledQuotes) {
    // Inside quotes "" is one literal quote and quoting goes on.
    EXPECT_EQ(split("prog \"a\"\"b\"").args, (Args{"prog", "a\"b"}));
    // Outside quotes "" opens and closes quoting.
    EXPECT_EQ(split("prog a\"\"b").args, (Args{"prog", "ab"}));
    // An empty quoted argument is still an argument.
    Split s = split("prog \"\"");
    EXPECT_EQ(s.argc, 2);
    EXPECT_EQ(s.args, (Args{"prog", ""}));
}

TEST(SplitCommandLine, SlotEstimateCountsEveryWhitespaceRun) {
    // A trailing blank adds no argument but counts in the estimate.
    EXPECT_EQ(Et_SplitEstimate("prog a "), 4);
    Split s = split("prog a ");
    EXPECT_EQ(s.argc, 2);
    EXPECT_EQ(s.args, (Args{"prog", "a"}));
    // A quoted blank counts too; a run of mixed whitespace counts once.
    EXPECT_EQ(Et_SplitEstimate("prog \"a b\""), 4);
    EXPECT_EQ(Et_SplitEstimate("prog \t\r\n\v\f a"), 3);
    EXPECT_EQ(Et_SplitEstimate(""), 2);
}

TEST(SplitCommandLine, WhitespaceIsTheCLocalesOnly) {
    // Tabs and other C whitespace separate; bytes from 0x80 up never do.
    EXPECT_EQ(split("prog\ta\vb\fc").args, (Args{"prog", "a", "b", "c"}));
    EXPECT_EQ(split("prog a\xA0" "b").args, (Args{"prog", "a\xA0" "b"}));
}

TEST(SplitCommandLine, EmptyLineGivesNoArguments) {
    Split s = split("   ");
    EXPECT_EQ(s.argc, 0);
    EXPECT_TRUE(s.terminated);
}

TEST(CopyArgv, CopiesIntoOneTerminatedVector) {
    char a0[] = "prog", a1[] = "x y", a2[] = "";
    char *argv[] = {a0, a1, a2, nullptr};
    int argc = 0;
    char **copy = nullptr;
    Et_CopyArgv(3, argv, &argc, &copy);
    ASSERT_EQ(argc, 3);
    EXPECT_STREQ(copy[1], "x y");
    EXPECT_STREQ(copy[2], "");
    EXPECT_NE(copy[1], a1);
    EXPECT_EQ(copy[3], nullptr);

    // No program name at all still leaves room for slot 0.
    Et_CopyArgv(0, argv, &argc, &copy);
    EXPECT_EQ(argc, 0);
    EXPECT_EQ(copy[0], nullptr);
    EXPECT_EQ(copy[1], nullptr);
}

} // namespace
