// Labels of the dialog pages: escaped-text widths, the label width rules and what each adder puts
// into the page's view area. The stand-in's faces are fixed pitch: font 4096 is 6 pixels a
// character, 4098 5 pixels, font 0 8 pixels.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "gui/hover_help.h"
#include "gui/page_context.h"
#include "gui/page_area_fixture.h"
#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "gui/world_items.h"
#include "platform/host/host_library.h"

namespace {

// The page fixture's area, text colour Ink and fill colour Paint.
class Page_Labels : public Page_Area_Sheet {
  protected:
    static int Greyed() { return Nearest_Color_Index(198, 195, 198); }
};

// Width of a text in the current font by the escape rules, here in font 4096.
int Escaped_Width(const char* text) {
    Pop_RFont(4096);
    const int width = Get_Escaped_Text_Width(text);
    Push_RFont();
    return width;
}

TEST(Escaped_Text_Width, CountsOnlyTheVisiblePayloadOfEscapes) {
    Host_Open_Screen(800, 600);
    struct Case {
        const char* text;
        int characters;   // the characters that count, 6 pixels each
    } const cases[] = {
        {"abc", 3},
        {"", 0},
        // b: a payload of two or more characters counts, a single letter does not.
        {"ab╬bxy╬rcd"_cp, 6},
        {"ab╬bx╬rcd"_cp, 4},
        {"ab╬Bxyz╬Rcd"_cp, 7},
        // c: only what follows the first blank (the colour numbers are hidden).
        {"╬c0,128,0 grün╬r"_cp, 4},
        {"ab╬C0,128,0 rot╬rcd"_cp, 7},
        {"ab╬c0,128,0╬rcd"_cp, 4},
        // Any other letter hides its payload.
        {"ab╬ixy╬rcd"_cp, 4},
        // The closing letter never counts; with only that letter left the text ends.
        {"ab╬bxy╬r"_cp, 4},
        {"ab╬bxy╬"_cp, 4},
        // Two escapes in a row with text between them.
        {"╬bxy╬ra╬cz w╬rb"_cp, 5},
        // An escape left open ends the text after its payload.
        {"ab╬bxyz"_cp, 5},
        {"ab╬cxx yy"_cp, 4},
        {"ab╬ixyz cd"_cp, 2},
        // A 0xCE as the last byte, or with its letter only, ends the measurement.
        {"ab╬"_cp, 2},
        {"ab╬b"_cp, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(Escaped_Width(c.text), 6 * c.characters) << c.text;
    EXPECT_EQ(Escaped_Width(nullptr), 0);
    Exit_Grafik_Mode();
}

TEST(Label_Width, AddsThreeAndTwoMoreForAStyle) {
    Host_Open_Screen(800, 600);
    struct Case {
        const char* text;
        int font;
        int width;
    } const cases[] = {
        {"abc", 4096, 18 + 3},
        {"abc", 4096 | 0x10000, 18 + 5},
        {"abc", 4096 | 0x20000, 18 + 5},
        {"abc", 4096 | 0x40000, 18 + 5},
        {"abc", 0, 24 + 3},
        {"abc", 4098, 15 + 3},
        {"", 4096, 0},
        {"", 4096 | 0x10000, 2},
        {nullptr, 4096, 0},
        {"╬bx╬r"_cp, 4096, 0},
        {"ab╬bxy╬r"_cp, 4096 | 0x10000, 24 + 5},
    };
    for (const Case& c : cases) EXPECT_EQ(Get_Label_Width(c.text, c.font), c.width) << (c.text ? c.text : "null") << " " << c.font;

    // The current font is the same afterwards.
    Pop_RFont(0x1002);
    Get_Label_Width("abc", 0);
    EXPECT_EQ(Host_Current_Font(), 0x1002);
    Push_RFont();
    Exit_Grafik_Mode();
}

TEST(Choice_Field_Width, WidestLabelCutToEightsPlus33) {
    Host_Open_Screen(800, 600);
    const char texts[3][12] = {"ab", "abcdefg", "abc"};
    // "abcdefg": 42 + 3 = 45 -> 40; the style bits of the font are not measured.
    EXPECT_EQ(Get_Choice_Field_Width(texts[0], 12, 3, 4096), 73);
    EXPECT_EQ(Get_Choice_Field_Width(texts[0], 12, 3, 4096 | 0x10000), 73);
    // "ab" alone: 15 -> 8.
    EXPECT_EQ(Get_Choice_Field_Width(texts[0], 12, 1, 4096), 41);
    // Font 0: "abcdefg" 56 + 3 = 59 -> 56.
    EXPECT_EQ(Get_Choice_Field_Width(texts[0], 12, 3, 0), 89);
    EXPECT_EQ(Get_Choice_Field_Width(texts[0], 12, 0, 4096), 33);
    EXPECT_EQ(Get_Choice_Field_Width(texts[0], 12, -2, 4096), 33);
    EXPECT_EQ(Get_Choice_Field_Width(nullptr, 12, 3, 4096), 33);
    Exit_Grafik_Mode();
}

TEST_F(Page_Labels, SelectTakesTheOffsetsOfTheLastRegisteredEntryOfTheArea) {
    int dx = 3, dy = 4, dx2 = 5, dy2 = 6;
    Register_Hover_Area(7, area, 412, 312, 611, 461, &dx, &dy);
    Register_Hover_Area(9, area + 1, 10, 20, 30, 40, &dx2, &dy2);
    Register_Hover_Area(8, area, 420, 330, 600, 450, &dx2, &dy2);
    Set_Page_Font(0x11000);
    Select_Page_Context(area);
    const Page_Context& c = Current_Page_Context();
    EXPECT_EQ(c.area, area);
    EXPECT_EQ(c.font, 4096);
    EXPECT_EQ(c.text_colour, Nearest_Color_Index(0, 0, 0));
    EXPECT_EQ(c.fill_colour, Nearest_Color_Index(255, 255, 255));
    EXPECT_EQ(c.hover_escape, 8);
    EXPECT_EQ(c.hover_left, 420);
    EXPECT_EQ(c.hover_top, 330);
    EXPECT_EQ(c.hover_dx, &dx2);
    EXPECT_EQ(c.hover_dy, &dy2);

    // An area that is not registered has no offsets, even after a registered one.
    Select_Page_Context(area + 2);
    EXPECT_EQ(c.hover_escape, -1);
    EXPECT_EQ(c.hover_left, -1000);
    EXPECT_EQ(c.hover_top, -1000);
    EXPECT_EQ(c.hover_dx, nullptr);
    EXPECT_EQ(c.hover_dy, nullptr);
}

// A page rebuild drops the help boxes of the page before: the mouse over the old item shows nothing.
TEST(Page_Context_Select, EmptiesTheHelpBoxesOfThePageBefore) {
    Release_All_View_Areas();
    Host_Open_Screen(1024, 768);
    Init_Prop_Sheets();
    Define_Prop_Sheet(0, 0, 1023, 767, 0, 0, "", 0, 1);
    const int escape = Add_Escape_Area_to_PS(412, 312, 611, 461, 1, 2000);
    const int area = Create_Scrollable_View_Area(412, 312, 611, 461, 0, 0);
    Activate_Prop_Sheet();
    int dx = 0, dy = 0;
    Register_Hover_Area(escape, area, 412, 312, 611, 461, &dx, &dy);
    auto frame_shown = [] {
        const int frame = Nearest_RGB_Color(64, 64, 64);
        for (int y = 300; y < 480; ++y)
            for (int x = 400; x < 700; ++x)
                if (Host_Pixel(x, y) == frame) return true;
        return false;
    };
    for (const bool rebuilt : {false, true}) {
        Select_Page_Context(area);
        Set_Last_Page_Item(10, 20, 60, 38, 1);
        Set_Hover_Help_Text("Hilfe", 1, 0);
        if (rebuilt) Select_Page_Context(area);
        M_XPOS = 430, M_YPOS = 340;
        Update_Hover_Help();
        EXPECT_EQ(frame_shown(), !rebuilt);
        M_XPOS = 0, M_YPOS = 0;
        Update_Hover_Help();
        EXPECT_FALSE(frame_shown());
    }
    while (Unregister_Hover_Area() > 0) {
    }
    Select_Page_Context(-1);
    Release_All_View_Areas();
    Exit_Prop_Sheets();
    Exit_Grafik_Mode();
}

TEST_F(Page_Labels, ReadOnlyBackgroundIsLightGreyUntilSet) {
    EXPECT_EQ(Get_Read_Only_Background(), Nearest_Color_Index(220, 220, 220));
    Set_Read_Only_Background(0x123456);
    EXPECT_EQ(Get_Read_Only_Background(), 0x123456);
    EXPECT_EQ(Page_Enabled, 1);
    EXPECT_EQ(Page_Disabled, 0);
}

TEST_F(Page_Labels, AlignedLabelPlacesByAlignAndBaseline) {
    struct Case {
        int baseline, align;
        int x, y;
    } const cases[] = {
        {0, 0, 100, 59}, {4, 0, 100, 55}, {2, 0, 100, 50}, {-1, 1, 76, 50}, {0, 1, 76, 59}, {4, 4, 88, 55}, {0, 2, 100, 59},
    };
    for (const Case& c : cases) {
        Clear_View_Area(area);
        // "abcd" measures 24; the escape adds nothing and does not shift the alignment.
        EXPECT_EQ(Add_Aligned_Label(100, 50, "abcd╬ix╬r"_cp, c.baseline, c.align, &Page_Enabled), 27);
        ASSERT_EQ(Items().size(), 1u);
        EXPECT_EQ(Items()[0].kind, View_Item_Kind::Text);
        EXPECT_EQ(Items()[0].x1, c.x) << c.baseline << " " << c.align;
        EXPECT_EQ(Items()[0].y1, c.y) << c.baseline << " " << c.align;
        EXPECT_EQ(Items()[0].colour, Ink);
    }
}

TEST_F(Page_Labels, LabelAddersTakeTheirFontsAndWidths) {
    Set_Page_Font(4096);
    const int off = 0, on = 1;
    struct Case {
        const char* name;
        int width;
        int font;    // as the item keeps it, style bits removed
        int style;   // 0 plain, 1 bold, 2 strong shadow
        int colour;
    };
    std::vector<Case> cases;
    auto add = [&](const char* name, int width) {
        ASSERT_FALSE(Items().empty()) << name;
        const View_Area_Item& it = Items().back();
        cases.push_back({name, width, it.font, it.x2, it.colour});
    };
    add("label", Add_Label(10, 20, "abc", &on));
    add("label, no flag", Add_Label(10, 20, "abc", nullptr));
    add("label greyed", Add_Label(10, 20, "abc", &off));
    add("label value greyed", Add_Label_Value(10, 20, "abc", 0));
    add("label value", Add_Label_Value(10, 20, "abc", 5));
    add("shadow", Add_Shadow_Label(10, 20, "abc", &on));
    add("small", Add_Small_Label(10, 20, "abc", &on));
    add("small bold", Add_Small_Bold_Label(10, 20, "abc", &off));
    const std::vector<Case> expected = {
        {"label", 21, 4096, 0, Ink},
        {"label, no flag", 21, 4096, 0, Ink},
        {"label greyed", 21, 4096, 0, Greyed()},
        {"label value greyed", 21, 4096, 0, Greyed()},
        {"label value", 21, 4096, 0, Ink},
        {"shadow", 23, 4096, 2, Ink},
        {"small", 18, 4098, 0, Ink},
        {"small bold", 20, 4098, 1, Greyed()},
    };
    ASSERT_EQ(cases.size(), expected.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].width, expected[i].width) << expected[i].name;
        EXPECT_EQ(cases[i].font, expected[i].font) << expected[i].name;
        EXPECT_EQ(cases[i].style, expected[i].style) << expected[i].name;
        EXPECT_EQ(cases[i].colour, expected[i].colour) << expected[i].name;
    }

    // Empty labels: the style's 2 pixels or nothing.
    EXPECT_EQ(Add_Label(10, 20, "", &on), 0);
    EXPECT_EQ(Add_Shadow_Label(10, 20, "", &on), 2);
    EXPECT_EQ(Add_Small_Bold_Label(10, 20, "", &on), 2);
    Set_Page_Font(4096 | 0x10000);
    EXPECT_EQ(Add_Label(10, 20, "", &on), 2);
    EXPECT_EQ(Add_Label(10, 20, "abc", &on), 23);
    EXPECT_EQ(Items().back().x2, 1);
}

TEST_F(Page_Labels, FormattedLabelsAreCutTo255CharactersAndNeverGreyed) {
    EXPECT_EQ(Add_Formatted_Label(10, 20, "%d kN", 12), 5 * 6 + 3);
    EXPECT_EQ(Items().back().text, "12 kN");
    EXPECT_EQ(Items().back().colour, Ink);

    const std::string long_text(300, 'x');
    EXPECT_EQ(Add_Formatted_Shadow_Label(10, 20, "%s", long_text.c_str()), 255 * 6 + 5);
    EXPECT_EQ(Items().back().text, std::string(255, 'x'));
    EXPECT_EQ(Items().back().x2, 2);
}

// A symbol, its index and exponent as (x, y, font, style code, text) of the items added.
struct Piece {
    int x, y, font, style;
    std::string text;
    bool operator==(const Piece&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Piece& p) {
    return out << "(" << p.x << ", " << p.y << ", " << p.font << ", " << p.style << ", \"" << p.text << "\")";
}

TEST_F(Page_Labels, SymbolLabelsPlaceTheIndexAndAddItsWidth) {
    const int on = 1;
    struct Case {
        const char* name;
        int font;   // the page font
        int (*add)(const int* enabled);
        int width;
        std::vector<Piece> pieces;
    } const cases[] = {
        // M 6 + 3, index "Rd" 10 + 4.
        {"plain", 4096, [](const int* e) { return Add_Symbol_Label(10, 40, "M", "Rd", e); }, 23,
         {{10, 40, 4096, 0, "M"}, {17, 41, 4098, 0, "Rd"}}},
        // Bold adds 2 to the symbol and 2 to the index.
        {"bold page font", 4096 | 0x10000, [](const int* e) { return Add_Symbol_Label(10, 40, "M", "Rd", e); }, 27,
         {{10, 40, 4096, 1, "M"}, {17, 41, 4098, 1, "Rd"}}},
        {"bold for the call", 4096, [](const int* e) { return Add_Bold_Symbol_Label(10, 40, "M", "Rd", e); }, 27,
         {{10, 40, 4096, 1, "M"}, {17, 41, 4098, 1, "Rd"}}},
        // Without an index: 1 pixel (+2 bold) and no index item.
        {"no index", 4096, [](const int* e) { return Add_Symbol_Label(10, 40, "M", "", e); }, 10, {{10, 40, 4096, 0, "M"}}},
        {"no index, bold", 4096, [](const int* e) { return Add_Bold_Symbol_Label(10, 40, "M", nullptr, e); }, 14,
         {{10, 40, 4096, 1, "M"}}},
        // Aligned over the total width 23: ending at 100 starts at 77; baseline 0 moves down 9.
        {"aligned right", 4096, [](const int* e) { return Add_Aligned_Symbol_Label(100, 40, "M", "Rd", 0, 1, e); }, 23,
         {{77, 49, 4096, 0, "M"}, {84, 50, 4098, 0, "Rd"}}},
        {"aligned centred, shadow", 4096 | 0x20000,
         [](const int* e) { return Add_Aligned_Symbol_Label(100, 40, "M", "Rd", 4, 4, e); }, 27,
         {{87, 45, 4096, 2, "M"}, {94, 46, 4098, 2, "Rd"}}},
        // The exponent 5 above the baseline, right of the index less one pixel, or right of the symbol.
        {"exponent", 4096, [](const int* e) { return Add_Symbol_Label_With_Exponent(10, 40, "W", "pl", "2", e); }, 28,
         {{10, 40, 4096, 0, "W"}, {17, 41, 4098, 0, "pl"}, {26, 35, 4098, 0, "2"}}},
        {"exponent, no index", 4096, [](const int* e) { return Add_Symbol_Label_With_Exponent(10, 40, "W", "", "2", e); },
         15, {{10, 40, 4096, 0, "W"}, {17, 35, 4098, 0, "2"}}},
    };
    for (const Case& c : cases) {
        Clear_View_Area(area);
        Set_Page_Font(c.font);
        EXPECT_EQ(c.add(&on), c.width) << c.name;
        std::vector<Piece> pieces;
        for (const View_Area_Item& it : Items()) {
            EXPECT_EQ(it.colour, Ink) << c.name;
            pieces.push_back({it.x1, it.y1, it.font, it.x2, it.text});
        }
        EXPECT_EQ(pieces, c.pieces) << c.name;
        EXPECT_EQ(Get_Page_Font(), c.font) << c.name;
    }

    // Greyed when disabled, symbol and index alike.
    Clear_View_Area(area);
    Set_Page_Font(4096);
    const int off = 0;
    Add_Symbol_Label(10, 40, "M", "Rd", &off);
    ASSERT_EQ(Items().size(), 2u);
    EXPECT_EQ(Items()[0].colour, Greyed());
    EXPECT_EQ(Items()[1].colour, Greyed());
}

TEST_F(Page_Labels, CentredLabelUsesTheRegisteredWidthOfThePage) {
    int dx = 0, dy = 0;
    Register_Hover_Area(3, area, 412, 312, 611, 461, &dx, &dy);
    Select_Page_Context(area);
    // (611 - 412) / 2 = 99; "abcd" 24 wide starts at 87.
    EXPECT_EQ(Add_Page_Centred_Label(30, "abcd", &Page_Enabled), 27);
    EXPECT_EQ(Items().back().x1, 87);
    EXPECT_EQ(Items().back().y1, 30);
    EXPECT_EQ(Centre_Label_On_Page(50, "ab", &Page_Disabled), 15);
    EXPECT_EQ(Items().back().x1, 93);
    EXPECT_EQ(Items().back().colour, Greyed());

    // A page that is not registered centres on its own visible width.
    Unregister_Hover_Area();
    Clear_View_Area(area);
    const Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
    Add_Page_Centred_Label(30, "abcd", &Page_Enabled);
    EXPECT_EQ(Items().back().x1, (a.x2 - a.x1) / 2 - 12);
}

TEST_F(Page_Labels, HotLabelClickSpotOnlyWhenEnabled) {
    int target = 0;
    const int on = 1, off = 0;
    EXPECT_EQ(Add_Hot_Label(10, 40, "abc", 7, &target, &on), 21);
    ASSERT_EQ(Items().size(), 2u);
    const View_Area_Item& spot = Items()[1];
    EXPECT_EQ(spot.kind, View_Item_Kind::Hot_Spot);
    EXPECT_EQ(std::vector<int>({spot.x1, spot.y1, spot.x2, spot.y2}), std::vector<int>({10, 30, 28, 40}));
    EXPECT_EQ(spot.own_value, 7);
    EXPECT_EQ(spot.target, &target);
    EXPECT_EQ(spot.state, 18);

    Clear_View_Area(area);
    EXPECT_EQ(Add_Hot_Label(10, 40, "abc", 7, &target, &off), 21);
    ASSERT_EQ(Items().size(), 1u);
    EXPECT_EQ(Items()[0].colour, Greyed());
}

TEST_F(Page_Labels, UnderlinedAndHighlightedLabelsDrawBehindTheText) {
    const int on = 1;
    // Underline from (x - 2, y + 3) to (x + 2 + width, y + 3), then the text.
    EXPECT_EQ(Add_Underlined_Label(10, 40, "abc", &on), 18 + 7);
    ASSERT_EQ(Items().size(), 2u);
    EXPECT_EQ(Items()[0].kind, View_Item_Kind::Line);
    EXPECT_EQ(std::vector<int>({Items()[0].x1, Items()[0].y1, Items()[0].x2, Items()[0].y2}), std::vector<int>({8, 43, 30, 43}));
    EXPECT_EQ(Items()[0].colour, Ink);
    EXPECT_EQ(Items()[1].kind, View_Item_Kind::Text);

    // Box from (x - 3, y + 5) to (x + 3 + width, y - 12) in the fill colour.
    Clear_View_Area(area);
    EXPECT_EQ(Add_Highlighted_Label(10, 40, "abc", &on), 18 + 9);
    ASSERT_EQ(Items().size(), 2u);
    EXPECT_EQ(Items()[0].kind, View_Item_Kind::Filled_Rectangle);
    EXPECT_EQ(std::vector<int>({Items()[0].x1, Items()[0].y1, Items()[0].x2, Items()[0].y2}), std::vector<int>({7, 45, 31, 28}));
    EXPECT_EQ(Items()[0].colour, Paint);

    Clear_View_Area(area);
    EXPECT_EQ(Add_Highlighted_Shadow_Label(10, 40, "abc", &on), 18 + 5 + 6);
    ASSERT_EQ(Items().size(), 2u);
    EXPECT_EQ(Items()[0].kind, View_Item_Kind::Filled_Rectangle);
    EXPECT_EQ(Items()[1].x2, 2);

    // Widths of empty texts, plain and styled.
    EXPECT_EQ(Add_Underlined_Label(10, 40, "", &on), 4);
    EXPECT_EQ(Add_Highlighted_Label(10, 40, "", &on), 6);
    EXPECT_EQ(Add_Highlighted_Shadow_Label(10, 40, "", &on), 8);
    Set_Page_Font(4096 | 0x10000);
    EXPECT_EQ(Add_Underlined_Label(10, 40, "", &on), 6);
    EXPECT_EQ(Add_Highlighted_Label(10, 40, "", &on), 8);
    EXPECT_EQ(Add_Underlined_Label(10, 40, "abc", &on), 18 + 9);
    EXPECT_EQ(Add_Highlighted_Label(10, 40, "abc", &on), 18 + 11);
}

TEST_F(Page_Labels, PaddedFieldPadsOrCutsTheBufferInPlace) {
    char shortText[6] = "ab";
    char longText[8] = "abcdefg";
    Set_Last_Page_Item(0, 0, 0, 0, 7);
    // Five characters of font 0: 40 + 16.
    EXPECT_EQ(Add_Padded_Text_Field(10, 40, shortText, 5, 1), 56);
    EXPECT_STREQ(shortText, "ab   ");
    EXPECT_EQ(Add_Padded_Text_Field(10, 40, longText, 5, 1), 56);
    EXPECT_STREQ(longText, "abcde");
    ASSERT_EQ(Items().size(), 2u);
    EXPECT_EQ(Items()[1].kind, View_Item_Kind::Text_Field);
    EXPECT_EQ(Items()[1].x1, 17);
    EXPECT_EQ(Items()[1].y1, 40);
    EXPECT_EQ(Items()[1].buffer, longText);
    EXPECT_EQ(Items()[1].font, 0);
    // The last item's rectangle; its state word stays.
    const Page_Context& c = Current_Page_Context();
    EXPECT_EQ(std::vector<int>({c.last_x1, c.last_y1, c.last_x2, c.last_y2, c.last_state}),
              std::vector<int>({10, 27, 66, 45, 7}));

    char empty[1] = "";
    EXPECT_EQ(Add_Page_Text_Field(10, 40, empty, 0, 1), 13);
    char zero[4] = "abc";
    EXPECT_EQ(Add_Padded_Text_Field(10, 40, zero, 0, 1), 13);
    EXPECT_STREQ(zero, "");
}

TEST_F(Page_Labels, TextFieldStatesBindTheConstantFlags) {
    struct Case {
        int state;
        int enabled;
        bool greyed;
    } const cases[] = {{1, 1, false}, {-1, 0, false}, {0, 0, true}, {2, 0, true}};
    for (const Case& c : cases) {
        Clear_View_Area(area);
        char buffer[4] = "abc";
        EXPECT_EQ(Add_Page_Text_Field(10, 40, buffer, 99, c.state), 24 + 16);
        ASSERT_EQ(Items().size(), 1u);
        ASSERT_NE(Items()[0].enabled, nullptr);
        EXPECT_EQ(*Items()[0].enabled, c.enabled) << c.state;
        EXPECT_EQ(Items()[0].colour, c.greyed ? Greyed() : Ink) << c.state;
    }
}

TEST_F(Page_Labels, NarrowFieldPadsToTheLongerAndShowsTheVisibleCharacters) {
    char buffer[11] = "abc";
    EXPECT_EQ(Add_Narrow_Text_Field(10, 40, buffer, 10, 4, 1), 4 * 8 + 19);
    EXPECT_STREQ(buffer, "abc       ");
    ASSERT_EQ(Items().size(), 1u);
    EXPECT_EQ(Items()[0].y2, 4);
    EXPECT_EQ(Items()[0].state, 10);
}

TEST_F(Page_Labels, RadioLabelIsBoldOnlyWhileSelectedAndEnabled) {
    int target = 2;
    const int on = 1, off = 0;
    struct Case {
        const char* label;
        int own;
        const int* enabled;
        int width;
        int style;
    } const cases[] = {
        {"ab", 2, &on, 12 + 25, 1},   {"ab", 3, &on, 12 + 23, 0}, {"ab", 2, &off, 12 + 23, 0},
        {"ab", 2, nullptr, 12 + 25, 1}, {"  ", 2, &on, 22, 1},      {"  ", 3, &on, 20, 0},
        {"", 2, &on, 13, 1},           {nullptr, 3, &on, 13, 0},
    };
    for (const Case& c : cases) {
        Clear_View_Area(area);
        EXPECT_EQ(Add_Radio_Label(10, 40, c.label, c.own, &target, c.enabled), c.width) << (c.label ? c.label : "null") << c.own;
        ASSERT_EQ(Items().size(), 1u);
        const View_Area_Item& it = Items()[0];
        EXPECT_EQ(it.kind, View_Item_Kind::Radio_Button);
        EXPECT_EQ(it.x1, 30);
        EXPECT_EQ(it.state, c.own);
        EXPECT_EQ(it.value, &target);
        EXPECT_EQ(it.x2, c.style) << (c.label ? c.label : "null") << c.own;
        const Page_Context& p = Current_Page_Context();
        EXPECT_EQ(std::vector<int>({p.last_x1, p.last_y1, p.last_x2, p.last_y2, p.last_state}),
                  std::vector<int>({10, 27, 10 + c.width, 45, c.enabled ? *c.enabled : 1}));
    }
}

TEST_F(Page_Labels, NothingIsAddedWithoutAnArea) {
    Select_Page_Context(-1);
    int target = 0;
    char buffer[8] = "abc";
    const int on = 1;
    const int widths[] = {
        Add_Label(10, 20, "abc", &on),
        Add_Label_Value(10, 20, "abc", 1),
        Add_Aligned_Label(10, 20, "abc", 0, 1, &on),
        Add_Formatted_Label(10, 20, "%s", "abc"),
        Add_Shadow_Label(10, 20, "abc", &on),
        Add_Formatted_Shadow_Label(10, 20, "%s", "abc"),
        Add_Small_Label(10, 20, "abc", &on),
        Add_Small_Bold_Label(10, 20, "abc", &on),
        Add_Symbol_Label(10, 20, "M", "Rd", &on),
        Add_Bold_Symbol_Label(10, 20, "M", "Rd", &on),
        Add_Aligned_Symbol_Label(10, 20, "M", "Rd", 0, 1, &on),
        Add_Symbol_Label_With_Exponent(10, 20, "W", "pl", "2", &on),
        Add_Page_Centred_Label(20, "abc", &on),
        Centre_Label_On_Page(20, "abc", &on),
        Add_Hot_Label(10, 20, "abc", 1, &target, &on),
        Add_Underlined_Label(10, 20, "abc", &on),
        Add_Highlighted_Label(10, 20, "abc", &on),
        Add_Highlighted_Shadow_Label(10, 20, "abc", &on),
        Add_Page_Text_Field(10, 20, buffer, 0, 1),
        Add_Padded_Text_Field(10, 20, buffer, 5, 1),
        Add_Narrow_Text_Field(10, 20, buffer, 5, 3, 1),
        Add_Radio_Label(10, 20, "abc", 1, &target, &on),
    };
    for (std::size_t i = 0; i < std::size(widths); ++i) EXPECT_EQ(widths[i], 0) << "adder " << i;
    EXPECT_TRUE(Items().empty());
    EXPECT_STREQ(buffer, "abc");
}

}  // namespace
