#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_tension.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

// A record whose every stored field differs from its initial value: an end plate with three inner
// rows of four bolts after the dissertation, given lengths, a backing plate and an L-stub.
T_Stub_Tension Stored_Record() {
    T_Stub_Tension T{};
    Init_T_Stub_Tension(&T);
    T.lengths_given = 1;
    T.inner_row = 1;
    T.row_next_to_stiffener = 0;
    T.sum_l_eff_1 = 300.5;
    T.sum_l_eff_2 = 250.25;
    T.e = 50.0;
    T.e_1 = 60.0;
    T.row_count = 3;
    T.p = 80.0;
    T.m = 30.0;
    T.b_p = 140.0;
    T.m_2 = 16.0;
    T.m_1 = 25.0;
    T.single_row = 0;
    T.bolts_per_row = 4;
    T.w = 35.0;
    T.b_st = 140.0;
    T.a_st = 5.0;
    T.four_bolt_method = Four_Bolt_Dissertation;
    T.w_extension = 0.0;
    T.extension_stiffener = 0;
    T.row_at_free_edge = 1;
    T.flange.t = 20.0;
    T.flange.l = 140.0;
    T.t_bp = 8.0;
    Default_Fastener(&T.fastener);
    T.location = T_Stub_End_Plate;
    T.procedure = 0;
    T.F_t_Ed[0] = 100000.0;
    T.F_t_Ed[1] = 90000.0;
    T.F_t_Ed[2] = 80000.0;
    T.backing_plate = 1;
    T.t_2 = 15.0;
    T.web.t = 10.0;
    T.web.l = 200.0;
    T.t_w = 8.6;
    T.ih2_connection = 1;
    T.skip_weld_check = 0;
    T.l_stub = 1;
    T.one_bolt_in_extension = 1;
    return T;
}

std::string Plate_Block(double t, double b, double l) {
    Plate plate;
    Init_Plate(&plate);
    plate.t = t;
    plate.b = b;
    plate.l = l;
    return Capture_Output([&](FILE* f) { Write_Plate(f, &plate); });
}

std::string Default_Fastener_Block() {
    Fastener fastener;
    Default_Fastener(&fastener);
    return Capture_Output([&](FILE* f) { Write_Fastener(f, &fastener); });
}

// A block of the given block and inner versions with the items each version holds, as earlier
// programs wrote them: three rows, e 50, e1 60, p 80, m 30, flange 20 mm thick and 140 mm long
// (width 140 below version 2), the backing plate t_bp, forces 100, 90 and 80 kN.
std::string Old_Block(int V, int v, double t_bp) {
    std::string block = " " + std::to_string(V) + "\n " + std::to_string(v) + "\n 0 1 1\n 0 0 50 60 3 80 30 0 16 25\n";
    if (v > 0) block += " 0";
    if (v > 1) block += " 4 35 140 5";
    if (v > 2) block += " 0";
    if (v > 3) block += " 70";
    if (v > 4) block += " 1";
    if (v > 5) block += " 1";
    block += "\n";
    block += V <= 1 ? Plate_Block(20.0, 140.0, 0.0) : Plate_Block(20.0, 0.0, 140.0);
    block += Plate_Block(t_bp, 0.0, 0.0) + Default_Fastener_Block() + " 1 1 100000";
    if (V >= 1) block += " 90000 80000";
    block += "\n";
    if (V >= 3) block += " 0";
    if (V >= 4) block += " 12\n";
    if (V >= 5) block += Plate_Block(10.0, 0.0, 180.0) + " 8.6 1";
    if (V >= 6) block += " 0";
    if (V >= 7) block += " 0";
    if (V >= 8) block += " 1";
    return block + "\n";
}

// Reads the block into a record that holds remnants an older block must leave alone.
T_Stub_Tension Read(const std::string& block, int expected_result) {
    Text_Stream in(block);
    T_Stub_Tension T{};
    Init_T_Stub_Tension(&T);
    T.t_w = 7.0;
    T.l_stub = 1;
    T.F_t_Ed[1] = 5.0;
    EXPECT_EQ(Read_T_Stub_Tension(in.stream, &T), expected_result) << block;
    return T;
}

}  // namespace

