// The T-stub in tension's tab: the conversion of the row forces, row count and bolts per row, the
// clamp of the row count, the form and its note on rows of four bolts.
#include "pages/connection_forms.h"

#include <algorithm>
#include <array>
#include <cstdio>

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

// The rows whose forces the record holds in use: its row count, within the 20 rows of the record.
int Rows_In_Use(const T_Stub_Tension& T) { return std::clamp(T.row_count, 0, T_Stub_Max_Rows); }

}  // namespace

void Unpack_T_Stub_Tension(T_Stub_Tension* tstub) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    for (int i = 0; i < Rows_In_Use(T); ++i) T.F_t_Ed[static_cast<std::size_t>(i)] *= 0.001;   // N to kN
    Unpack_Fastener(&T.fastener);
    Page_Edit_Flags.four_bolts_per_row = T.bolts_per_row == 4 ? 1 : 0;
    Page_Edit_Flags.row_count = T.row_count;
}

void Pack_T_Stub_Tension(T_Stub_Tension* tstub) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    // The rows converted at the unpack: rows added since keep their stored value, so a row that is
    // added later shows its stored force.
    for (int i = 0; i < Rows_In_Use(T); ++i) T.F_t_Ed[static_cast<std::size_t>(i)] *= 1000.0;
    Pack_Fastener(&T.fastener);
    T.row_count = std::clamp(static_cast<int>(Page_Edit_Flags.row_count + 0.1), 0, T_Stub_Max_Rows);
    T.bolts_per_row = Page_Edit_Flags.four_bolts_per_row == 1 ? 4 : 2;
}

void Clamp_Bolt_Row_Count(int, double* edited) {
    if (!edited) return;
    if (*edited < 1.0) *edited = 1.0;
    if (*edited > T_Stub_Max_Rows) *edited = T_Stub_Max_Rows;
}

void Draw_T_Stub_Four_Bolt_Note(int area, int x, int* y, int row_pitch, int colour) {
    if (!y) return;
    Add_Part_Text(area, x, *y, "Im EC 3-1-8 ist nur das Modell des äquivalenten T-Stummels mit"_cp, colour);
    Add_Part_Text(area, x, *y + 18, "zwei Schrauben je Schraubenreihe beschrieben.", colour);
    *y += row_pitch + 18;
    Add_Part_Text(area, x, *y, "Die Erweiterung auf vier Schrauben je Reihe basiert auf verschiedenen", colour);
    Add_Part_Text(area, x, *y + 18, "Veröffentlichungen und wird unter Beachtung der jeweiligen"_cp, colour);
    Add_Part_Text(area, x, *y + 36, "Randbedingungen durchgeführt."_cp, colour);
    *y += row_pitch + 36;
}

namespace {

// The list tables of the form, rebuilt at every call with the palette's colours.
std::array<Choice_List_Entry, 2> Bolts_Per_Row_Choices{};
std::array<Choice_List_Entry, 3> Four_Bolt_Method_Choices{};
std::array<Choice_List_Entry, 2> Procedure_Choices{};

void Fill_T_Stub_Lists() {
    const Screen_Palette_Record& S = Screen_Palette;
    Bolts_Per_Row_Choices = {{{S.Black, "2"}, {S.Red, "4"}}};
    Four_Bolt_Method_Choices = {{{S.Black, "AIF-Bericht"}, {S.Black, "Dissert."}, {S.Black, "Handbuch"}}};
    Procedure_Choices = {{{S.Black, "1"}, {S.Black, "2"}}};
}

// The bolt distances of the lower block.
enum class Distance { M, M2, E1, E1_Short, M1, P, AST, TW };

struct T_Stub_Form {
    T_Stub_Tension& T;
    int area, x, rp, sp, editable;
    const Screen_Palette_Record& S = Screen_Palette;
    bool four = false;

    void Check_Box(int dx, int y, const char* label, int colour, int* bound, const int* slot) {
        Add_Check_Box_to_View_Area(area, x + dx, y, label, S.Font_Normal, colour, bound, slot);
    }
    void Radio(int dx, int y, const char* label, int colour, int own, int* bound, const int* slot) {
        Add_Radio_Button_to_View_Area(area, x + dx, y, label, S.Font_Normal, colour, own, bound, slot);
    }
    // Lower-block row: label 0, symbol 190, subscript, field 220, "mm" 285, notes 12 px lower at 0.
    void Length_Row(int& y, const char* label, const char* symbol, const char* subscript, int subscript_x,
                    double* value, const char* note, const int* slot) {
        const Part_Colours c = Colours_Of_Group(slot);
        const Value_Row row{label, 0, symbol, 190, subscript, subscript_x, 220, "%6.1f", "mm", 285};
        Add_Value_Row(area, x, y, row, value, Clamp_Not_Negative, slot, c);
        if (note) Add_Part_Note(area, x, y + 12, note, c.label);
    }

