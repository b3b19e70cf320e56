#include "checks/weld_input_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Degree = std::numbers::pi / 180.0;

// Smallest plate thickness for welding (EN 1993-1-8 4.1(1)); hollow sections 2.5 / 1.5 mm.
constexpr double T_Min_2010 = 4.0, T_Min_2025 = 3.0;
constexpr double T_Min_Hollow_2010 = 2.5, T_Min_Hollow_2025 = 1.5;

// Fillet-weld angles outside 60° to 120° carry no load as fillet welds (EN 1993-1-8 4.3.2.1(1)).
constexpr double Theta_Min = 60.0, Theta_Max = 120.0;

constexpr double A_Min = 3.0;               // mm, EN 1993-1-8 4.5.2(2)
constexpr double A_Min_NA_DE_Thick = 5.0;   // mm, NA-DE for t_max ≥ 30 mm
constexpr double L_Eff_Min = 30.0;          // mm, EN 1993-1-8 4.5.1(2): also at least 6a

const char* const Input_Error_Line =
    "%s╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden %s\n"_cp;

// The line of one rule: written with a stream when the rule fails or verbose is set.
bool Shown(FILE* stream, bool failed, int verbose) { return stream && (failed || verbose); }

// Penetration depth that still lies inside the throat of a fillet weld with the half opening angle
// `half` (rad): x = a/cos(half) − a·sin(half)/s, s the sine of the full angle. A vanishing sine leaves
// the depth unlimited (result 0).
double Penetration_Limit(double a, double half, double s) {
    if (s == 0.0) return 0.0;
    const double c = std::cos(half);
    const double slope = a * std::sin(half) / s;
    return c == 0.0 ? -slope : a / c - slope;
}

// The penetration depth of a fillet weld limited to the throat geometry and, for a weld on both
// sides, to half the plate thickness outside the root face.
void Limit_Penetration_Depth(Weld_Connection& c) {
    Weld& w = c.weld;
    const double beta = w.theta * Degree;
    double x = Penetration_Limit(w.a, beta / 2.0, std::sin(std::numbers::pi - beta));
    if (x < w.e && x > 0.1) w.e = x;
    if (c.side != Weld_Two_Sided) return;
    const double t_2 = c.plate2.t;
    const double g = t_2 > 15.0 ? 0.2 * t_2 : 3.0;   // root face
    if (t_2 - g > 0.2 && (t_2 - g) / 2.0 < w.e) w.e = (t_2 - g) / 2.0;
    x = Penetration_Limit(w.a, (std::numbers::pi - beta) / 2.0, std::sin(beta));
    if (x > 0.1 && x < w.e) w.e = x;
}

void Normalise_Angle(Weld& w, double t_1, double t_2) {
    if (w.type == Weld_Fillet) {
        if (w.theta < 0.1)
            w.theta = 90.0;
        else if (t_1 > 0.1 && t_2 > 0.1)
            w.theta = std::clamp(w.theta, Theta_Min, Theta_Max);
    } else if (Is_Slot_Or_Plug(w.type)) {
        w.theta = 90.0;
    }
}

void Apply_Table_Filler(Weld& w) {
    if (w.type != Weld_Fillet && w.type != Weld_Butt) return;
    if (!w.own_strength && w.filler_index >= 0 && w.filler_index < static_cast<int>(Filler_Metal_Table.size()))
        w.f_u_FM = Filler_Metal_Table[w.filler_index].f_u;
}

struct Rule_Texts {
    FILE* stream;
    int messages;
    int verbose;
    const char* text;
};

int Check_Plate_Thicknesses(const Rule_Texts& R, double t_1, double t_2, int hollow_section) {
    const double t_min = Weld_Min_Plate_Thickness(hollow_section);
    const char* hollow = hollow_section ? "Hohlprofil: " : "";
    const double t[2] = {t_1, t_2};
    int error = 0;
    for (int k = 0; k < 2; ++k) {
        if (t[k] <= 0.01) continue;
        const bool thin = t[k] < t_min - 0.001;
        if (thin) error = 1;
        if (Shown(R.stream, thin, R.verbose))
            OLI_Printf(R.stream, "%s%s%sBlechdicke t╬\\%d╬r = %.1lf mm %s %.1lf mm  %s\n"_cp, Report_Line_Prefix,
                       R.text, hollow, k + 1, t[k], Get_Relation_Sign_GE(t[k], t_min), t_min,
                       thin ? Mark_Not_Ok() : Mark_Note_Ok());
        if (thin && R.messages) PrintMessage("%sBlechdicke t%d = %.1lf mm < %.1lf mm", R.text, k + 1, t[k], t_min);
    }
    return error;
}

