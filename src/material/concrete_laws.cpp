#include "material/concrete_laws.h"

#include <algorithm>
#include <cmath>

namespace {

struct Strains {
    double peak;
    double ultimate;
};

constexpr Strains Default_Strains = {-2.0, -3.5};

bool Is_EN_Rule(Concrete_Modulus_Rule rule) { return rule < 0 || rule == 4; }
bool Is_Lightweight(double density) { return density < 2001.0; }
double Eta_1(double density) { return Is_Lightweight(density) ? 0.40 + 0.60 * density / 2200.0 : 1.0; }

// The table row of a class: its own for codes 5 to 29, the row of its f_ck from code 30 on (the
// lookup's answer 24, the unsearched last row, means that no row fits); null below code 5 and when
// no row fits.
const Concrete_Class_Row* Row_Of(Concrete_Class cls, double f_ck) {
    if (cls >= 5 && cls <= 29) return &Concrete_Class_Table[cls - 5];
    if (cls >= 30) {
        const int row = Find_Concrete_Row_By_Fck(f_ck);
        if (row < Concrete_C_Class_Count - 1) return &Concrete_Class_Table[row];
    }
    return nullptr;
}

// Tabulated strains for the rules without formulas: below code 5 the law's own defaults, from the
// table row otherwise, the general defaults when no row fits.
template <typename Peak, typename Ultimate>
Strains Tabulated(Concrete_Class cls, double f_ck, Strains below_code_5, Peak peak, Ultimate ultimate) {
    if (cls <= 4) return below_code_5;
    const Concrete_Class_Row* row = Row_Of(cls, f_ck);
    return row ? Strains{row->*peak, row->*ultimate} : Default_Strains;
}

// EN 1992-1-1 Table 3.1: ε_cu2 = ε_cu3 = 2.6 + 35 ((90 - f_ck) / 100)^4 above C50/60.
double High_Strength_Ultimate(double f_ck) { return 2.6 + 35.0 * std::pow((90.0 - f_ck) / 100.0, 4.0); }

double Store(Strains s, double* ultimate_out) {
    if (ultimate_out) *ultimate_out = s.ultimate;
    return s.peak;
}

}  // namespace

double Get_Parabola_Rectangle_Strains(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                      double density, double* eps_cu2_out) {
    if (rule == 0) return Store(Default_Strains, eps_cu2_out);
    const double eta_1 = Eta_1(density);
    if (Is_EN_Rule(rule)) {
        if (f_ck <= 50.0) return Store({-2.0, -std::max(2.0, 3.5 * eta_1)}, eps_cu2_out);
        const double e2 = std::min(2.0 + 0.085 * std::pow(f_ck - 50.0, 0.53), 2.6);
        return Store({-e2, -std::max(e2, High_Strength_Ultimate(f_ck) * eta_1)}, eps_cu2_out);
    }
    Strains s = Tabulated(cls, f_ck, Default_Strains, &Concrete_Class_Row::eps_c2, &Concrete_Class_Row::eps_c2u);
    if (Is_Lightweight(density)) s.ultimate = std::max(s.ultimate, -3.5 * eta_1);
    return Store(s, eps_cu2_out);
}

double Get_Parabola_Exponent(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck) {
    if (rule == 0) return 2.0;
    if (Is_EN_Rule(rule)) return f_ck <= 50.0 ? 2.0 : 1.4 + 23.4 * std::pow((90.0 - f_ck) / 100.0, 4.0);
    if (cls <= 4) return 2.0;
    const Concrete_Class_Row* row = Row_Of(cls, f_ck);
    return row ? row->n : 2.0;
}

double Get_Bilinear_Strains(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck, double density,
                            double* eps_cu3_out) {
    constexpr Strains bilinear_defaults = {-1.35, -3.5};
    if (rule == 0) return Store(bilinear_defaults, eps_cu3_out);
    const double eta_1 = Eta_1(density);
    if (Is_EN_Rule(rule)) {
        if (f_ck <= 50.0) return Store({-1.75, -std::max(1.75, 3.5 * eta_1)}, eps_cu3_out);
        // ε_c3 grows from 1.75 at C50/60 to its cap 2.4 at f_ck = 50 + 0.65 / 0.01375.
        const double e3 = f_ck <= 97.27272727272725 ? 1.75 + 0.01375 * (f_ck - 50.0) : 2.4;
        return Store({-e3, -std::max(e3, High_Strength_Ultimate(f_ck) * eta_1)}, eps_cu3_out);
    }
    Strains s = Tabulated(cls, f_ck, bilinear_defaults, &Concrete_Class_Row::eps_c3, &Concrete_Class_Row::eps_c2u);
    if (Is_Lightweight(density)) s.ultimate = std::max(s.ultimate, -3.5 * eta_1);
    return Store(s, eps_cu3_out);
}

double Get_Nonlinear_Law_Strains(Concrete_Modulus_Rule rule, Concrete_Class cls, double f_ck,
                                 double density, double* eps_cu1_out) {
    if (rule == 0) return Store(Default_Strains, eps_cu1_out);
    if (Is_Lightweight(density)) {
        // EN 1992-1-1 Table 11.3.1: ε_lc1 = k f_lcm / (E_lci η_E), here -f_cm / E_cm in per mille.
        const Concrete_Modulus_Rule r = rule < 0 ? 4 : rule;
        const double f_cm = Compute_Concrete_Fcm(r, f_ck, density);
        const double E = Compute_Concrete_Ecm(r, cls, f_ck, density, nullptr);
        if (!(E > 0.0)) return Store(Default_Strains, eps_cu1_out);
        const double eps = -1000.0 * f_cm / E;
        return Store({eps, eps}, eps_cu1_out);
    }
    if (Is_EN_Rule(rule)) {
        const double f_cm = f_ck >= 12.0 ? f_ck + 8.0 : f_ck;
        const double eps_c1 = -std::min(0.7 * std::pow(f_cm, 0.31), 2.8);
        const double eps_cu1 = f_ck <= 50.0 ? -3.5 : -(2.8 + 27.0 * std::pow((98.0 - f_cm) / 100.0, 4.0));
        return Store({eps_c1, eps_cu1}, eps_cu1_out);
    }
    return Store(Tabulated(cls, f_ck, Default_Strains, &Concrete_Class_Row::eps_c1, &Concrete_Class_Row::eps_c1u),
                 eps_cu1_out);
}

double Compute_Nonlinear_Law_K(Concrete_Modulus_Rule rule, double f_cm, double e_cm, double eps_c1) {
    double E = e_cm, bound = 1.0;
    if (rule == 4) {
        E = 1.05 * e_cm;
        bound = 1.05;
    } else if (rule == 1) {
        // DIN 1045-1: E_c0m = E_cm / α_i with α_i = 0.8 + f_cm / 440 up to 1.0 at f_cm 88.
        const double q = f_cm / 440.0;
        if (q < 0.0) {
            E = 1.25 * e_cm;
            bound = 1.25;
        } else if (f_cm < 88.0) {
            const double alpha_i = 0.8 + q;
            E = e_cm / alpha_i;
            bound = 1.0 / alpha_i;
        }
    }
    if (!(f_cm > 0.0)) return bound;
    return std::max(bound, -eps_c1 * E / (1000.0 * f_cm));
}
