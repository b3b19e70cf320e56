#include "common/table_interpolation.h"

#include <cmath>

#include "common/counted_alloc.h"
#include "material/index_sort.h"
#include "material/rounding.h"

double Interpolate_Table(int n, const double* xs, const double* ys, double x) {
    if (n < 1 || !xs || !ys) return 0;
    if (n == 1) return ys[0];

    auto* order = static_cast<int*>(
        Realloc_Or_Exit(nullptr, static_cast<std::size_t>(n) * sizeof(int), 0));
    Sort_Index_Ascending(xs, order, n);
    // The sort leaves points closer than 0.00001 in any order: put them back in table order.
    for (int i = 0; i + 1 < n; ++i) {
        if (Round_To_Decimals(std::fabs(xs[order[i]] - xs[order[i + 1]]), 4) == 0 &&
            order[i] > order[i + 1]) {
            const int t = order[i];
            order[i] = order[i + 1];
            order[i + 1] = t;
        }
    }

    int lo = order[n - 2], hi = order[n - 1];
    if (x <= xs[order[0]]) {
        lo = order[0];
        hi = order[1];
    } else {
        for (int i = 0; i + 1 < n; ++i) {
            if (xs[order[i]] <= x && x <= xs[order[i + 1]]) {
                lo = order[i];
                hi = order[i + 1];
                break;
            }
        }
    }
    Free_And_Null(&order);

    const double x_lo = xs[lo], x_hi = xs[hi], y_lo = ys[lo], y_hi = ys[hi];
    if (x_hi != x_lo) return y_lo + (y_hi - y_lo) / (x_hi - x_lo) * (x - x_lo);
    if (y_hi != y_lo) return x >= 0 ? 1e100 : -1e100;
    return y_hi;
}
