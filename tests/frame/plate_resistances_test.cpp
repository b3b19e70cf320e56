// Plate resistances in shear, torsion and tension, worked by hand for f_y 235, f_u 360, t 10 mm,
// h = b 200 mm, h_net = b_net 178 mm, γM0 1.0 and γM2 1.25; and their report lines.
#include "frame/plate_resistances.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

namespace {

const std::string Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
const std::string End = "#END_OF_TEXT\n0x0\n-1\n";

struct Edition {
    explicit Edition(int e) { Set_Code_Edition(e); }
    ~Edition() { Set_Code_Edition(Code_Edition_2010); }
};

}  // namespace

TEST(PlateResistances, HandWorkedValues) {
    struct Case {
        const char* name;
        int edition;
        double (*compute)();
        double expected;   // N, or Nmm for the torsion
    };
    const Case cases[] = {
        // V_pl,Rd = 10·200·235 / √3 = 271 355 N; V_u,Rd = 10·178·360 / (√3·1.25) = 295 973 N.
        {"shear, edition 0", 0, [] { return Plate_Shear_Resistance(235, 360, 10, 200, 178, 1.0, 1.25, nullptr, 0, 0); }, 271354.8},
        // Edition 1: 271 355 / 1.27 = 213 665 N, below V_u,Rd.
        {"shear, edition 1", 1, [] { return Plate_Shear_Resistance(235, 360, 10, 200, 178, 1.0, 1.25, nullptr, 0, 0); }, 213665.2},
        {"shear, net section alone", 0, [] { return Plate_Shear_Resistance(235, 360, 10, 200, 178, 0.0, 1.25, nullptr, 0, 0); }, 295972.6},
        {"shear, no net section", 0, [] { return Plate_Shear_Resistance(235, 360, 10, 200, 200, 1.0, 1.25, nullptr, 0, 0); }, 271354.8},
        {"shear, no factor", 0, [] { return Plate_Shear_Resistance(235, 360, 10, 200, 178, 0.0, 0.0, nullptr, 0, 0); }, 0.0},
        // W_t = 10·200²/6 = 66 666.7 mm³; M_Rd = 66 666.7·235 / 1.7320508 = 9 045 154 Nmm = 9.05 kNm.
        {"torsion", 0, [] { return Plate_Torsion_Resistance(235, 10, 200, 1.0, nullptr, 0, 0); }, 9045154.2},
        {"torsion, no factor", 0, [] { return Plate_Torsion_Resistance(235, 10, 200, 0.01, nullptr, 0, 0); }, 0.0},
        // N_pl,Rd = 200·10·235 = 470 000 N; N_u,Rd = 0.9·178·10·360 / 1.25 = 461 376 N.
        {"tension", 0, [] { return Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 0, 1.0, 1.25, nullptr, 0); }, 461376.0},
        // Edition 1 takes the given k: 0.8·178·10·360 / 1.25 = 410 112 N.
        {"tension, edition 1", 1, [] { return Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 0, 1.0, 1.25, nullptr, 0); }, 410112.0},
        // Net yield: 178·10·235 = 418 300 N.
        {"tension, net yield", 0, [] { return Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 1, 1.0, 1.25, nullptr, 0); }, 418300.0},
        {"tension, γM2 missing", 0, [] { return Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 0, 1.0, 0.0, nullptr, 0); }, 470000.0},
        {"tension, γM0 missing", 0, [] { return Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 0, 0.0, 1.25, nullptr, 0); }, 461376.0},
        {"tension, no factor", 0, [] { return Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 0, 0.0, 0.0, nullptr, 0); }, 0.0},
    };
    for (const Case& c : cases) {
        Edition edition(c.edition);
        EXPECT_NEAR(c.compute(), c.expected, 1.0) << c.name;
    }
    EXPECT_NEAR(Shear_Stress_Ratio(173.2, 100), 1.0, 1e-4);
    EXPECT_DOUBLE_EQ(Value_Ratio(3, 4), 0.75);
}

