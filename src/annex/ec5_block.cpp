#include "annex/ec5_block.h"

#include "annex/annex_io.h"
#include "annex/annex_record.h"
#include "annex/annex_sections.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

constexpr int Written_Version = 17;

constexpr NAD_EC5_Block EC5_Defaults{
    .variant = 0, .version = 17,
    .na1_switch = 0, .na11_switch = 0,
    .gamma_M_panels = 1.2, .gamma_M_particle = 1.3, .gamma_M_hard_fibre = 1.3, .gamma_M_medium_fibre = 1.3,
    .gamma_M_mdf = 1.3, .gamma_M_soft_fibre = 1.3, .gamma_M_connections = 1.3, .gamma_M_punched = 1.25,
    .gamma_M_steel = 1.3, .gamma_M_plasterboard = 1.3,
    .na4_switch = 0, .na15_switch = 0, .threaded_rod_switch = 0, .ltb_switch = 0,
    .fastener_method_switch = 0, .na1_index_b_switch = 0, .further_switch = 1,
    .gamma_M_solid = 1.3, .gamma_M_glulam = 1.3, .gamma_M_accidental = 1.0, .gamma_M_fire = 1.0,
    .k_mod = {{0.6, 0.6, 0.5}, {0.7, 0.7, 0.55}, {0.8, 0.8, 0.65}, {0.9, 0.9, 0.7}, {1.1, 1.1, 0.9}},
    .k_def = {0.6, 0.8, 2.0},
    .deflection = {300, 150, 200, 100, 300, 150},
    .k_cr_form = 1, .w_net_fin_combination = 1,
    .k_cr_solid = 0.67, .k_cr_other = 1.0,
    .na20_switch = 0, .na21_switch = 0, .na816_switch = 0, .na7_switch = 0,
    .k_shape_factor = 0.15, .k_shape_max = 2.0,
    .nci_633_factor = 1.0,
    .gamma_M_clt = 1.3,
};

void Keep_Valid_Factors(NAD_EC5_Block& b) {
    const NAD_EC5_Block& d = EC5_Defaults;
    NAD_Keep_Valid_Factor(b.gamma_M_panels, d.gamma_M_panels);
    NAD_Keep_Valid_Factor(b.gamma_M_particle, d.gamma_M_particle);
    NAD_Keep_Valid_Factor(b.gamma_M_hard_fibre, d.gamma_M_hard_fibre);
    NAD_Keep_Valid_Factor(b.gamma_M_medium_fibre, d.gamma_M_medium_fibre);
    NAD_Keep_Valid_Factor(b.gamma_M_mdf, d.gamma_M_mdf);
    NAD_Keep_Valid_Factor(b.gamma_M_soft_fibre, d.gamma_M_soft_fibre);
    NAD_Keep_Valid_Factor(b.gamma_M_connections, d.gamma_M_connections);
    NAD_Keep_Valid_Factor(b.gamma_M_punched, d.gamma_M_punched);
    NAD_Keep_Valid_Factor(b.gamma_M_steel, d.gamma_M_steel);
    NAD_Keep_Valid_Factor(b.gamma_M_plasterboard, d.gamma_M_plasterboard);
    NAD_Keep_Valid_Factor(b.gamma_M_solid, d.gamma_M_solid);
    NAD_Keep_Valid_Factor(b.gamma_M_glulam, d.gamma_M_glulam);
    NAD_Keep_Valid_Factor(b.gamma_M_accidental, d.gamma_M_accidental);
    NAD_Keep_Valid_Factor(b.gamma_M_fire, d.gamma_M_fire);
    NAD_Keep_Valid_Factor(b.gamma_M_clt, d.gamma_M_clt);
}