    void Distance_Row(int& y, Distance d, const int* slot) {
        const int location = T.location;
        const Part_Colours c = Colours_Of_Group(slot);
        switch (d) {
            case Distance::M: {
                static constexpr const char* notes[] = {"zum Steg der Stütze"_cp, "zum Steg des Trägers"_cp,
                                                        "zum Trägerzugflansch"_cp};
                const char* note = T.lengths_given                     ? "zum Steganschnitt"
                                   : location >= 0 && location <= 2 ? notes[location]
                                                                    : nullptr;
                Length_Row(y, "Schraubenabstand", "m", "", 198, &T.m, note, slot);
                break;
            }
            case Distance::M2:
                Length_Row(y, "Schraubenabstand", "m", "2", 200, &T.m_2,
                           location == 0 ? "zur nächsten Stegsteife"_cp
                           : location == 1 ? "zum Flansch des Trägers"_cp
                                           : nullptr,
                           slot);
                break;
            case Distance::E1:
                Length_Row(y, "Schraubenabstand (Endreihe)", "e", "1", 198, &T.e_1,
                           location == 0 ? "zum freien Ende des Stützenflanschs"_cp
                                         : "zum freien Ende des Anschlussblechs",
                           slot);
                if (location == 0) Add_Part_Note(area, x, y + 24, "e1 = 0: kein freies Ende vorhanden", c.label);
                if (location == 1) Add_Part_Note(area, x, y + 24, "e1 = 0: Druckflansch vorhanden", c.label);
                break;
            case Distance::E1_Short:
                Length_Row(y, "Schraubenabstand", "e", "1", 198, &T.e_1, "zum freien Ende des Anschlussblechs", slot);
                break;
            case Distance::M1:
                Length_Row(y, "Schraubenabstand", "m", "1", 200, &T.m_1, "zum Flansch des Trägers"_cp, slot);
                break;
            case Distance::P:
                Length_Row(y, "Schraubenabstand", "p", "", 198, &T.p, "zwischen den Reihen", slot);
                break;
            case Distance::AST:
                Length_Row(y, "Schweißnahtdicke"_cp, "a", "st", 198, &T.a_st, "am Trägerzugflansch"_cp, slot);
                break;
            case Distance::TW:
                Length_Row(y, "Dicke", "t", "w", 196, &T.t_w, "des T-Stummelstegs", slot);
                break;
        }
        y += rp;
    }

    void Procedure_Row(int& y, const int* slot) {
        const Part_Colours c = Colours_Of_Group(slot);
        Add_Part_Text(area, x, y, "Verfahren", c.label);
        Add_Choice_List_to_View_Area(area, x + 220, y, Procedure_Choices.data(), S.Font_Normal, 2,
                                     static_cast<int>(Procedure_Choices.size()), &T.procedure, slot);
        Add_Part_Text(area, x + 285, y, T.procedure == 0 ? "= 1: standard" : "= 2: alternativ", c.label);
        y += rp;
    }

    // The four-bolt models take the length of the plate they rest on.
    void Copy_Plate_Lengths() {
        if (T.location == T_Stub_Column_Flange) T.web.l = T.flange.l;
        T.b_p = T.web.l;
    }
};

}  // namespace

