#include "checks/weld_record.h"

#include <cmath>

#include "annex/annex_record.h"
#include "checks/weld_input_check.h"
#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "common/run_state.h"
#include "platform/host/host_library.h"

namespace {

constexpr double Compare_Tolerance = 0.01;   // mm and N/mm², as the plates compare

bool Near(double x, double y) { return std::fabs(x - y) <= Compare_Tolerance; }

// fscanf that counts a short read as failure.
template <typename... Fields>
bool Scan(FILE* stream, const char* format, int count, Fields*... fields) {
    return Scan_Stream(stream, format, fields...) == count;
}

}   // namespace

Weld* Init_Weld(Weld* weld) {
    if (!weld) return nullptr;
    *weld = Weld{};
    weld->theta = 90.0;
    return weld;
}

void Copy_Weld(const Weld* source, Weld* target) {
    if (!target) return;
    Init_Weld(target);
    if (source) *target = *source;
}

int Compare_Weld(const Weld* a, const Weld* b) {
    if (!a || !b) return 0;
    const bool switches = a->type == b->type && a->full_penetration == b->full_penetration &&
                          a->full_length == b->full_length && a->high_strength_filler == b->high_strength_filler &&
                          a->filler_index == b->filler_index && a->own_strength == b->own_strength;
    const bool values = Near(a->a, b->a) && Near(a->e, b->e) && Near(a->l_w, b->l_w) && Near(a->theta, b->theta) &&
                        Near(a->d, b->d) && Near(a->l, b->l) && Near(a->f_u_FM, b->f_u_FM);
    return switches && values ? 1 : 0;
}

int Write_Weld(FILE* stream, const Weld* weld) {
    if (!stream || !weld) return 1;
    const Weld& w = *weld;
    if (Print_To_Stream(stream, " %d\n", Weld_Block_Version) < 0) return 1;
    if (Print_To_Stream(stream, " %d %lf %lf %lf %d %d %lf %lf %d %lf\n", w.type, w.a, w.d, w.l, w.full_penetration, 0,
                        w.theta, w.l_w, w.full_length, w.e) < 0)
        return 1;
    if (Print_To_Stream(stream, " %d %d %d %lf\n", w.high_strength_filler, w.filler_index, w.own_strength, w.f_u_FM) <
        0)
        return 1;
    return 0;
}

int Read_Weld(FILE* stream, Weld* weld) {
    if (!stream || !weld) return 1;
    Weld& w = *weld;
    int version = 0;
    if (!Scan(stream, "%d", 1, &version)) return 1;
    if (!Check_File_Version(version, Weld_Block_Version, 0)) return 1;
    int reserved = 0;
    if (!Scan(stream, "%d%lf%lf%lf%d%d%lf", 7, &w.type, &w.a, &w.d, &w.l, &w.full_penetration, &reserved, &w.theta))
        return 1;
    if (version <= 0) {
        w.full_length = 0;
        w.l_w = w.e = 0.0;
        return 0;
    }
    if (!Scan(stream, "%lf%d", 2, &w.l_w, &w.full_length)) return 1;
    if (version == 1) {
        w.e = 0.0;
        return 0;
    }
    if (!Scan(stream, "%lf", 1, &w.e)) return 1;
    if (version == 2) return 0;
    return Scan(stream, "%d%d%d%lf", 4, &w.high_strength_filler, &w.filler_index, &w.own_strength, &w.f_u_FM) ? 0 : 1;
}

const char* Get_Filler_Metal_Name(int index) {
    static char name[8];
    name[0] = '\0';
    if (index >= 0 && index < static_cast<int>(Filler_Metal_Table.size())) {
        const std::string_view n = Filler_Metal_Table[index].name;
        const std::size_t k = n.copy(name, sizeof name - 1);
        name[k] = '\0';
    }
    return name;
}

double Get_Filler_Metal_Strength(int own_strength, int index, double own_value) {
    if (own_strength || index < 0 || index >= static_cast<int>(Filler_Metal_Table.size())) return own_value;
    return Filler_Metal_Table[index].f_u;
}

