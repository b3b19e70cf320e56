#include "report/composite_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/plot_file.h"

namespace {

// A block over (0, 0) to (100, 100), x to the right and y upwards, without group marks in the
// expected lines unless a case writes them.
struct Block {
    Graphic_Capture out;
    Block(double x_scale = 1, double y_scale = 1, double y1 = 0, double y2 = 100) {
        OLI_Open_Graphic(out.stream, 0, y1, 100, y2, x_scale, y_scale, 0, nullptr);
        out.set_mark();
    }
};

// The numbers of a command line after its code.
std::vector<double> Numbers(const std::string& line) {
    std::istringstream in(line);
    std::vector<double> v;
    double d = 0;
    std::string code;
    in >> code;
    while (in >> d) v.push_back(d);
    return v;
}

struct Composite_Case {
    const char* name;
    double x_scale, y_scale;
    std::function<void()> draw;
    const char* expected;
};

const Composite_Case Composite_Cases[] = {
    // Tip at the origin, tail at (10, 0): shaft and the two head strokes back to (2, +-0.5).
    {"arrow", 1, 1, [] { OLI_Draw_Arrow(0, 0, 10, 0, 2, 1); },
     " 30\n 52\n"
     " 1  0.000000 0.000000 10.000000 -0.000000\n"
     " 1  0.000000 0.000000 2.000000 0.500000\n"
     " 1  0.000000 0.000000 2.000000 -0.500000\n"
     " 31\n 53\n"},
    {"band_filled_and_outlined", 1, 1, [] { OLI_Draw_Band(0, 0, 10, 0, 2, 1); },
     " 18 4 0.000000 -1.000000 10.000000 -1.000000 10.000000 1.000000 0.000000 1.000000 \n"
     " 1  0.000000 -1.000000 10.000000 -1.000000\n"
     " 1  10.000000 -1.000000 10.000000 1.000000\n"
     " 1  10.000000 1.000000 0.000000 1.000000\n"
     " 1  0.000000 -1.000000 0.000000 1.000000\n"},
    {"band_without_outline", 1, 1, [] { OLI_Draw_Band(0, 0, 10, 0, 2, 0); },
     " 18 4 0.000000 -1.000000 10.000000 -1.000000 10.000000 1.000000 0.000000 1.000000 \n"},
    // (1 + 10) * 0.1, (2 + 20) * 0.2, (3 + 10) * 0.1, (4 + 20) * 0.2.
    {"offset_line", 0.1, 0.2, [] { OLI_Draw_Offset_Line(1, 2, 3, 4, 10, 20); },
     " 1  1.100000 4.400000 1.300000 4.800000\n"},
    {"rectangle_with_hole", 1, 1, [] { OLI_Fill_Rectangle_With_Hole(0, 0, 10, 10, 2, 2, 4, 4); },
     " 24  0.000000 10.000000 10.000000 0.000000\n"
     " 20  0\n"
     " 24  2.000000 4.000000 4.000000 2.000000\n"},
    // A hole that touches the outer edge is left out.
    {"hole_not_strictly_inside", 1, 1,
     [] { OLI_Fill_Rectangle_With_Hole(0, 0, 10, 10, 0, 2, 4, 4); },
     " 24  0.000000 10.000000 10.000000 0.000000\n"
     " 20  0\n"},
    {"hole_not_finite", 1, 1, [] { OLI_Fill_Rectangle_With_Hole(0, 0, 10, 10, 2, NAN, 4, 4); },
     ""},
    {"offset_arc_as_chords", 1, 1, [] { OLI_Draw_Offset_Arc(10, 20, 2, 0, 30); },
     " 1  11.000000 20.000000 10.995185 20.098017\n"
     " 1  10.995185 20.098017 10.980785 20.195090\n"
     " 1  10.980785 20.195090 10.956940 20.290285\n"
     " 1  10.956940 20.290285 10.923880 20.382683\n"
     " 1  10.923880 20.382683 10.881921 20.471397\n"
     " 1  10.881921 20.471397 10.866025 20.500000\n"},
    {"slot_not_finite", 1, 1, [] { OLI_Fill_Slot(10, 5, NAN, 2); }, ""},
    {"ring_infinite", 1, 1, [] { OLI_Fill_Ring(0, 0, INFINITY, 1); }, ""},
};

void PrintTo(const Composite_Case& c, std::ostream* os) { *os << c.name; }

class Composite_Commands : public ::testing::TestWithParam<Composite_Case> {};

TEST_P(Composite_Commands, WritesTheWholeSequence) {
    const Composite_Case& c = GetParam();
    Block block(c.x_scale, c.y_scale);
    c.draw();
    EXPECT_EQ(block.out.since(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, Composite_Commands, ::testing::ValuesIn(Composite_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rectangle_With_Hole, HoleLeftOutWhenTheWindowRunsDownwards) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 100, 100, 0, 1, 1, 0, nullptr);   // mirror code 2
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 100, 100, 0, 1, 0, "", nullptr);
    out.set_mark();
    plot.set_mark();
    OLI_Fill_Rectangle_With_Hole(0, 0, 10, 10, 2, 2, 4, 4);
    EXPECT_EQ(out.since(), " 24  0.000000 0.000000 10.000000 10.000000\n 20  0\n");
    // The plot mirrors y about the mirror sum 100 and announces no hole.
    EXPECT_EQ(plot.since(),
              "-area / 0 0\n 4 0 ( @1 ( @1 0.000000 90.000000 ) #2 0 0 0 0.0 )\n"
              " 0 ( @2 ( @2 0.000000 100.000000 ) #3 0 0 0 0.0 )\n"
              " 0 ( @3 ( @3 10.000000 100.000000 ) #4 0 0 0 0.0 )\n"
              " 0 ( @4 ( @4 10.0000 90.0000 ) #1 0 0 0 0.0 )\n");
}

TEST(Rectangle_With_Hole, PlotAreaCarriesTheHoleRing) {
    Block block;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "", nullptr);
    plot.set_mark();
    OLI_Fill_Rectangle_With_Hole(0, 0, 10, 10, 4, 4, 2, 2);   // hole corners in any order
    EXPECT_EQ(plot.since(),
              "-area / 1 0\n 4 0 ( @1 ( @1 0.000000 0.000000 ) #2 0 0 0 0.0 )\n"
              " 0 ( @2 ( @2 0.000000 10.000000 ) #3 0 0 0 0.0 )\n"
              " 0 ( @3 ( @3 10.000000 10.000000 ) #4 0 0 0 0.0 )\n"
              " 0 ( @4 ( @4 10.0000 0.0000 ) #1 0 0 0 0.0 )\n"
              " 4 0 ( @5 ( @5 2.000000 2.000000 ) #6 0 0 0 0.0 )\n"
              " 0 ( @6 ( @6 2.000000 4.000000 ) #7 0 0 0 0.0 )\n"
              " 0 ( @7 ( @7 4.000000 4.000000 ) #8 0 0 0 0.0 )\n"
              " 0 ( @8 ( @8 4.000000 2.000000 ) #5 0 0 0 0.0 )\n");
    // No filling: no area at all, the print list unchanged.
    Plot_Set_Filling(-1);
    block.out.set_mark();
    OLI_Fill_Rectangle_With_Hole(0, 0, 10, 10, 2, 2, 4, 4);
    EXPECT_EQ(plot.since(), "");
    EXPECT_EQ(Split_Lines(block.out.since()).size(), 3u);
}

