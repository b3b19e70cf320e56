// Dialogs with a row of tabs run by headless scripts on a 1024 x 768 screen: tab widths and places,
// hidden and inactive pages, the first page, a refused page change, and the simple dialog's codes.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "gui/dialog_engine.h"
#include "gui/sheet_trace.h"
#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"

namespace {

struct Probe {
    std::vector<int> built;   // the page of every build, in order
    std::vector<int> page_changes;   // old * 10 + new of every page-change check
    int area_x1 = 0, area_y1 = 0, area_x2 = 0, area_y2 = 0;
    int refuse = 0;
    int proxy_int = 0;
};
Probe probe;

template <int Page>
void Build(int area, int) {
    if (probe.built.empty() || probe.built.back() != Page) probe.built.push_back(Page);
    if (const Scrollable_View_Area* a = View_Area_Of(area)) {
        probe.area_x1 = a->x1;
        probe.area_y1 = a->y1;
        probe.area_x2 = a->x2;
        probe.area_y2 = a->y2;
    }
}

void Build_Proxy(int, int) {
    double* proxy = Get_Int_Proxy(&probe.proxy_int);
    if (probe.built.empty()) *proxy = 2.5;
    probe.built.push_back(0);
}

int Page_Change(int old_page, int new_page) {
    probe.page_changes.push_back(old_page * 10 + new_page);
    return probe.refuse;
}

struct Register_Setup {
    Dialog_Description d;
    std::array<Dialog_Page, 3> pages;
    int count = 3;
    explicit Register_Setup(std::array<int, 3> kinds = {1, 1, 1}) {
        Init_Dialog_Description(&d);
        d.width = 300;
        Init_Dialog_Pages(3, pages.data());
        pages[0].builder = Build<0>;
        pages[1].builder = Build<1>;
        pages[2].builder = Build<2>;
        for (std::size_t k = 0; k < 3; ++k) {
            pages[k].kind = kinds[k];
            std::snprintf(pages[k].tab_label, sizeof pages[k].tab_label, "Seite %zu", k + 1);
        }
    }
};

struct Outcome {
    int result = -1;
    std::string trace;
};

Outcome Run_Register(const std::string& script, Register_Setup& setup) {
    probe.built.clear();
    probe.page_changes.clear();
    Outcome out;
    out.trace = Run_Headless(script, [&] {
                    Open_Dialog_Screen();
                    out.result = Run_Register_Dialog(&setup.d, setup.count, setup.pages.data());
                    return 0;
                }).trace;
    return out;
}

}  // namespace

// Three pages 300 wide: sheet 336 x 276 from (344, 246); the tab row runs from x 352 to 671 on the
// rows 287 to 316; tabs (300 + 20 - 2) / 3 = 106 wide, 107 apart: 352-458, 459-565, 566-671.
TEST(RegisterDialog, TabsShareTheRowAndTheLastReachesItsEnd) {
    Register_Setup setup;
    probe = Probe{};
    const std::string script = Click(458, 300) + Click(459, 300) + Click(565, 300) + Click(566, 300) + Click(671, 300) +
                               Click(352, 300) + "key Esc\n";
    const Outcome run = Run_Register(script, setup);
    EXPECT_EQ(run.result, 0);
    EXPECT_NE(run.trace.find("sheet define 1 344,246,679,521 "), std::string::npos) << run.trace;
    EXPECT_EQ(probe.built, (std::vector<int>{0, 1, 2, 0}));
    // The page area: 300 x 150 from (362, 327).
    EXPECT_EQ((std::array{probe.area_x1, probe.area_y1, probe.area_x2, probe.area_y2}), (std::array{362, 327, 661, 476}));
    EXPECT_EQ(setup.d.page, 0);
}

TEST(RegisterDialog, HiddenAndInactivePages) {
    struct Case {
        const char* name;
        std::array<int, 3> kinds;
        int first;             // the description's page field
        std::string script;
        int result;
        std::vector<int> built;
        int page;              // the page field afterwards
    };
    // One page hidden: two tabs of (320 - 1) / 2 = 159 px: 352-511 and 512-671.
    const Case cases[] = {
        {"a hidden page takes no room", {1, -2, 1}, -1, Click(600, 300) + Click(500, 300) + "key Esc\n", 0, {0, 2, 0}, 0},
        {"a hidden first page gives way to the next visible one", {-2, 1, 1}, 0, "key Esc\n", 0, {1}, 1},
        {"the inactive tab returns to the page shown before", {1, 0, 1}, 0, Click(500, 300) + "key Esc\n", 0, {0}, 0},
        {"an inactive first page gives way to the first active one", {1, 0, 1}, 1, "key Esc\n", 0, {0}, 0},
        {"page field -1 opens the first page", {1, 1, 1}, -1, "key Esc\n", 0, {0}, 0},
        {"page field 99 opens the last page", {1, 1, 1}, 99, "key Esc\n", 0, {2}, 2},
        // No visible page: no tab row and no page, and OK still ends the dialog.
        {"every page hidden", {-2, -2, -2}, -1, Click(650, 497), 1, {}, 0},
    };
    for (const Case& c : cases) {
        Register_Setup setup(c.kinds);
        setup.d.page = c.first;
        probe = Probe{};
        const Outcome run = Run_Register(c.script, setup);
        EXPECT_EQ(run.result, c.result) << c.name;
        EXPECT_EQ(probe.built, c.built) << c.name;
        EXPECT_EQ(setup.d.page, c.page) << c.name;
        EXPECT_EQ(Get_Dialog_Depth(), 0) << c.name;
    }
}

