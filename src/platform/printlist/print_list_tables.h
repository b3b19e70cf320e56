// Stand-in for the print-list library's tables: a "#SHOWTABLE" block read from a stream into rows,
// shown on a modal sheet of the host, and the eight colours of that sheet.
//
// A table block is the line "#SHOWTABLE", two lines of table parameters, one line per row (its first
// blank is the row's indent and not part of the text) and the line "#END_OF_TEXT". An end line that
// is followed by a further row (a line that begins with a blank) is an inner one and is passed over.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct OLI_Table {
    std::vector<std::string> rows;
};

// Longest row text kept; the rest of a longer line is dropped.
inline constexpr std::size_t OLI_Table_Row_Limit = 1000;
// Number of table colours: background of odd and even rows, frame, title, text, grid, mark, mark text.
inline constexpr int OLI_Table_Colour_Count = 8;

// Reads the next table block from the stream's position. Null when no "#SHOWTABLE" line follows or
// memory runs out; a block without its end line ends with the stream.
OLI_Table* readOLITableFromFILE(FILE* stream);
void deleteOLITable(OLI_Table* table);

// Shows the table's rows on a modal sheet titled title over the rectangle geometry[1] to geometry[4]
// (the record of thirteen ints the caller keeps) and waits for OK or Esc. The call and every row are
// traced ("oli table", "oli row"); outside graphics mode nothing is shown. 0, or -1 without a table or
// geometry.
int OLITablePropSheet(const char* title, int mode, const OLI_Table* table, const int* geometry);

// The table colours (indexes of the host's screen): copies the eight into colours, or takes them
// from it. 0, -1 for a null array.
int OLI_getTableColors(int* colours);
int OLI_setTableColors(const int* colours);
