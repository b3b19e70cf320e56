// Titles of standards, the literature list, the edition switches that date them and the program's
// version file.
#pragma once

// Numbers of the standards (NAD_Norm_Id) shared by the titles and the literature entries.
inline constexpr int NAD_Norm_Count = 36;  // ids 0 to 35

// Most lines a literature entry has, and the size of each line buffer (terminator included).
inline constexpr int NAD_Literature_Max_Lines = 6;
inline constexpr int NAD_Literature_Line_Size = 110;

// The title of a standard in its long or short form, with or without the date of its edition; empty
// for an id without a title. The text lives in a static buffer that the next call overwrites.
const char* NAD_Get_Norm_Title(int id, int with_date, int short_form);

// Fills lines (room for NAD_Literature_Max_Lines pointers) with the lines of the standard's
// literature entry: the lines of every annex, then those of the German annex while the active annex
// is "Deutschland". Lines that begin with two blanks continue the line before. An id outside the
// table gives one empty line. The lines live in static buffers that the next call overwrites.
// Result: the number of lines.
int NAD_Get_Literature_Lines(int id, const char** lines);

// Edition switch of the German concrete standards: 1 (built in) DIN 1045-1 of July 2001 and the DIN
// reports of 2003; 0 the editions of 2008 and 2009.
void NAD_Set_DIN_Edition(int value);
int NAD_Get_DIN_Edition();

// A pointer value that the library stores for its user.
void NAD_Set_User_Datum(void* datum);
void* NAD_Get_User_Datum();

// The version text of the program folder under the host's program directory (EXEC): the first
// line of its file VERSION without the line end (at most 255 characters). Each "<" in a later
// line puts the two characters behind it over the last two characters of the text; the last such
// place wins. Null when EXEC is not set or the file cannot be read. The text is overwritten by
// the next call.
const char* Read_Version_File(const char* program_folder);

// Code edition of the rules: 0 the EN 1993 parts of 2005 (German editions 2010), 1 those of
// 2022/2024 (German editions 2025).
void NAD_Set_Code_Edition(int edition);
int NAD_Get_Code_Edition();
