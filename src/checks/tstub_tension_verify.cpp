// Design tension resistance of the equivalent T-stub, EN 1993-1-8, 6.2.4 and Table 6.2:
//   M_pl,i,Rd = 0.25·Σl_eff,i·t_f²·f_y/γM0 for modes 1 and 2, ΣF_t,Rd = n_b·n_sr·F_t,Rd;
//   prying forces may develop when L_b ≤ L_b* = 8.8·m³·A_s·n_b/(Σl_eff,1·t_f³), always with a
//   preloaded bolt or four bolts per row; without them F_T,Rd = min(2·M_pl,1,Rd/m, ΣF_t,Rd), with
//   them the smallest of the three failure modes (tstub_tension_modes.cpp);
// then the beam flange and the web weld, the verification against n_sr·ΣF_t,Ed and the verdict.
#include <algorithm>
#include <cmath>

#include "checks/bolt_lines.h"
#include "checks/bolt_resistances.h"
#include "checks/check_summary.h"
#include "checks/report_indent.h"
#include "checks/tstub_tension_resistance.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "common/run_state.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr int Failed = 1;                    // bit 0 of Check_Error_Flags
constexpr double Min_Value = 0.001;          // mm, N; smaller lengths and forces count as missing
constexpr double Common_Length = 0.1;        // mm; closer mode lengths share one plastic-moment line
constexpr double Connected_Plate_Min = 0.1;  // mm; a thinner connected plate t_2 is not given
constexpr double Prying_Margin = 0.001;      // mm; L_b up to L_b* + this lets prying forces develop
constexpr double U_Tolerance = 0.001;        // a utilisation up to 1.001 counts as 1
constexpr double kN = 0.001;
constexpr double kNm = 1.0e-6;

void Mark_Undeterminable(T_Stub_Tension& T) {
    T.Check_Error_Flags |= Failed;
    T.U_max = -1.0;
}

// n and its four-bolt variants, printed at level 2.
void Compute_Lever_Arms(T_Stub_Run& R) {
    const T_Stub_Tension& T = R.T;
    FILE* out = R.at(2);
    const char* P = Report_Line_Prefix;
    if (!R.four || R.extension) {
        R.n = std::min(R.e_min, 1.25 * R.m);
        if (out)
            OLI_Printf(out, "%sn = min(e╬\\min╬r,1.25%sm) = %.1lf mm,  e╬\\min╬r = %.1lf mm,  m = %.1lf mm\n"_cp, P,
                       Times_Dot, R.n, R.e_min, R.m);
    } else if (R.dissertation) {
        R.n = 1.25 * R.m;
        if (out) OLI_Printf(out, "%sn = 1.25%sm = %.1lf mm,  m = %.1lf mm\n", P, Times_Dot, R.n, R.m);
        if (T.m_2 > Min_Value) {
            R.m_s = T.m_2;
            R.n_s = 1.25 * R.m_s;
            if (out)
                OLI_Printf(out, "%sn╬\\s╬r = 1.25%sm╬\\s╬r = %.1lf mm,  m╬\\s╬r = m╬\\2╬r = %.1lf mm\n"_cp, P, Times_Dot,
                           R.n_s, R.m_s);
        }
    } else {
        R.n_1 = T.w;
        R.n = std::min(T.w + R.e_min, 1.25 * R.m);
        R.n_2 = std::min(R.e_min, 1.25 * R.m + R.n_1);
        if (out) {
            OLI_Printf(out, "%sm = %.1lf mm,  n = min(w+e╬\\min╬r,1.25%sm) = %.1lf mm\n"_cp, P, R.m, Times_Dot, R.n);
            OLI_Printf(out, "%sn╬\\1╬r = w = %.1lf mm,  n╬\\2╬r = min(e╬\\min╬r,1.25%sm+n╬\\1╬r) = %.1lf mm,  e╬\\min╬r = %.1lf mm\n"_cp,
                       P, R.n_1, Times_Dot, R.n_2, R.e_min);
        }
    }
}

// One plastic moment M = 0.25·l·t²·f_y/γM0.
double Plastic_Moment(double l, double t, double f_y, double gamma_M0) { return 0.25 * l * t * t * f_y / gamma_M0; }

