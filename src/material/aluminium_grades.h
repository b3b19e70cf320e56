// Wrought aluminium alloy grades: the 97 built-in grades with the characteristic values of
// EN 1999-1-1 for each alloy, temper, product form and thickness range, a process-wide list of
// user grades, and getters that answer for any grade code, with fixed defaults for a code that
// names no grade.
//
// Grade code (Aluminium_Grade_Id): only the low 16 bits count. Bit 15 clear: built-in row 0 to 96
// (a higher value names no grade). Bit 15 set: the user grade whose number is the low 15 bits.
//
// Units: thicknesses in mm, strengths and moduli in N/mm², elongation in %, alpha_t in 1/K.
// Texts are code page 437 ("≤" is 0xF3).
#pragma once

using Aluminium_Grade_Id = int;

inline constexpr int Aluminium_Grade_Count = 97;      // built-in rows 0 to 96
inline constexpr int Aluminium_User_Grade_Flag = 0x8000;

struct Aluminium_Grade {
    int id;                       // row 0 to 96, 0x8000 | number for a user grade, 97 in the default
    const char* name;             // display name, e.g. "6082 T6 ≤ 5 (EP,ET)"
    const char* alloy;            // e.g. "6082"
    const char* temper;           // temper and range, e.g. "T6, t ≤ 5 mm (EP,ET)"
    double t_min;                 // lower bound of the thickness range (0 or previous bound + 0.001)
    double t_max;                 // upper bound of the thickness range
    double E;                     // modulus of elasticity
    double G;                     // shear modulus
    double nu;                    // Poisson's ratio
    double alpha_t;               // coefficient of linear thermal expansion
    double f_o;                   // characteristic 0.2 % proof strength
    double f_u;                   // characteristic tensile strength
    double a50;                   // minimum elongation
    double f_o_haz;               // 0.2 % proof strength in the heat-affected zone
    double f_u_haz;               // tensile strength in the heat-affected zone
    double rho_o_haz;             // HAZ softening factor of f_o
    double rho_u_haz;             // HAZ softening factor of f_u
    const char* buckling_class;   // "A" or "B"
    double n_p;                   // Ramberg-Osgood exponent for plastic analysis
};

// Getters: a built-in or user grade gives its value, any other code the default's.
const Aluminium_Grade& Get_Aluminium_Grade(Aluminium_Grade_Id id);
const char* Get_Aluminium_Grade_Name(Aluminium_Grade_Id id);
const char* Get_Aluminium_Grade_Alloy(Aluminium_Grade_Id id);
const char* Get_Aluminium_Grade_Temper(Aluminium_Grade_Id id);
double Get_Aluminium_Grade_T_Min(Aluminium_Grade_Id id);
double Get_Aluminium_Grade_T_Max(Aluminium_Grade_Id id);
double Get_Aluminium_Grade_Fo(Aluminium_Grade_Id id);
double Get_Aluminium_Grade_Fu(Aluminium_Grade_Id id);
// E; G into g_out when it is not null.
double Get_Aluminium_Grade_Moduli(Aluminium_Grade_Id id, double* g_out);
// 1 for buckling class B, 0 for class A.
int Is_Aluminium_Grade_Class_B(Aluminium_Grade_Id id);

// User grades. A reference or text obtained for a user grade stays valid until the next put,
// delete or clear.
// Adds the grade under the number id & 0x7fff, or replaces the entry of that number; returns
// 0x8000 | number, 0 for a null grade or when the list cannot grow.
int Put_Aluminium_User_Grade(const Aluminium_Grade* grade);
// 1 when the user grade of that number was removed, 0 when there is none.
int Delete_Aluminium_User_Grade(Aluminium_Grade_Id id);
void Clear_Aluminium_User_Grades();
int Count_Aluminium_User_Grades();
// Entries the list holds room for without growing.
int Aluminium_User_Grade_Capacity();
// The entry at position 0 to count - 1, the default record for any other position.
const Aluminium_Grade& Get_Aluminium_User_Grade_At(int position);
const Aluminium_Grade& Get_Default_Aluminium_Grade();
