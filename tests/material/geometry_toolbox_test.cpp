#include "material/geometry_toolbox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "material/geometry_test_support.h"
#include "material/point_transforms.h"
#include "material/polygon_sections.h"

namespace {

constexpr double Pi = Geometry_Pi;

TEST(GeometryToolbox, SignStepAndPowers) {
    EXPECT_EQ(Sign_With_Tolerance(-2e-6), -1.0);
    EXPECT_EQ(Sign_With_Tolerance(9e-7), 0.0);
    EXPECT_EQ(Sign_With_Tolerance(-9e-7), 0.0);
    EXPECT_EQ(Sign_With_Tolerance(3), 1.0);

    struct Step_Case {
        double v, step, expected;
    };
    // The magnitude rounds up from 4/9 of a step: k = floor(|v| / step + 5/9).
    const Step_Case steps[] = {
        {2.45, 1, 3},  {2.44, 1, 2},       {-2.45, 1, -3}, {7, 0, 7},
        {0.3, 0.25, 0.25}, {0.37, 0.25, 0.5}, {-0.1, 1, 0},
    };
    for (const Step_Case& c : steps)
        EXPECT_DOUBLE_EQ(Round_To_Step(c.v, c.step), c.expected) << c.v << " / " << c.step;

    EXPECT_EQ(Square_Value(-3), 9.0);
    EXPECT_EQ(Cube_Value(-3), -27.0);
    EXPECT_EQ(Point_Distance(1, 1, 4, 5), 5.0);
    EXPECT_EQ(Point_Distance(2, 2, 2, 2), 0.0);
    double a = 1, b = 2;
    Swap_Values(&a, &b);
    EXPECT_EQ(a, 2.0);
    EXPECT_EQ(b, 1.0);
}

TEST(SolveQuadratic, RootsLargerFirst) {
    struct Case {
        double p, q;
        int result;
        double root1, root2;
    };
    const Case cases[] = {
        {-3, 2, 0, 2, 1},
        {0, 1, 1, 0, 0},          // x^2 + 1: no real root
        {2, 1, 0, -1, -1},        // double root
        {0, -4, 0, 2, -2},
        {0, 0, 0, 0, 0},
        {1e8, 1, 0, -1e-8, -1e8},   // the small root without cancellation
        {-1e8, 1, 0, 1e8, 1e-8},
    };
    for (const Case& c : cases) {
        double r1 = 5, r2 = 5;
        EXPECT_EQ(Solve_Quadratic(c.p, c.q, &r1, &r2), c.result) << c.p << ", " << c.q;
        EXPECT_DOUBLE_EQ(r1, c.root1) << c.p << ", " << c.q;
        EXPECT_DOUBLE_EQ(r2, c.root2) << c.p << ", " << c.q;
    }
}

TEST(IntegrateSimpson, TabulatedValues) {
    const double squares[] = {0, 1, 4, 9, 16};   // x^2 at 0, 1, 2, 3, 4
    EXPECT_DOUBLE_EQ(Integrate_Simpson(0, 2, 3, squares), 8.0 / 3);
    EXPECT_DOUBLE_EQ(Integrate_Simpson(0, 2, 4, squares), 8.0 / 3);   // the fourth value unused
    EXPECT_DOUBLE_EQ(Integrate_Simpson(0, 4, 5, squares), 64.0 / 3);
    const double two[] = {1, 3};
    EXPECT_DOUBLE_EQ(Integrate_Simpson(0, 2, 2, two), 4);   // mean 2 over a width of 2
    EXPECT_DOUBLE_EQ(Integrate_Simpson(1, 4, 1, two), 3);
    EXPECT_EQ(Integrate_Simpson(0, 2, 0, two), 0.0);
    EXPECT_EQ(Integrate_Simpson(0, 2, -1, two), 0.0);
    EXPECT_EQ(Integrate_Simpson(3, 3, 2, two), 0.0);
}

TEST(PointInPolygon, BoundaryTolerance) {
    const double x[] = {0, 1, 1, 0};
    const double y[] = {0, 0, 1, 1};
    struct Case {
        double px, py;
        int expected;
    };
    const Case cases[] = {
        {0.5, 0.5, 1},
        {0.5, 1.005, 1},   // within 0.01 of the horizontal top edge
        {1.005, 0.5, 0},   // the tolerance widens only vertices and horizontal edges
        {1.5, 0.5, 0},
        {1, 0.5, 1},       // on the right edge
        {1.005, 1.005, 1}, // within 0.01 of the corner
        {-0.5, 0.5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Point_In_Polygon(4, x, y, c.px, c.py), c.expected) << c.px << ", " << c.py;
    EXPECT_EQ(Point_In_Polygon_Tol(4, x, y, 1, 0.5, -0.5), 0);   // the boundary counts as outside
    EXPECT_EQ(Point_In_Polygon_Tol(4, x, y, 0.5, 0.5, 1e-9), 1);
    EXPECT_EQ(Point_In_Polygon(0, x, y, 0.5, 0.5), 0);

    // The notch of a U is outside.
    const double ux[] = {0, 3, 3, 2, 2, 1, 1, 0};
    const double uy[] = {0, 0, 3, 3, 1, 1, 3, 3};
    EXPECT_EQ(Point_In_Polygon(8, ux, uy, 1.5, 2), 0);
    EXPECT_EQ(Point_In_Polygon(8, ux, uy, 0.5, 2), 1);
    EXPECT_EQ(Point_In_Polygon(8, ux, uy, 1.5, 0.5), 1);
}

TEST(PointsOnLines, CollinearAndInsideSegment) {
    EXPECT_EQ(Points_Collinear(0, 0, 2, 2, 5, 5, 0.001), 1);
    EXPECT_EQ(Points_Collinear(0, 0, 2, 2, 5, 5.1, 0.001), 0);
    EXPECT_EQ(Points_Collinear(1, 0, 1, 2, 1, 9, 0.001), 1);   // vertical line
    EXPECT_EQ(Points_Collinear(1, 0, 1, 2, 1.1, 9, 0.001), 0);
    EXPECT_EQ(Points_Collinear(0, 3, 2, 3, -4, 3, 0.001), 1);   // horizontal line
    EXPECT_EQ(Points_Collinear(0, 3, 2, 3, -4, 3, 0), 0);       // no tolerance, no match

    EXPECT_EQ(Point_Inside_Segment(0, 0, 4, 0, 2, 0, 0.001), 1);
    EXPECT_EQ(Point_Inside_Segment(0, 0, 4, 0, 0, 0, 0.001), 0);   // an end
    EXPECT_EQ(Point_Inside_Segment(0, 0, 4, 0, 4, 0, 0.001), 0);
    EXPECT_EQ(Point_Inside_Segment(0, 0, 4, 0, 2, 1, 0.001), 0);
    EXPECT_EQ(Point_Inside_Segment(0, 0, 4, 4, 1, 1, 0.001), 1);
    EXPECT_EQ(Point_Inside_Segment(0, 0, 4, 4, 1, 1.2, 0.001), 0);
    EXPECT_EQ(Point_Inside_Segment(0, 0, 0, 4, 0, 3, 0.001), 1);   // vertical
    EXPECT_EQ(Point_Inside_Segment(0, 0, 0, 4, 0, 5, 0.001), 0);
}

TEST(CrossLinesAndSegments, Cases) {
    double xs = 9, ys = 9;
    EXPECT_EQ(Cross_Lines(0, 0, 1, 1, 0, 1, 1, 0, &xs, &ys), 0);
    EXPECT_DOUBLE_EQ(xs, 0.5);
    EXPECT_DOUBLE_EQ(ys, 0.5);
    EXPECT_EQ(Cross_Lines(0, 0, 1, 1, 0, 1, 1, 2, &xs, &ys), 1);
    EXPECT_EQ(xs, 0.0);
    EXPECT_EQ(ys, 0.0);

    struct Case {
        const char* name;
        double x1, y1, x2, y2, x3, y3, x4, y4;
        int result;
        double xs, ys;
    };
    const Case cases[] = {
        {"crossing", 0, 0, 2, 2, 0, 2, 2, 0, 0, 1, 1},
        {"meeting at an end", 0, 0, 2, 2, 2, 2, 3, 0, 0, 2, 2},
        {"lines cross beyond a segment", 0, 0, 1, 1, 3, 0, 3, 5, -1, 0, 0},
        {"parallel", 0, 0, 1, 1, 0, 1, 1, 2, 1, 0, 0},
        // Two steep segments (x differences below 0.000001) that cross at (2.5e-7, 0), and two
        // whose lines meet at y = 150, beyond both.
        {"steep crossing", 0, -100, 5e-7, 100, 5e-7, -100, 0, 100, 0, 2.5e-7, 0},
        {"steep apart", 0, -100, 5e-7, 100, 5e-7, 200, 0, 400, -1, 0, 0},
        // A segment shrunk to the point (1, 1) against a long one.
        {"point on the segment", 1, 1, 1 + 5e-7, 1 + 5e-7, 0, 1, 10, 1, 0, 1, 1},
        {"point off the line", 1, 1, 1 + 5e-7, 1 + 5e-7, 0, 2, 10, 2, 1, 0, 0},
        {"point on the line beyond", 1, 1, 1 + 5e-7, 1 + 5e-7, 5, 1, 10, 1, -1, 0, 0},
    };
    for (const Case& c : cases) {
        double x = 9, y = 9;
        EXPECT_EQ(Cross_Segments(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, &x, &y),
                  c.result)
            << c.name;
        EXPECT_NEAR(x, c.xs, 1e-12) << c.name;
        EXPECT_NEAR(y, c.ys, 1e-9) << c.name;
    }
}

TEST(SegmentsCross, OnlyProperCrossings) {
    EXPECT_EQ(Segments_Cross(0, 0, 2, 2, 0, 2, 2, 0), 1);
    EXPECT_EQ(Segments_Cross(0, 0, 2, 2, 2, 0, 0, 2), 1);   // the other orientation
    EXPECT_EQ(Segments_Cross(0, 0, 1, 1, 1, 1, 2, 0), 0);   // touching ends
    EXPECT_EQ(Segments_Cross(0, 0, 1, 1, 3, 0, 4, 1), 0);   // apart
    EXPECT_EQ(Segments_Cross(0, 0, 2, 2, 0, 1, 2, 3), 0);   // parallel
    EXPECT_EQ(Segments_Cross(0, 0, 2, 0, 1, -1, 1, 1), 1);  // axis-parallel cross
}

TEST(DistancePointSegment, PerpendicularOrNearerEnd) {
    EXPECT_DOUBLE_EQ(Distance_Point_Segment(0, 0, 10, 0, 5, 3), 3);
    EXPECT_DOUBLE_EQ(Distance_Point_Segment(0, 0, 10, 0, -3, 4), 5);
    EXPECT_DOUBLE_EQ(Distance_Point_Segment(0, 0, 10, 0, 12, 0), 2);
    EXPECT_DOUBLE_EQ(Distance_Point_Segment(0, 0, 0, 10, 2, 5), 2);
    EXPECT_DOUBLE_EQ(Distance_Point_Segment(0, 0, 4, 4, 0, 4), 2 * std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(Distance_Point_Segment(3, 3, 3, 3, 6, 7), 5);   // a point
}

TEST(IntersectCircles, Cases) {
    struct Case {
        const char* name;
        double x1, y1, r1, x2, y2, r2;
        int left, result;
        double xs, ys;
    };
    const Case cases[] = {
        {"left", 0, 0, 5, 8, 0, 5, 1, 0, 4, 3},
        {"right", 0, 0, 5, 8, 0, 5, 0, 0, 4, -3},
        {"apart: half the offset", 0, 0, 1, 8, 0, 1, 1, 1, 4, 0},
        {"concentric", 1, 1, 1, 1, 1, 2, 1, 1, 0, 0},
        {"one inside the other", 0, 0, 5, 1, 0, 1, 1, 1, 0.5, 0},
        // 0.2 * 0.2 rounds above 0.04, so that h^2 comes out a little below 0.
        {"touching", 0, 0, 0.1, 0.2, 0, 0.1, 1, 0, 0.1, 0},
        {"touching from inside", 0, 0, 2, 1, 0, 1, 0, 0, 2, 0},
    };
    for (const Case& c : cases) {
        double x = 9, y = 9;
        EXPECT_EQ(Intersect_Circles(c.x1, c.y1, c.r1, c.x2, c.y2, c.r2, c.left, &x, &y),
                  c.result)
            << c.name;
        EXPECT_NEAR(x, c.xs, 1e-12) << c.name;
        EXPECT_NEAR(y, c.ys, 1e-12) << c.name;
    }
    EXPECT_EQ(Intersect_Circles(0, 0, 5, 8, 0, 5, 1, nullptr, nullptr), 0);
}

TEST(PolygonProperties, EitherOrientation) {
    const double x[] = {0, 2, 2, 0};
    const double y[] = {0, 0, 2, 2};
    const double rx[] = {0, 0, 2, 2};
    const double ry[] = {0, 2, 2, 0};
    for (auto [px, py] : {std::pair{x, y}, {rx, ry}}) {
        double cx = 0, cy = 0, area = 0, perimeter = 0;
        Compute_Polygon_Properties(4, px, py, &cx, &cy, &area, &perimeter);
        EXPECT_DOUBLE_EQ(area, 4);
        EXPECT_DOUBLE_EQ(cx, 1);
        EXPECT_DOUBLE_EQ(cy, 1);
        EXPECT_DOUBLE_EQ(perimeter, 8);
    }
    // Without area: centroid 0; the perimeter runs there and back.
    const double lx[] = {1, 3, 5};
    const double ly[] = {1, 1, 1};
    double cx = 9, cy = 9, area = 9, perimeter = 9;
    Compute_Polygon_Properties(3, lx, ly, &cx, &cy, &area, &perimeter);
    EXPECT_EQ(cx, 0.0);
    EXPECT_EQ(cy, 0.0);
    EXPECT_EQ(area, 0.0);
    EXPECT_DOUBLE_EQ(perimeter, 8);
    Compute_Polygon_Properties(4, x, y, nullptr, nullptr, nullptr, &perimeter);
    EXPECT_DOUBLE_EQ(perimeter, 8);
}

TEST(OffsetPolygon, CornersMoveOutwardAlongTheirBisectors) {
    const double k = 0.1 / std::sqrt(2.0);
    struct Case {
        const char* name;
        std::vector<double> x, y;
        Expected_Points expected;
    };
    const Case cases[] = {
        {"square counter-clockwise", {0, 1, 1, 0}, {0, 0, 1, 1},
         {{-k, -k}, {1 + k, -k}, {1 + k, 1 + k}, {-k, 1 + k}}},
        {"square clockwise", {0, 0, 1, 1}, {0, 1, 1, 0},
         {{-k, -k}, {-k, 1 + k}, {1 + k, 1 + k}, {1 + k, -k}}},
        // Repeated corners, also the first point repeated at the end, move together.
        {"square with repeated corners", {0, 1, 1, 1, 0, 0}, {0, 0, 0, 1, 1, 0},
         {{-k, -k}, {1 + k, -k}, {1 + k, -k}, {1 + k, 1 + k}, {-k, 1 + k}, {-k, -k}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> x = c.x, y = c.y;
        EXPECT_EQ(Offset_Polygon(static_cast<int>(x.size()), x.data(), y.data(), 0.1), 0);
        Expect_Points_Near(x, y, c.expected, 1e-12);
    }
}

TEST(OffsetPolygon, ChordsParallelToAnAxis) {
    // The chord of (0, 0), made symmetric, runs from (1, 1) to (1, -1): vertical, and the corner
    // moves 0.1 to the left, away from the inside.
    double tx[] = {1, 0, 3};
    double ty[] = {1, 0, -3};
    EXPECT_EQ(Offset_Polygon(3, tx, ty, 0.1), 0);
    EXPECT_NEAR(tx[1], -0.1, 1e-12);
    EXPECT_NEAR(ty[1], 0, 1e-12);
    // The chord of (0, 1) runs from (2, 2) to (2, 0): the corner moves to (-0.1, 1), outward.
    double ux[] = {2, 2, 0};
    double uy[] = {0, 2, 1};
    EXPECT_EQ(Offset_Polygon(3, ux, uy, 0.1), 0);
    EXPECT_NEAR(ux[2], -0.1, 1e-12);
    EXPECT_NEAR(uy[2], 1, 1e-12);
}

TEST(OffsetPolygon, SixtyCornersAndDegenerateCases) {
    std::vector<double> x, y;
    for (int i = 0; i < 60; ++i) {
        x.push_back(10 * std::cos(i * Pi / 30));
        y.push_back(10 * std::sin(i * Pi / 30));
    }
    EXPECT_EQ(Offset_Polygon(60, x.data(), y.data(), 0.1), 0);
    for (int i = 0; i < 60; ++i) {
        EXPECT_NEAR(x[i], 10.1 * std::cos(i * Pi / 30), 1e-9) << i;
        EXPECT_NEAR(y[i], 10.1 * std::sin(i * Pi / 30), 1e-9) << i;
    }

    double lx[] = {0, 1, 2};   // no area
    double ly[] = {0, 1, 2};
    EXPECT_EQ(Offset_Polygon(3, lx, ly, 0.1), 1);
    EXPECT_EQ(std::vector<double>(lx, lx + 3), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(Offset_Polygon(0, lx, ly, 0.1), 1);
    // A spike folds back on its own edge: the chord of (4, 4), made symmetric, has no length.
    double sx[] = {0, 4, 2, 0};
    double sy[] = {0, 4, 2, 3};
    EXPECT_EQ(Offset_Polygon(4, sx, sy, 0.1), 1);
    EXPECT_EQ(std::vector<double>(sx, sx + 4), (std::vector<double>{0, 4, 2, 0}));
    EXPECT_EQ(std::vector<double>(sy, sy + 4), (std::vector<double>{0, 4, 2, 3}));
}

struct Intersection_Case {
    const char* name;
    std::vector<double> xa, ya, xb, yb;
    int capacity;
    Expected_Points expected;
};

// Inputs counter-clockwise; the results come in the clockwise order of the walk.
TEST(IntersectPolygons, Cases) {
    const Intersection_Case cases[] = {
        {"overlapping squares", {0, 2, 2, 0}, {0, 0, 2, 2}, {1, 3, 3, 1}, {1, 1, 3, 3}, 10,
         {{2, 2}, {2, 1}, {1, 1}, {1, 2}}},
        // Along A the first crossing in edge order would be the point just entered, (1.6, 4).
        {"square and triangle", {0, 4, 4, 0}, {0, 0, 4, 4}, {2, 1, 3}, {6, 1, 1}, 10,
         {{3, 1}, {1, 1}, {1.6, 4}, {2.4, 4}}},
        // A plus sign: no corner of either lies inside the other.
        {"crossing bars", {0, 3, 3, 0}, {1, 1, 2, 2}, {1, 2, 2, 1}, {0, 0, 3, 3}, 10,
         {{1, 2}, {2, 2}, {2, 1}, {1, 1}}},
        {"B inside A", {0, 10, 10, 0}, {0, 0, 10, 10}, {2, 4, 4, 2}, {2, 2, 4, 4}, 10,
         {{2, 4}, {4, 4}, {4, 2}, {2, 2}}},
        {"A inside B", {2, 4, 4, 2}, {2, 2, 4, 4}, {0, 10, 10, 0}, {0, 0, 10, 10}, 10,
         {{2, 4}, {4, 4}, {4, 2}, {2, 2}}},
        {"equal squares", {0, 2, 2, 0}, {0, 0, 2, 2}, {0, 2, 2, 0}, {0, 0, 2, 2}, 10,
         {{0, 2}, {2, 2}, {2, 0}, {0, 0}}},
        {"sharing part of an edge", {0, 4, 4, 0}, {0, 0, 2, 2}, {2, 6, 6, 2}, {0, 0, 2, 2}, 10,
         {{4, 2}, {4, 0}, {2, 0}, {2, 2}}},
        // The walk starts at B's corner (4, 3) on the right edge of A, where B leaves A: it goes
        // on along A.
        {"corner on an edge", {0, 4, 4, 0}, {0, 0, 4, 4}, {2, 6, 4}, {1, 1, 3}, 10,
         {{4, 3}, {4, 1}, {2, 1}}},
        {"disjoint", {0, 1, 1, 0}, {0, 0, 1, 1}, {5, 6, 6, 5}, {5, 5, 6, 6}, 10, {}},
        {"capacity 1", {0, 10, 10, 0}, {0, 0, 10, 10}, {2, 4, 4, 2}, {2, 2, 4, 4}, 1, {}},
        {"capacity 3", {0, 2, 2, 0}, {0, 0, 2, 2}, {1, 3, 3, 1}, {1, 1, 3, 3}, 3,
         {{2, 2}, {2, 1}, {1, 1}}},
    };
    for (const Intersection_Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> x(c.capacity + 1, 7.0), y(c.capacity + 1, 7.0);
        int n = -1;
        Intersect_Polygons(c.xa.data(), c.ya.data(), static_cast<int>(c.xa.size()), c.xb.data(),
                           c.yb.data(), static_cast<int>(c.xb.size()), x.data(), y.data(), &n,
                           c.capacity);
        Expect_Points_Near(x.data(), y.data(), n, c.expected, 1e-12);
        for (int i = n; i < c.capacity; ++i) EXPECT_EQ(x[i], 0.0);   // the rest cleared
        EXPECT_EQ(x[c.capacity], 7.0);                                // nothing beyond
    }
}

TEST(IntersectPolygons, AreaOfTheCrossingBars) {
    const double ax[] = {0, 3, 3, 0}, ay[] = {1, 1, 2, 2};
    const double bx[] = {1, 2, 2, 1}, by[] = {0, 0, 3, 3};
    double x[8], y[8];
    int n = 0;
    Intersect_Polygons(bx, by, 4, ax, ay, 4, x, y, &n, 8);   // B first this time
    EXPECT_EQ(n, 4);
    EXPECT_NEAR(Compute_Polygon_Area(n, x, y), 1, 1e-12);
    Intersect_Polygons(ax, ay, 0, bx, by, 4, x, y, &n, 8);
    EXPECT_EQ(n, 0);
}

}  // namespace
