#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_compression_test_support.h"
#include "checks/tstub_row_lengths.h"
#include "checks/tstub_tension.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

// Hand values of rows with four bolts: m 30 (inner bolt to web), w 60 (w2, inner to outer bolt),
// e 40 (w3, outer bolt to edge), m2 20, p 80.
//   Inner row: 4πm = 376.991, 2(πm + w) = 308.496, πm + 2(w + e) = 294.248; 4m + 1.25(w + e) = 245;
//   α from m 30, e + w = 100, m2 20 (λ1 0.231 left of the curve 8 at λ2 0.154): 8, αm = 240.
//   Dissertation: A = 4w + 3m + 4e = 490, B = e + w + m = 130, sin β = 0.5·(A/B)^1/2 = 0.9707,
//   cos α = 0.5·(A·m)^1/2/B = 0.4663, sin γ = sin(arctan(m/m2)) = 0.8321, D = 2(e + w) + m = 230,
//   l = 0.5m·(11.5 + 0.6667 + 3.7940 + 0.2474 + 0.6736 + 4.0415) = 313.847.
namespace {

Row_Length_Record Row(int individual, int inner_row, int next_to_stiffener) {
    Row_Length_Record R{};
    R.individual = individual;
    R.inner_row = inner_row;
    R.next_to_stiffener = next_to_stiffener;
    R.m = 30.0;
    R.e = 40.0;
    R.w = 60.0;
    R.m_2 = 20.0;
    R.p = 80.0;
    R.e_1 = 45.0;
    return R;
}

// The extension: m_x = m1 40, e_x = e1 44, b_p 300 (w1 = 300 − 2·100 = 100), b_st 200, a_st 6.
Row_Length_Record Extension(int stiffener) {
    Row_Length_Record R = Row(1, 0, 1);
    R.m_1 = 40.0;
    R.e_1 = 44.0;
    R.b_p = 300.0;
    R.b_st = 200.0;
    R.a_st = 6.0;
    R.extension_stiffener = stiffener;
    return R;
}

std::string Report(Row_Length_Record& R, int method, int detail) {
    return Paragraph_Of([&](FILE* f) { Compute_Four_Bolt_Row_Lengths(&R, method, f, detail); });
}

}  // namespace

TEST(Compute_Four_Bolt_Row_Lengths, LengthsByMethodAndRow) {
    Set_Code_Edition(0);
    struct Case {
        const char* what;
        Row_Length_Record row;
        int method;
        Row_Lengths Row_Length_Record::*slot;
        double nc, cp;
    };
    const Case cases[] = {
        {"inner next to flange, report", Row(1, 1, 1), 0, &Row_Length_Record::si, 240, 376.99111843077515},
        {"inner next to flange, dissertation", Row(1, 1, 1), 1, &Row_Length_Record::si, 313.84718624063987,
         294.2477796076938},
        {"inner next to flange, handbook", Row(1, 1, 1), 2, &Row_Length_Record::si, 240, 294.2477796076938},
        // Extension, handbook: cp = min(2(πm_x + w) 371.3, πm_x + 2w + w1 345.7, πm_x + 2(w + e) 325.7,
        // 4πm_x 502.7); nc = min(4m_x + 1.25e_x + w 275, 2m_x + 0.625e_x + w + 0.5w1 217.5,
        // 2m_x + 0.625e_x + w + e 207.5, 8m_x + 2.5e_x 430, w + e + 0.5w1 150).
        {"extension, handbook", Extension(0), 2, &Row_Length_Record::sa, 150, 325.66370614359175},
        // Dissertation: cp4 = 0.5πm_x + w + e + e_x = 206.8, cp5 = 0.5πm_x + w + 0.5w1 + e_x = 216.8,
        // cp6 = πm_x + w + 2e_x = 273.7; nc4 = min(0.5b_p 150, 0.5b_st + 0.8·2^1/2·a_st 106.79).
        {"extension, dissertation", Extension(0), 1, &Row_Length_Record::sa, 106.78822509939086, 206.83185307179588},
        // With the stiffener cp2, cp5, nc2 and nc4 take no part.
        {"extension, dissertation, stiffened", Extension(1), 1, &Row_Length_Record::sa, 207.5, 206.83185307179588},
        {"extension, handbook, stiffened", Extension(1), 2, &Row_Length_Record::sa, 207.5, 325.66370614359175},
        {"other inner row, handbook", Row(1, 1, 0), 2, &Row_Length_Record::i, 245, 294.2477796076938},
        // min(4πm, 2πm + 2w 308.5); min(245, 2m + 0.625(w + e) + e1 = 167.5).
        {"other end row, handbook", Row(1, 0, 0), 2, &Row_Length_Record::a, 167.5, 308.4955592153876},
        // Group rows: min(2πm + 2w + 2p 468.5, πm + 2(w + e) + p 374.2).
        {"group, next to stiffener", Row(0, 1, 1), 2, &Row_Length_Record::si, 320, 374.2477796076938},
        {"group, inner", Row(0, 1, 0), 2, &Row_Length_Record::i, 325, 374.2477796076938},
        // min(468.5, 2πm + 4e1 + 4p 688.5, πm + 2e1 + 2p + w 404.2); 2m + 0.625(w + e) + e1.
        {"group, end", Row(0, 0, 0), 2, &Row_Length_Record::a, 167.5, 404.2477796076938},
    };
    for (const Case& c : cases) {
        Row_Length_Record R = c.row;
        Compute_Four_Bolt_Row_Lengths(&R, c.method, nullptr, 2);
        EXPECT_NEAR((R.*c.slot).nc, c.nc, 1e-9) << c.what;
        EXPECT_NEAR((R.*c.slot).cp, c.cp, 1e-9) << c.what;
    }
}

