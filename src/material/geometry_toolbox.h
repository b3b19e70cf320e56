// Geometry and numerics toolbox: sign and rounding to a step, powers and distances, quadratic
// roots, Simpson integration over tabulated values, point-in-polygon tests, collinearity and
// on-segment tests, intersections of lines, segments and circles, the distance of a point from a
// segment, area, centroid and perimeter of a polygon, a polygon offset and the intersection of two
// polygons.
//
// Doubles in the caller's unit, x right, y up; a polygon is a point array whose last point joins
// its first, and a positive signed area means counter-clockwise order. Tolerances: 0.000001 for
// zero tests of lengths, cross products and determinants; 0.01 at polygon boundaries (the
// boundary of Point_In_Polygon and the repeat test of Intersect_Polygons); a point lies inside a
// segment for parameters from -0.000001 to 1.000001. The solvers give 0 for success and 1 for no
// solution, the tests 1 for true and 0 for false.
#pragma once

// -1 for v < -0.000001, 1 for v > 0.000001, else 0.
double Sign_With_Tolerance(double v);

// v rounded to a whole number of steps (a step of 0 counts as 1); the magnitude rounds up from
// four ninths of a step: with step 1, 2.45 gives 3 and 2.44 gives 2.
double Round_To_Step(double v, double step);

double Square_Value(double v);
double Cube_Value(double v);

// Distance of two points; 0 when the sum of squares is not positive.
double Point_Distance(double x1, double y1, double x2, double y2);

// Exchanges the two values.
void Swap_Values(double* a, double* b);

// Roots of x^2 + p x + q = 0, root1 >= root2, by the form that keeps the small root exact: 0.
// No real root: root1 = root2 = 0 and 1.
int Solve_Quadratic(double p, double q, double* root1, double* root2);

// Integral over [a, b] of n tabulated values: n = 1 the value times (b - a), n = 2 the mean of the
// two times (b - a); n >= 3 Simpson's rule over the first m + 1 values equally spaced over [a, b],
// m = n - 1 rounded down to an even number (an even n leaves the last value unused). b = a or
// n < 1 gives 0.
double Integrate_Simpson(double a, double b, int n, const double* values);

// 1 when (px, py) lies inside the polygon or on its boundary (within 0.01 of a vertex or of a
// horizontal edge at its height, or on an edge), 0 outside and for n < 1.
int Point_In_Polygon(int n, const double* x, const double* y, double px, double py);
// The same with the tolerance tol; a negative tolerance makes the boundary count as outside.
int Point_In_Polygon_Tol(int n, const double* x, const double* y, double px, double py,
                         double tol);

// 1 when point 3 lies on the line through points 1 and 2 within tol.
int Points_Collinear(double x1, double y1, double x2, double y2, double x3, double y3, double tol);

// 1 when point 3 lies on the segment 1-2, more than tol away from both ends.
int Point_Inside_Segment(double x1, double y1, double x2, double y2, double x3, double y3,
                         double tol);

// Intersection of the lines 1-2 and 3-4: 0 found, 1 parallel (point (0, 0)).
int Cross_Lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                double y4, double* xs, double* ys);

// Intersection of the segments 1-2 and 3-4: 0 on both segments (point stored), -1 outside either
// (outputs 0), 1 parallel or one segment without length off the other's line (outputs 0).
int Cross_Segments(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4, double* xs, double* ys);

// 1 when the segments cross each other properly (end points touching do not count).
int Segments_Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4);

// Distance of (px, py) from the segment 1-2: perpendicular when its foot lies on the segment more
// than 0.001 from both ends, else the distance to the nearer end.
double Distance_Point_Segment(double x1, double y1, double x2, double y2, double px, double py);

// An intersection of two circles: the point left of the line from centre 1 to centre 2 (left set)
// or right of it; touching circles give the touching point. 0 found, 1 none (concentric, apart or
// nested). The outputs first receive half the centre offset; null outputs are skipped.
int Intersect_Circles(double x1, double y1, double r1, double x2, double y2, double r2, int left,
                      double* xs, double* ys);

// Area (positive), centroid (0, 0 for an area of 0.000001 or less) and perimeter (with the
// closing edge); null outputs are skipped.
void Compute_Polygon_Properties(int n, const double* x, const double* y, double* cx, double* cy,
                                double* area, double* perimeter);

// Moves every vertex by d along its corner's bisector, outward for d > 0 in either orientation.
// 0 done; 1 degenerate (no points, no area, all points one, or a corner whose neighbours coincide
// or whose chord has no length), nothing changed.
int Offset_Polygon(int n, double* x, double* y, double d);

// The intersection of polygons A and B into the output arrays of `capacity` points, its size in
// *n_out: B inside A gives B, A inside B gives A (both clockwise), disjoint polygons nothing;
// otherwise the boundary walk in clockwise order from the first vertex of A inside B (else of B
// inside A, else the first crossing), up to the first point that repeats an earlier one within
// 0.01. A capacity below 2 gives an empty result; when the work arrays cannot be had, *n_out = 0
// and the output arrays stay as they are.
void Intersect_Polygons(const double* xa, const double* ya, int na, const double* xb,
                        const double* yb, int nb, double* x_out, double* y_out, int* n_out,
                        int capacity);
