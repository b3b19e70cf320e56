#include "sketches/bolt_group.h"

#include <cmath>
#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

Bolt_Group_Result Last_Bolt_Group;

namespace {

constexpr double Small = 0.001;   // N, Nmm, mm²: below this a value counts as none

double Weight(const double* f, int i) { return f ? f[i] : 1.0; }

void Set(double* out, double v) {
    if (out) *out = v;
}

void Write_Undeterminable(FILE* stream) {
    OLI_Printf(stream, "%sMaximale Beanspruchung nicht ermittelbar %s\n", Report_Line_Prefix,
               Mark_Error());
}

// The formula of the shares, with the weights as factors when there are any.
void Write_Share_Formula(FILE* stream, bool weighted) {
    if (!weighted) {
        OLI_Printf(stream,
                   "%sT╬\\y,i╬r = V╬\\y╬r'/A' - M╬\\x╬r'/I╬\\p╬r'%sz╬\\i╬r',  "
                   "T╬\\z,i╬r = V╬\\z╬r'/A' + M╬\\x╬r'/I╬\\p╬r'%sy╬\\i╬r'\n"_cp,
                   Report_Line_Prefix, Times_Dot, Times_Dot);
        return;
    }
    OLI_Printf(stream,
               "%sT╬\\y,i╬r = f╬\\vt,i╬r%s(V╬\\y╬r'/A' - M╬\\x╬r'/I╬\\p╬r'%sz╬\\i╬r'),  "
               "T╬\\z,i╬r = f╬\\vt,i╬r%s(V╬\\z╬r'/A' + M╬\\x╬r'/I╬\\p╬r'%sy╬\\i╬r')\n"_cp,
               Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, Times_Dot);
}

}  // namespace

void Compute_Bolt_Group_Properties(int n, const double* y, const double* z, const double* f,
                                   double* y_s, double* z_s, double* A, double* S_zz,
                                   double* S_yy, double* I_p, int mode, double y_0, double z_0) {
    double a = 0, sy = 0, sz = 0;
    if (n >= 1 && y && z)
        for (int i = 0; i < n; ++i) {
            a += Weight(f, i);
            sy += Weight(f, i) * y[i];
            sz += Weight(f, i) * z[i];
        }
    else
        n = 0;
    const double ys = a > Small ? sy / a : 0;
    const double zs = a > Small ? sz / a : 0;
    const double yr = mode == 0 ? ys : mode == 1 ? 0 : y_0;
    const double zr = mode == 0 ? zs : mode == 1 ? 0 : z_0;
    double szz = 0, syy = 0;
    for (int i = 0; i < n; ++i) {
        szz += Weight(f, i) * (z[i] - zr) * (z[i] - zr);
        syy += Weight(f, i) * (y[i] - yr) * (y[i] - yr);
    }
    Set(y_s, ys);
    Set(z_s, zs);
    Set(A, a);
    Set(S_zz, szz);
    Set(S_yy, syy);
    Set(I_p, syy + szz);
}

