#include "frame/plate_resistances.h"

#include <algorithm>
#include <cmath>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

const double Sqrt_3 = std::sqrt(3.0);
// A partial factor at or below this is taken as not given.
constexpr double Gamma_Floor = 0.01;
// Under Code_Edition 1 the plastic shear resistance is reduced by this factor.
constexpr double Shear_Reduction_2025 = 1.27;
// Reduction factor of the net section in tension under Code_Edition 0.
constexpr double K_Net_2010 = 0.9;

}  // namespace

double Shear_Stress_Ratio(double a, double b) { return a / (Sqrt_3 * b); }
double Value_Ratio(double a, double b) { return a / b; }

double Plate_Shear_Resistance(double f_y, double f_u, double t, double h, double h_net, double gamma_M0,
                              double gamma_M2, FILE* stream, int detail, char symbol) {
    const char s[2] = {symbol ? symbol : 'h', '\0'};
    const bool edition_2025 = Current_Code_Edition == Code_Edition_2025;
    const bool plastic = gamma_M0 > Gamma_Floor;
    const bool net = gamma_M2 > Gamma_Floor && h_net < h - 0.01;
    double V_pl_Rd = 0, V_u_Rd = 0;
    if (plastic) V_pl_Rd = t * h * f_y / (Sqrt_3 * gamma_M0) / (edition_2025 ? Shear_Reduction_2025 : 1.0);
    if (net) V_u_Rd = t * h_net * f_u / (Sqrt_3 * gamma_M2);
    const double V_Rd = plastic && net ? std::min(V_pl_Rd, V_u_Rd) : plastic ? V_pl_Rd : V_u_Rd;
    if (!stream) return V_Rd;

    OLI_Printf(stream, "%sSchubtragfähigkeit V╬\\Rd╬r"_cp, Report_Line_Prefix);
    if (plastic && net) OLI_Printf(stream, " = min(V╬\\pl,Rd╬r, V╬\\u,Rd╬r)"_cp);
    OLI_Printf(stream, " = %.2lf kN\n", V_Rd * 0.001);
    if (plastic) {
        OLI_Printf(stream, "%sV╬\\pl,Rd╬r"_cp, Report_Line_Prefix);
        OLI_Printf(stream, " = (A╬\\v╬r%sf╬\\y╬r) / ("_cp, Times_Dot);
        if (edition_2025) OLI_Printf(stream, "1.27%s", Times_Dot);
        OLI_Printf(stream, "3╬/1/2╬r%s└╬\\M0╬r) = %.2lf kN"_cp, Times_Dot, V_pl_Rd * 0.001);
        if (detail > 1)
            OLI_Printf(stream, ",  A╬\\v╬r = %s%st = %.2lf cm²,  %s = %.1lf mm"_cp, s, Times_Dot, t * h * 0.01, s, h);
        OLI_Printf(stream, "\n");
    }
    if (net) {
        OLI_Printf(stream, "%sV╬\\u,Rd╬r"_cp, Report_Line_Prefix);
        OLI_Printf(stream, " = (A╬\\v,net╬r%sf╬\\u╬r) / (3╬/1/2╬r%s└╬\\M2╬r) = %.2lf kN"_cp, Times_Dot, Times_Dot,
                   V_u_Rd * 0.001);
        if (detail > 1)
            OLI_Printf(stream, ",  A╬\\v,net╬r = %s╬\\net╬r%st = %.2lf cm²,  %s╬\\net╬r = %.1lf mm"_cp, s, Times_Dot,
                       t * h_net * 0.01, s, h_net);
        OLI_Printf(stream, "\n");
    }
    return V_Rd;
}

