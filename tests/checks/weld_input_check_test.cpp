#include "checks/weld_input_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/weld_test_support.h"
#include "platform/host/host_library.h"
#include "report/report_capture.h"

using namespace weld_text;

namespace {

// The report lines that the input check writes, in one paragraph block.
std::string Input_Lines(Weld_Connection& c, int verbose, int* result) {
    return Paragraph_Of([&](FILE* f) { *result = Check_Weld_Input(c, f, 1, verbose); });
}

std::string Throat_Lines(Weld& w, double t1, double t2, int side, int verbose, int* result) {
    return Paragraph_Of([&](FILE* f) { *result = Check_Weld_Throat(&w, t1, t2, side, 0, f, 1, "", verbose); });
}

}   // namespace

TEST(Check_Weld_Throat, OpeningAngleOfFilletWelds) {
    struct Case {
        int type;
        double theta, t1, t2, expected;
    };
    const Case cases[] = {
        {Weld_Fillet, 45, 10, 12, 60},                                      // clipped to the fillet-weld range
        {Weld_Fillet, 45, 10, 0, 45},                                       // plates not given yet
        {Weld_Fillet, 130, 10, 12, 120}, {Weld_Fillet, 0.05, 10, 12, 90},   // no angle means a right angle
        {Weld_Slot, 45, 10, 12, 90},     {Weld_Plug, 0, 10, 12, 90},
        {Weld_Butt, 45, 10, 12, 45},     {Weld_Butt, 0, 10, 12, 0},   // butt joint in line
    };
    for (const Case& k : cases) {
        Weld w;
        Init_Weld(&w);
        w.type = k.type;
        w.a = 4.0;
        w.theta = k.theta;
        w.l = w.d = 30.0;
        Check_Weld_Throat(&w, k.t1, k.t2, Weld_Two_Sided, 0, nullptr, 0, "", 0);
        EXPECT_DOUBLE_EQ(w.theta, k.expected) << k.type << " " << k.theta;
    }
    EXPECT_EQ(Check_Weld_Throat(nullptr, 10, 10, 0, 0, nullptr, 1, "", 1), 0);
}

TEST(Check_Weld_Throat, PlateThicknessByCodeEdition) {
    Weld_Fixture F(3.5, 10.0);
    for (int edition : {0, 1}) {
        Set_Code_Edition(edition);
        Clear_Host_Message_History();
        int result = -1;
        const std::string lines = Throat_Lines(F.c.weld, 3.5, 10.0, Weld_Two_Sided, 0, &result);
        if (edition == 0) {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(Host_Message_History(), std::vector<std::string>{"Blechdicke t1 = 3.5 mm < 4.0 mm"});
            EXPECT_EQ(lines, Para_Head + " Blechdicke t╬\\1╬r = 3.5 mm < 4.0 mm  "_cp + Not_Ok_Mark + "\n" + Para_End);
        } else {
            EXPECT_EQ(result, 0);
            EXPECT_TRUE(Host_Message_History().empty());
            EXPECT_EQ(lines, "");
        }
    }
    EXPECT_DOUBLE_EQ(Weld_Min_Plate_Thickness(1), 1.5);
    Set_Code_Edition(0);
    EXPECT_DOUBLE_EQ(Weld_Min_Plate_Thickness(1), 2.5);
}

