// The EN 1992 block: its 30 lines, the versions the reader accepts and what it completes, the check
// of its codes and the comparison.
#include "annex/ec2_block.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "annex/annex_test_support.h"
#include "common/cp437.h"

namespace {

NAD_EC2_Block Defaults() { return Block_Set_By(NAD_Set_EC2_Defaults); }

std::string Written(const NAD_EC2_Block& b) { return Written_Text(NAD_Write_EC2, b); }

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lowest block version that holds lines 9 to 30.
constexpr int From_Version[] = {1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 8, 9, 10, 11, 12, 15, 15, 16, 17, 17, 18};

// The block of the given version made from the written lines of the block: lines 1 to 7, the
// version, and the later lines that the version holds (line 30 with gamma_M,fi from version 20 only).
std::string Block_Of_Version(const NAD_EC2_Block& b, int version) {
    const std::vector<std::string> lines = Lines(Written(b));
    std::string text;
    for (int k = 0; k < 7; ++k) text += lines[k] + "\n";
    text += " " + std::to_string(version) + "\n";
    if (version <= 0) return text;
    for (int k = 8; k < 30; ++k) {
        if (version < From_Version[k - 8]) continue;
        std::string line = lines[k];
        if (k == 29 && version < 20) line = line.substr(0, line.rfind(' '));
        text += line + "\n";
    }
    return text;
}

NAD_EC2_Block Read(const std::string& text, int* result = nullptr) {
    NAD_EC2_Block b;
    Memory_Stream s(text);
    const int r = NAD_Read_EC2(s, &b);
    if (result) *result = r;
    return b;
}

}  // namespace

TEST(EC2Block, DefaultsAsWritten) {
    const std::vector<std::string> lines = Lines(Written(Defaults()));
    ASSERT_EQ(lines.size(), 30u);
    EXPECT_EQ(lines[0], " 2 2 2 2 2 2 2 2 2 1.000000 0.000000 0.000000 1.000000 1.000000");
    EXPECT_EQ(lines[2], " 0.700000 0.800000 0.600000 0.180000 0.052500 0.150000 0.600000 0.150000 0.042000 0.150000");
    EXPECT_EQ(lines[7], " 20");
    EXPECT_EQ(lines[16], " 0 0");
    EXPECT_EQ(lines[26], " 0.600000  0.450000  0.800000  1.000000 0.650000");
    EXPECT_EQ(lines[29], " 200.000000 1.000000");
    const NAD_EC2_Block d = Defaults();
    EXPECT_STREQ(d.situation_names[0], To_Cp437("ständig/veränderlich").c_str());
    EXPECT_STREQ(d.exposure_names[11], "XS3");
}

TEST(EC2Block, WriteReadRoundTripComparesEqual) {
    NAD_EC2_Block b = Defaults();
    b.gamma_c[0] = 1.45;
    b.alpha_cc = 0.85;
    b.C_Rd_c = 0.15;
    b.v_min_form = 1;
    b.k_stress[4] = 0.7;
    b.theta_0_denominator = 300;
    b.reserved_choice = 2;
    int result = -1;
    const NAD_EC2_Block r = Read(Written(b), &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(r.version, 20);
    EXPECT_EQ(NAD_Compare_EC2(&r, &b), 0);
    EXPECT_DOUBLE_EQ(r.gamma_c[0], 1.45);
    EXPECT_DOUBLE_EQ(r.alpha_cc, 0.85);
    EXPECT_EQ(r.v_min_form, 1);
    EXPECT_DOUBLE_EQ(r.theta_0_denominator, 300);
}

TEST(EC2Block, VersionFiveIsCompleted) {
    NAD_EC2_Block b = Defaults();
    b.nu = 0.7;
    b.nu_l = 0.55;
    b.v_min = 0.035;
    b.gamma_c_sls = 1.3;
    const NAD_EC2_Block r = Read(Block_Of_Version(b, 5));
    EXPECT_EQ(r.version, 5);
    EXPECT_DOUBLE_EQ(r.nu_T, 0.7);
    EXPECT_DOUBLE_EQ(r.nu_l_T, 0.55);
    EXPECT_DOUBLE_EQ(r.v_min, 0.0525);
    EXPECT_DOUBLE_EQ(r.gamma_c_sls, 1.0);
    EXPECT_DOUBLE_EQ(r.gamma_s_sls, 1.0);
    const double gamma_c[4] = {1.5, 1.5, 1.5, 1.2};
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(r.bridge_gamma_c[k], gamma_c[k]);
        EXPECT_DOUBLE_EQ(r.bridge_gamma_s[k], k < 3 ? 1.15 : 1.0);
    }
    EXPECT_DOUBLE_EQ(r.r_sup_pretensioned, 1.0);
    EXPECT_DOUBLE_EQ(r.r_inf_post_tensioned, 1.0);
    EXPECT_DOUBLE_EQ(r.bridge_C_Rd_c, 0.18);  // the built-in bridge value stays with variant 0
}

