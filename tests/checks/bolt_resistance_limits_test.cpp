// Rules of the bolted checks that keep the result on the safe side of EN 1993-1-8, EN 1993-1-4 and
// EN 1992-4: the M12/M14 rule, the cone of anchor groups, anchor rods without suitability tests,
// the given preload in service, slots in force direction, punching under the head of a bolt in a
// tapped hole, stainless plates, the edge bolt, a missing net area and own sizes without areas.
#include <gtest/gtest.h>

#include <string>

#include "checks/bolt_connection.h"
#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "frame/code_edition.h"

namespace {

const Safety_Factors& Factors() {
    static const Safety_Factors factors = Test_Safety_Factors();
    return factors;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string Verify(Bolt_Connection& C, int detail, int expected_result) {
    Prepare_Bolt_Check(&C, 0, 1, &Factors());
    return Report_With_Result([&](FILE* s) { return Verify_Bolt_Connection(&C, s, detail); }, expected_result);
}

// M12 in a hole with 2 mm clearance, thread in the shear plane, two S235 plates of thickness t,
// e_1 30, p_1 50, e_2 25; one row, categories A and none.
Bolt_Connection M12_In_2mm_Hole(int strength_class, double t) {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M12, strength_class, [](Fastener& f) { f.clearance_2mm = 1; });
    C.plate_1 = C.plate_2 = Test_Plate(t);
    C.options = Bolt_Option_Thread_In_Shear_Plane;
    C.e_11 = C.e_12 = 30.0;
    C.p_1 = 50.0;
    C.e_21 = C.e_22 = 25.0;
    C.Tension_Category = Tension_Category_None;
    C.F_v_Ed = 10000.0;
    return C;
}

}  // namespace

// EN 1993-1-8 3.6.1(5), edition 1, d_0 = 14: F_v,Rd = 0.85·0.5·1000·84.3/1.25 = 28662 N; α_b = 30/14
// = 2.143, F_b,Rd = 2.143·360·12·t/1.25 = 74057 N at t 10 (larger: refused), 22217 N at t 3.
// Class 4.6 keeps its full F_v,Rd = 0.6·400·84.3/1.25 = 16186 N, and the rule holds for it too.
TEST(Bolt_M12_Rule, ShearMustNotBeBelowBearing) {
    Use_Recommended_Rules(1);
    struct Case {
        int strength_class;
        double t;
        int result;
        const char* line;
    };
    const Case cases[] = {
        {Bolt_Class_10_9, 10.0, 1, "F╬\\b,Rd╬r = 74.06 kN > 28.66 kN = F╬\\v,Rd╬r  "_cp},
        {Bolt_Class_10_9, 3.0, 0, "F╬\\b,Rd╬r = 22.22 kN ≤ 28.66 kN = F╬\\v,Rd╬r  "_cp},
        {Bolt_Class_4_6, 10.0, 1, "F╬\\b,Rd╬r = 74.06 kN > 16.19 kN = F╬\\v,Rd╬r  "_cp},
    };
    for (const Case& c : cases) {
        Bolt_Connection C = M12_In_2mm_Hole(c.strength_class, c.t);
        const std::string text = Verify(C, 0, c.result);
        const std::string mark = c.result ? Not_Ok_Mark : Ok_Mark;
        EXPECT_TRUE(Has(text, std::string("M12-Schraube mit vergrößertem Lochspiel von maximal 2 mm: "_cp) + c.line + mark + "\n"))
            << text;
        EXPECT_EQ(C.Check_Error_Flags, c.result ? 0x3 : 0);
    }
}

// Two shear planes: F_b = min(F_b,Rd,1, 2 F_b,Rd,2) against 2 F_v,Rd.
TEST(Bolt_M12_Rule, TwoShearPlanes) {
    Use_Recommended_Rules(1);
    Bolt_Connection C = M12_In_2mm_Hole(Bolt_Class_10_9, 3.0);
    C.shear_planes = 2;
    C.plate_2 = Test_Plate(1.0);
    const std::string text = Verify(C, 0, 0);
    // F_b,Rd,2 = 2.143·360·12·1/1.25 = 7406 N, twice 14811 N; 2 F_v,Rd = 57.32 kN.
    EXPECT_TRUE(Has(text, "F╬\\b,Rd╬r = 14.81 kN ≤ 57.32 kN = 2╬/.╬rF╬\\v,Rd╬r  "_cp + Ok_Mark)) << text;
}

