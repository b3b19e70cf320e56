#include "checks/tstub_tension_test_support.h"

#include "annex/annex_choice.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

Safety_Factors T_Stub_Test_Factors() {
    Safety_Factors factors{};
    factors.gamma_M[Gamma_M0] = 1.0;
    factors.gamma_M[Gamma_M2] = 1.25;
    factors.gamma_M[Gamma_M7] = 1.1;
    return factors;
}

void Use_M20_8_8(Fastener& F) {
    Default_Fastener(&F);
    F.class_index = Bolt_Class_8_8;
    F.large_width = 0;
    Derive_Fastener_Data(&F, nullptr, 0);
}

T_Stub_Tension Given_Column_Flange(double m, const Safety_Factors* factors) {
    T_Stub_Tension T;
    Default_T_Stub_Tension(&T);
    T.bolts_per_row = 2;
    T.lengths_given = 1;
    T.sum_l_eff_1 = T.sum_l_eff_2 = 200.0;
    T.e = 50.0;
    T.m = m;
    T.flange.t = 20.0;
    Use_M20_8_8(T.fastener);
    T.F_t_Ed[0] = 100000.0;
    T.e_min = 50.0;
    T.m_check = m;
    Prepare_T_Stub_Tension_Check(&T, 0, 1, factors);
    return T;
}

std::string Tension_Report(T_Stub_Tension& T, int detail) {
    return Paragraph_Of([&](FILE* f) { Verify_T_Stub_Tension(&T, f, detail, 0); });
}

std::string Tension_Chapter(T_Stub_Tension& T, int detail) {
    return Paragraph_Of([&](FILE* f) {
        Print_T_Stub_Tension_Input(&T, f, 0);
        Verify_T_Stub_Tension(&T, f, detail, 0);
    });
}

void T_Stub_Tension_Test::SetUp() {
    Use_Shipped_Host();
    NAD_Set_Annex_By_Name("EC-Standardparameter");
    Set_Code_Edition(0);
    saved_refresh = Refresh_Mode;
    Refresh_Mode = 1;
}

void T_Stub_Tension_Test::TearDown() {
    Refresh_Mode = saved_refresh;
    Set_Code_Edition(0);
}
