#include "checks/weld_forces.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "checks/weld_test_support.h"
#include "report/report_capture.h"

using namespace weld_text;

TEST(Compute_Weld_Line_Forces, DecompositionOntoTheThroatPlane) {
    struct Case {
        const char* name;
        std::function<void(Weld_Connection&)> set;
        double F_sigma, F_perp, F_par;   // N/m
        std::string lines;               // detail level 2
    };
    const Case cases[] = {
        // Each of two welds carries N/2 and the couple M∥/t_2; β = 45°.
        {"two-sided with M par",
         [](Weld_Connection& c) {
             c.N_Ed = 100000;
             c.M_par_Ed = 1000;
         },
         1060660.17, 1060660.17, 0,
         " je Naht: N╬\\Ed╬r = N╬\\Ed╬r/2 = 50.00 kN\n"
         " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
         " F╬\\N,Ed╬r = (N╬\\Ed╬r + M╬\\p,Ed╬r/t╬\\2╬r) / l╬\\eff╬r = 1500.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 1060.66 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) = 1060.66 kN/m\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // All four halves: the last on a line of its own; 6 M⊥/l_eff² bending, shear both ways.
        {"two-sided with all loads",
         [](Weld_Connection& c) {
             c.N_Ed = 100000;
             c.M_perp_Ed = 2000;
             c.V_par_Ed = 10000;
             c.V_perp_Ed = 20000;
         },
         848528.14, 707106.78, 50000,
         " je Naht: N╬\\Ed╬r = N╬\\Ed╬r/2 = 50.00 kN, M╬\\s,Ed╬r = M╬\\s,Ed╬r/2 = 1.00 kNm, "
         "V╬\\p,Ed╬r = V╬\\p,Ed╬r/2 = 5.00 kN,\n V╬\\s,Ed╬r = V╬\\s,Ed╬r/2 = 10.00 kN\n"
         " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
         " F╬\\N,Ed╬r = (N╬\\Ed╬r + M╬\\s,Ed╬r╬/.╬r6/l╬\\eff╬r) / l╬\\eff╬r = 1100.00 kN/m\n"
         " F╬\\Vp,Ed╬r = V╬\\p,Ed╬r / l╬\\eff╬r = 50.00 kN/m\n"
         " F╬\\Vs,Ed╬r = V╬\\s,Ed╬r / l╬\\eff╬r = 100.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) + F╬\\Vs,Ed╬r╬/.╬rcos(║) = 848.53 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) - F╬\\Vs,Ed╬r╬/.╬rsin(║) = 707.11 kN/m\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = F╬\\Vp,Ed╬r = 50.00 kN/m\n"_cp},
        // One-sided: the eccentricity ΔM = N·t_2/2 = 500 kNmm pulls at the root; the throat section
        // a × l_eff in bending: F_N = |N| + 6ΔM/a = 100 + 600 = 700 kN, 7000 kN/m, ·sin 45°.
        {"one-sided eccentric",
         [](Weld_Connection& c) {
             c.side = Weld_One_Sided_Left;
             c.weld.a = 5.0;
             c.N_Ed = 100000;
         },
         4949747.47, 4949747.47, 0,
         " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
         " Moment aus Lastexzentrizität úM╬\\p,Ed╬r = N╬\\Ed╬r╬/.╬rt╬\\2╬r/2 - M╬\\p,Ed╬r = 0.50 kNm\n"
         " F╬\\N,Ed╬r = (|N╬\\Ed╬r| + 6╬/.╬rúM╬\\p,Ed╬r/a) / l╬\\eff╬r = 7000.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 4949.75 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) = 4949.75 kN/m\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // A compression N = −100 kN with M∥ = −1 kNm: ΔM = −500 + 1000 = 500 kNmm still pulls at the
        // root. The terms never cancel: F_N = 100 + 6·500/5 = 700 kN (|N + ΔM/a| would give 0).
        {"one-sided compression with M par",
         [](Weld_Connection& c) {
             c.side = Weld_One_Sided_Left;
             c.weld.a = 5.0;
             c.N_Ed = -100000;
             c.M_par_Ed = -1000;
         },
         4949747.47, 4949747.47, 0,
         " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
         " Moment aus Lastexzentrizität úM╬\\p,Ed╬r = N╬\\Ed╬r╬/.╬rt╬\\2╬r/2 - M╬\\p,Ed╬r = 0.50 kNm\n"
         " F╬\\N,Ed╬r = (|N╬\\Ed╬r| + 6╬/.╬rúM╬\\p,Ed╬r/a) / l╬\\eff╬r = 7000.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 4949.75 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) = 4949.75 kN/m\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // A pure M∥ = +1 kNm presses the root (ΔM = −1000 kNmm): carried by contact at the far face
        // of plate 2, |ΔM|/t_2 = 100 kN; F_N = max(|N|, N + 100 kN) = 100 kN, never 0.
        {"one-sided pure M par by contact",
         [](Weld_Connection& c) {
             c.side = Weld_One_Sided_Left;
             c.weld.a = 5.0;
             c.M_par_Ed = 1000;
         },
         707106.78, 707106.78, 0,
         " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
         " Moment aus Lastexzentrizität über Kontakt:  úM╬\\p,Ed╬r/t╬\\2╬r = 100.00 kN\n"
         " F╬\\N,Ed╬r = (úM╬\\p,Ed╬r/t╬\\2╬r) / l╬\\eff╬r = 1000.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 707.11 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) = 707.11 kN/m\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // M∥ of 0.5 kNm balances the eccentricity: no tension at the root, nothing by contact.
        {"one-sided balanced",
         [](Weld_Connection& c) {
             c.side = Weld_One_Sided_Left;
             c.weld.a = 5.0;
             c.N_Ed = 100000;
             c.M_par_Ed = 500;
         },
         707106.78, 707106.78, 0,
         " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
         " Moment aus Lastexzentrizität über Kontakt:  úM╬\\p,Ed╬r/t╬\\2╬r = 0.00 kN\n"
         " F╬\\N,Ed╬r = (N╬\\Ed╬r) / l╬\\eff╬r = 1000.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 707.11 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) = 707.11 kN/m\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // On the right the moment adds: ΔM = N t_2/2 + M∥.
        {"one-sided right",
         [](Weld_Connection& c) {
             c.side = Weld_One_Sided_Right;
             c.weld.a = 5.0;
             c.N_Ed = 100000;
             c.M_par_Ed = -500;
         },
         707106.78, 707106.78, 0, ""},
        // A butt joint in line: the throat plane is perpendicular to the force, β = 90°.
        {"butt in line",
         [](Weld_Connection& c) {
             c.weld.type = Weld_Butt;
             c.weld.full_penetration = 1;
             c.weld.theta = 0.0;
             c.N_Ed = 100000;
             c.V_perp_Ed = 20000;
         },
         1000000, -200000, 0,
         " Bemessungswerte der maximalen Kräfte:\n"
         " F╬\\N,Ed╬r = N╬\\Ed╬r / l╬\\eff╬r = 1000.00 kN/m\n"
         " F╬\\Vs,Ed╬r = V╬\\s,Ed╬r / l╬\\eff╬r = 200.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 90.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) + F╬\\Vs,Ed╬r╬/.╬rcos(║) = 1000.00 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) - F╬\\Vs,Ed╬r╬/.╬rsin(║) = -200.00 kN/m\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // Full penetration: the bending stress 6 M∥/t_2² over the plate, as a force per length,
        // adds to that of N at one face whatever the signs: 50 + 6·1000/10 = 650 kN.
        {"butt with M par",
         [](Weld_Connection& c) {
             c.weld.type = Weld_Butt;
             c.weld.full_penetration = 1;
             c.N_Ed = -50000;
             c.M_par_Ed = 1000;
         },
         6500000, 0, 0,
         " Bemessungswerte der maximalen Kräfte:\n"
         " F╬\\N,Ed╬r = (|N╬\\Ed╬r| + |M╬\\p,Ed╬r|╬/.╬r6/t╬\\2╬r) / l╬\\eff╬r = 6500.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 90.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 6500.00 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = 0\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // A joint in line bends over the thinner plate: 6·1000 kNmm/10 mm = 600 kN over 200 mm.
        {"butt in line with M par",
         [](Weld_Connection& c) {
             c.weld.type = Weld_Butt;
             c.weld.full_penetration = 1;
             c.weld.theta = 0.0;
             c.plate2.t = 20.0;
             c.l_eff = 200.0;
             c.M_par_Ed = 1000;
         },
         3000000, 0, 0,
         " Bemessungswerte der maximalen Kräfte:\n"
         " F╬\\N,Ed╬r = (|M╬\\p,Ed╬r|╬/.╬r6/min(t╬\\1╬r,t╬\\2╬r)) / l╬\\eff╬r = 3000.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 90.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 3000.00 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = 0\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // Two-sided partial penetration: the throats lie inside the plate, the couple of M∥ has the
        // lever t_2 − a = 14 mm: 5000/14 = 357.14 kN over 200 mm.
        {"partial penetration with M par",
         [](Weld_Connection& c) {
             c.weld.type = Weld_Butt;
             c.weld.a = 6.0;
             c.plate2.t = 20.0;
             c.l_eff = 200.0;
             c.M_par_Ed = 5000;
         },
         1785714.29, 0, 0,
         " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
         " F╬\\N,Ed╬r = (M╬\\p,Ed╬r/(t╬\\2╬r-a)) / l╬\\eff╬r = 1785.71 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 90.00°):\n"
         " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) = 1785.71 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = 0\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp},
        // A plug weld carries shear only; τ∥ is listed first.
        {"plug",
         [](Weld_Connection& c) {
             c.weld.type = Weld_Plug;
             c.N_Ed = 100000;
             c.V_par_Ed = 6000;
             c.V_perp_Ed = 8000;
             c.l_eff = 20.0;
         },
         0, 400000, 300000,
         " Bemessungswerte der maximalen Kräfte:\n"
         " F╬\\Vp,Ed╬r = V╬\\p,Ed╬r / l╬\\eff╬r = 300.00 kN/m\n"
         " F╬\\Vs,Ed╬r = V╬\\s,Ed╬r / l╬\\eff╬r = 400.00 kN/m\n"
         " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte:\n"
         " F╬\\Ed╬r(╓╬\\p╬r) = F╬\\Vp,Ed╬r = 300.00 kN/m\n"
         " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\Vs,Ed╬r = 400.00 kN/m\n"_cp},
    };
    for (const Case& k : cases) {
        Weld_Fixture F;
        k.set(F.c);
        int result = -1;
        const std::string text = Paragraph_Of([&](FILE* f) { result = Compute_Weld_Line_Forces(F.c, f, 2); });
        EXPECT_EQ(result, 0) << k.name;
        EXPECT_NEAR(F.c.F_sigma_perp, k.F_sigma, 0.01) << k.name;
        EXPECT_NEAR(F.c.F_tau_perp, k.F_perp, 0.01) << k.name;
        EXPECT_NEAR(F.c.F_tau_par, k.F_par, 0.01) << k.name;
        if (!k.lines.empty()) {
            EXPECT_EQ(text, Para_Head + k.lines + Para_End) << k.name;
        }
    }
}

// V⊥ presses one weld of a pair and lifts the other: on one it adds to σ⊥ and relieves τ⊥, on the
// other the reverse. Two-sided fillet weld, θ 90°, l_eff 100 mm, N 100 kN: per weld f_N = 500 N/mm
// and f_s = V⊥/2/l_eff; β = 45°.
TEST(Compute_Weld_Line_Forces, GoverningSignOfTheTransverseShear) {
    // V⊥ = 200 kN, f_s = 1000 N/mm. The Part's pair: σ = (500 + 1000)·0.7071 = 1060.66, τ = −353.55;
    // the other: σ = −353.55, τ = 1060.66 N/mm. In units of f_1w,d the directional method rates
    // max(σ_eq, |σ|/(0.9·β_w)): max(1224.7, 1473.1) against max(1870.8, 491.0) — the second governs.
    Weld_Fixture F;
    F.c.N_Ed = 100000;
    F.c.V_perp_Ed = 200000;
    const Weld_Sign_Rating directional{true, 0.9 * 0.8};
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Weld_Line_Forces(F.c, f, 2, directional); }),
              Para_Head +
                  " je Naht: N╬\\Ed╬r = N╬\\Ed╬r/2 = 50.00 kN, V╬\\s,Ed╬r = V╬\\s,Ed╬r/2 = 100.00 kN\n"
                  " Bemessungswerte der im Wurzelpunkt wirkenden maximalen Kräfte:\n"
                  " F╬\\N,Ed╬r = N╬\\Ed╬r / l╬\\eff╬r = 500.00 kN/m\n"
                  " F╬\\Vs,Ed╬r = V╬\\s,Ed╬r / l╬\\eff╬r = 1000.00 kN/m\n"
                  " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = 45.00°):\n"
                  " F╬\\Ed╬r(╠╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rsin(║) - F╬\\Vs,Ed╬r╬/.╬rcos(║) = -353.55 kN/m\n"
                  " F╬\\Ed╬r(╓╬\\s╬r) = F╬\\N,Ed╬r╬/.╬rcos(║) + F╬\\Vs,Ed╬r╬/.╬rsin(║) = 1060.66 kN/m\n"
                  " F╬\\Ed╬r(╓╬\\p╬r) = 0\n"_cp +
                  Para_End);
    EXPECT_NEAR(F.c.F_sigma_perp, -353553.39, 0.01);
    EXPECT_NEAR(F.c.F_tau_perp, 1060660.17, 0.01);

    // The equivalent stress alone (full-penetration butt weld) picks the same pair here.
    ASSERT_EQ(Compute_Weld_Line_Forces(F.c, nullptr, 0, Weld_Sign_Rating{true, 0.0}), 0);
    EXPECT_NEAR(F.c.F_tau_perp, 1060660.17, 0.01);

    // The resultant of the simplified method is alike for both pairs: the Part's signs stay.
    ASSERT_EQ(Compute_Weld_Line_Forces(F.c, nullptr, 0), 0);
    EXPECT_NEAR(F.c.F_sigma_perp, 1060660.17, 0.01);
    EXPECT_NEAR(F.c.F_tau_perp, -353553.39, 0.01);

    // A large |σ| weighed by condition 2 can govern: f_N = 100, f_s = 10 N/mm on a butt weld at
    // β = 30°: pairs (σ, τ) = (58.66, 81.60) and (41.34, 91.60) N/mm; with f_2w,d/f_1w,d = 0.1
    // they rate 586.6 against 413.4 — the first.
    F.c.weld.type = Weld_Butt;
    F.c.weld.full_penetration = 1;
    F.c.weld.theta = 30.0;
    F.c.N_Ed = 10000;
    F.c.V_perp_Ed = 1000;
    ASSERT_EQ(Compute_Weld_Line_Forces(F.c, nullptr, 0, Weld_Sign_Rating{true, 0.1}), 0);
    EXPECT_NEAR(F.c.F_sigma_perp, 58660.25, 0.01);
    ASSERT_EQ(Compute_Weld_Line_Forces(F.c, nullptr, 0, Weld_Sign_Rating{true, 0.0}), 0);
    EXPECT_NEAR(F.c.F_sigma_perp, 41339.75, 0.01);
}

TEST(Compute_Weld_Line_Forces, SummaryLineAtDetailLevelOne) {
    Weld_Fixture F;
    F.c.N_Ed = 100000;
    F.c.M_par_Ed = 1000;
    EXPECT_EQ(
        Paragraph_Of([&](FILE* f) { Compute_Weld_Line_Forces(F.c, f, 1); }),
        Para_Head +
            " Kräfte auf der wirksamen Nahtfläche: F╬\\Ed╬r(╠╬\\s╬r) = 1060.66 kN/m, F╬\\Ed╬r(╓╬\\s╬r) = 1060.66 kN/m\n"_cp +
            Para_End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Weld_Line_Forces(F.c, f, 0); }), "");

    F.c.weld.type = Weld_Slot;
    F.c.N_Ed = F.c.M_par_Ed = 0.0;
    F.c.V_par_Ed = 6000;
    F.c.V_perp_Ed = 8000;
    EXPECT_EQ(
        Paragraph_Of([&](FILE* f) { Compute_Weld_Line_Forces(F.c, f, 1); }),
        Para_Head +
            " Kräfte auf der wirksamen Nahtfläche: F╬\\Ed╬r(╓╬\\p╬r) = 60.00 kN/m, F╬\\Ed╬r(╓╬\\s╬r) = 80.00 kN/m\n"_cp +
            Para_End);
}

TEST(Compute_Weld_Line_Forces, UndeterminableLoads) {
    const std::string heading = " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte:\n"_cp;
    struct Case {
        const char* name;
        std::function<void(Weld_Connection&)> set;
        std::string line;
    };
    const Case cases[] = {
        {"no weld length", [](Weld_Connection& c) { c.l_eff = 0.0; },
         " wirksame Nahtlänge = 0  ê  Kräfte nicht ermittelbar "_cp},
        // The eccentricity of a one-sided weld without throat cannot be resolved (no division by 0).
        {"one-sided without throat",
         [](Weld_Connection& c) {
             c.side = Weld_One_Sided_Left;
             c.weld.a = 0.0;
         },
         " wirksame Nahtdicke = 0  ê  Kräfte nicht ermittelbar "_cp},
        {"no lever arm for M par",
         [](Weld_Connection& c) {
             c.plate2.t = 0.0;
             c.M_par_Ed = 1000;
         },
         " Blechdicke t╬\\2╬r = 0  ê  Kräfte nicht ermittelbar "_cp},
        {"partial penetration through the plate",
         [](Weld_Connection& c) {
             c.weld.type = Weld_Butt;
             c.weld.a = 10.0;
             c.M_par_Ed = 1000;
         },
         " Hebelarm t╬\\2╬r-a = 0  ê  Kräfte nicht ermittelbar "_cp},
        // A pressed root whose moment would bear on a plate without thickness.
        {"one-sided contact without plate",
         [](Weld_Connection& c) {
             c.side = Weld_One_Sided_Left;
             c.plate2.t = 0.0;
             c.M_par_Ed = 1000;
         },
         " Blechdicke t╬\\2╬r = 0  ê  Kräfte nicht ermittelbar "_cp},
    };
    for (const Case& k : cases) {
        Weld_Fixture F;
        F.c.N_Ed = 100000;
        F.c.F_sigma_perp = 1.0;
        k.set(F.c);
        int result = -1;
        EXPECT_EQ(Paragraph_Of([&](FILE* f) { result = Compute_Weld_Line_Forces(F.c, f, 2); }),
                  Para_Head + heading + k.line + Error_Mark + "\n" + Para_End)
            << k.name;
        EXPECT_EQ(result, 1) << k.name;
        EXPECT_DOUBLE_EQ(F.c.F_sigma_perp, 0.0) << k.name;
        EXPECT_EQ(Compute_Weld_Line_Forces(F.c, nullptr, 0), 1) << k.name;
    }
    // A one-sided weld without throat and without root tension has nothing to resolve.
    Weld_Fixture F;
    F.c.side = Weld_One_Sided_Left;
    F.c.weld.a = 0.0;
    F.c.N_Ed = -100000;
    EXPECT_EQ(Compute_Weld_Line_Forces(F.c, nullptr, 0), 0);
}

TEST(Compute_Weld_Stresses, StressesOnTheThroat) {
    Weld_Fixture F;
    F.c.N_Ed = 100000;
    F.c.M_par_Ed = 1000;
    ASSERT_EQ(Compute_Weld_Stresses(F.c, nullptr, 0), 0);
    EXPECT_NEAR(F.c.sigma_perp, 265.165, 0.001);   // 1060.66 N/mm over a = 4 mm
    EXPECT_NEAR(F.c.tau_perp, 265.165, 0.001);
    EXPECT_DOUBLE_EQ(F.c.tau_par, 0.0);

    // Line forces given: the stresses follow from them over a = 5 mm.
    F.c.force_mode = Weld_Line_Forces;
    F.c.weld.a = 5.0;
    F.c.F_sigma_perp = 30000;
    F.c.F_tau_perp = -20000;
    F.c.F_tau_par = 15000;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Weld_Stresses(F.c, f, 2); }),
              Para_Head +
                  " bezogene Nahtkräfte: F╬\\Ed╬r(╠╬\\s╬r) = F╬\\Ed╬r(╠╬\\s╬r)/l╬\\eff╬r = 30.00 kN/m, "
                  "F╬\\Ed╬r(╓╬\\s╬r) = F╬\\Ed╬r(╓╬\\s╬r)/l╬\\eff╬r = -20.00 kN/m,\n"
                  " F╬\\Ed╬r(╓╬\\p╬r) = F╬\\Ed╬r(╓╬\\p╬r)/l╬\\eff╬r = 15.00 kN/m\n"
                  " Bemessungswerte der auf die wirksame Nahtfläche einwirkenden Spannungen:\n"
                  " ╠╬\\s╬r = F╬\\Ed╬r(╠╬\\s╬r)/a = 6.0 N/mm², ╓╬\\s╬r = F╬\\Ed╬r(╓╬\\s╬r)/a = 4.0 N/mm², "
                  "╓╬\\p╬r = F╬\\Ed╬r(╓╬\\p╬r)/a = 3.0 N/mm²\n"_cp +
                  Para_End);
    F.c.F_tau_perp = 0.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Compute_Weld_Stresses(F.c, f, 1); }),
              Para_Head + " Spannungen auf der wirksamen Nahtfläche:  ╠╬\\s╬r = 6.0 N/mm², ╓╬\\p╬r = 3.0 N/mm²\n"_cp +
                  Para_End);

    // No throat: with a force the stresses cannot be determined, without one they are 0.
    F.c.weld.a = 0.0;
    EXPECT_EQ(
        Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Weld_Stresses(F.c, f, 1), 1); }),
        Para_Head + " wirksame Nahtdicke = 0  ê  Spannungen nicht ermittelbar "_cp + Error_Mark + "\n" + Para_End);
    EXPECT_DOUBLE_EQ(F.c.sigma_perp, 0.0);
    F.c.F_sigma_perp = F.c.F_tau_par = 0.0;
    EXPECT_EQ(Compute_Weld_Stresses(F.c, nullptr, 0), 0);
    EXPECT_DOUBLE_EQ(F.c.tau_par, 0.0);
}

