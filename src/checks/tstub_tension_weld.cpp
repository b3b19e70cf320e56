// Two further limits of the T-stub in tension after its failure modes: the tension capacity of the
// beam flange with the tension stiffener (dissertation model for four bolts per row), and the weld
// between the T-stub web and its flange (EN 1993-1-8, 4.5.3 and 4.7.1).
#include <algorithm>
#include <cmath>

#include "checks/tstub_tension_resistance.h"
#include "checks/weld_resistance.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Min_Area = 0.001;          // mm²
constexpr double Min_Throat = 0.1;          // mm; a thinner throat or web plate is not entered
constexpr double Butt_Tolerance = 0.001;    // mm; a throat this close to t_st is a butt weld
constexpr double Equal_Force = 0.01;        // N; a weld resistance this close to F_T,Rd is equal
constexpr double kN = 0.001;

const char* Area_Missing(const char* area) {
    return area[0] == 'F'
               ? "%sA╬\\F╬r = 0: Die Kontrolle der Tragfähigkeit des Trägerflanschs und -stegs auf Zug kann nicht durchgeführt werden!\n"_cp
               : "%sA╬\\S╬r = 0: Die Kontrolle der Tragfähigkeit des Trägerflanschs und -stegs auf Zug kann nicht durchgeführt werden!\n"_cp;
}

// max F_T,Rd = (A_F + A_S)·f_y,st/γM0 of the beam flange (A_F = b_st·t_st) and, off the extension,
// of the part of the beam web next to it (A_S = l_eff·ψ_S·t_w); both halved for an L-stub.
double Beam_Flange(const T_Stub_Run& R, double F_T_Rd) {
    const T_Stub_Tension& T = R.T;
    FILE* out = R.at(1);
    const char* P = Report_Line_Prefix;
    const char* X = Times_Dot;
    const double half = R.l_stub ? 0.5 : 1.0;
    const char* halved = R.l_stub ? "/2" : "";
    const double t_st = T.web.t, f_y_st = T.web.material.f_y;
    const double A_F = T.b_st * t_st * half;
    if (A_F <= Min_Area) {
        if (out) OLI_Printf(out, Area_Missing("F"), P);
        return F_T_Rd;
    }
    double A_S = 0.0;
    if (!R.extension) {
        if (!T.row_next_to_stiffener) return F_T_Rd;
        A_S = T.l_eff_used * T.t_w * R.psi_S * half;
        if (A_S <= Min_Area) {
            if (out) OLI_Printf(out, Area_Missing("S"), P);
            return F_T_Rd;
        }
    }
    const double max_F = (A_F + A_S) * f_y_st / R.gamma_M0;
    if (out) {
        if (R.extension)
            OLI_Printf(out, "%sZugtragfähigkeit des Trägerflanschs:  max F╬\\T,Rd╬r = (A╬\\F╬r%sf╬\\y,st╬r) / └╬\\M0╬r = %.2lf kN"_cp,
                       P, X, max_F * kN);
        else
            OLI_Printf(out, "%sZugtragfähigkeit des Trägerflanschs:  max F╬\\T,Rd╬r = (A╬\\F╬r+A╬\\S╬r)%sf╬\\y,st╬r / └╬\\M0╬r = %.2lf kN"_cp,
                       P, X, max_F * kN);
        OLI_Printf(out, " %s F╬\\T,Rd╬r"_cp, Get_Relation_Sign_LE(max_F, F_T_Rd));
        if (max_F < F_T_Rd)
            OLI_Printf(out, "  ê  F╬\\T,Rd╬r = %.1lf kN"_cp, max_F * kN);
        else
            OLI_Printf(out, "  %s", Mark_Note_Ok());
        OLI_Printf(out, "\n");
    }
    if (FILE* out2 = R.at(2)) {
        if (R.extension) {
            OLI_Printf(out2, "%s  mit  A╬\\F╬r = b╬\\st╬r%st╬\\st╬r%s = %.1lf mm²"_cp, P, X, halved, A_F);
            OLI_Printf(out2, ",  b╬\\st╬r = %.1lf mm,  t╬\\st╬r = %.1lf mm,  f╬\\y,st╬r = %.1lf N/mm²"_cp, T.b_st, t_st, f_y_st);
        } else {
            OLI_Printf(out2, "%s  mit  A╬\\F╬r = b╬\\st╬r%st╬\\st╬r%s = %.1lf mm²,  A╬\\S╬r = l╬\\eff╬r%s╜╬\\S╬r%st╬\\w╬r%s = %.1lf mm²"_cp,
                       P, X, halved, A_F, X, X, halved, A_S);
            OLI_Printf(out2, ",  l╬\\eff╬r%s╜╬\\S╬r = %.1lf%s%.3lf = %.1lf mm\n"_cp, X, T.l_eff_used, X, R.psi_S,
                       T.l_eff_used * R.psi_S);
            OLI_Printf(out2, "%s    b╬\\st╬r = %.1lf mm,  t╬\\st╬r = %.1lf mm,  f╬\\y,st╬r = %.1lf N/mm²,  t╬\\w╬r = %.1lf mm"_cp,
                       P, T.b_st, t_st, f_y_st, T.t_w);
        }
        OLI_Printf(out2, "\n");
    }
    return std::min(F_T_Rd, max_F);
}

