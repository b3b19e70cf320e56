// The annex editor pages: the shared row, the EN 1992 page with its sections, gates, read-only rules
// and the rules of the German annex, the EN 1993 page of the active annex and the EN 1999/1996
// sections; edits through the view area's own event handling.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "annex/application_table.h"
#include "annex/ec2_block.h"
#include "annex/ec6_block.h"
#include "annex/ec9_block.h"
#include "common/cp437.h"
#include "gui/view_area_events.h"
#include "pages/annex_editor_pages.h"
#include "pages/annex_editor_rows.h"
#include "pages/annex_editor_fixture.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_sheets.h"
#include "platform/host_demo_sheet.h"

namespace {

// Ten flag words "#NADS -1" for the Eurocode slots; "1" marks a slot used without a flag string.
std::string Flag_Description(const std::string& ec0, const std::string& ec2, const std::string& ec3,
                             const std::string& ec6 = "1", const std::string& ec9 = "1") {
    return "#NADS -1\n" + ec0 + " 1 " + ec2 + " " + ec3 + " 0 1 " + ec6 + " 0 0 " + ec9 + "\n";
}

// A string of n '1' with '0' at the given positions.
std::string Flags(int n, std::initializer_list<int> cleared = {}) {
    std::string s(static_cast<std::size_t>(n), '1');
    for (int k : cleared) s[static_cast<std::size_t>(k)] = '0';
    return s;
}

class AnnexEditor : public Annex_Editor_Area {
  protected:
    // The first text item at the content position, null when none.
    const View_Area_Item* Text_At(int x, int y) {
        for (const View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Text && it.x1 == x && it.y1 == y) return &it;
        return nullptr;
    }
    bool Has_Text(const char* cp437) { return Text(cp437) != nullptr; }
    int Fill_Count(int x1, int y1, int x2, int y2) {
        int n = 0;
        for (const View_Area_Item& it : Items())
            n += it.kind == View_Item_Kind::Filled_Rectangle && it.x1 == x1 && it.y1 == y1 && it.x2 == x2 && it.y2 == y2;
        return n;
    }
};

// ---------------------------------------------------------------------------------------------
// The shared row

TEST_F(AnnexEditor, EditorRowShadesBothColumnsAndWritesItsTextsAtTheirColumns) {
    struct Case {
        int height;
        const char* clause;
        const char* symbol;
        const char* explanation;
        int texts;
        int stripes;
    };
    const Case cases[] = {
        {18, "6.1(1)", "k", "Teilsicherheit", 3, 2},
        {0, "6.1(1)", "k", "Teilsicherheit", 3, 0},   // no height: texts only
        {30, "", nullptr, "nur Erläuterung"_cp, 1, 2},  // empty and null texts are left out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        Rebuild();
        EXPECT_EQ(NAD_Draw_Editor_Row(area, 100, c.height, c.clause, c.symbol, c.explanation, NAD_Editor_Font), 100 + c.height);
        EXPECT_EQ(Count(View_Item_Kind::Text), c.texts);
        EXPECT_EQ(Fill_Count(4, 95, 56, 100 + c.height) + Fill_Count(200, 95, 382, 100 + c.height), c.stripes);
        if (c.explanation) {
            ASSERT_NE(Text_At(206, 100), nullptr);
            EXPECT_EQ(Text_At(206, 100)->text, c.explanation);
        }
        if (c.texts == 3) {
            EXPECT_EQ(Text_At(10, 100)->text, c.clause);
            EXPECT_EQ(Text_At(67, 100)->text, c.symbol);
            EXPECT_EQ(Text_At(10, 100)->font, NAD_Editor_Font);
        }
    }
    const NAD_Editor_Style& s = NAD_Editor_Colours();
    EXPECT_EQ(s.stripe, Nearest_RGB_Color(234, 255, 251));
    EXPECT_EQ(s.bar, Nearest_RGB_Color(205, 254, 244));
}

TEST_F(AnnexEditor, TimberRowStripesReachTenAboveAndTwoBelowForAHeightOfOne) {
    struct Case {
        int height, top, bottom;
    };
    for (const Case& c : {Case{1, 90, 102}, Case{25, 90, 125}}) {
        Rebuild();
        NAD_Draw_EC5_Editor_Row(area, 100, c.height, "3.1.3", "", "", NAD_Editor_Font);
        EXPECT_EQ(Fill_Count(4, c.top, 56, c.bottom), 1) << c.height;
        EXPECT_EQ(Fill_Count(200, c.top, 382, c.bottom), 1) << c.height;
    }
}

// ---------------------------------------------------------------------------------------------
// EN 1992

class EC2Page : public AnnexEditor {
  protected:
    NAD_EC2_Block block{};
    void SetUp() override {
        AnnexEditor::SetUp();
        NAD_Set_EC2_Defaults(&block);
    }
    void Draw(int editable = 1) {
        Rebuild();
        NAD_Draw_EC2_Editor_Page(area, &block, editable);
    }
};

TEST_F(EC2Page, SectionsStandAtTheirPlacesAndTheFireSectionOpensOnTheNextDrawing) {
    Draw();
    const View_Area_Item* building = Box("EN 1992-1-1 (Eurocode 2, Hochbau)");
    ASSERT_NE(building, nullptr);
    EXPECT_EQ(building->x1, 26);
    EXPECT_EQ(building->y1, 20);
    EXPECT_EQ(Fill_Count(4, 7, 382, 26), 1);   // the section bar
    ASSERT_NE(Text("Kapitel"), nullptr);
    EXPECT_EQ(Text("Kapitel")->y1, 50);
    EXPECT_EQ(Text("Kapitel")->x1, 10);
    EXPECT_EQ(Text("Parameter")->x1, 67);
    EXPECT_EQ(Text("Erläuterung"_cp)->x1, 206);
    EXPECT_EQ(Text("2.4.2.4")->y1, 80);

    // Fire closed: only its bar and box; no fire row.
    const View_Area_Item* fire = Box("EN 1992-1-2 (Eurocode 2, Brandfall)");
    ASSERT_NE(fire, nullptr);
    EXPECT_EQ(Field(&block.gamma_M_fi), nullptr);
    EXPECT_FALSE(Has_Text("Betonstahl-Klasse"));
    const int fire_box_y = fire->y1;
    ASSERT_NE(Box("EN 1992-2 (Eurocode 2, Betonbrücken)"_cp), nullptr);
    EXPECT_EQ(Box("EN 1992-2 (Eurocode 2, Betonbrücken)"_cp)->y1, fire_box_y + 30);   // closed: the next at +30

    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    EXPECT_EQ(Handle(Click_Box(Box("EN 1992-1-1 (Eurocode 2, Hochbau)"))), 1);   // close the long section
    Draw();
    fire = Box("EN 1992-1-2 (Eurocode 2, Brandfall)");
    ASSERT_NE(fire, nullptr);
    EXPECT_EQ(fire->y1, 20 + 30);
    EXPECT_EQ(Handle(Click_Box(fire)), 1);
    Draw();
    // Open: the heads 49 to 66 px below the running y and the six fire rows from y + 90.
    EXPECT_EQ(Fill_Count(4, 20 + 17, 382, 20 + 36), 1);
    for (const char* clause : {"2.3", "3.2.3", "3.3.3", "6.1", "6.4.2.1", "6.4.2.2"}) EXPECT_TRUE(Has_Text(clause)) << clause;
    EXPECT_EQ(Text("2.3")->y1, 20 + 90);
    ASSERT_NE(Field(&block.gamma_M_fi), nullptr);
    EXPECT_FALSE(Enabled(Field(&block.gamma_M_fi)));   // never editable
    EXPECT_TRUE(Enabled(Field(&block.k_fire_columns)));
}

TEST_F(EC2Page, SectionsWhoseGateIsClearAreAbsentWithTheirBarAndBox) {
    struct Case {
        std::initializer_list<int> cleared;
        bool fire, bridge;
    };
    for (const Case& c : {Case{{27}, false, true}, Case{{31}, true, false}, Case{{27, 31}, false, false}}) {
        Use_Application(0, Flag_Description("1", Flags(33, c.cleared), "1").c_str());
        Draw();
        EXPECT_EQ(Box("EN 1992-1-2 (Eurocode 2, Brandfall)") != nullptr, c.fire);
        EXPECT_EQ(Box("EN 1992-2 (Eurocode 2, Betonbrücken)"_cp) != nullptr, c.bridge);
        const int bars = c.fire + c.bridge + 1;
        int drawn = 0;
        for (const View_Area_Item& it : Items())
            drawn += it.kind == View_Item_Kind::Filled_Rectangle && it.x1 == 4 && it.x2 == 382 &&
                     it.colour == NAD_Editor_Colours().bar;
        EXPECT_EQ(drawn, bars);
    }
}

TEST_F(EC2Page, RowsFollowTheirGates) {
    // Position 1 clear: only the persistent situation; 30 clear: no 3.1.6, 6.2.2(1), 6.2.3 of the
    // building section; 7 clear: no redistribution.
    Use_Application(0, Flag_Description("1", Flags(33, {1, 7, 30}), "1").c_str());
    Draw();
    EXPECT_NE(Field(&block.gamma_c[0]), nullptr);
    EXPECT_EQ(Field(&block.gamma_c[1]), nullptr);
    EXPECT_EQ(Field(&block.alpha_cc), nullptr);
    EXPECT_EQ(Field(&block.C_Rd_c), nullptr);
    EXPECT_EQ(Field(&block.k_redistribution[0]), nullptr);
    EXPECT_NE(Field(&block.nu), nullptr);          // 6.2.2(6) needs only position 10
    EXPECT_NE(Field(&block.bridge_alpha_cc), nullptr);   // the bridge rows need no 30
    Use_Application(0, nullptr);
    Draw();
    EXPECT_NE(Field(&block.gamma_c[3]), nullptr);
    EXPECT_NE(Field(&block.alpha_cc), nullptr);
    EXPECT_NE(Field(&block.k_redistribution[5]), nullptr);
    EXPECT_NE(Field(&block.r_sup_post_tensioned), nullptr);
}

TEST_F(EC2Page, ReadOnlyPageShowsTheTableNotesAndEnablesNothing) {
    for (int editable : {1, 0}) {
        Draw(editable);
        EXPECT_EQ(Has_Text("(vgl. Tabelle 4.4N)"), editable == 0);
        EXPECT_EQ(Has_Text("(vgl. Tabelle 7.4N)"), editable == 0);
        EXPECT_EQ(Enabled(Field(&block.gamma_c[0])), editable == 1);
        EXPECT_EQ(Enabled(Field(&block.K[4])), editable == 1);
    }
}

TEST_F(EC2Page, TorsionRadioPairsAndTheFireFactorCanNeverChange) {
    Draw(1);
    int torsion_pairs = 0, nu_pairs = 0;
    for (const View_Area_Item& it : Items()) {
        if (it.kind != View_Item_Kind::Radio_Button) continue;
        if (it.value == &block.nu_form || it.value == &block.nu_l_form) {
            if (Enabled(&it)) ++nu_pairs;
            else ++torsion_pairs;
        }
    }
    EXPECT_EQ(torsion_pairs, 4);   // ν_T and ν_l,T
    EXPECT_EQ(nu_pairs, 4);        // ν and ν_l
}

TEST_F(EC2Page, FormCodeChoosesTheLayoutOfItsRow) {
    block.nu_form = 1;
    Draw();
    const View_Area_Item* field = Field(&block.nu);
    ASSERT_NE(field, nullptr);
    const int first_line = field->y1;
    EXPECT_TRUE(Has_Text("(Funktion wird ignoriert)"));
    block.nu_form = 2;
    for (int* code : {&block.k2_form, &block.k4_form, &block.v_min_form, &block.v_l_min_form, &block.nu_l_form,
                      &block.nu_1_form, &block.nu_1l_form, &block.rho_w_min_form, &block.As_min_beam_form,
                      &block.As_min_column_form, &block.As_vmin_wall_form, &block.lambda_lim_form,
                      &block.bridge_v_min_form, &block.bridge_nu_1_form, &block.bridge_As_min_column_form})
        *code = 2;
    Draw();
    EXPECT_FALSE(Has_Text("(Funktion wird ignoriert)"));
    EXPECT_EQ(Field(&block.nu)->y1, first_line + 18);   // behind "   mit x =" on the second line
    EXPECT_TRUE(Has_Text("= Funktion von x"));
    EXPECT_TRUE(Has_Text("= Funkt. von x"));
    EXPECT_EQ(std::string(Field(&block.v_min)->text), "%6.4f");
    EXPECT_EQ(Field(&block.v_min)->x1, 121);
    // The pictures of the formulas stand in the explanation column.
    int pictures = 0;
    for (const View_Area_Item& it : Items())
        if (it.kind == View_Item_Kind::Bitmap && it.text.rfind("NAD\\NAD_Func", 0) == 0) {
            ++pictures;
            EXPECT_EQ(it.x1, 206);
            EXPECT_EQ(it.x2, 381);
        }
    EXPECT_GE(pictures, 13);
}

TEST_F(EC2Page, GermanAnnexRules) {
    NAD_Set_EC2_Variant(&block, 1);
    block.k_fire_columns = 0.85;
    block.k_m_fire_beams = 0.9;
    block.As_min_beam_form = 2;
    block.rho_w_min_form = 1;
    Draw();
    EXPECT_EQ(block.k_fire_columns, 1.0);
    EXPECT_EQ(block.k_m_fire_beams, 1.0);
    EXPECT_EQ(Field(&block.lambda_lim), nullptr);   // λlim: "s. NA-DE", no field, no radio pair
    EXPECT_EQ(Field(&block.As_min_beam), nullptr);  // another code: no field
    EXPECT_TRUE(Has_Text("(Fkt. wird ignoriert)"));
    const View_Area_Item* rho = Field(&block.rho_w_min);   // code 1 keeps its field ...
    ASSERT_NE(rho, nullptr);
    EXPECT_EQ(Text_At(67, rho->y1 + 18), nullptr);          // ... without the "   x" label
    ASSERT_NE(Text_At(100, rho->y1 + 18), nullptr);
    EXPECT_EQ(Text_At(100, rho->y1 + 18)->text, "(Funktion wird ignoriert)");
    EXPECT_EQ(Field(&block.k_p), nullptr);          // 12.6.3: "s. NA-DE"
    int radios = 0;
    for (const View_Area_Item& it : Items()) radios += it.kind == View_Item_Kind::Radio_Button && it.value == &block.lambda_lim_form;
    EXPECT_EQ(radios, 0);
}

TEST_F(EC2Page, ScriptedEditChangesTheBlockOnlyOnAnEditablePage) {
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    for (int editable : {1, 0}) {
        SCOPED_TRACE(editable);
        NAD_Set_EC2_Defaults(&block);
        Draw(editable);
        const View_Area_Item* field = Field(&block.gamma_c[0]);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(Handle(Type_Into(field, "1.7")), editable);
        EXPECT_DOUBLE_EQ(block.gamma_c[0], editable ? 1.7 : 1.5);
    }
}

TEST_F(EC2Page, TextsStandAtTheirPositionsInTheTrace) {
    Draw();
    const Headless_Run_Result run = Run_Headless("", [&] {
        Show_View_Area(area);
        return 0;
    });
    const std::string texts = Trace_Lines(run.trace, {"text"});
    for (const char* expected : {" 10 50 4096 0,0,0 \"Kapitel\"", " 67 50 4096 0,0,0 \"Parameter\"",
                                 " 206 50 4096 0,0,0 \"Erläuterung\"", " 10 80 4096 0,0,0 \"2.4.2.4\""})
        EXPECT_NE(texts.find(expected), std::string::npos) << expected << "\n" << texts.substr(0, 2000);
}

// ---------------------------------------------------------------------------------------------
// EN 1993

TEST_F(AnnexEditor, SteelPageOfApplication150ShowsItsTwoTablesOnly) {
    Use_Application(150, "#NADS 12\n");
    NAD_Draw_EC3_Editor_Page(area, 1);
    NAD_EC3_Block* b = NAD_Get_EC3();
    EXPECT_NE(Box("EN 1993-1-1 (Eurocode 3, Grundnorm)"), nullptr);
    EXPECT_EQ(Box("EN 1993-1-1 (Eurocode 3, Grundnorm)")->y1, 20);
    EXPECT_NE(Box("EN 1993-1-8 (Eurocode 3, Anschlüsse)"_cp), nullptr);
    for (const char* absent : {"EN 1993-1-2 (Eurocode 3, Brandfall)", "EN 1993-1-5 (Eurocode 3, Plattenbeulen)",
                               "EN 1993-1-9 (Eurocode 3, Ermüdung)", "EN 1993-6 (Eurocode 3, Kranbahnen)"})
        EXPECT_EQ(Box(To_Cp437(absent)), nullptr) << absent;
    for (double* v : {&b->ec3_1.gamma_M0, &b->ec3_1.gamma_M1, &b->ec3_1.gamma_M2, &b->ec3_8.gamma_M3, &b->ec3_8.gamma_M5})
        EXPECT_TRUE(Enabled(Field(v)));
    EXPECT_EQ(Field(&b->ec3_1.gamma_M0_acc), nullptr);
    EXPECT_EQ(Field(&b->ec3_1.lambda_LT0), nullptr);
    EXPECT_EQ(Field(&b->ec3_1.e0_elastic[0]), nullptr);
}

TEST_F(AnnexEditor, SteelPageWithoutApplicationShowsEverySectionAndRow) {
    NAD_Draw_EC3_Editor_Page(area, 0);
    NAD_EC3_Block* b = NAD_Get_EC3();
    for (const char* label : {"EN 1993-1-1 (Eurocode 3, Grundnorm)", "EN 1993-1-2 (Eurocode 3, Brandfall)",
                              "EN 1993-1-8 (Eurocode 3, Anschlüsse)", "EN 1993-1-5 (Eurocode 3, Plattenbeulen)",
                              "EN 1993-1-9 (Eurocode 3, Ermüdung)", "EN 1993-6 (Eurocode 3, Kranbahnen)"})
        EXPECT_NE(Box(To_Cp437(label)), nullptr) << label;
    ASSERT_NE(Field(&b->ec3_1.e0_elastic[4]), nullptr);
    EXPECT_EQ(std::string(Field(&b->ec3_1.e0_elastic[4])->text), "1/%-3.0f");
    EXPECT_EQ(std::string(Field(&b->ec3_1.kc)->text), "%5.3f");
    for (double* v : {&b->ec3_1.gamma_M_fi, &b->ec3_8.gamma_Mf[3], &b->ec3_8.gamma_M_ser, &b->ec3_8.eta})
        EXPECT_FALSE(Enabled(Field(v)));   // read-only page
}

TEST_F(AnnexEditor, SteelPageEditsTheActiveBlockAndTheInverseKcBoxSetsItsSwitch) {
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    NAD_EC3_Block* b = NAD_Get_EC3();
    b->ec3_1.kc_from_table = 1;
    NAD_Draw_EC3_Editor_Page(area, 1);
    EXPECT_EQ(Handle(Type_Into(Field(&b->ec3_1.gamma_M1), "1.1")), 1);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M1, 1.1);
    const View_Area_Item* kc_box = Box("k   vorgeben");
    ASSERT_NE(kc_box, nullptr);
    EXPECT_EQ(*kc_box->value, 0);
    Scroll_View_Area_To_Rectangle(area, kc_box->x1 - 30, kc_box->y1 - 20, kc_box->x1 + 100, kc_box->y1 + 20);
    int ox = 0, oy = 0;
    Get_View_Area_Scroll_Origin(area, &ox, &oy);
    EXPECT_EQ(Handle("click " + std::to_string(kc_box->x1 - 14 - ox) + " " + std::to_string(kc_box->y1 - 4 - oy) + "\n"), 1);
    EXPECT_EQ(b->ec3_1.kc_from_table, 0);
}

