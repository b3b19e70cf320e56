#include "material/polygon_sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "material/point_transforms.h"
#include "material/geometry_test_support.h"

namespace {

constexpr double Pi = Geometry_Pi;

struct Section_Case {
    const char* name;
    std::vector<double> x, y;
    double perimeter, area, cx, cy, Sx, Sy, Ix, Iy, Ixy;
};

// Values by hand: rectangles and triangles split off the figure (Ix = b h^3 / 3 about a base
// on the axis, Ixy = b^2 h^2 / 4 for a rectangle at the origin, b^2 h^2 / 24 for the right
// triangle), first moments = area times centroid distance.
TEST(PolygonSections, PropertiesAboutTheAxes) {
    const Section_Case cases[] = {
        {"unit square", {0, 1, 1, 0}, {0, 0, 1, 1}, 4, 1, 0.5, 0.5, 0.5, 0.5, 1.0 / 3, 1.0 / 3,
         0.25},
        {"L-shape", {0, 4, 4, 1, 1, 0}, {0, 0, 1, 1, 3, 3}, 14, 6, 1.5, 1, 6, 9, 10, 22, 6},
        {"triangle", {0, 3, 0}, {0, 0, 6}, 9 + std::sqrt(45.0), 9, 1, 2, 18, 9, 54, 13.5, 13.5},
    };
    for (const Section_Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int n = static_cast<int>(c.x.size());
        const double* x = c.x.data();
        const double* y = c.y.data();
        EXPECT_NEAR(Compute_Polygon_Perimeter(n, x, y), c.perimeter, 1e-12);
        EXPECT_NEAR(Compute_Polygon_Area(n, x, y), c.area, 1e-12);
        const Plane_Point g = Get_Polygon_Centroid(n, x, y);
        EXPECT_NEAR(g.x, c.cx, 1e-12);
        EXPECT_NEAR(g.y, c.cy, 1e-12);
        EXPECT_NEAR(Compute_Static_Moment_X(n, x, y), c.Sx, 1e-12);
        EXPECT_NEAR(Compute_Static_Moment_Y(n, x, y), c.Sy, 1e-12);
        EXPECT_NEAR(Compute_Second_Moment_X(n, x, y), c.Ix, 1e-12);
        EXPECT_NEAR(Compute_Second_Moment_Y(n, x, y), c.Iy, 1e-12);
        EXPECT_NEAR(Compute_Product_Moment(n, x, y), c.Ixy, 1e-12);

        // Listed clockwise: the area stays positive, the centroid stays, the moments change sign.
        const std::vector<double> rx(c.x.rbegin(), c.x.rend()), ry(c.y.rbegin(), c.y.rend());
        EXPECT_NEAR(Compute_Polygon_Area(n, rx.data(), ry.data()), c.area, 1e-12);
        EXPECT_NEAR(Compute_Signed_Polygon_Area(n, rx.data(), ry.data()), -c.area, 1e-12);
        double cx = 0, cy = 0;
        EXPECT_EQ(Compute_Polygon_Centroid(n, rx.data(), ry.data(), &cx, &cy), 0);
        EXPECT_NEAR(cx, c.cx, 1e-12);
        EXPECT_NEAR(cy, c.cy, 1e-12);
        EXPECT_NEAR(Compute_Static_Moment_X(n, rx.data(), ry.data()), -c.Sx, 1e-12);
        EXPECT_NEAR(Compute_Second_Moment_Y(n, rx.data(), ry.data()), -c.Iy, 1e-12);
        EXPECT_NEAR(Compute_Product_Moment(n, rx.data(), ry.data()), -c.Ixy, 1e-12);
    }
}

TEST(PolygonSections, NoCornersOrNoArea) {
    const double x[] = {0, 1, 2};
    const double y[] = {0, 1, 2};
    EXPECT_EQ(Compute_Polygon_Area(3, x, y), 0.0);
    const Plane_Point g = Get_Polygon_Centroid(3, x, y);   // 0 / 0
    EXPECT_TRUE(std::isnan(g.x));
    EXPECT_TRUE(std::isnan(g.y));
    double cx = 7, cy = 7;
    EXPECT_EQ(Compute_Polygon_Centroid(0, x, y, &cx, &cy), 0);
    EXPECT_TRUE(std::isnan(cx));
    EXPECT_TRUE(std::isnan(cy));
    EXPECT_EQ(Compute_Polygon_Perimeter(0, x, y), 0.0);
    EXPECT_EQ(Compute_Second_Moment_X(-3, x, y), 0.0);
    EXPECT_EQ(Compute_Polygon_Area(3, nullptr, y), 0.0);
}

struct Rectangle_Case {
    const char* name;
    std::vector<double> x, y;
    double angle, a, b;
};

// A rectangle of sides a (along the axis of I1) and b comes back as itself; the axis of I1 lies
// at -angle.
TEST(EquivalentRectangle, RectanglesComeBackAsThemselves) {
    // 4 x 2 about (5, 3), its long side turned +30 degrees.
    const double c30 = std::cos(Pi / 6), s30 = std::sin(Pi / 6);
    std::vector<double> tx, ty;
    for (auto [u, v] : {std::pair{-2.0, -1.0}, {2.0, -1.0}, {2.0, 1.0}, {-2.0, 1.0}}) {
        tx.push_back(5 + u * c30 - v * s30);
        ty.push_back(3 + u * s30 + v * c30);
    }
    const Rectangle_Case cases[] = {
        {"4 x 2", {1, 5, 5, 1}, {1, 1, 3, 3}, 0, 4, 2},
        {"2 x 4", {0, 2, 2, 0}, {0, 0, 4, 4}, 0, 2, 4},
        {"4 x 2 clockwise", {1, 1, 5, 5}, {1, 3, 3, 1}, 0, 4, 2},
        {"unit square", {0, 1, 1, 0}, {0, 0, 1, 1}, 0, 1, 1},
        {"4 x 2 turned +30 degrees", tx, ty, -Pi / 6, 4, 2},
    };
    for (const Rectangle_Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> x = c.x, y = c.y;
        double a = 0, b = 0, angle = 1;
        EXPECT_EQ(Compute_Equivalent_Rectangle(4, x.data(), y.data(), &a, &b, &angle), 0);
        EXPECT_NEAR(angle, c.angle, 1e-12);
        EXPECT_NEAR(a, c.a, 1e-12);
        EXPECT_NEAR(b, c.b, 1e-12);
        EXPECT_NEAR(Compute_Static_Moment_X(4, x.data(), y.data()), 0, 1e-12);   // centred
        EXPECT_NEAR(Compute_Static_Moment_Y(4, x.data(), y.data()), 0, 1e-12);
    }
    // The corners come back centred on the origin.
    std::vector<double> x = {1, 5, 5, 1}, y = {1, 1, 3, 3};
    double a, b, angle;
    Compute_Equivalent_Rectangle(4, x.data(), y.data(), &a, &b, &angle);
    Expect_Points_Near(x, y, {{-2, -1}, {2, -1}, {2, 1}, {-2, 1}}, 1e-12);
}

TEST(EquivalentRectangle, DegeneratePolygonKeepsItsCorners) {
    double x[] = {1, 2, 4};
    double y[] = {1, 2, 4};
    double a = 0, b = 0, angle = 0;
    EXPECT_EQ(Compute_Equivalent_Rectangle(3, x, y, &a, &b, &angle), 1);
    EXPECT_TRUE(std::isnan(a));
    EXPECT_TRUE(std::isnan(b));
    EXPECT_TRUE(std::isnan(angle));
    EXPECT_EQ(std::vector<double>(x, x + 3), (std::vector<double>{1, 2, 4}));
    EXPECT_EQ(std::vector<double>(y, y + 3), (std::vector<double>{1, 2, 4}));
    EXPECT_EQ(Compute_Equivalent_Rectangle(0, x, y, &a, &b, &angle), 1);
    EXPECT_TRUE(std::isnan(a));
}

}  // namespace
