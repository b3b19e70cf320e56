#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_compression_test_support.h"
#include "checks/tstub_row_lengths.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

// Hand values of the two-bolt row patterns (EN 1993-1-8, Tables 6.4 and 6.6) for m 30, e 48, p 80,
// m2 16 mm. α = 8 under both editions: edition 2010 λ1 = 30/78 = 0.385 lies left of the curve 8
// (0.431 at λ2 = 16/78); edition 2025 L = 4 + 1.67·1.6·(30/16)^2/3 = 8.06 above K = 6.
//   2πm = 188.496, πm + p = 174.248, 4m + 1.25e = 180, 2m + 0.625e = 90, αm = 240.
//   e1 60: πm + 2e1 = 214.248, 2m + 0.625e + e1 = 150, e1 + αm − 90 = 210, 2e1 + p = 200,
//          e1 + 0.5p = 100; group: 0.5p + αm − 90 = 190, 2m + 0.625e + 0.5p = 130.
//   e1 200: e1 + αm − 90 = 350.
namespace {

Row_Length_Record Row(int individual, int inner_row, int next_to_stiffener, double e_1) {
    Row_Length_Record R{};
    R.individual = individual;
    R.inner_row = inner_row;
    R.next_to_stiffener = next_to_stiffener;
    R.m = 30.0;
    R.e = 48.0;
    R.e_1 = e_1;
    R.m_2 = 16.0;
    R.p = 80.0;
    return R;
}

enum Slot { I, SI, A, SA };
Row_Lengths Slot_Of(const Row_Length_Record& R, Slot slot) {
    switch (slot) {
    case I: return R.i;
    case SI: return R.si;
    case A: return R.a;
    case SA: return R.sa;
    }
    return {};
}

// The extension: m1 40, e1 45, e 48 with a derived or given bolt spacing.
Row_Length_Record Extension(double b_p, double w_extension, int stiffener) {
    Row_Length_Record R = Row(1, 0, 1, 45.0);
    R.m_1 = 40.0;
    R.b_p = b_p;
    R.w_extension = w_extension;
    R.extension_stiffener = stiffener;
    return R;
}

const double Two_Pi_M = 188.49555921538757;
const double Pi_M_P = 174.2477796076938;

}  // namespace

