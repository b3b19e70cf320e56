// Loads of a weld on its effective throat area (EN 1993-1-8 4.5.3): the forces per unit length on
// the throat plane from the section forces of the connected plate (with the eccentricity moment of
// one-sided welds), the stresses σ⊥, τ⊥, τ∥ of the directional method and the resultant force of
// the simplified method. Each routine prints its formula lines with a stream at the detail level
// that asks for them; without a stream it computes the same.
//
// Forces per unit length are stored in N/m and printed in kN/m; moments are stored in N·m.
#pragma once

#include <cstdio>

#include "checks/weld_record.h"

// A butt weld whose angle is below this (degrees) is a butt joint in line.
inline constexpr double Butt_In_Line_Angle = 0.001;

// Effective thickness of a full-penetration butt weld: t_2, or the thinner plate of a joint in line.
double Butt_Weld_Effective_Thickness(const Weld_Connection& connection);

// V⊥ on the throat plane presses one weld and lifts the other, so that it adds to σ⊥ on one and to
// τ⊥ on the other. The line forces take the pair that this rating finds larger: with `directional`
// the larger utilisation of the directional method's two conditions (f_2_per_f_1 = f_2w,d/f_1w,d;
// 0 rates the equivalent stress alone), otherwise the resultant, which is alike for both pairs.
struct Weld_Sign_Rating {
    bool directional = false;
    double f_2_per_f_1 = 0.0;
};

// Mode 0: F_Ed(σ⊥), F_Ed(τ⊥), F_Ed(τ∥) from N_Ed, M_Ed and V_Ed over l_eff; of the two signs of V⊥
// the governing pair by the rating. Result: 0, or 1 when they cannot be determined (l_eff, a lever
// arm or, for the eccentricity moment, the throat is 0; forces 0).
int Compute_Weld_Line_Forces(Weld_Connection& connection, FILE* stream, int detail,
                             const Weld_Sign_Rating& rating = {});

// σ⊥,Ed, τ⊥,Ed, τ∥,Ed from the line forces (computed first in mode 0 with the rating). Result: 0,
// or 1 when they cannot be determined (stresses 0).
int Compute_Weld_Stresses(Weld_Connection& connection, FILE* stream, int detail, const Weld_Sign_Rating& rating = {});

// The resultant force per unit length of the simplified method into results.F_w_Ed, with F_w_Ed and
// σ_w,Ed of the input refreshed. Result: 0, or 1 when it cannot be determined (result 0).
int Compute_Weld_Resultant_Force(Weld_Connection& connection, FILE* stream, int detail);
