#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "frame/plate.h"
#include "pages/input_part_fixture.h"
#include "pages/input_parts.h"

namespace {

class PlatePart : public Input_Part_Area {
  protected:
    Plate plate{};
    void SetUp() override {
        Input_Part_Area::SetUp();
        Init_Plate(&plate);
        Default_Plate_Material(&plate.material);
        plate.t = 12;
        plate.b = 150;
        plate.l = 300;
    }
    int Draw(int options, int editable = 1, const char* subscript = "1") {
        return Draw_Plate_Input(&plate, area, 10, &y, 22, 18, 600, editable, Black, options, subscript);
    }
};

TEST_F(PlatePart, OptionZeroDrawsNothingAndTakesNoSlot) {
    EXPECT_EQ(Draw(0), 100);
    EXPECT_EQ(y, 100);
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(Field_Activity_Pool.position, -1);
}

TEST_F(PlatePart, RowsStandOnTheColumnsOfTheLabelStyle) {
    struct Case {
        int style;
        int V;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases = {
        {0, 110, {"Blechdicke", "Blechbreite", "Blechlänge"_cp}},
        {1, 80, {"Dicke", "Breite", "Länge"_cp}},
        {2, 30, {}},
        {7, 110, {"Blechdicke", "Blechbreite", "Blechlänge"_cp}},   // an unknown style is style 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        New_Page();
        EXPECT_EQ(Set_Plate_Input_Style(c.style), c.V);
        EXPECT_EQ(Draw(0x70), 100 + 3 * 22);
        // Per row: label, symbol, subscript, field, unit (style 2 without the label).
        std::vector<std::string> expected;
        const char* symbols[3] = {"t", "b", "l"};
        for (int r = 0; r < 3; ++r) {
            if (!c.labels.empty()) expected.push_back(c.labels[static_cast<std::size_t>(r)]);
            expected.insert(expected.end(), {symbols[r], "1", "mm"});
        }
        EXPECT_EQ(Texts(), expected);

        const View_Area_Item* b = Field(&plate.b);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->x1, 10 + c.V);
        EXPECT_EQ(b->y1, 122);
        EXPECT_EQ(b->text, "%6.1f");
        EXPECT_EQ(Text("b")->x1, 10 + c.V - 30);
        EXPECT_EQ(Text("mm")->x1, 10 + c.V + 65);
        EXPECT_EQ(Text("mm")->colour, Grey_160);
    }
}

TEST_F(PlatePart, SubscriptsFollowEachSymbolInTheSubscriptFont) {
    Draw(0x70, 1, "st");
    int k = 0;
    const int dx[3] = {6, 8, 4};   // after t, b, l
    for (const View_Area_Item& it : Items()) {
        if (it.text != "st") continue;
        EXPECT_EQ(it.font, 4098);
        EXPECT_EQ(it.x1, 10 + 80 + dx[k]);
        EXPECT_EQ(it.y1, 100 + 22 * k + 2);
        ++k;
    }
    EXPECT_EQ(k, 3);
}

TEST_F(PlatePart, DiameterRowReplacesWidthAndLength) {
    EXPECT_EQ(Draw(0x100 | 0x20), 122);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Durchmesser", "\x8C", "1", "mm"}));
    EXPECT_EQ(Text("\x8C")->x1, 10 + 80);
    EXPECT_EQ(Text("1")->x1, 10 + 88);
    EXPECT_NE(Field(&plate.b), nullptr);
    EXPECT_EQ(Count(View_Item_Kind::Float_Field), 1);
    EXPECT_EQ(plate.l, 150);   // a round bar's length mirrors its diameter

    // The label stays "Durchmesser" in every style.
    New_Page();
    Set_Plate_Input_Style(2);
    Draw(0x100 | 0x10);
    EXPECT_NE(Text("Durchmesser"), nullptr);

    // 0x100 alone draws no geometry row.
    New_Page();
    EXPECT_EQ(Draw(0x100), 100);
    EXPECT_EQ(Count(View_Item_Kind::Float_Field), 0);
}

TEST_F(PlatePart, ReadOnlyPartIsGreyAndLeavesItsTrailingSlotAtZero) {
    Draw(0x70, 0);
    for (const View_Area_Item& it : Items()) {
        SCOPED_TRACE(it.text);
        EXPECT_EQ(it.colour, Grey_192);
        if (it.kind == View_Item_Kind::Float_Field) {
            EXPECT_FALSE(Enabled(&it));
        }
    }
    EXPECT_EQ(Field_Activity_Pool.position, 1);   // the part's slot and the trailing slot
    EXPECT_EQ(Field_Activity_Pool.slots[1], 0);

    New_Page();
    Draw(0x70, 1);
    EXPECT_EQ(Field_Activity_Pool.slots[static_cast<std::size_t>(Field_Activity_Pool.position)], 1);
    EXPECT_TRUE(Enabled(Field(&plate.t)));
}

TEST_F(PlatePart, NegativeDimensionBecomesZeroWhenTheEditEnds) {
    Draw(0x70);
    for (double* value : {&plate.t, &plate.b, &plate.l}) {
        const View_Area_Item* f = Field(value);
        ASSERT_NE(f, nullptr);
        ASSERT_NE(f->on_change, nullptr);
        *value = -5;
        f->on_change(0, value);
        EXPECT_EQ(*value, 0);
        *value = 7.5;
        f->on_change(0, value);
        EXPECT_EQ(*value, 7.5);
    }
}

TEST_F(PlatePart, MaterialFollowsBelowThePlateRows) {
    Draw(0x40 | 0x01);
    const View_Area_Item* label = Text("Stahlsorte");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->y1, 122);
    EXPECT_NE(Text("Kennung"), nullptr);
    EXPECT_EQ(y, 122 + 2 * 22);
}