TEST(Check_Weld_Throat, ThroatRulesWithAndWithoutTheGermanAnnex) {
    struct Case {
        const char* name;
        int na_de;
        double t1, t2, a;
        int verbose;
        std::string lines;
        int footnote;
    };
    const Case cases[] = {
        {"NA-DE thin throat", 1, 10, 20, 3.5, 0,
         " NA-DE: Blechdicke t╬\\max╬r ≥ 3 mm: Nahtdicke a = 3.5 mm < a╬\\min╬r = t╬\\max╬r╬/1/2╬r - 0.5 = 3.97 mm  "_cp +
             Condition_Mark + "\n",
         1},
        {"recommended rules", 0, 10, 20, 3.5, 0, "", 0},
        {"below 3 mm", 0, 10, 20, 2.5, 0, " Nahtdicke a = 2.5 mm < a╬\\min╬r = 3 mm  "_cp + Condition_Mark + "\n", 1},
        {"NA-DE thick throat", 1, 8, 20, 6.0, 0,
         " Nahtdicke a = 6.0 mm > a╬\\max╬r = 0.7╬/.╬rt╬\\min╬r = 5.6 mm (Schweißtechnik, s. DIN 18800)  "_cp +
             Warning_Mark + "\n",
         0},
        {"NA-DE within margin", 1, 8, 20, 5.65, 0, "", 0},
        {"NA-DE within margin, verbose", 1, 8, 20, 5.65, 1,
         " Blechdicke t╬\\1╬r = 8.0 mm > 4.0 mm  "_cp + Note_Ok_Mark + "\n" +
             " Blechdicke t╬\\2╬r = 20.0 mm > 4.0 mm  "_cp + Note_Ok_Mark + "\n" +
             " NA-DE: Blechdicke t╬\\max╬r ≥ 3 mm: Nahtdicke a = 5.7 mm > a╬\\min╬r = t╬\\max╬r╬/1/2╬r - 0.5 = 3.97 mm  "_cp +
             Note_Ok_Mark + "\n" +
             " Nahtdicke a = 5.7 mm > a╬\\max╬r = 0.7╬/.╬rt╬\\min╬r = 5.6 mm (Schweißtechnik, s. DIN 18800)  "_cp +
             Warning_Mark + "\n" + " Nahtdicke a = 5.7 mm > a╬\\min╬r = 3 mm  "_cp + Note_Ok_Mark + "\n",
         0},
        // From 30 mm the German annex asks for 5 mm: a red mark, no error, and no 3 mm line.
        {"NA-DE 30 mm plate", 1, 30, 30, 2.0, 0,
         " NA-DE: Blechdicke t╬\\max╬r ≥ 30 mm: Nahtdicke a = 2.0 mm < a╬\\min╬r = 5 mm  "_cp + Error_Mark + "\n", 0},
        // The thinner plate below t_min leaves the upper limit to the thicker one.
        {"NA-DE thin plate", 1, 3, 10, 6.0, 0, " Blechdicke t╬\\1╬r = 3.0 mm < 4.0 mm  "_cp + Not_Ok_Mark + "\n", 0},
    };
    for (const Case& k : cases) {
        Weld_Fixture F(k.t1, k.t2);
        NAD_Get_EC3()->variant = k.na_de;
        F.c.weld.a = k.a;
        int result = -1;
        const std::string lines = Throat_Lines(F.c.weld, k.t1, k.t2, Weld_Two_Sided, k.verbose, &result);
        EXPECT_EQ(lines, k.lines.empty() ? "" : Para_Head + k.lines + Para_End) << k.name;
        EXPECT_EQ(result, k.t1 < 4 ? 1 : 0) << k.name;
        EXPECT_EQ(EC3_Condition_Footnote_Flag, k.footnote) << k.name;
    }

    // The boxes of the German annex rules.
    Weld_Fixture F(30, 30);
    NAD_Get_EC3()->variant = 1;
    F.c.weld.a = 4.0;
    Clear_Host_Message_History();
    Check_Weld_Throat(&F.c.weld, 30, 30, 0, 0, nullptr, 1, "", 0);
    EXPECT_EQ(Host_Message_History(),
              std::vector<std::string>{"NA-DE: Blechdicke tmax ≥ 30 mm: Nahtdicke a = 4.0 mm < amin = 5.00 mm"_cp});
}

