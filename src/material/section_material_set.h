// The materials of one reinforced-concrete cross-section: switches that select the standard, the
// partial safety factors, the stress-strain law of an analysis, the concrete and reinforcing-steel
// records and a private copy of the EN 1992 annex block.
//
// Units: stresses in N/mm², densities in kg/m³, strains in per mille (compression negative).
#pragma once

struct NAD_EC2_Block;

struct Section_Concrete {
    int cls;             // Concrete_Class; negative: none
    int lightweight;
    double f_ck;
    double free_value_1; // not written by the library
    double eps_peak;     // strains of the law in use (initially ε_c2 and ε_cu2)
    double eps_ult;
    double n;
    double e_cm;
    double density;
    double f_ctm;
    double f_cm;
    double shrink_out;   // written by the switch to non-linear values
    double free_value_2;
    double phi;          // creep coefficient
    double eps_free;     // free shrinkage strain
    char name[24];
    double f_cd;
    double eta_1;
    double f_ctk;        // 0.7 f_ctm
    double alpha_cc;
    int law_used;
};

struct Section_Rebar {
    int grade;           // Rebar_Grade
    double f_y;
    double f_yk;
    double f_tk;
    double cleared_value;
    double eps_su;
    double eps_s;        // steel strain at the ultimate state
    char name[24];
    double f_yd;
    double f_td;
    double e_s;
};

struct Section_Material_Set {
    int code_switch;     // 0 DIN 1045 (1988); nonzero the newer standards
    int din_2008;
    int austrian;
    int en_1;            // EN 1992 with the factors of the set's annex block
    int en_2;            // EN 1992, second variant (own α_cc, lower ratio limits)
    int steel_class;
    double gamma_c, gamma_s;
    int law;             // 0 parabola-rectangle, 1 non-linear, 2 and 3 bilinear, 4 none
    double law_value;
    int n_concrete, n_steel;
    Section_Concrete* concrete;
    Section_Rebar* steel;
    NAD_EC2_Block* ec2_block;
    int common_factor;
    double xi;           // x/d at the ultimate state; 0: from the yield strain
};

#include <cstdio>

// Concrete_Modulus_Rule of a set: 0 under DIN 1045 (1988), 4 under EN 1992, 3 under the Austrian
// rules, 1 under DIN 1045-1.
int Get_Material_Set_Rule(const Section_Material_Set* set);

// 0 on success; 1 for a null set or when memory runs out, the set then holding nothing (counts 0).
// The block is filled with the recommended EN 1992 values and every value is reset.
int Create_Material_Set(Section_Material_Set* set, int n_concrete, int n_steel);
void Free_Material_Set(Section_Material_Set* set);
void Init_Material_Set(Section_Material_Set* set);    // a set never used: clears without freeing
void Reset_Material_Set(Section_Material_Set* set);   // zero values, counts and arrays kept
void Copy_Material_Set(const Section_Material_Set* source, Section_Material_Set* target);
void Copy_Rebar_Values(const Section_Rebar* source, Section_Rebar* target);

int Normalize_Material_Set(Section_Material_Set* set);
// 0, or 1 when a steel strain at the ultimate state had to be cut to the rupture strain.
int Compute_Material_Set(Section_Material_Set* set, int refresh_annex);

// which 0: the first concrete record takes f_ck = a, alpha_cc = b / a, the strains x1 and x2,
// n = x3, E_cm = x4, f_ctm = x5; which 1: steel record `index` takes f_y = f_yk = a, f_tk = b,
// eps_su = x2, E_s = x3. Anything else, or a record that does not exist, changes nothing.
void Set_Material_Set_Values(Section_Material_Set* set, int which, int index, double a, double b, double x1,
                             double x2, double x3, double x4, double x5);

// Switches the first concrete record and all steel records to the design values of the set's law
// (one process-wide save area); 1, or 0 when the save area cannot be had. End restores the values
// saved for this set and recomputes it: 1, or 0 when nothing of this set is saved.
int Begin_Nonlinear_Values(Section_Material_Set* set, double factor_c, double factor_s, int mode);
int End_Nonlinear_Values(Section_Material_Set* set);

// The exponent column: "  --- " for n < 0, " Block" from 100 on, else n in 6 characters with 2
// decimals. A buffer of the library, overwritten by the next call.
const char* Format_Exponent_Text(double n);

// The concrete and steel tables of the report with their legends and the notes of grades 5 and 6.
void Write_Material_Tables(FILE* stream, const Section_Material_Set* set, int extra_grade, int two_rows,
                           int nonlinear, int legend, double margin, int margin_chars);
