// Effective lengths of a row with two bolts: column flange after EN 1993-1-8 Table 6.4 (unstiffened
// and stiffened), end plate and its extension after Table 6.6. A row considered individually takes
// the circular and non-circular patterns of a single row; a row as part of a group the group
// patterns, which share the spacing p with their neighbours. An end row whose distance e₁ to the
// free end is at most 0.1 mm has no free end (e₁ = ∞).
#include <algorithm>
#include <numbers>

#include "checks/report_indent.h"
#include "checks/tstub_row_lengths.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Min_E_1 = 0.1;      // mm; a smaller e₁ means no free end
constexpr double Min_Alpha = 0.001;  // a smaller α is no α
constexpr double Min_W = 0.1;        // mm; a smaller extension spacing is derived from b_p

// The formulas of the patterns; each names its value and its report line.
enum class Formula {
    None,
    Two_Pi_M,           // 2πm
    End_Cp,             // min(2πm, πm + 2e₁)
    Pi_M_P,             // πm + p
    Two_P,              // 2p
    Group_End_Cp,       // min(πm + p, 2e₁ + p)
    Alpha_M,            // αm
    Four_M,             // 4m + 1.25e
    End_Nc,             // min(4m + 1.25e, 2m + 0.625e + e₁)
    Stiff_End_Nc_Min,   // min(αm, e₁ + αm − (2m + 0.625e))
    Stiff_End_Nc,       // e₁ + αm − (2m + 0.625e)
    Stiff_Group_Nc,     // 0.5p + αm − (2m + 0.625e)
    P,                  // p
    Group_End_Nc,       // min(2m + 0.625e + 0.5p, e₁ + 0.5p)
    Group_End_Inf_Nc,   // 2m + 0.625e + 0.5p
    Not_Relevant,       // the end row next to a stiffener in a group
};

struct Row_Pattern {
    const char* description;         // "%s" takes the line prefix
    Row_Lengths Row_Length_Record::*slot;
    const char* slot_name;
    bool stiffened;                  // α from (m, e, m₂) first
    Formula cp;
    Formula nc;
};

double Value(Formula f, const Row_Length_Record& R, double alpha) {
    const double m = R.m, e = R.e, e1 = R.e_1, p = R.p;
    switch (f) {
    case Formula::Two_Pi_M: return 2.0 * Pi * m;
    case Formula::End_Cp: return std::min(2.0 * Pi * m, Pi * m + 2.0 * e1);
    case Formula::Pi_M_P: return Pi * m + p;
    case Formula::Two_P: return 2.0 * p;
    case Formula::Group_End_Cp: return std::min(Pi * m + p, 2.0 * e1 + p);
    case Formula::Alpha_M: return alpha * m;
    case Formula::Four_M: return 4.0 * m + 1.25 * e;
    case Formula::End_Nc: return std::min(4.0 * m + 1.25 * e, 2.0 * m + 0.625 * e + e1);
    case Formula::Stiff_End_Nc_Min: return std::min(alpha * m, e1 + alpha * m - (2.0 * m + 0.625 * e));
    case Formula::Stiff_End_Nc: return e1 + alpha * m - (2.0 * m + 0.625 * e);
    case Formula::Stiff_Group_Nc: return 0.5 * p + alpha * m - (2.0 * m + 0.625 * e);
    case Formula::P: return p;
    case Formula::Group_End_Nc: return std::min(2.0 * m + 0.625 * e + 0.5 * p, e1 + 0.5 * p);
    case Formula::Group_End_Inf_Nc: return 2.0 * m + 0.625 * e + 0.5 * p;
    case Formula::None:
    case Formula::Not_Relevant: return 0.0;
    }
    return 0.0;
}

