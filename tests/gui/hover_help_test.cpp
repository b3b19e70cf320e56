// Hover help boxes, hover pictures and the button adders of the dialog pages, on a page area at
// (412, 312) to (611, 461) of a 1024 x 768 screen. Font 4096 is 6 px a character.
#include "gui/hover_help.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/tool_folders_fixture.h"
#include "gui/dialog_engine.h"
#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"

namespace {

const int on = 1, off = 0;
constexpr int Box_Frame = 0x404040;

struct Box {
    int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.x1 << ", " << b.y1 << ")-(" << b.x2 << ", " << b.y2 << ")";
}

class HoverHelp : public testing::Test {
  protected:
    int escape = -1, area = -1, dx = 0, dy = 0, target = 0;
    void SetUp() override {
        setenv("EXEC", BASIS_SOURCE_DIR "/host/EXEC", 1);
        Release_All_View_Areas();
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        Define_Prop_Sheet(0, 0, 1023, 767, 0, 0, "", 0, 1);
        escape = Add_Escape_Area_to_PS(412, 312, 611, 461, 1, 2000);
        area = Create_Scrollable_View_Area(412, 312, 611, 461, 0, 0);
        Set_View_Area_Frame(area, 0);
        Activate_Prop_Sheet();
        Register_Hover_Area(escape, area, 412, 312, 611, 461, &dx, &dy);
        Select_Page_Context(area);
    }
    void TearDown() override {
        while (Unregister_Hover_Area() > 0) {
        }
        Select_Page_Context(-1);
        Release_All_View_Areas();
        Exit_Prop_Sheets();
        Exit_Grafik_Mode();
    }
    void Hover(int x, int y) {
        M_XPOS = x;
        M_YPOS = y;
        Update_Hover_Help();
    }
    // A new page with the item (10, 20)-(60, 38) and its help text.
    void Page_With_Help(const char* text, int placement, int alignment, const int* enabled = &on) {
        Clear_View_Area(area);
        Select_Page_Context(area);
        ASSERT_EQ(Add_Framed_Text_Button(area, 10, 20, 50, 0, 0, BLACK_CI, BLACK_CI, 0, "OK", 1, &target, enabled), 50);
        Set_Hover_Help_Text(text, placement, alignment);
        Show_View_Area(area);
    }
    std::size_t Items() const { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items.size(); }
    const View_Area_Item& Item(std::size_t k) const { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items[k]; }
};

// The help box on the screen: the rectangle of its dark frame, the only one on the sheet's face.
Box Shown_Box() {
    Box b;
    for (int y = 4; y < 764; ++y)
        for (int x = 4; x < 1020; ++x) {
            if (Host_Pixel(x, y) != Box_Frame) continue;
            if (b.x1 < 0 || x < b.x1) b.x1 = x;
            if (b.y1 < 0) b.y1 = y;
            b.x2 = std::max(b.x2, x);
            b.y2 = y;
        }
    return b;
}

std::vector<int> Pixels(int x1, int y1, int x2, int y2) {
    std::vector<int> p;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) p.push_back(Host_Pixel(x, y));
    return p;
}

int Count(int x1, int y1, int x2, int y2, int colour) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += Host_Pixel(x, y) == colour;
    return n;
}

}  // namespace

// Item (10, 20)-(60, 38): its centre x 35 lies at 447 on the screen, its top at 332, its bottom at
// 350. A box is 12 px a line + 6 high and its widest line + 3 + 6 wide.
TEST_F(HoverHelp, BoxSizeAndPlaceFollowTheTextPlacementAndAlignment) {
    struct Case {
        const char* text;
        int placement, alignment;
        Box box;
    };
    const Case cases[] = {
        {"Zeile 1\nZeile 2\nZeile 3", 1, 0, {447, 355, 447 + 51, 355 + 42}},   // below: from y2 + 5
        {"Hilfe", 0, 0, {447, 309, 447 + 39, 327}},                             // above: bottom 5 px over the item
        {"Hilfe", 0, 3, {447 - 39, 309, 447, 327}},                             // ends at the item's centre
        {"", 1, 0, {447, 355, 447 + 6, 355 + 18}},                              // an empty line measures 0
        {"1\n2\n3\n4\n5\n6\n7", 1, 0, {447, 355, 447 + 15, 355 + 66}},         // lines beyond the fifth dropped
    };
    for (const Case& c : cases) {
        Page_With_Help(c.text, c.placement, c.alignment);
        const std::vector<int> page = Pixels(300, 250, 700, 500);
        Hover(430, 340);
        EXPECT_EQ(Shown_Box(), c.box) << c.text;
        EXPECT_EQ(Count(c.box.x1 + 1, c.box.y1 + 1, c.box.x2 - 1, c.box.y1 + 1, WHITE_CI), c.box.x2 - c.box.x1 - 1) << c.text;
        Hover(430, 450);   // on the page, over no item: the box goes and the page is as before
        EXPECT_EQ(Shown_Box(), Box{}) << c.text;
        EXPECT_EQ(Pixels(300, 250, 700, 500), page) << c.text;
    }
}

