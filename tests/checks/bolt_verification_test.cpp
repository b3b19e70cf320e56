// The verification of a bolted connection: the utilisation rules, the order of the checks by
// category and fastener kind, the interactions and the closing block.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks/bolt_connection.h"
#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "checks/pin_connection.h"
#include "checks/pin_test_support.h"
#include "frame/code_edition.h"

// Hand values (γM0 1.0, γM2 1.25, γM3 1.25, γM4 1.25; plates S235 of 10 mm, f_u 360 N/mm²):
// M20 8.8, thread in the shear plane, e_1 40, e_2 30, p_1 = p_2 = 60, d_0 = 22:
//   F_v,Rd = 0.6·800·244.8/1.25 = 94003.2 N; F_t,Rd = 0.9·800·244.8/1.25 = 141004.8 N;
//   edition 0: F_b,Rd = 2.118·0.606·360·20·10/1.25 = 73943.8 N (both plates);
//   B_p,Rd = 0.6·π·31.475·10·360/1.25 = 170867.5 N with d_m = (30 + 32.95)/2.
// With F_v,Ed 50 kN and F_t,Ed 40 kN: U = 0.532 (shear), 0.676 (bearing), 0.284 (tension), 0.234
// (punching), 50/94.0032 + 40/(1.4·141.0048) = 0.735 (interaction).
namespace {

constexpr double F_v_Rd_M20 = 94003.2;
constexpr double F_t_Rd_M20 = 141004.8;
constexpr double F_b_Rd_M20 = 73943.8;

const Safety_Factors& Factors() {
    static const Safety_Factors factors = Test_Safety_Factors();
    return factors;
}

// The loaded M20 8.8 joint of the hand values, categories A and D, with loads.
Bolt_Connection Loaded_Bolt(const std::function<void(Fastener&)>& set = {}) {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8, set);
    C.options = Bolt_Option_Thread_In_Shear_Plane;
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.p_1 = C.p_2 = 60.0;
    C.F_v_Ed = 50000.0;
    C.F_t_Ed = 40000.0;
    Prepare_Bolt_Check(&C, 0, 1, &Factors());
    return C;
}

// A preloadable HV set of class 10.9 for slip-resistant connections.
void Slip_Resistant_10_9(Fastener& f) {
    f.class_index = Bolt_Class_10_9;
    f.large_width = 1;
    f.slip_resistant = 1;
}

// The report of the verification; its result must be the expected one.
std::string Verify(Bolt_Connection& C, int detail, int expected_result = 0) {
    return Report_With_Result([&](FILE* s) { return Verify_Bolt_Connection(&C, s, detail); }, expected_result);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class Bolt_Verification : public ::testing::Test {
protected:
    void SetUp() override { Use_Recommended_Rules(0); }
};

}  // namespace

TEST_F(Bolt_Verification, UtilisationJustAboveOneCountsAsOne) {
    Bolt_Connection C = Loaded_Bolt();
    C.bearing_check = 0;
    C.Tension_Category = Tension_Category_None;
    C.F_v_Ed = 1.0005 * F_v_Rd_M20;
    const std::string text = Verify(C, 0);
    EXPECT_TRUE(Has(text, "Abscheren: F╬\\v,Ed╬r = 94.1 kN  >  F╬\\v,Rd╬r = 94.00 kN  ê  U = 1.000  ≤  1  "_cp + Ok_Mark))
        << text;
    EXPECT_DOUBLE_EQ(C.U_max, 1.0);
    EXPECT_EQ(C.Check_Error_Flags, 0);
}

TEST_F(Bolt_Verification, ZeroResistanceIsNotVerifiedAndLeavesUMax) {
    // A bolt in a long slot in force direction has no bearing resistance.
    Bolt_Connection C = Loaded_Bolt([](Fastener& f) { f.hole_type = Hole_Long_Slot_Parallel; });
    C.e_21 = C.e_22 = 40.0;   // 1.5 d_0 beside a slot
    C.shear_check = 0;
    C.Tension_Category = Tension_Category_None;
    const std::string text = Verify(C, 0);
    EXPECT_TRUE(Has(text, "Lochleibung: F╬\\b,Rd╬r = 0  ê  Nachweis wird nicht geführt "_cp + Warning_Mark + "\n"))
        << text;
    EXPECT_DOUBLE_EQ(C.U_max, 0.0);
    EXPECT_EQ(C.Check_Error_Flags, 0);
}

