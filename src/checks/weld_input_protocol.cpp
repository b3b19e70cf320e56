#include "checks/weld_input_protocol.h"

#include <algorithm>
#include <cmath>

#include "checks/report_indent.h"
#include "checks/weld_description.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr const char* S_ = Subscript_Perpendicular;
constexpr const char* P_ = Subscript_Parallel;

bool Given(double value) { return std::fabs(value) > 0.001; }

void Print_Plates(const Weld_Connection& c, FILE* stream, int extra) {
    const bool uniform = c.context.uniform_steel;
    const int options =
        uniform ? Plate_Option_Thickness : Plate_Option_Thickness | Plate_Option_Beta_W | Plate_Option_Material;
    if (Is_Slot_Or_Plug(c.weld.type)) {
        OLI_Printf(stream, "%s╬HAnschlussblech\n"_cp, Report_Line_Prefix);
        Report_Block_Indent block(stream);
        OLI_Printf(stream, "%sBlech 1 mit ", Report_Line_Prefix);
        Print_Plate(&c.plate1, stream, options, extra, "");
        if (uniform) Print_Plate_Material(&c.plate1.material, stream, Plate_Option_Beta_W, extra, "");
        return;
    }
    OLI_Printf(stream, "%s╬HAnschlussbleche\n"_cp, Report_Line_Prefix);
    Report_Block_Indent block(stream);
    OLI_Printf(stream, "%sBlech 1 mit ", Report_Line_Prefix);
    Print_Plate(&c.plate1, stream, options, extra, "1");
    OLI_Printf(stream, "%sBlech 2 mit ", Report_Line_Prefix);
    Print_Plate(&c.plate2, stream, options, extra, "2");
    if (c.weld.type == Weld_Fillet && c.packing)
        OLI_Printf(stream, "%sFutterblech mit Dicke t╬\\p╬r = %.1lf mm\n"_cp, Report_Line_Prefix, c.t_p);
    if (uniform) Print_Plate_Material(&c.plate1.material, stream, Plate_Option_Beta_W, extra, "");
}

void Print_Section_Forces(const Weld_Connection& c, FILE* stream) {
    auto shear = [&](const char* format) {
        if (Given(c.V_par_Ed)) OLI_Printf(stream, format, Report_Line_Prefix, "parallel", P_, c.V_par_Ed * 0.001);
        if (Given(c.V_perp_Ed)) OLI_Printf(stream, format, Report_Line_Prefix, "senkrecht", S_, c.V_perp_Ed * 0.001);
    };
    if (Is_Slot_Or_Plug(c.weld.type)) {
        OLI_Printf(stream, "%sBemessungsschnittgrößen im Anschlussblech 1\n"_cp, Report_Line_Prefix);
        shear("%sQuerkraft %s zur Nahtlängsachse  V╬\\%s,Ed╬r = %.2lf kN\n"_cp);
        return;
    }
    OLI_Printf(stream, "%sBemessungsschnittgrößen im Anschlussblech 2\n"_cp, Report_Line_Prefix);
    if (Given(c.N_Ed))
        OLI_Printf(stream, "%sNormalkraft  N╬\\Ed╬r = %.2lf kN\n"_cp, Report_Line_Prefix, c.N_Ed * 0.001);
    if (Given(c.M_par_Ed))
        OLI_Printf(stream, "%sBiegemoment parallel zur Nahtachse  M╬\\%s,Ed╬r = %.2lf kNm\n"_cp, Report_Line_Prefix, P_,
                   c.M_par_Ed * 0.001);
    if (Given(c.M_perp_Ed))
        OLI_Printf(stream, "%sBiegemoment senkrecht zur Nahtachse  M╬\\%s,Ed╬r = %.2lf kNm\n"_cp, Report_Line_Prefix,
                   S_, c.M_perp_Ed * 0.001);
    shear("%sQuerkraft %s zur Nahtachse  V╬\\%s,Ed╬r = %.2lf kN\n"_cp);
    if (c.side != Weld_Two_Sided && (Given(c.N_Ed) || Given(c.M_par_Ed)))
        OLI_Printf(
            stream,
            "%seinseitige Schweißnaht (%s), Zusatzspannungen aus exzentrischer Belastung werden berücksichtigt\n"_cp,
            Report_Line_Prefix, c.side == Weld_One_Sided_Left ? "links" : "rechts");
}

