// Verification of a pin connection (EN 1993-1-8 3.13, Tables 3.9 and 3.10): the geometry of the eye
// bars, then per load situation the shear, bearing, bending and tension of the pin with the
// combination of shear and bending, and the serviceability checks of a replaceable pin.
//
// Every verification follows one rule: with the verification switch a negative resistance is an
// error line (U_max not determinable, error bits), a vanishing one "Nachweis wird nicht geführt",
// otherwise the line with U = E/R, which may raise U_max; without the switch level 0 shows the
// resistance alone and a negative one only sets its bits. An action effect of 0.001 or less counts
// as none: its resistance is not computed and level 0 shows the zero line.
#include "checks/pin_connection.h"

#include "checks/bolt_lines.h"
#include "checks/bolt_resistances.h"
#include "checks/pin_resistances.h"
#include "checks/report_indent.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Zero = 0.001;            // N, N·m
constexpr double Tension_Given = 0.1;     // N; a smaller F_t,Ed is no tension
constexpr double U_Determinable = -0.1;   // U_max above this can still rise
constexpr int Situation_Count = 4;        // load situations of Code_Edition 1

bool Edition_2025() { return Current_Code_Edition == Code_Edition_2025; }

// The texts of one verification and the bits of its failure. Formats: line (prefix, E, sign, R),
// zero and error (prefix, mark), alone (prefix, R).
struct Pin_Check {
    const char* line;
    const char* zero;
    const char* error;
    const char* alone;
    double scale;   // printed unit per stored unit
    int bits;
};

const Pin_Check Shear_Check = {
    "%sF╬\\v,Ed╬r = %.1lf kN  %s  F╬\\v,Rd╬r = %.2lf kN"_cp,
    "%sF╬\\v,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╬HFehler╬r: F╬\\v,Rd╬r < 0 %s\n"_cp,
    "%sF╬\\v,Rd╬r = %.2lf kN\n"_cp,
    0.001,
    Pin_Error_Shear,
};

const Pin_Check Bearing_Check = {
    "%sF╬\\b,Ed╬r = %.1lf kN  %s  F╬\\b,Rd╬r = %.2lf kN"_cp,
    "%sF╬\\b,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╬HFehler╬r: F╬\\b,Rd╬r < 0 %s\n"_cp,
    "%sF╬\\b,Rd╬r = %.2lf kN\n"_cp,
    0.001,
    Pin_Error_Bearing,
};

const Pin_Check Bearing_SLS_Check = {
    "%sF╬\\b,Ed,ser╬r = %.1lf kN  %s  F╬\\b,Rd,ser╬r = %.2lf kN"_cp,
    "%sF╬\\b,Rd,ser╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╬HFehler╬r: F╬\\b,Rd,ser╬r < 0 %s\n"_cp,
    "%sF╬\\b,Rd,ser╬r = %.2lf kN\n"_cp,
    0.001,
    Pin_Error_Bearing,
};

const Pin_Check Contact_Check = {
    "%s╠╬\\h,Ed╬r = %.1lf N/mm²  %s  f╬\\h,Rd╬r = %.2lf N/mm²"_cp,
    "%sf╬\\h,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╬HFehler╬r: f╬\\h,Rd╬r < 0 %s\n"_cp,
    "%sf╬\\h,Rd╬r = %.2lf N/mm²\n"_cp,
    1.0,
    Pin_Error_Bearing,
};

const Pin_Check Bending_Check = {
    "%sM╬\\Ed╬r = %.2lf kNm  %s  M╬\\Rd╬r = %.3lf kNm"_cp,
    "%sM╬\\Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╬HFehler╬r: M╬\\Rd╬r < 0 %s\n"_cp,
    "%sM╬\\Rd╬r = %.3lf kNm\n"_cp,
    0.001,
    Pin_Error_Bending,
};