// The lines of a pair of plastic moments: one common line when the lengths of the modes agree
// within 0.1 mm. sub is "" for the flange or "st," for the web plate, t and f the symbols of the
// thickness and the strength.
void Print_Plastic_Moments(const T_Stub_Run& R, const char* sub, const char* t, const char* f, double M_1, double M_2,
                           double thickness, double f_y) {
    FILE* out = R.at(1);
    if (!out) return;
    const char* P = Report_Line_Prefix;
    const char* X = Times_Dot;
    if (std::fabs(R.T.sum_l_eff_1 - R.T.sum_l_eff_2) < Common_Length) {
        OLI_Printf(out, "%sfür Modus 1+2:  M╬\\pl,%sRd╬r = (0.25%s▓l╬\\eff╬r%st╬\\%s╬r╬/2╬r%sf╬\\%s╬r) / └╬\\M0╬r = %.2lf kNm"_cp,
                   P, sub, X, X, t, X, f, M_1 * kNm);
    } else {
        OLI_Printf(out, "%sfür Modus 1:  M╬\\pl,%s1,Rd╬r = (0.25%s▓l╬\\eff,1╬r%st╬\\%s╬r╬/2╬r%sf╬\\%s╬r) / └╬\\M0╬r = %.2lf kNm"_cp,
                   P, sub, X, X, t, X, f, M_1 * kNm);
    }
    if (R.detail >= 2)
        OLI_Printf(out, ",  t╬\\%s╬r = %.1lf mm,  f╬\\%s╬r = %.1lf N/mm²,  └╬\\M0╬r = %.2lf"_cp, t, thickness, f, f_y,
                   R.gamma_M0);
    OLI_Printf(out, "\n");
    if (std::fabs(R.T.sum_l_eff_1 - R.T.sum_l_eff_2) >= Common_Length)
        OLI_Printf(out, "%sfür Modus 2:  M╬\\pl,%s2,Rd╬r = (0.25%s▓l╬\\eff,2╬r%st╬\\%s╬r╬/2╬r%sf╬\\%s╬r) / └╬\\M0╬r = %.2lf kNm\n"_cp,
                   P, sub, X, X, t, X, f, M_2 * kNm);
}

// Plastic moments of the flange, of the web plate (IH2 connection of the dissertation model) and of
// a backing plate on a column flange with two bolts per row.
void Compute_Plastic_Moments(T_Stub_Run& R) {
    const T_Stub_Tension& T = R.T;
    FILE* out2 = R.at(2);
    if (out2) OLI_Printf(out2, "%saufnehmbare plastische Momente:\n", Report_Line_Prefix);
    if (out2) Raise_Report_Indent();
    R.M_pl_1 = Plastic_Moment(T.sum_l_eff_1, R.t_f, R.f_y, R.gamma_M0);
    R.M_pl_2 = Plastic_Moment(T.sum_l_eff_2, R.t_f, R.f_y, R.gamma_M0);
    Print_Plastic_Moments(R, "", "f", "y", R.M_pl_1, R.M_pl_2, R.t_f, R.f_y);

    if (R.dissertation && T.inner_row && T.row_next_to_stiffener && T.ih2_connection) {
        const double t_st = T.web.t, f_y_st = T.web.material.f_y;
        R.M_st_1 = Plastic_Moment(T.sum_l_eff_1, t_st, f_y_st, R.gamma_M0);
        R.M_st_2 = Plastic_Moment(T.sum_l_eff_2, t_st, f_y_st, R.gamma_M0);
        Print_Plastic_Moments(R, "st,", "st", "y,st", R.M_st_1, R.M_st_2, t_st, f_y_st);
    }

    if (!R.four && T.location == T_Stub_Column_Flange && T.backing_plate) {
        R.M_bp = Plastic_Moment(T.sum_l_eff_1, T.t_bp, R.f_y, R.gamma_M0);
        if (FILE* out = R.at(1)) {
            OLI_Printf(out,
                       "%sFlanschverstärkung:  M╬\\bp,Rd╬r = (0.25%s▓l╬\\eff,1╬r%st╬\\bp╬r╬/2╬r%sf╬\\y╬r) / └╬\\M0╬r = %.2lf kNm"_cp,
                       Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, R.M_bp * kNm);
            if (R.detail >= 2) OLI_Printf(out, ",  f╬\\y╬r = %.1lf N/mm²,  └╬\\M0╬r = %.2lf"_cp, R.f_y, R.gamma_M0);
            OLI_Printf(out, "\n");
        }
    }
    if (out2) Lower_Report_Indent();
}

