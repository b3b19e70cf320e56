// Formatted output: the one helper through which the program formats texts and writes them to
// streams. The formatting engine is the C library's printf family, so "%lf", "%.6g" and "0x%x"
// print alike on every path.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>

// Formats and writes to the stream; a null stream formats nothing, writes nothing and gives 0.
// Result: characters written, negative on failure.
int Print_To_Stream(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
int Print_To_Stream_V(FILE* stream, const char* format, va_list args);

// Formats into a new string of any length.
std::string Format_Text(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format_Text_V(const char* format, va_list args);
