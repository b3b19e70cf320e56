// World-coordinate items on the current view area of the page context: lines, frames, filled
// rectangles, circles, arcs, disks, polygons and dimensions given in world units become ordinary
// view-area items in area pixels.
//
// Transform: with the scale s, the angle a and the origin (X0, Y0) a world point maps to the area point
//   x' = (s x - X0) cos a + (s y - Y0) sin a,  y' = (s y - Y0) cos a - (s x - X0) sin a,
// rounded half away from zero (and held inside the int range) when an item is added. At start
// s = 1, a = 0 and the origin (0, 0): world units are area pixels.
//
// Lines take the page context's text colour and are added only while world drawing is on (1 at
// start); filled rectangles and polygons take its fill colour at the time of adding and are always
// added. Nothing is added while the context has no area, nor for a point that cannot be mapped (not
// finite, or mapped back through a zero scale).
#pragma once

void Set_Item_World_Transform(double x0, double y0, double angle, double scale);
double Get_World_Scale();
void Set_World_Drawing(int on);

// A point in place: world to area, area to world.
void World_To_Area(double* x, double* y);
void Area_To_World(double* x, double* y);
// The distance in area pixels between two world points, not rounded.
double Get_World_Distance(double x1, double y1, double x2, double y2);

void Add_World_Line(double x1, double y1, double x2, double y2);
// The four sides (x1, y1)-(x2, y1)-(x2, y2)-(x1, y2)-(x1, y1) as world lines.
void Add_World_Frame(double x1, double y1, double x2, double y2);
// A filled rectangle between the two mapped corners.
void Add_World_Rectangle(double x1, double y1, double x2, double y2);
// World lines between consecutive points of n points (open).
void Add_World_Polyline(int n, const double* xs, const double* ys);
// A closed 72-gon of world lines through the points at 0, 5, ..., 355 degrees.
void Add_World_Circle(double x, double y, double r);
// When a2 > a1 (radians): world lines through the points at a1, a1 + 5 degrees, ... below a2 (at most
// 72 of them) and on to the point at a2.
void Add_World_Arc(double x, double y, double r, double a1, double a2);
// A filled disk of filled rectangles (x + r sin t, y + r cos t)-(x - r sin t, y - r cos t) for
// t = k D, k = 0 to n - 1: D = pi/32 and n = 16 for r below 10, pi/64 and 32 below 100, else pi/128
// and 64.
void Add_World_Disk(double x, double y, double r);
// A filled polygon of n points: a painter box over the polygon's bounding box in area pixels that
// holds its own copy of the points and fills them in the fill colour; the copy is freed with the
// item. The points also become the last polygon (World_Polygon_Store).
void Add_World_Polygon(int n, const double* xs, const double* ys);
// A dimension line between two points with a tick across it at each end, as three world lines: in
// the frame turned onto the segment the line runs from P1 to P2, and each tick from 5 pixels on one
// side to 5 pixels plus the length (pixels) on the other. Mode 0 takes y1 and y2 as area pixels (the
// world y of the area point (0, y)), mode 1 x1 and x2 (the world x of (x, 0)), mode 3 both points as
// area points; other modes take world points.
void Add_World_Dimension(int mode, double x1, double y1, double x2, double y2, double length);

// The area points of the last polygon added.
struct World_Polygon_Points {
    int n = 0;
    const int* x = nullptr;
    const int* y = nullptr;
};
World_Polygon_Points World_Polygon_Store();