TEST_F(Bolt_Verification, FailedResistanceKeepsUMaxAtMinusOne) {
    // Category C: slip first (γM3 0 makes it undeterminable), then bearing with U = 0.676.
    Safety_Factors factors = Test_Safety_Factors();
    factors.gamma_M[Gamma_M3] = 0.0;
    Bolt_Connection C = Loaded_Bolt(Slip_Resistant_10_9);
    C.Shear_Category = Shear_Category_C;
    C.Tension_Category = Tension_Category_None;
    C.net_section_check = 0;
    Prepare_Bolt_Check(&C, 0, 1, &factors);
    const std::string text = Verify(C, 0, 1);
    EXPECT_TRUE(Has(text, "Gleiten: ╬HFehler╬r: F╬\\s,Rd╬r < 0 "_cp + Error_Mark + "\n")) << text;
    EXPECT_TRUE(Has(text, "U = 0.676"));
    EXPECT_DOUBLE_EQ(C.U_max, -1.0);
    EXPECT_EQ(C.Check_Error_Flags, 0x3);
    EXPECT_TRUE(Has(text, " Maximale Ausnutzung nicht ermittelbar\n"_cp));
    EXPECT_TRUE(Has(text, " " + Not_Verified));
}

TEST_F(Bolt_Verification, DoubleShearHalvesShearAndPlateTwo) {
    Bolt_Connection C = Loaded_Bolt();
    C.shear_planes = 2;
    C.Tension_Category = Tension_Category_None;
    const std::string text = Verify(C, 0);
    EXPECT_TRUE(Has(text, "Abscheren: F╬\\v,Ed╬r/2 = 25.0 kN  <  F╬\\v,Rd╬r = 94.00 kN  ê  U = 0.266"_cp)) << text;
    EXPECT_TRUE(Has(text, "Lochleibung: F╬\\v,Ed╬r = 50.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.676"_cp));
    EXPECT_TRUE(Has(text, "\n F╬\\v,Ed╬r/2 = 25.0 kN  <  F╬\\b,Rd╬r = 73.94 kN  ê  U = 0.338"_cp));
    const std::string level_1 = Verify(C, 1);
    EXPECT_TRUE(Has(level_1, "╬_Abscheren╬r  ╬S(mit F╬\\v,Ed╬r╬S/2)\n"_cp)) << level_1;
    EXPECT_TRUE(Has(level_1, "╬_Lochleibung von Blech 2 und Schraube╬r  ╬S(mit F╬\\v,Ed╬r╬S/2)\n"_cp));
}

TEST_F(Bolt_Verification, CategoryCHasBearingUnderTheFirstEditionOnly) {
    for (const int edition : {0, 1}) {
        Use_Recommended_Rules(edition);
        Bolt_Connection C = Loaded_Bolt(Slip_Resistant_10_9);
        C.Shear_Category = Shear_Category_C;
        C.Tension_Category = Tension_Category_None;
        C.A_net = 1000.0;
        C.Sum_F_v_Ed = 100000.0;
        const std::string text = Verify(C, 0);
        EXPECT_TRUE(Has(text, "Gleiten: ")) << edition;
        // N_net,Rd = 1000·235/1.0.
        EXPECT_TRUE(Has(text, "Querschnittsversagen: ▓F╬\\v,Ed╬r = 100.0 kN  <  N╬\\net,Rd╬r = 235.00 kN"_cp)) << text;
        EXPECT_EQ(Has(text, "Lochleibung"), edition == 0) << edition;
        EXPECT_EQ(C.results.F_b_Rd_1 > 0.0, edition == 0);
    }
}

