// The EN 1993 block: defaults, German values, its text form and the older forms the reader accepts.
#include "annex/ec3_block.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_test_support.h"

namespace {

const std::string Default_Text =
    " EC3-1 Parameter\n"
    " 5 1.000000 1.000000 1.250000 1.000000 1.000000 1.250000 0 1.000000\n"
    " 0.400000 0.750000 0 1.000000 1 1.000000\n"
    " 350.000000 300.000000 250.000000 200.000000 150.000000"
    " 300.000000 250.000000 200.000000 150.000000 100.000000\n"
    " EC3-8 Parameter\n"
    " 5 1.250000 1.000000 1.000000 1.000000 1.100000 1.100000\n"
    " 3 1.200000\n"
    " 1.000000 1.150000 1.150000 1.350000\n"
    " 1.000000 1.100000\n";

std::string Written(const NAD_EC3_Block& b) { return Written_Text(NAD_Write_EC3, b); }

NAD_EC3_Block Defaults() { return Block_Set_By(NAD_Set_EC3_Defaults); }

}  // namespace

TEST(EC3Block, DefaultsAreWrittenAsVersionFive) { EXPECT_EQ(Written(Defaults()), Default_Text); }

TEST(EC3Block, GermanValues) {
    NAD_EC3_Block b;
    NAD_Set_EC3_German_Values(&b);
    EXPECT_EQ(b.variant, 1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M0, 1.0);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M2, 1.25);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M2_acc, 1.15);
    EXPECT_EQ(b.ec3_1.apply_f_to_chi_LT, 1);
    const double e0[5] = {600, 550, 350, 250, 150};
    for (int k = 0; k < 5; ++k) {
        EXPECT_DOUBLE_EQ(b.ec3_1.e0_elastic[k], e0[k]);
        EXPECT_DOUBLE_EQ(b.ec3_1.e0_plastic[k], e0[k]);
    }
    const NAD_EC3_Block d = Defaults();
    EXPECT_EQ(NAD_Compare_EC3_8(&b.ec3_8, &d.ec3_8), 0);
}

