#include "material/concrete_classes.h"

#include <cmath>
#include <cstring>

#include "common/cp437.h"

constexpr std::array<const char*, Concrete_B_Class_Count> Concrete_B_Class_Names = {
    " B15", " B25", " B35", " B45", " B55",
};

constexpr std::array<const char*, Concrete_C_Class_Count> Concrete_C_Class_Names = {
    " C12/15", " C16/20", " C20/25", " C25/30", " C30/37", " C35/45", " C40/50", " C45/55",
    " C50/60", " C55/67", " C60/75", " C70/85", " C80/95", " C90/105", " C100/115",
    " Ö-B15"_cp, " Ö-B20"_cp, " Ö-B25"_cp, " Ö-B30"_cp, " Ö-C30/37"_cp,
    " Ö-B40"_cp, " Ö-C35/45"_cp, " Ö-B50"_cp, " Ö-C45/55"_cp, " Ö-B60"_cp,
};

constexpr std::array<const char*, 13> Concrete_LC_Class_Names = {
    " LC12/13", " LC16/18", " LC20/22", " LC25/28", " LC30/33", " LC35/38", " LC40/44",
    " LC45/50", " LC50/55", " LC55/60", " LC60/66", " LC70/77", " LC80/88",
};

// C classes as DIN 1045-1 Table 9 gives them (moduli E_cm and strains), then the Austrian classes.
constexpr std::array<Concrete_Class_Row, Concrete_C_Class_Count> Concrete_Class_Table = {{
    //  f_ck  f_ck,cube f_ctm  E_cm    eps_c1 eps_c1u  n    eps_c2 eps_c2u eps_c3
    {  12.0,  15.0,  1.6, 21800.0, -1.8,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   //  5 C12/15
    {  16.0,  20.0,  1.9, 23400.0, -1.9,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   //  6 C16/20
    {  20.0,  25.0,  2.2, 24900.0, -2.1,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   //  7 C20/25
    {  25.0,  30.0,  2.6, 26700.0, -2.2,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   //  8 C25/30
    {  30.0,  37.0,  2.9, 28300.0, -2.3,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   //  9 C30/37
    {  35.0,  45.0,  3.2, 29900.0, -2.4,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   // 10 C35/45
    {  40.0,  50.0,  3.5, 31400.0, -2.5,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   // 11 C40/50
    {  45.0,  55.0,  3.8, 32800.0, -2.55, -3.5, 2.0,  -2.0,  -3.5, -1.35},   // 12 C45/55
    {  50.0,  60.0,  4.1, 34300.0, -2.6,  -3.5, 2.0,  -2.0,  -3.5, -1.35},   // 13 C50/60
    {  55.0,  67.0,  4.2, 35700.0, -2.65, -3.4, 2.0,  -2.03, -3.1, -1.35},   // 14 C55/67
    {  60.0,  75.0,  4.4, 37000.0, -2.7,  -3.3, 1.9,  -2.06, -2.7, -1.4},    // 15 C60/75
    {  70.0,  85.0,  4.6, 39700.0, -2.8,  -3.2, 1.8,  -2.1,  -2.5, -1.5},    // 16 C70/85
    {  80.0,  95.0,  4.8, 42300.0, -2.9,  -3.1, 1.7,  -2.14, -2.4, -1.6},    // 17 C80/95
    {  90.0, 105.0,  5.0, 43800.0, -2.95, -3.0, 1.6,  -2.17, -2.3, -1.65},   // 18 C90/105
    { 100.0, 115.0,  5.2, 45200.0, -3.0,  -3.0, 1.55, -2.2,  -2.2, -1.7},    // 19 C100/115
    {  11.3,  15.0,  1.6, 26000.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 20 Ö-B15
    {  15.0,  20.0,  1.9, 27500.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 21 Ö-B20
    {  18.8,  25.0,  2.2, 29000.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 22 Ö-B25
    {  22.5,  30.0,  2.6, 30500.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 23 Ö-B30
    {  27.8,  37.0,  2.9, 32000.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 24 Ö-C30/37
    {  30.0,  40.0,  3.0, 32500.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 25 Ö-B40
    {  33.8,  45.0,  3.3, 34000.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 26 Ö-C35/45
    {  37.5,  50.0,  3.5, 35000.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 27 Ö-B50
    {  41.3,  55.0,  3.8, 36000.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 28 Ö-C45/55
    {  45.0,  60.0,  4.1, 37000.0, -2.0,  -3.5, 2.0,  -2.0,  -3.5, -2.0},    // 29 Ö-B60
}};

// DIN 1045 (1988).
constexpr std::array<Concrete_B_Class_Row, Concrete_B_Class_Count> Concrete_B_Class_Table = {{
    // beta_WN  f_ck   E_b      beta_R
    {  15.0,   12.0, 26000.0, 10.5},   // 0 B15
    {  25.0,   20.0, 30000.0, 17.5},   // 1 B25
    {  35.0,   28.0, 34000.0, 23.0},   // 2 B35
    {  45.0,   33.0, 37000.0, 27.0},   // 3 B45
    {  55.0,   36.0, 39000.0, 30.0},   // 4 B55
}};

namespace {

constexpr Concrete_Class Free_Class = 30;
constexpr Concrete_Class First_C_Class = 5;

bool Is_B_Class(Concrete_Class cls) { return cls >= 0 && cls < Concrete_B_Class_Count; }

bool Is_C_Class(Concrete_Class cls) {
    return cls >= First_C_Class && cls < First_C_Class + Concrete_C_Class_Count;
}

const Concrete_Class_Row& C_Row(Concrete_Class cls) { return Concrete_Class_Table[cls - First_C_Class]; }

bool Is_EN_Rule(Concrete_Modulus_Rule rule) { return rule < 0 || rule == 4; }

// The moduli are taken at the mean strength f_ck + 8; below C12 the strength enters as it is.
double Modulus_Fcm(double f_ck) { return f_ck >= 12.0 ? f_ck + 8.0 : f_ck; }

// Moduli scale with the square of the density ratio (EN 1992-1-1 11.3.2).
double Density_Factor(double density) {
    const double r = density / 2200.0;
    return r * r;
}

double Ecm_EN(double f_cm) { return 22000.0 * std::pow(f_cm / 10.0, 0.3); }
double Ec0m_DIN(double f_cm) { return 9500.0 * std::cbrt(f_cm); }

// DIN 1045-1 9.1.3: alpha_i = 0.8 + 0.2 f_cm / 88 ≤ 1.0.
double Alpha_I(double f_cm) {
    const double q = f_cm / 440.0;
    if (q < 0.0) return 0.8;
    return std::fmin(0.8 + q, 1.0);
}

// DIN 1045 (1988) tensile strength from the nominal strength.
double B_Class_Fctm(Concrete_Class cls) {
    return 0.25 * std::pow(Concrete_B_Class_Table[cls].beta_WN, 2.0 / 3.0);
}

// EN 1992-1-1 Table 3.1: 0.30 f_ck^(2/3) up to C50/60, 2.12 ln(1 + f_cm/10) above.
double Fctm_Formula(double f_ck) {
    if (f_ck < 54.9) return 0.30 * std::pow(f_ck, 2.0 / 3.0);
    return 2.12 * std::log(1.0 + (f_ck + 8.0) / 10.0);
}

}  // namespace

double Get_Concrete_Fck(Concrete_Modulus_Rule rule, Concrete_Class cls) {
    if (rule == 0) return Is_B_Class(cls) ? Concrete_B_Class_Table[cls].beta_WN : 0.0;
    if (Is_B_Class(cls)) return Concrete_B_Class_Table[cls].f_ck;
    if (Is_C_Class(cls)) return C_Row(cls).f_ck;
    return 0.0;
}

double Compute_Concrete_Fcm(Concrete_Modulus_Rule rule, double f_ck, double density) {
    if (f_ck < 12.0) return f_ck;
    if (rule == 0) return f_ck + 5.0;
    // Lightweight concrete below LC20/22: the increment grows from 5 at f_ck 12 to 8 at f_ck 20.
    if (Is_EN_Rule(rule) && density < 2001.0 && f_ck < 20.0) {
        const double d = f_ck - 12.0;
        return f_ck + 5.0 + d * (0.125 + 0.03125 * d);
    }
    return f_ck + 8.0;
}

double Compute_Concrete_Ecm(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck, double density,
                            double* out) {
    const double f_cm = Modulus_Fcm(f_ck);
    const double eta_E = Density_Factor(density);
    double E = 0.0;
    double second = 0.0;
    if (Is_EN_Rule(rule)) {
        E = Ecm_EN(f_cm) * eta_E;
        second = 1.05 * E;
    } else if (rule == 0) {
        E = second = Is_B_Class(cls) ? Concrete_B_Class_Table[cls].E_b : 0.0;
    } else if (rule == 3) {
        if (Is_B_Class(cls))
            E = Concrete_B_Class_Table[cls].E_b;
        else if (Is_C_Class(cls))
            E = C_Row(cls).E_cm;
        else if (cls >= Free_Class)
            E = Ecm_EN(f_cm);
        second = E;
    } else if (rule == 1) {
        const double E_c0m = Ec0m_DIN(f_cm) * eta_E;
        E = Alpha_I(f_cm) * E_c0m;
        second = E_c0m;
    } else {
        E = second = Ec0m_DIN(f_cm) * eta_E;
    }
    if (out) *out = second;
    return E;
}

double Compute_Concrete_Tangent_Modulus(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                        double density) {
    if (rule == 0 || rule == 3) return Compute_Concrete_Ecm(rule, cls, f_ck, density, nullptr);
    const double f_cm = Modulus_Fcm(f_ck);
    if (Is_EN_Rule(rule)) return 23100.0 * std::pow(f_cm / 10.0, 0.3) * Density_Factor(density);
    return Ec0m_DIN(f_cm) * Density_Factor(density);
}

double Get_Concrete_Modulus_Ratio(Concrete_Modulus_Rule rule, double f_cm) {
    if (rule == 1) return Alpha_I(f_cm);
    if (rule == 4) return 1.0 / 1.05;
    return 1.0;
}

double Compute_Concrete_Fctm(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck, double density,
                             double given) {
    double f_ctm = 0.0;
    if (rule == 0) {
        f_ctm = Is_B_Class(cls) ? B_Class_Fctm(cls) : given;
    } else if (rule == 3) {
        if (Is_B_Class(cls))
            f_ctm = B_Class_Fctm(cls);
        else if (Is_C_Class(cls))
            f_ctm = C_Row(cls).f_ctm;
        else if (cls >= Free_Class)
            f_ctm = Fctm_Formula(f_ck);
        else
            f_ctm = given;
    } else {
        f_ctm = Fctm_Formula(f_ck);
    }
    // Lightweight concrete, EN 1992-1-1 11.3.1: eta_1 = 0.40 + 0.60 rho / 2200.
    if (density < 2001.0) f_ctm *= 0.40 + 0.60 * density / 2200.0;
    return f_ctm;
}

double Compute_Concrete_Scaled_Fctm(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                   double density, double given) {
    return 1.575 * Compute_Concrete_Fctm(rule, cls, f_ck, density, given);
}

const char* Get_Concrete_Class_Name(Concrete_Class cls) {
    static char name[16];   // the longest name has 9 characters
    const char* text = "";
    if (Is_B_Class(cls))
        text = Concrete_B_Class_Names[cls];
    else if (Is_C_Class(cls))
        text = Concrete_C_Class_Names[cls - First_C_Class];
    else if (cls == Free_Class)
        text = "frei";
    std::strncpy(name, text, sizeof name - 1);
    return name;
}

int Find_Concrete_Row_By_Fck(double f_ck) {
    // The last row (Ö-B60) is not searched; it is the answer when nothing else fits.
    constexpr int searched = Concrete_C_Class_Count - 1;
    for (int row = 0; row < searched; ++row)
        if (std::fabs(Concrete_Class_Table[row].f_ck - f_ck) <= 0.001) return row;
    for (int row = 0; row < searched; ++row)
        if (Concrete_Class_Table[row].f_ck + 0.1 > f_ck) return row;
    return searched;
}

Concrete_Class Find_Old_Concrete_Class(double beta_wn) {
    for (Concrete_Class cls = 0; cls < Concrete_B_Class_Count - 1; ++cls)
        if (std::fabs(Concrete_B_Class_Table[cls].beta_WN - beta_wn) <= 0.001) return cls;
    for (Concrete_Class cls = 0; cls < Concrete_B_Class_Count - 1; ++cls)
        if (beta_wn < Concrete_B_Class_Table[cls].beta_WN + 0.1) return cls;
    return Concrete_B_Class_Count - 1;
}