// F_t,Rd of one bolt and ΣF_t,Rd of all bolts. Result: false when F_t,Rd cannot be determined.
bool Compute_Bolt_Resistances(T_Stub_Run& R) {
    const T_Stub_Tension& T = R.T;
    FILE* out1 = R.at(1);
    FILE* out2 = R.at(2);
    if (out2) {
        OLI_Printf(out2, "%sBemessungswert der Zugtragfähigkeit:\n"_cp, Report_Line_Prefix);
        Raise_Report_Indent();
        OLI_Printf(out2, "%sZugtragfähigkeit einer Schraube:  "_cp, Report_Line_Prefix);
    }
    const double gamma_M7 = Context_Gamma(T.check_context, Gamma_M7);
    R.F_t_Rd = Compute_Fastener_Tension_Resistance(&T.fastener, T.k2_full, R.gamma_M2, gamma_M7, out1, R.detail);
    if (out1) OLI_Printf(out1, "\n");
    R.sum_F_t_Rd = R.n_b * R.n_sr * R.F_t_Rd;
    const bool determinable = R.F_t_Rd >= Negative_Resistance;
    if (out1 && determinable) {
        OLI_Printf(out1, "%sfür Modus 3:  ▓F╬\\t,Rd╬r = %d%sn╬\\b╬r%sF╬\\t,Rd╬r = %.2lf kN"_cp, Report_Line_Prefix, R.n_sr,
                   Times_Dot, Times_Dot, R.sum_F_t_Rd * kN);
        if (R.detail >= 2) OLI_Printf(out1, ",  n╬\\b╬r = %d"_cp, R.n_b);
        OLI_Printf(out1, "\n");
    }
    if (out2) Lower_Report_Indent();
    return determinable;
}

// Whether prying forces develop, with the lines of the decision. L_b* is handed back for the lines
// of the resistance without prying.
bool Prying_Forces(const T_Stub_Run& R, double clamping, double& L_b, double& L_b_star) {
    const T_Stub_Tension& T = R.T;
    const char* P = Report_Line_Prefix;
    L_b = L_b_star = 0.0;
    bool always = R.four || T.fastener.preloaded;
    if (!always) {
        L_b = Compute_Bolt_Elongation_Length(&T.fastener, clamping, nullptr, std::max(R.detail - 1, 0));
        const double denominator = T.sum_l_eff_1 * R.t_f * R.t_f * R.t_f;
        L_b_star = 8.8 * R.m * R.m * R.m * T.fastener.A_s * R.n_b / denominator;
        if (FILE* out = R.at(2)) {
            Compute_Bolt_Elongation_Length(&T.fastener, clamping, out, 2);
            OLI_Printf(out,
                       "%sGrenzdehnlänge L╬\\b╬r╬/*╬r = (8.8%sm╬/3╬r%sA╬\\s╬r%sn╬\\b╬r) / (▓l╬\\eff,1╬r%st╬\\f╬r╬/3╬r) = %.1lf mm"_cp,
                       P, Times_Dot, Times_Dot, Times_Dot, Times_Dot, L_b_star);
            OLI_Printf(out, ",  n╬\\b╬r = %d"_cp, R.n_b);
            OLI_Printf(out, "\n");
        }
        if (L_b >= L_b_star + Prying_Margin) return false;
        if (L_b > Min_Value) {
            if (FILE* out = R.at(1))
                OLI_Printf(out, "%sL╬\\b╬r = %.1lf mm ≤ %.1lf mm = L╬\\b╬r╬/*╬r  ê  Abstützkräfte können auftreten !\n"_cp, P,
                           L_b, L_b_star);
            return true;
        }
    }
    if (FILE* out = R.at(2)) {
        if (!R.four && T.fastener.preloaded)
            OLI_Printf(out, "%sAbstützkräfte treten bei vorgespannten Schrauben immer auf !\n"_cp, P);
        else
            OLI_Printf(out, "%sAbstützkräfte treten immer auf !\n"_cp, P);
        OLI_Printf(out, "%sBerechnung mit dem %sVerfahren\n", P, T.procedure == 1 ? "alternativen " : "Standard-");
    }
    return true;
}

