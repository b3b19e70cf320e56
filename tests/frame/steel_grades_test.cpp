#include "frame/steel_grades.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "annex/annex_record.h"
#include "annex/ec3_block.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

Plate_Material Table_Grade(int grade) {
    Plate_Material m;
    Init_Plate_Material(&m);
    m.grade = grade;
    return m;
}

Plate_Material Own_Steel(int grade, Strength_Band b1, Strength_Band b2, Strength_Band b3) {
    Plate_Material m = Table_Grade(grade);
    m.own_values = 1;
    m.band[0] = b1;
    m.band[1] = b2;
    m.band[2] = b3;
    return m;
}

std::string Block_Of(const Plate_Material& m) {
    return Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Plate_Material(f, &m), 0); });
}

}  // namespace

// Characteristic strengths of table grades by thickness and code edition (EN 10025, EN 10149).
TEST(Check_Plate_Material, TableGradesByThicknessAndEdition) {
    struct Case {
        int grade, edition;
        double t, f_y, f_u, beta_w;
        int result;
    };
    const Case cases[] = {
        {2, 0, 40.0, 355, 490, 0.90, 0},    // S355 up to 40 mm
        {2, 0, 41.0, 335, 470, 0.90, 0},    // S355 above 40 mm
        {2, 1, 41.0, 325, 470, 0.90, 0},    // S355 above 40 mm, edition 2025
        {2, 0, 100.0, 335, 470, 0.90, 0},   // above 80 mm the "high" value
        {3, 1, 10.0, 440, 550, 1.05, 0},    // S450, β_w of edition 2025
        {14, 0, 50.0, 440, 550, 1.00, 0},   // S460 Q/QL/QL1 thick, edition 2010
        {14, 1, 50.0, 410, 510, 0.85, 0},   // ... edition 2025
        {44, 1, 8.0, 315, 370, 0.00, 0},    // S260 NC up to 8 mm
        {44, 1, 10.0, 260, 370, 0.00, 0},   // S260 NC above 8 mm
        {27, 1, 50.0, 0, 0, 1.00, 0},       // stainless 1.4401 has no value above 40 mm
        {26, 0, 10.0, 235, 360, 0.80, 1},   // stainless not offered in edition 2010: S235
        {44, 0, 10.0, 235, 360, 0.80, 1},   // nor the flat products
        {25, 0, 41.0, 0, 0, 1.00, 0},       // S460 MH/MLH has no values above 40 mm
    };
    NAD_Get_EC3()->variant = 0;   // the recommended rules, not the German annex
    for (const Case& c : cases) {
        Set_Code_Edition(c.edition);
        Plate_Material m = Table_Grade(c.grade);
        EXPECT_EQ(Check_Plate_Material(&m, c.t, nullptr, 0, nullptr), c.result) << c.grade << " t " << c.t;
        EXPECT_DOUBLE_EQ(m.f_y, c.f_y) << c.grade << " t " << c.t;
        EXPECT_DOUBLE_EQ(m.f_u, c.f_u) << c.grade << " t " << c.t;
        EXPECT_DOUBLE_EQ(m.beta_w, c.beta_w) << c.grade << " t " << c.t;
        EXPECT_EQ(m.reference_grade, m.grade);
    }
}

