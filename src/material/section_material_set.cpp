#include "material/section_material_set.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "annex/annex_record.h"
#include "annex/ec2_block.h"
#include "annex/ec2_country_sets.h"
#include "annex/norm_titles.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "common/tracked_alloc.h"
#include "material/concrete_classes.h"
#include "material/concrete_laws.h"
#include "material/reinforcement_grades.h"
#include "platform/host/format_number.h"
#include "platform/printlist/print_list_library.h"

namespace {

constexpr double Missing = 0.001;      // a value below this counts as not given
constexpr int Own_Concrete = 30;

void Copy_Name(char (&field)[24], const char* text) { std::snprintf(field, sizeof field, "%s", text ? text : ""); }

bool Newer(const Section_Material_Set* set) { return set->code_switch != 0; }

// The third pair of the annex block (serviceability) when EN 1992 governs, else 1.0.
void Third_Pair(const Section_Material_Set* set, double* g_c, double* g_s) {
    const bool en = (set->en_1 || set->en_2) && set->ec2_block;
    *g_c = en ? set->ec2_block->gamma_c_sls : 1.0;
    *g_s = en ? set->ec2_block->gamma_s_sls : 1.0;
}

void Normalize_Concrete(const Section_Material_Set* set, Section_Concrete& c) {
    if (c.cls < 0) c.cls = 0;
    auto normal_weight = [&c] {
        c.lightweight = 0;
        c.density = 2200.0;
    };
    if (!Newer(set)) {
        normal_weight();
        c.alpha_cc = 1.0;
        if (c.cls > 4) c.cls = 1;
    } else if (set->austrian) {
        normal_weight();
        c.alpha_cc = 1.0;
        if (c.cls >= 31) c.cls = 22;
        if (c.cls >= 14 && c.cls <= 19) c.cls = 29;
    } else {
        if (c.cls >= 31) {
            c.cls = 7;
            normal_weight();
        } else if (c.density > 2200.0 || set->din_2008 || set->en_2) {
            normal_weight();
        } else if (c.density < 800.0) {
            c.lightweight = 1;
            c.density = 800.0;
        } else if (c.lightweight) {
            c.density = std::min(c.density, 2000.0);
        } else if (c.density < 2001.0) {
            c.lightweight = 1;
        } else {
            normal_weight();
        }
        if (c.alpha_cc < Missing) {
            const NAD_EC2_Block* b = set->ec2_block;
            if (set->en_1 && b) c.alpha_cc = c.lightweight ? b->alpha_lcc : b->alpha_cc;
            else if (set->en_2 && b) c.alpha_cc = b->bridge_alpha_cc;
            else c.alpha_cc = 0.85;
        }
    }
    if (c.n < 1.0) c.n = 1.0;
}

void Normalize_Rebar(Section_Material_Set* set, Section_Rebar& s) {
    if (s.grade < 0) s.grade = 0;
    if (!Newer(set)) {
        if (s.grade > 2) s.grade = 2;
    } else if (set->austrian) {
        if (s.grade > 13) s.grade = 12;
        if (s.grade == 6) s.grade = 11;
    } else if (s.grade > 13) {
        s.grade = 3;
    }
    if (s.grade == 5 && set->steel_class <= 1) {
        // glass-fibre bars: the set switches to the steel class of their higher safety factor
        set->steel_class = 2;
        set->gamma_s = 2.0;
    }
}

// η₁, E_cm, f_cm, f_ctm and n of a C, Austrian or own-value class; `keep` leaves given values.
void Compute_Class_Values(const Section_Material_Set* set, int rule, Section_Concrete& c, bool keep) {
    if (set->austrian || set->din_2008) c.lightweight = 0;
    c.eta_1 = c.lightweight ? 0.40 + 0.60 * c.density / 2200.0 : 1.0;
    if (!keep || c.e_cm < Missing) c.e_cm = Compute_Concrete_Ecm(rule, c.cls, c.f_ck, c.density, nullptr);
    if (!keep || c.f_ctm < Missing) c.f_ctm = Compute_Concrete_Fctm(rule, c.cls, c.f_ck, c.density, 0.0);
    if (!keep || c.f_cm < Missing) c.f_cm = Compute_Concrete_Fcm(rule, c.f_ck, c.density);
    if (!keep || c.n < Missing) c.n = Get_Parabola_Exponent(rule, c.cls, c.f_ck);
    if (!keep || c.f_cd < Missing) c.f_cd = c.f_ck * c.alpha_cc / set->gamma_c;
    c.f_ctk = 0.7 * c.f_ctm;
}

void Compute_Concrete(const Section_Material_Set* set, int rule, Section_Concrete& c) {
    Copy_Name(c.name, c.cls >= 0 && c.cls < Own_Concrete ? Get_Concrete_Class_Name(c.cls) : " frei");
    if (c.cls >= 0 && c.cls < Concrete_B_Class_Count) {
        const Concrete_B_Class_Row& b = Concrete_B_Class_Table[c.cls];
        const double offset = Newer(set) ? 8.0 : 5.0;
        c.f_ck = Newer(set) ? b.f_ck : b.beta_WN;
        c.f_cd = Newer(set) ? c.f_ck * c.alpha_cc / set->gamma_c : b.beta_R;
        c.eps_peak = -2.0;
        c.eps_ult = -3.5;
        c.n = 2.0;
        c.density = 2200.0;
        c.eta_1 = 1.0;
        c.e_cm = b.E_b;
        c.f_cm = c.f_ck < 12.0 ? c.f_ck : c.f_ck + offset;
        c.f_ctm = Newer(set) ? Compute_Concrete_Fctm(rule, c.cls, c.f_ck, 2200.0, 0.0)
                             : 0.25 * std::pow(b.beta_WN, 2.0 / 3.0);
        c.f_ctk = Newer(set) ? 0.7 * c.f_ctm : c.f_ctm;
    } else if (c.cls < Own_Concrete) {
        c.f_ck = Get_Concrete_Fck(rule, c.cls);
        c.eps_peak = Get_Parabola_Rectangle_Strains(rule, c.cls, c.f_ck, c.density, &c.eps_ult);
        Compute_Class_Values(set, rule, c, false);
    } else {
        Compute_Class_Values(set, rule, c, true);
    }
    c.law_used = 0;
}

// The steel record's values from its grade; 1 when its strain at the ultimate state had to be cut.
int Compute_Rebar(const Section_Material_Set* set, double xi, double eps_u, Section_Rebar& s) {
    const double g_s = set->gamma_s;
    Copy_Name(s.name, s.grade == Rebar_Grade_Own_Values ? " frei" : Get_Rebar_Grade_Name(s.grade, 0));
    s.cleared_value = 0.0;
    if (s.grade >= 3 && s.grade <= 12) {
        const Rebar_Grade_Row& r = Rebar_Grade_Table[s.grade - 3];
        s.f_y = s.f_yk = r.f_yk;
        s.e_s = r.E_s;
        s.f_yd = s.f_yk / g_s;
        if (s.grade == 5) {
            s.f_tk = s.f_yk;
            s.eps_su = 1000.0 * s.f_yd / s.e_s;
        } else if (s.grade == 6) {
            s.f_tk = s.f_yk;
            s.eps_su = 25.0;
        } else if (s.grade >= 11) {
            s.eps_su = r.eps_uk;
            s.f_tk = r.k * s.f_yk;
        } else {
            s.eps_su = 25.0;
            s.f_tk = 1.05 * s.f_yk;
        }
    } else if (s.grade >= 0 && s.grade <= 2) {
        s.f_y = s.f_yk = s.f_tk = Old_Rebar_Grade_Table[s.grade].f_yk;
        s.f_yd = s.f_yk / g_s;
        s.e_s = 210000.0;
        s.eps_su = 5.0;
    } else {
        if (s.e_s < Missing) s.e_s = 200000.0;
        if (s.f_y < Missing || s.f_y > s.f_yk) s.f_y = s.f_yk;
        if (s.f_tk < Missing) s.f_tk = s.f_yk;
        if (s.eps_su < s.eps_s) s.eps_su = s.eps_s;
        s.f_yd = s.f_yk / g_s;
    }
    s.f_td = s.f_tk / g_s;
    if (!Newer(set)) {
        s.eps_s = 3.0;
        return 0;
    }
    if (xi < Missing) s.eps_s = s.e_s > 0.0 ? 1000.0 * s.f_yd / s.e_s : 0.0;
    else if (xi > 0.999) s.eps_s = 0.0;
    else s.eps_s = (1.0 - 1.0 / xi) * eps_u;
    // own steel values without a rupture strain: the strain at the ultimate state is the limit,
    // not zero (a missing value would otherwise cut the steel strain to nothing)
    if (s.grade == Rebar_Grade_Own_Values && s.eps_su < Missing) s.eps_su = s.eps_s;
    if (s.eps_s > s.eps_su) {
        const bool cut = s.eps_s > s.eps_su + 0.001;
        s.eps_s = s.eps_su;
        return cut ? 1 : 0;
    }
    return 0;
}

// A common safety factor γ for concrete and steel (1.1 or 1.3): strengths are scaled so that their
// design values stay, the concrete strains follow the non-linear law of the scaled strength.
void Apply_Common_Factor(Section_Material_Set* set, int rule) {
    const double g = set->steel_class ? 1.1 : 1.3;
    const double r_c = g / set->gamma_c;
    const double r_s = g / set->gamma_s;
    for (int i = 0; i < set->n_concrete; ++i) {
        Section_Concrete& c = set->concrete[i];
        c.f_ck *= r_c;
        c.eps_peak = Get_Nonlinear_Law_Strains(rule, c.cls, c.f_ck, c.density, &c.eps_ult);
        c.f_ctm *= r_c;
        c.f_cm *= r_c;
        c.e_cm *= r_c;
        c.f_cd = c.f_ck * c.alpha_cc / g;
    }
    for (int i = 0; i < set->n_steel; ++i) {
        Section_Rebar& s = set->steel[i];
        s.f_yk *= r_s;
        s.f_tk *= r_s;
        s.f_yd = s.f_yk / g;
        s.f_td = s.f_tk / g;
    }
    set->gamma_c = g;
    set->gamma_s = g;
}

}  // namespace

