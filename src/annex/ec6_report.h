// Annex table of the EN 1996 block (masonry) in the report: the partial factors gamma_M of the
// active annex under its own title. Nothing is written for a null stream.
#pragma once

#include <cstdio>

// Which rows the application uses: the factors of 2.4.3 and 2.4.4, and the accidental and seismic
// situations among them.
struct NAD_EC6_Rows {
    bool factors;
    bool accidental_and_seismic;
};
NAD_EC6_Rows NAD_Select_EC6_Report_Rows();

// The title of the part, the EN 1996-1-1 caption and the table: the ultimate limit state factors of
// 2.4.3 and the serviceability factor of 2.4.4, the accidental and seismic factors only where the
// application uses them.
void NAD_Write_EC6_Report(FILE* stream);