TEST(Check_Weld_Throat, PartialPenetrationLeavesTheRootFace) {
    struct Case {
        int side;
        double a;
        int result;
        std::string line;
    };
    // Plates of 12 mm in line: Δt = 3 mm on both sides, 0.2 t = 2.4 mm from one side.
    const Case cases[] = {
        {Weld_Two_Sided, 4.5, 0, ""},
        {Weld_Two_Sided, 4.6, 1,
         " nicht durchgeschweißt: Nahtdicke a = 4.6 mm > (t-út)/2 = 4.5 mm, t = 12.0 mm, út = 3.0 mm  "_cp +
             Not_Ok_Mark},
        {Weld_One_Sided_Left, 9.6, 0, ""},
        {Weld_One_Sided_Left, 9.7, 1,
         " nicht durchgeschweißt: Nahtdicke a = 9.7 mm > t-út = 9.6 mm, t = 12.0 mm, út = 2.4 mm  "_cp + Not_Ok_Mark},
        {Weld_Two_Sided, 0.05, 0, " Nahtdicke a = 0  ê  kein Check"_cp},
    };
    for (const Case& k : cases) {
        Weld_Fixture F(12, 12);
        Weld& w = F.c.weld;
        w.type = Weld_Butt;
        w.theta = 0.0;
        w.a = k.a;
        Clear_Host_Message_History();
        int result = -1;
        EXPECT_EQ(Throat_Lines(w, 12, 12, k.side, 0, &result),
                  k.line.empty() ? "" : Para_Head + k.line + "\n" + Para_End)
            << k.side << " " << k.a;
        EXPECT_EQ(result, k.result);
        EXPECT_EQ(Host_Message_History().size(), static_cast<std::size_t>(k.result));
    }

    // An inclined joint welded from the right has the same thickness across its fusion face as one
    // welded from the left, |t_2/sin θ|; at 90° that is t_2 itself: a 12 mm throat in a 10 mm plate
    // exceeds 10 − 2 = 8 mm (the former sine of 90° − θ divided by 0 and let every throat pass).
    for (int side : {Weld_One_Sided_Left, Weld_One_Sided_Right}) {
        Weld_Fixture F(10, 10);
        Weld& w = F.c.weld;
        w.type = Weld_Butt;
        w.theta = 90.0;
        w.a = 12.0;
        int result = -1;
        EXPECT_EQ(Throat_Lines(w, 10, 10, side, 0, &result),
                  Para_Head +
                      " nicht durchgeschweißt: Nahtdicke a = 12.0 mm > t-út = 8.0 mm, t = 10.0 mm, út = 2.0 mm  "_cp +
                      Not_Ok_Mark + "\n" + Para_End)
            << side;
        EXPECT_EQ(result, 1) << side;
        // At 60° both sides see 10/sin 60° = 11.55 mm: limit 0.8·11.55 = 9.24 mm.
        w.theta = 60.0;
        w.a = 9.2;
        EXPECT_EQ(Check_Weld_Throat(&w, 10, 10, side, 0, nullptr, 0, "", 0), 0) << side;
        w.a = 9.3;
        EXPECT_EQ(Check_Weld_Throat(&w, 10, 10, side, 0, nullptr, 0, "", 0), 1) << side;
        // A joint folded flat (180°) counts as in line: t_2, never an infinite thickness.
        w.theta = 180.0;
        w.a = 8.1;
        EXPECT_EQ(Check_Weld_Throat(&w, 10, 10, side, 0, nullptr, 0, "", 0), 1) << side;
    }

    // A full-penetration butt weld gets only its filler.
    Weld_Fixture F(2, 2);
    F.c.weld.type = Weld_Butt;
    F.c.weld.full_penetration = 1;
    F.c.weld.f_u_FM = 0.0;
    int result = -1;
    EXPECT_EQ(Throat_Lines(F.c.weld, 2, 2, 0, 1, &result), "");
    EXPECT_EQ(result, 0);
    EXPECT_DOUBLE_EQ(F.c.weld.f_u_FM, 500.0);
}

