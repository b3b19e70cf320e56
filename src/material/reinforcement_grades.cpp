#include "material/reinforcement_grades.h"

#include <cmath>
#include <cstdio>

#include "annex/ec2_block.h"
#include "common/cp437.h"
#include "material/section_material_set.h"

constexpr Rebar_Grade_Row Rebar_Grade_Table[10] = {
    //  name             f_yk   k     eps_uk  E_s
    {" B500A    ",       500.0, 1.05, 25.0, 200000.0},   //  3
    {" B500B    ",       500.0, 1.08, 50.0, 200000.0},   //  4
    {" ComBAR GFK",      580.0, 1.0,   6.1,  60000.0},   //  5 glass-fibre reinforced polymer
    {" Gitterträger"_cp, 420.0, 1.0,  25.0, 200000.0},   //  6 lattice girder
    {" B550A    ",       550.0, 1.05, 25.0, 200000.0},   //  7
    {" B550B    ",       550.0, 1.08, 50.0, 200000.0},   //  8
    {" B600A    ",       600.0, 1.05, 25.0, 200000.0},   //  9
    {" B600B    ",       600.0, 1.08, 50.0, 200000.0},   // 10
    {" Ö-BSt 550"_cp,    550.0, 1.0,  20.0, 200000.0},   // 11
    {" Ö-BSt 600"_cp,    600.0, 1.0,  20.0, 200000.0},   // 12
};

constexpr Old_Rebar_Grade_Row Old_Rebar_Grade_Table[3] = {
    {" BSt 220/340", 220.0},
    {" BSt 420", 420.0},
    {" BSt 500", 500.0},
};

const char* const Combar_Note =
    " ComBAR GFK: Bewehrung aus glasfaserverstärktem Kunststoff von Schöck Bauteile GmbH (Zulassung Z-1.6-238 vom 8.7.2019)\n"_cp;
const char* const Lattice_Girder_Note =
    " Gitterträger: Synonym für Bewehrung mit f╬\\yk╬r = 420 N/mm╬/2╬r (weitere Informationen s. Handbuch)\n"_cp;

namespace {

constexpr Rebar_Grade First_Current_Grade = 3;
constexpr Rebar_Grade Last_Current_Grade = 12;
// The older grades' fixed values.
constexpr double Old_Grade_Eps_Uk = 5.0;
constexpr double Old_Grade_E_s = 210000.0;

bool Is_Old_Grade(Rebar_Grade g) { return g >= 0 && g < First_Current_Grade; }
bool Is_Current_Grade(Rebar_Grade g) { return g >= First_Current_Grade && g <= Last_Current_Grade; }
const Rebar_Grade_Row& Current_Row(Rebar_Grade g) { return Rebar_Grade_Table[g - First_Current_Grade]; }

// DIN 1045-1 high-strength factor: η = 1.1 - f_ck / 500 from C55/67 on (the bound is 50 and the
// float just above it, so that f_ck 50 keeps η = 1).
double High_Strength_Eta(double f_ck) { return f_ck >= 50.00000000000004 ? 1.1 - 0.002 * f_ck : 1.0; }

// The factors have no meaning beyond f_ck 549.5, where η would fall to zero.
constexpr double Eta_Strength_Limit = 549.5;

}  // namespace

const char* Get_Rebar_Grade_Name(Rebar_Grade grade, int flag) {
    static char name[32];   // the longest name has 13 characters
    const char* text = "";
    if (Is_Old_Grade(grade))
        text = Old_Rebar_Grade_Table[grade].name;
    else if (Is_Current_Grade(grade))
        text = Current_Row(grade).name;
    else if (grade == Rebar_Grade_Own_Values)
        text = flag ? "Biegebemessung" : "frei";
    std::snprintf(name, sizeof name, "%s", text);
    return name;
}

double Get_Rebar_Fyk(Rebar_Grade grade) {
    if (Is_Old_Grade(grade)) return Old_Rebar_Grade_Table[grade].f_yk;
    if (Is_Current_Grade(grade)) return Current_Row(grade).f_yk;
    return 0.0;
}

