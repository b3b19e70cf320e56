// The host stand-in's drawing surface: size, colours, primitives, clip, buffering and saved
// rectangles, compared pixel for pixel.
#include "platform/host/screen_surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/screen_picture.h"

TEST(Screen_Size, DefaultAndVekScreen) {
    unsetenv("VEK_SCREEN");
    Init_Grafik_Mode();
    EXPECT_EQ(NPIXEL_X, 1024);
    EXPECT_EQ(NPIXEL_Y, 768);
    EXPECT_EQ(Host_Pixel(1023, 767), 0xD4D0C8);   // cleared to the host background
    EXPECT_EQ(Host_Pixel(1024, 0), -1);

    setenv("VEK_SCREEN", "800x600", 1);
    Init_Grafik_Mode();
    EXPECT_EQ(NPIXEL_X, 800);
    EXPECT_EQ(NPIXEL_Y, 600);
    EXPECT_EQ(Host_Pixel(799, 599), 0xD4D0C8);
    EXPECT_EQ(Host_Pixel(800, 599), -1);

    for (const char* bad : {"800", "10x10", "800x600x", "5000x600", "x600", "-800x600"}) {
        setenv("VEK_SCREEN", bad, 1);
        testing::internal::CaptureStderr();
        Init_Grafik_Mode();
        const std::string trace = testing::internal::GetCapturedStderr();
        EXPECT_EQ(NPIXEL_X, 1024) << bad;
        EXPECT_EQ(NPIXEL_Y, 768) << bad;
        EXPECT_NE(trace.find("VEK_SCREEN"), std::string::npos) << bad;
    }
    unsetenv("VEK_SCREEN");

    Exit_Grafik_Mode();
    EXPECT_EQ(Host_Pixel(0, 0), -1);
    pxRect(0, 0, 10, 10);   // outside graphics mode nothing happens
}

TEST(Screen_Colours, IndexIsThePackedRgb) {
    EXPECT_EQ(Nearest_RGB_Color(4, 2, 252), 0x0402FC);
    EXPECT_EQ(Nearest_Color_Index(255, 251, 240), 0xFFFBF0);
    EXPECT_EQ(Nearest_RGB_Color(300, -5, 128), 0xFF0080);
    EXPECT_EQ(WHITE_CI, 0xFFFFFF);
    EXPECT_EQ(BLACK_CI, 0x000000);
    int r = -1, g = -1, b = -1;
    pxQCR(0xB10000, &r, &g, &b);
    EXPECT_EQ(r, 177);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    pxQCR(-1, &r, &g, &b);
    EXPECT_EQ(r * 65536 + g * 256 + b, 212 * 65536 + 208 * 256 + 200);

    struct Host_Code {
        int code;
        int rgb;
    };
    const Host_Code codes[] = {
        {-1, 0xD4D0C8}, {-2, 0xFFFFFF}, {-3, 0x404040}, {-6, 0x000000},
        {-9, 0x808080}, {-15, 0x808080}, {-21, 0xECE9D8}, {-4, 0xD4D0C8},   // unknown: face
        {0x123456, 0x123456},
    };
    for (const Host_Code& c : codes) {
        EXPECT_EQ(GetVEKColor(c.code), c.rgb) << c.code;
        pxFgc(c.code);
        EXPECT_EQ(pxQFgc(), c.rgb) << c.code;
    }
}

TEST(Screen_Primitives, RectangleIncludesBothCornersInAnyOrder) {
    Open_White_Screen(8, 6);
    pxRect(2, 1, 5, 3);
    const std::string expected = Rows({
        "........",
        "..####..",
        "..####..",
        "..####..",
        "........",
        "........",
    });
    EXPECT_EQ(Screen_Picture(0, 0, 7, 5), expected);
    Open_White_Screen(8, 6);
    pxRect(5, 3, 2, 1);
    EXPECT_EQ(Screen_Picture(0, 0, 7, 5), expected);
    Open_White_Screen(8, 6);
    pxRect(3, 4, 3, 4);
    EXPECT_EQ(Host_Pixel(3, 4), 0);
}

TEST(Screen_Primitives, SolidDashedAndDottedLines) {
    Open_White_Screen(40, 8);
    pxLine(0, 0, 5, 3);   // one pixel per column, the row rounded from the exact line
    pxSLn(3);
    pxLine(0, 5, 39, 5);
    pxSULn(0xAAAAAAAA);
    pxLine(0, 6, 12, 6);
    pxLine(20, 6, 20, 6);
    pxSLn(0);
    pxLine(22, 6, 26, 6);
    EXPECT_EQ(Screen_Picture(0, 0, 39, 7), Rows({
                                               "#.......................................",
                                               ".##.....................................",
                                               "...##...................................",
                                               ".....#..................................",
                                               "........................................",
                                               "########........########........########",
                                               "#.#.#.#.#.#.#.......#.#####.............",
                                               "........................................",
                                           }));
}

