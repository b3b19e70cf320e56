// The EN 1995 block: its text form, the versions the reader accepts and what it completes.
#include "annex/ec5_block.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_test_support.h"
#include "common/stream_print.h"

namespace {

NAD_EC5_Block Defaults() { return Block_Set_By(NAD_Set_EC5_Defaults); }

std::string Written(const NAD_EC5_Block& b) { return Written_Text(NAD_Write_EC5, b); }

NAD_EC5_Block Read(const std::string& text, int mode = 1) {
    NAD_EC5_Block b;
    Memory_Stream s(text);
    NAD_Read_EC5(s, &b, mode);
    return b;
}

// The block up to the given version (6 to 10), in the order the versions added their values; line 4
// and line 5 carry places of gamma_M solid timber, glulam and accidental that line 8 supersedes.
std::string Old_Block(int version, int variant) {
    std::string t = Format_Text(" %d\n %d\n 1\n 0 0.7 0.7 1.0\n 1\n", version, variant);
    t += " 1.5 1.6 1.21 1.31 1.32 1.33\n 1.34 1.35 1.36 1.26 1.7\n 1.37 1.38\n 1\n 1\n 1\n 1 1\n";
    if (version >= 7) {
        t += " 1 1.40 1.45 1.05\n";
        t += " 0.61 0.71 0.81 0.91 1.11\n 0.62 0.72 0.82 0.92 1.12\n 0.51 0.56 0.66 0.71 0.91\n";
        t += " 0.65 0.85 2.05\n 310 210 320 155 105 160";
    }
    if (version >= 8) t += " 2 0.7 1.05";
    if (version >= 9) t += " 2";
    if (version >= 10) t += " 0 1.10\n";
    return t;
}

}  // namespace

TEST(EC5Block, DefaultsAsWritten) {
    EXPECT_EQ(Written(Defaults()),
              " 17\n 0\n 0\n 0 0.670000 0.670000 1.000000\n 0\n"
              " 1.300000 1.300000 1.200000 1.300000 1.300000 1.300000\n"
              " 1.300000 1.300000 1.300000 1.250000 1.000000\n"
              " 1.300000 1.300000\n 0\n 0\n 0\n 0 0\n 0 1.30 1.30 1.00\n"
              " 0.60 0.70 0.80 0.90 1.10\n 0.60 0.70 0.80 0.90 1.10\n 0.50 0.55 0.65 0.70 0.90\n"
              " 0.60 0.80 2.00\n"
              " 300 200 300 150 100 150 1 0.67 1.00 1 1 1.00\n"
              " 0  \n 0  \n 0  \n 0  \n"
              " 0.150000 2.000000 1.000000\n 1.300000 \n");
    NAD_EC5_Block b = Defaults();
    b.k_cr_form = 0;
    EXPECT_EQ(Written(b).substr(0, 14), " 17\n 0\n 0\n 1 0");
}

TEST(EC5Block, WriteReadRoundTrip) {
    NAD_EC5_Block b = Defaults();
    b.variant = 1;
    b.na4_switch = 1;
    b.gamma_M_glulam = 1.25;
    b.k_mod[2][1] = 0.85;
    b.deflection[3] = 125;
    b.k_cr_form = 2;
    b.na816_switch = 1;
    b.k_shape_factor = 0.05;
    b.gamma_M_clt = 1.25;
    const NAD_EC5_Block r = Read(Written(b));
    EXPECT_EQ(r.version, 17);
    EXPECT_EQ(NAD_Compare_EC5(&r, &b), 0);
    EXPECT_DOUBLE_EQ(r.k_mod[2][1], 0.85);
    EXPECT_DOUBLE_EQ(r.deflection[3], 125);
    EXPECT_EQ(r.k_cr_form, 2);
    EXPECT_DOUBLE_EQ(r.gamma_M_clt, 1.25);
}

TEST(EC5Block, VersionTenIsCompletedAfterItsVariant) {
    const NAD_EC5_Block german = Read(Old_Block(10, 1));
    EXPECT_EQ(german.version, 10);
    EXPECT_EQ(german.w_net_fin_combination, 2);
    EXPECT_DOUBLE_EQ(german.gamma_M_fire, 1.1);
    EXPECT_EQ(german.na21_switch, 1);
    EXPECT_EQ(german.na20_switch, 1);
    EXPECT_EQ(german.na816_switch, 1);
    EXPECT_EQ(german.na7_switch, 1);
    EXPECT_DOUBLE_EQ(german.k_shape_factor, 0.05);
    EXPECT_DOUBLE_EQ(german.k_shape_max, 1.3);

    const NAD_EC5_Block recommended = Read(Old_Block(10, 0));
    EXPECT_EQ(recommended.na21_switch + recommended.na20_switch + recommended.na816_switch + recommended.na7_switch, 0);
    EXPECT_DOUBLE_EQ(recommended.k_shape_factor, 0.15);
    EXPECT_DOUBLE_EQ(recommended.k_shape_max, 2.0);
}

