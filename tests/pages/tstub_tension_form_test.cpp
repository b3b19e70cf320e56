// The T-stub in tension form: the rows each location and bolt arrangement offers, the row forces,
// and what the tab page shows after the input check.
#include <gtest/gtest.h>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "pages/connection_forms.h"
#include "pages/form_fixture.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_sketch_frame.h"

namespace {

class TensionForm : public Form_Area {
  protected:
    Connection_Record R{};
    T_Stub_Tension& T = R.tension;
    int saved_edition = 0;
    const int x = 40;
    int y = 60;
    void SetUp() override {
        Form_Area::SetUp();
        saved_edition = Current_Code_Edition;
        Init_Connection_Record(&R);
        Default_T_Stub_Tension(&T);
        Current_Code_Edition = 1;
        R.tension_active = 1;
        R.verification = 1;
        T.check_context.verification = 1;
        Sketch_Height = 0;
    }
    void TearDown() override {
        Current_Code_Edition = saved_edition;
        Form_Area::TearDown();
    }
    // The record as the tab page holds it (editing form), drawn by the form alone.
    void Draw(int editable = 1) {
        Clear_View_Area(area);
        Reset_Field_Activity_Pool();
        y = 60;
        Draw_T_Stub_Tension_Form(&T, area, x, &y, 22, 18, 960, editable);
    }
    void Draw_Page() {
        Clear_View_Area(area);
        Draw_Connection_Page(&R, Page_T_Stub_Tension, area, 30, 40, 990);
    }
};

TEST_F(TensionForm, BoltsPerRowListAtTheEndPlateAndTheNoteAtTheColumnFlange) {
    T.location = T_Stub_End_Plate;
    T.bolts_per_row = 4;
    Unpack_T_Stub_Tension(&T);
    Draw_Page();
    const View_Area_Item* list = Bound_To(&Page_Edit_Flags.four_bolts_per_row, View_Item_Kind::Choice_List);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(*list->value, 1);
    EXPECT_STREQ(list->entries[1].text, "4");
    EXPECT_EQ(list->entries[1].colour, Screen_Palette.Red);
    EXPECT_EQ(Find("2 Schrauben je Reihe"), nullptr);
    const View_Area_Item* methods = Bound_To(&T.four_bolt_method, View_Item_Kind::Choice_List);
    ASSERT_NE(methods, nullptr);
    EXPECT_STREQ(methods->entries[0].text, "AIF-Bericht");
    EXPECT_STREQ(methods->entries[1].text, "Dissert.");
    EXPECT_STREQ(methods->entries[2].text, "Handbuch");

    // At the column flange the check makes two bolts per row: no list, the note instead.
    Pack_T_Stub_Tension(&T);
    T.location = T_Stub_Column_Flange;
    T.bolts_per_row = 4;
    Unpack_T_Stub_Tension(&T);
    Draw_Page();
    EXPECT_EQ(Bound_To(&Page_Edit_Flags.four_bolts_per_row, View_Item_Kind::Choice_List), nullptr);
    EXPECT_NE(Find("2 Schrauben je Reihe"), nullptr);
    EXPECT_EQ(Page_Edit_Flags.four_bolts_per_row, 0);
}

TEST_F(TensionForm, ThreeRowsGiveThreeForcesTheSpacingAndTheSingleRowBox) {
    T.location = T_Stub_Column_Flange;
    Page_Edit_Flags.row_count = 3.0;
    T.row_count = 3;
    Draw();
    for (int i = 1; i <= 3; ++i) {
        const View_Area_Item* label = Find("in Reihe " + std::to_string(i));
        ASSERT_NE(label, nullptr) << i;
        EXPECT_EQ(label->x1, x + 669);
        const View_Area_Item* F = Field_Of(&T.F_t_Ed[static_cast<std::size_t>(i - 1)]);
        ASSERT_NE(F, nullptr);
        EXPECT_EQ(F->y1, label->y1);
        EXPECT_EQ(F->x1, x + 792);
    }
    EXPECT_EQ(Field_Of(&T.F_t_Ed[3]), nullptr);
    EXPECT_NE(Field_Of(&T.p), nullptr);
    EXPECT_NE(Find("l     für: Schraubenreihe einzeln betrachtet"_cp, View_Item_Kind::Check_Box), nullptr);
    EXPECT_EQ(Find("innere Schraubenreihe", View_Item_Kind::Radio_Button), nullptr);
    EXPECT_NE(Find("> 1: Schraubengruppe"), nullptr);
    const View_Area_Item* count = Field_Of(&Page_Edit_Flags.row_count);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text, "%6.0f");
    EXPECT_EQ(count->on_change, &Clamp_Bolt_Row_Count);

    // One row: the inner/outer choice and no row numbers.
    Page_Edit_Flags.row_count = 1.0;
    Draw();
    EXPECT_NE(Find("innere Schraubenreihe", View_Item_Kind::Radio_Button), nullptr);
    EXPECT_EQ(Find("in Reihe 1"), nullptr);
    EXPECT_EQ(Field_Of(&T.p), nullptr);
    // No row stored: no force rows and no utilisation.
    Page_Edit_Flags.row_count = 0.0;
    Draw();
    EXPECT_EQ(Field_Of(&T.F_t_Ed[0]), nullptr);
    EXPECT_EQ(Find("maximale Ausnutzung"), nullptr);
}

