// Immediate world drawing: the transform, lines and their widths, fills, arrows, dimensions, texts
// and the screen text helpers, checked by pixels and by the trace of the drawn texts.
#include "gui/world_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "common/counted_alloc.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"
#include "platform/screen_picture.h"
#include "sketches/screen_sketch_fixture.h"

namespace {

constexpr int White = White_Pixel, Black = Black_Pixel, Face = 0xD4D0C8, Grey = 0x808080;

// A white screen drawing in black, font 0, the default transform, width 1, style 0, and the drawn
// texts traced.
class World_Drawing : public Screen_Sketch_Test {
  protected:
    void SetUp() override {
        Screen_Sketch_Test::SetUp();
        Init_RFont();
        Set_World_Transform(0, 0, 0, 1, 1);
        Set_World_Line_Width(1);
        Set_World_Line_Style(0);
        pxSLn(0);
    }
    static int Count(int x1, int y1, int x2, int y2, int colour) { return Count_Pixels(x1, y1, x2, y2, colour); }
    // The bounding box of the pixels of the colour, or all -1 when there is none.
    static std::string Box(int colour) {
        int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
        for (int y = 0; y < NPIXEL_Y; ++y)
            for (int x = 0; x < NPIXEL_X; ++x) {
                if (Host_Pixel(x, y) != colour) continue;
                if (x1 < 0 || x < x1) x1 = x;
                if (y1 < 0) y1 = y;
                x2 = std::max(x2, x);
                y2 = y;
            }
        return std::to_string(x1) + "," + std::to_string(y1) + "-" + std::to_string(x2) + "," + std::to_string(y2);
    }
};

TEST_F(World_Drawing, TextSpanCoversNCellsOfEightPixelsAroundTheBaseline) {
    Fill_Text_Span(100, 50, 2.5, Black);
    EXPECT_EQ(Box(Black), "99,40-120,53");
    EXPECT_EQ(Count(99, 40, 120, 53, Black), 22 * 14);
    EXPECT_EQ(pxQFgc(), Black);   // the fill colour stays set

    // Erasing paints the same box in the face background and gives the drawing colour back.
    pxFgc(0x123456);
    Erase_Text_Span(100, 50, 2.5);
    EXPECT_EQ(Box(Face), "99,40-120,53");
    EXPECT_EQ(Box(Black), "-1,-1--1,-1");
    EXPECT_EQ(pxQFgc(), 0x123456);
}

TEST_F(World_Drawing, TextSpanOfAnAbsurdCountStaysOnTheScreen) {
    Fill_Text_Span(10, 20, 1e300, Black);
    EXPECT_EQ(Box(Black), "9,10-639,23");
    Fill_Text_Span(10, 60, std::nan(""), Black);   // no characters: just the leading column
    EXPECT_EQ(Count(0, 50, 639, 63, Black), 14 * 2);
}

TEST_F(World_Drawing, StateTextTakesTheColourOfItsStateAndRestoresFontAndColour) {
    pxFgc(0x123456);
    Pop_RFont(0x1000);
    Draw_State_Text(10, 20, "An", 0x1002, -1);
    Draw_State_Text(10, 40, "Aus", 0x1002, 0);
    Draw_State_Text(10, 60, "Grau", 0x1001, 3);
    Draw_Text_In_Colour(10, 80, "Rot", 0x11002, 0xFF0000);
    EXPECT_EQ(Texts(), "10 20 4098 0,0,0 \"An\"\n"
                       "10 40 4098 212,208,200 \"Aus\"\n"
                       "10 60 4097 128,128,128 \"Grau\"\n"
                       "10 80 4098 255,0,0 \"Rot\"\n");
    EXPECT_GT(Count(10, 50, 60, 60, Grey), 0);
    EXPECT_EQ(pxQFgc(), 0x123456);
    EXPECT_EQ(Host_Current_Font(), 0x1000);
    Push_RFont();
    EXPECT_EQ(Host_Current_Font(), 0);
}

TEST_F(World_Drawing, TransformRoundsHalfAwayFromZeroAndGoesBack) {
    double x = 2.5, y = -2.5;
    Transform_World_Point(&x, &y);
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, -3);

    // Turned by 90 degrees the world x axis points up the screen.
    Set_World_Transform(0, 0, 1.5707963267948966, 1, 1);
    x = 1, y = 0;
    Transform_World_Point(&x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, -1);
    Untransform_World_Point(&x, &y);
    EXPECT_NEAR(x, 1, 1e-12);
    EXPECT_NEAR(y, 0, 1e-12);

