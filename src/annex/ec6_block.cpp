#include "annex/ec6_block.h"

#include "annex/annex_io.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

constexpr int Written_Version = 1;

constexpr NAD_EC6_Block EC6_Defaults{
    .variant = 0,
    .gamma_M_persistent = 1.5, .gamma_M_accidental = 1.5, .gamma_M_earthquake = 1.5,
    .gamma_M_serviceability = 1.0,
};

// German annex: lower factors for the accidental and the seismic situation.
constexpr NAD_EC6_Block EC6_German{
    .variant = 1,
    .gamma_M_persistent = 1.5, .gamma_M_accidental = 1.3, .gamma_M_earthquake = 1.2,
    .gamma_M_serviceability = 1.0,
};

}  // namespace

void NAD_Set_EC6_Defaults(NAD_EC6_Block* block) {
    if (block) *block = EC6_Defaults;
}

void NAD_Set_EC6_Variant(NAD_EC6_Block* block, int variant) {
    if (block) block->variant = variant;
}

int NAD_Write_EC6(FILE* s, const NAD_EC6_Block* b) {
    if (!s || !b) return 0;
    Print_To_Stream(s, " %d\n", Written_Version);
    Print_To_Stream(s, " %d\n", b->variant);
    Print_To_Stream(s, " %lf %lf %lf", b->gamma_M_persistent, b->gamma_M_accidental, b->gamma_M_earthquake);
    return Print_To_Stream(s, " %lf\n", b->gamma_M_serviceability);
}

int NAD_Read_EC6(FILE* s, NAD_EC6_Block* b) {
    if (!b) return 1;
    *b = NAD_EC6_Block{};
    int version = 0;
    if (!s || Scan_Stream(s, "%d%d", &version, &b->variant) != 2 || version <= 0) return 1;
    double* const factors[] = {&b->gamma_M_persistent, &b->gamma_M_accidental, &b->gamma_M_earthquake,
                               &b->gamma_M_serviceability};
    const double* const defaults[] = {&EC6_Defaults.gamma_M_persistent, &EC6_Defaults.gamma_M_accidental,
                                      &EC6_Defaults.gamma_M_earthquake, &EC6_Defaults.gamma_M_serviceability};
    for (int k = 0; k < 4; ++k) {
        if (Scan_Stream(s, "%lf", factors[k]) != 1) return 1;
        NAD_Keep_Valid_Factor(*factors[k], *defaults[k]);
    }
    return 0;
}

void NAD_Set_EC6_German_Values(NAD_EC6_Block* block) {
    if (block) *block = EC6_German;
}

int NAD_Equal_EC6(const NAD_EC6_Block* a, const NAD_EC6_Block* b) {
    if (!a || !b || a->variant != b->variant) return 0;
    const bool differ = NAD_Differ(a->gamma_M_persistent, b->gamma_M_persistent) ||
                        NAD_Differ(a->gamma_M_accidental, b->gamma_M_accidental) ||
                        NAD_Differ(a->gamma_M_earthquake, b->gamma_M_earthquake) ||
                        NAD_Differ(a->gamma_M_serviceability, b->gamma_M_serviceability);
    return differ ? 0 : 1;
}

void NAD_Copy_EC6(NAD_EC6_Block* target, const NAD_EC6_Block* source) {
    if (target && source) *target = *source;
}
