#include <gtest/gtest.h>

#include <string>

#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "frame/code_edition.h"

namespace {

constexpr int Size_M16 = 5;   // row of M16 in Bolt_Size_Table

struct Shear_Bearing : ::testing::Test {
    Safety_Factors factors = Test_Safety_Factors();

    // An M20 of the class between two 10 mm S235 plates, e_1 40, e_2 30, p_1 = p_2 = 60 mm.
    Bolt_Connection Joint(int size, int strength_class, const std::function<void(Fastener&)>& set = {}) {
        Bolt_Connection C = Test_Bolt_Joint(size, strength_class, set);
        C.e_11 = C.e_12 = 40.0;
        C.e_21 = C.e_22 = 30.0;
        C.p_1 = C.p_2 = 60.0;
        Prepare_Bolt_Check(&C, 0, 1, &factors);
        return C;
    }
    std::string Shear(Bolt_Connection& C, int level, int expected_result = 0) {
        return Report_With_Result([&](FILE* s) { return Compute_Shear_Resistance(&C, s, level); }, expected_result);
    }
    std::string Bearing(Bolt_Connection& C, int level, int plate = 1, int expected_result = 0) {
        return Report_With_Result([&](FILE* s) { return Compute_Bearing_Resistance(&C, s, level, plate); },
                                  expected_result);
    }
};

std::string Lines(const std::string& lines) { return Para_Head + lines + Para_End; }

}  // namespace

// EN 1993-1-8 Table 3.4: α_v = 0.6 in the thread for 4.6, 5.6 and 8.8, 0.5 for 10.9; the shank 0.6.
TEST_F(Shear_Bearing, ShearInThreadAndShank) {
    Use_Recommended_Rules(0);
    struct Case {
        int strength_class;
        bool thread;
        double F_v_Rd;
    };
    const Case cases[] = {
        {Bolt_Class_8_8, true, 0.6 * 800 * 244.8 / 1.25},    // 94003.2 N
        {Bolt_Class_10_9, true, 0.5 * 1000 * 244.8 / 1.25},  // 97920 N
        {Bolt_Class_8_8, false, 120637.16},                  // 0.6·800·314.16/1.25
    };
    for (const Case& c : cases) {
        Bolt_Connection C = Joint(Bolt_Size_M20, c.strength_class);
        if (c.thread) C.options |= Bolt_Option_Thread_In_Shear_Plane;
        EXPECT_EQ(Compute_Shear_Resistance(&C, nullptr, 0), 0);
        EXPECT_NEAR(C.results.F_v_Rd, c.F_v_Rd, 0.01) << c.strength_class << c.thread;
    }
    // Two shear planes name the resistance per plane.
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_10_9);
    C.options |= Bolt_Option_Thread_In_Shear_Plane;
    C.shear_planes = 2;
    EXPECT_EQ(Shear(C, 1), Lines(" Abschertragfähigkeit je Scherfuge F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r"
                                 " = 97.92 kN,  ║╬\\v╬r = 0.50\n"_cp));
}

