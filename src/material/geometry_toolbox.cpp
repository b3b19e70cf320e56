#include "material/geometry_toolbox.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "common/tracked_alloc.h"
#include "material/index_sort.h"
#include "material/point_lists.h"
#include "material/point_transforms.h"
#include "material/polygon_sections.h"

namespace {

constexpr double Zero_Tolerance = 0.000001;      // lengths, cross products, determinants
constexpr double Boundary_Tolerance = 0.01;      // polygon boundaries and repeated points
constexpr double Touch_Tolerance = 1e-12;        // squared lengths of the circle intersection

bool Is_Unit_Parameter(double t) { return t >= -Zero_Tolerance && t <= 1 + Zero_Tolerance; }

bool Same_Point(double x1, double y1, double x2, double y2, double tol) {
    return std::fabs(x1 - x2) <= tol && std::fabs(y1 - y2) <= tol;
}

// Parameter of the point (X, Y) of the segment's line along the segment: along x, or along y when
// the segment is vertical. False for a segment without length.
bool Segment_Parameter(double xa, double ya, double xb, double yb, double X, double Y,
                       double* t) {
    const double dx = xb - xa, dy = yb - ya;
    if (std::fabs(dx) >= Zero_Tolerance) {
        *t = (X - xa) / dx;
        return true;
    }
    if (std::fabs(dy) >= Zero_Tolerance) {
        *t = (Y - ya) / dy;
        return true;
    }
    return false;
}

// A segment shrunk to the point (px, py) against the segment a-b: 1 off the segment's line,
// 0 on the segment (the point stored), -1 on the line beyond the segment.
int Point_Against_Segment(double px, double py, double xa, double ya, double xb, double yb,
                          double* xs, double* ys) {
    const double dx = xb - xa, dy = yb - ya;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (std::fabs(dx * (py - ya) - dy * (px - xa)) > Zero_Tolerance * length) return 1;
    double t = 0;
    if (!Segment_Parameter(xa, ya, xb, yb, px, py, &t) || !Is_Unit_Parameter(t)) return -1;
    if (xs) *xs = px;
    if (ys) *ys = py;
    return 0;
}

// A polygon as the walk of Intersect_Polygons sees it: edge k runs from corner k to corner k + 1.
struct Ring {
    const double* x;
    const double* y;
    int n;
    int Next(int k) const { return k + 1 < n ? k + 1 : 0; }
    bool Contains(double px, double py) const { return Point_In_Polygon(n, x, y, px, py) == 1; }
};

// Position along edge k: 0 at its start, 1 at its end.
double Edge_Parameter(const Ring& r, int k, double px, double py) {
    const int j = r.Next(k);
    const double dx = r.x[j] - r.x[k], dy = r.y[j] - r.y[k];
    const double d2 = dx * dx + dy * dy;
    return d2 > 0 ? ((px - r.x[k]) * dx + (py - r.y[k]) * dy) / d2 : 0;
}

struct Crossing {
    int edge = 0;   // edge of the other polygon
    double t = 0;   // parameter along the current edge
    double x = 0, y = 0;
};

// Which crossings of an edge a search takes: those ahead of the current point, the one at the
// current point itself, or any.
enum class Crossing_Search { Ahead, Here, Any };

// The crossing of edge k of `cur` with the edges of `other` nearest to the start of the edge among
// those the search takes; the current point (px, py) stands at parameter t0.
bool Find_Crossing(const Ring& cur, int k, const Ring& other, double t0, double px, double py,
                   Crossing_Search search, Crossing* found) {
    const int k2 = cur.Next(k);
    bool any = false;
    for (int j = 0; j < other.n; ++j) {
        const int j2 = other.Next(j);
        double qx = 0, qy = 0;
        if (Cross_Segments(cur.x[k], cur.y[k], cur.x[k2], cur.y[k2], other.x[j], other.y[j],
                           other.x[j2], other.y[j2], &qx, &qy) != 0)
            continue;
        const bool here = Same_Point(qx, qy, px, py, Zero_Tolerance);
        const double t = Edge_Parameter(cur, k, qx, qy);
        if (search == Crossing_Search::Ahead && (here || t <= t0)) continue;
        if (search == Crossing_Search::Here && !here) continue;
        if (!any || t < found->t) *found = {j, t, qx, qy};
        any = true;
    }
    return any;
}

// The result polygon in the caller's arrays: it ends before the first point that repeats an
// earlier one within 0.01, or when the arrays are full.
struct Walk_Result {
    double* x;
    double* y;
    int capacity;
    int count = 0;
    bool closed = false;
    bool Add(double px, double py) {
        if (closed) return false;
        for (int i = 0; i < count; ++i) {
            if (Same_Point(x[i], y[i], px, py, Boundary_Tolerance)) closed = true;
        }
        if (!closed && count < capacity) {
            x[count] = px;
            y[count] = py;
            ++count;
        }
        if (count >= capacity) closed = true;
        return !closed;
    }
};

// Where the walk stands: on edge k of polygon `cur` (0 A, 1 B) at parameter t, point (px, py).
struct Walk_Position {
    int cur = 0;
    int k = 0;
    double t = 0;
    double px = 0, py = 0;
};

// Continue along the other polygon from a crossing on its edge; a crossing at that edge's end
// continues from the start of the next edge.
void Switch_Polygon(Walk_Position& w, const Ring rings[2], const Crossing& c) {
    const Ring& other = rings[1 - w.cur];
    w.cur = 1 - w.cur;
    w.k = c.edge;
    w.t = Edge_Parameter(other, c.edge, c.x, c.y);
    const int end = other.Next(c.edge);
    if (Same_Point(c.x, c.y, other.x[end], other.y[end], Zero_Tolerance)) {
        w.k = end;
        w.t = 0;
    }
    w.px = c.x;
    w.py = c.y;
}

// The walk along the boundary of the intersection, both polygons clockwise: inside the other
// polygon it follows the current one; at the nearest crossing ahead it continues along the other.
// It ends at a repeated point, with no crossing ahead of a corner outside, or after
// 2 (na + nb) + capacity steps.
void Walk_Boundary(const Ring rings[2], Walk_Position w, Walk_Result& out) {
    if (!out.Add(w.px, w.py)) return;
    const long limit = 2L * rings[0].n + 2L * rings[1].n + out.capacity;
    bool switched_here = false;
    for (long step = 0; step < limit; ++step) {
        const Ring& cur = rings[w.cur];
        const Ring& other = rings[1 - w.cur];
        Crossing c;
        if (Find_Crossing(cur, w.k, other, w.t, w.px, w.py, Crossing_Search::Ahead, &c)) {
            if (!out.Add(c.x, c.y)) return;
            Switch_Polygon(w, rings, c);
            switched_here = false;
            continue;
        }
        const int v = cur.Next(w.k);
        if (other.Contains(cur.x[v], cur.y[v])) {
            if (!out.Add(cur.x[v], cur.y[v])) return;
            w = {w.cur, v, 0, cur.x[v], cur.y[v]};
            switched_here = false;
            continue;
        }
        // The current polygon leaves the other one right here (a corner on its boundary): go on
        // along the other polygon, once.
        if (switched_here ||
            !Find_Crossing(cur, w.k, other, w.t, w.px, w.py, Crossing_Search::Here, &c))
            return;
        Switch_Polygon(w, rings, c);
        switched_here = true;
    }
}

// The first crossing of the polygons, in the edge order of A and along each edge, and the
// polygon that enters the other there: clockwise polygons have their inside to the right, so A
// enters B where its edge turns to the right of B's edge.
bool First_Crossing(const Ring rings[2], Walk_Position* start) {
    const Ring& a = rings[0];
    const Ring& b = rings[1];
    for (int k = 0; k < a.n; ++k) {
        Crossing c;
        if (!Find_Crossing(a, k, b, 0, a.x[k], a.y[k], Crossing_Search::Any, &c)) continue;
        const int k2 = a.Next(k), j2 = b.Next(c.edge);
        const double ax = a.x[k2] - a.x[k], ay = a.y[k2] - a.y[k];
        const double bx = b.x[j2] - b.x[c.edge], by = b.y[j2] - b.y[c.edge];
        *start = {0, k, c.t, c.x, c.y};
        if (bx * ay - by * ax >= 0) Switch_Polygon(*start, rings, c);   // B enters A
        return true;
    }
    return false;
}

}  // namespace

