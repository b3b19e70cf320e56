// The T-stub in compression's tab: the conversion of the design force, the clamp of the joint
// coefficient and the form, whose sketch stands at the top of the left column.
#include "pages/connection_forms.h"

#include <algorithm>

#include "common/cp437.h"
#include "gui/view_area_items.h"
#include "pages/form_rows.h"
#include "frame/field_clamps.h"
#include "pages/input_parts.h"
#include "pages/screen_sketches.h"
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
    const bool flange = Is_T_Stub_Flange(C);

    // One group for every row but the loads.
    const int* slot = Take_Group_Slot(editable, true);
    const Part_Colours c = Colours_Of_Group(slot);

    // The sketch at the top of the left column; the rows below start under the height it was
    // painted with last.
    Add_Painter_to_View_Area(area, x + 10, y0, x + 462, y0 + 160, &C, Draw_T_Stub_Compression_Sketch);
    const int left_bottom = y0 + Sketch_Height + rp;

    // The plate in the right column: a T-stub flange without length, or a base plate with it.
    int yr = y0;
    Add_Part_Heading(area, R, yr, flange ? "T-Stummelflansch" : "Fußplatte"_cp, S.Black);
    yr += rp;
    const int material = C.context.uniform_steel ? 0 : Plate_Input_Material;
    const int rows = flange ? Plate_Input_Thickness | Plate_Input_Width
                            : Plate_Input_Thickness | Plate_Input_Width | Plate_Input_Length;
    Draw_Plate_Input(&C.plate, area, R, &yr, rp, sub_pitch, width, Current_Slot_Value(), S.Black, rows | material,
                     flange ? "f" : "p");

    int yl = std::max({y0, left_bottom, yr + 5});
    Add_Grey_Line(area, x + Column_Separator, y0 - rp, x + Column_Separator, yl - rp);
    Add_Grey_Line(area, x, yl, width - 10, yl);
    yl += rp;
    const int yH = yl;
    Add_Part_Heading(area, x, yl, "Nachweisparameter", c.label);
    yl += rp;

    // Lower block: label 0, symbol 210, subscript 218, field 240, unit 305.
    const Value_Row beta_j{"Anschlussbeiwert", 0, "╗"_cp, 210, "j", 218, 240, "%6.4f", "", 305};
    Add_Value_Row(area, x, yl, beta_j, &C.beta_j, Clamp_Joint_Coefficient, slot, c);
    yl += rp;
    const Value_Row ratio{"Lastausbreitungsfaktor", 0, "A   /A", 175, "c1", 185, 240, "%6.3f", "", 305};
    Add_Value_Row(area, x, yl, ratio, &C.spread_ratio, Clamp_Not_Negative, slot, c);
    Add_Part_Subscript(area, x + 213, yl, "c0", c.label);
    Add_Part_Note(area, x + 335, yl, "= 0: wird berechnet", S.Brown);
    yl += rp;

    Draw_Concrete_Input(&C.concrete, area, x, &yl, 240, rp, 0, 0, *slot);

    const Value_Row c1{"zusätzliches Ausbreitungsmaß"_cp, 0, "c", 210, "1", 218, 240, "%6.1f", "mm", 305};
    Add_Value_Row(area, x, yl, c1, &C.c1, Clamp_Not_Negative, slot, c);
    yl += rp;
    const Value_Row c2{nullptr, 0, "c", 210, "2", 218, 240, "%6.1f", "mm", 305};
    Add_Value_Row(area, x, yl, c2, &C.c2, Clamp_Not_Negative, slot, c);
    Add_Part_Note(area, x + 335, yl, "= 0: wird berechnet", S.Brown);
    yl += rp;

    const Value_Row t_s{"Dicke des Stützenblechs"_cp, 0, "t", 210, "s", 216, 240, "%6.1f", "mm", 305};
    Add_Value_Row(area, x, yl, t_s, &C.t_s, Clamp_Not_Negative, slot, c);
    Add_Part_Note(area, x, yl + 14, "= Stegdicke des T-Stummels", c.label);
    yl += rp;
    if (!flange) {
        const Value_Row b_s{"Breite des Stützenblechs"_cp, 0, "b", 210, "s", 216, 240, "%6.1f", "mm", 305};
        Add_Value_Row(area, x, yl, b_s, &C.b_s, Clamp_Not_Negative, slot, c);
        yl += rp;
    }
    yl = std::max(yl, left_bottom);

    // The load and the utilisation in the right column.
    yr = yH;
    if (C.context.verification) {
        const int* load = Take_Group_Slot(editable, true);
        const Part_Colours lc = Colours_Of_Group(load);
        Add_Part_Heading(area, R, yr, "Belastung", lc.label);
        yr += rp;
        const Value_Row F{"Bemessungswert der Druckkraft", Right_Column, "F", 692, "c,Ed", 700, 742, "%6.1f", "kN", 807};
        Add_Value_Row(area, x, yr, F, &C.F_c_Ed, Clamp_To_Absolute, load, lc);
        const int y_force = yr;
        yr += rp;
        if (editable) {
            Add_Line_to_View_Area(area, x + 692, y_force + 17, x + 827, y_force + 17, lc.label);
            yr = y_force + rp + 12;
            Add_Part_Heading(area, R, yr, "maximale Ausnutzung", S.Black);
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
        Add_Part_Note(area, R, yr, "Das Modell des äquivalenten T-Stummels mit Druckbeanspruchung dient zur Bemessung"_cp,
                      S.Blue);
        Add_Part_Note(area, R, yr + 14, "- einer Fußplatte mit Biegung aufgrund der Lagerpressung"_cp, S.Blue);
        Add_Part_Note(area, R, yr + 26, "- von Beton und/oder Mörtelfüllung unterhalb eines Lagers"_cp, S.Blue);
        yr += 26 + rp;
    }

    const int y_end = std::max(yr, yl);
    Add_Grey_Line(area, x + Column_Separator, yH, x + Column_Separator, y_end - rp);
    Take_Group_Slot(editable, true);
    *y = y_end;
}
