// Annex report of the EN 1995 block: the small tables side by side or over the full width, the table
// of the rules of the German annex, the choice of tables per application state and flag string, and
// the values and forms the block holds; each compared as the whole print-list text.
#include "annex/ec5_report.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"

namespace {

const char* const Germany = "Deutschland";

std::string Caption(bool reserve_space) {
    return std::string("#LAYOUT setFlags 0x380\n") + (reserve_space ? "#LAYOUT reserveSpaceCM 6\n" : "") +
           "#SHOWTABLE\n"
           "1 3 0\n"
           " Ausgewählte Nachweisparameter des nationalen Anhangs\n"
           " Deutschland\n"
           " \n"
           " DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n"
           "0 0 0 0 0\n"
           "#END_OF_TEXT\n"
           "#LAYOUT setYPositionCM 1 -0.5\n";
}

// A small table of text lines.
std::string Small(const std::string& lines) {
    return "#SHOWTABLE\n"
           "0 0 0\n"
           "0 0 -1 -1\n" +
           lines + "#END_OF_TEXT\n";
}

// The tables by position with the built-in values, which the German annex file holds too.
const std::string Material_Factors = Small(
    " Materialsicherheitsbeiwerte\n"
    " ständig und vorübergehend   Vollholz           1.30\n"
    "                             Brettschichtholz   1.30\n"
    " außergewöhnlich             alle Arten         1.00\n"
    " Brandschutz                 alle Arten         1.00\n");
const std::string Modification_Factors = Small(
    " Modifikationsbeiwerte\n"
    "            Nutzungsklasse\n"
    " KLED        1     2     3\n"
    " ständig    0.60  0.60  0.50\n"
    " lange      0.70  0.70  0.55\n"
    " mittel     0.80  0.80  0.65\n"
    " kurz       0.90  0.90  0.70\n"
    " sehr kurz  1.10  1.10  0.90\n");
const std::string Deformation_Factors = Small(
    " Verformungsbeiwerte\n"
    " k╬\\def╬r =     0.60  0.80  2.00\n");
const std::string Deflection_Limits = Small(
    " Verformungsgrenzwerte\n"
    " gemäß DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2\n"
    " Nachweis     normal    Kragarm\n"
    " w╬\\inst╬r         l/300    l/150\n"
    " w╬\\fin╬r          l/200    l/100\n"
    " w╬\\net,fin╬r      l/300    l/150\n");
const std::string Crack_Factor_Head =
    " Rissfaktor\n"
    " Rissfaktor k╬\\cr╬r zur Festlegung der effektiven Querschnittsbreite\n"
    " bei der Ermittlung der Schubspannungen aus Querkraft\n";
std::string Crack_Factor(const char* solid) {
    return Small(Crack_Factor_Head + " k╬\\cr╬r = " + solid + "   für Voll- und Brettschichtholz\n" +
                 " k╬\\cr╬r = 1.00   sonst                         \n");
}
const std::string Crack_Factor_List = Small(Crack_Factor_Head +
                                            " k╬\\cr╬r = 2.0/fv,k   für Nadelholz\n"
                                            " k╬\\cr╬r = 0.67       für Laubholz\n"
                                            " k╬\\cr╬r = 2.5/fv,k   für Brettschichtholz\n"
                                            " k╬\\cr╬r = 1.0        sonst\n");
std::string Torsion_Factor(const char* factor, const char* maximum) {
    return Small(" Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n"
                 " k╬\\shape╬r = 1 + " + std::string(factor) + " h/b, jedoch maximal " + maximum + "\n");
}
const std::string Net_Deflection_Head =
    " Ermittlung der Netto-Enddurchbiegung nach EC5 (7.2): \n"
    " w╬\\net,fin╬r = w╬\\inst╬r + w╬\\creep╬r - w╬\\c╬r\n";
const std::string Net_Deflection = Small(Net_Deflection_Head +
                                         " charakteristischer Kombination\n"
                                         " gemäß EC5 (7.2) (2.2)...(2.5)\n");
const std::string Net_Deflection_Quasi_Permanent = Small(Net_Deflection_Head +
                                                         " quasiständiger Kombination\n"
                                                         " gemäß NAD Deutschland Änderung A1, (NA.A1)\n");
const std::string Buckling_Factor = Small(
    " Ermittlung der bezogenen Kippschlankheit beim Biegedrillknicknachweis (nur für Brettschichtholz):\n"
    " Faktor gemäß NCI Zu 6.3.3(2) = 1.00\n");

const std::string Rules_Head = Annex_Table_Head;
const std::string Rules_Off =
    " 2.3.1.2(2)P  Tabelle NA.1 nicht anwenden   Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer\n"
    " 3.1.3        Tabelle NA.4 nicht anwenden   Modifikationsbeiwerte\n"
    " 8.3.2        Tabelle NA.15 nicht anwenden  f╬\\ax╬r, f╬\\head╬r für profilierte Nägel\n"
    " 8.3.1.2      NA.11 nicht anwenden          Einschlagtiefen > 4 d\n"
    " 8.5.3 (2)    keine Gewindestangen          Gewindestangen zulassen\n"
    " 6.3.3 (7)    Biegedrillknicken nach EC 5   Biegedrillknicknachweis\n"
    " 8.2.4 (1)    Verfahren nach EC 5           Verbindungsmittel\n";
const std::string NA_Rules_Off =
    " 9.2.4.2      nicht anwenden                (NA.20)  \n"
    " 9.2.4.2      nicht anwenden                (NA.21)  \n"
    " 6.1          nicht anwenden                (NA.8.1.6)  \n"
    " 8.6          nicht anwenden                (NA.7)  \n";
const std::string Rules_On =
    " 2.3.1.2(2)P  Tabelle NA.1 anwenden         Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer\n"
    " 3.1.3        Tabelle NA.4 anwenden         Modifikationsbeiwerte\n"
    " 8.3.2        Tabelle NA.15 anwenden        f╬\\ax╬r, f╬\\head╬r für profilierte Nägel\n"
    " 8.3.1.2      NA.11 anwenden                Einschlagtiefen > 4 d\n"
    " 8.5.3 (2)    Gewindestangen nach NAD       Gewindestangen zulassen\n"
    " 6.3.3 (7)    Biegedrillknicken nach NAD    Biegedrillknicknachweis\n"
    " 8.2.4 (1)    vereinfachtes Verf. nach NAD  Verbindungsmittel\n";
const std::string NA_Rules_On =
    " 9.2.4.2      anwenden                      (NA.20)  \n"
    " 9.2.4.2      anwenden                      (NA.21)  \n"
    " 6.1          anwenden                      (NA.8.1.6)  \n"
    " 8.6          anwenden                      (NA.7)  \n";
const std::string Material_Gamma =
    " 2.4.1                                      Teilsicherheitsbeiwerte\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Vollholz\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Brettschichtholz\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Brettsperrholz\n"
    " Tab. 2.3     └╬\\M╬r = 1.20                     LVL, Sperrholz, OSB\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Spanplatten\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Harte Faserplatten\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Mittelharte Faserplatten\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     MDF-Faserplatten\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Weiche Faserplatten\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Verbindungen\n"
    " Tab. 2.3     └╬\\M╬r = 1.25                     Nagelplatten\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Stahl in Verbindungen\n"
    " Tab. 2.3     └╬\\M╬r = 1.30                     Gipskarton, etc.\n";
const std::string Annex_Rules = Rules_Head + Rules_Off + NA_Rules_Off + Material_Gamma + "#END_OF_TEXT\n";

// Positions 1 beside 2 and 3 beside 4, then 5, 8, 6, 0 and 7.
const std::string All_Tables = Caption(true) + Annex_Table_Pair(Material_Factors, Modification_Factors) +
                               Annex_Table_Pair(Deformation_Factors, Deflection_Limits) + Crack_Factor("0.67") +
                               Torsion_Factor("0.15", "2.00") + Net_Deflection + Buckling_Factor + Annex_Rules;

std::string Written() {
    NAD_Set_Annex_By_Name(Germany);
    return Report_Text(NAD_Write_EC5_Report);
}

struct EC5Report : Application_State_Test {};

}  // namespace

