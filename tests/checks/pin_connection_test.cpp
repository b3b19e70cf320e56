#include <gtest/gtest.h>

#include <string>

#include "checks/pin_connection.h"
#include "checks/pin_resistances.h"
#include "checks/pin_test_support.h"

namespace {

struct Pin_Connection : ::testing::Test {
    Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C = Test_Pin_Joint(&factors);
    int governing = 99;

    void Verify() { Verify_Pin_Connection(&C, &governing, nullptr, 0); }
    std::string Report(int level) {
        return Paragraph_Or_Empty([&](FILE* s) { Verify_Pin_Connection(&C, &governing, s, level); });
    }
};

}  // namespace

// Code_Edition 0 (γM0 1.0, γM2 1.25): F_v,Rd = 0.6·420·π·30²/4 / 1.25 = 142502.6 N against
// F_v,Ed = 200/2 kN (U 0.702); F_b,Rd = 1.5·20·30·340 = 306000 N (eye bar 1, 200 kN) and
// 1.5·12·30·340 = 183600 N (eye bar 2, 100 kN); M_Ed = 1300 N·m against M_Rd = 1.5·340·π·30³/32
// = 1351.87 N·m (U 0.962); the combination 0.702² + 0.962² = 1.417 governs without an error bit.
TEST_F(Pin_Connection, Edition2010Values) {
    Use_Recommended_Rules(0);
    Verify();
    EXPECT_NEAR(C.results.F_v_Rd, 142502.6, 0.1);
    EXPECT_NEAR(C.results.F_b_Rd_1, 306000.0, 1e-6);
    EXPECT_NEAR(C.results.F_b_Rd_2, 183600.0, 1e-6);
    EXPECT_NEAR(C.results.M_Rd, 1351.867, 1e-3);
    EXPECT_NEAR(C.results.U_pin_combination, 1.41717, 1e-5);
    EXPECT_NEAR(C.U_max, 1.41717, 1e-5);
    EXPECT_EQ(C.Check_Error_Flags, 0);
    EXPECT_EQ(governing, 0);
}

// Code_Edition 1 verifies the shear force of one shear plane as it is: situation 2 F/2 = 100 kN,
// situation 3 β F = 111.11 kN (U = 111111/142502.6 = 0.780, the largest), situation 4 (1 - β) F =
// 88.89 kN. Without bearing and bending only the shear counts, so situation 3 governs.
TEST_F(Pin_Connection, Edition2025ShearOfOnePlane) {
    Use_Recommended_Rules(1);
    C.options |= Bolt_Option_No_Pin_Bearing | Bolt_Option_No_Pin_Bending;
    Verify();
    EXPECT_NEAR(C.U_max, 111111.11 / 142502.6, 1e-6);
    EXPECT_EQ(governing, 2);

    // A pin marked as a bolt takes the whole force per plane under Code_Edition 0 as well.
    Use_Recommended_Rules(0);
    Bolt_Connection D = Test_Pin_Joint(&factors);
    D.options |= Bolt_Option_No_Pin_Bearing | Bolt_Option_No_Pin_Bending;
    Verify_Pin_Connection(&D, &governing, nullptr, 0);
    EXPECT_NEAR(D.U_max, 100000.0 / 142502.6, 1e-6);
    D.options |= Bolt_Option_Pin_As_Bolt;
    D.fastener.effective_class_index = Bolt_Class_8_8;   // α_v 0.6 as for a pin
    D.U_max = 0.0;
    Verify_Pin_Connection(&D, &governing, nullptr, 0);
    EXPECT_NEAR(D.U_max, 200000.0 / 142502.6, 1e-6);
}

// Code_Edition 1: situation 1 (bending 1300/1351.87 = 0.962) governs; its shear of 0 computes no
// F_v,Rd, so it shows no combination.
TEST_F(Pin_Connection, Edition2025Situations) {
    Use_Recommended_Rules(1);
    Verify();
    EXPECT_NEAR(C.U_max, 1300.0 / 1351.867, 1e-5);
    EXPECT_EQ(governing, 0);
    // The last pass leaves its combination: (88889/142502.6)² + (888.89/1351.87)² = 0.821.
    EXPECT_NEAR(C.results.U_pin_combination, 0.8215, 1e-4);
}

