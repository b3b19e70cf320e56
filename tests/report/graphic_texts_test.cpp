#include "report/graphic_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "common/cp437.h"
#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/plot_file.h"
#include "report/graphic_capture.h"

namespace {

struct Anchor_Case {
    int h, v, code, plot_anchor;
};

// 200 + V + H with H 0/8/24 for h 0/4/other and V 4/2/1 for v 1/4/other; plot anchors by column
// (h 0, 4, 2) and row (v 3, 4, 1), 5 for any other pair.
const Anchor_Case Anchor_Cases[] = {
    {4, 4, 210, 5}, {0, 3, 201, 1}, {2, 1, 228, 9}, {5, 2, 225, 5}, {0, 1, 204, 3},
    {0, 4, 202, 2}, {4, 3, 209, 4}, {4, 1, 212, 6}, {2, 3, 225, 7}, {2, 4, 226, 8},
    {0, 2, 201, 5}, {7, 4, 226, 5},
};

TEST(Text_Anchor, CodesAndPlotAnchors) {
    for (const Anchor_Case& c : Anchor_Cases) {
        EXPECT_EQ(Text_Anchor_Code(c.h, c.v), c.code) << c.h << "," << c.v;
        EXPECT_EQ(Plot_Text_Anchor(c.h, c.v), c.plot_anchor) << c.h << "," << c.v;
    }
}

struct Text_Case {
    const char* name;
    std::function<void()> draw;
    const char* expected;
};

// In a block with scale 0.1, no rotation, text angle 0: the point (10, 20) is written (1, 2).
const Text_Case Text_Cases[] = {
    {"draw_text", [] { OLI_Draw_Text(10, 20, "A"); },
     " 9 1.000000 2.000000 1.000000 2.000000 210 «A»\n"},
    {"centred_v1", [] { OLI_Draw_Text_Centred_V1(10, 20, "A"); },
     " 9 1.000000 2.000000 1.000000 2.000000 212 «A»\n"},
    {"right", [] { OLI_Draw_Text_Right(10, 20, "A"); },
     " 9 1.000000 2.000000 1.000000 2.000000 226 «A»\n"},
    {"left", [] { OLI_Draw_Text_Left(10, 20, "A"); },
     " 9 1.000000 2.000000 1.000000 2.000000 202 «A»\n"},
    {"vertical", [] { OLI_Draw_Text_Vertical(10, 20, "A"); },
     " 9 1.000000 2.000000 1.000000 2.000000 466 «A»\n"},
    {"plain", [] { OLI_Draw_Text_Plain(10, 20, "A"); }, " 2 1.000000 2.000000 «A»\n"},
    {"rotated", [] { OLI_Draw_Text_Rotated(10, 20, "A"); },
     " 14 0.000000 0\n 10 1.000000 2.000000 1.000000 2.000000 210 «A»\n"},
    {"rotated_start", [] { OLI_Draw_Text_Rotated_Start(10, 20, "5"); },
     " 14 0.000000 0\n 3 1.000000 2.000000 «5»\n"},
    {"printf_text", [] { OLI_Printf_Text(10, 20, 0, 3, "Schnitt %s-%s", "A", "A"); },
     " 9 1.000000 2.000000 1.000000 2.000000 201 «Schnitt A-A»\n"},
    {"printf_text_rotated", [] { OLI_Printf_Text_Rotated(10, 20, 2, 1, "%d", 5); },
     " 14 0.000000 0\n 10 1.000000 2.000000 1.000000 2.000000 228 «5»\n"},
    {"escapes_and_umlauts_unchanged", [] { OLI_Draw_Text(10, 20, "M╬\\a╬r für"_cp); },
     " 9 1.000000 2.000000 1.000000 2.000000 210 «M╬\\a╬r für»\n"},
    {"empty_text", [] { OLI_Draw_Text(10, 20, ""); },
     " 9 1.000000 2.000000 1.000000 2.000000 210 «»\n"},
    {"point_not_finite", [] { OLI_Draw_Text(NAN, 20, "A"); }, ""},
    {"turned_point_not_finite", [] { OLI_Draw_Text_Rotated(10, INFINITY, "A"); }, ""},
};

void PrintTo(const Text_Case& c, std::ostream* os) { *os << c.name; }

class Text_Commands : public ::testing::TestWithParam<Text_Case> {};

TEST_P(Text_Commands, WritesTheWholeSequence) {
    const Text_Case& c = GetParam();
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 200, 0.1, 0.1, 0, nullptr);
    out.set_mark();
    c.draw();
    EXPECT_EQ(out.since(), To_Cp437(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Texts, Text_Commands, ::testing::ValuesIn(Text_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Text_Turned, AngleLineIsTextAngleLessRotationAndPointIsTurned) {
    Graphic_Capture out;
    Plot_Capture plot;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 200, 0.1, 0.1, 0.5, nullptr);
    Plot_Open(plot.stream, 0, 0, 200, 200, 1, 0.5, "Plot");
    OLI_Set_Text_Angle(0.5);
    out.set_mark();
    plot.set_mark();
    OLI_Draw_Text_Rotated(10, 20, "A");
    // (10, 20) turned by 0.5 rad: (18.364336, 12.757396); angle line (0.5 - 0.5) degrees.
    EXPECT_EQ(out.since(), " 14 0.000000 0\n 10 1.836434 1.275740 1.836434 1.275740 210 \xAE" "A\xAF\n");
    // The plot text: the turned point, anchor 5, the angle (0.5 + 0.5) rad in degrees.
    EXPECT_EQ(plot.since(),
              "-text / 1 2 0 2 1 5 18.364336 12.757396 57.295780 1.2 0. 0.\n    \xAE" "A\xAF\n");
    // A text angle that is not finite: neither the angle line nor the text is written.
    Graphic_State.text_angle = NAN;
    OLI_Draw_Text_Rotated(10, 20, "A");
    EXPECT_EQ(out.since(), "");
}

TEST(Text_Plot, AnchorsAndFixedAnglesOfTheUnturnedWriters) {
    Graphic_Capture out;
    Plot_Capture plot;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 200, 0.1, 0.1, 0, nullptr);
    Plot_Open(plot.stream, 0, 0, 200, 200, 1, 0, "Plot");
    plot.set_mark();
    OLI_Printf_Text(10, 20, 0, 3, "Schnitt A-A");
    EXPECT_EQ(plot.since(),
              "-text / 1 12 0 2 1 1 10.000000 20.000000 0.000000 1.2 0. 0.\n"
              "    \xAESchnitt A-A\xAF\n");
    OLI_Printf_Text(10, 20, 5, 2, "x");
    EXPECT_EQ(Split_Lines(plot.since())[0],
              "-text / 1 2 0 2 1 5 10.000000 20.000000 0.000000 1.2 0. 0.");
    OLI_Draw_Text_Plain(10, 20, "A");
    EXPECT_EQ(Split_Lines(plot.since())[0], "-text / 1 2 0 2 1 7 10.000000 20.000000 0. 1.2 0. 0.");
    OLI_Draw_Text_Vertical(10, 20, "A");
    EXPECT_EQ(Split_Lines(plot.since())[0], "-text / 1 2 0 2 1 5 10.000000 20.000000 90. 1.2 0. 0.");
    OLI_Draw_Text_Left(10, 20, "A");
    EXPECT_EQ(Split_Lines(plot.since())[0], "-text / 1 2 0 2 1 2 10.000000 20.000000 0. 1.2 0. 0.");
    OLI_Draw_Text_Rotated_Start(10, 20, "A");
    EXPECT_EQ(Split_Lines(plot.since())[0],
              "-text / 1 2 0 2 1 7 10.000000 20.000000 0.000000 1.2 0. 0.");
}

TEST(Text_Plot, MirroredInThePlotOnly) {
    Graphic_Capture out;
    Plot_Capture plot;
    OLI_Open_Graphic(out.stream, 0, 26, 15, 0, 1, 1, 0, nullptr);   // mirror sum 26
    Plot_Open(plot.stream, 0, 26, 15, 0, 1, 0, "Plot");
    out.set_mark();
    plot.set_mark();
    OLI_Draw_Text(10, 20, "A");
    EXPECT_EQ(out.since(), " 9 10.000000 20.000000 10.000000 20.000000 210 \xAE" "A\xAF\n");
    EXPECT_EQ(Split_Lines(plot.since())[0], "-text / 1 2 0 2 1 5 10.000000 6.000000 0. 1.2 0. 0.");
}

TEST(Text_Printf, FormattedTextIsCutAt255Characters) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 200, 0.1, 0.1, 0, nullptr);
    out.set_mark();
    const std::string long_text(300, 'x');
    OLI_Printf_Text(10, 20, 4, 4, "%s", long_text.c_str());
    EXPECT_EQ(Quoted_Texts(out.since()), std::vector<std::string>{std::string(255, 'x')});
}