// M12 and M14 in 2 mm holes (EN 1993-1-8 3.6.1(5)): classes 4.8 to 10.9 keep 0.85 of F_v,Rd.
TEST_F(Shear_Bearing, M12In2mmHole) {
    Use_Recommended_Rules(1);
    auto in_2mm_hole = [](Fastener& f) { f.clearance_2mm = 1; };
    Bolt_Connection C = Joint(Bolt_Size_M12, Bolt_Class_10_9, in_2mm_hole);
    C.options |= Bolt_Option_Thread_In_Shear_Plane;
    // 0.5·1000·84.3/1.25 = 33720 N; × 0.85 = 28662 N.
    EXPECT_EQ(Shear(C, 1), Lines(" Abschertragfähigkeit F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 33.72 kN,"
                                 "  ║╬\\v╬r = 0.50\n"
                                 " M12-Schraube mit vergrößertem Lochspiel von maximal 2 mm:  F╬\\v,Rd╬r = 33.7╬/.╬r0.85"
                                 " = 28.66 kN\n"_cp));
    EXPECT_NEAR(C.results.F_v_Rd, 28662.0, 0.01);
    // Class 4.6: 0.6·400·84.3/1.25 = 16185.6 N unchanged.
    Bolt_Connection D = Joint(Bolt_Size_M12, Bolt_Class_4_6, in_2mm_hole);
    D.options |= Bolt_Option_Thread_In_Shear_Plane;
    Compute_Shear_Resistance(&D, nullptr, 0);
    EXPECT_NEAR(D.results.F_v_Rd, 16185.6, 0.01);

    // The rule: a class of 4.8 to 10.9 with the switch, or an own size of M12/M14 with a clearance
    // above 1 and up to 2 mm.
    struct Case {
        int effective_class, clearance_2mm, own_size, size, hole_type;
        double delta_d, enlargement;
        int applies;
    };
    const Case cases[] = {
        {Bolt_Class_8_8, 1, 0, Bolt_Size_M12, Hole_Normal, 2.0, 0.0, 1},
        {Bolt_Class_4_6, 1, 0, Bolt_Size_M12, Hole_Normal, 2.0, 0.0, 0},
        {Bolt_Class_5_6, 1, 0, Bolt_Size_M12, Hole_Normal, 2.0, 0.0, 0},
        {Bolt_Class_Stainless_70, 1, 0, Bolt_Size_M12, Hole_Normal, 2.0, 0.0, 0},
        {Bolt_Class_10_9, 0, 1, Bolt_Size_M14, Hole_Normal, 2.0, 0.0, 1},
        {Bolt_Class_10_9, 0, 1, Bolt_Size_M14, Hole_Normal, 1.0, 0.0, 0},
        {Bolt_Class_10_9, 0, 1, Size_M16, Hole_Normal, 2.0, 0.0, 0},
        {Bolt_Class_6_8, 0, 1, Bolt_Size_M12, Hole_Oversize, 1.0, 1.5, 1},
        {Bolt_Class_6_8, 0, 0, Bolt_Size_M12, Hole_Normal, 2.0, 0.0, 0},
    };
    for (const Case& c : cases) {
        Fastener f;
        Init_Fastener(&f);
        f.effective_class_index = c.effective_class;
        f.clearance_2mm = c.clearance_2mm;
        f.non_standard_size = c.own_size;
        f.effective_size_index = c.size;
        f.hole_type = c.hole_type;
        f.delta_d = c.delta_d;
        f.hole_enlargement = c.enlargement;
        double factor = 0.0;
        EXPECT_EQ(Get_Shear_Reduction_Factor(&f, &factor), c.applies) << c.effective_class << " " << c.size;
        EXPECT_EQ(factor, c.applies ? 0.85 : 1.0);
    }
    EXPECT_EQ(Get_Shear_Reduction_Factor(nullptr, nullptr), 0);
}

