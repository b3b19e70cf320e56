// A plate of a connection: its material with thickness, width and length, the check of its
// dimensions, its file block and the report lines of the input protocols. Lengths in mm.
#pragma once

#include <cstdio>

#include "frame/steel_grades.h"

struct Plate {
    Plate_Material material;
    double t;   // thickness
    double b;   // width; the diameter of a round bar
    double l;   // length
};

// Which dimensions a plate has and which lines its report prints.
enum Plate_Option : int {
    Plate_Option_Material = 0x001,    // check or print the material
    Plate_Option_Beta_W = 0x002,      // print β_w (material lines)
    Plate_Option_E = 0x004,           // print E (material lines)
    Plate_Option_Length = 0x010,      // the plate has a length l
    Plate_Option_Width = 0x020,       // the plate has a width b
    Plate_Option_Thickness = 0x040,   // the plate has a thickness t
    Plate_Option_Alpha_T = 0x080,     // print α_T (material lines)
    Plate_Option_Round_Bar = 0x100,   // b is the diameter, l is set to b
    Plate_Option_Concrete = 0x200,    // print the concrete grade instead of a steel material
};

// Result: 0 for a null plate, else 1.
int Init_Plate(Plate* plate);
// Resets the target and copies the source into it; nothing for a null target. Result as Init_Plate.
int Copy_Plate(const Plate* source, Plate* target);
// 1 when t, b and l agree within 0.01 and the materials compare equal.
int Compare_Plate(const Plate* a, const Plate* b);

// Checks the dimensions that the option bits name and derives the material for the thickness. Every
// error is reported (report line with a stream, message box with messages). Result: 0, or 1 when an
// error was found.
int Check_Plate(Plate* plate, FILE* stream, int messages, int options, const char* name);

// A plate thicker than 80 mm needs own steel values: 0 for own values or t ≤ 80.1 mm (t above 80
// is set to 80); otherwise own values are switched on, with messages after a message box, and 1.
int Check_Plate_Thickness_Limit(Plate* plate, const char* name, int messages);

// File block, version 0, followed by the material block. Result: 0 written or read, 1 failed.
int Write_Plate(FILE* stream, const Plate* plate);
int Read_Plate(FILE* stream, Plate* plate);

// Report lines. The index is the subscript after each symbol ("1" for plate 1); extra is the print
// settings' "zusätzliche Informationen". Nothing for a null record or stream.
void Print_Plate(const Plate* plate, FILE* stream, int options, int extra, const char* index);
void Print_Plate_Material(const Plate_Material* material, FILE* stream, int options, int extra, const char* index);
void Print_Material_Parameters(const Plate_Material* material, FILE* stream, int options, int extra,
                               const char* index);
void Print_Concrete_Parameters(const Plate_Material* material, FILE* stream, int extra);