// A two-character box at h 0.3 and s 0.1: half height 2.4, half width 2.4 * 0.8 * 2 = 3.84
// model units around (10, 20), written at scale 0.1.
TEST(Text_Box, StyledBoxWholeSequence) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 200, 0.1, 0.1, 0, nullptr);
    OLI_Set_Graphic_Verbose(0);
    out.set_mark();
    OLI_Draw_Text_Box_Styled(10, 20, 0.3, 0.1, "AB");
    EXPECT_EQ(out.since(),
              " 4 2\n 30\n 20  0\n"
              " 24  0.616000 2.240000 1.384000 1.760000\n"
              " 1  0.616000 1.760000 0.616000 2.240000\n"
              " 1  0.616000 2.240000 1.384000 2.240000\n"
              " 1  1.384000 2.240000 1.384000 1.760000\n"
              " 1  1.384000 1.760000 0.616000 1.760000\n"
              " 14 0.000000 0\n 10 1.000000 2.000000 1.000000 2.000000 210 \xAE" "AB\xAF\n"
              " 31\n");
}

TEST(Text_Box, PlainBoxWritesHeightAndUsesYScale) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 200, 0.2, 0.1, 0, nullptr);
    OLI_Set_Graphic_Verbose(0);
    out.set_mark();
    OLI_Draw_Number_Box(10, 20, 0.3, 7);
    // One character: half height = half width = 0.8 * 0.3 / 0.1 = 2.4 (y scale).
    const std::vector<std::string> lines = Split_Lines(out.since());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], " 13 0.300000");
    EXPECT_EQ(lines[1], " 30");
    EXPECT_EQ(lines[3], " 24  1.520000 2.240000 2.480000 1.760000");
    EXPECT_EQ(lines.back(), " 31");
}

