#include "report/load_symbols.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "common/stream_print.h"
#include "material/point_transforms.h"
#include "report/composite_shapes.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"

namespace {

constexpr int Arrow_Limit = 10000;   // arrows of one row
constexpr double Radian_Degrees = 57.29577951308232;

// The six points of an arrow, placed at the tip and turned by the angle.
struct Arrow_Points {
    std::array<double, 6> x, y;
};

Arrow_Points Place_Arrow(double tx, double ty, double angle, double s, double h, double w) {
    Arrow_Points p{{0, -h, -h, -s, -h, -s - w}, {0, -w / 2, w / 2, 0, 0, 0}};
    Untransform_Points(p.x.data(), p.y.data(), 6, 0, 0, angle, 1);
    Untransform_Points(p.x.data(), p.y.data(), 6, tx, ty, 0, 1);
    return p;
}

void Fill_Head(const Arrow_Points& p) {
    if (!Graphic_State.fill) return;
    double x[3] = {p.x[0], p.x[1], p.x[2]}, y[3] = {p.y[0], p.y[1], p.y[2]};
    OLI_Fill_Triangle(x, y);
}

void Draw_Style(const Arrow_Points& p, int style) {
    switch (style) {
        case 0:
            OLI_Draw_Line(p.x[0], p.y[0], p.x[3], p.y[3]);
            OLI_Draw_Line(p.x[0], p.y[0], p.x[1], p.y[1]);
            OLI_Draw_Line(p.x[0], p.y[0], p.x[2], p.y[2]);
            break;
        case 1:
            OLI_Draw_Line(p.x[4], p.y[4], p.x[3], p.y[3]);
            OLI_Draw_Polyline(3, p.x.data(), p.y.data());
            break;
        case 2:
            OLI_Set_Fill_Pattern(55);
            OLI_Draw_Line(p.x[4], p.y[4], p.x[3], p.y[3]);
            Fill_Head(p);
            break;
        default:
            break;
    }
}

bool Text_Given(const char* text) { return text && text[0]; }

// A count of arrows from a length: the whole part, held to 10 000 before it becomes an int.
int Arrow_Count(double v, int least) {
    return std::max(least, static_cast<int>(std::clamp(v, 0.0, double(Arrow_Limit))));
}

// " 4 2", a solid line, the fill pattern of filled heads, the text height and style.
void Begin_Load_Row(double text_height) {
    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(4, 2);
    OLI_Set_Line_Type(0);
    OLI_Set_Fill_Pattern(55);
    Write_Graphic_Length(13, text_height);
    Write_Graphic_Int(8, 6);
}

// The text on a blank box centred at (cx, cy), sized by its characters and the text height.
void Boxed_Label(double cx, double cy, double text_height, const char* text) {
    const double S = Graphic_State.larger_scale;
    const double w = 0.75 * static_cast<double>(std::strlen(text)) * text_height / S;
    const double h = 1.3 * text_height / S;
    OLI_Set_Fill_Pattern(0);
    OLI_Fill_Rectangle(cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2);
    Graphic_State.text_angle = 0;
    OLI_Draw_Text_Rotated(cx, cy, text);
}

// The points of a load diagram: n + 2 points every L/n from the start (the last one step beyond
// the end) and the loads q_i at the first n + 1.
struct Diagram_Points {
    int n = 0;
    double step = 0, theta = 0;
    std::vector<double> x, y, q;
};

Diagram_Points Member_Points(double x1, double y1, double x2, double y2, double q1, double q2,
                             double spacing) {
    Diagram_Points d;
    const double L = std::hypot(x2 - x1, y2 - y1);
    d.theta = std::atan2(y2 - y1, x2 - x1);
    d.n = Arrow_Count(std::trunc(L / spacing), 1);
    d.step = L / d.n;
    for (int i = 0; i <= d.n + 1; ++i) {
        d.x.push_back(x1 + i * d.step * std::cos(d.theta));
        d.y.push_back(y1 + i * d.step * std::sin(d.theta));
        d.q.push_back(q1 - i * (q1 - q2) / d.n);
    }
    return d;
}

}  // namespace

void OLI_Draw_Load_Arrow(double x, double y, double angle, double shaft, double head,
                         double width, int style) {
    if (!All_Finite({x, y, angle, shaft, head, width})) return;
    OLI_Begin_Graphic_Group();
    Draw_Style(Place_Arrow(x, y, angle, shaft, head, width), style);
    OLI_End_Graphic_Group();
}

