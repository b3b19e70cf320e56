// Annex table of the EN 1999 block (aluminium structures) in the report: the partial factors of the
// active annex that matter to the running application, chosen by the application table. The writer
// chooses its rows afresh and writes nothing for a null stream.
#pragma once

#include <array>
#include <cstdio>

// Report row flags: 0 the cross-section factors of 6.1.3(1) (gate of the connection factors),
// 1 the tension factor gamma_M2, 2 the connection factors of 8.1.1(2).
inline constexpr int NAD_EC9_Row_Count = 3;
extern std::array<int, NAD_EC9_Row_Count> NAD_EC9_Row_Flags;

// Sets the flags from the flag string of the application's EN 1999 slot; all of them for an
// application described without flag strings.
void NAD_Select_EC9_Report_Rows();

// The EN 1999-1-1 table: its caption, the chosen partial factors and always the constant C of
// 6.2.1(5).
void NAD_Write_EC9_Report(FILE* stream);