double Sign_With_Tolerance(double v) {
    if (v < -Zero_Tolerance) return -1;
    if (v > Zero_Tolerance) return 1;
    return 0;
}

double Round_To_Step(double v, double step) {
    const double c = step == 0 ? 1 : 1 / step;
    const double k = std::floor(c * std::fabs(v) + 0.5555555555555556);
    const double r = k / c;
    return v < 0 ? -r : r;
}

double Square_Value(double v) { return v * v; }

double Cube_Value(double v) { return v * v * v; }

double Point_Distance(double x1, double y1, double x2, double y2) {
    const double s = (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
    return s > 0 ? std::sqrt(s) : 0;
}

void Swap_Values(double* a, double* b) { Swap_Doubles(a, b); }

// The root of larger magnitude, -p/2 - sign(p) sqrt(d), has no cancellation; the other follows
// from the product of the roots, q.
int Solve_Quadratic(double p, double q, double* root1, double* root2) {
    double r1 = 0, r2 = 0;
    const double h = -p / 2;
    const double d = h * h - q;
    const bool found = d >= 0;
    if (found) {
        const double big = h >= 0 ? h + std::sqrt(d) : h - std::sqrt(d);
        const double small = big != 0 ? q / big : 0;
        r1 = std::max(big, small);
        r2 = std::min(big, small);
    }
    if (root1) *root1 = r1;
    if (root2) *root2 = r2;
    return found ? 0 : 1;
}

double Integrate_Simpson(double a, double b, int n, const double* values) {
    if (b == a || n < 1 || !values) return 0;
    if (n == 1) return values[0] * (b - a);
    if (n == 2) return (values[0] + values[1]) / 2 * (b - a);
    const int m = (n - 1) / 2 * 2;
    double sum = values[0] + values[m];
    for (int k = 1; k < m; ++k) sum += (k % 2 ? 4 : 2) * values[k];
    return (b - a) / (3.0 * m) * sum;
}

int Point_In_Polygon(int n, const double* x, const double* y, double px, double py) {
    return Point_In_Polygon_Tol(n, x, y, px, py, Boundary_Tolerance);
}

// Crossing count over the edges from the last vertex on; a vertex or a horizontal edge within tol
// of the point, or an edge through it, is the boundary.
int Point_In_Polygon_Tol(int n, const double* x, const double* y, double px, double py,
                         double tol) {
    if (n < 1 || !x || !y) return 0;
    const int boundary = tol > -Zero_Tolerance ? 1 : 0;
    bool inside = false;
    for (int p = n - 1, q = 0; q < n; p = q++) {
        if (std::fabs(py - y[p]) < tol) {
            if (std::fabs(y[q] - py) < tol) {   // a horizontal edge at the point's height
                if (px >= std::min(x[p], x[q]) - tol && px <= std::max(x[p], x[q]) + tol)
                    return boundary;
                continue;
            }
            if (std::fabs(px - x[p]) < tol) return boundary;
        }
        const bool p_lower = y[p] <= y[q];
        const double lx = p_lower ? x[p] : x[q], ly = p_lower ? y[p] : y[q];
        const double ux = p_lower ? x[q] : x[p], uy = p_lower ? y[q] : y[p];
        if (!(ly + tol <= py && py <= uy + tol)) continue;
        const double h = (lx - px) * (uy - py) + (ly - py) * (px - ux);
        if (std::fabs(h) <= Zero_Tolerance) return boundary;
        if (h < -Zero_Tolerance) inside = !inside;
    }
    return inside ? 1 : 0;
}

int Points_Collinear(double x1, double y1, double x2, double y2, double x3, double y3,
                     double tol) {
    if (std::fabs(x2 - x1) < tol)
        return std::fabs(x3 - x1) < tol && std::fabs(y2 - y1) >= tol && tol > 0 ? 1 : 0;
    if (std::fabs(y2 - y1) < tol) return std::fabs(y3 - y1) < tol && tol > 0 ? 1 : 0;
    const double tx = (x3 - x1) / (x2 - x1), ty = (y3 - y1) / (y2 - y1);
    return std::fabs(tx - ty) < 0.01 * tol ? 1 : 0;
}

int Point_Inside_Segment(double x1, double y1, double x2, double y2, double x3, double y3,
                         double tol) {
    const double d13 = Point_Distance(x1, y1, x3, y3);
    if (!(d13 > tol && d13 < Point_Distance(x1, y1, x2, y2) - tol)) return 0;
    const double dx = x2 - x1, dy = y2 - y1;
    if (std::fabs(dx) < tol) {
        if (!(std::fabs(x3 - x1) < tol && std::fabs(dy) >= tol)) return 0;
        return Is_Unit_Parameter((y3 - y1) / dy) ? 1 : 0;
    }
    if (std::fabs(dy) < tol) {
        if (!(std::fabs(y3 - y1) < tol)) return 0;
        return Is_Unit_Parameter((x3 - x1) / dx) ? 1 : 0;
    }
    const double tx = (x3 - x1) / dx, ty = (y3 - y1) / dy;
    return std::fabs(tx - ty) < 0.01 * tol && Is_Unit_Parameter(tx) && Is_Unit_Parameter(ty)
               ? 1
               : 0;
}

int Cross_Lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                double y4, double* xs, double* ys) {
    const double D = (y2 - y1) * (x3 - x4) + (x2 - x1) * (y4 - y3);
    double X = 0, Y = 0;
    const bool parallel = std::fabs(D) < Zero_Tolerance;
    if (!parallel) {
        X = ((x4 - x3) * (y1 * x2 - x1 * y2) + (x3 * y4 - y3 * x4) * (x2 - x1)) / D;
        Y = ((y1 - y2) * (y3 * x4 - x3 * y4) + (y3 - y4) * (x1 * y2 - y1 * x2)) / D;
    }
    if (xs) *xs = X;
    if (ys) *ys = Y;
    return parallel ? 1 : 0;
}

