// The code edition of the rules, the block-version check of the input file and the '~' coding of
// blanks inside stored strings, with small fixed-width text helpers.
#pragma once

#include <cstddef>

// 0 "EC 3 - Ausgabe 2010", 1 "EC 3 - Ausgabe 2025".
enum Code_Edition_Value { Code_Edition_2010 = 0, Code_Edition_2025 = 1 };

// The edition every check, page and report line reads; 0 at process start.
extern int Current_Code_Edition;

void Set_Code_Edition(int edition);

// 1 accept (the block is not newer than the program, or 9999 and above), 0 refuse after the notice
// (silent on the batch road). The import flag chooses the notice for import files.
int Check_File_Version(int file_version, int program_version, int import_flag);

int Encode_Blanks(char* text);
int Decode_Blanks(char* text);
int Trim_Blanks(char* text);
int Remove_All_Blanks(char* text);
void Pad_With_Blanks(char* text, std::size_t size);
void Upcase_Text(char* text);
void Copy_Text_Limited(char* target, const char* source, std::size_t size);
