// The fatal-error handler: caption, message cut at 1023 characters, and
// status 1.
#include <gtest/gtest.h>

#include "panic.h"

#include <string>

namespace {

TEST(PanicDeathTest, ShowsCaptionAndFormattedMessageThenExitsWithOne) {
    EXPECT_EXIT(Et_Panic("%s has %d items", "list", 5), testing::ExitedWithCode(1),
                "^Fatal Error in Wish\nlist has 5 items\n$");
}

TEST(PanicDeathTest, CutsTheMessageAt1023Characters) {
    std::string longer = std::string(1000, 'x') + std::string(500, 'y');
    // Compared as a whole: GoogleTest's regular expressions on Windows
    // have no repetition counts.
    std::string shown = "Fatal Error in Wish\n" + longer.substr(0, 1023) + "\n";
    EXPECT_EXIT(Et_Panic("%s", longer.c_str()), testing::ExitedWithCode(1), testing::Eq(shown));
}

} // namespace
