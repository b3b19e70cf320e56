// The conversion of the four connection records between stored and editing form, and the clamps of
// the forms' own fields. Expected values are worked out by hand from the units.
#include "pages/connection_forms.h"

#include <gtest/gtest.h>

#include "checks/weld_input_check.h"
#include "pages/page_edit_flags.h"

namespace {

class BoltUnits : public testing::Test {
  protected:
    Bolt_Connection B{};
    void SetUp() override {
        Init_Bolt_Connection(&B);
        Page_Edit_Flags = Page_Edit_Flags_Record{};
    }
};

TEST_F(BoltUnits, ForcesAreKilonewtonsAndTheNetAreaSquareCentimetres) {
    B.F_v_Ed = 12345.0;
    B.F_v_Ed_ser = 2000.0;
    B.Sum_F_v_Ed = 90000.0;
    B.F_t_Ed = 55000.0;
    B.F_t_Ed_ser = 1.0;
    B.V_eff_Ed = 300000.0;
    B.N_Ed = 7500.0;
    B.A_net = 250.0;
    Unpack_Bolt_Connection(&B);
    EXPECT_DOUBLE_EQ(B.F_v_Ed, 12.345);
    EXPECT_DOUBLE_EQ(B.F_v_Ed_ser, 2.0);
    EXPECT_DOUBLE_EQ(B.Sum_F_v_Ed, 90.0);
    EXPECT_DOUBLE_EQ(B.F_t_Ed, 55.0);
    EXPECT_DOUBLE_EQ(B.F_t_Ed_ser, 0.001);
    EXPECT_DOUBLE_EQ(B.V_eff_Ed, 300.0);
    EXPECT_DOUBLE_EQ(B.N_Ed, 7.5);
    EXPECT_DOUBLE_EQ(B.A_net, 2.5);
    Pack_Bolt_Connection(&B);
    EXPECT_NEAR(B.F_v_Ed, 12345.0, 1e-9);
    EXPECT_NEAR(B.V_eff_Ed, 300000.0, 1e-9);
    EXPECT_NEAR(B.F_t_Ed_ser, 1.0, 1e-12);
    EXPECT_NEAR(B.A_net, 250.0, 1e-12);
}

TEST_F(BoltUnits, TensionCategoriesBecomeListRowsAndBack) {
    const struct {
        int stored, row;
    } cases[] = {{Tension_Category_None, 0}, {Tension_Category_D, 1}, {Tension_Category_E, 2}};
    for (const auto& c : cases) {
        B.Tension_Category = c.stored;
        Unpack_Bolt_Connection(&B);
        EXPECT_EQ(B.Tension_Category, c.row) << c.stored;
        Pack_Bolt_Connection(&B);
        EXPECT_EQ(B.Tension_Category, c.stored);
    }
    // " E" chosen in the list stores category E.
    Unpack_Bolt_Connection(&B);
    B.Tension_Category = 2;
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.Tension_Category, Tension_Category_E);
}

TEST_F(BoltUnits, OnlyTheFiveEditedOptionBitsSurviveAndEyeBarOneOnlyAtAPin) {
    const struct {
        int kind;
        int expected;
    } cases[] = {
        {Fastener_Bolt, 0x8 | 0x10 | 0x40 | 0x800},
        {Fastener_Rivet, 0x8 | 0x10 | 0x40 | 0x800},
        {Fastener_Pin, 0x8 | 0x10 | 0x40 | 0x800 | 0x10000},
    };
    for (const auto& c : cases) {
        B.fastener.type = c.kind;
        B.options = 0x7FFFFFFF;
        Unpack_Bolt_Connection(&B);
        EXPECT_EQ(Page_Edit_Flags.eye_bar_1_unchecked, c.kind == Fastener_Pin ? 1 : 0);
        Pack_Bolt_Connection(&B);
        EXPECT_EQ(B.options, c.expected) << c.kind;
    }
    // A pin whose eye bar 1 is marked and that becomes a bolt while the page is open loses the bit.
    B.fastener.type = Fastener_Pin;
    B.options = Bolt_Option_Plate_1_Unverified;
    Unpack_Bolt_Connection(&B);
    B.fastener.type = Fastener_Bolt;
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.options, 0);
}

