#include "checks/weld_resistance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks/weld_test_support.h"
#include "report/report_capture.h"

using namespace weld_text;

namespace {

constexpr int S355 = 2, S620 = 33, S690 = 34;

}   // namespace

TEST(Compute_Simplified_Weld_Resistance, S235FilletWeld) {
    // f_vw,d = 360/√3 / (0.8·1.25) = 207.8 N/mm² (EN 1993-1-8 (4.4)); F_w,Rd = 207.8·4 = 831.4 kN/m.
    Weld_Fixture F;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Simplified_Weld_Resistance(F.c, f, 2), 0); }),
              Para_Head +
                  " Scherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 207.8 N/mm²,  ╗╬\\w╬r "
                  "= 0.80,"
                  "  f╬\\u╬r = 360.0 N/mm² (Blech 1)\n"
                  " Tragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r╬/.╬ra = 831.38 kN/m\n"_cp +
                  Para_End);
    EXPECT_NEAR(F.c.results.f_vw_d, 207.846, 0.001);
    EXPECT_NEAR(F.c.results.F_w_Rd, 831384.4, 0.1);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Simplified_Weld_Resistance(F.c, f, 1); }),
              Para_Head +
                  " Tragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r╬/.╬ra = 831.38 kN/m,  "
                  "f╬\\vw,d╬r = 207.8 N/mm²,  a = 4.0 mm\n"_cp +
                  Para_End);

    // Without a partial factor the resistance cannot be determined.
    F.factors.gamma_M[Gamma_M2] = 0.0;
    EXPECT_EQ(Compute_Simplified_Weld_Resistance(F.c, nullptr, 0), 1);
    EXPECT_LT(F.c.results.F_w_Rd, -0.001);
}

TEST(Compute_Weld_Design_Shear_Strength, GoverningPlateAndGermanAnnexBand) {
    struct Case {
        const char* name;
        int na_de;
        double t2;
        double f_vw_d;
        int plate;
    };
    // Plate 1 S 355, 10 mm (f_u 490); plate 2 S 355 of 50 mm has the design f_u 470 and governs.
    const Case cases[] = {
        {"recommended", 0, 50, 470 / std::sqrt(3.0) / (0.9 * 1.25), 2},
        {"NA-DE band up to 40 mm", 1, 50, 490 / std::sqrt(3.0) / (0.9 * 1.25), 2},
        {"equal plates", 1, 10, 490 / std::sqrt(3.0) / (0.9 * 1.25), 1},
    };
    for (const Case& k : cases) {
        Weld_Fixture F(10, k.t2);
        F.Set_Grade(S355);
        NAD_Get_EC3()->variant = k.na_de;
        const std::string text = Paragraph_Of([&](FILE* f) { Compute_Weld_Design_Shear_Strength(F.c, f); });
        EXPECT_NEAR(F.c.results.f_vw_d, k.f_vw_d, 1e-9) << k.name;
        EXPECT_NE(text.find(k.plate == 2 ? "(Blech 2)" : "(Blech 1)"), std::string::npos) << k.name;
    }
    // The printed values of the annex case: 490/√3/1.125 = 251.5 N/mm².
    Weld_Fixture F(10, 50);
    F.Set_Grade(S355);
    NAD_Get_EC3()->variant = 1;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Weld_Design_Shear_Strength(F.c, f); }),
              Para_Head +
                  " Scherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 251.5 N/mm²,  ╗╬\\w╬r "
                  "= 0.90,"
                  "  f╬\\u╬r = 490.0 N/mm² (Blech 2)\n"_cp +
                  Para_End);
}

