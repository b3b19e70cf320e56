// Version texts of the tools library: reading the version word at the end of a version text,
// comparing two version texts, the program's version number from its version file, and the test
// for the sibling cross-section program.
#pragma once

// Reads the last blank-separated word of the text as number, separator, number, separator and a
// suffix of up to four characters ("%d%c%d%c%4s"). The numbers go to first and second (0 when
// missing); the first three suffix characters, zero-filled to four bytes, to suffix ("???" when
// the word has none). Every output is optional.
void Parse_Version_Word(const char* text, int* first, int* second, char* suffix);

// 1 when a is newer than b, -1 when older, else the comparison of the suffixes (-1, 0, 1): the
// second numbers decide first, then the first numbers, then the suffixes.
int Compare_Version_Texts(const char* a, const char* b);

// The second number of the version word in the version file of the program folder; when no
// version text is found the previous result stays (0 at first); a text without a blank gives 0.
int Get_Program_Version_Number(const char* program_folder);

// 1 when the executable of the sibling cross-section program exists in its folder under the
// host's program directory; tested on the first call only.
int Probe_Cross_Section_Program();
