// Effective lengths of one bolt row of an equivalent T-stub flange (EN 1993-1-8, 6.2.6, Tables 6.4
// to 6.6) and the factor α of a row next to a stiffener (Figure 6.11). Compute_T_Stub_Effective_Lengths
// (checks/tstub_tension.h) fills a Row_Length_Record per row kind and calls one pattern routine for
// it; each routine prints the row's description and formula lines when a stream is given.
//
// Lengths in mm. Patterns: i inner row, si row next to a stiffener or the beam tension flange, a end
// row, sa end row next to a stiffener (on the end plate: the extension row). The circular length
// l_eff,cp belongs to circular yield patterns, the non-circular l_eff,nc to the others.
#pragma once

#include <array>
#include <cstdio>

// The non-circular and the circular length of one pattern.
struct Row_Lengths {
    double nc;
    double cp;
};

struct Row_Length_Record {
    // Which row: considered individually or as part of a group, next to a stiffener (or the beam
    // tension flange), inner or end row, with an extension stiffener, at the free edge.
    int individual;
    int next_to_stiffener;
    int inner_row;
    int extension_stiffener;
    int free_edge;
    double m;             // bolt axis to the web
    double e;             // bolt axis to the flange edge
    double e_1;           // end row to the free end; at most 0.1: no free end (e₁ = ∞)
    double m_2;           // bolt axis to the stiffener or beam flange
    double p;             // row spacing
    double m_1;           // bolt axis to the beam tension flange (extension)
    double b_p;           // end-plate width
    double w_extension;   // bolt spacing in the extension; at most 0.1: b_p − 2e
    double w;             // four bolts: spacing of the outer and the inner bolt
    double b_st;          // width of the beam tension flange or tension stiffener
    double a_st;          // its weld throat
    // Results; every pattern routine first clears them.
    double alpha;
    Row_Lengths i, si, a, sa;
};

// α of a row next to a stiffener from m, e and m₂ under the current Code_Edition: edition 0 from the
// curves of Figure 6.11, edition 1 from K = 4 + 1.25 e/m and L = 4 + 1.67 (e/m)(m/m₂)^2/3. Prints
// how α was found at the detail level. Result: −1 without output when m or e is below 0.001 mm;
// −1 after "nicht ermittelbar" when no α can be found (edition 0); 0 for m₂ ≤ 0.001 (edition 1).
double Compute_Stiffened_Row_Alpha(FILE* stream, int detail, double m, double e, double m_2);

// The three ways of Figure 6.11 under edition 0, for λ₁ = m/(m + e) and λ₂ = m₂/(m + e):
// the curve of a given α (λ₁ at λ₂), the bisection between the curves 4.45 and 8 (−1 without a
// match within a relative λ₁ tolerance of 0.001), the reading of the digitised chart (−1 where the
// chart does not apply, else clamped to [4.45, 8]) and the step search from α = 2.76 (−1 when no
// curve comes within 0.001 of λ₁).
double Alpha_Curve_Lambda_1(double alpha, double lambda_2);
double Bisect_Alpha_Curves(double lambda_1, double lambda_2);
double Read_Alpha_Chart(double lambda_1, double lambda_2);
double Search_Alpha_Curve(double lambda_1, double lambda_2);

// Figure 6.11 digitised: λ₁ of nine α-curves at λ₂ = 0.0, 0.1, ..., 1.4; −1 where the curve does not
// reach that λ₂.
inline constexpr int Alpha_Chart_Rows = 15;
inline constexpr int Alpha_Chart_Curves = 9;
inline constexpr std::array<double, Alpha_Chart_Curves> Alpha_Chart_Curve_Alpha = {8, 7, 6.2832, 6, 5.5, 5, 4.75, 4.5,
                                                                                   4.45};
inline constexpr std::array<std::array<double, Alpha_Chart_Curves>, Alpha_Chart_Rows> Alpha_Chart_Table = {{
    //  α = 8   7     6.2832 6     5.5   5     4.75  4.5   4.45        λ₂
    {{-1, -1, -1, -1, -1, -1, -1, -1, -1}},                         // 0.0
    {{0.58, 0.68, 0.75, 0.82, 0.84, 0.88, -1, -1, -1}},             // 0.1
    {{0.39, 0.50, 0.60, 0.68, 0.73, 0.80, 0.84, 0.90, -1}},         // 0.2
    {{0.29, 0.40, 0.51, 0.58, 0.64, 0.73, 0.78, 0.84, 0.86}},       // 0.3
    {{0.24, 0.34, 0.44, 0.51, 0.58, 0.68, 0.75, 0.81, 0.83}},       // 0.4
    {{0.23, 0.30, 0.40, 0.46, 0.54, 0.63, 0.71, 0.79, 0.81}},       // 0.5
    {{0.23, 0.29, 0.37, 0.43, 0.51, 0.61, 0.69, 0.77, 0.79}},       // 0.6
    {{0.23, 0.29, 0.35, 0.40, 0.48, 0.59, 0.67, 0.76, 0.78}},       // 0.7
    {{0.23, 0.29, 0.35, 0.39, 0.47, 0.57, 0.66, 0.74, 0.76}},       // 0.8
    {{0.23, 0.29, 0.35, 0.39, 0.47, 0.56, 0.65, 0.73, 0.76}},       // 0.9
    {{0.23, 0.29, 0.35, 0.39, 0.46, 0.56, 0.64, 0.72, 0.75}},       // 1.0
    {{0.23, 0.29, 0.35, 0.39, 0.46, 0.56, 0.64, 0.72, 0.74}},       // 1.1
    {{0.23, 0.29, 0.35, 0.39, 0.46, 0.55, 0.63, 0.71, 0.74}},       // 1.2
    {{0.23, 0.29, 0.35, 0.39, 0.46, 0.55, 0.62, 0.71, 0.73}},       // 1.3
    {{0.23, 0.29, 0.35, 0.39, 0.46, 0.55, 0.62, 0.70, 0.73}},       // 1.4
}};

// Two bolts per row: column flange (Table 6.4) and end plate with its extension (Table 6.6). Each
// clears the results, then fills the pattern that the switches select; a stiffened pattern whose α
// is below 0.001 keeps its zeros.
void Compute_Column_Flange_Row_Lengths(Row_Length_Record* row, FILE* stream, int detail);
void Compute_End_Plate_Row_Lengths(Row_Length_Record* row, FILE* stream, int detail);

// Four bolts per row on the end plate after the Four_Bolt_Method: methods 0 and 1 cover the inner
// row next to the beam tension flange and the extension row, method 2 every row. Rows a method
// does not cover keep their zeros and print nothing.
void Compute_Four_Bolt_Row_Lengths(Row_Length_Record* row, int method, FILE* stream, int detail);
