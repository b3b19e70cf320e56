// EN 1996 block of a National Annex: the partial factors of masonry. It is carried with every annex
// file behind the key "#EC6"; no check of this program reads it.
#pragma once

#include <cstdio>

struct NAD_EC6_Block {
    int variant;                  // German annex rules when nonzero (copied from the annex file header)
    double gamma_M_persistent;    // 2.4.3 ultimate limit state, persistent and transient situation
    double gamma_M_accidental;    // 2.4.3 accidental situation
    double gamma_M_earthquake;    // 2.4.3 seismic situation
    double gamma_M_serviceability;  // 2.4.4
};

void NAD_Set_EC6_Defaults(NAD_EC6_Block* block);
void NAD_Set_EC6_Variant(NAD_EC6_Block* block, int variant);
// The German annex: variant 1, gamma_M 1.5 persistent, 1.3 accidental, 1.2 earthquake, 1.0 serviceability.
void NAD_Set_EC6_German_Values(NAD_EC6_Block* block);

// Text form (block version 1). Result: the last output result; 0 and nothing written for a null
// stream or block.
int NAD_Write_EC6(FILE* stream, const NAD_EC6_Block* block);

// Reads the block from behind its key line. The variant and the factors start from 0; a stored
// version of 0 or below leaves them so. Result: 0 read completely, 1 otherwise.
int NAD_Read_EC6(FILE* stream, NAD_EC6_Block* block);

// 1 when both blocks exist, have the same variant and the four factors agree within 0.0001; 0
// otherwise.
int NAD_Equal_EC6(const NAD_EC6_Block* a, const NAD_EC6_Block* b);

// Copies the variant and the four factors; nothing for a null block.
void NAD_Copy_EC6(NAD_EC6_Block* target, const NAD_EC6_Block* source);
