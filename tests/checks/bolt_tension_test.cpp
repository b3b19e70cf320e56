#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "annex/annex_record.h"
#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "checks/concrete_grade.h"
#include "frame/code_edition.h"

namespace {

constexpr int Size_M10 = 3;   // rows of M10 and M16 in Bolt_Size_Table
constexpr int Size_M16 = 5;

std::string Lines(const std::string& lines) { return Para_Head + lines + Para_End; }

struct Tension : ::testing::Test {
    Safety_Factors factors = Test_Safety_Factors();

    Bolt_Connection Joint(int size, int strength_class, const std::function<void(Fastener&)>& set = {}) {
        Bolt_Connection C = Test_Bolt_Joint(size, strength_class, set);
        Prepare_Bolt_Check(&C, 0, 1, &factors);
        return C;
    }
    // The anchors with ℓ_e 400 mm into concrete of the class (or own f_ck) of 500 mm.
    Bolt_Connection Rebar_Anchor(int concrete_class, double own_f_ck = 0.0) {
        Bolt_Connection C = Test_Anchor_Joint(concrete_class, [](Fastener& f) { f.l_e = 400.0; }, own_f_ck, 500.0);
        Prepare_Bolt_Check(&C, 0, 1, &factors);
        return C;
    }
    std::string Run(Bolt_Connection& C, int level, int expected_result = 0) {
        return Report_With_Result([&](FILE* s) { return Compute_Tension_Resistance(&C, s, level); }, expected_result);
    }
};

}  // namespace

// EN 1993-1-8 Table 3.4: F_t,Rd = k_2 f_ub A_s / γM2 with k_2 = 0.9, for countersunk bolts 0.63
// (edition 0). M20 10.9: 0.9·1000·244.8/1.25 = 176256 N; countersunk 123379.2 N.
TEST_F(Tension, BoltsAndCountersunkBolts) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_10_9);
    EXPECT_EQ(Run(C, 1), Lines(" Zugtragfähigkeit einer Schraube F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r"
                               " = 176.26 kN,  k╬\\2╬r = 0.90\n"_cp));
    EXPECT_NEAR(C.results.F_t_Rd, 176256.0, 0.01);
    for (int edition : {0, 1}) {
        Use_Recommended_Rules(edition);
        Bolt_Connection K = Joint(Bolt_Size_M20, Bolt_Class_10_9, [](Fastener& f) {
            f.countersunk = 1;
            f.t_ks = 5.0;
        });
        const std::string text = Run(K, 2);
        EXPECT_EQ(text, Lines(std::string(" Zugtragfähigkeit einer Schraube:  F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r = "_cp) +
                              (edition == 0 ? "123.38 kN,  k╬\\2╬r = 0.63"_cp : "176.26 kN,  k╬\\2╬r = 0.90"_cp) +
                              " (Senkschraube),  f╬\\ub╬r = 1000.0 N/mm²\n"_cp))
            << edition;
    }
    // The fracture resistance of the T-stub takes k_2 = 1.0; γ = 1 gives the characteristic value.
    const Fastener& F = C.fastener;
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(Compute_Fastener_Tension_Resistance(&F, 1, 1.0, 0.0, s, 2), 244800.0, 0.01); }),
              Lines(" F╬\\t,Rk╬r = f╬\\ub╬r╬/.╬rA╬\\s╬r = 244.80 kN (Bruchversagen),  f╬\\ub╬r = 1000.0 N/mm²\n"_cp));
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Fastener_Tension_Resistance(&F, 0, 1.25, 0.0, s, 0); }),
              Lines(" F╬\\t,Rd╬r = 176.26 kN\n"_cp));
}

