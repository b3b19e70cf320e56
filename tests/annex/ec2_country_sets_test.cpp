// Country sets of the EN 1992 block and the copy of the German annex's EN 1992 values.
#include "annex/ec2_country_sets.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>

#include "annex/annex_file.h"
#include "annex/annex_test_support.h"
#include "annex/norm_titles.h"

namespace {

NAD_EC2_Block Defaults() { return Block_Set_By(NAD_Set_EC2_Defaults); }

// A block that no set leaves as it is: variant, version and reserved values changed, and its own
// stress factors of EN 1992-2 7.2 and prestress factors r.
NAD_EC2_Block Used_Block() {
    NAD_EC2_Block b = Defaults();
    b.variant = 1;
    b.version = 9;
    b.reserved_value_1 = 3;
    b.reserved_value_2 = 4;
    b.reserved_choice = 2;
    b.alpha_cc = 0.7;
    const double k[5] = {0.5, 0.4, 0.7, 0.9, 0.6};
    for (int i = 0; i < 5; ++i) b.k_stress[i] = k[i];
    b.r_sup_pretensioned = 1.01;
    b.r_sup_post_tensioned = 1.02;
    b.r_inf_pretensioned = 0.98;
    b.r_inf_post_tensioned = 0.97;
    return b;
}

NAD_EC2_Block Country_Set(int country_type, NAD_EC2_Block b = Used_Block()) {
    NAD_Set_EC2_Country_Defaults(country_type, &b);
    return b;
}

}  // namespace

TEST(EC2CountrySets, RecommendedSetsAreTheBuiltInValues) {
    for (int type : {4, 21}) {
        const NAD_EC2_Block b = Country_Set(type);
        const NAD_EC2_Block d = Defaults();
        EXPECT_EQ(NAD_Compare_EC2(&b, &d), 0) << type;
        EXPECT_EQ(b.version, 20);
        EXPECT_DOUBLE_EQ(b.reserved_value_1, 0);
        EXPECT_DOUBLE_EQ(b.reserved_value_2, 0);
        EXPECT_DOUBLE_EQ(b.k_stress[0], 0.6) << type;  // the recommended stress factors, not the block's
        EXPECT_DOUBLE_EQ(b.r_inf_post_tensioned, 0.9) << type;
    }
}

TEST(EC2CountrySets, GermanSetOfEveryOtherCountry) {
    for (int type : {int{NAD_Country_Germany}, int{NAD_Country_Standard}, 40}) {
        const NAD_EC2_Block b = Country_Set(type);
        EXPECT_EQ(b.variant, 0) << type;
        EXPECT_EQ(b.version, 20);
        EXPECT_DOUBLE_EQ(b.reserved_value_1, 0);
        EXPECT_DOUBLE_EQ(b.reserved_value_2, 0);
        EXPECT_EQ(b.reserved_choice, 0);
        EXPECT_STREQ(b.exposure_names[1], "X0 ");
        EXPECT_STREQ(b.surface_names[3], "sehr glatt");
        // A sample of the German annex's values.
        EXPECT_DOUBLE_EQ(b.alpha_cc, 0.85);
        EXPECT_DOUBLE_EQ(b.gamma_c[3], 1.3);
        EXPECT_DOUBLE_EQ(b.c_min_dur[2], 1.0);
        EXPECT_DOUBLE_EQ(b.delta_c_dur_gamma[6], 1.0);
        EXPECT_DOUBLE_EQ(b.delta_c_dev, 1.5);
        EXPECT_DOUBLE_EQ(b.k_redistribution[5], 0.85);
        EXPECT_DOUBLE_EQ(b.v_min, 0);
        EXPECT_NEAR(b.cot_theta_min, 0.5773503, 1e-12);
        EXPECT_NEAR(b.k4_cracks, 0.2777778, 1e-7);
        EXPECT_DOUBLE_EQ(b.K[4], 2.4);
        EXPECT_DOUBLE_EQ(b.lambda_lim, 16.0);
        EXPECT_EQ(b.k2_form, 1);
        EXPECT_EQ(b.k4_form, 1);
        // The bridge part copies the building values, with k_1 (fatigue) 1.0.
        EXPECT_DOUBLE_EQ(b.bridge_cot_theta_min, b.cot_theta_min);
        EXPECT_DOUBLE_EQ(b.bridge_cot_theta_max, 3.0);
        EXPECT_DOUBLE_EQ(b.bridge_C_Rd_c, 0.15);
        EXPECT_DOUBLE_EQ(b.bridge_As_min_column, 0.15);
        EXPECT_DOUBLE_EQ(b.bridge_column_lower_bound, 0);
        EXPECT_DOUBLE_EQ(b.bridge_k1_fatigue, 1.0);
        EXPECT_DOUBLE_EQ(b.bridge_gamma_c[3], 1.3);
        EXPECT_EQ(b.bridge_As_min_column_form, b.As_min_column_form);
        EXPECT_EQ(b.bridge_v_min_form, b.v_min_form);
        EXPECT_EQ(b.bridge_nu_1_form, b.nu_1_form);
        // The block's own stress and prestress factors stay.
        EXPECT_DOUBLE_EQ(b.k_stress[0], 0.5);
        EXPECT_DOUBLE_EQ(b.k_stress[4], 0.6);
        EXPECT_DOUBLE_EQ(b.r_sup_pretensioned, 1.01);
        EXPECT_DOUBLE_EQ(b.r_sup_post_tensioned, 1.02);
        EXPECT_DOUBLE_EQ(b.r_inf_pretensioned, 0.98);
        EXPECT_DOUBLE_EQ(b.r_inf_post_tensioned, 0.97);
    }
    NAD_Set_EC2_Country_Defaults(NAD_Country_Germany, nullptr);
}

