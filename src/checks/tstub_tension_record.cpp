// The T-stub in tension record: initialisation, defaults, copy, check preparation and file block.
#include <cstdio>

#include "checks/tstub_tension.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"

namespace {

constexpr int Block_Version = 8;
constexpr int Inner_Version = 6;
constexpr double Backing_Plate_Min = 0.1;   // mm; a thinner backing plate of an old block is none

// The settings of a new record for the fields up to sum_l_eff_2.
void Reset_Parameters(T_Stub_Tension& T) {
    T.bolts_per_row = 0;
    T.row_count = 1;
    T.single_row = T.inner_row = T.row_next_to_stiffener = T.row_at_free_edge = T.extension_stiffener = 0;
    T.e = T.p = T.m = T.m_2 = T.e_1 = T.m_1 = T.w_extension = T.b_p = T.w = T.b_st = T.a_st = 0.0;
    T.four_bolt_method = Four_Bolt_Handbook;
    T.lengths_given = 0;
    T.edge_check_mode = Edge_Check_Enforced;
    T.sum_l_eff_1 = T.sum_l_eff_2 = 0.0;
}

// Reads one item of the block; false when the scanner converts fewer items than the format has.
template <typename... Values>
bool Scan(FILE* stream, int count, const char* format, Values*... values) {
    return Scan_Stream(stream, format, values...) == count;
}

// The row forces beyond row 1 that a block of this row count holds.
int Further_Rows(int row_count) { return row_count > T_Stub_Max_Rows ? T_Stub_Max_Rows - 1 : row_count - 1; }

}  // namespace

void Init_T_Stub_Tension_Parameters(T_Stub_Tension* tstub) {
    if (tstub) Reset_Parameters(*tstub);
}

void Init_T_Stub_Tension(T_Stub_Tension* tstub) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    Reset_Parameters(T);
    Init_Plate(&T.flange);
    Init_Plate(&T.web);
    T.backing_plate = 0;
    T.t_bp = 0.0;
    Init_Fastener(&T.fastener);
    T.location = T.procedure = 0;
    T.t_2 = T.t_w = 0.0;
    T.ih2_connection = T.skip_weld_check = T.l_stub = T.one_bolt_in_extension = 0;
    T.F_t_Ed.fill(0.0);
    T.check_context = Check_Context{};
    T.e_min = T.m_check = 0.0;
    T.k2_full = 0;
    T.fillet_by_shear = 1;
    T.weld_argument = 0.0;
}

void Default_T_Stub_Tension(T_Stub_Tension* tstub) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    Init_T_Stub_Tension(&T);
    T.single_row = 1;
    T.inner_row = 0;
    T.e = 50.0;
    T.e_1 = 60.0;
    T.m = 30.0;
    T.m_1 = 25.0;
    T.flange.t = 20.0;
    T.flange.l = 140.0;
    Default_Fastener(&T.fastener);
}

void Copy_T_Stub_Tension(const T_Stub_Tension* source, T_Stub_Tension* target) {
    if (!target) return;
    Init_T_Stub_Tension(target);
    if (!source) return;
    T_Stub_Tension& T = *target;
    const T_Stub_Tension& S = *source;
    T.bolts_per_row = S.bolts_per_row;
    T.row_count = S.row_count;
    T.single_row = S.single_row;
    T.inner_row = S.inner_row;
    T.row_next_to_stiffener = S.row_next_to_stiffener;
    T.row_at_free_edge = S.row_at_free_edge;
    T.extension_stiffener = S.extension_stiffener;
    T.e = S.e;
    T.p = S.p;
    T.m = S.m;
    T.m_2 = S.m_2;
    T.e_1 = S.e_1;
    T.m_1 = S.m_1;
    T.w_extension = S.w_extension;
    T.b_p = S.b_p;
    T.w = S.w;
    T.b_st = S.b_st;
    T.a_st = S.a_st;
    T.four_bolt_method = S.four_bolt_method;
    T.lengths_given = S.lengths_given;
    T.edge_check_mode = S.edge_check_mode;
    T.sum_l_eff_1 = S.sum_l_eff_1;
    T.sum_l_eff_2 = S.sum_l_eff_2;
    Copy_Plate(&S.flange, &T.flange);
    Copy_Plate(&S.web, &T.web);
    T.backing_plate = S.backing_plate;
    T.t_bp = S.t_bp;
    Copy_Fastener(&S.fastener, &T.fastener);
    T.location = S.location;
    T.procedure = S.procedure;
    T.t_2 = S.t_2;
    T.t_w = S.t_w;
    T.ih2_connection = S.ih2_connection;
    T.skip_weld_check = S.skip_weld_check;
    T.l_stub = S.l_stub;
    T.one_bolt_in_extension = S.one_bolt_in_extension;
    T.F_t_Ed = S.F_t_Ed;
    T.check_context = S.check_context;
    T.e_min = S.e_min;
    T.m_check = S.m_check;
    T.k2_full = S.k2_full;
    T.fillet_by_shear = S.fillet_by_shear;
    T.weld_argument = S.weld_argument;
}

