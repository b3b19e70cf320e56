#include "report/graphic_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "common/stream_print.h"
#include "material/index_sort.h"
#include "material/point_transforms.h"
#include "material/rounding.h"
#include "report/graphic_block.h"
#include "report/plot_file.h"

namespace {

constexpr double Degree = Geometry_Pi / 180;
constexpr int Circle_Points = 32;
constexpr int Sector_Grid_Steps = 64;

// Start and end angle of an arc (radians): the start is brought to [0, 2pi) by whole turns and
// the end past the start. Angles that are not finite give false: there is no arc to draw. Far
// beyond a few turns the remainder is taken first, so that the turn-by-turn steps always end.
bool Normalise_Arc_Angles(double& s, double& e) {
    if (!All_Finite({s, e})) return false;
    constexpr double Far = 1e6 * Geometry_Two_Pi;
    if (s < -Far) s = std::fmod(s, Geometry_Two_Pi);
    while (s < 0) s += Geometry_Two_Pi;
    if (e < s - Far) e = s - std::fmod(s - e, Geometry_Two_Pi);
    while (e < s) e += Geometry_Two_Pi;
    return true;
}

// Command 18 followed by the plot area: the arrays hold turned model points.
void Write_Polygon(int n, const double* x, const double* y) {
    const Graphic_Block_State& g = Graphic_State;
    for (int i = 0; i < n; ++i)
        if (!All_Finite({x[i] * g.x_scale, y[i] * g.y_scale})) return;
    Print_To_Stream(g.stream, " 18 %d", n);
    for (int i = 0; i < n; ++i) Print_To_Stream(g.stream, " %lf %lf", x[i] * g.x_scale, y[i] * g.y_scale);
    Print_To_Stream(g.stream, " \n");
    Plot_Write_Polygon_Area(n, x, y);
}

}  // namespace

void Fill_Polygon_Core(int n, double* x, double* y) {
    if (n < 1 || !x || !y) return;
    Widen_Extents(x[Find_Extreme_Index(n, x, 0)], y[Find_Extreme_Index(n, y, 0)]);
    Widen_Extents(x[Find_Extreme_Index(n, x, 1)], y[Find_Extreme_Index(n, y, 1)]);
    const double r = Graphic_State.rotation;
    Transform_Points(x, y, n, 0, 0, r, 1);
    Write_Polygon(n, x, y);
    Transform_Points(x, y, n, 0, 0, -r, 1);
}

void OLI_Draw_Line(double x1, double y1, double x2, double y2) {
    const Graphic_Block_State& g = Graphic_State;
    Widen_Extents(x1, y1);
    Widen_Extents(x2, y2);
    Turn_Point(x1, y1);
    Turn_Point(x2, y2);
    const double X1 = x1 * g.x_scale, Y1 = y1 * g.y_scale;
    const double X2 = x2 * g.x_scale, Y2 = y2 * g.y_scale;
    if (!All_Finite({X1, Y1, X2, Y2})) return;
    Print_To_Stream(g.stream, " 1  %lf %lf %lf %lf\n", X1, Y1, X2, Y2);
    Plot_Write_Line(x1, y1, x2, y2);
}

void OLI_Draw_Rectangle(double x1, double y1, double x2, double y2) {
    OLI_Draw_Line(x1, y1, x1, y2);
    OLI_Draw_Line(x1, y2, x2, y2);
    OLI_Draw_Line(x2, y2, x2, y1);
    OLI_Draw_Line(x2, y1, x1, y1);
}

void OLI_Draw_Centred_Rectangle(double cx, double cy, double width, double height) {
    OLI_Draw_Rectangle(cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2);
}

bool Write_Filled_Rectangle(double x1, double y1, double x2, double y2, Ordered_Rectangle& r) {
    const Graphic_Block_State& g = Graphic_State;
    Widen_Extents(x1, y1);
    Widen_Extents(x2, y2);
    Turn_Point(x1, y1);
    Turn_Point(x2, y2);
    if (!All_Finite({x1 * g.x_scale, y1 * g.y_scale, x2 * g.x_scale, y2 * g.y_scale})) return false;
    // The corners run against the window: X1 at the window's start in x, Y1 at its end in y.
    r.X1 = g.x_direction == 1 ? std::min(x1, x2) : std::max(x1, x2);
    r.X2 = g.x_direction == 1 ? std::max(x1, x2) : std::min(x1, x2);
    r.Y1 = g.mirror_code == 0 ? std::max(y1, y2) : std::min(y1, y2);
    r.Y2 = g.mirror_code == 0 ? std::min(y1, y2) : std::max(y1, y2);
    Print_To_Stream(g.stream, " 24  %lf %lf %lf %lf\n", r.X1 * g.x_scale, r.Y1 * g.y_scale,
                    r.X2 * g.x_scale, r.Y2 * g.y_scale);
    return true;
}

void OLI_Fill_Rectangle(double x1, double y1, double x2, double y2) {
    Ordered_Rectangle r{};
    if (Write_Filled_Rectangle(x1, y1, x2, y2, r)) Plot_Write_Rectangle_Area(r.X1, r.Y1, r.X2, r.Y2);
}

