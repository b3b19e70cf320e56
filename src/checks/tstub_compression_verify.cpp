// Compression resistance of the equivalent T-stub, EN 1993-1-8, 6.2.5:
//   f_jd = β_j·f_cd·(A_c1/A_c0)^1/2, with f_cd = α_cc·f_ck/γ_c (EN 1992-1-1, 3.1.6) and the root at most 3,
//   c = t·(f_y/(3·f_jd·γ_M0))^1/2, the additional bearing width beside the column plate,
//   F_c,Rd = f_jd·b_eff·l_eff over the effective area l_eff = b_s + 2c₃, b_eff = c₁ + t_s + c₂.
// When the spread ratio A_c1/A_c0 is not given, it is found by iteration over the area that c
// spreads to, with the plate thickness as the spread depth (EN 1992-1-1, 6.7).
#include "checks/tstub_compression.h"

#include <algorithm>
#include <cmath>

#include "annex/annex_record.h"
#include "checks/check_summary.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Max_Spread_Root = 3.0;
constexpr int Max_Evaluations = 21;
constexpr double Ratio_Match = 0.001;         // the iteration ends when the ratio changes by no more
constexpr double Width_Tolerance = 0.001;     // mm
constexpr double Min_Width_Difference = 0.2;  // mm; b_p − b_s up to this leaves no projection c₃
constexpr double Min_Force = 0.001;           // N
constexpr double U_Tolerance = 0.001;         // a utilisation up to 1.001 counts as 1
constexpr double Min_Bearing_Strength = 0.001;   // N/mm²; β_j·f_cd below it cannot bear

void Indent_More() { OLI_Set_Indent(OLI_Get_Indent() + 0.3); }
void Indent_Less() { OLI_Set_Indent(OLI_Get_Indent() - 0.3); }

// (A_c1/A_c0)^1/2 as the bearing strength takes it: at most 3.
double Spread_Factor(double ratio) { return ratio > T_Stub_Max_Spread_Ratio ? Max_Spread_Root : std::sqrt(ratio); }

struct Spread_Iteration {
    bool converged = false;
    int evaluations = 0;
    double ratio = 0.0;   // the ratio whose factor k gave the last evaluation
    double A_c0 = 0.0;    // areas of the last evaluation, mm²
    double A_c1 = 0.0;
    double c2 = 0.0;      // c₂ of the last evaluation, limited by c
};

// Starts from k = 3 and the ratio 9; each evaluation spreads the widths up to c for the current k
// and takes the ratio of the area enlarged by the plate thickness t on each side. The iteration
// succeeds when the ratio stands still at the 2nd to the 20th evaluation.
Spread_Iteration Iterate_Spread_Ratio(const T_Stub_Compression& T, double f_y, double gamma_M0, double f_cd) {
    const double t = T.plate.t, b_p = T.plate.b, l_p = T.plate.l;
    const bool flange = Is_T_Stub_Flange(T);
    Spread_Iteration it;
    double k = Max_Spread_Root;
    double previous = T_Stub_Max_Spread_Ratio;
    for (int n = 1; n <= Max_Evaluations; ++n) {
        const double c = t * std::sqrt((f_y / 3.0) / (T.beta_j * gamma_M0 * f_cd * k));
        const double c1 = std::min(T.c1, c);
        const double c2 = std::min(flange ? T.c2 : l_p - T.c1 - T.t_s, c);
        const double c3 = std::min((b_p - T.b_s) / 2.0, c);
        const double B = T.b_s + 2.0 * c3;
        const double L = T.t_s + c1 + c2;
        it = {false, n, previous, B * L, (B + t) * (L + t), c2};
        const double ratio = it.A_c1 / it.A_c0;
        if (std::fabs(ratio - previous) <= Ratio_Match) {
            it.converged = n >= 2 && n <= Max_Evaluations - 1;
            return it;
        }
        k = Spread_Factor(ratio);
        previous = ratio;
    }
    return it;
}

// A width beside c_max: its line at detail 1 and 2, and beyond c_max (with tolerance) its
// replacement by c_max. The caller has begun the line with the width's symbol.
double Limit_Width(FILE* report, const char* index, double width, double c_max) {
    if (report) {
        OLI_Printf(report, " = %.1lf mm  %s  c╬\\max╬r"_cp, width, Get_Relation_Sign_LE(width, c_max));
        if (width > c_max + Width_Tolerance)
            OLI_Printf(report, "  ê  c╬\\%s╬r = %.1lf mm\n"_cp, index, c_max);
        else
            OLI_Printf(report, "  %s\n", Mark_Note_Ok());
    }
    return width > c_max + Width_Tolerance ? c_max : width;
}

