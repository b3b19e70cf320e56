#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "frame/code_edition.h"
#include "report/paragraph_writer.h"

namespace {

std::string Lines(const std::string& lines) { return Para_Head + lines + Para_End; }

double Block(int symmetric, double A_nt, double A_nv, double A_gv, FILE* s = nullptr, int level = 0,
             double gamma_M0 = 1.0, double gamma_M2 = 1.25) {
    return Compute_Block_Tearing_Resistance(symmetric, 1.0, A_nt, A_nv, A_gv, 235.0, 360.0, gamma_M0, gamma_M2, s, level);
}

}  // namespace

// EN 1993-1-8 3.10.2 (edition 0): V_eff,Rd = k f_u A_nt/γM2 + f_y A_nv/(√3 γM0), k = 1 or 0.5.
// A_nt 1000, A_nv 2000 mm², S235: 288000 + 271354.6 = 559354.6 N; eccentric 415354.6 N.
TEST(Compute_Block_Tearing_Resistance, Edition2010) {
    Use_Recommended_Rules(0);
    EXPECT_EQ(Paragraph_Or_Empty([](FILE* s) { EXPECT_NEAR(Block(1, 1000.0, 2000.0, 3000.0, s, 2), 559354.63, 0.01); }),
              Lines(" symmetrisch angeordnete Schraubengruppe unter zentrischer Belastung\n"
                    " Zug-Schubwiderstand V╬\\eff,Rd╬r = (A╬\\nt╬r╬/.╬rf╬\\u╬r) / └╬\\M2╬r + (A╬\\nv╬r╬/.╬rf╬\\y╬r/3╬/1/2╬r) / └╬\\M0╬r"
                    " = 559.35 kN\n"
                    "   A╬\\nt╬r = 1000.0 mm²,  A╬\\nv╬r = 2000.0 mm²,  f╬\\u╬r = 360.0 N/mm²,  f╬\\y╬r = 235.0 N/mm²\n"_cp));
    EXPECT_EQ(Paragraph_Or_Empty([](FILE* s) { EXPECT_NEAR(Block(0, 1000.0, 2000.0, 0.0, s, 1), 415354.63, 0.01); }),
              Lines(" Zug-Schubwiderstand V╬\\eff,Rd╬r = (0.5╬/.╬rA╬\\nt╬r╬/.╬rf╬\\u╬r) / └╬\\M2╬r + (A╬\\nv╬r╬/.╬rf╬\\y╬r/3╬/1/2╬r)"
                    " / └╬\\M0╬r = 415.35 kN\n"_cp));
    // Tension alone counts as symmetric: 1000·360/1.25 = 288000 N, also for an eccentric group.
    EXPECT_EQ(Paragraph_Or_Empty([](FILE* s) { EXPECT_NEAR(Block(0, 1000.0, 0.0, 0.0, s, 2), 288000.0, 1e-6); }),
              Lines(" symmetrisch angeordnete Schraubengruppe unter zentrischer Belastung\n"
                    " Zugwiderstand (ohne Schubanteil) V╬\\eff,Rd╬r = (A╬\\nt╬r╬/.╬rf╬\\u╬r) / └╬\\M2╬r = 288.00 kN,"
                    "  A╬\\nt╬r = 1000.0 mm²,  f╬\\u╬r = 360.0 N/mm²\n"_cp));
    // The areas are multiplied by t.
    EXPECT_NEAR(Compute_Block_Tearing_Resistance(1, 10.0, 100.0, 200.0, 0.0, 235.0, 360.0, 1.0, 1.25, nullptr, 2),
                559354.63, 0.01);
    EXPECT_EQ(Block(1, 0.0, 0.0, 3000.0), 0.0);   // without A_nt and A_nv nothing is verified
    EXPECT_EQ(Paragraph_Or_Empty([](FILE* s) { EXPECT_EQ(Block(1, 1000.0, 2000.0, 0.0, s, 1, 0.0), -1.0); }),
              Lines(" V╬\\eff,Rd╬r nicht ermittelbar "_cp + Error_Mark + "\n"));
    EXPECT_EQ(Block(1, 1000.0, 2000.0, 0.0, nullptr, 0, 1.0, 0.0), -1.0);
}

