#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_compression_test_support.h"
#include "checks/tstub_tension.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

// Hand values of the effective lengths (EN 1993-1-8, 6.2.6) for rows of m 30, e 48, p 80, m2 16 mm
// with d_p = 37 mm; α = 8 under both editions (see tstub_row_lengths_test.cpp):
//   group end row with e1 60:  cp min(πm + p, 2e1 + p) = 174.248,  nc min(2m + 0.625e + 0.5p, e1 + 0.5p) = 100
//   group end row without e1:  2010 cp πm + p = 174.248, nc 2m + 0.625e + 0.5p = 130;  2025 cp 2p = 160, nc p = 80
//   group row next to the stiffener: cp πm + p = 174.248,  nc 0.5p + αm − (2m + 0.625e) = 190
//   group inner row:           cp 2p = 160,  nc p = 80
namespace {

constexpr double D_P = 37.0;

T_Stub_Tension Rows(int location, int row_count, int next_to_stiffener, double e_1) {
    T_Stub_Tension T{};
    Init_T_Stub_Tension(&T);
    T.location = location;
    T.bolts_per_row = 2;
    T.row_count = row_count;
    T.single_row = row_count == 1;
    T.inner_row = 1;
    T.row_next_to_stiffener = next_to_stiffener;
    T.e = 48.0;
    T.m = 30.0;
    T.e_1 = e_1;
    T.p = 80.0;
    T.m_2 = 16.0;
    // m₂ = 16 mm lies below d_p/2 = 18.5 mm, which the distance check refuses for a group next to a
    // stiffener as for a single row; these tests are about the lengths.
    if (row_count > 1 && next_to_stiffener) T.edge_check_mode = Edge_Check_Off;
    return T;
}

// The extension: m1 40, e1 45, e 48, flange length 160 (w = 160 − 2·48 = 64).
T_Stub_Tension Extension() {
    T_Stub_Tension T = Rows(T_Stub_Extension, 1, 0, 45.0);
    T.m_1 = 40.0;
    T.b_p = 160.0;
    return T;
}

std::string Section(T_Stub_Tension T, int edition, int detail) {
    Set_Code_Edition(edition);
    return Paragraph_Of([&](FILE* f) { Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, f, detail, 0); });
}

// The lines of one row pattern: at detail 2 nested below the description.
std::string Row_Block(int detail, const std::string& description, const std::string& lines) {
    if (detail < 2) return description + lines;
    return description + Para_Indent(0.6) + lines + Para_Indent(0.3);
}

std::string Heading(int detail, const char* where) {
    return Para_Head +
           (detail == 1 ? " wirksame Länge des T-Stummelflanschs ("_cp + std::string(where) + "):\n"
                        : " ╬HWirksame Länge des T-Stummelflanschs ("_cp + std::string(where) + ")\n") +
           Para_Indent(0.3);
}

std::string Alpha_Block(int edition, int detail) {
    if (detail == 1)
        return std::string(" Beiwert für ausgesteifte Stützenflansche/Stirnbleche ║ = 8.00"_cp) + (edition ? "" : " (berechnet)") + "\n";
    return " Beiwert für ausgesteifte Stützenflansche/Stirnbleche:\n"_cp + Para_Indent(0.9) +
           (edition ? " ║ = 4+1.67╬/.╬re/m╬/.╬r(m/m╬\\2╬r)╬/2/3╬r = 8.06, e = 48.0 mm, m = 30.0 mm, m╬\\2╬r = 16.0 mm\n"_cp
                    : " Eingabewerte ┼╬\\1╬r = m / (m+e) = 0.385,  ┼╬\\2╬r = m╬\\2╬r / (m+e) = 0.205  ê  ║ = 8.00 (berechnet)\n"_cp) +
           Para_Indent(0.6);
}

std::string Group_Modes(int detail, const char* sum_1, const char* sum_cp) {
    return std::string(" für Modus 1:  ▓l╬\\eff,1╬r = min(▓l╬\\eff,nc╬r, ▓l╬\\eff,cp╬r) = "_cp) + sum_1 + " mm" +
           (detail == 1 ? ",  ▓l╬\\eff,cp╬r = "_cp + std::string(sum_cp) + " mm" : std::string()) + "\n" +
           " für Modus 2:  ▓l╬\\eff,2╬r = ▓l╬\\eff,nc╬r = "_cp + sum_1 + " mm\n";
}

