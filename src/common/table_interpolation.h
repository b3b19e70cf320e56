// Linear interpolation in a small table of points given in any order.
#pragma once

// The value at x of the table (xs[i], ys[i]), i = 0 .. n-1: the points are taken in ascending
// x (points with x equal at 4 decimals in their given order), and x is interpolated in the first
// pair that brackets it; below the first or above the last point the end pairs extrapolate. Two
// points with the same x and different y give +-1e100 by the sign of x. 0 for no points, ys[0]
// for one.
double Interpolate_Table(int n, const double* xs, const double* ys, double x);
