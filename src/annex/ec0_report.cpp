#include "annex/ec0_report.h"

#include "annex/annex_record.h"
#include "annex/annex_report_tables.h"
#include "annex/application_table.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

namespace {

// EN 1990 parameter positions of the application table.
constexpr int Building_Part = 0;
constexpr int Bridge_Part = 1;

constexpr const char* Building_Actions[NAD_EC0_Building_Actions] = {
    "ständige Lasten"_cp, "veränderliche Lasten"_cp, "Flüssigkeitsdruck/Maschinenlasten"_cp, "Zwang",
    "Vorspannung",        "außergewöhnliche Einwirkungen"_cp, "Erdbeben",
};

// Categories of imposed loads (EN 1990 Table A1.1) and their codes.
struct Category {
    const char* name;
    const char* code;
};
constexpr Category Building_Categories[NAD_EC0_Building_Categories] = {
    {"Wohn-, Büroräume"_cp, "A, B"},
    {"Versammlungs-, Verkaufsräume"_cp, "C, D"},
    {"Lagerräume"_cp, "  E "},
    {"Fahrzeuge bis 30 kN", "  F "},
    {"Fahrzeuge bis 160 kN", "  G "},
    {"Dächer"_cp, "  H "},
    {"Schnee/Eis bis 1000 m ü.NN"_cp, ""},
    {"Schnee/Eis über 1000 m ü.NN"_cp, ""},
    {"Wind", ""},
    {"Temperatur", ""},
    {"Baugrundsetzungen", ""},
    {"sonstige Einwirkungen", ""},
};

constexpr const char* Bridge_Actions[NAD_EC0_Bridge_Actions] = {
    "ständige Lasten"_cp,
    "Vorspannung linear",
    "Vorspannung nichtlinear",
    "Vorspannung lokal",
    "Setzung linear",
    "Setzung nichtlinear",
    "Straßenverkehr"_cp,
    "Fußgängerverkehr"_cp,
    "Schienenverkehr Lastgruppe 11 bis 31",
    "Schienenverkehr Lastgr. 16, 17, SW/2",
    "veränderliche Lasten"_cp,
    "Bauausführung"_cp,
    "Temperatur",
    "außergwöhnliche Einwirkungen"_cp,
    "Erdbeben",
};

constexpr const char* Road_Actions[NAD_EC0_Road_Rows] = {
    "gr1a Doppelachse",
    "gr1a Gleichmäßig verteilte Last"_cp,
    "gr1a Geh- und Radwegbelastung",
    "gr1b (Einzelachse)",
    "gr2 (Horizontalkräfte"_cp,
    "gr3 (Gehwegbelastung)",
    "gr4 (LM4 - Menschengedränge)"_cp,
    "gr5 (LM5 - Spezialfahrzeuge)",
    "Wind ständige Bemessungssituation"_cp,
    "Temperatur",
    "Baugrundsetzungen",
    "Temperaturlasten",
    "Schneelasten (Bauzeit)",
    "Lasten aus Bauausführung"_cp,
};

constexpr const char* Foot_Actions[NAD_EC0_Foot_Rows] = {
    "gr1", "Q╬\\fwk╬r"_cp, "gr2", "F╬\\wk╬r"_cp, "T╬\\k╬r"_cp, "Q╬\\Sn,k╬r"_cp, "Q╬\\c╬r"_cp,
};

// A railway row: its label, a second label line where one line is too short, and whether psi_1 is
// the factor a of the load models (then the letter a stands in its place).
struct Rail_Action {
    const char* label;
    const char* continuation;
    bool psi_1_is_a;
};
constexpr Rail_Action Rail_Actions[NAD_EC0_Rail_Rows] = {
    {"LM 71", nullptr, true},
    {"SW/0", nullptr, true},
    {"SW/2", nullptr, false},
    {"Unbeladener Zug", nullptr, false},
    {"HSLM", nullptr, false},
    {"Seitenstoß"_cp, nullptr, false},
    {"Lasten auf Dienstwege", nullptr, false},
    {"Betriebslastenzug", nullptr, false},
    {"Horizontaler Erddruck infolge", "Überschreitung der Verkehrslasten"_cp, true},
    {"Aerodynamische Einwirkungen", nullptr, false},
    {"gr11 (LM 71 + SW/0)", nullptr, false},
    {"gr12", nullptr, false},
    {"gr13", nullptr, false},
    {"gr14", nullptr, false},
    {"gr15", nullptr, false},
    {"gr16", nullptr, false},
    {"gr17 (SW/2)", nullptr, false},
    {"gr21 (LM 71 +SW/0)", nullptr, false},
    {"gr22", nullptr, false},
    {"gr23", nullptr, false},
    {"gr24", nullptr, false},
    {"gr26", nullptr, false},
    {"gr27 (SW/2)", nullptr, false},
    {"gr31 (LM 71 +SW/0)", nullptr, false},
    {"Aerodynamische Einwirkungen", nullptr, false},
    {"Allgemeine Lasten aus", "Instandhaltung für Dienstgehwege"_cp, false},
    {"F╬\\wk╬r"_cp, nullptr, false},
    {"F╬\\W╬r**"_cp, nullptr, false},
    {"T╬\\k╬r"_cp, nullptr, false},
    {"Q╬\\Sn,k╬r"_cp, nullptr, false},
    {"Q╬\\c╬r"_cp, nullptr, false},
};

// Second heading line of the partial-factor table of each design situation.
constexpr const char* Situations[NAD_EC0_Situations] = {
    "der ständigen und vorübergehenden Bemessungssituation"_cp,
    "der außergewöhnlichen Bemessungssituation"_cp,
    "der Erdbebenbemessungssituation",
    "der Gebrauchstauglichkeits- und Ermüdungsnachweise"_cp,
};

// The action types each partial-factor table shows, per design situation: for buildings the first
// five, with the accidental actions in the accidental and the earthquake in the seismic situation;
// for bridges the first eleven and the temperature.
constexpr unsigned long long Building_Rows[NAD_EC0_Situations] = {
    NAD_Row_Positions({0, 1, 2, 3, 4}),
    NAD_Row_Positions({0, 1, 2, 3, 4, 5}),
    NAD_Row_Positions({0, 1, 2, 3, 4, 6}),
    NAD_Row_Positions({0, 1, 2, 3, 4}),
};
constexpr unsigned long long Bridge_Rows = NAD_Row_Positions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12});

