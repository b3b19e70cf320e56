#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "annex/annex_record.h"
#include "checks/bolt_connection.h"
#include "checks/bolt_test_support.h"
#include "checks/concrete_grade.h"
#include "frame/code_edition.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

// A paragraph block whose format carries the uniform tab step of 3 cm that the distance lines set.
const std::string Tab_Head = "\n#SHOWPARA\n0x40\n4\n0x2\n2 3\n-1\n";
const std::string Space_End = "#END_OF_TEXT\n0x1000\n2 0.3\n-1\n";
const std::string Input_Error =
    " ╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden "_cp + Error_Mark + "\n";

struct Check_Run {
    int result = -1;
    std::string report;
    std::vector<std::string> messages;
};

// Runs the check with a report and message boxes on a freshly started report.
Check_Run Check(Bolt_Connection& C) {
    Check_Run run;
    OLI_Reset_Paragraph_Format();
    Clear_Host_Message_History();
    run.report = Paragraph_Or_Empty([&](FILE* s) { run.result = Check_Bolt_Input(&C, s, 1); });
    run.messages = Host_Message_History();
    return run;
}

// An M20 8.8 between two plates of 10 mm with e_1 = 40, e_2 = 30, p_1 = p_2 = 70 mm (d_0 = 22 mm).
Bolt_Connection Spaced_Bolt_Joint(int grade = 0) {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.plate_1 = Test_Plate(10.0, grade);
    C.plate_2 = Test_Plate(10.0, grade);
    C.e_11 = C.e_12 = 40.0;
    C.e_21 = C.e_22 = 30.0;
    C.p_1 = C.p_2 = 70.0;
    return C;
}

const std::string Line_E2_Normal =
    " Randabstand: ╬te╬\\2╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\2╬r = 30.0 mm < 4╬/.╬rt╬\\min╬r + 40 mm = 80.0 mm\n"_cp;
const std::string Lines_P_Normal =
    " Lochabstand: ╬tp╬\\1╬r = 70.0 mm > 2.2╬/.╬rd╬\\0╬r = 48.4 mm,  ╬tp╬\\1╬r = 70.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"
    " Lochabstand: ╬tp╬\\2╬r = 70.0 mm > 2.4╬/.╬rd╬\\0╬r = 52.8 mm,  ╬tp╬\\2╬r = 70.0 mm < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"_cp;

}  // namespace

// EN 1993-1-8 Table 3.3 with d_0 = 22 mm: e_1,min = 26.4 mm. A value short of it by more than
// 0.001 mm is an error (line, box, closing lines); a shortfall within 0.001 mm is none.
TEST(Check_Bolt_Input, EndDistanceBelowItsMinimum) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Spaced_Bolt_Joint();
    C.e_11 = C.e_12 = 20.0;
    const Check_Run run = Check(C);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.report,
              Tab_Head +
                  " Randabstand: ╬te╬\\1╬r = 20.0 mm ╬{C 1 230 0 0}╬H<╬r╬{C 768} 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\1╬r = 20.0 mm"
                  " < 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm  "_cp +
                  Error_Mark + "\n" + Line_E2_Normal + Lines_P_Normal +
                  " ╬SMinimale Rand- und Lochabstände müssen immer eingehalten werden "_cp + Error_Mark + "\n" +
                  Input_Error + Para_End);
    EXPECT_EQ(run.messages, std::vector<std::string>{"Schraubenabstand e1 < 1.2 d0 = 26.4 mm"});

    C.e_11 = C.e_12 = 26.3995;
    const Check_Run within = Check(C);
    EXPECT_EQ(within.result, 0);
    EXPECT_NE(within.report.find(" Randabstand: ╬te╬\\1╬r = 26.4 mm = 1.2╬/.╬rd╬\\0╬r = 26.4 mm,"_cp), std::string::npos);
    EXPECT_TRUE(within.messages.empty());
}