// Circled one-character label at h 0.3, s 0.1: diameter 1 * 3 * 1.52 * 1.5 = 6.84.
TEST(Circled_Text, SolidLineFillZeroStyleTwoThenCircleArcAndText) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 200, 0.1, 0.1, 0, nullptr);
    OLI_Set_Graphic_Verbose(1);
    out.set_mark();
    OLI_Draw_Circled_Number(10, 20, 0.3, 0.1, 3);
    const std::string text = out.since();
    const std::vector<std::string> lines = Split_Lines(text);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], " 30");
    EXPECT_EQ(lines[1], " 52");
    EXPECT_EQ(lines[2], " 38 0   0");
    EXPECT_EQ(lines[3], " 20  0");
    EXPECT_EQ(lines[4], " 4 2");
    EXPECT_EQ(lines[5].substr(0, 33), " 18 32 1.342000 2.000000 1.335429");
    std::vector<std::string> codes = Command_Codes(text);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), "1"), 32);   // the outline: 32 chords
    EXPECT_EQ(Quoted_Texts(text), std::vector<std::string>{"3"});
    EXPECT_EQ(lines[lines.size() - 2], " 31");
    EXPECT_EQ(lines.back(), " 53");
}

TEST(Text_Groups, BoxAndCircleRestoreTextAngleAndRotation) {
    OLI_Open_Graphic(nullptr, 0, 0, 200, 200, 0.1, 0.1, 0.2, nullptr);
    OLI_Set_Text_Angle(1.0);
    OLI_Printf_Text_Box(10, 20, 0.3, 0.1, "%s", "AB");
    OLI_Printf_Circled_Text(10, 20, 0.3, 0.1, "%d", 12);
    OLI_Draw_Circled_Text(10, 20, 0.3, 0.1, "C");
    OLI_Draw_Text_Box(10, 20, 0.3, "D");
    EXPECT_EQ(OLI_Get_Text_Angle(), 1.0);
    EXPECT_EQ(Graphic_State.rotation, 0.2);
}

}  // namespace