int Get_Material_Set_Rule(const Section_Material_Set* set) {
    if (!set->code_switch) return 0;
    if (set->en_1 || set->en_2) return 4;
    return set->austrian ? 3 : 1;
}

void Init_Material_Set(Section_Material_Set* set) {
    if (set) *set = Section_Material_Set{};
}

void Free_Material_Set(Section_Material_Set* set) {
    if (!set) return;
    MEM_FREE(set->concrete);
    MEM_FREE(set->steel);
    MEM_FREE(set->ec2_block);
    set->concrete = nullptr;
    set->steel = nullptr;
    set->ec2_block = nullptr;
    set->n_concrete = set->n_steel = 0;
}

void Reset_Material_Set(Section_Material_Set* set) {
    if (!set) return;
    Section_Material_Set kept{};
    kept.n_concrete = set->n_concrete;
    kept.n_steel = set->n_steel;
    kept.concrete = set->concrete;
    kept.steel = set->steel;
    kept.ec2_block = set->ec2_block;
    *set = kept;
    for (int i = 0; i < set->n_concrete; ++i) set->concrete[i] = Section_Concrete{};
    for (int i = 0; i < set->n_steel; ++i) set->steel[i] = Section_Rebar{};
}

int Create_Material_Set(Section_Material_Set* set, int n_concrete, int n_steel) {
    if (!set) return 1;
    Free_Material_Set(set);
    const std::size_t nc = static_cast<std::size_t>(std::max(n_concrete, 0));
    const std::size_t ns = static_cast<std::size_t>(std::max(n_steel, 0));
    // A count of 0 asks for no records: no block is taken for it.
    set->concrete = nc ? static_cast<Section_Concrete*>(MEM_CALLOC(nc, sizeof(Section_Concrete))) : nullptr;
    set->steel = ns ? static_cast<Section_Rebar*>(MEM_CALLOC(ns, sizeof(Section_Rebar))) : nullptr;
    set->ec2_block = static_cast<NAD_EC2_Block*>(MEM_CALLOC(1, sizeof(NAD_EC2_Block)));
    if ((nc && !set->concrete) || (ns && !set->steel) || !set->ec2_block) {
        Free_Material_Set(set);
        return 1;
    }
    set->n_concrete = static_cast<int>(nc);
    set->n_steel = static_cast<int>(ns);
    NAD_Set_EC2_Country_Defaults(1, set->ec2_block);
    Reset_Material_Set(set);
    return 0;
}

