#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/tstub_compression_test_support.h"
#include "checks/tstub_tension.h"
#include "common/cp437.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

// Distances against the washer: d_p = 37 mm (M20), d_p/2 = 18.5 mm.
namespace {

constexpr double D_P = 37.0;

// A single end row on a column flange whose distances all pass: e 50, m 30, e1 60, p 80, m2 25,
// m1 25.
T_Stub_Tension Record(int location) {
    T_Stub_Tension T{};
    Init_T_Stub_Tension(&T);
    T.location = location;
    T.bolts_per_row = 2;
    T.row_count = 1;
    T.single_row = 1;
    T.e = 50.0;
    T.m = 30.0;
    T.e_1 = 60.0;
    T.p = 80.0;
    T.m_2 = 25.0;
    T.m_1 = 25.0;
    T.w = 60.0;
    return T;
}

struct Outcome {
    int result;
    std::string report;
    std::vector<std::string> boxes;
};

Outcome Check(T_Stub_Tension& T, int show_messages = 1) {
    Clear_Host_Message_History();
    Outcome out{0, "", {}};
    out.report = Paragraph_Of([&](FILE* f) { out.result = Check_T_Stub_Edge_Distances(&T, T.location, D_P, f, show_messages); });
    out.boxes = Host_Message_History();
    return out;
}

const std::string Column_Box = "Äquivalenter T-Stummel - Stützenflansch:\n"_cp;
const std::string End_Plate_Box = "Äquivalenter T-Stummel - Stirnblech (zw. den Flanschen):\n"_cp;
const std::string Extension_Box = "Äquivalenter T-Stummel - Stirnblech (Überstand):\n"_cp;
const std::string Line = " Äquivalenter T-Stummel: "_cp;

}  // namespace

TEST(Check_T_Stub_Edge_Distances, NormalisesTheRowDescription) {
    // Column flange: always two bolts per row.
    T_Stub_Tension T = Record(T_Stub_Column_Flange);
    T.bolts_per_row = 4;
    T.inner_row = 1;
    T.row_next_to_stiffener = 1;
    T.row_at_free_edge = 1;
    EXPECT_EQ(Check_T_Stub_Edge_Distances(&T, T_Stub_Column_Flange, D_P, nullptr, 0), 0);
    EXPECT_EQ(T.bolts_per_row, 2);
    EXPECT_EQ(T.row_at_free_edge, 1);   // not touched on the column flange
    EXPECT_EQ(T.row_next_to_stiffener, 1);

    // End plate: four bolts stay; another count becomes two; an end row is never next to the
    // flange, an inner row never at the free edge.
    T = Record(T_Stub_End_Plate);
    T.bolts_per_row = 4;
    T.four_bolt_method = Four_Bolt_Handbook;
    T.row_next_to_stiffener = 1;
    T.row_at_free_edge = 1;
    Check_T_Stub_Edge_Distances(&T, T_Stub_End_Plate, D_P, nullptr, 0);
    EXPECT_EQ(T.bolts_per_row, 4);
    EXPECT_EQ(T.row_next_to_stiffener, 0);
    EXPECT_EQ(T.row_at_free_edge, 1);
    T.bolts_per_row = 3;
    T.inner_row = 1;
    T.row_next_to_stiffener = 1;
    Check_T_Stub_Edge_Distances(&T, T_Stub_End_Plate, D_P, nullptr, 0);
    EXPECT_EQ(T.bolts_per_row, 2);
    EXPECT_EQ(T.row_next_to_stiffener, 1);
    EXPECT_EQ(T.row_at_free_edge, 0);

    // Extension: one individual end row next to the beam flange, whatever the switches say; with
    // four bolts no extension stiffener.
    T = Record(T_Stub_Extension);
    T.row_count = 3;
    T.single_row = 0;
    T.inner_row = 1;
    T.row_next_to_stiffener = 0;
    T.extension_stiffener = 1;
    Check_T_Stub_Edge_Distances(&T, T_Stub_Extension, D_P, nullptr, 0);
    EXPECT_EQ(T.row_count, 1);
    EXPECT_EQ(T.single_row, 1);
    EXPECT_EQ(T.inner_row, 0);
    EXPECT_EQ(T.row_next_to_stiffener, 1);
    EXPECT_EQ(T.extension_stiffener, 1);
    T.bolts_per_row = 4;
    Check_T_Stub_Edge_Distances(&T, T_Stub_Extension, D_P, nullptr, 0);
    EXPECT_EQ(T.extension_stiffener, 0);
}

