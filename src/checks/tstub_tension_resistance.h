// The values of one resistance run of the T-stub in tension that its steps hand on: the lever arms,
// the plastic moments of flange, web plate and backing plate, and the bolt resistances (EN 1993-1-8,
// 6.2.4, Table 6.2). Units: N, mm, N·mm. Private to the T-stub in tension units.
#pragma once

#include <cstdio>

#include "checks/tstub_tension.h"

struct T_Stub_Run {
    T_Stub_Tension& T;
    FILE* stream;   // the report, or null
    int detail;     // Detail_Level
    double gamma_M0, gamma_M2;
    bool four;           // four bolts per row
    bool dissertation;   // four bolts per row after the dissertation model
    bool extension;      // the end-plate extension
    bool l_stub;
    int n_sr, n_b;
    double t_f, f_y;     // flange thickness and design yield strength
    double m, e_min;
    double n = 0.0, n_1 = 0.0, n_2 = 0.0, m_s = 0.0, n_s = 0.0;
    double M_pl_1 = 0.0, M_pl_2 = 0.0;   // flange, modes 1 and 2
    double M_st_1 = 0.0, M_st_2 = 0.0;   // web plate (IH2 connection of the dissertation model)
    double M_bp = 0.0;                   // backing plate
    double F_t_Rd = 0.0, sum_F_t_Rd = 0.0;
    double psi_F = 0.0, psi_S = 0.0, psi_Fi = 0.0, psi_Fa = 0.0;

    // The stream for formula lines from the given level on.
    FILE* at(int level) const { return detail >= level ? stream : nullptr; }
};

// F_T,Rd as the smallest of the three failure modes with prying forces, with its formula lines and
// the result line; sets l_eff_used and psi_F of the record.
double Compute_T_Stub_Prying_Modes(T_Stub_Run& R);

// The beam flange (dissertation model) and the web weld; both may lower F_T,Rd. Result: F_T,Rd.
double Apply_T_Stub_Flange_And_Weld(T_Stub_Run& R, double F_T_Rd);
