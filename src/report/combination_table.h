// The design-situation table: load combinations listed as a result table with their number
// ("LK"), name ("Bezeichnung"), design situation ("Bemessungssit.") and factored sum of load cases
// ("Faktorisierung"), e.g. "1.35╬/.╬r(Lf1+Lf3)+1.5╬/.╬rLf2".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The name of a load case from its index (0 to cases - 1), and of a design situation from its code.
using Case_Name_Function = const char* (*)(int case_index);
using Situation_Name_Function = const char* (*)(int situation);

struct Load_Combination {
    std::string name;                    // shown with at most 29 characters
    int situation = 0;                   // design-situation code
    std::vector<double> factors;         // per load case
    std::vector<double> second_factors;  // per load case; shown only when the set uses them
};

struct Combination_Set {
    int cases = 0;
    int no_name_column = 0;
    int no_situation_column = 0;
    int table_flags_9 = 0;               // table option flags 9 instead of 1
    int second_factors_used = 0;
    std::vector<int> case_numbers;       // 1 to cases on creation: cases are written "Lf<number>"
    std::vector<Load_Combination> combinations;
    Case_Name_Function case_name = nullptr;            // none: "Lf<number>"
    Situation_Name_Function situation_name = nullptr;  // none: "???"
};

// A set of the cases and combinations, every factor 1.0, names empty; negative counts count as 0.
void OLI_Init_Combinations(int cases, int combinations, Combination_Set* set);
void OLI_Free_Combinations(Combination_Set* set);

// The factor text of a combination of the last table (at most 75 characters), "???" outside it.
const char* OLI_Combination_Text(int index);

// Builds the factor texts: the cases with a nonzero factor in order; cases of equal factors form
// one group, in the order of their first case, written as the factor and "╬/.╬r" when it is not
// 1 (the second factor likewise when used), then the case names joined by "+", in parentheses for
// more than one case; groups are joined by "+". With a stream writes the table (OLI_setFlags 640
// before it when there are more than 10 combinations, 896 after it in any case); the table writer
// is left with at least seven columns allocated.
void OLI_Combination_Table(FILE* stream, Combination_Set* set);
