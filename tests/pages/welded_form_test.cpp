// The welded connection form: the loads in their three forms with the units of the length rule, the
// corrections the form makes while drawing, and its error lines.
#include <gtest/gtest.h>

#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "pages/connection_forms.h"
#include "pages/form_fixture.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_sketch_frame.h"

namespace {

class WeldedForm : public Form_Area {
  protected:
    Weld_Connection W{};
    const int x = 40;
    int y = 60;
    void SetUp() override {
        Form_Area::SetUp();
        Init_Weld_Connection(&W);
        W.weld.type = Weld_Fillet;
        W.weld.a = 10.0;
        W.weld.l_w = 200.0;
        W.context.verification = 1;
        Sketch_Height = 0;
    }
    void Draw(int editable = 1) {
        Clear_View_Area(area);
        Reset_Field_Activity_Pool();
        y = 60;
        Draw_Weld_Connection_Form(&W, area, x, &y, 22, 18, 960, editable);
    }
    // The unit text right of a field: the text item at the unit column on the field's row.
    std::string Unit_Of(const double* value) {
        const View_Area_Item* f = Field_Of(value);
        if (!f) return "?";
        for (const View_Area_Item& item : Items())
            if (item.kind == View_Item_Kind::Text && item.x1 == x + 401 && item.y1 == f->y1) return item.text;
        return "";
    }
};

TEST_F(WeldedForm, ForcesOnTheWeldReadAsTotalsOrPerMetre) {
    W.force_mode = Weld_Line_Forces;
    W.F_w_Ed = 100000.0;
    Page_Edit_Flags.weld_directional_method = 0;
    Unpack_Weld_Connection(&W);   // l_eff 180 mm
    Draw();
    const View_Area_Item* F = Field_Of(&W.F_w_Ed);
    ASSERT_NE(F, nullptr);
    EXPECT_EQ(F->text, "%8.2f");
    EXPECT_EQ(F->x1, x + 320);
    EXPECT_EQ(F->on_change, &Clamp_To_Absolute);
    EXPECT_NEAR(*F->number, 18.0, 1e-12);
    EXPECT_EQ(Unit_Of(&W.F_w_Ed), "kN");
    EXPECT_EQ(Find("bezogen auf die gesamte wirksame Nahtlänge"_cp), nullptr);

    // A weld without length: per metre, with the note of the reference length.
    const struct {
        int side;
        const char* note;
    } cases[] = {{Weld_Two_Sided, "bezogen auf die gesamte wirksame Nahtlänge"_cp},
                 {Weld_One_Sided_Left, "bezogen auf die wirksame Nahtlänge"_cp}};
    for (const auto& c : cases) {
        W.weld.l_w = 0.0005;
        W.side = c.side;
        Draw();
        EXPECT_EQ(Unit_Of(&W.F_w_Ed), "kN/m");
        EXPECT_NE(Find(c.note), nullptr) << c.side;
    }
    // The directional method: three components on the same units.
    W.weld.l_w = 0.05;
    Page_Edit_Flags.weld_directional_method = 1;
    Draw();
    EXPECT_EQ(Field_Of(&W.F_w_Ed), nullptr);
    for (const double* v : {&W.F_sigma_perp, &W.F_tau_perp, &W.F_tau_par}) EXPECT_EQ(Unit_Of(v), "kN/m");
    W.weld.l_w = 200.0;
    Draw();
    for (const double* v : {&W.F_sigma_perp, &W.F_tau_perp, &W.F_tau_par}) EXPECT_EQ(Unit_Of(v), "kN");
}

TEST_F(WeldedForm, ZeroLengthLineAndThePlateForceRowsWithTheirBitmap) {
    W.force_mode = Weld_Section_Forces;
    W.weld.l_w = 0.0005;
    Sketch_Height = 120;
    Draw();
    const View_Area_Item* red = Find("Schweißnahtlänge l  = 0  ê  kein Nachweis !!"_cp);
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(red->colour, Screen_Palette.Red);
    EXPECT_EQ(red->x1, x + 20);
    for (const double* v : {&W.N_Ed, &W.M_perp_Ed, &W.V_par_Ed, &W.M_par_Ed, &W.V_perp_Ed})
        EXPECT_NE(Field_Of(v), nullptr);
    EXPECT_EQ(Unit_Of(&W.M_par_Ed), "kNm");
    const View_Area_Item* bitmap = Find("schweisslast.bmp", View_Item_Kind::Bitmap);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->x1, x + 647);
    EXPECT_EQ(bitmap->x2, x + 937);
    W.weld.l_w = 200.0;
    Draw();
    EXPECT_EQ(Find("Schweißnahtlänge l  = 0  ê  kein Nachweis !!"_cp), nullptr);
}

TEST_F(WeldedForm, CorrectionsTheFormMakesWhileDrawing) {
    // Stresses are offered with the directional method only.
    W.force_mode = Weld_Stresses;
    Page_Edit_Flags.weld_directional_method = 0;
    Draw();
    EXPECT_EQ(W.force_mode, Weld_Line_Forces);
    W.force_mode = Weld_Stresses;
    Page_Edit_Flags.weld_directional_method = 1;
    Draw();
    EXPECT_EQ(W.force_mode, Weld_Stresses);
    const View_Area_Item* sigma = Field_Of(&W.sigma_perp);
    ASSERT_NE(sigma, nullptr);
    EXPECT_EQ(Unit_Of(&W.sigma_perp), "N/mm²"_cp);
    EXPECT_EQ(Field_Of(&W.tau_perp)->y1, sigma->y1 + 17);
    // A slot weld carries plate forces only, given as V∥ and V⊥.
    W.weld.type = Weld_Slot;
    W.force_mode = Weld_Line_Forces;
    Draw();
    EXPECT_EQ(W.force_mode, Weld_Section_Forces);
    EXPECT_NE(Find("Bemessungsschnittgrößen im Anschlussblech 1"_cp), nullptr);
    EXPECT_EQ(Field_Of(&W.N_Ed), nullptr);
    EXPECT_NE(Field_Of(&W.V_par_Ed), nullptr);
    EXPECT_EQ(Find("schweisslast.bmp", View_Item_Kind::Bitmap), nullptr);
}

TEST_F(WeldedForm, PlugWeldWithoutVerificationAndTheErrorLine) {
    W.weld.type = Weld_Plug;
    W.context.verification = 0;
    Draw();
    EXPECT_NE(Find("keine Parameter erforderlich"), nullptr);
    EXPECT_EQ(Find("Richtungsbezogenes Verfahren", View_Item_Kind::Radio_Button), nullptr);
    EXPECT_EQ(Find("maximale Ausnutzung"), nullptr);

    W.weld.type = Weld_Fillet;
    W.context.verification = 1;
    W.check_error_flags = 1;
    W.U_max = -1.0;
    Draw();
    const View_Area_Item* error = Find("Fehler bei der Berechnung");
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->colour, Screen_Palette.Red);
    EXPECT_EQ(error->x1, x + 280);
    EXPECT_NE(Find("XXXXXX"), nullptr);
    Draw(0);
    EXPECT_EQ(Find("Fehler bei der Berechnung"), nullptr);
    EXPECT_EQ(Find("XXXXXX"), nullptr);
}

}  // namespace