// EN 1993-1-8 3.8 with d = 20 mm: L_j = 15 d + 100 d gives β = 0.5, limited to 0.75; below 15 d no
// reduction; L_j = 700 mm gives 0.9.
TEST(Apply_Long_Joint_Reduction, LongJoints) {
    struct Case {
        double L_j;
        int level;
        double reduced;
        const char* lines;
    };
    const Case cases[] = {
        {2300.0, 2, 75000.0,
         " langer Anschluss in Kraftrichtung:  ╗╬\\Lf╬r = 1-(L╬\\j╬r-15╬/.╬rd)/(200╬/.╬rd) = 0.500 < 0.75 = ╗╬\\Lf╬r"
         "  ê  F╬\\v,Rd╬r = ╗╬\\Lf╬r╬/.╬r0.75 = 75.00 kN\n"_cp},
        {2300.0, 1, 75000.0,
         " langer Anschluss in Kraftrichtung:  ╗╬\\Lf╬r = 0.750  ê  F╬\\v,Rd╬r = ╗╬\\Lf╬r╬/.╬r0.75 = 75.00 kN\n"_cp},
        {700.0, 2, 90000.0,
         " langer Anschluss in Kraftrichtung:  ╗╬\\Lf╬r = 1-(L╬\\j╬r-15╬/.╬rd)/(200╬/.╬rd) = 0.900"
         "  ê  F╬\\v,Rd╬r = ╗╬\\Lf╬r╬/.╬r0.90 = 90.00 kN\n"_cp},
        {260.0, 2, 100000.0,
         " langer Anschluss in Kraftrichtung:  ╗╬\\Lf╬r = 1-(L╬\\j╬r-15╬/.╬rd)/(200╬/.╬rd) = 1.010 ≥ 1"
         "  ê  keine Abminderung\n"_cp},
        {260.0, 1, 100000.0, " langer Anschluss in Kraftrichtung:  ╗╬\\Lf╬r = 1.010  ê  keine Abminderung\n"_cp},
        {260.0, 0, 100000.0, ""},
        {60.0, 2, 100000.0, ""},   // not longer than p_1
    };
    for (const Case& c : cases) {
        double F = 0.0;
        const std::string text = Paragraph_Or_Empty(
            [&](FILE* s) { F = Apply_Long_Joint_Reduction("v", s, c.level, 60.0, c.L_j, 20.0, 100000.0); });
        EXPECT_NEAR(F, c.reduced, 1e-6) << c.L_j;
        EXPECT_EQ(text, *c.lines ? Lines(c.lines) : "") << c.L_j << " " << c.level;
    }
    EXPECT_EQ(Apply_Long_Joint_Reduction("b", nullptr, 2, 0.05, 2300.0, 20.0, 100000.0), 100000.0);
}

// A packing plate reduces shear and bearing only when it is thicker than d/3 (EN 1993-1-8 3.6.1(12)):
// t_p = 10 mm under an M20 gives β_p = 9·20/(8·20 + 3·10) = 0.947.
TEST_F(Shear_Bearing, PackingPlates) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.options |= Bolt_Option_Thread_In_Shear_Plane;
    C.packing = 1;
    C.t_p = 20.0 / 3.0;
    const std::string shear = Shear(C, 2);
    EXPECT_NE(shear.find(" Futterblech mit t╬\\p╬r ≤ d/3 = 6.7 mm  ê  keine Abminderung\n"_cp), std::string::npos);
    EXPECT_NEAR(C.results.F_v_Rd, 94003.2, 0.01);
    const std::string bearing = Bearing(C, 2);
    EXPECT_NE(bearing.find(" Futterblech mit t╬\\p╬r ≤ d/3 = 6.7 mm  ê  keine Abminderung\n"_cp), std::string::npos);
    EXPECT_NEAR(C.results.F_b_Rd_1, 73943.80, 0.01);

    C.t_p = 10.0;
    EXPECT_EQ(Shear(C, 1),
              Lines(" Abschertragfähigkeit F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 94.00 kN,  ║╬\\v╬r = 0.60\n"
                    " Futterblech mit t╬\\p╬r = 10.0 mm > d/3 = 6.7 mm:  Abminderungsfaktor ╗╬\\p╬r = 0.95"
                    "  ê  F╬\\v,Rd╬r = 89.056 kN\n"_cp));
    EXPECT_NE(Bearing(C, 2).find(" Futterblech mit t╬\\p╬r = 10.0 mm > d/3 = 6.7 mm:  ╗╬\\p╬r = 9╬/.╬rd/(8╬/.╬rd+3╬/.╬rt╬\\p╬r)"
                                 " = 0.947  ê  F╬\\b,Rd╬r = 70.05 kN\n"_cp),
              std::string::npos);
    EXPECT_NEAR(C.results.F_b_Rd_1, 73943.80 * 180.0 / 190.0, 0.01);
    // Without the packing switch the thickness counts for nothing.
    C.packing = 0;
    Compute_Shear_Resistance(&C, nullptr, 0);
    EXPECT_NEAR(C.results.F_v_Rd, 94003.2, 0.01);
}