TEST(Compute_Four_Bolt_Row_Lengths, RowsAMethodDoesNotCover) {
    Set_Code_Edition(0);
    for (int method : {0, 1, 3}) {
        for (Row_Length_Record R : {Row(1, 1, 0), Row(1, 0, 0), Row(0, 1, 1)}) {
            R.si = R.i = R.a = R.sa = {7.0, 7.0};
            EXPECT_EQ(Report(R, method, 2), "") << method;
            for (Row_Lengths L : {R.i, R.si, R.a, R.sa}) {
                EXPECT_EQ(L.nc, 0.0) << method;
                EXPECT_EQ(L.cp, 0.0) << method;
            }
        }
    }
}

TEST(Compute_Four_Bolt_Row_Lengths, InnerRowReports) {
    Set_Code_Edition(0);
    const std::string description = " innere Schraubenreihe neben dem Trägerzugflansch / der Zugsteife\n"_cp;
    const std::string alpha_2 = " Beiwert für ausgesteifte Stützenflansche/Stirnbleche:\n"_cp + Para_Indent(0.6) +
                                " Eingabewerte ┼╬\\1╬r = m / (m+e) = 0.231,  ┼╬\\2╬r = m╬\\2╬r / (m+e) = 0.154  ê "
                                " ║ = 8.00 (berechnet)\n"_cp +
                                Para_Indent(0.3);
    // Research report at detail 2: one formula each, α from e + w.
    Row_Length_Record R = Row(1, 1, 1);
    EXPECT_EQ(Report(R, 0, 2), Para_Head + description + Para_Indent(0.3) +
                                   " l╬\\eff,cp,si╬r = l╬\\eff,cp╬r = 4╬/.╬r╔╬/.╬rm = 377.0 mm\n"
                                   " Abstand der inneren Schraubenachse vom Flanschrand e = 100.0 mm\n"_cp +
                                   alpha_2 + " l╬\\eff,nc,si╬r = l╬\\eff,nc╬r = ║╬/.╬rm = 240.0 mm\n"_cp + Para_End);
    // Handbook at detail 1: the candidates, then the governing lengths without their lists.
    R = Row(1, 1, 1);
    EXPECT_EQ(Report(R, 2, 1), Para_Head + description +
                                   " l╬\\eff,cp,1╬r = 4╬/.╬r╔╬/.╬rm = 377.0 mm\n"
                                   " l╬\\eff,cp,2╬r = 2╬/.╬r(╔╬/.╬rm + w╬\\2╬r) = 308.5 mm\n"
                                   " l╬\\eff,cp,3╬r = ╔╬/.╬rm + 2╬/.╬r(w╬\\2╬r+w╬\\3╬r) = 294.2 mm\n"
                                   " l╬\\eff,cp,si╬r = 294.2 mm\n"
                                   " Beiwert für ausgesteifte Stützenflansche/Stirnbleche ║ = 8.00 (berechnet)\n"
                                   " l╬\\eff,nc,1╬r = ║╬/.╬rm = 240.0 mm\n"
                                   " l╬\\eff,nc,2╬r = 4╬/.╬rm + 1.25╬/.╬r(w╬\\2╬r+w╬\\3╬r) = 245.0 mm\n"
                                   " l╬\\eff,nc,si╬r = 240.0 mm\n"_cp +
                                   Para_End);
    // Dissertation at detail 2 with the angles.
    R = Row(1, 1, 1);
    EXPECT_EQ(Report(R, 1, 2), Para_Head + description + Para_Indent(0.3) +
                                   " l╬\\eff,cp,1╬r = 2╬/.╬r(╔╬/.╬rm + w╬\\2╬r) = 308.5 mm\n"
                                   " l╬\\eff,cp,2╬r = ╔╬/.╬rm + 2╬/.╬r(w╬\\2╬r+w╬\\3╬r) = 294.2 mm\n"
                                   " l╬\\eff,cp,si╬r = min(l╬\\eff,cp,1╬r, l╬\\eff,cp,2╬r) = 294.2 mm\n"
                                   " l╬\\eff,nc,si╬r = 313.8 mm, sin(╗) = 0.971,  cos(║) = 0.466,  sin(└) = 0.832\n"_cp +
                                   Para_End);
    // Without m2 the non-circular length stays 0 and only the circular lines are printed.
    R = Row(1, 1, 1);
    R.m_2 = 0.0;
    EXPECT_EQ(Report(R, 1, 1), Para_Head + description +
                                   " l╬\\eff,cp,1╬r = 2╬/.╬r(╔╬/.╬rm + w╬\\2╬r) = 308.5 mm\n"
                                   " l╬\\eff,cp,2╬r = ╔╬/.╬rm + 2╬/.╬r(w╬\\2╬r+w╬\\3╬r) = 294.2 mm\n"
                                   " l╬\\eff,cp,si╬r = 294.2 mm\n"_cp +
                                   Para_End);
    EXPECT_EQ(R.si.nc, 0.0);
    EXPECT_NEAR(R.si.cp, 294.2477796076938, 1e-9);
}

