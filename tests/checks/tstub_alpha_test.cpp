#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_compression_test_support.h"
#include "checks/tstub_row_lengths.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

// Hand values of the factor α (EN 1993-1-8, Tables 6.4 and 6.6, Figure 6.11).
namespace {

struct Alpha_Run {
    double alpha;
    std::string report;
};

Alpha_Run Alpha(int edition, int detail, double m, double e, double m_2) {
    Set_Code_Edition(edition);
    Alpha_Run run{0.0, ""};
    run.report = Paragraph_Of([&](FILE* f) { run.alpha = Compute_Stiffened_Row_Alpha(f, detail, m, e, m_2); });
    return run;
}

const std::string Heading = " Beiwert für ausgesteifte Stützenflansche/Stirnbleche"_cp;

// The report of detail 2: the heading, then the nested line.
std::string Nested(const std::string& line) {
    return Para_Head + Heading + ":\n" + Para_Indent(0.3) + line + Para_End;
}

}  // namespace

TEST(Compute_Stiffened_Row_Alpha, WithoutMOrENothingIsPrinted) {
    for (int edition : {0, 1}) {
        for (double m : {0.0, 0.0009}) {
            const Alpha_Run run = Alpha(edition, 2, m, 50.0, 30.0);
            EXPECT_EQ(run.alpha, -1.0);
            EXPECT_EQ(run.report, "");
        }
        const Alpha_Run run = Alpha(edition, 2, 30.0, 0.0, 30.0);
        EXPECT_EQ(run.alpha, -1.0);
        EXPECT_EQ(run.report, "");
    }
}

// Edition 2025: K = 4 + 1.25 e/m, M = 1.67 (e/m)(m/m2)^2/3, L = 4 + M.
TEST(Compute_Stiffened_Row_Alpha, Edition2025Bounds) {
    const std::string L_Text = " ║ = 4+1.67╬/.╬re/m╬/.╬r(m/m╬\\2╬r)╬/2/3╬r = "_cp;
    struct Case {
        const char* what;
        double m, e, m_2, alpha;
        std::string line;
    };
    const Case cases[] = {
        // e/m = 1, m = m2: K 5.25, L 5.67.
        {"L governs", 30, 30, 30, 5.67, L_Text + "5.67, e = 30.0 mm, m = 30.0 mm, m╬\\2╬r = 30.0 mm\n"_cp},
        // m2 = 1: M = 1.67·30^2/3 = 16.124, L 20.12 above 8.1.
        {"upper bound", 30, 30, 1, 8.0,
         L_Text + "20.12 > 8  ê  ║ = 8, e = 30.0 mm, m = 30.0 mm, m╬\\2╬r = 1.0 mm\n"_cp},
        // m2 = 7.96: M = 1.67·3.7688^2/3 = 4.044, L 8.04: the bound changes α by less than 0.1 and
        // has no line.
        {"upper bound without its line", 30, 30, 7.96, 8.0,
         L_Text + "8.04, e = 30.0 mm, m = 30.0 mm, m╬\\2╬r = 8.0 mm\n"_cp},
        // e/m = 2, m2 = 300: K 6.5, M = 1.67·2·0.1^2/3 = 0.720, L 4.72.
        {"K governs", 30, 60, 300, 6.5,
         L_Text + "4.72 < 4+1.25╬/.╬re/m = 6.50  ê  ║ = 6.50, e = 60.0 mm, m = 30.0 mm, m╬\\2╬r = 300.0 mm\n"_cp},
        // m2 = 49.3: L = 4 + 1.67·0.6085^2/3 = 5.199 within 0.1 below K = 5.25.
        {"K governs without its line", 30, 30, 49.3, 5.25,
         L_Text + "5.20, e = 30.0 mm, m = 30.0 mm, m╬\\2╬r = 49.3 mm\n"_cp},
    };
    for (const Case& c : cases) {
        const Alpha_Run run = Alpha(1, 2, c.m, c.e, c.m_2);
        EXPECT_NEAR(run.alpha, c.alpha, 0.005) << c.what;
        EXPECT_EQ(run.report, Nested(c.line)) << c.what;
    }
    // Detail 1 closes the heading line with α, detail 0 prints nothing.
    Alpha_Run run = Alpha(1, 1, 30, 30, 30);
    EXPECT_EQ(run.report, Para_Head + Heading + " ║ = 5.67\n"_cp + Para_End);
    EXPECT_EQ(Alpha(1, 0, 30, 30, 1).report, "");
}

TEST(Compute_Stiffened_Row_Alpha, Edition2025WithoutM2IsZero) {
    Alpha_Run run = Alpha(1, 2, 30, 50, 0.0);
    EXPECT_EQ(run.alpha, 0.0);
    EXPECT_EQ(run.report, Para_Head + Heading + ":\n" + Para_End);
    run = Alpha(1, 1, 30, 50, 0.001);
    EXPECT_EQ(run.alpha, 0.0);
    EXPECT_EQ(run.report, Para_Head + Heading + " ║ = 0.00\n"_cp + Para_End);
}

