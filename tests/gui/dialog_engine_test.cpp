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
#include "gui/view_area_fixture.h"
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
                    Open_Dialog_Screen();
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
                        Open_Dialog_Screen();
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
        if (c.handler) {
            EXPECT_EQ(probe.codes, std::vector<int>{2000}) << c.name;
        }
    }
}

namespace {

// A page whose builder registers a scaled value (factor 1000) and two integer proxies and, at its
// first build, edits the proxies to 2.5 and -2.5 as a float field would.
struct Registered_Values {
    double length = 0.25;
    int up = 0, down = 0;
    double seen_length = 0;   // the scaled value while the dialog is open
    int proxied_inside = 0, proxied_unknown = 0;
};
Registered_Values values;

void Register_Values(int, int) {
    Register_Scaled_Value(&values.length, 1000);
    double* up = Get_Int_Proxy(&values.up);
    double* down = Get_Int_Proxy(&values.down);
    if (probe.builds++ == 0) {
        *up = 2.5;
        *down = -2.5;
    }
    values.seen_length = values.length;
    values.proxied_inside = Get_Proxied_Int(&values.up);
    int unknown = 7;
    values.proxied_unknown = Get_Proxied_Int(&unknown);
}

}  // namespace

TEST(DialogEngine, RegistriesAreSettledAtAcceptAndAtBreak) {
    struct Case {
        const char* name;
        std::string script;
        int result;
    };
    // An event first (a click on the page) builds the page a second time: nothing is scaled twice.
    const Case cases[] = {
        {"accept", Click(500, 400) + Click(600, 477), 1},
        {"break", Click(500, 400) + Click(420, 477), 0},
    };
    for (const Case& c : cases) {
        values = Registered_Values{};
        Dialog_Setup setup;
        setup.page.builder = Register_Values;
        const Run_Outcome run = Run_Scripted(c.script, setup);
        EXPECT_EQ(run.result, c.result) << c.name;
        EXPECT_GE(probe.builds, 2) << c.name;
        EXPECT_DOUBLE_EQ(values.seen_length, 250.0) << c.name;
        EXPECT_DOUBLE_EQ(values.length, 0.25) << c.name;
        EXPECT_EQ(values.up, 3) << c.name;
        EXPECT_EQ(values.down, -3) << c.name;
        EXPECT_EQ(values.proxied_unknown, -99999999) << c.name;
        // Entries are dropped with their level.
        EXPECT_EQ(Get_Proxied_Int(&values.up), -99999999) << c.name;
    }
    // No dialog open: nothing is registered and nothing scaled.
    double free_value = 2;
    EXPECT_EQ(Register_Scaled_Value(&free_value, 10), 0);
    EXPECT_EQ(free_value, 2);
}

namespace {

// Six dialogs, each opened from the first build of the one outside it, each with 25 integer proxies
// (150 in all); every level sets its proxies to level * 100 + i + 0.4 and ends with a preset accept.
constexpr int Nested_Levels = 6, Proxies_Per_Level = 25;
struct Nested {
    std::array<Dialog_Description, Nested_Levels> d;
    std::array<Dialog_Page, Nested_Levels> pages;
    std::array<std::array<int, Proxies_Per_Level>, Nested_Levels> ints{};
    std::array<int, Nested_Levels> builds{};
    int deepest = 0;
    bool outer_untouched = true;   // the outer levels' proxies as they were after each inner dialog
};
Nested nested;

void Build_Nested(int, int) {
    const int level = Get_Dialog_Depth() - 1;
    nested.deepest = std::max(nested.deepest, level + 1);
    std::array<double*, Proxies_Per_Level> proxies{};
    for (int i = 0; i < Proxies_Per_Level; ++i) proxies[static_cast<std::size_t>(i)] = Get_Int_Proxy(&nested.ints[level][i]);
    if (nested.builds[static_cast<std::size_t>(level)]++ > 0) return;
    for (int i = 0; i < Proxies_Per_Level; ++i) *proxies[static_cast<std::size_t>(i)] = level * 100 + i + 0.4;
    if (level + 1 == Nested_Levels) return;
    EXPECT_EQ(Run_Dialog(&nested.d[level + 1], &nested.pages[level + 1]), 1);
    for (int i = 0; i < Proxies_Per_Level; ++i)
        if (*proxies[static_cast<std::size_t>(i)] != level * 100 + i + 0.4 || nested.ints[level][i] != 0 ||
            Get_Proxied_Int(&nested.ints[level][i]) != 0)
            nested.outer_untouched = false;
}

}  // namespace

