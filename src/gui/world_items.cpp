#include "gui/world_items.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <new>
#include <vector>

#include "common/tracked_alloc.h"
#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "material/point_transforms.h"
#include "platform/host/host_library.h"

namespace {

struct Item_Transform {
    double x0 = 0, y0 = 0, angle = 0, s = 1;
};

Item_Transform world;
int drawing = 1;

constexpr int Circle_Points = 72;
constexpr double Step = Geometry_Pi / 36;   // 5 degrees
// Arc steps closer than this to the end angle are the end point itself.
constexpr double Angle_Tolerance = 1e-12;

struct Polygon_Store {
    std::vector<int> x, y;
};
Polygon_Store store;

// What a polygon's painter box owns: its points relative to the box's top left corner.
struct Polygon_Painting {
    int colour = 0;
    std::vector<int> dx, dy;
};

struct Area_Point {
    int x, y;
};

// The world point in area pixels; false when it is not finite.
bool To_Area(double x, double y, Area_Point& p) {
    World_To_Area(&x, &y);
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    p = {Round_To_Pixel_Int(x), Round_To_Pixel_Int(y)};
    return true;
}

int Hold_Int(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

void Paint_Polygon(int x1, int y1, int, int, void* data) {
    const auto* p = static_cast<const Polygon_Painting*>(data);
    const std::size_t n = p->dx.size();
    std::vector<int> X(n), Y(n);
    for (std::size_t i = 0; i < n; ++i) {
        X[i] = Hold_Int(1LL * x1 + p->dx[i]);
        Y[i] = Hold_Int(1LL * y1 + p->dy[i]);
    }
    pxFgc(p->colour);
    pxFill(static_cast<int>(n), X.data(), Y.data());
}

void Release_Polygon(void* data) { delete static_cast<Polygon_Painting*>(data); }

}  // namespace

void Set_Item_World_Transform(double x0, double y0, double angle, double scale) { world = {x0, y0, angle, scale}; }

double Get_World_Scale() { return world.s; }

void Set_World_Drawing(int on) { drawing = on; }

void World_To_Area(double* x, double* y) {
    if (!x || !y) return;
    const double c = std::cos(world.angle), s = std::sin(world.angle);
    const double u = world.s * *x - world.x0, v = world.s * *y - world.y0;
    *x = u * c + v * s;
    *y = v * c - u * s;
}

void Area_To_World(double* x, double* y) {
    if (!x || !y) return;
    const double c = std::cos(world.angle), s = std::sin(world.angle);
    const double u = *x, v = *y;
    *x = (u * c - v * s + world.x0) / world.s;
    *y = (u * s + v * c + world.y0) / world.s;
}

double Get_World_Distance(double x1, double y1, double x2, double y2) {
    World_To_Area(&x1, &y1);
    World_To_Area(&x2, &y2);
    return std::hypot(x2 - x1, y2 - y1);
}

void Add_World_Line(double x1, double y1, double x2, double y2) {
    const int area = Get_Page_Area();
    Area_Point a{}, b{};
    if (drawing != 1 || area < 0 || !To_Area(x1, y1, a) || !To_Area(x2, y2, b)) return;
    Add_Line_to_View_Area(area, a.x, a.y, b.x, b.y, Get_Page_Text_Colour());
}

void Add_World_Frame(double x1, double y1, double x2, double y2) {
    Add_World_Line(x1, y1, x2, y1);
    Add_World_Line(x2, y1, x2, y2);
    Add_World_Line(x2, y2, x1, y2);
    Add_World_Line(x1, y2, x1, y1);
}

void Add_World_Rectangle(double x1, double y1, double x2, double y2) {
    const int area = Get_Page_Area();
    Area_Point a{}, b{};
    if (area < 0 || !To_Area(x1, y1, a) || !To_Area(x2, y2, b)) return;
    Add_Filled_Rectangle_to_View_Area(area, a.x, a.y, b.x, b.y, Get_Page_Fill_Colour());
}

void Add_World_Polyline(int n, const double* xs, const double* ys) {
    if (!xs || !ys) return;
    for (int i = 0; i + 1 < n; ++i) Add_World_Line(xs[i], ys[i], xs[i + 1], ys[i + 1]);
}

void Add_World_Circle(double x, double y, double r) {
    for (int i = 0; i < Circle_Points; ++i) {
        const int j = (i + 1) % Circle_Points;
        Add_World_Line(x + r * std::cos(i * Step), y + r * std::sin(i * Step), x + r * std::cos(j * Step),
                       y + r * std::sin(j * Step));
    }
}

void Add_World_Arc(double x, double y, double r, double a1, double a2) {
    if (!(a2 > a1)) return;
    // The steps are counted, so that the last one below a2 is found without a drifting sum; the arc
    // then runs on to a2 itself.
    double px = x + r * std::cos(a1), py = y + r * std::sin(a1);
    for (int k = 1; k < Circle_Points && a1 + k * Step < a2 - Angle_Tolerance; ++k) {
        const double t = a1 + k * Step;
        const double qx = x + r * std::cos(t), qy = y + r * std::sin(t);
        Add_World_Line(px, py, qx, qy);
        px = qx, py = qy;
    }
    Add_World_Line(px, py, x + r * std::cos(a2), y + r * std::sin(a2));
}

void Add_World_Disk(double x, double y, double r) {
    const int n = r < 10 ? 16 : r < 100 ? 32 : 64;
    const double D = Geometry_Half_Pi / n;
    for (int k = 0; k < n; ++k) {
        const double t = k * D;
        Add_World_Rectangle(x + r * std::sin(t), y + r * std::cos(t), x - r * std::sin(t), y - r * std::cos(t));
    }
}

void Add_World_Polygon(int n, const double* xs, const double* ys) {
    const int area = Get_Page_Area();
    if (area < 0 || n < 1 || !xs || !ys) return;
    Polygon_Store points;
    try {
        points.x.resize(static_cast<std::size_t>(n));
        points.y.resize(static_cast<std::size_t>(n));
    } catch (const std::bad_alloc&) {
        Abort_Out_Of_Memory();
    }
    for (int i = 0; i < n; ++i) {
        Area_Point p{};
        if (!To_Area(xs[i], ys[i], p)) return;
        points.x[static_cast<std::size_t>(i)] = p.x;
        points.y[static_cast<std::size_t>(i)] = p.y;
    }
    const auto [x1, x2] = std::minmax_element(points.x.begin(), points.x.end());
    const auto [y1, y2] = std::minmax_element(points.y.begin(), points.y.end());
    const int left = *x1, top = *y1, right = *x2, bottom = *y2;
    Polygon_Painting* painting = nullptr;
    try {
        painting = new Polygon_Painting{Get_Page_Fill_Colour(), points.x, points.y};
    } catch (const std::bad_alloc&) {
        Abort_Out_Of_Memory();
    }
    for (std::size_t i = 0; i < painting->dx.size(); ++i) {
        painting->dx[i] = Hold_Int(1LL * painting->dx[i] - left);
        painting->dy[i] = Hold_Int(1LL * painting->dy[i] - top);
    }
    store = std::move(points);
    Add_Owning_Painter_to_View_Area(area, left, top, right, bottom, painting, Paint_Polygon, Release_Polygon);
}

void Add_World_Dimension(int mode, double x1, double y1, double x2, double y2, double length) {
    const auto world_of = [](double u, double v, double& x, double& y) {
        Area_To_World(&u, &v);
        x = u, y = v;
    };
    double ignored = 0;
    if (mode == 0) {
        world_of(0, y1, ignored, y1);
        world_of(0, y2, ignored, y2);
    } else if (mode == 1) {
        world_of(x1, 0, x1, ignored);
        world_of(x2, 0, x2, ignored);
    } else if (mode == 3) {
        world_of(x1, y1, x1, y1);
        world_of(x2, y2, x2, y2);
    }
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    double ex[2] = {x1, x2}, ey[2] = {y1, y2};
    Transform_Points(ex, ey, 2, 0, 0, a, 1);
    const double e = 5 / world.s, o = length / world.s;
    // The line, then the tick at each end.
    double x[6] = {ex[0], ex[1], ex[0], ex[0], ex[1], ex[1]};
    double y[6] = {ey[0], ey[1], ey[0] - e, ey[0] + e + o, ey[1] - e, ey[1] + e + o};
    Untransform_Points(x, y, 6, 0, 0, a, 1);
    for (int k = 0; k < 6; ++k) {
        Area_Point p{};
        if (!To_Area(x[k], y[k], p)) return;
    }
    for (int k = 0; k < 6; k += 2) Add_World_Line(x[k], y[k], x[k + 1], y[k + 1]);
}

World_Polygon_Points World_Polygon_Store() {
    return {static_cast<int>(store.x.size()), store.x.data(), store.y.data()};
}
