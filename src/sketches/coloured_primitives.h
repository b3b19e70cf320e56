// Coloured drawing elements of the report sketches: each writes one element into the open graphic
// block, its colours given as indexes into the Sketch_Style table and its pens as pen numbers. A
// colour index above 29 or of an undefined entry leaves the current colour as it is. Every element
// except the thick segment is one graphic group. Coordinates are model units (mm), angles degrees.
#pragma once

// Nothing when the colour or the pen is negative; otherwise the colour, " 4 pen" and the line.
void Print_Coloured_Line(double x1, double y1, double x2, double y2, int colour, int pen);

// With a fill colour of 0 or more the filled circle in that colour and pattern; with a pen of 0
// or more " 4 pen" and the line colour; then always the outline.
void Print_Circle(double x, double y, double r, int fill_colour, int fill_pattern, int pen,
                  int line_colour);

// A disc of n corners on the circle r1, or a ring when 0 < r2 < r1 (the corners of r2 follow in
// reverse order), filled; outlined in the line colour when pen and line colour are both 0 or
// more. Nothing when the fill colour is negative, n lies outside 1 to 64, or pen and line colour
// are both negative.
void Print_Ring(double x, double y, double r1, double r2, int n, int fill_colour,
                int fill_pattern, int pen, int line_colour);

// Mode 0 with |width| >= 0.01: a filled bar of that width centred on the segment; otherwise the
// line itself.
void Print_Thick_Segment(double x1, double y1, double x2, double y2, double width, int mode);

// Corners on the arc every 11.25 degrees from the start over the sweep (held at 360 degrees),
// corner k at (x - r cos(k pi/16), y + r sin(k pi/16)); filled with a fill colour of 0 or more,
// joined by thick segments with a line colour of 0 or more. Nothing for a sweep below 0.001.
void Print_Arc_Band(double x, double y, double r, double start, double sweep, int fill_colour,
                    int fill_pattern, int line_colour, double width, int mode);

// The label of a set of bars on a blank box: n bars (0 for none), the diameter d in cm shown in
// mm and the spacing s. Nothing for n < 0, d < 0.001 or n = 0 with s < 0.01.
void Print_Bar_Label(double x, double y, int n, double d, double s);
