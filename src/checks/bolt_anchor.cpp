// The concrete side of an anchor bolt after EN 1992-4: the characteristic concrete cone resistance
// of a single anchor (7.2.1.4) and the combined pull-out and concrete resistance of a bonded anchor
// (7.2.1.6), with the concrete shear strength of EN 1992-1-1 6.2.2 from the active annex.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "annex/annex_record.h"
#include "checks/bolt_lines.h"
#include "checks/bolt_resistances.h"
#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Spacing_Given = 0.01;   // mm
constexpr int Anchorage_Bonded = 2;       // bonded anchor, combined pull-out and concrete failure

// Overlap of the cones of neighbouring anchors (EN 1992-4 7.2.1.4): per direction with a spacing p
// the cone of one anchor keeps ψ = (3 h_ef + min(p, 3 h_ef))/(6 h_ef) of its projected area. The
// product over both directions is A_c,N/(n A⁰_c,N) of the n anchors (1, 2 or 4) whose cones the
// group spans, which the concrete size 3 ℓ_e + p already assumes.
struct Cone_Overlap {
    int n = 1;
    double ratio = 1.0;
};

Cone_Overlap Group_Overlap(const Bolt_Connection& C, double h_ef) {
    Cone_Overlap o;
    const double s_cr = 3.0 * h_ef;
    for (const double p : {C.p_1, C.p_2}) {
        if (p <= Spacing_Given || s_cr <= 0.0) continue;
        o.n *= 2;
        o.ratio *= (s_cr + std::min(p, s_cr)) / (2.0 * s_cr);
    }
    return o;
}

// N_Rk,c = N⁰_Rk,c A_c,N/(n A⁰_c,N) ψ_s,N ψ_re,N ψ_ec,N ψ_M,N of one anchor of the group without edge
// influence: c = c_cr,N = 1.5 h_ef gives ψ_s,N = 0.7 + 0.3 c/c_cr,N = 1, every other factor is 1.
double Cone_Resistance(const Bolt_Connection& C, FILE* stream, int level) {
    const Fastener& F = C.fastener;
    const double f_ck = Anchor_Concrete_Fck(C);
    const double h_ef = F.l_e;
    const double k_1 = F.anchorage == Anchorage_Threaded_Rod ? 7.7 : 8.9;
    const double N_0 = k_1 * std::sqrt(std::max(f_ck, 0.0)) * std::pow(std::max(h_ef, 0.0), 1.5);
    const double psi_s = 0.7 + 0.3 * 1.0, psi_re = 1.0, psi_ec = 1.0, psi_M = 1.0;
    const Cone_Overlap group = Group_Overlap(C, h_ef);
    const double N_Rk = N_0 * group.ratio * psi_s * psi_re * psi_ec * psi_M;
    if (!stream) return N_Rk;
    if (level == 0) {
        OLI_Printf(stream, "N╬\\Rk,c╬r = %.2lf kN"_cp, N_Rk * 0.001);
        OLI_Printf(stream, ",  A╬\\c,N╬r/(%d%sA╬\\c,N╬/0╬r) = %.3lf"_cp, group.n, Times_Dot, group.ratio);
        return N_Rk;
    }
    OLI_Printf(stream, "%sWiderstand gegen kegelförmigen Betonausbruch%s N╬\\Rk,c╬r"_cp, Report_Line_Prefix,
               Label_Separator(level));
    OLI_Printf(stream, " = N╬\\Rk,c╬/0╬r%sA╬\\c,N╬r/(%d%sA╬\\c,N╬/0╬r)%s╥╬\\s,N╬r%s╥╬\\re,N╬r%s╥╬\\ec,N╬r%s╥╬\\M,N╬r"_cp,
               Times_Dot, group.n, Times_Dot, Times_Dot, Times_Dot, Times_Dot, Times_Dot);
    OLI_Printf(stream, " = %.2lf kN\n%s  ", N_Rk * 0.001, Report_Line_Prefix);
    OLI_Printf(stream, "╥╬\\s,N╬r = %.1lf,  ╥╬\\re,N╬r = %.1lf,  ╥╬\\ec,N╬r = %.1lf,  ╥╬\\M,N╬r = %.1lf"_cp, psi_s, psi_re,
               psi_ec, psi_M);
    OLI_Printf(stream, ",  A╬\\c,N╬r/(%d%sA╬\\c,N╬/0╬r) = %.3lf"_cp, group.n, Times_Dot, group.ratio);
    if (level == 1) {
        OLI_Printf(stream, ",  N╬\\Rk,c╬/0╬r = %.2lf kN"_cp, N_0 * 0.001);
    } else {
        OLI_Printf(stream, "\n%s  N╬\\Rk,c╬/0╬r = k╬\\1╬r%sf╬\\ck╬/1/2╬r%sh╬\\ef╬/3/2╬r = %.2lf kN"_cp, Report_Line_Prefix,
                   Times_Dot, Times_Dot, N_0 * 0.001);
        OLI_Printf(stream, ",  k╬\\1╬r = %.1lf,  f╬\\ck╬r = %.1lf N/mm²,  h╬\\ef╬r = %.1lf mm"_cp, k_1, f_ck, h_ef);
    }
    OLI_Printf(stream, "\n");
    return N_Rk;
}

