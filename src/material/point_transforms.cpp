#include "material/point_transforms.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double Vertical_Tolerance = 0.00001;

bool Is_Within_Tolerance(double d) { return d > -Vertical_Tolerance && d < Vertical_Tolerance; }

// The signed area decides: flag bit 0 set asks for counter-clockwise order, clear for clockwise.
// Reversing makes point n-1 point 0.
void Orient_Polygon(int n, double* x, double* y, int flag) {
    if (n < 1 || !x || !y) return;
    double area = 0;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        area = area + 0.5 * (x[i] * y[j] - x[j] * y[i]);
    }
    const bool counterclockwise = flag & 1;
    if ((area < 0 && counterclockwise) || (area > 0 && !counterclockwise)) {
        std::reverse(x, x + n);
        std::reverse(y, y + n);
    }
}

}  // namespace

int Round_To_Pixel_Int(double v) {
    if (std::isnan(v)) return 0;
    const double r = v >= 0 ? v + 0.5 : v - 0.5;
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

void Transform_Points(double* x, double* y, int n, double x0, double y0, double angle,
                      double scale) {
    if (n < 1 || !x || !y) return;
    const double s = std::sin(angle), c = std::cos(angle);
    for (int i = 0; i < n; ++i) {
        const double dx = x[i] - x0, dy = y[i] - y0;
        x[i] = scale * (dx * c + dy * s);
        y[i] = scale * (dy * c - dx * s);
    }
}

void Untransform_Points(double* x, double* y, int n, double x0, double y0, double angle,
                        double scale) {
    if (n < 1 || !x || !y) return;
    const double k = 1 / scale;
    const double s = std::sin(angle), c = std::cos(angle);
    for (int i = 0; i < n; ++i) {
        const double u = x[i] * k, v = y[i] * k;
        x[i] = x0 + u * c - v * s;
        y[i] = y0 + u * s + v * c;
    }
}

void Transform_Points_To_Pixels(double* x, double* y, int n, double x0, double y0, double angle,
                                double scale, int* ix, int* iy) {
    if (n < 1 || !x || !y || !ix || !iy) return;
    Transform_Points(x, y, n, x0, y0, angle, scale);
    for (int i = 0; i < n; ++i) {
        ix[i] = Round_To_Pixel_Int(x[i]);
        iy[i] = Round_To_Pixel_Int(y[i]);
    }
}

double Get_Segment_Angle(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    if (Is_Within_Tolerance(dx)) return y2 > y1 ? Geometry_Half_Pi : Geometry_Three_Half_Pi;
    double theta = std::atan((y2 - y1) / dx);
    if (x1 > x2) theta = theta + Geometry_Pi;
    return theta;
}

double Get_Segment_Angle_Positive(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1, dy = y2 - y1;
    if (Is_Within_Tolerance(dx)) return dy > 0 ? Geometry_Half_Pi : Geometry_Three_Half_Pi;
    if (Is_Within_Tolerance(dy)) return dx > 0 ? 0 : Geometry_Pi;
    double theta = std::atan2(dy, dx);
    if (theta < 0) theta = theta + Geometry_Two_Pi;
    return theta;
}

// Rounding can push |c| a little beyond 1 for parallel segments: held at 1, giving 0 or pi.
double Get_Angle_Between_Segments(double x1, double y1, double x2, double y2, double x3,
                                  double y3, double x4, double y4) {
    const double ux = x2 - x1, uy = y2 - y1, vx = x4 - x3, vy = y4 - y3;
    const double lengths = std::sqrt((ux * ux + uy * uy) * (vx * vx + vy * vy));
    if (!(lengths > 0)) return 0;
    const double c = std::clamp((ux * vx + uy * vy) / lengths, -1.0, 1.0);
    return std::atan2(std::sqrt(1 - c * c), c);
}

void Orient_Polygon_Counterclockwise(int n, double* x, double* y) { Orient_Polygon(n, x, y, 1); }

void Orient_Polygon_Clockwise(int n, double* x, double* y) { Orient_Polygon(n, x, y, 0); }

void Flip_Polygon_Y(int n, const double* x, const double* y, double height, double* x_out,
                    double* y_out) {
    if (n < 1 || !x || !y || !x_out || !y_out) return;
    for (int i = 0; i < n; ++i) {
        x_out[i] = x[i];
        y_out[i] = height - y[i];
    }
    Orient_Polygon_Counterclockwise(n, x_out, y_out);
}
