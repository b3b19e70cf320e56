#include "checks/weld_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/weld_input_check.h"
#include "common/cp437.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

// A plate block as old files hold it: thickness, no width or length, material block version 0.
std::string Plate_Block(const char* t) {
    return std::string(" 0\n ") + t + " 0 0\n 0\n 0 0 0 0 0.8 210000 0.3 80769 1.2\n";
}

const std::string Init_Material =
    " 3\n 0 0 0.000000 0.000000 0.800000 210000.000000 0.300000 80769.230769 1.200000"
    " 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\n ~~~~~~~~~~~~~~~~~~~~~~~~~\n 0\n";

const char* const Doubling_Notice =
    "*** Die Bemessungskräfte in der Nahtwurzel werden nun auf die gesamte Nahtlänge bezogen. ***"_cp;

Weld_Connection Read_Block(const std::string& block, int expected_result) {
    Text_Stream in(block);
    Weld_Connection c;
    Init_Weld_Connection(&c);
    EXPECT_EQ(Read_Weld_Connection(in.stream, &c), expected_result) << block;
    return c;
}

}   // namespace

TEST(Filler_Metal_Table, RowsNamesStrengthsAndBetaW) {
    struct Row {
        const char* name;
        double f_u, beta_w;
    };
    const Row rows[] = {{"G42", 500, 0.89}, {"G46", 530, 0.85}, {"G69", 770, 1.09}, {"G89", 940, 1.19}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(std::string(Get_Filler_Metal_Name(k)), rows[k].name);
        EXPECT_DOUBLE_EQ(Get_Filler_Metal_Strength(0, k, 123.0), rows[k].f_u);
        EXPECT_DOUBLE_EQ(Get_Filler_Metal_Beta_W(0, k, 0.0), rows[k].beta_w);
    }
    EXPECT_EQ(std::string(Get_Filler_Metal_Name(4)), "");
    EXPECT_EQ(std::string(Get_Filler_Metal_Name(-1)), "");
    EXPECT_DOUBLE_EQ(Get_Filler_Metal_Strength(1, 2, 800.0), 800.0);   // own value
    EXPECT_DOUBLE_EQ(Get_Filler_Metal_Strength(0, 7, 800.0), 800.0);   // no table row

    // An own strength takes β_w of the next stronger table row.
    const double own[][2] = {{450, 0.89}, {500.0005, 0.89}, {500.01, 0.85}, {530, 0.85},
                             {700, 1.09}, {770.0, 1.09},    {800, 1.19},    {1000, 1.19}};
    for (const auto& o : own) EXPECT_DOUBLE_EQ(Get_Filler_Metal_Beta_W(1, 0, o[0]), o[1]) << o[0];
}

