// The bolted connection's tab: the conversion of the Bolt_Connection between stored and editing form,
// the clamp of the anchor fixity and the form for the five fastener kinds.
#include "pages/connection_forms.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "checks/bolt_resistances.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "pages/form_rows.h"
#include "pages/input_parts.h"
#include "pages/screen_sketches.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_palette.h"
#include "pages/page_edit_flags.h"

namespace {

// The design forces in record order: F_v,Ed, F_v,Ed,ser, ΣF_v,Ed, F_t,Ed, F_t,Ed,ser, V_eff,Ed, N_Ed.
void Scale_Bolt_Forces(Bolt_Connection& B, double factor) {
    for (double* F : {&B.F_v_Ed, &B.F_v_Ed_ser, &B.Sum_F_v_Ed, &B.F_t_Ed, &B.F_t_Ed_ser, &B.V_eff_Ed, &B.N_Ed})
        *F *= factor;
}

// The tension category in the list of the form: 0 "--", 1 " D", 2 " E" for the stored 0, 4, 5.
constexpr int Tension_Category_List_Offset = Tension_Category_D - 1;

}  // namespace

void Unpack_Bolt_Connection(Bolt_Connection* connection) {
    if (!connection) return;
    Bolt_Connection& B = *connection;
    Page_Edit_Flags_Record& P = Page_Edit_Flags;
    if (B.Tension_Category > 0) B.Tension_Category -= Tension_Category_List_Offset;
    Scale_Bolt_Forces(B, 0.001);   // N to kN
    B.A_net *= 0.01;               // mm² to cm²

    const bool pin = B.fastener.type == Fastener_Pin;
    P.thread_in_shear_plane = (B.options & Bolt_Option_Thread_In_Shear_Plane) ? 1 : 0;
    P.single_lap_one_row = (B.options & Bolt_Option_Single_Lap_One_Row) ? 1 : 0;
    P.symmetric_bolt_group = (B.options & Bolt_Option_Symmetric_Group) ? 1 : 0;
    P.plate_2_unchecked = (B.options & Bolt_Option_Plate_2_Unverified) ? 1 : 0;
    P.eye_bar_1_unchecked = pin && (B.options & Bolt_Option_Plate_1_Unverified) ? 1 : 0;
    // The long-joint box follows L_j only until the user has had it on screen; a load re-seeds it.
    if (P.long_joint_ticked == -1) P.long_joint_ticked = B.L_j > 0.001 ? 1 : 0;

    P.pin_geometry_checked = B.pin_geometry > 0 ? 1 : 0;
    P.pin_geometry_option = B.pin_geometry != 0 ? B.pin_geometry : 1;
    P.angle_bolts_per_row = B.n;
    P.slip_friction_shown = Get_Slip_Class_Friction(B.slip_class);
    Unpack_Fastener(&B.fastener);
}

void Pack_Bolt_Connection(Bolt_Connection* connection) {
    if (!connection) return;
    Bolt_Connection& B = *connection;
    const Page_Edit_Flags_Record& P = Page_Edit_Flags;
    if (B.Tension_Category > 0) B.Tension_Category += Tension_Category_List_Offset;

    // The option word is rebuilt from the editing variables alone; eye bar 1 exists only at a pin,
    // so its bit cannot reach a bolt whose kind was changed while the page was open.
    const bool pin = B.fastener.type == Fastener_Pin;
    B.options = (P.thread_in_shear_plane ? Bolt_Option_Thread_In_Shear_Plane : 0) |
                (P.single_lap_one_row ? Bolt_Option_Single_Lap_One_Row : 0) |
                (P.symmetric_bolt_group ? Bolt_Option_Symmetric_Group : 0) |
                (P.plate_2_unchecked ? Bolt_Option_Plate_2_Unverified : 0) |
                (pin && P.eye_bar_1_unchecked ? Bolt_Option_Plate_1_Unverified : 0);

    Scale_Bolt_Forces(B, 1000.0);   // kN to N
    B.A_net *= 100.0;               // cm² to mm²
    if (P.long_joint_ticked == 0) B.L_j = 0.0;
    B.n = static_cast<int>(P.angle_bolts_per_row + 0.1);
    B.pin_geometry = P.pin_geometry_checked ? P.pin_geometry_option : 0;
    Pack_Fastener(&B.fastener);
}

