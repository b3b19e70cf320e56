#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_test_support.h"
#include "checks/tstub_tension_test_support.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

namespace {

using TStubTensionVerify = T_Stub_Tension_Test;

}  // namespace

// Column flange with given lengths, M20 8.8 (EN 1993-1-8 Table 6.2; γM0 1.0, γM2 1.25):
//   M_pl,Rd = 0.25·200·20²·235 = 4.70 kNm, F_t,Rd = 0.9·800·244.8/1.25 = 141.0048 kN, ΣF_t,Rd =
//   282.0096 kN; L_b = 2·20 + 3 + (12.5 + 19)/2 = 58.75 mm; L_b* = 8.8·m³·244.8/(200·20³).
//   m 30: L_b* = 36.35 mm, no prying: min(2·4.7e6/30 = 313.33, 282.01) = 282.01 kN, U = 200/282.01.
//   m 40: L_b* = 86.17 mm, prying, n = min(50, 50) = 50: mode 1 4·4.7e6/40 = 470.00, mode 2
//   (9.4e6 + 50·282009.6)/90 = 261.12, mode 3 282.01 kN; U = 200/261.116 = 0.766.
TEST_F(TStubTensionVerify, ColumnFlangeWithAndWithoutPrying) {
    T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
    EXPECT_EQ(Verify_T_Stub_Tension(&T, nullptr, 0, 0), 0);
    EXPECT_NEAR(T.F_T_Rd, 282009.6, 0.01);
    EXPECT_NEAR(T.U_max, 200000.0 / 282009.6, 1e-9);
    EXPECT_EQ(T.l_eff_used, 200.0);

    T = Given_Column_Flange(40.0, &factors);
    EXPECT_EQ(Verify_T_Stub_Tension(&T, nullptr, 0, 0), 0);
    EXPECT_NEAR(T.F_T_Rd, 23500480.0 / 90.0, 0.01);
    EXPECT_NEAR(T.U_max, 200000.0 * 90.0 / 23500480.0, 1e-9);
}

// Variants of the column flange, each with its hand value of F_T,Rd (N):
//   t_f 10, m 40: M_pl,Rd = 0.25·200·10²·235 = 1.175 kNm, L_b = 38.75 < L_b* = 689.4 mm: prying;
//     standard: mode 1 4·1.175e6/40 = 117500, mode 2 (2.35e6 + 50·282009.6)/90 = 182783.1;
//     backing plate 10 mm (M_bp,Rd = 1.175 kNm): mode 1 (4.7e6 + 2.35e6)/40 = 176250;
//     alternative: e_w = 37/4 = 9.25, mode 1 (400 − 18.5)·1.175e6/(4000 − 9.25·90) = 141519.34.
//   Preloaded M20 10.9 (HV set), t_f 20, m 30: prying always; F_t,Rd = 0.9·1000·244.8/1.25 =
//     176256, ΣF_t,Rd = 352512, n = 37.5: mode 2 (9.4e6 + 37.5·352512)/67.5 = 335099.26.
//   L-stub, m 30 without prying: half of 282009.6.
//   Σl_eff 123.7553 mm, m 30: L_b* = 8.8·27000·244.8/(123.7553·8000) = 58.7495 mm, within 0.001 mm of
//     L_b = 58.75: prying (mode 2 governs: M_pl,Rd = 0.25·123.7553·400·235 = 2,908,249.6,
//     n 37.5, (5,816,499.1 + 37.5·282009.6)/67.5 = 242844.43); Σl_eff 123.76: L_b* = 58.7472, no
//     prying: min(2·2,908,360/30, 282009.6) = 193890.67.
TEST_F(TStubTensionVerify, ResistanceVariants) {
    struct Case {
        const char* name;
        double t_f, m, t_bp;
        int procedure, preloaded, l_stub;
        double sum_l_eff, F_T_Rd;
    };
    const Case cases[] = {
        {"standard", 10.0, 40.0, 0.0, 0, 0, 0, 200.0, 117500.0},
        {"backing plate", 10.0, 40.0, 10.0, 0, 0, 0, 200.0, 176250.0},
        {"alternative", 10.0, 40.0, 0.0, 1, 0, 0, 200.0, 381.5 * 1.175e6 / 3167.5},
        {"preloaded", 20.0, 30.0, 0.0, 0, 1, 0, 200.0, 22619200.0 / 67.5},
        {"L-stub", 20.0, 30.0, 0.0, 0, 0, 1, 200.0, 141004.8},
        {"L_b = L_b*", 20.0, 30.0, 0.0, 0, 0, 0, 123.7553, (2.0 * 0.25 * 123.7553 * 400.0 * 235.0 + 37.5 * 282009.6) / 67.5},
        {"L_b > L_b*", 20.0, 30.0, 0.0, 0, 0, 0, 123.76, 2.0 * 0.25 * 123.76 * 400.0 * 235.0 / 30.0},
    };
    for (const Case& c : cases) {
        T_Stub_Tension T = Given_Column_Flange(c.m, &factors);
        T.flange.t = c.t_f;
        T.sum_l_eff_1 = T.sum_l_eff_2 = c.sum_l_eff;
        T.backing_plate = c.t_bp > 0.0;
        T.t_bp = c.t_bp;
        T.procedure = c.procedure;
        T.l_stub = c.l_stub;
        T.F_t_Ed[0] = 0.0;
        if (c.preloaded) {
            Default_Fastener(&T.fastener);
            ASSERT_EQ(T.fastener.preloaded, 1);
        }
        Verify_T_Stub_Tension(&T, nullptr, 0, 0);
        EXPECT_NEAR(T.F_T_Rd, c.F_T_Rd, 0.01) << c.name;
        EXPECT_EQ(T.Check_Error_Flags, 0) << c.name;
    }
}

