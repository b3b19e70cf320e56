// Mouse and keys over a view area, driven by headless scripts: hits of each kind of item, the field
// editors and the Enter chain, short keys, hover cursors and tooltips.
#include "gui/view_area_events.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gui/screen_dump.h"
#include "gui/tooltip_box.h"
#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/bitmap_fixtures.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "test_support.h"

namespace {

const int on = 1, off = 0;

std::vector<int> changed_values;
std::vector<double*> edited_numbers;
void Record_Change(int value, double* edited) {
    changed_values.push_back(value);
    edited_numbers.push_back(edited);
}

struct Handled {
    int result = 0;
    std::string trace;
    int pending_key = -1;   // hitkey () right after the handler returned
};

// An area over the screen rectangle (100, 100) to (483, 383) without frame: an item at content
// (x, y) stands at screen (100 + x, 100 + y) while the area is not scrolled.
class Events : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(100, 100, 500, 400, 1, 1);
        Set_View_Area_Frame(area, 0);
        changed_values.clear();
        edited_numbers.clear();
    }
    // Shows the area and handles events on the script, `times` handlings one after the other.
    Handled Handle(const std::string& script, int times = 1) {
        Handled h;
        const Headless_Run_Result run = Run_Headless(script, [&] {
            Show_View_Area(area);
            int r = 0;
            for (int k = 0; k < times; ++k) r = Handle_View_Area_Event(area);
            h.pending_key = hitkey();
            return r;
        });
        h.result = run.exit_code;
        h.trace = run.trace;
        return h;
    }
    void Scroll_To(int ox, int oy) {
        Scrollable_View_Areas[static_cast<std::size_t>(area)].origin_x = ox;
        Scrollable_View_Areas[static_cast<std::size_t>(area)].origin_y = oy;
    }
};

std::string Click(int x, int y) { return "click " + std::to_string(x) + " " + std::to_string(y) + "\n"; }

TEST_F(Events, CheckBoxHitRectangleWithAndWithoutLabel) {
    struct Case {
        const char* label;
        int x, y;
        bool hit;
    };
    // The box at content (60, 40) stands at X = 160, Y = 140; "Stahl" is 40 px wide in font 0.
    const Case cases[] = {
        {"Stahl", 139, 140, false}, {"Stahl", 140, 140, true},  {"Stahl", 200, 140, true},  {"Stahl", 201, 140, false},
        {"Stahl", 150, 130, true},  {"Stahl", 150, 129, false}, {"Stahl", 150, 142, true},  {"Stahl", 150, 143, false},
        {nullptr, 140, 140, true},  {nullptr, 151, 140, true},  {nullptr, 152, 140, false}, {nullptr, 139, 140, false},
    };
    for (const Case& c : cases) {
        Clear_View_Area(area);
        int value = 0;
        Add_Check_Box_to_View_Area(area, 60, 40, c.label, 0, 0, &value, &on);
        const Handled h = Handle(Click(c.x, c.y));
        EXPECT_EQ(h.result, c.hit ? 1 : 0) << (c.label ? c.label : "-") << " " << c.x << "," << c.y;
        EXPECT_EQ(value, c.hit ? 1 : 0) << (c.label ? c.label : "-") << " " << c.x << "," << c.y;
    }
}