TEST_F(Bolt_Verification, WithoutLoadsOnlyResistancesAndNoClosingBlock) {
    Bolt_Connection C = Loaded_Bolt();
    Prepare_Bolt_Check(&C, 0, 0, &Factors());
    const std::string text = Verify(C, 0);
    EXPECT_TRUE(Has(text, " Abscheren: F╬\\v,Rd╬r = 94.00 kN\n"
                          " Lochleibung: F╬\\b,Rd╬r = 73.94 kN\n"
                          " F╬\\b,Rd╬r = 73.94 kN\n"
                          " Zugversagen: F╬\\t,Rd╬r = 141.00 kN\n"
                          " Durchstanzen: B╬\\p,Rd╬r = 170.87 kN\n"_cp))
        << text;
    EXPECT_FALSE(Has(text, "Ausnutzung"));
    EXPECT_FALSE(Has(text, "Kombination"));
    EXPECT_DOUBLE_EQ(C.U_max, 0.0);
}

TEST_F(Bolt_Verification, SteelInteraction) {
    // β_V = 0.5 and β_N = 0.35: U = 0.5 + 0.35/1.4 = 0.750.
    Bolt_Connection C = Loaded_Bolt();
    C.F_v_Ed = 0.5 * F_v_Rd_M20;
    C.F_t_Ed = 0.35 * F_t_Rd_M20;
    const std::string text = Verify(C, 0);
    EXPECT_TRUE(Has(text, "Kombination von Abscheren und Zug: F╬\\v,Ed╬r/F╬\\v,Rd╬r + F╬\\t,Ed╬r/(1.4╬/.╬rF╬\\t,Rd╬r)"
                          " = 0.750  <  1  "_cp + Ok_Mark + "\n"))
        << text;
    EXPECT_NEAR(C.results.U_interaction, 0.75, 1e-9);
    EXPECT_NEAR(C.U_max, 0.75, 1e-9);
}

TEST_F(Bolt_Verification, CategoryDClearsThePreload) {
    Bolt_Connection C = Loaded_Bolt([](Fastener& f) {
        f.class_index = Bolt_Class_10_9;
        f.large_width = 1;
    });
    const std::string text = Verify(C, 0);
    EXPECT_EQ(C.fastener.preloaded, 0) << text;
    EXPECT_EQ(C.Check_Error_Flags, 0) << text;
    // A second run still notes the preloaded set in category D.
    const std::string again = Verify(C, 0);
    EXPECT_TRUE(Has(again, " vorgespannte Verbindung: i.A. Zugnachweis nach Kategorie E erforderlich "_cp)) << again;
    // The same record in category E is preloaded again by its derivation: an earlier run in
    // category D does not decide.
    C.Tension_Category = Tension_Category_E;
    const std::string preloaded = Verify(C, 0);
    EXPECT_EQ(C.fastener.preloaded, 1) << preloaded;
    EXPECT_TRUE(Has(preloaded, "Zugversagen: F╬\\t,Ed╬r = 40.0 kN  <  F╬\\t,Rd╬r = 176.26 kN"_cp)) << preloaded;
}

TEST_F(Bolt_Verification, RivetPunchingUnderTheRevisedRulesOnly) {
    for (const int edition : {0, 1}) {
        Use_Recommended_Rules(edition);
        Bolt_Connection C = Loaded_Bolt();
        C.fastener.type = Fastener_Rivet;
        C.fastener.material_index = Fastener_Material_Table_1;
        C.fastener.d_0 = 21.0;
        C.options = 0;
        const std::string text = Verify(C, 0);
        EXPECT_EQ(Has(text, "Durchstanzen"), edition == 1) << text;
        // A rivet prints its tension line without a label, and ends before block tearing.
        EXPECT_TRUE(Has(text, "\n F╬\\t,Ed╬r = 40.0 kN  <  F╬\\t,Rd╬r = 61.51 kN"_cp)) << text;
    }
}