// A preloaded slip-resistant bolt carries at most its design preload F_p,Cd = F_p,C/γM7
// (0.7·1000·244.8/1.1 = 155781.8 N), or a given preload divided by γM7 (150/1.1 = 136.4 kN).
TEST_F(Tension, PreloadCapWithGammaM7) {
    Use_Recommended_Rules(0);
    auto preloaded = [](Fastener& f) { f.large_width = f.slip_resistant = 1; };
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_10_9, preloaded);
    ASSERT_TRUE(C.fastener.preloaded);
    EXPECT_EQ(Run(C, 1), Lines(" Zugtragfähigkeit einer Schraube F╬\\t,Rd╬r = F╬\\p,Cd╬r = 0.7╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r / └╬\\M7╬r"
                               " = 155.8 kN\n"_cp));
    EXPECT_NEAR(C.results.F_t_Rd, 0.7 * 1000 * 244.8 / 1.1, 1e-6);
    C.fastener.F_pC_given = 150000.0;
    EXPECT_EQ(Run(C, 1), Lines(" Zugtragfähigkeit einer Schraube F╬\\t,Rd╬r = F╬\\p,Cd╬r = F╬\\p,C╬r / └╬\\M7╬r = 136.4 kN\n"_cp));
    EXPECT_NEAR(C.results.F_t_Rd, 150000.0 / 1.1, 1e-6);
    // Without γM7 there is no cap; neither is there for a bolt that is not slip-resistant.
    factors.gamma_M[Gamma_M7] = 0.0;
    Run(C, 0);
    EXPECT_NEAR(C.results.F_t_Rd, 176256.0, 0.01);
    factors.gamma_M[Gamma_M7] = 1.1;
    C.fastener.slip_resistant = 0;
    Run(C, 0);
    EXPECT_NEAR(C.results.F_t_Rd, 176256.0, 0.01);
}

// Rivet d_0 21 mm of f_ur 370: 0.6·370·π·21²/4/1.25 = 61513.6 N; a countersunk rivet (edition 1)
// takes 0.7 of it: 43059.5 N.
TEST_F(Tension, Rivets) {
    Use_Recommended_Rules(1);
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    C.fastener.type = Fastener_Rivet;
    C.fastener.material_index = Fastener_Material_Table_1;
    C.fastener.d_0 = 21.0;
    C.fastener.countersunk = 1;
    C.fastener.t_ks = 4.0;
    Derive_Fastener_Data(&C.fastener, nullptr, 0);
    C.plate_1 = C.plate_2 = Test_Plate(10.0);
    Prepare_Bolt_Check(&C, 0, 1, &factors);
    EXPECT_EQ(Run(C, 2), Lines(" Zugtragfähigkeit eines Niets:  F╬\\t,Rd╬r = (0.7╬/.╬r0.6╬/.╬rf╬\\ur╬r╬/.╬rA╬\\0╬r) / └╬\\M2╬r"
                               " = 43.06 kN (Senkniet),  f╬\\ur╬r = 370.0 N/mm²,  A╬\\0╬r = 346.4 mm²\n"_cp));
    C.fastener.countersunk = 0;
    Run(C, 0);
    EXPECT_NEAR(C.results.F_t_Rd, 0.6 * 370 * std::numbers::pi * 21 * 21 / 4 / 1.25, 1e-6);
    // Injection bolts and pins have no tension resistance here.
    C.fastener.type = Fastener_Injection_Bolt;
    C.results.F_t_Rd = 3.0;
    EXPECT_EQ(Run(C, 2), "");
    EXPECT_EQ(C.results.F_t_Rd, 3.0);
}

