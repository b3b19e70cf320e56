// The rows of the annex editor pages: every page lists the parameters of one Eurocode block of an
// annex as rows of clause, symbol, explanation and value fields bound straight to the block. The
// pages sit on the view areas of the GUI kit; they are drawn anew from the block at every drawing.
//
// Row geometry (content pixels): the clause column is shaded from x 4 to 56 and the explanation
// column from x 200 to 382; the clause stands at x 10, the symbol at x 67, the explanation at x 206.
#pragma once

// Colours and fonts of the pages, taken once at the first drawing.
struct NAD_Editor_Style {
    int stripe = 0;     // shading of the clause and explanation columns, nearest to RGB 234, 255, 251
    int bar = 0;        // section bars, nearest to RGB 205, 254, 244
    int rule = 0;       // sub-heading lines, nearest to RGB 130, 130, 130
    int black = 0;
    int white = 0;
};
inline constexpr int NAD_Editor_Font = 4096;             // clauses, symbols, units
inline constexpr int NAD_Editor_Bold_Font = 0x11000;     // section labels, column heads
inline constexpr int NAD_Editor_Small_Font = 4098;       // explanations, symbol subscripts

// The style, its colours taken at the first call.
const NAD_Editor_Style& NAD_Editor_Colours();

// The flag of fields that are shown but never editable: always 0.
extern const int NAD_Read_Only_Flag;
// The flag of a field that every page may always change (the section check boxes): always 1.
extern const int NAD_Always_Enabled_Flag;

// One row at baseline y: with a nonzero height the two column stripes from y - 5 to y + height;
// then each non-empty text at baseline y in the font. Returns y + height, the top of the next row.
int NAD_Draw_Editor_Row(int area, int y, int height, const char* clause, const char* symbol, const char* explanation,
                        int font);

// The row of the EN 1995 page: the stripes run from y - 10 to y + height (to y + 2 for a height of
// 1); otherwise as NAD_Draw_Editor_Row.
void NAD_Draw_EC5_Editor_Row(int area, int y, int height, const char* clause, const char* symbol, const char* explanation,
                             int font);

// A section whose check box stands at baseline y (the first section of a page at 20, a following
// one at the running y + 30): the bar from y - 13 to y + 6 over x 4 to 382 in the bar colour, the
// box at x 26 bound to the section flag and always enabled, and, while the section is open, the
// column heads. Returns the first row's baseline when open, else y. A page of its own colour gives
// the bar colour; without it (-1) the bar takes the style's.
int NAD_Draw_Editor_Section(int area, int y, const char* label, int* open, int bar_colour = -1, bool heads = true);

// Under an open section's check box at baseline y: a blank stripe row at y + 19 (height 11), the
// column heads "Kapitel", "Parameter", "Erläuterung" as a bold row at y + 30 of height 30 and the
// black rule from x 4 to 382 at y + 36. Returns y + 60, the first parameter row.
int NAD_Draw_Editor_Column_Heads(int area, int y);

// A symbol at (x, y): its letter in the row font and the subscript in the small font 2 px lower,
// right behind it; returns the x right of the whole symbol.
int NAD_Draw_Editor_Symbol(int area, int x, int y, const char* letter, const char* subscript);

// A float field bound to the value, black, in the row font.
void NAD_Draw_Editor_Field(int area, int x, int y, double* value, const char* format, const int* enabled);

// A row of one value: the clause, the symbol (letter and subscript) at x 67, the explanation in the
// small font and the field at x 136; height 18. Returns the next row's baseline.
int NAD_Draw_Editor_Value_Row(int area, int y, const char* clause, const char* letter, const char* subscript,
                              double* value, const char* format, const char* explanation, const int* enabled);
// A row of texts only (a clause heading or a further explanation line), height 18.
int NAD_Draw_Editor_Text_Row(int area, int y, const char* clause, const char* explanation);
