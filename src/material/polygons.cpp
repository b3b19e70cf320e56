#include "material/polygons.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "common/counted_alloc.h"
#include "material/index_sort.h"
#include "material/line_intersections.h"
#include "material/point_lists.h"
#include "material/point_transforms.h"
#include "material/polygon_sections.h"
#include "material/rounding.h"

namespace {

constexpr double Coincidence = 0.00001;   // the tolerance of the slope form
constexpr double Infinite = 1e100;

// Outcome of one counting attempt of Classify_Point_Polygon whose line met a corner.
constexpr int Attempt_Abandoned = -2;

bool Near(double x1, double y1, double x2, double y2) {
    return std::fabs(x1 - x2) < Coincidence && std::fabs(y1 - y2) < Coincidence;
}

bool Same_At_5(double x1, double y1, double x2, double y2) {
    return Round_To_Decimals(std::fabs(x1 - x2), 5) == 0 &&
           Round_To_Decimals(std::fabs(y1 - y2), 5) == 0;
}

int Next(int i, int n) { return i + 1 < n ? i + 1 : 0; }
int Previous(int i, int n) { return i > 0 ? i - 1 : n - 1; }

bool Between(double v, double a, double b) {
    return v >= std::min(a, b) - Coincidence && v <= std::max(a, b) + Coincidence;
}

// One count along the line from P to the far point F.
int Classify_Attempt(int n, const double* x, const double* y, double px, double py, double fx,
                     double fy) {
    const Slope_Line ray = Make_Slope_Line(px, py, fx, fy);
    int crossings = 0;
    for (int i = 0; i < n; ++i) {
        const int j = Next(i, n);
        if (Near(px, py, x[i], y[i]) || Near(px, py, x[j], y[j])) return 2;
        const Slope_Line edge = Make_Slope_Line(x[i], y[i], x[j], y[j]);
        if (Slope_Lines_Parallel(ray, edge)) continue;
        double qx = 0, qy = 0;
        Cross_Slope_Lines(ray, edge, &qx, &qy);
        if (Near(qx, qy, x[i], y[i]) || Near(qx, qy, x[j], y[j]))
            return Near(qx, qy, px, py) ? 2 : Attempt_Abandoned;
        if (!Between(qx, x[i], x[j]) || !Between(qy, y[i], y[j])) continue;
        if (Get_Distance_To_Line(px, py, x[i], y[i], x[j], y[j]) < Coincidence) return 2;
        const bool ahead = Is_Vertical_Slope(ray) ? qy >= py : qx >= px && qy >= py;
        if (ahead) ++crossings;
    }
    return crossings % 2;
}

bool Is_Covering(int code) { return code == 1 || code == 2; }

// The centroid, false when the polygon has none (no area).
bool Find_Centroid(int n, const double* x, const double* y, double* cx, double* cy) {
    Compute_Polygon_Centroid(n, x, y, cx, cy);
    return std::isfinite(*cx) && std::isfinite(*cy);
}

void Shift_Points(int n, double* x, double* y, double dx, double dy) {
    for (int i = 0; i < n; ++i) {
        x[i] += dx;
        y[i] += dy;
    }
}

// A point moved outward from the centroid by a when its relative coordinate is away from 0.
double Widen(double v, double a) {
    if (Round_To_Decimals(v, 4) < 0) v -= a;
    if (Round_To_Decimals(v, 4) > 0) v += a;
    return v;
}

// The left shift d (-dy, dx) / length of the edge from a to b; (d, 0) for an edge without length.
void Edge_Shift(double xa, double ya, double xb, double yb, double d, double* sx, double* sy) {
    const double dx = xb - xa, dy = yb - ya;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length > 0) {
        *sx = d * -dy / length;
        *sy = d * dx / length;
    } else {
        *sx = d;
        *sy = 0;
    }
}

}  // namespace

int Classify_Point_Polygon(int n, const double* x, const double* y, double px, double py) {
    if (!x || !y || n < 1) return -1;
    if (n < 3) return 0;
    const double top_x = x[Find_Extreme_Index(n, x, 1)];
    const double top_y = y[Find_Extreme_Index(n, y, 1)];
    double fx = top_x > 0.5 ? 2 * top_x : 1.0;
    double fy = top_y > 0.5 ? 2 * top_y : 1.0;
    for (int abandoned = 1; abandoned <= 5; ++abandoned) {
        const int code = Classify_Attempt(n, x, y, px, py, fx, fy);
        if (code != Attempt_Abandoned) return code;
        if (abandoned % 2)
            fx *= 1.5;
        else
            fy *= 1.5;
    }
    return 0;
}