TEST(Row_Lengths, PatternsOfColumnFlangeAndEndPlate) {
    struct Case {
        const char* what;
        bool column_flange;
        int individual, inner_row, next_to_stiffener;
        double e_1;
        Slot slot;
        double nc_2025, nc_2010, cp_2025, cp_2010;
    };
    const Case cases[] = {
        {"column, inner next to stiffener", true, 1, 1, 1, 60, SI, 240, 240, Two_Pi_M, Two_Pi_M},
        {"column, end next to stiffener", true, 1, 0, 1, 60, SA, 210, 210, Two_Pi_M, Two_Pi_M},
        {"column, end next to stiffener, far end", true, 1, 0, 1, 200, SA, 240, 350, Two_Pi_M, Two_Pi_M},
        // e₁ = ∞ next to a stiffener is the row adjacent to a stiffener under both editions: α·m.
        {"column, end next to stiffener, e1 = ∞", true, 1, 0, 1, 0, SA, 240, 240, Two_Pi_M, Two_Pi_M},
        {"column, inner", true, 1, 1, 0, 60, I, 180, 180, Two_Pi_M, Two_Pi_M},
        {"column, end", true, 1, 0, 0, 60, A, 150, 150, Two_Pi_M, Two_Pi_M},
        {"column, end, e1 0.1 = ∞", true, 1, 0, 0, 0.1, A, 180, 180, Two_Pi_M, Two_Pi_M},
        {"column, end, e1 0.11", true, 1, 0, 0, 0.11, A, 90.11, 90.11, 94.24777960769379 + 0.22,
         94.24777960769379 + 0.22},
        {"column group, inner next to stiffener", true, 0, 1, 1, 60, SI, 190, 190, Pi_M_P, Pi_M_P},
        {"column group, end next to stiffener", true, 0, 0, 1, 60, SA, 0, 0, 0, 0},
        {"column group, inner", true, 0, 1, 0, 60, I, 80, 80, 160, 160},
        {"column group, end", true, 0, 0, 0, 60, A, 100, 100, Pi_M_P, Pi_M_P},
        {"column group, end, e1 = ∞", true, 0, 0, 0, 0, A, 130, 130, Pi_M_P, Pi_M_P},
        {"end plate, inner next to flange", false, 1, 1, 1, 60, SI, 240, 240, Two_Pi_M, Two_Pi_M},
        {"end plate, inner", false, 1, 1, 0, 60, I, 180, 180, Two_Pi_M, Two_Pi_M},
        {"end plate, end", false, 1, 0, 0, 60, A, 150, 150, Two_Pi_M, Two_Pi_M},
        {"end plate, end, e1 = ∞", false, 1, 0, 0, 0, A, 180, 180, Two_Pi_M, Two_Pi_M},
        {"end plate group, inner next to flange", false, 0, 1, 1, 60, SI, 190, 190, Pi_M_P, Pi_M_P},
        {"end plate group, end next to flange", false, 0, 0, 1, 60, SA, 0, 0, 0, 0},
        {"end plate group, inner", false, 0, 1, 0, 60, I, 80, 80, 160, 160},
        {"end plate group, end", false, 0, 0, 0, 60, A, 100, 100, Pi_M_P, Pi_M_P},
        // Edition 2025 takes an end row without free end as an inner row of the group.
        {"end plate group, end, e1 = ∞", false, 0, 0, 0, 0, A, 80, 130, 160, Pi_M_P},
    };
    for (const Case& c : cases) {
        for (int edition : {0, 1}) {
            Set_Code_Edition(edition);
            Row_Length_Record R = Row(c.individual, c.inner_row, c.next_to_stiffener, c.e_1);
            R.i = R.si = R.a = R.sa = {-5.0, -5.0};   // cleared first
            if (c.column_flange)
                Compute_Column_Flange_Row_Lengths(&R, nullptr, 2);
            else
                Compute_End_Plate_Row_Lengths(&R, nullptr, 2);
            const Row_Lengths L = Slot_Of(R, c.slot);
            EXPECT_NEAR(L.nc, edition ? c.nc_2025 : c.nc_2010, 1e-9) << c.what << " edition " << edition;
            EXPECT_NEAR(L.cp, edition ? c.cp_2025 : c.cp_2010, 1e-9) << c.what << " edition " << edition;
            for (Slot other : {I, SI, A, SA})
                if (other != c.slot) {
                    EXPECT_EQ(Slot_Of(R, other).nc, 0.0) << c.what;
                    EXPECT_EQ(Slot_Of(R, other).cp, 0.0) << c.what;
                }
        }
    }
    Set_Code_Edition(0);
}

