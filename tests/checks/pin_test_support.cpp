#include "checks/pin_test_support.h"

namespace {

constexpr int Grade_S355 = 2;

}  // namespace

Bolt_Connection Test_Pin_Joint(const Safety_Factors* factors) {
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    Fastener& F = C.fastener;
    F.type = Fastener_Pin;
    F.material_index = Fastener_Material_Table_0;   // f_yp 340, f_up 420 N/mm²
    F.d_pin = 30.0;
    F.d_0 = 31.0;
    Derive_Fastener_Data(&F, nullptr, 0);
    C.plate_1 = Test_Plate(20.0, Grade_S355);
    C.plate_2 = Test_Plate(12.0, Grade_S355);
    C.shear_planes = 2;
    C.delta_t = 2.0;
    C.e_11 = 50.25;
    C.e_21 = 40.0;
    C.F_v_Ed = 200000.0;
    C.F_v_Ed_ser = 150000.0;
    Prepare_Bolt_Check(&C, 0, 1, factors);
    return C;
}

std::string Expand_Pin_Lines(std::string text) {
    const struct {
        std::string token, value;
    } marks[] = {{"{ok}", Ok_Mark}, {"{not ok}", Not_Ok_Mark}, {"{error}", Error_Mark}, {"{warning}", Warning_Mark}};
    for (const auto& m : marks)
        for (std::size_t at = text.find(m.token); at != std::string::npos; at = text.find(m.token, at + m.value.size()))
            text.replace(at, m.token.size(), m.value);
    for (std::size_t at = text.find("{indent "); at != std::string::npos; at = text.find("{indent ", at)) {
        const std::size_t close = text.find("}\n", at);
        const std::string indent = Para_Indent(std::stod(text.substr(at + 8, close - at - 8)));
        text.replace(at, close + 2 - at, indent);
        at += indent.size();
    }
    return Pin_Lines(text);
}
