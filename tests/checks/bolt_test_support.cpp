#include "checks/bolt_test_support.h"

#include "annex/annex_record.h"
#include "annex/ec2_block.h"
#include "checks/concrete_grade.h"
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

Bolt_Connection Test_Anchor_Joint(int concrete_class, const std::function<void(Fastener&)>& set, double own_f_ck,
                                  double h) {
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    Fastener& F = C.fastener;
    F.type = Fastener_Anchor_Bolt;
    F.size_index = Bolt_Size_M20;
    F.material_index = Fastener_Material_Table_1;
    F.l_e = 200.0;
    F.d_h = 60.0;
    F.t_h = 15.0;
    if (set) set(F);
    Derive_Fastener_Data(&F, nullptr, 0);
    C.plate_1 = Test_Plate(20.0);
    C.plate_2.t = h;
    C.plate_2.material.grade = concrete_class;
    C.plate_2.material.own_values = own_f_ck > 0.0;
    C.plate_2.material.f_y = own_f_ck;
    Apply_Concrete_Grade(&C.plate_2.material);
    return C;
}

void Use_Recommended_Rules(int edition) {
    Set_Code_Edition(edition);
    NAD_Get_EC3()->variant = 0;
    NAD_Set_EC2_Defaults(NAD_Get_EC2());
}

std::string Paragraph_Or_Empty(const std::function<void(FILE*)>& print) {
    const std::string text = Paragraph_Of(print);
    return text == Para_Head + Para_End ? std::string() : text;
}

std::string Report_Text_Lines(const std::string& report) {
    std::string lines;
    std::size_t start = 0;
    while (start < report.size()) {
        std::size_t end = report.find('\n', start);
        if (end == std::string::npos) end = report.size();
        // The paragraph writer begins every text line with a blank; markup lines begin otherwise.
        if (end > start && report[start] == ' ') lines.append(report, start + 1, end - start - 1).append("\n");
        start = end + 1;
    }
    return lines;
}

std::string Report_With_Result(const std::function<int(FILE*)>& run, int expected_result) {
    int result = -1;
    const std::string text = Paragraph_Or_Empty([&](FILE* s) { result = run(s); });
    EXPECT_EQ(result, expected_result);
    return text;
}
