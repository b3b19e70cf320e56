#include "frame/plate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"
#include "test_support.h"

namespace {

Plate Steel_Plate(int grade, double t, double b, double l) {
    Plate p;
    Init_Plate(&p);
    p.material.grade = grade;
    p.t = t;
    p.b = b;
    p.l = l;
    return p;
}

}  // namespace

TEST(Check_Plate, EveryMissingDimensionIsReported) {
    struct Case {
        int options;
        double t, b, l;
        int result;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {0x071, 0.0, 0.0, 0.0, 1,
         {"Blech 1: Blechdicke t = 0.0 mm < 0 mm", "Blech 1: Blechlänge l = 0.0 mm < 0 mm"_cp,
          "Blech 1: Blechbreite b = 0.0 mm < 0 mm"}},
        {0x071, 10.0, 100.0, 0.04, 1, {"Blech 1: Blechlänge l = 0.0 mm < 0 mm"_cp}},
        {0x041, 10.0, 0.0, 0.0, 0, {}},   // no width or length asked for
        {0x170, 10.0, 0.0, 50.0, 1, {"Blech 1: Blechdurchmesser î = 0.0 mm < 0 mm"_cp}},
        {0x071, 10.0, 100.0, 200.0, 0, {}},
    };
    for (const Case& c : cases) {
        Clear_Host_Message_History();
        Plate p = Steel_Plate(0, c.t, c.b, c.l);
        EXPECT_EQ(Check_Plate(&p, nullptr, 1, c.options, "Blech 1: "), c.result) << c.options;
        EXPECT_EQ(Host_Message_History(), c.messages) << c.options;
    }
}

TEST(Check_Plate, RoundBarTakesItsDiameterAsLengthAndMaterialIsDerived) {
    Set_Code_Edition(0);
    Plate p = Steel_Plate(2, 50.0, 20.0, 0.0);
    EXPECT_EQ(Check_Plate(&p, nullptr, 0, 0x130, nullptr), 0);
    EXPECT_DOUBLE_EQ(p.l, 20.0);
    EXPECT_DOUBLE_EQ(p.material.f_y, 335.0);   // derived silently for t = 50 mm

    // A material error counts only when the material is checked.
    Clear_Host_Message_History();
    Plate own = Steel_Plate(0, 10.0, 100.0, 100.0);
    own.material.own_values = 1;
    EXPECT_EQ(Check_Plate(&own, nullptr, 1, 0x070, nullptr), 0);
    EXPECT_TRUE(Host_Message_History().empty());
    EXPECT_EQ(Check_Plate(&own, nullptr, 1, 0x071, nullptr), 1);
    EXPECT_EQ(Host_Message_History().size(), 1u);
}

TEST(Check_Plate_Thickness_Limit, ThickPlatesNeedOwnValues) {
    Clear_Host_Message_History();
    Plate p = Steel_Plate(0, 80.05, 0, 0);
    EXPECT_EQ(Check_Plate_Thickness_Limit(&p, "", 1), 0);
    EXPECT_DOUBLE_EQ(p.t, 80.0);
    p.t = 90.0;
    EXPECT_EQ(Check_Plate_Thickness_Limit(&p, "Stirnblech: ", 1), 1);
    EXPECT_EQ(p.material.own_values, 1);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0],
              "Stirnblech: Blechdicke t = 90.0 mm > 80 mm -> Vorgabe der Stahlparameter notwendig");
    EXPECT_EQ(Check_Plate_Thickness_Limit(&p, "", 1), 0);   // own values already
}

TEST(Plate, CopyCompareAndFileBlock) {
    Plate p = Steel_Plate(0, 12.0, 150.0, 300.0);
    Check_Plate(&p, nullptr, 0, 0x071, nullptr);
    Plate q;
    Copy_Plate(&p, &q);
    EXPECT_EQ(Compare_Plate(&p, &q), 1);
    q.l += 0.02;
    EXPECT_EQ(Compare_Plate(&p, &q), 0);

    const std::string block = Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Plate(f, &p), 0); });
    EXPECT_EQ(block,
              " 0\n"
              " 12.000000 150.000000 300.000000\n"
              " 3\n"
              " 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000"
              " 235.000000 360.000000 215.000000 360.000000 215.000000 360.000000\n"
              " ~~~~~~~~~~~~~~~~~~~~~~~~~\n"
              " 0\n");
    Text_Stream in(block);
    Plate r;
    Init_Plate(&r);
    ASSERT_EQ(Read_Plate(in.stream, &r), 0);
    EXPECT_EQ(Compare_Plate(&p, &r), 1);
}

