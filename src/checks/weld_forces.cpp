#include "checks/weld_forces.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr const char* S_ = Subscript_Perpendicular;
constexpr const char* P_ = Subscript_Parallel;

const char* const Forces_Heading = "%sBemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte:\n"_cp;
const char* const Stresses_Heading = "%sBemessungswerte der auf die wirksame Nahtfläche einwirkenden Spannungen:\n"_cp;
const char* const Resultant_Heading =
    "%sBemessungswert der auf die wirksame Nahtfläche einwirkenden resultierenden Kraft:\n"_cp;

// Items of one report line joined by ", ".
struct Item_Line {
    std::string text;
    int count = 0;
    std::size_t last_separator = std::string::npos;
    void add(const std::string& item) {
        if (count++ > 0) {
            last_separator = text.size();
            text += ", ";
        }
        text += item;
    }
    // The last of several items on a line of its own.
    void break_before_last() {
        if (last_separator != std::string::npos)
            text.replace(last_separator, 2, std::string(",\n") + Report_Line_Prefix);
    }
};

// The measure by which the two signs of V⊥ are compared: the resultant of the simplified method
// (alike for both), or the larger utilisation of the directional method's two conditions in units
// of f_1w,d: max(√(σ² + 3(τ⊥² + τ∥²)), |σ|·f_1w,d/f_2w,d).
double Rate_Throat_Forces(const Weld_Sign_Rating& rating, double sigma, double tau_perp, double tau_par) {
    if (!rating.directional) return std::sqrt(sigma * sigma + tau_perp * tau_perp + tau_par * tau_par);
    const double equivalent = std::sqrt(sigma * sigma + 3.0 * (tau_perp * tau_perp + tau_par * tau_par));
    return std::max(equivalent, rating.f_2_per_f_1 > 0.0 ? std::fabs(sigma) / rating.f_2_per_f_1 : 0.0);
}

// The undeterminable end of a routine: with a stream the heading (detail level 2) and the error line.
int Not_Determinable(FILE* stream, int detail, const char* heading, const char* line) {
    if (stream) {
        if (detail >= 2) OLI_Printf(stream, heading, Report_Line_Prefix);
        OLI_Printf(stream, line, Report_Line_Prefix, Mark_Error());
    }
    return 1;
}

// Per weld: force F_N perpendicular to the weld axis (N), bending term T (N·mm, divided by l_eff
// once more), shears V_s and V_p (N) and the eccentricity moment ΔM of a one-sided weld (N·mm).
// A one-sided weld whose eccentricity presses the root carries ΔM by contact at the far face of
// plate 2 (contact: the force |ΔM|/t_2 added to N_Ed governs).
struct Weld_Components {
    double F_N = 0.0, T = 0.0, V_s = 0.0, V_p = 0.0, dM = 0.0;
    double contact = 0.0;          // |ΔM|/t_2 (N) of a root in compression
    bool contact_governs = false;  // F_N = N_Ed + |ΔM|/t_2 rather than |N_Ed|
};

enum class Weld_Shape { Full_Butt, Slot_Or_Plug, Two_Sided, One_Sided };

Weld_Shape Shape_Of(const Weld_Connection& c) {
    if (Is_Slot_Or_Plug(c.weld.type)) return Weld_Shape::Slot_Or_Plug;
    if (Is_Full_Penetration_Butt(c.weld)) return Weld_Shape::Full_Butt;
    return c.side == Weld_Two_Sided ? Weld_Shape::Two_Sided : Weld_Shape::One_Sided;
}

