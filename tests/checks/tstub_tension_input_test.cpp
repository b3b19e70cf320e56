#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/tstub_tension_test_support.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

// Bolts M20: washer d_p = 37 mm.
namespace {

struct Outcome {
    int result;
    std::string report;
    std::vector<std::string> boxes;
};

Outcome Check(T_Stub_Tension& T, int show_messages, int in_verification) {
    Clear_Host_Message_History();
    Outcome out{0, "", {}};
    out.report = Paragraph_Of(
        [&](FILE* f) { out.result = Check_T_Stub_Tension_Input(&T, f, show_messages, in_verification); });
    out.boxes = Host_Message_History();
    return out;
}

// The single outer row of a new position on the given location, two M20 8.8 bolts.
T_Stub_Tension New_Position(int location) {
    T_Stub_Tension T;
    Default_T_Stub_Tension(&T);
    T.bolts_per_row = 2;
    T.location = location;
    Use_M20_8_8(T.fastener);
    return T;
}

const std::string Closing_Line =
    " ╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden ╬{C 1 230 0 0}╬H!!╬{C 768}\n"_cp;

}  // namespace

TEST(Check_T_Stub_Tension_Input, NormalisesLocationProcedureAndFastener) {
    Set_Code_Edition(0);
    struct Case {
        int bolts, method, lengths_given, location, procedure;
        int want_location, want_procedure;
    };
    const Case cases[] = {
        // Given lengths: two bolts per row are a column flange, four an end plate.
        {2, Four_Bolt_Handbook, 1, T_Stub_Extension, 1, T_Stub_Column_Flange, 1},
        {4, Four_Bolt_Handbook, 1, T_Stub_Extension, 1, T_Stub_End_Plate, 0},
        // The research report takes the alternative procedure, the handbook the standard one, the
        // dissertation either.
        {4, Four_Bolt_Research_Report, 0, T_Stub_End_Plate, 0, T_Stub_End_Plate, 1},
        {4, Four_Bolt_Handbook, 0, T_Stub_End_Plate, 1, T_Stub_End_Plate, 0},
        {4, Four_Bolt_Dissertation, 0, T_Stub_End_Plate, 1, T_Stub_End_Plate, 1},
        {4, Four_Bolt_Dissertation, 0, T_Stub_End_Plate, 0, T_Stub_End_Plate, 0},
    };
    for (const Case& c : cases) {
        T_Stub_Tension T = New_Position(c.location);
        T.bolts_per_row = c.bolts;
        T.four_bolt_method = c.method;
        T.lengths_given = c.lengths_given;
        T.procedure = c.procedure;
        T.sum_l_eff_1 = T.sum_l_eff_2 = 200.0;
        Check_T_Stub_Tension_Input(&T, nullptr, 0, 0);
        EXPECT_EQ(T.location, c.want_location) << c.bolts << " " << c.method;
        EXPECT_EQ(T.procedure, c.want_procedure) << c.bolts << " " << c.method;
    }

    // A countersunk bolt in an oversize hole is checked as a plain bolt in a normal hole; the
    // widths of flange and web are cleared, b_st takes the flange length.
    T_Stub_Tension T = New_Position(T_Stub_Column_Flange);
    T.fastener.countersunk = 1;
    T.fastener.hole_type = Hole_Oversize;
    T.flange.b = 300.0;
    T.web.b = 150.0;
    EXPECT_EQ(Check_T_Stub_Tension_Input(&T, nullptr, 0, 0), 0);
    EXPECT_EQ(T.fastener.countersunk, 0);
    EXPECT_EQ(T.fastener.hole_type, Hole_Normal);
    EXPECT_EQ(T.fastener.washer_sides, 1);
    EXPECT_EQ(T.flange.b, 0.0);
    EXPECT_EQ(T.web.b, 0.0);
    EXPECT_EQ(T.b_st, 140.0);

    // The dissertation model takes b_st from the web plate and b_p from the flange.
    T = New_Position(T_Stub_End_Plate);
    T.bolts_per_row = 4;
    T.four_bolt_method = Four_Bolt_Dissertation;
    T.web.l = 180.0;
    Check_T_Stub_Tension_Input(&T, nullptr, 0, 0);
    EXPECT_EQ(T.b_st, 180.0);
    EXPECT_EQ(T.b_p, 140.0);

    // Four bolts at a column flange without given lengths: the web plate takes the flange steel
    // before the edge check turns the row into two bolts.
    T = New_Position(T_Stub_Column_Flange);
    T.bolts_per_row = 4;
    T.flange.material.grade = 2;
    Check_T_Stub_Tension_Input(&T, nullptr, 0, 0);
    EXPECT_EQ(T.web.material.grade, 2);
    EXPECT_EQ(T.bolts_per_row, 2);
}

