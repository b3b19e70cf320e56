// The T-stub in compression form: base plate or flange, the parameter rows, the load with the
// utilisation and the notes, the sketch at the top of the left column.
#include <gtest/gtest.h>

#include "common/cp437.h"
#include "pages/connection_forms.h"
#include "pages/form_fixture.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_sketch_frame.h"

namespace {

class CompressionForm : public Form_Area {
  protected:
    T_Stub_Compression C{};
    const int x = 40;
    int y = 60;
    void SetUp() override {
        Form_Area::SetUp();
        Init_T_Stub_Compression(&C);
        C.context.verification = 1;
        Sketch_Height = 0;
    }
    void Draw(int editable = 1) { Draw_T_Stub_Compression_Form(&C, area, x, &y, 22, 18, 960, editable); }
};

TEST_F(CompressionForm, BasePlateOrFlangeByTheSecondSpreadWidth) {
    const struct {
        double c2;
        const char* heading;
        bool length_and_width_rows;
    } cases[] = {{0.0, "Fußplatte"_cp, true}, {0.05, "Fußplatte"_cp, true}, {50.0, "T-Stummelflansch", false}};
    for (const auto& c : cases) {
        Clear_View_Area(area);
        C.c2 = c.c2;
        y = 60;
        Draw();
        const View_Area_Item* heading = Find(c.heading);
        ASSERT_NE(heading, nullptr) << c.c2;
        EXPECT_EQ(heading->x1, x + 492);
        EXPECT_EQ(heading->y1, 60);
        EXPECT_EQ(Find("Blechlänge"_cp) != nullptr, c.length_and_width_rows) << c.c2;
        EXPECT_EQ(Find("Breite des Stützenblechs"_cp) != nullptr, c.length_and_width_rows) << c.c2;
        EXPECT_EQ(Field_Of(&C.b_s) != nullptr, c.length_and_width_rows);
    }
}

TEST_F(CompressionForm, ParameterRowsAndTheLoadWithItsUtilisation) {
    C.F_c_Ed = 250.0;   // editing form of 250000 N
    C.U_max = 0.5;
    Sketch_Height = 160;
    Draw();
    // The parameters start below the taller of the sketch (60 + 160 + 22) and the plate part.
    const View_Area_Item* parameters = Find("Nachweisparameter");
    ASSERT_NE(parameters, nullptr);
    EXPECT_GE(parameters->y1, 60 + 160 + 22 + 22);
    EXPECT_EQ(parameters->x1, x);

    const View_Area_Item* beta = Field_Of(&C.beta_j);
    ASSERT_NE(beta, nullptr);
    EXPECT_EQ(beta->text, "%6.4f");
    EXPECT_EQ(beta->x1, x + 240);
    EXPECT_EQ(beta->y1, parameters->y1 + 22);
    EXPECT_EQ(beta->on_change, &Clamp_Joint_Coefficient);
    EXPECT_EQ(Field_Of(&C.spread_ratio)->text, "%6.3f");
    EXPECT_EQ(Count("= 0: wird berechnet"), 2);
    EXPECT_EQ(Find("= 0: wird berechnet")->colour, Screen_Palette.Brown);

    const View_Area_Item* belastung = Find("Belastung");
    ASSERT_NE(belastung, nullptr);
    EXPECT_EQ(belastung->x1, x + 492);
    EXPECT_EQ(belastung->y1, parameters->y1);
    const View_Area_Item* force = Field_Of(&C.F_c_Ed);
    ASSERT_NE(force, nullptr);
    EXPECT_EQ(force->x1, x + 742);
    EXPECT_EQ(force->y1, belastung->y1 + 22);
    EXPECT_EQ(force->text, "%6.1f");
    EXPECT_EQ(*force->enabled, 1);
    const View_Area_Item* verdict = Find("0.500  ≤ 1  ok"_cp);
    ASSERT_NE(verdict, nullptr);
    EXPECT_EQ(verdict->x1, x + 742);
    EXPECT_EQ(verdict->y1, force->y1 + 22 + 12);
    EXPECT_EQ(verdict->colour, Screen_Palette.Green);
    const View_Area_Item* note = Find("- einer Fußplatte mit Biegung aufgrund der Lagerpressung"_cp);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->colour, Screen_Palette.Blue);

    // The sketch box at the top of the left column, 452 × 160.
    const View_Area_Item* sketch = nullptr;
    for (const View_Area_Item& item : Items())
        if (item.kind == View_Item_Kind::Painter_Box) sketch = &item;
    ASSERT_NE(sketch, nullptr);
    EXPECT_EQ(sketch->x1, x + 10);
    EXPECT_EQ(sketch->y1, 60);
    EXPECT_EQ(sketch->x2 - sketch->x1, 452);
    EXPECT_EQ(sketch->y2 - sketch->y1, 160);
    EXPECT_EQ(sketch->data, &C);
}

TEST_F(CompressionForm, WithoutVerificationTheRightColumnBelowThePlateStaysEmpty) {
    C.context.verification = 0;
    C.U_max = 0.7;   // left from an earlier computation
    Draw();
    EXPECT_EQ(Find("Belastung"), nullptr);
    EXPECT_EQ(Field_Of(&C.F_c_Ed), nullptr);
    EXPECT_EQ(Find("maximale Ausnutzung"), nullptr);
    EXPECT_EQ(Find("- einer Fußplatte mit Biegung aufgrund der Lagerpressung"_cp), nullptr);
}

TEST_F(CompressionForm, ReadOnlyFormGreysEveryGroupAndHasNoUtilisation) {
    C.U_max = 0.5;
    Draw(0);
    EXPECT_EQ(Find("maximale Ausnutzung"), nullptr);
    for (const View_Area_Item& item : Items()) {
        if (item.kind == View_Item_Kind::Float_Field) {
            EXPECT_EQ(*item.enabled, 0);
        }
    }
    EXPECT_EQ(Find("Anschlussbeiwert")->colour, Screen_Palette.Grey_130);
    EXPECT_EQ(Find("Bemessungswert der Druckkraft")->colour, Screen_Palette.Grey_130);
    EXPECT_EQ(Field_Activity_Pool.slots[static_cast<std::size_t>(Field_Activity_Pool.position)], 0);
}

}  // namespace