// The lines that tell how prying was decided, at level 2.
TEST_F(TStubTensionVerify, PryingDecisionLines) {
    T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
    Default_Fastener(&T.fastener);
    std::string report = Tension_Report(T, 2);
    EXPECT_NE(report.find(" Abstützkräfte treten bei vorgespannten Schrauben immer auf !\n"
                          " Berechnung mit dem Standard-Verfahren\n"_cp),
              std::string::npos)
        << report;
    EXPECT_EQ(report.find("Grenzdehnlänge"_cp), std::string::npos);

    // Four bolts per row always pry; the alternative procedure is named.
    T = Given_Column_Flange(40.0, &factors);
    T.bolts_per_row = 4;
    T.four_bolt_method = Four_Bolt_Research_Report;
    T.inner_row = T.row_next_to_stiffener = 1;
    T.w = 60.0;
    report = Tension_Report(T, 2);
    EXPECT_NE(report.find(" Abstützkräfte treten immer auf !\n Berechnung mit dem alternativen Verfahren\n"_cp),
              std::string::npos)
        << report;

    // A backing plate lengthens the clamping length only: t_ges = 2·20 + 10 mm.
    T = Given_Column_Flange(40.0, &factors);
    T.backing_plate = 1;
    T.t_bp = 10.0;
    report = Tension_Report(T, 2);
    EXPECT_NE(report.find("= 68.8 mm,  t╬\\ges╬r = 50.0 mm\n"_cp), std::string::npos) << report;
    EXPECT_NE(report.find(" L╬\\b╬r = 68.8 mm ≤ 86.2 mm = L╬\\b╬r╬/*╬r  ê  Abstützkräfte können auftreten !\n"_cp),
              std::string::npos)
        << report;
}

// Verification: U in (1, 1.001) counts as 1 without the error bit, 1.001 fails; no load gives no
// verification line; a load of U ≥ 1000 prints no summary line but the verdict.
TEST_F(TStubTensionVerify, UtilisationLimits) {
    const double F_T_Rd = 282009.6;   // m 30, without prying
    struct Case {
        double U;
        int flags;
        double U_max;
        bool verified;
    };
    const Case cases[] = {
        {1.0004, 0, 1.0, true},
        {1.001, 1, 1.001, false},
        {0.0, 0, 0.0, true},
        {1000.0, 1, 1000.0, false},
    };
    for (const Case& c : cases) {
        T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
        T.F_t_Ed[0] = c.U * F_T_Rd / 2.0;
        const std::string report = Tension_Report(T, 1);
        EXPECT_EQ(T.Check_Error_Flags, c.flags) << c.U;
        EXPECT_NEAR(T.U_max, c.U_max, 1e-9) << c.U;
        EXPECT_NE(report.find(c.verified ? Verified : Not_Verified), std::string::npos) << report;
        const bool line = c.U > 0.0;
        EXPECT_EQ(report.find("Ausnutzung U = ") != std::string::npos, line) << c.U;
        const bool summary = c.U > 0.0 && c.U < 999.0;
        EXPECT_EQ(report.find("maximale Ausnutzung") != std::string::npos, summary) << c.U;
    }
    T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
    T.F_t_Ed[0] = 1.0004 * F_T_Rd / 2.0;
    EXPECT_NE(Tension_Report(T, 0).find("Ausnutzung U = 1.000  ≤  1  "_cp + Ok_Mark), std::string::npos);

    // Without the verification switch: the resistance only.
    T = Given_Column_Flange(30.0, &factors);
    T.check_context.verification = 0;
    T.F_t_Ed[0] = 1.0e6;
    const std::string report = Tension_Report(T, 1);
    EXPECT_NE(report.find("Zugtragfähigkeit des T-Stummelflanschs"_cp), std::string::npos);
    EXPECT_EQ(report.find("Nachweis"), std::string::npos) << report;
    EXPECT_EQ(T.U_max, 0.0);
}