// Bond of a B500B rod d 20, ℓ_e 400 mm in C25/30 (EN 1992-1-1 8.4.2, poor bond): f_ctm = 0.3·25^2/3
// = 2.565, f_ctd = 0.7·2.565/1.5 = 1.197, f_bd = 2.25·0.7·1.197 = 1.885 N/mm²; F_bd = 400·244.8·1.885
// ·4/20 = 36920.7 N, below the steel 0.9·525·244.8/1.25 = 92534.4 N.
TEST_F(Tension, RebarAnchorLimitedByBond) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Rebar_Anchor(8);
    EXPECT_EQ(Run(C, 2),
              Lines(" Zugtragfähigkeit einer Schraube:  F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r = 92.53 kN,"
                    "  k╬\\2╬r = 0.90,  f╬\\ub╬r = 525.0 N/mm²\n"
                    " Ankerschraube aus Rundstahl ohne Eignungsprüfungen:  F╬\\t,Rd╬r╬/.╬r0.85 = 78.65 kN\n"
                    " Verbundtragfähigkeit einer Ankerschraube:  F╬\\bd╬r = úe╬/.╬rAs╬/.╬rf╬\\bd╬r╬/.╬r4/d = 36.92 kN,"
                    "  úe = 400.0 mm\n"
                    "   Verbundfestigkeit f╬\\bd╬r = 2.25╬/.╬r┴╬\\1╬r╬/.╬r┴╬\\2╬r╬/.╬rf╬\\ctd╬r = 1.89 N/mm²,"
                    " ┴╬\\1╬r = 0.7 (mäßiger Verbund), ┴╬\\2╬r = 1.0,  f╬\\ctd╬r = 1.20 N/mm²\n"
                    " Zugtragfähigkeit einer Ankerschraube für F╬\\bd╬r < F╬\\t,Rd╬r: F╬\\t,Rd╬r = 36.92 kN\n"_cp));
    EXPECT_NEAR(C.results.F_t_Rd, 36920.71, 0.01);
    EXPECT_EQ(Run(C, 1),
              Lines(" Zugtragfähigkeit einer Schraube F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r = 92.53 kN,"
                    "  k╬\\2╬r = 0.90\n"
                    " Ankerschraube aus Rundstahl ohne Eignungsprüfungen:  F╬\\t,Rd╬r╬/.╬r0.85 = 78.65 kN\n"
                    " Verbundtragfähigkeit einer Ankerschraube F╬\\bd╬r = úe╬/.╬rAs╬/.╬rf╬\\bd╬r╬/.╬r4/d = 36.92 kN,"
                    "  f╬\\bd╬r = 1.89 N/mm²\n"
                    " Zugtragfähigkeit einer Ankerschraube für F╬\\bd╬r < F╬\\t,Rd╬r: F╬\\t,Rd╬r = 36.92 kN\n"_cp));
    // f_ck above 60 N/mm² counts as 60.
    Bolt_Connection C60 = Rebar_Anchor(30, 60.0), C80 = Rebar_Anchor(30, 80.0), C50 = Rebar_Anchor(30, 50.0);
    Run(C60, 0);
    Run(C80, 0);
    Run(C50, 0);
    EXPECT_EQ(C80.results.F_t_Rd, C60.results.F_t_Rd);
    EXPECT_LT(C50.results.F_t_Rd, C60.results.F_t_Rd);
    // Without γ_c the bond cannot be determined.
    NAD_Get_EC2()->gamma_c[0] = 0.0;
    EXPECT_EQ(Run(C, 1, 1).find(" F╬\\bd╬r nicht ermittelbar "_cp + Error_Mark + "\n") != std::string::npos, true);
    EXPECT_EQ(C.results.F_t_Rd, -1.0);
}

// EN 1993-1-8 Table 6.2: M16, t_ges 30 mm, normal set with one washer: L_b = 30 + 3 + (10 + 15.9)/2
// = 45.95 mm; the preloadable set with washers on both sides: 30 + 2·4 + (10 + 14.8)/2 = 50.4 mm.
TEST(Compute_Bolt_Elongation_Length, BoltsAnchorsAndCountersunkBolts) {
    Use_Recommended_Rules(0);
    const Fastener normal = Test_Bolt_Joint(Size_M16, Bolt_Class_8_8).fastener;
    EXPECT_NEAR(Compute_Bolt_Elongation_Length(&normal, 30.0, nullptr, 2), 45.95, 1e-9);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Bolt_Elongation_Length(&normal, 30.03, s, 2); }),
              Lines(" Dehnlänge einer Schraube L╬\\b╬r = t╬\\ges╬r + t╬\\p╬r + (t╬\\k╬r+t╬\\m╬r)/2 = 46.0 mm,"
                    "  t╬\\ges╬r = 30.0 mm\n"_cp));
    const Fastener hv = Test_Bolt_Joint(Size_M16, Bolt_Class_10_9, [](Fastener& f) { f.large_width = 1; }).fastener;
    ASSERT_EQ(hv.washer_sides, 2);
    EXPECT_NEAR(Compute_Bolt_Elongation_Length(&hv, 30.0, nullptr, 0), 50.4, 1e-9);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Bolt_Elongation_Length(&hv, 30.0, s, 1); }),
              Lines(" L╬\\b╬r = t╬\\ges╬r + 2╬/.╬rt╬\\p╬r + (t╬\\k╬r+t╬\\m╬r)/2 = 50.4 mm,  t╬\\ges╬r = 30.0 mm\n"_cp));
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Bolt_Elongation_Length(&hv, 30.0, s, 0); }), "");

    // Anchor M20 (nuts t_k = t_m = 19, washer 3): 8·20 + 50 + 3 + 9.5 = 222.5 mm.
    Fastener anchor = normal;
    Init_Fastener(&anchor);
    anchor.type = Fastener_Anchor_Bolt;
    anchor.size_index = Bolt_Size_M20;
    anchor.material_index = Fastener_Material_Table_1;
    anchor.l_e = 200.0;
    Derive_Fastener_Data(&anchor, nullptr, 0);
    EXPECT_NEAR(Compute_Bolt_Elongation_Length(&anchor, 50.0, nullptr, 0), 222.5, 1e-9);
    // Countersunk head (t_k,s 5 mm): the head adds nothing, the nut side t_p + t_m/2 = 3 + 9.5.
    const Fastener countersunk = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) {
        f.countersunk = 1;
        f.t_ks = 5.0;
    }).fastener;
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) {
                  EXPECT_NEAR(Compute_Bolt_Elongation_Length(&countersunk, 30.0, s, 2), 42.5, 1e-9);
              }),
              Lines(" Dehnlänge einer Senkschraube L╬\\b╬r = t╬\\ges╬r + t╬\\p╬r + t╬\\m╬r/2 = 42.5 mm,  t╬\\ges╬r = 30.0 mm\n"_cp));
}

