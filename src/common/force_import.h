// Import of internal-force sets: the user picks a component and then, with the host's internal-force
// selection tool ("schnittgroessenauswahl" in EXEC), one or several sets of internal forces at chosen
// cuts; the tool's result file ($TEMP/schnittgroessenauswahl.txt) is read into a table of results.
//
// Result file, multi-set form: a line "MULTICUT"; the set count, which must equal n; the n set
// objects (export objects); a line "RESULTS"; one result count per set; then per result n × 6
// floats, an int and a float, and two «» texts. Single form: "V:<version>", the result count and the
// values per result (both above 0); per result the floats, an int and a float and two «» texts; then
// "<count> Info" with the same count and per result five «» texts. An empty «» text is kept as null.
#pragma once

#include "common/export_objects.h"
#include "common/host_tools.h"

// Sets a multi-set import takes at most.
inline constexpr int Import_Set_Limit = 10;
// Texts per result: two of the result line, five of the information section.
inline constexpr int Import_Result_Texts = 7;

// The multi-set import: a, b, c, d and n go to the tool as numbers and extra as n further
// arguments. Without a component the current one is offered again ("wie zuvor?") or one is picked
// with the component selection. The result count when the whole file was read; else 0 (also for n
// above Import_Set_Limit, after a line on standard output, and when an archived component cannot be
// extracted).
int Import_BeamCutMultiResults0(const Component_Record* component, int a, int b, int c, int d, int n,
                                const char* const* extra);
// The single-set import with the tool's arguments a to d.
int Import_Force_Results(const Component_Record* component, int a, int b, int c, int d);

// Accessors of the table; outside a valid table or its indexes 0 or null.
int Get_Result_Values(int i, float* values);   // 1 when the values of result i were copied
int Get_Result_Number(int i);
float Get_Result_Factor(int i);
const char* Get_Result_Text(int i, int k);
const VEK_Export_Object* Get_Imported_Set_Object(int s);
int Get_Set_Result_Count(int s);
int Get_Result_Count();
int Get_Result_Value_Count();
// The data path (without extension) of the current component; null without one.
const char* Get_Current_Component_Path();
// Releases results, texts and set objects; the table becomes empty and invalid.
void Free_Imported_Results();

// 1 when the selection tool's executable in EXEC can be run.
int Check_Force_Selection_Tool();
// Runs the selection tool on the data file and waits for it: 1 after it ran; 0 when it was already
// open, EXEC is not set or it cannot start.
int Run_Force_Selection_Tool(const char* file, int a, int b, int c, int d, int n, const char* const* extra);
