// The formula blocks of shear, bearing and tension at Detail_Level 2 under both editions, for a
// bolt, a rivet, an injection bolt and an anchor bolt with anchor plate, as whole report texts.
#include <gtest/gtest.h>

#include <string>

#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "checks/concrete_grade.h"
#include "frame/code_edition.h"

// Hand values (γM0 1.0, γM2 1.25; plates S235 with f_u = 360 N/mm²):
//
// Bolt M20 8.8, thread in the shear plane, t = 10 mm, e_1 40, e_2 30, p_1 = p_2 = 60, d_0 = 22:
//   F_v,Rd = 0.6·800·244.8/1.25 = 94003.2 N; F_t,Rd = 0.9·800·244.8/1.25 = 141004.8 N.
//   Edition 0: α_d,i = 60/66 - 1/4 = 0.659, α_d,a = 40/66 = 0.606 = α_b; k = 1.4·60/22 - 1.7
//   = 2.8·30/22 - 1.7 = 2.118; F_b,Rd = 2.118·0.606·360·20·10/1.25 = 73943.8 N.
//   Edition 1: α_d,i = 60/22 - 0.5 = 2.227, α_d,a = 40/22 = 1.818 = α_b; F_b,Rd = 1.818·360·200/1.25
//   = 104727 N; N_u,Rd = 2·(30 - 11)·10·360/1.25 = 109440 N is larger.
// Rivet d_0 = 21 mm of RSt 38 (f_ur = 370): A_0 = 346.36 mm²; F_v,Rd = F_t,Rd = 0.6·370·346.36/1.25
//   = 61513.6 N. Edition 0: α_d,i = 60/63 - 1/4 = 0.702, α_d,a = 40/63 = 0.635; k = 1.4·60/21 - 1.7
//   = 2.3; F_b,Rd = 2.3·0.635·360·21·10/1.25 = 88320 N. Edition 1: α_b = 40/21 = 1.905,
//   F_b,Rd = 115200 N, limited by N_u,Rd = 2·(30 - 10.5)·10·360/1.25 = 112320 N.
// Injection bolt M20 10.9, shank: F_v,Rd = 0.6·1000·314.16/1.25 = 150796 N; bearing as the bolt.
// Anchor M20 5.6 with anchor plate (d_h 60, t_h 15, ℓ_e 150) through 20 mm S235 into C25/30,
//   e_1 = e_2 = 50, p_1 = p_2 = 150: V⁰_Rk,s = 0.6·244.8·500 = 73440 N, γ_Ms = 500/300 = 1.667,
//   V_Rd,s = 44064 N. N_Rk,s = 0.9·500·244.8 = 110160 N, N_Rd,s = 66096 N; A_h = π/4·(60² - 20²)
//   = 2513.27 mm², N_Rk,p = 7.5·2513.27·25 = 471239 N, N_Rd,p = 314159 N. Edition 0: α_d,a = 50/66
//   = 0.758, k = 2.5, F_b,Rd = 2.5·0.758·360·20·20/1.25 = 218182 N; edition 1: α_b = 50/22 = 2.273,
//   F_b,Rd = 261818 N, N_u,Rd = 2·39·20·360/1.25 = 449280 N.
namespace {

enum Kind { Bolt, Rivet, Injection_Bolt, Anchor };

Bolt_Connection Joint(Kind kind) {
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    Fastener& F = C.fastener;
    C.plate_1 = C.plate_2 = Test_Plate(10.0);
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.p_1 = C.p_2 = 60.0;
    switch (kind) {
    case Bolt:
        F.type = Fastener_Bolt;
        F.size_index = Bolt_Size_M20;
        F.class_index = Bolt_Class_8_8;
        C.options = Bolt_Option_Thread_In_Shear_Plane;
        break;
    case Rivet:
        F.type = Fastener_Rivet;
        F.material_index = Fastener_Material_Table_1;
        F.d_0 = 21.0;
        break;
    case Injection_Bolt:
        F.type = Fastener_Injection_Bolt;
        F.size_index = Bolt_Size_M20;
        F.class_index = Bolt_Class_10_9;
        break;
    case Anchor:
        C = Test_Anchor_Joint(8, [](Fastener& f) {
            f.material_index = Fastener_Material_Bolt_Class;
            f.class_index = Bolt_Class_5_6;
            f.anchorage = Anchorage_Anchor_Plate;
            f.l_e = 150.0;
        });
        C.options = Bolt_Option_Thread_In_Shear_Plane;
        C.e_11 = C.e_21 = 50.0;
        C.e_12 = C.e_22 = 0.0;
        C.p_1 = C.p_2 = 150.0;
        return C;
    }
    Derive_Fastener_Data(&F, nullptr, 0);
    return C;
}

std::string Lines(const std::string& lines) { return lines.empty() ? "" : Para_Head + lines + Para_End; }

struct Blocks {
    std::string shear, bearing, tension;
};

const std::string Bolt_Shear =
    " Gewinde in der Scherfuge: ║╬\\v╬r = 0.6 für FK 8.8,  A = 2.45 cm²\n"
    " Abschertragfähigkeit:  F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 94.00 kN,  f╬\\ub╬r = 800.0 N/mm²\n"_cp;
const std::string Bolt_Tension =
    " Zugtragfähigkeit einer Schraube:  F╬\\t,Rd╬r = (k╬\\2╬r╬/.╬rf╬\\ub╬r╬/.╬rA╬\\s╬r) / └╬\\M2╬r = 141.00 kN,"
    "  k╬\\2╬r = 0.90,  f╬\\ub╬r = 800.0 N/mm²\n"_cp;
const std::string Bearing_Line_Edition_0 =
    " Lochleibungstragfähigkeit:  F╬\\b,Rd╬r = (k╬\\m╬r╬/.╬r║╬\\b╬r╬/.╬rf╬\\u╬r╬/.╬rd╬/.╬rt) / └╬\\M2╬r = "_cp;
const std::string Normal_k_m = " normale Schraube k╬\\m╬r = 1.0\n"_cp;
const std::string Edge_Bolt = " Randschraube quer zur Kraftrichtung:  N╬\\u,Rd╬r = 2╬/.╬r(e╬\\2╬r-d╬\\0╬r/2)╬/.╬rt╬/.╬rf╬\\u╬r/└╬\\M2╬r = "_cp;
const std::string Bolt_Bearing_2010 =
    " in Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3╬/.╬rd╬\\0╬r)-1/4 = 0.66  (innen liegende Schraube)\n"
    " in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 0.61  (am Rand liegende Schraube)\n"_cp;
const std::string Bolt_k_2010 =
    " quer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7 = 2.12  (innen liegende Schraube)\n"
    " quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7, 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7) = 2.12"
    "  (am Rand liegende Schraube)\n"
    "   ê  k╬\\m╬r = 2.12  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"_cp +
    Bearing_Line_Edition_0 + "73.94 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"_cp;
const std::string Bolt_Bearing_2025_Head =
    " innen liegende Schraube:  ║╬\\d,i╬r = p╬\\1╬r/d╬\\0╬r-1/2 = 2.23\n"
    " am Rand liegende Schraube:  ║╬\\d,a╬r = e╬\\1╬r/d╬\\0╬r = 1.82\n"_cp;
const std::string Bolt_Bearing_2025_Tail =
    Normal_k_m + Bearing_Line_Edition_0 + "104.73 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 20.0 mm\n"_cp + Edge_Bolt +
    "109.44 kN > F╬\\b,Rd╬r  "_cp + Note_Ok_Mark + "\n";

const std::string Rivet_Shear =
    " Querschnittsfläche des Nietlochs:  A╬\\0╬r = ╔╬/.╬rd╬\\0╬r²/4 = 3.46 cm²\n"
    " Abschertragfähigkeit je Scherfuge:  F╬\\v,Rd╬r = (0.6╬/.╬rf╬\\ur╬r╬/.╬rA╬\\0╬r) / └╬\\M2╬r = 61.51 kN,"
    "  f╬\\ur╬r = 370.0 N/mm²\n"_cp;
const std::string Rivet_Tension =
    " Zugtragfähigkeit eines Niets:  F╬\\t,Rd╬r = (0.6╬/.╬rf╬\\ur╬r╬/.╬rA╬\\0╬r) / └╬\\M2╬r = 61.51 kN,"
    "  f╬\\ur╬r = 370.0 N/mm²,  A╬\\0╬r = 346.4 mm²\n"_cp;

const std::string Injection_Shear =
    " Schaft in der Scherfuge:  ║╬\\v╬r = 0.6,  A = 3.14 cm²\n"
    " Abschertragfähigkeit:  F╬\\v,Rd╬r = ║╬\\v╬r╬/.╬rf╬\\ub╬r╬/.╬rA / └╬\\M2╬r = 150.80 kN,  f╬\\ub╬r = 1000.0 N/mm²\n"_cp;

const std::string Gamma_Ms_Text =
    "└╬\\Ms╬r = max(f╬\\uk╬r/f╬\\yk╬r,1.25) = 1.67  für  f╬\\uk╬r ≤ 800 N/mm² und f╬\\yk╬r/f╬\\uk╬r ≤ 0.8\n"_cp;
const std::string Anchor_Shear =
    " t╬\\m╬r ≤ d/2  ê  ohne Hebelarm\n"
    " Widerstand gegen Stahlbruch:  V╬\\Rk,s╬r = k╬\\7╬r╬/.╬rV╬\\Rk,s╬/0╬r = 73.44 kN,  k╬\\7╬r = 1.0\n"
    "   V╬\\Rk,s╬/0╬r = k╬\\6╬r╬/.╬rA╬\\s╬r╬/.╬rf╬\\uk╬r = 73.44 kN,  k╬\\6╬r = 0.6,  f╬\\uk╬r = 500.0 N/mm²\n"
    " Stahlversagen:  V╬\\Rd,s╬r = V╬\\Rk,s╬r/└╬\\Ms╬r = 44.06 kN,  "_cp +
    Gamma_Ms_Text + " Abschertragfähigkeit einer Ankerschraube F╬\\v,Rd╬r = V╬\\Rd,s╬r = 44.06 kN\n"_cp;
const std::string Anchor_Tension =
    " Widerstand gegen Stahlbruch:  N╬\\Rk,s╬r = 0.9╬/.╬rf╬\\uk╬r╬/.╬rA╬\\s╬r = 110.16 kN,  f╬\\uk╬r = 500.0 N/mm²,"
    "  A╬\\s╬r = 244.8 mm²\n"
    "   N╬\\Rd,s╬r = N╬\\Rk,s╬r/└╬\\Ms╬r = 66.10 kN,  "_cp +
    Gamma_Ms_Text +
    " Zugtragfähigkeit einer Ankerschraube F╬\\t,Rd╬r = 66.10 kN\n"
    " Widerstand gegen Herausziehen:  N╬\\Rk,p╬r = k╬\\2╬r╬/.╬rA╬\\h╬r╬/.╬rf╬\\ck╬r = 471.24 kN,  k╬\\2╬r = 7.5,"
    "  A╬\\h╬r = 25.13 cm²,  f╬\\ck╬r = 25.0 N/mm²\n"
    "   N╬\\Rd,p╬r = N╬\\Rk,p╬r/└╬\\Mc╬r = 314.16 kN,  └╬\\Mc╬r = └╬\\c╬r = 1.50\n"
    " Zugtragfähigkeit einer Ankerschraube für N╬\\Rd,p╬r > F╬\\t,Rd╬r: F╬\\t,Rd╬r = 66.10 kN\n"_cp;

Blocks Expected(Kind kind, int edition) {
    switch (kind) {
    case Bolt:
        return {Bolt_Shear,
                edition == 0 ? Bolt_Bearing_2010 +
                                   "   ê  ║╬\\b╬r = 0.61  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 2.22  oder  1.0)\n"_cp +
                                   Bolt_k_2010
                             : Bolt_Bearing_2025_Head +
                                   "   ê  ║╬\\b╬r = 1.82  (der kleinste Wert von  ║╬\\d,i╬r, ║╬\\d,a╬r  oder  3╬/.╬rf╬\\ub╬r/f╬\\u╬r"
                                   " = 6.67  oder  3.0)\n"_cp +
                                   Bolt_Bearing_2025_Tail,
                Bolt_Tension};
    case Rivet:
        return {Rivet_Shear,
                edition == 0
                    ? " in Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3╬/.╬rd╬\\0╬r)-1/4 = 0.70  (innen liegender Niet)\n"
                      " in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 0.63  (am Rand liegender Niet)\n"
                      "   ê  ║╬\\b╬r = 0.63  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 1.03  oder  1.0)\n"
                      " quer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7 = 2.30  (innen liegender Niet)\n"
                      " quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7, 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7)"
                      " = 2.30  (am Rand liegender Niet)\n"
                      "   ê  k╬\\m╬r = 2.30  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"_cp +
                          Bearing_Line_Edition_0 + "88.32 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 21.0 mm\n"_cp
                    : " innen liegender Niet:  ║╬\\d,i╬r = p╬\\1╬r/d╬\\0╬r-1/2 = 2.36\n"
                      " am Rand liegender Niet:  ║╬\\d,a╬r = e╬\\1╬r/d╬\\0╬r = 1.90\n"
                      "   ê  ║╬\\b╬r = 1.90  (der kleinste Wert von  ║╬\\d,i╬r, ║╬\\d,a╬r  oder  3╬/.╬rf╬\\ub╬r/f╬\\u╬r = 3.08"
                      "  oder  3.0)\n"_cp +
                          Normal_k_m + Bearing_Line_Edition_0 +
                          "115.20 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 10.0 mm,  d = 21.0 mm\n"_cp + Edge_Bolt +
                          "112.32 kN < F╬\\b,Rd╬r  ê  F╬\\b,Rd╬r = 112.32 kN\n"_cp,
                Rivet_Tension};
    case Injection_Bolt:
        return {Injection_Shear,
                edition == 0 ? Bolt_Bearing_2010 +
                                   "   ê  ║╬\\b╬r = 0.61  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 2.78  oder  1.0)\n"_cp +
                                   Bolt_k_2010
                             : Bolt_Bearing_2025_Head +
                                   "   ê  ║╬\\b╬r = 1.82  (der kleinste Wert von  ║╬\\d,i╬r, ║╬\\d,a╬r  oder  3╬/.╬rf╬\\ub╬r/f╬\\u╬r"
                                   " = 8.33  oder  3.0)\n"_cp +
                                   Bolt_Bearing_2025_Tail,
                ""};
    case Anchor:
        return {Anchor_Shear,
                edition == 0
                    ? " in Kraftrichtung wirkend:  ║╬\\d,i╬r = p╬\\1╬r/(3╬/.╬rd╬\\0╬r)-1/4 = 2.02  (innen liegende Schraube)\n"
                      " in Kraftrichtung wirkend:  ║╬\\d,a╬r = e╬\\1╬r/(3╬/.╬rd╬\\0╬r) = 0.76  (am Rand liegende Schraube)\n"
                      "   ê  ║╬\\b╬r = 0.76  (der kleinste Wert von  ║╬\\d╬r  oder  f╬\\ub╬r/f╬\\u╬r = 1.39  oder  1.0)\n"
                      " quer zur Kraftrichtung wirkend:  k╬\\m,i╬r = 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7 = 7.85  (innen liegende Schraube)\n"
                      " quer zur Kraftrichtung wirkend:  k╬\\m,a╬r = min(2.8╬/.╬re╬\\2╬r/d╬\\0╬r-1.7, 1.4╬/.╬rp╬\\2╬r/d╬\\0╬r-1.7)"
                      " = 4.66  (am Rand liegende Schraube)\n"
                      "   ê  k╬\\m╬r = 2.50  (der kleinste Wert von  k╬\\m╬r  oder  2.5)\n"_cp +
                          Bearing_Line_Edition_0 + "218.18 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 20.0 mm,  d = 20.0 mm\n"_cp
                    : " innen liegende Schraube:  ║╬\\d,i╬r = p╬\\1╬r/d╬\\0╬r-1/2 = 6.32\n"
                      " am Rand liegende Schraube:  ║╬\\d,a╬r = e╬\\1╬r/d╬\\0╬r = 2.27\n"
                      "   ê  ║╬\\b╬r = 2.27  (der kleinste Wert von  ║╬\\d,i╬r, ║╬\\d,a╬r  oder  3╬/.╬rf╬\\ub╬r/f╬\\u╬r = 4.17"
                      "  oder  3.0)\n"_cp +
                          Normal_k_m + Bearing_Line_Edition_0 +
                          "261.82 kN,  f╬\\u╬r = 360.0 N/mm²,  t = 20.0 mm,  d = 20.0 mm\n"_cp + Edge_Bolt +
                          "449.28 kN > F╬\\b,Rd╬r  "_cp + Note_Ok_Mark + "\n",
                Anchor_Tension};
    }
    return {};
}

struct Results {
    double F_v_Rd, F_b_Rd[2], F_t_Rd;
};

Results Expected_Results(Kind kind) {
    switch (kind) {
    case Bolt: return {94003.2, {73943.8, 104727.3}, 141004.8};
    case Rivet: return {61513.6, {88320.0, 112320.0}, 61513.6};
    case Injection_Bolt: return {150796.4, {73943.8, 104727.3}, 0.0};
    case Anchor: return {44064.0, {218181.8, 261818.2}, 66096.0};
    }
    return {};
}

}  // namespace

