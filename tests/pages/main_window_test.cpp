// The main window's pieces in process: the general tab's rows, the help topics, the refresh after an
// edit, the view-area buttons with their latched clicks and the end dialog run headless.
#include "pages/main_window.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/connection_record.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/form_fixture.h"
#include "pages/page_buttons.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"

namespace {

TEST(MainWindowHelp, TopicOfEveryTabAndOfAnyOtherValue) {
    const struct {
        int tab;
        const char* topic;
    } cases[] = {{1, "ec301_allgemein"},   {2, "ec301_schraube"},        {3, "ec301_schweiss"},
                 {4, "ec301_stummel_zug"}, {5, "ec301_stummel_druck"},   {0, "ec301_basisverbindungen"},
                 {6, "ec301_basisverbindungen"}, {-1, "ec301_basisverbindungen"}};
    for (const auto& c : cases) EXPECT_STREQ(Main_Window_Help_Topic(c.tab), c.topic) << c.tab;
}

class GeneralPage : public Form_Area {
  protected:
    void SetUp() override {
        Form_Area::SetUp();
        Connection.print.remarks = nullptr;
        Default_Connection_Record(&Connection);
    }
    void TearDown() override {
        Init_Connection_Record(&Connection);
        Form_Area::TearDown();
    }
};

TEST_F(GeneralPage, RowsAreBoundToTheRecord) {
    Draw_Page_General(area, 0, 0, 1023, 767);
    const View_Area_Item* title = Find("Talvo-EC3BV");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x1, 1023 - 95);
    EXPECT_EQ(title->y1, 10);
    const View_Area_Item* rule = Find("Vorschrift");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->x1, 260);
    EXPECT_EQ(rule->y1, 42);
    const View_Area_Item* edition = Bound_To(&Connection.Code_Edition, View_Item_Kind::Choice_List);
    ASSERT_NE(edition, nullptr);
    EXPECT_EQ(edition->x1, 335);
    // The five switches, each at x 280 in the order and with the pitches of the page.
    const struct {
        int* bound;
        const char* label;
    } switches[] = {
        {&Connection.bolted_active, "einer Schrauben-, Niet- oder Bolzenverbindung"},
        {&Connection.welded_active, "einer Schweißverbindung"},
        {&Connection.tension_active, "eines T-Stummels unter Zugbelastung"},
        {&Connection.compression_active, "eines T-Stummels unter Druckbelastung"},
        {&Connection.verification, "einschl. Ermittlung der Ausnutzungen infolge Belastung (Nachweis)"},
        {&Connection.uniform_steel, "einheitliche Stahlsorte für alle Verbindungsbleche"},
    };
    const int pitch[] = {0, 22, 22, 22, 40};
    int previous_y = 0;
    for (std::size_t k = 0; k < std::size(switches); ++k) {
        const View_Area_Item* box = Bound_To(switches[k].bound, View_Item_Kind::Check_Box);
        ASSERT_NE(box, nullptr) << switches[k].label;
        EXPECT_EQ(box->text, To_Cp437(switches[k].label));
        EXPECT_EQ(box->x1, 280);
        if (k >= 1 && k <= 4) {
            EXPECT_EQ(box->y1 - previous_y, pitch[k]) << switches[k].label;
        }
        previous_y = box->y1;
    }
    EXPECT_NE(Find(To_Cp437("Ermittlung der Tragfähigkeit")), nullptr);
    EXPECT_NE(Find("Steuerung der Programmeingabe"), nullptr);
}

TEST_F(GeneralPage, UniformSteelRowsOnlyWithTheirSwitch) {
    Connection.uniform_steel = 0;
    Draw_Page_General(area, 0, 0, 1023, 767);
    const std::size_t without = Items().size();
    Clear_View_Area(area);
    Connection.uniform_steel = 1;
    Draw_Page_General(area, 0, 0, 1023, 767);
    EXPECT_GT(Items().size(), without);
    EXPECT_NE(Find("Stahlsorte", View_Item_Kind::Text), nullptr);
}

TEST_F(GeneralPage, DrawingMakesTheRecordsEditionCurrent) {
    for (int edition : {Code_Edition_2010, Code_Edition_2025}) {
        Current_Code_Edition = 1 - edition;
        Connection.Code_Edition = edition;
        Clear_View_Area(area);
        Draw_Page_General(area, 0, 0, 1023, 767);
        EXPECT_EQ(Current_Code_Edition, edition);
    }
}

TEST_F(GeneralPage, PositionsFollowTheDisplacement) {
    Draw_Page_General(area, 30, 40, 1023, 767);
    const View_Area_Item* rule = Find("Vorschrift");
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->x1, 290);
    EXPECT_EQ(rule->y1, 82);
    EXPECT_EQ(Find("Talvo-EC3BV")->y1, 50);
}