// "je Naht": the halves of the loads that one of two welds carries (N in kN, M in kNm).
void Print_Halves(const Weld_Connection& c, FILE* stream) {
    Item_Line line;
    if (0.5 * std::fabs(c.N_Ed) > 0.01)
        line.add(Format_Text("N╬\\Ed╬r = N╬\\Ed╬r/2 = %.2lf kN"_cp, 0.5 * c.N_Ed * 0.001));
    auto half = [&](const char* format, const char* sub, double value) {
        if (0.5 * std::fabs(value) > 0.01) line.add(Format_Text(format, sub, sub, 0.5 * value * 0.001));
    };
    half("M╬\\%s,Ed╬r = M╬\\%s,Ed╬r/2 = %.2lf kNm"_cp, S_, c.M_perp_Ed);
    half("V╬\\%s,Ed╬r = V╬\\%s,Ed╬r/2 = %.2lf kN"_cp, P_, c.V_par_Ed);
    half("V╬\\%s,Ed╬r = V╬\\%s,Ed╬r/2 = %.2lf kN"_cp, S_, c.V_perp_Ed);
    if (line.count == 0) return;
    if (line.count == 4) line.break_before_last();
    OLI_Printf(stream, "%sje Naht: %s\n", Report_Line_Prefix, line.text.c_str());
}

// Lever arm of M∥ in F_N: the effective thickness of a full-penetration butt weld, t_2 − a between
// the throats of a two-sided partial-penetration butt weld, else t_2.
double Moment_Lever(const Weld_Connection& c, Weld_Shape shape) {
    if (shape == Weld_Shape::Full_Butt) return Butt_Weld_Effective_Thickness(c);
    if (shape == Weld_Shape::Two_Sided && c.weld.type == Weld_Butt) return c.plate2.t - c.weld.a;
    return c.plate2.t;
}

// The term of M∥ in the F_N line; empty when M∥ adds nothing.
std::string Moment_Term(const Weld_Connection& c, Weld_Shape shape, const Weld_Components& k) {
    if (shape == Weld_Shape::One_Sided) {
        if (k.dM > 0.001) return Format_Text("6%súM╬\\%s,Ed╬r/a"_cp, Times_Dot, P_);
        if (k.contact_governs) return Format_Text("úM╬\\%s,Ed╬r/t╬\\2╬r"_cp, P_);
        return {};
    }
    if (std::fabs(c.M_par_Ed) <= 0.001) return {};
    if (shape == Weld_Shape::Full_Butt)
        return Format_Text(c.weld.theta < Butt_In_Line_Angle ? "|M╬\\%s,Ed╬r|%s6/min(t╬\\1╬r,t╬\\2╬r)"_cp
                                                             : "|M╬\\%s,Ed╬r|%s6/t╬\\2╬r"_cp,
                           P_, Times_Dot);
    if (c.weld.type == Weld_Butt) return Format_Text("M╬\\%s,Ed╬r/(t╬\\2╬r-a)"_cp, P_);
    return Format_Text("M╬\\%s,Ed╬r/t╬\\2╬r"_cp, P_);
}

