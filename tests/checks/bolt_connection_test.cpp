#include "checks/bolt_connection.h"

#include <gtest/gtest.h>

#include <string>

#include "checks/bolt_test_support.h"
#include "checks/concrete_grade.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

// A bolted connection with a value in every input field.
Bolt_Connection Filled_Connection() {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    Default_Plate_Material(&C.fastener.material);   // as the material reader derives it
    C.packing = 1;
    C.t_p = 8.0;
    C.Shear_Category = Shear_Category_B;
    C.Tension_Category = Tension_Category_E;
    C.F_v_Ed = 100000.0;
    C.F_v_Ed_ser = 80000.0;
    C.Sum_F_v_Ed = 300000.0;
    C.F_t_Ed = 50000.0;
    C.F_t_Ed_ser = 40000.0;
    C.V_eff_Ed = 200000.0;
    C.options = Bolt_Option_Thread_In_Shear_Plane | Bolt_Option_Single_Lap_One_Row;
    C.e_11 = 40.0;
    C.e_21 = 30.0;
    C.p_1 = 60.0;
    C.p_2 = 70.0;
    C.A_net = 1500.0;
    C.shear_planes = 2;
    C.slip_class = 1;
    C.block_tearing_check = 1;
    C.A_nt = 800.0;
    C.A_nv = 1200.0;
    C.angle_check = 1;
    C.n = 3;
    C.N_Ed = 90000.0;
    C.A_net_L = 600.0;
    C.delta_t = 2.0;
    C.pin_geometry = 0;
    C.punching_check = 0;
    C.spacing_off = 1;
    C.shear_check = 1;
    C.bearing_check = 0;
    C.slip_check = 1;
    C.net_section_check = 0;
    C.tension_check = 1;
    C.e_12 = 45.0;
    C.L_j = 500.0;
    C.e_22 = 35.0;
    C.bearing_deformation = 1;
    C.A_gv = 1400.0;
    C.alpha_M = 1.5;
    return C;
}

// The two lines of 27 values of the filled connection (the 14th value is 0) and the line of the
// later fields, as block version 7 writes them.
const std::string Values_27 =
    " 2 5 100000.000000 80000.000000 300000.000000 50000.000000 40000.000000 200000.000000 24 40.000000"
    " 30.000000 60.000000 70.000000\n"
    " 0 1500.000000 2 1 1 800.000000 1200.000000 1 3 90000.000000 600.000000 2.000000 0 0\n";
const std::string Later_Fields = " 1 1 0 1 0 1 1 45.000000 500.000000 35.000000 1 1400.000000 1.500000\n";

std::string Plate_Block(const Plate& plate) {
    return Capture_Output([&](FILE* f) { ASSERT_EQ(Write_Plate(f, &plate), 0); });
}

// The blocks before the values: fastener, plate 1, plate 2 and the plate that carries t_p.
std::string Head_Blocks(const Bolt_Connection& C, const Plate& plate_2) {
    Plate packing;
    Init_Plate(&packing);
    packing.t = C.t_p;
    return Capture_Output([&](FILE* f) { ASSERT_EQ(Write_Fastener(f, &C.fastener), 0); }) + Plate_Block(C.plate_1) +
           Plate_Block(plate_2) + Plate_Block(packing);
}

std::string Block(int version, const Bolt_Connection& C, const std::string& values, const std::string& tail) {
    return " " + std::to_string(version) + "\n" + Head_Blocks(C, C.plate_2) + values + tail;
}

struct Read_Result {
    int result;
    Bolt_Connection C;
};

Read_Result Read(const std::string& block, int show_notices = 0) {
    Text_Stream in(block);
    Read_Result r{};
    Init_Bolt_Connection(&r.C);
    r.result = Read_Bolt_Connection(in.stream, &r.C, show_notices);
    return r;
}

}  // namespace

