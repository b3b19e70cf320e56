// The host stand-in's property sheets and scrollable areas, driven by headless scripts over the
// demo sheet (host_demo_sheet.h).
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "platform/host/host_headless.h"
#include "platform/host/screen_raster.h"
#include "platform/host_demo_sheet.h"
#include "platform/screen_picture.h"

namespace {

std::vector<int> Origins_Y() {
    std::vector<int> ys;
    for (const Demo_Paint& p : demo.paints) ys.push_back(p.origin_y);
    return ys;
}

// Runs the sheet editor `calls` times, releasing the left button after each code.
std::vector<int> Edit_Codes(int calls) {
    std::vector<int> codes;
    for (int k = 0; k < calls; ++k) {
        codes.push_back(Edit_Prop_Sheet());
        while (M_LEFT) Get_Mouse_Event();
    }
    return codes;
}

}  // namespace

TEST(HostScrollableArea, WheelAndSliderScrollAndTheOriginIsReported) {
    // Visible height 149 of a content 600 high: range 451; the wheel scrolls round(0.1 * 149) = 15 px
    // a notch, an arrow 10 px, the track a page of 149 - 10 px. The track runs from y 97 to 212
    // (116 px); a thumb of 116 * 149 / 600 = 28 px lies at 97 + 88 * origin / 451.
    const Headless_Run_Result run = Run_Headless(
        "move 100 150\n"
        "wheel -2\n"               // 0 -> 30
        "click 238 221\n"          // the down arrow: 40
        "click 238 200\n"          // the track below the thumb (104 - 131): 179
        "drag 238 140 238 170\n"   // the thumb (131 - 158) 30 px down: 179 + 30 * 451 / 88 = 332
        "key Esc\n",
        [] {
            Open_Demo_Sheet();
            const int code = Run_Demo_Sheet();
            EXPECT_EQ(M_SCROLL, 0);
            return code;
        });
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_EQ(Origins_Y(), (std::vector<int>{0, 30, 40, 179, 230, 281, 332}));
    for (const Demo_Paint& p : demo.paints) EXPECT_EQ(p, (Demo_Paint{0, p.origin_y, 30, 80, 229, 229, 7}));
    int x = -1, y = -1;
    Inquire_Scrollable_Area_PS(demo.area, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 332);
    // Row 17 of the content (y 355) stands at 80 + 355 - 332 = 103 after the last paint, which
    // followed the 13th event (the drag's third move).
    EXPECT_NE(run.trace.find("text 13 35 103 0 0,0,0 \"Zeile 17\"\n"), std::string::npos) << run.trace;
}

TEST(HostScrollableArea, OriginStaysInTheContentAndAnAreaIsPaintedWhenSwitchedOn) {
    Run_Headless("", [] {
        Open_Demo_Sheet();
        demo.paints.clear();
        Set_Scrollable_Area_PS(demo.area, -5, 900);      // held in 0..451
        Change_Activity_PS(demo.area, 0);
        Set_Scrollable_Area_PS(demo.area, 0, 10);        // not painted while inactive
        Change_Activity_PS(demo.area, 1);                // painted at once
        Resize_Origin_of_Scrollable_Area_PS(demo.area, 200, 100);   // range 0: origin back to 0
        return 0;
    });
    EXPECT_EQ(Origins_Y(), (std::vector<int>{451, 10}));
    int x = -1, y = -1;
    Inquire_Scrollable_Area_PS(demo.area, &x, &y);
    EXPECT_EQ(y, 0);
}

TEST(HostPropSheet, EveryKindOfCodeOncePerEvent) {
    const Headless_Run_Result run = Run_Headless(
        "move 100 150\n"           // over the area: its escape code on the move
        "click 140 60\n"           // the second tab
        "click 100 150\n"          // a move and a press over the area: two codes
        "down right\n"             // the right button over the area
        "up right\n"
        "drag 274 250 274 290\n"   // OK pressed, released outside: nothing
        "click 274 250\n"          // OK
        "click 366 33\n",          // the close box: the break code
        [] {
            Open_Demo_Sheet();
            const std::vector<int> codes = Edit_Codes(7);
            EXPECT_EQ(codes, (std::vector<int>{100, 10002, 100, 100, 100, 2, 3}));
            return 0;
        });
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet"}),
              "sheet define 1 20,20,379,279 \"Demo\"\n"
              "sheet 1 code 100\n"
              "sheet 1 code 10002\n"
              "sheet 1 code 100\n"
              "sheet 1 code 100\n"
              "sheet 1 code 100\n"
              "sheet 1 code 2\n"
              "sheet 1 code 3\n");
    // The second tab is outlined now, the first no longer.
    EXPECT_EQ(Host_Pixel(120, 48), 0xFFFFFF);
    EXPECT_EQ(Host_Pixel(50, 48), 0xD4D0C8);
}

