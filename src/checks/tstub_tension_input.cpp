// The input check of the T-stub in tension: normalises the record for the chosen model (a plain bolt
// in a normal hole, the procedure that a four-bolt model prescribes, the lengths b_st and b_p) and
// collects every rule that the input breaks, without stopping at the first.
#include "checks/tstub_tension.h"

#include "common/cp437.h"
#include "frame/report_marks.h"
#include "platform/host/host_messages.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Min_Thickness = 0.001;   // mm; a thinner flange cannot be computed
constexpr double Min_Length = 0.1;        // mm; web-plate length and throat of the four-bolt dissertation model
constexpr double Tolerance = 0.001;       // mm; the flange length may fall short of the bolts by this

// Where the messages of the check go: report lines with their prefix, boxes with theirs.
struct Input_Messages {
    FILE* stream;
    int show;
    const char* box_prefix;
    const char* line_prefix;

    void flange_dimensions() const {
        if (show) PrintMessage("%sFehler in den Abmessungen des T-Stummelflanschs", box_prefix);
        if (stream) OLI_Printf(stream, "%s%sFehler in den Abmessungen des T-Stummelflanschs\n", Report_Line_Prefix, line_prefix);
    }
};

// Bolts in the extension: 2e + d_p (two bolts per row) or 2(e + w) + d_p (four) at most l_f.
bool Extension_Takes_Bolts(const T_Stub_Tension& T, double d_p, const Input_Messages& out) {
    const bool four = T.bolts_per_row == 4;
    const double needed = four ? 2.0 * (T.e + T.w) + d_p : 2.0 * T.e + d_p;
    const double l_f = T.flange.l;
    if (needed <= l_f + Tolerance) return true;
    if (out.show) {
        if (four)
            PrintMessage("%sAbstand 2*(e+w)+dp = %.1lf mm ≥ Flanschlänge lf = %.1lf mm"_cp, out.box_prefix, needed, l_f);
        else
            PrintMessage("%sAbstand 2*e+dp = %.1lf mm ≥ Flanschlänge lf = %.1lf mm"_cp, out.box_prefix, needed, l_f);
    }
    if (out.stream)
        OLI_Printf(out.stream,
                   four ? "%s%sAbstand 2%s(e+w)+d╬\\p╬r = %.1lf mm ≥ Flanschlänge l╬\\f╬r = %.1lf mm\n"_cp
                        : "%s%sAbstand 2%se+d╬\\p╬r = %.1lf mm ≥ Flanschlänge l╬\\f╬r = %.1lf mm\n"_cp,
                   Report_Line_Prefix, out.line_prefix, Times_Dot, needed, l_f);
    return false;
}

}  // namespace

int Check_T_Stub_Tension_Input(T_Stub_Tension* tstub, FILE* stream, int show_messages, int in_verification) {
    if (!tstub) return 0;
    T_Stub_Tension& T = *tstub;
    const Input_Messages out{stream, show_messages, in_verification ? "Äquivalenter T-Stummel (Zug)\n"_cp : "",
                             in_verification ? "Äquivalenter T-Stummel (Zug): "_cp : ""};
    int error = 0;

    T.flange.b = 0.0;
    T.web.b = 0.0;
    // The T-stub is always bolted with plain bolts in normal-clearance holes.
    T.fastener.type = Fastener_Bolt;
    T.fastener.hole_type = Hole_Normal;
    T.fastener.countersunk = 0;

    const bool four = T.bolts_per_row == 4;
    if (!four) {
        if (T.lengths_given) T.location = T_Stub_Column_Flange;
    } else {
        if (T.four_bolt_method == Four_Bolt_Research_Report) T.procedure = 1;
        if (T.four_bolt_method == Four_Bolt_Handbook) T.procedure = 0;
        if (T.lengths_given)
            T.location = T_Stub_End_Plate;
        else if (T.location == T_Stub_Column_Flange)
            Copy_Plate_Material(&T.flange.material, &T.web.material);
    }
    const bool dissertation = four && T.four_bolt_method == Four_Bolt_Dissertation;
    T.b_st = T.flange.l;
    if (dissertation) {
        T.b_st = T.web.l;
        T.b_p = T.flange.l;
    }

    if (Check_T_Stub_Edge_Distances(&T, T.location, T.fastener.d_p, stream, show_messages)) error = 1;

    // The edge check may have turned four bolts into two.
    const bool four_now = T.bolts_per_row == 4;
    const bool dissertation_now = four_now && T.four_bolt_method == Four_Bolt_Dissertation;
    const bool extension = T.location == T_Stub_Extension;
    if (dissertation_now) {
        if (T.web.l < Min_Length) {
            error = 1;
            out.flange_dimensions();
        }
        if (extension && T.a_st < Min_Length) {
            error = 1;
            out.flange_dimensions();
        }
    }
    if (T.flange.t < Min_Thickness) {
        error = 1;
        out.flange_dimensions();
    }
    if (extension && T.flange.l < Min_Thickness) {
        error = 1;
        out.flange_dimensions();
    }
    if (extension && !Extension_Takes_Bolts(T, T.fastener.d_p, out)) error = 1;

    const int thickness_material = Plate_Option_Thickness | Plate_Option_Material;
    if (Check_Plate(&T.flange, stream, show_messages, thickness_material, out.line_prefix)) error = 1;
    // The web plate of a row of four bolts, and of every T-stub whose web weld is checked: its
    // strengths enter the weld resistance.
    const bool weld_checked = !T.skip_weld_check && T.a_st > Min_Length;
    if ((four_now || weld_checked) && T.web.t > Min_Length) {
        const int options = dissertation_now ? thickness_material | Plate_Option_Length : thickness_material;
        if (Check_Plate(&T.web, stream, show_messages, options, out.line_prefix)) error = 1;
    }
    if (Derive_Fastener_Data(&T.fastener, stream, show_messages)) error = 1;

    if (!in_verification && stream && error)
        OLI_Printf(stream, "%s╬HFehler in den Eingabedaten. Die Tragfähigkeit kann nicht ermittelt werden %s\n"_cp,
                   Report_Line_Prefix, Mark_Error());
    return error;
}