void Draw_T_Stub_Tension_Form(T_Stub_Tension* tstub, int area, int x, int* y, int row_pitch, int sub_pitch, int width,
                              int editable) {
    if (!tstub || !y) return;
    T_Stub_Tension& T = *tstub;
    Page_Edit_Flags_Record& P = Page_Edit_Flags;
    const Screen_Palette_Record& S = Screen_Palette;
    T_Stub_Form F{T, area, x, row_pitch, sub_pitch, editable};
    F.four = P.four_bolts_per_row == 1;
    const bool four = F.four;
    const int rp = row_pitch;
    const int sp = sub_pitch;
    const int R = x + Right_Column;
    const int V = Set_Plate_Input_Style(0);
    const int y0 = *y;
    const int location = T.location;
    const bool method_1 = T.four_bolt_method == Four_Bolt_Dissertation;
    const bool verification = T.check_context.verification != 0;

    Fill_T_Stub_Lists();

    const int* g = Take_Group_Slot(editable, true);
    int yl = y0;
    Draw_Fastener_Input(&T.fastener, area, x, &yl, rp, sp, width, *g, 0x86, 1);

    // The flange and, for four bolts per row, the stiffener or beam flange in the right column.
    int yr = y0;
    Add_Part_Heading(area, R, yr, "T-Stummelflansch", S.Black);
    Add_Part_Text(area, x + 602, yr, location == T_Stub_Column_Flange ? "(Stützenflansch)"_cp : "(Stirnblech)",
                  S.Black);
    yr += rp;
    const int material = T.check_context.uniform_steel ? 0 : 0x01;
    const int with_length = 0x50 | material;
    const int without_length = 0x40 | material;
    Draw_Plate_Input(&T.flange, area, R, &yr, rp, sp, width, Current_Slot_Value(), S.Black,
                     location == T_Stub_Extension || (four && method_1) ? with_length : without_length, "f");
    if (!four && location == T_Stub_Column_Flange) {
        yr += 5;
        Add_Check_Box_to_View_Area(area, x + 512, yr, "Verstärkung"_cp, S.Font_Normal, S.Black, &T.backing_plate,
                                   Current_Slot());
        if (T.backing_plate) {
            Add_Packing_Thickness_Row(area, x, yr, V, &T.t_bp, editable);
        } else {
            yr += rp;
        }
    } else if (four) {
        yr += 5;
        Add_Part_Heading(area, R, yr, "Zugsteife", S.Black);
        if (location == T_Stub_Column_Flange) {
            yr += rp;
            Draw_Plate_Input(&T.web, area, R, &yr, rp, sp, width, Current_Slot_Value(), S.Black, 0x40, "st");
        } else {
            Add_Part_Text(area, x + 552, yr, "(Trägerzugflansch)"_cp, S.Black);
            yr += rp;
            Draw_Plate_Input(&T.web, area, R, &yr, rp, sp, width, Current_Slot_Value(), S.Black,
                             method_1 ? with_length : without_length, "st");
        }
        F.Copy_Plate_Lengths();
    }

    int yb = std::max({y0, yl, yr});
    Add_Grey_Line(area, x + Column_Separator, y0 - rp, x + Column_Separator, yb - rp);
    Add_Grey_Line(area, x, yb, width - 10, yb);
    yb += rp;
    const int yH = yb;
    g = Take_Group_Slot(editable, true);
    Part_Colours c = Colours_Of_Group(g);
    Add_Part_Heading(area, x, yb, "Nachweisparameter", c.label);
    yb += rp;
    F.Check_Box(20, yb, "Vorgabe der wirksamen Längen"_cp, c.label, &T.lengths_given, g);
    yb += rp;

    // The bolt rows: given lengths, or the location with the rows it allows.
    int k = 1;
    const double n = P.row_count;
    g = Take_Group_Slot(editable, true);
    c = Colours_Of_Group(g);
    if (T.lengths_given) {
        const Value_Row l1{"für Modus 1"_cp, 20, "▓ l"_cp, 160, "eff,1", 178, 220, "%6.1f", "mm", 285};
        Add_Value_Row(area, x, yb, l1, &T.sum_l_eff_1, Clamp_Not_Negative, g, c);
        yb += rp;
        const Value_Row l2{"für Modus 2"_cp, 20, "▓ l"_cp, 160, "eff,2", 178, 220, "%6.1f", "mm", 285};
        Add_Value_Row(area, x, yb, l2, &T.sum_l_eff_2, Clamp_Not_Negative, g, c);
        yb += rp;
        F.Check_Box(40, yb, "Berechnung als L-Stummel (reduzierter T-Stummel)", c.label, &T.l_stub, g);
        yb += rp + 12;
    } else {
        F.Radio(20, yb, "Tragfähigkeit des Stützenflanschs"_cp, c.label, T_Stub_Column_Flange, &T.location, g);
        if (location == T_Stub_Column_Flange) {
            yb += sp;
            F.Check_Box(40, yb, n >= 1.1 ? "eine Schraubenreihe neben einer Steife" : "Schraubenreihe neben einer Steife",
                        S.Black, &T.row_next_to_stiffener, g);
        }
        yb += rp;
        F.Radio(20, yb, "Tragfähigkeit des Stirnblechs - zwischen den Trägerflanschen"_cp, c.label, T_Stub_End_Plate,
                &T.location, g);
        if (location == T_Stub_End_Plate) {
            if (n >= 1.1) {
                Add_Part_Note(area, x + 20, yb + 12, "erste Schraubenreihe neben dem Trägerzugflansch"_cp, c.label);
            } else {
                yb += sp;
                if (T.inner_row)
                    F.Check_Box(40, yb, "Schraubenreihe neben dem Trägerzugflansch"_cp, S.Black, &T.row_next_to_stiffener,
                                g);
                else if (Current_Code_Edition == 1)
                    F.Check_Box(40, yb, "Schraubenreihe am freien Zugrand", S.Black, &T.row_at_free_edge, g);
                else
                    T.row_at_free_edge = 0;
            }
            if (four && T.inner_row && T.row_next_to_stiffener) {
                yb += sp;
                F.Radio(40, yb, "IH2-Anschluss", S.Black, 1, &T.ih2_connection, g);
                F.Radio(210, yb, "IH4-Anschluss", S.Black, 0, &T.ih2_connection, g);
            }
        }
        yb += rp;
        F.Radio(20, yb, "Tragfähigkeit des Stirnblechs - überstehender Teil"_cp, c.label, T_Stub_Extension, &T.location,
                g);
        if (location == T_Stub_Extension) {
            Add_Part_Note(area, x + 20, yb + 12, "nur eine Schraubenreihe neben dem Trägerzugflansch"_cp, c.label);
            yb += sp;
            if (!four) {
                F.Check_Box(40, yb, "zusätzliche Steife im Stirnblechüberstand"_cp, S.Black, &T.extension_stiffener, g);
                yb += sp;
            } else {
                T.extension_stiffener = 0;
            }
            F.Check_Box(40, yb, "Berechnung als L-Stummel (reduzierter T-Stummel)", c.label, &T.l_stub, g);
            yb += rp;
        } else {
            yb += rp;
            const Value_Row count{"Anzahl der Schraubenreihen", 0, "n", 190, "b", 198, 220, "%6.0f", nullptr, 0};
            Add_Value_Row(area, x, yb, count, &P.row_count, Clamp_Bolt_Row_Count, g, c);
            Add_Part_Text(area, x + 285, yb, n < 1.1 ? "= 1: Schraubenreihe einzeln" : "> 1: Schraubengruppe", c.label);
            k = static_cast<int>(n + 0.1);
            if (location == T_Stub_Column_Flange) Add_Part_Note(area, x, yb + 12, "2 Schrauben je Reihe", c.label);
            yb += rp;
            if (k < 2) {
                F.Radio(210, yb, "innere Schraubenreihe", c.label, 1, &T.inner_row, g);
                yb += sp;
                F.Radio(210, yb, "äußere Schraubenreihe"_cp, c.label, 0, &T.inner_row, g);
            } else {
                F.Check_Box(210, yb, "l     für: Schraubenreihe einzeln betrachtet"_cp, S.Black, &T.single_row, g);
                Add_Part_Subscript(area, x + 214, yb, "eff", S.Black);
            }
            yb += rp;
        }
    }
    // A count typed outside the record's rows never reaches beyond them.
    k = std::clamp(k, 0, T_Stub_Max_Rows);

    g = Take_Group_Slot(editable, true);
    c = Colours_Of_Group(g);
    if (location == T_Stub_End_Plate || location == T_Stub_Extension) {
        Add_Part_Text(area, x, yb, "Anzahl Schrauben je Reihe", c.label);
        Add_Choice_List_to_View_Area(area, x + 242, yb, Bolts_Per_Row_Choices.data(), S.Font_Normal, 1,
                                     static_cast<int>(Bolts_Per_Row_Choices.size()), &P.four_bolts_per_row, g);
        yb += rp;
    }
    if (four) {
        Add_Part_Text(area, x, yb, "Berechnungsmethode", c.label);
        Add_Choice_List_to_View_Area(area, x + 178, yb, Four_Bolt_Method_Choices.data(), S.Font_Normal, 9,
                                     static_cast<int>(Four_Bolt_Method_Choices.size()), &T.four_bolt_method, g);
        yb += rp;
        F.Copy_Plate_Lengths();
        F.Length_Row(yb, "Abstand", "w", "", 198, &T.w, "der äußeren von der inneren Schraube"_cp, g);
        yb += rp;
    }
    const char* e_note = T.lengths_given                         ? "zum Flanschrand"
                         : location == T_Stub_Column_Flange      ? "zum Flanschrand der Stütze"_cp
                                                                 : "zum seitl. Rand des Stirnblechs";
    F.Length_Row(yb, "Schraubenabstand", "e", "", 198, &T.e, e_note, g);
    yb += rp;

    // The distances the effective-length rules of the location need.
    bool procedure = !four;
    bool tail = true;   // the four-bolt rows of the end (web or weld, then the procedure of method 1)
    if (!T.lengths_given && location == T_Stub_Extension) {
        F.Distance_Row(yb, Distance::E1, g);
        F.Distance_Row(yb, Distance::M1, g);
    } else {
        F.Distance_Row(yb, Distance::M, g);
        if (four || (!T.lengths_given && T.row_next_to_stiffener)) F.Distance_Row(yb, Distance::M2, g);
        if (!T.lengths_given) {
            if (k <= 1 && location == T_Stub_End_Plate) {
                if (Current_Code_Edition == 1 && k == 1 && !T.inner_row && T.row_at_free_edge)
                    F.Distance_Row(yb, Distance::E1_Short, g);
                else
                    T.e_1 = 0.0;
                T.m_1 = 0.0;
                tail = four;
            } else {
                F.Distance_Row(yb, Distance::E1, g);
                T.m_1 = 0.0;
                if (k > 1) F.Distance_Row(yb, Distance::P, g);
            }
        }
    }
    if (four && tail) {
        F.Distance_Row(yb, location == T_Stub_Extension ? Distance::AST : Distance::TW, g);
        procedure = method_1;
    }
    if (procedure) F.Procedure_Row(yb, g);

    if (Current_Code_Edition == 1) {
        T.one_bolt_in_extension = 0;
    } else if (location == T_Stub_Extension && !four && verification) {
        F.Check_Box(20, yb, "Nachweis für nur eine Schraube im Überstand"_cp, c.label, &T.one_bolt_in_extension, g);
        yb += rp;
    }

    // The row forces and the utilisation in the right column.
    yr = yH;
    if (verification) {
        g = Take_Group_Slot(editable, true);
        c = Colours_Of_Group(g);
        Add_Part_Heading(area, R, yr, "Belastung", c.label);
        yr += rp;
        for (int i = 1; i <= k; ++i) {
            Add_Part_Text(area, R, yr, "Bemessungswert der Zugkraft", c.label);
            if (k > 1) {
                char label[24];
                std::snprintf(label, sizeof label, "in Reihe %d", i);
                Add_Part_Text(area, x + 669, yr, label, c.label);
            }
            const Value_Row F_t{nullptr, 0, "F", 742, "t,Ed", 750, 792, "%6.1f", "kN", 857};
            Add_Value_Row(area, x, yr, F_t, &T.F_t_Ed[static_cast<std::size_t>(i - 1)], Clamp_To_Absolute, g, c);
            Add_Part_Note(area, R, yr + 12, "je Schraube", c.label);
            yr += rp;
        }
        if (editable && k > 0) {
            Add_Line_to_View_Area(area, x + 742, yr - rp + 17, x + 877, yr - rp + 17, c.label);
            Add_Part_Heading(area, R, yr, "maximale Ausnutzung", S.Black);
            Draw_Utilisation(area, x + 742, x + 752, x + 792, yr, T.U_max);
            yr += rp;
        }
        Add_Grey_Line(area, R, yr, width - 10, yr);
        yr += rp;
    }

    Take_Group_Slot(editable, true);
    Add_Painter_to_View_Area(area, R, yr, width - 10, yr + 200, &T, Draw_T_Stub_Tension_Sketch);
    yr += Sketch_Height + rp;
    // The notes on the model's uses need a computed utilisation.
    if (verification && T.U_max > 0.01) {
        Add_Part_Note(area, R, yr, "Das Modell des äquivalenten T-Stummels mit Zugbeanspruchung dient zur Bemessung"_cp,
                      S.Blue);
        Add_Part_Note(area, R, yr + 14, "- eines Stützenflanschs mit Biegebeanspruchung"_cp, S.Blue);
        Add_Part_Note(area, R, yr + 26, "- eines Stirnblechs mit Biegebeanspruchung", S.Blue);
        Add_Part_Note(area, R, yr + 38, "- eines Flanschwinkels mit Biegebeanspruchung", S.Blue);
        Add_Part_Note(area, R, yr + 50, "- einer Fußplatte mit Biegebeanspruchung aus Zug"_cp, S.Blue);
        yr += 50 + rp;
        if (four) Draw_T_Stub_Four_Bolt_Note(area, R, &yr, rp, S.Blue);
    }

    const int y_end = std::max(yr, yb);
    Add_Grey_Line(area, x + Column_Separator, yH, x + Column_Separator, y_end - rp);
    Take_Group_Slot(editable, true);
    *y = y_end;
}