// The partial factors gamma_F,sup and gamma_F,inf of one design situation; the labels stand in a
// column of the given width.
void Write_Gamma_Table(FILE* s, int situation, const double (*gamma)[2], const char* const* actions, int count,
                       unsigned long long rows, int width) {
    Print_To_Stream(s, "#SHOWTABLE\n0 1 1\n");
    Print_To_Stream(s, " ╬HTeilsicherheitsfaktoren für Einwirkungen\n"_cp);
    Print_To_Stream(s, "  %s\n", Situations[situation]);
    Print_To_Stream(s, "1 0 -1 -1 2\n %d %d\n", width + 1, width + 7);
    Print_To_Stream(s, " %-*s  └╬\\Fsup╬r └╬\\Finf╬r\n"_cp, width, "Einwirkungsart");
    for (int r = 0; r < count; ++r)
        if ((rows >> r) & 1) Print_To_Stream(s, " %-*s %5.2lf %5.2lf\n", width, actions[r], gamma[r][0], gamma[r][1]);
    NAD_Close_Table(s);
}

// The four partial-factor tables as two pairs: persistent beside accidental, seismic beside
// serviceability.
void Write_Gamma_Tables(FILE* s, const auto& gamma, const char* const* actions, int count,
                        const unsigned long long* rows, int width) {
    const auto table = [&](int situation) {
        return [&, situation](FILE* out) {
            Write_Gamma_Table(out, situation, gamma[situation], actions, count, rows[situation], width);
        };
    };
    NAD_Write_Table_Pair(s, table(0), table(1));
    NAD_Write_Table_Pair(s, table(2), table(3));
}

// The start of a part: layout flags, space kept together and, for the bridges of a listed
// application, the heading of the annex pages above the title.
void Open_Part(FILE* s, const char* heading, bool listed_heading) {
    OLI_setFlags(s, 896);
    OLI_reserveSpaceCM(s, 6.0f);
    if (listed_heading)
        Print_To_Stream(s, "#SHOWTABLE\n1 0 0\n Nationale Anhänge zu den Eurocodes\n0 0 -1 -1\n#END_OF_TEXT\n"_cp);
    NAD_Write_Report_Title(s, heading);
}

void Write_Building_Psi_Table(FILE* s, const NAD_EC0_Block& b) {
    Print_To_Stream(s, "#SHOWTABLE\n0 1 1\n");
    Print_To_Stream(s, " ╬HKombinationsbeiwerte\n"_cp);
    Print_To_Stream(s, " Die Werte in der ╕╬\\2E╬r-Spalte sind die ╕╬\\2╬r-Werte für die Erdbebenbemessungssituation\n"_cp);
    Print_To_Stream(s, "1 0 -1 -1 4\n 30 41 47 53\n");
    Print_To_Stream(s, " %-30s %-10s  ╕╬\\0╬r    ╕╬\\1╬r    ╕╬\\2╬r    ╕╬\\2E╬r \n"_cp, "Einwirkung", "Kategorie");
    for (int r = 0; r < NAD_EC0_Building_Categories; ++r) {
        const double* psi = b.building_psi[r];
        Print_To_Stream(s, " %-30s   %-5s   %5.2lf %5.2lf %5.2lf %5.2lf\n", Building_Categories[r].name,
                        Building_Categories[r].code, psi[0], psi[1], psi[2], psi[3]);
    }
    Print_To_Stream(s, " ╬HAnmerkung:╬r Flüssigkeitsdruck/Maschinenlasten, Zwang sowie Baugrundsetzungen, sonstige Einwirkungen\n"_cp);
    Print_To_Stream(s, "            sind nicht Teil der EN 1990 (Eurocode).\n");
    NAD_Close_Table(s);
}