TEST(Compute_Four_Bolt_Row_Lengths, ExtensionReports) {
    Set_Code_Edition(0);
    const std::string description = " äußere Schraubenreihe neben dem Trägerzugflansch / der Zugsteife\n"_cp;
    const std::string geometry =
        " ╬Se╬\\x╬r╬S = 44.0 mm,  m╬\\x╬r╬S = 40.0 mm,  w╬\\3╬r╬S = 40.0 mm,  w╬\\2╬r╬S = 60.0 mm"_cp;
    // Dissertation with the extension stiffener: cp2, cp5, nc2 and nc4 are left out.
    Row_Length_Record R = Extension(1);
    EXPECT_EQ(Report(R, 1, 2),
              Para_Head + geometry + ",  ausgesteift\n" + description + Para_Indent(0.3) +
                  " l╬\\eff,cp,1╬r = 2╬/.╬r(╔╬/.╬rm╬\\x╬r + w╬\\2╬r) = 371.3 mm\n"
                  " l╬\\eff,cp,3╬r = ╔╬/.╬rm╬\\x╬r + 2╬/.╬r(w╬\\2╬r+w╬\\3╬r) = 325.7 mm\n"
                  " l╬\\eff,cp,4╬r = 0.5╬/.╬r╔╬/.╬rm╬\\x╬r + w╬\\2╬r + w╬\\3╬r + e╬\\x╬r = 206.8 mm\n"
                  " l╬\\eff,cp,6╬r = ╔╬/.╬rm╬\\x╬r + w╬\\2╬r + 2╬/.╬re╬\\x╬r = 273.7 mm\n"
                  " l╬\\eff,cp,sa╬r = min(l╬\\eff,cp,1╬r, l╬\\eff,cp,3╬r, l╬\\eff,cp,4╬r, l╬\\eff,cp,6╬r) = 206.8 mm\n"
                  " l╬\\eff,nc,1╬r = 4╬/.╬rm╬\\x╬r + 1.25╬/.╬re╬\\x╬r + w╬\\2╬r = 275.0 mm\n"
                  " l╬\\eff,nc,3╬r = 2╬/.╬rm╬\\x╬r + 0.625╬/.╬re╬\\x╬r + w╬\\2╬r + w╬\\3╬r = 207.5 mm\n"
                  " l╬\\eff,nc,sa╬r = min(l╬\\eff,nc,1╬r, l╬\\eff,nc,3╬r) = 207.5 mm\n"_cp +
                  Para_End);

    // Handbook, end plate narrower than 2(w + e): m_x 10, e_x 20, b_p 10, w1 = 10 − 200 = −190.
    // cp2 = πm_x + 2w + w1 = −38.6 and nc2 = 2m_x + 0.625e_x + w + 0.5w1 = −2.5 are neither printed
    // nor used; nc5 = w + e + 0.5w1 = 5 governs.
    R = Extension(0);
    R.m_1 = 10.0;
    R.e_1 = 20.0;
    R.b_p = 10.0;
    EXPECT_EQ(Report(R, 2, 2),
              Para_Head +
                  " ╬Se╬\\x╬r╬S = 20.0 mm,  m╬\\x╬r╬S = 10.0 mm,  w╬\\3╬r╬S = 40.0 mm,  w╬\\2╬r╬S = 60.0 mm,  "
                  "w╬\\1╬r╬S = b╬\\p╬r╬S-2╬/.╬r╬S(w╬\\2╬r╬S+w╬\\3╬r╬S) = -190.0 mm  mit  b╬\\p╬r╬S = 10.0 mm,  "
                  "b╬\\st╬r╬S = 200.0 mm\n"_cp +
                  description + Para_Indent(0.3) +
                  " l╬\\eff,cp,1╬r = 2╬/.╬r(╔╬/.╬rm╬\\x╬r + w╬\\2╬r) = 182.8 mm\n"
                  " l╬\\eff,cp,3╬r = ╔╬/.╬rm╬\\x╬r + 2╬/.╬r(w╬\\2╬r+w╬\\3╬r) = 231.4 mm\n"
                  " l╬\\eff,cp,4╬r = 4╬/.╬r╔╬/.╬rm╬\\x╬r = 125.7 mm\n"
                  " l╬\\eff,cp,sa╬r = min(l╬\\eff,cp,1╬r, l╬\\eff,cp,3╬r, l╬\\eff,cp,4╬r) = 125.7 mm\n"
                  " l╬\\eff,nc,1╬r = 4╬/.╬rm╬\\x╬r + 1.25╬/.╬re╬\\x╬r + w╬\\2╬r = 125.0 mm\n"
                  " l╬\\eff,nc,3╬r = 2╬/.╬rm╬\\x╬r + 0.625╬/.╬re╬\\x╬r + w╬\\2╬r + w╬\\3╬r = 132.5 mm\n"
                  " l╬\\eff,nc,4╬r = 8╬/.╬rm╬\\x╬r + 2.5╬/.╬re╬\\x╬r = 130.0 mm\n"
                  " l╬\\eff,nc,5╬r = w╬\\2╬r + w╬\\3╬r + 0.5╬/.╬rw╬\\1╬r = 5.0 mm\n"
                  " l╬\\eff,nc,sa╬r = min(l╬\\eff,nc,1╬r, l╬\\eff,nc,3╬r, l╬\\eff,nc,4╬r, l╬\\eff,nc,5╬r) = 5.0 mm\n"_cp +
                  Para_End);
    EXPECT_NEAR(R.sa.cp, 125.66370614359172, 1e-9);
    EXPECT_NEAR(R.sa.nc, 5.0, 1e-9);
}