TEST(Weld_Record, InitCopyCompareAndDefaults) {
    Weld w;
    ASSERT_EQ(Init_Weld(&w), &w);
    EXPECT_EQ(w.type, 0);
    EXPECT_DOUBLE_EQ(w.theta, 90.0);
    EXPECT_DOUBLE_EQ(w.a, 0.0);
    EXPECT_EQ(Init_Weld(nullptr), nullptr);

    Default_Weld(&w);
    EXPECT_EQ(w.type, Weld_Fillet);
    EXPECT_DOUBLE_EQ(w.a, 4.0);
    EXPECT_DOUBLE_EQ(w.l_w, 130.0);
    EXPECT_DOUBLE_EQ(w.theta, 90.0);
    EXPECT_EQ(w.full_length, 1);
    EXPECT_DOUBLE_EQ(w.f_u_FM, 500.0);   // the table filler G42
    EXPECT_DOUBLE_EQ(w.e, 0.0);

    Weld v;
    Copy_Weld(&w, &v);
    EXPECT_EQ(Compare_Weld(&w, &v), 1);
    v.l_w += 0.011;
    EXPECT_EQ(Compare_Weld(&w, &v), 0);
    v.l_w = w.l_w + 0.009;
    EXPECT_EQ(Compare_Weld(&w, &v), 1);
    v.own_strength = 1;
    EXPECT_EQ(Compare_Weld(&w, &v), 0);
    EXPECT_EQ(Compare_Weld(&w, nullptr), 0);
    Copy_Weld(nullptr, &v);
    EXPECT_DOUBLE_EQ(v.theta, 90.0);
    EXPECT_DOUBLE_EQ(v.a, 0.0);

    Weld_Connection c;
    c.U_max = 0.7;
    Default_Weld_Connection(&c);
    EXPECT_EQ(c.side, Weld_Two_Sided);
    EXPECT_EQ(c.flags, 40);
    EXPECT_EQ(c.force_mode, 0);
    EXPECT_DOUBLE_EQ(c.plate1.t, 10.0);
    EXPECT_DOUBLE_EQ(c.plate2.t, 16.0);
    EXPECT_DOUBLE_EQ(c.weld.l_w, 130.0);
    EXPECT_DOUBLE_EQ(c.N_Ed, 0.0);
    EXPECT_EQ(c.context.factors, nullptr);
    EXPECT_DOUBLE_EQ(c.U_max, 0.7);   // results are cleared by each run, not by the init

    // The copy takes the inputs but neither context, l_eff nor results.
    c.N_Ed = 5000.0;
    c.l_eff = 99.0;
    c.reserved_double = 2.5;
    Weld_Connection d;
    d.l_eff = 1.0;
    Copy_Weld_Connection(&c, &d);
    EXPECT_DOUBLE_EQ(d.N_Ed, 5000.0);
    EXPECT_DOUBLE_EQ(d.reserved_double, 2.5);
    EXPECT_DOUBLE_EQ(d.plate2.t, 16.0);
    EXPECT_DOUBLE_EQ(d.l_eff, 0.0);
}

TEST(Write_Weld_Connection, BlockVersionSevenAndRoundTrip) {
    Weld_Connection c;
    Default_Weld_Connection(&c);
    c.N_Ed = 1000.5;
    c.V_par_Ed = 2;
    c.M_perp_Ed = 3;
    c.V_perp_Ed = 4;
    c.F_sigma_perp = 5;
    c.F_tau_perp = 6;
    c.F_tau_par = 7;
    c.sigma_perp = 8;
    c.tau_perp = 9;
    c.tau_par = 10;
    c.F_w_Ed = 11;
    c.sigma_w_Ed = 12;
    c.side = 2;
    c.packing = 1;
    c.t_p = 6.0;
    c.M_par_Ed = 13;
    c.reserved_int = 14;
    c.reserved_double = 15.5;
    c.weld.e = 1.5;
    c.weld.d = 20;
    c.weld.l = 30;
    c.weld.full_penetration = 1;
    c.weld.high_strength_filler = 1;
    c.weld.filler_index = 2;

    const std::string block = Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Weld_Connection(f, &c), 0); });
    EXPECT_EQ(block,
              " 7\n"
              " 3\n"
              " 0 4.000000 20.000000 30.000000 1 0 90.000000 130.000000 1 1.500000\n"
              " 1 2 0 500.000000\n"
              " 0\n 10.000000 0.000000 0.000000\n" +
                  Init_Material + " 0\n 16.000000 0.000000 0.000000\n" + Init_Material +
                  " 0\n 6.000000 0.000000 0.000000\n" + Init_Material +
                  " 40 0 1000.500000 2.000000 3.000000 4.000000 5.000000 6.000000 7.000000"
                  " 8.000000 9.000000 10.000000 11.000000 12.000000 2 1"
                  " 13.000000 14 15.500000\n");

    Weld_Connection r = Read_Block(block, 0);
    EXPECT_EQ(Compare_Weld(&c.weld, &r.weld), 1);
    EXPECT_EQ(r.weld.filler_index, 2);
    EXPECT_DOUBLE_EQ(r.plate1.t, 10.0);
    EXPECT_DOUBLE_EQ(r.plate2.t, 16.0);
    EXPECT_DOUBLE_EQ(r.t_p, 6.0);
    EXPECT_EQ(r.side, 2);
    EXPECT_EQ(r.packing, 1);
    EXPECT_EQ(r.flags, 40);
    const double written[] = {c.N_Ed,       c.V_par_Ed,   c.M_perp_Ed,  c.V_perp_Ed,      c.F_sigma_perp,
                              c.F_tau_perp, c.F_tau_par,  c.sigma_perp, c.tau_perp,       c.tau_par,
                              c.F_w_Ed,     c.sigma_w_Ed, c.M_par_Ed,   c.reserved_double};
    const double read[] = {r.N_Ed,       r.V_par_Ed,   r.M_perp_Ed,  r.V_perp_Ed,      r.F_sigma_perp,
                           r.F_tau_perp, r.F_tau_par,  r.sigma_perp, r.tau_perp,       r.tau_par,
                           r.F_w_Ed,     r.sigma_w_Ed, r.M_par_Ed,   r.reserved_double};
    for (int k = 0; k < 14; ++k) EXPECT_DOUBLE_EQ(read[k], written[k]) << k;
    EXPECT_EQ(r.reserved_int, 14);

    // Every write that fails, and a null record.
    EXPECT_EQ(Write_Weld_Connection(nullptr, &c), 1);
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Weld_Connection(f, nullptr), 1); }), "");
}