// Throat limits of a fillet weld; none of them refuses the input.
void Check_Fillet_Throat(const Rule_Texts& R, double a, double t_1, double t_2, int hollow_section) {
    const double t_min = Weld_Min_Plate_Thickness(hollow_section);
    const double t_max = std::max(t_1, t_2);
    const double t_small = std::min(t_1, t_2);
    const double t_a = t_small < t_min - 0.001 ? t_max : t_small;
    bool thick_plate_short = false;
    if (Is_Weld_NA_DE()) {
        if (t_max >= 30.0 - 0.001) {
            thick_plate_short = a < A_Min_NA_DE_Thick - 0.001;
            if (Shown(R.stream, thick_plate_short, R.verbose))
                OLI_Printf(
                    R.stream,
                    "%s%sNA-DE: Blechdicke t╬\\max╬r ≥ 30 mm: Nahtdicke a = %.1lf mm %s a╬\\min╬r = %.0lf mm  %s\n"_cp,
                    Report_Line_Prefix, R.text, a, Get_Relation_Sign_GE(a, A_Min_NA_DE_Thick), A_Min_NA_DE_Thick,
                    thick_plate_short ? Mark_Error() : Mark_Note_Ok());
            if (thick_plate_short && R.messages)
                PrintMessage("%sNA-DE: Blechdicke tmax ≥ 30 mm: Nahtdicke a = %.1lf mm %s amin = %.2lf mm"_cp, R.text,
                             a, Get_Relation_Sign_GE(a, A_Min_NA_DE_Thick), A_Min_NA_DE_Thick);
        } else if (t_max > 3.0 - 0.001) {
            const double a_min = std::sqrt(t_max) - 0.5;
            const bool short_throat = a < a_min - 0.001;
            if (Shown(R.stream, short_throat, R.verbose))
                OLI_Printf(R.stream,
                           "%s%sNA-DE: Blechdicke t╬\\max╬r ≥ 3 mm: Nahtdicke a = %.1lf mm %s a╬\\min╬r = "
                           "t╬\\max╬r╬/1/2╬r - 0.5 = %.2lf mm  %s\n"_cp,
                           Report_Line_Prefix, R.text, a, Get_Relation_Sign_GE(a, a_min), a_min,
                           short_throat ? Mark_EC3_Condition() : Mark_Note_Ok());
            if (short_throat) {
                EC3_Condition_Footnote_Flag = 1;
                if (R.messages)
                    PrintMessage("%sNA-DE: Blechdicke tmax ≥ 3 mm: Nahtdicke a = %.1lf mm %s amin = %.2lf mm"_cp,
                                 R.text, a, Get_Relation_Sign_GE(a, a_min), a_min);
            }
        }
        // Upper limit 0.7·t_min of the welding practice; reported from 0.1 mm beyond it.
        if (t_a > 0.001 && !hollow_section) {
            const double a_max = 0.7 * t_a;
            if (R.stream && (a > a_max + 0.1 || R.verbose))
                OLI_Printf(
                    R.stream,
                    "%s%sNahtdicke a = %.1lf mm %s a╬\\max╬r = 0.7%st╬\\min╬r = %.1lf mm (Schweißtechnik, s. DIN "
                    "18800)  %s\n"_cp,
                    Report_Line_Prefix, R.text, a, Get_Relation_Sign_LE(a, a_max), Times_Dot, a_max,
                    a > a_max + 0.001 ? Mark_Warning() : Mark_Note_Ok());
        }
    }
    if (thick_plate_short) return;
    const bool short_throat = a < A_Min - 0.001;
    if (Shown(R.stream, short_throat, R.verbose))
        OLI_Printf(R.stream, "%s%sNahtdicke a = %.1lf mm %s a╬\\min╬r = %.0lf mm  %s\n"_cp, Report_Line_Prefix, R.text,
                   a, Get_Relation_Sign_GE(a, A_Min), A_Min, short_throat ? Mark_EC3_Condition() : Mark_Note_Ok());
    if (short_throat) {
        EC3_Condition_Footnote_Flag = 1;
        if (R.messages)
            PrintMessage("%sNahtdicke a = %.1lf mm %s amin = %.0lf mm", R.text, a, Get_Relation_Sign_GE(a, A_Min),
                         A_Min);
    }
}

