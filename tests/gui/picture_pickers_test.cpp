// Picture pickers, the visual-check button and the zoom, driven by headless scripts. Font 0 is 8 px a
// character and 13 px high, so a heading of k characters is 8k px wide.
#include "gui/picture_pickers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/bitmap_fixtures.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host/screen_raster.h"
#include "platform/host_demo_sheet.h"

namespace {

const char* const Three[] = {"eins", "zwei", "drei"};

void Open_Screen() {
    Host_Open_Screen(640, 480);
    Init_Prop_Sheets();
}

// A strip of three 41-px cells, 37 px high: cell j red, green or blue from its x 4 to 12, the rest
// the transparent light grey.
std::string Strip_File() {
    std::vector<std::vector<std::uint32_t>> rows(37, std::vector<std::uint32_t>(124, 0xC0C0C0));
    const std::uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (auto& row : rows)
        for (int j = 0; j < 3; ++j)
            for (int x = 4; x <= 12; ++x) row[static_cast<std::size_t>(41 * j + x)] = colours[j];
    const std::string path = ::testing::TempDir() + "picker_strip.bmp";
    std::ofstream(path, std::ios::binary) << Bmp(24, rows);
    return path;
}

}  // namespace

// The row form keeps its remembered cursor for the process, so its calls run in order in one test.
TEST(PicturePicker, RowPicksAButtonRemembersTheCursorAndAnswersOutsideWith99) {
    // n 3, w = h = 36, heading "Wahl" (32 px): W = 3 * 36 + 10 + 16 = 134, H = 13 + 20 + 36 = 69.
    // Button j at (107 + 41 (j - 1), 125) to + 35; the first cursor on button 1's centre (126, 143).
    const std::string strip = Strip_File();
    int picks[4] = {};
    const Headless_Run_Result run = Run_Headless(
        "down\nup\n"              // where the mouse was put: button 1
        "click 160 140\n"         // button 2, left there
        "down\nup\n"              // the next pick at another place: the mouse on button 2 again
        "click 10 10\n",          // outside the sheet
        [&] {
            Open_Screen();
            picks[0] = Run_Picture_Picker_Row(20, 20, 100, 100, "Wahl", 36, 36, 3, Three, strip.c_str());
            picks[1] = Run_Picture_Picker_Row(20, 20, 100, 100, "Wahl", 36, 36, 3, Three, strip.c_str());
            picks[2] = Run_Picture_Picker_Row(20, 20, 300, 200, "Wahl", 36, 36, 3, Three, strip.c_str());
            picks[3] = Run_Picture_Picker_Row(20, 20, 300, 200, "Wahl", 36, 36, 3, Three, strip.c_str());
            return 0;
        });
    EXPECT_EQ(picks[0], 1);
    EXPECT_EQ(picks[1], 2);
    EXPECT_EQ(picks[2], 2);
    EXPECT_EQ(picks[3], 99);   // the mouse left outside stays remembered there: outside again
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet"}),
              "sheet define 1 100,100,234,169 \"\"\n"
              "sheet 1 code 1\n"
              "sheet undefine 1\n"
              "sheet define 1 100,100,234,169 \"\"\n"
              "sheet 1 code 2\n"
              "sheet undefine 1\n"
              "sheet define 1 300,200,434,269 \"\"\n"
              "sheet 1 code 2\n"
              "sheet undefine 1\n"
              "sheet define 1 300,200,434,269 \"\"\n"
              "sheet 1 code 99\n"
              "sheet undefine 1\n");
    // The heading centred, (134 - 32) / 2 = 51, and once more 1 px to the left.
    EXPECT_NE(run.trace.find(" 151 119 0 0,0,0 \"Wahl\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 150 119 0 0,0,0 \"Wahl\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find("\"zwei\"\n"), std::string::npos);   // the tooltips
}

namespace {
std::vector<int> sampled;
// Samples, while the picker waits: the red cell of button 1, the green cell of button 2, the grey
// gap at the left of the strip.
void Sample_Strip() {
    if (sampled.empty()) sampled = {Host_Pixel(135, 140), Host_Pixel(176, 140), Host_Pixel(129, 140)};
}
}  // namespace

