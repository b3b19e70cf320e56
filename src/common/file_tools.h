// File tools of the tools library: a text replacement in a file, the time of last modification
// and an existence test.
#pragma once

#include <ctime>

// Replaces every occurrence of the pattern in each line of the file by the replacement and
// returns the number of replacements; -1 when an argument is missing, the pattern is empty, the
// file cannot be read or its new version cannot be written. The new text is written beside the
// file (its name with ".tmp" appended) and then takes the file's place in one step, so that a
// failure leaves the old file as it was.
int Replace_In_File(const char* path, const char* pattern, const char* replacement);

// The file's time of last modification in seconds of calendar time; -1 when it cannot be
// examined.
std::time_t Get_File_Time(const char* path);

// 1 when the file can be examined, else 0.
int File_Exists(const char* path);
