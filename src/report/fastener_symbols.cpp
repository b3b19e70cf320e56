#include "report/fastener_symbols.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <string>

#include "common/stream_print.h"
#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "report/plot_file.h"

namespace {

constexpr int Stroke_Limit = 10000;   // hatch strokes of one edge
constexpr std::size_t Label_Limit = 255;

bool Mirrored() { return Graphic_State.mirror_code == 2; }

// A filled rectangle [xa, xb] x [ya, yb] as a quadrilateral, only while the fill switch is on.
void Fill_Box(double xa, double xb, double ya, double yb) {
    if (!Graphic_State.fill) return;
    double x[4] = {xa, xb, xb, xa}, y[4] = {ya, ya, yb, yb};
    OLI_Fill_Quadrilateral(x, y);
}

// The dash-dot centre line of a bolt.
void Centre_Line(double xa, double y, double xb) {
    Write_Graphic_Length(6, 0.015);
    OLI_Set_Line_Type(3);
    OLI_Draw_Line(xa, y, xb, y);
}

// A hexagon in plan with the corners (x +- c, y +- e) and (x, y +- t), while the fill switch is on.
void Fill_Hexagon(double x, double y, double c, double e, double t) {
    if (!Graphic_State.fill) return;
    double hx[6] = {x + c, x, x - c, x - c, x, x + c};
    double hy[6] = {y + e, y + t, y + e, y - e, y - t, y - e};
    Fill_Polygon_Core(6, hx, hy);
}

// Head bands of a bolt in side view between xa and xb: lower quarter, middle, upper quarter.
void Head_Bands(double xa, double xb, double y, double w) {
    OLI_Set_Fill_Pattern(Mirrored() ? 1 : 19);
    Fill_Box(xa, xb, y - w / 2, y - w / 4);
    OLI_Set_Fill_Pattern(11);
    Fill_Box(xa, xb, y - w / 4, y + w / 4);
    OLI_Set_Fill_Pattern(Mirrored() ? 19 : 1);
    Fill_Box(xa, xb, y + w / 4, y + w / 2);
}

std::string Label_Text(const char* format, va_list args) {
    std::string text = format ? Format_Text_V(format, args) : std::string();
    if (text.size() > Label_Limit) text.resize(Label_Limit);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The leader from (x, y) to the nearer end of the underline from xb to xe at yb, then the
// underline; true when the leader meets the far end xe.
bool Leader_And_Underline(double x, double y, double xb, double yb, double xe) {
    const bool far_end = std::hypot(x - xb, y - yb) > std::hypot(x - xe, y - yb);
    OLI_Draw_Line(x, y, far_end ? xe : xb, yb);
    OLI_Draw_Line(xb, yb, xe, yb);
    return far_end;
}

}  // namespace

void OLI_Draw_Fastener_Symbol(int, int type, double w, double x, double y, double L) {
    if (!All_Finite({w, x, y, L})) return;
    OLI_Begin_Graphic_Group();
    Write_Graphic_Length(6, 0.02);
    switch (type) {
        case 0:
            OLI_Set_Fill_Pattern(1);
            Fill_Box(x - 4, x, y - w / 2 - 4, y + w / 2 + 4);
            Head_Bands(x - 4 - w / 2, x - 4, y, w);
            Centre_Line(x - 4 - 1.5 * w, y, x - 4 + w);
            break;
        case 1:
            OLI_Set_Fill_Pattern(1);
            Fill_Box(x, x + 4, y - w / 2 - 4, y + w / 2 + 4);
            Head_Bands(x + 4, x + 4 + w / 2, y, w);
            OLI_Set_Fill_Pattern(20);
            Fill_Box(x + 4 + w / 2, x + 9 + w / 2, y - w / 2 + 0.16 * w, y + w / 2 - 0.16 * w);
            Centre_Line(x + 4 - w, y, x + 4 + 1.5 * w);
            break;
        case 2:
        case 3:
            OLI_Set_Fill_Pattern(43);
            Fill_Hexagon(x, y, 0.433 * w, 0.25 * w, 0.5 * w);
            if (type == 3) {
                OLI_Set_Fill_Pattern(1);
                Fill_Hexagon(x, y, 0.216 * w, 0.125 * w, 0.25 * w);
            }
            Write_Graphic_Length(6, 0.015);
            OLI_Set_Line_Type(0);
            OLI_Draw_Line(x - 0.8 * w, y, x + 0.8 * w, y);
            OLI_Draw_Line(x, y - 0.8 * w, x, y + 0.8 * w);
            break;
        case 4:
        case 5: {
            const double e = x + L + w / 2;
            const double s = Mirrored() ? -1 : 1;
            Write_Graphic_Length(6, 0.035);
            OLI_Set_Line_Type(0);
            OLI_Draw_Line(x - w / 2, y, e, y);
            OLI_Draw_Line(x - w / 4, y - w / 4, x - w / 4, y + w / 4);
            OLI_Draw_Line(e - w / 4, y - w / 4, e - w / 4, y + w / 4);
            if (type == 4) {
                OLI_Draw_Line(e - w / 4, y + s * w / 4, e, y + s * w / 2);
                OLI_Draw_Line(e, y + s * w / 2, e + 0.12 * w, y + s * 0.38 * w);
            }
            break;
        }
        case 6:
        case 7: {
            const double s = Mirrored() ? -1 : 1;
            Write_Graphic_Length(6, 0.035);
            OLI_Set_Line_Type(0);
            OLI_Draw_Line(x, y - 0.6 * w, x, y + 0.6 * w);
            OLI_Draw_Line(x - 0.6 * w, y, x + 0.6 * w, y);
            OLI_Set_Fill_Pattern(64);
            OLI_Fill_Circle(x, y, 0.2 * w);
            if (type == 6) {
                const double mx = x + 0.426 * w, my = y + s * 0.426 * w;
                OLI_Draw_Line(x, y, mx, my);
                OLI_Draw_Line(mx, my, mx + 0.12 * w, my - s * 0.18 * w);
            }
            break;
        }
        default:
            break;
    }
    OLI_End_Graphic_Group();
}

void OLI_Draw_Hatched_Edge(double x1, double y1, double x2, double y2, double d, int side) {
    if (!All_Finite({x1, y1, x2, y2, d})) return;
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    const double s = std::sin(a), c = std::cos(a);
    double ox = 0, oy = 0;
    switch (side) {
        case 0: ox = -d * s, oy = -d * c; break;
        case 1: ox = d * s, oy = d * c; break;
        case 2: ox = d * s, oy = -d * c; break;
        case 3: ox = -d * s, oy = d * c; break;
        default: break;
    }
    OLI_Begin_Graphic_Group();
    Write_Graphic_Length(6, 0);
    Print_To_Stream(Graphic_State.stream, " 38 %d %s %d\n", 2, "0.01 0.55", 0);
    OLI_Set_Fill_Pattern(45);
    double bx[4] = {x1, x2, x2 + ox, x1 + ox}, by[4] = {y1, y2, y2 + oy, y1 + oy};
    if (Graphic_State.fill) {
        // The plot gets strokes instead of the area.
        FILE* plot = Plot_State.stream;
        Plot_State.stream = nullptr;
        OLI_Fill_Quadrilateral(bx, by);
        Plot_State.stream = plot;
    }
    if (Plot_Is_Open()) {
        Plot_Set_Pen(0);
        Plot_Set_Line_Type(0);
        // The band's extent in plot coordinates: turned, and y mirrored with a downward window.
        const Graphic_Block_State& g = Graphic_State;
        auto mirror = [&](double v) { return g.mirror_code == 2 ? g.mirror_sum - v : v; };
        double x_min = 1e300, y_min = 1e300, x_max = -1e300, y_max = -1e300;
        for (int i = 0; i < 4; ++i) {
            double px = bx[i], py = by[i];
            Turn_Point(px, py);
            py = mirror(py);
            x_min = std::min(x_min, px);
            x_max = std::max(x_max, px);
            y_min = std::min(y_min, py);
            y_max = std::max(y_max, py);
        }
        double vx = 0, vy = 0;
        const double r = 1.41 * d, q = Geometry_Pi / 4;
        if (side == 0) vx = r * std::sin(a - q), vy = -r * std::cos(a - q);
        else if (side == 2) vx = r * std::sin(a + q), vy = r * std::cos(a + q);
        else if (side == 1 || side == 3) vx = r * std::sin(a - q), vy = r * std::cos(a - q);
        const double step_x = std::fabs(d * c), step_y = std::fabs(d * s);
        const bool strokes = (side >= 0 && side <= 3) && (step_x > 0 || step_y > 0);
        double px = x_min, py = y_min;
        for (int k = 0; strokes && k < Stroke_Limit && px <= x_max && py <= y_max; ++k) {
            const double ex = px + vx, ey = py + vy;
            // Plot_Write_Line mirrors itself: hand it the points as the model sees them.
            if (ex < x_max && ey < y_max) Plot_Write_Line(px, mirror(py), ex, mirror(ey));
            px += step_x;
            py += step_y;
        }
    }
    OLI_End_Graphic_Group();
}

void OLI_Printf_Leader_Label(double x, double y, double xb, double yb, double h,
                             const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Label_Text(format, args);
    va_end(args);
    const double Sy = Graphic_State.y_scale;
    const double xe = xb + (h + static_cast<double>(text.size()) * h) / Sy;
    if (!All_Finite({x, y, xb, yb, h, xe})) return;
    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(4, 1);
    OLI_Set_Line_Type(0);
    const bool far_end = Leader_And_Underline(x, y, xb, yb, xe);
    const double yt = yb + (Graphic_State.half_turn == 1 ? -0.2 : 0.2) * h / Sy;
    if (far_end) OLI_Printf_Text_Rotated(xe - 0.6 * h / Sy, yt, 2, 1, "%s", text.c_str());
    else OLI_Printf_Text_Rotated(xb + 0.6 * h / Sy, yt, 2, 3, "%s", text.c_str());
    OLI_End_Graphic_Group();
}

void OLI_Printf_Level_Label(double x, double y, double xb, double yb, int no_marker, double h,
                            const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Label_Text(format, args);
    va_end(args);
    const double Sy = Graphic_State.y_scale;
    const double n = static_cast<double>(text.size());
    const double xe = xb + (n + 2) * 0.82 * h / Sy;
    if (!All_Finite({x, y, xb, yb, h, xe})) return;
    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(4, 1);
    OLI_Set_Line_Type(0);
    Write_Graphic_Length(13, h);
    Leader_And_Underline(x, y, xb, yb, xe);
    const double p = Graphic_State.half_turn == 1 ? -h : h;
    const double yt = yb + 0.2 * p / Sy;
    OLI_Printf_Text_Rotated(xb + 0.1 * h / Sy, yt, 2, 3, "%s", text.c_str());
    OLI_Set_Fill_Pattern(1);
    if (!no_marker) {
        const double xm = xb + 0.96 * n * h / Sy;
        double tx[3] = {xm, xm + h / Sy, xm}, ty[3] = {yt, yt, yt + p / Sy};
        if (Graphic_State.fill) OLI_Fill_Triangle(tx, ty);
        Write_Graphic_Int(4, 2);
        OLI_Draw_Line(tx[0], ty[0], tx[1], ty[1]);
        OLI_Draw_Line(tx[1], ty[1], tx[2], ty[2]);
        OLI_Draw_Line(tx[0], ty[0], tx[2], ty[2]);
    }
    OLI_End_Graphic_Group();
}