TEST(Screen_Primitives, LineStylesByNumber) {
    // 1 dotted, 2 dash-dot, every other nonzero style dashed; each line starts its pattern afresh.
    struct Case {
        int style;
        const char* row;
    };
    const Case cases[] = {
        {0, "################################"},
        {1, "#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#."},
        {2, "####################.....##....."},
        {3, "########........########........"},
        {4, "########........########........"},
        {-1, "########........########........"},
        {99, "########........########........"},
    };
    for (const Case& c : cases) {
        Open_White_Screen(40, 4);
        pxSLn(c.style);
        pxLine(0, 1, 31, 1);
        pxLine(31, 2, 0, 2);   // right to left: the pattern starts at x 31
        EXPECT_EQ(Screen_Picture(0, 1, 31, 1), std::string(c.row) + "\n") << c.style;
        EXPECT_EQ(Screen_Picture(0, 2, 31, 2), std::string(std::string(c.row).rbegin(), std::string(c.row).rend()) + "\n")
            << c.style;
        pxSLn(0);
    }
}

TEST(Screen_Primitives, ThickLineIsASquareAlongThePath) {
    Open_White_Screen(10, 7);
    pxTkLn(2, 3, 7, 3, 3);
    pxTkLn(1, 0, 1, 0, 0);   // a width below 1 draws 1 px
    EXPECT_EQ(Screen_Picture(0, 0, 9, 6), Rows({
                                              ".#........",
                                              "..........",
                                              ".########.",
                                              ".########.",
                                              ".########.",
                                              "..........",
                                              "..........",
                                          }));
}

TEST(Screen_Primitives, EvenOddStar) {
    Open_White_Screen(21, 21);
    const int x[] = {10, 16, 0, 20, 4};
    const int y[] = {0, 19, 7, 7, 19};
    pxFill(5, x, y);
    // Row 10 crosses the edges at x 4, 6.84, 13.16 and 16: the spikes are filled, the inner
    // pentagon (covered twice) is not; the edges' own pixels (x 7 and 13) belong to the shape.
    struct Point {
        int x, y;
        bool filled;
    };
    const Point points[] = {
        {10, 10, false}, {10, 8, false}, {5, 10, true},  {15, 10, true}, {10, 3, true}, {3, 8, true},
        {17, 8, true},   {5, 17, true},  {15, 17, true}, {10, 17, false}, {0, 0, false}, {20, 20, false},
        {10, 0, true},   {16, 19, true}, {0, 7, true},   {20, 7, true},  {4, 19, true},   // the points
    };
    for (const Point& p : points) EXPECT_EQ(Host_Pixel(p.x, p.y) == 0, p.filled) << p.x << "," << p.y;
    EXPECT_EQ(Screen_Picture(0, 10, 20, 10), "....####.....####....\n");
}

TEST(Screen_Primitives, FilledRectangleAsPolygonHasItsEdges) {
    Open_White_Screen(6, 5);
    const int x[] = {1, 4, 4, 1};
    const int y[] = {1, 1, 3, 3};
    pxFill(4, x, y);
    pxTri(0, 4, 0, 4, 0, 4);
    EXPECT_EQ(Screen_Picture(0, 0, 5, 4), Rows({"......", ".####.", ".####.", ".####.", "#....."}));
    pxFill(0, x, y);
    pxFill(3, nullptr, y);
}

TEST(Screen_Primitives, CheckBoxMaskRows) {
    // The ticked check box beside a label at (X, Y) = (30, 20): 16-bit rows from the top over
    // X - 20 to X - 8 and Y - 10 to Y + 2, the first byte of a row holding its leftmost pixels.
    Open_White_Screen(40, 30);
    const unsigned char ticked[] = {0xFF, 0xF8, 0xFF, 0xF8, 0xC0, 0x18, 0xC0, 0x58, 0xC0, 0xD8, 0xD1, 0xD8, 0xDB,
                                    0x98, 0xDF, 0x18, 0xCE, 0x18, 0xC4, 0x18, 0xC0, 0x18, 0xFF, 0xF8, 0xFF, 0xF8};
    pxMask(10, 10, 22, 22, ticked, 2);
    EXPECT_EQ(Screen_Picture(9, 9, 23, 23), Rows({
                                                 "...............",
                                                ".#############.",
                                                ".#############.",
                                                ".##.........##.",
                                                ".##.......#.##.",
                                                ".##......##.##.",
                                                ".##.#...###.##.",
                                                ".##.##.###..##.",
                                                ".##.#####...##.",
                                                ".##..###....##.",
                                                ".##...#.....##.",
                                                ".##.........##.",
                                                ".#############.",
                                                ".#############.",
                                                "...............",
                                            }));
}

