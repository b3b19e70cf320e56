// The equivalent T-stub in tension (EN 1993-1-8, 6.2.4 and 6.2.6): a bolted flange (a column flange,
// an end plate between the beam flanges, or the end-plate extension) loaded in tension through rows
// of two or four bolts. The record with its initialisation, copy and check preparation, its
// input-file block, and the effective lengths Σl_eff,1 (mode 1) and Σl_eff,2 (mode 2) of the flange
// with the bolt distances they rest on.
//
// Units as stored: forces in N, lengths in mm, stresses in N/mm²; the report prints kN.
//
// The operations fall into these units:
//   tstub_tension_record.cpp   record, defaults, copy, preparation, file block
//   tstub_edge_distances.cpp   normalisation of the row description and the bolt-distance check
//   tstub_lengths.cpp          Σl_eff,1 and Σl_eff,2 of a row or a group, e_min and m
//   tstub_row_lengths.cpp, tstub_four_bolt_lengths.cpp, tstub_alpha.cpp: the row patterns
//                              (checks/tstub_row_lengths.h)
//   tstub_tension_input.cpp    input check and normalisation
//   tstub_tension_protocol.cpp input protocol and the note on rows of four bolts
//   tstub_tension_verify.cpp   check flow, bolts, prying, verification and verdict
//   tstub_tension_modes.cpp    failure modes with prying forces (checks/tstub_tension_resistance.h)
//   tstub_tension_weld.cpp     beam flange and web weld
#pragma once

#include <array>
#include <cstdio>

#include "checks/check_context.h"
#include "checks/fastener.h"
#include "frame/plate.h"

// Design model of a row with four bolts (two on each side of the web); EN 1993-1-8 covers two.
enum Four_Bolt_Method : int {
    Four_Bolt_Research_Report = 0,   // final report of a research project
    Four_Bolt_Dissertation = 1,
    Four_Bolt_Handbook = 2,          // design handbook; the default
};

// Where the T-stub lies.
enum T_Stub_Location : int {
    T_Stub_Column_Flange = 0,
    T_Stub_End_Plate = 1,   // end plate between the beam flanges
    T_Stub_Extension = 2,   // end-plate extension beyond the beam tension flange
};

// Rule of the bolt-distance check.
enum T_Stub_Edge_Check_Mode : int {
    Edge_Check_Off = 0,
    Edge_Check_Enforced = 1,   // a distance below its limit makes the input invalid
    Edge_Check_Reported = 2,   // the distances are reported, the check passes
};

// The record holds the design forces of this many bolt rows.
inline constexpr int T_Stub_Max_Rows = 20;

struct T_Stub_Tension {
    int bolts_per_row;           // n_sr: 2 or 4 (the edge check turns every other value into 2)
    int row_count;               // n_b, 1 to 20
    int single_row;              // 1: the bolt row is considered individually, 0: as part of a group
    int inner_row;               // 1: inner bolt row, 0: outer (end) row
    int row_next_to_stiffener;   // next to a stiffener (column flange) or the beam tension flange (end plate)
    int row_at_free_edge;        // the row lies at the free tension edge
    int extension_stiffener;     // additional stiffener in the end-plate extension
    double e;                    // bolt axis to the flange edge (to the side edge of the end plate)
    double p;                    // spacing of the bolt rows
    double m;                    // bolt axis to the web, as entered; the check uses m_check
    double m_2;                  // bolt axis to the next stiffener or to the beam flange
    double e_1;                  // end row to the free end; 0: no free end
    double m_1;                  // bolt axis to the beam tension flange (end-plate extension)
    double w_extension;          // bolt spacing in the extension; at most 0.1: b_p − 2e
    double b_p;                  // flange length for the extension and the four-bolt models (derived)
    double w;                    // spacing of the bolt axes; four bolts: outer to inner bolt
    double b_st;                 // stiffener width b_st (derived)
    double a_st;                 // throat of the weld at the beam tension flange (web)
    int four_bolt_method;        // Four_Bolt_Method
    int lengths_given;           // the effective lengths are given instead of computed
    int edge_check_mode;         // T_Stub_Edge_Check_Mode
    double sum_l_eff_1;          // Σl_eff,1 (mode 1), given or computed; −1 while not determined
    double sum_l_eff_2;          // Σl_eff,2 (mode 2)
    Plate flange;                // the T-stub flange: t_f, length l_f
    Plate web;                   // the T-stub web, tension stiffener or beam tension flange: t_st, b_st
    int backing_plate;           // a backing plate is present
    double t_bp;                 // backing-plate thickness
    Fastener fastener;
    int location;                // T_Stub_Location
    int procedure;               // 0 standard, 1 alternative procedure of EN 1993-1-8 Table 6.2
    double t_2;                  // thickness of the connected plate; at most 0.1: not given
    double t_w;                  // web thickness: beam web at the end plate, column web at the column flange
    int ih2_connection;          // four bolts per row: 1 "IH2" (without extension), 0 "IH4"
    int skip_weld_check;         // 1: the weld of the T-stub web is not verified
    int l_stub;                  // computed as an L-stub (reduced T-stub)
    int one_bolt_in_extension;   // verified for one bolt in the extension only
    std::array<double, T_Stub_Max_Rows> F_t_Ed;   // design tension per bolt, rows 1 to 20
    Check_Context check_context;
    double e_min;                // smallest edge distance of the check
    double m_check;              // distance m of the check
    int k2_full;                 // run field, always 0: fracture switch of the bolt tension resistance
    int fillet_by_shear;         // run field, always 1: fillet welds of the web verified with f_vw,d
    double weld_argument;        // run field, always 0: no filler-metal strength f_u,FM given
    int Check_Error_Flags;       // bit 0: faulty input, missing data or a utilisation of 1.001 or more
    double F_T_Rd;               // governing resistance F_T,Rd
    double l_eff_used;           // effective length behind F_T,Rd
    double psi_F;                // weighting factor ψ_F of the dissertation method
    double result_spare;
    double U_max;                // largest utilisation; −1 when the resistance cannot be determined
};

