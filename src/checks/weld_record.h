// The welded connection (EN 1993-1-8 section 4): one weld with its geometry and filler metal, the
// two plates it joins, the loads in one of three forms, and the results of its verification; with
// the filler-metal table and the record operations (init, defaults, copy, compare, file block).
//
// Units of the stored values: lengths mm, forces N, moments N·m (not N·mm), forces per unit weld
// length N/m, stresses N/mm², angles in degrees.
#pragma once

#include <array>
#include <cstdio>
#include <string_view>

#include "checks/check_context.h"
#include "frame/plate.h"

// Kind of weld. Fillet and butt welds join plate 2 to plate 1; slot and plug welds hold plate 1.
enum Weld_Type : int { Weld_Fillet = 0, Weld_Slot = 1, Weld_Butt = 2, Weld_Plug = 3 };

// Welds on both sides of the connected plate, or on one side (left or right).
enum Weld_Side : int { Weld_Two_Sided = 0, Weld_One_Sided_Left = 1, Weld_One_Sided_Right = 2 };

// How the loads are given: section forces of the connected plate, forces per unit length on the
// throat plane (the resultant for the simplified method), or stresses on the throat.
enum Weld_Force_Mode : int { Weld_Section_Forces = 0, Weld_Line_Forces = 1, Weld_Stresses = 2 };

// Bits of the flag word.
enum Weld_Flags : int {
    Weld_Flag_No_Detailing = 4,    // throat, thickness and length rules are not applied
    Weld_Flag_Directional = 8,     // directional method; clear: simplified method
    Weld_Flag_Skip_Checks = 16,    // kept from older files; the verification does not follow it
    Weld_Flag_Eccentricity = 32,   // eccentricity moment of one-sided welds (always set)
    Weld_Flag_No_Marks = 64,       // verification lines without "ok" / "nicht ok !!"
};

struct Weld {
    int type;                   // Weld_Type
    double a;                   // throat thickness; thickness of a plug weld
    double e;                   // penetration depth of a fillet weld, 0 none
    double l_w;                 // weld length, 0 not given
    double theta;               // opening angle, 90 right angle; a butt weld below 0.1 is in line
    double d;                   // slot or hole diameter
    double l;                   // slot or hole length
    int full_penetration;       // butt weld "durchgeschweißt"
    int full_length;            // fillet weld over its full length: l_eff = l_w
    int high_strength_filler;   // filler metal of high-strength plates
    int filler_index;           // row of Filler_Metal_Table
    int own_strength;           // f_u_FM given by the user
    double f_u_FM;              // tensile strength of the filler metal
};

// Results of one verification run.
struct Weld_Results {
    double sigma_1_w_Ed;   // condition 1 of the directional method, N/mm²
    double sigma_2_w_Ed;   // condition 2, N/mm²
    double f_1w_d;         // N/mm²
    double f_2w_d;         // N/mm²
    double F_w_Ed;         // N/m
    double F_w_Rd;         // N/m
    double f_vw_d;         // N/mm²
    double A_w;            // mm², plug welds
    double a_erf;          // mm, welds with packing plates
};

struct Weld_Connection {
    Weld weld;
    int side;              // Weld_Side
    Plate plate1;          // plate welded to; the plate with the slot or hole
    Plate plate2;          // connected plate; t_2 is the lever arm of the eccentricity
    int packing;           // packing plate (fillet welds)
    double t_p;            // packing-plate thickness
    int flags;             // Weld_Flags
    int force_mode;        // Weld_Force_Mode
    double N_Ed;           // N
    double M_par_Ed;       // N·m, about an axis parallel to the weld
    double M_perp_Ed;      // N·m, about an axis perpendicular to the weld
    double V_par_Ed;       // N
    double V_perp_Ed;      // N
    double F_sigma_perp;   // N/m on the throat plane: F_Ed(σ⊥), F_Ed(τ⊥), F_Ed(τ∥)
    double F_tau_perp;
    double F_tau_par;
    double sigma_perp;   // N/mm² on the throat: σ⊥,Ed, τ⊥,Ed, τ∥,Ed
    double tau_perp;
    double tau_par;
    double F_w_Ed;       // N/m, resultant of the simplified method (given in mode 1)
    double sigma_w_Ed;   // N/mm², resultant stress of the simplified method (given in mode 2)
    int reserved_int;    // kept in the file, used by no computation
    double reserved_double;
    Check_Context context;   // `extra` stays 0
    double l_eff;            // effective weld length, set by the input check
    int check_error_flags;   // bit 0 error, bit 1 check error
    Weld_Results results;
    double U_max;   // largest utilisation; -1 not determinable
};

struct Filler_Metal {
    std::string_view name;
    double f_u;   // N/mm²
    double beta_w;
};

// Filler metals for high-strength steels (EN 1993-1-8 4.2(6)): designation, tensile strength
// f_u,FM and the correlation factor β_w of welds made with them.
inline constexpr std::array<Filler_Metal, 4> Filler_Metal_Table = {{
    {"G42", 500.0, 0.89},
    {"G46", 530.0, 0.85},
    {"G69", 770.0, 1.09},
    {"G89", 940.0, 1.19},
}};

// Block versions of the file: the connection block and the weld sub-block.
inline constexpr int Weld_Connection_Block_Version = 7;
inline constexpr int Weld_Block_Version = 3;

// Every field 0 except θ = 90. Result: the weld (null stays null).
Weld* Init_Weld(Weld* weld);
// Resets the target, then copies the source when one is given. Nothing for a null target.
void Copy_Weld(const Weld* source, Weld* target);
// 1 when both are given and equal (lengths, angle and strength within 0.01), else 0.
int Compare_Weld(const Weld* a, const Weld* b);
// The weld sub-block (version 3); the reader takes versions 0 to 3. Result: 0, or 1 on a null
// argument, a failed write, a newer version or a short read.
int Write_Weld(FILE* stream, const Weld* weld);
int Read_Weld(FILE* stream, Weld* weld);

// The name of a filler row; empty for another index.
const char* Get_Filler_Metal_Name(int index);
// The own value when own_strength is set or the index is outside the table, else the table value.
double Get_Filler_Metal_Strength(int own_strength, int index, double own_value);
// β_w of a filler metal: the table row's value, or for an own strength the row whose strength it
// does not exceed (above 770 N/mm² 1.19).
double Get_Filler_Metal_Beta_W(int own_strength, int index, double f_u_FM);

// Input fields, context and l_eff cleared, plates by Init_Plate, θ 90; the results stay.
void Init_Weld_Connection(Weld_Connection* connection);
// A new position's welded connection: the preset weld, welds on both sides, the directional method,
// section forces, plate 1 10 mm and plate 2 16 mm thick, no loads.
void Default_Weld_Connection(Weld_Connection* connection);
// Resets the target and copies the input fields; context, l_eff and results are not copied.
void Copy_Weld_Connection(const Weld_Connection* source, Weld_Connection* target);

// The connection block (version 7). The reader is handed a record just reset by
// Init_Weld_Connection and takes block versions 0 to 7. Result: 0, or 1 on failure; the fields read
// before a short read stay.
int Write_Weld_Connection(FILE* stream, const Weld_Connection* connection);
int Read_Weld_Connection(FILE* stream, Weld_Connection* connection);

// Shared by the weld checks.
inline bool Is_Slot_Or_Plug(int type) { return type == Weld_Slot || type == Weld_Plug; }
inline bool Is_Full_Penetration_Butt(const Weld& w) { return w.type == Weld_Butt && w.full_penetration; }
// The rules of the German National Annex (NA-DE) apply.
bool Is_Weld_NA_DE();
