#include "annex/ec9_block.h"

#include "annex/annex_io.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

constexpr int Written_Version = 5;

constexpr NAD_EC9_Block EC9_Defaults{
    .variant = 0, .version = 5,
    .gamma_M0 = 1.1, .gamma_M1 = 1.1, .gamma_M2 = 1.25,
    .gamma_Mp = 1.25, .gamma_Mw = 1.25, .gamma_Ms_ser = 1.1, .gamma_Ms_ult = 1.25,
    .gamma_Ma = 3.0, .gamma_Mp_ser = 1.0,
    .C = 1.2,
};

void Keep_Valid_Factors(NAD_EC9_Block& b) {
    const NAD_EC9_Block& d = EC9_Defaults;
    NAD_Keep_Valid_Factor(b.gamma_M0, d.gamma_M0);
    NAD_Keep_Valid_Factor(b.gamma_M1, d.gamma_M1);
    NAD_Keep_Valid_Factor(b.gamma_M2, d.gamma_M2);
    NAD_Keep_Valid_Factor(b.gamma_Mp, d.gamma_Mp);
    NAD_Keep_Valid_Factor(b.gamma_Mw, d.gamma_Mw);
    NAD_Keep_Valid_Factor(b.gamma_Ms_ser, d.gamma_Ms_ser);
    NAD_Keep_Valid_Factor(b.gamma_Ms_ult, d.gamma_Ms_ult);
    NAD_Keep_Valid_Factor(b.gamma_Ma, d.gamma_Ma);
    NAD_Keep_Valid_Factor(b.gamma_Mp_ser, d.gamma_Mp_ser);
}

// The values behind version and variant; the order changed with the versions: version 4 stored
// gamma_M1 second, version 5 stores it last, older versions not at all (it then equals gamma_M0).
int Read_Values(FILE* s, NAD_EC9_Block& b, int v) {
    if (Scan_Stream(s, "%lf", &b.gamma_M0) != 1) return 1;
    if (v == 4) {
        if (Scan_Stream(s, "%lf", &b.gamma_M1) != 1) return 1;
    } else {
        b.gamma_M1 = b.gamma_M0;
    }
    if (Scan_Stream(s, "%lf", &b.gamma_M2) != 1) return 1;
    if (Scan_Stream(s, "%lf", &b.gamma_Mp) != 1) return 1;
    if (v == 1) return 0;
    for (double* g : {&b.gamma_Mw, &b.gamma_Ms_ser, &b.gamma_Ms_ult, &b.gamma_Ma, &b.gamma_Mp_ser})
        if (Scan_Stream(s, "%lf", g) != 1) return 1;
    if (v == 2) return 0;
    if (Scan_Stream(s, "%lf", &b.C) != 1) return 1;
    if (v <= 4) return 0;
    return Scan_Stream(s, "%lf", &b.gamma_M1) == 1 ? 0 : 1;
}

}  // namespace

void NAD_Set_EC9_Defaults(NAD_EC9_Block* block) {
    if (block) *block = EC9_Defaults;
}

void NAD_Set_EC9_Variant(NAD_EC9_Block* block, int variant) {
    if (block) block->variant = variant;
}

int NAD_Write_EC9(FILE* s, const NAD_EC9_Block* b) {
    if (!s || !b) return 0;
    Print_To_Stream(s, " %d\n", Written_Version);
    Print_To_Stream(s, " %d\n", b->variant);
    Print_To_Stream(s, " %lf %lf", b->gamma_M0, b->gamma_M2);
    for (double g : {b->gamma_Mp, b->gamma_Mw, b->gamma_Ms_ser, b->gamma_Ms_ult, b->gamma_Ma, b->gamma_Mp_ser, b->C})
        Print_To_Stream(s, " %lf", g);
    return Print_To_Stream(s, " %lf\n", b->gamma_M1);
}

int NAD_Read_EC9(FILE* s, NAD_EC9_Block* b) {
    if (!b) return 1;
    *b = EC9_Defaults;
    if (!s) return 1;
    int version = 0;
    if (Scan_Stream(s, "%d%d", &version, &b->variant) != 2) return 1;
    b->version = version;
    if (version <= 0) return 1;
    const int result = Read_Values(s, *b, version);
    Keep_Valid_Factors(*b);
    return result;
}

void NAD_Set_EC9_German_Values(NAD_EC9_Block* block) {
    if (!block) return;
    *block = EC9_Defaults;
    block->variant = 1;
}

int NAD_Equal_EC9(const NAD_EC9_Block* a, const NAD_EC9_Block* b) {
    if (!a || !b || a->variant != b->variant) return 0;
    const double pairs[][2] = {
        {a->gamma_M0, b->gamma_M0},         {a->gamma_M1, b->gamma_M1},         {a->gamma_M2, b->gamma_M2},
        {a->gamma_Mp, b->gamma_Mp},         {a->gamma_Mw, b->gamma_Mw},         {a->gamma_Ms_ser, b->gamma_Ms_ser},
        {a->gamma_Ms_ult, b->gamma_Ms_ult}, {a->gamma_Ma, b->gamma_Ma},         {a->gamma_Mp_ser, b->gamma_Mp_ser},
        {a->C, b->C},
    };
    for (const auto& p : pairs)
        if (NAD_Differ(p[0], p[1])) return 0;
    return 1;
}

void NAD_Copy_EC9(NAD_EC9_Block* target, const NAD_EC9_Block* source) { NAD_Copy_Except_Version(target, source); }
