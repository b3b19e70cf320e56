// EN 1992 block of a National Annex: the nationally determined parameters of concrete structures,
// EN 1992-1-1 (buildings), EN 1992-1-2 (fire) and EN 1992-2 (bridges). The connection checks read
// gamma_c of the persistent and transient situation, alpha_cc, alpha_ct, C_Rd,c and the v_min factor
// with its form code. Cover values are in cm. The text form stands in the annex file behind "#EC2".
//
// A form code says how a value is used: 1 the value is the parameter itself, 2 the value is the
// factor x of the clause's formula.
#pragma once

#include <cstdio>

struct NAD_EC2_Block {
    int variant;  // 0 recommended rules; nonzero the rules of the German annex
    int version;  // block version as last read
    char exposure_names[12][5];  // "---", "X0 ", "XC1" ... "XS3"; not stored in the file
    char surface_names[4][11];   // joint surfaces 6.2.5
    char situation_names[4][21]; // design situations of 2.4.2.4

    // EN 1992-1-1
    double c_min_dur[12];          // 4.4.1.2(5) minimum cover for durability per exposure class [cm]
    double delta_c_dur_gamma[12];  // 4.4.1.2(6) additive safety element [cm]
    double gamma_c[4];             // 2.4.2.4(1) persistent/transient, fatigue, earthquake, accidental
    double gamma_s[4];
    double gamma_c_sls;            // 2.4.2.4(2)
    double gamma_s_sls;
    double delta_c_dev;            // 4.4.1.3(1)P allowance for deviation [cm]
    double delta_c_dur_st;         // 4.4.1.2(7) stainless steel [cm]
    double delta_c_dur_add;        // 4.4.1.2(8) additional protection [cm]
    double alpha_cc;               // 3.1.6(1)P
    double alpha_ct;               // 3.1.6(2)P
    double alpha_cc_pl;            // 12.3.1(1) plain concrete
    double alpha_ct_pl;
    double alpha_lcc;              // 11.3.5 lightweight concrete
    double alpha_lct;
    double gamma_cE;               // 5.8.6(3)
    double As_min_beam;            // 9.2.1.1(1) x in A_s,min = x f_ctm/f_yk b_t d
    double As_min_column;          // 9.5.2(2) x in A_s,min = x N_Ed/f_yd
    double As_vmin_wall;           // 9.6.2(1) x in A_s,vmin = x A_c
    double beam_lower_bound;       // 9.2.1.1(1) A_s,min >= x b_t d
    double column_lower_bound;     // 9.5.2(2) A_s,min >= x A_c
    double k_redistribution[6];    // 5.5(4) k_1 ... k_6
    double reserved_factor;
    double C_Rd_c;                 // 6.2.2(1) C_Rd,c = x/gamma_c
    double v_min;                  // 6.2.2(1) x in v_min = x/gamma_c k^3/2 f_ck^1/2
    double k1_shear;               // 6.2.2(1)
    double nu;                     // 6.2.2(6)
    double nu_T;                   // 6.3.2(4)
    double C_lRd_c;                // 11.6.1(1)
    double v_l_min;
    double k_l1;
    double nu_l;                   // 11.6.1(2)
    double nu_l_T;
    double cot_theta_min;          // 6.2.3(2)
    double cot_theta_max;
    double nu_1;                   // 6.2.3(3)
    double nu_1l;                  // 11.6.2(1)
    double alpha_cw;               // 6.2.3(3)
    double k_flange;               // 6.2.4(6)
    double c_joint[4];             // 6.2.5(1) roughness per joint surface
    double mu_joint[4];            // friction per joint surface
    double nu_joint[4];            // strength reduction per joint surface
    double rho_w_min;              // 9.2.2(5)
    double cot_theta_f_tension;    // 6.2.4(4)
    double cot_theta_f_compression;
    double k_p;                    // 12.6.3(2)
    double k3_cracks;              // 7.3.4(3)
    double k4_cracks;
    double k1_fatigue;             // 6.8.7(1)
    double gamma_F_fat;            // 6.8.4(1)
    double K[5];                   // 7.4.2(2) single span, end span, interior span, flat slab, cantilever
    double k1_spacing;             // 8.2(2)
    double beta_1;                 // 9.2.1.2(1)
    double beta_2;                 // 9.2.1.4(1)
    double theta_0_denominator;    // 5.2 theta_0 = 1/x
    double gamma_M_fi;             // EN 1992-1-2 2.3(2); always 1.0 after reading
    double thermal_x;              // EN 1992-1-2 3.3.3(1)
    double k_fire_columns;         // EN 1992-1-2 6.4.2.1(3)
    double k_m_fire_beams;         // EN 1992-1-2 6.4.2.2(2)
    double lambda_lim;             // 5.8.3.1(1) lambda_lim = x/n^1/2

