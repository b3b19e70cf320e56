// PLACEHOLDER until the input check of the T-stub in tension lands on main; delete this file then.
// It applies the normalisations that the report sketches rely on and refuses a flange without
// thickness, a failed bolt-distance check and an inadmissible fastener.
#include "checks/tstub_tension.h"
#include "frame/plate.h"

int Check_T_Stub_Tension_Input(T_Stub_Tension* tstub, FILE* stream, int show_messages, int) {
    if (!tstub) return 0;
    T_Stub_Tension& T = *tstub;
    T.fastener.type = Fastener_Bolt;
    if (T.bolts_per_row != 2 && T.bolts_per_row != 4) T.bolts_per_row = 2;
    if (T.lengths_given) T.location = T.bolts_per_row == 4 ? T_Stub_End_Plate : T_Stub_Column_Flange;
    int error = 0;
    if (Check_T_Stub_Edge_Distances(&T, T.location, T.fastener.d_p, stream, show_messages)) error = 1;
    if (T.flange.t < 1.0) error = 1;
    if (Check_Plate(&T.flange, stream, show_messages, Plate_Option_Thickness | Plate_Option_Material, ""))
        error = 1;
    if (Derive_Fastener_Data(&T.fastener, stream, show_messages)) error = 1;
    return error;
}
