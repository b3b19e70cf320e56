// The eccentric bolt group and the steel factor epsilon: the geometric properties of a group of
// fasteners, the distribution of an eccentric shear load over the group with its report lines,
// and epsilon = (235/f_y * E/210000)^0.5 with its formula.
//
// Fasteners stand at (y_i, z_i) in mm in two parallel arrays, optionally with weights f_vt,i (the
// share of each fastener; without them every fastener counts 1). Forces come in N and moments in
// Nmm; the report prints kN, kNm and cm². Without a report stream the routines compute the same
// and write nothing.
#pragma once

#include <cstdio>

// Results of the last load distribution: I_p' (mm²), the sums of y_i'² and z_i'² (mm²), A' (the
// number of fasteners or the sum of the weights), z_s and y_s (mm).
struct Bolt_Group_Result {
    double I_p = 0;
    double S_yy = 0;
    double S_zz = 0;
    double A = 0;
    double z_s = 0;
    double y_s = 0;
};
extern Bolt_Group_Result Last_Bolt_Group;

// A = sum of the weights (or n); centroid y_s, z_s divided only when A > 0.001; the reference
// point is the centroid (mode 0), the origin (mode 1) or (y_0, z_0); S_zz = sum f (z - z_r)²,
// S_yy = sum f (y - y_r)², I_p = S_yy + S_zz. Every output may be null; n < 1 gives zeros.
void Compute_Bolt_Group_Properties(int n, const double* y, const double* z, const double* f,
                                   double* y_s, double* z_s, double* A, double* S_zz,
                                   double* S_yy, double* I_p, int mode, double y_0, double z_0);

// The shear V_y, V_z and the moment M_x acting at (y_F, z_F) distributed over the group about its
// centroid: T_y,i = f_i (V_y'/A' - M_x'/I_p' z_i'), T_z,i = f_i (V_z'/A' + M_x'/I_p' y_i'). Result:
// the largest resultant T_i in N, 0 without loads, -1 when it cannot be determined (no
// fasteners or weights, or a moment on a group without polar inertia). point >= 0 asks for the
// fastener of that index (0-based): its T_y,i and T_z,i go to the outputs and its lines to the
// report; point < 0 reports the largest T_i, whose 1-based number goes to out. An asked point
// outside the group writes no point lines and leaves the outputs 0. type and detail are not read.
double Print_Eccentric_Bolt_Group(int n, const double* y, const double* z, const double* f,
                                  double V_y, double V_z, double M_x, double y_F, double z_F,
                                  int point, int type, double* T_y, double* T_z, int* out,
                                  FILE* stream, int detail);

// epsilon for f_y and E in N/mm² (E below 0.001 counts as 210000); 0 for f_y < 0.001. With a
// stream the formula is written into the open paragraph without a line feed.
double Compute_Epsilon(double f_y, double E, FILE* stream);