double Print_Eccentric_Bolt_Group(int n, const double* y, const double* z, const double* f,
                                  double V_y, double V_z, double M_x, double y_F, double z_F,
                                  int point, int, double* T_y, double* T_z, int* out,
                                  FILE* stream, int) {
    Set(T_y, 0);
    Set(T_z, 0);
    if (out) *out = 0;
    if (std::fabs(V_y) < Small && std::fabs(V_z) < Small && std::fabs(M_x) < Small) return 0;

    bool finite = std::isfinite(V_y) && std::isfinite(V_z) && std::isfinite(M_x) &&
                  std::isfinite(y_F) && std::isfinite(z_F);
    for (int i = 0; finite && y && z && i < n; ++i)
        finite = std::isfinite(y[i]) && std::isfinite(z[i]) && std::isfinite(Weight(f, i));
    if (!finite) {
        if (stream) Write_Undeterminable(stream);
        return -1;
    }
    Bolt_Group_Result& g = Last_Bolt_Group;
    Compute_Bolt_Group_Properties(n, y, z, f, &g.y_s, &g.z_s, &g.A, &g.S_zz, &g.S_yy, &g.I_p, 0,
                                  0, 0);
    if (!(g.A > Small)) {
        // No fasteners or no weights: there is nothing to share the load.
        if (stream) Write_Undeterminable(stream);
        return -1;
    }
    const double M = M_x - V_y * (z_F - g.z_s) + V_z * (y_F - g.y_s);
    if (stream) {
        OLI_Printf(stream, "%sSchwerpunktskoordinaten  y╬\\s╬r' = %.1lf mm,  z╬\\s╬r' = %.1lf mm\n"_cp,
                   Report_Line_Prefix, g.y_s, g.z_s);
        OLI_Printf(stream,
                   "%sQuerschnittsfläche  A' = n╬\\x╬r%sn╬\\z╬r = %.0lf,  polares Trägheitsmoment "
                   "I╬\\p╬r' = ▓y╬\\i╬r'² + ▓z╬\\i╬r'² = %.2lf cm²\n"_cp,
                   Report_Line_Prefix, Times_Dot, g.A, g.I_p / 100);
        OLI_Printf(stream,
                   "%sSchnittgrößen im Schwerpunkt  V╬\\y╬r' = %.1lf kN,  V╬\\z╬r' = %.1lf kN,  "
                   "M╬\\x╬r' = %.2lf kNm\n"_cp,
                   Report_Line_Prefix, V_y / 1000, V_z / 1000, M / 1e6);
    }
    const bool twist = std::fabs(M) >= Small;
    if (twist && !(g.I_p > Small)) {
        // A moment on fasteners in one point (or one line through the centroid) cannot be taken.
        if (stream) {
            const std::string note = Format_Text(
                "I╬\\p╬r' = 0: Das Exzentrizitätsmoment M' = %.2lf kNm kann nicht aufgenommen "
                "werden (n╬\\x╬r%sn╬\\z╬r < 2)"_cp,
                M / 1e6, Times_Dot);
            Write_Note_Line(stream, note.c_str());
            Write_Undeterminable(stream);
        }
        return -1;
    }
    const double m = twist ? M / g.I_p : 0;
    if (stream) Write_Share_Formula(stream, f != nullptr);

    double T_max = 0;
    int largest = 0;
    for (int i = 0; i < n; ++i) {
        const double yi = y[i] - g.y_s, zi = z[i] - g.z_s;
        const double ty = Weight(f, i) * (V_y / g.A - m * zi);
        const double tz = Weight(f, i) * (V_z / g.A + m * yi);
        const double t = std::sqrt(ty * ty + tz * tz);
        if (largest == 0 || t > T_max) {
            T_max = t;
            largest = i + 1;
        }
        if (i != point) continue;
        Set(T_y, ty);
        Set(T_z, tz);
        if (!stream) continue;
        const int k = i + 1;
        OLI_Printf(stream, "%s%s %d: ╬t"_cp, Report_Line_Prefix, "Punkt", k);
        OLI_Printf(stream, "y╬\\%d╬r' = %.1lf mm ╬tz╬\\%d╬r' = %.1lf mm ╬t"_cp, k, yi, k, zi);
        if (std::fabs(tz) < Small)
            OLI_Printf(stream, "T╬\\%d╬r = T╬\\y,%d╬r = %.2lf kN\n"_cp, k, k, ty / 1000);
        else if (std::fabs(ty) < Small)
            OLI_Printf(stream, "T╬\\%d╬r = T╬\\z,%d╬r = %.2lf kN\n"_cp, k, k, tz / 1000);
        else
            OLI_Printf(stream, "T╬\\y,%d╬r = %.2lf kN ╬tT╬\\z,%d╬r = %.2lf kN ╬tT╬\\%d╬r = %.2lf kN\n"_cp,
                       k, ty / 1000, k, tz / 1000, k, t / 1000);
    }
    if (out) *out = largest;
    if (stream && point < 0)
        OLI_Printf(stream,
                   "%sMaximale Beanspruchung  max T╬\\i╬r = T╬\\%d╬r = %.2lf kN  bei %d Schrauben\n"_cp,
                   Report_Line_Prefix, largest, T_max / 1000, n);
    return T_max;
}

double Compute_Epsilon(double f_y, double E, FILE* stream) {
    if (!(f_y >= Small)) return 0;
    if (!std::isfinite(f_y) || !std::isfinite(E)) return 0;
    if (!(E >= Small)) E = 210000;
    const double eps = std::sqrt(E * 235 / f_y / 210000);
    if (!stream) return eps;
    const bool steel = std::fabs(235 / f_y) > 0.1;
    const bool modulus = std::fabs(E - 210000) > 1;
    OLI_Printf(stream, "%s", "╛"_cp);
    if (steel) {
        OLI_Printf(stream, " = (");
        OLI_Printf(stream, "235/%.0lf", f_y);
        if (modulus) {
            OLI_Printf(stream, "%s", Times_Dot);
            OLI_Printf(stream, "%.0lf/210000", E);
        }
        OLI_Printf(stream, "%s", ")╬/0.5╬r"_cp);
    } else if (modulus) {
        OLI_Printf(stream, " = (");
        OLI_Printf(stream, "%.0lf/210000", E);
        OLI_Printf(stream, "%s", ")╬/0.5╬r"_cp);
    }
    OLI_Printf(stream, " = %.3lf", eps);
    return eps;
}