// The line of a formula; suffix is "  (e₁ = ∞)" or "".
void Print(FILE* s, Formula f, const char* slot, double v, const char* suffix) {
    const char* P = Report_Line_Prefix;
    const char* D = Times_Dot;
    switch (f) {
    case Formula::Two_Pi_M:
        OLI_Printf(s, "%sl╬\\eff,cp,%s╬r = 2%s╔%sm = %.1lf mm%s\n"_cp, P, slot, D, D, v, suffix);
        break;
    case Formula::End_Cp:
        OLI_Printf(s, "%sl╬\\eff,cp,%s╬r = min(2%s╔%sm, ╔%sm+2%se╬\\1╬r) = %.1lf mm%s\n"_cp, P, slot, D, D, D, D, v,
                   suffix);
        break;
    case Formula::Pi_M_P: OLI_Printf(s, "%sl╬\\eff,cp,%s╬r = ╔%sm+p = %.1lf mm%s\n"_cp, P, slot, D, v, suffix); break;
    case Formula::Two_P: OLI_Printf(s, "%sl╬\\eff,cp,%s╬r = 2%sp = %.1lf mm%s\n"_cp, P, slot, D, v, suffix); break;
    case Formula::Group_End_Cp:
        OLI_Printf(s, "%sl╬\\eff,cp,%s╬r = min(╔%sm+p, 2%se╬\\1╬r+p) = %.1lf mm%s\n"_cp, P, slot, D, D, v, suffix);
        break;
    case Formula::Alpha_M: OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = ║%sm = %.1lf mm%s\n"_cp, P, slot, D, v, suffix); break;
    case Formula::Four_M:
        OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = 4%sm+1.25%se = %.1lf mm%s\n"_cp, P, slot, D, D, v, suffix);
        break;
    case Formula::End_Nc:
        OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = min(4%sm+1.25%se, 2%sm+0.625%se+e╬\\1╬r) = %.1lf mm%s\n"_cp, P, slot, D, D,
                   D, D, v, suffix);
        break;
    case Formula::Stiff_End_Nc_Min:
        OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = min(║%sm, e╬\\1╬r+║%sm-(2%sm+0.625%se)) = %.1lf mm%s\n"_cp, P, slot, D, D,
                   D, D, v, suffix);
        break;
    case Formula::Stiff_End_Nc:
        OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = e╬\\1╬r+║%sm-(2%sm+0.625%se) = %.1lf mm%s\n"_cp, P, slot, D, D, D, v,
                   suffix);
        break;
    case Formula::Stiff_Group_Nc:
        OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = 0.5%sp+║%sm-(2%sm+0.625%se) = %.1lf mm%s\n"_cp, P, slot, D, D, D, D, v,
                   suffix);
        break;
    case Formula::P: OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = p = %.1lf mm%s\n"_cp, P, slot, v, suffix); break;
    case Formula::Group_End_Nc:
        OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = min(2%sm+0.625%se+0.5%sp, e╬\\1╬r+0.5%sp) = %.1lf mm%s\n"_cp, P, slot, D, D,
                   D, D, v, suffix);
        break;
    case Formula::Group_End_Inf_Nc:
        OLI_Printf(s, "%sl╬\\eff,nc,%s╬r = 2%sm+0.625%se+0.5%sp = %.1lf mm%s\n"_cp, P, slot, D, D, D, v, suffix);
        break;
    case Formula::Not_Relevant:
        OLI_Printf(s, "%sl╬\\eff,cp,%s╬r, l╬\\eff,nc,%s╬r nicht relevant\n"_cp, P, slot, slot);
        break;
    case Formula::None: break;
    }
}

void Clear_Results(Row_Length_Record& R) {
    R.alpha = 0.0;
    R.i = R.si = R.a = R.sa = Row_Lengths{0.0, 0.0};
}

// Fills the pattern's slot; a stiffened pattern whose α is below 0.001 keeps its zeros.
void Run_Pattern(Row_Length_Record& R, const Row_Pattern& pattern, const char* suffix, FILE* stream, int detail) {
    const Report_Block out{stream, detail};
    out.begin(pattern.description);
    double alpha = 0.0;
    if (pattern.stiffened) {
        alpha = R.alpha = Compute_Stiffened_Row_Alpha(stream, detail, R.m, R.e, R.m_2);
        if (alpha < Min_Alpha) return out.end();
    }
    Row_Lengths& L = R.*pattern.slot;
    L.cp = Value(pattern.cp, R, alpha);
    L.nc = Value(pattern.nc, R, alpha);
    if (out.on()) {
        Print(stream, pattern.cp, pattern.slot_name, L.cp, suffix);
        Print(stream, pattern.nc, pattern.slot_name, L.nc, suffix);
    }
    out.end();
}

using F = Formula;
constexpr auto I = &Row_Length_Record::i;
constexpr auto SI = &Row_Length_Record::si;
constexpr auto A = &Row_Length_Record::a;
constexpr auto SA = &Row_Length_Record::sa;