TEST(Compute_Weld_Design_Shear_Strength, GradeWithoutCorrelationFactor) {
    // S350 MC under the 2025 edition has no β_w: the weld takes 1.0 and prints it, never dividing
    // by 0: f_vw,d = 430/√3/(1.0·1.25) = 198.6 N/mm², f_1w,d = 430/1.25 = 344 N/mm².
    constexpr int S350_MC = 36;
    Weld_Fixture F;
    Set_Code_Edition(Code_Edition_2025);
    F.Set_Grade(S350_MC);
    ASSERT_DOUBLE_EQ(F.c.plate1.material.beta_w, 0.0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Weld_Design_Shear_Strength(F.c, f); }),
              Para_Head +
                  " Scherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 198.6 N/mm²,  ╗╬\\w╬r "
                  "= 1.00,  f╬\\u╬r = 430.0 N/mm² (Blech 1)\n"_cp +
                  Para_End);
    EXPECT_NEAR(Compute_Fillet_Weld_Strength(F.c.plate1, F.c.plate2, 0.0, 1.25, nullptr, 0), 344.0, 1e-9);
    EXPECT_NEAR(Compute_Weld_Shear_Strength(F.c.plate1, F.c.plate2, 0.0, 1.25, nullptr, 0), 430 / std::sqrt(3.0) / 1.25,
                1e-9);
}

TEST(Verify_Fillet_Weld, HighStrengthSteelWithHighStrengthFiller) {
    struct Case {
        const char* name;
        int own;
        double f_u_FM;
        double f_u_mod, beta_w;
    };
    // S 690 plates of 50 mm: f_u = 710 N/mm²; f_u,mod = 0.25 f_u + 0.75 f_u,FM (EN 1993-1-8 4.2(6)).
    const Case cases[] = {
        {"G69", 0, 0.0, 0.25 * 710 + 0.75 * 770, 1.09},
        {"own 800", 1, 800.0, 0.25 * 710 + 0.75 * 800, 1.19},
    };
    for (const Case& k : cases) {
        Weld_Fixture F(50, 50);
        Set_Code_Edition(Code_Edition_2025);   // the high-strength grades
        F.Set_Grade(S690);
        F.c.weld.high_strength_filler = 1;
        F.c.weld.filler_index = 2;
        F.c.weld.own_strength = k.own;
        F.c.weld.f_u_FM = k.f_u_FM;
        F.c.context.verification = 0;
        Verify_Fillet_Weld(F.c, nullptr, 1, "");
        EXPECT_NEAR(F.c.results.f_1w_d, k.f_u_mod / (k.beta_w * 1.25), 1e-9) << k.name;
        EXPECT_NEAR(F.c.results.f_2w_d, 0.9 * k.f_u_mod / 1.25, 1e-9) << k.name;
        Compute_Weld_Design_Shear_Strength(F.c, nullptr);
        EXPECT_NEAR(F.c.results.f_vw_d, k.f_u_mod / std::sqrt(3.0) / (k.beta_w * 1.25), 1e-9) << k.name;
    }
    // The strength lines with the filler: 755/(1.09·1.25) = 554.1, 0.9·755/1.25 = 543.6 N/mm².
    Weld_Fixture F(50, 50);
    Set_Code_Edition(Code_Edition_2025);   // the high-strength grades
    F.Set_Grade(S690);
    F.c.weld.high_strength_filler = 1;
    F.c.weld.filler_index = 2;
    F.c.context.verification = 0;
    EXPECT_EQ(
        Paragraph_Of([&](FILE* f) { Verify_Fillet_Weld(F.c, f, 2, ""); }),
        Para_Head +
            " Bedingung 1:\n"
            " Tragfähigkeit einer Kehlnaht (Bed.1):  f╬\\1w,d╬r = f╬\\u,mod╬r / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 554.1 N/mm²\n"
            "   f╬\\u,mod╬r = 0.25╬/.╬rf╬\\u╬r+0.75╬/.╬rf╬\\u,FM╬r = 755.0 N/mm²,  f╬\\u,FM╬r = 770.0 N/mm²,"
            "  ╗╬\\w╬r = 1.09 (Blech 1)\n"
            " Bedingung 2:\n"
            " Tragfähigkeit einer Kehlnaht (Bed.2):  f╬\\2w,d╬r = 0.9╬/.╬rf╬\\u╬r / └╬\\M2╬r = 543.6 N/mm²,"
            "  f╬\\u╬r = 755.0 N/mm² (Blech 1)\n"_cp +
            Para_End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Verify_Fillet_Weld(F.c, f, 0, ""); }),
              Para_Head +
                  " Tragfähigkeiten einer Schweißnaht:  f╬\\1w,d╬r = 554.1 N/mm², f╬\\2w,d╬r = 543.6 N/mm²\n"_cp +
                  Para_End);

    // Without the filler switch the plate governs: 710/(1.10·1.25) = 516.4 N/mm².
    F.c.weld.high_strength_filler = 0;
    Verify_Fillet_Weld(F.c, nullptr, 0, "");
    EXPECT_NEAR(F.c.results.f_1w_d, 710 / (1.10 * 1.25), 1e-9);
}