// The throat of a partial-penetration butt weld must leave the unwelded root face Δt of the plate.
// Result: 1 when the throat is too large.
int Check_Partial_Penetration(const Rule_Texts& R, const Weld& w, double t_1, double t_2, int side,
                              int hollow_section) {
    if (w.a < 0.1) {
        if (R.stream) OLI_Printf(R.stream, "%s%sNahtdicke a = 0  ê  kein Check\n"_cp, Report_Line_Prefix, R.text);
        return 0;
    }
    const double t_min = Weld_Min_Plate_Thickness(hollow_section);
    // Thickness of plate 2 across the inclined fusion face, alike from either side; an angle whose
    // sine vanishes is a joint in line.
    const double sin_theta = std::sin(w.theta * Degree);
    const bool in_line = std::fabs(w.theta) < 0.01 || std::fabs(sin_theta) < 0.001;
    const double t_2_eff = in_line ? std::fabs(t_2) : std::fabs(t_2 / sin_theta);
    const double t_max = std::max(t_1, t_2_eff);
    if (t_max <= t_min - 0.001) return 0;

    const bool two_sided = side == Weld_Two_Sided;
    auto root_face = [&](double t) { return two_sided && t <= 15.0 ? 3.0 : 0.2 * t; };
    double t = t_max, dt = 0.0;
    bool found = false;
    auto candidate = [&](double t_i) {
        const double dt_i = root_face(t_i);
        if (!found || t_i - dt_i < t - dt) {
            t = t_i;
            dt = dt_i;
            found = true;
        }
    };
    if (w.theta < 0.1 && t_1 > t_min - 0.001) candidate(t_1);
    if (t_2_eff > t_min - 0.001) candidate(t_2_eff);
    const double limit = two_sided ? (t - dt) / 2.0 : t - dt;
    const bool too_large = w.a > limit + 0.001;
    if (Shown(R.stream, too_large, R.verbose))
        OLI_Printf(R.stream,
                   two_sided
                       ? "%s%snicht durchgeschweißt: Nahtdicke a = %.1lf mm %s (t-út)/2 = %.1lf mm, t = %.1lf mm, "
                         "út = %.1lf mm  %s\n"_cp
                       : "%s%snicht durchgeschweißt: Nahtdicke a = %.1lf mm %s t-út = %.1lf mm, t = %.1lf mm, "
                         "út = %.1lf mm  %s\n"_cp,
                   Report_Line_Prefix, R.text, w.a, Get_Relation_Sign_GE(w.a, limit), limit, t, dt,
                   too_large ? Mark_Not_Ok() : Mark_Note_Ok());
    if (too_large && R.messages)
        PrintMessage(two_sided ? "nicht durchgeschweißt: Nahtdicke a = %.1lf mm ≥ (t-út)/2 = %.1lf mm, t = %.1lf mm, "
                                 "út = %.1lf mm\n"_cp
                               : "nicht durchgeschweißt: Nahtdicke a = %.1lf mm ≥ t-út = %.1lf mm, t = %.1lf mm, "
                                 "út = %.1lf mm\n"_cp,
                     w.a, limit, t, dt);
    return too_large ? 1 : 0;
}

// Slot weld: d ≥ 4t. Plug weld (EN 1993-1-8 4.3.5): d ≥ t + 8 mm and the plug thickness. Result: 1
// when a rule failed.
int Check_Slot_Diameter(const Weld_Connection& c, FILE* stream, int messages, int verbose) {
    const Weld& w = c.weld;
    const double t = c.plate1.t;
    const double d_req = 4.0 * t;
    const bool small = w.d < d_req - 0.001;
    if (Shown(stream, small, verbose))
        OLI_Printf(stream, "%sLochdurchmesser d = %.1lf mm %s 4%st = %.1lf mm  %s\n", Report_Line_Prefix, w.d,
                   Get_Relation_Sign_GE(w.d, d_req), Times_Dot, d_req, small ? Mark_Not_Ok() : Mark_Note_Ok());
    if (small && messages) PrintMessage("Lochdurchmesser d = %.1lf mm < erf d = %.1lf mm", w.d, d_req);
    return small ? 1 : 0;
}