TEST_F(BoltUnits, LongJointBoxIsSeededOnceFromTheLengthAndClearsItWhenUnticked) {
    B.L_j = 0.0;
    Unpack_Bolt_Connection(&B);
    EXPECT_EQ(Page_Edit_Flags.long_joint_ticked, 0);
    // Ticked with L_j = 0: the length stays 0 and is kept while ticked.
    Page_Edit_Flags.long_joint_ticked = 1;
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.L_j, 0.0);
    Unpack_Bolt_Connection(&B);
    EXPECT_EQ(Page_Edit_Flags.long_joint_ticked, 1);   // the user's choice, not the length's
    B.L_j = 640.0;
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.L_j, 640.0);
    // Unticked: the length is cleared at the next pack.
    Unpack_Bolt_Connection(&B);
    Page_Edit_Flags.long_joint_ticked = 0;
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.L_j, 0.0);
    // After a load the box follows the loaded length again.
    B.L_j = 480.0;
    Reseed_Page_Edit_Flags();
    Unpack_Bolt_Connection(&B);
    EXPECT_EQ(Page_Edit_Flags.long_joint_ticked, 1);
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.L_j, 480.0);
}

TEST_F(BoltUnits, PinGeometryOptionAndAngleRowAndFriction) {
    const struct {
        int stored, checked, option;
    } cases[] = {{0, 0, 1}, {1, 1, 1}, {2, 1, 2}};
    for (const auto& c : cases) {
        B.pin_geometry = c.stored;
        Unpack_Bolt_Connection(&B);
        EXPECT_EQ(Page_Edit_Flags.pin_geometry_checked, c.checked);
        EXPECT_EQ(Page_Edit_Flags.pin_geometry_option, c.option);
        Pack_Bolt_Connection(&B);
        EXPECT_EQ(B.pin_geometry, c.stored);
    }
    // Unticking the requirements drops the chosen option.
    B.pin_geometry = 2;
    Unpack_Bolt_Connection(&B);
    Page_Edit_Flags.pin_geometry_checked = 0;
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.pin_geometry, 0);

    B.n = 3;
    B.slip_class = 1;
    Unpack_Bolt_Connection(&B);
    EXPECT_EQ(Page_Edit_Flags.angle_bolts_per_row, 3.0);
    EXPECT_EQ(Page_Edit_Flags.slip_friction_shown, 0.4);
    Pack_Bolt_Connection(&B);
    EXPECT_EQ(B.n, 3);
    B.slip_class = 9;   // outside the table: no friction shown, nothing read beyond it
    Unpack_Bolt_Connection(&B);
    EXPECT_EQ(Page_Edit_Flags.slip_friction_shown, 0.0);
}

class WeldUnits : public testing::Test {
  protected:
    Weld_Connection W{};
    void SetUp() override {
        Init_Weld_Connection(&W);
        Page_Edit_Flags = Page_Edit_Flags_Record{};
    }
    void Weld_Of(int type, double l_w, double a) {
        W.weld.type = type;
        W.weld.l_w = l_w;
        W.weld.a = a;
        W.weld.full_length = 0;
    }
};

TEST_F(WeldUnits, LineForcesOfALongFilletWeldAreTotalsOverTheEffectiveLength) {
    Weld_Of(Weld_Fillet, 200.0, 10.0);   // l_eff = 200 − 2·10 = 180 mm
    W.F_w_Ed = 100000.0;                 // N/m
    W.F_sigma_perp = 50000.0;
    Unpack_Weld_Connection(&W);
    EXPECT_NEAR(W.F_w_Ed, 18.0, 1e-12);   // 100 kN/m over 0.18 m
    EXPECT_NEAR(W.F_sigma_perp, 9.0, 1e-12);
    W.F_w_Ed = 36.0;
    Pack_Weld_Connection(&W);
    EXPECT_NEAR(W.F_w_Ed, 200000.0, 1e-6);
    EXPECT_NEAR(W.F_sigma_perp, 50000.0, 1e-6);
}

TEST_F(WeldUnits, TheTotalStaysWhenTheWeldChangesWhileEdited) {
    Weld_Of(Weld_Fillet, 200.0, 10.0);
    W.F_w_Ed = 100000.0;
    Unpack_Weld_Connection(&W);
    W.weld.l_w = 300.0;   // l_eff 280 mm: 18 kN over 0.28 m
    Pack_Weld_Connection(&W);
    EXPECT_NEAR(W.F_w_Ed, 18.0 / 0.28 * 1000.0, 1e-6);
}

