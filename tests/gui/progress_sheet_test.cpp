// The progress sheet on a 1024 x 768 screen, driven headless: its geometry, the look of running and
// idle counters, the glossy bar and its clamps, when it repaints, and opening and closing.
#include "gui/progress_sheet.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host/host_trace.h"
#include "platform/host_demo_sheet.h"

namespace {

void Open_Screen() {
    Host_Open_Screen(1024, 768);
    Init_Prop_Sheets();
}

Progress_Description Description(int n, int width, std::initializer_list<const char*> labels,
                                 std::initializer_list<int> totals) {
    Progress_Description d;
    std::memset(&d, 'x', sizeof d);   // what the init leaves alone stays visible as garbage
    Init_Progress_Description(&d, n);
    std::strcpy(d.title, "Fortschritt");
    d.width = width;
    int i = 0;
    for (const char* l : labels) std::strcpy(d.rows[i++].label, l);
    i = 0;
    for (int t : totals) d.rows[i++].total = t;
    return d;
}

// The one view area in use (the sheet's).
const Scrollable_View_Area* Sheet_Area() {
    for (const Scrollable_View_Area& a : Scrollable_View_Areas)
        if (a.handle >= 0) return &a;
    return nullptr;
}

// A pixel of the sheet's area at area coordinates (the area shows its content from (0, 0)).
int Area_Pixel(int x, int y) {
    const Scrollable_View_Area* a = Sheet_Area();
    return a ? Host_Pixel(a->x1 + x, a->y1 + y) : -2;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

constexpr int Black = 0x000000, Box_Fill = 0xFFFFE1, Area_Background = 0xE9F0F5;
constexpr int Bar = 0x0058B0, Bar_Lightest = 0x1B8DFF;   // (0,88,176) and 60 % lighter (27,141,255)
constexpr int Idle_Frame = 0x505050, Idle_Bar = 0xE1E1E1;

}  // namespace

TEST(ProgressSheet, DefaultWidthSheetWithRunningAndIdleCounters) {
    // Width -1 and 3 counters: inner 200 x 175, sheet 214 x 217 centred on (512, 384).
    Progress_Description d = Description(3, -1, {"Dateien", "Bl\x94" "cke", "Zeilen"}, {10, 0, -1});
    int area[4] = {};
    int pixels[10] = {};
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Screen();
        Open_Progress_Sheet(&d);
        const Scrollable_View_Area* a = Sheet_Area();
        if (a) area[0] = a->x1, area[1] = a->y1, area[2] = a->x2, area[3] = a->y2;
        pixels[0] = Area_Pixel(160, 40);   // counter 0 (y 30): the box frame's right edge at 160
        pixels[1] = Area_Pixel(161, 40);
        pixels[2] = Area_Pixel(90, 45);    // the empty bar of a running counter: the box's fill
        pixels[3] = Area_Pixel(22, 39);    // where a bar would start: nothing drawn at 0 of 10
        pixels[4] = Area_Pixel(50, 84);    // counter 1 (y 77): grey frame at y + 7
        pixels[5] = Area_Pixel(22, 86);    // its empty grey bar from (22, 86)
        pixels[6] = Area_Pixel(158, 97);   // to (158, 97)
        pixels[7] = Area_Pixel(21, 85);    // the gap between frame and bar
        pixels[8] = Area_Pixel(160, 131);  // counter 2 (y 124, total -1): grey frame too
        pixels[9] = Area_Pixel(90, 140);
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet"}), "sheet define 1 405,276,618,492 \"Fortschritt\"\n");
    EXPECT_EQ(area[0], 419);
    EXPECT_EQ(area[1], 318);
    EXPECT_EQ(area[2], 604);
    EXPECT_EQ(area[3], 478);
    // Labels at x 20 (screen 439) on their row's baseline, black while running, else grey; the
    // count right-aligned at 160 in font 0 (8 characters: from 96, screen 515).
    EXPECT_NE(run.trace.find(" 439 348 4096 0,0,0 \"Dateien\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 439 395 4096 120,120,120 \"Blöcke\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 439 442 4096 120,120,120 \"Zeilen\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 515 348 0 0,0,0 \"0 von 10\"\n"), std::string::npos) << run.trace;
    EXPECT_EQ(Count(run.trace, " von "), Count(run.trace, "\"Dateien\""));   // idle counters show no count
    EXPECT_EQ(pixels[0], Black);
    EXPECT_EQ(pixels[1], Area_Background);
    EXPECT_EQ(pixels[2], Box_Fill);
    EXPECT_EQ(pixels[3], Box_Fill);
    EXPECT_EQ(pixels[4], Idle_Frame);
    EXPECT_EQ(pixels[5], Idle_Bar);
    EXPECT_EQ(pixels[6], Idle_Bar);
    EXPECT_EQ(pixels[7], Area_Background);
    EXPECT_EQ(pixels[8], Idle_Frame);
    EXPECT_EQ(pixels[9], Idle_Bar);
}