// Faults that must never end verified: a negative resistance (the alternative procedure with a lever
// arm n below e_w·(m+n)/(2m): n = e = 5, m 40, e_w 9.25: 2·40·5 − 9.25·45 < 0), missing distances,
// a partial factor of 0, and a load on a resistance of 0.
TEST_F(TStubTensionVerify, NeverVerifiedWithoutAResistance) {
    T_Stub_Tension T = Given_Column_Flange(40.0, &factors);
    T.edge_check_mode = Edge_Check_Off;
    T.e = T.e_min = 5.0;
    T.procedure = 1;
    std::string report = Tension_Report(T, 1);
    EXPECT_LT(T.F_T_Rd, 0.0);
    EXPECT_EQ(T.Check_Error_Flags, 1);
    EXPECT_EQ(T.U_max, -1.0);
    EXPECT_NE(report.find(" ╬HFehler╬r: F╬\\T,Rd╬r < 0 "_cp + Error_Mark), std::string::npos) << report;
    EXPECT_NE(report.find(Not_Verified), std::string::npos);

    T = Given_Column_Flange(40.0, &factors);
    T.e_min = 0.0;
    report = Tension_Report(T, 1);
    EXPECT_EQ(T.Check_Error_Flags, 1);
    EXPECT_EQ(T.U_max, -1.0);
    EXPECT_EQ(report, Para_Head + " Grenzzugkraft des T-Stummelflanschs:\n" + Para_Space + " " +
                          Not_Verified + Para_End);

    Safety_Factors no_gamma = factors;
    no_gamma.gamma_M[Gamma_M0] = 0.0;
    T = Given_Column_Flange(40.0, &no_gamma);
    report = Tension_Report(T, 0);
    EXPECT_EQ(T.F_T_Rd, -1.0);
    EXPECT_EQ(T.U_max, -1.0);
    EXPECT_NE(report.find("nicht ermittelbar " + Error_Mark), std::string::npos) << report;
    EXPECT_EQ(report.find("inf"), std::string::npos);

    no_gamma = factors;
    no_gamma.gamma_M[Gamma_M2] = 0.0;
    T = Given_Column_Flange(40.0, &no_gamma);
    Verify_T_Stub_Tension(&T, nullptr, 0, 0);
    EXPECT_EQ(T.Check_Error_Flags, 1);
    EXPECT_EQ(T.U_max, -1.0);

    // Faulty input: the record is marked, nothing is computed.
    T = Given_Column_Flange(40.0, &factors);
    T.flange.t = 0.0;
    EXPECT_EQ(Verify_T_Stub_Tension(&T, nullptr, 0, 0), 1);
    EXPECT_EQ(T.U_max, -1.0);
}

