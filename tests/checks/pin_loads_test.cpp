#include <gtest/gtest.h>

#include "checks/pin_resistances.h"
#include "checks/pin_test_support.h"

namespace {

struct Pin_Loads : ::testing::Test {
    Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C = Test_Pin_Joint(&factors);

    std::string Line(int situation, int serviceability, bool moment, bool shear, int level) {
        return Paragraph_Or_Empty([&](FILE* s) {
            double M = 0.0, V = 0.0;
            Compute_Pin_Moment_And_Shear(&C, situation, serviceability, moment ? &M : nullptr, shear ? &V : nullptr, s,
                                         level);
        });
    }
};

}  // namespace

// EN 1993-1-8 Table 3.10 with F 200 kN, t1 20, t2 12, Δt 2 mm: Code_Edition 0 M = F (t1 + 4Δt + 2t2)/8
// = 200000·6.5 N·mm = 1300 N·m, V = F. Code_Edition 1 with β = 40/72: situation 1 M = 1300 N·m,
// V = 0; 2: M = F (t2 + 2Δt)/4 = 800 N·m, V = F/2; 3: M = β F t2/2 = 666.67 N·m, V = β F = 111111 N;
// 4: M = (1 - β) F (t2 + 4Δt)/2 = 888.89 N·m, V = (1 - β) F = 88889 N.
TEST_F(Pin_Loads, MomentAndShearOfTheSituations) {
    struct Case {
        int edition, situation;
        double M, V;
    };
    const Case cases[] = {
        {0, 0, 1300.0, 200000.0},   {0, 3, 1300.0, 200000.0},   {1, 0, 1300.0, 0.0},
        {1, 1, 800.0, 100000.0},    {1, 2, 666.6667, 111111.1}, {1, 3, 888.8889, 88888.9},
        {1, 4, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        Use_Recommended_Rules(c.edition);
        double M = -5.0, V = -5.0;
        Compute_Pin_Moment_And_Shear(&C, c.situation, 0, &M, &V, nullptr, 0);
        EXPECT_NEAR(M, c.M, 1e-3) << c.edition << " " << c.situation;
        EXPECT_NEAR(V, c.V, 0.1) << c.edition << " " << c.situation;
    }
    EXPECT_NEAR(Pin_Beta(C), 40.0 / 72.0, 1e-12);

    // The service force F_Ed,ser 150 kN: 975 N·m.
    Use_Recommended_Rules(0);
    double M = 0.0;
    Compute_Pin_Moment_And_Shear(&C, 0, 1, &M, nullptr, nullptr, 0);
    EXPECT_NEAR(M, 975.0, 1e-9);

    // A negative lever arm writes nothing.
    C.delta_t = -20.0;
    M = 7.0;
    double V = 7.0;
    Compute_Pin_Moment_And_Shear(&C, 0, 0, &M, &V, nullptr, 0);
    EXPECT_EQ(M, 7.0);
    EXPECT_EQ(V, 7.0);
}

TEST_F(Pin_Loads, FormulaLines) {
    Use_Recommended_Rules(0);
    EXPECT_EQ(Line(0, 0, true, true, 0), "");
    EXPECT_EQ(Line(0, 0, true, false, 1),
              Pin_Lines(" Biegemoment M╬\\Ed╬r = F╬\\Ed╬r ╬/.╬r (t╬\\1╬r+4╬/.╬rút+2╬/.╬rt╬\\2╬r)/8 = 1.30 kNm\n"_cp));
    EXPECT_EQ(Line(0, 1, true, false, 2),
              Pin_Lines(" Biegemoment:  M╬\\Ed,ser╬r = F╬\\Ed,ser╬r ╬/.╬r (t╬\\1╬r+4╬/.╬rút+2╬/.╬rt╬\\2╬r)/8 = 0.97 kNm,"
                        " t╬\\1╬r = 20.0 mm, t╬\\2╬r = 12.0 mm, út = 2.0 mm\n"_cp));
    EXPECT_EQ(Line(0, 0, false, true, 1), Pin_Lines(" Scherkraft F╬\\v,Ed╬r = F╬\\Ed╬r = 200.00 kN\n"_cp));

    Use_Recommended_Rules(1);
    // Situation 1 puts its moment and its shear of 0 on two lines.
    EXPECT_EQ(Line(0, 0, true, true, 2),
              Pin_Lines(" Biegemoment:  M╬\\Ed╬r = F╬\\Ed╬r╬/.╬r(t╬\\1╬r+4╬/.╬rút+2╬/.╬rt╬\\2╬r)/8 = 1.30 kNm,"
                        " t╬\\1╬r = 20.0 mm, t╬\\2╬r = 12.0 mm, út = 2.0 mm\n"
                        " Scherkraft:  F╬\\v,Ed╬r = 0\n"_cp));
    EXPECT_EQ(Line(1, 0, true, true, 2),
              Pin_Lines(" Biegemoment:  M╬\\Ed╬r = F╬\\Ed╬r ╬/.╬r (2╬/.╬rút+t╬\\2╬r)/4 = 0.80 kNm, Scherkraft:  F╬\\v,Ed╬r ="
                        " F╬\\Ed╬r/2 = 100.00 kN, t╬\\2╬r = 12.0 mm, út = 2.0 mm\n"_cp));
    EXPECT_EQ(Line(2, 0, false, true, 1),
              Pin_Lines(" Scherkraft F╬\\v,Ed╬r = ║╬/.╬rF╬\\Ed╬r = 111.11 kN, ║ = 0.556\n"_cp));
    EXPECT_EQ(Line(3, 1, true, false, 2),
              Pin_Lines(" Biegemoment:  M╬\\Ed,ser╬r = (1-║)╬/.╬rF╬\\Ed,ser╬r ╬/.╬r (t╬\\2╬r+4╬/.╬rút)/2 = 0.67 kNm, ║ = 0.556,"
                        " t╬\\2╬r = 12.0 mm\n"_cp));
    EXPECT_EQ(Line(5, 0, true, true, 2), "");
}

// The force on one eye bar 2: F_Ed/2 under Code_Edition 0, β F_Ed under Code_Edition 1.
TEST_F(Pin_Loads, OuterEyeBarForce) {
    Use_Recommended_Rules(0);
    double F = 0.0;
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { F = Compute_Outer_Eye_Bar_Force(&C, 0, s, 2); }),
              Pin_Lines(" Scherkraft:  F╬\\b,Ed╬r = 0.500╬/.╬rF╬\\Ed╬r = 100.00 kN\n"_cp));
    EXPECT_DOUBLE_EQ(F, 100000.0);
    Use_Recommended_Rules(1);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { F = Compute_Outer_Eye_Bar_Force(&C, 1, s, 1); }),
              Pin_Lines(" Scherkraft F╬\\b,Ed,ser╬r = 0.556╬/.╬rF╬\\Ed,ser╬r = 83.33 kN\n"_cp));
    EXPECT_NEAR(F, 150000.0 * 40.0 / 72.0, 1e-9);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Outer_Eye_Bar_Force(&C, 0, s, 0); }), "");
}
