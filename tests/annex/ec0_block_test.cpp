// The EN 1990 block: two-decimal text form and the versions the reader accepts.
#include "annex/ec0_block.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_test_support.h"
#include "common/stream_print.h"

namespace {

NAD_EC0_Block Defaults() { return Block_Set_By(NAD_Set_EC0_Defaults); }

std::string Written(const NAD_EC0_Block& b) { return Written_Text(NAD_Write_EC0, b); }

// A block of the stored version: 28 building pairs, 12 triples, the version, bridge pairs (15 per
// table from version 4, 14 before), 52 triples and the factor a, then psi_2E from version 5.
std::string Block_Text(int version, double value) {
    std::string t;
    for (int k = 0; k < 28; ++k) t += " 1.10 1.00\n";
    for (int k = 0; k < 12; ++k) t += " 0.90 0.80 0.70\n";
    t += Format_Text(" %d\n", version);
    const int rows = version >= 4 ? 15 : 14;
    for (int table = 0; table < 4; ++table)
        for (int r = 0; r < rows; ++r) t += Format_Text(" %.2f %.2f\n", value + r * 0.01, value);
    for (int k = 0; k < 52; ++k) t += " 0.10 0.20 0.30\n";
    t += " 0.85 0.75 0.65\n";
    if (version >= 5)
        for (int k = 0; k < 12; ++k) t += " 0.44";
    return t;
}

}  // namespace

TEST(EC0Block, DefaultsBeginAndEndAsWritten) {
    const std::string text = Written(Defaults());
    EXPECT_EQ(text.substr(0, 33), " 1.35 1.00\n 1.50 0.00\n 1.35 0.00\n");
    // The factor a, then psi_2E of the twelve categories without a closing line end.
    const std::string tail = " 0.80 0.70 0.60\n 0.30 0.60 0.80 0.60 0.30 0.00 0.50 0.50 0.00 0.00 1.00 0.50";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    // Railway bridges LM 71: psi_1 stored as -0.1 (the report prints the factor a there).
    EXPECT_NE(text.find(" 0.80 -0.10 0.00\n 0.80 -0.10 0.00\n 0.00 1.00 0.00\n"), std::string::npos);
}

TEST(EC0Block, ValuesAreRoundedToTwoDecimals) {
    NAD_EC0_Block b = Defaults();
    b.building_psi[0][0] = 0.1234;
    NAD_EC0_Block r = Defaults();
    Memory_Stream s(Written(b));
    EXPECT_EQ(NAD_Read_EC0(s, &r, 1), 0);
    EXPECT_DOUBLE_EQ(r.building_psi[0][0], 0.12);
    EXPECT_EQ(r.version, 5);
    EXPECT_EQ(Written(r), Written(b));
}

TEST(EC0Block, VersionThreeGivesPedestriansTheRoadTrafficFactors) {
    NAD_EC0_Block b = Defaults();
    Memory_Stream s(Block_Text(3, 1.2));
    NAD_Read_EC0(s, &b, 1);
    EXPECT_EQ(b.version, 3);
    for (int table = 0; table < 4; ++table) {
        EXPECT_DOUBLE_EQ(b.bridge_gamma[table][6][0], 1.26) << table;  // road traffic, the seventh row
        EXPECT_DOUBLE_EQ(b.bridge_gamma[table][7][0], 1.26) << table;  // pedestrians take it over
        EXPECT_DOUBLE_EQ(b.bridge_gamma[table][8][0], 1.27) << table;  // the eighth row read
        EXPECT_DOUBLE_EQ(b.bridge_gamma[table][14][0], 1.33) << table;
    }
    EXPECT_DOUBLE_EQ(b.rail_a[0], 0.85);
    EXPECT_DOUBLE_EQ(b.building_psi[0][3], 0.3);  // psi_2E only from version 5
}

TEST(EC0Block, VersionFourKeepsTheBuiltInPsi2E) {
    NAD_EC0_Block b = Defaults();
    Memory_Stream s(Block_Text(4, 1.2));
    NAD_Read_EC0(s, &b, 1);
    EXPECT_DOUBLE_EQ(b.bridge_gamma[3][14][0], 1.34);
    EXPECT_DOUBLE_EQ(b.building_psi[6][3], 0.5);
    Memory_Stream five(Block_Text(5, 1.2));
    NAD_Read_EC0(five, &b, 1);
    EXPECT_DOUBLE_EQ(b.building_psi[6][3], 0.44);
}

