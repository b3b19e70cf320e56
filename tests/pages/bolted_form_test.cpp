// The bolted connection form over the five fastener kinds: categories, the rows each kind offers,
// the switches the form sets, and what the tab page shows after the input check.
#include <gtest/gtest.h>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "pages/connection_forms.h"
#include "pages/form_fixture.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_sketch_frame.h"

namespace {

class BoltedForm : public Form_Area {
  protected:
    Connection_Record R{};
    Bolt_Connection& B = R.bolted;
    int saved_edition = 0;
    const int x = 40;
    int y = 60;
    void SetUp() override {
        Form_Area::SetUp();
        saved_edition = Current_Code_Edition;
        Current_Code_Edition = 1;
        Default_Connection_Record(&R);
        Current_Code_Edition = 1;
        R.bolted_active = 1;
        R.verification = 1;
        B.context.verification = 1;
        Unpack_Bolt_Connection(&B);
        Sketch_Height = 0;
    }
    void TearDown() override {
        Current_Code_Edition = saved_edition;
        Form_Area::TearDown();
    }
    void Draw(int editable = 1) {
        Clear_View_Area(area);
        Reset_Field_Activity_Pool();
        y = 60;
        Draw_Bolt_Connection_Form(&B, area, x, &y, 22, 18, 960, editable);
    }
    // The tab as the main window builds it: pack, silent check, unpack, form.
    void Draw_Page() {
        Clear_View_Area(area);
        Draw_Connection_Page(&R, Page_Bolted, area, 30, 40, 990);
    }
    const View_Area_Item* List_On(const int* value) { return Bound_To(value, View_Item_Kind::Choice_List); }
};

TEST_F(BoltedForm, TensionCategoryListShowsTheEditingRow) {
    const struct {
        int kind, stored, row;
    } cases[] = {
        {Fastener_Bolt, Tension_Category_D, 1},
        {Fastener_Bolt, Tension_Category_E, 2},
        {Fastener_Bolt, Tension_Category_None, 0},
        {Fastener_Rivet, Tension_Category_E, 1},   // a rivet is never preloaded: E shows as D
    };
    for (const auto& c : cases) {
        Pack_Bolt_Connection(&B);
        B.fastener.type = c.kind;
        B.Tension_Category = c.stored;
        Unpack_Bolt_Connection(&B);
        Draw_Page();
        const View_Area_Item* list = List_On(&B.Tension_Category);
        ASSERT_NE(list, nullptr) << c.kind;
        EXPECT_EQ(*list->value, c.row) << c.kind << " " << c.stored;
        EXPECT_EQ(list->aux, 3);
        EXPECT_EQ(list->x1, 40 + 802);
    }
    const View_Area_Item* list = List_On(&B.Tension_Category);
    EXPECT_STREQ(list->entries[0].text, "--");
    EXPECT_EQ(list->entries[0].colour, Screen_Palette.Red);
    EXPECT_STREQ(list->entries[1].text, " D");
    EXPECT_STREQ(list->entries[2].text, " E");
    EXPECT_EQ(list->entries[2].colour, Screen_Palette.Black);
    // " E" chosen for a bolt is stored as category E.
    B.fastener.type = Fastener_Bolt;
    B.Tension_Category = 2;
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.Tension_Category, Tension_Category_E);
    Unpack_Bolt_Connection(&B);
}

TEST_F(BoltedForm, RowsOfferedByKind) {
    // An injection bolt has no tension category and no tension loads.
    B.fastener.type = Fastener_Injection_Bolt;
    Draw();
    EXPECT_EQ(Find("Kategorie der Zugverbindungen"), nullptr);
    EXPECT_EQ(Field_Of(&B.F_t_Ed), nullptr);
    EXPECT_NE(Field_Of(&B.F_v_Ed), nullptr);
    EXPECT_EQ(B.net_section_check, 1);

    // A bolt in a tapped hole: the single-lap text instead of the radio buttons.
    B.fastener.type = Fastener_Bolt;
    B.fastener.tapped_hole = 1;
    Draw();
    EXPECT_NE(Find("Schraube im Bohrloch mit Gewinde: einschnittiger Anschluss"), nullptr);
    EXPECT_EQ(Find("zweischnittiger Anschluss", View_Item_Kind::Radio_Button), nullptr);
    EXPECT_EQ(B.block_tearing_check, 0);
    B.fastener.tapped_hole = 0;
    Draw();
    const View_Area_Item* two = Find("zweischnittiger Anschluss", View_Item_Kind::Radio_Button);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->state, 2);
    EXPECT_EQ(two->value, &B.shear_planes);

    // A rivet: loads per rivet, no net section check.
    B.fastener.type = Fastener_Rivet;
    Draw();
    EXPECT_NE(Find("Belastung je Niet"), nullptr);
    EXPECT_EQ(B.net_section_check, 0);
}

TEST_F(BoltedForm, LongJointFieldWhileTicked) {
    B.Shear_Category = Shear_Category_A;
    B.p_1 = 70.0;
    B.L_j = 0.0;
    Page_Edit_Flags.long_joint_ticked = 1;
    Draw();
    const View_Area_Item* box = Find("langer Anschluss", View_Item_Kind::Check_Box);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(*box->enabled, 1);
    const View_Area_Item* L = Field_Of(&B.L_j);
    ASSERT_NE(L, nullptr);
    EXPECT_EQ(L->y1, box->y1);
    EXPECT_EQ(*L->number, 0.0);
    Page_Edit_Flags.long_joint_ticked = 0;
    Draw();
    EXPECT_EQ(Field_Of(&B.L_j), nullptr);
    // Without a spacing in the force direction the box is read-only.
    B.p_1 = 0.0;
    Draw();
    EXPECT_EQ(*Find("langer Anschluss", View_Item_Kind::Check_Box)->enabled, 0);
}