double Get_Length_Inside_Polygon(int n, const double* x, const double* y, int m, const double* u,
                                 const double* w) {
    if (n < 1 || m < 1 || !x || !y || !u || !w) return 0;
    Work_Doubles cx(m), cy(m), along(m);
    double length = 0;
    double ax = x[n - 1], ay = y[n - 1];
    bool a_in = Classify_Point_Polygon(m, u, w, ax, ay) != 0;
    for (int e = 0; e < n; ++e) {
        const double bx = x[e], by = y[e];
        const bool b_in = Classify_Point_Polygon(m, u, w, bx, by) != 0;
        const Slope_Line line = Make_Slope_Line(ax, ay, bx, by);
        int k = 0;
        for (int j = 0; j < m; ++j) {
            const int j2 = Next(j, m);
            const Slope_Line edge = Make_Slope_Line(u[j], w[j], u[j2], w[j2]);
            if (Slope_Lines_Parallel(line, edge)) continue;
            double qx = 0, qy = 0;
            Cross_Slope_Lines(line, edge, &qx, &qy);
            if (!Lies_Within_Segment(qx, qy, u[j], w[j], u[j2], w[j2], 5) ||
                !Lies_Within_Segment(qx, qy, ax, ay, bx, by, 5))
                continue;
            // Ordered along the edge by insertion; a crossing met twice (at a corner of the
            // polygon) is kept once.
            const double t = (qx - ax) * (bx - ax) + (qy - ay) * (by - ay);
            int at = k;
            while (at > 0 && along[at - 1] > t) --at;
            if ((at > 0 && Same_At_5(cx[at - 1], cy[at - 1], qx, qy)) ||
                (at < k && Same_At_5(cx[at], cy[at], qx, qy)))
                continue;
            for (int s = k; s > at; --s) {
                cx[s] = cx[s - 1];
                cy[s] = cy[s - 1];
                along[s] = along[s - 1];
            }
            cx[at] = qx;
            cy[at] = qy;
            along[at] = t;
            ++k;
        }
        if (k == 0) {
            if (a_in && b_in) length += std::hypot(bx - ax, by - ay);
        } else {
            if (a_in) length += std::hypot(cx[0] - ax, cy[0] - ay);
            for (int j = a_in ? 2 : 1; j < k; j += 2)
                length += std::hypot(cx[j] - cx[j - 1], cy[j] - cy[j - 1]);
            if (b_in) length += std::hypot(bx - cx[k - 1], by - cy[k - 1]);
        }
        ax = bx;
        ay = by;
        a_in = b_in;
    }
    return length;
}

int Get_Overlap_By_Grid(int n, const double* x, const double* y, int m, const double* u,
                        const double* w, double* area, double* width, double* height) {
    double sum = 0;
    double xlo = Infinite, ylo = Infinite, xhi = -Infinite, yhi = -Infinite;   // counted centres
    if (n >= 1 && m >= 1 && x && y && u && w) {
        double bx0 = Infinite, by0 = Infinite, bx1 = -Infinite, by1 = -Infinite;
        Get_Polygon_Extents(n, x, y, &bx0, &by0, &bx1, &by1);
        double ux0, uy0, ux1, uy1;
        Get_Polygon_Extents(m, u, w, &ux0, &uy0, &ux1, &uy1);
        bx0 = std::min(bx0, ux0), by0 = std::min(by0, uy0);
        bx1 = std::max(bx1, ux1), by1 = std::max(by1, uy1);
        const double W = bx1 - bx0, H = by1 - by0;
        if (W > 0 && H > 0 && std::isfinite(W) && std::isfinite(H)) {
            int rows = 100, columns = 100;
            if (W > H)
                columns = static_cast<int>(std::min(100 * W / H, 200.0));
            else
                rows = static_cast<int>(std::min(100 * H / W, 200.0));
            const double cw = W / columns, ch = H / rows;
            for (int r = 0; r < rows; ++r) {
                const double yc = by0 + ch / 2 + r * ch;
                for (int c = 0; c < columns; ++c) {
                    const double xc = bx0 + cw / 2 + c * cw;
                    if (!Is_Covering(Classify_Point_Polygon(n, x, y, xc, yc)) ||
                        !Is_Covering(Classify_Point_Polygon(m, u, w, xc, yc)))
                        continue;
                    sum += cw * ch;
                    xlo = std::min(xlo, xc), xhi = std::max(xhi, xc);
                    ylo = std::min(ylo, yc), yhi = std::max(yhi, yc);
                }
            }
        }
    }
    if (area) *area = sum;
    if (width) *width = xhi - xlo;
    if (height) *height = yhi - ylo;
    return sum > 0 ? 1 : 0;
}

double Get_Overlap_Area(int n, const double* x, const double* y, int m, const double* u,
                        const double* w) {
    double area = 0, width = 0, height = 0;
    return Get_Overlap_By_Grid(n, x, y, m, u, w, &area, &width, &height) == 1 ? area : 0;
}

