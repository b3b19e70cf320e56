// Annotation symbols of a graphic block: the section marker (cut line with viewing arrows and
// letters), the axis cross of a local coordinate system, a labelled arrow, level marks, a support
// symbol, a ground hatching, a double arrow with texts and the label of a reinforcing bar.
//
// Each symbol is one graphic group. Points are model units and sizes centimetres on paper; a
// paper offset becomes a model offset by dividing its x component by the x scale and its y
// component by the y scale, except where a symbol uses the larger scale for both.
#pragma once

// The cut line from the first to the second point, dash-dotted; with a letter at an end, a stub
// of 2 size cm to the left of the line, a filled arrowhead of 0.26 cm at its tip and the letter
// beyond it. A negative size turns stubs, arrows and letters to the other side; a null letter
// leaves its end bare, an empty one draws stub and arrow without a letter.
void OLI_Draw_Section_Marker(double x1, double y1, double x2, double y2, double size,
                             const char* letter1, const char* letter2);

// Axis cross: two arrows of the given length (cm) from (x0, y0), turned by the angle (radians),
// with their labels; a label may carry an index after the markup "╬\". Drawn only while the
// switch is on (it is at start).
void OLI_Set_Axis_Cross_Switch(int value);
void OLI_Draw_Axis_Cross(double x0, double y0, const char* x_label, const char* y_label,
                         double length, double angle);

// An arrow of the size (cm) from (x, y) in the direction of the angle (radians), with a cross
// stroke at its foot and the label beyond its tip.
void OLI_Draw_Label_Arrow(double x, double y, double size, double angle, const char* label);

// Level marks: a triangle with its tip at (x, y) and the text above it, upright on paper
// whatever the window's directions.
void OLI_Draw_Level_Mark(double x, double y, double line_length, const char* main_text,
                         const char* second_text, int fill_pattern, double size);
void OLI_Draw_Level_Triangle(double x, double y, const char* text, int filled, double size);
void OLI_Draw_Ground_Level_Mark(double x, double y, const char* text, double size);

// A support triangle at (x, y) turned by the angle (degrees), with an optional hinge circle and
// base line.
void OLI_Draw_Support_Symbol(double x, double y, double angle, int fill_pattern, int hinge,
                             int base_line, double size);
// A ground line with six hatch strokes, turned by the angle (degrees).
void OLI_Draw_Ground_Hatching(double x, double y, double angle, double size);

// A line with open arrowheads at both ends, the upper text above its middle and the lower text
// below it, or in a gap of the line when the upper text is empty.
void OLI_Draw_Double_Arrow(double x1, double y1, double x2, double y2, const char* upper_text,
                           const char* lower_text);

// The label of a reinforcing bar from the first to the second point: dimension-like line with
// ticks, area per metre, diameter and spacing, concrete cover and the steel with its position
// number. Steel index 0 to 2, diameter index 0 to 9; a bar shorter than 5 model units or an index
// outside the tables draws nothing.
void OLI_Draw_Bar_Label(double x1, double y1, double x2, double y2, double size,
                        int steel_index, int diameter_index, double spacing, double area,
                        double c_value, double v_value, int position_number);
