// Dimension lines of a graphic block: the measured distance between two points, drawn as one
// graphic group with the dimension line, an extension line and an end mark at each end and a
// label stating the length (a main label and a smaller superscript digit after it).
//
// Points and measured lengths are model units; the size, text heights, mark sizes and label
// distances are centimetres on paper. A paper offset becomes a model offset by dividing its x
// component by the block's x scale and its y component by the y scale.
//
// Dimension_Flags (OLI_Set_Dimension_Flags): 0x1 no extension line and end mark at the first
// point, 0x2 none at the second, 0x8 dots as end marks instead of oblique ticks, 0x10 the unit and
// metre forms keep their labels in whole units.
//
// Placement of the label: 0 centred beside the line, -1 before the first point, 1 beyond the
// second; -2 and 2 centred, falling back to -1 and 1 when the label is wider than the length.
//
// Labels are at most 19 characters and superscripts at most 4: a number too long for plain digits
// is written in exponent form, and a length that is not finite draws no dimension.
#pragma once

// The length rounded to one decimal: whole units as the label, the tenth as the superscript (a
// blank when it is 0). Result: the label's extra outward distance (0, 2.0 or 3.2 in units of
// 2 size).
double OLI_Draw_Dimension(double x1, double y1, double x2, double y2, double size, int placement);

// OLI_Draw_Dimension with both points moved by distance (model units) to the left of the
// direction from the first to the second point.
double OLI_Draw_Offset_Dimension(double x1, double y1, double x2, double y2, double distance,
                                 double size, int placement);

// The length in label units of |unit| model units: a positive unit labels whole units with a
// superscript 5 for a half, a negative unit whole units with the tenth as superscript; values of
// 100 and more are labelled in hundreds with two decimals unless flag 0x10 is set. Nothing is
// drawn for -0.00001 < unit < 0.00001 (Draw_Unit_Dimension leaves that test to its caller).
double OLI_Draw_Unit_Dimension(double x1, double y1, double x2, double y2, double size,
                               double unit, int placement);
double Draw_Unit_Dimension(double x1, double y1, double x2, double y2, double size, double unit,
                           int placement);

// Model unit metre: lengths below 1 m in whole centimetres (flag 0x10 clear), others in metres
// with two decimals; the superscript 5 marks a half centimetre. Nothing below 0.01.
double OLI_Draw_Metre_Dimension(double x1, double y1, double x2, double y2, double size);

// The drawing every form ends in: minimum is the model length below which a centred label is
// pushed out; placement -1, 0 or 1. Result 0, 2.0 or 3.2.
double Draw_Dimension_Core(double x1, double y1, double x2, double y2, double size,
                           const char* label, const char* superscript, double minimum,
                           int placement);