// The values behind version and variant, gated by the stored version V; a group that does not
// convert ends the read (result 1).
int Read_Values(FILE* s, NAD_EC5_Block& b, int V) {
    double skip[6];
    int skip_int = 0;
    if (V < 0) return 0;
    if (V == 0) return Scan_Stream(s, "%lf", &skip[0]) == 1 ? 0 : 1;
    if (Scan_Stream(s, " %d", &b.na1_switch) != 1) return 1;
    if (Scan_Stream(s, " %d %lf %lf %lf", &skip_int, &skip[0], &skip[1], &skip[2]) != 4) return 1;
    if (V >= 2 && Scan_Stream(s, " %d", &b.na11_switch) != 1) return 1;
    if (V >= 3) {
        // The places of gamma_M solid timber, glulam and accidental here are superseded by line 8.
        if (Scan_Stream(s, " %lf %lf %lf %lf %lf %lf", &skip[0], &skip[1], &b.gamma_M_panels, &b.gamma_M_particle,
                        &b.gamma_M_hard_fibre, &b.gamma_M_medium_fibre) != 6)
            return 1;
        if (Scan_Stream(s, " %lf %lf %lf %lf %lf", &b.gamma_M_mdf, &b.gamma_M_soft_fibre, &b.gamma_M_connections,
                        &b.gamma_M_punched, &skip[0]) != 5)
            return 1;
        if (Scan_Stream(s, " %lf %lf", &b.gamma_M_steel, &b.gamma_M_plasterboard) != 2) return 1;
        if (Scan_Stream(s, " %d", &b.na4_switch) != 1) return 1;
    }
    if (V >= 4 && Scan_Stream(s, " %d", &b.na15_switch) != 1) return 1;
    if (V >= 5 && Scan_Stream(s, " %d", &b.threaded_rod_switch) != 1) return 1;
    if (V >= 6 && Scan_Stream(s, " %d %d", &b.ltb_switch, &b.fastener_method_switch) != 2) return 1;
    if (V >= 7) {
        if (Scan_Stream(s, "%d%lf%lf%lf", &b.na1_index_b_switch, &b.gamma_M_solid, &b.gamma_M_glulam,
                        &b.gamma_M_accidental) != 4)
            return 1;
        for (int sc = 0; sc < 3; ++sc)
            if (Scan_Stream(s, "%lf%lf%lf%lf%lf", &b.k_mod[0][sc], &b.k_mod[1][sc], &b.k_mod[2][sc], &b.k_mod[3][sc],
                            &b.k_mod[4][sc]) != 5)
                return 1;
        if (Scan_Stream(s, "%lf%lf%lf", &b.k_def[0], &b.k_def[1], &b.k_def[2]) != 3) return 1;
        if (Scan_Stream(s, "%lf%lf%lf", &b.deflection[0], &b.deflection[2], &b.deflection[4]) != 3) return 1;
        if (Scan_Stream(s, "%lf%lf%lf", &b.deflection[1], &b.deflection[3], &b.deflection[5]) != 3) return 1;
    }
    if (V >= 8 && Scan_Stream(s, "%d%lf%lf", &b.k_cr_form, &b.k_cr_solid, &b.k_cr_other) != 3) return 1;
    if (V >= 9 && Scan_Stream(s, " %d", &b.w_net_fin_combination) != 1) return 1;
    if (V >= 10 && Scan_Stream(s, "%d%lf", &b.further_switch, &b.gamma_M_fire) != 2) return 1;
    if (V >= 11 && Scan_Stream(s, " %d", &b.na21_switch) != 1) return 1;
    if (V >= 12 && Scan_Stream(s, " %d", &b.na20_switch) != 1) return 1;
    if (V >= 13 && Scan_Stream(s, " %d", &b.na816_switch) != 1) return 1;
    if (V >= 14 && Scan_Stream(s, " %d", &b.na7_switch) != 1) return 1;
    if (V >= 15 && Scan_Stream(s, "%lf%lf", &b.k_shape_factor, &b.k_shape_max) != 2) return 1;
    if (V >= 16 && Scan_Stream(s, " %lf", &b.nci_633_factor) != 1) return 1;
    if (V >= 17 && Scan_Stream(s, " %lf ", &b.gamma_M_clt) != 1) return 1;
    return 0;
}