// Without prying forces modes 1 and 2 coincide: F_T,Rd = min(2·M_pl,1,Rd/m, ΣF_t,Rd).
double Resistance_Without_Prying(const T_Stub_Run& R, double L_b, double L_b_star) {
    T_Stub_Tension& T = R.T;
    const char* P = Report_Line_Prefix;
    const double F_12 = 2.0 * R.M_pl_1 / R.m;
    const double F_3 = R.sum_F_t_Rd;
    double F_T_Rd = std::min(F_12, F_3);
    if (R.l_stub) F_T_Rd *= 0.5;
    T.l_eff_used = T.sum_l_eff_1;
    T.psi_F = 0.0;
    if (FILE* out = R.at(1)) {
        if (L_b_star > Min_Value) {
            OLI_Printf(out, "%s", P);
            OLI_Printf(out, "L╬\\b╬r = %.1lf mm > %.1lf mm = L╬\\b╬r╬/*╬r  ê  "_cp, L_b, L_b_star);
            OLI_Printf(out, "keine Abstützkräfte !\n"_cp);
        }
        OLI_Printf(out, "%sModus 1 und 2: Vollständiges Fließen des T-Stummelflanschs ggf. gleichzeitig mit Schraubenversagen\n"_cp, P);
        if (R.detail >= 2) Raise_Report_Indent();
        OLI_Printf(out, "%sF╬\\T,1-2,Rd╬r = (2%sM╬\\pl,1,Rd╬r) / m = %.2lf kN\n"_cp, P, Times_Dot, F_12 * kN);
        if (R.detail >= 2) Lower_Report_Indent();
        OLI_Printf(out, "%sModus 3: Schraubenversagen\n", P);
        if (R.detail >= 2) Raise_Report_Indent();
        OLI_Printf(out, "%sF╬\\T,3,Rd╬r = ▓F╬\\t,Rd╬r = %.2lf kN\n"_cp, P, F_3 * kN);
        if (R.detail >= 2) Lower_Report_Indent();
        if (R.l_stub) OLI_Printf(out, "%sL-Stummelflansch: F╬\\T,1-3,Rd╬r werden halbiert\n"_cp, P);
    }
    if (R.stream) {
        OLI_Printf(R.stream, "%sZugtragfähigkeit des T-Stummelflanschs:  F╬\\T,Rd╬r"_cp, P);
        if (R.detail >= 1) OLI_Printf(R.stream, " = min(F╬\\T,1-2,Rd╬r, F╬\\T,3,Rd╬r)"_cp);
        OLI_Printf(R.stream, " = %.2lf kN\n", F_T_Rd * kN);
    }
    return F_T_Rd;
}

// The resistance block under its heading. Result: false when the resistance cannot be determined
// (the record is marked so).
bool Compute_Resistance(T_Stub_Tension& T, FILE* stream, int detail) {
    const bool four = T.bolts_per_row == 4;
    T_Stub_Run R{T,
                 stream,
                 detail,
                 Context_Gamma(T.check_context, Gamma_M0),
                 Context_Gamma(T.check_context, Gamma_M2),
                 four,
                 four && T.four_bolt_method == Four_Bolt_Dissertation,
                 T.location == T_Stub_Extension,
                 Is_L_Stub(T),
                 T.bolts_per_row,
                 T.row_count,
                 T.flange.t,
                 T.flange.material.f_y,
                 T.m_check,
                 T.e_min};
    if (T.sum_l_eff_1 < Min_Value || T.sum_l_eff_2 < Min_Value || T.e_min < Min_Value || T.m_check < Min_Value) {
        // The effective-length step has reported the cause.
        Mark_Undeterminable(T);
        return false;
    }
    if (R.gamma_M0 < Gamma_Min) {
        Print_Not_Determinable(stream, "Zugtragfähigkeit des T-Stummelflanschs:  F╬\\T,Rd╬r"_cp);
        T.F_T_Rd = Not_Determinable;
        Mark_Undeterminable(T);
        return false;
    }
    const double clamping = (T.t_2 > Connected_Plate_Min ? R.t_f + T.t_2 : 2.0 * R.t_f) +
                            (!four && T.backing_plate ? T.t_bp : 0.0);

    Compute_Lever_Arms(R);
    Compute_Plastic_Moments(R);
    if (!Compute_Bolt_Resistances(R)) {
        Print_Not_Determinable(stream, "Zugtragfähigkeit des T-Stummelflanschs:  F╬\\T,Rd╬r"_cp);
        T.F_T_Rd = Not_Determinable;
        Mark_Undeterminable(T);
        return false;
    }
    double L_b = 0.0, L_b_star = 0.0;
    double F_T_Rd = Prying_Forces(R, clamping, L_b, L_b_star) ? Compute_T_Stub_Prying_Modes(R)
                                                              : Resistance_Without_Prying(R, L_b, L_b_star);
    T.F_T_Rd = Apply_T_Stub_Flange_And_Weld(R, F_T_Rd);
    return true;
}

