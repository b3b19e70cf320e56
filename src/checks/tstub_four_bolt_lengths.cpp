// Effective lengths of an end-plate row with four bolts, two on each side of the beam web, which
// EN 1993-1-8 does not cover. Three design sources (Four_Bolt_Method): 0 the final report of a
// research project, 1 a dissertation, 2 a design handbook. Distances of the row: m from the inner
// bolt to the web, w (w₂) from the inner to the outer bolt, e (w₃) from the outer bolt to the plate
// edge, w₁ = b_p − 2(w + e) between the two inner bolts; in the extension e_x = e₁ and m_x = m₁.
// α of a row next to the beam tension flange uses e + w as its edge distance.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "checks/report_indent.h"
#include "checks/tstub_row_lengths.h"
#include "checks/tstub_tension.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Min_Alpha = 0.001;
constexpr double Root_2_Times_0_8 = 1.1313708498984762;   // 0.8·√2: throat a to weld leg

// One candidate length: its number in the symbol, its formula (prefix and dots filled in), its value.
struct Candidate {
    int number;
    std::string formula;
    double value;
};

// A length that is the smallest of its candidates above 0. Each candidate above 0 (the first one
// always) is printed on a line of its own; the governing line names them at detail 2.
struct Candidate_List {
    FILE* stream;
    int detail;
    const char* kind;   // "cp" or "nc"
    const char* slot;   // "si", "sa", ...
    std::vector<Candidate> list;

    void add(int number, std::string formula, double value) {
        if (number == 1 || value > 0.0) list.push_back({number, std::move(formula), value});
    }
    // The governing length (0 when no candidate is above 0), printed with its candidates.
    double resolve() const {
        double length = 0.0;
        for (const Candidate& c : list)
            if (c.value > 0.0 && (length == 0.0 || c.value < length)) length = c.value;
        if (!stream || detail < 1) return length;
        for (const Candidate& c : list)
            OLI_Printf(stream, "%sl╬\\eff,%s,%d╬r = %s = %.1lf mm\n"_cp, Report_Line_Prefix, kind, c.number,
                       c.formula.c_str(), c.value);
        OLI_Printf(stream, "%sl╬\\eff,%s,%s╬r"_cp, Report_Line_Prefix, kind, slot);
        if (detail >= 2) {
            const char* separator = " = min(";
            for (const Candidate& c : list) {
                OLI_Printf(stream, "%sl╬\\eff,%s,%d╬r"_cp, separator, kind, c.number);
                separator = ", ";
            }
            OLI_Printf(stream, ")");
        }
        OLI_Printf(stream, " = %.1lf mm\n", length);
        return length;
    }
};

const char* D() { return Times_Dot; }

// The three circular candidates of an inner row: 4πm, 2(πm + w), πm + 2(w + e).
void Add_Inner_Cp(Candidate_List& cp, const Row_Length_Record& R, bool with_four_pi) {
    const double m = R.m, w = R.w, e = R.e;
    int n = 1;
    if (with_four_pi) cp.add(n++, Format_Text("4%s╔%sm"_cp, D(), D()), 4.0 * Pi * m);
    cp.add(n++, Format_Text("2%s(╔%sm + w╬\\2╬r)"_cp, D(), D()), 2.0 * (Pi * m + w));
    cp.add(n, Format_Text("╔%sm + 2%s(w╬\\2╬r+w╬\\3╬r)"_cp, D(), D()), Pi * m + 2.0 * (w + e));
}

// Non-circular length of the dissertation's inner row next to the beam flange, a closed yield-line
// solution over the angles β, α and γ of the pattern; 0 where an angle does not exist.
void Dissertation_Inner_Nc(Row_Length_Record& R, const Report_Block& out) {
    const double m = R.m, e = R.e, w = R.w, m_2 = R.m_2;
    const double A = 4.0 * w + 3.0 * m + 4.0 * e;
    const double B = e + w + m;
    if (A <= 0.0 || B <= 0.0) return;
    const double sin_beta = 0.5 * std::sqrt(A / B);
    const double cos_alpha = 0.5 * std::sqrt(A * m) / B;
    const double sin_gamma = std::sin(std::atan(m / m_2));
    if (sin_beta <= 0.0 || cos_alpha <= 0.0 || sin_gamma <= 0.0) return;
    const double D2 = 2.0 * (e + w) + m;
    const double sin2_beta = sin_beta * sin_beta;
    const double l = 0.5 * m *
                     (D2 / m_2 + m_2 / m + D2 * cos_alpha / (sin2_beta * m) + std::sqrt(std::max(0.0, 1.0 - sin2_beta)) / sin_beta +
                      std::sqrt(m_2 * m_2 + m * m) * cos_alpha / (m * sin_gamma) +
                      (1.0 + std::sqrt(std::max(0.0, 1.0 - cos_alpha * cos_alpha))) / cos_alpha);
    R.si.nc = l;
    if (!out.on()) return;
    OLI_Printf(out.stream, "%sl╬\\eff,nc,si╬r = %.1lf mm"_cp, Report_Line_Prefix, l);
    if (out.detail >= 2)
        OLI_Printf(out.stream, ", sin(╗) = %.3lf,  cos(║) = %.3lf,  sin(└) = %.3lf"_cp, sin_beta, cos_alpha, sin_gamma);
    OLI_Printf(out.stream, "\n");
}