// An edge bolt with e_1 = 3 d_0, e_2 = 1.2 d_0 and no spacings, M20 4.6 in S355 (f_u 490):
// edition 0: α_b = min(1.0, 400/490) = 0.816, k = 2.8·1.2 - 1.7 = 1.66, F_b,Rd = 1.66·400·20·10/1.25
// = 106240 N. Edition 1: α_b = min(3.0, 3·400/490) = 2.449, F_b,Rd = 1200·200/1.25 = 192000 N,
// limited by N_u,Rd = 2·(26.4 - 11)·10·490/1.25 = 120736 N.
TEST_F(Shear_Bearing, EdgeBoltUnderBothEditions) {
    for (int edition : {0, 1}) {
        Use_Recommended_Rules(edition);
        Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_4_6);
        C.plate_1 = Test_Plate(10.0, 2);
        C.e_11 = 66.0;
        C.e_21 = 26.4;
        C.p_1 = C.p_2 = 0.0;
        const std::string text = Bearing(C, 2);
        if (edition == 0) {
            EXPECT_EQ(text, Lines(" in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 1.00  (am Rand liegende Schraube)\n"
                                  "   ê  ║╬\\b╬r = 0.82  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 0.82  oder  1.0)\n"
                                  " quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7) = 1.66"
                                  "  (am Rand liegende Schraube)\n"
                                  "   ê  k╬\\m╬r = 1.66  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"
                                  " Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r"
                                  " = 106.24 kN,  f╬\\u╬r = 490.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"_cp));
            EXPECT_NEAR(C.results.F_b_Rd_1, 106240.0, 0.01);
        } else {
            EXPECT_EQ(text, Lines(" am Rand liegende Schraube:  ║╬\\d,a╬r = e╬\\1╬r/d╬\\0╬r = 3.00\n"
                                  "   ê  ║╬\\b╬r = 2.45  (der kleinste Wert von  ║╬\\d,i╬r, ║╬\\d,a╬r  oder  3╬/.╬rf╬\\ub╬r/f╬\\u╬r"
                                  " = 2.45  oder  3.0)\n"
                                  " normale Schraube k╬\\m╬r = 1.0\n"
                                  " Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r"
                                  " = 192.00 kN,  f╬\\u╬r = 490.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"
                                  " Randschraube quer zur Kraftrichtung:  N╬\\u,Rd╬r = 2╬/.╬r(e╬\\2╬r-d╬\\0╬r/2)╬/.╬rt╬/.╬rf╬\\u╬r/└╬\\M2╬r"
                                  " = 120.74 kN < F╬\\b,Rd╬r  ê  F╬\\b,Rd╬r = 120.74 kN\n"_cp));
            EXPECT_NEAR(C.results.F_b_Rd_1, 120736.0, 0.01);
            // The governing limit also stands at level 1, where the verification line compares
            // with 120.74 kN, not with the 192.00 kN of the formula line.
            const std::string brief = Bearing(C, 1);
            EXPECT_NE(brief.find(" = 120.74 kN < F╬\\b,Rd╬r  ê  F╬\\b,Rd╬r = 120.74 kN\n"_cp), std::string::npos) << brief;
        }
    }
}

// A slot in force direction needs no bearing verification of the bolt (0 stored), but the bolt's
// shear resistance is that of any other hole.
TEST_F(Shear_Bearing, SlotInForceDirection) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) { f.hole_type = Hole_Short_Slot_Parallel; });
    ASSERT_EQ(C.fastener.hole_type, Hole_Short_Slot_Parallel);
    Bolt_Connection N = Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.results.F_v_Rd = C.results.F_b_Rd_1 = 1.0;
    const std::string shear = Shear(C, 2);
    EXPECT_EQ(shear.find(Para_Head + " Langloch in Kraftrichtung: Abschernachweis\n"), 0u) << shear;
    EXPECT_EQ(Bearing(C, 2), Lines(" Langloch in Kraftrichtung: Lochleibungsnachweis nicht erforderlich\n"));
    Shear(N, 0);
    EXPECT_GT(N.results.F_v_Rd, 0.0);
    EXPECT_DOUBLE_EQ(C.results.F_v_Rd, N.results.F_v_Rd);
    EXPECT_EQ(C.results.F_b_Rd_1, 0.0);
}