TEST(HostPropSheet, EscEnterAndF1GiveBreakOkAndHelp) {
    Init_Helpview(".", "");   // no help file named
    const Headless_Run_Result run = Run_Headless("key Esc\nkey Enter\nkey F1\nkey Esc\n", [] {
        Open_Demo_Sheet();
        EXPECT_EQ(Edit_Codes(3), (std::vector<int>{3, 2, 4}));
        Set_Windows_Break_Button(9);   // the window's own break code wins over the symbol button
        EXPECT_EQ(Edit_Prop_Sheet(), 9);
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet", "help", "message"}),
              "sheet define 1 20,20,379,279 \"Demo\"\n"
              "sheet 1 code 3\n"
              "sheet 1 code 2\n"
              "help \"demo_hilfe\"\n"
              "sheet define 2 70,90,329,208 \"Hilfe\"\n"
              "message \"Hilfe\" \"Hilfethema: demo_hilfe\" \"Keine Hilfedatei angegeben.\"\n"
              "sheet undefine 2\n"
              "sheet 1 code 4\n"
              "sheet 1 code 9\n");
}

TEST(HostPropSheet, NestedSheetTakesTheInputAndRestoresThePixelsUnderIt) {
    const Headless_Run_Result run = Run_Headless("click 274 250\nkey Enter\n", [] {
        Open_Demo_Sheet();
        const std::vector<std::uint32_t> before = Screen_Surface().pixels;
        EXPECT_EQ(Define_Prop_Sheet(200, 150, 330, 270, 1, 0, "Innen", 0, 1), 2);
        Add_Single_Button_to_PS(210, 200, 1, 7, "Gut", 0, nullptr);
        Activate_Prop_Sheet();
        EXPECT_NE(Screen_Surface().pixels, before);
        // The demo's OK button lies outside the inner sheet: only the inner sheet takes input, and
        // Enter gives its break-less OK code: none, so the end of the input ends the wait with 0.
        EXPECT_EQ(Edit_Prop_Sheet(), 0);
        Undefine_Prop_Sheet();
        EXPECT_EQ(Screen_Surface().pixels, before);
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet"}),
              "sheet define 1 20,20,379,279 \"Demo\"\n"
              "sheet define 2 200,150,330,270 \"Innen\"\n"
              "sheet 2 code 0\n"
              "sheet undefine 2\n");
}

TEST(HostPropSheet, ActivStateAnswersForElementsOfTheTopmostSheetOnly) {
    Host_Open_Screen(400, 300);
    Init_Prop_Sheets();
    Define_Prop_Sheet(10, 10, 390, 290, 0, 0, "Aussen", 0, 1);
    const int escape = Add_Escape_Area_to_PS(20, 20, 200, 200, 1, 2000);
    const int button = Add_Single_Button_to_PS(250, 250, 1, 7, "Gut", 0, nullptr);
    const int idle = Add_Escape_Area_to_PS(20, 210, 200, 240, 0, 2001);
    EXPECT_EQ(ActivState_of_Button_PS(escape), 1);
    EXPECT_EQ(ActivState_of_Button_PS(button), 1);
    EXPECT_EQ(ActivState_of_Button_PS(idle), 0);
    EXPECT_EQ(ActivState_of_Button_PS(-1), 0);
    EXPECT_EQ(ActivState_of_Button_PS(escape + 1000), 0);
    Change_Activity_PS(escape, -1);
    EXPECT_EQ(ActivState_of_Button_PS(escape), 0);
    Change_Activity_PS(escape, 1);
    // A sheet on top takes the input: the elements under it answer -1 until it is gone.
    Define_Prop_Sheet(100, 100, 300, 200, 0, 0, "Innen", 0, 1);
    const int inner = Add_Escape_Area_to_PS(110, 110, 290, 190, 1, 2000);
    EXPECT_EQ(ActivState_of_Button_PS(escape), -1);
    EXPECT_EQ(ActivState_of_Button_PS(idle), -1);
    EXPECT_EQ(ActivState_of_Button_PS(inner), 1);
    Undefine_Prop_Sheet();
    EXPECT_EQ(ActivState_of_Button_PS(escape), 1);
    EXPECT_EQ(ActivState_of_Button_PS(inner), 0);
    Exit_Prop_Sheets();
    Exit_Grafik_Mode();
}

TEST(HostPropSheet, MovedByTheTitleBarWritesTheDisplacementThroughTheKeptPointers) {
    int dx = -1, dy = -1;
    Run_Headless("drag 100 30 130 50\nclick 334 270\n", [&] {
        Open_Demo_Sheet();
        Prop_Sheet_Displacement(&dx, &dy);
        EXPECT_EQ(dx, 0);
        EXPECT_EQ(dy, 0);
        // The drag of 30, 20 px is held at 20, 20 so that the sheet stays on the screen (its far corner
        // at 399, 299); the break button then lies at 320, 260 - 349, 281.
        EXPECT_EQ(Edit_Prop_Sheet(), 3);
        int ix = -1, iy = -1;
        Inquire_Prop_Sheet_Displacement(&ix, &iy);
        EXPECT_EQ(ix, 20);
        EXPECT_EQ(iy, 20);
        return 0;
    });
    EXPECT_EQ(dx, 20);
    EXPECT_EQ(dy, 20);
    // The sheet's pixels moved along: its frame's top left corner now at 40, 40.
    EXPECT_EQ(Host_Pixel(41, 41), 0xFFFFFF);
    EXPECT_EQ(Host_Pixel(21, 21), 0xD4D0C8);   // the screen under it, as Host_Open_Screen left it
}

TEST(HostPropSheet, FramesAreKeptInTheScreenBase) {
    Host_Open_Screen(1024, 768);
    Init_Prop_Sheets();
    struct Case {
        int x1, y1, x2, y2;
        int ex1, ey1, ex2, ey2;
    };
    const Case cases[] = {
        {100, 100, 359, 254, 100, 100, 359, 254},   // inside: unchanged
        {-30, 700, 229, 854, 0, 613, 259, 767},     // moved in from the left and the bottom
        {900, -5, 1160, 150, 763, 0, 1023, 155},    // from the right and the top
        {-10, -10, 1100, 800, 0, 0, 1023, 767},     // larger than the screen: cut to it
        {359, 254, 100, 100, 100, 100, 359, 254},   // corners given in any order
    };
    for (const Case& c : cases) {
        int x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
        Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
        EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{c.ex1, c.ey1, c.ex2, c.ey2})) << c.x1 << "," << c.y1;
    }
    Set_Prop_Sheet_Screen_Base(2, 2, 1014, 758);
    int x1 = 0, y1 = 0, x2 = 259, y2 = 154;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{2, 2, 261, 156}));
}

