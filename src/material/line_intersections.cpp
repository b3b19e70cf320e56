#include "material/line_intersections.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "common/counted_alloc.h"
#include "material/index_sort.h"
#include "material/point_lists.h"
#include "material/point_transforms.h"
#include "material/rounding.h"

namespace {

constexpr double Infinite = 1e100;
constexpr double Line_Tolerance = 0.00001;   // vertical, horizontal and parallel
constexpr double Degrees_Per_Radian = 57.29577951308232;
constexpr double Radians_Per_Degree = 0.017453292519943295;

bool Is_Zero_At(double v, int decimals) { return Round_To_Decimals(v, decimals) == 0; }

bool Same_Point_At(double x1, double y1, double x2, double y2, int decimals) {
    return Is_Zero_At(std::fabs(x1 - x2), decimals) && Is_Zero_At(std::fabs(y1 - y2), decimals);
}

// An angle brought into [0, full) with fmod; a remainder negative at the given decimals has one
// full turn added, so that a value just below 0 stays as it is.
double Into_One_Turn(double a, double full, int decimals) {
    a = std::fmod(a, full);
    if (Round_To_Decimals(a, decimals) < 0) a = a + full;
    return a;
}

// Is (x, y) within both ranges between (xa, xb) at the decimals: one of the two orders holds.
bool Within_Range(double v, double a, double b, int decimals) {
    return (Round_To_Decimals(a - v, decimals) <= 0 && Round_To_Decimals(v - b, decimals) <= 0) ||
           (Round_To_Decimals(b - v, decimals) <= 0 && Round_To_Decimals(v - a, decimals) <= 0);
}

double Slope(double xa, double ya, double xb, double yb) {
    const double dx = xa - xb;
    if (dx > -Line_Tolerance && dx < Line_Tolerance) return Infinite;
    return (yb - ya) / (xb - xa);
}

int Segment_Count(int n, int closed) {
    if (n < 2) return 0;
    return closed ? n : n - 1;
}

int Next_Index(int i, int n) { return i + 1 < n ? i + 1 : 0; }

// Crossings of the polyline's segments with a line, into a list; repeats at the given decimals.
void Collect_Line_Crossings(int n, const double* x, const double* y, int closed,
                            const double* lx, const double* ly, int decimals, int limit,
                            Point_List& list) {
    if (!x || !y || !lx || !ly) return;
    const int segments = Segment_Count(n, closed);
    for (int k = 0; k < segments; ++k) {
        const int b = Next_Index(k, n);
        const double sx[] = {x[k], x[b]};
        const double sy[] = {y[k], y[b]};
        double px = 0, py = 0;
        if (Intersect_Line_Segment(&px, &py, lx, ly, sx, sy) != 1) continue;
        const int last = list.count - 1;
        if (last >= 0 && Same_Point_At(px, py, list.X(last), list.Y(last), decimals)) continue;
        Append_Point(list, px, py);
        if (list.count >= limit) return;
    }
    // The closing segment meets the first point of a closed polyline again.
    if (closed && list.count >= 2 &&
        Same_Point_At(list.X(0), list.Y(0), list.X(list.count - 1), list.Y(list.count - 1),
                      decimals))
        Drop_Last_Point(list);
}

// Crossings of the polyline's segments (first) with the segment (second), into a list.
void Collect_Segment_Crossings(int n, const double* x, const double* y, int closed, double sx1,
                               double sy1, double sx2, double sy2, int limit, Point_List& list) {
    if (!x || !y) return;
    const int segments = Segment_Count(n, closed);
    for (int k = 0; k < segments; ++k) {
        const int b = Next_Index(k, n);
        double px = 0, py = 0;
        if (Intersect_Segments(x[k], y[k], x[b], y[b], sx1, sy1, sx2, sy2, &px, &py) != 1)
            continue;
        Append_Point(list, px, py);
        if (list.count >= limit) return;
    }
}

}  // namespace

Line_Direction Get_Line_Direction(double x1, double y1, double x2, double y2) {
    const double theta = Get_Segment_Angle(x1, y1, x2, y2);
    return {std::cos(theta), std::sin(theta)};
}

void Point_From_Line_Frame(const Line_Direction& d, double u, double v, double* x, double* y) {
    if (x) *x = u * d.c - v * d.s;
    if (y) *y = u * d.s + v * d.c;
}

