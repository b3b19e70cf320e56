// Dimension chains: a row of points measured one after the other along one line. The points are
// brought onto the line, put in order along it, and each neighbouring pair gets a dimension.
// Points are model units, sizes centimetres on paper; a graphic block must be open.
//
// A Dimension_Point_Set is a pointer array whose items are points, each a separately allocated
// pair of doubles (x, y). The caller creates the array and adds points with
// OLI_Add_Dimension_Point. A chain that draws consumes the set: every point is released and the
// item vector given back, leaving an empty array that the caller still owns and may fill again.
// A chain that draws nothing (fewer than two points, an unknown type) leaves the set untouched.
//
// The unit text selects the dimension of every link: "mm" OLI_Draw_Dimension with the chain's
// placement; "cm" Draw_Unit_Dimension with the chain's unit and placement (no link for
// -0.00001 < unit < 0.00001); any other text, or none, OLI_Draw_Metre_Dimension.
#pragma once

#include "common/pointer_array.h"

using Dimension_Point_Set = Pointer_Array;

// 1 when the point was appended at the end, 0 when no memory is left (the set unchanged).
int OLI_Add_Dimension_Point(Dimension_Point_Set* set, double x, double y);

// Point comparators for PtrArr_Sort: -1, 0 or 1 on the exact values, no tolerance.
int Compare_Points_X_Descending(const void* a, const void* b);
int Compare_Points_X_Ascending(const void* a, const void* b);
int Compare_Points_Y_Descending(const void* a, const void* b);
int Compare_Points_Y_Ascending(const void* a, const void* b);

// Projects the points orthogonally onto the line through (x0, y0) in the direction angle
// (radians), sorts them by x ascending (x within 0.00001 by y ascending, so that a vertical chain
// has a defined order) and dimensions each neighbouring pair. Result: the largest link result, 0 when
// none.
double OLI_Draw_Dimension_Chain(Dimension_Point_Set* set, const char* unit_text, double x0,
                                double y0, double angle, double size, double unit, int placement);
// The same with the order chosen by the sort type: 1 x descending, 2 x ascending, 3 y descending,
// 4 y ascending, any other the order in which the points were added.
double OLI_Draw_Sorted_Dimension_Chain(Dimension_Point_Set* set, const char* unit_text, double x0,
                                       double y0, double angle, double size, double unit,
                                       int placement, int sort_type);
// A chain along an axis at the coordinate c: type 0 horizontal right to left, 2 left to right, 1
// vertical downwards, 3 upwards. Neighbours that do not differ along the chain get no link. 0 and
// the set untouched for another type.
double OLI_Draw_Axis_Dimension_Chain(Dimension_Point_Set* set, const char* unit_text, int type,
                                     double c, double size, double unit, int placement);
// Metre dimensions between the n points, projected onto the line through (xa, ya) and (xb, yb)
// and ordered along it from the first point of the line towards the second. The caller's arrays
// are not changed.
void OLI_Draw_Metre_Dimension_Chain(int n, const double* x, const double* y, double xa, double ya,
                                    double xb, double yb, double size);