TEST_F(TensionForm, ExtensionRowsAndTheOneBoltBoxOfTheOlderEdition) {
    T.location = T_Stub_Extension;
    T.row_count = 3;
    Unpack_T_Stub_Tension(&T);
    Current_Code_Edition = 0;
    Draw_Page();
    EXPECT_EQ(Field_Of(&Page_Edit_Flags.row_count), nullptr);
    EXPECT_NE(Field_Of(&T.e_1), nullptr);
    EXPECT_NE(Field_Of(&T.m_1), nullptr);
    EXPECT_NE(Field_Of(&T.F_t_Ed[0]), nullptr);
    EXPECT_EQ(Field_Of(&T.F_t_Ed[1]), nullptr);
    EXPECT_NE(Find("Nachweis für nur eine Schraube im Überstand"_cp, View_Item_Kind::Check_Box), nullptr);
    T.one_bolt_in_extension = 1;
    Current_Code_Edition = 1;
    Draw();
    EXPECT_EQ(Find("Nachweis für nur eine Schraube im Überstand"_cp, View_Item_Kind::Check_Box), nullptr);
    EXPECT_EQ(T.one_bolt_in_extension, 0);
}

TEST_F(TensionForm, OuterRowBetweenTheFlangesAtTheFreeEdge) {
    T.location = T_Stub_End_Plate;
    T.inner_row = 0;
    T.e_1 = 40.0;
    T.m_1 = 25.0;
    Page_Edit_Flags.row_count = 1.0;
    T.row_at_free_edge = 1;
    Draw();
    EXPECT_NE(Find("Schraubenreihe am freien Zugrand", View_Item_Kind::Check_Box), nullptr);
    EXPECT_NE(Field_Of(&T.e_1), nullptr);
    EXPECT_EQ(T.e_1, 40.0);
    EXPECT_EQ(T.m_1, 0.0);
    T.row_at_free_edge = 0;
    Draw();
    EXPECT_EQ(Field_Of(&T.e_1), nullptr);
    EXPECT_EQ(T.e_1, 0.0);
}

TEST_F(TensionForm, FourBoltMethodDecidesTheProcedureRowAndTheFlangeLength) {
    T.location = T_Stub_End_Plate;
    T.inner_row = 1;
    T.row_next_to_stiffener = 1;
    T.flange.l = 300.0;
    T.web.l = 220.0;
    Page_Edit_Flags.four_bolts_per_row = 1;
    Page_Edit_Flags.row_count = 1.0;
    const struct {
        int method;
        bool procedure;
    } cases[] = {{Four_Bolt_Research_Report, false}, {Four_Bolt_Dissertation, true}, {Four_Bolt_Handbook, false}};
    for (const auto& c : cases) {
        T.four_bolt_method = c.method;
        Draw();
        EXPECT_EQ(Find("Verfahren") != nullptr, c.procedure) << c.method;
        EXPECT_EQ(Field_Of(&T.flange.l) != nullptr, c.procedure) << c.method;
        EXPECT_NE(Field_Of(&T.t_w), nullptr);
        EXPECT_NE(Find("IH2-Anschluss", View_Item_Kind::Radio_Button), nullptr);
    }
    EXPECT_EQ(T.b_p, 220.0);   // the beam flange's length
    // At the column flange the stiffener takes the flange's length.
    T.location = T_Stub_Column_Flange;
    Draw();
    EXPECT_EQ(T.web.l, 300.0);
    EXPECT_EQ(T.b_p, 300.0);
}

TEST_F(TensionForm, FourBoltNoteAndTheModelNotesNeedAUtilisation) {
    Page_Edit_Flags.row_count = 1.0;
    Page_Edit_Flags.four_bolts_per_row = 1;
    T.location = T_Stub_End_Plate;
    T.U_max = 0.5;
    Draw();
    const View_Area_Item* first = Find("Im EC 3-1-8 ist nur das Modell des äquivalenten T-Stummels mit"_cp);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->colour, Screen_Palette.Blue);
    EXPECT_EQ(first->font, 4096);
    const View_Area_Item* last = Find("Randbedingungen durchgeführt."_cp);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->y1, first->y1 + 22 + 18 + 36);
    EXPECT_NE(Find("- einer Fußplatte mit Biegebeanspruchung aus Zug"_cp), nullptr);
    T.U_max = 0.005;
    Draw();
    EXPECT_EQ(Find("Randbedingungen durchgeführt."_cp), nullptr);

    int yn = 100;
    Clear_View_Area(area);
    Draw_T_Stub_Four_Bolt_Note(area, 500, &yn, 22, Screen_Palette.Black);
    EXPECT_EQ(yn, 100 + 22 + 18 + 22 + 36);
    EXPECT_EQ(Items().size(), 5u);
}

}  // namespace
