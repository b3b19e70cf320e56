#include "annex/ec6_report.h"

#include "annex/annex_record.h"
#include "annex/annex_report_tables.h"
#include "annex/application_table.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

namespace {

constexpr int Title_EN_1996_1_1 = 22;
}  // namespace

// Without flag strings every application gets the factors; the accidental and seismic rows only the
// two applications that design for them.
NAD_EC6_Rows NAD_Select_EC6_Report_Rows() {
    NAD_Read_Application_Table();
    if (NAD_Application_Has_Flags()) return {NAD_Test_Parameter_Flag(6, 0), NAD_Test_Parameter_Flag(6, 1)};
    const int number = NAD_Find_Application();
    return {true, number == 100 || number == 94};
}

void NAD_Write_EC6_Report(FILE* s) {
    if (!s) return;
    const NAD_EC6_Block* b = NAD_Get_EC6();
    if (!b) return;
    const NAD_EC6_Rows rows = NAD_Select_EC6_Report_Rows();
    OLI_setFlags(s, 0x380);
    OLI_reserveSpaceCM(s, 6.0f);
    NAD_Write_Report_Title(s);
    NAD_Write_Table_Caption(s, Title_EN_1996_1_1, false);
    OLI_setMarginsCM(s, 1, 0.0f, 0.0f);
    NAD_Write_Table_Head(s);
    if (rows.factors) {
        Print_To_Stream(s, " 2.4.3                                      Teilsicherheitsbeiwerte für Mauerwerk\n"_cp);
        Print_To_Stream(s, "                                            im Grenzzustand der Tragfähigkeit für die\n"_cp);
        Print_To_Stream(s, "              └╬\\M╬r = %-5.2lf                    - ständige und vorübergehende Bemessungssituation\n"_cp,
                        b->gamma_M_persistent);
        if (rows.accidental_and_seismic) {
            Print_To_Stream(s, "              └╬\\M╬r = %-5.2lf                    - außergewöhnliche Bemessungssituation\n"_cp,
                            b->gamma_M_accidental);
            Print_To_Stream(s, "              └╬\\M╬r = %-5.2lf                    - Erdbeben-Bemessungssituation\n"_cp,
                            b->gamma_M_earthquake);
        }
        Print_To_Stream(s, " 2.4.4        └╬\\M╬r = %-5.2lf                    im Grenzzustand der Gebrauchstauglichkeit\n"_cp,
                        b->gamma_M_serviceability);
    }
    NAD_Close_Table(s);
}
