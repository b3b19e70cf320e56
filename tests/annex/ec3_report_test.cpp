// Annex tables of the EN 1993 block in the report: the rows this program's application description
// chooses, the complete annex report and the rows of an application without a description, each
// compared as the whole print-list text.
#include "annex/ec3_report.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "common/cp437.h"

namespace {

const char* const Standard = "EC-Standardparameter";
const char* const Germany = "Deutschland";

// The caption of a table with the annex name, the move of the writing position and the table head.
std::string Table_Open(const std::string& title, const std::string& annex) {
    return Annex_Caption_Block(title + ", NA " + annex) + Annex_Table_Head;
}

// The layout and title at the start of the complete annex report.
std::string Report_Title(const std::string& annex) {
    return "#LAYOUT setFlags 0x380\n"
           "#LAYOUT setMarginsCM 1 0 0\n"
           "#LAYOUT reserveSpaceCM 6\n" +
           Annex_Title_Block("Ausgewählte Bemessungsparameter des nationalen Anhangs", annex);
}

// EN 1993-1-1 rows that this program's description chooses: the partial factors of 6.1(1) with the
// lines on bolts, welds and bearing.
std::string Partial_Factor_Rows(const char* gamma_M1) {
    return std::string(
               " 6.1(1)                                     Teilsicherheitsbeiwerte für Baustahl\n"
               "              └╬\\M0╬r     = 1.00                Querschnittsversagen                    \n"
               "              └╬\\M1╬r     = ") +
           gamma_M1 +
           "                Stabilitätsversagen                     \n"
           "              └╬\\M2╬r     = 1.25                Bruchversagen infolge Zug               \n"
           "                                            bzw. Beanspruchbarkeit von Schrauben,\n"
           "                                            Schweißnähten, Blechen auf Lochleibung\n"
           "#END_OF_TEXT\n";
}

// The EN 1993-1-8 table, alike in both built-in annexes.
std::string Connection_Table(const std::string& annex) {
    return Table_Open("EN 1993-1-8 (EC 3, Anschlüsse)", annex) +
           " 2.2(2)                                     Teilsicherheitsbeiwerte für Anschlüsse\n"
           "              └╬\\M3╬r     = 1.25                Gleitfestigkeit (Kat.C, GZT)            \n"
           "              └╬\\M3,ser╬r = 1.10                Gleitfestigkeit (Kat.B, GZG)            \n"
           "              └╬\\M4╬r     = 1.00                Injektionsschrauben                     \n"
           "              └╬\\M6,ser╬r = 1.00                Bolzen (GZG)                            \n"
           "              └╬\\M7╬r     = 1.10                Vorspannung hochfester Schrauben        \n"
           "              └╬\\M5╬r     = 1.00                Hohlprofile in Fachwerken               \n"
           "#END_OF_TEXT\n";
}

const std::string Standard_Table =
    Table_Open("EN 1993-1-1 (EC 3, Hochbau)", Standard) + Partial_Factor_Rows("1.00");
const std::string German_Table =
    Table_Open("EN 1993-1-1 (EC 3, Hochbau)", Germany) + Partial_Factor_Rows("1.10");

// Every table with the built-in values, for an application without a description.
const std::string Standard_Full_Report_All_Rows =
    Report_Title(Standard) + Table_Open("EN 1993-1-1 (EC 3, Hochbau)", Standard) +
    " 5.3.2(3)b)   elastisch     plastisch       eingeprägte Vorkrümmung von Bauteilen\n"
    "              e╬\\0╬r/L = 1/350  e╬\\0╬r/L = 1/300    Knicklinie a0                           \n"
    "              e╬\\0╬r/L = 1/300  e╬\\0╬r/L = 1/250    Knicklinie a                            \n"
    "              e╬\\0╬r/L = 1/250  e╬\\0╬r/L = 1/200    Knicklinie b                            \n"
    "              e╬\\0╬r/L = 1/200  e╬\\0╬r/L = 1/150    Knicklinie c                            \n"
    "              e╬\\0╬r/L = 1/150  e╬\\0╬r/L = 1/100    Knicklinie d                            \n"
    " 6.1(1)                                     Teilsicherheitsbeiwerte für Baustahl\n"
    "              └╬\\M0╬r     = 1.00                Querschnittsversagen                    \n"
    "              └╬\\M1╬r     = 1.00                Stabilitätsversagen                     \n"
    "              └╬\\M2╬r     = 1.25                Bruchversagen infolge Zug               \n"
    "                                            bzw. Beanspruchbarkeit von Schrauben,\n"
    "                                            Schweißnähten, Blechen auf Lochleibung\n"
    "              außergewöhnliche Situation    Teilsicherheitsbeiwerte für Baustahl\n"
    "              └╬\\M0╬r     = 1.00                Querschnittsversagen                    \n"
    "              └╬\\M1╬r     = 1.00                Stabilitätsversagen                     \n"
    "              └╬\\M2╬r     = 1.25                Bruchversagen infolge Zug               \n"
    " 6.3.2.2(2)   Faktor f zur Modifizierung    Biegedrillknicken\n"
    "              von ╝╬\\LT╬r nicht ansetzen        Allgemeiner Fall\n"
    " 6.3.2.3(1)   ┼╬\\LT,0╬r = 0.40                  Schlankheitsgrad Gl. (6.57)\n"
    "              ╗ = 0.75                      Korrekturfaktor Gl. (6.57)\n"
    " 6.3.2.3(2)   Beiwert k╬\\c╬r aus Tabelle 6.6    Berechnung des Abminderungsfaktors ╝╬\\LT╬r\n"
    "#END_OF_TEXT\n" +
    Table_Open("EN 1993-1-2 (EC 3, Brandfall)", Standard) +
    " 2.3(1)       Brandfall                     Teilsicherheitsbeiwert für\n"
    "              └╬\\M,fi╬r   = 1.00                mechanisches Versagen                   \n"
    "#END_OF_TEXT\n" +
    Connection_Table(Standard) + Table_Open("EN 1993-1-5 (EC 3, Plattenbeulen)", Standard) +
    " 3.1(1)       Anmerkung 3                   zur Berücksichtigung der Schubverzerrungen\n"
    " 5.1(2)       ┴ = 1.20                      Beiwert zur Berechnung des Schubbeulens\n"
    "#END_OF_TEXT\n" +
    Table_Open("EN 1993-1-9 (EC 3, Ermüdung)", Standard) +
    " 3(7)         Schadensfolgen                Teilsicherheitsbeiwert für Ermüdung\n"
    "              niedrig        hoch           \n"
    "              └╬\\Mf╬r = 1.00     └╬\\Mf╬r = 1.15     Schadenstoleranz\n"
    "              └╬\\Mf╬r = 1.15     └╬\\Mf╬r = 1.35     Versagen ohne Vorankündigung\n"
    "#END_OF_TEXT\n" +
    Table_Open("EN 1993-6 (EC 3, Kranbahnen)", Standard) +
    " 7.5(1)       └╬\\M,ser╬r  = 1.00                Teilsicherheitsbeiwert (GZG)\n"
    "#END_OF_TEXT\n";

// The shipped annex files; the application described by the shipped description unless a test
// describes its own.
struct EC3Report : ::testing::Test {
    Annex_Folders f;
    void SetUp() override { Use_Shipped_Host(); }
    // This program described by the text, in place of the shipped description.
    void Describe_Program(const std::string& text) {
        setenv("EXEC", f.exec.c_str(), 1);
        Write_File(f.exec + "/Talvo-EC301/APP0150.DEF", To_Cp437(text));
    }
    // No description of this program.
    void Describe_Nothing() { setenv("EXEC", f.exec.c_str(), 1); }
};

// What the writer gives with the named annex active, shown as UTF-8.
std::string Written(void (*write)(FILE*), const char* annex) {
    NAD_Set_Annex_By_Name(annex);
    return Report_Text(write);
}

}  // namespace

