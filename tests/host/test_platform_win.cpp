// The Windows platform layer: the ANSI code page as the system encoding,
// and the console program's headless run. Built for Windows only.
#include <gtest/gtest.h>

#include "platform.h"

#include <tcl.h>
#include <windows.h>

#include <string>

namespace {

// The text of a dynamic string filled by conversion, which is then freed.
std::string take(Tcl_DString *ds) {
    std::string s(Tcl_DStringValue(ds), static_cast<std::size_t>(Tcl_DStringLength(ds)));
    Tcl_DStringFree(ds);
    return s;
}

std::string to_utf(const char *bytes) {
    Tcl_DString ds;
    Tcl_ExternalToUtfDString(nullptr, bytes, -1, &ds);
    return take(&ds);
}

std::string from_utf(const char *utf) {
    Tcl_DString ds;
    Tcl_UtfToExternalDString(nullptr, utf, -1, &ds);
    return take(&ds);
}

class CodePage : public ::testing::Test {
  protected:
    void SetUp() override {
        if (GetACP() != 1252) GTEST_SKIP() << "the ANSI code page is not 1252";
        Tcl_FindExecutable(nullptr);
        Et_PlatformSystemEncoding();
    }
};

TEST_F(CodePage, ArgumentsAndNamesConvertBothWays) {
    // 0x80 is the euro sign in 1252, unlike ISO 8859-1; 0xFC is u-umlaut.
    EXPECT_EQ("cp1252", std::string(Tcl_GetEncodingName(nullptr)));
    EXPECT_EQ("Pr\xc3\xbc" "fung \xe2\x82\xac", to_utf("Pr\xfc" "fung \x80"));
    EXPECT_EQ("Pr\xfc" "fung \x80", from_utf("Pr\xc3\xbc" "fung \xe2\x82\xac"));
    // A character the code page lacks becomes a question mark.
    EXPECT_EQ("a?b", from_utf("a\xe4\xb8\xad" "b"));
}

TEST_F(CodePage, ConversionStopsWhereTheOutputIsFull) {
    Tcl_Encoding enc = Tcl_GetEncoding(nullptr, "cp1252");
    ASSERT_NE(nullptr, enc);
    const char src[] = "a\xfc\xfc\xfc\xfc";
    char dst[6];
    int read = 0, wrote = 0, chars = 0;
    int result = Tcl_ExternalToUtf(nullptr, enc, src, 5, TCL_ENCODING_START | TCL_ENCODING_END,
                                   nullptr, dst, sizeof dst, &read, &wrote, &chars);
    Tcl_FreeEncoding(enc);
    // Whole characters only, and what was read is what was written.
    EXPECT_EQ(TCL_CONVERT_NOSPACE, result);
    ASSERT_GT(read, 0);
    ASSERT_LT(read, 5);
    EXPECT_EQ(read, chars);
    EXPECT_EQ(to_utf(std::string(src, static_cast<std::size_t>(read)).c_str()),
              std::string(dst, static_cast<std::size_t>(wrote)));
}

TEST(ConsoleProgram, HasNoDisplay) {
    // The test program is a console program, as NorvaneCmd.exe is.
    EXPECT_FALSE(Et_PlatformHasDisplay());
}

} // namespace