// ---------------------------------------------------------------------------------------------
// EN 1999 and EN 1996

TEST_F(AnnexEditor, AluminiumSectionOfThreeZeroFlagsShowsOnlyTheConstant) {
    NAD_EC9_Block b{};
    NAD_Set_EC9_Defaults(&b);
    struct Case {
        const char* ec9;
        bool factors;
    };
    for (const Case& c : {Case{"000", false}, Case{"0", true}, Case{"111", true}}) {
        SCOPED_TRACE(c.ec9);
        Use_Application(0, Flag_Description("1", "1", "1", "1", c.ec9).c_str());
        Rebuild();
        const int below = NAD_Draw_EC9_Editor(area, &b, 1, 100);
        EXPECT_NE(Field(&b.C), nullptr);
        EXPECT_EQ(Field(&b.gamma_M0) != nullptr, c.factors);
        EXPECT_EQ(Field(&b.gamma_Mp_ser) != nullptr, c.factors);
        EXPECT_EQ(below, Field(&b.C)->y1 + 18 + (c.factors ? 8 * 18 : 0));   // the running y below the last row
        EXPECT_EQ(Box("EN 1999-1-1 (Eurocode 9)"), nullptr);   // no heading box
    }
}

TEST_F(AnnexEditor, MasonrySectionTakesTheAccidentalRowsOnlyFor100And94) {
    NAD_EC6_Block b{};
    NAD_Set_EC6_Defaults(&b);
    struct Case {
        int number;
        bool accidental;
    };
    for (const Case& c : {Case{100, true}, Case{94, true}, Case{220, false}}) {
        SCOPED_TRACE(c.number);
        Use_Application(c.number, "#NADS 12\n");
        Rebuild();
        const int below = NAD_Draw_EC6_Editor(area, &b, 0, 40);
        ASSERT_NE(Box("EN 1996-1-1 (Eurocode 6)"), nullptr);
        EXPECT_EQ(Box("EN 1996-1-1 (Eurocode 6)")->y1, 70);
        EXPECT_EQ(Field(&b.gamma_M_accidental) != nullptr, c.accidental);
        EXPECT_EQ(Field(&b.gamma_M_earthquake) != nullptr, c.accidental);
        ASSERT_NE(Field(&b.gamma_M_serviceability), nullptr);
        EXPECT_FALSE(Enabled(Field(&b.gamma_M_persistent)));
        EXPECT_EQ(below, Field(&b.gamma_M_serviceability)->y1 + 18);
    }
}

}  // namespace