TEST(Row_Lengths, ColumnFlangeEndRowWithoutFreeEnd) {
    Set_Code_Edition(0);
    Row_Length_Record R = Row(1, 0, 0, 0.0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Column_Flange_Row_Lengths(&R, f, 1); }),
              Para_Head +
                  " (andere) äußere Schraubenreihe\n"
                  " l╬\\eff,cp,a╬r = 2╬/.╬r╔╬/.╬rm = 188.5 mm  (e╬\\1╬r = ∞)\n"
                  " l╬\\eff,nc,a╬r = 4╬/.╬rm+1.25╬/.╬re = 180.0 mm  (e╬\\1╬r = ∞)\n"_cp +
                  Para_End);
    // With the stiffener the row is the row adjacent to a stiffener of EN 1993-1-8 Table 6.4 under
    // both editions: l_eff,nc = α·m = 8·30 mm.
    R = Row(1, 0, 1, 0.0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Column_Flange_Row_Lengths(&R, f, 1); }),
              Para_Head +
                  " äußere Schraubenreihe neben einer Steife\n"
                  " Beiwert für ausgesteifte Stützenflansche/Stirnbleche ║ = 8.00 (berechnet)\n"
                  " l╬\\eff,cp,sa╬r = 2╬/.╬r╔╬/.╬rm = 188.5 mm  (e╬\\1╬r = ∞)\n"
                  " l╬\\eff,nc,sa╬r = ║╬/.╬rm = 240.0 mm  (e╬\\1╬r = ∞)\n"_cp +
                  Para_End);
    EXPECT_EQ(R.alpha, 8.0);
    // Edition 2025: α·m with the note.
    Set_Code_Edition(1);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Column_Flange_Row_Lengths(&R, f, 2); }),
              Para_Head + " äußere Schraubenreihe neben einer Quersteife\n"_cp + Para_Indent(0.3) +
                  " Beiwert für ausgesteifte Stützenflansche/Stirnbleche:\n"_cp + Para_Indent(0.6) +
                  " ║ = 4+1.67╬/.╬re/m╬/.╬r(m/m╬\\2╬r)╬/2/3╬r = 8.06, e = 48.0 mm, m = 30.0 mm, m╬\\2╬r = 16.0 mm\n"_cp +
                  Para_Indent(0.3) +
                  " l╬\\eff,cp,sa╬r = 2╬/.╬r╔╬/.╬rm = 188.5 mm  (e╬\\1╬r = ∞)\n"
                  " l╬\\eff,nc,sa╬r = ║╬/.╬rm = 240.0 mm  (e╬\\1╬r = ∞)\n"_cp +
                  Para_End);
    Set_Code_Edition(0);
}

TEST(Row_Lengths, GroupRowsOfBothLocations) {
    Set_Code_Edition(1);
    // Edition 2025, end plate: an end row without free end is printed as an inner row.
    Row_Length_Record R = Row(0, 0, 0, 0.0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_End_Plate_Row_Lengths(&R, f, 1); }),
              Para_Head +
                  " innere Schraubenreihe\n"
                  " l╬\\eff,cp,a╬r = 2╬/.╬rp = 160.0 mm\n"
                  " l╬\\eff,nc,a╬r = p = 80.0 mm\n"_cp +
                  Para_End);
    Set_Code_Edition(0);
    R = Row(0, 0, 0, 0.0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Column_Flange_Row_Lengths(&R, f, 1); }),
              Para_Head +
                  " (andere) äußere Schraubenreihe\n"
                  " l╬\\eff,cp,a╬r = ╔╬/.╬rm+p = 174.2 mm  (e╬\\1╬r = ∞)\n"
                  " l╬\\eff,nc,a╬r = 2╬/.╬rm+0.625╬/.╬re+0.5╬/.╬rp = 130.0 mm  (e╬\\1╬r = ∞)\n"_cp +
                  Para_End);
    // The end row next to a stiffener takes no part in a group; α is found first.
    R = Row(0, 0, 1, 60.0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_End_Plate_Row_Lengths(&R, f, 1); }),
              Para_Head +
                  " äußere Schraubenreihe neben dem Trägerzugflansch\n"
                  " Beiwert für ausgesteifte Stützenflansche/Stirnbleche ║ = 8.00 (berechnet)\n"
                  " l╬\\eff,cp,sa╬r, l╬\\eff,nc,sa╬r nicht relevant\n"_cp +
                  Para_End);
}

TEST(Row_Lengths, StiffenedRowWithoutAlphaKeepsZeros) {
    // Edition 2025 without m2: α = 0; edition 2010 without m: α cannot be found, nothing printed.
    Set_Code_Edition(1);
    Row_Length_Record R = Row(1, 1, 1, 60.0);
    R.m_2 = 0.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Column_Flange_Row_Lengths(&R, f, 1); }),
              Para_Head + " äußere Schraubenreihe neben einer Quersteife\n"_cp +
                  " Beiwert für ausgesteifte Stützenflansche/Stirnbleche ║ = 0.00\n"_cp + Para_End);
    EXPECT_EQ(R.si.nc, 0.0);
    EXPECT_EQ(R.si.cp, 0.0);
    Set_Code_Edition(0);
    R = Row(0, 1, 1, 60.0);
    R.m = 0.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_End_Plate_Row_Lengths(&R, f, 1); }),
              Para_Head + " innere Schraubenreihe neben dem Trägerzugflansch\n"_cp + Para_End);
    EXPECT_EQ(R.si.nc, 0.0);
    EXPECT_EQ(R.si.cp, 0.0);
    EXPECT_EQ(R.alpha, -1.0);
}