double Compute_Rebar_Ftk(Rebar_Grade grade, double f_yk, double* eps_uk_out) {
    if (grade < 0) return 0.0;
    if (Is_Old_Grade(grade)) {
        if (eps_uk_out) *eps_uk_out = Old_Grade_Eps_Uk;
        return f_yk;
    }
    if (Is_Current_Grade(grade)) {
        if (eps_uk_out) *eps_uk_out = Current_Row(grade).eps_uk;
        return Current_Row(grade).k * f_yk;
    }
    return f_yk;
}

double Get_Rebar_Es(Rebar_Grade grade) {
    if (Is_Old_Grade(grade)) return Old_Grade_E_s;
    if (Is_Current_Grade(grade)) return Current_Row(grade).E_s;
    return 0.0;
}

double Is_Rebar_High_Ductility(Rebar_Grade grade) { return grade == 4 || grade == 8 || grade == 10 ? 1.0 : 0.0; }

void Get_Concrete_Steel_Partial_Factors(int kind, double f_ck, int situation, double* gamma_c_out,
                                        double* gamma_s_out, const NAD_EC2_Block* block) {
    double gamma_c = gamma_c_out ? *gamma_c_out : 1.0;
    double gamma_s = gamma_s_out ? *gamma_s_out : 1.0;
    if (kind == 0) {
        gamma_c = gamma_s = 1.0;
    } else if (kind == 4 || kind == 21) {
        // The annex block holds the persistent pair at [0] and the accidental pair at [3].
        if (situation == 0) {
            gamma_c = block ? block->gamma_c[0] : 1.5;
            gamma_s = block ? block->gamma_s[0] : 1.15;
        } else if (situation == 1) {
            gamma_c = block ? block->gamma_c[3] : 1.2;
            gamma_s = block ? block->gamma_s[3] : 1.0;
        } else if (situation != 2) {
            gamma_c = block ? block->gamma_c_sls : 1.0;
            gamma_s = block ? block->gamma_s_sls : 1.0;
        }
    } else if (f_ck > Eta_Strength_Limit) {
        gamma_c = gamma_s = 1.0;
    } else {
        const double eta = High_Strength_Eta(f_ck);
        if (situation == 0) {
            gamma_c = 1.5 / eta;
            gamma_s = 1.15;
        } else if (situation == 1) {
            gamma_c = 1.3 / eta;
            gamma_s = 1.0;
        } else if (situation == 2) {
            gamma_c /= eta;
        } else {
            gamma_c = gamma_s = 1.0;
        }
    }
    if (gamma_c_out) *gamma_c_out = gamma_c;
    if (gamma_s_out) *gamma_s_out = gamma_s;
}

double Get_Plain_Concrete_Partial_Factor(int situation, double f_ck, double given) {
    if (f_ck > Eta_Strength_Limit) return given;
    const double eta = High_Strength_Eta(f_ck);
    switch (situation) {
    case 0: return 1.8 / eta;
    case 1: return 1.55 / eta;
    case 2: return 1.2 * given;
    default: return 1.0;
    }
}

double Get_Concrete_Tau_D(int cls, double f_ck) {
    // ÖNORM B 4700 values of the Austrian classes, codes 20 to 29.
    constexpr double austrian_tau_d[10] = {0.18, 0.22, 0.24, 0.26, 0.27, 0.28, 0.30, 0.31, 0.32, 0.33};
    if (cls >= 20 && cls <= 29) return austrian_tau_d[cls - 20];
    return 0.09 * std::cbrt(f_ck);
}

double Clamp_To_Concrete_Ratio_Limit(const Section_Material_Set* set, double x) {
    if (!set || set->code_switch == 0 || set->n_concrete <= 0 || !set->concrete) return x;
    const Section_Concrete& c = set->concrete[0];
    const bool normal_below_c55 = !c.lightweight && c.f_ck < 54.9;
    double limit;
    if (set->en_2) limit = normal_below_c55 ? 0.30 : 0.23;
    else limit = normal_below_c55 ? 0.45 : 0.35;
    return x < 0.001 || x > limit ? limit : x;
}

double Compute_Concrete_Exp_Curve(double x) { return 40000.0 * (1.0 - std::exp(-x / 2.7)); }

double Get_Concrete_Factor_By_Flags(int rule, int flag) {
    if (rule == 0) return 2.6749687014126984;
    return flag ? 2.5 : 3.0;
}

double Get_Division_Count(int flag, int use_value, double x) {
    const double a = use_value ? x * 0.01 : 24.0;
    return flag ? a : a + 1.0;
}