// A compute-only run gives the same results as a report run at every level.
TEST_F(TStubTensionVerify, ComputeOnlyMatchesReport) {
    for (double m : {30.0, 40.0}) {
        T_Stub_Tension silent = Given_Column_Flange(m, &factors);
        silent.F_t_Ed[0] = 150000.0;
        Verify_T_Stub_Tension(&silent, nullptr, 0, 0);
        for (int detail : {0, 1, 2}) {
            T_Stub_Tension T = silent;
            Tension_Report(T, detail);
            EXPECT_EQ(T.F_T_Rd, silent.F_T_Rd);
            EXPECT_EQ(T.U_max, silent.U_max);
            EXPECT_EQ(T.Check_Error_Flags, silent.Check_Error_Flags);
        }
    }
}
namespace {

const std::string M_Pl_Line =
    " für Modus 1+2:  M╬\\pl,Rd╬r = (0.25╬/.╬r▓l╬\\eff╬r╬/.╬rt╬\\f╬r╬/2╬r╬/.╬rf╬\\y╬r) / └╬\\M0╬r = 4.70 kNm"_cp;
const std::string F_t_Rd_Line = "F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r = 141.00 kN,  k╬\\2╬r = 0.90"_cp;
const std::string Sum_F_t_Line = " für Modus 3:  ▓F╬\\t,Rd╬r = 2╬/.╬rn╬\\b╬r╬/.╬rF╬\\t,Rd╬r = 282.01 kN"_cp;
const std::string Result_Line = " Zugtragfähigkeit des T-Stummelflanschs:  F╬\\T,Rd╬r"_cp;
// The tab stops of the mode blocks (15 and 27 beyond one indent step) stay set for the lines after them.
const std::string Mode_Tabs = "#END_OF_TEXT\n0x4\n0x60\n4\n2 0.3 2 0\n0x0 2\n2 16\n2 28\n-1\n";
const std::string Tabs_Indent_0 = "#END_OF_TEXT\n0x4\n0x40\n4\n0x0 2\n2 16\n2 28\n-1\n";
const std::string Tabs_Space = "#END_OF_TEXT\n0x1004\n2 0.3\n0x40\n4\n0x0 2\n2 16\n2 28\n-1\n";

std::string Verification(const char* E, const char* R, const char* U) {
    return Para_Indent(0) + " ╬HNachweis\n"_cp + Para_Indent(0.3) + " F╬\\T,Ed╬r = 2╬/.╬rF╬\\t,Ed╬r = "_cp + E +
           " kN  <  F╬\\T,Rd╬r = "_cp + R + " kN  ê  Ausnutzung U = "_cp + U + "  <  1  " + Ok_Mark + "\n";
}
std::string Summary(const char* label, const char* U) {
    return Para_Space + " " + label + " = " + U + "  <  1  " + Ok_Mark + "\n" + Para_Space + " " + Verified;
}

}  // namespace

