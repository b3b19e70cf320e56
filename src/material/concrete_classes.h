// Concrete classes and their strengths: the class codes with their names, the class tables of
// DIN 1045 (1988), DIN 1045-1 / EN 1992-1-1 and the Austrian classes, and the routines that give a
// class's characteristic and mean compressive strength, its moduli and its mean tensile strength,
// from the tables or from the formulas of the standard generation that the rule selects.
//
// Units: strengths and moduli in N/mm², densities in kg/m³, strains in per mille (compression
// negative). None of the routines allocates, fails or reports.
#pragma once

#include <array>

// Class code: 0 to 4 the B classes of DIN 1045 (1988), 5 to 19 C12/15 to C100/115, 20 to 29 the
// Austrian classes, 30 own values ("frei"); any other code names no class.
using Concrete_Class = int;

// Standard generation of the modulus, strength and strain routines:
//   negative or 4  EN 1992-1-1 formulas
//   0              DIN 1045 (1988): the values of the B classes
//   1              DIN 1045-1: modulus with the factor alpha_i
//   2              DIN 1045-1 with the modulus E_c0m (without alpha_i)
//   3              tabulated moduli and tensile strengths, formulas beyond the tables
using Concrete_Modulus_Rule = int;

inline constexpr Concrete_Class Default_Concrete_Class = 7;   // C20/25

inline constexpr int Concrete_B_Class_Count = 5;
inline constexpr int Concrete_C_Class_Count = 25;              // codes 5 to 29, Austrian ones included
inline constexpr int Concrete_Austrian_Class_Count = 10;       // codes 20 to 29

// Names with a leading blank, in code order; CP437 texts ("Ö" is 0x99).
extern const std::array<const char*, Concrete_B_Class_Count> Concrete_B_Class_Names;
extern const std::array<const char*, Concrete_C_Class_Count> Concrete_C_Class_Names;
// Lightweight concrete: printed instead of the C name of the same position (LC12/13 for C12/15 ...)
// when a C class of codes 5 to 17 has a density below 2001 kg/m³.
extern const std::array<const char*, 13> Concrete_LC_Class_Names;

// One row of the C and Austrian classes (codes 5 to 29, row = code - 5).
struct Concrete_Class_Row {
    double f_ck;        // characteristic cylinder strength
    double f_ck_cube;   // characteristic cube strength
    double f_ctm;       // mean axial tensile strength
    double E_cm;        // secant modulus
    double eps_c1;      // strain at peak stress, non-linear law
    double eps_c1u;     // ultimate strain, non-linear law
    double n;           // exponent of the parabola-rectangle law
    double eps_c2;      // strain at peak stress, parabola-rectangle law
    double eps_c2u;     // ultimate strain, parabola-rectangle and bilinear law
    double eps_c3;      // strain at peak stress, bilinear law
};
extern const std::array<Concrete_Class_Row, Concrete_C_Class_Count> Concrete_Class_Table;

// One B class of DIN 1045 (1988), codes 0 to 4.
struct Concrete_B_Class_Row {
    double beta_WN;     // nominal strength
    double f_ck;        // equivalent characteristic strength
    double E_b;         // modulus
    double beta_R;      // design strength
};
extern const std::array<Concrete_B_Class_Row, Concrete_B_Class_Count> Concrete_B_Class_Table;

double Get_Concrete_Fck(Concrete_Modulus_Rule rule, Concrete_Class cls);
double Compute_Concrete_Fcm(Concrete_Modulus_Rule rule, double f_ck, double density);
// Secant modulus; `out` (may be null) receives the second modulus of the rule: 1.05 E for the
// EN 1992-1-1 formula, E_c0m for DIN 1045-1, otherwise E itself.
double Compute_Concrete_Ecm(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck, double density,
                            double* out);
double Compute_Concrete_Tangent_Modulus(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                        double density);
double Get_Concrete_Modulus_Ratio(Concrete_Modulus_Rule rule, double f_cm);
// Mean axial tensile strength; `given` is the caller's own value, returned where no rule applies.
double Compute_Concrete_Fctm(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck, double density,
                             double given);
double Compute_Concrete_Scaled_Fctm(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                   double density, double given);
// Name of a class, "frei" for 30, empty for a code that names no class. The text lives in one
// buffer of the library and is overwritten by the next call.
const char* Get_Concrete_Class_Name(Concrete_Class cls);
// Row (0 to 24) of Concrete_Class_Table for a characteristic strength.
int Find_Concrete_Row_By_Fck(double f_ck);
// B class code (0 to 4) for a nominal strength.
Concrete_Class Find_Old_Concrete_Class(double beta_wn);
