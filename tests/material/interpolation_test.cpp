#include "material/interpolation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Linear_Case {
    double x1, y1, x2, y2, x;
    double stored;
    int inside;
};

TEST(InterpolateLinear, Cases) {
    const Linear_Case cases[] = {
        {0, 0, 10, 100, 5, 50, 1},
        {0, 0, 10, 100, 12, 120, 0},            // extrapolated value still stored
        {0, 0, 10, 100, 10.00001, 100.0001, 1}, // -0.0001 lies above the allowance -0.01
        {5, 1, 5, 3, 5, 2, 1},                  // on a vertical segment: its middle
        {5, 1, 5, 3, 6, 0, 0},                  // away from a vertical segment
        {5, 2, 5, 2, 7, 4, 0},                  // one point continued with slope 1
        {0, 0, 10, 0, 10.000001, 0, 0},         // y = 0: no allowance
        {10, 100, 0, 0, 2.5, 25, 1},            // points in falling order
        {0, 4, 2, 0, -1, 6, 0},
    };
    for (const Linear_Case& c : cases) {
        double out = -999;
        EXPECT_EQ(Interpolate_Linear(c.x1, c.y1, c.x2, c.y2, c.x, &out), c.inside) << c.x;
        EXPECT_NEAR(out, c.stored, 1e-9) << c.x;
    }
}

TEST(InterpolateLinear, WithoutOutputOnlyTheInsideTest) {
    EXPECT_EQ(Interpolate_Linear(0, 0, 10, 100, 5, nullptr), 1);
    EXPECT_EQ(Interpolate_Linear(5, 1, 5, 3, 6, nullptr), 0);
}

TEST(InterpolateBetweenLines, OrdinateBetweenTwoCurves) {
    // Line A (p = 1): y = x from (0, 0) to (10, 10); line B (p = 3): y = 2x + 10 from (0, 10)
    // to (10, 30). At x = 4: 4 and 18; for p = 2 halfway: 11.
    double x = 4, y = -1;
    EXPECT_EQ(Interpolate_Between_Lines(1, 0, 10, 0, 10, 3, 0, 10, 10, 30, 2, &y, &x, 1), 1);
    EXPECT_DOUBLE_EQ(y, 11);
    // p = 4 lies beyond line B: extrapolated 25, not inside.
    EXPECT_EQ(Interpolate_Between_Lines(1, 0, 10, 0, 10, 3, 0, 10, 10, 30, 4, &y, &x, 1), 0);
    EXPECT_DOUBLE_EQ(y, 25);
}

TEST(InterpolateBetweenLines, AbscissaWithAxesSwapped) {
    // Same lines; at y = 20: line A gives x = 20 (outside its ends 0..10), so nothing is stored.
    double x = -1, y = 20;
    EXPECT_EQ(Interpolate_Between_Lines(1, 0, 10, 0, 10, 3, 0, 10, 10, 30, 2, &y, &x, 0), 0);
    EXPECT_EQ(x, -1);
    // At y = 8: x = 8 on A, x = -1 on B (outside B's 10..30): nothing stored.
    y = 8;
    EXPECT_EQ(Interpolate_Between_Lines(1, 0, 10, 0, 10, 3, 0, 10, 10, 30, 2, &y, &x, 0), 0);
    EXPECT_EQ(x, -1);
    // Line B from (0, 0) to (20, 10) (x = 2y): at y = 5 A gives 5, B gives 10, p = 2: 7.5.
    y = 5;
    EXPECT_EQ(Interpolate_Between_Lines(1, 0, 10, 0, 10, 3, 0, 20, 0, 10, 2, &y, &x, 0), 1);
    EXPECT_DOUBLE_EQ(x, 7.5);
}

TEST(InterpolateBetweenLines, EqualParametersWithDifferentValuesStoreZero) {
    double x = 4, y = -1;
    EXPECT_EQ(Interpolate_Between_Lines(2, 0, 10, 0, 10, 2, 0, 10, 10, 30, 3, &y, &x, 1), 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(Interpolate_Between_Lines(2, 0, 10, 0, 10, 2, 0, 10, 10, 30, 3, nullptr, &x, 1), 0);
}

struct Scale_Case {
    double extent_x, extent_y, avail_x, avail_y;
    int exact;
    double expected;
};

TEST(ChooseDrawingScale, Cases) {
    const Scale_Case cases[] = {
        {350, 100, 14, 19.4, 1, 0.04},           // rx = 2500, ry = 515.5: n = 2500
        {350.0001, 100, 14, 19.4, 1, 0.04},      // ratio 2500.0007 stays at 2500
        {350.1, 100, 14, 19.4, 1, 100.0 / 2501}, // ratio 2500.71 gives 2501
        {1000, 10, 0.5, 20, 1, 2},               // only ry = 50 counts
        {0.5, 0, 100, 100, 0, 100},              // ratio 0.5: step 1
        {2.2, 0, 100, 100, 0, 100.0 / 3},        // ratio 2.2: step 3
        {7, 0, 100, 100, 0, 10},                 // step 10
        {26, 0, 100, 100, 0, 100.0 / 30},        // step 30
        {31, 0, 100, 100, 0, 100.0 / 35},        // step 35
        {40, 0, 100, 100, 0, 2.5},               // 40 stays 40
        {5, 0, 100, 100, 0, 20},                 // 5 stays 5
        {11, 0, 100, 100, 0, 100.0 / 15},
        {0, 0, 14, 20, 0, 100},                  // empty extents: step 1
    };
    for (const Scale_Case& c : cases)
        EXPECT_DOUBLE_EQ(Choose_Drawing_Scale(c.extent_x, c.extent_y, c.avail_x, c.avail_y,
                                              c.exact),
                         c.expected)
            << c.extent_x << " x " << c.extent_y << " exact " << c.exact;
}

TEST(ChooseDrawingScale, ExactModeStaysFiniteWhenNothingLimits) {
    // An empty sketch, no usable paper, negative or missing extents: the scale 1:1.
    EXPECT_EQ(Choose_Drawing_Scale(0, 0, 14, 20, 1), 100.0);
    EXPECT_EQ(Choose_Drawing_Scale(350, 100, 0.5, 0.9, 1), 100.0);
    EXPECT_EQ(Choose_Drawing_Scale(-50, -20, 14, 20, 1), 100.0);
    EXPECT_EQ(Choose_Drawing_Scale(NAN, NAN, 14, 20, 1), 100.0);
    EXPECT_TRUE(std::isfinite(Choose_Drawing_Scale(0.0001, 0, 14, 20, 1)));
}

}  // namespace