TEST(Compute_Weld_Resultant_Force, ThreeWaysOfGivingTheLoad) {
    // Section forces of a plug weld: F = (300² + 400²)^1/2 kN/m.
    Weld_Fixture F;
    Weld_Connection& c = F.c;
    c.weld.type = Weld_Plug;
    c.weld.a = 10.0;
    c.V_par_Ed = 6000;
    c.V_perp_Ed = 8000;
    c.l_eff = 20.0;
    EXPECT_EQ(
        Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Weld_Resultant_Force(c, f, 1), 0); }),
        Para_Head +
            " Kräfte auf der wirksamen Nahtfläche: F╬\\Ed╬r(╓╬\\p╬r) = 300.00 kN/m, F╬\\Ed╬r(╓╬\\s╬r) = 400.00 kN/m\n"
            " resultierende Nahtkraft: F╬\\w,Ed╬r = (F╬\\Ed╬r(╓╬\\p╬r)² + F╬\\Ed╬r(╓╬\\s╬r)²)╬/1/2╬r = 500.00 kN/m\n"_cp +
            Para_End);
    EXPECT_DOUBLE_EQ(c.results.F_w_Ed, 500000.0);
    EXPECT_DOUBLE_EQ(c.F_w_Ed, 500000.0);
    EXPECT_DOUBLE_EQ(c.sigma_w_Ed, 50.0);

    // Given per unit length.
    c.weld.type = Weld_Fillet;
    c.force_mode = Weld_Line_Forces;
    c.weld.a = 4.0;
    c.F_w_Ed = 20000;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Weld_Resultant_Force(c, f, 1), 0); }),
              Para_Head + " Nahtkraft F╬\\w,Ed╬r = 20.00 kN/m\n"_cp + Para_End);
    EXPECT_DOUBLE_EQ(c.results.F_w_Ed, 20000.0);
    EXPECT_DOUBLE_EQ(c.sigma_w_Ed, 5.0);
    c.weld.a = 0.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Weld_Resultant_Force(c, f, 1), 1); }),
              Para_Head + " wirksame Nahtdicke = 0  ê  Kraft nicht wirksam "_cp + Error_Mark + "\n" + Para_End);
    EXPECT_DOUBLE_EQ(c.results.F_w_Ed, 0.0);

    // Given as a stress.
    c.force_mode = Weld_Stresses;
    c.weld.a = 4.0;
    c.sigma_w_Ed = 50.0;
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Compute_Weld_Resultant_Force(c, f, 1), 0); }),
              Para_Head + " resultierende Nahtkraft F╬\\w,Ed╬r = ╠╬\\w,Ed╬r╬/.╬ra = 200.00 kN/m\n"_cp + Para_End);
    EXPECT_DOUBLE_EQ(c.F_w_Ed, 200000.0);
    c.weld.a = 0.0;
    EXPECT_EQ(Compute_Weld_Resultant_Force(c, nullptr, 0), 1);

    // Section forces on a weld without throat.
    c.force_mode = Weld_Section_Forces;
    c.N_Ed = 10000;
    EXPECT_EQ(Compute_Weld_Resultant_Force(c, nullptr, 0), 1);
    EXPECT_DOUBLE_EQ(c.results.F_w_Ed, 0.0);
}
