#include "annex/ec3_block.h"

#include <cmath>

#include "annex/annex_io.h"
#include "annex/annex_sections.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

constexpr int Written_Version = 5;

constexpr NAD_EC3_1_Record EC3_1_Defaults{
    .version = 5,
    .gamma_M0 = 1.0, .gamma_M1 = 1.0, .gamma_M2 = 1.25,
    .gamma_M0_acc = 1.0, .gamma_M1_acc = 1.0, .gamma_M2_acc = 1.25,
    .apply_f_to_chi_LT = 0,
    .gamma_M_fi = 1.0,
    .lambda_LT0 = 0.4, .beta = 0.75,
    .f_given = 0, .f = 1.0,
    .kc_from_table = 1, .kc = 1.0,
    .e0_elastic = {350, 300, 250, 200, 150},
    .e0_plastic = {300, 250, 200, 150, 100},
};

constexpr NAD_EC3_8_Record EC3_8_Defaults{
    .version = 5,
    .gamma_M3 = 1.25, .gamma_M4 = 1.0, .gamma_M5 = 1.0, .gamma_M6_ser = 1.0, .gamma_M7 = 1.1,
    .gamma_M3_ser = 1.1,
    .shear_lag_note = 3,
    .eta = 1.2,
    .gamma_Mf = {1.0, 1.15, 1.15, 1.35},
    .gamma_M_ser = 1.0,
    .gamma_Mu = 1.1,
};

// German annex: bow imperfections L/e0 of Table NA.1 for elastic and plastic analysis alike.
constexpr double German_e0[5] = {600, 550, 350, 250, 150};

// A partial factor read below the admissible minimum keeps its built-in value.
void Keep_Valid_Factors(NAD_EC3_1_Record& r) {
    const NAD_EC3_1_Record& d = EC3_1_Defaults;
    NAD_Keep_Valid_Factor(r.gamma_M0, d.gamma_M0);
    NAD_Keep_Valid_Factor(r.gamma_M1, d.gamma_M1);
    NAD_Keep_Valid_Factor(r.gamma_M2, d.gamma_M2);
    NAD_Keep_Valid_Factor(r.gamma_M0_acc, d.gamma_M0_acc);
    NAD_Keep_Valid_Factor(r.gamma_M1_acc, d.gamma_M1_acc);
    NAD_Keep_Valid_Factor(r.gamma_M2_acc, d.gamma_M2_acc);
    NAD_Keep_Valid_Factor(r.gamma_M_fi, d.gamma_M_fi);
}

void Keep_Valid_Factors(NAD_EC3_8_Record& r) {
    const NAD_EC3_8_Record& d = EC3_8_Defaults;
    NAD_Keep_Valid_Factor(r.gamma_M3, d.gamma_M3);
    NAD_Keep_Valid_Factor(r.gamma_M4, d.gamma_M4);
    NAD_Keep_Valid_Factor(r.gamma_M5, d.gamma_M5);
    NAD_Keep_Valid_Factor(r.gamma_M6_ser, d.gamma_M6_ser);
    NAD_Keep_Valid_Factor(r.gamma_M7, d.gamma_M7);
    NAD_Keep_Valid_Factor(r.gamma_M3_ser, d.gamma_M3_ser);
    for (int k = 0; k < 4; ++k) NAD_Keep_Valid_Factor(r.gamma_Mf[k], d.gamma_Mf[k]);
    NAD_Keep_Valid_Factor(r.gamma_M_ser, d.gamma_M_ser);
    NAD_Keep_Valid_Factor(r.gamma_Mu, d.gamma_Mu);
}

