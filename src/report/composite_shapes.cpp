#include "report/composite_shapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/stream_print.h"
#include "material/index_sort.h"
#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/plot_file.h"

namespace {

constexpr double Step = Geometry_Pi / 16;   // angle between the corners of circles and slot ends

// Points on paper (cm) of one command 18.
struct Paper_Polygon {
    std::vector<double> x, y;
    void add(double px, double py) {
        x.push_back(px);
        y.push_back(py);
    }
    // A polygon that is not finite in every point is not written.
    bool finite() const {
        for (std::size_t i = 0; i < x.size(); ++i)
            if (!All_Finite({x[i], y[i]})) return false;
        return true;
    }
    // " 18 n x y ..." closed by the given end (" \n" for general polygons, "\n" for round ones);
    // nothing while the fill switch is clear.
    void write(const char* end) const {
        if (!Graphic_State.fill) return;
        FILE* f = Graphic_State.stream;
        Print_To_Stream(f, " 18 %d", static_cast<int>(x.size()));
        for (std::size_t i = 0; i < x.size(); ++i) Print_To_Stream(f, " %lf %lf", x[i], y[i]);
        Print_To_Stream(f, "%s", end);
    }
};

// Model points turned in place by the block's rotation, as paper points.
Paper_Polygon Turned_On_Paper(int n, const double* x, const double* y) {
    const Graphic_Block_State& g = Graphic_State;
    Paper_Polygon p;
    for (int i = 0; i < n; ++i) p.add(x[i] * g.x_scale, y[i] * g.y_scale);
    return p;
}

// The 32 points of a filled circle about a turned centre.
Paper_Polygon Circle_On_Paper(double cx, double cy, double r) {
    const Graphic_Block_State& g = Graphic_State;
    Paper_Polygon p;
    for (int k = 0; k < 32; ++k)
        p.add((cx + r * std::cos(k * Step)) * g.x_scale, (cy + r * std::sin(k * Step)) * g.y_scale);
    return p;
}

}  // namespace

void OLI_Draw_Offset_Line(double x1, double y1, double x2, double y2, double dx, double dy) {
    const Graphic_Block_State& g = Graphic_State;
    Widen_Extents(x1 + dx, y1 + dy);
    Widen_Extents(x2 + dx, y2 + dy);
    Turn_Point(x1, y1);
    Turn_Point(x2, y2);
    Turn_Point(dx, dy);
    const double X1 = (x1 + dx) * g.x_scale, Y1 = (y1 + dy) * g.y_scale;
    const double X2 = (x2 + dx) * g.x_scale, Y2 = (y2 + dy) * g.y_scale;
    if (!All_Finite({X1, Y1, X2, Y2})) return;
    Print_To_Stream(g.stream, " 1  %lf %lf %lf %lf\n", X1, Y1, X2, Y2);
}

void OLI_Draw_Offset_Arc(double cx, double cy, double diameter, double start, double sweep) {
    // The chord points about the origin, each chord moved to the centre as an offset.
    Draw_Arc_Chords(0, 0, diameter, start, sweep, [cx, cy](double x1, double y1, double x2, double y2) {
        OLI_Draw_Offset_Line(x1, y1, x2, y2, cx, cy);
    });
}

void OLI_Draw_Arrow(double tx, double ty, double ux, double uy, double L, double W) {
    const double theta = std::atan2(uy - ty, ux - tx) + Geometry_Pi;
    const double len = std::sqrt((ux - tx) * (ux - tx) + (uy - ty) * (uy - ty));
    OLI_Begin_Graphic_Group();
    // Tip, the two head corners and the tail in the arrow's frame (tip at the origin, along +x).
    double x[4] = {0, -L, -L, -len};
    double y[4] = {0, -W / 2, W / 2, 0};
    Untransform_Points(x, y, 4, 0, 0, theta, 1);
    Untransform_Points(x, y, 4, tx, ty, 0, 1);
    OLI_Draw_Line(x[0], y[0], x[3], y[3]);
    OLI_Draw_Line(x[0], y[0], x[1], y[1]);
    OLI_Draw_Line(x[0], y[0], x[2], y[2]);
    OLI_End_Graphic_Group();
}

void OLI_Draw_Band(double x1, double y1, double x2, double y2, double b, int outline) {
    const double a = Get_Segment_Angle_Positive(x1, y1, x2, y2);
    double x[4] = {x1, x2, x2, x1};
    double y[4] = {y1, y2, y2, y1};
    Transform_Points(x, y, 4, x1, y1, a, 1);
    y[0] -= b / 2;
    y[1] -= b / 2;
    y[2] += b / 2;
    y[3] += b / 2;
    Untransform_Points(x, y, 4, x1, y1, a, 1);
    if (Graphic_State.fill) OLI_Fill_Quadrilateral(x, y);
    if (outline) OLI_Draw_Polyline(4, x, y);
}