TEST(HostPropSheet, ExtremeCoordinatesAreHeldAndNothingOverflows) {
    Run_Headless("click 250 60\n", [] {
        Open_Demo_Sheet();
        const int reg = Add_Register_to_PS(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX);
        Add_Member_to_Register(reg, INT_MIN, INT_MAX, 1, 77);
        Add_Single_Button_to_PS(INT_MAX, INT_MAX, 1, 5, std::string(3000, 'x').c_str(), 0, nullptr);
        Add_Escape_Area_to_PS(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, 6);
        const int area = Add_Scrollable_Area_to_PS(INT_MIN, 0, INT_MAX, 10, 1, 1, INT_MIN, INT_MAX, nullptr, 0, 1);
        Add_VSlider_to_Scrollable_Area(area, 0, 0, 0, 0);
        Resize_Origin_of_Scrollable_Area_PS(area, INT_MAX, INT_MAX);
        Set_Scrollable_Area_PS(area, INT_MAX, INT_MIN);
        // The register is held at y -1000000 with tabs of 1000000 px, so its tab ends above the
        // screen; the huge escape area takes the click.
        EXPECT_EQ(Edit_Prop_Sheet(), 6);
        Reshape_Scrollable_Area_PS(area, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 0, 0);
        Move_Mouse_Cursor_to_Button_of_PS(5, INT_MAX, INT_MIN);
        int x1 = INT_MIN, y1 = INT_MAX, x2 = INT_MAX, y2 = INT_MIN;
        Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
        EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{0, 0, 399, 299}));
        double value = 1;
        char text[4] = "abc";
        EXPECT_EQ(Short_Edit_Float(INT_MAX, INT_MIN, "%f", &value), 0);
        EXPECT_EQ(Short_Edit_Text(INT_MIN, INT_MAX, text, INT_MAX, 0), 0);
        return 0;
    });
}

