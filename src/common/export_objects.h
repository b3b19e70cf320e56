// Export objects of the host's exchange file: a parameter object (header and value arrays) with an
// optional payload of a registered kind and an optional comment, kept in numbered blocks.
//
// An object is written as: an empty line; the header (with its comment block and "#EOC"); the kind
// line "%d\n" (the payload kind, 0 without one, plus Export_Comment_Flag when an object comment
// follows); the arrays; with an object comment its text block and "#DXP_OBJECT_EOC"; the payload as
// its kind writes it; and, for a kind other than 0, an empty line and "#DXP_OBJECT_EOD". A block
// begins with an empty line and its key line and ends with its end object (type 1, number = the
// block, ID -1, name "End_Of_VEKExportBlock").
#pragma once

#include <cstdio>

#include "common/param_objects.h"
#include "common/pointer_array.h"

struct VEK_Export_Object;

// The operations of one payload kind.
struct VEK_Export_Ops {
    int kind;
    void* (*create)(VEK_Export_Object* object);
    void (*free)(void* payload, const VEK_Export_Ops* ops);
    void* (*read)(FILE* stream, VEK_Export_Object* object);
    int (*write)(FILE* stream, const void* payload, const VEK_Export_Ops* ops);
};

struct VEK_Export_Object {
    VEK_Param_Header header;
    VEK_Param_Arrays arrays;
    const VEK_Export_Ops* ops = nullptr;   // none: the payload (if any) is the caller's
    void* payload = nullptr;
    char* comment = nullptr;               // heap text or null
};

// Kind 1, the parameter payload: a flags word (bit 0: arrays present) and value arrays.
inline constexpr int Param_Payload_Kind = 1;
struct Param_Payload {
    int flags = 0;
    VEK_Param_Arrays arrays;
};
extern const VEK_Export_Ops Param_Payload_Ops;

// Added to the kind line when an object comment follows.
inline constexpr int Export_Comment_Flag = 0x10000000;

// Object types with a fixed meaning.
inline constexpr int Export_End_Type = 1;
inline constexpr int Export_Header_Type = 2;

enum VEK_Export_Block { Export_Block_Header = 1, Export_Block_Checks = 2, Export_Block_Objects = 3, Export_Block_Param = 4 };

// The payload record of a type 3 object: five ints, eight doubles and a text.
struct Object_Payload_Record {
    int ints[5] = {};
    double doubles[8] = {};
    const char* text = nullptr;
};

// Objects -----------------------------------------------------------------------------------------

// Kind 1 attaches the parameter operations, with the given payload or a new one; any other kind has
// no operations and the given payload stays the caller's. The name is copied. Null when memory runs
// out.
VEK_Export_Object* New_VEK_Export_Object(int type, int number, int id, const char* name, int kind, void* payload);
// Releases the payload through its operations (when there are any), header, arrays, comment and
// the object.
void Free_VEK_Export_Object(VEK_Export_Object* object);
// Replaces the object comment by a copy; an empty or null text removes it. 1, 0 for a null object or
// when the copy fails.
int Set_VEK_Export_Comment(VEK_Export_Object* object, const char* text);
const char* Get_VEK_Export_Comment(const VEK_Export_Object* object);
// 1 written; 0 failed, for a missing argument or a text that would not read back (nothing written).
int Write_VEK_Export_Object(FILE* stream, const VEK_Export_Object* object);
// Reads one object. A kind this reader does not know is passed over up to its "#DXP_OBJECT_EOD".
// A header, kind line, arrays or comment that cannot be read releases everything and gives null.
VEK_Export_Object* Read_VEK_Export_Object(FILE* stream);

// The header object: type 2, number 1, ID 0, name "VEKExportObject_Header", the ints 1, the
// application number and the object id, and copies of the six names of the host's current object.
VEK_Export_Object* Make_VEK_Export_Header();
// Writes the given object, or a fresh header object when none is given. 1 or 0.
int Write_VEK_Export_Header(FILE* stream, const VEK_Export_Object* object);
// An object accepted only with type 2 and arrays of 3 ints, 0 doubles and 6 texts; else null.
VEK_Export_Object* Read_VEK_Export_Header(FILE* stream);

// The key line of a block ("#DXP_??????" for an unknown number). 1 or 0.
const char* VEK_Export_Block_Key(int block);
int Write_VEK_Export_Block_Key(FILE* stream, int block);
// 1 when the block's key line was found (from the start when rewind is set), else 0.
int Seek_VEK_Export_Block(FILE* stream, int block, int rewind);
// Writes the end object of the block. 1 or 0.
int Write_VEK_Export_Block_End(FILE* stream, int block);

// The first object of the list whose ID is key[0] and whose type is key[1]; when none matches, a line
// on standard output says so. Lookup_VEK_Export_Object searches silently.
VEK_Export_Object* Find_VEKExportParam_Obj(const int* key, const Pointer_Array* objects);
VEK_Export_Object* Lookup_VEK_Export_Object(int type, int id, const Pointer_Array* objects);

// Origin and three axis vectors (twelve doubles), from the defaults (origin 0, unit axes) and the
// object's doubles: type 3 origin 1-3 and, with mode 2, the angle 13 about the first axis, otherwise
// the axes 4-12 (mode 1 turning them by the angle 13); type 4 doubles 0-11; other types the defaults.
// Transpose 1 transposes the axis matrix at the end. 1; 0 for a null object or target, or when the
// object holds too few doubles (the target then keeps the defaults).
int Get_Object_Local_Axes(const VEK_Export_Object* object, double* axes, int mode, int transpose);
// 1 when the object has a payload, else 0. The record is zeroed and, for a type 3 object with a
// parameter payload whose flag bit 0 is set, filled from its ints 0-4, doubles 0-7 and text 0 (the
// stored text); values the payload lacks stay zero.
int Get_Object_Payload_Record(const VEK_Export_Object* object, Object_Payload_Record* record);
// For a type 3 object with a parameter payload: stores the record and sets flag bit 0; a null record
// clears the bit and stores zeros and no text. 1, or 0 otherwise or when memory runs out.
int Set_Object_Payload_Record(VEK_Export_Object* object, const Object_Payload_Record* record);
// The object's own array value i when it has a payload and the type; else 0, 0 or Param_Empty_Text.
int Get_Typed_Object_Int(const VEK_Export_Object* object, int type, int i);
double Get_Typed_Object_Double(const VEK_Export_Object* object, int type, int i);
const char* Get_Typed_Object_Text(const VEK_Export_Object* object, int type, int i);
// Int 2 of the object's arrays for types 3 and 4 (0 when it holds fewer than three ints), else 0.
int Get_Object_Third_Int(const VEK_Export_Object* object);

// Parameter payload ---------------------------------------------------------------------------------

// Flags 0 and empty arrays; null for a null object or exhausted memory.
void* Create_Param_Payload(VEK_Export_Object* object);
void Free_Param_Payload(void* payload);
// " %d" flags and, with bit 0, the arrays sized by the file; null when they cannot be read.
void* Read_Param_Payload(FILE* stream, VEK_Export_Object* object);
// "%d\n" with the flags and, with bit 0, the arrays. 1 or 0.
int Write_Param_Payload(FILE* stream, const void* payload);
