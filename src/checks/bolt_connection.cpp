// The bolted connection record: initialisation, check preparation, copy and file block.
#include "checks/bolt_connection.h"

#include <cstdio>

#include "checks/concrete_grade.h"
#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "common/run_state.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Block_Version = 7;
constexpr double Packing_Min_Thickness = 0.1;   // mm; a thinner packing of an old block is none

// The input fields, that is everything but fastener, plates, context, error word and results.
void Copy_Input_Fields(const Bolt_Connection& S, Bolt_Connection& T) {
    T.packing = S.packing;
    T.t_p = S.t_p;
    T.Shear_Category = S.Shear_Category;
    T.Tension_Category = S.Tension_Category;
    T.options = S.options;
    T.e_11 = S.e_11;
    T.e_12 = S.e_12;
    T.e_21 = S.e_21;
    T.e_22 = S.e_22;
    T.p_1 = S.p_1;
    T.p_2 = S.p_2;
    T.spacing_off = S.spacing_off;
    T.A_net = S.A_net;
    T.shear_planes = S.shear_planes;
    T.slip_class = S.slip_class;
    T.delta_t = S.delta_t;
    T.pin_geometry = S.pin_geometry;
    T.punching_check = S.punching_check;
    T.shear_check = S.shear_check;
    T.bearing_check = S.bearing_check;
    T.bearing_deformation = S.bearing_deformation;
    T.alpha_M = S.alpha_M;
    T.slip_check = S.slip_check;
    T.net_section_check = S.net_section_check;
    T.tension_check = S.tension_check;
    T.block_tearing_check = S.block_tearing_check;
    T.A_nt = S.A_nt;
    T.A_nv = S.A_nv;
    T.A_gv = S.A_gv;
    T.angle_check = S.angle_check;
    T.n = S.n;
    T.A_net_L = S.A_net_L;
    T.L_j = S.L_j;
    T.F_v_Ed = S.F_v_Ed;
    T.F_v_Ed_ser = S.F_v_Ed_ser;
    T.Sum_F_v_Ed = S.Sum_F_v_Ed;
    T.F_t_Ed = S.F_t_Ed;
    T.F_t_Ed_ser = S.F_t_Ed_ser;
    T.V_eff_Ed = S.V_eff_Ed;
    T.N_Ed = S.N_Ed;
}

// Version 0 stored the thickness of both outer plates of a double-shear connection (and of both
// eye bars 2 of a pin) as t2; the connection section has plates of t2/2.
void Halve_Old_Plate_2(Bolt_Connection& C, int show_notices) {
    const bool pin = C.fastener.type == Fastener_Pin;
    if (!pin && C.shear_planes != 2) return;
    C.plate_2.t *= 0.5;
    if (!show_notices || Refresh_Mode) return;
    if (pin)
        PrintMessage("%s", "*** Bolzenverbindung ***\nÄnderung in der Eingabe der Dicke von Blech 2:\n"
                           "Die Blechdicke im Anschlussschnitt ist maßgebend,\nd.h. das bisherige t2 wird halbiert"_cp);
    else
        PrintMessage("%s", "*** Schrauben-, Nietverbindung mit zweischnittigem Anschluss ***\n"
                           "Änderung in der Eingabe der Dicke von Blech 2:\n"
                           "Im Anschlussschnitt sind zwei Bleche der Dicke t2,\nd.h. das bisherige t2 wird halbiert"_cp);
}

}  // namespace

void Init_Bolt_Connection(Bolt_Connection* connection) {
    if (!connection) return;
    Bolt_Connection& C = *connection;
    C = Bolt_Connection{};
    Init_Fastener(&C.fastener);
    Init_Plate(&C.plate_1);
    Init_Plate(&C.plate_2);
    C.Shear_Category = Shear_Category_A;
    C.Tension_Category = Tension_Category_D;
    C.shear_planes = 1;
    C.punching_check = C.shear_check = C.bearing_check = 1;
    C.slip_check = C.net_section_check = C.tension_check = 1;
    C.alpha_M = 1.0;
}

void Prepare_Bolt_Check(Bolt_Connection* connection, int uniform_steel, int verification,
                        const Safety_Factors* factors) {
    if (!connection) return;
    Check_Context& context = connection->context;
    context = Check_Context{};
    context.uniform_steel = uniform_steel;
    context.verification = verification;
    context.summary = 1;
    context.factors = factors;
    context.spare = 0;
}

void Copy_Bolt_Connection(const Bolt_Connection* source, Bolt_Connection* target) {
    if (!target) return;
    Init_Bolt_Connection(target);
    if (!source) return;
    Copy_Fastener(&source->fastener, &target->fastener);
    Copy_Plate(&source->plate_1, &target->plate_1);
    Copy_Plate(&source->plate_2, &target->plate_2);
    Copy_Input_Fields(*source, *target);
}