// The circumradius R = r sqrt(phi / sin phi), phi = 2 pi / n, gives the n-gon the circle's area.
int Make_Equal_Area_Polygon(double r, double cx, double cy, int n, double* x, double* y) {
    if (n < 3 || !x || !y) return 1;
    const double phi = Geometry_Two_Pi / n;
    const double R = r * std::sqrt(phi / std::sin(phi));
    for (int i = 0; i < n; ++i) {
        x[i] = cx + R * std::cos(i * phi);
        y[i] = cy + R * std::sin(i * phi);
    }
    return 0;
}

void Make_Rectangle(double width, double height, double cx, double cy, double* x, double* y) {
    if (!x || !y) return;
    const double hw = width / 2, hh = height / 2;
    const double xs[] = {cx - hw, cx + hw, cx + hw, cx - hw};
    const double ys[] = {cy - hh, cy - hh, cy + hh, cy + hh};
    std::copy(xs, xs + 4, x);
    std::copy(ys, ys + 4, y);
}

void Get_Polygon_Extents(int n, const double* x, const double* y, double* xmin, double* ymin,
                         double* xmax, double* ymax) {
    double x0 = Infinite, y0 = Infinite, x1 = -Infinite, y1 = -Infinite;
    if (x && y) {
        for (int i = 0; i < n; ++i) {
            x0 = std::min(x0, x[i]), x1 = std::max(x1, x[i]);
            y0 = std::min(y0, y[i]), y1 = std::max(y1, y[i]);
        }
    }
    if (xmin) *xmin = x0;
    if (ymin) *ymin = y0;
    if (xmax) *xmax = x1;
    if (ymax) *ymax = y1;
}

int Cut_Polygon_By_Line(int n, const double* x, const double* y, const double* lx,
                        const double* ly, int* count, double** ox, double** oy) {
    Point_List list = Open_Point_List(ox, oy, n > 0 && n < INT_MAX - 2 ? n + 2 : 2);
    int crossed = 0;
    if (n >= 1 && x && y && lx && ly) {
        const Line_Direction dir = Get_Line_Direction(lx[0], ly[0], lx[1], ly[1]);
        for (int i = 0; i < n; ++i) {
            const double across = (y[i] - ly[0]) * dir.c + (lx[0] - x[i]) * dir.s;
            if (Round_To_Decimals(across, 4) > 0) Append_Point(list, x[i], y[i]);
            const int j = Next(i, n);
            const double sx[] = {x[i], x[j]};
            const double sy[] = {y[i], y[j]};
            double qx = 0, qy = 0;
            if (Intersect_Line_Segment(&qx, &qy, lx, ly, sx, sy) == 1) {
                Append_Point(list, qx, qy);
                crossed = 1;
            }
        }
    }
    const int k = Close_Point_List(list, true);
    if (count) *count = k;
    return crossed;
}

int Scale_Polygon_About_Centroid(int n, double* x, double* y, double factor) {
    if (n < 1 || !x || !y) return 0;
    double cx, cy;
    if (!Find_Centroid(n, x, y, &cx, &cy)) return 1;
    for (int i = 0; i < n; ++i) {
        x[i] = (x[i] - cx) * factor + cx;
        y[i] = (y[i] - cy) * factor + cy;
    }
    return 0;
}

int Expand_Polygon_About_Centroid(int n, double* x, double* y, double a, double b) {
    if (n < 1 || !x || !y) return 0;
    double cx, cy;
    if (!Find_Centroid(n, x, y, &cx, &cy)) return 1;
    for (int i = 0; i < n; ++i) {
        x[i] = Widen(x[i] - cx, a) + cx;
        y[i] = Widen(y[i] - cy, b) + cy;
    }
    return 0;
}

int Offset_Polygon_Corners(int n, double* x, double* y, double d) {
    if (n < 1 || !x || !y) return 0;
    double cx, cy;
    if (!Find_Centroid(n, x, y, &cx, &cy)) return 1;
    Shift_Points(n, x, y, -cx, -cy);
    double* rx = nullptr;
    double* ry = nullptr;
    Copy_Double_Array(n, &rx, x);
    Copy_Double_Array(n, &ry, y);
    for (int i = 0; i < n; ++i) {
        const int p = Previous(i, n), q = Next(i, n);
        const double phi = (Get_Segment_Angle(rx[p], ry[p], rx[i], ry[i]) +
                            Get_Segment_Angle(rx[q], ry[q], rx[i], ry[i])) /
                           2;
        const double mx = d * std::cos(phi), my = d * std::sin(phi);
        if (Classify_Point_Polygon(n, rx, ry, rx[i] + mx, ry[i] + my) != 0) {
            x[i] = rx[i] - mx;
            y[i] = ry[i] - my;
        } else {
            x[i] = rx[i] + mx;
            y[i] = ry[i] + my;
        }
    }
    Free_And_Null(&rx);
    Free_And_Null(&ry);
    Shift_Points(n, x, y, cx, cy);
    return 0;
}

