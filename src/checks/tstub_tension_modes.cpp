// Failure modes of the T-stub in tension with prying forces (EN 1993-1-8, Table 6.2): mode 1
// complete yielding of the flange, mode 2 bolt failure with yielding of the flange, mode 3 bolt
// failure. Two bolts per row follow the standard's standard and alternative procedures, with a
// backing plate on a column flange in mode 1; rows of four bolts follow the model of a research
// report (0), a dissertation (1, with weighting factors between the flange and the web part) or a
// design handbook (2) outside the end-plate extension.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "checks/report_indent.h"
#include "checks/tstub_tension_resistance.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Min_Value = 0.001;   // mm, N·mm; smaller distances and moments count as 0
constexpr double kN = 0.001;
constexpr int Tab_Unit = 2;

// Two tab stops at the given positions beyond the current indent, counted in its 0.3 cm steps.
void Set_Tabs(double first, double second) {
    const double steps = std::round(OLI_Get_Indent() / Report_Indent_Step);
    const std::array<double, 2> stops{first + steps, second + steps};
    OLI_Set_Tab_Stops(Tab_Unit, nullptr, stops.data(), 2);
}

// Mode 1 of the alternative procedure: ((8n − 2e_w)·M + 4n·M_bp) / (2mn − e_w(m + n)).
double Alternative_Mode_1(double m, double n, double e_w, double M, double M_bp) {
    return ((8.0 * n - 2.0 * e_w) * M + 4.0 * n * M_bp) / (2.0 * m * n - e_w * (m + n));
}

// Mode 1 with the eccentricity e′ of the dissertation model: M·(4 − e′/n) / (m − (m + n)·e′/(2n)).
double Eccentric_Mode_1(double m, double n, double e_1, double M) {
    return M * (4.0 - e_1 / n) / (m - (m + n) * e_1 / (2.0 * n));
}

// The bolt-head term of the alternative procedure (e_w, or e′ of the dissertation model), printed at
// level 2. Result: e_w or e′; 0 in the standard procedure.
double Bolt_Head_Term(const T_Stub_Run& R) {
    const Fastener& F = R.T.fastener;
    FILE* out = R.at(2);
    const char* P = Report_Line_Prefix;
    if (R.T.procedure != 1) return 0.0;
    if (!R.four) {
        const double e_w = F.d_p / 4.0;
        if (out)
            OLI_Printf(out, "%smaßgebender Durchmesser der Schraube d╬\\w╬r = d╬\\p╬r = %.2lf mm  ê  e╬\\w╬r = d╬\\w╬r/4 = %.1lf mm\n"_cp,
                       P, F.d_p, e_w);
        return e_w;
    }
    if (R.T.four_bolt_method == Four_Bolt_Research_Report) {
        const double e_w = F.d_e / 4.0;
        if (out)
            OLI_Printf(out, "%smaßgebender Durchmesser der Schraube d╬\\w╬r = d╬\\e╬r = %.2lf mm  ê  e╬\\w╬r = d╬\\w╬r/4 = %.1lf mm\n"_cp,
                       P, F.d_e, e_w);
        return e_w;
    }
    if (R.dissertation) {
        // The hole d_0 = d + Δd of a bolt; the printed formula is the one the modes use.
        const double d_0 = F.d + F.delta_d;
        const double e_1 = (d_0 + F.d) / 4.0 + (F.d_s + F.d_e) / 8.0;
        if (out) OLI_Printf(out, "%sExzentrizität e' = (d╬\\0╬r+d)/4 + (d╬\\s╬r+d╬\\e╬r)/8 = %.1lf mm\n"_cp, P, e_1);
        return e_1;
    }
    return 0.0;
}