void Print_Force_Terms(const Weld_Connection& c, FILE* stream, Weld_Shape shape, const Weld_Components& k, double f_N,
                       double f_s, double f_p) {
    OLI_Printf(stream, "%sBemessungswerte der %smaximalen Kräfte:\n"_cp, Report_Line_Prefix,
               shape == Weld_Shape::Two_Sided || shape == Weld_Shape::One_Sided ? "im Wurzelpunkt wirkenden " : "");
    if (k.dM > 0.001)
        OLI_Printf(stream,
                   "%sMoment aus Lastexzentrizität úM╬\\%s,Ed╬r = N╬\\Ed╬r%st╬\\2╬r/2 %s M╬\\%s,Ed╬r = %.2lf kNm\n"_cp,
                   Report_Line_Prefix, P_, Times_Dot, c.side == Weld_One_Sided_Right ? "+" : "-", P_, k.dM * 1e-6);
    else if (shape == Weld_Shape::One_Sided)
        OLI_Printf(stream, "%sMoment aus Lastexzentrizität über Kontakt:  úM╬\\%s,Ed╬r/t╬\\2╬r = %.2lf kN\n"_cp,
                   Report_Line_Prefix, P_, k.contact * 0.001);
    if (f_N > 0.001) {
        const std::string moment_term = Moment_Term(c, shape, k);
        if (!moment_term.empty() || std::fabs(c.M_par_Ed) > 0.001 || std::fabs(c.M_perp_Ed) > 0.001) {
            std::string terms;
            auto term = [&](const std::string& t) { terms += (terms.empty() ? "" : " + ") + t; };
            // Where F_N adds the magnitudes, N_Ed stands as |N_Ed|.
            const bool magnitudes = shape == Weld_Shape::Full_Butt || k.dM > 0.001;
            if (std::fabs(c.N_Ed) > 0.001) term(magnitudes ? "|N╬\\Ed╬r|"_cp : "N╬\\Ed╬r"_cp);
            if (!moment_term.empty()) term(moment_term);
            if (std::fabs(c.M_perp_Ed) > 0.001) term(Format_Text("M╬\\%s,Ed╬r%s6/l╬\\eff╬r"_cp, S_, Times_Dot));
            OLI_Printf(stream, "%sF╬\\N,Ed╬r = (%s) / l╬\\eff╬r = %.2lf kN/m\n"_cp, Report_Line_Prefix, terms.c_str(),
                       f_N);
        } else {
            OLI_Printf(stream, "%sF╬\\N,Ed╬r = N╬\\Ed╬r / l╬\\eff╬r = %.2lf kN/m\n"_cp, Report_Line_Prefix, f_N);
        }
    }
    if (f_p > 0.001)
        OLI_Printf(stream, "%sF╬\\V%s,Ed╬r = V╬\\%s,Ed╬r / l╬\\eff╬r = %.2lf kN/m\n"_cp, Report_Line_Prefix, P_, P_,
                   f_p);
    if (f_s > 0.001)
        OLI_Printf(stream, "%sF╬\\V%s,Ed╬r = V╬\\%s,Ed╬r / l╬\\eff╬r = %.2lf kN/m\n"_cp, Report_Line_Prefix, S_, S_,
                   f_s);
}

// F_Ed(τ) = F_V,Ed of slot and plug welds and the τ∥ line of all welds.
void Print_Shear_Force_Line(FILE* stream, const char* sub, double F) {
    if (std::fabs(F) > 0.001)
        OLI_Printf(stream, "%sF╬\\Ed╬r(╓╬\\%s╬r) = F╬\\V%s,Ed╬r = %.2lf kN/m\n"_cp, Report_Line_Prefix, sub, sub,
                   F * 0.001);
    else
        OLI_Printf(stream, "%sF╬\\Ed╬r(╓╬\\%s╬r) = 0\n"_cp, Report_Line_Prefix, sub);
}

// F_Ed(σ⊥) = F_N·sin(α) + F_Vs·cos(α) and F_Ed(τ⊥) = F_N·cos(α) − F_Vs·sin(α); "= 0" when the
// component vanishes.
void Print_Normal_Component(FILE* stream, const char* symbol, const char* of_N, const char* sign, const char* of_V,
                            bool shear, double F) {
    if (std::fabs(F) <= 0.001) {
        OLI_Printf(stream, "%sF╬\\Ed╬r(%s╬\\%s╬r) = 0\n"_cp, Report_Line_Prefix, symbol, S_);
        return;
    }
    OLI_Printf(stream, "%sF╬\\Ed╬r(%s╬\\%s╬r) = F╬\\N,Ed╬r%s%s"_cp, Report_Line_Prefix, symbol, S_, Times_Dot, of_N);
    if (shear) OLI_Printf(stream, "%sF╬\\V%s,Ed╬r%s%s"_cp, sign, S_, Times_Dot, of_V);
    OLI_Printf(stream, " = %.2lf kN/m\n", F * 0.001);
}