// e_1 = 100 mm at t = 10 mm exceeds 4 t + 40 mm = 80 mm: a violet note, no error. Weathering steel
// allows max(8 t, 125 mm) = 125 mm, and p at most min(14 t, 175 mm).
TEST(Check_Bolt_Input, EndDistanceAboveItsMaximum) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Spaced_Bolt_Joint();
    C.e_11 = C.e_12 = 100.0;
    const Check_Run normal = Check(C);
    EXPECT_EQ(normal.result, 0);
    EXPECT_EQ(normal.report,
              Tab_Head +
                  " Randabstand: ╬te╬\\1╬r = 100.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\1╬r = 100.0 mm"
                  " > 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm  "_cp +
                  Warning_Mark + "\n" + Line_E2_Normal + Lines_P_Normal +
                  " ╬SMaximale Rand- und Lochabstände sollten zur Vermeidung von Korrosion sowie zur Verhinderung"
                  " lokalen Beulens eingehalten werden.\n"_cp +
                  Space_End);
    EXPECT_TRUE(normal.messages.empty());

    Bolt_Connection W = Spaced_Bolt_Joint(12);   // S235 W
    W.e_11 = W.e_12 = 100.0;
    const Check_Run weathering = Check(W);
    EXPECT_EQ(weathering.result, 0);
    EXPECT_EQ(weathering.report,
              Tab_Head +
                  " Randabstand: ╬te╬\\1╬r = 100.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\1╬r = 100.0 mm"
                  " < max(8╬/.╬rt╬\\1╬r, 125 mm) = 125.0 mm\n"
                  " Randabstand: ╬te╬\\2╬r = 30.0 mm > 1.2╬/.╬rd╬\\0╬r = 26.4 mm,  ╬te╬\\2╬r = 30.0 mm"
                  " < max(8╬/.╬rt╬\\min╬r, 125 mm) = 125.0 mm\n"
                  " Lochabstand: ╬tp╬\\1╬r = 70.0 mm > 2.2╬/.╬rd╬\\0╬r = 48.4 mm,  ╬tp╬\\1╬r = 70.0 mm"
                  " < min(14╬/.╬rt╬\\min╬r, 175 mm) = 140.0 mm\n"
                  " Lochabstand: ╬tp╬\\2╬r = 70.0 mm > 2.4╬/.╬rd╬\\0╬r = 52.8 mm,  ╬tp╬\\2╬r = 70.0 mm"
                  " < min(14╬/.╬rt╬\\min╬r, 175 mm) = 140.0 mm\n"_cp +
                  Space_End);
}

// The distances of plate 2 are tested again only where they differ from plate 1 by more than
// 0.1 mm (or t2 from t1); a slot in force direction adds ΔL = (d_L - d_0)/2 to e_1 and 2 ΔL to p_1
// and replaces the maxima of e_1 by the value of ΔL.
TEST(Check_Bolt_Input, SecondPlateAndSlots) {
    Use_Recommended_Rules(1);
    Bolt_Connection C = Spaced_Bolt_Joint();
    C.e_12 = 40.05;
    C.e_22 = 35.0;
    C.p_2 = 0.0;
    const Check_Run run = Check(C);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.report.find("= 40.1 mm"), std::string::npos);   // e_1,2 within 0.1 mm: not again
    EXPECT_NE(run.report.find(" Randabstand: ╬te╬\\2╬r = 35.0 mm > 1.2"_cp), std::string::npos);

    // Short slot in force direction of an M20 under edition 1: d_L = 20 + 6 = 26 mm, d_0 = 22 mm,
    // ΔL = 2 mm; e_1,min = 1.5·22 + 2 = 35 mm; p_1,min = 2.2·22 + 4 = 52.4 mm.
    Bolt_Connection S = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8,
                                        [](Fastener& f) { f.hole_type = Hole_Short_Slot_Parallel; });
    S.e_11 = S.e_12 = 34.0;
    S.p_1 = 60.0;
    const Check_Run slot = Check(S);
    EXPECT_EQ(slot.result, 1);
    EXPECT_NE(slot.report.find(" Randabstand: ╬te╬\\1╬r = 34.0 mm ╬{C 1 230 0 0}╬H<╬r╬{C 768} 1.5╬/.╬rd╬\\0╬r+úL = 35.0 mm,"
                               "  úL = (d╬\\L╬r-d╬\\0╬r)/2 = 2.0 mm  "_cp +
                               Error_Mark + "\n"),
              std::string::npos);
    EXPECT_NE(slot.report.find(" Lochabstand: ╬tp╬\\1╬r = 60.0 mm > 2.2╬/.╬rd╬\\0╬r+2╬/.╬rúL = 52.4 mm,"_cp),
              std::string::npos);
    EXPECT_EQ(slot.messages, std::vector<std::string>{"Schraubenabstand e1 < 1.5 d0 = 35.0 mm"});
}

