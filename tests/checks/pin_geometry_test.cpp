#include <gtest/gtest.h>

#include <string>

#include "checks/pin_resistances.h"
#include "checks/pin_test_support.h"

namespace {

struct Pin_Geometry : ::testing::Test {
    Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C = Test_Pin_Joint(&factors);

    std::string Report(int level) {
        return Paragraph_Or_Empty([&](FILE* s) { Verify_Pin_Geometry(&C, s, level); });
    }
    int Flags() {
        C.Check_Error_Flags = 0;
        Verify_Pin_Geometry(&C, nullptr, 0);
        return C.Check_Error_Flags;
    }
};

const std::string Ok = "  " + Ok_Mark + "\n";
const std::string Not_Ok = "  " + Not_Ok_Mark + "\n";

}  // namespace

// Option A (EN 1993-1-8 Table 3.9), F_Ed 200 kN, d0 31 mm, γM0 1.0, S355: eye bar 1 (t 20 mm)
// a_min = 200000/(2·20·355) + 2/3·31 = 34.751 mm, c_min = 14.085 + 10.333 = 24.418 mm; e_1 50.25 mm
// gives a = 34.75 mm, within 0.01 of a_min: met, shown as the limit with "≤". Eye bar 2 (t 12 mm,
// F_Ed/2) a_min = 11.737 + 20.667 = 32.404 mm, c_min = 22.070 mm; c = 40 - 15.5 = 24.5 mm.
TEST_F(Pin_Geometry, OptionA) {
    C.pin_geometry = 1;
    EXPECT_EQ(Report(1),
              Pin_Lines(" Geometrische Anforderungen\n"
                        " ╬_Augenstab 1\n"
                        " Minimaler Randabstand in Kraftrichtung a╬\\min╬r = (F╬\\Ed╬r╬/.╬r└╬\\M0╬r)/(2╬/.╬rt╬/.╬rf╬\\y╬r)"
                        " + 2/3╬/.╬rd╬\\0╬r = 34.8 mm\n"
                        " a = e╬\\1╬r-0.5╬/.╬rd╬\\0╬r = 34.8 mm  ≤  a╬\\min╬r = 34.8 mm"_cp + Ok +
                        " Minimaler Randabstand quer zur Kraftrichtung c╬\\min╬r = (F╬\\Ed╬r╬/.╬r└╬\\M0╬r)/(2╬/.╬rt╬/.╬rf╬\\y╬r)"
                        " + d╬\\0╬r/3 = 24.4 mm\n"
                        " c = e╬\\2╬r-0.5╬/.╬rd╬\\0╬r = 24.5 mm  >  c╬\\min╬r = 24.4 mm"_cp + Ok +
                        " ╬_Augenstab 2╬r  ╬S(mit F╬\\Ed╬r╬S/2)\n"
                        " Minimaler Randabstand in Kraftrichtung a╬\\min╬r = (F╬\\Ed╬r╬/.╬r└╬\\M0╬r)/(2╬/.╬rt╬/.╬rf╬\\y╬r)"
                        " + 2/3╬/.╬rd╬\\0╬r = 32.4 mm\n"
                        " a = e╬\\1╬r-0.5╬/.╬rd╬\\0╬r = 34.8 mm  >  a╬\\min╬r = 32.4 mm"_cp + Ok +
                        " Minimaler Randabstand quer zur Kraftrichtung c╬\\min╬r = (F╬\\Ed╬r╬/.╬r└╬\\M0╬r)/(2╬/.╬rt╬/.╬rf╬\\y╬r)"
                        " + d╬\\0╬r/3 = 22.1 mm\n"
                        " c = e╬\\2╬r-0.5╬/.╬rd╬\\0╬r = 24.5 mm  >  c╬\\min╬r = 22.1 mm"_cp + Ok));
    EXPECT_EQ(C.Check_Error_Flags, 0);

    // Level 0 with eye bar 2 alone: no eye bar heading, only the requirement lines.
    C.options |= Bolt_Option_Plate_1_Unverified;
    EXPECT_EQ(Report(0), Pin_Lines(" Geometrische Anforderungen\n"
                                   " a = e╬\\1╬r-0.5╬/.╬rd╬\\0╬r = 34.8 mm  >  a╬\\min╬r = 32.4 mm"_cp + Ok +
                                   " c = e╬\\2╬r-0.5╬/.╬rd╬\\0╬r = 24.5 mm  >  c╬\\min╬r = 22.1 mm"_cp + Ok));
}

