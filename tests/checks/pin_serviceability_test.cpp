#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks/pin_resistances.h"
#include "checks/pin_test_support.h"

namespace {

struct Pin_Serviceability : ::testing::Test {
    Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C = Test_Pin_Joint(&factors);
};

}  // namespace

// Replaceable pin, eye bar 1 of 20 mm, f_y,min = min(355, 340) = 340 N/mm², γM6,ser 1.0:
// F_b,Rd,ser = 0.6·30·20·340 = 122400 N; f_h,Rd = 2.5·340 = 850 N/mm²; with E 210000 N/mm², F_Ed,ser
// 150 kN, d0 31 mm: σ_h,Ed = 0.591·(210000·150000·1/(900·20))^1/2 = 781.8 N/mm².
TEST_F(Pin_Serviceability, EyeBar1) {
    EXPECT_EQ(Report_With_Result([&](FILE* s) { return Compute_Pin_Bearing_Resistance_SLS(&C, s, 2, 1); }, 0),
              Pin_Lines(" Lochleibungstragfähigkeit im GZG:  F╬\\b,Rd,ser╬r = (0.6╬/.╬rf╬\\y,min╬r╬/.╬rd╬/.╬rt) / └╬\\M6,ser╬r"
                        " = 122.40 kN,  f╬\\y,min╬r = 340.0 N/mm²,  t = 20.0 mm\n"_cp));
    EXPECT_NEAR(C.results.F_b_Rd_ser_1, 122400.0, 1e-6);
    EXPECT_EQ(Report_With_Result([&](FILE* s) { return Compute_Allowable_Contact_Stress(&C, s, 1, 1); }, 0),
              Pin_Lines(" zul. Lochleibungsspannung f╬\\h,Rd╬r = (2.5╬/.╬rf╬\\y╬r) / └╬\\M6,ser╬r = 850.00 N/mm²\n"_cp));
    EXPECT_NEAR(C.results.f_h_Rd_1, 850.0, 1e-9);
    EXPECT_EQ(Report_With_Result([&](FILE* s) { return Compute_Pin_Contact_Stress(&C, s, 1, 1); }, 0),
              Pin_Lines(" Lochleibungsspannung ╠╬\\h,Ed╬r = 0.591╬/.╬r(E╬/.╬rF╬\\b,Ed,ser╬r╬/.╬r(d╬\\0╬r-d)/(d²╬/.╬rt))╬/1/2╬r"
                        " = 781.8 N/mm²\n"_cp));
    EXPECT_NEAR(C.results.sigma_h_Ed_1, 0.591 * std::sqrt(210000.0 * 150000.0 / 18000.0), 1e-9);
    // Nothing at level 0.
    EXPECT_EQ(Report_With_Result([&](FILE* s) { return Compute_Pin_Contact_Stress(&C, s, 0, 1); }, 0), "");
}

// Eye bar 2 of a double-shear connection takes F_Ed,ser/2 for its contact stress, under either
// edition: 0.591·(210000·75000/(900·12))^1/2 = 713.7 N/mm²; a single shear plane the whole force.
TEST_F(Pin_Serviceability, EyeBar2) {
    for (int edition : {0, 1}) {
        Use_Recommended_Rules(edition);
        EXPECT_EQ(Report_With_Result([&](FILE* s) { return Compute_Pin_Contact_Stress(&C, s, 2, 2); }, 0),
                  Pin_Lines(" Lochleibungsspannung:  ╠╬\\h,Ed╬r = 0.591╬/.╬r(E╬/.╬rF╬\\b,Ed,ser╬r╬/.╬r(d╬\\0╬r-d)/(d²╬/.╬rt))╬/1/2╬r"
                            " = 713.7 N/mm², F╬\\b,Ed,ser╬r = F╬\\Ed,ser╬r/2\n"_cp));
    }
    C.shear_planes = 1;
    Compute_Pin_Contact_Stress(&C, nullptr, 0, 2);
    EXPECT_NEAR(C.results.sigma_h_Ed_2, 0.591 * std::sqrt(210000.0 * 150000.0 / 10800.0), 1e-9);
    Compute_Pin_Bearing_Resistance_SLS(&C, nullptr, 0, 2);
    EXPECT_NEAR(C.results.F_b_Rd_ser_2, 0.6 * 30 * 12 * 340, 1e-9);
}

// σ_h,Ed: a hole smaller than the pin cannot be determined (-1, result 1, nothing printed); a hole
// equal to the pin gives 0; a missing pin or plate gives -1; a negative service force acts as none.
TEST_F(Pin_Serviceability, ContactStressLimits) {
    struct Case {
        double d_0, d_pin, t, F_ser, sigma;
        int result;
    };
    const Case cases[] = {
        {29.0, 30.0, 20.0, 150000.0, -1.0, 1},
        {30.0, 30.0, 20.0, 150000.0, 0.0, 0},
        {31.0, 0.0, 20.0, 150000.0, -1.0, 1},
        {31.0, 30.0, 0.0, 150000.0, -1.0, 1},
        {31.0, 30.0, 20.0, -150000.0, 0.0, 0},
        {31.0, 30.0, 20.0, 0.0, 0.0, 0},
    };
    for (const Case& c : cases) {
        C.fastener.d_0 = c.d_0;
        C.fastener.d_pin = c.d_pin;
        C.plate_1.t = c.t;
        C.F_v_Ed_ser = c.F_ser;
        EXPECT_EQ(Report_With_Result([&](FILE* s) { return Compute_Pin_Contact_Stress(&C, s, 2, 1); }, c.result) ==
                      "",
                  c.sigma < 0.0)
            << c.d_0 << " " << c.d_pin;
        EXPECT_EQ(C.results.sigma_h_Ed_1, c.sigma) << c.d_0 << " " << c.d_pin << " " << c.t;
    }
}

// γM6,ser below 0.001: F_b,Rd,ser and f_h,Rd cannot be determined. Any fastener but a pin: the
// contact stress routines store nothing.
TEST_F(Pin_Serviceability, NotDeterminableAndOtherFasteners) {
    factors.gamma_M[Gamma_M6_Ser] = 0.0005;
    EXPECT_EQ(Report_With_Result([&](FILE* s) { return Compute_Pin_Bearing_Resistance_SLS(&C, s, 1, 2); }, 1),
              Pin_Lines(" F╬\\b,Rd,ser╬r nicht ermittelbar "_cp + Error_Mark + "\n"));
    EXPECT_EQ(C.results.F_b_Rd_ser_2, -1.0);
    EXPECT_EQ(Compute_Allowable_Contact_Stress(&C, nullptr, 0, 1), 1);
    EXPECT_EQ(C.results.f_h_Rd_1, -1.0);

    Bolt_Connection D = Test_Pin_Joint(&factors);
    D.fastener.type = Fastener_Bolt;
    D.results.sigma_h_Ed_1 = D.results.f_h_Rd_1 = 7.0;
    EXPECT_EQ(Compute_Pin_Contact_Stress(&D, nullptr, 0, 1), 0);
    EXPECT_EQ(Compute_Allowable_Contact_Stress(&D, nullptr, 0, 1), 0);
    EXPECT_EQ(D.results.sigma_h_Ed_1, 7.0);
    EXPECT_EQ(D.results.f_h_Rd_1, 7.0);
    EXPECT_EQ(Compute_Pin_Contact_Stress(nullptr, nullptr, 0, 1), 0);
    EXPECT_EQ(Compute_Pin_Bearing_Resistance_SLS(&D, nullptr, 0, 3), 0);
}