// The weld of the web plate: a butt weld through the web plate's thickness when a_st reaches t_st,
// else a fillet weld on each side.
double Web_Weld(const T_Stub_Run& R, double F_T_Rd) {
    const T_Stub_Tension& T = R.T;
    const double a = T.a_st, t_st = T.web.t, l_eff = T.l_eff_used;
    // Without a web plate there is no weld to check.
    if (T.skip_weld_check || a <= Min_Throat || t_st < Min_Throat) return F_T_Rd;
    FILE* out = R.at(1);
    const char* P = Report_Line_Prefix;
    const char* X = Times_Dot;
    const bool butt = a >= t_st - Butt_Tolerance;
    double F_w;
    if (butt) {
        const double f_sw = Compute_Butt_Weld_Strength(T.flange, T.web, T.weld_argument, R.gamma_M0, R.gamma_M2, out, R.detail);
        F_w = f_sw * std::min(a, t_st) * l_eff;
    } else {
        const double f_vw = Compute_Weld_Shear_Strength(T.flange, T.web, T.weld_argument, R.gamma_M2, out, R.detail);
        F_w = 2.0 * f_vw * a * l_eff;
    }
    if (std::fabs(F_w - F_T_Rd) < Equal_Force) F_w = F_T_Rd;
    if (R.stream) {
        OLI_Printf(R.stream, "%sZugtragfähigkeit der Schweißnähte:  F╬\\T,w,Rd╬r"_cp, P);
        if (out) {
            if (butt)
                OLI_Printf(out, " = f╬\\sw,d╬r%st╬\\st╬r%sl╬\\eff╬r"_cp, X, X);
            else
                OLI_Printf(out, " = 2%sf╬\\vw,d╬r%sa%sl╬\\eff╬r"_cp, X, X, X);
        }
        OLI_Printf(R.stream, " = %.2lf kN", F_w * kN);
        if (F_T_Rd <= F_w) {
            OLI_Printf(R.stream, "  (≥ %.2lf kN, nicht maßgebend)\n"_cp, F_T_Rd * kN);
        } else {
            if (R.detail >= 2) {
                if (butt)
                    OLI_Printf(R.stream, ",  t╬\\st╬r = %.1lf mm,  l╬\\eff╬r = %.1lf mm"_cp, t_st, l_eff);
                else
                    OLI_Printf(R.stream, ",  a = %.1lf mm,  l╬\\eff╬r = %.1lf mm"_cp, a, l_eff);
            }
            OLI_Printf(R.stream, "\n%sGesamttragfähigkeit des T-Stummelflanschs:  F╬\\T,Rd╬r = F╬\\T,w,Rd╬r = %.2lf kN"_cp, P,
                       F_w * kN);
            if (out) OLI_Printf(out, " %s", Mark_Warning());
            OLI_Printf(R.stream, "\n");
        }
    }
    return std::min(F_T_Rd, F_w);
}

}  // namespace

double Apply_T_Stub_Flange_And_Weld(T_Stub_Run& R, double F_T_Rd) {
    if (R.dissertation) F_T_Rd = Beam_Flange(R, F_T_Rd);
    return Web_Weld(R, F_T_Rd);
}