// The chapter of the column flange with given lengths: the input protocol, then the resistance
// block at each level (values as in ColumnFlangeWithAndWithoutPrying).
TEST_F(TStubTensionVerify, ColumnFlangeChapters) {
    T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
    const std::string protocol =
        Para_Head + " ╬HT-Stummelflansch╬r mit Dicke t╬\\f╬r = 20.0 mm,  Stahlgüte S235\n"_cp +
        " ╬HVerbindungsmittel\n"_cp + Para_Indent(0.3) + " Festigkeitsklasse 8.8, Schraubengröße M20, normale Schlüsselweite\n"_cp +
        Para_Indent(0) + " ╬HBelastung\n"_cp + Para_Indent(0.3) + " Bemessungswert der Zugkraft je Schraube F╬\\t,Ed╬r = 100.0 kN\n"_cp +
        Para_Indent(0) + " ╬HNachweisparameter\n"_cp + Para_Indent(0.3) + " Anzahl Schrauben je Schraubenreihe n╬\\sr╬r = 2\n"_cp +
        " Anwendung von Verfahren 1\n Abstand der Schraubenachse zum Flanschrand e = 50.0 mm\n"
        " Abstand der Schraubenachse zum Steganschnitt m = 30.0 mm\n"
        " Wirksame Länge des T-Stummels für Modus 1 ▓l╬\\eff,1╬r = 200.0 mm\n"
        " Wirksame Länge des T-Stummels für Modus 2 ▓l╬\\eff,2╬r = 200.0 mm\n \n"_cp +
        Para_Indent(0);
    // Level 0: the resistance and the verification line, no verdict for a verified T-stub.
    EXPECT_EQ(Tension_Chapter(T, 0),
              protocol + Result_Line + " = 282.01 kN\n" +
                  " F╬\\T,Ed╬r = 200.0 kN  <  F╬\\T,Rd╬r = 282.01 kN  ê  Ausnutzung U = 0.709  <  1  "_cp + Ok_Mark + "\n" +
                  Para_End);

    // Level 2 without prying: every intermediate value.
    EXPECT_EQ(Tension_Report(T, 2),
              Para_Head + " ╬HGrenzzugkraft des T-Stummelflanschs\n"_cp + Para_Indent(0.3) +
                  " n = min(e╬\\min╬r,1.25╬/.╬rm) = 37.5 mm,  e╬\\min╬r = 50.0 mm,  m = 30.0 mm\n"_cp +
                  " aufnehmbare plastische Momente:\n" + Para_Indent(0.6) + M_Pl_Line +
                  ",  t╬\\f╬r = 20.0 mm,  f╬\\y╬r = 235.0 N/mm²,  └╬\\M0╬r = 1.00\n"_cp + Para_Indent(0.3) +
                  " Bemessungswert der Zugtragfähigkeit:\n"_cp + Para_Indent(0.6) +
                  " Zugtragfähigkeit einer Schraube:  "_cp + F_t_Rd_Line + ",  f╬\\ub╬r = 800.0 N/mm²\n"_cp +
                  Sum_F_t_Line + ",  n╬\\b╬r = 1\n"_cp + Para_Indent(0.3) +
                  " Dehnlänge einer Schraube L╬\\b╬r = t╬\\ges╬r + t╬\\p╬r + (t╬\\k╬r+t╬\\m╬r)/2 = 58.8 mm,  t╬\\ges╬r = 40.0 mm\n"_cp +
                  " Grenzdehnlänge L╬\\b╬r╬/*╬r = (8.8╬/.╬rm╬/3╬r╬/.╬rA╬\\s╬r╬/.╬rn╬\\b╬r) / (▓l╬\\eff,1╬r╬/.╬rt╬\\f╬r╬/3╬r) = 36.4 mm,  n╬\\b╬r = 1\n"_cp +
                  " L╬\\b╬r = 58.8 mm > 36.4 mm = L╬\\b╬r╬/*╬r  ê  keine Abstützkräfte !\n"_cp +
                  " Modus 1 und 2: Vollständiges Fließen des T-Stummelflanschs ggf. gleichzeitig mit Schraubenversagen\n"_cp +
                  Para_Indent(0.6) + " F╬\\T,1-2,Rd╬r = (2╬/.╬rM╬\\pl,1,Rd╬r) / m = 313.33 kN\n"_cp + Para_Indent(0.3) +
                  " Modus 3: Schraubenversagen\n" + Para_Indent(0.6) + " F╬\\T,3,Rd╬r = ▓F╬\\t,Rd╬r = 282.01 kN\n"_cp +
                  Para_Indent(0.3) + Result_Line + " = min(F╬\\T,1-2,Rd╬r, F╬\\T,3,Rd╬r) = 282.01 kN\n"_cp +
                  Verification("200.0", "282.01", "0.709") +
                  Summary("╬Hmaximale Ausnutzung U╬\\max╬r╬H"_cp, "0.709") + Para_End);

    // Level 1 with prying: the three modes under their headings.
    T = Given_Column_Flange(40.0, &factors);
    EXPECT_EQ(Tension_Report(T, 1),
              Para_Head + " Grenzzugkraft des T-Stummelflanschs:\n" + Para_Indent(0.3) + M_Pl_Line + "\n " +
                  F_t_Rd_Line + "\n" + Sum_F_t_Line + "\n" +
                  " L╬\\b╬r = 58.8 mm ≤ 86.2 mm = L╬\\b╬r╬/*╬r  ê  Abstützkräfte können auftreten !\n"_cp +
                  " Modus 1: Vollständiges Fließen des T-Stummelflanschs\n"_cp + Mode_Tabs +
                  " F╬\\T,1,Rd╬r = (4╬/.╬rM╬\\pl,1,Rd╬r) / m = 470.00 kN\n"_cp +
                  " Modus 2: Schraubenversagen gleichzeitig mit Fließen des T-Stummelflanschs\n"_cp + Mode_Tabs +
                  " F╬\\T,2,Rd╬r = (2╬/.╬rM╬\\pl,2,Rd╬r + n╬/.╬r▓F╬\\t,Rd╬r) / (m+n) = 261.12 kN\n"_cp +
                  " Modus 3: Schraubenversagen\n" + Mode_Tabs + " F╬\\T,3,Rd╬r = ▓F╬\\t,Rd╬r = 282.01 kN\n"_cp +
                  Result_Line + " = min(F╬\\T,1,Rd╬r, F╬\\T,2,Rd╬r, F╬\\T,3,Rd╬r) = 261.12 kN\n"_cp + Tabs_Indent_0 +
                  " ╬HNachweis\n"_cp + Mode_Tabs +
                  " F╬\\T,Ed╬r = 2╬/.╬rF╬\\t,Ed╬r = 200.0 kN  <  F╬\\T,Rd╬r = 261.12 kN  ê  Ausnutzung U = 0.766  <  1  "_cp +
                  Ok_Mark + "\n" + Tabs_Space + " maximale Ausnutzung U╬\\max╬r = 0.766  <  1  "_cp + Ok_Mark + "\n" +
                  Tabs_Space + " " + Verified + Para_End);
}

