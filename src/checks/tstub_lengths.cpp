// Effective lengths of the T-stub flange for failure modes 1 and 2 (EN 1993-1-8, 6.2.6, Tables 6.4
// to 6.6): a single row takes l_eff,1 = min(l_eff,nc, l_eff,cp) and l_eff,2 = l_eff,nc of its
// pattern; a group of n_b rows sums its end row, its row next to a stiffener (or the beam tension
// flange) and its inner rows for the circular and the non-circular patterns alike. With them the
// distances e_min and m of the resistance.
#include <algorithm>
#include <cmath>

#include "checks/report_indent.h"
#include "checks/tstub_row_lengths.h"
#include "checks/tstub_tension.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Min_Distance = 0.001;   // mm; smaller distances count as 0

// The row inputs of the record for the location.
Row_Length_Record Row_Inputs(const T_Stub_Tension& T, int location) {
    Row_Length_Record R{};
    R.m = T.m;
    R.e = T.e;
    R.e_1 = T.e_1;
    R.m_2 = T.m_2;
    R.p = T.p;
    if (location != T_Stub_Column_Flange) {
        R.m_1 = T.m_1;
        R.b_p = T.b_p;
        R.w_extension = T.w_extension;
    }
    if (T.bolts_per_row == 4) {
        R.w = T.w;
        R.b_st = T.b_st;
        R.a_st = T.a_st;
    }
    return R;
}

// One pattern routine for one row kind.
void Run_Row(Row_Length_Record& R, const T_Stub_Tension& T, int location, FILE* stream, int detail) {
    if (T.bolts_per_row == 4)
        Compute_Four_Bolt_Row_Lengths(&R, T.four_bolt_method, stream, detail);
    else if (location == T_Stub_Column_Flange)
        Compute_Column_Flange_Row_Lengths(&R, stream, detail);
    else
        Compute_End_Plate_Row_Lengths(&R, stream, detail);
}

// The governing pattern of a single row.
Row_Lengths Single_Row_Lengths(const Row_Length_Record& R) {
    if (R.inner_row) return R.next_to_stiffener ? R.si : R.i;
    return R.next_to_stiffener ? R.sa : R.a;
}

// "ê Σl_eff,cp = l_eff,cp,a + l_eff,cp,si + 2·l_eff,cp,i = ..." at detail 2; the row next to the
// stiffener stands after the end row on the column flange, at the end on the end plate.
void Print_Sum(FILE* stream, const char* kind, bool stiffener, bool column_flange, int inner_rows, double sum) {
    OLI_Printf(stream, "%s ê  ▓l╬\\eff,%s╬r = l╬\\eff,%s,a╬r"_cp, Report_Line_Prefix, kind, kind);
    if (stiffener && column_flange) OLI_Printf(stream, " + l╬\\eff,%s,si╬r"_cp, kind);
    if (inner_rows == 1)
        OLI_Printf(stream, " + l╬\\eff,%s,i╬r"_cp, kind);
    else if (inner_rows > 1)
        OLI_Printf(stream, " + %d%sl╬\\eff,%s,i╬r"_cp, inner_rows, Times_Dot, kind);
    if (stiffener && !column_flange) OLI_Printf(stream, " + l╬\\eff,%s,si╬r"_cp, kind);
    OLI_Printf(stream, " = %.1lf mm\n", sum);
}

// Rows considered individually sum the mode-1 length of each row.
void Group_Mode_Lines(FILE* stream, int detail, double sum_1, double sum_cp, double sum_2, bool individual = false) {
    if (individual) {
        OLI_Printf(stream, "%sfür Modus 1:  ▓l╬\\eff,1╬r = ▓min(l╬\\eff,nc╬r, l╬\\eff,cp╬r) = %.1lf mm"_cp,
                   Report_Line_Prefix, sum_1);
    } else {
        OLI_Printf(stream, "%sfür Modus 1:  ▓l╬\\eff,1╬r = min(▓l╬\\eff,nc╬r, ▓l╬\\eff,cp╬r) = %.1lf mm"_cp,
                   Report_Line_Prefix, sum_1);
        if (detail == 1) OLI_Printf(stream, ",  ▓l╬\\eff,cp╬r = %.1lf mm"_cp, sum_cp);
    }
    OLI_Printf(stream, "\n");
    OLI_Printf(stream, "%sfür Modus 2:  ▓l╬\\eff,2╬r = ▓l╬\\eff,nc╬r = %.1lf mm\n"_cp, Report_Line_Prefix, sum_2);
}