TEST_F(HoverHelp, LongLineRunsOnAfter99Characters) {
    Page_With_Help(std::string(150, 'x').c_str(), 1, 0);
    const std::vector<int> page = Pixels(400, 300, 1023, 500);
    Hover(430, 340);
    // Two lines, 30 px high; the first 99 characters wide (its box runs off the screen's right edge).
    const Box b = Shown_Box();
    EXPECT_EQ(b.x1, 447);
    EXPECT_EQ(b.y1, 355);
    EXPECT_EQ(b.y2, 385);
    EXPECT_EQ(b.x2, 1019);   // the last column scanned
    // The letters of line k stand on y 367 + 12 k; an x fills the 6 rows above its baseline.
    const int line_end_1 = 447 + 3 + 51 * 6;
    EXPECT_GT(Count(line_end_1 - 6, 373, line_end_1 - 1, 378, BLACK_CI), 0);
    EXPECT_EQ(Count(line_end_1, 373, 1018, 378, BLACK_CI), 0);
    EXPECT_GT(Count(line_end_1, 361, 1018, 366, BLACK_CI), 0);
    Hover(430, 450);   // the part of the box on the screen is put back
    EXPECT_EQ(Pixels(400, 300, 1023, 500), page);
}

TEST_F(HoverHelp, OnlyTheInsideOfTheItemHitsAfterTheDisplacement) {
    struct Case {
        int dx, dy, x, y;
        bool hit;
    };
    const Case cases[] = {
        {0, 0, 422, 340, false}, {0, 0, 423, 340, true},  {0, 0, 471, 340, true},  {0, 0, 472, 340, false},
        {0, 0, 430, 332, false}, {0, 0, 430, 333, true},  {0, 0, 430, 349, true},  {0, 0, 430, 350, false},
        {5, 7, 427, 347, false}, {5, 7, 428, 347, true},  {5, 7, 423, 340, false},
    };
    for (const Case& c : cases) {
        dx = c.dx;
        dy = c.dy;
        Page_With_Help("Hilfe", 1, 0);
        Hover(c.x, c.y);
        const Box b = Shown_Box();
        if (c.hit) {
            EXPECT_EQ(b, (Box{447 + c.dx, 355 + c.dy, 486 + c.dx, 373 + c.dy})) << c.x << ", " << c.y;
        } else {
            EXPECT_EQ(b, Box{}) << c.x << ", " << c.y;
        }
        Hover(0, 0);
    }
}

// A page is built and painted anew after every event; the box of the item under the mouse comes
// back over the new page, and the old page's pixels never come back over it.
TEST_F(HoverHelp, BoxComesBackOverARebuiltPage) {
    Page_With_Help("Hilfe", 1, 0);
    Hover(430, 340);
    ASSERT_EQ(Shown_Box(), (Box{447, 355, 486, 373}));
    Page_With_Help("Hilfe", 1, 0);
    EXPECT_EQ(Shown_Box(), Box{});   // taken off before the page was painted
    Hover(431, 341);
    EXPECT_EQ(Shown_Box(), (Box{447, 355, 486, 373}));
    // The page changes under a shown box: leaving it shows the new page, not the old one.
    Clear_View_Area(area);
    Select_Page_Context(area);
    Add_Filled_Rectangle_to_View_Area(area, 0, 0, 199, 149, 0x00FF00);
    Show_View_Area(area);
    const std::vector<int> page = Pixels(412, 312, 611, 461);
    Hover(430, 450);
    EXPECT_EQ(Pixels(412, 312, 611, 461), page);
}

