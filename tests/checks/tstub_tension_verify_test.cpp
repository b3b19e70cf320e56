#include <gtest/gtest.h>

#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_test_support.h"
#include "checks/tstub_tension_test_support.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

namespace {

struct TStubTensionVerify : ::testing::Test {
    Annex_Folders folders;
    Safety_Factors factors = T_Stub_Test_Factors();
    int saved_refresh = 0;

    void SetUp() override {
        Use_Shipped_Host();
        NAD_Set_Annex_By_Name("EC-Standardparameter");
        Set_Code_Edition(0);
        saved_refresh = Refresh_Mode;
        Refresh_Mode = 1;
    }
    void TearDown() override { Refresh_Mode = saved_refresh; }
};

}  // namespace

// Column flange with given lengths, M20 8.8 (EN 1993-1-8 Table 6.2; γM0 1.0, γM2 1.25):
//   M_pl,Rd = 0.25·200·20²·235 = 4.70 kNm, F_t,Rd = 0.9·800·244.8/1.25 = 141.0048 kN, ΣF_t,Rd =
//   282.0096 kN; L_b = 2·20 + 3 + (12.5 + 19)/2 = 58.75 mm; L_b* = 8.8·m³·244.8/(200·20³).
//   m 30: L_b* = 36.35 mm, no prying: min(2·4.7e6/30 = 313.33, 282.01) = 282.01 kN, U = 200/282.01.
//   m 40: L_b* = 86.17 mm, prying, n = min(50, 50) = 50: mode 1 4·4.7e6/40 = 470.00, mode 2
//   (9.4e6 + 50·282009.6)/90 = 261.12, mode 3 282.01 kN; U = 200/261.116 = 0.766.
TEST_F(TStubTensionVerify, ColumnFlangeWithAndWithoutPrying) {
    T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
    EXPECT_EQ(Verify_T_Stub_Tension(&T, nullptr, 0, 0), 0);
    EXPECT_NEAR(T.F_T_Rd, 282009.6, 0.01);
    EXPECT_NEAR(T.U_max, 200000.0 / 282009.6, 1e-9);
    EXPECT_EQ(T.l_eff_used, 200.0);

    T = Given_Column_Flange(40.0, &factors);
    EXPECT_EQ(Verify_T_Stub_Tension(&T, nullptr, 0, 0), 0);
    EXPECT_NEAR(T.F_T_Rd, 23500480.0 / 90.0, 0.01);
    EXPECT_NEAR(T.U_max, 200000.0 * 90.0 / 23500480.0, 1e-9);
}
