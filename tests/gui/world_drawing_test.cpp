// Immediate world drawing: the transform, lines and their widths, fills, arrows, dimensions, texts
// and the screen text helpers, checked by pixels and by the trace of the drawn texts.
#include "gui/world_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "platform/host/host_trace.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"
#include "platform/screen_picture.h"

namespace {

constexpr int White = 0xFFFFFF, Black = 0x000000, Face = 0xD4D0C8, Grey = 0x808080;

// A white 200 x 150 screen drawing in black, font 0, the default transform, width 1, style 0, and
// the drawn texts traced.
class World_Drawing : public testing::Test {
  protected:
    void SetUp() override {
        Open_White_Screen(200, 150);
        Init_RFont();
        Set_World_Transform(0, 0, 0, 1, 1);
        Set_World_Line_Width(1);
        Set_World_Line_Style(0);
        pxSLn(0);
        Host_Trace_To_Memory(true);
    }
    void TearDown() override {
        Host_Trace_To_Memory(false);
        Exit_Grafik_Mode();
    }
    // The drawn texts, one per line, without the word "text" and the frame number.
    static std::string Texts() {
        std::istringstream in(Host_Trace_Memory());
        std::string line, out;
        while (std::getline(in, line)) {
            if (line.rfind("text ", 0) != 0) continue;
            out += line.substr(line.find(' ', 5) + 1) + "\n";
        }
        return out;
    }
    static int Count(int x1, int y1, int x2, int y2, int colour) {
        int n = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) n += Host_Pixel(x, y) == colour;
        return n;
    }
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
    EXPECT_EQ(Box(Black), "9,10-199,23");
    Fill_Text_Span(10, 60, std::nan(""), Black);   // no characters: just the leading column
    EXPECT_EQ(Count(0, 50, 199, 63, Black), 14 * 2);
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

}  // namespace
