// Titles of standards, the literature list and the program's version file.
#pragma once

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
