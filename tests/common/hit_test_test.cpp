// The hit test of a point against a line segment with its tolerance.
#include "common/hit_test.h"

#include <gtest/gtest.h>

TEST(HitTest, PointsNearTheSegmentWithTheDefaultTolerance) {
    struct Case {
        int x1, y1, x2, y2, px, py, near;
    };
    const Case cases[] = {
        {0, 0, 10, 0, 5, 2, 1},    // beside the segment, within 3 px
        {0, 0, 10, 0, 5, 4, 0},    // too far beside it
        {0, 0, 10, 0, 13, 0, 1},   // on its line, 3 px past the end: inside the widened box
        {0, 0, 10, 0, 14, 0, 0},   // 4 px past the end
        {0, 0, 10, 0, -3, 3, 1},   // a corner of the widened box
        {10, 0, 0, 0, 5, -3, 1},   // either direction of the segment
        {0, 0, 0, 10, 3, 5, 1},    // vertical
        {0, 0, 0, 10, 4, 5, 0},
        {0, 0, 10, 10, 8, 4, 1},   // diagonal: distance |10*4 - 10*8| / sqrt(200) = 2.83
        {0, 0, 10, 10, 9, 4, 0},   // 3.54
        {5, 5, 5, 5, 5, 5, 0},     // a segment of length 0 is never hit
        {-2000000000, 0, 2000000000, 0, 0, 1, 1},   // far ends do not overflow
    };
    for (const Case& c : cases)
        EXPECT_EQ(Is_Near_Segment(c.x1, c.y1, c.x2, c.y2, c.px, c.py), c.near)
            << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " point " << c.px << "," << c.py;
}

TEST(HitTest, ToleranceIsKeptAndUsed) {
    EXPECT_EQ(Get_Hit_Tolerance(), 3);
    Set_Hit_Tolerance(5);
    EXPECT_EQ(Get_Hit_Tolerance(), 5);
    EXPECT_EQ(Is_Near_Segment(0, 0, 10, 0, 5, 4), 1);
    EXPECT_EQ(Is_Near_Segment(0, 0, 10, 0, 16, 0), 0);
    Set_Hit_Tolerance(3);
}

TEST(HitTest, SignOfZeroIsPositive) {
    EXPECT_EQ(Sign_Of(0.0), 1);
    EXPECT_EQ(Sign_Of(2.5), 1);
    EXPECT_EQ(Sign_Of(-1e-300), -1);
}