TEST(EC3Block, WriteReadRoundTripKeepsEveryValueButTheVariant) {
    NAD_EC3_Block b;
    NAD_Set_EC3_German_Values(&b);
    b.ec3_1.gamma_M_fi = 1.05;
    b.ec3_1.f_given = 1;
    b.ec3_1.f = 0.95;
    b.ec3_8.gamma_M3 = 1.35;
    b.ec3_8.shear_lag_note = 2;
    b.ec3_8.gamma_Mf[3] = 1.4;
    b.ec3_8.gamma_Mu = 1.2;
    Memory_Stream s(Written(b));
    NAD_EC3_Block r;
    EXPECT_EQ(NAD_Read_EC3(s, &r, 1), 0);
    EXPECT_EQ(r.variant, 0);  // the annex file header carries it
    EXPECT_EQ(r.ec3_1.version, 5);
    EXPECT_EQ(r.ec3_8.version, 5);
    r.variant = b.variant;
    EXPECT_EQ(NAD_Compare_EC3(&r, &b), 0);
    EXPECT_DOUBLE_EQ(r.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(r.ec3_1.f, 0.95);
    EXPECT_DOUBLE_EQ(r.ec3_8.gamma_Mf[3], 1.4);
    EXPECT_DOUBLE_EQ(r.ec3_8.gamma_Mu, 1.2);
}

TEST(EC3Block, VersionTwoRecordLeavesTheLaterValuesAtTheirDefaults) {
    Memory_Stream s(" 2 1.05 1.1 1.3 1.0 1.0 1.2 1\n 9.9 9.9\n");
    NAD_EC3_1_Record r;
    EXPECT_EQ(NAD_Read_EC3_1(s, &r), 0);
    EXPECT_EQ(r.version, 2);
    EXPECT_DOUBLE_EQ(r.gamma_M0, 1.05);
    EXPECT_DOUBLE_EQ(r.gamma_M2_acc, 1.2);
    EXPECT_EQ(r.apply_f_to_chi_LT, 1);
    EXPECT_DOUBLE_EQ(r.gamma_M_fi, 1.0);
    EXPECT_DOUBLE_EQ(r.lambda_LT0, 0.4);
    EXPECT_DOUBLE_EQ(r.beta, 0.75);
    EXPECT_DOUBLE_EQ(r.kc, 1.0);
    EXPECT_DOUBLE_EQ(r.e0_elastic[0], 350);
    EXPECT_DOUBLE_EQ(r.e0_plastic[4], 100);
}

TEST(EC3Block, RecordReadAsVersionThreeIsWrittenAsVersionFiveWithDefaults) {
    Memory_Stream s(" 3 1.1 1.1 1.3 1.0 1.0 1.3 0 1.2\n");
    NAD_EC3_Block b = Defaults();
    ASSERT_EQ(NAD_Read_EC3_1(s, &b.ec3_1), 0);
    const std::string text = Written(b);
    EXPECT_EQ(text.substr(0, text.find(" EC3-8")),
              " EC3-1 Parameter\n"
              " 5 1.100000 1.100000 1.300000 1.000000 1.000000 1.300000 0 1.200000\n"
              " 0.400000 0.750000 0 1.000000 1 1.000000\n"
              " 350.000000 300.000000 250.000000 200.000000 150.000000"
              " 300.000000 250.000000 200.000000 150.000000 100.000000\n");
}

TEST(EC3Block, ValueThatDoesNotConvertEndsTheRead) {
    // Version 4 needs all six values of its group; the fifth is a word.
    Memory_Stream s(" 4 1.1 1.1 1.3 1.0 1.0 1.3 1 1.2\n 0.3 0.8 1 0.9 x 1.0\n");
    NAD_EC3_1_Record r;
    EXPECT_EQ(NAD_Read_EC3_1(s, &r), 1);
    EXPECT_DOUBLE_EQ(r.gamma_M_fi, 1.2);  // read before the failure
    EXPECT_DOUBLE_EQ(r.lambda_LT0, 0.3);  // the group converted in part
    EXPECT_DOUBLE_EQ(r.kc, 1.0);          // not reached
    EXPECT_EQ(r.version, 0);
}

TEST(EC3Block, PartialFactorsBelowTheMinimumKeepTheirDefaults) {
    // A gamma of 0 would divide every resistance by zero; one of 0.0005 is no partial factor either.
    Memory_Stream s(" EC3-1 Parameter\n 5 0 1.1 -1.25 1.0 0.0005 1.2 0 0.001\n 0.4 0.75 0 1.0 1 1.0\n"
                    " 350 300 250 200 150 300 250 200 150 100\n"
                    " EC3-8 Parameter\n 5 0.0 1.0 1.0 1.0 1.1 1.1\n 3 1.2\n 1.0 0 1.15 1.35\n 0 1.1\n");
    NAD_EC3_Block b;
    EXPECT_EQ(NAD_Read_EC3(s, &b, 1), 0);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M0, 1.0);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M2, 1.25);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M1_acc, 1.0);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M2_acc, 1.2);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M_fi, 0.001);  // the smallest admitted value
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M3, 1.25);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_Mf[1], 1.15);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M_ser, 1.0);
}

TEST(EC3Block, OldFormWithItsOwnVariantLine) {
    Memory_Stream s(" EC3 Parameter\n 1\n EC3-1 Parameter\n 1 1.0 1.1 1.25 1.0 1.0 1.15\n"
                    " EC3-8 Parameter\n 1 1.3 1.0 1.0 1.0 1.1 1.1\n#NAD\n EC3 Parameter\n 0\n");
    NAD_EC3_Block b;
    EXPECT_EQ(NAD_Read_EC3(s, &b, 0), 0);
    EXPECT_EQ(b.variant, 1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M1, 1.1);
    EXPECT_EQ(b.ec3_1.version, 1);
    EXPECT_DOUBLE_EQ(b.ec3_8.gamma_M3, 1.3);
    EXPECT_EQ(b.ec3_8.version, 1);
}