int Check_Plug_Geometry(const Weld_Connection& c, FILE* stream, int messages, int verbose) {
    const Weld& w = c.weld;
    const double t = c.plate1.t;
    const double d_req = t + 8.0;
    const bool small = w.d < d_req - 0.001;
    if (Shown(stream, small, verbose))
        OLI_Printf(stream, "%sLochdurchmesser d = %.1lf mm %s 8 mm + t = %.1lf mm  %s\n", Report_Line_Prefix, w.d,
                   Get_Relation_Sign_GE(w.d, d_req), d_req, small ? Mark_Not_Ok() : Mark_Note_Ok());
    if (small && messages) PrintMessage("Lochdurchmesser d = %.1lf mm < erf d = %.1lf mm", w.d, d_req);

    bool wrong = false;
    if (t <= 16.0) {
        // Up to 16 mm the plug fills the hole.
        wrong = std::fabs(w.a - t) > 0.001;
        if (Shown(stream, wrong, verbose))
            OLI_Printf(stream, "%sDicke der Lochschweißung für t ≤ 16 mm:  a = %.1lf mm %s t = %.1lf mm  %s\n"_cp,
                       Report_Line_Prefix, w.a, wrong ? "!=" : "=", t, wrong ? Mark_Not_Ok() : Mark_Note_Ok());
        if (wrong && messages) PrintMessage("Dicke der Lochschweißung a = %.1lf mm != erf a = %.1lf mm"_cp, w.a, t);
    } else {
        // Thicker plates: at least 16 mm and at least half the plate thickness.
        const bool up_to_32 = t <= 32.0;
        const double a_req = up_to_32 ? 16.0 : t / 2.0;
        wrong = w.a < a_req - 0.001;
        if (Shown(stream, wrong, verbose))
            OLI_Printf(stream,
                       up_to_32 ? "%sDicke der Lochschweißung für t > 16 mm:  a = %.1lf mm %s %.1lf mm  %s\n"_cp
                                : "%sDicke der Lochschweißung für t > 32 mm:  a = %.1lf mm %s t/2 = %.1lf mm  %s\n"_cp,
                       Report_Line_Prefix, w.a, Get_Relation_Sign_GE(w.a, a_req), a_req,
                       wrong ? Mark_Not_Ok() : Mark_Note_Ok());
        if (wrong && messages) PrintMessage("Dicke der Lochschweißung a = %.1lf mm < erf a = %.1lf mm"_cp, w.a, a_req);
    }
    return small || wrong ? 1 : 0;
}

}   // namespace

double Weld_Min_Plate_Thickness(int hollow_section) {
    const bool edition_2025 = Current_Code_Edition == Code_Edition_2025;
    if (hollow_section) return edition_2025 ? T_Min_Hollow_2025 : T_Min_Hollow_2010;
    return edition_2025 ? T_Min_2025 : T_Min_2010;
}

int Check_Weld_Throat(Weld* weld, double t_1, double t_2, int side, int hollow_section, FILE* stream, int messages,
                      const char* text, int verbose) {
    if (!weld) return 0;
    Weld& w = *weld;
    const Rule_Texts R{stream, messages, verbose, text ? text : ""};
    if (hollow_section) side = Weld_One_Sided_Left;   // a hollow section is welded from outside only

    Normalise_Angle(w, t_1, t_2);
    if (Is_Full_Penetration_Butt(w)) {
        Apply_Table_Filler(w);
        return 0;
    }
    int error = Check_Plate_Thicknesses(R, t_1, t_2, hollow_section);
    Apply_Table_Filler(w);
    if (w.type == Weld_Fillet && w.a >= 0.1) Check_Fillet_Throat(R, w.a, t_1, t_2, hollow_section);
    if (w.type == Weld_Butt && Check_Partial_Penetration(R, w, t_1, t_2, side, hollow_section)) error = 1;
    if (w.type == Weld_Slot && w.l < w.d + 0.001) {
        error = 1;
        if (stream)
            OLI_Printf(stream, "%s%sLochlänge l = %.1lf mm ≤ Schlitzdurchmesser d\n"_cp, Report_Line_Prefix, R.text,
                       w.l);
    }
    if (w.type == Weld_Plug) {
        if (w.l < w.d) {
            if (stream)
                OLI_Printf(stream, "%s%sLochlänge l = %.1lf mm < Lochdurchmesser d  ê  l = d\n"_cp, Report_Line_Prefix,
                           R.text, w.l);
            w.l = w.d;
        } else if (stream && verbose) {
            OLI_Printf(stream, "%s%sLochlänge l = %.1lf mm ≥ Lochdurchmesser d  %s\n"_cp, Report_Line_Prefix, R.text,
                       w.l, Mark_Note_Ok());
        }
    }
    return error;
}

