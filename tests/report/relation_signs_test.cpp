// Relation signs of verification lines and the older relation characters with their tolerance.
#include "report/relation_signs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "common/cp437.h"

TEST(Relation_Signs, SignsCompareInSinglePrecision) {
    const double nan = std::nan("");
    const struct { double a, b; const char* le; const char* ge; } cases[] = {
        {1.0, 1.0, "≤"_cp, "≥"_cp},
        {1.0, 2.0, "<", "<"},
        {2.0, 1.0, ">", ">"},
        {1.0, 1.0 + 1e-9, "≤"_cp, "≥"_cp},           // equal once converted to float
        {100.0, 100.0 - 1e-6, "≤"_cp, "≥"_cp},
        {1.0, 1.0 + 1e-6, "<", "<"},                 // differs in float as well
        {nan, 1.0, "≤"_cp, "≥"_cp},                  // not comparable
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(Get_Relation_Sign_LE(c.a, c.b), c.le) << c.a << " " << c.b;
        EXPECT_STREQ(Get_Relation_Sign_GE(c.a, c.b), c.ge) << c.a << " " << c.b;
    }
    EXPECT_EQ(std::strlen(Get_Relation_Sign_LE(1.0, 1.0)), 1u);
    EXPECT_EQ(static_cast<unsigned char>(Get_Relation_Sign_LE(1.0, 1.0)[0]), 0xF3);
    EXPECT_EQ(static_cast<unsigned char>(Get_Relation_Sign_GE(1.0, 1.0)[0]), 0xF2);
}

TEST(Relation_Signs, RelationCharactersAtTheirLimits) {
    // The values below are exact in binary, so each limit is met exactly.
    const struct { double a, b; int decimals; double tolerance; int tolerant, plain; } cases[] = {
        {10.0, 10.04, 1, 0.1, '=', '='},     // the difference prints as 0.0
        {10.0, 10.5, 1, 1.0, 247, '<'},      // within the tolerance
        {10.0, 12.0, 1, 1.0, '<', '<'},
        {2.5, 2.0, 0, 0.0, '>', '>'},        // a half shows upward: a is larger
        {2.0, 2.5, 0, 0.0, '<', '<'},        // -0.5 rounds to -0 but its magnitude 0.5 to 1
        {2.0, 2.5, 0, 0.25, 247, '<'},       // 0.5 - 0.25 prints as 0
        {2.0, 2.4375, 0, 0.0, '=', '='},     // below half a unit
        {2.0, 2.0, 3, 0.0, '=', '='},
        {1.0, 3.0, 0, 1.5, '<', '<'},        // 2 - 1.5 = 0.5 rounds up to 1: beyond the tolerance
        {1.0, 3.0, 0, 1.5625, 247, '<'},     // 0.4375 beyond it rounds to 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " " + std::to_string(c.b) + " " + std::to_string(c.tolerance));
        EXPECT_EQ(Get_Relation_Char_Tolerant(c.a, c.b, c.decimals, c.tolerance), c.tolerant);
        EXPECT_EQ(Get_Relation_Char(c.a, c.b, c.decimals), c.plain);
    }
    EXPECT_EQ(Get_Relation_Char(std::nan(""), 1.0, 2), 247);
}

TEST(Relation_Signs, CheckLines) {
    const struct { double a, b; int decimals, kind; const char* name; const char* unit; std::string line; } cases[] = {
        {3, 5, 2, 1, "x", nullptr, "3.00 < 5.00  ê x = 3.00 "_cp},
        {3, 5, 2, 3, "x", "", "3.00 < 5.00  ê x = 5.00 "_cp},
        {5, 3, 2, 4, "x", nullptr, "5.00 > 3.00  ê x = 3.00 "_cp},
        {12.5, 10, 2, 2, "N", "kN", "12.50 kN > 10.00 kN  ê N = 12.50 kN"_cp},
        {3, 5, 2, 2, "x", nullptr, "3.00 < 5.00"},       // kind 2 names a only when a is larger
        {5, 3, 1, 1, "x", nullptr, "5.0 > 3.0"},         // other kinds name a only when it is smaller
        {3, 5, 1, 1, nullptr, "kN", "3.0 kN < 5.0 kN"},
        {3, 5, 0, 1, "", "%", "3 % < 5 %"},              // texts are never read as formats
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format_Check_Line(c.a, c.b, c.decimals, 0.0, c.kind, c.name, c.unit), c.line) << c.line;
}

TEST(Relation_Signs, CheckLineStaysWithinItsBuffer) {
    const std::string unit(300, 'm');
    EXPECT_EQ(std::strlen(Format_Check_Line(1, 2, 2, 0.0, 1, "x", unit.c_str())), 199u);
}