TEST_F(Bolt_Verification, InjectionBoltResinBearing) {
    // k_t 1.2, k_s 1, d 20, f_b,resin 150, γM4 1.25. t_1 = t_2: β = 4/3, t_b = 10 mm:
    // F = 1.2·20·10·4/3·150/1.25 = 38400 N. t_1 = 3 t_2: β = 1, t_b = min(2·10, 30) = 20 mm: 57600 N.
    struct Case {
        double t_1, F_b;
    };
    for (const Case c : {Case{10.0, 38400.0}, Case{30.0, 57600.0}}) {
        Bolt_Connection C = Loaded_Bolt([](Fastener& f) {
            f.type = Fastener_Injection_Bolt;
            f.f_b_resin = 150.0;
        });
        C.options = 0;
        C.plate_1 = Test_Plate(c.t_1);
        const std::string text = Verify(C, 2);
        EXPECT_NEAR(C.results.F_b_Rd_resin, c.F_b, 0.01) << c.t_1;
        EXPECT_TRUE(Has(text, c.t_1 < 20.0 ? " Beiwerte für t╬\\1╬r/t╬\\2╬r = 1.00:  ╗ = 1.333,  t╬\\b,resin╬r = 10.0 mm\n"_cp
                                           : " Beiwerte für t╬\\1╬r/t╬\\2╬r = 3.00:  ╗ = 1.000,  t╬\\b,resin╬r = 20.0 mm\n"_cp))
            << text;
        // Injection bolts end after the resin: no tension verification.
        EXPECT_FALSE(Has(text, "Zugversagen"));
        EXPECT_DOUBLE_EQ(C.results.F_t_Rd, 0.0);
    }
}

// Resin bearing in an oversize hole (EN 1993-1-8 3.6.2.2): k_s = 1 - 0.1 m with m the excess over the
// nominal clearance of the size (M20: 2 mm). Enlargement 4 mm: k_s = 0.8, F_b,Rd,resin = 0.8·38400 =
// 30720 N; a given enlargement of 6 mm: k_s = 0.6, 23040 N.
TEST_F(Bolt_Verification, InjectionBoltInOversizeHole) {
    struct Case {
        double enlargement, k_s;
        const char* line;
    };
    const Case cases[] = {
        {4.0, 0.8, " übergroßes Loch  ê  Beiwert k╬\\s╬r = 1-0.1╬/.╬r(úd╬\\groß╬r-úd) = 1-0.1╬/.╬r(4.0-2.0) = 0.800\n"_cp},
        {6.0, 0.6, " übergroßes Loch  ê  Beiwert k╬\\s╬r = 1-0.1╬/.╬r(úd╬\\groß╬r-úd) = 1-0.1╬/.╬r(6.0-2.0) = 0.600\n"_cp},
    };
    for (const Case& c : cases) {
        Bolt_Connection C = Loaded_Bolt([&](Fastener& f) {
            f.type = Fastener_Injection_Bolt;
            f.f_b_resin = 150.0;
            f.hole_type = Hole_Oversize;
            f.hole_enlargement = c.enlargement;
        });
        C.options = 0;
        C.e_21 = C.e_22 = 40.0;   // 1.2 d0 with d0 up to 26 mm
        C.p_2 = 70.0;             // 2.4 d0
        const std::string text = Verify(C, 2);
        EXPECT_NEAR(C.results.F_b_Rd_resin, c.k_s * 38400.0, 0.01) << c.enlargement;
        EXPECT_TRUE(Has(text, c.line)) << text;
    }
    // A normal hole keeps k_s = 1.
    Bolt_Connection C = Loaded_Bolt([](Fastener& f) {
        f.type = Fastener_Injection_Bolt;
        f.f_b_resin = 150.0;
    });
    C.options = 0;
    EXPECT_TRUE(Has(Verify(C, 2), " normales Lochspiel  ê  Beiwert k╬\\s╬r = 1.0\n"_cp));
    EXPECT_NEAR(C.results.F_b_Rd_resin, 38400.0, 0.01);
}

