// EN 1999 block of a National Annex: the partial factors of aluminium structures. The partial safety
// factors of an aluminium plate take gamma_M0 and gamma_M1 from it. Its text form stands in the
// annex file behind the key "#EC9".
#pragma once

#include <cstdio>

struct NAD_EC9_Block {
    int variant;          // German annex rules when nonzero (copied from the annex file header)
    int version;          // form version of the values read
    double gamma_M0;      // 6.1.3(1) cross-sections
    double gamma_M1;      // 6.1.3(1) instability
    double gamma_M2;      // 6.1.3(1) tension fracture
    double gamma_Mp;      // 8.1.1(2) pin connections
    double gamma_Mw;      // welded connections
    double gamma_Ms_ser;  // slip resistance, serviceability
    double gamma_Ms_ult;  // slip resistance, ultimate limit state
    double gamma_Ma;      // adhesive bonded joints
    double gamma_Mp_ser;  // pins at serviceability
    double C;             // 6.2.1(5) constant, note 2
};

void NAD_Set_EC9_Defaults(NAD_EC9_Block* block);
void NAD_Set_EC9_Variant(NAD_EC9_Block* block, int variant);
// The German annex: variant 1 with the recommended factors.
void NAD_Set_EC9_German_Values(NAD_EC9_Block* block);

// Text form, always version 5 with gamma_M1 last. Result: the last output result (negative on a
// failed write); 0 and nothing written for a null stream or block.
int NAD_Write_EC9(FILE* stream, const NAD_EC9_Block* block);

// Reads a block of any stored version from behind its key line; fields not read keep their
// defaults. Result: 0 read completely, 1 otherwise.
int NAD_Read_EC9(FILE* stream, NAD_EC9_Block* block);

// 1 when both blocks exist, have the same variant and every factor (the constant C included) agrees
// within 0.0001; 0 otherwise. The version takes no part.
int NAD_Equal_EC9(const NAD_EC9_Block* a, const NAD_EC9_Block* b);

// Copies the variant and the factors, not the version; nothing for a null block.
void NAD_Copy_EC9(NAD_EC9_Block* target, const NAD_EC9_Block* source);