TEST(Check_T_Stub_Edge_Distances, ToleranceOfOneThousandthMillimetre) {
    struct Case {
        const char* what;
        int location;
        void (*edit)(T_Stub_Tension&, double);
    };
    const Case cases[] = {
        {"e", T_Stub_Column_Flange, [](T_Stub_Tension& T, double v) { T.e = v; }},
        {"m", T_Stub_End_Plate, [](T_Stub_Tension& T, double v) { T.m = v; }},
        {"e1 of a column flange", T_Stub_Column_Flange, [](T_Stub_Tension& T, double v) { T.e_1 = v; }},
        {"m2 next to a stiffener", T_Stub_Column_Flange,
         [](T_Stub_Tension& T, double v) { T.row_next_to_stiffener = 1, T.m_2 = v; }},
        {"p of a group", T_Stub_End_Plate, [](T_Stub_Tension& T, double v) { T.row_count = 2, T.p = v + 18.5; }},
        {"e1 of the extension", T_Stub_Extension, [](T_Stub_Tension& T, double v) { T.e_1 = v; }},
        {"m1 of the extension", T_Stub_Extension, [](T_Stub_Tension& T, double v) { T.m_1 = v; }},
        {"w of four bolts", T_Stub_End_Plate,
         [](T_Stub_Tension& T, double v) { T.bolts_per_row = 4, T.inner_row = 1, T.row_next_to_stiffener = 1, T.w = v; }},
        {"e with given lengths", T_Stub_End_Plate,
         [](T_Stub_Tension& T, double v) { T.lengths_given = 1, T.sum_l_eff_1 = T.sum_l_eff_2 = 100.0, T.e = v; }},
        {"m1 with given lengths", T_Stub_Extension,
         [](T_Stub_Tension& T, double v) { T.lengths_given = 1, T.sum_l_eff_1 = T.sum_l_eff_2 = 100.0, T.m_1 = v; }},
    };
    for (const Case& c : cases) {
        for (double below : {0.0005, 0.002}) {
            T_Stub_Tension T = Record(c.location);
            c.edit(T, 18.5 - below);
            EXPECT_EQ(Check_T_Stub_Edge_Distances(&T, c.location, D_P, nullptr, 0), below > 0.001 ? 1 : 0)
                << c.what << " " << below;
        }
    }
}