// Rows considered individually: the mode-1 length of each row summed.
std::string Individual_Group_Modes(const char* sum_1, const char* sum_2) {
    return std::string(" für Modus 1:  ▓l╬\\eff,1╬r = ▓min(l╬\\eff,nc╬r, l╬\\eff,cp╬r) = "_cp) + sum_1 + " mm\n" +
           " für Modus 2:  ▓l╬\\eff,2╬r = ▓l╬\\eff,nc╬r = "_cp + sum_2 + " mm\n";
}

const std::string Stiffened_Group_Cp = " l╬\\eff,cp,si╬r = ╔╬/.╬rm+p = 174.2 mm\n"_cp;
const std::string Stiffened_Group_Nc = " l╬\\eff,nc,si╬r = 0.5╬/.╬rp+║╬/.╬rm-(2╬/.╬rm+0.625╬/.╬re) = 190.0 mm\n"_cp;

}  // namespace

TEST(Compute_T_Stub_Effective_Lengths, GroupOfThreeRowsWithAndWithoutStiffener) {
    for (int edition : {0, 1}) {
        Set_Code_Edition(edition);
        // Σcp = 174.248 + 174.248 + 160 = 508.496, Σnc = 100 + 190 + 80 = 370.
        T_Stub_Tension T = Rows(T_Stub_Column_Flange, 3, 1, 60.0);
        Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
        EXPECT_DOUBLE_EQ(T.sum_l_eff_1, 370.0);
        EXPECT_DOUBLE_EQ(T.sum_l_eff_2, 370.0);
        // Σcp = 174.248 + 2·160 = 494.248, Σnc = 100 + 2·80 = 260.
        T = Rows(T_Stub_Column_Flange, 3, 0, 60.0);
        Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
        EXPECT_DOUBLE_EQ(T.sum_l_eff_1, 260.0);
        EXPECT_DOUBLE_EQ(T.sum_l_eff_2, 260.0);
        // Four rows on the end plate without e1, 2025: Σcp = 160 + 3·160 = 640, Σnc = 4·80 = 320;
        // 2010: Σcp = 174.248 + 480 = 654.248, Σnc = 130 + 240 = 370.
        T = Rows(T_Stub_End_Plate, 4, 0, 0.0);
        Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
        EXPECT_DOUBLE_EQ(T.sum_l_eff_1, edition ? 320.0 : 370.0);
        EXPECT_DOUBLE_EQ(T.sum_l_eff_2, edition ? 320.0 : 370.0);
    }
    Set_Code_Edition(0);
}

TEST(Compute_T_Stub_Effective_Lengths, SingleRowsAndTheCircularSwitch) {
    Set_Code_Edition(0);
    // A single inner row next to the stiffener, e 60, m2 20 (λ1 0.333 left of the curve 8 at
    // λ2 0.222, 0.408): cp 2πm = 188.496, nc αm = 240.
    T_Stub_Tension T = Rows(T_Stub_Column_Flange, 1, 1, 60.0);
    T.e = 60.0;
    T.m_2 = 20.0;
    Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
    EXPECT_NEAR(T.sum_l_eff_1, 188.49555921538757, 1e-9);
    EXPECT_DOUBLE_EQ(T.sum_l_eff_2, 240.0);
    // An inner row: cp 188.496, nc 4m + 1.25e = 180; with the circular switch Σl_eff,1 = cp, and
    // no heading or mode lines.
    T = Rows(T_Stub_Column_Flange, 1, 0, 60.0);
    const std::string report =
        Paragraph_Of([&](FILE* f) { Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, f, 1, 1); });
    EXPECT_NEAR(T.sum_l_eff_1, 188.49555921538757, 1e-9);
    EXPECT_DOUBLE_EQ(T.sum_l_eff_2, 180.0);
    EXPECT_EQ(report, Para_Head +
                          " (andere) innere Schraubenreihe\n"
                          " l╬\\eff,cp,i╬r = 2╬/.╬r╔╬/.╬rm = 188.5 mm\n"
                          " l╬\\eff,nc,i╬r = 4╬/.╬rm+1.25╬/.╬re = 180.0 mm\n"_cp +
                          Para_End);
    Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
    EXPECT_DOUBLE_EQ(T.sum_l_eff_1, 180.0);
}

