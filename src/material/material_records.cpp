#include "material/material_records.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <span>
#include <utility>

#include "annex/annex_record.h"
#include "annex/ec2_block.h"
#include "common/cp437.h"
#include "common/data_files.h"
#include "common/stream_print.h"
#include "common/text_tools.h"
#include "material/concrete_classes.h"
#include "material/rounding.h"

constexpr Old_Concrete_Material Old_Concrete_Table[5] = {
    //  name   β_WN     β_R    τ_011  τ_012  τ_02   bond good/poor  E_b
    {"B15", 15000.0, 10500.0, 250.0, 350.0, 1200.0, 1400.0, 700.0, 2.6e7},
    {"B25", 25000.0, 17500.0, 350.0, 500.0, 1800.0, 1800.0, 900.0, 3.0e7},
    {"B35", 35000.0, 23000.0, 400.0, 600.0, 2400.0, 2200.0, 1100.0, 3.4e7},
    {"B45", 45000.0, 27000.0, 500.0, 700.0, 2700.0, 2600.0, 1300.0, 3.7e7},
    {"B55", 55000.0, 30000.0, 550.0, 800.0, 3000.0, 3000.0, 1500.0, 3.9e7},
};

constexpr Old_Rebar_Row Old_Rebar_Table[3] = {
    //  name          β_S       tensile   eps_u  factor  E_s
    {"BSt 220/340", 220000.0, 340000.0, 0.005, 1.01, 2.1e8},
    {"BSt 420 S", 420000.0, 420000.0, 0.005, 1.3, 2.1e8},
    {"BSt 500 S", 500000.0, 500000.0, 0.005, 1.4, 2.1e8},
};