// Σl_eff of a group of rows with two bolts: the end row, then the inner row (next to the stiffener
// where the record says so), then with a stiffener and more than two rows the plain inner row.
void Group_Lengths(T_Stub_Tension& T, int location, Row_Length_Record R, FILE* stream, int detail) {
    const bool stiffener = T.row_next_to_stiffener != 0;
    const int n_b = T.row_count;
    if (stream && detail >= 2) {
        OLI_Printf(stream, "%sGruppe von %d Schraubenreihen:\n", Report_Line_Prefix, n_b);
        if (R.individual)
            OLI_Printf(stream,
                       "%s╬SDie wirksame Länge einer Gruppe von Schraubenreihen wird mit den Werten für die "
                       "einzelnen Schraubenreihen ermittelt.\n"_cp,
                       Report_Line_Prefix);
    }
    R.inner_row = 0;
    R.next_to_stiffener = 0;
    Run_Row(R, T, location, stream, detail);
    const Row_Lengths end_row = R.a;
    R.inner_row = 1;
    R.next_to_stiffener = stiffener;
    Run_Row(R, T, location, stream, detail);
    Row_Lengths stiffened_row{0.0, 0.0}, inner_row = R.i;
    if (stiffener) {
        stiffened_row = R.si;
        if (n_b > 2) {
            R.next_to_stiffener = 0;
            Run_Row(R, T, location, stream, detail);
            inner_row = R.i;
        }
    }
    const int inner_rows = stiffener ? n_b - 2 : n_b - 1;
    const double sum_cp = end_row.cp + stiffened_row.cp + inner_rows * inner_row.cp;
    const double sum_nc = end_row.nc + stiffened_row.nc + inner_rows * inner_row.nc;
    // Rows considered individually yield each in its own mode-1 pattern (EN 1993-1-8 Tables 6.4 to
    // 6.6): the smaller length of each row, not the smaller of the two sums.
    const auto mode_1 = [](const Row_Lengths& L) { return std::min(L.nc, L.cp); };
    const double sum_rows_1 = mode_1(end_row) + mode_1(stiffened_row) + inner_rows * mode_1(inner_row);
    T.sum_l_eff_1 = R.individual ? sum_rows_1 : std::min(sum_nc, sum_cp);
    T.sum_l_eff_2 = sum_nc;
    if (stream && detail >= 2) {
        const bool column_flange = location == T_Stub_Column_Flange;
        if (stiffener)
            OLI_Printf(stream,
                       column_flange ? "%s╬SAnnahme: Eine innere Schraubenreihe befindet sich neben einer Steife\n"_cp
                                     : "%s╬SAnnahme: Eine innere Schraubenreihe befindet sich neben dem "
                                       "Trägerzugflansch\n"_cp,
                       Report_Line_Prefix);
        Print_Sum(stream, "cp", stiffener, column_flange, inner_rows, sum_cp);
        Print_Sum(stream, "nc", stiffener, column_flange, inner_rows, sum_nc);
    }
    if (stream && detail >= 1) Group_Mode_Lines(stream, detail, T.sum_l_eff_1, sum_cp, T.sum_l_eff_2, R.individual);
}

void Single_Row_Mode_Lines(FILE* stream, int detail, double l_eff_1, double l_eff_cp, double l_eff_2) {
    OLI_Printf(stream, "%sfür Modus 1:  ▓l╬\\eff,1╬r = l╬\\eff,1╬r = min(l╬\\eff,nc╬r, l╬\\eff,cp╬r) = %.1lf mm"_cp,
               Report_Line_Prefix, l_eff_1);
    if (detail == 1) OLI_Printf(stream, ",  l╬\\eff,cp╬r = %.1lf mm"_cp, l_eff_cp);
    OLI_Printf(stream, "\n");
    OLI_Printf(stream, "%sfür Modus 2:  ▓l╬\\eff,2╬r = l╬\\eff,2╬r = l╬\\eff,nc╬r = %.1lf mm\n"_cp, Report_Line_Prefix,
               l_eff_2);
}

}  // namespace