// The end-plate extension, one row of two M20 8.8 with e 50, e₁ 60, m₁ 25 in a flange 20 × 140 mm:
//   w = 140 − 2·50 = 40, l_eff,cp = min(157.08, 118.54, 178.54), l_eff,nc = min(175, 137.5, 70,
//   107.5) = 70 mm; e_min = e₁ = 60, m = m₁ = 25, n = 31.25; M_pl,Rd = 0.25·70·400·235 = 1.645 kNm;
//   L_b* = 8.8·25³·244.8/(70·8000) = 60.1 mm > L_b = 58.75: prying; mode 1 4·1.645e6/25 = 263.20,
//   mode 2 (3.29e6 + 31.25·282009.6)/56.25 = 215.16 kN. One bolt: 100 kN against 107.58 kN, U 0.930.
TEST_F(TStubTensionVerify, ExtensionWithOneBolt) {
    T_Stub_Tension T;
    Default_T_Stub_Tension(&T);
    T.bolts_per_row = 2;
    T.location = T_Stub_Extension;
    Use_M20_8_8(T.fastener);
    T.F_t_Ed[0] = 100000.0;
    T.one_bolt_in_extension = 1;
    Prepare_T_Stub_Tension_Check(&T, 0, 1, &factors);
    // The report driver's steps before the check.
    T.b_p = T.flange.l;
    Compute_T_Stub_Effective_Lengths(&T, T.location, T.fastener.d_p, nullptr, 0, 0);
    T.e_min = Compute_T_Stub_Min_Edge_Distance(T.location, 0, 0, T.e, T.e_1, nullptr, 0);
    T.m_check = Compute_T_Stub_Web_Distance(T.location, 0, 0, 0, 0, T.m_1, T.m, nullptr, 0);
    ASSERT_NEAR(T.sum_l_eff_1, 70.0, 1e-9);

    std::string report = Tension_Report(T, 1);
    EXPECT_NEAR(T.F_T_Rd, 215160.8889, 0.001);   // stored whole
    EXPECT_NEAR(T.U_max, 0.9295370, 1e-6);
    EXPECT_NE(report.find(" ╬HNachweis für nur eine Schraube im Überstand\n"_cp), std::string::npos) << report;
    EXPECT_NE(report.find(" F╬\\T,Ed╬r = 2╬/.╬rF╬\\t,Ed╬r = 100.0 kN  <  F╬\\T,Rd╬r/2 = 107.58 kN  ê  Ausnutzung U = 0.930"_cp),
              std::string::npos)
        << report;
    report = Tension_Report(T, 0);
    EXPECT_NE(report.find(" F╬\\T,Ed╬r = 100.0 kN  <  F╬\\T,Rd╬r = 107.58 kN"_cp), std::string::npos) << report;

    // The protocol names the one-bolt verification and the extension.
    const std::string protocol = Paragraph_Of([&](FILE* f) { Print_T_Stub_Tension_Input(&T, f, 0); });
    EXPECT_NE(protocol.find(" Nachweis des überstehenden Teils des Anschlussblechs (Stirnblech)\n"_cp), std::string::npos);
    EXPECT_NE(protocol.find(" Abstand der Schraubenachse zum Anschnitt des Trägerzugflanschs m╬\\1╬r = 25.0 mm\n"
                            " Nachweis für nur eine Schraube im Überstand\n \n"_cp),
              std::string::npos)
        << protocol;
}

namespace {

// A row of four M20 8.8 between the beam flanges with given lengths Σl_eff 200 mm, t_f 20 mm, e = e_min
// 50, m 40, w 60, m₂ 40, flange 400 mm long, web plate 10 × 300 mm and a web of 10 mm, no load.
T_Stub_Tension Four_Bolt_Row(int method, const Safety_Factors* factors) {
    T_Stub_Tension T = Given_Column_Flange(40.0, factors);
    T.bolts_per_row = 4;
    T.four_bolt_method = method;
    T.inner_row = T.row_next_to_stiffener = 1;
    T.w = 60.0;
    T.m_2 = 40.0;
    T.flange.l = 400.0;
    T.web.t = 10.0;
    T.web.l = 300.0;
    T.t_w = 10.0;
    T.F_t_Ed[0] = 0.0;
    return T;
}

}  // namespace

