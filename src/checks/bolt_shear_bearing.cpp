// Shear and bearing resistances of one fastener (EN 1993-1-8 Tables 3.4 and 3.10; the anchor shear
// in steel failure after EN 1992-4), with the reductions for hole clearance, slots, packing plates,
// countersinking, single-lap joints and long joints.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/bolt_lines.h"
#include "common/stream_print.h"
#include "checks/bolt_resistances.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Zero = 0.001;                  // mm, N/mm², N
constexpr double Hole_Tolerance = 0.01;         // mm; an enlargement this close to Δd is no larger clearance
constexpr double Packing_Min = 0.01;            // mm; a thinner packing plate counts as none
constexpr double Distance_Given = 0.1;          // mm; e_1, p_1 and the limits of k count from here on
constexpr double M12_Shear_Factor = 0.85;       // EN 1993-1-8 3.6.1(5)
constexpr double Anchor_Without_Tests = 0.85;   // anchors of round steel without suitability tests

bool Edition_2025() { return Current_Code_Edition == Code_Edition_2025; }

bool Slot_In_Force_Direction(int hole_type) {
    return hole_type == Hole_Short_Slot_Parallel || hole_type == Hole_Long_Slot_Parallel;
}
bool Slot_Transverse(int hole_type) {
    return hole_type == Hole_Short_Slot_Transverse || hole_type == Hole_Long_Slot_Transverse;
}

// α_v of the thread in the shear plane: 0.6 for 4.6, 5.6 and 8.8, else 0.5 (EN 1993-1-8 Table 3.4).
double Thread_Alpha_V(const Fastener& F) {
    const int k = F.effective_class_index;
    return k == Bolt_Class_4_6 || k == Bolt_Class_5_6 || k == Bolt_Class_8_8 ? 0.6 : 0.5;
}

// The diameter that the packing plate and the long joint compare with: the shank, the rivet hole or
// the pin.
double Fastener_Diameter(const Fastener& F) {
    if (F.type == Fastener_Rivet) return F.d_0;
    if (F.type == Fastener_Pin) return F.d_pin;
    return F.d;
}

// β_p of a packing plate thicker than d/3 (EN 1993-1-8 3.6.1(12)); 1 without reduction.
double Packing_Factor(const Bolt_Connection& C, double d) {
    if (!C.packing || C.t_p <= Packing_Min || C.t_p <= d / 3.0 + Zero) return 1.0;
    return std::min(9.0 * d / (8.0 * d + 3.0 * C.t_p), 1.0);
}

bool Has_Packing(const Bolt_Connection& C) { return C.packing && C.t_p > Packing_Min; }

// A plate of a stainless grade of the steel table (rows 26 to 30), also with own values of such a
// grade.
bool Is_Stainless_Plate(const Plate_Material& M) {
    const int grade = M.own_values ? M.reference_grade : M.grade;
    return M.kind == Material_Steel && grade >= 26 && grade <= 30;
}

// ---------------------------------------------------------------------------------------------
// Shear

// Bolts and injection bolts in the thread or the shank, and anchors of threaded rod or ribbed bar.
// Result: F_v,Rd, or 0 for a hole that needs a separate verification.
double Bolt_Shear(const Bolt_Connection& C, FILE* out, int level, double gamma_M2) {
    const Fastener& F = C.fastener;
    const bool anchor = F.type == Fastener_Anchor_Bolt;
    double alpha, A;
    if (C.options & Bolt_Option_Thread_In_Shear_Plane) {
        A = F.A_s;
        if (anchor) {
            const double f_yb = std::clamp(F.f_yb, 235.0, 640.0);
            alpha = 0.44 - 0.0003 * f_yb;
            if (out && level >= 2)
                OLI_Printf(out,
                           "%sAnkerschraube:  ║╬\\v╬r = 0.44-0.0003%sf╬\\yb╬r = %.3lf,  f╬\\yb╬r = %.1lf N/mm²,  A = %.2lf cm²\n"_cp,
                           Report_Line_Prefix, Times_Dot, alpha, f_yb, A * 0.01);
        } else {
            alpha = Thread_Alpha_V(F);
            if (out && level >= 2) {
                OLI_Printf(out, "%sGewinde in der Scherfuge: ║╬\\v╬r = %.1lf"_cp, Report_Line_Prefix, alpha);
                if (!F.own_strengths) OLI_Printf(out, " für FK %s"_cp, Get_Bolt_Class_Name(F.effective_class_index));
                OLI_Printf(out, ",  A = %.2lf cm²\n"_cp, A * 0.01);
            }
        }
    } else {
        alpha = 0.6;
        A = F.A;
        if (out && level >= 2)
            OLI_Printf(out, "%sSchaft in der Scherfuge:  ║╬\\v╬r = %.1lf,  A = %.2lf cm²\n"_cp, Report_Line_Prefix, alpha,
                       A * 0.01);
    }
    double F_v = alpha * F.f_ub * A / gamma_M2;
    if (out) {
        OLI_Printf(out, "%sAbschertragfähigkeit%s%s F╬\\v,Rd╬r = "_cp, Report_Line_Prefix,
                   C.shear_planes == 2 ? " je Scherfuge" : "", Label_Separator(level));
        OLI_Printf(out, "║╬\\v╬r%sf╬\\ub╬r%sA / └╬\\M2╬r = %.2lf kN"_cp, Times_Dot, Times_Dot, F_v * 0.001);
        if (level == 1)
            OLI_Printf(out, ",  ║╬\\v╬r = %.2lf"_cp, alpha);
        else
            OLI_Printf(out, ",  f╬\\ub╬r = %.1lf N/mm²"_cp, F.f_ub);
        OLI_Printf(out, "\n");
    }
    if (anchor && !F.suitability_tests) {
        F_v *= Anchor_Without_Tests;
        if (out)
            OLI_Printf(out, "%sAnkerschraube aus Rundstahl ohne Eignungsprüfungen:  F╬\\v,Rd╬r%s0.85 = %.2lf kN\n"_cp,
                       Report_Line_Prefix, Times_Dot, F_v * 0.001);
    }
    return F_v;
}

