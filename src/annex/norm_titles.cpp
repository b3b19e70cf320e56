#include "annex/norm_titles.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "annex/annex_io.h"
#include "annex/annex_record.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/host/host_library.h"

namespace {

int din_edition = 1;
void* user_datum = nullptr;

// One title in its four forms: long, long with date, short, short with date.
struct Title_Row {
    const char* forms[4];
};

constexpr Title_Row Empty_Title{{"", "", "", ""}};

constexpr Title_Row Titles[NAD_Norm_Count] = {
    /* 0 */ {{"DIN 1045", "DIN 1045 (7.88)", "DIN 1045", "DIN 1045 (7.88)"}},
    /* 1 */ {{"DIN 1045-1", "DIN 1045-1 (7.01) mit Ber.2 (6.05)", "DIN 1045-1", "DIN 1045-1 (7.01)"}},
    /* 2 */ {{"DIN-Fachbericht 102", "DIN-Fachbericht 102 (3.03)", "DIN-Fb 102", "DIN-Fb 102 (3.03)"}},
    /* 3 */ {{"ÖNORM B 4700"_cp, "ÖNORM B 4700 (6.01)"_cp, "ÖN B 4700"_cp, "ÖN B 4700 (6.01)"_cp}},
    /* 4 */ {{"EN 1992-1-1 (EC 2, Hochbau)", "EN 1992-1-1 (EC 2, Hochbau, 1.11)", "EC 2", "EC 2 (1.11)"}},
    /* 5 */ {{"DIN-Fachbericht 101", "DIN-Fachbericht 101 (3.03)", "DIN-Fb 101", "DIN-Fb 101 (3.03)"}},
    /* 6 */ {{"DIN-Fachbericht 103", "DIN-Fachbericht 103 (3.03)", "DIN-Fb 103", "DIN-Fb 103 (3.03)"}},
    /* 7 */ {{"DIN-Fachbericht 104", "DIN-Fachbericht 104 (3.03)", "DIN-Fb 104", "DIN-Fb 104 (3.03)"}},
    /* 8 */ {{"DIN 1055-100", "DIN 1055-100 (3.01)", "DIN 1055-100", "DIN 1055-100 (3.01)"}},
    /* 9 */ {{"DIN 1053-100", "DIN 1053-100 (9.07)", "DIN 1053-100", "DIN 1053-100 (9.07)"}},
    /* 10 */ {{"EN 1992-1-2 (EC 2, Brandfall)", "EN 1992-1-2 (EC 2, Brandfall, 12.10)", "EC 2-1-2", "EC 2-1-2 (12.10)"}},
    /* 11 */ {{"EN 1990 (EC 0)", "EN 1990 (EC 0, 12.10)", "EC 0", "EC 0 (12.10)"}},
    /* 12 */ {{"EN 1993-1-1 (EC 3, Hochbau)", "EN 1993-1-1 (EC 3, Hochbau, 12.10)", "EC 3-1-1", "EC 3-1-1 (12.10)"}},
    /* 13 */ {{"EN 1993-1-8 (EC 3, Anschlüsse)"_cp, "EN 1993-1-8 (EC 3, Anschlüsse, 12.10)"_cp, "EC 3-1-8",
               "EC 3-1-8 (12.10)"}},
    /* 14 */ Empty_Title,
    /* 15 */ Empty_Title,
    /* 16 */ {{"DIN 18800", "DIN 18800 (11.08)", "DIN 18800", "DIN 18800 (11.08)"}},
    /* 17 */ Empty_Title,
    /* 18 */ Empty_Title,
    /* 19 */ Empty_Title,
    /* 20 */ Empty_Title,
    /* 21 */ {{"EN 1992-2 (EC 2, Betonbrücken)"_cp, "EN 1992-2 (EC 2, Betonbrücken, 12.10)"_cp, "EC 2-2",
               "EC 2-2 (12.10)"}},
    /* 22 */ {{"EN 1996-1-1 (EC 6)", "EN 1996-1-1 (EC 6, 2.13)", "EC 6", "EC 6 (2.13)"}},
    /* 23 */ {{"EN 1991 (EC 1)", "EN 1991 (EC 1, 12.10)", "EC 1", "EC 1 (12.10)"}},
    /* 24 */ {{"EN 1993-1-5 (EC 3, Plattenbeulen)", "EN 1993-1-5 (EC 3, Plattenbeulen, 10.19)", "EC 3-1-5",
               "EC 3-1-5 (10.19)"}},
    /* 25 */ {{"DIN 18800", "DIN 18800 (11.08)", "DIN 18800", "DIN 18800 (11.08)"}},
    /* 26 */ {{"EN 1993-1-9 (EC 3, Ermüdung)"_cp, "EN 1993-1-9 (EC 3, Ermüdung, 12.10)"_cp, "EC 3-1-9",
               "EC 3-1-9 (12.10)"}},
    /* 27 */ {{"EN 1993-6 (EC 3, Kranbahnen)", "EN 1993-6 (EC 3, Kranbahnen, 12.10)", "EC 3-6", "EC 3-6 (12.10)"}},
    /* 28 */ Empty_Title,
    /* 29 */ {{"EN 1999-1-1 (EC 9)", "EN 1999-1-1 (EC 9, 3.14)", "EC 9-1-1", "EC 9-1-1 (3.14)"}},
    /* 30 */ Empty_Title,
    /* 31 */ {{"EN 1993-1-2 (EC 3, Brandfall)", "EN 1993-1-2 (EC 3, Brandfall, 12.10)", "EC 3-1-2", "EC 3-1-2 (12.10)"}},
    /* 32 */ {{"EN 1991-1-2 (EC 1, Brandfall)", "EN 1991-1-2 (EC 1, Brandfall, 12.10)", "EC 1-1-2", "EC 1-1-2 (12.10)"}},
    /* 33 */ {{"prEN 1993-1-14 (EC 3, FE-Methoden)", "prEN 1993-1-14 (EC 3, FE-Methoden, 9.23)", "prEC 3-1-14",
               "prEC 3-1-14 (9.23)"}},
    /* 34 */ {{"EN 1992-4 (EC 2, Verankerungen)", "EN 1992-4 (EC 2, Verankerungen, 4.19)", "EC 2-4", "EC 2-4 (4.19)"}},
    /* 35 */ Empty_Title,
};

// The German concrete standards in their editions of 2008 and 2009 (DIN edition 0).
struct Title_Variant {
    int id;
    Title_Row row;
};

constexpr Title_Variant DIN_2008_Titles[] = {
    {1, {{"DIN 1045-1", "DIN 1045-1 (8.08)", "DIN 1045-1", "DIN 1045-1 (8.08)"}}},
    {2, {{"DIN-Fachbericht 102", "DIN-Fachbericht 102 (3.09)", "DIN-Fb 102", "DIN-Fb 102 (3.09)"}}},
    {5, {{"DIN-Fachbericht 101", "DIN-Fachbericht 101 (3.09)", "DIN-Fb 101", "DIN-Fb 101 (3.09)"}}},
    {6, {{"DIN-Fachbericht 103", "DIN-Fachbericht 103 (3.09)", "DIN-Fb 103", "DIN-Fb 103 (3.09)"}}},
    {7, {{"DIN-Fachbericht 104", "DIN-Fachbericht 104 (3.09)", "DIN-Fb 104", "DIN-Fb 104 (3.09)"}}},
};

// The EN 1993 parts of the 2022/2024 generation (Code_Edition 1).
constexpr Title_Variant Edition_2025_Titles[] = {
    {12, {{"EN 1993-1-1 (EC 3, Hochbau)", "EN 1993-1-1 (EC 3, Hochbau, 04.25)", "EC 3-1-1", "EC 3-1-1 (04.25)"}}},
    {13, {{"EN 1993-1-8 (EC 3, Anschlüsse)"_cp, "EN 1993-1-8 (EC 3, Anschlüsse, 04.25)"_cp, "EC 3-1-8",
           "EC 3-1-8 (04.25)"}}},
};

// A literature entry: the lines of every annex and those added for the German annex (null-ended).
struct Literature_Entry {
    std::array<const char*, NAD_Literature_Max_Lines + 1> lines;
    std::array<const char*, 4> german;
};

constexpr Literature_Entry Literature[NAD_Norm_Count] = {
    /* 0 */ {{"DIN 1045 Beton und Stahlbeton: Bemessung und Ausführung, Ausgabe Juli 1988"_cp,
              "N. N., N. N.: Erläuterungen zu DIN 1045 Beton und Stahlbeton, Ausgabe 07.88,"_cp,
              "  Heft 400, Deutscher Ausschuss für Stahlbeton, Beuth Verlag GmbH, 1989"_cp},
             {}},
    /* 1 */ {{"DIN 1045-1 Tragwerke aus Beton, Stahlbeton und Spannbeton, Teil 1: Bemessung und Konstruktion,",
              "  Ausgabe Juli 2001.  Berichtigung 2 zur DIN 1045-1 (7.01), Juni 2005",
              "Erläuterungen zu DIN 1045-1, Heft 525, Deutscher Ausschuss für Stahlbeton, Beuth Verlag GmbH, 2003"_cp,
              "Berichtigung 1 zum DAfStb-Heft 525, Mai 2005"},
             {}},
    /* 2 */ {{"DIN-Fachbericht 102: Betonbrücken, März 2009"_cp}, {}},
    /* 3 */ {{"ÖNORM B 4700 Stahlbetontragwerke: EUROCODE-nahe Berechnung, Bemessung und konstruktive Durchbildung."_cp,
              "  Österreichisches Normungsinstitut, Ausgabe: 2001-06-01"_cp},
             {}},
    /* 4 */ {{"EN 1992-1-1, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetonbauteilen -",
              "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln für den Hochbau;"_cp,
              "  Deutsche Fassung EN 1992-1-1:2004 + AC:2010, Ausgabe Januar 2011"},
             {"EN 1992-1-1/NA, Nationaler Anhang zur EN 1992-1-1, Ausgabe April 2013"}},
    /* 5 */ {{"DIN-Fachbericht 101: Einwirkungen auf Brücken, März 2009"_cp}, {}},
    /* 6 */ {{}, {}},
    /* 7 */ {{}, {}},
    /* 8 */ {{"DIN 1055-100 Einwirkungen auf Tragwerke - Teil 100:",
              "  Grundlagen der Tragwerksplanung, Sicherheitskonzept und Bemessungsregeln, Ausgabe März 2001"_cp},
             {}},
    /* 9 */ {{"DIN 1053-100 Mauerwerk - Berechnung auf Grundlage des semiprobabilistischen Sicherheitskonzepts,",
              "  Ausgabe September 2007"},
             {}},
    /* 10 */ {{"EN 1992-1-2, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -",
               "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung für den Brandfall;"_cp,
               "  Deutsche Fassung EN 1992-1-2:2004 + AC:2008, Ausgabe Dezember 2010"},
              {"EN 1992-1-2/NA, Nationaler Anhang zur EN 1992-1-2, Ausgabe Dezember 2010"}},
    /* 11 */ {{"EN 1990, Eurocode 0: Grundlagen der Tragwerksplanung;",
               "  Deutsche Fassung EN 1990:2002 + A1:2005 + A1:2005/AC:2010, Ausgabe Dezember 2010"},
              {"EN 1990/NA, Nationaler Anhang zur EN 1990, Ausgabe Dezember 2010"}},
    /* 12 */ {{"EN 1993-1-1, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
               "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln für den Hochbau;"_cp,
               "  Deutsche Fassung EN 1993-1-1:2005 + AC:2009, Ausgabe Dezember 2010",
               "  EN 1993-1-1/A1, Ergänzungen zur EN 1993-1-1, Ausgabe Juli 2014"_cp},
              {"EN 1993-1-1/NA, Nationaler Anhang zur EN 1993-1-1, Ausgabe Oktober 2022"}},
    /* 13 */ {{"EN 1993-1-8, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
               "  Teil 1-8: Bemessung von Anschlüssen;"_cp,
               "  Deutsche Fassung EN 1993-1-8:2005 + AC:2009, Ausgabe Dezember 2010"},
              {"EN 1993-1-8/NA, Nationaler Anhang zur EN 1993-1-8, Ausgabe November 2020"}},
    /* 14 */ {{"DIN 4085, Baugrund - Berechnung des Erddrucks, August 2017"}, {}},
    /* 15 */ {{"DIN 1054, Baugrund - Sicherheitsnachweise im Erd- und Grundbau, April 2021"}, {}},
    /* 16 */ {{"DIN 18800-1: Stahlbauten - Teil 1: Bemessung und Konstruktion, Ausgabe November 2008",
               "DIN 18800-2: Stahlbauten - Teil 2: Stabilitätsfälle - Knicken von Stäben und Stabwerken,"_cp,
               "  Ausgabe November 2008",
               "DIN 18800-3: Stahlbauten - Teil 3: Stabilitätsfälle - Plattenbeulen, Ausgabe November 2008"_cp},
              {}},
    /* 17 */ {{"DIN 1052 Teil 1: Holzbauwerke - Berechnung und Ausführung, Ausgabe April 1988"_cp,
               "DIN 1052-1/A 1 Holzbauwerke - Teil 1: Berechnung und Ausführung - Änderung 1, Ausgabe Oktober 1996"_cp},
              {}},
    /* 18 */ {{"DIN 1052: Entwurf, Berechnung und Bemessung von Holzbauwerken - Allgemeine Bemessungsregeln",
               "  und Bemessungsregeln für den Hochbau, Ausgabe Dezember 2008"_cp},
              {}},
    /* 19 */ {{"EN 1995-1-1, Eurocode 5: Bemessung und Konstruktion von Holzbauten -",
               "  Teil 1-1: Allgemeines - Allgemeine Regeln und Regeln für den Hochbau;"_cp,
               "  Deutsche Fassung EN 1995-1-1:2004 + AC:2006 + A1:2008, Ausgabe Dezember 2010"},
              {"EN 1995-1-1/NA, Nationaler Anhang zur EN 1995-1-1, Ausgabe Dezember 2010",
               "DIN 1052-10: Herstellung und Ausführung von Holzbauwerken -"_cp,
               "  Teil 10: Ergänzende Bestimmungen, Ausgabe Mai 2012"_cp}},
    /* 20 */ {{"EN 1995-1-2, Eurocode 5: Bemessung und Konstruktion von Holzbauten -",
               "  Teil 1-2: Allgemeine Regeln - Tragwerksbemessung für den Brandfall;"_cp,
               "  Deutsche Fassung EN 1995-1-2:2004 + AC:2009, Ausgabe Dezember 2010"},
              {"EN 1995-1-2/NA, Nationaler Anhang zur EN 1995-1-2, Ausgabe Dezember 2010"}},
    /* 21 */ {{"EN 1992-2, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -",
               "  Teil 2: Betonbrücken - Bemessungs- und Konstruktionsregeln;"_cp,
               "  Deutsche Fassung EN 1992-2:2005 + AC:2008, Ausgabe Dezember 2010"},
              {"EN 1992-2/NA, Nationaler Anhang zur EN 1992-2, Ausgabe April 2013"}},
    /* 22 */ {{"EN 1996-1-1, Eurocode 6: Bemessung und Konstruktion von Mauerwerksbauten -",
               "  Teil 1-1: Allgemeine Regeln für bewehrtes und unbewehrtes Mauerwerk;"_cp,
               "  Deutsche Fassung EN 1996-1-1:2005 + A1:2012, Ausgabe Februar 2013"},
              {"EN 1996-1-1/NA, Nationaler Anhang zur EN 1996-1-1, Ausgabe Dezember 2019"}},
    /* 23 */ {{"EN 1991, Eurocode 1: Einwirkungen auf Tragwerke;", "  Deutsche Fassung EN 1991:2010, Ausgabe Dezember 2010"},
              {"EN 1991/NA, Nationaler Anhang zur EN 1991, Ausgabe Dezember 2010"}},
    /* 24 */ {{"EN 1993-1-5, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-5: Plattenförmige Bauteile;"_cp,
               "  Deutsche Fassung EN 1993-1-5:2006 + AC:2009 + A1:2017 + A2:2019, Ausgabe Oktober 2019"},
              {"EN 1993-1-5/NA, Nationaler Anhang zur EN 1993-1-5, Ausgabe Dezember 2010"}},
    /* 25 */ {{"DIN 18800-1: Stahlbauten - Teil 1: Bemessung und Konstruktion, Ausgabe November 2008"}, {}},
    /* 26 */ {{"EN 1993-1-9, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-9: Ermüdung;"_cp,
               "  Deutsche Fassung EN 1993-1-9:2006 + AC:2009, Ausgabe Dezember 2010"},
              {"EN 1993-1-9/NA, Nationaler Anhang zur EN 1993-1-9, Ausgabe Dezember 2010"}},
    /* 27 */ {{"EN 1993-6, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 6: Kranbahnen;",
               "  Deutsche Fassung EN 1993-6:2007 + AC:2009, Ausgabe Dezember 2010"},
              {"EN 1993-6/NA, Nationaler Anhang zur EN 1993-6, Ausgabe Dezember 2010"}},
    /* 28 */ {{"EN 1991-3, Eurocode 1: Einwirkungen auf Tragwerke -",
               "  Teil 3: Einwirkungen infolge von Kranen und Maschinen;",
               "  Deutsche Fassung EN 1991-3:2006, Ausgabe Dezember 2010"},
              {"EN 1991-3/NA, Nationaler Anhang zur EN 1991-3, Ausgabe Dezember 2010"}},
    /* 29 */ {{"EN 1999-1-1, Eurocode 9: Bemessung und Konstruktion von Aluminiumtragwerken -",
               "  Teil 1-1: Allgemeine Bemessungsregeln;",
               "  Deutsche Fassung EN 1999-1-1:2007 + A1:2009 + A2:2013, Ausgabe März 2014"_cp},
              {"EN 1999-1-1/NA, Nationaler Anhang zur EN 1999-1-1, Ausgabe Mai 2013",
               "EN 1999-1-1/NA - A1:2014 + A2:2015 + A3:2015, Änderungen"_cp}},
    /* 30 */ {{"DAfStb-Richtlinie: Betonbau beim Umgang mit wassergefährdenden Stoffen (WU-Richtlinie)"_cp,
               "  Ausgabe Dezember 2017"},
              {}},
    /* 31 */ {{"EN 1993-1-2, Eurocode 3: Bemessung und Konstruktion von Stahlbauten - Teil 1-2: Allgemeine Regeln -",
               "  Tragwerksbemessung für den Brandfall; Deutsche Fassung EN 1993-1-2, Ausgabe Dezember 2010"_cp},
              {"EN 1993-1-2/NA, Nationaler Anhang zur EN 1993-1-2, Ausgabe Dezember 2010"}},
    /* 32 */ {{"EN 1991-1-2, Eurocode 1: Einwirkungen auf Tragwerke - Teil 1-2: Allgemeine Einwirkungen -",
               "  Brandeinwirkungen auf Tragwerke; Deutsche Fassung EN 1991-1-2, Ausgabe Dezember 2010"},
              {"EN 1991-1-2/NA, Nationaler Anhang zur EN 1991-1-2, Ausgabe September 2015"}},
    /* 33 */ {{"prEN 1993-1-14, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
               "  Teil 1-14: Bemessung mithilfe von Finite-Element-Berechnung;",
               "  Deutsche und englische Fassung prEN 1993-1-14:2023, Ausgabe September 2023"},
              {}},
    /* 34 */ {{"EN 1992-4, Eurocode 2: Bemessung und Konstruktion von Stahlbeton- und Spannbetontragwerken -",
               "  Teil 4: Bemessung der Verankerung von Befestigungen in Beton;",
               "  Deutsche Fassung EN 1992-4:2018, Ausgabe April 2019"},
              {"EN 1992-4/NA, Nationaler Anhang zur EN 1992-4, Ausgabe April 2019"}},
    /* 35 */ {{"EN 1993-1-13, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
               "  Teil 1-13: Träger mit großen Stegöffnungen;"_cp,
               "  Deutsche Fassung EN 1993-1-13:2024, Ausgabe April 2025"},
              {"EN 1993-1-13/NA, Nationaler Anhang zur EN 1993-1-13, Ausgabe April 2026"}},
};

struct Literature_Variant {
    int id;
    Literature_Entry row;
};

constexpr Literature_Variant DIN_2008_Literature[] = {
    {1,
     {{"DIN 1045-1 Tragwerke aus Beton, Stahlbeton und Spannbeton, Teil 1: Bemessung und Konstruktion,",
       "  Ausgabe August 2008",
       "Erläuterungen zu DIN 1045-1, Heft 525, Deutscher Ausschuss für Stahlbeton, Beuth Verlag GmbH, 2010"_cp},
      {}}},
};

constexpr Literature_Variant Edition_2025_Literature[] = {
    {12,
     {{"EN 1993-1-1, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
       "  Teil 1-1: Allgemeine Bemessungsregeln und Regeln für den Hochbau;"_cp,
       "  Deutsche Fassung EN 1993-1-1:2022, Ausgabe April 2025"},
      {"EN 1993-1-1/NA, Nationaler Anhang zur EN 1993-1-1, Ausgabe April 2026"}}},
    {13,
     {{"EN 1993-1-8, Eurocode 3: Bemessung und Konstruktion von Stahlbauten -",
       "  Teil 1-8: Bemessung von Anschlüssen;  Deutsche Fassung EN 1993-1-8:2024, Ausgabe April 2025"_cp},
      {"EN 1993-1-8/NA, Nationaler Anhang zur EN 1993-1-8, Ausgabe April 2026"}}},
};

// The row of a table as the edition switches choose it: the DIN 2008 variant under DIN edition 0,
// the 2025 variant under code edition 1, else the table's own row.
template <typename Row, typename Variant, std::size_t N, std::size_t M>
const Row& Edition_Row(const Row& row, int id, const Variant (&din_2008)[N], const Variant (&edition_2025)[M]) {
    const Row* chosen = &row;
    if (din_edition == 0)
        for (const Variant& v : din_2008)
            if (v.id == id) chosen = &v.row;
    if (NAD_Get_Code_Edition() == 1)
        for (const Variant& v : edition_2025)
            if (v.id == id) chosen = &v.row;
    return *chosen;
}

}  // namespace

