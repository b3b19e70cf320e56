// Concrete and reinforcing-steel records of the material dialogs: initialisation, formulas in kN/m²,
// the annex factor cache and storage in a versioned data file. Values worked by hand.
#include "material/material_records.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "annex/annex_record.h"
#include "annex/ec2_block.h"
#include "annex/ec2_country_sets.h"
#include "common/cp437.h"
#include "common/data_files.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

TEST(MaterialRecords, ConcreteFromTheClassTable) {
    Concrete_Material c{};
    Init_Concrete_Material(&c, 3, 0, 1800);
    EXPECT_STREQ(c.name, "C25/30");
    EXPECT_EQ(c.f_ck, 25000);
    EXPECT_EQ(c.alpha_cc, 0.85);
    EXPECT_EQ(c.density, 2200);   // normal weight ignores the given density
    EXPECT_NEAR(c.e_cm, 26662629.1, 0.05);   // 9500000 · 33^(1/3) · (0.8 + 33 / 440)
    EXPECT_DOUBLE_EQ(c.eps_c1, -0.0022);
    EXPECT_DOUBLE_EQ(c.eps_cu1, -0.0035);
    EXPECT_DOUBLE_EQ(c.eps_c2, -0.002);
    EXPECT_DOUBLE_EQ(c.eps_cu2, -0.0035);
    EXPECT_EQ(c.n, 2.0);
    EXPECT_EQ(c.valid, 1);

    Init_Concrete_Material(&c, 3, 1, 1800);
    EXPECT_STREQ(c.name, "LC25/28");
    EXPECT_EQ(c.alpha_cc, 0.8);
    EXPECT_NEAR(c.eps_c1, -0.00129957, 5e-9);   // -1.2 · 33000 / (9500000 · 33^(1/3))
    EXPECT_EQ(c.eps_cu1, c.eps_c1);
    EXPECT_NEAR(c.e_cm, 17848536.8, 0.05);      // times (1800 / 2200)²

    Init_Concrete_Material(&c, 12, 1, 1600);
    EXPECT_STREQ(c.name, "");                   // no LC name from row 11 on
    EXPECT_EQ(c.f_ck, 80000);

    // Rows outside the table set only lightweight and density.
    for (const int row : {15, -1}) {
        Init_Concrete_Material(&c, 3, 0, 2200);
        Init_EN_Concrete_Material(&c, row, 1, 1500);
        EXPECT_STREQ(c.name, "C25/30");
        EXPECT_EQ(c.lightweight, 1);
        EXPECT_EQ(c.density, 1500);
        EXPECT_EQ(c.f_ck, 25000);
    }

    Init_EN_Concrete_Material(&c, 4, 0, 2200);
    EXPECT_NEAR(c.e_cm, 32836568.0, 0.05);       // 22000000 · 3.8^0.3
    Init_EN_Concrete_Material(&c, 4, 1, 1800);
    EXPECT_NEAR(c.e_cm, 32836568.0 * 1800 * 1800 / 2200 / 2200, 0.05);
    EXPECT_NEAR(c.eps_c1, -1.2 * 38000 / (9500000 * std::cbrt(38.0)), 1e-15);
}