// EN 1992-4 7.2.1.4: headed anchors with h_ef 150 in C25/30 at p_1 = p_2 = 200: each cone keeps
// (450 + 200)/900 = 0.722 per direction, A_c,N/(4 A⁰_c,N) = 0.522; N⁰_Rk,c = 8.9·5·150^1.5 = 81751.7 N,
// N_Rd,c = 81751.7·0.5216/1.5 = 28428.07 N per anchor. A single anchor keeps the full cone.
TEST(Bolt_Anchor_Group, ConesOfNeighboursOverlap) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Anchor_Joint(8, [](Fastener& f) {
        f.material_index = Fastener_Material_Bolt_Class;
        f.class_index = Bolt_Class_5_6;
        f.anchorage = Anchorage_Anchor_Plate;
        f.l_e = 150.0;
    });
    C.Tension_Category = Tension_Category_D;
    C.Shear_Category = Shear_Category_A;
    C.e_11 = C.e_21 = 100.0;
    C.p_1 = C.p_2 = 200.0;
    C.F_v_Ed = 10000.0;
    C.F_t_Ed = 10000.0;
    const std::string text = Verify(C, 1, 0);
    EXPECT_NEAR(C.results.N_Rd_c, 28428.07, 0.01);
    // Pry-out takes the same cone: V_Rd,cp = N_Rk,c/γ_Mc.
    EXPECT_NEAR(C.results.V_Rd_cp, 28428.07, 0.01);
    EXPECT_TRUE(Has(text, " = N╬\\Rk,c╬/0╬r╬/.╬rA╬\\c,N╬r/(4╬/.╬rA╬\\c,N╬/0╬r)╬/.╬r╥╬\\s,N╬r"_cp)) << text;
    EXPECT_TRUE(Has(text, ",  A╬\\c,N╬r/(4╬/.╬rA╬\\c,N╬/0╬r) = 0.522,  N╬\\Rk,c╬/0╬r = 81.75 kN\n"_cp)) << text;

    C.p_2 = 0.0;
    Verify(C, 0, 0);
    EXPECT_NEAR(C.results.N_Rd_c, 81751.7 * 650.0 / 900.0 / 1.5, 0.1);
    C.p_1 = 0.0;
    Verify(C, 0, 0);
    EXPECT_NEAR(C.results.N_Rd_c, 81751.7 / 1.5, 0.1);
}

// EN 1993-1-8 3.6.1(3): an M24 rod of S235 without suitability tests, ℓ_e 800 mm in C30/37 where
// bond does not govern: F_t,Rd = 0.85·0.9·360·352.5/1.25 = 77663 N; with tests 91368 N.
TEST(Bolt_Anchor_Rod, TensionWithoutSuitabilityTests) {
    Use_Recommended_Rules(0);
    for (const int tests : {0, 1}) {
        Bolt_Connection C = Test_Anchor_Joint(9, [&](Fastener& f) {
            f.size_index = 8;   // M24
            f.material_index = Fastener_Material_Steel_Grade;
            f.anchorage = Anchorage_Threaded_Rod;
            f.suitability_tests = tests;
            f.l_e = 800.0;
        }, 0.0, 1000.0);
        Prepare_Bolt_Check(&C, 0, 1, &Factors());
        const std::string text =
            Report_With_Result([&](FILE* s) { return Compute_Tension_Resistance(&C, s, 1); }, 0);
        EXPECT_NEAR(C.results.F_t_Rd, tests ? 91368.0 : 77662.8, 0.1) << tests;
        EXPECT_EQ(Has(text, " Ankerschraube aus Rundstahl ohne Eignungsprüfungen:  F╬\\t,Rd╬r╬/.╬r0.85 = 77.66 kN\n"_cp),
                  tests == 0)
            << text;
    }
}

// A given preload below the computed one serves both limit states: M20 10.9 with F_p,C 120 kN,
// class A, one surface, γM3,ser 1.1: F_s,Rd,ser = 0.5·120/1.1 = 54.55 kN.
TEST(Bolt_Slip, GivenPreloadAtTheServiceabilityLimitState) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_10_9, [](Fastener& f) {
        f.large_width = 1;
        f.slip_resistant = 1;
        f.F_pC_given = 120000.0;
    });
    C.Shear_Category = Shear_Category_B;
    C.Tension_Category = Tension_Category_None;
    Prepare_Bolt_Check(&C, 0, 1, &Factors());
    EXPECT_EQ(Compute_Slip_Resistance_SLS(&C, nullptr, 0), 0);
    EXPECT_NEAR(C.results.F_s_Rd_ser, 54545.45, 0.01);
    EXPECT_NEAR(C.results.F_p_C, 120000.0, 1e-9);
}

// The shear resistance of a bolt does not depend on a slot in force direction: M20 8.8 in hole
// type 5, thread in the shear plane, F_v,Ed 110 kN against 94.00 kN: U = 1.170.
TEST(Bolt_Slot, ShearVerifiedInSlotInForceDirection) {
    Use_Recommended_Rules(1);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8,
                                        [](Fastener& f) { f.hole_type = Hole_Long_Slot_Parallel; });
    C.options = Bolt_Option_Thread_In_Shear_Plane;
    C.spacing_off = 1;
    C.e_11 = C.e_12 = 60.0;
    C.bearing_check = 0;
    C.Tension_Category = Tension_Category_None;
    C.F_v_Ed = 110000.0;
    const std::string text = Verify(C, 0, 0);
    EXPECT_TRUE(Has(text, "Abscheren: F╬\\v,Ed╬r = 110.0 kN  >  F╬\\v,Rd╬r = 94.00 kN  ê  U = 1.170  >  1  "_cp + Not_Ok_Mark))
        << text;
    EXPECT_NEAR(C.U_max, 110000.0 / 94003.2, 1e-9);
}

