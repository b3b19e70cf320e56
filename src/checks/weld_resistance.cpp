#include "checks/weld_resistance.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "checks/weld_forces.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Sqrt_3 = std::numbers::sqrt3;
constexpr const char* S_ = Subscript_Perpendicular;
constexpr const char* P_ = Subscript_Parallel;

// A correlation factor below this is not given; the weld then takes the missing-factor value.
constexpr double Beta_W_Min = 0.001;
constexpr double Beta_W_Missing = 1.0;

// Characteristic thickness band of the German annex: a plate above 40 mm takes the f_u of the band
// up to 40 mm for its welds (DIN EN 1993-1-8/NA).
constexpr double NA_DE_Band_Limit = 40.001;

// The plate whose strength governs a weld, and the strength the weld formulas use.
struct Weld_Basis {
    int plate = 1;                // 1 or 2
    double f_u = 0.0;             // f_u of the governing plate (annex rule applied)
    double f_y = 0.0;             // design f_y of the governing plate
    double beta_w = 0.0;          // of the plate, or of the filler metal for high-strength steel
    bool high_strength = false;   // f_u replaced by f_u,mod
    double f_u_used = 0.0;        // f_u or f_u,mod
    double f_u_FM = 0.0;
};

double Annex_F_u(const Plate& p, bool na_de) {
    return na_de && p.t > NA_DE_Band_Limit ? p.material.band[0].f_u : p.material.f_u;
}

Weld_Basis Governing_Plate(const Plate& p1, const Plate& p2, int plate, bool na_de) {
    const Plate& p = plate == 2 ? p2 : p1;
    Weld_Basis B;
    B.plate = plate;
    B.f_u = B.f_u_used = Annex_F_u(p, na_de);
    B.f_y = p.material.f_y;
    // Grades without a correlation factor (flat products under the later edition, own values
    // without one) take β_w = 1.0, the largest factor of the steels of EN 1993-1-8 Table 4.1.
    B.beta_w = p.material.beta_w < Beta_W_Min ? Beta_W_Missing : p.material.beta_w;
    return B;
}

// The connection's welds: the plate with the smaller design f_u governs, then the annex rule and
// the filler metal of high-strength steels (EN 1993-1-8 4.2(6)).
Weld_Basis Connection_Basis(const Weld_Connection& c) {
    const bool na_de = Is_Weld_NA_DE();
    Weld_Basis B = Governing_Plate(c.plate1, c.plate2, c.plate2.material.f_u < c.plate1.material.f_u ? 2 : 1, na_de);
    const Weld& w = c.weld;
    if (Is_High_Strength_Steel(B.f_y) && w.high_strength_filler) {
        B.high_strength = true;
        B.f_u_FM = Get_Filler_Metal_Strength(w.own_strength, w.filler_index, w.f_u_FM);
        B.f_u_used = 0.25 * B.f_u + 0.75 * B.f_u_FM;
        B.beta_w = Get_Filler_Metal_Beta_W(w.own_strength, w.filler_index, B.f_u_FM);
    }
    return B;
}

// The T-stub web weld: plate 1 after the annex rule against plate 2's design f_u; a given filler
// strength counts for high-strength steel.
Weld_Basis T_Stub_Basis(const Plate& p1, const Plate& p2, double f_u_FM, bool with_filler) {
    const bool na_de = Is_Weld_NA_DE();
    Weld_Basis B = Governing_Plate(p1, p2, p2.material.f_u < Annex_F_u(p1, na_de) ? 2 : 1, na_de);
    if (with_filler && Is_High_Strength_Steel(B.f_y) && f_u_FM > 0.01) {
        B.high_strength = true;
        B.f_u_FM = f_u_FM;
        B.f_u_used = 0.25 * B.f_u + 0.75 * f_u_FM;
        B.beta_w = Get_Filler_Metal_Beta_W(1, -1, f_u_FM);
    }
    return B;
}

// A strength divided by γM; below the smallest factor the strength is not determinable (−1).
double Divide_By_Gamma(double value, double gamma) { return gamma < Gamma_Min ? -1.0 : value / gamma; }