// Values that an older version lacks follow the variant: the German annex sets every NA switch and
// its own k_shape.
void Complete_Older_Version(NAD_EC5_Block& b, int V) {
    const int german = b.variant != 0 ? 1 : 0;
    if (V < 11) b.na21_switch = german;
    if (V < 12) b.na20_switch = german;
    if (V < 13) b.na816_switch = german;
    if (V < 14) b.na7_switch = german;
    if (V <= 14) {
        b.k_shape_factor = german ? 0.05 : 0.15;
        b.k_shape_max = german ? 1.3 : 2.0;
    }
}

}  // namespace

void NAD_Set_EC5_Defaults(NAD_EC5_Block* block) {
    if (block) *block = EC5_Defaults;
}

void NAD_Set_EC5_Variant(NAD_EC5_Block* block, int variant) {
    if (block) block->variant = variant;
}

int NAD_Write_EC5(FILE* s, const NAD_EC5_Block* b) {
    if (!s || !b) return 0;
    bool ok = true;
    const auto put = [&](const char* format, auto... values) {
        if (ok) ok = Print_To_Stream(s, format, values...) >= 0;
    };
    put(" %d\n", Written_Version);
    put(" %d\n", b->variant);
    put(" %d\n", b->na1_switch);
    put(" %d %lf %lf %lf\n", b->k_cr_form == 0 ? 1 : 0, b->k_cr_solid, b->k_cr_solid, b->k_cr_other);
    put(" %d\n", b->na11_switch);
    put(" %lf %lf %lf %lf %lf %lf\n", b->gamma_M_solid, b->gamma_M_glulam, b->gamma_M_panels, b->gamma_M_particle,
        b->gamma_M_hard_fibre, b->gamma_M_medium_fibre);
    put(" %lf %lf %lf %lf %lf\n", b->gamma_M_mdf, b->gamma_M_soft_fibre, b->gamma_M_connections, b->gamma_M_punched,
        b->gamma_M_accidental);
    put(" %lf %lf\n", b->gamma_M_steel, b->gamma_M_plasterboard);
    put(" %d\n", b->na4_switch);
    put(" %d\n", b->na15_switch);
    put(" %d\n", b->threaded_rod_switch);
    put(" %d %d\n", b->ltb_switch, b->fastener_method_switch);
    put(" %d %.2f %.2f %.2f\n", b->na1_index_b_switch, b->gamma_M_solid, b->gamma_M_glulam, b->gamma_M_accidental);
    for (int sc = 0; sc < 3; ++sc)
        put(" %.2f %.2f %.2f %.2f %.2f\n", b->k_mod[0][sc], b->k_mod[1][sc], b->k_mod[2][sc], b->k_mod[3][sc],
            b->k_mod[4][sc]);
    put(" %.2f %.2f %.2f\n", b->k_def[0], b->k_def[1], b->k_def[2]);
    put(" %.0f %.0f %.0f", b->deflection[0], b->deflection[2], b->deflection[4]);
    put(" %.0f %.0f %.0f", b->deflection[1], b->deflection[3], b->deflection[5]);
    put(" %d %.2f %.2f", b->k_cr_form, b->k_cr_solid, b->k_cr_other);
    put(" %d", b->w_net_fin_combination);
    put(" %d %.2f\n", b->further_switch, b->gamma_M_fire);
    for (int sw : {b->na21_switch, b->na20_switch, b->na816_switch, b->na7_switch}) put(" %d  \n", sw);
    put(" %f %f %f\n", b->k_shape_factor, b->k_shape_max, b->nci_633_factor);
    put(" %lf \n", b->gamma_M_clt);
    return ok ? 0 : 1;
}

