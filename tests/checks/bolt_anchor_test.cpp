#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "annex/annex_record.h"
#include "annex/ec2_country_sets.h"
#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "checks/concrete_grade.h"
#include "frame/code_edition.h"

namespace {

std::string Lines(const std::string& lines) { return Para_Head + lines + Para_End; }

// An anchor of the anchorage with h_ef = ℓ_e in concrete of the class (or an own f_ck), member
// thickness h.
Bolt_Connection Anchor(int anchorage, double l_e, int concrete_class, double own_f_ck = 0.0, double h = 400.0) {
    return Test_Anchor_Joint(
        concrete_class,
        [&](Fastener& f) {
            f.anchorage = anchorage;
            f.l_e = l_e;
        },
        own_f_ck, h);
}

}  // namespace

// EN 1992-4 7.2.1.4, a single anchor: N_Rk,c = k_1 √f_ck h_ef^1.5 with k_1 = 7.7 for threaded rods and
// ribbed bars, 8.9 otherwise. C25/30, h_ef 200: 7.7·5·2828.43 = 108894.4 N; 8.9: 125865.0 N.
TEST(Compute_Concrete_Cone_Resistance, SingleAnchor) {
    Use_Recommended_Rules(0);
    const Bolt_Connection rod = Anchor(Anchorage_Threaded_Rod, 200.0, 8);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(Compute_Concrete_Cone_Resistance(&rod, 0, s, 2), 108894.44, 0.01); }),
              Lines(" Widerstand gegen kegelförmigen Betonausbruch:  N╬\\Rk,c╬r = N╬\\Rk,c╬/0╬r╬/.╬rA╬\\c,N╬r/(1╬/.╬rA╬\\c,N╬/0╬r)"
                    "╬/.╬r╥╬\\s,N╬r╬/.╬r╥╬\\re,N╬r╬/.╬r╥╬\\ec,N╬r╬/.╬r╥╬\\M,N╬r = 108.89 kN\n"
                    "   ╥╬\\s,N╬r = 1.0,  ╥╬\\re,N╬r = 1.0,  ╥╬\\ec,N╬r = 1.0,  ╥╬\\M,N╬r = 1.0,  A╬\\c,N╬r/(1╬/.╬rA╬\\c,N╬/0╬r) = 1.000\n"
                    "   N╬\\Rk,c╬/0╬r = k╬\\1╬r╬/.╬rf╬\\ck╬/1/2╬r╬/.╬rh╬\\ef╬/3/2╬r = 108.89 kN,  k╬\\1╬r = 7.7,"
                    "  f╬\\ck╬r = 25.0 N/mm²,  h╬\\ef╬r = 200.0 mm\n"_cp));
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Concrete_Cone_Resistance(&rod, 0, s, 1); }),
              Lines(" Widerstand gegen kegelförmigen Betonausbruch N╬\\Rk,c╬r = N╬\\Rk,c╬/0╬r╬/.╬rA╬\\c,N╬r/(1╬/.╬rA╬\\c,N╬/0╬r)"
                    "╬/.╬r╥╬\\s,N╬r╬/.╬r╥╬\\re,N╬r╬/.╬r╥╬\\ec,N╬r╬/.╬r╥╬\\M,N╬r = 108.89 kN\n"
                    "   ╥╬\\s,N╬r = 1.0,  ╥╬\\re,N╬r = 1.0,  ╥╬\\ec,N╬r = 1.0,  ╥╬\\M,N╬r = 1.0,  A╬\\c,N╬r/(1╬/.╬rA╬\\c,N╬/0╬r) = 1.000,"
                    "  N╬\\Rk,c╬/0╬r = 108.89 kN\n"_cp));
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Concrete_Cone_Resistance(&rod, 0, s, 0); }),
              Lines(" N╬\\Rk,c╬r = 108.89 kN,  A╬\\c,N╬r/(1╬/.╬rA╬\\c,N╬/0╬r) = 1.000\n"_cp));
    const Bolt_Connection plate = Anchor(Anchorage_Anchor_Plate, 200.0, 8);
    EXPECT_NEAR(Compute_Concrete_Cone_Resistance(&plate, 0, nullptr, 0), 125865.01, 0.01);
    // f_ck above 60 counts as 60: 7.7·√60·2828.43 = 168698.5 N.
    for (double f_ck : {60.0, 80.0}) {
        const Bolt_Connection strong = Anchor(Anchorage_Threaded_Rod, 200.0, 30, f_ck);
        EXPECT_NEAR(Compute_Concrete_Cone_Resistance(&strong, 0, nullptr, 0), 168698.55, 0.01) << f_ck;
    }
    // Other fasteners and an unknown mode give 0.
    Bolt_Connection bolt = rod;
    bolt.fastener.type = Fastener_Bolt;
    EXPECT_EQ(Compute_Concrete_Cone_Resistance(&bolt, 0, nullptr, 0), 0.0);
    EXPECT_EQ(Compute_Concrete_Cone_Resistance(&rod, 2, nullptr, 0), 0.0);
    EXPECT_EQ(Compute_Concrete_Cone_Resistance(nullptr, 0, nullptr, 0), 0.0);
}

