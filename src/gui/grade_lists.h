// Choice lists of concrete classes and reinforcing-steel grades, and the rows and dialogs that edit
// a freely defined material. Values are held in kN/m² and shown in MN/m²; strains in per mille.
#pragma once

#include "material/material_records.h"

// Row flags.
constexpr int Grade_Old_Concrete = 1;
constexpr int Grade_Lightweight = 2;
constexpr int Grade_Free_Concrete = 4;
constexpr int Grade_Old_Rebar = 0x10;
constexpr int Grade_Free_Rebar = 32;
constexpr int Grade_Separator = 0x1000;

struct Grade_List {
    int kind = 0;
    int options = 0;      // concrete lists: 1 when the options hold 8 (the alpha_cc row)
    int count = 0;
    int row_width = 0;    // 9 concrete, 13 reinforcing steel
    char* texts = nullptr;
    int* colours = nullptr;
    int* flags = nullptr;
    int* codes = nullptr;
};

Grade_List* Make_Concrete_Grade_List(int full, int options);
Grade_List* Make_Rebar_Grade_List(int kind);
int Find_Grade_Row(const Grade_List* list, int code, int mask);
void Get_Grade_Code(const Grade_List* list, int row, int* code, int* flags);
void Free_Grade_List(Grade_List* list);
void Set_Material_Link_Mode(int on);