void OLI_Fill_Rectangle_With_Hole(double x1, double y1, double x2, double y2, double hx1,
                                  double hy1, double hx2, double hy2) {
    const Graphic_Block_State& g = Graphic_State;
    if (!All_Finite({hx1 * g.x_scale, hy1 * g.y_scale, hx2 * g.x_scale, hy2 * g.y_scale})) return;
    Ordered_Rectangle r{};
    if (!Write_Filled_Rectangle(x1, y1, x2, y2, r)) return;
    OLI_Set_Fill_Pattern(0);
    Turn_Point(hx1, hy1);
    Turn_Point(hx2, hy2);
    const double hx_min = std::min(hx1, hx2), hx_max = std::max(hx1, hx2);
    const double hy_min = std::min(hy1, hy2), hy_max = std::max(hy1, hy2);
    // Only a window with x to the right and y upwards orders the outer corners so that the hole
    // can be tested against them; elsewhere the hole is left out.
    const bool hole = g.x_direction == 1 && g.mirror_code == 0 && hx_min > r.X1 &&
                      hx_max < r.X2 && hy_min > r.Y2 && hy_max < r.Y1;
    if (hole)
        Print_To_Stream(g.stream, " 24  %lf %lf %lf %lf\n", hx_min * g.x_scale, hy_max * g.y_scale,
                        hx_max * g.x_scale, hy_min * g.y_scale);
    if (!Plot_Begin_Area(hole ? 1 : 0, 4)) return;
    Plot_Write_Rectangle_Ring(r.X1, r.Y1, r.X2, r.Y2);
    if (!hole) return;
    Plot_Begin_Hole(4);
    const double rx[4] = {hx_min, hx_min, hx_max, hx_max};
    const double ry[4] = {hy_min, hy_max, hy_max, hy_min};
    Plot_Write_Ring(4, rx, ry, 0);
}

void OLI_Draw_Slot(double x, double y, double w, double h) {
    // A half circle of 16 chords from the start angle about (ax, ay).
    auto half_circle = [](double ax, double ay, double r, double start) {
        for (int k = 0; k < 16; ++k) {
            const double a = start + k * Step, b = start + (k + 1) * Step;
            OLI_Draw_Line(ax + r * std::cos(a), ay + r * std::sin(a), ax + r * std::cos(b),
                          ay + r * std::sin(b));
        }
    };
    if (w > h) {
        const double r = h / 2, c = w / 2 - h / 2;
        OLI_Draw_Line(x - c, y + r, x + c, y + r);
        OLI_Draw_Line(x + c, y - r, x - c, y - r);
        half_circle(x - c, y, r, Geometry_Half_Pi);
        half_circle(x + c, y, r, Geometry_Three_Half_Pi);
    } else {
        const double r = w / 2;
        half_circle(x, y + h / 2, r, 0);
        OLI_Draw_Line(x - r, y + h / 2, x - r, y - h / 2);
        half_circle(x, y - h / 2, r, Geometry_Pi);
        OLI_Draw_Line(x + r, y - h / 2, x + r, y + h / 2);
    }
}

void OLI_Fill_Slot(double x, double y, double w, double h) {
    const Graphic_Block_State& g = Graphic_State;
    Widen_Extents(x - w / 2 + h / 2, y - h / 2);
    Widen_Extents(x + w / 2 - h / 2, y + h / 2);
    Paper_Polygon p;
    auto add = [&](double px, double py) { p.add(px * g.x_scale, py * g.y_scale); };
    if (w > h) {
        const double r = h / 2, c = w / 2 - h / 2;
        for (int k = 0; k < 16; ++k) {
            const double a = Geometry_Half_Pi + k * Step;
            add(x - c + r * std::cos(a), y + r * std::sin(a));
        }
        add(x + c, y - r);
        for (int k = 0; k < 16; ++k) {
            const double a = Geometry_Three_Half_Pi + k * Step;
            add(x + c + r * std::cos(a), y + r * std::sin(a));
        }
        add(x - c, y + r);
    } else {
        const double r = w / 2;
        for (int k = 0; k <= 16; ++k) add(x + r * std::cos(k * Step), y + h / 2 + r * std::sin(k * Step));
        for (int k = 0; k < 16; ++k) {
            const double a = Geometry_Pi + k * Step;
            add(x + r * std::cos(a), y - h / 2 + r * std::sin(a));
        }
        add(x + r, y - h / 2);
    }
    if (p.finite()) p.write("\n");
}

