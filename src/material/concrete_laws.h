// Parameters of the three stress-strain laws of concrete (parabola-rectangle, bilinear, non-linear)
// for every standard generation (Concrete_Modulus_Rule) and class, and the factor k of the
// non-linear law.
//
// Units as the concrete classes: N/mm², kg/m³, strains in per mille with compression negative. A
// concrete of a density below 2001 kg/m³ is lightweight, with η₁ = 0.40 + 0.60 · density / 2200.
// Classes of code 30 and above (own values) take the table row of their f_ck, or the stated default
// when f_ck lies beyond the table.
#pragma once

#include "material/concrete_classes.h"

// ε_c2 (result) and ε_cu2 of the parabola-rectangle law.
double Get_Parabola_Rectangle_Strains(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                      double density, double* eps_cu2_out);
// The exponent n of the parabola-rectangle law.
double Get_Parabola_Exponent(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck);
// ε_c3 (result) and ε_cu3 of the bilinear law.
double Get_Bilinear_Strains(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck, double density,
                            double* eps_cu3_out);
// ε_c1 (result) and ε_cu1 of the non-linear law.
double Get_Nonlinear_Law_Strains(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                 double density, double* eps_cu1_out);
// k = -ε_c1 · E' / (1000 · f_cm), at least the rule's bound (E' and the bound: 1.05 · E_cm under
// rule 4, E_cm / α_i under rule 1, E_cm otherwise); the bound itself for f_cm of 0 or less.
double Compute_Nonlinear_Law_K(Concrete_Modulus_Rule rule, double f_cm, double e_cm, double eps_c1);