TEST(Check_T_Stub_Edge_Distances, DistancesThatAreNotChecked) {
    // e1 of a column flange of 0.001 mm or less, e1 of a single end-plate row away from the free
    // edge, m2 of a group, p of a single row.
    T_Stub_Tension T = Record(T_Stub_Column_Flange);
    T.e_1 = 0.001;
    T.p = 0.0;
    T.row_next_to_stiffener = 0;
    T.m_2 = 0.0;
    EXPECT_EQ(Check(T).result, 0);
    T = Record(T_Stub_End_Plate);
    T.e_1 = 5.0;
    EXPECT_EQ(Check(T).result, 0);
    T.row_at_free_edge = 1;
    EXPECT_EQ(Check(T).result, 1);
    // A group next to a stiffener needs m₂ ≥ d_p/2 as a single row does.
    T = Record(T_Stub_Column_Flange);
    T.row_count = 3;
    T.row_next_to_stiffener = 1;
    T.m_2 = 0.0;
    Outcome out = Check(T);
    EXPECT_EQ(out.result, 1);
    EXPECT_NE(out.report.find("Abstand der Schraubenachse zur Steife m╬\\2╬r = 0.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp),
              std::string::npos)
        << out.report;
    T.m_2 = 18.5;
    EXPECT_EQ(Check(T).result, 0);
}

TEST(Check_T_Stub_Edge_Distances, MessagesOfTheComputedLengths) {
    T_Stub_Tension T = Record(T_Stub_Column_Flange);
    T.row_count = 3;
    T.e = 12.0;
    T.m = 10.0;
    T.e_1 = 15.0;
    T.p = 30.0;
    const Outcome out = Check(T);
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.report,
              Para_Head + Line + "Abstand der Schraubenachse zum Rand e = 12.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp + Line +
                  "Abstand der Schraubenachse zum Steganschnitt m = 10.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp + Line +
                  "Abstand der Schraubenachse zum freien Rand e╬\\1╬r = 15.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp + Line +
                  "Abstand der Schraubenachsen untereinander p = 30.0 mm < d╬\\p╬r = 37.0 mm\n"_cp + Para_End);
    EXPECT_EQ(out.boxes,
              (std::vector<std::string>{
                  Column_Box + "Abstand der Schraubenachse zum Rand oder Steganschnitt überprüfen:\n"
                               "Abstand e < dp/2  oder  Abstand m < dp/2,  dp/2 = 18.5 mm"_cp,
                  Column_Box + "Abstand der Schraubenachse zum freien Rand e1 < dp/2 = 18.5 mm",
                  Column_Box + "Abstand der Schraubenachsen untereinander p < dp = 37.0 mm",
              }));

    // A single row next to a stiffener, and the extension.
    T = Record(T_Stub_End_Plate);
    T.inner_row = 1;
    T.row_next_to_stiffener = 1;
    T.m_2 = 10.0;
    Outcome next = Check(T);
    EXPECT_EQ(next.report, Para_Head + Line +
                               "Abstand der Schraubenachse zur Steife m╬\\2╬r = 10.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp +
                               Para_End);
    EXPECT_EQ(next.boxes,
              (std::vector<std::string>{End_Plate_Box + "Abstand der Schraubenachse zur Steife m2 < dp/2 = 18.5 mm"}));
    T = Record(T_Stub_Extension);
    T.m_1 = 10.0;
    next = Check(T);
    EXPECT_EQ(next.report,
              Para_Head + Line +
                  "Abstand der Schraubenachse zum Flanschanschnitt m╬\\1╬r = 10.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp + Para_End);
    EXPECT_EQ(next.boxes, (std::vector<std::string>{
                              Extension_Box + "Abstand der Schraubenachse zum freien Rand oder Flansch überprüfen:\n"
                                              "Abstand e1 < dp/2  oder  Abstand m1 < dp/2,  dp/2 = 18.5 mm"_cp}));
}

TEST(Check_T_Stub_Edge_Distances, FourBoltSpacing) {
    T_Stub_Tension T = Record(T_Stub_End_Plate);
    T.bolts_per_row = 4;
    T.inner_row = 1;
    T.row_next_to_stiffener = 1;
    T.w = 15.0;
    const Outcome out = Check(T);
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.report, Para_Head + Line +
                              "Abstand der Schraubenachsen nebeneinander w = 15.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp +
                              Para_End);
    EXPECT_EQ(out.boxes, (std::vector<std::string>{
                             End_Plate_Box + "Abstand der Schraubenachsen nebeneinander w = 15.0 mm < dp/2 = 18.5 mm"}));
}

TEST(Check_T_Stub_Edge_Distances, GivenLengths) {
    T_Stub_Tension T = Record(T_Stub_Column_Flange);
    T.lengths_given = 1;
    T.sum_l_eff_1 = 200.0;
    T.sum_l_eff_2 = 0.0005;
    T.e = 10.0;
    const Outcome out = Check(T);
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.report,
              Para_Head + Line + "wirksame Längen ▓l╬\\eff,1╬r ≤ 0  oder  ▓l╬\\eff,2╬r ≤ 0\n"_cp + Line +
                  "Abstand der Schraubenachse zum freien Rand e = 10.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp + Para_End);
    EXPECT_EQ(out.boxes,
              (std::vector<std::string>{
                  Column_Box + "wirksame Längen ▓leff,1 ≤ 0  oder  ▓leff,2 ≤ 0"_cp,
                  Column_Box + "Abstand der Schraubenachse zum freien Rand oder Steganschnitt überprüfen:\n"
                               "Abstand e < dp/2  oder  Abstand m < dp/2,  dp/2 = 18.5 mm"_cp,
              }));
    // Given lengths above 0 with every distance in order.
    T.sum_l_eff_2 = 0.001;
    T.e = 50.0;
    EXPECT_EQ(Check(T).result, 0);
    // Missing lengths are an error in every mode.
    T.sum_l_eff_1 = 0.0;
    T.edge_check_mode = Edge_Check_Off;
    EXPECT_EQ(Check(T).result, 1);
    T.edge_check_mode = Edge_Check_Reported;
    EXPECT_EQ(Check(T).result, 1);
}