// EN 1993-1-8 Table 3.4: B_p,Rd = 0.6 π d_m t_p f_u / γM2; M20 normal set d_m = (30 + 32.95)/2
// = 31.475 mm in 10 mm S235: 170867.5 N. A countersunk bolt under edition 1 punches with its hole:
// 0.3 π (22 + 10)·10·360/1.25 = 86858.8 N.
TEST_F(Tension, Punching) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_8_8);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_EQ(Compute_Punching_Resistance(&C, s, 2), 0); }),
              Lines(" Durchstanztragfähigkeit einer Schraube:  B╬\\p,Rd╬r = (0.6╬/.╬r╔╬/.╬rd╬\\m╬r╬/.╬rt╬\\p╬r╬/.╬rf╬\\u╬r))"
                    " / └╬\\M2╬r = 170.87 kN,  d╬\\m╬r = 31.5 mm,  t╬\\p╬r = 10.0 mm\n"_cp));
    EXPECT_NEAR(C.results.B_p_Rd, 170867.45, 0.01);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Punching_Resistance(&C, s, 0); }),
              Lines(" B╬\\p,Rd╬r = 170.87 kN\n"_cp));
    // The thinner plate punches in single shear; plate 2 in double shear.
    C.plate_1 = Test_Plate(8.0);
    Compute_Punching_Resistance(&C, nullptr, 0);
    EXPECT_NEAR(C.results.B_p_Rd, 170867.45 * 0.8, 0.01);
    C.shear_planes = 2;
    Compute_Punching_Resistance(&C, nullptr, 0);
    EXPECT_NEAR(C.results.B_p_Rd, 170867.45, 0.01);

    Use_Recommended_Rules(1);
    Bolt_Connection K = Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) {
        f.countersunk = 1;
        f.t_ks = 5.0;
    });
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Punching_Resistance(&K, s, 2); }),
              Lines(" Durchstanztragfähigkeit einer Schraube:  B╬\\p,Rd╬r = (0.3╬/.╬r╔╬/.╬r(d╬\\0╬r+t╬\\p╬r)╬/.╬rt╬\\p╬r╬/.╬rf╬\\u╬r))"
                    " / └╬\\M2╬r = 86.86 kN,  d╬\\0╬r = 22.0 mm,  t╬\\p╬r = 10.0 mm\n"_cp));
    // No punching of anchors and ordinary rivets: nothing stored.
    C.fastener.type = Fastener_Anchor_Bolt;
    C.results.B_p_Rd = 2.0;
    EXPECT_EQ(Compute_Punching_Resistance(&C, nullptr, 2), 0);
    EXPECT_EQ(C.results.B_p_Rd, 2.0);
    C.fastener.type = Fastener_Bolt;
    factors.gamma_M[Gamma_M2] = 0.0;
    EXPECT_EQ(Compute_Punching_Resistance(&K, nullptr, 2), 1);
    EXPECT_EQ(K.results.B_p_Rd, -1.0);
}

