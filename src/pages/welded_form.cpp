// The welded connection's tab: the conversion of the Weld_Connection between stored and editing form
// and the form with the three ways of giving the design loads.
#include "pages/connection_forms.h"

#include <algorithm>
#include <span>

#include "checks/weld_input_check.h"
#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "pages/form_rows.h"
#include "pages/screen_sketches.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_palette.h"
#include "pages/input_parts.h"
#include "pages/page_edit_flags.h"

namespace {

// Up to this weld length (mm) a weld counts as without length: its line forces are given per metre
// and the form writes "kN/m", as the red zero-length line says. One threshold for the conversion and
// for the unit text, so that a number is never converted as a total and labelled per metre.
constexpr double Weld_Length_Min = 0.1;

void Scale_Plate_Forces(Weld_Connection& W, double factor) {
    for (double* v : {&W.N_Ed, &W.M_par_Ed, &W.M_perp_Ed, &W.V_par_Ed, &W.V_perp_Ed}) *v *= factor;
}

void Scale_Line_Forces(Weld_Connection& W, double factor) {
    for (double* v : {&W.F_sigma_perp, &W.F_tau_perp, &W.F_tau_par, &W.F_w_Ed}) *v *= factor;
}

}  // namespace

double Weld_Force_Length(const Weld_Connection& connection) {
    const Weld& w = connection.weld;
    if (w.l_w <= Weld_Length_Min || (w.type != Weld_Fillet && w.type != Weld_Butt)) return 0.0;
    const double L = Compute_Weld_Effective_Length(w, nullptr);
    return L < 0.001 ? w.l_w : L;
}

void Unpack_Weld_Connection(Weld_Connection* connection) {
    if (!connection) return;
    Weld_Connection& W = *connection;
    Scale_Plate_Forces(W, 0.001);   // N to kN, N·m to kNm
    // N/m to kN in total over L mm, or to kN/m.
    const double L = Weld_Force_Length(W);
    Scale_Line_Forces(W, L > 0.0 ? L * 1e-6 : 0.001);
    Page_Edit_Flags.weld_eccentricity_noted = 1;
    Page_Edit_Flags.weld_directional_method = (W.flags & Weld_Flag_Directional) ? 1 : 0;
}

void Pack_Weld_Connection(Weld_Connection* connection) {
    if (!connection) return;
    Weld_Connection& W = *connection;
    Scale_Plate_Forces(W, 1000.0);
    // L of the weld as it is now: a total typed by the user stays that total when the geometry
    // changed since the unpack.
    const double L = Weld_Force_Length(W);
    Scale_Line_Forces(W, L > 0.0 ? 1e6 / L : 1000.0);
    W.flags = (Page_Edit_Flags.weld_directional_method ? Weld_Flag_Directional : 0) |
              (Page_Edit_Flags.weld_eccentricity_noted ? Weld_Flag_Eccentricity : 0);
    Check_Weld_Silently(&W);
}

namespace {

// A load row with a small note under it: the three components of a line force or of the stresses.
struct Noted_Row {
    const char* label;
    const char* symbol;
    const char* subscript;
    double* value;
    const char* note;
};

// Lower-block value rows: label 20, symbol 280, subscript 290 (288 under V and F), field 320, unit 401.
Value_Row Load_Row(const char* label, const char* symbol, const char* subscript, int subscript_x, const char* unit) {
    return {label, 20, symbol, 280, subscript, subscript_x, 320, "%8.2f", unit, 401};
}

struct Weld_Form {
    Weld_Connection& W;
    int area, x, rp, sp, editable;
    const Screen_Palette_Record& S = Screen_Palette;

    bool Fillet_Or_Butt() const { return W.weld.type == Weld_Fillet || W.weld.type == Weld_Butt; }
    bool Without_Length() const { return W.weld.l_w <= Weld_Length_Min; }

    void Radio(int dx, int y, const char* label, int own, int* bound, const int* slot, int colour) {
        Add_Radio_Button_to_View_Area(area, x + dx, y, label, S.Font_Normal, colour, own, bound, slot);
    }

