// File access shared by the readers and writers of the National Annex library: the folders of the
// annex files, an owning file handle, a bounded word reader and the guard on partial factors read
// from a file.
#pragma once

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

struct NAD_File_Closer {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};
// An open file that is closed when the handle goes out of scope.
using NAD_File = std::unique_ptr<FILE, NAD_File_Closer>;

NAD_File NAD_Open(const std::string& path, const char* mode);

// The folder that the host variable names (DATA, DRAM, EXEC) joined with the relative path by '/';
// empty when the variable is not set or empty.
std::string NAD_Host_Path(const char* variable, const std::string& relative);

// Reads the next word (a run of characters that are not white space) after white space. A word
// longer than limit characters keeps its first limit characters; the rest of it is read and dropped.
// Result: 1 when a word was read, 0 at the end of the file.
int NAD_Read_Word(FILE* stream, std::string& word, std::size_t limit = 1000);

// Smallest partial factor that an annex file may set. A smaller value, a negative one or one that is
// not a number would make the resistances divided by it meaningless (0 divides by zero), so the
// reader keeps the value the field held before, its built-in default.
inline constexpr double NAD_Min_Partial_Factor = 0.001;

inline void NAD_Keep_Valid_Factor(double& factor, double fallback) {
    if (!(std::isfinite(factor) && factor >= NAD_Min_Partial_Factor)) factor = fallback;
}

// Block comparisons take two values as equal within this tolerance.
inline constexpr double NAD_Compare_Tolerance = 0.0001;

inline bool NAD_Differ(double a, double b) { return std::fabs(a - b) > NAD_Compare_Tolerance; }

// Copies every field of a block or record but its version, which tells the form it was read in.
// Nothing for a null argument.
template <typename Block>
void NAD_Copy_Except_Version(Block* target, const Block* source) {
    if (!target || !source) return;
    const int version = target->version;
    *target = *source;
    target->version = version;
}
