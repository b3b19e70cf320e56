// The host stand-in's number formatter and file removal.
#include "platform/host/format_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/host/host_library.h"
#include "test_support.h"

TEST(FormatNumber, RoundsHalfAwayFromZeroAndAlignsOrTrims) {
    const struct {
        double value;
        int flags, width, mode, decimals;
        const char* text;
    } cases[] = {
        {1.35, 882, 20, 5, 2, "1.35"},      // the combination factors: trimmed, not padded
        {1.5, 882, 20, 5, 2, "1.5"},
        {1.0, 882, 20, 5, 2, "1"},
        {100, 2, 8, 0, 0, "100"},           // zeros before the point stay
        {0.125, 0, 8, 0, 2, "    0.13"},    // an exact binary tie rounds away from zero
        {-0.125, 0, 0, 0, 2, "-0.13"},
        {2.5, 16, 4, 0, 0, "   3"},
        {-2.5, 0, 0, 2, 0, "-3"},
        {-0.001, 0, 6, 0, 2, "  0.00"},     // no negative zero
        {-0.001, 2, 6, 0, 2, "0"},
        {12.3456, 0, 3, 0, 2, "12.35"},     // a narrow width cuts nothing
        {7.25, 0x7FFFFFFD, 6, 9, 1, "   7.3"},   // other bits and the mode change nothing
        {1234.5, 2, 10, 0, 20, "1234.5"},   // decimals above 15 count as 15
        {3.7, 0, 2, 0, -4, " 4"},           // below 0 as 0
        {NAN, 0, 8, 0, 2, "?"},
        {-INFINITY, 0, 8, 0, 2, "?"},
        {1e100, 0, 8, 0, 2, "?"},           // needs more than 63 characters
    };
    for (const auto& c : cases) {
        char buffer[Format_Number_Buffer_Size];
        EXPECT_EQ(formatNumber(c.value, c.flags, c.width, c.mode, c.decimals, buffer), buffer);
        EXPECT_STREQ(buffer, c.text) << c.value << " flags " << c.flags << " decimals " << c.decimals;
    }
    char wide[Format_Number_Buffer_Size];
    EXPECT_EQ(std::string(formatNumber(1, 0, 500, 0, 0, wide)), std::string(62, ' ') + "1");
    EXPECT_EQ(formatNumber(1, 0, 8, 0, 2, nullptr), nullptr);
}

TEST(HostFiles, RemoveFileSaysWhetherItRemoved) {
    Scratch_Dir dir;
    Write_File(dir.file("t.tmp"), "x");
    EXPECT_NE(VEKRemoveFile(dir.file("t.tmp").c_str()), 0);
    EXPECT_FALSE(File_Exists(dir.file("t.tmp")));
    EXPECT_EQ(VEKRemoveFile(dir.file("t.tmp").c_str()), 0);
    EXPECT_EQ(VEKRemoveFile(nullptr), 0);
}
