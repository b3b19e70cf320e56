// The one-page dialog run by headless scripts on a 1024 x 768 screen: geometry, kinds and buttons,
// preset codes and checks, the registries at accept and break, nested levels, the dialog centre
// after a drag, and a page that reopens where it was scrolled.
#include "gui/dialog_engine.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "gui/hover_help.h"
#include "gui/sheet_trace.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"

namespace {

// What the page builder saw.
struct Probe {
    int builds = 0;
    int area_x1 = 0, area_y1 = 0, area_x2 = 0, area_y2 = 0;
    int mouse_x = 0, mouse_y = 0;   // the pointer at the first build
    int hover_areas = 0;
    int depth = 0;
    int page_checks = 0, accept_checks = 0, break_checks = 0, handled = 0, closes = 0;
    int page_check_result = 0, accept_check_result = 0;
    std::vector<int> codes;         // given to the code handler
};
Probe probe;

void Record_Build(int area, int) {
    if (probe.builds++ == 0) {
        probe.mouse_x = M_XPOS;
        probe.mouse_y = M_YPOS;
    }
    const Scrollable_View_Area* a = View_Area_Of(area);
    ASSERT_NE(a, nullptr);
    probe.area_x1 = a->x1;
    probe.area_y1 = a->y1;
    probe.area_x2 = a->x2;
    probe.area_y2 = a->y2;
    probe.hover_areas = Hover_Area_Count();
    probe.depth = Get_Dialog_Depth();
}

int Count_Page_Check(int) {
    ++probe.page_checks;
    return probe.page_check_result;
}
int Count_Accept_Check() {
    ++probe.accept_checks;
    return probe.accept_check_result;
}
int Count_Break_Check() {
    ++probe.break_checks;
    return 0;
}
void Count_Close() { ++probe.closes; }

// A handler that breaks the dialog on a page event and handles nothing itself.
int Break_On_Page_Event(int code) {
    probe.codes.push_back(code);
    if (code == 2000) Request_Dialog_Break();
    return 0;
}

struct Dialog_Setup {
    Dialog_Description d;
    Dialog_Page page;
    Dialog_Setup() {
        Init_Dialog_Description(&d);
        Init_Dialog_Pages(1, &page);
        page.builder = Record_Build;
        std::snprintf(d.title, sizeof d.title, "%s", "Dialog");
    }
};

struct Run_Outcome {
    int result = -1;
    std::string trace;
};

Run_Outcome Run_Scripted(const std::string& script, Dialog_Setup& setup) {
    probe = Probe{};
    Run_Outcome out;
    out.trace = Run_Headless(script, [&] {
                    Host_Open_Screen(1024, 768);
                    Init_Prop_Sheets();
                    Release_All_View_Areas();
                    out.result = Run_Dialog(&setup.d, &setup.page);
                    return 0;
                }).trace;
    return out;
}

// The tooltips of the run in order, without the handles: "abbrechen|Hilfe|...".
std::string Tooltips(const std::string& trace) {
    std::string out;
    std::size_t at = 0;
    while ((at = trace.find("tooltip ", at)) != std::string::npos) {
        const std::size_t text = trace.find('"', at);
        const std::size_t end = trace.find('"', text + 1);
        if (!out.empty()) out += '|';
        out += trace.substr(text + 1, end - text - 1);
        at = end;
    }
    return out;
}

}  // namespace

TEST(DialogEngine, DefaultDialogGeometryButtonsAndCursor) {
    // 200 x 150 page area; sheet 216 x 226 on the centre (512, 384); buttons on the row 467: break
    // at 409, help at (404 + 619) / 2 rounded - 23 = 489, OK at 619 - 8 - 23 = 588.
    Dialog_Setup setup;
    std::snprintf(setup.d.help_topic, sizeof setup.d.help_topic, "%s", "Dialogthema");
    const Run_Outcome run = Run_Scripted(Click(495, 477) + Click(600, 477), setup);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet define 1", "help", "sheet 1 code", "sheet undefine 1"}),
              "sheet define 1 404,271,619,496 \"Dialog\"\n"
              "help \"Dialogthema\"\n"
              "sheet 1 code 200\n"
              "sheet undefine 1\n");
    EXPECT_EQ(Tooltips(run.trace), "abbrechen|Hilfe|bestätigen");
    EXPECT_EQ((std::array{probe.area_x1, probe.area_y1, probe.area_x2, probe.area_y2}), (std::array{412, 312, 611, 461}));
    // The break button (409, 467 to 438, 488) is the default button and got the pointer.
    EXPECT_EQ((std::array{probe.mouse_x, probe.mouse_y}), (std::array{423, 477}));
    EXPECT_EQ(probe.hover_areas, 1);
    EXPECT_EQ(probe.depth, 1);
    EXPECT_EQ(Hover_Area_Count(), 0);
    EXPECT_EQ(Get_Dialog_Depth(), 0);
    EXPECT_EQ(setup.d.page, 0);
    // The break button at 409 breaks.
    EXPECT_EQ(Run_Scripted(Click(420, 477), setup).result, 0);
}