void Print_Not_Determinable(FILE* stream) {
    OLI_Printf(stream, "%sDrucktragfähigkeit des T-Stummelflanschs F╬\\c,Rd╬r"_cp, Report_Line_Prefix);
    OLI_Printf(stream, " nicht ermittelbar %s\n", Mark_Error());
}

// Steps from f_cd to F_c,Rd; report is the stream at detail 1 and 2, null otherwise. Result: false
// when the resistance cannot be determined (F_c,Rd −1, failure bit, U_max −1).
bool Compute_Compression_Resistance(T_Stub_Compression& T, FILE* stream, FILE* report, int detail) {
    const double t = T.plate.t, b_p = T.plate.b, l_p = T.plate.l;
    const double f_y = T.plate.material.f_y;
    const bool flange = Is_T_Stub_Flange(T);
    const NAD_EC2_Block* ec2 = NAD_Get_EC2();
    const double alpha_cc = ec2->alpha_cc;
    const double gamma_c = ec2->gamma_c[0];   // persistent and transient design situation
    const double gamma_M0 = Context_Gamma(T.context, Gamma_M0);

    double f_cd = 0.0;
    // α_cc of the annex may be 0: then f_cd, like a γ_c of 0, makes the resistance not determinable.
    if (gamma_c >= Gamma_Min && alpha_cc * T.f_ck / gamma_c >= Min_Bearing_Strength) {
        f_cd = alpha_cc * T.f_ck / gamma_c;
        if (report && detail >= 2) {
            OLI_Printf(report, "%sBemessungswert der zul. Betondruckfestigkeit ", Report_Line_Prefix);
            OLI_Printf(report, "f╬\\cd╬r"_cp);
            OLI_Printf(report, " = ║╬\\c╬r%sf╬\\ck╬r/└╬\\c╬r"_cp, Times_Dot);
            OLI_Printf(report, " = %.2lf N/mm²"_cp, f_cd);
            OLI_Printf(report, ",  ║╬\\c╬r = %.2lf,  └╬\\c╬r = %.1lf"_cp, alpha_cc, gamma_c);
            OLI_Printf(report, "\n");
        }
    }

    // Ratio of the spread area; k is its factor in f_jd.
    bool determinable = f_cd >= Min_Bearing_Strength && gamma_M0 >= Gamma_Min && T.beta_j * f_cd >= Min_Bearing_Strength;
    double ratio = T.spread_ratio;
    double c2_spread = 0.0;
    const bool given = ratio >= T_Stub_Given_Ratio_Min;
    if (determinable && !given) {
        const Spread_Iteration it = Iterate_Spread_Ratio(T, f_y, gamma_M0, f_cd);
        determinable = it.converged;
        ratio = it.ratio;
        c2_spread = it.c2;
        if (determinable && report) {
            OLI_Printf(report, "%sAusbreitungsfaktor A╬\\c1╬r/A╬\\c0╬r = %.3lf"_cp, Report_Line_Prefix, ratio);
            if (detail >= 2) OLI_Printf(report, " (%d Iter.)", it.evaluations);
            OLI_Printf(report, ",  A╬\\c0╬r = l╬\\eff╬r%sb╬\\eff╬r = %.2lf cm²"_cp, Times_Dot, it.A_c0 * 0.01);
            OLI_Printf(report, ",  A╬\\c1╬r = (b╬\\eff╬r+t╬\\p╬r)%s(l╬\\eff╬r+t╬\\p╬r) = %.2lf cm²"_cp, Times_Dot,
                       it.A_c1 * 0.01);
            OLI_Printf(report, "\n");
        }
    }
    if (!determinable) {
        if (stream) Print_Not_Determinable(stream);
        T.F_c_Rd = -1.0;
        T.Check_Error_Flags |= T_Stub_Compression_Failed;
        T.U_max = -1.0;
        return false;
    }
    const double r = std::sqrt(ratio);
    const double k = Spread_Factor(ratio);

    const double f_jd = T.beta_j * f_cd * k;
    T.c_max = t * std::sqrt(f_y / (3.0 * f_jd * gamma_M0));
    if (report) {
        OLI_Printf(report,
                   "%sBemessungswert der Beton-/Mörtelfestigkeit f╬\\jd╬r = ╗╬\\j╬r%sf╬\\cd╬r%s(A╬\\c1╬r/A╬\\c0╬r)╬/1/2╬r"
                   " = %.2lf N/mm²"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, f_jd);
        if (detail == 1) {
            OLI_Printf(report, ",  (A╬\\c1╬r/A╬\\c0╬r)╬/1/2╬r = %.3lf"_cp, k);
            OLI_Printf(report, "\n");
        } else if (r < Max_Spread_Root) {
            OLI_Printf(report, ",  (A╬\\c1╬r/A╬\\c0╬r)╬/1/2╬r = %.3lf < 3"_cp, r);
            OLI_Printf(report, "\n");
        } else {
            OLI_Printf(report, "\n");
            OLI_Printf(report, "%s  mit (A╬\\c1╬r/A╬\\c0╬r)╬/1/2╬r = %.3lf %s 3  ê  (A╬\\c1╬r/A╬\\c0╬r)╬/1/2╬r = %.0lf"_cp,
                       Report_Line_Prefix, r, Get_Relation_Sign_LE(r, Max_Spread_Root), Max_Spread_Root);
            OLI_Printf(report, "\n");
        }
        OLI_Printf(report,
                   "%szul. Ausbreitungsmaß c╬\\max╬r = t╬\\%s╬r%s(f╬\\y╬r/(3%sf╬\\jd╬r%s└╬\\M0╬r)╬/1/2╬r = %.1lf mm"_cp,
                   Report_Line_Prefix, flange ? "f" : "p", Times_Dot, Times_Dot, Times_Dot, T.c_max);
        if (detail >= 2) OLI_Printf(report, ",  f╬\\y╬r = %.1lf N/mm²"_cp, f_y);
        OLI_Printf(report, "\n");
    }

    // Widths of the compressed area, each at most c_max.
    const double c2_input = flange ? T.c2 : given ? l_p - T.t_s - T.c1 : c2_spread;
    if (report) OLI_Printf(report, "%sc╬\\1╬r"_cp, Report_Line_Prefix);
    const double c1 = Limit_Width(report, "1", T.c1, T.c_max);
    if (report)
        OLI_Printf(report, "%sc╬\\2╬r%s"_cp, Report_Line_Prefix,
                   !flange && given ? " = l╬\\p╬r - t╬\\s╬r - c╬\\1╬r"_cp : "");
    const double c2 = Limit_Width(report, "2", c2_input, T.c_max);
    const bool c3_shown = b_p - T.b_s > Min_Width_Difference;
    double c3 = (b_p - T.b_s) / 2.0;
    if (c3_shown) {
        if (report) OLI_Printf(report, "%sc╬\\3╬r = 0.5 %s (b╬\\p╬r - b╬\\s╬r)"_cp, Report_Line_Prefix, Times_Dot);
        c3 = Limit_Width(report, "3", c3, T.c_max);
    }

    T.l_eff = T.b_s + 2.0 * c3;
    T.b_eff = c1 + T.t_s + c2;
    if (report && detail == 1)
        OLI_Printf(report, "%swirksame Länge/Breite des T-Stummelflanschs l╬\\eff╬r = %.1lf mm,  b╬\\eff╬r = %.1lf mm\n"_cp,
                   Report_Line_Prefix, T.l_eff, T.b_eff);
    if (report && detail >= 2) {
        OLI_Printf(report, "%swirksame Länge/Breite des T-Stummelflanschs l╬\\eff╬r"_cp, Report_Line_Prefix);
        if (c3_shown) OLI_Printf(report, " = b╬\\s╬r+2%sc╬\\3╬r"_cp, Times_Dot);
        OLI_Printf(report, " = %.1lf mm,  b╬\\eff╬r = c╬\\1╬r+t╬\\s╬r+c╬\\2╬r = %.1lf mm\n"_cp, T.l_eff, T.b_eff);
        // Partially loaded area of EN 1992-1-1, 6.7(2) with γ_c but without β_j.
        const double A_c0 = T.l_eff * T.b_eff;
        OLI_Printf(report,
                   "%sZur Info: aufnehmbare Teilflächenlast F╬\\Rd,u╬r = A╬\\c0╬r%sf╬\\cd╬r%s(A╬\\c1╬r/A╬\\c0╬r)╬/1/2╬r"
                   " = %.2lf kN"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot, A_c0 * f_cd * k * 0.001);
        OLI_Printf(report, "  mit  A╬\\c0╬r = l╬\\eff╬r%sb╬\\eff╬r = %.1lf cm²"_cp, Times_Dot, A_c0 * 0.01);
        OLI_Printf(report, "\n");
    }

    T.F_c_Rd = f_jd * T.l_eff * T.b_eff;
    if (report && T.F_c_Rd > -Min_Force) {
        OLI_Printf(report, "%sDrucktragfähigkeit des T-Stummelflanschs F╬\\c,Rd╬r"_cp, Report_Line_Prefix);
        if (detail >= 2) OLI_Printf(report, " = f╬\\jd╬r%sb╬\\eff╬r%sl╬\\eff╬r"_cp, Times_Dot, Times_Dot);
        OLI_Printf(report, " = %.2lf kN\n", T.F_c_Rd * 0.001);
    }
    return true;
}