double Get_Filler_Metal_Beta_W(int own_strength, int index, double f_u_FM) {
    if (!own_strength && index >= 0 && index < static_cast<int>(Filler_Metal_Table.size()))
        return Filler_Metal_Table[index].beta_w;
    // An own strength takes the row of the next stronger table filler.
    for (std::size_t k = 0; k + 1 < Filler_Metal_Table.size(); ++k)
        if (f_u_FM < Filler_Metal_Table[k].f_u + 0.001) return Filler_Metal_Table[k].beta_w;
    return Filler_Metal_Table.back().beta_w;
}

void Init_Weld_Connection(Weld_Connection* connection) {
    if (!connection) return;
    Weld_Connection& c = *connection;
    Init_Weld(&c.weld);
    Init_Plate(&c.plate1);
    Init_Plate(&c.plate2);
    c.side = c.packing = c.flags = c.force_mode = 0;
    c.t_p = 0.0;
    c.N_Ed = c.M_par_Ed = c.M_perp_Ed = c.V_par_Ed = c.V_perp_Ed = 0.0;
    c.F_sigma_perp = c.F_tau_perp = c.F_tau_par = 0.0;
    c.sigma_perp = c.tau_perp = c.tau_par = 0.0;
    c.F_w_Ed = c.sigma_w_Ed = 0.0;
    c.reserved_int = 0;
    c.reserved_double = 0.0;
    c.context = Check_Context{};
    c.l_eff = 0.0;
}

void Default_Weld_Connection(Weld_Connection* connection) {
    if (!connection) return;
    Weld_Connection& c = *connection;
    Init_Weld_Connection(&c);
    Default_Weld(&c.weld);
    c.side = Weld_Two_Sided;
    c.flags = Weld_Flag_Directional | Weld_Flag_Eccentricity;
    c.force_mode = Weld_Section_Forces;
    c.plate1.t = 10.0;
    c.plate2.t = 16.0;
}

void Copy_Weld_Connection(const Weld_Connection* source, Weld_Connection* target) {
    if (!target) return;
    Init_Weld_Connection(target);
    if (!source) return;
    const Weld_Connection& s = *source;
    Weld_Connection& c = *target;
    c.side = s.side;
    c.flags = s.flags;
    c.force_mode = s.force_mode;
    c.N_Ed = s.N_Ed;
    c.M_par_Ed = s.M_par_Ed;
    c.M_perp_Ed = s.M_perp_Ed;
    c.V_par_Ed = s.V_par_Ed;
    c.V_perp_Ed = s.V_perp_Ed;
    c.F_sigma_perp = s.F_sigma_perp;
    c.F_tau_perp = s.F_tau_perp;
    c.F_tau_par = s.F_tau_par;
    c.sigma_perp = s.sigma_perp;
    c.tau_perp = s.tau_perp;
    c.tau_par = s.tau_par;
    c.F_w_Ed = s.F_w_Ed;
    c.sigma_w_Ed = s.sigma_w_Ed;
    c.packing = s.packing;
    c.t_p = s.t_p;
    Copy_Weld(&s.weld, &c.weld);
    Copy_Plate(&s.plate1, &c.plate1);
    Copy_Plate(&s.plate2, &c.plate2);
    c.reserved_int = s.reserved_int;
    c.reserved_double = s.reserved_double;
}

