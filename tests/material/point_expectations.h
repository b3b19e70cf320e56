// Comparison of computed point lists with the expected points, one failure line per point.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

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
