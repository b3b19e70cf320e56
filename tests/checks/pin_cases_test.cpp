#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "checks/pin_connection.h"
#include "checks/pin_resistances.h"
#include "checks/pin_test_support.h"

// Edge cases of the pin check on the test joint (d 30 mm, f_yp 340, f_up 420 N/mm², t1 20 and t2 12 mm
// S355, Δt 2 mm, F_Ed 200 kN, F_Ed,ser 150 kN, γM0 1.0, γM2 1.25, γM6,ser 1.0).

namespace {

struct Pin_Cases : ::testing::Test {
    Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C = Test_Pin_Joint(&factors);
    int governing = 99;

    std::string Verify(int edition, int level) {
        Use_Recommended_Rules(edition);
        return Paragraph_Or_Empty([&](FILE* s) { Verify_Pin_Connection(&C, &governing, s, level); });
    }
    std::string Geometry(int level) {
        return Paragraph_Or_Empty([&](FILE* s) { Verify_Pin_Geometry(&C, s, level); });
    }
};

}  // namespace

// A pin marked as a bolt of class 10.9 bends with W_el = π·30³/32 = 2.65 cm³: M_Rd = 0.9·340·W_el =
// 0.811 kNm, with the note at level 2; any other class with W_pl = W_el·16/(3π) = 4.50 cm³: M_Rd =
// 0.9·340·4500 = 1.377 kNm.
TEST_F(Pin_Cases, BendingOfAPinMarkedAsABolt) {
    C.options |= Bolt_Option_No_Pin_Shear | Bolt_Option_No_Pin_Bearing | Bolt_Option_Pin_As_Bolt;
    C.fastener.effective_class_index = Bolt_Class_10_9;
    EXPECT_EQ(Verify(0, 2), Expand_Pin_Lines(
        " ╬HBiegung\n"
        "{indent 0.3}\n"
        " Biegemoment:  M╬\\Ed╬r = F╬\\Ed╬r ╬/.╬r (t╬\\1╬r+4╬/.╬rút+2╬/.╬rt╬\\2╬r)/8 = 1.30 kNm, t╬\\1╬r = 20.0 mm, t╬\\2╬r = 12.0 mm, út = 2.0 mm\n"
        " ╬SBei Schrauben der Festigkeitsklasse 10.9 (HV) wird der Biegewiderstand mit dem elastischen Widerstandsmoment berechnet.\n"
        " Widerstandsmoment der Schraube:  W╬\\el╬r = ╔╬/.╬rd·/32 = 2.65 cm·\n"
        " Biegewiderstand:  M╬\\Rd╬r = (0.9╬/.╬rf╬\\yp╬r╬/.╬rW╬\\el╬r) / └╬\\M0╬r = 0.811 kNm,  f╬\\yp╬r = 340.0 N/mm²\n"
        " M╬\\Ed╬r = 1.30 kNm  >  M╬\\Rd╬r = 0.811 kNm  ê  U = 1.603  >  1  {not ok}\n"_cp));
    EXPECT_NEAR(C.results.M_Rd, 0.9 * 340 * 2650.7188 * 0.001, 1e-6);   // N·m
    C.fastener.effective_class_index = Bolt_Class_8_8;
    EXPECT_EQ(Verify(0, 2), Expand_Pin_Lines(
        " ╬HBiegung\n"
        "{indent 0.3}\n"
        " Biegemoment:  M╬\\Ed╬r = F╬\\Ed╬r ╬/.╬r (t╬\\1╬r+4╬/.╬rút+2╬/.╬rt╬\\2╬r)/8 = 1.30 kNm, t╬\\1╬r = 20.0 mm, t╬\\2╬r = 12.0 mm, út = 2.0 mm\n"
        " Widerstandsmoment der Schraube:  W╬\\el╬r = ╔╬/.╬rd·/32 = 2.65 cm·,  W╬\\pl╬r = W╬\\el╬r╬/.╬r16/(3╬/.╬r╔) = 4.50 cm·\n"
        " Biegewiderstand:  M╬\\Rd╬r = (0.9╬/.╬rf╬\\yp╬r╬/.╬rW╬\\pl╬r) / └╬\\M0╬r = 1.377 kNm,  f╬\\yp╬r = 340.0 N/mm²\n"
        " M╬\\Ed╬r = 1.30 kNm  <  M╬\\Rd╬r = 1.377 kNm  ê  U = 0.944  <  1  {ok}\n"_cp));
    EXPECT_NEAR(C.results.M_Rd, 0.9 * 340 * 4500.0 * 0.001, 1e-9);
}