double Rivet_Shear(const Bolt_Connection& C, FILE* out, int level, double gamma_M2) {
    const Fastener& F = C.fastener;
    const double A_0 = std::numbers::pi * F.d_0 * F.d_0 / 4.0;
    const double f_ur = F.material.f_u;
    const double F_v = 0.6 * f_ur * A_0 / gamma_M2;
    if (out) {
        if (level >= 2)
            OLI_Printf(out, "%sQuerschnittsfläche des Nietlochs:  A╬\\0╬r = ╔%sd╬\\0╬r²/4 = %.2lf cm²\n"_cp,
                       Report_Line_Prefix, Times_Dot, A_0 * 0.01);
        OLI_Printf(out,
                   "%sAbschertragfähigkeit je Scherfuge%s F╬\\v,Rd╬r = (0.6%sf╬\\ur╬r%sA╬\\0╬r) / └╬\\M2╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, F_v * 0.001);
        if (level >= 2) OLI_Printf(out, ",  f╬\\ur╬r = %.1lf N/mm²"_cp, f_ur);
        OLI_Printf(out, "\n");
    }
    return F_v;
}

double Pin_Shear(const Bolt_Connection& C, FILE* out, int level, double gamma_M2) {
    const Fastener& F = C.fastener;
    const double A = std::numbers::pi * F.d_pin * F.d_pin / 4.0;
    const bool as_bolt = C.options & Bolt_Option_Pin_As_Bolt;
    const double alpha = as_bolt ? Thread_Alpha_V(F) : 0.6;
    const double f_up = F.material.f_u;
    const double F_v = alpha * f_up * A / gamma_M2;
    if (out) {
        if (level >= 2)
            OLI_Printf(out, "%sQuerschnittsfläche %s:  A = ╔%sd²/4 = %.2lf cm²\n"_cp, Report_Line_Prefix,
                       as_bolt ? "der Schraube" : "des Bolzens", Times_Dot, A * 0.01);
        OLI_Printf(out, "%sAbschertragfähigkeit je Scherfuge%s F╬\\v,Rd╬r = (%.1lf%sf╬\\up╬r%sA) / └╬\\M2╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), alpha, Times_Dot, Times_Dot, F_v * 0.001);
        if (level >= 2) OLI_Printf(out, ",  f╬\\up╬r = %.1lf N/mm²"_cp, f_up);
        OLI_Printf(out, "\n");
    }
    return F_v;
}

// Steel failure of an anchor with anchor plate or headed stud (EN 1992-4 7.2.2.3), without or with
// lever arm. Result: V_Rd,s, or 0 when V_Rk,s is not positive; Not_Determinable without strengths.
double Anchor_Plate_Shear(const Bolt_Connection& C, FILE* stream, FILE* out, int level) {
    const Fastener& F = C.fastener;
    const double d = F.d, f_ub = F.f_ub, f_yb = F.f_yb;
    const double gamma_Ms = Anchor_Gamma_Ms(f_ub, f_yb);
    if (gamma_Ms <= 0.0) {
        Print_Not_Determinable(out, "F╬\\v,Rd╬r"_cp);
        return Not_Determinable;
    }
    const double t_m = Has_Packing(C) ? C.t_p : 0.0;   // grout layer
    const double f_c = Anchor_Concrete_Fck(C);
    const bool lever_arm = t_m >= d / 2.0 - Zero;
    if (out && level >= 2)
        OLI_Printf(out, lever_arm ? "%st╬\\m╬r > d/2  ê  mit Hebelarm\n"_cp : "%st╬\\m╬r ≤ d/2  ê  ohne Hebelarm\n"_cp,
                   Report_Line_Prefix);

    double V_Rk, V_0 = 0.0, c = 1.0, k_6 = 0.0, l_a = 0.0, M_Rk = 0.0, M_0 = 0.0, W_pl = 0.0, N_Rk = 0.0, N_Rd = 0.0,
                 N_Ed = 0.0;
    if (!lever_arm) {
        constexpr double k_7 = 1.0;
        k_6 = f_ub < 500.0 + Zero ? 0.6 : 0.5;
        c = F.l_e >= 5.0 * d || f_c >= 20.0 - Zero ? 1.0 : 0.8;
        V_0 = c * k_6 * F.A_s * f_ub;
        V_Rk = k_7 * V_0;
    } else {
        l_a = C.plate_1.t / 2.0 + t_m + (f_c >= 30.0 - Zero ? d / 2.0 : 0.0);
        N_Rk = 0.9 * f_ub * F.A_s;
        N_Rd = N_Rk / gamma_Ms;
        N_Ed = std::max(C.F_t_Ed, 0.0);
        W_pl = d * d * d / 6.0;
        M_0 = 0.9 * W_pl * f_yb;
        M_Rk = M_0 * (1.0 - N_Ed / N_Rd);
        V_Rk = C.alpha_M * M_Rk / l_a;
    }
    const double V_Rd = V_Rk / gamma_Ms;

    if (stream && level == 0) OLI_Printf(stream, "V╬\\Rk,s╬r = %.2lf kN"_cp, V_Rk * 0.001);
    if (out) {
        OLI_Printf(out, "%sWiderstand gegen Stahlbruch%s V╬\\Rk,s╬r"_cp, Report_Line_Prefix, Label_Separator(level));
        if (!lever_arm) {
            OLI_Printf(out, " = k╬\\7╬r%sV╬\\Rk,s╬/0╬r = %.2lf kN,  k╬\\7╬r = %.1lf"_cp, Times_Dot, V_Rk * 0.001, 1.0);
            if (level >= 2) {
                OLI_Printf(out, "\n%s  V╬\\Rk,s╬/0╬r = "_cp, Report_Line_Prefix);
                if (c < 0.999) OLI_Printf(out, "%.1lf%s", c, Times_Dot);
                OLI_Printf(out, "k╬\\6╬r%sA╬\\s╬r%sf╬\\uk╬r = %.2lf kN,  k╬\\6╬r = %.1lf,  f╬\\uk╬r = %.1lf N/mm²"_cp,
                           Times_Dot, Times_Dot, V_0 * 0.001, k_6, f_ub);
            } else {
                OLI_Printf(out, ",  V╬\\Rk,s╬/0╬r = %.2lf kN"_cp, V_Rk * 0.001);
            }
        } else {
            OLI_Printf(out, " = (║╬\\M╬r%sM╬\\Rk,s╬r)/l╬\\a╬r = %.2lf kN,  ║╬\\M╬r = %.1lf,  l╬\\a╬r = %.1lf mm"_cp, Times_Dot,
                       V_Rk * 0.001, C.alpha_M, l_a);
            if (level >= 2) {
                OLI_Printf(out, "\n%s  M╬\\Rk,s╬r = M╬\\Rks╬/0╬r%s(1-N╬\\Ed╬r/N╬\\Rd,s╬r) = %.2lf kNm"_cp, Report_Line_Prefix,
                           Times_Dot, M_Rk * 1e-6);
                OLI_Printf(out, ",  M╬\\Rks╬/0╬r = 0.9%sW╬\\pl╬r%sf╬\\yk╬r = %.2lf kNm"_cp, Times_Dot, Times_Dot, M_0 * 1e-6);
                OLI_Printf(out, ",  W╬\\pl╬r = d·/6 = %.2lf cm·,  f╬\\yk╬r = %.1lf N/mm²"_cp, W_pl * 0.001, f_yb);
                OLI_Printf(out, "\n%s    N╬\\Rk,s╬r = 0.9%sf╬\\uk╬r%sA╬\\s╬r = %.2lf kN"_cp, Report_Line_Prefix, Times_Dot,
                           Times_Dot, N_Rk * 0.001);
                OLI_Printf(out, "\n%s    N╬\\Ed╬r = %.1lf kN,  N╬\\Rd,s╬r = %.2lf kN\n"_cp, Report_Line_Prefix, N_Ed * 0.001,
                           N_Rd * 0.001);
            } else {
                OLI_Printf(out, ",  M╬\\Rk,s╬r = %.2lf kNm"_cp, M_Rk * 1e-6);
            }
        }
        if (!(lever_arm && level >= 2)) OLI_Printf(out, "\n");
        OLI_Printf(out, "%s%sV╬\\Rd,s╬r = V╬\\Rk,s╬r/└╬\\Ms╬r = %.2lf kN,  "_cp, Report_Line_Prefix,
                   level >= 2 ? "Stahlversagen:  " : "", V_Rd * 0.001);
        Print_Anchor_Gamma_Ms(out, f_ub, f_yb, gamma_Ms);
        OLI_Printf(out, "\n%sAbschertragfähigkeit einer Ankerschraube F╬\\v,Rd╬r = V╬\\Rd,s╬r = %.2lf kN\n"_cp,
                   Report_Line_Prefix, V_Rd * 0.001);
    }
    return V_Rk > Zero ? V_Rd : 0.0;
}

// β_p of a packing plate on the shear resistance; the label is "Trennschicht" for a pin marked as a
// bolt.
double Reduce_Shear_By_Packing(const Bolt_Connection& C, FILE* out, int level, double d, double F_v) {
    if (!Has_Packing(C)) return F_v;
    const char* label = C.fastener.type == Fastener_Pin ? "%sTrennschicht" : "%sFutterblech";
    const double beta_p = Packing_Factor(C, d);
    if (C.t_p > d / 3.0 + Zero) {
        F_v *= beta_p;
        if (out) {
            OLI_Printf(out, label, Report_Line_Prefix);
            OLI_Printf(out, " mit t╬\\p╬r = %.1lf mm > d/3 = %.1lf mm:  Abminderungsfaktor ╗╬\\p╬r"_cp, C.t_p, d / 3.0);
            if (level >= 2) OLI_Printf(out, " = 9%sd/(8%sd+3%st╬\\p╬r)"_cp, Times_Dot, Times_Dot, Times_Dot);
            OLI_Printf(out, " = %.2lf  ê  F╬\\v,Rd╬r = %.3lf kN\n"_cp, beta_p, F_v * 0.001);
        }
    } else if (out && level >= 2) {
        OLI_Printf(out, label, Report_Line_Prefix);
        OLI_Printf(out, " mit t╬\\p╬r ≤ d/3 = %.1lf mm  ê  keine Abminderung\n"_cp, d / 3.0);
    }
    return F_v;
}

// ---------------------------------------------------------------------------------------------
// Bearing

struct Bearing_Plate {
    double e_1, e_2, t, f_y, f_u;
};

Bearing_Plate Plate_Data(const Bolt_Connection& C, int plate) {
    const Plate& P = plate == 1 ? C.plate_1 : C.plate_2;
    Bearing_Plate B{plate == 1 ? C.e_11 : C.e_12, plate == 1 ? C.e_21 : C.e_22, P.t, P.material.f_y, P.material.f_u};
    // A bolt screwed into plate 2 bears over its thread engagement.
    if (plate == 2 && C.fastener.type == Fastener_Bolt && C.fastener.tapped_hole) B.t = C.fastener.l_e;
    return B;
}

double Pin_Bearing(const Bolt_Connection& C, FILE* out, int level, const Bearing_Plate& P) {
    const Fastener& F = C.fastener;
    const double gamma_M0 = Context_Gamma(C.context, Gamma_M0);
    if (gamma_M0 < Gamma_Min) {
        Print_Not_Determinable(out, "F╬\\b,Rd╬r"_cp);
        return Not_Determinable;
    }
    const double f_y_min = std::min(P.f_y, F.material.f_y);
    const double F_b = 1.5 * P.t * F.d_pin * f_y_min / gamma_M0;
    if (out) {
        OLI_Printf(out,
                   "%sLochleibungstragfähigkeit%s F╬\\b,Rd╬r = (1.5%sf╬\\y,min╬r%sd%st) / └╬\\M0╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, Times_Dot, F_b * 0.001);
        if (level >= 2) OLI_Printf(out, ",  f╬\\y,min╬r = %.1lf N/mm²,  t = %.1lf mm"_cp, f_y_min, P.t);
        OLI_Printf(out, "\n");
    }
    return F_b;
}

// α_b and k of EN 1993-1-8 Table 3.4 (Code_Edition 0). The level-2 lines name the fastener.
void Factors_2010(const Bolt_Connection& C, FILE* out, int level, const Bearing_Plate& P, double d_0, double f_ub,
                  double f_u, double& alpha_b, double& k) {
    const char* who = C.fastener.type == Fastener_Rivet ? "r Niet" : " Schraube";
    const bool lines = out && level >= 2;
    alpha_b = std::min(f_ub / f_u, 1.0);
    if (C.p_1 > Distance_Given) {
        const double alpha_i = C.p_1 / (3.0 * d_0) - 0.25;
        alpha_b = std::min(alpha_b, alpha_i);
        if (lines)
            OLI_Printf(out,
                       "%sin Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3%sd╬\\0╬r)-1/4 = %.2lf  (innen liegende%s)\n"_cp,
                       Report_Line_Prefix, Times_Dot, alpha_i, who);
    }
    if (P.e_1 > Distance_Given) {
        const double alpha_a = P.e_1 / (3.0 * d_0);
        alpha_b = std::min(alpha_b, alpha_a);
        if (lines)
            OLI_Printf(out, "%sin Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3%sd╬\\0╬r) = %.2lf  (am Rand liegende%s)\n"_cp,
                       Report_Line_Prefix, Times_Dot, alpha_a, who);
    }
    if (lines)
        OLI_Printf(out,
                   "%s  ê  ║╬\\b╬r = %.2lf  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = %.2lf  oder  1.0)\n"_cp,
                   Report_Line_Prefix, alpha_b, f_ub / f_u);

    k = 2.5;
    const bool p_2_given = C.p_2 > Zero, e_2_given = P.e_2 > Zero;
    if (C.p_2 <= Distance_Given && P.e_2 <= Distance_Given) {
        if (lines) OLI_Printf(out, "%squer zur Kraftrichtung wirkend:  k╬\\m╬r = %.2lf\n"_cp, Report_Line_Prefix, k);
        return;
    }
    const double k_i = 1.4 * C.p_2 / d_0 - 1.7;
    if (p_2_given) {
        k = std::min(k, k_i);
        if (lines)
            OLI_Printf(out,
                       "%squer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4%sp╬\\2╬r/d╬\\0╬r-1.7 = %.2lf  (innen liegende%s)\n"_cp,
                       Report_Line_Prefix, Times_Dot, k_i, who);
    }
    if (e_2_given) {
        const double k_a = p_2_given ? std::min(2.8 * P.e_2 / d_0 - 1.7, k_i) : 2.8 * P.e_2 / d_0 - 1.7;
        k = std::min(k, k_a);
        if (lines) {
            const std::string terms = Format_Text("2.8%se╬\\2╬r/d╬\\0╬r-1.7"_cp, Times_Dot) +
                                      (p_2_given ? Format_Text(", 1.4%sp╬\\2╬r/d╬\\0╬r-1.7"_cp, Times_Dot) : "");
            OLI_Printf(out, "%squer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(%s) = %.2lf  (am Rand liegende%s)\n"_cp,
                       Report_Line_Prefix, terms.c_str(), k_a, who);
        }
    }
    if (lines)
        OLI_Printf(out, "%s  ê  k╬\\m╬r = %.2lf  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"_cp, Report_Line_Prefix, k);
}

// α_b and k = k_m k_b of the revised rules (Code_Edition 1).
void Factors_2025(const Bolt_Connection& C, FILE* out, int level, const Bearing_Plate& P, double d_0, double f_ub,
                  double f_u, double& alpha_b, double& k) {
    const Fastener& F = C.fastener;
    const char* who = F.type == Fastener_Rivet ? "r Niet" : " Schraube";
    const bool lines = out && level >= 2;
    if (lines && F.type == Fastener_Bolt && Slot_Transverse(F.hole_type))
        OLI_Printf(out, "%sSchraube mit Langloch quer zur Kraftrichtung: Lochdurchmesser d╬\\0╬r = %.1lf mm\n"_cp,
                   Report_Line_Prefix, d_0);
    if (lines && F.type != Fastener_Rivet && F.hole_type == Hole_Oversize)
        OLI_Printf(out, "%sSchraube mit übergroßem Loch: Lochdurchmesser d╬\\0╬r = %.1lf mm\n"_cp, Report_Line_Prefix, d_0);
    alpha_b = std::min(3.0 * f_ub / f_u, 3.0);
    if (C.p_1 > Distance_Given) {
        const double alpha_i = C.p_1 / d_0 - 0.5;
        alpha_b = std::min(alpha_b, alpha_i);
        if (lines)
            OLI_Printf(out, "%sinnen liegende%s:  ║╬\\d,i╬r = p╬\\1╬r/d╬\\0╬r-1/2 = %.2lf\n"_cp, Report_Line_Prefix, who,
                       alpha_i);
    }
    if (P.e_1 > Distance_Given) {
        const double alpha_a = P.e_1 / d_0;
        alpha_b = std::min(alpha_b, alpha_a);
        if (lines)
            OLI_Printf(out, "%sam Rand liegende%s:  ║╬\\d,a╬r = e╬\\1╬r/d╬\\0╬r = %.2lf\n"_cp, Report_Line_Prefix, who,
                       alpha_a);
    }
    if (lines && C.p_1 <= Distance_Given && P.e_1 <= Distance_Given)
        OLI_Printf(out, "%s║╬\\b╬r = %.1lf\n"_cp, Report_Line_Prefix, 3.0);
    if (lines)
        OLI_Printf(out,
                   "%s  ê  ║╬\\b╬r = %.2lf  (der kleinste Wert von  ║╬\\d,i╬r, ║╬\\d,a╬r  oder  3%sf╬\\ub╬r/f╬\\u╬r = %.2lf  oder  3.0)\n"_cp,
                   Report_Line_Prefix, alpha_b, Times_Dot, 3.0 * f_ub / f_u);

    const bool high_strength = Is_High_Strength_Steel(P.f_y);
    if (C.bearing_deformation) {
        if (!high_strength) alpha_b *= 0.8;
        alpha_b = std::min(alpha_b, 2.0);
        if (lines) OLI_Printf(out, "%sBegrenzung der Lochleibungsverformung: ║╬\\b╬r = %.1lf\n"_cp, Report_Line_Prefix, alpha_b);
    }
    const double k_m = high_strength ? 0.9 : 1.0;
    if (lines)
        OLI_Printf(out, high_strength ? "%shochfestes Material  ê  k╬\\m╬r = %.1lf\n"_cp : "%snormale Schraube k╬\\m╬r = %.1lf\n"_cp,
                   Report_Line_Prefix, k_m);
    double k_b = 1.0;
    if (F.hole_type == Hole_Short_Slot_Transverse) {
        k_b = 0.9;
        if (lines) OLI_Printf(out, "%skurzes Langloch  ê  k╬\\b╬r = %.1lf"_cp, Report_Line_Prefix, k_b);
    } else if (F.hole_type == Hole_Long_Slot_Transverse) {
        const double k_b_slot = 0.375 * alpha_b + 0.15;
        const bool within = static_cast<float>(alpha_b) <= 2.0f;
        k_b = within ? k_b_slot : 0.9;
        if (lines) {
            OLI_Printf(out, "%slanges Langloch  ê  k╬\\b╬r = 0.375%s║╬\\b╬r+0.15 = %.3lf"_cp, Report_Line_Prefix, Times_Dot,
                       k_b_slot);
            if (within)
                OLI_Printf(out, " ≤ 0.9"_cp);
            else
                OLI_Printf(out, " > 0.9  ê  k╬\\b╬r = %.1lf"_cp, k_b);
        }
    }
    k = k_m * k_b;
    if (lines && Slot_Transverse(F.hole_type)) OLI_Printf(out, "  ê  k╬\\m╬r = %.1lf\n"_cp, k);
}

// The reductions of Code_Edition 0 for transverse slots and oversize holes (EN 1993-1-8 Table 3.4):
// every bolt in an oversize hole takes 0.8 of the bearing resistance, unless it stands in a 2 mm
// hole under the M12/M14 rule.
double Reduce_For_Hole_2010(const Fastener& F, FILE* out, double F_b) {
    if (F.type == Fastener_Rivet) return F_b;
    if (Slot_Transverse(F.hole_type)) {
        F_b *= 0.6;
        if (out)
            OLI_Printf(out,
                       "%sLangloch quer zur Kraftrichtung  ê  Lochleibungstragfähigkeit wird mit 0.6 abgemindert (F╬\\b,Rd╬r = %.2lf kN)\n"_cp,
                       Report_Line_Prefix, F_b * 0.001);
    }
    if (F.hole_type == Hole_Oversize && !Get_Shear_Reduction_Factor(&F, nullptr)) {
        F_b *= 0.8;
        if (out)
            OLI_Printf(out,
                       "%sGroßes Lochspiel  ê  Lochleibungstragfähigkeit wird mit 0.8 abgemindert (F╬\\b,Rd╬r = %.2lf kN)\n"_cp,
                       Report_Line_Prefix, F_b * 0.001);
    }
    return F_b;
}

// Tearing out of an edge bolt transverse to the force (Code_Edition 1): F_b,Rd at most
// N_u,Rd = 2 (e_2 - d_0/2) t f_u / γM2. A hole that reaches the edge (N_u,Rd not positive) carries
// nothing: the bearing resistance is not determinable.
double Limit_Edge_Bolt(FILE* out, int level, double e_2, double d_0, double t, double f_u, double gamma_M2,
                       double F_b) {
    const double N_u = 2.0 * (e_2 - d_0 / 2.0) * t * f_u / gamma_M2;
    // A limit that governs stands at every level: the verification compares with the limited value.
    if (out && (level >= 2 || N_u < F_b)) {
        OLI_Printf(out,
                   "%sRandschraube quer zur Kraftrichtung:  N╬\\u,Rd╬r = 2%s(e╬\\2╬r-d╬\\0╬r/2)%st%sf╬\\u╬r/└╬\\M2╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, N_u * 0.001);
        OLI_Printf(out, " %s F╬\\b,Rd╬r"_cp, Get_Relation_Sign_GE(N_u, F_b));
        if (F_b <= N_u)
            OLI_Printf(out, "  %s", Mark_Note_Ok());
        else
            OLI_Printf(out, "  ê  F╬\\b,Rd╬r = %.2lf kN"_cp, N_u * 0.001);
        OLI_Printf(out, "\n");
    }
    if (N_u <= 0.0) {
        Print_Not_Determinable(out, "F╬\\b,Rd╬r"_cp);
        return Not_Determinable;
    }
    return std::min(F_b, N_u);
}

double Reduce_Bearing_By_Packing(const Bolt_Connection& C, FILE* out, int level, double d, double F_b) {
    if (!Has_Packing(C)) return F_b;
    if (C.t_p > d / 3.0 + Zero) {
        const double beta_p = Packing_Factor(C, d);
        F_b *= beta_p;
        if (out) {
            OLI_Printf(out, "%sFutterblech mit t╬\\p╬r = %.1lf mm > d/3 = %.1lf mm:  ╗╬\\p╬r"_cp, Report_Line_Prefix, C.t_p,
                       d / 3.0);
            if (level >= 2) OLI_Printf(out, " = 9%sd/(8%sd+3%st╬\\p╬r)"_cp, Times_Dot, Times_Dot, Times_Dot);
            OLI_Printf(out, " = %.3lf  ê  F╬\\b,Rd╬r = %.2lf kN\n"_cp, beta_p, F_b * 0.001);
        }
    } else if (out && level >= 2) {
        OLI_Printf(out, "%sFutterblech mit t╬\\p╬r ≤ d/3 = %.1lf mm  ê  keine Abminderung\n"_cp, Report_Line_Prefix, d / 3.0);
    }
    return F_b;
}

// Bearing of a bolt, rivet, injection bolt or anchor bolt on one plate.
double Fastener_Bearing(const Bolt_Connection& C, FILE* out, int level, int plate, Bearing_Plate P) {
    const Fastener& F = C.fastener;
    const bool rivet = F.type == Fastener_Rivet;
    const bool edition_2025 = Edition_2025();
    const double gamma_M2 = Context_Gamma(C.context, Gamma_M2);
    const double d = rivet ? F.d_0 : F.d;
    const double d_0 = rivet ? F.d_0 : d + (F.hole_type == Hole_Oversize ? F.hole_enlargement : F.delta_d);
    const double f_ub = rivet ? F.material.f_u : F.f_ub;

    if (F.type == Fastener_Bolt && Slot_In_Force_Direction(F.hole_type)) {
        if (out && level >= 2)
            OLI_Printf(out, "%sLangloch in Kraftrichtung: Lochleibungsnachweis nicht erforderlich\n", Report_Line_Prefix);
        return 0.0;
    }
    if (gamma_M2 < Gamma_Min || d_0 < Zero || P.f_u < Zero) {
        Print_Not_Determinable(out, "F╬\\b,Rd╬r"_cp);
        return Not_Determinable;
    }
    // Bearing strength of a stainless plate, or of a plate joined by stainless bolts (EN 1993-1-4
    // 6.2.3).
    const bool stainless = Is_Stainless_Plate(plate == 1 ? C.plate_1.material : C.plate_2.material) ||
                           (!rivet && Is_Stainless_Bolt_Class(F.effective_class_index));
    if (stainless) P.f_u = std::min(0.5 * P.f_y + 0.6 * P.f_u, P.f_u);

    // A countersink takes half its depth from the bearing thickness.
    bool countersink = false;
    if (F.countersunk && F.type != Fastener_Pin && (!rivet || edition_2025)) {
        const double c = plate == 1 ? F.t_ks : F.t_ms;
        if (C.shear_planes != 2) {
            P.t -= c / 2.0;
            countersink = c > Zero;
        } else if (plate == 2 && c > Zero) {
            P.t -= std::max(F.t_ks, F.t_ms) / 2.0;
            countersink = true;
        }
    }

    double alpha_b = 0.0, k = 0.0;
    if (edition_2025)
        Factors_2025(C, out, level, P, d_0, f_ub, P.f_u, alpha_b, k);
    else
        Factors_2010(C, out, level, P, d_0, f_ub, P.f_u, alpha_b, k);
    if (stainless && out && level >= 2)
        OLI_Printf(out, "%s  mit f╬\\u╬r = 0.5%sf╬\\y╬r + 0.6%sf╬\\u╬r = %.1lf N/mm² ≤ f╬\\u╬r  (Edelstahl)\n"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, P.f_u);

    double k_alpha = k * alpha_b;
    // Single lap joint with one bolt row, EN 1993-1-8 3.6.1(10).
    const bool single_lap = (F.type == Fastener_Bolt || F.type == Fastener_Injection_Bolt) &&
                            (C.options & Bolt_Option_Single_Lap_One_Row) && C.shear_planes == 1 && C.p_1 < Zero;
    if (single_lap) {
        if (out && level >= 2)
            OLI_Printf(out,
                       "%s1-schnittiger Anschluss mit nur einer Schraubenreihe in Kraftrichtung:  k╬\\m╬r%s║╬\\b╬r = %.2lf %s 1.5"_cp,
                       Report_Line_Prefix, Times_Dot, k_alpha, Get_Relation_Sign_LE(k_alpha, 1.5));
        if (k_alpha > 1.5) {
            k_alpha = 1.5;
            if (out && level >= 2) OLI_Printf(out, "  ê  k╬\\m╬r%s║╬\\b╬r = %.2lf"_cp, Times_Dot, k_alpha);
        }
        if (out && level >= 2) OLI_Printf(out, "\n");
    }

    double F_b = k_alpha * P.f_u * d * P.t / gamma_M2;
    if (out) {
        OLI_Printf(out,
                   "%sLochleibungstragfähigkeit%s F╬\\b,Rd╬r = (k╬\\m╬r%s║╬\\b╬r%sf╬\\u╬r%sd%st) / └╬\\M2╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, Times_Dot, Times_Dot, F_b * 0.001);
        if (level == 1) {
            if (single_lap)
                OLI_Printf(out, ",  k╬\\m╬r%s║╬\\b╬r = %.2lf"_cp, Times_Dot, k_alpha);
            else
                OLI_Printf(out, ",  k╬\\m╬r = %.2lf,  ║╬\\b╬r = %.2lf"_cp, k, alpha_b);
        } else {
            OLI_Printf(out, ",  f╬\\u╬r = %.1lf N/mm²%s,  t = %.1lf mm"_cp, P.f_u, stainless ? " (s.o.)" : "", P.t);
            if (countersink)
                OLI_Printf(out, " (Senkschraube)");
            else
                OLI_Printf(out, ",  d = %.1lf mm", d);
        }
        OLI_Printf(out, "\n");
    }

    if (!edition_2025)
        F_b = Reduce_For_Hole_2010(F, out, F_b);
    else if ((F.hole_type == Hole_Normal || F.hole_type == Hole_Oversize) && P.e_2 > Zero)
        F_b = Limit_Edge_Bolt(out, level, P.e_2, d_0, P.t, P.f_u, gamma_M2, F_b);
    if (F.type != Fastener_Anchor_Bolt) F_b = Reduce_Bearing_By_Packing(C, out, level, d, F_b);
    return Apply_Long_Joint_Reduction("b", out, level, C.p_1, C.L_j, d, F_b);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

int Is_M12_Or_M14_In_2mm_Hole(const Fastener* fastener) {
    if (!fastener) return 0;
    const Fastener& F = *fastener;
    const double c = F.hole_type == Hole_Oversize ? F.hole_enlargement : F.delta_d;
    const bool own_size = F.type == Fastener_Bolt && F.non_standard_size &&
                          (F.effective_size_index == Bolt_Size_M12 || F.effective_size_index == Bolt_Size_M14) &&
                          c > 1.001 && c < 2.001;
    return F.clearance_2mm || own_size ? 1 : 0;
}

int Get_Shear_Reduction_Factor(const Fastener* fastener, double* factor) {
    int applies = 0;
    if (fastener) {
        const int k = fastener->effective_class_index;
        const bool classes = k == Bolt_Class_4_8 || k == Bolt_Class_5_8 || k == Bolt_Class_6_8 || k == Bolt_Class_8_8 ||
                             k == Bolt_Class_10_9;
        applies = classes && Is_M12_Or_M14_In_2mm_Hole(fastener) ? 1 : 0;
    }
    if (factor) *factor = applies ? M12_Shear_Factor : 1.0;
    return applies;
}

double Apply_Long_Joint_Reduction(const char* symbol, FILE* stream, int level, double p_1, double L_j, double d,
                                  double F) {
    if (!(p_1 > Distance_Given && L_j > p_1 + Zero) || d <= 0.0) return F;
    const double beta = 1.0 - (L_j - 15.0 * d) / (200.0 * d);
    const bool limited = beta < 0.75;
    const bool unchanged = beta >= 0.999;
    const double beta_Lf = limited ? 0.75 : beta;
    if (!unchanged) F *= beta_Lf;
    FILE* out = Formula_Stream(stream, level);
    if (out) {
        OLI_Printf(out, "%slanger Anschluss in Kraftrichtung:  ╗╬\\Lf╬r"_cp, Report_Line_Prefix);
        if (level >= 2) OLI_Printf(out, " = 1-(L╬\\j╬r-15%sd)/(200%sd)"_cp, Times_Dot, Times_Dot);
        OLI_Printf(out, " = %.3lf", level == 1 && limited ? 0.75 : beta);
        if (level >= 2 && limited) OLI_Printf(out, " < 0.75 = ╗╬\\Lf╬r"_cp);
        if (unchanged) {
            if (level >= 2) OLI_Printf(out, " ≥ 1"_cp);
            OLI_Printf(out, "  ê  keine Abminderung\n"_cp);
        } else {
            OLI_Printf(out, "  ê  F╬\\%s,Rd╬r = ╗╬\\Lf╬r%s%.2lf = %.2lf kN\n"_cp, symbol, Times_Dot, beta_Lf, F * 0.001);
        }
    }
    return F;
}

int Compute_Shear_Resistance(Bolt_Connection* connection, FILE* stream, int level) {
    if (!connection) return 0;
    Bolt_Connection& C = *connection;
    const Fastener& F = C.fastener;
    FILE* out = Formula_Stream(stream, level);
    const double gamma_M2 = Context_Gamma(C.context, Gamma_M2);
    const bool plate_anchor = F.type == Fastener_Anchor_Bolt && F.anchorage != Anchorage_Threaded_Rod;
    if (F.type < Fastener_Bolt || F.type > Fastener_Anchor_Bolt) return Store_Resistance(C.results.F_v_Rd, 0.0);

    if (F.type == Fastener_Bolt || F.type == Fastener_Injection_Bolt) {
        if (F.hole_type == Hole_Oversize && F.hole_enlargement > F.delta_d + Hole_Tolerance &&
            !Get_Shear_Reduction_Factor(&F, nullptr)) {
            if (out) Write_Note_Line(out, "Bei Schraubenlöchern mit großem Lochspiel ist Abscheren gesondert nachzuweisen"_cp);
            return Store_Resistance(C.results.F_v_Rd, 0.0);
        }
        // The shear resistance of the bolt does not depend on the hole.
        if (F.type == Fastener_Bolt && Slot_In_Force_Direction(F.hole_type) && out && level >= 2)
            OLI_Printf(out, "%sLangloch in Kraftrichtung: Abschernachweis\n", Report_Line_Prefix);
    }
    if (plate_anchor) {
        const double V_Rd = Anchor_Plate_Shear(C, stream, out, level);
        if (V_Rd == 0.0) return C.results.F_v_Rd < Negative_Resistance ? 1 : 0;   // keeps its cleared value
        return Store_Resistance(C.results.F_v_Rd, V_Rd);
    }
    if (gamma_M2 < Gamma_Min) {
        Print_Not_Determinable(out, "F╬\\v,Rd╬r"_cp);
        return Store_Resistance(C.results.F_v_Rd, Not_Determinable);
    }

    double F_v;
    switch (F.type) {
    case Fastener_Rivet:
        F_v = Rivet_Shear(C, out, level, gamma_M2);
        break;
    case Fastener_Pin:
        F_v = Pin_Shear(C, out, level, gamma_M2);
        break;
    default:
        F_v = Bolt_Shear(C, out, level, gamma_M2);
        break;
    }
    if (F.type == Fastener_Anchor_Bolt || (F.type == Fastener_Pin && !(C.options & Bolt_Option_Pin_As_Bolt)))
        return Store_Resistance(C.results.F_v_Rd, F_v);

    const double d = Fastener_Diameter(F);
    F_v = Reduce_Shear_By_Packing(C, out, level, d, F_v);
    if (F.type != Fastener_Pin) {
        if (Get_Shear_Reduction_Factor(&F, nullptr)) {
            const double before = F_v;
            F_v *= M12_Shear_Factor;
            if (out)
                OLI_Printf(out, "%sM12-Schraube mit vergrößertem Lochspiel von maximal 2 mm:  F╬\\v,Rd╬r = %.1lf%s%.2lf = %.2lf kN\n"_cp,
                           Report_Line_Prefix, before * 0.001, Times_Dot, M12_Shear_Factor, F_v * 0.001);
        }
        F_v = Apply_Long_Joint_Reduction("v", stream, level, C.p_1, C.L_j, d, F_v);
    }
    return Store_Resistance(C.results.F_v_Rd, F_v);
}

int Compute_Bearing_Resistance(Bolt_Connection* connection, FILE* stream, int level, int plate) {
    if (!connection || (plate != 1 && plate != 2)) return 0;
    Bolt_Connection& C = *connection;
    const Fastener& F = C.fastener;
    if (F.type < Fastener_Bolt || F.type > Fastener_Anchor_Bolt) return 0;
    FILE* out = Formula_Stream(stream, level);
    const Bearing_Plate P = Plate_Data(C, plate);
    const double F_b = F.type == Fastener_Pin ? Pin_Bearing(C, out, level, P) : Fastener_Bearing(C, out, level, plate, P);
    return Store_Resistance(plate == 1 ? C.results.F_b_Rd_1 : C.results.F_b_Rd_2, F_b);
}