// Code_Edition 1: V_eff,Rd = (k f_u A_nt + min(f_y A_gv, f_u A_nv)/√3)/γM2. A_gv 3000 mm²:
// (360000 + min(705000, 720000)/√3)/1.25 = 613625.6 N; without shear areas pure tension.
TEST(Compute_Block_Tearing_Resistance, Edition2025) {
    Use_Recommended_Rules(1);
    EXPECT_EQ(Paragraph_Or_Empty([](FILE* s) { EXPECT_NEAR(Block(1, 1000.0, 2000.0, 3000.0, s, 2, 0.0), 613625.55, 0.01); }),
              Lines(" symmetrisch angeordnete Schraubengruppe unter zentrischer Belastung\n"
                    " Zug-Schubwiderstand V╬\\eff,Rd╬r = (A╬\\nt╬r╬/.╬rf╬\\u╬r + min(A╬\\gv╬r╬/.╬rf╬\\y╬r, A╬\\nv╬r╬/.╬rf╬\\u╬r)/3╬/1/2╬r)"
                    " / └╬\\M2╬r = 613.63 kN\n"
                    "   A╬\\nt╬r = 1000.0 mm²,  A╬\\nv╬r = 2000.0 mm²,  A╬\\gv╬r = 3000.0 mm²,  f╬\\u╬r = 360.0 N/mm²,"
                    "  f╬\\y╬r = 235.0 N/mm²\n"_cp));
    EXPECT_EQ(Paragraph_Or_Empty([](FILE* s) { EXPECT_NEAR(Block(1, 1000.0, 0.0, 0.0, s, 1), 288000.0, 1e-6); }),
              Lines(" Zugwiderstand (ohne Schubanteil) V╬\\eff,Rd╬r = (A╬\\nt╬r╬/.╬rf╬\\u╬r) / └╬\\M2╬r = 288.00 kN\n"_cp));
    EXPECT_NEAR(Block(0, 1000.0, 2000.0, 3000.0), (180000.0 + 705000.0 / std::sqrt(3.0)) / 1.25, 1e-6);
    EXPECT_EQ(Block(1, 0.0, 0.0, 0.0), 0.0);
}

