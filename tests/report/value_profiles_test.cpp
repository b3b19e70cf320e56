#include "report/value_profiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"

namespace {

// A block at scale 1 without verbose marks, so that the group lines are " 30" and " 31" alone.
struct Block {
    Graphic_Capture out;
    Block() {
        OLI_Open_Graphic(out.stream, 0, 0, 10, 10, 1, 1, 0, nullptr);
        OLI_Set_Graphic_Verbose(0);
        out.set_mark();
    }
};

// Values 0, 2, 5, 3 over the positions 0 to 3 in the box 1..6 x 1..7 with h 0.3: the band from
// X0 = 1.26 over W = 4.74 for R = 5 (kx = 0.948), stations every 2; ticks at 2 and 4.
TEST(Value_Profile, PositiveValuesWholeSequence) {
    Block b;
    const double pos[4] = {0, 1, 2, 3}, val[4] = {0, 2, 5, 3};
    EXPECT_EQ(OLI_Plot_Value_Profile(1, 1, 6, 7, pos, val, 4, "N", "", 0.3), 1);
    EXPECT_EQ(b.out.since(),
              " 30\n 20  11\n 6 0.015000\n"
              " 18 6 1.260000 1.000000 1.260000 1.000000 3.156000 3.000000 6.000000 5.000000 "
              "4.104000 7.000000 1.260000 7.000000 \n"
              " 1  1.260000 1.000000 1.260000 1.000000\n"
              " 1  1.260000 1.000000 3.156000 3.000000\n"
              " 1  3.156000 3.000000 6.000000 5.000000\n"
              " 1  6.000000 5.000000 4.104000 7.000000\n"
              " 1  4.104000 7.000000 1.260000 7.000000\n"
              " 1  1.260000 1.000000 1.260000 7.000000\n"
              " 6 0.040000\n"
              " 1  1.260000 1.000000 1.260000 7.000000\n"   // zero line at the left edge
              " 1  1.260000 7.000000 6.000000 7.000000\n"   // value axis along the top
              " 6 0.010000\n 8 6\n 13 0.240000\n"
              " 1  3.156000 6.940000 3.156000 7.060000\n"
              " 14 0.000000 0\n 10 3.156000 7.200000 3.156000 7.200000 210 «2»\n"
              " 1  5.052000 6.940000 5.052000 7.060000\n"
              " 14 0.000000 0\n 10 5.052000 7.200000 5.052000 7.200000 210 «4»\n"
              " 7 7\n 20  0\n 23 1 0\n 13 0.300000\n"
              " 14 90.000000 0\n 10 0.980000 4.000000 0.980000 4.000000 210 «N»\n"
              " 31\n"_cp);
}

struct Tick_Case {
    const char* name;
    std::vector<double> values;
    std::vector<std::string> texts;   // tick numbers, the axis text, the title
};

const Tick_Case Tick_Cases[] = {
    // R = 0.9, d = 0.45: step 0.4 with one decimal; -0.4 lies below -0.3, 0.8 above 0.6.
    {"mixed", {-0.3, 0.6, 0.2}, {"0", "0.4", "N", "T"}},
    // Equal values are drawn against zero: R = 2, ticks at -1 and -2 from the right edge.
    {"all_minus_two", {-2, -2, -2}, {"-1", "-2", "N", "T"}},
    // R = 50: d = 25, step 20.
    {"large", {0, 50, 10}, {"20", "40", "N", "T"}},
    // R = 0.05: d = 0.025 -> 0.25 -> 2.5, step 0.02 with two decimals.
    {"small", {0.01, 0.06, 0.03}, {"0.02", "0.04", "0.06", "N", "T"}},
};

void PrintTo(const Tick_Case& c, std::ostream* os) { *os << c.name; }

class Value_Profile_Ticks : public ::testing::TestWithParam<Tick_Case> {};

TEST_P(Value_Profile_Ticks, NumbersOnTheValueAxis) {
    const Tick_Case& c = GetParam();
    Block b;
    const double pos[3] = {0, 1, 2};
    std::vector<double> values = c.values;
    EXPECT_EQ(OLI_Plot_Value_Profile(1, 1, 6, 7, pos, values.data(), 3, "N", "T", 0.3), 1);
    EXPECT_EQ(Quoted_Texts(b.out.since()), c.texts);
    EXPECT_EQ(values, c.values);   // the caller's values stay as they were
}

INSTANTIATE_TEST_SUITE_P(Ranges, Value_Profile_Ticks, ::testing::ValuesIn(Tick_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Value_Profile, AllNegativeBandRunsFromTheRightEdge) {
    Block b;
    const double pos[3] = {0, 1, 2}, val[3] = {-2, -2, -2};
    ASSERT_EQ(OLI_Plot_Value_Profile(1, 1, 6, 7, pos, val, 3, "N", "", 0.3), 1);
    const std::vector<std::string> lines = Split_Lines(b.out.since());
    // Drawn against zero: the first and last stations at x2, the middle one at X0 = 1.26.
    EXPECT_EQ(lines[3], " 18 5 6.000000 1.000000 6.000000 1.000000 1.260000 4.000000 "
                        "6.000000 7.000000 6.000000 7.000000 ");
    // Zero line at the right edge; the tick of -1 halfway across the band.
    EXPECT_EQ(lines[10], " 1  6.000000 1.000000 6.000000 7.000000");
    EXPECT_EQ(lines[15], " 1  3.630000 6.940000 3.630000 7.060000");
}

TEST(Value_Profile, TitleRaisesTheBoxAndStandsBelowIt) {
    Block b;
    const double pos[2] = {0, 1}, val[2] = {1, 2};
    ASSERT_EQ(OLI_Plot_Value_Profile(1, 1, 6, 7, pos, val, 2, "N", "Titel", 0.3), 1);
    const std::vector<std::string> lines = Split_Lines(b.out.since());
    // y1 raised by 1.3 h = 0.39; the title 0.95 h below it, centred over the polygon.
    EXPECT_EQ(lines[lines.size() - 2],
              " 10 3.630000 1.105000 3.630000 1.105000 210 " + std::string("«Titel»"_cp));
}

TEST(Value_Profile, RefusalsWriteNothing) {
    Block b;
    const double pos[101] = {0, 1, 2, 3};
    double val[101] = {0, 2, 5, 3};
    struct Case {
        const char* name;
        int result;
    };
    const Case cases[] = {
        {"n = 101", OLI_Plot_Value_Profile(1, 1, 6, 7, pos, val, 101, "N", "", 0.3)},
        {"n = 1", OLI_Plot_Value_Profile(1, 1, 6, 7, pos, val, 1, "N", "", 0.3)},
        {"band narrower than h + 0.06", OLI_Plot_Value_Profile(1, 1, 1.3, 7, pos, val, 4, "N", "", 0.3)},
        {"positions span nothing", OLI_Plot_Value_Profile(1, 1, 6, 7, val + 50, val, 4, "N", "", 0.3)},
        {"box too low", OLI_Plot_Value_Profile(1, 1, 6, 1.05, pos, val, 4, "N", "", 0.3)},
        {"title eats the height", OLI_Plot_Value_Profile(1, 1, 6, 1.4, pos, val, 4, "N", "T", 0.3)},
        {"even range too short", OLI_Plot_Value_Profile_Even(1, 1, 6, 7, 0, 0.05, val, 4, "N", "", 0.3)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, 0) << c.name;
    EXPECT_EQ(b.out.since(), "");
}

TEST(Value_Profile, NotFiniteValuesAreRefused) {
    Block b;
    const double pos[3] = {0, 1, 2};
    const double nan_value[3] = {0, NAN, 1};
    const double huge_range[3] = {-1.7e308, 1.7e308, 0};   // the range overflows
    const double bad_pos[3] = {0, INFINITY, 2};
    const double val[3] = {0, 1, 2};
    EXPECT_EQ(OLI_Plot_Value_Profile(1, 1, 6, 7, pos, nan_value, 3, "N", "", 0.3), 0);
    EXPECT_EQ(OLI_Plot_Value_Profile(1, 1, 6, 7, pos, huge_range, 3, "N", "", 0.3), 0);
    EXPECT_EQ(OLI_Plot_Value_Profile(1, 1, 6, 7, bad_pos, val, 3, "N", "", 0.3), 0);
    EXPECT_EQ(OLI_Plot_Value_Profile(1, 1, NAN, 7, pos, val, 3, "N", "", 0.3), 0);
    EXPECT_EQ(OLI_Plot_Value_Profile_Even(1, 1, 6, 7, 0, INFINITY, val, 3, "N", "", 0.3), 0);
    EXPECT_EQ(b.out.since(), "");
}

TEST(Value_Profile_Even, StationsEvenlyOverTheBoxAxisTextUpright) {
    Block b;
    const double val[3] = {1, 3, 2};
    ASSERT_EQ(OLI_Plot_Value_Profile_Even(1, 1, 6, 7, 0, 5, val, 3, "N", "T", 0.3), 1);
    const std::string text = b.out.since();
    const std::vector<std::string> lines = Split_Lines(text);
    // y1 raised to 1.39 by the title; stations at 1.39, 4.195 and 7; vmin 1, R = 2, kx = 2.37.
    EXPECT_EQ(lines[3], " 18 5 1.260000 1.390000 1.260000 1.390000 6.000000 4.195000 "
                        "3.630000 7.000000 1.260000 7.000000 ");
    EXPECT_EQ(lines[10], " 1  1.260000 1.390000 1.260000 7.000000");   // zero line on the box
    // Upright axis text (anchor 466) left of the band; title under the box with command 9.
    EXPECT_NE(text.find(" 9 0.980000 4.195000 0.980000 4.195000 466 «N»\n"_cp), std::string::npos);
    EXPECT_NE(text.find(" 9 3.630000 1.105000 3.630000 1.105000 210 «T»\n"_cp), std::string::npos);
}

}  // namespace
