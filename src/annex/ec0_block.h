// EN 1990 block of a National Annex: partial factors on actions and combination factors psi for
// buildings (Annex A1) and bridges (Annex A2). It is carried with every annex file behind the key
// "#EC0"; no check of this program computes with it.
#pragma once

#include <cstdio>

// Design situations of the partial-factor tables, in file order.
inline constexpr int NAD_EC0_Situations = 4;  // persistent/transient, accidental, earthquake, serviceability
inline constexpr int NAD_EC0_Building_Actions = 7;
inline constexpr int NAD_EC0_Building_Categories = 12;
inline constexpr int NAD_EC0_Bridge_Actions = 15;
inline constexpr int NAD_EC0_Road_Rows = 14;
inline constexpr int NAD_EC0_Foot_Rows = 7;
inline constexpr int NAD_EC0_Rail_Rows = 31;

struct NAD_EC0_Block {
    int version;  // block version as read; 0 built in
    // gamma_F,sup and gamma_F,inf per situation and building action type.
    double building_gamma[NAD_EC0_Situations][NAD_EC0_Building_Actions][2];
    // psi_0, psi_1, psi_2 and psi_2 of the earthquake situation per category of imposed load.
    double building_psi[NAD_EC0_Building_Categories][4];
    double bridge_gamma[NAD_EC0_Situations][NAD_EC0_Bridge_Actions][2];
    double road_psi[NAD_EC0_Road_Rows][3];  // psi_0, psi_1, psi_2
    double foot_psi[NAD_EC0_Foot_Rows][3];
    double rail_psi[NAD_EC0_Rail_Rows][3];
    double rail_a[3];  // factor a of the railway load models for 1, 2 and 3 or more loaded tracks
};

// Zeroes the block and sets the built-in values; a null block is ignored.
void NAD_Set_EC0_Defaults(NAD_EC0_Block* block);

// Text form (block version 5), every value with two decimals. Result: 0 written, 1 when a write
// failed; nothing for a null stream or block.
int NAD_Write_EC0(FILE* stream, const NAD_EC0_Block* block);

// Reads over the values the block holds. Mode 1: the block of an annex file from behind its key
// line; mode 0: the " Lastfaktoren" part of an old annex section. Result: 0 read, 1 when the part
// was missing or its version did not convert.
int NAD_Read_EC0(FILE* stream, NAD_EC0_Block* block, int mode);

// 1 when any value differs by more than 0.0001 (the block version takes no part) or a block is null;
// 0 otherwise.
int NAD_Compare_EC0(const NAD_EC0_Block* a, const NAD_EC0_Block* b);

// Copies every value but the block version; nothing for a null block.
void NAD_Copy_EC0(NAD_EC0_Block* target, const NAD_EC0_Block* source);
