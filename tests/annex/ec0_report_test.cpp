// Annex report of the EN 1990 block: both parts with the built-in load factors, over the application
// states of the host and the flag strings of a description, each compared as the whole print-list
// text.
#include "annex/ec0_report.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"

namespace {

const char* const Germany = "Deutschland";

// The start of a part: layout and title with the annex name.
std::string Part_Open(const std::string& heading, const std::string& annex) {
    return "#LAYOUT setFlags 0x380\n"
           "#LAYOUT reserveSpaceCM 6\n" +
           Annex_Title_Block(heading, annex);
}

// The heading of the annex pages that stands above the bridge part of an application of the table.
const std::string Listed_Heading =
    "#SHOWTABLE\n"
    "1 0 0\n"
    " Nationale Anhänge zu den Eurocodes\n"
    "0 0 -1 -1\n"
    "#END_OF_TEXT\n";

// A partial-factor table of a design situation: its heading, the column line and head, the rows.
std::string Gamma_Table(const std::string& situation, const std::string& columns, const std::string& rows) {
    return "#SHOWTABLE\n"
           "0 1 1\n"
           " ╬HTeilsicherheitsfaktoren für Einwirkungen\n"
           "  " + situation + "\n" + columns + rows + "#END_OF_TEXT\n";
}

const std::string Persistent = "der ständigen und vorübergehenden Bemessungssituation";
const std::string Accidental = "der außergewöhnlichen Bemessungssituation";
const std::string Seismic = "der Erdbebenbemessungssituation";
const std::string Serviceability = "der Gebrauchstauglichkeits- und Ermüdungsnachweise";

// Buildings, built-in values: the first five action types; the accidental and seismic situations
// add the accidental actions or the earthquake.
const std::string Building_Columns =
    "1 0 -1 -1 2\n"
    " 34 40\n"
    " Einwirkungsart                     └╬\\Fsup╬r └╬\\Finf╬r\n";
const std::string Building_Unit_Rows =
    " ständige Lasten                    1.00  1.00\n"
    " veränderliche Lasten               1.00  0.00\n"
    " Flüssigkeitsdruck/Maschinenlasten  1.00  0.00\n"
    " Zwang                              1.00  0.00\n"
    " Vorspannung                        1.00  1.00\n";
const std::string Building_Gamma[4] = {
    Gamma_Table(Persistent, Building_Columns,
                " ständige Lasten                    1.35  1.00\n"
                " veränderliche Lasten               1.50  0.00\n"
                " Flüssigkeitsdruck/Maschinenlasten  1.35  0.00\n"
                " Zwang                              1.00  0.00\n"
                " Vorspannung                        1.00  1.00\n"),
    Gamma_Table(Accidental, Building_Columns,
                Building_Unit_Rows + " außergewöhnliche Einwirkungen      1.00  1.00\n"),
    Gamma_Table(Seismic, Building_Columns, Building_Unit_Rows + " Erdbeben                           1.00  1.00\n"),
    Gamma_Table(Serviceability, Building_Columns, Building_Unit_Rows),
};

// Bridges, built-in values: the first eleven action types and the temperature.
const std::string Bridge_Columns =
    "1 0 -1 -1 2\n"
    " 38 44\n"
    " Einwirkungsart                         └╬\\Fsup╬r └╬\\Finf╬r\n";
const std::string Bridge_Other_Rows =
    " ständige Lasten                        1.00  1.00\n"
    " Vorspannung linear                     1.00  1.00\n"
    " Vorspannung nichtlinear                1.00  1.00\n"
    " Vorspannung lokal                      1.00  1.00\n"
    " Setzung linear                         1.00  0.00\n"
    " Setzung nichtlinear                    1.00  0.00\n"
    " Straßenverkehr                         1.00  0.00\n"
    " Fußgängerverkehr                       1.00  0.00\n"
    " Schienenverkehr Lastgruppe 11 bis 31   1.00  0.00\n"
    " Schienenverkehr Lastgr. 16, 17, SW/2   1.00  0.00\n"
    " veränderliche Lasten                   1.00  0.00\n"
    " Temperatur                             1.00  0.00\n";
const std::string Bridge_Gamma[4] = {
    Gamma_Table(Persistent, Bridge_Columns,
                " ständige Lasten                        1.35  1.00\n"
                " Vorspannung linear                     1.00  1.00\n"
                " Vorspannung nichtlinear                1.00  1.00\n"
                " Vorspannung lokal                      1.20  1.00\n"
                " Setzung linear                         1.20  0.00\n"
                " Setzung nichtlinear                    1.35  0.00\n"
                " Straßenverkehr                         1.50  0.00\n"
                " Fußgängerverkehr                       1.50  0.00\n"
                " Schienenverkehr Lastgruppe 11 bis 31   1.45  0.00\n"
                " Schienenverkehr Lastgr. 16, 17, SW/2   1.20  0.00\n"
                " veränderliche Lasten                   1.50  0.00\n"
                " Temperatur                             1.50  0.00\n"),
    Gamma_Table(Accidental, Bridge_Columns, Bridge_Other_Rows),
    Gamma_Table(Seismic, Bridge_Columns, Bridge_Other_Rows),
    Gamma_Table(Serviceability, Bridge_Columns, Bridge_Other_Rows),
};

const std::string Building_Psi =
    "#SHOWTABLE\n"
    "0 1 1\n"
    " ╬HKombinationsbeiwerte\n"
    " Die Werte in der ╕╬\\2E╬r-Spalte sind die ╕╬\\2╬r-Werte für die Erdbebenbemessungssituation\n"
    "1 0 -1 -1 4\n"
    " 30 41 47 53\n"
    " Einwirkung                     Kategorie   ╕╬\\0╬r    ╕╬\\1╬r    ╕╬\\2╬r    ╕╬\\2E╬r \n"
    " Wohn-, Büroräume                 A, B     0.70  0.50  0.30  0.30\n"
    " Versammlungs-, Verkaufsräume     C, D     0.70  0.70  0.60  0.60\n"
    " Lagerräume                         E      1.00  0.90  0.80  0.80\n"
    " Fahrzeuge bis 30 kN                F      0.70  0.70  0.60  0.60\n"
    " Fahrzeuge bis 160 kN               G      0.70  0.50  0.30  0.30\n"
    " Dächer                             H      0.00  0.00  0.00  0.00\n"
    " Schnee/Eis bis 1000 m ü.NN                0.50  0.20  0.00  0.50\n"
    " Schnee/Eis über 1000 m ü.NN               0.70  0.50  0.20  0.50\n"
    " Wind                                      0.60  0.20  0.00  0.00\n"
    " Temperatur                                0.60  0.50  0.00  0.00\n"
    " Baugrundsetzungen                         1.00  1.00  1.00  1.00\n"
    " sonstige Einwirkungen                     0.80  0.70  0.50  0.50\n"
    " ╬HAnmerkung:╬r Flüssigkeitsdruck/Maschinenlasten, Zwang sowie Baugrundsetzungen, sonstige Einwirkungen\n"
    "            sind nicht Teil der EN 1990 (Eurocode).\n"
    "#END_OF_TEXT\n";

const std::string Road_Psi =
    "#SHOWTABLE\n"
    "0 0 1\n"
    " ╬HKombinationsbeiwerte Straßenbrücken\n"
    "1 0 -1 -1 3\n"
    " 34 40 46\n"
    " Einwirkung                          ╕╬\\0╬r    ╕╬\\1╬r    ╕╬\\2╬r \n"
    " gr1a Doppelachse                   0.75  0.75  0.00\n"
    " gr1a Gleichmäßig verteilte Last    0.40  0.40  0.00\n"
    " gr1a Geh- und Radwegbelastung      0.40  0.40  0.00\n"
    " gr1b (Einzelachse)                 0.00  0.75  0.00\n"
    " gr2 (Horizontalkräfte              0.00  0.00  0.00\n"
    " gr3 (Gehwegbelastung)              0.00  0.40  0.00\n"
    " gr4 (LM4 - Menschengedränge)       0.00  0.00  0.00\n"
    " gr5 (LM5 - Spezialfahrzeuge)       0.00  0.00  0.00\n"
    " Wind ständige Bemessungssituation  0.60  0.20  0.00\n"
    " Temperatur                         0.80  0.00  0.00\n"
    " Baugrundsetzungen                  1.00  0.00  0.00\n"
    " Temperaturlasten                   0.60  0.60  0.50\n"
    " Schneelasten (Bauzeit)             0.80  0.00  0.00\n"
    " Lasten aus Bauausführung           1.00  0.00  1.00\n"
    "#END_OF_TEXT\n";

const std::string Foot_Psi =
    "#SHOWTABLE\n"
    "0 0 1\n"
    " ╬HKombinationsbeiwerte Fußgängerbrücken\n"
    "1 0 -1 -1 3\n"
    " 38 44 50\n"
    " Einwirkung                          ╕╬\\0╬r    ╕╬\\1╬r    ╕╬\\2╬r \n"
    " gr1                                    0.40  0.40  0.00\n"
    " Q╬\\fwk╬r                               0.00  0.00  0.00\n"
    " gr2                                    0.00  0.00  0.00\n"
    " F╬\\wk╬r                                0.30  0.20  0.00\n"
    " T╬\\k╬r                                 0.60  0.60  0.50\n"
    " Q╬\\Sn,k╬r                              0.80  0.00  0.00\n"
    " Q╬\\c╬r                                 1.00  0.00  1.00\n"
    "#END_OF_TEXT\n";

const std::string Rail_Psi =
    "#SHOWTABLE\n"
    "0 0 1\n"
    " ╬HKombinationsbeiwerte Eisenbahnbrücken\n"
    "1 0 -1 -1 3\n"
    " 35 41 47\n"
    " Einwirkung                           ╕╬\\0╬r    ╕╬\\1╬r    ╕╬\\2╬r \n"
    " LM 71                               0.80   a    0.00\n"
    " SW/0                                0.80   a    0.00\n"
    " SW/2                                0.00  1.00  0.00\n"
    " Unbeladener Zug                     1.00  0.00  0.00\n"
    " HSLM                                1.00  1.00  0.00\n"
    " Seitenstoß                          1.00  0.80  0.00\n"
    " Lasten auf Dienstwege               0.80  0.50  0.00\n"
    " Betriebslastenzug                   1.00  1.00  0.00\n"
    " Horizontaler Erddruck infolge       0.80   a    0.00\n"
    " Überschreitung der Verkehrslasten \n"
    " Aerodynamische Einwirkungen         0.80  0.50  0.00\n"
    " gr11 (LM 71 + SW/0)                 0.80  0.80  0.00\n"
    " gr12                                0.80  0.80  0.00\n"
    " gr13                                0.80  0.80  0.00\n"
    " gr14                                0.80  0.80  0.00\n"
    " gr15                                0.80  0.80  0.00\n"
    " gr16                                0.80  0.80  0.00\n"
    " gr17 (SW/2)                         0.80  0.80  0.00\n"
    " gr21 (LM 71 +SW/0)                  0.80  0.70  0.00\n"
    " gr22                                0.80  0.70  0.00\n"
    " gr23                                0.80  0.70  0.00\n"
    " gr24                                0.80  0.70  0.00\n"
    " gr26                                0.80  0.70  0.00\n"
    " gr27 (SW/2)                         0.80  0.70  0.00\n"
    " gr31 (LM 71 +SW/0)                  0.80  0.60  0.00\n"
    " Aerodynamische Einwirkungen         0.80  0.50  0.00\n"
    " Allgemeine Lasten aus               0.80  0.50  0.00\n"
    " Instandhaltung für Dienstgehwege  \n"
    " F╬\\wk╬r                             0.75  0.50  0.00\n"
    " F╬\\W╬r**                            1.00  0.00  0.00\n"
    " T╬\\k╬r                              0.60  0.60  0.50\n"
    " Q╬\\Sn,k╬r                           0.80  0.00  0.00\n"
    " Q╬\\c╬r                              1.00  0.00  1.00\n"
    "#END_OF_TEXT\n";

// The factor a of the railway load models per number of loaded tracks.
const std::string Rail_A =
    "#SHOWTABLE\n"
    "0 0 0\n"
    "0 0 -1 -1\n"
    " ╬Ha ╬r 0.80 wenn nur 1 Gleis belastet wird\n"
    "    0.70 wenn 2 Gleise gleichzeitg belastet werden\n"
    "    0.60 wenn 3 oder mehrere Gleise gleichzeitig\n"
    "    belastet werden\n"
    "#END_OF_TEXT\n";

const std::string Building_Part = Part_Open("Lastfaktoren (Hochbau) des nationalen Anhangs", Germany) +
                                  Annex_Table_Pair(Building_Gamma[0], Building_Gamma[1]) +
                                  Annex_Table_Pair(Building_Gamma[2], Building_Gamma[3]) + Building_Psi +
                                  "#LAYOUT resetMaxMargin\n";

std::string Bridge_Part(bool listed) {
    std::string text = Part_Open("Lastfaktoren (Brückenbau) des nationalen Anhangs", Germany);
    if (listed) text.insert(text.find("#SHOWTABLE"), Listed_Heading);
    return text + Annex_Table_Pair(Bridge_Gamma[0], Bridge_Gamma[1]) +
           Annex_Table_Pair(Bridge_Gamma[2], Bridge_Gamma[3]) + Road_Psi + Foot_Psi + Rail_Psi + Rail_A +
           "#LAYOUT resetMaxMargin\n";
}

std::string Written() {
    NAD_Set_Annex_By_Name(Germany);
    return Report_Text(NAD_Write_EC0_Report);
}

struct EC0Report : Application_State_Test {};

}  // namespace

