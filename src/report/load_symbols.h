// Structural load symbols of the report graphics: single load arrows with open, closed or filled
// heads, labelled arrows, a moment arrow on an arc, short vertical and horizontal arrows with a
// label, uniform and trapezoidal line loads drawn as rows of arrows, and load diagrams along a
// member. Coordinates are model units of the open block; angles are radians; text heights are
// centimetres on paper.
//
// An arrow is described in its own frame, tip at the origin and pointing along +x: head corners
// (-head, -width/2) and (-head, width/2), tail (-shaft, 0), middle of the head's base (-head, 0),
// label anchor (-shaft - width, 0). Head styles: 0 open (three lines from the tip), 1 closed (the
// shaft to the head's base and the head outlined), 2 filled (fill pattern 55, the shaft to the
// head's base and the filled head); any other style draws only the group.
//
// Nothing that is not finite is drawn, and a row of arrows holds at most 10 000 arrows.
#pragma once

void OLI_Draw_Load_Arrow(double x, double y, double angle, double shaft, double head,
                         double width, int style);
// The arrow and, when the text is not empty, the text at the label anchor, aligned away from the
// arrow by its direction.
void OLI_Draw_Load_Arrow_Labelled(double x, double y, double angle, double shaft, double head,
                                  double width, int style, double text_height, const char* text);
// An arrow from the tail (x2, y2) to the tip (x1, y1).
void OLI_Draw_Load_Arrow_Between(double x1, double y1, double x2, double y2, double head,
                                 double width, int style);
// An arc of radius |radius| from the start to the end angle and, with a text, a labelled arrow
// at its end, square to the radius.
void OLI_Draw_Moment_Arrow(double cx, double cy, double radius, double start, double end,
                           double size, double width, int style, double text_height,
                           const char* text);
// A short arrow of length d with a filled head at (x, y) and its label beyond the tail; d is
// negated in a window whose y axis runs downwards.
void OLI_Draw_Vertical_Load_Arrow(double x, double y, double d, const char* text);
void OLI_Draw_Horizontal_Load_Arrow(double x, double y, double d, const char* text);

// About five arrows of length f per centimetre of paper between the two points, the base and the
// tail line, and the text in a blank box. Nothing for a vertical base (|x2 - x1| < 0.00001).
void OLI_Draw_Uniform_Load(double x1, double y1, double x2, double y2, double f,
                           double text_height, const char* text);
// About one arrow per 2 cm of paper; arrow i stands at (x1 + i dx/n, y1 + i (y2 - y1)/n) with its
// tip on the base line and its tail at + q_i, q_i = q1 + i (q2 - q1)/n; the tail line runs from
// (x1, y1 + q1) to (x2, y2 + q2) and the label box is centred at the middle of the base raised by
// (q1 + q2)/4. In a window whose y axis runs downwards both q1 and q2 are negated.
void OLI_Draw_Trapezoid_Load(double x1, double y1, double x2, double y2, double q1, double q2,
                             double text_height, const char* text);

// Load diagrams of a member from (x1, y1) to (x2, y2) with the load q1 at the start and q2 at the
// end: arrows at n + 1 points every L/n along the member (OLI_Draw_Arrow).
void OLI_Draw_Axial_Load_Diagram(double x1, double y1, double x2, double y2, double q1, double q2);
void OLI_Draw_Load_Diagram_X(double x1, double y1, double x2, double y2, double q1, double q2);
void OLI_Draw_Load_Diagram_Y(double x1, double y1, double x2, double y2, double q1, double q2);
void OLI_Draw_Load_Diagram_Normal(double x1, double y1, double x2, double y2, double q1,
                                  double q2);
