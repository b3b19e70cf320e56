#include "material/rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Rounding_Case {
    double x;
    int n;
    double expected;
};

// Halves go toward plus infinity. 1.005, 0.285, 0.15 and 2.55 are stored just below their
// decimal halves and round down. For 0.15 (stored 5.6e-18 low) and 2.55 (1.8e-16 low) the
// scaled value lies closer to the half than a double's spacing there (2.2e-16 at 1.5, 3.6e-15
// at 25.5): only the 64-bit significand keeps it below, double arithmetic would give 0.2, 2.6.
TEST(RoundToDecimals, ShortPathCases) {
    const Rounding_Case cases[] = {
        {2.5, 0, 3.0},     {-2.5, 0, -2.0},   {-1.25, 1, -1.2},  {0.05, 1, 0.1},
        {4.9999, 0, 5.0},  {4e-6, 5, 0.0},    {5e-6, 5, 1e-5},   {1.005, 2, 1.0},
        {0.285, 2, 0.28},  {1.5, 0, 2.0},     {-1.5, 0, -1.0},   {-0.4, 0, 0.0},
        {123.456, 1, 123.5}, {-123.456, 2, -123.46}, {7.0, 13, 7.0}, {0.0, 3, 0.0},
        {0.15, 1, 0.1},    {2.55, 1, 2.5},    {0.35, 1, 0.3},    {-0.15, 1, -0.1},
    };
    for (const Rounding_Case& c : cases)
        EXPECT_EQ(Round_To_Decimals(c.x, c.n), c.expected) << c.x << " to " << c.n;
}

TEST(RoundToDecimals, NegativeZeroGivesPositiveZero) {
    const double r = Round_To_Decimals(-0.0, 2);
    EXPECT_EQ(r, 0.0);
    EXPECT_FALSE(std::signbit(r));
}

TEST(RoundToDecimals, ZeroTestAtDecimals) {
    // The usual use: a magnitude that rounds to 0 counts as zero.
    EXPECT_EQ(Round_To_Decimals(std::fabs(-4.9e-7), 6), 0.0);
    EXPECT_GT(Round_To_Decimals(std::fabs(-5.1e-7), 6), 0.0);
}

TEST(RoundToDecimals, TextPathBeyondThirteenDecimals) {
    // 1/3 printed with 15 decimals is 0.333333333333333.
    EXPECT_EQ(Round_To_Decimals(1.0 / 3.0, 15), 0.333333333333333);
    // The nudge of 1e-21 lifts the half upward on both signs.
    EXPECT_EQ(Round_To_Decimals(5e-16, 15), 1e-15);
    EXPECT_EQ(Round_To_Decimals(-5e-16, 15), 0.0);
    // A value far too wide for a fixed-size text buffer is still converted.
    EXPECT_EQ(Round_To_Decimals(1e250, 20), 1e250);
    // Any number of decimals beyond what a double holds leaves the value as it is, without a
    // text of that length and without overflow in the nudge's exponent.
    EXPECT_EQ(Round_To_Decimals(0.1, 2000000000), 0.1);
    EXPECT_EQ(Round_To_Decimals(-4.9e-324, 2147483647), -4.9e-324);
}

TEST(RoundToDecimals, NegativeDecimalsCountAsZero) {
    EXPECT_EQ(Round_To_Decimals(2.5, -3), 3.0);
    EXPECT_EQ(Round_To_Decimals(-7.6, -1), -8.0);
}

TEST(RaiseToPower, GuardsNonPositiveBase) {
    EXPECT_EQ(Raise_To_Power(-8, 1.0 / 3.0), 0.0);
    EXPECT_EQ(Raise_To_Power(0, 2), 0.0);
    EXPECT_EQ(Raise_To_Power(3, 2), 9.0);
    EXPECT_EQ(Raise_To_Power(2, 10), 1024.0);
}

TEST(DivideSafe, ZeroDivisorGivesSignedInfinity) {
    EXPECT_EQ(Divide_Safe(3, 1e-11), 1e100);     // zero at 10 decimals
    EXPECT_EQ(Divide_Safe(-3, 0), -1e100);
    EXPECT_EQ(Divide_Safe(0, 0), 1e100);
    EXPECT_EQ(Divide_Safe(-0.0, 0), 1e100);
    EXPECT_EQ(Divide_Safe(6, 1e-9), 6e9);        // 1e-9 is not zero at 10 decimals
    EXPECT_EQ(Divide_Safe_At_Decimals(6, 0.004, 2), 1e100);
    EXPECT_EQ(Divide_Safe_At_Decimals(6, 0.005, 2), 1200.0);
}