// A yield strength of 0 leaves no finite minimum: the requirement is not met and its limit shows
// as "∞" (t_min of option B, a_min and c_min of option A).
TEST_F(Pin_Cases, YieldStrengthZero) {
    C.options |= Bolt_Option_Plate_2_Unverified;
    C.plate_1.material.f_y = 0.0;
    C.pin_geometry = 2;
    EXPECT_EQ(Geometry(1), Expand_Pin_Lines(
        " Geometrische Anforderungen\n"
        " Minimale Blechdicke t╬\\min╬r = 0.7╬/.╬r(F╬\\Ed╬r╬/.╬r└╬\\M0╬r/f╬\\y╬r)╬/1/2╬r = ∞ mm\n"
        " t = 20.0 mm  <  t╬\\min╬r = ∞ mm  {not ok}\n"
        " Maximaler Lochdurchmesser d╬\\0,max╬r = 2.5╬/.╬rt = 50.0 mm\n"
        " d╬\\0╬r = 31.0 mm  <  d╬\\0,max╬r = 50.0 mm  {ok}\n"
        " Minimale Abstände:\n"
        " min e╬\\1╬r = 1.6╬/.╬rd╬\\0╬r = 49.6 mm, min c = 0.75╬/.╬rd╬\\0╬r = 23.2 mm\n"
        " min (e╬\\1╬r-e╬\\2╬r) = 0.3╬/.╬rd╬\\0╬r = 9.3 mm, min e╬\\2╬r = 0.5╬/.╬r2.5╬/.╬rd╬\\0╬r = 38.8 mm\n"
        " e╬\\1╬r = 50.2 mm  >  min e╬\\1╬r = 49.6 mm  {ok}\n"
        " c = e╬\\2╬r-d╬\\0╬r/2 = 24.5 mm  >  min c = 23.2 mm  {ok}\n"
        " e╬\\1╬r-e╬\\2╬r = 10.2 mm  >  min (e╬\\1╬r-e╬\\2╬r) = 9.3 mm  {ok}\n"
        " e╬\\2╬r = 40.0 mm  >  min e╬\\2╬r = 38.8 mm  {ok}\n"_cp));
    EXPECT_EQ(C.Check_Error_Flags, Pin_Error_Geometry);
    C.pin_geometry = 1;
    EXPECT_EQ(Geometry(0), Expand_Pin_Lines(
        " Geometrische Anforderungen\n"
        " a = e╬\\1╬r-0.5╬/.╬rd╬\\0╬r = 34.8 mm  <  a╬\\min╬r = ∞ mm  {not ok}\n"
        " c = e╬\\2╬r-0.5╬/.╬rd╬\\0╬r = 24.5 mm  <  c╬\\min╬r = ∞ mm  {not ok}\n"_cp));
}

