// Linear interpolation between two points and between two lines of a chart, and the choice of a
// drawing scale that fits model extents onto a paper area. Values are in the caller's units and
// computed in extended precision; abscissae closer than 0.000001 count as one.
#pragma once

// The value at x on the line through (x1, y1) and (x2, y2), stored in *out (also when x lies
// outside); 1 when x lies between x1 and x2, with an allowance of 0.0001 * |value| beyond the
// ends. A vertical segment gives its middle at x on it; a single point continued with slope 1
// away from it; a vertical segment with x away from it stores 0 and returns 0.
int Interpolate_Linear(double x1, double y1, double x2, double y2, double x, double* out);

// Two-stage interpolation in a chart: line A through (x1, y1), (x2, y2) belongs to parameter p1,
// line B through (x3, y3), (x4, y4) to p2. Direction 1: the ordinate at *x of the curve for p
// into *y; any other direction: the abscissa at *y into *x. 1 when all three stages lie inside;
// 0 with nothing stored when line A or B fails or lies outside.
int Interpolate_Between_Lines(double p1, double x1, double x2, double y1, double y2, double p2,
                              double x3, double x4, double y3, double y4, double p, double* y,
                              double* x, int direction);

// Scale in cm of paper per model unit (100/n is 1:n for metres) at which the extents fit the
// paper sizes in cm; a paper size of 0.999 cm or less does not limit. exact != 0: 100/n with n
// the next integer above the larger ratio (a ratio within 0.001 above an integer keeps it);
// exact = 0: n raised to a step 1, 2, 3, 4, 5, 10, 15, 20, ... When nothing limits the scale
// (empty extents, no usable paper size) both modes give 100, the scale 1:1.
double Choose_Drawing_Scale(double extent_x, double extent_y, double avail_x, double avail_y,
                            int exact);