// EN 1992-4 7.2.1.6 for a bonded anchor (anchorage 2), h 300 (k = 1 + √(200/300) = 1.8165), d 20,
// h_ef 150, C25/30: τ_Rk = 0.8·0.0525·k·√(25 k) = 0.5141, N⁰_Rk,p = π·20·150·0.5141 = 4845.5 N. With
// p_1 = p_2 = 50 mm: τ_Rk,20 = 0.5748, s_cr = 7.3·20·√(0.8·0.5748) = 99.0 mm, τ_Rk,c = 7.7/π/20
// ·√(150·25) = 7.505, ψ⁰_g = √2 - (√2 - 1)(0.5748/7.505)^1.5 = 1.4054, ψ_g = 1.4054 + √(50/99.0)
// ·(1 - 1.4054) = 1.1173, N_Rk,p = 5414.0 N.
TEST(Compute_Concrete_Cone_Resistance, BondedAnchor) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Anchor(2, 150.0, 8, 0.0, 300.0);
    EXPECT_NEAR(Compute_Concrete_Cone_Resistance(&C, 1, nullptr, 2), 4845.54, 0.01);
    C.p_1 = 60.0;   // one spacing: no group factor
    EXPECT_NEAR(Compute_Concrete_Cone_Resistance(&C, 1, nullptr, 2), 4845.54, 0.01);
    C.p_1 = C.p_2 = 50.0;
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(Compute_Concrete_Cone_Resistance(&C, 1, s, 2), 5413.99, 0.01); }), "");
    for (int anchorage : {Anchorage_Threaded_Rod, Anchorage_Anchor_Plate}) {
        C.fastener.anchorage = anchorage;
        EXPECT_EQ(Compute_Concrete_Cone_Resistance(&C, 1, nullptr, 2), 0.0);
    }
    // Without a v_min factor (as in the German annex) the bond strength is 0.
    NAD_Set_EC2_Country_Defaults(0, NAD_Get_EC2());
    ASSERT_EQ(NAD_Get_EC2()->v_min, 0.0);
    C.fastener.anchorage = 2;
    EXPECT_EQ(Compute_Concrete_Cone_Resistance(&C, 1, nullptr, 2), 0.0);
}

// EN 1992-1-1 6.2.2 without reinforcement: v_min = 0.0525/γ_c k^1.5 f_ck^0.5, taken γ_c times.
TEST(Compute_Concrete_Shear_Strength, FromTheAnnex) {
    Use_Recommended_Rules(0);
    EXPECT_NEAR(Compute_Concrete_Shear_Strength(150.0, 25.0), 0.0525 * 2.0 * std::sqrt(50.0), 1e-12);   // k 2.0
    EXPECT_NEAR(Compute_Concrete_Shear_Strength(800.0, 25.0), 0.0525 * 1.5 * std::sqrt(37.5), 1e-12);   // k 1.5
    // The form 1 takes the factor as v_min itself: γ_c·0.035 = 0.0525.
    NAD_Get_EC2()->v_min = 0.035;
    NAD_Get_EC2()->v_min_form = 1;
    EXPECT_NEAR(Compute_Concrete_Shear_Strength(800.0, 25.0), 0.0525, 1e-12);
    NAD_Get_EC2()->v_min = 0.0;
    NAD_Get_EC2()->v_min_form = 2;
    EXPECT_EQ(Compute_Concrete_Shear_Strength(800.0, 25.0), 0.0);
    // A partial factor of 0 cancels out of the characteristic strength.
    NAD_Get_EC2()->v_min = 0.0525;
    NAD_Get_EC2()->gamma_c[0] = 0.0;
    EXPECT_NEAR(Compute_Concrete_Shear_Strength(150.0, 25.0), 0.0525 * 2.0 * std::sqrt(50.0), 1e-12);
}
