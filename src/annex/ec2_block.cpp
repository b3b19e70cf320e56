#include "annex/ec2_block.h"

#include <cmath>
#include <cstring>
#include <string>

#include "annex/annex_io.h"
#include "annex/annex_record.h"
#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

constexpr int Written_Version = 20;

// Built-in values of every field but the name tables.
constexpr NAD_EC2_Block EC2_Values{
    .variant = 0,
    .version = 20,
    .exposure_names = {},
    .surface_names = {},
    .situation_names = {},
    .c_min_dur = {0, 1.0, 1.5, 2.5, 2.5, 3.0, 3.5, 4.0, 4.5, 3.5, 4.0, 4.5},
    .delta_c_dur_gamma = {},
    .gamma_c = {1.5, 1.5, 1.5, 1.2},
    .gamma_s = {1.15, 1.15, 1.15, 1.0},
    .gamma_c_sls = 1.0,
    .gamma_s_sls = 1.0,
    .delta_c_dev = 1.0,
    .delta_c_dur_st = 0,
    .delta_c_dur_add = 0,
    .alpha_cc = 1.0,
    .alpha_ct = 1.0,
    .alpha_cc_pl = 0.8,
    .alpha_ct_pl = 0.8,
    .alpha_lcc = 0.85,
    .alpha_lct = 0.85,
    .gamma_cE = 1.2,
    .As_min_beam = 0.26,
    .As_min_column = 0.1,
    .As_vmin_wall = 0.002,
    .beam_lower_bound = 0.0013,
    .column_lower_bound = 0.002,
    .k_redistribution = {0.44, 1.25, 0.54, 1.25, 0.7, 0.8},
    .reserved_factor = 0.7,
    .C_Rd_c = 0.18,
    .v_min = 0.0525,
    .k1_shear = 0.15,
    .nu = 0.6,
    .nu_T = 0.6,
    .C_lRd_c = 0.15,
    .v_l_min = 0.042,
    .k_l1 = 0.15,
    .nu_l = 0.5,
    .nu_l_T = 0.5,
    .cot_theta_min = 1.0,
    .cot_theta_max = 2.5,
    .nu_1 = 0.6,
    .nu_1l = 0.5,
    .alpha_cw = 1.0,
    .k_flange = 0.4,
    .c_joint = {0.5, 0.4, 0.2, 0.05},
    .mu_joint = {0.9, 0.7, 0.6, 0.5},
    .nu_joint = {0.6, 0.6, 0.6, 0.6},
    .rho_w_min = 0.08,
    .cot_theta_f_tension = 1.0,
    .cot_theta_f_compression = 1.2,
    .k_p = 1.5,
    .k3_cracks = 3.4,
    .k4_cracks = 0.425,
    .k1_fatigue = 0.85,
    .gamma_F_fat = 1.0,
    .K = {1.0, 1.3, 1.5, 1.2, 0.4},
    .k1_spacing = 1.0,
    .beta_1 = 0.15,
    .beta_2 = 0.25,
    .theta_0_denominator = 200,
    .gamma_M_fi = 1.0,
    .thermal_x = 0.5,
    .k_fire_columns = 1.1,
    .k_m_fire_beams = 0.95,
    .lambda_lim = 10.78,
    .bridge_gamma_c = {1.5, 1.5, 1.5, 1.2},
    .bridge_gamma_s = {1.15, 1.15, 1.15, 1.0},
    .bridge_alpha_cc = 0.85,
    .bridge_alpha_ct = 1.0,
    .bridge_C_Rd_c = 0.18,
    .bridge_v_min = 0.0525,
    .bridge_k1 = 0.15,
    .bridge_cot_theta_min = 1.0,
    .bridge_cot_theta_max = 2.5,
    .bridge_alpha_cw = 1.0,
    .bridge_nu_1 = 0.6,
    .bridge_k1_fatigue = 0.85,
    .k_stress = {0.6, 0.45, 0.8, 1.0, 0.65},
    .bridge_As_min_column = 0.1,
    .bridge_column_lower_bound = 0.002,
    .r_sup_pretensioned = 1.05,
    .r_sup_post_tensioned = 1.1,
    .r_inf_pretensioned = 0.95,
    .r_inf_post_tensioned = 0.9,
    .As_min_beam_form = 2,
    .As_min_column_form = 2,
    .As_vmin_wall_form = 2,
    .k2_form = 2,
    .k4_form = 2,
    .v_min_form = 2,
    .nu_form = 2,
    .v_l_min_form = 2,
    .nu_l_form = 2,
    .nu_1_form = 2,
    .nu_1l_form = 2,
    .rho_w_min_form = 2,
    .thermal_form = 1,
    .steel_class_fire = 0,
    .hsc_class_fire = 1,
    .lambda_lim_form = 2,
    .bridge_As_min_column_form = 2,
    .bridge_v_min_form = 2,
    .bridge_nu_1_form = 2,
    .reserved_value_1 = 0,
    .reserved_value_2 = 0,
    .reserved_choice = 0,
};

