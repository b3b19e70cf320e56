#include <gtest/gtest.h>

#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_test_support.h"
#include "checks/tstub_row_lengths.h"
#include "checks/tstub_tension_test_support.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

// Effective lengths and distances of stiffened rows that must not overstate the resistance, from
// the row description through F_T,Rd.
namespace {

struct TStubLengthRules : T_Stub_Tension_Test {
    // A row description without loads, prepared for a report run.
    T_Stub_Tension Record(int location, double m, double e, double e_1, double m_2) {
        T_Stub_Tension T;
        Default_T_Stub_Tension(&T);
        T.bolts_per_row = 2;
        T.location = location;
        T.m = m;
        T.e = e;
        T.e_1 = e_1;
        T.m_2 = m_2;
        Use_M20_8_8(T.fastener);
        Prepare_T_Stub_Tension_Check(&T, 0, 1, &factors);
        return T;
    }
    // The report driver's steps before the check: lengths, e_min and m.
    static void Prepare_Distances(T_Stub_Tension& T) {
        T.b_p = T.flange.l;
        Compute_T_Stub_Effective_Lengths(&T, T.location, T.fastener.d_p, nullptr, 0, 0);
        const int at = T_Stub_Distance_Location(T);
        T.e_min = Compute_T_Stub_Min_Edge_Distance(at, 0, 0, T.e, T.e_1, nullptr, 0);
        T.m_check = Compute_T_Stub_Web_Distance(at, 0, 0, 0, 0, T.m_1, T.m, nullptr, 0);
    }
};

void Use_M20_10_9(Fastener& F) {
    Use_M20_8_8(F);
    F.class_index = Bolt_Class_10_9;
    Derive_Fastener_Data(&F, nullptr, 0);
}

}  // namespace

// HEA 300 column flange (t_f 14, gauge 200: m = (200 − 8.5)/2 − 0.8·27 = 74.2, e = 50), an end row
// without free end next to a stiffener at m₂ 60: α(λ₁ 0.597, λ₂ 0.483) = 5.22, l_eff,nc = 387.6 mm
// below 2πm = 466.2 mm. M20 10.9 (ΣF_t,Rd = 2·176.256 kN): L_b = 46.75 mm < L_b*, n = 50; mode 2
// (2·0.25·387.6·14²·235 + 50·352512)/124.2 = 213.8 kN (with 466.2 mm: 228.4 kN).
TEST_F(TStubLengthRules, EndRowNextToAStiffenerWithoutFreeEnd) {
    T_Stub_Tension T = Record(T_Stub_Column_Flange, 74.2, 50.0, 0.0, 60.0);
    T.row_next_to_stiffener = 1;
    T.flange.t = 14.0;
    Use_M20_10_9(T.fastener);
    Prepare_Distances(T);
    EXPECT_NEAR(T.sum_l_eff_1, 387.6, 0.1);
    EXPECT_NEAR(T.sum_l_eff_2, 387.6, 0.1);
    Verify_T_Stub_Tension(&T, nullptr, 0, 0);
    EXPECT_NEAR(T.F_T_Rd, 213800.0, 100.0);

    const std::string report = Paragraph_Of([&](FILE* f) {
        T_Stub_Tension S = T;
        Compute_T_Stub_Effective_Lengths(&S, S.location, S.fastener.d_p, f, 1, 0);
    });
    EXPECT_NE(report.find(" l╬\\eff,nc,sa╬r = ║╬/.╬rm = 387.6 mm  (e╬\\1╬r = ∞)\n"_cp), std::string::npos) << report;
}

