#include "checks/bolt_test_support.h"

#include "annex/annex_record.h"
#include "annex/ec2_block.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

Safety_Factors Test_Safety_Factors() {
    Safety_Factors factors{};
    factors.gamma_M[Gamma_M0] = 1.0;
    factors.gamma_M[Gamma_M1] = 1.0;
    factors.gamma_M[Gamma_M2] = 1.25;
    factors.gamma_M[Gamma_M3] = 1.25;
    factors.gamma_M[Gamma_M4] = 1.25;
    factors.gamma_M[Gamma_M6_Ser] = 1.0;
    factors.gamma_M[Gamma_M7] = 1.1;
    factors.gamma_M[Gamma_M3_Ser] = 1.1;
    return factors;
}

Plate Test_Plate(double t, int grade) {
    Plate p;
    Init_Plate(&p);
    p.material.grade = grade;
    p.t = t;
    Check_Plate(&p, nullptr, 0, Plate_Option_Thickness | Plate_Option_Material, nullptr);
    return p;
}

Bolt_Connection Test_Bolt_Joint(int size, int strength_class, const std::function<void(Fastener&)>& set) {
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    Fastener& F = C.fastener;
    F.type = Fastener_Bolt;
    F.size_index = size;
    F.class_index = strength_class;
    if (set) set(F);
    Derive_Fastener_Data(&F, nullptr, 0);
    C.plate_1 = Test_Plate(10.0);
    C.plate_2 = Test_Plate(10.0);
    return C;
}

void Use_Recommended_Rules(int edition) {
    Set_Code_Edition(edition);
    NAD_Get_EC3()->variant = 0;
    NAD_Set_EC2_Defaults(NAD_Get_EC2());
}

std::string Report_Of(const std::function<void(FILE*)>& print) {
    const std::string text = Paragraph_Of(print);
    return text == Para_Head + Para_End ? std::string() : text;
}
