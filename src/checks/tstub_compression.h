// The equivalent T-stub in compression (EN 1993-1-8, 6.2.5 and 6.2.6): a base plate on concrete or
// grout under a column plate, or the flange of a T-stub pressed onto concrete. The record with its
// initialisation, copy and check preparation, its input-file block, the input check, the input
// protocol and the verification of the compression resistance F_c,Rd.
//
// Units as stored: forces in N, lengths in mm, stresses in N/mm²; the report prints kN and cm².
#pragma once

#include <cstdio>

#include "checks/check_context.h"
#include "frame/plate.h"

// Check_Error_Flags bit of a failed check.
inline constexpr int T_Stub_Compression_Failed = 0x2;

struct T_Stub_Compression {
    Plate plate;              // base plate ("Fußplatte", c2 < 0.1 mm) or T-stub flange: t, b_p, l_p
    double beta_j;            // joint coefficient β_j
    double spread_ratio;      // A_c1/A_c0; below 0.001 the check determines it, a given value lies in [1, 9]
    Plate_Material concrete;  // concrete or grout, see checks/concrete_grade.h
    double f_ck;              // the concrete's f_ck as the check uses it
    double c1;                // spread width on the first side
    double c2;                // spread width on the second side; below 0.1 mm the plate is a base plate
    double t_s;               // thickness of the column plate, or of the web of a T-stub flange
    double b_s;               // width of the column plate (base plate)
    double F_c_Ed;            // design compression force
    Check_Context context;
    double l_eff;             // effective length and width of the compressed area
    double b_eff;
    int Check_Error_Flags;
    double F_c_Rd;            // resistance; -1 while it cannot be determined
    double c_max;             // additional bearing width c of EN 1993-1-8, 6.2.5(4)
    double U_max;             // largest utilisation; -1 when it cannot be determined
};

// A spread width c2 below this value (mm) marks the base plate.
inline constexpr double T_Stub_Flange_C2_Min = 0.1;
inline bool Is_T_Stub_Flange(const T_Stub_Compression& T) { return T.c2 >= T_Stub_Flange_C2_Min; }
// A spread ratio from this value on is given; a smaller one is determined by iteration.
inline constexpr double T_Stub_Given_Ratio_Min = 0.001;
// The largest spread ratio that raises the bearing strength: (A_c1/A_c0)^1/2 ≤ 3, EN 1992-1-1, 6.7(2).
inline constexpr double T_Stub_Max_Spread_Ratio = 9.0;

// Empty record: β_j = 2/3, ratio 0, concrete C20/25 and its f_ck; nothing for null.
void Init_T_Stub_Compression(T_Stub_Compression* tstub);
// Initialises the target, then copies the input values of the source; nothing for a null target.
void Copy_T_Stub_Compression(const T_Stub_Compression* source, T_Stub_Compression* target);

// Puts the connection record's values into the check context (summary switch 1) and, for a T-stub
// flange, l_eff = b_p and b_eff = c1 + t_s + c2 (both 0 for a base plate). The report driver calls
// it with the connection record's uniform-steel and verification switches and its partial factors,
// which the record must outlive.
void Prepare_T_Stub_Compression_Check(T_Stub_Compression* tstub, int uniform_steel, int verification,
                                      const Safety_Factors* factors);

// File block, version 2. Result: 0 written or read, 1 failed (a newer block is refused).
int Write_T_Stub_Compression(FILE* stream, const T_Stub_Compression* tstub);
int Read_T_Stub_Compression(FILE* stream, T_Stub_Compression* tstub);

// Holds a given spread ratio within [1, 9], derives the concrete and checks the geometry and the
// strengths. Errors go to the report (stream) and to message boxes (messages); with prefix the plate
// messages begin with the name of the connection. Result: 0 valid, 1 invalid.
int Check_T_Stub_Compression_Input(T_Stub_Compression* tstub, FILE* stream, int messages, int prefix);

// Input protocol; extra is the print settings' "zusätzliche Informationen". Nothing without stream
// or record.
void Print_T_Stub_Compression_Input(const T_Stub_Compression* tstub, FILE* stream, int extra);

// Computes F_c,Rd and, with the verification switch, the utilisation of F_c,Ed; prints its formulas
// at the detail level when a stream is given. Result: 1 when the check failed, else 0.
int Verify_T_Stub_Compression(T_Stub_Compression* tstub, FILE* stream, int detail);
