#include "frame/report_driver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/cp437.h"
#include "example_positions.h"
#include "report/report_capture.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(Report_Driver, OverallUtilisationRule) {
    struct Case {
        double overall, check, expected;
    };
    const Case cases[] = {
        {0.0, 0.5, 0.5},     {0.5, 0.3, 0.5},      {0.5, 0.8, 0.8},   {0.8, -1.0, -1.0},
        {-1.0, 0.8, -1.0},   // once not determinable, later checks leave it so
        {-1.0, -1.0, -1.0},  {0.2, -0.0005, 0.2},  // a value just below 0 is still determinable
        {0.0, 0.0, 0.0},     {1.2, 1.0, 1.2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Combine_U_Max(c.overall, c.check), c.expected) << c.overall << " then " << c.check;
    // The sequence of the driver: a welded check not determinable, then a T-stub at 0.8.
    double U = 0.0;
    for (double check : {0.3, -1.0, 0.8}) U = Combine_U_Max(U, check);
    EXPECT_EQ(U, -1.0);
}

TEST(Report_Driver, SafetyFactorMasksByFastener) {
    struct Case {
        int type, shear, tension, preloaded, slip_resistant, mask;
    };
    const Case cases[] = {
        {Fastener_Bolt, Shear_Category_A, Tension_Category_D, 0, 0, 0x001},
        {Fastener_Bolt, Shear_Category_B, Tension_Category_D, 0, 0, 0x081},
        {Fastener_Bolt, Shear_Category_C, Tension_Category_E, 1, 1, 0x301},
        {Fastener_Bolt, Shear_Category_A, Tension_Category_E, 1, 0, 0x001},   // preload not controlled
        {Fastener_Bolt, Shear_Category_A, Tension_Category_E, 0, 1, 0x001},
        {Fastener_Rivet, Shear_Category_B, Tension_Category_D, 0, 0, 0x011},
        {Fastener_Injection_Bolt, Shear_Category_A, Tension_Category_D, 0, 0, 0x021},
        {Fastener_Injection_Bolt, Shear_Category_C, Tension_Category_E, 1, 1, 0x121},
        {Fastener_Pin, Shear_Category_A, Tension_Category_D, 0, 0, 0x041},
        {Fastener_Anchor_Bolt, Shear_Category_C, Tension_Category_E, 1, 1, 0x001},
    };
    for (const Case& c : cases) {
        static Bolt_Connection B{};
        Init_Bolt_Connection(&B);
        B.fastener.type = c.type;
        B.Shear_Category = c.shear;
        B.Tension_Category = c.tension;
        B.fastener.preloaded = c.preloaded;
        B.fastener.slip_resistant = c.slip_resistant;
        EXPECT_EQ(Bolt_Safety_Factor_Mask(B), c.mask) << "type " << c.type << " shear " << c.shear;
    }
}

TEST(Report_Driver, WeldedChapterPrintsTheFactorsOfBothWeldStrengths) {
    static Connection_Record R{};
    Example_Positions[2].setup(R);
    Report_Capture report;
    Run_Connection_Checks(&R, report.stream);
    EXPECT_TRUE(Has(report.text(), "Beanspruchbarkeit von Querschnitten └╬\\M0╬r = 1.00"_cp));
    EXPECT_TRUE(Has(report.text(), "Blechen auf Lochleibung └╬\\M2╬r = 1.25"_cp));
}

