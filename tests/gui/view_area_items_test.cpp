#include "gui/view_area_items.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/text_width.h"
#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

// An area of 383 x 283 on a sheet over an 800 x 600 screen, all other slots free.
class ViewAreaItems : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(10, 10, 410, 310, 1, 1);
    }
    Scrollable_View_Area& A() { return Scrollable_View_Areas[static_cast<std::size_t>(area)]; }
    const View_Area_Item& Last() { return A().items.back(); }
    void Expect_Content(int width, int height) {
        EXPECT_EQ(A().content_width, width);
        EXPECT_EQ(A().content_height, height);
    }
};

const int enabled = 1;

TEST(TextWidth, IsTheExtentInTheCurrentFont) {
    Host_Open_Screen(100, 100);
    EXPECT_EQ(Get_Text_Width(nullptr), 0);
    EXPECT_EQ(Get_Text_Width(""), 0);
    EXPECT_EQ(Get_Text_Width("Stahl"), 40);   // 8 px a character after the start
    Pop_RFont(0x1000);
    EXPECT_EQ(Get_Text_Width("Stahl"), 30);
    Push_RFont();
    Exit_Grafik_Mode();
}

TEST_F(ViewAreaItems, ContentGrowsAsEachItemNeeds) {
    // A right-aligned text of 60 px (ten 6-px characters) ending at 300.
    Add_Text_to_View_Area(area, 300, 40, "Stahlbau12", 4096, 0, 1);
    EXPECT_EQ(Last().x1, 240);
    EXPECT_EQ(Last().y1, 40);
    Expect_Content(310, 50);
    Add_Text_to_View_Area(area, 300, 20, "Stahlbau12", 4096, 0, 0);   // starts at x
    EXPECT_EQ(Last().x1, 300);
    Expect_Content(370, 50);
    Add_Line_to_View_Area(area, 400, 90, 20, 30, 0);
    Expect_Content(410, 100);
    Add_Filled_Rectangle_to_View_Area(area, 0, 0, 420, 105, 0);   // no margin
    Expect_Content(420, 105);
    Add_Hot_Spot_to_View_Area(area, 0, 0, 415, 120, 3, nullptr);
    Expect_Content(425, 130);

    Clear_View_Area(area);
    Expect_Content(0, 0);
    // A 36 x 36 picture button at (560, 15): exactly to its far edges.
    Add_Picture_Button_to_View_Area(area, 560, 15, 36, 36, "Glory3.bmp", 0, 0xFFFBF0, 18, "Hilfe", 2, nullptr, &enabled);
    Expect_Content(596, 51);
    EXPECT_EQ(Last().x2, 596);
    EXPECT_EQ(Last().y2, 51);
    EXPECT_EQ(Last().font, 2);       // its own value
    EXPECT_EQ(Last().colour, 18);    // the hover cursor
    EXPECT_EQ(Last().second_text, "Hilfe");

    Clear_View_Area(area);
    // A check box label of six characters in font 0 (8 px each) from x = 50.
    int on = 0;
    Add_Check_Box_to_View_Area(area, 50, 60, "Knagge", 0x10000, 0, &on, &enabled);
    Expect_Content(50 + 48 + 10, 70);
    EXPECT_EQ(Last().x2, 1);   // bold
    Add_Check_Box_to_View_Area(area, 50, 80, nullptr, 0, 0, &on, &enabled);   // label-less
    EXPECT_FALSE(Last().has_text);
    Expect_Content(108, 90);
}

