// The row description of a T-stub in tension, normalised for its location, and the check of the bolt
// distances that the effective-length patterns rest on: a yield line needs room for the washer, so
// every distance from a bolt axis to an edge, a web, a flange or a stiffener is at least d_p/2, and
// the spacing of two bolt rows at least d_p.
#include <string>

#include "checks/tstub_tension.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/report_marks.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Tolerance = 0.001;       // mm; a distance fails below its limit minus this
constexpr double Min_Length = 0.001;      // mm; a given effective length must exceed it
constexpr double Min_E_1 = 0.001;         // mm; a smaller e₁ is no free end

const char* Location_Name(int location) {
    switch (location) {
    case T_Stub_Column_Flange: return "Stützenflansch"_cp;
    case T_Stub_Extension: return "Stirnblech (Überstand)"_cp;
    default: return "Stirnblech (zw. den Flanschen)";
    }
}

// Where the messages of one check go: report lines (stream), message boxes (show).
struct Edge_Messages {
    FILE* stream;
    bool show;
    std::string box_prefix;   // "Äquivalenter T-Stummel - <location>:\n"
    int mode;

    // A failure of the rules before the distances: always reported.
    void rule(const char* box, const char* line) const {
        if (show) PrintMessage(box, box_prefix.c_str());
        if (stream) OLI_Printf(stream, line, Report_Line_Prefix, Report_Prefix());
    }
    // The box of a group of distances, shown unless the check only reports.
    void box(const char* format, double value) const {
        if (show && mode != Edge_Check_Reported) PrintMessage(format, box_prefix.c_str(), value);
    }
    void box(const char* format, double first, double second) const {
        if (show && mode != Edge_Check_Reported) PrintMessage(format, box_prefix.c_str(), first, second);
    }
    void line(const char* format, double value, double limit) const {
        if (stream) OLI_Printf(stream, format, Report_Line_Prefix, Report_Prefix(), value, limit);
    }
    static const char* Report_Prefix() { return "Äquivalenter T-Stummel: "_cp; }
};

bool Below(double distance, double limit) { return distance < limit - Tolerance; }

// Two distances against d_p/2 with one box for both and a line for each that fails. Result: true
// when either fails.
bool Check_Pair(const Edge_Messages& out, const char* box, double first, const char* first_line, double second,
                const char* second_line, double half) {
    const bool first_fails = Below(first, half), second_fails = Below(second, half);
    if (!first_fails && !second_fails) return false;
    out.box(box, half);
    if (first_fails) out.line(first_line, first, half);
    if (second_fails) out.line(second_line, second, half);
    return true;
}

// One distance against its limit with its box and line.
bool Check_One(const Edge_Messages& out, const char* box, const char* line, double distance, double limit) {
    if (!Below(distance, limit)) return false;
    out.box(box, limit);
    out.line(line, distance, limit);
    return true;
}

const char* Line_Free_Edge_E() {
    return "%s%sAbstand der Schraubenachse zum freien Rand e = %.1lf mm < d╬\\p╬r/2 = %.1lf mm\n"_cp;
}
const char* Line_Edge_E() { return "%s%sAbstand der Schraubenachse zum Rand e = %.1lf mm < d╬\\p╬r/2 = %.1lf mm\n"_cp; }
const char* Line_Web_M() {
    return "%s%sAbstand der Schraubenachse zum Steganschnitt m = %.1lf mm < d╬\\p╬r/2 = %.1lf mm\n"_cp;
}
const char* Line_Free_Edge_E_1() {
    return "%s%sAbstand der Schraubenachse zum freien Rand e╬\\1╬r = %.1lf mm < d╬\\p╬r/2 = %.1lf mm\n"_cp;
}
const char* Line_Flange_M_1() {
    return "%s%sAbstand der Schraubenachse zum Flanschanschnitt m╬\\1╬r = %.1lf mm < d╬\\p╬r/2 = %.1lf mm\n"_cp;
}

void Normalise_Row_Description(T_Stub_Tension& T, int location) {
    if (T.bolts_per_row != 2 && T.bolts_per_row != 4) T.bolts_per_row = 2;
    if (location == T_Stub_Column_Flange) {
        T.bolts_per_row = 2;
    } else if (location == T_Stub_Extension) {
        T.row_count = 1;
        T.single_row = 1;
        T.inner_row = 0;
        T.row_next_to_stiffener = 1;
        if (T.bolts_per_row == 4) T.extension_stiffener = 0;
    } else if (T.inner_row) {
        T.row_at_free_edge = 0;
    } else {
        T.row_next_to_stiffener = 0;
    }
}

// Four bolts per row after the research report or the dissertation: only a single row next to a
// stiffener, on the end plate an inner one. Result: true when the record is outside.
bool Four_Bolt_Rows_Refused(const T_Stub_Tension& T, int location, const Edge_Messages& out) {
    if (T.bolts_per_row != 4 || T.four_bolt_method == Four_Bolt_Handbook) return false;
    bool refused = false;
    if (T.row_count > 1) {
        out.rule("%s4 Schrauben je Schraubenreihe: Verfahren ist für Schraubengruppen nicht zugelassen!"_cp,
                 "%s%s4 Schrauben je Schraubenreihe: Verfahren ist für Schraubengruppen nicht zugelassen!\n"_cp);
        refused = true;
    }
    if (location == T_Stub_End_Plate && !T.inner_row) {
        out.rule("%s4 Schrauben je Schraubenreihe: nur innere Schraubenreihen sind zugelassen!",
                 "%s%s4 Schrauben je Schraubenreihe: nur innere Schraubenreihen sind zugelassen!\n");
        refused = true;
    }
    if (!T.row_next_to_stiffener) {
        out.rule("%s4 Schrauben je Schraubenreihe: die Schraubenreihe muss neben einer Steife liegen!",
                 "%s%s4 Schrauben je Schraubenreihe: die Schraubenreihe muss neben einer Steife liegen!\n");
        refused = true;
    }
    return refused;
}

