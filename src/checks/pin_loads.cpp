// Load distribution on the pin (EN 1993-1-8 Table 3.10): the moment and shear of the load
// situations, and the force on one outer eye bar.
#include "checks/bolt_lines.h"
#include "checks/pin_resistances.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

bool Edition_2025() { return Current_Code_Edition == Code_Edition_2025; }

// The design force of the pin check and the suffix of its symbols.
double Pin_Force(const Bolt_Connection& C, int serviceability) { return serviceability ? C.F_v_Ed_ser : C.F_v_Ed; }
const char* Suffix(int serviceability) { return serviceability ? ",ser" : ""; }

}  // namespace

double Pin_Beta(const Bolt_Connection& C) {
    const double t1 = C.plate_1.t, t2 = C.plate_2.t, dt = C.delta_t;
    const double denominator = 2.0 * (t1 + t2) + 4.0 * dt;
    return denominator > 0.0 ? (t1 + t2 + 4.0 * dt) / denominator : 0.5;
}

void Compute_Pin_Moment_And_Shear(const Bolt_Connection* connection, int situation, int serviceability,
                                  double* moment, double* shear, FILE* stream, int level) {
    if (!connection) return;
    const Bolt_Connection& C = *connection;
    const double F = Pin_Force(C, serviceability);
    const double t1 = C.plate_1.t, t2 = C.plate_2.t, dt = C.delta_t;
    const double L = (t1 + 4.0 * dt + 2.0 * t2) / 8.0;
    if (L < 0.0) return;
    const bool edition_2025 = Edition_2025();
    const double beta = Pin_Beta(C);

    // Moments in N·mm here, stored in N·m.
    double M = 0.0, V = 0.0;
    if (!edition_2025) {
        M = F * L;
        V = F;
    } else {
        switch (situation) {
        case 0:   // symmetric, maximum moment
            M = F * L;
            break;
        case 1:   // symmetric, maximum shear
            M = F * (t2 + 2.0 * dt) / 4.0;
            V = F / 2.0;
            break;
        case 2:   // asymmetric, maximum shear
            M = beta * F * t2 / 2.0;
            V = beta * F;
            break;
        case 3:   // asymmetric, high shear with high moment
            M = (1.0 - beta) * F * (t2 + 4.0 * dt) / 2.0;
            V = (1.0 - beta) * F;
            break;
        default:
            if (moment) *moment = 0.0;
            if (shear) *shear = 0.0;
            return;
        }
    }
    if (moment) *moment = M * 0.001;
    if (shear) *shear = V;

    FILE* out = Formula_Stream(stream, level);
    if (!out || (!moment && !shear)) return;
    const char* sep = Label_Separator(level);
    const char* s = Suffix(serviceability);
    const int code = edition_2025 ? situation : -1;   // -1: the one distribution of Code_Edition 0
    const double M_kNm = M * 1e-6;

    if (moment) {
        switch (code) {
        case -1:
            OLI_Printf(out, "%sBiegemoment%s M╬\\Ed%s╬r = F╬\\Ed%s╬r %s (t╬\\1╬r+4%sút+2%st╬\\2╬r)/8 = %.2lf kNm"_cp,
                       Report_Line_Prefix, sep, s, s, Times_Dot, Times_Dot, Times_Dot, M_kNm);
            break;
        case 0:
            OLI_Printf(out, "%sBiegemoment%s M╬\\Ed%s╬r = F╬\\Ed%s╬r%s(t╬\\1╬r+4%sút+2%st╬\\2╬r)/8 = %.2lf kNm"_cp,
                       Report_Line_Prefix, sep, s, s, Times_Dot, Times_Dot, Times_Dot, M_kNm);
            break;
        case 1:
            OLI_Printf(out, "%sBiegemoment%s M╬\\Ed%s╬r = F╬\\Ed%s╬r %s (2%sút+t╬\\2╬r)/4 = %.2lf kNm"_cp, Report_Line_Prefix,
                       sep, s, s, Times_Dot, Times_Dot, M_kNm);
            break;
        case 2:
            OLI_Printf(out, "%sBiegemoment%s M╬\\Ed%s╬r = ║%sF╬\\Ed%s╬r %s t╬\\2╬r/2 = %.2lf kNm"_cp, Report_Line_Prefix, sep,
                       s, Times_Dot, s, Times_Dot, M_kNm);
            break;
        default:
            OLI_Printf(out, "%sBiegemoment%s M╬\\Ed%s╬r = (1-║)%sF╬\\Ed%s╬r %s (t╬\\2╬r+4%sút)/2 = %.2lf kNm"_cp,
                       Report_Line_Prefix, sep, s, Times_Dot, s, Times_Dot, Times_Dot, M_kNm);
            break;
        }
    }
    // Situation 1 carries no shear: its moment stands on a line of its own, the shear on the next.
    if (code == 0) {
        if (moment) {
            if (level >= 2) OLI_Printf(out, ", t╬\\1╬r = %.1lf mm, t╬\\2╬r = %.1lf mm, út = %.1lf mm"_cp, t1, t2, dt);
            OLI_Printf(out, "\n");
        }
        if (shear) OLI_Printf(out, "%sScherkraft%s F╬\\v,Ed%s╬r = 0\n"_cp, Report_Line_Prefix, sep, s);
        return;
    }
    if (shear) {
        OLI_Printf(out, moment ? ", " : Report_Line_Prefix);
        const double V_kN = V * 0.001;
        switch (code) {
        case -1:
            OLI_Printf(out, "Scherkraft%s F╬\\v,Ed%s╬r = F╬\\Ed%s╬r = %.2lf kN"_cp, sep, s, s, V_kN);
            break;
        case 1:
            OLI_Printf(out, "Scherkraft%s F╬\\v,Ed%s╬r = F╬\\Ed%s╬r/2 = %.2lf kN"_cp, sep, s, s, V_kN);
            break;
        case 2:
            OLI_Printf(out, "Scherkraft%s F╬\\v,Ed%s╬r = ║%sF╬\\Ed%s╬r = %.2lf kN"_cp, sep, s, Times_Dot, s, V_kN);
            break;
        default:
            OLI_Printf(out, "Scherkraft%s F╬\\v,Ed%s╬r = (1-║)%sF╬\\Ed%s╬r = %.2lf kN"_cp, sep, s, Times_Dot, s, V_kN);
            break;
        }
    }
    if (code >= 2) OLI_Printf(out, ", ║ = %.3lf"_cp, beta);
    if (level >= 2) {
        if (code == -1)
            OLI_Printf(out, ", t╬\\1╬r = %.1lf mm, t╬\\2╬r = %.1lf mm, út = %.1lf mm"_cp, t1, t2, dt);
        else if (code == 1)
            OLI_Printf(out, ", t╬\\2╬r = %.1lf mm, út = %.1lf mm"_cp, t2, dt);
        else
            OLI_Printf(out, ", t╬\\2╬r = %.1lf mm"_cp, t2);
    }
    OLI_Printf(out, "\n");
}

double Compute_Outer_Eye_Bar_Force(const Bolt_Connection* connection, int serviceability, FILE* stream, int level) {
    if (!connection) return 0.0;
    const Bolt_Connection& C = *connection;
    const double factor = Edition_2025() ? Pin_Beta(C) : 0.5;
    const double F = factor * Pin_Force(C, serviceability);
    if (FILE* out = Formula_Stream(stream, level)) {
        const char* s = Suffix(serviceability);
        OLI_Printf(out, "%sScherkraft%s F╬\\b,Ed%s╬r = %.3lf%sF╬\\Ed%s╬r = %.2lf kN\n"_cp, Report_Line_Prefix,
                   Label_Separator(level), s, factor, Times_Dot, s, F * 0.001);
    }
    return F;
}