TEST_F(HoverHelp, NoBoxForDisabledItemsOrOverAnInactivePage) {
    Page_With_Help("Hilfe", 1, 0, &off);
    Hover(430, 340);
    EXPECT_EQ(Shown_Box(), Box{});
    Page_With_Help("Hilfe", 1, 0);
    Change_Activity_PS(escape, 0);
    Hover(430, 340);
    EXPECT_EQ(Shown_Box(), Box{});
    Change_Activity_PS(escape, 1);
    Hover(430, 340);
    EXPECT_NE(Shown_Box(), Box{});
}

TEST_F(HoverHelp, MovingStraightOntoAnotherItemShowsThatItemsHelp) {
    Clear_View_Area(area);
    Select_Page_Context(area);
    Add_Framed_Text_Button(area, 10, 20, 50, 0, 0, BLACK_CI, BLACK_CI, 0, "A", 1, &target, &on);
    Set_Hover_Help_Text("eins", 1, 0);
    Add_Framed_Text_Button(area, 60, 20, 50, 0, 0, BLACK_CI, BLACK_CI, 0, "B", 2, &target, &on);
    Set_Hover_Help_Text("zwei zwei", 1, 0);
    Show_View_Area(area);
    Hover(430, 340);
    EXPECT_EQ(Shown_Box(), (Box{447, 355, 447 + 33, 373}));
    Hover(480, 340);
    EXPECT_EQ(Shown_Box(), (Box{497, 355, 497 + 63, 373}));
}

// Two picture-text buttons side by side: the hover picture of the first stays while the mouse goes
// straight onto the second, and the first gets its normal look back once the mouse is over neither.
TEST_F(HoverHelp, HoverPictureStaysFromEntryToEntryAndIsUndoneAfter) {
    Clear_View_Area(area);
    Select_Page_Context(area);
    ASSERT_EQ(Add_Picture_Text_Button(area, 10, 60, 80, 0, 0, "Eins", 1, &target, &on), 80);
    ASSERT_EQ(Add_Picture_Text_Button(area, 100, 60, 80, 0, 0, "Zwei", 2, &target, &on), 80);
    Show_View_Area(area);
    constexpr int Normal_Top = 0xFAF9F4, Hover_Top = 0xF2F7FF;   // the pictures' first rows
    const int top = 312 + 61, a = 412 + 15, b = 412 + 105;
    ASSERT_EQ(Host_Pixel(a, top), Normal_Top);
    ASSERT_EQ(Host_Pixel(b, top), Normal_Top);
    const std::vector<int> first = Pixels(422, 372, 502, 390);
    const int ink = Count(422, 372, 502, 390, BLACK_CI);

    Hover(450, 381);
    EXPECT_EQ(Host_Pixel(a, top), Hover_Top);
    EXPECT_EQ(Host_Pixel(b, top), Normal_Top);
    EXPECT_GT(Count(422, 372, 502, 390, BLACK_CI), ink);   // the label turns bold
    Hover(540, 381);
    EXPECT_EQ(Host_Pixel(a, top), Hover_Top);
    EXPECT_EQ(Host_Pixel(b, top), Normal_Top);
    Hover(450, 440);
    EXPECT_EQ(Pixels(422, 372, 502, 390), first);   // normal picture and label again
    Hover(540, 381);
    EXPECT_EQ(Host_Pixel(b, top), Hover_Top);
    EXPECT_EQ(Host_Pixel(a, top), Normal_Top);
}

TEST_F(HoverHelp, WithoutARegisteredAreaTheHoverButtonsAddNothing) {
    EXPECT_EQ(Unregister_Hover_Area(), 0);
    EXPECT_EQ(Unregister_Hover_Area(), 0);
    Select_Page_Context(area);
    EXPECT_EQ(Add_Framed_Text_Button(area, 10, 20, 50, 0, 0, BLACK_CI, BLACK_CI, 0, "OK", 1, &target, &on), 0);
    EXPECT_EQ(Add_Picture_Text_Button(area, 10, 20, 50, 0, 0, "OK", 1, &target, &on), 0);
    EXPECT_EQ(Add_Hover_Picture_Button(area, 10, 20, 36, 51, 0, 0, "a.bmp", "b.bmp", "c.bmp", "d.bmp", 0, 1, &target, &on), 0);
    EXPECT_EQ(Items(), 0u);
    Set_Hover_Help_Text("Hilfe", 1, 0);
    Hover(430, 340);
    EXPECT_EQ(Shown_Box(), Box{});
    // A plain picture hot spot needs no hover engine.
    EXPECT_EQ(Add_Picture_Hot_Spot(area, 10, 20, 36, 51, 0, 0, "a.bmp", "b.bmp", 0, 1, &target, &on), 51);
    EXPECT_EQ(Items(), 2u);
}