Slope_Line Make_Slope_Line(double xa, double ya, double xb, double yb) {
    Slope_Line line;
    line.xa = xa;
    line.m = Slope(xa, ya, xb, yb);
    if (!Is_Vertical_Slope(line)) line.c = ya - xa * line.m;
    return line;
}

bool Is_Vertical_Slope(const Slope_Line& line) { return line.m == Infinite; }

bool Slope_Lines_Parallel(const Slope_Line& a, const Slope_Line& b) {
    const double d = a.m - b.m;
    return d > -Line_Tolerance && d < Line_Tolerance;
}

void Cross_Slope_Lines(const Slope_Line& a, const Slope_Line& b, double* x, double* y) {
    double px, py;
    if (Is_Vertical_Slope(a)) {
        px = a.xa;
        py = b.m * px + b.c;
    } else if (Is_Vertical_Slope(b)) {
        px = b.xa;
        py = a.m * px + a.c;
    } else {
        px = (b.c - a.c) / (a.m - b.m);
        py = a.m * px + a.c;
    }
    if (x) *x = px;
    if (y) *y = py;
}

int Lies_Within_Segment(double px, double py, double xa, double ya, double xb, double yb,
                        int decimals) {
    return Within_Range(px, xa, xb, decimals) && Within_Range(py, ya, yb, decimals);
}

double Get_Bisector_Angle_Deg(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b)) return std::numeric_limits<double>::quiet_NaN();
    a = Into_One_Turn(a, 360, 3);
    b = Into_One_Turn(b, 360, 3);
    if (b > a) Swap_Doubles(&a, &b);   // a the larger, b the smaller
    double m = b - (b - a) * 0.5;
    if (Round_To_Decimals(a - b - 180, 3) > 0) m = m - 180;   // more than 180 degrees apart
    if (Round_To_Decimals(m, 3) < 0) m = m + 360;
    return m;
}

double Get_Bisector_Angle(double a, double b) {
    return Get_Bisector_Angle_Deg(a * Degrees_Per_Radian, b * Degrees_Per_Radian) *
           Radians_Per_Degree;
}

double Normalize_Angle_Positive(double a) {
    if (!std::isfinite(a)) return std::numeric_limits<double>::quiet_NaN();
    if (Round_To_Decimals(a, 4) < 0) a = Into_One_Turn(a, Geometry_Two_Pi, 4);
    return a;
}

double Mirror_Value(double a, double b) { return 2 * b - a; }

void Get_Point_Along_Line(double x1, double y1, double x2, double y2, double d, int from_end,
                          double* ox, double* oy) {
    const Line_Direction dir = Get_Line_Direction(x1, y1, x2, y2);
    const double u = from_end ? Along_Line(dir, x2, y2) : Along_Line(dir, x1, y1);
    Point_From_Line_Frame(dir, u + d, Across_Line(dir, x1, y1), ox, oy);
}

int Get_Point_On_Segment(double x1, double y1, double x2, double y2, double d, double* ox,
                         double* oy) {
    const Line_Direction dir = Get_Line_Direction(x1, y1, x2, y2);
    const double u = d > 0 ? Along_Line(dir, x1, y1) : Along_Line(dir, x2, y2);
    Point_From_Line_Frame(dir, u + d, Across_Line(dir, x1, y1), ox, oy);
    const double length = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    return std::fabs(d) > length ? 1 : 0;
}

int Point_Lies_On_Line(double x1, double y1, double x2, double y2, double x, double y,
                       int decimals) {
    if (x1 == x2 && y1 == y2) return Same_Point_At(x, y, x1, y1, decimals) ? 1 : 0;
    if (x1 == x2) return Is_Zero_At(std::fabs(x - x1), decimals) ? 1 : 0;
    const double value = y1 + (y2 - y1) / (x2 - x1) * (x - x1);
    return Is_Zero_At(std::fabs(value - y), decimals) ? 1 : 0;
}

void Offset_Segment(double* x1, double* y1, double* x2, double* y2, double d) {
    if (!x1 || !y1 || !x2 || !y2) return;
    const Line_Direction dir = Get_Line_Direction(*x1, *y1, *x2, *y2);
    const double u1 = Along_Line(dir, *x1, *y1), v1 = Across_Line(dir, *x1, *y1) + d;
    const double u2 = Along_Line(dir, *x2, *y2), v2 = Across_Line(dir, *x2, *y2) + d;
    Point_From_Line_Frame(dir, u1, v1, x1, y1);
    Point_From_Line_Frame(dir, u2, v2, x2, y2);
}