TEST(ProgressSheet, BarLengthShadingAndClampsOnAWiderSheet) {
    // Inner width 300: the bar runs from 22 to 22 + L, L = value / total x 236, held within 0 to 236.
    struct Case {
        int value;
        int end;   // last bar column; 0 without a bar
    };
    const Case cases[] = {{5, 140}, {10, 258}, {11, 258}, {INT_MAX, 258}, {1, 46}, {-3, 0}};
    Progress_Description d = Description(1, 300, {"Schritte"}, {10});
    for (const Case& c : cases) {
        int at_end = -1, past_end = -1, first = -1, middle = -1, edge = -1, step = -1;
        Run_Headless("", [&] {
            Open_Screen();
            Open_Progress_Sheet(&d);
            Set_Progress_Value(0, c.value);
            const int y = 30;
            at_end = Area_Pixel(c.end, y + 9);
            past_end = Area_Pixel(c.end + 1, y + 9);
            first = Area_Pixel(22, y + 9);
            middle = Area_Pixel(30, y + 14);   // the seventh band, 60 % lighter
            edge = Area_Pixel(30, y + 20);     // the first band's lower edge
            step = Area_Pixel(30, y + 10);     // the second band, 10 % lighter
            Close_Progress_Sheet();
            return 0;
        });
        SCOPED_TRACE(c.value);
        if (c.end == 0) {
            EXPECT_EQ(first, Box_Fill);
            EXPECT_EQ(middle, Box_Fill);
            continue;
        }
        EXPECT_EQ(at_end, Bar);
        EXPECT_EQ(past_end, Box_Fill);
        EXPECT_EQ(first, Bar);
        EXPECT_EQ(edge, Bar);
        EXPECT_EQ(middle, Bar_Lightest);
        EXPECT_NE(step, Bar);
        EXPECT_NE(step, Bar_Lightest);
    }
}

TEST(ProgressSheet, SettersRepaintOnlyWhatChangedARunningCounter) {
    Progress_Description d = Description(2, -1, {"Laufend", "Wartend"}, {3, 0});
    int values[6] = {};
    std::size_t paints[5] = {};
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Screen();
        Open_Progress_Sheet(&d);
        auto painted = [&] { return Count(Host_Trace_Memory(), "\"Laufend\""); };
        paints[0] = painted();
        Step_Progress(1);                            // total 0: nothing changes, no repaint
        Set_Progress_Value(1, 2);                    // the same
        Step_Progress_With_Text(1, "vorgemerkt");    // keeps the text, no repaint
        paints[1] = painted();
        values[0] = Get_Progress_Value(1);
        Step_Progress(0);
        Step_Progress_With_Text(0, "zweiter Schritt");
        paints[2] = painted();
        values[1] = Get_Progress_Value(0);
        Set_Progress_Total(1, 4);                    // runs now, showing the text kept before
        values[2] = Get_Progress_Value(1);
        Hide_Progress_Counter(0);
        values[3] = Get_Progress_Value(0);
        paints[3] = painted();
        values[4] = Get_Progress_Value(5);
        values[5] = Get_Progress_Value(-1);
        Set_Progress_Text(7, "nirgends");            // outside 0 to 4: ignored, no repaint
        Set_Progress_Text(0, nullptr);
        paints[4] = painted();
        return 0;
    });
    // paints[0] is what the opening's paint traced: the label once for each time the area is drawn.
    ASSERT_GT(paints[0], 0u);
    EXPECT_EQ(paints[1], paints[0]);
    EXPECT_EQ(paints[2], 3 * paints[0]);
    EXPECT_EQ(paints[3], 5 * paints[0]);
    EXPECT_EQ(paints[4], 5 * paints[0]);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(values[2], 0);
    EXPECT_EQ(values[3], 0);
    EXPECT_EQ(values[4], -1);
    EXPECT_EQ(values[5], -1);
    // The text line centred on (200 - 60) / 2 + 20 = 90 in font 4098 (5 px a character).
    EXPECT_NE(run.trace.find(" 0,0,0 \"zweiter Schritt\"\n"), std::string::npos);
    EXPECT_NE(run.trace.find(" 0,0,0 \"vorgemerkt\"\n"), std::string::npos);
    EXPECT_NE(run.trace.find("\"2 von 3\"\n"), std::string::npos);
    EXPECT_NE(run.trace.find("\"0 von 4\"\n"), std::string::npos);
    EXPECT_EQ(run.trace.find("nirgends"), std::string::npos);
}