// Option B with eye bar 1 unverified: eye bar 2 (F_Ed/2 = 100 kN) checks t_min = 0.7·(100000/355)^1/2
// = 11.7 mm and d0,max = 2.5·t2 = 30 mm of its own thickness (the hole of 31 mm is too large), then
// the distances with their minima on one line.
TEST_F(Pin_Cases, OptionBOnEyeBar2Alone) {
    C.options |= Bolt_Option_Plate_1_Unverified;
    C.pin_geometry = 2;
    EXPECT_EQ(Geometry(1), Expand_Pin_Lines(
        " Geometrische Anforderungen\n"
        " Minimale Blechdicke t╬\\min╬r = 0.7╬/.╬r(F╬\\Ed╬r╬/.╬r└╬\\M0╬r/f╬\\y╬r)╬/1/2╬r = 11.7 mm\n"
        " t = 12.0 mm  >  t╬\\min╬r = 11.7 mm  {ok}\n"
        " Maximaler Lochdurchmesser d╬\\0,max╬r = 2.5╬/.╬rt = 30.0 mm\n"
        " d╬\\0╬r = 31.0 mm  >  d╬\\0,max╬r = 30.0 mm  {not ok}\n"
        " Minimale Abstände:\n"
        " min e╬\\1╬r = 1.6╬/.╬rd╬\\0╬r = 49.6 mm, min c = 0.75╬/.╬rd╬\\0╬r = 23.2 mm,   min (e╬\\1╬r-e╬\\2╬r) = 0.3╬/.╬rd╬\\0╬r = 9.3 mm, min e╬\\2╬r = 0.5╬/.╬r2.5╬/.╬rd╬\\0╬r = 38.8 mm\n"
        " e╬\\1╬r = 50.2 mm  >  min e╬\\1╬r = 49.6 mm  {ok}\n"
        " c = e╬\\2╬r-d╬\\0╬r/2 = 24.5 mm  >  min c = 23.2 mm  {ok}\n"
        " e╬\\1╬r-e╬\\2╬r = 10.2 mm  >  min (e╬\\1╬r-e╬\\2╬r) = 9.3 mm  {ok}\n"
        " e╬\\2╬r = 40.0 mm  >  min e╬\\2╬r = 38.8 mm  {ok}\n"_cp));
    EXPECT_EQ(C.Check_Error_Flags, Pin_Error_Geometry);
}

// A geometry option of 3 prints the headings with nothing under them.
TEST_F(Pin_Cases, UnknownGeometryOption) {
    C.pin_geometry = 3;
    EXPECT_EQ(Geometry(2), Expand_Pin_Lines(
        " ╬HGeometrische Anforderungen\n"
        "{indent 0.3}\n"
        " ╬_Augenstab 1\n"
        " ╬_Augenstab 2╬r\n"_cp));
    EXPECT_EQ(C.Check_Error_Flags, 0);
}

// Both eye bars unverified: no geometry and no bearing block; shear and bending still run.
TEST_F(Pin_Cases, BothEyeBarsUnverified) {
    C.options |= Bolt_Option_Plate_1_Unverified | Bolt_Option_Plate_2_Unverified;
    C.pin_geometry = 2;
    EXPECT_EQ(Verify(0, 1), Expand_Pin_Lines(
        " Abscheren:\n"
        " Scherkraft F╬\\v,Ed╬r = F╬\\Ed╬r = 200.00 kN\n"
        " Abschertragfähigkeit je Scherfuge F╬\\v,Rd╬r = (0.6╬/.╬rf╬\\up╬r╬/.╬rA) / └╬\\M2╬r = 142.50 kN\n"
        " F╬\\v,Ed╬r = 100.0 kN  <  F╬\\v,Rd╬r = 142.50 kN  ê  U = 0.702  <  1  {ok}\n"
        " Biegung:\n"
        " Biegemoment M╬\\Ed╬r = F╬\\Ed╬r ╬/.╬r (t╬\\1╬r+4╬/.╬rút+2╬/.╬rt╬\\2╬r)/8 = 1.30 kNm\n"
        " Biegewiderstand M╬\\Rd╬r = (1.5╬/.╬rf╬\\yp╬r╬/.╬rW╬\\el╬r) / └╬\\M0╬r = 1.352 kNm\n"
        " M╬\\Ed╬r = 1.30 kNm  <  M╬\\Rd╬r = 1.352 kNm  ê  U = 0.962  <  1  {ok}\n"
        " Kombination von Abscheren und Biegung:\n"
        " (F╬\\v,Ed╬r/F╬\\v,Rd╬r)² + (M╬\\Ed╬r/M╬\\Rd╬r)² = 1.417  >  1  {not ok}\n"_cp));
    EXPECT_EQ(governing, 0);
}