// Arguments 0, 10, 20 with results 0, 5, 5 in columns 1 and 2 of rows of three.
const double Step_Table[] = {
    99, 0, 0,
    99, 10, 5,
    99, 20, 5,
};

TEST(InterpolateTableColumn, AscendingCases) {
    struct Case { double x; int extrapolate; double expected; };
    const Case cases[] = {
        {5, 0, 2.5},      // 0 + 5/10 * 5
        {25, 0, 5},       // clamped to the last row
        {15, 0, 5},       // results closer than 0.00001: the lower one
        {-10, 1, -5},     // the first interval extended
        {-10, 0, 0},      // clamped to the first row
        {20.000005, 0, 5},
        {0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Interpolate_Table_Column(Step_Table, 3, 3, c.x, 1, 2, c.extrapolate),
                         c.expected)
            << c.x;
}

TEST(InterpolateTableColumn, DescendingArguments) {
    // Arguments 30, 20, 10 with results 3, 5, 9.
    const double t[] = {30, 3, 20, 5, 10, 9};
    EXPECT_DOUBLE_EQ(Interpolate_Table_Column(t, 3, 2, 25, 0, 1, 0), 4.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table_Column(t, 3, 2, 12.5, 0, 1, 0), 8.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table_Column(t, 3, 2, 40, 0, 1, 0), 3.0);
    EXPECT_DOUBLE_EQ(Interpolate_Table_Column(t, 3, 2, 40, 0, 1, 1), 1.0);   // 3 + (-0.2)(10)
    EXPECT_DOUBLE_EQ(Interpolate_Table_Column(t, 3, 2, 0, 0, 1, 0), 9.0);
}

TEST(InterpolateTableColumn, VerticalStepGivesSignedInfinity) {
    const double t[] = {1, 0, 1, 4};
    EXPECT_EQ(Interpolate_Table_Column(t, 2, 2, 1, 0, 1, 0), 1e100);
    const double u[] = {-1, 0, -1, 4};
    EXPECT_EQ(Interpolate_Table_Column(u, 2, 2, -1, 0, 1, 0), -1e100);
}

TEST(InterpolateTableColumn, SmallOrBadTablesStayInside) {
    const double one_row[] = {7, 42};
    EXPECT_EQ(Interpolate_Table_Column(one_row, 1, 2, 3, 0, 1, 1), 42.0);
    EXPECT_EQ(Interpolate_Table_Column(one_row, 0, 2, 3, 0, 1, 1), 0.0);
    EXPECT_EQ(Interpolate_Table_Column(one_row, -4, 2, 3, 0, 1, 1), 0.0);
    EXPECT_EQ(Interpolate_Table_Column(one_row, 1, 2, 3, 0, 2, 1), 0.0);
    EXPECT_EQ(Interpolate_Table_Column(one_row, 1, 2, 3, -1, 1, 1), 0.0);
    EXPECT_EQ(Interpolate_Table_Column(nullptr, 3, 2, 3, 0, 1, 1), 0.0);
}

// Column arguments 10, 20, 30; rows at x = 0 and x = 10.
const double Grid[] = {
    0,  10, 20,  30,
    0,  0,  100, 100,
    10, 10, 200, 400,
};

TEST(InterpolateTable2D, Cases) {
    struct Case { double x, y; int extrapolate; double expected; };
    const Case cases[] = {
        {5, 15, 0, 77.5},    // columns 5 and 150 at x = 5, then halfway
        {5, 25, 0, 200},     // columns 150 and 250, halfway
        {10, 30, 0, 400},
        {5, 40, 0, 250},     // clamped to the last column
        {5, 40, 1, 350},     // last interval extended: 150 + 100/10 * 20
        {5, 0, 0, 5},        // clamped to the first column
        {20, 10, 0, 10},     // clamped to the last row
        {20, 10, 1, 20},     // extended in x
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Interpolate_Table_2D(Grid, 2, 3, c.x, c.y, c.extrapolate), c.expected)
            << c.x << ", " << c.y;
}

TEST(InterpolateTable2D, DescendingHeader) {
    const double t[] = {
        0,  30, 20, 10,
        0,  3,  2,  1,
        10, 6,  4,  2,
    };
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(t, 2, 3, 5, 25, 0), 3.75);   // 4.5 and 3 halfway
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(t, 2, 3, 5, 12, 0), 1.8);    // 3 and 1.5 at 0.2
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(t, 2, 3, 5, 5, 0), 1.5);     // clamped to 10
}

