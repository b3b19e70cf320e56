// Input check of a welded connection: the detailing rules of EN 1993-1-8 section 4 (plate
// thickness, throat, effective length, slot and plug geometry, partial penetration) and the throat
// rules of the German National Annex. The check normalises the record for the force and resistance
// routines: θ, the penetration depth e, the filler strength of a table filler, the hole length of a
// plug weld, the forces that slot and plug welds cannot carry, and l_eff.
//
// Switches of the callers: stream S (null: compute only), messages M (message boxes), verbose V
// (also the rules that are met, marked "ok"). Lengths in mm.
#pragma once

#include <cstdio>

#include "checks/weld_record.h"

// Result: 0 accepted, 1 input error.
int Check_Weld_Input(Weld_Connection& connection, FILE* stream, int messages, int verbose);

// Angle, plate thickness, filler, throat and slot/plug-length rules of one weld; the text stands
// before each line and box. Result: 0, or 1 on an error (0 for a null weld).
int Check_Weld_Throat(Weld* weld, double t_1, double t_2, int side, int hollow_section, FILE* stream, int messages,
                      const char* text, int verbose);

// l_eff in mm; its line when a stream is given.
double Compute_Weld_Effective_Length(const Weld& weld, FILE* stream);

// 1 when a fillet weld is too short to carry load (l_eff below 30 mm or 6a); report lines only,
// marked as a warning, or as not ok when the weld is loaded.
int Check_Weld_Effective_Length(int type, int full_penetration, double a, double l_eff, FILE* stream, const char* text,
                                int verbose, int loaded = 0);

// The weld carries a force or stress in the form its loads are given.
bool Weld_Carries_Load(const Weld_Connection& connection);

// 1 when a loaded fillet weld is too short to carry load (EN 1993-1-8 4.5.1(2)): it is not
// verified. 0 with the detailing rules switched off.
int Is_Weld_Ineffective_Under_Load(const Weld_Connection& connection);

// The preset weld of a new position: fillet weld, a = 4 mm, l_w = 130 mm, θ = 90°, full length,
// filler G42.
void Default_Weld(Weld* weld);

// The smallest plate thickness for welding in the current code edition (hollow sections apart).
double Weld_Min_Plate_Thickness(int hollow_section);