// Verification off: only factors and uniform steel follow an edit; on: the checks run again.
TEST(MainWindowRefresh, RecomputesOnlyWithVerification) {
    Connection.print.remarks = nullptr;
    Default_Connection_Record(&Connection);
    Connection.U_max = -5.0;
    Connection.verification = 0;
    Refresh_After_Edit();
    EXPECT_EQ(Connection.U_max, -5.0);
    Connection.verification = 1;
    Refresh_After_Edit();
    EXPECT_NE(Connection.U_max, -5.0);
    Init_Connection_Record(&Connection);
}

// ---------------------------------------------------------------------------------------------
// Buttons: items, and a click handed to the caller at the next build.

class PageButtons : public Form_Area {
  protected:
    const View_Area_Item* Nth(View_Item_Kind kind, int n = 0) {
        for (const View_Area_Item& it : Items())
            if (it.kind == kind && n-- == 0) return &it;
        return nullptr;
    }
    // What a click on the hot spot does: the handler stores the own value into the target.
    void Click_Hot_Spot(int n = 0) {
        const View_Area_Item* spot = Nth(View_Item_Kind::Hot_Spot, n);
        ASSERT_NE(spot, nullptr);
        *spot->target = spot->own_value;
    }
};

TEST_F(PageButtons, ItemsOfEachButton) {
    int clicked = 0;
    const struct {
        const char* name;
        void (*add)(int area, int* clicked);
        const char* bitmap;   // null: none
        int bx1, by1, bx2, by2;
        int hx1, hy1, hx2, hy2;
        const char* label;    // drawn label, null: none
        int cursor;
        const char* tooltip;  // null: none
    } cases[] = {
        {"action", [](int a, int* c) { Add_Action_Button(a, 100, 50, c, "Vorbemerkungen", 0); }, "act_but.bmp", 80, 41, 93,
         54, 80, 41, 93 + 6 * 14, 54, "Vorbemerkungen", 18, "Vorbemerkungen"},
        {"action without text", [](int a, int* c) { Add_Action_Button(a, 100, 50, c, "Text", 1); }, "act_but.bmp", 80, 41,
         93, 54, 80, 41, 93 + 24, 54, nullptr, 18, "Text"},
        {"work", [](int a, int* c) { Add_Work_Button(a, 100, 50, c, "Arbeit"); }, "work_but.bmp", 80, 41, 93, 54, 80, 41,
         93 + 36, 54, "Arbeit", 18, "Arbeit"},
        {"hot spot", [](int a, int* c) { Add_Hot_Spot_Button(a, 10, 20, 30, 40, c, "Tipp"); }, nullptr, 0, 0, 0, 0, 10, 20,
         30, 40, nullptr, 18, "Tipp"},
        {"hot spot without tooltip", [](int a, int* c) { Add_Hot_Spot_Button(a, 10, 20, 30, 40, c, ""); }, nullptr, 0, 0, 0,
         0, 10, 20, 30, 40, nullptr, 0, nullptr},
    };
    for (const auto& c : cases) {
        Clear_View_Area(area);
        c.add(area, &clicked);
        const View_Area_Item* bitmap = Nth(View_Item_Kind::Bitmap);
        if (c.bitmap) {
            ASSERT_NE(bitmap, nullptr) << c.name;
            EXPECT_EQ(bitmap->text, c.bitmap) << c.name;
            EXPECT_EQ((std::array{bitmap->x1, bitmap->y1, bitmap->x2, bitmap->y2}), (std::array{c.bx1, c.by1, c.bx2, c.by2}))
                << c.name;
        } else {
            EXPECT_EQ(bitmap, nullptr) << c.name;
        }
        const View_Area_Item* text = Nth(View_Item_Kind::Text);
        if (c.label) {
            ASSERT_NE(text, nullptr) << c.name;
            EXPECT_EQ(text->text, c.label) << c.name;
            EXPECT_EQ(text->x1, 100) << c.name;
        } else {
            EXPECT_EQ(text, nullptr) << c.name;
        }
        const View_Area_Item* spot = Nth(View_Item_Kind::Hot_Spot);
        ASSERT_NE(spot, nullptr) << c.name;
        EXPECT_EQ((std::array{spot->x1, spot->y1, spot->x2, spot->y2}), (std::array{c.hx1, c.hy1, c.hx2, c.hy2})) << c.name;
        EXPECT_EQ(spot->own_value, 1) << c.name;
        EXPECT_EQ(spot->state, c.cursor) << c.name;
        EXPECT_EQ(spot->has_text ? spot->text : std::string("-"), c.tooltip ? c.tooltip : "-") << c.name;
        EXPECT_NE(spot->target, &clicked) << c.name << ": the click waits for the next build";
    }
}

