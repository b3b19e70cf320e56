// Drawing of a graphic block ("#SHOWGRAFIC") on a page. The window line x1 x2 y1 y2 gives the
// picture's size in cm; (x1, y1) is its upper left corner: y runs upwards when y1 > y2 and
// downwards otherwise, x to the right when x2 > x1 and to the left otherwise. The block stands
// with that corner at the given point.
//
// The commands, with the choices of this viewer:
//   1 line; 24 filled rectangle; 18 filled polygon (even-odd);
//   20 p fill pattern: 0 no fill, any other fills in the current colour lightened halfway to white;
//   4 n pen: 2 draws 0.5 mm, every other pen 0.2 mm; 6 l line width l cm; 38 dash pattern in cm;
//   50 r g b colour (each held in 0..255); 51 the second colour, kept and not drawn;
//   2 text starting at the point; 3 text starting at the point, turned by the angle of 14;
//   9 anchored text; 10 anchored text turned by the angle of 14 (anchor 200 + V + H: H 0 left
//   end, 8 middle, 24 right end; V 1 the baseline, 2 the middle of the capitals, 4 their top on
//   the point; +256 turns the text upright);
//   7 n font number of the texts; 13 h height of the capitals in cm (before any 13: the font's
//   size); 14 a text angle in degrees, counter-clockwise on paper;
//   27 a framed placeholder with the symbol name, its lower left corner at the point;
//   30 and 31 keep and restore the text angle (colour, pen, fill and dash stay in force across
//   groups); 75 an embedded bitmap (decoded as the host's bitmap files are), else a framed
//   placeholder with its name;
//   8, 16, 23, 52, 53, 59 to 62 are style values and marks without drawing.
#pragma once

#include <cairo.h>

#include "platform/printlist/print_list_reader.h"

// The picture's size on paper in points.
double Graphic_Block_Width(const Graphic_Block& block);
double Graphic_Block_Height(const Graphic_Block& block);

// Draws the commands with the upper left corner at (left, top), clipped to the page's body.
void Draw_Graphic_Block(cairo_t* cr, const Graphic_Block& block, double left, double top,
                        Print_List_Warnings& warnings);