// Utilisation by the design force, with the verification switch and a force above 0.
void Verify_Compression_Force(T_Stub_Compression& T, FILE* stream) {
    if (!T.context.verification || T.F_c_Ed <= Min_Force) return;
    if (stream) {
        OLI_Printf(stream, "%s╬HNachweis\n"_cp, Report_Line_Prefix);
        Indent_More();
    }
    if (T.F_c_Rd < -Min_Force) {
        if (stream) OLI_Printf(stream, "%s╬HFehler╬r: F╬\\c,Rd╬r < 0 %s\n"_cp, Report_Line_Prefix, Mark_Error());
        T.Check_Error_Flags |= T_Stub_Compression_Failed;
        T.U_max = -1.0;
    } else if (T.F_c_Rd < Min_Force) {
        // A load on a resistance of 0 is not carried: never verified.
        if (stream)
            OLI_Printf(stream, "%sF╬\\c,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp, Report_Line_Prefix,
                       Mark_Error());
        T.Check_Error_Flags |= T_Stub_Compression_Failed;
        T.U_max = -1.0;
    } else {
        double U = T.F_c_Ed / T.F_c_Rd;
        if (U > 1.0 && U < 1.0 + U_Tolerance) U = 1.0;
        const bool failed = U > 1.0 + U_Tolerance;
        if (stream) {
            OLI_Printf(stream, "%sF╬\\c,Ed╬r = %.1lf kN  %s  F╬\\c,Rd╬r = %.2lf kN  ê  Ausnutzung U = %.3lf  %s  1"_cp,
                       Report_Line_Prefix, T.F_c_Ed * 0.001, Get_Relation_Sign_LE(T.F_c_Ed, T.F_c_Rd),
                       T.F_c_Rd * 0.001, U, Get_Relation_Sign_LE(U, 1.0));
            OLI_Printf(stream, "  %s\n", failed ? Mark_Not_Ok() : Mark_Ok());
        }
        T.U_max = std::max(T.U_max, U);
        if (failed) T.Check_Error_Flags |= T_Stub_Compression_Failed;
    }
    if (stream) Indent_Less();
}

}  // namespace

int Verify_T_Stub_Compression(T_Stub_Compression* tstub, FILE* stream, int detail) {
    if (!tstub) return 0;
    T_Stub_Compression& T = *tstub;
    T.Check_Error_Flags = 0;
    T.F_c_Rd = T.c_max = T.U_max = 0.0;
    if (Check_T_Stub_Compression_Input(&T, stream, 1, 1)) {
        T.Check_Error_Flags |= T_Stub_Compression_Failed;
        T.U_max = -1.0;
    } else {
        FILE* report = detail >= 1 ? stream : nullptr;
        if (report) {
            OLI_Printf(report, "%s╬HGrenzdruckkraft des T-Stummelflanschs\n"_cp, Report_Line_Prefix);
            Indent_More();
        }
        const bool determinable = Compute_Compression_Resistance(T, stream, report, detail);
        if (report) Indent_Less();
        if (determinable) Verify_Compression_Force(T, stream);
    }
    if (T.context.verification && T.context.summary)
        Print_Check_Summary(stream, detail, T.U_max, T.Check_Error_Flags & T_Stub_Compression_Failed);
    return (T.Check_Error_Flags & T_Stub_Compression_Failed) ? 1 : 0;
}