const char* NAD_Get_Norm_Title(int id, int with_date, int short_form) {
    static std::string title;
    title.clear();
    if (id < 0 || id >= NAD_Norm_Count) return title.c_str();
    const Title_Row& row = Edition_Row(Titles[id], id, DIN_2008_Titles, Edition_2025_Titles);
    title = row.forms[(short_form ? 2 : 0) + (with_date ? 1 : 0)];
    return title.c_str();
}

int NAD_Get_Literature_Lines(int id, const char** lines) {
    static char buffers[10][NAD_Literature_Line_Size];
    for (auto& buffer : buffers) buffer[0] = '\0';
    int n = 0;
    const auto add = [&](const char* text) {
        if (n >= NAD_Literature_Max_Lines) return;
        std::strncpy(buffers[n], text, NAD_Literature_Line_Size - 1);
        buffers[n][NAD_Literature_Line_Size - 1] = '\0';
        if (lines) lines[n] = buffers[n];
        ++n;
    };
    if (id < 0 || id >= NAD_Norm_Count) {
        add("");
        return n;
    }
    const Literature_Entry& entry = Edition_Row(Literature[id], id, DIN_2008_Literature, Edition_2025_Literature);
    const bool german = std::strcmp(NAD_Get_Active_Name(), NAD_Name_Germany) == 0;
    for (const char* line : entry.lines)
        if (line) add(line);
    if (german)
        for (const char* line : entry.german)
            if (line) add(line);
    return n;
}