TEST(Init_T_Stub_Tension, EmptyRecordKeepsTheResults) {
    T_Stub_Tension T = Stored_Record();
    T.check_context.verification = 1;
    T.e_min = T.m_check = 5.0;
    T.k2_full = 1;
    T.fillet_by_shear = 0;
    T.weld_argument = 3.0;
    T.Check_Error_Flags = 1;
    T.F_T_Rd = 1000.0;
    T.U_max = 0.5;
    Init_T_Stub_Tension(&T);
    EXPECT_EQ(T.row_count, 1);
    EXPECT_EQ(T.four_bolt_method, Four_Bolt_Handbook);
    EXPECT_EQ(T.edge_check_mode, Edge_Check_Enforced);
    EXPECT_EQ(T.fillet_by_shear, 1);
    for (int v : {T.bolts_per_row, T.single_row, T.inner_row, T.lengths_given, T.backing_plate, T.location,
                  T.procedure, T.ih2_connection, T.skip_weld_check, T.l_stub, T.one_bolt_in_extension, T.k2_full,
                  T.check_context.verification, T.fastener.size_index})
        EXPECT_EQ(v, 0);
    for (double v : {T.e, T.p, T.m, T.m_2, T.e_1, T.m_1, T.b_p, T.w, T.b_st, T.a_st, T.sum_l_eff_1, T.t_bp, T.t_2,
                     T.t_w, T.flange.t, T.flange.l, T.web.t, T.web.l, T.e_min, T.m_check, T.weld_argument, T.F_t_Ed[2]})
        EXPECT_EQ(v, 0.0);
    EXPECT_DOUBLE_EQ(T.flange.material.E, 210000.0);
    EXPECT_EQ(T.check_context.factors, nullptr);
    // The results stay.
    EXPECT_EQ(T.Check_Error_Flags, 1);
    EXPECT_EQ(T.F_T_Rd, 1000.0);
    EXPECT_EQ(T.U_max, 0.5);
    Init_T_Stub_Tension(nullptr);

    T = Stored_Record();
    Init_T_Stub_Tension_Parameters(&T);
    EXPECT_EQ(T.row_count, 1);
    EXPECT_EQ(T.four_bolt_method, Four_Bolt_Handbook);
    EXPECT_EQ(T.sum_l_eff_2, 0.0);
    EXPECT_EQ(T.t_2, 15.0);   // beyond the first group
}

TEST(Default_T_Stub_Tension, NewPosition) {
    T_Stub_Tension T{};
    Default_T_Stub_Tension(&T);
    EXPECT_EQ(T.single_row, 1);
    EXPECT_EQ(T.inner_row, 0);
    EXPECT_EQ(T.row_count, 1);
    EXPECT_EQ(T.e, 50.0);
    EXPECT_EQ(T.e_1, 60.0);
    EXPECT_EQ(T.m, 30.0);
    EXPECT_EQ(T.m_1, 25.0);
    EXPECT_EQ(T.flange.t, 20.0);
    EXPECT_EQ(T.flange.l, 140.0);
    EXPECT_EQ(T.fastener.size_index, Bolt_Size_M20);
    EXPECT_EQ(T.fastener.class_index, Bolt_Class_10_9);
    EXPECT_DOUBLE_EQ(T.fastener.d_p, 37.0);   // derived
}

TEST(Copy_T_Stub_Tension, CopiesTheInputButNoResults) {
    T_Stub_Tension S = Stored_Record();
    S.check_context.summary = 1;
    S.e_min = 44.0;
    S.U_max = 0.7;
    S.F_T_Rd = 1000.0;
    T_Stub_Tension T{};
    Init_T_Stub_Tension(&T);
    T.U_max = 0.2;
    Copy_T_Stub_Tension(&S, &T);
    const std::string written_source = Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &S); });
    EXPECT_EQ(Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &T); }), written_source);
    EXPECT_EQ(T.check_context.summary, 1);
    EXPECT_EQ(T.e_min, 44.0);
    EXPECT_EQ(T.U_max, 0.2);
    EXPECT_EQ(T.F_T_Rd, 0.0);

    Copy_T_Stub_Tension(nullptr, &T);
    EXPECT_EQ(T.row_count, 1);
    EXPECT_EQ(T.e, 0.0);
    Copy_T_Stub_Tension(&S, nullptr);
}

