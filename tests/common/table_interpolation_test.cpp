#include "common/table_interpolation.h"

#include <gtest/gtest.h>

#include "common/counted_alloc.h"

namespace {

TEST(InterpolateTable, TwoPoints) {
    const double xs[] = {2, 4};
    const double ys[] = {10, 20};
    EXPECT_DOUBLE_EQ(Interpolate_Table(2, xs, ys, 3), 15);
    EXPECT_DOUBLE_EQ(Interpolate_Table(2, xs, ys, 5), 25);   // extrapolated
    EXPECT_DOUBLE_EQ(Interpolate_Table(2, xs, ys, 0), 0);    // below: first pair extended
    EXPECT_DOUBLE_EQ(Interpolate_Table(2, xs, ys, 2), 10);
}

TEST(InterpolateTable, PointsInAnyOrder) {
    // Sorted: (0, 0), (10, 50), (20, 60), (30, 0).
    const double xs[] = {20, 0, 30, 10};
    const double ys[] = {60, 0, 0, 50};
    EXPECT_DOUBLE_EQ(Interpolate_Table(4, xs, ys, 5), 25);
    EXPECT_DOUBLE_EQ(Interpolate_Table(4, xs, ys, 15), 55);
    EXPECT_DOUBLE_EQ(Interpolate_Table(4, xs, ys, 25), 30);
    EXPECT_DOUBLE_EQ(Interpolate_Table(4, xs, ys, 35), -30);   // last pair extended
    EXPECT_DOUBLE_EQ(Interpolate_Table(4, xs, ys, -2), -10);   // first pair extended
}

TEST(InterpolateTable, EqualAbscissae) {
    const double xs[] = {3, 3};
    const double ys[] = {1, 2};
    EXPECT_EQ(Interpolate_Table(2, xs, ys, 1), 1e100);
    EXPECT_EQ(Interpolate_Table(2, xs, ys, -1), -1e100);
    const double same_y[] = {4, 4};
    EXPECT_EQ(Interpolate_Table(2, xs, same_y, 1), 4.0);
    // A step: (0, 0), (5, 0) then (5, 10), (10, 10), the points at x = 5 in table order. At x = 5
    // the first bracketing pair is (0, 0)-(5, 0).
    const double sx[] = {10, 5, 5, 0};
    const double sy[] = {10, 0, 10, 0};
    EXPECT_DOUBLE_EQ(Interpolate_Table(4, sx, sy, 5), 0);
    EXPECT_DOUBLE_EQ(Interpolate_Table(4, sx, sy, 7.5), 10);
}

TEST(InterpolateTable, SmallTablesAndTheWorkArray) {
    Reset_Block_Count();
    const double xs[] = {1};
    const double ys[] = {7};
    EXPECT_EQ(Interpolate_Table(1, xs, ys, 100), 7.0);
    EXPECT_EQ(Interpolate_Table(0, xs, ys, 100), 0.0);
    EXPECT_EQ(Interpolate_Table(-2, xs, ys, 100), 0.0);
    EXPECT_EQ(Interpolate_Table(3, nullptr, ys, 100), 0.0);
    const double two_x[] = {0, 1};
    const double two_y[] = {0, 1};
    Interpolate_Table(2, two_x, two_y, 0.5);
    EXPECT_EQ(Get_Block_Count(), 0);
}

}  // namespace