// A full-penetration butt weld is never stronger than the weaker plate it joins (EN 1993-1-8
// 4.7.1 with EN 1993-1-1 6.2.3): per plate f_sw = min(f_y/γM0, 0.9·f_u/γM2), the smaller governs.
// For high-strength steel a filler strength f_u,FM > 0.01 may replace 0.9·f_u by
// 0.85·(0.9·f_u)+0.15·f_u,FM, but an overmatching filler never raises it.
struct Butt_Strength {
    int plate = 1;               // the weaker plate, 1 or 2 (1 when equal)
    double f_y = 0.0;            // its design f_y
    double f_u = 0.0;            // its f_u (annex rule applied when asked)
    double f_u_mod = 0.0;        // > 0: the filler rule lowers 0.9·f_u to this value
    double f_u_FM = 0.0;
    bool yield_governs = false;  // f_y/γM0 below the f_u term
    double f_sw = 0.0;           // N/mm²; −1 when a partial factor cannot divide
};

Butt_Strength Plate_Butt_Strength(const Plate& p, int plate, bool na_de, double f_u_FM, double gamma_M0,
                                  double gamma_M2) {
    Butt_Strength S;
    S.plate = plate;
    S.f_y = p.material.f_y;
    S.f_u = Annex_F_u(p, na_de);
    double f_u_term = 0.9 * S.f_u;
    if (f_u_FM > 0.01 && Is_High_Strength_Steel(S.f_y)) {
        const double f_u_mod = 0.765 * S.f_u + 0.15 * f_u_FM;
        if (f_u_mod < f_u_term) {
            S.f_u_mod = f_u_term = f_u_mod;
            S.f_u_FM = f_u_FM;
        }
    }
    if (gamma_M0 < Gamma_Min || gamma_M2 < Gamma_Min) {
        S.f_sw = -1.0;
        return S;
    }
    S.yield_governs = S.f_y / gamma_M0 < f_u_term / gamma_M2;
    S.f_sw = S.yield_governs ? S.f_y / gamma_M0 : f_u_term / gamma_M2;
    return S;
}

Butt_Strength Weaker_Plate_Butt_Strength(const Plate& p1, const Plate& p2, bool na_de, double f_u_FM,
                                         double gamma_M0, double gamma_M2) {
    const Butt_Strength S1 = Plate_Butt_Strength(p1, 1, na_de, f_u_FM, gamma_M0, gamma_M2);
    const Butt_Strength S2 = Plate_Butt_Strength(p2, 2, na_de, f_u_FM, gamma_M0, gamma_M2);
    return S2.f_sw < S1.f_sw ? S2 : S1;
}

double Gamma_M2_Of(const Weld_Connection& c) { return Context_Gamma(c.context, Gamma_M2); }

// "\n  f_u,mod = 0.25·f_u+0.75·f_u,FM = …,  f_u,FM = …"
void Print_F_u_Mod(FILE* stream, const Weld_Basis& B) {
    OLI_Printf(stream, "\n%s  f╬\\u,mod╬r = 0.25%sf╬\\u╬r+0.75%sf╬\\u,FM╬r = %.1lf N/mm²,  f╬\\u,FM╬r = %.1lf N/mm²"_cp,
               Report_Line_Prefix, Times_Dot, Times_Dot, B.f_u_used, B.f_u_FM);
}

const char* Mod_Subscript(const Weld_Basis& B) { return B.high_strength ? ",mod" : ""; }

void Print_Condition_1_Strength(FILE* stream, int detail, const Weld_Basis& B, double f_1w_d) {
    OLI_Printf(stream,
               "%sTragfähigkeit einer Kehlnaht (Bed.1):  f╬\\1w,d╬r = f╬\\u%s╬r / (╗╬\\w╬r%s└╬\\M2╬r) = %.1lf N/mm²"_cp,
               Report_Line_Prefix, Mod_Subscript(B), Times_Dot, f_1w_d);
    if (detail >= 2) {
        if (B.high_strength)
            Print_F_u_Mod(stream, B);
        else
            OLI_Printf(stream, ",  f╬\\u╬r = %.1lf N/mm²"_cp, B.f_u_used);
        OLI_Printf(stream, ",  ╗╬\\w╬r = %.2lf (Blech %d)"_cp, B.beta_w, B.plate);
    }
    OLI_Printf(stream, "\n");
}