TEST(DialogEngine, KindsFixButtonsCodesFrameAndDefaultButton) {
    struct Case {
        int kind;
        const char* script;
        int result;
        const char* sheet;      // the traced rectangle
        const char* tooltips;
        int mouse_x, mouse_y;   // the pointer: the default button's centre, or where it was (0, 0)
        const char* window;     // the traced window size call, or ""
    };
    // Window kinds: x 404 to 619; with the button row y 271 to 496, kind 2 without it 285 to 483.
    // "Weiter      " is 112 px wide at the centre 512 - 50 = 462; kind 8 on the row 767 - 37.
    const Case cases[] = {
        {0, "click 420 477\n", 0, "404,271,619,496", "abbrechen|Hilfe|bestätigen", 423, 477, ""},
        {1, "click 470 477\n", 0, "404,271,619,496", "", 517, 477, ""},
        {2, "", 1, "404,285,619,483", "", 0, 0, ""},   // ends through the preset code only
        {3, "click 470 477\n", 1, "404,271,619,496", "", 517, 477, ""},
        {4, "", 0, "0,0,1023,767", "", 0, 0, ""},
        {5, "click 600 477\n", 1, "404,271,619,496", "abbrechen|Hilfe|bestätigen", 602, 477, ""},
        {6, "click 600 477\n", 1, "404,271,619,496", "bestätigen", 602, 477, ""},
        {7, "click 420 477\n", 0, "404,271,619,496", "abbrechen|Hilfe", 423, 477, ""},
        {8, "click 470 740\n", 1, "0,0,1023,767", "", 517, 740, "window size 1024,768 1024,768\n"},
        {9, "click 600 477\n", 1, "404,271,619,496", "Hilfe|bestätigen", 602, 477, ""},
        {17, "click 420 477\n", 0, "404,271,619,496", "abbrechen|Hilfe|bestätigen", 423, 477, ""},
    };
    for (const Case& c : cases) {
        Dialog_Setup setup;
        setup.d.kind = c.kind;
        std::snprintf(setup.d.help_topic, sizeof setup.d.help_topic, "%s", "Thema");
        if (c.kind == 2) setup.d.preset_code = 200;
        if (c.kind == 4) setup.d.preset_code = 100;
        const Run_Outcome run = Run_Scripted(c.script, setup);
        EXPECT_EQ(run.result, c.result) << "kind " << c.kind;
        EXPECT_NE(run.trace.find(std::string("sheet define 1 ") + c.sheet + " "), std::string::npos)
            << "kind " << c.kind << "\n" << run.trace;
        EXPECT_EQ(Tooltips(run.trace), c.tooltips) << "kind " << c.kind;
        EXPECT_EQ((std::array{probe.mouse_x, probe.mouse_y}), (std::array{c.mouse_x, c.mouse_y})) << "kind " << c.kind;
        EXPECT_EQ(Trace_Lines(run.trace, {"window size"}), c.window) << "kind " << c.kind;
        // Kinds 1 and 3 keep their page out of hover help.
        EXPECT_EQ(probe.hover_areas, c.kind == 1 || c.kind == 3 ? 0 : 1) << "kind " << c.kind;
    }
}

TEST(DialogEngine, WantedPageAreaIsCutToTheScreen) {
    // 768 - 33 - 8 - 8 - 27 - 30 = 662 high, 1024 - 31 = 993 wide.
    Dialog_Setup setup;
    setup.d.height = 2000;
    setup.d.width = 5000;
    setup.d.preset_code = 100;
    Run_Scripted("", setup);
    EXPECT_EQ(probe.area_y2 - probe.area_y1 + 1, 662);
    EXPECT_EQ(probe.area_x2 - probe.area_x1 + 1, 993);
}

TEST(DialogEngine, PresetCodesChecksAndRequests) {
    struct Case {
        const char* name;
        int preset;
        int page_check_result, accept_check_result;
        bool handler;
        std::string script;
        int result;
        int page_checks, accept_checks, break_checks;
        const char* codes;   // as the sheet editor returned them
    };
    const Case cases[] = {
        {"preset OK, the checks pass", 200, 0, 0, false, "", 1, 1, 1, 0, ""},
        {"preset OK, the page check refuses: the user breaks", 200, 1, 0, false, "key Esc\n", 0, 1, 0, 1,
         "sheet 1 code 100\n"},
        {"preset break", 100, 0, 0, false, "", 0, 0, 0, 1, ""},
        {"the accept check refuses, then break", -1, 0, 1, false, Click(600, 477) + "key Esc\n", 0, 1, 1, 1,
         "sheet 1 code 200\nsheet 1 code 100\n"},
        {"a handler requests the break on a page event", -1, 0, 0, true, Click(500, 400), 0, 0, 0, 1,
         "sheet 1 code 2000\n"},
    };
    for (const Case& c : cases) {
        Dialog_Setup setup;
        setup.d.preset_code = c.preset;
        setup.d.accept_check = Count_Accept_Check;
        setup.d.break_check = Count_Break_Check;
        setup.d.close_callback = Count_Close;
        if (c.handler) setup.d.code_handler = Break_On_Page_Event;
        setup.page.check = Count_Page_Check;
        probe = Probe{};
        Run_Outcome out;
        out.trace = Run_Headless(c.script, [&] {
                        Host_Open_Screen(1024, 768);
                        Init_Prop_Sheets();
                        Release_All_View_Areas();
                        probe.page_check_result = c.page_check_result;
                        probe.accept_check_result = c.accept_check_result;
                        out.result = Run_Dialog(&setup.d, &setup.page);
                        return 0;
                    }).trace;
        EXPECT_EQ(out.result, c.result) << c.name;
        EXPECT_EQ(probe.page_checks, c.page_checks) << c.name;
        EXPECT_EQ(probe.accept_checks, c.accept_checks) << c.name;
        EXPECT_EQ(probe.break_checks, c.break_checks) << c.name;
        EXPECT_EQ(probe.closes, 1) << c.name;
        EXPECT_EQ(Trace_Lines(out.trace, {"sheet 1 code"}), c.codes) << c.name;
        EXPECT_EQ(setup.d.preset_code, -1) << c.name;
        if (c.handler) EXPECT_EQ(probe.codes, std::vector<int>{2000}) << c.name;
    }
}