// Distances of given effective lengths: the edge and the web, or at the extension the free end and
// the beam flange.
bool Given_Length_Distances_Fail(const T_Stub_Tension& T, int location, double half, const Edge_Messages& out) {
    if (location == T_Stub_Extension)
        return Check_Pair(out,
                          "%sAbstand der Schraubenachse zum freien Rand oder Flanschanschnitt überprüfen:\n"
                          "Abstand e1 < dp/2  oder  Abstand m1 < dp/2,  dp/2 = %.1lf mm"_cp,
                          T.e_1, Line_Free_Edge_E_1(), T.m_1, Line_Flange_M_1(), half);
    return Check_Pair(out,
                      "%sAbstand der Schraubenachse zum freien Rand oder Steganschnitt überprüfen:\n"
                      "Abstand e < dp/2  oder  Abstand m < dp/2,  dp/2 = %.1lf mm"_cp,
                      T.e, Line_Free_Edge_E(), T.m, Line_Web_M(), half);
}

// Distances of computed effective lengths.
bool Computed_Length_Distances_Fail(const T_Stub_Tension& T, int location, double d_p, const Edge_Messages& out) {
    const double half = 0.5 * d_p;
    bool failed = false;
    if (location == T_Stub_Extension) {
        failed |= Check_Pair(out,
                             "%sAbstand der Schraubenachse zum freien Rand oder Flansch überprüfen:\n"
                             "Abstand e1 < dp/2  oder  Abstand m1 < dp/2,  dp/2 = %.1lf mm"_cp,
                             T.e_1, Line_Free_Edge_E_1(), T.m_1, Line_Flange_M_1(), half);
        // A stiffened extension is a T-stub on the rib: its yield lines run at m from the beam web.
        if (T_Stub_Distance_Location(T) != T_Stub_Extension)
            failed |= Check_One(out, "%sAbstand der Schraubenachse zum Steganschnitt m < dp/2 = %.1lf mm", Line_Web_M(),
                                T.m, half);
    } else {
        failed |= Check_Pair(out,
                             "%sAbstand der Schraubenachse zum Rand oder Steganschnitt überprüfen:\n"
                             "Abstand e < dp/2  oder  Abstand m < dp/2,  dp/2 = %.1lf mm"_cp,
                             T.e, Line_Edge_E(), T.m, Line_Web_M(), half);
        const bool group = T.row_count > 1;
        const bool e_1_checked = location == T_Stub_Column_Flange || group
                                     ? T.e_1 > Min_E_1
                                     : !T.inner_row && T.row_at_free_edge;
        if (e_1_checked)
            failed |= Check_One(out, "%sAbstand der Schraubenachse zum freien Rand e1 < dp/2 = %.1lf mm",
                                Line_Free_Edge_E_1(), T.e_1, half);
        // A row next to a stiffener needs room for the washer, in a group as alone.
        if (T.row_next_to_stiffener)
            failed |= Check_One(out, "%sAbstand der Schraubenachse zur Steife m2 < dp/2 = %.1lf mm",
                                "%s%sAbstand der Schraubenachse zur Steife m╬\\2╬r = %.1lf mm < d╬\\p╬r/2 = %.1lf mm\n"_cp,
                                T.m_2, half);
        if (group)
            failed |= Check_One(out, "%sAbstand der Schraubenachsen untereinander p < dp = %.1lf mm",
                                "%s%sAbstand der Schraubenachsen untereinander p = %.1lf mm < d╬\\p╬r = %.1lf mm\n"_cp,
                                T.p, d_p);
    }
    if (T.bolts_per_row == 4 && Below(T.w, half)) {
        out.box("%sAbstand der Schraubenachsen nebeneinander w = %.1lf mm < dp/2 = %.1lf mm", T.w, half);
        out.line("%s%sAbstand der Schraubenachsen nebeneinander w = %.1lf mm < d╬\\p╬r/2 = %.1lf mm\n"_cp, T.w, half);
        failed = true;
    }
    return failed;
}

}  // namespace

int Check_T_Stub_Edge_Distances(T_Stub_Tension* tstub, int location, double d_p, FILE* stream, int show_messages) {
    if (!tstub) return 1;
    T_Stub_Tension& T = *tstub;
    Normalise_Row_Description(T, location);

    const Edge_Messages out{stream, show_messages != 0,
                            Format_Text("Äquivalenter T-Stummel - %s:\n"_cp, Location_Name(location)),
                            T.edge_check_mode};
    const bool refused = Four_Bolt_Rows_Refused(T, location, out);
    bool lengths_missing = false;
    if (T.lengths_given && (T.sum_l_eff_1 < Min_Length || T.sum_l_eff_2 < Min_Length)) {
        out.rule("%swirksame Längen ▓leff,1 ≤ 0  oder  ▓leff,2 ≤ 0"_cp,
                 "%s%swirksame Längen ▓l╬\\eff,1╬r ≤ 0  oder  ▓l╬\\eff,2╬r ≤ 0\n"_cp);
        lengths_missing = true;
    }
    if (refused) return 1;
    if (T.edge_check_mode == Edge_Check_Off) return lengths_missing ? 1 : 0;

    const bool distances_fail = T.lengths_given ? Given_Length_Distances_Fail(T, location, 0.5 * d_p, out)
                                                : Computed_Length_Distances_Fail(T, location, d_p, out);
    if (lengths_missing) return 1;
    // Reported only: the lines stand in the report, the check passes.
    if (T.edge_check_mode == Edge_Check_Reported) return 0;
    return distances_fail ? 1 : 0;
}