// The extension: m_x = m1 = 40, e_x = e1 = 45, e = 48.
//   2πm_x = 251.327, πm_x + 2e = 221.664, 4m_x + 1.25e_x = 216.25, e + 2m_x + 0.625e_x = 156.125.
TEST(Row_Lengths, ExtensionRow) {
    struct Case {
        const char* what;
        double b_p, w_extension;
        int stiffener, edition;
        double nc, cp;
    };
    const Case cases[] = {
        // w = 160 − 96 = 64: πm_x + w = 189.664; 0.5b_p = 80.
        {"w from b_p", 160, 0, 0, 0, 80, 189.66370614359172},
        {"w from b_p, 2025", 160, 0.1, 0, 1, 80, 189.66370614359172},
        // w = 60: πm_x + w = 185.664; 0.5w + 2m_x + 0.625e_x = 138.125; 0.5b_p = 200.
        {"w given", 400, 60, 0, 0, 138.125, 185.66370614359172},
        {"stiffened, 2010", 160, 0, 1, 0, 156.125, 221.66370614359172},
        // α(m 30, e 48, m1 40) = L = 4 + 1.67·1.6·0.75^2/3 = 6.2057: αm = 186.171;
        // αm − (2m + 0.625e) + e_x = 141.171; min(2πm, πm + 2e_x) = min(188.496, 184.248).
        {"stiffened, 2025", 160, 0, 1, 1, 141.1706220678483, 184.2477796076938},
    };
    for (const Case& c : cases) {
        Set_Code_Edition(c.edition);
        Row_Length_Record R = Extension(c.b_p, c.w_extension, c.stiffener);
        Compute_End_Plate_Row_Lengths(&R, nullptr, 2);
        EXPECT_NEAR(R.sa.nc, c.nc, 1e-9) << c.what;
        EXPECT_NEAR(R.sa.cp, c.cp, 1e-9) << c.what;
        EXPECT_EQ(R.a.nc + R.a.cp + R.i.nc + R.si.nc, 0.0) << c.what;
    }
    Set_Code_Edition(0);
}