void Compute_T_Stub_Effective_Lengths(T_Stub_Tension* tstub, int location, double d_p, FILE* stream, int detail,
                                      int circular_only) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    if (T.lengths_given) return;
    T.sum_l_eff_1 = T.sum_l_eff_2 = -1.0;
    if (Check_T_Stub_Edge_Distances(&T, location, d_p, nullptr, 0)) return;

    const bool group = T.row_count > 1;
    const bool heading = stream && detail >= 1 && (group || !circular_only);
    if (heading) {
        const char* text = location == T_Stub_Column_Flange ? "irksame Länge des T-Stummelflanschs (Stützenflansch)"_cp
                                                            : "irksame Länge des T-Stummelflanschs (Stirnblech)"_cp;
        OLI_Printf(stream, "%s", Report_Line_Prefix);
        if (detail == 1)
            OLI_Printf(stream, "w%s:", text);
        else
            OLI_Printf(stream, "╬HW%s"_cp, text);
        OLI_Printf(stream, "\n");
        Raise_Report_Indent();
    }

    Row_Length_Record R = Row_Inputs(T, location);
    R.individual = T.single_row;
    if (location != T_Stub_Column_Flange) {
        R.extension_stiffener = T.extension_stiffener;
        R.free_edge = T.row_at_free_edge;
    }
    if (!group) {
        R.next_to_stiffener = T.row_next_to_stiffener;
        R.inner_row = T.inner_row;
        Run_Row(R, T, location, stream, detail);
        const Row_Lengths L = Single_Row_Lengths(R);
        T.sum_l_eff_1 = circular_only ? L.cp : std::min(L.nc, L.cp);
        T.sum_l_eff_2 = L.nc;
        if (heading) Single_Row_Mode_Lines(stream, detail, T.sum_l_eff_1, L.cp, T.sum_l_eff_2);
    } else if (T.bolts_per_row == 4) {
        // Four bolts per row pass the edge check in a group only with the handbook, which gives no
        // group lengths here.
        T.sum_l_eff_1 = T.sum_l_eff_2 = 0.0;
        if (stream && detail >= 1) Group_Mode_Lines(stream, detail, 0.0, 0.0, 0.0);
    } else {
        Group_Lengths(T, location, R, stream, detail);
    }
    if (heading) Lower_Report_Indent();
}

double Compute_T_Stub_Min_Edge_Distance(int location, double b, double c, double e, double e_1, FILE* stream,
                                        int detail) {
    const char* P = Report_Line_Prefix;
    if (location == T_Stub_Extension) {
        if (stream && detail >= 2) {
            OLI_Printf(stream, "%sAbstand der Schraubenachse vom Stummelflanschrand e╬\\min╬r = e╬\\1╬r = %.1lf mm\n"_cp,
                       P, e_1);
            if (e_1 < Min_Distance) OLI_Printf(stream, "%sAbstand e╬\\min╬r ≤ 0  ê  Fehler %s\n"_cp, P, Mark_Error());
        }
        return e_1;
    }
    double e_min = e;
    // A flange part narrower than the plate moves the edge in by half the difference.
    if (c >= Min_Distance && c < b) e_min += (c - b) / 2.0;
    if (std::fabs(e_min) < Min_Distance) e_min = 0.0;
    if (stream && detail >= 1) {
        OLI_Printf(stream, "%sAbstand der Schraubenachse vom Stummelflanschrand e╬\\min╬r = "_cp, P);
        OLI_Printf(stream, "%.1lf mm\n", e_min);
        if (detail >= 2 && e_min < Min_Distance)
            OLI_Printf(stream, "%sAbstand e╬\\min╬r = 0  ê  Fehler %s\n"_cp, P, Mark_Error());
    }
    return e_min;
}

double Compute_T_Stub_Web_Distance(int location, double b_f, double t_w, double w_s, double e, double m_1, double m,
                                   FILE* stream, int detail) {
    const char* P = Report_Line_Prefix;
    if (location == T_Stub_Extension) {
        if (stream && detail >= 2)
            OLI_Printf(stream, "%sAbstand der Schraubenachse vom Stummelsteg m = m╬\\1╬r = %.1lf mm\n"_cp, P, m_1);
        return m_1;
    }
    if (m >= Min_Distance) return m;
    // The web distance from the flange width, the web thickness and the weld leg w_s.
    double web_m = 0.5 * (b_f - t_w) - w_s - e;
    if (std::fabs(web_m) < Min_Distance) web_m = 0.0;
    if (stream && detail >= 1) {
        OLI_Printf(stream, "%sAbstand der Schraubenachse vom Stummelsteg m = ", P);
        if (detail == 1) {
            OLI_Printf(stream, "%.1lf mm", web_m);
            OLI_Printf(stream, "\n");
        } else {
            OLI_Printf(stream, "0.5%s(b╬\\f╬r-t╬\\w╬r)-w╬\\s╬r-e = "_cp, Times_Dot);
            OLI_Printf(stream, "%.1lf mm", web_m);
            OLI_Printf(stream, ",  e = %.1lf mm,  w╬\\s╬r = %.1lf mm"_cp, e, w_s);
            OLI_Printf(stream, "\n");
            if (web_m < Min_Distance) OLI_Printf(stream, "%sAbstand m ≤ 0  ê  Fehler %s\n"_cp, P, Mark_Error());
        }
    }
    return web_m;
}
