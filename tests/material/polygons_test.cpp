#include "material/polygons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "material/geometry_test_support.h"
#include "material/point_transforms.h"
#include "material/polygon_sections.h"

namespace {

constexpr double Pi = Geometry_Pi;

const double Square_X[] = {0, 4, 4, 0};
const double Square_Y[] = {0, 0, 4, 4};

// The U: a bar [0, 6] x [0, 2] with arms [0, 2] x [2, 4] and [4, 6] x [2, 4].
const double U_X[] = {6, 6, 4, 4, 2, 2, 0, 0};
const double U_Y[] = {0, 4, 4, 2, 2, 4, 4, 0};

TEST(ClassifyPointPolygon, Square) {
    struct Case {
        double px, py;
        int expected;
    };
    const Case cases[] = {
        {2, 1, 1},
        {5, 5, 0},   // the first line runs through the corner (4, 4): decided at the second
        {4, 2, 2},
        {0, 0, 2},
        {2, 2, 1},   // likewise through the corner (0, 0)
        {-1, 2, 0},
        {2, 4, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Classify_Point_Polygon(4, Square_X, Square_Y, c.px, c.py), c.expected)
            << c.px << ", " << c.py;
    EXPECT_EQ(Classify_Point_Polygon(2, Square_X, Square_Y, 1, 0), 0);
    EXPECT_EQ(Classify_Point_Polygon(0, Square_X, Square_Y, 1, 1), -1);
    EXPECT_EQ(Classify_Point_Polygon(4, nullptr, Square_Y, 1, 1), -1);
    EXPECT_EQ(Classify_Point_Polygon(8, U_X, U_Y, 3, 3), 0);   // in the notch
    EXPECT_EQ(Classify_Point_Polygon(8, U_X, U_Y, 1, 3), 1);
}

TEST(LengthInsidePolygon, Cases) {
    // Two edges over the same segment, 4 inside each.
    const double lx[] = {-1, 5}, ly[] = {1, 1};
    EXPECT_NEAR(Get_Length_Inside_Polygon(2, lx, ly, 4, Square_X, Square_Y), 8, 1e-12);
    // Along y = 3 through the U: from (1, 3) the left arm to x = 2 and the right arm 4 to 6,
    // 3 each way; the crossings taken in edge order would count 10.
    const double ux[] = {1, 7}, uy[] = {3, 3};
    EXPECT_NEAR(Get_Length_Inside_Polygon(2, ux, uy, 8, U_X, U_Y), 6, 1e-12);
    // A closed line wholly inside: its perimeter.
    const double ix[] = {1, 3, 3, 1}, iy[] = {1, 1, 3, 3};
    EXPECT_NEAR(Get_Length_Inside_Polygon(4, ix, iy, 4, Square_X, Square_Y), 8, 1e-12);
    // A line through the corner (4, 4): the crossing met by two edges counts once.
    const double dx[] = {2, 6}, dy[] = {2, 6};
    EXPECT_NEAR(Get_Length_Inside_Polygon(2, dx, dy, 4, Square_X, Square_Y), 4 * std::sqrt(2.0),
                1e-12);
    EXPECT_EQ(Get_Length_Inside_Polygon(2, lx, ly, 0, Square_X, Square_Y), 0.0);
}

TEST(OverlapByGrid, Cases) {
    double area = 0, width = 0, height = 0;
    // Equal squares: 100 x 100 cells of 0.04, every centre inside.
    EXPECT_EQ(Get_Overlap_By_Grid(4, Square_X, Square_Y, 4, Square_X, Square_Y, &area, &width,
                                  &height),
              1);
    EXPECT_NEAR(area, 16, 1e-9);
    EXPECT_NEAR(width, 3.96, 1e-9);
    EXPECT_NEAR(height, 3.96, 1e-9);
    // Squares (0, 0)-(2, 2) and (1, 0)-(3, 2): a box of 3 x 2, 150 columns of 0.02, 100 rows;
    // the 50 columns with centres between x = 1 and x = 2 count.
    const double ax[] = {0, 2, 2, 0}, ay[] = {0, 0, 2, 2};
    const double bx[] = {1, 3, 3, 1}, by[] = {0, 0, 2, 2};
    EXPECT_EQ(Get_Overlap_By_Grid(4, ax, ay, 4, bx, by, &area, &width, &height), 1);
    EXPECT_NEAR(area, 2, 1e-9);
    EXPECT_NEAR(width, 1.99 - 1.01, 1e-9);
    EXPECT_NEAR(height, 1.99 - 0.01, 1e-9);
    EXPECT_NEAR(Get_Overlap_Area(4, ax, ay, 4, bx, by), 2, 1e-9);

    // Apart, an empty polygon, a box without height: no overlap.
    const double cx[] = {5, 6, 6, 5}, cy[] = {5, 5, 6, 6};
    EXPECT_EQ(Get_Overlap_By_Grid(4, ax, ay, 4, cx, cy, &area, &width, &height), 0);
    EXPECT_EQ(area, 0.0);
    EXPECT_EQ(width, -2e100);
    EXPECT_EQ(Get_Overlap_By_Grid(4, ax, ay, 0, cx, cy, &area, &width, &height), 0);
    EXPECT_EQ(area, 0.0);
    EXPECT_EQ(Get_Overlap_Area(0, ax, ay, 4, ax, ay), 0.0);
    const double fx[] = {0, 4, 2}, fy[] = {1, 1, 1};
    EXPECT_EQ(Get_Overlap_By_Grid(3, fx, fy, 3, fx, fy, &area, &width, &height), 0);
    EXPECT_EQ(area, 0.0);
}

TEST(PolygonConstructions, EqualAreaRectangleExtents) {
    double x[4] = {9, 9, 9, 9}, y[4] = {9, 9, 9, 9};
    EXPECT_EQ(Make_Equal_Area_Polygon(1, 0, 0, 4, x, y), 0);
    const double R = std::sqrt(Pi / 2);   // the square 2 R^2 = pi
    Expect_Points_Near(x, y, 4, {{R, 0}, {0, R}, {-R, 0}, {0, -R}}, 1e-12);
    EXPECT_NEAR(Compute_Polygon_Area(4, x, y), Pi, 1e-12);
    double kx[2] = {9, 9}, ky[2] = {9, 9};
    EXPECT_EQ(Make_Equal_Area_Polygon(1, 0, 0, 2, kx, ky), 1);
    EXPECT_EQ(kx[0], 9.0);

    Make_Rectangle(4, 2, 1, 1, x, y);
    Expect_Points_Near(x, y, 4, {{-1, 0}, {3, 0}, {3, 2}, {-1, 2}}, 0);

    double x0, y0, x1, y1;
    Get_Polygon_Extents(0, x, y, &x0, &y0, &x1, &y1);
    EXPECT_EQ(x0, 1e100);
    EXPECT_EQ(y0, 1e100);
    EXPECT_EQ(x1, -1e100);
    EXPECT_EQ(y1, -1e100);
    Get_Polygon_Extents(8, U_X, U_Y, &x0, &y0, &x1, &y1);
    EXPECT_EQ(x0, 0.0);
    EXPECT_EQ(y0, 0.0);
    EXPECT_EQ(x1, 6.0);
    EXPECT_EQ(y1, 4.0);
}

using CutPolygon = Result_List_Test;

TEST_F(CutPolygon, UpperHalfOfASquare) {
    const double lx[] = {0, 4}, ly[] = {2, 2};
    int count = 0;
    EXPECT_EQ(Cut_Polygon_By_Line(4, Square_X, Square_Y, lx, ly, &count, &ox, &oy), 1);
    Expect_Points_Near(ox, oy, count, {{4, 2}, {4, 4}, {0, 4}, {0, 2}});
    // The line reversed keeps the lower half.
    const double rx[] = {4, 0}, ry[] = {2, 2};
    EXPECT_EQ(Cut_Polygon_By_Line(4, Square_X, Square_Y, rx, ry, &count, &ox, &oy), 1);
    Expect_Points_Near(ox, oy, count, {{0, 0}, {4, 0}, {4, 2}, {0, 2}});
    // Wholly to the right: nothing, both pointers null.
    const double nx[] = {0, 4}, ny[] = {9, 9};
    EXPECT_EQ(Cut_Polygon_By_Line(4, Square_X, Square_Y, nx, ny, &count, &ox, &oy), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(ox, nullptr);
    EXPECT_EQ(oy, nullptr);
}

// Six teeth above y = 3 give 18 points, more than the 15 corners + 2.
TEST_F(CutPolygon, SawBladeNeedsMoreRoom) {
    const double x[] = {0, 12, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    const double y[] = {0, 0, 2, 4, 2, 4, 2, 4, 2, 4, 2, 4, 2, 4, 2};
    const double lx[] = {0, 12}, ly[] = {3, 3};
    int count = 0;
    EXPECT_EQ(Cut_Polygon_By_Line(15, x, y, lx, ly, &count, &ox, &oy), 1);
    Expected_Points expected;
    for (int tooth = 11; tooth >= 1; tooth -= 2) {
        expected.push_back({tooth + 0.5, 3});
        expected.push_back({tooth, 4});
        expected.push_back({tooth - 0.5, 3});
    }
    Expect_Points_Near(ox, oy, count, expected);
}

TEST(CentroidTransformations, SquareAndDiamond) {
    std::vector<double> x = {0, 2, 2, 0}, y = {0, 0, 2, 2};
    EXPECT_EQ(Scale_Polygon_About_Centroid(4, x.data(), y.data(), 2), 0);
    Expect_Points_Near(x, y, {{-1, -1}, {3, -1}, {3, 3}, {-1, 3}});

    x = {0, 2, 2, 0}, y = {0, 0, 2, 2};
    EXPECT_EQ(Expand_Polygon_About_Centroid(4, x.data(), y.data(), 1, 1), 0);
    Expect_Points_Near(x, y, {{-1, -1}, {3, -1}, {3, 3}, {-1, 3}});
    // Corners on the centroid's vertical and horizontal stay there in that coordinate.
    x = {1, 2, 1, 0}, y = {0, 1, 2, 1};
    EXPECT_EQ(Expand_Polygon_About_Centroid(4, x.data(), y.data(), 1, 0.5), 0);
    Expect_Points_Near(x, y, {{1, -0.5}, {3, 1}, {1, 2.5}, {-1, 1}});

    // Every corner 0.5 outward along its diagonal.
    const double k = 0.5 / std::sqrt(2.0);
    x = {0, 2, 2, 0}, y = {0, 0, 2, 2};
    EXPECT_EQ(Offset_Polygon_Corners(4, x.data(), y.data(), 0.5), 0);
    Expect_Points_Near(x, y, {{-k, -k}, {2 + k, -k}, {2 + k, 2 + k}, {-k, 2 + k}}, 1e-12);
}

TEST(CentroidTransformations, PolygonWithoutAreaStays) {
    std::vector<double> x = {0, 1, 2}, y = {0, 1, 2};
    EXPECT_EQ(Scale_Polygon_About_Centroid(3, x.data(), y.data(), 2), 1);
    EXPECT_EQ(Expand_Polygon_About_Centroid(3, x.data(), y.data(), 1, 1), 1);
    EXPECT_EQ(Offset_Polygon_Corners(3, x.data(), y.data(), 1), 1);
    EXPECT_EQ(x, (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(y, (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(Scale_Polygon_About_Centroid(0, x.data(), y.data(), 2), 0);
}

TEST(OffsetPolyline, OpenAndClosed) {
    std::vector<double> x = {0, 10, 10}, y = {0, 0, 10};
    Offset_Polyline(x.data(), y.data(), -3, 1);
    Expect_Points_Near(x, y, {{0, 1}, {9, 1}, {9, 10}});

    // A counter-clockwise rectangle: its edges move inwards.
    x = {0, 4, 4, 0}, y = {0, 0, 2, 2};
    Offset_Polyline(x.data(), y.data(), 4, 1);
    Expect_Points_Near(x, y, {{1, 1}, {3, 1}, {3, 1}, {1, 1}});

    // 150 points in a row: every edge parallel to the next, each corner at the middle.
    std::vector<double> lx, ly;
    for (int i = 0; i < 150; ++i) {
        lx.push_back(i);
        ly.push_back(0);
    }
    Offset_Polyline(lx.data(), ly.data(), -150, 1);
    for (int i = 0; i < 150; ++i) {
        EXPECT_DOUBLE_EQ(lx[i], i) << i;
        EXPECT_DOUBLE_EQ(ly[i], 1) << i;
    }

    // Counts -1 to 1 and distances below 0.00001 change nothing.
    x = {0, 10, 10}, y = {0, 0, 10};
    for (int n : {-1, 0, 1}) Offset_Polyline(x.data(), y.data(), n, 1);
    Offset_Polyline(x.data(), y.data(), -3, 9e-6);
    EXPECT_EQ(x, (std::vector<double>{0, 10, 10}));
    EXPECT_EQ(y, (std::vector<double>{0, 0, 10}));
}

TEST(PolygonCleanUp, ReflexCornersInEitherOrientation) {
    std::vector<double> x = {0, 4, 2, 4, 0}, y = {0, 0, 1, 4, 4};
    EXPECT_EQ(Drop_Reflex_Vertices(5, x.data(), y.data()), 4);
    Expect_Points_Near(x.data(), y.data(), 4, {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, 0);
    x = {0, 4, 2, 4, 0}, y = {4, 4, 1, 0, 0};   // the same pentagon clockwise
    EXPECT_EQ(Drop_Reflex_Vertices(5, x.data(), y.data()), 4);
    Expect_Points_Near(x.data(), y.data(), 4, {{0, 4}, {4, 4}, {4, 0}, {0, 0}}, 0);
    EXPECT_EQ(Drop_Reflex_Vertices(0, x.data(), y.data()), 0);
}

TEST(PolygonCleanUp, DuplicatePoints) {
    std::vector<double> x = {0, 1, 1, 0}, y = {0, 0, 0, 0};
    EXPECT_EQ(Drop_Duplicate_Points(4, x.data(), y.data()), 2);
    Expect_Points_Near(x.data(), y.data(), 2, {{0, 0}, {1, 0}}, 0);
    // Equal at 5 decimals; the last point goes, equal to its successor, the first.
    x = {5, 1, 1 + 1e-7, 3, 5}, y = {5, 0, 0, 0, 5};
    EXPECT_EQ(Drop_Duplicate_Points(5, x.data(), y.data()), 3);
    Expect_Points_Near(x.data(), y.data(), 3, {{5, 5}, {1 + 1e-7, 0}, {3, 0}}, 0);
    x = {2, 2, 2}, y = {1, 1, 1};
    EXPECT_EQ(Drop_Duplicate_Points(3, x.data(), y.data()), 0);
    EXPECT_EQ(x, (std::vector<double>{2, 2, 2}));
}

TEST(PolygonCleanUp, SelfIntersections) {
    const double bx[] = {0, 2, 2, 0}, by[] = {0, 2, 0, 2};   // bow-tie
    EXPECT_EQ(Count_Self_Intersections(4, bx, by, 1), 1);
    EXPECT_EQ(Count_Self_Intersections(4, bx, by, 0), 1);   // open: the Z still crosses
    EXPECT_EQ(Count_Self_Intersections(4, Square_X, Square_Y, 1), 0);
    EXPECT_EQ(Count_Self_Intersections(8, U_X, U_Y, 1), 0);
    EXPECT_EQ(Count_Self_Intersections(2, bx, by, 0), 0);
    // A star drawn in one stroke crosses itself five times.
    std::vector<double> sx, sy;
    for (int i = 0; i < 5; ++i) {
        sx.push_back(std::cos(Pi / 2 + i * 4 * Pi / 5));
        sy.push_back(std::sin(Pi / 2 + i * 4 * Pi / 5));
    }
    EXPECT_EQ(Count_Self_Intersections(5, sx.data(), sy.data(), 1), 5);
}

}  // namespace