TEST_P(EC0Report, BothPartsWithTheHeadingOfAListedApplication) {
    // No description leaves every row relevant but lists no application: no heading of the annex pages.
    const bool listed = state().shipped || state().description;
    EXPECT_EQ(Written(), Building_Part + Bridge_Part(listed));
}

INSTANTIATE_TEST_SUITE_P(ApplicationStates, EC0Report, ::testing::Range(0, 7), Application_State_Name);

namespace {

struct Part_Case {
    const char* name;
    const char* word;  // the EN 1990 word of the description
    bool building, bridges;
};
const Part_Case Part_Cases[] = {
    {"BuildingsOnly", "10", true, false},
    {"BridgesOnly", "01", false, true},
    {"Neither", "00", false, false},
    {"SingleOneMarksPositionZeroOnly", "1", true, false},
    {"SingleZeroIsNoFlagString", "0", true, true},
};

struct EC0FlagStrings : ::testing::TestWithParam<int> {
    Annex_Folders f;
};

}  // namespace

TEST_P(EC0FlagStrings, ChooseTheParts) {
    const Part_Case& c = Part_Cases[GetParam()];
    const std::string description = std::string("#NADS -1\n") + c.word + " 0 0 1 0 0 0 0 0 0\n";
    Use_Application_State({"Own", 0, description.c_str(), false}, f);
    EXPECT_EQ(Written(), (c.building ? Building_Part : "") + (c.bridges ? Bridge_Part(true) : "")) << c.word;
}

