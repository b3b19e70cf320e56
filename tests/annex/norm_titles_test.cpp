// Titles of the standards and the literature list under both code editions and for German and other
// annexes; the program's version file.
#include "annex/norm_titles.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "annex/annex_choice.h"
#include "annex/annex_test_support.h"
#include "common/cp437.h"
#include "test_support.h"

namespace {

std::vector<std::string> Literature(int id) {
    const char* lines[NAD_Literature_Max_Lines] = {};
    const int n = NAD_Get_Literature_Lines(id, lines);
    std::vector<std::string> out;
    for (int k = 0; k < n; ++k) out.push_back(From_Cp437(lines[k]));
    return out;
}

struct NormTitles : ::testing::Test {
    Annex_Folders f;
    void SetUp() override {
        std::filesystem::create_directories(f.dram + "/NADS");
        Write_Annex_File(f.dram + "/NADS/1.NAD", *Default_Record(40, "Büro Nord", 0));
        NAD_Set_Code_Edition(0);
    }
};

}  // namespace

TEST_F(NormTitles, FourFormsOfATitle) {
    struct Case {
        int id, with_date, short_form;
        const char* title;
    };
    const Case cases[] = {
        {13, 0, 0, "EN 1993-1-8 (EC 3, Anschlüsse)"}, {13, 1, 0, "EN 1993-1-8 (EC 3, Anschlüsse, 12.10)"},
        {13, 0, 1, "EC 3-1-8"},                       {13, 1, 1, "EC 3-1-8 (12.10)"},
        {3, 0, 1, "ÖN B 4700"},                       {1, 1, 0, "DIN 1045-1 (7.01) mit Ber.2 (6.05)"},
        {12, 0, 0, "EN 1993-1-1 (EC 3, Hochbau)"},    {31, 0, 0, "EN 1993-1-2 (EC 3, Brandfall)"},
        {22, 0, 0, "EN 1996-1-1 (EC 6)"},             {34, 1, 1, "EC 2-4 (4.19)"},
        {14, 1, 1, ""},                               {35, 0, 0, ""},
        {36, 0, 0, ""},                               {-1, 1, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(From_Cp437(NAD_Get_Norm_Title(c.id, c.with_date, c.short_form)), c.title) << c.id;
}

TEST_F(NormTitles, EditionsDateTheTitles) {
    NAD_Set_Code_Edition(1);
    EXPECT_STREQ(NAD_Get_Norm_Title(13, 1, 1), "EC 3-1-8 (04.25)");
    EXPECT_STREQ(NAD_Get_Norm_Title(12, 1, 0), "EN 1993-1-1 (EC 3, Hochbau, 04.25)");
    EXPECT_STREQ(NAD_Get_Norm_Title(26, 1, 1), "EC 3-1-9 (12.10)");  // unchanged by the edition
    EXPECT_EQ(NAD_Get_DIN_Edition(), 1);
    NAD_Set_DIN_Edition(0);
    EXPECT_STREQ(NAD_Get_Norm_Title(1, 1, 0), "DIN 1045-1 (8.08)");
    EXPECT_STREQ(NAD_Get_Norm_Title(2, 1, 1), "DIN-Fb 102 (3.09)");
    EXPECT_STREQ(NAD_Get_Norm_Title(0, 1, 0), "DIN 1045 (7.88)");
}

TEST_F(NormTitles, LiteratureOfTheEditionsWithGermany) {
    EXPECT_EQ(Literature(13), (std::vector<std::string>{
                                  "EN 1993-1-8, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
                                  "  Teil 1-8: Bemessung von Anschlüssen;",
                                  "  Deutsche Fassung EN 1993-1-8:2005 + AC:2009, Ausgabe Dezember 2010",
                                  "EN 1993-1-8/NA, Nationaler Anhang zur EN 1993-1-8, Ausgabe November 2020",
                              }));
    EXPECT_EQ(Literature(12).size(), 5u);
    NAD_Set_Code_Edition(1);
    EXPECT_EQ(Literature(13), (std::vector<std::string>{
                                  "EN 1993-1-8, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
                                  "  Teil 1-8: Bemessung von Anschlüssen;  Deutsche Fassung EN 1993-1-8:2024, "
                                  "Ausgabe April 2025",
                                  "EN 1993-1-8/NA, Nationaler Anhang zur EN 1993-1-8, Ausgabe April 2026",
                              }));
    EXPECT_EQ(Literature(12), (std::vector<std::string>{
                                  "EN 1993-1-1, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
                                  "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln für den Hochbau;",
                                  "  Deutsche Fassung EN 1993-1-1:2022, Ausgabe April 2025",
                                  "EN 1993-1-1/NA, Nationaler Anhang zur EN 1993-1-1, Ausgabe April 2026",
                              }));
    EXPECT_EQ(Literature(19).size(), 6u);
    EXPECT_EQ(Literature(19)[5], "  Teil 10: Ergänzende Bestimmungen, Ausgabe Mai 2012");
}

TEST_F(NormTitles, UserAnnexGetsNoNationalAnnexLines) {
    NAD_Set_Annex_By_Name("Büro Nord");
    NAD_Set_Code_Edition(1);
    EXPECT_EQ(Literature(13).size(), 2u);
    NAD_Set_Code_Edition(0);
    for (int id = 0; id < NAD_Norm_Count; ++id)
        for (const std::string& line : Literature(id))
            EXPECT_EQ(line.find("/NA"), std::string::npos) << id << ": " << line;
    EXPECT_EQ(Literature(19).size(), 3u);
    EXPECT_EQ(Literature(29).size(), 3u);
    EXPECT_EQ(Literature(4).size(), 3u);
}

TEST_F(NormTitles, EntriesWithoutLinesOrOutsideTheTable) {
    EXPECT_TRUE(Literature(6).empty());
    EXPECT_TRUE(Literature(7).empty());
    EXPECT_EQ(Literature(36), std::vector<std::string>{""});
    EXPECT_EQ(Literature(-3), std::vector<std::string>{""});
    // Id 14 has literature but no title.
    EXPECT_EQ(Literature(14), std::vector<std::string>{"DIN 4085, Baugrund - Berechnung des Erddrucks, August 2017"});
    EXPECT_STREQ(NAD_Get_Norm_Title(14, 0, 0), "");
    NAD_Set_DIN_Edition(0);
    EXPECT_EQ(Literature(1).size(), 3u);
    EXPECT_EQ(Literature(1)[1], "  Ausgabe August 2008");
}

TEST_F(NormTitles, EveryLineFitsItsBuffer) {
    for (int edition : {0, 1})
        for (int din : {0, 1}) {
            NAD_Set_Code_Edition(edition);
            NAD_Set_DIN_Edition(din);
            for (int id = 0; id < NAD_Norm_Count; ++id) {
                const char* lines[NAD_Literature_Max_Lines] = {};
                const int n = NAD_Get_Literature_Lines(id, lines);
                for (int k = 0; k < n; ++k) {
                    const std::string line = lines[k];
                    // No line is cut short by its buffer.
                    EXPECT_LT(line.size(), static_cast<std::size_t>(NAD_Literature_Line_Size - 1)) << id;
                }
            }
        }
}

TEST(NormTitlesUserDatum, IsStoredAndReturned) {
    int datum = 0;
    EXPECT_EQ(NAD_Get_User_Datum(), nullptr);
    NAD_Set_User_Datum(&datum);
    EXPECT_EQ(NAD_Get_User_Datum(), &datum);
}

namespace {

class VersionFile : public ::testing::Test {
protected:
    void SetUp() override { setenv("EXEC", exec.path.c_str(), 1); }
    void Write(const std::string& text) { Write_File(exec.file("Talvo-EC301/VERSION"), text); }
    Scratch_Dir exec;
};

TEST_F(VersionFile, FirstLineWithLaterPatches) {
    Write("Version 1.2024-05\nkeine Marke\n<07 erste\nzweite <09\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "Version 1.2024-09");
    Write("Version 3.10\r\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "Version 3.10");
    Write("ohne Zeilenende");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "ohne Zeilenende");
}

TEST_F(VersionFile, ShortTextsAndBrokenMarksStayInside) {
    Write("A\n<12\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "A");       // too short to patch
    Write("AB\n<1\n<\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "AB");      // marks without two characters
    Write(std::string(400, 'v') + "\n<xy\n");
    EXPECT_EQ(std::string(Read_Version_File("Talvo-EC301")), std::string(253, 'v') + "xy");
}

TEST_F(VersionFile, MissingFileOrExecGivesNull) {
    EXPECT_EQ(Read_Version_File("Talvo-EC301"), nullptr);
    EXPECT_EQ(Read_Version_File(nullptr), nullptr);
    Write("Version 1.0\n");
    unsetenv("EXEC");
    EXPECT_EQ(Read_Version_File("Talvo-EC301"), nullptr);
}

}  // namespace
