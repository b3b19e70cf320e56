#include "material/rounding.h"

#include <algorithm>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "common/stream_print.h"

Extremes_Record Last_Extremes;

namespace {

// Exact powers of ten for the short path of the rounding: read, never computed.
constexpr double Powers_Of_Ten[] = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13,
};
constexpr int Short_Path_Decimals = 13;

constexpr double Infinite = 1e100;
constexpr double Equal_Tolerance = 0.00001;

double Signed_Infinite(double by) { return by >= 0 ? Infinite : -Infinite; }

}  // namespace

// The short path carries the product, the offset and the floor in long double, which on x86-64
// is the x87 format with a 64-bit significand: the value 1.005 (stored just below the decimal
// half) times 100 stays below 100.5 there, where double arithmetic would round it up to 100.5.
// The quotient is rounded to 64 bits first and to double on return, as an x87 store does.
static_assert(std::numeric_limits<long double>::digits == 64,
              "the rounding needs the 64-bit significand of the x87 extended format");

double Round_To_Decimals(double x, int n) {
    if (n < 0) n = 0;
    if (n <= Short_Path_Decimals) {
        const long double s = Powers_Of_Ten[n];
        const long double whole = std::floor(static_cast<long double>(x) * s + 0.5L);
        return static_cast<double>(whole / s);
    }
    // Beyond 13 decimals the scaled value no longer fits the significand: print with n decimals
    // after a nudge of 10^-(n+6), which lifts exact and near halves, and read the text back.
    // From 1100 decimals on every double prints exactly and the nudge is 0, so more change nothing.
    n = std::min(n, 1100);
    const double nudge = std::exp((-6.0 - n) * std::log(10.0));
    const std::string text = Format_Text("%.*lf", n, x + nudge);
    return std::strtod(text.c_str(), nullptr);
}

double Raise_To_Power(double a, double b) {
    if (a <= 0) return 0;
    if (b == 2) return a * a;
    return std::pow(a, b);
}

double Divide_Safe_At_Decimals(double a, double b, int n) {
    if (Round_To_Decimals(std::fabs(b), n) > 0) return a / b;
    return a < 0 ? -Infinite : Infinite;
}

double Divide_Safe(double a, double b) { return Divide_Safe_At_Decimals(a, b, 10); }

namespace {

// The column interpolation in extended precision; the 2-D interpolation keeps one of its
// results unrounded.
long double Column_Value(const double* table, int rows, int stride, double x, int arg_col,
                         int res_col, int extrapolate) {
    if (!table || rows < 1 || stride < 1 || arg_col < 0 || arg_col >= stride || res_col < 0 ||
        res_col >= stride)
        return 0;
    auto arg = [&](int r) { return table[static_cast<long>(r) * stride + arg_col]; };
    auto res = [&](int r) { return table[static_cast<long>(r) * stride + res_col]; };
    if (rows == 1) return res(0);

    const int last = rows - 1;
    const bool ascending = arg(last) > arg(0);
    int hi = last;
    for (int r = 1; r < rows; ++r) {
        if (ascending ? arg(r) >= x : arg(r) <= x) {
            hi = r;
            break;
        }
    }
    int lo = hi - 1;
    if (!extrapolate) {
        if (ascending) {
            if (x > arg(last) + Equal_Tolerance) lo = hi = last;
            if (x < arg(0) - Equal_Tolerance) lo = hi = 0;
        } else {
            if (x < arg(last) - Equal_Tolerance) lo = hi = last;
            if (x > arg(0) + Equal_Tolerance) lo = hi = 0;
        }
    }
    const long double y_lo = res(lo), y_hi = res(hi);
    const long double x_lo = arg(lo), x_hi = arg(hi);
    if (std::fabs(y_lo - y_hi) < Equal_Tolerance) return y_lo;
    if (x_lo != x_hi) return y_lo + (y_hi - y_lo) / (x_hi - x_lo) * (x - x_lo);
    return Signed_Infinite(x);
}

}  // namespace