// A group of three rows on a column flange (m 30, e 50, e₁ 60, p 80) with one row next to a
// stiffener: m₂ 0 leaves α and the lengths undetermined; m₂ 40 gives α 6.47 and
// Σl_eff = 100 + (40 + 30α − 91.25) + 80 = 323.0 mm.
TEST_F(TStubLengthRules, GroupNextToAStiffener) {
    EXPECT_EQ(Compute_Stiffened_Row_Alpha(nullptr, 0, 30.0, 50.0, 0.0), -1.0);

    T_Stub_Tension T = Record(T_Stub_Column_Flange, 30.0, 50.0, 60.0, 0.0);
    T.row_count = 3;
    T.single_row = 0;
    T.p = 80.0;
    T.row_next_to_stiffener = 1;
    T.F_t_Ed = {50000.0, 50000.0, 50000.0};
    Prepare_Distances(T);
    EXPECT_EQ(T.sum_l_eff_1, -1.0);
    EXPECT_EQ(Verify_T_Stub_Tension(&T, nullptr, 0, 0), 1);
    EXPECT_EQ(T.U_max, -1.0);

    T.m_2 = 40.0;
    Prepare_Distances(T);
    EXPECT_NEAR(T.sum_l_eff_1, 323.0, 0.3);
    EXPECT_NEAR(T.sum_l_eff_2, 323.0, 0.3);
}

// Two rows considered individually on a column flange (m 30, e 50, e₁ 60, m₂ 20, t_f 10), the second
// next to a stiffener: end row min(188.5, 151.25), stiffened row min(2πm = 188.5, α·m):
// Σl_eff,1 = 151.25 + 188.496 = 339.746 mm (not min(Σnc, Σcp) = 377.0); mode 1
// 4·0.25·339.746·10²·235/30 = 266.134 kN.
TEST_F(TStubLengthRules, RowsConsideredIndividually) {
    T_Stub_Tension T = Record(T_Stub_Column_Flange, 30.0, 50.0, 60.0, 20.0);
    T.row_count = 2;
    T.single_row = 1;
    T.p = 80.0;
    T.row_next_to_stiffener = 1;
    T.flange.t = 10.0;
    Prepare_Distances(T);
    EXPECT_NEAR(T.sum_l_eff_1, 339.746, 0.001);
    Verify_T_Stub_Tension(&T, nullptr, 0, 0);
    EXPECT_NEAR(T.F_T_Rd, 266134.0, 0.1);
}

// Edition 2025, the extension with an additional stiffener (m 45, m₁ 30, e 50, e₁ 40, t_f 20, M20
// 10.9): α(45, 50, 30) = 4 + 1.67·(50/45)·1.5^(2/3) = 6.43, l_eff = min(221.4, 208.2) = 208.2 mm; the
// T-stub on the rib takes m 45 and e_min = e 50: n = 50, mode 2 (2·4.892e6 + 50·352512)/95 =
// 288.5 kN (with m₁ 30 and e₁ 40: 340.9 kN).
TEST_F(TStubLengthRules, StiffenedExtension) {
    Set_Code_Edition(1);
    T_Stub_Tension T = Record(T_Stub_Extension, 45.0, 50.0, 40.0, 0.0);
    T.m_1 = 30.0;
    T.extension_stiffener = 1;
    Use_M20_10_9(T.fastener);
    Prepare_Distances(T);
    EXPECT_EQ(T.m_check, 45.0);
    EXPECT_EQ(T.e_min, 50.0);
    EXPECT_NEAR(T.sum_l_eff_1, 208.17, 0.05);
    Verify_T_Stub_Tension(&T, nullptr, 0, 0);
    EXPECT_NEAR(T.F_T_Rd, 288500.0, 100.0);

    // The rib's web distance needs room for the washer.
    T.m = 15.0;
    EXPECT_EQ(Check_T_Stub_Edge_Distances(&T, T.location, T.fastener.d_p, nullptr, 0), 1);
    // Edition 2010 keeps the extension's own distances.
    Set_Code_Edition(0);
    EXPECT_EQ(T_Stub_Distance_Location(T), T_Stub_Extension);
    EXPECT_EQ(Check_T_Stub_Edge_Distances(&T, T.location, T.fastener.d_p, nullptr, 0), 0);
}