TEST(Read_Weld_Connection, OlderBlockVersions) {
    Refresh_Mode = 0;
    const std::string plates = Plate_Block("10") + Plate_Block("12");
    struct Case {
        const char* name;
        std::string block;
        double l_w, V_perp, F_sigma, M_par, e, f_u_FM, t_p;
        int side, packing, flags, full_length;
    };
    const Case cases[] = {
        // Version 0: the sixth force number is the weld length; no side, no packing switch.
        {"v0", " 0\n 0\n 0 4 0 0 0 0 90\n" + plates + Plate_Block("0") + " 8 0 1000 0 0 150 0 0 0 0 0 0 0 0\n", 150, 0,
         0, 0, 0, 0, 0, 0, 0, 40, 0},
        // Version 2: a stored side 0 meant one-sided on the left; a packing of 0.05 mm is none.
        {"v2 one-sided",
         " 2\n 2\n 0 4 0 0 0 0 90 120 1 0.5\n" + plates + Plate_Block("0.05") + " 8 0 1000 0 0 7 0 0 0 0 0 0 0 0 0\n",
         120, 7, 0, 0, 0.5, 0, 0.05, 1, 0, 40, 1},
        {"v2 packing",
         " 2\n 1\n 0 4 0 0 0 0 90 120 0\n" + plates + Plate_Block("5") + " 8 0 1000 0 0 7 0 0 0 0 0 0 0 0 1\n", 120, 7,
         0, 0, 0, 0, 5, 0, 1, 40, 0},
        // Version 3: a stored 1 meant two-sided.
        {"v3 two-sided",
         " 3\n 3\n 0 4 0 0 0 0 90 120 1 0\n 1 2 0 770\n" + plates + Plate_Block("0") +
             " 8 0 1000 0 0 7 0 0 0 0 0 0 0 0 1 0\n",
         120, 7, 0, 0, 0, 770, 0, 0, 0, 40, 1},
        // Version 4 reads M∥; a one-sided weld keeps its line forces.
        {"v4 one-sided",
         " 4\n 3\n 0 4 0 0 0 0 90 120 1 0\n 0 0 0 500\n" + plates + Plate_Block("0") +
             " 8 1 0 0 0 0 10000 0 0 0 0 0 0 0 0 0 2500\n",
         120, 0, 10000, 2500, 0, 500, 0, 1, 0, 40, 1},
        // Version 6 keeps the side as stored; the flag word 4 becomes 36.
        {"v6",
         " 6\n 3\n 0 4 0 0 0 0 90 120 1 0\n 0 0 0 500\n" + plates + Plate_Block("0") +
             " 4 0 0 0 0 0 0 0 0 0 0 0 0 0 2 0 0\n",
         120, 0, 0, 0, 0, 500, 0, 2, 0, 36, 1},
    };
    for (const Case& k : cases) {
        Clear_Host_Message_History();
        const Weld_Connection c = Read_Block(k.block, 0);
        EXPECT_DOUBLE_EQ(c.weld.l_w, k.l_w) << k.name;
        EXPECT_DOUBLE_EQ(c.V_perp_Ed, k.V_perp) << k.name;
        EXPECT_DOUBLE_EQ(c.F_sigma_perp, k.F_sigma) << k.name;
        EXPECT_DOUBLE_EQ(c.M_par_Ed, k.M_par) << k.name;
        EXPECT_DOUBLE_EQ(c.weld.e, k.e) << k.name;
        EXPECT_DOUBLE_EQ(c.weld.f_u_FM, k.f_u_FM) << k.name;
        EXPECT_DOUBLE_EQ(c.t_p, k.t_p) << k.name;
        EXPECT_EQ(c.side, k.side) << k.name;
        EXPECT_EQ(c.packing, k.packing) << k.name;
        EXPECT_EQ(c.flags, k.flags) << k.name;
        EXPECT_EQ(c.weld.full_length, k.full_length) << k.name;
        EXPECT_DOUBLE_EQ(c.plate2.t, 12.0) << k.name;
        EXPECT_DOUBLE_EQ(c.N_Ed, k.flags == 36 || k.F_sigma > 0 ? 0.0 : 1000.0) << k.name;
        EXPECT_TRUE(Host_Message_History().empty()) << k.name;
    }
}

