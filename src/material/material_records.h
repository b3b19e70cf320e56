// Concrete and reinforcing-steel records of the material dialogs: their initialisation from the
// catalogues of DIN 1045 (1988), DIN 1045-1 and EN 1992, their storage in a versioned data file
// (common/data_files.h), the strength and modulus formulas in the dialogs' units and a cache of the
// partial factors of the active National Annex.
//
// Units: stresses and moduli in kN/m², densities in kg/m³, strains as plain fractions (-0.0035).
// Mean strengths are f_cm = f_ck + 8000 kN/m² (8 N/mm²) throughout.
#pragma once

struct NAD_EC2_Block;

struct Concrete_Material {
    char name[56];       // at most 50 characters
    double f_ck;
    double alpha_cc;
    double eps_c1;       // non-linear law; not stored, derived again on reading
    double eps_cu1;
    double eps_c2;       // parabola-rectangle law
    double eps_cu2;
    double n;
    int lightweight;
    double density;
    int valid;           // 1 after every initialisation
    double e_cm;
};

struct Rebar_Material {
    char name[56];
    double f_yk;
    double f_tk;
    double eps_uk;
    double e_s;
};

// DIN 1045 (1988).
struct Old_Concrete_Material {
    char name[24];
    double beta_WN, beta_R, tau_011, tau_012, tau_02, bond_good, bond_poor, E_b;
};
struct Old_Rebar_Material {
    char name[24];
    double beta_S, eps_u, factor, E_s;
};

struct Old_Rebar_Row {
    const char* name;
    double beta_S, tensile_strength, eps_u, factor, E_s;
};
extern const Old_Concrete_Material Old_Concrete_Table[5];   // B15 ... B55
extern const Old_Rebar_Row Old_Rebar_Table[3];              // BSt 220/340, BSt 420 S, BSt 500 S

inline constexpr int Concrete_Material_Rows = 15;          // C12/15 ... C100/115
// The dialogs' lists: "C12/15" ... and "LC12/13" ... (empty from row 11 on), without a leading blank.
const char* Get_Concrete_Material_Name(int row, int lightweight);

// Initialisation. Rows outside 0 to 14 set only lightweight and density.
void Init_Concrete_Material(Concrete_Material* rec, int row, int lightweight, double density);
void Init_EN_Concrete_Material(Concrete_Material* rec, int row, int lightweight, double density);
void Init_Concrete_Material_From_Old_Class(Concrete_Material* rec, int old_class);
void Init_Rebar_Material(Rebar_Material* rec, int grade);      // grades 0 and 1, others change nothing
void Init_EN_Rebar_Material(Rebar_Material* rec, int grade);
void Init_Rebar_Material_From_Old_Grade(Rebar_Material* rec, int old_grade);
// Old classes above 4 count as 4, negative ones as 0; the result is the class + 5.
int Init_Old_Concrete_Material(Old_Concrete_Material* rec, int old_class);
void Init_Old_Rebar_Material(Old_Rebar_Material* rec, int old_grade);
// Own values are not possible under DIN 1045 (1988): the notice goes to standard output and the
// record takes B25 or BSt 500 S. Result 1.
int Init_Free_Old_Concrete_Material(Old_Concrete_Material* rec);
int Init_Free_Old_Rebar_Material(Old_Rebar_Material* rec);
int Accept_Old_Concrete_Material();
int Accept_Old_Rebar_Material();
// Copies name, strengths and strains, lightweight, valid, density and e_cm; the result is valid.
int Copy_Concrete_Material(Concrete_Material* target, const Concrete_Material* source);

// Formulas.
double Compute_Negative_Ratio(double a, double b, double c);   // -a · b / c; 0 for |c| < 1e-5
void Interpolate_Nonlinear_Strains(double* eps_c1_out, double* eps_cu1_out, double f_ck);
double Compute_Eta_1(double density);
double Compute_Fctm_KN(double f_ck, double density);
double Compute_Fctk_KN(double f_ck, double density);
double Compute_Ec0m_KN(double f_ck);
double Compute_Concrete_Ecm_SI(double f_ck);
double Compute_EN_Ecm_KN(double f_ck);
// Development of strength with age t in days (EN 1992-1-1 3.1.2): e^(s (1 - √(28 / t))) for t > 0,
// 1.0 for t ≤ 0; s by cement class 1, 2, 3 (0.38, 0.25, 0.2), 0.21 for any other.
double Compute_Beta_Cc(double t, int cement);
double Get_Concrete_Gamma_C_KN(double f_ck, int situation);
double Get_Steel_Gamma_S(int situation);

// Partial factors of the active National Annex by situation index 0 to 4 (persistent, accidental,
// earthquake, fatigue, accidental); the γ_s row continues with γ_c and γ_s of the serviceability
// state, α_cc and α_lct at 5 to 8.
struct EC2_Factor_Cache {
    int variant;
    double gamma_c[5];
    double gamma_s[9];
};
const NAD_EC2_Block* Load_EC2_Factors();
double Get_EC2_Gamma_C(int index);   // stored entries; 1.0 outside the row
double Get_EC2_Gamma_S(int index);
int Get_EC2_Variant();                            // reloads
const EC2_Factor_Cache* Get_EC2_Factor_Area();    // reloads
double Compute_EC2_Fcd(double f_ck, int index);   // reloads; f_ck · α_cc / γ_c, 0 outside the row

// Storage: 0 written or read, 1 on any failure. Readers take a record of the older form (without a
// structure version, its name first) as well, and always leave the version stack as they found it.
int Write_Concrete_Material(const Concrete_Material* rec);
int Read_Concrete_Material(Concrete_Material* rec);
int Write_Rebar_Material(const Rebar_Material* rec);
int Read_Rebar_Material(Rebar_Material* rec);