void Print_Decomposition(const Weld_Connection& c, FILE* stream, int detail, bool slot_or_plug, double beta,
                         double f_s, bool reversed) {
    const double F_sigma = c.F_sigma_perp, F_perp = c.F_tau_perp, F_par = c.F_tau_par;
    if (detail == 1) {
        Item_Line line;
        auto item = [&](const char* format, const char* sub, double F) {
            if (std::fabs(F) > 0.001) line.add(Format_Text(format, sub, F * 0.001));
        };
        const char* sigma = "F╬\\Ed╬r(╠╬\\%s╬r) = %.2lf kN/m"_cp;
        const char* tau = "F╬\\Ed╬r(╓╬\\%s╬r) = %.2lf kN/m"_cp;
        item(sigma, S_, F_sigma);
        if (slot_or_plug) {
            item(tau, P_, F_par);
            item(tau, S_, F_perp);
        } else {
            item(tau, S_, F_perp);
            item(tau, P_, F_par);
        }
        if (line.count > 0)
            OLI_Printf(stream, "%sKräfte auf der wirksamen Nahtfläche: %s\n"_cp, Report_Line_Prefix, line.text.c_str());
        return;
    }
    if (detail < 2) return;
    if (slot_or_plug) {
        OLI_Printf(stream, Forces_Heading, Report_Line_Prefix);
        Print_Shear_Force_Line(stream, P_, F_par);
        Print_Shear_Force_Line(stream, S_, F_perp);
        return;
    }
    OLI_Printf(stream, "%sBemessungswerte der auf die wirksame Nahtfläche einwirkenden Kräfte (║ = %.2lf°):\n"_cp,
               Report_Line_Prefix, beta / Degree);
    const bool shear = std::fabs(f_s) > 0.001;
    Print_Normal_Component(stream, "╠"_cp, "sin(║)"_cp, reversed ? " - " : " + ", "cos(║)"_cp, shear, F_sigma);
    Print_Normal_Component(stream, "╓"_cp, "cos(║)"_cp, reversed ? " + " : " - ", "sin(║)"_cp, shear, F_perp);
    Print_Shear_Force_Line(stream, P_, F_par);
}

}   // namespace

double Butt_Weld_Effective_Thickness(const Weld_Connection& c) {
    return c.weld.theta < Butt_In_Line_Angle ? std::min(c.plate1.t, c.plate2.t) : c.plate2.t;
}

