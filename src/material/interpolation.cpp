#include "material/interpolation.h"

#include <cmath>

namespace {

constexpr long double Same_Abscissa = 0.000001;
constexpr long double Inside_Allowance = 0.0001;   // times |value| beyond the ends
constexpr double Smallest_Paper = 0.999;           // cm; smaller paper sizes do not limit

}  // namespace

int Interpolate_Linear(double x1, double y1, double x2, double y2, double x, double* out) {
    const long double dx = static_cast<long double>(x2) - x1;
    const long double dy = static_cast<long double>(y2) - y1;
    const long double d = static_cast<long double>(x) - x1;
    long double y;
    if (std::fabs(dx) >= Same_Abscissa) {
        y = y1 + dy * (d / dx);
    } else if (std::fabs(d) < Same_Abscissa) {
        y = (static_cast<long double>(y1) + y2) / 2;   // the middle of the vertical segment
    } else if (std::fabs(dy) < Same_Abscissa) {
        y = y1 + d;                                    // one point, continued with slope 1
    } else {
        if (out) *out = 0;
        return 0;
    }
    if (out) *out = static_cast<double>(y);
    return d * (static_cast<long double>(x2) - x) >= -Inside_Allowance * std::fabs(y) ? 1 : 0;
}

int Interpolate_Between_Lines(double p1, double x1, double x2, double y1, double y2, double p2,
                              double x3, double x4, double y3, double y4, double p, double* y,
                              double* x, int direction) {
    if (!x || !y) return 0;
    double a = 0, b = 0, value = 0;
    int inside;
    if (direction == 1) {
        if (!Interpolate_Linear(x1, y1, x2, y2, *x, &a)) return 0;
        if (!Interpolate_Linear(x3, y3, x4, y4, *x, &b)) return 0;
        inside = Interpolate_Linear(p1, a, p2, b, p, &value);
        *y = value;
    } else {
        if (!Interpolate_Linear(y1, x1, y2, x2, *y, &a)) return 0;
        if (!Interpolate_Linear(y3, x3, y4, x4, *y, &b)) return 0;
        inside = Interpolate_Linear(p1, a, p2, b, p, &value);
        *x = value;
    }
    return inside;
}

// An empty sketch or a paper without a usable size leaves n below 1; the scale 1:1 (n = 1) is
// taken then, so that no division by zero puts a non-finite scale into a report.
double Choose_Drawing_Scale(double extent_x, double extent_y, double avail_x, double avail_y,
                            int exact) {
    const long double rx = avail_x > Smallest_Paper ? 100.0L * extent_x / avail_x : 0;
    const long double ry = avail_y > Smallest_Paper ? 100.0L * extent_y / avail_y : 0;
    long double n = std::trunc(std::fmax(rx, ry) + 0.999);
    if (!(n >= 1)) n = 1;
    if (!exact && n > 5) n = std::ceil(n / 5) * 5;   // steps 10, 15, 20, ... above 5
    return static_cast<double>(100 / n);
}