TEST(Check_Plate_Material, TableGradeFillsBandsAndElasticValues) {
    Set_Code_Edition(1);
    Plate_Material m = Table_Grade(29);   // 1.4003
    m.designation[0] = 'X';
    m.designation[1] = '\0';
    Check_Plate_Material(&m, 10.0, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(m.band[0].f_y, 240);
    EXPECT_DOUBLE_EQ(m.band[0].f_u, 450);
    EXPECT_DOUBLE_EQ(m.band[1].f_y, 0);
    EXPECT_DOUBLE_EQ(m.band[2].f_u, 0);
    EXPECT_DOUBLE_EQ(m.E, 220000);
    EXPECT_DOUBLE_EQ(m.G, 220000 / 2.6);
    EXPECT_DOUBLE_EQ(m.nu, 0.3);
    EXPECT_DOUBLE_EQ(m.alpha_T, 1.2);
    EXPECT_EQ(std::string(m.designation), "X" + std::string(24, ' '));   // filled to 25 characters

    Plate_Material flat = Table_Grade(44);   // S260 NC: bands split at 8 mm
    Check_Plate_Material(&flat, 0.0, nullptr, 0, nullptr);
    EXPECT_DOUBLE_EQ(flat.band[0].f_y, 315);
    EXPECT_DOUBLE_EQ(flat.band[1].f_y, 260);
    EXPECT_DOUBLE_EQ(flat.band[2].f_y, 260);
    EXPECT_DOUBLE_EQ(flat.E, 210000);
}

// Own values take the band of the plate's thickness: 40/80 mm, 8/20 mm for flat products, band 1
// for stainless steel, and the values as they stand for a grade outside the table.
TEST(Check_Plate_Material, OwnValuesChooseTheBandByThickness) {
    Set_Code_Edition(1);
    struct Case {
        int grade;
        double t, f_y;
    };
    const Case cases[] = {
        {2, 40.0, 301}, {2, 40.002, 302}, {2, 80.0, 302}, {2, 100.0, 303},
        {40, 8.0, 301}, {40, 15.0, 302}, {40, 20.0, 302}, {40, 25.0, 303},
        {27, 60.0, 301}, {27, 100.0, 301},
        {48, 10.0, 999},
    };
    for (const Case& c : cases) {
        Plate_Material m = Own_Steel(c.grade, {301, 500}, {302, 500}, {303, 500});
        m.f_y = 999;
        m.f_u = 999;
        EXPECT_EQ(Check_Plate_Material(&m, c.t, nullptr, 0, nullptr), 0) << c.grade << " t " << c.t;
        EXPECT_DOUBLE_EQ(m.f_y, c.f_y) << c.grade << " t " << c.t;
    }
}

TEST(Check_Plate_Material, OwnValuesReferToTheNearestTableGrade) {
    Set_Code_Edition(0);
    struct Case {
        int grade;
        double t, f_y;
        int reference;
    };
    const Case cases[] = {
        {2, 10.0, 300, 1},     // 275 of S275 is nearest
        {2, 10.0, 255, 0},     // 235 and 275 equally near: the first row wins
        {2, 50.0, 330, 2},     // above 40 mm the "high" values: 335 of S355
        {27, 10.0, 215, 26},   // 210 and 220 equally near: 1.4301 is kept
        {27, 10.0, 236, 29},   // 240 of 1.4003
        {29, 50.0, 440, 26},   // stainless above 40 mm: always 1.4301
        {32, 10.0, 600, 33},   // quenched and tempered grades among themselves: 620 of S620
        {40, 10.0, 600, 41},   // flat products among themselves ("high" of S600 MC)
    };
    for (const Case& c : cases) {
        Plate_Material m = Own_Steel(c.grade, {c.f_y, 700}, {c.f_y, 700}, {c.f_y, 700});
        Check_Plate_Material(&m, c.t, nullptr, 0, nullptr);
        EXPECT_EQ(m.reference_grade, c.reference) << c.grade << " f_y " << c.f_y;
    }
}

TEST(Check_Plate_Material, OwnValuesErrorsAreCountedAndShown) {
    Clear_Host_Message_History();
    Plate_Material m = Own_Steel(0, {0.5, 360}, {0, 0}, {0, 0});
    m.E = 0.0;
    EXPECT_EQ(Check_Plate_Material(&m, 10.0, nullptr, 1, "Blech 1: "), 1);
    ASSERT_EQ(Host_Message_History().size(), 2u);
    EXPECT_EQ(Host_Message_History()[0], "Blech 1: Streckgrenze fy = 0.5 N/mm² < 1 N/mm²"_cp);
    EXPECT_EQ(Host_Message_History()[1], "Blech 1: E-Modul E = 0.0 N/mm² < 1.0 N/mm²"_cp);

    // f_u below f_y by more than 0.001 is an error; a smaller shortfall is raised to f_y.
    Clear_Host_Message_History();
    Plate_Material low = Own_Steel(0, {235, 234.99}, {0, 0}, {0, 0});
    EXPECT_EQ(Check_Plate_Material(&low, 10.0, nullptr, 1, nullptr), 1);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0], "Zugfestigkeit fu = 235.0 N/mm² < Streckgrenze fy = 235.0 N/mm²"_cp);
    Plate_Material close = Own_Steel(0, {235, 234.9995}, {0, 0}, {0, 0});
    EXPECT_EQ(Check_Plate_Material(&close, 10.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(close.f_u, 235.0);
    EXPECT_EQ(Host_Message_History().size(), 1u);
}

TEST(Check_Plate_Material, AluminiumFromTheCatalogueAndOwnValues) {
    Plate_Material m = Table_Grade(83);   // 6082 T6 ≤ 5 (EP,ET): f_o 250, f_u 290, class A
    m.kind = Material_Aluminium;
    EXPECT_EQ(Check_Plate_Material(&m, 4.0, nullptr, 0, nullptr), 0);
    EXPECT_DOUBLE_EQ(m.f_y, 250);
    EXPECT_DOUBLE_EQ(m.band[2].f_u, 290);
    EXPECT_EQ(m.buckling_class, 0);
    EXPECT_DOUBLE_EQ(m.E, 70000);
    EXPECT_DOUBLE_EQ(m.alpha_T, 2.3);
    EXPECT_DOUBLE_EQ(m.G, 70000 / 2.6);

    Plate_Material b = Table_Grade(0);   // 3004 H14: class B
    b.kind = Material_Aluminium;
    Check_Plate_Material(&b, 4.0, nullptr, 0, nullptr);
    EXPECT_EQ(b.buckling_class, 1);

    Clear_Host_Message_History();
    Plate_Material own = Table_Grade(83);
    own.kind = Material_Aluminium;
    own.own_values = 1;
    own.band[0] = {200, 199.5};   // f_u within 1 N/mm² below f_o: raised
    EXPECT_EQ(Check_Plate_Material(&own, 4.0, nullptr, 1, nullptr), 0);
    EXPECT_DOUBLE_EQ(own.f_u, 200);
    EXPECT_EQ(own.reference_grade, 0);
    own.band[0] = {200, 198.5};
    EXPECT_EQ(Check_Plate_Material(&own, 4.0, nullptr, 1, nullptr), 1);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0], "Zugfestigkeit fu = 198.5 N/mm² < fo = 200 N/mm²"_cp);
}

