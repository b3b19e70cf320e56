#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_compression.h"
#include "checks/tstub_compression_test_support.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "test_support.h"

namespace {

// The base plate with its steel derived, as the file block holds it.
T_Stub_Compression Base_Plate() {
    T_Stub_Compression T = Test_Base_Plate();
    Check_Plate(&T.plate, nullptr, 0, 0x71, nullptr);
    return T;
}

const std::string Plate_Block =
    " 0\n"
    " 20.000000 300.000000 400.000000\n"
    " 3\n"
    " 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000"
    " 235.000000 360.000000 215.000000 360.000000 215.000000 360.000000\n"
    " ~~~~~~~~~~~~~~~~~~~~~~~~~\n"
    " 0\n";

T_Stub_Compression Read(const std::string& block, int expected_result) {
    Text_Stream in(block);
    T_Stub_Compression T;
    Init_T_Stub_Compression(&T);
    EXPECT_EQ(Read_T_Stub_Compression(in.stream, &T), expected_result) << block;
    return T;
}

}  // namespace

TEST(Init_T_Stub_Compression, DefaultsOfANewRecord) {
    T_Stub_Compression T;
    T.U_max = 5.0;
    T.context.verification = 1;
    Init_T_Stub_Compression(&T);
    EXPECT_DOUBLE_EQ(T.beta_j, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(T.spread_ratio, 0.0);
    EXPECT_EQ(T.concrete.grade, 7);
    EXPECT_EQ(T.concrete.own_values, 0);
    EXPECT_STREQ(T.concrete.designation, " C20/25");
    EXPECT_DOUBLE_EQ(T.f_ck, 20.0);
    EXPECT_DOUBLE_EQ(T.plate.material.E, 210000.0);
    for (double v : {T.plate.t, T.c1, T.c2, T.t_s, T.b_s, T.F_c_Ed, T.l_eff, T.b_eff, T.U_max}) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(T.context.verification, 0);
    EXPECT_EQ(T.context.factors, nullptr);
    Init_T_Stub_Compression(nullptr);
}

TEST(Copy_T_Stub_Compression, CopiesTheInputButNoResults) {
    T_Stub_Compression S = Base_Plate();
    S.concrete.grade = 9;
    S.context.verification = 1;
    S.U_max = 0.7;
    S.F_c_Rd = 1000.0;
    T_Stub_Compression T;
    Copy_T_Stub_Compression(&S, &T);
    EXPECT_EQ(Compare_Plate(&S.plate, &T.plate), 1);
    EXPECT_EQ(T.concrete.grade, 9);
    for (auto field : {&T_Stub_Compression::beta_j, &T_Stub_Compression::spread_ratio, &T_Stub_Compression::f_ck,
                       &T_Stub_Compression::F_c_Ed, &T_Stub_Compression::c1, &T_Stub_Compression::c2,
                       &T_Stub_Compression::t_s, &T_Stub_Compression::b_s})
        EXPECT_EQ(T.*field, S.*field);
    EXPECT_EQ(T.context.verification, 0);
    EXPECT_EQ(T.U_max, 0.0);
    EXPECT_EQ(T.F_c_Rd, 0.0);
    Copy_T_Stub_Compression(&S, nullptr);
}

TEST(Prepare_T_Stub_Compression_Check, ContextAndEffectiveAreaOfAFlange) {
    Safety_Factors factors{};
    T_Stub_Compression T = Base_Plate();
    T.l_eff = T.b_eff = 9.0;
    Prepare_T_Stub_Compression_Check(&T, 1, 1, &factors);
    EXPECT_EQ(T.context.uniform_steel, 1);
    EXPECT_EQ(T.context.verification, 1);
    EXPECT_EQ(T.context.summary, 1);
    EXPECT_EQ(T.context.factors, &factors);
    EXPECT_EQ(T.l_eff, 0.0);   // a base plate
    EXPECT_EQ(T.b_eff, 0.0);

    T.c2 = 25.0;
    Prepare_T_Stub_Compression_Check(&T, 0, 0, &factors);
    EXPECT_EQ(T.context.uniform_steel, 0);
    EXPECT_EQ(T.context.verification, 0);
    EXPECT_DOUBLE_EQ(T.l_eff, 300.0);
    EXPECT_DOUBLE_EQ(T.b_eff, 80.0);
}

TEST(Write_T_Stub_Compression, BlockOfVersionTwo) {
    T_Stub_Compression T = Base_Plate();
    const std::string block = Capture_Output([&](FILE* f) { EXPECT_EQ(Write_T_Stub_Compression(f, &T), 0); });
    EXPECT_EQ(block,
              " 2\n" + Plate_Block +
                  " 0.666667 4.000000 20.000000 300000.000000 40.000000 0.000000 15.000000 200.000000\n"
                  " 3\n"
                  " 7 0 0.000000 0.000000 0.800000 29961.951055 0.300000 80769.230769 1.200000"
                  " 20.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n"
                  " ~C20/25~~~~~~~~~~~~~~~~~~\n"
                  " 0\n");
    EXPECT_EQ(Write_T_Stub_Compression(nullptr, &T), 1);
}

TEST(Read_T_Stub_Compression, RoundTripOfClassAndOwnConcrete) {
    Set_Code_Edition(0);
    T_Stub_Compression T = Base_Plate();
    T.concrete.grade = 9;   // C30/37
    T.f_ck = 30.0;
    T_Stub_Compression R =
        Read(Capture_Output([&](FILE* f) { Write_T_Stub_Compression(f, &T); }), 0);
    EXPECT_EQ(Compare_Plate(&R.plate, &T.plate), 1);
    EXPECT_DOUBLE_EQ(R.beta_j, 0.666667);
    EXPECT_DOUBLE_EQ(R.b_s, 200.0);
    EXPECT_EQ(R.concrete.grade, 9);
    EXPECT_DOUBLE_EQ(R.concrete.f_y, 30.0);   // the class values, not those of a steel row
    EXPECT_NEAR(R.concrete.E, 32836.6, 0.1);
    EXPECT_STREQ(R.concrete.designation, " C30/37");

    T.concrete.own_values = 1;
    T.concrete.f_y = 27.5;
    T.concrete.E = 31000.0;
    R = Read(Capture_Output([&](FILE* f) { Write_T_Stub_Compression(f, &T); }), 0);
    EXPECT_EQ(R.concrete.own_values, 1);
    EXPECT_DOUBLE_EQ(R.concrete.f_y, 27.5);   // travelled in the first band
    EXPECT_DOUBLE_EQ(R.concrete.E, 31000.0);
    EXPECT_STREQ(R.concrete.designation, " ");
}

TEST(Read_T_Stub_Compression, OlderBlocksKeepTheirStrength) {
    // Version 0: no b_s; the column plate is as wide as the plate, the plate as long as the spread.
    T_Stub_Compression T = Read(" 0\n" + Plate_Block + " 0.5 0 25 100000 40 0 15\n", 0);
    EXPECT_DOUBLE_EQ(T.b_s, 300.0);
    EXPECT_DOUBLE_EQ(T.plate.l, 55.0);
    EXPECT_DOUBLE_EQ(T.beta_j, 0.5);
    EXPECT_DOUBLE_EQ(T.F_c_Ed, 100000.0);
    EXPECT_EQ(T.concrete.own_values, 1);
    EXPECT_DOUBLE_EQ(T.concrete.f_y, 25.0);

    // Version 1: b_s follows, the concrete block not yet.
    T = Read(" 1\n" + Plate_Block + " 0.5 0 25 100000 40 0 15 180\n", 0);
    EXPECT_DOUBLE_EQ(T.b_s, 180.0);
    EXPECT_DOUBLE_EQ(T.plate.l, 400.0);
    EXPECT_EQ(T.concrete.own_values, 1);
    EXPECT_DOUBLE_EQ(T.concrete.f_y, 25.0);
}

TEST(Read_T_Stub_Compression, NewerOrDamagedBlocksFail) {
    Refresh_Mode = 1;
    const std::string blocks[] = {
        " 3\n" + Plate_Block + " 0.5 0 25 100000 40 0 15 180\n",      // newer than the program
        " 9998\n" + Plate_Block + " 0.5 0 25 100000 40 0 15 180\n",
        " 2\n" + Plate_Block + " 0.5 0 25 100000 40 0\n",             // six values
        " 1\n" + Plate_Block + " 0.5 0 25 100000 40 0 15\n",          // b_s missing
        " 2\n" + Plate_Block + " 0.5 0 25 100000 40 0 15 180\n",      // concrete block missing
        " x\n",
    };
    for (const std::string& block : blocks) Read(block, 1);
}
