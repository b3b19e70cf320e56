// Partial safety factors γM of the resistances (EN 1993-1-1 6.1, EN 1993-1-8 2.2 and Table 2.1),
// taken from the active National Annex or entered by the user, with their file block and the
// report block "Materialsicherheitsbeiwerte".
#pragma once

#include <cstdio>

// Position of each factor in Safety_Factors::gamma_M.
enum Gamma_M_Index : int {
    Gamma_M0 = 0,       // resistance of cross-sections
    Gamma_M1 = 1,       // members, instability
    Gamma_M2 = 2,       // bolts, welds, plates in bearing
    Gamma_M3 = 3,       // slip resistance, category C
    Gamma_M4 = 4,       // bearing of injection bolts
    Gamma_M5 = 5,       // joints of hollow sections
    Gamma_M6_Ser = 6,   // pins at serviceability
    Gamma_M7 = 7,       // preload of high-strength bolts
    Gamma_M3_Ser = 8,   // slip resistance at serviceability, category B
    Gamma_M_Ser = 9,    // serviceability
    Gamma_M_Fi = 10,    // fire
    Gamma_Mu = 11,      // anchorage
    Gamma_M_Count = 12,
};

// Which annex block fills the first nine factors; any other value sets them to 0.
enum Safety_Factor_Source : int { Safety_Source_EC3 = 0, Safety_Source_EC9 = 2 };

struct Safety_Factors {
    int use_annex;                   // 1: the factors follow the active National Annex
    double gamma_M[Gamma_M_Count];
    int source;                      // Safety_Factor_Source; not stored
};

// Fills γM0 to γM3,ser (values[0..8]) from the annex block of the source kind; γM,ser, γM,fi and γMu
// stay. Result: the annex block used, or null.
const void* Fill_Safety_Factors_From_NAD(int source, double* values);

// With the use-annex switch on: the nine values from the annex as above, then γM,ser, γM,fi and γMu
// from the EN 1993 block (0 without one).
void Refresh_Safety_Factors(Safety_Factors* factors);

// File block, version 3. Result: 0 written or read, 1 failed.
int Write_Safety_Factors(FILE* stream, const Safety_Factors* factors);
int Read_Safety_Factors(FILE* stream, Safety_Factors* factors);

// Report bits of the factor lines (see the table in safety_factors.cpp); mask 0 prints every factor
// but γM5.
void Print_Safety_Factors(const Safety_Factors* factors, FILE* stream, int mask);

void Init_Safety_Factors(Safety_Factors* factors);
void Copy_Safety_Factors(const Safety_Factors* source, Safety_Factors* target);
// 1 when the switches agree and all twelve factors agree within 0.01; 0 for a null record.
int Compare_Safety_Factors(const Safety_Factors* a, const Safety_Factors* b);

// γM,ser and γM,fi of the active annex's EN 1993 block; 0 without one.
double Get_Gamma_M_Ser_From_NAD();
double Get_Gamma_M_Fi_From_NAD();
