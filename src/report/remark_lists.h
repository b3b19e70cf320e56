// Remark lists: up to eleven lists (0 to 10) of lines collected while a report is written and
// printed later as a plain list, bulleted remarks, warnings, numbered remarks, in two or three
// columns, or inside a drawn frame.
//
// A list holds up to 100 lines of at most 299 characters. A line of blanks only (or none) is a
// blank line: it takes a slot but is counted apart from the text lines. A list of kind 2 or 3 is
// written in as many columns, at column positions (cm) shared by all lists. Widths are counted in
// characters of 0.18 cm; a column position adds its characters to the lines written in it.
#pragma once

#include <cstdio>

inline constexpr int Remark_Lists = 11;
inline constexpr int Remark_Slots = 100;

// Makes the list active and empty; the kind stays (1 at first), or becomes 2 or 3 with the
// column positions.
void OLI_Clear_Remark_List(int list);
void OLI_Clear_Remark_List_2(int list, double first, double second);
void OLI_Clear_Remark_List_3(int list, double first, double second, double third);
int OLI_Remark_List_Active(int list);   // 0 for a list outside 0 to 10

// Adds a line to an active list with a free slot. Returns the widest width after a text line, the
// number of blank lines after a blank one, -1 when nothing was added.
int OLI_Add_Remark(int list, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The line, or "?????" for an inactive list, a list outside 0 to 10 or a line it does not hold.
const char* OLI_Get_Remark(int list, int line);
int OLI_Remark_Count(int list);   // text lines plus blank lines
// Takes up to n of the list's text lines off: the last min(n, text lines) lines go, whatever they
// hold, and the counts follow what is left. n of 0 or less does nothing.
void OLI_Drop_Remarks(int list, int n);

// Writes an active list and makes it inactive (nothing without a stream). Kinds 2 and 3: a row form
// of their columns, blank lines as 0.19 cm of space, the kind back to 1 afterwards. Kind 1 as a
// table block: style 0 plain, 1 bulleted (a raised small o), 2 numbered from 1, 3 warnings
// (">>> ... !"); a line that begins with "+" continues the remark before it, without a bullet or
// number. Style 4 writes each text line as a caption ("+" lines are left out). Blank lines are
// empty lines in every style.
void OLI_Write_Remark_List(int list, int style, FILE* stream);

// The list inside a frame of the width (cm; a negative width: the widest line's) drawn as a graphic
// block of scale 1 with its window from (0, 0) to (width, height), the lines 0.3 cm further in.
// The table variant uses table line heights and the caption style with the caption switch on.
void OLI_Print_Remark_List(FILE* stream, int list, double width);
void OLI_Print_Remark_List_Table(FILE* stream, int list, double width);