double Get_Projected_Width(int n, const double* x, const double* y, double angle) {
    double high = -Infinite, low = Infinite;
    if (n >= 1 && x && y) {
        const double c = std::cos(angle), s = std::sin(angle);
        for (int i = 0; i < n; ++i) {
            const double p = x[i] * c + y[i] * s;
            high = std::max(high, p);
            low = std::min(low, p);
        }
    }
    return std::fabs(high - low);
}

void Project_Points_On_Line(int n, double* x, double* y, double x1, double y1, double x2,
                            double y2) {
    if (n < 1 || !x || !y) return;
    const Line_Direction dir = Get_Line_Direction(x1, y1, x2, y2);
    const double v = Across_Line(dir, x1, y1);
    for (int i = 0; i < n; ++i)
        Point_From_Line_Frame(dir, Along_Line(dir, x[i], y[i]), v, &x[i], &y[i]);
}

double Get_Distance_To_Line(double px, double py, double x1, double y1, double x2, double y2) {
    const Line_Direction dir = Get_Line_Direction(x1, y1, x2, y2);
    return std::fabs((py - y2) * dir.c + (x2 - px) * dir.s);
}

int Intersect_Lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double* ox, double* oy) {
    const Slope_Line a = Make_Slope_Line(x1, y1, x2, y2);
    const Slope_Line b = Make_Slope_Line(x3, y3, x4, y4);
    if (Slope_Lines_Parallel(a, b)) {
        if (ox) *ox = 0;
        if (oy) *oy = 0;
        return 1;
    }
    Cross_Slope_Lines(a, b, ox, oy);
    return 0;
}

int Intersect_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                       double x4, double y4, double* ox, double* oy) {
    double px = 0, py = 0;
    const int parallel = Intersect_Lines(x1, y1, x2, y2, x3, y3, x4, y4, &px, &py);
    if (ox) *ox = px;
    if (oy) *oy = py;
    if (parallel) return 0;
    return Lies_Within_Segment(px, py, x1, y1, x2, y2, 5) &&
                   Lies_Within_Segment(px, py, x3, y3, x4, y4, 5)
               ? 1
               : 0;
}

// The ray is cut at 1000 times the largest coordinate magnitude (at least 1000), far beyond every
// point of the segment.
int Intersect_Ray_Segment(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, double* ox, double* oy) {
    double reach = 1000;
    for (double v : {x1, y1, x2, y2, x3, y3, x4, y4}) reach = std::max(reach, std::fabs(v));
    double ex = 0, ey = 0;
    Get_Point_Along_Line(x1, y1, x2, y2, 1000 * reach, 0, &ex, &ey);
    return Intersect_Segments(x1, y1, ex, ey, x3, y3, x4, y4, ox, oy);
}

int Intersect_Line_Segment(double* ox, double* oy, const double* lx, const double* ly,
                           const double* sx, const double* sy) {
    if (!lx || !ly || !sx || !sy) return 0;
    const Slope_Line line = Make_Slope_Line(lx[0], ly[0], lx[1], ly[1]);
    const Slope_Line segment = Make_Slope_Line(sx[0], sy[0], sx[1], sy[1]);
    if (Slope_Lines_Parallel(line, segment)) {
        if (ox) *ox = 0;
        if (oy) *oy = 0;
        const Line_Direction dir = Get_Line_Direction(lx[0], ly[0], lx[1], ly[1]);
        const double distance = std::fabs((sy[0] - ly[1]) * dir.c + (lx[1] - sx[0]) * dir.s);
        return Is_Zero_At(distance, 8) ? 2 : 0;
    }
    double px = 0, py = 0;
    Cross_Slope_Lines(line, segment, &px, &py);
    if (ox) *ox = px;
    if (oy) *oy = py;
    return Lies_Within_Segment(px, py, sx[0], sy[0], sx[1], sy[1], 8);
}

