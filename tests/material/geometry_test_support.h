// Test support of the plane geometry: comparison of computed point lists with the expected points
// (one failure line per point), and a fixture for routines that hand result lists to the caller.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/counted_alloc.h"

using Expected_Points = std::vector<std::pair<double, double>>;

inline void Expect_Points_Near(const double* x, const double* y, int n,
                               const Expected_Points& expected, double tol = 1e-9) {
    ASSERT_EQ(n, static_cast<int>(expected.size()));
    for (int i = 0; i < n; ++i) {
        EXPECT_NEAR(x[i], expected[i].first, tol) << "point " << i;
        EXPECT_NEAR(y[i], expected[i].second, tol) << "point " << i;
    }
}

inline void Expect_Points_Near(const std::vector<double>& x, const std::vector<double>& y,
                               const Expected_Points& expected, double tol = 1e-9) {
    ASSERT_EQ(x.size(), y.size());
    Expect_Points_Near(x.data(), y.data(), static_cast<int>(x.size()), expected, tol);
}

// Holds the two result pointers of the routines under test, releases them at the end and checks
// that every block of the counted allocator went back.
class Result_List_Test : public testing::Test {
protected:
    void SetUp() override { Reset_Block_Count(); }
    void TearDown() override {
        Free_And_Null(&ox);
        Free_And_Null(&oy);
        EXPECT_EQ(Get_Block_Count(), 0);
    }
    double* ox = nullptr;
    double* oy = nullptr;
};
