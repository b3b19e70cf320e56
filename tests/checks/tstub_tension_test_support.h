// Records and report helpers of the T-stub in tension tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_test_support.h"
#include "checks/check_report_text.h"
#include "checks/tstub_tension.h"
#include "frame/safety_factors.h"

// Partial factors of the tests: γM0 1.0, γM2 1.25, γM7 1.1.
Safety_Factors T_Stub_Test_Factors();

// A column flange with given effective lengths Σl_eff,1 = Σl_eff,2 = 200 mm, t_f 20 mm S235, one
// row of two M20 8.8 bolts (normal set, not preloaded), e = e_min = 50 mm, m = m_check as given,
// F_t,Ed = 100 kN per bolt; prepared with the verification switch and the factors.
T_Stub_Tension Given_Column_Flange(double m, const Safety_Factors* factors);

// M20 8.8, normal set: A_s 244.8 mm², d_p 37 mm, t_p 3 mm, t_k 12.5 mm, t_m 19 mm.
void Use_M20_8_8(Fastener& F);

// The report of the check alone, and of the input protocol followed by the check.
std::string Tension_Report(T_Stub_Tension& T, int detail);
std::string Tension_Chapter(T_Stub_Tension& T, int detail);

// The fixture of the check tests: the shipped host, the standard annex, edition 2010 and no
// message boxes (Refresh_Mode), restored afterwards; the test factors.
struct T_Stub_Tension_Test : ::testing::Test {
    Annex_Folders folders;
    Safety_Factors factors = T_Stub_Test_Factors();
    int saved_refresh = 0;
    void SetUp() override;
    void TearDown() override;
};
