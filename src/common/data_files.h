// Versioned text data files: files that a program of an older or a newer version than their writer
// must still read. The file opens with its data version; every nested structure carries its own
// structure version, and a field introduced "since" a version is read only from a structure of at
// least that version; from an older one the caller's default takes its place and nothing is
// consumed.
//
// Format (text, code page 437):
//   " %lf  # Datenversionsnummer\n"           the data version, first item of the file
//   " %lf # Strukturversionsnummer\n"         a structure's version, before its fields
//   " %c ", " %e ", " %d ", " %s "            fields of the types 'c', 'd', 'i', 's' and 't'
//   "# text\n"                                a comment line
//   " %d " bytes "\n"                         a data block: length (0 to 1048576), then the bytes
// A 't' token holds at most 254 characters, each blank written as the byte 140 and an empty text
// as "!§$%&/()=?". A placeholder stands where no value is at hand: '*', -1.0, 0 or "***". Before
// each item a reader skips comments ('#' to the end of its line) and the separators: every byte
// below '!' except the section and pilcrow signs (0x15, 0x14), which may open a token.
//
// One reader and one writer at a time; their state is static. Readers and writers never close a
// stream: whoever opens one closes it.
#pragma once

#include <cstdio>
#include <span>

inline constexpr int Data_Block_Limit = 1048576;   // bytes of one data block
inline constexpr int Text_Token_Limit = 254;       // characters of one 't' token

// The bytes of a 'd' (double) or 'i' (int) destination, for Read_Data_Field.
template <typename T>
std::span<char> Field_Bytes(T& value) {
    return {reinterpret_cast<char*>(&value), sizeof value};
}

// Reading. Results: 0 read, 1 failed; the version checks add 2 (newer than the program) and -1.

// Keeps the stream, empties the version stack and reads the data version into its bottom slot:
// 1 unreadable, -1 a stored -1, 2 newer than the program (after the notice "Alte Programmversion
// -> kann Daten nicht lesen!" in a message box), else 0.
int Begin_Data_Read(FILE* stream, double program_version);
// Pushes a slot and reads a structure's version into it (the slot stays pushed when the read
// fails, result 1); 2 with the notice above when it is newer than the program's structure version.
int Read_Structure_Version(double program_structure_version);
// Pushes a slot holding the version without reading anything: for a record written before it
// carried a structure version of its own.
void Push_Structure_Version(double version);
// Pops the top structure version; the data version at the bottom is never popped. The stack has
// no depth limit.
void End_Structure_Version();
double Get_Current_Version();
void Set_Current_Version(double value);

// One field of the type into the destination. When the since version is greater than the current
// version the field is not in the file and nothing is read: 'c', 's' and 't' leave an empty text,
// 'd' stores the default and 'i' the default rounded half away from zero. A 't' token is decoded.
// A token longer than the destination is cut and terminated, its rest consumed, and gives 1; so do
// a failed read, a destination too small for the type and a type letter outside the five.
int Read_Data_Field(std::span<char> destination, char type, double since, double default_value);
// Reads a field of the type (with the since test, or at the current version) and drops it.
int Skip_Data_Field(char type, double since);
int Skip_Current_Data_Field(char type);
// A 't' token when the current version less the since version, rounded to 2 decimals, is not
// negative; otherwise the default text (an empty text for a null one). A cut text gives 1.
int Read_Text_Field_Since(std::span<char> destination, double since, const char* default_text);
// An int read as it stands: the value, 1 when the read fails.
int Read_Int_Value();
// The default rounded half away from zero when the since version is greater than the current one,
// else the int read (1 when the read fails).
int Read_Int_Field_Since(double since, double default_value);
// A data block into *text (its old text released first): with the since test of
// Read_Text_Field_Since, the length and exactly that many bytes, zero-terminated; length 0 gives
// null. A length outside 0 to 1048576 gives 1 and null before anything is allocated; a short read
// gives 1 and null. A field not in the file gives a copy of the default text (at most 1048576
// characters), or null.
int Read_Data_Block(char** text, double since, const char* default_text);
// Turns the bytes 140 of a token back into blanks and a single blank into an empty text; the
// length of the text.
int Decode_Text_Token(std::span<char> text);
long Tell_Data_Input();
int Seek_Data_Input(long offset);   // from the start of the file; 0 when done
FILE* Get_Data_Input_Stream();
FILE* Get_Data_Output_Stream();

// Writing: 0 written, 1 on a failed write, a missing stream or value, a type letter outside the
// five, or a value that would not read back, which is then not written at all: a 'c' below '!' or
// '#'; an 's' that is empty, opens with '#' or holds a byte below '!'; a 't' of more than 254
// characters, opening with '#' or holding a byte below '!' other than the blank; a comment that
// holds a line end; a block of more than 1048576 bytes.
int Begin_Data_Write(FILE* stream, double data_version);
int Write_Structure_Version(double version);
int Write_Data_Comment(const char* text);
// The value points at a char ('c'), a double ('d'), an int ('i') or a zero-terminated text ('s',
// 't').
int Write_Data_Field(const void* value, char type);
int Write_Placeholder_Field(char type);
int Write_Data_Line_End();
int Write_Data_Block(const char* text);   // a null text writes a block of length 0
// Turns an empty text into a single blank (when the buffer holds two bytes) and every blank into
// the byte 140; the length of the text.
int Encode_Text_Token(std::span<char> text);