// F_t,Ed = 50 kN: a pin takes no tension, so every pass says that it is not verified (and level 0
// without the verification switch shows F_t,Rd = 0). Situation 3 governs with the shear 0.780.
TEST_F(Pin_Cases, TensionIsNotVerified) {
    C.F_t_Ed = 50000.0;
    C.options |= Bolt_Option_No_Pin_Bearing | Bolt_Option_No_Pin_Bending;
    EXPECT_EQ(Verify(1, 0), Expand_Pin_Lines(
        " 1: Symmetrische Situation - maximales Biegemoment\n"
        " Scherkraft F╬\\v,Ed╬r = 0\n"
        " F╬\\t,Rd╬r = 0  ê  Nachweis wird nicht geführt {warning}\n"
        " 2: Symmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment\n"
        " F╬\\v,Ed╬r = 100.0 kN  <  F╬\\v,Rd╬r = 142.50 kN  ê  U = 0.702  <  1  {ok}\n"
        " F╬\\t,Rd╬r = 0  ê  Nachweis wird nicht geführt {warning}\n"
        " 3: Asymmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment\n"
        " F╬\\v,Ed╬r = 111.1 kN  <  F╬\\v,Rd╬r = 142.50 kN  ê  U = 0.780  <  1  {ok}\n"
        " F╬\\t,Rd╬r = 0  ê  Nachweis wird nicht geführt {warning}\n"
        " 4: Asymmetrische Situation - hohe Scherkraft und zugehöriges hohes Biegemoment\n"
        " F╬\\v,Ed╬r = 88.9 kN  <  F╬\\v,Rd╬r = 142.50 kN  ê  U = 0.624  <  1  {ok}\n"
        " F╬\\t,Rd╬r = 0  ê  Nachweis wird nicht geführt {warning}\n"_cp));
    EXPECT_EQ(governing, 2);
    EXPECT_EQ(C.Check_Error_Flags, 0);
    Bolt_Connection D = Test_Pin_Joint(&factors);
    D.F_t_Ed = 50000.0;
    D.context.verification = 0;
    Use_Recommended_Rules(0);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Verify_Pin_Connection(&D, &governing, s, 0); }), Expand_Pin_Lines(
        " F╬\\v,Rd╬r = 142.50 kN\n"
        " ╬_Augenstab 1 und Bolzen\n"
        " F╬\\b,Rd╬r = 306.00 kN\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " F╬\\b,Rd╬r = 183.60 kN\n"
        " M╬\\Rd╬r = 1.352 kNm\n"
        " F╬\\t,Rd╬r = 0.000 kN\n"_cp));
    EXPECT_EQ(governing, -1);
    // 0.1 N or less is no tension.
    C.F_t_Ed = 0.1;
    EXPECT_EQ(Verify(0, 1).find("Zug"), std::string::npos);
}