TEST(Verify_Fillet_Weld, DirectionalMethodWithoutNormalStress) {
    // V∥ = 100 kN on two welds of 100 mm: τ∥ = 500 N/mm / 4 mm = 125 N/mm²; only condition 1 applies.
    Weld_Fixture F;
    F.c.V_par_Ed = 100000;
    EXPECT_EQ(
        Paragraph_Of([&](FILE* f) { EXPECT_EQ(Verify_Fillet_Weld(F.c, f, 1, ""), 0); }),
        Para_Head +
            " Kräfte auf der wirksamen Nahtfläche: F╬\\Ed╬r(╓╬\\p╬r) = 500.00 kN/m\n"
            " Spannungen auf der wirksamen Nahtfläche:  ╓╬\\p╬r = 125.0 N/mm²\n"
            " ╠╬\\1,w,Ed╬r = (╠╬\\s╬r² + 3╬/.╬r(╓╬\\s╬r² + ╓╬\\p╬r²))╬/1/2╬r = 216.5 N/mm²\n"
            " Tragfähigkeit einer Kehlnaht (Bed.1):  f╬\\1w,d╬r = f╬\\u╬r / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 360.0 N/mm²\n"
            " ╠╬\\1,w,Ed╬r = 216.5 N/mm²  <  f╬\\1w,d╬r = 360.0 N/mm²  ê  U╬\\╬r = 0.601  <  1  "_cp +
            Ok_Mark + "\n" + Para_End);
    EXPECT_NEAR(F.c.U_max, 216.50635 / 360.0, 1e-6);
    EXPECT_DOUBLE_EQ(F.c.results.sigma_2_w_Ed, 0.0);

    // Flag bit 6: the same line without its mark; a given subscript stands at U.
    F.c.flags |= Weld_Flag_No_Marks;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Verify_Fillet_Weld(F.c, f, 0, "1"); }),
              Para_Head + " ╠╬\\1,w,Ed╬r = 216.5 N/mm²  <  f╬\\1w,d╬r = 360.0 N/mm²  ê  U╬\\1╬r = 0.601  <  1\n"_cp +
                  Para_End);
}

TEST(Verify_Fillet_Weld, ResistanceThatCannotCarry) {
    // γM2 = 0: the strengths are not determinable; the check reports an error instead of "inf".
    Weld_Fixture F;
    F.c.N_Ed = 100000;
    F.factors.gamma_M[Gamma_M2] = 0.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Verify_Fillet_Weld(F.c, f, 0, ""), 1); }),
              Para_Head + " ╬HFehler╬r: f╬\\1w,d╬r < 0 "_cp + Error_Mark + "\n ╬HFehler╬r: f╬\\2w,d╬r < 0 "_cp +
                  Error_Mark + "\n" + Para_End);
    F.c.flags = Weld_Flag_Eccentricity;   // simplified method
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Verify_Fillet_Weld(F.c, f, 0, ""), 1); }),
              Para_Head + " ╬HFehler╬r: F╬\\w,Rd╬r < 0 "_cp + Error_Mark + "\n" + Para_End);

    // A throat of 0 carries nothing: no verification, no error.
    F.factors.gamma_M[Gamma_M2] = 1.25;
    F.c.weld.a = 0.0;
    F.c.N_Ed = 0.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Verify_Fillet_Weld(F.c, f, 0, ""), 0); }),
              Para_Head + " F╬\\w,Rd╬r = 0  ê  Nachweis wird nicht geführt "_cp + Warning_Mark + "\n" + Para_End);
}