void Offset_Polyline(double* x, double* y, int n, double d) {
    if (!x || !y || n == INT_MIN) return;
    const bool closed = n > 0;
    const int N = closed ? n : -n;
    if (N < 2 || std::fabs(d) < Coincidence) return;

    Work_Doubles px(N), py(N), sx(N), sy(N);   // the points before moving, each edge's shift
    std::copy(x, x + N, px.v);
    std::copy(y, y + N, py.v);
    const int edges = closed ? N : N - 1;   // edge k from point k to point k + 1 (the last to 0)
    for (int k = 0; k < edges; ++k) {
        const int k2 = Next(k, N);
        Edge_Shift(px[k], py[k], px[k2], py[k2], d, &sx[k], &sy[k]);
    }
    // The corner at point v between the moved edges kp (arriving) and kn (leaving).
    auto join = [&](int kp, int kn, int v) {
        const int kp2 = Next(kp, N), kn2 = Next(kn, N);
        const Slope_Line a = Make_Slope_Line(px[kp] + sx[kp], py[kp] + sy[kp],
                                             px[kp2] + sx[kp], py[kp2] + sy[kp]);
        const Slope_Line b = Make_Slope_Line(px[kn] + sx[kn], py[kn] + sy[kn],
                                             px[kn2] + sx[kn], py[kn2] + sy[kn]);
        if (Slope_Lines_Parallel(a, b)) {
            x[v] = px[v] + (sx[kp] + sx[kn]) / 2;
            y[v] = py[v] + (sy[kp] + sy[kn]) / 2;
        } else {
            Cross_Slope_Lines(a, b, &x[v], &y[v]);
        }
    };
    x[0] = px[0] + sx[0], y[0] = py[0] + sy[0];
    x[1] = px[1] + sx[0], y[1] = py[1] + sy[0];
    for (int k = 1; k <= N - 2; ++k) {
        join(k - 1, k, k);
        x[k + 1] = px[k + 1] + sx[k];
        y[k + 1] = py[k + 1] + sy[k];
    }
    if (closed) {
        join(N - 1, 0, 0);
        join(N - 2, N - 1, N - 1);
    }
}

int Drop_Reflex_Vertices(int n, double* x, double* y) {
    if (n < 1 || !x || !y) return 0;
    const double turn = Compute_Signed_Polygon_Area(n, x, y) < 0 ? -1 : 1;
    Work_Doubles kx(n), ky(n);
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        const int p = Previous(i, n), q = Next(i, n);
        const double cross = (x[i] - x[p]) * (y[q] - y[i]) - (y[i] - y[p]) * (x[q] - x[i]);
        if (cross * turn < 0) continue;
        kx[kept] = x[i];
        ky[kept] = y[i];
        ++kept;
    }
    std::copy(kx.v, kx.v + kept, x);
    std::copy(ky.v, ky.v + kept, y);
    return kept;
}

int Drop_Duplicate_Points(int n, double* x, double* y) {
    if (n < 1 || !x || !y) return 0;
    const double x0 = x[0], y0 = y[0];   // the last point's successor, before it is overwritten
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        const double nx = i + 1 < n ? x[i + 1] : x0, ny = i + 1 < n ? y[i + 1] : y0;
        if (Same_At_5(x[i], y[i], nx, ny)) continue;
        x[kept] = x[i];
        y[kept] = y[i];
        ++kept;
    }
    return kept;
}

int Count_Self_Intersections(int n, const double* x, const double* y, int closed) {
    if (!x || !y) return 0;
    const int edges = closed ? (n >= 2 ? n : 0) : (n > 2 ? n - 1 : 0);
    int count = 0;
    for (int i = 0; i < edges; ++i) {
        const int i2 = Next(i, n);
        const Slope_Line a = Make_Slope_Line(x[i], y[i], x[i2], y[i2]);
        for (int j = i + 1; j < edges; ++j) {
            const int j2 = Next(j, n);
            const Slope_Line b = Make_Slope_Line(x[j], y[j], x[j2], y[j2]);
            if (Slope_Lines_Parallel(a, b)) continue;
            double qx = 0, qy = 0;
            Cross_Slope_Lines(a, b, &qx, &qy);
            if (Lies_Within_Segment(qx, qy, x[i], y[i], x[i2], y[i2], 5) &&
                Lies_Within_Segment(qx, qy, x[j], y[j], x[j2], y[j2], 5) &&
                !Same_At_5(qx, qy, x[i], y[i]) && !Same_At_5(qx, qy, x[i2], y[i2]))
                ++count;
        }
    }
    return count;
}