double Plate_Torsion_Resistance(double f_y, double t, double h, double gamma_M0, FILE* stream, int detail,
                                char symbol) {
    if (gamma_M0 <= Gamma_Floor) return 0;
    const double tau_Rd = f_y / (Sqrt_3 * gamma_M0);
    if (tau_Rd <= Gamma_Floor) return 0;
    const char s[2] = {symbol ? symbol : 'h', '\0'};
    const double W_t = t * h * h / 6.0;
    const double M_Rd = W_t * tau_Rd;
    if (!stream) return M_Rd;
    OLI_Printf(stream, "%sSchubtragfähigkeit infolge Torsion M╬\\Rd╬r"_cp, Report_Line_Prefix);
    OLI_Printf(stream, " = W╬\\t╬r%sf╬\\y╬r / (3╬/1/2╬r%s└╬\\M0╬r) = %.2lf kNm"_cp, Times_Dot, Times_Dot, M_Rd * 1e-6);
    if (detail > 1) OLI_Printf(stream, ",  W╬\\t╬r = t%s%s²/6 = %.2lf cm·,  %s = %.1lf mm"_cp, Times_Dot, s, W_t * 0.001, s, h);
    OLI_Printf(stream, "\n");
    return M_Rd;
}

double Plate_Tension_Resistance(double f_y, double f_u, double t, double b, double b_net, double k, int net_yield,
                                double gamma_M0, double gamma_M2, FILE* stream, int detail) {
    const bool gross = gamma_M0 > Gamma_Floor;
    const bool has_net_section = b_net > 0.01 && b_net < b - 0.01;
    const bool net = has_net_section && (net_yield ? gamma_M0 > Gamma_Floor : gamma_M2 > Gamma_Floor);
    const double k_net = Current_Code_Edition == Code_Edition_2025 ? k : K_Net_2010;
    double N_pl_Rd = 0, N_net_Rd = 0;
    if (gross) N_pl_Rd = b * t * f_y / gamma_M0;
    if (net) N_net_Rd = net_yield ? b_net * t * f_y / gamma_M0 : k_net * b_net * t * f_u / gamma_M2;
    const double N_t_Rd = gross && net ? std::min(N_pl_Rd, N_net_Rd) : gross ? N_pl_Rd : N_net_Rd;
    if (!stream) return N_t_Rd;

    OLI_Printf(stream, "%sZugtragfähigkeit N╬\\t,Rd╬r"_cp, Report_Line_Prefix);
    if (gross && net) OLI_Printf(stream, net_yield ? " = min(N╬\\pl,Rd╬r, N╬\\net,Rd╬r)"_cp : " = min(N╬\\pl,Rd╬r, N╬\\u,Rd╬r)"_cp);
    OLI_Printf(stream, " = %.2lf kN\n", N_t_Rd * 0.001);
    if (gross) {
        OLI_Printf(stream, "%sN╬\\pl,Rd╬r = (A%sf╬\\y╬r) / └╬\\M0╬r = %.2lf kN"_cp, Report_Line_Prefix, Times_Dot,
                   N_pl_Rd * 0.001);
        if (detail > 1) OLI_Printf(stream, ",  A = b%st = %.2lf cm²,  b = %.1lf mm"_cp, Times_Dot, b * t * 0.01, b);
        OLI_Printf(stream, "\n");
    }
    if (net) {
        if (net_yield) {
            OLI_Printf(stream, "%sN╬\\net,Rd╬r = (A╬\\net╬r%sf╬\\y╬r) / └╬\\M0╬r = %.2lf kN"_cp, Report_Line_Prefix,
                       Times_Dot, N_net_Rd * 0.001);
        } else {
            OLI_Printf(stream, "%sN╬\\u,Rd╬r = (k%sA╬\\net╬r%sf╬\\u╬r) / └╬\\M2╬r = %.2lf kN"_cp, Report_Line_Prefix,
                       Times_Dot, Times_Dot, N_net_Rd * 0.001);
            OLI_Printf(stream, ",  k = %.2lf", k_net);
        }
        if (detail > 1)
            OLI_Printf(stream, ",  A╬\\net╬r = b╬\\net╬r%st = %.2lf cm²,  b╬\\net╬r = %.1lf mm"_cp, Times_Dot,
                       b_net * t * 0.01, b_net);
        OLI_Printf(stream, "\n");
    }
    return N_t_Rd;
}