const Pin_Check Bending_SLS_Check = {
    "%sM╬\\Ed,ser╬r = %.2lf kNm  %s  M╬\\Rd,ser╬r = %.3lf kNm"_cp,
    "%sM╬\\Rd,ser╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╬HFehler╬r: M╬\\Rd,ser╬r < 0 %s\n"_cp,
    "%sM╬\\Rd,ser╬r = %.3lf kNm\n"_cp,
    0.001,
    Pin_Error_Bending,
};

// A pin takes no tension: F_t,Rd stays 0 and the block says that it verifies nothing.
const Pin_Check Tension_Check = {
    "%sF╬\\t,Ed╬r = %.1lf kN  %s  F╬\\t,Rd╬r = %.2lf kN"_cp,
    "%sF╬\\t,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╬HFehler╬r: F╬\\t,Rd╬r < 0 %s\n"_cp,
    "%sF╬\\t,Rd╬r = %.3lf kN\n"_cp,
    0.001,
    0,
};

// One load situation of the verification.
struct Pin_Pass {
    Bolt_Connection& C;
    FILE* stream;
    int level;
    int number;       // situation code 0 to 3
    int& governing;   // the situation whose utilisation last raised U_max
    bool verification() const { return C.context.verification; }
};

// F_v,Ed = k V. Under Code_Edition 0 V is the whole force on the pin, carried by two shear planes
// (k = 0.5); under Code_Edition 1 every situation's V is already the force of one shear plane. A pin
// marked as a bolt takes the whole force per plane.
double Shear_Effect_Factor(const Bolt_Connection& C) {
    return (C.options & Bolt_Option_Pin_As_Bolt) || Edition_2025() ? 1.0 : 0.5;
}

void Raise_U_Max(Pin_Pass& p, double U) {
    if (p.C.U_max > U_Determinable && U > p.C.U_max) {
        p.C.U_max = U;
        p.governing = p.number;
    }
}

