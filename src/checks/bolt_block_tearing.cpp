// Resistances of a connected plate or angle rather than of one fastener: block tearing of a bolt
// group (EN 1993-1-8 3.10.2, and the revised rule of Code_Edition 1), the net section of an angle
// connected through one leg by one row of bolts (EN 1993-1-8 3.10.3, Table 3.8), and the report of
// the resistance of a fastener group.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "checks/bolt_lines.h"
#include "checks/bolt_resistances.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "material/interpolation.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Zero = 0.001;   // mm², mm, N

bool Edition_2010() { return Current_Code_Edition == Code_Edition_2010; }

void Indent_More() { OLI_Set_Indent(OLI_Get_Indent() + 0.3); }
void Indent_Less() { OLI_Set_Indent(OLI_Get_Indent() - 0.3); }

// β_2 (two bolts) or β_3 (three and more) of EN 1993-1-8 Table 3.8, linear between p_1 = 2.5 d_0 and
// 5 d_0.
double Angle_Beta(int n, double p_1, double d_0) {
    const double low = n == 2 ? 0.4 : 0.5, high = 0.7;
    if (p_1 < 2.5 * d_0 + Zero) return low;
    if (p_1 > 5.0 * d_0 - Zero) return high;
    double beta = low;
    Interpolate_Linear(2.5 * d_0, low, 5.0 * d_0, high, p_1, &beta);
    return beta;
}

}  // namespace

double Compute_Block_Tearing_Resistance(int symmetric, double t, double A_nt, double A_nv, double A_gv, double f_y,
                                        double f_u, double gamma_M0, double gamma_M2, FILE* stream, int level) {
    FILE* out = Formula_Stream(stream, level);
    const bool edition_2010 = Edition_2010();
    A_nt *= t;
    A_nv *= t;
    A_gv *= t;
    const bool nt = A_nt >= Zero, nv = A_nv >= Zero, gv = !edition_2010 && A_gv >= Zero;
    if (!nt && !nv && !gv) return 0.0;
    if (gamma_M2 < Gamma_Min || (edition_2010 && gamma_M0 < Gamma_Min)) {
        Print_Not_Determinable(out, "V╬\\eff,Rd╬r"_cp);
        return Not_Determinable;
    }
    // Tension alone acts as on a symmetric group.
    if (nt && !nv && !gv) symmetric = 1;
    const double k = symmetric ? 1.0 : 0.5;
    const double V = edition_2010 ? k * f_u * A_nt / gamma_M2 + f_y * A_nv / (std::numbers::sqrt3 * gamma_M0)
                                  : (k * f_u * A_nt + std::min(f_y * A_gv, f_u * A_nv) / std::numbers::sqrt3) / gamma_M2;
    if (!out) return V;

    if (level >= 2)
        OLI_Printf(out, symmetric ? "%ssymmetrisch angeordnete Schraubengruppe unter zentrischer Belastung\n"
                                  : "%sSchraubengruppe unter exzentrischer Belastung\n",
                   Report_Line_Prefix);
    const bool shear = nv || gv;
    if (shear || !symmetric) {
        const std::string half = symmetric ? std::string() : Format_Text("0.5%s", Times_Dot);
        OLI_Printf(out, "%sZug-Schubwiderstand ", Report_Line_Prefix);
        if (edition_2010)
            OLI_Printf(out,
                       "V╬\\eff,Rd╬r = (%sA╬\\nt╬r%sf╬\\u╬r) / └╬\\M2╬r + (A╬\\nv╬r%sf╬\\y╬r/3╬/1/2╬r) / └╬\\M0╬r = %.2lf kN"_cp,
                       half.c_str(), Times_Dot, Times_Dot, V * 0.001);
        else
            OLI_Printf(out,
                       "V╬\\eff,Rd╬r = (%sA╬\\nt╬r%sf╬\\u╬r + min(A╬\\gv╬r%sf╬\\y╬r, A╬\\nv╬r%sf╬\\u╬r)/3╬/1/2╬r) / └╬\\M2╬r = %.2lf kN"_cp,
                       half.c_str(), Times_Dot, Times_Dot, Times_Dot, V * 0.001);
        if (level >= 2) {
            OLI_Printf(out, "\n%s  A╬\\nt╬r = %.1lf mm²,  A╬\\nv╬r = %.1lf mm²"_cp, Report_Line_Prefix, A_nt, A_nv);
            if (!edition_2010) OLI_Printf(out, ",  A╬\\gv╬r = %.1lf mm²"_cp, A_gv);
            OLI_Printf(out, ",  f╬\\u╬r = %.1lf N/mm²"_cp, f_u);
            if (shear) OLI_Printf(out, ",  f╬\\y╬r = %.1lf N/mm²"_cp, f_y);
        }
    } else {
        OLI_Printf(out, "%sZugwiderstand (ohne Schubanteil) ", Report_Line_Prefix);
        OLI_Printf(out, "V╬\\eff,Rd╬r = (A╬\\nt╬r%sf╬\\u╬r) / └╬\\M2╬r = %.2lf kN"_cp, Times_Dot, V * 0.001);
        if (level >= 2) OLI_Printf(out, ",  A╬\\nt╬r = %.1lf mm²,  f╬\\u╬r = %.1lf N/mm²"_cp, A_nt, f_u);
    }
    OLI_Printf(out, "\n");
    return V;
}