// Every distance 0 is an error even with the spacing switch off; a connection without shear
// category gets no distance rules at all.
TEST(Check_Bolt_Input, DistancesMissingOrNotTested) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.spacing_off = 1;
    const Check_Run zero = Check(C);
    EXPECT_EQ(zero.result, 1);
    EXPECT_EQ(zero.report, Para_Head + " Fehler bei den Schraubenabständen "_cp + Error_Mark + "\n" + Input_Error + Para_End);
    EXPECT_EQ(zero.messages, std::vector<std::string>{"Fehler bei den Schraubenabständen !!"_cp});

    Bolt_Connection T = Spaced_Bolt_Joint();
    T.Shear_Category = Shear_Category_None;
    T.e_11 = 5.0;   // far below its minimum, and not tested
    const Check_Run tension_only = Check(T);
    EXPECT_EQ(tension_only.result, 0);
    EXPECT_EQ(tension_only.report, "");

    Bolt_Connection S = Spaced_Bolt_Joint();
    S.e_11 = 5.0;
    S.spacing_off = 1;
    EXPECT_EQ(Check(S).result, 0);
}

// A single-shear joint with one rivet is not to be used; with a second rivet in force direction it
// is. Rivets know only categories A and D and no net section verification.
TEST(Check_Bolt_Input, RivetJoints) {
    Use_Recommended_Rules(0);
    NAD_Get_EC3()->variant = 1;   // the built-in rivet steels without their annex note
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    C.fastener.type = Fastener_Rivet;
    C.fastener.material_index = Fastener_Material_Table_1;
    C.fastener.d_0 = 21.0;
    C.plate_1 = C.plate_2 = Test_Plate(10.0);
    C.e_11 = C.e_12 = 40.0;
    C.Shear_Category = Shear_Category_C;
    C.Tension_Category = Tension_Category_E;
    const Check_Run one = Check(C);
    EXPECT_EQ(one.result, 1);
    EXPECT_EQ(one.report, Para_Head + " Einschnittige Anschlüsse mit nur einem Niet sind nicht zu verwenden "_cp +
                              Error_Mark + "\n" + Input_Error + Para_End);
    EXPECT_EQ(one.messages,
              std::vector<std::string>{"Einschnittige Anschlüsse mit nur einem Niet sind nicht zu verwenden!"_cp});
    EXPECT_EQ(C.Shear_Category, Shear_Category_A);
    EXPECT_EQ(C.Tension_Category, Tension_Category_D);
    EXPECT_EQ(C.net_section_check, 0);

    C.p_1 = 60.0;   // 2.2·21 = 46.2 mm
    const Check_Run two = Check(C);
    EXPECT_EQ(two.result, 0);
    EXPECT_EQ(two.report,
              Tab_Head +
                  " Randabstand: ╬te╬\\1╬r = 40.0 mm > 1.2╬/.╬rd╬\\0╬r = 25.2 mm,  ╬te╬\\1╬r = 40.0 mm"
                  " < 4╬/.╬rt╬\\1╬r + 40 mm = 80.0 mm\n"
                  " Lochabstand: ╬tp╬\\1╬r = 60.0 mm > 2.2╬/.╬rd╬\\0╬r = 46.2 mm,  ╬tp╬\\1╬r = 60.0 mm"
                  " < min(14╬/.╬rt╬\\min╬r, 200 mm) = 140.0 mm\n"_cp +
                  Space_End);
}

// Class 6.8 is no high-strength class: category B refuses it, and without the slip-resistant switch
// also for the missing preload. The note on tension category D comes first.
TEST(Check_Bolt_Input, ClassAgainstTheCategories) {
    Use_Recommended_Rules(0);
    const std::string note = " vorgespannte Verbindung: i.A. Zugnachweis nach Kategorie E erforderlich "_cp + Warning_Mark + "\n";
    const std::string class_error = " Kategorie B/C: Fehler Festigkeitsklasse " + Error_Mark + "\n";
    const std::string preload_error = " Kategorie B/C: Fehler - Schraube nicht gleitfest vorgespannt " + Error_Mark + "\n";
    for (int slip_resistant : {0, 1}) {
        Bolt_Connection C = Spaced_Bolt_Joint();
        C.fastener = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_6_8).fastener;
        C.fastener.slip_resistant = slip_resistant;
        C.Shear_Category = Shear_Category_B;
        const Check_Run run = Check(C);
        EXPECT_EQ(run.result, 1);
        EXPECT_EQ(run.report,
                  Para_Head + note + class_error + (slip_resistant ? "" : preload_error) + Input_Error + Para_End);
        std::vector<std::string> boxes = {"Kategorie B/C: Fehler Festigkeitsklasse !!"};
        if (!slip_resistant) boxes.push_back("Kategorie B/C: Fehler - Schraube nicht gleitfest vorgespannt !!");
        EXPECT_EQ(run.messages, boxes);
    }
    // Category E asks for a preloaded bolt of a high-strength class.
    Bolt_Connection E = Spaced_Bolt_Joint();
    E.Tension_Category = Tension_Category_E;
    E.fastener.preloaded = 0;
    const Check_Run run = Check(E);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.report, Para_Head + " Kategorie E: Fehler - Schraube nicht vorgespannt " + Error_Mark + "\n" +
                              Input_Error + Para_End);
}

