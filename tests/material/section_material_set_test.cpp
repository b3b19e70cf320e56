// The material set of a reinforced-concrete cross-section: normalisation of the switches and
// records, the derived values under each standard, the switch to the values of a non-linear
// analysis and back, and the report tables as whole byte strings. Values worked by hand.
#include "material/section_material_set.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/ec2_block.h"
#include "common/cp437.h"
#include "common/host_bridge.h"
#include "test_support.h"

namespace {

// A set with one record of each kind (or the given counts), freed at scope end.
struct Set_Fixture {
    Section_Material_Set set{};
    explicit Set_Fixture(int n_concrete = 1, int n_steel = 1) {
        EXPECT_EQ(Create_Material_Set(&set, n_concrete, n_steel), 0);
    }
    ~Set_Fixture() { Free_Material_Set(&set); }
    Section_Concrete& c(int i = 0) { return set.concrete[i]; }
    Section_Rebar& s(int i = 0) { return set.steel[i]; }
};

// EN 1992 with C30/37 (α_cc 0.85) and B500B at γ_c 1.5 and γ_s 1.15.
void Make_EN_Set(Set_Fixture& f) {
    f.set.code_switch = 1;
    f.set.en_1 = 1;
    f.set.gamma_c = 1.5;
    f.set.gamma_s = 1.15;
    f.c().cls = 9;
    f.c().density = 2400;
    f.c().alpha_cc = 0.85;
    f.s().grade = 4;
}

TEST(SectionMaterialSet, NormalisationOfTheRecords) {
    struct Case {
        const char* what;
        int code_switch, austrian, en_2;
        int cls, lightweight;
        double density;
        int grade;
        int cls_out, lightweight_out;
        double density_out, alpha_cc_out;
        int grade_out;
    };
    const Case cases[] = {
        {"old rule: C class falls back to B25", 0, 0, 0, 9, 1, 1500, 7, 1, 0, 2200, 1.0, 2},
        {"old rule: negative codes count as 0", 0, 0, 0, -3, 0, 2400, -1, 0, 0, 2200, 1.0, 0},
        {"newer: class above own values becomes C20/25", 5, 0, 0, 31, 1, 1500, 14, 7, 0, 2200, 0.85, 3},
        {"newer: light density makes it lightweight", 1, 0, 0, 9, 0, 1800, 4, 9, 1, 1800, 0.85, 4},
        {"newer: lightweight cut to 2000", 1, 0, 0, 9, 1, 2100, 4, 9, 1, 2000, 0.85, 4},
        {"newer: below 800", 1, 0, 0, 9, 0, 500, 4, 9, 1, 800, 0.85, 4},
        {"newer: above 2200 normal weight", 1, 0, 0, 9, 1, 2500, 4, 9, 0, 2200, 0.85, 4},
        {"second EN variant is always normal weight", 1, 0, 1, 9, 1, 1500, 4, 9, 0, 2200, 0.85, 4},
        {"Austrian: high-strength C class becomes Ö-B60", 1, 1, 0, 15, 1, 1500, 6, 29, 0, 2200, 1.0, 11},
        {"Austrian: beyond own values Ö-B25", 1, 1, 0, 40, 0, 2200, 20, 22, 0, 2200, 1.0, 12},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Set_Fixture f;
        f.set.code_switch = k.code_switch;
        f.set.austrian = k.austrian;
        f.set.en_2 = k.en_2;
        f.c().cls = k.cls;
        f.c().lightweight = k.lightweight;
        f.c().density = k.density;
        f.s().grade = k.grade;
        if (k.en_2) f.set.ec2_block->bridge_alpha_cc = 0.85;
        EXPECT_EQ(Normalize_Material_Set(&f.set), 0);
        EXPECT_EQ(f.set.code_switch, k.code_switch > 0 ? 1 : 0);
        EXPECT_EQ(f.c().cls, k.cls_out);
        EXPECT_EQ(f.c().lightweight, k.lightweight_out);
        EXPECT_EQ(f.c().density, k.density_out);
        EXPECT_DOUBLE_EQ(f.c().alpha_cc, k.alpha_cc_out);
        EXPECT_EQ(f.c().n, 1.0);
        EXPECT_EQ(f.s().grade, k.grade_out);
    }
}

TEST(SectionMaterialSet, FactorsOfTheNormalisation) {
    Set_Fixture f;
    f.set.code_switch = 1;
    f.set.en_1 = 1;
    f.set.ec2_block->gamma_c_sls = 1.1;
    f.set.ec2_block->gamma_s_sls = 1.05;
    f.set.ec2_block->alpha_lcc = 0.80;
    f.c().cls = 9;
    f.c().density = 1600;
    f.s().grade = 5;   // glass-fibre bars raise the steel class and γ_s
    Normalize_Material_Set(&f.set);
    EXPECT_EQ(f.set.gamma_c, 1.1);
    EXPECT_EQ(f.set.gamma_s, 2.0);
    EXPECT_EQ(f.set.steel_class, 2);
    EXPECT_EQ(f.c().alpha_cc, 0.80);   // lightweight α_cc of the block

    Set_Fixture old;
    old.set.code_switch = -1;
    old.set.en_1 = 1;
    old.set.gamma_c = 1.5;
    Normalize_Material_Set(&old.set);
    EXPECT_EQ(old.set.en_1, 0);
    EXPECT_EQ(old.set.gamma_c, 1.0);
    EXPECT_EQ(old.set.gamma_s, 1.0);
}

TEST(SectionMaterialSet, DerivedValuesUnderEN1992) {
    Set_Fixture f;
    Make_EN_Set(f);
    EXPECT_EQ(Compute_Material_Set(&f.set, 0), 0);
    EXPECT_STREQ(f.c().name, " C30/37");
    EXPECT_DOUBLE_EQ(f.c().f_cd, 17.0);                // 0.85 · 30 / 1.5
    EXPECT_NEAR(f.c().e_cm, 32836.57, 0.005);          // 22000 (38 / 10)^0.3
    EXPECT_NEAR(f.c().f_ctk, 0.7 * 2.896468, 1e-6);    // 0.7 · 0.30 · 30^(2/3)
    EXPECT_EQ(f.c().eps_peak, -2.0);
    EXPECT_EQ(f.c().eps_ult, -3.5);
    EXPECT_STREQ(f.s().name, " B500B    ");
    EXPECT_NEAR(f.s().f_yd, 434.7826, 5e-5);           // 500 / 1.15
    EXPECT_DOUBLE_EQ(f.s().f_tk, 525.0);
    EXPECT_NEAR(f.s().eps_s, 2.173913, 5e-7);          // 1000 f_yd / E_s
    EXPECT_NEAR(f.set.xi, 0.616858, 5e-7);             // 3.5 / (3.5 + 2.173913)
}

TEST(SectionMaterialSet, DerivedValuesOfTheOldRuleAndOwnValues) {
    Set_Fixture f(1, 2);
    f.c().cls = 1;   // B25
    f.s(0).grade = 1;
    f.s(1).grade = 13;   // no own steel values under the old rule
    f.set.xi = 0.4;
    EXPECT_EQ(Compute_Material_Set(&f.set, 0), 0);
    EXPECT_EQ(f.c().f_ck, 25.0);
    EXPECT_EQ(f.c().f_cd, 17.5);
    EXPECT_EQ(f.c().f_cm, 30.0);
    EXPECT_NEAR(f.c().f_ctm, 2.137470, 5e-7);   // 0.25 · 25^(2/3)
    EXPECT_EQ(f.s(0).f_yd, 420.0);
    EXPECT_EQ(f.s(0).e_s, 210000.0);
    EXPECT_EQ(f.s(0).eps_s, 3.0);
    EXPECT_STREQ(f.s(1).name, " BSt 500");
    EXPECT_EQ(f.set.xi, 0.0);

    Set_Fixture own;
    Make_EN_Set(own);
    own.c().cls = 30;
    own.c().f_ck = 30;
    own.c().eps_ult = -3.5;
    own.c().e_cm = 31000;
    own.s().grade = 13;
    own.s().f_yk = 450;
    own.s().f_y = 480;   // above f_yk
    EXPECT_EQ(Compute_Material_Set(&own.set, 0), 0);
    EXPECT_STREQ(own.c().name, " frei");
    EXPECT_EQ(own.c().e_cm, 31000.0);            // given values stay, missing ones are computed
    EXPECT_DOUBLE_EQ(own.c().f_cd, 17.0);
    EXPECT_EQ(own.c().f_cm, 38.0);
    EXPECT_STREQ(own.s().name, " frei");
    EXPECT_EQ(own.s().e_s, 200000.0);
    EXPECT_EQ(own.s().f_y, 450.0);
    EXPECT_NEAR(own.s().f_td, 450.0 / 1.15, 1e-9);
    EXPECT_NEAR(own.s().eps_s, 1000.0 * 450.0 / 1.15 / 200000.0, 1e-12);
    EXPECT_EQ(own.s().eps_su, own.s().eps_s);   // a missing rupture strain does not cut the strain to 0
    own.s().eps_su = 1.5;                        // a given one below the steel strain is raised to it
    EXPECT_EQ(Compute_Material_Set(&own.set, 0), 0);
    EXPECT_NEAR(own.s().eps_su, 1.9565217, 1e-7);
}

TEST(SectionMaterialSet, GivenDepthRatioLimitsTheSteelStrain) {
    Set_Fixture f;
    Make_EN_Set(f);
    f.set.xi = 0.1;   // ε_s = (1 - 1/0.1) · (-3.5) = 31.5 > 25
    EXPECT_EQ(Compute_Material_Set(&f.set, 0), 1);
    EXPECT_EQ(f.s().eps_s, 25.0);
    EXPECT_NEAR(f.set.xi, 3.5 / 28.5, 1e-12);   // steel at its rupture strain fixes x/d anew
}

TEST(SectionMaterialSet, CommonSafetyFactor) {
    Set_Fixture f;
    Make_EN_Set(f);
    f.set.common_factor = 1;
    Compute_Material_Set(&f.set, 0);
    EXPECT_EQ(f.set.gamma_c, 1.3);
    EXPECT_EQ(f.set.gamma_s, 1.3);
    EXPECT_NEAR(f.c().f_ck, 30.0 * 1.3 / 1.5, 1e-12);
    EXPECT_NEAR(f.c().f_cd, 0.85 * 26.0 / 1.3, 1e-12);
    EXPECT_NEAR(f.s().f_yk, 500.0 * 1.3 / 1.15, 1e-9);
    EXPECT_NEAR(f.s().f_yd, 500.0 / 1.15, 1e-9);   // the design value stays
}

TEST(SectionMaterialSet, SetValuesAndCopies) {
    Set_Fixture f(1, 2);
    Set_Material_Set_Values(&f.set, 0, 0, 0.0, 5.0, -2, -3.5, 2, 30000, 2.9);
    EXPECT_EQ(f.c().alpha_cc, 0.0);   // no ratio to a zero strength
    Set_Material_Set_Values(&f.set, 0, 0, 40.0, 34.0, -2, -3.5, 2, 30000, 2.9);
    EXPECT_DOUBLE_EQ(f.c().alpha_cc, 0.85);
    EXPECT_EQ(f.c().e_cm, 30000.0);
    Set_Material_Set_Values(&f.set, 1, 1, 500, 540, 0, 50, 195000, 0, 0);
    EXPECT_EQ(f.s(1).f_y, 500.0);
    EXPECT_EQ(f.s(1).e_s, 195000.0);
    Set_Material_Set_Values(&f.set, 1, 2, 1, 1, 1, 1, 1, 1, 1);   // no third record: nothing
    Set_Material_Set_Values(&f.set, 1, -1, 1, 1, 1, 1, 1, 1, 1);

    f.set.ec2_block->alpha_cc = 0.77;
    f.set.xi = 0.45;
    Section_Material_Set copy{};
    Copy_Material_Set(&f.set, &copy);
    ASSERT_EQ(copy.n_steel, 2);
    EXPECT_NE(copy.steel, f.set.steel);
    EXPECT_EQ(copy.steel[1].e_s, 195000.0);
    EXPECT_EQ(copy.concrete[0].f_ck, 40.0);
    EXPECT_EQ(copy.ec2_block->alpha_cc, 0.77);
    EXPECT_EQ(copy.xi, 0.45);
    Copy_Rebar_Values(&copy.steel[1], &copy.steel[0]);
    EXPECT_EQ(copy.steel[0].f_tk, 540.0);
    Free_Material_Set(&copy);
    EXPECT_EQ(copy.steel, nullptr);
    EXPECT_EQ(copy.n_steel, 0);
}

TEST(SectionMaterialSet, ZeroCountsAndMissingRecords) {
    Set_Fixture f(0, 0);
    f.set.code_switch = 1;
    EXPECT_EQ(Compute_Material_Set(&f.set, 1), 0);
    EXPECT_EQ(Begin_Nonlinear_Values(&f.set, 1.5, 1.15, 0), 1);
    EXPECT_EQ(End_Nonlinear_Values(&f.set), 1);
    EXPECT_EQ(Capture_Output([&](FILE* out) { Write_Material_Tables(out, &f.set, 6, 1, 0, 1, 2.0, 10); }),
              "#LAYOUT setMarginsChar 0x1 2 10 0 10\n#LAYOUT resetMaxMargin\n#LAYOUT reserveSpaceCM 3.5\n");
    EXPECT_EQ(Create_Material_Set(nullptr, 1, 1), 1);
}

TEST(SectionMaterialSet, NonlinearValuesOfTheBilinearLaw) {
    Set_Fixture f;
    Make_EN_Set(f);
    Compute_Material_Set(&f.set, 0);
    f.set.law = 2;
    f.c().phi = 1.0;
    f.c().eps_free = -0.3;
    EXPECT_EQ(End_Nonlinear_Values(&f.set), 0);   // nothing saved yet
    ASSERT_EQ(Begin_Nonlinear_Values(&f.set, 1.5, 1.15, 0), 1);
    // f_cd = 0.85 · 30 / 1.5 = 17; E = 32836.57 / 1.5; ε = -1000 · 17 / E = -0.776573, then · (1 + φ)
    EXPECT_NEAR(f.c().eps_peak, -2 * 0.776573, 2e-6);
    EXPECT_EQ(f.c().eps_ult, -7.0);
    EXPECT_NEAR(f.c().e_cm, 32836.57 / 3.0, 0.005);
    EXPECT_EQ(f.c().cls, 30);
    EXPECT_EQ(f.c().n, 1.0);
    EXPECT_EQ(f.c().shrink_out, 0.3);

    Set_Fixture other;
    EXPECT_EQ(End_Nonlinear_Values(&other.set), 0);   // the save belongs to the first set

    ASSERT_EQ(End_Nonlinear_Values(&f.set), 1);
    EXPECT_EQ(f.c().cls, 9);
    EXPECT_EQ(f.c().eps_peak, -2.0);
    EXPECT_DOUBLE_EQ(f.c().f_cd, 17.0);
    EXPECT_NEAR(f.c().e_cm, 32836.57, 0.005);
    EXPECT_EQ(End_Nonlinear_Values(&f.set), 0);
}

TEST(SectionMaterialSet, NonlinearValuesWithoutAModulusAndTwice) {
    Set_Fixture f(1, 2);
    Make_EN_Set(f);
    f.s(1).grade = 4;
    Compute_Material_Set(&f.set, 0);
    f.set.law = 2;
    f.c().e_cm = 0.0;   // the bilinear strains of the class then give the modulus
    ASSERT_EQ(Begin_Nonlinear_Values(&f.set, 1.0, 1.0, 0), 1);
    EXPECT_EQ(f.c().eps_peak, -1.75);                // ε_c3 of C30/37 under EN 1992
    EXPECT_NEAR(f.c().e_cm, 1000.0 * 25.5 / 1.75, 1e-9);
    EXPECT_EQ(f.s(1).eps_su, 50.0);                  // B500B in the analysis
    EXPECT_EQ(f.s(1).f_tk, 540.0);
    EXPECT_EQ(f.s(1).eps_s, 2.5);
    // a second switch saves the values then in force; the restore brings those back
    f.set.n_steel = 1;
    ASSERT_EQ(Begin_Nonlinear_Values(&f.set, 1.5, 1.15, 0), 1);
    f.set.n_steel = 2;
    ASSERT_EQ(End_Nonlinear_Values(&f.set), 1);
    EXPECT_EQ(f.c().cls, 30);
    EXPECT_EQ(f.set.gamma_c, 1.0);
    EXPECT_EQ(End_Nonlinear_Values(&f.set), 0);
}

TEST(SectionMaterialSet, NonlinearValuesOfTheNonlinearLawWithTheAnnexFactors) {
    Set_Fixture f;
    Make_EN_Set(f);
    Compute_Material_Set(&f.set, 0);
    f.set.law = 1;
    f.set.ec2_block->gamma_c_sls = 1.0;
    f.set.ec2_block->gamma_s_sls = 1.0;
    ASSERT_EQ(Begin_Nonlinear_Values(&f.set, 9.0, 9.0, 1), 1);   // mode 1 takes the annex pair
    EXPECT_EQ(f.set.gamma_c, 1.0);
    EXPECT_EQ(f.set.gamma_s, 1.0);
    EXPECT_EQ(f.c().alpha_cc, 1.0);
    EXPECT_EQ(f.c().f_cd, 38.0);                        // f_cm / C
    EXPECT_NEAR(f.c().eps_peak, -2.161877, 5e-7);       // -0.7 · 38^0.31
    EXPECT_EQ(f.c().eps_ult, -3.5);
    EXPECT_NEAR(f.c().n, 1.961528, 5e-7);               // 1.05 · E_cm · 2.161877 / (1000 · 38)
    EXPECT_EQ(f.c().law_used, 1);
    EXPECT_EQ(f.s().f_yd, 500.0);
    ASSERT_EQ(End_Nonlinear_Values(&f.set), 1);
    EXPECT_EQ(f.c().alpha_cc, 0.85);                    // the given α_cc comes back
    EXPECT_EQ(f.set.gamma_c, 1.5);
    EXPECT_NEAR(f.s().f_yd, 434.7826, 5e-5);
}

TEST(SectionMaterialSet, ExponentText) {
    EXPECT_STREQ(Format_Exponent_Text(-1.0), "  --- ");
    EXPECT_STREQ(Format_Exponent_Text(100.0), " Block");
    EXPECT_STREQ(Format_Exponent_Text(1.58954), "  1.59");
    EXPECT_STREQ(Format_Exponent_Text(2.0), "  2.00");
}

TEST(SectionMaterialSet, TablesOfEN1992) {
    Register_Stdio_Table();
    Set_Fixture f(1, 2);
    Make_EN_Set(f);
    f.s(1).grade = 5;
    Compute_Material_Set(&f.set, 0);
    const std::string out = Capture_Output([&](FILE* s) { Write_Material_Tables(s, &f.set, 6, 1, 0, 1, 2.0, 10); });
    EXPECT_EQ(out,
              "#LAYOUT setMarginsChar 0x1 2 10 0 10\n"
              "#LAYOUT resetMaxMargin\n"
              "#LAYOUT reserveSpaceCM 3.5\n"
              "#LAYOUT storeYPosition 8\n"
              "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n8.5\n"
              " Beton     f╬\\ck╬r   ║    ╛╬\\c2╬r   ╛╬\\c2u╬r   n╬\\c╬r     E╬\\cm╬r   f╬\\ctm╬r \n"
              "          MN/m╬/2╬r  -     ë     ë     -     MN/m╬/2╬r  MN/m╬/2╬r\n"
              " C30/37   30.0 0.850 -2.00 -3.50  2.00  32836.6 2.896\n"
              "#END_OF_TEXT\n"
              "#LAYOUT setYPositionCM 1 -0.5\n"
              "#SHOWTABLE\n0 0 4\n"
              " Bemessungswert der Zylinderdruckfestigkeit f╬\\cd╬r = ║╬\\c╬r f╬\\ck╬r / └╬\\c╬r\n"
              " Dehnung beim Erreichen der Festigkeitsgrenze ╛╬\\c2╬r,  Bruchdehnung ╛╬\\c2u╬r\n"
              " Betonspannungen ╠╬\\c╬r = f╬\\cd╬r (1-(1-╛╬\\c╬r/╛╬\\c2╬r)╬/n╬r) für 0≥╛╬\\c╬r>╛╬\\c2╬r  und  "
              "╠╬\\c╬r = f╬\\cd╬r für ╛╬\\c2╬r≥╛╬\\c╬r>╛╬\\c2u╬r\n"
              " Elastizitätsmodul E╬\\cm╬r, Mittelwert der zentrischen Zugfestigkeit f╬\\ctm╬r\n"
              "0 0 -1 -1\n"
              "#END_OF_TEXT\n"
              "#LAYOUT restoreYPosition 8\n"
              "#LAYOUT setMarginsChar 0x80001 1.5 7 0 7\n"
              "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n12.5\n"
              " Bewehrung     f╬\\yk╬r    f╬\\tk╬r   ╛╬\\su╬r     E╬\\s╬r\n"
              "              MN/m╬/2╬r  MN/m╬/2╬r   ë     MN/m╬/2╬r\n"
              " B500B        500.0  525.0 25.00 200000.0\n"
              " ComBAR GFK   580.0  580.0  4.83  60000.0\n"   // γ_s 2.0 of the glass-fibre bars: 1000 · 290 / 60000
              " Gitterträger 420.0  420.0 25.00 200000.0\n"
              "#END_OF_TEXT\n"
              "#LAYOUT setYPositionCM 1 -0.5\n"
              "#SHOWTABLE\n0 0 3\n"
              " Bemessungswert der Streckgrenze f╬\\yd╬r = f╬\\yk╬r / └╬\\s╬r\n"
              " Bemessungswert der Zugfestigkeit f╬\\td╬r = f╬\\tk╬r / └╬\\s╬r\n"
              " Stahlbruchdehnung ╛╬\\su╬r, Elastizitätsmodul E╬\\s╬r\n"
              "0 0 -1 -1\n"
              "#END_OF_TEXT\n"
              "#LAYOUT setMarginsChar 0x1 2 10 0 10\n"
              "#LAYOUT setYPositionCM 4 0\n"
              "#LAYOUT setYPositionCM 1 -0.6\n"
              "#SHOWTABLE\n0 0 1\n"
              " ComBAR GFK: Bewehrung aus glasfaserverstärktem Kunststoff von Schöck Bauteile GmbH (Zulassung "
              "Z-1.6-238 vom 8.7.2019)\n"
              "0 0 -1 -1\n#END_OF_TEXT\n"
              "#LAYOUT setYPositionCM 1 -0.6\n"
              "#SHOWTABLE\n0 0 1\n"
              " Gitterträger: Synonym für Bewehrung mit f╬\\yk╬r = 420 N/mm╬/2╬r (weitere Informationen s. "
              "Handbuch)\n"
              "0 0 -1 -1\n#END_OF_TEXT\n"_cp);
}

TEST(SectionMaterialSet, TablesOfTheOldRule) {
    Register_Stdio_Table();
    Set_Fixture f(1, 2);
    f.c().cls = 1;
    f.s(0).grade = 1;
    f.s(1).grade = 0;
    Compute_Material_Set(&f.set, 0);
    const std::string out = Capture_Output([&](FILE* s) { Write_Material_Tables(s, &f.set, 2, 0, 0, 1, 0.5, 4); });
    EXPECT_EQ(out,
              "#LAYOUT setMarginsChar 0x1 0.5 4 0 4\n"
              "#LAYOUT resetMaxMargin\n"
              "#LAYOUT reserveSpaceCM 3.5\n"
              "#LAYOUT storeYPosition 8\n"
              "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n5.5\n"
              " Beton   ╗╬\\WN╬r    ╗╬\\R╬r    ╛╬\\b1╬r     n       E╬\\b╬r\n"
              "        MN/m╬/2╬r  MN/m╬/2╬r   ë      -      MN/m╬/2╬r\n"
              "  B25   25.0   17.5 -2.00    2.00  30000.0\n"
              "#END_OF_TEXT\n"
              "#LAYOUT setYPositionCM 1 -0.5\n"
              "#SHOWTABLE\n0 0 3\n"
              "  Würfeldruckfestigkeit ╗╬\\WN╬r,  Rechenwert der Betondruckfestigkeit ╗╬\\R╬r\n"
              "  Dehnung beim Erreichen der Festigkeitsgrenze ╛╬\\b1╬r,  Elastizitätsmodul E╬\\b╬r\n"
              "  Betonspannungen ╠╬\\b╬r = ╗╬\\R╬r (1-(1-╛╬\\b╬r/╛╬\\b1╬r)╬/n╬r) für 0≥╛╬\\b╬r>╛╬\\b1╬r  und  "
              "╠╬\\b╬r = ╗╬\\R╬r für ╛╬\\b1╬r≥╛╬\\b╬r>╛╬\\b1u╬r\n"
              "0 0 -1 -1\n"
              "#END_OF_TEXT\n"
              "#LAYOUT restoreYPosition 8\n"
              "#LAYOUT setMarginsChar 0x80001 1.5 7 0 7\n"
              "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n12.5\n"
              " Bewehrung      ╗╬\\S╬r      E╬\\s╬r\n"
              "               MN/m╬/2╬r   MN/m╬/2╬r\n"
              " BSt 420       420.0 210000.0\n"
              " BSt 220/340   220.0 210000.0\n"
              " BSt 500       500.0 210000.0\n"
              "#END_OF_TEXT\n"
              "#LAYOUT setYPositionCM 1 -0.5\n"
              "#SHOWTABLE\n0 0 2\n"
              " Streckgrenze der Bewehrung ╗╬\\S╬r\n"
              " Elastizitätsmodul E╬\\s╬r\n"
              "0 0 -1 -1\n"
              "#END_OF_TEXT\n"
              "#LAYOUT setMarginsChar 0x1 0.5 4 0 4\n"
              "#LAYOUT setYPositionCM 4 0\n"_cp);
}

TEST(SectionMaterialSet, TablesOfTheAustrianRulesWithOneSteelRecord) {
    Register_Stdio_Table();
    Set_Fixture f;
    f.set.code_switch = 1;
    f.set.austrian = 1;
    f.set.gamma_c = 1.5;
    f.set.gamma_s = 1.15;
    f.c().cls = 22;   // Ö-B25
    f.s().grade = 6;  // lattice girders are not an Austrian grade: Ö-BSt 550
    Compute_Material_Set(&f.set, 0);
    const std::string out = Capture_Output([&](FILE* s) { Write_Material_Tables(s, &f.set, 11, 1, 0, 0, 1.0, 8); });
    EXPECT_EQ(out,
              "#LAYOUT setMarginsChar 0x1 1 8 0 8\n"
              "#LAYOUT resetMaxMargin\n"
              "#LAYOUT reserveSpaceCM 3.5\n"
              "#LAYOUT storeYPosition 8\n"
              "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n8.5\n"
              " Beton     f╬\\ck╬r   ╓╬\\d╬r   ╛╬\\c2╬r   ╛╬\\c2u╬r   n╬\\c╬r     E╬\\cm╬r   f╬\\ctm╬r \n"
              "          MN/m╬/2╬r MN/m╬/2╬r  ë     ë     -     MN/m╬/2╬r  MN/m╬/2╬r\n"
              " Ö-B25    18.8 0.240 -2.00 -3.50  2.00  29000.0 2.200\n"
              "#END_OF_TEXT\n"
              "#LAYOUT restoreYPosition 8\n"
              "#LAYOUT setMarginsChar 0x80001 1.5 7 0 7\n"
              "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n12.5\n"
              " Bewehrung     f╬\\yk╬r    f╬\\tk╬r   ╛╬\\su╬r     E╬\\s╬r\n"
              "              MN/m╬/2╬r  MN/m╬/2╬r   ë     MN/m╬/2╬r\n"
              " Ö-BSt 550    550.0  550.0 20.00 200000.0\n"
              "#END_OF_TEXT\n"
              "#LAYOUT setMarginsChar 0x1 1 8 0 8\n"
              "#LAYOUT setYPositionCM 4 0\n"_cp);
}

}  // namespace
