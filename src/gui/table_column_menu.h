// The pop-up menu of a table column's sort button: sort the table's rows by the column, ascending or
// descending, or fill the column with a start value and an increment over all rows or a range of
// rows through the sheet "Tabellenspalte belegen". Handle_Table_Event runs it through
// Run_Table_Column_Menu (gui/table_editor.h); the menu's callbacks work on the table and column set
// for that run and do nothing outside it.
#pragma once

#include "gui/table_editor.h"

// The entries' callbacks.
void Sort_Table_Column_Ascending();
void Sort_Table_Column_Descending();
void Run_Column_Fill_Dialog();

// What the fill sheet asks: choice 1 the whole column, 2 the rows first to last (numbered from 1;
// read rounded half away from zero, as the sheet shows them); the value written into row k of the
// filled rows, counted from 0, is start + k * increment.
struct Column_Fill {
    int choice = 1;
    double start = 1.0;
    double increment = 0.0;
    double first = 1.0;
    double last = 1000.0;
};
// Writes the fill into the column's double of each row concerned.
void Fill_Table_Column(int table, const Table_Column& column, const Column_Fill& fill);
// Sorts the rows' records by the column's double (exchange sort: the rows keep their places, the
// records' bytes move; equal values stay as they are).
void Sort_Table_Column(int table, const Table_Column& column, bool ascending);

// Where the fill sheet's centre stands: the screen centre until the sheet first closed, afterwards
// where the user left it.
void Get_Column_Fill_Centre(int* x, int* y);