template <std::size_t N>
void Set_Name(char (&field)[N], const char* text) {
    std::strncpy(field, text, N - 1);
    field[N - 1] = '\0';
}

void Set_Names(NAD_EC2_Block& b) {
    const char* const exposure[12] = {"---", "X0 ", "XC1", "XC2", "XC3", "XC4",
                                      "XD1", "XD2", "XD3", "XS1", "XS2", "XS3"};
    const char* const surfaces[4] = {"verzahnt", "rau", "glatt", "sehr glatt"};
    const char* const situations[4] = {"ständig/veränderlich"_cp, "Ermüdung"_cp, "Erdbeben", "außergewöhnlich"_cp};
    for (int k = 0; k < 12; ++k) Set_Name(b.exposure_names[k], exposure[k]);
    for (int k = 0; k < 4; ++k) Set_Name(b.surface_names[k], surfaces[k]);
    for (int k = 0; k < 4; ++k) Set_Name(b.situation_names[k], situations[k]);
}

void Keep_Valid_Factors(NAD_EC2_Block& b) {
    const NAD_EC2_Block& d = EC2_Values;
    for (int k = 0; k < 4; ++k) {
        NAD_Keep_Valid_Factor(b.gamma_c[k], d.gamma_c[k]);
        NAD_Keep_Valid_Factor(b.gamma_s[k], d.gamma_s[k]);
        NAD_Keep_Valid_Factor(b.bridge_gamma_c[k], d.bridge_gamma_c[k]);
        NAD_Keep_Valid_Factor(b.bridge_gamma_s[k], d.bridge_gamma_s[k]);
    }
    NAD_Keep_Valid_Factor(b.gamma_c_sls, d.gamma_c_sls);
    NAD_Keep_Valid_Factor(b.gamma_s_sls, d.gamma_s_sls);
    NAD_Keep_Valid_Factor(b.gamma_cE, d.gamma_cE);
    NAD_Keep_Valid_Factor(b.gamma_F_fat, d.gamma_F_fat);
}

// One scan of a value group; a group that converts only in part ends the read.
struct Group_Reader {
    FILE* s;
    bool failed = false;
    int failed_count = 0;  // values the failed scan converted, less 1 for a single value

    bool Fail(int expected, int converted) {
        failed = true;
        failed_count = expected == 1 ? converted - 1 : converted;
        return false;
    }
    bool Scan(int expected, const char* format, auto... targets) {
        if (failed) return false;
        const int n = Scan_Stream(s, format, targets...);
        return n == expected ? true : Fail(expected, n < 0 ? 0 : n);
    }
    bool Pairs(double (&a)[4], double (&b)[4]) {
        for (int k = 0; k < 4; ++k)
            if (!Scan(2, "%lf%lf", &a[k], &b[k])) return false;
        return true;
    }
    bool Twelve(double (&v)[12]) {
        return Scan(12, "%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6],
                    &v[7], &v[8], &v[9], &v[10], &v[11]);
    }
};