// Edition 2010: λ1 = m/(m+e), λ2 = m2/(m+e) on Figure 6.11.
TEST(Compute_Stiffened_Row_Alpha, Edition2010BoundingCurves) {
    const std::string Input = " Eingabewerte ┼╬\\1╬r = m / (m+e) = "_cp;
    // λ1 0.8 right of the curve 4.45 (λ1,lim 0.735 from λ2 1.636 on).
    Alpha_Run run = Alpha(0, 2, 80, 20, 170);
    EXPECT_EQ(run.alpha, 4.45);
    EXPECT_EQ(run.report, Nested(Input + "0.800,  ┼╬\\2╬r = m╬\\2╬r / (m+e) = 1.700  ê  ║ = 4.45 (berechnet)\n"_cp));
    // λ1 0.2 left of the curve 8 (λ1,lim 0.238).
    run = Alpha(0, 1, 20, 80, 170);
    EXPECT_EQ(run.alpha, 8.0);
    EXPECT_EQ(run.report, Para_Head + Heading + " ║ = 8.00 (berechnet)\n"_cp + Para_End);
    // λ2 = 0.205, λ1 = 0.385 below λ1,8 = 0.238 + 0.762·((0.952 − 0.205)·1.05)^5.657 = 0.431.
    run = Alpha(0, 0, 30, 48, 16);
    EXPECT_EQ(run.alpha, 8.0);
    EXPECT_EQ(run.report, "");
}

TEST(Compute_Stiffened_Row_Alpha, Edition2010Bisection) {
    // On the curve α = 6 at λ2 = 0.5: λ1,lim = 1.25/3.25 = 0.3846, λ2,lim = 1.1538,
    // λ1 = 0.3846 + 0.6154·(0.6538/1.1538)^(6/√2) = 0.4399. A relative λ1 tolerance of 0.001 holds
    // α within 0.003 of 6.
    EXPECT_NEAR(Bisect_Alpha_Curves(0.4399000336, 0.5), 6.0, 0.003);
    const Alpha_Run run = Alpha(0, 2, 43.99000336, 56.00999664, 50.0);
    EXPECT_NEAR(run.alpha, 6.0, 0.003);
    EXPECT_EQ(run.report,
              Nested(" Eingabewerte ┼╬\\1╬r = m / (m+e) = 0.440,  ┼╬\\2╬r = m╬\\2╬r / (m+e) = 0.500  ê  ║ = 6.00 (berechnet)\n"_cp));
    EXPECT_NEAR(Alpha_Curve_Lambda_1(6.0, 0.5), 0.4399, 0.0001);
    EXPECT_NEAR(Alpha_Curve_Lambda_1(6.0, 1.2), 1.25 / 3.25, 1e-12);   // beyond λ2,lim
}

TEST(Read_Alpha_Chart, CurvesAndInterpolation) {
    struct Case {
        const char* what;
        double lambda_1, lambda_2, alpha;
    };
    const Case cases[] = {
        // Between the rows 0.4 and 0.5 the 2π curve lies at (0.44 + 0.40)/2 = 0.42.
        {"on the 2π curve", 0.42, 0.45, 6.2832},
        {"on the 2π curve at a row", 0.51, 0.3, 6.2832},
        {"within 0.01 of the curve 5", 0.672, 0.4, 5.0},
        // Curve 6 at 0.485, curve 2π at 0.42: 6 + 0.2832·(0.445 − 0.485)/(0.42 − 0.485) = 6.1743.
        {"between 6 and 2π", 0.445, 0.45, 6.174277},
        // Below λ1 = 0.23 the chart reads 0.23: on the curve 8.
        {"below the lowest curve", 0.1, 0.8, 8.0},
        // Left of the first curve (0.485 at λ2 0.15): the upper end 8.
        {"left of the curve 8", 0.3, 0.15, 8.0},
        // Right of the last curve (4.45 at 0.845): no curve, clamped to 4.45.
        {"right of the curve 4.45", 0.88, 0.35, 4.45},
        // Between 0.02 and 0.1 no curve is tabulated at both rows.
        {"no curve near λ2 0", 0.5, 0.05, 4.45},
    };
    for (const Case& c : cases) EXPECT_NEAR(Read_Alpha_Chart(c.lambda_1, c.lambda_2), c.alpha, 1e-6) << c.what;
    // Outside the chart.
    EXPECT_EQ(Read_Alpha_Chart(0.95, 0.5), -1.0);
    EXPECT_EQ(Read_Alpha_Chart(0.5, 0.01), -1.0);
    EXPECT_EQ(Read_Alpha_Chart(0.5, 1.5), -1.0);
}

TEST(Search_Alpha_Curve, StepsToTheCurveThroughThePoint) {
    // λ2 = 1.5 lies beyond λ2,lim of the curve 5 (1.389), where λ1 = 1.25/2.25: the search stops at
    // the first step within 0.0001, α > 2.75 + 1.25/0.555656 = 4.999595.
    EXPECT_NEAR(Search_Alpha_Curve(1.25 / 2.25, 1.5), 4.9996, 0.0001);
    // No curve comes within 0.001 of λ1 = 0.01 (λ1,lim is 0.125 at the last step, α 12.76).
    EXPECT_EQ(Search_Alpha_Curve(0.01, 1.5), -1.0);
}
