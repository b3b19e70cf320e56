// Rounding and numeric helpers of the maths library: rounding to decimals (the zero test of every
// geometry and graphics routine), a guarded power and guarded divisions, interpolation in
// one- and two-dimensional tables, a count of decimal digits, extreme values of an array and a
// bisection root finder. 1e100 stands for an infinite value or for no result.
#pragma once

// x rounded to n decimals. Halves go toward plus infinity (2.5 -> 3, -2.5 -> -2). Up to 13
// decimals the value is scaled, offset by 0.5 and floored in extended precision (64-bit
// significand); beyond 13 decimals it is printed with n decimals and read back. A negative n
// counts as 0.
double Round_To_Decimals(double x, int n);

// a to the power b; 0 for a <= 0.
double Raise_To_Power(double a, double b);

// a / b; when b is zero at n decimals: +1e100 for a >= 0, -1e100 for a < 0.
double Divide_Safe_At_Decimals(double a, double b, int n);
double Divide_Safe(double a, double b);   // n = 10

// Linear interpolation in a row-major table of `rows` rows with `stride` doubles each: the value
// of column res_col at argument x of column arg_col (monotonic, ascending or descending). Without
// extrapolation x is clamped to the end rows (0.00001 tolerance). Equal arguments with different
// results give +-1e100 by the sign of x. A table of one row gives that row's result; no table, no
// rows or columns outside the stride give 0.
double Interpolate_Table_Column(const double* table, int rows, int stride, double x, int arg_col,
                                int res_col, int extrapolate);

// Bilinear interpolation in a (rows + 1) x (cols + 1) table: row 0 holds an unused corner and the
// cols column arguments, each further row its row argument and its cols values. x is the row
// argument, y the column argument. No table, no rows or no columns give 0.
double Interpolate_Table_2D(const double* table, int rows, int cols, double x, double y,
                            int extrapolate);

// Number of decimal digits of v (1 for 0 and for every negative value).
int Count_Decimal_Digits(int v);

// The results of the last extreme-value scan.
struct Extremes_Record {
    double largest = -1e100;
    double smallest = 1e100;
    int largest_index = -1;
    int smallest_index = -1;
};
extern Extremes_Record Last_Extremes;

// Largest and smallest value of values[0 .. count-1] and their indexes; the first occurrence wins
// on ties. An empty array gives -1e100, +1e100, -1, -1.
double Find_Max_Value(int count, const double* values);
double Find_Min_Value(int count, const double* values);
int Find_Max_Value_Index(int count, const double* values);
int Find_Min_Value_Index(int count, const double* values);

// A root of f in [a, b] by bisection to the width tol; -1e100 when f(a) and f(b) have no sign
// change (or either is zero). At most 100 halvings.
double Find_Root_Bisection(double (*f)(double), double a, double b, double tol);