TEST(Screen_Primitives, MeasureLineEndDot) {
    // A white disc from the mask 70 F8 F8 F8 70 and a black circle of radius 2 around it.
    Open_White_Screen(9, 9);
    pxFgc(GetVEKColor(-1));
    pxRect(0, 0, 8, 8);
    const unsigned char disc[] = {0x70, 0xF8, 0xF8, 0xF8, 0x70};
    pxFgc(WHITE_CI);
    pxMask(2, 2, 6, 6, disc, 1);
    pxFgc(BLACK_CI);
    pxCrcl(4, 4, 2);
    EXPECT_EQ(Screen_Picture(1, 1, 7, 7, {{0x000000, '#'}, {0xFFFFFF, 'o'}}), Rows({
                                                                                 ".......",
                                                                                 "..###..",
                                                                                 ".#ooo#.",
                                                                                 ".#ooo#.",
                                                                                 ".#ooo#.",
                                                                                 "..###..",
                                                                                 ".......",
                                                                             }));
}

TEST(Screen_Primitives, ArcsCirclesDotsAndClear) {
    Open_White_Screen(20, 20);
    pxCrcl(10, 10, 0);
    EXPECT_EQ(Host_Pixel(10, 10), 0);
    pxCrcl(3, 3, -1);
    EXPECT_EQ(Host_Pixel(3, 3), 0xFFFFFF);
    pxDot(1, 1);
    EXPECT_EQ(Host_Pixel(1, 1), 0);
    // A quarter arc from 0 to 90 degrees runs from right of the centre to above it.
    Open_White_Screen(20, 20);
    pxArc(10, 10, 8, 0, 90, 0);
    EXPECT_EQ(Host_Pixel(18, 10), 0);
    EXPECT_EQ(Host_Pixel(10, 2), 0);
    EXPECT_EQ(Host_Pixel(2, 10), 0xFFFFFF);
    EXPECT_EQ(Host_Pixel(10, 18), 0xFFFFFF);
    pxArc(10, 10, 8, 180, 90, 1);   // the filled sector left and below
    EXPECT_EQ(Host_Pixel(7, 13), 0);
    EXPECT_EQ(Host_Pixel(13, 7), 0xFFFFFF);
    pxBgc(0x00FF00);
    pxView(0, 0, 4, 4);
    pxCls();
    EXPECT_EQ(Host_Pixel(4, 4), 0x00FF00);
    EXPECT_EQ(Host_Pixel(5, 5), 0xFFFFFF);
}

TEST(Screen_Primitives, FillPatternAndRasterOperation) {
    Open_White_Screen(32, 4);
    int rows[16];
    for (int& r : rows) r = 0xAAAA;   // every other column
    pxSUFA(rows);
    pxRect(0, 0, 3, 0);
    pxSFA(0);
    pxRect(0, 1, 3, 1);
    EXPECT_EQ(Screen_Picture(0, 0, 3, 1), Rows({"#.#.", "####"}));
    // Exclusive or inverts whatever the colour, and twice leaves the screen as it was.
    pxSBop(3);
    pxFgc(0x000001);
    pxLine(0, 3, 31, 3);
    EXPECT_EQ(Host_Pixel(5, 3), 0x000000);
    pxLine(0, 3, 31, 3);
    EXPECT_EQ(Host_Pixel(5, 3), 0xFFFFFF);
    pxSBop(0);
}

TEST(Screen_Clip, EveryPrimitiveStaysInsideTheClip) {
    Open_White_Screen(12, 12);
    pxView(8, 7, 3, 2);   // corners in any order
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(std::vector<int>({x1, y1, x2, y2}), std::vector<int>({3, 2, 8, 7}));
    pxRect(-100, -100, 100, 100);
    const std::string clipped = Rows({
        "............",
        "............",
        "...######...",
        "...######...",
        "...######...",
        "...######...",
        "...######...",
        "...######...",
        "............",
        "............",
        "............",
        "............",
    });
    EXPECT_EQ(Screen_Picture(0, 0, 11, 11), clipped);
    // Far-away coordinates, huge sizes and counts draw at most into the clip.
    pxFgc(0x000000);
    pxLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    pxTkLn(INT_MIN, 5, INT_MAX, 5, 100000);
    pxCrcl(0, 0, INT_MAX);
    pxArc(INT_MAX, INT_MIN, INT_MAX, 0, 360, 1);
    const int fx[] = {INT_MIN, INT_MAX, 0};
    const int fy[] = {INT_MIN, 0, INT_MAX};
    pxFill(3, fx, fy);
    const unsigned char wide[] = {0xFF, 0xFF};
    pxMask(INT_MAX - 1, 0, INT_MAX, 0, wide, 1);
    Save_Screen_Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    Restore_Screen_Rectangle();
    EXPECT_EQ(Screen_Picture(0, 0, 11, 11), clipped);

    // The whole screen again; a clip wholly off the screen draws nothing.
    pxView(0, 0, 11, 11);
    pxFgc(WHITE_CI);
    pxRect(0, 0, 11, 11);
    pxView(20, 20, 30, 30);
    pxFgc(BLACK_CI);
    pxRect(0, 0, 11, 11);
    pxLine(0, 0, 11, 11);
    std::string blank;
    for (int y = 0; y < 12; ++y) blank += "............\n";
    EXPECT_EQ(Screen_Picture(0, 0, 11, 11), blank);
}

