// The single resistances of a bolted connection that its verification, the pin check and the
// T-stub in tension compare with the design forces (EN 1993-1-8 section 3, EN 1992-4 for anchor
// bolts in concrete).
//
// Common form: an operation on the connection reads the record's fastener, plates, distances and
// the partial factors of its Check_Context, stores its resistance in the record's results (N) and
// returns 1 when that is below -0.001, else 0. A resistance of 0 means that no verification is made.
// A partial factor below 0.001 makes the resistance that divides by it not determinable: it is
// stored as -1 and the operation returns 1.
//
// Report lines: with a stream each operation prints its formula lines by the Detail_Level ("level"):
// nothing at level 0 unless an operation says so, the main formula at level 1, every intermediate
// value at level 2. A separator after a label is "" at level 1 and ": " at level 2. Forces print in
// kN with two decimals, areas in cm². At level 0 some operations leave "symbol = value kN" on the
// current line without ending it, for the verification line that follows.
//
// Units: forces N, lengths mm, areas mm², stresses N/mm².
//
//   bolt_shear_bearing.cpp   shear and bearing, long joints
//   bolt_tension.cpp         tension, bond and pull-out of anchors, elongation length, punching,
//                            thread engagement in tapped holes
//   bolt_slip.cpp            slip-surface classes and slip resistance
//   bolt_anchor.cpp          concrete cone and bonded anchors in concrete
//   bolt_block_tearing.cpp   block tearing, angles connected by one leg, fastener groups
#pragma once

#include <array>
#include <cstdio>

#include "checks/bolt_connection.h"

// ---------------------------------------------------------------------------------------------
// Shear and bearing (EN 1993-1-8 Tables 3.4 and 3.10)

// The M12/M14 rule of EN 1993-1-8 3.6.1(5): classes 4.8, 5.8, 6.8, 8.8 and 10.9 in holes with 2 mm
// clearance take 0.85 of the shear resistance. Result 1 and 0.85 through factor when the rule
// applies, else 0 and 1.0; nothing is written through null.
int Get_Shear_Reduction_Factor(const Fastener* fastener, double* factor);

// An M12 or M14 bolt in a hole with 2 mm clearance (the switch, or an own size of M12 or M14 with a
// clearance above 1 and up to 2 mm), whatever its class. 0 for null.
int Is_M12_Or_M14_In_2mm_Hole(const Fastener* fastener);

// F_v,Rd per shear plane, with the reductions for packing plates, the M12/M14 rule and long joints.
int Compute_Shear_Resistance(Bolt_Connection* connection, FILE* stream, int level);

// F_b,Rd at plate 1 or 2 (plate), by EN 1993-1-8 Table 3.4 under Code_Edition 0 and the revised rules
// under Code_Edition 1. Another plate number computes nothing and gives 0.
int Compute_Bearing_Resistance(Bolt_Connection* connection, FILE* stream, int level, int plate);

// Long joint, EN 1993-1-8 3.8: F reduced by β_Lf = 1 - (L_j - 15 d)/(200 d), at least 0.75, when
// p_1 > 0.1 and L_j > p_1 + 0.001. The symbol ("v" or "b") names the resistance in the line.
double Apply_Long_Joint_Reduction(const char* symbol, FILE* stream, int level, double p_1, double L_j, double d,
                                  double F);

// ---------------------------------------------------------------------------------------------
// Tension, elongation length, punching and tapped holes

// Tension resistance of one fastener in N: k_2 f_ub A_s / γ (rivets c f_ur A_0 / γ), for a
// preloaded slip-resistant bolt at most the design preload with γM7. γ = 1 gives the characteristic
// value F_t,Rk; fracture nonzero takes k_2 = 1.0. A γ below 0.001 gives -1 (not determinable).
// Prints "F_t,Rd = ..." as a continuation of the current line, without its end.
double Compute_Fastener_Tension_Resistance(const Fastener* fastener, int fracture, double gamma, double gamma_M7,
                                           FILE* stream, int level);

// F_t,Rd of the connection's fastener; anchor bolts limited by bond (threaded rods and ribbed bars,
// EN 1992-1-1 8.4.2) or by pull-out (anchor plates and headed studs, EN 1992-4). Injection bolts
// and pins: nothing stored, result 0.
int Compute_Tension_Resistance(Bolt_Connection* connection, FILE* stream, int level);

// Elongation length L_b of EN 1993-1-8 Table 6.2 in mm for the clamping length t_ges. Prints its line
// from level 1 on (as a continuation; level 2 with its label and the line end).
double Compute_Bolt_Elongation_Length(const Fastener* fastener, double t_ges, FILE* stream, int level);

