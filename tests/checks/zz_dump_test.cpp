#include <gtest/gtest.h>
#include <cstdio>
#include "checks/bolt_resistances.h"
#include "checks/bolt_test_support.h"
#include "frame/code_edition.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

static void Dump(const char* title, const std::string& s) {
    FILE* f = std::fopen("/tmp/x/dump.txt", "a");
    std::fprintf(f, "=== %s\n%s\n", title, From_Cp437(s).c_str());
    std::fclose(f);
}

TEST(ZZDump, All) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.e_11 = 100; C.e_21 = 30; C.p_1 = 70; C.p_2 = 70;
    OLI_Reset_Paragraph_Format(); OLI_Clear_Tab_Stops();
    Dump("max", Report_Of([&](FILE* s){ Check_Bolt_Input(&C, s, 1); }));
    C.e_11 = 20;
    Clear_Host_Message_History();
    Dump("min", Report_Of([&](FILE* s){ Check_Bolt_Input(&C, s, 1); }));
    for (auto& m : Host_Message_History()) Dump("box", m);
}