TEST(Check_Weld_Input, SlotAndPlugRules) {
    struct Case {
        const char* name;
        int type;
        double t1, d, l, a;
        int result;
        std::string lines;
        std::vector<std::string> boxes;
    };
    const std::string Input_Error =
        " ╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden "_cp + Error_Mark + "\n";
    const Case cases[] = {
        {"slot too narrow",
         Weld_Slot,
         10,
         30,
         60,
         5,
         1,
         " Lochdurchmesser d = 30.0 mm < 4╬/.╬rt = 40.0 mm  "_cp + Not_Ok_Mark + "\n" + Input_Error,
         {"Lochdurchmesser d = 30.0 mm < erf d = 40.0 mm"}},
        {"slot too short", Weld_Slot, 10, 40, 40, 5, 1, " Lochlänge l = 40.0 mm ≤ Schlitzdurchmesser d\n"_cp, {}},
        {"slot", Weld_Slot, 10, 40, 60, 5, 0, "", {}},
        {"plug in 20 mm",
         Weld_Plug,
         20,
         30,
         30,
         15,
         1,
         " Dicke der Lochschweißung für t > 16 mm:  a = 15.0 mm < 16.0 mm  "_cp + Not_Ok_Mark + "\n" + Input_Error,
         {"Dicke der Lochschweißung a = 15.0 mm < erf a = 16.0 mm"_cp}},
        {"plug in 10 mm",
         Weld_Plug,
         10,
         30,
         30,
         8,
         1,
         " Dicke der Lochschweißung für t ≤ 16 mm:  a = 8.0 mm != t = 10.0 mm  "_cp + Not_Ok_Mark + "\n" + Input_Error,
         {"Dicke der Lochschweißung a = 8.0 mm != erf a = 10.0 mm"_cp}},
        {"plug too narrow",
         Weld_Plug,
         10,
         17,
         30,
         10,
         1,
         " Lochdurchmesser d = 17.0 mm < 8 mm + t = 18.0 mm  "_cp + Not_Ok_Mark + "\n" + Input_Error,
         {"Lochdurchmesser d = 17.0 mm < erf d = 18.0 mm"}},
        {"plug in 40 mm",
         Weld_Plug,
         40,
         50,
         50,
         19.9,
         1,
         " Dicke der Lochschweißung für t > 32 mm:  a = 19.9 mm < t/2 = 20.0 mm  "_cp + Not_Ok_Mark + "\n" +
             Input_Error,
         {"Dicke der Lochschweißung a = 19.9 mm < erf a = 20.0 mm"_cp}},
        {"plug in 32 mm", Weld_Plug, 32, 50, 50, 16, 0, "", {}},
    };
    for (const Case& k : cases) {
        Weld_Fixture F(k.t1, 10);
        Weld_Connection& c = F.c;
        c.weld.type = k.type;
        c.weld.d = k.d;
        c.weld.l = k.l;
        c.weld.a = k.a;
        Clear_Host_Message_History();
        int result = -1;
        EXPECT_EQ(Input_Lines(c, 0, &result), k.lines.empty() ? "" : Para_Head + k.lines + Para_End) << k.name;
        EXPECT_EQ(result, k.result) << k.name;
        EXPECT_EQ(Host_Message_History(), k.boxes) << k.name;
    }
}

TEST(Check_Weld_Input, SlotAndPlugWeldsCarryShearOnly) {
    Weld_Fixture F(10, 10);
    Weld_Connection& c = F.c;
    c.weld.type = Weld_Plug;
    c.weld.a = 10;
    c.weld.d = 20;
    c.weld.l = 12;   // shorter than the hole: the hole is round
    c.side = Weld_Two_Sided;
    c.force_mode = Weld_Line_Forces;
    c.N_Ed = 1000;
    c.M_perp_Ed = -5;
    c.V_par_Ed = 3000;
    int result = -1;
    EXPECT_EQ(
        Input_Lines(c, 0, &result),
        Para_Head +
            " Eine Lochschweißung kann nur Schubkräfte V╬\\Ed╬r übertragen,  N╬\\Ed╬r und M╬\\Ed╬r werden ignoriert\n"
            " Lochlänge l = 12.0 mm < Lochdurchmesser d  ê  l = d\n"_cp +
            Para_End);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(c.side, Weld_One_Sided_Left);
    EXPECT_EQ(c.force_mode, Weld_Section_Forces);
    EXPECT_DOUBLE_EQ(c.N_Ed, 0.0);
    EXPECT_DOUBLE_EQ(c.M_perp_Ed, 0.0);
    EXPECT_DOUBLE_EQ(c.V_par_Ed, 3000.0);
    EXPECT_DOUBLE_EQ(c.weld.l, 20.0);
    EXPECT_DOUBLE_EQ(c.l_eff, 20.0);

    c.weld.type = Weld_Slot;
    c.weld.l = 50;
    Check_Weld_Input(c, nullptr, 0, 0);
    EXPECT_DOUBLE_EQ(c.l_eff, 60.0);   // both sides of the slot: 2 (l − d)
}

