// Factor α of a bolt row next to a stiffener (column flange) or next to the beam tension flange (end
// plate), whose non-circular effective length is α·m (EN 1993-1-8, Tables 6.4 and 6.6).
//
// Edition 2010: α from the curves of Figure 6.11 over λ₁ = m/(m + e) and λ₂ = m₂/(m + e). A curve of
// given α runs at λ₁,lim = 1.25/(α − 2.75) from λ₂,lim = α·λ₁,lim/2 on and rises towards λ₁ = 1 at
// λ₂ = 0 as λ₁,lim + (1 − λ₁,lim)·((λ₂,lim − λ₂)/λ₂,lim)^(α/√2). Points on or right of the curve
// 4.45 take 4.45, points on or left of the curve 8 take 8; between them the curve through the point
// is found by bisection, with the digitised chart and a step search as fallbacks.
// Edition 2025: α = K = 4 + 1.25·e/m when K > L = 4 + 1.67·(e/m)·(m/m₂)^2/3, else min(L, 8).
#include <algorithm>
#include <cmath>

#include "checks/report_indent.h"
#include "checks/tstub_row_lengths.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "material/interpolation.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Min_Distance = 0.001;     // mm; smaller m or e leave α undetermined
constexpr double Min_M_2 = 0.001;          // mm; edition 2025: α = 0 at or below
constexpr double Inverse_Root_2 = 0.7071067811865475;

// The bounding curves α = 4.45 and α = 8 of Figure 6.11 as stored constants: λ₂,lim, 1/λ₂,lim,
// the exponent α/√2, λ₁,lim and 1 − λ₁,lim.
struct Bounding_Curve {
    double alpha, lambda_2_lim, inverse_lambda_2_lim, exponent, lambda_1_lim, rise;
    double lambda_1(double lambda_2) const {
        if (lambda_2 >= lambda_2_lim) return lambda_1_lim;
        return rise * std::pow((lambda_2_lim - lambda_2) * inverse_lambda_2_lim, exponent) + lambda_1_lim;
    }
};
constexpr Bounding_Curve Curve_4_45 = {4.45, 1.6360294117647058, 0.6112359550561798, 3.1466251762801365,
                                       0.7352941176470588, 0.26470588235294124};
constexpr Bounding_Curve Curve_8 = {8.0, 0.9523809523809523, 1.05, 5.65685424949238, 0.23809523809523808,
                                    0.7619047619047619};

constexpr int Max_Halvings = 100;
constexpr double Bisection_Tolerance = 0.001;   // relative in λ₁

// The chart is read between λ₂ = 0.02 and 1.4 and up to λ₁ = 0.9; its curves end at λ₁ = 0.23.
constexpr double Chart_Max_Lambda_1 = 0.9;
constexpr double Chart_Min_Lambda_2 = 0.02;
constexpr double Chart_Max_Lambda_2 = 1.4;
constexpr double Chart_Min_Lambda_1 = 0.23;
constexpr double Chart_Row_Step = 0.1;
constexpr double Chart_Match = 0.01;             // λ₁ within this distance lies on the curve

constexpr double Search_Start = 2.76;
constexpr double Search_Step = 0.0001;
constexpr int Search_Steps = 100000;
constexpr double Search_Match = 0.0001;          // ends the search at once
constexpr double Search_Accept = 0.001;          // the closest curve is taken within this
constexpr double Search_Lim_Margin = 0.001;

const char* Note_Computed() { return " (berechnet)"; }
const char* Note_Chart() { return " (s. Bild 6.11)"; }
const char* Note_Handbook() { return " (n. Handbuch Stahlbau-Praxis)"; }

// λ₁ of the curve α at λ₂, with the rising part left of λ₂,lim − margin.
double Curve_Lambda_1(double alpha, double lambda_2, double margin) {
    const double lambda_1_lim = 1.25 / (alpha - 2.75);
    const double lambda_2_lim = alpha * lambda_1_lim / 2.0;
    if (lambda_2 >= lambda_2_lim - margin) return lambda_1_lim;
    return lambda_1_lim +
           (1.0 - lambda_1_lim) * std::pow((lambda_2_lim - lambda_2) / lambda_2_lim, alpha * Inverse_Root_2);
}

