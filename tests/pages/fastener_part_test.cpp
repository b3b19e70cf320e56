#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "pages/input_part_fixture.h"
#include "pages/input_parts.h"
#include "platform/host/screen_surface.h"

namespace {

class FastenerPart : public Input_Part_Area {
  protected:
    Fastener f{};
    void SetUp() override {
        Input_Part_Area::SetUp();
        Default_Fastener(&f);   // M20 10.9, normal hole, large width across flats
    }
    void Draw(int options = 0, int editable = 1, int full_layout = 1) {
        Draw_Fastener_Input(&f, area, 10, &y, 22, 18, 600, editable, options, full_layout);
    }
    const View_Area_Item* Kind_List() { return List(&f.type); }
    const View_Area_Item* Size_List() {
        for (const View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Choice_List && it.aux == Bolt_Size_Count && it.colour == 3) return &it;
        return nullptr;
    }
    const View_Area_Item* Class_List() { return List(&f.class_index); }
    bool Has_Hole_Block() { return Radio("normales Lochspiel") != nullptr; }
};

TEST(BoltSizeList, RunsByDiameter) {
    const int sizes[14] = {0, 1, 2, 3, 4, 12, 5, 13, 6, 7, 8, 9, 10, 11};
    for (int p = 0; p < 14; ++p) {
        EXPECT_EQ(Map_Bolt_List_To_Size(p), sizes[p]);
        EXPECT_EQ(Map_Bolt_Size_To_List(sizes[p]), p);
    }
    EXPECT_EQ(Map_Bolt_Size_To_List(14), -1);
    EXPECT_EQ(Map_Bolt_List_To_Size(14), -1);
}

TEST_F(FastenerPart, KindListLosesTheAnchorBoltUnderEdition2010) {
    Set_Code_Edition(Code_Edition_2010);
    f.type = Fastener_Anchor_Bolt;
    Draw();
    ASSERT_NE(Kind_List(), nullptr);
    EXPECT_EQ(Kind_List()->aux, 4);
    EXPECT_EQ(Shown(Kind_List()), "Schraube");
    EXPECT_EQ(f.type, Fastener_Bolt);

    Set_Code_Edition(Code_Edition_2025);
    New_Page();
    f.type = Fastener_Anchor_Bolt;
    Draw();
    EXPECT_EQ(Kind_List()->aux, 5);
    EXPECT_EQ(Shown(Kind_List()), "Ankerschraube");
    EXPECT_EQ(Kind_List()->x1, 10 + 135);
    EXPECT_EQ(Text("Verbindungsmittel")->x2, 1);   // the heading, bold
}

TEST_F(FastenerPart, SizeListShowsAndStoresThroughItsPositions) {
    f.size_index = 13;   // M18, stored at the end of the size table
    Draw();
    const View_Area_Item* list = Size_List();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(*list->value, 7);
    EXPECT_EQ(Shown(list), "M18");
    const std::vector<std::string> names = {"M5",  "M6",  "M8",  "M10", "M12", "M14", "M16",
                                            "M18", "M20", "M22", "M24", "M27", "M30", "M36"};
    for (int p = 0; p < 14; ++p) {
        EXPECT_EQ(std::string(list->entries[p].text), names[static_cast<std::size_t>(p)]);
        const bool grey = p == 5 || p == 7 || p == 9;   // M14, M18, M22
        EXPECT_EQ(list->entries[p].colour, grey ? Grey_130 : Black) << p;
    }
    *list->value = 5;   // the user picks M14
    Rebuild();
    Draw();
    EXPECT_EQ(f.size_index, 12);
}

TEST_F(FastenerPart, PreloadedOptionForcesBoltLevelStrengths) {
    f.class_index = Bolt_Class_4_6;
    Draw(0x08);
    EXPECT_EQ(f.class_index, Bolt_Class_8_8);
    EXPECT_EQ(f.large_width, 1);
    EXPECT_EQ(Radio("normale Schlüsselweite"_cp), nullptr);
    for (int k = 0; k < Bolt_Class_Count; ++k) {
        const bool black = k == Bolt_Class_8_8 || k == Bolt_Class_10_9;
        EXPECT_EQ(Class_List()->entries[k].colour, black ? Black : Grey_130) << k;
    }
    // The preload note stands on the radios' line, 20 px left of the second column.
    const View_Area_Item* note = Text("FK 8.8 oder 10.9: HV-Schraube");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->x1, 10 + 205);