// d0 < d: the contact stress cannot be determined; its error line comes before the f_h,Rd line, the
// bearing bits are set and U_max keeps its value (here 150/122.40 = 1.225 of F_b,Rd,ser).
TEST_F(Pin_Cases, HoleSmallerThanThePin) {
    C.fastener.replaceable = 1;
    C.fastener.d_0 = 29.0;
    C.options |= Bolt_Option_No_Pin_Shear | Bolt_Option_No_Pin_Bending | Bolt_Option_Plate_2_Unverified;
    EXPECT_EQ(Verify(0, 1), Expand_Pin_Lines(
        " Lochleibung:\n"
        " Scherkraft F╬\\b,Ed╬r = F╬\\Ed╬r = 200.00 kN\n"
        " Lochleibungstragfähigkeit F╬\\b,Rd╬r = (1.5╬/.╬rf╬\\y,min╬r╬/.╬rd╬/.╬rt) / └╬\\M0╬r = 306.00 kN\n"
        " F╬\\b,Ed╬r = 200.0 kN  <  F╬\\b,Rd╬r = 306.00 kN  ê  U = 0.654  <  1  {ok}\n"
        " Scherkraft F╬\\b,Ed,ser╬r = F╬\\Ed,ser╬r = 150.00 kN\n"
        " Lochleibungstragfähigkeit im GZG F╬\\b,Rd,ser╬r = (0.6╬/.╬rf╬\\y,min╬r╬/.╬rd╬/.╬rt) / └╬\\M6,ser╬r = 122.40 kN\n"
        " F╬\\b,Ed,ser╬r = 150.0 kN  >  F╬\\b,Rd,ser╬r = 122.40 kN  ê  U = 1.225  >  1  {not ok}\n"
        " ╬HFehler╬r: ╠╬\\h,Ed╬r < 0 {error}\n"
        " zul. Lochleibungsspannung f╬\\h,Rd╬r = (2.5╬/.╬rf╬\\y╬r) / └╬\\M6,ser╬r = 850.00 N/mm²\n"
        " Biegung:\n"_cp));
    EXPECT_EQ(C.Check_Error_Flags, Pin_Error_Bearing);
    EXPECT_NEAR(C.U_max, 150.0 / 122.4, 1e-9);
    // d0 = d: σ_h,Ed = 0, verified with U = 0.000.
    C.fastener.d_0 = 30.0;
    C.Check_Error_Flags = 0;
    EXPECT_EQ(Verify(0, 0), Expand_Pin_Lines(
        " F╬\\b,Ed╬r = 200.0 kN  <  F╬\\b,Rd╬r = 306.00 kN  ê  U = 0.654  <  1  {ok}\n"
        " F╬\\b,Ed,ser╬r = 150.0 kN  >  F╬\\b,Rd,ser╬r = 122.40 kN  ê  U = 1.225  >  1  {not ok}\n"
        " ╠╬\\h,Ed╬r = 0.0 N/mm²  <  f╬\\h,Rd╬r = 850.00 N/mm²  ê  U = 0.000  <  1  {ok}\n"_cp));
    EXPECT_EQ(C.Check_Error_Flags, 0);
}

// F_Ed,ser = 0 for a replaceable pin: the serviceability bearing and bending end at their zero lines,
// the contact stress is still verified with 0.
TEST_F(Pin_Cases, ServiceForceZero) {
    C.fastener.replaceable = 1;
    C.F_v_Ed_ser = 0.0;
    C.options |= Bolt_Option_No_Pin_Shear;
    EXPECT_EQ(Verify(0, 0), Expand_Pin_Lines(
        " ╬_Augenstab 1 und Bolzen\n"
        " F╬\\b,Ed╬r = 200.0 kN  <  F╬\\b,Rd╬r = 306.00 kN  ê  U = 0.654  <  1  {ok}\n"
        " Scherkraft F╬\\b,Ed,ser╬r = 0\n"
        " ╠╬\\h,Ed╬r = 0.0 N/mm²  <  f╬\\h,Rd╬r = 850.00 N/mm²  ê  U = 0.000  <  1  {ok}\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " F╬\\b,Ed╬r = 100.0 kN  <  F╬\\b,Rd╬r = 183.60 kN  ê  U = 0.545  <  1  {ok}\n"
        " F╬\\b,Ed,ser╬r = 0\n"
        " ╠╬\\h,Ed╬r = 0.0 N/mm²  <  f╬\\h,Rd╬r = 850.00 N/mm²  ê  U = 0.000  <  1  {ok}\n"
        " M╬\\Ed╬r = 1.30 kNm  <  M╬\\Rd╬r = 1.352 kNm  ê  U = 0.962  <  1  {ok}\n"
        " M╬\\Ed,ser╬r = 0\n"_cp));
    EXPECT_EQ(C.results.F_b_Rd_ser_1, 0.0);
    EXPECT_EQ(C.results.M_Rd_ser, 0.0);
}