TEST_F(ViewAreaItems, FieldsMeasureTheirFormatsBuffersAndLists) {
    double value = 12345.678;   // "%5.1f" gives seven characters
    Add_Float_Field_to_View_Area(area, 100, 40, &value, "%6.1f", 4096, 0, &enabled);
    EXPECT_EQ(Last().state, 6);    // "   0.0"
    EXPECT_EQ(Last().font, 0);     // the field bit 0x1000 is removed as well
    EXPECT_EQ(Last().number, &value);
    Expect_Content(100 + 7 * 8 + 10, 50);
    Add_Float_Field_to_View_Area(area, 100, 60, &value, "%5.1f", 0, 0, &enabled);
    EXPECT_EQ(Last().state, 5);

    char text[26] = "ABC                      ";   // "ABC" and 22 blanks
    Add_Text_Field_to_View_Area(area, 10, 80, text, 0x11000, 0, &enabled);
    EXPECT_EQ(Last().state, 25);
    EXPECT_EQ(Last().y2, 25);
    EXPECT_EQ(Last().x2, 1);
    EXPECT_EQ(Last().buffer, text);
    Set_Text_Field_Width(area, 40);
    EXPECT_EQ(Last().y2, 25);
    Set_Text_Field_Width(area, 10);
    EXPECT_EQ(Last().y2, 10);

    const Choice_List_Entry entries[] = {{0, "S235"}, {0, "S275"}, {0, "S355"}};
    struct Case {
        int selected, kept;
    };
    for (const Case c : {Case{11, 0}, Case{3, 0}, Case{-1, 0}, Case{2, 2}, Case{0, 0}}) {
        int selected = c.selected;
        Add_Choice_List_to_View_Area(area, 20, 100, entries, 0, 12, 3, &selected, &enabled);
        EXPECT_EQ(selected, c.kept) << c.selected;
    }
    EXPECT_EQ(Last().state, 96);   // 12 characters of 8 px
    EXPECT_EQ(Last().colour, 12);
    EXPECT_EQ(Last().aux, 3);
    EXPECT_GE(A().content_width, 20 + 96 + 10);
    int eleven = 11;
    Add_Choice_List_to_View_Area(area, 20, 120, entries, 0, 12, 11, &eleven, &enabled);
    EXPECT_EQ(eleven, 0);
}

TEST_F(ViewAreaItems, StyleBitsGiveTheStyleCode) {
    struct Case {
        int font;
        int text_style, box_style;
    };
    const Case cases[] = {
        {0x1000, 0, 0}, {0x11000, 1, 1}, {0x21000, 2, 0}, {0x41000, 3, 0}, {0x61000, 2, 0}, {0x51000, 3, 1}, {0x71000, 2, 1},
    };
    for (const Case& c : cases) {
        Add_Text_to_View_Area(area, 0, 20, "a", c.font, 0, 0);
        EXPECT_EQ(Last().x2, c.text_style) << std::hex << c.font;
        EXPECT_EQ(Last().font, 0x1000);
        Add_Radio_Button_to_View_Area(area, 30, 20, "b", c.font, 0, 4, nullptr, &enabled);
        EXPECT_EQ(Last().x2, c.box_style) << std::hex << c.font;
        EXPECT_EQ(Last().state, 4);
    }
}