TEST_F(WeldUnits, LineForcesPerMetreWithoutLengthAndForSlotAndPlugWelds) {
    // Up to 0.1 mm the weld has no length: per metre, also in the band above 0.001 mm.
    const struct {
        int type;
        double l_w;
    } cases[] = {{Weld_Slot, 300.0}, {Weld_Plug, 0.0}, {Weld_Fillet, 0.0005}, {Weld_Fillet, 0.05}, {Weld_Butt, 0.1}};
    for (const auto& c : cases) {
        Weld_Of(c.type, c.l_w, 4.0);
        W.weld.d = 20.0;
        W.weld.l = 80.0;
        W.F_w_Ed = 5000.0;
        W.F_tau_par = 12000.0;
        EXPECT_EQ(Weld_Force_Length(W), 0.0);
        Unpack_Weld_Connection(&W);
        EXPECT_NEAR(W.F_w_Ed, 5.0, 1e-12) << c.type << " " << c.l_w;
        EXPECT_NEAR(W.F_tau_par, 12.0, 1e-12);
        Pack_Weld_Connection(&W);
        EXPECT_NEAR(W.F_w_Ed, 5000.0, 1e-9);
        EXPECT_NEAR(W.F_tau_par, 12000.0, 1e-9);
    }
    // A butt weld just above 0.1 mm is a total over its length.
    Weld_Of(Weld_Butt, 0.2, 4.0);
    EXPECT_DOUBLE_EQ(Weld_Force_Length(W), 0.2);
}

TEST_F(WeldUnits, PlateForcesInKilonewtonsStressesUnchangedAndTheFlagWordRebuilt) {
    Weld_Of(Weld_Fillet, 120.0, 5.0);
    W.N_Ed = 20000.0;
    W.M_par_Ed = 5000.0;   // N·m
    W.M_perp_Ed = 250.0;
    W.V_par_Ed = 8000.0;
    W.V_perp_Ed = 3000.0;
    W.sigma_perp = 150.0;
    W.tau_perp = 80.0;
    W.tau_par = 95.5;
    W.flags = Weld_Flag_Directional | Weld_Flag_No_Detailing | Weld_Flag_Skip_Checks;
    Unpack_Weld_Connection(&W);
    EXPECT_DOUBLE_EQ(W.N_Ed, 20.0);
    EXPECT_DOUBLE_EQ(W.M_par_Ed, 5.0);
    EXPECT_DOUBLE_EQ(W.M_perp_Ed, 0.25);
    EXPECT_DOUBLE_EQ(W.V_par_Ed, 8.0);
    EXPECT_DOUBLE_EQ(W.V_perp_Ed, 3.0);
    EXPECT_EQ(W.sigma_perp, 150.0);
    EXPECT_EQ(W.tau_par, 95.5);
    EXPECT_EQ(Page_Edit_Flags.weld_directional_method, 1);
    EXPECT_EQ(Page_Edit_Flags.weld_eccentricity_noted, 1);
    Pack_Weld_Connection(&W);
    EXPECT_NEAR(W.N_Ed, 20000.0, 1e-9);
    EXPECT_NEAR(W.M_par_Ed, 5000.0, 1e-9);
    EXPECT_EQ(W.sigma_perp, 150.0);
    EXPECT_EQ(W.tau_perp, 80.0);
    EXPECT_EQ(W.flags, Weld_Flag_Directional | Weld_Flag_Eccentricity);
    // A file without bit 5 and with the simplified method leaves the window with bit 5 alone.
    W.flags = 0;
    Unpack_Weld_Connection(&W);
    Pack_Weld_Connection(&W);
    EXPECT_EQ(W.flags, Weld_Flag_Eccentricity);
}

class TStubTensionUnits : public testing::Test {
  protected:
    T_Stub_Tension T{};
    void SetUp() override {
        Init_T_Stub_Tension(&T);
        Page_Edit_Flags = Page_Edit_Flags_Record{};
    }
};

