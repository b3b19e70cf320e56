// One fastener drawn into the open graphic block of a report sketch: a bolt, injection bolt,
// anchor bolt, rivet or pin in side view (axis vertical), a hexagon head or nut seen across its
// corners, and a head or nut seen along the axis. Lengths are model mm of the sketch (x to the
// right, y upwards); colours and fills are those of Sketch_Style.
#pragma once

#include <cstdio>

#include "checks/fastener.h"

// Pen 2 outlines and the size label when nonzero, pen 1 and no label when 0; initially 1.
extern int Fastener_Emphasis;
void Set_Fastener_Emphasis(int value);

// u: model length of 1 cm of paper; x: the axis; y: the upper face of the part under the head (for
// pins the middle plane of eye bar 1); T1: thickness from y down to the head; t2: thickness above
// the packing tp; dt: the gap of pin joints; thread_in_shear_plane 0 or 1. The stream is not used:
// everything goes to the open block. A kind above 4 draws nothing.
void Print_Bolt_Side_View(FILE* stream, double u, double x, double y, const Fastener& fastener,
                          double T1, double t2, double tp, double dt, int thread_in_shear_plane);

// A hexagon of width w (across corners) whose upper face lies at y: length L between the chamfers
// c_lo (lower) and c_up (upper).
void Print_Hexagon_Side_View(int colour, int fill, double x, double y, double L, double c_lo,
                             double c_up, double w);

// Head or nut along the axis at (x, y), with the washer under it when there are two; a is the
// distance of the dimensions, written only with with_dimensions.
void Print_Bolt_Plan_View(FILE* stream, double a, double x, double y, const Fastener& fastener,
                          int with_dimensions);