TEST(MaterialRecords, ConcreteAndSteelOfTheOldStandard) {
    Concrete_Material c{};
    Init_Concrete_Material_From_Old_Class(&c, 1);
    EXPECT_STREQ(c.name, "B25 (nicht mehr genormt!)");
    EXPECT_EQ(c.f_ck, 19531.25);
    EXPECT_NEAR(c.eps_c1, -0.00207656, 5e-9);   // between C16/20 and C20/25
    EXPECT_EQ(c.e_cm, 3.0e7);
    EXPECT_EQ(c.density, 2200);

    Old_Concrete_Material old{};
    EXPECT_EQ(Init_Old_Concrete_Material(&old, 9), 9);   // counts as B55
    EXPECT_STREQ(old.name, "B55");
    EXPECT_EQ(Init_Old_Concrete_Material(&old, -3), 5);  // counts as B15
    EXPECT_EQ(old.E_b, 2.6e7);
    Old_Rebar_Material old_steel{};
    Init_Old_Rebar_Material(&old_steel, -1);
    EXPECT_STREQ(old_steel.name, "BSt 220/340");
    EXPECT_EQ(old_steel.factor, 1.01);

    testing::internal::CaptureStdout();
    EXPECT_EQ(Init_Free_Old_Concrete_Material(&old), 1);
    EXPECT_EQ(Init_Free_Old_Rebar_Material(&old_steel), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              std::string("Freie Betondef. für DIN 1045 (7.88) nicht möglich!\nIntialiesierung mit B25."_cp) +
                  "Freie Stahldef. für DIN 1045 (7.88) nicht möglich!\nIntialiesierung mit BSt 500 S."_cp);
    EXPECT_STREQ(old.name, "B25");
    EXPECT_EQ(old.beta_R, 17500);
    EXPECT_STREQ(old_steel.name, "BSt 500 S");
    EXPECT_EQ(old_steel.beta_S, 500000);
    EXPECT_EQ(old_steel.factor, 1.4);

    Rebar_Material r{};
    Init_Rebar_Material_From_Old_Grade(&r, 0);
    EXPECT_STREQ(r.name, "BSt 220/340 (nicht mehr genormt!)");
    EXPECT_EQ(r.f_yk, 220000);
    EXPECT_EQ(r.f_tk, 340000);
    EXPECT_EQ(r.e_s, 2.1e8);
}

TEST(MaterialRecords, SteelOfTheDialogs) {
    Rebar_Material r{};
    Init_Rebar_Material(&r, 1);
    EXPECT_STREQ(r.name, "BSt 500 (B)");
    EXPECT_EQ(r.f_yk, 500000);
    EXPECT_DOUBLE_EQ(r.f_tk, 525000);
    EXPECT_EQ(r.eps_uk, 0.025);
    EXPECT_EQ(r.e_s, 2e8);
    Init_EN_Rebar_Material(&r, 0);
    EXPECT_STREQ(r.name, "B500A");
    Init_EN_Rebar_Material(&r, 2);   // no such grade: unchanged
    EXPECT_STREQ(r.name, "B500A");

    Concrete_Material a{}, b{};
    Init_Concrete_Material(&a, 4, 0, 2200);
    std::string long_name(55, 'N');
    std::snprintf(a.name, sizeof a.name, "%s", long_name.c_str());
    EXPECT_EQ(Copy_Concrete_Material(&b, &a), 1);
    EXPECT_EQ(std::string(b.name), std::string(50, 'N'));
    EXPECT_EQ(b.e_cm, a.e_cm);
    EXPECT_EQ(b.eps_c1, a.eps_c1);
}

