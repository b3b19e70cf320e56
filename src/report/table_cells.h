// Columns and cells of the result tables: the column descriptor, the kinds of column, the marker
// values of numeric columns, the display width of a print-list text, the extreme-value search and
// the text of one cell.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

inline constexpr int Table_Title_Size = 100;
inline constexpr int Table_Unit_Size = 75;
inline constexpr int Table_Type_Size = 45;

// One column of a result table. Its type names the kind: "TXT" texts, "CHAR" one character per row,
// "GEW" reinforcement groups, "ZZ" row numbers; any other type is a numeric column, whose type text
// is its third heading ("TXT" and "GEW" give the characters after their first four). A column whose
// title begins with "=" shares the title of the column before it.
struct Table_Column {
    char title[Table_Title_Size];
    char unit[Table_Unit_Size];     // under the title; a unit holding "cm╬/2" shows values within 1e-8 of 0 as "-"
    char type[Table_Type_Size];
    std::int32_t width;             // cell width in characters; texts lie max(width, decimals) bytes apart
    std::int32_t decimals;          // decimals of a numeric column; first row number of "ZZ" when above 1
    const void* values;             // doubles, texts of fixed stride, characters or Reinforcement_Group records
    std::int32_t stride;            // above 0: bytes between numeric values, else contiguous doubles
    double factor;                  // multiplies every numeric value shown
    std::int32_t first_mark;        // extreme marked "╬u": 0 max, 1 min, 2 largest, 3 smallest magnitude,
    std::int32_t second_mark;       //   -1 min, -2 smallest magnitude; any other value marks nothing
    std::int32_t legend_key;        // the legend entry whose name the cells carry (0: none)
    std::int32_t sum;               // nonzero: summed in a sum row
    const int* row_rules;           // a row whose entry is nonzero is followed by a rule
    std::int32_t tab;               // nonzero: the column begins at a tab position
};
static_assert(std::is_trivially_copyable_v<Table_Column>, "columns are copied and allocated as plain records");

inline constexpr Table_Column Default_Table_Column = {
    "", "Nr", "ZZ", 4, 0, nullptr, -1, 1.0, 0, 0, 0, 0, nullptr, 1,
};

// A reinforcement group of a "GEW" column: count bars of the diameter (index into
// Bar_Diameter_Table), in bundles of bundle_size when that is 2 or more. A count of 0 shows an
// empty cell, a negative count "---".
struct Reinforcement_Group {
    std::int32_t count;
    std::int32_t diameter_index;
    std::int32_t bundle_size;
};

// Marker values of numeric columns: shown as texts, left out of every sum; ±1e100 take part in the
// extreme-value search, the others not.
inline constexpr double Marker_Minus_Infinity = -1e100;   // "-∞ "
inline constexpr double Marker_Infinity = 1e100;          // " ∞ "
inline constexpr double Marker_Not_Determined = 2e100;    // "n.e."; a column holding it sums to "n.e."
inline constexpr double Marker_Automatic = 3e100;         // "auto"
inline constexpr double Marker_Dashes = -2e100;           // "---"
inline constexpr double Marker_Blank = -3e100;            // three blanks

// A text field of the column record, bounded by its size whether or not it is terminated.
template <std::size_t N>
std::string Column_Field(const char (&text)[N]) {
    return std::string(text, strnlen(text, N));
}

enum class Column_Kind { Text, Character, Reinforcement, Row_Number, Numeric };
Column_Kind Table_Column_Kind(const Table_Column& column);

// 0 for "TXT", "CHAR", "GEW" and "ZZ", 1 for numeric columns (and 0 for no column).
int OLI_Column_Type_Code(const Table_Column* column);

// The characters a print-list text shows (MT_String_Length), less 0.2 for every character of
// lowered or raised text ("╬\" or "╬/" up to "╬r"), truncated to a whole number.
int OLI_Display_Width(const char* text);

// Index of the maximum (kind 0), minimum (1), largest (2) or smallest magnitude (3) among the
// values whose valid flag is set (null: all), the first of equal values winning; the markers
// ±2e100 and ±3e100 take no part. -1 when there is none or the kind is unknown.
int OLI_Find_Extreme(int kind, int count, const double* values, const unsigned char* valid);

// The value a numeric cell shows: value x factor, a marker as it stands. False when the column has
// no values.
bool Table_Cell_Value(const Table_Column& column, int row, double& value);
// The text of a marker value; null for any other value.
const char* Table_Marker_Text(double value);

// The third heading of a column.
std::string Table_Third_Heading(const Table_Column& column);

// A cell's text before it is fitted to the column, and how it is fitted.
enum class Cell_Align { Left, Centre, Right };
struct Cell_Content {
    std::string text;
    Cell_Align align;
};
Cell_Content Table_Cell_Content(const Table_Column& column, int row);
// The content fitted to the width (display characters) after one blank, emphasised as the mark
// says: 1 " ╬u...╬r" (the marked extreme), 2 " ╬b...╬r" (the second marking), else " ...".
std::string Fit_Table_Cell(const Cell_Content& content, int width, int mark);
// The text is padded with blanks to the width in display characters as the alignment says.
std::string Pad_To_Width(const std::string& text, int width, Cell_Align align);

// One cell: content and fit together.
std::string OLI_Format_Table_Cell(const Table_Column& column, int row, int width, int mark);
