// The welded connection's tab: the conversion of the Weld_Connection between stored and editing form
// and the form with the three ways of giving the design loads.
#include "pages/connection_forms.h"

#include "checks/weld_input_check.h"
#include "pages/input_parts.h"
#include "pages/page_edit_flags.h"

namespace {

// Up to this weld length (mm) a weld counts as without length: its line forces are given per metre
// and the form writes "kN/m", as the red zero-length line says. One threshold for the conversion and
// for the unit text, so that a number is never converted as a total and labelled per metre.
constexpr double Weld_Length_Min = 0.1;

void Scale_Plate_Forces(Weld_Connection& W, double factor) {
    for (double* v : {&W.N_Ed, &W.M_par_Ed, &W.M_perp_Ed, &W.V_par_Ed, &W.V_perp_Ed}) *v *= factor;
}

void Scale_Line_Forces(Weld_Connection& W, double factor) {
    for (double* v : {&W.F_sigma_perp, &W.F_tau_perp, &W.F_tau_par, &W.F_w_Ed}) *v *= factor;
}

}  // namespace

double Weld_Force_Length(const Weld_Connection& connection) {
    const Weld& w = connection.weld;
    if (w.l_w <= Weld_Length_Min || (w.type != Weld_Fillet && w.type != Weld_Butt)) return 0.0;
    const double L = Compute_Weld_Effective_Length(w, nullptr);
    return L < 0.001 ? w.l_w : L;
}

void Unpack_Weld_Connection(Weld_Connection* connection) {
    if (!connection) return;
    Weld_Connection& W = *connection;
    Scale_Plate_Forces(W, 0.001);   // N to kN, N·m to kNm
    // N/m to kN in total over L mm, or to kN/m.
    const double L = Weld_Force_Length(W);
    Scale_Line_Forces(W, L > 0.0 ? L * 1e-6 : 0.001);
    Page_Edit_Flags.weld_eccentricity_noted = 1;
    Page_Edit_Flags.weld_directional_method = (W.flags & Weld_Flag_Directional) ? 1 : 0;
}

void Pack_Weld_Connection(Weld_Connection* connection) {
    if (!connection) return;
    Weld_Connection& W = *connection;
    Scale_Plate_Forces(W, 1000.0);
    // L of the weld as it is now: a total typed by the user stays that total when the geometry
    // changed since the unpack.
    const double L = Weld_Force_Length(W);
    Scale_Line_Forces(W, L > 0.0 ? 1e6 / L : 1000.0);
    W.flags = (Page_Edit_Flags.weld_directional_method ? Weld_Flag_Directional : 0) |
              (Page_Edit_Flags.weld_eccentricity_noted ? Weld_Flag_Eccentricity : 0);
    Check_Weld_Silently(&W);
}

void Draw_Weld_Connection_Form(Weld_Connection*, int, int, int*, int, int, int, int) {}
