#include "annex/ec9_report.h"

#include "annex/annex_record.h"
#include "annex/annex_report_tables.h"
#include "annex/application_table.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

std::array<int, NAD_EC9_Row_Count> NAD_EC9_Row_Flags{};

namespace {

constexpr int Title_EN_1999_1_1 = 29;

constexpr int Cross_Sections = 0;
constexpr int Tension = 1;
constexpr int Connections = 2;

bool Row(int position) { return NAD_EC9_Row_Flags[position] != 0; }

}  // namespace

void NAD_Select_EC9_Report_Rows() {
    NAD_Read_Application_Table();
    NAD_EC9_Row_Flags.fill(0);
    if (NAD_Application_Has_Flags()) {
        for (int k = 0; k < NAD_EC9_Row_Count; ++k) NAD_EC9_Row_Flags[k] = NAD_Test_Parameter_Flag(9, k) ? 1 : 0;
        return;
    }
    NAD_EC9_Row_Flags.fill(1);
}

void NAD_Write_EC9_Report(FILE* s) {
    if (!s) return;
    const NAD_EC9_Block* b = NAD_Get_EC9();
    if (!b) return;
    NAD_Select_EC9_Report_Rows();
    OLI_setFlags(s, 0x380);
    OLI_reserveSpaceCM(s, 6.0f);
    NAD_Write_Table_Caption(s, Title_EN_1999_1_1, false);
    NAD_Write_Table_Head(s);
    if (Row(Cross_Sections)) {
        Print_To_Stream(s, " 6.1.3(1)     Teilsicherheitsbeiwerte für   Querschnitte / Bauteile \n"_cp);
        NAD_Write_Factor_Row(s, "M0", b->gamma_M0, "Querschnittsversagen");
        NAD_Write_Factor_Row(s, "M1", b->gamma_M1, "Stabilitätsversagen"_cp);
        if (Row(Tension)) NAD_Write_Factor_Row(s, "M2", b->gamma_M2, "Bruchversagen infolge Zug");
    }
    Print_To_Stream(s, " 6.2.1(5)     Beanspruchbark. d. Querschn.\n");
    Print_To_Stream(s, "              %-7.7s = %-5.2lf               %-40s\n", "C", b->C, "Konstante, ANMERKUNG 2");
    if (Row(Cross_Sections) && Row(Connections)) {
        Print_To_Stream(s, " 8.1.1(2)     Teilsicherheitsbeiwerte für   Anschlüsse\n"_cp);
        NAD_Write_Factor_Row(s, "Mp", b->gamma_Mp, "Bolzenverbindungen");
        NAD_Write_Factor_Row(s, "Mw", b->gamma_Mw, "Schweißverbindungen"_cp);
        NAD_Write_Factor_Row(s, "Ms,ser", b->gamma_Ms_ser, "Gleitwiderstand im GZ d. Gebrauchst.");
        NAD_Write_Factor_Row(s, "Ms,ult", b->gamma_Ms_ult, "Gleitwiderstand im GZ d. Tragf.");
        NAD_Write_Factor_Row(s, "Ma", b->gamma_Ma, "Geklebte Verbindungen");
        NAD_Write_Factor_Row(s, "Mp,ser", b->gamma_Mp_ser, "Bolzen im GZ d. Gebrauchst.");
    }
    Print_To_Stream(s, "\n");
    NAD_Close_Table(s);
}