// A grade chosen in the first material part of one page is written into that page's record at the
// next build; building another page leaves that page's first material as it was stored.
TEST_F(PlatePart, GradeChoiceStaysWithItsOwnPage) {
    Plate other{};
    Init_Plate(&other);
    Default_Plate_Material(&other.material);
    other.material.grade = 5;

    New_Page(1);
    Draw(0x41);
    const View_Area_Item* list = List();
    ASSERT_NE(list, nullptr);
    *list->value = 2;   // the user picks S355
    Rebuild();
    Draw(0x41);
    EXPECT_EQ(plate.material.grade, 2);

    *List()->value = 3;   // picked on page 1, then page 2 is built
    New_Page(2);
    Draw_Plate_Input(&other, area, 10, &y, 22, 18, 600, 1, Black, 0x41, "1");
    EXPECT_EQ(other.material.grade, 5);

    // Even on the same page number, a slot that served another record is taken afresh.
    Rebuild();
    Draw_Plate_Input(&plate, area, 10, &y, 22, 18, 600, 1, Black, 0x41, "1");
    EXPECT_EQ(plate.material.grade, 2);
}

TEST(FloatFieldClamps, HoldValuesInRange) {
    struct Case {
        void (*clamp)(int, double*);
        double in, out;
    };
    const Case cases[] = {
        {Clamp_Not_Negative, -0.1, 0},  {Clamp_Not_Negative, 3, 3},   {Clamp_At_Least_One, 0.5, 1},
        {Clamp_At_Least_One, 2, 2},     {Clamp_To_Unit_Range, 1.3, 1}, {Clamp_To_Unit_Range, -0.2, 0},
        {Clamp_To_Unit_Range, 0.8, 0.8}, {Clamp_To_Absolute, -12, 12},  {Clamp_To_Absolute, 4, 4},
    };
    for (const Case& c : cases) {
        double v = c.in;
        c.clamp(0, &v);
        EXPECT_EQ(v, c.out) << c.in;
    }
    Clamp_Not_Negative(0, nullptr);   // no value, nothing to do
}

}  // namespace