int Write_Bolt_Connection(FILE* file, const Bolt_Connection* connection) {
    if (!file || !connection) return 1;
    const Bolt_Connection& C = *connection;
    // The concrete's f_ck travels in the characteristic strength of its first band.
    Plate plate_2 = C.plate_2;
    if (C.fastener.type == Fastener_Anchor_Bolt) plate_2.material.band[0].f_y = plate_2.material.f_y;
    // The packing (or grout) thickness travels as the thickness of an otherwise empty plate.
    Plate packing;
    Init_Plate(&packing);
    packing.t = C.t_p;
    const bool failed =
        Print_To_Stream(file, " %d\n", Block_Version) < 0 || Write_Fastener(file, &C.fastener) != 0 ||
        Write_Plate(file, &C.plate_1) != 0 || Write_Plate(file, &plate_2) != 0 || Write_Plate(file, &packing) != 0 ||
        Print_To_Stream(file, " %d %d %lf %lf %lf %lf %lf %lf %d %lf %lf %lf %lf\n", C.Shear_Category,
                        C.Tension_Category, C.F_v_Ed, C.F_v_Ed_ser, C.Sum_F_v_Ed, C.F_t_Ed, C.F_t_Ed_ser, C.V_eff_Ed,
                        C.options, C.e_11, C.e_21, C.p_1, C.p_2) < 0 ||
        // The 14th value has no field; it is always 0.
        Print_To_Stream(file, " %d %lf %d %d %d %lf %lf %d %d %lf %lf %lf %d %d\n", 0, C.A_net, C.shear_planes,
                        C.slip_class, C.block_tearing_check, C.A_nt, C.A_nv, C.angle_check, C.n, C.N_Ed, C.A_net_L,
                        C.delta_t, C.pin_geometry, C.punching_check) < 0 ||
        Print_To_Stream(file, " %d", C.spacing_off) < 0 ||
        Print_To_Stream(file, " %d %d %d %d %d %d", C.shear_check, C.bearing_check, C.slip_check,
                        C.net_section_check, C.tension_check, C.packing) < 0 ||
        Print_To_Stream(file, " %lf %lf", C.e_12, C.L_j) < 0 ||
        Print_To_Stream(file, " %lf %d %lf %lf", C.e_22, C.bearing_deformation, C.A_gv, C.alpha_M) < 0 ||
        Print_To_Stream(file, "\n") < 0;
    return failed ? 1 : 0;
}

int Read_Bolt_Connection(FILE* file, Bolt_Connection* connection, int show_notices) {
    if (!file || !connection) return 1;
    Bolt_Connection& C = *connection;
    int version = 0;
    if (Scan_Stream(file, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, Block_Version, 0)) return 1;
    Init_Bolt_Connection(&C);
    if (Read_Fastener(file, &C.fastener) || Read_Plate(file, &C.plate_1) || Read_Plate(file, &C.plate_2)) return 1;
    if (C.fastener.type == Fastener_Anchor_Bolt) {
        // The material reader derives a steel grade; the concrete takes its stored f_ck back and is
        // derived again as concrete.
        C.plate_2.material.f_y = C.plate_2.material.band[0].f_y;
        Apply_Concrete_Grade(&C.plate_2.material);
    }
    Plate packing;
    Init_Plate(&packing);
    if (Read_Plate(file, &packing)) return 1;
    C.t_p = packing.t;

    int unused = 0;
    if (Scan_Stream(file, "%d%d%lf%lf%lf%lf%lf%lf%d%lf%lf%lf%lf%d%lf%d%d%d%lf%lf%d%d%lf%lf%lf%d%d", &C.Shear_Category,
                    &C.Tension_Category, &C.F_v_Ed, &C.F_v_Ed_ser, &C.Sum_F_v_Ed, &C.F_t_Ed, &C.F_t_Ed_ser,
                    &C.V_eff_Ed, &C.options, &C.e_11, &C.e_21, &C.p_1, &C.p_2, &unused, &C.A_net, &C.shear_planes,
                    &C.slip_class, &C.block_tearing_check, &C.A_nt, &C.A_nv, &C.angle_check, &C.n, &C.N_Ed,
                    &C.A_net_L, &C.delta_t, &C.pin_geometry, &C.punching_check) != 27)
        return 1;
    if (version >= 1) {
        if (Scan_Stream(file, "%d", &C.spacing_off) != 1) return 1;
    } else {
        Halve_Old_Plate_2(C, show_notices);
        C.spacing_off = 0;
    }
    if (version >= 2 && Scan_Stream(file, "%d%d%d%d%d", &C.shear_check, &C.bearing_check, &C.slip_check,
                                    &C.net_section_check, &C.tension_check) != 5)
        return 1;
    if (version >= 3) {
        if (Scan_Stream(file, "%d", &C.packing) != 1) return 1;
    } else {
        C.packing = C.t_p > Packing_Min_Thickness ? 1 : 0;
    }
    if (version >= 4) {
        if (Scan_Stream(file, "%lf", &C.e_12) != 1) return 1;
    } else {
        C.e_12 = C.e_11;
    }
    if (version >= 5 && Scan_Stream(file, "%lf", &C.L_j) != 1) return 1;
    if (version >= 6) {
        if (Scan_Stream(file, "%lf %d %lf", &C.e_22, &C.bearing_deformation, &C.A_gv) != 3) return 1;
    } else {
        C.e_22 = C.e_21;
    }
    if (version >= 7 && Scan_Stream(file, "%lf", &C.alpha_M) != 1) return 1;
    return 0;
}
