// Reinforcement grades, partial safety factors and limits of the reinforced-concrete library.
#include "material/reinforcement_grades.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_record.h"
#include "annex/ec2_block.h"
#include "annex/ec2_country_sets.h"
#include "common/cp437.h"
#include "material/section_material_set.h"

namespace {

TEST(ReinforcementGrades, NamesAndValues) {
    struct Case {
        Rebar_Grade grade;
        const char* name;
        double f_yk, E_s, high_ductility;
    };
    const Case cases[] = {
        {0, " BSt 220/340", 220, 210000, 0},
        {1, " BSt 420", 420, 210000, 0},
        {3, " B500A    ", 500, 200000, 0},
        {4, " B500B    ", 500, 200000, 1},
        {5, " ComBAR GFK", 580, 60000, 0},
        {6, " Gitterträger"_cp, 420, 200000, 0},
        {8, " B550B    ", 550, 200000, 1},
        {10, " B600B    ", 600, 200000, 1},
        {11, " Ö-BSt 550"_cp, 550, 200000, 0},
        {12, " Ö-BSt 600"_cp, 600, 200000, 0},
        {13, "frei", 0, 0, 0},
        {14, "", 0, 0, 0},
        {-1, "", 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        EXPECT_EQ(std::string(Get_Rebar_Grade_Name(c.grade, 0)), c.name);
        EXPECT_EQ(Get_Rebar_Fyk(c.grade), c.f_yk);
        EXPECT_EQ(Get_Rebar_Es(c.grade), c.E_s);
        EXPECT_EQ(Is_Rebar_High_Ductility(c.grade), c.high_ductility);
    }
    EXPECT_STREQ(Get_Rebar_Grade_Name(13, 1), "Biegebemessung");
}

TEST(ReinforcementGrades, TensileStrengthAndUltimateStrain) {
    double eps_uk = -9;
    EXPECT_DOUBLE_EQ(Compute_Rebar_Ftk(4, 500, &eps_uk), 540);
    EXPECT_EQ(eps_uk, 50);
    EXPECT_DOUBLE_EQ(Compute_Rebar_Ftk(5, 580, &eps_uk), 580);
    EXPECT_EQ(eps_uk, 6.1);
    EXPECT_DOUBLE_EQ(Compute_Rebar_Ftk(1, 420, &eps_uk), 420);
    EXPECT_EQ(eps_uk, 5);
    eps_uk = -9;
    EXPECT_DOUBLE_EQ(Compute_Rebar_Ftk(13, 450, &eps_uk), 450);   // own values: the strain stays
    EXPECT_EQ(eps_uk, -9);
    EXPECT_EQ(Compute_Rebar_Ftk(-1, 450, &eps_uk), 0);
    EXPECT_EQ(eps_uk, -9);
}

TEST(ReinforcementGrades, PartialFactorsByKindAndSituation) {
    NAD_EC2_Block german{};
    NAD_Set_EC2_Country_Defaults(NAD_Country_Germany, &german);
    struct Case {
        int kind;
        double f_ck;
        int situation;
        const NAD_EC2_Block* block;
        double gamma_c, gamma_s;   // expected; the inputs are 1.5 and 9
    };
    const Case cases[] = {
        {1, 60, 0, nullptr, 1.5 / 0.98, 1.15},   // η = 1.1 - 60 / 500
        {1, 60, 1, nullptr, 1.3 / 0.98, 1.0},
        {1, 60, 2, nullptr, 1.5 / 0.98, 9},      // the given γ_c scaled, γ_s untouched
        {1, 50, 0, nullptr, 1.5, 1.15},
        {1, 60, 3, nullptr, 1.0, 1.0},
        {1, 600, 0, nullptr, 1.0, 1.0},
        {0, 60, 0, nullptr, 1.0, 1.0},
        {4, 60, 0, nullptr, 1.5, 1.15},
        {4, 60, 1, nullptr, 1.2, 1.0},
        {21, 60, 5, nullptr, 1.0, 1.0},
        {4, 60, 1, &german, 1.3, 1.0},
        {4, 60, 0, &german, 1.5, 1.15},
        {4, 60, 2, &german, 1.5, 9},             // nothing written
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.f_ck << " " << c.situation);
        double gamma_c = 1.5, gamma_s = 9;
        Get_Concrete_Steel_Partial_Factors(c.kind, c.f_ck, c.situation, &gamma_c, &gamma_s, c.block);
        EXPECT_NEAR(gamma_c, c.gamma_c, 1e-12);
        EXPECT_NEAR(gamma_s, c.gamma_s, 1e-12);
    }
    EXPECT_NEAR(1.5 / 0.98, 1.530612, 1e-6);
    EXPECT_NEAR(1.3 / 0.98, 1.326531, 1e-6);

    EXPECT_NEAR(Get_Plain_Concrete_Partial_Factor(0, 60, 0), 1.8 / 0.98, 1e-12);
    EXPECT_NEAR(Get_Plain_Concrete_Partial_Factor(1, 30, 0), 1.55, 1e-12);
    EXPECT_NEAR(Get_Plain_Concrete_Partial_Factor(2, 30, 1.5), 1.8, 1e-12);
    EXPECT_EQ(Get_Plain_Concrete_Partial_Factor(3, 30, 1.5), 1.0);
    EXPECT_EQ(Get_Plain_Concrete_Partial_Factor(0, 600, 1.7), 1.7);
}

TEST(ReinforcementGrades, LimitsAndSmallFormulas) {
    EXPECT_EQ(Get_Concrete_Tau_D(20, 0), 0.18);
    EXPECT_EQ(Get_Concrete_Tau_D(29, 0), 0.33);
    EXPECT_NEAR(Get_Concrete_Tau_D(9, 27), 0.27, 1e-12);   // 0.09 · 27^(1/3)
    EXPECT_NEAR(Compute_Concrete_Exp_Curve(2.7), 25284.822353, 1e-6);
    EXPECT_EQ(Get_Concrete_Factor_By_Flags(0, 1), 2.6749687014126984);
    EXPECT_EQ(Get_Concrete_Factor_By_Flags(1, 1), 2.5);
    EXPECT_EQ(Get_Concrete_Factor_By_Flags(1, 0), 3.0);
    EXPECT_DOUBLE_EQ(Get_Division_Count(0, 1, 250), 3.5);   // not cut to a whole number
    EXPECT_EQ(Get_Division_Count(1, 0, 250), 24);

    Section_Concrete concrete{};
    concrete.f_ck = 30;
    Section_Material_Set set{};
    set.code_switch = 1;
    set.n_concrete = 1;
    set.concrete = &concrete;
    struct Case {
        double f_ck;
        int lightweight, en_2;
        double x, expected;
    };
    const Case cases[] = {
        {30, 0, 0, 0.3, 0.3}, {30, 0, 0, 0.5, 0.45}, {30, 0, 0, 0.0005, 0.45}, {60, 0, 0, 0.4, 0.35},
        {30, 1, 0, 0.4, 0.35}, {30, 0, 1, 0.4, 0.30}, {60, 0, 1, 0.2, 0.2},    {60, 0, 1, 0.3, 0.23},
    };
    for (const Case& c : cases) {
        concrete.f_ck = c.f_ck;
        concrete.lightweight = c.lightweight;
        set.en_2 = c.en_2;
        EXPECT_EQ(Clamp_To_Concrete_Ratio_Limit(&set, c.x), c.expected) << c.f_ck << " " << c.x;
    }
    set.code_switch = 0;
    EXPECT_EQ(Clamp_To_Concrete_Ratio_Limit(&set, 0.9), 0.9);
    set.code_switch = 1;
    set.n_concrete = 0;
    EXPECT_EQ(Clamp_To_Concrete_Ratio_Limit(&set, 0.9), 0.9);
}

}  // namespace
