// Annex tables of the EN 1993 block in the report: the parameters of the active annex that matter to
// the running application, chosen by the application table. The report driver writes the EN 1993-1-1
// table (with the EN 1993-1-2 fire table when chosen); the complete annex report adds the tables of
// EN 1993-1-8, 1-5, 1-9 and EN 1993-6. Every writer chooses its rows afresh and writes nothing for a
// null stream.
#pragma once

#include <array>
#include <cstdio>

// Report row flags, positions 0 to 10:
//   0 partial factors gamma_M0, gamma_M1 of 6.1(1) (with 3 also the EN 1993-1-8 table)
//   1 the gamma_M2 rows            2 the short 6.1(1) heading and the lines on bolts, welds, bearing
//   3 with 0 the EN 1993-1-8 table  4 the accidental situation      5 lateral-torsional buckling
//   6 EN 1993-1-5 table            7 EN 1993-1-9 table             8 EN 1993-6 table
//   9 EN 1993-1-2 fire table      10 bow imperfections 5.3.2(3)b)
inline constexpr int NAD_EC3_Row_Count = 11;
extern std::array<int, NAD_EC3_Row_Count> NAD_EC3_Row_Flags;

// Sets the flags from the flag string of the application's EN 1993 slot, else from the application
// number; all of them when no application row applies.
void NAD_Select_EC3_Report_Rows();

// The EN 1993-1-1 table and, with flag 9, the EN 1993-1-2 table.
void NAD_Write_EC3_Report(FILE* stream);

// The complete annex report: its title, the EN 1993-1-1 table and the four tables below, each when
// its rows are chosen.
void NAD_Write_EC3_Full_Report(FILE* stream);
void NAD_Write_EC3_8_Report(FILE* stream);    // EN 1993-1-8, flags 0 and 3
void NAD_Write_EC3_1_5_Report(FILE* stream);  // EN 1993-1-5, flag 6
void NAD_Write_EC3_1_9_Report(FILE* stream);  // EN 1993-1-9, flag 7
void NAD_Write_EC3_6_Report(FILE* stream);    // EN 1993-6, flag 8
