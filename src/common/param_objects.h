// Parameter objects of the host's exchange files: a header that names an object (type, number, ID,
// name, free comment) and three value arrays (ints, doubles, texts), with their text form.
//
// Header line: "0x%x %d «name» %d %d\n" (type in hexadecimal, number, name, ID, 1 when a comment
// follows); a comment follows as a text block and the line "#EOC".
// Arrays: "%d %d %d\n" with the int, double and text counts; a line of " %d" per int; a line of
// " %.6e" per double; one line «text» per text.
//
// Both records own their heap parts (tracked allocation). Names and texts are read whole, however
// long; an empty name or text («») reads back as absent (null). A name or text holding » or a line
// end would not read back and is refused by the writers.
#pragma once

#include <cstdio>

struct VEK_Param_Header {
    int type = 0;
    int number = 0;
    int id = 0;
    char* name = nullptr;      // heap text or null
    char* comment = nullptr;   // heap text or null, any number of lines
};

struct VEK_Param_Arrays {
    int int_count = 0;         // never negative
    int double_count = 0;
    int text_count = 0;
    int* ints = nullptr;       // null while the count is 0
    double* doubles = nullptr;
    char** texts = nullptr;    // each entry a heap text or null
};

// The text handed out for a text that does not exist.
extern const char* const Param_Empty_Text;

// Header ------------------------------------------------------------------------------------------

// All fields zero, without releasing anything. 1, 0 for null.
int Init_VEK_Param_Header(VEK_Param_Header* header);
// Sets the three numbers and replaces the name by a copy (null: no name). 1, or 0 when the copy fails
// or the header is null.
int Set_VEK_Param_Header(int type, int number, int id, const char* name, VEK_Param_Header* header);
// The header takes the heap text over (no copy) and releases its old comment. 1, 0 for null.
int Set_VEK_Param_Comment(char* text, VEK_Param_Header* header);
// Releases name and comment (the fields become null).
void Free_VEK_Param_Header(VEK_Param_Header* header);
// The header line and, with a comment, its text block and "#EOC". 1 written; 0 for a missing
// argument, a write error, or a name or comment that would not read back (nothing written).
int Write_VEK_Param_Header(FILE* stream, const VEK_Param_Header* header);
// Releases and clears the header, then reads it. The type may stand in hexadecimal (0x…) or decimal;
// a line without ID and flags gives 0 for both. 1 read; 0 failed (a missing number, a comment block
// that cannot be read, a missing "#EOC").
int Read_VEK_Param_Header(FILE* stream, VEK_Param_Header* header);

// Arrays ------------------------------------------------------------------------------------------

// All fields zero, without releasing anything. 1, 0 for null.
int Init_VEK_Param_Arrays(VEK_Param_Arrays* arrays);
// Negative counts count as 0. Each array whose count changes is resized (new entries 0 or null,
// texts beyond a smaller count released first); a count of 0 releases its array. 1, or 0 when memory
// runs out (the arrays keep their state before the failed step).
int Resize_VEK_Param_Arrays(VEK_Param_Arrays* arrays, int ints, int doubles, int texts);
// Releases the three arrays and every text and zeroes the record.
void Free_VEK_Param_Arrays(VEK_Param_Arrays* arrays);
// Every int and double 0, every text released (null); the counts stay.
void Clear_VEK_Param_Arrays(VEK_Param_Arrays* arrays);
// The target takes the source's counts, values and copies of its texts; a null source empties it.
// 1, 0 when memory runs out.
int Copy_VEK_Param_Arrays(VEK_Param_Arrays* target, const VEK_Param_Arrays* source);
// 1 when an int or a double is not 0 or a text entry is present; else 0.
int Param_Arrays_Have_Values(const VEK_Param_Arrays* arrays);
// 1 written; 0 for a missing argument, a write error or a text that would not read back (nothing
// written then).
int Write_VEK_Param_Arrays(FILE* stream, const VEK_Param_Arrays* arrays);
// Releases the arrays, then reads the three counts (a count whose caller value is negative is not
// read and counts as 0). With flags bit 0 the arrays are sized by the counts read, otherwise by the
// caller's counts; all values the file holds are read and those that fit are kept. A count that is
// negative or promises more values than the stream has bytes left fails before anything is
// allocated. 1 read; 0 failed (the record may be partly filled; release it).
int Read_VEK_Param_Arrays(FILE* stream, int ints, int doubles, int texts, VEK_Param_Arrays* arrays, int flags);
// Copies the first min(count, n) values of each kind to its target and fills the rest of the n
// places from the defaults, or with 0 and Param_Empty_Text without defaults; a null target skips its
// kind. Texts are the stored pointers (an absent one as Param_Empty_Text). 1, 0 for null arrays.
int Get_VEK_Param_Arrays(const VEK_Param_Arrays* arrays, int* int_target, const int* int_defaults, int n_ints,
                         double* double_target, const double* double_defaults, int n_doubles,
                         const char** text_target, const char* const* text_defaults, int n_texts);
// For each kind, element i goes from source position (source index i, or i) to array position
// (target index i, or i); a negative index skips the element, a null source skips the kind. Each
// array first grows to cover the largest target position (it never shrinks); texts are copied and
// the replaced ones released. 1, 0 when memory runs out or for null arrays.
int Set_VEK_Param_Arrays(VEK_Param_Arrays* arrays, const int* int_source, const int* int_source_index, int n_ints,
                         const int* int_target_index, const double* double_source, const int* double_source_index,
                         int n_doubles, const int* double_target_index, const char* const* text_source,
                         const int* text_source_index, int n_texts, const int* text_target_index);
// ints[i], 0 outside; doubles[i], 0 outside; texts[i] (null for an absent entry), Param_Empty_Text
// outside the array.
int Get_VEK_Param_Int(const VEK_Param_Arrays* arrays, int i);
double Get_VEK_Param_Double(const VEK_Param_Arrays* arrays, int i);
const char* Get_VEK_Param_Text(const VEK_Param_Arrays* arrays, int i);

// A name or text that a «» field carries back unchanged: no » and no line end. A null text passes.
bool Param_Text_Is_Writable(const char* text);
// A heap copy of the text, null for null or an empty text; sets failed when memory runs out.
char* Param_Text_Copy(const char* text, bool& failed);