TEST(Screen_Clip, LineThroughTheClipKeepsItsPixels) {
    // Clipping does not move the pixels of a line: those inside are the ones the whole line has.
    Open_White_Screen(20, 20);
    pxSULn(0xF0F0F0F0);
    pxLine(-30, -10, 49, 30);
    const std::string whole = Screen_Picture(0, 0, 19, 19);
    Open_White_Screen(20, 20);
    pxView(5, 0, 14, 19);
    pxSULn(0xF0F0F0F0);
    pxLine(-30, -10, 49, 30);
    pxView(0, 0, 19, 19);
    std::string inside = whole;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (x < 5 || x > 14) inside[y * 21 + x] = '.';
    EXPECT_EQ(Screen_Picture(0, 0, 19, 19), inside);
    EXPECT_NE(inside.find('#'), std::string::npos);
}

TEST(Screen_Saved_Rectangles, RestoreInReverseOrder) {
    Open_White_Screen(10, 4);
    pxRect(0, 0, 3, 3);
    Save_Screen_Rectangle(2, 0, 6, 3);
    pxFgc(0xFF0000);
    pxRect(2, 0, 6, 3);
    Save_Screen_Rectangle(-5, 1, 4, 2);   // partly off the screen
    pxFgc(0x0000FF);
    pxRect(0, 0, 9, 3);
    Restore_Screen_Rectangle();
    EXPECT_EQ(Screen_Picture(0, 0, 9, 3, {{0, '#'}, {0xFF0000, 'r'}, {0x0000FF, 'b'}}), Rows({
                                                                                           "bbbbbbbbbb",
                                                                                           "##rrrbbbbb",
                                                                                           "##rrrbbbbb",
                                                                                           "bbbbbbbbbb",
                                                                                       }));
    pxRect(0, 0, 9, 3);
    Restore_Screen_Rectangle();
    EXPECT_EQ(Screen_Picture(0, 0, 9, 3, {{0, '#'}, {0x0000FF, 'b'}}), Rows({
                                                                         "bb##...bbb",
                                                                         "bb##...bbb",
                                                                         "bb##...bbb",
                                                                         "bb##...bbb",
                                                                     }));
    Restore_Screen_Rectangle();   // nothing left: nothing happens
    EXPECT_EQ(Host_Pixel(0, 0), 0x0000FF);
}

TEST(Screen_Saved_Rectangles, CallerBufferRoundTrip) {
    Open_White_Screen(6, 6);
    pxRect(1, 1, 2, 2);
    const int bytes = pxQSvR(-2, -2, 3, 3);
    EXPECT_EQ(bytes, 16 + 4 * 4 * 4);   // the part on the screen, 4 x 4 pixels
    std::vector<unsigned char> buffer(static_cast<std::size_t>(bytes));
    pxSvRc(-2, -2, 3, 3, buffer.data());
    pxRect(0, 0, 5, 5);
    pxStRc(buffer.data());
    EXPECT_EQ(Screen_Picture(0, 0, 5, 5), Rows({"....##", ".##.##", ".##.##", "....##", "######", "######"}));
}

TEST(Screen_Buffer, ShowsAtFlushAndRestoresTheMode) {
    Open_White_Screen(4, 4);
    EXPECT_EQ(pxBuff(-1), 0);
    pxRect(0, 0, 1, 1);
    EXPECT_EQ(Host_Pixel(0, 0), 0);
    EXPECT_EQ(Host_Shown_Pixel(0, 0), 0xFFFFFF);   // drawn into the buffer, not yet shown
    pxFlsh();
    EXPECT_EQ(Host_Shown_Pixel(0, 0), 0);
    pxRect(2, 2, 3, 3);
    EXPECT_EQ(Host_Shown_Pixel(2, 2), 0xFFFFFF);
    EXPECT_EQ(pxBuff(0), 1);   // back to direct drawing shows everything
    EXPECT_EQ(Host_Shown_Pixel(2, 2), 0);
    pxFgc(0xFF0000);
    pxDot(3, 0);
    EXPECT_EQ(Host_Shown_Pixel(3, 0), 0xFF0000);
}
