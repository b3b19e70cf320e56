// Blocks that every annex table of the report shares. The tables are print-list table blocks written
// straight to the report stream; the layout calls of the print list place them. Nothing is written for
// a null stream.
#pragma once

#include <cstdio>
#include <functional>
#include <initializer_list>

// The title of an annex report part, " Ausgewählte Bemessungsparameter des nationalen Anhangs" with
// the active annex name below it, then the writing position moved up by 0.5 cm.
void NAD_Write_Report_Title(FILE* stream);

// The same title block with another first line (a CP437 text with its leading blank and without the
// line end), e.g. " Lastfaktoren (Hochbau) des nationalen Anhangs".
void NAD_Write_Report_Title(FILE* stream, const char* heading);

// The caption of a table: the long title of the standard without date, followed by ", NA " and the
// active annex name when with_annex_name is set; then the writing position moved up by 0.5 cm.
void NAD_Write_Table_Caption(FILE* stream, int title_id, bool with_annex_name);

// The opening of a table with its column layout and the header "Kapitel", "Wert", "Bedeutung"; the
// rows follow and "#END_OF_TEXT" ends it.
void NAD_Write_Table_Head(FILE* stream);

// The opening of a table of plain text lines without columns; the lines follow and "#END_OF_TEXT"
// ends it.
void NAD_Open_Text_Table(FILE* stream);

// The end of a table block.
void NAD_Close_Table(FILE* stream);

// A partial factor row of a "Kapitel, Wert, Bedeutung" table: gamma with its index (e.g. "M0",
// "Ms,ser") in a column of 11 bytes, escapes included, the value with two decimals and the meaning.
void NAD_Write_Factor_Row(FILE* stream, const char* index, double value, const char* meaning);

// Two tables side by side: the first at the writing position, the second from 9 cm on at the same
// height; then the margins back to the page. Each writer writes one whole table block.
void NAD_Write_Table_Pair(FILE* stream, const std::function<void(FILE*)>& left,
                          const std::function<void(FILE*)>& right);

// A set of report row positions as bits (position k = bit k), for the tables of rows per application.
constexpr unsigned long long NAD_Row_Positions(std::initializer_list<int> positions) {
    unsigned long long bits = 0;
    for (const int k : positions) bits |= 1ULL << k;
    return bits;
}
