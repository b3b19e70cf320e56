// Row texts of the EN 1990 annex tables (CP437, with the print-list escapes of the report), shared
// by the report and the pictures of the editor page, and the action types each partial-factor
// table shows.
#pragma once

#include "annex/annex_report_tables.h"
#include "annex/ec0_block.h"
#include "common/cp437.h"

inline constexpr const char* NAD_EC0_Building_Action_Names[NAD_EC0_Building_Actions] = {
    "ständige Lasten"_cp, "veränderliche Lasten"_cp, "Flüssigkeitsdruck/Maschinenlasten"_cp, "Zwang",
    "Vorspannung",        "außergewöhnliche Einwirkungen"_cp, "Erdbeben",
};

// Categories of imposed loads (EN 1990 Table A1.1) and their codes.
struct NAD_EC0_Category {
    const char* name;
    const char* code;
};
inline constexpr NAD_EC0_Category NAD_EC0_Category_Names[NAD_EC0_Building_Categories] = {
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

inline constexpr const char* NAD_EC0_Bridge_Action_Names[NAD_EC0_Bridge_Actions] = {
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

inline constexpr const char* NAD_EC0_Road_Names[NAD_EC0_Road_Rows] = {
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

inline constexpr const char* NAD_EC0_Foot_Names[NAD_EC0_Foot_Rows] = {
    "gr1", "Q╬\\fwk╬r"_cp, "gr2", "F╬\\wk╬r"_cp, "T╬\\k╬r"_cp, "Q╬\\Sn,k╬r"_cp, "Q╬\\c╬r"_cp,
};

// A railway row: its label, a second label line where one line is too short, and whether psi_1 is
// the factor a of the load models (then the letter a stands in its place).
struct NAD_EC0_Rail_Row {
    const char* label;
    const char* continuation;
    bool psi_1_is_a;
};
inline constexpr NAD_EC0_Rail_Row NAD_EC0_Rail_Names[NAD_EC0_Rail_Rows] = {
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
inline constexpr const char* NAD_EC0_Situation_Names[NAD_EC0_Situations] = {
    "der ständigen und vorübergehenden Bemessungssituation"_cp,
    "der außergewöhnlichen Bemessungssituation"_cp,
    "der Erdbebenbemessungssituation",
    "der Gebrauchstauglichkeits- und Ermüdungsnachweise"_cp,
};

// The action types each partial-factor table shows, per design situation: for buildings the first
// five, with the accidental actions in the accidental and the earthquake in the seismic situation;
// for bridges the first eleven and the temperature.
inline constexpr unsigned long long NAD_EC0_Building_Row_Sets[NAD_EC0_Situations] = {
    NAD_Row_Positions({0, 1, 2, 3, 4}),
    NAD_Row_Positions({0, 1, 2, 3, 4, 5}),
    NAD_Row_Positions({0, 1, 2, 3, 4, 6}),
    NAD_Row_Positions({0, 1, 2, 3, 4}),
};
inline constexpr unsigned long long NAD_EC0_Bridge_Row_Set = NAD_Row_Positions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12});

