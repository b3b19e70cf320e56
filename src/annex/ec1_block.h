// EN 1991 block of a National Annex: up to ten tables of wind and snow values. The block is not part
// of the annex file: the shape of the tables comes from the definition file WUSL-Tabs.def in
// DATA/NAD, their values from value files with one section per annex (WUSL-Tabs.val in DATA/NAD for
// the built-in annexes, WUSL-NADs.def in DRAM for the user annexes). No check of this program reads
// the tables.
//
// Definition file, per table:
//   #TAB<n>                      n = 1 to 10, any order; other lines are skipped
//   <title>
//   <second line>                the heads of the columns
//   <left> <top> <label width> <column width>
//   <right> <bottom> <decimals> <spare>        right and bottom are held as width and height
//   <rows> <columns> <unit word>
//
// Value file, per annex:
//   #NAD
//   <annex name>                 a section is taken for every annex whose name begins this line
//   <table kind>                 1 recommended rules, 2 German annex
//   ~DATA                        then: 1 <data 1> <data 2>
//   ~TAB<n>                      then: the current text line and rows x columns values, row by row
//   ~TAB99                       then: <count> <spare> and count ints, the row chosen per table
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

inline constexpr int NAD_EC1_Table_Count = 10;
// Longest line of the table files, without its line end.
inline constexpr int NAD_EC1_Line_Limit = 198;
// Largest table a definition may give (rows x columns); a larger or empty one is refused.
inline constexpr int NAD_EC1_Max_Cells = 10000;

struct NAD_EC1_Table {
    std::string title;          // first line after the table's key in the definition file
    std::string second_line;
    std::string current_text;   // text line of the loaded value section
    std::string unit_word;
    int rows = 0;
    int columns = 0;
    int has_values = 0;         // 1 once a value section has filled the table
    // Place on the editor page: left, top, width of the label column, width of a value column; width,
    // height (stored as right and bottom, reduced by left and top on reading), decimals shown, spare.
    int layout[8] = {};
    std::vector<double> values; // rows x columns, row by row
};

struct NAD_EC1_Block {
    int kind = 0;               // 1 or 2, from the variant or a value section
    int data[2] = {};           // the two "~DATA" values, 2 and 2 built in
    int tab99[NAD_EC1_Table_Count] = {};  // the "~TAB99" list: the row chosen in each table, 0 none
    // Tables 1 to 10; null where the definition file has no such table.
    std::array<std::unique_ptr<NAD_EC1_Table>, NAD_EC1_Table_Count> tables;
};

// Reads the table definitions of DATA/NAD/WUSL-Tabs.def into the block: the tables and the "~TAB99"
// list are cleared first (nothing changes when the file is missing). A table whose lines or numbers
// are missing or out of range ends the reading and is not kept. Result: the number of tables read.
int NAD_Load_EC1_Definitions(NAD_EC1_Block* block);

// The built-in values: the two "~DATA" values 2 and 2 and the section "EC-Standardparameter" of the
// built-in value file.
void NAD_Set_EC1_Defaults(NAD_EC1_Block* block);

// Loads the value section of the named annex: from the user value file for a user annex (number not
// 0), from the built-in value file otherwise. Missing files change nothing.
void NAD_Load_EC1_Values(int annex_number, const char* annex_name, NAD_EC1_Block* block);

// Reads every section of the value file whose name line begins with the annex name, in file order:
// its table kind, then its items. Result: the number of sections read.
int NAD_Find_EC1_Section(const char* file_name, const char* annex_name, NAD_EC1_Block* block);

// Reads the items of one section up to the next "#NAD" line (left unread) or the end of the file. An
// item takes effect only when it is complete; a "~TAB" item of a table the block does not define is
// skipped. Result: 0 when every item was complete, 1 otherwise or for a null argument.
int NAD_Read_EC1_Values(FILE* stream, NAD_EC1_Block* block);

// Kind 2 and the values of table 9 dropped for a nonzero variant (German annex), kind 1 and the values
// of table 8 dropped otherwise.
void NAD_Set_EC1_Kind(NAD_EC1_Block* block, int variant);

// Writes the items of a section: "~DATA", every table with values (three decimals), "~TAB99".
// Result: 0 written, 1 when a write failed; nothing for a null stream or block.
int NAD_Write_EC1_Values(FILE* stream, const NAD_EC1_Block* block);

// Writes a whole section of the annex to DRAM/WUSL-NADs.def, appended to the file or as its only
// section. Result: 1 stored, 0 when DRAM is not set or the file could not be written.
int NAD_Store_EC1_Values(int append, const char* annex_name, const NAD_EC1_Block* block);

// 1 when the values differ: a table of both blocks filled in one only or of another size, a value
// differing by more than 0.0001, the "~TAB99" list or the "~DATA" values, or a null block; 0
// otherwise.
int NAD_Compare_EC1(const NAD_EC1_Block* a, const NAD_EC1_Block* b);

// Copies the values and their fill state of every table the target defines (where the source
// defines it with the same size), the "~TAB99" list and the "~DATA" values.
void NAD_Copy_EC1(NAD_EC1_Block* target, const NAD_EC1_Block* source);

// Frees every table; the block then defines none.
void NAD_Free_EC1_Tables(NAD_EC1_Block* block);