TEST(Prepare_T_Stub_Tension_Check, ContextAndRunFields) {
    Safety_Factors factors{};
    T_Stub_Tension T = Stored_Record();
    T.k2_full = 1;
    T.fillet_by_shear = 0;
    T.weld_argument = 5.0;
    T.check_context.extra = 3;
    Prepare_T_Stub_Tension_Check(&T, 1, 1, &factors);
    EXPECT_EQ(T.check_context.uniform_steel, 1);
    EXPECT_EQ(T.check_context.verification, 1);
    EXPECT_EQ(T.check_context.summary, 1);
    EXPECT_EQ(T.check_context.extra, 0);
    EXPECT_EQ(T.check_context.factors, &factors);
    EXPECT_EQ(T.k2_full, 0);
    EXPECT_EQ(T.fillet_by_shear, 1);
    EXPECT_EQ(T.weld_argument, 0.0);
    Prepare_T_Stub_Tension_Check(nullptr, 0, 0, &factors);
}

TEST(Is_L_Stub, OnlyAtTheExtensionOrWithGivenLengths) {
    struct Case {
        int l_stub, lengths_given, location;
        bool expected;
    };
    const Case cases[] = {
        {0, 1, T_Stub_Extension, false}, {1, 0, T_Stub_Extension, true},   {1, 0, T_Stub_End_Plate, false},
        {1, 0, T_Stub_Column_Flange, false}, {1, 1, T_Stub_Column_Flange, true},
    };
    for (const Case& c : cases) {
        T_Stub_Tension T{};
        Init_T_Stub_Tension(&T);
        T.l_stub = c.l_stub;
        T.lengths_given = c.lengths_given;
        T.location = c.location;
        EXPECT_EQ(Is_L_Stub(T), c.expected) << c.l_stub << c.lengths_given << c.location;
    }
}

TEST(Write_T_Stub_Tension, BlockOfVersionEightWithInnerVersionSix) {
    const T_Stub_Tension T = Stored_Record();
    const std::string block = Capture_Output([&](FILE* f) { EXPECT_EQ(Write_T_Stub_Tension(f, &T), 0); });
    EXPECT_EQ(block, " 8\n 6\n 1 1 0\n"
                     " 300.500000 250.250000 50.000000 60.000000 3 80.000000 30.000000 140.000000 16.000000 25.000000\n"
                     " 0 4 35.000000 140.000000 5.000000 1 0.000000 0 1\n" +
                         Plate_Block(20.0, 0.0, 140.0) + Plate_Block(8.0, 0.0, 0.0) + Default_Fastener_Block() +
                         " 1 0 100000.000000 90000.000000 80000.000000\n"
                         " 1 15.000000\n" +
                         Plate_Block(10.0, 0.0, 200.0) + " 8.600000 1 0 1 1\n");
    EXPECT_EQ(Write_T_Stub_Tension(nullptr, &T), 1);
    EXPECT_EQ(Capture_Output([](FILE* f) { EXPECT_EQ(Write_T_Stub_Tension(f, nullptr), 1); }), "");
}

TEST(Write_T_Stub_Tension, OneRowWritesOneForce) {
    T_Stub_Tension T = Stored_Record();
    T.row_count = 1;
    const std::string block = Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &T); });
    EXPECT_NE(block.find(" 1 0 100000.000000\n 1 15.000000\n"), std::string::npos) << block;
}

TEST(Read_T_Stub_Tension, RoundTripByEdition) {
    Set_Code_Edition(0);
    // A record read once carries the materials derived by their readers; from then on a round trip
    // gives the same block.
    const T_Stub_Tension S = Read(Capture_Output([](FILE* f) {
                                      const T_Stub_Tension stored = Stored_Record();
                                      Write_T_Stub_Tension(f, &stored);
                                  }),
                                  0);
    EXPECT_EQ(S.sum_l_eff_2, 250.25);
    EXPECT_EQ(S.row_at_free_edge, 1);
    EXPECT_EQ(S.F_t_Ed[2], 80000.0);
    EXPECT_EQ(S.t_bp, 8.0);
    EXPECT_EQ(S.web.l, 200.0);
    EXPECT_EQ(S.t_w, 8.6);
    EXPECT_EQ(S.edge_check_mode, Edge_Check_Enforced);
    const std::string block = Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &S); });
    for (int edition : {0, 1}) {
        Set_Code_Edition(edition);
        T_Stub_Tension T = Read(block, 0);
        // A read record checks its web weld; one bolt in the extension is a 2010 rule.
        EXPECT_EQ(T.skip_weld_check, 0);
        EXPECT_EQ(T.one_bolt_in_extension, edition == 0 ? 1 : 0);
        T.skip_weld_check = S.skip_weld_check;
        T.one_bolt_in_extension = S.one_bolt_in_extension;
        EXPECT_EQ(Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &T); }), block) << edition;
    }
    Set_Code_Edition(0);
}