int Compute_Weld_Line_Forces(Weld_Connection& c, FILE* stream, int detail, const Weld_Sign_Rating& rating) {
    const Weld& w = c.weld;
    const double L = c.l_eff;
    auto fail = [&](const char* line) {
        c.F_sigma_perp = c.F_tau_perp = c.F_tau_par = 0.0;
        return Not_Determinable(stream, detail, Forces_Heading, line);
    };
    if (L < 0.001) return fail("%swirksame Nahtlänge = 0  ê  Kräfte nicht ermittelbar %s\n"_cp);

    const Weld_Shape shape = Shape_Of(c);
    const double t_2 = c.plate2.t;
    const double M_par = 1000.0 * c.M_par_Ed;     // N·mm
    const double M_perp = 1000.0 * c.M_perp_Ed;   // N·mm
    // M∥ acts with its lever arm; without one it cannot be resolved.
    const double lever = Moment_Lever(c, shape);
    if (shape != Weld_Shape::Slot_Or_Plug && shape != Weld_Shape::One_Sided && std::fabs(c.M_par_Ed) > 0.001 &&
        lever < 0.001)
        return fail(t_2 < 0.001 || shape == Weld_Shape::Full_Butt
                        ? "%sBlechdicke t╬\\2╬r = 0  ê  Kräfte nicht ermittelbar %s\n"_cp
                        : "%sHebelarm t╬\\2╬r-a = 0  ê  Kräfte nicht ermittelbar %s\n"_cp);

    Weld_Components k;
    switch (shape) {
        case Weld_Shape::Full_Butt:
            // Bending stress 6M/t² over the plate section, as a force per length 6M/t; it adds to
            // the stress of N at one face of the plate whatever the signs.
            k.F_N = std::fabs(c.N_Ed) + (std::fabs(c.M_par_Ed) > 0.001 ? 6.0 * std::fabs(M_par) / lever : 0.0);
            k.T = 6.0 * std::fabs(M_perp);
            k.V_p = std::fabs(c.V_par_Ed);
            k.V_s = std::fabs(c.V_perp_Ed);
            break;
        case Weld_Shape::Slot_Or_Plug:
            k.V_p = std::fabs(c.V_par_Ed);
            k.V_s = std::fabs(c.V_perp_Ed);
            break;
        case Weld_Shape::Two_Sided:
            // Each weld carries half; M∥ is a couple of the two welds with the lever arm t_2 (fillet
            // welds) or t_2 − a (the throats of a partial-penetration butt weld lie inside the plate).
            k.F_N = (std::fabs(c.M_par_Ed) > 0.001 ? std::fabs(M_par) / lever : 0.0) + 0.5 * std::fabs(c.N_Ed);
            k.T = 3.0 * std::fabs(M_perp);
            k.V_p = 0.5 * std::fabs(c.V_par_Ed);
            k.V_s = 0.5 * std::fabs(c.V_perp_Ed);
            if (stream && detail >= 2) Print_Halves(c, stream);
            break;
        case Weld_Shape::One_Sided:
            // The load acts at mid-thickness of plate 2, eccentric to the weld root by t_2/2.
            k.dM = 0.5 * t_2 * c.N_Ed + (c.side == Weld_One_Sided_Right ? M_par : -M_par);
            if (k.dM <= 0.001) {
                // The root is pressed: the moment is carried by contact at the far face of plate 2,
                // whose force |ΔM|/t_2 adds to N_Ed.
                const double dM = std::fabs(k.dM);
                k.dM = 0.0;
                if (dM > 0.001) {
                    if (t_2 < 0.001) return fail("%sBlechdicke t╬\\2╬r = 0  ê  Kräfte nicht ermittelbar %s\n"_cp);
                    k.contact = dM / t_2;
                }
                k.contact_governs = c.N_Ed + k.contact > std::fabs(c.N_Ed);
                k.F_N = std::max(std::fabs(c.N_Ed), c.N_Ed + k.contact);
            } else {
                if (w.a < 0.001) return fail("%swirksame Nahtdicke = 0  ê  Kräfte nicht ermittelbar %s\n"_cp);
                // Root tension of the throat section a × l_eff in bending: 6ΔM/(a·l_eff) per length,
                // added to that of N_Ed.
                k.F_N = std::fabs(c.N_Ed) + 6.0 * k.dM / w.a;
            }
            k.T = 6.0 * std::fabs(M_perp);
            k.V_p = std::fabs(c.V_par_Ed);
            k.V_s = std::fabs(c.V_perp_Ed);
            break;
    }
    // Per unit length (N/mm = kN/m).
    const double f_N = (k.F_N + k.T / L) / L;
    const double f_s = k.V_s / L;
    const double f_p = k.V_p / L;
    if (stream && detail >= 2) Print_Force_Terms(c, stream, shape, k, f_N, f_s, f_p);

    // The throat plane of a butt weld lies at θ, of a fillet weld at θ/2 to the loaded plate.
    double beta = (w.type == Weld_Butt ? w.theta : w.theta / 2.0) * Degree;
    bool reversed = false;
    if (shape == Weld_Shape::Slot_Or_Plug) {
        c.F_sigma_perp = 0.0;
        c.F_tau_perp = 1000.0 * f_s;
        c.F_tau_par = 1000.0 * f_p;
    } else {
        if (w.theta < 0.1) beta = std::numbers::pi / 2.0;
        // V⊥ adds to σ⊥ on one weld and to τ⊥ on the other: both pairs are rated and the larger kept.
        const double sin_b = std::sin(beta), cos_b = std::cos(beta);
        const double sigma_1 = f_N * sin_b + f_s * cos_b, tau_1 = f_N * cos_b - f_s * sin_b;
        const double sigma_2 = f_N * sin_b - f_s * cos_b, tau_2 = f_N * cos_b + f_s * sin_b;
        const double rate_1 = Rate_Throat_Forces(rating, sigma_1, tau_1, f_p);
        const double rate_2 = Rate_Throat_Forces(rating, sigma_2, tau_2, f_p);
        // Within rounding both pairs are alike: the first stays.
        reversed = rate_2 > rate_1 * (1.0 + 1e-9) + 1e-9;
        c.F_sigma_perp = 1000.0 * (reversed ? sigma_2 : sigma_1);
        c.F_tau_perp = 1000.0 * (reversed ? tau_2 : tau_1);
        c.F_tau_par = 1000.0 * f_p;
    }
    if (stream) Print_Decomposition(c, stream, detail, shape == Weld_Shape::Slot_Or_Plug, beta, f_s, reversed);
    return 0;
}

