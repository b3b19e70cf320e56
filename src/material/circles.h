// Circle routines of the plane geometry: the overlap (lens) of two circles, the intersections of
// a circle with a line, a segment, a ray and a polyline, and the position of a point against a
// circle.
//
// A circle is its centre (cx, cy) and radius r; a line or segment two arrays of two doubles
// (x values, y values); results two arrays of two doubles or, for the polyline, a result list of
// point_lists.h (an empty result leaves both pointers null) or caller arrays. The tests are made
// with Round_To_Decimals at 5 decimals. Conventions of point_transforms.h.
#pragma once

// Overlap of two circles with radii r1, r2 and centre distance d: 1 when they meet (touching
// included), 0 apart (all outputs 0). A circle inside the other (r_small + d <= r_big) overlaps
// with its own area, and depth and chord are its diameter. Otherwise the lens: area the sum of
// the two circle segments over the common chord, chord its length, depth r1 + r2 - d.
int Get_Circle_Overlap(double r1, double r2, double d, double* area, double* depth,
                       double* chord);
// The area of Get_Circle_Overlap alone; 0 apart.
double Get_Circle_Overlap_Area(double r1, double r2, double d);

// Crossings of the line (lx, ly) with the circle: 0 none (outputs untouched), 1 touching (the
// touching point in both outputs), 2 with the entry point first in the direction of the line.
int Intersect_Line_Circle(double cx, double cy, double r, const double* lx, const double* ly,
                          double* ox, double* oy);

// Crossings of the segment (sx, sy) with the circle, 0 to 2 in the direction of the segment; a
// segment that only touches has none. With with_ends 0 an entry point on the segment's first end
// and an exit point on its second end do not count. Outputs first set to 0.
int Intersect_Segment_Circle(double cx, double cy, double r, const double* sx, const double* sy,
                             int with_ends, double* ox, double* oy);
int Intersect_Segment_Circle_With_Ends(double cx, double cy, double r, const double* sx,
                                       const double* sy, double* ox, double* oy);

// Crossings of the ray from (sx[0], sy[0]) through (sx[1], sy[1]) with the circle.
int Intersect_Ray_Circle(double cx, double cy, double r, const double* sx, const double* sy,
                         double* ox, double* oy);

// Crossings of the open polyline with the circle, segment by segment with their ends (a circle
// through a corner yields that point from both segments).
int Intersect_Polyline_Circle(int n, const double* x, const double* y, double cx, double cy,
                              double r, double** ox, double** oy);
// The same into caller arrays of 11; it stops after the segment that brings the count above 9.
int Intersect_Polyline_Circle_Fixed(int n, const double* x, const double* y, double cx,
                                    double cy, double r, double* ox, double* oy);

// 0 outside, 1 inside, 2 on the circle (5 decimals).
int Classify_Point_Circle(double cx, double cy, double r, double px, double py);
