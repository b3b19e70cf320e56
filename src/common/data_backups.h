// Backups of a program's data file: a temporary backup ("%s%s.bak"), a calculation backup
// ("%s%s.clcbak") and a comparison file ("%s%s.cmp") beside the data file, the test whether the
// current data differ from any of them, and copies of files. The program reads and writes its data
// through two callbacks; the recovery question after an irregular end is gui/backup_recovery.h.
//
// A switch, on from process start, covers the writing, comparing and removing operations: while it
// is off they give 1, Open_Temp_Backup gives null and the removals do nothing. The others ignore it.
// A name of more than 287 characters is not kept: every operation on it fails (1, null or 0) and
// removes nothing.
//
// A file is written beside its place (its name with ".tmp" appended) and takes that place only when
// the writer gave 0 and the file closed cleanly, so that a failing writer leaves the old file as it
// was. Whoever opens a stream closes it; the callbacks never close the stream they are given.
#pragma once

#include <cstdio>

// Reads (or writes) the program's data from (or to) the stream; 0 when done.
using Data_Callback = int (*)(FILE* stream);

inline constexpr int Backup_Name_Limit = 287;

// Keeps both callbacks and names the backups after base + extension; the data file and the second
// file are kept when given (a null one is not named).
void Set_Backup_Names(Data_Callback reader, Data_Callback writer, const char* base, const char* extension,
                      const char* data_file, const char* second_file);
// The same with the data file base + data suffix and the second file base + second suffix.
void Set_Backup_Names_With_Files(Data_Callback reader, Data_Callback writer, const char* base,
                                 const char* extension, const char* data_suffix, const char* second_suffix);
void Switch_Backups_Off();   // nothing switches them on again
int Backups_Switched_On();
Data_Callback Get_Backup_Reader();

int Temp_Backup_Exists();   // 1 when the temporary backup exists

// The current data through the writer: the writer's 0, else 1 (also without a writer).
int Write_Data_To_File(const char* path);
int Write_Temp_Backup();
int Write_Clc_Backup();

// The temporary backup opened for reading; null when it is missing. The caller closes it.
FILE* Open_Temp_Backup();
// An existing file opened for reading, handed to the reader and closed again: the reader's result,
// 1 when the file is missing or cannot be opened.
int Read_Data_From_File(Data_Callback reader, const char* path);
int Read_Temp_Backup(Data_Callback reader);
int Read_Clc_Backup(Data_Callback reader);

// 0 when both files open and hold the same bytes to their ends, else 1.
int Files_Differ(const char* path_a, const char* path_b);
// Writes the current data into the comparison file and compares it with the file: 0 equal, 1
// different or failed.
int Data_Differs_From_File(const char* path);
int Data_Differs_From_Temp_Backup();
int Data_Differs_From_Data_File();
// 1 when the second file is named but missing; otherwise against the calculation backup.
int Data_Differs_From_Clc_Backup();

// Remove the temporary backup, the calculation backup, or both and the comparison file; 0.
int Remove_Temp_Backup();
int Remove_Clc_Backup();
int Remove_All_Backups();

int Path_Exists(const char* path);   // 1 when the file exists
// Joins both suffixes to the base path, keeps both names and copies the source to the target as
// Copy_File does: 0 copied, 1 not (also when either name exceeds the base path's limit).
int Copy_Base_Data_File(const char* target_suffix, const char* source_suffix);