TEST(EC5Block, VersionSixKeepsTheBuiltInSolidTimberFactors) {
    const NAD_EC5_Block b = Read(Old_Block(6, 0));
    EXPECT_DOUBLE_EQ(b.gamma_M_solid, 1.3);
    EXPECT_DOUBLE_EQ(b.gamma_M_glulam, 1.3);
    EXPECT_DOUBLE_EQ(b.gamma_M_accidental, 1.0);
    EXPECT_DOUBLE_EQ(b.gamma_M_panels, 1.21);
    EXPECT_DOUBLE_EQ(b.gamma_M_punched, 1.26);
    EXPECT_DOUBLE_EQ(b.gamma_M_plasterboard, 1.38);
    EXPECT_EQ(b.fastener_method_switch, 1);
    EXPECT_DOUBLE_EQ(b.k_mod[0][0], 0.6);

    const NAD_EC5_Block seven = Read(Old_Block(9, 0));
    EXPECT_DOUBLE_EQ(seven.gamma_M_solid, 1.4);
    EXPECT_DOUBLE_EQ(seven.gamma_M_accidental, 1.05);
    EXPECT_DOUBLE_EQ(seven.k_mod[4][2], 0.91);  // service class 3, instantaneous
    EXPECT_DOUBLE_EQ(seven.deflection[0], 310);  // w_inst normal
    EXPECT_DOUBLE_EQ(seven.deflection[1], 155);  // w_inst cantilever
    EXPECT_DOUBLE_EQ(seven.k_cr_solid, 0.7);
}

TEST(EC5Block, ComparisonNeedsVersionsAboveNine) {
    const NAD_EC5_Block nine_a = Read(Old_Block(9, 0));
    NAD_EC5_Block nine_b = nine_a;
    nine_b.gamma_M_panels = 2.0;
    EXPECT_EQ(NAD_Compare_EC5(&nine_a, &nine_b), 0);
    NAD_EC5_Block a = Defaults();
    NAD_EC5_Block b = Defaults();
    b.gamma_M_fire = 1.2;  // takes no part
    EXPECT_EQ(NAD_Compare_EC5(&a, &b), 0);
    b.k_def[2] = 2.0000001;  // compared exactly
    EXPECT_EQ(NAD_Compare_EC5(&a, &b), 1);
}

TEST(EC5Block, OldSectionIsFoundByItsHeader) {
    const NAD_EC5_Block b = Read(" 1.0 2.0\n EC5 Parameter\n" + Old_Block(6, 1), 0);
    EXPECT_EQ(b.version, 6);
    EXPECT_EQ(b.variant, 1);
    const NAD_EC5_Block missing = Read("#NAD\n EC5 Parameter\n 6 1\n", 0);
    EXPECT_EQ(missing.variant, 0);
    EXPECT_EQ(missing.na7_switch, 0);
}

TEST(EC5Block, EveryFieldReadsBackFromItsPlace) {
    NAD_EC5_Block b = Defaults();
    Set_Distinct_Values(&b);
    const NAD_EC5_Block r = Read(Written(b));
    EXPECT_EQ(r.version, 17);
    EXPECT_EQ(Written(r), Written(b));
    EXPECT_EQ(NAD_Compare_EC5(&r, &b), 0);
    // Two fields the comparison leaves out, and fields written twice of which the later place counts.
    EXPECT_EQ(r.further_switch, b.further_switch);
    EXPECT_DOUBLE_EQ(r.gamma_M_fire, b.gamma_M_fire);
    EXPECT_DOUBLE_EQ(r.gamma_M_solid, 1.51);
    EXPECT_DOUBLE_EQ(r.gamma_M_accidental, 1.53);
    EXPECT_EQ(r.k_cr_form, b.k_cr_form);
    EXPECT_DOUBLE_EQ(r.k_cr_solid, 0.49);
    EXPECT_DOUBLE_EQ(r.deflection[5], 306);
    EXPECT_DOUBLE_EQ(r.k_shape_factor, 0.51);
}

