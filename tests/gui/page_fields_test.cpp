// The fields of the dialog pages on a plain view area, with no dialog open: geometry, the three
// looks of a field state, the range check with its hint, choice lists and check boxes.
#include "gui/page_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "gui/grade_lists.h"
#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"

namespace {

class PageFields : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(10, 10, 410, 310, 1, 1);
        Select_Page_Context(area);
    }
    void TearDown() override {
        Select_Page_Context(-1);
        View_Area_Sheet::TearDown();
    }
    std::vector<View_Area_Item>& Items() { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
};

// The message boxes shown while the body runs, one text each.
std::vector<std::string> Boxes_Of(const std::function<void()>& body) {
    Clear_Host_Message_History();
    Run_Headless("", [&] {
        body();
        return 0;
    });
    return Host_Message_History();
}

TEST_F(PageFields, FloatFieldShowsItsStateAsColourFlagAndBackground) {
    const int blue = Nearest_Color_Index(0, 0, 160), white = Nearest_Color_Index(255, 255, 255);
    const int grey = Nearest_Color_Index(198, 195, 198);
    struct Case {
        Field_State state;
        int colour;         // of the value
        int enabled;        // the flag the field is bound to
        bool background;    // a read-only ground behind it
    };
    // Read-only shows the text colour lightened by 40 %: (0, 0, 160) has the lightness 0.31, which
    // becomes 0.44, that is (0, 0, 224).
    const Case cases[] = {
        {1, blue, 1, false},
        {-1, Nearest_Color_Index(0, 0, 224), 0, true},
        {0, grey, 0, false},
        {7, grey, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        Clear_View_Area(area);
        Set_Page_Fill_Colour(white);
        Set_Page_Text_Colour(blue);
        double value = 12.5;
        EXPECT_EQ(Add_Float_Field(40, 60, &value, 8, 3, &c.state), 79);
        ASSERT_EQ(Items().size(), c.background ? 2u : 1u);
        const View_Area_Item& field = Items().back();
        EXPECT_EQ(field.kind, View_Item_Kind::Float_Field);
        EXPECT_EQ(field.x1, 47);
        EXPECT_EQ(field.y1, 60);
        EXPECT_EQ(field.text, "%8.3f");
        EXPECT_EQ(field.number, &value);
        EXPECT_EQ(field.colour, c.colour);
        EXPECT_EQ(*field.enabled, c.enabled);
        const Page_Context& p = Current_Page_Context();
        EXPECT_EQ(std::vector<int>({p.last_x1, p.last_y1, p.last_x2, p.last_y2, p.last_state}),
                  std::vector<int>({40, 47, 119, 65, c.state}));
        if (c.background) {
            const View_Area_Item& ground = Items().front();
            EXPECT_EQ(ground.kind, View_Item_Kind::Filled_Rectangle);
            EXPECT_EQ(ground.colour, Nearest_Color_Index(220, 220, 220));
            EXPECT_EQ(std::min(ground.x1, ground.x2), 40);
            EXPECT_EQ(std::max(ground.x1, ground.x2), 118);
            EXPECT_EQ(std::min(ground.y1, ground.y2), 47);
            EXPECT_EQ(std::max(ground.y1, ground.y2), 65);
            // The read-only ground stays the page's fill colour.
            EXPECT_EQ(Get_Page_Fill_Colour(), Nearest_Color_Index(220, 220, 220));
        } else {
            EXPECT_EQ(Get_Page_Fill_Colour(), white);
        }
    }
}

TEST_F(PageFields, FieldsAddNothingWithoutAreaOrWidth) {
    double value = 3;
    int integer = 2, selected = 0;
    const Field_State editable = 1;
    const char texts[] = "eins\0\0\0\0zwei\0\0\0\0";
    const std::vector<std::function<int()>> adders = {
        [&] { return Add_Float_Field(0, 20, &value, 6, 1, &editable); },
        [&] { return Add_Coloured_Float_Field(0, 20, &value, 6, 1, 3, &editable); },
        [&] { return Add_Scaled_Float_Field(0, 20, &value, 1.0, 6, 1, &editable); },
        [&] { return Add_Labelled_Float_Field(0, 20, "b", &value, 6, 1, "mm", &editable); },
        [&] { return Add_Choice_Field(0, 20, texts, nullptr, 8, 2, &selected, &editable); },
        [&] { return Add_State_Check_Box(0, 20, "Nachweis", &integer, &editable); },
        [&] { return Add_Int_Field(0, 20, &integer, 4, &editable); },
    };
    for (std::size_t k = 0; k < adders.size(); ++k) {
        SCOPED_TRACE(k);
        Select_Page_Context(-1);
        EXPECT_EQ(adders[k](), 0);
        Select_Page_Context(area);
        EXPECT_TRUE(Items().empty());
    }
    EXPECT_EQ(Add_Float_Field(0, 20, &value, 0, 1, &editable), 0);
    EXPECT_EQ(Add_Float_Field(0, 20, &value, -3, 1, &editable), 0);
    EXPECT_TRUE(Items().empty());
}

TEST_F(PageFields, ColouredFieldKeepsThePageTextColour) {
    double value = 1;
    const Field_State editable = 1;
    const int black = Get_Page_Text_Colour(), red = Nearest_Color_Index(255, 0, 0);
    EXPECT_EQ(Add_Coloured_Float_Field(10, 20, &value, 5, 2, red, &editable), 55);
    EXPECT_EQ(Items().back().colour, red);
    EXPECT_EQ(Get_Page_Text_Colour(), black);
}

// Outside a dialog nothing would divide a display value back or round a proxy into its integer.
TEST_F(PageFields, ScaledAndIntegerFieldsNeedAnOpenDialog) {
    double modulus = 210000;
    int bolts = 4;
    const Field_State editable = 1;
    EXPECT_EQ(Add_Scaled_Float_Field(10, 20, &modulus, 0.001, 8, 3, &editable), 0);
    EXPECT_EQ(Add_Symbol_Float_Field(10, 20, "E", "", &modulus, 0.001, 8, 3, "MN/m²"_cp, &editable), 0);
    EXPECT_EQ(Add_Int_Field(10, 40, &bolts, 3, &editable), 0);
    EXPECT_EQ(Add_Clamped_Int_Field(10, 40, &bolts, 3, 1, 20, &editable), 0);
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(modulus, 210000);
    EXPECT_EQ(bolts, 4);
    // A factor that could not be divided back out makes no field and leaves the value.
    for (const double factor : {0.0, std::nan(""), HUGE_VAL}) {
        EXPECT_EQ(Add_Scaled_Float_Field(10, 20, &modulus, factor, 8, 3, &editable), 0);
        EXPECT_EQ(Add_Symbol_Float_Field(10, 20, "E", "", &modulus, factor, 8, 3, "", &editable), 0);
    }
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(modulus, 210000);
    // A factor of 1 shows the value as it is.
    EXPECT_EQ(Add_Scaled_Float_Field(10, 20, &modulus, 1.0, 8, 3, &editable), 79);
    EXPECT_EQ(modulus, 210000);
}

TEST_F(PageFields, CheckedFieldHintsBeyondTheLimitsAtItsDecimalsAndClamps) {
    const Field_State editable = 1;
    struct Case {
        double value;
        double clamped;
        const char* hint;   // the box's text, or empty
    };
    // Limits 500 and 2200 at one decimal: a difference that rounds to 0.0 gives no hint.
    const Case cases[] = {
        {1800, 1800, ""},
        {2200.04, 2200, ""},
        {2200.06, 2200, "HINWEIS: Rohdichte darf den Wert 2200.0 nicht überschreiten."_cp},
        {499.96, 500, ""},
        {499.94, 500, "HINWEIS: Rohdichte darf den Wert 500.0 nicht unterschreiten."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        double value = c.value;
        const std::vector<std::string> boxes = Boxes_Of([&] {
            EXPECT_EQ(Add_Checked_Float_Field(10, 20, &value, 1.0, 8, 1, 500, 2200, "Rohdichte", &editable), 79);
        });
        EXPECT_EQ(value, c.clamped);
        EXPECT_EQ(boxes, *c.hint ? std::vector<std::string>{c.hint} : std::vector<std::string>{});
    }
}

TEST_F(PageFields, CheckedFieldTakesItsNameAsPlainText) {
    const Field_State editable = 1;
    double share = 120;
    const auto boxes = Boxes_Of([&] { Add_Checked_Float_Field(10, 20, &share, 1.0, 6, 0, 0, 100, "Anteil in %d %s", &editable); });
    EXPECT_EQ(boxes, std::vector<std::string>{"HINWEIS: Anteil in %d %s darf den Wert 100 nicht überschreiten."_cp});
    EXPECT_EQ(share, 100);
}

TEST_F(PageFields, CheckedFieldChecksAndClampsWithoutAreaOrName) {
    const Field_State editable = 1;
    double density = 2600, silent = 2600, stored = 2300000;
    Select_Page_Context(-1);
    const auto boxes = Boxes_Of([&] {
        EXPECT_EQ(Add_Checked_Float_Field(10, 20, &density, 1.0, 8, 1, 500, 2200, "Rohdichte", &editable), 0);
        EXPECT_EQ(Add_Checked_Float_Field(10, 20, &silent, 1.0, 8, 1, 500, 2200, nullptr, &editable), 0);
        // A stored value whose display units exceed the limit: clamped to the limit's stored value.
        EXPECT_EQ(Add_Checked_Float_Field(10, 20, &stored, 0.001, 8, 1, 500, 2200, "Rohdichte", &editable), 0);
    });
    EXPECT_EQ(density, 2200);
    EXPECT_EQ(silent, 2200);
    EXPECT_DOUBLE_EQ(stored, 2200000);
    EXPECT_EQ(boxes, std::vector<std::string>(2, "HINWEIS: Rohdichte darf den Wert 2200.0 nicht überschreiten."_cp));
}

TEST_F(PageFields, LabelledFieldPlacesLabelFieldAndUnit) {
    double value = 8;
    const Field_State editable = 1, greyed = 0;
    const int label = Get_Label_Width("t =", Get_Page_Font()), unit = Get_Label_Width("mm", Get_Page_Font());
    EXPECT_EQ(Add_Labelled_Float_Field(20, 30, "t =", &value, 5, 1, "mm", &editable), label + 5 + 55 + 3 + unit);
    ASSERT_EQ(Items().size(), 3u);
    EXPECT_EQ(Items()[1].x1, 20 + label + 5 + 7);
    EXPECT_EQ(Items()[2].text, "mm");
    // Without label the field starts at x; a greyed label takes the greyed colour.
    Clear_View_Area(area);
    EXPECT_EQ(Add_Labelled_Float_Field(20, 30, "", &value, 5, 1, nullptr, &editable), 55);
    EXPECT_EQ(Items().back().x1, 27);
    Clear_View_Area(area);
    Add_Labelled_Float_Field(20, 30, "t =", &value, 5, 1, nullptr, &greyed);
    EXPECT_EQ(Items().front().colour, Nearest_Color_Index(198, 195, 198));
}

TEST_F(PageFields, ChoiceFieldListsTheRowsAndOwnsItsEntries) {
    // Rows of 9 bytes; the widest, "C100/115", measures 64 + 3 px in font 0: 8 columns, 97 px.
    const char texts[] = "C12/15\0\0\0C100/115\0C20/25\0\0\0";
    const int colours[] = {11, 12, 13};
    const Field_State editable = 1, greyed = 0;
    int selected = 1;
    EXPECT_EQ(Add_Choice_Field(30, 40, texts, nullptr, 9, 3, &selected, &editable), 97);
    const View_Area_Item& list = Items().back();
    EXPECT_EQ(list.kind, View_Item_Kind::Choice_List);
    EXPECT_EQ(list.x1, 37);
    EXPECT_EQ(list.colour, 8);   // width in characters
    EXPECT_EQ(list.aux, 3);
    EXPECT_EQ(list.value, &selected);
    EXPECT_EQ(*list.enabled, 1);
    ASSERT_NE(list.entries, nullptr);
    EXPECT_EQ(list.owned_data.get(), static_cast<const void*>(list.entries));
    EXPECT_STREQ(list.entries[1].text, "C100/115");
    EXPECT_STREQ(list.entries[2].text, "C20/25");
    EXPECT_EQ(list.entries[0].colour, Get_Page_Text_Colour());
    EXPECT_EQ(Current_Page_Context().last_x2, 30 + 97);

    EXPECT_EQ(Add_Choice_Field(30, 70, texts, colours, 9, 3, &selected, &greyed), 97);
    EXPECT_EQ(Items().back().entries[2].colour, 13);
    EXPECT_EQ(*Items().back().enabled, 0);

    // No rows, a stride too short for a text, or no texts: nothing.
    const std::size_t before = Items().size();
    EXPECT_EQ(Add_Choice_Field(30, 100, texts, nullptr, 1, 3, &selected, &editable), 0);
    EXPECT_EQ(Add_Choice_Field(30, 100, texts, nullptr, 9, 0, &selected, &editable), 0);
    EXPECT_EQ(Add_Choice_Field(30, 100, nullptr, nullptr, 9, 3, &selected, &editable), 0);
    EXPECT_EQ(Items().size(), before);
}

TEST_F(PageFields, GradeChoiceSkipsSeparatorRowsUpwards) {
    // A small list on the heap, so that a read past its rows would be caught.
    std::vector<char> texts(4 * 9, '\0');
    const char* rows[] = {"C12/15", "-------", "-------", "LC12/13"};
    for (int i = 0; i < 4; ++i) std::snprintf(&texts[static_cast<std::size_t>(i) * 9], 9, "%s", rows[i]);
    std::vector<int> colours(4, 0), flags = {0, Grade_Separator, Grade_Separator, Grade_Lightweight}, codes = {5, -1, -1, 5};
    Grade_List list;
    list.count = 4;
    list.row_width = 9;
    list.texts = texts.data();
    list.colours = colours.data();
    list.flags = flags.data();
    list.codes = codes.data();
    const Field_State editable = 1;
    struct Case {
        int selected, shown;
    };
    // A selection outside the list is reset by the choice list.
    for (const Case c : {Case{0, 0}, Case{2, 0}, Case{1, 0}, Case{3, 3}, Case{4, 0}, Case{-1, 0}}) {
        SCOPED_TRACE(c.selected);
        int selected = c.selected;
        EXPECT_GT(Add_Grade_Choice_Field(10, 20, &list, &selected, &editable), 0);
        EXPECT_EQ(selected, c.shown);
    }
}

TEST_F(PageFields, StateCheckBoxLooks) {
    const int cream = Nearest_Color_Index(255, 251, 240), white = Nearest_Color_Index(255, 255, 255);
    struct Case {
        Field_State state;
        int value;
        bool bold;
        int enabled;
        bool white_ground;   // on the cream page
        int texts;           // a read-only box repeats its label as a text
    };
    const Case cases[] = {
        {1, 1, true, 1, true, 0}, {1, 0, false, 1, true, 0}, {-1, 1, true, 0, true, 1}, {0, 1, false, 0, false, 0},
        {2, 0, false, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.state << " " << c.value);
        Clear_View_Area(area);
        Set_Page_Fill_Colour(cream);
        int value = c.value;
        // "Nachweis" measures 48 px in font 4096; a bold label reports 2 more.
        EXPECT_EQ(Add_State_Check_Box(50, 80, "Nachweis", &value, &c.state), c.bold ? 73 : 71);
        EXPECT_EQ(Get_Page_Fill_Colour(), cream);
        std::size_t k = 0;
        if (c.white_ground) {
            ASSERT_EQ(Items()[k].kind, View_Item_Kind::Filled_Rectangle);
            EXPECT_EQ(Items()[k].colour, white);
            ++k;
        }
        ASSERT_LT(k, Items().size());
        const View_Area_Item& box = Items()[k];
        EXPECT_EQ(box.kind, View_Item_Kind::Check_Box);
        EXPECT_EQ(box.x2, c.bold ? 1 : 0);   // style code
        EXPECT_EQ(box.value, &value);
        EXPECT_EQ(*box.enabled, c.enabled);
        EXPECT_EQ(Items().size(), k + 1 + static_cast<std::size_t>(c.texts));
        if (c.texts) {
            EXPECT_EQ(Items().back().kind, View_Item_Kind::Text);
            EXPECT_EQ(Items().back().colour, Get_Page_Text_Colour());
        }
        EXPECT_EQ(Current_Page_Context().last_state, c.state);
    }
    // On a white page there is no ground; an empty label reports 13.
    Clear_View_Area(area);
    Set_Page_Fill_Colour(white);
    int value = 0;
    const Field_State editable = 1;
    EXPECT_EQ(Add_State_Check_Box(50, 80, "", &value, &editable), 13);
    ASSERT_EQ(Items().size(), 1u);
    EXPECT_EQ(Items().front().kind, View_Item_Kind::Check_Box);
}

}  // namespace
