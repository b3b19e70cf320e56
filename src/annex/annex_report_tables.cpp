#include "annex/annex_report_tables.h"

#include "annex/annex_record.h"
#include "annex/norm_titles.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

void NAD_Write_Report_Title(FILE* stream) {
    if (!stream) return;
    Print_To_Stream(stream, "#SHOWTABLE\n1 1 0\n");
    Print_To_Stream(stream, " Ausgewählte Bemessungsparameter des nationalen Anhangs\n"_cp);
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