TEST(Compute_T_Stub_Effective_Lengths, GivenLengthsAndFailedEdgeCheck) {
    T_Stub_Tension T = Rows(T_Stub_Column_Flange, 3, 1, 60.0);
    T.lengths_given = 1;
    T.sum_l_eff_1 = 250.0;
    T.sum_l_eff_2 = 300.0;
    T.bolts_per_row = 4;   // not normalised either
    EXPECT_EQ(Section(T, 0, 2), "");
    Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
    EXPECT_EQ(T.sum_l_eff_1, 250.0);
    EXPECT_EQ(T.sum_l_eff_2, 300.0);
    EXPECT_EQ(T.bolts_per_row, 4);

    // A spacing below d_p: both lengths −1 and nothing printed.
    T = Rows(T_Stub_Column_Flange, 3, 1, 60.0);
    T.edge_check_mode = Edge_Check_Enforced;
    T.m_2 = 20.0;
    T.p = 30.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, f, 2, 0); }), "");
    EXPECT_EQ(T.sum_l_eff_1, -1.0);
    EXPECT_EQ(T.sum_l_eff_2, -1.0);
}

TEST(Compute_T_Stub_Effective_Lengths, FourBoltsPerRow) {
    Set_Code_Edition(0);
    // A group with the handbook method passes the edge check but has no group lengths.
    T_Stub_Tension T = Rows(T_Stub_End_Plate, 2, 1, 60.0);
    T.bolts_per_row = 4;
    T.w = 60.0;
    T.e = 40.0;
    Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
    EXPECT_EQ(T.sum_l_eff_1, 0.0);
    EXPECT_EQ(T.sum_l_eff_2, 0.0);
    // A single inner row next to the flange after the handbook: cp min(4πm, 2(πm + w), πm + 2(w + e))
    // = 294.248, nc min(αm 240, 4m + 1.25(w + e) 245) (see tstub_four_bolt_lengths_test.cpp, m2 20).
    T = Rows(T_Stub_End_Plate, 1, 1, 60.0);
    T.bolts_per_row = 4;
    T.w = 60.0;
    T.e = 40.0;
    T.m_2 = 20.0;
    Compute_T_Stub_Effective_Lengths(&T, T.location, D_P, nullptr, 2, 0);
    EXPECT_NEAR(T.sum_l_eff_1, 240.0, 1e-9);
    EXPECT_NEAR(T.sum_l_eff_2, 240.0, 1e-9);
}

