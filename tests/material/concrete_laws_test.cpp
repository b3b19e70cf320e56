// Parameters of the concrete stress-strain laws; expected values worked by hand from EN 1992-1-1
// Tables 3.1 and 11.3.1 and from the class table.
#include "material/concrete_laws.h"

#include <gtest/gtest.h>

namespace {

struct Law_Case {
    Concrete_Modulus_Rule rule;
    Concrete_Class cls;
    double f_ck, density;
    double peak, ultimate;
};

void Expect_Law(double (*law)(Concrete_Modulus_Rule, Concrete_Class, double, double, double*),
                const Law_Case& c) {
    SCOPED_TRACE(testing::Message() << "rule " << c.rule << " class " << c.cls << " f_ck " << c.f_ck
                                    << " density " << c.density);
    double ultimate = 0;
    EXPECT_NEAR(law(c.rule, c.cls, c.f_ck, c.density, &ultimate), c.peak, 5e-7);
    EXPECT_NEAR(ultimate, c.ultimate, 5e-7);
}

TEST(ConcreteLaws, ParabolaRectangle) {
    const Law_Case cases[] = {
        {4, 9, 30, 2200, -2.0, -3.5},
        {4, 9, 30, 1800, -2.0, -3.118182},        // 3.5 η₁, η₁ = 0.4 + 0.6 · 1800 / 2200
        {4, 15, 60, 2200, -2.288018, -2.8835},    // 2 + 0.085 · 10^0.53; 2.6 + 35 · 0.3^4
        {-1, 18, 90, 2200, -2.6, -2.6},           // 2.6005 capped at 2.6
        {0, 9, 30, 1800, -2.0, -3.5},
        {1, 15, 60, 2200, -2.06, -2.7},           // the class table
        {1, 30, 60, 2200, -2.06, -2.7},           // own values: the row of f_ck 60
        {1, 30, 120, 2200, -2.0, -3.5},           // beyond the table
        {1, 3, 30, 2200, -2.0, -3.5},
        {1, 9, 30, 1800, -2.0, -3.118182},        // lightweight: the smaller magnitude
    };
    for (const Law_Case& c : cases) Expect_Law(Get_Parabola_Rectangle_Strains, c);

    EXPECT_NEAR(Get_Parabola_Exponent(4, 16, 70), 1.43744, 1e-12);   // 1.4 + 23.4 · 0.2^4
    EXPECT_NEAR(Get_Parabola_Exponent(4, 15, 60), 1.58954, 1e-12);
    EXPECT_EQ(Get_Parabola_Exponent(4, 9, 30), 2.0);
    EXPECT_EQ(Get_Parabola_Exponent(1, 16, 70), 1.8);
    EXPECT_EQ(Get_Parabola_Exponent(3, 30, 90), 1.6);
    EXPECT_EQ(Get_Parabola_Exponent(3, 30, 150), 2.0);
    EXPECT_EQ(Get_Parabola_Exponent(0, 16, 70), 2.0);
}

TEST(ConcreteLaws, Bilinear) {
    const Law_Case cases[] = {
        {4, 9, 30, 2200, -1.75, -3.5},
        {4, 9, 30, 1800, -1.75, -3.118182},
        {4, 16, 70, 2200, -2.025, -2.656},        // 1.75 + 0.01375 · 20; 2.6 + 35 · 0.2^4
        {4, 19, 100, 2200, -2.4, -2.6035},        // 2.6 + 35 · 0.1^4
        {0, 9, 30, 2200, -1.35, -3.5},
        {1, 15, 60, 2200, -1.4, -2.7},
        {1, 2, 30, 2200, -1.35, -3.5},
        {1, 30, 200, 2200, -2.0, -3.5},
    };
    for (const Law_Case& c : cases) Expect_Law(Get_Bilinear_Strains, c);
}

TEST(ConcreteLaws, NonLinearAndItsFactorK) {
    const Law_Case cases[] = {
        {4, 9, 30, 2200, -2.161877, -3.5},        // -0.7 · 38^0.31
        {4, 17, 80, 2200, -2.8, -2.8027},         // capped; 2.8 + 27 · 0.1^4
        {4, 7, 20, 1800, -1.396009, -1.396009},   // -1000 · 28 / (22000 · 2.8^0.3 · (1800/2200)²)
        {0, 9, 30, 1800, -2.0, -3.5},
        {1, 15, 60, 2200, -2.7, -3.3},
        {1, 30, 200, 2200, -2.0, -3.5},
        {3, -1, 30, 1800, -2.0, -3.5},            // lightweight without a modulus: no division by 0
    };
    for (const Law_Case& c : cases) Expect_Law(Get_Nonlinear_Law_Strains, c);

    // k = 1.05 E_cm |ε_c1| / f_cm with E_cm = 22000 · 3.8^0.3 = 32836.57.
    const double e_cm = Compute_Concrete_Ecm(4, 9, 30, 2200, nullptr);
    EXPECT_NEAR(e_cm, 32836.57, 0.005);
    EXPECT_NEAR(Compute_Nonlinear_Law_K(4, 38, e_cm, -2.161877), 1.961528, 5e-7);
    EXPECT_EQ(Compute_Nonlinear_Law_K(4, 38, e_cm, -0.1), 1.05);                 // the bound
    EXPECT_NEAR(Compute_Nonlinear_Law_K(1, 44, 30000, -2.0), 2.0 * 30000 / 0.9 / 44000, 1e-12);   // α_i 0.9
    EXPECT_NEAR(Compute_Nonlinear_Law_K(1, 44, 30000, -0.1), 1 / 0.9, 1e-12);
    EXPECT_EQ(Compute_Nonlinear_Law_K(1, 90, 30000, -0.1), 1.0);
    EXPECT_EQ(Compute_Nonlinear_Law_K(1, -10, 30000, -2.0), 1.25);
    EXPECT_EQ(Compute_Nonlinear_Law_K(4, 0, 30000, -2.0), 1.05);                  // no division by zero
    EXPECT_EQ(Compute_Nonlinear_Law_K(2, -5, 30000, -2.0), 1.0);
}

}  // namespace
