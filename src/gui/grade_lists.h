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

// Material rows of a page, drawn into the page context's area: the grade label, its choice list
// 75 pixels right of it and, for a free or lightweight material, the rows that define it. A row
// moves a selection that rests on a separator up to the nearest material row.
int Add_Concrete_Grade_Row(int ignored, int x, int y, int ignored_too, const Grade_List* list, int* selected);
int Add_Rebar_Grade_Row(int ignored, int x, int y, int ignored_too, const Grade_List* list, int* selected);
int Add_Labelled_Concrete_Grade(int area, int x, int y, Concrete_Material* concrete, const Grade_List* list,
                                int* selected);
// x is the choice column. Returns h * 65536 + h with h the height added below the row: 23 per row
// of density or alpha_cc, 23 for the link, 183 for the free concrete's parameters.
int Add_Concrete_Grade_With_Parameters(int area, int x, int y, Concrete_Material* concrete, const Grade_List* list,
                                       int* selected);
// x is the label column; returns the height added below the row.
int Add_Rebar_Grade_With_Parameters(int area, int x, int y, Rebar_Material* rebar, const Grade_List* list,
                                    int* selected);
// The density in kg/m³, kept between 500 and 2200 after every edit inside a dialog; returns 79.
int Add_Density_Field(int x, int y, double* density, const int* enabled);

// The parameters of a free material with their stress-strain picture; x is the label column, the
// fields stand 75 pixels right of it. Return the heights 183 and 107.
int Draw_Concrete_Parameters(int area, int x, int y, Concrete_Material* concrete);
int Draw_Rebar_Parameters(int area, int x, int y, Rebar_Material* rebar);

// Dialogs that define a free material, opened on C25/30 and "BSt 500 (A)". 1 accepted with the
// edited record; 0 broken, the caller's record as it came.
int Edit_Free_Concrete(Concrete_Material* concrete);
int Edit_Free_Rebar(Rebar_Material* rebar);