namespace {

constexpr double Kilo = 1000.0;          // N/mm² to kN/m² and per mille to fractions
constexpr double Normal_Density = 2200.0;
constexpr double Mean_Strength_Increment = 8000.0;   // f_cm = f_ck + 8 N/mm²
constexpr const char* Old_Standard = "DIN 1045 (7.88)";
constexpr const char* Not_Standard_Any_More = "%s (nicht mehr genormt!)";

constexpr double Concrete_Structure_Version = 1.2;
constexpr double Rebar_Structure_Version = 1.0;

// The reinforcing-steel grades of the dialogs: BSt 500 with the ductility of class A and B.
struct Rebar_Catalogue_Row {
    const char* name;
    const char* en_name;
};
constexpr Rebar_Catalogue_Row Rebar_Catalogue[2] = {{"BSt 500 (A)", "B500A"}, {"BSt 500 (B)", "B500B"}};
constexpr double Rebar_Catalogue_Fyk = 500000.0, Rebar_Catalogue_K = 1.05, Rebar_Catalogue_Eps_Uk = 0.025,
                 Rebar_Catalogue_Es = 2e8;

const Concrete_Class_Row& Row(int row) { return Concrete_Class_Table[row]; }
bool Is_Row(int row) { return row >= 0 && row < Concrete_Material_Rows; }

int Clamp_Index(int i, int last) { return std::clamp(i, 0, last); }

double Mean_Strength_N_mm2(double f_ck) { return (f_ck + Mean_Strength_Increment) / Kilo; }

double Density_Factor(double density) {
    const double r = density / Normal_Density;
    return r * r;
}

// The lightweight strain at peak stress, ε_lc1 = -1.2 f_cm / E_c0m (kN/m²); 0 without a modulus.
double Lightweight_Peak_Strain(double f_ck) {
    if (std::fabs(std::cbrt(Mean_Strength_N_mm2(f_ck))) <= 1.05e-12) return 0.0;
    return Compute_Negative_Ratio(1.2, f_ck + Mean_Strength_Increment, Compute_Ec0m_KN(f_ck));
}

// Name, strengths and strains of a row shared by both initialisations; the modulus and the
// non-linear strains are theirs.
void Init_Row_Values(Concrete_Material* rec, int row) {
    Copy_String_Bounded(rec->name, Get_Concrete_Material_Name(row, rec->lightweight), sizeof rec->name);
    rec->f_ck = Row(row).f_ck * Kilo;
    rec->alpha_cc = rec->lightweight ? 0.8 : 0.85;
    rec->eps_c2 = Row(row).eps_c2 / Kilo;
    rec->eps_cu2 = Row(row).eps_c2u / Kilo;
    rec->n = Row(row).n;
    rec->valid = 1;
    if (!rec->lightweight) {
        rec->eps_c1 = Row(row).eps_c1 / Kilo;
        rec->eps_cu1 = Row(row).eps_c1u / Kilo;
    } else {
        rec->eps_c1 = rec->eps_cu1 = Lightweight_Peak_Strain(rec->f_ck);
    }
}

// Sets lightweight and density; false when the row lies outside the table.
bool Init_Weight(Concrete_Material* rec, int row, int lightweight, double density) {
    rec->lightweight = lightweight;
    rec->density = lightweight ? density : Normal_Density;
    return Is_Row(row);
}

// The modulus of DIN 1045-1 with the density of a lightweight record.
double Din_Modulus(const Concrete_Material& rec) {
    const double e = Compute_Concrete_Ecm_SI(rec.f_ck);
    return rec.lightweight ? e * Density_Factor(rec.density) : e;
}

// The non-linear strains, which are not stored: from the table for normal weight, from the
// lightweight formula otherwise.
void Derive_Nonlinear_Strains(Concrete_Material* rec) {
    if (rec->lightweight) rec->eps_c1 = rec->eps_cu1 = Lightweight_Peak_Strain(rec->f_ck);
    else Interpolate_Nonlinear_Strains(&rec->eps_c1, &rec->eps_cu1, rec->f_ck);
}

// Pops the structure version of a record on every way out of its reader.
struct Structure_Scope {
    ~Structure_Scope() { End_Structure_Version(); }
};

// Reads the opening of a record: its name, after its structure version when it has one. A record
// of the older form opens with its name (not a digit) and counts as version 0. 0 when read; the
// structure version is then pushed, and the caller pops it.
int Read_Record_Head(std::span<char> name, double program_structure_version) {
    const long at = Tell_Data_Input();
    if (Read_Data_Field(name, 't', -1e300, 0)) return 1;
    if (!(name[0] >= '0' && name[0] <= '9')) {
        Push_Structure_Version(0.0);
        return 0;
    }
    if (Seek_Data_Input(at)) return 1;
    if (Read_Structure_Version(program_structure_version) != 0) {
        End_Structure_Version();
        return 1;
    }
    if (Read_Data_Field(name, 't', 0.0, 0)) {
        End_Structure_Version();
        return 1;
    }
    return 0;
}

int Read_Doubles(std::initializer_list<double*> values) {
    for (double* v : values)
        if (Read_Data_Field(Field_Bytes(*v), 'd', 0.0, 0)) return 1;
    return 0;
}

int Write_Fields(std::initializer_list<std::pair<const void*, char>> fields) {
    for (const auto& [value, type] : fields)
        if (Write_Data_Field(value, type)) return 1;
    return 0;
}

EC2_Factor_Cache ec2_cache = {0, {1.0, 1.0, 1.0, 1.0, 1.0}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0}};

constexpr int Cache_Alpha_Cc = 7;

}  // namespace

const char* Get_Concrete_Material_Name(int row, int lightweight) {
    if (!Is_Row(row)) return "";
    if (lightweight) return row < 11 ? Concrete_LC_Class_Names[row] + 1 : "";
    return Concrete_C_Class_Names[row] + 1;
}

void Init_Concrete_Material(Concrete_Material* rec, int row, int lightweight, double density) {
    if (!rec || !Init_Weight(rec, row, lightweight, density)) return;
    Init_Row_Values(rec, row);
    rec->e_cm = Din_Modulus(*rec);
}

void Init_EN_Concrete_Material(Concrete_Material* rec, int row, int lightweight, double density) {
    if (!rec || !Init_Weight(rec, row, lightweight, density)) return;
    Init_Row_Values(rec, row);
    rec->e_cm = Compute_EN_Ecm_KN(rec->f_ck);
    if (rec->lightweight) rec->e_cm *= Density_Factor(rec->density);
}

