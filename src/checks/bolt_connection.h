// The bolted connection of a position: one kind of fastener (bolt, rivet, injection bolt, pin or
// anchor bolt in concrete) through two connected parts, with the shear and tension categories of
// EN 1993-1-8, the edge distances and spacings, the switches that choose the single verifications,
// the design forces and the results.
//
// Units as stored: forces in N, lengths in mm, areas in mm², stresses in N/mm². The report prints
// forces in kN (× 0.001) and areas in cm² (× 0.01).
//
// The operations fall into these units:
//   bolt_connection.cpp     record, initialisation, check preparation, copy and file block
//   bolt_input_check.cpp    input and detailing check (EN 1993-1-8 Table 3.3)
//   bolt_resistances.h      the single resistances that the verifications compare with the forces
#pragma once

#include <cstdio>

#include "checks/check_context.h"
#include "checks/fastener.h"
#include "frame/plate.h"

// Shear categories of EN 1993-1-8, 3.4.1 (`Shear_Category`).
enum Bolt_Shear_Category : int {
    Shear_Category_None = 0,
    Shear_Category_A = 1,   // bearing type
    Shear_Category_B = 2,   // slip-resistant at the serviceability limit state
    Shear_Category_C = 3,   // slip-resistant at the ultimate limit state
};

// Tension categories of EN 1993-1-8, 3.4.2 (`Tension_Category`).
enum Bolt_Tension_Category : int {
    Tension_Category_None = 0,
    Tension_Category_D = 4,   // not preloaded
    Tension_Category_E = 5,   // preloaded
};

// Bits of the option word. The page rebuilds the word from the first five; the others reach the
// record only from an input file.
enum Bolt_Option : int {
    Bolt_Option_Thread_In_Shear_Plane = 0x8,      // else the shank; set for tapped holes
    Bolt_Option_Single_Lap_One_Row = 0x10,        // single lap with one bolt row in force direction
    Bolt_Option_Symmetric_Group = 0x40,           // symmetric group under centric load (block tearing)
    Bolt_Option_Plate_2_Unverified = 0x800,       // plate (eye bar) 2 "ohne Nachweis"
    Bolt_Option_Plate_1_Unverified = 0x10000,     // plate (eye bar) 1 "ohne Nachweis"
    Bolt_Option_No_Pin_Shear = 0x1000,
    Bolt_Option_No_Pin_Bearing = 0x2000,
    Bolt_Option_No_Pin_Bending = 0x4000,
    Bolt_Option_Pin_As_Bolt = 0x8000,             // the pin follows the bolt rules
};

// Results of the last verification; all 0 when it starts. Forces in N, stresses in N/mm², the
// moments of the pin check in N·m. A resistance that needs no verification stays 0; one that cannot
// be determined is negative.
struct Bolt_Results {
    double F_v_Rd;           // shear resistance per shear plane
    double F_b_Rd_1;         // bearing resistance at plate 1
    double F_b_Rd_ser_1;     // pins: bearing at serviceability, eye bar 1
    double F_b_Rd_2;         // bearing resistance at plate 2
    double F_b_Rd_ser_2;     // pins: bearing at serviceability, eye bar 2
    double F_t_Rd;           // tension resistance
    double B_p_Rd;           // punching resistance
    double U_interaction;    // utilisation of shear and tension together
    double F_p_C;            // preload used by the slip checks
    double F_s_Rd;           // slip resistance, ultimate limit state
    double F_s_Rd_ser;       // slip resistance, serviceability limit state
    double N_net_Rd;         // net section (category C)
    double V_eff_Rd;         // block tearing
    double N_u_Rd;           // angle connected by one leg
    double F_b_Rd_resin;     // bearing of the resin of injection bolts
    double M_Rd;             // pins: bending resistance (N·m)
    double M_Rd_ser;         // pins: bending resistance at serviceability (N·m)
    double U_pin_combination;   // pins: shear and bending together
    double sigma_h_Ed_1;     // pins: contact stress and its limit, eye bar 1
    double f_h_Rd_1;
    double sigma_h_Ed_2;     // eye bar 2
    double f_h_Rd_2;
    double V_Rd_cp;          // anchors: pry-out
    double N_Rd_c;           // anchors: concrete cone
};