TEST(EC0Block, OldSectionOfVersionZeroHasThePersistentTableOnly) {
    NAD_EC0_Block b = Defaults();
    std::string text = "#NAD alt\n Lastfaktoren 0\n";
    for (int k = 0; k < 7; ++k) text += " 1.40 0.90\n";
    for (int k = 0; k < 12; ++k) text += " 0.60 0.50 0.40\n";
    text += "#NAD\n";
    Memory_Stream s(text);
    std::fgetc(s);
    EXPECT_EQ(NAD_Read_EC0(s, &b, 0), 1);  // no block version follows in the old section
    EXPECT_DOUBLE_EQ(b.building_gamma[0][6][0], 1.4);
    EXPECT_DOUBLE_EQ(b.building_gamma[1][0][0], 1.0);  // the accidental table stays
    EXPECT_DOUBLE_EQ(b.building_psi[11][2], 0.4);
    EXPECT_EQ(b.version, 2);

    NAD_EC0_Block untouched = Defaults();
    Memory_Stream none("#NAD\n Lastfaktoren 1\n");
    EXPECT_EQ(NAD_Read_EC0(none, &untouched, 0), 1);
    EXPECT_EQ(Written(untouched), Written(Defaults()));
}

TEST(EC0Block, EveryValueReadsBackFromItsPlace) {
    NAD_EC0_Block b = Defaults();
    Set_Distinct_Values(&b);
    NAD_EC0_Block r = Defaults();
    Memory_Stream s(Written(b));
    EXPECT_EQ(NAD_Read_EC0(s, &r, 1), 0);
    EXPECT_EQ(NAD_Compare_EC0(&r, &b), 0);
    EXPECT_EQ(Written(r), Written(b));
    // Filled from 1.51 on: the 56th value ends the building pairs, the 104th is the last psi_2E (written
    // at the end of the block), the 383rd the factor a for three tracks.
    EXPECT_DOUBLE_EQ(r.building_gamma[3][6][1], 2.06);
    EXPECT_DOUBLE_EQ(r.building_psi[11][3], 2.54);
    EXPECT_DOUBLE_EQ(r.rail_a[2], 5.33);
}

TEST(EC0Block, ComparisonCountsEveryValueWithATolerance) {
    const NAD_EC0_Block a = Defaults();
    struct Case {
        const char* what;
        void (*change)(NAD_EC0_Block&, double);
    };
    const Case cases[] = {
        {"serviceability, earthquake row", [](NAD_EC0_Block& b, double d) { b.building_gamma[3][6][1] += d; }},
        {"psi_2E of other actions", [](NAD_EC0_Block& b, double d) { b.building_psi[11][3] += d; }},
        {"bridges, accidental table", [](NAD_EC0_Block& b, double d) { b.bridge_gamma[1][14][0] += d; }},
        {"road bridges", [](NAD_EC0_Block& b, double d) { b.road_psi[13][2] += d; }},
        {"footbridges", [](NAD_EC0_Block& b, double d) { b.foot_psi[6][1] += d; }},
        {"railway bridges", [](NAD_EC0_Block& b, double d) { b.rail_psi[30][0] += d; }},
        {"factor a", [](NAD_EC0_Block& b, double d) { b.rail_a[2] += d; }},
    };
    for (const Case& c : cases) {
        NAD_EC0_Block b = a;
        c.change(b, 0.00009);
        EXPECT_EQ(NAD_Compare_EC0(&a, &b), 0) << c.what;
        c.change(b, 0.00002);
        EXPECT_EQ(NAD_Compare_EC0(&a, &b), 1) << c.what;
    }
    NAD_EC0_Block other_version = a;
    other_version.version = 3;
    EXPECT_EQ(NAD_Compare_EC0(&a, &other_version), 0);
    EXPECT_EQ(NAD_Compare_EC0(&a, nullptr), 1);

    // A value finer than the file's two decimals counts as a change once saved and read.
    NAD_EC0_Block fine = a;
    fine.building_psi[0][0] = 0.1234;
    NAD_EC0_Block saved = a;
    Memory_Stream s(Written(fine));
    NAD_Read_EC0(s, &saved, 1);
    EXPECT_EQ(NAD_Compare_EC0(&saved, &fine), 1);
}

TEST(EC0Block, CopyTakesEveryValueButTheVersion) {
    NAD_EC0_Block source = Defaults();
    Set_Distinct_Values(&source);
    source.version = 5;
    NAD_EC0_Block target = Defaults();
    target.version = 3;
    NAD_Copy_EC0(&target, &source);
    EXPECT_EQ(target.version, 3);
    EXPECT_EQ(NAD_Compare_EC0(&target, &source), 0);
    EXPECT_DOUBLE_EQ(target.foot_psi[0][0], source.foot_psi[0][0]);
    NAD_Copy_EC0(&target, nullptr);
    NAD_Copy_EC0(nullptr, &source);
    EXPECT_EQ(target.version, 3);
}