TEST(Default_Plate_Material, IsS235WithItsStrengths) {
    Plate_Material m;
    std::memset(&m, 0x5A, sizeof m);
    EXPECT_EQ(Default_Plate_Material(&m), 0);
    EXPECT_EQ(m.grade, 0);
    EXPECT_EQ(m.own_values, 0);
    EXPECT_EQ(m.kind, Material_Steel);
    EXPECT_DOUBLE_EQ(m.f_y, 235);
    EXPECT_DOUBLE_EQ(m.f_u, 360);
    EXPECT_DOUBLE_EQ(m.band[1].f_y, 215);
    EXPECT_DOUBLE_EQ(m.beta_w, 0.8);
    EXPECT_STREQ(m.designation, "                         ");
    EXPECT_EQ(Init_Plate_Material(nullptr), 0);
}

// The uniform steel takes the thickness band of the plate it is given to, by the same rule as the
// check of the plate: a 15 mm plate of S260 NC has 260 N/mm², not the 315 of plates up to 8 mm.
TEST(Apply_Uniform_Steel, ChoosesTheBandOfThePlateThickness) {
    Set_Code_Edition(1);
    struct Case {
        int grade, own_values;
        double t, f_y;
    };
    const Case cases[] = {
        {44, 0, 5.0, 315}, {44, 0, 15.0, 260}, {44, 0, 25.0, 260},
        {2, 0, 40.0, 355}, {2, 0, 50.0, 325}, {2, 0, 90.0, 325},
        {27, 0, 50.0, 0},   // stainless table values end at 40 mm, as in the check
    };
    for (const Case& c : cases) {
        Plate_Material uniform = Table_Grade(c.grade);
        Check_Plate_Material(&uniform, 0.0, nullptr, 0, nullptr);
        Plate_Material plate = Table_Grade(7);
        Apply_Uniform_Steel(&uniform, &plate, c.t);
        EXPECT_EQ(plate.grade, c.grade);
        EXPECT_DOUBLE_EQ(plate.f_y, c.f_y) << c.grade << " t " << c.t;

        Plate_Material checked = plate;
        Check_Plate_Material(&checked, c.t, nullptr, 0, nullptr);
        EXPECT_DOUBLE_EQ(checked.f_y, plate.f_y) << "check and transfer agree for " << c.grade;
    }

    Plate_Material own = Own_Steel(40, {601, 700}, {602, 700}, {603, 700});
    std::memcpy(own.designation, "Eigene Sorte", 13);
    Plate_Material plate;
    Init_Plate_Material(&plate);
    Apply_Uniform_Steel(&own, &plate, 15.0);
    EXPECT_DOUBLE_EQ(plate.f_y, 602);
    EXPECT_STREQ(plate.designation, "Eigene Sorte");
}