int NAD_Read_EC5(FILE* s, NAD_EC5_Block* b, int mode) {
    if (!b) return 1;
    b->version = 0;
    if (!s) return 1;
    *b = EC5_Defaults;
    if (mode == 0 && NAD_Find_Section(s, " EC5 Parameter", "#NAD", nullptr) != 1) return 1;
    int V = 0;
    int result = 1;
    if (Scan_Stream(s, "%d%d", &V, &b->variant) == 2) {
        b->version = V;
        result = Read_Values(s, *b, V);
    }
    Keep_Valid_Factors(*b);
    if (result == 0) Complete_Older_Version(*b, V);
    if (NAD_Trace_Switch) {
        if (result == 0)
            Print_To_Stream(stdout, " EC5: version=%2d  (ok)\n", V);
        else
            Print_To_Stream(stdout, " EC5:              (failed)\n");
    }
    return result;
}

int NAD_Compare_EC5(const NAD_EC5_Block* a, const NAD_EC5_Block* b) {
    if (!a || !b) return 1;
    if (a->version <= 9 || b->version <= 9) return 0;
    const int ints[][2] = {
        {a->variant, b->variant},
        {a->na1_switch, b->na1_switch},
        {a->na11_switch, b->na11_switch},
        {a->na4_switch, b->na4_switch},
        {a->na15_switch, b->na15_switch},
        {a->threaded_rod_switch, b->threaded_rod_switch},
        {a->ltb_switch, b->ltb_switch},
        {a->fastener_method_switch, b->fastener_method_switch},
        {a->na1_index_b_switch, b->na1_index_b_switch},
        {a->k_cr_form, b->k_cr_form},
        {a->w_net_fin_combination, b->w_net_fin_combination},
        {a->na20_switch, b->na20_switch},
        {a->na21_switch, b->na21_switch},
        {a->na816_switch, b->na816_switch},
        {a->na7_switch, b->na7_switch},
    };
    for (const auto& p : ints)
        if (p[0] != p[1]) return 1;
    const double doubles[][2] = {
        {a->gamma_M_panels, b->gamma_M_panels},
        {a->gamma_M_particle, b->gamma_M_particle},
        {a->gamma_M_hard_fibre, b->gamma_M_hard_fibre},
        {a->gamma_M_medium_fibre, b->gamma_M_medium_fibre},
        {a->gamma_M_mdf, b->gamma_M_mdf},
        {a->gamma_M_soft_fibre, b->gamma_M_soft_fibre},
        {a->gamma_M_connections, b->gamma_M_connections},
        {a->gamma_M_punched, b->gamma_M_punched},
        {a->gamma_M_steel, b->gamma_M_steel},
        {a->gamma_M_plasterboard, b->gamma_M_plasterboard},
        {a->gamma_M_solid, b->gamma_M_solid},
        {a->gamma_M_glulam, b->gamma_M_glulam},
        {a->gamma_M_accidental, b->gamma_M_accidental},
        {a->gamma_M_clt, b->gamma_M_clt},
        {a->k_cr_solid, b->k_cr_solid},
        {a->k_cr_other, b->k_cr_other},
        {a->k_shape_factor, b->k_shape_factor},
        {a->k_shape_max, b->k_shape_max},
        {a->nci_633_factor, b->nci_633_factor},
    };
    for (const auto& p : doubles)
        if (p[0] != p[1]) return 1;
    for (int d = 0; d < 5; ++d)
        for (int sc = 0; sc < 3; ++sc)
            if (a->k_mod[d][sc] != b->k_mod[d][sc]) return 1;
    for (int k = 0; k < 3; ++k)
        if (a->k_def[k] != b->k_def[k]) return 1;
    for (int k = 0; k < 6; ++k)
        if (a->deflection[k] != b->deflection[k]) return 1;
    return 0;
}

void NAD_Copy_EC5(NAD_EC5_Block* target, const NAD_EC5_Block* source) { NAD_Copy_Except_Version(target, source); }
