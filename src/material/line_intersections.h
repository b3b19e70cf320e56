// Angles, lines and segment intersections of the plane geometry: the bisector of two directions,
// the normalisation of an angle, points at a distance along a line, the test whether a point lies
// on a line, the parallel shift of a segment, the width of a point set across a direction, the
// projection of points onto a line, the distance from a line, and the intersections of lines,
// segments, rays and polylines.
//
// Conventions of point_transforms.h: doubles in the caller's unit, x right, y up, angles in
// radians counter-clockwise (only the degree bisector takes degrees). A line through two points
// has the direction of Get_Segment_Angle; in its frame a point has the along coordinate
// u = x cos t + y sin t and the across coordinate v = y cos t - x sin t. Lines and segments
// closer to vertical than 0.00001 in x count as vertical; slopes closer than 0.00001 as parallel.
// A polyline is a point array with an open/closed switch: n points open have the n - 1 segments
// (i - 1, i), closed also the segment (n - 1, 0). Result lists are those of point_lists.h: the
// caller passes the addresses of its two array pointers and releases the result with
// Free_And_Null; an empty result leaves both pointers null.
#pragma once

// The direction of a line as the cosine and sine of its Get_Segment_Angle; a vertical line has
// the sine exactly +-1 and the double cosine of pi/2 or 3pi/2.
struct Line_Direction {
    double c = 1;
    double s = 0;
};
Line_Direction Get_Line_Direction(double x1, double y1, double x2, double y2);
inline double Along_Line(const Line_Direction& d, double x, double y) { return x * d.c + y * d.s; }
inline double Across_Line(const Line_Direction& d, double x, double y) { return y * d.c - x * d.s; }
// The plane point of the frame point (u, v).
void Point_From_Line_Frame(const Line_Direction& d, double u, double v, double* x, double* y);

// Slope form of the line through a and b: slope m and intercept c, m = 1e100 for a vertical line
// (|xa - xb| < 0.00001), whose position is then xa.
struct Slope_Line {
    double m = 0;
    double c = 0;
    double xa = 0;
};
Slope_Line Make_Slope_Line(double xa, double ya, double xb, double yb);
bool Is_Vertical_Slope(const Slope_Line& line);
bool Slope_Lines_Parallel(const Slope_Line& a, const Slope_Line& b);
// The intersection of two lines that are not parallel.
void Cross_Slope_Lines(const Slope_Line& a, const Slope_Line& b, double* x, double* y);

// 1 when (px, py) lies within the coordinate ranges of the segment a-b, each end tested with
// Round_To_Decimals at the given decimals (so it may stand that far outside).
int Lies_Within_Segment(double px, double py, double xa, double ya, double xb, double yb,
                        int decimals);

// Bisector of two directions in degrees, in [0, 360): both brought into [0, 360), the mean, turned
// by 180 degrees when they lie more than 180 degrees apart. A non-finite input gives NaN.
double Get_Bisector_Angle_Deg(double a, double b);
// The same in radians.
double Get_Bisector_Angle(double a, double b);
// A negative angle (at 4 decimals) brought into [0, 2pi); others stay, also 2pi and more. A
// non-finite angle gives NaN.
double Normalize_Angle_Positive(double a);
// a reflected at b: 2b - a.
double Mirror_Value(double a, double b);

// The point at distance d along the line (x1, y1) -> (x2, y2) from the first point (from_end 0)
// or from the second, on the line through the first point.
void Get_Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end,
                          double* ox, double* oy);
// d > 0 measured from the first point, d <= 0 back from the second; 1 when |d| exceeds the
// segment's length (the point is written in both cases).
int Get_Point_On_Segment(double x1, double y1, double x2, double y2, double d, double* ox,
                         double* oy);
// 1 when (x, y) lies on the line through the two points at the given decimals: y against the
// line's value at x; x against the line on a vertical line; both coordinates when the two points
// are one.
int Point_Lies_On_Line(double x1, double y1, double x2, double y2, double x, double y,
                       int decimals);
// Moves the segment in place by d to its left, seen from the first point to the second.
void Offset_Segment(double* x1, double* y1, double* x2, double* y2, double d);
// Extent of the points along the direction angle; 2e100 for no points.
double Get_Projected_Width(int n, const double* x, const double* y, double angle);
// Every point replaced by the foot of its perpendicular on the line.
void Project_Points_On_Line(int n, double* x, double* y, double x1, double y1, double x2,
                            double y2);
// Distance of (px, py) from the line through the two points.
double Get_Distance_To_Line(double px, double py, double x1, double y1, double x2, double y2);

// Intersection of the lines through 1-2 and 3-4: 0 found, 1 parallel (point (0, 0)).
int Intersect_Lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double* ox, double* oy);
// The same for the segments: 1 when the point lies within both at 5 decimals, else 0 (parallel:
// 0 and (0, 0)).
int Intersect_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                       double x4, double y4, double* ox, double* oy);
// The ray from point 1 through point 2 against the segment 3-4, as Intersect_Segments.
int Intersect_Ray_Segment(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, double* ox, double* oy);
// The line through (lx[0], ly[0]), (lx[1], ly[1]) against the segment (sx, sy): 1 crossing
// within the segment at 8 decimals, 2 the segment lies on the line, else 0.
int Intersect_Line_Segment(double* ox, double* oy, const double* lx, const double* ly,
                           const double* sx, const double* sy);
// 1 when two segments lie on one line (slopes with their sign within 0.00001, the second's ends
// within 0.00001 of the first's line; horizontal segments at exactly one height) and overlap;
// the overlap's ends on the line, the end of lower x (of a vertical line: lower y) first.
int Overlap_Parallel_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                              double x4, double y4, double* ox1, double* oy1, double* ox2,
                              double* oy2);

// Crossings of a polyline with a line: a point met again at once (6 decimals) counts once, and the
// first point of a closed polyline, met again by its closing segment, counts once.
int Intersect_Polyline_Line(int n, const double* x, const double* y, int closed, const double* lx,
                            const double* ly, double** ox, double** oy);
// The same into caller arrays of 10 (repeats at 5 decimals); at most 10 points.
int Intersect_Polyline_Line_Fixed(int n, const double* x, const double* y, int closed,
                                  const double* lx, const double* ly, double* ox, double* oy);
// Crossings of a polyline with a segment; the last point of a closed polyline goes when it equals
// the first exactly.
int Intersect_Polyline_Segment(int n, const double* x, const double* y, int closed, double sx1,
                               double sy1, double sx2, double sy2, double** ox, double** oy);
// The same into caller arrays of 10, without the closing test; at most 10 points.
int Intersect_Polyline_Segment_Fixed(int n, const double* x, const double* y, int closed,
                                     double sx1, double sy1, double sx2, double sy2, double* ox,
                                     double* oy);
// Crossings of two polylines, segment by segment of the first; a crossing met again at once
// (exactly) counts once.
int Intersect_Polylines(int n, const double* x, const double* y, int closed, int m,
                        const double* px, const double* py, int closed_b, double** ox,
                        double** oy);