void NAD_Set_DIN_Edition(int value) { din_edition = value; }

int NAD_Get_DIN_Edition() { return din_edition; }

void NAD_Set_User_Datum(void* datum) { user_datum = datum; }

void* NAD_Get_User_Datum() { return user_datum; }

namespace {

constexpr std::size_t Version_Length = 255;

struct Version_Record {
    std::array<char, Version_Length + 1> text{};
};
Version_Record Version;
int code_edition = 0;

bool Is_Line_End(char c) { return c == '\n' || c == '\r'; }

}  // namespace

const char* Read_Version_File(const char* program_folder) {
    const char* exec = VEKGetEnv("EXEC");
    if (!exec || !program_folder) return nullptr;
    const std::string path = Format_Text("%s/%s/VERSION", exec, program_folder);
    const NAD_File f = NAD_Open(path, "rb");
    if (!f) return nullptr;

    // First line: at most 255 characters, the line end removed (a longer line is cut and its rest
    // skipped).
    std::size_t length = 0;
    int c;
    while ((c = std::fgetc(f.get())) != EOF && c != '\n')
        if (length < Version_Length) Version.text[length++] = static_cast<char>(c);
    while (length > 0 && Is_Line_End(Version.text[length - 1])) --length;
    Version.text[length] = '\0';

    // Later lines: "<" followed by two characters of the same line patches the end of the text.
    std::array<char, 2> pending{};
    int seen = -1;   // characters collected after the last '<', -1 when none is open
    while ((c = std::fgetc(f.get())) != EOF) {
        if (c == '<') {
            seen = 0;
        } else if (seen >= 0 && !Is_Line_End(static_cast<char>(c))) {
            pending[seen++] = static_cast<char>(c);
            if (seen == 2) {
                if (length >= 2) std::memcpy(&Version.text[length - 2], pending.data(), 2);
                seen = -1;
            }
        } else {
            seen = -1;
        }
    }
    return Version.text.data();
}

void NAD_Set_Code_Edition(int edition) { code_edition = edition; }

int NAD_Get_Code_Edition() { return code_edition; }