// The values of an EC3_1 record after its version; 0 read, 1 a required value did not convert.
int Read_EC3_1_Values(FILE* s, NAD_EC3_1_Record& r, int version) {
    if (Scan_Stream(s, "%lf", &r.gamma_M0) != 1) return 1;
    if (Scan_Stream(s, "%lf", &r.gamma_M1) != 1) return 1;
    if (Scan_Stream(s, "%lf", &r.gamma_M2) != 1) return 1;
    if (version >= 1) {
        if (Scan_Stream(s, "%lf", &r.gamma_M0_acc) != 1) return 1;
        if (Scan_Stream(s, "%lf", &r.gamma_M1_acc) != 1) return 1;
        if (Scan_Stream(s, "%lf", &r.gamma_M2_acc) != 1) return 1;
    }
    if (version >= 2 && Scan_Stream(s, "%d", &r.apply_f_to_chi_LT) != 1) return 1;
    if (version >= 3 && Scan_Stream(s, "%lf", &r.gamma_M_fi) != 1) return 1;
    if (version >= 4 && Scan_Stream(s, "%lf%lf%d%lf%d%lf", &r.lambda_LT0, &r.beta, &r.f_given, &r.f,
                                    &r.kc_from_table, &r.kc) != 6)
        return 1;
    if (version >= 5) {
        // A failed conversion here leaves the remaining denominators at their defaults.
        for (double& e : r.e0_elastic) (void)Scan_Stream(s, " %lf", &e);
        for (double& e : r.e0_plastic) (void)Scan_Stream(s, " %lf", &e);
    }
    return 0;
}

int Read_EC3_8_Values(FILE* s, NAD_EC3_8_Record& r, int version) {
    for (double* g : {&r.gamma_M3, &r.gamma_M4, &r.gamma_M5, &r.gamma_M6_ser, &r.gamma_M7, &r.gamma_M3_ser})
        if (Scan_Stream(s, "%lf", g) != 1) return 1;
    if (version >= 2 && Scan_Stream(s, "%d%lf", &r.shear_lag_note, &r.eta) != 2) return 1;
    if (version >= 3)
        for (double& g : r.gamma_Mf)
            if (Scan_Stream(s, "%lf", &g) != 1) return 1;
    if (version >= 4 && Scan_Stream(s, "%lf", &r.gamma_M_ser) != 1) return 1;
    if (version >= 5 && Scan_Stream(s, "%lf", &r.gamma_Mu) != 1) return 1;
    return 0;
}

// Reads a record of any stored version over its defaults: the version, then the values it holds;
// partial factors below the minimum keep their defaults. The record takes the stored version once
// the read succeeded. Result: 0 read, 1 when a required value did not convert.
template <typename Record>
int Read_Record(FILE* s, Record* r, const Record& defaults, int (*read_values)(FILE*, Record&, int)) {
    if (!r) return 1;
    *r = defaults;
    r->version = 0;
    int version = 0;
    if (!s || Scan_Stream(s, "%d", &version) != 1) return 1;
    const int result = read_values(s, *r, version);
    Keep_Valid_Factors(*r);
    if (result == 0) r->version = version;
    return result;
}

// Current form: " EC3-1 Parameter" with its record, then " EC3-8 Parameter" with its record.
int Read_Current_Form(FILE* s, NAD_EC3_Block& b) {
    if (NAD_Find_Section(s, " EC3-1 Parameter", "#NAD", nullptr) != 1) return 1;
    if (NAD_Read_EC3_1(s, &b.ec3_1) != 0) return 1;
    if (NAD_Find_Section(s, " EC3-8 Parameter", "#NAD", nullptr) != 1) return 1;
    return NAD_Read_EC3_8(s, &b.ec3_8);
}

}  // namespace

void NAD_Set_EC3_1_Defaults(NAD_EC3_1_Record* record) {
    if (record) *record = EC3_1_Defaults;
}

void NAD_Set_EC3_8_Defaults(NAD_EC3_8_Record* record) {
    if (record) *record = EC3_8_Defaults;
}

void NAD_Set_EC3_Defaults(NAD_EC3_Block* block) {
    if (!block) return;
    block->variant = 0;
    NAD_Set_EC3_1_Defaults(&block->ec3_1);
    NAD_Set_EC3_8_Defaults(&block->ec3_8);
}

void NAD_Set_EC3_1_German_Values(NAD_EC3_1_Record* record) {
    if (!record) return;
    *record = EC3_1_Defaults;
    record->gamma_M1 = 1.1;
    record->gamma_M2_acc = 1.15;
    record->apply_f_to_chi_LT = 1;
    for (int k = 0; k < 5; ++k) record->e0_elastic[k] = record->e0_plastic[k] = German_e0[k];
}