void OLI_Fill_Centred_Rectangle(double cx, double cy, double width, double height) {
    OLI_Fill_Rectangle(cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2);
}

void OLI_Fill_Polygon(int n, double* x, double* y) {
    if (!Graphic_State.fill) return;
    Fill_Polygon_Core(n, x, y);
}

void OLI_Fill_Triangle(double* x, double* y) { Fill_Polygon_Core(3, x, y); }

void OLI_Fill_Quadrilateral(double* x, double* y) { Fill_Polygon_Core(4, x, y); }

void OLI_Draw_Polyline(int n, const double* x, const double* y) {
    const bool closed = n >= 0;
    const int count = closed ? n : -n;
    if (count < 2 || !x || !y) return;
    for (int i = 0; i + 1 < count; ++i) OLI_Draw_Line(x[i], y[i], x[i + 1], y[i + 1]);
    if (closed) OLI_Draw_Line(x[0], y[0], x[count - 1], y[count - 1]);
}

void OLI_Draw_Arc(double cx, double cy, double diameter, double start, double sweep) {
    Draw_Arc_Chords(cx, cy, diameter, start, sweep, OLI_Draw_Line);
}

void Draw_Arc_Chords(double cx, double cy, double diameter, double start, double sweep,
                     const std::function<void(double, double, double, double)>& chord) {
    const double r = diameter / 2;
    double s = start * Degree;
    double e = s + sweep * Degree;
    const double h = sweep <= 180 ? Geometry_Pi / 32 : Geometry_Pi / 16;
    if (!Normalise_Arc_Angles(s, e)) return;
    const bool plot = Plot_Is_Open();
    if (plot) Plot_Open_Group();
    double px = cx + r * std::cos(s), py = cy + r * std::sin(s);
    // Grid angles from 0 in equal steps; those inside the arc become chord ends.
    for (double a = 0;;) {
        if (s < a && a <= e) {
            const double qx = cx + r * std::cos(a), qy = cy + r * std::sin(a);
            chord(px, py, qx, qy);
            px = qx;
            py = qy;
        }
        if (Round_To_Decimals(a - e, 5) >= 0) break;
        a += h;
        if (a >= 2 * Geometry_Two_Pi) break;
    }
    chord(px, py, cx + r * std::cos(e), cy + r * std::sin(e));
    if (plot) Plot_Close_Group();
}

void OLI_Fill_Sector(double cx, double cy, double diameter, double start, double sweep) {
    const Graphic_Block_State& g = Graphic_State;
    const double r = diameter / 2;
    double s = start * Degree;
    double e = s + sweep * Degree;
    if (!Normalise_Arc_Angles(s, e)) return;
    Widen_Extents(cx - diameter, cy - diameter);
    Widen_Extents(cx + diameter, cy + diameter);

    std::array<double, Sector_Grid_Steps + 3> px{}, py{};
    int n = 0;
    auto add = [&](double x, double y) {
        px[n] = x * g.x_scale;
        py[n] = y * g.y_scale;
        ++n;
    };
    add(cx, cy);
    add(cx + r * std::cos(s), cy + r * std::sin(s));
    double a = 0;
    for (int k = 1; k <= Sector_Grid_Steps; ++k) {
        if (Round_To_Decimals(a - e, 5) >= 0) break;
        a += Geometry_Pi / 16;
        if (a > s && Round_To_Decimals(a - e, 5) <= 0) add(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    add(cx + r * std::cos(e), cy + r * std::sin(e));
    for (int i = 0; i < n; ++i)
        if (!All_Finite({px[i], py[i]})) return;

    const bool plot = Plot_Is_Open();
    if (plot) Plot_Open_Group();
    Print_To_Stream(g.stream, " 18 %d", n);
    for (int i = 0; i < n; ++i) Print_To_Stream(g.stream, " %lf %lf", px[i], py[i]);
    Print_To_Stream(g.stream, "\n");
    if (plot) Plot_Close_Group();
}

void OLI_Fill_Circle(double cx, double cy, double diameter) {
    const Graphic_Block_State& g = Graphic_State;
    const double r = diameter / 2;
    Widen_Extents(cx - diameter, cy - diameter);
    Widen_Extents(cx + diameter, cy + diameter);
    Turn_Point(cx, cy);
    std::array<double, Circle_Points> px{}, py{};
    for (int k = 0; k < Circle_Points; ++k) {
        const double a = k * Geometry_Pi / 16;
        px[k] = (cx + r * std::cos(a)) * g.x_scale;
        py[k] = (cy + r * std::sin(a)) * g.y_scale;
        if (!All_Finite({px[k], py[k]})) return;
    }
    Print_To_Stream(g.stream, " 18 %d", Circle_Points);
    for (int k = 0; k < Circle_Points; ++k) Print_To_Stream(g.stream, " %lf %lf", px[k], py[k]);
    Print_To_Stream(g.stream, "\n");
    Plot_Write_Circle_Area(cx, cy, r);
}

void OLI_Set_Dimension_Flags(int flags) { Graphic_State.Dimension_Flags = flags; }

void OLI_Set_Label_Alternation_Off() { Graphic_State.alternation_switch = 0; }

void OLI_Set_Label_Alternation_On() { Graphic_State.alternation_switch = 1; }
