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