// Four bolts per row (M_pl,Rd 4.70 kNm, F_t,Rd 141.0048 kN, ΣF_t,Rd = 4·141.0048 = 564.0192 kN):
//   handbook: n₁ = 60, n = min(110, 50) = 50, n₂ = min(50, 110) = 50; mode 1 470.00, mode 2
//     (9.4e6 + 110·0.25·564019.2·(3.6 − 1.6·60/110))/150 = 344.68, mode 3 0.9·564.02 = 507.62,
//     F_T,4,Rd = 3.6·4.7e6/(1.8·40 + 0.8·60) = 141.00 kN (mode 3 does not govern);
//   research report: e_w = 32.95/4 = 8.2375, mode 1 383.525·4.7e6/3258.625 = 553.17, mode 2
//     min(312.20, (9.4e6 + 0.5·564019.2·60)/100 = 263.21) = 263.21 kN;
//   dissertation: n = 50, m_s = 40, n_s = 50; ψ_F = (2/40³)/(2/40³ + 1/40³ + 1/100³) = 0.6527,
//     ψ_S = 0.3473, w₁ = 400 − 2·110 = 180, ψ_Fi = (180 + 60)/300 = 0.8, ψ_Fa = 0.2; mode 1
//     4·4.7e6·(0.6527/40 + 0.3473/40) = 470.00, mode 2 170.31 + 247.48 = 417.79 kN (with Σl_eff,2).
TEST_F(TStubTensionVerify, FourBoltModels) {
    struct Case {
        int method;
        double F_T_Rd;
        const char* line;
    };
    const Case cases[] = {
        {Four_Bolt_Handbook, 344676.2667,
         " F╬\\T,3,Rd╬r = 0.9╬/.╬r▓F╬\\t,Rd╬r = 507.62 kN,  F╬\\T,4,Rd╬r = (3.6╬/.╬rM╬\\pl,1,Rd╬r) / (1.8╬/.╬rm + 0.8╬/.╬rn╬\\1╬r) = 141.00 kN\n"_cp},
        {Four_Bolt_Research_Report, 263205.76,
         " F╬\\T,2,np,Rd╬r = (2╬/.╬rM╬\\pl,1,Rd╬r + 0.5╬/.╬r▓F╬\\t,Rd╬r╬/.╬rn╬\\1╬r) / (m+n╬\\1╬r) = 263.21 kN\n"_cp},
        {Four_Bolt_Dissertation, 417788.4444,
         "F╬\\T,2,S,Rd╬r = (2╬/.╬rM╬\\pl,2,Rd╬r╬/.╬r(╦╬\\Fi╬r╬/.╬r╜╬\\F╬r+╜╬\\S╬r) + 2╬/.╬rn╬/.╬rF╬\\t,Rd╬r) / (m+n) = 247.48 kN\n"_cp},
    };
    for (const Case& c : cases) {
        T_Stub_Tension T = Four_Bolt_Row(c.method, &factors);
        const std::string report = Tension_Report(T, 2);
        EXPECT_EQ(T.Check_Error_Flags, 0) << c.method << report;
        EXPECT_NEAR(T.F_T_Rd, c.F_T_Rd, 0.001) << c.method;
        EXPECT_NE(report.find(c.line), std::string::npos) << c.method;
    }
}

// The web weld (S235 plates, γM2 1.25; f_vw,d = 360/(√3·0.8·1.25) = 207.846 N/mm²):
//   fillet a_st 5 on a web plate of 10 mm, Σl_eff 120 mm, t_f 25, m 30: L_b = 68.75 > L_b* =
//   8.8·27000·244.8/(120·15625) = 31.0 mm, flange min(2·0.25·120·625·235/30 = 293.75, 282.01) =
//   282.01 kN; weld 2·207.846·5·120 = 249.42 kN governs.
//   butt a_st 12 on a web plate of 10 mm, Σl_eff 200 mm, t_f 30, two rows: flange min(705.00,
//   564.02) kN; weld f_sw = min(235/1.0, 0.9·360/1.25) = 235 N/mm² through t_st: 235·10·200 = 470.00 kN.
TEST_F(TStubTensionVerify, WebWeld) {
    auto fillet = [&] {
        T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
        T.flange.t = 25.0;
        T.sum_l_eff_1 = T.sum_l_eff_2 = 120.0;
        T.a_st = 5.0;
        T.web.t = 10.0;
        return T;
    };
    // A record after a write and a read checks its weld like a new one.
    T_Stub_Tension T = fillet();
    T.skip_weld_check = 1;
    const std::string block = Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &T); });
    T_Stub_Tension R;
    Init_T_Stub_Tension(&R);
    FILE* file = std::tmpfile();
    std::fputs(block.c_str(), file);
    std::rewind(file);
    ASSERT_EQ(Read_T_Stub_Tension(file, &R), 0);
    std::fclose(file);
    EXPECT_EQ(R.skip_weld_check, 0);
    R.e_min = T.e_min;
    R.m_check = T.m_check;
    Prepare_T_Stub_Tension_Check(&R, 0, 1, &factors);
    std::string report = Tension_Report(R, 2);
    EXPECT_NEAR(R.F_T_Rd, 249415.32, 0.01);
    EXPECT_NE(report.find(" Zugtragfähigkeit der Schweißnähte:  F╬\\T,w,Rd╬r = 2╬/.╬rf╬\\vw,d╬r╬/.╬ra╬/.╬rl╬\\eff╬r = 249.42 kN,"
                          "  a = 5.0 mm,  l╬\\eff╬r = 120.0 mm\n"
                          " Gesamttragfähigkeit des T-Stummelflanschs:  F╬\\T,Rd╬r = F╬\\T,w,Rd╬r = 249.42 kN "_cp +
                              Warning_Mark + "\n"),
              std::string::npos)
        << report;

    // Within 0.01 N of F_T,Rd the weld counts as equal: a_st = (282009.6 − 0.005)/(2·207.846·120).
    T = fillet();
    T.a_st = 5.653413735670393;
    report = Tension_Report(T, 0);
    EXPECT_NEAR(T.F_T_Rd, 282009.6, 1e-6);
    EXPECT_NE(report.find(" Zugtragfähigkeit der Schweißnähte:  F╬\\T,w,Rd╬r = 282.01 kN  (≥ 282.01 kN, nicht maßgebend)\n"_cp),
              std::string::npos)
        << report;

    // No web plate: no weld to check.
    T = fillet();
    T.web.t = 0.0;
    report = Tension_Report(T, 1);
    EXPECT_NEAR(T.F_T_Rd, 282009.6, 1e-6);
    EXPECT_EQ(report.find("Schweißnähte"_cp), std::string::npos);

    // A throat above the web plate's thickness is a butt weld through that thickness.
    T = Given_Column_Flange(30.0, &factors);
    T.flange.t = 30.0;
    T.row_count = 2;
    T.F_t_Ed[1] = 100000.0;
    T.a_st = 12.0;
    T.web.t = 10.0;
    report = Tension_Report(T, 2);
    EXPECT_NEAR(T.F_T_Rd, 470000.0, 1e-6);
    EXPECT_NE(report.find(" Zugtragfähigkeit der Schweißnähte:  F╬\\T,w,Rd╬r = f╬\\sw,d╬r╬/.╬rt╬\\st╬r╬/.╬rl╬\\eff╬r = 470.00 kN,"
                          "  t╬\\st╬r = 10.0 mm,  l╬\\eff╬r = 200.0 mm\n"_cp),
              std::string::npos)
        << report;
}

