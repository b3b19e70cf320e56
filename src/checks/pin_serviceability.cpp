// Serviceability of a replaceable pin (EN 1993-1-8 Table 3.10): bearing resistance F_b,Rd,ser, the
// contact stress σ_h,Ed of the eye bar on the pin and its limit f_h,Rd.
#include <algorithm>
#include <cmath>

#include "checks/bolt_lines.h"
#include "checks/pin_resistances.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Zero = 0.001;   // N, N/mm², mm³

const Plate& Eye_Bar(const Bolt_Connection& C, int eye_bar) { return eye_bar == 1 ? C.plate_1 : C.plate_2; }

// f_y,min of the eye bar and the pin material.
double Yield_Min(const Bolt_Connection& C, int eye_bar) {
    return std::min(Eye_Bar(C, eye_bar).material.f_y, C.fastener.material.f_y);
}

double Gamma_M6_Ser_Of(const Bolt_Connection& C) { return Context_Gamma(C.context, Gamma_M6_Ser); }

}  // namespace

int Compute_Pin_Bearing_Resistance_SLS(Bolt_Connection* connection, FILE* stream, int level, int eye_bar) {
    if (!connection || (eye_bar != 1 && eye_bar != 2)) return 0;
    Bolt_Connection& C = *connection;
    double& field = eye_bar == 1 ? C.results.F_b_Rd_ser_1 : C.results.F_b_Rd_ser_2;
    FILE* out = Formula_Stream(stream, level);
    const double gamma = Gamma_M6_Ser_Of(C);
    if (gamma < Gamma_Min) {
        Print_Not_Determinable(out, "F╬\\b,Rd,ser╬r"_cp);
        return Store_Resistance(field, Not_Determinable);
    }
    const double t = Eye_Bar(C, eye_bar).t;
    const double f_y_min = Yield_Min(C, eye_bar);
    const double F_b = 0.6 * C.fastener.d_pin * t * f_y_min / gamma;
    if (out) {
        OLI_Printf(out,
                   "%sLochleibungstragfähigkeit im GZG%s F╬\\b,Rd,ser╬r = (0.6%sf╬\\y,min╬r%sd%st) / └╬\\M6,ser╬r = %.2lf kN"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, Times_Dot, F_b * 0.001);
        if (level >= 2) OLI_Printf(out, ",  f╬\\y,min╬r = %.1lf N/mm²,  t = %.1lf mm"_cp, f_y_min, t);
        OLI_Printf(out, "\n");
    }
    return Store_Resistance(field, F_b);
}

int Compute_Pin_Contact_Stress(Bolt_Connection* connection, FILE* stream, int level, int eye_bar) {
    if (!connection || (eye_bar != 1 && eye_bar != 2) || connection->fastener.type != Fastener_Pin) return 0;
    Bolt_Connection& C = *connection;
    const Fastener& P = C.fastener;
    const Plate& bar = Eye_Bar(C, eye_bar);
    // Each outer eye bar of a double-shear connection carries half the force. A negative design
    // force acts as none.
    const bool half = eye_bar == 2 && C.shear_planes == 2;
    const double F = std::max(C.F_v_Ed_ser, 0.0) * (half ? 0.5 : 1.0);
    const double d = P.d_pin, t = bar.t;
    double sigma = Not_Determinable;
    if (d * d * t > Zero) {
        const double R = bar.material.E * F * (P.d_0 - d) / (d * d * t);
        if (R <= -Zero)
            sigma = Not_Determinable;
        else if (R < Zero)
            sigma = 0.0;
        else
            sigma = 0.591 * std::sqrt(R);
    }
    FILE* out = Formula_Stream(stream, level);
    if (out && sigma != Not_Determinable) {
        OLI_Printf(out,
                   "%sLochleibungsspannung%s ╠╬\\h,Ed╬r = 0.591%s(E%sF╬\\b,Ed,ser╬r%s(d╬\\0╬r-d)/(d²%st))╬/1/2╬r = %.1lf N/mm²"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, Times_Dot, Times_Dot, Times_Dot, sigma);
        if (half && level >= 2) OLI_Printf(out, ", F╬\\b,Ed,ser╬r = F╬\\Ed,ser╬r/2"_cp);
        OLI_Printf(out, "\n");
    }
    return Store_Resistance(eye_bar == 1 ? C.results.sigma_h_Ed_1 : C.results.sigma_h_Ed_2, sigma);
}

int Compute_Allowable_Contact_Stress(Bolt_Connection* connection, FILE* stream, int level, int eye_bar) {
    if (!connection || (eye_bar != 1 && eye_bar != 2) || connection->fastener.type != Fastener_Pin) return 0;
    Bolt_Connection& C = *connection;
    double& field = eye_bar == 1 ? C.results.f_h_Rd_1 : C.results.f_h_Rd_2;
    FILE* out = Formula_Stream(stream, level);
    const double gamma = Gamma_M6_Ser_Of(C);
    if (gamma < Gamma_Min) {
        Print_Not_Determinable(out, "f╬\\h,Rd╬r"_cp);
        return Store_Resistance(field, Not_Determinable);
    }
    const double f_y = Yield_Min(C, eye_bar);
    const double f_h = 2.5 * f_y / gamma;
    if (out) {
        OLI_Printf(out, "%szul. Lochleibungsspannung%s f╬\\h,Rd╬r = (2.5%sf╬\\y╬r) / └╬\\M6,ser╬r = %.2lf N/mm²"_cp,
                   Report_Line_Prefix, Label_Separator(level), Times_Dot, f_h);
        if (level >= 2) OLI_Printf(out, ",  f╬\\y╬r = %.1lf N/mm²"_cp, f_y);
        OLI_Printf(out, "\n");
    }
    return Store_Resistance(field, f_h);
}
