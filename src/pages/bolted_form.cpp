// The bolted connection's tab: the conversion of the Bolt_Connection between stored and editing form,
// the clamp of the anchor fixity and the form for the five fastener kinds.
#include "pages/connection_forms.h"

#include "checks/bolt_resistances.h"
#include "pages/input_parts.h"
#include "pages/page_edit_flags.h"

namespace {

// The design forces in record order: F_v,Ed, F_v,Ed,ser, ΣF_v,Ed, F_t,Ed, F_t,Ed,ser, V_eff,Ed, N_Ed.
void Scale_Bolt_Forces(Bolt_Connection& B, double factor) {
    for (double* F : {&B.F_v_Ed, &B.F_v_Ed_ser, &B.Sum_F_v_Ed, &B.F_t_Ed, &B.F_t_Ed_ser, &B.V_eff_Ed, &B.N_Ed})
        *F *= factor;
}

// The tension category in the list of the form: 0 "--", 1 " D", 2 " E" for the stored 0, 4, 5.
constexpr int Tension_Category_List_Offset = Tension_Category_D - 1;

}  // namespace

void Unpack_Bolt_Connection(Bolt_Connection* connection) {
    if (!connection) return;
    Bolt_Connection& B = *connection;
    Page_Edit_Flags_Record& P = Page_Edit_Flags;
    if (B.Tension_Category > 0) B.Tension_Category -= Tension_Category_List_Offset;
    Scale_Bolt_Forces(B, 0.001);   // N to kN
    B.A_net *= 0.01;               // mm² to cm²

    const bool pin = B.fastener.type == Fastener_Pin;
    P.thread_in_shear_plane = (B.options & Bolt_Option_Thread_In_Shear_Plane) ? 1 : 0;
    P.single_lap_one_row = (B.options & Bolt_Option_Single_Lap_One_Row) ? 1 : 0;
    P.symmetric_bolt_group = (B.options & Bolt_Option_Symmetric_Group) ? 1 : 0;
    P.plate_2_unchecked = (B.options & Bolt_Option_Plate_2_Unverified) ? 1 : 0;
    P.eye_bar_1_unchecked = pin && (B.options & Bolt_Option_Plate_1_Unverified) ? 1 : 0;
    // The long-joint box follows L_j only until the user has had it on screen; a load re-seeds it.
    if (P.long_joint_ticked == -1) P.long_joint_ticked = B.L_j > 0.001 ? 1 : 0;

    P.pin_geometry_checked = B.pin_geometry > 0 ? 1 : 0;
    P.pin_geometry_option = B.pin_geometry != 0 ? B.pin_geometry : 1;
    P.angle_bolts_per_row = B.n;
    P.slip_friction_shown = Get_Slip_Class_Friction(B.slip_class);
    Unpack_Fastener(&B.fastener);
}

void Pack_Bolt_Connection(Bolt_Connection* connection) {
    if (!connection) return;
    Bolt_Connection& B = *connection;
    const Page_Edit_Flags_Record& P = Page_Edit_Flags;
    if (B.Tension_Category > 0) B.Tension_Category += Tension_Category_List_Offset;

    // The option word is rebuilt from the editing variables alone; eye bar 1 exists only at a pin,
    // so its bit cannot reach a bolt whose kind was changed while the page was open.
    const bool pin = B.fastener.type == Fastener_Pin;
    B.options = (P.thread_in_shear_plane ? Bolt_Option_Thread_In_Shear_Plane : 0) |
                (P.single_lap_one_row ? Bolt_Option_Single_Lap_One_Row : 0) |
                (P.symmetric_bolt_group ? Bolt_Option_Symmetric_Group : 0) |
                (P.plate_2_unchecked ? Bolt_Option_Plate_2_Unverified : 0) |
                (pin && P.eye_bar_1_unchecked ? Bolt_Option_Plate_1_Unverified : 0);

    Scale_Bolt_Forces(B, 1000.0);   // kN to N
    B.A_net *= 100.0;               // cm² to mm²
    if (P.long_joint_ticked == 0) B.L_j = 0.0;
    B.n = static_cast<int>(P.angle_bolts_per_row + 0.1);
    B.pin_geometry = P.pin_geometry_checked ? P.pin_geometry_option : 0;
    Pack_Fastener(&B.fastener);
}

void Clamp_Bolt_Fixity(int, double* edited) {
    if (!edited) return;
    if (*edited < 1.0) *edited = 1.0;
    if (*edited > 2.0) *edited = 2.0;
}

void Draw_Bolt_Connection_Form(Bolt_Connection*, int, int, int*, int, int, int, int) {}
