// The application table: the description files under EXEC and the relevance of annex parameters for
// the running program (number 150 in the host stand-in).
#include "annex/application_table.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "annex/annex_test_support.h"
#include "common/cp437.h"
#include "common/stream_print.h"

namespace {

// Writes EXEC/<folder>/<file> with the text (UTF-8 in the test, CP437 in the file).
void Describe(const Annex_Folders& f, const std::string& folder, const std::string& file, const std::string& text) {
    std::filesystem::create_directories(f.exec + "/" + folder);
    Write_File(f.exec + "/" + folder + "/" + file, To_Cp437(text));
}

}  // namespace

TEST(ApplicationTable, ShippedDescriptionChoosesTheParametersOfTheChecks) {
    setenv("EXEC", (std::string(BASIS_SOURCE_DIR) + "/host/EXEC").c_str(), 1);
    NAD_Read_Application_Table();
    EXPECT_EQ(NAD_Find_Application(), 150);
    EXPECT_EQ(NAD_Application_Has_Flags(), 1);
    EXPECT_EQ(NAD_Application_All_Rows(), 0);
    EXPECT_EQ(NAD_Application_Mask(), (1 << 2) | (1 << 3) | (1 << 9));
    const NAD_Application_Entry* row = NAD_Get_Application_Entry(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->name, "BASISVERBINDUNGEN");
    EXPECT_EQ(row->service, "Bauteil");
    // EN 1993: the partial factors of EN 1993-1-1 6.1(1) with the lines on bolts and welds, and the
    // table of EN 1993-1-8.
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(NAD_Test_Parameter_Flag(3, k)) << k;
    for (int k = 4; k < 11; ++k) EXPECT_FALSE(NAD_Test_Parameter_Flag(3, k)) << k;
    // EN 1992: gamma_c, alpha_cc, alpha_ct, the shear rows and the building rows.
    for (int k = 0; k < 33; ++k) {
        const bool used = k == 0 || k == 2 || k == 3 || k == 10 || k == 30;
        EXPECT_EQ(NAD_Test_Parameter_Flag(2, k), used) << k;
    }
    // EN 1999: the cross-section factors of the aluminium plates.
    EXPECT_TRUE(NAD_Test_Parameter_Flag(9, 0));
    EXPECT_FALSE(NAD_Test_Parameter_Flag(9, 1));
    // Slots without a flag string count every parameter as relevant.
    EXPECT_TRUE(NAD_Test_Parameter_Flag(0, 5));
    EXPECT_TRUE(NAD_Test_Parameter_Flag(5, 0));
}

TEST(ApplicationTable, WithoutARowEveryParameterIsRelevant) {
    Annex_Folders f;
    Describe(f, "Other", "APP0151.DEF", "#NADS -1\n0 0 0 0000 0 0 0 0 0 0\n");
    NAD_Read_Application_Table();
    EXPECT_EQ(NAD_Get_Application_Count(), 1);
    EXPECT_EQ(NAD_Find_Application(), 0);
    EXPECT_EQ(NAD_Application_All_Rows(), 1);
    EXPECT_EQ(NAD_Application_Mask(), 623);
    EXPECT_EQ(NAD_Application_Has_Flags(), 1);
    for (int slot : {-1, 0, 3, 9, 10})
        for (int position : {-1, 0, 4, 40}) EXPECT_TRUE(NAD_Test_Parameter_Flag(slot, position)) << slot << position;
}

TEST(ApplicationTable, FlagStringDecidesPositionByPosition) {
    Annex_Folders f;
    Describe(f, "EC301", "APP0150.DEF", "#NADS -1 0 0 0 1101 0 0 2 0 0 1\n#NAME «Verbindungen»\n");
    NAD_Read_Application_Table();
    ASSERT_EQ(NAD_Find_Application(), 150);
    EXPECT_EQ(NAD_Get_Application_Entry(0)->name, "VERBINDUNGEN");
    const bool expected[] = {true, true, false, true, false, false};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(NAD_Test_Parameter_Flag(3, k), expected[k]) << k;
    EXPECT_FALSE(NAD_Test_Parameter_Flag(3, -1));
    // "2" is one character other than "1": no flag string, the slot is not marked as used.
    EXPECT_TRUE(NAD_Test_Parameter_Flag(6, 7));
    // "1" is a flag string of one relevant position.
    EXPECT_TRUE(NAD_Test_Parameter_Flag(9, 0));
    EXPECT_FALSE(NAD_Test_Parameter_Flag(9, 1));
    EXPECT_EQ(NAD_Application_Mask(), (1 << 3) | (1 << 9));
}