double Compute_Weld_Effective_Length(const Weld& w, FILE* stream) {
    if (w.type == Weld_Slot) {
        const double l_eff = 2.0 * (w.l - w.d);
        if (stream)
            OLI_Printf(stream, "%swirksame Nahtlänge l╬\\eff╬r = 2%s(l-d) = %.1lf mm\n"_cp, Report_Line_Prefix,
                       Times_Dot, l_eff);
        return l_eff;
    }
    if (w.type == Weld_Plug) {
        if (stream) OLI_Printf(stream, "%swirksame Nahtlänge l╬\\eff╬r = l = %.1lf mm\n"_cp, Report_Line_Prefix, w.l);
        return w.l;
    }
    if (w.l_w <= 0.001) return 0.0;
    if (w.type == Weld_Butt || w.full_length) {
        if (stream)
            OLI_Printf(stream, "%swirksame Nahtlänge l╬\\eff╬r = l╬\\w╬r = %.1lf mm\n"_cp, Report_Line_Prefix, w.l_w);
        return w.l_w;
    }
    // A fillet weld loses a throat thickness at each end crater.
    const double l_eff = w.l_w - 2.0 * w.a;
    if (stream)
        OLI_Printf(stream, "%swirksame Nahtlänge l╬\\eff╬r = l╬\\w╬r-2%sa = %.1lf mm\n"_cp, Report_Line_Prefix,
                   Times_Dot, l_eff);
    return l_eff;
}

int Check_Weld_Effective_Length(int type, int full_penetration, double a, double l_eff, FILE* stream, const char* text,
                                int verbose, int loaded) {
    if (l_eff < 0.001 || Is_Slot_Or_Plug(type) || (type == Weld_Butt && full_penetration)) return 0;
    if (!text) text = "";
    const double six_a = 6.0 * a;
    const bool short_30 = l_eff < L_Eff_Min;
    const bool short_6a = l_eff < six_a;
    if (!stream) return short_30 || short_6a ? 1 : 0;
    // A weld that cannot carry load but is loaded is not verified.
    const char* short_mark = loaded ? Mark_Not_Ok() : Mark_Warning();
    if (verbose || short_30) {
        OLI_Printf(stream, "%s%swirksame Nahtlänge l╬\\eff╬r = %.1lf mm %s 30 mm"_cp, Report_Line_Prefix, text, l_eff,
                   Get_Relation_Sign_GE(l_eff, L_Eff_Min));
        if (short_30)
            OLI_Printf(stream, "  ê  statisch nicht wirksam %s\n"_cp, short_mark);
        else
            OLI_Printf(stream, "  %s\n", Mark_Note_Ok());
    }
    if (short_6a || verbose) {
        OLI_Printf(stream, "%s%swirksame Nahtlänge l╬\\eff╬r = %.1lf mm %s 6%sa = %.1lf mm"_cp, Report_Line_Prefix,
                   text, l_eff, Get_Relation_Sign_GE(l_eff, six_a), Times_Dot, six_a);
        if (short_6a)
            OLI_Printf(stream, "  ê  statisch nicht wirksam %s\n"_cp, short_mark);
        else
            OLI_Printf(stream, "  %s\n", Mark_Note_Ok());
    }
    return short_30 || short_6a ? 1 : 0;
}

void Default_Weld(Weld* weld) {
    if (!weld) return;
    Init_Weld(weld);
    weld->type = Weld_Fillet;
    weld->a = 4.0;
    weld->l_w = 130.0;
    weld->theta = 90.0;
    weld->full_length = 1;
    Check_Weld_Throat(weld, 0.0, 0.0, Weld_Two_Sided, 0, nullptr, 0, "", 0);
}

bool Weld_Carries_Load(const Weld_Connection& c) {
    auto any = [](std::initializer_list<double> values) {
        return std::any_of(values.begin(), values.end(), [](double v) { return std::fabs(v) > 0.001; });
    };
    const bool directional = c.flags & Weld_Flag_Directional;
    switch (c.force_mode) {
        case Weld_Section_Forces:
            return any({c.N_Ed, c.M_par_Ed, c.M_perp_Ed, c.V_par_Ed, c.V_perp_Ed});
        case Weld_Line_Forces:
            return directional ? any({c.F_sigma_perp, c.F_tau_perp, c.F_tau_par}) : any({c.F_w_Ed});
        default:
            return directional ? any({c.sigma_perp, c.tau_perp, c.tau_par}) : any({c.sigma_w_Ed});
    }
}