int Compute_Weld_Stresses(Weld_Connection& c, FILE* stream, int detail, const Weld_Sign_Rating& rating) {
    auto clear = [&] { c.sigma_perp = c.tau_perp = c.tau_par = 0.0; };
    if (c.force_mode == Weld_Section_Forces && Compute_Weld_Line_Forces(c, stream, detail, rating)) {
        clear();
        return 1;
    }
    const double a = c.weld.a;
    const double F_sigma = c.F_sigma_perp, F_perp = c.F_tau_perp, F_par = c.F_tau_par;
    const bool loaded = std::fabs(F_sigma) > 0.001 || std::fabs(F_perp) > 0.001 || std::fabs(F_par) > 0.001;
    if (a < 0.001 && loaded) {
        clear();
        return Not_Determinable(stream, detail, Stresses_Heading,
                                "%swirksame Nahtdicke = 0  ê  Spannungen nicht ermittelbar %s\n"_cp);
    }
    if (c.force_mode != Weld_Section_Forces && stream && detail >= 2) {
        Item_Line line;
        auto item = [&](const char* symbol, const char* sub, double F) {
            if (std::fabs(F) > 10.0)
                line.add(Format_Text("F╬\\Ed╬r(%s╬\\%s╬r) = F╬\\Ed╬r(%s╬\\%s╬r)/l╬\\eff╬r = %.2lf kN/m"_cp, symbol, sub,
                                     symbol, sub, F * 0.001));
        };
        item("╠"_cp, S_, F_sigma);
        item("╓"_cp, S_, F_perp);
        item("╓"_cp, P_, F_par);
        if (line.count == 3) line.break_before_last();
        if (line.count > 0) OLI_Printf(stream, "%sbezogene Nahtkräfte: %s\n"_cp, Report_Line_Prefix, line.text.c_str());
    }
    auto stress = [&](double F) { return a < 0.001 ? 0.0 : std::fabs(F) * 0.001 / a; };
    c.sigma_perp = Is_Slot_Or_Plug(c.weld.type) ? 0.0 : stress(F_sigma);
    c.tau_perp = stress(F_perp);
    c.tau_par = stress(F_par);
    if (!stream) return 0;
    if (detail >= 2) {
        OLI_Printf(stream, Stresses_Heading, Report_Line_Prefix);
        auto part = [&](const char* lead, const char* symbol, const char* sub, double value, const char* end) {
            if (value >= 0.001)
                OLI_Printf(stream, "%s%s╬\\%s╬r = F╬\\Ed╬r(%s╬\\%s╬r)/a = %.1lf N/mm²%s"_cp, lead, symbol, sub, symbol,
                           sub, value, end);
            else
                OLI_Printf(stream, "%s%s╬\\%s╬r = 0%s"_cp, lead, symbol, sub, end);
        };
        OLI_Printf(stream, "%s", Report_Line_Prefix);
        part("", "╠"_cp, S_, c.sigma_perp, ",");
        part(" ", "╓"_cp, S_, c.tau_perp, ",");
        part(" ", "╓"_cp, P_, c.tau_par, "\n");
    } else if (detail == 1) {
        Item_Line line;
        auto item = [&](const char* symbol, const char* sub, double value) {
            if (value > 0.001) line.add(Format_Text("%s╬\\%s╬r = %.1lf N/mm²"_cp, symbol, sub, value));
        };
        item("╠"_cp, S_, c.sigma_perp);
        item("╓"_cp, S_, c.tau_perp);
        item("╓"_cp, P_, c.tau_par);
        if (line.count > 0)
            OLI_Printf(stream, "%sSpannungen auf der wirksamen Nahtfläche:  %s\n"_cp, Report_Line_Prefix,
                       line.text.c_str());
    }
    return 0;
}

