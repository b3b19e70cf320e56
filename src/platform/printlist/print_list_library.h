// Stand-in for the print-list library: the layout calls on the report stream. Each call records
// itself as one line of the report, written through the fprintf entry of the stdio table in force:
//   #LAYOUT <call without the OLI_ prefix> <values>
// integers as "%d", the flags as "0x%x", lengths in centimetres as "%.6g", a text between « and ».
// A null stream writes nothing. Result: 0, or -1 when the line could not be written.
#pragma once

#include <cstdio>

int OLI_setFlags(FILE* stream, int flags);
// The page layout of the following pages by its number, written as "#LAYOUT setLayout %d".
int OLI_setLayout(FILE* stream, int layout);
int OLI_reserveSpaceCM(FILE* stream, float height);
int OLI_setYPositionCM(FILE* stream, int mode, float distance);
int OLI_setMarginsCM(FILE* stream, int mode, float left, float right);
// Margins counted in characters: mode, the left margin (cm), then three character counts.
int OLI_setMarginsChar(FILE* stream, int mode, float margin, int left_chars, int gap_chars, int right_chars);
int OLI_storeYPosition(FILE* stream, int index);
int OLI_restoreYPosition(FILE* stream, int index);
int OLI_resetMaxMargin(FILE* stream);
int OLI_setBookmark(FILE* stream, int code, const char* text);

// The margins pushed onto the library's margin stack and taken back; the flags of the pop choose
// what it restores.
int OLI_pushMargins(FILE* stream);
int OLI_popMargins(FILE* stream, int flags);

// Switches the character conversion of the following table texts on (1) or off (0); the literature
// list is written with it on.
int OLI_setConvertionFlags(FILE* stream, int flags);

// Display length of a print-list text in characters: the escape byte 0xCE and the code character
// after it show nothing, nor does a whole tag "╬{...}"; every other byte is one character.
// A null text has length 0.
int MT_String_Length(const char* text);
