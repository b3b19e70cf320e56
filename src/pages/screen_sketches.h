// The dimensioned sketches of the four connection forms on screen, painted live from the record that
// the form edits, and the fastener in side view that the bolted and T-stub sketches stand in their
// plates.
//
// Each sketch is the View_Area_Painter of its form's painter box: (x1, y1, x2, y2) is the box on the
// screen and data points to the form's connection record in editing form (forces in kN, flag bits in
// the page's editing flags). A sketch paints from a packed copy of the record: it packs the copy as
// the form's pack step does, runs the input check silently on it, fits the drawing into the box and
// draws it; the record itself is never written, so a repaint leaves it exactly as it was. An input
// error shows two red lines instead (Sketch_Height 60); a drawing without extent leaves the box
// untouched (Sketch_Height 0).
#pragma once

#include "checks/fastener.h"
#include "sketches/screen_sketch_frame.h"

// data: a Bolt_Connection.
void Draw_Bolt_Connection_Sketch(int x1, int y1, int x2, int y2, void* data);
// data: a Weld_Connection.
void Draw_Weld_Connection_Sketch(int x1, int y1, int x2, int y2, void* data);
// data: a T_Stub_Tension.
void Draw_T_Stub_Tension_Sketch(int x1, int y1, int x2, int y2, void* data);
// data: a T_Stub_Compression.
void Draw_T_Stub_Compression_Sketch(int x1, int y1, int x2, int y2, void* data);

// One fastener (in stored units) standing on its axis x with its head up, drawn at s pixels per mm.
// a, b, c, d are plate thicknesses in pixels: for bolts, injection bolts, anchors and rivets the
// plate a lies above the reference line y, c below it and b below c (b = 0: no nut side shown); for
// pins a is the middle plate centred on y, b the plate on each side of it and d the gap between
// them. A kind outside 0 to 4 draws nothing.
void Draw_Bolt_Side_View(int x, int y, double s, const Fastener& fastener, int a, int b, int c, int d);
