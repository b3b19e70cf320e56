#include "material/polygon_sections.h"

#include <cmath>
#include <limits>

#include "material/point_transforms.h"

namespace {

constexpr double Not_A_Number = std::numeric_limits<double>::quiet_NaN();

// Sum of term(x_i, y_i, x_j, y_j) over the edges i -> j of the closed polygon; 0 without corners.
template <typename Term>
double Edge_Sum(int n, const double* x, const double* y, Term term) {
    if (n < 1 || !x || !y) return 0;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        sum += term(x[i], y[i], x[j], y[j]);
    }
    return sum;
}

}  // namespace

double Compute_Signed_Polygon_Area(int n, const double* x, const double* y) {
    return Edge_Sum(n, x, y, [](double xi, double yi, double xj, double yj) {
        return (xi * yj - xj * yi) / 2;
    });
}

double Compute_Polygon_Perimeter(int n, const double* x, const double* y) {
    return Edge_Sum(n, x, y, [](double xi, double yi, double xj, double yj) {
        return std::sqrt((xi - xj) * (xi - xj) + (yi - yj) * (yi - yj));
    });
}

double Compute_Polygon_Area(int n, const double* x, const double* y) {
    return std::fabs(Compute_Signed_Polygon_Area(n, x, y));
}

int Compute_Polygon_Centroid(int n, const double* x, const double* y, double* cx, double* cy) {
    if (cx) *cx = 0;
    if (cy) *cy = 0;
    double gx = Not_A_Number, gy = Not_A_Number;
    if (n >= 1 && x && y) {
        const double A = Compute_Signed_Polygon_Area(n, x, y);
        gx = Compute_Static_Moment_Y(n, x, y) / A;
        gy = Compute_Static_Moment_X(n, x, y) / A;
    }
    if (cx) *cx = gx;
    if (cy) *cy = gy;
    return 0;
}

Plane_Point Get_Polygon_Centroid(int n, const double* x, const double* y) {
    Plane_Point p;
    Compute_Polygon_Centroid(n, x, y, &p.x, &p.y);
    return p;
}

double Compute_Static_Moment_X(int n, const double* x, const double* y) {
    return Edge_Sum(n, x, y, [](double xi, double yi, double xj, double yj) {
        return (xi * yj - xj * yi) * (yi + yj) / 6;
    });
}

double Compute_Static_Moment_Y(int n, const double* x, const double* y) {
    return Edge_Sum(n, x, y, [](double xi, double yi, double xj, double yj) {
        return (xi * yj - xj * yi) * (xi + xj) / 6;
    });
}

double Compute_Second_Moment_X(int n, const double* x, const double* y) {
    return Edge_Sum(n, x, y, [](double xi, double yi, double xj, double yj) {
        return (xi * yj - xj * yi) * (yi * yi + yi * yj + yj * yj) / 12;
    });
}

double Compute_Second_Moment_Y(int n, const double* x, const double* y) {
    return Edge_Sum(n, x, y, [](double xi, double yi, double xj, double yj) {
        return (xi * yj - xj * yi) * (xi * xi + xi * xj + xj * xj) / 12;
    });
}

double Compute_Product_Moment(int n, const double* x, const double* y) {
    return Edge_Sum(n, x, y, [](double xi, double yi, double xj, double yj) {
        return (xi * yj - xj * yi) * (xi * yj + xj * yi + 2 * xi * yi + 2 * xj * yj) / 24;
    });
}

int Compute_Equivalent_Rectangle(int n, double* x, double* y, double* side_a, double* side_b,
                                 double* angle) {
    if (side_a) *side_a = Not_A_Number;
    if (side_b) *side_b = Not_A_Number;
    if (angle) *angle = Not_A_Number;
    double cx = 0, cy = 0;
    Compute_Polygon_Centroid(n, x, y, &cx, &cy);
    // No corners or no area: no centroid to move to, and no principal axes.
    if (!std::isfinite(cx) || !std::isfinite(cy)) return 1;

    for (int i = 0; i < n; ++i) {
        x[i] -= cx;
        y[i] -= cy;
    }
    const double A = Compute_Polygon_Area(n, x, y);
    const double Ix = Compute_Second_Moment_X(n, x, y);
    const double Iy = Compute_Second_Moment_Y(n, x, y);
    const double Ixy = Compute_Product_Moment(n, x, y);
    const double D = Ix - Iy, S = Ix + Iy;
    // Equal moments: any axis is principal without a product moment (angle 0), else the axes
    // lie at 45 degrees.
    double alpha = 0;
    if (D != 0)
        alpha = std::atan(2 * Ixy / D) / 2;
    else if (Ixy != 0)
        alpha = std::copysign(Geometry_Pi / 4, Ixy);
    const double c = std::cos(2 * alpha), s = std::sin(2 * alpha);
    const double I1 = S / 2 + D * c / 2 + Ixy * s;
    const double I2 = S / 2 - D * c / 2 - Ixy * s;
    const double b = std::sqrt(std::sqrt(I1 / I2) * A);
    if (side_a) *side_a = A / b;
    if (side_b) *side_b = b;
    if (angle) *angle = alpha;
    return 0;
}
