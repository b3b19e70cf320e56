// Screen drawing routines: rounding to pixels, the corner fillet, the snapped arc segment, the
// measure line and the shapes beside them, read back as pixels and traced texts.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/host/screen_fonts.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_sketch_fixture.h"

namespace {

constexpr int Red = 0xFF0000, Blue = 0x0000FF;

TEST(Round_To_Pixel, FractionsFromFourNinthsRoundAwayFromZero) {
    const struct {
        double x;
        int pixels;
    } cases[] = {{0.0, 0},   {0.4444, 0}, {0.4445, 1},   {0.44, 0},    {0.45, 1},  {-0.45, -1},
                 {-0.44, 0}, {-2.5, -3},  {2.4444, 2},   {7.5, 8},     {-7.4, -7}, {1e9 + 0.5, 1000000001}};
    for (const auto& c : cases) EXPECT_EQ(Round_To_Pixel(c.x), c.pixels) << c.x;
}

class Screen_Drawing : public Screen_Sketch_Test {};

TEST_F(Screen_Drawing, FilletWithoutFillAndOutlineDrawsNothingAndKeepsTheColour) {
    pxFgc(Blue);
    Draw_Corner_Fillet(100, 100, 30, 2, -1, -1);
    EXPECT_TRUE(Untouched(60, 60, 140, 140));
    EXPECT_EQ(pxQFgc(), Blue);
}

TEST_F(Screen_Drawing, FilletLiesInTheCornerOfEachOrientation) {
    // Corner (200, 200), r 40: the legs' directions by orientation, the centre opposite the corner
    // and the middle of the arc (P5 at 45 degrees, 40 (1 - cos 45°) = 11.7 px from each leg).
    const struct {
        int orientation;
        int dx, dy;    // unit directions of the legs: x leg and y leg
    } cases[] = {{0, 1, -1}, {1, -1, -1}, {2, -1, 1}, {3, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.orientation);
        Open_White_Screen(400, 400);
        pxFgc(Blue);
        Draw_Corner_Fillet(200, 200, 40, c.orientation, Red, 1);
        EXPECT_EQ(pxQFgc(), Blue);
        // Near the corner: fill; the legs are drawn in the fill colour.
        EXPECT_EQ(Host_Pixel(200 + 3 * c.dx, 200 + 3 * c.dy), Red);
        EXPECT_EQ(Host_Pixel(200 + 30 * c.dx, 200), Red);
        EXPECT_EQ(Host_Pixel(200, 200 + 30 * c.dy), Red);
        // The arc is black; beyond it, toward the centre, nothing.
        const int ax = static_cast<int>(200 + c.dx * (40 - 40 * std::cos(std::numbers::pi / 4)));
        const int ay = static_cast<int>(200 + c.dy * (40 - 40 * std::cos(std::numbers::pi / 4)));
        EXPECT_EQ(Host_Pixel(ax, ay), Black_Pixel);
        EXPECT_EQ(Host_Pixel(200 + 20 * c.dx, 200 + 20 * c.dy), White_Pixel);
        EXPECT_EQ(Host_Pixel(200 + 40 * c.dx, 200 + 40 * c.dy), White_Pixel);
        // Nothing on the far side of the corner.
        EXPECT_TRUE(Untouched(c.dx > 0 ? 150 : 202, c.dy > 0 ? 150 : 202, c.dx > 0 ? 198 : 250, c.dy > 0 ? 198 : 250));
    }
}

TEST_F(Screen_Drawing, FilletWithAnOutlineOnlyDrawsLegsInTheCurrentColourAndTheArcInBlack) {
    pxFgc(Blue);
    Draw_Corner_Fillet(200, 200, 40, 0, -1, 1);
    EXPECT_EQ(Host_Pixel(220, 200), Blue);
    EXPECT_EQ(Host_Pixel(200, 180), Blue);
    EXPECT_EQ(Host_Pixel(203, 197), White_Pixel);   // no fill
    EXPECT_EQ(Host_Pixel(211, 188), Black_Pixel);   // arc at 45 degrees
    EXPECT_EQ(pxQFgc(), Blue);
}

TEST_F(Screen_Drawing, ArcSegmentsSnapToTheElevenAndAQuarterDegreeGrid) {
    // Centre (100, 100), r 40. 0 degrees lies left of the centre, 90 below it.
    struct Case {
        double start, sweep;
        std::initializer_list<std::pair<int, int>> filled, empty;
    };
    const Case cases[] = {
        // The quarter from the left point (60, 100) to the bottom point (100, 140).
        {0, 90, {{70, 122}, {62, 105}, {95, 138}}, {{85, 115}, {130, 125}, {68, 75}}},
        // 180 to 360: the upper half, from the right over the top to the left.
        {180, 180, {{100, 65}, {65, 98}, {135, 98}}, {{100, 105}, {100, 135}}},
        // Start 10 sweep 5 snaps to 0 and 11.25 degrees: two points, no area.
        {10, 5, {}, {{65, 103}, {100, 120}}},
        // Too small a sweep draws nothing at all.
        {0, 0.0009, {}, {{61, 100}, {70, 122}}},
        // More than a full turn is the full circle, within the point buffers.
        {0, 720, {{100, 65}, {100, 135}, {65, 100}, {135, 100}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " " << c.sweep);
        Open_White_Screen(200, 200);
        pxFgc(Blue);
        Draw_Arc_Segment(100, 100, 40, c.start, c.sweep, Red, -1, 1);
        EXPECT_EQ(pxQFgc(), Blue);
        for (const auto& [x, y] : c.filled) EXPECT_EQ(Host_Pixel(x, y), Red) << x << "," << y;
        for (const auto& [x, y] : c.empty) EXPECT_EQ(Host_Pixel(x, y), White_Pixel) << x << "," << y;
    }
}

TEST_F(Screen_Drawing, ArcLineIsAnOpenPolylineWithoutTheChord) {
    // 10/5: one segment from (60, 100) to (100 - 39, 100 + 8) (40 cos, sin 11.25° = 39.2, 7.8).
    Draw_Arc_Segment(100, 100, 40, 10, 5, -1, Black_Pixel, 1);
    EXPECT_EQ(Host_Pixel(60, 100), Black_Pixel);
    EXPECT_EQ(Host_Pixel(61, 108), Black_Pixel);
    EXPECT_EQ(Count_Pixels(50, 90, 110, 120, Black_Pixel), 9);
    // 0/90 with line only: the arc's points are black, the chord's middle is not.
    Open_White_Screen(200, 200);
    Draw_Arc_Segment(100, 100, 40, 0, 90, -1, Black_Pixel, 1);
    EXPECT_EQ(Host_Pixel(60, 100), Black_Pixel);
    EXPECT_EQ(Host_Pixel(100, 140), Black_Pixel);
    EXPECT_EQ(Host_Pixel(80, 120), White_Pixel);
    // A negative line width leaves the line out.
    Open_White_Screen(200, 200);
    Draw_Arc_Segment(100, 100, 40, 0, 90, -1, Black_Pixel, -1);
    EXPECT_TRUE(Untouched(0, 0, 199, 199));
}

TEST_F(Screen_Drawing, MeasureLineEndsInWhiteDotsRingedInBlack) {
    pxFgc(Blue);
    Draw_Measure_Line(20, 30, 60, 30, nullptr, 0);
    // Each end: the disc's middle white, the ring of radius 2 black, the line black between.
    const std::string end_picture = Rows({".###.", "#...#", "#...#", "#...#", ".###."});
    EXPECT_EQ(Screen_Picture(18, 28, 22, 32, {{Black_Pixel, '#'}, {White_Pixel, '.'}}), end_picture);
    EXPECT_EQ(Screen_Picture(58, 28, 62, 32, {{Black_Pixel, '#'}, {White_Pixel, '.'}}), end_picture);
    EXPECT_EQ(Count_Pixels(23, 30, 57, 30, Black_Pixel), 35);
    EXPECT_EQ(Texts(), "");
    EXPECT_EQ(pxQFgc(), Black_Pixel);
    EXPECT_EQ(Host_Current_Font(), 4096);
}

TEST_F(Screen_Drawing, MeasureLineLabelsByMode) {
    // (11, 40) to (20, 80): midpoint (15, 60) truncated; "e1" is 12 px wide.
    Draw_Measure_Line(11, 40, 20, 80, "e1", 0);
    Draw_Measure_Line(11, 40, 20, 80, "e1", 1);
    Draw_Measure_Line(11, 40, 20, 80, "e1", 2);
    Draw_Measure_Line(11, 40, 20, 80, "e1", 3);
    Draw_Measure_Line(11, 40, 20, 80, "", 0);
    // A negative odd sum truncates toward zero as well: (-11 + 0) / 2 = -5.
    Draw_Measure_Line(-11, 40, 0, 40, "t", 0);
    EXPECT_EQ(Texts(), "9 38 4096 0,0,0 \"e1\"\n"
                       "15 63 4096 0,0,0 \"e1\"\n"
                       "9 70 4096 0,0,0 \"e1\"\n"
                       "-8 38 4096 0,0,0 \"t\"\n");
}

TEST(Snap_Unit_Value, SnapsWithinAThousandth) {
    const struct {
        double x, snapped;
    } cases[] = {{0.0009, 0}, {-0.0009, 0}, {0.9995, 1}, {-1.0009, -1}, {0.5, 0.5}, {0.002, 0.002}, {1.002, 1.002}};
    for (const auto& c : cases) EXPECT_EQ(Snap_Unit_Value(c.x), c.snapped) << c.x;
}

TEST_F(Screen_Drawing, PolygonCircleAndRing) {
    // A square (n 4) of radius 40 about (100, 100): vertices right, below, left, above.
    Draw_Polygon_Circle(100, 100, 40, 4, Red, 1, Black_Pixel);
    EXPECT_EQ(Host_Pixel(100, 100), Red);
    EXPECT_EQ(Host_Pixel(140, 100), Black_Pixel);
    EXPECT_EQ(Host_Pixel(120, 80), Black_Pixel);   // on the edge from (140, 100) to (100, 60)
    EXPECT_EQ(Host_Pixel(125, 75), White_Pixel);
    // 65 corners and none draw nothing.
    Open_White_Screen(200, 200);
    Draw_Polygon_Circle(100, 100, 40, 65, Red, 1, Black_Pixel);
    Draw_Polygon_Circle(100, 100, 40, 0, Red, 1, Black_Pixel);
    EXPECT_TRUE(Untouched(0, 0, 199, 199));
    // A ring leaves its hole unfilled; an inner radius not below the outer fills the whole n-gon.
    Draw_Polygon_Ring(100, 100, 40, 20, 32, Red, -1, -1);
    EXPECT_EQ(Host_Pixel(100, 100), White_Pixel);
    EXPECT_EQ(Host_Pixel(100, 70), Red);
    EXPECT_EQ(Host_Pixel(130, 100), Red);
    Open_White_Screen(200, 200);
    Draw_Polygon_Ring(100, 100, 40, 50, 32, Red, -1, -1);
    EXPECT_EQ(Host_Pixel(100, 100), Red);
}

TEST_F(Screen_Drawing, FilledRectangleAndAlignedText) {
    pxFgc(Blue);
    Draw_Filled_Rectangle(10, 10, 20, 15, Red);
    Draw_Filled_Rectangle(30, 10, 40, 15, -1);
    EXPECT_EQ(Count_Pixels(10, 10, 20, 15, Red), 66);
    EXPECT_TRUE(Untouched(30, 10, 40, 15));
    EXPECT_EQ(pxQFgc(), Blue);
    // Centred: x moves left by 4.5, 8 and 6.5 px per character by size kind.
    Draw_Aligned_Text(100, 50, "abcd", 1, Red, 1);
    Draw_Aligned_Text(100, 60, "abcd", 1, Red, 2);
    Draw_Aligned_Text(100, 70, "abcd", 1, Red, 0);
    Draw_Aligned_Text(100, 80, "abcd", 0, Red, 0);
    EXPECT_EQ(Texts(), "82 50 4098 255,0,0 \"abcd\"\n"
                       "68 60 4097 255,0,0 \"abcd\"\n"
                       "74 70 4096 255,0,0 \"abcd\"\n"
                       "100 80 4096 255,0,0 \"abcd\"\n");
    EXPECT_EQ(pxQFgc(), Blue);
}

TEST_F(Screen_Drawing, ArrowsPointWhereTheirFlagsSay) {
    // A horizontal force through (100, 100), 60 long: ends at 70 and 130; the head's tip 5 px
    // beyond the second end (flag 0) or the first (flag 1). An angle of 180 degrees swaps the ends.
    const struct {
        int flag;
        double angle;
        int tip_x, far_x;
    } cases[] = {{0, 0, 134, 66}, {1, 0, 66, 134}, {0, std::numbers::pi, 66, 134}};
    for (const auto& c : cases) {
        Open_White_Screen(200, 200);
        pxFgc(Black_Pixel);
        Draw_Force_Arrow(100, 100, 60, c.flag, nullptr, c.angle);
        EXPECT_EQ(Host_Pixel(c.tip_x, 100), Black_Pixel) << c.flag << " " << c.angle;
        EXPECT_EQ(Host_Pixel(c.far_x, 100), White_Pixel) << c.flag << " " << c.angle;
        // The head is 10 px wide near its base, 15 px back from the tip.
        const int base_x = c.tip_x + (c.tip_x > 100 ? -13 : 13);
        EXPECT_EQ(Host_Pixel(base_x, 103), Black_Pixel);
        EXPECT_EQ(Host_Pixel(c.far_x + (c.far_x > 100 ? -6 : 6), 104), White_Pixel);
    }
    // An arrow head at (100, 100) with angle 0: its base lies 15 px to the right.
    Open_White_Screen(200, 200);
    pxFgc(Black_Pixel);
    Draw_Arrow_Head(100, 100, 0);
    EXPECT_EQ(Host_Pixel(113, 103), Black_Pixel);
    EXPECT_EQ(Host_Pixel(87, 100), White_Pixel);
    // A pointer arrow ending at (100, 100) from 90 px to the left, its head beyond the far end.
    Open_White_Screen(200, 200);
    Draw_Pointer_Arrow(100, 100, 90, "F", 0);
    EXPECT_EQ(Host_Pixel(50, 100), Black_Pixel);
    EXPECT_EQ(Host_Pixel(1, 100), Black_Pixel);    // tip 10 px beyond (10, 100)
    EXPECT_EQ(Host_Pixel(150, 100), White_Pixel);
    EXPECT_NE(Texts().find("\"F\""), std::string::npos);
}

}  // namespace
