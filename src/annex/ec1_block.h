// EN 1991 block of a National Annex: up to ten tables of wind and snow values. The block is not part
// of the annex file: the shape of the tables comes from the definition file WUSL-Tabs.def in
// DATA/NAD, their values from value files with one section per annex (WUSL-Tabs.val in DATA/NAD for
// the built-in annexes, WUSL-NADs.def in DRAM for the user annexes). No check of this program reads
// the tables.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

struct NAD_EC1_Table {
    std::string title;          // first line after the table's key in the definition file
    std::string second_line;
    std::string current_text;   // text line of the loaded value section
    std::string unit_word;
    int rows = 0;
    int columns = 0;
    int has_values = 0;         // 1 once a value section has filled the table
    int layout[8] = {};
    std::vector<double> values; // rows x columns, row by row
};

struct NAD_EC1_Block {
    int kind = 0;               // 1 or 2, from the variant or a value section
    int data[2] = {};           // the two "~DATA" values, 2 and 2 built in
    int tab99[10] = {};         // the "~TAB99" list
    std::array<std::unique_ptr<NAD_EC1_Table>, 10> tables;  // tables 1 to 10; null where not defined
};

// Reads the table definitions into the block. Result: the number of tables read.
int NAD_Load_EC1_Definitions(NAD_EC1_Block* block);

// The built-in values: the two "~DATA" values 2 and 2 and the section "EC-Standardparameter" of the
// built-in value file.
void NAD_Set_EC1_Defaults(NAD_EC1_Block* block);

// Loads the value section of the named annex: from the user value file for a user annex (number not
// 0), from the built-in value file otherwise.
void NAD_Load_EC1_Values(int annex_number, const char* annex_name, NAD_EC1_Block* block);

// Kind 2 and the values of table 9 dropped for a nonzero variant (German annex), kind 1 and the values
// of table 8 dropped otherwise.
void NAD_Set_EC1_Kind(NAD_EC1_Block* block, int variant);
