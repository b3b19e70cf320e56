// A welded connection ready for the checks: two S 235 plates, γM2 = 1.25, the directional method,
// loads given and the connection's own result block; and the indent steps of the weld chapters.
#pragma once

#include <string>

#include "annex/annex_record.h"
#include "checks/check_report_text.h"
#include "checks/weld_record.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "frame/safety_factors.h"
#include "frame/steel_grades.h"

struct Weld_Fixture {
    Safety_Factors factors{};
    Weld_Connection c{};

    // A fillet weld a = 4 mm over l_w = 100 mm (full length), θ = 90°, between plates t1 and t2.
    explicit Weld_Fixture(double t1 = 10.0, double t2 = 10.0) {
        Set_Code_Edition(Code_Edition_2010);
        NAD_Get_EC3()->variant = 0;
        EC3_Condition_Footnote_Flag = 0;
        Init_Safety_Factors(&factors);
        factors.gamma_M[Gamma_M0] = 1.0;
        factors.gamma_M[Gamma_M2] = 1.25;
        Init_Weld_Connection(&c);
        c.results = Weld_Results{};
        c.check_error_flags = 0;
        c.U_max = 0.0;
        c.weld.type = Weld_Fillet;
        c.weld.a = 4.0;
        c.weld.l_w = 100.0;
        c.weld.full_length = 1;
        c.weld.f_u_FM = 500.0;
        c.flags = Weld_Flag_Directional | Weld_Flag_Eccentricity;
        c.plate1.t = t1;
        c.plate2.t = t2;
        c.context.verification = 1;
        c.context.summary = 1;
        c.context.factors = &factors;
        c.l_eff = 100.0;
        Derive_Materials();
    }
    Weld_Fixture(const Weld_Fixture&) = delete;
    Weld_Fixture& operator=(const Weld_Fixture&) = delete;

    void Set_Grade(int grade) {
        c.plate1.material.grade = c.plate2.material.grade = grade;
        Derive_Materials();
    }
    // Design strengths of both plates for their thickness, as the input check derives them.
    void Derive_Materials() {
        Check_Plate_Material(&c.plate1.material, c.plate1.t, nullptr, 0, nullptr);
        Check_Plate_Material(&c.plate2.material, c.plate2.t, nullptr, 0, nullptr);
    }
};

// The indent steps of the weld chapters.
namespace weld_text {

inline const std::string In = Para_Indent(0.3);
inline const std::string Out = Para_Indent(0.0);

}   // namespace weld_text