void OLI_Fill_Circle_Round(double cx, double cy, double diameter) {
    const Graphic_Block_State& g = Graphic_State;
    const double r = diameter / 2;
    Widen_Extents(cx - diameter, cy - diameter);
    Widen_Extents(cx + diameter, cy + diameter);
    Turn_Point(cx, cy);
    Paper_Polygon p;
    // The radius takes the x scale in both directions: round on paper whatever the y scale.
    for (int k = 0; k < 32; ++k)
        p.add((cx + r * std::cos(k * Step)) * g.x_scale,
              cy * g.y_scale + r * std::sin(k * Step) * g.x_scale);
    if (!p.finite()) return;
    p.write("\n");
    Plot_Write_Circle_Area(cx, cy, r);
}

void OLI_Fill_Ring(double cx, double cy, double D, double d) {
    const Graphic_Block_State& g = Graphic_State;
    const double R = D / 2, r = d / 2;
    Widen_Extents(cx - D, cy - D);
    Widen_Extents(cx + D, cy + D);
    Turn_Point(cx, cy);
    Paper_Polygon p;
    // Both circles closed (33 points each), the outer first.
    for (const double radius : {R, r})
        for (int k = 0; k <= 32; ++k)
            p.add((cx + radius * std::cos(k * Step)) * g.x_scale,
                  (cy + radius * std::sin(k * Step)) * g.y_scale);
    if (!p.finite()) return;
    p.write("\n");
    if (!Plot_Is_Open() || Plot_State.filling < 0) return;
    Plot_Open_Group();
    Print_To_Stream(Plot_State.stream, "-area / 1 %d\n", Plot_State.filling);
    Plot_Begin_Hole(2);
    Plot_Write_Half_Circles(cx, cy, R);
    Plot_Begin_Hole(2);
    Plot_Write_Half_Circles(cx, cy, r);
    Plot_Close_Group();
}

void OLI_Fill_Region_With_Holes(int n, const double* x, const double* y, int m,
                                const int* hole_counts, const double* hole_x,
                                const double* hole_y, int k, const double* centre_x,
                                const double* centre_y, const double* areas) {
    // Everything is checked before the first line, so that the plot area never announces more
    // holes than follow it. The rings are turned as copies; the caller's arrays stay as they are.
    if (n < 1 || !x || !y || m < 0 || k < 0) return;
    if (m > 0 && (!hole_counts || !hole_x || !hole_y)) return;
    if (k > 0 && (!centre_x || !centre_y || !areas)) return;
    struct Ring {
        std::vector<double> x, y;   // turned model points
        Paper_Polygon paper;
    };
    auto turned = [](int c, const double* px, const double* py) {
        Ring r{std::vector<double>(px, px + c), std::vector<double>(py, py + c), {}};
        for (int i = 0; i < c; ++i) Turn_Point(r.x[i], r.y[i]);
        r.paper = Turned_On_Paper(c, r.x.data(), r.y.data());
        return r;
    };
    const Ring outer = turned(n, x, y);
    if (!outer.paper.finite()) return;
    std::vector<Ring> holes;
    int first = 0;
    for (int j = 0; j < m; ++j) {
        const int c = hole_counts[j];
        if (c < 1 || c > 1000000 - first) return;
        holes.push_back(turned(c, hole_x + first, hole_y + first));
        if (!holes.back().paper.finite()) return;
        first += c;
    }
    struct Circle {
        double cx, cy, r;   // turned centre, radius
        Paper_Polygon paper;
    };
    std::vector<Circle> circles;
    for (int j = 0; j < k; ++j) {
        Circle c{centre_x[j], centre_y[j], std::sqrt(areas[j] / Geometry_Pi), {}};
        Turn_Point(c.cx, c.cy);
        c.paper = Circle_On_Paper(c.cx, c.cy, c.r);
        if (!c.paper.finite()) return;
        circles.push_back(c);
    }

    Widen_Extents(x[Find_Extreme_Index(n, x, 0)], y[Find_Extreme_Index(n, y, 0)]);
    Widen_Extents(x[Find_Extreme_Index(n, x, 1)], y[Find_Extreme_Index(n, y, 1)]);
    outer.paper.write(" \n");
    const bool plot = Plot_Begin_Area(m + k, n);
    if (plot) Plot_Write_Ring(n, outer.x.data(), outer.y.data(), 0);
    OLI_Set_Fill_Pattern(0);
    for (const Ring& h : holes) {
        h.paper.write(" \n");
        if (!plot) continue;
        const int c = static_cast<int>(h.x.size());
        Plot_Begin_Hole(c);
        Plot_Write_Ring(c, h.x.data(), h.y.data(), 0);
    }
    for (const Circle& c : circles) {
        c.paper.write("\n");
        if (!plot) continue;
        Plot_Begin_Hole(2);
        Plot_Write_Half_Circles(c.cx, c.cy, c.r);
    }
}