// B_p,Rd of the plate under head or nut.
int Compute_Punching_Resistance(Bolt_Connection* connection, FILE* stream, int level);

// Minimum thread engagement of a bolt in the tapped plate. Result 1 when the bolt, the steel or the
// engagement depth is not admissible, else 0 (also for pins).
int Check_Tapped_Hole(const Plate* plate, const Bolt_Connection* connection, FILE* stream, int level);

// ---------------------------------------------------------------------------------------------
// Slip resistance (EN 1993-1-8 3.9)

struct Slip_Class_Row {
    const char* name;
    double mu;             // friction coefficient
    int edition_2025_only; // offered only under Code_Edition 1
};

inline constexpr int Slip_Class_Count = 5;
// Slip-surface classes by the connection's slip class; the fifth carries the name "C" again.
inline constexpr std::array<Slip_Class_Row, Slip_Class_Count> Slip_Class_Table = {{
    {"A", 0.5, 0},
    {"B", 0.4, 0},
    {"C", 0.3, 0},
    {"D", 0.2, 0},
    {"C", 0.35, 1},
}};

// Hole factor k_s by Hole_Type (EN 1993-1-8 Table 3.6).
inline constexpr std::array<double, 6> Slip_Hole_Factor_Table = {1.0, 0.85, 0.85, 0.76, 0.7, 0.63};

// Classes offered under the current Code_Edition (4 or 5).
int Get_Slip_Class_Count();
// Name and μ of a class; "" and 0 outside the table.
const char* Get_Slip_Class_Name(int slip_class);
double Get_Slip_Class_Friction(int slip_class);
// k_s of a hole type; 0 for a code outside the table.
double Get_Slip_Hole_Factor(int hole_type);

// F_s,Rd,ser (category B, γM3,ser) and F_s,Rd (category C, γM3), each with the combined case of
// shear and tension for bolts of a tension category. Both store the preload they used. Rivets:
// nothing stored, result 0. A fastener without the slip-resistant switch: the red error line,
// nothing stored, result 1.
int Compute_Slip_Resistance_SLS(Bolt_Connection* connection, FILE* stream, int level);
int Compute_Slip_Resistance_ULS(Bolt_Connection* connection, FILE* stream, int level);

// ---------------------------------------------------------------------------------------------
// Anchor bolts in concrete (EN 1992-4)

// Mode 0: the characteristic concrete cone resistance N_Rk,c of a single anchor, printed with a
// stream. Mode 1: the combined pull-out and concrete resistance N_Rk,p of a bonded anchor
// (anchorage 2), never printed; 0 for any other anchorage. Result in N; 0 for a fastener that is no
// anchor bolt.
double Compute_Concrete_Cone_Resistance(const Bolt_Connection* connection, int mode, FILE* stream, int level);

// Characteristic concrete shear strength in N/mm² of a member of thickness h from the EN 1992 block
// of the active annex: γ_c times the larger of C_Rd,c/γ_c k (100 ρ f_ck)^1/3 with ρ = 0 and v_min.
double Compute_Concrete_Shear_Strength(double h, double f_ck);

// ---------------------------------------------------------------------------------------------
// Block tearing, angles and fastener groups

// V_eff,Rd in N. Symmetric nonzero: a symmetric group under centric load. The areas are multiplied
// by t. -1 when a partial factor it needs lies below 0.001; 0 without the areas.
double Compute_Block_Tearing_Resistance(int symmetric, double t, double A_nt, double A_nv, double A_gv, double f_y,
                                        double f_u, double gamma_M0, double gamma_M2, FILE* stream, int level);

// N_u,Rd in N of an angle connected through one leg by a row of n bolts (EN 1993-1-8 Table 3.8;
// under Code_Edition 1 with block tearing when block is nonzero). -1 for γM2 below 0.001.
double Compute_Angle_Net_Section_Resistance(int n, double e_1, double p_1, double e_2, double d_0, double t,
                                            double A_net, double f_y, double f_u, double gamma_M2, int block,
                                            FILE* stream, int level);

// Report lines of the resistance of a group of n fasteners: in slip the sum of the slip resistances;
// in shear and tension with plastic or elastic distribution. Any array may be null; nothing is
// printed for n below 2 or without the arrays needed. Neither returns nor stores a sum.
void Print_Fastener_Group_Slip_Resistance(int n, const double* F_s_Rd, FILE* stream, int level);
void Print_Fastener_Group_Resistance(int n, double f_y, const double* F_b_Rd, const double* F_v_Rd,
                                     const double* F_t_Rd, int plastic, FILE* stream, int level);