TEST(Check_Weld_Input, ShortFilletWeldsCarryNoLoad) {
    Weld_Fixture F(10, 10);
    Weld_Connection& c = F.c;
    c.weld.a = 6.0;
    c.weld.l_w = 40.0;
    c.weld.full_length = 0;
    int result = -1;
    EXPECT_EQ(Input_Lines(c, 0, &result),
              Para_Head + " wirksame Nahtlänge l╬\\eff╬r = 28.0 mm < 30 mm  ê  statisch nicht wirksam "_cp +
                  Warning_Mark + "\n" +
                  " wirksame Nahtlänge l╬\\eff╬r = 28.0 mm < 6╬/.╬ra = 36.0 mm  ê  statisch nicht wirksam "_cp +
                  Warning_Mark + "\n" + Para_End);
    EXPECT_EQ(result, 0);
    EXPECT_DOUBLE_EQ(c.l_eff, 28.0);
    EXPECT_EQ(Is_Weld_Ineffective_Under_Load(c), 0);

    // Loaded, such a weld is not verified (EN 1993-1-8 4.5.1(2)): the lines are marked not ok; the
    // input itself stands, the verification declares the weld not verified.
    c.N_Ed = 10000;
    EXPECT_EQ(Input_Lines(c, 0, &result),
              Para_Head + " wirksame Nahtlänge l╬\\eff╬r = 28.0 mm < 30 mm  ê  statisch nicht wirksam "_cp +
                  Not_Ok_Mark + "\n" +
                  " wirksame Nahtlänge l╬\\eff╬r = 28.0 mm < 6╬/.╬ra = 36.0 mm  ê  statisch nicht wirksam "_cp +
                  Not_Ok_Mark + "\n" + Para_End);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Is_Weld_Ineffective_Under_Load(c), 1);
    c.flags |= Weld_Flag_No_Detailing;
    EXPECT_EQ(Is_Weld_Ineffective_Under_Load(c), 0);

    // Without a stream the rule only answers.
    EXPECT_EQ(Check_Weld_Effective_Length(Weld_Fillet, 0, 6.0, 28.0, nullptr, "", 0), 1);
    EXPECT_EQ(Check_Weld_Effective_Length(Weld_Fillet, 0, 6.0, 35.0, nullptr, "", 0), 1);   // below 6a
    EXPECT_EQ(Check_Weld_Effective_Length(Weld_Fillet, 0, 5.0, 35.0, nullptr, "", 0), 0);
    EXPECT_EQ(Check_Weld_Effective_Length(Weld_Butt, 1, 6.0, 10.0, nullptr, "", 0), 0);
    EXPECT_EQ(Check_Weld_Effective_Length(Weld_Slot, 0, 6.0, 10.0, nullptr, "", 0), 0);
}

TEST(Check_Weld_Input, PenetrationDepthStaysInsideTheThroat) {
    struct Case {
        int side;
        double t2, e, expected;
    };
    // a = 4 at 90°: the depth reaches the throat at a·(√2 − √2/2) = 2.828 mm.
    const Case cases[] = {
        {Weld_One_Sided_Left, 10, 5.0, 2.8284271},
        {Weld_One_Sided_Left, 10, 2.0, 2.0},
        {Weld_Two_Sided, 10, 5.0, 2.8284271},
        {Weld_Two_Sided, 6, 5.0, 1.5},   // half of t_2 outside the 3 mm root face
    };
    for (const Case& k : cases) {
        Weld_Fixture F(10, k.t2);
        F.c.side = k.side;
        F.c.weld.e = k.e;
        Check_Weld_Input(F.c, nullptr, 0, 0);
        EXPECT_NEAR(F.c.weld.e, k.expected, 1e-6) << k.side << " " << k.t2;
        EXPECT_DOUBLE_EQ(F.c.weld.a, 4.0);
    }
    // With a packing plate the depth is not limited.
    Weld_Fixture F(10, 10);
    F.c.weld.e = 5.0;
    F.c.packing = 1;
    Check_Weld_Input(F.c, nullptr, 0, 0);
    EXPECT_DOUBLE_EQ(F.c.weld.e, 5.0);
}