TEST(Compute_T_Stub_Effective_Lengths, ColumnFlangeGroupWithStiffenerSection) {
    for (int edition : {0, 1}) {
        for (int detail : {1, 2}) {
            const std::string end_row =
                Row_Block(detail, edition ? " Schraubenreihe am Ende der Stütze\n"_cp : " äußere Schraubenreihe\n"_cp,
                          " l╬\\eff,cp,a╬r = min(╔╬/.╬rm+p, 2╬/.╬re╬\\1╬r+p) = 174.2 mm\n"
                          " l╬\\eff,nc,a╬r = min(2╬/.╬rm+0.625╬/.╬re+0.5╬/.╬rp, e╬\\1╬r+0.5╬/.╬rp) = 100.0 mm\n"_cp);
            const std::string stiffened_row =
                Row_Block(detail,
                          edition ? " äußere Schraubenreihe neben einer Quersteife\n"_cp
                                  : " innere Schraubenreihe neben einer Steife\n",
                          Alpha_Block(edition, detail) + Stiffened_Group_Cp + Stiffened_Group_Nc);
            const std::string inner_row = Row_Block(detail,
                                                    edition ? " innere Schraubenreihe\n" : " (andere) innere Schraubenreihe\n",
                                                    " l╬\\eff,cp,i╬r = 2╬/.╬rp = 160.0 mm\n"
                                                    " l╬\\eff,nc,i╬r = p = 80.0 mm\n"_cp);
            const std::string sums =
                detail < 2 ? std::string()
                           : " ╬SAnnahme: Eine innere Schraubenreihe befindet sich neben einer Steife\n"
                             "  ê  ▓l╬\\eff,cp╬r = l╬\\eff,cp,a╬r + l╬\\eff,cp,si╬r + l╬\\eff,cp,i╬r = 508.5 mm\n"
                             "  ê  ▓l╬\\eff,nc╬r = l╬\\eff,nc,a╬r + l╬\\eff,nc,si╬r + l╬\\eff,nc,i╬r = 370.0 mm\n"_cp;
            const std::string group = detail < 2 ? std::string() : std::string(" Gruppe von 3 Schraubenreihen:\n");
            EXPECT_EQ(Section(Rows(T_Stub_Column_Flange, 3, 1, 60.0), edition, detail),
                      Heading(detail, "Stützenflansch"_cp) + group + end_row + stiffened_row + inner_row + sums +
                          Group_Modes(detail, "370.0", "508.5") + Para_End)
                << "edition " << edition << ", detail " << detail;
        }
    }
    Set_Code_Edition(0);
}

TEST(Compute_T_Stub_Effective_Lengths, SumLinesWithSeveralInnerRows) {
    // Three rows without stiffener: Σcp = 174.248 + 2·160 = 494.248, Σnc = 100 + 2·80 = 260.
    const std::string end_row = Row_Block(2, " äußere Schraubenreihe\n"_cp,
                                          " l╬\\eff,cp,a╬r = min(╔╬/.╬rm+p, 2╬/.╬re╬\\1╬r+p) = 174.2 mm\n"
                                          " l╬\\eff,nc,a╬r = min(2╬/.╬rm+0.625╬/.╬re+0.5╬/.╬rp, e╬\\1╬r+0.5╬/.╬rp) = 100.0 mm\n"_cp);
    const std::string inner_row = Row_Block(2, " (andere) innere Schraubenreihe\n",
                                            " l╬\\eff,cp,i╬r = 2╬/.╬rp = 160.0 mm\n"
                                            " l╬\\eff,nc,i╬r = p = 80.0 mm\n"_cp);
    EXPECT_EQ(Section(Rows(T_Stub_Column_Flange, 3, 0, 60.0), 0, 2),
              Heading(2, "Stützenflansch"_cp) + " Gruppe von 3 Schraubenreihen:\n" + end_row + inner_row +
                  "  ê  ▓l╬\\eff,cp╬r = l╬\\eff,cp,a╬r + 2╬/.╬rl╬\\eff,cp,i╬r = 494.2 mm\n"
                  "  ê  ▓l╬\\eff,nc╬r = l╬\\eff,nc,a╬r + 2╬/.╬rl╬\\eff,nc,i╬r = 260.0 mm\n"_cp +
                  Group_Modes(2, "260.0", "494.2") + Para_End);

    // The same rows considered individually take the single-row patterns and each its own mode-1
    // length: end row cp
    // min(2πm, πm + 2e1) = 188.496, nc min(4m + 1.25e, 2m + 0.625e + e1) = 150; inner row cp 188.496,
    // nc 180: Σcp = 565.487, Σnc = 150 + 2·180 = 510, Σl_eff,1 = 150 + 2·min(188.5, 180) = 510.
    T_Stub_Tension T = Rows(T_Stub_Column_Flange, 3, 0, 60.0);
    T.single_row = 1;
    const std::string single_end = Row_Block(2, " (andere) äußere Schraubenreihe\n"_cp,
                                             " l╬\\eff,cp,a╬r = min(2╬/.╬r╔╬/.╬rm, ╔╬/.╬rm+2╬/.╬re╬\\1╬r) = 188.5 mm\n"
                                             " l╬\\eff,nc,a╬r = min(4╬/.╬rm+1.25╬/.╬re, 2╬/.╬rm+0.625╬/.╬re+e╬\\1╬r) = 150.0 mm\n"_cp);
    const std::string single_inner = Row_Block(2, " (andere) innere Schraubenreihe\n",
                                               " l╬\\eff,cp,i╬r = 2╬/.╬r╔╬/.╬rm = 188.5 mm\n"
                                               " l╬\\eff,nc,i╬r = 4╬/.╬rm+1.25╬/.╬re = 180.0 mm\n"_cp);
    EXPECT_EQ(Section(T, 0, 2),
              Heading(2, "Stützenflansch"_cp) + " Gruppe von 3 Schraubenreihen:\n" +
                  " ╬SDie wirksame Länge einer Gruppe von Schraubenreihen wird mit den Werten für die einzelnen "
                  "Schraubenreihen ermittelt.\n"_cp +
                  single_end + single_inner +
                  "  ê  ▓l╬\\eff,cp╬r = l╬\\eff,cp,a╬r + 2╬/.╬rl╬\\eff,cp,i╬r = 565.5 mm\n"
                  "  ê  ▓l╬\\eff,nc╬r = l╬\\eff,nc,a╬r + 2╬/.╬rl╬\\eff,nc,i╬r = 510.0 mm\n"_cp +
                  Individual_Group_Modes("510.0", "510.0") + Para_End);
}