// F_T,Ed = n_sr·ΣF_t,Ed against F_T,Rd (both halved for one bolt in the extension).
void Verify_Load(T_Stub_Tension& T, FILE* stream, int detail) {
    const int n_sr = T.bolts_per_row;
    const int rows = std::clamp(T.row_count, 1, T_Stub_Max_Rows);
    double F_T_Ed = 0.0;
    for (int row = 0; row < rows; ++row) F_T_Ed += T.F_t_Ed[row];
    F_T_Ed *= n_sr;
    if (F_T_Ed <= Min_Value) return;
    double F_T_Rd = T.F_T_Rd;
    const bool one_bolt = T.location == T_Stub_Extension && n_sr == 2 && T.one_bolt_in_extension;
    if (one_bolt) {
        F_T_Ed *= 0.5;
        F_T_Rd *= 0.5;
    }
    const char* P = Report_Line_Prefix;
    FILE* out1 = detail >= 1 ? stream : nullptr;
    if (out1) {
        OLI_Printf(out1, "%s╬HNachweis"_cp, P);
        if (one_bolt) OLI_Printf(out1, " für nur eine Schraube im Überstand"_cp);
        OLI_Printf(out1, "\n");
        Raise_Report_Indent();
    }
    if (F_T_Rd < Negative_Resistance) {
        if (stream) OLI_Printf(stream, "%s╬HFehler╬r: F╬\\T,Rd╬r < 0 %s\n"_cp, P, Mark_Error());
        // A negative resistance is never verified.
        Mark_Undeterminable(T);
    } else if (F_T_Rd < Min_Value) {
        // A load on a T-stub without resistance is not carried.
        if (stream) OLI_Printf(stream, "%sF╬\\T,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp, P, Mark_Error());
        Mark_Undeterminable(T);
    } else {
        double U = F_T_Ed / F_T_Rd;
        if (U > 1.0 && U < 1.0 + U_Tolerance) U = 1.0;
        T.U_max = std::max(T.U_max, U);
        if (U >= 1.0 + U_Tolerance) T.Check_Error_Flags |= Failed;
        if (stream) {
            OLI_Printf(stream, "%sF╬\\T,Ed╬r = "_cp, P);
            if (out1) OLI_Printf(stream, "%d%s%sF╬\\t,Ed╬r = "_cp, n_sr, Times_Dot, rows >= 2 ? "▓"_cp : "");
            OLI_Printf(stream, "%.1lf kN", F_T_Ed * kN);
            OLI_Printf(stream, "  %s  F╬\\T,Rd╬r"_cp, Get_Relation_Sign_LE(F_T_Ed, F_T_Rd));
            if (one_bolt && out1) OLI_Printf(stream, "/%d", n_sr);
            OLI_Printf(stream, " = %.2lf kN  ê  Ausnutzung U = %.3lf  %s  1"_cp, F_T_Rd * kN, U,
                       Get_Relation_Sign_LE(U, 1.0));
            OLI_Printf(stream, "  %s\n", U > 1.0 ? Mark_Not_Ok() : Mark_Ok());
        }
    }
    if (out1) Lower_Report_Indent();
}

}  // namespace

int Verify_T_Stub_Tension(T_Stub_Tension* tstub, FILE* stream, int detail, int) {
    if (!tstub) return 0;
    T_Stub_Tension& T = *tstub;
    T.Check_Error_Flags = 0;
    T.F_T_Rd = T.l_eff_used = T.psi_F = T.result_spare = T.U_max = 0.0;

    if (Check_T_Stub_Tension_Input(&T, stream, Refresh_Mode ? 0 : 1, 1)) {
        Mark_Undeterminable(T);
    } else {
        const double indent = stream ? OLI_Get_Indent() : 0.0;
        if (stream && detail >= 1) {
            OLI_Printf(stream, "%s", Report_Line_Prefix);
            if (detail == 1)
                OLI_Printf(stream, "Grenzzugkraft des T-Stummelflanschs:");
            else
                OLI_Printf(stream, "╬HGrenzzugkraft des T-Stummelflanschs"_cp);
            OLI_Printf(stream, "\n");
            Raise_Report_Indent();
        }
        const bool determinable = Compute_Resistance(T, stream, detail);
        if (stream) OLI_Set_Indent(indent);
        if (determinable && T.check_context.verification) Verify_Load(T, stream, detail);
    }
    if (T.check_context.verification && T.check_context.summary)
        Print_Check_Summary(stream, detail, T.U_max, T.Check_Error_Flags & Failed);
    return T.Check_Error_Flags & Failed;
}