TEST(EC5Block, ComparisonCountsAllButTheFireValues) {
    struct Case {
        const char* what;
        void (*change)(NAD_EC5_Block&);
        int differs;
    };
    const Case cases[] = {
        {"variant", [](NAD_EC5_Block& b) { b.variant = 1; }, 1},
        {"NA.1", [](NAD_EC5_Block& b) { b.na1_switch = 1; }, 1},
        {"NA.1 index (b)", [](NAD_EC5_Block& b) { b.na1_index_b_switch = 1; }, 1},
        {"gamma_M plasterboard", [](NAD_EC5_Block& b) { b.gamma_M_plasterboard = 1.2; }, 1},
        {"gamma_M cross-laminated timber", [](NAD_EC5_Block& b) { b.gamma_M_clt = 1.2; }, 1},
        {"k_mod", [](NAD_EC5_Block& b) { b.k_mod[4][2] = 1.0; }, 1},
        {"deflection", [](NAD_EC5_Block& b) { b.deflection[5] = 200; }, 1},
        {"w_net,fin combination", [](NAD_EC5_Block& b) { b.w_net_fin_combination = 2; }, 1},
        {"NA.7", [](NAD_EC5_Block& b) { b.na7_switch = 1; }, 1},
        {"k_shape maximum", [](NAD_EC5_Block& b) { b.k_shape_max = 1.3; }, 1},
        {"NCI factor", [](NAD_EC5_Block& b) { b.nci_633_factor = 0.9; }, 1},
        {"further switch", [](NAD_EC5_Block& b) { b.further_switch = 0; }, 0},
        {"gamma_M fire", [](NAD_EC5_Block& b) { b.gamma_M_fire = 1.1; }, 0},
        {"version", [](NAD_EC5_Block& b) { b.version = 12; }, 0},
    };
    const NAD_EC5_Block a = Defaults();
    for (const Case& c : cases) {
        NAD_EC5_Block b = a;
        c.change(b);
        EXPECT_EQ(NAD_Compare_EC5(&a, &b), c.differs) << c.what;
    }
}

TEST(EC5Block, CopyTakesEveryFieldButTheVersion) {
    NAD_EC5_Block source = Defaults();
    Set_Distinct_Values(&source);
    NAD_EC5_Block target = Read(Old_Block(10, 0));
    NAD_Copy_EC5(&target, &source);
    EXPECT_EQ(target.version, 10);
    target.version = source.version;
    EXPECT_EQ(Written(target), Written(source));
    EXPECT_EQ(target.further_switch, source.further_switch);
    EXPECT_DOUBLE_EQ(target.gamma_M_fire, source.gamma_M_fire);
    NAD_Copy_EC5(&target, nullptr);
    NAD_Copy_EC5(nullptr, &source);
}

TEST(EC5Block, OlderVersionsReadTheirValuesOnly) {
    // Version 0 carries one value after the variant; version 2 ends with NA.11; version 4 with NA.15.
    const NAD_EC5_Block v0 = Read(" 0 1 0.5\n");
    EXPECT_EQ(v0.version, 0);
    EXPECT_EQ(v0.variant, 1);
    EXPECT_EQ(v0.na1_switch, 0);
    EXPECT_EQ(v0.na7_switch, 1);  // completed after the variant
    const NAD_EC5_Block v2 = Read(" 2 0 1\n 1 0.7 0.7 1.0\n 1\n 9 9 9\n");
    EXPECT_EQ(v2.na1_switch, 1);
    EXPECT_EQ(v2.na11_switch, 1);
    EXPECT_DOUBLE_EQ(v2.gamma_M_panels, 1.2);
    const NAD_EC5_Block v4 = Read(Old_Block(6, 0).replace(0, 3, " 4"));
    EXPECT_EQ(v4.na15_switch, 1);
    EXPECT_EQ(v4.threaded_rod_switch, 0);  // version 5 added it
    EXPECT_DOUBLE_EQ(v4.gamma_M_plasterboard, 1.38);
}

TEST(EC5Block, GroupThatDoesNotConvertStopsWithoutCompletion) {
    // Version 12 of the German annex cut after NA.21: NA.20 is not read and not completed from the
    // variant, it keeps its built-in 0.
    std::string text = Old_Block(10, 1) + " 1\n";
    text.replace(0, 3, " 12");
    NAD_EC5_Block b;
    Memory_Stream s(text);
    EXPECT_EQ(NAD_Read_EC5(s, &b, 1), 1);
    EXPECT_EQ(b.version, 12);
    EXPECT_EQ(b.na21_switch, 1);
    EXPECT_EQ(b.na20_switch, 0);
    EXPECT_EQ(b.na7_switch, 0);
    EXPECT_DOUBLE_EQ(b.k_shape_factor, 0.15);
    EXPECT_DOUBLE_EQ(b.gamma_M_fire, 1.1);  // read before the cut
}