TEST_F(Events, CheckBoxTogglesEachClickAndCallsBackWithTheNewValue) {
    int value = 3;
    Add_Check_Box_to_View_Area(area, 60, 40, "Stahl", 0, 0, &value, &on);
    Set_View_Item_Change_Callback(area, Record_Change);
    const Handled h = Handle(Click(170, 138) + Click(170, 138) + Click(170, 138), 3);
    EXPECT_EQ(h.result, 1);
    EXPECT_EQ(changed_values, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(value, 0);
}

TEST_F(Events, DisabledItemsDoNothingAndTheSelectedRadioStillCallsBack) {
    int box = 0, radio = 2;
    Add_Check_Box_to_View_Area(area, 60, 40, "aus", 0, 0, &box, &off);
    Set_View_Item_Change_Callback(area, Record_Change);
    Add_Radio_Button_to_View_Area(area, 60, 80, "eins", 0, 0, 1, &radio, &off);
    Set_View_Item_Change_Callback(area, Record_Change);
    Add_Radio_Button_to_View_Area(area, 60, 120, "zwei", 0, 0, 2, &radio, &on);
    Set_View_Item_Change_Callback(area, Record_Change);

    EXPECT_EQ(Handle(Click(170, 140)).result, 0);   // the disabled box
    EXPECT_EQ(Handle(Click(170, 180)).result, 0);   // the disabled radio
    EXPECT_EQ(box, 0);
    EXPECT_EQ(radio, 2);
    EXPECT_TRUE(changed_values.empty());

    EXPECT_EQ(Handle(Click(170, 220)).result, 1);   // the radio that is selected already
    EXPECT_EQ(radio, 2);
    EXPECT_EQ(changed_values, (std::vector<int>{2}));
}

TEST_F(Events, FirstHitInListOrderWins) {
    int first = 0, second = 0;
    Add_Hot_Spot_to_View_Area(area, 50, 50, 100, 100, 4, &first);
    Add_Hot_Spot_to_View_Area(area, 50, 50, 100, 100, 5, &second);
    EXPECT_EQ(Handle(Click(170, 170)).result, 1);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(second, 0);
    // A click on nothing: 0.
    EXPECT_EQ(Handle(Click(300, 300)).result, 0);
}

TEST_F(Events, ChoiceTextsAreClearedBeforeEachClick) {
    int target = 7;
    Add_Choice_Text_to_View_Area(area, 40, 40, "Ja", 0, 0, 0, 0xC0C0C0, 3, &target);
    EXPECT_EQ(Handle(Click(300, 300)).result, 1);   // nothing hit, but the mark was cleared
    EXPECT_EQ(target, 0);
    EXPECT_EQ(Handle(Click(300, 300)).result, 0);   // nothing left to clear
    EXPECT_EQ(Handle(Click(145, 138)).result, 1);
    EXPECT_EQ(target, 3);
}

TEST_F(Events, HoverCursorAndTooltipOfAHotSpotAndItsClickAtOnce) {
    int target = 0;
    Add_Hot_Spot_to_View_Area(area, 50, 50, 100, 80, 9, &target);
    Set_Hot_Spot_Cursor(area, 18);
    Set_Hot_Spot_Tooltip(area, "Schraube", 0, 0, 0);
    // Resting on the spot shows the hand and the tooltip; the press that ends the hover is the click.
    const Handled h = Handle("move 160 160\nwait 500\nclick 160 160\n");
    EXPECT_EQ(h.result, 1);
    EXPECT_EQ(target, 9);
    // The tooltip: 8 characters of 6 px, its line 1 at (mouse x + 5, mouse y + 20 + 13).
    EXPECT_EQ(Trace_Lines(h.trace, {"cursor", "text"}), "cursor 18\n"
                                                         "text 1 165 193 4096 0,0,0 \"Schraube\"\n"
                                                         "cursor 0\n");
    EXPECT_FALSE(Tooltip_Box_Shown(nullptr));
    EXPECT_EQ(Host_Pixel(165, 190), 0xFFFBF0);   // the screen under the box is back
}

TEST_F(Events, TooltipNearTheBottomRightCornerEndsNineBeforeBothEdges) {
    const int corner = Create_Scrollable_View_Area(600, 450, 790, 590, 0, 0);
    int target = 0;
    Add_Hot_Spot_to_View_Area(corner, 150, 100, 189, 139, 1, &target);
    Set_Hot_Spot_Tooltip(corner, "Hilfe", 0, 0, 0);
    const Headless_Run_Result run =
        Run_Headless("move 780 580\nwait 100\nmove 600 300\n", [&] { return Handle_View_Area_Event(corner); });
    // The box 40 x 18 px would end at 820, 618: moved to end at 791, 591; its line at (751 + 5, 573 + 13).
    EXPECT_EQ(Trace_Lines(run.trace, {"text"}), "text 1 756 586 4096 0,0,0 \"Hilfe\"\n");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(target, 0);
}

TEST_F(Events, PictureButtonShowsHoverAndPressedFramesAndStoresItsValue) {
    Scratch_Dir dir;
    // Four frames of 4 x 4 px side by side: disabled red, normal green, hover blue, pressed yellow.
    std::vector<std::vector<std::uint32_t>> px(4, std::vector<std::uint32_t>(16));
    const std::uint32_t frames[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
    for (auto& row : px)
        for (std::size_t x = 0; x < 16; ++x) row[x] = frames[x / 4];
    const std::string file = dir.file("knopf.bmp");
    Write_File(file, Bmp(24, px));
    int bound = 0;
    Add_Picture_Button_to_View_Area(area, 10, 10, 4, 4, file.c_str(), 0, 0x123456, 18, "Vorschau", 6, &bound, &on);
    const std::string hover = dir.file("hover.png"), pressed = dir.file("pressed.png");
    const Handled h = Handle("move 111 111\ndump " + hover + "\ndown\ndump " + pressed + "\nup\n");
    EXPECT_EQ(h.result, 1);
    EXPECT_EQ(bound, 6);
    EXPECT_EQ(Screen_Dump(hover).pixel(111, 111), 0x0000FF);
    EXPECT_EQ(Screen_Dump(pressed).pixel(111, 111), 0xFFFF00);
    EXPECT_EQ(Host_Pixel(111, 111), 0x00FF00);
    EXPECT_EQ(Trace_Lines(h.trace, {"cursor", "text"}), "cursor 18\n"
                                                         "text 1 116 144 4096 0,0,0 \"Vorschau\"\n"
                                                         "cursor 0\n");
}

TEST_F(Events, TooltipBoxPlacementAndItsClampAtTheScreenEdges) {
    struct Case {
        const char* text;
        int mx, my;
        Tooltip_Box_Place box;
    };
    // Font 0x1000: 6 px a character, 13 px a line; the screen is 800 x 600.
    const Case cases[] = {
        {"Hilfe", 100, 100, {100, 120, 140, 138}},
        {"Hilfe", 751, 100, {751, 120, 791, 138}},   // ends at 800 - 9 exactly: kept
        {"Hilfe", 752, 100, {751, 120, 791, 138}},   // one further: moved back
        {"Hilfe", 790, 590, {751, 573, 791, 591}},   // the bottom right corner
        {"Zeile eins\nzwei", 10, 10, {10, 30, 80, 61}},
        {"A\n", 10, 10, {10, 30, 26, 61}},           // a final line end adds an empty line
    };
    for (const Case& c : cases) {
        Tooltip_Box_Place p;
        const Headless_Run_Result run = Run_Headless("", [&] {
            M_XPOS = c.mx;
            M_YPOS = c.my;
            const Tooltip_Box_Place at = Place_Tooltip_Box(c.text, c.mx, c.my, Form_Tooltip_Margin);
            const int under = Host_Pixel(at.x1, at.y1);
            Show_Tooltip_Box(c.text, 1);
            EXPECT_TRUE(Tooltip_Box_Shown(&p));
            EXPECT_EQ(Host_Pixel(p.x1, p.y1), 0) << c.text;
            EXPECT_EQ(Host_Pixel(p.x2, p.y2), 0) << c.text;
            EXPECT_EQ(Host_Pixel(p.x1 + 1, p.y2 - 1), 0xFFFFFF) << c.text;
            Show_Tooltip_Box(c.text, 0);
            EXPECT_EQ(Host_Pixel(p.x1, p.y1), under) << c.text;   // the screen under it again
            return 0;
        });
        EXPECT_EQ(p.x1, c.box.x1) << c.text;
        EXPECT_EQ(p.y1, c.box.y1) << c.text;
        EXPECT_EQ(p.x2, c.box.x2) << c.text;
        EXPECT_EQ(p.y2, c.box.y2) << c.text;
        EXPECT_FALSE(Tooltip_Box_Shown(nullptr));
    }
}

TEST_F(Events, EnterOpensTheNextEnabledFieldAndTheLastEndsTheChain) {
    Set_Prop_Sheet_Edit_Float_Auto_Mode();   // a typed number replaces the old one
    double a = 1, b = 2, c = 3;
    Add_Float_Field_to_View_Area(area, 40, 40, &a, "%6.1f", 0, 0, &on);
    Set_View_Item_Change_Callback(area, Record_Change);
    Add_Float_Field_to_View_Area(area, 40, 80, &b, "%6.1f", 0, 0, &off);
    Set_View_Item_Change_Callback(area, Record_Change);
    Add_Float_Field_to_View_Area(area, 40, 120, &c, "%6.1f", 0, 0, &on);
    Set_View_Item_Change_Callback(area, Record_Change);
    const Handled h = Handle(Click(150, 138) + "type \"1.5\"\nkey Enter\ntype \"3.5\"\nkey Enter\n");
    EXPECT_EQ(h.result, 1);
    EXPECT_DOUBLE_EQ(a, 1.5);
    EXPECT_DOUBLE_EQ(b, 2);
    EXPECT_DOUBLE_EQ(c, 3.5);
    EXPECT_EQ(edited_numbers, (std::vector<double*>{&a, &c}));
    // Each editor opens at (X - 8, Y - 14): its text stands where the field's text stands.
    const std::string editors = Trace_Lines(h.trace, {"text"});
    EXPECT_NE(editors.find(" 140 140 0 0,0,0 \"1.5\""), std::string::npos) << editors;
    EXPECT_NE(editors.find(" 140 220 0 0,0,0 \"3.5\""), std::string::npos) << editors;
    EXPECT_EQ(editors.find(" 140 180 0 0,0,0 \"2.0\""), std::string::npos) << editors;
}

TEST_F(Events, EscInAFieldEndsTheChainAndTheCallbackRunsAfterEveryOpening) {
    double a = 1, b = 2;
    Add_Float_Field_to_View_Area(area, 40, 40, &a, "%6.1f", 0, 0, &on);
    Set_View_Item_Change_Callback(area, Record_Change);
    Add_Float_Field_to_View_Area(area, 40, 80, &b, "%6.1f", 0, 0, &on);
    const Handled h = Handle(Click(150, 138) + "type \"7\"\nkey Esc\n");
    EXPECT_EQ(h.result, 1);
    EXPECT_DOUBLE_EQ(a, 1);
    EXPECT_EQ(edited_numbers, (std::vector<double*>{&a}));
    EXPECT_EQ(Trace_Lines(h.trace, {"text"}).find(" 140 180 0 0,0,0 \"2.0\""), std::string::npos);
}

TEST_F(Events, EnterScrollsTheNextFieldIntoView) {
    double a = 1, b = 2;
    Add_Float_Field_to_View_Area(area, 40, 40, &a, "%6.1f", 0, 0, &on);
    Add_Float_Field_to_View_Area(area, 40, 500, &b, "%6.1f", 0, 0, &on);
    const Handled h = Handle(Click(150, 138) + "key Enter\nkey Esc\n");
    EXPECT_EQ(h.result, 1);
    // 100 + 500 + 4 reaches the bottom 383: the origin becomes 100 + 500 + 5 - 383.
    EXPECT_EQ(Scrollable_View_Areas[static_cast<std::size_t>(area)].origin_y, 222);
    EXPECT_NE(Trace_Lines(h.trace, {"text"}).find(" 140 378 0 0,0,0 \"2.0\""), std::string::npos);
}

TEST_F(Events, AFieldCutOffAtTheAreasTopOrBottomOpensNoEditor) {
    struct Case {
        int y, origin_y;
        bool opens;
    };
    // Baseline 11 px below the scroll origin: cut off; 12 px: opens. Y + 2 on the bottom (383): cut
    // off; one above: opens.
    const Case cases[] = {{111, 100, false}, {112, 100, true}, {281, 0, false}, {280, 0, true}};
    for (const Case& c : cases) {
        Clear_View_Area(area);
        Add_Filled_Rectangle_to_View_Area(area, 0, 0, 10, 1000, 0xFFFBF0);   // content 1000 px high
        double value = 4;
        Add_Float_Field_to_View_Area(area, 40, c.y, &value, "%6.1f", 0, 0, &on);
        Scroll_To(0, c.origin_y);
        const int Y = 100 + c.y - c.origin_y;
        const Handled h = Handle(Click(150, Y) + "key Esc\n");
        const bool opened = Trace_Lines(h.trace, {"text"}).find(" 140 " + std::to_string(Y) + " 0 0,0,0 \"4.0\"") != std::string::npos;
        EXPECT_EQ(h.result, c.opens ? 1 : 0) << c.y;
        EXPECT_EQ(opened, c.opens) << c.y;
    }
}

TEST_F(Events, TextFieldEditsTheCallersBufferAndCutsAnOverlongTextAt511) {
    char padded[11] = "ABC       ";
    Add_Text_Field_to_View_Area(area, 40, 40, padded, 0, 0, &on);
    EXPECT_EQ(Handle(Click(150, 138) + "type \"D\"\nkey Enter\n").result, 1);
    EXPECT_STREQ(padded, "ABCD      ");

    // Shown 10 characters wide, the text still grows to its 30: the editor scrolls.
    Clear_View_Area(area);
    char wide[31] = "AB                            ";
    Add_Text_Field_to_View_Area(area, 40, 40, wide, 0, 0, &on);
    Set_Text_Field_Width(area, 10);
    EXPECT_EQ(Handle(Click(150, 138) + "type \"CDEFGHIJKLMNOPQRSTUVWXYZ0123456789\"\nkey Enter\n").result, 1);
    EXPECT_STREQ(wide, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123");

    // 600 characters and a guard behind them: the editor holds 511, and the text comes back cut there.
    Clear_View_Area(area);
    struct {
        char text[601];
        char guard[8];
    } caller;
    std::memset(caller.text, 'a', 600);
    caller.text[0] = 'B';
    caller.text[600] = '\0';
    std::memcpy(caller.guard, "WACHE!!", 8);
    Add_Text_Field_to_View_Area(area, 40, 40, caller.text, 0, 0, &on);
    Set_Text_Field_Width(area, 20);
    EXPECT_EQ(Handle(Click(150, 138) + "key Home\nkey Delete\ntype \"C\"\nkey Enter\n").result, 1);
    EXPECT_EQ(std::strlen(caller.text), 511u);
    EXPECT_EQ(std::string(caller.text, 3), "Caa");
    EXPECT_STREQ(caller.guard, "WACHE!!");
}

TEST_F(Events, ShortKeysStoreTheAreasActionOrStayPendingForTheSheet) {
    // The fixture's settings: Esc and Enter on, F1 off.
    struct Case {
        const char* key;
        bool action;
        int result, target, pending;
    };
    const Case cases[] = {
        {"Esc", false, 0, 0, 27}, {"Esc", true, 1, 7, -1}, {"Enter", true, 1, 8, -1},
        {"F1", true, 0, 0, 315},  {"65", true, 0, 0, 'A'},
    };
    for (const Case& c : cases) {
        int target = 0;
        Set_View_Area_Esc_Action(area, 7, c.action ? &target : nullptr);
        Set_View_Area_Enter_Action(area, 8, c.action ? &target : nullptr);
        Set_View_Area_Help_Action(area, 9, c.action ? &target : nullptr);
        const Handled h = Handle(std::string("move 200 200\nkey ") + c.key + "\n");
        EXPECT_EQ(h.result, c.result) << c.key;
        EXPECT_EQ(target, c.target) << c.key;
        EXPECT_EQ(h.pending_key, c.pending) << c.key;
    }
}

TEST_F(Events, WaitMaskFollowsTheOptionsAndTheShortKeySettings) {
    const Sheet_Short_Key_Settings_Record kept = Sheet_Short_Key_Settings;
    int stop = 0;
    EXPECT_EQ(View_Area_Wait_Mask(area), 0x94022);
    Sheet_Short_Key_Settings = {};
    EXPECT_EQ(View_Area_Wait_Mask(area), 0x84022);
    Sheet_Short_Key_Settings.jump = 1;   // widens the mask only
    EXPECT_EQ(View_Area_Wait_Mask(area), 0x94022);
    Sheet_Short_Key_Settings = {};
    Set_View_Area_Key_Return(area, 1);
    Set_View_Area_Right_Click_Return(area, 1);
    Set_View_Area_Stop_Flag(area, &stop);
    EXPECT_EQ(View_Area_Wait_Mask(area), 0x4009402A);
    EXPECT_EQ(View_Area_Wait_Mask(20), 0);
    Sheet_Short_Key_Settings = kept;
}

TEST_F(Events, WaitEndsWhenTheMouseLeavesOrTheWheelTurnsAndABadAreaGivesNothing) {
    int value = 0;
    Add_Check_Box_to_View_Area(area, 60, 40, "Stahl", 0, 0, &value, &on);
    EXPECT_EQ(Handle("move 200 200\nmove 600 200\nclick 170 140\n").result, 0);   // left before the click
    EXPECT_EQ(value, 0);
    int scroll = 0;
    Run_Headless("move 200 200\nwheel -2\n", [&] {
        const int r = Handle_View_Area_Event(area);
        scroll = M_SCROLL;   // left to the library, which scrolls the area
        return r;
    });
    EXPECT_EQ(scroll, -2);
    // Inside a wait region the wait ends where the mouse leaves the region, still inside the area.
    Set_View_Area_Wait_Region(area, 0, 0, 150, 150);
    EXPECT_EQ(Handle("move 200 200\nmove 260 200\nclick 170 140\n").result, 0);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Handle_View_Area_Event(-1), 0);
    EXPECT_EQ(Handle_View_Area_Event(20), 0);
}

TEST_F(Events, ListEnterOpensTheNextFieldAClickOnARowDoesNot) {
    const Choice_List_Entry entries[] = {{0, "S235"}, {0, "S275"}, {0, "S355"}, {0, "S420"}, {0, "S460"}};
    struct Case {
        const char* script;
        int selected;
        bool next_opened;
    };
    // The list of the field at screen (140, 140) opens below it: row i from y 147 + 13 i.
    const Case cases[] = {
        {"click 150 140\nkey Down\nkey Enter\nkey Esc\n", 1, true},
        {"click 150 140\nclick 150 178\n", 2, false},
        {"click 150 140\nkey Esc\n", 0, false},
    };
    for (const Case& c : cases) {
        Clear_View_Area(area);
        changed_values.clear();
        int selected = 0;
        double next = 2;
        Add_Choice_List_to_View_Area(area, 40, 40, entries, 0, 10, 5, &selected, &on);
        Set_View_Item_Change_Callback(area, Record_Change);
        Add_Float_Field_to_View_Area(area, 40, 80, &next, "%6.1f", 0, 0, &on);
        const Handled h = Handle(c.script);
        EXPECT_EQ(h.result, 1) << c.script;
        EXPECT_EQ(selected, c.selected) << c.script;
        EXPECT_EQ(changed_values, (std::vector<int>{c.selected})) << c.script;   // also when unchanged
        const bool opened = Trace_Lines(h.trace, {"text"}).find(" 140 180 0 0,0,0 \"2.0\"") != std::string::npos;
        EXPECT_EQ(opened, c.next_opened) << c.script;
    }
}

TEST_F(Events, AnEmptyChoiceListIsNoFieldToOpen) {
    int selected = 0;
    double next = 2;
    Add_Choice_List_to_View_Area(area, 40, 40, nullptr, 0, 10, 0, &selected, &on);
    Set_View_Item_Change_Callback(area, Record_Change);
    EXPECT_EQ(Handle("click 150 140\n").result, 0);
    EXPECT_TRUE(changed_values.empty());
    // Nor does Enter in the field before it stop there: the chain goes on to the next field.
    Clear_View_Area(area);
    double first = 1;
    Add_Float_Field_to_View_Area(area, 40, 20, &first, "%6.1f", 0, 0, &on);
    Add_Choice_List_to_View_Area(area, 40, 40, nullptr, 0, 10, 0, &selected, &on);
    Add_Float_Field_to_View_Area(area, 40, 80, &next, "%6.1f", 0, 0, &on);
    const Handled h = Handle("click 150 118\nkey Enter\nkey Esc\n");
    EXPECT_EQ(h.result, 1);
    EXPECT_NE(Trace_Lines(h.trace, {"text"}).find(" 140 180 0 0,0,0 \"2.0\""), std::string::npos);
}

TEST_F(Events, AStopFlagEndsTheWaitBeforeAnyClick) {
    int value = 0, stop = 1;
    Add_Check_Box_to_View_Area(area, 60, 40, "Stahl", 0, 0, &value, &on);
    Set_View_Area_Stop_Flag(area, &stop);
    EXPECT_EQ(Handle(Click(170, 140)).result, 0);
    EXPECT_EQ(value, 0);
}

TEST_F(Events, MultiLineTextIsEditedWhenEnabledAndItsClickOutsideActsAtTheNextHandling) {
    struct Case {
        int enabled;
        const char* text;
        int spot;
    };
    // The text box over content (20, 20) to (220, 120), a hot spot under it and a check box below.
    const Case cases[] = {{1, "BemerkungX\n", 0}, {0, "Bemerkung\n", 5}};
    for (const Case& c : cases) {
        Clear_View_Area(area);
        char text[40] = "Bemerkung\n";
        int spot = 0, box = 0;
        Add_Multi_Line_Text_to_View_Area(area, 20, 20, 220, 120, text, 39, 0, 0xFFFFFF, 1, &c.enabled);
        Add_Hot_Spot_to_View_Area(area, 20, 20, 220, 120, 5, &spot);
        Add_Check_Box_to_View_Area(area, 60, 200, "Stahl", 0, 0, &box, &on);
        Handle(Click(150, 160) + "type \"X\"\n" + Click(170, 300), 2);
        EXPECT_STREQ(text, c.text) << c.enabled;
        EXPECT_EQ(spot, c.spot) << c.enabled;
        EXPECT_EQ(box, 1) << c.enabled;   // the second click, whether it ended an editing or not
    }
}

}  // namespace