// Values that the German annex prescribed for bridges before they were stored (lines 25 and 26).
void Set_Old_German_Bridge_Values(NAD_EC2_Block& b) {
    b.bridge_alpha_cc = 0.85;
    b.bridge_alpha_ct = 1.0;
    b.bridge_C_Rd_c = 0.15;
    b.bridge_v_min = 0.0525;
    b.bridge_k1 = 0.12;
    b.bridge_cot_theta_min = 1.0;
    b.bridge_cot_theta_max = 1.75;
    b.bridge_alpha_cw = 1.0;
    b.bridge_nu_1 = 0.75;
    b.bridge_k1_fatigue = 1.0;
    b.bridge_As_min_column = 0.15;
    b.bridge_column_lower_bound = 0.003;
    b.bridge_As_min_column_form = 2;
    b.bridge_v_min_form = 2;
    b.bridge_nu_1_form = 1;
}

void Set_Bridge_Partial_Factors(NAD_EC2_Block& b, double gamma_c_accidental) {
    const double gamma_c[4] = {1.5, 1.5, 1.5, gamma_c_accidental};
    const double gamma_s[4] = {1.15, 1.15, 1.15, 1.0};
    for (int k = 0; k < 4; ++k) {
        b.bridge_gamma_c[k] = gamma_c[k];
        b.bridge_gamma_s[k] = gamma_s[k];
    }
}

// Completes what a block of stored version V lacks.
void Complete_Older_Version(NAD_EC2_Block& b, int V) {
    if (V <= 6) {
        b.v_min *= 1.5;  // stored without the share of gamma_c
        b.nu_T = b.nu;
        b.nu_l_T = b.nu_l;
    }
    if (V <= 13) {
        b.gamma_c_sls = 1.0;
        b.gamma_s_sls = 1.0;
    }
    if (V > 16) return;
    if (b.variant != 0) {
        if (V <= 14) Set_Old_German_Bridge_Values(b);
        if (V <= 15) {
            const double k[5] = {0.6, 0.45, 0.8, 1.0, 0.65};
            for (int i = 0; i < 5; ++i) b.k_stress[i] = k[i];
        }
        Set_Bridge_Partial_Factors(b, 1.3);
        b.r_sup_pretensioned = 1.05;
        b.r_inf_pretensioned = 0.95;
        b.r_sup_post_tensioned = 1.1;
        b.r_inf_post_tensioned = 0.9;
    } else {
        Set_Bridge_Partial_Factors(b, 1.2);
        b.r_sup_pretensioned = b.r_inf_pretensioned = 1.0;
        b.r_sup_post_tensioned = b.r_inf_post_tensioned = 1.0;
    }
}