TEST(MaterialRecords, FormulasInKilonewtons) {
    double eps_c1, eps_cu1;
    struct Case {
        double f_ck, eps_c1, eps_cu1;
    };
    const Case cases[] = {
        {22500, -0.00215, -0.0035}, {25000, -0.0022, -0.0035}, {12000, -0.0018, -0.0035},
        {5000, -0.0018, -0.0035},   {100000, -0.003, -0.003},  {100001, -0.003, -0.003},
        {57500, -0.002675, -0.00335},
    };
    for (const Case& c : cases) {
        Interpolate_Nonlinear_Strains(&eps_c1, &eps_cu1, c.f_ck);
        EXPECT_NEAR(eps_c1, c.eps_c1, 1e-15) << c.f_ck;
        EXPECT_NEAR(eps_cu1, c.eps_cu1, 1e-15) << c.f_ck;
    }

    EXPECT_DOUBLE_EQ(Compute_Fctm_KN(60000, 2200), 4400);   // 2.12 ln(1 + 6.8) = 4.35 -> 4.4
    EXPECT_DOUBLE_EQ(Compute_Fctm_KN(30000, 2200), 2900);   // 0.3 · 30^(2/3) = 2.90
    EXPECT_DOUBLE_EQ(Compute_Fctk_KN(30000, 2200), 2030);
    EXPECT_NEAR(Compute_Fctm_KN(30000, 1800), 2900 * (0.4 + 0.6 * 1800 / 2200), 1e-9);
    EXPECT_NEAR(Compute_Beta_Cc(0.5, 2), 0.197735, 5e-7);   // e^(0.25 (1 - √56))
    EXPECT_NEAR(Compute_Beta_Cc(7, 1), std::exp(0.38 * (1 - 2.0)), 1e-15);
    EXPECT_EQ(Compute_Beta_Cc(28, 3), 1.0);
    EXPECT_EQ(Compute_Beta_Cc(0, 1), 1.0);
    EXPECT_EQ(Compute_Beta_Cc(-1, 1), 1.0);
    EXPECT_NEAR(Get_Concrete_Gamma_C_KN(60000, 0), 1.530612, 5e-7);   // 1.5 / 0.98
    EXPECT_EQ(Get_Concrete_Gamma_C_KN(40000, 0), 1.5);
    EXPECT_NEAR(Get_Concrete_Gamma_C_KN(60000, 1), 1.3 / 0.98, 1e-12);
    EXPECT_NEAR(Get_Concrete_Gamma_C_KN(60000, 4), 1.0 / 0.98, 1e-12);
    EXPECT_EQ(Get_Concrete_Gamma_C_KN(549500, 0), 1.5);   // no division by 1.1 - 1.099
    EXPECT_EQ(Get_Concrete_Gamma_C_KN(800000, 0), 1.5);
    EXPECT_EQ(Get_Steel_Gamma_S(1), 1.0);
    EXPECT_EQ(Get_Steel_Gamma_S(0), 1.15);
    EXPECT_EQ(Compute_Negative_Ratio(1.2, 2, 0.000001), 0.0);
    EXPECT_EQ(Compute_Negative_Ratio(1.2, 2, 4), -0.6);
    EXPECT_NEAR(Compute_Concrete_Ecm_SI(80000), 9500000 * std::cbrt(88.0), 1e-6);   // α_i 1.0
}

TEST(MaterialRecords, AnnexFactorCache) {
    NAD_Set_EC2_Country_Defaults(NAD_Country_Germany, NAD_Get_EC2());
    EXPECT_DOUBLE_EQ(Compute_EC2_Fcd(30, 0), 17.0);   // 30 · 0.85 / 1.5
    EXPECT_EQ(Get_EC2_Gamma_C(1), 1.3);               // accidental
    EXPECT_EQ(Get_EC2_Gamma_S(1), 1.0);
    EXPECT_EQ(Get_EC2_Gamma_C(4), 1.3);
    EXPECT_EQ(Get_EC2_Gamma_S(7), 0.85);              // α_cc
    EXPECT_EQ(Get_EC2_Gamma_S(8), 1.0);               // α_lct
    EXPECT_EQ(Get_EC2_Gamma_C(5), 1.0);               // outside the row
    EXPECT_EQ(Get_EC2_Gamma_S(-1), 1.0);
    EXPECT_EQ(Compute_EC2_Fcd(30, 5), 0.0);
    NAD_Get_EC2()->gamma_c[3] = 1.25;
    EXPECT_EQ(Get_EC2_Gamma_C(1), 1.3);               // stored entries until a reload
    EXPECT_EQ(Get_EC2_Factor_Area()->gamma_c[1], 1.25);
    NAD_Get_EC2()->variant = 1;
    EXPECT_EQ(Get_EC2_Variant(), 1);
    NAD_Reset_Record();
}

// Writes the records as a program stores them: data version 1, a concrete and a steel record.
std::string Write_Records(const Concrete_Material& c, const Rebar_Material& r) {
    return Capture_Output([&](FILE* f) {
        EXPECT_EQ(Begin_Data_Write(f, 1.0), 0);
        EXPECT_EQ(Write_Concrete_Material(&c), 0);
        EXPECT_EQ(Write_Rebar_Material(&r), 0);
    });
}

