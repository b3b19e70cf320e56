// The host stand-in's screen faces: metrics, the font stack, glyphs at their baseline, the sign
// map and anchored texts.
#include "platform/host/screen_fonts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_surface.h"
#include "platform/screen_picture.h"

namespace {

// The picture of a fresh 120 x 80 screen after the drawing, in font 0.
std::string Drawn(const std::function<void()>& draw) {
    Open_White_Screen(120, 80);
    Init_RFont();
    draw();
    return Screen_Picture(0, 0, 119, 79);
}

int Black_Pixels() {
    int n = 0;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) n += Host_Pixel(x, y) == 0;
    return n;
}

}  // namespace

TEST(Screen_Fonts, MetricsOfEveryFace) {
    struct Case {
        int font;
        int width, height;
        Text_Extent abc;   // "abc" measured at (10, 20)
    };
    const Case cases[] = {
        {0, 8, 13, {10, 10, 34, 23}},
        {0x1001, 8, 13, {10, 10, 34, 23}},
        {0x1000, 6, 13, {10, 10, 28, 23}},
        {0x1003, 6, 13, {10, 10, 28, 23}},
        {0x1002, 5, 8, {10, 14, 25, 22}},
        {0x11000, 6, 13, {10, 10, 28, 23}},   // style bits removed: 0x1000
        {0x41003, 6, 13, {10, 10, 28, 23}},
        {0x31001, 8, 13, {10, 10, 34, 23}},
        {7, 8, 13, {10, 10, 34, 23}},         // an unknown code draws in the 8 x 13 face
    };
    Init_RFont();
    for (const Case& c : cases) {
        Set_RFont(c.font);
        EXPECT_EQ(RFONT_WIDTH, c.width) << c.font;
        EXPECT_EQ(RFONT_HEIGHT, c.height) << c.font;
        EXPECT_EQ(RFONT_SPACE, 0) << c.font;
        Text_Extent e{};
        pxQTxX("abcdef", 3, 10, 20, &e);
        EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}),
                  std::vector<int>({c.abc.left, c.abc.top, c.abc.right, c.abc.bottom}))
            << c.font;
    }
    // The count stops at the end of the text; no text measures 0.
    Init_RFont();
    Text_Extent e{};
    pxQTxX("ab", 10, 0, 0, &e);
    EXPECT_EQ(e.right - e.left, 16);
    pxQTxX(nullptr, 5, 0, 0, &e);
    EXPECT_EQ(e.right - e.left, 0);
    pxQTxX("ab", -1, 0, 0, &e);
    EXPECT_EQ(e.right - e.left, 0);
}

TEST(Screen_Fonts, PopStaysUntilPushAndSetSwitchesUnpaired) {
    Init_RFont();
    EXPECT_EQ(Host_Current_Font(), 0);
    Pop_RFont(0x11002);
    EXPECT_EQ(Host_Current_Font(), 0x1002);
    EXPECT_EQ(RFONT_HEIGHT, 8);
    Set_RFont(0x1000);   // unpaired: the stack is untouched
    Pop_RFont(0x1001);
    pxSFnt(0x1003);
    EXPECT_EQ(Host_Current_Font(), 0x1003);
    Push_RFont();
    EXPECT_EQ(Host_Current_Font(), 0x1000);
    EXPECT_EQ(RFONT_WIDTH, 6);
    Push_RFont();
    EXPECT_EQ(Host_Current_Font(), 0);
    EXPECT_EQ(RFONT_WIDTH, 8);
    Push_RFont();   // an unmatched Push changes nothing
    EXPECT_EQ(Host_Current_Font(), 0);
}