TEST(Check_T_Stub_Tension_Input, ExtensionFlangeLengthTakesTheBolts) {
    Set_Code_Edition(0);
    // 2e + d_p = 2·50 + 37 = 137 mm.
    T_Stub_Tension T = New_Position(T_Stub_Extension);
    T.flange.l = 137.0;
    Outcome out = Check(T, 1, 1);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.report, "");

    T.flange.l = 137.0 - 0.0005;   // within the tolerance of 0.001 mm
    EXPECT_EQ(Check(T, 1, 1).result, 0);

    // Short by 0.01 mm: both values print as 137.0.
    T.flange.l = 136.99;
    out = Check(T, 1, 1);
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.report, Para_Head +
                              " Äquivalenter T-Stummel (Zug): Abstand 2╬/.╬re+d╬\\p╬r = 137.0 mm ≥ Flanschlänge "
                              "l╬\\f╬r = 137.0 mm\n"_cp +
                              Para_End);
    ASSERT_EQ(out.boxes.size(), 1u);
    EXPECT_EQ(out.boxes[0],
              "Äquivalenter T-Stummel (Zug)\nAbstand 2*e+dp = 137.0 mm ≥ Flanschlänge lf = 137.0 mm"_cp);

    // Four bolts per row: 2(e + w) + d_p = 2·(50 + 60) + 37 = 257 mm.
    T = New_Position(T_Stub_Extension);
    T.bolts_per_row = 4;
    T.four_bolt_method = Four_Bolt_Handbook;
    T.w = 60.0;
    T.flange.l = 250.0;
    out = Check(T, 0, 0);
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(out.report, Para_Head +
                              " Abstand 2╬/.╬r(e+w)+d╬\\p╬r = 257.0 mm ≥ Flanschlänge l╬\\f╬r = 250.0 mm\n"_cp +
                              Closing_Line + Para_End);
    EXPECT_TRUE(out.boxes.empty());
}

TEST(Check_T_Stub_Tension_Input, CollectsEveryFailure) {
    Set_Code_Edition(0);
    // Flange thickness and length 0 at the extension: the two dimension messages, the distance
    // message and the plate's own thickness message, and no early stop.
    T_Stub_Tension T = New_Position(T_Stub_Extension);
    T.flange.t = 0.0;
    T.flange.l = 0.0;
    Outcome out = Check(T, 1, 0);
    EXPECT_EQ(out.result, 1);
    const std::string dimensions = " Fehler in den Abmessungen des T-Stummelflanschs\n";
    EXPECT_EQ(out.report.find(dimensions + dimensions + " Abstand 2╬/.╬re+d╬\\p╬r = 137.0 mm ≥ Flanschlänge l╬\\f╬r = 0.0 mm\n"_cp),
              Para_Head.size())
        << out.report;
    EXPECT_NE(out.report.find("Blechdicke t = 0.0 mm"), std::string::npos) << out.report;
    EXPECT_EQ(out.report.substr(out.report.size() - Closing_Line.size() - Para_End.size()), Closing_Line + Para_End);
    ASSERT_GE(out.boxes.size(), 3u);
    EXPECT_EQ(out.boxes[0], "Fehler in den Abmessungen des T-Stummelflanschs");

    // Silent calls of the pages and sketches show no box.
    T = New_Position(T_Stub_Extension);
    T.flange.t = 0.0;
    EXPECT_EQ(Check(T, 0, 0).boxes.size(), 0u);

    // The dissertation model at the extension needs the web-plate length and the throat a_st.
    T = New_Position(T_Stub_Extension);
    T.bolts_per_row = 4;
    T.four_bolt_method = Four_Bolt_Dissertation;
    T.flange.l = 300.0;
    T.w = 60.0;
    T.web.t = 10.0;
    out = Check(T, 0, 1);
    EXPECT_EQ(out.result, 1);
    EXPECT_NE(out.report.find(" Äquivalenter T-Stummel (Zug): Fehler in den Abmessungen des T-Stummelflanschs\n"
                              " Äquivalenter T-Stummel (Zug): Fehler in den Abmessungen des T-Stummelflanschs\n"_cp),
              std::string::npos)
        << out.report;
    EXPECT_EQ(out.report.find("Fehler in den Eingabedaten"), std::string::npos);
}
