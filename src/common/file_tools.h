// File tools of the tools library: a text replacement in a file, the time of last modification
// and an existence test.
#pragma once

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

// A stream that closes itself.
struct File_Closer {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File_Handle = std::unique_ptr<FILE, File_Closer>;

// Replaces every occurrence of the pattern in each line of the file by the replacement and
// returns the number of replacements; -1 when an argument is missing, the pattern is empty, the
// file cannot be read or its new version cannot be written. The new text is written beside the
// file (its name with ".tmp" appended) and then takes the file's place in one step, so that a
// failure leaves the old file as it was.
int Replace_In_File(const char* path, const char* pattern, const char* replacement);

// Writes a file through the writer beside it (its name with ".tmp" appended) and lets that take the
// file's place only when the writer gave 0 and the new file was closed cleanly; otherwise the new
// file is removed and the old one stays as it was. 0 when the file was replaced, else 1.
int Write_File_Replacing(const char* path, const std::function<int(FILE*)>& writer);

// Byte-for-byte copy of the source to the target, written as Write_File_Replacing writes. The source
// is opened first, so a missing source leaves the target untouched; a file copied onto itself is
// left alone. 0 when copied (or the same file), 1 when the source cannot be read or the target
// cannot be written.
int Copy_File(const char* target, const char* source);

// The file's time of last modification in seconds of calendar time; -1 when it cannot be
// examined.
std::time_t Get_File_Time(const char* path);

// 1 when the file can be examined, else 0.
int File_Exists(const char* path);

// 1 when the name can name a file on the host, else 0: "." and ".." are refused, and so is every
// name holding \ / : * ? " < > or |; with message set the reason is shown in a message box. An
// empty name is acceptable; a null name is not.
int Check_File_Name(const char* name, int message);
