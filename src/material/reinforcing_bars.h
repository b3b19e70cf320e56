// Reinforcing bars: the standard bar diameters and the arithmetic of bar areas, counts and spacings.
#pragma once

#include <array>

// Standard reinforcing-bar diameters in metres. Indexes 0 to 9 run in ascending order from 6 to
// 32 mm; 18 and 22 mm follow at indexes 10 and 11. Stored reinforcement groups refer to a bar by
// its index here.
inline constexpr std::array<double, 12> Bar_Diameter_Table = {
    0.006, 0.008, 0.010, 0.012, 0.014, 0.016, 0.020, 0.025, 0.028, 0.032,
    0.018, 0.022,
};

// Bar arithmetic. Lengths and diameters in metres, areas in m². The counts round their quotient to
// 6 decimals before they cut it, so a quotient that is whole up to floating-point noise (0.6 / 0.2,
// π / asin(0.5)) does not gain or lose a bar.

// The largest of the standard diameters 6 to 32 mm that d exceeds strictly; -1 when d <= 6 mm.
double Floor_To_Bar_Diameter(double d);
// Distance of a bar layer's axis from the edge: cover a plus b plus half a bar for 0 or 1 bars, a
// whole bar for 2 or more (the count taken unsigned, so a negative count counts as many).
double Compute_Bar_Axis_Distance(double a, double b, int count, double d);
// Bars of diameter d for the area; 0 for d <= 0.
double Count_Bars_For_Area(double area, double d);
// Groups of |n| bars of diameter d for the area beyond area0; 0 for d <= 0 or n = 0.
double Count_Bar_Groups_For_Area(double area, double d, double n, double area0);
// Area per metre of bars of diameter d at spacing s, cut down to a step of 0.01, or to the half step
// when the part cut off exceeds 0.4999 of a step; 0 for |s| < 1e-8.
double Compute_Area_Per_Length_Rounded(double s, double d);
// Area per metre of bars of diameter d at spacing s, rounded to 6 decimals; 0 for |s| < 1e-8.
double Compute_Area_Per_Length(double s, double d);
// The first index 0 to 9 of Bar_Diameter_Table whose n bars, m times, cover the area; -1 for none.
int Find_Diameter_For_Area(double area, double n, double m);
// The least count from n on and, for it, the first index of first to last whose bars cover the
// area m times: written to n_out and i_out, result 0. Refused (result 1, count 0, index -1): m <= 0,
// indexes outside 0 <= first <= last <= 9, an area that is not finite, or no count up to the
// largest int that covers it.
int Find_Count_And_Diameter_For_Area(double area, int n, int first, int last, double m, int* n_out, int* i_out);
// Area of n bars of diameter d, rounded to 6 decimals.
double Compute_Bars_Area(double n, double d);
// Area of n bundles of m bars of diameter d, at least 0; 0 for m < 0.
double Compute_Bundles_Area(double n, double m, double d);
// Bars at spacing s over the length, at least 2 (also for s <= 0).
double Count_Bars_For_Spacing(double length, double s);
// Spacings of a + b within the length less b and two edges; 0 when none fits or a + b <= 0.
double Count_Spacings(double length, double edge, double a, double b);
// Spacing of n bars over the length; 1e100 for n < 2.
double Compute_Line_Bar_Spacing(int n, double length);
// Chord between n bars on a circle of radius r; 1e100 for n < 1.
double Compute_Circle_Bar_Spacing(int n, double r);
// Bars at chord s on a circle of radius r; 0 for s or r <= 0, 1 for s > 2r (one bar, no chord).
double Count_Bars_On_Circle(double s, double r);