double Compute_Angle_Net_Section_Resistance(int n, double e_1, double p_1, double e_2, double d_0, double t,
                                            double A_net, double f_y, double f_u, double gamma_M2, int block,
                                            FILE* stream, int level) {
    FILE* out = Formula_Stream(stream, level);
    if (gamma_M2 < Gamma_Min) {
        Print_Not_Determinable(out, "N╬\\u,Rd╬r"_cp);
        return Not_Determinable;
    }
    if (n <= 1 || p_1 < Zero) {
        const double N_u = 2.0 * (e_2 - 0.5 * d_0) * t * f_u / gamma_M2;
        if (out) {
            OLI_Printf(out, "%sTragfähigkeit N╬\\u,Rd╬r = 2%s(e╬\\2╬r-0.5%sd╬\\0╬r)%st%sf╬\\u╬r) / └╬\\M2╬r = %.2lf kN"_cp,
                       Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, Times_Dot, N_u * 0.001);
            if (level >= 2) OLI_Printf(out, ",  f╬\\u╬r = %.1lf N/mm²"_cp, f_u);
            OLI_Printf(out, "\n");
        }
        return N_u;
    }
    if (Edition_2010()) {
        const double beta = Angle_Beta(n, p_1, d_0);
        const char* index = n == 2 ? "2" : "3";
        const double N_u = beta * A_net * f_u / gamma_M2;
        if (out) {
            if (level >= 2)
                OLI_Printf(out, "%sAbminderungsbeiwert ╗╬\\%s╬r = %.2lf für p╬\\1╬r = %.1lf mm\n"_cp, Report_Line_Prefix,
                           index, beta, p_1);
            OLI_Printf(out, "%sTragfähigkeit N╬\\u,Rd╬r = (╗╬\\%s╬r%sA╬\\net,L╬r%sf╬\\u╬r) / └╬\\M2╬r = %.2lf kN"_cp,
                       Report_Line_Prefix, index, Times_Dot, Times_Dot, N_u * 0.001);
            if (level >= 2) OLI_Printf(out, ",  f╬\\u╬r = %.1lf N/mm²"_cp, f_u);
            OLI_Printf(out, "\n");
        }
        return N_u;
    }

    const double N_t = 0.75 * A_net * f_u / gamma_M2;
    if (out) {
        OLI_Printf(out, block ? "%sZugwiderstand "_cp : "%sTragfähigkeit N╬\\u,Rd╬r = "_cp, Report_Line_Prefix);
        OLI_Printf(out, "N╬\\t,Rd╬r = (0.75%sA╬\\net,L╬r%sf╬\\u╬r / └╬\\M2╬r = %.2lf kN"_cp, Times_Dot, Times_Dot,
                   N_t * 0.001);
        if (level >= 2) OLI_Printf(out, ",  A╬\\net,L╬r = %.1lf mm²,  f╬\\u╬r = %.1lf N/mm²"_cp, A_net, f_u);
        OLI_Printf(out, "\n");
    }
    if (!block) return N_t;
    if (out && level >= 2) OLI_Printf(out, "%sBlockversagen: ", Report_Line_Prefix);
    const double V_eff = Compute_Block_Tearing_Resistance(1, t, e_2 - d_0 / 2.0, e_1 + (n - 1) * (p_1 - d_0) - d_0 / 2.0,
                                                          e_1 + (n - 1) * p_1, f_y, f_u, 0.0, gamma_M2, stream, level);
    const double N_u = std::min(N_t, V_eff);
    if (out)
        OLI_Printf(out, "%sTragfähigkeit N╬\\u,Rd╬r = min(N╬\\t,Rd╬r, V╬\\eff,Rd╬r) = %.2lf kN\n"_cp,
                   Report_Line_Prefix, N_u * 0.001);
    return N_u;
}

