#include "annex/annex_report_dispatch.h"

#include "annex/annex_choice.h"
#include "annex/ec0_report.h"
#include "annex/ec2_report.h"
#include "annex/ec3_report.h"
#include "annex/ec5_report.h"
#include "annex/ec6_report.h"
#include "annex/ec9_report.h"

NAD_Used_Count_Table NAD_Used_Counts = {
    NAD_Count_Used_EC2_Parameters, NAD_Count_Used_EC3_Parameters, NAD_Count_Used_EC5_Parameters,
    NAD_Count_Used_EC6_Parameters, NAD_Count_Used_EC9_Parameters,
};

namespace {

// Each Eurocode's member of the count table and its report, in report order.
struct Used_Report {
    int (*NAD_Used_Count_Table::*count)();
    void (*write)(FILE*);
};
constexpr Used_Report Used_Reports[] = {
    {&NAD_Used_Count_Table::ec2, NAD_Write_EC2_Parameter_Report},
    {&NAD_Used_Count_Table::ec3, NAD_Write_EC3_Full_Report},
    {&NAD_Used_Count_Table::ec5, NAD_Write_EC5_Report},
    {&NAD_Used_Count_Table::ec6, NAD_Write_EC6_Report},
    {&NAD_Used_Count_Table::ec9, NAD_Write_EC9_Report},
};

bool Used(const Used_Report& r) {
    const auto count = NAD_Used_Counts.*r.count;
    return count && count() > 0;
}

}  // namespace

void NAD_Write_Used_Reports(FILE* stream) {
    if (!stream) return;
    for (const Used_Report& r : Used_Reports)
        if (Used(r)) r.write(stream);
}

void NAD_Write_EC0_Report_If_Used(FILE* stream) {
    if (!stream) return;
    for (const Used_Report& r : Used_Reports) {
        if (!Used(r)) continue;
        NAD_Write_EC0_Report(stream);
        return;
    }
}