// Each segment locates the point by its own parameter: along x, or along y when it is vertical,
// so that two steep segments are judged like any others.
int Cross_Segments(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4, double* xs, double* ys) {
    double X = 0, Y = 0;
    const int parallel = Cross_Lines(x1, y1, x2, y2, x3, y3, x4, y4, &X, &Y);
    if (xs) *xs = 0;
    if (ys) *ys = 0;
    if (parallel) return 1;
    double t1 = 0, t2 = 0;
    if (!Segment_Parameter(x1, y1, x2, y2, X, Y, &t1))
        return Point_Against_Segment(x1, y1, x3, y3, x4, y4, xs, ys);
    if (!Segment_Parameter(x3, y3, x4, y4, X, Y, &t2))
        return Point_Against_Segment(x3, y3, x1, y1, x2, y2, xs, ys);
    if (!Is_Unit_Parameter(t1) || !Is_Unit_Parameter(t2)) return -1;
    if (xs) *xs = X;
    if (ys) *ys = Y;
    return 0;
}

int Segments_Cross(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                   double y4) {
    const double e = Zero_Tolerance;
    if (std::max(x1, x2) < std::min(x3, x4) + e || std::max(x3, x4) < std::min(x1, x2) + e ||
        std::max(y1, y2) < std::min(y3, y4) + e || std::max(y3, y4) < std::min(y1, y2) + e)
        return 0;
    const double K = (y2 - y1) * (x3 - x4) - (y3 - y4) * (x2 - x1);
    if (std::fabs(K) < e) return 0;
    const double E = (y3 - y4) * (x1 - x3) - (x3 - x4) * (y1 - y3);
    const double F = (x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3);
    if (K > 0) return e <= E && E <= K && e <= F && F <= K ? 1 : 0;
    return K <= E && E <= -e && K <= F && F <= -e ? 1 : 0;
}