void Copy_Rebar_Values(const Section_Rebar* source, Section_Rebar* target) {
    if (source && target) *target = *source;
}

void Copy_Material_Set(const Section_Material_Set* source, Section_Material_Set* target) {
    if (!source || !target || source == target) return;
    if (Create_Material_Set(target, source->n_concrete, source->n_steel)) return;
    target->code_switch = source->code_switch;
    target->din_2008 = source->din_2008;
    target->austrian = source->austrian;
    target->en_1 = source->en_1;
    target->en_2 = source->en_2;
    target->steel_class = source->steel_class;
    target->gamma_c = source->gamma_c;
    target->gamma_s = source->gamma_s;
    target->law = source->law;
    target->law_value = source->law_value;
    target->common_factor = source->common_factor;
    target->xi = source->xi;
    std::copy_n(source->concrete, source->n_concrete, target->concrete);
    std::copy_n(source->steel, source->n_steel, target->steel);
    if (source->ec2_block) NAD_Copy_EC2(target->ec2_block, source->ec2_block);
}

int Normalize_Material_Set(Section_Material_Set* set) {
    if (!set) return 0;
    if (set->code_switch <= 0) {
        set->code_switch = set->din_2008 = set->austrian = set->en_1 = set->en_2 = 0;
        set->gamma_c = set->gamma_s = 1.0;
    } else {
        if (set->din_2008) NAD_Set_DIN_Edition(0);
        set->code_switch = 1;
        double g_c, g_s;
        Third_Pair(set, &g_c, &g_s);
        if (set->gamma_c < Missing) set->gamma_c = g_c;
        if (set->gamma_s < Missing) set->gamma_s = g_s;
    }
    for (int i = 0; i < set->n_concrete; ++i) Normalize_Concrete(set, set->concrete[i]);
    for (int i = 0; i < set->n_steel; ++i) Normalize_Rebar(set, set->steel[i]);
    return 0;
}