TEST(Report_Driver, UniformSteelReachesEveryPlateButTheConcreteOfAnAnchor) {
    constexpr int S355 = 2;
    Connection_Record& R = Connection;
    Default_Connection_Record(&R);
    R.welded_active = 0;   // inactive types receive it as well
    R.uniform_steel = 1;
    R.uniform_material.grade = S355;
    R.bolted.fastener.type = Fastener_Anchor_Bolt;
    R.bolted.plate_1.t = 10.0;
    R.bolted.plate_2.t = 50.0;
    R.welded.plate1.t = 50.0;
    R.welded.plate2.t = 10.0;
    R.tension.flange.t = 20.0;
    R.compression.plate.t = 50.0;
    Apply_Uniform_Steel_Grade();
    // S355 under the example's edition 2025: f_y 355 N/mm² up to 40 mm, 325 N/mm² above.
    EXPECT_EQ(R.bolted.plate_1.material.grade, S355);
    EXPECT_EQ(R.bolted.plate_1.material.f_y, 355.0);
    EXPECT_EQ(R.bolted.plate_2.material.grade, 0);
    EXPECT_EQ(R.welded.plate1.material.f_y, 325.0);
    EXPECT_EQ(R.welded.plate2.material.f_y, 355.0);
    EXPECT_EQ(R.tension.flange.material.f_y, 355.0);
    EXPECT_EQ(R.compression.plate.material.grade, S355);
    EXPECT_EQ(R.compression.plate.material.f_y, 325.0);

    R.bolted.fastener.type = Fastener_Bolt;
    Apply_Uniform_Steel_Grade();
    EXPECT_EQ(R.bolted.plate_2.material.grade, S355);
    EXPECT_EQ(R.bolted.plate_2.material.f_y, 325.0);
}

TEST(Report_Driver, ComputeOnlyGivesTheValueOfTheReportRun) {
    static Connection_Record R{};
    Example_Positions[2].setup(R);   // the welded example: σ_1,w,Ed / f_1w,d = 132.6 / 360 = 0.368
    R.compression_active = 1;
    R.compression.F_c_Ed = 20000.0;   // below 0.1: the weld governs
    Run_Connection_Checks(&R, nullptr);
    const double computed = R.U_max;
    EXPECT_NEAR(computed, 150000.0 / (800.0 * std::sqrt(2.0) * 360.0), 1e-9);
    Report_Capture report;
    Run_Connection_Checks(&R, report.stream);
    EXPECT_EQ(R.U_max, computed);
    EXPECT_TRUE(Has(report.text(), "U╬\\max╬r╬H = 0.368  <  1"_cp));
}

TEST(Report_Driver, ResultBlockErrorsAndVerdicts) {
    struct Case {
        const char* name;
        double U;
        int weld_error, compression_error, detail;
        bool utilisation_line;
        std::string error_line, verdict;
    };
    const std::string verified = "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n";
    const std::string not_verified = "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n";
    const Case cases[] = {
        {"weld not determinable", -1.0, 1, 0, 1, false, "Fehler - Schweißverbindung ╬{C 1 230 0 0}╬H!!╬{C 768}\n",
         not_verified},
        {"compression error below 1", 0.5, 0, 1, 0, true,
         "Fehler - T-Stummel unter Druckbelastung ╬{C 1 230 0 0}╬H!!╬{C 768}\n", not_verified},
        {"error at minimal detail", 0.5, 1, 0, 0, true, "Fehler - Schweißverbindung", not_verified},
        {"verified", 0.5, 0, 0, 1, true, "", verified},
        {"above 999.999", 1000.0, 0, 0, 1, false, "", not_verified},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        static Connection_Record R{};
        Init_Connection_Record(&R);
        R.U_max = c.U;
        R.welded.check_error_flags = c.weld_error;
        R.compression.Check_Error_Flags = c.compression_error;
        R.tension.Check_Error_Flags = 1;
        R.tension_active = 0;   // the error word of an inactive type is not reported
        Report_Capture report;
        Write_Result_Block(R, report.stream, c.detail);
        const std::string text = From_Cp437(report.text());
        EXPECT_EQ(Has(text, "Maximale Ausnutzung"), c.utilisation_line);
        if (!c.error_line.empty()) {
            EXPECT_TRUE(Has(text, c.error_line)) << text;
        }
        EXPECT_FALSE(Has(text, "Zugbelastung"));
        EXPECT_TRUE(Has(text, c.verdict)) << text;
    }
}