void Print_Condition_2_Strength(FILE* stream, int detail, const Weld_Basis& B, double f_2w_d) {
    OLI_Printf(stream, "%sTragfähigkeit einer Kehlnaht (Bed.2):  f╬\\2w,d╬r = 0.9%sf╬\\u╬r / └╬\\M2╬r = %.1lf N/mm²"_cp,
               Report_Line_Prefix, Times_Dot, f_2w_d);
    if (detail >= 2) OLI_Printf(stream, ",  f╬\\u╬r = %.1lf N/mm² (Blech %d)"_cp, B.f_u_used, B.plate);
    OLI_Printf(stream, "\n");
}

const Weld_Check_Texts Condition_1_Check = {
    "%s╬HFehler╬r: f╬\\1w,d╬r < 0 %s\n"_cp,
    "%sf╬\\1w,d╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╠╬\\1,w,Ed╬r = %.1lf N/mm²  %s  f╬\\1w,d╬r = %.1lf N/mm²"_cp,
    1.0,
};

const Weld_Check_Texts Condition_2_Check = {
    "%s╬HFehler╬r: f╬\\2w,d╬r < 0 %s\n"_cp,
    "%sf╬\\2w,d╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%s╠╬\\2,w,Ed╬r = %.1lf N/mm²  %s  f╬\\2w,d╬r = %.1lf N/mm²"_cp,
    1.0,
};

int Verify_Fillet_Weld_Simplified(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    const bool verification = c.context.verification;
    if (verification && Compute_Weld_Resultant_Force(c, stream, detail)) {
        c.U_max = 1000.0;
        return 1;
    }
    const int err = Compute_Simplified_Weld_Resistance(c, stream, detail);
    if (!verification) {
        if (stream && detail == 0)
            OLI_Printf(stream, "%sTragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = %.2lf kN/m\n"_cp, Report_Line_Prefix,
                       c.results.F_w_Rd * 0.001);
        return err;
    }
    if (c.results.F_w_Ed < -0.001) {
        if (stream) OLI_Printf(stream, "%s╬HFehler╬r: F╬\\w,Ed╬r < 0 %s\n"_cp, Report_Line_Prefix, Mark_Error());
        return 1;
    }
    return Verify_Weld_Value(c, stream, subscript, Weld_Force_Check, c.results.F_w_Ed, c.results.F_w_Rd);
}

// Directional method (EN 1993-1-8 4.5.3.2): condition 1 on the equivalent stress, condition 2 on σ⊥.
int Verify_Fillet_Weld_Directional(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    const bool verification = c.context.verification;
    const Weld_Basis B = Connection_Basis(c);
    Weld_Results& r = c.results;
    if (verification) {
        // f_2w,d/f_1w,d = 0.9·β_w rates the two signs of V⊥ by the larger of both conditions.
        const Weld_Sign_Rating rating{true, 0.9 * B.beta_w};
        if (c.force_mode != Weld_Stresses && Compute_Weld_Stresses(c, stream, detail, rating)) {
            r.sigma_1_w_Ed = 0.0;
            c.U_max = 1000.0;
            return 1;
        }
        r.sigma_1_w_Ed =
            std::sqrt(c.sigma_perp * c.sigma_perp + 3.0 * (c.tau_perp * c.tau_perp + c.tau_par * c.tau_par));
    }
    const double gamma = Gamma_M2_Of(c);
    r.f_1w_d = Divide_By_Gamma(B.f_u_used / B.beta_w, gamma);
    r.f_2w_d = Divide_By_Gamma(0.9 * B.f_u_used, gamma);

    if (!verification) {
        if (!stream) return 0;
        if (detail >= 1) {
            if (detail >= 2) OLI_Printf(stream, "%sBedingung 1:\n", Report_Line_Prefix);
            Print_Condition_1_Strength(stream, detail, B, r.f_1w_d);
            if (detail >= 2) OLI_Printf(stream, "%sBedingung 2:\n", Report_Line_Prefix);
            Print_Condition_2_Strength(stream, detail, B, r.f_2w_d);
        } else {
            OLI_Printf(stream,
                       "%sTragfähigkeiten einer Schweißnaht:  f╬\\1w,d╬r = %.1lf N/mm², f╬\\2w,d╬r = %.1lf N/mm²\n"_cp,
                       Report_Line_Prefix, r.f_1w_d, r.f_2w_d);
        }
        return 0;
    }
    if (stream) {
        if (detail >= 2) OLI_Printf(stream, "%sBedingung 1:\n", Report_Line_Prefix);
        if (detail >= 1) {
            OLI_Printf(stream, "%s╠╬\\1,w,Ed╬r = (╠╬\\%s╬r² + 3%s(╓╬\\%s╬r² + ╓╬\\%s╬r²))╬/1/2╬r = %.1lf N/mm²\n"_cp,
                       Report_Line_Prefix, S_, Times_Dot, S_, P_, r.sigma_1_w_Ed);
            Print_Condition_1_Strength(stream, detail, B, r.f_1w_d);
        }
    }
    int err = Verify_Weld_Value(c, stream, subscript, Condition_1_Check, r.sigma_1_w_Ed, r.f_1w_d);
    if (std::fabs(c.sigma_perp) > 0.001) {
        r.sigma_2_w_Ed = std::fabs(c.sigma_perp);
        if (stream) {
            if (detail >= 2) OLI_Printf(stream, "%sBedingung 2:\n", Report_Line_Prefix);
            if (detail >= 1) {
                OLI_Printf(stream, "%s╠╬\\2,w,Ed╬r = |╠╬\\%s╬r| = %.1lf N/mm²\n"_cp, Report_Line_Prefix, S_,
                           r.sigma_2_w_Ed);
                Print_Condition_2_Strength(stream, detail, B, r.f_2w_d);
            }
        }
        err |= Verify_Weld_Value(c, stream, subscript, Condition_2_Check, r.sigma_2_w_Ed, r.f_2w_d);
    }
    return err;
}

