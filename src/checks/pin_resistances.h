// The pieces of the pin check (EN 1993-1-8 Tables 3.9 and 3.10) besides Verify_Pin_Connection: the
// geometry of the eye bars, the load distribution on the pin, the force on an outer eye bar and the
// serviceability resistances of a replaceable pin.
//
// The pin connection is a Bolt_Connection with a pin: eye bar 1 (plate 1, t1) between two eye bars 2
// (plate 2, t2 each) with the gap Δt between them; F_Ed and F_Ed,ser are the first two design forces.
// Units: forces N, lengths mm, stresses N/mm²; the moments of the pin check are held in N·m
// (N·mm × 0.001) and print in kNm.
//
//   pin_geometry.cpp        the geometric requirements of the eye bars, "Möglichkeit A" and "B"
//   pin_loads.cpp           moment and shear of the load situations, force on one eye bar 2
//   pin_serviceability.cpp  F_b,Rd,ser, σ_h,Ed and f_h,Rd of a replaceable pin
//   pin_connection.cpp      the verification with its blocks per load situation
#pragma once

#include <cstdio>

#include "checks/bolt_connection.h"

// Bits of Check_Error_Flags that the pin check sets.
enum Pin_Error_Bits : int {
    Pin_Error_Geometry = 0x201,   // a geometric requirement is not met
    Pin_Error_Shear = 0x3,        // F_v,Rd negative
    Pin_Error_Bearing = 0x101,    // F_b,Rd, F_b,Rd,ser, σ_h,Ed or f_h,Rd negative or not determinable
    Pin_Error_Bending = 0x81,     // M_Rd or M_Rd,ser negative
};

// Geometric requirements of EN 1993-1-8 Table 3.9 for each verified eye bar: option A (a_min, c_min)
// or option B (t_min, d0,max and the distances). A requirement not met sets Pin_Error_Geometry; U_max
// is not touched. The caller decides whether the block runs.
void Verify_Pin_Geometry(Bolt_Connection* connection, FILE* stream, int level);

// M_Ed (N·m) and F_v,Ed (N) of the load situation (code 0 to 3; Code_Edition 0 knows one
// distribution for every code), from F_Ed or, with the serviceability switch, from F_Ed,ser. Writes
// through the non-null outputs and prints the formula line from level 1 on. Nothing is written
// when (t1 + 4Δt + 2t2)/8 is negative; an unknown code under Code_Edition 1 gives 0 for both.
void Compute_Pin_Moment_And_Shear(const Bolt_Connection* connection, int situation, int serviceability,
                                  double* moment, double* shear, FILE* stream, int level);

// β = (t1 + t2 + 4Δt)/(2(t1 + t2) + 4Δt), the share of the more loaded eye bar 2 (Code_Edition 1).
double Pin_Beta(const Bolt_Connection& connection);

// The force on one eye bar 2 in N: 0.5 F_Ed (Code_Edition 0) or β F_Ed (Code_Edition 1), with the
// serviceability switch from F_Ed,ser; prints its line from level 1 on.
double Compute_Outer_Eye_Bar_Force(const Bolt_Connection* connection, int serviceability, FILE* stream, int level);

// F_b,Rd,ser = 0.6 d t f_y,min / γM6,ser of eye bar 1 or 2, stored in the results. Result 1 when it
// is below -0.001 (not determinable for γM6,ser below 0.001), else 0.
int Compute_Pin_Bearing_Resistance_SLS(Bolt_Connection* connection, FILE* stream, int level, int eye_bar);

// σ_h,Ed = 0.591 (E F (d0 - d)/(d² t))^1/2 of eye bar 1 or 2 (eye bar 2 in double shear takes
// F_Ed,ser/2), stored in the results; -1 when it cannot be determined (d0 < d or d² t ≈ 0).
// Result 1 for a stored value below -0.001. Any fastener but a pin: result 0, nothing stored.
int Compute_Pin_Contact_Stress(Bolt_Connection* connection, FILE* stream, int level, int eye_bar);

// f_h,Rd = 2.5 f_y / γM6,ser with f_y = min(f_y of the eye bar, f_yp), stored in the results. Result 1
// when it is below -0.001. Any fastener but a pin: result 0, nothing stored.
int Compute_Allowable_Contact_Stress(Bolt_Connection* connection, FILE* stream, int level, int eye_bar);
