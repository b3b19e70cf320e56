#include "material/point_transforms.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

constexpr double Pi = Geometry_Pi;

TEST(TransformPoints, RotationAboutTheOrigin) {
    double x[] = {1, 0};
    double y[] = {0, 1};
    Transform_Points(x, y, 2, 0, 0, Pi / 2, 1);
    EXPECT_NEAR(x[0], 0, 1e-15);
    EXPECT_NEAR(y[0], -1, 1e-15);
    EXPECT_NEAR(x[1], 1, 1e-15);
    EXPECT_NEAR(y[1], 0, 1e-15);
}

TEST(TransformPoints, ShiftAndScaleUndoneByUntransform) {
    double x[] = {11, 10};
    double y[] = {6, 5};
    Transform_Points(x, y, 2, 10, 5, 0, 2);
    EXPECT_EQ(x[0], 2.0);
    EXPECT_EQ(y[0], 2.0);
    EXPECT_EQ(x[1], 0.0);
    EXPECT_EQ(y[1], 0.0);
    Untransform_Points(x, y, 2, 10, 5, 0, 2);
    EXPECT_EQ(x[0], 11.0);
    EXPECT_EQ(y[0], 6.0);
    // Rotated frame at (3, 4) under 30 degrees, scale 0.5: there and back again.
    double u[] = {7.5, -2};
    double v[] = {1.25, 9};
    Transform_Points(u, v, 2, 3, 4, Pi / 6, 0.5);
    // (4.5, -2.75) rotated by -30 degrees and halved: (0.5 (4.5 cos + -2.75 sin), ...)
    EXPECT_NEAR(u[0], 0.5 * (4.5 * std::sqrt(3.0) / 2 - 2.75 * 0.5), 1e-12);
    EXPECT_NEAR(v[0], 0.5 * (-2.75 * std::sqrt(3.0) / 2 - 4.5 * 0.5), 1e-12);
    Untransform_Points(u, v, 2, 3, 4, Pi / 6, 0.5);
    EXPECT_NEAR(u[0], 7.5, 1e-12);
    EXPECT_NEAR(v[0], 1.25, 1e-12);
    EXPECT_NEAR(u[1], -2, 1e-12);
    EXPECT_NEAR(v[1], 9, 1e-12);
}

TEST(PointArrays, CountBelowOneTouchesNothing) {
    double x[] = {1.5};
    double y[] = {2.5};
    int ix[] = {-7};
    int iy[] = {-8};
    for (int n : {0, -1, INT_MIN}) {
        Transform_Points(x, y, n, 1, 1, 1, 2);
        Untransform_Points(x, y, n, 1, 1, 1, 2);
        Transform_Points_To_Pixels(x, y, n, 1, 1, 1, 2, ix, iy);
        Orient_Polygon_Counterclockwise(n, x, y);
        Orient_Polygon_Clockwise(n, x, y);
        Flip_Polygon_Y(n, x, y, 10, x, y);
    }
    EXPECT_EQ(x[0], 1.5);
    EXPECT_EQ(y[0], 2.5);
    EXPECT_EQ(ix[0], -7);
    EXPECT_EQ(iy[0], -8);
}

TEST(TransformPointsToPixels, HalvesGoAwayFromZero) {
    double x[] = {2.5, -2.5, 2.49, -0.5, 1e12, NAN};
    double y[] = {-1e12, 0.49, -0.49, 7, 0, 0};
    int ix[6], iy[6];
    Transform_Points_To_Pixels(x, y, 6, 0, 0, 0, 1, ix, iy);
    EXPECT_EQ(std::vector<int>(ix, ix + 6), (std::vector<int>{3, -3, 2, -1, INT_MAX, 0}));
    EXPECT_EQ(std::vector<int>(iy, iy + 6), (std::vector<int>{INT_MIN, 0, 0, 7, 0, 0}));
    // The double arrays keep the transformed values: shifted by (1, 1) and doubled.
    double u[] = {2.25};
    double v[] = {0.75};
    int pu[1], pv[1];
    Transform_Points_To_Pixels(u, v, 1, 1, 1, 0, 2, pu, pv);
    EXPECT_EQ(u[0], 2.5);
    EXPECT_EQ(v[0], -0.5);
    EXPECT_EQ(pu[0], 3);
    EXPECT_EQ(pv[0], -1);
}

struct Angle_Case {
    double x2, y2;
    double expected;
};

