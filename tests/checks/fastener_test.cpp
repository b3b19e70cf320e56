#include "checks/fastener.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

// The material block of a cleared material (grade S235 without own values, no strengths yet).
const std::string Cleared_Material_Block =
    " 3\n"
    " 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000"
    " 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n"
    " ~~~~~~~~~~~~~~~~~~~~~~~~~\n"
    " 0\n";

// The 28 values of block version 1: an M16 (size index 5) 8.8 bolt (class 5) in an oversize hole.
const std::string Version_1_Values =
    " 0 5 1 1 0.5 1 0 5 0 0 640 800 16 4 0 201.06 156.7 27 29.56 4 30 10 14.8 150 4 0 0 2";

Fastener Fastener_With_Remnants() {
    Fastener f;
    Init_Fastener(&f);
    // Values that an older block does not carry and must leave alone.
    f.countersunk = 1;
    f.t_ms = 7.0;
    f.d_m = 33.0;
    f.elongation = 11.0;
    f.F_pC_given = 99.0;
    f.washer_sides = 2;
    f.tapped_hole = 1;
    f.l_e = 55.0;
    f.clearance_2mm = 1;
    f.anchorage = 1;
    f.d_h = 1.0;
    f.t_h = 2.0;
    f.suitability_tests = 1;
    return f;
}

}  // namespace

TEST(Fastener_Names, ListEntriesAndIndexesOutsideTheTables) {
    struct Case {
        const char* (*name)(int);
        int index;
        const char* expected;
    };
    const Case cases[] = {
        {Get_Bolt_Class_Name, 0, "4.6"},      {Get_Bolt_Class_Name, 6, "10.9"},
        {Get_Bolt_Class_Name, 7, "50"},       {Get_Bolt_Class_Name, 9, "80"},
        {Get_Bolt_Class_Name, -1, ""},        {Get_Bolt_Class_Name, 10, ""},
        {Get_Bolt_Size_Name, 0, "M5"},        {Get_Bolt_Size_Name, 11, "M36"},
        {Get_Bolt_Size_Name, 12, "M14"},      {Get_Bolt_Size_Name, 13, "M18"},
        {Get_Bolt_Size_Name, 14, ""},         {Get_Bolt_Size_Name, -3, ""},
        {Get_Rivet_Steel_Name, 0, "USt 36"},  {Get_Rivet_Steel_Name, 1, "RSt 38"},
        {Get_Rivet_Steel_Name, 2, ""},        {Get_Pin_Material_Name, 0, "Festigkeitsklasse 4.8"},
        {Get_Pin_Material_Name, 1, "S235J2 + C450        "},   // stored with eight trailing blanks
        {Get_Pin_Material_Name, 3, ""},       {Get_Anchor_Rebar_Name, 1, "B500B"},
        {Get_Anchor_Rebar_Name, -1, ""},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.name(c.index), c.expected) << c.index;
}

TEST(Fastener_Names, HoleTypesByEdition) {
    Set_Code_Edition(1);
    EXPECT_STREQ(Get_Hole_Type_Name(5, 0), "großes Langloch in Kraftrichtung"_cp);
    EXPECT_STREQ(Get_Hole_Type_Name(6, 0), "");
    Set_Code_Edition(0);
    EXPECT_STREQ(Get_Hole_Type_Name(2, 0), "Langloch quer zur Kraftrichtung");
    EXPECT_STREQ(Get_Hole_Type_Name(4, 0), "");
    EXPECT_STREQ(Get_Hole_Type_Name(4, 1), "großes Langloch quer zur Kraftrichtung"_cp);
}