INSTANTIATE_TEST_SUITE_P(Words, EC0FlagStrings, ::testing::Range(0, 5),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(Part_Cases[info.param].name);
                         });

TEST(EC0ReportValues, StoredValuesAndTheLetterAForTheLoadModels) {
    // The rows of the load models print a in place of psi_1 whatever is stored; every other value is
    // printed as stored.
    Annex_Folders f;
    Use_Application_State(Application_States[1], f);
    NAD_Set_Annex_By_Name(Germany);
    NAD_EC0_Block* b = NAD_Get_EC0();
    b->rail_psi[0][1] = 0.33;
    b->rail_psi[5][1] = 0.44;
    b->building_gamma[1][5][0] = 1.15;
    b->rail_a[2] = 0.55;
    const std::string text = Report_Text(NAD_Write_EC0_Report);
    EXPECT_NE(text.find(" LM 71                               0.80   a    0.00\n"), std::string::npos);
    EXPECT_NE(text.find(" Seitenstoß                          1.00  0.44  0.00\n"), std::string::npos);
    EXPECT_NE(text.find(" außergewöhnliche Einwirkungen      1.15  1.00\n"), std::string::npos);
    EXPECT_NE(text.find("    0.55 wenn 3 oder mehrere Gleise gleichzeitig\n"), std::string::npos);
    EXPECT_EQ(text.find("0.33"), std::string::npos);
}
