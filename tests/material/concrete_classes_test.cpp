#include "material/concrete_classes.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp437.h"

// Expected values below are worked out with a pocket calculator from the formulas of
// EN 1992-1-1 Table 3.1 and DIN 1045-1, or read from the class tables.

TEST(ConcreteClasses, CharacteristicStrengthByRuleAndClass) {
    struct Case { int rule; int cls; double f_ck; };
    const Case cases[] = {
        {4, 7, 20.0},     // C20/25
        {0, 1, 25.0},     // DIN 1045 (1988): B25 gives its nominal strength
        {1, 1, 20.0},     // other rules: the equivalent f_ck of B25
        {3, 4, 36.0},     // B55
        {4, 19, 100.0},   // C100/115
        {4, 20, 11.3},    // Ö-B15
        {4, 29, 45.0},    // Ö-B60
        {4, 30, 0.0},     // own values: no table strength
        {0, 5, 0.0},      // rule 0 knows only the B classes
        {4, -1, 0.0},     // no class
        {0, -1, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Get_Concrete_Fck(c.rule, c.cls), c.f_ck) << "rule " << c.rule << " class " << c.cls;
}

TEST(ConcreteClasses, MeanCompressiveStrength) {
    struct Case { int rule; double f_ck; double density; double f_cm; };
    const Case cases[] = {
        {4, 11.3, 2400.0, 11.3},   // below C12 the strength stays as it is, whatever the rule
        {0, 20.0, 2400.0, 25.0},   // DIN 1045 (1988): + 5
        {4, 20.0, 2400.0, 28.0},   // + 8
        {4, 16.0, 1800.0, 22.0},   // lightweight: 16 + 5 + 4 (0.125 + 0.125)
        {-1, 12.0, 1800.0, 17.0},  // lightweight at f_ck 12: + 5
        {4, 20.0, 1800.0, 28.0},   // lightweight from f_ck 20 on: + 8 again
        {4, 16.0, 2001.0, 24.0},   // 2001 kg/m³ is normal-weight concrete
        {1, 16.0, 1800.0, 24.0},   // the lightweight increment belongs to the EN rule only
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Compute_Concrete_Fcm(c.rule, c.f_ck, c.density), c.f_cm, 1e-9)
            << "rule " << c.rule << " f_ck " << c.f_ck << " density " << c.density;
}

TEST(ConcreteClasses, SecantModulusAndSecondModulus) {
    struct Case { int rule; int cls; double f_ck; double density; double E; double second; };
    const Case cases[] = {
        // EN 1992-1-1: 22000 (28/10)^0.3 = 29962.0, second modulus 1.05 E.
        {4, 7, 20.0, 2200.0, 29961.95, 31460.05},
        {-1, 7, 20.0, 2200.0, 29961.95, 31460.05},
        // Density 1800: times (1800/2200)² = 0.669421.
        {4, 7, 20.0, 1800.0, 20057.17, 21060.03},
        // f_ck below 12 without the + 8: 22000 · 1.13^0.3.
        {4, 20, 11.3, 2200.0, 22821.61, 23962.69},
        // Tabulated moduli.
        {3, 7, 20.0, 2200.0, 24900.0, 24900.0},
        {3, 2, 28.0, 2200.0, 34000.0, 34000.0},
        // Own values under rule 3: the EN formula without the density factor.
        {3, 30, 20.0, 1800.0, 29961.95, 29961.95},
        // DIN 1045 (1988): only the B classes have a modulus.
        {0, 1, 20.0, 2200.0, 30000.0, 30000.0},
        {0, 7, 20.0, 2200.0, 0.0, 0.0},
        // DIN 1045-1: E_c0m = 9500 · 28^(1/3) = 28847.6, alpha_i = 0.8 + 28/440 = 0.86364.
        {1, 7, 20.0, 2200.0, 24913.83, 28847.60},
        // alpha_i reaches 1.0 from f_cm 88 on: f_ck 90 gives E = E_c0m = 9500 · 98^(1/3).
        {1, 18, 90.0, 2200.0, 43799.14, 43799.14},
        // Rule 2: E_c0m without alpha_i.
        {2, 7, 20.0, 2200.0, 28847.60, 28847.60},
    };
    for (const Case& c : cases) {
        double second = -1.0;
        EXPECT_NEAR(Compute_Concrete_Ecm(c.rule, c.cls, c.f_ck, c.density, &second), c.E, 0.01)
            << "rule " << c.rule << " class " << c.cls;
        EXPECT_NEAR(second, c.second, 0.01) << "rule " << c.rule << " class " << c.cls;
    }
    EXPECT_NEAR(Compute_Concrete_Ecm(4, 7, 20.0, 2200.0, nullptr), 29961.95, 0.01);
}

TEST(ConcreteClasses, TangentModulus) {
    struct Case { int rule; int cls; double f_ck; double density; double E_c; };
    const Case cases[] = {
        {4, 7, 20.0, 2200.0, 31460.05},    // 23100 · 2.8^0.3
        {4, 7, 20.0, 1800.0, 21060.03},
        {1, 7, 20.0, 2200.0, 28847.60},    // E_c0m, without alpha_i
        {2, 7, 20.0, 2200.0, 28847.60},
        {3, 7, 20.0, 2200.0, 24900.0},     // as the secant modulus
        {0, 1, 20.0, 2200.0, 30000.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Compute_Concrete_Tangent_Modulus(c.rule, c.cls, c.f_ck, c.density), c.E_c, 0.01)
            << "rule " << c.rule;
}

TEST(ConcreteClasses, ModulusRatio) {
    EXPECT_NEAR(Get_Concrete_Modulus_Ratio(1, 28.0), 0.863636, 1e-6);
    EXPECT_DOUBLE_EQ(Get_Concrete_Modulus_Ratio(1, 100.0), 1.0);
    EXPECT_DOUBLE_EQ(Get_Concrete_Modulus_Ratio(1, -10.0), 0.8);
    EXPECT_DOUBLE_EQ(Get_Concrete_Modulus_Ratio(4, 28.0), 0.9523809523809523);
    EXPECT_DOUBLE_EQ(Get_Concrete_Modulus_Ratio(-1, 28.0), 1.0);
    EXPECT_DOUBLE_EQ(Get_Concrete_Modulus_Ratio(2, 28.0), 1.0);
}

TEST(ConcreteClasses, MeanTensileStrength) {
    struct Case { int rule; int cls; double f_ck; double density; double given; double f_ctm; };
    const Case cases[] = {
        // The anchor check's call: 2.12 ln(1 + 68/10) = 2.12 ln 7.8.
        {-1, -1, 60.0, 2200.0, 0.0, 4.35474},
        {-1, -1, 50.0, 2200.0, 0.0, 4.07163},       // 0.30 · 50^(2/3)
        // The change of formula at f_ck 54.9 is a step downwards.
        {-1, -1, 54.8, 2200.0, 0.0, 4.32821},       // 0.30 · 54.8^(2/3)
        {-1, -1, 54.9, 2200.0, 0.0, 4.21139},       // 2.12 ln 7.29
        // Lightweight factor 0.40 + 0.60 · 2000/2200 = 0.9454545.
        {-1, -1, 50.0, 2000.0, 0.0, 3.84954},
        {-1, -1, 50.0, 2001.0, 0.0, 4.07163},
        // EN rules read neither class nor the given value.
        {4, 7, 20.0, 2200.0, 99.0, 2.21042},
        {1, 7, 20.0, 2200.0, 99.0, 2.21042},
        // DIN 1045 (1988): 0.25 · beta_WN^(2/3) for B classes, the given value otherwise.
        {0, 1, 20.0, 2200.0, 0.0, 2.13747},
        {0, 1, 20.0, 1800.0, 0.0, 1.90429},         // times 0.890909
        {0, 7, 20.0, 2200.0, 3.1, 3.1},
        // Tabulated values, formula beyond the table.
        {3, 2, 28.0, 2200.0, 0.0, 2.67497},
        {3, 7, 20.0, 2200.0, 0.0, 2.2},
        {3, 25, 30.0, 2200.0, 0.0, 3.0},
        {3, 30, 50.0, 2200.0, 0.0, 4.07163},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Compute_Concrete_Fctm(c.rule, c.cls, c.f_ck, c.density, c.given), c.f_ctm, 5e-6)
            << "rule " << c.rule << " class " << c.cls << " f_ck " << c.f_ck << " density " << c.density;
    EXPECT_NEAR(Compute_Concrete_Scaled_Fctm(-1, -1, 50.0, 2200.0, 0.0), 6.41281, 5e-5);   // 1.575 · 4.07163
}

TEST(ConcreteClasses, ClassNames) {
    struct Case { int cls; std::string name; };
    const Case cases[] = {
        {0, " B15"},
        {4, " B55"},
        {5, " C12/15"},
        {7, " C20/25"},
        {19, " C100/115"},
        {20, std::string(" \x99-B15")},
        {24, std::string(" \x99-C30/37")},
        {29, std::string(" \x99-B60")},
        {30, "frei"},
        {31, ""},
        {-1, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(std::string(Get_Concrete_Class_Name(c.cls)), c.name) << c.cls;
    EXPECT_EQ(std::string(" Ö-B15"_cp), " \x99-B15");

    // The input pages list codes 0 to 19 from the two name tables.
    EXPECT_EQ(Concrete_B_Class_Count + Concrete_C_Class_Count - Concrete_Austrian_Class_Count, 20);
    EXPECT_EQ(std::string(Concrete_C_Class_Names[Concrete_C_Class_Count - Concrete_Austrian_Class_Count - 1]),
              " C100/115");
    EXPECT_EQ(std::string(Concrete_LC_Class_Names.front()), " LC12/13");
    EXPECT_EQ(std::string(Concrete_LC_Class_Names.back()), " LC80/88");
}

TEST(ConcreteClasses, ClassNameBufferIsOverwrittenByTheNextCall) {
    const char* first = Get_Concrete_Class_Name(7);
    const std::string copy = first;
    Get_Concrete_Class_Name(31);
    EXPECT_EQ(copy, " C20/25");
    EXPECT_EQ(std::string(first), "");
}

TEST(ConcreteClasses, RowByCharacteristicStrength) {
    struct Case { double f_ck; int row; };
    const Case cases[] = {
        {45.0, 7},     // C45/55
        {45.05, 7},    // no exact row; 45 + 0.1 exceeds it
        {45.2, 8},     // C50/60
        {30.0, 4},     // C30/37, not the Austrian Ö-B40 of equal strength
        {11.3, 15},    // Ö-B15 matches exactly
        {27.8, 19},    // Ö-C30/37
        {10.0, 0},
        {100.0, 14},
        {101.0, 24},   // beyond every row
    };
    for (const Case& c : cases) EXPECT_EQ(Find_Concrete_Row_By_Fck(c.f_ck), c.row) << c.f_ck;
}

TEST(ConcreteClasses, OldClassByNominalStrength) {
    struct Case { double beta_wn; int cls; };
    const Case cases[] = {
        {15.0, 0}, {25.0, 1}, {35.0, 2}, {45.0, 3}, {55.0, 4},
        {25.0005, 1}, {0.0, 0}, {15.05, 0}, {15.2, 1}, {45.05, 3}, {45.2, 4},
    };
    for (const Case& c : cases) EXPECT_EQ(Find_Old_Concrete_Class(c.beta_wn), c.cls) << c.beta_wn;
}