TEST(PlateResistances, ReportLines) {
    EXPECT_EQ(Paragraph_Of([](FILE* f) { Plate_Shear_Resistance(235, 360, 10, 200, 178, 1.0, 1.25, f, 2, 'b'); }),
              Head +
                  " Schubtragfähigkeit V╬\\Rd╬r = min(V╬\\pl,Rd╬r, V╬\\u,Rd╬r) = 271.35 kN\n"
                  " V╬\\pl,Rd╬r = (A╬\\v╬r╬/.╬rf╬\\y╬r) / (3╬/1/2╬r╬/.╬r└╬\\M0╬r) = 271.35 kN,  A╬\\v╬r = b╬/.╬rt = 20.00 cm²,"
                  "  b = 200.0 mm\n"
                  " V╬\\u,Rd╬r = (A╬\\v,net╬r╬/.╬rf╬\\u╬r) / (3╬/1/2╬r╬/.╬r└╬\\M2╬r) = 295.97 kN,  A╬\\v,net╬r ="
                  " b╬\\net╬r╬/.╬rt = 17.80 cm²,  b╬\\net╬r = 178.0 mm\n"_cp +
                  End);
    {
        Edition edition(1);
        EXPECT_EQ(Paragraph_Of([](FILE* f) { Plate_Shear_Resistance(235, 360, 10, 200, 200, 1.0, 1.25, f, 1, 0); }),
                  Head +
                      " Schubtragfähigkeit V╬\\Rd╬r = 213.67 kN\n"
                      " V╬\\pl,Rd╬r = (A╬\\v╬r╬/.╬rf╬\\y╬r) / (1.27╬/.╬r3╬/1/2╬r╬/.╬r└╬\\M0╬r) = 213.67 kN\n"_cp +
                      End);
    }
    EXPECT_EQ(Paragraph_Of([](FILE* f) { Plate_Torsion_Resistance(235, 10, 200, 1.0, f, 2, 0); }),
              Head +
                  " Schubtragfähigkeit infolge Torsion M╬\\Rd╬r = W╬\\t╬r╬/.╬rf╬\\y╬r / (3╬/1/2╬r╬/.╬r└╬\\M0╬r) = 9.05 kNm,"
                  "  W╬\\t╬r = t╬/.╬rh²/6 = 66.67 cm·,  h = 200.0 mm\n"_cp +
                  End);
    EXPECT_EQ(Paragraph_Of([](FILE* f) { Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 0, 1.0, 1.25, f, 1); }),
              Head +
                  " Zugtragfähigkeit N╬\\t,Rd╬r = min(N╬\\pl,Rd╬r, N╬\\u,Rd╬r) = 461.38 kN\n"
                  " N╬\\pl,Rd╬r = (A╬/.╬rf╬\\y╬r) / └╬\\M0╬r = 470.00 kN\n"
                  " N╬\\u,Rd╬r = (k╬/.╬rA╬\\net╬r╬/.╬rf╬\\u╬r) / └╬\\M2╬r = 461.38 kN,  k = 0.90\n"_cp +
                  End);
    EXPECT_EQ(Paragraph_Of([](FILE* f) { Plate_Tension_Resistance(235, 360, 10, 200, 178, 0.8, 1, 1.0, 1.25, f, 2); }),
              Head +
                  " Zugtragfähigkeit N╬\\t,Rd╬r = min(N╬\\pl,Rd╬r, N╬\\net,Rd╬r) = 418.30 kN\n"
                  " N╬\\pl,Rd╬r = (A╬/.╬rf╬\\y╬r) / └╬\\M0╬r = 470.00 kN,  A = b╬/.╬rt = 20.00 cm²,  b = 200.0 mm\n"
                  " N╬\\net,Rd╬r = (A╬\\net╬r╬/.╬rf╬\\y╬r) / └╬\\M0╬r = 418.30 kN,  A╬\\net╬r = b╬\\net╬r╬/.╬rt = 17.80 cm²,"
                  "  b╬\\net╬r = 178.0 mm\n"_cp +
                  End);
}
