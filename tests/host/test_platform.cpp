// The platform layer's executable path: the full path, cut to the buffer.
#include <gtest/gtest.h>

#include "platform.h"

#include <cstring>
#include <string>

namespace {

TEST(ExecutablePath, IsAbsoluteAndCutToTheBuffer) {
    char full[260];
    Et_PlatformExecutablePath(full, sizeof full);
    ASSERT_GT(std::strlen(full), 8u);
    EXPECT_TRUE(full[0] == '/' || full[1] == ':') << full;

    char cut[8];
    std::memset(cut, 'x', sizeof cut);
    Et_PlatformExecutablePath(cut, sizeof cut);
    EXPECT_EQ(std::string(cut), std::string(full, 7));
}

} // namespace