TEST(Screen_Fonts, TextStandsOnItsBaselineWithTheFaceGlyphs) {
    // The glyph rows of the misc-fixed 8x13 face (the BDF rows of U+00C4 Ä, U+00DF ß, U+03B1 α and
    // U+2264 ≤), one glyph per 8 columns: the letters stand on baseline row 20, the cell reaching
    // from row 10 to row 22.
    Open_White_Screen(44, 26);
    Init_RFont();
    pxText(4, 20, "Äßα≤"_cp, 4);
    EXPECT_EQ(Screen_Picture(4, 10, 35, 22), Rows({
                                                 "........" "........" "........" "........",
                                                 "..#..#.." "........" "........" "........",
                                                 "..#..#.." "..###..." "........" "........",
                                                 "........" ".#...#.." "........" "........",
                                                 "...##..." ".#...#.." "........" "....###.",
                                                 "..#..#.." ".#..#..." "..###.#." "..##....",
                                                 ".#....#." ".#.#...." ".#...##." "##......",
                                                 ".#....#." ".#..##.." ".#....#." "..##....",
                                                 ".######." ".#....#." ".#...##." "....###.",
                                                 ".#....#." ".#....#." ".#..#.#." "........",
                                                 ".#....#." ".#.###.." "..##..#." "#######.",
                                                 "........" "........" "........" "........",
                                                 "........" "........" "........" "........",
                                             }));
    std::string above;   // nothing above the cell
    for (int y = 0; y < 10; ++y) above += std::string(44, '.') + "\n";
    EXPECT_EQ(Screen_Picture(0, 0, 43, 9), above);
}

TEST(Screen_Fonts, SignMapPositionsDrawTheirSigns) {
    // 0xBA is the formulas' α: it draws the glyph of CP437's own α (0xE0). 0x86 draws ∥.
    Open_White_Screen(40, 20);
    Init_RFont();
    pxText(0, 12, "\xBA", 1);
    pxText(16, 12, "\xE0", 1);
    EXPECT_EQ(Screen_Picture(0, 2, 7, 14), Screen_Picture(16, 2, 23, 14));
    pxText(30, 12, "\x86", 1);
    EXPECT_EQ(Screen_Picture(30, 2, 37, 14), Rows({
                                                  "........",
                                                  "........",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "..#.#...",
                                                  "........",
                                                  "........",
                                              }));
}

TEST(Screen_Fonts, AnchoredTexts) {
    // 0x11: the baseline on y2 at the left, as pxText.
    EXPECT_EQ(Drawn([] { pxBTxt(30, 40, 30, 40, "AB", 2, 0x11); }), Drawn([] { pxText(30, 40, "AB", 2); }));
    // 210 centres the 16 x 13 block on the point: cell from (22, 34), baseline row 44.
    EXPECT_EQ(Drawn([] { pxBTxt(30, 40, 30, 40, "AB", 2, 210); }), Drawn([] { pxText(22, 44, "AB", 2); }));
    // Below 200, 4 + 24: right and bottom edges.
    EXPECT_EQ(Drawn([] { pxBTxt(10, 30, 100, 50, "AB", 2, 28); }), Drawn([] { pxText(85, 48, "AB", 2); }));
    // From 200 on the print list's 200 + H + V in the box 10..100 x 30..50 (91 x 21 pixels, the text
    // 16 x 13): H 0 left at 10, 8 centred at 10 + 37, 24 right at 85; V 1 baseline on row 50, 2
    // centred (4 free rows above, baseline 34 + 10), 4 hanging from row 30 (baseline 40).
    struct Case {
        int code;
        int x, y;
    };
    const Case cases[] = {
        {201, 10, 50}, {202, 10, 44}, {204, 10, 40}, {209, 47, 50}, {210, 47, 44},
        {212, 47, 40}, {225, 85, 50}, {226, 85, 44}, {228, 85, 40},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Drawn([&] { pxBTxt(10, 30, 100, 50, "AB", 2, c.code); }), Drawn([&] { pxText(c.x, c.y, "AB", 2); }))
            << c.code;
}

