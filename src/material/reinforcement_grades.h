// Reinforcement grades and the partial safety factors of reinforced concrete: the grade codes with
// their names and characteristic values, the factors γ_c and γ_s by kind and design situation,
// γ_c of plain concrete, and a few limit values of the reinforced-concrete library.
//
// Units: stresses in N/mm², strains in per mille. No routine fails, reports or allocates.
#pragma once

struct NAD_EC2_Block;
struct Section_Material_Set;

// Grade code: 0 to 2 the older grades of DIN 1045 (1988), 3 to 12 the current grades (B500A ...
// Ö-BSt 600), 13 own values; any other code names no grade.
using Rebar_Grade = int;

inline constexpr Rebar_Grade Rebar_Grade_Own_Values = 13;

// One current grade, codes 3 to 12 (row = code - 3).
struct Rebar_Grade_Row {
    const char* name;   // as printed, with a leading blank
    double f_yk;
    double k;           // f_tk / f_yk
    double eps_uk;      // per mille
    double E_s;
};
extern const Rebar_Grade_Row Rebar_Grade_Table[10];
// The older grades, codes 0 to 2.
struct Old_Rebar_Grade_Row {
    const char* name;
    double f_yk;
};
extern const Old_Rebar_Grade_Row Old_Rebar_Grade_Table[3];

// The notes that the material tables print for grades 5 and 6.
extern const char* const Combar_Note;
extern const char* const Lattice_Girder_Note;

// Name in a buffer of its own, overwritten by the next call: the table name for codes 0 to 12,
// "Biegebemessung" (flag nonzero) or "frei" for 13, empty for any other code.
const char* Get_Rebar_Grade_Name(Rebar_Grade grade, int flag);
double Get_Rebar_Fyk(Rebar_Grade grade);   // 0 for codes that name no grade or own values
// f_tk: f_yk itself for the older grades (ε_uk 5 into eps_uk_out), k · f_yk for the current ones
// (their ε_uk into eps_uk_out), f_yk for own values (eps_uk_out untouched); 0 for a negative code.
double Compute_Rebar_Ftk(Rebar_Grade grade, double f_yk, double* eps_uk_out);
double Get_Rebar_Es(Rebar_Grade grade);
double Is_Rebar_High_Ductility(Rebar_Grade grade);   // 1.0 for B500B, B550B and B600B

// γ_c and γ_s. Kind 0: 1.0 and 1.0. Kinds 4 and 21 take them from the EN 1992 annex block (the
// recommended values without one): situation 0 the persistent pair, 1 the accidental pair, any
// other but 2 the serviceability pair; situation 2 writes nothing. Other kinds follow DIN 1045-1
// with the high-strength factor 1 / (1.1 - f_ck / 500): situation 0 gives 1.5 / η and 1.15, 1 gives
// 1.3 / η and 1.0, 2 divides the γ_c given in gamma_c_out by η, any other 1.0 and 1.0.
void Get_Concrete_Steel_Partial_Factors(int kind, double f_ck, int situation, double* gamma_c_out,
                                        double* gamma_s_out, const NAD_EC2_Block* ec2_block);
// γ_c of plain concrete: 1.8 / η, 1.55 / η, 1.2 · given or 1.0 by situation; `given` above f_ck 549.5.
double Get_Plain_Concrete_Partial_Factor(int situation, double f_ck, double given);

// Design shear stress τ_d: the Austrian classes' values, 0.09 · f_ck^(1/3) for the others.
double Get_Concrete_Tau_D(int cls, double f_ck);
// The ratio x limited by the set's first concrete: the limit when x is below 0.001 or above it.
double Clamp_To_Concrete_Ratio_Limit(const Section_Material_Set* set, double x);
double Compute_Concrete_Exp_Curve(double x);                // 40000 · (1 - e^(-x / 2.7))
double Get_Concrete_Factor_By_Flags(int rule, int flag);
// a = x · 0.01 (use_value nonzero) or 24; a with the flag, a + 1 without. Not cut to a whole number.
double Get_Division_Count(int flag, int use_value, double x);
