// The tables of the EN 1990 editor page as they stand in its pictures: each table has a title line,
// a head line with its column symbols and one line per action type shown (two for a label that
// continues on a second line). The picture generator draws the tables from this layout and the
// page puts one field over every value cell, so picture and fields agree by construction.
#pragma once

#include <string>

inline constexpr int NAD_EC0_Picture_Width = 376;
inline constexpr int NAD_EC0_Title_Height = 18;
inline constexpr int NAD_EC0_Head_Height = 16;
inline constexpr int NAD_EC0_Line_Height = 16;
inline constexpr int NAD_EC0_Table_Gap = 6;   // below each table of a picture
inline constexpr int NAD_EC0_Value_X = 186;   // first value column; the labels stand left of it
inline constexpr int NAD_EC0_Column_Pitch = 47;   // a field of "%5.2f" with its frame

// The tables: four partial-factor tables and the combination factors for buildings; four
// partial-factor tables and the road, footbridge and railway combination factors for bridges.
enum NAD_EC0_Table {
    NAD_EC0_Building_Gamma_0, NAD_EC0_Building_Gamma_1, NAD_EC0_Building_Gamma_2, NAD_EC0_Building_Gamma_3,
    NAD_EC0_Building_Psi,
    NAD_EC0_Bridge_Gamma_0, NAD_EC0_Bridge_Gamma_1, NAD_EC0_Bridge_Gamma_2, NAD_EC0_Bridge_Gamma_3,
    NAD_EC0_Road_Psi, NAD_EC0_Foot_Psi, NAD_EC0_Rail_Psi,
    NAD_EC0_Table_Count
};

// The picture file a table stands in (the building tables share one picture).
const char* NAD_EC0_Table_File(int table);
// Its title (screen text, CP437).
const char* NAD_EC0_Table_Title(int table);
// Value columns: 2 (γF,sup, γF,inf), 3 (ψ0, ψ1, ψ2) or 4 (with ψ2 of the earthquake situation).
int NAD_EC0_Table_Columns(int table);
// Rows shown, and the block row of the k-th shown row.
int NAD_EC0_Table_Rows(int table);
int NAD_EC0_Table_Source_Row(int table, int k);
// The label of the k-th row as the screen shows it, and its continuation line (null for none).
std::string NAD_EC0_Table_Label(int table, int k);
const char* NAD_EC0_Table_Continuation(int table, int k);
// Top of the table in its picture, top of its k-th row in the picture, and the picture's height.
int NAD_EC0_Table_Top(int table);
int NAD_EC0_Row_Top(int table, int k);
int NAD_EC0_Table_Height(int table);
int NAD_EC0_Picture_Height(const char* file);
