// The annex list: the two built-in annexes followed by the user annexes found in DRAM/NADS, and the
// one-time migration of the old single annex file DRAM/NADs-EC2.DEF into numbered annex files.
#pragma once

#include <string>

struct NAD_List_Entry {
    int file_number = 0;   // 0 a built-in annex, n the user annex file n.NAD
    int country_type = 0;  // NAD_Country_Type from the file header
    std::string name;
};

// Entries the list holds: the two built-in annexes and at most 298 user annexes.
inline constexpr int NAD_List_Limit = 300;

// Rebuilds the list after the migration: entry 0 "EC-Standardparameter", entry 1 "Deutschland",
// then user annexes 1.NAD, 2.NAD, ... up to the first number without a file. When no annex is active,
// "Deutschland" becomes the active name (it is not loaded). Result: the active name, null when DRAM
// is not set.
const char* NAD_List_Annexes();

// One-time migration: when DRAM/NADS does not exist yet, creates it and writes every section of the
// old single annex file as a numbered annex file. Errors go to standard output as
// "Safeguard_Proper_Version: ERROR n".
void Safeguard_Proper_Version();

int NAD_Get_List_Count();
// The entry at the index, null outside the list.
const NAD_List_Entry* NAD_Get_List_Entry(int index);
// The index of the first entry of exactly this name, -1 when there is none.
int NAD_Find_List_Entry(const char* name);
