#include "report/graphic_block.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "material/point_transforms.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/plot_file.h"
#include "report/graphic_capture.h"

namespace {

struct Head_Case {
    const char* name;
    double x1, y1, x2, y2, scale, rotation;
    const char* window_line;
    int x_direction, half_turn, mirror_code;
    double angle_sign, mirror_sum;
};

// Window lines and orientation values worked out from the corners: x values first, then y,
// each times the scale.
const Head_Case Head_Cases[] = {
    {"downwards_in_y", 0, 26, 15, 0, 1, 0, "0.000000 15.000000 26.000000 0.000000", 1, 1, 2, -1, 26},
    {"both_up_half_scale", 0, 0, 10, 5, 0.5, 0, "0.000000 5.000000 0.000000 2.500000", 1, 0, 0, 1, 5},
    {"x_backwards", 10, 0, 0, 5, 1, 0, "10.000000 0.000000 0.000000 5.000000", 3, 0, 0, -1, 5},
    {"both_backwards", 10, 5, 0, 0, 1, 0, "10.000000 0.000000 5.000000 0.000000", 3, 1, 2, 1, 5},
    {"x_equal_counts_backwards", 5, 0, 5, 10, 1, 0, "5.000000 5.000000 0.000000 10.000000", 3, 0, 0, -1, 10},
    {"y_equal_counts_downwards", 0, 5, 10, 5, 1, 0, "0.000000 10.000000 5.000000 5.000000", 1, 1, 2, -1, 10},
    // 0.0004 rounds to 0 at three decimals: the window is not turned.
    {"tiny_rotation_keeps_window", 0, 0, 10, 5, 1, 0.0004, "0.000000 10.000000 0.000000 5.000000", 1, 0, 0, 1, 5},
    // Corners turned by 0.5 rad: (0, 0), (8.775826, -4.794255), (11.172953, -0.406343),
    // (2.397128, 4.387913); their bounding box, both axes ascending.
    {"rotation_half_radian", 0, 0, 10, 5, 1, 0.5, "0.000000 11.172953 -4.794255 4.387913", 1, 0, 0, 1,
     -4.79425538604203 + 4.387912809451864},
};

void PrintTo(const Head_Case& c, std::ostream* os) { *os << c.name; }

class Graphic_Head : public ::testing::TestWithParam<Head_Case> {};

TEST_P(Graphic_Head, WritesHeadAndWindowAndDerivesOrientation) {
    const Head_Case& c = GetParam();
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, c.x1, c.y1, c.x2, c.y2, c.scale, c.scale, c.rotation, nullptr);
    EXPECT_EQ(out.text(), std::string("#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n") + c.window_line + "\n");
    const Graphic_Block_State& g = Graphic_State;
    EXPECT_EQ(g.x_direction, c.x_direction);
    EXPECT_EQ(g.half_turn, c.half_turn);
    EXPECT_EQ(g.mirror_code, c.mirror_code);
    EXPECT_EQ(g.angle_sign, c.angle_sign);
    EXPECT_NEAR(g.mirror_sum, c.mirror_sum, 1e-9);
    EXPECT_EQ(g.rotation, c.rotation);   // the block keeps its rotation for the writers
    EXPECT_EQ(g.text_angle, 0);
}

INSTANTIATE_TEST_SUITE_P(Windows, Graphic_Head, ::testing::ValuesIn(Head_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Graphic_Head, CaptionsOneAndFiveAreWrittenAfterTheirFlagLines) {
    Graphic_Captions captions{};
    std::strcpy(captions.text[0], "Stirnplatte");
    std::strcpy(captions.text[4], "Schnitt A-A");
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 10, 5, 1, 1, 0, &captions);
    EXPECT_EQ(out.text(),
              "#SHOWGRAFIC\n 1 0 0\n Stirnplatte\n 0 1 0\n Schnitt A-A\n-1\n"
              "0.000000 10.000000 0.000000 5.000000\n");
}

TEST(Graphic_Head, CaptionWithoutTerminatorStopsAtEightyBytes) {
    Graphic_Captions captions{};
    std::memset(captions.text[1], 'x', 80);   // runs straight into caption 3
    std::strcpy(captions.text[2], "ab");
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 10, 5, 1, 1, 0, &captions);
    EXPECT_EQ(out.text(), "#SHOWGRAFIC\n 0 1 1\n " + std::string(80, 'x') +
                              "\n ab\n 0 0 0\n-1\n0.000000 10.000000 0.000000 5.000000\n");
}

TEST(Graphic_Head, WindowThatIsNotFiniteIsWrittenAsZero) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, NAN, 5, 1, 1, 0, nullptr);
    EXPECT_EQ(out.text(), "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 0.000000 0.000000 5.000000\n");
}