    New_Page();
    f.class_index = Bolt_Class_Stainless_70;
    Draw(0x08);
    EXPECT_EQ(f.class_index, Bolt_Class_10_9);

    New_Page();
    f.own_strengths = 1;
    f.f_ub = 500;
    f.f_yb = 300;
    Draw(0x08);
    EXPECT_EQ(f.f_ub, 800);
    EXPECT_EQ(f.f_yb, 640);
    EXPECT_FALSE(Enabled(Class_List()));
    const View_Area_Item* f_yb = Field(&f.f_yb);
    ASSERT_NE(f_yb, nullptr);
    f.f_yb = -700;
    f_yb->on_change(0, &f.f_yb);   // own strengths keep their magnitude
    EXPECT_EQ(f.f_yb, 700);
}

TEST_F(FastenerPart, FittedOrCountersunkBoltHasNoHoleBlock) {
    Draw();
    EXPECT_TRUE(Has_Hole_Block());

    New_Page();
    f.fitted = 1;
    f.hole_type = Hole_Oversize;
    Draw();
    EXPECT_FALSE(Has_Hole_Block());
    EXPECT_EQ(f.hole_type, Hole_Normal);

    New_Page();
    f.fitted = 0;
    f.large_width = 0;   // countersinking needs the normal width across flats
    f.countersunk = 1;
    f.hole_type = Hole_Short_Slot_Transverse;
    Draw();
    EXPECT_NE(Box("Senkschraube"), nullptr);
    EXPECT_FALSE(Has_Hole_Block());
    EXPECT_EQ(f.hole_type, Hole_Normal);
    EXPECT_NE(Field(&f.t_ks), nullptr);
    EXPECT_EQ(Text("Senkung des Kopfes")->colour, Brown);
}

TEST_F(FastenerPart, SmallBoltHasNoWidthChoiceAndNoSlipResistance) {
    f.size_index = 2;   // M8
    f.large_width = 1;
    f.slip_resistant = 1;
    Draw();
    EXPECT_EQ(Radio("normale Schlüsselweite"_cp), nullptr);
    EXPECT_EQ(f.large_width, 0);
    EXPECT_EQ(Box("gleitfeste Verbindung"), nullptr);
    EXPECT_EQ(f.slip_resistant, 0);
    EXPECT_NE(Box("Passschraube"), nullptr);
}

TEST_F(FastenerPart, StainlessBoltOffersNeitherFittedBoltNorTappedHole) {
    f.class_index = Bolt_Class_Stainless_70;
    f.large_width = 0;
    f.fitted = 1;
    Draw();
    const View_Area_Item* note = Text("Edelstahl");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->x1, 10 + 295);
    EXPECT_EQ(note->colour, Brown);
    EXPECT_EQ(Box("Passschraube"), nullptr);
    EXPECT_EQ(f.fitted, 0);
    ASSERT_NE(Box("Senkschraube"), nullptr);
    EXPECT_FALSE(Enabled(Box("Senkschraube")));
    EXPECT_EQ(Box("Bohrloch mit Gewinde"), nullptr);
    EXPECT_EQ(Class_List()->entries[Bolt_Class_Stainless_70].colour, Brown);

    Set_Code_Edition(Code_Edition_2010);
    New_Page();
    Draw();
    EXPECT_EQ(Box("Senkschraube"), nullptr);
    EXPECT_EQ(Box("Bohrloch mit Gewinde"), nullptr);

    // With own strengths the fitted bolt is offered again.
    New_Page();
    f.own_strengths = 1;
    Draw();
    EXPECT_NE(Box("Passschraube"), nullptr);
}

TEST_F(FastenerPart, SlotLengthIsEditedAndStoredAsEnlargement) {
    Set_Code_Edition(Code_Edition_2010);
    f.large_width = 0;
    f.hole_type = Hole_Short_Slot_Transverse;
    f.hole_enlargement = 6;
    ASSERT_EQ(f.d, 20);
    Unpack_Fastener(&f);
    Draw();
    const View_Area_Item* slot = Field(&f.slot_length);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(*slot->number, 26);
    EXPECT_TRUE(Enabled(slot));
    EXPECT_NE(Text("Lochlänge"_cp), nullptr);
    EXPECT_NE(Radio("Langloch horizontal"), nullptr);
    f.slot_length = 30;   // typed
    Pack_Fastener(&f);
    EXPECT_EQ(f.hole_enlargement, 10);
}

