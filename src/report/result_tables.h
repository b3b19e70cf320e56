// Result tables of the older report: OliTabelle writes a table of results as one "#SHOWTABLE"
// block (a column per quantity, a row per case, column headings, rules between rows, marked extreme
// values, an optional sum row, the legend of the abbreviations used and footnotes), and
// OLI_Value_Table lays out named values with one column per load case.
//
// Rows are text lines in fixed columns: every cell is one blank and a field of its column's width
// in shown characters (OLI_Display_Width). A column is as wide as its widest heading or cell, at
// least its descriptor width ("TXT" one more, for the blank before the text). The tab positions in
// the header line are where the columns that begin at a tab position start, in characters after
// the line's first blank.
#pragma once

#include <cstdio>

#include "report/table_cells.h"

// Option flags of OliTabelle.
inline constexpr unsigned Table_No_Third_Heading = 0x0001;   // header field 2 is 0
inline constexpr unsigned Table_Skip_Zero_Rows = 0x0002;     // rows whose numeric cells all show 0
inline constexpr unsigned Table_No_Moves = 0x0004;
inline constexpr unsigned Table_Header_Field = 0x0008;       // " 0 0 0 0 0 0 0 2" on the header line
inline constexpr unsigned Table_Sign_Rules = 0x0010;         // rules at ends, extremes and sign changes
inline constexpr unsigned Table_Wide_Magnitude = 0x0020;     // one more character where the largest magnitude is marked
inline constexpr unsigned Table_Page_Flags = 0x0040;         // OLI_setFlags 640 before, 896 after
inline constexpr unsigned Table_Second_Marking = 0x0080;
inline constexpr unsigned Table_Extreme_Rules = 0x0100;      // without 0x0010: rules after extreme rows only
inline constexpr unsigned Table_Reverse = 0x0200;
inline constexpr unsigned Table_Reset_Page_Flags = 0x0400;   // OLI_setFlags 896 before

// Sizes the caller's column array (*columns, through the counted allocator) and the writer's own
// copy to count columns, each with the defaults of Default_Table_Column, and records count as the
// number allocated. A count of 0 or less releases both (*columns becomes null).
void OLI_Allocate_Table_Columns(int count, Table_Column** columns);
int OLI_Allocated_Table_Columns();

// Writes the table; nothing without a stream, descriptors, columns or rows. More columns than
// allocated is a programming fault: the notice "Fehler in Funktion 'OliTabelle': zu wenig Spalten
// allociert! -> Programmabbruch" is shown and the program ends with exit code 0.
// row_rules: a 0 clears the rule after that row; row_extra_rules: a nonzero entry puts a half rule
// on a line of its own after that row; caption_counts: the three caption groups (null: none), their
// captions in one array; the selected row is handed on and changes nothing. A table with at least
// as many rows as the row limit (when set above 0) is written between OLI_setFlags 640 and 896.
void OliTabelle(FILE* stream, int columns, int rows, const Table_Column* descriptors, const int* row_rules,
                const int* row_extra_rules, int selection, unsigned flags, const int* caption_counts,
                const char* const* captions, int footnote_count, const char* const* footnotes);

void OLI_Set_Table_Row_Limit(int rows);

// The table settings for OLI_Table_With_Settings: created with a rule after every one of rows rows
// and nothing else; freed with OLI_Free_Table_Settings.
struct Table_Settings {
    unsigned flags;
    int* row_rules;               // rule_rows entries
    int rule_rows;
    int* row_extra_rules;         // null, or an entry per row
    const int* caption_counts;
    const char* const* captions;
    int selected_row;
    int footnote_count;
    const char* const* footnotes;
};
void OLI_Init_Table_Settings(Table_Settings* settings, int rows);
void OLI_Free_Table_Settings(Table_Settings* settings);
// OliTabelle with the settings (null: fresh ones); a rule array shorter than the table is not read.
void OLI_Table_With_Settings(FILE* stream, int rows, int columns, const Table_Column* descriptors,
                             const Table_Settings* settings);

// One named row of OLI_Value_Table: the name (bold, or underlined and bold for the type "GEW"),
// the unit and one value per case, each shown right-aligned in 10 characters with 2 decimals.
struct Value_Table_Entry {
    const char* name;
    const char* unit;
    const char* type;
    const double* values;
};
void OLI_Value_Table(FILE* stream, int names, int cases, const Value_Table_Entry* entries);