// A requirement not met sets the geometry bits, with or without a stream; a limit of 0.01 beyond
// the value still counts as met.
TEST_F(Pin_Geometry, RequirementsNotMet) {
    C.pin_geometry = 1;
    C.e_11 = 50.25 - 0.0088;   // a = 34.7412, 0.0100 below a_min = 34.7512
    EXPECT_EQ(Flags(), 0);
    C.e_11 = 50.0;   // a = 34.5
    EXPECT_EQ(Flags(), Pin_Error_Geometry);
    C.e_11 = 60.0;
    C.e_21 = 39.9;   // c = 24.4 < 24.418 - 0.01
    EXPECT_EQ(Flags(), Pin_Error_Geometry);
    EXPECT_EQ(Report(0), Pin_Lines(" Geometrische Anforderungen\n"
                                   " ╬_Augenstab 1\n"
                                   " a = e╬\\1╬r-0.5╬/.╬rd╬\\0╬r = 44.5 mm  >  a╬\\min╬r = 34.8 mm"_cp + Ok +
                                   " c = e╬\\2╬r-0.5╬/.╬rd╬\\0╬r = 24.4 mm  <  c╬\\min╬r = 24.4 mm"_cp + Not_Ok +
                                   " ╬_Augenstab 2╬r\n"_cp
                                   " a = e╬\\1╬r-0.5╬/.╬rd╬\\0╬r = 44.5 mm  >  a╬\\min╬r = 32.4 mm"_cp + Ok +
                                   " c = e╬\\2╬r-0.5╬/.╬rd╬\\0╬r = 24.4 mm  >  c╬\\min╬r = 22.1 mm"_cp + Ok));
    EXPECT_EQ(C.U_max, 0.0);
}

// Option B limits the hole of each eye bar by its own thickness, d0 ≤ 2.5 t (EN 1993-1-8 Table 3.9):
// an eye bar 2 of t2 = 10 mm allows 25 mm, so d0 = 26 mm fails and 25 mm (and 25.01 mm) meets it.
TEST_F(Pin_Geometry, HoleLimitOfEyeBar2) {
    C.pin_geometry = 2;
    C.options |= Bolt_Option_Plate_1_Unverified;
    C.plate_2.t = 10.0;
    C.F_v_Ed = 100000.0;   // t_min = 0.7·(50000/355)^1/2 = 8.3 mm
    C.e_11 = 60.0;         // distances met for every hole below
    C.e_21 = 40.0;
    struct Case {
        double d_0;
        int flags;
        const char* line;
    };
    const Case cases[] = {
        {26.0, Pin_Error_Geometry, " d╬\\0╬r = 26.0 mm  >  d╬\\0,max╬r = 25.0 mm"_cp},
        {25.0, 0, " d╬\\0╬r = 25.0 mm  ≥  d╬\\0,max╬r = 25.0 mm"_cp},
        {25.01, 0, " d╬\\0╬r = 25.0 mm  ≥  d╬\\0,max╬r = 25.0 mm"_cp},
    };
    for (const Case& c : cases) {
        C.fastener.d_0 = c.d_0;
        EXPECT_EQ(Flags(), c.flags) << c.d_0;
        const std::string text = Report(1);
        const std::string line = std::string(c.line) + (c.flags ? Not_Ok : Ok);
        EXPECT_NE(text.find(" Maximaler Lochdurchmesser d╬\\0,max╬r = 2.5╬/.╬rt = 25.0 mm\n"_cp), std::string::npos)
            << text;
        EXPECT_NE(text.find(line), std::string::npos) << c.d_0 << text;
    }
}
