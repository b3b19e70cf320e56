// Plate steel grades and the plate material record.
//
// The catalogue holds 48 plate steel grades with their characteristic yield and tensile strengths
// by thickness band and the correlation factor β_w of fillet welds (EN 1993-1-8, Table 4.1). A
// Plate_Material is one of these grades, an aluminium alloy of the aluminium catalogue, or values
// that the user enters ("Vorgabe"); Check_Plate_Material derives from it the strengths for a plate's
// thickness. Stresses in N/mm², thicknesses in mm, α_T in 10^-5 per K.
#pragma once

#include <cstdio>

inline constexpr int Steel_Grade_Count = 48;
// The four groups of the grade table, each its first grade and its count: structural steels,
// stainless steels, high-strength steels, flat products.
inline constexpr int Structural_Steel_First = 0, Structural_Steel_Count = 26;
inline constexpr int Stainless_Steel_First = 26, Stainless_Steel_Count = 5;
inline constexpr int High_Strength_Steel_First = 31, High_Strength_Steel_Count = 4;
inline constexpr int Flat_Product_First = 35, Flat_Product_Count = 13;
inline constexpr int Plate_Designation_Size = 26;   // 25 characters and the terminator

// Kind of a plate material.
enum Material_Kind { Material_Steel = 0, Material_External = 1, Material_Aluminium = 2 };

// Characteristic strengths of one thickness band.
struct Strength_Band {
    double f_y;
    double f_u;
};

struct Plate_Material {
    int grade;                                  // steel grade row 0..47, or the aluminium grade code
    char designation[Plate_Designation_Size];   // own designation, always 25 characters
    int own_values;                             // 1: the bands, E and β_w are the user's
    // Bands t ≤ 40, 40 < t ≤ 80, t > 80 mm; for the flat products 35..47 t ≤ 8, 8 < t ≤ 20, t > 20 mm.
    Strength_Band band[3];
    double E;
    double beta_w;
    int buckling_class;     // aluminium: 1 class B, 0 class A; 0 for steel
    int reference_grade;    // the table grade that stands for own values (not stored)
    int kind;               // Material_Kind (not stored)
    double f_y;             // characteristic strengths for the plate's current thickness
    double f_u;
    double G;
    double nu;
    double alpha_T;
};

// Resets every field: grade 0, table values, kind steel, strengths 0, 25 blanks, steel elastic
// values. Result: 0 for a null record, else 1.
int Init_Plate_Material(Plate_Material* material);

// The reset record with grade S235 and its strengths. Result: the error flag of the derivation.
int Default_Plate_Material(Plate_Material* material);

// Derives band and thickness values for a plate of thickness t. With a stream each error writes a
// report line, with messages a message box; the name stands before each message. Result: 0, or 1
// when an error was found; the record is never refused.
int Check_Plate_Material(Plate_Material* material, double t, FILE* stream, int messages, const char* name);

// The thickness band (1, 2 or 3) of a steel grade for thickness t: 8/20 mm for the flat products,
// band 1 for a stainless grade with own values, 40/80 mm otherwise.
int Plate_Thickness_Band(int grade, int own_values, double t);

// One input error of a plate or its material: with a stream the report line (prefix, name, value,
// limit, the not-ok mark), with messages the message box (name, value, limit).
void Report_Plate_Error(FILE* stream, int messages, const char* name, const char* line, const char* box,
                        double value, double limit);

// Gives the target every field of the uniform steel and its strengths for thickness t.
void Apply_Uniform_Steel(const Plate_Material* source, Plate_Material* target, double t);

void Copy_Plate_Material(const Plate_Material* source, Plate_Material* target);
// 1 when equal within 0.01 in the values that count for the record's kind; 0 for a null record.
int Compare_Plate_Material(const Plate_Material* a, const Plate_Material* b);

// File block, version 3. Result: 0 written or read, 1 failed.
int Write_Plate_Material(FILE* stream, const Plate_Material* material);
int Read_Plate_Material(FILE* stream, Plate_Material* material);

// Table strengths for thickness t ("low" up to 40 mm, 8 mm for the flat products, "high" above);
// the fallback for own values or a grade outside the table.
double Get_Grade_Fy(int own_values, int grade, double fallback, double t);
double Get_Grade_Fu(int own_values, int grade, double fallback, double t);

// The grade's name without trailing blanks, empty for own values or a grade outside the table. The
// text lives in the next of ten rotating buffers.
const char* Get_Steel_Grade_Name(int own_values, int grade);

// Elongation at fracture in per mille for the stainless table grades; otherwise 120 for fasteners
// and 150 for plates.
double Get_Elongation_At_Fracture(int own_values, int grade, int fastener);

int Is_Grade_S235_Group(int grade);
int Is_Grade_S275_Group(int grade);
int Is_Grade_S355_Group(int grade);
int Is_Grade_S420_Group(int grade);
int Is_Grade_S460_Group(int grade);
int Is_Grade_S500_Group(int grade);
int Is_Grade_S550_Group(int grade);
int Is_Grade_S620_Group(int grade);
int Is_Grade_S690_Group(int grade);
int Is_Grade_Weathering_Steel(int grade);
int Is_High_Strength_Steel(double f_y);

// External material catalogue, reached through a hook that is empty in this program; nothing sets
// kind 1.
using External_Name_Function = const char* (*)(int index);
extern External_Name_Function External_Name_Hook;

// Catalogue index 5..34 of a steel grade, or -1; and back (-1 for an index without a grade).
int Map_Grade_To_External(int grade);
int Map_External_To_Grade(int index);

// The nine names of the external catalogue (15 characters each), filled once by
// Load_External_Grade_Names from the hook; empty without a hook.
extern char External_Grade_Names[9][16];
void Load_External_Grade_Names();