void NAD_Set_EC3_8_German_Values(NAD_EC3_8_Record* record) { NAD_Set_EC3_8_Defaults(record); }

void NAD_Set_EC3_German_Values(NAD_EC3_Block* block) {
    if (!block) return;
    block->variant = 1;
    NAD_Set_EC3_1_German_Values(&block->ec3_1);
    NAD_Set_EC3_8_German_Values(&block->ec3_8);
}

void NAD_Set_EC3_Variant(NAD_EC3_Block* block, int variant) {
    if (block) block->variant = variant;
}

int NAD_Write_EC3_1(FILE* s, const NAD_EC3_1_Record* r) {
    if (!s || !r) return 0;
    int bad = 0;
    bad |= Print_To_Stream(s, " %d", Written_Version) < 0;
    bad |= Print_To_Stream(s, " %lf %lf %lf", r->gamma_M0, r->gamma_M1, r->gamma_M2) < 0;
    bad |= Print_To_Stream(s, " %lf %lf %lf", r->gamma_M0_acc, r->gamma_M1_acc, r->gamma_M2_acc) < 0;
    bad |= Print_To_Stream(s, " %d %lf\n", r->apply_f_to_chi_LT, r->gamma_M_fi) < 0;
    bad |= Print_To_Stream(s, " %lf %lf %d %lf %d %lf\n", r->lambda_LT0, r->beta, r->f_given, r->f,
                           r->kc_from_table, r->kc) < 0;
    for (double e : r->e0_elastic) bad |= Print_To_Stream(s, " %lf", e) < 0;
    for (double e : r->e0_plastic) bad |= Print_To_Stream(s, " %lf", e) < 0;
    bad |= Print_To_Stream(s, "\n") < 0;
    return bad;
}

int NAD_Write_EC3_8(FILE* s, const NAD_EC3_8_Record* r) {
    if (!s || !r) return 0;
    int bad = 0;
    bad |= Print_To_Stream(s, " %d", Written_Version) < 0;
    bad |= Print_To_Stream(s, " %lf %lf %lf %lf %lf %lf\n", r->gamma_M3, r->gamma_M4, r->gamma_M5,
                           r->gamma_M6_ser, r->gamma_M7, r->gamma_M3_ser) < 0;
    bad |= Print_To_Stream(s, " %d %lf\n", r->shear_lag_note, r->eta) < 0;
    for (double g : r->gamma_Mf) bad |= Print_To_Stream(s, " %lf", g) < 0;
    bad |= Print_To_Stream(s, "\n") < 0;
    bad |= Print_To_Stream(s, " %lf %lf\n", r->gamma_M_ser, r->gamma_Mu) < 0;
    return bad;
}

int NAD_Write_EC3(FILE* s, const NAD_EC3_Block* b) {
    if (!s || !b) return 0;
    int bad = 0;
    bad |= Print_To_Stream(s, " EC3-1 Parameter\n") < 0;
    bad |= NAD_Write_EC3_1(s, &b->ec3_1);
    bad |= Print_To_Stream(s, " EC3-8 Parameter\n") < 0;
    bad |= NAD_Write_EC3_8(s, &b->ec3_8);
    return bad;
}

int NAD_Read_EC3_1(FILE* s, NAD_EC3_1_Record* r) { return Read_Record(s, r, EC3_1_Defaults, Read_EC3_1_Values); }

int NAD_Read_EC3_8(FILE* s, NAD_EC3_8_Record* r) { return Read_Record(s, r, EC3_8_Defaults, Read_EC3_8_Values); }

int NAD_Read_EC3(FILE* s, NAD_EC3_Block* b, int current_form) {
    if (!b) return 1;
    NAD_Set_EC3_Defaults(b);
    b->ec3_1.version = 0;
    b->ec3_8.version = 0;
    if (!s) return 1;
    if (current_form) return Read_Current_Form(s, *b);

    // Old form with its own variant line, then the two records as in the current form.
    if (NAD_Find_Section(s, " EC3 Parameter", "#NAD", nullptr) == 1) {
        if (Scan_Stream(s, "%d", &b->variant) != 1) return 1;
        return Read_Current_Form(s, *b);
    }
    // Oldest form: the variant, an EC3_1 record and the six connection factors of EN 1993-1-8.
    if (NAD_Find_Section(s, " EC3-8 Parameter", "#NAD", nullptr) == 1) {
        if (Scan_Stream(s, "%d", &b->variant) != 1) return 1;
        if (NAD_Read_EC3_1(s, &b->ec3_1) != 0) return 1;
        NAD_EC3_8_Record& r = b->ec3_8;
        int result = 0;
        for (double* g : {&r.gamma_M3, &r.gamma_M4, &r.gamma_M5, &r.gamma_M6_ser, &r.gamma_M7, &r.gamma_M3_ser})
            if (Scan_Stream(s, "%lf", g) != 1) {
                result = 1;
                break;
            }
        Keep_Valid_Factors(r);
        return result;
    }
    return 1;
}