// α from Figure 6.11 with the source note; −1 when none can be found.
double Alpha_From_Figure(double lambda_1, double lambda_2, const char** note) {
    *note = Note_Computed();
    if (lambda_1 >= Curve_4_45.lambda_1(lambda_2)) return Curve_4_45.alpha;
    if (lambda_1 <= Curve_8.lambda_1(lambda_2)) return Curve_8.alpha;
    double alpha = Bisect_Alpha_Curves(lambda_1, lambda_2);
    if (alpha > 0.0) return alpha;
    *note = Note_Chart();
    alpha = Read_Alpha_Chart(lambda_1, lambda_2);
    if (alpha > 0.0) return alpha;
    *note = Note_Handbook();
    return Search_Alpha_Curve(lambda_1, lambda_2);
}

double Alpha_Edition_2010(FILE* stream, int detail, double m, double e, double m_2) {
    const char* P = Report_Line_Prefix;
    const double lambda_1 = m / (m + e);
    const double lambda_2 = m_2 / (m + e);
    if (stream && detail >= 2)
        OLI_Printf(stream, "%sEingabewerte ┼╬\\1╬r = m / (m+e) = %.3lf,  ┼╬\\2╬r = m╬\\2╬r / (m+e) = %.3lf"_cp, P,
                   lambda_1, lambda_2);
    const char* note = "";
    // Without a distance to the stiffener the curves of Figure 6.11 give no value (λ₂ = 0 would
    // read α = 8, the largest of all).
    const double alpha = m_2 < Min_Distance ? -1.0 : Alpha_From_Figure(lambda_1, lambda_2, &note);
    if (!stream) return alpha;
    if (alpha < 0.0) {
        if (detail > 0)
            OLI_Printf(stream, "\n%sBeiwert ║ "_cp, P);
        else
            OLI_Printf(stream, "%sBeiwert ║ für ausgesteifte Stützenflansche/Stirnbleche "_cp, P);
        OLI_Printf(stream, "nicht ermittelbar !\n");
        return alpha;
    }
    if (detail >= 2) OLI_Printf(stream, "  ê "_cp);
    if (detail >= 1) OLI_Printf(stream, " ║ = %.2lf%s\n"_cp, alpha, note);
    return alpha;
}

double Alpha_Edition_2025(FILE* stream, int detail, double m, double e, double m_2) {
    const char* P = Report_Line_Prefix;
    const char* D = Times_Dot;
    const bool report = stream && detail >= 1;
    if (m_2 <= Min_M_2) {
        if (report && detail == 1) OLI_Printf(stream, " ║ = %.2lf\n"_cp, 0.0);
        return 0.0;
    }
    const double K = 4.0 + 1.25 * e / m;
    const double root = std::cbrt(m / m_2);
    const double M = 1.67 * (e / m) * root * root;
    const double L = 4.0 + M;
    constexpr double Upper = 8.0;
    const double alpha = K > L ? K : (M > 4.0 ? Upper : L);
    if (report && detail >= 2) {
        OLI_Printf(stream, "%s║ = 4+1.67%se/m%s(m/m╬\\2╬r)╬/2/3╬r = %.2lf"_cp, P, D, D, L);
        // A bound that changes α by less than 0.1 is applied without its line.
        if (K > L && L < K - 0.1)
            OLI_Printf(stream, " < 4+1.25%se/m = %.2lf  ê  ║ = %.2lf"_cp, D, K, K);
        else if (L >= K && M > 4.1)
            OLI_Printf(stream, " > %.0lf  ê  ║ = %.0lf"_cp, Upper, Upper);
        OLI_Printf(stream, ", e = %.1lf mm, m = %.1lf mm, m╬\\2╬r = %.1lf mm\n"_cp, e, m, m_2);
    } else if (report) {
        OLI_Printf(stream, " ║ = %.2lf\n"_cp, alpha);
    }
    return alpha;
}

}  // namespace

