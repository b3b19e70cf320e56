// Section properties of a closed polygon given by its corners: perimeter, area, centroid, first
// and second moments, product moment and an equivalent rectangle. All are the closed-polygon
// (Green's theorem) sums over the edges, with c_i = x_i y_j - x_j y_i for the edge from corner i
// to corner j = i + 1 (the last corner joins corner 0; the first corner is not repeated).
//
// Lengths in any unit L: areas L^2, first moments L^3, second and product moments L^4. The
// moments are taken about the coordinate axes through the origin and carry the polygon's
// orientation: counter-clockwise corners give positive values, clockwise corners the same values
// negated. Only the area is made positive. A count below 1 or a missing array gives 0 (the
// centroid NaN) and touches nothing.
#pragma once

struct Plane_Point {
    double x = 0;
    double y = 0;
};

double Compute_Polygon_Perimeter(int n, const double* x, const double* y);
double Compute_Polygon_Area(int n, const double* x, const double* y);
// Half the sum of c_i: positive for counter-clockwise corners.
double Compute_Signed_Polygon_Area(int n, const double* x, const double* y);

// Centroid: sum c_i (x_i + x_j) / (6 A) and sum c_i (y_i + y_j) / (6 A) with the signed area A.
// Both outputs are set to 0 first; no corners give NaN, a polygon of zero area non-finite values.
// Result 0.
int Compute_Polygon_Centroid(int n, const double* x, const double* y, double* cx, double* cy);
Plane_Point Get_Polygon_Centroid(int n, const double* x, const double* y);

// First moments: about the x axis sum c_i (y_i + y_j) / 6, about the y axis
// sum c_i (x_i + x_j) / 6.
double Compute_Static_Moment_X(int n, const double* x, const double* y);
double Compute_Static_Moment_Y(int n, const double* x, const double* y);

// Second moments Ix = integral of y^2, Iy = integral of x^2, and the product moment
// Ixy = integral of x y.
double Compute_Second_Moment_X(int n, const double* x, const double* y);
double Compute_Second_Moment_Y(int n, const double* x, const double* y);
double Compute_Product_Moment(int n, const double* x, const double* y);

// Equivalent rectangle: moves the caller's corners by minus the centroid (the polygon comes back
// centred on the origin), then angle = atan(2 Ixy / (Ix - Iy)) / 2 in radians (0 when Ix = Iy
// and Ixy = 0), the principal moments I1 = (Ix + Iy)/2 + (Ix - Iy) cos 2angle / 2 + Ixy sin 2angle
// and I2 = Ix + Iy - I1, side b = sqrt(sqrt(I1 / I2) A) and side a = A / b: the rectangle of
// area A with the ratio I1 / I2 of its moments. The axis of I1, along which side a lies, has the
// direction -angle. A polygon without corners or without area keeps its corners and gives NaN in
// all three outputs and the result 1; otherwise the result is 0.
int Compute_Equivalent_Rectangle(int n, double* x, double* y, double* side_a, double* side_b,
                                 double* angle);
