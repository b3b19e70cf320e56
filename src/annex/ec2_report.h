// Annex tables of the EN 1992 block in the report: clause, value and meaning of the parameters of the
// active annex that matter to the running application, chosen by the application table. The report
// driver writes the EN 1992-1-1 table when the T-stub in compression is active; the fire table of
// EN 1992-1-2 and the bridge table of EN 1992-2 follow in the complete EN 1992 report. A parameter
// with a form code shows its plain value for code 1 and the clause's formula with the value as factor
// for any other code. Every writer chooses its rows afresh and writes nothing for a null stream.
#pragma once

#include <array>
#include <cstdio>

// Report row flags, one per EN 1992 parameter position 0 to 32 of the application table:
//   0 partial factors 2.4.2.4 (persistent, serviceability; bridges also 5.10.9(1)P)
//   1 fatigue, earthquake and accidental situations     2 alpha_cc (bridges also the stresses of 7.2)
//   3 alpha_ct            4 lightweight alpha_lcc, alpha_lct     5 plain concrete alpha_cc,pl, alpha_ct,pl
//   6 concrete cover      7 redistribution 5.5(4)      8 lambda_lim    9 gamma_cE
//  10 shear 6.2.2(6) (with 30 also 6.2.2(1) and 6.2.3; gate of 15 and 16)
//  11 nu_T               12 lightweight nu_l,T         13 k_p          14 lightweight shear 11.6
//  15 flanges 6.2.4      16 joints 6.2.5               17 fatigue      18 crack spacing
//  19 deflection K       20 bar spacing                21 A_s,min beams 22 beta_1   23 beta_2
//  24 rho_w,min          25 A_s,min columns (building table only with 30) 26 A_s,vmin walls
//  27 the fire table     28 fire k 6.4.2.1(3)          29 fire k_m 6.4.2.2(2)
//  30 the building rows of 2.4.2.4, 3.1.6, 6.2.2(1), 6.2.3, 6.8.7(1) and 9.5.2(2)
//  31 the bridge table   32 imperfection theta_0
inline constexpr int NAD_EC2_Row_Count = 33;
extern std::array<int, NAD_EC2_Row_Count> NAD_EC2_Row_Flags;

// Sets the flags from the flag string of the application's EN 1992 slot, else from the application
// number; all of them when no application row applies.
void NAD_Select_EC2_Report_Rows();

// The EN 1992-1-1 table of the active annex.
void NAD_Write_EC2_Report(FILE* stream);
// The EN 1992-1-2 table, when position 27 is chosen.
void NAD_Write_EC2_Fire_Report(FILE* stream);
// The EN 1992-2 table, when position 31 is chosen.
void NAD_Write_EC2_Bridge_Report(FILE* stream);
// The title of the annex report and the three tables.
void NAD_Write_EC2_Parameter_Report(FILE* stream);