TEST_P(EC5Report, TablesOfTheApplication) {
    // Without flag strings: 220 leaves out the rules and k_shape, 242 the rules, 73 to 76 show the rules
    // alone, every other number everything.
    const std::string pairs = Annex_Table_Pair(Material_Factors, Modification_Factors) +
                              Annex_Table_Pair(Deformation_Factors, Deflection_Limits);
    std::string expected = All_Tables;
    if (state().number == 220)
        expected = Caption(true) + pairs + Crack_Factor("0.67") + Net_Deflection + Buckling_Factor;
    if (state().number == 242)
        expected = Caption(true) + pairs + Crack_Factor("0.67") + Torsion_Factor("0.15", "2.00") + Net_Deflection +
                   Buckling_Factor;
    if (state().number == 75) expected = Caption(false) + Annex_Rules;
    EXPECT_EQ(Written(), expected);
}

INSTANTIATE_TEST_SUITE_P(ApplicationStates, EC5Report, ::testing::Range(0, 7), Application_State_Name);

namespace {

// Applications around the range 73 to 76 that shows the rules alone, described without flag strings.
struct Number_Case {
    int number;
    std::array<int, NAD_EC5_Row_Count> rows;
};
const Number_Case Number_Cases[] = {
    {72, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {73, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
    {76, {0, 0, 0, 0, 0, 0, 0, 1, 0}},
    {77, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
};

struct EC5RowsByNumber : ::testing::TestWithParam<int> {
    Annex_Folders f;
};

}  // namespace

TEST_P(EC5RowsByNumber, EdgesOfTheRuleOnlyRange) {
    const Number_Case& c = Number_Cases[GetParam()];
    Use_Application_State({"Own", c.number, "#NADS 12\n", false}, f);
    NAD_Select_EC5_Report_Rows();
    EXPECT_EQ(NAD_EC5_Row_Flags, c.rows) << c.number;
}

INSTANTIATE_TEST_SUITE_P(Numbers, EC5RowsByNumber, ::testing::Range(0, 4),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "App" + std::to_string(Number_Cases[info.param].number);
                         });

namespace {

struct Flag_Case {
    const char* name;
    const char* word;  // the EN 1995 word of the description
    std::string tables;
};
const Flag_Case Flag_Cases[] = {
    // A table whose neighbour is not chosen stands over the full width.
    {"OneOfEachPairAndTorsion", "010100001", Caption(true) + Material_Factors + Deformation_Factors +
                                                 Torsion_Factor("0.15", "2.00")},
    {"OtherOfEachPairAndRules", "00101001", Caption(true) + Modification_Factors + Deflection_Limits + Annex_Rules},
    // Position 8 lies beyond the string; 7 alone keeps no space for the small tables.
    {"RulesOnly", "00000001", Caption(false) + Annex_Rules},
    {"Nothing", "000000000", Caption(false)},
};

struct EC5FlagStrings : ::testing::TestWithParam<int> {
    Annex_Folders f;
};

}  // namespace

TEST_P(EC5FlagStrings, ChooseTheTables) {
    const Flag_Case& c = Flag_Cases[GetParam()];
    const std::string description = std::string("#NADS -1\n0 0 0 1 0 ") + c.word + " 0 0 0 0\n";
    Use_Application_State({"Own", 0, description.c_str(), false}, f);
    EXPECT_EQ(Written(), c.tables) << c.word;
}

INSTANTIATE_TEST_SUITE_P(Words, EC5FlagStrings, ::testing::Range(0, 4),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(Flag_Cases[info.param].name);
                         });

TEST(EC5ReportValues, StoredCrackFactorAndTheCompletionOfAnOlderGermanBlock) {
    // A version-10 block of the German annex lacks the four NA switches and k_shape: they are completed
    // as the German annex has them (switches on, k_shape 1 + 0.05 h/b up to 1.30). Its k_cr of solid
    // timber is 0.50.
    Annex_Folders f;
    Use_Application_State(Application_States[1], f);
    NAD_Set_Annex_By_Name(Germany);
    Memory_Stream block(
        " 10\n 1\n 0\n 0 0.67 0.67 1.00\n 0\n"
        " 1.3 1.3 1.2 1.3 1.3 1.3\n 1.3 1.3 1.3 1.25 1.0\n 1.3 1.3\n"
        " 0\n 0\n 0\n 0 0\n"
        " 0 1.30 1.30 1.00\n"
        " 0.60 0.70 0.80 0.90 1.10\n 0.60 0.70 0.80 0.90 1.10\n 0.50 0.55 0.65 0.70 0.90\n"
        " 0.60 0.80 2.00\n"
        " 300 200 300 150 100 150 1 0.50 1.00 1 1 1.00\n");
    NAD_Read_EC5(block, NAD_Get_EC5(), 1);
    EXPECT_EQ(Report_Text(NAD_Write_EC5_Report),
              Caption(true) + Annex_Table_Pair(Material_Factors, Modification_Factors) +
                  Annex_Table_Pair(Deformation_Factors, Deflection_Limits) + Crack_Factor("0.50") +
                  Torsion_Factor("0.05", "1.30") + Net_Deflection + Buckling_Factor + Rules_Head + Rules_Off +
                  NA_Rules_On + Material_Gamma + "#END_OF_TEXT\n");
}

TEST(EC5ReportValues, RulesOfTheGermanAnnexSwitchedOn) {
    // The k_cr list and the quasi-permanent combination of the German annex, and every rule switched on.
    Annex_Folders f;
    Use_Application_State(Application_States[1], f);
    NAD_Set_Annex_By_Name(Germany);
    NAD_EC5_Block* b = NAD_Get_EC5();
    b->k_cr_form = 2;
    b->w_net_fin_combination = 2;
    for (int* k : {&b->na1_switch, &b->na4_switch, &b->na15_switch, &b->na11_switch, &b->threaded_rod_switch,
                   &b->ltb_switch, &b->fastener_method_switch, &b->na20_switch, &b->na21_switch, &b->na816_switch,
                   &b->na7_switch})
        *k = 1;
    EXPECT_EQ(Report_Text(NAD_Write_EC5_Report),
              Caption(true) + Annex_Table_Pair(Material_Factors, Modification_Factors) +
                  Annex_Table_Pair(Deformation_Factors, Deflection_Limits) + Crack_Factor_List +
                  Torsion_Factor("0.15", "2.00") +
                  Net_Deflection_Quasi_Permanent + Buckling_Factor + Rules_Head + Rules_On + NA_Rules_On +
                  Material_Gamma + "#END_OF_TEXT\n");
}