// The slip classes that the edition offers: A to D, and under edition 1 the fifth class.
TEST(Check_Bolt_Input, SlipClassClamp) {
    struct Case {
        int edition, given, kept;
    };
    for (const Case& c : {Case{0, 4, 3}, Case{0, 2, 2}, Case{1, 4, 4}, Case{1, 7, 4}, Case{1, -1, 0}}) {
        Use_Recommended_Rules(c.edition);
        Bolt_Connection C = Spaced_Bolt_Joint();
        C.slip_class = c.given;
        Check_Bolt_Input(&C, nullptr, 0);
        EXPECT_EQ(C.slip_class, c.kept) << c.edition << " " << c.given;
    }
}

// A fitted bolt has its shank in the shear plane; a tapped hole puts the thread there. The check
// refuses the combination on every run, the first included.
TEST(Check_Bolt_Input, FittedBoltInATappedHoleOnEveryRun) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Spaced_Bolt_Joint();
    C.fastener.fitted = 1;
    C.fastener.tapped_hole = 1;
    C.fastener.l_e = 10.0;
    C.shear_planes = 2;
    for (int run_number : {1, 2}) {
        const Check_Run run = Check(C);
        EXPECT_EQ(run.result, 1) << run_number;
        EXPECT_EQ(run.report, Para_Head + " Bei Passschrauben liegt der Schaft in der Scherfuge " + Error_Mark + "\n" +
                                  Input_Error + Para_End)
            << run_number;
        EXPECT_EQ(run.messages, std::vector<std::string>{"Bei Passschrauben liegt der Schaft in der Scherfuge !"});
        EXPECT_EQ(C.shear_planes, 1);
        EXPECT_TRUE(C.options & Bolt_Option_Thread_In_Shear_Plane);
    }
    // Without the fitted bolt the tapped hole is admitted while the engagement fits into plate 2.
    Bolt_Connection T = Spaced_Bolt_Joint();
    T.fastener.tapped_hole = 1;
    T.fastener.l_e = 10.0;
    EXPECT_EQ(Check_Bolt_Input(&T, nullptr, 0), 0);
    T.fastener.tapped_hole = 1;
    T.fastener.l_e = 10.5;
    const Check_Run deep = Check(T);
    EXPECT_EQ(deep.result, 1);
    EXPECT_EQ(deep.report, Para_Head + " Schraube im Bohrloch mit Gewinde: úe > t╬\\2╬r "_cp + Error_Mark + "\n" +
                               Input_Error + Para_End);
}

// A countersink must leave 1 mm of the plate.
TEST(Check_Bolt_Input, CountersinkDepths) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Spaced_Bolt_Joint();
    C.fastener.countersunk = 1;
    C.fastener.t_ks = 9.5;
    C.fastener.t_ms = 8.0;
    const Check_Run run = Check(C);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.report, Para_Head + " Senkschraube: t╬\\k,s╬r > t╬\\1╬r - 1 mm "_cp + Error_Mark + "\n" + Input_Error +
                              Para_End);
    EXPECT_EQ(run.messages, std::vector<std::string>{"Senkschraube: tk,s > t1 - 1 mm !!"});
    C.fastener.t_ks = 9.0;
    C.fastener.t_ms = 9.5;
    EXPECT_EQ(Check(C).messages, std::vector<std::string>{"Senkschraube: tm,s > t2 - 1 mm !!"});
}