TEST_F(BoltedForm, PinGeometryRowsCopyTheDistancesOfEyeBarOne) {
    B.fastener.type = Fastener_Pin;
    B.pin_geometry = 2;
    B.e_11 = 45.0;
    B.e_12 = 10.0;
    B.e_21 = 35.0;
    B.e_22 = 12.0;
    Unpack_Bolt_Connection(&B);
    Draw();
    EXPECT_NE(Field_Of(&B.e_11), nullptr);
    EXPECT_NE(Field_Of(&B.e_21), nullptr);
    EXPECT_EQ(B.e_12, 45.0);
    EXPECT_EQ(B.e_22, 35.0);
    const View_Area_Item* b = Find("Möglichkeit B: Geometrie ist vorgegeben"_cp, View_Item_Kind::Radio_Button);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(*b->value, 2);
    EXPECT_NE(Find("Belastung je Bolzen"), nullptr);
    EXPECT_EQ(Find("Kategorie der Scherverbindungen"), nullptr);
}

TEST_F(BoltedForm, AnchorFixityIsClampedAndNamed) {
    const struct {
        double alpha, kept;
        const char* text;
    } cases[] = {{0.5, 1.0, "keine Einspannung"}, {1.5, 1.5, "Teileinspannung"}, {2.5, 2.0, "Volleinspannung"}};
    for (const auto& c : cases) {
        Pack_Bolt_Connection(&B);
        B.fastener.type = Fastener_Anchor_Bolt;
        B.fastener.anchorage = Anchorage_Anchor_Plate;
        B.packing = 1;
        B.alpha_M = c.alpha;
        Unpack_Bolt_Connection(&B);
        Draw_Page();
        EXPECT_EQ(B.alpha_M, c.kept) << c.alpha;
        const View_Area_Item* note = Find(c.text);
        ASSERT_NE(note, nullptr) << c.alpha;
        EXPECT_EQ(note->colour, Screen_Palette.Brown);
        const View_Area_Item* field = Field_Of(&B.alpha_M);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->on_change, &Clamp_Bolt_Fixity);
        EXPECT_EQ(field->text, "%6.2f");
    }
    EXPECT_NE(Find("Mörtelschicht"_cp, View_Item_Kind::Check_Box), nullptr);
    EXPECT_EQ(B.punching_check, 0);
    EXPECT_EQ(B.slip_check, 0);
}

TEST_F(BoltedForm, EditionDecidesSlipListFrictionAndBearingDeformation) {
    B.fastener.type = Fastener_Bolt;
    B.Shear_Category = Shear_Category_B;
    B.bearing_deformation = 1;
    Page_Edit_Flags.slip_friction_shown = 0.4;
    Draw();
    const View_Area_Item* slip = List_On(&B.slip_class);
    ASSERT_NE(slip, nullptr);
    EXPECT_EQ(slip->aux, 5);
    EXPECT_STREQ(slip->entries[4].text, "C");
    const View_Area_Item* mu = Field_Of(&Page_Edit_Flags.slip_friction_shown);
    ASSERT_NE(mu, nullptr);
    EXPECT_EQ(mu->enabled, &Screen_Palette.Inactive);
    EXPECT_EQ(mu->text, "%4.2f");
    EXPECT_NE(Find("Lochleibungsverformung begrenzen", View_Item_Kind::Check_Box), nullptr);
    EXPECT_EQ(B.bearing_deformation, 1);

    Current_Code_Edition = 0;
    Draw();
    EXPECT_EQ(List_On(&B.slip_class)->aux, 4);
    EXPECT_EQ(Field_Of(&Page_Edit_Flags.slip_friction_shown), nullptr);
    EXPECT_EQ(Find("Lochleibungsverformung begrenzen", View_Item_Kind::Check_Box), nullptr);
    EXPECT_EQ(B.bearing_deformation, 0);
}

TEST_F(BoltedForm, UtilisationAndErrorMarks) {
    B.U_max = 1.0;
    B.Check_Error_Flags = 0x200 | 0x20000;
    Draw();
    EXPECT_NE(Find("1.000  ≤ 1  ok"_cp), nullptr);
    const View_Area_Item* geometry = Find("Geometrie !!");
    ASSERT_NE(geometry, nullptr);
    EXPECT_EQ(geometry->colour, Screen_Palette.Red);
    EXPECT_EQ(geometry->x1, x + 742);
    EXPECT_NE(Find("Einschraubtiefe !!"), nullptr);
    Draw(0);
    EXPECT_EQ(Find("Geometrie !!"), nullptr);
    EXPECT_EQ(Find("maximale Ausnutzung"), nullptr);
    for (const View_Area_Item& item : Items()) {
        if (item.kind == View_Item_Kind::Float_Field && item.enabled != &Screen_Palette.Inactive) {
            EXPECT_EQ(*item.enabled, 0);
        }
    }
}

}  // namespace