double Distance_Point_Segment(double x1, double y1, double x2, double y2, double px, double py) {
    constexpr double End_Distance = 0.001;
    const double dx = x2 - x1, dy = y2 - y1;
    const double L = std::sqrt(dx * dx + dy * dy);
    if (L > 0) {
        const double t = ((px - x1) * dx + (py - y1) * dy) / (L * L);
        const double fx = x1 + t * dx, fy = y1 + t * dy;
        if (Point_Distance(fx, fy, x1, y1) > End_Distance &&
            Point_Distance(fx, fy, x2, y2) > End_Distance) {
            bool on_segment;
            if (std::fabs(dx) < End_Distance) {
                const double ty = (fy - y1) / dy;
                on_segment = ty > -Zero_Tolerance && ty < 1 + Zero_Tolerance;
            } else {
                const double tx = (fx - x1) / dx;
                on_segment = tx > -Zero_Tolerance && tx < 1 + Zero_Tolerance;
                if (std::fabs(dy) >= End_Distance)
                    on_segment = on_segment && std::fabs(tx - (fy - y1) / dy) < 0.00001;
            }
            if (on_segment) return std::fabs(dy * (px - x1) - dx * (py - y1)) / L;
        }
    }
    return std::min(Point_Distance(px, py, x1, y1), Point_Distance(px, py, x2, y2));
}