TEST(Slots, FilledHorizontalSlotRunsRoundBothEnds) {
    Block block;
    OLI_Fill_Slot(10, 5, 8, 2);   // horizontal: end radius 1 about (7, 5) and (13, 5)
    const std::string text = block.out.since();
    ASSERT_EQ(text.back(), '\n');
    EXPECT_NE(text[text.size() - 2], ' ');   // round shapes end without a blank
    const std::vector<double> v = Numbers(text);
    ASSERT_EQ(v.size(), 1u + 2 * 34);
    EXPECT_EQ(v[0], 34);
    auto point = [&](int i) { return std::make_pair(v[1 + 2 * i], v[2 + 2 * i]); };
    EXPECT_EQ(point(0), std::make_pair(7.0, 6.0));     // top of the left end
    EXPECT_EQ(point(8), std::make_pair(6.0, 5.0));     // far left
    EXPECT_EQ(point(16), std::make_pair(13.0, 4.0));   // bottom of the right end
    EXPECT_EQ(point(25), std::make_pair(14.0, 5.0));   // far right
    EXPECT_EQ(point(33), std::make_pair(7.0, 6.0));    // back at the top left
}

TEST(Slots, VerticalSlotOutlineReachesHalfWidthBeyondTheArcCentres) {
    Block block;
    OLI_Draw_Slot(10, 5, 2, 8);   // vertical: radius 1 about (10, 9) and (10, 1)
    const std::vector<std::string> lines = Split_Lines(block.out.since());
    ASSERT_EQ(lines.size(), 16u + 1 + 16 + 1);
    EXPECT_EQ(lines[0], " 1  11.000000 9.000000 10.980785 9.195090");
    EXPECT_EQ(lines[7], " 1  10.195090 9.980785 10.000000 10.000000");   // top point
    EXPECT_EQ(lines[16], " 1  9.000000 9.000000 9.000000 1.000000");       // left side
    EXPECT_EQ(lines[24], " 1  9.804910 0.019215 10.000000 0.000000");     // lowest point
    EXPECT_EQ(lines[33], " 1  11.000000 1.000000 11.000000 9.000000");     // right side
    // The filled vertical slot: the upper arc from its right end over the top, then the lower.
    OLI_Fill_Slot(10, 5, 2, 8);
    const std::vector<double> v = Numbers(block.out.since());
    ASSERT_EQ(v.size(), 1u + 2 * 34);
    EXPECT_EQ(v[1], 11);
    EXPECT_EQ(v[2], 9);
    EXPECT_EQ(v[1 + 2 * 8], 10);    // top (10, 10)
    EXPECT_EQ(v[2 + 2 * 8], 10);
    EXPECT_EQ(v[1 + 2 * 33], 11);   // last: (11, 1)
    EXPECT_EQ(v[2 + 2 * 33], 1);
}

