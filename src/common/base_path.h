// The base path of a position's files and the position file.
//
// The component id that the host passes is the path prefix of every data file of the position; a
// suffix (such as "_01.INP") completes a name. Joined names are limited to 260 characters, and every
// operation that joins refuses a longer name before it touches the file system.
#pragma once

#include <cstddef>
#include <cstdio>

inline constexpr std::size_t Base_Path_Limit = 260;

struct Position_Info_Record {
    char number[7];   // position number, at most 6 characters
    char title[51];   // position title, at most 50 characters
};
extern Position_Info_Record Position_Info;

const char* Set_Base_Path(const char* id);
const char* Get_Base_Path();
const char* Get_Base_Directory();

char* Build_Base_File_Name(char* buffer, const char* suffix, std::size_t size);
const char* Get_Base_File_Name(const char* suffix);
FILE* Open_Base_File(const char* suffix, const char* mode);
int Base_File_Exists(const char* suffix);
int Remove_Base_File(const char* suffix);
int Copy_Base_File(const char* from_suffix, const char* to_suffix, int flag);
int Rename_Base_File(const char* from_suffix, const char* to_suffix);
int Remove_Base_Files_Matching(const char* pattern_suffix);

// Temporary files in the host's TEMP folder; buffer holds at least 261 bytes.
char* Make_Temp_File_Name(char* buffer);
FILE* Open_Temp_File(const char* mode);
int Close_Temp_File(FILE* stream);

// Number lists: on one line (at most 199 characters) or across lines.
int Read_Double_Line(FILE* stream, double* values, int n);
int Read_Int_Line(FILE* stream, int* values, int n);
int Read_Double_Values(FILE* stream, double* values, int n);
int Read_Int_Values(FILE* stream, int* values, int n);

// Position file: 0 when number and title were read, 1 otherwise (missing file, short file).
int Read_Position_Info(const char* path);
int Read_Position_File(const char* id);