// Single inner row next to the beam tension flange or the tension stiffener.
void Inner_Row_Next_To_Flange(Row_Length_Record& R, int method, const Report_Block& out) {
    const double m = R.m, e = R.e, w = R.w;
    out.begin("%sinnere Schraubenreihe neben dem Trägerzugflansch / der Zugsteife\n"_cp);
    if (method == Four_Bolt_Research_Report) {
        R.si.cp = 4.0 * Pi * m;
        if (out.on()) {
            OLI_Printf(out.stream, "%sl╬\\eff,cp,si╬r"_cp, Report_Line_Prefix);
            if (out.detail >= 2) OLI_Printf(out.stream, " = l╬\\eff,cp╬r = 4%s╔%sm"_cp, D(), D());
            OLI_Printf(out.stream, " = %.1lf mm\n", R.si.cp);
        }
    } else {
        Candidate_List cp{out.stream, out.detail, "cp", "si", {}};
        Add_Inner_Cp(cp, R, method == Four_Bolt_Handbook);
        R.si.cp = cp.resolve();
    }
    // The non-circular pattern needs the distances to the web and to the flange.
    if (m > 0.0 && R.m_2 > 0.0) {
        if (method == Four_Bolt_Dissertation) {
            Dissertation_Inner_Nc(R, out);
        } else {
            if (out.stream && out.detail >= 2)
                OLI_Printf(out.stream, "%sAbstand der inneren Schraubenachse vom Flanschrand e = %.1lf mm\n",
                           Report_Line_Prefix, e + w);
            const double alpha = R.alpha = Compute_Stiffened_Row_Alpha(out.stream, out.detail, m, e + w, R.m_2);
            if (alpha >= Min_Alpha) {
                if (method == Four_Bolt_Research_Report) {
                    R.si.nc = alpha * m;
                    if (out.on()) {
                        OLI_Printf(out.stream, "%sl╬\\eff,nc,si╬r"_cp, Report_Line_Prefix);
                        if (out.detail >= 2) OLI_Printf(out.stream, " = l╬\\eff,nc╬r = ║%sm"_cp, D());
                        OLI_Printf(out.stream, " = %.1lf mm\n", R.si.nc);
                    }
                } else {
                    Candidate_List nc{out.stream, out.detail, "nc", "si", {}};
                    nc.add(1, Format_Text("║%sm"_cp, D()), alpha * m);
                    nc.add(2, Format_Text("4%sm + 1.25%s(w╬\\2╬r+w╬\\3╬r)"_cp, D(), D()), 4.0 * m + 1.25 * (w + e));
                    R.si.nc = nc.resolve();
                }
            }
        }
    }
    out.end();
}