TEST(Verify_Butt_Weld, FullAndHalfPenetration) {
    struct Case {
        const char* name;
        int full_penetration, side;
        double a;
        bool as_butt_weld;
    };
    // Plate 2 of 12 mm: a two-sided weld of 2 × 6 mm or a one-sided one of 12 mm is fully through.
    const Case cases[] = {
        {"full", 1, Weld_Two_Sided, 3.0, true},
        {"half from both sides", 0, Weld_Two_Sided, 6.0, true},
        {"0.1 mm less", 0, Weld_Two_Sided, 5.9, false},
        {"one-sided through", 0, Weld_One_Sided_Left, 12.0, true},
    };
    for (const Case& k : cases) {
        Weld_Fixture F(12, 12);
        Weld_Connection& c = F.c;
        c.weld.type = Weld_Butt;
        c.weld.full_penetration = k.full_penetration;
        c.side = k.side;
        c.weld.a = k.a;
        c.N_Ed = 100000;
        EXPECT_EQ(Verify_Butt_Weld(c, nullptr, 0, ""), 0) << k.name;
        EXPECT_DOUBLE_EQ(c.weld.a, k.a) << k.name;   // restored
        if (k.as_butt_weld) {
            // The plate's strength min(235/1.0, 0.9·360/1.25 = 259.2) = 235 N/mm² over 12 mm:
            // 2820 kN/m against N/l_eff = 1000 kN/m.
            EXPECT_NEAR(c.results.F_w_Rd, 2820000.0, 0.01) << k.name;
            EXPECT_NEAR(c.U_max, 1000.0 / 2820.0, 1e-9) << k.name;
        } else {
            EXPECT_DOUBLE_EQ(c.results.F_w_Rd, 0.0) << k.name;
            EXPECT_GT(c.results.f_1w_d, 0.0) << k.name;
        }
    }

    // Simplified method with the force per length given, and the report lines: the resultant is
    // carried as a shear, 235·12/√3 = 1628.13 kN/m.
    Weld_Fixture F(12, 12);
    Weld_Connection& c = F.c;
    c.weld.type = Weld_Butt;
    c.weld.full_penetration = 1;
    c.flags = Weld_Flag_Eccentricity;
    c.force_mode = Weld_Line_Forces;
    c.F_w_Ed = 1555200;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Verify_Butt_Weld(c, f, 2, ""), 0); }),
              Para_Head +
                  " Bemessungswert der auf die wirksame Nahtfläche einwirkenden Kraft F╬\\w,Ed╬r = 1555.20 kN/m\n"
                  " Tragfähigkeit einer durchgeschweißten Stumpfnaht:  F╬\\w,Rd╬r = f╬\\y╬r╬/.╬ra/(3╬/1/2╬r╬/.╬r└╬\\M0╬r)"
                  " = 1628.13 kN/m,  f╬\\y╬r = 235.0 N/mm²  (Blech 1)\n"
                  " F╬\\w,Ed╬r = 1555.20 kN/m  <  F╬\\w,Rd╬r = 1628.13 kN/m  ê  U╬\\╬r = 0.955  <  1  "_cp +
                  Ok_Mark + "\n" + Para_End);

    // Directional method with the stresses given: σ = (100² + 3·50²)^1/2 = 132.3 N/mm² over t = 12 mm.
    c.flags = Weld_Flag_Directional | Weld_Flag_Eccentricity;
    c.force_mode = Weld_Stresses;
    c.sigma_perp = 100;
    c.tau_par = 50;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Verify_Butt_Weld(c, f, 2, ""); }),
              Para_Head +
                  " ╠ = (╠╬\\s╬r² + 3╬/.╬r(╓╬\\s╬r² + ╓╬\\p╬r²))╬/1/2╬r = 132.3 N/mm²  mit ╠╬\\s╬r = 100.0 N/mm², "
                  "╓╬\\p╬r = 50.0 N/mm²\n"
                  " Belastung F╬\\w,Ed╬r = ╠╬/.╬ra = 1587.45 kN/m\n"
                  " Tragfähigkeit einer durchgeschweißten Stumpfnaht:  F╬\\w,Rd╬r = f╬\\y╬r╬/.╬ra/└╬\\M0╬r"
                  " = 2820.00 kN/m,  f╬\\y╬r = 235.0 N/mm²  (Blech 1)\n"
                  " F╬\\w,Ed╬r = 1587.45 kN/m  <  F╬\\w,Rd╬r = 2820.00 kN/m  ê  U╬\\╬r = 0.563  <  1  "_cp +
                  Ok_Mark + "\n" + Para_End);
}

