// Annex report part of the EN 1995 block (timber structures, parts 1-1 and 1-2): small tables of the
// material factors, modification and deformation factors, deflection limits, crack factor k_cr,
// torsion factor k_shape, net final deflection and buckling factor, and the table of the rules of the
// German annex with the partial factors gamma_M, each as the application table chooses. The writer
// chooses its rows afresh and writes nothing for a null stream.
#pragma once

#include <array>
#include <cstdio>

// Report row flags, one per EN 1995 parameter position 0 to 8 of the application table:
//   0 NCI 6.3.3(2) factor of the relative slenderness   1 material factors gamma_M
//   2 k_mod      3 k_def      4 deflection limits        5 crack factor k_cr
//   6 net final deflection w_net,fin   7 the table of the annex rules and gamma_M of Table 2.3
//   8 torsion factor k_shape
inline constexpr int NAD_EC5_Row_Count = 9;
extern std::array<int, NAD_EC5_Row_Count> NAD_EC5_Row_Flags;

// Sets the flags from the flag string of the application's EN 1995 slot, else from the application
// number; all of them when no application row applies.
void NAD_Select_EC5_Report_Rows();

void NAD_Write_EC5_Report(FILE* stream);
