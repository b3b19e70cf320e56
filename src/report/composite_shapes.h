// Composite shapes of a graphic block, built on the primitives or written in their manner: a line
// and an arc shifted by an offset, an arrow with an open head, a band of given width along a
// segment, a filled rectangle with a rectangular hole, the outline and the filled form of a slot
// (an oblong hole with round ends), a filled circle that stays round on paper, a filled ring and a
// filled region with polygonal and circular holes.
//
// Coordinates and lengths are model units, circles take diameters, arc angles are degrees. The
// common rules of the primitives hold: the extents grow, points are turned by the block's rotation
// (the filled slot excepted) and scaled, and with a plot file open the filled shapes also write
// their plot areas. While the fill switch is clear no filled polygon (command 18) is written. A
// shape with a value that is not finite writes nothing.
#pragma once

// Command 1 from (x1, y1) + (dx, dy) to (x2, y2) + (dx, dy); no plot entity.
void OLI_Draw_Offset_Line(double x1, double y1, double x2, double y2, double dx, double dy);
// The chords of OLI_Draw_Arc, each written as an offset line about the centre; no plot line
// entities (only a plot group around them).
void OLI_Draw_Offset_Arc(double cx, double cy, double diameter, double start, double sweep);

// A group with the shaft from the tip to the tail and the open head of the given length and
// width at the tip.
void OLI_Draw_Arrow(double tip_x, double tip_y, double tail_x, double tail_y, double head_length,
                    double head_width);

// A band of width b centred on the segment: filled (while the fill switch is set) and, with the
// outline flag, outlined.
void OLI_Draw_Band(double x1, double y1, double x2, double y2, double b, int outline);

// Command 24 of the outer rectangle, fill pattern 0 and command 24 of the hole. The hole is
// written only in a window with x to the right and y upwards and when it lies strictly inside.
void OLI_Fill_Rectangle_With_Hole(double x1, double y1, double x2, double y2, double hx1,
                                  double hy1, double hx2, double hy2);

// A slot of overall width w and height h centred at (x, y): horizontal when w > h (end radius
// h/2, overall length w), else vertical (end radius w/2, the arc centres h/2 above and below).
void OLI_Draw_Slot(double x, double y, double w, double h);
// The same as one command 18 of 34 points, not turned, no plot area.
void OLI_Fill_Slot(double x, double y, double w, double h);

// OLI_Fill_Circle with the radius scaled by the x scale in both directions.
void OLI_Fill_Circle_Round(double cx, double cy, double diameter);
// Command 18 of 66 points: the outer circle and the inner circle, each closed.
void OLI_Fill_Ring(double cx, double cy, double outer_diameter, double inner_diameter);

// A region: the outer boundary of n points; m polygonal holes whose point counts stand in
// hole_counts and whose points follow one another in hole_x, hole_y; k circular holes given by
// their centres and areas. Nothing is written unless every count is positive (m and k may be 0),
// every array is given and every value is finite. The caller's arrays are not changed.
void OLI_Fill_Region_With_Holes(int n, const double* x, const double* y, int m,
                                const int* hole_counts, const double* hole_x,
                                const double* hole_y, int k, const double* centre_x,
                                const double* centre_y, const double* areas);