TEST(SegmentAngle, FromTheOrigin) {
    const Angle_Case cases[] = {
        {0, 0, 3 * Pi / 2},      {0, 1, Pi / 2},     {9e-6, -5, 3 * Pi / 2},
        {-1, 0, Pi},             {1, -1, -Pi / 4},   {-1, -1, 5 * Pi / 4},
        {0.00001, 1, std::atan(100000.0)},           {-9e-6, 3, Pi / 2},
        {2, 2, Pi / 4},          {-1, 1, 3 * Pi / 4},
    };
    for (const Angle_Case& c : cases)
        EXPECT_DOUBLE_EQ(Get_Segment_Angle(0, 0, c.x2, c.y2), c.expected) << c.x2 << ", " << c.y2;
    EXPECT_DOUBLE_EQ(Get_Segment_Angle(3, 4, 3, 9), Pi / 2);
}

TEST(SegmentAnglePositive, FromTheOrigin) {
    const Angle_Case cases[] = {
        {1, -1, 7 * Pi / 4}, {-1, 1e-6, Pi}, {1, 1e-6, 0},       {0, 0, 3 * Pi / 2},
        {0, 2, Pi / 2},      {-1, -1, 5 * Pi / 4}, {1, 1, Pi / 4}, {0, -2, 3 * Pi / 2},
    };
    for (const Angle_Case& c : cases)
        EXPECT_DOUBLE_EQ(Get_Segment_Angle_Positive(0, 0, c.x2, c.y2), c.expected)
            << c.x2 << ", " << c.y2;
}

TEST(AngleBetweenSegments, Cases) {
    EXPECT_DOUBLE_EQ(Get_Angle_Between_Segments(0, 0, 2, 0, 5, 5, 5, 9), Pi / 2);
    EXPECT_DOUBLE_EQ(Get_Angle_Between_Segments(0, 0, 1, 1, 1, 1, 0, 0), Pi);
    EXPECT_DOUBLE_EQ(Get_Angle_Between_Segments(0, 0, 1, 0, 0, 0, 1, 1), Pi / 4);
    // Parallel segments whose cosine rounds to 1.0000000000000002: held at 1, angle 0.
    EXPECT_EQ(Get_Angle_Between_Segments(0, 0, 0.1, 0.7, 0, 0, 0.1 * 3, 0.7 * 3), 0.0);
    // A segment without length has no direction: 0.
    EXPECT_EQ(Get_Angle_Between_Segments(1, 1, 1, 1, 0, 0, 1, 0), 0.0);
}

std::vector<double> Values(const double* v, int n) { return std::vector<double>(v, v + n); }

TEST(OrientPolygon, ReversesOnlyTheWrongOrder) {
    // Clockwise unit square (area -1).
    double x[] = {0, 0, 1, 1};
    double y[] = {0, 1, 1, 0};
    Orient_Polygon_Counterclockwise(4, x, y);
    EXPECT_EQ(Values(x, 4), (std::vector<double>{1, 1, 0, 0}));
    EXPECT_EQ(Values(y, 4), (std::vector<double>{0, 1, 1, 0}));
    Orient_Polygon_Counterclockwise(4, x, y);   // already counter-clockwise
    EXPECT_EQ(Values(x, 4), (std::vector<double>{1, 1, 0, 0}));
    Orient_Polygon_Clockwise(4, x, y);
    EXPECT_EQ(Values(x, 4), (std::vector<double>{0, 0, 1, 1}));
    EXPECT_EQ(Values(y, 4), (std::vector<double>{0, 1, 1, 0}));
    Orient_Polygon_Clockwise(4, x, y);          // already clockwise
    EXPECT_EQ(Values(x, 4), (std::vector<double>{0, 0, 1, 1}));

    double cx[] = {0, 1, 2};
    double cy[] = {0, 1, 2};
    Orient_Polygon_Counterclockwise(3, cx, cy);   // collinear: zero area, unchanged
    Orient_Polygon_Clockwise(3, cx, cy);
    EXPECT_EQ(Values(cx, 3), (std::vector<double>{0, 1, 2}));
}

TEST(FlipPolygonY, FlipsAndOrdersCounterclockwise) {
    const double x[] = {0, 1, 1};
    const double y[] = {0, 0, 1};
    double fx[3], fy[3];
    Flip_Polygon_Y(3, x, y, 10, fx, fy);
    EXPECT_EQ(Values(fx, 3), (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(Values(fy, 3), (std::vector<double>{9, 10, 10}));
    EXPECT_EQ(Values(y, 3), (std::vector<double>{0, 0, 1}));   // input unchanged

    double sx[] = {0, 1, 1};
    double sy[] = {0, 0, 1};
    Flip_Polygon_Y(3, sx, sy, 10, sx, sy);   // in place
    EXPECT_EQ(Values(sx, 3), (std::vector<double>{1, 1, 0}));
    EXPECT_EQ(Values(sy, 3), (std::vector<double>{9, 10, 10}));
}

}  // namespace
