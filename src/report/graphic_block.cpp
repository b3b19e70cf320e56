#include "report/graphic_block.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/stream_print.h"
#include "material/index_sort.h"
#include "material/point_transforms.h"
#include "material/rounding.h"
#include "report/plot_file.h"

Graphic_Block_State Graphic_State;
int Print_List_Format_Level = 338;

namespace {

// Turns the window by the rotation and takes the bounding box of its four corners, keeping the
// direction of each axis.
void Turn_Window(double& x1, double& y1, double& x2, double& y2, double rotation) {
    const Window_Extent e = Turned_Window_Extent(x1, y1, x2, y2, rotation);
    if (x2 > x1) {
        x1 = e.x_min;
        x2 = e.x_max;
    } else {
        x1 = e.x_max;
        x2 = e.x_min;
    }
    if (y2 > y1) {
        y1 = e.y_min;
        y2 = e.y_max;
    } else {
        y1 = e.y_max;
        y2 = e.y_min;
    }
}

// A window value for the head line: a corner that is not finite is written as 0, so that the
// block stays readable (its commands are then skipped by the writers anyway).
double Window_Value(double v) { return std::isfinite(v) ? v : 0.0; }

// Caption text of at most 80 bytes, whether or not the caller terminated it.
void Write_Caption(FILE* stream, const char* text) {
    const int n = static_cast<int>(strnlen(text, 80));
    Print_To_Stream(stream, " %.*s\n", n, text);
}

void Write_Captions(FILE* stream, const Graphic_Captions& c, int first) {
    auto present = [&](int k) { return c.text[k][0] != 0 ? 1 : 0; };
    Print_To_Stream(stream, " %d %d %d\n", present(first), present(first + 1), present(first + 2));
    for (int k = first; k < first + 3; ++k)
        if (present(k)) Write_Caption(stream, c.text[k]);
}

}  // namespace

void OLI_Open_Graphic(FILE* stream, double x1, double y1, double x2, double y2, double x_scale,
                      double y_scale, double rotation, const Graphic_Captions* captions) {
    Graphic_Block_State& g = Graphic_State;
    g.alternation_state = 0;
    g.stream = stream;
    g.x_scale = x_scale;
    g.y_scale = y_scale;
    g.smaller_scale = std::min(x_scale, y_scale);
    g.larger_scale = std::max(x_scale, y_scale);
    g.label_factor = 0.3 / g.larger_scale;
    g.rotation = rotation;
    g.text_angle = 0;

    if (Round_To_Decimals(std::fabs(rotation), 3) != 0) Turn_Window(x1, y1, x2, y2, rotation);

    g.mirror_sum = y1 + y2;
    g.mirror_code = y1 >= y2 ? 2 : 0;
    const bool x_up = x2 > x1;
    const bool y_up = y2 > y1;
    g.x_direction = x_up ? 1 : 3;
    g.half_turn = y_up ? 0 : 1;
    g.angle_sign = x_up == y_up ? 1.0 : -1.0;

    Print_To_Stream(stream, "#SHOWGRAFIC\n");
    if (captions) {
        Write_Captions(stream, *captions, 0);
        Write_Captions(stream, *captions, 3);
    } else {
        Print_To_Stream(stream, " 0 0 0\n 0 0 0\n");
    }
    Print_To_Stream(stream, "%d\n", -1);
    Print_To_Stream(stream, "%lf %lf %lf %lf\n", Window_Value(x1 * x_scale),
                    Window_Value(x2 * x_scale), Window_Value(y1 * y_scale),
                    Window_Value(y2 * y_scale));
}

void OLI_Open_Graphic_Uniform(FILE* stream, double x1, double y1, double x2, double y2,
                              double scale, double rotation, const Graphic_Captions* captions) {
    OLI_Open_Graphic(stream, x1, y1, x2, y2, scale, scale, rotation, captions);
}

void OLI_Begin_Graphic_Group() {
    Graphic_Block_State& g = Graphic_State;
    Print_To_Stream(g.stream, " 30\n");
    if (g.verbose) Print_To_Stream(g.stream, " 52\n");
    if (Plot_Is_Open()) {
        g.saved_pen = Plot_State.pen;
        g.saved_filling = Plot_State.filling;
        g.saved_line_type = Plot_State.line_type;
        g.saved_font = Plot_State.font;
    }
    g.saved_text_angle = g.text_angle;
    g.saved_rotation = g.rotation;
}