TEST_F(HoverHelp, ButtonRectangleFollowsTheAlignments) {
    struct Case {
        int vertical, horizontal;
        int x1, y1;
    };
    const Case cases[] = {{0, 0, 100, 50}, {0, 1, 60, 50}, {0, 4, 80, 50}, {2, 0, 100, 14}, {4, 4, 80, 32}, {3, 3, 100, 50}};
    for (const Case& c : cases) {
        EXPECT_EQ(Add_Picture_Hot_Spot(area, 100, 50, 36, 40, c.vertical, c.horizontal, "a.bmp", nullptr, 0, 1, &target, &on), 40);
        const Page_Context& p = Current_Page_Context();
        EXPECT_EQ(p.last_x1, c.x1) << c.vertical << " " << c.horizontal;
        EXPECT_EQ(p.last_y1, c.y1) << c.vertical << " " << c.horizontal;
        EXPECT_EQ(p.last_x2, c.x1 + 40);
        EXPECT_EQ(p.last_y2, c.y1 + 36);
        EXPECT_EQ(p.last_state, 1);
    }
    // Disabled: only the inactive picture, no hot spot; without one, nothing at all.
    Clear_View_Area(area);
    EXPECT_EQ(Add_Picture_Hot_Spot(area, 0, 0, 36, 40, 0, 0, "a.bmp", "grau.bmp", 0, 1, &target, &off), 40);
    ASSERT_EQ(Items(), 1u);
    EXPECT_EQ(Item(0).kind, View_Item_Kind::Bitmap);
    EXPECT_EQ(Item(0).text, "grau.bmp");
    EXPECT_EQ(Current_Page_Context().last_state, 0);
    EXPECT_EQ(Add_Picture_Hot_Spot(area, 0, 0, 36, 40, 0, 0, "a.bmp", nullptr, 0, 1, &target, &off), 0);
    EXPECT_EQ(Items(), 1u);
}

TEST_F(HoverHelp, TextButtonsLookAndClick) {
    // Framed, enabled: four frame lines, the label centred on the baseline 14 px below the top, a hot spot.
    EXPECT_EQ(Add_Framed_Text_Button(area, 10, 20, 50, 0, 0, 0x0000FF, 0xFF0000, 0, "OK", 7, &target, &on), 50);
    ASSERT_EQ(Items(), 6u);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(Item(k).colour, 0xFF0000);
    EXPECT_EQ(Item(4).text, "OK");
    EXPECT_EQ(Item(4).x1, 10 + (50 - 16) / 2);
    EXPECT_EQ(Item(4).y1, 34);
    EXPECT_EQ(Item(4).colour, 0x0000FF);
    EXPECT_EQ(Item(5).kind, View_Item_Kind::Hot_Spot);
    // Disabled: grey frame and label, no hot spot.
    Clear_View_Area(area);
    Add_Framed_Text_Button(area, 10, 20, 50, 0, 0, 0x0000FF, 0xFF0000, 0, "OK", 7, &target, &off);
    ASSERT_EQ(Items(), 5u);
    EXPECT_EQ(Item(0).colour, 0xC4C4C4);
    EXPECT_EQ(Item(4).colour, 0xC6C3C6);
    // On a picture: the background first, frame 144, 144, 144, black label.
    Clear_View_Area(area);
    Add_Picture_Text_Button(area, 10, 20, 50, 0, 0, "OK", 7, &target, &on);
    ASSERT_EQ(Items(), 7u);
    EXPECT_EQ(Item(0).text, "textbuttonbg.bmp");
    EXPECT_EQ(Item(1).colour, 0x909090);
    EXPECT_EQ(Item(5).colour, 0x000000);
    Clear_View_Area(area);
    Add_Picture_Text_Button(area, 10, 20, 50, 0, 0, "OK", 7, &target, &off);
    ASSERT_EQ(Items(), 6u);
    EXPECT_EQ(Item(0).text, "TextButtonBgInaktive.bmp");
}