void Prepare_T_Stub_Tension_Check(T_Stub_Tension* tstub, int uniform_steel, int verification,
                                  const Safety_Factors* factors) {
    if (!tstub) return;
    T_Stub_Tension& T = *tstub;
    T.check_context = Prepared_Check_Context(uniform_steel, verification, factors);
    T.k2_full = 0;
    T.fillet_by_shear = 1;
    T.weld_argument = 0.0;
}

bool Is_L_Stub(const T_Stub_Tension& T) {
    return T.l_stub && (T.lengths_given || T.location == T_Stub_Extension);
}

int T_Stub_Distance_Location(const T_Stub_Tension& T) {
    const bool stiffened_extension = T.location == T_Stub_Extension && T.extension_stiffener &&
                                     T.bolts_per_row != 4 && Current_Code_Edition == Code_Edition_2025;
    return stiffened_extension ? T_Stub_End_Plate : T.location;
}

int Write_T_Stub_Tension(FILE* stream, const T_Stub_Tension* tstub) {
    if (!stream || !tstub) return 1;
    const T_Stub_Tension& T = *tstub;
    if (Print_To_Stream(stream, " %d\n", Block_Version) < 0) return 1;
    if (Print_To_Stream(stream, " %d\n", Inner_Version) < 0) return 1;
    if (Print_To_Stream(stream, " %d %d %d\n", T.lengths_given, T.inner_row, T.row_next_to_stiffener) < 0) return 1;
    if (Print_To_Stream(stream, " %lf %lf", T.sum_l_eff_1, T.sum_l_eff_2) < 0) return 1;
    // A row count above the 20 forces of the record is written as 20, so that the block stays readable.
    const int rows = T.row_count > T_Stub_Max_Rows ? T_Stub_Max_Rows : T.row_count;
    if (Print_To_Stream(stream, " %lf %lf %d %lf %lf %lf %lf %lf\n", T.e, T.e_1, rows, T.p, T.m, T.b_p, T.m_2, T.m_1) < 0)
        return 1;
    if (Print_To_Stream(stream, " %d", T.single_row) < 0) return 1;
    if (Print_To_Stream(stream, " %d %lf %lf %lf", T.bolts_per_row, T.w, T.b_st, T.a_st) < 0) return 1;
    if (Print_To_Stream(stream, " %d", T.four_bolt_method) < 0) return 1;
    if (Print_To_Stream(stream, " %lf", T.w_extension) < 0) return 1;
    if (Print_To_Stream(stream, " %d %d\n", T.extension_stiffener, T.row_at_free_edge) < 0) return 1;
    if (Write_Plate(stream, &T.flange)) return 1;
    Plate backing;
    Init_Plate(&backing);
    backing.t = T.t_bp;
    if (Write_Plate(stream, &backing)) return 1;
    if (Write_Fastener(stream, &T.fastener)) return 1;
    if (Print_To_Stream(stream, " %d %d %lf", T.location, T.procedure, T.F_t_Ed[0]) < 0) return 1;
    for (int row = 1; row <= Further_Rows(rows); ++row)
        if (Print_To_Stream(stream, " %lf", T.F_t_Ed[row]) < 0) return 1;
    Print_To_Stream(stream, "\n");
    if (Print_To_Stream(stream, " %d", T.backing_plate) < 0) return 1;
    if (Print_To_Stream(stream, " %lf\n", T.t_2) < 0) return 1;
    if (Write_Plate(stream, &T.web)) return 1;
    if (Print_To_Stream(stream, " %lf %d %d %d %d\n", T.t_w, T.ih2_connection, T.skip_weld_check, T.l_stub,
                        T.one_bolt_in_extension) < 0)
        return 1;
    return 0;
}