    void Add_Noted_Row(int y, const Noted_Row& k, int subscript_x, const char* unit, const int* slot) {
        const Part_Colours c = Colours_Of_Group(slot);
        Add_Value_Row(area, x, y, Load_Row(k.label, k.symbol, k.subscript, subscript_x, unit), k.value, nullptr, slot, c);
        Add_Part_Note(area, x + 20, y + 12, k.note, c.label);
    }

    // Step of the plate forces: section forces of the plate (always for slot and plug welds).
    void Plate_Forces(int& y) {
        const int* g = Take_Group_Slot(editable, true);
        const Part_Colours c = Colours_Of_Group(g);
        y += 5;
        if (!Fillet_Or_Butt()) {
            Add_Part_Text(area, x, y, "Bemessungsschnittgrößen im Anschlussblech 1"_cp, c.label);
            W.force_mode = Weld_Section_Forces;
        } else {
            Radio(20, y, "Bemessungsschnittgrößen im Anschlussblech 2"_cp, Weld_Section_Forces, &W.force_mode, g,
                  c.label);
            if (W.force_mode != Weld_Section_Forces) {
                y += sp;
                return;
            }
        }
        if (W.weld.l_w < Weld_Length_Min) {
            y += rp;
            Add_Part_Text(area, x + 20, y, "Schweißnahtlänge l  = 0  ê  kein Nachweis !!"_cp, S.Red);
            Add_Part_Subscript(area, x + 132, y, "w", S.Red);
        }
        const int* rows = Take_Group_Slot(editable, W.context.verification != 0);
        const Part_Colours rc = Colours_Of_Group(rows);
        y += rp;
        struct Row {
            Value_Row row;
            double* value;
        };
        const Row fillet[] = {
            {Load_Row("Normalkraft", "N", "Ed", 290, "kN"), &W.N_Ed},
            {Load_Row("Biegemoment senkrecht zur Nahtachse", "M", "ç,Ed"_cp, 290, "kNm"), &W.M_perp_Ed},
            {Load_Row("Querkraft parallel zur Nahtachse", "V", "å,Ed"_cp, 288, "kN"), &W.V_par_Ed},
            {Load_Row("Biegemoment parallel zur Nahtachse", "M", "å,Ed"_cp, 290, "kNm"), &W.M_par_Ed},
            {Load_Row("Querkraft senkrecht zur Nahtachse", "V", "ç,Ed"_cp, 288, "kN"), &W.V_perp_Ed},
        };
        const Row slot_plug[] = {
            {Load_Row("Querkraft parallel zur Nahtlängsachse"_cp, "V", "å,Ed"_cp, 288, "kN"), &W.V_par_Ed},
            {Load_Row("Querkraft senkrecht zur Nahtlängsachse"_cp, "V", "ç,Ed"_cp, 288, "kN"), &W.V_perp_Ed},
        };
        for (const Row& r : Fillet_Or_Butt() ? std::span<const Row>(fillet) : std::span<const Row>(slot_plug)) {
            Add_Value_Row(area, x, y, r.row, r.value, nullptr, rows, rc);
            y += rp;
        }
    }