// "U = ...  ≤  1  ok" after the first part of a verification line.
void Print_Utilisation(FILE* stream, double U) {
    OLI_Printf(stream, "  ê  U = %.3lf  %s  1"_cp, U, Get_Relation_Sign_LE(U, 1.0));
    OLI_Printf(stream, "  %s\n", U <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
}

void Verify_Value(Pin_Pass& p, const Pin_Check& k, double E, double R) {
    Bolt_Connection& C = p.C;
    FILE* s = p.stream;
    const bool negative = R < Negative_Resistance;
    if (negative) C.Check_Error_Flags |= k.bits;
    if (!p.verification()) {
        if (s && p.level == 0) OLI_Printf(s, k.alone, Report_Line_Prefix, R * k.scale);
        return;
    }
    if (negative) {
        C.U_max = Not_Determinable;
        if (s) OLI_Printf(s, k.error, Report_Line_Prefix, Mark_Error());
        return;
    }
    if (R <= Zero) {
        if (s) OLI_Printf(s, k.zero, Report_Line_Prefix, Mark_Warning());
        return;
    }
    const double U = Tolerant_Utilisation(E / R);
    if (s) {
        OLI_Printf(s, k.line, Report_Line_Prefix, E * k.scale, Get_Relation_Sign_LE(E, R), R * k.scale);
        Print_Utilisation(s, U);
    }
    Raise_U_Max(p, U);
}

// With the verification switch an effect of 0.001 or less ends its check; level 0 then prints the
// zero line (prefix and an empty separator). Result: true when the check ends.
bool Zero_Effect(const Pin_Pass& p, double E, const char* zero_line) {
    if (!p.verification() || E > Zero) return false;
    if (p.stream && p.level == 0) OLI_Printf(p.stream, zero_line, Report_Line_Prefix, "");
    return true;
}

// The heading of a block ("╬HAbscheren" at level 2, "Abscheren:" at level 1, none at level 0); the
// indent that the caller keeps nests its content at level 2.
Report_Block_Indent Open_Block(const Pin_Pass& p, const char* title) {
    if (p.stream && p.level >= 1)
        OLI_Printf(p.stream, "%s%s%s%s\n", Report_Line_Prefix, p.level >= 2 ? "╬H"_cp : "", title,
                   p.level >= 2 ? "" : ":");
    return Report_Block_Indent(p.level >= 2 ? p.stream : nullptr);
}

bool Eye_Bar_Verified(const Bolt_Connection& C, int eye_bar) {
    return !(C.options & (eye_bar == 1 ? Bolt_Option_Plate_1_Unverified : Bolt_Option_Plate_2_Unverified));
}

// ---------------------------------------------------------------------------------------------
// Blocks

void Shear_Block(Pin_Pass& p) {
    Bolt_Connection& C = p.C;
    Report_Block_Indent block = Open_Block(p, "Abscheren");
    double V = 0.0;
    Compute_Pin_Moment_And_Shear(&C, p.number, 0, nullptr, &V, p.stream, p.level);
    const double F_v_Ed = Shear_Effect_Factor(C) * V;
    if (Zero_Effect(p, F_v_Ed, "%sScherkraft%s F╬\\v,Ed╬r = 0\n"_cp)) return;
    Compute_Shear_Resistance(&C, p.stream, p.level);
    Verify_Value(p, Shear_Check, F_v_Ed, C.results.F_v_Rd);
}

// The force that one eye bar bears on the pin (eye bar 1 F_Ed, one eye bar 2 its share; F_Ed,ser
// with the serviceability switch) with its line. Result: false when the force counts as zero, which
// ends the check (level 0 then shows the zero line).
bool Eye_Bar_Effect(const Pin_Pass& p, int eye_bar, int serviceability, double& F) {
    const Bolt_Connection& C = p.C;
    FILE* s = p.stream;
    const char* suffix = serviceability ? ",ser" : "";
    if (eye_bar == 1) {
        F = serviceability ? C.F_v_Ed_ser : C.F_v_Ed;
        if (s && p.level >= 1)
            OLI_Printf(s, "%sScherkraft%s F╬\\b,Ed%s╬r = F╬\\Ed%s╬r = %.2lf kN\n"_cp, Report_Line_Prefix,
                       Label_Separator(p.level), suffix, suffix, F * 0.001);
    } else {
        F = Compute_Outer_Eye_Bar_Force(&C, serviceability, s, p.level);
    }
    if (!p.verification() || F > Zero) return true;
    if (s && p.level == 0)
        OLI_Printf(s, eye_bar == 1 ? "%sScherkraft F╬\\b,Ed%s╬r = 0\n"_cp : "%sF╬\\b,Ed%s╬r = 0\n"_cp, Report_Line_Prefix,
                   suffix);
    return false;
}

// Serviceability of a replaceable pin at one eye bar: bearing, then the contact stress against its
// limit.
void Bearing_Serviceability(Pin_Pass& p, int eye_bar) {
    Bolt_Connection& C = p.C;
    FILE* s = p.stream;
    double F_ser;
    if (Eye_Bar_Effect(p, eye_bar, 1, F_ser)) {
        Compute_Pin_Bearing_Resistance_SLS(&C, s, p.level, eye_bar);
        Verify_Value(p, Bearing_SLS_Check, F_ser, eye_bar == 1 ? C.results.F_b_Rd_ser_1 : C.results.F_b_Rd_ser_2);
    }

    // The contact stress needs the service load, so it is determined with the verification switch only.
    bool sigma_known = false;
    if (p.verification()) {
        if (Compute_Pin_Contact_Stress(&C, s, p.level, eye_bar)) {
            C.Check_Error_Flags |= Pin_Error_Bearing;
            if (s) OLI_Printf(s, "%s╬HFehler╬r: ╠╬\\h,Ed╬r < 0 %s\n"_cp, Report_Line_Prefix, Mark_Error());
        } else {
            sigma_known = true;
        }
    }
    Compute_Allowable_Contact_Stress(&C, s, p.level, eye_bar);
    const double sigma = eye_bar == 1 ? C.results.sigma_h_Ed_1 : C.results.sigma_h_Ed_2;
    const double f_h = eye_bar == 1 ? C.results.f_h_Rd_1 : C.results.f_h_Rd_2;
    if (!p.verification() || sigma_known || f_h < Negative_Resistance) Verify_Value(p, Contact_Check, sigma, f_h);
}

void Bearing_Block(Pin_Pass& p) {
    Bolt_Connection& C = p.C;
    FILE* s = p.stream;
    Report_Block_Indent block = Open_Block(p, "Lochleibung");
    const bool both = Eye_Bar_Verified(C, 1) && Eye_Bar_Verified(C, 2);
    for (int eye_bar = 1; eye_bar <= 2; ++eye_bar) {
        if (!Eye_Bar_Verified(C, eye_bar)) continue;
        if (s && (p.level >= 2 || both))
            OLI_Printf(s, eye_bar == 1 ? "%s╬_Augenstab 1 und Bolzen\n"_cp : "%s╬_Augenstab 2 und Bolzen╬r\n"_cp,
                       Report_Line_Prefix);
        Report_Block_Indent bar_block(p.level >= 2 ? s : nullptr);
        double F_b_Ed;
        if (Eye_Bar_Effect(p, eye_bar, 0, F_b_Ed)) {
            Compute_Bearing_Resistance(&C, s, p.level, eye_bar);
            Verify_Value(p, Bearing_Check, F_b_Ed, eye_bar == 1 ? C.results.F_b_Rd_1 : C.results.F_b_Rd_2);
        }
        if (C.fastener.replaceable) Bearing_Serviceability(p, eye_bar);
    }
}

// W_el = π d³/32 of the pin (mm³).
double Pin_W_el(double d) { return 0.09817477042468103 * d * d * d; }

void Print_W_el(FILE* out, int level, const char* whose, double W_el) {
    OLI_Printf(out, "%sWiderstandsmoment %s%s W╬\\el╬r = ╔%sd·/32 = %.2lf cm·"_cp, Report_Line_Prefix, whose,
               Label_Separator(level), Times_Dot, W_el * 0.001);
}

// M_Rd (N·m): a pin 1.5 f_yp W_el / γM0; a pin marked as a bolt 0.9 f_yp W_el / γM0 for class 10.9,
// else 0.9 f_yp W_pl / γM0.
double Pin_Bending_Resistance(const Bolt_Connection& C, FILE* stream, int level) {
    FILE* out = Formula_Stream(stream, level);
    const double gamma_M0 = Context_Gamma(C.context, Gamma_M0);
    if (gamma_M0 < Gamma_Min) {
        Print_Not_Determinable(out, "M╬\\Rd╬r"_cp);
        return Not_Determinable;
    }
    const Fastener& F = C.fastener;
    const double f_yp = F.material.f_y;
    const double W_el = Pin_W_el(F.d_pin);
    const double W_pl = W_el * 1.6976527263135504;   // 16/(3π)
    const bool as_bolt = C.options & Bolt_Option_Pin_As_Bolt;
    const bool elastic_bolt = as_bolt && F.effective_class_index == Bolt_Class_10_9;
    double M_Rd;
    const char* formula;
    if (!as_bolt) {
        M_Rd = 1.5 * f_yp * W_el / gamma_M0 * 0.001;
        formula = "%sBiegewiderstand%s M╬\\Rd╬r = (1.5%sf╬\\yp╬r%sW╬\\el╬r) / └╬\\M0╬r"_cp;
    } else if (elastic_bolt) {
        M_Rd = 0.9 * f_yp * W_el / gamma_M0 * 0.001;
        formula = "%sBiegewiderstand%s M╬\\Rd╬r = (0.9%sf╬\\yp╬r%sW╬\\el╬r) / └╬\\M0╬r"_cp;
    } else {
        M_Rd = 0.9 * f_yp * W_pl / gamma_M0 * 0.001;
        formula = "%sBiegewiderstand%s M╬\\Rd╬r = (0.9%sf╬\\yp╬r%sW╬\\pl╬r) / └╬\\M0╬r"_cp;
    }
    if (!out) return M_Rd;
    if (level >= 2) {
        if (!as_bolt) {
            Print_W_el(out, level, "des Bolzens", W_el);
        } else {
            if (elastic_bolt)
                OLI_Printf(out,
                           "%s╬SBei Schrauben der Festigkeitsklasse 10.9 (HV) wird der Biegewiderstand mit dem elastischen Widerstandsmoment berechnet.\n"_cp,
                           Report_Line_Prefix);
            Print_W_el(out, level, "der Schraube", W_el);
            if (!elastic_bolt)
                OLI_Printf(out, ",  W╬\\pl╬r = W╬\\el╬r%s16/(3%s╔) = %.2lf cm·"_cp, Times_Dot, Times_Dot, W_pl * 0.001);
        }
        OLI_Printf(out, "\n");
    }
    OLI_Printf(out, formula, Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot);
    OLI_Printf(out, " = %.3lf kNm", M_Rd * 0.001);
    if (level >= 2) OLI_Printf(out, ",  f╬\\yp╬r = %.1lf N/mm²"_cp, f_yp);
    OLI_Printf(out, "\n");
    return M_Rd;
}

// M_Rd,ser = 0.8 f_yp W_el / γM6,ser (N·m), for every pin.
double Pin_Bending_Resistance_SLS(const Bolt_Connection& C, FILE* stream, int level) {
    FILE* out = Formula_Stream(stream, level);
    const double gamma = Context_Gamma(C.context, Gamma_M6_Ser);
    if (gamma < Gamma_Min) {
        Print_Not_Determinable(out, "M╬\\Rd,ser╬r"_cp);
        return Not_Determinable;
    }
    const double f_yp = C.fastener.material.f_y;
    const double W_el = Pin_W_el(C.fastener.d_pin);
    const double M_Rd_ser = 0.8 * f_yp * W_el / gamma * 0.001;
    if (!out) return M_Rd_ser;
    if (level >= 2) {
        Print_W_el(out, level, "des Bolzens", W_el);
        OLI_Printf(out, "\n");
    }
    OLI_Printf(out, "%sBiegewiderstand im GZG%s M╬\\Rd,ser╬r = (0.8%sf╬\\yp╬r%sW╬\\el╬r) / └╬\\M6,ser╬r = %.3lf kNm"_cp,
               Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, M_Rd_ser * 0.001);
    if (level >= 2) OLI_Printf(out, ",  f╬\\yp╬r = %.1lf N/mm²"_cp, f_yp);
    OLI_Printf(out, "\n");
    return M_Rd_ser;
}

void Bending_Block(Pin_Pass& p) {
    Bolt_Connection& C = p.C;
    Report_Block_Indent block = Open_Block(p, "Biegung");
    if (C.options & Bolt_Option_No_Pin_Bending) return;
    double M_Ed = 0.0;
    Compute_Pin_Moment_And_Shear(&C, p.number, 0, &M_Ed, nullptr, p.stream, p.level);
    if (!Zero_Effect(p, M_Ed, "%sM╬\\Ed╬r = 0\n"_cp)) {
        C.results.M_Rd = Pin_Bending_Resistance(C, p.stream, p.level);
        Verify_Value(p, Bending_Check, M_Ed, C.results.M_Rd);
    }
    if (!C.fastener.replaceable) return;
    double M_Ed_ser = 0.0;
    Compute_Pin_Moment_And_Shear(&C, p.number, 1, &M_Ed_ser, nullptr, p.stream, p.level);
    if (Zero_Effect(p, M_Ed_ser, "%sM╬\\Ed,ser╬r = 0\n"_cp)) return;
    C.results.M_Rd_ser = Pin_Bending_Resistance_SLS(C, p.stream, p.level);
    Verify_Value(p, Bending_SLS_Check, M_Ed_ser, C.results.M_Rd_ser);
}

void Tension_Block(Pin_Pass& p) {
    Report_Block_Indent block = Open_Block(p, "Zug");
    Compute_Tension_Resistance(&p.C, p.stream, p.level);
    Verify_Value(p, Tension_Check, p.C.F_t_Ed, p.C.results.F_t_Rd);
}

// (F_v,Ed/F_v,Rd)² + (M_Ed/M_Rd)² ≤ 1 with the resistances that the record holds; a value above 1
// is no error.
void Combination_Block(Pin_Pass& p) {
    Bolt_Connection& C = p.C;
    Report_Block_Indent block = Open_Block(p, "Kombination von Abscheren und Biegung");
    double V = 0.0, M_Ed = 0.0;
    Compute_Pin_Moment_And_Shear(&C, p.number, 0, &M_Ed, &V, nullptr, p.level);
    const double v = Shear_Effect_Factor(C) * V / C.results.F_v_Rd;
    const double m = M_Ed / C.results.M_Rd;
    const double U = Tolerant_Utilisation(v * v + m * m);
    C.results.U_pin_combination = U;
    if (p.stream) {
        OLI_Printf(p.stream, "%s(F╬\\v,Ed╬r/F╬\\v,Rd╬r)² + (M╬\\Ed╬r/M╬\\Rd╬r)²"_cp, Report_Line_Prefix);
        OLI_Printf(p.stream, " = %.3lf  %s  1", U, Get_Relation_Sign_LE(U, 1.0));
        OLI_Printf(p.stream, "  %s\n", U <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
    }
    Raise_U_Max(p, U);
}

const char* const Situation_Titles[Situation_Count] = {
    "1: Symmetrische Situation - maximales Biegemoment",
    "2: Symmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment"_cp,
    "3: Asymmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment"_cp,
    "4: Asymmetrische Situation - hohe Scherkraft und zugehöriges hohes Biegemoment"_cp,
};

}  // namespace

void Verify_Pin_Connection(Bolt_Connection* connection, int* governing_situation, FILE* stream, int detail) {
    if (governing_situation) *governing_situation = -1;
    if (!connection || connection->fastener.type != Fastener_Pin) return;
    Bolt_Connection& C = *connection;
    const bool verification = C.context.verification;
    const bool any_eye_bar = Eye_Bar_Verified(C, 1) || Eye_Bar_Verified(C, 2);
    if (verification && C.pin_geometry != 0 && any_eye_bar) Verify_Pin_Geometry(&C, stream, detail);

    const bool situations = Edition_2025();
    int governing = -1;
    for (int number = 0; number < (situations ? Situation_Count : 1); ++number) {
        Pin_Pass p{C, stream, detail, number, governing};
        if (situations && stream)
            OLI_Printf(stream, "%s%s%s\n", Report_Line_Prefix, detail >= 2 ? "╬H"_cp : "", Situation_Titles[number]);
        Report_Block_Indent situation_block(situations && detail >= 1 ? stream : nullptr);
        if (!(C.options & Bolt_Option_No_Pin_Shear)) Shear_Block(p);
        if (!(C.options & Bolt_Option_No_Pin_Bearing) && any_eye_bar) Bearing_Block(p);
        Bending_Block(p);
        if (C.F_t_Ed > Tension_Given) Tension_Block(p);
        if (verification && C.results.F_v_Rd > Zero && C.results.M_Rd > Zero) Combination_Block(p);
    }
    if (governing_situation) *governing_situation = governing;
}
