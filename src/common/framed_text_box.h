// Small drawing helpers on the host's sheets: a text in a box with an optional 3-D frame and fill,
// and a button put back to its plain state.
#pragma once

// Colour value that leaves the fill or the text out.
inline constexpr int No_Box_Colour = -10000;

// Draws the text in the box x1, y1, x2, y2 by the host's anchor code (alignment, as pxBTxt): with
// a frame style above 0 the host's 3-D frame (Draw_Funny_Area_to_PS) and an inset of 1 pixel for
// styles 1 and 2 and 2 pixels above; the inner box filled unless the fill colour is No_Box_Colour;
// the text, unless it is null or its colour is No_Box_Colour, in the font when that is 0 or above,
// over the inner width (framed: from 3 pixels right of the inset to 1 pixel left of the right inset).
// Everything is clipped to the box; the drawing colour, the clip and the font are kept, and the
// screen is flushed.
void Draw_Framed_Text_Box(int x1, int y1, int x2, int y2, const char* text, int alignment, int frame_style, int font,
                          int text_colour, int fill_colour);

// The button's frame reset and its action state cleared; with snap set its look is taken anew from
// the screen, and with a comment that becomes its tooltip.
void Reset_Button(int button, int snap, const char* comment);