// The extension row next to the beam tension flange (with a stiffener in the extension where set).
void Extension_Row(Row_Length_Record& R, int method, const Report_Block& out) {
    const double e = R.e, w = R.w, e_x = R.e_1, m_x = R.m_1, b_p = R.b_p;
    const bool stiffened = R.extension_stiffener != 0;
    const bool dissertation = method == Four_Bolt_Dissertation;
    const double w_1 = b_p - 2.0 * (w + e);
    if (out.stream && out.detail >= 2) {
        OLI_Printf(out.stream,
                   "%s╬Se╬\\x╬r╬S = %.1lf mm,  m╬\\x╬r╬S = %.1lf mm,  w╬\\3╬r╬S = %.1lf mm,  w╬\\2╬r╬S = %.1lf mm"_cp,
                   Report_Line_Prefix, e_x, m_x, e, w);
        if (stiffened)
            OLI_Printf(out.stream, ",  ausgesteift");
        else
            OLI_Printf(out.stream,
                       ",  w╬\\1╬r╬S = b╬\\p╬r╬S-2%s╬S(w╬\\2╬r╬S+w╬\\3╬r╬S) = %.1lf mm  mit  b╬\\p╬r╬S = %.1lf mm,  "
                       "b╬\\st╬r╬S = %.1lf mm"_cp,
                       D(), w_1, b_p, R.b_st);
        OLI_Printf(out.stream, "\n");
    }
    out.begin("%säußere Schraubenreihe neben dem Trägerzugflansch / der Zugsteife\n"_cp);

    Candidate_List cp{out.stream, out.detail, "cp", "sa", {}};
    const double cp_1 = 2.0 * (Pi * m_x + w);
    cp.add(1, Format_Text("2%s(╔%sm╬\\x╬r + w╬\\2╬r)"_cp, D(), D()), cp_1);
    const double cp_2 = Pi * m_x + 2.0 * w + w_1;
    if (!stiffened && cp_2 < cp_1) cp.add(2, Format_Text("╔%sm╬\\x╬r + 2%sw╬\\2╬r + w╬\\1╬r"_cp, D(), D()), cp_2);
    cp.add(3, Format_Text("╔%sm╬\\x╬r + 2%s(w╬\\2╬r+w╬\\3╬r)"_cp, D(), D()), Pi * m_x + 2.0 * (w + e));
    if (dissertation)
        cp.add(4, Format_Text("0.5%s╔%sm╬\\x╬r + w╬\\2╬r + w╬\\3╬r + e╬\\x╬r"_cp, D(), D()), 0.5 * Pi * m_x + w + e + e_x);
    else
        cp.add(4, Format_Text("4%s╔%sm╬\\x╬r"_cp, D(), D()), 4.0 * Pi * m_x);
    if (dissertation && !stiffened)
        cp.add(5, Format_Text("0.5%s╔%sm╬\\x╬r + w╬\\2╬r + 0.5%sw╬\\1╬r + e╬\\x╬r"_cp, D(), D(), D()),
               0.5 * Pi * m_x + w + 0.5 * w_1 + e_x);
    if (dissertation) cp.add(6, Format_Text("╔%sm╬\\x╬r + w╬\\2╬r + 2%se╬\\x╬r"_cp, D(), D()), Pi * m_x + w + 2.0 * e_x);
    R.sa.cp = cp.resolve();

    Candidate_List nc{out.stream, out.detail, "nc", "sa", {}};
    const double nc_1 = 4.0 * m_x + 1.25 * e_x + w;
    nc.add(1, Format_Text("4%sm╬\\x╬r + 1.25%se╬\\x╬r + w╬\\2╬r"_cp, D(), D()), nc_1);
    const double nc_2 = 2.0 * m_x + 0.625 * e_x + w + 0.5 * w_1;
    if (!stiffened && nc_2 < nc_1)
        nc.add(2, Format_Text("2%sm╬\\x╬r + 0.625%se╬\\x╬r + w╬\\2╬r + 0.5%sw╬\\1╬r"_cp, D(), D(), D()), nc_2);
    nc.add(3, Format_Text("2%sm╬\\x╬r + 0.625%se╬\\x╬r + w╬\\2╬r + w╬\\3╬r"_cp, D(), D()), 2.0 * m_x + 0.625 * e_x + w + e);
    if (!dissertation)
        nc.add(4, Format_Text("8%sm╬\\x╬r + 2.5%se╬\\x╬r"_cp, D(), D()), 8.0 * m_x + 2.5 * e_x);
    else if (!stiffened)
        nc.add(4, Format_Text("min(0.5%sb╬\\p╬r, 0.5%sb╬\\st╬r+0.8%s2╬/1/2╬r%sa╬\\st╬r)"_cp, D(), D(), D(), D()),
               std::min(0.5 * b_p, 0.5 * R.b_st + Root_2_Times_0_8 * R.a_st));
    if (!dissertation && !stiffened)
        nc.add(5, Format_Text("w╬\\2╬r + w╬\\3╬r + 0.5%sw╬\\1╬r"_cp, D()), w + e + 0.5 * w_1);
    R.sa.nc = nc.resolve();
    out.end();
}

// Further single rows of the handbook: an inner row away from the flange, an end row.
void Handbook_Single_Row(Row_Length_Record& R, const Report_Block& out) {
    const double m = R.m, e = R.e, w = R.w;
    if (R.inner_row) {
        out.begin("%sandere innere Schraubenreihe\n");
        Candidate_List cp{out.stream, out.detail, "cp", "i", {}};
        Add_Inner_Cp(cp, R, true);
        R.i.cp = cp.resolve();
        R.i.nc = 4.0 * m + 1.25 * (w + e);
        if (out.on())
            OLI_Printf(out.stream, "%sl╬\\eff,nc,i╬r = 4%sm + 1.25%s(w╬\\2╬r+w╬\\3╬r) = %.1lf mm\n"_cp,
                       Report_Line_Prefix, D(), D(), R.i.nc);
    } else {
        out.begin("%sandere äußere Schraubenreihe\n"_cp);
        Candidate_List cp{out.stream, out.detail, "cp", "a", {}};
        cp.add(1, Format_Text("4%s╔%sm"_cp, D(), D()), 4.0 * Pi * m);
        cp.add(2, Format_Text("2%s╔%sm + 2%sw╬\\2╬r"_cp, D(), D(), D()), 2.0 * Pi * m + 2.0 * w);
        R.a.cp = cp.resolve();
        Candidate_List nc{out.stream, out.detail, "nc", "a", {}};
        nc.add(1, Format_Text("4%sm + 1.25%s(w╬\\2╬r+w╬\\3╬r)"_cp, D(), D()), 4.0 * m + 1.25 * (w + e));
        nc.add(2, Format_Text("2%sm + 0.625%s(w╬\\2╬r+w╬\\3╬r) + p╬\\1╬r"_cp, D(), D()),
               2.0 * m + 0.625 * (w + e) + R.e_1);
        R.a.nc = nc.resolve();
    }
    out.end();
}