// Weighting factors of the dissertation model, printed at level 2.
void Compute_Weights(T_Stub_Run& R) {
    const T_Stub_Tension& T = R.T;
    if (!R.dissertation) return;
    if (R.extension) {
        R.psi_Fa = 1.0;
        return;
    }
    const double m = R.m, w = T.w, m_2 = T.m_2;
    if (w >= Min_Value && m_2 >= Min_Value && m >= Min_Value) {
        const double flange = 2.0 / (m_2 * m_2 * m_2);
        const double web = 1.0 / (m * m * m) + 1.0 / ((m + w) * (m + w) * (m + w));
        R.psi_F = flange / (flange + web);
        R.psi_S = web / (flange + web);
    }
    const double w_1 = T.b_p - 2.0 * (w + T.e), w_2 = w;
    if (T.b_st >= Min_Value && w >= Min_Value && w_1 >= Min_Value) {
        R.psi_Fi = (w_1 + w_2) / T.b_st;
        R.psi_Fa = 1.0 - R.psi_Fi;
    }
    FILE* out = R.at(2);
    if (!out) return;
    const char* P = Report_Line_Prefix;
    Set_Tabs(22.0, 31.0);
    OLI_Printf(out, "%sGewichtungsfaktoren für den "_cp, P);
    OLI_Printf(out, "╬tFlanschteil ╬t╜╬\\F╬r = (1/l╬\\1╬r·+1/l╬\\2╬r·) / (1/▓l╬\\i╬r·) = %.3lf\n"_cp, R.psi_F);
    OLI_Printf(out, "%s╬tStegteil ╬t╜╬\\S╬r = (1/l╬\\3╬r·+1/l╬\\4╬r·) / (1/▓l╬\\i╬r·) = %.3lf\n"_cp, P, R.psi_S);
    Set_Tabs(22.0, 35.0);
    OLI_Printf(out, "%sGewichtungsfaktoren für den "_cp, P);
    OLI_Printf(out, "╬tinneren Bereich ╬t╦╬\\Fi╬r = (w╬\\1╬r+w╬\\2╬r) / b╬\\st╬r = %.3lf\n"_cp, R.psi_Fi);
    OLI_Printf(out, "%s╬täußeren Bereich ╬t╦╬\\Fa╬r = (1 - ╦╬\\Fi╬r) = %.3lf\n"_cp, P, R.psi_Fa);
}

// The heading of a mode and the nesting of its formula lines at level 2.
struct Mode_Block {
    const T_Stub_Run& R;
    Mode_Block(const T_Stub_Run& run, const char* heading) : R(run) {
        FILE* out = R.at(1);
        if (!out) return;
        OLI_Printf(out, heading, Report_Line_Prefix);
        if (R.detail >= 2) Raise_Report_Indent();
        Set_Tabs(15.0, 27.0);
    }
    ~Mode_Block() {
        if (R.at(2)) Lower_Report_Indent();
    }
    // The label before a part of a dissertation mode, at level 2.
    void part(const char* label) const {
        if (FILE* out = R.at(2)) OLI_Printf(out, "%s", label);
    }
};

const char* Flange_Part_Label() { return "in Flanschrichtung ╬t"_cp; }
const char* Web_Part_Label() { return "in Stegrichtung ╬t"_cp; }

