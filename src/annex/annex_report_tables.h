// Blocks that every annex table of the report shares. The tables are print-list table blocks written
// straight to the report stream; the layout calls of the print list place them. Nothing is written for
// a null stream.
#pragma once

#include <cstdio>
#include <initializer_list>

// The title of an annex report part, " Ausgewählte Bemessungsparameter des nationalen Anhangs" with
// the active annex name below it, then the writing position moved up by 0.5 cm.
void NAD_Write_Report_Title(FILE* stream);

// The caption of a table: the long title of the standard without date, followed by ", NA " and the
// active annex name when with_annex_name is set; then the writing position moved up by 0.5 cm.
void NAD_Write_Table_Caption(FILE* stream, int title_id, bool with_annex_name);

// The opening of a table with its column layout and the header "Kapitel", "Wert", "Bedeutung"; the
// rows follow and "#END_OF_TEXT" ends it.
void NAD_Write_Table_Head(FILE* stream);

// A set of report row positions as bits (position k = bit k), for the tables of rows per application.
constexpr unsigned long long NAD_Row_Positions(std::initializer_list<int> positions) {
    unsigned long long bits = 0;
    for (const int k : positions) bits |= 1ULL << k;
    return bits;
}
