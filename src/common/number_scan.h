// Scanning the numbers of the program's text files. The C library's scanners take an int that is too
// large for its type modulo 2^32 ("4294967297" reads as 1), so a damaged version, count or index
// could pass as a valid one. These two scanners take the formats of fscanf and sscanf and behave
// alike, except that a "%d" or "%i" whose number lies beyond the range of int is refused as a
// conversion that failed: the result counts only the values before it, and the stream stands behind
// the digits that were read.
#pragma once

#include <cstdio>

// fscanf with ints that never wrap. Result: the number of values assigned; EOF when the input ends
// before the first conversion.
int Scan_Stream(FILE* stream, const char* format, ...) __attribute__((format(scanf, 2, 3)));

// sscanf with ints that never wrap; "%n" counts the characters consumed from the start of the text.
int Scan_Text(const char* text, const char* format, ...) __attribute__((format(scanf, 2, 3)));