// EN 1993-1-8 Table 3.8. One bolt: 2 (e_2 - 0.5 d_0) t f_u/γM2 = 2·19·10·360/1.25 = 109440 N. Two
// bolts at p_1 = 3.75 d_0 (edition 0): β_2 = 0.55, three bolts β_3 = 0.6; A_net 600 mm².
TEST(Compute_Angle_Net_Section_Resistance, Angles) {
    Use_Recommended_Rules(0);
    auto angle = [](int n, double p_1, FILE* s, int level, int block = 0) {
        return Compute_Angle_Net_Section_Resistance(n, 40.0, p_1, 30.0, 22.0, 10.0, 600.0, 235.0, 360.0, 1.25, block, s,
                                                    level);
    };
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(angle(1, 60.0, s, 2), 109440.0, 1e-6); }),
              Lines(" Tragfähigkeit N╬\\u,Rd╬r = 2╬/.╬r(e╬\\2╬r-0.5╬/.╬rd╬\\0╬r)╬/.╬rt╬/.╬rf╬\\u╬r) / └╬\\M2╬r = 109.44 kN,"
                    "  f╬\\u╬r = 360.0 N/mm²\n"_cp));
    EXPECT_NEAR(angle(3, 0.0, nullptr, 0), 109440.0, 1e-6);   // no spacing: as one bolt
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(angle(2, 82.5, s, 2), 0.55 * 600 * 360 / 1.25, 1e-6); }),
              Lines(" Abminderungsbeiwert ╗╬\\2╬r = 0.55 für p╬\\1╬r = 82.5 mm\n"
                    " Tragfähigkeit N╬\\u,Rd╬r = (╗╬\\2╬r╬/.╬rA╬\\net,L╬r╬/.╬rf╬\\u╬r) / └╬\\M2╬r = 95.04 kN,  f╬\\u╬r = 360.0 N/mm²\n"_cp));
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(angle(3, 82.5, s, 1), 0.6 * 600 * 360 / 1.25, 1e-6); }),
              Lines(" Tragfähigkeit N╬\\u,Rd╬r = (╗╬\\3╬r╬/.╬rA╬\\net,L╬r╬/.╬rf╬\\u╬r) / └╬\\M2╬r = 103.68 kN\n"_cp));
    // Outside the range: 0.4 and 0.7 for two bolts, 0.5 and 0.7 for three.
    EXPECT_NEAR(angle(2, 40.0, nullptr, 0), 0.4 * 600 * 360 / 1.25, 1e-6);
    EXPECT_NEAR(angle(2, 120.0, nullptr, 0), 0.7 * 600 * 360 / 1.25, 1e-6);
    EXPECT_NEAR(angle(4, 40.0, nullptr, 0), 0.5 * 600 * 360 / 1.25, 1e-6);
    EXPECT_EQ(Compute_Angle_Net_Section_Resistance(2, 40.0, 60.0, 30.0, 22.0, 10.0, 600.0, 235.0, 360.0, 0.0, 0, nullptr, 0),
              -1.0);

    // Edition 1: N_t,Rd = 0.75 A_net f_u/γM2 = 129600 N; with block tearing of the leg (t 10): A_nt
    // = (30 - 11)·10, A_nv = (40 + 2·(60 - 22) - 11)·10, A_gv = (40 + 2·60)·10;
    // V_eff,Rd = (190·360 + min(1600·235, 1050·360)/√3)/1.25 = 228387.0 N: N_t,Rd governs.
    Use_Recommended_Rules(1);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(angle(3, 60.0, s, 2), 129600.0, 1e-6); }),
              Lines(" Tragfähigkeit N╬\\u,Rd╬r = N╬\\t,Rd╬r = (0.75╬/.╬rA╬\\net,L╬r╬/.╬rf╬\\u╬r / └╬\\M2╬r = 129.60 kN,"
                    "  A╬\\net,L╬r = 600.0 mm²,  f╬\\u╬r = 360.0 N/mm²\n"_cp));
    const double V_eff = (190.0 * 360.0 + std::min(1600.0 * 235.0, 1050.0 * 360.0) / std::sqrt(3.0)) / 1.25;
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { EXPECT_NEAR(angle(3, 60.0, s, 2, 1), 129600.0, 1e-6); }),
              Lines(" Zugwiderstand N╬\\t,Rd╬r = (0.75╬/.╬rA╬\\net,L╬r╬/.╬rf╬\\u╬r / └╬\\M2╬r = 129.60 kN,"
                    "  A╬\\net,L╬r = 600.0 mm²,  f╬\\u╬r = 360.0 N/mm²\n"
                    " Blockversagen: symmetrisch angeordnete Schraubengruppe unter zentrischer Belastung\n"
                    " Zug-Schubwiderstand V╬\\eff,Rd╬r = (A╬\\nt╬r╬/.╬rf╬\\u╬r + min(A╬\\gv╬r╬/.╬rf╬\\y╬r, A╬\\nv╬r╬/.╬rf╬\\u╬r)/3╬/1/2╬r)"
                    " / └╬\\M2╬r = 228.39 kN\n"
                    "   A╬\\nt╬r = 190.0 mm²,  A╬\\nv╬r = 1050.0 mm²,  A╬\\gv╬r = 1600.0 mm²,  f╬\\u╬r = 360.0 N/mm²,"
                    "  f╬\\y╬r = 235.0 N/mm²\n"
                    " Tragfähigkeit N╬\\u,Rd╬r = min(N╬\\t,Rd╬r, V╬\\eff,Rd╬r) = 129.60 kN\n"_cp));
    // A shorter leg lets block tearing govern.
    EXPECT_NEAR(Compute_Angle_Net_Section_Resistance(3, 20.0, 30.0, 15.0, 22.0, 4.0, 600.0, 235.0, 360.0, 1.25, 1, nullptr,
                                                     0),
                (4.0 * 4 * 360 + std::min(4.0 * 80 * 235, 4.0 * 25 * 360) / std::sqrt(3.0)) / 1.25, 1e-6);
    EXPECT_NEAR(V_eff, 228386.96, 0.01);
}