TEST(InterpolateTable2D, DegenerateTablesStayInside) {
    const double single_column[] = {0, 10, 0, 1, 10, 3};
    EXPECT_DOUBLE_EQ(Interpolate_Table_2D(single_column, 2, 1, 5, 99, 0), 2.0);
    EXPECT_EQ(Interpolate_Table_2D(single_column, 0, 1, 5, 99, 0), 0.0);
    EXPECT_EQ(Interpolate_Table_2D(single_column, 2, 0, 5, 99, 0), 0.0);
    EXPECT_EQ(Interpolate_Table_2D(nullptr, 2, 2, 5, 99, 0), 0.0);
}

TEST(CountDecimalDigits, Cases) {
    const int cases[][2] = {
        {0, 1},    {-123, 1}, {1, 1},    {9, 1},    {10, 2},          {99, 2},
        {100, 3},  {999, 3},  {1000, 4}, {10000, 5}, {999999994, 9},  {999999995, 10},
        {1000000000, 10},
    };
    for (const auto& c : cases) EXPECT_EQ(Count_Decimal_Digits(c[0]), c[1]) << c[0];
}

TEST(ExtremeValues, FirstOccurrenceWinsAndAllFourAreKept) {
    const double v[] = {3, 7, 7, 1, 1};
    EXPECT_EQ(Find_Max_Value_Index(4, v), 1);
    EXPECT_EQ(Last_Extremes.largest, 7.0);
    EXPECT_EQ(Last_Extremes.smallest, 1.0);
    EXPECT_EQ(Last_Extremes.smallest_index, 3);
    EXPECT_EQ(Find_Min_Value_Index(5, v), 3);
    EXPECT_EQ(Find_Max_Value(5, v), 7.0);
    EXPECT_EQ(Find_Min_Value(5, v), 1.0);
    const double w[] = {2, 1, 1};
    EXPECT_EQ(Find_Min_Value_Index(3, w), 1);
}

TEST(ExtremeValues, EmptyInputAndValuesBeyondTheStartBounds) {
    const double v[] = {5};
    EXPECT_EQ(Find_Max_Value_Index(0, v), -1);
    EXPECT_EQ(Find_Min_Value_Index(-3, v), -1);
    EXPECT_EQ(Find_Max_Value(0, v), -1e100);
    EXPECT_EQ(Find_Min_Value(0, nullptr), 1e100);
    // The scan starts from -1e100 and +1e100: values beyond them are never taken.
    const double far_below[] = {-2e100, -3e100};
    EXPECT_EQ(Find_Max_Value_Index(2, far_below), -1);
    EXPECT_EQ(Find_Min_Value_Index(2, far_below), 1);
    const double far_above[] = {3e100, 2e100};
    EXPECT_EQ(Find_Min_Value_Index(2, far_above), -1);
    EXPECT_EQ(Find_Max_Value_Index(2, far_above), 0);
}

double Square_Minus_Two(double x) { return x * x - 2; }

TEST(FindRootBisection, BracketedAndUnbracketed) {
    EXPECT_NEAR(Find_Root_Bisection(Square_Minus_Two, 0, 2, 1e-10), std::sqrt(2.0), 1e-10);
    EXPECT_EQ(Find_Root_Bisection(Square_Minus_Two, 2, 3, 1e-10), -1e100);
    // A zero at an end is no sign change.
    EXPECT_EQ(Find_Root_Bisection([](double x) { return x - 1; }, 1, 3, 1e-10), -1e100);
    // A narrow interval gives its midpoint at once.
    EXPECT_EQ(Find_Root_Bisection(Square_Minus_Two, 1.0, 1.5, 1.0), 1.25);
    // A midpoint that is the root is returned at once.
    EXPECT_EQ(Find_Root_Bisection([](double x) { return x - 1; }, 0, 2, 1e-12), 1.0);
    EXPECT_EQ(Find_Root_Bisection(nullptr, 0, 2, 1e-12), -1e100);
}

}  // namespace