void Clamp_Bolt_Fixity(int, double* edited) {
    if (!edited) return;
    if (*edited < 1.0) *edited = 1.0;
    if (*edited > 2.0) *edited = 2.0;
}

namespace {

// The list tables of the form, filled at its first call with the palette's colours of that moment.
std::array<Choice_List_Entry, 4> Shear_Category_Choices{};
std::array<Choice_List_Entry, 3> Tension_Category_Choices{};
std::array<Choice_List_Entry, Slip_Class_Count> Slip_Class_Choices{};
std::array<std::array<char, 5>, Slip_Class_Count> Slip_Class_Texts{};

void Fill_Bolt_Lists() {
    const Screen_Palette_Record& S = Screen_Palette;
    Shear_Category_Choices = {{{S.Red, "--"}, {S.Black, " A"}, {S.Black, " B"}, {S.Black, " C"}}};
    Tension_Category_Choices = {{{S.Red, "--"}, {S.Black, " D"}, {S.Black, " E"}}};
    for (std::size_t k = 0; k < Slip_Class_Choices.size(); ++k) {
        std::snprintf(Slip_Class_Texts[k].data(), Slip_Class_Texts[k].size(), "%s", Slip_Class_Table[k].name);
        Slip_Class_Choices[k] = {S.Black, Slip_Class_Texts[k].data()};
    }
}

// Lower-block rows: label 0 (indented 20 or 40), symbol 250, subscript 258, field 310, unit 375.
Value_Row Lower_Row(const char* label, int label_x, const char* symbol, const char* subscript, const char* unit) {
    return {label, label_x, symbol, 250, subscript, 258, 310, "%6.1f", unit, 375};
}

// The fixity an anchor bolt's α_M stands for.
const char* Fixity_Text(double alpha_M) {
    if (alpha_M < 1.01) return "keine Einspannung";
    if (alpha_M <= 1.99) return "Teileinspannung";
    return "Volleinspannung";
}

struct Bolt_Form {
    Bolt_Connection& B;
    int area, x, rp, sp, width, editable;
    const Screen_Palette_Record& S = Screen_Palette;

    int Kind() const { return B.fastener.type; }
    bool Anchor() const { return Kind() == Fastener_Anchor_Bolt; }
    const char* Load_Heading() const {
        return Kind() == Fastener_Rivet ? "Belastung je Niet" : "Belastung je Schraube";
    }

    void Check_Box(int dx, int y, const char* label, int colour, int* bound, const int* slot) {
        Add_Check_Box_to_View_Area(area, x + dx, y, label, S.Font_Normal, colour, bound, slot);
    }
    void Radio(int dx, int y, const char* label, int colour, int own, int* bound, const int* slot) {
        Add_Radio_Button_to_View_Area(area, x + dx, y, label, S.Font_Normal, colour, own, bound, slot);
    }
    // A length row of the lower block in its own group.
    void Length_Row(int& y, const char* label, int label_x, const char* symbol, const char* subscript, double* value,
                    const int* slot) {
        Add_Value_Row(area, x, y, Lower_Row(label, label_x, symbol, subscript, "mm"), value, Clamp_Not_Negative, slot,
                      Colours_Of_Group(slot));
        y += rp;
    }
    // The edge distances and the spacing of one direction ("1" in the force direction, "2" across it);
    // an anchor bolt has no plate 2. Result: the group's slot.
    const int* Distances(int& y, const char* heading, const char* direction, double* e_1, double* e_2, double* p,
                         bool sheared) {
        const int* g = Take_Group_Slot(editable, sheared);
        Add_Part_Text(area, x, y, heading, Colours_Of_Group(g).label);
        y += rp;
        const std::string e_1_sub = std::string(direction) + ",1";
        const std::string e_2_sub = std::string(direction) + ",2";
        Length_Row(y, "Randabstand (Blech 1)", 20, "e", e_1_sub.c_str(), e_1, g);
        if (!Anchor()) Length_Row(y, "Randabstand (Blech 2)", 20, "e", e_2_sub.c_str(), e_2, g);
        Length_Row(y, "Lochabstand", 20, "p", direction, p, g);
        return g;
    }

