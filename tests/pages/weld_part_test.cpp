#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/weld_input_check.h"
#include "common/cp437.h"
#include "pages/input_part_fixture.h"
#include "pages/input_parts.h"

namespace {

class WeldPart : public Input_Part_Area {
  protected:
    Weld w{};
    void SetUp() override {
        Input_Part_Area::SetUp();
        Default_Weld(&w);   // fillet weld a = 4, l_w = 130, θ = 90, full length, filler G42
    }
    void Draw(int options = 0, int editable = 1) {
        Draw_Weld_Input(&w, area, 10, &y, 22, 18, 600, editable, options, nullptr);
    }
};

TEST(WeldClamps, HoldThroatAndAnglesInRange) {
    struct Case {
        void (*clamp)(int, double*);
        double in, out;
    };
    const Case cases[] = {
        {Clamp_Throat_Absolute, -4, 4},      {Clamp_Throat_Absolute, 5, 5},
        {Clamp_Fillet_Weld_Angle, 45, 60},   {Clamp_Fillet_Weld_Angle, 150, 120},
        {Clamp_Fillet_Weld_Angle, 0.05, 0},  {Clamp_Fillet_Weld_Angle, 90, 90},
        {Clamp_Fillet_Weld_Angle, 0.1, 60},  {Clamp_Butt_Weld_Angle, 180, 0},
        {Clamp_Butt_Weld_Angle, 0.05, 0},    {Clamp_Butt_Weld_Angle, 60, 60},
        {Clamp_Butt_Weld_Angle, 179, 179},   {Clamp_Right_Angle, 0.05, 0},
        {Clamp_Right_Angle, 45, 90},
    };
    for (const Case& c : cases) {
        double v = c.in;
        c.clamp(0, &v);
        EXPECT_EQ(v, c.out) << c.in;
    }
}

TEST_F(WeldPart, FilletWeldRowsAndColumns) {
    Draw();
    EXPECT_EQ(Radio("Kehlnaht")->y1, 100);
    EXPECT_EQ(Radio("Stumpfnaht"_cp)->y1, 118);
    EXPECT_EQ(Radio("Schlitznaht")->y1, 136);
    EXPECT_EQ(Radio("Lochschweißung"_cp)->y1, 154);
    EXPECT_EQ(Field(&w.l_w)->y1, 176);
    EXPECT_EQ(Field(&w.l_w)->x1, 10 + 150);
    EXPECT_EQ(Text("Schweißnahtlänge"_cp)->x1, 10);
    EXPECT_EQ(Box("Schweißnaht voll ausgeführt"_cp)->y1, 198);
    EXPECT_EQ(Text("eff")->x1, 10 + 200);
    EXPECT_EQ(Text("eff")->y1, 200);
    const View_Area_Item* a = Field(&w.a);
    EXPECT_EQ(a->y1, 220);
    EXPECT_EQ(Text("a")->x1, 10 + 125);
    EXPECT_EQ(Text("mm")->x1, 10 + 215);
    EXPECT_EQ(Field(&w.e)->y1, 242);
    EXPECT_EQ(Text("≤ e"_cp)->x1, 10 + 245);
    EXPECT_EQ(Text("max")->x1, 10 + 264);
    const View_Area_Item* angle = Field(&w.theta);
    EXPECT_EQ(angle->y1, 264);
    EXPECT_EQ(angle->text, "%6.0f");
    EXPECT_EQ(Text("┌"_cp)->x1, 10 + 125);   // 0xDA, the screen font's angle sign
    EXPECT_EQ(Box("Schweißzusatzwerkstoff bei hochfesten Blechen"_cp)->y1, 286);
    EXPECT_EQ(y, 308);

    // The fillet weld's clamps sit on throat and angle.
    w.a = -4;
    a->on_change(0, &w.a);
    EXPECT_EQ(w.a, 4);
    w.theta = 45;
    angle->on_change(0, &w.theta);
    EXPECT_EQ(w.theta, 60);
}

TEST_F(WeldPart, ButtWeldStatesTheThroatRule) {
    struct Case {
        int full_penetration;
        double angle;
        std::vector<std::string> rule;
        bool field;
    };
    const std::vector<Case> cases = {
        {1, 0, {" = min(t  ,t  )", "1", "2"}, false},
        {1, 60, {" = t", "2"}, false},
        {0, 60, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.full_penetration << " " << c.angle);
        New_Page();
        w.type = Weld_Butt;
        w.full_length = 0;
        w.full_penetration = c.full_penetration;
        w.theta = c.angle;
        Draw();
        EXPECT_EQ(Radio("durchgeschweißt"_cp)->x1, 10 + 115);
        EXPECT_EQ(Radio("durchgeschweißt"_cp)->y1, 118);
        EXPECT_EQ(Radio("nicht durchgeschweißt"_cp)->x1, 10 + 115);
        EXPECT_EQ(Radio("nicht durchgeschweißt"_cp)->y1, 136);
        EXPECT_EQ(Radio("Schlitznaht")->y1, 154);
        EXPECT_EQ(w.full_length, 1);   // a butt weld runs its full length
        EXPECT_EQ(Field(&w.a) != nullptr, c.field);
        EXPECT_EQ(Box("Schweißnaht voll ausgeführt"_cp), nullptr);
        EXPECT_EQ(Field(&w.e), nullptr);
        if (!c.rule.empty()) {
            const View_Area_Item* first = Text(c.rule[0]);
            ASSERT_NE(first, nullptr);
            EXPECT_EQ(first->x1, 10 + 125);
            const View_Area_Item* a = Text("a");
            EXPECT_EQ(a->x1 + 6, 10 + 125);   // right-aligned at S
            for (std::size_t k = 1; k < c.rule.size(); ++k) EXPECT_NE(Text(c.rule[k]), nullptr) << c.rule[k];
        }
        EXPECT_NE(Text("┌ = 0°: geschweißter Stoß"_cp), nullptr);
        // A butt weld's angle keeps 0 for a welded butt joint.
        const View_Area_Item* angle = Field(&w.theta);
        double v = 180;
        angle->on_change(0, &v);
        EXPECT_EQ(v, 0);
    }
    const View_Area_Item* sub2 = Text("2");
    ASSERT_EQ(sub2, nullptr);   // the last case has a throat field, no rule
}

TEST_F(WeldPart, SlotAndPlugWeldsUseTheirOwnRows) {
    w.type = Weld_Slot;
    Draw();
    EXPECT_NE(Field(&w.d), nullptr);
    EXPECT_NE(Field(&w.l), nullptr);
    EXPECT_EQ(Field(&w.l_w), nullptr);
    EXPECT_EQ(Field(&w.theta), nullptr);
    EXPECT_EQ(Box("Schweißzusatzwerkstoff bei hochfesten Blechen"_cp), nullptr);
    // A slot weld's throat has no clamp: −4 stays.
    EXPECT_EQ(Field(&w.a)->on_change, nullptr);
    EXPECT_EQ(Field(&w.d)->x1, 10 + 150);

    New_Page();
    w.type = Weld_Plug;
    Draw();
    EXPECT_EQ(Field(&w.d)->x1, 10 + 190);
    EXPECT_EQ(Text("d")->x1, 10 + 165);
    EXPECT_EQ(Text("mm")->x1, 10 + 255);
    EXPECT_NE(Text("Dicke der Lochschweißung"_cp), nullptr);
    EXPECT_NE(Text("Lochlänge"_cp), nullptr);
    EXPECT_EQ(Text("wirksame Nahtdicke"), nullptr);
}

TEST_F(WeldPart, OwnFillerStrengthLocksTheFillerList) {
    w.high_strength_filler = 1;
    Draw();
    const View_Area_Item* list = List(&w.filler_index);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->x1, 10 + 320);
    EXPECT_EQ(list->aux, 4);
    EXPECT_EQ(Shown(list), "G42");
    EXPECT_TRUE(Enabled(list));
    EXPECT_EQ(Field(&w.f_u_FM), nullptr);