TEST_F(HoverHelp, PictureRadioButtonAndCheckBoxShowTheirStatePicture) {
    struct Case {
        int target;
        const int* enabled;
        const char* radio;
        const char* box;
    };
    const Case cases[] = {{3, &on, "sel.bmp", "an.bmp"}, {0, &on, "nicht.bmp", "aus.bmp"},
                          {3, &off, "sel_grau.bmp", "an_grau.bmp"}, {0, &off, "nicht_grau.bmp", "aus_grau.bmp"}};
    for (const Case& c : cases) {
        int value = c.target;
        Clear_View_Area(area);
        EXPECT_EQ(Add_Picture_Radio_Button(area, 40, 30, 3, &value, "sel.bmp", "nicht.bmp", "sel_grau.bmp", "nicht_grau.bmp", c.enabled), 12);
        ASSERT_EQ(Items(), 2u);
        EXPECT_EQ(Item(0).kind, View_Item_Kind::Radio_Button);
        EXPECT_EQ(Item(0).x1, 60);
        EXPECT_EQ(Item(1).text, c.radio);
        EXPECT_EQ(Item(1).x1, 40);
        EXPECT_EQ(Item(1).y1, 20);
        EXPECT_EQ(Item(1).x2, 51);
        EXPECT_EQ(Item(1).y2, 31);
        Clear_View_Area(area);
        EXPECT_EQ(Add_Picture_Check_Box(area, 40, 30, &value, "an.bmp", "aus.bmp", "an_grau.bmp", "aus_grau.bmp", c.enabled), 12);
        ASSERT_EQ(Items(), 2u);
        EXPECT_EQ(Item(0).kind, View_Item_Kind::Check_Box);
        EXPECT_EQ(Item(1).text, c.box);
    }
}

TEST_F(HoverHelp, ImportDeleteAndExplorerButtonsWithTheirTextsAndTooltips) {
    struct Expected {
        std::string file, tooltip;
        int row, x, y, width, height, transparent;
    };
    auto Expect_Button = [&](const View_Area_Item& it, const Expected& e) {
        EXPECT_EQ(it.kind, View_Item_Kind::Picture_Button);
        EXPECT_EQ(it.text, e.file);
        EXPECT_EQ(it.second_text, e.tooltip);
        EXPECT_EQ(it.state, e.row);
        EXPECT_EQ(it.x1, e.x);
        EXPECT_EQ(it.y1, e.y);
        EXPECT_EQ(it.x2 - it.x1, e.width);
        EXPECT_EQ(it.y2 - it.y1, e.height);
        EXPECT_EQ(it.aux, e.transparent);
        EXPECT_EQ(it.colour, 18);
    };
    EXPECT_EQ(Add_Explorer_Button(20, 30, 4, &target, &on), 38);
    Expect_Button(Item(0), {"deskbuts.bmp", "Aufruf Eplorer um Datei zu finden", 250, 20, 30, 38, 38, 0xFFFBF0});

    Clear_View_Area(area);
    EXPECT_EQ(Add_Delete_Button(20, 30, "alles weg", 4, &target, &on), 51 + 32 * 6);
    Expect_Button(Item(0), {"SniGrImportButton.bmp", "alles weg", 36, 20, 30, 51, 36, 0xC6DEE4});
    EXPECT_EQ(Item(1).text, ".... alle Lastkollektive l\x94schen");
    EXPECT_EQ(Item(1).x1, 71);
    EXPECT_EQ(Item(1).y1, 42);

    Clear_View_Area(area);
    const std::string file_prompt = "Lastkollektive importieren aus Datei ...";
    EXPECT_EQ(Add_File_Import_Button(20, 30, nullptr, 4, &target, &on), 40 * 6 + 54);
    EXPECT_EQ(Item(0).text, file_prompt);
    Expect_Button(Item(1), {"SniGrImportButton.bmp", "Werte aus ASCII-Datei\nimportieren", 76, 20 + 240 + 3, 14, 51, 36, 0xFFFFFF});
    EXPECT_EQ(*Item(1).enabled, 1);
    Clear_View_Area(area);
    EXPECT_EQ(Add_File_Import_Button(20, 30, "Lasten lesen aus", 4, &target, &off), 26 * 6 + 54);
    EXPECT_EQ(Item(0).text, "Lasten lesen aus Datei ...");
    EXPECT_EQ(*Item(1).enabled, 0);

    // Without the flag: the name as text; the button stays disabled.
    Clear_View_Area(area);
    EXPECT_EQ(Add_Host_Import_Button(20, 30, nullptr, 4, &target, &off), 28 * 6 + 6 * 6 + 14 * 6 + 54);
    ASSERT_EQ(Items(), 4u);
    EXPECT_EQ(Item(0).text, "Lagergr\x94\xe1" "en importieren aus ");
    EXPECT_EQ(Item(1).text, "Talvo-");
    EXPECT_EQ(Item(1).x1, 20 + 168);
    EXPECT_EQ(Item(2).text, "Programmen ...");
    EXPECT_EQ(Item(2).x1, 20 + 204);
    Expect_Button(Item(3), {"SniGrImportButton.bmp", "Werte aus VEK-Bauteil\nimportieren", 0, 20 + 288 + 3, 7, 51, 33, 0xFFFFFF});
    EXPECT_EQ(*Item(3).enabled, 0);
}