TEST(Read_T_Stub_Tension, OlderBlockVersions) {
    Set_Code_Edition(0);
    // Version 0: the force of row 1 only, the flange length in the width field, a backing plate
    // by its thickness, no t_2, no web plate (its length is b_st).
    T_Stub_Tension T = Read(Old_Block(0, 6, 8.0), 0);
    EXPECT_EQ(T.row_count, 3);
    EXPECT_EQ(T.F_t_Ed[0], 100000.0);
    EXPECT_EQ(T.F_t_Ed[1], 5.0);
    EXPECT_EQ(T.flange.l, 140.0);
    EXPECT_EQ(T.flange.b, 0.0);
    EXPECT_EQ(T.backing_plate, 1);
    EXPECT_EQ(T.t_bp, 8.0);
    EXPECT_EQ(T.t_2, 0.0);
    EXPECT_EQ(T.web.l, 140.0);
    EXPECT_EQ(T.web.t, 0.0);
    EXPECT_EQ(T.ih2_connection, 0);
    EXPECT_EQ(T.t_w, 7.0);      // not in the block
    EXPECT_EQ(T.l_stub, 1);     // not in the block
    EXPECT_EQ(T.skip_weld_check, 0);

    // Version 1: all row forces.
    T = Read(Old_Block(1, 6, 8.0), 0);
    EXPECT_EQ(T.F_t_Ed[1], 90000.0);
    EXPECT_EQ(T.F_t_Ed[2], 80000.0);
    EXPECT_EQ(T.flange.l, 140.0);
    EXPECT_EQ(T.flange.b, 0.0);

    // Version 2: the flange as it is; a backing plate of 0.05 mm is none.
    T = Read(Old_Block(2, 6, 0.05), 0);
    EXPECT_EQ(T.flange.l, 140.0);
    EXPECT_EQ(T.backing_plate, 0);
    EXPECT_EQ(Read(Old_Block(2, 6, 8.0), 0).backing_plate, 1);

    // Version 3: the backing-plate switch as stored (0 beside t_bp 8).
    EXPECT_EQ(Read(Old_Block(3, 6, 8.0), 0).backing_plate, 0);

    // Version 4: t_2; version 5: the web plate with t_w and the IH2 switch.
    T = Read(Old_Block(4, 6, 8.0), 0);
    EXPECT_EQ(T.t_2, 12.0);
    EXPECT_EQ(T.web.l, 140.0);
    T = Read(Old_Block(5, 6, 8.0), 0);
    EXPECT_EQ(T.web.l, 180.0);
    EXPECT_EQ(T.web.t, 10.0);
    EXPECT_EQ(T.t_w, 8.6);
    EXPECT_EQ(T.ih2_connection, 1);
    EXPECT_EQ(T.l_stub, 1);

    // Version 7: the L-stub switch as stored; version 8: one bolt in the extension.
    T = Read(Old_Block(6, 6, 8.0), 0);
    EXPECT_EQ(T.l_stub, 1);
    EXPECT_EQ(T.one_bolt_in_extension, 0);
    T = Read(Old_Block(7, 6, 8.0), 0);
    EXPECT_EQ(T.l_stub, 0);
    EXPECT_EQ(T.one_bolt_in_extension, 0);
    EXPECT_EQ(Read(Old_Block(8, 6, 8.0), 0).one_bolt_in_extension, 1);
}