// N_Rk,p = ψ_g,Np N⁰_Rk,p of a bonded anchor, with the group factor of two anchors at spacing s.
double Bonded_Resistance(const Bolt_Connection& C) {
    const Fastener& F = C.fastener;
    if (F.anchorage != Anchorage_Bonded || F.d <= 0.0) return 0.0;
    const double h = C.plate_2.t, f_ck = Anchor_Concrete_Fck(C), d = F.d, h_ef = F.l_e;
    const double tau_Rk = 0.8 * Compute_Concrete_Shear_Strength(h, f_ck);
    const double tau_Rk_20 = Compute_Concrete_Shear_Strength(h, 20.0);
    const double psi_s = 1.0;
    const double N_0 = psi_s * std::numbers::pi * d * h_ef * tau_Rk;
    const bool p_1 = C.p_1 > Spacing_Given, p_2 = C.p_2 > Spacing_Given;
    const double s = C.p_1 < Spacing_Given ? C.p_2 : C.p_2 < Spacing_Given ? C.p_1 : (C.p_1 + C.p_2) / 2.0;
    const double s_cr = std::min(7.3 * d * std::sqrt(0.8 * tau_Rk_20), 3.0 * h_ef);
    double psi_g_0 = 1.0;
    if (p_1 && p_2) {
        const double tau_Rk_c = (7.7 / std::numbers::pi) / d * std::sqrt(std::max(h_ef * f_ck, 0.0));
        if (tau_Rk_c > 0.0)
            psi_g_0 = std::max(std::numbers::sqrt2 - (std::numbers::sqrt2 - 1.0) * std::pow(tau_Rk_20 / tau_Rk_c, 1.5), 1.0);
    }
    // Without a critical spacing the group acts as single anchors (ψ_g,Np = 1).
    const double psi_g = s_cr > 0.0 ? std::max(psi_g_0 + std::sqrt(s / s_cr) * (1.0 - psi_g_0), 1.0) : 1.0;
    return psi_g * N_0;
}

}  // namespace

double Compute_Concrete_Cone_Resistance(const Bolt_Connection* connection, int mode, FILE* stream, int level) {
    if (!connection || connection->fastener.type != Fastener_Anchor_Bolt) return 0.0;
    return mode == 0 ? Cone_Resistance(*connection, stream, level) : mode == 1 ? Bonded_Resistance(*connection) : 0.0;
}

double Compute_Concrete_Shear_Strength(double h, double f_ck) {
    const NAD_EC2_Block* ec2 = NAD_Get_EC2();
    const double k = h > 200.0 ? 1.0 + std::sqrt(200.0 / h) : 2.0;
    // γ_c (v_min factor/γ_c) k (k f_ck)^1/2: the partial factor cancels, so that the characteristic
    // strength needs none. The C_Rd,c term vanishes without reinforcement (ρ = 0).
    const double v = ec2->v_min_form == 1 ? ec2->gamma_c[0] * ec2->v_min
                                          : ec2->v_min * k * std::sqrt(k * std::max(f_ck, 0.0));
    return std::max(v, 0.0);
}