    // Origin and two scales: not rounded when measuring, lengths take their own axis' scale.
    Set_World_Transform(1, 2, 0, 10, -4);
    x = 1.26, y = 2.5;
    Transform_World_Point(&x, &y);
    EXPECT_EQ(x, 3);    // 2.6
    EXPECT_EQ(y, -2);
    Untransform_World_Point(&x, &y);
    EXPECT_DOUBLE_EQ(x, 1.3);
    EXPECT_DOUBLE_EQ(y, 2.5);
    EXPECT_DOUBLE_EQ(Get_View_Distance(1, 2, 1.03, 1.9), 0.5);   // (0.3, 0.4) pixels
    double length = 0.25;
    Transform_World_Point_Or_Length(&length, nullptr);
    EXPECT_DOUBLE_EQ(length, 2.5);
    Transform_World_Point_Or_Length(nullptr, &length);
    EXPECT_DOUBLE_EQ(length, -10);
    EXPECT_EQ(Get_World_Scale_X(), 10);
    EXPECT_EQ(Get_World_Scale_Y(), -4);
}

TEST_F(World_Drawing, LineWidthsAndStyles) {
    // A line across the middle of a 48 x 7 window at rows 0 to 6; pictures of the window.
    struct Case {
        const char* what;
        int width, style;
        double x1, y1, x2, y2;
        std::string picture;
    };
    const Case cases[] = {
        {"width 0 draws nothing", 0, 0, 2, 3, 40, 3, Rows({
             "................................................",
             "................................................",
             "................................................",
             "................................................",
             "................................................",
             "................................................",
             "................................................"})},
        {"width 1, solid", 1, 0, 2, 3, 40, 3, Rows({
             "................................................",
             "................................................",
             "................................................",
             "..#######################################.......",
             "................................................",
             "................................................",
             "................................................"})},
        // A thick line is a square of the width along the path: it reaches one pixel further.
        {"width 2 solid: a thick line", 2, 0, 2, 3, 40, 3, Rows({
             "................................................",
             "................................................",
             "................................................",
             "..########################################......",
             "..########################################......",
             "................................................",
             "................................................"})},
        {"width 2 dashed: strokes at +1 and 0", 2, 3, 2, 3, 40, 3, Rows({
             "................................................",
             "................................................",
             "................................................",
             "..########........########........#######.......",
             "..########........########........#######.......",
             "................................................",
             "................................................"})},
        // Right to left: every stroke starts its dashes at x 40.
        {"width 3 dashed, right to left", 3, 3, 40, 3, 2, 3, Rows({
             "................................................",
             "................................................",
             "..#######........########........########.......",
             "..#######........########........########.......",
             "..#######........########........########.......",
             "................................................",
             "................................................"})},
        {"width 3 dotted", 3, 1, 2, 3, 12, 3, Rows({
             "................................................",
             "................................................",
             "..#.#.#.#.#.#...................................",
             "..#.#.#.#.#.#...................................",
             "..#.#.#.#.#.#...................................",
             "................................................",
             "................................................"})},
        {"width 5 dashed: a thick line", 5, 3, 2, 3, 40, 3, Rows({
             "................................................",
             "############....############....###########.....",
             "############....############....###########.....",
             "############....############....###########.....",
             "############....############....###########.....",
             "############....############....###########.....",
             "................................................"})},
    };
    for (const Case& c : cases) {
        Open_White_Screen(48, 7);
        Set_World_Line_Width(c.width);
        Set_World_Line_Style(c.style);
        Draw_World_Line(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(Screen_Picture(0, 0, 47, 6), c.picture) << c.what;
    }
}

TEST_F(World_Drawing, SteepBrokenLineIsWidenedInX) {
    Set_World_Line_Width(3);
    Set_World_Line_Style(3);
    Draw_World_Line(20, 10, 22, 40);
    // Three strokes in the columns beside each other, their dashes in step: each row is either
    // three pixels wide or empty.
    for (int y = 10; y <= 40; ++y) {
        const int n = Count(0, y, 199, y, Black);
        EXPECT_TRUE(n == 0 || n == 3) << y;
    }
    EXPECT_EQ(Count(19, 10, 21, 10, Black), 3);
    EXPECT_EQ(Count(0, 18, 199, 25, Black), 0);   // the first gap of the dashes
    EXPECT_EQ(Get_World_Line_Style(), 3);
}

TEST_F(World_Drawing, DotsRectanglesAndCircles) {
    Set_World_Line_Width(2);
    Draw_World_Dot(10.6, 10.6);   // cut to (10, 10)
    EXPECT_EQ(Box(Black), "10,10-10,10");

    Set_World_Line_Width(4);   // a disc of radius 2 about (30, 10)
    Draw_World_Dot(30, 10);
    EXPECT_EQ(Screen_Picture(27, 7, 33, 13), Rows({".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..",
                                                   "......."}));

    Set_World_Line_Width(1);
    Open_White_Screen(200, 150);
    Draw_World_Centred_Rectangle(50, 40, 20, 10);
    EXPECT_EQ(Box(Black), "40,35-60,45");
    EXPECT_EQ(Count(41, 36, 59, 44, Black), 0);

    // A fill is a screen box between the mapped corners even when the transform turns.
    Open_White_Screen(200, 150);
    Set_World_Transform(-100, 50, 1.5707963267948966, 1, 1);
    Fill_World_Rectangle(10, 10, 20, 30);   // corners (-40, -110) and (-20, -120) on the screen...
    EXPECT_EQ(Box(Black), "-1,-1--1,-1");
    Set_World_Transform(0, 0, 1.5707963267948966, 1, 1);
    Fill_World_Rectangle(-10, 20, -30, 40);   // ...(20, 10) and (40, 30)
    EXPECT_EQ(Box(Black), "20,10-40,30");
    pxFgc(0x123456);
    Clear_World_Rectangle(-15, 25, -20, 30);
    EXPECT_EQ(Box(Face), "25,15-30,20");
    EXPECT_EQ(pxQFgc(), 0x123456);

    Open_White_Screen(200, 150);
    Set_World_Transform(0, 0, 0, 1, 1);
    pxFgc(Black);
    Draw_World_Circle(100, 50, 20);
    EXPECT_EQ(Box(Black), "80,30-120,70");
    EXPECT_EQ(Host_Pixel(100, 50), White);
    Fill_World_Circle(100, 50, 20);
    EXPECT_EQ(Box(Black), "80,30-120,70");
    EXPECT_EQ(Host_Pixel(100, 50), Black);
}

TEST_F(World_Drawing, PolygonsOutlineAndFill) {
    const double x[] = {10, 40, 40}, y[] = {10, 10, 30};
    Draw_World_Polygon(3, x, y);
    EXPECT_EQ(Box(Black), "10,10-40,30");
    EXPECT_EQ(Host_Pixel(25, 20), Black);    // the closing edge back to (10, 10)
    EXPECT_EQ(Host_Pixel(35, 15), White);    // inside
    Fill_World_Polygon(3, x, y);
    EXPECT_EQ(Host_Pixel(35, 15), Black);

    Open_White_Screen(200, 150);
    Draw_World_Polygon(0, x, y);
    Fill_World_Polygon(0, x, y);
    Draw_World_Polygon(3, nullptr, y);
    EXPECT_EQ(Box(Black), "-1,-1--1,-1");
}

TEST_F(World_Drawing, BandsWidenAcrossTheirSegment) {
    Fill_World_Band(10, 10, 30, 10, 4, nullptr);
    EXPECT_EQ(Box(Black), "10,8-30,12");
    EXPECT_EQ(Count(10, 14, 30, 14, Black), 0);

    Open_White_Screen(200, 150);
    Fill_World_Band(50, 10, 50, 30, 4, nullptr);   // vertical: widened in x
    EXPECT_EQ(Box(Black), "48,10-52,30");

    // Through a pattern of stripes; the fill is solid again afterwards.
    Open_White_Screen(200, 150);
    int stripes[16];
    for (int& row : stripes) row = 0x8888;
    Fill_World_Band(0, 20, 31, 20, 4, stripes);
    EXPECT_EQ(Screen_Picture(0, 20, 31, 20), "#...#...#...#...#...#...#...#...\n");
    pxRect(0, 40, 7, 40);
    EXPECT_EQ(Screen_Picture(0, 40, 7, 40), "########\n");
}

TEST_F(World_Drawing, FillPatternsOfTheKit) {
    struct Case {
        void (*set)();
        std::string picture;   // rows 0 to 3, columns 0 to 15
    };
    const Case cases[] = {
        {Set_Dot_Fill_Pattern, Rows({".#.#.#.#.#.#.#.#", "................", ".#.#.#.#.#.#.#.#", "................"})},
        {Set_Arc_Fill_Pattern, Rows({"....#......#....", ".....##..##.....", "#..#...##...#..#", ".##..........##."})},
        {Set_Stripe_Fill_Pattern, Rows({"...#...#...#...#", "...#...#...#...#", "...#...#...#...#", "...#...#...#...#"})},
    };
    for (const Case& c : cases) {
        Open_White_Screen(32, 32);
        c.set();
        pxRect(0, 0, 31, 31);
        EXPECT_EQ(Screen_Picture(0, 0, 15, 3), c.picture);
        EXPECT_EQ(Screen_Picture(16, 16, 31, 19), c.picture);   // repeated every 16 pixels
        pxSFA(0);
    }
}

TEST_F(World_Drawing, ArrowHeadsAreHeldToTheArrow) {
    // (0, 0) to (10, 0) with a head 20 long and 30 wide: the head is as long and as wide as the
    // arrow, so the barbs stand at (0, -5) and (0, 5); the screen origin is moved to (50, 50).
    Set_World_Transform(-50, -50, 0, 1, 1);
    Draw_World_Arrow(0, 0, 10, 0, 20, 30, 1);
    EXPECT_EQ(Box(Black), "50,45-60,55");
    EXPECT_EQ(Host_Pixel(55, 50), Black);   // filled
    EXPECT_EQ(Host_Pixel(52, 48), Black);
    EXPECT_EQ(Host_Pixel(54, 46), White);   // outside the triangle

    Open_White_Screen(200, 150);
    Draw_World_Arrow(0, 0, 10, 0, 20, 30, 0);   // barbs as lines to the tip
    EXPECT_EQ(Box(Black), "50,45-60,55");
    EXPECT_EQ(Host_Pixel(55, 50), Black);    // the shaft
    EXPECT_EQ(Host_Pixel(52, 48), White);   // between the barbs
    EXPECT_EQ(Host_Pixel(50, 45), Black);
    EXPECT_EQ(Host_Pixel(50, 55), Black);

    // A long arrow keeps its head: 4 long and 2 wide at the tip (100, 50).
    Open_White_Screen(200, 150);
    Set_World_Transform(0, 0, 0, 1, 1);
    Draw_World_Arrow(20, 50, 100, 50, 4, 2, 1);
    EXPECT_EQ(Box(Black), "20,49-100,51");
    EXPECT_EQ(Host_Pixel(96, 49), Black);
    EXPECT_EQ(Host_Pixel(95, 49), White);
}

TEST_F(World_Drawing, AxisCrossArrowsAndLabels) {
    Draw_World_Axis_Cross(50, 50, "x", "y", 40, 30, 0, 1);
    // Arrows to (90, 50) and (50, 80), heads 10 long and 8 wide; labels 6 off the axes in font 4096.
    EXPECT_EQ(Host_Pixel(90, 50), Black);
    EXPECT_EQ(Host_Pixel(50, 80), Black);
    EXPECT_EQ(Count(80, 40, 80, 60, Black), 9);   // the base of the head at x 80: y 46 to 54
    EXPECT_EQ(Count(40, 70, 60, 70, Black), 9);   // and at y 70: x 46 to 54
    EXPECT_EQ(Texts(), "56 80 4096 0,0,0 \"y\"\n"
                       "90 44 4096 0,0,0 \"x\"\n");
    EXPECT_EQ(Host_Current_Font(), 0);

    // At twice the scale the cross is half as long in world units: the same pixels.
    Open_White_Screen(200, 150);
    Set_World_Transform(0, 0, 0, 2, 2);
    Draw_World_Axis_Cross_Alt(25, 25, "x", "y", 7, 8, 40, 30, 0, 2);
    EXPECT_EQ(Host_Pixel(90, 50), Black);
    EXPECT_EQ(Host_Pixel(50, 80), Black);
    EXPECT_EQ(Host_Pixel(91, 50), White);
}

TEST_F(World_Drawing, DimensionLinesTicksAndTexts) {
    // Along x from (20, 50) to (120, 50), extension 20 pixels: the line overshoots 5 pixels, the ticks
    // reach 5 above and 20 below, text 1 is centred 10 below the line and text 2 stands beside it.
    Draw_World_Dimension(2, 20, 50, 120, 50, "12", "5", 20);
    EXPECT_EQ(Box(Black).substr(0, 6), "15,45-");
    EXPECT_EQ(Count(15, 50, 125, 50, Black), 111);
    EXPECT_EQ(Count(20, 45, 20, 70, Black), 26);
    EXPECT_EQ(Count(120, 45, 120, 70, Black), 26);
    EXPECT_EQ(Count(0, 44, 199, 44, Black), 0);
    // Text 1 at (70, 60); W = 2 · 12 · 0.7 + 1.2 + 8.4 · 0.7 = 23.88, so text 2 at (70 - 11.94, 70).
    EXPECT_EQ(Texts(), "70 60 0 0,0,0 \"12\" 12 3.1416\n"
                       "58 70 0 0,0,0 \"5\" 8.4 3.1416\n");

    // Mode 0 reads y1 and y2 as pixels: at scale 2, y 100 is world 50, and x 10..60 is 20..120.
    Open_White_Screen(200, 150);
    Host_Trace_To_Memory(true);
    Set_World_Transform(0, 0, 0, 2, 2);
    Draw_World_Dimension(0, 10, 100, 60, 100, "", nullptr, 20);
    EXPECT_EQ(Count(15, 100, 125, 100, Black), 111);
    EXPECT_EQ(Count(20, 95, 20, 110, Black), 16);   // o = 20 / 2 world units: 20 pixels
    EXPECT_EQ(Texts(), "");
    // Mode 1 reads x1 and x2 as pixels.
    Open_White_Screen(200, 150);
    Draw_World_Dimension(1, 20, 50, 120, 50, nullptr, nullptr, 20);
    EXPECT_EQ(Count(15, 100, 125, 100, Black), 111);

    // Along y the dimension turns: ticks run in x, the text follows the segment's direction.
    Open_White_Screen(200, 150);
    Host_Trace_To_Memory(true);
    Set_World_Transform(0, 0, 0, 1, 1);
    Draw_World_Dimension(2, 100, 20, 100, 120, "7", "", 10);
    EXPECT_EQ(Count(100, 15, 100, 125, Black), 111);
    EXPECT_EQ(Count(90, 20, 105, 20, Black), 16);
    EXPECT_EQ(Texts(), "90 70 0 0,0,0 \"7\" 12 1.5708\n");
}

TEST_F(World_Drawing, LengthDimensionTexts) {
    struct Case {
        double length;
        std::string texts;   // text 1 (height 12) and text 2 (8.4) as traced
    };
    const Case cases[] = {
        {0.455, "\"45\" 12|\"5\" 8.4|"},
        {0.458, "\"46\" 12|"},
        {0.5, "\"50\" 12|"},
        {2.508, "\"2.51\" 12|"},
        {2.503, "\"2.50\" 12|\"5\" 8.4|"},
        {1.0, "\"1.00\" 12|"},
        {12.3456, "\"12.34\" 12|\"5\" 8.4|"},   // 1234.6 cm: 34 and a half
        {12.348, "\"12.35\" 12|"},
        {0.004, ""},
    };
    for (const Case& c : cases) {
        Open_White_Screen(200, 150);
        Host_Trace_To_Memory(true);
        Set_World_Transform(0, 0, 0, 10, 10);
        Draw_World_Length_Dimension(2, 1, 5, 1 + c.length, 5, 10);
        std::istringstream in(Texts());
        std::string line, got;
        while (std::getline(in, line)) {
            const auto quote = line.find('"');
            got += line.substr(quote, line.rfind(' ') - quote) + "|";
        }
        EXPECT_EQ(got, c.texts) << c.length;
        if (c.texts.empty()) {
            EXPECT_EQ(Box(Black), "-1,-1--1,-1");
        }
    }
}

TEST_F(World_Drawing, WorldTexts) {
    Draw_World_Text(10.4, 20.5, "Ab", 0x1000, 1);
    Draw_World_Text_Plain(10, 40, "Ab", 0x1000);
    Draw_World_Text_Bold(10, 60, "Ab", 0x1002);
    Draw_World_Text_Right(100, 80, "AB", 0);          // 16 + 3 wide: starts 14 left of the point
    Draw_World_Text_Right(100, 100, "AB", 0x10000);   // bold: 16 + 5
    EXPECT_EQ(Texts(), "10 21 4096 0,0,0 \"Ab\"\n"
                       "11 21 4096 0,0,0 \"Ab\"\n"
                       "10 40 4096 0,0,0 \"Ab\"\n"
                       "10 60 4098 0,0,0 \"Ab\"\n"
                       "11 60 4098 0,0,0 \"Ab\"\n"
                       "86 80 0 0,0,0 \"AB\"\n"
                       "84 100 0 0,0,0 \"AB\"\n");
    EXPECT_EQ(Get_World_Text_Width_In_Font("AB", 0x1000), 15);
    EXPECT_EQ(Get_World_Text_Width_In_Font("AB", 0x11000), 17);
    EXPECT_EQ(Host_Current_Font(), 0);
}

TEST_F(World_Drawing, AnchoredTextCodes) {
    // The box (95, 45) to (105, 55) about the point (100, 50); "AB" is 16 x 13 with the baseline
    // 10 rows below its top.
    struct Case {
        int a, b;
        const char* place;   // the traced left end of the baseline
    };
    const Case cases[] = {
        {0, 1, "95 55"},   // 204: left end at the point, hanging below it
        {4, 4, "92 54"},   // 210: centred
        {7, 7, "90 55"},   // 225: right end at the point, standing on it
        {0, 0, "95 55"},   // 201: left end, standing on the point
        {4, 1, "92 55"},   // 212
    };
    for (const Case& c : cases) {
        Host_Trace_To_Memory(true);
        Draw_World_Text_Anchored(100, 50, "AB", 0, c.a, c.b);
        EXPECT_EQ(Texts(), std::string(c.place) + " 0 0,0,0 \"AB\"\n") << c.a << " " << c.b;
    }
}

TEST_F(World_Drawing, PointsThatCannotBeMappedDrawNothing) {
    const double inf = INFINITY, nan = std::nan("");
    Set_World_Line_Width(3);
    Draw_World_Line(nan, 10, 20, 10);
    Draw_World_Line(10, 10, inf, 10);
    Draw_World_Dot(nan, 1);
    Fill_World_Rectangle(0, 0, 10, nan);
    Fill_World_Band(0, 0, 10, 0, nan, nullptr);
    Draw_World_Arrow(0, 0, 10, nan, 5, 5, 1);
    Draw_World_Text(nan, 1, "x", 0, 1);
    Draw_World_Text_Anchored(1, inf, "x", 0, 4, 4);
    Draw_World_Axis_Cross(50, 50, "x", "y", 40, 30, 0, 0);   // a zero scale
    Set_World_Transform(0, 0, 0, 0, 0);                       // dimensions at a zero scale
    Draw_World_Dimension(2, 10, 10, 50, 10, "1", "2", 10);
    Draw_World_Dimension(0, 10, 10, 50, 10, "1", "2", 10);
    Draw_World_Length_Dimension(2, 10, 10, 50, 10, 10);
    EXPECT_EQ(Box(Black), "-1,-1--1,-1");
    EXPECT_EQ(Texts(), "");

    // Points far outside the int range are held at its ends: the line runs to the screen's edge.
    Set_World_Transform(0, 0, 0, 1, 1);
    Set_World_Line_Width(1);
    Draw_World_Line(10, 10, 1e300, 10);
    EXPECT_EQ(Box(Black), "10,10-639,10");
    double x = 1e300, y = -1e300;
    Transform_World_Point(&x, &y);
    EXPECT_EQ(x, 2147483647.0);
    EXPECT_EQ(y, -2147483648.0);
}

TEST(World_Bit_Set, OwnsItsBytesAndReplacesThem) {
    Reset_Block_Count();
    Bit_Set set;
    Init_Bit_Set(&set, 17, 4);
    ASSERT_NE(set.bits, nullptr);
    EXPECT_EQ(set.count, 17);
    EXPECT_EQ(set.value, 4);
    EXPECT_EQ(set.counter, 0);
    EXPECT_EQ(set.bits[0] | set.bits[1] | set.bits[2], 0);   // 3 bytes, all zero
    set.bits[2] = 0xFF;
    set.counter = 9;
    Init_Bit_Set(&set, 8, 1);   // the first bytes are given back
    EXPECT_EQ(Get_Block_Count(), 1);
    EXPECT_EQ(set.bits[0], 0);
    EXPECT_EQ(set.counter, 0);
    Init_Bit_Set(&set, -5, 2);
    EXPECT_EQ(set.bits, nullptr);
    EXPECT_EQ(Get_Block_Count(), 0);
    Init_Bit_Set(&set, 1, 0);
    Release_Bit_Set(&set);
    EXPECT_EQ(set.bits, nullptr);
    EXPECT_EQ(Get_Block_Count(), 0);
}

}  // namespace