TEST_F(TStubTensionUnits, RowForcesOfTheRowsInUseAndARowAddedLater) {
    T.row_count = 2;
    T.F_t_Ed = {};
    T.F_t_Ed[0] = 1000.0;
    T.F_t_Ed[1] = 2500.0;
    T.F_t_Ed[2] = 3000.0;   // stored, not in use
    Unpack_T_Stub_Tension(&T);
    EXPECT_EQ(T.F_t_Ed[0], 1.0);
    EXPECT_EQ(T.F_t_Ed[1], 2.5);
    EXPECT_EQ(T.F_t_Ed[2], 3000.0);
    EXPECT_EQ(Page_Edit_Flags.row_count, 2.0);
    // Two rows become three: the third shows its stored value in kN at the next unpack.
    Page_Edit_Flags.row_count = 3.0;
    Pack_T_Stub_Tension(&T);
    EXPECT_EQ(T.row_count, 3);
    EXPECT_NEAR(T.F_t_Ed[0], 1000.0, 1e-9);
    EXPECT_NEAR(T.F_t_Ed[1], 2500.0, 1e-9);
    EXPECT_EQ(T.F_t_Ed[2], 3000.0);
    Unpack_T_Stub_Tension(&T);
    EXPECT_EQ(T.F_t_Ed[2], 3.0);
}

TEST_F(TStubTensionUnits, RowCountAndBoltsPerRow) {
    const struct {
        double typed;
        int stored;
    } counts[] = {{2.6, 2}, {2.95, 3}, {1.0, 1}, {20.0, 20}};
    for (const auto& c : counts) {
        T.row_count = 1;
        Unpack_T_Stub_Tension(&T);
        Page_Edit_Flags.row_count = c.typed;
        Pack_T_Stub_Tension(&T);
        EXPECT_EQ(T.row_count, c.stored) << c.typed;
    }
    T.bolts_per_row = 4;
    Unpack_T_Stub_Tension(&T);
    EXPECT_EQ(Page_Edit_Flags.four_bolts_per_row, 1);
    Pack_T_Stub_Tension(&T);
    EXPECT_EQ(T.bolts_per_row, 4);
    Unpack_T_Stub_Tension(&T);
    Page_Edit_Flags.four_bolts_per_row = 0;
    Pack_T_Stub_Tension(&T);
    EXPECT_EQ(T.bolts_per_row, 2);
    // A stored row count of 0 converts no row; one beyond the record's rows converts only those.
    T.row_count = 0;
    T.F_t_Ed.fill(500.0);
    Unpack_T_Stub_Tension(&T);
    EXPECT_EQ(T.F_t_Ed[0], 500.0);
    T.row_count = 25;
    Unpack_T_Stub_Tension(&T);
    EXPECT_EQ(T.F_t_Ed[19], 0.5);
}

TEST(TStubCompressionUnits, DesignForceInKilonewtons) {
    T_Stub_Compression C{};
    Init_T_Stub_Compression(&C);
    C.F_c_Ed = 250000.0;
    C.c1 = 40.0;
    Unpack_T_Stub_Compression(&C);
    EXPECT_EQ(C.F_c_Ed, 250.0);
    EXPECT_EQ(C.c1, 40.0);
    Pack_T_Stub_Compression(&C);
    EXPECT_EQ(C.F_c_Ed, 250000.0);
}

TEST(FormClamps, HoldTheirFieldsInRange) {
    const struct {
        void (*clamp)(int, double*);
        double typed, kept;
    } cases[] = {
        {Clamp_Bolt_Fixity, 0.5, 1.0},        {Clamp_Bolt_Fixity, 1.5, 1.5},
        {Clamp_Bolt_Fixity, 2.5, 2.0},        {Clamp_Bolt_Row_Count, 25.0, 20.0},
        {Clamp_Bolt_Row_Count, 0.4, 1.0},     {Clamp_Bolt_Row_Count, 2.6, 2.6},
        {Clamp_Joint_Coefficient, 0.0, 2.0 / 3.0}, {Clamp_Joint_Coefficient, 0.005, 2.0 / 3.0},
        {Clamp_Joint_Coefficient, 0.01, 0.01}, {Clamp_Joint_Coefficient, 0.8, 0.8},
    };
    for (const auto& c : cases) {
        double v = c.typed;
        c.clamp(0, &v);
        EXPECT_EQ(v, c.kept) << c.typed;
    }
    Clamp_Bolt_Fixity(0, nullptr);   // no field: nothing happens
}

}  // namespace
