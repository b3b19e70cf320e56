#include "checks/weld_description.h"

#include <cmath>
#include <numbers>

#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Degree = std::numbers::pi / 180.0;

bool Is_Right_Angle(double theta) { return std::fabs(theta - 90.0) <= 0.1; }

// ", Nahtlänge ..." and the opening angle of a fillet or butt weld; the angles of both welds of a
// two-sided weld on an inclined plate.
void Print_Length_And_Angle(const Weld& w, int side, FILE* stream) {
    const bool fillet_full_length = w.type == Weld_Fillet && w.full_length;
    if (w.l_w > 0.1) {
        OLI_Printf(stream, ", Nahtlänge l╬\\w╬r = %.1lf mm"_cp, w.l_w);
        if (fillet_full_length) OLI_Printf(stream, " (voll ausgeführt)"_cp);
    }
    if (w.theta < 0.1) {
        OLI_Printf(stream, ", Stoß"_cp);
        return;
    }
    if (Is_Right_Angle(w.theta)) return;
    const bool new_line = (fillet_full_length && w.l_w > 0.1) || (w.type == Weld_Butt && !w.full_penetration);
    if (new_line)
        OLI_Printf(stream, ",\n%s", Report_Line_Prefix);
    else
        OLI_Printf(stream, ", ");
    OLI_Printf(stream, "Öffnungswinkel ┌ = %.0lf°"_cp, w.theta);
    if (side == Weld_Two_Sided) OLI_Printf(stream, " / %.0lf°"_cp, 180.0 - w.theta);
}

// Throat at the contact point of a fillet weld with penetration depth e on each welded side.
void Print_Penetration(const Weld& w, int side, FILE* stream) {
    const double a_left = w.a - w.e * std::cos(w.theta / 2.0 * Degree);
    const double a_right = w.a - w.e * std::cos((180.0 - w.theta) / 2.0 * Degree);
    OLI_Printf(stream, "%sEinbrandtiefe e = %.1lf mm  ê  Nahtdicke im Kontaktpunkt"_cp, Report_Line_Prefix, w.e);
    const bool inclined = !Is_Right_Angle(w.theta);
    if (inclined && side == Weld_Two_Sided)
        OLI_Printf(stream, " a' = %.1lf mm (links),  a'' = %.1lf mm (rechts)", a_left, a_right);
    else if (inclined && side == Weld_One_Sided_Right)
        OLI_Printf(stream, " a'' = %.1lf mm", a_right);
    else
        OLI_Printf(stream, " a' = %.1lf mm", a_left);
    OLI_Printf(stream, "\n");
}

void Print_Filler(const Weld& w, FILE* stream, int show_strength) {
    const double f_u_FM = Get_Filler_Metal_Strength(w.own_strength, w.filler_index, w.f_u_FM);
    OLI_Printf(stream, "%sSchweißzusatzwerkstoff bei hochfesten Blechen"_cp, Report_Line_Prefix);
    if (!w.own_strength) OLI_Printf(stream, " %s", Get_Filler_Metal_Name(w.filler_index));
    if (w.own_strength || show_strength) OLI_Printf(stream, ": Zugfestigkeit f╬\\u,FM╬r = %.1lf N/mm²"_cp, f_u_FM);
    OLI_Printf(stream, "\n");
}

}   // namespace

void Print_Weld_Description(const Weld& w, int side, int packing, int high_strength_plates, FILE* stream,
                            int show_strength, int mode) {
    if (!stream) return;
    switch (w.type) {
        case Weld_Fillet:
            OLI_Printf(stream, "%sKehlnaht", Report_Line_Prefix);
            if (side >= 0) OLI_Printf(stream, side == Weld_Two_Sided ? ", beidseitig" : ", einseitig");
            OLI_Printf(stream, ", %sNahtdicke a = %.1lf mm", w.e > 0.1 ? "wirks. " : "", w.a);
            Print_Length_And_Angle(w, side, stream);
            OLI_Printf(stream, "\n");
            if (w.e > 0.1 && !packing) Print_Penetration(w, side, stream);
            break;
        case Weld_Slot:
            OLI_Printf(stream, "%sSchlitznaht, Schlitzdurchmesser d = %.1lf mm"_cp, Report_Line_Prefix, w.d);
            if (w.l > 0.001) OLI_Printf(stream, ", Schlitzlänge l = %.1lf mm"_cp, w.l);
            OLI_Printf(stream, ", Nahtdicke a = %.1lf mm\n", w.a);
            break;
        case Weld_Butt:
            OLI_Printf(stream, "%sStumpfnaht (%sdurchgeschweißt"_cp, Report_Line_Prefix,
                       w.full_penetration ? "" : "nicht ");
            if (!w.full_penetration)
                OLI_Printf(stream, "%s, Nahtdicke a = %.1lf mm",
                           side == Weld_Two_Sided ? ", beidseitig" : ", einseitig", w.a);
            OLI_Printf(stream, ")");
            if (!w.full_penetration) OLI_Printf(stream, ", Nahtdicke a = %.1lf mm", w.a);
            Print_Length_And_Angle(w, side, stream);
            OLI_Printf(stream, "\n");
            break;
        case Weld_Plug:
            OLI_Printf(stream, "%sLochschweißung, Lochdurchmesser d = %.1lf mm"_cp, Report_Line_Prefix, w.d);
            if (w.l > 0.001) OLI_Printf(stream, ", Lochlänge l = %.1lf mm"_cp, w.l);
            OLI_Printf(stream, ", Dicke der Lochschweißung a = %.1lf mm\n"_cp, w.a);
            break;
        default:
            break;
    }
    if ((w.type == Weld_Fillet || w.type == Weld_Butt) && high_strength_plates && w.high_strength_filler)
        Print_Filler(w, stream, show_strength);
}

void Print_Weld_Description_Filtered(const Weld& w, int side, int packing, int high_strength_plates, FILE* stream,
                                     int show_strength, int mode) {
    if (!stream) return;
    if (mode == 1 && w.type != Weld_Fillet) return;
    if ((mode == 2 || mode == 3) && w.type != Weld_Fillet && w.type != Weld_Butt) return;
    Print_Weld_Description(w, side, packing, high_strength_plates, stream, show_strength, mode);
}