// Column flange (Table 6.4), by edition (2025, 2010).
struct Column_Patterns {
    Row_Pattern single_si, single_sa, single_sa_inf, single_i, single_a, single_a_inf;
    Row_Pattern group_si, group_sa, group_i, group_a, group_a_inf;
};
constexpr Column_Patterns Column_2025 = {
    {"%säußere Schraubenreihe neben einer Quersteife\n"_cp, SI, "si", true, F::Two_Pi_M, F::Alpha_M},
    {"%sSchraubenreihe am Ende der Stütze neben einer Quersteife\n"_cp, SA, "sa", true, F::End_Cp, F::Stiff_End_Nc_Min},
    {"%säußere Schraubenreihe neben einer Quersteife\n"_cp, SA, "sa", true, F::Two_Pi_M, F::Alpha_M},
    {"%s(äußere oder) innere Schraubenreihe\n"_cp, I, "i", false, F::Two_Pi_M, F::Four_M},
    {"%sSchraubenreihe am Ende der Stütze\n"_cp, A, "a", false, F::End_Cp, F::End_Nc},
    {"%säußere (oder innere) Schraubenreihe\n"_cp, A, "a", false, F::Two_Pi_M, F::Four_M},
    {"%säußere Schraubenreihe neben einer Quersteife\n"_cp, SI, "si", true, F::Pi_M_P, F::Stiff_Group_Nc},
    {"%säußere Schraubenreihe neben einer Steife\n"_cp, SA, "sa", true, F::Not_Relevant, F::None},
    {"%sinnere Schraubenreihe\n", I, "i", false, F::Two_P, F::P},
    {"%sSchraubenreihe am Ende der Stütze\n"_cp, A, "a", false, F::Group_End_Cp, F::Group_End_Nc},
    {"%säußere Schraubenreihe\n"_cp, A, "a", false, F::Pi_M_P, F::Group_End_Inf_Nc},
};
constexpr Column_Patterns Column_2010 = {
    {"%sinnere Schraubenreihe neben einer Steife\n", SI, "si", true, F::Two_Pi_M, F::Alpha_M},
    {"%säußere Schraubenreihe neben einer Steife\n"_cp, SA, "sa", true, F::End_Cp, F::Stiff_End_Nc},
    {"%säußere Schraubenreihe neben einer Steife\n"_cp, SA, "sa", true, F::Two_Pi_M, F::Alpha_M},
    {"%s(andere) innere Schraubenreihe\n", I, "i", false, F::Two_Pi_M, F::Four_M},
    {"%s(andere) äußere Schraubenreihe\n"_cp, A, "a", false, F::End_Cp, F::End_Nc},
    {"%s(andere) äußere Schraubenreihe\n"_cp, A, "a", false, F::Two_Pi_M, F::Four_M},
    {"%sinnere Schraubenreihe neben einer Steife\n", SI, "si", true, F::Pi_M_P, F::Stiff_Group_Nc},
    {"%säußere Schraubenreihe neben einer Steife\n"_cp, SA, "sa", true, F::Not_Relevant, F::None},
    {"%s(andere) innere Schraubenreihe\n", I, "i", false, F::Two_P, F::P},
    {"%säußere Schraubenreihe\n"_cp, A, "a", false, F::Group_End_Cp, F::Group_End_Nc},
    {"%s(andere) äußere Schraubenreihe\n"_cp, A, "a", false, F::Pi_M_P, F::Group_End_Inf_Nc},
};

// End plate between the beam flanges (Table 6.6), by edition; the extension row has its own routine.
struct End_Plate_Patterns {
    Row_Pattern single_si, single_i, single_a, single_a_inf;
    Row_Pattern group_si, group_sa, group_i, group_a, group_a_inf;
};
constexpr End_Plate_Patterns End_Plate_2025 = {
    {"%säußere Schraubenreihe zwischen den Trägerflanschen\n"_cp, SI, "si", true, F::Two_Pi_M, F::Alpha_M},
    {"%sinnere Schraubenreihe zwischen den Trägerflanschen\n"_cp, I, "i", false, F::Two_Pi_M, F::Four_M},
    {"%sSchraubenreihe am freien Rand\n", A, "a", false, F::End_Cp, F::End_Nc},
    {"%sinnere Schraubenreihe zwischen den Trägerflanschen\n"_cp, A, "a", false, F::Two_Pi_M, F::Four_M},
    {"%säußere Schraubenreihe zwischen den Trägerflanschen\n"_cp, SI, "si", true, F::Pi_M_P, F::Stiff_Group_Nc},
    {"%säußere Schraubenreihe neben dem Trägerzugflansch\n"_cp, SA, "sa", true, F::Not_Relevant, F::None},
    {"%sinnere Schraubenreihe\n", I, "i", false, F::Two_P, F::P},
    {"%sSchraubenreihe am freien Rand\n", A, "a", false, F::Group_End_Cp, F::Group_End_Nc},
    {"%sinnere Schraubenreihe\n", A, "a", false, F::Two_P, F::P},
};
constexpr End_Plate_Patterns End_Plate_2010 = {
    {"%sinnere Schraubenreihe neben dem Trägerzugflansch\n"_cp, SI, "si", true, F::Two_Pi_M, F::Alpha_M},
    {"%s(andere) innere Schraubenreihe\n", I, "i", false, F::Two_Pi_M, F::Four_M},
    {"%sSchraubenreihe am freien Rand\n", A, "a", false, F::End_Cp, F::End_Nc},
    {"%s(andere) äußere Schraubenreihe\n"_cp, A, "a", false, F::Two_Pi_M, F::Four_M},
    {"%sinnere Schraubenreihe neben dem Trägerzugflansch\n"_cp, SI, "si", true, F::Pi_M_P, F::Stiff_Group_Nc},
    {"%säußere Schraubenreihe neben dem Trägerzugflansch\n"_cp, SA, "sa", true, F::Not_Relevant, F::None},
    {"%s(andere) innere Schraubenreihe\n", I, "i", false, F::Two_P, F::P},
    {"%sSchraubenreihe am freien Rand\n", A, "a", false, F::Group_End_Cp, F::Group_End_Nc},
    {"%s(andere) äußere Schraubenreihe\n"_cp, A, "a", false, F::Pi_M_P, F::Group_End_Inf_Nc},
};