TEST(Init_Bolt_Connection, DefaultsOfANewRecord) {
    Bolt_Connection C = Filled_Connection();
    C.U_max = 0.7;
    C.results.F_v_Rd = 5.0;
    Init_Bolt_Connection(&C);
    EXPECT_EQ(C.Shear_Category, Shear_Category_A);
    EXPECT_EQ(C.Tension_Category, Tension_Category_D);
    EXPECT_EQ(C.shear_planes, 1);
    for (int s : {C.punching_check, C.shear_check, C.bearing_check, C.slip_check, C.net_section_check, C.tension_check})
        EXPECT_EQ(s, 1);
    for (int s : {C.packing, C.options, C.spacing_off, C.slip_class, C.bearing_deformation, C.block_tearing_check,
                  C.angle_check, C.n, C.pin_geometry, C.Check_Error_Flags, C.fastener.type, C.fastener.size_index})
        EXPECT_EQ(s, 0);
    EXPECT_EQ(C.alpha_M, 1.0);
    for (double v : {C.t_p, C.e_11, C.e_12, C.e_21, C.e_22, C.p_1, C.p_2, C.A_net, C.L_j, C.F_v_Ed, C.N_Ed,
                     C.results.F_v_Rd, C.U_max, C.plate_1.t, C.plate_2.t})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(C.plate_1.material.E, 210000.0);
    EXPECT_EQ(C.context.factors, nullptr);
    Init_Bolt_Connection(nullptr);
}

TEST(Prepare_Bolt_Check, FillsTheContextFromTheConnectionRecord) {
    const Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    C.context.spare = 7;
    C.context.extra = 3;
    Prepare_Bolt_Check(&C, 1, 0, &factors);
    EXPECT_EQ(C.context.uniform_steel, 1);
    EXPECT_EQ(C.context.verification, 0);
    EXPECT_EQ(C.context.summary, 1);
    EXPECT_EQ(C.context.factors, &factors);
    EXPECT_EQ(C.context.spare, 0);
    EXPECT_EQ(C.context.extra, 0);
    Prepare_Bolt_Check(nullptr, 1, 1, &factors);
}

TEST(Copy_Bolt_Connection, CopiesTheInputButNeitherContextNorResults) {
    const Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection S = Filled_Connection();
    Prepare_Bolt_Check(&S, 1, 1, &factors);
    S.Check_Error_Flags = 0x3;
    S.results.F_b_Rd_1 = 12.0;
    S.U_max = 0.5;
    Bolt_Connection T = Filled_Connection();
    T.e_11 = 99.0;
    Copy_Bolt_Connection(&S, &T);
    EXPECT_EQ(Capture_Output([&](FILE* f) { Write_Bolt_Connection(f, &T); }),
              Capture_Output([&](FILE* f) { Write_Bolt_Connection(f, &S); }));
    EXPECT_EQ(T.context.factors, nullptr);
    EXPECT_EQ(T.Check_Error_Flags, 0);
    EXPECT_EQ(T.results.F_b_Rd_1, 0.0);
    EXPECT_EQ(T.U_max, 0.0);
    // A null source leaves the empty record.
    Copy_Bolt_Connection(nullptr, &T);
    EXPECT_EQ(T.e_11, 0.0);
    EXPECT_EQ(T.shear_check, 1);
    Copy_Bolt_Connection(&S, nullptr);
}

TEST(Write_Bolt_Connection, Version7ByteForByte) {
    const Bolt_Connection C = Filled_Connection();
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Bolt_Connection(f, &C), 0); }),
              Block(7, C, Values_27, Later_Fields));
    EXPECT_EQ(Write_Bolt_Connection(nullptr, &C), 1);
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Bolt_Connection(f, nullptr), 1); }), "");
}

TEST(Read_Bolt_Connection, Version7RoundTrip) {
    const Bolt_Connection C = Filled_Connection();
    const std::string block = Capture_Output([&](FILE* f) { Write_Bolt_Connection(f, &C); });
    const Read_Result r = Read(block);
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(Capture_Output([&](FILE* f) { Write_Bolt_Connection(f, &r.C); }), block);
    EXPECT_EQ(r.C.t_p, 8.0);
    EXPECT_EQ(r.C.alpha_M, 1.5);
    EXPECT_EQ(r.C.e_22, 35.0);
}

// The 14th value has no field: whatever a file holds there is dropped, and 0 is written back.
TEST(Read_Bolt_Connection, The14thValueIsNeverRead) {
    const Bolt_Connection C = Filled_Connection();
    std::string values = Values_27;
    const std::size_t second_line = values.find('\n') + 1;
    values.replace(second_line, 2, " 7");
    const Read_Result r = Read(Block(7, C, values, Later_Fields));
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(Capture_Output([&](FILE* f) { Write_Bolt_Connection(f, &r.C); }), Block(7, C, Values_27, Later_Fields));
}