TEST(Screen_Fonts, TurnedTexts) {
    // "L" of the 5x8 face (rows 00 80 80 80 80 80 F0 00) turned by the direction bits, its block's
    // top left corner placed at (1, 1).
    struct Case {
        int direction;
        std::string picture;
    };
    const Case cases[] = {
        {0, Rows({"..........", "..........", ".#........", ".#........", ".#........", ".#........", ".#........",
                  ".####.....", "..........", ".........."})},
        {256, Rows({"..........", "..........", ".......#..", ".......#..", ".......#..", "..######..", "..........",
                    "..........", "..........", ".........."})},   // reads upwards
        {512, Rows({"..........", "..........", "..####....", ".....#....", ".....#....", ".....#....", ".....#....",
                    ".....#....", "..........", ".........."})},   // upside down
        {1024, Rows({"..........", "..######..", "..#.......", "..#.......", "..#.......", "..........", "..........",
                     "..........", "..........", ".........."})},   // reads downwards
    };
    for (const Case& c : cases) {
        Open_White_Screen(12, 12);
        Pop_RFont(0x1002);
        pxBTxt(1, 1, 1, 1, "L", 1, c.direction | 0x01);
        Push_RFont();
        EXPECT_EQ(Screen_Picture(0, 0, 9, 9), c.picture) << c.direction;
    }
}

TEST(Screen_Fonts, GraphicTextsScaleTurnAndMeasure) {
    // Height 13 with the cells 8/13 of it wide, no spacing and no turn: a graphic text anchored at its
    // baseline's left end (200 + 16 + 1) is the 8x13 text of pxText.
    const auto unscaled = [] {
        pxExpF(8.0 / 13);
        pxGBTt(10, 30, "Hx", 2, 217);
    };
    EXPECT_EQ(Drawn(unscaled), Drawn([] { pxText(10, 30, "Hx", 2); }));
    const int pixels = Black_Pixels();

    // Twice the height doubles every glyph pixel in both directions.
    Open_White_Screen(80, 60);
    pxChH(26);
    pxGBTt(10, 40, "Hx", 2, 217);
    EXPECT_EQ(Black_Pixels(), 4 * pixels);

    // Height 26 (2 px a glyph row), cells 0.5 of the height wide (13 px) and 0.1 of the height
    // between them (2.6 px): three characters span 3 · 13 + 2 · 2.6 = 44.2 px; the box reaches 20 px
    // above the baseline and 6 below.
    pxExpF(0.5);
    pxSpac(0.1);
    Text_Extent e{};
    pxQGTX("abc", 3, 10, 40, &e);
    EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}), std::vector<int>({10, 20, 55, 46}));
    // pxOrnt(pi) writes along the screen direction (cos 0, sin 0): to the right, as at the start.
    pxOrnt(3.141592653589793, 0);
    pxQGTX("abc", 3, 10, 40, &e);
    EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}), std::vector<int>({10, 20, 55, 46}));
    // pxOrnt(0) turns the baseline to (cos pi, sin pi): the text runs to the left, upside down.
    pxOrnt(0, 0);
    pxQGTX("abc", 3, 10, 40, &e);
    EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}), std::vector<int>({-35, 34, 10, 60}));
    // pxOrnt(pi/2) turns it to (0, 1): downwards on the screen, the letters' tops to the right.
    pxOrnt(1.5707963267948966, 0);
    pxQGTX("abc", 3, 10, 40, &e);
    EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}), std::vector<int>({4, 40, 30, 85}));
    // pxOrnt(pi - a) follows a segment of direction a = -pi/2 (upwards on the screen).
    pxOrnt(3.141592653589793 + 1.5707963267948966, 0);
    pxQGTX("abc", 3, 10, 40, &e);
    EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}), std::vector<int>({-10, -5, 16, 40}));
}

TEST(Screen_Fonts, GraphicTextsAreTracedWithHeightAndAngle) {
    Open_White_Screen(80, 60);
    Init_RFont();
    Host_Trace_To_Memory(true);
    pxChH(8.4);
    pxOrnt(3.141592653589793, 0);
    pxGBTt(40, 30, "5", 1, 210);
    pxText(5, 20, "ab", 2);
    EXPECT_EQ(Host_Trace_Memory(), "text 0 40 30 0 0,0,0 \"5\" 8.4 3.1416\ntext 0 5 20 0 0,0,0 \"ab\"\n");
    Host_Trace_To_Memory(false);
}