    // Step of the forces on the weld: the resultant (simplified method) or three components.
    void Line_Forces(int& y) {
        const int* g = Take_Group_Slot(editable, W.context.verification != 0);
        const bool directional = Page_Edit_Flags.weld_directional_method != 0;
        if (!Fillet_Or_Butt()) {
            y += sp;
            return;
        }
        Radio(20, y,
              directional ? "Bemessungskräfte in der wirks. Nahtebene"_cp : "Bemessungskraft in der wirks. Nahtebene",
              Weld_Line_Forces, &W.force_mode, g, S.Black);
        if (W.side == Weld_Two_Sided) {
            if (!directional && W.force_mode == Weld_Line_Forces)
                Add_Part_Note(area, x + 20, y + 12, "(je Naht)", S.Brown);
            else
                Add_Part_Note(area, x + (directional ? 280 : 270), y, "(je Naht)", S.Brown);
        }
        if (W.force_mode != Weld_Line_Forces) {
            y += sp;
            return;
        }
        const int* rows = Take_Group_Slot(editable, true);
        const Part_Colours rc = Colours_Of_Group(rows);
        // Up to the length threshold the forces are per metre; otherwise totals over the weld.
        const char* unit = Without_Length() ? "kN/m" : "kN";
        if (!directional) {
            Add_Value_Row(area, x, y, Load_Row(nullptr, "F", "w,Ed", 288, unit), &W.F_w_Ed, Clamp_To_Absolute, rows, rc);
            if (Without_Length())
                Add_Part_Note(area, x + 20, y + 12,
                              W.side == Weld_Two_Sided ? "bezogen auf die gesamte wirksame Nahtlänge"_cp
                                                       : "bezogen auf die wirksame Nahtlänge"_cp,
                              rc.label);
            y += rp;
            return;
        }
        const Noted_Row components[] = {
            {"Kraft senkrecht zur Nahtachse", "F(╠ )"_cp, "ç"_cp, &W.F_sigma_perp, "senkrecht zur Nahtfläche"_cp},
            {"Kraft senkrecht zur Nahtachse", "F(╓ )"_cp, "ç"_cp, &W.F_tau_perp, "in der Nahtfläche"_cp},
            {"Kraft parallel zur Nahtachse", "F(╓ )"_cp, "å"_cp, &W.F_tau_par, "in der Nahtfläche"_cp},
        };
        for (const Noted_Row& k : components) {
            y += rp;
            Add_Noted_Row(y, k, 299, unit, rows);
        }
        y += rp;
    }

    // Step of the stresses on the throat, offered with the directional method only.
    void Stresses(int& y) {
        const int* g = Take_Group_Slot(editable, W.context.verification != 0);
        if (!Fillet_Or_Butt()) {
            y += rp;
            return;
        }
        if (!Page_Edit_Flags.weld_directional_method) {
            if (W.force_mode == Weld_Stresses) W.force_mode = Weld_Line_Forces;
        } else {
            Radio(20, y, "Bemessungsspannungen in der wirks. Nahtebene", Weld_Stresses, &W.force_mode, g, S.Black);
        }
        if (W.force_mode != Weld_Stresses) {
            y += rp;
            return;
        }
        if (W.weld.l_w > Weld_Length_Min) {
            const int colour = *g ? S.Brown : S.Grey_130;
            Add_Part_Note(area, x + 20, y + 12, "l    nicht relevant", colour);
            Add_Part_Subscript(area, x + 23, y + 12, "w", colour);
            y -= 5;
        }
        const int* rows = Take_Group_Slot(editable, true);
        const Noted_Row stresses[] = {
            {"Spannung senkrecht zur Nahtachse", "╠"_cp, "ç,Ed"_cp, &W.sigma_perp, "senkrecht zur Nahtfläche"_cp},
            {"Spannung senkrecht zur Nahtachse", "╓"_cp, "ç,Ed"_cp, &W.tau_perp, "in der Nahtfläche"_cp},
            {"Spannung parallel zur Nahtachse", "╓"_cp, "å,Ed"_cp, &W.tau_par, "in der Nahtfläche"_cp},
        };
        y += rp;
        for (const Noted_Row& k : stresses) {
            Add_Noted_Row(y, k, 288, "N/mm²"_cp, rows);
            y += rp - 5;
        }
    }
};

}  // namespace