// The opening of a psi table of bridges: its heading, three columns after the labels of the given
// width, and the head of the columns, whose label column has its own width.
void Open_Bridge_Psi_Table(FILE* s, const char* heading, int width, int head_width) {
    Print_To_Stream(s, "#SHOWTABLE\n0 0 1\n");
    Print_To_Stream(s, " ╬H%s\n"_cp, heading);
    Print_To_Stream(s, "1 0 -1 -1 3\n %d %d %d\n", width + 1, width + 7, width + 13);
    Print_To_Stream(s, " %-*s   ╕╬\\0╬r    ╕╬\\1╬r    ╕╬\\2╬r \n"_cp, head_width, "Einwirkung");
}

void Write_Psi_Rows(FILE* s, const double (*psi)[3], const char* const* actions, int count, int width) {
    for (int r = 0; r < count; ++r)
        Print_To_Stream(s, " %-*s %5.2lf %5.2lf %5.2lf\n", width, actions[r], psi[r][0], psi[r][1], psi[r][2]);
}

void Write_Road_Psi_Table(FILE* s, const NAD_EC0_Block& b) {
    constexpr int width = 33;
    Open_Bridge_Psi_Table(s, "Kombinationsbeiwerte Straßenbrücken"_cp, width, width);
    Write_Psi_Rows(s, b.road_psi, Road_Actions, NAD_EC0_Road_Rows, width);
    NAD_Close_Table(s);
}

void Write_Foot_Psi_Table(FILE* s, const NAD_EC0_Block& b) {
    constexpr int width = 37;
    Open_Bridge_Psi_Table(s, "Kombinationsbeiwerte Fußgängerbrücken"_cp, width, 33);
    Write_Psi_Rows(s, b.foot_psi, Foot_Actions, NAD_EC0_Foot_Rows, width);
    NAD_Close_Table(s);
}

// The railway table and below it the factor a of the load models per number of loaded tracks.
void Write_Rail_Psi_Table(FILE* s, const NAD_EC0_Block& b) {
    constexpr int width = 34;
    Open_Bridge_Psi_Table(s, "Kombinationsbeiwerte Eisenbahnbrücken"_cp, width, width);
    for (int r = 0; r < NAD_EC0_Rail_Rows; ++r) {
        const Rail_Action& a = Rail_Actions[r];
        const double* psi = b.rail_psi[r];
        if (a.psi_1_is_a)
            Print_To_Stream(s, " %-34s %5.2lf   a   %5.2lf\n", a.label, psi[0], psi[2]);
        else
            Print_To_Stream(s, " %-34s %5.2lf %5.2lf %5.2lf\n", a.label, psi[0], psi[1], psi[2]);
        if (a.continuation) Print_To_Stream(s, " %-34s\n", a.continuation);
    }
    NAD_Close_Table(s);
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " ╬Ha ╬r %4.2lf wenn nur 1 Gleis belastet wird\n"_cp, b.rail_a[0]);
    Print_To_Stream(s, "    %4.2lf wenn 2 Gleise gleichzeitg belastet werden\n", b.rail_a[1]);
    Print_To_Stream(s, "    %4.2lf wenn 3 oder mehrere Gleise gleichzeitig\n", b.rail_a[2]);
    Print_To_Stream(s, "    belastet werden\n");
    NAD_Close_Table(s);
}

void Write_Building_Part(FILE* s, const NAD_EC0_Block& b) {
    Open_Part(s, " Lastfaktoren (Hochbau) des nationalen Anhangs", false);
    Write_Gamma_Tables(s, b.building_gamma, Building_Actions, NAD_EC0_Building_Actions, Building_Rows, 33);
    Write_Building_Psi_Table(s, b);
    OLI_resetMaxMargin(s);
}

void Write_Bridge_Part(FILE* s, const NAD_EC0_Block& b) {
    Open_Part(s, " Lastfaktoren (Brückenbau) des nationalen Anhangs"_cp, !NAD_Application_All_Rows());
    const unsigned long long rows[NAD_EC0_Situations] = {Bridge_Rows, Bridge_Rows, Bridge_Rows, Bridge_Rows};
    Write_Gamma_Tables(s, b.bridge_gamma, Bridge_Actions, NAD_EC0_Bridge_Actions, rows, 37);
    Write_Road_Psi_Table(s, b);
    Write_Foot_Psi_Table(s, b);
    Write_Rail_Psi_Table(s, b);
    OLI_resetMaxMargin(s);
}

}  // namespace

void NAD_Write_EC0_Report(FILE* s) {
    if (!s) return;
    const NAD_EC0_Block* b = NAD_Get_EC0();
    if (!b) return;
    if (NAD_Test_Parameter_Flag(0, Building_Part)) Write_Building_Part(s, *b);
    if (NAD_Test_Parameter_Flag(0, Bridge_Part)) Write_Bridge_Part(s, *b);
}
