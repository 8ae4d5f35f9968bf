// Trimming takes blanks only; tabs and line breaks belong to the text.

#include "runtime/Strings.h"

#include <gtest/gtest.h>

TEST(Strings, TrimTakesBlanksOnly) {
    EXPECT_EQ(runtime::Trim("  a b  "), "a b");
    EXPECT_EQ(runtime::Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(runtime::LTrim("  a  "), "a  ");
    EXPECT_EQ(runtime::RTrim("  a  "), "  a");
    EXPECT_EQ(runtime::Trim("    "), "");
    EXPECT_EQ(runtime::Trim(""), "");
}