int Compute_Weld_Resultant_Force(Weld_Connection& c, FILE* stream, int detail) {
    const double a = c.weld.a;
    double& result = c.results.F_w_Ed;
    auto fail = [&](const char* line) {
        result = 0.0;
        return Not_Determinable(stream, detail, Resultant_Heading, line);
    };
    if (c.force_mode == Weld_Section_Forces) {
        if (Compute_Weld_Line_Forces(c, stream, detail)) {
            result = 0.0;
            return 1;
        }
        const bool slot_or_plug = Is_Slot_Or_Plug(c.weld.type);
        const double F_sigma = slot_or_plug ? 0.0 : c.F_sigma_perp;
        const double F = std::sqrt(F_sigma * F_sigma + c.F_tau_perp * c.F_tau_perp + c.F_tau_par * c.F_tau_par) * 0.001;
        if (stream && detail >= 1) {
            if (detail >= 2) OLI_Printf(stream, Resultant_Heading, Report_Line_Prefix);
            OLI_Printf(stream, "%s%s", Report_Line_Prefix, detail == 1 ? "resultierende Nahtkraft: " : "");
            if (slot_or_plug)
                OLI_Printf(stream, "F╬\\w,Ed╬r = (F╬\\Ed╬r(╓╬\\%s╬r)² + F╬\\Ed╬r(╓╬\\%s╬r)²)╬/1/2╬r"_cp, P_, S_);
            else
                OLI_Printf(stream,
                           "F╬\\w,Ed╬r = (F╬\\Ed╬r(╠╬\\%s╬r)² + F╬\\Ed╬r(╓╬\\%s╬r)² + F╬\\Ed╬r(╓╬\\%s╬r)²)╬/1/2╬r"_cp,
                           S_, S_, P_);
            OLI_Printf(stream, " = %.2lf kN/m\n", F);
        }
        if (a < 0.001 && F > 0.001) {
            // The heading stands already.
            result = 0.0;
            return Not_Determinable(stream, 0, Resultant_Heading,
                                    "%swirksame Nahtdicke = 0  ê  Kraft nicht ermittelbar %s\n"_cp);
        }
        c.sigma_w_Ed = a < 0.001 ? 0.0 : F / a;
        c.F_w_Ed = 1000.0 * F;
        result = 1000.0 * F;
        return 0;
    }
    if (c.force_mode == Weld_Line_Forces) {
        if (a < 0.001 && c.F_w_Ed > 0.001) return fail("%swirksame Nahtdicke = 0  ê  Kraft nicht wirksam %s\n"_cp);
        result = c.F_w_Ed;
        if (stream && detail >= 1 && c.weld.l_w > 0.1)
            OLI_Printf(
                stream, "%s%sF╬\\w,Ed╬r = %.2lf kN/m\n"_cp, Report_Line_Prefix,
                detail == 1 ? "Nahtkraft " : "Bemessungswert der auf die wirksame Nahtfläche einwirkenden Kraft "_cp,
                c.F_w_Ed * 0.001);
        c.sigma_w_Ed = a < 0.001 ? 0.0 : 0.001 * c.F_w_Ed / a;
        return 0;
    }
    // Stresses given.
    if (a < 0.001 && c.sigma_w_Ed > 0.001) return fail("%swirksame Nahtdicke = 0  ê  Kraft nicht ermittelbar %s\n"_cp);
    result = 1000.0 * c.sigma_w_Ed * a;
    if (stream && detail >= 1) {
        if (detail >= 2) OLI_Printf(stream, Resultant_Heading, Report_Line_Prefix);
        OLI_Printf(stream, "%s%sF╬\\w,Ed╬r = ╠╬\\w,Ed╬r%sa = %.2lf kN/m\n"_cp, Report_Line_Prefix,
                   detail == 1 ? "resultierende Nahtkraft " : "", Times_Dot, result * 0.001);
    }
    c.F_w_Ed = result;
    return 0;
}