// Not a pin: nothing but the governing situation -1.
TEST_F(Pin_Connection, OnlyPins) {
    C.fastener.type = Fastener_Bolt;
    Verify();
    EXPECT_EQ(governing, -1);
    EXPECT_EQ(C.U_max, 0.0);
    EXPECT_EQ(C.results.F_v_Rd, 0.0);
    Verify_Pin_Connection(nullptr, &governing, nullptr, 0);
    EXPECT_EQ(governing, -1);
}

// Without loads, or without the verification switch, nothing is verified and nothing governs.
TEST_F(Pin_Connection, NoLoadsOrNoVerification) {
    Use_Recommended_Rules(0);
    for (double F_Ed : {0.0, 0.001, -5000.0}) {
        Bolt_Connection D = Test_Pin_Joint(&factors);
        D.F_v_Ed = F_Ed;
        D.F_v_Ed_ser = F_Ed;
        Verify_Pin_Connection(&D, &governing, nullptr, 0);
        EXPECT_EQ(D.U_max, 0.0) << F_Ed;
        EXPECT_EQ(governing, -1);
        EXPECT_EQ(D.results.F_v_Rd, 0.0);
        EXPECT_EQ(D.results.M_Rd, 0.0);
        EXPECT_EQ(D.Check_Error_Flags, 0);
    }
    C.context.verification = 0;
    C.e_11 = 10.0;   // the geometry would fail, but it is not verified
    C.pin_geometry = 1;
    Verify();
    EXPECT_EQ(C.U_max, 0.0);
    EXPECT_EQ(governing, -1);
    EXPECT_EQ(C.Check_Error_Flags, 0);
    EXPECT_NEAR(C.results.F_v_Rd, 142502.6, 0.1);
}

// Errors: a negative resistance makes U_max not determinable and sets its bits; a later
// utilisation cannot raise it, and the governing situation keeps the value reached before.
TEST_F(Pin_Connection, ResistanceErrors) {
    Use_Recommended_Rules(1);
    factors.gamma_M[Gamma_M2] = 0.0;   // F_v,Rd not determinable from situation 2 on
    Verify();
    EXPECT_EQ(C.U_max, -1.0);
    EXPECT_EQ(C.Check_Error_Flags, Pin_Error_Shear);
    EXPECT_EQ(governing, 0);

    struct Case {
        int gamma_index;
        int replaceable;
        int bits;
    };
    const Case cases[] = {
        {Gamma_M0, 0, Pin_Error_Bearing | Pin_Error_Bending},
        {Gamma_M6_Ser, 1, Pin_Error_Bearing | Pin_Error_Bending},
    };
    for (const Case& c : cases) {
        for (int verification : {1, 0}) {
            Safety_Factors f = Test_Safety_Factors();
            f.gamma_M[c.gamma_index] = 0.0;
            Bolt_Connection D = Test_Pin_Joint(&f);
            D.fastener.replaceable = c.replaceable;
            D.context.verification = verification;
            Verify_Pin_Connection(&D, &governing, nullptr, 0);
            EXPECT_EQ(D.Check_Error_Flags, c.bits) << c.gamma_index << " " << verification;
            // Without the verification switch the bits are set, U_max stays.
            EXPECT_EQ(D.U_max, verification ? -1.0 : 0.0) << c.gamma_index;
        }
    }
}

// The bolted-connection verification sends a pin here and names the governing situation in its
// closing line under Code_Edition 1 (situation 1: bending 1300/1351.87 = 0.962).
TEST_F(Pin_Connection, ThroughTheBoltedConnection) {
    Use_Recommended_Rules(1);
    const std::string text =
        Report_With_Result([&](FILE* s) { return Verify_Bolt_Connection(&C, s, 1); }, 0);
    EXPECT_NE(text.find("Maximale Ausnutzung (Situation 1) U╬\\max╬r = 0.962  <  1"_cp), std::string::npos) << text;
    EXPECT_NEAR(C.U_max, 1300.0 / 1351.867, 1e-5);
}
