// The row form of the older report: formula lines written cell by cell into two or three tab
// columns of one paragraph.
//
// A setter fixes the cells per row and their tab positions (cm) and makes the form active. When the
// first position rounds (two decimals) to 0 the first cell starts at the margin and only the
// further positions become tab stops. A setter called while a form is active changes the form: the
// next cell first ends the paragraph of the previous form and then writes under the new one, which
// stays active. Each cell is written in the cell font, after "╬t" unless it is a first cell at the
// margin; the last cell of a row ends the line. Without an active form a cell is written after a tab
// with a line feed. A null stream writes nothing.
#pragma once

#include <cstdio>

int OLI_Set_Cell_Font(int font);   // 7 at start; returns the font
int OLI_Get_Cell_Font();

// count is taken as 1 to 3; null positions set nothing.
void OLI_Row_Form(int count, const double* positions);
void OLI_Row_Form_2(double first, double second);
void OLI_Row_Form_3(double first, double second, double third);

// One cell; returns the index of the next cell (0 after the last cell of a row, -1 without an
// active form).
int OLI_Row_Cell(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Three cells: the first two as text, the third formatted.
int OLI_Row_Cells_3(FILE* stream, const char* first, const char* second, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Name, symbol and value part "a <relation> b" (a and b with the caller's formats for one double)
// as three cells.
void OLI_Formula_Row(FILE* stream, const char* name, const char* symbol, const char* format_a, double a,
                     int relation, const char* format_b, double b);
// The same; with ok 0 the value part is emphasised, followed by two blanks and the suffix, and the
// mark "╬b!!" stands at the right edge of the row.
void OLI_Formula_Row_Marked(FILE* stream, const char* name, const char* symbol, const char* format_a, double a,
                            int relation, const char* format_b, double b, int ok, const char* suffix);

// Space of lines x 0.38 cm before the next row.
void OLI_Row_Space(FILE* stream, double lines);
// Ends the paragraph and clears the form.
void OLI_End_Row_Form(FILE* stream);