// "Belastung F_w,Ed = σ·a" of a butt weld, a the plate thickness.
void Print_Butt_Weld_Load(FILE* stream, int detail, double F_w_Ed) {
    if (stream && detail >= 1)
        OLI_Printf(stream, "%sBelastung F╬\\w,Ed╬r = ╠%sa = %.2lf kN/m\n"_cp, Report_Line_Prefix, Times_Dot,
                   F_w_Ed * 0.001);
}

// A full-penetration butt weld whose throat a has been set to the plate thickness t.
int Verify_Full_Butt_Weld(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    const double t = c.weld.a;
    Weld_Results& r = c.results;
    if (c.context.verification) {
        if (c.flags & Weld_Flag_Directional) {
            // One check on the equivalent stress: the sign of V⊥ that raises it governs.
            const Weld_Sign_Rating rating{true, 0.0};
            if (c.force_mode != Weld_Stresses && Compute_Weld_Stresses(c, stream, detail, rating)) {
                r.F_w_Ed = 0.0;
                c.U_max = 1000.0;
                return 1;
            }
            // Equivalent stress of the plate section (EN 1993-1-8 4.7.1: the plate's resistance).
            const double sigma =
                std::sqrt(c.sigma_perp * c.sigma_perp + 3.0 * (c.tau_perp * c.tau_perp + c.tau_par * c.tau_par));
            if (stream && detail >= 1) {
                OLI_Printf(stream, "%s╠ = (╠╬\\%s╬r² + 3%s(╓╬\\%s╬r² + ╓╬\\%s╬r²))╬/1/2╬r = %.1lf N/mm²"_cp,
                           Report_Line_Prefix, S_, Times_Dot, S_, P_, sigma);
                const double given[3] = {c.sigma_perp, c.tau_perp, c.tau_par};
                if (detail >= 2 && c.force_mode == Weld_Stresses &&
                    std::any_of(given, given + 3, [](double s) { return s > 0.001; })) {
                    const char* symbols[3] = {"╠"_cp, "╓"_cp, "╓"_cp};
                    const char* subs[3] = {S_, S_, P_};
                    const char* separator = "  mit ";
                    for (int k = 0; k < 3; ++k) {
                        if (given[k] <= 0.001) continue;
                        OLI_Printf(stream, "%s%s╬\\%s╬r = %.1lf N/mm²"_cp, separator, symbols[k], subs[k], given[k]);
                        separator = ", ";
                    }
                }
                OLI_Printf(stream, "\n");
            }
            r.F_w_Ed = 1000.0 * sigma * t;
            Print_Butt_Weld_Load(stream, detail, r.F_w_Ed);
        } else if (c.force_mode != Weld_Stresses) {
            if (Compute_Weld_Resultant_Force(c, stream, detail)) {
                c.U_max = 1000.0;
                return 1;
            }
        } else {
            r.F_w_Ed = 1000.0 * c.sigma_w_Ed * t;
            Print_Butt_Weld_Load(stream, detail, r.F_w_Ed);
        }
    }
    const int err = Compute_Butt_Weld_Resistance(c, stream, detail);
    if (c.context.verification && r.F_w_Ed > 0.001)
        Verify_Weld_Value(c, stream, subscript, Weld_Force_Check, r.F_w_Ed, r.F_w_Rd);
    return err;
}

}   // namespace

