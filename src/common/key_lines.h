// Readers and writers of the conventions that the program's text files share: key lines that open a
// block, names between « and » (bytes 174 and 175), strings between a chosen pair of delimiters, and
// lines read with a fixed bound.
//
// Every line reader takes LF and CR LF alike: a carriage return right before the line feed belongs
// to the line end and never to the text. No reader writes past the sizes stated here, every text
// left in a buffer is terminated, and a null stream or buffer is refused by the result.
#pragma once

#include <cstdio>
#include <string>

// Buffer sizes of the «» readers, terminator included.
inline constexpr int Guillemet_Name_Size = 100;
inline constexpr int Guillemet_Text_Size = 256;

// Longest piece of a line that Find_Key_Line tests at once.
inline constexpr int Key_Line_Piece = 510;
// Longest key that Seek_Key_Line compares.
inline constexpr int Seek_Key_Limit = 100;

// Key lines ---------------------------------------------------------------------------------------

// Rewinds and reads line after line until one begins with the key (an empty key matches the first
// line). A line longer than 510 characters is tested in pieces of 510. When number is given and the
// text after the key holds an int, it is stored there. After a match the stream stands behind the
// key line. Result: 1 found, 0 not found (or a null key or stream).
int Find_Key_Line(const char* key, FILE* stream, int* number);

// Finds the next line whose first characters equal the key (cut to 100 characters); rewinds first
// only when rewind is nonzero, so that successive calls find successive blocks. After a match the
// stream stands at the start of the line after the key line. Result: 1 found, 0 not found or a null
// stream, null key or empty key.
int Seek_Key_Line(FILE* stream, const char* key, int rewind);

// Skips the rest of the line and its line end. Result: the character read last ('\n', or EOF).
int Skip_Rest_Of_Line(FILE* stream);

// Reads and returns the first character that is not a blank, tab or line end (EOF at the end).
int Skip_Blanks(FILE* stream);

// «» strings -------------------------------------------------------------------------------------

// Reads «name» into a buffer of Guillemet_Name_Size bytes, after blanks, tabs and line ends. When the
// next character is not «, it is consumed, the name is empty and the result 0. A missing » ends the
// name at end of file; of an over-long name the first 99 characters are kept, the 100th is dropped
// and the rest stays in the stream. Result: the length of the name.
int Read_Guillemet_String(FILE* stream, char* name);

// Reads «text» into a buffer of Guillemet_Text_Size bytes, after blanks, tabs and line ends; at most
// 255 characters, the rest of a longer text stays in the stream. The text is taken byte for byte, line
// ends inside the marks included. Result: the length of the text, -1
// when the next character is not « (or for a null stream or buffer).
int Read_Guillemet_Text(FILE* stream, char* text);

// Reads «text» whole into the string, after blanks, tabs and line ends: every byte up to » or the end
// of the stream, so that a long text never leaves its rest behind to be misread as the next value.
// When the next character is not «, it is consumed and the text is empty. Result: the length of the
// text; -1 when the next character is not « (or for a null stream).
int Read_Guillemet_Whole(FILE* stream, std::string& text);

// Writes «text» without a line end; a null text writes «». Result: 0 written, 1 failed.
int Write_Guillemet_String(FILE* stream, const char* text);

// Delimited strings -------------------------------------------------------------------------------

// Reads open, text, close after white space and stores at most size - 1 characters of the text; the
// rest of a longer text is read up to and with the closing character and dropped. When the first
// character is not open, it is consumed and the buffer is empty. Result: characters stored; -1 for a
// null buffer, a size below 1 or a null stream.
int Read_Delimited_String(FILE* stream, char* buffer, int size, char open, char close);

// Writes open, text, close (a null text counts as empty). Result: 0 written, 1 failed.
int Write_Delimited_String(FILE* stream, const char* text, char open, char close);

// Counts read from files -------------------------------------------------------------------------

// The bytes between the stream's position and its end; -1 when the stream cannot tell (it cannot
// seek). A count read from a file that promises more items than there are bytes left is refused
// before anything is allocated for it.
long long Stream_Bytes_Left(FILE* stream);

// Bounded lines -----------------------------------------------------------------------------------

// Reads one line and stores at most size - 1 of its characters, never the line end; the rest of a
// longer line is skipped, so the stream always stands at the start of the next line. End of file
// gives an empty buffer, as an empty line does; a null stream empties the buffer. Result: characters
// stored plus one; -1 for a null buffer or a size below 1.
int Read_Line_Bounded(FILE* stream, char* buffer, int size);

// Reads one line of at most size - 1 characters without its line end; the rest of a longer line is
// left for the next read. Result: the buffer, or null at end of file, for a null buffer or stream or
// a size below 1.
char* Read_Line_Stripped(char* buffer, int size, FILE* stream);