TEST(Bolt_Formula_Blocks, ShearBearingAndTensionAtDetailLevel2) {
    const Safety_Factors factors = Test_Safety_Factors();
    for (Kind kind : {Bolt, Rivet, Injection_Bolt, Anchor})
        for (int edition : {0, 1}) {
            Use_Recommended_Rules(edition);
            Bolt_Connection C = Joint(kind);
            Prepare_Bolt_Check(&C, 0, 1, &factors);
            const Blocks expected = Expected(kind, edition);
            int result = -1;
            EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { result = Compute_Shear_Resistance(&C, s, 2); }), Lines(expected.shear))
                << kind << " " << edition;
            EXPECT_EQ(result, 0);
            EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { result = Compute_Bearing_Resistance(&C, s, 2, 1); }),
                      Lines(expected.bearing))
                << kind << " " << edition;
            EXPECT_EQ(result, 0);
            EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { result = Compute_Tension_Resistance(&C, s, 2); }), Lines(expected.tension))
                << kind << " " << edition;
            EXPECT_EQ(result, 0);
            const Results r = Expected_Results(kind);
            EXPECT_NEAR(C.results.F_v_Rd, r.F_v_Rd, 0.1) << kind;
            EXPECT_NEAR(C.results.F_b_Rd_1, r.F_b_Rd[edition], 0.1) << kind << " " << edition;
            EXPECT_NEAR(C.results.F_t_Rd, r.F_t_Rd, 0.1) << kind;
        }
}

// Without a report stream the same values are computed and nothing is written; at level 0 a bolt
// prints no formula.
TEST(Bolt_Formula_Blocks, ComputeOnlyAndLevel0) {
    const Safety_Factors factors = Test_Safety_Factors();
    Use_Recommended_Rules(0);
    Bolt_Connection C = Joint(Bolt);
    Prepare_Bolt_Check(&C, 0, 1, &factors);
    EXPECT_EQ(Compute_Shear_Resistance(&C, nullptr, 2), 0);
    EXPECT_EQ(Compute_Bearing_Resistance(&C, nullptr, 2, 1), 0);
    EXPECT_EQ(Compute_Tension_Resistance(&C, nullptr, 2), 0);
    EXPECT_NEAR(C.results.F_v_Rd, 94003.2, 0.1);
    EXPECT_NEAR(C.results.F_b_Rd_1, 73943.8, 0.1);
    EXPECT_NEAR(C.results.F_t_Rd, 141004.8, 0.1);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) {
                  Compute_Shear_Resistance(&C, s, 0);
                  Compute_Bearing_Resistance(&C, s, 0, 1);
                  Compute_Tension_Resistance(&C, s, 0);
              }),
              "");
}
