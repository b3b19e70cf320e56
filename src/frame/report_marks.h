// Report marks, verdict phrases and message lines: the coloured outcome of every verification line
// ("ok", "nicht ok !!", "!!"), the overall verdict, the tolerant relation signs and the message
// lines, with the print-list colour tags around them; and the constants that begin report lines.
//
// Every text is rebuilt at each call into a buffer owned by its operation and stays valid until the
// same operation is called again.
#pragma once

#include <cstdio>

#include "common/cp437.h"
#include "report/paragraph_writer.h"   // Times_Dot

// The first "%s" of nearly every report line.
inline constexpr const char* Report_Line_Prefix = "";
// Subscripts "senkrecht" and "parallel" of the weld and slip formulas.
inline constexpr const char* Subscript_Perpendicular = "s";
inline constexpr const char* Subscript_Parallel = "p";

// Set when a recommended EN 1993-1-8 condition of a weld is not met; cleared only by the footnote.
extern int EC3_Condition_Footnote_Flag;

// Colour tags of the print list.
const char* Colour_Tag_Grey();
const char* Colour_Tag_Violet();
const char* Colour_Tag_Blue();
const char* Colour_Tag_Red();
const char* Colour_Tag_Reset();

// Marks: a verification met or not met, an error, a recommendation not met or met. While the
// suppression is set every mark is the empty text.
const char* Mark_Ok();
const char* Mark_Not_Ok();
const char* Mark_EC3_Condition();
const char* Mark_Error();
const char* Mark_Warning();
const char* Mark_Note_Ok();
int Set_Mark_Suppression(int value);

// Verdicts of the whole position.
const char* Verdict_Verified();
const char* Verdict_Not_Verified();
const char* Verdict_Not_Determinable();

// Relation signs with a tolerance of 0.001 for lines that require a ≤ b or a ≥ b; a violated
// requirement shows its sign in red.
const char* Compare_Sign_At_Most(double a, double b);
const char* Compare_Sign_At_Least(double a, double b);

// A text of at most 200 characters in red (with " !!"), violet or grey; a longer text gives the mark
// of Mark_Not_Ok.
const char* Mark_Red_Text(const char* text);
const char* Mark_Violet_Text(const char* text);
const char* Mark_Grey_Text(const char* text);

void Get_Default_Value_Pair(int ignored, double* first, double* second);

// Message lines of the report; each does nothing for a null stream.
void Write_Error_Text_Line(FILE* stream, const char* text);
void Write_Note_Line(FILE* stream, const char* text);
void Write_EC3_Condition_Footnote(FILE* stream);
void Write_Not_Verified_Line(FILE* stream, const char* reference);
void Write_Calculation_Error_Line(FILE* stream, const char* text);
void Write_Data_Check_Error_Line(FILE* stream, const char* text);
void Write_Ok_Line(FILE* stream, const char* text);
void Write_Not_Performed_Line(FILE* stream, const char* text);
