// The application table: which annex parameters matter to the running program. Every program of the
// host describes itself in a file EXEC/<folder>/APP<nnnn>.DEF:
//
//   #NADS <n>      0 or missing: no annex use; above 0: mask of the Eurocodes used (bit k = EN 199k);
//                  below 0: ten words follow (behind the number or on the lines after it), one per
//                  Eurocode slot 0 to 9; a word longer than one character, or "1", marks the slot as
//                  used and is its flag string, in which character k tells whether parameter
//                  position k is relevant ('0' = not relevant); other words leave the slot without one
//   #NAME          «application name» (default: the folder name)
//   #SERVICE       «service name» (default: "Bauteil")
//   #GROUP         «group name»; replaces the service name
//
// A «» name stands on its key line behind the key or on the line after it.
//
// The table is read once; the row of the running program (its number from the host) answers the
// report tables which rows to print.
#pragma once

#include <array>
#include <string>

struct NAD_Application_Entry {
    std::string name;                        // upper case
    std::string service;                     // service or group name
    std::array<std::string, 10> flag_strings;  // per Eurocode slot; empty = none
    int mask = 0;                            // bit k = slot k
    int number = 0;                          // from the file name
    int has_flags = 0;                       // 1 when "#NADS" was negative
};

// Rows the table holds; further description files are left out.
inline constexpr int NAD_Application_Limit = 300;

// Mask of EN 1990, 1991, 1992, 1993, 1995, 1996 and 1999, taken when no row applies.
inline constexpr int NAD_All_Eurocodes_Mask = 623;

// Reads the table once per process (a missing EXEC leaves it to the next call) and looks up the
// running program.
void NAD_Read_Application_Table();

// Drops the table and its lookup, so that the next query reads the description files anew: for a
// process that reads many description files one after the other (the reader harness).
void NAD_Forget_Application_Table();

// The number of the running program's row, 0 when no row applies (then every row counts).
int NAD_Find_Application();

// True when parameter position of Eurocode slot is relevant for the running program.
bool NAD_Test_Parameter_Flag(int slot, int position);

// 1 when the current row carries flag strings or there is no current row; 0 for a row without.
int NAD_Application_Has_Flags();

// 1 when no row applies and the report tables take every row.
int NAD_Application_All_Rows();
// The Eurocode mask of the current row, 623 when none applies.
int NAD_Application_Mask();

// The index of the current row, -1 when none applies.
int NAD_Current_Application_Row();
// Makes the row of the index current, as if the host had reported its application (the display
// options); an index outside the table leaves no row current, so that every row counts.
void NAD_Choose_Application_Row(int index);

int NAD_Get_Application_Count();
const NAD_Application_Entry* NAD_Get_Application_Entry(int index);
