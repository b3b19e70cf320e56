// Layout operations of the older report forms: the usable text width of the page, the left and
// right margins (the two remembered in Chapter_State), vertical moves and reserved space counted in
// lines, a stack of ten stored vertical positions, and how many characters of a font fit on a line.
//
// Lengths are centimetres. A text line is 0.38 cm high, a table line 0.286 cm. Every operation that
// takes a stream does nothing for a null stream (a store then returns -1).
#pragma once

#include <cstdio>

inline constexpr double Text_Line_Height = 0.38;
inline constexpr double Table_Line_Height = 0.286;
inline constexpr int Position_Slots = 10;

// Usable width of the page, 17.0 at start. A width that is not finite and positive is refused:
// the width stays and the result is the width in force.
double OLI_Get_Text_Width();
double OLI_Set_Text_Width(double width);

// Length of the text without trailing blanks; 0 for a null, empty or all-blank text.
int OLI_Text_Length_Trimmed(const char* text);

void OLI_Move_Lines(FILE* stream, double lines);           // lines x 0.38 down (mode 1)
void OLI_Reserve_Lines(FILE* stream, double lines);        // lines x 0.38 kept together
void OLI_Reserve_Table_Lines(FILE* stream, double lines);  // lines x 0.286 kept together
void OLI_Move_CM(FILE* stream, double distance);
void OLI_Set_Y_Position_4(FILE* stream);                   // position mode 4

// Stores the vertical position in the lowest free slot (0 to 9) and returns it. With all ten in use
// it writes "Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!" to the trace, flushes every
// stream and returns -1; a null stream returns -1 too.
int OLI_Store_Position(FILE* stream);
// Returns to a stored position (a slot in use from 0 to 9) and frees the slot; the Keep form leaves
// the slot in use.
void OLI_Restore_Position(FILE* stream, int index);
void OLI_Restore_Position_Keep(FILE* stream, int index);
void OLI_Free_Position(int index);
void OLI_Free_All_Positions();

// Margins: the new value is remembered and both are handed to the print list.
void OLI_Set_Left_Margin(FILE* stream, double left);
void OLI_Set_Right_Margin(FILE* stream, double right);
double OLI_Get_Left_Margin();
double OLI_Get_Right_Margin();

// Characters of a font that fit between the left margin and the text width: the font's count for
// the full width (fonts 0 to 10; any other font counts 96) scaled by (width - left margin) / width,
// rounded half away from zero.
int OLI_Chars_Per_Line(int font);
int OLI_Chars_Per_Line_Current();   // for the line font

// The font of the older paragraphs and one-tab lines, 7 at start.
int OLI_Set_Line_Font(int font);
int OLI_Get_Line_Font();

// The "no numbers" switch of the chapter headings.
void OLI_Suppress_Chapter_Numbers();
void OLI_Allow_Chapter_Numbers();