TEST(Read_Weld_Connection, TwoSidedLineForcesOfOldBlocksAreDoubledWithOneNotice) {
    const std::string block = " 4\n 3\n 0 4 0 0 0 0 90 120 1 0\n 0 0 0 500\n" + Plate_Block("10") + Plate_Block("12") +
                              Plate_Block("0") + " 8 1 0 0 0 0 10000 3000 -500 0 0 0 800 0 1 0 0\n";
    Refresh_Mode = 0;
    Clear_Host_Message_History();
    Weld_Connection c = Read_Block(block, 0);
    EXPECT_EQ(c.side, Weld_Two_Sided);
    EXPECT_DOUBLE_EQ(c.F_sigma_perp, 20000.0);
    EXPECT_DOUBLE_EQ(c.F_tau_perp, 6000.0);
    EXPECT_DOUBLE_EQ(c.F_tau_par, -1000.0);
    EXPECT_DOUBLE_EQ(c.F_w_Ed, 1600.0);
    EXPECT_EQ(Host_Message_History(), std::vector<std::string>{Doubling_Notice});

    // The batch road doubles silently.
    Refresh_Mode = 1;
    Clear_Host_Message_History();
    c = Read_Block(block, 0);
    EXPECT_DOUBLE_EQ(c.F_sigma_perp, 20000.0);
    EXPECT_TRUE(Host_Message_History().empty());

    // From version 5 on the forces stand as stored.
    std::string v5 = block;
    v5[1] = '5';
    c = Read_Block(v5, 0);
    EXPECT_DOUBLE_EQ(c.F_sigma_perp, 10000.0);
}

TEST(Read_Weld_Connection, NewerAndDamagedBlocksFail) {
    Refresh_Mode = 1;
    const std::string tail =
        " 3\n 0 4 0 0 0 0 90 120 1 0\n 0 0 0 500\n" + Plate_Block("10") + Plate_Block("12") + Plate_Block("0");
    const std::string forces = " 8 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
    const std::string bad[] = {
        " 8\n" + tail + forces,   // newer than the program
        " 9998\n" + tail + forces,
        " 7\n 4\n 0 4 0 0 0 0 90 120 1 0\n 0 0 0 500\n",          // newer weld sub-block
        " 7\n" + tail + " 8 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n",   // the reserved values missing
        " 7\n 3\n 0 4 0 0\n",                                     // short weld line
        "",
    };
    for (const std::string& block : bad) Read_Block(block, 1);
    Read_Block(" 7\n" + tail + forces, 0);

    Refresh_Mode = 0;
    Clear_Host_Message_History();
    Read_Block(" 8\n" + tail + forces, 1);
    EXPECT_EQ(Host_Message_History().size(), 1u);   // the newer-version notice of the window road
}
