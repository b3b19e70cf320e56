// The tension side of one fastener: tension resistance (EN 1993-1-8 Table 3.4) with the preload cap
// of slip-resistant bolts, bond (EN 1992-1-1 8.4.2) and pull-out (EN 1992-4) of anchor bolts, the
// elongation length of EN 1993-1-8 Table 6.2, punching of the plate under head or nut and the
// minimum thread engagement of bolts in tapped holes.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "annex/annex_record.h"
#include "checks/bolt_lines.h"
#include "common/stream_print.h"
#include "checks/bolt_resistances.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "material/concrete_classes.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Zero = 0.001;               // N, mm, N/mm²
constexpr double Preload_Given = 0.01;       // N; a smaller given preload counts as none
constexpr double Gamma_M7_Min = 0.01;        // a smaller γM7 caps nothing
constexpr double Same_Force = 1.0;           // N; two resistances this close show no relation
constexpr double Bond_Density = 2200.0;      // kg/m³, normal-weight concrete
constexpr float Max_Bond_Fck = 60.0f;        // N/mm²
constexpr double Pull_Out_k_2 = 7.5;         // EN 1992-4 7.2.1.5
constexpr double Engagement_Tolerance = 0.01;   // mm
constexpr double Anchor_Without_Tests = 0.85;   // anchors of round steel without suitability tests

bool Edition_2010() { return Current_Code_Edition == Code_Edition_2010; }

// The cap of a preloaded, slip-resistant bolt: the design preload F_p,Cd (given or computed).
// Result: the cap, or 0 when there is none.
double Preload_Cap(const Fastener& F, double gamma_M7) {
    if (F.type != Fastener_Bolt || !F.preloaded || !F.slip_resistant || gamma_M7 <= Gamma_M7_Min) return 0.0;
    if (F.F_pC_given > Preload_Given) return F.F_pC_given / gamma_M7;
    return Compute_Preload_Force(F.f_ub, F.A_s, gamma_M7, nullptr, 0);
}

void Print_Preload_Cap(const Fastener& F, double gamma_M7, double P, FILE* stream, int level) {
    OLI_Printf(stream, "F╬\\t,Rd╬r = "_cp);
    if (F.F_pC_given <= Preload_Given) {
        Compute_Preload_Force(F.f_ub, F.A_s, gamma_M7, stream, level);
        return;
    }
    const bool design = gamma_M7 > 0.1;
    OLI_Printf(stream, "F╬\\p,C%s╬r"_cp, design ? "d" : "");
    if (design) OLI_Printf(stream, " = F╬\\p,C╬r / └╬\\M7╬r"_cp);
    OLI_Printf(stream, " = %.1lf kN", P * 0.001);
}