int Write_Weld_Connection(FILE* stream, const Weld_Connection* connection) {
    if (!stream || !connection) return 1;
    const Weld_Connection& c = *connection;
    if (Print_To_Stream(stream, " %d\n", Weld_Connection_Block_Version) < 0) return 1;
    if (Write_Weld(stream, &c.weld)) return 1;
    Plate packing;
    Init_Plate(&packing);
    packing.t = c.t_p;
    if (Write_Plate(stream, &c.plate1) || Write_Plate(stream, &c.plate2) || Write_Plate(stream, &packing)) return 1;
    if (Print_To_Stream(stream, " %d %d %lf %lf %lf %lf %lf %lf %lf", c.flags, c.force_mode, c.N_Ed, c.V_par_Ed,
                        c.M_perp_Ed, c.V_perp_Ed, c.F_sigma_perp, c.F_tau_perp, c.F_tau_par) < 0)
        return 1;
    if (Print_To_Stream(stream, " %lf %lf %lf %lf %lf %d %d", c.sigma_perp, c.tau_perp, c.tau_par, c.F_w_Ed,
                        c.sigma_w_Ed, c.side, c.packing) < 0)
        return 1;
    if (Print_To_Stream(stream, " %lf %d %lf\n", c.M_par_Ed, c.reserved_int, c.reserved_double) < 0) return 1;
    return 0;
}

int Read_Weld_Connection(FILE* stream, Weld_Connection* connection) {
    if (!stream || !connection) return 1;
    Weld_Connection& c = *connection;
    int version = 0;
    if (!Scan(stream, "%d", 1, &version)) return 1;
    if (!Check_File_Version(version, Weld_Connection_Block_Version, 0)) return 1;
    if (Read_Weld(stream, &c.weld)) return 1;
    Plate packing;
    Init_Plate(&packing);
    if (Read_Plate(stream, &c.plate1) || Read_Plate(stream, &c.plate2) || Read_Plate(stream, &packing)) return 1;
    c.t_p = packing.t;

    if (!Scan(stream, "%d%d%lf%lf%lf", 5, &c.flags, &c.force_mode, &c.N_Ed, &c.V_par_Ed, &c.M_perp_Ed)) return 1;
    double sixth = 0.0;
    if (!Scan(stream, "%lf", 1, &sixth)) return 1;
    if (version <= 0) {
        // The first block held the weld length in this place and no transverse shear.
        c.weld.l_w = sixth;
        c.V_perp_Ed = 0.0;
    } else {
        c.V_perp_Ed = sixth;
    }
    if (!Scan(stream, "%lf%lf%lf", 3, &c.F_sigma_perp, &c.F_tau_perp, &c.F_tau_par)) return 1;
    if (!Scan(stream, "%lf%lf%lf%lf%lf", 5, &c.sigma_perp, &c.tau_perp, &c.tau_par, &c.F_w_Ed, &c.sigma_w_Ed)) return 1;

    c.side = Weld_Two_Sided;
    if (version >= 2) {
        int stored = 0;
        if (!Scan(stream, "%d", 1, &stored)) return 1;
        // Versions 2 to 5 stored a "two-sided" switch; 0 meant a one-sided weld on the left.
        c.side = version <= 5 ? (stored == 0 ? Weld_One_Sided_Left : Weld_Two_Sided) : stored;
    }
    if (version <= 2) {
        c.packing = c.t_p > 0.1 ? 1 : 0;
    } else if (!Scan(stream, "%d", 1, &c.packing)) {
        return 1;
    }
    if (version >= 4 && !Scan(stream, "%lf", 1, &c.M_par_Ed)) return 1;
    if (version >= 7 && !Scan(stream, "%d%lf", 2, &c.reserved_int, &c.reserved_double)) return 1;

    // Up to version 4 the line forces of a two-sided weld were those of one weld.
    if (version <= 4 && c.side == Weld_Two_Sided && c.force_mode == Weld_Line_Forces) {
        c.F_sigma_perp *= 2.0;
        c.F_tau_perp *= 2.0;
        c.F_tau_par *= 2.0;
        c.F_w_Ed *= 2.0;
        if (!Refresh_Mode)
            PrintMessage("%s",
                         "*** Die Bemessungskräfte in der Nahtwurzel werden nun auf die gesamte Nahtlänge "
                         "bezogen. ***"_cp);
    }
    // The eccentricity of one-sided welds is always taken into account; older blocks learn it here
    // without a notice, so that the window and the batch road load a file alike.
    c.flags |= Weld_Flag_Eccentricity;
    return 0;
}

bool Is_Weld_NA_DE() {
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    return ec3 && ec3->variant != 0;
}