    New_Page();
    w.own_strength = 1;
    w.f_u_FM = 600;
    Draw();
    EXPECT_EQ(List(&w.filler_index)->enabled, &Screen_Palette.Inactive);
    EXPECT_EQ(Box("Vorgabe")->x1, 10 + 410);
    const View_Area_Item* f_u = Field(&w.f_u_FM);
    ASSERT_NE(f_u, nullptr);
    EXPECT_EQ(f_u->x1, 10 + 170 + 150);
    EXPECT_EQ(f_u->y1, 308);
    EXPECT_EQ(Text("u,FM")->x1, 10 + 163 + 125);
    EXPECT_EQ(y, 330);
}

TEST_F(WeldPart, ReadOnlyWeldIsGrey) {
    Draw(0, 0);
    EXPECT_EQ(Radio("Kehlnaht")->colour, Grey_192);
    EXPECT_EQ(Text("mm")->colour, Grey_192);
    EXPECT_FALSE(Enabled(Field(&w.a)));
    EXPECT_EQ(Field_Activity_Pool.slots[static_cast<std::size_t>(Field_Activity_Pool.position)], 0);
}

TEST_F(WeldPart, OtherOptionWordsReduceTheRows) {
    w.type = Weld_Butt;
    w.full_penetration = 1;
    w.full_length = 0;
    w.theta = 45;
    Draw(0x20 | 0x08);   // right angles, partial butt welds only, no length row
    EXPECT_EQ(w.full_penetration, 0);
    EXPECT_NE(Text(", nicht durchgeschweißt"_cp), nullptr);
    EXPECT_EQ(Radio("Schlitznaht"), nullptr);
    EXPECT_EQ(Field(&w.l_w), nullptr);
    EXPECT_EQ(w.l_w, 0);
    EXPECT_EQ(w.theta, 90);
    EXPECT_EQ(w.full_length, 1);
    EXPECT_EQ(Box("Schweißzusatzwerkstoff bei hochfesten Blechen"_cp), nullptr);

    New_Page();
    w.type = Weld_Butt;
    Draw(0x01);   // fillet welds only, no angle row
    EXPECT_EQ(w.type, Weld_Fillet);
    EXPECT_EQ(Radio("Kehlnaht"), nullptr);
    EXPECT_EQ(Field(&w.theta), nullptr);
    EXPECT_EQ(w.theta, 90);

    New_Page();
    Draw(0x20 | 0x02);   // a fillet weld at right angles only
    const View_Area_Item* angle = Field(&w.theta);
    ASSERT_NE(angle, nullptr);
    EXPECT_EQ(angle->enabled, &Screen_Palette.Inactive);
    EXPECT_NE(Text("nur rechtwinklig"), nullptr);
}

TEST_F(WeldPart, SilentCheckBringsTheDerivedFieldsUpToDate) {
    Weld_Connection c{};
    Init_Weld_Connection(&c);
    Default_Weld(&c.weld);
    c.weld.high_strength_filler = 1;
    c.weld.filler_index = 2;   // G69
    c.weld.f_u_FM = 0;
    Weld before = c.weld;
    Unpack_Weld(&c);
    EXPECT_EQ(Compare_Weld(&before, &c.weld), 1);
    Check_Weld_Silently(&c);
    EXPECT_EQ(c.weld.f_u_FM, 770);

    c.weld.type = Weld_Plug;
    c.weld.d = 20;
    c.weld.l = 5;
    Check_Weld_Silently(&c);
    EXPECT_EQ(c.weld.l, 20);   // a plug weld's hole is at least as long as wide
}

}  // namespace