TEST(Row_Lengths, ExtensionRowReport) {
    Set_Code_Edition(0);
    Row_Length_Record R = Extension(160, 0, 0);
    const std::string lines =
        " l╬\\eff,cp,sa╬r = min(2╬/.╬r╔╬/.╬rm╬\\x╬r, ╔╬/.╬rm╬\\x╬r+w, ╔╬/.╬rm╬\\x╬r+2╬/.╬re) = 189.7 mm\n"
        " l╬\\eff,nc,sa╬r = min(4╬/.╬rm╬\\x╬r+1.25╬/.╬re╬\\x╬r, e+2╬/.╬rm╬\\x╬r+0.625╬/.╬re╬\\x╬r, 0.5╬/.╬rb╬\\p╬r, "
        "0.5╬/.╬rw+2╬/.╬rm╬\\x╬r+0.625╬/.╬re╬\\x╬r) = 80.0 mm\n"_cp;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_End_Plate_Row_Lengths(&R, f, 2); }),
              Para_Head +
                  " ╬Se╬\\x╬r╬S = e╬\\1╬r╬S = 45.0 mm,  m╬\\x╬r╬S = m╬\\1╬r╬S = 40.0 mm,  w = b╬\\p╬r╬S-2╬/.╬r╬Se = 64.0 mm"
                  "  mit  b╬\\p╬r╬S = 160.0 mm,  e = 48.0 mm\n"
                  " äußere Schraubenreihe neben dem Trägerzugflansch, ohne Stirnblechsteife\n"_cp +
                  Para_Indent(0.3) + lines + Para_End);
    R = Extension(400, 60, 0);
    const std::string cp_nc_w_given =
        " l╬\\eff,cp,sa╬r = min(2╬/.╬r╔╬/.╬rm╬\\x╬r, ╔╬/.╬rm╬\\x╬r+w, ╔╬/.╬rm╬\\x╬r+2╬/.╬re) = 185.7 mm\n"
        " l╬\\eff,nc,sa╬r = min(4╬/.╬rm╬\\x╬r+1.25╬/.╬re╬\\x╬r, e+2╬/.╬rm╬\\x╬r+0.625╬/.╬re╬\\x╬r, 0.5╬/.╬rb╬\\p╬r, "
        "0.5╬/.╬rw+2╬/.╬rm╬\\x╬r+0.625╬/.╬re╬\\x╬r) = 138.1 mm\n"_cp;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_End_Plate_Row_Lengths(&R, f, 2); }),
              Para_Head +
                  " ╬Se╬\\x╬r╬S = e╬\\1╬r╬S = 45.0 mm,  m╬\\x╬r╬S = m╬\\1╬r╬S = 40.0 mm,  w = 60.0 mm,  "
                  "b╬\\p╬r╬S = 400.0 mm,  e = 48.0 mm\n"
                  " äußere Schraubenreihe neben dem Trägerzugflansch, ohne Stirnblechsteife\n"_cp +
                  Para_Indent(0.3) + cp_nc_w_given + Para_End);

    // With the stiffener: not covered by the 2010 rules; under 2025 α from m, e and m1.
    R = Extension(160, 0, 1);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_End_Plate_Row_Lengths(&R, f, 1); }),
              Para_Head +
                  " äußere Schraubenreihe neben dem Trägerzugflansch, mit Stirnblechsteife (nicht genormt)\n"
                  " l╬\\eff,cp,sa╬r = min(2╬/.╬r╔╬/.╬rm╬\\x╬r, ╔╬/.╬rm╬\\x╬r+2╬/.╬re) = 221.7 mm\n"
                  " l╬\\eff,nc,sa╬r = min(4╬/.╬rm╬\\x╬r+1.25╬/.╬re╬\\x╬r, e+2╬/.╬rm╬\\x╬r+0.625╬/.╬re╬\\x╬r) = 156.1 mm\n"_cp +
                  Para_End);
    Set_Code_Edition(1);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_End_Plate_Row_Lengths(&R, f, 2); }),
              Para_Head +
                  " ╬Se╬\\x╬r╬S = e╬\\1╬r╬S = 45.0 mm,  m╬\\x╬r╬S = m╬\\1╬r╬S = 40.0 mm,  ausgesteift,  e = 48.0 mm,"
                  "  m = 30.0 mm\n"
                  " äußere Schraubenreihe neben dem Trägerzugflansch, mit Stirnblechsteife\n"_cp +
                  Para_Indent(0.3) + " Beiwert für ausgesteifte Stützenflansche/Stirnbleche:\n"_cp + Para_Indent(0.6) +
                  " ║ = 4+1.67╬/.╬re/m╬/.╬r(m/m╬\\2╬r)╬/2/3╬r = 6.21, e = 48.0 mm, m = 30.0 mm, m╬\\2╬r = 40.0 mm\n"_cp +
                  Para_Indent(0.3) +
                  " l╬\\eff,cp,sa╬r = min(2╬/.╬r╔╬/.╬rm, ╔╬/.╬rm+2╬/.╬re╬\\x╬r) = 184.2 mm\n"
                  " l╬\\eff,nc,sa╬r = min(║╬/.╬rm-(2╬/.╬rm+0.625╬/.╬re)+e╬\\x╬r, ║╬/.╬rm) = 141.2 mm\n"_cp +
                  Para_End);
    // Without the flange distance α is 0: the pattern keeps its zeros.
    R.m_1 = 0.0;
    Compute_End_Plate_Row_Lengths(&R, nullptr, 0);
    EXPECT_EQ(R.sa.nc, 0.0);
    EXPECT_EQ(R.sa.cp, 0.0);
    Set_Code_Edition(0);
}
