// Slip resistance of a preloaded bolt, EN 1993-1-8 3.9: F_s,Rd = k_s n μ F_p,C / γM3 at the ultimate
// limit state (category C) and with γM3,ser at the serviceability limit state (category B), each
// reduced by 0.8 F_t,Ed when the bolt also carries tension (EN 1993-1-8 3.9.2).
#include "checks/bolt_lines.h"
#include "checks/bolt_resistances.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Zero = 0.001;   // N
constexpr double Given_Preload_Tolerance = 0.1;   // N above the computed preload that a given one may lie

bool In_Table(int slip_class) { return slip_class >= 0 && slip_class < Slip_Class_Count; }

// What differs between the two limit states.
struct Slip_State {
    bool serviceability;
    const char* heading;
    const char* hole_names[6];
    const char* combined_label;     // label of the combined case, with its separator
    const char* combined_formula;
    const char* plain_label;
};

const Slip_State ULS = {
    false,
    "%sBemessungswert des Gleitwiderstands:\n"_cp,
    {"normales Lochspiel"_cp, "übergroßes Loch"_cp, "kurzes Langloch %s zur Kraftrichtung"_cp,
     "kurzes Langloch %s zur Kraftrichtung"_cp, "großes Langloch %s zur Kraftrichtung"_cp,
     "großes Langloch %s zur Kraftrichtung"_cp},
    "%sGleitwiderstand im GZT (kombinierte Scher- und Zugbeanspr.)%s\n"_cp,
    "%s  F╬\\s,Rd╬r = (k╬\\s╬r%sn%s╞%s(F╬\\p,C╬r-0.8%sF╬\\t,Ed╬r)) / └╬\\M3╬r = %.2lf kN"_cp,
    "%sGleitwiderstand im GZT%s F╬\\s,Rd╬r = (k╬\\s╬r%sn%s╞%sF╬\\p,C╬r) / └╬\\M3╬r = %.2lf kN"_cp,
};

const Slip_State SLS = {
    true,
    "%sBemessungswert des Gleitwiderstands im GZG:\n"_cp,
    {"normales Lochspiel"_cp, "übergroßes Loch"_cp, "kurzes Langloch, Längsachse quer zur Kraftrichtung"_cp,
     "kurzes Langloch, Längsachse parallel zur Kraftrichtung"_cp, "großes Langloch, Längsachse quer zur Kraftrichtung"_cp,
     "großes Langloch, Längsachse parallel zur Kraftrichtung"_cp},
    "%sGleitwiderstand im GZG (kombinierte Scher- und Zugbeanspr.)%s\n"_cp,
    "%s  F╬\\s,Rd,ser╬r = (k╬\\s╬r%sn%s╞%s(F╬\\p,C╬r-0.8%sF╬\\t,Ed,ser╬r)) / └╬\\M3,ser╬r = %.2lf kN"_cp,
    "%sGleitwiderstand im GZG%s F╬\\s,Rd,ser╬r = (k╬\\s╬r%sn%s╞%sF╬\\p,C╬r) / └╬\\M3,ser╬r = %.2lf kN"_cp,
};

// The preload of the slip check at either limit state: the computed F_p,C = 0.7 f_ub A_s, or a given
// smaller one, which the bolt then carries in service as well. Prints "F_p,C = ..." as a
// continuation.
double Slip_Preload(const Fastener& F, FILE* out, int level) {
    const double computed = Compute_Preload_Force(F.f_ub, F.A_s, 0.0, nullptr, 0);
    if (F.F_pC_given > Zero && F.F_pC_given < computed + Given_Preload_Tolerance) {
        if (out) OLI_Printf(out, "F╬\\p,C╬r = %.1lf kN"_cp, F.F_pC_given * 0.001);
        return F.F_pC_given;
    }
    if (out) Compute_Preload_Force(F.f_ub, F.A_s, 0.0, out, level);
    return computed;
}

