#include "checks/check_summary.h"

#include "checks/check_context.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

void Print_Check_Summary(FILE* stream, int detail, double U_max, bool failed) {
    if (!stream) return;
    const char* P = Report_Line_Prefix;
    failed = failed || U_max > 1.0 || U_max < U_Undeterminable_Limit;
    if (detail >= 1 && U_max > 0.001 && U_max < 999.999) {
        OLI_Add_Paragraph_Space(0.3);
        OLI_Printf(stream, "%s", P);
        if (detail >= 2) OLI_Printf(stream, "╬H"_cp);
        OLI_Printf(stream, "maximale Ausnutzung U╬\\max╬r"_cp);
        if (detail >= 2) OLI_Printf(stream, "╬H"_cp);
        OLI_Printf(stream, " = %.3lf  %s  1  %s\n", U_max, Get_Relation_Sign_LE(U_max, 1.0),
                   U_max > 1.0 ? Mark_Not_Ok() : Mark_Ok());
    }
    if (failed || detail >= 1) {
        OLI_Add_Paragraph_Space(0.3);
        OLI_Printf(stream, "%s╬B%s\n"_cp, P, failed ? Verdict_Not_Verified() : Verdict_Verified());
    }
    Write_EC3_Condition_Footnote(stream);
}