TEST(Check_T_Stub_Edge_Distances, ModesOffAndReported) {
    T_Stub_Tension T = Record(T_Stub_Column_Flange);
    T.e = 12.0;
    T.edge_check_mode = Edge_Check_Off;
    Outcome out = Check(T);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.report, "");
    EXPECT_TRUE(out.boxes.empty());
    // Reported only: the line stands in the report, no box, the check passes.
    T.edge_check_mode = Edge_Check_Reported;
    out = Check(T);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.report,
              Para_Head + Line + "Abstand der Schraubenachse zum Rand e = 12.0 mm < d╬\\p╬r/2 = 18.5 mm\n"_cp + Para_End);
    EXPECT_TRUE(out.boxes.empty());
    // Without the switch no box in the enforced mode either.
    T.edge_check_mode = Edge_Check_Enforced;
    out = Check(T, 0);
    EXPECT_EQ(out.result, 1);
    EXPECT_TRUE(out.boxes.empty());
}

TEST(Check_T_Stub_Edge_Distances, FourBoltAdmissionByMethod) {
    const std::string Group = "4 Schrauben je Schraubenreihe: Verfahren ist für Schraubengruppen nicht zugelassen!"_cp;
    const std::string Inner = "4 Schrauben je Schraubenreihe: nur innere Schraubenreihen sind zugelassen!";
    const std::string Next = "4 Schrauben je Schraubenreihe: die Schraubenreihe muss neben einer Steife liegen!";
    struct Case {
        const char* what;
        int method, row_count, inner_row, next_to_stiffener;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"inner row next to the flange", Four_Bolt_Research_Report, 1, 1, 1, {}},
        {"group", Four_Bolt_Dissertation, 2, 1, 1, {Group}},
        {"end row", Four_Bolt_Research_Report, 1, 0, 1, {Inner, Next}},   // the end row loses its flange
        {"off the flange", Four_Bolt_Dissertation, 1, 1, 0, {Next}},
        {"every restriction", Four_Bolt_Research_Report, 3, 0, 0, {Group, Inner, Next}},
        {"handbook", Four_Bolt_Handbook, 3, 0, 0, {}},
    };
    for (const Case& c : cases) {
        T_Stub_Tension T = Record(T_Stub_End_Plate);
        T.bolts_per_row = 4;
        T.four_bolt_method = c.method;
        T.row_count = c.row_count;
        T.inner_row = c.inner_row;
        T.row_next_to_stiffener = c.next_to_stiffener;
        T.edge_check_mode = Edge_Check_Off;   // the admission is not a distance rule
        const Outcome out = Check(T);
        EXPECT_EQ(out.result, c.messages.empty() ? 0 : 1) << c.what;
        std::vector<std::string> boxes, lines;
        for (const std::string& m : c.messages) boxes.push_back(End_Plate_Box + m);
        EXPECT_EQ(out.boxes, boxes) << c.what;
        std::string report;
        for (const std::string& m : c.messages) report += Line + m + "\n";
        EXPECT_EQ(out.report, report.empty() ? "" : Para_Head + report + Para_End) << c.what;
    }
    // The extension row is admitted for every method.
    T_Stub_Tension T = Record(T_Stub_Extension);
    T.bolts_per_row = 4;
    T.four_bolt_method = Four_Bolt_Research_Report;
    EXPECT_EQ(Check(T).result, 0);
}