// Values of EN 1993-1-8 Table 3.1 and the size table; outside a table the fallback.
TEST(Fastener_Accessors, TableValuesByClassAndSize) {
    EXPECT_DOUBLE_EQ(Get_Bolt_Class_Yield_Strength(5, -1), 640.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Class_Tensile_Strength(6, -1), 1000.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Class_Tensile_Strength(10, -1), -1.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Class_Elongation(6, 20, 80, -1), 9.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Class_Elongation(8, 20, 80, -1), 10.0);   // 0.4·20/80·100
    EXPECT_DOUBLE_EQ(Get_Bolt_Class_Elongation(9, 24, 60, -1), 12.0);   // 0.3·24/60·100
    EXPECT_DOUBLE_EQ(Get_Bolt_Class_Elongation(7, 20, 0.0, -1), -1.0);  // no clamping length

    EXPECT_DOUBLE_EQ(Get_Bolt_Nominal_Clearance(6, -1, 1, 0, 1), 0.0);   // fitted first
    EXPECT_DOUBLE_EQ(Get_Bolt_Nominal_Clearance(6, -1, 0, 1, 1), 4.0);   // oversize before 2 mm
    EXPECT_DOUBLE_EQ(Get_Bolt_Nominal_Clearance(4, -1, 0, 1, 0), 2.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Nominal_Clearance(9, -1, 0, 0, 0), 3.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Nominal_Clearance(14, -1, 0, 0, 0), -1.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Shank_Diameter(5, -1, 1), 17.0);
    EXPECT_NEAR(Get_Bolt_Shank_Area(5, -1, 1), 226.980069, 1e-6);   // π/4·17²
    EXPECT_NEAR(Get_Bolt_Stress_Area(12, -1), 115.4, 1e-9);
    EXPECT_DOUBLE_EQ(Get_Bolt_Width_Across_Flats(4, -1, 1), 22.0);   // HV set from M12 on
    EXPECT_DOUBLE_EQ(Get_Bolt_Width_Across_Flats(3, -1, 1), 16.0);   // M10 has only the normal set
    EXPECT_DOUBLE_EQ(Get_Bolt_Nut_Height(13, -1, 0), 17.5);
    EXPECT_DOUBLE_EQ(Get_Bolt_Washer_Thickness(8, -1, 1), 4.0);
    EXPECT_DOUBLE_EQ(Get_Bolt_Head_Height(-1, -1, 1), -1.0);
}

TEST(Fastener_Accessors, MinimumDistancesFromTheHoleDiameter) {
    Fastener f;
    Init_Fastener(&f);
    f.d = 20.0;
    f.delta_d = 2.0;
    f.hole_enlargement = 6.0;
    EXPECT_NEAR(Get_Fastener_Min_Edge_Distance(f), 26.4, 1e-9);   // 1.2·22
    EXPECT_NEAR(Get_Fastener_Min_Spacing_P1(f), 48.4, 1e-9);      // 2.2·22
    EXPECT_NEAR(Get_Fastener_Min_Spacing_P2(f), 52.8, 1e-9);      // 2.4·22
    f.hole_type = Hole_Short_Slot_Parallel;
    EXPECT_NEAR(Get_Fastener_Min_Edge_Distance(f), 33.0, 1e-9);   // 1.5·22 in a slot
    EXPECT_NEAR(Get_Fastener_Min_End_Distance(f), 26.4, 1e-9);
    f.hole_type = Hole_Oversize;
    EXPECT_NEAR(Get_Fastener_Min_Edge_Distance(f), 31.2, 1e-9);   // 1.2·(20 + 6)
    f.type = Fastener_Rivet;
    f.d_0 = 17.0;
    EXPECT_NEAR(Get_Fastener_Min_Spacing_P1(f), 37.4, 1e-9);      // 2.2·17
}

TEST(Fastener, InitCopyAndCompare) {
    Fastener a;
    Default_Fastener(&a);
    Fastener b;
    Init_Fastener(&b);
    EXPECT_EQ(b.type, 0);
    EXPECT_EQ(b.size_index, 0);
    EXPECT_DOUBLE_EQ(b.d, 0.0);
    EXPECT_DOUBLE_EQ(b.material.E, 210000.0);
    EXPECT_EQ(Compare_Fastener(&a, &b), 0);

    Copy_Fastener(&a, &b);
    EXPECT_EQ(Compare_Fastener(&a, &b), 1);
    b.washer_sides = 1;   // derived values are not compared
    b.preloaded = 0;
    EXPECT_EQ(Compare_Fastener(&a, &b), 1);
    b.F_pC_given += 0.005;
    EXPECT_EQ(Compare_Fastener(&a, &b), 1);   // within 0.01
    b.F_pC_given += 0.02;
    EXPECT_EQ(Compare_Fastener(&a, &b), 0);
    Copy_Fastener(&a, &b);
    b.f_ub = 830.0;   // own strengths are entered values
    EXPECT_EQ(Compare_Fastener(&a, &b), 0);
    Copy_Fastener(&a, &b);
    b.anchorage = 1;
    EXPECT_EQ(Compare_Fastener(&a, &b), 0);
    Copy_Fastener(&a, &b);
    b.material.grade = 2;
    EXPECT_EQ(Compare_Fastener(&a, &b), 0);

    EXPECT_EQ(Compare_Fastener(&a, nullptr), 0);
    Copy_Fastener(nullptr, &b);   // nothing happens
    Copy_Fastener(&a, nullptr);
    Init_Fastener(nullptr);
}