TEST(DialogEngine, SixNestedDialogsWith150ProxiesLeaveTheOuterLevelsUntouched) {
    nested = Nested{};
    for (int k = 0; k < Nested_Levels; ++k) {
        Init_Dialog_Description(&nested.d[k]);
        nested.d[k].preset_code = 200;
        Init_Dialog_Pages(1, &nested.pages[k]);
        nested.pages[k].builder = Build_Nested;
    }
    int result = -1;
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Dialog_Screen();
        result = Run_Dialog(&nested.d[0], &nested.pages[0]);
        return 0;
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(nested.deepest, 6);
    EXPECT_TRUE(nested.outer_untouched);
    // Each level rounded its proxies into its integers (x.4 down) when it ended.
    for (int k = 0; k < Nested_Levels; ++k)
        for (int i = 0; i < Proxies_Per_Level; ++i) EXPECT_EQ(nested.ints[k][i], k * 100 + i) << k << " " << i;
    EXPECT_NE(run.trace.find("sheet define 6 "), std::string::npos);
    EXPECT_EQ(Get_Dialog_Depth(), 0);
}

namespace {

int open_check_result = -1, check_open_calls = 0;
double open_value = 1.5;
int open_int = 4;

// The inner dialog's builder registers a scaled value and a proxy; its code handler (a click on the
// page) checks every open dialog.
void Build_Inner_Check(int, int) {
    Register_Scaled_Value(&open_value, 100);
    *Get_Int_Proxy(&open_int) = 6.5;
}
int Inner_Handler(int) {
    if (open_check_result < 0) open_check_result = Check_Open_Dialogs();   // the move and the press both come
    return 1;
}
int Outer_Page_Check(int) {
    ++check_open_calls;
    return 5;
}
int Inner_Page_Check(int) {
    ++check_open_calls;
    return 0;
}

}  // namespace

TEST(DialogEngine, CheckOpenDialogsSettlesTheInnermostLevelAndAsksEveryLevel) {
    Dialog_Setup outer, inner;
    outer.page.check = Outer_Page_Check;
    inner.page.builder = Build_Inner_Check;
    inner.page.check = Inner_Page_Check;
    inner.d.code_handler = Inner_Handler;
    outer.d.preset_code = 2000;   // runs the outer page's handler: it opens the inner dialog
    static Dialog_Setup* inner_setup = nullptr;
    inner_setup = &inner;
    outer.d.code_handler = [](int) {
        Run_Dialog(&inner_setup->d, &inner_setup->page);
        Request_Dialog_Break();
        return 1;
    };
    probe = Probe{};
    int result = -1;
    Run_Headless(Click(500, 400) + Click(420, 477), [&] {
        Open_Dialog_Screen();
        result = Run_Dialog(&outer.d, &outer.page);
        return 0;
    });
    EXPECT_EQ(result, 0);
    // Inner page check first (0), then the outer one (5); the proxy stayed registered through the
    // check and was rounded once more when the inner dialog broke.
    EXPECT_EQ(open_check_result, 5);
    EXPECT_EQ(check_open_calls, 2);
    EXPECT_DOUBLE_EQ(open_value, 1.5);
    EXPECT_EQ(open_int, 7);
}