TEST(MaterialRecords, StorageRoundTrip) {
    Concrete_Material c{};
    Init_Concrete_Material(&c, 3, 1, 1800);
    std::snprintf(c.name, sizeof c.name, "LC 25 eigen");
    Rebar_Material r{};
    Init_EN_Rebar_Material(&r, 1);
    const std::string bytes = Write_Records(c, r);
    EXPECT_EQ(bytes,
              " 1.000000  # Datenversionsnummer\n"
              " 1.200000 # Strukturversionsnummer\n"
              " LC\x8C" "25\x8C" "eigen  2.500000e+04  8.000000e-01  -2.000000e-03  -3.500000e-03  2.000000e+00 "
              " 1  1.800000e+03  0.000000e+00  1  1.784854e+07 \n"
              " 1.000000 # Strukturversionsnummer\n"
              " B500B  5.000000e+05  5.250000e+05  2.500000e-02  2.000000e+08  -1.000000e+00 \n");

    Text_Stream file(bytes);
    ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
    Concrete_Material c2{};
    Rebar_Material r2{};
    ASSERT_EQ(Read_Concrete_Material(&c2), 0);
    ASSERT_EQ(Read_Rebar_Material(&r2), 0);
    EXPECT_EQ(Get_Current_Version(), 1.0);
    EXPECT_STREQ(c2.name, "LC 25 eigen");
    EXPECT_EQ(c2.f_ck, c.f_ck);
    EXPECT_EQ(c2.lightweight, 1);
    EXPECT_EQ(c2.density, 1800);
    EXPECT_NEAR(c2.e_cm, c.e_cm, 5);            // six digits stored
    EXPECT_NEAR(c2.eps_c1, c.eps_c1, 1e-15);    // derived again, not stored
    EXPECT_EQ(c2.eps_cu1, c2.eps_c1);
    EXPECT_STREQ(r2.name, "B500B");
    EXPECT_EQ(r2.f_tk, 525000);
}

// A record of the older form opens with its name and has no valid flag and no modulus.
TEST(MaterialRecords, OlderRecordsAreCompleted) {
    Text_Stream file(" 1.0\n Beton 25000 0.85 -0.002 -0.0035 2 0 2400 0\n BSt\x8C" "500 500000 525000 0.025 2e8 -1\n 7");
    ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
    Concrete_Material c{};
    Rebar_Material r{};
    ASSERT_EQ(Read_Concrete_Material(&c), 0);
    EXPECT_STREQ(c.name, "Beton");
    EXPECT_EQ(c.valid, 1);
    EXPECT_EQ(c.density, 2200);                 // normal weight
    EXPECT_NEAR(c.e_cm, 26662629.1, 0.05);
    EXPECT_DOUBLE_EQ(c.eps_c1, -0.0022);
    ASSERT_EQ(Read_Rebar_Material(&r), 0);
    EXPECT_STREQ(r.name, "BSt 500");
    EXPECT_EQ(r.e_s, 2e8);
    EXPECT_EQ(Get_Current_Version(), 1.0);
    EXPECT_EQ(Read_Int_Value(), 7);             // nothing more was taken
}

TEST(MaterialRecords, NewerAndTruncatedRecordsFailAndKeepTheVersionStack) {
    Clear_Host_Message_History();
    const std::string files[] = {
        " 1.0\n 1.3 # Struktur\n C25/30 25000 0.85 -0.002 -0.0035 2 0 2200 0 1 3e7\n",   // newer
        " 1.0\n 1.2 # Struktur\n C25/30 25000 0.85 -0.002\n",                            // cut off
        " 1.0\n 1.2 # Struktur\n",
        " 1.0\n",
        " 1.0\n 1.2 " + std::string(60, 'N') + " 25000\n",                                // name too long
        " 1.0\n " + std::string(60, 'N') + " 25000\n",
    };
    for (const std::string& text : files) {
        SCOPED_TRACE(text);
        Text_Stream file(text);
        ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
        Concrete_Material c{};
        Init_Concrete_Material(&c, 0, 0, 2200);
        EXPECT_EQ(Read_Concrete_Material(&c), 1);
        EXPECT_STREQ(c.name, "C12/15");         // the record stays as it was
        EXPECT_EQ(Get_Current_Version(), 1.0);
    }
    EXPECT_EQ(Host_Message_History().size(), 1u);   // the newer structure was told
}

}  // namespace