TEST_F(EC3Report, RowsOfThisProgram) {
    EXPECT_EQ(Written(NAD_Write_EC3_Report, Standard), Standard_Table);
    EXPECT_EQ(Written(NAD_Write_EC3_Report, Germany), German_Table);
}

TEST_F(EC3Report, FullReportOfThisProgramAddsTheConnectionTable) {
    EXPECT_EQ(Written(NAD_Write_EC3_Full_Report, Standard),
              Report_Title(Standard) + Standard_Table + Connection_Table(Standard));
    EXPECT_EQ(Written(NAD_Write_EC3_Full_Report, Germany),
              Report_Title(Germany) + German_Table + Connection_Table(Germany));
}

TEST_F(EC3Report, DescriptionWithoutFlagStringsChoosesByProgramNumber) {
    Describe_Program("#NADS 12\n#NAME «Basisverbindungen»\n");
    EXPECT_EQ(Written(NAD_Write_EC3_Report, Standard), Standard_Table);
    const std::array<int, NAD_EC3_Row_Count> rows_150 = {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(NAD_EC3_Row_Flags, rows_150);
}

TEST_F(EC3Report, FlagStringChoosesEachRow) {
    // Accidental situation, lateral-torsional buckling (f given) and the fire table only.
    Describe_Program("#NADS -1\n0 0 0 10001100010 0 0 0 0 0 0\n");
    NAD_Set_Annex_By_Name(Standard);
    NAD_EC3_1_Record& r = NAD_Get_EC3()->ec3_1;
    r.f_given = 1;
    r.f = 0.9;
    r.gamma_M_fi = 1.1;
    const std::string expected =
        Table_Open("EN 1993-1-1 (EC 3, Hochbau)", Standard) +
        " 6.1(1)       ständige/vorüberg. Situation  Teilsicherheitsbeiwerte für Baustahl\n"
        "              └╬\\M0╬r     = 1.00                Querschnittsversagen                    \n"
        "              └╬\\M1╬r     = 1.00                Stabilitätsversagen                     \n"
        "              außergewöhnliche Situation    Teilsicherheitsbeiwerte für Baustahl\n"
        "              └╬\\M0╬r     = 1.00                Querschnittsversagen                    \n"
        "              └╬\\M1╬r     = 1.00                Stabilitätsversagen                     \n"
        " 6.3.2.2(2)   Faktor f zur Modifizierung    Biegedrillknicken\n"
        "              von ╝╬\\LT╬r nicht ansetzen        Allgemeiner Fall\n"
        " 6.3.2.3(1)   ┼╬\\LT,0╬r = 0.40                  Schlankheitsgrad Gl. (6.57)\n"
        "              ╗ = 0.75                      Korrekturfaktor Gl. (6.57)\n"
        " 6.3.2.3(2)   Faktor f = 0.90               Berechnung des Abminderungsfaktors ╝╬\\LT╬r\n"
        "#END_OF_TEXT\n" +
        Table_Open("EN 1993-1-2 (EC 3, Brandfall)", Standard) +
        " 2.3(1)       Brandfall                     Teilsicherheitsbeiwert für\n"
        "              └╬\\M,fi╬r   = 1.10                mechanisches Versagen                   \n"
        "#END_OF_TEXT\n";
    EXPECT_EQ(Report_Text(NAD_Write_EC3_Report), expected);
}

TEST_F(EC3Report, WithoutADescriptionEveryTable) {
    Describe_Nothing();
    EXPECT_EQ(Written(NAD_Write_EC3_Full_Report, Standard), Standard_Full_Report_All_Rows);
}

TEST_F(EC3Report, ReductionFactorLineFollowsTheSwitches) {
    Describe_Nothing();
    struct Case {
        int f_given, kc_from_table;
        const char* line;
    };
    const Case cases[] = {
        {1, 1, " 6.3.2.3(2)   Faktor f = 0.95               Berechnung des Abminderungsfaktors ╝╬\\LT╬r\n"},
        {0, 1, " 6.3.2.3(2)   Beiwert k╬\\c╬r aus Tabelle 6.6    Berechnung des Abminderungsfaktors ╝╬\\LT╬r\n"},
        {0, 0, " 6.3.2.3(2)   Beiwert k╬\\c╬r = 0.860            Berechnung des Abminderungsfaktor ╝╬\\LT╬r\n"},
    };
    NAD_Set_Annex_By_Name(Standard);
    for (const Case& c : cases) {
        NAD_EC3_1_Record& r = NAD_Get_EC3()->ec3_1;
        r.f_given = c.f_given;
        r.kc_from_table = c.kc_from_table;
        r.f = 0.95;
        r.kc = 0.86;
        const std::string text = Report_Text(NAD_Write_EC3_Report);
        EXPECT_NE(text.find(c.line), std::string::npos) << c.line;
        EXPECT_EQ(text.find(" 6.3.2.3(2)"), text.rfind(" 6.3.2.3(2)")) << "one reduction factor line";
    }
}
