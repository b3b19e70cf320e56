// The older paragraph writers of the print list: a paragraph with decimal trimming and markup
// substitution, title and caption lines, a line with one tab stop, a version line ending near the
// right edge, and check lines with a relation and a mark.
//
// Each writer with two forms chooses by Print_List_Format_Level: above 334 it writes through the
// paragraph writer (OLI_Printf, the form of this program's level 338), at 334 and below a one-row
// "#SHOWTABLE" block. A null stream writes nothing. A text handed on "as text" is never read as a
// printf format, and a long text is written whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

// Decimal trimming of OLI_Paragraph: any nonzero value switches it on; off at start.
void OLI_Set_Decimal_Trimming(std::intptr_t value);
std::intptr_t OLI_Get_Decimal_Trimming();

// The caption switch: OLI_Caption_Line writes only while it is on (1 at start). Returns the
// previous value.
int OLI_Set_Caption_Switch(int on);
int OLI_Get_Caption_Switch();

// Formats up to 254 characters; with trimming on removes the trailing zeros after the decimal point
// of every number (a point between digits; "12.500" becomes "12.5", "3.000" becomes "3"; a point
// with no digit after it is left alone); replaces "²" (0xFD) by "╬/2╬r" and 0xFA by "╬/3╬r" with
// the open attributes restored, never cutting the result. Text form: line font, the text with a
// line feed when it has none, end of paragraph. Table form: a one-row table block, with an extra
// empty line and a pull-up of one line when the text underlines ("╬_").
void OLI_Paragraph(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

// One tab stop at the position (cm), the text, the tab stops cleared, the paragraph ended.
void OLI_Tab_Line(FILE* stream, double position, const char* text);
void OLI_Tab_Line_Formatted(FILE* stream, double position, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// The text as a paragraph, kept together with the next line; with ok 0 the mark "╬b!!" follows at
// the right edge of the same line.
void OLI_Line_With_Mark(FILE* stream, const char* text, int ok);

// Caption lines (font 3; table form: a third-group caption) and title lines (font 5; table form: a
// first-group caption). Both forms end the text with a line feed when it has none.
void OLI_Caption_Line(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void OLI_Caption_Line_Always(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));
void OLI_Title_Line(FILE* stream, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The first line of the VERSION file in the program folder (name cut to 99 characters) or
// "<NAME> Version: ???", written as a caption that ends near the right edge of the text width.
void OLI_Version_Line(FILE* stream, const char* program_folder);

// Check texts: "a <relation character> b" with the decimals (0 to 15), followed, when the required
// relation is not met, by "  ê  <name> = b". The required relation is "<", ">", "<=", "=<", ">=" or
// "=>", tested on a - b rounded to the decimals; any other text (or none) counts as not met.
// OLI_Check_Text writes into a buffer of at least Check_Text_Size bytes and returns it.
inline constexpr std::size_t Check_Text_Size = 256;
int OLI_Relation_Met(double a, const char* relation, double b, int decimals);
char* OLI_Check_Text(const char* name, double a, const char* relation, double b, int decimals, char* buffer);
// "<name> [╬b]<check text>╬r <text> [╬b]<ok or fail text>" as a line with mark; the mark appears
// when the relation is not met and a fail text is given. Returns 1 when the relation is met.
int OLI_Check_Line(FILE* stream, const char* name, double a, const char* relation, double b, int decimals,
                   const char* text, const char* ok_text, const char* fail_text);

// Writes a text of any length as it stands into the open paragraph (in pieces that fit the
// paragraph writer's line buffer, which join on one line). Returns 0, or -1 when a piece failed.
int OLI_Print_As_Text(FILE* stream, std::string_view text);
