#include "annex/ec2_country_sets.h"

#include <cstring>
#include <memory>

#include "annex/annex_file.h"
#include "annex/norm_titles.h"

namespace {

// The values of the German annex. The name tables are set apart; the joint coefficients depend on the
// DIN edition; the stress factors k_1 ... k_5 and the factors r of the bridge part are kept from the
// block (left 0 here).
constexpr NAD_EC2_Block German_Set{
    .variant = 0,
    .version = 20,
    .exposure_names = {},
    .surface_names = {},
    .situation_names = {},
    .c_min_dur = {0, 0, 1.0, 2.0, 2.0, 2.5, 4.0, 4.0, 4.0, 4.0, 4.0, 4.0},
    .delta_c_dur_gamma = {0, 0, 0, 0, 0, 0, 1.0, 0.5, 0, 1.0, 0.5, 0},
    .gamma_c = {1.5, 1.5, 1.5, 1.3},
    .gamma_s = {1.15, 1.15, 1.15, 1.0},
    .gamma_c_sls = 1.0,
    .gamma_s_sls = 1.0,
    .delta_c_dev = 1.5,
    .delta_c_dur_st = 0,
    .delta_c_dur_add = 0,
    .alpha_cc = 0.85,
    .alpha_ct = 1.0,
    .alpha_cc_pl = 0.85,
    .alpha_ct_pl = 1.0,
    .alpha_lcc = 0.75,
    .alpha_lct = 1.0,
    .gamma_cE = 1.5,
    .As_min_beam = 1.0,
    .As_min_column = 0.15,
    .As_vmin_wall = 0.0015,
    .beam_lower_bound = 0,
    .column_lower_bound = 0,
    .k_redistribution = {0.64, 0.8, 0.72, 0.8, 0.7, 0.85},
    .reserved_factor = 0.8,
    .C_Rd_c = 0.15,
    .v_min = 0,
    .k1_shear = 0.12,
    .nu = 0.75,
    .nu_T = 0.75,
    .C_lRd_c = 0.15,
    .v_l_min = 0,
    .k_l1 = 0.12,
    .nu_l = 0.75,
    .nu_l_T = 0.75,
    .cot_theta_min = 0.5773503,  // cot 60°
    .cot_theta_max = 3.0,
    .nu_1 = 0.75,
    .nu_1l = 0.75,
    .alpha_cw = 1.0,
    .k_flange = 0,
    .c_joint = {},
    .mu_joint = {},
    .nu_joint = {},
    .rho_w_min = 0.16,
    .cot_theta_f_tension = 1.0,
    .cot_theta_f_compression = 1.2,
    .k_p = 1.0,
    .k3_cracks = 0,
    .k4_cracks = 1 / 3.6,
    .k1_fatigue = 1.0,
    .gamma_F_fat = 1.0,
    .K = {1.0, 0.8, 0.6, 0.7, 2.4},
    .k1_spacing = 1.0,
    .beta_1 = 0.25,
    .beta_2 = 0.25,
    .theta_0_denominator = 200,
    .gamma_M_fi = 1.0,
    .thermal_x = 0,
    .k_fire_columns = 1.0,
    .k_m_fire_beams = 1.0,
    .lambda_lim = 16.0,
    // EN 1992-2: the building values of the set, with k_1 (fatigue) 1.0.
    .bridge_gamma_c = {1.5, 1.5, 1.5, 1.3},
    .bridge_gamma_s = {1.15, 1.15, 1.15, 1.0},
    .bridge_alpha_cc = 0.85,
    .bridge_alpha_ct = 1.0,
    .bridge_C_Rd_c = 0.15,
    .bridge_v_min = 0,
    .bridge_k1 = 0.12,
    .bridge_cot_theta_min = 0.5773503,
    .bridge_cot_theta_max = 3.0,
    .bridge_alpha_cw = 1.0,
    .bridge_nu_1 = 0.75,
    .bridge_k1_fatigue = 1.0,
    .k_stress = {},
    .bridge_As_min_column = 0.15,
    .bridge_column_lower_bound = 0,
    .r_sup_pretensioned = 0,
    .r_sup_post_tensioned = 0,
    .r_inf_pretensioned = 0,
    .r_inf_post_tensioned = 0,
    .As_min_beam_form = 2,
    .As_min_column_form = 2,
    .As_vmin_wall_form = 2,
    .k2_form = 1,
    .k4_form = 1,
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

// Joint coefficients c and mu of 6.2.5(1) per surface (indented, rough, smooth, very smooth) and the
// strength reduction nu: edition 1 (any but 0) those of DIN 1045-1 (2001), where nu is the set's nu of
// 6.2.2(6); edition 0 those of the German annex to EN 1992-1-1.
struct Joint_Row {
    double c, mu, nu;
};
constexpr Joint_Row Joints_DIN_2001[4] = {{2.4, 1.0, 0}, {2.0, 0.7, 0}, {1.4, 0.6, 0}, {0, 0.5, 0}};
constexpr Joint_Row Joints_NA_DE[4] = {{0.5, 0.9, 0.7}, {0.4, 0.7, 0.5}, {0.2, 0.6, 0.2}, {0, 0.5, 0}};

bool Is_Recommended_Set(int country_type) { return country_type == 4 || country_type == 21; }

// The cached record of the built-in annex "Deutschland".
const NAD_Record& German_Record() {
    static const std::unique_ptr<NAD_Record> record = [] {
        auto r = std::make_unique<NAD_Record>();
        NAD_Set_File_Block_Defaults(r.get());
        NAD_Load_Annex_File(0, "Deutschland", r.get());
        return r;
    }();
    return *record;
}

}  // namespace

void NAD_Set_EC2_Country_Defaults(int country_type, NAD_EC2_Block* block) {
    if (!block) return;
    NAD_EC2_Block built_in;
    NAD_Set_EC2_Defaults(&built_in);  // name tables, variant 0, version 20, reserved values and choice 0
    if (Is_Recommended_Set(country_type)) {
        *block = built_in;
        return;
    }
    NAD_EC2_Block set = German_Set;
    std::memcpy(set.exposure_names, built_in.exposure_names, sizeof set.exposure_names);
    std::memcpy(set.surface_names, built_in.surface_names, sizeof set.surface_names);
    std::memcpy(set.situation_names, built_in.situation_names, sizeof set.situation_names);
    std::memcpy(set.k_stress, block->k_stress, sizeof set.k_stress);
    set.r_sup_pretensioned = block->r_sup_pretensioned;
    set.r_sup_post_tensioned = block->r_sup_post_tensioned;
    set.r_inf_pretensioned = block->r_inf_pretensioned;
    set.r_inf_post_tensioned = block->r_inf_post_tensioned;
    for (int k = 0; k < 4; ++k) {
        const bool din_2001 = NAD_Get_DIN_Edition() != 0;
        const Joint_Row& j = din_2001 ? Joints_DIN_2001[k] : Joints_NA_DE[k];
        set.c_joint[k] = j.c;
        set.mu_joint[k] = j.mu;
        set.nu_joint[k] = din_2001 ? set.nu : j.nu;
    }
    *block = set;
}

void NAD_Copy_German_EC2(NAD_EC2_Block* block) {
    if (!block) return;
    NAD_Copy_EC2(block, &German_Record().ec2);
}
