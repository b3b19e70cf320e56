// The fastener's lines of the input protocol and the preloads (EN 1993-1-8 3.9) with their
// formula lines. Forces print in kN, areas in cm².
#include "checks/fastener.h"
#include "common/cp437.h"
#include "frame/plate.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

// The value lines of a block stand 0.3 cm further in.
void Indent_More() { OLI_Set_Indent(OLI_Get_Indent() + 0.3); }
void Indent_Less() { OLI_Set_Indent(OLI_Get_Indent() - 0.3); }

const char* Kind_Name(int type) {
    static constexpr const char* names[] = {"Schraube", "Niet", "Injektionsschraube", "Bolzen", "Ankerschraube"};
    return names[type];
}

// "F = 0.7·f·A_s = ... kN" with the symbol of the result, the strength's subscript and a divisor
// text after A_s; detail above 1 adds the values of f and A_s.
void Print_Preload_Line(FILE* stream, int detail, const char* symbol, const char* strength, const char* divisor,
                        double value, double f, double A_s) {
    OLI_Printf(stream, "%s = 0.7%sf╬\\%s╬r%sA╬\\s╬r%s = %.1lf kN"_cp, symbol, Times_Dot, strength, Times_Dot, divisor,
               value * 0.001);
    if (detail > 1) OLI_Printf(stream, ",  f╬\\%s╬r = %.1lf N/mm²,  A╬\\s╬r = %.1lf mm²"_cp, strength, f, A_s);
}

void Print_Elongation(FILE* stream, const Fastener& F) {
    if (!F.own_strengths && Is_Stainless_Bolt_Class(F.class_index))
        OLI_Printf(stream, "%sEdelstahl: Bruchdehnung abhänigig von der Schraubenlänge\n"_cp, Report_Line_Prefix);
    else
        OLI_Printf(stream, "%sBruchdehnung = %.1lf\n", Report_Line_Prefix, F.elongation);
}

