// Editable tables in a scrollable view area: a list of rows, each a heap copy of a caller's
// fixed-size record, drawn one below the other by the caller's row painter, which binds the cells'
// items to the fields of each copy, so that editing a cell edits the table. Optional controls per
// row: a button that deletes the row, one that duplicates it, the row number; after the rows an
// optional line that appends a copy of the template row; optional columns whose sort buttons open
// the column menu (gui/table_column_menu.h).
//
// A table is known by its slot number, 0 to 54. Every operation does nothing (and returns 0 or NULL
// where it returns a value) for a number outside 0 to 54 or a free slot, so a -1 from a 56th
// creation passes through safely.
#pragma once

#include <array>
#include <cstddef>

constexpr int Table_Slots = 55;
constexpr int Table_Format_Size = 36;      // a column's printf format with its terminator
constexpr int Table_Append_Marker = 1;     // what the append line's hot spot stores

// Controls of Set_Table_Row_Button.
enum Table_Row_Control { Table_Delete_Button = 1, Table_Duplicate_Button = 2, Table_Append_Line = 3, Table_Row_Numbers = 4 };

struct Table_Row_Node {
    unsigned char* record = nullptr;   // heap copy of record-size bytes
    Table_Row_Node* previous = nullptr;
    Table_Row_Node* next = nullptr;
};

struct Table_Column {
    std::array<char, Table_Format_Size> format{};   // the value's printf format
    int x = 0, y = 0;                               // centre of its sort button, content coordinates
    int spare = 0;                                  // kept for the caller, not used
    int offset = 0;                                 // of the column's double within the row record
    int sortable = 0;                               // 0 or 1
    int fillable = 0;                               // 0 or 2
    Table_Column* next = nullptr;
};

// Called as painter(1, area, x, y, record) for each row with the row's left edge and top: adds the
// row's items to the view area, usually fields bound to the record's members.
using Table_Row_Painter = void (*)(int mode, int area, int x, int y, void* record);

// Where a row control stands, from the row's left edge and top.
struct Table_Row_Control_Place {
    int on = 0;
    int dx = 0, dy = 0;
};

struct Table_Slot {
    int in_use = 0;
    int area = -1;           // the view area the table lives in
    int spare = 0;
    int row_count = 0;
    int record_size = 0;     // bytes
    int top = 0, x = 0, x2 = 0, row_height = 0;   // content coordinates of the view area
    int max_rows = 0;        // 0: no limit
    Table_Row_Control_Place delete_button, duplicate_button, append_line, row_numbers;
    // Requests stored by the hot spots of the last built view: the 1-based position of the row
    // whose delete or duplicate button, or of the column whose sort button, was clicked (0 none);
    // the append marker.
    int delete_request = 0;
    int duplicate_request = 0;
    int append_request = 0;
    int menu_request = 0;
    Table_Row_Painter painter = nullptr;
    Table_Column* first_column = nullptr;
    Table_Column* last_column = nullptr;
    Table_Row_Node* template_row = nullptr;   // outside the row list; the append line copies it
    Table_Row_Node* first_row = nullptr;
    Table_Row_Node* last_row = nullptr;
    Table_Row_Node* cursor = nullptr;         // the next row of the iteration
};

// The slot of a number; null for a number outside 0 to 54 or a free slot.
Table_Slot* Table_Of(int table);

// Takes the lowest free slot (the first call marks all free and sets the icons' colours) and clears
// it; -1 when all 55 are in use.
int Create_Table(int area, int top, int x, int x2, int row_height, int record_size, Table_Row_Painter painter);
// Switches a row control on (Table_Row_Control), its place from the row's left edge and top.
void Set_Table_Row_Button(int table, int kind, int dx, int dy);
void Set_Table_Max_Rows(int table, int n);   // binds the duplicate buttons and the append line only
// Copies the record into the template row; nothing for a null record.
void Set_Table_Template_Row(int table, const void* record);
// Appends a column: flags bit 0 sortable, bit 1 fillable; the format ("%14.8f" when null) is cut at
// 35 characters. A column whose double does not lie inside the record is not added.
void Add_Table_Column(int table, int x, int y, int spare, int flags, const char* format, int offset);
// Appends a copy of the record (also beyond the maximum); nothing for a null record.
void Append_Table_Row(int table, const void* record);
void Clear_Table_Rows(int table);   // template and columns stay
int Get_Table_Row_Count(int table);
// The records in list order: the first, then one further each call; NULL at the end.
void* Get_First_Table_Row(int table);
void* Get_Next_Table_Row(int table);
// The 1-based position of the row whose record is at that address (not compared by contents); 0
// when no row holds it.
int Get_Table_Row_Number(int table, const void* record);
// Moves the table's top left corner; x2 and every column's button centre move with it.
void Move_Table(int table, int top, int x);
// Adds the table's items to its view area: per row the light grey background, the painter's items,
// the delete and duplicate buttons and the row number; the append line; the columns' sort buttons.
void Build_Table_View(int table);
// Runs one event over the table: 0 nothing happened here (a click outside the table stays for the
// page), 1 handled (a value may have changed, the column menu ran), 2 rows were deleted, duplicated
// or appended (the page builds the view anew).
int Handle_Table_Event(int table);
// Frees rows, template and columns and marks the slot free.
void Delete_Table(int table);
void Delete_Tables_Of_Area(int area);

// The table's column menu for the column, run by Handle_Table_Event (gui/table_column_menu.cpp).
void Run_Table_Column_Menu(int table, Table_Column* column);