TEST(Compute_Butt_Weld_Resistance, HighStrengthFiller) {
    // S 620, 20 mm (f_y 620, f_u 700 N/mm²), G46: f_u,mod = 0.85·(0.9·700) + 0.15·530 = 615.0 N/mm²
    // lies below 0.9·f_u = 630 and governs: min(620/1.0, 615/1.25 = 492) = 492 N/mm², ·20 mm.
    Weld_Fixture F(20, 20);
    Set_Code_Edition(Code_Edition_2025);   // the high-strength grades
    F.Set_Grade(S620);
    F.c.weld.type = Weld_Butt;
    F.c.weld.full_penetration = 1;
    F.c.weld.high_strength_filler = 1;
    F.c.weld.filler_index = 1;
    F.c.weld.a = 20.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Butt_Weld_Resistance(F.c, f, 2), 0); }),
              Para_Head +
                  " Tragfähigkeit einer durchgeschweißten Stumpfnaht:  F╬\\w,Rd╬r = f╬\\u,mod╬r╬/.╬ra/└╬\\M2╬r = "
                  "9840.00 kN/m\n"
                  "   f╬\\u,mod╬r = 0.85╬/.╬r(0.9╬/.╬rf╬\\u╬r)+0.15╬/.╬rf╬\\u,FM╬r = 615.0 N/mm²\n"_cp +
                  Para_End);
    EXPECT_NEAR(F.c.results.F_w_Rd, 9840000.0, 0.01);

    // An overmatching filler never makes the weld stronger than the plate: G69 would give
    // 0.85·630 + 0.15·770 = 651.0 > 630 N/mm²; the plate's 0.9·700/1.25 = 504 N/mm² stays.
    F.c.weld.filler_index = 2;
    Compute_Butt_Weld_Resistance(F.c, nullptr, 0);
    EXPECT_NEAR(F.c.results.F_w_Rd, 1000 * 0.9 * 700 * 20 / 1.25, 0.01);
    F.c.weld.high_strength_filler = 0;
    Compute_Butt_Weld_Resistance(F.c, nullptr, 0);
    EXPECT_NEAR(F.c.results.F_w_Rd, 1000 * 0.9 * 700 * 20 / 1.25, 0.01);
}