// Every field 0 except row_count 1, four_bolt_method 2, edge_check_mode 1 and fillet_by_shear 1;
// plates and fastener by their own init. The results (Check_Error_Flags to U_max) are not touched.
// Nothing for null.
void Init_T_Stub_Tension(T_Stub_Tension* tstub);
// The same settings for the fields bolts_per_row to sum_l_eff_2 only.
void Init_T_Stub_Tension_Parameters(T_Stub_Tension* tstub);
// The record of a new position: a single outer row considered individually, e 50, e_1 60, m 30,
// m_1 25, flange 20 × 140 mm and the default fastener.
void Default_T_Stub_Tension(T_Stub_Tension* tstub);
// Initialises the target, then copies every field from bolts_per_row to weld_argument; the results
// are not copied. Nothing for a null target; a null source leaves the target initialised.
void Copy_T_Stub_Tension(const T_Stub_Tension* source, T_Stub_Tension* target);

// Puts the connection record's values into the check context (summary switch 1) and resets the run
// fields: k2_full 0, fillet_by_shear 1, weld_argument 0. The report driver calls it with the
// connection record's uniform-steel and verification switches and its partial factors, which the
// record must outlive.
void Prepare_T_Stub_Tension_Check(T_Stub_Tension* tstub, int uniform_steel, int verification,
                                  const Safety_Factors* factors);

// An L-stub (half a T-stub) when l_stub is set at the end-plate extension or with given lengths.
bool Is_L_Stub(const T_Stub_Tension& tstub);

// File block, version 8 with inner version 6. The reader takes every older version, refuses a newer
// one and a row count above 20, reads a row count below 1 as 1, and afterwards sets skip_weld_check
// to 0 (the stored switch is ignored), edge_check_mode to 1 and, under Code_Edition 1, one_bolt_in_extension to 0. Result: 0
// written or read, 1 failed (also for a null stream or record).
int Write_T_Stub_Tension(FILE* stream, const T_Stub_Tension* tstub);
int Read_T_Stub_Tension(FILE* stream, T_Stub_Tension* tstub);

// Normalises the row description of the record for the location (bolts per row 2 or 4, always 2 on
// the column flange; the extension is one individual end row next to the beam flange; on the end
// plate an end row is never next to the flange and an inner row never at the free edge) and checks
// the four-bolt admissions, given lengths above 0 and the bolt distances against the washer
// diameter d_p under the record's edge_check_mode. Report lines with a stream, message boxes with
// show_messages. Result: 0 valid, 1 invalid.
int Check_T_Stub_Edge_Distances(T_Stub_Tension* tstub, int location, double d_p, FILE* stream, int show_messages);

// Σl_eff,1 and Σl_eff,2 of a single row or a group of rows into the record, with the formula lines
// at the detail level when a stream is given. Given lengths are left alone; a failed edge check
// leaves both at −1. With circular_only Σl_eff,1 of a single row is its circular length.
void Compute_T_Stub_Effective_Lengths(T_Stub_Tension* tstub, int location, double d_p, FILE* stream, int detail,
                                      int circular_only);

// The location whose distances e_min and m the resistance takes: the record's location, except for an
// extension with an additional stiffener under Code_Edition 1, whose lengths rest on α(m, e, m₁)
// of the T-stub on the rib: there e and m as between the flanges (location 1).
int T_Stub_Distance_Location(const T_Stub_Tension& tstub);

// e_min: e₁ at the extension; otherwise e, reduced by (b − c)/2 when 0.001 ≤ c < b (a narrower
// flange part c of a plate of width b).
double Compute_T_Stub_Min_Edge_Distance(int location, double b, double c, double e, double e_1, FILE* stream,
                                        int detail);
// m: m₁ at the extension; a given m of at least 0.001 mm; otherwise 0.5·(b_f − t_w) − w_s − e.
double Compute_T_Stub_Web_Distance(int location, double b_f, double t_w, double w_s, double e, double m_1, double m,
                                   FILE* stream, int detail);

// Normalises the record for the check (a plain bolt in a normal hole, the location for given lengths,
// the procedure of a four-bolt model, b_st and b_p, the row description of the edge check) and tests
// the flange, the web plate, the bolt distances and the fastener. Every failed rule is reported: a
// report line with a stream, a message box with show_messages; in_verification 1 (the resistance
// check) sets the "Äquivalenter T-Stummel (Zug)" prefixes, 0 closes a failed check with the input
// error line. Result: 0 usable (also for null), 1 not.
int Check_T_Stub_Tension_Input(T_Stub_Tension* tstub, FILE* stream, int show_messages, int in_verification);

// Design tension resistance F_T,Rd of the T-stub with prying, failure modes and web weld, the
// verification against the bolt tension and the closing verdict; the report driver has prepared the
// check and set b_p, e_min and m_check. reserved is 0 for every caller. Result: the error bit.
int Verify_T_Stub_Tension(T_Stub_Tension* tstub, FILE* stream, int detail, int reserved);

// Input protocol of the T-stub in tension; extra is the print setting for additional information.
void Print_T_Stub_Tension_Input(const T_Stub_Tension* tstub, FILE* stream, int extra);

// Note on the model of a row of four bolts: case 1 for IH2, 0 for IH4, -1 for none.
void Print_Four_Bolt_Row_Note(int method, int row_case, FILE* stream, int detail);