TEST(Round_Circle, RadiusTakesTheXScaleInBothDirections) {
    Block block(0.1, 0.2);
    OLI_Fill_Circle_Round(0, 0, 10);
    const std::vector<double> v = Numbers(block.out.since());
    ASSERT_EQ(v.size(), 1u + 2 * 32);
    EXPECT_DOUBLE_EQ(v[1], 0.5);          // (5, 0) * 0.1
    EXPECT_DOUBLE_EQ(v[2 + 2 * 8], 0.5);  // top: 5 * 0.1, not 5 * 0.2
    // The ordinary circle stretches with the y scale.
    OLI_Fill_Circle(0, 0, 10);
    EXPECT_DOUBLE_EQ(Numbers(block.out.since())[2 + 2 * 8], 1.0);
}

TEST(Ring, OuterThenInnerCircleBothClosed) {
    Block block;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "", nullptr);
    plot.set_mark();
    OLI_Fill_Ring(10, 10, 4, 2);
    const std::vector<double> v = Numbers(block.out.since());
    ASSERT_EQ(v.size(), 1u + 2 * 66);
    EXPECT_EQ(v[0], 66);
    EXPECT_EQ(v[1], 12);               // outer start (12, 10)
    EXPECT_EQ(v[1 + 2 * 32], 12);      // outer closed at (12, 10)
    EXPECT_EQ(v[1 + 2 * 33], 11);      // inner start (11, 10)
    EXPECT_EQ(v[1 + 2 * 65], 11);      // inner closed
    EXPECT_EQ(plot.since(),
              "-opengroup\n-area / 1 0\n"
              " 2 0 ( @1 ( @1 10.000000 12.000000 ) #2 0 0 0 2.000000 )\n"
              " 0 ( @2 ( @2 10.000000 8.000000 ) #1 0 0 0 2.000000 )\n"
              " 2 0 ( @3 ( @3 10.000000 11.000000 ) #4 0 0 0 1.000000 )\n"
              " 0 ( @4 ( @4 10.000000 9.000000 ) #3 0 0 0 1.000000 )\n"
              "-closegroup\n");
}

TEST(Offset_Arc, SameLinesAsTheArcButNoPlotLines) {
    Block block;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "", nullptr);
    plot.set_mark();
    OLI_Draw_Offset_Arc(10, 20, 6, 45, 200);
    const std::string offset = block.out.since();
    EXPECT_EQ(plot.since(), "-opengroup\n-closegroup\n");
    Plot_Close();
    plot.closed_elsewhere();
    OLI_Draw_Arc(10, 20, 6, 45, 200);
    EXPECT_EQ(offset, block.out.since());
}

// A square 0..10 with a triangular hole and a circular hole of area pi (radius 1).
struct Region_Fixture {
    double x[4] = {0, 10, 10, 0}, y[4] = {0, 0, 10, 10};
    int counts[1] = {3};
    double hx[3] = {1, 3, 1}, hy[3] = {1, 1, 3};
    double cx[1] = {6}, cy[1] = {6}, area[1] = {3.141592653589793};
};