TEST(DialogEngine, DraggedDialogMovesTheCentreOfTheNext) {
    // The title bar runs from y 274 to 295; a drag by (30, 20) and a break; the next dialog opens
    // centred 30, 20 further, is dragged back and ends with OK.
    Dialog_Setup setup;
    const Run_Outcome first = Run_Scripted("drag 450 280 480 300\n" + Click(450, 497), setup);
    EXPECT_EQ(first.result, 0);
    EXPECT_NE(first.trace.find("sheet 1 moved 30,20"), std::string::npos) << first.trace;
    int x = 0, y = 0;
    Get_Dialog_Origin(&x, &y);
    EXPECT_EQ((std::array{x, y}), (std::array{434, 291}));
    const Run_Outcome second = Run_Scripted("drag 480 300 450 280\n" + Click(600, 477), setup);
    EXPECT_EQ(second.result, 1);
    EXPECT_NE(second.trace.find("sheet define 1 434,291,649,516 "), std::string::npos) << second.trace;
    // Dragged back: centred on the screen again.
    EXPECT_NE(Run_Scripted(Click(420, 477), setup).trace.find("sheet define 1 404,271,619,496 "), std::string::npos);
}

namespace {

void Build_Tall_Page(int area, int) {
    Add_Filled_Rectangle_to_View_Area(area, 0, 0, 100, probe.page_check_result, 0xFFFFFF);
    ++probe.builds;
}

}  // namespace

TEST(DialogEngine, ScrolledPageReopensWhereItWas) {
    struct Case {
        int content;   // height of the page's content
        double stored;
        double reopened;
    };
    // The page area is 150 high (149 px of range per the view area); a content of 200 allows only
    // 51 px of scrolling.
    const Case cases[] = {{1000, 120, 120}, {200, 120, 51}, {1000, -1, 0}};
    for (const Case& c : cases) {
        Dialog_Setup setup;
        setup.page.builder = Build_Tall_Page;
        setup.page.vertical_slider = 1;
        setup.page.scroll_y = c.stored;
        setup.d.preset_code = 100;
        probe = Probe{};
        probe.page_check_result = c.content;
        Run_Headless("", [&] {
            Open_Dialog_Screen();
            Run_Dialog(&setup.d, &setup.page);
            // Opened again from what the first one stored.
            setup.d.preset_code = 100;
            Run_Dialog(&setup.d, &setup.page);
            return 0;
        });
        EXPECT_DOUBLE_EQ(setup.page.scroll_y, c.reopened) << c.content << " " << c.stored;
        EXPECT_DOUBLE_EQ(setup.page.scroll_x, 0) << c.content;
    }
}

namespace {

struct Always_Calls {
    bool in_handler = false, handled = false;
    int before = 0, during = 0, after = 0;
};
Always_Calls always;

void Count_Always() {
    if (always.in_handler) ++always.during;
    else if (always.handled) ++always.after;
    else ++always.before;
}

// Every pass puts the counter in place of the hover function the page registration installed.
void Build_With_Counter(int, int) { Define_Call_Allways_Function(Count_Always); }

// A handler that waits in a sheet of its own until Enter.
int Wait_In_Own_Sheet(int code) {
    if (always.handled || code != 2000) return 1;
    always.in_handler = true;
    Define_Prop_Sheet(100, 100, 300, 200, 1, 0, "Frage", 0, 1);
    Add_Single_Button_to_PS(200, 160, 1, 5, "", SYMBOLIC_OK_RASTER, "ok");
    Activate_Prop_Sheet();
    EXPECT_EQ(Edit_Prop_Sheet(), 5);
    Undefine_Prop_Sheet();
    always.in_handler = false;
    always.handled = true;
    return 1;
}

}  // namespace

TEST(DialogEngine, CallAlwaysFunctionIsOffWhileTheCodeHandlerRuns) {
    always = Always_Calls{};
    Dialog_Setup setup;
    setup.page.builder = Build_With_Counter;
    setup.d.code_handler = Wait_In_Own_Sheet;
    const Run_Outcome run = Run_Scripted("wait 120\nmove 500 400\nwait 200\nkey Enter\nwait 120\nkey Esc\n", setup);
    EXPECT_EQ(run.result, 0);
    EXPECT_GT(always.before, 0);
    EXPECT_EQ(always.during, 0);
    EXPECT_GT(always.after, 0);
    Define_Call_Allways_Function(nullptr);
}