// Each fastener keeps the slot length of its own editing form: a T-stub bolt in a long slot and a
// bolted connection's bolt in a short slot are packed with their own clearances.
TEST_F(FastenerPart, TwoFastenersKeepTheirOwnSlotLengths) {
    Set_Code_Edition(Code_Edition_2010);
    Fastener bolted = f, t_stub = f;
    bolted.hole_type = Hole_Short_Slot_Transverse;
    bolted.hole_enlargement = 6;
    t_stub.hole_type = Hole_Short_Slot_Parallel;
    t_stub.hole_enlargement = 30;
    Unpack_Fastener(&bolted);
    Unpack_Fastener(&t_stub);   // unpacked after the bolted one, as the connection record does

    New_Page(1);
    Draw_Fastener_Input(&bolted, area, 10, &y, 22, 18, 600, 1, 0, 1);
    EXPECT_EQ(*Field(&bolted.slot_length)->number, 26);
    New_Page(2);
    Draw_Fastener_Input(&t_stub, area, 10, &y, 22, 18, 600, 1, 0x186, 1);
    EXPECT_EQ(*Field(&t_stub.slot_length)->number, 50);

    Pack_Fastener(&bolted);
    Pack_Fastener(&t_stub);
    EXPECT_EQ(bolted.hole_enlargement, 6);
    EXPECT_EQ(t_stub.hole_enlargement, 30);
}

TEST_F(FastenerPart, PreloadIsEditedInKilonewtons) {
    f.slip_resistant = 1;
    f.F_pC_given = 160000;
    Unpack_Fastener(&f);
    EXPECT_DOUBLE_EQ(f.F_pC_given, 160.0);
    Draw();
    ASSERT_NE(Box("gleitfeste Verbindung"), nullptr);
    const View_Area_Item* field = Field(&f.F_pC_given);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->x1, 10 + 225);
    EXPECT_EQ(field->text, "%6.1f");
    EXPECT_EQ(Text("kN")->x1, 10 + 290);
    EXPECT_EQ(Text("= 0: volle Vorspannung")->colour, Blue);
    EXPECT_NE(Text("kontrolliert voll vorgespannt"), nullptr);
    Pack_Fastener(&f);
    EXPECT_DOUBLE_EQ(f.F_pC_given, 160000);
}

TEST_F(FastenerPart, OversizeClearanceIsReadOnlyUnderEdition2025WithTableSizes) {
    struct Case {
        int edition, own_dimensions;
        bool editable;
    };
    for (const Case& c : {Case{Code_Edition_2025, 0, false}, Case{Code_Edition_2025, 1, true},
                          Case{Code_Edition_2010, 0, true}}) {
        SCOPED_TRACE(testing::Message() << c.edition << c.own_dimensions);
        Set_Code_Edition(c.edition);
        New_Page();
        f.hole_type = Hole_Oversize;
        f.non_standard_size = c.own_dimensions;
        Draw();
        const View_Area_Item* clearance = Field(&f.hole_enlargement);
        ASSERT_NE(clearance, nullptr);
        EXPECT_EQ(Enabled(clearance), c.editable);
        EXPECT_EQ(Text("groß"_cp)->x1, 10 + 145);
        EXPECT_EQ(Text("großes Lochspiel"_cp)->x1, 10 + 20);
        EXPECT_EQ(clearance->x1, 10 + 180);
    }
}

TEST_F(FastenerPart, OwnDimensionsListTheirRows) {
    f.non_standard_size = 1;
    f.hole_type = Hole_Oversize;
    Draw();
    EXPECT_FALSE(Enabled(Size_List()));
    const double* fields[] = {&f.d, &f.delta_d, &f.A, &f.A_s, &f.d_s, &f.d_e, &f.t_k, &f.t_m, &f.d_p, &f.t_p};
    int row_y = 100 + 22;   // the size row
    for (const double* value : fields) {
        row_y += 22;
        const View_Area_Item* field = Field(value);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->x1, 10 + 240);
        EXPECT_EQ(field->y1, row_y);
    }
    EXPECT_FALSE(Enabled(Field(&f.delta_d)));   // the clearance of an oversize hole is the table's
    EXPECT_EQ(Field(&f.A)->text, "%6.3f");
    EXPECT_NE(Radio("beidseitig"), nullptr);
    EXPECT_EQ(Box("Passschraube"), nullptr);
}

