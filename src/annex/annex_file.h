// The annex file: one text file per National Annex with the header and the parameter blocks of every
// Eurocode but EN 1991. The built-in annexes stand in DATA/NAD ("Standard.NAD", "Deutschland.NAD"),
// the user annexes numbered in DRAM/NADS ("1.NAD", "2.NAD", ...).
//
//   NAD/Version 1
//   <blank line>
//    <country type> «<name>» <variant>
//   <two blank lines> #EC0 <EN 1990 block>
//   <two blank lines> #EC2 <EN 1992 block>, then #EC3, #EC5, #EC6 and #EC9 alike
//
// Readers find each block by its key, so blocks may stand in any order and any may be missing.
#pragma once

#include <cstdio>
#include <string>

#include "annex/annex_record.h"

// The file of a user annex (number above 0, DRAM/NADS/<number>.NAD) or of a built-in annex (number
// 0, DATA/NAD/<stem>.NAD); empty when the variable is not set.
std::string NAD_Annex_File_Path(int number, const char* stem);

// Sets the blocks that an annex file carries (all but EN 1991) to their built-in values.
void NAD_Set_File_Block_Defaults(NAD_Record* record);

// Writes the whole record. Result: 0 written, 1 when a write failed or for a null stream or record.
int NAD_Write_File(FILE* stream, const NAD_Record* record);

// Reads a whole annex file over a record whose blocks hold their defaults; a missing block keeps
// them. Result: 0, and the record unchanged, when the file does not begin with "NAD/Version"; else 1.
int NAD_Read_File(FILE* stream, NAD_Record* record);

// Reads the annex file of a list entry into the record and completes it: the user flag, the wind and
// snow values and the header's variant in every block that takes one. Result: 1 read; 0 when the
// variable is missing, the file does not open or is no annex file (the record is left as it was).
int NAD_Load_Annex_File(int number, const char* stem, NAD_Record* record);

// Writes the record as user annex file <number>, or deletes that file for a null record. Result: 1
// done, 0 when DRAM is not set, the number is not above 0 or the file could not be written.
int NAD_Store_User_File(int number, const NAD_Record* record);

// Writes the active annex (after the lazy start) to the file named by the base name followed by
// "_EC2.NAD". Result: 0 when the file cannot be opened, else 1.
int NAD_Export_Active_Annex(const char* base_name);
