#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "pages/input_part_fixture.h"
#include "pages/input_parts.h"

namespace {

class PartialFactorPart : public Input_Part_Area {
  protected:
    Safety_Factors factors{};
    void SetUp() override {
        Input_Part_Area::SetUp();
        Init_Safety_Factors(&factors);
        factors.use_annex = 0;
        for (int k = 0; k < Gamma_M_Count; ++k) factors.gamma_M[k] = 1.0 + 0.05 * k;
        unsetenv("VEK_APPLICATION_NUMBER");
    }
    void Draw(int mask, int label_mode, int editable = 1) {
        Draw_Safety_Factors_Input(&factors, area, 10, &y, 22, 18, 600, editable, mask, label_mode);
    }
};

TEST_F(PartialFactorPart, MaskZeroDrawsAllTwelveRowsInTableOrder) {
    Draw(0, 1);
    EXPECT_EQ(Subscripts(), (std::vector<std::string>{"M0", "M1", "M2", "M3", "M3,ser", "M4", "M6,ser", "M5", "M7",
                                                          "M,ser", "M,fi", "Mu"}));
    EXPECT_EQ(Count(View_Item_Kind::Float_Field), 12);
    EXPECT_EQ(y, 100 + 13 * 22);
    // The rows bind the factors of their own rows.
    EXPECT_EQ(Field(&factors.gamma_M[Gamma_M6_Ser])->y1, 100 + 22 + 6 * 22);
    EXPECT_EQ(Field(&factors.gamma_M[Gamma_M5])->y1, 100 + 22 + 7 * 22);
}

TEST_F(PartialFactorPart, ColumnsFollowMaskAndLabelMode) {
    struct Case {
        int mask, mode;
        std::vector<std::string> rows;
        int S, V, U;
    };
    const std::vector<Case> cases = {
        {0x3F7, 1, {"M0", "M2", "M3", "M3,ser", "M4", "M6,ser", "M7"}, 335, 385, 450},   // the general tab
        {0x008, 1, {"M1"}, 350, 385, 450},
        {0x008, 0, {"M1"}, 165, 200, 265},
        {0, -1, {"M0", "M1", "M2", "M3", "M3,ser", "M4", "M6,ser", "M5", "M7", "M,ser", "M,fi", "Mu"}, 350, 385, 450},
        {0x400, 1, {"M,ser"}, 310, 360, 425},
        {0x400, -1, {"M,ser"}, 325, 360, 425},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mask << " mode " << c.mode);
        New_Page();
        Draw(c.mask, c.mode);
        EXPECT_EQ(Subscripts(), c.rows);
        const View_Area_Item* gamma = Text("γ"_cp);
        ASSERT_NE(gamma, nullptr);
        EXPECT_EQ(gamma->x1, 10 + c.S);
        const View_Area_Item* field = First(View_Item_Kind::Float_Field);
        EXPECT_EQ(field->x1, 10 + c.V);
        EXPECT_EQ(field->text, "%6.2f");
        EXPECT_EQ(Text("")->x1, 10 + c.U);
        // Label mode 0 drops the first row 5 px lower.
        EXPECT_EQ(field->y1, 100 + 22 + (c.mode == 0 ? 5 : 0));
    }
}

TEST_F(PartialFactorPart, LongLabelsHaveRightAlignedLeaders) {
    Draw(0x014, 1);   // γM0 and γM2; no bit of 0x128 or 0x480: S = 325
    EXPECT_NE(Text("Beanspruchbarkeit von Querschnitten"), nullptr);
    const View_Area_Item* leader = Text(". . . . . . . . . . . . .");   // 13 dots
    ASSERT_NE(leader, nullptr);
    EXPECT_EQ(leader->colour, Grey_130);
    EXPECT_EQ(leader->x1 + 25 * 6, 10 + 325 - 10);   // 25 characters of 6 px end at x + S - 10
    EXPECT_NE(Text(". . . . . . . . ."), nullptr);     // 9 dots of γM2
    // Short labels: no leaders, and the γM5 row has no label at all.
    New_Page();
    Draw(0x1000, -1);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Materialsicherheit", "(", "γ"_cp, "M5", ""}));
}

TEST_F(PartialFactorPart, StandardisedFactorsAreReadOnly) {
    struct Case {
        int use_annex, editable, mode;
        bool rows_enabled;
        int row_colour, header_colour;
    };
    const Case cases[] = {
        {0, 1, 1, true, Black, Black},   {1, 1, 1, false, Blue, Black},      {1, 1, 0, false, Black, Black},
        {0, 0, 1, false, Blue, Grey_192}, {0, 0, 0, false, Black, Grey_192},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.use_annex << c.editable << c.mode);
        New_Page();
        factors.use_annex = c.use_annex;
        Draw(0x3F7, c.mode, c.editable);
        const View_Area_Item* gamma_M2 = Field(&factors.gamma_M[Gamma_M2]);
        EXPECT_EQ(Enabled(gamma_M2), c.rows_enabled);
        EXPECT_EQ(gamma_M2->colour, c.row_colour);
        EXPECT_EQ(Text("M2")->colour, c.row_colour);
        const View_Area_Item* box = Box("genormt)");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->colour, c.header_colour);
        EXPECT_EQ(box->value, &factors.use_annex);
        EXPECT_EQ(Enabled(box), c.editable == 1);
        EXPECT_EQ(Text("Materialsicherheit")->colour, Black);
        EXPECT_EQ(Text("Materialsicherheit")->font, 4096);   // the heading font without its bold bit
        EXPECT_EQ(Text("Materialsicherheit")->x2, 1);        // bold
    }
}

TEST_F(PartialFactorPart, NegativeFactorBecomesZero) {
    Draw(0x3F7, 1);
    const View_Area_Item* field = Field(&factors.gamma_M[Gamma_M7]);
    factors.gamma_M[Gamma_M7] = -1.1;
    field->on_change(0, &factors.gamma_M[Gamma_M7]);
    EXPECT_EQ(factors.gamma_M[Gamma_M7], 0);
}

TEST_F(PartialFactorPart, JointsApplicationWidensTheHeader) {
    setenv("VEK_APPLICATION_NUMBER", "145", 1);
    Draw(0x3F7, 1);
    unsetenv("VEK_APPLICATION_NUMBER");
    EXPECT_EQ(Text("für Anschlüsse"_cp)->x1, 10 + 106);
    EXPECT_EQ(Text("(")->x1, 10 + 110 + 92);
    EXPECT_EQ(Box("genormt)")->x1, 10 + 137 + 92);
}

}  // namespace
