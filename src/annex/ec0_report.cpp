#include "annex/ec0_report.h"

#include "annex/annex_record.h"
#include "annex/annex_report_tables.h"
#include "annex/application_table.h"
#include "annex/ec0_tables.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

namespace {

// EN 1990 parameter positions of the application table.
constexpr int Building_Part = 0;
constexpr int Bridge_Part = 1;

// The partial factors gamma_F,sup and gamma_F,inf of one design situation; the labels stand in a
// column of the given width.
void Write_Gamma_Table(FILE* s, int situation, const double (*gamma)[2], const char* const* actions, int count,
                       unsigned long long rows, int width) {
    Print_To_Stream(s, "#SHOWTABLE\n0 1 1\n");
    Print_To_Stream(s, " ╬HTeilsicherheitsfaktoren für Einwirkungen\n"_cp);
    Print_To_Stream(s, "  %s\n", NAD_EC0_Situation_Names[situation]);
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
        Print_To_Stream(s, " %-30s   %-5s   %5.2lf %5.2lf %5.2lf %5.2lf\n", NAD_EC0_Category_Names[r].name,
                        NAD_EC0_Category_Names[r].code, psi[0], psi[1], psi[2], psi[3]);
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
    Write_Psi_Rows(s, b.road_psi, NAD_EC0_Road_Names, NAD_EC0_Road_Rows, width);
    NAD_Close_Table(s);
}

void Write_Foot_Psi_Table(FILE* s, const NAD_EC0_Block& b) {
    constexpr int width = 37;
    Open_Bridge_Psi_Table(s, "Kombinationsbeiwerte Fußgängerbrücken"_cp, width, 33);
    Write_Psi_Rows(s, b.foot_psi, NAD_EC0_Foot_Names, NAD_EC0_Foot_Rows, width);
    NAD_Close_Table(s);
}

// The railway table and below it the factor a of the load models per number of loaded tracks.
void Write_Rail_Psi_Table(FILE* s, const NAD_EC0_Block& b) {
    constexpr int width = 34;
    Open_Bridge_Psi_Table(s, "Kombinationsbeiwerte Eisenbahnbrücken"_cp, width, width);
    for (int r = 0; r < NAD_EC0_Rail_Rows; ++r) {
        const NAD_EC0_Rail_Row& a = NAD_EC0_Rail_Names[r];
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
    Write_Gamma_Tables(s, b.building_gamma, NAD_EC0_Building_Action_Names, NAD_EC0_Building_Actions, NAD_EC0_Building_Row_Sets, 33);
    Write_Building_Psi_Table(s, b);
    OLI_resetMaxMargin(s);
}

void Write_Bridge_Part(FILE* s, const NAD_EC0_Block& b) {
    Open_Part(s, " Lastfaktoren (Brückenbau) des nationalen Anhangs"_cp, !NAD_Application_All_Rows());
    const unsigned long long rows[NAD_EC0_Situations] = {NAD_EC0_Bridge_Row_Set, NAD_EC0_Bridge_Row_Set, NAD_EC0_Bridge_Row_Set, NAD_EC0_Bridge_Row_Set};
    Write_Gamma_Tables(s, b.bridge_gamma, NAD_EC0_Bridge_Action_Names, NAD_EC0_Bridge_Actions, rows, 37);
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