// Lines 1 to 30 of the stored block; false when a group did not convert.
bool Read_Lines(Group_Reader& r, NAD_EC2_Block& b, int& V) {
    FILE* s = r.s;
    double* k = b.k_redistribution;
    // Lines 1 to 7, present in every version.
    if (!r.Scan(2, "%d%d", &b.k2_form, &b.k4_form) || !r.Scan(2, "%d%d", &b.As_min_beam_form, &b.v_min_form) ||
        !r.Scan(2, "%d%d", &b.nu_form, &b.v_l_min_form) || !r.Scan(2, "%d%d", &b.nu_l_form, &b.nu_1_form) ||
        !r.Scan(2, "%d%lf", &b.rho_w_min_form, &b.delta_c_dev) ||
        !r.Scan(2, "%lf%lf", &b.delta_c_dur_st, &b.delta_c_dur_add) ||
        !r.Scan(2, "%lf%lf", &b.gamma_F_fat, &b.alpha_ct))
        return false;
    if (!r.Scan(2, "%lf%lf", &b.As_min_beam, &b.rho_w_min) ||
        !r.Scan(2, "%lf%lf", &b.cot_theta_f_tension, &b.cot_theta_f_compression) ||
        !r.Scan(2, "%lf%lf", &k[0], &k[1]) || !r.Scan(2, "%lf%lf", &k[2], &k[3]))
        return false;
    if (!r.Scan(2, "%lf%lf", &k[4], &k[5]) || !r.Scan(2, "%lf%lf", &b.nu_T, &b.C_Rd_c) ||
        !r.Scan(2, "%lf%lf", &b.v_min, &b.k1_shear) || !r.Scan(2, "%lf%lf", &b.nu, &b.C_lRd_c) ||
        !r.Scan(2, "%lf%lf", &b.v_l_min, &b.k_l1))
        return false;
    // The fourth value of line 4 is read as a word: version 12 stored something else there.
    if (!r.Scan(2, "%lf%lf", &b.nu_l, &b.cot_theta_min) || !r.Scan(1, "%lf", &b.cot_theta_max)) return false;
    std::string word;
    if (!NAD_Read_Word(s, word, 100)) return r.Fail(1, 0);
    if (!r.Scan(2, "%lf%lf", &b.nu_1, &b.alpha_cw) || !r.Scan(2, "%lf%lf", &b.k_flange, &b.k1_fatigue) ||
        !r.Scan(2, "%lf%lf", &b.k3_cracks, &b.k4_cracks))
        return false;
    for (int j = 0; j < 4; ++j)
        if (!r.Scan(2, "%lf%lf", &b.c_joint[j], &b.mu_joint[j])) return false;
    if (!r.Twelve(b.c_min_dur) || !r.Twelve(b.delta_c_dur_gamma)) return false;

    if (!r.Scan(1, "%d", &V)) return false;
    if (V != 12 && Scan_Text(word.c_str(), "%lf", &b.reserved_value_2) != 1) return r.Fail(1, 0);
    if (V <= 0) return true;

    if (!r.Scan(2, "%d%lf", &b.nu_1l_form, &b.nu_1l)) return false;
    if (V == 12) {
        (void)Scan_Stream(s, "%*s");
    } else if (!r.Scan(1, "%lf", &b.reserved_value_1)) {
        return false;
    }
    if (V >= 2 && !r.Scan(4, "%d%lf%d%lf", &b.As_min_column_form, &b.As_min_column, &b.As_vmin_wall_form,
                          &b.As_vmin_wall))
        return false;
    if (V >= 3) {
        if (!r.Scan(3, "%d%lf%d", &b.thermal_form, &b.thermal_x, &b.steel_class_fire)) return false;
        if (V == 19 && !r.Scan(1, "%lf", &b.gamma_M_fi)) return false;
    }
    if (V >= 4 && !r.Scan(5, "%lf%lf%lf%lf%lf", &b.K[0], &b.K[1], &b.K[2], &b.K[3], &b.K[4])) return false;
    if (V >= 5 && !r.Scan(3, "%lf%lf%lf", &b.alpha_cc, &b.alpha_cc_pl, &b.alpha_ct_pl)) return false;
    if (V >= 6 && !r.Scan(1, "%lf", &b.k_p)) return false;
    if (V >= 7) {
        if (!r.Scan(4, "%lf%lf%lf%lf", &b.beta_1, &b.nu_l_T, &b.k1_spacing, &b.beta_2)) return false;
        if (V == 12) {
            (void)Scan_Stream(s, "%*s%*s");
        } else if (!r.Scan(2, "%lf%lf", &b.gamma_c_sls, &b.gamma_s_sls)) {
            return false;
        }
        if (!r.Scan(2, "%lf%lf", &b.column_lower_bound, &b.beam_lower_bound)) return false;
        if (!r.Pairs(b.gamma_c, b.gamma_s)) return false;
        if (!r.Scan(2, "%d%d", &b.reserved_choice, &b.variant)) return false;
        if (!r.Scan(4, "%lf%lf%lf%lf", &b.nu_joint[0], &b.nu_joint[1], &b.nu_joint[2], &b.nu_joint[3])) return false;
        if (!r.Scan(2, "%lf%lf", &b.alpha_lcc, &b.alpha_lct)) return false;
    }
    if (V >= 8 && !r.Scan(2, "%d%lf", &b.hsc_class_fire, &b.k_fire_columns)) return false;
    if (V >= 9 && !r.Scan(1, "%lf", &b.gamma_cE)) return false;
    if (V >= 10 && !r.Scan(1, "%lf", &b.k_m_fire_beams)) return false;
    if (V >= 11 && !r.Scan(2, "%d%lf", &b.lambda_lim_form, &b.lambda_lim)) return false;
    if (V >= 12 && !r.Scan(1, "%lf", &b.reserved_factor)) return false;
    if (V >= 15) {
        if (!r.Scan(12, "%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf", &b.bridge_alpha_cc, &b.bridge_alpha_ct,
                    &b.bridge_C_Rd_c, &b.bridge_v_min, &b.bridge_k1, &b.bridge_cot_theta_min,
                    &b.bridge_cot_theta_max, &b.bridge_alpha_cw, &b.bridge_nu_1, &b.bridge_k1_fatigue,
                    &b.bridge_As_min_column, &b.bridge_column_lower_bound))
            return false;
        if (!r.Scan(3, "%d%d%d", &b.bridge_As_min_column_form, &b.bridge_v_min_form, &b.bridge_nu_1_form))
            return false;
    }
    if (V >= 16 && !r.Scan(5, "%lf%lf%lf%lf%lf", &b.k_stress[0], &b.k_stress[1], &b.k_stress[2], &b.k_stress[3],
                           &b.k_stress[4]))
        return false;
    if (V >= 17) {
        if (!r.Pairs(b.bridge_gamma_c, b.bridge_gamma_s)) return false;
        if (!r.Scan(2, "%lf%lf", &b.r_sup_pretensioned, &b.r_inf_pretensioned) ||
            !r.Scan(2, "%lf%lf", &b.r_sup_post_tensioned, &b.r_inf_post_tensioned))
            return false;
    }
    if (V >= 18 && !r.Scan(1, "%lf", &b.theta_0_denominator)) return false;
    if (V >= 20 && !r.Scan(1, "%lf", &b.gamma_M_fi)) return false;
    return true;
}

