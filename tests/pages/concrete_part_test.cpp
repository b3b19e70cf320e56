#include <gtest/gtest.h>

#include <string>

#include "checks/concrete_grade.h"
#include "common/cp437.h"
#include "pages/input_part_fixture.h"
#include "pages/input_parts.h"

namespace {

class ConcretePart : public Input_Part_Area {
  protected:
    Plate_Material concrete{};
    void SetUp() override {
        Input_Part_Area::SetUp();
        Init_Plate_Material(&concrete);
        Set_Default_Concrete_Grade(&concrete);
    }
    void Draw(int editable = 1) { Draw_Concrete_Input(&concrete, area, 10, &y, 190, 22, 0, 0, editable); }
};

TEST_F(ConcretePart, NewRecordShowsC20_25) {
    Draw();
    const View_Area_Item* list = List(&concrete.grade);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->x1, 10 + 190);
    EXPECT_EQ(list->colour, 7);   // characters wide
    EXPECT_EQ(list->aux, 20);
    EXPECT_EQ(Shown(list), " C20/25");
    EXPECT_TRUE(Enabled(list));
    EXPECT_EQ(std::string(concrete.designation).substr(0, 7), " C20/25");
    EXPECT_DOUBLE_EQ(concrete.f_y, 20.0);   // f_ck
    EXPECT_NEAR(concrete.E, 29962, 1);      // E_cm = 22000 ((20 + 8)/10)^0.3
    const View_Area_Item* own = Box("Vorgabe");
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->x1, 10 + 190 + 130);
    EXPECT_EQ(*own->value, 0);
    EXPECT_EQ(Count(View_Item_Kind::Float_Field), 0);
    EXPECT_EQ(y, 122);
}

TEST_F(ConcretePart, ListHoldsTheOldAndTheEuropeanClasses) {
    Draw();
    const View_Area_Item* list = List();
    const char* names[] = {" B15", " B25", " B35", " B45", " B55", " C12/15", " C16/20", " C20/25", " C25/30",
                           " C30/37", " C35/45", " C40/50", " C45/55", " C50/60", " C55/67", " C60/75", " C70/85",
                           " C80/95", " C90/105", " C100/115"};
    for (int k = 0; k < 20; ++k) {
        EXPECT_EQ(std::string(list->entries[k].text), names[k]);
        EXPECT_EQ(list->entries[k].colour, k < 5 ? Grey_130 : Black) << k;
    }
}

TEST_F(ConcretePart, OwnValuesShowTheStrengthRowAndLockTheList) {
    concrete.own_values = 1;
    Draw();
    EXPECT_EQ(List()->enabled, &Screen_Palette.Inactive);
    const View_Area_Item* f_ck = Field(&concrete.f_y);
    ASSERT_NE(f_ck, nullptr);
    EXPECT_EQ(f_ck->x1, 10 + 190);
    EXPECT_EQ(f_ck->y1, 122);
    EXPECT_EQ(f_ck->colour, Black);
    EXPECT_EQ(Text("f")->x1, 10 + 160);
    EXPECT_EQ(Text("ck")->x1, 10 + 166);
    EXPECT_EQ(Text("char. Druckfestigkeit")->x1, 30);
    EXPECT_EQ(Text("N/mm²"_cp)->x1, 10 + 255);
    EXPECT_EQ(y, 144);
    // A negative f_ck typed in becomes 0.
    concrete.f_y = -3;
    f_ck->on_change(0, &concrete.f_y);
    EXPECT_EQ(concrete.f_y, 0);

    // The derivation then leaves f_ck and E alone and blanks the designation.
    concrete.f_y = 33;
    concrete.E = 31000;
    Apply_Concrete_Grade(&concrete);
    EXPECT_EQ(concrete.f_y, 33);
    EXPECT_EQ(concrete.E, 31000);
    EXPECT_EQ(std::string(concrete.designation), " ");
}

TEST_F(ConcretePart, ReadOnlyStrengthRowIsBrown) {
    concrete.own_values = 1;
    Draw(0);
    EXPECT_EQ(Field(&concrete.f_y)->colour, Brown);
    EXPECT_EQ(Text("char. Druckfestigkeit")->colour, Brown);
    EXPECT_EQ(Text("Betongüte"_cp)->colour, Grey_192);
    EXPECT_EQ(Text("N/mm²"_cp)->colour, Grey_192);
    EXPECT_FALSE(Enabled(Field(&concrete.f_y)));
}

}  // namespace