namespace {

struct Call_Always_Log {
    std::vector<long long> at;   // the clock at each call
    int depth = 0, deepest = 0;
    bool nest = false;           // the first call runs the sheet editor itself
    int nested_code = -1;
};
Call_Always_Log call_always_log;

void Log_Call_Always() {
    ++call_always_log.depth;
    call_always_log.deepest = std::max(call_always_log.deepest, call_always_log.depth);
    call_always_log.at.push_back(Host_Clock_Ms());
    if (call_always_log.nest && call_always_log.at.size() == 1) call_always_log.nested_code = Edit_Prop_Sheet();
    --call_always_log.depth;
}

}  // namespace

TEST(HostPropSheet, CallAlwaysFunctionRunsEvery50MillisecondsAndAfterEachEventWhileOn) {
    call_always_log = {};
    // 120 ms of waiting (calls at 50 and 100), a move over the sheet's face that ends nothing (a call
    // at once, at 120), 60 ms more (170), Esc (a call after it, 180); switched off, 200 ms and Esc.
    Run_Headless("wait 120\nmove 300 200\nwait 60\nkey Esc\nwait 200\nkey Esc\n", [] {
        Open_Demo_Sheet();
        Define_Call_Allways_Function(Log_Call_Always);
        Activate_Call_Allways_Function(1);
        EXPECT_EQ(Edit_Prop_Sheet(), 3);
        Activate_Call_Allways_Function(0);
        EXPECT_EQ(Edit_Prop_Sheet(), 3);
        Define_Call_Allways_Function(nullptr);
        return 0;
    });
    EXPECT_EQ(call_always_log.at, (std::vector<long long>{50, 100, 120, 170, 180}));
}

TEST(HostPropSheet, CallAlwaysFunctionIsNeverReEntered) {
    call_always_log = {};
    call_always_log.nest = true;
    // The first call (at 50) waits in a sheet editor of its own until Enter: no call inside it.
    Run_Headless("wait 250\nkey Enter\nkey Esc\n", [] {
        Open_Demo_Sheet();
        Define_Call_Allways_Function(Log_Call_Always);
        Activate_Call_Allways_Function(1);
        EXPECT_EQ(Edit_Prop_Sheet(), 3);
        Activate_Call_Allways_Function(0);
        Define_Call_Allways_Function(nullptr);
        return 0;
    });
    EXPECT_EQ(call_always_log.deepest, 1);
    EXPECT_EQ(call_always_log.nested_code, 2);
    ASSERT_EQ(call_always_log.at.size(), 2u);
    EXPECT_EQ(call_always_log.at[0], 50);
    EXPECT_GE(call_always_log.at[1], 250);
}

TEST(HostPropSheet, ButtonTakesTheClickBeforeAnEscapeAreaUnderIt) {
    const Headless_Run_Result run = Run_Headless("click 290 180\nclick 260 160\nclick 290 180\n", [] {
        Open_Demo_Sheet();
        // An escape area on the free face right of the area, then a button inside it; the move onto
        // the button reports nothing, though the area reports moves.
        const int escape = Add_Escape_Area_to_PS(255, 150, 370, 230, 1, 55);
        EXPECT_GT(Add_Single_Button_to_PS(280, 170, 1, 77, "", SYMBOLIC_MORE_RASTER, "mehr"), 0);
        EXPECT_EQ(Edit_Codes(2), (std::vector<int>{77, 55}));
        Set_Escape_Area_to_MouseMoveEvent(escape, 1);
        EXPECT_EQ(Edit_Codes(1), (std::vector<int>{77}));
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet 1 code"}), "sheet 1 code 77\nsheet 1 code 55\nsheet 1 code 77\n");
}

TEST(HostLibrary, MinMaxSizeIsTracedAndTheMenuFaceIsTheButtonFace) {
    const Headless_Run_Result run = Run_Headless("", [] {
        VEKSetMinMaxSize(1024, 768, 1024, 768);
        return 0;
    });
    EXPECT_NE(run.trace.find("window size 1024,768 1024,768\n"), std::string::npos) << run.trace;
    int r = 0, g = 0, b = 0;
    pxQCR(MENUE_CI, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{212, 208, 200}));
}

namespace {
int periodic_calls = 0;
void Count_Periodic_Call() { ++periodic_calls; }
}  // namespace

TEST(HostPropSheet, PeriodicCallbackRunsEvery100MillisecondsWhileTheSheetWaits) {
    periodic_calls = 0;
    Run_Headless("wait 350\nkey Esc\n", [] {
        Open_Demo_Sheet();
        Set_CallSometimesFunc_to_PS(Count_Periodic_Call);
        EXPECT_EQ(Edit_Prop_Sheet(), 3);
        Set_CallSometimesFunc_to_PS(nullptr);
        return 0;
    });
    EXPECT_EQ(periodic_calls, 3);   // at 100, 200 and 300 ms; Esc comes at 350
}