void Init_Concrete_Material_From_Old_Class(Concrete_Material* rec, int old_class) {
    if (!rec) return;
    const Old_Concrete_Material& old = Old_Concrete_Table[Clamp_Index(old_class, 4)];
    std::snprintf(rec->name, sizeof rec->name, Not_Standard_Any_More, old.name);
    rec->f_ck = 0.78125 * old.beta_WN;
    rec->alpha_cc = 0.85;
    Interpolate_Nonlinear_Strains(&rec->eps_c1, &rec->eps_cu1, rec->f_ck);
    rec->eps_c2 = -0.002;
    rec->eps_cu2 = -0.0035;
    rec->n = 2.0;
    rec->lightweight = 0;
    rec->density = Normal_Density;
    rec->valid = 1;
    rec->e_cm = old.E_b;
}

void Init_Rebar_Material(Rebar_Material* rec, int grade) {
    if (!rec || grade < 0 || grade > 1) return;
    Copy_String_Bounded(rec->name, Rebar_Catalogue[grade].name, sizeof rec->name);
    rec->f_yk = Rebar_Catalogue_Fyk;
    rec->f_tk = Rebar_Catalogue_K * Rebar_Catalogue_Fyk;
    rec->eps_uk = Rebar_Catalogue_Eps_Uk;
    rec->e_s = Rebar_Catalogue_Es;
}

void Init_EN_Rebar_Material(Rebar_Material* rec, int grade) {
    if (!rec || grade < 0 || grade > 1) return;
    Init_Rebar_Material(rec, grade);
    Copy_String_Bounded(rec->name, Rebar_Catalogue[grade].en_name, sizeof rec->name);
}

void Init_Rebar_Material_From_Old_Grade(Rebar_Material* rec, int old_grade) {
    if (!rec) return;
    const Old_Rebar_Row& old = Old_Rebar_Table[Clamp_Index(old_grade, 2)];
    std::snprintf(rec->name, sizeof rec->name, Not_Standard_Any_More, old.name);
    rec->f_yk = old.beta_S;
    rec->f_tk = old.tensile_strength;
    rec->eps_uk = 0.005;
    rec->e_s = 2.1e8;
}

int Init_Old_Concrete_Material(Old_Concrete_Material* rec, int old_class) {
    const int c = Clamp_Index(old_class, 4);
    if (rec) *rec = Old_Concrete_Table[c];
    return c + 5;
}

void Init_Old_Rebar_Material(Old_Rebar_Material* rec, int old_grade) {
    if (!rec) return;
    const Old_Rebar_Row& old = Old_Rebar_Table[Clamp_Index(old_grade, 2)];
    Copy_String_Bounded(rec->name, old.name, sizeof rec->name);
    rec->beta_S = old.beta_S;
    rec->eps_u = old.eps_u;
    rec->factor = old.factor;
    rec->E_s = old.E_s;
}

int Init_Free_Old_Concrete_Material(Old_Concrete_Material* rec) {
    Print_To_Stream(stdout, "Freie Betondef. für %s nicht möglich!\nIntialiesierung mit %s."_cp, Old_Standard, "B25");
    std::fflush(stdout);
    Init_Old_Concrete_Material(rec, 1);
    return 1;
}

int Init_Free_Old_Rebar_Material(Old_Rebar_Material* rec) {
    Print_To_Stream(stdout, "Freie Stahldef. für %s nicht möglich!\nIntialiesierung mit %s."_cp, Old_Standard, "BSt 500 S");
    std::fflush(stdout);
    Init_Old_Rebar_Material(rec, 2);
    return 1;
}

int Accept_Old_Concrete_Material() { return 1; }

int Accept_Old_Rebar_Material() { return 1; }

int Copy_Concrete_Material(Concrete_Material* target, const Concrete_Material* source) {
    if (!target || !source) return 0;
    Copy_String_Bounded(target->name, source->name, 51);
    target->f_ck = source->f_ck;
    target->alpha_cc = source->alpha_cc;
    target->eps_c1 = source->eps_c1;
    target->eps_cu1 = source->eps_cu1;
    target->eps_c2 = source->eps_c2;
    target->eps_cu2 = source->eps_cu2;
    target->n = source->n;
    target->lightweight = source->lightweight;
    target->valid = source->valid;
    target->density = source->density;
    target->e_cm = source->e_cm;
    return target->valid;
}

