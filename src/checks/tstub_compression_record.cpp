// The T-stub in compression record: initialisation, copy, check preparation and file block.
#include "checks/tstub_compression.h"

#include <cstdio>

#include "checks/concrete_grade.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"

namespace {

constexpr int Block_Version = 2;

// Concrete of a block written before the concrete had a class: the stored strength is kept as the
// concrete's own f_ck, so that no stored value is replaced by the default class.
void Keep_Stored_Strength(T_Stub_Compression& T) {
    T.concrete.own_values = 1;
    T.concrete.f_y = T.concrete.band[0].f_y = T.f_ck;
    Apply_Concrete_Grade(&T.concrete);
}

}  // namespace

void Init_T_Stub_Compression(T_Stub_Compression* tstub) {
    if (!tstub) return;
    T_Stub_Compression& T = *tstub;
    T = T_Stub_Compression{};
    Init_Plate(&T.plate);
    T.beta_j = 2.0 / 3.0;
    T.spread_ratio = 0.0;
    Init_Plate_Material(&T.concrete);
    Set_Default_Concrete_Grade(&T.concrete);
    T.f_ck = T.concrete.f_y;
}

void Copy_T_Stub_Compression(const T_Stub_Compression* source, T_Stub_Compression* target) {
    if (!target) return;
    Init_T_Stub_Compression(target);
    if (!source) return;
    T_Stub_Compression& T = *target;
    const T_Stub_Compression& S = *source;
    Copy_Plate(&S.plate, &T.plate);
    T.beta_j = S.beta_j;
    Copy_Plate_Material(&S.concrete, &T.concrete);
    T.spread_ratio = S.spread_ratio;
    T.f_ck = S.f_ck;
    T.F_c_Ed = S.F_c_Ed;
    T.c1 = S.c1;
    T.c2 = S.c2;
    T.t_s = S.t_s;
    T.b_s = S.b_s;
}

void Prepare_T_Stub_Compression_Check(T_Stub_Compression* tstub, int uniform_steel, int verification,
                                      const Safety_Factors* factors) {
    if (!tstub) return;
    T_Stub_Compression& T = *tstub;
    T.context = Prepared_Check_Context(uniform_steel, verification, factors);
    if (Is_T_Stub_Flange(T)) {
        T.l_eff = T.plate.b;
        T.b_eff = T.c1 + T.t_s + T.c2;
    } else {
        T.l_eff = T.b_eff = 0.0;
    }
}

int Write_T_Stub_Compression(FILE* stream, const T_Stub_Compression* tstub) {
    if (!stream || !tstub) return 1;
    const T_Stub_Compression& T = *tstub;
    if (Print_To_Stream(stream, " %d\n", Block_Version) < 0) return 1;
    if (Write_Plate(stream, &T.plate)) return 1;
    if (Print_To_Stream(stream, " %lf %lf %lf %lf %lf %lf %lf %lf\n", T.beta_j, T.spread_ratio, T.f_ck, T.F_c_Ed,
                        T.c1, T.c2, T.t_s, T.b_s) < 0)
        return 1;
    // The concrete strength travels in the first band's f_y.
    Plate_Material concrete = T.concrete;
    concrete.band[0].f_y = concrete.f_y;
    return Write_Plate_Material(stream, &concrete) ? 1 : 0;
}

int Read_T_Stub_Compression(FILE* stream, T_Stub_Compression* tstub) {
    if (!stream || !tstub) return 1;
    T_Stub_Compression& T = *tstub;
    int version = 0;
    if (Scan_Stream(stream, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, Block_Version, 0)) return 1;
    if (Read_Plate(stream, &T.plate)) return 1;
    if (Scan_Stream(stream, "%lf%lf%lf%lf%lf%lf%lf", &T.beta_j, &T.spread_ratio, &T.f_ck, &T.F_c_Ed, &T.c1, &T.c2,
                    &T.t_s) != 7)
        return 1;
    if (version < 1) {
        // The column plate was as wide as the base plate, and the base plate as long as the spread.
        T.b_s = T.plate.b;
        T.plate.l = T.t_s + T.c1 + T.c2;
        Keep_Stored_Strength(T);
        return 0;
    }
    if (Scan_Stream(stream, "%lf", &T.b_s) != 1) return 1;
    if (version < 2) {
        Keep_Stored_Strength(T);
        return 0;
    }
    if (Read_Plate_Material(stream, &T.concrete)) return 1;
    // The material reader derives the record as a steel grade; the class values are derived again.
    T.concrete.f_y = T.concrete.band[0].f_y;
    Apply_Concrete_Grade(&T.concrete);
    return 0;
}
