// A welded connection ready for the checks: two S 235 plates, γM2 = 1.25, the directional method,
// loads given and the connection's own result block; with the print-list pieces of the report
// texts that the weld chapters compare whole.
#pragma once

#include <string>

#include "annex/annex_record.h"
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

// Print-list pieces around the weld lines.
namespace weld_text {

inline const std::string Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
inline const std::string End = "#END_OF_TEXT\n0x0\n-1\n";
inline const std::string In = "#END_OF_TEXT\n0x4\n0x20\n4\n2 0.3 2 0\n-1\n";   // indent 0.3 cm
inline const std::string Out = "#END_OF_TEXT\n0x4\n0x0\n4\n-1\n";             // back to 0
inline const std::string Space = "#END_OF_TEXT\n0x1004\n2 0.3\n0x0\n4\n-1\n"; // 0.3 cm above, indent 0

inline const std::string Ok = "╬{C 1 40 140 255}╬Hok╬{C 768}"_cp;
inline const std::string Not_Ok = "╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}"_cp;
inline const std::string Note_Ok = "╬{C 1 165 75 165}ok╬{C 768}"_cp;
inline const std::string Warning = "╬{C 1 165 75 165}╬H!!╬{C 768}"_cp;
inline const std::string Error = "╬{C 1 230 0 0}╬H!!╬{C 768}"_cp;
inline const std::string Condition = "╬{C 1 165 75 165}EC 3-Bedingung !!╬{C 768}"_cp;
inline const std::string Verified = " ╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;
inline const std::string Not_Verified = " ╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n"_cp;
inline const std::string Footnote = " ╬{C 1 165 75 165}Bedingung nach EC 3-1-8 sollte eingehalten werden╬{C 768}\n"_cp;

}  // namespace weld_text