TEST(Plate, NewerOrDamagedBlocksFail) {
    Refresh_Mode = 1;
    const char* blocks[] = {
        " 1\n 12 150 300\n",          // the plate block has only version 0
        " 0\n 12 150\n",              // two dimensions
        " 0\n 12 150 300\n 9\n",      // material block newer than the program
    };
    for (const char* block : blocks) {
        Text_Stream in(block);
        Plate p;
        Init_Plate(&p);
        EXPECT_EQ(Read_Plate(in.stream, &p), 1) << block;
    }
}

namespace {

// A fresh paragraph block around the lines, and the change to the value lines 0.3 further in.
const std::string Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
const std::string End = "#END_OF_TEXT\n0x0\n-1\n";
const std::string Indent = "#END_OF_TEXT\n0x4\n0x20\n4\n2 0.3 2 0\n-1\n";
const std::string Not_Ok = "╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}"_cp;
const std::string Warning = "╬{C 1 165 75 165}╬H!!╬{C 768}"_cp;

}  // namespace

TEST(Print_Plate, DimensionLinesAndMaterialOfTableGrades) {
    Set_Code_Edition(1);
    struct Case {
        int grade, options, extra;
        const char* index;
        std::string lines;
    };
    const Case cases[] = {
        {0, 0x070, 0, "1", " Dicke t╬\\1╬r = 10.0 mm,  Breite b╬\\1╬r = 100.0 mm,  Länge l╬\\1╬r = 200.0 mm\n"_cp},
        {0, 0x130, 0, "2", " Durchmesser î╬\\2╬r = 100.0 mm\n"_cp},
        {0, 0x140, 0, "2", " Dicke t╬\\2╬r = 10.0 mm\n"_cp},   // a round bar without b or l
        {2, 0x041, 0, "1", " Dicke t╬\\1╬r = 10.0 mm,  Stahlgüte S355\n"_cp},
        {44, 0x041, 0, "",
         " Dicke t╬\\╬r = 10.0 mm,  Stahlgüte S260 NC (Flacherzeugnis)\n"
         " Flacherzeugnis: Eine Eignungsprüfung durch das Programm erfolgt nicht "_cp + Warning + "\n"},
        {2, 0x047, 1, "1",
         " Dicke t╬\\1╬r = 10.0 mm\n Stahlgüte S355, Rechenparameter:\n"_cp + Indent +
             " char. Streckgrenze f╬\\y1╬r = 355.0 N/mm²\n"
             " char. Zugfestigkeit f╬\\u1╬r = 490.0 N/mm²\n"
             " Korrelationsbeiwert für Kehlnähte ╗╬\\w1╬r = 0.90\n"
             " Elastizitätsmodul E╬\\1╬r = 210000.0 N/mm²\n"_cp},
    };
    for (const Case& c : cases) {
        Plate p = Steel_Plate(c.grade, 10.0, 100.0, 200.0);
        Check_Plate(&p, nullptr, 0, 0x071, nullptr);
        EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate(&p, f, c.options, c.extra, c.index); }),
                  Head + c.lines + End)
            << c.grade << " " << c.options;
    }
}

TEST(Print_Plate, OwnValuesAndConcrete) {
    Plate p = Steel_Plate(2, 10.0, 0.0, 0.0);
    p.material.own_values = 1;
    p.material.band[0] = {300, 450};
    std::memcpy(p.material.designation, "  Zeugnis 3.1", 14);
    Check_Plate(&p, nullptr, 0, 0x041, nullptr);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate(&p, f, 0x0C1, 0, "1"); }),
              Head + " Dicke t╬\\1╬r = 10.0 mm\n Zeugnis 3.1, Stahlparameter:\n"_cp + Indent +
                  " char. Streckgrenze f╬\\y1╬r = 300.0 N/mm²\n char. Zugfestigkeit f╬\\u1╬r = 450.0 N/mm²\n"_cp +
                  End);

    Plate block = Steel_Plate(0, 300.0, 0.0, 0.0);
    std::memcpy(block.material.designation, "C20/25", 7);
    block.material.f_y = 20.0;   // f_ck of the concrete
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate(&block, f, 0x240, 0, "c"); }),
              Head + " Dicke t╬\\c╬r = 300.0 mm,  Betongüte C20/25 char. Druckfestigkeit f╬\\ck╬r = 20.0 N/mm²\n"_cp +
                  End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate(&block, f, 0x240, 1, "c"); }),
              Head + " Dicke t╬\\c╬r = 300.0 mm\n Betongüte C20/25, Rechenparameter: char. Druckfestigkeit"
                     " f╬\\ck╬r = 20.0 N/mm²\n"_cp +
                  End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate(nullptr, f, 0x240, 1, "c"); }), "");
}