// With the flag the product mark stands after the prompt, and the button is enabled only when the
// host's selection tool can be run.
TEST_F(HoverHelp, HostImportButtonNeedsTheSelectionTool) {
    const char* const temp = std::getenv("TEMP");
    const std::string kept_temp = temp ? temp : "";
    Tool_Folders folders;
    for (const bool tool : {false, true}) {
        if (tool) folders.Tool("schnittgroessenauswahl", "exit 0\n");
        Clear_View_Area(area);
        EXPECT_EQ(Add_Host_Import_Button(20, 30, "Lasten aus ", 4, &target, &on), 11 * 6 + 55 + 14 * 6 + 54);
        ASSERT_EQ(Items(), 4u);
        EXPECT_EQ(Item(1).kind, View_Item_Kind::Bitmap);
        EXPECT_EQ(Item(1).text, "SniTalvo.bmp");
        EXPECT_EQ(Item(1).x1, 20 + 66);
        EXPECT_EQ(Item(1).y1, 18);
        EXPECT_EQ(Item(1).x2, 20 + 66 + 54);
        EXPECT_EQ(Item(1).y2, 31);
        EXPECT_EQ(Item(2).x1, 20 + 66 + 55);
        EXPECT_EQ(*Item(3).enabled, tool ? 1 : 0);
    }
    if (temp) setenv("TEMP", kept_temp.c_str(), 1);
    else unsetenv("TEMP");
}

namespace {

// A dialog page with a label as its one item (10, 20)-(60, 38) and its help text, and what each build
// pass found on the screen where the box stands (the default page area lies at 412, 312 as above).
std::vector<int> box_at_pass;

void Build_Help_Page(int, int) {
    Add_Label(12, 32, "Stahl", &on);
    Set_Last_Page_Item(10, 20, 60, 38, 1);
    Set_Hover_Help_Text("Hilfe", 1, 0);
}

void Look_At_The_Page(int) { box_at_pass.push_back(Host_Pixel(447, 355) == Box_Frame); }

}  // namespace

// In a running dialog the sheet editor's wait draws the box as the mouse comes onto the item.
TEST(HoverHelpInDialog, SheetEditorShowsTheBoxOfTheItemUnderTheMouse) {
    Dialog_Description d;
    Dialog_Page page;
    Init_Dialog_Description(&d);
    Init_Dialog_Pages(1, &page);
    page.builder = Build_Help_Page;
    d.pass_callback = Look_At_The_Page;
    box_at_pass.clear();
    int result = -1;
    Run_Headless("move 430 340\nwait 100\nkey Esc\n", [&] {
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        Release_All_View_Areas();
        result = Run_Dialog(&d, &page);
        return 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(box_at_pass, (std::vector<int>{0, 1}));
    EXPECT_EQ(Hover_Area_Count(), 0);
}