TEST(Compute_T_Stub_Effective_Lengths, EndPlateGroupSection) {
    // Two rows, the inner one next to the beam flange, the end row without free end:
    // 2010 Σcp = 174.248 + 174.248 = 348.496, Σnc = 130 + 190 = 320;
    // 2025 Σcp = 160 + 174.248 = 334.248, Σnc = 80 + 190 = 270.
    for (int edition : {0, 1}) {
        for (int detail : {1, 2}) {
            const std::string end_row =
                edition ? Row_Block(detail, " innere Schraubenreihe\n",
                                    " l╬\\eff,cp,a╬r = 2╬/.╬rp = 160.0 mm\n"
                                    " l╬\\eff,nc,a╬r = p = 80.0 mm\n"_cp)
                        : Row_Block(detail, " (andere) äußere Schraubenreihe\n"_cp,
                                    " l╬\\eff,cp,a╬r = ╔╬/.╬rm+p = 174.2 mm\n"
                                    " l╬\\eff,nc,a╬r = 2╬/.╬rm+0.625╬/.╬re+0.5╬/.╬rp = 130.0 mm\n"_cp);
            const std::string stiffened_row =
                Row_Block(detail,
                          edition ? " äußere Schraubenreihe zwischen den Trägerflanschen\n"_cp
                                  : " innere Schraubenreihe neben dem Trägerzugflansch\n"_cp,
                          Alpha_Block(edition, detail) + Stiffened_Group_Cp + Stiffened_Group_Nc);
            const std::string sums =
                detail < 2 ? std::string()
                           : std::string(" ╬SAnnahme: Eine innere Schraubenreihe befindet sich neben dem Trägerzugflansch\n"
                                         "  ê  ▓l╬\\eff,cp╬r = l╬\\eff,cp,a╬r + l╬\\eff,cp,si╬r = "_cp) +
                                 (edition ? "334.2" : "348.5") +
                                 " mm\n"
                                 "  ê  ▓l╬\\eff,nc╬r = l╬\\eff,nc,a╬r + l╬\\eff,nc,si╬r = "_cp +
                                 (edition ? "270.0" : "320.0") + " mm\n";
            const std::string group = detail < 2 ? std::string() : std::string(" Gruppe von 2 Schraubenreihen:\n");
            EXPECT_EQ(Section(Rows(T_Stub_End_Plate, 2, 1, 0.0), edition, detail),
                      Heading(detail, "Stirnblech") + group + end_row + stiffened_row + sums +
                          Group_Modes(detail, edition ? "270.0" : "320.0", edition ? "334.2" : "348.5") + Para_End)
                << "edition " << edition << ", detail " << detail;
        }
    }
    Set_Code_Edition(0);
}

