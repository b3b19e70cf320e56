// Bounded string copies of the tools library: a copy that zero-fills its destination, a copy to a
// fixed width padded with blanks, and the removal of trailing blanks.
#pragma once

// Copies at most size - 1 characters and fills the rest of the destination with zero bytes up to
// size bytes. A null destination, a null source or a size below 1 leave the destination alone.
char* Copy_String_Bounded(char* destination, const char* source, int size);

// Exactly width characters, the source cut or padded with blanks (a null source gives blanks),
// and a terminator after them: the destination holds width + 1 bytes. A null destination or a
// width below 1 leave it alone.
char* Copy_Padded(char* destination, const char* source, int width);

// Replaces the blanks at the end of the text by terminators, passing over and keeping line ends;
// returns the index of the last character left that is neither, -1 when there is none, 0 for a
// null text.
int Trim_Trailing_Blanks(char* text);