// Counts a code outside [low, high] and, with fix, sets it to the fallback.
int Check_Code(int& code, int low, int high, int fallback, int fix) {
    if (code >= low && code <= high) return 0;
    if (fix) code = fallback;
    return 1;
}

constexpr double Tolerance = 0.0001;

// Every double that takes part in the comparison, as a pair of the two blocks' values; the two
// reserved values take no part.
template <typename Visit>
bool Any_Double_Pair(const NAD_EC2_Block& a, const NAD_EC2_Block& b, Visit differ) {
    const auto arr = [&](const double* x, const double* y, int n) {
        for (int k = 0; k < n; ++k)
            if (differ(x[k], y[k])) return true;
        return false;
    };
    const double NAD_EC2_Block::* const scalars[] = {
        &NAD_EC2_Block::gamma_c_sls,       &NAD_EC2_Block::gamma_s_sls,
        &NAD_EC2_Block::delta_c_dev,       &NAD_EC2_Block::delta_c_dur_st,
        &NAD_EC2_Block::delta_c_dur_add,   &NAD_EC2_Block::alpha_cc,
        &NAD_EC2_Block::alpha_ct,          &NAD_EC2_Block::alpha_cc_pl,
        &NAD_EC2_Block::alpha_ct_pl,       &NAD_EC2_Block::alpha_lcc,
        &NAD_EC2_Block::alpha_lct,         &NAD_EC2_Block::gamma_cE,
        &NAD_EC2_Block::As_min_beam,       &NAD_EC2_Block::As_min_column,
        &NAD_EC2_Block::As_vmin_wall,      &NAD_EC2_Block::beam_lower_bound,
        &NAD_EC2_Block::column_lower_bound, &NAD_EC2_Block::reserved_factor,
        &NAD_EC2_Block::C_Rd_c,            &NAD_EC2_Block::v_min,
        &NAD_EC2_Block::k1_shear,          &NAD_EC2_Block::nu,
        &NAD_EC2_Block::nu_T,              &NAD_EC2_Block::C_lRd_c,
        &NAD_EC2_Block::v_l_min,           &NAD_EC2_Block::k_l1,
        &NAD_EC2_Block::nu_l,              &NAD_EC2_Block::nu_l_T,
        &NAD_EC2_Block::cot_theta_min,     &NAD_EC2_Block::cot_theta_max,
        &NAD_EC2_Block::nu_1,              &NAD_EC2_Block::nu_1l,
        &NAD_EC2_Block::alpha_cw,          &NAD_EC2_Block::k_flange,
        &NAD_EC2_Block::rho_w_min,         &NAD_EC2_Block::cot_theta_f_tension,
        &NAD_EC2_Block::cot_theta_f_compression, &NAD_EC2_Block::k_p,
        &NAD_EC2_Block::k3_cracks,         &NAD_EC2_Block::k4_cracks,
        &NAD_EC2_Block::k1_fatigue,        &NAD_EC2_Block::gamma_F_fat,
        &NAD_EC2_Block::k1_spacing,        &NAD_EC2_Block::beta_1,
        &NAD_EC2_Block::beta_2,            &NAD_EC2_Block::theta_0_denominator,
        &NAD_EC2_Block::gamma_M_fi,        &NAD_EC2_Block::thermal_x,
        &NAD_EC2_Block::k_fire_columns,    &NAD_EC2_Block::k_m_fire_beams,
        &NAD_EC2_Block::lambda_lim,        &NAD_EC2_Block::bridge_alpha_cc,
        &NAD_EC2_Block::bridge_alpha_ct,   &NAD_EC2_Block::bridge_C_Rd_c,
        &NAD_EC2_Block::bridge_v_min,      &NAD_EC2_Block::bridge_k1,
        &NAD_EC2_Block::bridge_cot_theta_min, &NAD_EC2_Block::bridge_cot_theta_max,
        &NAD_EC2_Block::bridge_alpha_cw,   &NAD_EC2_Block::bridge_nu_1,
        &NAD_EC2_Block::bridge_k1_fatigue, &NAD_EC2_Block::bridge_As_min_column,
        &NAD_EC2_Block::bridge_column_lower_bound, &NAD_EC2_Block::r_sup_pretensioned,
        &NAD_EC2_Block::r_sup_post_tensioned, &NAD_EC2_Block::r_inf_pretensioned,
        &NAD_EC2_Block::r_inf_post_tensioned,
    };
    for (const auto member : scalars)
        if (differ(a.*member, b.*member)) return true;
    return arr(a.c_min_dur, b.c_min_dur, 12) || arr(a.delta_c_dur_gamma, b.delta_c_dur_gamma, 12) ||
           arr(a.gamma_c, b.gamma_c, 4) || arr(a.gamma_s, b.gamma_s, 4) ||
           arr(a.k_redistribution, b.k_redistribution, 6) || arr(a.c_joint, b.c_joint, 4) ||
           arr(a.mu_joint, b.mu_joint, 4) || arr(a.nu_joint, b.nu_joint, 4) || arr(a.K, b.K, 5) ||
           arr(a.bridge_gamma_c, b.bridge_gamma_c, 4) || arr(a.bridge_gamma_s, b.bridge_gamma_s, 4) ||
           arr(a.k_stress, b.k_stress, 5);
}

}  // namespace