TEST(PicturePicker, ButtonsShowTheirCellOfTheStripAndAWideHeadingCentresThem) {
    // Heading of 20 characters (160 px): W = 176, buttons from offset (176 - 118) / 2 - 1 = 28, so
    // button j at x 128 + 41 (j - 1); the strip from x 129, y 126, at its own size (124 x 37 px).
    const std::string strip = Strip_File();
    int pick = 0;
    sampled.clear();
    const Headless_Run_Result run = Run_Headless("wait 150\nclick 140 140\n", [&] {
        Open_Screen();
        Set_CallSometimesFunc_to_PS(Sample_Strip);
        pick = Run_Picture_Picker_Row(0, 0, 100, 100, "Eine breite Auswahl:", 36, 36, 3, Three, strip.c_str());
        Set_CallSometimesFunc_to_PS(nullptr);
        return 0;
    });
    EXPECT_EQ(pick, 1);
    EXPECT_NE(run.trace.find("sheet define 1 100,100,276,169 \"\"\n"), std::string::npos) << run.trace;
    ASSERT_EQ(sampled.size(), 3u);
    EXPECT_EQ(sampled[0], 0xFF0000);
    EXPECT_EQ(sampled[1], 0x00FF00);
    EXPECT_NE(sampled[2], 0xC0C0C0);   // transparent: the sheet shows through
}

TEST(PicturePicker, ColumnLabelsItsButtonsAndPicksTheThird) {
    // n 3, w 36, h 20, comments of 32 px: W = max(52, 48, 36 + 21 + 32) = 89,
    // H = 13 + 12 + 60 + 10 + 8 = 103. Button j at (145, 125 + 25 (j - 1)), its label at x 108 on
    // the baseline 142 + 25 (j - 1).
    const std::string strip = Strip_File();
    int pick = 0;
    const Headless_Run_Result run = Run_Headless("click 150 180\n", [&] {
        Open_Screen();
        pick = Run_Picture_Picker_Column(20, 20, 100, 100, "Form", 36, 20, 3, Three, strip.c_str());
        return 0;
    });
    EXPECT_EQ(pick, 3);
    EXPECT_NE(run.trace.find("sheet define 1 100,100,189,203 \"\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 108 119 0 0,0,0 \"Form\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 109 119 0 0,0,0 \"Form\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 108 142 0 0,0,0 \"eins\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 108 192 0 0,0,0 \"drei\"\n"), std::string::npos) << run.trace;
}

TEST(PicturePicker, NothingToPickOpensNoSheet) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_Screen();
        EXPECT_EQ(Run_Picture_Picker_Row(0, 0, 10, 10, "x", 36, 36, 0, nullptr, "none.bmp"), -1);
        EXPECT_EQ(Run_Picture_Picker_Column(0, 0, 10, 10, "x", 0, 36, 2, nullptr, "none.bmp"), -1);
        EXPECT_EQ(Run_Picture_Picker_Row(0, 0, 10, 10, "x", 36, 36, 100000000, nullptr, "none.bmp"), -1);
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet"}), "");
}

TEST(VisualCheckButton, ThirtyFiveByTwentyWithItsTooltip) {
    int codes[2] = {};
    const Headless_Run_Result run = Run_Headless("click 85 60\nclick 84 69\nclick 300 250\n", [&] {
        Open_Screen();
        Define_Prop_Sheet(0, 0, 399, 299, 1, 0, "Test", 0, 1);
        Add_Visual_Check_Button(50, 50, 7);
        Add_Single_Button_to_PS(300, 240, 1, 3, nullptr, SYMBOLIC_BREAK_RASTER, nullptr);
        Activate_Prop_Sheet();
        codes[0] = Edit_Prop_Sheet();   // 85, 60 lies right of it: the next click counts
        codes[1] = Edit_Prop_Sheet();
        return 0;
    });
    EXPECT_EQ(codes[0], 7);
    EXPECT_EQ(codes[1], 3);
    EXPECT_NE(run.trace.find("\"optische Kontrolle\"\n"), std::string::npos) << run.trace;
}

TEST(RectangleZoom, SevenFramesOfTenMillisecondsLeaveTheScreenAsItWas) {
    std::vector<std::uint32_t> before, after;
    long long took = 0;
    int colour = -1;
    Run_Headless("", [&] {
        Open_Screen();
        Define_Prop_Sheet(100, 100, 300, 250, 1, 0, "Unter", 0, 1);
        pxFgc(0x123456);
        before = Screen_Surface().pixels;
        const long long t0 = Host_Clock_Ms();
        Animate_Rectangle_Zoom(10, 10, 40, 30, 90, 80, 400, 300);
        took = Host_Clock_Ms() - t0;
        after = Screen_Surface().pixels;
        colour = pxQFgc();
        pxLine(0, 470, 9, 470);   // drawn plainly again: the inverting operation is off
        return 0;
    });
    EXPECT_EQ(took, 70);
    EXPECT_TRUE(before == after);
    EXPECT_EQ(colour, 0x123456);
    EXPECT_EQ(Host_Pixel(5, 470), 0x123456);
}
