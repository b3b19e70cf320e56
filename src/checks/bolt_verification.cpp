// Verification of a bolted connection to EN 1993-1-8 (anchor bolts in concrete with EN 1992-4): the
// single verifications in their fixed order, each comparing a design force with its resistance, the
// largest utilisation, the error families and the closing lines with the verdict.
//
// Order: input check; a pin goes to the pin check; shear category A, B or C; by fastener kind the
// M12/M14 rule, the pry-out of anchors or the bearing of the resin of injection bolts (which end
// there); tension category D or E; concrete cone; interaction of shear and tension in steel and in
// concrete (rivets end there); block tearing; angle; without loads the run ends there; thread
// engagement in tapped holes; the closing block.
#include <algorithm>
#include <cmath>
#include <string>

#include "annex/annex_record.h"
#include "checks/bolt_connection.h"
#include "checks/bolt_lines.h"
#include "checks/bolt_resistances.h"
#include "checks/pin_connection.h"
#include "checks/report_indent.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"
#include "report/relation_signs.h"

namespace {

constexpr double Zero = 0.001;             // N; a smaller resistance or utilisation counts as none
constexpr double U_Rounding = 0.001;       // a utilisation this little above 1 counts as 1
constexpr double Net_Area_Min = 0.1;       // mm²; a smaller net area gives no net section check
constexpr double Result_Space = 0.3;       // cm before "Maximale Ausnutzung" and the verdict
constexpr double U_Shown_Max = 999.999;    // a larger utilisation is not shown as a number
constexpr double U_Kept_Negative = -0.1;   // U_max at or below this stays -1 for the rest of the run

// Families of the error word: bit 0x1 is set with every error, the other bits name the check.
enum Bolt_Error : int {
    Bolt_Error_Any = 0x1,                 // input, block tearing, angle, concrete
    Bolt_Error_Shear = 0x3,               // shear, slip, the M12/M14 rule
    Bolt_Error_Tension = 0x5,
    Bolt_Error_Interaction = 0x7,         // net section, interaction of shear and tension
    Bolt_Error_Bearing = 0x101,           // plates, eye bars, resin
    Bolt_Error_Pin_Geometry = 0x200,      // reported as a failed condition
    Bolt_Error_Punching = 0x401,
    Bolt_Error_Thread_Engagement = 0x20001,
};
constexpr int Thread_Engagement_Bit = 0x20000;

bool Edition_2010() { return Current_Code_Edition == Code_Edition_2010; }

// Utilisation E/R; a value this little above 1 counts as 1.
double Utilisation(double E, double R) {
    const double U = E / R;
    return U > 1.0 && U < 1.0 + U_Rounding ? 1.0 : U;
}

// β^1.5 with the sign of β, so that a negative ratio reaches the error path instead of NaN.
double Power_1_5(double beta) { return std::copysign(std::pow(std::fabs(beta), 1.5), beta); }

// One run of the verification over the connection.
struct Bolt_Run {
    Bolt_Connection& C;
    FILE* stream;
    int detail;
    bool verification;

    const Fastener& F() const { return C.fastener; }
    int planes() const { return C.shear_planes == 2 ? 2 : 1; }
    bool two_planes() const { return C.shear_planes == 2; }
    // The resistance operations print their formula lines from level 1 on; at level 0 the
    // verification line alone carries the resistance.
    FILE* formula_stream() const { return detail >= 1 ? stream : nullptr; }
    FILE* nest_stream() const { return detail >= 2 ? stream : nullptr; }
    double gamma(int index) const { return Context_Gamma(C.context, index); }

    // A category heading with its own nesting at level 2.
    FILE* Heading(const char* format) const {
        if (!stream || detail < 2) return nullptr;
        OLI_Printf(stream, format, Report_Line_Prefix);
        return stream;
    }

    // Opens a verification: at level 0 the label and ": " begin the result line; at levels 1 and 2
    // the label stands underlined (highlighted at level 2 where asked) on a line of its own, followed
    // by suffix. Result: the stream of the nested lines (level 2), else null. No label: nothing.
    FILE* Open(const char* label, bool highlight = false, const char* suffix = "") const {
        if (!stream || !label) return nullptr;
        if (detail <= 0) {
            OLI_Printf(stream, "%s%s: ", Report_Line_Prefix, label);
            return nullptr;
        }
        OLI_Printf(stream, "%s%s%s╬r%s\n"_cp, Report_Line_Prefix, highlight && detail >= 2 ? "╬H"_cp : "╬_"_cp, label,
                   suffix);
        return nest_stream();
    }

    void Raise_U_Max(double U) {
        if (U > C.U_max && C.U_max > U_Kept_Negative) C.U_max = U;
    }

    // A resistance that cannot be determined: the error line, U_max -1 and the family's bits.
    void Fail(const char* symbol, int bits) {
        if (stream) OLI_Printf(stream, "%s╬HFehler╬r: %s < 0 %s\n"_cp, Report_Line_Prefix, symbol, Mark_Error());
        C.U_max = -1.0;
        C.Check_Error_Flags |= bits;
    }