TEST_F(FastenerPart, TStubVariantDrawsBoltsOnly) {
    f.type = Fastener_Rivet;
    f.slip_resistant = 1;
    f.fitted = 1;
    f.tapped_hole = 1;
    f.hole_type = Hole_Oversize;
    Draw(0x86);
    EXPECT_EQ(f.type, Fastener_Bolt);
    EXPECT_EQ(Kind_List(), nullptr);
    EXPECT_EQ(Text("Verbindungsmittel"), nullptr);
    EXPECT_NE(Size_List(), nullptr);
    EXPECT_EQ(Box("gleitfeste Verbindung"), nullptr);
    EXPECT_EQ(Box("Passschraube"), nullptr);
    EXPECT_EQ(Box("Senkschraube"), nullptr);
    EXPECT_FALSE(Has_Hole_Block());
    EXPECT_EQ(f.slip_resistant, 0);
    EXPECT_EQ(f.fitted, 0);
    EXPECT_EQ(f.tapped_hole, 0);
    EXPECT_EQ(f.hole_type, Hole_Normal);
    // The second column of the width radios moves to 190.
    EXPECT_EQ(Radio("große Schlüsselweite"_cp)->x1, 10 + 190);
}

TEST_F(FastenerPart, CompactLayoutOnlyNotesThePreloadableSet) {
    f.fitted = 1;
    f.slip_resistant = 1;
    Draw(0, 1, 0);
    EXPECT_EQ(Radio("normale Schlüsselweite"_cp), nullptr);
    EXPECT_EQ(Box("Passschraube"), nullptr);
    EXPECT_EQ(f.fitted, 0);
    EXPECT_EQ(f.slip_resistant, 0);
    EXPECT_EQ(f.large_width, 1);
    const View_Area_Item* note = Text("FK 8.8 oder 10.9: HV-Schraube");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->x1, 10 + 130);
}

TEST_F(FastenerPart, AnchorBoltShowsItsAnchorageAndEmbedment) {
    f.type = Fastener_Anchor_Bolt;
    f.anchorage = Anchorage_Anchor_Plate;
    f.material_index = Fastener_Material_Bolt_Class;
    f.large_width = 0;
    f.tapped_hole = 0;   // just switched to an anchor bolt, before the input check marks it
    Draw();
    EXPECT_NE(Field(&f.d_h), nullptr);
    EXPECT_NE(Field(&f.t_h), nullptr);
    EXPECT_EQ(List(&f.material_index)->aux, 4);
    EXPECT_NE(Class_List(), nullptr);
    EXPECT_EQ(Class_List()->entries[Bolt_Class_10_9].colour, Grey_130);
    EXPECT_EQ(Radio("übergroßes Loch"_cp)->x1, 10 + 240);
    EXPECT_EQ(Radio("Langloch horizontal"), nullptr);   // slots only for bolts
    EXPECT_EQ(Box("Senkschraube"), nullptr);
    EXPECT_EQ(Field(&f.l_e), nullptr);

    // Every checked anchor bolt has the tapped-hole flag: the embedment depth, and no hole block.
    New_Page();
    f.tapped_hole = 1;
    f.hole_type = Hole_Oversize;
    Draw();
    EXPECT_FALSE(Has_Hole_Block());
    EXPECT_EQ(f.hole_type, Hole_Normal);
    EXPECT_NE(Text("Einbindetiefe"), nullptr);
    EXPECT_EQ(Field(&f.l_e)->x1, 10 + 165);
    EXPECT_EQ(Text("Einschraubtiefe"), nullptr);
}

TEST_F(FastenerPart, RivetAndPinDrawTheirMaterialAndHoleRows) {
    f.type = Fastener_Rivet;
    f.material_index = 0;
    Draw();
    EXPECT_NE(Text("s. NA-DE"), nullptr);
    EXPECT_NE(Field(&f.d_0), nullptr);
    EXPECT_NE(Box("Senkniet"), nullptr);
    EXPECT_EQ(Size_List(), nullptr);

    New_Page();
    f.type = Fastener_Pin;
    f.material_index = Fastener_Material_Steel_Grade;
    Draw();
    EXPECT_EQ(Text("s. NA-DE"), nullptr);
    const View_Area_Item* grade = Text("Stahlsorte");   // the pin's own steel in the material part
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(grade->x1, 10 + 135);
    EXPECT_NE(Field(&f.d_pin), nullptr);
    EXPECT_NE(Box("Bolzen austauschbar"), nullptr);
}

