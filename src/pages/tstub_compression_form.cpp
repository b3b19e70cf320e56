// The T-stub in compression's tab: the conversion of the design force, the clamp of the joint
// coefficient and the form, whose sketch stands at the top of the left column.
#include "pages/connection_forms.h"

#include <algorithm>

#include "common/cp437.h"
#include "gui/view_area_items.h"
#include "pages/form_rows.h"
#include "pages/input_parts_pending.h"
#include "pages/screen_sketches_pending.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_palette.h"

void Unpack_T_Stub_Compression(T_Stub_Compression* tstub) {
    if (tstub) tstub->F_c_Ed *= 0.001;   // N to kN
}

void Pack_T_Stub_Compression(T_Stub_Compression* tstub) {
    if (tstub) tstub->F_c_Ed *= 1000.0;
}

// β_j = 2/3 of EN 1993-1-8, 6.2.5(7) for a grout layer of usual thickness; a value below 0.01 is
// taken as not given.
void Clamp_Joint_Coefficient(int, double* edited) {
    if (edited && *edited < 0.01) *edited = 2.0 / 3.0;
}

void Draw_T_Stub_Compression_Form(T_Stub_Compression* tstub, int area, int x, int* y, int row_pitch, int sub_pitch,
                                  int width, int editable) {
    if (!tstub || !y) return;
    T_Stub_Compression& C = *tstub;
    const Screen_Palette_Record& S = Screen_Palette;
    const int R = x + Right_Column;
    const int y0 = *y;
    const int rp = row_pitch;
    const bool flange = C.c2 >= T_Stub_Flange_C2_Min;

    // One group for every row but the loads.
    const int* slot = Take_Group_Slot(editable, true);
    const Group_Colours c = Colours_Of_Group(slot);

    // The sketch at the top of the left column; the rows below start under the height it was
    // painted with last.
    Add_Painter_to_View_Area(area, x + 10, y0, x + 462, y0 + 160, &C, Draw_T_Stub_Compression_Sketch);
    const int left_bottom = y0 + Sketch_Height + rp;

    // The plate in the right column: a T-stub flange without length, or a base plate with it.
    int yr = y0;
    Add_Heading_Text(area, R, yr, flange ? "T-Stummelflansch" : "Fußplatte"_cp, S.Black);
    yr += rp;
    const int material = C.context.uniform_steel ? 0 : 0x01;
    Draw_Plate_Input(&C.plate, area, R, &yr, rp, sub_pitch, width, Current_Slot_Value(), S.Black,
                     (flange ? 0x60 : 0x70) | material, flange ? "f" : "p");

    int yl = std::max({y0, left_bottom, yr + 5});
    Add_Grey_Line(area, x + Column_Separator, y0 - rp, x + Column_Separator, yl - rp);
    Add_Grey_Line(area, x, yl, width - 10, yl);
    yl += rp;
    const int yH = yl;
    Add_Heading_Text(area, x, yl, "Nachweisparameter", c.label);
    yl += rp;

    const Value_Row beta_j{"Anschlussbeiwert", x, "╗"_cp, x + 210, "j", x + 218, &C.beta_j, x + 240, "%6.4f",
                           Clamp_Joint_Coefficient, "", x + 305};
    Add_Value_Row(area, yl, beta_j, slot);
    yl += rp;
    const Value_Row ratio{"Lastausbreitungsfaktor", x, "A   /A", x + 175, nullptr, 0, &C.spread_ratio, x + 240, "%6.3f",
                          Clamp_Not_Negative, "", x + 305};
    Add_Value_Row(area, yl, ratio, slot);
    Add_Small_Text(area, x + 185, yl + 2, "c1", c.label);
    Add_Small_Text(area, x + 213, yl + 2, "c0", c.label);
    Add_Small_Text(area, x + 335, yl, "= 0: wird berechnet", S.Brown);
    yl += rp;

    Draw_Concrete_Input(&C.concrete, area, x, &yl, 240, rp, 0, 0, *slot);

    const Value_Row c1{"zusätzliches Ausbreitungsmaß"_cp, x, "c", x + 210, "1", x + 218, &C.c1, x + 240, "%6.1f",
                       Clamp_Not_Negative, "mm", x + 305};
    Add_Value_Row(area, yl, c1, slot);
    yl += rp;
    const Value_Row c2{nullptr, x, "c", x + 210, "2", x + 218, &C.c2, x + 240, "%6.1f", Clamp_Not_Negative, "mm", x + 305};
    Add_Value_Row(area, yl, c2, slot);
    Add_Small_Text(area, x + 335, yl, "= 0: wird berechnet", S.Brown);
    yl += rp;

    const Value_Row t_s{"Dicke des Stützenblechs"_cp, x, "t", x + 210, "s", x + 216, &C.t_s, x + 240, "%6.1f",
                        Clamp_Not_Negative, "mm", x + 305};
    Add_Value_Row(area, yl, t_s, slot);
    Add_Small_Text(area, x, yl + 14, "= Stegdicke des T-Stummels", c.label);
    yl += rp;
    if (!flange) {
        const Value_Row b_s{"Breite des Stützenblechs"_cp, x, "b", x + 210, "s", x + 216, &C.b_s, x + 240, "%6.1f",
                            Clamp_Not_Negative, "mm", x + 305};
        Add_Value_Row(area, yl, b_s, slot);
        yl += rp;
    }
    yl = std::max(yl, left_bottom);

    // The load and the utilisation in the right column.
    yr = yH;
    if (C.context.verification) {
        const int* load = Take_Group_Slot(editable, true);
        const Group_Colours lc = Colours_Of_Group(load);
        Add_Heading_Text(area, R, yr, "Belastung", lc.label);
        yr += rp;
        const Value_Row F{"Bemessungswert der Druckkraft", R, "F", x + 692, "c,Ed", x + 700, &C.F_c_Ed, x + 742, "%6.1f",
                          Clamp_To_Absolute, "kN", x + 807};
        Add_Value_Row(area, yr, F, load);
        const int y_force = yr;
        yr += rp;
        if (editable) {
            Add_Line_to_View_Area(area, x + 692, y_force + 17, x + 827, y_force + 17, lc.label);
            yr = y_force + rp + 12;
            Add_Heading_Text(area, R, yr, "maximale Ausnutzung", S.Black);
            Draw_Utilisation(area, x + 692, x + 702, x + 742, yr, C.U_max);
            yr += rp;
        }
        yr += 5;
        Add_Grey_Line(area, R, yr, width - 10, yr);
        yr += rp;
    }

    Take_Group_Slot(editable, true);
    // The notes on the model's uses need a computed utilisation.
    if (C.context.verification && C.U_max > 0.01) {
        Add_Small_Text(area, R, yr, "Das Modell des äquivalenten T-Stummels mit Druckbeanspruchung dient zur Bemessung"_cp,
                       S.Blue);
        Add_Small_Text(area, R, yr + 14, "- einer Fußplatte mit Biegung aufgrund der Lagerpressung"_cp, S.Blue);
        Add_Small_Text(area, R, yr + 26, "- von Beton und/oder Mörtelfüllung unterhalb eines Lagers"_cp, S.Blue);
        yr += 26 + rp;
    }

    const int y_end = std::max(yr, yl);
    Add_Grey_Line(area, x + Column_Separator, yH, x + Column_Separator, y_end - rp);
    Take_Group_Slot(editable, true);
    *y = y_end;
}
