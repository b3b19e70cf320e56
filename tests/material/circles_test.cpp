#include "material/circles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "material/geometry_test_support.h"
#include "material/point_transforms.h"

namespace {

constexpr double Pi = Geometry_Pi;

// Lens areas by the circle-segment sums worked by hand: two 73.74-degree segments of r = 5 for
// (5, 5, 8) over the chord 6; for (3, 1, 2.5) the minor segment of r = 3 and the major one of
// r = 1 over the chord 1.8735.
TEST(CircleOverlap, Cases) {
    struct Case {
        const char* name;
        double r1, r2, d;
        int result;
        double area, depth, chord;
    };
    const Case cases[] = {
        {"apart", 1, 1, 3, 0, 0, 0, 0},
        {"touching", 1, 1, 2, 1, 0, 0, 0},
        {"small inside, around the centre", 1, 3, 0.5, 1, Pi, 2, 2},
        {"small inside, off the centre", 1, 3, 1.5, 1, Pi, 2, 2},
        {"large first", 3, 1, 1.5, 1, Pi, 2, 2},
        {"concentric and equal", 2, 2, 0, 1, 4 * Pi, 4, 4},
        {"touching from inside", 1, 3, 2, 1, Pi, 2, 2},
        {"equal, 120-degree segments", 1, 1, 1, 1, 2 * Pi / 3 - std::sqrt(3.0) / 2, 1,
         std::sqrt(3.0)},
        {"equal lens", 5, 5, 8, 1, 8.175055, 2, 6},
        {"small centre inside the lens", 3, 1, 2.5, 1, 2.444537, 1.5, 1.873499},
        {"the same, small first", 1, 3, 2.5, 1, 2.444537, 1.5, 1.873499},
    };
    for (const Case& c : cases) {
        double area = 9, depth = 9, chord = 9;
        EXPECT_EQ(Get_Circle_Overlap(c.r1, c.r2, c.d, &area, &depth, &chord), c.result) << c.name;
        EXPECT_NEAR(area, c.area, 1e-6) << c.name;
        EXPECT_NEAR(depth, c.depth, 1e-6) << c.name;
        EXPECT_NEAR(chord, c.chord, 1e-6) << c.name;
        EXPECT_NEAR(Get_Circle_Overlap_Area(c.r1, c.r2, c.d), c.area, 1e-6) << c.name;
    }
}

TEST(LineCircle, Cases) {
    struct Case {
        const char* name;
        double lx0, ly0, lx1, ly1;
        int result;
        Expected_Points points;
    };
    const Case cases[] = {
        {"through the centre", -5, 0, 5, 0, 2, {{-1, 0}, {1, 0}}},
        {"reversed", 5, 0, -5, 0, 2, {{1, 0}, {-1, 0}}},
        {"touching", -5, 1, 5, 1, 1, {{0, 1}, {0, 1}}},
        {"missing", -5, 2, 5, 2, 0, {{7, 7}, {7, 7}}},
        {"vertical", 0.6, -5, 0.6, 5, 2, {{0.6, -0.8}, {0.6, 0.8}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double lx[] = {c.lx0, c.lx1}, ly[] = {c.ly0, c.ly1};
        double ox[2] = {7, 7}, oy[2] = {7, 7};
        EXPECT_EQ(Intersect_Line_Circle(0, 0, 1, lx, ly, ox, oy), c.result);
        Expect_Points_Near(ox, oy, 2, c.points, 1e-12);
    }
}

TEST(SegmentCircle, EachPointJudgedAgainstItsOwnEnd) {
    struct Case {
        const char* name;
        double sx0, sy0, sx1, sy1;
        int with_ends;
        Expected_Points points;
    };
    const Case cases[] = {
        {"from the centre", 0, 0, 5, 0, 0, {{1, 0}}},
        {"a diameter without ends", -1, 0, 1, 0, 0, {}},
        {"a diameter with ends", -1, 0, 1, 0, 1, {{-1, 0}, {1, 0}}},
        {"starting at the exit point", 1, 0, 5, 0, 0, {{1, 0}}},
        {"starting at the entry point", -1, 0, 3, 0, 0, {{1, 0}}},
        {"ending at the exit point", 3, 0, -1, 0, 0, {{1, 0}}},
        {"touching only", -5, 1, 5, 1, 1, {}},
        {"short of the circle", 2, 0, 5, 0, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double sx[] = {c.sx0, c.sx1}, sy[] = {c.sy0, c.sy1};
        double ox[2] = {7, 7}, oy[2] = {7, 7};
        const int n = Intersect_Segment_Circle(0, 0, 1, sx, sy, c.with_ends, ox, oy);
        Expect_Points_Near(ox, oy, n, c.points, 1e-12);
        for (int i = n; i < 2; ++i) EXPECT_EQ(ox[i], 0.0);
        if (c.with_ends) {
            EXPECT_EQ(Intersect_Segment_Circle_With_Ends(0, 0, 1, sx, sy, ox, oy), n);
        }
    }
}

TEST(RayCircle, FarCircles) {
    const double sx[] = {0, 1}, sy[] = {0, 0};
    double ox[2], oy[2];
    EXPECT_EQ(Intersect_Ray_Circle(5e6, 0, 1, sx, sy, ox, oy), 2);
    Expect_Points_Near(ox, oy, 2, {{5e6 - 1, 0}, {5e6 + 1, 0}}, 1e-6);
    EXPECT_EQ(Intersect_Ray_Circle(-5e6, 0, 1, sx, sy, ox, oy), 0);   // behind the ray
    EXPECT_EQ(Intersect_Ray_Circle(0, 0, 1, sx, sy, ox, oy), 1);      // from the centre
    Expect_Points_Near(ox, oy, 1, {{1, 0}}, 1e-12);
}

using PolylineCircle = Result_List_Test;

// Three segments crossing the unit circle twice each: six points from a polyline of four.
TEST_F(PolylineCircle, ListGrowsBeyondThePointCount) {
    const double x[] = {-2, 2, -2, 2};
    const double y[] = {-0.5, -0.5, 0.5, 0.5};
    const double h = std::sqrt(0.75), u = 4 / std::sqrt(17.0), v = 1 / std::sqrt(17.0);
    EXPECT_EQ(Intersect_Polyline_Circle(4, x, y, 0, 0, 1, &ox, &oy), 6);
    Expect_Points_Near(ox, oy, 6, {{-h, -0.5}, {h, -0.5}, {u, -v}, {-u, v}, {-h, 0.5}, {h, 0.5}},
                       1e-12);
    // A corner on the circle comes from both of its segments.
    const double cx[] = {-2, 0, 2}, cy[] = {2, 1, 2};
    EXPECT_EQ(Intersect_Polyline_Circle(3, cx, cy, 0, 0, 1, &ox, &oy), 2);
    Expect_Points_Near(ox, oy, 2, {{0, 1}, {0, 1}}, 1e-9);
    EXPECT_EQ(Intersect_Polyline_Circle(4, x, y, 10, 10, 1, &ox, &oy), 0);
    EXPECT_EQ(ox, nullptr);
    EXPECT_EQ(oy, nullptr);
}

TEST_F(PolylineCircle, FixedFormStopsAboveNine) {
    std::vector<double> x, y;
    for (int i = 0; i < 8; ++i) {   // seven segments, two crossings each
        x.push_back(i % 2 ? 2 : -2);
        y.push_back(-0.7 + 0.2 * i);
    }
    double fx[11], fy[11];
    EXPECT_EQ(Intersect_Polyline_Circle_Fixed(8, x.data(), y.data(), 0, 0, 1, fx, fy), 10);
    EXPECT_EQ(Intersect_Polyline_Circle(8, x.data(), y.data(), 0, 0, 1, &ox, &oy), 14);
}

TEST(ClassifyPointCircle, Cases) {
    EXPECT_EQ(Classify_Point_Circle(0, 0, 1, 1, 0), 2);
    EXPECT_EQ(Classify_Point_Circle(0, 0, 1, 0.5, 0), 1);
    EXPECT_EQ(Classify_Point_Circle(0, 0, 1, 2, 0), 0);
    EXPECT_EQ(Classify_Point_Circle(0, 0, 1, 0, 1.000004), 2);   // within 5 decimals
    EXPECT_EQ(Classify_Point_Circle(3, 4, 5, 0, 0), 2);
}

}  // namespace