// Bit 0x4000: the "Biegung" heading without content, and no combination.
TEST_F(Pin_Cases, NoBendingContent) {
    C.options |= Bolt_Option_No_Pin_Bending | Bolt_Option_No_Pin_Bearing;
    EXPECT_EQ(Verify(0, 1), Expand_Pin_Lines(
        " Abscheren:\n"
        " Scherkraft F╬\\v,Ed╬r = F╬\\Ed╬r = 200.00 kN\n"
        " Abschertragfähigkeit je Scherfuge F╬\\v,Rd╬r = (0.6╬/.╬rf╬\\up╬r╬/.╬rA) / └╬\\M2╬r = 142.50 kN\n"
        " F╬\\v,Ed╬r = 100.0 kN  <  F╬\\v,Rd╬r = 142.50 kN  ê  U = 0.702  <  1  {ok}\n"
        " Biegung:\n"_cp));
    EXPECT_EQ(C.results.M_Rd, 0.0);
    EXPECT_EQ(C.results.U_pin_combination, 0.0);
}

// F_v,Rd not determinable (γM2 0): each pass from situation 2 on shows the error line instead of the
// verification, U_max stays -1 although bending follows, no combination; the governing situation
// keeps situation 1, which raised U_max before.
TEST_F(Pin_Cases, ShearError) {
    factors.gamma_M[Gamma_M2] = 0.0;
    C.options |= Bolt_Option_No_Pin_Bearing;
    EXPECT_EQ(Verify(1, 0), Expand_Pin_Lines(
        " 1: Symmetrische Situation - maximales Biegemoment\n"
        " Scherkraft F╬\\v,Ed╬r = 0\n"
        " M╬\\Ed╬r = 1.30 kNm  <  M╬\\Rd╬r = 1.352 kNm  ê  U = 0.962  <  1  {ok}\n"
        " 2: Symmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment\n"
        " ╬HFehler╬r: F╬\\v,Rd╬r < 0 {error}\n"
        " M╬\\Ed╬r = 0.80 kNm  <  M╬\\Rd╬r = 1.352 kNm  ê  U = 0.592  <  1  {ok}\n"
        " 3: Asymmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment\n"
        " ╬HFehler╬r: F╬\\v,Rd╬r < 0 {error}\n"
        " M╬\\Ed╬r = 0.67 kNm  <  M╬\\Rd╬r = 1.352 kNm  ê  U = 0.493  <  1  {ok}\n"
        " 4: Asymmetrische Situation - hohe Scherkraft und zugehöriges hohes Biegemoment\n"
        " ╬HFehler╬r: F╬\\v,Rd╬r < 0 {error}\n"
        " M╬\\Ed╬r = 0.89 kNm  <  M╬\\Rd╬r = 1.352 kNm  ê  U = 0.658  <  1  {ok}\n"_cp));
    EXPECT_EQ(C.U_max, -1.0);
    EXPECT_EQ(C.Check_Error_Flags, Pin_Error_Shear);
    EXPECT_EQ(governing, 0);
}