    // The verification line of a design force E (its symbol followed by half, "/2" or "") against a
    // resistance R. failed: the resistance operation reported an error. error_symbol names the
    // error line where it differs from the resistance's symbol.
    void Verify_Value(const char* E_symbol, const char* half, double E, const char* R_symbol, double R, int failed,
                      int bits, const char* error_symbol = nullptr) {
        if (failed || R < Negative_Resistance) {
            Fail(error_symbol ? error_symbol : R_symbol, bits);
            return;
        }
        if (!verification) {
            if (stream && detail <= 0) OLI_Printf(stream, "%s%s = %.2lf kN\n", Report_Line_Prefix, R_symbol, R * 0.001);
            return;
        }
        if (R < Zero) {
            if (stream)
                OLI_Printf(stream, "%s%s = 0  ê  Nachweis wird nicht geführt %s\n"_cp, Report_Line_Prefix, R_symbol,
                           Mark_Warning());
            return;
        }
        const double U = Utilisation(E, R);
        if (stream)
            OLI_Printf(stream, "%s%s%s = %.1lf kN  %s  %s = %.2lf kN  ê  U = %.3lf  %s  1  %s\n"_cp, Report_Line_Prefix,
                       E_symbol, half, E * 0.001, Get_Relation_Sign_LE(E, R), R_symbol, R * 0.001, U,
                       Get_Relation_Sign_LE(U, 1.0), U <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
        Raise_U_Max(U);
    }

    // The line of a utilisation formed here (interactions): the formula line is open; it gets the
    // relation to 1 and the mark.
    void Close_Utilisation_Line(double U) {
        if (stream) OLI_Printf(stream, "  %s  1  %s\n", Get_Relation_Sign_LE(U, 1.0), U <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
        Raise_U_Max(U);
    }

    // γ_Mc of anchors in concrete: γ_c of the active annex's EN 1992 block.
    double Gamma_Mc() const { return NAD_Get_EC2()->gamma_c[0]; }
    // The design value of a concrete resistance, "  R_d = R_k/γ_Mc = ... kN" with γ_Mc, or its
    // line of not determinable.
    void Print_Concrete_Design_Value(FILE* out, const char* design, const char* characteristic, double R) const {
        if (R == Not_Determinable) {
            Print_Not_Determinable(out, design);
            return;
        }
        OLI_Printf(out, "%s  %s = %s/└╬\\Mc╬r = %.2lf kN"_cp, Report_Line_Prefix, design, characteristic, R * 0.001);
        if (detail >= 2)
            OLI_Printf(out, ",  └╬\\Mc╬r = └╬\\c╬r = %.2lf\n"_cp, Gamma_Mc());
        else
            OLI_Printf(out, ",  └╬\\Mc╬r = %.2lf\n"_cp, Gamma_Mc());
    }

    // -----------------------------------------------------------------------------------------
    // Shear categories

    void Shear() {
        const bool half = two_planes() && verification;
        Report_Block_Indent nest(Open("Abscheren", false, half ? "  ╬S(mit F╬\\v,Ed╬r╬S/2)"_cp : ""));
        const int err = Compute_Shear_Resistance(&C, formula_stream(), detail);
        Verify_Value("F╬\\v,Ed╬r"_cp, two_planes() ? "/2" : "", C.F_v_Ed / planes(), "F╬\\v,Rd╬r"_cp,
                     C.results.F_v_Rd, err, Bolt_Error_Shear);
    }

    // Bearing of plate 1 (the steel plate of anchors) and, unless plate 2 stays unverified or the
    // fastener is an anchor, of plate 2, which carries half the force in double shear.
    void Bearing(const char* plate_1, const char* who_1, const char* who_2) {
        const bool plate_2_unverified = C.options & Bolt_Option_Plate_2_Unverified;
        const std::string label =
            plate_2_unverified || detail <= 0 ? std::string("Lochleibung") : Format_Text("Lochleibung von %s und %s", plate_1, who_1);
        {
            Report_Block_Indent nest(Open(label.c_str()));
            const int err = Compute_Bearing_Resistance(&C, formula_stream(), detail, 1);
            Verify_Value("F╬\\v,Ed╬r"_cp, "", C.F_v_Ed, "F╬\\b,Rd╬r"_cp, C.results.F_b_Rd_1, err, Bolt_Error_Bearing);
        }
        if (plate_2_unverified || F().type == Fastener_Anchor_Bolt) return;
        FILE* nested = nullptr;
        if (stream && detail >= 1) {
            OLI_Printf(stream, "%s╬_Lochleibung von Blech 2 und %s╬r%s\n"_cp, Report_Line_Prefix, who_2,
                       two_planes() && verification ? "  ╬S(mit F╬\\v,Ed╬r╬S/2)"_cp : "");
            nested = nest_stream();
        }
        Report_Block_Indent nest(nested);
        const int err = Compute_Bearing_Resistance(&C, formula_stream(), detail, 2);
        Verify_Value("F╬\\v,Ed╬r"_cp, two_planes() ? "/2" : "", C.F_v_Ed / planes(), "F╬\\b,Rd╬r"_cp,
                     C.results.F_b_Rd_2, err, Bolt_Error_Bearing);
    }

    void Slip_Serviceability() {
        Report_Block_Indent nest(Open("Gleiten"));
        const int err = Compute_Slip_Resistance_SLS(&C, formula_stream(), detail);
        Verify_Value("F╬\\v,Ed,ser╬r"_cp, "", C.F_v_Ed_ser, "F╬\\s,Rd,ser╬r"_cp, C.results.F_s_Rd_ser, err,
                     Bolt_Error_Shear, "F╬\\v,Ed,ser╬r"_cp);
    }

    void Slip_Ultimate() {
        Report_Block_Indent nest(Open("Gleiten"));
        const int err = Compute_Slip_Resistance_ULS(&C, formula_stream(), detail);
        Verify_Value("F╬\\v,Ed╬r"_cp, "", C.F_v_Ed, "F╬\\s,Rd╬r"_cp, C.results.F_s_Rd, err, Bolt_Error_Shear);
    }

    // Net section along the critical fracture line, category C: N_net,Rd = A_net f_y / γM0 with the
    // design f_y of plate 1 (EN 1993-1-8 Table 3.2).
    void Net_Section() {
        Report_Block_Indent nest(Open("Querschnittsversagen"));
        if (C.A_net <= Net_Area_Min) {
            if (stream)
                OLI_Printf(stream, "%sN╬\\net,Rd╬r = 0  ê  Nachweis wird nicht geführt %s\n"_cp, Report_Line_Prefix,
                           Mark_Warning());
            return;
        }
        const double gamma_M0 = gamma(Gamma_M0);
        const double f_y = C.plate_1.material.f_y;
        FILE* out = formula_stream();
        if (gamma_M0 < Gamma_Min) {
            Print_Not_Determinable(out, "N╬\\net,Rd╬r"_cp);
            C.results.N_net_Rd = Not_Determinable;
            Fail("N╬\\net,Rd╬r"_cp, Bolt_Error_Interaction);
            return;
        }
        const double N = C.A_net * f_y / gamma_M0;
        C.results.N_net_Rd = N;
        if (out) {
            if (detail >= 2)
                OLI_Printf(out, "%sBemessungswert des plastischen Widerstands des Nettoquerschnitts längs der kritischen Risslinie:\n"_cp,
                           Report_Line_Prefix);
            OLI_Printf(out, "%splastischer Zugwiderstand N╬\\net,Rd╬r = (A╬\\net╬r%sf╬\\y╬r) / └╬\\M0╬r = %.2lf kN"_cp,
                       Report_Line_Prefix, Times_Dot, N * 0.001);
            if (detail >= 2) OLI_Printf(out, ",  f╬\\y╬r = %.1lf N/mm²"_cp, f_y);
            OLI_Printf(out, "\n");
        }
        Verify_Value("▓F╬\\v,Ed╬r"_cp, "", C.Sum_F_v_Ed, "N╬\\net,Rd╬r"_cp, N, 0, Bolt_Error_Interaction);
    }

    void Shear_Category() {
        const bool anchor = F().type == Fastener_Anchor_Bolt;
        const char* who = F().type == Fastener_Rivet ? "Niet" : "Schraube";
        switch (C.Shear_Category) {
        case Shear_Category_A: {
            Report_Block_Indent nest(Heading(anchor ? "%s╬HScher-/Lochleibungsverbindung\n"_cp
                                                    : "%s╬HScherverbindung Kategorie A:  Scher-/Lochleibungsverbindung\n"_cp));
            if (C.shear_check) Shear();
            if (C.bearing_check) Bearing(anchor ? "Stahlplatte" : "Blech 1", who, who);
            break;
        }
        case Shear_Category_B: {
            Report_Block_Indent nest(Heading("%s╬HScherverbindung Kategorie B:  Gleitfeste Verbindung im GZG\n"_cp));
            if (C.shear_check) Shear();
            if (C.bearing_check) Bearing("Blech 1", who, "Schraube");
            if (C.slip_check) Slip_Serviceability();
            break;
        }
        case Shear_Category_C: {
            Report_Block_Indent nest(Heading("%s╬HScherverbindung Kategorie C:  Gleitfeste Verbindung im GZT\n"_cp));
            if (C.slip_check) Slip_Ultimate();
            // The revised rules verify no bearing in category C.
            if (C.bearing_check && Edition_2010()) Bearing("Blech 1", who, "Schraube");
            if (C.net_section_check) Net_Section();
            break;
        }
        default:
            break;
        }
    }

    // -----------------------------------------------------------------------------------------
    // Checks by fastener kind

    // EN 1993-1-8 3.6.1(5): an M12 or M14 in a hole with 2 mm clearance only when its shear
    // resistance (with the 0.85 of classes 4.8 to 10.9) is not less than its bearing resistance.
    // F_b is the smaller of plate 1 and, when it was verified, n times plate 2; F_v counts n planes.
    void M12_Rule() {
        if (!Is_M12_Or_M14_In_2mm_Hole(&F())) return;
        const double F_v = C.results.F_v_Rd, F_b_1 = C.results.F_b_Rd_1, F_b_2 = C.results.F_b_Rd_2;
        if (F_v <= Zero || F_b_1 <= Zero) return;
        const int n = planes();
        const double F_b = F_b_2 > Zero ? std::min(F_b_1, n * F_b_2) : F_b_1;
        const bool ok = F_b <= n * F_v;
        Report_Block_Indent nest(Open("M12-Schraube mit vergrößertem Lochspiel von maximal 2 mm"_cp));
        if (!ok) C.Check_Error_Flags |= Bolt_Error_Shear;
        if (!stream) return;
        const std::string planes_factor = n == 2 ? Format_Text("2%s", Times_Dot) : std::string();
        OLI_Printf(stream, "%sF╬\\b,Rd╬r = %.2lf kN %s %.2lf kN = %sF╬\\v,Rd╬r  %s\n"_cp, Report_Line_Prefix,
                   F_b * 0.001, ok ? "≤"_cp : ">", n * F_v * 0.001, planes_factor.c_str(),
                   ok ? Mark_Ok() : Mark_Not_Ok());
    }

    // Characteristic cone resistance of the anchors for pry-out: a bonded anchor takes the smaller
    // of the cone and the combined pull-out; anchorages beyond those give none.
    double Pry_Out_N_Rk() const {
        double N = Compute_Concrete_Cone_Resistance(&C, 0, nullptr, 0);
        if (F().anchorage == 2) N = std::min(N, Compute_Concrete_Cone_Resistance(&C, 1, nullptr, detail));
        if (F().anchorage > 2) N = 0.0;
        return N;
    }

    // Pry-out of anchor bolts (EN 1992-4 7.2.2.4): V_Rk,cp = k_8 N_Rk,c with k_8 = 1.0.
    void Pry_Out() {
        const double N_Rk = Pry_Out_N_Rk();
        if (N_Rk <= Zero) return;
        constexpr double k_8 = 1.0;
        const double V_Rk = k_8 * N_Rk;
        const double gamma_Mc = Gamma_Mc();
        const double V_Rd = gamma_Mc < Gamma_Min ? Not_Determinable : V_Rk / gamma_Mc;
        C.results.V_Rd_cp = V_Rd;
        Report_Block_Indent nest(Open("Betonausbruch auf der lastabgewandten Seite", true));
        if (stream && detail <= 0) {
            // The characteristic value stands before the result on the one line of level 0.
            OLI_Printf(stream, "V╬\\Rk,cp╬r = %.2lf kN,  "_cp, V_Rk * 0.001);
        } else if (stream) {
            OLI_Printf(stream, "%sWiderstand gegen Betonausbruch%s V╬\\Rk,cp╬r = k╬\\8╬r%sN╬\\Rk,c╬r = %.2lf kN"_cp,
                       Report_Line_Prefix, Label_Separator(detail), Times_Dot, V_Rk * 0.001);
            OLI_Printf(stream, ",  k╬\\8╬r = %.1lf"_cp, k_8);
            if (detail == 1) {
                OLI_Printf(stream, ",  N╬\\Rk,c╬r = %.2lf kN\n"_cp, N_Rk * 0.001);
            } else {
                OLI_Printf(stream, "\n%s  ", Report_Line_Prefix);
                Compute_Concrete_Cone_Resistance(&C, 0, stream, detail - 1);
            }
            Print_Concrete_Design_Value(stream, "V╬\\Rd,cp╬r"_cp, "V╬\\Rk,cp╬r"_cp, V_Rd);
        }
        Verify_Value("F╬\\v,Ed╬r"_cp, "", C.F_v_Ed, "V╬\\Rd,cp╬r"_cp, V_Rd, 0, Bolt_Error_Any);
    }

    // Bearing of the resin of injection bolts (EN 1993-1-8 3.6.2.2):
    // F_b,Rd,resin = k_t k_s d t_b,resin β f_b,resin / γM4.
    void Resin_Bearing() {
        const Fastener& B = F();
        Report_Block_Indent nest(Open("Lochleibung des Injektionsharzes"));
        FILE* out = formula_stream();
        const bool lines = out && detail >= 2;
        const bool serviceability = C.Shear_Category == Shear_Category_B;
        const double k_t = serviceability ? 1.0 : 1.2;

        // k_s = 1 - 0.1 m for an oversize hole, m the excess of its clearance over the nominal
        // clearance of the size (EN 1993-1-8 3.6.2.2; M20: 24 - 22 mm, k_s = 0.8). The derived Δd of
        // an oversize hole is its own clearance and would give k_s = 1.
        double k_s = 1.0;
        if (B.hole_type == Hole_Oversize) {
            const double normal = Is_Bolt_Size_Index(B.effective_size_index)
                                      ? Bolt_Size_Table[B.effective_size_index].delta_d
                                      : B.delta_d;
            k_s = 1.0 - 0.1 * (B.hole_enlargement - normal);
            if (lines)
                OLI_Printf(out,
                           "%sübergroßes Loch  ê  Beiwert k╬\\s╬r = 1-0.1%s(úd╬\\groß╬r-úd) = 1-0.1%s(%.1lf-%.1lf) = %.3lf"_cp,
                           Report_Line_Prefix, Times_Dot, Times_Dot, B.hole_enlargement, normal, k_s);
            if (k_s < 0.0) {
                if (lines) OLI_Printf(out, " < 0  ê  ks = 0"_cp);
                k_s = 0.0;
            }
            if (lines) OLI_Printf(out, "\n");
        } else if (lines) {
            OLI_Printf(out, "%snormales Lochspiel  ê  Beiwert k╬\\s╬r = %.1lf\n"_cp, Report_Line_Prefix, k_s);
        }

        const double d = B.d, t_1 = C.plate_1.t, t_2 = C.plate_2.t;
        const double r = t_2 > 0.0 ? t_1 / t_2 : 2.0;
        double t_b, beta;
        if (r < 2.0) {
            t_b = std::min(t_1, 1.5 * d);
            beta = r <= 1.0 ? 4.0 / 3.0 : 5.0 / 3.0 - r / 3.0;
        } else {
            t_b = std::min(2.0 * t_2, 1.5 * d);
            beta = 1.0;
        }
        if (lines)
            OLI_Printf(out, "%sBeiwerte für t╬\\1╬r/t╬\\2╬r = %.2lf:  ╗ = %.3lf,  t╬\\b,resin╬r = %.1lf mm\n"_cp,
                       Report_Line_Prefix, r, beta, t_b);
        if (!Edition_2010()) {
            const double L_b = Compute_Bolt_Elongation_Length(&B, t_1 + planes() * t_2, nullptr, 0);
            if (L_b > 3.0 * d + Zero && t_b > 3.0 * d) {
                t_b = 3.0 * d;
                if (lines)
                    OLI_Printf(out,
                               "%slange Injektionsschraube mit L╬\\b╬r = %.1lf mm > 3%sd = %.1lf mm  ê  t╬\\b,resin╬r = %.1lf mm\n"_cp,
                               Report_Line_Prefix, L_b, Times_Dot, 3.0 * d, t_b);
            }
        }

        const double gamma_M4 = gamma(Gamma_M4);
        double F_b = Not_Determinable;
        if (gamma_M4 < Gamma_Min) {
            Print_Not_Determinable(out, "F╬\\b,Rd,resin╬r"_cp);
        } else {
            F_b = k_t * k_s * d * t_b * beta * B.f_b_resin / gamma_M4;
            if (out) {
                OLI_Printf(out,
                           "%sLochleibungstragfähigkeit%s F╬\\b,Rd,resin╬r = (k╬\\t╬r%sk╬\\s╬r%sd%st╬\\b,resin╬r%s╗%sf╬\\b,resin╬r) / └╬\\M4╬r = %.2lf kN"_cp,
                           Report_Line_Prefix, Label_Separator(detail), Times_Dot, Times_Dot, Times_Dot, Times_Dot,
                           Times_Dot, F_b * 0.001);
                if (detail == 1) OLI_Printf(out, ",  k╬\\t╬r = %.2lf,  k╬\\s╬r = %.2lf"_cp, k_t, k_s);
                OLI_Printf(out, "\n");
                if (detail >= 2)
                    OLI_Printf(out, "%s  mit k╬\\t╬r = %.1lf  (%s)\n"_cp, Report_Line_Prefix, k_t,
                               serviceability ? "GZG" : "GZT");
            }
        }
        C.results.F_b_Rd_resin = F_b;
        Verify_Value("F╬\\v,Ed╬r"_cp, "", C.F_v_Ed, "F╬\\b,Rd,resin╬r"_cp, F_b, 0, Bolt_Error_Bearing);
    }

    // -----------------------------------------------------------------------------------------
    // Tension categories, concrete cone and interactions

    void Tension_Category() {
        const bool anchor = F().type == Fastener_Anchor_Bolt, rivet = F().type == Fastener_Rivet;
        const char* heading = nullptr;
        if (C.Tension_Category == Tension_Category_D) {
            // Category D is not preloaded: no preload caps the tension resistance.
            C.fastener.preloaded = 0;
            heading = anchor ? "%s╬HZugverbindung\n"_cp : "%s╬HZugverbindung Kategorie D:  Nicht vorgespannt\n"_cp;
        } else if (C.Tension_Category == Tension_Category_E) {
            heading = "%s╬HZugverbindung Kategorie E:  Vorgespannt\n"_cp;
        } else {
            return;
        }
        Report_Block_Indent category(Heading(heading));
        if (C.tension_check) {
            Report_Block_Indent nest(Open(rivet ? nullptr : "Zugversagen"));
            const int err = Compute_Tension_Resistance(&C, formula_stream(), detail);
            Verify_Value("F╬\\t,Ed╬r"_cp, "", C.F_t_Ed, "F╬\\t,Rd╬r"_cp, C.results.F_t_Rd, err, Bolt_Error_Tension);
        }
        // Rivets are verified in punching under the revised rules only.
        if (C.punching_check && !(rivet && Edition_2010())) {
            Report_Block_Indent nest(Open("Durchstanzen"));
            const int err = Compute_Punching_Resistance(&C, formula_stream(), detail);
            Verify_Value("F╬\\t,Ed╬r"_cp, "", C.F_t_Ed, "B╬\\p,Rd╬r"_cp, C.results.B_p_Rd, err, Bolt_Error_Punching);
        }
    }

    // Concrete cone of anchors in tension (EN 1992-4 7.2.1.4): N_Rd,c = N_Rk,c / γ_Mc.
    void Concrete_Cone() {
        const double N_Rk = Compute_Concrete_Cone_Resistance(&C, 0, nullptr, 0);
        if (N_Rk <= Zero) return;
        const double gamma_Mc = Gamma_Mc();
        const double N_Rd = gamma_Mc < Gamma_Min ? Not_Determinable : N_Rk / gamma_Mc;
        C.results.N_Rd_c = N_Rd;
        Report_Block_Indent nest(Open("kegelförmiger Betonausbruch"_cp, true));
        if (FILE* out = formula_stream()) {
            Compute_Concrete_Cone_Resistance(&C, 0, out, detail);
            Print_Concrete_Design_Value(out, "N╬\\Rd,c╬r"_cp, "N╬\\Rk,c╬r"_cp, N_Rd);
        }
        Verify_Value("F╬\\t,Ed╬r"_cp, "", C.F_t_Ed, "N╬\\Rd,c╬r"_cp, N_Rd, 0, Bolt_Error_Any);
    }

    // Shear and tension together in steel: F_v,Ed/F_v,Rd + F_t,Ed/(1.4 F_t,Rd) (EN 1993-1-8
    // Table 3.4); anchors with anchor plate or headed studs (β_V² + β_N², EN 1992-4 7.2.3.1), which
    // need none when a grout layer thicker than d/2 gives the shear a lever arm.
    void Steel_Interaction() {
        const double F_v = C.results.F_v_Rd, F_t = C.results.F_t_Rd;
        if (F_v <= Zero || F_t <= Zero) return;
        const bool anchor = F().type == Fastener_Anchor_Bolt;
        const bool plate_anchor = anchor && F().anchorage != Anchorage_Threaded_Rod;
        const double beta_V = C.F_v_Ed / planes() / F_v, beta_N = C.F_t_Ed / F_t;
        const char* shear = two_planes() ? "(F╬\\v,Ed╬r/2)"_cp : "F╬\\v,Ed╬r"_cp;
        const std::string label = std::string(plate_anchor ? "Kombination von Querlast mit Zug" : "Kombination von Abscheren und Zug") +
                                  (anchor ? " (Stahlbruch)" : "");
        Report_Block_Indent nest(Open(label.c_str(), true));
        double U;
        bool line_open = false;
        if (plate_anchor && C.packing && C.t_p > 0.5 * F().d + Zero) {
            if (stream)
                OLI_Printf(stream, "%sQuerlast mit Hebelarm: Nachweis nicht erforderlich\n", Report_Line_Prefix);
            C.results.U_interaction = 0.0;
            return;
        }
        if (plate_anchor) {
            U = beta_V * beta_V + beta_N * beta_N;
            if (U > Zero && stream) {
                OLI_Printf(stream, "%s(%s/F╬\\v,Rd╬r)² + (F╬\\t,Ed╬r/F╬\\t,Rd╬r)² = %.3lf"_cp, Report_Line_Prefix, shear,
                           U > 1.0 && U < 1.0 + U_Rounding ? 1.0 : U);
                line_open = true;
            }
        } else {
            U = beta_V + beta_N / 1.4;
            if (U > Zero && stream) {
                OLI_Printf(stream, "%s%s/F╬\\v,Rd╬r + F╬\\t,Ed╬r/(1.4%sF╬\\t,Rd╬r) = %.3lf"_cp, Report_Line_Prefix, shear,
                           Times_Dot, U > 1.0 && U < 1.0 + U_Rounding ? 1.0 : U);
                line_open = true;
            }
        }
        if (U > 1.0 && U < 1.0 + U_Rounding) U = 1.0;
        C.results.U_interaction = U;
        if (U < -Zero) {
            Fail("Ausnutzung U"_cp, Bolt_Error_Interaction);
        } else if (U > Zero) {
            if (!line_open) Raise_U_Max(U);   // computed without a stream
            else Close_Utilisation_Line(U);
        } else if (stream && detail <= 0) {
            // No result follows: the label's line ends here.
            OLI_Printf(stream, "\n");
        }
    }

    // Shear and tension together in concrete (EN 1992-4 7.2.3.1): the smaller of
    // β_V^1.5 + β_N^1.5 and (β_V + β_N)/1.2.
    void Concrete_Interaction() {
        const double V = C.results.V_Rd_cp, N = C.results.N_Rd_c;
        if (V <= Zero || N <= Zero) return;
        const double beta_V = C.F_v_Ed / planes() / V, beta_N = C.F_t_Ed / N;
        const char* shear = two_planes() ? "(F╬\\v,Ed╬r/2)"_cp : "F╬\\v,Ed╬r"_cp;
        Report_Block_Indent nest(Open("Kombination von Querlast mit Zug (Betonbruch)", true));
        double U_1 = Power_1_5(beta_V) + Power_1_5(beta_N);
        if (U_1 > 1.0 && U_1 < 1.0 + U_Rounding) U_1 = 1.0;
        double U_2 = (beta_V + beta_N) / 1.2;
        if (U_2 > 1.0 && U_2 < 1.0 + U_Rounding) U_2 = 1.0;
        const bool first = U_1 > Zero, second = U_2 > Zero;
        if (stream) {
            if (first)
                OLI_Printf(stream, "%s(%s/V╬\\Rd,cp╬r)╬/1.5╬r + (F╬\\t,Ed╬r/N╬\\Rd,c╬r)╬/1.5╬r = %.3lf"_cp,
                           Report_Line_Prefix, shear, U_1);
            if (second)
                OLI_Printf(stream, "%s  oder  (%s/V╬\\Rd,cp╬r + F╬\\t,Ed╬r/N╬\\Rd,c╬r)/1.2 = %.3lf\n"_cp,
                           first ? "" : Report_Line_Prefix, shear, U_2);
            else if (first)
                OLI_Printf(stream, "\n");
        }
        const double U = first && second ? std::min(U_1, U_2) : first ? U_1 : second ? U_2 : std::min(U_1, U_2);
        if (U < -Zero) {
            Fail("Ausnutzung U"_cp, Bolt_Error_Interaction);
            return;
        }
        const double shown = first || second ? U : 0.0;
        if (stream) OLI_Printf(stream, "%s ê  Ausnutzung U = %.3lf"_cp, Report_Line_Prefix, shown);
        Close_Utilisation_Line(shown);
    }

    // -----------------------------------------------------------------------------------------
    // Group checks and tapped holes

    void Block_Tearing() {
        Report_Block_Indent nest(Open("Blockversagen von Schraubengruppen", true));
        if (stream && detail >= 1) {
            OLI_Printf(stream, "%s╬SSchubversagen in Kombination mit Zugversagen des Blechs\n"_cp, Report_Line_Prefix);
            if (detail >= 2)
                OLI_Printf(stream, "%sBemessungswert für den Widerstand gegen Blockversagen:\n"_cp, Report_Line_Prefix);
        }
        const Plate_Material& M = C.plate_1.material;
        const double V = Compute_Block_Tearing_Resistance((C.options & Bolt_Option_Symmetric_Group) ? 1 : 0, 1.0, C.A_nt,
                                                          C.A_nv, C.A_gv, M.f_y, M.f_u, gamma(Gamma_M0),
                                                          gamma(Gamma_M2), formula_stream(), detail);
        C.results.V_eff_Rd = V;
        Verify_Value("V╬\\eff,Ed╬r"_cp, "", C.V_eff_Ed, "V╬\\eff,Rd╬r"_cp, V, 0, Bolt_Error_Any);
    }

    void Angle() {
        Report_Block_Indent nest(Open("Einseitig angeschlossene Winkel unter Zugbeanspruchung", true));
        if (stream && detail >= 1) {
            OLI_Printf(stream, "%s╬Sund andere unsymmetrisch angschlossene Bauteile\n"_cp, Report_Line_Prefix);
            if (detail >= 2) {
                OLI_Printf(stream, "%sTragfähigkeit eines einseitg mit einer Schraubenreihe angeschlossenen Winkels:\n"_cp,
                           Report_Line_Prefix);
                OLI_Printf(stream, "%sAnschluss mit %d Schraube%s:\n", Report_Line_Prefix, C.n, C.n > 1 ? "n" : "");
            }
        }
        const Fastener& B = F();
        const double d_0 = B.d + (B.hole_type == Hole_Oversize ? B.hole_enlargement : B.delta_d);
        const Plate_Material& M = C.plate_1.material;
        const double N = Compute_Angle_Net_Section_Resistance(C.n, C.e_11, C.p_1, C.e_21, d_0, C.plate_1.t, C.A_net_L,
                                                              M.f_y, M.f_u, gamma(Gamma_M2), C.block_tearing_check,
                                                              formula_stream(), detail);
        C.results.N_u_Rd = N;
        Verify_Value("N╬\\Ed╬r"_cp, "", C.N_Ed, "N╬\\u,Rd╬r"_cp, N, 0, Bolt_Error_Any);
    }

    void Thread_Engagement() {
        Report_Block_Indent nest(Open("Einschraubtiefe bei Bohrlöchern mit Gewinde"_cp, true));
        if (Check_Tapped_Hole(&C.plate_2, &C, stream, detail)) C.Check_Error_Flags |= Bolt_Error_Thread_Engagement;
    }

    // -----------------------------------------------------------------------------------------

    void Run_Checks() {
        const int type = F().type;
        Shear_Category();
        if (type == Fastener_Bolt) M12_Rule();
        if (type == Fastener_Anchor_Bolt) Pry_Out();
        if (type == Fastener_Injection_Bolt) {
            if (C.bearing_check) Resin_Bearing();
            return;
        }
        Tension_Category();
        if (type == Fastener_Anchor_Bolt) Concrete_Cone();
        if (verification) Steel_Interaction();
        if (type == Fastener_Anchor_Bolt && verification) Concrete_Interaction();
        if (type == Fastener_Rivet) return;
        if (C.block_tearing_check) Block_Tearing();
        if (C.angle_check) Angle();
        if (!verification) return;
        if (type != Fastener_Anchor_Bolt && F().tapped_hole) Thread_Engagement();
    }
};

// "Maximale Ausnutzung" with the largest utilisation, the failed conditions and the verdict; only
// with loads, the connection's own summary and a stream.
void Print_Closing_Block(const Bolt_Connection& C, int governing, FILE* stream, int detail) {
    if (!stream || !C.context.verification || !C.context.summary) return;
    const bool error = C.Check_Error_Flags & Bolt_Error_Any;
    if (C.U_max > Zero || error) {
        OLI_Add_Paragraph_Space(Result_Space);
        OLI_Printf(stream, detail >= 2 ? "%s╬HMaximale Ausnutzung╬r"_cp : "%sMaximale Ausnutzung", Report_Line_Prefix);
        if (C.U_max > Zero && C.U_max < U_Shown_Max) {
            if (C.fastener.type == Fastener_Pin && !Edition_2010() && governing >= 0)
                OLI_Printf(stream, " (Situation %d)", governing + 1);
            OLI_Printf(stream, " U╬\\max╬r = %.3lf  %s  1  %s\n"_cp, C.U_max, Get_Relation_Sign_LE(C.U_max, 1.0),
                       C.U_max <= 1.0 ? Mark_Ok() : Mark_Not_Ok());
            if (C.Check_Error_Flags & Bolt_Error_Pin_Geometry)
                Write_Error_Text_Line(stream, "Voraussetzungen nicht erfüllt (Geometrie)"_cp);
            if (C.Check_Error_Flags & Thread_Engagement_Bit)
                Write_Error_Text_Line(stream, "Voraussetzungen nicht erfüllt (Einschraubtiefe)"_cp);
        } else {
            // Also for a utilisation too large to show, so that the line always ends.
            OLI_Printf(stream, " nicht ermittelbar\n");
        }
    }
    // The positive verdict stands at levels 1 and 2 only, the negative one at every level.
    const bool verified = C.U_max >= U_Undeterminable_Limit && C.U_max <= 1.0 && !error;
    if (!verified || detail >= 1) {
        OLI_Add_Paragraph_Space(Result_Space);
        OLI_Printf(stream, "%s╬B%s\n"_cp, Report_Line_Prefix, verified ? Verdict_Verified() : Verdict_Not_Verified());
    }
    Write_EC3_Condition_Footnote(stream);
}

}  // namespace

int Verify_Bolt_Connection(Bolt_Connection* connection, FILE* stream, int detail) {
    if (!connection) return 0;
    Bolt_Connection& C = *connection;
    C.Check_Error_Flags = 0;
    C.results = Bolt_Results{};
    C.U_max = 0.0;
    int governing = -1;
    if (Check_Bolt_Input(&C, stream, 0)) {
        C.Check_Error_Flags |= Bolt_Error_Any;
        C.U_max = -1.0;
    } else if (C.fastener.type == Fastener_Pin) {
        Verify_Pin_Connection(&C, &governing, stream, detail);
    } else {
        Bolt_Run run{C, stream, detail, C.context.verification != 0};
        run.Run_Checks();
    }
    Print_Closing_Block(C, governing, stream, detail);
    return C.Check_Error_Flags & Bolt_Error_Any;
}
