#include "material/circles.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "material/line_intersections.h"
#include "material/point_lists.h"
#include "material/point_transforms.h"
#include "material/rounding.h"

namespace {

double Round_5(double v) { return Round_To_Decimals(v, 5); }

bool Same_At_5(double x1, double y1, double x2, double y2) {
    return Round_5(std::fabs(x1 - x2)) == 0 && Round_5(std::fabs(y1 - y2)) == 0;
}

// The segment of a circle of radius r cut off by a chord c: 0.5 r^2 (alpha - sin alpha) with the
// central angle alpha = 2 arcsin(c / 2r), the argument held in [-1, 1] against rounding.
double Circle_Segment_Area(double r, double c) {
    const double alpha = 2 * std::asin(std::clamp(c / 2 / r, -1.0, 1.0));
    return 0.5 * r * r * (alpha - std::sin(alpha));
}

void Collect_Polyline_Crossings(int n, const double* x, const double* y, double cx, double cy,
                                double r, int stop_above, Point_List& list) {
    if (!x || !y) return;
    for (int i = 1; i < n; ++i) {
        const double sx[] = {x[i - 1], x[i]};
        const double sy[] = {y[i - 1], y[i]};
        double px[2], py[2];
        const int found = Intersect_Segment_Circle(cx, cy, r, sx, sy, 1, px, py);
        for (int k = 0; k < found; ++k) Append_Point(list, px[k], py[k]);
        if (list.count > stop_above) return;
    }
}

}  // namespace

// The lens: with s = (r1 + r2 + d) / 2 its chord is c = (4 / d) sqrt(s (s - r1)(s - r2)(s - d)),
// twice the height of the triangle of the centres and a crossing (Heron). Each circle gives the
// segment beyond the chord; the smaller circle gives its major segment when its centre lies
// between the larger centre and the chord (sqrt(d^2 + c^2 / 4) < r_big).
int Get_Circle_Overlap(double r1, double r2, double d, double* area, double* depth,
                       double* chord) {
    double A = 0, t = 0, c = 0;
    const bool meet = r1 + r2 - d >= 0;
    if (meet) {
        if (r1 + d <= r2 || r2 + d <= r1) {   // one circle inside the other, d = 0 included
            const double r = std::min(r1, r2);
            A = Geometry_Pi * r * r;
            t = c = 2 * r;
        } else {
            t = r1 + r2 - d;
            const double s = (r1 + r2 + d) / 2;
            c = 4 / d * std::sqrt(std::max(0.0, (s - r2) * (s - r1) * (s - d) * s));
            double S1 = Circle_Segment_Area(r1, c), S2 = Circle_Segment_Area(r2, c);
            const double reach = std::sqrt(d * d + c * c / 4);
            if (r2 < r1 && reach < r1) S2 = Geometry_Pi * r2 * r2 - S2;
            if (r1 < r2 && reach < r2) S1 = Geometry_Pi * r1 * r1 - S1;
            A = S1 + S2;
        }
    }
    if (area) *area = A;
    if (depth) *depth = t;
    if (chord) *chord = c;
    return meet ? 1 : 0;
}

double Get_Circle_Overlap_Area(double r1, double r2, double d) {
    double area = 0;
    return Get_Circle_Overlap(r1, r2, d, &area, nullptr, nullptr) ? area : 0;
}

int Intersect_Line_Circle(double cx, double cy, double r, const double* lx, const double* ly,
                          double* ox, double* oy) {
    if (!lx || !ly || !ox || !oy) return 0;
    const Line_Direction dir = Get_Line_Direction(lx[0], ly[0], lx[1], ly[1]);
    const double v = Across_Line(dir, lx[0], ly[0]);
    const double uc = Along_Line(dir, cx, cy);
    const double h = Across_Line(dir, cx, cy) - Across_Line(dir, lx[1], ly[1]);
    const double miss = std::fabs(h) - r;
    if (Round_5(miss) > 0) return 0;
    if (Round_5(std::fabs(miss)) == 0) {
        Point_From_Line_Frame(dir, uc, v, &ox[0], &oy[0]);
        ox[1] = ox[0];
        oy[1] = oy[0];
        return 1;
    }
    const double w = std::sqrt(std::max(0.0, r * r - h * h));
    Point_From_Line_Frame(dir, uc - w, v, &ox[0], &oy[0]);
    Point_From_Line_Frame(dir, uc + w, v, &ox[1], &oy[1]);
    return 2;
}

// Without the ends, the entry point counts unless it lies on the segment's first end and the exit
// point unless it lies on the second end: each is judged on its own.
int Intersect_Segment_Circle(double cx, double cy, double r, const double* sx, const double* sy,
                             int with_ends, double* ox, double* oy) {
    if (!sx || !sy || !ox || !oy) return 0;
    ox[0] = oy[0] = ox[1] = oy[1] = 0;
    double px[2], py[2];
    if (Intersect_Line_Circle(cx, cy, r, sx, sy, px, py) < 2) return 0;
    int count = 0;
    for (int k = 0; k < 2; ++k) {
        if (!Lies_Within_Segment(px[k], py[k], sx[0], sy[0], sx[1], sy[1], 5)) continue;
        if (!with_ends && Same_At_5(px[k], py[k], sx[k], sy[k])) continue;
        ox[count] = px[k];
        oy[count] = py[k];
        ++count;
    }
    return count;
}

int Intersect_Segment_Circle_With_Ends(double cx, double cy, double r, const double* sx,
                                       const double* sy, double* ox, double* oy) {
    return Intersect_Segment_Circle(cx, cy, r, sx, sy, 1, ox, oy);
}

// The ray is cut at 1000 times the largest magnitude of its points, the centre and the radius
// (at least 1000), far beyond the circle.
int Intersect_Ray_Circle(double cx, double cy, double r, const double* sx, const double* sy,
                         double* ox, double* oy) {
    if (!sx || !sy) return 0;
    double reach = 1000;
    for (double v : {sx[0], sy[0], sx[1], sy[1], cx, cy, r}) reach = std::max(reach, std::fabs(v));
    double ex = 0, ey = 0;
    Get_Point_Along_Line(sx[0], sy[0], sx[1], sy[1], 1000 * reach, 0, &ex, &ey);
    const double rx[] = {sx[0], ex};
    const double ry[] = {sy[0], ey};
    return Intersect_Segment_Circle(cx, cy, r, rx, ry, 1, ox, oy);
}

int Intersect_Polyline_Circle(int n, const double* x, const double* y, double cx, double cy,
                              double r, double** ox, double** oy) {
    Point_List list = Open_Point_List(ox, oy, n);
    Collect_Polyline_Crossings(n, x, y, cx, cy, r, INT_MAX, list);
    return Close_Point_List(list);
}

int Intersect_Polyline_Circle_Fixed(int n, const double* x, const double* y, double cx,
                                    double cy, double r, double* ox, double* oy) {
    Point_List list = Open_Fixed_Point_List(ox, oy, 11);
    Collect_Polyline_Crossings(n, x, y, cx, cy, r, 9, list);
    return Close_Point_List(list);
}

int Classify_Point_Circle(double cx, double cy, double r, double px, double py) {
    const double e = std::sqrt((py - cy) * (py - cy) + (px - cx) * (px - cx)) - r;
    if (Round_5(std::fabs(e)) == 0) return 2;
    return Round_5(e) < 0 ? 1 : 0;
}