const Weld_Check_Texts Weld_Force_Check = {
    "%s╬HFehler╬r: F╬\\w,Rd╬r < 0 %s\n"_cp,
    "%sF╬\\w,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp,
    "%sF╬\\w,Ed╬r = %.2lf kN/m  %s  F╬\\w,Rd╬r = %.2lf kN/m"_cp,
    0.001,
};

double Weld_Utilisation(double E, double R) {
    const double U = E / R;
    return U > 1.0 && U < 1.001 ? 1.0 : U;
}

int Verify_Weld_Value(Weld_Connection& c, FILE* stream, const char* subscript, const Weld_Check_Texts& texts, double E,
                      double R) {
    if (R < -0.001) {
        if (stream) OLI_Printf(stream, texts.error, Report_Line_Prefix, Mark_Error());
        return 1;
    }
    if (R < 0.001) {
        if (stream) OLI_Printf(stream, texts.zero, Report_Line_Prefix, Mark_Warning());
        // A load that meets no resistance is not verified.
        if (E > 0.001) c.check_error_flags |= 1;
        return 0;
    }
    const double U = Weld_Utilisation(E, R);
    c.U_max = std::max(c.U_max, U);
    if (!stream) return 0;
    OLI_Printf(stream, texts.line, Report_Line_Prefix, E * texts.scale, Get_Relation_Sign_LE(E, R), R * texts.scale);
    OLI_Printf(stream, "  ê  U╬\\%s╬r = %.3lf  %s  1"_cp, subscript ? subscript : "", U, Get_Relation_Sign_LE(U, 1.0));
    if (!(c.flags & Weld_Flag_No_Marks)) OLI_Printf(stream, "  %s", U <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
    OLI_Printf(stream, "\n");
    return 0;
}

void Compute_Weld_Design_Shear_Strength(Weld_Connection& c, FILE* stream) {
    const Weld_Basis B = Connection_Basis(c);
    // EN 1993-1-8 (4.4): f_vw,d = f_u/√3 / (β_w·γM2).
    c.results.f_vw_d = Divide_By_Gamma(B.f_u_used / (Sqrt_3 * B.beta_w), Gamma_M2_Of(c));
    if (!stream) return;
    OLI_Printf(
        stream,
        "%sScherfestigkeit:  f╬\\vw,d╬r = (f╬\\u%s╬r/3╬/1/2╬r) / (╗╬\\w╬r%s└╬\\M2╬r) = %.1lf N/mm²,  ╗╬\\w╬r = %.2lf"_cp,
        Report_Line_Prefix, Mod_Subscript(B), Times_Dot, c.results.f_vw_d, B.beta_w);
    if (B.high_strength) Print_F_u_Mod(stream, B);
    OLI_Printf(stream, ",  f╬\\u╬r = %.1lf N/mm²"_cp, B.f_u);
    if (!B.high_strength) OLI_Printf(stream, " (Blech %d)", B.plate);
    OLI_Printf(stream, "\n");
}

int Compute_Simplified_Weld_Resistance(Weld_Connection& c, FILE* stream, int detail) {
    Compute_Weld_Design_Shear_Strength(c, detail >= 2 ? stream : nullptr);
    Weld_Results& r = c.results;
    // EN 1993-1-8 (4.3): F_w,Rd = f_vw,d·a, per metre of weld.
    r.F_w_Rd = 1000.0 * r.f_vw_d * c.weld.a;
    if (stream && detail >= 1) {
        OLI_Printf(stream, "%sTragfähigkeit einer Schweißnaht:  F╬\\w,Rd╬r = f╬\\vw,d╬r%sa = %.2lf kN/m"_cp,
                   Report_Line_Prefix, Times_Dot, r.F_w_Rd * 0.001);
        if (detail == 1) OLI_Printf(stream, ",  f╬\\vw,d╬r = %.1lf N/mm²,  a = %.1lf mm"_cp, r.f_vw_d, c.weld.a);
        OLI_Printf(stream, "\n");
    }
    return r.F_w_Rd < -0.001 ? 1 : 0;
}

int Verify_Fillet_Weld(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    if (c.flags & Weld_Flag_Directional) return Verify_Fillet_Weld_Directional(c, stream, detail, subscript);
    return Verify_Fillet_Weld_Simplified(c, stream, detail, subscript);
}

int Verify_Butt_Weld(Weld_Connection& c, FILE* stream, int detail, const char* subscript) {
    Weld& w = c.weld;
    // Effective thickness: the connected plate, or the thinner plate of a joint in line.
    const double t = Butt_Weld_Effective_Thickness(c);
    if (!w.full_penetration) {
        const bool through = c.side != Weld_Two_Sided ? std::fabs(w.a - t) < 0.001 : std::fabs(w.a - t / 2.0) < 0.001;
        if (!through) return Verify_Fillet_Weld(c, stream, detail, subscript);
        if (stream && detail >= 2)
            OLI_Printf(stream, "%sDie Naht ist durchgeschweißt (a = %.1lf mm)\n"_cp, Report_Line_Prefix, w.a);
    }
    // A weld through the whole plate is a full-penetration weld, its loads included; the stored
    // throat and switch come back afterwards.
    const double a = w.a;
    const int full_penetration = w.full_penetration;
    w.a = t;
    w.full_penetration = 1;
    const int err = Verify_Full_Butt_Weld(c, stream, detail, subscript);
    w.a = a;
    w.full_penetration = full_penetration;
    return err;
}

int Compute_Butt_Weld_Resistance(Weld_Connection& c, FILE* stream, int detail) {
    const Weld& w = c.weld;
    // The weaker plate's strength (EN 1993-1-8 4.7.1); a high-strength filler may lower the f_u
    // term to 0.85·(0.9·f_u) + 0.15·f_u,FM but never raise it.
    const double f_u_FM =
        w.high_strength_filler ? Get_Filler_Metal_Strength(w.own_strength, w.filler_index, w.f_u_FM) : 0.0;
    const Butt_Strength S = Weaker_Plate_Butt_Strength(c.plate1, c.plate2, false, f_u_FM,
                                                       Context_Gamma(c.context, Gamma_M0), Gamma_M2_Of(c));
    // The simplified method compares a resultant, which the weld carries as a shear: f_sw/√3.
    const bool shear = !(c.flags & Weld_Flag_Directional);
    double& F_w_Rd = c.results.F_w_Rd;
    F_w_Rd = S.f_sw < 0.0 ? 1000.0 * S.f_sw : 1000.0 * S.f_sw * w.a / (shear ? Sqrt_3 : 1.0);
    if (stream && detail >= 1) {
        OLI_Printf(stream, "%sTragfähigkeit einer durchgeschweißten Stumpfnaht:  F╬\\w,Rd╬r = "_cp, Report_Line_Prefix);
        if (S.yield_governs)
            OLI_Printf(stream, "f╬\\y╬r%sa"_cp, Times_Dot);
        else if (S.f_u_mod > 0.0)
            OLI_Printf(stream, "f╬\\u,mod╬r%sa"_cp, Times_Dot);
        else
            OLI_Printf(stream, "0.9%sf╬\\u╬r%sa"_cp, Times_Dot, Times_Dot);
        const char* gamma = S.yield_governs ? "└╬\\M0╬r"_cp : "└╬\\M2╬r"_cp;
        if (shear)
            OLI_Printf(stream, "/(3╬/1/2╬r%s%s)"_cp, Times_Dot, gamma);
        else
            OLI_Printf(stream, "/%s", gamma);
        OLI_Printf(stream, " = %.2lf kN/m", F_w_Rd * 0.001);
        if (detail >= 2) {
            if (S.yield_governs)
                OLI_Printf(stream, ",  f╬\\y╬r = %.1lf N/mm²  (Blech %d)"_cp, S.f_y, S.plate);
            else if (S.f_u_mod > 0.0)
                OLI_Printf(stream, "\n%s  f╬\\u,mod╬r = 0.85%s(0.9%sf╬\\u╬r)+0.15%sf╬\\u,FM╬r = %.1lf N/mm²"_cp,
                           Report_Line_Prefix, Times_Dot, Times_Dot, Times_Dot, S.f_u_mod);
            else
                OLI_Printf(stream, ",  f╬\\u╬r = %.1lf N/mm²  (Blech %d)"_cp, S.f_u, S.plate);
        }
        OLI_Printf(stream, "\n");
    }
    return F_w_Rd < -0.001 ? 1 : 0;
}

void Compute_Weld_Resistance_Per_Length(Weld_Connection& c, FILE* stream, int detail) {
    c.check_error_flags = 0;
    c.results = Weld_Results{};
    if (c.weld.type == Weld_Fillet || (c.weld.type == Weld_Butt && !c.weld.full_penetration))
        Compute_Simplified_Weld_Resistance(c, stream, detail);
    else if (c.weld.type == Weld_Butt)
        Compute_Butt_Weld_Resistance(c, stream, detail);
}

double Compute_Fillet_Weld_Strength(const Plate& plate1, const Plate& plate2, double f_u_FM, double gamma_M2,
                                    FILE* stream, int detail) {
    if (gamma_M2 < 0.01) return 0.0;
    const Weld_Basis B = T_Stub_Basis(plate1, plate2, f_u_FM, true);
    const double f_1w_d = B.f_u_used / (B.beta_w * gamma_M2);
    if (stream && detail >= 1) {
        OLI_Printf(
            stream,
            "%sTragfähigkeit einer Kehlnaht (Bed.1):  f╬\\1w,d╬r = f╬\\u╬r / (╗╬\\w╬r%s└╬\\M2╬r) = %.1lf N/mm²"_cp,
            Report_Line_Prefix, Times_Dot, f_1w_d);
        if (detail >= 2) OLI_Printf(stream, ",  f╬\\u╬r = %.1lf N/mm²,  ╗╬\\w╬r = %.2lf"_cp, B.f_u_used, B.beta_w);
        OLI_Printf(stream, "\n");
    }
    return f_1w_d;
}

double Compute_Weld_Shear_Strength(const Plate& plate1, const Plate& plate2, double f_u_FM, double gamma_M2,
                                   FILE* stream, int detail) {
    const Weld_Basis B = T_Stub_Basis(plate1, plate2, f_u_FM, true);
    const double f_vw_d = Divide_By_Gamma(B.f_u_used / (Sqrt_3 * B.beta_w), gamma_M2);
    if (stream) {
        OLI_Printf(stream, "%sScherfestigkeit:  f╬\\vw,d╬r = (f╬\\u╬r/3╬/1/2╬r) / (╗╬\\w╬r%s└╬\\M2╬r) = %.1lf N/mm²"_cp,
                   Report_Line_Prefix, Times_Dot, f_vw_d);
        if (detail >= 2) OLI_Printf(stream, ",  f╬\\u╬r = %.1lf N/mm²,  ╗╬\\w╬r = %.2lf"_cp, B.f_u_used, B.beta_w);
        OLI_Printf(stream, "\n");
    }
    return f_vw_d;
}

double Compute_Butt_Weld_Strength(const Plate& plate1, const Plate& plate2, double, double gamma_M0, double gamma_M2,
                                  FILE* stream, int detail) {
    const Butt_Strength S = Weaker_Plate_Butt_Strength(plate1, plate2, Is_Weld_NA_DE(), 0.0, gamma_M0, gamma_M2);
    if (stream) {
        OLI_Printf(stream, "%sFestigkeit einer durchgeschweißten Stumpfnaht:  f╬\\sw,Rd╬r = "_cp, Report_Line_Prefix);
        if (S.yield_governs)
            OLI_Printf(stream, "f╬\\y╬r/└╬\\M0╬r = %.2lf N/mm²"_cp, S.f_sw);
        else
            OLI_Printf(stream, "0.9%sf╬\\u╬r/└╬\\M2╬r = %.2lf N/mm²"_cp, Times_Dot, S.f_sw);
        if (detail >= 2) OLI_Printf(stream, ",  f╬\\%s╬r = %.1lf N/mm²"_cp, S.yield_governs ? "y" : "u", S.yield_governs ? S.f_y : S.f_u);
        OLI_Printf(stream, "\n");
    }
    return S.f_sw;
}
