// Text blocks: a free text of any length, line ends included, carried inside a line-oriented data
// file whose readers take names between « and » (bytes 174 and 175).
//
// A block is the header line "TXB<length>\n" and one chunk line per run of at most 100 characters:
// «, the characters with every line end written as the byte 1, », "\n". A null or empty text is the
// header "TXB0\n" alone.
#pragma once

#include <cstddef>
#include <cstdio>

// Characters per chunk line.
inline constexpr int Text_Block_Chunk = 100;
// Longest text a reader accepts (100000 chunks of 100 characters).
inline constexpr int Text_Block_Limit = 10000000;

// Writes the block of the text. A text holding » could not be read back (its chunk would end early)
// and is refused with nothing written. Result: 1 written, 0 refused, failed or a null stream.
int Write_Text_Block(FILE* stream, const char* text);

// Reads a block and returns a new heap text (release with free or MEM_FREE), or null for a missing
// header, a length of 0, a length above Text_Block_Limit or above the bytes left in the stream, or
// exhausted memory. The byte 1 reads back as a line end. Chunks are read until the declared length
// is reached: a chunk beyond it is cut, and a character that starts no chunk stays in the stream;
// a block that ends early gives the part read so far.
char* Read_Text_Block(FILE* stream);

// The text's length plus 1; 0 for a null text.
std::size_t Get_Text_Size_With_Terminator(const char* text);

// Releases the block when there is one; null, for the caller to store back.
void* Free_If_Set(void* block);
