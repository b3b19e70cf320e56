// The EN 1999 and EN 1996 blocks: their text forms and the versions the readers accept.
#include <gtest/gtest.h>

#include <string>

#include "annex/annex_test_support.h"
#include "annex/ec6_block.h"
#include "annex/ec9_block.h"

namespace {

NAD_EC9_Block Read_EC9(const std::string& text) {
    NAD_EC9_Block b;
    Memory_Stream s(text);
    NAD_Read_EC9(s, &b);
    return b;
}

}  // namespace

TEST(EC9Block, VersionsOrderTheirValuesDifferently) {
    struct Case {
        const char* text;
        double gamma_M0, gamma_M1, gamma_M2, gamma_Mp, gamma_Mw, gamma_Mp_ser, C;
    };
    const Case cases[] = {
        // Version 4: gamma_M1 second, then gamma_M2, gamma_Mp, five further factors and C.
        {" 4 0 1.2 1.15 1.3 1.35 1.4 1.1 1.3 2.5 1.05 1.25", 1.2, 1.15, 1.3, 1.35, 1.4, 1.05, 1.25},
        // Version 5: gamma_M1 last.
        {" 5 0 1.2 1.3 1.35 1.4 1.1 1.3 2.5 1.05 1.25 1.15", 1.2, 1.15, 1.3, 1.35, 1.4, 1.05, 1.25},
        // Version 1: no gamma_M1 (it equals gamma_M0), nothing after gamma_Mp.
        {" 1 0 1.2 1.3 1.35 9 9 9", 1.2, 1.2, 1.3, 1.35, 1.25, 1.0, 1.2},
        // Version 2 ends after the five further connection factors, version 3 after the constant.
        {" 2 0 1.2 1.3 1.35 1.4 1.1 1.3 2.5 1.05 9 9", 1.2, 1.2, 1.3, 1.35, 1.4, 1.05, 1.2},
        {" 3 0 1.2 1.3 1.35 1.4 1.1 1.3 2.5 1.05 1.25 9", 1.2, 1.2, 1.3, 1.35, 1.4, 1.05, 1.25},
        // Version 5 cut before its last value: gamma_M1 stays equal to gamma_M0.
        {" 5 0 1.2 1.3 1.35 1.4 1.1 1.3 2.5 1.05 1.25", 1.2, 1.2, 1.3, 1.35, 1.4, 1.05, 1.25},
        // Version 0 ends the read: all defaults.
        {" 0 1 1.2 1.3", 1.1, 1.1, 1.25, 1.25, 1.25, 1.0, 1.2},
    };
    for (const Case& c : cases) {
        const NAD_EC9_Block b = Read_EC9(c.text);
        EXPECT_DOUBLE_EQ(b.gamma_M0, c.gamma_M0) << c.text;
        EXPECT_DOUBLE_EQ(b.gamma_M1, c.gamma_M1) << c.text;
        EXPECT_DOUBLE_EQ(b.gamma_M2, c.gamma_M2) << c.text;
        EXPECT_DOUBLE_EQ(b.gamma_Mp, c.gamma_Mp) << c.text;
        EXPECT_DOUBLE_EQ(b.gamma_Mw, c.gamma_Mw) << c.text;
        EXPECT_DOUBLE_EQ(b.gamma_Mp_ser, c.gamma_Mp_ser) << c.text;
        EXPECT_DOUBLE_EQ(b.C, c.C) << c.text;
    }
    EXPECT_EQ(Read_EC9(" 4 1 1.2").variant, 1);
    EXPECT_EQ(Read_EC9(" 4 1 1.2").version, 4);
}

TEST(EC9Block, WriteReadRoundTrip) {
    NAD_EC9_Block b;
    NAD_Set_EC9_Defaults(&b);
    b.variant = 1;
    b.gamma_M1 = 1.2;
    b.gamma_Ma = 2.5;
    const std::string text = Written_Text(NAD_Write_EC9, b);
    EXPECT_EQ(text, " 5\n 1\n 1.100000 1.250000 1.250000 1.250000 1.100000 1.250000 2.500000 1.000000 1.200000"
                    " 1.200000\n");
    const NAD_EC9_Block r = Read_EC9(text);
    EXPECT_EQ(r.variant, 1);
    EXPECT_DOUBLE_EQ(r.gamma_M1, 1.2);
    EXPECT_DOUBLE_EQ(r.gamma_Ma, 2.5);
}

