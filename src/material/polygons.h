// Polygon routines of the plane geometry: the position of a point against a polygon, the length of
// a closed line inside a polygon, the overlap of two polygons on a grid, rectangles and a regular
// polygon of a circle's area, extents, the cut of a polygon by a line, scaling, widening and corner
// offset about the centroid, the parallel offset of a polyline, and the clean-up routines that drop
// reflex corners and repeated points and count self-intersections.
//
// Conventions of point_transforms.h and line_intersections.h: a polygon is a point array (n, x, y)
// whose last point joins its first; lines in slope form with the vertical and parallel tolerance
// 0.00001; result lists as in point_lists.h (an empty result leaves both pointers null). A count
// below 1 reads and writes no point.
#pragma once

// Position of (px, py): -1 invalid input (no array or n < 1), 0 outside (also every polygon of
// fewer than 3 points), 1 inside, 2 on the boundary. Counted along the line to a far point up and
// to the right of the polygon; a line through a corner is turned and the count repeated, at most
// five times.
int Classify_Point_Polygon(int n, const double* x, const double* y, double px, double py);

// Length of the closed line (n, x, y) inside the polygon (m, u, w): each edge's crossings with the
// polygon, ordered along the edge without repeats (5 decimals), split it into pieces that lie
// alternately inside and outside, starting from the position of the edge's start.
double Get_Length_Inside_Polygon(int n, const double* x, const double* y, int m, const double* u,
                                 const double* w);

// Overlap of two polygons counted on a grid of at most 200 x 200 cells over their common bounding
// box: the area of the cells whose centres lie in (or on) both, and the extents of those centres
// (-2e100 without any). 1 when the area is positive. A polygon without points covers nothing; a
// box without width or height gives area 0.
int Get_Overlap_By_Grid(int n, const double* x, const double* y, int m, const double* u,
                        const double* w, double* area, double* width, double* height);
// The area of Get_Overlap_By_Grid, 0 without overlap.
double Get_Overlap_Area(int n, const double* x, const double* y, int m, const double* u,
                        const double* w);

// A regular n-gon of the area of the circle (cx, cy, r), its first corner at (cx + R, cy): 0.
// Fewer than 3 corners: 1, nothing written.
int Make_Equal_Area_Polygon(double r, double cx, double cy, int n, double* x, double* y);
// The four corners of a rectangle about (cx, cy), counter-clockwise from the lower left.
void Make_Rectangle(double width, double height, double cx, double cy, double* x, double* y);
// Extents of the points; no points leave 1e100, 1e100, -1e100, -1e100.
void Get_Polygon_Extents(int n, const double* x, const double* y, double* xmin, double* ymin,
                         double* xmax, double* ymax);

// The part of the polygon strictly to the left of the directed line (lx[0], ly[0]) ->
// (lx[1], ly[1]) (4 decimals): in corner order, each corner on the left, then the crossing of its
// edge with the line. The points into a result list that keeps room for at least n + 2 points,
// their number into *count. 1 when the line crosses an edge.
int Cut_Polygon_By_Line(int n, const double* x, const double* y, const double* lx,
                        const double* ly, int* count, double** ox, double** oy);

// Transformations about the centroid. 0 done; 1 for a polygon without area (no centroid), whose
// points stay as they are.
// Every point's distance from the centroid times factor.
int Scale_Polygon_About_Centroid(int n, double* x, double* y, double factor);
// Points left and right of the centroid move a further a outward in x, points below and above it
// b in y (4 decimals); points on the centroid's vertical or horizontal stay in that coordinate.
int Expand_Polygon_About_Centroid(int n, double* x, double* y, double a, double b);
// Every corner moves by |d| along the bisector of its edge directions, to the side where it does
// not land inside or on the polygon.
int Offset_Polygon_Corners(int n, double* x, double* y, double d);

// Parallel offset by d to the left of the direction of travel: a positive count n is a closed
// polygon of n points, a negative count -n an open polyline of n points. Each edge moves along its
// left normal (an edge without length by (d, 0)); neighbouring edges meet at the intersection of
// their moved lines, or at the middle of their moved ends when parallel. Counts -1 to 1 and
// distances below 0.00001 change nothing. A positive d moves the edges of a counter-clockwise
// polygon inwards.
void Offset_Polyline(double* x, double* y, int n, double d);

// Drops the reflex corners (those that turn against the polygon's orientation) and returns the
// number of points kept at the front of x and y.
int Drop_Reflex_Vertices(int n, double* x, double* y);
// Drops every point equal to its successor at 5 decimals (the last one's successor is the
// first); returns the number kept at the front of x and y (all points equal: 0, arrays as they
// were).
int Drop_Duplicate_Points(int n, double* x, double* y);
// Number of edge pairs that cross each other within both edges (5 decimals), away from the end
// points of the first edge of the pair.
int Count_Self_Intersections(int n, const double* x, const double* y, int closed);
