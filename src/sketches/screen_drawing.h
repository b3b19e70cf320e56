// Small drawing routines on the host library's pixel primitives, shared by the dimensioned sketches
// of the input pages: the rounding of scaled model lengths to pixels, a concave corner fillet, a
// circular segment snapped to 11.25-degree steps and a measure line with end dots and a label.
// Beside them stand a few shapes that the pages do not use (polygon circles and rings, a filled
// rectangle, an aligned text and arrows).
//
// All coordinates are screen pixels, origin top left, y down. A colour is a colour index of the host
// library; a negative colour (and for an outline a negative width) leaves that part out. The routines
// with colour arguments give the caller's drawing colour back at their end; Draw_Measure_Line leaves
// the palette's Black and font 4096 current. The palette (Init_Screen_Palette) must be filled.
#pragma once

// sign(x) · trunc(|x| + 5/9): fractions from 4/9 upward round away from zero, so 0.4444 gives 0,
// 0.4445 gives 1 and -2.5 gives -3. Every scaled model length of a sketch passes through it.
int Round_To_Pixel(double x);

// The concave fillet (root radius or fillet weld) in the corner (x, y) between two legs of length
// r, the arc about the centre opposite the corner. Orientation 0: legs right and up; 1 up and left;
// 2 left and down; 3 down and right (any other orientation draws nothing). The fill colour fills the
// corner and the arc; with a width of 0 or more the two legs are drawn in the current colour (the
// fill colour when one is given, so that they cover the adjoining outlines) and the arc in black.
void Draw_Corner_Fillet(int x, int y, int r, int orientation, int fill_colour, int outline_width);

// The circular segment between an arc about (cx, cy) and its chord. Angles in degrees: 0 lies left
// of the centre, 90 below it, 180 right of it, 270 above it. Both ends snap down to the 11.25-degree
// grid (0.001 degrees tolerance); a sweep below 0.001 draws nothing and a sweep above 360 draws the
// full circle. The fill closes the points with the chord; the line draws the arc as an open polyline.
void Draw_Arc_Segment(int cx, int cy, int r, double start, double sweep, int fill_colour, int line_colour,
                      int line_width);

// A dimension line from (x1, y1) to (x2, y2) with white dots ringed in black at its ends and an
// optional label (null for none): mode 0 centred above the first end (horizontal dimensions), 1 right
// of the line at mid-height (vertical dimensions), 2 centred 10 px below the middle; other modes
// write no label. Labels are centred at 6 px per character.
void Draw_Measure_Line(int x1, int y1, int x2, int y2, const char* text, int mode);

// x itself, or 0, 1 or -1 when x lies within 0.001 of that value: keeps the sines and cosines of the
// arrows exact at the multiples of 90 degrees.
double Snap_Unit_Value(double x);

// The regular n-gon with the vertices (cx + r cos(2πi/n), cy + r sin(2πi/n)), filled and outlined
// closed; nothing for n below 1 or above 64.
void Draw_Polygon_Circle(int cx, int cy, int r, int n, int fill_colour, int line_width, int line_colour);

// The ring between two such n-gons: filled as one polygon (the outer n-gon, then the inner one walked
// backwards, joined at angle 0) when 0 < inner r < outer r or both are negative with the inner of
// smaller size, else only the outer n-gon; outlines of both n-gons.
void Draw_Polygon_Ring(int cx, int cy, int outer_r, int inner_r, int n, int fill_colour, int line_width,
                       int line_colour);

// The rectangle as a filled four-point polygon.
void Draw_Filled_Rectangle(int x1, int y1, int x2, int y2, int colour);

// A text whose baseline starts at (x, y). Size kind 1: font 0x1002, 4.5 px per character; 2: font
// 0x1001, 8 px; any other: font 0x1000, 6.5 px. Centred, x moves left by that many pixels per
// character (truncated).
void Draw_Aligned_Text(int x, int y, const char* text, int centred, int colour, int size_kind);

// Arrows in the current colour; angles in radians, counter-clockwise as seen on the screen.
// A bold half circle of radius size/2 about (x, y) from the diameter at the angle, with a head
// 15 px long and 10 px wide at its end (sense nonzero) or its start (sense 0), and the label.
void Draw_Curved_Arrow(int x, int y, int size, int sense, const char* text, double angle);
// A force of length L through (x, y), 2 px wide, its head 15 by 10 px with the tip 5 px beyond the
// second end (end flag 0) or the first (any other), and the label.
void Draw_Force_Arrow(int x, int y, int length, int end_flag, const char* text, double angle);
// A line of length L ending at (x, y), with a head L/3 long and 2L/9 wide at its far end pointing
// away from (x, y), the tip L/9 beyond that end, and the label.
void Draw_Pointer_Arrow(int x, int y, int length, const char* text, double angle);
// A head 15 px long and 10 px wide with its tip at (x, y), its base 15 px away along the angle.
void Draw_Arrow_Head(int x, int y, double angle);
