// The old annex list: the annexes of the old single annex file DRAM/NADs-EC2.DEF, read once per
// process, and the local annex record that old input files carry behind the key "ACTIV_NAD_EC2".
// An old input file is matched to a record of the old list, whose name then activates the annex.
#pragma once

#include <cstdio>

#include "annex/ec2_block.h"
#include "annex/ec3_block.h"
#include "annex/ec5_block.h"

// Load factors of the old annex records: 4 groups of 7 pairs of partial factors, then 12 triples of
// combination coefficients.
struct Legacy_Load_Factors {
    double gamma[4][7][2];
    double psi[12][3];
};

inline constexpr int NAD_Legacy_Name_Size = 32;
inline constexpr int NAD_Legacy_Name_Taken = 25;  // characters taken from the old annex file

struct NAD_Legacy_Record {
    int country_type = 0;   // 17 for the local record of an input file
    int flag = 0;           // 0 built-in defaults, 1 from the old annex file, 2 local record
    char name[NAD_Legacy_Name_Size] = {};
    NAD_EC2_Block ec2{};
    NAD_EC3_Block ec3{};
    NAD_EC5_Block ec5{};
    Legacy_Load_Factors load_factors{};
};

void NAD_Set_Legacy_Load_Factor_Defaults(Legacy_Load_Factors* factors);

// Reads a "Lastfaktoren" part: the word "Lastfaktoren" (else nothing more is read), a flag, 7 pairs,
// with a flag above 0 another 21 pairs, then 12 triples. Result: 0 read, 1 otherwise.
int NAD_Read_Legacy_Load_Factors(FILE* stream, Legacy_Load_Factors* factors);

// Builds the old annex list once: the defaults record "EC-Standardparameter", then every section of
// the old annex file; the first record of country type 18 (else the first record) becomes current.
void NAD_Load_Legacy_List();

// Drops the old list, so that the next query reads the old annex file anew: for a process that reads
// many old annex files one after the other (the reader harness).
void NAD_Forget_Legacy_List();

// Loads the old list once; when the input file holds the key "ACTIV_NAD_EC2", reads the local record
// behind it and makes its match current. Result: 1 when the key was found, else 0.
int NAD_Read_Legacy_Input(FILE* stream);

// The name of the current record of the old list, or "*** unbekannt ***" when there is none.
const char* NAD_Get_Legacy_Name();

// Records of the old list, in list order (for inspection).
int NAD_Get_Legacy_Count();
const NAD_Legacy_Record* NAD_Get_Legacy_Record(int index);