// A heading line and the characteristic strengths below it, 0.3 further in; given a fastener, also
// its elongation at fracture.
void Print_Strength_Block(FILE* stream, const char* heading, const char* subscript, double f_y, double f_u,
                          const Fastener* elongation_of) {
    OLI_Printf(stream, "%s%s:\n", Report_Line_Prefix, heading);
    Indent_More();
    OLI_Printf(stream, "%schar. Streckgrenze f╬\\y%s╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, subscript, f_y);
    OLI_Printf(stream, "%schar. Zugfestigkeit f╬\\u%s╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, subscript, f_u);
    if (elongation_of) Print_Elongation(stream, *elongation_of);
    Indent_Less();
}

// "t_k,s = ... mm, t_m,s = ... mm)" of a countersunk head and nut side.
void Print_Countersunk_Depths(FILE* stream, const Fastener& F) {
    const bool head = F.t_ks > 0.001;
    const bool nut = F.t_ms > 0.001;
    if (head) OLI_Printf(stream, "t╬\\k,s╬r = %.1lf mm"_cp, F.t_ks);
    if (head && nut) OLI_Printf(stream, ", ");
    if (nut) OLI_Printf(stream, "t╬\\m,s╬r = %.1lf mm"_cp, F.t_ms);
    OLI_Printf(stream, ")");
}

// The material of a rivet or pin: a steel grade, or a built-in material with its strengths (the
// derivation keeps them in the material's design slots).
void Print_Rivet_Or_Pin_Material(FILE* stream, const Fastener& F, int detail, const char* word, const char* name,
                                 const char* subscript) {
    if (detail) OLI_Printf(stream, "\n");
    if (F.material_index == Fastener_Material_Steel_Grade) {
        Print_Material_Parameters(&F.material, stream, 0, detail, subscript);
        return;
    }
    OLI_Printf(stream, "%s%s: %s\n", Report_Line_Prefix, word, name);
    if (detail) Print_Strength_Block(stream, "Rechenparameter", subscript, F.material.f_y, F.material.f_u, nullptr);
}

void Print_Rivet(FILE* stream, const Fastener& F, int detail) {
    Print_Rivet_Or_Pin_Material(stream, F, detail, "Nietwerkstoff", Get_Rivet_Steel_Name(F.material_index), "r");
    OLI_Printf(stream, "%sDurchmesser des Nietlochs d╬\\0╬r = %.1lf mm"_cp, Report_Line_Prefix, F.d_0);
    if (F.countersunk) {
        OLI_Printf(stream, ", Senkniet (");
        Print_Countersunk_Depths(stream, F);
    }
    OLI_Printf(stream, "\n");
}

void Print_Pin(FILE* stream, const Fastener& F, int detail) {
    Print_Rivet_Or_Pin_Material(stream, F, detail, "Bolzenwerkstoff", Get_Pin_Material_Name(F.material_index), "p");
    OLI_Printf(stream, "%sDurchmesser des Bolzens d = %.1lf mm\n", Report_Line_Prefix, F.d_pin);
    OLI_Printf(stream, "%sDurchmesser des Bolzenlochs d╬\\0╬r = %.1lf mm\n"_cp, Report_Line_Prefix, F.d_0);
}

// Execution and material of an anchor bolt. Result: the strength part is written (rebar or steel
// grade); an anchor of a bolt strength class goes on as a bolt.
bool Print_Anchor_Material(FILE* stream, const Fastener& F, int detail) {
    if (F.anchorage != Anchorage_Threaded_Rod)
        OLI_Printf(stream,
                   "%sAusführung mit Ankerplatte/Kopfbolzen, Durchmesser d╬\\h╬r = %.1lf mm, Dicke t╬\\h╬r = %.1lf mm\n"_cp,
                   Report_Line_Prefix, F.d_h, F.t_h);
    else
        OLI_Printf(stream, "%sAusführung als Rippenstahl/Gewindestange %s Eignungsprüfungen\n"_cp, Report_Line_Prefix,
                   F.suitability_tests ? "mit" : "ohne");
    if (F.material_index == Fastener_Material_Table_0 || F.material_index == Fastener_Material_Table_1) {
        OLI_Printf(stream, "%sBewehrungsstahl %s", Report_Line_Prefix, Get_Anchor_Rebar_Name(F.material_index));
        if (!detail) {
            OLI_Printf(stream, ", ");
            return true;
        }
        OLI_Printf(stream, "\n");
        Print_Strength_Block(stream, "Rechenparameter", "b", F.f_yb, F.f_ub, nullptr);
        OLI_Printf(stream, "%s", Report_Line_Prefix);
        return true;
    }
    if (F.material_index == Fastener_Material_Steel_Grade) {
        Print_Material_Parameters(&F.material, stream, 0, detail, "b");
        OLI_Printf(stream, "%s", Report_Line_Prefix);
        return true;
    }
    return false;
}

// Strength class or own strengths; the size part follows on the same line or after the block.
void Print_Class_Strengths(FILE* stream, const Fastener& F, int options, int detail) {
    if (!F.own_strengths)
        OLI_Printf(stream, "Festigkeitsklasse %s%s", Get_Bolt_Class_Name(F.class_index),
                   Is_Stainless_Bolt_Class(F.class_index) ? " (Edelstahl)" : "");
    const bool elongation = options & Fastener_Print_Elongation;
    const bool block = F.own_strengths || (detail && !(options & Fastener_Print_Strength_Inline));
    if (block) {
        OLI_Printf(stream, "\n");
        Print_Strength_Block(stream, F.own_strengths ? "Festigkeiten" : "Rechenparameter", "b", F.f_yb, F.f_ub,
                             elongation ? &F : nullptr);
        OLI_Printf(stream, "%s", Report_Line_Prefix);
    } else if (elongation) {
        OLI_Printf(stream, "\n");
        Print_Elongation(stream, F);
        OLI_Printf(stream, "%s", Report_Line_Prefix);
    } else {
        OLI_Printf(stream, ", ");
    }
}

void Print_Size_Part(FILE* stream, const Fastener& F) {
    if (F.non_standard_size)
        OLI_Printf(stream, "Schraubengröße nicht normiert"_cp);
    else
        OLI_Printf(stream, "Schraubengröße %s"_cp, Get_Bolt_Size_Name(F.size_index));
    if (F.fitted) {
        OLI_Printf(stream, ", Passschraube");
    } else if (F.type == Fastener_Bolt && Is_Standard_M12_Or_M14(F) && F.hole_type == Hole_Normal && F.clearance_2mm) {
        OLI_Printf(stream, ", 2 mm Lochspiel");
    } else if (F.tapped_hole) {
        if (F.type == Fastener_Anchor_Bolt) {
            OLI_Printf(stream, ", Einbindetiefe úe = %.1lf mm"_cp, F.l_e);
        } else {
            OLI_Printf(stream, ", Bohrloch mit Gewinde");
            if (F.l_e > 0.001) OLI_Printf(stream, " (úe = %.1lf mm)"_cp, F.l_e);
        }
    }
    if (F.countersunk) {
        OLI_Printf(stream, "\n%sSenkschraube (", Report_Line_Prefix);
        Print_Countersunk_Depths(stream, F);
    }
}

// Width across flats and the preload: controlled (slip-resistant), regular, or against loosening.
void Print_Width_And_Preload(FILE* stream, const Fastener& F, int detail) {
    const bool new_line = F.large_width || (!F.countersunk && F.tapped_hole);
    if (new_line)
        OLI_Printf(stream, "\n%s", Report_Line_Prefix);
    else
        OLI_Printf(stream, ", ");
    if (!F.large_width) {
        OLI_Printf(stream, "normale Schlüsselweite"_cp);
        return;
    }
    OLI_Printf(stream, "große Schlüsselweite"_cp);
    const int k = F.class_index;
    if (F.own_strengths ? F.f_ub > 700.1 : k == Bolt_Class_8_8 || k == Bolt_Class_10_9)
        OLI_Printf(stream, " (HV-Schraube)");
    const bool stainless_class = !F.own_strengths && Is_Stainless_Bolt_Class(k);
    if (F.slip_resistant && F.F_pC_given > 0.1) {
        const double F_pC = Compute_Preload_Force(F.f_ub, F.A_s, 0.0, nullptr, 0);
        OLI_Printf(stream, ", gleitfeste Verbindung (kontrolliert vorgespannt)");
        OLI_Printf(stream, "\n%sVorspannkraft je Schraube F╬\\p,C╬r = %.1lf kN  %s  zul "_cp, Report_Line_Prefix,
                   F.F_pC_given * 0.001,
                   Get_Relation_Sign_LE(static_cast<float>(F.F_pC_given), static_cast<float>(F_pC + 0.1)));
        Compute_Preload_Force(F.f_ub, F.A_s, 0.0, stream, detail);
        OLI_Printf(stream, "  %s", F.F_pC_given < F_pC + 0.1 ? Mark_Note_Ok() : Mark_Not_Ok());
    } else if (F.slip_resistant) {
        OLI_Printf(stream, ", gleitfeste Verbindung (kontrolliert voll vorgespannt)");
        OLI_Printf(stream, "\n%sVorspannkraft ", Report_Line_Prefix);
        Compute_Preload_Force(F.f_ub, F.A_s, 0.0, stream, detail);
    } else if (F.preloaded) {
        OLI_Printf(stream, ", vorgespannt");
        if (!stainless_class) {
            OLI_Printf(stream, " (zur Info: Regelvorspannkraft ");
            Compute_Regular_Preload(F.f_yb, F.A_s, stream, detail);
            OLI_Printf(stream, ")");
        }
    } else if (!stainless_class) {
        OLI_Printf(stream, " (zur Info: Vorspannkraft gegen Lockern ");
        Compute_Loosening_Preload(F.f_yb, F.A_s, stream, detail);
        OLI_Printf(stream, ")");
    }
}

void Print_Hole_Part(FILE* stream, const Fastener& F, int detail) {
    if (F.hole_type == Hole_Normal) {
        if (!detail && !F.non_standard_size) return;
        OLI_Printf(stream, "%snormales Lochspiel", Report_Line_Prefix);
        if (F.non_standard_size) {
            const double nominal = Get_Bolt_Nominal_Clearance(F.effective_size_index, F.delta_d, F.fitted, 0, 0);
            if (F.delta_d > nominal + 0.001)
                OLI_Printf(stream, " (Nennlochspiel úd = %.1lf mm > %.1lf mm %s)"_cp, F.delta_d, nominal, Mark_Warning());
        }
        OLI_Printf(stream, "\n");
        return;
    }
    OLI_Printf(stream, "%s%s", Report_Line_Prefix, Get_Hole_Type_Name(F.hole_type, F.slip_resistant));
    if (F.hole_type == Hole_Oversize)
        OLI_Printf(stream, " (Lochspiel úd╬\\groß╬r = %.1lf mm)"_cp, F.hole_enlargement);
    else if (Is_Slotted_Hole(F.hole_type))
        OLI_Printf(stream, " (Lochlänge d╬\\L╬r = %.1lf mm)"_cp, F.d + F.hole_enlargement);
    OLI_Printf(stream, "\n");
}

void Print_Dimensions(FILE* stream, const Fastener& F) {
    const bool anchor = F.type == Fastener_Anchor_Bolt;
    OLI_Printf(stream, "%s%s\n", Report_Line_Prefix, F.non_standard_size ? "Abmessungen:" : "Rechenparameter:");
    Indent_More();
    const double clearance = F.hole_type == Hole_Oversize ? F.hole_enlargement : F.delta_d;
    OLI_Printf(stream, "%sSchaftdurchmesser d = %.1lf mm,", Report_Line_Prefix, F.d);
    OLI_Printf(stream, "  Nennlochspiel úd = %.1lf mm  ê  Lochdurchmesser d╬\\0╬r = %.1lf mm\n"_cp, clearance,
               F.d + clearance);
    OLI_Printf(stream, "%sBruttoquerschnittsfläche (Schaft) A = %.3lf cm²\n"_cp, Report_Line_Prefix, F.A * 0.01);
    OLI_Printf(stream, "%sSpannungsquerschnittsfläche A╬\\s╬r = %.3lf cm²\n"_cp, Report_Line_Prefix, F.A_s * 0.01);
    const char* part = anchor ? "der Schraubenmutter" : "des Schraubenkopfes";
    OLI_Printf(stream, "%sDurchmesser %s (Schlüsselweite) d╬\\s╬r = %.2lf mm\n"_cp, Report_Line_Prefix, part, F.d_s);
    OLI_Printf(stream, "%sDurchmesser %s (Eckenmaß) d╬\\e╬r = %.2lf mm\n"_cp, Report_Line_Prefix, part, F.d_e);
    if (!anchor) OLI_Printf(stream, "%sSchraubenkopfhöhe t╬\\k╬r = %.1lf mm\n"_cp, Report_Line_Prefix, F.t_k);
    OLI_Printf(stream, "%sHöhe der Mutter t╬\\m╬r = %.1lf mm\n"_cp, Report_Line_Prefix, F.t_m);
    OLI_Printf(stream, "%sDurchmesser der Unterlegscheibe d╬\\p╬r = %.1lf mm\n"_cp, Report_Line_Prefix, F.d_p);
    OLI_Printf(stream, "%sBlechdicke der Unterlegscheibe t╬\\p╬r = %.1lf mm\n"_cp, Report_Line_Prefix, F.t_p);
    if (!anchor) OLI_Printf(stream, "%sUnterlegscheibe %sseitig\n", Report_Line_Prefix, F.washer_sides == 2 ? "beid" : "ein");
    Indent_Less();
}

}  // namespace

int Print_Fastener_Input(const Fastener* fastener, int shear_plane, int options, FILE* stream, int detail) {
    if (!stream || !fastener || fastener->type < Fastener_Bolt || fastener->type > Fastener_Anchor_Bolt)
        return shear_plane;
    const Fastener& F = *fastener;
    OLI_Printf(stream, "%s", Report_Line_Prefix);
    if (options == 0)
        OLI_Printf(stream, "%s%s: ", Kind_Name(F.type), F.type == Fastener_Pin && F.replaceable ? ", austauschbar" : "");
    if (F.type == Fastener_Rivet) {
        Print_Rivet(stream, F, detail);
        return shear_plane;
    }
    if (F.type == Fastener_Pin) {
        Print_Pin(stream, F, detail);
        return shear_plane;
    }
    if (!(F.type == Fastener_Anchor_Bolt && Print_Anchor_Material(stream, F, detail)))
        Print_Class_Strengths(stream, F, options, detail);
    Print_Size_Part(stream, F);
    if (!(options & Fastener_Print_No_Preload)) Print_Width_And_Preload(stream, F, detail);
    OLI_Printf(stream, "\n");
    Print_Hole_Part(stream, F, detail);
    if (detail || F.non_standard_size) Print_Dimensions(stream, F);
    if (F.type == Fastener_Injection_Bolt)
        OLI_Printf(stream, "%sFestigkeit des Injektionsharzes f╬\\b,resin╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix,
                   F.f_b_resin);
    if (shear_plane >= 0) OLI_Printf(stream, "%s%s in der Scherfuge\n", Report_Line_Prefix, shear_plane ? "Gewinde" : "Schaft");
    return shear_plane;
}

double Compute_Regular_Preload(double f_yb, double A_s, FILE* stream, int detail) {
    const double F_pC = static_cast<double>(0.7L * f_yb * A_s);
    if (stream) Print_Preload_Line(stream, detail, "F╬\\p,C╬r*"_cp, "yb", "", F_pC, f_yb, A_s);
    return F_pC;
}

double Compute_Loosening_Preload(double f_yb, double A_s, FILE* stream, int detail) {
    const long double F_pC = 0.7L * f_yb * A_s;
    const double F_loose = static_cast<double>(0.5L * F_pC);
    if (stream) {
        OLI_Printf(stream, "0.5%sF╬\\p,C╬r* = %.1lf kN"_cp, Times_Dot, F_loose * 0.001);
        if (detail > 0) {
            OLI_Printf(stream, "\n%s  ", Report_Line_Prefix);
            Print_Preload_Line(stream, detail, "F╬\\p,C╬r*"_cp, "yb", "", static_cast<double>(F_pC), f_yb, A_s);
        }
    }
    return F_loose;
}

double Compute_Preload_Force(double f_ub, double A_s, double gamma_M7, FILE* stream, int detail) {
    const bool design = gamma_M7 > 0.001;
    long double F_pC = 0.7L * f_ub * A_s;
    if (design) F_pC /= gamma_M7;
    if (stream)
        Print_Preload_Line(stream, detail, design ? "F╬\\p,Cd╬r"_cp : "F╬\\p,C╬r"_cp, "ub", design ? " / └╬\\M7╬r"_cp : "",
                           static_cast<double>(F_pC), f_ub, A_s);
    return static_cast<double>(F_pC);
}