// Values of the preset worked out by hand: A = π/4·20² = 314.159265 mm², A_s = 100·2.448 mm².
TEST(Write_Fastener, BlockOfThePreset) {
    Fastener f;
    Default_Fastener(&f);
    const std::string block = Capture_Output([&](FILE* file) { EXPECT_EQ(Write_Fastener(file, &f), 0); });
    EXPECT_EQ(block,
              " 9\n"
              " 0 6 0 0 0.000000 1 0 6 0 0 900.000000 1000.000000 20.000000 2.000000 0.000000 314.159265"
              " 244.800000 32.000000 35.030000 4.000000 37.000000 12.500000 18.000000 150.000000 0.000000"
              " 0.000000 0 0 0 0.000000 0.000000 9.000000 0.000000 2 0 0.000000 0\n" +
                  Cleared_Material_Block + " 0 100.000000 20.000000 0\n");
    EXPECT_EQ(Write_Fastener(nullptr, &f), 1);
    EXPECT_EQ(Capture_Output([&](FILE* file) { EXPECT_EQ(Write_Fastener(file, nullptr), 1); }), "");

    Text_Stream in(block);
    Fastener r;
    Init_Fastener(&r);
    ASSERT_EQ(Read_Fastener(in.stream, &r), 0);
    Check_Plate_Material(&f.material, 0.0, nullptr, 0, nullptr);   // as the material reader derives it
    EXPECT_EQ(Compare_Fastener(&f, &r), 1);
    EXPECT_EQ(r.washer_sides, 2);
    EXPECT_DOUBLE_EQ(r.d_h, 100.0);
}

TEST(Read_Fastener, OlderVersionsAreCompleted) {
    Set_Code_Edition(1);
    {
        // Version 0 numbered the sizes from M12: its index 2 is M20.
        Text_Stream in(" 0\n 0 6 0 0 0 1 0 2 0 0 900 1000 20 2 0 314.16 244.8 32 35.03 4 37 12.5 18 150 0 0 0 0\n" +
                       Cleared_Material_Block);
        Fastener f = Fastener_With_Remnants();
        ASSERT_EQ(Read_Fastener(in.stream, &f), 0);
        EXPECT_EQ(f.size_index, 6);
    }
    {
        Text_Stream in(" 1\n" + Version_1_Values + "\n" + Cleared_Material_Block);
        Fastener f = Fastener_With_Remnants();
        ASSERT_EQ(Read_Fastener(in.stream, &f), 0);
        EXPECT_EQ(f.size_index, 5);
        EXPECT_EQ(f.class_index, 5);
        EXPECT_EQ(f.slip_resistant, 1);
        EXPECT_EQ(f.hole_type, 1);
        EXPECT_DOUBLE_EQ(f.t_ks, 0.5);
        EXPECT_DOUBLE_EQ(f.A_s, 156.7);
        EXPECT_DOUBLE_EQ(f.hole_enlargement, 4.0);
        EXPECT_EQ(f.material_index, 2);
        // Fields of versions 2 to 7 keep what the record held; the anchor fields are preset.
        EXPECT_EQ(f.countersunk, 1);
        EXPECT_DOUBLE_EQ(f.t_ms, 7.0);
        EXPECT_DOUBLE_EQ(f.d_m, 33.0);
        EXPECT_DOUBLE_EQ(f.elongation, 11.0);
        EXPECT_DOUBLE_EQ(f.F_pC_given, 99.0);
        EXPECT_EQ(f.washer_sides, 2);
        EXPECT_EQ(f.tapped_hole, 1);
        EXPECT_DOUBLE_EQ(f.l_e, 55.0);
        EXPECT_EQ(f.clearance_2mm, 1);
        EXPECT_EQ(f.anchorage, 0);
        EXPECT_DOUBLE_EQ(f.d_h, 100.0);
        EXPECT_DOUBLE_EQ(f.t_h, 20.0);
        EXPECT_EQ(f.suitability_tests, 0);
        EXPECT_DOUBLE_EQ(f.material.f_y, 235.0);   // the material reader derives the grade
    }
    {
        Text_Stream in(" 7\n" + Version_1_Values + " 0 1.5 28 12 120000 1 0 0 0\n" + Cleared_Material_Block);
        Fastener f = Fastener_With_Remnants();
        ASSERT_EQ(Read_Fastener(in.stream, &f), 0);
        EXPECT_EQ(f.countersunk, 0);
        EXPECT_DOUBLE_EQ(f.t_ms, 1.5);
        EXPECT_DOUBLE_EQ(f.d_m, 28.0);
        EXPECT_DOUBLE_EQ(f.elongation, 12.0);
        EXPECT_DOUBLE_EQ(f.F_pC_given, 120000.0);
        EXPECT_EQ(f.washer_sides, 1);
        EXPECT_EQ(f.tapped_hole, 0);
        EXPECT_DOUBLE_EQ(f.l_e, 0.0);
        EXPECT_EQ(f.clearance_2mm, 0);
        EXPECT_EQ(f.anchorage, 0);
        EXPECT_DOUBLE_EQ(f.d_h, 100.0);
        EXPECT_DOUBLE_EQ(f.t_h, 20.0);
        EXPECT_EQ(f.suitability_tests, 0);
    }
    {
        Text_Stream in(" 8\n" + Version_1_Values + " 0 0 0 12 0 1 1 120 0\n" + Cleared_Material_Block + " 1 60 15\n");
        Fastener f = Fastener_With_Remnants();
        ASSERT_EQ(Read_Fastener(in.stream, &f), 0);
        EXPECT_EQ(f.anchorage, 1);
        EXPECT_DOUBLE_EQ(f.d_h, 60.0);
        EXPECT_DOUBLE_EQ(f.t_h, 15.0);
        EXPECT_EQ(f.suitability_tests, 0);
    }
    for (const char* version : {" 9\n", " 9999\n"}) {
        Text_Stream in(version + Version_1_Values + " 0 0 0 12 0 1 1 120 0\n" + Cleared_Material_Block +
                       " 0 60 15 1\n");
        Fastener f = Fastener_With_Remnants();
        ASSERT_EQ(Read_Fastener(in.stream, &f), 0) << version;
        EXPECT_EQ(f.suitability_tests, 1) << version;
        EXPECT_DOUBLE_EQ(f.l_e, 120.0) << version;
    }
}