TEST(Plate_Material, CopyAndCompare) {
    Plate_Material a = Own_Steel(2, {300, 400}, {290, 400}, {280, 400});
    Check_Plate_Material(&a, 10.0, nullptr, 0, nullptr);
    Plate_Material b;
    Copy_Plate_Material(&a, &b);
    EXPECT_EQ(Compare_Plate_Material(&a, &b), 1);
    b.band[2].f_y += 0.02;   // own values: the bands count
    EXPECT_EQ(Compare_Plate_Material(&a, &b), 0);
    b.band[2].f_y -= 0.015;
    EXPECT_EQ(Compare_Plate_Material(&a, &b), 1);

    Plate_Material s = Table_Grade(0), t = Table_Grade(0);
    Check_Plate_Material(&s, 10.0, nullptr, 0, nullptr);
    Check_Plate_Material(&t, 10.0, nullptr, 0, nullptr);
    t.band[1].f_y = 1.0;   // table values: only the thickness values count
    EXPECT_EQ(Compare_Plate_Material(&s, &t), 1);
    t.f_u += 0.5;
    EXPECT_EQ(Compare_Plate_Material(&s, &t), 0);
    EXPECT_EQ(Compare_Plate_Material(&s, nullptr), 0);

    Copy_Plate_Material(nullptr, &t);   // a null source resets
    EXPECT_DOUBLE_EQ(t.f_u, 0.0);
    EXPECT_STREQ(t.designation, "                         ");
}

TEST(Plate_Material_File, DefaultBlockByteForByte) {
    Plate_Material m;
    Default_Plate_Material(&m);
    EXPECT_EQ(Block_Of(m),
              " 3\n"
              " 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000"
              " 235.000000 360.000000 215.000000 360.000000 215.000000 360.000000\n"
              " ~~~~~~~~~~~~~~~~~~~~~~~~~\n"
              " 0\n");
}

TEST(Plate_Material_File, RoundTripKeepsOwnValuesAndDesignation) {
    Plate_Material m = Own_Steel(2, {300, 420}, {290, 410}, {280, 400});
    std::memcpy(m.designation, "S 355 J2 nach Zeugnis", 22);
    m.beta_w = 0.85;
    Check_Plate_Material(&m, 10.0, nullptr, 0, nullptr);
    const std::string block = Block_Of(m);
    EXPECT_NE(block.find(" S~355~J2~nach~Zeugnis~~~~\n"), std::string::npos) << block;

    Text_Stream in(block);
    Plate_Material r;
    Init_Plate_Material(&r);
    ASSERT_EQ(Read_Plate_Material(in.stream, &r), 0);
    EXPECT_EQ(Compare_Plate_Material(&m, &r), 1);
    EXPECT_STREQ(r.designation, "S 355 J2 nach Zeugnis    ");
    EXPECT_DOUBLE_EQ(r.f_y, 300);
    EXPECT_DOUBLE_EQ(r.beta_w, 0.85);
}