TEST(Graphic_Head, OpeningSetsScalesAndLabelFactorAndResetsAlternation) {
    Graphic_State.alternation_state = 1;
    OLI_Open_Graphic(nullptr, 0, 0, 10, 5, 0.1, 0.2, 0, nullptr);
    EXPECT_EQ(Graphic_State.smaller_scale, 0.1);
    EXPECT_EQ(Graphic_State.larger_scale, 0.2);
    EXPECT_DOUBLE_EQ(Graphic_State.label_factor, 1.5);   // 0.3 cm at 0.2 cm per unit
    EXPECT_EQ(Graphic_State.alternation_state, 0);
    OLI_Open_Graphic_Uniform(nullptr, 0, 0, 10, 5, 0.25, 0, nullptr);
    EXPECT_EQ(Graphic_State.x_scale, 0.25);
    EXPECT_EQ(Graphic_State.y_scale, 0.25);
}

// The lines of a simple sketch: a group in verbose mode with a filled 2 cm by 1 cm rectangle as a
// polygon and its four edges; the owner ends the block.
TEST(Graphic_Block, SimpleSketchInVerboseMode) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 15, 10, 1, 1, 0, nullptr);
    OLI_Set_Graphic_Verbose(1);
    OLI_Begin_Graphic_Group();
    OLI_Set_Fill_Pattern(34);
    double x[4] = {0, 2, 2, 0};
    double y[4] = {0, 0, 1, 1};
    OLI_Fill_Polygon(4, x, y);
    OLI_Draw_Polyline(-4, x, y);
    OLI_Draw_Line(0, 1, 0, 0);
    OLI_End_Graphic_Group();
    std::fputs(" -1\n", out.stream);
    EXPECT_EQ(out.text(),
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 15.000000 0.000000 10.000000\n"
              " 30\n 52\n"
              " 20  34\n"
              " 18 4 0.000000 0.000000 2.000000 0.000000 2.000000 1.000000 0.000000 1.000000 \n"
              " 1  0.000000 0.000000 2.000000 0.000000\n"
              " 1  2.000000 0.000000 2.000000 1.000000\n"
              " 1  2.000000 1.000000 0.000000 1.000000\n"
              " 1  0.000000 1.000000 0.000000 0.000000\n"
              " 31\n 53\n"
              " -1\n");
}

TEST(Graphic_Group, VerboseSwitchDecidesTheMarks) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 10, 10, 1, 1, 0, nullptr);
    out.set_mark();
    OLI_Set_Graphic_Verbose(0);
    EXPECT_EQ(OLI_Get_Graphic_Verbose(), 0);
    OLI_Begin_Graphic_Group();
    OLI_End_Graphic_Group();
    EXPECT_EQ(out.since(), " 30\n 31\n");
    OLI_Set_Graphic_Verbose(1);
    OLI_Begin_Graphic_Group();
    OLI_End_Graphic_Group();
    EXPECT_EQ(out.since(), " 30\n 52\n 31\n 53\n");
}

TEST(Graphic_Group, OneSaveSlotSoBothEndsRestoreTheSecondBegin) {
    OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 1, 1, 0.25, nullptr);
    OLI_Set_Text_Angle(1.0);
    OLI_Begin_Graphic_Group();
    OLI_Set_Text_Angle(2.0);
    Graphic_State.rotation = 0.5;
    OLI_Begin_Graphic_Group();
    OLI_Set_Text_Angle(3.0);
    Graphic_State.rotation = 0.75;
    OLI_End_Graphic_Group();
    EXPECT_EQ(OLI_Get_Text_Angle(), 2.0);
    EXPECT_EQ(Graphic_State.rotation, 0.5);
    OLI_Set_Text_Angle(4.0);
    OLI_End_Graphic_Group();
    EXPECT_EQ(OLI_Get_Text_Angle(), 2.0);
    EXPECT_EQ(Graphic_State.rotation, 0.5);
}

TEST(Graphic_Group, PlotStateIsSavedOnlyWithPlotFileOpen) {
    Plot_Capture plot;
    OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 1, 1, 0, nullptr);
    Plot_Open(plot.stream, 0, 0, 10, 10, 1, 0, "p");
    Plot_Set_Pen(3);
    Plot_Set_Filling(4);
    Plot_Set_Line_Type(2);
    Plot_Set_Font(5);
    OLI_Begin_Graphic_Group();
    Plot_Set_Pen(1);
    Plot_Set_Filling(-1);
    Plot_Set_Line_Type(0);
    Plot_Set_Font(2);
    OLI_End_Graphic_Group();
    EXPECT_EQ(Plot_State.pen, 3);
    EXPECT_EQ(Plot_State.filling, 4);
    EXPECT_EQ(Plot_State.line_type, 2);
    EXPECT_EQ(Plot_State.font, 5);
    plot.close_and_read();

    // Without a plot file the group leaves the plot state alone.
    OLI_Begin_Graphic_Group();
    Plot_Set_Pen(6);
    OLI_End_Graphic_Group();
    EXPECT_EQ(Plot_State.pen, 6);
}

struct Angle_Case {
    double angle;
    bool window_up;   // angle sign +1, else -1
    double expected;
};

void PrintTo(const Angle_Case& c, std::ostream* os) { *os << c.angle << (c.window_up ? " up" : " down"); }

class Text_Angle : public ::testing::TestWithParam<Angle_Case> {};