// Rows of a group after the handbook.
void Handbook_Group_Row(Row_Length_Record& R, const Report_Block& out) {
    const double m = R.m, e = R.e, w = R.w, p = R.p, e_1 = R.e_1;
    const bool inner = R.inner_row != 0;
    const bool stiffened = inner && R.next_to_stiffener;
    const char* slot = stiffened ? "si" : inner ? "i" : "a";
    Row_Lengths& L = stiffened ? R.si : inner ? R.i : R.a;
    out.begin(stiffened ? "%sandere innere Schraubenreihe neben einer Steife\n"
              : inner   ? "%sandere innere Schraubenreihe\n"
                        : "%sandere äußere Schraubenreihe\n"_cp);
    Candidate_List cp{out.stream, out.detail, "cp", slot, {}};
    cp.add(1, Format_Text("2%s╔%sm + 2%sw╬\\2╬r + 2%sp"_cp, D(), D(), D(), D()), 2.0 * Pi * m + 2.0 * w + 2.0 * p);
    if (inner) {
        cp.add(2, Format_Text("╔%sm + 2%s(w╬\\2╬r+w╬\\3╬r) + p"_cp, D(), D()), Pi * m + 2.0 * (w + e) + p);
    } else {
        cp.add(2, Format_Text("2%s╔%sm + 4%se╬\\1╬r + 4%sp"_cp, D(), D(), D(), D()), 2.0 * Pi * m + 4.0 * e_1 + 4.0 * p);
        cp.add(3, Format_Text("╔%sm + 2%se╬\\1╬r + 2%sp + w╬\\2╬r"_cp, D(), D(), D()), Pi * m + 2.0 * e_1 + 2.0 * p + w);
    }
    L.cp = cp.resolve();
    if (stiffened) {
        const double alpha = R.alpha = Compute_Stiffened_Row_Alpha(out.stream, out.detail, m, e + w, R.m_2);
        if (alpha >= Min_Alpha) {
            L.nc = alpha * m + p;
            if (out.on()) OLI_Printf(out.stream, "%sl╬\\eff,nc,si╬r = ║%sm + p = %.1lf mm\n"_cp, Report_Line_Prefix, D(), L.nc);
        }
    } else if (inner) {
        L.nc = 4.0 * m + 1.25 * (w + e) + p;
        if (out.on())
            OLI_Printf(out.stream, "%sl╬\\eff,nc,i╬r = 4%sm + 1.25%s(w╬\\2╬r+w╬\\3╬r) + p = %.1lf mm\n"_cp,
                       Report_Line_Prefix, D(), D(), L.nc);
    } else {
        L.nc = 2.0 * m + 0.625 * (w + e) + e_1;
        if (out.on())
            OLI_Printf(out.stream, "%sl╬\\eff,nc,a╬r = 2%sm + 0.625%s(w╬\\2╬r+w╬\\3╬r) + e╬\\1╬r = %.1lf mm\n"_cp,
                       Report_Line_Prefix, D(), D(), L.nc);
    }
    out.end();
}

}  // namespace

void Compute_Four_Bolt_Row_Lengths(Row_Length_Record* row, int method, FILE* stream, int detail) {
    if (!row) return;
    Row_Length_Record& R = *row;
    R.alpha = 0.0;
    R.i = R.si = R.a = R.sa = Row_Lengths{0.0, 0.0};
    if (method != Four_Bolt_Research_Report && method != Four_Bolt_Dissertation && method != Four_Bolt_Handbook)
        return;
    const Report_Block out{stream, detail};
    if (R.individual && R.next_to_stiffener) {
        if (R.inner_row)
            return Inner_Row_Next_To_Flange(R, method, out);
        return Extension_Row(R, method, out);
    }
    if (method != Four_Bolt_Handbook) return;
    if (R.individual)
        Handbook_Single_Row(R, out);
    else
        Handbook_Group_Row(R, out);
}