// Older blocks: version 0 holds one f_y and f_u for every thickness, version 1 no designation,
// version 2 no buckling class.
TEST(Plate_Material_File, OlderVersionsAreCompleted) {
    struct Case {
        const char* block;
        double f_y_band3;
        const char* designation;
    };
    const Case cases[] = {
        {" 0\n 0 1 240.0 360.0 0.8 210000 0.3 80769.23 1.2\n", 240, "alt                      "},
        {" 1\n 0 1 0 0 0.8 210000 0.3 80769.23 1.2 250 370 245 370 244 370\n", 244, "alt                      "},
        {" 2\n 0 1 0 0 0.8 210000 0.3 80769.23 1.2 250 370 245 370 244 370\n Blech~A\n", 244,
         "Blech A                  "},
    };
    for (const Case& c : cases) {
        Text_Stream in(c.block);
        Plate_Material m;
        Init_Plate_Material(&m);
        std::memcpy(m.designation, "alt", 4);
        m.buckling_class = 0;
        ASSERT_EQ(Read_Plate_Material(in.stream, &m), 0) << c.block;
        EXPECT_DOUBLE_EQ(m.band[2].f_y, c.f_y_band3) << c.block;
        EXPECT_DOUBLE_EQ(m.band[0].f_u, c.f_y_band3 == 240 ? 360 : 370) << c.block;
        EXPECT_STREQ(m.designation, c.designation) << c.block;
        EXPECT_EQ(m.own_values, 1);
    }
}

TEST(Plate_Material_File, DamagedOrNewerBlocksFail) {
    Refresh_Mode = 1;   // the notice of the newer block stays silent
    const char* blocks[] = {
        "",                                                                       // no version
        " 4\n 0 0 0 0 0.8 210000 0.3 80769.23 1.2\n",                             // newer than the program
        " 3\n 0 0 0 0 0.8 210000 0.3\n",                                          // short
        " 3\n 0 0 0 0 0.8 210000 0.3 80769.23 1.2 235 360 215 360 215\n",         // five band values
        " 3\n 0 0 0 0 0.8 210000 0.3 80769.23 1.2 235 360 215 360 215 360\n"
        " ABCDEFGHIJKLMNOPQRSTUVWXYZ\n 0\n",                                      // designation of 26
        " 3\n 0 0 0 0 0.8 210000 0.3 80769.23 1.2 235 360 215 360 215 360\n x\n", // no buckling class
    };
    for (const char* block : blocks) {
        Text_Stream in(block);
        Plate_Material m;
        Init_Plate_Material(&m);
        EXPECT_EQ(Read_Plate_Material(in.stream, &m), 1) << block;
        EXPECT_EQ(m.designation[Plate_Designation_Size - 1], '\0');
    }
    Text_Stream exact(" 3\n 0 0 0 0 0.8 210000 0.3 80769.23 1.2 235 360 215 360 215 360\n"
                      " ABCDEFGHIJKLMNOPQRSTUVWXY\n 0\n");
    Plate_Material m;
    Init_Plate_Material(&m);
    ASSERT_EQ(Read_Plate_Material(exact.stream, &m), 0);
    EXPECT_STREQ(m.designation, "ABCDEFGHIJKLMNOPQRSTUVWXY");
}

TEST(Steel_Grade_Queries, NamesRotateThroughTenBuffers) {
    const char* first = Get_Steel_Grade_Name(0, 14);
    EXPECT_STREQ(first, "S460 Q/QL/QL1");
    const char* names[9];
    for (const char*& n : names) n = Get_Steel_Grade_Name(0, 0);
    for (const char* n : names) EXPECT_NE(n, first);
    EXPECT_STREQ(first, "S460 Q/QL/QL1");   // still intact after nine further calls
    const char* eleventh = Get_Steel_Grade_Name(1, 3);
    EXPECT_EQ(eleventh, first);
    EXPECT_STREQ(eleventh, "");
    EXPECT_STREQ(Get_Steel_Grade_Name(0, 48), "");
    EXPECT_STREQ(Get_Steel_Grade_Name(0, 47), "S420 NC");
}