TEST(Print_Plate_Material, StainlessBandsAndThermalExpansion) {
    Set_Code_Edition(1);
    Plate_Material m;
    Init_Plate_Material(&m);
    m.grade = 26;
    Check_Plate_Material(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate_Material(&m, f, 0, 1, "1"); }),
              Head + " Stahlgüte 1.4301, Edelstahl, Rechenparameter:\n"_cp + Indent +
                  " char. Streckgrenze f╬\\y1,t≤40mm╬r = 210.0 N/mm²,  f╬\\y1,t≤80mm╬r = 0.0 N/mm²,  "
                  "f╬\\y1,t>80mm╬r = 0.0 N/mm²\n"
                  " char. Zugfestigkeit f╬\\u1,t≤40mm╬r = 520.0 N/mm²,  f╬\\u1,t≤80mm╬r = 0.0 N/mm²,  "
                  "f╬\\u1,t>80mm╬r = 0.0 N/mm²\n"_cp +
                  End);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate_Material(&m, f, 0, 0, "1"); }),
              Head + " Stahlgüte 1.4301, Edelstahl\n"_cp + End);

    Plate_Material s = m;
    s.grade = 0;
    Check_Plate_Material(&s, 10.0, nullptr, 0, nullptr);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Material_Parameters(&s, f, 0x080, 1, "2"); }),
              Head + " Stahlgüte S235, Rechenparameter:\n"_cp + Indent +
                  " char. Streckgrenze f╬\\y2╬r = 235.0 N/mm²\n char. Zugfestigkeit f╬\\u2╬r = 360.0 N/mm²\n"
                  " Temperaturausdehnungskoeffizient ║╬\\T2╬r = 1.20╬/.╬r10╬/-5╬r 1/K\n"_cp +
                  End);
}

TEST(Print_Material_Parameters, AluminiumAlloyFromTheCatalogue) {
    Plate_Material m;
    Init_Plate_Material(&m);
    m.kind = Material_Aluminium;
    m.grade = 83;   // 6082 T6, t ≤ 5 mm (EP,ET)
    Check_Plate_Material(&m, 4.0, nullptr, 0, nullptr);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { Print_Plate_Material(&m, f, 0x004, 1, "1"); }),
              Head + " Legierung 6082, T6, t ≤ 5 mm (EP,ET), Rechenparameter:\n"_cp + Indent +
                  " char. Wert der 0,2%-Dehngrenze f╬\\o╬r = 250.0 N/mm²\n"
                  " char. Zugfestigkeit f╬\\u1╬r = 290.0 N/mm²\n"
                  " Elastizitätsmodul E╬\\1╬r = 70000.0 N/mm²\n"
                  " Beulklasse A\n"_cp +
                  End);
}

TEST(Check_Plate, ReportLinesOfEveryError) {
    Plate p = Steel_Plate(0, 0.0, 0.0, 0.0);
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Check_Plate(&p, f, 0, 0x071, "Lasche: "), 1); }),
              Head + " Lasche: Blechdicke t = 0.0 mm < 0 mm  " + Not_Ok + "\n" +
                  " Lasche: Blechlänge l = 0.0 mm < 0 mm  "_cp + Not_Ok + "\n" +
                  " Lasche: Blechbreite b = 0.0 mm < 0 mm  " + Not_Ok + "\n" + End);

    Plate own = Steel_Plate(0, 10.0, 10.0, 10.0);
    own.material.own_values = 1;
    own.material.band[0] = {235, 200};
    EXPECT_EQ(Paragraph_Of([&](FILE* f) { EXPECT_EQ(Check_Plate(&own, f, 0, 0x071, nullptr), 1); }),
              Head + " Zugfestigkeit f╬\\u╬r = 200.0 N/mm² < Streckgrenze f╬\\y╬r = 235.0 N/mm²  "_cp + Not_Ok +
                  "\n" + End);
}