// Forces per unit length as given; with a weld length their totals over the weld (kN).
void Print_Line_Forces(const Weld_Connection& c, FILE* stream) {
    const Weld& w = c.weld;
    const char* each = c.side == Weld_Two_Sided ? " (je Naht)" : "";
    const bool with_length = w.l_w > 0.1 && (w.type == Weld_Fillet || w.type == Weld_Butt);
    const double L = w.type == Weld_Fillet && !w.full_length ? w.l_w - 2.0 * w.a : w.l_w;
    auto force = [&](const char* unit_kN, const char* unit_kN_m, double F) {
        if (with_length)
            OLI_Printf(stream, unit_kN, L * F * 1e-6);
        else
            OLI_Printf(stream, unit_kN_m, F * 0.001);
    };
    if (!(c.flags & Weld_Flag_Directional)) {
        OLI_Printf(stream, "%sBemessungskraft in der Schweißnaht%s"_cp, Report_Line_Prefix, each);
        if (Given(c.F_w_Ed)) force("  F╬\\w,Ed╬r = %.2lf kN"_cp, "  F╬\\w,Ed╬r = %.2lf kN/m"_cp, c.F_w_Ed);
        OLI_Printf(stream, "\n");
        return;
    }
    OLI_Printf(stream, "%sBemessungskräfte in der Schweißnaht%s\n"_cp, Report_Line_Prefix, each);
    auto line = [&](const char* text, const char* symbol, const char* sub, double F) {
        if (!Given(F)) return;
        OLI_Printf(stream, "%s%s  F╬\\Ed╬r(%s╬\\%s╬r) = "_cp, Report_Line_Prefix, text, symbol, sub);
        force("%.2lf kN\n", "%.2lf kN/m\n", F);
    };
    line("senkrecht zur Schweißnahtebene"_cp, "╠"_cp, S_, c.F_sigma_perp);
    line("senkrecht zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r"_cp, "╓"_cp, S_, c.F_tau_perp);
    line("parallel zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r"_cp, "╓"_cp, P_, c.F_tau_par);
}

void Print_Stresses(const Weld_Connection& c, FILE* stream) {
    if (!(c.flags & Weld_Flag_Directional)) {
        if (c.sigma_w_Ed > 0.001)
            OLI_Printf(stream, "%sBemessungsspannung in der Schweißnaht  ╠╬\\w,Ed╬r = %.1lf N/mm²\n"_cp,
                       Report_Line_Prefix, c.sigma_w_Ed);
        return;
    }
    OLI_Printf(stream, "%sBemessungsspannungen in der Schweißnaht\n"_cp, Report_Line_Prefix);
    auto line = [&](const char* text, const char* symbol, const char* sub, double value) {
        if (Given(value))
            OLI_Printf(stream, "%s%s  %s╬\\%s,Ed╬r = %.1lf N/mm²\n"_cp, Report_Line_Prefix, text, symbol, sub, value);
    };
    line("senkrecht zur Schweißnahtebene"_cp, "╠"_cp, S_, c.sigma_perp);
    line("senkrecht zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r"_cp, "╓"_cp, S_, c.tau_perp);
    line("parallel zur Schweißnahtachse ╬S(in der Schweißnahtebene)╬r"_cp, "╓"_cp, P_, c.tau_par);
}

}   // namespace

void Print_Weld_Input(const Weld_Connection& c, FILE* stream, int extra) {
    const int high_strength_plates = Is_High_Strength_Steel(std::max(c.plate1.material.f_y, c.plate2.material.f_y));
    if (!stream) return;
    OLI_Printf(stream, "%s╬HVerbindungsmittel\n"_cp, Report_Line_Prefix);
    {
        Report_Block_Indent block(stream);
        Print_Weld_Description(c.weld, c.side, c.packing, high_strength_plates, stream, extra, 0);
    }
    Print_Plates(c, stream, extra);
    if (!c.context.verification) return;

    OLI_Printf(stream, "%s╬HNachweise\n"_cp, Report_Line_Prefix);
    Report_Block_Indent block(stream);
    if (c.weld.type != Weld_Plug)
        OLI_Printf(
            stream,
            c.flags & Weld_Flag_Directional ? "%srichtungsbezogenes Verfahren\n"_cp : "%svereinfachtes Verfahren\n"_cp,
            Report_Line_Prefix);
    switch (c.force_mode) {
        case Weld_Section_Forces:
            Print_Section_Forces(c, stream);
            break;
        case Weld_Line_Forces:
            Print_Line_Forces(c, stream);
            break;
        case Weld_Stresses:
            Print_Stresses(c, stream);
            break;
        default:
            break;
    }
}