TEST(Steel_Grade_Queries, ElongationGroupsAndStrengthLimits) {
    EXPECT_DOUBLE_EQ(Get_Elongation_At_Fracture(0, 29, 1), 200);
    EXPECT_DOUBLE_EQ(Get_Elongation_At_Fracture(0, 28, 0), 400);
    EXPECT_DOUBLE_EQ(Get_Elongation_At_Fracture(1, 29, 0), 150);
    EXPECT_DOUBLE_EQ(Get_Elongation_At_Fracture(0, 2, 1), 120);

    struct Case {
        int (*predicate)(int);
        int member, outsider;
    };
    const Case cases[] = {
        {Is_Grade_S235_Group, 44, 1},  {Is_Grade_S275_Group, 35, 0},  {Is_Grade_S355_Group, 46, 3},
        {Is_Grade_S420_Group, 47, 31}, {Is_Grade_S460_Group, 38, 39}, {Is_Grade_S500_Group, 39, 32},
        {Is_Grade_S550_Group, 40, 33}, {Is_Grade_S620_Group, 41, 34}, {Is_Grade_S690_Group, 43, 41},
        {Is_Grade_Weathering_Steel, 13, 14},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.predicate(c.member), 1) << c.member;
        EXPECT_EQ(c.predicate(c.outsider), 0) << c.outsider;
    }
    EXPECT_EQ(Is_High_Strength_Steel(460.0), 1);
    EXPECT_EQ(Is_High_Strength_Steel(459.99), 0);

    EXPECT_DOUBLE_EQ(Get_Grade_Fy(0, 35, 1.0, 8.0), 315);
    EXPECT_DOUBLE_EQ(Get_Grade_Fu(0, 45, 1.0, 9.0), 430);
    EXPECT_DOUBLE_EQ(Get_Grade_Fy(1, 2, 123.0, 10.0), 123);
    EXPECT_DOUBLE_EQ(Get_Grade_Fy(0, -1, 7.0, 10.0), 7);
}

TEST(Steel_Grade_Queries, ExternalCatalogueMap) {
    struct Case {
        int grade, index;
    };
    const Case cases[] = {{0, 5}, {15, 5}, {3, 32}, {47, 33}, {16, 6}, {23, 7}, {24, 33}, {21, 12}, {27, -1}, {31, -1}};
    for (const Case& c : cases) EXPECT_EQ(Map_Grade_To_External(c.grade), c.index) << c.grade;
    EXPECT_EQ(Map_External_To_Grade(5), 0);
    EXPECT_EQ(Map_External_To_Grade(33), 6);
    EXPECT_EQ(Map_External_To_Grade(14), -1);
    Load_External_Grade_Names();   // no hook: the names stay empty
    EXPECT_STREQ(External_Grade_Names[0], "");
}

// Under the German National Annex the S420 grades have β_w 0.88 and the S460 grades 0.85
// (DIN EN 1993-1-8/NA), whatever the table says.
TEST(Check_Plate_Material, GermanAnnexCorrelationFactors) {
    struct Case {
        int grade, edition, german;
        double beta_w;
    };
    const Case cases[] = {
        {6, 0, 1, 0.88}, {6, 0, 0, 1.00}, {7, 0, 1, 0.85}, {14, 0, 1, 0.85}, {14, 0, 0, 1.00},
        {20, 0, 1, 0.88}, {25, 0, 1, 0.85}, {2, 0, 1, 0.90}, {3, 0, 1, 1.00},
        {37, 1, 1, 0.88}, {38, 1, 1, 0.85}, {47, 1, 1, 0.88}, {47, 1, 0, 0.00}, {31, 1, 1, 0.90},
    };
    for (const Case& c : cases) {
        Set_Code_Edition(c.edition);
        NAD_Get_EC3()->variant = c.german;
        Plate_Material m = Table_Grade(c.grade);
        Check_Plate_Material(&m, 10.0, nullptr, 0, nullptr);
        EXPECT_DOUBLE_EQ(m.beta_w, c.beta_w) << c.grade << " german " << c.german;
    }
}