TEST_F(PageButtons, UpDownHalvesGiveOneAndTwo) {
    int step = 0;
    Add_Up_Down_Buttons(area, 200, 100, &step);
    const View_Area_Item* bitmap = Nth(View_Item_Kind::Bitmap);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->text, "updown_but.bmp");
    EXPECT_EQ((std::array{bitmap->x1, bitmap->y1, bitmap->x2, bitmap->y2}), (std::array{200, 88, 215, 105}));
    const View_Area_Item* upper = Nth(View_Item_Kind::Hot_Spot, 0);
    const View_Area_Item* lower = Nth(View_Item_Kind::Hot_Spot, 1);
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ((std::array{upper->y1, upper->y2, upper->own_value}), (std::array{88, 97, 1}));
    EXPECT_EQ((std::array{lower->y1, lower->y2, lower->own_value}), (std::array{97, 105, 2}));
    for (int half : {1, 0}) {
        Click_Hot_Spot(half);
        Clear_View_Area(area);
        step = 0;
        Add_Up_Down_Buttons(area, 200, 100, &step);
        EXPECT_EQ(step, half + 1);
    }
}

// A click reaches its own caller once, at the next build; two buttons on one page stay apart.
TEST_F(PageButtons, AClickIsHandedOverOnceToItsOwnCaller) {
    int first = 0, second = 0;
    auto build = [&] {
        Clear_View_Area(area);
        Add_Action_Button(area, 100, 50, &first, "eins", 0);
        Add_Action_Button(area, 100, 80, &second, "zwei", 0);
    };
    build();
    Click_Hot_Spot(1);
    EXPECT_EQ(second, 0) << "not before the next build";
    build();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    second = 0;
    build();
    EXPECT_EQ(second, 0) << "the latch was cleared with the hand-over";
    Click_Hot_Spot(0);
    build();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
}

// ---------------------------------------------------------------------------------------------
// End dialog, run headless on a 1024 x 768 screen: the sheet at 382, 307 - 642, 462, the break
// button at 392, 430 and OK at 602, 430.

struct End_Dialog_Run {
    int result = -9;
    std::string trace;
};

End_Dialog_Run Run_End(const std::string& script) {
    End_Dialog_Run r;
    const Headless_Run_Result run = Run_Headless(script, [&] {
        r.result = Run_End_Dialog();
        return 0;
    });
    r.trace = run.trace;
    return r;
}

class EndDialog : public testing::Test {
  protected:
    void SetUp() override {
        Release_All_View_Areas();
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        Init_Screen_Palette();
    }
    void TearDown() override {
        Release_All_View_Areas();
        Exit_Prop_Sheets();
        Exit_Grafik_Mode();
    }
};

TEST_F(EndDialog, ChoiceAndButtons) {
    const struct {
        const char* script;
        int result;
    } cases[] = {
        {"click 616 440\n", 1},                   // OK: the first choice stands
        {"click 418 389\nclick 616 440\n", 0},    // "beenden ohne zu speichern", OK
        {"click 418 389\nclick 407 440\n", -1},   // a choice, then break
        {"key Esc\n", -1},
        {"key Enter\n", 1},
        {"", -1},                                 // the end of the input breaks
    };
    for (const auto& c : cases) {
        const End_Dialog_Run r = Run_End(c.script);
        EXPECT_EQ(r.result, c.result) << c.script;
        // Opened again and again at the same place.
        EXPECT_EQ(Trace_Lines(r.trace, {"sheet define", "sheet undefine"}),
                  "sheet define 1 382,307,642,462 \"BEARBEITUNG BEENDEN\"\nsheet undefine 1\n")
            << c.script;
    }
}

TEST_F(EndDialog, ReopensWhereTheUserLeftIt) {
    // Dragged by its title bar 100 px left and 50 px up.
    Run_End("drag 450 318 350 268\nclick 516 390\n");
    const End_Dialog_Run again = Run_End("key Esc\n");
    EXPECT_EQ(Trace_Lines(again.trace, {"sheet define"}), "sheet define 1 282,257,542,412 \"BEARBEITUNG BEENDEN\"\n");
}

TEST_F(EndDialog, ALowScreenTakesItsHeightLessTwenty) {
    Exit_Grafik_Mode();
    Host_Open_Screen(400, 170);
    Init_Prop_Sheets();
    const End_Dialog_Run r = Run_End("key Esc\n");
    EXPECT_EQ(r.result, -1);
    EXPECT_EQ(Trace_Lines(r.trace, {"sheet define"}).substr(0, 30), "sheet define 1 70,10,330,160 \"");
}

}  // namespace