TEST(ProgressSheet, OpeningAndClosingKeepOneSheetAndNeverLeaveOneBehind) {
    Progress_Description first = Description(1, -1, {"eins"}, {5});
    Progress_Description second = Description(2, -1, {"zwei", "drei"}, {5, 5});
    int open[6] = {};
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Screen();
        Open_Progress_Sheet(&first);
        open[0] = Is_Progress_Sheet_Open();
        Open_Progress_Sheet(&second);   // the first sheet goes before the second comes
        Disable_Progress_Sheets();
        open[1] = Is_Progress_Sheet_Open();
        Step_Progress(0);               // counted, not drawn
        open[2] = Get_Progress_Value(0);
        Close_Progress_Sheet();         // removed all the same
        Close_Progress_Sheet();         // nothing left to remove
        Open_Progress_Sheet(&first);    // disabled: nothing opens
        open[3] = Is_Progress_Sheet_Open();
        Enable_Progress_Sheets();
        open[4] = Is_Progress_Sheet_Open();
        Close_Progress_Sheet();
        return 0;
    });
    EXPECT_EQ(open[0], 1);
    EXPECT_EQ(open[1], 0);
    EXPECT_EQ(open[2], 1);
    EXPECT_EQ(open[3], 0);
    EXPECT_EQ(open[4], 0);
    // One counter: 200 x 79 inside, a sheet of 214 x 121; two: 214 x 169, centred on the first's centre.
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet"}),
              "sheet define 1 405,324,618,444 \"Fortschritt\"\n"
              "sheet undefine 1\n"
              "sheet define 1 405,300,618,468 \"Fortschritt\"\n"
              "sheet undefine 1\n");
    EXPECT_EQ(Count(run.trace, "\"zwei\""), Count(run.trace, "\"eins\""));   // painted once each
}

TEST(ProgressSheet, CountsWidthsAndTextsAreHeldToTheirLimits) {
    Progress_Description d;
    Init_Progress_Description(&d, 9);
    EXPECT_EQ(d.count, 5);
    EXPECT_EQ(d.width, -1);
    EXPECT_EQ(d.rows[4].total, 0);
    Init_Progress_Description(&d, 0);
    EXPECT_EQ(d.count, 1);

    // Five counters on a too wide sheet: inner 980 x 271 (1024 - 44; 5 x 48 + 31).
    Progress_Description wide = Description(5, 5000, {"a", "b", "c", "d", "e"}, {1, 1, 1, 1, 1});
    wide.count = 12;   // a count set by hand beyond the five rows shows five
    std::memset(wide.title, 'T', sizeof wide.title);   // no terminator inside the field
    const std::string long_text(150, 'L');
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Screen();
        Open_Progress_Sheet(&wide);
        Set_Progress_Text(4, long_text.c_str());
        Close_Progress_Sheet();
        return 0;
    });
    EXPECT_NE(run.trace.find("sheet define 1 15,228,1008,540 \"" + std::string(99, 'T') + "\"\n"), std::string::npos)
        << run.trace.substr(0, 300);
    EXPECT_NE(run.trace.find("\"" + std::string(99, 'L') + "\"\n"), std::string::npos);
    EXPECT_EQ(run.trace.find(std::string(100, 'L')), std::string::npos);
    EXPECT_EQ(Count(run.trace, "1 von 1\"\n"), 0u);
    EXPECT_EQ(Count(run.trace, "0 von 1\"\n"), 10 * Count(run.trace, "\"" + std::string(99, 'L') + "\""));   // five counters at two paints
}