double Interpolate_Table_Column(const double* table, int rows, int stride, double x, int arg_col,
                                int res_col, int extrapolate) {
    return static_cast<double>(
        Column_Value(table, rows, stride, x, arg_col, res_col, extrapolate));
}

double Interpolate_Table_2D(const double* table, int rows, int cols, double x, double y,
                            int extrapolate) {
    if (!table || rows < 1 || cols < 1) return 0;
    auto c = [&](int j) { return table[j]; };   // column argument j, 1 <= j <= cols

    int h = 1, m = 1;
    if (cols >= 2) {
        const bool descending = c(1) > c(2);
        h = 1;
        if (!(descending ? y >= c(2) : y <= c(2)) && cols > 2) {
            for (h = 2; h < cols - 1; ++h)
                if (descending ? y >= c(h + 1) : y <= c(h + 1)) break;
        }
        m = h + 1;
        if (!extrapolate) {
            if (descending) {
                if (y < c(cols) - Equal_Tolerance) h = m = cols;
                if (y > c(1) + Equal_Tolerance) h = m = 1;
            } else {
                if (y > c(cols) + Equal_Tolerance) h = m = cols;
                if (y < c(1) - Equal_Tolerance) h = m = 1;
            }
        }
    }
    const double* data = table + (cols + 1);
    const double v_h = static_cast<double>(Column_Value(data, rows, cols + 1, x, 0, h, extrapolate));
    const long double v_m = Column_Value(data, rows, cols + 1, x, 0, m, extrapolate);
    if (std::fabs(v_h - v_m) < Equal_Tolerance) return v_h;
    if (c(h) != c(m)) {
        return static_cast<double>(v_h + (v_m - v_h) / (static_cast<long double>(c(m)) - c(h)) *
                                             (static_cast<long double>(y) - c(h)));
    }
    return Signed_Infinite(y);
}

// The rounding to 8 decimals absorbs the inexact factor 0.1, so that 1000 counts 4 digits.
int Count_Decimal_Digits(int v) {
    double x = v;
    int count = 0;
    do {
        x = x * 0.1;
        ++count;
    } while (Round_To_Decimals(x - 1, 8) >= 0);
    return count;
}

namespace {

void Scan_Extremes(int count, const double* values) {
    Last_Extremes = Extremes_Record{};
    if (count < 1 || !values) return;
    Extremes_Record e;
    for (int i = 0; i < count; ++i) {
        if (values[i] > e.largest) {
            e.largest = values[i];
            e.largest_index = i;
        }
        if (values[i] < e.smallest) {
            e.smallest = values[i];
            e.smallest_index = i;
        }
    }
    Last_Extremes = e;
}

}  // namespace

double Find_Max_Value(int count, const double* values) {
    Scan_Extremes(count, values);
    return Last_Extremes.largest;
}

double Find_Min_Value(int count, const double* values) {
    Scan_Extremes(count, values);
    return Last_Extremes.smallest;
}

int Find_Max_Value_Index(int count, const double* values) {
    Scan_Extremes(count, values);
    return Last_Extremes.largest_index;
}

int Find_Min_Value_Index(int count, const double* values) {
    Scan_Extremes(count, values);
    return Last_Extremes.smallest_index;
}

double Find_Root_Bisection(double (*f)(double), double a, double b, double tol) {
    if (!f) return -Infinite;
    double fa = f(a);
    const double fb = f(b);
    if (fa * fb >= 0) return -Infinite;
    if (b - a <= tol) return (a + b) / 2;
    for (int step = 0; step < 100; ++step) {
        const double m = (a + b) / 2;
        const double fm = f(m);
        if (fm == 0) return m;
        if (fa * fm < 0) {
            b = m;
        } else {
            a = m;
            fa = fm;
        }
        if (b - a <= tol) break;
    }
    return (a + b) / 2;
}