int Overlap_Parallel_Segments(double x1, double y1, double x2, double y2, double x3, double y3,
                              double x4, double y4, double* ox1, double* oy1, double* ox2,
                              double* oy2) {
    const double m1 = Slope(x1, y1, x2, y2);
    const double m2 = Slope(x3, y3, x4, y4);
    if (!(std::fabs(m1 - m2) < Line_Tolerance)) return 0;
    const bool horizontal = std::fabs(m1) < Line_Tolerance;
    if (horizontal) {
        if (std::min(y1, y2) != std::min(y3, y4)) return 0;
    } else if (!(Get_Distance_To_Line(x3, y3, x1, y1, x2, y2) < Line_Tolerance) ||
               !(Get_Distance_To_Line(x4, y4, x1, y1, x2, y2) < Line_Tolerance)) {
        return 0;
    }
    const double x_low = std::max(std::min(x1, x2), std::min(x3, x4));
    const double x_high = std::min(std::max(x1, x2), std::max(x3, x4));
    if (x_low > x_high) return 0;
    const double y_low = std::max(std::min(y1, y2), std::min(y3, y4));
    const double y_high = std::min(std::max(y1, y2), std::max(y3, y4));
    if (!horizontal && y_low > y_high) return 0;

    // The ends on the first segment's line, taken along its longer extent.
    double ax, ay, bx, by;
    const double dx = x2 - x1, dy = y2 - y1;
    if (horizontal) {
        ax = x_low, bx = x_high;
        ay = by = std::min(y1, y2);
    } else if (std::fabs(dx) >= std::fabs(dy)) {
        ax = x_low, bx = x_high;
        ay = y1 + (ax - x1) * dy / dx;
        by = y1 + (bx - x1) * dy / dx;
    } else {
        ay = y_low, by = y_high;
        ax = x1 + (ay - y1) * dx / dy;
        bx = x1 + (by - y1) * dx / dy;
        if (bx < ax) {
            Swap_Doubles(&ax, &bx);
            Swap_Doubles(&ay, &by);
        }
    }
    if (ox1) *ox1 = ax;
    if (oy1) *oy1 = ay;
    if (ox2) *ox2 = bx;
    if (oy2) *oy2 = by;
    return 1;
}

int Intersect_Polyline_Line(int n, const double* x, const double* y, int closed, const double* lx,
                            const double* ly, double** ox, double** oy) {
    Point_List list = Open_Point_List(ox, oy, n);
    Collect_Line_Crossings(n, x, y, closed, lx, ly, 6, std::numeric_limits<int>::max(), list);
    return Close_Point_List(list);
}

int Intersect_Polyline_Line_Fixed(int n, const double* x, const double* y, int closed,
                                  const double* lx, const double* ly, double* ox, double* oy) {
    Point_List list = Open_Fixed_Point_List(ox, oy, 10);
    Collect_Line_Crossings(n, x, y, closed, lx, ly, 5, 10, list);
    return Close_Point_List(list);
}

int Intersect_Polyline_Segment(int n, const double* x, const double* y, int closed, double sx1,
                               double sy1, double sx2, double sy2, double** ox, double** oy) {
    Point_List list = Open_Point_List(ox, oy, n);
    Collect_Segment_Crossings(n, x, y, closed, sx1, sy1, sx2, sy2,
                              std::numeric_limits<int>::max(), list);
    const int last = list.count - 1;
    if (closed && list.count >= 2 && list.X(0) == list.X(last) && list.Y(0) == list.Y(last))
        Drop_Last_Point(list);
    return Close_Point_List(list);
}

int Intersect_Polyline_Segment_Fixed(int n, const double* x, const double* y, int closed,
                                     double sx1, double sy1, double sx2, double sy2, double* ox,
                                     double* oy) {
    Point_List list = Open_Fixed_Point_List(ox, oy, 10);
    Collect_Segment_Crossings(n, x, y, closed, sx1, sy1, sx2, sy2, 10, list);
    return Close_Point_List(list);
}

int Intersect_Polylines(int n, const double* x, const double* y, int closed, int m,
                        const double* px, const double* py, int closed_b, double** ox,
                        double** oy) {
    const long long room = static_cast<long long>(std::max(n, 0)) + std::max(m, 0);
    Point_List list =
        Open_Point_List(ox, oy, static_cast<int>(std::min<long long>(room, INT_MAX)));
    if (x && y) {
        double* tx = nullptr;
        double* ty = nullptr;
        const int segments = Segment_Count(n, closed);
        for (int k = 0; k < segments; ++k) {
            const int b = Next_Index(k, n);
            const int found =
                Intersect_Polyline_Segment(m, px, py, closed_b, x[k], y[k], x[b], y[b], &tx, &ty);
            for (int j = 0; j < found; ++j) {
                const int last = list.count - 1;
                if (j == 0 && last >= 0 && tx[0] == list.X(last) && ty[0] == list.Y(last))
                    continue;
                Append_Point(list, tx[j], ty[j]);
            }
        }
        Free_And_Null(&tx);
        Free_And_Null(&ty);
    }
    return Close_Point_List(list);
}
