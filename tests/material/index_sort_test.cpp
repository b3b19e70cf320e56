#include "material/index_sort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "common/counted_alloc.h"

namespace {

TEST(FindExtremeIndex, Cases) {
    const double rising_tie[] = {5, 9, 9};
    const double falling_tie[] = {4, 2, 2};
    EXPECT_EQ(Find_Extreme_Index(3, rising_tie, 1), 1);
    EXPECT_EQ(Find_Extreme_Index(3, falling_tie, 0), 1);
    EXPECT_EQ(Find_Extreme_Index(3, rising_tie, 0), 0);
    EXPECT_EQ(Find_Extreme_Index(1, rising_tie, 1), 0);
    EXPECT_EQ(Find_Extreme_Index(0, rising_tie, 1), 0);
    EXPECT_EQ(Find_Extreme_Index(-5, rising_tie, 1), 0);
    EXPECT_EQ(Find_Extreme_Index(3, nullptr, 1), 0);
    const double with_nan[] = {1, NAN, 3, -2};
    EXPECT_EQ(Find_Extreme_Index(4, with_nan, 1), 2);
    EXPECT_EQ(Find_Extreme_Index(4, with_nan, 0), 3);
}

TEST(IndexSort, AscendingAndDescendingByDoubleKeys) {
    const double keys[] = {3.0, 1.0, 2.0};
    int index[3] = {-1, -1, -1};
    Sort_Index_Ascending(keys, index, 3);
    EXPECT_EQ(std::vector<int>(index, index + 3), (std::vector<int>{1, 2, 0}));
    Sort_Index_By_Value(3, keys, index, 0);
    EXPECT_EQ(std::vector<int>(index, index + 3), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(keys[0], 3.0);   // keys unchanged
}

TEST(IndexSort, IntKeysCompareExactly) {
    const int keys[] = {7, -3, 7, 0};
    int index[4];
    Sort_Index_By_Int_Value(4, keys, index, 1);
    EXPECT_EQ(index[0], 1);
    EXPECT_EQ(index[1], 3);
    EXPECT_EQ(keys[index[2]], 7);
    EXPECT_EQ(keys[index[3]], 7);
    Sort_Index_By_Int_Value(4, keys, index, 0);
    EXPECT_EQ(index[2], 3);
    EXPECT_EQ(index[3], 1);
}

TEST(IndexSort, CountBelowOneTouchesNothing) {
    const double keys[] = {2, 1};
    int index[2] = {42, 43};
    Sort_Index_By_Value(0, keys, index, 1);
    Sort_Index_By_Value(-3, keys, index, 1);
    int int_keys[] = {5};
    Sort_Index_By_Int_Value(-1, int_keys, index, 1);
    double values[] = {9, 8};
    Sort_Doubles(0, values, 1);
    EXPECT_EQ(index[0], 42);
    EXPECT_EQ(index[1], 43);
    EXPECT_EQ(values[0], 9.0);
    EXPECT_EQ(Sort_Unique_Values(0, values, 1, 2), 0);
    Sort_Value_Pairs(-2, values, 1, values, 1, 2);
    EXPECT_EQ(values[0], 9.0);
}

TEST(KeyComparison, ToleranceIsStrictOnBothSides) {
    const double a = 1.000001, b = 1.000009, c = 1.0, d = 1.00002;
    EXPECT_EQ(Compare_Doubles_Ascending(&a, &b), 0);
    EXPECT_EQ(Compare_Doubles_Ascending(&b, &a), 0);
    EXPECT_EQ(Compare_Doubles_Ascending(&c, &d), -1);
    EXPECT_EQ(Compare_Doubles_Descending(&c, &d), 1);
    // 1.0 and 1.00001 differ by 1.00000000000655e-05, not below the tolerance.
    const double e = 1.00001;
    EXPECT_EQ(Compare_Doubles_Ascending(&c, &e), -1);
}

TEST(SortDoubles, BothDirections) {
    double v[] = {2.5, -1, 10, 0};
    Sort_Doubles(4, v, 1);
    EXPECT_EQ(std::vector<double>(v, v + 4), (std::vector<double>{-1, 0, 2.5, 10}));
    Sort_Doubles(4, v, 0);
    EXPECT_EQ(std::vector<double>(v, v + 4), (std::vector<double>{10, 2.5, 0, -1}));
}

TEST(SortUniqueValues, DropsValuesEqualToTheirPredecessor) {
    Reset_Block_Count();
    double v[] = {1.0, 1.004, 2.0, 1.0};
    ASSERT_EQ(Sort_Unique_Values(4, v, 1, 2), 2);
    EXPECT_EQ(v[0], 1.0);
    EXPECT_EQ(v[1], 2.0);
    // A chain of close values collapses to its first although its ends differ at 2 decimals.
    double chain[] = {1.0, 1.004, 1.008, 1.012};
    ASSERT_EQ(Sort_Unique_Values(4, chain, 1, 2), 1);
    EXPECT_EQ(chain[0], 1.0);
    // Sorted 3, 3, 2, 1, 1: the kept 3, 2, 1 go to the front, the rest keeps its sorted values.
    double down[] = {3, 1, 2, 3, 1};
    ASSERT_EQ(Sort_Unique_Values(5, down, 0, 3), 3);
    EXPECT_EQ(std::vector<double>(down, down + 5), (std::vector<double>{3, 2, 1, 1, 1}));
    EXPECT_EQ(Get_Block_Count(), 0);   // the work array was given back
}

TEST(SortValuePairs, RunsOfEqualFirstValuesOrderedBySecond) {
    Reset_Block_Count();
    double first[] = {2, 1, 1};
    double second[] = {7, 9, 8};
    Sort_Value_Pairs(3, first, 1, second, 1, 3);
    EXPECT_EQ(std::vector<double>(first, first + 3), (std::vector<double>{1, 1, 2}));
    EXPECT_EQ(std::vector<double>(second, second + 3), (std::vector<double>{8, 9, 7}));

    // Descending first values; the runs still ascend in the second values; the last run ends
    // at the end of the array.
    double f[] = {1, 5, 1, 5, 3, 1};
    double s[] = {6, 4, 5, 2, 0, 4};
    Sort_Value_Pairs(6, f, 0, s, 1, 2);
    EXPECT_EQ(std::vector<double>(f, f + 6), (std::vector<double>{5, 5, 3, 1, 1, 1}));
    EXPECT_EQ(std::vector<double>(s, s + 6), (std::vector<double>{2, 4, 0, 4, 5, 6}));
    EXPECT_EQ(Get_Block_Count(), 0);
}

TEST(SortValuePairs, WithoutSecondKeyOnlyTheFirstOrderHolds) {
    double first[] = {3, 1, 2};
    double second[] = {30, 10, 20};
    Sort_Value_Pairs(3, first, 1, second, 0, 3);
    EXPECT_EQ(std::vector<double>(first, first + 3), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(std::vector<double>(second, second + 3), (std::vector<double>{10, 20, 30}));
}

TEST(Swaps, ExchangeValues) {
    double a = 1, b = 2;
    Swap_Doubles(&a, &b);
    EXPECT_EQ(a, 2.0);
    EXPECT_EQ(b, 1.0);
    float c = 1.5f, d = -3.f;
    Swap_Floats(&c, &d);
    EXPECT_EQ(c, -3.f);
    EXPECT_EQ(d, 1.5f);
}

}  // namespace