TEST(Compute_Butt_Weld_Resistance, NeverAboveTheWeakerPlate) {
    // S 235 with γM0 1.0: f_sw = min(235/1.0, 0.9·360/1.25 = 259.2) = 235 N/mm², not 259.2; a 10 mm
    // plate carries 2350 kN/m, as a shear of the simplified method 2350/√3 = 1356.78 kN/m.
    Weld_Fixture F;
    F.c.weld.type = Weld_Butt;
    F.c.weld.full_penetration = 1;
    F.c.weld.a = 10.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Butt_Weld_Resistance(F.c, f, 1), 0); }),
              Para_Head +
                  " Tragfähigkeit einer durchgeschweißten Stumpfnaht:  F╬\\w,Rd╬r = f╬\\y╬r╬/.╬ra/└╬\\M0╬r = "
                  "2350.00 kN/m\n"_cp +
                  Para_End);
    F.c.flags = Weld_Flag_Eccentricity;   // simplified method
    Compute_Butt_Weld_Resistance(F.c, nullptr, 0);
    EXPECT_NEAR(F.c.results.F_w_Rd, 2350000.0 / std::sqrt(3.0), 0.01);

    // A γM0 of 0.8 (235/0.8 = 293.75 N/mm²) leaves the f_u term: 259.2 N/mm², printed with γM2
    // under the root of 3.
    F.factors.gamma_M[Gamma_M0] = 0.8;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Butt_Weld_Resistance(F.c, f, 2); }),
              Para_Head +
                  " Tragfähigkeit einer durchgeschweißten Stumpfnaht:  F╬\\w,Rd╬r = "
                  "0.9╬/.╬rf╬\\u╬r╬/.╬ra/(3╬/1/2╬r╬/.╬r└╬\\M2╬r) = 1496.49 kN/m,  f╬\\u╬r = 360.0 N/mm²  (Blech 1)\n"_cp +
                  Para_End);
    // Without γM0 the strength is not determinable.
    F.factors.gamma_M[Gamma_M0] = 0.0;
    EXPECT_EQ(Compute_Butt_Weld_Resistance(F.c, nullptr, 0), 1);
    EXPECT_LT(F.c.results.F_w_Rd, -0.001);
}

TEST(Compute_Weld_Resistance_Per_Length, ByWeldKind) {
    Weld_Fixture F(12, 12);
    F.c.check_error_flags = 3;
    F.c.results.A_w = 5.0;
    Compute_Weld_Resistance_Per_Length(F.c, nullptr, 0);
    EXPECT_EQ(F.c.check_error_flags, 0);
    EXPECT_DOUBLE_EQ(F.c.results.A_w, 0.0);
    EXPECT_NEAR(F.c.results.F_w_Rd, 831384.4, 0.1);
    F.c.weld.type = Weld_Butt;
    F.c.weld.full_penetration = 1;
    F.c.weld.a = 12.0;
    Compute_Weld_Resistance_Per_Length(F.c, nullptr, 0);
    EXPECT_NEAR(F.c.results.F_w_Rd, 2820000.0, 0.01);   // 235 N/mm²·12 mm
    F.c.weld.type = Weld_Plug;
    Compute_Weld_Resistance_Per_Length(F.c, nullptr, 0);
    EXPECT_DOUBLE_EQ(F.c.results.F_w_Rd, 0.0);
}

