#include "material/line_intersections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "material/geometry_test_support.h"
#include "material/point_transforms.h"

namespace {

constexpr double Pi = Geometry_Pi;

TEST(BisectorAngle, Degrees) {
    struct Case {
        double a, b, expected;
    };
    const Case cases[] = {
        {10, 350, 0},     // mean 180, more than 180 apart: turned by -180
        {-90, 0, 315},    // -90 is 270
        {30, 90, 60},
        {400, 20, 30},    // 400 is 40
        {740, 20, 20},    // 740 is 20
        {90, 90, 90},
        {0, 180, 90},     // exactly 180 apart: not turned
        {-0.0004, 90, 44.9998},   // just below 0 at 3 decimals counts as 0
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Get_Bisector_Angle_Deg(c.a, c.b), c.expected, 1e-9) << c.a << ", " << c.b;
    EXPECT_NEAR(Get_Bisector_Angle(Pi / 2, Pi), 3 * Pi / 4, 1e-12);

    // Huge values end in one step; values that are no angle give NaN.
    const double huge = Get_Bisector_Angle_Deg(-1e300, 0);
    EXPECT_GE(huge, 0);
    EXPECT_LT(huge, 360);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(Get_Bisector_Angle_Deg(-inf, 0)));
    EXPECT_TRUE(std::isnan(Get_Bisector_Angle_Deg(10, inf)));
    EXPECT_TRUE(std::isnan(Get_Bisector_Angle_Deg(NAN, 10)));
}

TEST(NormalizeAnglePositive, Cases) {
    EXPECT_EQ(Normalize_Angle_Positive(-4e-5), -4e-5);   // 0 at 4 decimals
    EXPECT_NEAR(Normalize_Angle_Positive(-Pi), Pi, 1e-15);
    EXPECT_EQ(Normalize_Angle_Positive(7), 7.0);          // 2 pi and more stay
    EXPECT_NEAR(Normalize_Angle_Positive(-3 * 2 * Pi - 1), 2 * Pi - 1, 1e-12);
    const double huge = Normalize_Angle_Positive(-1e300);
    EXPECT_GE(huge, 0);
    EXPECT_LT(huge, 2 * Pi);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(Normalize_Angle_Positive(-inf)));
    EXPECT_TRUE(std::isnan(Normalize_Angle_Positive(inf)));
    EXPECT_EQ(Mirror_Value(1, 3), 5.0);
}

TEST(LinePoints, AlongLineAndOnSegment) {
    struct Case {
        double d;
        int result;
        double x;
    };
    const Case cases[] = {
        {3, 0, 3}, {-3, 0, 7}, {0, 0, 10}, {12, 1, 12}, {10, 0, 10}, {-12, 1, -2},
    };
    for (const Case& c : cases) {
        double x = 99, y = 99;
        EXPECT_EQ(Get_Point_On_Segment(0, 0, 10, 0, c.d, &x, &y), c.result) << c.d;
        EXPECT_NEAR(x, c.x, 1e-12) << c.d;
        EXPECT_NEAR(y, 0, 1e-12) << c.d;
    }
    double x = 0, y = 0;
    Get_Point_Along_Line(0, 0, 0, 10, 5, 1, &x, &y);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_DOUBLE_EQ(y, 15);
    Get_Point_Along_Line(0, 0, 3, 4, 5, 0, &x, &y);
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 4);
    Get_Point_Along_Line(6, 8, 3, 4, 10, 0, &x, &y);   // pointing back towards the origin
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, 0, 1e-12);
}

