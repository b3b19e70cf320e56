// The frame that every report sketch shares: scale, graphic window, the command lines at the start
// and at the end of the block, and the small drawing steps that the sketches repeat (pen, font and
// line style lines, a part in section filled and outlined, a dimension).
//
// Model coordinates are millimetres of the connection, x to the right and y upwards, the drawing
// in the rectangle (0, 0) to (ext_x, ext_y). The scale k is cm of paper per mm; u = 1/k is the
// model length of one centimetre of paper, so every offset outside the drawing is a multiple of u.
#pragma once

#include <cstdio>

struct Sketch_Frame_Layout {
    double ext_x = 0, ext_y = 0;   // extents of the drawing (mm)
    double fit_x = 0, fit_y = 0;   // extents the automatic scale fits in (normally the same)
    double avail_y = 0;            // paper height (cm) for the automatic scale: 22.0 - m_y
    double top = 0;                // margin above ext_y (cm)
    double bottom = 1.0;           // margin below y = 0 (cm); 1 cm left and right
    bool label = true;             // this block carries the scale label when the user gave a scale
};

// Scale k (cm per mm) for the user scale 1:x: 0.1/x above 0.001, the automatic scale that fits the
// extents into 14.0 by avail_y cm below 0.001 (and for a value that is not a number), 100 at 0.001.
double Sketch_Scale(double x, double fit_x, double fit_y, double avail_y);

// Initialises the style, opens the graphic block with its window and writes the head lines and,
// when x > 0.001 and the layout asks for it, the scale label "Maßstab 1:x" at the lower left corner
// of the window. Result: u = 1/k.
double Open_Report_Sketch(FILE* stream, double x, const Sketch_Frame_Layout& layout);

// Ends the group and the block and moves the report's position back by 0.5 cm. Result: that of
// the vertical move.
int Close_Report_Sketch(FILE* stream);

// " 4 n", " 7 n" and the line styles of the sketches: solid, dashed (2, "0.1 0.1") and dash-dot
// (4, "0.28 0.05 0.04 0.05").
void Sketch_Pen(int pen);
void Sketch_Font(int font);
void Sketch_Line_Solid();
void Sketch_Line_Dashed();
void Sketch_Line_Dash_Dot();

// OLI_Draw_Dimension with the sketches' text size 0.1.
void Sketch_Dimension(double x1, double y1, double x2, double y2, int placement);

// The sketches' drawing convention: fill pattern and colour, the filled shape, then Black (which
// stays current) and, for the outlined forms, the closed outline of the same points.
void Sketch_Fill(int fill, int colour, int n, const double* x, const double* y);
void Sketch_Fill_Outlined(int fill, int colour, int n, const double* x, const double* y);
void Sketch_Fill_Rectangle(int fill, int colour, double x1, double y1, double x2, double y2);