TEST(Check_Weld_Input, ThroatOfFullPenetrationButtWeldsAndPlateErrors) {
    Weld_Fixture F(10, 12);
    Weld_Connection& c = F.c;
    c.weld.type = Weld_Butt;
    c.weld.full_penetration = 1;
    c.weld.a = 3.0;
    c.weld.theta = 0.0;
    int result = -1;
    EXPECT_EQ(Input_Lines(c, 1, &result), Para_Head +
                                              " wirksame Nahtdicke a = min(t╬\\1╬r,t╬\\2╬r) = 10.0 mm\n"
                                              " wirksame Nahtlänge l╬\\eff╬r = l╬\\w╬r = 100.0 mm\n"_cp +
                                              Para_End);
    EXPECT_EQ(result, 0);
    EXPECT_DOUBLE_EQ(c.weld.a, 3.0);   // the stored throat stays
    c.weld.theta = 90.0;
    EXPECT_EQ(Input_Lines(c, 1, &result),
              Para_Head +
                  " wirksame Nahtdicke a = t╬\\2╬r = 12.0 mm\n wirksame Nahtlänge l╬\\eff╬r = l╬\\w╬r = 100.0 mm\n"_cp +
                  Para_End);

    // Both plates are checked, and a refused plate ends the check.
    c.plate1.t = 0.0;
    c.plate2.t = 0.0;
    Clear_Host_Message_History();
    EXPECT_EQ(Check_Weld_Input(c, nullptr, 1, 0), 1);
    EXPECT_EQ(Host_Message_History(), (std::vector<std::string>{"Blech 1: Blechdicke t = 0.0 mm < 0 mm",
                                                                "Blech 2: Blechdicke t = 0.0 mm < 0 mm"}));
    // Without the detailing rules the plates are not checked.
    c.flags |= Weld_Flag_No_Detailing;
    EXPECT_EQ(Check_Weld_Input(c, nullptr, 1, 0), 0);
}

TEST(Check_Weld_Input, LoadByTheFormOfTheLoads) {
    struct Case {
        const char* name;
        int force_mode, flags;
        double Weld_Connection::*field;
        bool loaded;
    };
    const int directional = Weld_Flag_Directional | Weld_Flag_Eccentricity, simplified = Weld_Flag_Eccentricity;
    const Case cases[] = {
        {"section force", Weld_Section_Forces, simplified, &Weld_Connection::V_perp_Ed, true},
        {"line force, directional", Weld_Line_Forces, directional, &Weld_Connection::F_tau_par, true},
        {"resultant, directional", Weld_Line_Forces, directional, &Weld_Connection::F_w_Ed, false},
        {"resultant, simplified", Weld_Line_Forces, simplified, &Weld_Connection::F_w_Ed, true},
        {"stress, directional", Weld_Stresses, directional, &Weld_Connection::sigma_perp, true},
        {"stress of the other method", Weld_Stresses, simplified, &Weld_Connection::tau_perp, false},
        {"resultant stress", Weld_Stresses, simplified, &Weld_Connection::sigma_w_Ed, true},
    };
    for (const Case& k : cases) {
        Weld_Fixture F;
        F.c.force_mode = k.force_mode;
        F.c.flags = k.flags;
        EXPECT_FALSE(Weld_Carries_Load(F.c)) << k.name;
        F.c.*k.field = -5.0;
        EXPECT_EQ(Weld_Carries_Load(F.c), k.loaded) << k.name;
    }
}

TEST(Check_Weld_Input, UnknownKindOfWeld) {
    // A kind outside fillet, slot, butt and plug (a damaged file) is an input error, never a pass.
    Weld_Fixture F;
    F.c.weld.type = 7;
    Clear_Host_Message_History();
    int result = -1;
    EXPECT_EQ(Input_Lines(F.c, 0, &result),
              Para_Head + " Nahtart 7 nicht definiert  " + Error_Mark + "\n" +
                  " ╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden "_cp + Error_Mark +
                  "\n" + Para_End);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Host_Message_History(), std::vector<std::string>{"Nahtart 7 nicht definiert"});
    F.c.weld.type = -1;
    EXPECT_EQ(Check_Weld_Input(F.c, nullptr, 0, 0), 1);
}