TEST_F(FastenerPart, ReadOnlyPartGreysListsAndNotes) {
    Draw(0, 0);
    EXPECT_EQ(Kind_List()->entries[0].colour, Grey_192);
    EXPECT_EQ(Size_List()->entries[0].colour, Grey_192);
    EXPECT_EQ(Text("FK 8.8 oder 10.9: HV-Schraube")->colour, Grey_192);
    for (const View_Area_Item& it : Items())
        if (it.enabled) {
            EXPECT_EQ(*it.enabled, 0) << it.text;
        }
}

TEST_F(FastenerPart, UnpackThenPackGivesTheStoredValuesBack) {
    struct Case {
        int own_dimensions, own_strengths, hole_type;
        double enlargement;
    };
    for (const Case& c : {Case{0, 0, Hole_Normal, 0}, Case{1, 1, Hole_Long_Slot_Parallel, 30}}) {
        Fastener stored{};
        Default_Fastener(&stored);
        stored.non_standard_size = c.own_dimensions;
        stored.own_strengths = c.own_strengths;
        stored.f_yb = 900;
        stored.f_ub = 1000;
        stored.hole_type = c.hole_type;
        stored.hole_enlargement = c.enlargement;
        stored.slip_resistant = 1;
        stored.F_pC_given = 150000;
        Derive_Fastener_Data(&stored, nullptr, 0);
        Fastener edited = stored;
        Unpack_Fastener(&edited);
        EXPECT_NEAR(edited.A_s, stored.A_s * 0.01, 1e-12);
        Pack_Fastener(&edited);
        EXPECT_EQ(Compare_Fastener(&stored, &edited), 1);
        EXPECT_NEAR(edited.A, stored.A, 1e-9);
        EXPECT_NEAR(edited.F_pC_given, stored.F_pC_given, 1e-6);
        EXPECT_NEAR(edited.hole_enlargement, stored.hole_enlargement, 1e-9);
    }
}

// Only 200 fastener parts have a size slot; a 201st shows its stored size read-only.
TEST_F(FastenerPart, FastenerPartBeyondTheCacheShowsItsStoredSize) {
    std::vector<Fastener> fasteners(201, f);
    fasteners[200].size_index = 13;
    for (Fastener& k : fasteners) {
        y = 100;
        Draw_Fastener_Input(&k, area, 10, &y, 22, 18, 600, 1, 0x86, 1);
    }
    int n = 0;
    const View_Area_Item* last = nullptr;
    for (const View_Area_Item& it : Items())
        if (it.kind == View_Item_Kind::Choice_List && it.aux == Bolt_Size_Count && it.colour == 3 && ++n == 201) last = &it;
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->enabled, &Screen_Palette.Inactive);
    EXPECT_EQ(Shown(last), "M18");
    EXPECT_EQ(fasteners[200].size_index, 13);
}

TEST(FastenerPieces, HexPartAndTrapezoidAreFilledAndOutlined) {
    Host_Open_Screen(200, 200);
    const int fill = 0xC4D9C4;
    pxFgc(0xFFFFFF);
    pxRect(0, 0, 199, 199);
    // Width 48 across corners: x 76..124, chamfers of 4 px run 48/12 = 4 px inwards.
    Draw_Hex_Part_Side_View(100, 150, 20, 4, 4, 48, fill);
    EXPECT_EQ(Host_Pixel(90, 136), fill);        // inside the body
    EXPECT_EQ(Host_Pixel(76, 136), 0);           // left flank y1 146 to y2 126
    EXPECT_EQ(Host_Pixel(88, 136), 0);           // visible edge at cx - width/4
    EXPECT_EQ(Host_Pixel(100, 122), 0);          // upper chamfer line y3 = 122
    EXPECT_EQ(Host_Pixel(100, 150), 0);          // base line
    EXPECT_EQ(Host_Pixel(76, 150), 0xFFFFFF);    // the chamfer cuts the corner
    EXPECT_EQ(Host_Pixel(130, 136), 0xFFFFFF);   // outside

    // A washer 30 px wide at y 40, widening to 50 px over 10 px.
    Draw_Filled_Trapezoid(100, 40, 50, 10, 30, fill);
    EXPECT_EQ(Host_Pixel(100, 45), fill);
    EXPECT_EQ(Host_Pixel(85, 40), 0);    // near edge from 85 to 115
    EXPECT_EQ(Host_Pixel(75, 50), 0);    // far edge from 75 to 125
    EXPECT_EQ(Host_Pixel(78, 41), 0xFFFFFF);
    Exit_Grafik_Mode();
}

}  // namespace
