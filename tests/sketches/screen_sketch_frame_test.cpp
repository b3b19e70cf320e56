// The frame shared by the screen sketches: the input-error display, the fit of a drawing into its
// box with Sketch_Height, and the fillet-weld triangle and holed plate in section.
#include <gtest/gtest.h>

#include "platform/host/screen_fonts.h"
#include "sketches/screen_sketch_fixture.h"
#include "sketches/screen_sketch_frame.h"

namespace {

constexpr int Grey = 0xE0E0E0, Blue = 0x0000FF, Sheet_Background = 0xECE9D8;

class Sketch_Frame : public Screen_Sketch_Test {};

TEST_F(Sketch_Frame, InputErrorShowsTwoRedLinesWithoutBackground) {
    Sketch_Height = 0;
    Show_Sketch_Input_Error(100, 40);
    EXPECT_EQ(Texts(), "130 70 4097 255,0,0 \"Fehler in den Eingabedaten\"\n"
                       "130 90 4097 255,0,0 \"siehe Druckliste\"\n");
    EXPECT_EQ(Sketch_Height, 60);
    EXPECT_EQ(pxQFgc(), Black_Pixel);
    EXPECT_EQ(Host_Current_Font(), 4097);
    EXPECT_EQ(Count_Pixels(100, 40, 400, 100, Sheet_Background), 0);
}

TEST_F(Sketch_Frame, FitShrinksTheBoxOnTheSideWithRoomToSpare) {
    const Sketch_Margins tens{10, 10, 10, 10};
    const struct {
        const char* name;
        double W, H;
        Sketch_Margins margins;
        bool centred;
        double s;
        int x1, y1, x2, y2;
    } cases[] = {
        // 300 by 20 mm in 442 by 200: 422/300 px/mm, the bottom moves up to 40 + trunc(28.1).
        {"wide", 300, 20, tens, false, 422.0 / 300, 0, 0, 442, 48},
        // The bolted M20 joint: 180 by 81.5 mm, the height decides; centred, 12 px to the right.
        {"centred", 180, 81.5, tens, true, 180 / 81.5, 12, 0, 12 + 20 + 397, 200},
        {"not centred", 180, 81.5, tens, false, 180 / 81.5, 0, 0, 20 + 397, 200},
        // Uneven margins (T-stub in tension): 417 by 175 px of room for 216.7 by 54 mm.
        {"margins", 216.67, 54, {15, 10, 10, 15}, false, 417 / 216.67, 0, 0, 442, 25 + 103},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Sketch_Fit fit = Fit_Sketch(0, 0, 442, 200, c.W, c.H, c.margins, c.centred);
        EXPECT_DOUBLE_EQ(fit.s, c.s);
        EXPECT_EQ(fit.x1, c.x1);
        EXPECT_EQ(fit.y1, c.y1);
        EXPECT_EQ(fit.x2, c.x2);
        EXPECT_EQ(fit.y2, c.y2);
    }
}

TEST_F(Sketch_Frame, OpeningTheFrameSetsTheHeightAndClearsTheFittedBox) {
    Sketch_Height = 0;
    Open_Sketch_Frame(Fit_Sketch(20, 30, 462, 230, 300, 20, {10, 10, 10, 10}, false));
    EXPECT_EQ(Sketch_Height, 48);
    EXPECT_EQ(Count_Pixels(20, 30, 462, 78, Sheet_Background), 443 * 49);
    EXPECT_TRUE(Untouched(20, 79, 462, 230));
}

TEST_F(Sketch_Frame, WeldTriangleLegsMergeWithTheFill) {
    pxFgc(Blue);
    Draw_Weld_Triangle(100, 100, 20, 1, Grey);   // legs up and left
    Draw_Weld_Triangle(200, 100, 20, 0, Grey);   // legs right and up
    EXPECT_EQ(pxQFgc(), Blue);
    EXPECT_EQ(Host_Pixel(100, 85), Grey);
    EXPECT_EQ(Host_Pixel(85, 100), Grey);
    EXPECT_EQ(Host_Pixel(90, 90), Black_Pixel);
    EXPECT_EQ(Host_Pixel(101, 95), White_Pixel);
    EXPECT_EQ(Host_Pixel(200, 85), Grey);
    EXPECT_EQ(Host_Pixel(215, 100), Grey);
    EXPECT_EQ(Host_Pixel(210, 90), Black_Pixel);
    EXPECT_EQ(Host_Pixel(199, 95), White_Pixel);
}

TEST_F(Sketch_Frame, HoledPlateSection) {
    pxFgc(Blue);
    Draw_Holed_Plate_Section(100, 50, 0, 0, 30, 40, Grey);
    Draw_Holed_Plate_Section(100, 50, 10, -3, 30, 40, Grey);
    EXPECT_TRUE(Untouched(60, 40, 150, 60));
    EXPECT_EQ(pxQFgc(), Blue);
    // Hole 11 px wide: its half 5.5 px cut toward zero on each side, pieces 70..94 and 105..140.
    Draw_Holed_Plate_Section(100, 50, 11, 8, 30, 40, Grey);
    EXPECT_EQ(Screen_Picture(68, 52, 142, 52, {{Grey, 'g'}, {Black_Pixel, '#'}}),
              "..#" + std::string(23, 'g') + "#" + std::string(10, '.') + "#" + std::string(34, 'g') + "#..\n");
    EXPECT_EQ(Count_Pixels(70, 50, 140, 50, Black_Pixel), 25 + 36);
    EXPECT_EQ(pxQFgc(), Blue);
}

}  // namespace
