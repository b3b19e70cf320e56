// Reinforcing-bar arithmetic: areas of bars and bundles, counts for an area or a spacing, spacings
// on a line and on a circle, area per unit length. Lengths in metres, areas in m².
#include "material/reinforcing_bars.h"

#include <climits>
#include <cmath>
#include <cstddef>

#include "material/rounding.h"

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Pi_4 = 0.7853981633974483;
constexpr double Four_Pi = 1.2732395447351628;   // 4 / π
constexpr int Standard_Diameters = 10;            // indexes 0 to 9 run from 6 to 32 mm

double R6(double x) { return Round_To_Decimals(x, 6); }

double Diameter(int i) { return Bar_Diameter_Table[static_cast<std::size_t>(i)]; }

// Whether `count` bars of diameter d, m times, cover the area, the product rounded to 6 decimals.
bool Covers(double area, long long count, double d, double m) {
    return area <= R6(m * (static_cast<double>(count) * Pi_4 * d * d));
}

// The least count from n on whose bars of diameter d cover the area m times (m > 0); false when no
// count up to INT_MAX does. The rounded product grows with the count, so the counts that cover
// form a range up to INT_MAX and a bisection finds its start.
bool Least_Covering_Count(double area, int n, double d, double m, long long& count) {
    long long lo = n, hi = INT_MAX;
    if (!Covers(area, hi, d, m)) return false;
    if (Covers(area, lo, d, m)) {
        count = lo;
        return true;
    }
    while (hi - lo > 1) {   // lo does not cover, hi does
        const long long mid = lo + (hi - lo) / 2;
        (Covers(area, mid, d, m) ? hi : lo) = mid;
    }
    count = hi;
    return true;
}

}  // namespace

double Floor_To_Bar_Diameter(double d) {
    for (int i = Standard_Diameters - 1; i >= 0; --i)
        if (d > Diameter(i)) return Diameter(i);
    return -1.0;
}

double Compute_Bar_Axis_Distance(double a, double b, int count, double d) {
    return a + b + (static_cast<unsigned>(count) <= 1u ? 0.5 * d : d);
}

double Count_Bars_For_Area(double area, double d) {
    if (!(d > 0.0)) return 0.0;
    return std::ceil(R6(area * Four_Pi / (d * d)));
}

double Count_Bar_Groups_For_Area(double area, double d, double n, double area0) {
    if (!(d > 0.0) || !(std::fabs(n) > 0.0)) return 0.0;
    return std::ceil(R6((area - area0) * Four_Pi / (d * d * std::fabs(n))));
}

double Compute_Area_Per_Length_Rounded(double s, double d) {
    if (std::fabs(s) < 1e-8) return 0.0;
    const double c = 100.0 * Pi_4 * d * d / s;
    const double whole = std::floor(c);
    return c - whole > 0.4999 ? (whole + 0.5) * 0.01 : whole * 0.01;
}

double Compute_Area_Per_Length(double s, double d) {
    if (std::fabs(s) < 1e-8) return 0.0;
    return R6(Pi_4 * d * d / s);
}

int Find_Diameter_For_Area(double area, double n, double m) {
    for (int i = 0; i < Standard_Diameters; ++i)
        if (R6(m * Compute_Bars_Area(n, Diameter(i)) - area) >= 0.0) return i;
    return -1;
}

int Find_Count_And_Diameter_For_Area(double area, int n, int first, int last, double m, int* n_out, int* i_out) {
    long long best = 0;
    int index = -1;
    const bool valid = m > 0.0 && std::isfinite(m) && 0 <= first && first <= last &&
                       last < Standard_Diameters && std::isfinite(area);
    // Counts rise one by one and, within a count, the indexes run from first to last: the answer is
    // the least covering count of all indexes, the first index that reaches it.
    for (int i = first; valid && i <= last; ++i) {
        long long count = 0;
        if (Least_Covering_Count(area, n, Diameter(i), m, count) && (index < 0 || count < best)) {
            best = count;
            index = i;
        }
    }
    if (n_out) *n_out = index < 0 ? 0 : static_cast<int>(best);
    if (i_out) *i_out = index;
    return index < 0 ? 1 : 0;
}

double Compute_Bars_Area(double n, double d) { return R6(n * Pi_4 * d * d); }

double Compute_Bundles_Area(double n, double m, double d) {
    if (m < 0.0) return 0.0;
    const double d_eq = std::sqrt(m) * d;   // diameter of the bar of equal area
    return std::fmax(0.0, n * Pi_4 * d_eq * d_eq);
}

double Count_Bars_For_Spacing(double length, double s) {
    if (!(s > 0.0)) return 2.0;
    return std::fmax(2.0, std::trunc(R6(length / s + 1.0)));
}

double Count_Spacings(double length, double edge, double a, double b) {
    if (!(a + b > 0.0)) return 0.0;
    const double free_length = length - b - 2.0 * edge;
    if (a + b > free_length) return 0.0;
    return std::trunc(R6(free_length / (a + b)));
}

double Compute_Line_Bar_Spacing(int n, double length) { return n < 2 ? 1e100 : length / (n - 1); }

double Compute_Circle_Bar_Spacing(int n, double r) { return n < 1 ? 1e100 : 2.0 * r * std::sin(Pi / n); }

double Count_Bars_On_Circle(double s, double r) {
    if (!(s > 0.0) || !(r > 0.0)) return 0.0;
    if (s > 2.0 * r) return 1.0;
    return std::trunc(R6(Pi / std::asin(0.5 * s / r)));
}