TEST(ApplicationTable, PositiveMaskCarriesNoFlagStrings) {
    Annex_Folders f;
    Describe(f, "Stahl", "APP0150.DEF", "#NADS 12\n#SERVICE «Stahlbau»\n#GROUP\n«Anschlüsse»\n");
    NAD_Read_Application_Table();
    EXPECT_EQ(NAD_Find_Application(), 150);
    EXPECT_EQ(NAD_Application_Has_Flags(), 0);
    EXPECT_EQ(NAD_Application_All_Rows(), 0);
    EXPECT_EQ(NAD_Application_Mask(), 12);
    const NAD_Application_Entry* row = NAD_Get_Application_Entry(0);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->name, "STAHL");                // the folder's name, in upper case
    EXPECT_EQ(row->service, To_Cp437("Anschlüsse"));  // the group replaces the service
}

TEST(ApplicationTable, FilesWithoutAnnexUseOrNumberAreLeftOut) {
    Annex_Folders f;
    Describe(f, "A", "APP0000.DEF", "#NADS 8\n");
    Describe(f, "B", "APP0152.DEF", "#NADS 0\n");
    Describe(f, "C", "APP0153.DEF", "#NAME «Ohne»\n");
    Describe(f, "D", "APPX.DEF", "#NADS 8\n");
    Describe(f, "E", "APP0154.DEF", "#NADS 8\n#NAME\n«Zweite»\n");
    Write_File(f.exec + "/APP0155.DEF", "#NADS 8\n");  // directly under EXEC, not in a program folder
    NAD_Read_Application_Table();
    ASSERT_EQ(NAD_Get_Application_Count(), 1);
    EXPECT_EQ(NAD_Get_Application_Entry(0)->number, 154);
    EXPECT_EQ(NAD_Get_Application_Entry(0)->name, "ZWEITE");
    EXPECT_EQ(NAD_Get_Application_Entry(0)->service, "Bauteil");
    EXPECT_EQ(NAD_Get_Application_Entry(1), nullptr);
}

TEST(ApplicationTable, FileNumberIsTheIntOfFourCharactersAfterApp) {
    // The number is converted like "%4d": a sign counts as one of the four characters, a fifth digit
    // is not read, and only a number above 0 makes a row.
    Annex_Folders f;
    Describe(f, "A", "APP+156.DEF", "#NADS 8\n");
    Describe(f, "B", "APP-157.DEF", "#NADS 8\n");
    Describe(f, "C", "APP12345.DEF", "#NADS 8\n");
    NAD_Read_Application_Table();
    ASSERT_EQ(NAD_Get_Application_Count(), 2);
    EXPECT_EQ(NAD_Get_Application_Entry(0)->number, 156);
    EXPECT_EQ(NAD_Get_Application_Entry(1)->number, 1234);
}

TEST(ApplicationTable, WithoutExecTheTableIsReadLater) {
    Annex_Folders f(true, true, false);
    Describe(f, "EC301", "APP0150.DEF", "#NADS 8\n");
    NAD_Read_Application_Table();
    EXPECT_EQ(NAD_Get_Application_Count(), 0);
    setenv("EXEC", f.exec.c_str(), 1);
    NAD_Read_Application_Table();
    EXPECT_EQ(NAD_Get_Application_Count(), 1);
    EXPECT_EQ(NAD_Find_Application(), 150);
}

TEST(ApplicationTable, HoldsAtMostThreeHundredRows) {
    Annex_Folders f;
    for (int n = 1; n <= 305; ++n) Describe(f, "P" + std::to_string(n), Format_Text("APP%04d.DEF", n), "#NADS 8\n");
    NAD_Read_Application_Table();
    EXPECT_EQ(NAD_Get_Application_Count(), 300);
}