double Compute_Negative_Ratio(double a, double b, double c) { return std::fabs(c) < 1e-5 ? 0.0 : -a * b / c; }

void Interpolate_Nonlinear_Strains(double* eps_c1_out, double* eps_cu1_out, double f_ck) {
    double eps_c1, eps_cu1;
    if (f_ck <= Row(0).f_ck * Kilo) {
        eps_c1 = -0.0018;
        eps_cu1 = -0.0035;
    } else if (f_ck > Row(Concrete_Material_Rows - 1).f_ck * Kilo) {
        eps_c1 = eps_cu1 = -0.003;
    } else {
        int i = 1;
        while (Row(i).f_ck * Kilo < f_ck) ++i;   // row i is the first with f_ck at or above the value
        const Concrete_Class_Row &lo = Row(i - 1), &hi = Row(i);
        const double t = (f_ck - lo.f_ck * Kilo) / ((hi.f_ck - lo.f_ck) * Kilo);
        eps_c1 = (lo.eps_c1 + t * (hi.eps_c1 - lo.eps_c1)) / Kilo;
        eps_cu1 = (lo.eps_c1u + t * (hi.eps_c1u - lo.eps_c1u)) / Kilo;
    }
    if (eps_c1_out) *eps_c1_out = eps_c1;
    if (eps_cu1_out) *eps_cu1_out = eps_cu1;
}

double Compute_Eta_1(double density) { return 0.4 + 0.6 * density / Normal_Density; }

namespace {

// EN 1992-1-1 Table 3.1 in kN/m², rounded to 0.1 N/mm², times η₁ and the given scale.
double Tensile_Strength_KN(double f_ck, double density, double scale) {
    const double e = f_ck / Kilo;
    const double f = Round_To_Decimals(f_ck, 0) < 55000.0 ? 0.3 * std::pow(e, 2.0 / 3.0)
                                                            : 2.12 * std::log(1.0 + (e + 8.0) / 10.0);
    return Round_To_Decimals(f, 1) * Compute_Eta_1(density) * scale;
}

}  // namespace

double Compute_Fctm_KN(double f_ck, double density) { return Tensile_Strength_KN(f_ck, density, 1000.0); }

double Compute_Fctk_KN(double f_ck, double density) { return Tensile_Strength_KN(f_ck, density, 700.0); }

double Compute_Ec0m_KN(double f_ck) { return 9500000.0 * std::cbrt(Mean_Strength_N_mm2(f_ck)); }

double Compute_Concrete_Ecm_SI(double f_ck) {
    // DIN 1045-1 9.1.3: α_i = 0.8 + f_cm / 440, 1.0 from C80/95 on.
    const double alpha_i = f_ck < 80000.0 ? 0.8 + Mean_Strength_N_mm2(f_ck) / 440.0 : 1.0;
    return Compute_Ec0m_KN(f_ck) * alpha_i;
}

double Compute_EN_Ecm_KN(double f_ck) { return 22000000.0 * std::pow(Mean_Strength_N_mm2(f_ck) / 10.0, 0.3); }

double Compute_Beta_Cc(double t, int cement) {
    const double s = cement == 1 ? 0.38 : cement == 2 ? 0.25 : cement == 3 ? 0.2 : 0.21;
    if (t <= 0.0) return 1.0;
    return std::exp(s * (1.0 - std::sqrt(28.0 / t)));
}

double Get_Concrete_Gamma_C_KN(double f_ck, int situation) {
    const double base = situation == 1 ? 1.3 : situation == 4 ? 1.0 : 1.5;
    // DIN 1045-1 high-strength factor 1 / (1.1 - f_ck / 500), which has no meaning from 549.5 on.
    if (f_ck >= 549500.0) return base;
    return base * std::max(1.0, 1.0 / (1.1 - 2e-6 * f_ck));
}

double Get_Steel_Gamma_S(int situation) { return situation == 1 ? 1.0 : 1.15; }