    // EN 1992-2
    double bridge_gamma_c[4];
    double bridge_gamma_s[4];
    double bridge_alpha_cc;        // 3.1.6(101)P
    double bridge_alpha_ct;        // 3.1.6(102)P
    double bridge_C_Rd_c;          // 6.2.2(101)
    double bridge_v_min;
    double bridge_k1;
    double bridge_cot_theta_min;   // 6.2.3(2)
    double bridge_cot_theta_max;
    double bridge_alpha_cw;        // 6.2.3(103)
    double bridge_nu_1;
    double bridge_k1_fatigue;      // 6.8.7(101)
    double k_stress[5];            // 7.2(102) k_1 and 7.2(3) k_2 ... k_5
    double bridge_As_min_column;   // 9.5.2(2)
    double bridge_column_lower_bound;
    double r_sup_pretensioned;     // 5.10.9(1)P
    double r_sup_post_tensioned;
    double r_inf_pretensioned;
    double r_inf_post_tensioned;

    // Form codes and choices
    int As_min_beam_form;
    int As_min_column_form;
    int As_vmin_wall_form;
    int k2_form;                   // k_2 of 5.5(4)
    int k4_form;                   // k_4 of 5.5(4)
    int v_min_form;
    int nu_form;                   // nu and nu_T
    int v_l_min_form;
    int nu_l_form;                 // nu_l and nu_l,T
    int nu_1_form;
    int nu_1l_form;
    int rho_w_min_form;
    int thermal_form;              // 1 upper or lower limit, 2 the formula with x
    int steel_class_fire;          // 0 class N, 1 class X
    int hsc_class_fire;            // class 1 ... 3 of Table 6.1N
    int lambda_lim_form;
    int bridge_As_min_column_form;
    int bridge_v_min_form;
    int bridge_nu_1_form;
    double reserved_value_1;
    double reserved_value_2;
    int reserved_choice;
};

void NAD_Set_EC2_Defaults(NAD_EC2_Block* block);
void NAD_Set_EC2_Variant(NAD_EC2_Block* block, int variant);

// Text form, block version 20 in 30 lines. Result: 0 written, 1 when a write failed; nothing for a
// null stream or block.
int NAD_Write_EC2(FILE* stream, const NAD_EC2_Block* block);

// Reads a block of any stored version from the current position over the built-in values and
// completes what older versions lack. Result: the number of invalid codes found (0 for a null
// stream or block); after a value group that did not convert, the count that conversion returned
// (less 1 for a single value).
int NAD_Read_EC2(FILE* stream, NAD_EC2_Block* block);

// Sets the fixed values and counts the codes outside their ranges; with fix nonzero each invalid
// code takes its fallback. Result: the count; 0 for a null block.
int NAD_Check_EC2(NAD_EC2_Block* block, int fix);

// 1 when the blocks differ, 0 when equal (doubles within 0.0001); blocks of version 0 or below count
// as equal; a null block makes them differ.
int NAD_Compare_EC2(const NAD_EC2_Block* a, const NAD_EC2_Block* b);
