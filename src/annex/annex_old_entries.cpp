#include "annex/annex_old_entries.h"

#include "annex/annex_choice.h"
#include "annex/annex_report_dispatch.h"
#include "annex/legacy_annex_list.h"

void NAD_Write_Input_Name_Old_1(FILE* stream) { NAD_Write_Input_Name(stream); }

void NAD_Write_Input_Name_Old_2(FILE* stream) { NAD_Write_Input_Name(stream); }

void NAD_Write_EC0_Report_If_Used_Old_1(FILE* stream) { NAD_Write_EC0_Report_If_Used(stream); }

void NAD_Write_EC0_Report_If_Used_Old_2(FILE* stream) { NAD_Write_EC0_Report_If_Used(stream); }

int NAD_Read_Legacy_Input_Old_1(FILE* stream) { return NAD_Read_Legacy_Input(stream); }

int NAD_Old_Entry() { return 0; }
