// Graphic blocks of the print list: a report sketch embedded in the report as a "#SHOWGRAFIC"
// block, its window on paper, and the one module state behind every graphic writer.
//
// Callers draw in model units (their own coordinates; millimetres of the structure in the report
// sketches). Opening a block fixes the x and y scale (centimetres on paper per model unit) and a
// rotation in radians; the writers turn their points by the rotation, multiply x by the x scale
// and y by the y scale and write centimetres on paper with "%lf". Text heights, mark sizes and
// label distances are given in centimetres on paper.
//
// A block: the head (OLI_Open_Graphic), numbered commands one per line, and the closing line
// " -1", which the block's owner writes itself. Every line goes through Print_To_Stream, so a null
// stream writes nothing while the state still changes. A command whose numbers are not all finite
// is not written at all: the report never carries "nan" or "inf".
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>

// A colour of the block state: components as the setters received them (normally 0 to 255) and
// a brightness correction in percent.
struct Graphic_Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    double brightness = 0;
};

struct Graphic_Block_State {
    FILE* stream = nullptr;          // the print-list stream of the open block
    FILE* saved_stream = nullptr;    // the stream in use before the last switch

    double x_scale = 1;              // cm on paper per model unit
    double y_scale = 1;
    double smaller_scale = 1;
    double larger_scale = 1;
    double label_factor = 0.3;       // 0.3 cm in model units: 0.3 / larger scale
    double rotation = 0;             // radians; model points are turned by it before scaling
    double text_angle = 0;           // radians; angle of turned texts

    // One save slot of the groups (groups nest in the file, not here).
    double saved_text_angle = 0;
    double saved_rotation = 0;
    int saved_pen = 0;
    int saved_filling = 0;
    int saved_line_type = 0;
    int saved_font = 0;

    // Orientation of the (possibly turned) window.
    double mirror_sum = 0;           // y1 + y2
    int mirror_code = 0;             // 2 when y1 >= y2
    int half_turn = 0;               // 1 when y2 <= y1: the window's y axis runs downwards
    int x_direction = 1;             // 1 when x2 > x1, else 3
    double angle_sign = 1;           // -1 when exactly one axis runs backwards

    // Drawing extents in model units, seeded empty.
    double extent_min_x = 1e100;
    double extent_min_y = 1e100;
    double extent_max_x = -1e100;
    double extent_max_y = -1e100;

    int point_id = 1;                // running ids of the plot-file entities
    int element_id = 1;

    int verbose = 1;                 // group marks 52/53 and colour lines 50/51 are written
    int fill = 1;                    // clear: fill patterns write 0, filled polygons are skipped

    Graphic_Colour colour;           // current colour (command 50)
    Graphic_Colour second_colour;    // second colour (command 51)
    int coded_pattern = 0;           // code of the last coded fill pattern

    int Dimension_Flags = 0;         // end marks and extension lines of dimensions
    int alternation_switch = 1;      // pushed-out dimension labels alternate between two distances
    int alternation_state = 0;       // which distance the next pushed-out label takes
};

extern Graphic_Block_State Graphic_State;

// The print-list format generation that the writers produce: above 334 the heading and paragraph
// writers use their text forms, at 334 and below the older graphic and table forms. 338 at start.
extern int Print_List_Format_Level;

// Six caption texts of 80 bytes each; a caption is present when its first byte is not 0.
struct Graphic_Captions {
    char text[6][80];
};

void OLI_Open_Graphic(FILE* stream, double x1, double y1, double x2, double y2, double x_scale,
                      double y_scale, double rotation, const Graphic_Captions* captions);
void OLI_Open_Graphic_Uniform(FILE* stream, double x1, double y1, double x2, double y2,
                              double scale, double rotation, const Graphic_Captions* captions);

// " 30" (and " 52" in verbose mode); saves the text angle, the rotation and, with a plot file
// open, its pen, filling, line type and font into the one save slot.
void OLI_Begin_Graphic_Group();
// " 31" (and " 53" in verbose mode); restores what the last begin saved.
void OLI_End_Graphic_Group();

void OLI_Set_Graphic_Verbose(int verbose);
int OLI_Get_Graphic_Verbose();

// Text angle := angle times the angle sign, positive values reduced to (0, 2pi].
void OLI_Set_Text_Angle(double angle);
double OLI_Get_Text_Angle();

void OLI_Switch_Graphic_Stream(FILE* stream);
void OLI_Restore_Graphic_Stream();

// A paper length (cm) in model units along x and along y.
void OLI_Paper_To_Model(double length, double* x, double* y);
// A model point turned by the rotation and scaled to paper; each output may be null.
void OLI_Model_To_Paper(double x, double y, double* paper_x, double* paper_y);

void OLI_Reset_Extents();
void OLI_Get_Extents(double* min_x, double* min_y, double* max_x, double* max_y);

void OLI_Set_Format_Level(int level);
int OLI_Get_Format_Level();

// Helpers shared by the graphic writers.

// True when every value is a finite number.
bool All_Finite(std::initializer_list<double> values);

// Bounding box of the window's four corners turned about (0, 0) by the rotation.
struct Window_Extent {
    double x_min, y_min, x_max, y_max;
};
Window_Extent Turned_Window_Extent(double x1, double y1, double x2, double y2, double rotation);

// Turns a model point by the block's rotation about (0, 0).
void Turn_Point(double& x, double& y);

// Widens the drawing extents with a model point; a point that is not finite is left out.
void Widen_Extents(double x, double y);

// Reduces an angle by whole turns until it is at most 2pi; zero and negative angles stay, and a
// value that is not finite is returned as it is.
double Reduce_Angle_Below_Two_Pi(double angle);

// A number printed with the format (one conversion of a double) for a label: when the digits
// would run beyond 19 characters the exponent form "%.4g" is written instead, so a label stays
// short and readable for any value.
std::string Format_Number_Label(const char* format, double value);

// Style lines " <command> <value>": commands 4, 7 and 8 take an int, commands 6, 13 and 16 a
// length ("%lf", left out when not finite).
void Write_Graphic_Int(int command, int value);
void Write_Graphic_Length(int command, double value);

// A paper offset (cm, components px and py) in model units: x divided by the x scale, y by the
// y scale.
double Paper_X(double px);
double Paper_Y(double py);