TEST(Read_Fastener, NewerOrDamagedBlocksFail) {
    Refresh_Mode = 0;
    Clear_Host_Message_History();
    {
        Text_Stream in(" 10\n" + Version_1_Values + " 0 0 0 12 0 1 1 120 0\n" + Cleared_Material_Block + " 0 60 15 1\n");
        Fastener f = Fastener_With_Remnants();
        EXPECT_EQ(Read_Fastener(in.stream, &f), 1);
        EXPECT_EQ(f.type, 0);   // nothing read
        EXPECT_EQ(f.countersunk, 1);
    }
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0],
              "!! ACHTUNG !!\nDie Eingabedatei ist aktueller als die Programmversion\nBitte aktualisieren Sie das Programm.");

    // A line of 27 values: the reader runs into the material block and fails there.
    const std::string short_line = " 0 5 1 1 0.5 1 0 5 0 0 640 800 16 4 0 201.06 156.7 27 29.56 4 30 10 14.8 150 4 0 0";
    const std::string blocks[] = {
        " 9\n" + short_line + " 0 0 0 12 0 1 1 120\n" + Cleared_Material_Block + " 0 60 15 1\n",
        " 1\n" + short_line + "\n" + Cleared_Material_Block,
        " 9\n" + Version_1_Values + " 0 0 0 12 0 1 1 120 0\n" + Cleared_Material_Block + " 0 60\n",
        " 9\n" + Version_1_Values + " 0 0 0 12 0 1 1 120 0\n" + Cleared_Material_Block + " 0 60 15\n",
        "",
    };
    for (const std::string& block : blocks) {
        Text_Stream in(block);
        Fastener f;
        Init_Fastener(&f);
        EXPECT_EQ(Read_Fastener(in.stream, &f), 1) << block;
    }
    Fastener f;
    EXPECT_EQ(Read_Fastener(nullptr, &f), 1);
}

TEST(Read_Fastener, NoNoticeOnTheBatchRoad) {
    Refresh_Mode = 1;
    Clear_Host_Message_History();
    Text_Stream in(" 10\n");
    Fastener f;
    Init_Fastener(&f);
    EXPECT_EQ(Read_Fastener(in.stream, &f), 1);
    EXPECT_TRUE(Host_Message_History().empty());
}