int NAD_Compare_EC3_1(const NAD_EC3_1_Record* a, const NAD_EC3_1_Record* b) {
    if (!a || !b) return 1;
    if (a->version < 2 || b->version < 2) return 0;
    if (a->apply_f_to_chi_LT != b->apply_f_to_chi_LT || a->f_given != b->f_given ||
        a->kc_from_table != b->kc_from_table)
        return 1;
    const double pairs[][2] = {
        {a->gamma_M0, b->gamma_M0},         {a->gamma_M1, b->gamma_M1},
        {a->gamma_M2, b->gamma_M2},         {a->gamma_M0_acc, b->gamma_M0_acc},
        {a->gamma_M1_acc, b->gamma_M1_acc}, {a->gamma_M2_acc, b->gamma_M2_acc},
        {a->gamma_M_fi, b->gamma_M_fi},     {a->lambda_LT0, b->lambda_LT0},
        {a->beta, b->beta},                 {a->f, b->f},
        {a->kc, b->kc},
    };
    for (const auto& p : pairs)
        if (NAD_Differ(p[0], p[1])) return 1;
    for (int k = 0; k < 5; ++k)
        if (NAD_Differ(a->e0_elastic[k], b->e0_elastic[k]) || NAD_Differ(a->e0_plastic[k], b->e0_plastic[k])) return 1;
    return 0;
}

int NAD_Compare_EC3_8(const NAD_EC3_8_Record* a, const NAD_EC3_8_Record* b) {
    if (!a || !b) return 1;
    if (a->version < 1 || b->version < 1) return 0;
    if (a->shear_lag_note != b->shear_lag_note) return 1;
    const double pairs[][2] = {
        {a->gamma_M3, b->gamma_M3}, {a->gamma_M4, b->gamma_M4},         {a->gamma_M5, b->gamma_M5},
        {a->gamma_M6_ser, b->gamma_M6_ser}, {a->gamma_M7, b->gamma_M7}, {a->gamma_M3_ser, b->gamma_M3_ser},
        {a->eta, b->eta},           {a->gamma_M_ser, b->gamma_M_ser},   {a->gamma_Mu, b->gamma_Mu},
    };
    for (const auto& p : pairs)
        if (NAD_Differ(p[0], p[1])) return 1;
    for (int k = 0; k < 4; ++k)
        if (NAD_Differ(a->gamma_Mf[k], b->gamma_Mf[k])) return 1;
    return 0;
}

int NAD_Compare_EC3(const NAD_EC3_Block* a, const NAD_EC3_Block* b) {
    if (!a || !b) return 1;
    if (a->variant != b->variant) return 1;
    return NAD_Compare_EC3_1(&a->ec3_1, &b->ec3_1) || NAD_Compare_EC3_8(&a->ec3_8, &b->ec3_8) ? 1 : 0;
}

void NAD_Copy_EC3_1(NAD_EC3_1_Record* target, const NAD_EC3_1_Record* source) { NAD_Copy_Except_Version(target, source); }

void NAD_Copy_EC3_8(NAD_EC3_8_Record* target, const NAD_EC3_8_Record* source) { NAD_Copy_Except_Version(target, source); }

void NAD_Copy_EC3(NAD_EC3_Block* target, const NAD_EC3_Block* source) {
    if (!target || !source) return;
    NAD_Copy_EC3_1(&target->ec3_1, &source->ec3_1);
    NAD_Copy_EC3_8(&target->ec3_8, &source->ec3_8);
}