// Without the verification switch: no geometry and no verification lines, level 0 shows each
// resistance alone in every pass; U_max stays 0 and nothing governs.
TEST_F(Pin_Cases, WithoutVerificationSwitch) {
    C.context.verification = 0;
    C.fastener.replaceable = 1;
    C.pin_geometry = 1;
    EXPECT_EQ(Verify(1, 0), Expand_Pin_Lines(
        " 1: Symmetrische Situation - maximales Biegemoment\n"
        " F╬\\v,Rd╬r = 142.50 kN\n"
        " ╬_Augenstab 1 und Bolzen\n"
        " F╬\\b,Rd╬r = 306.00 kN\n"
        " F╬\\b,Rd,ser╬r = 122.40 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " F╬\\b,Rd╬r = 183.60 kN\n"
        " F╬\\b,Rd,ser╬r = 73.44 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " M╬\\Rd╬r = 1.352 kNm\n"
        " M╬\\Rd,ser╬r = 0.721 kNm\n"
        " 2: Symmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment\n"
        " F╬\\v,Rd╬r = 142.50 kN\n"
        " ╬_Augenstab 1 und Bolzen\n"
        " F╬\\b,Rd╬r = 306.00 kN\n"
        " F╬\\b,Rd,ser╬r = 122.40 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " F╬\\b,Rd╬r = 183.60 kN\n"
        " F╬\\b,Rd,ser╬r = 73.44 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " M╬\\Rd╬r = 1.352 kNm\n"
        " M╬\\Rd,ser╬r = 0.721 kNm\n"
        " 3: Asymmetrische Situation - maximale Scherkraft und zugehöriges Biegemoment\n"
        " F╬\\v,Rd╬r = 142.50 kN\n"
        " ╬_Augenstab 1 und Bolzen\n"
        " F╬\\b,Rd╬r = 306.00 kN\n"
        " F╬\\b,Rd,ser╬r = 122.40 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " F╬\\b,Rd╬r = 183.60 kN\n"
        " F╬\\b,Rd,ser╬r = 73.44 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " M╬\\Rd╬r = 1.352 kNm\n"
        " M╬\\Rd,ser╬r = 0.721 kNm\n"
        " 4: Asymmetrische Situation - hohe Scherkraft und zugehöriges hohes Biegemoment\n"
        " F╬\\v,Rd╬r = 142.50 kN\n"
        " ╬_Augenstab 1 und Bolzen\n"
        " F╬\\b,Rd╬r = 306.00 kN\n"
        " F╬\\b,Rd,ser╬r = 122.40 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " F╬\\b,Rd╬r = 183.60 kN\n"
        " F╬\\b,Rd,ser╬r = 73.44 kN\n"
        " f╬\\h,Rd╬r = 850.00 N/mm²\n"
        " M╬\\Rd╬r = 1.352 kNm\n"
        " M╬\\Rd,ser╬r = 0.721 kNm\n"_cp));
    EXPECT_EQ(C.U_max, 0.0);
    EXPECT_EQ(governing, -1);
    // A resistance that cannot be determined prints as such and sets its bits only.
    factors.gamma_M[Gamma_M0] = 0.0;
    C.fastener.replaceable = 0;
    C.options |= Bolt_Option_No_Pin_Shear;
    EXPECT_EQ(Verify(0, 1), Expand_Pin_Lines(
        " Lochleibung:\n"
        " ╬_Augenstab 1 und Bolzen\n"
        " Scherkraft F╬\\b,Ed╬r = F╬\\Ed╬r = 200.00 kN\n"
        " F╬\\b,Rd╬r nicht ermittelbar {error}\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " Scherkraft F╬\\b,Ed╬r = 0.500╬/.╬rF╬\\Ed╬r = 100.00 kN\n"
        " F╬\\b,Rd╬r nicht ermittelbar {error}\n"
        " Biegung:\n"
        " Biegemoment M╬\\Ed╬r = F╬\\Ed╬r ╬/.╬r (t╬\\1╬r+4╬/.╬rút+2╬/.╬rt╬\\2╬r)/8 = 1.30 kNm\n"
        " M╬\\Rd╬r nicht ermittelbar {error}\n"_cp));
    EXPECT_EQ(C.Check_Error_Flags, Pin_Error_Bearing | Pin_Error_Bending);
    EXPECT_EQ(C.U_max, 0.0);
}

// F_Ed = 0 with the verification switch: level 0 shows the zero lines; nothing is computed.
TEST_F(Pin_Cases, ZeroForce) {
    C.F_v_Ed = 0.0;
    EXPECT_EQ(Verify(0, 0), Expand_Pin_Lines(
        " Scherkraft F╬\\v,Ed╬r = 0\n"
        " ╬_Augenstab 1 und Bolzen\n"
        " Scherkraft F╬\\b,Ed╬r = 0\n"
        " ╬_Augenstab 2 und Bolzen╬r\n"
        " F╬\\b,Ed╬r = 0\n"
        " M╬\\Ed╬r = 0\n"_cp));
    EXPECT_EQ(C.results.F_v_Rd, 0.0);
    EXPECT_EQ(C.results.F_b_Rd_1, 0.0);
    EXPECT_EQ(C.U_max, 0.0);
    EXPECT_EQ(governing, -1);
}