void NAD_Set_EC2_Defaults(NAD_EC2_Block* block) {
    if (!block) return;
    *block = EC2_Values;
    Set_Names(*block);
}

void NAD_Set_EC2_Variant(NAD_EC2_Block* block, int variant) {
    if (block) block->variant = variant;
}

int NAD_Write_EC2(FILE* s, const NAD_EC2_Block* b) {
    if (!s || !b) return 0;
    bool ok = true;
    const auto put = [&](const char* format, auto... values) {
        if (ok) ok = Print_To_Stream(s, format, values...) >= 0;
    };
    const double* k = b->k_redistribution;
    put(" %d %d", b->k2_form, b->k4_form);
    put(" %d %d", b->As_min_beam_form, b->v_min_form);
    put(" %d %d", b->nu_form, b->v_l_min_form);
    put(" %d %d", b->nu_l_form, b->nu_1_form);
    put(" %d %lf", b->rho_w_min_form, b->delta_c_dev);
    put(" %lf %lf", b->delta_c_dur_st, b->delta_c_dur_add);
    put(" %lf %lf\n", b->gamma_F_fat, b->alpha_ct);
    put(" %lf %lf", b->As_min_beam, b->rho_w_min);
    put(" %lf %lf", b->cot_theta_f_tension, b->cot_theta_f_compression);
    put(" %lf %lf", k[0], k[1]);
    put(" %lf %lf\n", k[2], k[3]);
    put(" %lf %lf", k[4], k[5]);
    put(" %lf %lf", b->nu_T, b->C_Rd_c);
    put(" %lf %lf", b->v_min, b->k1_shear);
    put(" %lf %lf", b->nu, b->C_lRd_c);
    put(" %lf %lf\n", b->v_l_min, b->k_l1);
    put(" %lf %lf", b->nu_l, b->cot_theta_min);
    put(" %lf %lf", b->cot_theta_max, b->reserved_value_2);
    put(" %lf %lf", b->nu_1, b->alpha_cw);
    put(" %lf %lf", b->k_flange, b->k1_fatigue);
    put(" %lf %lf\n", b->k3_cracks, b->k4_cracks);
    for (int j = 0; j < 4; ++j) put(" %lf %lf", b->c_joint[j], b->mu_joint[j]);
    put("\n");
    for (double v : b->c_min_dur) put(" %lf", v);
    put("\n");
    for (double v : b->delta_c_dur_gamma) put(" %lf", v);
    put("\n");
    put(" %d\n", Written_Version);
    put(" %d %lf %lf\n", b->nu_1l_form, b->nu_1l, b->reserved_value_1);
    put(" %d %lf %d %lf\n", b->As_min_column_form, b->As_min_column, b->As_vmin_wall_form, b->As_vmin_wall);
    put(" %d %lf %d\n", b->thermal_form, b->thermal_x, b->steel_class_fire);
    for (double v : b->K) put(" %lf", v);
    put("\n");
    put(" %lf %lf %lf\n", b->alpha_cc, b->alpha_cc_pl, b->alpha_ct_pl);
    put(" %lf\n", b->k_p);
    put(" %lf %lf %lf %lf %lf %lf %lf %lf\n", b->beta_1, b->nu_l_T, b->k1_spacing, b->beta_2, b->gamma_c_sls,
        b->gamma_s_sls, b->column_lower_bound, b->beam_lower_bound);
    for (int j = 0; j < 4; ++j) put(" %lf %lf", b->gamma_c[j], b->gamma_s[j]);
    put("\n");
    put(" %d %d\n", b->reserved_choice, b->variant);
    for (double v : b->nu_joint) put(" %lf", v);
    put("\n");
    put(" %lf %lf\n", b->alpha_lcc, b->alpha_lct);
    put(" %d %lf\n", b->hsc_class_fire, b->k_fire_columns);
    put(" %lf\n", b->gamma_cE);
    put(" %lf\n", b->k_m_fire_beams);
    put(" %d %lf\n", b->lambda_lim_form, b->lambda_lim);
    put(" %lf\n", b->reserved_factor);
    put(" %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf\n", b->bridge_alpha_cc, b->bridge_alpha_ct,
        b->bridge_C_Rd_c, b->bridge_v_min, b->bridge_k1, b->bridge_cot_theta_min, b->bridge_cot_theta_max,
        b->bridge_alpha_cw, b->bridge_nu_1, b->bridge_k1_fatigue, b->bridge_As_min_column,
        b->bridge_column_lower_bound);
    put(" %d %d %d\n", b->bridge_As_min_column_form, b->bridge_v_min_form, b->bridge_nu_1_form);
    put(" %lf  %lf  %lf  %lf %lf\n", b->k_stress[0], b->k_stress[1], b->k_stress[2], b->k_stress[3], b->k_stress[4]);
    for (int j = 0; j < 4; ++j) put(" %lf %lf", b->bridge_gamma_c[j], b->bridge_gamma_s[j]);
    put("\n");
    put(" %lf %lf", b->r_sup_pretensioned, b->r_inf_pretensioned);
    put(" %lf %lf", b->r_sup_post_tensioned, b->r_inf_post_tensioned);
    put("\n");
    put(" %lf", b->theta_0_denominator);
    put(" %lf\n", b->gamma_M_fi);
    return ok ? 0 : 1;
}