// EN 1993-1-8 3.6.1(10): a single lap joint with one bolt row takes k α_b at most 1.5. M16 8.8 under
// edition 1 with e_1 = 2 d_0 = 36 mm: k α_b = 2.0 → 1.5, F_b,Rd = 1.5·360·16·10/1.25 = 69120 N.
TEST_F(Shear_Bearing, SingleLapJointWithOneRow) {
    Use_Recommended_Rules(1);
    Bolt_Connection C = Joint(Size_M16, Bolt_Class_8_8);
    C.options |= Bolt_Option_Single_Lap_One_Row;
    C.e_11 = 36.0;
    C.e_21 = 0.0;
    C.p_1 = C.p_2 = 0.0;
    EXPECT_EQ(Bearing(C, 2),
              Lines(" am Rand liegende Schraube:  ║╬\\d,a╬r = e╬\\1╬r/d╬\\0╬r = 2.00\n"
                    "   ê  ║╬\\b╬r = 2.00  (der kleinste Wert von  ║╬\\d,i╬r, ║╬\\d,a╬r  oder  3╬/.╬rf╬\\ub╬r/f╬\\u╬r = 6.67  oder  3.0)\n"
                    " normale Schraube k╬\\m╬r = 1.0\n"
                    " 1-schnittiger Anschluss mit nur einer Schraubenreihe in Kraftrichtung:  k╬\\m╬r╬/.╬r║╬\\b╬r = 2.00 > 1.5"
                    "  ê  k╬\\m╬r╬/.╬r║╬\\b╬r = 1.50\n"
                    " Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = 69.12 kN,"
                    "  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 16.0 mm\n"_cp));
    EXPECT_NEAR(C.results.F_b_Rd_1, 69120.0, 0.01);
    EXPECT_EQ(Bearing(C, 1), Lines(" Lochleibungstragfähigkeit F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r"
                                   " = 69.12 kN,  k╬\\m╬r╬/.╬r║╬\\b╬r = 1.50\n"_cp));
    // With a second row in force direction the limit does not apply.
    C.p_1 = 60.0;
    Compute_Bearing_Resistance(&C, nullptr, 0, 1);
    EXPECT_NEAR(C.results.F_b_Rd_1, 2.0 * 360 * 16 * 10 / 1.25, 0.01);
}

// EN 1993-1-8 Table 3.4 reduces the bearing resistance of every bolt in an oversize hole to 0.8
// (edition 0). An M20 in its standard oversize hole (d_0 = 24 mm): α_b = 40/72, k = 1.8,
// F_b,Rd = 1.8·0.556·360·200/1.25 = 57600 N → 46080 N. A hole beyond the tabulated clearance asks
// for a separate shear verification.
TEST_F(Shear_Bearing, OversizeHolesUnderEdition0) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) { f.hole_type = Hole_Oversize; });
    C.options |= Bolt_Option_Thread_In_Shear_Plane;
    ASSERT_EQ(C.fastener.delta_d, 4.0);
    EXPECT_NE(Bearing(C, 1).find(" Großes Lochspiel  ê  Lochleibungstragfähigkeit wird mit 0.8 abgemindert"
                                 " (F╬\\b,Rd╬r = 46.08 kN)\n"_cp),
              std::string::npos);
    EXPECT_NEAR(C.results.F_b_Rd_1, 46080.0, 0.01);
    Compute_Shear_Resistance(&C, nullptr, 0);
    EXPECT_NEAR(C.results.F_v_Rd, 94003.2, 0.01);

    Bolt_Connection L = Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) {
        f.hole_type = Hole_Oversize;
        f.hole_enlargement = 6.0;
    });
    L.results.F_v_Rd = 5.0;
    EXPECT_EQ(Shear(L, 1), Lines(" ╬{C 1 165 75 165}Bei Schraubenlöchern mit großem Lochspiel ist Abscheren gesondert"
                                 " nachzuweisen !╬{C 768}\n"_cp));
    EXPECT_EQ(L.results.F_v_Rd, 0.0);
    // d_0 = 26 mm: α_b = 40/78, k = 2.8·30/26 - 1.7 = 1.531; × 0.8.
    Compute_Bearing_Resistance(&L, nullptr, 0, 1);
    EXPECT_NEAR(L.results.F_b_Rd_1, (2.8 * 30 / 26 - 1.7) * (40.0 / 78) * 360 * 200 / 1.25 * 0.8, 1e-6);
    // A slot transverse to the force keeps 0.6.
    Bolt_Connection T = Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) { f.hole_type = Hole_Short_Slot_Transverse; });
    EXPECT_NE(Bearing(T, 1).find(" Langloch quer zur Kraftrichtung  ê  Lochleibungstragfähigkeit wird mit 0.6 abgemindert"
                                 " (F╬\\b,Rd╬r = 44.37 kN)\n"_cp),
              std::string::npos);
    EXPECT_NEAR(T.results.F_b_Rd_1, 73943.80 * 0.6, 0.01);
}