void OLI_End_Graphic_Group() {
    Graphic_Block_State& g = Graphic_State;
    Print_To_Stream(g.stream, " 31\n");
    if (g.verbose) Print_To_Stream(g.stream, " 53\n");
    if (Plot_Is_Open()) {
        Plot_State.pen = g.saved_pen;
        Plot_State.filling = g.saved_filling;
        Plot_State.line_type = g.saved_line_type;
        Plot_State.font = g.saved_font;
    }
    g.text_angle = g.saved_text_angle;
    g.rotation = g.saved_rotation;
}

void OLI_Set_Graphic_Verbose(int verbose) { Graphic_State.verbose = verbose; }

int OLI_Get_Graphic_Verbose() { return Graphic_State.verbose; }

void OLI_Set_Text_Angle(double angle) {
    Graphic_State.text_angle = Reduce_Angle_Below_Two_Pi(angle * Graphic_State.angle_sign);
}

double OLI_Get_Text_Angle() { return Graphic_State.text_angle; }

void OLI_Switch_Graphic_Stream(FILE* stream) {
    Graphic_State.saved_stream = Graphic_State.stream;
    Graphic_State.stream = stream;
}

void OLI_Restore_Graphic_Stream() { Graphic_State.stream = Graphic_State.saved_stream; }

void OLI_Paper_To_Model(double length, double* x, double* y) {
    if (x) *x = length / Graphic_State.x_scale;
    if (y) *y = length / Graphic_State.y_scale;
}

void OLI_Model_To_Paper(double x, double y, double* paper_x, double* paper_y) {
    Turn_Point(x, y);
    if (paper_x) *paper_x = x * Graphic_State.x_scale;
    if (paper_y) *paper_y = y * Graphic_State.y_scale;
}

void OLI_Reset_Extents() {
    Graphic_State.extent_min_x = 1e100;
    Graphic_State.extent_min_y = 1e100;
    Graphic_State.extent_max_x = -1e100;
    Graphic_State.extent_max_y = -1e100;
}

void OLI_Get_Extents(double* min_x, double* min_y, double* max_x, double* max_y) {
    if (min_x) *min_x = Graphic_State.extent_min_x;
    if (min_y) *min_y = Graphic_State.extent_min_y;
    if (max_x) *max_x = Graphic_State.extent_max_x;
    if (max_y) *max_y = Graphic_State.extent_max_y;
}

void OLI_Set_Format_Level(int level) { Print_List_Format_Level = level; }

int OLI_Get_Format_Level() { return Print_List_Format_Level; }

bool All_Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

Window_Extent Turned_Window_Extent(double x1, double y1, double x2, double y2, double rotation) {
    double x[4] = {x1, x2, x2, x1};
    double y[4] = {y1, y1, y2, y2};
    Transform_Points(x, y, 4, 0, 0, rotation, 1);
    return {x[Find_Extreme_Index(4, x, 0)], y[Find_Extreme_Index(4, y, 0)],
            x[Find_Extreme_Index(4, x, 1)], y[Find_Extreme_Index(4, y, 1)]};
}

void Turn_Point(double& x, double& y) {
    Transform_Points(&x, &y, 1, 0, 0, Graphic_State.rotation, 1);
}

void Widen_Extents(double x, double y) {
    if (!All_Finite({x, y})) return;
    Graphic_Block_State& g = Graphic_State;
    g.extent_min_x = std::min(g.extent_min_x, x);
    g.extent_min_y = std::min(g.extent_min_y, y);
    g.extent_max_x = std::max(g.extent_max_x, x);
    g.extent_max_y = std::max(g.extent_max_y, y);
}

double Reduce_Angle_Below_Two_Pi(double angle) {
    if (!std::isfinite(angle)) return angle;
    // Far beyond a few turns the one-turn-at-a-time reduction would not end (a turn no longer
    // changes the value); take the remainder first.
    if (angle > 1e6 * Geometry_Two_Pi) {
        angle = std::fmod(angle, Geometry_Two_Pi);
        if (angle == 0) angle = Geometry_Two_Pi;
    }
    while (angle > Geometry_Two_Pi) angle -= Geometry_Two_Pi;
    return angle;
}

std::string Format_Number_Label(const char* format, double value) {
    constexpr std::size_t Label_Limit = 19;
    std::string s = Format_Text(format, value);
    if (s.size() > Label_Limit) s = Format_Text("%.4g", value);
    return s;
}

void Write_Graphic_Int(int command, int value) {
    Print_To_Stream(Graphic_State.stream, " %d %d\n", command, value);
}

void Write_Graphic_Length(int command, double value) {
    if (All_Finite({value})) Print_To_Stream(Graphic_State.stream, " %d %lf\n", command, value);
}

double Paper_X(double px) { return px / Graphic_State.x_scale; }

double Paper_Y(double py) { return py / Graphic_State.y_scale; }