// Touching circles are judged with the squared tolerance 1e-12 on both sides of h^2 = 0, so that
// rounding of a touching pair cannot lose the touching point.
int Intersect_Circles(double x1, double y1, double r1, double x2, double y2, double r2, int left,
                      double* xs, double* ys) {
    const double dx = x2 - x1, dy = y2 - y1;
    if (xs) *xs = dx / 2;
    if (ys) *ys = dy / 2;
    const double s2 = dx * dx + dy * dy;
    if (s2 < Touch_Tolerance) return 1;   // concentric
    const double s = std::sqrt(s2);
    const double a = (s2 + r1 * r1 - r2 * r2) / (2 * s);
    const double h2 = r1 * r1 - a * a;
    if (!(h2 >= -Touch_Tolerance)) return 1;
    const double ux = dx / s, uy = dy / s;
    double px = x1 + a * ux, py = y1 + a * uy;   // midpoint of the chord
    if (h2 > Touch_Tolerance) {
        const double h = left ? std::sqrt(h2) : -std::sqrt(h2);
        px += h * -uy;
        py += h * ux;
    }
    if (xs) *xs = px;
    if (ys) *ys = py;
    return 0;
}

void Compute_Polygon_Properties(int n, const double* x, const double* y, double* cx, double* cy,
                                double* area, double* perimeter) {
    const double A = Compute_Polygon_Area(n, x, y);
    double gx = 0, gy = 0;
    if (A > Zero_Tolerance) Compute_Polygon_Centroid(n, x, y, &gx, &gy);
    if (cx) *cx = gx;
    if (cy) *cy = gy;
    if (area) *area = A;
    if (perimeter) *perimeter = Compute_Polygon_Perimeter(n, x, y);
}

// Each corner V moves perpendicular to the chord from its predecessor P to its successor N, made
// symmetric about V first, so that V moves along the corner's bisector; a chord parallel to an
// axis moves V along the other axis. The side s d (-dy, dx) / |(dx, dy)|, s = -1 for a
// counter-clockwise and +1 for a clockwise polygon, points outward for d > 0. The walk starts at
// the first corner that differs from the last, so that a run of repeated corners (each equal to
// its successor) ends at a distinct corner, whose new position the whole run takes.
int Offset_Polygon(int n, double* x, double* y, double d) {
    if (n < 1 || !x || !y) return 1;
    const double area = Compute_Signed_Polygon_Area(n, x, y);
    if (!(std::fabs(area) > Zero_Tolerance)) return 1;
    int first = 0;
    while (first < n && Same_Point(x[first], y[first], x[n - 1], y[n - 1], Zero_Tolerance))
        ++first;
    if (first == n) return 1;
    const double side = area > 0 ? -1 : 1;

    Work_Doubles mx(n), my(n);
    int prev = n - 1;
    int run = -1;   // walk step of the first repeated corner waiting for its position
    for (int step = 0; step < n; ++step) {
        const int i = (first + step) % n;
        const int next = i + 1 < n ? i + 1 : 0;
        if (Same_Point(x[i], y[i], x[next], y[next], Zero_Tolerance)) {
            if (run < 0) run = step;
            continue;
        }
        double ax = x[prev], ay = y[prev], bx = x[next], by = y[next];
        double cdx = bx - ax, cdy = by - ay;
        if (std::fabs(cdx) < Zero_Tolerance && std::fabs(cdy) < Zero_Tolerance) return 1;
        double mvx, mvy;
        if (std::fabs(cdx) < Zero_Tolerance) {
            mvx = -side * d * (cdy > 0 ? 1 : -1);
            mvy = 0;
        } else if (std::fabs(cdy) < Zero_Tolerance) {
            mvx = 0;
            mvy = side * d * (cdx > 0 ? 1 : -1);
        } else {
            const double lp = Point_Distance(x[i], y[i], ax, ay);
            const double ln = Point_Distance(x[i], y[i], bx, by);
            if (ln > lp) {
                bx = x[i] + (bx - x[i]) * lp / ln;
                by = y[i] + (by - y[i]) * lp / ln;
            } else if (ln < lp) {
                ax = x[i] + (ax - x[i]) * ln / lp;
                ay = y[i] + (ay - y[i]) * ln / lp;
            }
            cdx = bx - ax;
            cdy = by - ay;
            if (std::fabs(cdx) < Zero_Tolerance && std::fabs(cdy) < Zero_Tolerance) return 1;
            const double length = std::sqrt(cdx * cdx + cdy * cdy);
            mvx = side * d * -cdy / length;
            mvy = side * d * cdx / length;
        }
        mx[i] = x[i] + mvx;
        my[i] = y[i] + mvy;
        if (run >= 0) {
            for (int s = run; s < step; ++s) {
                const int j = (first + s) % n;
                mx[j] = mx[i];
                my[j] = my[i];
            }
            run = -1;
        }
        prev = i;
    }
    std::copy(mx.v, mx.v + n, x);
    std::copy(my.v, my.v + n, y);
    return 0;
}