int Is_Weld_Ineffective_Under_Load(const Weld_Connection& c) {
    if (c.weld.type != Weld_Fillet || (c.flags & Weld_Flag_No_Detailing) || !Weld_Carries_Load(c)) return 0;
    return Check_Weld_Effective_Length(Weld_Fillet, c.weld.full_penetration, c.weld.a, c.l_eff, nullptr, "", 0, 1);
}

int Check_Weld_Input(Weld_Connection& c, FILE* stream, int messages, int verbose) {
    Weld& w = c.weld;
    if (w.type < Weld_Fillet || w.type > Weld_Plug) {
        // A kind of weld this program does not know (from a damaged or foreign file).
        if (stream) {
            OLI_Printf(stream, "%sNahtart %d nicht definiert  %s\n", Report_Line_Prefix, w.type, Mark_Error());
            OLI_Printf(stream, Input_Error_Line, Report_Line_Prefix, Mark_Error());
        }
        if (messages) PrintMessage("Nahtart %d nicht definiert", w.type);
        return 1;
    }
    if (Is_Slot_Or_Plug(w.type)) {
        // Slot and plug welds carry shear only.
        const bool loaded =
            std::fabs(c.N_Ed) > 0.001 || std::fabs(c.M_par_Ed) > 0.001 || std::fabs(c.M_perp_Ed) > 0.001;
        if (loaded && stream)
            OLI_Printf(stream,
                       w.type == Weld_Slot
                           ? "%sSchlitznähte können nur Schubkräfte V╬\\Ed╬r übertragen,  N╬\\Ed╬r und M╬\\Ed╬r werden "
                             "ignoriert\n"_cp
                           : "%sEine Lochschweißung kann nur Schubkräfte V╬\\Ed╬r übertragen,  N╬\\Ed╬r und M╬\\Ed╬r "
                             "werden ignoriert\n"_cp,
                       Report_Line_Prefix);
        c.side = Weld_One_Sided_Left;
        c.force_mode = Weld_Section_Forces;
        c.N_Ed = c.M_par_Ed = c.M_perp_Ed = 0.0;
    }
    if (w.type == Weld_Fillet && w.e > 0.1 && !c.packing) Limit_Penetration_Depth(c);
    if (Is_Full_Penetration_Butt(w) && stream && verbose) {
        if (w.theta >= 0.001)
            OLI_Printf(stream, "%swirksame Nahtdicke a = t╬\\2╬r = %.1lf mm\n"_cp, Report_Line_Prefix, c.plate2.t);
        else
            OLI_Printf(stream, "%swirksame Nahtdicke a = min(t╬\\1╬r,t╬\\2╬r) = %.1lf mm\n"_cp, Report_Line_Prefix,
                       std::min(c.plate1.t, c.plate2.t));
    }
    if (!(c.flags & Weld_Flag_No_Detailing)) {
        int error =
            Check_Weld_Throat(&w, c.plate1.t, c.plate2.t, Is_Slot_Or_Plug(w.type) ? Weld_One_Sided_Left : c.side, 0,
                              stream, messages, "", verbose);
        if (Check_Plate(&c.plate1, stream, messages, Plate_Option_Thickness | Plate_Option_Material, "Blech 1: "))
            error = 1;
        if (Check_Plate(&c.plate2, stream, messages, Plate_Option_Thickness | Plate_Option_Material, "Blech 2: "))
            error = 1;
        if (error) return 1;
    }
    int hole_error = 0;
    if (w.type == Weld_Slot) hole_error = Check_Slot_Diameter(c, stream, messages, verbose);
    if (w.type == Weld_Plug) hole_error = Check_Plug_Geometry(c, stream, messages, verbose);
    c.l_eff = Compute_Weld_Effective_Length(w, verbose ? stream : nullptr);
    if (w.type == Weld_Fillet && !(c.flags & Weld_Flag_No_Detailing))
        Check_Weld_Effective_Length(Weld_Fillet, w.full_penetration, w.a, c.l_eff, stream, "", verbose,
                                    Weld_Carries_Load(c));
    if (stream && hole_error) OLI_Printf(stream, Input_Error_Line, Report_Line_Prefix, Mark_Error());
    return hole_error;
}
