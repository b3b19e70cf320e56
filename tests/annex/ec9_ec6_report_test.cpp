// Annex tables of the EN 1999 and EN 1996 blocks in the report, over the application states of the
// host and the flag strings of a description, each compared as the whole print-list text.
#include <gtest/gtest.h>

#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "annex/ec6_report.h"
#include "annex/ec9_report.h"

namespace {

const char* const Standard = "EC-Standardparameter";
const char* const Germany = "Deutschland";

// EN 1999: layout, caption without the annex name, and head.
const std::string EC9_Open = "#LAYOUT setFlags 0x380\n"
                             "#LAYOUT reserveSpaceCM 6\n" +
                             Annex_Caption_Block("EN 1999-1-1 (EC 9)") + Annex_Table_Head;

// The built-in EN 1999 factors, which both shipped annexes hold.
const std::string EC9_Cross_Section_Rows =
    " 6.1.3(1)     Teilsicherheitsbeiwerte für   Querschnitte / Bauteile \n"
    "              └╬\\M0╬r     = 1.10                Querschnittsversagen                    \n"
    "              └╬\\M1╬r     = 1.10                Stabilitätsversagen                     \n";
const std::string EC9_Tension_Row =
    "              └╬\\M2╬r     = 1.25                Bruchversagen infolge Zug               \n";
const std::string EC9_Constant_Rows =
    " 6.2.1(5)     Beanspruchbark. d. Querschn.\n"
    "              C       = 1.20                Konstante, ANMERKUNG 2                  \n";
const std::string EC9_Connection_Rows =
    " 8.1.1(2)     Teilsicherheitsbeiwerte für   Anschlüsse\n"
    "              └╬\\Mp╬r     = 1.25                Bolzenverbindungen                      \n"
    "              └╬\\Mw╬r     = 1.25                Schweißverbindungen                     \n"
    "              └╬\\Ms,ser╬r = 1.10                Gleitwiderstand im GZ d. Gebrauchst.    \n"
    "              └╬\\Ms,ult╬r = 1.25                Gleitwiderstand im GZ d. Tragf.         \n"
    "              └╬\\Ma╬r     = 3.00                Geklebte Verbindungen                   \n"
    "              └╬\\Mp,ser╬r = 1.00                Bolzen im GZ d. Gebrauchst.             \n";
const std::string EC9_Close = "\n#END_OF_TEXT\n";

const std::string EC9_All_Rows =
    EC9_Open + EC9_Cross_Section_Rows + EC9_Tension_Row + EC9_Constant_Rows + EC9_Connection_Rows + EC9_Close;

// EN 1996: the title of the part, the caption and the head.
std::string EC6_Open(const std::string& annex) {
    return "#LAYOUT setFlags 0x380\n"
           "#LAYOUT reserveSpaceCM 6\n" +
           Annex_Title_Block("Ausgewählte Bemessungsparameter des nationalen Anhangs", annex) +
           Annex_Caption_Block("EN 1996-1-1 (EC 6)") + "#LAYOUT setMarginsCM 1 0 0\n" + Annex_Table_Head;
}

// gamma_M of masonry: persistent, accidental and seismic (without the middle two when they are not
// chosen) and serviceability.
std::string EC6_Rows(const char* persistent, const char* accidental, const char* seismic) {
    std::string rows =
        std::string(" 2.4.3                                      Teilsicherheitsbeiwerte für Mauerwerk\n"
                    "                                            im Grenzzustand der Tragfähigkeit für die\n"
                    "              └╬\\M╬r = ") +
        persistent + "                     - ständige und vorübergehende Bemessungssituation\n";
    if (accidental)
        rows += std::string("              └╬\\M╬r = ") + accidental +
                "                     - außergewöhnliche Bemessungssituation\n"
                "              └╬\\M╬r = " + seismic + "                     - Erdbeben-Bemessungssituation\n";
    return rows + " 2.4.4        └╬\\M╬r = 1.00                     im Grenzzustand der Gebrauchstauglichkeit\n";
}

const std::string EC6_Close = "#END_OF_TEXT\n";

std::string Written(void (*write)(FILE*), const char* annex) {
    NAD_Set_Annex_By_Name(annex);
    return Report_Text(write);
}

// One application state of the host with what the two reports show under it.
struct EC9EC6Report : Application_State_Test {};

}  // namespace