int Compute_Material_Set(Section_Material_Set* set, int refresh_annex) {
    if (!set) return 0;
    const int rule = Get_Material_Set_Rule(set);
    if (set->ec2_block) {
        if (set->code_switch && (set->en_1 || set->en_2)) {
            if (refresh_annex) {
                if (const NAD_EC2_Block* active = NAD_Get_EC2()) NAD_Copy_EC2(set->ec2_block, active);
                else NAD_Copy_German_EC2(set->ec2_block);
            }
        } else {
            NAD_Set_EC2_Country_Defaults(1, set->ec2_block);
        }
    }
    Normalize_Material_Set(set);
    for (int i = 0; i < set->n_concrete; ++i) Compute_Concrete(set, rule, set->concrete[i]);

    const double eps_u = set->n_concrete > 0 ? set->concrete[0].eps_ult : 0.0;
    int cut = 0;
    for (int i = 0; i < set->n_steel; ++i) cut |= Compute_Rebar(set, set->xi, eps_u, set->steel[i]);

    if (!Newer(set)) {
        set->xi = 0.0;
        return cut;
    }
    if (set->n_steel > 0 && (set->xi < Missing || set->steel[0].eps_s == set->steel[0].eps_su)) {
        // x/d from the strains: concrete at its ultimate strain, steel at eps_s
        const double d = eps_u - set->steel[0].eps_s;
        if (d != 0.0) set->xi = eps_u / d;
    }
    if (set->xi > 0.999) set->xi = 1.0;
    if (set->common_factor && set->gamma_c > 1.01) Apply_Common_Factor(set, rule);
    return cut;
}