// Minimum thread engagement in a tapped plate. Edition 1 (L_t/d table): 10.9 in S235 d 20: 31.6 mm;
// 8.8 in S420: 21.2 mm; 6.8 refused. Edition 0: 8.8 d 16 in f_u 490: 16·600/490·(0.3 + 0.4·1.6)
// = 18.42 mm.
TEST(Check_Tapped_Hole, MinimumEngagement) {
    struct Case {
        int edition, size, strength_class, grade;
        double l_e;
        int level, result;
        const char* lines;
    };
    const Case cases[] = {
        {1, Bolt_Size_M20, Bolt_Class_10_9, 0, 35.0, 2, 0,
         " min úe = d╬/.╬rL╬\\t╬r/d = 31.60 mm  <  úe = 35.0 mm  ╬{C 1 165 75 165}ok╬{C 768}╬r, d = 20.0 mm, L╬\\t╬r/d = 1.58\n"_cp},
        {1, Bolt_Size_M20, Bolt_Class_10_9, 0, 30.0, 0, 1,
         " min úe = 31.60 mm  >  úe = 30.0 mm  ╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}\n"_cp},
        {1, Bolt_Size_M20, Bolt_Class_10_9, 0, 31.595, 1, 0,   // short by less than 0.01: shown as the minimum
         " min úe = d╬/.╬rL╬\\t╬r/d = 31.60 mm  ≤  úe = 31.6 mm  ╬{C 1 165 75 165}ok╬{C 768}\n"_cp},
        {1, Bolt_Size_M20, Bolt_Class_8_8, 6, 25.0, 1, 0,
         " min úe = d╬/.╬rL╬\\t╬r/d = 21.20 mm  <  úe = 25.0 mm  ╬{C 1 165 75 165}ok╬{C 768}\n"_cp},
        {1, Bolt_Size_M20, Bolt_Class_6_8, 0, 35.0, 2, 1,
         " SSchraubenfestigkeit nicht zugelassen ╬{C 1 230 0 0}╬H!!╬{C 768}\n"_cp},
        {1, Size_M10, Bolt_Class_8_8, 0, 35.0, 2, 1,
         " Schraubegröße nicht zugelassen 10.0 mm < 12 mm ╬{C 1 230 0 0}╬H!!╬{C 768}\n"_cp},
        {1, Bolt_Size_M20, Bolt_Class_8_8, 3, 35.0, 2, 1,   // S450 is not in the table
         " Stahlsorte nicht zugelassen ╬{C 1 230 0 0}╬H!!╬{C 768}\n"_cp},
        {0, Size_M16, Bolt_Class_8_8, 2, 20.0, 2, 0,
         " min úe = d╬/.╬r600/f╬\\u╬r╬/.╬r(0.3+0.4╬/.╬rf╬\\ub╬r/500) = 18.42 mm  <  úe = 20.0 mm  ╬{C 1 165 75 165}ok╬{C 768}"
         "╬r, d = 16.0 mm, f╬\\u╬r = 490.0 N/mm², f╬\\ub╬r = 800.0 N/mm²\n"_cp},
        {0, Size_M16, Bolt_Class_4_6, 2, 20.0, 2, 1,
         " Festigkeiten f╬\\u╬r = 490.0 N/mm² > f╬\\ub╬r = 400.0 N/mm² nicht zugelassen ╬{C 1 230 0 0}╬H!!╬{C 768}\n"_cp},
    };
    for (const Case& c : cases) {
        Use_Recommended_Rules(c.edition);
        Bolt_Connection C = Test_Bolt_Joint(c.size, c.strength_class, [](Fastener& f) { f.tapped_hole = 1; });
        C.fastener.l_e = c.l_e;
        C.plate_2 = Test_Plate(40.0, c.grade);
        int result = -1;
        EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { result = Check_Tapped_Hole(&C.plate_2, &C, s, c.level); }), Lines(c.lines))
            << c.edition << " " << c.strength_class << " " << c.l_e;
        EXPECT_EQ(result, c.result) << c.edition << " " << c.strength_class << " " << c.l_e;
        EXPECT_EQ(Check_Tapped_Hole(&C.plate_2, &C, nullptr, c.level), c.result);
    }
}

// A γM2 below 0.001 leaves the tension resistance not determinable; so does γ_c for the pull-out
// of an anchor plate.
TEST_F(Tension, PartialFactorsBelowTheLimit) {
    Use_Recommended_Rules(0);
    factors.gamma_M[Gamma_M2] = 0.0005;
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_10_9);
    EXPECT_EQ(Run(C, 1, 1), Lines(" Zugtragfähigkeit einer Schraube F╬\\t,Rd╬r nicht ermittelbar "_cp + Error_Mark + "\n"));
    EXPECT_EQ(C.results.F_t_Rd, -1.0);
    EXPECT_EQ(Compute_Fastener_Tension_Resistance(&C.fastener, 1, 0.0, 0.0, nullptr, 0), -1.0);

    factors.gamma_M[Gamma_M2] = 1.25;
    Bolt_Connection A = Rebar_Anchor(8);
    A.fastener.anchorage = Anchorage_Anchor_Plate;
    NAD_Get_EC2()->gamma_c[0] = 0.0;
    EXPECT_NE(Run(A, 1, 1).find(" N╬\\Rd,p╬r nicht ermittelbar "_cp + Error_Mark + "\n"), std::string::npos);
    EXPECT_EQ(A.results.F_t_Rd, -1.0);
}
