// Point arrays, frame transforms and segment directions: the base of the plane geometry.
//
// A point set is two parallel double arrays x and y with a count n (point i is (x[i], y[i]));
// the caller owns them and the routines work in place. A polygon's last point joins back to its
// first. Coordinates are in the caller's unit with x to the right and y upwards; angles are in
// radians, counter-clockwise from the positive x axis. A segment is vertical when its x
// difference lies strictly between -0.00001 and 0.00001. A count below 1 touches nothing.
//
// A frame has an origin (x0, y0), an angle a and a scale s: its x axis points in direction a,
// and one unit of the frame is 1/s units of the plane.
#pragma once

// The angles as stored double constants.
inline constexpr double Geometry_Pi = 3.141592653589793;
inline constexpr double Geometry_Half_Pi = 1.5707963267948966;
inline constexpr double Geometry_Three_Half_Pi = 4.71238898038469;
inline constexpr double Geometry_Two_Pi = 6.283185307179586;

// Plane to frame: shift by -(x0, y0), rotate by -angle, scale.
void Transform_Points(double* x, double* y, int n, double x0, double y0, double angle,
                      double scale);

// Frame to plane, the inverse of Transform_Points with the same arguments.
void Untransform_Points(double* x, double* y, int n, double x0, double y0, double angle,
                        double scale);

// A coordinate rounded half away from zero to an int, held at the ends of the int range; a value
// that is not a number gives 0.
int Round_To_Pixel_Int(double v);

// Transform_Points, then each coordinate rounded half away from zero to an int in ix, iy;
// coordinates beyond the int range are held at its ends, a value that is not a number gives 0.
void Transform_Points_To_Pixels(double* x, double* y, int n, double x0, double y0, double angle,
                                double scale, int* ix, int* iy);

// Direction of the segment (x1, y1) -> (x2, y2) in (-pi/2, 3pi/2]; a vertical segment gives pi/2
// upwards and 3pi/2 otherwise (two equal points too).
double Get_Segment_Angle(double x1, double y1, double x2, double y2);

// The same direction in [0, 2pi).
double Get_Segment_Angle_Positive(double x1, double y1, double x2, double y2);

// Unsigned angle in [0, pi] between the directions of two segments; 0 when either has no length.
double Get_Angle_Between_Segments(double x1, double y1, double x2, double y2, double x3,
                                  double y3, double x4, double y4);

// Reverse a polygon's order when it runs the other way; a polygon of zero area stays.
void Orient_Polygon_Counterclockwise(int n, double* x, double* y);
void Orient_Polygon_Clockwise(int n, double* x, double* y);

// x_out = x, y_out = height - y, then ordered counter-clockwise in the flipped coordinates. The
// output arrays may be the input arrays.
void Flip_Polygon_Y(int n, const double* x, const double* y, double height, double* x_out,
                    double* y_out);