    // A category: the list of bolts and rivets, or for an anchor bolt a check box on the same int
    // (0 none, 1 verified). Positions are offsets from x.
    template <std::size_t N>
    void Category_Row(int& y, int label_x, int box_x, int list_x, const char* label, const char* box_label,
                      const std::array<Choice_List_Entry, N>& choices, int* category, const int* slot) {
        const Part_Colours c = Colours_Of_Group(slot);
        if (Anchor()) {
            Check_Box(box_x, y, box_label, c.label, category, slot);
        } else {
            Add_Part_Text(area, x + label_x, y, label, c.label);
            Add_Choice_List_to_View_Area(area, x + list_x, y, choices.data(), S.Font_Normal, 4, static_cast<int>(N),
                                         category, slot);
        }
        y += rp;
    }
    void Force_Row(int& y, const Value_Row& row, double* value, const int* slot) {
        Add_Value_Row(area, x, y, row, value, Clamp_To_Absolute, slot, Colours_Of_Group(slot));
        y += rp;
    }

    // The connected parts in the right column.
    void Plates(int& yr) {
        const int R = x + Right_Column;
        const int V = Set_Plate_Input_Style(0);
        const int options = B.context.uniform_steel ? 0x44 : 0x45;   // thickness, E (and material)
        if (Anchor()) {
            Add_Part_Heading(area, R, yr, "Anschlusselemente", S.Black);
            yr += rp;
            Add_Part_Text(area, R, yr, "Stahlplatte", S.Black);
            Draw_Plate_Input(&B.plate_1, area, x + 572, &yr, rp, sp, width, Current_Slot_Value(), S.Black, options, "p");
            Check_Box(512, yr, "Mörtelschicht"_cp, S.Black, &B.packing, Current_Slot());
            if (B.packing) {
                const int* g = Take_Group_Slot(editable, true);
                const Part_Colours c = Colours_Of_Group(g);
                const Value_Row t_m{"Dicke", 607, "t", Right_Column + V + 50, "m", Right_Column + V + 56,
                                    Right_Column + V + 80, "%6.1f", "mm", Right_Column + V + 145};
                Add_Value_Row(area, x, yr, t_m, &B.t_p, Clamp_Not_Negative, g, c);
                if (B.fastener.anchorage == Anchorage_Anchor_Plate) {
                    yr += rp;
                    const Value_Row alpha{"Einspanngrad der Schraube", Right_Column, "║"_cp, Right_Column + V + 50, "M",
                                          Right_Column + V + 59, Right_Column + V + 80, "%6.2f", nullptr, 0};
                    Add_Value_Row(area, x, yr, alpha, &B.alpha_M, Clamp_Bolt_Fixity, g, c);
                    Add_Part_Note(area, R + V + 145, yr, Fixity_Text(B.alpha_M), S.Brown);
                }
            }
            yr += rp;
            const int* g = Current_Slot();
            const Value_Row t_f{"Betonquerschnitt", Right_Column, "t", Right_Column + V + 50, "f", Right_Column + V + 56,
                                Right_Column + V + 80, "%6.1f", "mm", Right_Column + V + 145};
            Add_Value_Row(area, x, yr, t_f, &B.plate_2.t, Clamp_Not_Negative, g, Colours_Of_Group(g));
            Add_Part_Text(area, x + 607, yr, "Dicke", Colours_Of_Group(g).label);
            yr += rp;
            Draw_Concrete_Input(&B.plate_2.material, area, R, &yr, V + 80, rp, 0, 0, Current_Slot_Value());
            return;
        }
        Add_Part_Heading(area, R, yr, "Anschlussbleche", S.Black);
        yr += rp;
        const bool pin = Kind() == Fastener_Pin;
        const int plate_x = pin ? 582 : 552;
        const int unchecked_x = pin ? 824 : 794;
        Add_Part_Text(area, R, yr, pin ? "Augenstab 1:" : "Blech 1:", S.Black);
        if (pin) Check_Box(unchecked_x, yr, "ohne Nachweis", S.Black, &Page_Edit_Flags.eye_bar_1_unchecked, Current_Slot());
        Draw_Plate_Input(&B.plate_1, area, x + plate_x, &yr, rp, sp, width, Current_Slot_Value(), S.Black, options, "1");
        yr += 5;
        Add_Part_Text(area, R, yr, pin ? "Augenstab 2:" : "Blech 2:", S.Black);
        Check_Box(unchecked_x, yr, "ohne Nachweis", S.Black, &Page_Edit_Flags.plate_2_unchecked, Current_Slot());
        Draw_Plate_Input(&B.plate_2, area, x + plate_x, &yr, rp, sp, width, Current_Slot_Value(), S.Black, options, "2");
        if (pin) return;
        yr += 5;
        Check_Box(512, yr, "Futterblech", S.Black, &B.packing, Current_Slot());
        if (B.packing) Add_Packing_Thickness_Row(area, x, yr, V, &B.t_p, editable);
        yr += rp;
    }