struct Bolt_Connection {
    Fastener fastener;
    Plate plate_1;              // plate 1; pins eye bar 1; anchor bolts the steel plate
    Plate plate_2;              // plate 2; pins eye bar 2; anchor bolts the concrete section, whose
                                // design f_y slot holds f_ck
    int packing;                // packing plate ("Futterblech"); anchors a grout layer ("Mörtelschicht")
    double t_p;                 // thickness of the packing plate or grout layer
    int Shear_Category;         // Bolt_Shear_Category
    int Tension_Category;       // Bolt_Tension_Category
    int options;                // Bolt_Option bits
    double e_11;                // end distance in force direction at plate 1; pins e_1
    double e_12;                // end distance in force direction at plate 2
    double e_21;                // edge distance transverse to the force at plate 1; pins e_2
    double e_22;                // edge distance transverse to the force at plate 2
    double p_1;                 // spacing in force direction; anchors in direction 1
    double p_2;                 // spacing transverse to the force; anchors in direction 2
    int spacing_off;            // 1: edge distances and spacings are not tested
    double A_net;               // net area along the critical fracture line (category C)
    int shear_planes;           // 1 single, 2 double shear
    int slip_class;             // row of Slip_Class_Table
    double delta_t;             // pins: clearance between the eye bars
    int pin_geometry;           // pins: 0 none, 1 "Möglichkeit A", 2 "Möglichkeit B"
    int punching_check;         // verify punching ("Durchstanzen")
    int shear_check;            // verify shear of the fastener ("Abscheren")
    int bearing_check;          // verify bearing ("Lochleibung")
    int bearing_deformation;    // limit the bearing deformation
    double alpha_M;             // fixity of the anchor bolt, 1 to 2
    int slip_check;             // verify slip ("Gleiten"), categories B and C
    int net_section_check;      // verify the net section, category C
    int tension_check;          // verify tension of the fastener ("Zugversagen")
    int block_tearing_check;    // verify block tearing of the bolt group
    double A_nt;                // block tearing: net area in tension
    double A_nv;                // net area in shear
    double A_gv;                // gross area in shear (Code_Edition 1)
    int angle_check;            // verify an angle connected by one leg
    int n;                      // bolts in the row of the angle; at least 1
    double A_net_L;             // net area of the angle
    double L_j;                 // length of a long joint; 0 when none
    // Design forces: F_v,Ed (pins F_Ed, the tension force in the eye bar), F_v,Ed,ser (pins F_Ed,ser),
    // ΣF_v,Ed (set against the net section), F_t,Ed, F_t,Ed,ser, V_eff,Ed (block tearing), N_Ed (angle).
    double F_v_Ed;
    double F_v_Ed_ser;
    double Sum_F_v_Ed;
    double F_t_Ed;
    double F_t_Ed_ser;
    double V_eff_Ed;
    double N_Ed;
    Check_Context context;
    int Check_Error_Flags;
    Bolt_Results results;
    double U_max;               // largest utilisation; -1 when it cannot be determined
};

// Every field of the table of defaults: a cleared fastener and plates, category A and D, one shear
// plane, the punching, shear, bearing, slip, net section and tension switches on, α_M 1.0, all else
// 0. Nothing for null.
void Init_Bolt_Connection(Bolt_Connection* connection);

// Puts the connection record's values into the check context (summary switch 1, spare word 0). The
// report driver calls it right before the verification with the connection record's uniform-steel
// and verification switches and its partial factors, which the record must outlive.
void Prepare_Bolt_Check(Bolt_Connection* connection, int uniform_steel, int verification,
                        const Safety_Factors* factors);

// Initialises the target, then copies the fastener, the plates and every input field of the source;
// context, error word, results and U_max stay cleared. Nothing for a null target.
void Copy_Bolt_Connection(const Bolt_Connection* source, Bolt_Connection* target);

// File block, version 7: the fastener, the two plates (for an anchor bolt the concrete's f_ck in its
// first band), a plate block that carries t_p, two lines of 27 values and a line of the later
// fields. The reader takes versions 0 to 6 and completes what they lack; version 0 halves t2 of a
// pin or double-shear connection, with a notice when show_notices is set and the batch road is not
// taken. Result: 0 written or read, 1 failed (a null argument, a failed write, a missing value or a
// newer block).
int Write_Bolt_Connection(FILE* file, const Bolt_Connection* connection);
int Read_Bolt_Connection(FILE* file, Bolt_Connection* connection, int show_notices);

// Validates the connection before it is verified and brings its input into a consistent form by
// fastener kind: categories, switches, bit 0x8, the slip class, α_M and the concrete section; runs
// the fastener's derivation and checks depths, plates and the edge distances and spacings of
// EN 1993-1-8 Table 3.3. Findings go to the report (stream) and, for errors, to message boxes
// (show_messages). Result: 1 when the input has an error, 0 otherwise (also for null and for a
// fastener kind above 4).
int Check_Bolt_Input(Bolt_Connection* connection, FILE* stream, int show_messages);

// Runs the single verifications of the connection in the fixed order of EN 1993-1-8 (a pin goes to
// the pin check), keeps U_max and the error bits and closes with the maximum utilisation and the
// verdict. The report driver calls it after Prepare_Bolt_Check. Result: the error bit (0 or 1).
int Verify_Bolt_Connection(Bolt_Connection* connection, FILE* stream, int detail);

// Input section of the connection: the fastener, the connected parts and the parameters of the
// verifications with the design forces; extra is the print setting for additional information.
void Print_Bolt_Input(const Bolt_Connection* connection, FILE* stream, int extra);
