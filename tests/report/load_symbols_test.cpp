#include "report/load_symbols.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "report/graphic_shapes.h"

namespace {

using Block = Quiet_Block;

struct Arrow_Case {
    const char* name;
    void (*draw)();
    const char* expected;
};

const Arrow_Case Arrow_Cases[] = {
    {"unknown_style_only_the_group", [] { OLI_Draw_Load_Arrow(0, 0, 0, 10, 2, 1, 5); },
     " 30\n 31\n"},
    // Pointing along +x: tail at (-10, 0), head corners at (-2, -+0.5).
    {"open_head", [] { OLI_Draw_Load_Arrow(20, 30, 0, 10, 2, 1, 0); },
     " 30\n 1  20.000000 30.000000 10.000000 30.000000\n"
     " 1  20.000000 30.000000 18.000000 29.500000\n"
     " 1  20.000000 30.000000 18.000000 30.500000\n 31\n"},
    {"closed_head", [] { OLI_Draw_Load_Arrow(20, 30, 0, 10, 2, 1, 1); },
     " 30\n 1  18.000000 30.000000 10.000000 30.000000\n"
     " 1  20.000000 30.000000 18.000000 29.500000\n"
     " 1  18.000000 29.500000 18.000000 30.500000\n"
     " 1  20.000000 30.000000 18.000000 30.500000\n 31\n"},
    {"filled_head", [] { OLI_Draw_Load_Arrow(20, 30, 0, 10, 2, 1, 2); },
     " 30\n 20  55\n 1  18.000000 30.000000 10.000000 30.000000\n"
     " 18 3 20.000000 30.000000 18.000000 29.500000 18.000000 30.500000 \n 31\n"},
    // From the tail (10, 30) to the tip (20, 30): the same open arrow.
    {"between_two_points", [] { OLI_Draw_Load_Arrow_Between(20, 30, 10, 30, 2, 1, 0); },
     " 30\n 1  20.000000 30.000000 10.000000 30.000000\n"
     " 1  20.000000 30.000000 18.000000 29.500000\n"
     " 1  20.000000 30.000000 18.000000 30.500000\n 31\n"},
    {"not_finite_nothing", [] { OLI_Draw_Load_Arrow(NAN, 0, 0, 10, 2, 1, 0); }, ""},
};

void PrintTo(const Arrow_Case& c, std::ostream* os) { *os << c.name; }

class Load_Arrow : public ::testing::TestWithParam<Arrow_Case> {};

TEST_P(Load_Arrow, WritesTheWholeSequence) {
    Block b;
    GetParam().draw();
    EXPECT_EQ(b.out.since(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Styles, Load_Arrow, ::testing::ValuesIn(Arrow_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Load_Arrow_Labelled, AlignmentFollowsTheDirection) {
    struct Case {
        double angle;
        int code;   // anchor code of the label
    };
    // -pi/2 counts as 3pi/2 (left-aligned, middle); 2pi as 0 (centred, v 1).
    const Case cases[] = {{-Geometry_Half_Pi, 202}, {Geometry_Two_Pi, 212}, {0, 212},
                          {Geometry_Half_Pi, 226}, {Geometry_Pi, 209}};
    for (const Case& c : cases) {
        Block b;
        OLI_Draw_Load_Arrow_Labelled(0, 0, c.angle, 10, 2, 1, 0, 0.3, "F");
        const std::vector<std::string> texts = Lines_Starting(b.out.since(), " 10 ");
        ASSERT_EQ(texts.size(), 1u) << c.angle;
        EXPECT_NE(texts[0].find(" " + std::to_string(c.code) + " "), std::string::npos)
            << c.angle << ": " << texts[0];
    }
    // Label anchor one head width beyond the tail: (-11, 0) for an arrow along +x.
    Block b;
    OLI_Draw_Load_Arrow_Labelled(0, 0, 0, 10, 2, 1, 0, 0.3, "F");
    const std::string text = b.out.since();
    EXPECT_NE(text.find(" 13 0.300000\n 8 6\n 14 0.000000 0\n"
                        " 10 -11.000000 0.000000 -11.000000 0.000000 212 «F»\n 31\n"_cp),
              std::string::npos)
        << text;
    // No text: no label lines.
    OLI_Draw_Load_Arrow_Labelled(0, 0, 0, 10, 2, 1, 0, 0.3, "");
    EXPECT_EQ(Lines_Starting(b.out.since(), " 13").size(), 0u);
}

TEST(Moment_Arrow, ArcOfTwiceTheRadiusAndAnArrowOnlyWithAText) {
    Block b;
    OLI_Draw_Moment_Arrow(0, 0, -5, 0, Geometry_Half_Pi, 2, 1, 0, 0.3, "");
    const std::string bare = b.out.since();
    // The arc about the origin of radius 5 from 0 to 90 degrees, and nothing else.
    OLI_Begin_Graphic_Group();
    OLI_Draw_Arc(0, 0, 10, 0, 90);
    OLI_End_Graphic_Group();
    EXPECT_EQ(bare, b.out.since());
    // With a text the arrow's tip stands at the arc's end moved along the tangent by the size:
    // (5 cos 90 - 2, 5 sin 90) = (-2, 5), pointing along 180 degrees.
    OLI_Draw_Moment_Arrow(0, 0, -5, 0, Geometry_Half_Pi, 2, 1, 0, 0.3, "M");
    const std::vector<std::string> lines = Lines_Starting(b.out.since(), " 1  -2.000000 5.000000 ");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], " 1  -2.000000 5.000000 0.000000 5.000000");
}

TEST(Short_Load_Arrows, VerticalAndHorizontalWithLabels) {
    Block b;
    OLI_Draw_Vertical_Load_Arrow(10, 10, 20, "P");
    EXPECT_EQ(b.out.since(),
              " 30\n 4 2\n 38 0   0\n 20  55\n 1  10.000000 13.000000 10.000000 30.000000\n"
              " 18 3 10.000000 10.000000 11.500000 13.000000 8.500000 13.000000 \n"
              " 13 0.220000\n 8 6\n 14 0.000000 0\n"
              " 10 10.000000 34.500000 10.000000 34.500000 210 «P»\n 31\n"_cp);
    OLI_Draw_Horizontal_Load_Arrow(10, 10, 20, "H");
    EXPECT_EQ(b.out.since(),
              " 30\n 4 2\n 38 0   0\n 20  55\n 1  13.000000 10.000000 30.000000 10.000000\n"
              " 18 3 10.000000 10.000000 13.000000 11.500000 13.000000 8.500000 \n"
              " 13 0.220000\n 8 6\n 14 0.000000 0\n"
              " 10 34.500000 10.000000 34.500000 10.000000 226 «H»\n 31\n"_cp);
}

TEST(Short_Load_Arrows, MirroredWindowPutsTheTailBelowTheTip) {
    Block b(1, true);
    OLI_Draw_Vertical_Load_Arrow(10, 50, 20, "");
    EXPECT_EQ(Lines_Starting(b.out.since(), " 1  ")[0],
              " 1  10.000000 47.000000 10.000000 30.000000");
}

TEST(Uniform_Load, ArrowCountFromThePaperLength) {
    Block b(0.1);   // 3 units are 0.3 cm: dx 5 S = 1.5, n = 2, three arrows
    OLI_Draw_Uniform_Load(0, 0, 3, 0, 4, 0.3, "q");
    const std::string text = b.out.since();
    EXPECT_EQ(Lines_Starting(text, " 18 3 ").size(), 3u);
    EXPECT_EQ(Lines_Starting(text, " 18 3 ")[1],
              " 18 3 0.150000 0.000000 0.120000 0.060000 0.180000 0.060000 ");
    // Base and tail lines, then the label on its blank box centred at (1.5, 2), 2.25 wide and
    // 3.9 high (0.75 and 1.3 text heights over the scale).
    EXPECT_NE(text.find(" 1  0.000000 0.000000 0.300000 0.000000\n"
                        " 1  0.000000 0.400000 0.300000 0.400000\n 20  0\n"
                        " 24  0.037500 0.395000 0.262500 0.005000\n"),
              std::string::npos)
        << text;
    // A vertical base draws nothing.
    OLI_Draw_Uniform_Load(0, 0, 0, 5, 4, 0.3, "q");
    EXPECT_EQ(b.out.since(), "");
}

TEST(Uniform_Load, ArrowsStopAtTenThousand) {
    Block b(1);
    OLI_Draw_Uniform_Load(0, 0, 1e12, 0, 4, 0.3, "");
    EXPECT_EQ(Lines_Starting(b.out.since(), " 18 3 ").size(), 10001u);
}

TEST(Trapezoid_Load, ArrowsOnTheBaseTailsAtTheLoad) {
    Block b(0.1);   // dx 0.5 S = 2 for 40 units: n = 2
    OLI_Draw_Trapezoid_Load(0, 10, 40, 20, 4, 8, 0.3, "");
    const std::string text = b.out.since();
    // Arrow i at (20 i, 10 + 5 i), tail at + 4, 6, 8.
    const std::vector<std::string> shafts = Lines_Starting(text, " 1  ");
    ASSERT_EQ(shafts.size(), 5u);
    EXPECT_EQ(shafts[0], " 1  0.000000 1.060000 0.000000 1.400000");
    EXPECT_EQ(shafts[1], " 1  2.000000 1.590000 2.000000 2.100000");
    EXPECT_EQ(shafts[2], " 1  4.000000 2.120000 4.000000 2.800000");
    EXPECT_EQ(shafts[3], " 1  0.000000 1.000000 4.000000 2.000000");   // base
    EXPECT_EQ(shafts[4], " 1  0.000000 1.400000 4.000000 2.800000");   // tail line
    // A uniform load mirrored stays uniform: both ends negated.
    Block m(0.1, true);
    OLI_Draw_Trapezoid_Load(0, 10, 40, 10, 4, 4, 0.3, "");
    const std::vector<std::string> mirrored = Lines_Starting(m.out.since(), " 1  ");
    EXPECT_EQ(mirrored[4], " 1  0.000000 0.600000 4.000000 0.600000");
}

TEST(Load_Diagrams, ArrowsAlongTheMember) {
    Block b;
    // Length 400 at spacing 200: n = 2, steps of 200; loads 10, 15, 20 towards y.
    OLI_Draw_Load_Diagram_Y(0, 0, 400, 0, 10, 20);
    const std::vector<std::string> lines = Split_Lines(b.out.since());
    ASSERT_EQ(lines.size(), 2u + 3 * 5);
    EXPECT_EQ(lines[1], " 1  0.000000 10.000000 400.000000 20.000000");
    EXPECT_EQ(lines[2 + 5 + 1], " 1  200.000000 0.000000 200.000000 15.000000");   // shaft
    // Axial: stops where the load has run out towards a zero end.
    OLI_Draw_Axial_Load_Diagram(0, 0, 600, 0, 10, 0);
    const std::vector<std::string> axial = Split_Lines(b.out.since());
    EXPECT_EQ(axial.size(), 1u + 2 * 5);   // arrows at 0 and 300; the load at 600 is 0
    EXPECT_EQ(axial[2], " 1  300.000000 0.000000 0.000000 0.000000");   // tip ahead, shaft back
    OLI_Draw_Load_Diagram_X(0, 0, NAN, 0, 10, 0);
    EXPECT_EQ(b.out.since(), "");
}

}  // namespace
