#include <gtest/gtest.h>
#include <cstdio>
#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "checks/concrete_grade.h"
#include "frame/code_edition.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

static void Dump(const std::string& title, const std::string& s) {
    FILE* f = std::fopen("/tmp/x/dump.txt", "a");
    std::fprintf(f, "=== %s\n%s\n", title.c_str(), From_Cp437(s).c_str());
    std::fclose(f);
}

static Bolt_Connection Kind(int kind) {
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    Fastener& F = C.fastener;
    C.plate_1 = C.plate_2 = Test_Plate(10.0);
    C.e_11 = C.e_12 = 40; C.e_21 = C.e_22 = 30; C.p_1 = C.p_2 = 60;
    if (kind == 0) { F.type = 0; F.size_index = Bolt_Size_M20; F.class_index = Bolt_Class_8_8; C.options = 8; }
    if (kind == 1) { F.type = 1; F.material_index = 1; F.d_0 = 21; }
    if (kind == 2) { F.type = 2; F.size_index = Bolt_Size_M20; F.class_index = Bolt_Class_10_9; }
    if (kind == 4) { F.type = 4; F.size_index = Bolt_Size_M20; F.material_index = 3; F.class_index = Bolt_Class_5_6;
        F.anchorage = 1; F.d_h = 60; F.t_h = 15; F.l_e = 150; C.options = 8;
        C.plate_1 = Test_Plate(20.0); C.plate_2.t = 300; C.plate_2.material.grade = 8; Apply_Concrete_Grade(&C.plate_2.material);
        C.e_11 = 50; C.e_21 = 50; C.p_1 = C.p_2 = 150; C.e_12 = C.e_22 = 0; }
    Derive_Fastener_Data(&F, nullptr, 0);
    return C;
}

TEST(ZZDump, All) {
    const Safety_Factors factors = Test_Safety_Factors();
    for (int kind : {0, 1, 2, 4})
    for (int ed : {0, 1}) {
        Use_Recommended_Rules(ed);
        Bolt_Connection C = Kind(kind);
        Prepare_Bolt_Check(&C, 0, 1, &factors);
        for (int level : {1, 2}) {
            std::string t = " k" + std::to_string(kind) + " ed" + std::to_string(ed) + " L" + std::to_string(level);
            Dump("shear" + t, Report_Of([&](FILE* s){ Compute_Shear_Resistance(&C, s, level); }));
            Dump("bearing" + t, Report_Of([&](FILE* s){ Compute_Bearing_Resistance(&C, s, level, 1); }));
            Dump("tension" + t, Report_Of([&](FILE* s){ C.results.F_t_Rd = 0; Compute_Tension_Resistance(&C, s, level); }));
        }
    }
}