TEST(EC2Block, GermanBridgeValuesCompleteVersionsBeforeSeventeen) {
    NAD_EC2_Block b = Defaults();
    b.variant = 1;
    for (int k = 0; k < 4; ++k) b.bridge_gamma_c[k] = 1.7;
    b.r_sup_pretensioned = 1.2;
    const NAD_EC2_Block v17 = Read(Block_Of_Version(b, 17));
    EXPECT_DOUBLE_EQ(v17.bridge_gamma_c[3], 1.7);
    EXPECT_DOUBLE_EQ(v17.r_sup_pretensioned, 1.2);

    const NAD_EC2_Block v16 = Read(Block_Of_Version(b, 16));
    EXPECT_DOUBLE_EQ(v16.bridge_gamma_c[0], 1.5);
    EXPECT_DOUBLE_EQ(v16.bridge_gamma_c[3], 1.3);
    EXPECT_DOUBLE_EQ(v16.r_sup_pretensioned, 1.05);
    EXPECT_DOUBLE_EQ(v16.r_inf_pretensioned, 0.95);
    EXPECT_DOUBLE_EQ(v16.r_sup_post_tensioned, 1.1);
    EXPECT_DOUBLE_EQ(v16.r_inf_post_tensioned, 0.9);
    EXPECT_DOUBLE_EQ(v16.bridge_C_Rd_c, 0.18);  // stored from version 15

    const NAD_EC2_Block v14 = Read(Block_Of_Version(b, 14));
    EXPECT_DOUBLE_EQ(v14.bridge_C_Rd_c, 0.15);
    EXPECT_DOUBLE_EQ(v14.bridge_cot_theta_max, 1.75);
    EXPECT_DOUBLE_EQ(v14.bridge_column_lower_bound, 0.003);
    EXPECT_EQ(v14.bridge_nu_1_form, 1);
    EXPECT_DOUBLE_EQ(v14.k_fire_columns, 1.0);  // fixed for the German rules
}

TEST(EC2Block, GammaMFiIsAlwaysOneAfterReading) {
    NAD_EC2_Block b = Defaults();
    b.gamma_M_fi = 1.3;
    // Version 19 stores gamma_M,fi as a fourth value of line 11.
    std::string v19 = Block_Of_Version(b, 19);
    const std::string line11 = " 1 0.500000 0\n";
    ASSERT_NE(v19.find(line11), std::string::npos);
    v19.replace(v19.find(line11), line11.size(), " 1 0.500000 0 1.3\n");
    const NAD_EC2_Block r19 = Read(v19);
    EXPECT_EQ(r19.version, 19);
    EXPECT_DOUBLE_EQ(r19.theta_0_denominator, 200);
    EXPECT_DOUBLE_EQ(r19.gamma_M_fi, 1.0);
    EXPECT_DOUBLE_EQ(Read(Written(b)).gamma_M_fi, 1.0);
}