// Stainless bolts bear on f_u = min(0.5 f_y + 0.6 f_u, f_u) = 333.5 N/mm² in S235; a countersink
// takes half its depth from the plate in single shear.
TEST_F(Shear_Bearing, StainlessAndCountersunkBolts) {
    Use_Recommended_Rules(0);
    Bolt_Connection S = Joint(Bolt_Size_M20, Bolt_Class_Stainless_70);
    const std::string text = Bearing(S, 2);
    EXPECT_NE(text.find("   mit f╬\\u╬r = 0.5╬/.╬rf╬\\y╬r + 0.6╬/.╬rf╬\\u╬r = 333.5 N/mm² ≤ f╬\\u╬r  (Edelstahl)\n"_cp),
              std::string::npos);
    EXPECT_NE(text.find("f╬\\u╬r = 333.5 N/mm² (s.o.),  t = 10.0 mm,  d = 20.0 mm\n"_cp), std::string::npos);
    EXPECT_NEAR(S.results.F_b_Rd_1, (1.4 * 60 / 22 - 1.7) * (40.0 / 66) * 333.5 * 200 / 1.25, 1e-6);

    Bolt_Connection K = Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) {
        f.countersunk = 1;
        f.t_ks = 4.0;
    });
    EXPECT_NE(Bearing(K, 2).find("f╬\\u╬r = 360.0 N/mm²,  t = 8.0 mm (Senkschraube)\n"_cp), std::string::npos);
    EXPECT_NEAR(K.results.F_b_Rd_1, 73943.80 * 0.8, 0.01);
    // In double shear plate 1 keeps its thickness.
    K.shear_planes = 2;
    Compute_Bearing_Resistance(&K, nullptr, 0, 1);
    EXPECT_NEAR(K.results.F_b_Rd_1, 73943.80, 0.01);
}

// A partial factor below 0.001 makes the resistance that divides by it not determinable.
TEST_F(Shear_Bearing, PartialFactorZeroIsNotDeterminable) {
    Use_Recommended_Rules(0);
    factors.gamma_M[Gamma_M2] = 0.0;
    Bolt_Connection C = Joint(Bolt_Size_M20, Bolt_Class_8_8);
    EXPECT_EQ(Shear(C, 1, 1), Lines(" F╬\\v,Rd╬r nicht ermittelbar "_cp + Error_Mark + "\n"));
    EXPECT_EQ(C.results.F_v_Rd, -1.0);
    EXPECT_EQ(Bearing(C, 2, 2, 1), Lines(" F╬\\b,Rd╬r nicht ermittelbar "_cp + Error_Mark + "\n"));
    EXPECT_EQ(C.results.F_b_Rd_2, -1.0);
    EXPECT_EQ(Shear(C, 0, 1), "");
    // Without factors at all.
    C.context.factors = nullptr;
    EXPECT_EQ(Compute_Bearing_Resistance(&C, nullptr, 0, 1), 1);
    // An unknown plate number computes nothing.
    EXPECT_EQ(Compute_Bearing_Resistance(&C, nullptr, 0, 3), 0);
}