TEST(EC2CountrySets, JointCoefficientsFollowTheDinEdition) {
    struct Case {
        int edition;
        double c[4], mu[4], nu[4];
    };
    const Case cases[] = {
        {1, {2.4, 2.0, 1.4, 0}, {1.0, 0.7, 0.6, 0.5}, {0.75, 0.75, 0.75, 0.75}},
        {0, {0.5, 0.4, 0.2, 0}, {0.9, 0.7, 0.6, 0.5}, {0.7, 0.5, 0.2, 0}},
    };
    for (const Case& c : cases) {
        NAD_Set_DIN_Edition(c.edition);
        const NAD_EC2_Block b = Country_Set(NAD_Country_Germany);
        for (int k = 0; k < 4; ++k) {
            EXPECT_DOUBLE_EQ(b.c_joint[k], c.c[k]) << c.edition << " " << k;
            EXPECT_DOUBLE_EQ(b.mu_joint[k], c.mu[k]) << c.edition << " " << k;
            EXPECT_DOUBLE_EQ(b.nu_joint[k], c.nu[k]) << c.edition << " " << k;
        }
        // The recommended set has its own joint values whatever the edition.
        EXPECT_DOUBLE_EQ(Country_Set(4).c_joint[3], 0.05);
    }
}

TEST(EC2CountrySets, GermanCopyIsTheShippedGermanAnnex) {
    Annex_Folders f;
    setenv("DATA", (std::string(BASIS_SOURCE_DIR) + "/host/DATA").c_str(), 1);
    NAD_EC2_Block b = Used_Block();
    NAD_Copy_German_EC2(&b);
    NAD_EC2_Block german = Country_Set(NAD_Country_Germany, Defaults());
    german.variant = 1;
    EXPECT_EQ(NAD_Compare_EC2(&b, &german), 0);
    EXPECT_EQ(b.version, 9);  // the copy keeps the block's version and reserved values
    EXPECT_DOUBLE_EQ(b.reserved_value_1, 3);
    NAD_Copy_German_EC2(nullptr);
}

TEST(EC2CountrySets, GermanAnnexIsReadOnce) {
    Annex_Folders f;
    auto germany = Default_Record(NAD_Country_Germany, NAD_Name_Germany, 1);
    germany->ec2.alpha_cc = 0.8;
    Write_Annex_File(f.data_file("Deutschland.NAD"), *germany);
    NAD_EC2_Block b = Defaults();
    NAD_Copy_German_EC2(&b);
    EXPECT_DOUBLE_EQ(b.alpha_cc, 0.8);
    EXPECT_EQ(b.variant, 1);  // from the file's header

    germany->ec2.alpha_cc = 0.9;
    Write_Annex_File(f.data_file("Deutschland.NAD"), *germany);
    NAD_EC2_Block again = Defaults();
    NAD_Copy_German_EC2(&again);
    EXPECT_DOUBLE_EQ(again.alpha_cc, 0.8);
}

TEST(EC2CountrySets, WithoutTheGermanAnnexFileTheBuiltInValuesAreCopied) {
    Annex_Folders f;
    NAD_EC2_Block b = Used_Block();
    NAD_Copy_German_EC2(&b);
    NAD_EC2_Block d = Defaults();
    d.version = b.version;
    EXPECT_EQ(NAD_Compare_EC2(&b, &d), 0);
    EXPECT_DOUBLE_EQ(b.reserved_value_2, 4);
}