double Alpha_Curve_Lambda_1(double alpha, double lambda_2) { return Curve_Lambda_1(alpha, lambda_2, 0.0); }

double Bisect_Alpha_Curves(double lambda_1, double lambda_2) {
    double lower = Curve_4_45.alpha, upper = Curve_8.alpha;
    for (int n = 0; n < Max_Halvings; ++n) {
        const double alpha = 0.5 * (lower + upper);
        const double curve = Alpha_Curve_Lambda_1(alpha, lambda_2);
        if (std::fabs(curve - lambda_1) / lambda_1 < Bisection_Tolerance) return alpha;
        // The curves fall as α grows: a curve above the point asks for a larger α.
        if (curve > lambda_1)
            lower = alpha;
        else
            upper = alpha;
    }
    return -1.0;
}

double Read_Alpha_Chart(double lambda_1, double lambda_2) {
    if (lambda_1 > Chart_Max_Lambda_1 || lambda_2 < Chart_Min_Lambda_2 || lambda_2 > Chart_Max_Lambda_2)
        return -1.0;
    const double R = std::max(lambda_1, Chart_Min_Lambda_1);
    int k = Alpha_Chart_Rows - 1;
    for (int row = 1; row < Alpha_Chart_Rows; ++row)
        if (lambda_2 < Chart_Row_Step * row) {
            k = row;
            break;
        }
    const auto& below = Alpha_Chart_Table[k - 1];
    const auto& above = Alpha_Chart_Table[k];
    auto at = [&](int curve) {
        double y = 0.0;
        Interpolate_Linear(Chart_Row_Step * (k - 1), below[curve], Chart_Row_Step * k, above[curve], lambda_2, &y);
        return y;
    };
    double alpha = -1.0;
    for (int curve = 0; curve < Alpha_Chart_Curves; ++curve) {
        if (below[curve] < 0.0 || above[curve] < 0.0) continue;
        const double Y = at(curve);
        if (std::fabs(Y - R) < Chart_Match) {
            alpha = Alpha_Chart_Curve_Alpha[curve];
            break;
        }
        if (R >= Y) continue;
        // Left of the first curve α exceeds 8: the upper end of the chart's range.
        if (curve == 0) {
            alpha = Alpha_Chart_Curve_Alpha[0];
            break;
        }
        const double Z = at(curve - 1);
        if (Z > Chart_Match) {
            Interpolate_Linear(Y, Alpha_Chart_Curve_Alpha[curve], Z, Alpha_Chart_Curve_Alpha[curve - 1], R, &alpha);
            break;
        }
    }
    return std::clamp(alpha, Curve_4_45.alpha, Curve_8.alpha);
}

double Search_Alpha_Curve(double lambda_1, double lambda_2) {
    double closest = 1000.0, closest_alpha = -1.0;
    for (int n = 0; n < Search_Steps; ++n) {
        const double alpha = Search_Start + n * Search_Step;
        const double difference = std::fabs(Curve_Lambda_1(alpha, lambda_2, Search_Lim_Margin) - lambda_1);
        if (difference < closest) {
            closest = difference;
            closest_alpha = alpha;
            if (closest < Search_Match) return alpha;
        }
    }
    return closest < Search_Accept ? closest_alpha : -1.0;
}

double Compute_Stiffened_Row_Alpha(FILE* stream, int detail, double m, double e, double m_2) {
    if (m < Min_Distance || e < Min_Distance) return -1.0;
    const bool report = stream && detail > 0;
    if (report) OLI_Printf(stream, "%sBeiwert für ausgesteifte Stützenflansche/Stirnbleche"_cp, Report_Line_Prefix);
    if (report && detail >= 2) {
        OLI_Printf(stream, ":\n");
        Raise_Report_Indent();
    }
    const double alpha = Current_Code_Edition == Code_Edition_2025 ? Alpha_Edition_2025(stream, detail, m, e, m_2)
                                                                   : Alpha_Edition_2010(stream, detail, m, e, m_2);
    if (report && detail >= 2) Lower_Report_Indent();
    return alpha;
}