int Compute_Slip(Bolt_Connection& C, FILE* stream, int level, const Slip_State& S) {
    const Fastener& F = C.fastener;
    double& result = S.serviceability ? C.results.F_s_Rd_ser : C.results.F_s_Rd;
    if (F.type == Fastener_Rivet) return 0;
    if (!F.slip_resistant) {
        Write_Error_Text_Line(stream, "Schraube nicht gleitfest (kontrolliert voll) vorgespannt");
        return 1;
    }
    FILE* out = Formula_Stream(stream, level);
    const double gamma = Context_Gamma(C.context, S.serviceability ? Gamma_M3_Ser : Gamma_M3);
    const double k_s = Get_Slip_Hole_Factor(F.hole_type);
    const int n = C.shear_planes;
    const double mu = Get_Slip_Class_Friction(C.slip_class);

    if (out && level >= 2) {
        OLI_Printf(out, S.heading, Report_Line_Prefix);
        OLI_Printf(out, "%s", Report_Line_Prefix);
        if (F.hole_type >= Hole_Normal && F.hole_type <= Hole_Long_Slot_Parallel) {
            const bool parallel = F.hole_type == Hole_Short_Slot_Parallel || F.hole_type == Hole_Long_Slot_Parallel;
            OLI_Printf(out, S.hole_names[F.hole_type],
                       parallel ? Subscript_Parallel : Subscript_Perpendicular);
        }
        OLI_Printf(out, "  ê  Beiwert k╬\\s╬r = %.2lf\n"_cp, k_s);
        OLI_Printf(out, "%sAnzahl Reibflächen n = %d\n"_cp, Report_Line_Prefix, n);
    }
    if (out) OLI_Printf(out, "%sVorspannkraft ", Report_Line_Prefix);
    const double F_pC = Slip_Preload(F, out, level);
    C.results.F_p_C = F_pC;

    if (gamma < Gamma_Min) {
        if (out) OLI_Printf(out, "\n");
        Print_Not_Determinable(out, S.serviceability ? "F╬\\s,Rd,ser╬r"_cp : "F╬\\s,Rd╬r"_cp);
        return Store_Resistance(result, Not_Determinable);
    }
    const double F_t = S.serviceability ? C.F_t_Ed_ser : C.F_t_Ed;
    double F_s;
    if (F.type == Fastener_Bolt && F_t > Zero && C.Tension_Category != Tension_Category_None) {
        F_s = k_s * n * mu * (F_pC - 0.8 * F_t) / gamma;
        if (out) {
            OLI_Printf(out, ",  Zugkraft F╬\\t,Ed╬r = %.1lf kN\n"_cp, F_t * 0.001);
            OLI_Printf(out, S.combined_label, Report_Line_Prefix, Label_Separator(level));
            OLI_Printf(out, S.combined_formula, Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot,
                       Times_Dot, F_s * 0.001);
        }
    } else {
        F_s = k_s * n * mu * F_pC / gamma;
        if (out) {
            OLI_Printf(out, "\n");
            OLI_Printf(out, S.plain_label, Report_Line_Prefix, Label_Separator(level), Times_Dot,
                       Times_Dot, Times_Dot, F_s * 0.001);
        }
    }
    if (out) {
        if (level == 1) OLI_Printf(out, ",  k╬\\s╬r = %.2lf,  n = %d"_cp, k_s, n);
        OLI_Printf(out, "\n");
    }
    return Store_Resistance(result, F_s);
}

}  // namespace

int Get_Slip_Class_Count() { return Current_Code_Edition == Code_Edition_2025 ? Slip_Class_Count : Slip_Class_Count - 1; }

const char* Get_Slip_Class_Name(int slip_class) { return In_Table(slip_class) ? Slip_Class_Table[slip_class].name : ""; }

double Get_Slip_Class_Friction(int slip_class) { return In_Table(slip_class) ? Slip_Class_Table[slip_class].mu : 0.0; }

double Get_Slip_Hole_Factor(int hole_type) {
    return hole_type >= 0 && hole_type < static_cast<int>(Slip_Hole_Factor_Table.size()) ? Slip_Hole_Factor_Table[hole_type]
                                                                                       : 0.0;
}

int Compute_Slip_Resistance_SLS(Bolt_Connection* connection, FILE* stream, int level) {
    return connection ? Compute_Slip(*connection, stream, level, SLS) : 0;
}

int Compute_Slip_Resistance_ULS(Bolt_Connection* connection, FILE* stream, int level) {
    return connection ? Compute_Slip(*connection, stream, level, ULS) : 0;
}