double Mode_1(const T_Stub_Run& R, double e_w) {
    const T_Stub_Tension& T = R.T;
    const Mode_Block block(R, "%sModus 1: Vollständiges Fließen des T-Stummelflanschs\n"_cp);
    FILE* out = R.at(1);
    const char* P = Report_Line_Prefix;
    const char* X = Times_Dot;
    const double m = R.m, n = R.n, M = R.M_pl_1;
    const bool alternative = T.procedure == 1;
    const bool backing = R.M_bp > 0.0;

    if (!R.four || T.four_bolt_method == Four_Bolt_Research_Report) {
        // Two bolts per row in either procedure; the research report always takes the alternative one.
        if (!alternative) {
            const double F = (4.0 * M + 2.0 * R.M_bp) / m;
            if (out) {
                if (backing)
                    OLI_Printf(out, "%sF╬\\T,1,Rd╬r = (4%sM╬\\pl,1,Rd╬r+2%sM╬\\bp,Rd╬r) / m = %.2lf kN\n"_cp, P, X, X, F * kN);
                else
                    OLI_Printf(out, "%sF╬\\T,1,Rd╬r = (4%sM╬\\pl,1,Rd╬r) / m = %.2lf kN\n"_cp, P, X, F * kN);
            }
            return F;
        }
        const double F = Alternative_Mode_1(m, n, e_w, M, R.M_bp);
        if (out) {
            OLI_Printf(out, "%sF╬\\T,1,Rd╬r = ((8%sn-2%se╬\\w╬r)%sM╬\\pl,1,Rd╬r"_cp, P, X, X, X);
            if (backing) OLI_Printf(out, "+4%sn%sM╬\\bp,Rd╬r"_cp, X, X);
            OLI_Printf(out, ") / (2%sm%sn-e╬\\w╬r%s(m+n)) = %.2lf kN\n"_cp, X, X, X, F * kN);
        }
        return F;
    }
    if (T.four_bolt_method == Four_Bolt_Handbook || (R.extension && !alternative)) {
        const double F = 4.0 * M / m;
        if (out) OLI_Printf(out, "%sF╬\\T,1,Rd╬r = (4%sM╬\\pl,1,Rd╬r) / m = %.2lf kN\n"_cp, P, X, F * kN);
        return F;
    }
    // Dissertation model.
    if (R.extension) {
        const double F = Eccentric_Mode_1(m, n, e_w, M);
        if (out)
            OLI_Printf(out, "%sF╬\\T,1,Rd╬r = (M╬\\pl,1,Rd╬r%s(4-e'/n)) / (m - ((m+n)%se') / (2%sn)) = %.2lf kN\n"_cp, P,
                       X, X, X, F * kN);
        return F;
    }
    // The flange part needs the distance to the stiffener; without it the flange carries nothing.
    const bool flange_part = R.m_s > Min_Value && R.n_s > Min_Value;
    double F_F = 0.0, F_S = 0.0;
    if (!alternative) {
        const bool web_plate = R.M_st_1 > Min_Value;
        if (flange_part)
            F_F = web_plate ? 2.0 * (M + std::min(M, R.M_st_1)) * R.psi_F / R.m_s : 4.0 * M * R.psi_F / R.m_s;
        F_S = 4.0 * M * R.psi_S / m;
        if (out) {
            if (flange_part) {
                OLI_Printf(out, "%s", P);
                block.part(Flange_Part_Label());
                if (web_plate)
                    OLI_Printf(out, "F╬\\T,1,F,Rd╬r = (2%sM╬\\pl,1,Rd╬r+2%smin(M╬\\pl,1,Rd╬r,M╬\\pl,st,1,Rd╬r))%s╜╬\\F╬r / m╬\\s╬r = %.2lf kN\n"_cp,
                               X, X, X, F_F * kN);
                else
                    OLI_Printf(out, "F╬\\T,1,F,Rd╬r = (4%sM╬\\pl,1,Rd╬r%s╜╬\\F╬r) / m╬\\s╬r = %.2lf kN\n"_cp, X, X, F_F * kN);
            }
            OLI_Printf(out, "%s", P);
            block.part(Web_Part_Label());
            OLI_Printf(out, "F╬\\T,1,S,Rd╬r = (4%sM╬\\pl,1,Rd╬r%s╜╬\\S╬r) / m = %.2lf kN\n"_cp, X, X, F_S * kN);
        }
    } else {
        if (flange_part) F_F = R.psi_F * Eccentric_Mode_1(R.m_s, R.n_s, e_w, M);
        F_S = R.psi_S * Eccentric_Mode_1(m, n, e_w, M);
        if (out) {
            if (flange_part) {
                OLI_Printf(out, "%s", P);
                block.part(Flange_Part_Label());
                OLI_Printf(out,
                           "F╬\\T,1,F,Rd╬r = (M╬\\pl,1,Rd╬r%s╜╬\\F╬r%s(4-e'/n╬\\s╬r)) / (m╬\\s╬r - ((m╬\\s╬r+n╬\\s╬r)%se') / (2%sn╬\\s╬r)) = %.2lf kN\n"_cp,
                           X, X, X, X, F_F * kN);
            }
            OLI_Printf(out, "%s", P);
            block.part(Web_Part_Label());
            OLI_Printf(out, "F╬\\T,1,S,Rd╬r = (M╬\\pl,1,Rd╬r%s╜╬\\S╬r%s(4-e'/n)) / (m - ((m+n)%se') / (2%sn)) = %.2lf kN\n"_cp,
                       X, X, X, X, F_S * kN);
        }
    }
    const double F = F_F + F_S;
    if (out) OLI_Printf(out, "%sF╬\\T,1,Rd╬r = F╬\\T,1,F,Rd╬r + F╬\\T,1,S,Rd╬r = %.2lf kN\n"_cp, P, F * kN);
    return F;
}

