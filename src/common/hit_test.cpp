#include "common/hit_test.h"

#include <algorithm>
#include <cmath>

namespace {

int tolerance = 3;

}  // namespace

int Sign_Of(double x) { return x >= 0 ? 1 : -1; }

void Set_Hit_Tolerance(int pixels) { tolerance = pixels; }

int Get_Hit_Tolerance() { return tolerance; }

int Is_Near_Segment(int x1, int y1, int x2, int y2, int px, int py) {
    // In double: differences of any two ints and their products are exact far beyond screen sizes.
    const double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return 0;
    const double t = tolerance;
    if (px < std::min(x1, x2) - t || px > std::max(x1, x2) + t) return 0;
    if (py < std::min(y1, y2) - t || py > std::max(y1, y2) + t) return 0;
    const double distance = std::fabs(dx * (static_cast<double>(py) - y1) - dy * (static_cast<double>(px) - x1)) / length;
    return distance <= t ? 1 : 0;
}