TEST(T_Stub_Weld_Strengths, WeakerPlateGoverns) {
    Weld_Fixture F(10, 10);
    Plate& flange = F.c.plate1;
    Plate& web = F.c.plate2;
    flange.material.grade = S355;
    F.Derive_Materials();
    // The S 235 web governs: 360/(0.8·1.25) = 360.0, 360/√3/1.0 = 207.8; the butt weld is never
    // stronger than the plate: min(235/1.0, 0.9·360/1.25 = 259.2) = 235 N/mm².
    EXPECT_EQ(
        Paragraph_Of([&](FILE* f) {
            EXPECT_DOUBLE_EQ(Compute_Fillet_Weld_Strength(flange, web, 0.0, 1.25, f, 2), 360.0);
            EXPECT_NEAR(Compute_Weld_Shear_Strength(flange, web, 0.0, 1.25, f, 2), 207.8461, 1e-4);
            EXPECT_NEAR(Compute_Butt_Weld_Strength(flange, web, 0.0, 1.0, 1.25, f, 2), 235.0, 1e-9);
        }),
        Para_Head +
            " Tragfähigkeit einer Kehlnaht (Bed.1):  f╬\\1w,d╬r = f╬\\u╬r / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 360.0 N/mm²,"
            "  f╬\\u╬r = 360.0 N/mm²,  ╗╬\\w╬r = 0.80\n"
            " Scherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r╬/.╬r└╬\\M2╬r) = 207.8 N/mm²,"
            "  f╬\\u╬r = 360.0 N/mm²,  ╗╬\\w╬r = 0.80\n"
            " Festigkeit einer durchgeschweißten Stumpfnaht:  f╬\\sw,Rd╬r = f╬\\y╬r/└╬\\M0╬r = 235.00 N/mm²,"
            "  f╬\\y╬r = 235.0 N/mm²\n"_cp +
            Para_End);

    // Partial factors: the fillet strength gives 0 below 0.01; the other two are not determinable.
    EXPECT_DOUBLE_EQ(Compute_Fillet_Weld_Strength(flange, web, 0.0, 0.0, nullptr, 0), 0.0);
    EXPECT_DOUBLE_EQ(Compute_Fillet_Weld_Strength(flange, web, 0.0, 0.009, nullptr, 0), 0.0);
    EXPECT_LT(Compute_Weld_Shear_Strength(flange, web, 0.0, 0.0, nullptr, 0), -0.001);
    EXPECT_LT(Compute_Butt_Weld_Strength(flange, web, 0.0, 1.0, 0.0, nullptr, 0), -0.001);
    EXPECT_LT(Compute_Butt_Weld_Strength(flange, web, 0.0, 0.0, 1.25, nullptr, 0), -0.001);
    // A larger γM0 lowers the yield term: 235/1.1 = 213.64 N/mm²; a γM0 of 0.8 leaves the f_u term
    // of the web, 259.2 N/mm², printed with its own formula.
    EXPECT_NEAR(Compute_Butt_Weld_Strength(flange, web, 0.0, 1.1, 1.25, nullptr, 0), 235.0 / 1.1, 1e-9);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) {
                  EXPECT_NEAR(Compute_Butt_Weld_Strength(flange, web, 0.0, 0.8, 1.25, f, 2), 259.2, 1e-9);
              }),
              Para_Head +
                  " Festigkeit einer durchgeschweißten Stumpfnaht:  f╬\\sw,Rd╬r = 0.9╬/.╬rf╬\\u╬r/└╬\\M2╬r = 259.20 N/mm²,"
                  "  f╬\\u╬r = 360.0 N/mm²\n"_cp +
                  Para_End);

    // German annex: a 50 mm S 355 flange counts with 490 N/mm² against a web of own values with
    // 480 N/mm², which then governs (its design f_u is below the flange's annex value). With γM0 0.9
    // the yield terms (335/0.9, 355/0.9) stay above the f_u terms.
    NAD_Get_EC3()->variant = 1;
    flange.t = 50.0;
    web.material.grade = S355;
    web.material.own_values = 1;
    web.material.band[0] = {355.0, 480.0};
    F.Derive_Materials();
    EXPECT_NEAR(Compute_Butt_Weld_Strength(flange, web, 0.0, 0.9, 1.25, nullptr, 0), 0.9 * 480.0 / 1.25, 1e-9);
    NAD_Get_EC3()->variant = 0;
    EXPECT_NEAR(Compute_Butt_Weld_Strength(flange, web, 0.0, 0.9, 1.25, nullptr, 0), 0.9 * 470.0 / 1.25, 1e-9);
    // With γM0 1.0 the flange's f_y of 335 N/mm² at 50 mm governs, with or without the annex.
    EXPECT_NEAR(Compute_Butt_Weld_Strength(flange, web, 0.0, 1.0, 1.25, nullptr, 0), 335.0, 1e-9);

    // High-strength plates with a filler strength: 0.25·770 + 0.75·940, β_w 1.19.
    flange.material = Plate_Material{};
    Init_Plate_Material(&flange.material);
    Set_Code_Edition(Code_Edition_2025);   // the high-strength grades
    flange.material.grade = S690;
    web.material = flange.material;
    flange.t = web.t = 20.0;
    F.Derive_Materials();
    EXPECT_NEAR(Compute_Fillet_Weld_Strength(flange, web, 940.0, 1.25, nullptr, 0),
                (0.25 * 770 + 0.75 * 940) / (1.19 * 1.25), 1e-9);
    // The butt strength ignores the filler: min(690/1.0, 0.9·770/1.25 = 554.4).
    EXPECT_NEAR(Compute_Butt_Weld_Strength(flange, web, 940.0, 1.0, 1.25, nullptr, 0), 0.9 * 770 / 1.25, 1e-9);
}