double Mode_2(const T_Stub_Run& R) {
    const T_Stub_Tension& T = R.T;
    const Mode_Block block(R, "%sModus 2: Schraubenversagen gleichzeitig mit Fließen des T-Stummelflanschs\n"_cp);
    FILE* out = R.at(1);
    const char* P = Report_Line_Prefix;
    const char* X = Times_Dot;
    const double m = R.m, n = R.n, n_1 = R.n_1, n_2 = R.n_2, M = R.M_pl_2, F_t = R.sum_F_t_Rd;

    if (!R.four || R.extension) {
        const double F = (2.0 * M + n * F_t) / (m + n);
        if (out)
            OLI_Printf(out, "%sF╬\\T,2,Rd╬r = (2%sM╬\\pl,2,Rd╬r + n%s▓F╬\\t,Rd╬r) / (m+n) = %.2lf kN\n"_cp, P, X, X, F * kN);
        return F;
    }
    if (T.four_bolt_method == Four_Bolt_Research_Report) {
        const double F_p =
            (2.0 * M + 0.5 * F_t * (n_1 * n_1 + 2.0 * n_2 * n_2 + 2.0 * n_1 * n_2) / (n_1 + n_2)) / (m + n_1 + n_2);
        const double F_np = (2.0 * R.M_pl_1 + 0.5 * F_t * n_1) / (m + n_1);
        const double F = std::min(F_p, F_np);
        if (out) {
            OLI_Printf(out,
                       "%sF╬\\T,2,p,Rd╬r = (2%sM╬\\pl,2,Rd╬r + 0.5%s▓F╬\\t,Rd╬r%s(n╬\\1╬r╬/2╬r+2%sn╬\\2╬r╬/2╬r+2%sn╬\\1╬r%sn╬\\2╬r)/(n╬\\1╬r+n╬\\2╬r)) / (m+n╬\\1╬r+n╬\\2╬r) = %.2lf kN\n"_cp,
                       P, X, X, X, X, X, X, F_p * kN);
            OLI_Printf(out, "%sF╬\\T,2,np,Rd╬r = (2%sM╬\\pl,1,Rd╬r + 0.5%s▓F╬\\t,Rd╬r%sn╬\\1╬r) / (m+n╬\\1╬r) = %.2lf kN\n"_cp, P,
                       X, X, X, F_np * kN);
            OLI_Printf(out, "%sF╬\\T,2,Rd╬r = min(F╬\\T,2,p,Rd╬r,F╬\\T,2,np,Rd╬r) = %.2lf kN\n"_cp, P, F * kN);
        }
        return F;
    }
    if (T.four_bolt_method == Four_Bolt_Handbook) {
        const double F = (2.0 * M + (n_1 + n_2) * 0.25 * F_t * (3.6 - 1.6 * n_1 / (n_1 + n_2))) / (m + n_1 + n_2);
        if (out)
            OLI_Printf(out,
                       "%sF╬\\T,2,Rd╬r = (2%sM╬\\pl,2,Rd╬r + (n╬\\1╬r+n╬\\2╬r)%s0.25%s▓F╬\\t,Rd╬r%s(3.6 - 1.6%sn╬\\1╬r/(n╬\\1╬r+n╬\\2╬r))) / (m+n╬\\1╬r+n╬\\2╬r) = %.2lf kN\n"_cp,
                       P, X, X, X, X, X, F * kN);
        return F;
    }
    // Dissertation model: a web part and, with a distance to the stiffener, a flange part, each with
    // the resistance of one bolt.
    const double F_t_1 = R.F_t_Rd;
    const double F_S = 2.0 * ((R.psi_Fi * R.psi_F + R.psi_S) * M + n * F_t_1) / (m + n);
    double F_F = 0.0;
    const bool flange_part = R.m_s > Min_Value && R.n_s > Min_Value;
    const bool web_plate = R.M_st_2 > Min_Value;
    if (flange_part) {
        const double M_F = web_plate ? std::min(M, R.M_st_2) : M;
        F_F = 2.0 * (R.psi_Fa * R.psi_F * M_F + R.n_s * F_t_1) / (R.m_s + R.n_s);
    }
    if (out) {
        if (flange_part) {
            OLI_Printf(out, "%s", P);
            block.part(Flange_Part_Label());
            if (web_plate)
                OLI_Printf(out,
                           "F╬\\T,2,F,Rd╬r = (2%smin(M╬\\pl,2,Rd╬r,M╬\\pl,st,2,Rd╬r)%s╦╬\\Fa╬r%s╜╬\\F╬r + 2%sn╬\\s╬r%sF╬\\t,Rd╬r) / (m╬\\s╬r+n╬\\s╬r) = %.2lf kN\n"_cp,
                           X, X, X, X, X, F_F * kN);
            else
                OLI_Printf(out,
                           "F╬\\T,2,F,Rd╬r = (2%sM╬\\pl,2,Rd╬r%s╦╬\\Fa╬r%s╜╬\\F╬r + 2%sn╬\\s╬r%sF╬\\t,Rd╬r) / (m╬\\s╬r+n╬\\s╬r) = %.2lf kN\n"_cp,
                           X, X, X, X, X, F_F * kN);
        }
        OLI_Printf(out, "%s", P);
        block.part(Web_Part_Label());
        OLI_Printf(out,
                   "F╬\\T,2,S,Rd╬r = (2%sM╬\\pl,2,Rd╬r%s(╦╬\\Fi╬r%s╜╬\\F╬r+╜╬\\S╬r) + 2%sn%sF╬\\t,Rd╬r) / (m+n) = %.2lf kN\n"_cp,
                   X, X, X, X, X, F_S * kN);
        OLI_Printf(out, "%sF╬\\T,2,Rd╬r = F╬\\T,2,F,Rd╬r + F╬\\T,2,S,Rd╬r = %.2lf kN\n"_cp, P, (F_F + F_S) * kN);
    }
    return F_F + F_S;
}