int Read_T_Stub_Tension(FILE* stream, T_Stub_Tension* tstub) {
    if (!stream || !tstub) return 1;
    T_Stub_Tension& T = *tstub;
    int V = 0;
    if (!Scan(stream, 1, "%d", &V)) return 1;
    if (!Check_File_Version(V, Block_Version, 0)) return 1;
    Reset_Parameters(T);
    int v = 0;
    if (!Scan(stream, 1, "%d", &v)) return 1;
    if (!Check_File_Version(v, Inner_Version, 0)) return 1;

    if (!Scan(stream, 3, "%d%d%d", &T.lengths_given, &T.inner_row, &T.row_next_to_stiffener)) return 1;
    if (!Scan(stream, 2, "%lf%lf", &T.sum_l_eff_1, &T.sum_l_eff_2)) return 1;
    if (!Scan(stream, 8, "%lf%lf%d%lf%lf%lf%lf%lf", &T.e, &T.e_1, &T.row_count, &T.p, &T.m, &T.b_p, &T.m_2, &T.m_1))
        return 1;
    // The record holds 20 row forces and the form never writes more; a block of more rows is damaged.
    if (T.row_count > T_Stub_Max_Rows) return 1;
    if (T.row_count < 1) T.row_count = 1;
    if (v > 0 && !Scan(stream, 1, "%d", &T.single_row)) return 1;
    if (v > 1) {
        if (!Scan(stream, 2, "%d%lf", &T.bolts_per_row, &T.w)) return 1;
        if (!Scan(stream, 2, "%lf%lf", &T.b_st, &T.a_st)) return 1;
    }
    if (v > 2 && !Scan(stream, 1, "%d", &T.four_bolt_method)) return 1;
    if (v > 3 && !Scan(stream, 1, "%lf", &T.w_extension)) return 1;
    if (v > 4 && !Scan(stream, 1, "%d", &T.extension_stiffener)) return 1;
    if (v > 5 && !Scan(stream, 1, "%d", &T.row_at_free_edge)) return 1;

    if (Read_Plate(stream, &T.flange)) return 1;
    Plate backing;
    Init_Plate(&backing);
    if (Read_Plate(stream, &backing)) return 1;
    T.t_bp = backing.t;
    if (Read_Fastener(stream, &T.fastener)) return 1;
    if (!Scan(stream, 3, "%d%d%lf", &T.location, &T.procedure, &T.F_t_Ed[0])) return 1;
    // Blocks of version 0 hold the force of row 1 only.
    if (V >= 1)
        for (int row = 1; row <= Further_Rows(T.row_count); ++row)
            if (!Scan(stream, 1, "%lf", &T.F_t_Ed[row])) return 1;
    if (V <= 1) {
        // The flange length stood in the width field.
        T.flange.l = T.flange.b;
        T.flange.b = 0.0;
    }
    if (V >= 3) {
        if (!Scan(stream, 1, "%d", &T.backing_plate)) return 1;
    } else {
        T.backing_plate = T.t_bp > Backing_Plate_Min ? 1 : 0;
    }
    if (V >= 4) {
        if (!Scan(stream, 1, "%lf", &T.t_2)) return 1;
    } else {
        T.t_2 = 0.0;
    }
    if (V >= 5) {
        if (Read_Plate(stream, &T.web)) return 1;
        if (!Scan(stream, 2, "%lf%d", &T.t_w, &T.ih2_connection)) return 1;
    } else {
        Init_Plate(&T.web);
        T.ih2_connection = 0;
        T.web.l = T.b_st;
    }
    if (V >= 6 && !Scan(stream, 1, "%d", &T.skip_weld_check)) return 1;
    if (V >= 7 && !Scan(stream, 1, "%d", &T.l_stub)) return 1;
    if (V >= 8 && !Scan(stream, 1, "%d", &T.one_bolt_in_extension)) return 1;

    // The stored switch is kept in the file for its layout but never suppresses the web-weld check
    // of a saved position: a read record checks its weld as a new one does.
    T.skip_weld_check = 0;
    if (Current_Code_Edition == Code_Edition_2025) T.one_bolt_in_extension = 0;
    return 0;
}