TEST(Compute_T_Stub_Effective_Lengths, ExtensionSection) {
    // cp = min(2πm_x 251.3, πm_x + w 189.7, πm_x + 2e 221.7), nc = min(216.25, 156.125, 0.5b_p 80, 140.125).
    const std::string lines =
        " l╬\\eff,cp,sa╬r = min(2╬/.╬r╔╬/.╬rm╬\\x╬r, ╔╬/.╬rm╬\\x╬r+w, ╔╬/.╬rm╬\\x╬r+2╬/.╬re) = 189.7 mm\n"
        " l╬\\eff,nc,sa╬r = min(4╬/.╬rm╬\\x╬r+1.25╬/.╬re╬\\x╬r, e+2╬/.╬rm╬\\x╬r+0.625╬/.╬re╬\\x╬r, 0.5╬/.╬rb╬\\p╬r, "
        "0.5╬/.╬rw+2╬/.╬rm╬\\x╬r+0.625╬/.╬re╬\\x╬r) = 80.0 mm\n"_cp;
    const std::string description = " äußere Schraubenreihe neben dem Trägerzugflansch, ohne Stirnblechsteife\n"_cp;
    const std::string modes_2 =
        " für Modus 1:  ▓l╬\\eff,1╬r = l╬\\eff,1╬r = min(l╬\\eff,nc╬r, l╬\\eff,cp╬r) = 80.0 mm\n"
        " für Modus 2:  ▓l╬\\eff,2╬r = l╬\\eff,2╬r = l╬\\eff,nc╬r = 80.0 mm\n"_cp;
    for (int edition : {0, 1}) {
        EXPECT_EQ(Section(Extension(), edition, 1),
                  Heading(1, "Stirnblech") + description + lines +
                      " für Modus 1:  ▓l╬\\eff,1╬r = l╬\\eff,1╬r = min(l╬\\eff,nc╬r, l╬\\eff,cp╬r) = 80.0 mm,  "
                      "l╬\\eff,cp╬r = 189.7 mm\n"
                      " für Modus 2:  ▓l╬\\eff,2╬r = l╬\\eff,2╬r = l╬\\eff,nc╬r = 80.0 mm\n"_cp +
                      Para_End)
            << edition;
        EXPECT_EQ(Section(Extension(), edition, 2),
                  Heading(2, "Stirnblech") +
                      " ╬Se╬\\x╬r╬S = e╬\\1╬r╬S = 45.0 mm,  m╬\\x╬r╬S = m╬\\1╬r╬S = 40.0 mm,  w = b╬\\p╬r╬S-2╬/.╬r╬Se = "
                      "64.0 mm  mit  b╬\\p╬r╬S = 160.0 mm,  e = 48.0 mm\n"_cp +
                      description + Para_Indent(0.6) + lines + Para_Indent(0.3) + modes_2 + Para_End)
            << edition;
    }
    Set_Code_Edition(0);
}