    // Pin: gap, geometry of the eye bars and the loads; the requirements in the right column.
    void Pin_Parameters(int& yl, int& yr) {
        Page_Edit_Flags_Record& P = Page_Edit_Flags;
        const int* g = Take_Group_Slot(editable, true);
        Length_Row(yl, "Lochspiel zw. den Anschlussblechen", 0, "út"_cp, "", &B.delta_t, g);
        if (B.pin_geometry > 0) {
            g = Take_Group_Slot(editable, true);
            Add_Part_Text(area, x, yl, "Abstand der Bolzenachse", Colours_Of_Group(g).label);
            Length_Row(yl, "vom Zugrand", 155, "e", "1", &B.e_11, g);
            B.e_12 = B.e_11;
            Length_Row(yl, "zum seitl. Rand", 155, "e", "2", &B.e_21, g);
            B.e_22 = B.e_21;
        }
        if (B.context.verification) {
            g = Take_Group_Slot(editable, true);
            Add_Part_Heading(area, x, yl, "Belastung je Bolzen", Colours_Of_Group(g).label);
            yl += rp;
            Force_Row(yl, Lower_Row("Zugkraft im GZT", 0, "F", "Ed", "kN"), &B.F_v_Ed, g);
            g = Take_Group_Slot(editable, B.fastener.replaceable != 0);
            Force_Row(yl, Lower_Row("Zugkraft im GZG", 0, "F", "Ed,ser", "kN"), &B.F_v_Ed_ser, g);
        }
        g = Take_Group_Slot(editable, true);
        Check_Box(512, yr, "Geometrische Anforderungen an die Augenstäbe"_cp, S.Black, &P.pin_geometry_checked, g);
        yr += rp;
        if (P.pin_geometry_checked) {
            g = Take_Group_Slot(editable, true);
            const int colour = Colours_Of_Group(g).label;
            Radio(532, yr, "Möglichkeit A: Dicke und Lochdurchmesser sind vorgegeben"_cp, colour, 1,
                  &P.pin_geometry_option, g);
            yr += sp;
            Radio(532, yr, "Möglichkeit B: Geometrie ist vorgegeben"_cp, colour, 2, &P.pin_geometry_option, g);
            yr += rp;
        }
        Add_Grey_Line(area, x + Right_Column, yr, width - 10, yr);
        yr += rp;
    }

