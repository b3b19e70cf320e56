// PLACEHOLDER until the connection forms land: the unit conversions of the pack steps only.
#include "pages/connection_packing_pending.h"

#include "checks/weld_input_check.h"
#include "pages/input_parts.h"

void Pack_Bolt_Connection(Bolt_Connection* c) {
    if (c->Tension_Category > 0) c->Tension_Category += 3;
    for (double* F : {&c->F_v_Ed, &c->F_v_Ed_ser, &c->Sum_F_v_Ed, &c->F_t_Ed, &c->F_t_Ed_ser, &c->V_eff_Ed, &c->N_Ed})
        *F *= 1000;
    c->A_net *= 100;
    Pack_Fastener(&c->fastener);
}

void Pack_Weld_Connection(Weld_Connection* c) {
    for (double* F : {&c->N_Ed, &c->M_par_Ed, &c->M_perp_Ed, &c->V_par_Ed, &c->V_perp_Ed}) *F *= 1000;
    double factor = 1000;
    if (c->weld.l_w > 0.001 && !Is_Slot_Or_Plug(c->weld.type)) {
        double L = Compute_Weld_Effective_Length(c->weld, nullptr);
        if (L < 0.001) L = c->weld.l_w;
        factor = 1e6 / L;
    }
    for (double* F : {&c->F_sigma_perp, &c->F_tau_perp, &c->F_tau_par, &c->F_w_Ed}) *F *= factor;
    Check_Weld_Silently(c);
}

void Pack_T_Stub_Tension(T_Stub_Tension* t) {
    for (int i = 0; i < t->row_count && i < T_Stub_Max_Rows; ++i) t->F_t_Ed[static_cast<std::size_t>(i)] *= 1000;
    Pack_Fastener(&t->fastener);
}

void Pack_T_Stub_Compression(T_Stub_Compression* t) { t->F_c_Ed *= 1000; }
