// The annex reports of every Eurocode that the application uses, written in one call: the reports of
// EN 1992, EN 1993, EN 1995, EN 1996 and EN 1999, and the EN 1990 report of the load factors that
// they all build on. Nothing is written for a null stream.
#pragma once

#include <cstdio>

// How many parameters of each Eurocode the application uses (0: none). The dispatchers read this
// table; it holds the application's answers, and a test may put other counts in their place.
struct NAD_Used_Count_Table {
    int (*ec2)();
    int (*ec3)();
    int (*ec5)();
    int (*ec6)();
    int (*ec9)();
};
extern NAD_Used_Count_Table NAD_Used_Counts;

// The complete annex report of each used Eurocode, in the order EN 1992, 1993, 1995, 1996, 1999.
void NAD_Write_Used_Reports(FILE* stream);

// The EN 1990 report when any of the five Eurocodes is used.
void NAD_Write_EC0_Report_If_Used(FILE* stream);