// Pins: F_v,Rd = 0.6 f_up π d²/4 / γM2 per shear plane, F_b,Rd = 1.5 t d f_y,min / γM0. With d 30 mm,
// f_up 420: 142502.6 N; eye bar 1 of 20 mm S235: 1.5·20·30·235 = 211500 N. A pin marked as a bolt
// takes the bolt's α_v and the packing (separating layer) rule.
TEST_F(Shear_Bearing, Pins) {
    Use_Recommended_Rules(0);
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    C.fastener.type = Fastener_Pin;
    C.fastener.material_index = Fastener_Material_Table_0;   // f_yp 340, f_up 420
    C.fastener.d_pin = 30.0;
    C.fastener.d_0 = 31.0;
    Derive_Fastener_Data(&C.fastener, nullptr, 0);
    C.plate_1 = Test_Plate(20.0);
    C.plate_2 = Test_Plate(12.0);
    C.shear_planes = 2;
    Prepare_Bolt_Check(&C, 0, 1, &factors);
    EXPECT_EQ(Shear(C, 2), Lines(" Querschnittsfläche des Bolzens:  A = ╔╬/.╬rd²/4 = 7.07 cm²\n"
                                 " Abschertragfähigkeit je Scherfuge:  F╬\\v,Rd╬r = (0.6╬/.╬rf╬\\up╬r╬/.╬rA) / └╬\\M2╬r = 142.50 kN,"
                                 "  f╬\\up╬r = 420.0 N/mm²\n"_cp));
    EXPECT_EQ(Bearing(C, 2), Lines(" Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (1.5╬/.╬rf╬\\y,min╬r╬/.╬rd╬/.╬rt) / └╬\\M0╬r = 211.50 kN,"
                                   "  f╬\\y,min╬r = 235.0 N/mm²,  t = 20.0 mm\n"_cp));
    C.options |= Bolt_Option_Pin_As_Bolt;
    C.fastener.effective_class_index = Bolt_Class_10_9;
    C.packing = 1;
    C.t_p = 15.0;
    EXPECT_EQ(Shear(C, 1), Lines(" Abschertragfähigkeit je Scherfuge F╬\\v,Rd╬r = (0.5╬/.╬rf╬\\up╬r╬/.╬rA) / └╬\\M2╬r = 118.75 kN\n"
                                 " Trennschicht mit t╬\\p╬r = 15.0 mm > d/3 = 10.0 mm:  Abminderungsfaktor ╗╬\\p╬r = 0.95"
                                 "  ê  F╬\\v,Rd╬r = 112.502 kN\n"_cp));
    factors.gamma_M[Gamma_M0] = 0.0;
    EXPECT_EQ(Bearing(C, 1, 1, 1), Lines(" F╬\\b,Rd╬r nicht ermittelbar "_cp + Error_Mark + "\n"));
}

// Anchors of ribbed bar or threaded rod with the thread in the shear plane: α_b = 0.44 - 0.0003 f_yb
// (B500B: 0.29), F_v,Rd = 0.29·525·244.8/1.25 = 29816.6 N; without suitability tests × 0.85
// = 25344.1 N.
TEST_F(Shear_Bearing, AnchorOfThreadedRod) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Anchor_Joint(8);
    C.options |= Bolt_Option_Thread_In_Shear_Plane;
    Prepare_Bolt_Check(&C, 0, 1, &factors);
    EXPECT_EQ(Shear(C, 2), Lines(" Ankerschraube:  ║╬\\v╬r = 0.44-0.0003╬/.╬rf╬\\yb╬r = 0.290,  f╬\\yb╬r = 500.0 N/mm²,  A = 2.45 cm²\n"
                                 " Abschertragfähigkeit:  F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 29.82 kN,"
                                 "  f╬\\ub╬r = 525.0 N/mm²\n"
                                 " Ankerschraube aus Rundstahl ohne Eignungsprüfungen:  F╬\\v,Rd╬r╬/.╬r0.85 = 25.34 kN\n"_cp));
    EXPECT_NEAR(C.results.F_v_Rd, 25344.144, 1e-6);
    C.fastener.suitability_tests = 1;
    Compute_Shear_Resistance(&C, nullptr, 0);
    EXPECT_NEAR(C.results.F_v_Rd, 29816.64, 1e-6);
}

