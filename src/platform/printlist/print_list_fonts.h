// Faces and text drawing of the print-list viewer. The faces are the DejaVu fonts of the system's
// font folder, loaded once by file path through FreeType; italic is the upright face slanted by
// 0.2. Lowered and raised text is 0.8 of the size, lowered by 0.2 and raised by 0.35 of the size.
// Glyphs are drawn without hinting, so that measures and pixels are the same on every output.
#pragma once

#include <cairo.h>

#include <string_view>
#include <vector>

#include "platform/printlist/print_list_text.h"

enum class Font_Family { Sans, Mono };

struct Base_Font {
    Font_Family family = Font_Family::Sans;
    bool bold = false;
    double size = 10.0;                    // points
};

// The viewer's fonts by print-list number: 5 is DejaVu Sans Bold 12 pt, every other number
// DejaVu Sans 10 pt.
Base_Font Print_List_Font(int number);

// The table font: DejaVu Sans Mono 8 pt, whose fixed pitch keeps the columns that the table rows
// lay out with blanks.
inline constexpr Base_Font Table_Font = {Font_Family::Mono, false, 8.0};

// Height of capital letters as a share of the size (DejaVu Sans: 1493 of 2048 units).
inline constexpr double Capital_Height = 0.729;

// Glyph options for every context that draws or measures text.
void Set_Print_List_Font_Options(cairo_t* cr);

double Text_Width(cairo_t* cr, const Base_Font& font, const Text_Attributes& attributes, std::string_view utf8);
// The width of the digit 0 in the font: the character unit of paragraph lengths and table tabs.
double Character_Width(cairo_t* cr, const Base_Font& font);

// Draws UTF-8 text with its left end on the baseline point, in the colour.
void Draw_Text(cairo_t* cr, const Base_Font& font, const Text_Attributes& attributes, double x, double baseline,
               std::string_view utf8, Rgb8 colour);

// One line of pieces without wrapping (texts of graphic blocks): its width, and the drawing with
// its left end at x; a tab counts as one blank, rules and frames are not drawn.
double Pieces_Width(cairo_t* cr, const Base_Font& font, const std::vector<Text_Piece>& pieces);
void Draw_Pieces(cairo_t* cr, const Base_Font& font, const std::vector<Text_Piece>& pieces, double x,
                 double baseline, Rgb8 colour);
