// Reinforcing-bar arithmetic: values worked by hand (π/4 · d² of the bars below), quotients that are
// whole up to floating-point noise, and the guards of inputs that have no count.
#include "material/reinforcing_bars.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "material/rounding.h"

// Areas of one bar, π/4 · d²: 6 mm 2.827433e-5, 10 mm 7.853982e-5, 12 mm 1.130973e-4,
// 14 mm 1.539380e-4, 16 mm 2.010619e-4, 20 mm 3.141593e-4, 25 mm 4.908739e-4, 28 mm 6.157522e-4,
// 32 mm 8.042477e-4 m².

TEST(ReinforcingBars, DiameterTableAndFloorToAStandardDiameter) {
    EXPECT_EQ(Bar_Diameter_Table.size(), 12u);
    EXPECT_DOUBLE_EQ(Bar_Diameter_Table[9], 0.032);
    EXPECT_DOUBLE_EQ(Bar_Diameter_Table[10], 0.018);
    struct Case {
        double d, expected;
    };
    const Case cases[] = {
        {0.03, 0.028}, {0.032, 0.028}, {0.05, 0.032}, {0.006, -1.0},
        {0.0061, 0.006}, {0.0, -1.0}, {0.0121, 0.012}, {0.012, 0.010},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(Floor_To_Bar_Diameter(c.d), c.expected) << c.d;
}

TEST(ReinforcingBars, ClosedFormulasOfAreasSpacingsAndAxisDistance) {
    struct Case {
        const char* what;
        double value, expected;
    };
    const Case cases[] = {
        {"axis, no bar", Compute_Bar_Axis_Distance(0.03, 0.01, 0, 0.02), 0.05},
        {"axis, one bar", Compute_Bar_Axis_Distance(0.03, 0.01, 1, 0.02), 0.05},
        {"axis, two bars", Compute_Bar_Axis_Distance(0.03, 0.01, 2, 0.02), 0.06},
        {"axis, count -1 taken unsigned", Compute_Bar_Axis_Distance(0.03, 0.01, -1, 0.02), 0.06},
        {"3 bars of 12 mm", Compute_Bars_Area(3, 0.012), 0.000339},
        {"1 bar of 25 mm", Compute_Bars_Area(1, 0.025), 0.000491},
        {"2 bundles of 3 x 12 mm", Compute_Bundles_Area(2, 3, 0.012), 6 * 1.1309733552923255e-4},
        {"bundles of a negative count", Compute_Bundles_Area(-2, 3, 0.012), 0.0},
        {"bundles of m < 0", Compute_Bundles_Area(2, -1, 0.012), 0.0},
        {"12 mm at 0.15 m", Compute_Area_Per_Length(0.15, 0.012), 0.000754},
        {"spacing 0", Compute_Area_Per_Length(0.0, 0.012), 0.0},
        {"rounded, 7.854 -> 7.5", Compute_Area_Per_Length_Rounded(0.1, 0.1), 0.075},
        {"rounded, 3.927 -> 3.5", Compute_Area_Per_Length_Rounded(0.2, 0.1), 0.035},
        {"rounded, 5.027 -> 5", Compute_Area_Per_Length_Rounded(0.1, 0.08), 0.05},
        {"rounded, spacing below 1e-8", Compute_Area_Per_Length_Rounded(5e-9, 0.1), 0.0},
        {"line, 5 bars over 2 m", Compute_Line_Bar_Spacing(5, 2.0), 0.5},
        {"line, 2 bars", Compute_Line_Bar_Spacing(2, 3.0), 3.0},
        {"line, 1 bar", Compute_Line_Bar_Spacing(1, 5.0), 1e100},
        {"circle, 6 bars on r 1", Compute_Circle_Bar_Spacing(6, 1.0), 1.0},
        {"circle, no bar", Compute_Circle_Bar_Spacing(0, 1.0), 1e100},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.value, c.expected, 1e-15 + 1e-12 * std::fabs(c.expected)) << c.what;
}

TEST(ReinforcingBars, CountsDoNotLoseOrGainABarToFloatingPointNoise) {
    const double r = 0.1;
    struct Case {
        const char* what;
        double count, expected;
    };
    const Case cases[] = {
        {"area of 5 x 16 mm", Count_Bars_For_Area(0.001, 0.016), 5},
        {"one 10 mm bar's area", Count_Bars_For_Area(0.7853981633974483 * 0.01 * 0.01, 0.01), 1},
        {"area 0", Count_Bars_For_Area(0.0, 0.016), 0},
        {"groups of 2 x 16 mm", Count_Bar_Groups_For_Area(0.001, 0.016, 2, 0.0), 3},
        {"groups of |-2|", Count_Bar_Groups_For_Area(0.001, 0.016, -2, 0.0), 3},
        {"groups beyond an area given", Count_Bar_Groups_For_Area(0.001, 0.016, 2, 0.0005), 2},
        {"1 m at 0.15", Count_Bars_For_Spacing(1.0, 0.15), 7},
        {"0.1 m at 0.15", Count_Bars_For_Spacing(0.1, 0.15), 2},
        {"0.6 m at 0.2", Count_Bars_For_Spacing(0.6, 0.2), 4},
        {"0.45 / 0.15 spacings", Count_Spacings(0.5, 0.0, 0.1, 0.05), 3},
        {"0.85 / 0.15 spacings", Count_Spacings(1.0, 0.05, 0.1, 0.05), 5},
        {"no room for one spacing", Count_Spacings(0.3, 0.1, 0.1, 0.1), 0},
        {"chord = radius", Count_Bars_On_Circle(r, r), 6},
        {"chord = diameter", Count_Bars_On_Circle(0.2, 0.1), 2},
        {"chord 0.1 on r 0.25", Count_Bars_On_Circle(0.1, 0.25), 15},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(c.count, c.expected) << c.what;
}

TEST(ReinforcingBars, InputsWithoutACountGiveTheirBoundInsteadOfDividingByZero) {
    struct Case {
        const char* what;
        double count, expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"bars, d 0", Count_Bars_For_Area(0.001, 0.0), 0},
        {"bars, d < 0", Count_Bars_For_Area(0.001, -0.01), 0},
        {"groups, d 0", Count_Bar_Groups_For_Area(0.001, 0.0, 2, 0.0), 0},
        {"groups, n 0", Count_Bar_Groups_For_Area(0.001, 0.016, 0, 0.0), 0},
        {"spacing 0", Count_Bars_For_Spacing(1.0, 0.0), 2},
        {"spacing < 0", Count_Bars_For_Spacing(1.0, -0.1), 2},
        {"spacings, a + b 0", Count_Spacings(1.0, 0.0, 0.1, -0.1), 0},
        {"spacings, a + b < 0", Count_Spacings(1.0, 0.0, -0.2, 0.1), 0},
        {"circle, chord 0", Count_Bars_On_Circle(0.0, 0.1), 0},
        {"circle, radius 0", Count_Bars_On_Circle(0.1, 0.0), 0},
        {"circle, radius < 0", Count_Bars_On_Circle(0.1, -1.0), 0},
        {"circle, chord > diameter", Count_Bars_On_Circle(0.5, 0.1), 1},
        {"circle, chord infinite", Count_Bars_On_Circle(inf, 0.1), 1},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(c.count, c.expected) << c.what;
}

TEST(ReinforcingBars, FindDiameterForArea) {
    // 4 bars: 16 mm 0.000804 falls short of 0.001, 20 mm 0.001257 covers it. Twice 4 bars: 12 mm
    // 2 x 0.000452 = 0.000904 short, 14 mm 2 x 0.000616 covers.
    EXPECT_EQ(Find_Diameter_For_Area(0.001, 4, 1), 6);
    EXPECT_EQ(Find_Diameter_For_Area(0.001, 4, 2), 4);
    EXPECT_EQ(Find_Diameter_For_Area(0.000804, 4, 1), 5);   // equal after rounding covers
    EXPECT_EQ(Find_Diameter_For_Area(0.0, 1, 1), 0);
    EXPECT_EQ(Find_Diameter_For_Area(1.0, 4, 1), -1);       // 4 x 32 mm = 0.003217
}

TEST(ReinforcingBars, FindCountAndDiameterTakesTheLeastCountThenTheFirstDiameter) {
    struct Case {
        double area;
        int n, first, last;
        double m;
        int count, index;
    };
    const Case cases[] = {
        // 2 bars: 25 mm 0.000982 short; 3 bars: 16 mm 0.000603, 20 mm 0.000942 short, 25 mm 0.001473.
        {0.001, 2, 5, 7, 1, 3, 7},
        // 0.001473 is exactly 3 x 25 mm after rounding, and 2 x 32 mm (0.001608) covers it sooner.
        {0.001473, 1, 0, 8, 1, 3, 7},
        {0.001473, 1, 0, 9, 1, 2, 9},
        {0.0001, 5, 0, 9, 1, 5, 0},    // the first count already covers with the first diameter
        {0.001, 1, 5, 5, 2, 3, 5},     // twice 3 x 16 mm = 0.001206
        {-1.0, -4, 2, 3, 1, -4, 2},    // a negative area is covered at once
    };
    for (const Case& c : cases) {
        int count = -7, index = -7;
        EXPECT_EQ(Find_Count_And_Diameter_For_Area(c.area, c.n, c.first, c.last, c.m, &count, &index), 0) << c.area;
        EXPECT_EQ(count, c.count) << c.area << " " << c.last;
        EXPECT_EQ(index, c.index) << c.area << " " << c.last;
    }
}

TEST(ReinforcingBars, FindCountAndDiameterAgreesWithTheScanOfCountsAndDiameters) {
    // The scan that defines the result: counts from n upward, indexes first to last within a count.
    const auto scan = [](double area, int n, int first, int last, double m, int& count, int& index) {
        for (int k = n; k < n + 100000; ++k)
            for (int i = first; i <= last; ++i) {
                const double d = Bar_Diameter_Table[static_cast<std::size_t>(i)];
                const double product = Round_To_Decimals(m * (k * 0.7853981633974483 * d * d), 6);
                if (area <= product) {
                    count = k;
                    index = i;
                    return;
                }
            }
    };
    for (const double area : {0.00005, 0.000339, 0.00145, 0.0031, 0.0157, 0.25})
        for (const int n : {0, 1, 3})
            for (const auto& [first, last] : {std::pair{0, 9}, std::pair{2, 4}, std::pair{6, 9}, std::pair{8, 8}})
                for (const double m : {0.5, 1.0, 3.0}) {
                    int count = 0, index = -1, expected_count = 0, expected_index = -1;
                    scan(area, n, first, last, m, expected_count, expected_index);
                    ASSERT_GE(expected_index, 0);
                    EXPECT_EQ(Find_Count_And_Diameter_For_Area(area, n, first, last, m, &count, &index), 0);
                    EXPECT_EQ(count, expected_count) << area << " " << n << " " << first << "-" << last << " " << m;
                    EXPECT_EQ(index, expected_index) << area << " " << n << " " << first << "-" << last << " " << m;
                }
}

TEST(ReinforcingBars, FindCountAndDiameterRefusesWhatHasNoAnswer) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        double area;
        int first, last;
        double m;
    };
    const Case cases[] = {
        {"m 0", 0.001, 0, 9, 0.0},
        {"m < 0", 0.001, 0, 9, -1.0},
        {"m not a number", 0.001, 0, 9, nan},
        {"first < 0", 0.001, -1, 9, 1.0},
        {"first > last", 0.001, 5, 4, 1.0},
        {"last > 9", 0.001, 0, 10, 1.0},
        {"area infinite", inf, 0, 9, 1.0},
        {"area not a number", nan, 0, 9, 1.0},
        {"more bars than an int counts", 1e12, 0, 9, 1.0},
        {"bars too small to count", 0.001, 0, 9, 1e-12},
    };
    for (const Case& c : cases) {
        int count = -7, index = -7;
        EXPECT_EQ(Find_Count_And_Diameter_For_Area(c.area, 1, c.first, c.last, c.m, &count, &index), 1) << c.what;
        EXPECT_EQ(count, 0) << c.what;
        EXPECT_EQ(index, -1) << c.what;
    }
    EXPECT_EQ(Find_Count_And_Diameter_For_Area(0.001, INT_MAX, 0, 0, 1.0, nullptr, nullptr), 0);   // no outputs
}