int NAD_Read_EC2(FILE* s, NAD_EC2_Block* b) {
    if (!s || !b) return 0;
    NAD_Set_EC2_Defaults(b);
    Group_Reader reader{s};
    int V = 0;
    const bool complete = Read_Lines(reader, *b, V);
    Keep_Valid_Factors(*b);
    if (!complete) {
        if (NAD_Trace_Switch) Print_To_Stream(stdout, " EC2:              (failed)\n");
        return reader.failed_count;
    }
    Complete_Older_Version(*b, V);
    b->version = V;
    const int invalid = NAD_Check_EC2(b, 0);
    if (NAD_Trace_Switch) Print_To_Stream(stdout, " EC2: version=%2d  (ok)\n", V);
    return invalid;
}

int NAD_Check_EC2(NAD_EC2_Block* b, int fix) {
    if (!b) return 0;
    b->gamma_M_fi = 1.0;
    if (b->variant != 0) {
        b->k_fire_columns = 1.0;
        b->k_m_fire_beams = 1.0;
    }
    int count = 0;
    for (int* form : {&b->As_min_beam_form, &b->As_min_column_form, &b->As_vmin_wall_form, &b->k2_form, &b->k4_form,
                      &b->v_min_form, &b->nu_form, &b->v_l_min_form, &b->nu_l_form, &b->nu_1_form, &b->nu_1l_form,
                      &b->rho_w_min_form, &b->lambda_lim_form, &b->bridge_As_min_column_form,
                      &b->bridge_v_min_form, &b->bridge_nu_1_form})
        count += Check_Code(*form, 1, 2, 2, fix);
    count += Check_Code(b->steel_class_fire, 0, 1, 0, fix);
    count += Check_Code(b->hsc_class_fire, 1, 3, 1, fix);
    count += Check_Code(b->reserved_choice, 0, 2, 1, fix);
    return count;
}

