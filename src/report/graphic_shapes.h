// Drawing primitives of a graphic block: lines, rectangle outlines and filled rectangles, filled
// polygons and polylines, arcs, filled sectors and filled circles, and the dimension settings.
//
// Every coordinate and length is in model units; circles and arcs take the diameter; arc angles
// are degrees, counter-clockwise from the positive x axis. Each shape widens the drawing extents
// with its model coordinates, turns its points by the block's rotation (sectors excepted), scales
// them to centimetres on paper and writes numbered commands; with a plot file open it also writes
// the plot-file entities. A shape with a coordinate that is not finite writes nothing.
#pragma once

#include <functional>

// Command 1: " 1  x1 y1 x2 y2".
void OLI_Draw_Line(double x1, double y1, double x2, double y2);

// Four lines from two opposite corners: (x1, y1)-(x1, y2), (x1, y2)-(x2, y2), (x2, y2)-(x2, y1),
// (x2, y1)-(x1, y1).
void OLI_Draw_Rectangle(double x1, double y1, double x2, double y2);
void OLI_Draw_Centred_Rectangle(double cx, double cy, double width, double height);

// Command 24: a filled rectangle, its corners ordered by the block's orientation.
void OLI_Fill_Rectangle(double x1, double y1, double x2, double y2);
void OLI_Fill_Centred_Rectangle(double cx, double cy, double width, double height);

// Command 18 with n points, only while the fill switch is set. The arrays are turned in place
// while they are written and turned back before the call returns (up to rounding).
void OLI_Fill_Polygon(int n, double* x, double* y);
// Command 18 with three or four points, whatever the fill switch.
void OLI_Fill_Triangle(double* x, double* y);
void OLI_Fill_Quadrilateral(double* x, double* y);

// Lines between successive points, closed back from the first to the last point; a negative n
// draws an open polyline of -n points. Fewer than two points draw nothing.
void OLI_Draw_Polyline(int n, const double* x, const double* y);

// Chords of the arc from the start angle over the sweep (degrees), through OLI_Draw_Line; the
// step is pi/32 up to a sweep of 180 degrees, else pi/16.
void OLI_Draw_Arc(double cx, double cy, double diameter, double start, double sweep);
// Command 18: centre, start point, the grid angles of pi/16 inside the arc, end point. The
// points are not turned.
void OLI_Fill_Sector(double cx, double cy, double diameter, double start, double sweep);
// Command 18 with 32 points counter-clockwise from the positive x direction.
void OLI_Fill_Circle(double cx, double cy, double diameter);

// Dimension settings (see dimension_lines.h for the bits).
void OLI_Set_Dimension_Flags(int flags);
void OLI_Set_Label_Alternation_Off();
void OLI_Set_Label_Alternation_On();

// Helpers shared by the composite shapes.

// The polygon writer behind OLI_Fill_Polygon, whatever the fill switch: widens the extents, turns
// the arrays in place, writes command 18 (" \n" at the end) and the plot area, turns them back.
void Fill_Polygon_Core(int n, double* x, double* y);

// The corners of a filled rectangle turned and ordered by the block's orientation (model units).
struct Ordered_Rectangle {
    double X1, Y1, X2, Y2;
};
// Steps of OLI_Fill_Rectangle before its plot area: extents, turning, order and command 24; false
// (nothing written) when a corner is not finite.
bool Write_Filled_Rectangle(double x1, double y1, double x2, double y2, Ordered_Rectangle& r);

// The chords of OLI_Draw_Arc, each handed to the writer (model points, not yet turned), within a
// plot group when a plot file is open.
void Draw_Arc_Chords(double cx, double cy, double diameter, double start, double sweep,
                     const std::function<void(double, double, double, double)>& chord);