void Set_Material_Set_Values(Section_Material_Set* set, int which, int index, double a, double b, double x1,
                             double x2, double x3, double x4, double x5) {
    if (!set) return;
    if (which == 0 && set->n_concrete > 0) {
        Section_Concrete& c = set->concrete[0];
        c.f_ck = a;
        if (a >= Missing) c.alpha_cc = b / a;
        c.eps_peak = x1;
        c.eps_ult = x2;
        c.n = x3;
        c.e_cm = x4;
        c.f_ctm = x5;
        c.f_cd = 0.0;
        c.f_cm = 0.0;
    } else if (which == 1 && index >= 0 && index < set->n_steel) {
        Section_Rebar& s = set->steel[index];
        s.f_y = s.f_yk = a;
        s.f_tk = b;
        s.eps_su = x2;
        s.e_s = x3;
        s.cleared_value = 0.0;
        s.f_yd = 0.0;
        s.f_td = 0.0;
    }
}

namespace {

struct Saved_Concrete {
    int cls, law_used;
    double f_ck, alpha_cc, eps_peak, eps_ult, n, e_cm, density, f_ctm, f_cm;
};

struct Saved_Rebar {
    int grade;
    double f_y, f_yk, f_tk, eps_su, eps_s, e_s, cleared_value;
};

// The one save area of the switch to non-linear values, sized at each save for its set.
struct Nonlinear_Save {
    const Section_Material_Set* set = nullptr;
    bool has_concrete = false;
    Saved_Concrete concrete{};
    double gamma_c = 0.0, gamma_s = 0.0;
    std::vector<Saved_Rebar> steel;
};

Nonlinear_Save nonlinear_save;

// Design values of the first concrete record under the set's law, with the factor C.
void Apply_Concrete_Law(const Section_Material_Set* set, double C, Section_Concrete& c) {
    const int rule = Get_Material_Set_Rule(set);
    c.f_ctm /= C;
    c.e_cm /= C;
    const int law = set->law;
    if (law == 1) {
        c.f_cd = c.f_cm / C;
        if (c.cls < Own_Concrete) {
            c.eps_peak = Get_Nonlinear_Law_Strains(rule, c.cls, c.f_ck, c.density, &c.eps_ult);
            c.n = Compute_Nonlinear_Law_K(rule, c.f_cm, c.e_cm, c.eps_peak);
        }
    } else if (law == 2 || law == 3) {
        c.f_cd = c.alpha_cc * c.f_ck / C;
        if (law == 3 && set->law_value > Missing && set->n_steel > 0)
            c.e_cm = set->steel[0].e_s / (set->law_value * C);
        if (c.e_cm > Missing) {
            c.eps_peak = std::max(-1000.0 * c.f_cd / c.e_cm, c.eps_ult);
        } else {
            c.eps_peak = Get_Bilinear_Strains(rule, c.cls, c.f_ck, c.density, &c.eps_ult);
            c.e_cm = c.eps_peak != 0.0 ? 1000.0 * c.f_cd / std::fabs(c.eps_peak) : 0.0;
        }
        c.n = 1.0;
    } else {
        c.f_cd = c.alpha_cc * c.f_ck / C;
    }
    c.cls = Own_Concrete;
    c.law_used = law == 1 ? 1 : 0;
    if (c.phi > Missing) {
        // creep stretches the strains and softens the modulus by (1 + φ)
        c.eps_peak *= 1.0 + c.phi;
        c.eps_ult *= 1.0 + c.phi;
        c.e_cm /= 1.0 + c.phi;
    }
    c.shrink_out = c.eps_free < -Missing ? -c.eps_free : 0.0;
}

}  // namespace