int NAD_Compare_EC2(const NAD_EC2_Block* a, const NAD_EC2_Block* b) {
    if (!a || !b) return 1;
    if (a->version <= 0 || b->version <= 0) return 0;
    const int codes[][2] = {
        {a->variant, b->variant},
        {a->As_min_beam_form, b->As_min_beam_form},
        {a->As_min_column_form, b->As_min_column_form},
        {a->As_vmin_wall_form, b->As_vmin_wall_form},
        {a->k2_form, b->k2_form},
        {a->k4_form, b->k4_form},
        {a->v_min_form, b->v_min_form},
        {a->nu_form, b->nu_form},
        {a->v_l_min_form, b->v_l_min_form},
        {a->nu_l_form, b->nu_l_form},
        {a->nu_1_form, b->nu_1_form},
        {a->nu_1l_form, b->nu_1l_form},
        {a->rho_w_min_form, b->rho_w_min_form},
        {a->thermal_form, b->thermal_form},
        {a->steel_class_fire, b->steel_class_fire},
        {a->hsc_class_fire, b->hsc_class_fire},
        {a->lambda_lim_form, b->lambda_lim_form},
        {a->bridge_As_min_column_form, b->bridge_As_min_column_form},
        {a->bridge_v_min_form, b->bridge_v_min_form},
        {a->bridge_nu_1_form, b->bridge_nu_1_form},
        {a->reserved_choice, b->reserved_choice},
    };
    for (const auto& c : codes)
        if (c[0] != c[1]) return 1;
    return Any_Double_Pair(*a, *b, [](double x, double y) { return std::fabs(x - y) > Tolerance; }) ? 1 : 0;
}

void NAD_Copy_EC2(NAD_EC2_Block* target, const NAD_EC2_Block* source) {
    if (!target || !source || target == source) return;
    const int version = target->version;
    const double reserved_1 = target->reserved_value_1;
    const double reserved_2 = target->reserved_value_2;
    *target = *source;
    target->version = version;
    target->reserved_value_1 = reserved_1;
    target->reserved_value_2 = reserved_2;
}