TEST_P(EC9EC6Report, EC9RowsOfTheApplication) {
    // The shipped description marks only the cross-section factors ("100"); every other state shows
    // every row.
    const std::string expected =
        state().shipped ? EC9_Open + EC9_Cross_Section_Rows + EC9_Constant_Rows + EC9_Close : EC9_All_Rows;
    EXPECT_EQ(Written(NAD_Write_EC9_Report, Germany), expected);
    EXPECT_EQ(Written(NAD_Write_EC9_Report, Standard), expected);
}

TEST_P(EC9EC6Report, EC6AccidentalAndSeismicRowsOnlyWhereDesignedFor) {
    // Without flag strings the accidental and seismic factors stand only for the applications 100 and
    // 94; the shipped description has no EN 1996 flag string, so every row is relevant.
    const int n = state().number;
    const bool all = state().description == nullptr || n == 100 || n == 94;
    EXPECT_EQ(Written(NAD_Write_EC6_Report, Germany),
              EC6_Open(Germany) + EC6_Rows("1.50", all ? "1.30" : nullptr, "1.20") + EC6_Close);
    EXPECT_EQ(Written(NAD_Write_EC6_Report, Standard),
              EC6_Open(Standard) + EC6_Rows("1.50", all ? "1.50" : nullptr, "1.50") + EC6_Close);
}

INSTANTIATE_TEST_SUITE_P(ApplicationStates, EC9EC6Report, ::testing::Range(0, 7), Application_State_Name);

namespace {

// This program described with the EN 1999 and EN 1996 words of its own.
void Describe(const Annex_Folders& f, const std::string& ec6, const std::string& ec9) {
    const std::string description = "#NADS -1\n0 0 0 1 0 0 " + ec6 + " 0 0 " + ec9 + "\n";
    Use_Application_State({"Own", 0, description.c_str(), false}, f);
}

struct EC9_Case {
    const char* name;
    const char* word;  // the EN 1999 word of the description
    std::string rows;
};
const EC9_Case EC9_Cases[] = {
    {"Zeros", "000", EC9_Constant_Rows},
    {"SingleZeroIsNoFlagString", "0",
     EC9_Cross_Section_Rows + EC9_Tension_Row + EC9_Constant_Rows + EC9_Connection_Rows},
    {"ShortString", "11", EC9_Cross_Section_Rows + EC9_Tension_Row + EC9_Constant_Rows},  // position 2 beyond it
    {"ConnectionsNeedCrossSections", "001", EC9_Constant_Rows},
    {"CrossSectionsAndConnections", "101", EC9_Cross_Section_Rows + EC9_Constant_Rows + EC9_Connection_Rows},
};

struct EC9_Flag_Strings : ::testing::TestWithParam<int> {
    Annex_Folders f;
};

}  // namespace

TEST_P(EC9_Flag_Strings, ChooseTheRows) {
    const EC9_Case& c = EC9_Cases[GetParam()];
    Describe(f, "0", c.word);
    EXPECT_EQ(Written(NAD_Write_EC9_Report, Germany), EC9_Open + c.rows + EC9_Close) << c.word;
}

INSTANTIATE_TEST_SUITE_P(Words, EC9_Flag_Strings, ::testing::Range(0, 5),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(EC9_Cases[info.param].name);
                         });

TEST(EC6FlagStrings, FactorsWithoutAccidentalAndSeismicRows) {
    Annex_Folders f;
    Describe(f, "10", "0");
    EXPECT_EQ(Written(NAD_Write_EC6_Report, Germany), EC6_Open(Germany) + EC6_Rows("1.50", nullptr, "") + EC6_Close);
}

TEST(EC6FlagStrings, WithoutTheFactorFlagAnEmptyTable) {
    Annex_Folders f;
    Describe(f, "01", "0");
    EXPECT_EQ(Written(NAD_Write_EC6_Report, Germany), EC6_Open(Germany) + EC6_Close);
}