const NAD_EC2_Block* Load_EC2_Factors() {
    const NAD_EC2_Block* b = NAD_Get_EC2();
    // The block holds persistent, fatigue, earthquake and accidental; the cache orders them by
    // situation index: persistent, accidental, earthquake, fatigue, accidental.
    constexpr int from[5] = {0, 3, 2, 1, 3};
    ec2_cache.variant = b->variant;
    for (int k = 0; k < 5; ++k) {
        ec2_cache.gamma_c[k] = b->gamma_c[from[k]];
        ec2_cache.gamma_s[k] = b->gamma_s[from[k]];
    }
    ec2_cache.gamma_s[5] = b->gamma_c_sls;
    ec2_cache.gamma_s[6] = b->gamma_s_sls;
    ec2_cache.gamma_s[Cache_Alpha_Cc] = b->alpha_cc;
    ec2_cache.gamma_s[8] = b->alpha_lct;
    return b;
}

double Get_EC2_Gamma_C(int index) { return index >= 0 && index < 5 ? ec2_cache.gamma_c[index] : 1.0; }

double Get_EC2_Gamma_S(int index) { return index >= 0 && index < 9 ? ec2_cache.gamma_s[index] : 1.0; }

int Get_EC2_Variant() {
    Load_EC2_Factors();
    return ec2_cache.variant;
}

const EC2_Factor_Cache* Get_EC2_Factor_Area() {
    Load_EC2_Factors();
    return &ec2_cache;
}

double Compute_EC2_Fcd(double f_ck, int index) {
    Load_EC2_Factors();
    if (index < 0 || index >= 5) return 0.0;
    return f_ck * ec2_cache.gamma_s[Cache_Alpha_Cc] / ec2_cache.gamma_c[index];
}

int Write_Concrete_Material(const Concrete_Material* rec) {
    if (!rec) return 1;
    const double placeholder = 0.0;
    if (Write_Structure_Version(Concrete_Structure_Version)) return 1;
    if (Write_Fields({{rec->name, 't'}, {&rec->f_ck, 'd'}, {&rec->alpha_cc, 'd'}, {&rec->eps_c2, 'd'},
                      {&rec->eps_cu2, 'd'}, {&rec->n, 'd'}, {&rec->lightweight, 'i'}, {&rec->density, 'd'},
                      {&placeholder, 'd'}, {&rec->valid, 'i'}, {&rec->e_cm, 'd'}}))
        return 1;
    return Write_Data_Line_End();
}

int Read_Concrete_Material(Concrete_Material* rec) {
    if (!rec) return 1;
    Concrete_Material r = *rec;
    if (Read_Record_Head(r.name, Concrete_Structure_Version)) return 1;
    const Structure_Scope scope;
    double placeholder;
    if (Read_Doubles({&r.f_ck, &r.alpha_cc, &r.eps_c2, &r.eps_cu2, &r.n})) return 1;
    if (Read_Data_Field(Field_Bytes(r.lightweight), 'i', 0.0, 0)) return 1;
    if (Read_Doubles({&r.density, &placeholder})) return 1;
    if (!r.lightweight) r.density = Normal_Density;
    if (Read_Data_Field(Field_Bytes(r.valid), 'i', 1.2, 1)) return 1;
    if (Read_Data_Field(Field_Bytes(r.e_cm), 'd', 1.1, Din_Modulus(r))) return 1;
    Derive_Nonlinear_Strains(&r);
    *rec = r;
    return 0;
}

int Write_Rebar_Material(const Rebar_Material* rec) {
    if (!rec) return 1;
    if (Write_Structure_Version(Rebar_Structure_Version)) return 1;
    if (Write_Fields({{rec->name, 't'}, {&rec->f_yk, 'd'}, {&rec->f_tk, 'd'}, {&rec->eps_uk, 'd'}, {&rec->e_s, 'd'}}))
        return 1;
    return Write_Placeholder_Field('d') || Write_Data_Line_End() ? 1 : 0;
}

int Read_Rebar_Material(Rebar_Material* rec) {
    if (!rec) return 1;
    Rebar_Material r = *rec;
    if (Read_Record_Head(r.name, Rebar_Structure_Version)) return 1;
    const Structure_Scope scope;
    double placeholder;
    if (Read_Doubles({&r.f_yk, &r.f_tk, &r.eps_uk, &r.e_s, &placeholder})) return 1;
    *rec = r;
    return 0;
}