// Each older version completes what it lacks.
TEST(Read_Bolt_Connection, OlderVersionsAndTheirCompletion) {
    const Bolt_Connection C = Filled_Connection();
    struct Case {
        int version;
        std::string tail;
        int spacing_off, bearing_check, packing;
        double e_12, e_22, L_j, alpha_M;
    };
    const Case cases[] = {
        {6, " 1 1 0 1 0 1 1 45.000000 500.000000 35.000000 1 1400.000000\n", 1, 0, 1, 45.0, 35.0, 500.0, 1.0},
        {5, " 1 1 0 1 0 1 1 45.000000 500.000000\n", 1, 0, 1, 45.0, 30.0, 500.0, 1.0},
        {4, " 1 1 0 1 0 1 1 45.000000\n", 1, 0, 1, 45.0, 30.0, 0.0, 1.0},
        {3, " 1 1 0 1 0 1 1\n", 1, 0, 1, 40.0, 30.0, 0.0, 1.0},
        {2, " 1 1 0 1 0 1\n", 1, 0, 1, 40.0, 30.0, 0.0, 1.0},   // packing from t_p = 8 mm
        {1, " 1\n", 1, 1, 1, 40.0, 30.0, 0.0, 1.0},
    };
    for (const Case& c : cases) {
        const Read_Result r = Read(Block(c.version, C, Values_27, c.tail));
        ASSERT_EQ(r.result, 0) << c.version;
        EXPECT_EQ(r.C.spacing_off, c.spacing_off) << c.version;
        EXPECT_EQ(r.C.bearing_check, c.bearing_check) << c.version;
        EXPECT_EQ(r.C.net_section_check, c.version >= 2 ? 0 : 1) << c.version;
        EXPECT_EQ(r.C.packing, c.packing) << c.version;
        EXPECT_EQ(r.C.e_12, c.e_12) << c.version;
        EXPECT_EQ(r.C.e_22, c.e_22) << c.version;
        EXPECT_EQ(r.C.L_j, c.L_j) << c.version;
        EXPECT_EQ(r.C.alpha_M, c.alpha_M) << c.version;
        EXPECT_EQ(r.C.bearing_deformation, c.version >= 6 ? 1 : 0) << c.version;
        EXPECT_EQ(r.C.plate_2.t, 10.0) << c.version;   // only version 0 halves it
    }
}

// Up to version 2 the packing switch follows the stored thickness: a packing of 0.1 mm is none.
TEST(Read_Bolt_Connection, Version2PackingFromItsThickness) {
    for (double t_p : {0.1, 0.2}) {
        Bolt_Connection C = Filled_Connection();
        C.t_p = t_p;
        const Read_Result r = Read(Block(2, C, Values_27, " 1 1 0 1 0 1\n"));
        ASSERT_EQ(r.result, 0);
        EXPECT_EQ(r.C.packing, t_p > 0.15 ? 1 : 0) << t_p;
    }
}