TEST(Region_With_Holes, OuterRingThenHolesInPrintListAndPlot) {
    Block block;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "", nullptr);
    Plot_Set_Filling(3);
    plot.set_mark();
    Region_Fixture r;
    OLI_Fill_Region_With_Holes(4, r.x, r.y, 1, r.counts, r.hx, r.hy, 1, r.cx, r.cy, r.area);
    const std::vector<std::string> lines = Split_Lines(block.out.since());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              " 18 4 0.000000 0.000000 10.000000 0.000000 10.000000 10.000000 0.000000 10.000000 ");
    EXPECT_EQ(lines[1], " 20  0");
    EXPECT_EQ(lines[2], " 18 3 1.000000 1.000000 3.000000 1.000000 1.000000 3.000000 ");
    EXPECT_EQ(lines[3].substr(0, 34), " 18 32 7.000000 6.000000 6.980785 ");
    EXPECT_EQ(lines[3].back(), '0');   // round: no blank at the end
    EXPECT_EQ(plot.since(),
              "-area / 2 3\n 4 0 ( @1 ( @1 0.000000 0.000000 ) #2 0 0 0 0.0 )\n"
              " 0 ( @2 ( @2 10.000000 0.000000 ) #3 0 0 0 0.0 )\n"
              " 0 ( @3 ( @3 10.000000 10.000000 ) #4 0 0 0 0.0 )\n"
              " 0 ( @4 ( @4 0.000000 10.000000 ) #1 0 0 0 0.0 )\n"
              " 3 0 ( @5 ( @5 1.000000 1.000000 ) #6 0 0 0 0.0 )\n"
              " 0 ( @6 ( @6 3.000000 1.000000 ) #7 0 0 0 0.0 )\n"
              " 0 ( @7 ( @7 1.000000 3.000000 ) #5 0 0 0 0.0 )\n"
              " 2 0 ( @8 ( @8 6.000000 7.000000 ) #9 0 0 0 1.000000 )\n"
              " 0 ( @9 ( @9 6.000000 5.000000 ) #8 0 0 0 1.000000 )\n");
}

TEST(Region_With_Holes, AnyBadValueWritesNothingAndTheArraysStay) {
    Block block;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0.3, "", nullptr);
    plot.set_mark();
    struct Bad {
        const char* name;
        std::function<void(Region_Fixture&)> spoil;
    };
    const Bad cases[] = {
        {"hole point not finite", [](Region_Fixture& r) { r.hx[2] = NAN; }},
        {"negative hole area", [](Region_Fixture& r) { r.area[0] = -1; }},
        {"outer point infinite", [](Region_Fixture& r) { r.y[1] = INFINITY; }},
        {"empty hole ring", [](Region_Fixture& r) { r.counts[0] = 0; }},
    };
    for (const Bad& c : cases) {
        Region_Fixture r;
        c.spoil(r);
        OLI_Fill_Region_With_Holes(4, r.x, r.y, 1, r.counts, r.hx, r.hy, 1, r.cx, r.cy, r.area);
        EXPECT_EQ(block.out.since(), "") << c.name;
        EXPECT_EQ(plot.since(), "") << c.name;
    }
    // A good region in a turned block leaves the caller's points exactly as they were.
    Graphic_State.rotation = 0.3;
    Region_Fixture r;
    OLI_Fill_Region_With_Holes(4, r.x, r.y, 1, r.counts, r.hx, r.hy, 0, nullptr, nullptr, nullptr);
    EXPECT_NE(block.out.since(), "");
    EXPECT_EQ(r.x[1], 10);
    EXPECT_EQ(r.hy[2], 3);
}

TEST(Fill_Switch, ClearWritesNoFilledPolygons) {
    Block block;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "", nullptr);
    plot.set_mark();
    OLI_Set_Fill_Switch(0);
    OLI_Fill_Slot(10, 5, 8, 2);
    OLI_Fill_Ring(10, 10, 4, 2);
    OLI_Fill_Circle_Round(0, 0, 10);
    OLI_Draw_Band(0, 0, 10, 0, 2, 0);
    Region_Fixture r;
    OLI_Fill_Region_With_Holes(4, r.x, r.y, 1, r.counts, r.hx, r.hy, 1, r.cx, r.cy, r.area);
    // Only the region's pattern line stays in the print list; the plot keeps its areas.
    EXPECT_EQ(block.out.since(), " 20  0\n");
    EXPECT_NE(plot.since().find("-area / 2 0"), std::string::npos);
}

}  // namespace
