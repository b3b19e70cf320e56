// The host stand-in's screen faces: metrics, the font stack, glyphs at their baseline, the sign
// map and anchored texts.
#include "platform/host/screen_fonts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/cp437.h"
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
    // 209 centres vertically at the left edge: box rows 30 to 50 leave 8 free rows, 4 above.
    EXPECT_EQ(Drawn([] { pxBTxt(10, 30, 100, 50, "AB", 2, 209); }), Drawn([] { pxText(10, 44, "AB", 2); }));
    // 4 + 24: right and bottom edges; the 224 of the world-coordinate kit is the same code.
    EXPECT_EQ(Drawn([] { pxBTxt(10, 30, 100, 50, "AB", 2, 28); }), Drawn([] { pxText(85, 48, "AB", 2); }));
    EXPECT_EQ(Drawn([] { pxBTxt(10, 30, 100, 50, "AB", 2, 228); }), Drawn([] { pxText(85, 48, "AB", 2); }));
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
    // At the start values (height 13, expansion 1, no spacing, no turn) a graphic text anchored at
    // its baseline's left end (200 + 16 + 1) is the 8x13 text of pxText.
    EXPECT_EQ(Drawn([] { pxGBTt(10, 30, "Hx", 2, 217); }), Drawn([] { pxText(10, 30, "Hx", 2); }));
    const int pixels = Black_Pixels();

    // Twice the height doubles every glyph pixel in both directions.
    Open_White_Screen(80, 60);
    pxChH(26);
    pxGBTt(10, 40, "Hx", 2, 217);
    EXPECT_EQ(Black_Pixels(), 4 * pixels);

    // Height 26 (2 px a glyph row), half width (8 px a glyph) and 0.1 of the height between the
    // characters (2.6 px): three characters span 31.8 px; the box reaches 20 px above the baseline
    // and 6 below.
    pxExpF(0.5);
    pxSpac(0.1);
    pxOrnt(0, 0);
    Text_Extent e{};
    pxQGTX("abc", 3, 10, 40, &e);
    EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}), std::vector<int>({10, 20, 42, 46}));
    // Turned a quarter counter-clockwise the text runs upwards from the baseline's start.
    pxOrnt(1.5707963267948966, 0);
    pxQGTX("abc", 3, 10, 40, &e);
    EXPECT_EQ(std::vector<int>({e.left, e.top, e.right, e.bottom}), std::vector<int>({-10, 8, 16, 40}));
}
