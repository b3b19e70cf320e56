// Pictures in the print list: the picture command "75" of a graphic block, naming a picture file or
// carrying it as a hex dump, and the picture description with its query through the host's picture
// tool.
#pragma once

#include <cstdint>
#include <cstdio>

inline constexpr std::uint32_t Picture_Embedded = 0x1000;   // the file follows as a hex dump

struct Picture_Options {
    std::uint32_t flags;      // 0x0030: the integer is written; 0x0001: the first two values; 0x000E: the last two
    std::int32_t integer;
    double values[4];
};
inline constexpr Picture_Options Default_Picture_Options = {0, 300, {1.0, 1.0, 10.0, 10.0}};

// "75 flags first second [integer] [values] «name»": the name is the path, or with
// Picture_Embedded only the file name's extension (from its last ".", empty without one), and the
// file follows as "{", two lowercase hex digits a byte with a line feed after every 64 bytes, "}".
// Options null: the defaults. Returns 0; -1 before anything is written for a null stream or path
// and for a path holding «, », CR or LF (it could not be read back); -1 after the command line for
// an embedded picture that is not a regular file or cannot be opened, and after closing the dump
// for a read error.
int OLI_Write_Picture(FILE* stream, double first, double second, const char* path, const Picture_Options* options);

// The description of a picture file, in text form:
//   OLI_GRAPHIC_Picture_Info
//   «name»
//   <integer 1> <integer 2>
//   <integer 3>
//   <value 1> <value 2>        ("%.4f")
struct OLI_GRAPHIC_Picture_Info {
    char name[20];            // at most 19 characters
    std::int32_t integers[3];
    double values[2];
};
inline constexpr OLI_GRAPHIC_Picture_Info Default_Picture_Info = {"???", {0, 0, 300}, {0.0, 0.0}};

// Nonzero when written (a null info: the default); 0 for a null stream, a failed write or a name
// holding «, », CR or LF.
int OLI_Write_Picture_Info(FILE* stream, const OLI_GRAPHIC_Picture_Info* info);
// Fills the default, then reads; nonzero when the whole description was read, else 0 with the
// fields read so far.
int OLI_Read_Picture_Info(FILE* file, OLI_GRAPHIC_Picture_Info* info);
// Runs the host's picture tool EXEC/ncvtinfo.exe (picture path, result file) and reads its result
// file, a temporary file that is removed on every path. 1 when the description was read; 0
// without a path, EXEC, a temporary name, or when the tool cannot start or ends with a nonzero code.
int OLI_Query_Picture_Info(const char* path, OLI_GRAPHIC_Picture_Info* info);