void OLI_Draw_Load_Arrow_Labelled(double x, double y, double a, double shaft, double head,
                                  double width, int style, double text_height, const char* text) {
    if (!All_Finite({x, y, a, shaft, head, width, text_height})) return;
    // A negative angle is raised by whole turns until it is not negative.
    if (a < 0) a = Geometry_Two_Pi + std::fmod(a, Geometry_Two_Pi);
    OLI_Begin_Graphic_Group();
    const Arrow_Points p = Place_Arrow(x, y, a, shaft, head, width);
    Draw_Style(p, style);
    if (Text_Given(text)) {
        Write_Graphic_Length(13, text_height);
        Write_Graphic_Int(8, 6);
        Graphic_State.text_angle = 0;
        int h = 4, v = 1;
        if (a < Geometry_Pi / 4) {
            h = 4, v = 1;
        } else if (a < 3 * Geometry_Pi / 4) {
            h = 2, v = 4;
        } else if (a < 5 * Geometry_Pi / 4) {
            h = 4, v = 3;
        } else if (a < 7 * Geometry_Pi / 4) {
            h = 0, v = 4;
        }
        OLI_Printf_Text_Rotated(p.x[5], p.y[5], h, v, "%s", text);
    }
    OLI_End_Graphic_Group();
}

void OLI_Draw_Load_Arrow_Between(double x1, double y1, double x2, double y2, double head,
                                 double width, int style) {
    const double shaft = std::hypot(x2 - x1, y2 - y1);
    const double angle = std::atan2(y2 - y1, x2 - x1) + Geometry_Pi;
    OLI_Draw_Load_Arrow(x1, y1, angle, shaft, head, width, style);
}

void OLI_Draw_Moment_Arrow(double cx, double cy, double radius, double start, double end,
                           double size, double width, int style, double text_height,
                           const char* text) {
    if (!All_Finite({cx, cy, radius, start, end, size, width, text_height})) return;
    const double r = std::fabs(radius);
    OLI_Begin_Graphic_Group();
    OLI_Draw_Arc(cx, cy, 2 * r, start * Radian_Degrees, (end - start) * Radian_Degrees);
    if (Text_Given(text)) {
        const double e = end;
        const double tx = cx + r * std::cos(e) + size * std::cos(e + Geometry_Half_Pi);
        const double ty = cy + r * std::sin(e) + size * std::sin(e + Geometry_Half_Pi);
        OLI_Draw_Load_Arrow_Labelled(tx, ty, e + Geometry_Half_Pi, size, size, width, style,
                                     text_height, text);
    }
    OLI_End_Graphic_Group();
}

namespace {

// The short arrows: the shaft from the head's base to the tail, the filled head, the label.
void Short_Arrow(double x, double y, double d, const char* text, bool vertical) {
    if (!All_Finite({x, y, d})) return;
    if (Graphic_State.mirror_code == 2) d = -d;
    const double l = 0.15 * d;
    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(4, 2);
    OLI_Set_Line_Type(0);
    OLI_Set_Fill_Pattern(55);
    if (vertical) OLI_Draw_Line(x, y + l, x, y + d);
    else OLI_Draw_Line(x + l, y, x + d, y);
    if (Graphic_State.fill) {
        double tx[3] = {x, x + l / 2, x - l / 2}, ty[3] = {y, y + l, y + l};
        if (!vertical) {
            tx[1] = tx[2] = x + l;
            ty[1] = y + l / 2;
            ty[2] = y - l / 2;
        }
        OLI_Fill_Triangle(tx, ty);
    }
    if (Text_Given(text)) {
        Write_Graphic_Length(13, 0.22);
        Write_Graphic_Int(8, 6);
        if (vertical) OLI_Printf_Text_Rotated(x, y + d + 1.5 * l, 4, 4, "%s", text);
        else OLI_Printf_Text_Rotated(x + d + 1.5 * l, y, 2, 4, "%s", text);
    }
    OLI_End_Graphic_Group();
}

}  // namespace

void OLI_Draw_Vertical_Load_Arrow(double x, double y, double d, const char* text) {
    Short_Arrow(x, y, d, text, true);
}

void OLI_Draw_Horizontal_Load_Arrow(double x, double y, double d, const char* text) {
    Short_Arrow(x, y, d, text, false);
}

void OLI_Draw_Uniform_Load(double x1, double y1, double x2, double y2, double f,
                           double text_height, const char* text) {
    if (!All_Finite({x1, y1, x2, y2, f, text_height})) return;
    const double dx = x2 - x1;
    if (dx > -0.00001 && dx < 0.00001) return;
    const int n = Arrow_Count(dx * 5 * Graphic_State.larger_scale + 0.0001, 2);
    Begin_Load_Row(text_height);
    for (int i = 0; i <= n; ++i)
        OLI_Draw_Load_Arrow(x1 + i * dx / n, y1 + i * (y2 - y1) / n, Geometry_Three_Half_Pi, f,
                            0.15 * f, 0.15 * f, 2);
    OLI_Draw_Line(x1, y1, x2, y2);
    OLI_Draw_Line(x1, y1 + f, x2, y2 + f);
    if (Text_Given(text)) Boxed_Label((x1 + x2) / 2, (y1 + y2 + f) / 2, text_height, text);
    OLI_End_Graphic_Group();
}

