// EN 1993 block of a National Annex: the steel parameters of EN 1993-1-1 and 1-2 (record EC3_1) and
// of EN 1993-1-8, 1-5, 1-9 and 1-6 (record EC3_8), with the variant that switches the rules of the
// German annex ("NA-DE") on. The block's text form stands in the annex file behind the key "#EC3".
#pragma once

#include <cstdio>

// EN 1993-1-1 and EN 1993-1-2.
struct NAD_EC3_1_Record {
    int version;                // form version of the values read; 0 while a read is under way
    double gamma_M0;            // 6.1(1) resistance of cross-sections
    double gamma_M1;            // 6.1(1) resistance of members to instability
    double gamma_M2;            // 6.1(1) resistance of cross-sections in tension to fracture
    double gamma_M0_acc;        // the same three for the accidental design situation
    double gamma_M1_acc;
    double gamma_M2_acc;
    int apply_f_to_chi_LT;      // 6.3.2.2(2): 1 = modification factor f applied to chi_LT (general case)
    double gamma_M_fi;          // EN 1993-1-2 2.3(1), mechanical resistance in fire
    double lambda_LT0;          // 6.3.2.3(1), plateau slenderness of Eq. (6.57)
    double beta;                // 6.3.2.3(1), correction factor of Eq. (6.57)
    int f_given;                // 6.3.2.3(2): 1 = f is the fixed value below
    double f;
    int kc_from_table;          // 6.3.2.3(2): 1 = kc from Table 6.6 (when f is not given)
    double kc;                  // fixed kc (when neither switch is set)
    double e0_elastic[5];       // 5.3.2(3)b) denominators L/e0, buckling curves a0, a, b, c, d, elastic
    double e0_plastic[5];       // the same for plastic analysis
};

// EN 1993-1-8, 1-5, 1-9 and 1-6.
struct NAD_EC3_8_Record {
    int version;                // form version of the values read; 0 while a read is under way
    double gamma_M3;            // EN 1993-1-8 2.2(2): slip resistance, category C (ULS)
    double gamma_M4;            // injection bolts
    double gamma_M5;            // joints in hollow section lattice girders
    double gamma_M6_ser;        // pins at serviceability
    double gamma_M7;            // preload of high-strength bolts
    double gamma_M3_ser;        // slip resistance, category B (SLS)
    int shear_lag_note;         // EN 1993-1-5 3.1(1): number of the note that governs shear lag
    double eta;                 // EN 1993-1-5 5.1(2): factor for shear buckling
    double gamma_Mf[4];         // EN 1993-1-9 3(7): damage tolerant / safe life, low consequence;
                                // damage tolerant / safe life, high consequence
    double gamma_M_ser;         // EN 1993-6 7.5(1): serviceability
    double gamma_Mu;
};

struct NAD_EC3_Block {
    int variant;                // 0 recommended rules; nonzero: the rules of the German annex
    NAD_EC3_1_Record ec3_1;
    NAD_EC3_8_Record ec3_8;
};

// Built-in values (version 5); a null block or record is ignored.
void NAD_Set_EC3_Defaults(NAD_EC3_Block* block);
void NAD_Set_EC3_1_Defaults(NAD_EC3_1_Record* record);
void NAD_Set_EC3_8_Defaults(NAD_EC3_8_Record* record);

// The values of the German annex (variant 1).
void NAD_Set_EC3_German_Values(NAD_EC3_Block* block);
void NAD_Set_EC3_1_German_Values(NAD_EC3_1_Record* record);
void NAD_Set_EC3_8_German_Values(NAD_EC3_8_Record* record);

void NAD_Set_EC3_Variant(NAD_EC3_Block* block, int variant);

// Text form, always the newest version (5); the variant is not part of it. Result: 0 written,
// 1 when a write failed; nothing is written for a null stream, block or record.
int NAD_Write_EC3(FILE* stream, const NAD_EC3_Block* block);
int NAD_Write_EC3_1(FILE* stream, const NAD_EC3_1_Record* record);
int NAD_Write_EC3_8(FILE* stream, const NAD_EC3_8_Record* record);

// Reads the block from the current position: current_form 1 the form of the annex files, 0 the old
// forms (old annex file, local records of old input files), which carry the variant. Fields not read
// keep their defaults. Result: 0 when both records were read, 1 otherwise.
int NAD_Read_EC3(FILE* stream, NAD_EC3_Block* block, int current_form);
// Read one record of any stored version; result 0 read, 1 when a required value did not convert.
int NAD_Read_EC3_1(FILE* stream, NAD_EC3_1_Record* record);
int NAD_Read_EC3_8(FILE* stream, NAD_EC3_8_Record* record);

// 1 when the blocks (records) differ, 0 when equal; doubles agree within 0.0001.
int NAD_Compare_EC3(const NAD_EC3_Block* a, const NAD_EC3_Block* b);
int NAD_Compare_EC3_1(const NAD_EC3_1_Record* a, const NAD_EC3_1_Record* b);
int NAD_Compare_EC3_8(const NAD_EC3_8_Record* a, const NAD_EC3_8_Record* b);

// Copy the values but not the version (records) or the variant (block); null arguments do nothing.
void NAD_Copy_EC3(NAD_EC3_Block* target, const NAD_EC3_Block* source);
void NAD_Copy_EC3_1(NAD_EC3_1_Record* target, const NAD_EC3_1_Record* source);
void NAD_Copy_EC3_8(NAD_EC3_8_Record* target, const NAD_EC3_8_Record* source);