int Begin_Nonlinear_Values(Section_Material_Set* set, double factor_c, double factor_s, int mode) {
    if (!set) return 0;
    Nonlinear_Save& sv = nonlinear_save;
    try {
        sv.steel.resize(static_cast<std::size_t>(std::max(set->n_steel, 0)));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    sv.set = set;
    sv.has_concrete = set->n_concrete > 0;
    if (sv.has_concrete) {
        const Section_Concrete& c = set->concrete[0];
        sv.concrete = {c.cls,  c.law_used, c.f_ck,    c.alpha_cc, c.eps_peak, c.eps_ult,
                       c.n,    c.e_cm,     c.density, c.f_ctm,    c.f_cm};
    }
    sv.gamma_c = set->gamma_c;
    sv.gamma_s = set->gamma_s;
    for (int i = 0; i < set->n_steel; ++i) {
        const Section_Rebar& s = set->steel[i];
        sv.steel[static_cast<std::size_t>(i)] = {s.grade, s.f_y, s.f_yk, s.f_tk, s.eps_su, s.eps_s, s.e_s,
                                                 s.cleared_value};
    }

    double C = factor_c, S = factor_s;
    if (mode == 1) {
        if (set->code_switch) Third_Pair(set, &C, &S);
        else C = S = 1.0;
        if (sv.has_concrete) set->concrete[0].alpha_cc = 1.0;
    }
    if (set->law != 4) {
        for (int i = 0; i < set->n_steel; ++i) {
            Section_Rebar& s = set->steel[i];
            if (s.grade == 4) {
                s.eps_su = 50.0;
                s.f_tk = 1.08 * s.f_yk;
            }
            s.f_yd = s.f_yk / S;
            s.f_td = s.f_tk / S;
            s.eps_s = s.e_s > 0.0 ? 1000.0 * s.f_yd / s.e_s : 0.0;
        }
        if (sv.has_concrete) Apply_Concrete_Law(set, C, set->concrete[0]);
    }
    set->gamma_c = C;
    set->gamma_s = S;
    return 1;
}

int End_Nonlinear_Values(Section_Material_Set* set) {
    Nonlinear_Save& sv = nonlinear_save;
    if (!set || sv.set != set) return 0;
    if (sv.has_concrete && set->n_concrete > 0) {
        Section_Concrete& c = set->concrete[0];
        const Saved_Concrete& k = sv.concrete;
        c.cls = k.cls;
        c.law_used = k.law_used;
        c.f_ck = k.f_ck;
        c.alpha_cc = k.alpha_cc;
        c.eps_peak = k.eps_peak;
        c.eps_ult = k.eps_ult;
        c.n = k.n;
        c.e_cm = k.e_cm;
        c.density = k.density;
        c.f_ctm = k.f_ctm;
        c.f_cm = k.f_cm;
    }
    set->gamma_c = sv.gamma_c;
    set->gamma_s = sv.gamma_s;
    const int n = std::min(set->n_steel, static_cast<int>(sv.steel.size()));
    for (int i = 0; i < n; ++i) {
        Section_Rebar& s = set->steel[i];
        const Saved_Rebar& k = sv.steel[static_cast<std::size_t>(i)];
        s.grade = k.grade;
        s.f_y = k.f_y;
        s.f_yk = k.f_yk;
        s.f_tk = k.f_tk;
        s.eps_su = k.eps_su;
        s.eps_s = k.eps_s;
        s.e_s = k.e_s;
        s.cleared_value = k.cleared_value;
    }
    Compute_Material_Set(set, 0);
    sv = Nonlinear_Save{};
    return 1;
}

const char* Format_Exponent_Text(double n) {
    static char text[Format_Number_Buffer_Size];
    if (n < 0.0) return "  --- ";
    if (n >= 100.0) return " Block";
    return formatNumber(n, 0, 6, 2, 2, text);
}