    // Bolts, rivets, injection bolts and anchor bolts: shear, distances, slip and the shear loads.
    void Shear_Parameters(int& y) {
        Page_Edit_Flags_Record& P = Page_Edit_Flags;
        const int kind = Kind();
        const int shear = B.Shear_Category;
        const int* g = Take_Group_Slot(editable, true);
        Part_Colours c = Colours_Of_Group(g);
        if (kind == Fastener_Bolt && B.fastener.tapped_hole) {
            Add_Part_Text(area, x, y, "Schraube im Bohrloch mit Gewinde: einschnittiger Anschluss", c.label);
        } else if (!Anchor()) {
            Radio(20, y, "einschnittiger ...", c.label, 1, &B.shear_planes, g);
            Radio(150, y, "zweischnittiger Anschluss", c.label, 2, &B.shear_planes, g);
        }
        y += rp;
        Category_Row(y, 0, 20, 310, "Kategorie der Scherverbindungen", "Nachweis gegen Abscheren",
                     Shear_Category_Choices, &B.Shear_Category, g);
        // The switches that follow from the kind.
        B.shear_check = 1;
        B.bearing_check = 1;
        B.slip_check = Anchor() ? 0 : 1;
        B.net_section_check = kind == Fastener_Bolt || kind == Fastener_Injection_Bolt ? 1 : 0;

        const bool sheared = shear >= Shear_Category_A;
        if (kind == Fastener_Bolt) {
            g = Take_Group_Slot(editable, sheared);
            c = Colours_Of_Group(g);
            Radio(20, y, "Gewinde ...", c.label, 1, &P.thread_in_shear_plane, g);
            Radio(150, y, "Schaft liegt in der Scherfuge", c.label, 0, &P.thread_in_shear_plane, g);
            y += rp;
        }
        Distances(y, "in Kraftrichtung:", "1", &B.e_11, &B.e_12, &B.p_1, sheared);
        if (!Anchor()) {
            g = Take_Group_Slot(editable, sheared && B.p_1 > 0.001);
            c = Colours_Of_Group(g);
            Check_Box(40, y, "langer Anschluss", c.label, &P.long_joint_ticked, g);
            if (P.long_joint_ticked == 1)
                Add_Value_Row(area, x, y, Lower_Row(nullptr, 0, "L", "j", "mm"), &B.L_j, Clamp_Not_Negative, g, c);
            y += rp;
            g = Take_Group_Slot(editable, sheared && B.shear_planes == 1 && B.p_1 < 0.001);
            Check_Box(40, y, "einschnittiger Anschluss mit nur einer Schraubenreihe", Colours_Of_Group(g).label,
                      &P.single_lap_one_row, g);
            y += rp;
        }
        g = Distances(y, "quer zur Kraftrichtung:", "2", &B.e_21, &B.e_22, &B.p_2, sheared);

        if (Anchor() || Current_Code_Edition == 0) {
            B.bearing_deformation = 0;
        } else {
            Check_Box(20, y, "Lochleibungsverformung begrenzen", Colours_Of_Group(g).label, &B.bearing_deformation, g);
            y += rp;
        }

        if (kind == Fastener_Bolt || kind == Fastener_Injection_Bolt) {
            g = Take_Group_Slot(editable, shear == Shear_Category_B || shear == Shear_Category_C);
            c = Colours_Of_Group(g);
            Add_Part_Text(area, x, y, "Gleitflächenklasse"_cp, c.label);
            const int rows = Current_Code_Edition == 0 ? 4 : 5;
            Add_Choice_List_to_View_Area(area, x + 310, y, Slip_Class_Choices.data(), S.Font_Normal, 4, rows,
                                         &B.slip_class, g);
            if (Current_Code_Edition != 0) {
                Add_Part_Text(area, x + 385, y, "╞"_cp, c.label);
                Add_Float_Field_to_View_Area(area, x + 405, y, &P.slip_friction_shown, "%4.2f", S.Font_Normal, c.label,
                                             &Screen_Palette.Inactive);
            }
            y += rp;
            g = Take_Group_Slot(editable, shear == Shear_Category_C);
            const Value_Row A_net{"Nettoquerschnitt im kritischen Schnitt", 0, "A", 250, "net", 260, 294, "%8.3f",
                                  "cm²"_cp, 375};
            Add_Value_Row(area, x, y, A_net, &B.A_net, Clamp_Not_Negative, g, Colours_Of_Group(g));
            y += rp;
        }
        g = Take_Group_Slot(editable, sheared);
        Check_Box(20, y, "Loch-/Randabstände nicht überprüfen"_cp, S.Black, &B.spacing_off, g);
        y += rp;

        if (!B.context.verification) return;
        const bool loaded = !(Current_Code_Edition == 0 && shear == Shear_Category_None);
        g = Take_Group_Slot(editable, loaded);
        Add_Part_Heading(area, x, y, Load_Heading(), Colours_Of_Group(g).label);
        y += rp;
        Force_Row(y, Lower_Row("Abscherkraft im GZT", 0, "F", "v,Ed", "kN"), &B.F_v_Ed, g);
        if (Anchor()) return;
        g = Take_Group_Slot(editable, loaded && shear == Shear_Category_B);
        Force_Row(y, Lower_Row("Abscherkraft im GZG", 0, "F", "v,Ed,ser", "kN"), &B.F_v_Ed_ser, g);
        g = Take_Group_Slot(editable, loaded && shear == Shear_Category_C);
        Value_Row sum = Lower_Row("Summe aller Abscherkräfte"_cp, 0, "▓ F"_cp, "v,Ed", "kN");
        sum.subscript_x = 270;
        Add_Part_Text(area, x + 375, y + 14, "Nachweis des Querschnittsversagens (Netto)", S.Brown);
        Force_Row(y, sum, &B.Sum_F_v_Ed, g);
    }

