// Cells of report tables written straight to the stream, the separators between items of a run-on
// list, and a report graphic that shows one symbol of the print-list font. Every writer does nothing
// for a null stream.
#pragma once

#include <cstdio>

// The number forms of a table cell.
enum Cell_Form : int {
    Cell_8_1 = 0,   // " %8.1lf"
    Cell_7_1,       // " %7.1lf"
    Cell_6_1,       // " %6.1lf"
    Cell_4_1,       // " %4.1lf"
    Cell_9_2,       // " %9.2lf"
    Cell_Plain_8_2, // "%8.2lf"
    Cell_Plain_8_3, // "%8.3lf"
    Cell_Form_Count
};

// The value in the form; nothing for a form outside the table.
void Write_Cell_Value(FILE* stream, double value, int form);
// A utilisation cell with 2 or 3 decimals: a governing value below -1.1 writes the value plainly;
// a value above 0.0001 is written after a blank, underlined when it equals the governing value
// within 0.0001; a value within ±0.0001 writes "    --- "; a negative value writes "  Fehler" in red.
void Write_Governing_Cell(FILE* stream, double governing, double value, int decimals);
// Before every item but the first ";  ", or a line end after every full line of per_line items
// (3 when 0 or less); then the text. index counts the items written before this one.
void Write_Table_Separator(FILE* stream, int index, int per_line, const char* text);
// A graphic block of width × height cm showing the symbol of the print-list font by its name;
// nothing unless the name is not empty, the width at least 1 and the height at least 0.5.
void Write_Symbol_Graphic(FILE* stream, const char* name, double width, double height);
