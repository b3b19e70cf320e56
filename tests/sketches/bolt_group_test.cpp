#include "sketches/bolt_group.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/cp437.h"
#include "report/paragraph_writer.h"
#include "frame/report_marks.h"
#include "report/report_capture.h"
#include "sketches/sketch_test_support.h"

namespace {

// One paragraph block of the default format holding the lines.
std::string Para(const std::string& lines) {
    return "\n#SHOWPARA\n0x0\n4\n-1\n" + lines + "#END_OF_TEXT\n0x0\n-1\n";
}

// Four fasteners at the corners of 100 x 80 mm.
const double Y[4] = {0, 0, 100, 100};
const double Z[4] = {0, 80, 0, 80};

const std::string Group_Head =
    " Schwerpunktskoordinaten  y╬\\s╬r' = 50.0 mm,  z╬\\s╬r' = 40.0 mm\n"
    " Querschnittsfläche  A' = n╬\\x╬r╬/.╬rn╬\\z╬r = 4,  polares Trägheitsmoment "
    "I╬\\p╬r' = ▓y╬\\i╬r'² + ▓z╬\\i╬r'² = 164.00 cm²\n"
    " Schnittgrößen im Schwerpunkt  V╬\\y╬r' = 10.0 kN,  V╬\\z╬r' = 20.0 kN,  M╬\\x╬r' = 0.60 kNm\n"
    " T╬\\y,i╬r = V╬\\y╬r'/A' - M╬\\x╬r'/I╬\\p╬r'╬/.╬rz╬\\i╬r',  "
    "T╬\\z,i╬r = V╬\\z╬r'/A' + M╬\\x╬r'/I╬\\p╬r'╬/.╬ry╬\\i╬r'\n"_cp;

// V_y 10 kN, V_z 20 kN and M_x 1 kNm at (30, 40): about the centroid (50, 40) M_x' = 1 - 20 * 0.02
// = 0.6 kNm, I_p' = 4 (50² + 40²) = 16400 mm². Fastener 3 at (100, 0) takes the most:
// T_y = 2500 + 600000/16400 * 40 = 3963.4 N, T_z = 5000 + 600000/16400 * 50 = 6829.3 N.
TEST(Eccentric_Bolt_Group, LargestShareOfFourFasteners) {
    double ty = 1, tz = 1;
    int out = 0;
    double T = 0;
    const std::string text = Paragraph_Of([&](FILE* f) {
        T = Print_Eccentric_Bolt_Group(4, Y, Z, nullptr, 10000, 20000, 1e6, 30, 40, -1, 7, &ty, &tz,
                                       &out, f, 3);
    });
    EXPECT_NEAR(T, 7896.05, 0.005);
    EXPECT_EQ(out, 3);
    EXPECT_EQ(ty, 0);   // no point asked
    EXPECT_EQ(tz, 0);
    EXPECT_EQ(text, Para(Group_Head +
                         " Maximale Beanspruchung  max T╬\\i╬r = T╬\\3╬r = 7.90 kN  bei 4 Schrauben\n"_cp));
    const Bolt_Group_Result& g = Last_Bolt_Group;
    EXPECT_DOUBLE_EQ(g.I_p, 16400);
    EXPECT_DOUBLE_EQ(g.S_yy, 10000);
    EXPECT_DOUBLE_EQ(g.S_zz, 6400);
    EXPECT_DOUBLE_EQ(g.A, 4);
    EXPECT_DOUBLE_EQ(g.y_s, 50);
    EXPECT_DOUBLE_EQ(g.z_s, 40);
}

TEST(Eccentric_Bolt_Group, OneAskedFastener) {
    double ty = 0, tz = 0;
    int out = 0;
    const std::string text = Paragraph_Of([&](FILE* f) {
        Print_Eccentric_Bolt_Group(4, Y, Z, nullptr, 10000, 20000, 1e6, 30, 40, 2, 0, &ty, &tz, &out, f, 0);
    });
    EXPECT_NEAR(ty, 3963.41, 0.005);
    EXPECT_NEAR(tz, 6829.27, 0.005);
    EXPECT_EQ(text, Para(Group_Head +
                         " Punkt 3: ╬ty╬\\3╬r' = 50.0 mm ╬tz╬\\3╬r' = -40.0 mm ╬tT╬\\y,3╬r = 3.96 kN "
                         "╬tT╬\\z,3╬r = 6.83 kN ╬tT╬\\3╬r = 7.90 kN\n"_cp));
    // One component only: the resultant is that component.
    const std::string single = Paragraph_Of([&](FILE* f) {
        Print_Eccentric_Bolt_Group(4, Y, Z, nullptr, 8000, 0, 0, 50, 40, 0, 0, &ty, &tz, &out, f, 0);
    });
    EXPECT_NE(single.find(" Punkt 1: ╬ty╬\\1╬r' = -50.0 mm ╬tz╬\\1╬r' = -40.0 mm ╬t"
                          "T╬\\1╬r = T╬\\y,1╬r = 2.00 kN\n"_cp),
              std::string::npos)
        << single;
    // A point outside the group: no point lines, the outputs stay 0.
    const std::string outside = Paragraph_Of([&](FILE* f) {
        Print_Eccentric_Bolt_Group(4, Y, Z, nullptr, 8000, 0, 0, 50, 40, 4, 0, &ty, &tz, &out, f, 0);
    });
    EXPECT_EQ(outside.find("Punkt"), std::string::npos);
    EXPECT_EQ(ty, 0);
    EXPECT_EQ(tz, 0);
}

TEST(Eccentric_Bolt_Group, WeightsEnterAsFactors) {
    const double f[4] = {2, 2, 2, 2};
    int out = 0;
    double T = 0;
    const std::string text = Paragraph_Of([&](FILE* s) {
        T = Print_Eccentric_Bolt_Group(4, Y, Z, f, 10000, 20000, 1e6, 30, 40, -1, 0, nullptr, nullptr, &out, s, 0);
    });
    // A' = 8, I_p' = 32800: every share is halved, then doubled by its weight.
    EXPECT_NEAR(T, 7896.05, 0.005);
    EXPECT_NE(text.find(" T╬\\y,i╬r = f╬\\vt,i╬r╬/.╬r(V╬\\y╬r'/A' - M╬\\x╬r'/I╬\\p╬r'╬/.╬rz╬\\i╬r'),  "
                        "T╬\\z,i╬r = f╬\\vt,i╬r╬/.╬r(V╬\\z╬r'/A' + M╬\\x╬r'/I╬\\p╬r'╬/.╬ry╬\\i╬r')\n"_cp),
              std::string::npos)
        << text;
}

TEST(Eccentric_Bolt_Group, UndeterminableCases) {
    const std::string not_determinable =
        Paragraph_Of([](FILE* f) {
            OLI_Printf(f, " Maximale Beanspruchung nicht ermittelbar %s\n", Mark_Error());
        });
    // No fasteners, zero weights: nothing is divided.
    const double zero[4] = {0, 0, 0, 0};
    int out = 9;
    double ty = 9;
    std::string text = Paragraph_Of([&](FILE* f) {
        EXPECT_EQ(Print_Eccentric_Bolt_Group(0, Y, Z, nullptr, 1000, 0, 0, 0, 0, -1, 0, &ty, nullptr, &out, f, 0), -1);
        EXPECT_EQ(Print_Eccentric_Bolt_Group(4, Y, Z, zero, 1000, 0, 0, 0, 0, -1, 0, nullptr, nullptr, nullptr, f, 0), -1);
    });
    EXPECT_EQ(out, 0);
    EXPECT_EQ(ty, 0);
    EXPECT_EQ(Count(text, "nicht ermittelbar"), 2);
    EXPECT_EQ(text.find("Schwerpunkt"), std::string::npos);
    // One fastener under a moment: the moment cannot be taken.
    const double y1[1] = {10}, z1[1] = {20};
    text = Paragraph_Of([&](FILE* f) {
        EXPECT_EQ(Print_Eccentric_Bolt_Group(1, y1, z1, nullptr, 0, 0, 2e6, 10, 20, -1, 0, nullptr, nullptr, nullptr, f, 0), -1);
    });
    EXPECT_NE(text.find("I╬\\p╬r' = 0: Das Exzentrizitätsmoment M' = 2.00 kNm kann nicht aufgenommen "
                        "werden (n╬\\x╬r╬/.╬rn╬\\z╬r < 2)"_cp),
              std::string::npos)
        << text;
    EXPECT_EQ(Count(text, "nicht ermittelbar"), 1);
    // Without loads: 0 and nothing written; a value that is not a number cannot be determined.
    text = Paragraph_Of([&](FILE* f) {
        EXPECT_EQ(Print_Eccentric_Bolt_Group(4, Y, Z, nullptr, 0, 0.0005, 0, 0, 0, -1, 0, nullptr, nullptr, nullptr, f, 0), 0);
    });
    EXPECT_EQ(text.find("#SHOWPARA"), std::string::npos);
    text = Paragraph_Of([&](FILE* f) {
        EXPECT_EQ(Print_Eccentric_Bolt_Group(4, Y, Z, nullptr, NAN, 1, 0, 0, 0, -1, 0, nullptr, nullptr, nullptr, f, 0), -1);
    });
    EXPECT_EQ(Count(text, "nicht ermittelbar"), 1);
    EXPECT_EQ(text.find("nan"), std::string::npos);
}

TEST(Bolt_Group_Properties, ReferencePointByMode) {
    double ys = 0, zs = 0, A = 0, Szz = 0, Syy = 0, Ip = 0;
    Compute_Bolt_Group_Properties(4, Y, Z, nullptr, &ys, &zs, &A, &Szz, &Syy, &Ip, 1, 0, 0);
    EXPECT_EQ(ys, 50);
    EXPECT_EQ(zs, 40);
    EXPECT_EQ(Syy, 20000);   // about the origin: 2 * 100²
    EXPECT_EQ(Szz, 12800);   // 2 * 80²
    EXPECT_EQ(Ip, 32800);
    Compute_Bolt_Group_Properties(4, Y, Z, nullptr, nullptr, nullptr, nullptr, &Szz, nullptr, nullptr, 2, 0, 80);
    EXPECT_EQ(Szz, 2 * 6400);
    Compute_Bolt_Group_Properties(0, Y, Z, nullptr, &ys, &zs, &A, &Szz, &Syy, &Ip, 0, 0, 0);
    EXPECT_EQ(ys + zs + A + Szz + Syy + Ip, 0);
}

TEST(Epsilon, ValueAndFormula) {
    struct Case {
        double f_y, E;
        double eps;
        const char* formula;
    };
    const Case cases[] = {
        {355, 210000, 0.814, "╛ = (235/355)╬/0.5╬r = 0.814"},
        {355, 0, 0.814, "╛ = (235/355)╬/0.5╬r = 0.814"},   // E = 0 counts as 210000
        {235, 70000, 0.577, "╛ = (235/235╬/.╬r70000/210000)╬/0.5╬r = 0.577"},
        {5000, 70000, 0.125, "╛ = (70000/210000)╬/0.5╬r = 0.125"},
        {5000, 210000, 0.217, "╛ = 0.217"},
    };
    for (const Case& c : cases) {
        double eps = 0;
        const std::string text = Paragraph_Of([&](FILE* f) { eps = Compute_Epsilon(c.f_y, c.E, f); });
        EXPECT_NEAR(eps, c.eps, 0.0005) << c.f_y << " " << c.E;
        EXPECT_EQ(text, Para(" " + To_Cp437(c.formula) + "\n")) << c.f_y << " " << c.E;
    }
    EXPECT_EQ(Compute_Epsilon(0, 210000, nullptr), 0);
    EXPECT_EQ(Compute_Epsilon(NAN, 210000, nullptr), 0);
}

}  // namespace
