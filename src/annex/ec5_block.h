// EN 1995 block of a National Annex: the parameters of timber structures (parts 1-1 and 1-2) with
// the switches between the recommended rules and those of the German annex. It is carried with every
// annex file behind the key "#EC5"; no check of this program computes with it.
#pragma once

#include <cstdio>

struct NAD_EC5_Block {
    int variant;                  // 0 recommended rules, nonzero German annex
    int version;                  // block version as last read
    int na1_switch;               // 2.3.1.2(2)P: Table NA.1 assigns actions to load-duration classes
    int na11_switch;              // 8.3.1.2: NA.11 for penetration depths above 4 d
    double gamma_M_panels;        // Table 2.3: LVL, plywood, OSB
    double gamma_M_particle;      // particleboards
    double gamma_M_hard_fibre;    // hard fibreboards
    double gamma_M_medium_fibre;  // medium fibreboards
    double gamma_M_mdf;           // MDF fibreboards
    double gamma_M_soft_fibre;    // soft fibreboards
    double gamma_M_connections;   // connections
    double gamma_M_punched;       // punched metal plate fasteners
    double gamma_M_steel;         // steel in connections
    double gamma_M_plasterboard;  // plasterboard and the like
    int na4_switch;               // 3.1.3: Table NA.4, modification factors
    int na15_switch;              // 8.3.2: Table NA.15, f_ax and f_head of profiled nails
    int threaded_rod_switch;      // 8.5.3(2): threaded rods after the German annex
    int ltb_switch;               // 6.3.3(7): lateral-torsional buckling after the German annex
    int fastener_method_switch;   // 8.2.4(1): simplified method for fasteners
    int na1_index_b_switch;       // Table NA.1 index (b)
    int further_switch;           // stored with gamma_M of fire
    double gamma_M_solid;         // Table 2.3 solid timber, persistent and transient
    double gamma_M_glulam;        // glued laminated timber
    double gamma_M_accidental;    // accidental situation, all kinds
    double gamma_M_fire;          // fire, all kinds
    // k_mod per load-duration class (permanent, long, medium, short, instantaneous) and service
    // class 1, 2, 3.
    double k_mod[5][3];
    double k_def[3];              // service classes 1, 2, 3
    // Denominators x of l/x: w_inst normal, w_inst cantilever, w_fin normal, w_fin cantilever,
    // w_net,fin normal, w_net,fin cantilever.
    double deflection[6];
    int k_cr_form;                // 1: the two values below; 2: the list of the German annex
    int w_net_fin_combination;    // 1 characteristic, 2 quasi-permanent combination
    double k_cr_solid;            // 6.1.7(2) solid timber and glulam
    double k_cr_other;
    int na20_switch;              // 9.2.4.2: reduced capacity at horizontal joints and short panels
    int na21_switch;              // 9.2.4.2: sill pressure capacity raised by 20 %
    int na816_switch;             // 6.1: reduced tensile strength in symmetric tension connections
    int na7_switch;               // 8.6: bolt holes in steel parts 1 mm larger
    double k_shape_factor;        // 6.1.8: k_shape = 1 + x h/b
    double k_shape_max;
    double nci_633_factor;        // NCI 6.3.3(2): relative slenderness of glulam
    double gamma_M_clt;           // Table 2.3 cross-laminated timber
};

void NAD_Set_EC5_Defaults(NAD_EC5_Block* block);
void NAD_Set_EC5_Variant(NAD_EC5_Block* block, int variant);

// Text form (block version 17). Result: 0 written, 1 when a write failed (writing stops there);
// nothing for a null stream or block.
int NAD_Write_EC5(FILE* stream, const NAD_EC5_Block* block);

// Mode 1: the block of an annex file from behind its key line; mode 0: the part " EC5 Parameter"
// of an old annex section. Fields not read keep their defaults. Result: 0 read, 1 otherwise.
int NAD_Read_EC5(FILE* stream, NAD_EC5_Block* block, int mode);

// 1 when the blocks differ, 0 when equal; blocks count as equal unless both versions are above 9.
int NAD_Compare_EC5(const NAD_EC5_Block* a, const NAD_EC5_Block* b);

// Copies every field but the block version; nothing for a null block.
void NAD_Copy_EC5(NAD_EC5_Block* target, const NAD_EC5_Block* source);
