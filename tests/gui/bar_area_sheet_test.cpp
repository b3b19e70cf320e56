// The sheet "Bew.fläche Stabstahl" driven by headless scripts: counts typed and stepped, the areas it
// shows, OK and break, and what it keeps from one call to the next.
#include "gui/bar_area_sheet.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"

namespace {

// Whether the trace holds a drawn text at x, y in font 0 and the colour, whatever the frame.
bool Drawn(const std::string& trace, int x, int y, const char* rgb, const std::string& text) {
    return trace.find(" " + std::to_string(x) + " " + std::to_string(y) + " 0 " + rgb + " \"" + text + "\"\n") !=
           std::string::npos;
}

}  // namespace

// The calls share the counts and the sheet's centre, so the three calls run in one test, in order.
TEST(BarAreaSheet, CountsAndPlaceLastFromCallToCallAndOkGivesTheRoundedTotal) {
    // On a 640 x 480 screen the first sheet spans 211,75 to 428,404. Row k's field lies at
    // (224, 117 + 25k) to (256, 137 + 25k), its arrows at x 258..269 (up y 117..126, down 128..137
    // for row 0); the areas stand at (334, 129 + 25k), the sum at (334, 358); break at 223,376,
    // OK at 390,377.
    double first = 0;
    const Headless_Run_Result one = Run_Headless("click 231 200\ntype \"3\"\nkey Enter\nclick 401 385\n", [&] {
        Host_Open_Screen(640, 480);
        Init_Prop_Sheets();
        first = Show_Bar_Area_Sheet();
        return 0;
    });
    // 3 x 12 mm: 3.39292e-4 m², rounded to 6 decimals.
    EXPECT_DOUBLE_EQ(first, 0.000339);
    EXPECT_EQ(Trace_Lines(one.trace, {"sheet"}),
              "sheet define 1 211,75,428,404 \"Bew.fläche Stabstahl\"\n"
              "sheet 1 code 10\n"
              "sheet 1 code 2\n"
              "sheet undefine 1\n");
    EXPECT_TRUE(Drawn(one.trace, 279, 129, "0,0,0", "⌀  6 =")) << one.trace;
    EXPECT_TRUE(Drawn(one.trace, 302, 358, "0,0,0", "Σ =")) << one.trace;
    EXPECT_TRUE(Drawn(one.trace, 334, 204, "128,128,128", "  0.00 cm²")) << one.trace;
    EXPECT_TRUE(Drawn(one.trace, 334, 204, "128,128,128", "  3.39 cm²")) << one.trace;
    EXPECT_TRUE(Drawn(one.trace, 334, 358, "128,128,128", "  3.39 cm²")) << one.trace;
    EXPECT_NE(Trace_Lines(one.trace, {"rule"}).find("rule 291,339 414,339\n"), std::string::npos);

    // Second call: the 3 bars are still there. Row 0 stepped up twice, the sheet dragged by its
    // title bar 50 px left and 25 px up, row 0 stepped once more on the moved sheet, then break.
    double second = 0;
    const Headless_Run_Result two = Run_Headless(
        "click 263 121\nclick 263 121\ndrag 300 85 250 60\nclick 213 96\nclick 180 360\n", [&] {
            second = Show_Bar_Area_Sheet();
            return 0;
        });
    EXPECT_DOUBLE_EQ(second, -1.0);
    EXPECT_TRUE(Drawn(two.trace, 334, 204, "128,128,128", "  3.39 cm²")) << two.trace;
    EXPECT_TRUE(Drawn(two.trace, 334, 129, "128,128,128", "  0.57 cm²")) << two.trace;   // 2 x 6 mm
    // After the move the values are written where the sheet now lies: 3 x 6 mm = 0.85 cm², sum 4.24.
    EXPECT_TRUE(Drawn(two.trace, 284, 104, "128,128,128", "  0.85 cm²")) << two.trace;
    EXPECT_TRUE(Drawn(two.trace, 284, 333, "128,128,128", "  4.24 cm²")) << two.trace;
    EXPECT_EQ(Trace_Lines(two.trace, {"sheet"}),
              "sheet define 1 211,75,428,404 \"Bew.fläche Stabstahl\"\n"
              "sheet 1 code 10\n"
              "sheet 1 code 10\n"
              "sheet 1 moved -10,-5\n"   // the drag moves in steps of 10 px
              "sheet 1 moved -20,-10\n"
              "sheet 1 moved -30,-15\n"
              "sheet 1 moved -40,-20\n"
              "sheet 1 moved -50,-25\n"
              "sheet 1 code 10\n"
              "sheet 1 code 1\n"
              "sheet undefine 1\n");

    // Third call, at the moved place: 150 bars typed in the 28 mm row are held at 99, then Enter.
    double third = 0;
    const Headless_Run_Result three = Run_Headless("click 180 300\ntype \"150\"\nkey Enter\nkey Enter\n", [&] {
        third = Show_Bar_Area_Sheet();
        return 0;
    });
    // 3 x 6 mm 0.000085, 3 x 12 mm 0.000339, 99 x 28 mm 0.060959.
    EXPECT_NEAR(third, 0.061383, 1e-15);
    EXPECT_TRUE(Drawn(three.trace, 284, 304, "128,128,128", "609.59 cm²")) << three.trace;
    EXPECT_EQ(Trace_Lines(three.trace, {"sheet"}),
              "sheet define 1 161,50,378,379 \"Bew.fläche Stabstahl\"\n"
              "sheet 1 code 10\n"
              "sheet 1 code 2\n"
              "sheet undefine 1\n");
}