void Intersect_Polygons(const double* xa, const double* ya, int na, const double* xb,
                        const double* yb, int nb, double* x_out, double* y_out, int* n_out,
                        int capacity) {
    if (!n_out) return;
    if (na < 1 || nb < 1 || !xa || !ya || !xb || !yb) {
        *n_out = 0;
        return;
    }
    const std::size_t total = static_cast<std::size_t>(na) + static_cast<std::size_t>(nb);
    auto* wx = static_cast<double*>(MEM_CALLOC(total, sizeof(double)));
    auto* wy = static_cast<double*>(MEM_CALLOC(total, sizeof(double)));
    *n_out = 0;
    if (!wx || !wy) {
        MEM_FREE(wx);
        MEM_FREE(wy);
        return;
    }
    const bool have_output = x_out && y_out && capacity > 0;
    if (have_output) {
        std::fill(x_out, x_out + capacity, 0.0);
        std::fill(y_out, y_out + capacity, 0.0);
    }
    std::copy(xa, xa + na, wx);
    std::copy(ya, ya + na, wy);
    std::copy(xb, xb + nb, wx + na);
    std::copy(yb, yb + nb, wy + na);
    Orient_Polygon_Clockwise(na, wx, wy);
    Orient_Polygon_Clockwise(nb, wx + na, wy + na);
    const Ring rings[2] = {{wx, wy, na}, {wx + na, wy + na, nb}};

    if (have_output && capacity >= 2) {
        int a_in = 0, b_in = 0, first_a = -1, first_b = -1;
        for (int i = 0; i < na; ++i) {
            if (!rings[1].Contains(wx[i], wy[i])) continue;
            ++a_in;
            if (first_a < 0) first_a = i;
        }
        for (int i = 0; i < nb; ++i) {
            if (!rings[0].Contains(wx[na + i], wy[na + i])) continue;
            ++b_in;
            if (first_b < 0) first_b = i;
        }
        Walk_Result out{x_out, y_out, capacity};
        const int nested = a_in == 0 && b_in == nb ? 1 : b_in == 0 && a_in == na ? 0 : -1;
        Walk_Position start;
        if (nested >= 0) {
            const Ring& r = rings[nested];
            for (int i = 0; i < r.n; ++i) {
                if (!out.Add(r.x[i], r.y[i])) break;
            }
        } else if (first_a >= 0) {
            Walk_Boundary(rings, {0, first_a, 0, wx[first_a], wy[first_a]}, out);
        } else if (first_b >= 0) {
            Walk_Boundary(rings, {1, first_b, 0, wx[na + first_b], wy[na + first_b]}, out);
        } else if (First_Crossing(rings, &start)) {
            Walk_Boundary(rings, start, out);
        }
        *n_out = out.count;
    }
    MEM_FREE(wx);
    MEM_FREE(wy);
}