TEST_P(Text_Angle, IsSignedAndReducedBelowTwoPi) {
    const Angle_Case& c = GetParam();
    if (c.window_up)
        OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 1, 1, 0, nullptr);
    else
        OLI_Open_Graphic(nullptr, 0, 10, 10, 0, 1, 1, 0, nullptr);
    OLI_Set_Text_Angle(c.angle);
    EXPECT_DOUBLE_EQ(OLI_Get_Text_Angle(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Text_Angle,
                         ::testing::Values(Angle_Case{7.0, true, 7.0 - Geometry_Two_Pi},
                                           Angle_Case{7.0, false, -7.0},   // negative: not reduced
                                           Angle_Case{Geometry_Two_Pi, true, Geometry_Two_Pi},
                                           Angle_Case{0.0, true, 0.0},
                                           Angle_Case{15.0, true, 15.0 - 2 * Geometry_Two_Pi}));

TEST(Text_Angle, HugeAndInfiniteAnglesEndTheReduction) {
    OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 1, 1, 0, nullptr);
    OLI_Set_Text_Angle(1e300);
    EXPECT_GT(OLI_Get_Text_Angle(), 0);
    EXPECT_LE(OLI_Get_Text_Angle(), Geometry_Two_Pi);
    OLI_Set_Text_Angle(INFINITY);
    EXPECT_TRUE(std::isinf(OLI_Get_Text_Angle()));
}

TEST(Graphic_State_Access, ExtentsSeedWidenAndPartialCopies) {
    OLI_Reset_Extents();
    double a = 7, b = 7, c = 7, d = 7;
    OLI_Get_Extents(&a, nullptr, nullptr, &d);
    EXPECT_EQ(a, 1e100);
    EXPECT_EQ(d, -1e100);
    OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 1, 1, 0, nullptr);
    OLI_Draw_Line(-2, 3, 5, 8);
    OLI_Draw_Line(NAN, 100, 1, 1);   // a point that is not finite widens nothing
    OLI_Get_Extents(&a, &b, &c, &d);
    EXPECT_EQ(a, -2);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(c, 5);
    EXPECT_EQ(d, 8);
    // Opening a block does not reset them.
    OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 1, 1, 0, nullptr);
    OLI_Get_Extents(&a, nullptr, nullptr, nullptr);
    EXPECT_EQ(a, -2);
}

TEST(Graphic_State_Access, PaperAndModelConversions) {
    OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 0.1, 0.2, Geometry_Half_Pi, nullptr);
    double mx = 0, my = 0;
    OLI_Paper_To_Model(1.0, &mx, &my);
    EXPECT_DOUBLE_EQ(mx, 10);
    EXPECT_DOUBLE_EQ(my, 5);
    // (1, 0) turned by pi/2 is (0, -1); scaled by 0.1 and 0.2.
    double px = 7, py = 7;
    OLI_Model_To_Paper(1, 0, &px, &py);
    EXPECT_NEAR(px, 0, 1e-12);
    EXPECT_NEAR(py, -0.2, 1e-12);
    OLI_Model_To_Paper(0, 1, &px, nullptr);
    EXPECT_NEAR(px, 0.1, 1e-12);
}

TEST(Graphic_State_Access, StreamSwitchAndFormatLevel) {
    Graphic_Capture first, second;
    OLI_Open_Graphic(first.stream, 0, 0, 10, 10, 1, 1, 0, nullptr);
    first.set_mark();
    OLI_Switch_Graphic_Stream(second.stream);
    OLI_Draw_Line(0, 0, 1, 1);
    OLI_Restore_Graphic_Stream();
    OLI_Draw_Line(1, 1, 2, 2);
    EXPECT_EQ(second.text(), " 1  0.000000 0.000000 1.000000 1.000000\n");
    EXPECT_EQ(first.since(), " 1  1.000000 1.000000 2.000000 2.000000\n");

    EXPECT_EQ(OLI_Get_Format_Level(), 338);
    OLI_Set_Format_Level(334);
    EXPECT_EQ(OLI_Get_Format_Level(), 334);
}

TEST(Graphic_State_Access, NullStreamWritesNothingButStateChanges) {
    OLI_Open_Graphic(nullptr, 0, 0, 10, 10, 1, 1, 0, nullptr);
    OLI_Set_Text_Angle(1.0);
    OLI_Begin_Graphic_Group();
    OLI_Set_Text_Angle(2.0);
    OLI_End_Graphic_Group();
    EXPECT_EQ(OLI_Get_Text_Angle(), 1.0);
}

TEST(Number_Label, LongNumbersFallBackToTheExponentForm) {
    EXPECT_EQ(Format_Number_Label("%.0f", 120), "120");
    EXPECT_EQ(Format_Number_Label("%.0f", 1e18), "1000000000000000000");   // 19 characters
    EXPECT_EQ(Format_Number_Label("%.0f", 1e19), "1e+19");
    EXPECT_EQ(Format_Number_Label("%.2f", 1e300), "1e+300");
    EXPECT_EQ(Format_Number_Label("%.2f", -1.5e17), "-1.5e+17");
}

}  // namespace