// Mode 3 and, for the handbook model, the further limit F_T,4,Rd (0 when there is none).
double Mode_3(const T_Stub_Run& R, double& F_4) {
    const T_Stub_Tension& T = R.T;
    const Mode_Block block(R, "%sModus 3: Schraubenversagen\n");
    FILE* out = R.at(1);
    const char* P = Report_Line_Prefix;
    const char* X = Times_Dot;
    const bool handbook = R.four && T.four_bolt_method == Four_Bolt_Handbook;
    const bool reduced = R.four && !R.extension && (handbook || T.four_bolt_method == Four_Bolt_Research_Report);
    const double F_3 = (reduced ? 0.9 : 1.0) * R.sum_F_t_Rd;
    F_4 = 0.0;
    if (handbook) F_4 = R.extension ? 2.0 * R.M_pl_1 / R.m : 3.6 * R.M_pl_1 / (1.8 * R.m + 0.8 * R.n_1);
    if (out) {
        const std::string factor = reduced ? Format_Text("0.9%s", X) : std::string();
        OLI_Printf(out, "%sF╬\\T,3,Rd╬r = %s▓F╬\\t,Rd╬r = %.2lf kN"_cp, P, factor.c_str(), F_3 * kN);
        if (F_4 > Min_Value) {
            if (R.extension)
                OLI_Printf(out, ",  F╬\\T,4,Rd╬r = 2%sM╬\\pl,1,Rd╬r / m = %.2lf kN"_cp, X, F_4 * kN);
            else
                OLI_Printf(out, ",  F╬\\T,4,Rd╬r = (3.6%sM╬\\pl,1,Rd╬r) / (1.8%sm + 0.8%sn╬\\1╬r) = %.2lf kN"_cp, X, X, X,
                           F_4 * kN);
        }
        OLI_Printf(out, "\n");
    }
    return F_3;
}

}  // namespace

double Compute_T_Stub_Prying_Modes(T_Stub_Run& R) {
    T_Stub_Tension& T = R.T;
    const char* P = Report_Line_Prefix;
    const double e_w = Bolt_Head_Term(R);
    Compute_Weights(R);

    const double F_1 = Mode_1(R, e_w);
    const double F_2 = Mode_2(R);
    double F_4 = 0.0;
    const double F_3 = Mode_3(R, F_4);

    double F_T_Rd = F_1;
    T.l_eff_used = T.sum_l_eff_1;
    T.psi_F = R.psi_F;
    if (F_2 < F_T_Rd) {
        F_T_Rd = F_2;
        if (R.dissertation) T.l_eff_used = T.sum_l_eff_2;
    }
    if (F_3 < F_T_Rd) {
        F_T_Rd = F_3;
        if (F_4 > Min_Value) {
            F_T_Rd = std::min(F_3, F_4);
            if (FILE* out = R.at(1))
                OLI_Printf(out,
                           "%sZusatzbedingung (Modus 3 maßgebend):  F╬\\T,3,Rd╬r  ≤  F╬\\T,4,Rd╬r  ê  F╬\\T,3,Rd╬r = %.2lf kN\n"_cp,
                           P, F_T_Rd * kN);
        }
    }
    if (R.l_stub) {
        F_T_Rd *= 0.5;
        if (FILE* out = R.at(1)) OLI_Printf(out, "%sL-Stummelflansch: F╬\\T,1-3,Rd╬r werden halbiert\n"_cp, P);
    }
    if (R.stream) {
        OLI_Printf(R.stream, "%sZugtragfähigkeit des T-Stummelflanschs:  F╬\\T,Rd╬r"_cp, P);
        if (R.detail >= 1) OLI_Printf(R.stream, " = min(F╬\\T,1,Rd╬r, F╬\\T,2,Rd╬r, F╬\\T,3,Rd╬r)"_cp);
        OLI_Printf(R.stream, " = %.2lf kN\n", F_T_Rd * kN);
    }
    return F_T_Rd;
}
