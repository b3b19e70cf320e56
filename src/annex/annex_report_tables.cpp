#include "annex/annex_report_tables.h"

#include <string>

#include "annex/annex_record.h"
#include "annex/norm_titles.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

namespace {

// Index of the stored writing position that a pair of tables returns to.
constexpr int Pair_Position = 4;

// The left margin of the second table of a pair, in cm; mode 65537 sets it for that table.
constexpr int Pair_Margin_Mode = 65537;
constexpr float Pair_Margin_Left = 9.0f;

}  // namespace

void NAD_Write_Report_Title(FILE* stream) {
    NAD_Write_Report_Title(stream, " Ausgewählte Bemessungsparameter des nationalen Anhangs"_cp);
}

void NAD_Write_Report_Title(FILE* stream, const char* heading) {
    if (!stream) return;
    Print_To_Stream(stream, "#SHOWTABLE\n1 1 0\n");
    Print_To_Stream(stream, "%s\n", heading);
    Print_To_Stream(stream, " %s\n", NAD_Get_Active_Name());
    Print_To_Stream(stream, "0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(stream, 1, -0.5f);
}

void NAD_Write_Table_Caption(FILE* stream, int title_id, bool with_annex_name) {
    if (!stream) return;
    Print_To_Stream(stream, "#SHOWTABLE\n0 0 1\n");
    Print_To_Stream(stream, " %s", NAD_Get_Norm_Title(title_id, 0, 0));
    if (with_annex_name) Print_To_Stream(stream, ", NA %s", NAD_Get_Active_Name());
    Print_To_Stream(stream, "\n0 0 -1 -1\n#END_OF_TEXT\n");
    OLI_setYPositionCM(stream, 1, -0.5f);
}

void NAD_Write_Table_Head(FILE* stream) {
    Print_To_Stream(stream, "#SHOWTABLE\n0 0 0\n1 0 -1 -1 2\n 12 42\n");
    Print_To_Stream(stream, " Kapitel      Wert                          Bedeutung\n");
}

void NAD_Open_Text_Table(FILE* stream) { Print_To_Stream(stream, "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n"); }

void NAD_Close_Table(FILE* stream) { Print_To_Stream(stream, "#END_OF_TEXT\n"); }

void NAD_Write_Factor_Row(FILE* stream, const char* index, double value, const char* meaning) {
    const std::string symbol = Format_Text("└╬\\%s╬r"_cp, index);
    Print_To_Stream(stream, "              %-11.11s = %-5.2lf               %-40s\n", symbol.c_str(), value, meaning);
}

void NAD_Write_Table_Pair(FILE* stream, const std::function<void(FILE*)>& left,
                          const std::function<void(FILE*)>& right) {
    if (!stream) return;
    OLI_storeYPosition(stream, Pair_Position);
    left(stream);
    OLI_restoreYPosition(stream, Pair_Position);
    OLI_setMarginsCM(stream, Pair_Margin_Mode, Pair_Margin_Left, 0.0f);
    right(stream);
    OLI_setMarginsCM(stream, 1, 0.0f, 0.0f);
}