// Version 0 stored both outer plates as t2: a pin or a double-shear joint reads half of it, with a
// notice only when the bolted connection is active and the window road is taken.
TEST(Read_Bolt_Connection, Version0HalvesPlate2OfPinsAndDoubleShear) {
    const std::string pin_notice =
        "*** Bolzenverbindung ***\nÄnderung in der Eingabe der Dicke von Blech 2:\n"
        "Die Blechdicke im Anschlussschnitt ist maßgebend,\nd.h. das bisherige t2 wird halbiert"_cp;
    const std::string bolt_notice =
        "*** Schrauben-, Nietverbindung mit zweischnittigem Anschluss ***\n"
        "Änderung in der Eingabe der Dicke von Blech 2:\n"
        "Im Anschlussschnitt sind zwei Bleche der Dicke t2,\nd.h. das bisherige t2 wird halbiert"_cp;
    struct Case {
        int type, shear_planes, show_notices, refresh;
        double t_2;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {Fastener_Pin, 1, 1, 0, 10.0, {pin_notice}},
        {Fastener_Pin, 1, 1, 1, 10.0, {}},      // batch road
        {Fastener_Pin, 1, 0, 0, 10.0, {}},      // bolted connection inactive
        {Fastener_Bolt, 2, 1, 0, 10.0, {bolt_notice}},
        {Fastener_Rivet, 2, 0, 0, 10.0, {}},
        {Fastener_Bolt, 1, 1, 0, 20.0, {}},     // single shear keeps t2
    };
    for (const Case& c : cases) {
        Bolt_Connection C = Filled_Connection();
        C.fastener.type = c.type;
        C.shear_planes = c.shear_planes;
        C.plate_2 = Test_Plate(20.0);
        std::string values = Values_27;
        values.replace(values.find(" 2 1 1 800"), 2, " " + std::to_string(c.shear_planes));
        Refresh_Mode = c.refresh;
        Clear_Host_Message_History();
        const Read_Result r = Read(Block(0, C, values, "\n"), c.show_notices);
        ASSERT_EQ(r.result, 0);
        EXPECT_EQ(r.C.plate_2.t, c.t_2) << c.type << " " << c.shear_planes;
        EXPECT_EQ(Host_Message_History(), c.messages) << c.type << " " << c.show_notices << " " << c.refresh;
        EXPECT_EQ(r.C.spacing_off, 0);
        EXPECT_EQ(r.C.shear_check + r.C.bearing_check + r.C.slip_check + r.C.net_section_check + r.C.tension_check, 5);
    }
    Refresh_Mode = 0;
}

TEST(Read_Bolt_Connection, NewerAndDamagedBlocks) {
    Refresh_Mode = 1;   // the notice of the newer block stays silent
    const Bolt_Connection C = Filled_Connection();
    EXPECT_EQ(Read(Block(8, C, Values_27, Later_Fields)).result, 1);
    EXPECT_EQ(Read(Block(9998, C, Values_27, Later_Fields)).result, 1);
    // 9999 and above are accepted as the newest form.
    EXPECT_EQ(Read(Block(9999, C, Values_27, Later_Fields)).result, 0);
    // A short line of 27, a short five-value or three-value line at the end of the file.
    std::string short_values = Values_27;
    short_values.erase(short_values.rfind(" 0 0\n"));
    EXPECT_EQ(Read(Block(7, C, short_values + "\n", "")).result, 1);
    EXPECT_EQ(Read(Block(2, C, Values_27, " 1 1 0 1 0\n")).result, 1);
    EXPECT_EQ(Read(Block(6, C, Values_27, " 1 1 0 1 0 1 1 45.000000 500.000000 35.000000 1\n")).result, 1);
    EXPECT_EQ(Read("").result, 1);
    Bolt_Connection R;
    EXPECT_EQ(Read_Bolt_Connection(nullptr, &R, 0), 1);
}

// The concrete's f_ck travels in its first band and comes back as f_ck, for a class and for an own
// value.
TEST(Read_Bolt_Connection, AnchorKeepsTheConcreteStrength) {
    for (int own : {0, 1}) {
        Bolt_Connection C = Filled_Connection();
        C.fastener.type = Fastener_Anchor_Bolt;
        C.plate_2.t = 300.0;
        Plate_Material& concrete = C.plate_2.material;
        concrete.grade = 8;   // C25/30
        concrete.own_values = own;
        concrete.f_y = 27.5;
        Apply_Concrete_Grade(&concrete);
        const double f_ck = own ? 27.5 : 25.0;
        ASSERT_EQ(concrete.f_y, f_ck);
        Plate stored = C.plate_2;
        stored.material.band[0].f_y = f_ck;
        const std::string block = Capture_Output([&](FILE* f) { Write_Bolt_Connection(f, &C); });
        EXPECT_EQ(block, " 7\n" + Head_Blocks(C, stored) + Values_27 + Later_Fields) << own;
        const Read_Result r = Read(block);
        ASSERT_EQ(r.result, 0);
        EXPECT_EQ(r.C.plate_2.material.f_y, f_ck) << own;
        EXPECT_EQ(r.C.plate_2.material.grade, 8);
        // Own values come back byte for byte; a class is derived again from its code.
        const std::string again = Capture_Output([&](FILE* f) { Write_Bolt_Connection(f, &r.C); });
        if (own) {
            EXPECT_EQ(again, block);
        }
        EXPECT_EQ(Read(again).C.plate_2.material.f_y, f_ck) << own;
    }
}