void Print_Fastener_Group_Slip_Resistance(int n, const double* F_s_Rd, FILE* stream, int level) {
    FILE* out = Formula_Stream(stream, level);
    if (!out || n < 2 || !F_s_Rd) return;
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += F_s_Rd[i];
    if (level >= 2) Indent_More();
    OLI_Printf(out, "%sVerbindungsmittelgruppe mit %d Verbindungsmitteln (gleitfest)\n", Report_Line_Prefix, n);
    if (level >= 2) {
        Indent_More();
        OLI_Printf(out, "%sgleitfest:  ▓F╬\\t,Rd╬r = ▓F╬\\s,Rd,i╬r = %.2lf kN\n"_cp, Report_Line_Prefix, sum * 0.001);
        Indent_Less();
        Indent_Less();
    }
}

void Print_Fastener_Group_Resistance(int n, double f_y, const double* F_b_Rd, const double* F_v_Rd,
                                     const double* F_t_Rd, int plastic, FILE* stream, int level) {
    FILE* out = Formula_Stream(stream, level);
    const bool shear = F_b_Rd && F_v_Rd;
    if (!out || n < 2 || (!shear && !F_t_Rd)) return;
    // Plastic redistribution needs ductile fasteners: each shear resistance at least c times the
    // bearing resistance of the same fastener (c = 0.8 under the revised rules for ordinary steel).
    const double c = Edition_2010() || Is_High_Strength_Steel(f_y) ? 1.0 : 0.8;
    bool ductile = true;
    if (shear)
        for (int i = 0; i < n; ++i)
            if (F_v_Rd[i] < c * F_b_Rd[i] - Zero) ductile = false;
    const bool redistribute = plastic && ductile;

    OLI_Printf(out, "%sVerbindungsmittelgruppe mit %d Verbindungsmitteln\n", Report_Line_Prefix, n);
    if (shear) {
        double sum = 0.0, smallest = std::min(F_b_Rd[0], F_v_Rd[0]);
        for (int i = 0; i < n; ++i) {
            const double R = std::min(F_b_Rd[i], F_v_Rd[i]);
            sum += R;
            smallest = std::min(smallest, R);
        }
        const double total = redistribute ? sum : n * smallest;
        if (redistribute)
            OLI_Printf(out, "%splastische Umverteilung:  ▓F╬\\v,Rd╬r = ▓min(F╬\\b,Rd,i╬r,F╬\\v,Rd,i╬r) = %.2lf kN\n"_cp,
                       Report_Line_Prefix, total * 0.001);
        else
            OLI_Printf(out, "%selastische Verteilung:  ▓F╬\\v,Rd╬r = min(F╬\\b,Rd,i╬r,F╬\\v,Rd,i╬r)%sn╬\\s╬r = %.2lf kN\n"_cp,
                       Report_Line_Prefix, Times_Dot, total * 0.001);
        OLI_Printf(out, "%sTragfähigkeit%s ▓F╬\\v,Rd╬r = %.2lf kN\n"_cp, Report_Line_Prefix, Label_Separator(level),
                   total * 0.001);
    }
    if (F_t_Rd) {
        double sum = 0.0, smallest = F_t_Rd[0];
        for (int i = 0; i < n; ++i) {
            sum += F_t_Rd[i];
            smallest = std::min(smallest, F_t_Rd[i]);
        }
        if (redistribute)
            OLI_Printf(out, "%splastische Umverteilung:  ▓F╬\\t,Rd╬r = ▓F╬\\t,Rd,i╬r = %.2lf kN\n"_cp, Report_Line_Prefix,
                       sum * 0.001);
        else
            OLI_Printf(out, "%selastische Verteilung:  ▓F╬\\t,Rd╬r = min(F╬\\t,Rd,i╬r)%sn╬\\s╬r = %.2lf kN\n"_cp,
                       Report_Line_Prefix, Times_Dot, n * smallest * 0.001);
    }
}