    // Tension of bolts, rivets and anchor bolts in the right column.
    void Tension_Parameters(int& yr) {
        const int R = x + Right_Column;
        const int* g = Take_Group_Slot(editable, true);
        Category_Row(yr, Right_Column, 512, 802, "Kategorie der Zugverbindungen", "Nachweis gegen Zug",
                     Tension_Category_Choices, &B.Tension_Category, g);
        B.tension_check = 1;
        B.punching_check = Anchor() ? 0 : 1;
        if (!B.context.verification) return;
        const bool loaded = !(Current_Code_Edition == 0 && B.Tension_Category == 0);
        g = Take_Group_Slot(editable, loaded);
        Add_Part_Heading(area, R, yr, Load_Heading(), Colours_Of_Group(g).label);
        yr += rp;
        const Value_Row F_t{"Zugkraft", Right_Column, "F", 742, "t,Ed", 750, 802, "%6.1f", "kN", 867};
        Force_Row(yr, F_t, &B.F_t_Ed, g);
        g = Take_Group_Slot(editable, loaded && B.Shear_Category == Shear_Category_B);
        const Value_Row F_t_ser{"Zugkraft im GZG", Right_Column, "F", 742, "t,Ed,ser", 750, 802, "%6.1f", "kN", 867};
        Force_Row(yr, F_t_ser, &B.F_t_Ed_ser, g);
    }
};

}  // namespace

void Draw_Bolt_Connection_Form(Bolt_Connection* connection, int area, int x, int* y, int row_pitch, int sub_pitch,
                               int width, int editable) {
    if (!connection || !y) return;
    Bolt_Connection& B = *connection;
    const Screen_Palette_Record& S = Screen_Palette;
    Bolt_Form F{B, area, x, row_pitch, sub_pitch, width, editable};
    const int rp = row_pitch;
    const int R = x + Right_Column;
    const int y0 = *y;

    if (!Page_Edit_Flags.bolt_lists_ready) {
        Fill_Bolt_Lists();
        Page_Edit_Flags.bolt_lists_ready = 1;
    }

    const int* g = Take_Group_Slot(editable, true);
    int yl = y0;
    Draw_Fastener_Input(&B.fastener, area, x, &yl, rp, sub_pitch, width, *g, 0, 1);
    int yr = y0;
    F.Plates(yr);

    int yb = std::max(yr, yl);
    Add_Grey_Line(area, x + Column_Separator, y0 - rp, x + Column_Separator, yb - rp);
    Add_Grey_Line(area, x, yb, width - 10, yb);
    yb += rp;
    const int yH = yb;
    Add_Part_Heading(area, x, yb, "Nachweisparameter", editable ? S.Black : S.Grey_130);
    yb += rp;
    yr = yH + rp;

    const int kind = B.fastener.type;
    if (kind == Fastener_Pin) {
        F.Pin_Parameters(yb, yr);
    } else {
        F.Shear_Parameters(yb);
        if (kind != Fastener_Injection_Bolt) F.Tension_Parameters(yr);
        if (kind == Fastener_Bolt) {
            B.block_tearing_check = 0;
            B.angle_check = 0;
            Add_Grey_Line(area, R, yr, width - 10, yr);
            yr += rp;
        }
    }

    if (editable && B.context.verification) {
        Add_Part_Heading(area, R, yr, "maximale Ausnutzung", S.Black);
        Draw_Utilisation(area, x + 742, x + 752, x + 802, yr, B.U_max);
        yr += rp;
        if (B.Check_Error_Flags & 0x200) {
            Add_Part_Heading(area, x + 742, yr, "Geometrie !!", S.Red);
            yr += rp;
        }
        if (B.Check_Error_Flags & 0x20000) {
            Add_Part_Heading(area, x + 742, yr, "Einschraubtiefe !!", S.Red);
            yr += rp;
        }
        if (kind != Fastener_Anchor_Bolt) {
            Add_Grey_Line(area, R, yr, width - 10, yr);
            yr += rp;
        }
    }

    Add_Painter_to_View_Area(area, R, yr, width - 10, yr + 200, &B, Draw_Bolt_Connection_Sketch);
    yr += Sketch_Height + rp;
    const int y_end = std::max(yr, yb);
    Add_Grey_Line(area, x + Column_Separator, yH, x + Column_Separator, y_end - rp);
    Take_Group_Slot(editable, true);
    *y = y_end;
}