// An anchor plate on a grout layer thicker than d/2 bends the anchor (EN 1992-4 7.2.2.3.2): M20 5.6,
// grout 15 mm, steel plate 20 mm, C25/30: l_a = 10 + 15 = 25 mm; N_Rd,s = 0.9·500·244.8/1.667
// = 66096 N; with N_Ed = 20 kN, M_Rk,s = 0.9·(20³/6)·300·(1 - 20/66.096) = 251067.5 N·mm;
// V_Rk,s = 251067.5/25 = 10042.7 N, V_Rd,s = 6025.6 N.
TEST_F(Shear_Bearing, AnchorPlateWithLeverArm) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Anchor_Joint(8, [](Fastener& f) {
        f.material_index = Fastener_Material_Bolt_Class;
        f.class_index = Bolt_Class_5_6;
        f.anchorage = Anchorage_Anchor_Plate;
    });
    C.packing = 1;
    C.t_p = 15.0;
    C.F_t_Ed = 20000.0;
    Prepare_Bolt_Check(&C, 0, 1, &factors);
    EXPECT_EQ(Shear(C, 2),
              Lines(" t╬\\m╬r > d/2  ê  mit Hebelarm\n"
                    " Widerstand gegen Stahlbruch:  V╬\\Rk,s╬r = (║╬\\M╬r╬/.╬rM╬\\Rk,s╬r)/l╬\\a╬r = 10.04 kN,  ║╬\\M╬r = 1.0,"
                    "  l╬\\a╬r = 25.0 mm\n"
                    "   M╬\\Rk,s╬r = M╬\\Rks╬/0╬r╬/.╬r(1-N╬\\Ed╬r/N╬\\Rd,s╬r) = 0.25 kNm,"
                    "  M╬\\Rks╬/0╬r = 0.9╬/.╬rW╬\\pl╬r╬/.╬rf╬\\yk╬r = 0.36 kNm,  W╬\\pl╬r = d·/6 = 1.33 cm·,  f╬\\yk╬r = 300.0 N/mm²\n"
                    "     N╬\\Rk,s╬r = 0.9╬/.╬rf╬\\uk╬r╬/.╬rA╬\\s╬r = 110.16 kN\n"
                    "     N╬\\Ed╬r = 20.0 kN,  N╬\\Rd,s╬r = 66.10 kN\n"
                    " Stahlversagen:  V╬\\Rd,s╬r = V╬\\Rk,s╬r/└╬\\Ms╬r = 6.03 kN,  └╬\\Ms╬r = max(f╬\\uk╬r/f╬\\yk╬r,1.25) = 1.67"
                    "  für  f╬\\uk╬r ≤ 800 N/mm² und f╬\\yk╬r/f╬\\uk╬r ≤ 0.8\n"
                    " Abschertragfähigkeit einer Ankerschraube F╬\\v,Rd╬r = V╬\\Rd,s╬r = 6.03 kN\n"_cp));
    EXPECT_NEAR(C.results.F_v_Rd, 6025.62, 0.01);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Compute_Shear_Resistance(&C, s, 0); }), Lines(" V╬\\Rk,s╬r = 10.04 kN\n"_cp));
    // A tension beyond N_Rd,s leaves no bending resistance: F_v,Rd keeps its cleared value.
    C.F_t_Ed = 70000.0;
    C.results.F_v_Rd = 0.0;
    EXPECT_EQ(Compute_Shear_Resistance(&C, nullptr, 0), 0);
    EXPECT_EQ(C.results.F_v_Rd, 0.0);
}