TEST_F(Bolt_Verification, InputErrorEndsInTheClosingBlock) {
    Bolt_Connection C = Loaded_Bolt();
    C.e_11 = C.e_12 = C.e_21 = C.e_22 = C.p_1 = C.p_2 = 0.0;
    const std::string text = Verify(C, 1, 1);
    EXPECT_EQ(text, Para_Head + " Fehler bei den Schraubenabständen "_cp + Error_Mark + "\n" +
                        " ╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden "_cp + Error_Mark +
                        "\n" + Para_Space + " Maximale Ausnutzung nicht ermittelbar\n"_cp + Para_Space + " " +
                        Not_Verified + Para_End);
    EXPECT_DOUBLE_EQ(C.U_max, -1.0);
    EXPECT_EQ(C.Check_Error_Flags, 1);
}

TEST_F(Bolt_Verification, ComputeOnlyGivesTheSameResults) {
    std::vector<Bolt_Connection> cases;
    cases.push_back(Loaded_Bolt());
    Bolt_Connection slot = Loaded_Bolt([](Fastener& f) { f.hole_type = Hole_Long_Slot_Parallel; });
    cases.push_back(slot);
    Bolt_Connection error = Loaded_Bolt();
    error.e_11 = error.e_12 = error.e_21 = error.e_22 = error.p_1 = error.p_2 = 0.0;
    cases.push_back(error);
    Bolt_Connection over = Loaded_Bolt();
    over.F_t_Ed = 200000.0;
    cases.push_back(over);
    for (const Bolt_Connection& c : cases) {
        for (int detail = 0; detail <= 2; ++detail) {
            Bolt_Connection reported = c, silent = c;
            const std::string text = Paragraph_Or_Empty([&](FILE* s) { Verify_Bolt_Connection(&reported, s, detail); });
            EXPECT_FALSE(text.empty());
            const int result = Verify_Bolt_Connection(&silent, nullptr, detail);
            EXPECT_EQ(result, reported.Check_Error_Flags & 1);
            EXPECT_EQ(silent.Check_Error_Flags, reported.Check_Error_Flags);
            EXPECT_DOUBLE_EQ(silent.U_max, reported.U_max);
            EXPECT_DOUBLE_EQ(silent.results.F_b_Rd_2, reported.results.F_b_Rd_2);
            EXPECT_DOUBLE_EQ(silent.results.U_interaction, reported.results.U_interaction);
        }
    }
}

namespace {

// Headed anchors M20 5.6, ℓ_e 150 mm in concrete of the class (or an own f_ck), single anchor.
Bolt_Connection Loaded_Anchor(int concrete_class = 8, double own_f_ck = 0.0) {
    Bolt_Connection C = Test_Anchor_Joint(
        concrete_class,
        [](Fastener& f) {
            f.material_index = Fastener_Material_Bolt_Class;
            f.class_index = Bolt_Class_5_6;
            f.anchorage = Anchorage_Anchor_Plate;
            f.l_e = 150.0;
        },
        own_f_ck);
    C.options = Bolt_Option_Thread_In_Shear_Plane;
    C.e_11 = C.e_21 = 50.0;
    C.F_v_Ed = 10000.0;
    C.F_t_Ed = 10000.0;
    Prepare_Bolt_Check(&C, 0, 1, &Factors());
    return C;
}

}  // namespace

// A grout layer thicker than d/2 (15 mm under an M20) gives the shear a lever arm: the steel
// interaction needs no verification and counts 0; 10 mm is not thicker than d/2 + 0.001.
TEST_F(Bolt_Verification, GroutUnderHeadedAnchor) {
    for (const double t_m : {15.0, 10.0}) {
        Bolt_Connection C = Loaded_Anchor();
        C.packing = 1;
        C.t_p = t_m;
        const std::string text = Verify(C, 0);
        EXPECT_EQ(Has(text, "Kombination von Querlast mit Zug (Stahlbruch): Querlast mit Hebelarm: Nachweis nicht erforderlich\n"),
                  t_m > 12.0)
            << text;
        if (t_m > 12.0) EXPECT_DOUBLE_EQ(C.results.U_interaction, 0.0);
        else EXPECT_GT(C.results.U_interaction, 0.0);
    }
}

