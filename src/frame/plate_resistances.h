// Resistances of a plate in shear, torsion and tension (EN 1993-1-1 6.2.3, 6.2.6, 6.2.7), each
// printing its formula lines when a report stream is given. Stresses in N/mm², lengths in mm.
#pragma once

#include <cstdio>

// a / (√3·b) and a / b.
double Shear_Stress_Ratio(double a, double b);
double Value_Ratio(double a, double b);

// V_Rd in N: the smaller of V_pl,Rd = t·h·f_y / (√3·γM0) (under Code_Edition 1 divided by 1.27
// as well) and, for a net height below h, V_u,Rd = t·h_net·f_u / (√3·γM2). A term whose γ is 0.01 or
// less is left out; 0 when none is left. With detail above 1 the areas are printed too; symbol names
// the height ('h' when 0).
double Plate_Shear_Resistance(double f_y, double f_u, double t, double h, double h_net, double gamma_M0,
                              double gamma_M2, FILE* stream, int detail, char symbol);
// M_Rd in Nmm = W_t·f_y / (√3·γM0) with W_t = t·h²/6, printed in kNm; 0 when γM0 or f_y/(√3·γM0) is
// 0.01 or less.
double Plate_Torsion_Resistance(double f_y, double t, double h, double gamma_M0, FILE* stream, int detail,
                                char symbol);
// N_t,Rd in N: the smaller of N_pl,Rd = b·t·f_y / γM0 and, for a net width between 0.01 and b - 0.01,
// N_net,Rd = b_net·t·f_y / γM0 (net_yield set) or N_u,Rd = k·b_net·t·f_u / γM2 (k = 0.9 under
// Code_Edition 0, the given k under 1). A term whose γ is 0.01 or less is left out; 0 when none is
// left.
double Plate_Tension_Resistance(double f_y, double f_u, double t, double b, double b_net, double k, int net_yield,
                                double gamma_M0, double gamma_M2, FILE* stream, int detail);
