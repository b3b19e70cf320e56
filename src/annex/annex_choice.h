// Choice and activation of a National Annex by name, and the annex name in the input file: the key
// "ACTIV_NADNAME" followed by «name» on the next line.
#pragma once

#include <cstdio>

// Activates the named annex. A null name, and "lokale Definitionen" silently, activate "Deutschland";
// a name that is not in the annex list activates "Deutschland" and tells the user so with the
// sheet or message box "Warnung" (on the batch road, Refresh_Mode, nothing is shown). Result: 0, or that of
// the notice; for a null name the result of loading "Deutschland" (1 when its file was read).
int NAD_Set_Annex_By_Name(const char* name);

// How the window road tells the user that a requested annex is gone and which annex stands in for
// it; the result becomes that of NAD_Set_Annex_By_Name. Null (the start) tells it with a message box
// and gives 0. The window road installs its sheet.
using NAD_Missing_Annex_Notice = int (*)(const char* requested, const char* substitute);
void NAD_Set_Missing_Annex_Notice(NAD_Missing_Annex_Notice notice);

// Activates the annex named behind the key "ACTIV_NADNAME"; without the key or the name "Deutschland".
// Result: that of the activation, or of loading "Deutschland".
int NAD_Read_Input_Name(FILE* stream);

// Appends "\n\nACTIV_NADNAME\n" and «name»"\n" with the active name (activating "Deutschland" first
// when no annex is active); nothing for a null stream.
void NAD_Write_Input_Name(FILE* stream);

// How many of a Eurocode's parameter ids the application reports as used. EN 1996 has none.
int NAD_Count_Used_EC2_Parameters();
int NAD_Count_Used_EC3_Parameters();
int NAD_Count_Used_EC5_Parameters();
int NAD_Count_Used_EC6_Parameters();
int NAD_Count_Used_EC9_Parameters();
int NAD_Count_Used_Other_Parameters();
