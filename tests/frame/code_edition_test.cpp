#include "frame/code_edition.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "annex/norm_titles.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"

TEST(Code_Edition, SetMakesTheEditionCurrentForTheAnnexLibrary) {
    Set_Code_Edition(Code_Edition_2025);
    EXPECT_EQ(Current_Code_Edition, 1);
    EXPECT_EQ(NAD_Get_Code_Edition(), 1);
    Set_Code_Edition(Code_Edition_2010);
    EXPECT_EQ(NAD_Get_Code_Edition(), 0);
}

TEST(Check_File_Version, AcceptsOlderCurrentAndReservedVersions) {
    Clear_Host_Message_History();
    struct Case { int file, program, accept; };
    const Case cases[] = {{1, 3, 1}, {3, 3, 1}, {9999, 3, 1}, {12000, 3, 1}, {4, 3, 0}, {9998, 3, 0}};
    for (const Case& c : cases) EXPECT_EQ(Check_File_Version(c.file, c.program, 0), c.accept) << c.file;
    ASSERT_EQ(Host_Message_History().size(), 2u);
    EXPECT_EQ(Host_Message_History()[0],
              "!! ACHTUNG !!\nDie Eingabedatei ist aktueller als die Programmversion\n"
              "Bitte aktualisieren Sie das Programm.");
}

TEST(Check_File_Version, ImportNoticeAndSilenceOnTheBatchRoad) {
    Clear_Host_Message_History();
    EXPECT_EQ(Check_File_Version(5, 4, 1), 0);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0],
              "!! ACHTUNG !!\nDie Importdatei ist aktueller als die Programmversion\n"
              "Bitte fordern Sie eine neue Programmversion an.");
    Refresh_Mode = 1;
    EXPECT_EQ(Check_File_Version(5, 4, 0), 0);
    Refresh_Mode = 0;
    EXPECT_EQ(Host_Message_History().size(), 1u);
}

TEST(Blank_Coding, RoundTripAndBlanksOnly) {
    char name[] = "S 235 JR";
    EXPECT_EQ(Encode_Blanks(name), 1);
    EXPECT_STREQ(name, "S~235~JR");
    EXPECT_EQ(Decode_Blanks(name), 1);
    EXPECT_STREQ(name, "S 235 JR");

    char blanks[] = "   ";
    Encode_Blanks(blanks);
    EXPECT_STREQ(blanks, "~~~");
    EXPECT_EQ(Decode_Blanks(blanks), 0);
    EXPECT_STREQ(blanks, "   ");
    char empty[] = "";
    EXPECT_EQ(Decode_Blanks(empty), 0);
}

TEST(Fixed_Width_Texts, TrimPadAndCopy) {
    char text[] = "  zwei Worte  ";
    EXPECT_EQ(Trim_Blanks(text), 1);
    EXPECT_STREQ(text, "zwei Worte");
    char empty[] = "";
    EXPECT_EQ(Trim_Blanks(empty), 0);
    char blanks[] = "   ";
    EXPECT_EQ(Trim_Blanks(blanks), 1);
    EXPECT_STREQ(blanks, "");

    char inner[] = " a b  c ";
    EXPECT_EQ(Remove_All_Blanks(inner), 1);
    EXPECT_STREQ(inner, "abc");
    char only[] = "  ";
    EXPECT_EQ(Remove_All_Blanks(only), 0);

    char designation[26] = "S235";
    Pad_With_Blanks(designation, sizeof designation);
    EXPECT_EQ(std::string(designation), "S235" + std::string(21, ' '));
    char longer[31];
    std::memcpy(longer, "123456789012345678901234567890", 31);
    Pad_With_Blanks(longer, 26);
    EXPECT_EQ(std::string(longer), "1234567890123456789012345");

    char up[] = "s235jr";
    Upcase_Text(up);
    EXPECT_STREQ(up, "S235JR");

    char target[6] = "alt";
    Copy_Text_Limited(target, "neuer Text", sizeof target);
    EXPECT_STREQ(target, "neuer");
    char untouched[6] = "";
    Copy_Text_Limited(untouched, "x", sizeof untouched);
    EXPECT_STREQ(untouched, "");
    Copy_Text_Limited(target, "", sizeof target);
    EXPECT_STREQ(target, "neuer");
}