TEST(EC3Block, OldestFormCarriesOnlyTheSixConnectionFactors) {
    Memory_Stream s(" EC3-8 Parameter\n 1\n 1 1.0 1.1 1.25 1.0 1.0 1.15\n 1.3 1.2 1.1 1.05 1.15 1.2\n");
    NAD_EC3_Block b;
    NAD_Read_EC3(s, &b, 0);
    EXPECT_EQ(b.variant, 1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M2_acc, 1.15);
    const NAD_EC3_8_Record& r = b.ec3_8;
    EXPECT_DOUBLE_EQ(r.gamma_M3, 1.3);
    EXPECT_DOUBLE_EQ(r.gamma_M4, 1.2);
    EXPECT_DOUBLE_EQ(r.gamma_M5, 1.1);
    EXPECT_DOUBLE_EQ(r.gamma_M6_ser, 1.05);
    EXPECT_DOUBLE_EQ(r.gamma_M7, 1.15);
    EXPECT_DOUBLE_EQ(r.gamma_M3_ser, 1.2);
    EXPECT_EQ(r.version, 0);
    EXPECT_DOUBLE_EQ(r.eta, 1.2);
    EXPECT_DOUBLE_EQ(r.gamma_Mf[0], 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_M_ser, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_Mu, 1.1);
}

TEST(EC3Block, SectionBehindTheNextAnnexIsNotTaken) {
    Memory_Stream s(" 18\n#NAD\n EC3-1 Parameter\n 5 2 2 2 2 2 2 0 2\n");
    NAD_EC3_Block b;
    EXPECT_EQ(NAD_Read_EC3(s, &b, 1), 1);
    EXPECT_DOUBLE_EQ(b.ec3_1.gamma_M0, 1.0);
}

TEST(EC3Block, Comparison) {
    const NAD_EC3_Block d = Defaults();
    struct Case {
        const char* what;
        void (*change)(NAD_EC3_Block&);
        int differ;
    };
    const Case cases[] = {
        {"equal", [](NAD_EC3_Block&) {}, 0},
        {"variant", [](NAD_EC3_Block& b) { b.variant = 1; }, 1},
        {"gamma_M0 by 0.0002", [](NAD_EC3_Block& b) { b.ec3_1.gamma_M0 += 0.0002; }, 1},
        {"gamma_M0 by 0.00005", [](NAD_EC3_Block& b) { b.ec3_1.gamma_M0 += 0.00005; }, 0},
        {"kc switch", [](NAD_EC3_Block& b) { b.ec3_1.kc_from_table = 0; }, 1},
        {"e0 plastic d", [](NAD_EC3_Block& b) { b.ec3_1.e0_plastic[4] = 120; }, 1},
        {"EC3_1 of version 1", [](NAD_EC3_Block& b) { b.ec3_1.version = 1; b.ec3_1.gamma_M0 = 2; }, 0},
        {"shear-lag note", [](NAD_EC3_Block& b) { b.ec3_8.shear_lag_note = 1; }, 1},
        {"gamma_Mu", [](NAD_EC3_Block& b) { b.ec3_8.gamma_Mu = 1.25; }, 1},
        {"EC3_8 of version 0", [](NAD_EC3_Block& b) { b.ec3_8.version = 0; b.ec3_8.gamma_M7 = 2; }, 0},
    };
    for (const Case& c : cases) {
        NAD_EC3_Block b = d;
        c.change(b);
        EXPECT_EQ(NAD_Compare_EC3(&d, &b), c.differ) << c.what;
    }
    EXPECT_EQ(NAD_Compare_EC3_8(nullptr, &d.ec3_8), 1);
}

TEST(EC3Block, CopyLeavesVersionsAndVariant) {
    NAD_EC3_Block source;
    NAD_Set_EC3_German_Values(&source);
    source.ec3_8.gamma_M7 = 1.2;
    NAD_EC3_Block target = Defaults();
    target.ec3_1.version = 3;
    NAD_Copy_EC3(&target, &source);
    EXPECT_EQ(target.variant, 0);
    EXPECT_EQ(target.ec3_1.version, 3);
    EXPECT_DOUBLE_EQ(target.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(target.ec3_8.gamma_M7, 1.2);
}