// The two group sums, which no verification calls.
TEST(Fastener_Groups, SlipAndShearTensionSums) {
    Use_Recommended_Rules(1);
    OLI_Reset_Paragraph_Format();
    const double slip[] = {50000.0, 60000.0, 70000.0};
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Slip_Resistance(3, slip, s, 1); }),
              Lines(" Verbindungsmittelgruppe mit 3 Verbindungsmitteln (gleitfest)\n"));
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Slip_Resistance(1, slip, s, 2); }), "");
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Slip_Resistance(3, nullptr, s, 2); }), "");
    EXPECT_NE(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Slip_Resistance(3, slip, s, 2); })
                  .find(" gleitfest:  ▓F╬\\t,Rd╬r = ▓F╬\\s,Rd,i╬r = 180.00 kN\n"_cp),
              std::string::npos);

    // Shear: each F_v,Rd at least 0.8 F_b,Rd (S235 under edition 1) allows plastic redistribution:
    // Σ min = 40 + 50 + 45 = 135 kN; otherwise 3·40 = 120 kN. Tension: Σ 210 kN or 3·60 = 180 kN.
    const double F_b[] = {40000.0, 60000.0, 45000.0}, F_v[] = {50000.0, 50000.0, 50000.0};
    const double F_t[] = {60000.0, 70000.0, 80000.0};
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Resistance(3, 235.0, F_b, F_v, F_t, 1, s, 2); }),
              Lines(" Verbindungsmittelgruppe mit 3 Verbindungsmitteln\n"
                    " plastische Umverteilung:  ▓F╬\\v,Rd╬r = ▓min(F╬\\b,Rd,i╬r,F╬\\v,Rd,i╬r) = 135.00 kN\n"
                    " Tragfähigkeit:  ▓F╬\\v,Rd╬r = 135.00 kN\n"
                    " plastische Umverteilung:  ▓F╬\\t,Rd╬r = ▓F╬\\t,Rd,i╬r = 210.00 kN\n"_cp));
    const double weak_F_v[] = {50000.0, 40000.0, 50000.0};   // 40 < 0.8·60
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Resistance(3, 235.0, F_b, weak_F_v, F_t, 1, s, 1); }),
              Lines(" Verbindungsmittelgruppe mit 3 Verbindungsmitteln\n"
                    " elastische Verteilung:  ▓F╬\\v,Rd╬r = min(F╬\\b,Rd,i╬r,F╬\\v,Rd,i╬r)╬/.╬rn╬\\s╬r = 120.00 kN\n"
                    " Tragfähigkeit ▓F╬\\v,Rd╬r = 120.00 kN\n"
                    " elastische Verteilung:  ▓F╬\\t,Rd╬r = min(F╬\\t,Rd,i╬r)╬/.╬rn╬\\s╬r = 180.00 kN\n"_cp));
    // High-strength steel (c = 1) asks F_v ≥ F_b: 50 < 60 keeps the distribution elastic.
    EXPECT_NE(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Resistance(3, 690.0, F_b, F_v, nullptr, 1, s, 1); })
                  .find("elastische Verteilung"),
              std::string::npos);
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Resistance(3, 235.0, nullptr, F_v, nullptr, 1, s, 2); }), "");
    EXPECT_EQ(Paragraph_Or_Empty([&](FILE* s) { Print_Fastener_Group_Resistance(3, 235.0, F_b, F_v, F_t, 1, s, 0); }), "");
}