// Anchor bolts are verified in categories A and D with one shear plane; the concrete section is
// 3 ℓ_e + p wide and long; it must be ℓ_e + 30 mm thick (plus the anchor plate for anchor plates).
TEST(Check_Bolt_Input, AnchorBolts) {
    Use_Recommended_Rules(0);
    Bolt_Connection C = Test_Anchor_Joint(8);
    C.Shear_Category = Shear_Category_C;
    C.Tension_Category = Tension_Category_E;
    C.shear_planes = 2;
    C.p_1 = 150.0;
    C.p_2 = 100.0;
    C.e_12 = C.e_22 = C.L_j = 50.0;
    C.alpha_M = 2.5;
    EXPECT_EQ(Check_Bolt_Input(&C, nullptr, 0), 0);
    EXPECT_EQ(C.Shear_Category, Shear_Category_A);
    EXPECT_EQ(C.Tension_Category, Tension_Category_D);
    EXPECT_EQ(C.shear_planes, 1);
    EXPECT_EQ(C.plate_2.b, 750.0);
    EXPECT_EQ(C.plate_2.l, 700.0);
    EXPECT_EQ(C.e_12 + C.e_22 + C.L_j, 0.0);
    EXPECT_EQ(C.punching_check + C.slip_check + C.net_section_check + C.bearing_deformation, 0);
    EXPECT_TRUE(C.options & Bolt_Option_Thread_In_Shear_Plane);
    EXPECT_EQ(C.alpha_M, 2.0);
    EXPECT_EQ(C.plate_2.material.f_y, 25.0);

    struct Case {
        int anchorage;
        double t_2;
        const char* limit;
    };
    for (const Case& c : {Case{Anchorage_Threaded_Rod, 229.0, "230.0"}, Case{Anchorage_Anchor_Plate, 244.0, "245.0"}}) {
        Bolt_Connection A = Test_Anchor_Joint(8);
        A.fastener.anchorage = c.anchorage;
        A.plate_2.t = c.t_2;
        const Check_Run run = Check(A);
        EXPECT_EQ(run.result, 1);
        EXPECT_EQ(run.report, Para_Head + " Fehler: Dicke des Betonquerschnitts < " + c.limit + " mm " + Error_Mark +
                                  "\n" + Input_Error + Para_End);
        EXPECT_EQ(run.messages, std::vector<std::string>{std::string("Fehler: Dicke des Betonquerschnitts < ") +
                                                         c.limit + " mm !!"});
        A.plate_2.t = c.t_2 + 1.0;
        EXPECT_EQ(Check_Bolt_Input(&A, nullptr, 0), 0);
    }
}

// A pin has two shear planes and eye bars of at least 1 mm.
TEST(Check_Bolt_Input, Pins) {
    Use_Recommended_Rules(0);
    NAD_Get_EC3()->variant = 1;
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    C.fastener.type = Fastener_Pin;
    C.fastener.material_index = Fastener_Material_Table_1;
    C.fastener.d_pin = 30.0;
    C.fastener.d_0 = 31.0;
    C.plate_1 = Test_Plate(20.0);
    C.plate_2 = Test_Plate(0.5);
    const Check_Run run = Check(C);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.report, Para_Head + " Fehler in den Blechdicken\n" + Input_Error + Para_End);
    EXPECT_EQ(run.messages, std::vector<std::string>{"Fehler in den Blechdicken"});
    EXPECT_EQ(C.shear_planes, 2);
    EXPECT_EQ(C.n, 1);
    C.plate_2 = Test_Plate(12.0);
    EXPECT_EQ(Check(C).report, "");
}

TEST(Check_Bolt_Input, NotesOfSlipResistantAndPreloadedBolts) {
    Use_Recommended_Rules(1);
    Bolt_Connection C = Spaced_Bolt_Joint();
    C.fastener = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_10_9, [](Fastener& f) { f.large_width = f.slip_resistant = 1; })
                     .fastener;
    C.spacing_off = 1;
    const Check_Run run = Check(C);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.report, Para_Head +
                              " gleitfeste Verbindung: i.A. Schernachweis nach Kategorie B oder C erforderlich "_cp +
                              Warning_Mark + "\n" +
                              " vorgespannte Verbindung: i.A. Zugnachweis nach Kategorie E erforderlich "_cp +
                              Warning_Mark + "\n" + Space_End);
    EXPECT_TRUE(run.messages.empty());
    // Null records and unknown kinds are not tested.
    EXPECT_EQ(Check_Bolt_Input(nullptr, nullptr, 1), 0);
    C.fastener.type = 5;
    EXPECT_EQ(Check_Bolt_Input(&C, nullptr, 1), 0);
}
