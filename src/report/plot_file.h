// Plot-file mirror of the report graphics: a second file in a text plot format ("zarn-Vistrel
// (1.0)A" is its first line) into which the graphic writers copy every line, area and text while
// a plot file is open. The file has a header of tables (colours, pens, line types, fonts,
// fillings, coordinate systems, layers) and numbered drawing entities.
//
// Entities carry model units turned by the block's rotation (not scaled); when the block's window
// runs downwards in y, each y is mirrored to mirror sum - y. Element and point ids are the
// running ids of Graphic_Block_State.
//
// With colour count c: pens 0 to 7c + 6 (seven widths for each colour 0 to c), fillings 0 to
// 3c + 2, line types 0 to 3, fonts 0 to 11, layers 0 to 4.
#pragma once

#include <cstdio>

struct Plot_File_State {
    FILE* stream = nullptr;   // null while no plot file is open
    double scale = 1;         // model units to the plot's units
    int colour_count = 5;
    int pen = 0;
    int filling = 0;          // -1: no filling
    int line_type = 0;
    int font = 0;
};

extern Plot_File_State Plot_State;

// A header writer: (stream, title, x offset, y offset, width, height).
using Plot_Header_Writer = void (*)(FILE* stream, const char* title, double x_offset,
                                    double y_offset, double width, double height);

// Openers: store the stream and the scale; with a null stream nothing more. Otherwise the window
// corners are turned by the rotation, the header is written over their extent, then the entity
// section begins and pen, filling, line type and font are reset to 0. The title formats are
// printf formats, formatted into at most 255 characters.
void Plot_Open(FILE* stream, double x1, double y1, double x2, double y2, double scale,
               double rotation, const char* title_format, ...)
    __attribute__((format(printf, 8, 9)));
void Plot_Open_Grey(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                    double rotation, const char* title_format, ...)
    __attribute__((format(printf, 8, 9)));
void Plot_Open_With_Header(FILE* stream, double x1, double y1, double x2, double y2,
                           double scale, double rotation, const char* title,
                           Plot_Header_Writer header);

// The colour header and the grey header (which sets the colour count to 5); both leave the point
// and element ids at 1.
void Plot_Write_Header(FILE* stream, const char* title, double x_offset, double y_offset,
                       double width, double height);
void Plot_Write_Grey_Header(FILE* stream, const char* title, double x_offset, double y_offset,
                            double width, double height);

// "*EOI", closes the stream and clears it; nothing without an open plot.
void Plot_Close();

void Plot_Set_Pen(int pen);            // negative -> 0, at most 7c + 6
void Plot_Set_Filling(int filling);    // negative -> -1 (none), at most 3c + 2
void Plot_Set_Line_Type(int type);     // 0 to 3
void Plot_Set_Font(int font);          // 0 to 11
void Plot_Set_Layer(int layer);        // "-setlayer", 0 to 4, only with a plot file open

// Entity writers of the graphic primitives. Each writes only with a plot file open, takes turned
// model coordinates, mirrors y as the block's window asks and uses up element and point ids.
bool Plot_Is_Open();
void Plot_Write_Line(double x1, double y1, double x2, double y2);
// Area of a filled rectangle given by its ordered corners (X1, Y1) and (X2, Y2); only when the
// filling is 0 or more.
void Plot_Write_Rectangle_Area(double x1, double y1, double x2, double y2);
// Area of a filled polygon; only when the filling is 0 or more.
void Plot_Write_Polygon_Area(int n, const double* x, const double* y);

// Pieces of an area with holes. Plot_Begin_Area writes "-area / holes filling" and, on the next
// line, the outer ring's item count; it gives false (and writes nothing) without an open plot or
// with no filling. The rings follow: Plot_Begin_Hole writes a hole ring's item count.
bool Plot_Begin_Area(int holes, int count);
void Plot_Begin_Hole(int count);
// Items of a ring of straight edges, the last pointing back to the ring's first point; flag 1 for
// the items of general polygons, 0 for regions and their holes.
void Plot_Write_Ring(int n, const double* x, const double* y, int flag);
// The ring of a filled rectangle from its ordered corners, as Plot_Write_Rectangle_Area writes it.
void Plot_Write_Rectangle_Ring(double x1, double y1, double x2, double y2);
// A circle as two half-circle items (top, then bottom) of radius r.
void Plot_Write_Half_Circles(double cx, double cy, double r);
// Area of a filled circle as two half circles; only when the filling is 0 or more.
void Plot_Write_Circle_Area(double cx, double cy, double r);
void Plot_Open_Group();
void Plot_Close_Group();
// A text entity: anchor 1 to 9; the angle in degrees. Fixed-angle writers pass the angle as its
// literal text ("0." or "90.") in fixed_angle, which then replaces the number.
void Plot_Write_Text(const char* text, int anchor, double x, double y, double angle_degrees,
                     const char* fixed_angle);