TEST(EC2Block, WordInLineFourEndsTheReadExceptInVersionTwelve) {
    NAD_EC2_Block b = Defaults();
    b.gamma_c[0] = 1.4;  // line 16, read only when the read goes on
    std::string v20 = Block_Of_Version(b, 20);
    const std::string value = " 2.500000 0.000000 ";
    ASSERT_NE(v20.find(value), std::string::npos);
    v20.replace(v20.find(value), value.size(), " 2.500000 frei ");
    int result = 0;
    const NAD_EC2_Block r20 = Read(v20, &result);
    EXPECT_EQ(r20.version, 20);             // the built-in version: the read did not finish
    EXPECT_DOUBLE_EQ(r20.gamma_c[0], 1.5);  // not reached
    EXPECT_DOUBLE_EQ(r20.k4_cracks, 0.425);
    EXPECT_EQ(result, -1);

    // Version 12 stored words in line 4, line 9 and line 15.
    std::vector<std::string> lines = Lines(Block_Of_Version(b, 12));
    lines[3].replace(lines[3].find(value), value.size(), " 2.500000 frei ");
    lines[8] = " 2 0.500000 frei";
    lines[14] = " 0.150000 0.500000 1.000000 0.250000 x y 0.002000 0.001300";
    std::string v12;
    for (const std::string& line : lines) v12 += line + "\n";
    const NAD_EC2_Block r12 = Read(v12, &result);
    EXPECT_EQ(r12.version, 12);
    EXPECT_DOUBLE_EQ(r12.reserved_value_2, 0);
    EXPECT_DOUBLE_EQ(r12.gamma_c[0], 1.4);
    EXPECT_DOUBLE_EQ(r12.beam_lower_bound, 0.0013);
    EXPECT_DOUBLE_EQ(r12.gamma_c_sls, 1.0);
}

TEST(EC2Block, CheckCountsCodesOutOfRange) {
    NAD_EC2_Block b = Defaults();
    EXPECT_EQ(NAD_Check_EC2(&b, 0), 0);
    b.k2_form = 3;
    b.bridge_nu_1_form = 0;
    b.steel_class_fire = 2;
    b.hsc_class_fire = 4;
    b.reserved_choice = -1;
    b.thermal_form = 7;  // not checked
    EXPECT_EQ(NAD_Check_EC2(&b, 0), 5);
    EXPECT_EQ(b.k2_form, 3);
    EXPECT_EQ(NAD_Check_EC2(&b, 1), 5);
    EXPECT_EQ(b.k2_form, 2);
    EXPECT_EQ(b.bridge_nu_1_form, 2);
    EXPECT_EQ(b.steel_class_fire, 0);
    EXPECT_EQ(b.hsc_class_fire, 1);
    EXPECT_EQ(b.reserved_choice, 1);
    EXPECT_EQ(NAD_Check_EC2(&b, 0), 0);
    EXPECT_EQ(NAD_Check_EC2(nullptr, 1), 0);
}

TEST(EC2Block, ComparisonTolerance) {
    const NAD_EC2_Block a = Defaults();
    struct Case {
        const char* what;
        void (*change)(NAD_EC2_Block&);
        int differ;
    };
    const Case cases[] = {
        {"alpha_cc by 0.0001", [](NAD_EC2_Block& b) { b.alpha_cc = 1.0001; }, 0},
        {"alpha_cc by 0.00011", [](NAD_EC2_Block& b) { b.alpha_cc = 1.00011; }, 1},
        {"reserved value", [](NAD_EC2_Block& b) { b.reserved_value_1 = 5; }, 0},
        {"reserved factor", [](NAD_EC2_Block& b) { b.reserved_factor = 0.8; }, 1},
        {"form code", [](NAD_EC2_Block& b) { b.nu_1l_form = 1; }, 1},
        {"K of a cantilever", [](NAD_EC2_Block& b) { b.K[4] = 0.5; }, 1},
        {"variant", [](NAD_EC2_Block& b) { b.variant = 1; }, 1},
        {"version 0", [](NAD_EC2_Block& b) { b.version = 0; b.variant = 1; }, 0},
    };
    for (const Case& c : cases) {
        NAD_EC2_Block b = a;
        c.change(b);
        EXPECT_EQ(NAD_Compare_EC2(&a, &b), c.differ) << c.what;
    }
    EXPECT_EQ(NAD_Compare_EC2(&a, nullptr), 1);
}