TEST(Read_T_Stub_Tension, OlderInnerVersions) {
    struct Case {
        int v;
        int single_row, bolts_per_row, method, extension_stiffener, free_edge;
        double w, b_st, w_extension;
    };
    // The items of the first group that an inner version lacks take the values of a new record.
    const Case cases[] = {
        {0, 0, 0, Four_Bolt_Handbook, 0, 0, 0.0, 0.0, 0.0},
        {1, 0, 0, Four_Bolt_Handbook, 0, 0, 0.0, 0.0, 0.0},
        {2, 0, 4, Four_Bolt_Handbook, 0, 0, 35.0, 140.0, 0.0},
        {3, 0, 4, Four_Bolt_Research_Report, 0, 0, 35.0, 140.0, 0.0},
        {4, 0, 4, Four_Bolt_Research_Report, 0, 0, 35.0, 140.0, 70.0},
        {5, 0, 4, Four_Bolt_Research_Report, 1, 0, 35.0, 140.0, 70.0},
        {6, 0, 4, Four_Bolt_Research_Report, 1, 1, 35.0, 140.0, 70.0},
    };
    for (const Case& c : cases) {
        const std::string block = Old_Block(8, c.v, 8.0);
        Text_Stream in(block);
        T_Stub_Tension T = Stored_Record();   // every first-group field set
        T.single_row = 1;
        ASSERT_EQ(Read_T_Stub_Tension(in.stream, &T), 0) << c.v;
        EXPECT_EQ(T.single_row, c.single_row) << c.v;
        EXPECT_EQ(T.bolts_per_row, c.bolts_per_row) << c.v;
        EXPECT_EQ(T.four_bolt_method, c.method) << c.v;
        EXPECT_EQ(T.extension_stiffener, c.extension_stiffener) << c.v;
        EXPECT_EQ(T.row_at_free_edge, c.free_edge) << c.v;
        EXPECT_EQ(T.w, c.w) << c.v;
        EXPECT_EQ(T.b_st, c.b_st) << c.v;
        EXPECT_EQ(T.w_extension, c.w_extension) << c.v;
        EXPECT_EQ(T.m_2, 16.0) << c.v;
    }
}

TEST(Read_T_Stub_Tension, RowCounts) {
    // Below 1: the one force that every block holds, read as one row.
    T_Stub_Tension T = Read(Capture_Output([](FILE* f) {
                 T_Stub_Tension S = Stored_Record();
                 S.row_count = 0;
                 Write_T_Stub_Tension(f, &S);
             }),
             0);
    EXPECT_EQ(T.row_count, 1);
    EXPECT_EQ(T.F_t_Ed[0], 100000.0);
    EXPECT_EQ(T.t_w, 8.6);

    // 20 rows, the most the record holds.
    T_Stub_Tension S = Stored_Record();
    S.row_count = 20;
    for (int row = 0; row < 20; ++row) S.F_t_Ed[row] = 1000.0 * (row + 1);
    const std::string block_20 = Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &S); });
    T = Read(block_20, 0);
    EXPECT_EQ(T.row_count, 20);
    EXPECT_EQ(T.F_t_Ed[19], 20000.0);
    EXPECT_EQ(T.t_w, 8.6);

    // 21 rows: a damaged block.
    Refresh_Mode = 1;
    std::string block_21 = block_20;
    block_21.replace(block_21.find(" 20 80.000000"), 13, " 21 80.000000");
    Read(block_21, 1);
    // A record of 21 rows in memory is written as 20, so that its block stays readable.
    S.row_count = 21;
    EXPECT_EQ(Capture_Output([&](FILE* f) { Write_T_Stub_Tension(f, &S); }), block_20);
}

TEST(Read_T_Stub_Tension, NewerOrDamagedBlocksFail) {
    Refresh_Mode = 1;
    const std::string good = Old_Block(8, 6, 8.0);
    const std::string blocks[] = {
        " 9\n" + good.substr(3),                        // block version newer than the program
        " 8\n 7\n" + good.substr(6),                    // inner version newer
        good.substr(0, good.size() - 3),                // one bolt in the extension missing
        " 8\n 6\n 0 1\n",                               // two of three switches
        " 8\n 6\n 0 1 1\n 0 0 50 60 x",                 // row count not a number
        "",
    };
    for (const std::string& block : blocks) Read(block, 1);
    // 9999 and above are accepted as the program's own.
    EXPECT_EQ(Read(" 9999\n" + good.substr(3), 0).one_bolt_in_extension, 1);
    EXPECT_EQ(Read_T_Stub_Tension(nullptr, nullptr), 1);
}

TEST(Read_T_Stub_Tension, NewerBlockShowsTheNotice) {
    Refresh_Mode = 0;
    Clear_Host_Message_History();
    Read(" 9\n" + Old_Block(8, 6, 8.0).substr(3), 1);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_NE(Host_Message_History()[0].find("Die Eingabedatei ist aktueller als die Programmversion"),
              std::string::npos);
}