// The end-plate extension: one end row next to the beam tension flange, m_x = m₁ from the flange,
// e_x = e₁ from the free end; with an extension stiffener the rib acts as a web.
void Compute_Extension_Row_Lengths(Row_Length_Record& R, FILE* stream, int detail) {
    const char* P = Report_Line_Prefix;
    const char* D = Times_Dot;
    const bool edition_2025 = Current_Code_Edition == Code_Edition_2025;
    const bool stiffened = R.extension_stiffener != 0;
    const double e = R.e, m = R.m, b_p = R.b_p;
    const double e_x = R.e_1, m_x = R.m_1;
    const bool w_given = R.w_extension > Min_W;
    const double w = w_given ? R.w_extension : b_p - 2.0 * e;
    const Report_Block out{stream, detail};

    if (stream && detail >= 2) {
        OLI_Printf(stream, "%s╬Se╬\\x╬r╬S = e╬\\1╬r╬S = %.1lf mm,  m╬\\x╬r╬S = m╬\\1╬r╬S = %.1lf mm"_cp, P, e_x, m_x);
        if (stiffened) {
            OLI_Printf(stream, ",  ausgesteift,  e = %.1lf mm,  m = %.1lf mm", e, m);
        } else {
            if (w_given)
                OLI_Printf(stream, ",  w = %.1lf mm,  ", w);
            else
                OLI_Printf(stream, ",  w = b╬\\p╬r╬S-2%s╬Se = %.1lf mm  mit  "_cp, D, w);
            OLI_Printf(stream, "b╬\\p╬r╬S = %.1lf mm,  e = %.1lf mm"_cp, b_p, e);
        }
        OLI_Printf(stream, "\n");
    }
    if (out.on()) {
        OLI_Printf(stream, "%säußere Schraubenreihe neben dem Trägerzugflansch"_cp, P);
        OLI_Printf(stream, ", %s Stirnblechsteife", stiffened ? "mit" : "ohne");
        // EN 1993-1-8:2005 gives no pattern for a stiffened extension.
        if (stiffened && !edition_2025) OLI_Printf(stream, " (nicht genormt)");
        OLI_Printf(stream, "\n");
    }
    out.begin(nullptr);
    Row_Lengths& L = R.sa;
    if (!stiffened) {
        L.cp = std::min({2.0 * Pi * m_x, Pi * m_x + w, Pi * m_x + 2.0 * e});
        L.nc = std::min({4.0 * m_x + 1.25 * e_x, e + 2.0 * m_x + 0.625 * e_x, 0.5 * b_p, 0.5 * w + 2.0 * m_x + 0.625 * e_x});
        if (out.on()) {
            OLI_Printf(stream, "%sl╬\\eff,cp,sa╬r = min(2%s╔%sm╬\\x╬r, ╔%sm╬\\x╬r+w, ╔%sm╬\\x╬r+2%se) = %.1lf mm\n"_cp, P,
                       D, D, D, D, D, L.cp);
            OLI_Printf(stream,
                       "%sl╬\\eff,nc,sa╬r = min(4%sm╬\\x╬r+1.25%se╬\\x╬r, e+2%sm╬\\x╬r+0.625%se╬\\x╬r, 0.5%sb╬\\p╬r, "
                       "0.5%sw+2%sm╬\\x╬r+0.625%se╬\\x╬r) = %.1lf mm\n"_cp,
                       P, D, D, D, D, D, D, D, D, L.nc);
        }
    } else if (!edition_2025) {
        L.cp = std::min(2.0 * Pi * m_x, Pi * m_x + 2.0 * e);
        L.nc = std::min(4.0 * m_x + 1.25 * e_x, e + 2.0 * m_x + 0.625 * e_x);
        if (out.on()) {
            OLI_Printf(stream, "%sl╬\\eff,cp,sa╬r = min(2%s╔%sm╬\\x╬r, ╔%sm╬\\x╬r+2%se) = %.1lf mm\n"_cp, P, D, D, D, D,
                       L.cp);
            OLI_Printf(stream, "%sl╬\\eff,nc,sa╬r = min(4%sm╬\\x╬r+1.25%se╬\\x╬r, e+2%sm╬\\x╬r+0.625%se╬\\x╬r) = %.1lf mm\n"_cp,
                       P, D, D, D, D, L.nc);
        }
    } else {
        // The rib is the web of a stiffened T-stub: α from the flange distance m₁ as m₂.
        const double alpha = R.alpha = Compute_Stiffened_Row_Alpha(stream, detail, m, e, m_x);
        if (alpha < Min_Alpha) return out.end();
        L.cp = std::min(2.0 * Pi * m, Pi * m + 2.0 * e_x);
        L.nc = std::min(alpha * m - (2.0 * m + 0.625 * e) + e_x, alpha * m);
        if (out.on()) {
            OLI_Printf(stream, "%sl╬\\eff,cp,sa╬r = min(2%s╔%sm, ╔%sm+2%se╬\\x╬r) = %.1lf mm\n"_cp, P, D, D, D, D, L.cp);
            OLI_Printf(stream, "%sl╬\\eff,nc,sa╬r = min(║%sm-(2%sm+0.625%se)+e╬\\x╬r, ║%sm) = %.1lf mm\n"_cp, P, D, D, D,
                       D, L.nc);
        }
    }
    out.end();
}

}  // namespace