// A bolt in a tapped hole punches plate 1 under its head: t_1 5 mm S235, M20 (d_m 31.475 mm):
// B_p,Rd = 0.6·π·31.475·5·360/1.25 = 85433.7 N.
TEST(Bolt_Tapped_Hole, PunchingOfPlateOne) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) {
        f.tapped_hole = 1;
        f.l_e = 30.0;
    });
    C.plate_1 = Test_Plate(5.0);
    C.plate_2 = Test_Plate(40.0);
    Prepare_Bolt_Check(&C, 0, 1, &Factors());
    EXPECT_EQ(Compute_Punching_Resistance(&C, nullptr, 0), 0);
    EXPECT_NEAR(C.results.B_p_Rd, 85433.7, 0.1);
}

// EN 1993-1-4 6.2.3: plates of 1.4301 (f_y 210, f_u 520) bear with f_u,red = 0.5·210 + 0.6·520
// = 417 N/mm², whatever the bolt. M20 8.8, t 15, e_1 44 (α_b = 44/22 = 2.0), edition 1:
// F_b,Rd = 2.0·417·20·15/1.25 = 200160 N (with f_u 520 it would be 249600 N).
TEST(Bolt_Stainless_Plate, ReducedBearingStrength) {
    Use_Recommended_Rules(1);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.plate_1 = C.plate_2 = Test_Plate(15.0, 26);
    C.e_11 = C.e_12 = 44.0;
    C.e_21 = C.e_22 = 40.0;
    Prepare_Bolt_Check(&C, 0, 1, &Factors());
    EXPECT_EQ(Compute_Bearing_Resistance(&C, nullptr, 0, 1), 0);
    EXPECT_NEAR(C.results.F_b_Rd_1, 200160.0, 0.01);
}

// An edge bolt whose hole reaches the edge (e_2 ≤ d_0/2) under edition 1 carries nothing: the
// bearing resistance is not determinable and the verification fails.
TEST(Bolt_Edge_Bolt, HoleAtTheEdgeIsAnError) {
    Use_Recommended_Rules(1);
    for (const double e_2 : {11.0, 8.0}) {
        Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
        C.spacing_off = 1;
        C.e_11 = C.e_12 = 40.0;
        C.e_21 = C.e_22 = e_2;
        C.shear_check = 0;
        C.Tension_Category = Tension_Category_None;
        C.F_v_Ed = 10000.0;
        const std::string text = Verify(C, 0, 1);
        EXPECT_TRUE(Has(text, "Lochleibung: ╬HFehler╬r: F╬\\b,Rd╬r < 0 "_cp + Error_Mark + "\n")) << text;
        EXPECT_EQ(C.Check_Error_Flags, 0x101);
        EXPECT_DOUBLE_EQ(C.U_max, -1.0);
        EXPECT_FALSE(Has(text, "Nachweis wird nicht geführt"_cp));
    }
}

// Category C with the net section switch and no net area: no net section check, said so.
TEST(Bolt_Net_Section, NoNetAreaIsNotVerified) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_10_9, [](Fastener& f) {
        f.large_width = 1;
        f.slip_resistant = 1;
    });
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.Shear_Category = Shear_Category_C;
    C.Tension_Category = Tension_Category_None;
    C.slip_check = C.bearing_check = 0;
    C.A_net = 0.0;
    C.F_v_Ed = C.Sum_F_v_Ed = 10000.0;
    const std::string text = Verify(C, 0, 0);
    EXPECT_TRUE(Has(text, "Querschnittsversagen: N╬\\net,Rd╬r = 0  ê  Nachweis wird nicht geführt "_cp + Warning_Mark + "\n"))
        << text;
    const std::string protocol = Paragraph_Or_Empty([&](FILE* s) { Print_Bolt_Input(&C, s, 0); });
    EXPECT_TRUE(Has(protocol, "Scherverbindung Kategorie C (Abscheren):\n")) << protocol;
    EXPECT_FALSE(Has(protocol, "Querschnittsversagen"));
}

// An own size without its areas is refused like a rivet without its hole.
TEST(Bolt_Own_Size, WithoutAreasIsRefused) {
    Use_Recommended_Rules(0);
    Fastener F;
    Init_Fastener(&F);
    F.type = Fastener_Bolt;
    F.class_index = Bolt_Class_8_8;
    F.non_standard_size = 1;
    F.d = 20.0;
    F.A = 314.0;
    F.A_s = 0.0;
    const std::string text = Report_With_Result([&](FILE* s) { return Derive_Fastener_Data(&F, s, 0); }, 1);
    EXPECT_TRUE(Has(text, "Schraubengröße nicht normiert: d = 20.0 mm, A = 3.140 cm², A╬\\s╬r = 0.000 cm² "_cp + Error_Mark))
        << text;
}
