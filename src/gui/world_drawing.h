// Immediate drawing in world units on the current screen surface. One static transform maps world
// points (for example metres, y upwards) to screen pixels; every operation draws at once with the
// host library's primitives and keeps nothing. A few operations draw texts at screen points, set the
// host's user fill pattern or measure texts.
//
// Transform: with dx = x - x0, dy = y - y0 and the angle a, a world point maps to
//   X = sx (dx cos a + dy sin a),  Y = sy (dy cos a - dx sin a),
// a rotation by -a about the origin followed by the two scales (pixels per world unit). Pixels are
// rounded half away from zero and held inside the int range. A transform that cannot map a point
// (a zero scale when going back, a point that is not finite) leaves the drawing out: an operation
// with such a point draws nothing.
#pragma once

// The transform; at start origin (0, 0), angle 0 and both scales 1, so that world units are pixels.
void Set_World_Transform(double x0, double y0, double angle, double scale_x, double scale_y);
double Get_World_Scale_X();
double Get_World_Scale_Y();

// World to pixels in place, rounded to whole pixels; pixels back to world units in place.
void Transform_World_Point(double* x, double* y);
void Untransform_World_Point(double* x, double* y);
// Both given: Transform_World_Point. A lone x (y null) is a length along x and is multiplied by
// scale x; a lone y by scale y. Not rounded.
void Transform_World_Point_Or_Length(double* x, double* y);
// The pixel distance of the two mapped points, not rounded.
double Get_View_Distance(double x1, double y1, double x2, double y2);

// Line width in pixels (1 at start; 0 draws no lines) and line style (handed to pxSLn, 0 at start).
void Set_World_Line_Width(int pixels);
void Set_World_Line_Style(int style);
int Get_World_Line_Style();

// The host's user fill pattern: a dot raster, interlocking arcs, vertical stripes every 4 pixels.
void Set_Dot_Fill_Pattern();
void Set_Arc_Fill_Pattern();
void Set_Stripe_Fill_Pattern();

// A dot of the line width at the point (one pixel up to width 2, a filled disc beyond).
void Draw_World_Dot(double x, double y);
// A line of the line width and style: width 1 a thin line, wider lines as a thick line; widths 2 and
// 3 in a broken style as parallel strokes whose dashes run in step.
void Draw_World_Line(double x1, double y1, double x2, double y2);
void Draw_World_Rectangle(double x1, double y1, double x2, double y2);
void Draw_World_Centred_Rectangle(double cx, double cy, double width, double height);
// A screen-aligned filled box between the two mapped corners, also under a rotated transform.
void Fill_World_Rectangle(double x1, double y1, double x2, double y2);
void Fill_World_Centred_Rectangle(double cx, double cy, double width, double height);
// Fill_World_Rectangle in the face background; the drawing colour stays.
void Clear_World_Rectangle(double x1, double y1, double x2, double y2);
// Circles as 72-gons (5 degree steps from angle 0).
void Draw_World_Circle(double cx, double cy, double r);
void Fill_World_Circle(double cx, double cy, double r);
// The closed outline of n points; nothing for n below 1.
void Draw_World_Polygon(int n, const double* x, const double* y);
void Fill_World_Polygon(int n, const double* x, const double* y);
// The segment widened to a band of the world width, filled; with a pattern of 16 rows (pxSUFA) the
// band is filled through it and the fill is solid again afterwards.
void Fill_World_Band(double x1, double y1, double x2, double y2, double width, const int* pattern);
// An arrow from P1 to P2 with its head at P2: head length and width in world units, the length held
// to the arrow's and the width to the head's length. Style 1 fills the head; any other style draws
// the two barbs.
void Draw_World_Arrow(double x1, double y1, double x2, double y2, double head_length, double head_width, int style);
// Two filled arrows from the origin (x0, y0) along the axes of a frame turned by the angle, lx and
// ly long in pixels at the scale s (pixels per world unit), labelled in font 4096. The _Alt form
// takes two further ints that it does not use.
void Draw_World_Axis_Cross(double x0, double y0, const char* x_label, const char* y_label, double lx, double ly,
                           double angle, double scale);
void Draw_World_Axis_Cross_Alt(double x0, double y0, const char* x_label, const char* y_label, int unused_1,
                               int unused_2, double lx, double ly, double angle, double scale);
// A dimension line from P1 to P2 with ticks at both ends reaching the extension length (pixels) to
// the side, text 1 (12 px high) at its middle and text 2 (8.4 px, a raised remark such as a half
// centimetre) beside it. Mode 0 takes y1 and y2 as pixels, mode 1 x1 and x2; other modes world units.
void Draw_World_Dimension(int mode, double x1, double y1, double x2, double y2, const char* text_1, const char* text_2,
                          double extension);
// The dimension written with the segment's length: from 1 unit on with two decimals, below that in
// hundredths with a raised 5 for a half; nothing below 0.01.
void Draw_World_Length_Dimension(int mode, double x1, double y1, double x2, double y2, double extension);

// Texts at the mapped point (its baseline start) in the font, which is restored afterwards. With
// `twice` nonzero the text is drawn once more 1 pixel to the right (bold).
void Draw_World_Text(double x, double y, const char* text, int font, int twice);
void Draw_World_Text_Plain(double x, double y, const char* text, int font);
void Draw_World_Text_Bold(double x, double y, const char* text, int font);
// The text ending at the mapped point.
void Draw_World_Text_Right(double x, double y, const char* text, int font);
// The text placed about the mapped point: switch a 0 left end, 4 middle, else right end; switch b
// 1 hanging below, 4 centred, else standing on the point.
void Draw_World_Text_Anchored(double x, double y, const char* text, int font, int switch_a, int switch_b);
// The width of a text in a font plus 3 pixels, plus 2 more for the bold bit 0x10000 (measured
// without it); the current font stays.
int Get_World_Text_Width_In_Font(const char* text, int font);

// The background of n characters of 8 pixels behind a text with its baseline at screen y, from x - 1
// to x + 8 n, y - 10 to y + 3, in the colour (which stays set).
void Fill_Text_Span(int x, int y, double n, int colour);
// The same box in the face background; the drawing colour stays.
void Erase_Text_Span(int x, int y, double n);
// A text at the screen point in the font and colour; font and colour are restored.
void Draw_Text_In_Colour(int x, int y, const char* text, int font, int colour);
// The same in the colour of a state: -1 label text, 0 face background (hidden), else disabled grey.
void Draw_State_Text(int x, int y, const char* text, int font, int state);

// A set of bits with a caller's value and a counter; it owns its bytes.
struct Bit_Set {
    int count = 0;
    int value = 0;
    int counter = 0;
    unsigned char* bits = nullptr;
};
// count and value, counter 0 and (count + 7) / 8 zero bytes (none for a count below 1); a set that
// already holds bytes gives them back first.
void Init_Bit_Set(Bit_Set* set, int count, int value);
// Gives the bytes back and empties the set.
void Release_Bit_Set(Bit_Set* set);