void OLI_Draw_Trapezoid_Load(double x1, double y1, double x2, double y2, double q1, double q2,
                             double text_height, const char* text) {
    if (!All_Finite({x1, y1, x2, y2, q1, q2, text_height})) return;
    const double dx = x2 - x1;
    if (dx > -0.00001 && dx < 0.00001) return;
    if (Graphic_State.mirror_code == 2) {
        q1 = -q1;
        q2 = -q2;
    }
    const int n = Arrow_Count(dx * 0.5 * Graphic_State.larger_scale + 0.0001, 2);
    Begin_Load_Row(text_height);
    for (int i = 0; i <= n; ++i) {
        const double q = q1 + i * (q2 - q1) / n;
        OLI_Draw_Load_Arrow(x1 + i * dx / n, y1 + i * (y2 - y1) / n, Geometry_Three_Half_Pi, q,
                            0.15 * q, 0.15 * q, 2);
    }
    OLI_Draw_Line(x1, y1, x2, y2);
    OLI_Draw_Line(x1, y1 + q1, x2, y2 + q2);
    if (Text_Given(text))
        Boxed_Label((x1 + x2) / 2, (y1 + y2) / 2 + (q1 + q2) / 4, text_height, text);
    OLI_End_Graphic_Group();
}

void OLI_Draw_Axial_Load_Diagram(double x1, double y1, double x2, double y2, double q1, double q2) {
    if (!All_Finite({x1, y1, x2, y2, q1, q2})) return;
    const Diagram_Points d = Member_Points(x1, y1, x2, y2, q1, q2, 300);
    OLI_Draw_Line(x1, y1, x2, y2);
    const double L = std::fabs(0.35 * d.step), W = std::fabs(0.22 * d.step);
    for (int i = 0; i <= d.n; ++i) {
        if (std::fabs(d.q[i]) <= 0.000001 && q2 == 0) break;
        if (d.q[i] > 0) OLI_Draw_Arrow(d.x[i + 1], d.y[i + 1], d.x[i], d.y[i], L, W);
        else OLI_Draw_Arrow(d.x[i], d.y[i], d.x[i + 1], d.y[i + 1], L, W);
    }
}

void OLI_Draw_Load_Diagram_X(double x1, double y1, double x2, double y2, double q1, double q2) {
    if (!All_Finite({x1, y1, x2, y2, q1, q2})) return;
    const Diagram_Points d = Member_Points(x1, y1, x2, y2, q1, q2, 200);
    OLI_Draw_Line(x1, y1, x2, y2);
    OLI_Draw_Line(x1 - q1, y1, x2 - q2, y2);
    for (int i = 0; i <= d.n; ++i)
        OLI_Draw_Arrow(d.x[i], d.y[i], d.x[i] - d.q[i], d.y[i], 0.35 * d.q[i], 0.2 * d.step);
}

void OLI_Draw_Load_Diagram_Y(double x1, double y1, double x2, double y2, double q1, double q2) {
    if (!All_Finite({x1, y1, x2, y2, q1, q2})) return;
    const Diagram_Points d = Member_Points(x1, y1, x2, y2, q1, q2, 200);
    OLI_Draw_Line(x1, y1, x2, y2);
    OLI_Draw_Line(x1, y1 + q1, x2, y2 + q2);
    for (int i = 0; i <= d.n; ++i)
        OLI_Draw_Arrow(d.x[i], d.y[i], d.x[i], d.y[i] + d.q[i], 0.35 * std::fabs(d.q[i]),
                       0.2 * d.step);
}

void OLI_Draw_Load_Diagram_Normal(double x1, double y1, double x2, double y2, double q1,
                                  double q2) {
    if (!All_Finite({x1, y1, x2, y2, q1, q2})) return;
    const Diagram_Points d = Member_Points(x1, y1, x2, y2, q1, q2, 200);
    const double nx = -std::sin(d.theta), ny = std::cos(d.theta);
    OLI_Draw_Line(x1, y1, x2, y2);
    OLI_Draw_Line(x1 + q1 * nx, y1 + q1 * ny, x2 + q2 * nx, y2 + q2 * ny);
    for (int i = 0; i <= d.n; ++i)
        OLI_Draw_Arrow(d.x[i], d.y[i], d.x[i] + d.q[i] * nx, d.y[i] + d.q[i] * ny,
                       std::fabs(0.35 * d.q[i]), std::fabs(0.22 * d.step));
}
