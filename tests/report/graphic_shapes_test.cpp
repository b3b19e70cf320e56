#include "report/graphic_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/plot_file.h"
#include "report/graphic_capture.h"

namespace {

// A block over (0, 0) to (100, 100) with x and y up, at the given scale, nothing but the commands
// of the drawing call captured.
struct Shape_Block {
    Graphic_Capture out;
    explicit Shape_Block(double scale = 1, double rotation = 0) {
        OLI_Open_Graphic(out.stream, 0, 0, 100, 100, scale, scale, rotation, nullptr);
        out.set_mark();
    }
};

struct Shape_Case {
    const char* name;
    double scale;
    std::function<void()> draw;
    const char* expected;
};

// Expected lines worked out from the coordinates times the scale.
const Shape_Case Shape_Cases[] = {
    {"line", 0.1, [] { OLI_Draw_Line(10, 20, 30, 40); },
     " 1  1.000000 2.000000 3.000000 4.000000\n"},
    {"rectangle_edges_in_order", 1, [] { OLI_Draw_Rectangle(0, 0, 2, 1); },
     " 1  0.000000 0.000000 0.000000 1.000000\n"
     " 1  0.000000 1.000000 2.000000 1.000000\n"
     " 1  2.000000 1.000000 2.000000 0.000000\n"
     " 1  2.000000 0.000000 0.000000 0.000000\n"},
    {"centred_rectangle", 1, [] { OLI_Draw_Centred_Rectangle(1, 0.5, 2, 1); },
     " 1  0.000000 0.000000 0.000000 1.000000\n"
     " 1  0.000000 1.000000 2.000000 1.000000\n"
     " 1  2.000000 1.000000 2.000000 0.000000\n"
     " 1  2.000000 0.000000 0.000000 0.000000\n"},
    {"filled_rectangle_up_window", 1, [] { OLI_Fill_Rectangle(0, 0, 2, 1); },
     " 24  0.000000 1.000000 2.000000 0.000000\n"},
    {"filled_centred_rectangle", 1, [] { OLI_Fill_Centred_Rectangle(1, 0.5, 2, 1); },
     " 24  0.000000 1.000000 2.000000 0.000000\n"},
    {"open_polyline_two_lines", 1,
     [] {
         const double x[3] = {0, 1, 1}, y[3] = {0, 0, 1};
         OLI_Draw_Polyline(-3, x, y);
     },
     " 1  0.000000 0.000000 1.000000 0.000000\n"
     " 1  1.000000 0.000000 1.000000 1.000000\n"},
    {"closed_polyline_back_from_first_to_last", 1,
     [] {
         const double x[3] = {0, 1, 1}, y[3] = {0, 0, 1};
         OLI_Draw_Polyline(3, x, y);
     },
     " 1  0.000000 0.000000 1.000000 0.000000\n"
     " 1  1.000000 0.000000 1.000000 1.000000\n"
     " 1  0.000000 0.000000 1.000000 1.000000\n"},
    {"polyline_of_one_point_draws_nothing", 1,
     [] {
         const double x[1] = {0}, y[1] = {0};
         OLI_Draw_Polyline(1, x, y);
     },
     ""},
    {"triangle", 0.5,
     [] {
         double x[3] = {0, 4, 0}, y[3] = {0, 0, 2};
         OLI_Fill_Triangle(x, y);
     },
     " 18 3 0.000000 0.000000 2.000000 0.000000 0.000000 1.000000 \n"},
    {"quadrilateral", 1,
     [] {
         double x[4] = {0, 2, 2, 0}, y[4] = {0, 0, 1, 1};
         OLI_Fill_Quadrilateral(x, y);
     },
     " 18 4 0.000000 0.000000 2.000000 0.000000 2.000000 1.000000 0.000000 1.000000 \n"},
    // Chords to k pi/32 for k = 1 to 5 and a last one to 30 degrees: six lines.
    {"arc_of_thirty_degrees", 1, [] { OLI_Draw_Arc(0, 0, 2, 0, 30); },
     " 1  1.000000 0.000000 0.995185 0.098017\n"
     " 1  0.995185 0.098017 0.980785 0.195090\n"
     " 1  0.980785 0.195090 0.956940 0.290285\n"
     " 1  0.956940 0.290285 0.923880 0.382683\n"
     " 1  0.923880 0.382683 0.881921 0.471397\n"
     " 1  0.881921 0.471397 0.866025 0.500000\n"},
    // Centre, start, the grid angles pi/16 and pi/8, the end at 30 degrees; nothing beyond it.
    {"sector_of_thirty_degrees", 1, [] { OLI_Fill_Sector(0, 0, 2, 0, 30); },
     " 18 5 0.000000 0.000000 1.000000 0.000000 0.980785 0.195090 0.923880 0.382683 "
     "0.866025 0.500000\n"},
    // 32 points counter-clockwise from the positive x direction, ending without a blank.
    {"circle", 1, [] { OLI_Fill_Circle(1, 2, 2); },
     " 18 32 2.000000 2.000000 1.980785 2.195090 1.923880 2.382683 1.831470 2.555570 1.707107 "
     "2.707107 1.555570 2.831470 1.382683 2.923880 1.195090 2.980785 1.000000 3.000000 0.804910 "
     "2.980785 0.617317 2.923880 0.444430 2.831470 0.292893 2.707107 0.168530 2.555570 0.076120 "
     "2.382683 0.019215 2.195090 0.000000 2.000000 0.019215 1.804910 0.076120 1.617317 0.168530 "
     "1.444430 0.292893 1.292893 0.444430 1.168530 0.617317 1.076120 0.804910 1.019215 1.000000 "
     "1.000000 1.195090 1.019215 1.382683 1.076120 1.555570 1.168530 1.707107 1.292893 1.831470 "
     "1.444430 1.923880 1.617317 1.980785 1.804910\n"},
    // Shapes with a coordinate that is not finite are not written.
    {"line_not_finite", 1, [] { OLI_Draw_Line(0, 0, NAN, 1); }, ""},
    {"line_infinite", 1, [] { OLI_Draw_Line(0, 0, 1, INFINITY); }, ""},
    {"rectangle_not_finite", 1, [] { OLI_Fill_Rectangle(0, 0, 2, NAN); }, ""},
    {"circle_infinite_diameter", 1, [] { OLI_Fill_Circle(0, 0, INFINITY); }, ""},
    {"arc_start_not_finite", 1, [] { OLI_Draw_Arc(0, 0, 2, NAN, 30); }, ""},
    {"sector_sweep_infinite", 1, [] { OLI_Fill_Sector(0, 0, 2, 0, INFINITY); }, ""},
};

void PrintTo(const Shape_Case& c, std::ostream* os) { *os << c.name; }

class Shape_Commands : public ::testing::TestWithParam<Shape_Case> {};

TEST_P(Shape_Commands, WritesTheWholeSequence) {
    const Shape_Case& c = GetParam();
    Shape_Block block(c.scale);
    c.draw();
    EXPECT_EQ(block.out.since(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, Shape_Commands, ::testing::ValuesIn(Shape_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct Rectangle_Order_Case {
    const char* name;
    double x1, y1, x2, y2;   // window
    const char* expected;
};

// The corners of a filled rectangle run against the window's directions.
const Rectangle_Order_Case Rectangle_Order_Cases[] = {
    {"x_up_y_up", 0, 0, 10, 10, " 24  0.000000 1.000000 2.000000 0.000000\n"},
    {"x_up_y_down", 0, 10, 10, 0, " 24  0.000000 0.000000 2.000000 1.000000\n"},
    {"x_down_y_up", 10, 0, 0, 10, " 24  2.000000 1.000000 0.000000 0.000000\n"},
};

void PrintTo(const Rectangle_Order_Case& c, std::ostream* os) { *os << c.name; }

class Filled_Rectangle : public ::testing::TestWithParam<Rectangle_Order_Case> {};

TEST_P(Filled_Rectangle, CornersFollowTheWindow) {
    const Rectangle_Order_Case& c = GetParam();
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, c.x1, c.y1, c.x2, c.y2, 1, 1, 0, nullptr);
    out.set_mark();
    OLI_Fill_Rectangle(0, 0, 2, 1);
    EXPECT_EQ(out.since(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, Filled_Rectangle, ::testing::ValuesIn(Rectangle_Order_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Fill_Polygon, FillSwitchClearWritesNothingAndLeavesExtents) {
    Shape_Block block;
    OLI_Reset_Extents();
    OLI_Set_Fill_Switch(0);
    double x[3] = {0, 4, 0}, y[3] = {0, 0, 2};
    OLI_Fill_Polygon(3, x, y);
    EXPECT_EQ(block.out.since(), "");
    double min_x = 0;
    OLI_Get_Extents(&min_x, nullptr, nullptr, nullptr);
    EXPECT_EQ(min_x, 1e100);
    // The triangle writer does not ask the fill switch.
    OLI_Fill_Triangle(x, y);
    EXPECT_EQ(block.out.since(), " 18 3 0.000000 0.000000 4.000000 0.000000 0.000000 2.000000 \n");
}

TEST(Fill_Polygon, TurnedForDrawingAndTurnedBack) {
    Shape_Block block(1, Geometry_Half_Pi);
    double x[3] = {1, 0, 0}, y[3] = {0, 1, 0};
    OLI_Fill_Polygon(3, x, y);
    // (1, 0) turned by pi/2 is (0, -1), (0, 1) is (1, 0).
    EXPECT_EQ(block.out.since(),
              " 18 3 0.000000 -1.000000 1.000000 0.000000 0.000000 0.000000 \n");
    const double x0[3] = {1, 0, 0}, y0[3] = {0, 1, 0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(x[i], x0[i], 1e-12);
        EXPECT_NEAR(y[i], y0[i], 1e-12);
    }
}

TEST(Fill_Polygon, PointNotFiniteSkipsThePolygonAndStillTurnsBack) {
    Shape_Block block(1, 0.3);
    double x[3] = {1, NAN, 0}, y[3] = {0, 1, 2};
    OLI_Fill_Polygon(3, x, y);
    EXPECT_EQ(block.out.since(), "");
    EXPECT_NEAR(x[0], 1, 1e-12);
    EXPECT_NEAR(y[2], 2, 1e-12);
    OLI_Fill_Polygon(0, x, y);   // no points: nothing read, nothing written
    EXPECT_EQ(block.out.since(), "");
}

TEST(Shape_Extents, CircleWidensByTwiceItsSize) {
    Shape_Block block;
    OLI_Reset_Extents();
    OLI_Fill_Circle(1, 2, 2);
    double a, b, c, d;
    OLI_Get_Extents(&a, &b, &c, &d);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(d, 4);
}

TEST(Shape_Rotation, LinesAndCircleCentreAreTurnedSectorsAreNot) {
    Shape_Block block(1, Geometry_Half_Pi);
    OLI_Draw_Line(1, 0, 2, 0);
    EXPECT_EQ(block.out.since(), " 1  0.000000 -1.000000 0.000000 -2.000000\n");
    OLI_Fill_Sector(10, 0, 2, 0, 30);
    EXPECT_EQ(Split_Lines(block.out.since())[0].substr(0, 27), " 18 5 10.000000 0.000000 11");
}

TEST(Arc, WideSweepTakesTheCoarseStep) {
    Shape_Block block;
    // 200 degrees: grid angles k pi/16 for k = 1 to 17 lie inside, then the chord to the end.
    OLI_Draw_Arc(0, 0, 2, 0, 200);
    EXPECT_EQ(Split_Lines(block.out.since()).size(), 18u);
    // A full circle: 32 chords.
    OLI_Draw_Arc(0, 0, 2, 0, 360);
    EXPECT_EQ(Split_Lines(block.out.since()).size(), 32u);
}

TEST(Arc, FarNegativeStartStillEnds) {
    Shape_Block block;
    OLI_Draw_Arc(0, 0, 2, -1e300, 30);
    const std::string lines = block.out.since();
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(lines.find("nan"), std::string::npos);
}

TEST(Sector, HalfTurnFromNinetyDegreesRepeatsTheEndPoint) {
    Shape_Block block;
    OLI_Fill_Sector(0, 0, 2, 90, 180);
    const std::string line = block.out.since();
    EXPECT_EQ(line.substr(0, 7), " 18 19 ");
    // The last grid angle (3pi/2 summed up from pi/16 steps, a hair beyond it) and the end point
    // at 3pi/2: the same point twice at the end.
    EXPECT_EQ(line.substr(line.size() - 40), " 0.000000 -1.000000 -0.000000 -1.000000\n");
}

TEST(Shape_Plot, LineUsesOneElementAndTwoPoints) {
    Plot_Capture plot;
    Shape_Block block(0.1);
    Plot_Open(plot.stream, 0, 0, 100, 100, 1, 0, "Plot");
    plot.set_mark();
    OLI_Draw_Line(10, 20, 30, 40);
    EXPECT_EQ(block.out.since(), " 1  1.000000 2.000000 3.000000 4.000000\n");
    EXPECT_EQ(plot.since(),
              "-line @1 ( @1 10.000000 20.000000 ) #2 0 0 1 0.0\n"
              "-point @2 30.000000 40.000000\n");
    EXPECT_EQ(Graphic_State.element_id, 2);
    EXPECT_EQ(Graphic_State.point_id, 3);
}

TEST(Shape_Plot, RectanglePolygonCircleAndArcEntities) {
    Plot_Capture plot;
    Shape_Block block;
    Plot_Open(plot.stream, 0, 0, 100, 100, 1, 0, "Plot");
    Plot_Set_Pen(2);
    Plot_Set_Filling(5);
    plot.set_mark();
    OLI_Fill_Rectangle(0, 0, 2, 1);
    EXPECT_EQ(plot.since(),
              "-area / 0 5\n 4 0 ( @1 ( @1 0.000000 0.000000 ) #2 2 0 0 0.0 )\n"
              " 0 ( @2 ( @2 0.000000 1.000000 ) #3 2 0 0 0.0 )\n"
              " 0 ( @3 ( @3 2.000000 1.000000 ) #4 2 0 0 0.0 )\n"
              " 0 ( @4 ( @4 2.0000 0.0000 ) #1 2 0 0 0.0 )\n");
    double x[3] = {0, 4, 0}, y[3] = {0, 0, 2};
    OLI_Fill_Triangle(x, y);
    EXPECT_EQ(plot.since(),
              "-area / 0 5\n 3 0 ( @5 ( @5 0.000000 0.000000 ) #6 2 0 1 0.0 )\n"
              " 0 ( @6 ( @6 4.000000 0.000000 ) #7 2 0 1 0.0 )\n"
              " 0 ( @7 ( @7 0.000000 2.000000 ) #5 2 0 1 0.0 )\n");
    OLI_Fill_Circle(1, 2, 2);
    EXPECT_EQ(plot.since(),
              "-opengroup\n-area / 0 5\n 2 0 ( @8 ( @8 1.000000 3.000000 ) #9 2 0 0 1.000000 )\n"
              " 0 ( @9 ( @9 1.000000 1.000000 ) #8 2 0 0 1.000000 )\n-closegroup\n");
    OLI_Fill_Sector(0, 0, 2, 0, 30);
    EXPECT_EQ(plot.since(), "-opengroup\n-closegroup\n");
    // Without a filling no area is written.
    Plot_Set_Filling(-1);
    OLI_Fill_Circle(1, 2, 2);
    EXPECT_EQ(plot.since(), "");
}

TEST(Shape_Plot, MirroredWhenTheWindowRunsDownwards) {
    Graphic_Capture out;
    Plot_Capture plot;
    OLI_Open_Graphic(out.stream, 0, 26, 15, 0, 1, 1, 0, nullptr);   // mirror sum 26
    Plot_Open(plot.stream, 0, 26, 15, 0, 1, 0, "Plot");
    plot.set_mark();
    OLI_Draw_Line(1, 2, 3, 4);
    EXPECT_EQ(plot.since(),
              "-line @1 ( @1 1.000000 24.000000 ) #2 0 0 1 0.0\n-point @2 3.000000 22.000000\n");
}

TEST(Dimension_Settings, FlagsAndAlternationSwitch) {
    OLI_Set_Dimension_Flags(0x9);
    EXPECT_EQ(Graphic_State.Dimension_Flags, 0x9);
    OLI_Set_Label_Alternation_Off();
    EXPECT_EQ(Graphic_State.alternation_switch, 0);
    OLI_Set_Label_Alternation_On();
    EXPECT_EQ(Graphic_State.alternation_switch, 1);
}

}  // namespace