TEST(PointLiesOnLine, SlopedVerticalAndPointLines) {
    struct Case {
        const char* name;
        double x1, y1, x2, y2, x, y;
        int expected;
    };
    const Case cases[] = {
        {"vertical line", 1, 0, 1, 5, 1, 2, 1},
        {"beside a vertical line", 1, 0, 1, 5, 1.1, 2, 0},
        {"vertical line, negative side", -1, 0, -1, 5, -1, -7, 1},
        {"the point itself", 2, 3, 2, 3, 2, 3, 1},
        {"another point at its height", 2, 3, 2, 3, 5, 3, 0},
        {"sloped line", 0, 0, 2, 1, 4, 2, 1},
        {"beside a sloped line", 0, 0, 2, 1, 4, 2.1, 0},
        {"within the decimals", 0, 0, 2, 1, 4, 2.0004, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Point_Lies_On_Line(c.x1, c.y1, c.x2, c.y2, c.x, c.y, 3), c.expected) << c.name;
}

TEST(LineFrame, OffsetWidthProjectionDistance) {
    double x1 = 0, y1 = 0, x2 = 10, y2 = 0;
    Offset_Segment(&x1, &y1, &x2, &y2, 2);
    EXPECT_NEAR(x1, 0, 1e-12);
    EXPECT_NEAR(y1, 2, 1e-12);
    EXPECT_NEAR(x2, 10, 1e-12);
    EXPECT_NEAR(y2, 2, 1e-12);
    double ux1 = 0, uy1 = 0, ux2 = 0, uy2 = 10;   // upwards: its left is -x
    Offset_Segment(&ux1, &uy1, &ux2, &uy2, 1);
    EXPECT_NEAR(ux1, -1, 1e-12);
    EXPECT_NEAR(uy1, 0, 1e-12);
    EXPECT_NEAR(ux2, -1, 1e-12);
    EXPECT_NEAR(uy2, 10, 1e-12);

    const double wx[] = {0, 3};
    const double wy[] = {0, 4};
    EXPECT_DOUBLE_EQ(Get_Projected_Width(2, wx, wy, 0), 3);
    EXPECT_DOUBLE_EQ(Get_Projected_Width(2, wx, wy, std::atan2(4.0, 3.0)), 5);
    EXPECT_EQ(Get_Projected_Width(0, wx, wy, 0), 2e100);

    double px[] = {2, -1, 2};
    double py[] = {3, 5, 0};
    Project_Points_On_Line(2, px, py, 0, 0, 4, 0);
    Project_Points_On_Line(1, px + 2, py + 2, 0, 0, 1, 1);
    Expect_Points_Near(px, py, 3, {{2, 0}, {-1, 0}, {1, 1}}, 1e-12);
    Project_Points_On_Line(0, px, py, 0, 5, 1, 5);
    EXPECT_EQ(py[0], 0.0);

    EXPECT_NEAR(Get_Distance_To_Line(0, 5, -1, 0, 1, 0), 5, 1e-12);
    EXPECT_NEAR(Get_Distance_To_Line(3, 0, 0, 0, 1, 1), 3 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(Get_Distance_To_Line(4, 7, 1, 0, 1, 5), 3, 1e-12);
}

TEST(IntersectLinesAndSegments, Cases) {
    double x = 9, y = 9;
    EXPECT_EQ(Intersect_Lines(0, 0, 1, 1, 0, 2, 2, 0, &x, &y), 0);   // y = x, y = -x + 2
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
    EXPECT_EQ(Intersect_Lines(0, 0, 1, 1, 0, 1, 1, 2, &x, &y), 1);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    EXPECT_EQ(Intersect_Lines(3, 0, 3, 5, 0, 1, 1, 1, &x, &y), 0);   // vertical first
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 1);

    EXPECT_EQ(Intersect_Segments(0, 0, 1, 1, 0, 2, 2, 0, &x, &y), 1);
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
    EXPECT_EQ(Intersect_Segments(0, 0, 1, 1, 3, 0, 3, 5, &x, &y), 0);   // beyond the first
    EXPECT_DOUBLE_EQ(x, 3);
    EXPECT_DOUBLE_EQ(y, 3);
    EXPECT_EQ(Intersect_Segments(0, 0, 1, 1, 0, 1, 1, 2, &x, &y), 0);   // parallel
    EXPECT_EQ(x, 0.0);

    // The ray reaches far beyond its points, whatever their sign.
    EXPECT_EQ(Intersect_Ray_Segment(-2e6, 0, -2e6 + 1, 0, 0, -1, 0, 1, &x, &y), 1);
    EXPECT_NEAR(x, 0, 1e-6);
    EXPECT_NEAR(y, 0, 1e-12);
    EXPECT_EQ(Intersect_Ray_Segment(0, 0, -1, 0, 5, -1, 5, 1, &x, &y), 0);   // behind the ray

    const double lx[] = {0, 1}, ly[] = {0, 0};
    struct Case {
        double sx0, sy0, sx1, sy1;
        int result;
        double x, y;
    };
    const Case cases[] = {
        {5, 0, 9, 0, 2, 0, 0},    // on the line
        {5, 1, 9, 1, 0, 0, 0},    // parallel beside it
        {3, -1, 3, 2, 1, 3, 0},   // crossing
        {3, 1, 3, 2, 0, 3, 0},    // the line's crossing lies beyond the segment
    };
    for (const Case& c : cases) {
        const double sx[] = {c.sx0, c.sx1}, sy[] = {c.sy0, c.sy1};
        EXPECT_EQ(Intersect_Line_Segment(&x, &y, lx, ly, sx, sy), c.result) << c.sx0 << c.sy0;
        EXPECT_DOUBLE_EQ(x, c.x);
        EXPECT_DOUBLE_EQ(y, c.y);
    }
}

TEST(OverlapParallelSegments, Cases) {
    struct Case {
        const char* name;
        double x1, y1, x2, y2, x3, y3, x4, y4;
        int result;
        Expected_Points overlap;
    };
    const Case cases[] = {
        {"rising", 0, 0, 4, 4, 2, 2, 6, 6, 1, {{2, 2}, {4, 4}}},
        {"falling", 0, 4, 4, 0, 2, 2, 6, -2, 1, {{2, 2}, {4, 0}}},
        {"falling, reversed", 4, 0, 0, 4, 6, -2, 2, 2, 1, {{2, 2}, {4, 0}}},
        {"horizontal", 0, 1, 4, 1, 2, 1, 6, 1, 1, {{2, 1}, {4, 1}}},
        {"horizontal at another height", 0, 1, 4, 1, 2, 1 + 1e-7, 6, 1 + 1e-7, 0, {}},
        {"vertical", 1, 0, 1, 5, 1, 9, 1, 3, 1, {{1, 3}, {1, 5}}},
        {"vertical apart", 1, 0, 1, 5, 2, 0, 2, 5, 0, {}},
        {"steep", 0, 0, 1, 100, 0.5, 50, 2, 200, 1, {{0.5, 50}, {1, 100}}},
        {"crossing", 0, 0, 4, 4, 0, 4, 4, 0, 0, {}},
        {"offset", 0, 0, 4, 4, 0, 1, 4, 5, 0, {}},
        {"one line, apart", 0, 0, 1, 1, 2, 2, 3, 3, 0, {}},
        {"touching at a point", 0, 0, 2, 2, 2, 2, 3, 3, 1, {{2, 2}, {2, 2}}},
    };
    for (const Case& c : cases) {
        double x[2] = {9, 9}, y[2] = {9, 9};
        const int r = Overlap_Parallel_Segments(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4,
                                                &x[0], &y[0], &x[1], &y[1]);
        EXPECT_EQ(r, c.result) << c.name;
        if (r == 1) {
            SCOPED_TRACE(c.name);
            Expect_Points_Near(x, y, 2, c.overlap, 1e-12);
        }
    }
}

using PolylineCrossings = Result_List_Test;

const double Square_X[] = {0, 2, 2, 0};
const double Square_Y[] = {0, 0, 2, 2};

TEST_F(PolylineCrossings, LineThroughASquare) {
    const double lx[] = {-5, 5}, ly[] = {1, 1};
    EXPECT_EQ(Intersect_Polyline_Line(4, Square_X, Square_Y, 1, lx, ly, &ox, &oy), 2);
    Expect_Points_Near(ox, oy, 2, {{2, 1}, {0, 1}});
    EXPECT_EQ(Intersect_Polyline_Line(4, Square_X, Square_Y, 0, lx, ly, &ox, &oy), 1);  // open
    Expect_Points_Near(ox, oy, 1, {{2, 1}});

    // The diagonal meets (0, 0) first and again on the closing edge: it counts once, as does
    // (2, 2), where two edges meet.
    const double dx[] = {0, 2}, dy[] = {0, 2};
    EXPECT_EQ(Intersect_Polyline_Line(4, Square_X, Square_Y, 1, dx, dy, &ox, &oy), 2);
    Expect_Points_Near(ox, oy, 2, {{0, 0}, {2, 2}});
    double fx[10], fy[10];
    EXPECT_EQ(Intersect_Polyline_Line_Fixed(4, Square_X, Square_Y, 1, dx, dy, fx, fy), 2);
    Expect_Points_Near(fx, fy, 2, {{0, 0}, {2, 2}});

    // No crossing: the blocks held before go back and both pointers are null.
    const double mx[] = {5, 6}, my[] = {-5, 5};
    EXPECT_EQ(Intersect_Polyline_Line(4, Square_X, Square_Y, 1, mx, my, &ox, &oy), 0);
    EXPECT_EQ(ox, nullptr);
    EXPECT_EQ(oy, nullptr);
    EXPECT_EQ(Intersect_Polyline_Line(0, Square_X, Square_Y, 1, lx, ly, &ox, &oy), 0);
    EXPECT_EQ(ox, nullptr);
}

// A zigzag between y = 0 and y = 2 with 14 segments, each crossing y = 1 once.
struct Zigzag {
    std::vector<double> x, y;
    Zigzag() {
        for (int i = 0; i <= 14; ++i) {
            x.push_back(i);
            y.push_back(i % 2 ? 2 : 0);
        }
    }
};

TEST_F(PolylineCrossings, FixedFormsHoldTen) {
    const Zigzag z;
    const double lx[] = {-1, 20}, ly[] = {1, 1};
    double fx[10], fy[10];
    EXPECT_EQ(Intersect_Polyline_Line_Fixed(15, z.x.data(), z.y.data(), 0, lx, ly, fx, fy), 10);
    EXPECT_DOUBLE_EQ(fx[9], 9.5);
    EXPECT_EQ(Intersect_Polyline_Segment_Fixed(15, z.x.data(), z.y.data(), 0, -1, 1, 20, 1, fx, fy),
              10);
    EXPECT_DOUBLE_EQ(fx[0], 0.5);
    EXPECT_DOUBLE_EQ(fx[9], 9.5);
    EXPECT_EQ(Intersect_Polyline_Line(15, z.x.data(), z.y.data(), 0, lx, ly, &ox, &oy), 14);
    EXPECT_DOUBLE_EQ(ox[13], 13.5);
}

TEST_F(PolylineCrossings, SegmentThroughASquare) {
    EXPECT_EQ(Intersect_Polyline_Segment(4, Square_X, Square_Y, 1, -1, 1, 3, 1, &ox, &oy), 2);
    Expect_Points_Near(ox, oy, 2, {{2, 1}, {0, 1}});
    EXPECT_EQ(Intersect_Polyline_Segment(4, Square_X, Square_Y, 1, 1, 1, 3, 1, &ox, &oy), 1);
    Expect_Points_Near(ox, oy, 1, {{2, 1}});
    // The diagonal segment: (0, 0) from the first edge and again from the closing edge.
    EXPECT_EQ(Intersect_Polyline_Segment(4, Square_X, Square_Y, 1, 0, 0, 2, 2, &ox, &oy), 3);
    Expect_Points_Near(ox, oy, 3, {{0, 0}, {2, 2}, {2, 2}});
    EXPECT_EQ(Intersect_Polyline_Segment(4, Square_X, Square_Y, 1, 5, 5, 6, 6, &ox, &oy), 0);
    EXPECT_EQ(ox, nullptr);
}

// Two zigzags that cross 20 times, more than their 11 points: the result grows.
TEST_F(PolylineCrossings, PolylinesCrossMoreOftenThanTheyHavePoints) {
    const double ax[] = {0, 10, 0, 10, 0};
    const double ay[] = {0, 1, 2, 3, 4};
    const double bx[] = {0, 1, 2, 3, 4, 5};
    const double by[] = {-1, 5, -1, 5, -1, 5};
    EXPECT_EQ(Intersect_Polylines(5, ax, ay, 0, 6, bx, by, 0, &ox, &oy), 20);
    // First: y = x / 10 against x = (y + 1) / 6; last: y = 4 - x / 10 against x = 4 + (y + 1) / 6.
    EXPECT_NEAR(ox[0], 10.0 / 59, 1e-12);
    EXPECT_NEAR(oy[0], 1.0 / 59, 1e-12);
    EXPECT_NEAR(ox[19], 290.0 / 61, 1e-12);
    EXPECT_NEAR(oy[19], 215.0 / 61, 1e-12);
    for (int i = 0; i < 20; ++i) EXPECT_GE(oy[i], 0) << i;
    EXPECT_EQ(Intersect_Polylines(5, ax, ay, 0, 6, bx, by, 0, &ox, &oy), 20);   // reused blocks
    EXPECT_EQ(Intersect_Polylines(5, ax, ay, 0, 0, bx, by, 0, &ox, &oy), 0);
    EXPECT_EQ(ox, nullptr);
    EXPECT_EQ(oy, nullptr);
}

// A crossing at a corner of the first polyline comes from both of its segments and counts once.
TEST_F(PolylineCrossings, CornerCrossingCountsOnce) {
    const double ax[] = {0, 2, 4};
    const double ay[] = {0, 2, 0};
    const double bx[] = {0, 4};
    const double by[] = {2, 2};
    EXPECT_EQ(Intersect_Polylines(3, ax, ay, 0, 2, bx, by, 0, &ox, &oy), 1);
    Expect_Points_Near(ox, oy, 1, {{2, 2}});
}

}  // namespace