TEST(RegisterDialog, RefusedPageChangeKeepsThePageShown) {
    Register_Setup setup;
    setup.d.page_change_check = Page_Change;
    probe = Probe{};
    probe.refuse = 1;
    const Outcome refused = Run_Register(Click(600, 300) + "key Esc\n", setup);
    EXPECT_EQ(refused.result, 0);
    EXPECT_EQ(probe.page_changes, std::vector<int>{2});   // asked (0, 2)
    EXPECT_EQ(probe.built, std::vector<int>{0});
    EXPECT_EQ(setup.d.page, 0);
    probe.refuse = 0;
    Run_Register(Click(600, 300) + "key Esc\n", setup);
    EXPECT_EQ(probe.built, (std::vector<int>{0, 2}));
    EXPECT_EQ(setup.d.page, 2);
}

TEST(RegisterDialog, OnePageIsLaidOutAsTheOnePageDialog) {
    Register_Setup setup;
    setup.count = 1;
    setup.d.width = 200;
    probe = Probe{};
    const Outcome run = Run_Register(Click(600, 477), setup);
    EXPECT_EQ(run.result, 1);
    EXPECT_NE(run.trace.find("sheet define 1 404,271,619,496 "), std::string::npos) << run.trace;
    EXPECT_EQ((std::array{probe.area_x1, probe.area_y1, probe.area_x2, probe.area_y2}), (std::array{412, 312, 611, 461}));
    EXPECT_EQ(Run_Register_Dialog(&setup.d, 0, setup.pages.data()), 0);
}

TEST(SimpleRegisterDialog, BreakAndOkCodesAndTheProxiesLeaveAfterABreak) {
    // One page 200 x 150: sheet 228 x 229 from (398, 270); break at 402, OK at 598 on the row 469.
    // Both runs open on the same rectangle: the centre does not creep from one opening to the next.
    struct Case {
        const char* name;
        std::string script;
        int result;
        const char* code;
    };
    const Case cases[] = {
        {"break", Click(410, 479), 0, "sheet 1 code 1\n"},
        {"OK", Click(605, 479), 1, "sheet 1 code 2\n"},
    };
    for (const Case& c : cases) {
        Dialog_Page page;
        Init_Dialog_Pages(1, &page);
        page.builder = Build_Proxy;
        probe = Probe{};
        int result = -1;
        const std::string trace = Run_Headless(c.script, [&] {
                                      Open_Dialog_Screen();
                                      result = Run_Simple_Register_Dialog(150, 200, "Einfach", 1, &page, nullptr, "Thema");
                                      return 0;
                                  }).trace;
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_NE(trace.find("sheet define 1 398,270,625,498 \"Einfach\""), std::string::npos) << c.name << "\n" << trace;
        EXPECT_EQ(Trace_Lines(trace, {"sheet 1 code"}), c.code) << c.name;
        EXPECT_EQ(probe.proxy_int, 3) << c.name;
        EXPECT_EQ(Get_Proxied_Int(&probe.proxy_int), -99999999) << c.name;
    }
}

TEST(SimpleRegisterDialog, TabsSelectPagesAndTheNextDialogOpensOnTheLastPage) {
    // Two pages 300 x 300: sheet 340 x 425 from (342, 172); tabs (300 + 20 - 1) / 2 = 159 px from
    // x 352 on the rows 212 to 241: 352-511 and 512-671.
    std::array<Dialog_Page, 2> pages;
    Init_Dialog_Pages(2, pages.data());
    pages[0].builder = Build<0>;
    pages[1].builder = Build<1>;
    probe = Probe{};
    std::vector<int> results;
    Run_Headless(Click(600, 225) + "key Esc\nkey Esc\n", [&] {
        Open_Dialog_Screen();
        results.push_back(Run_Simple_Register_Dialog(300, 300, "Zwei", 2, pages.data(), nullptr, ""));
        results.push_back(Run_Simple_Register_Dialog(300, 300, "Zwei", 2, pages.data(), nullptr, ""));
        return 0;
    });
    EXPECT_EQ(results, (std::vector<int>{0, 0}));
    EXPECT_EQ(probe.built, (std::vector<int>{0, 1}));   // the second dialog opened on page 1 at once
}

namespace {

// Black pixels of the screen in a rectangle, counted while the page is built (after the pass drew
// the status text and before anything covers it).
int Black_In(int x1, int y1, int x2, int y2) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += Host_Pixel(x, y) == 0;
    return n;
}

struct Drawn {
    int status = 0, left_of_status = 0, tab_label = 0, tab_gap = 0;
};
Drawn drawn;

void Fill_Status(char* text) { std::snprintf(text, 200, "%s", "Lastfall 3"); }

void Look_At_The_Screen(int, int) {
    // The status box runs from help x + 30 = 352 + 32 + 30 = 414 to OK x - 20 = 648, y 495 to 512;
    // the first tab's label stands on the row 307 from x 360.
    drawn.status = Black_In(416, 497, 646, 510);
    drawn.left_of_status = Black_In(380, 497, 412, 510);
    drawn.tab_label = Black_In(360, 296, 440, 308);
    drawn.tab_gap = Black_In(352, 288, 358, 316);
}

}  // namespace

TEST(RegisterDialog, StatusTextAndTabLabelsAreDrawn) {
    Register_Setup setup;
    setup.d.status_text = Fill_Status;
    setup.d.preset_code = 100;
    setup.pages[0].builder = Look_At_The_Screen;
    drawn = Drawn{};
    const Outcome run = Run_Register("", setup);
    EXPECT_EQ(run.result, 0);
    EXPECT_GT(drawn.status, 20);
    EXPECT_EQ(drawn.left_of_status, 0);
    EXPECT_GT(drawn.tab_label, 20);
    EXPECT_EQ(drawn.tab_gap, 0);
}
