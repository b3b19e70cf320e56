// Older names of annex library operations, kept so that programs built against them still link.
// Each forwards to the operation it is named after.
#pragma once

#include <cstdio>

void NAD_Write_Input_Name_Old_1(FILE* stream);
void NAD_Write_Input_Name_Old_2(FILE* stream);
void NAD_Write_EC0_Report_If_Used_Old_1(FILE* stream);
void NAD_Write_EC0_Report_If_Used_Old_2(FILE* stream);
int NAD_Read_Legacy_Input_Old_1(FILE* stream);

// An entry that no longer does anything: 0.
int NAD_Old_Entry();