// β_V = β_N = 0.5: U_1 = 2·0.5^1.5 = 0.707, U_2 = 1.0/1.2 = 0.833, U = 0.707.
TEST_F(Bolt_Verification, ConcreteInteraction) {
    Bolt_Connection C = Loaded_Anchor();
    Verify(C, 0);
    ASSERT_GT(C.results.V_Rd_cp, 0.0);
    ASSERT_GT(C.results.N_Rd_c, 0.0);
    C.F_v_Ed = 0.5 * C.results.V_Rd_cp;
    C.F_t_Ed = 0.5 * C.results.N_Rd_c;
    const std::string text = Verify(C, 0);
    EXPECT_TRUE(Has(text, "Kombination von Querlast mit Zug (Betonbruch): (F╬\\v,Ed╬r/V╬\\Rd,cp╬r)╬/1.5╬r + "
                          "(F╬\\t,Ed╬r/N╬\\Rd,c╬r)╬/1.5╬r = 0.707  oder  (F╬\\v,Ed╬r/V╬\\Rd,cp╬r + F╬\\t,Ed╬r/N╬\\Rd,c╬r)/1.2"
                          " = 0.833\n  ê  Ausnutzung U = 0.707  <  1  "_cp + Ok_Mark))
        << text;
}

// f_ck 80 counts as 60 in the cone: N_Rd,c = 8.9·√60·150^1.5/1.5 = 84432.8 N.
TEST_F(Bolt_Verification, ConcreteAboveC60CountsAsC60) {
    Bolt_Connection C = Loaded_Anchor(8, 80.0);
    Verify(C, 0);
    EXPECT_NEAR(C.results.N_Rd_c, 8.9 * std::sqrt(60.0) * std::pow(150.0, 1.5) / 1.5, 1e-6);
    EXPECT_NEAR(C.results.N_Rd_c, 84432.8, 0.1);
}

// The protocol of a pin ends after its eye bars without loads.
TEST(Print_Bolt_Input, PinEndsAfterTheEyeBarsWithoutLoads) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.fastener.type = Fastener_Pin;
    C.delta_t = 2.0;
    C.F_v_Ed = 100000.0;
    for (const int verification : {0, 1}) {
        Prepare_Bolt_Check(&C, 0, verification, &Factors());
        const std::string text = Paragraph_Or_Empty([&](FILE* s) { Print_Bolt_Input(&C, s, 0); });
        EXPECT_TRUE(Has(text, " Biegung:  Lochspiel zwischen den Augenstäben út = 2.0 mm\n"_cp)) << text;
        EXPECT_EQ(Has(text, " Bemessungswert der einwirkenden Zugkraft im Blech je Bolzen F╬\\Ed╬r = 100.0 kN\n"_cp),
                  verification == 1)
            << text;
        EXPECT_FALSE(Has(text, "Scherverbindung"));
    }
}

// A pin goes to the pin check; under the revised rules the closing line names the governing load
// situation (counted from 1), under the first edition it does not.
TEST(Bolt_Pin_Dispatch, ClosingLineNamesTheGoverningSituation) {
    const Safety_Factors factors = Test_Safety_Factors();
    for (const int edition : {0, 1}) {
        Use_Recommended_Rules(edition);
        Bolt_Connection direct = Test_Pin_Joint(&factors);
        int governing = -1;
        Verify_Pin_Connection(&direct, &governing, nullptr, 0);

        Bolt_Connection C = Test_Pin_Joint(&factors);
        const std::string text =
            Report_With_Result([&](FILE* s) { return Verify_Bolt_Connection(&C, s, 1); }, direct.Check_Error_Flags & 1);
        EXPECT_DOUBLE_EQ(C.U_max, direct.U_max);
        EXPECT_EQ(C.Check_Error_Flags, direct.Check_Error_Flags);
        ASSERT_GT(C.U_max, 0.001);
        char line[96];
        if (edition == 1 && governing >= 0)
            std::snprintf(line, sizeof line, "Maximale Ausnutzung (Situation %d) U", governing + 1);
        else
            std::snprintf(line, sizeof line, "Maximale Ausnutzung U");
        EXPECT_TRUE(Has(text, line)) << edition << text;
        EXPECT_EQ(Has(text, "(Situation "), edition == 1 && governing >= 0) << text;
    }
}