TEST(Compute_T_Stub_Min_Edge_Distance, EdgeAndExtension) {
    const std::string Line = " Abstand der Schraubenachse vom Stummelflanschrand e╬\\min╬r = "_cp;
    double e_min = 0.0;
    std::string report = Paragraph_Of([&](FILE* f) { e_min = Compute_T_Stub_Min_Edge_Distance(0, 0, 0, 48.0, 60.0, f, 1); });
    EXPECT_EQ(e_min, 48.0);
    EXPECT_EQ(report, Para_Head + Line + "48.0 mm\n" + Para_End);
    // A narrower flange part c of a plate b moves the edge in by (b − c)/2.
    EXPECT_DOUBLE_EQ(Compute_T_Stub_Min_Edge_Distance(1, 200.0, 180.0, 48.0, 0.0, nullptr, 2), 38.0);
    EXPECT_DOUBLE_EQ(Compute_T_Stub_Min_Edge_Distance(1, 200.0, 0.0005, 48.0, 0.0, nullptr, 2), 48.0);
    // The edge reaches the bolt: an error line at detail 2.
    report = Paragraph_Of([&](FILE* f) { e_min = Compute_T_Stub_Min_Edge_Distance(1, 200.0, 104.0, 48.0, 0.0, f, 2); });
    EXPECT_EQ(e_min, 0.0);
    EXPECT_EQ(report, Para_Head + Line + "0.0 mm\n Abstand e╬\\min╬r = 0  ê  Fehler "_cp + Error_Mark + "\n" + Para_End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_T_Stub_Min_Edge_Distance(1, 200.0, 104.0, 48.0, 0.0, f, 0); }), "");
    // Extension: e_min = e1.
    report = Paragraph_Of([&](FILE* f) { e_min = Compute_T_Stub_Min_Edge_Distance(2, 0, 0, 48.0, 45.0, f, 2); });
    EXPECT_EQ(e_min, 45.0);
    EXPECT_EQ(report, Para_Head + " Abstand der Schraubenachse vom Stummelflanschrand e╬\\min╬r = e╬\\1╬r = 45.0 mm\n"_cp +
                          Para_End);
    report = Paragraph_Of([&](FILE* f) { e_min = Compute_T_Stub_Min_Edge_Distance(2, 0, 0, 48.0, 0.0, f, 2); });
    EXPECT_EQ(report, Para_Head + " Abstand der Schraubenachse vom Stummelflanschrand e╬\\min╬r = e╬\\1╬r = 0.0 mm\n"
                                  " Abstand e╬\\min╬r ≤ 0  ê  Fehler "_cp +
                          Error_Mark + "\n" + Para_End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_T_Stub_Min_Edge_Distance(2, 0, 0, 48.0, 45.0, f, 1); }), "");
}

TEST(Compute_T_Stub_Web_Distance, GivenDerivedAndExtension) {
    // A given m is returned without a line.
    EXPECT_EQ(Paragraph_Of([](FILE* f) { EXPECT_EQ(Compute_T_Stub_Web_Distance(0, 0, 0, 0, 0, 25.0, 30.0, f, 2), 30.0); }),
              "");
    // Derived: 0.5·(200 − 10) − 8 − 48 = 39.
    double m = 0.0;
    std::string report = Paragraph_Of([&](FILE* f) { m = Compute_T_Stub_Web_Distance(0, 200, 10, 8, 48, 0, 0, f, 2); });
    EXPECT_EQ(m, 39.0);
    EXPECT_EQ(report, Para_Head +
                          " Abstand der Schraubenachse vom Stummelsteg m = 0.5╬/.╬r(b╬\\f╬r-t╬\\w╬r)-w╬\\s╬r-e = 39.0 mm,  "
                          "e = 48.0 mm,  w╬\\s╬r = 8.0 mm\n"_cp +
                          Para_End);
    report = Paragraph_Of([&](FILE* f) { m = Compute_T_Stub_Web_Distance(0, 200, 10, 8, 48, 0, 0, f, 1); });
    EXPECT_EQ(report, Para_Head + " Abstand der Schraubenachse vom Stummelsteg m = 39.0 mm\n" + Para_End);
    // As the report driver calls it without a given m: 0 with the error line at detail 2.
    report = Paragraph_Of([&](FILE* f) { m = Compute_T_Stub_Web_Distance(1, 0, 0, 0, 0, 25.0, 0.0005, f, 2); });
    EXPECT_EQ(m, 0.0);
    EXPECT_EQ(report, Para_Head +
                          " Abstand der Schraubenachse vom Stummelsteg m = 0.5╬/.╬r(b╬\\f╬r-t╬\\w╬r)-w╬\\s╬r-e = 0.0 mm,  "
                          "e = 0.0 mm,  w╬\\s╬r = 0.0 mm\n"
                          " Abstand m ≤ 0  ê  Fehler "_cp +
                          Error_Mark + "\n" + Para_End);
    // Extension: m = m1.
    report = Paragraph_Of([&](FILE* f) { m = Compute_T_Stub_Web_Distance(2, 0, 0, 0, 0, 25.0, 30.0, f, 2); });
    EXPECT_EQ(m, 25.0);
    EXPECT_EQ(report, Para_Head + " Abstand der Schraubenachse vom Stummelsteg m = m╬\\1╬r = 25.0 mm\n"_cp + Para_End);
}