void Draw_Weld_Connection_Form(Weld_Connection* connection, int area, int x, int* y, int row_pitch, int sub_pitch,
                               int width, int editable) {
    if (!connection || !y) return;
    Weld_Connection& W = *connection;
    Weld_Form F{W, area, x, row_pitch, sub_pitch, editable};
    const Screen_Palette_Record& S = Screen_Palette;
    const int rp = row_pitch;
    const int R = x + Right_Column;
    const int V = Set_Plate_Input_Style(0);
    const int y0 = *y;

    // The weld and, for fillet and butt welds, its sides.
    const int* slot = Take_Group_Slot(editable, true);
    int yl = y0;
    Draw_Weld_Input(&W.weld, area, x, &yl, rp, sub_pitch, width, *slot, 0, nullptr);
    if (F.Fillet_Or_Butt()) {
        const int* g = Take_Group_Slot(editable, true);
        const int colour = Colours_Of_Group(g).label;
        F.Radio(20, yl, "einseitige Schweißnaht links"_cp, Weld_One_Sided_Left, &W.side, g, colour);
        F.Radio(240, yl, "... rechts", Weld_One_Sided_Right, &W.side, g, colour);
        yl += sub_pitch;
        F.Radio(20, yl, "beidseitige Schweißnaht"_cp, Weld_Two_Sided, &W.side, g, colour);
        yl += rp;
    }

    // The connected plates in the right column.
    int yr = y0;
    Add_Part_Heading(area, R, yr, "Anschlussbleche", S.Black);
    yr += rp;
    const int plate_options = W.context.uniform_steel ? 0x42 : 0x43;   // thickness, β_w (and material)
    Add_Part_Text(area, R, yr, "Blech 1:", S.Black);
    Draw_Plate_Input(&W.plate1, area, x + 552, &yr, rp, sub_pitch, width, Current_Slot_Value(), S.Black, plate_options,
                     "1");
    if (F.Fillet_Or_Butt()) {
        yr += 5;
        Add_Part_Text(area, R, yr, "Blech 2:", S.Black);
        Draw_Plate_Input(&W.plate2, area, x + 552, &yr, rp, sub_pitch, width, Current_Slot_Value(), S.Black,
                         plate_options, "2");
        if (W.weld.type == Weld_Fillet) {
            yr += 5;
            Add_Check_Box_to_View_Area(area, x + 512, yr, "Futterblech", S.Font_Normal, S.Black, &W.packing,
                                       Current_Slot());
            if (W.packing) Add_Packing_Thickness_Row(area, x, yr, V, &W.t_p, editable);
            yr += rp;
        }
    }

    int yb = std::max(yr, yl);
    Add_Grey_Line(area, x + Column_Separator, y0 - rp, x + Column_Separator, yb - rp);
    Add_Grey_Line(area, x, yb, width - 10, yb);
    yb += rp;
    const int yH = yb;
    const int* g = Take_Group_Slot(editable, true);
    Add_Part_Heading(area, x, yb, "Nachweisparameter", Colours_Of_Group(g).label);
    yb += rp;

    // The method and the loads.
    const bool verification = W.context.verification != 0;
    if (W.weld.type == Weld_Plug) {
        if (!verification) Add_Part_Text(area, x, yb, "keine Parameter erforderlich", Colours_Of_Group(g).label);
    } else {
        F.Radio(20, yb, "Richtungsbezogenes Verfahren", 1, &Page_Edit_Flags.weld_directional_method, g,
                Colours_Of_Group(g).label);
        yb += sub_pitch;
        F.Radio(20, yb, "Vereinfachtes Verfahren", 0, &Page_Edit_Flags.weld_directional_method, g, S.Black);
        yb += rp;
    }
    if (verification) {
        F.Plate_Forces(yb);
        F.Line_Forces(yb);
        F.Stresses(yb);
        if (editable) {
            Add_Grey_Line(area, x, yb, x + 462, yb);
            yb += rp;
            Add_Part_Heading(area, x, yb, "maximale Ausnutzung", S.Black);
            Draw_Utilisation(area, x + 280, x + 290, x + 330, yb, W.U_max);
            yb += rp;
            if (W.check_error_flags) {
                Add_Part_Heading(area, x + 280, yb, "Fehler bei der Berechnung", S.Red);
                yb += rp;
            }
        }
    }

    // The sketch in the right column, with the directions of the plate forces below it.
    Add_Painter_to_View_Area(area, R, yH, width - 10, yH + 200, &W, Draw_Weld_Connection_Sketch);
    int ys = yH + Sketch_Height;
    if (F.Fillet_Or_Butt() && W.force_mode == Weld_Section_Forces) {
        Add_Bitmap_to_View_Area(area, "schweisslast.bmp", x + 647, ys - 10, x + 937, ys + 140, S.White);
        ys += 150;
    }
    ys += rp;
    const int y_end = std::max(ys, yb);
    Add_Grey_Line(area, x + Column_Separator, yH, x + Column_Separator, y_end - rp);
    Take_Group_Slot(editable, true);
    *y = y_end;
}