TEST(EC9Block, ZeroFactorsKeepTheirDefaults) {
    const NAD_EC9_Block b = Read_EC9(" 5 0 0 1.3 1.35 1.4 1.1 1.3 2.5 1.05 1.25 -1");
    EXPECT_DOUBLE_EQ(b.gamma_M0, 1.1);
    EXPECT_DOUBLE_EQ(b.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(b.gamma_M2, 1.3);
}

TEST(EC6Block, ReadWriteAndVersionZero) {
    NAD_EC6_Block b;
    NAD_Set_EC6_Defaults(&b);
    b.gamma_M_accidental = 1.3;
    const std::string text = Written_Text(NAD_Write_EC6, b);
    EXPECT_EQ(text, " 1\n 0\n 1.500000 1.300000 1.500000 1.000000\n");
    NAD_EC6_Block r;
    Memory_Stream in(text);
    EXPECT_EQ(NAD_Read_EC6(in, &r), 0);
    EXPECT_DOUBLE_EQ(r.gamma_M_accidental, 1.3);
    EXPECT_DOUBLE_EQ(r.gamma_M_serviceability, 1.0);

    // A block of version 0 leaves its factors at 0, as older annex editors wrote it.
    Memory_Stream old(" 0 1 1.5 1.3 1.2 1.0\n");
    EXPECT_EQ(NAD_Read_EC6(old, &r), 1);
    EXPECT_EQ(r.variant, 1);
    EXPECT_DOUBLE_EQ(r.gamma_M_persistent, 0.0);
}

TEST(EC9Block, EveryFactorReadsBackFromItsPlace) {
    NAD_EC9_Block b = Block_Set_By(NAD_Set_EC9_Defaults);
    Set_Distinct_Values(&b);
    const NAD_EC9_Block r = Read_EC9(Written_Text(NAD_Write_EC9, b));
    EXPECT_EQ(r.version, 5);
    EXPECT_EQ(NAD_Equal_EC9(&r, &b), 1);
    EXPECT_DOUBLE_EQ(r.gamma_M1, 1.02);
    EXPECT_DOUBLE_EQ(r.gamma_Mp_ser, 1.09);
    EXPECT_DOUBLE_EQ(r.C, 1.10);
}

TEST(EC9Block, GermanValuesEqualityAndCopy) {
    const NAD_EC9_Block defaults = Block_Set_By(NAD_Set_EC9_Defaults);
    NAD_EC9_Block german = defaults;
    Set_Distinct_Values(&german);
    NAD_Set_EC9_German_Values(&german);
    EXPECT_EQ(german.variant, 1);
    EXPECT_EQ(german.version, 5);
    EXPECT_DOUBLE_EQ(german.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(german.gamma_Ma, 3.0);
    EXPECT_DOUBLE_EQ(german.C, 1.2);
    EXPECT_EQ(NAD_Equal_EC9(&german, &defaults), 0);  // the variant differs
    german.variant = 0;
    EXPECT_EQ(NAD_Equal_EC9(&german, &defaults), 1);

    NAD_EC9_Block b = defaults;
    b.version = 2;  // the version takes no part
    b.gamma_Mp_ser += 0.00009;
    EXPECT_EQ(NAD_Equal_EC9(&b, &defaults), 1);
    b.C += 0.0002;
    EXPECT_EQ(NAD_Equal_EC9(&b, &defaults), 0);
    EXPECT_EQ(NAD_Equal_EC9(&b, nullptr), 0);

    NAD_EC9_Block source = defaults;
    Set_Distinct_Values(&source);
    NAD_Copy_EC9(&b, &source);
    EXPECT_EQ(b.version, 2);
    EXPECT_EQ(b.variant, 3);
    EXPECT_EQ(NAD_Equal_EC9(&b, &source), 1);
    NAD_Copy_EC9(&b, nullptr);
    EXPECT_EQ(b.variant, 3);
}

TEST(EC6Block, GermanValuesEqualityAndCopy) {
    const NAD_EC6_Block defaults = Block_Set_By(NAD_Set_EC6_Defaults);
    NAD_EC6_Block german;
    NAD_Set_EC6_German_Values(&german);
    EXPECT_EQ(german.variant, 1);
    EXPECT_DOUBLE_EQ(german.gamma_M_persistent, 1.5);
    EXPECT_DOUBLE_EQ(german.gamma_M_accidental, 1.3);
    EXPECT_DOUBLE_EQ(german.gamma_M_earthquake, 1.2);
    EXPECT_DOUBLE_EQ(german.gamma_M_serviceability, 1.0);
    EXPECT_EQ(NAD_Equal_EC6(&german, &defaults), 0);

    NAD_EC6_Block b = defaults;
    b.gamma_M_serviceability += 0.00009;
    EXPECT_EQ(NAD_Equal_EC6(&b, &defaults), 1);
    b.gamma_M_earthquake -= 0.0002;
    EXPECT_EQ(NAD_Equal_EC6(&b, &defaults), 0);
    b = defaults;
    b.variant = 1;
    EXPECT_EQ(NAD_Equal_EC6(&b, &defaults), 0);
    EXPECT_EQ(NAD_Equal_EC6(nullptr, &defaults), 0);

    NAD_Copy_EC6(&b, &german);
    EXPECT_EQ(NAD_Equal_EC6(&b, &german), 1);
    NAD_Copy_EC6(nullptr, &german);

    // Every factor reads back from its place.
    NAD_EC6_Block distinct = defaults;
    Set_Distinct_Values(&distinct);
    Memory_Stream in(Written_Text(NAD_Write_EC6, distinct));
    NAD_EC6_Block r;
    EXPECT_EQ(NAD_Read_EC6(in, &r), 0);
    EXPECT_EQ(NAD_Equal_EC6(&r, &distinct), 1);
    EXPECT_DOUBLE_EQ(r.gamma_M_earthquake, 1.13);
}
