// Value diagrams of the report graphics: the distribution of a value along a structural member
// (Member_Diagram, a filled area beside the member with labelled extremes), a framed diagram with
// axes, ticks, grid and axis titles (Diagram_Settings, opened by OLI_Open_Diagram, closed by
// OLI_End_Diagram; the caller draws its curves in between with the primitives), and a quick plot
// of one curve in a graphic block of its own (OLI_Plot_Curve).
//
// Points are model units, sizes centimetres on paper; a paper distance becomes a model distance by
// dividing it by the block's scale of its axis. Nothing that is not finite is drawn: a record or a
// setting with such a value draws nothing at all.
#pragma once

#include <cstdio>

struct Member_Diagram {
    char name[12] = {};          // copied with the record, not drawn
    int fill_pattern = 11;       // " 20  p" before the area; negative: no fill command
    double x1 = 0, y1 = 0;       // start of the member (model units)
    double x2 = 0, y2 = 0;       // end of the member
    int fibre = 1;               // nonzero: the dashed fibre line beside the member
    int second = 2;              // copied with the record, not used in drawing
    int count = 0;               // stations
    double* positions = nullptr; // distance of each station from the start, model units
    double* values = nullptr;
    double value_scale = 1.0;    // model units of ordinate per unit of value
    double label_offset = 0.3;   // cm beyond the ordinate
    int decimals = 2;            // of the value labels, held to 0 to 9
    int side = 1;                // nonzero: ordinates to the right of the member's direction
};

// The defaults with count stations at position and value 0 (no arrays for a count of 0 or less).
void OLI_Init_Member_Diagram(Member_Diagram* d, int count);
// Every field copied (the name bounded to 11 characters); the target's arrays resized and filled,
// or freed when the count is below 1.
void OLI_Copy_Member_Diagram(Member_Diagram* target, const Member_Diagram* source);
void OLI_Free_Member_Diagram(Member_Diagram* d);

// The filled area of the ordinates with its outline, the ordinate lines, the value labels at the
// first and last station and at every local extreme with a sign circle at the extremes, the member
// line and the fibre line. Nothing for a member shorter than 0.1 cm on paper or without stations.
void OLI_Draw_Member_Diagram(const Member_Diagram* d);

// The text as command 2 four times, 0.01 cm apart in x and y.
void OLI_Draw_Bold_Text(double x, double y, const char* text);

struct Diagram_Settings {
    double width = 5.0, height = 5.0;   // cm
    double top = 0.5, right = 0.5, bottom = 0.5, left = 0.5;   // margins, cm
    double x_min = 0, x_max = 100, y_min = 0, y_max = 100;
    int x_direction = 1;   // 1 rightwards, else reversed (3 also moves the x title's alignment)
    int y_direction = 0;   // 0 upwards, else reversed (2 also moves the y title's alignment)
    double x_tick = -1.0, y_tick = -1.0;   // no ticks when 0 or less
    int grid = 0;          // nonzero: a dashed grid line at every tick
    char x_title[100] = {};
    char y_title[100] = {};
};

void OLI_Init_Diagram_Settings(Diagram_Settings* s);

// Opens the block with the axes, arrowheads, titles and ticks. 0 when opened; 1, with nothing
// written, when a value range is empty, the paper less its margins leaves no room, a value is not
// finite, or an axis would carry more than 10 000 ticks.
int OLI_Open_Diagram(FILE* stream, const Diagram_Settings* s);
// " -1" while the last diagram was opened.
void OLI_End_Diagram();

// A block of its own with both axes and the curve through the n points, the origin always inside,
// a 1 cm margin; x normal 1 lets x grow rightwards, y reversed nonzero turns y downwards. Written
// only while the last diagram was opened; nothing when a range is 0 or a value is not finite.
void OLI_Plot_Curve(FILE* stream, int n, const double* x, const double* y, int x_normal,
                    int y_reversed, double width, double height);