// The beam flange of the dissertation model (ψ_S 0.3473, l_eff = Σl_eff,2 = 200 mm, t_w 10 mm):
//   A_F = 300·10 = 3000 mm², A_S = 200·0.3473·10 = 694.5 mm², (3000 + 694.5)·235 = 868.21 kN ≥
//   417.79 kN; as an L-stub both areas halved: 1847.3 mm², 434.11 kN against 208.89 kN.
TEST_F(TStubTensionVerify, BeamFlangeOfTheDissertationModel) {
    T_Stub_Tension T = Four_Bolt_Row(Four_Bolt_Dissertation, &factors);
    std::string report = Tension_Report(T, 2);
    EXPECT_NE(report.find(" Zugtragfähigkeit des Trägerflanschs:  max F╬\\T,Rd╬r = (A╬\\F╬r+A╬\\S╬r)╬/.╬rf╬\\y,st╬r / └╬\\M0╬r"
                          " = 868.21 kN > F╬\\T,Rd╬r  "_cp + Note_Ok_Mark + "\n"),
              std::string::npos)
        << report;
    EXPECT_NEAR(T.F_T_Rd, 417788.4444, 0.001);

    T = Four_Bolt_Row(Four_Bolt_Dissertation, &factors);
    T.l_stub = 1;
    report = Tension_Report(T, 2);
    EXPECT_NEAR(T.F_T_Rd, 417788.4444 / 2.0, 0.001);
    EXPECT_NE(report.find(" L-Stummelflansch: F╬\\T,1-3,Rd╬r werden halbiert\n"_cp), std::string::npos);
    EXPECT_NE(report.find("   mit  A╬\\F╬r = b╬\\st╬r╬/.╬rt╬\\st╬r/2 = 1500.0 mm²,  A╬\\S╬r = l╬\\eff╬r╬/.╬r╜╬\\S╬r╬/.╬rt╬\\w╬r/2 = 347.3 mm²"_cp),
              std::string::npos)
        << report;

    // Without the distance to the stiffener the flange part carries nothing; nothing divides by 0.
    T = Four_Bolt_Row(Four_Bolt_Dissertation, &factors);
    T.m_2 = 0.0;
    T.edge_check_mode = Edge_Check_Off;
    report = Tension_Report(T, 2);
    EXPECT_TRUE(std::isfinite(T.F_T_Rd));
    EXPECT_EQ(report.find("inf"), std::string::npos);
    EXPECT_EQ(report.find("nan"), std::string::npos);
    EXPECT_EQ(report.find("in Flanschrichtung"), std::string::npos);
}