TEST_F(ViewAreaItems, SettersReachOnlyTheirKindAndOrderIsKept) {
    const auto callback = [](int, double*) {};
    char text[6] = "Kopf ";
    Add_Text_Field_to_View_Area(area, 0, 20, text, 0, 0, &enabled);
    Set_View_Item_Change_Callback(area, callback);
    EXPECT_EQ(Last().on_change, nullptr);
    Add_Line_to_View_Area(area, 0, 0, 5, 5, 0);
    Set_View_Item_Change_Callback(area, callback);
    Set_Text_Field_Width(area, 1);
    Set_Hot_Spot_Cursor(area, 18);
    EXPECT_EQ(Last().on_change, nullptr);
    EXPECT_EQ(A().items[0].y2, 5);   // the text field before the line is not the last item
    int on = 0;
    Add_Check_Box_to_View_Area(area, 40, 20, "x", 0, 0, &on, &enabled);
    Set_View_Item_Change_Callback(area, callback);
    EXPECT_EQ(Last().on_change, +callback);

    int target = 0;
    Add_Hot_Spot_to_View_Area(area, 0, 0, 10, 10, 7, &target);
    Set_Hot_Spot_Cursor(area, 18);
    Set_Hot_Spot_Tooltip(area, "Hilfe", 0x11000, 0xFF0000, 1);
    EXPECT_EQ(Last().state, 18);
    EXPECT_EQ(Last().text, "Hilfe");
    EXPECT_EQ(Last().aux, 0x11);
    EXPECT_EQ(Last().font, 0x1000);
    EXPECT_EQ(Last().target, &target);

    const View_Item_Kind order[] = {View_Item_Kind::Text_Field, View_Item_Kind::Line, View_Item_Kind::Check_Box, View_Item_Kind::Hot_Spot};
    ASSERT_EQ(A().items.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(A().items[k].kind, order[k]);

    // A bad area takes nothing.
    Add_Text_to_View_Area(-1, 0, 0, "x", 0, 0, 0);
    Add_Line_to_View_Area(19, 0, 0, 1, 1, 0);
    EXPECT_EQ(A().items.size(), 4u);
}

TEST_F(ViewAreaItems, ClearingFreesOwnCopiesOnlyAndMarksCut) {
    char label[] = "Beiwert";
    char buffer[] = "Text im Feld    ";
    const Choice_List_Entry entries[] = {{0, "eins"}, {0, "zwei"}};
    int selected = 1;
    Add_Text_to_View_Area(area, 0, 20, label, 0, 0, 0);
    label[0] = 'X';   // the item holds its own copy
    EXPECT_EQ(Last().text, "Beiwert");
    Add_Mark_to_View_Area(area, 5);
    Add_Text_Field_to_View_Area(area, 0, 40, buffer, 0, 0, &enabled);
    Add_Mark_to_View_Area(area, 6);
    Add_Choice_List_to_View_Area(area, 0, 60, entries, 0, 8, 2, &selected, &enabled);
    Remove_View_Area_Items_From_Mark(area, 6);
    EXPECT_EQ(A().items.size(), 3u);
    Remove_View_Area_Items_From_Mark(area, 9);   // no such mark
    EXPECT_EQ(A().items.size(), 3u);
    Clear_View_Area(area);
    EXPECT_TRUE(A().items.empty());
    // The caller's buffer and entries are untouched (and the sanitizer saw no free of them).
    EXPECT_STREQ(buffer, "Text im Feld    ");
    EXPECT_STREQ(entries[1].text, "zwei");
    EXPECT_EQ(selected, 1);

    Add_Text_Field_to_View_Area(area, 0, 40, buffer, 0, 0, &enabled);
    Release_View_Area(area);
    EXPECT_STREQ(buffer, "Text im Feld    ");
}

// Painter data that an item owns: each release counts its own tag.
std::vector<int> released;
void Count_Release(void* data) { released.push_back(*static_cast<int*>(data)); }

TEST_F(ViewAreaItems, OwnedPainterDataIsReleasedWithItsItem) {
    released.clear();
    int tags[] = {1, 2, 3, 4, 5};
    Add_Owning_Painter_to_View_Area(area, 0, 0, 20, 20, &tags[0], nullptr, Count_Release);
    EXPECT_EQ(Last().data, &tags[0]);
    Add_Mark_to_View_Area(area, 7);
    Add_Owning_Painter_to_View_Area(area, 0, 0, 20, 20, &tags[1], nullptr, Count_Release);
    Add_Painter_to_View_Area(area, 0, 0, 20, 20, &tags[2], nullptr);   // the caller keeps this one
    EXPECT_TRUE(released.empty());
    Remove_View_Area_Items_From_Mark(area, 7);
    EXPECT_EQ(released, std::vector<int>({2}));
    Clear_View_Area(area);
    EXPECT_EQ(released, std::vector<int>({2, 1}));
    Add_Owning_Painter_to_View_Area(area, 0, 0, 20, 20, &tags[3], nullptr, Count_Release);
    Release_View_Area(area);
    EXPECT_EQ(released, std::vector<int>({2, 1, 4}));
    // A bad area cannot hold it: released at once.
    Add_Owning_Painter_to_View_Area(-1, 0, 0, 20, 20, &tags[4], nullptr, Count_Release);
    EXPECT_EQ(released, std::vector<int>({2, 1, 4, 5}));
}

TEST(CopyTextBounded, CopiesAtMostNCharactersWithZerosBehind) {
    struct Case {
        const char* text;
        int n;
        std::string expected;   // all n + 1 bytes
    };
    const Case cases[] = {
        {"Anmerkung", 4, std::string("Anme\0", 5)},
        {"ab", 4, std::string("ab\0\0\0", 5)},
        {nullptr, 3, std::string("\n\0\0\0", 4)},
        {"ab", 0, std::string("\0", 1)},
        {"ab", -3, std::string("\0", 1)},
    };
    for (const Case& c : cases) {
        char* copy = Copy_Text_Bounded(c.text, c.n);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(std::string(copy, c.expected.size()), c.expected) << c.n;
        std::free(copy);
    }
}

}  // namespace