void Compute_Column_Flange_Row_Lengths(Row_Length_Record* row, FILE* stream, int detail) {
    if (!row) return;
    Row_Length_Record& R = *row;
    Clear_Results(R);
    const Column_Patterns& C = Current_Code_Edition == Code_Edition_2025 ? Column_2025 : Column_2010;
    const bool e1_given = R.e_1 > Min_E_1;
    const char* suffix = e1_given ? "" : "  (e╬\\1╬r = ∞)"_cp;
    const Row_Pattern* pattern;
    if (R.individual) {
        if (R.inner_row)
            pattern = R.next_to_stiffener ? &C.single_si : &C.single_i;
        else if (R.next_to_stiffener)
            pattern = e1_given ? &C.single_sa : &C.single_sa_inf;
        else
            pattern = e1_given ? &C.single_a : &C.single_a_inf;
    } else {
        if (R.inner_row)
            pattern = R.next_to_stiffener ? &C.group_si : &C.group_i;
        else if (R.next_to_stiffener)
            pattern = &C.group_sa;
        else
            pattern = e1_given ? &C.group_a : &C.group_a_inf;
    }
    // Only end rows depend on e₁; theirs carry the note of a missing free end.
    Run_Pattern(R, *pattern, R.inner_row ? "" : suffix, stream, detail);
}

void Compute_End_Plate_Row_Lengths(Row_Length_Record* row, FILE* stream, int detail) {
    if (!row) return;
    Row_Length_Record& R = *row;
    Clear_Results(R);
    if (R.individual && !R.inner_row && R.next_to_stiffener) return Compute_Extension_Row_Lengths(R, stream, detail);
    const End_Plate_Patterns& E = Current_Code_Edition == Code_Edition_2025 ? End_Plate_2025 : End_Plate_2010;
    const bool e1_given = R.e_1 > Min_E_1;
    const Row_Pattern* pattern;
    if (R.individual) {
        if (R.inner_row)
            pattern = R.next_to_stiffener ? &E.single_si : &E.single_i;
        else
            pattern = e1_given ? &E.single_a : &E.single_a_inf;
    } else {
        if (R.inner_row)
            pattern = R.next_to_stiffener ? &E.group_si : &E.group_i;
        else if (R.next_to_stiffener)
            pattern = &E.group_sa;
        else
            pattern = e1_given ? &E.group_a : &E.group_a_inf;
    }
    Run_Pattern(R, *pattern, "", stream, detail);
}