// Bond of a threaded rod or ribbed bar in concrete, EN 1992-1-1 8.4.2 with poor bond conditions.
// Result: F_bd in N, or Not_Determinable without γ_c.
double Anchor_Bond_Resistance(const Bolt_Connection& C, FILE* out, int level) {
    const Fastener& F = C.fastener;
    const NAD_EC2_Block* ec2 = NAD_Get_EC2();
    const double gamma_c = ec2->gamma_c[0];   // persistent and transient design situation
    if (gamma_c < Gamma_Min) {
        Print_Not_Determinable(out, "F╬\\bd╬r"_cp);
        return Not_Determinable;
    }
    const float f_ck = std::min(static_cast<float>(C.plate_2.material.f_y), Max_Bond_Fck);
    const double f_ctm = Compute_Concrete_Fctm(-1, -1, f_ck, Bond_Density, 0.0);
    const double f_ctd = 0.7 * f_ctm * ec2->alpha_ct / gamma_c;
    const double eta_1 = 0.7;
    const double eta_2 = F.d < 32.001 ? 1.0 : (132.0 - F.d) / 100.0;
    const double f_bd = 2.25 * eta_1 * eta_2 * f_ctd;
    const double F_bd = F.d > 0.0 ? F.l_e * F.A_s * f_bd * 4.0 / F.d : 0.0;
    if (out) {
        OLI_Printf(out, "%sVerbundtragfähigkeit einer Ankerschraube%s F╬\\bd╬r = úe%sAs%sf╬\\bd╬r%s4/d = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, Times_Dot, F_bd * 0.001);
        if (level == 1) {
            OLI_Printf(out, ",  f╬\\bd╬r = %.2lf N/mm²"_cp, f_bd);
        } else {
            OLI_Printf(out, ",  úe = %.1lf mm"_cp, F.l_e);
            OLI_Printf(out, "\n  %sVerbundfestigkeit f╬\\bd╬r = 2.25%s┴╬\\1╬r%s┴╬\\2╬r%sf╬\\ctd╬r = %.2lf N/mm²"_cp,
                       Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, f_bd);
            OLI_Printf(out, ", ┴╬\\1╬r = %.1lf (mäßiger Verbund), ┴╬\\2╬r = %.1lf,  f╬\\ctd╬r = %.2lf N/mm²"_cp, eta_1,
                       eta_2, f_ctd);
        }
        OLI_Printf(out, "\n");
    }
    return F_bd;
}

// The tension resistance limited by a concrete resistance R (bond F_bd or pull-out N_Rd,p).
double Limit_By_Concrete(FILE* out, const char* symbol, double F_t, double R) {
    if (F_t <= Zero || R <= Zero) return F_t;
    if (out) {
        OLI_Printf(out, "%sZugtragfähigkeit einer Ankerschraube "_cp, Report_Line_Prefix);
        if (std::fabs(R - F_t) > Same_Force)
            OLI_Printf(out, "für %s %s F╬\\t,Rd╬r: "_cp, symbol, Get_Relation_Sign_LE(R, F_t));
    }
    F_t = std::min(F_t, R);
    if (out) OLI_Printf(out, "F╬\\t,Rd╬r = %.2lf kN\n"_cp, F_t * 0.001);
    return F_t;
}

// Steel failure of an anchor with anchor plate or headed stud, EN 1992-4 7.2.1.3. Result: N_Rd,s,
// or Not_Determinable without strengths.
double Anchor_Steel_Tension(const Fastener& F, FILE* out, int level) {
    const double gamma_Ms = Anchor_Gamma_Ms(F.f_ub, F.f_yb);
    if (gamma_Ms <= 0.0) {
        Print_Not_Determinable(out, "N╬\\Rd,s╬r"_cp);
        return Not_Determinable;
    }
    const double N_Rk = 0.9 * F.f_ub * F.A_s;
    const double N_Rd = N_Rk / gamma_Ms;
    if (out) {
        OLI_Printf(out, "%sWiderstand gegen Stahlbruch%s N╬\\Rk,s╬r = 0.9%sf╬\\uk╬r%sA╬\\s╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, N_Rk * 0.001);
        if (level >= 2) OLI_Printf(out, ",  f╬\\uk╬r = %.1lf N/mm²,  A╬\\s╬r = %.1lf mm²"_cp, F.f_ub, F.A_s);
        OLI_Printf(out, "\n%s  N╬\\Rd,s╬r = N╬\\Rk,s╬r/└╬\\Ms╬r = %.2lf kN,  "_cp, Report_Line_Prefix, N_Rd * 0.001);
        Print_Anchor_Gamma_Ms(out, F.f_ub, F.f_yb, gamma_Ms);
        OLI_Printf(out, "\n");
    }
    return N_Rd;
}

// Pull-out of an anchor plate or headed stud, EN 1992-4 7.2.1.5. Result: N_Rd,p, or
// Not_Determinable without γ_c.
double Anchor_Pull_Out(const Bolt_Connection& C, FILE* stream, FILE* out, int level) {
    const Fastener& F = C.fastener;
    const double f_ck = Anchor_Concrete_Fck(C);
    const double d_h = std::min(F.d_h, F.d + 6.0 * F.t_h);
    const double A_h = std::numbers::pi / 4.0 * (d_h * d_h - F.d * F.d);
    const double N_Rk = Pull_Out_k_2 * A_h * f_ck;
    const double gamma_c = NAD_Get_EC2()->gamma_c[0];
    const double N_Rd = gamma_c < Gamma_Min ? Not_Determinable : N_Rk / gamma_c;
    if (stream && level == 0) OLI_Printf(stream, "N╬\\Rk,p╬r = %.2lf kN"_cp, N_Rk * 0.001);
    if (out) {
        OLI_Printf(out, "%sWiderstand gegen Herausziehen%s N╬\\Rk,p╬r = k╬\\2╬r%sA╬\\h╬r%sf╬\\ck╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, N_Rk * 0.001);
        OLI_Printf(out, ",  k╬\\2╬r = %.1lf,  A╬\\h╬r = %.2lf cm²"_cp, Pull_Out_k_2, A_h * 0.01);
        if (level >= 2) OLI_Printf(out, ",  f╬\\ck╬r = %.1lf N/mm²"_cp, f_ck);
        OLI_Printf(out, "\n");
        if (N_Rd == Not_Determinable)
            Print_Not_Determinable(out, "N╬\\Rd,p╬r"_cp);
        else if (level >= 2)
            OLI_Printf(out, "%s  N╬\\Rd,p╬r = N╬\\Rk,p╬r/└╬\\Mc╬r = %.2lf kN,  └╬\\Mc╬r = └╬\\c╬r = %.2lf\n"_cp,
                       Report_Line_Prefix, N_Rd * 0.001, gamma_c);
    }
    return N_Rd;
}

// The plate that punching shears through: plate 2 in double shear, else the plate with the smaller
// t f_u.
const Plate& Punched_Plate(const Bolt_Connection& C) {
    if (C.shear_planes == 2) return C.plate_2;
    const double r_1 = C.plate_1.t * C.plate_1.material.f_u, r_2 = C.plate_2.t * C.plate_2.material.f_u;
    return r_2 < r_1 ? C.plate_2 : C.plate_1;
}

// Row of the tapped-hole table by the bolt's strength; -1 for a bolt the table does not hold.
int Tapped_Hole_Row(const Fastener& F) {
    if (F.own_strengths) {
        if (F.f_ub < 400.0 + Zero) return 0;
        if (F.f_ub < 500.0 + Zero) return 1;
        if (F.f_ub < 800.0 + Zero) return 2;
        if (F.f_ub < 1000.0 + Zero) return 3;
        return -1;
    }
    switch (F.effective_class_index) {
    case Bolt_Class_4_6: return 0;
    case Bolt_Class_5_6: return 1;
    case Bolt_Class_8_8: return 2;
    case Bolt_Class_10_9: return 3;
    default: return -1;
    }
}

// Column of the tapped-hole table by the plate steel; -1 for a steel the table does not hold.
int Tapped_Hole_Column(const Plate_Material& M) {
    if (Is_High_Strength_Steel(M.f_y)) return 3;
    if (Is_Grade_S235_Group(M.reference_grade)) return 0;
    if (Is_Grade_S275_Group(M.reference_grade)) return 1;
    if (Is_Grade_S355_Group(M.reference_grade)) return 2;
    if (Is_Grade_S420_Group(M.reference_grade)) return 3;
    return -1;
}

// L_t/d, the minimum engagement over d by bolt strength (rows) and plate steel (columns).
constexpr double Engagement_Ratio[4][4] = {
    {1.0, 1.0, 1.0, 1.0},       // 4.6
    {1.02, 1.0, 1.0, 1.0},      // 5.6
    {1.34, 1.23, 1.11, 1.06},   // 8.8
    {1.58, 1.43, 1.26, 1.19},   // 10.9
};

}  // namespace

// ---------------------------------------------------------------------------------------------

double Compute_Fastener_Tension_Resistance(const Fastener* fastener, int fracture, double gamma, double gamma_M7,
                                           FILE* stream, int level) {
    if (!fastener) return 0.0;
    const Fastener& F = *fastener;
    if (gamma < Gamma_Min) {
        if (stream) OLI_Printf(stream, "F╬\\t,Rd╬r nicht ermittelbar %s"_cp, Mark_Error());
        return Not_Determinable;
    }
    const bool characteristic = std::fabs(gamma - 1.0) <= 0.001;
    const bool rivet = F.type == Fastener_Rivet;
    const bool countersunk_rivet = rivet && F.countersunk;
    const bool countersunk_bolt = F.type == Fastener_Bolt && F.countersunk;
    double A = 0.0, k_2 = 0.0, f = 0.0;
    if (rivet) {
        A = std::numbers::pi * F.d_0 * F.d_0 / 4.0;
        k_2 = countersunk_rivet ? 0.42 : 0.6;
        f = F.material.f_u;
    } else {
        A = F.A_s;
        k_2 = fracture ? 1.0 : countersunk_bolt && Edition_2010() ? 0.63 : 0.9;
        f = F.f_ub;
    }
    const double F_t = k_2 * f * A / gamma;

    const double P = Preload_Cap(F, gamma_M7);
    if (P > Zero && P < F_t - Zero) {
        if (stream) Print_Preload_Cap(F, gamma_M7, P, stream, level);
        return P;
    }
    if (!stream) return F_t;
    OLI_Printf(stream, characteristic ? "F╬\\t,Rk╬r = "_cp : "F╬\\t,Rd╬r = "_cp);
    if (level == 0) {
        OLI_Printf(stream, "%.2lf kN", F_t * 0.001);
        return F_t;
    }
    const char* open = characteristic ? "" : "(";
    const char* close = characteristic ? "" : ") / └╬\\M2╬r"_cp;
    if (rivet) {
        OLI_Printf(stream, "%s%s0.6%sf╬\\ur╬r%sA╬\\0╬r%s = %.2lf kN"_cp, open,
                   countersunk_rivet ? Format_Text("0.7%s", Times_Dot).c_str() : "", Times_Dot, Times_Dot, close,
                   F_t * 0.001);
        if (level >= 2) {
            if (countersunk_rivet) OLI_Printf(stream, " (Senkniet)");
            OLI_Printf(stream, ",  f╬\\ur╬r = %.1lf N/mm²,  A╬\\0╬r = %.1lf mm²"_cp, f, A);
        }
    } else if (fracture) {
        OLI_Printf(stream, "%sf╬\\ub╬r%sA╬\\s╬r%s = %.2lf kN"_cp, open, Times_Dot, close, F_t * 0.001);
        if (level >= 2) OLI_Printf(stream, " (Bruchversagen),  f╬\\ub╬r = %.1lf N/mm²"_cp, f);
    } else {
        OLI_Printf(stream, "%sk╬\\2╬r%sf╬\\ub╬r%sA╬\\s╬r%s = %.2lf kN"_cp, open, Times_Dot, Times_Dot, close,
                   F_t * 0.001);
        OLI_Printf(stream, ",  k╬\\2╬r = %.2lf"_cp, k_2);
        if (level >= 2) {
            if (countersunk_bolt) OLI_Printf(stream, " (Senkschraube)");
            OLI_Printf(stream, ",  f╬\\ub╬r = %.1lf N/mm²"_cp, f);
        }
    }
    return F_t;
}

int Compute_Tension_Resistance(Bolt_Connection* connection, FILE* stream, int level) {
    if (!connection) return 0;
    Bolt_Connection& C = *connection;
    const Fastener& F = C.fastener;
    if (F.type != Fastener_Bolt && F.type != Fastener_Rivet && F.type != Fastener_Anchor_Bolt) return 0;
    FILE* out = Formula_Stream(stream, level);
    const bool anchor = F.type == Fastener_Anchor_Bolt;

    if (!anchor || F.anchorage == Anchorage_Threaded_Rod) {
        if (out)
            OLI_Printf(out, F.type == Fastener_Rivet ? "%sZugtragfähigkeit eines Niets%s "_cp
                                                     : "%sZugtragfähigkeit einer Schraube%s "_cp,
                       Report_Line_Prefix, Label_Separator(level));
        double F_t = Compute_Fastener_Tension_Resistance(&F, 0, Context_Gamma(C.context, Gamma_M2),
                                                         Context_Gamma(C.context, Gamma_M7), out, level);
        if (out) OLI_Printf(out, "\n");
        // Anchor rods of round steel without suitability tests, EN 1993-1-8 3.6.1(3).
        if (anchor && !F.suitability_tests && F_t > Negative_Resistance) {
            F_t *= Anchor_Without_Tests;
            if (out)
                OLI_Printf(out, "%sAnkerschraube aus Rundstahl ohne Eignungsprüfungen:  F╬\\t,Rd╬r%s0.85 = %.2lf kN\n"_cp,
                           Report_Line_Prefix, Times_Dot, F_t * 0.001);
        }
        if (anchor && F_t > Negative_Resistance) {
            const double F_bd = Anchor_Bond_Resistance(C, out, level);
            F_t = F_bd == Not_Determinable ? Not_Determinable : Limit_By_Concrete(out, "F╬\\bd╬r"_cp, F_t, F_bd);
        }
        return Store_Resistance(C.results.F_t_Rd, F_t);
    }

    const double N_Rd_s = Anchor_Steel_Tension(F, out, level);
    if (N_Rd_s == Not_Determinable) return Store_Resistance(C.results.F_t_Rd, Not_Determinable);
    if (C.results.F_t_Rd == 0.0 || C.results.F_t_Rd > N_Rd_s) C.results.F_t_Rd = N_Rd_s;
    if (out)
        OLI_Printf(out, "%sZugtragfähigkeit einer Ankerschraube F╬\\t,Rd╬r = %.2lf kN\n"_cp, Report_Line_Prefix,
                   C.results.F_t_Rd * 0.001);
    if (F.anchorage != Anchorage_Anchor_Plate) return Store_Resistance(C.results.F_t_Rd, C.results.F_t_Rd);
    const double N_Rd_p = Anchor_Pull_Out(C, stream, out, level);
    if (N_Rd_p == Not_Determinable) return Store_Resistance(C.results.F_t_Rd, Not_Determinable);
    return Store_Resistance(C.results.F_t_Rd, Limit_By_Concrete(out, "N╬\\Rd,p╬r"_cp, C.results.F_t_Rd, N_Rd_p));
}

double Compute_Bolt_Elongation_Length(const Fastener* fastener, double t_ges, FILE* stream, int level) {
    if (!fastener) return 0.0;
    const Fastener& F = *fastener;
    const double t_p = F.non_standard_size ? F.t_p : Get_Bolt_Washer_Thickness(F.size_index, F.t_p, F.large_width);
    FILE* out = Formula_Stream(stream, level);
    const bool labels = out && level >= 2;
    double L_b;
    if (F.type == Fastener_Anchor_Bolt) {
        L_b = 8.0 * F.d + t_ges + t_p + F.t_k / 2.0;
        if (labels) OLI_Printf(out, "%sDehnlänge einer Ankerschraube "_cp, Report_Line_Prefix);
        if (out) OLI_Printf(out, "L╬\\b╬r = 8%sd + t╬\\ges╬r + t╬\\p╬r + t╬\\k╬r/2 = %.1lf mm"_cp, Times_Dot, L_b);
    } else if (F.countersunk) {
        L_b = t_ges;
        if (labels) OLI_Printf(out, "%sDehnlänge einer Senkschraube "_cp, Report_Line_Prefix);
        if (out) OLI_Printf(out, "L╬\\b╬r = t╬\\ges╬r"_cp);
        if (F.t_ks < Zero) {
            L_b += F.t_k / 2.0;
            if (out) OLI_Printf(out, " + t╬\\k╬r/2"_cp);
            if (F.washer_sides == 2) {
                L_b += t_p;
                if (out) OLI_Printf(out, " + t╬\\p╬r"_cp);
            }
        }
        if (F.t_ms < Zero) {
            L_b += F.t_m / 2.0 + t_p;
            if (out) OLI_Printf(out, " + t╬\\p╬r + t╬\\m╬r/2"_cp);
        }
        if (out) OLI_Printf(out, " = %.1lf mm", L_b);
    } else {
        const int washers = F.washer_sides == 2 ? 2 : 1;
        L_b = t_ges + washers * t_p + (F.t_k + F.t_m) / 2.0;
        if (labels) OLI_Printf(out, "%sDehnlänge einer Schraube "_cp, Report_Line_Prefix);
        if (out)
            OLI_Printf(out, "L╬\\b╬r = t╬\\ges╬r + %st╬\\p╬r + (t╬\\k╬r+t╬\\m╬r)/2 = %.1lf mm"_cp,
                       washers == 2 ? Format_Text("2%s", Times_Dot).c_str() : "", L_b);
    }
    if (out) {
        OLI_Printf(out, ",  t╬\\ges╬r = %.1lf mm"_cp, t_ges);
        if (level >= 2) OLI_Printf(out, "\n");
    }
    return L_b;
}

int Compute_Punching_Resistance(Bolt_Connection* connection, FILE* stream, int level) {
    if (!connection) return 0;
    Bolt_Connection& C = *connection;
    const Fastener& F = C.fastener;
    const bool rivet = F.type == Fastener_Rivet;
    if ((rivet && !F.countersunk) || F.type == Fastener_Anchor_Bolt ||
        F.type == Fastener_Pin || F.type < Fastener_Bolt || F.type > Fastener_Anchor_Bolt)
        return 0;
    FILE* out = Formula_Stream(stream, level);
    const double gamma_M2 = Context_Gamma(C.context, Gamma_M2);
    if (gamma_M2 < Gamma_Min) {
        Print_Not_Determinable(out, "B╬\\p,Rd╬r"_cp);
        return Store_Resistance(C.results.B_p_Rd, Not_Determinable);
    }
    // A bolt in a tapped hole punches through plate 1 under its head; plate 2 carries the thread.
    const Plate& P = F.type == Fastener_Bolt && F.tapped_hole ? C.plate_1 : Punched_Plate(C);
    const double t_p = P.t, f_u = P.material.f_u;
    // The countersunk head of the revised rules punches with its hole (EN 1993-1-8 Table 3.4).
    const bool hole_rule = !Edition_2010() && F.countersunk;
    double d_m = (F.d_s + F.d_e) / 2.0, d_0 = 0.0, B_p;
    if (hole_rule) {
        d_0 = rivet ? F.d_0 : F.d + F.delta_d;
        B_p = 0.3 * std::numbers::pi * (d_0 + t_p) * t_p * f_u / gamma_M2;
    } else {
        if (F.countersunk && !rivet) d_m = std::min(F.d_m, d_m);
        B_p = 0.6 * std::numbers::pi * d_m * t_p * f_u / gamma_M2;
    }
    if (stream && level == 0) OLI_Printf(stream, "B╬\\p,Rd╬r = %.2lf kN"_cp, B_p * 0.001);
    if (out) {
        OLI_Printf(out, "%sDurchstanztragfähigkeit %s%s B╬\\p,Rd╬r"_cp, Report_Line_Prefix,
                   rivet ? "eines Niets" : "einer Schraube", Label_Separator(level));
        if (hole_rule)
            OLI_Printf(out, " = (0.3%s╔%s(d╬\\0╬r+t╬\\p╬r)%st╬\\p╬r%sf╬\\u╬r)) / └╬\\M2╬r"_cp, Times_Dot, Times_Dot,
                       Times_Dot, Times_Dot);
        else
            OLI_Printf(out, " = (0.6%s╔%sd╬\\m╬r%st╬\\p╬r%sf╬\\u╬r)) / └╬\\M2╬r"_cp, Times_Dot, Times_Dot, Times_Dot,
                       Times_Dot);
        OLI_Printf(out, " = %.2lf kN", B_p * 0.001);
        if (level >= 2) {
            if (hole_rule)
                OLI_Printf(out, ",  d╬\\0╬r = %.1lf mm"_cp, d_0);
            else
                OLI_Printf(out, ",  d╬\\m╬r = %.1lf mm"_cp, d_m);
        }
        OLI_Printf(out, ",  t╬\\p╬r = %.1lf mm\n"_cp, t_p);
    }
    return Store_Resistance(C.results.B_p_Rd, B_p);
}

int Check_Tapped_Hole(const Plate* plate, const Bolt_Connection* connection, FILE* stream, int level) {
    if (!plate || !connection || connection->fastener.type == Fastener_Pin) return 0;
    const Fastener& F = connection->fastener;
    const double d = F.d, l_e = F.l_e, f_u = plate->material.f_u, f_ub = F.f_ub;

    double l_e_min = 0.0, L_t_d = 0.0;
    if (Edition_2010()) {
        if (f_u < Zero) {
            if (stream)
                OLI_Printf(stream, "%sFestigkeiten f╬\\u╬r = %.1lf N/mm² nicht zugelassen %s\n"_cp, Report_Line_Prefix, f_u,
                           Mark_Error());
            return 1;
        }
        if (f_ub + Zero < f_u) {
            if (stream) {
                OLI_Printf(stream, "%sFestigkeiten f╬\\u╬r = %.1lf N/mm² > f╬\\ub╬r = %.1lf N/mm²"_cp, Report_Line_Prefix,
                           f_u, f_ub);
                OLI_Printf(stream, " nicht zugelassen %s\n", Mark_Error());
            }
            return 1;
        }
        l_e_min = d * 600.0 / f_u * (0.3 + 0.4 * f_ub / 500.0);
    } else {
        bool refused = false;
        if (d < 12.0 - Zero || d > 36.0 + Zero) {
            refused = true;
            if (stream)
                OLI_Printf(stream, d < 12.0 ? "%sSchraubegröße nicht zugelassen %.1lf mm < 12 mm %s\n"_cp
                                            : "%sSchraubegröße nicht zugelassen %.1lf mm > 36 mm %s\n"_cp,
                           Report_Line_Prefix, d, Mark_Error());
        }
        const int column = Tapped_Hole_Column(plate->material);
        if (column < 0) {
            refused = true;
            if (stream) OLI_Printf(stream, "%sStahlsorte nicht zugelassen %s\n", Report_Line_Prefix, Mark_Error());
        }
        const int row = Tapped_Hole_Row(F);
        if (row < 0) {
            if (stream) OLI_Printf(stream, "%sSSchraubenfestigkeit nicht zugelassen %s\n", Report_Line_Prefix, Mark_Error());
            return 1;
        }
        if (refused) return 1;
        L_t_d = Engagement_Ratio[row][column];
        l_e_min = d * L_t_d;
    }

    const int result = l_e + Engagement_Tolerance <= l_e_min ? 1 : 0;
    if (!stream) return result;
    // An engagement short by less than the tolerance counts as the minimum.
    const double l_e_shown = !result && l_e < l_e_min ? l_e_min : l_e;
    OLI_Printf(stream, "%smin úe"_cp, Report_Line_Prefix);
    if (level >= 1) {
        if (Edition_2010())
            OLI_Printf(stream, " = d%s600/f╬\\u╬r%s(0.3+0.4%sf╬\\ub╬r/500)"_cp, Times_Dot, Times_Dot, Times_Dot);
        else
            OLI_Printf(stream, " = d%sL╬\\t╬r/d"_cp, Times_Dot);
    }
    OLI_Printf(stream, " = %.2lf mm", l_e_min);
    if (l_e > Engagement_Tolerance)
        OLI_Printf(stream, "  %s  úe = %.1lf mm  %s"_cp, Get_Relation_Sign_LE(l_e_min, l_e_shown), l_e_shown,
                   result ? Mark_Not_Ok() : Mark_Note_Ok());
    if (level >= 2) {
        if (Edition_2010())
            OLI_Printf(stream, "╬r, d = %.1lf mm, f╬\\u╬r = %.1lf N/mm², f╬\\ub╬r = %.1lf N/mm²"_cp, d, f_u, f_ub);
        else
            OLI_Printf(stream, "╬r, d = %.1lf mm, L╬\\t╬r/d = %.2lf"_cp, d, L_t_d);
    }
    OLI_Printf(stream, "\n");
    return result;
}
