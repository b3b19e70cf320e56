#include "report/graphic_colours.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "common/cp437.h"
#include "platform/host/host_library.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"

namespace {

struct Brightness_Case {
    int r, g, b;
    double percent;
    int r2, g2, b2;
};

// Worked through the HSL model by hand: e.g. (40, 140, 255) has L 0.578, S 1 and hue 0.589
// (sextant 3); at +20 % L' = 0.694, v = 1, m = 0.388, giving (99, 172, 255).
const Brightness_Case Brightness_Cases[] = {
    {40, 140, 255, 0, 40, 140, 255},
    {40, 140, 255, 20, 99, 172, 255},
    {40, 140, 255, -20, 0, 110, 236},
    {110, 110, 110, 20, 132, 132, 132},   // a grey stays grey
    {255, 0, 0, 20, 255, 51, 51},         // hue 1 counts as sextant 5
    {255, 255, 255, 50, 383, 383, 383},   // not clipped
    {0, 0, 0, 50, 0, 0, 0},
    {230, 0, 0, -100, 0, 0, 0},
};

TEST(Colour_Brightness, CorrectionInTheHslModel) {
    for (const Brightness_Case& c : Brightness_Cases) {
        const Rgb_Triple t = Correct_Colour_Brightness(c.r, c.g, c.b, c.percent);
        EXPECT_EQ(t.red, c.r2) << c.r << " " << c.g << " " << c.b << " " << c.percent;
        EXPECT_EQ(t.green, c.g2) << c.r << " " << c.g << " " << c.b << " " << c.percent;
        EXPECT_EQ(t.blue, c.b2) << c.r << " " << c.g << " " << c.b << " " << c.percent;
    }
}

TEST(Colour_Brightness, AbsurdPercentagesStayInsideTheIntRange) {
    const Rgb_Triple t = Correct_Colour_Brightness(255, 255, 255, 1e300);
    EXPECT_GT(t.red, 0);
    const Rgb_Triple n = Correct_Colour_Brightness(40, 140, 255, NAN);
    EXPECT_EQ(n.red, 0);
}

struct Style_Case {
    const char* name;
    int verbose;
    int fill;
    std::function<void()> write;
    const char* expected;
};

const Style_Case Style_Cases[] = {
    {"colour_verbose", 1, 1, [] { OLI_Set_Colour(40, 140, 255); }, "50 40 140 255\n"},
    {"colour_quiet", 0, 1, [] { OLI_Set_Colour(40, 140, 255); }, ""},
    {"colour_brightened", 1, 1,
     [] {
         OLI_Set_Colour_Brightness(20);
         OLI_Set_Colour(40, 140, 255);
     },
     "50 0 0 0\n50 99 172 255\n"},
    {"stored_colour_written_by_brightness", 1, 1,
     [] {
         OLI_Set_Graphic_Verbose(0);
         OLI_Set_Colour(40, 140, 255);
         OLI_Set_Graphic_Verbose(1);
         OLI_Set_Colour_Brightness(0);
     },
     "50 40 140 255\n"},
    {"packed_colour", 1, 1, [] { OLI_Set_Colour_Packed(Pack_RGB(230, 0, 0)); }, "50 230 0 0\n"},
    {"second_colour", 1, 1,
     [] {
         OLI_Set_Colour(40, 140, 255);
         OLI_Set_Second_Colour(110, 110, 110);
         OLI_Set_Second_Colour_Brightness(20);
     },
     "50 40 140 255\n51 110 110 110\n51 132 132 132\n"},
    {"second_packed", 1, 1, [] { OLI_Set_Second_Colour_Packed(Pack_RGB(1, 2, 3)); },
     "51 1 2 3\n"},
    {"fill_pattern", 1, 1, [] { OLI_Set_Fill_Pattern(34); }, " 20  34\n"},
    {"fill_pattern_switch_clear", 1, 0, [] { OLI_Set_Fill_Pattern(34); }, " 20  0\n"},
    {"coded_fill_pattern", 1, 1, [] { OLI_Set_Fill_Pattern_Coded(7, 34); },
     "61\n62 7\n59\n 20  34\n60\n"},
    {"coded_fill_switch_clear", 1, 0, [] { OLI_Set_Fill_Pattern_Coded(7, 34); }, "20 0\n"},
    {"coded_fill_quiet", 0, 1, [] { OLI_Set_Fill_Pattern_Coded(7, 34); }, ""},
    {"codes_verbose", 1, 1,
     [] {
         OLI_Write_Code_61();
         OLI_Write_Code_59();
         OLI_Write_Code_60();
     },
     "61\n59\n60\n"},
    {"codes_quiet", 0, 1,
     [] {
         OLI_Write_Code_61();
         OLI_Write_Code_59();
         OLI_Write_Code_60();
     },
     ""},
    {"line_type_minus_one_solid", 1, 1, [] { OLI_Set_Line_Type(-1); }, " 38 0   0\n"},
    {"line_type_five_solid", 1, 1, [] { OLI_Set_Line_Type(5); }, " 38 0   0\n"},
    {"line_types_one_to_four", 1, 1,
     [] {
         for (int t = 1; t <= 4; ++t) OLI_Set_Line_Type(t);
     },
     " 38 2 0.1 0.1 0\n 38 2 0.03 0.05 0\n 38 4 0.28 0.05 0.04 0.05 0\n 38 2 0.01 0.28 0\n"},
};

void PrintTo(const Style_Case& c, std::ostream* os) { *os << c.name; }

class Style_Commands : public ::testing::TestWithParam<Style_Case> {};

TEST_P(Style_Commands, WritesTheWholeSequence) {
    const Style_Case& c = GetParam();
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 10, 10, 1, 1, 0, nullptr);
    OLI_Set_Graphic_Verbose(c.verbose);
    OLI_Set_Fill_Switch(c.fill);
    out.set_mark();
    c.write();
    EXPECT_EQ(out.since(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Styles, Style_Commands, ::testing::ValuesIn(Style_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Colour_State, QuietColourIsStoredAndCodeKeptOnlyInVerboseMode) {
    OLI_Set_Graphic_Verbose(0);
    OLI_Set_Colour(300, -5, 7);   // stored as given
    EXPECT_EQ(Graphic_State.colour.red, 300);
    EXPECT_EQ(Graphic_State.colour.green, -5);
    OLI_Set_Fill_Pattern_Coded(9, 34);
    EXPECT_EQ(Graphic_State.coded_pattern, 0);
    OLI_Set_Graphic_Verbose(1);
    OLI_Set_Fill_Pattern_Coded(9, 34);
    EXPECT_EQ(Graphic_State.coded_pattern, 9);
    // The second colour's brightness leaves the current colour alone.
    OLI_Set_Second_Colour_Brightness(40);
    EXPECT_EQ(Graphic_State.colour.brightness, 0);
}

TEST(Rgb_Packing, ClippedPackingAndPartialUnpacking) {
    EXPECT_EQ(Pack_RGB(300, -5, 128), 255 + 0 * 256 + 128 * 65536);
    int r = -1, g = -1, b = -1;
    Unpack_RGB(255 + 7 * 256 + 128 * 65536, &r, nullptr, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, -1);
    EXPECT_EQ(b, 128);
    Unpack_RGB(Pack_RGB(1, 2, 3), nullptr, &g, nullptr);
    EXPECT_EQ(g, 2);
}

TEST(Screen_Colour, LighterAndDarkerNearestColours) {
    // The host stand-in's nearest colour index is the colour itself as 0xRRGGBB.
    EXPECT_EQ(Lighten_Screen_Colour(Pack_RGB(40, 140, 255), 20), 0x63ACFF);   // 99, 172, 255
    EXPECT_EQ(Darken_Screen_Colour(Pack_RGB(40, 140, 255), 20), 0x006EEC);    // 0, 110, 236
    EXPECT_EQ(Lighten_Screen_Colour(Pack_RGB(255, 255, 255), 50), 0xFFFFFF);
}

struct Scale_Case {
    double aw, ah, nw, nh;
    int expected;
};

TEST(Scale_Choice, FirstScaleThatFits) {
    const double denominators[] = {1, 10, 20};
    const Scale_Case cases[] = {
        {15, 20, 10, 10, 0},     // q = 1.5 > 1
        {15, 20, 30, 20, 1},     // q = 0.5: 1 does not fit, 0.1 does
        {15, 20, 150, 100, 2},   // q = 0.1: 0.1 is not exceeded, 0.05 is
    };
    for (const Scale_Case& c : cases)
        EXPECT_EQ(OLI_Choose_Graphic_Scale(c.aw, c.ah, c.nw, c.nh, 3, denominators), c.expected);
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST(Scale_Choice, NothingFitsGivesMinusOneAndTheNotice) {
    const double denominators[] = {1, 10, 20};
    Clear_Host_Message_History();
    // q = min(15/300, 20/200) = 0.05, which must exceed 1/20 to fit.
    EXPECT_EQ(OLI_Choose_Graphic_Scale(15, 20, 300, 200, 3, denominators), -1);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History().back(),
              "Benötigter Maßstab für Darstellung in der Druckliste zu klein!\n"
              "  -> Geometriedaten überprüfen und korrigieren."_cp);
    EXPECT_EQ(OLI_Choose_Graphic_Scale(15, 20, 10, 10, 0, denominators), -1);
}

}  // namespace
