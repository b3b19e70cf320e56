#include "common/text_tools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(CopyStringBounded, CutsAndZeroFills) {
    char d[8];
    std::memset(d, 'x', sizeof d);
    Copy_String_Bounded(d, "Lasche", 8);
    EXPECT_EQ(std::string(d, 8), std::string("Lasche\0\0", 8));
    std::memset(d, 'x', sizeof d);
    Copy_String_Bounded(d, "Stirnplatte", 5);
    EXPECT_EQ(std::string(d, 8), std::string("Stir\0xxx", 8));   // nothing past size bytes
    Copy_String_Bounded(d, "abc", 0);
    Copy_String_Bounded(d, nullptr, 8);
    Copy_String_Bounded(nullptr, "abc", 8);
    EXPECT_EQ(std::string(d, 8), std::string("Stir\0xxx", 8));
}

TEST(CopyPadded, ExactWidthWithTerminator) {
    char d[10];
    std::memset(d, 'x', sizeof d);
    Copy_Padded(d, "M20", 6);
    EXPECT_EQ(std::string(d, 8), std::string("M20   \0x", 8));
    Copy_Padded(d, "S235JRG2", 4);
    EXPECT_EQ(std::string(d, 6), std::string("S235\0 ", 6));
    Copy_Padded(d, nullptr, 3);
    EXPECT_EQ(std::string(d, 4), std::string("   \0", 4));
    Copy_Padded(d, "abc", 0);
    EXPECT_EQ(d[0], ' ');
}

TEST(TrimTrailingBlanks, BlanksBecomeTerminatorsLineEndsStay) {
    char a[] = "ab  \n";
    EXPECT_EQ(Trim_Trailing_Blanks(a), 1);
    EXPECT_EQ(std::string(a, 5), std::string("ab\0\0\n", 5));
    char b[] = "   ";
    EXPECT_EQ(Trim_Trailing_Blanks(b), -1);
    EXPECT_EQ(b[0], '\0');
    char c[] = "";
    EXPECT_EQ(Trim_Trailing_Blanks(c), -1);
    char d[] = "x\r\n";
    EXPECT_EQ(Trim_Trailing_Blanks(d), 0);
    EXPECT_STREQ(d, "x\r\n");
    EXPECT_EQ(Trim_Trailing_Blanks(nullptr), 0);
}

}  // namespace
