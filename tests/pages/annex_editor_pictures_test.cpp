// The EN 1990 and EN 1995 editor pages with their pictures: fields over the cells of the EN 1990
// tables, the sections chosen by the row flags, the EN 1995 strip painter and the shipped pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "annex/annex_test_support.h"
#include "annex/application_table.h"
#include "annex/ec0_block.h"
#include "annex/ec5_block.h"
#include "annex/ec5_report.h"
#include "common/cp437.h"
#include "pages/annex_editor_ec0_tables.h"
#include "pages/annex_editor_pages.h"
#include "pages/annex_editor_rows.h"
#include "pages/annex_editor_fixture.h"
#include "gui/view_area_events.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_sheets.h"
#include "platform/host/screen_bitmaps.h"
#include "platform/host/screen_surface.h"
#include "test_support.h"

namespace {

Host_Bitmap Shipped(const char* name) {
    Host_Bitmap p;
    const std::string path = Resolve_Bitmap_Path(name);
    EXPECT_FALSE(path.empty()) << name;
    const std::string bytes = Read_File(path);
    EXPECT_TRUE(Decode_Bmp({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}, p)) << name;
    return p;
}

class AnnexPicturePage : public Annex_Editor_Area {
  protected:
    int Count_Fields() {
        int n = 0;
        for (const View_Area_Item& it : Items()) n += it.kind == View_Item_Kind::Float_Field;
        return n;
    }
    int Bitmap_Count(const std::string& file) {
        int n = 0;
        for (const View_Area_Item& it : Items()) n += it.kind == View_Item_Kind::Bitmap && it.text == file;
        return n;
    }
};

// ---------------------------------------------------------------------------------------------
// EN 1990

TEST_F(AnnexPicturePage, EN1990FieldsStandOnTheCellsOfTheirPictures) {
    NAD_EC0_Block b{};
    NAD_Set_EC0_Defaults(&b);
    NAD_Draw_EC0_Editor_Page(area, &b, 1);
    ASSERT_NE(Box("Faktoren für den Hochbau"_cp), nullptr);
    ASSERT_NE(Box("Faktoren für den Brückenbau"_cp), nullptr);
    EXPECT_EQ(Box("Faktoren für den Hochbau"_cp)->y1, 20);
    // Fields: persistent and serviceability 5 rows, accidental and seismic 6, two values each; 12
    // categories of four ψ; bridges 4 x 12 rows of two, roads 14, footbridges 7, railways 31 of three.
    const int expected = 2 * (5 + 6 + 6 + 5) + 12 * 4 + 4 * 12 * 2 + 3 * (14 + 7 + 31);
    EXPECT_EQ(Count_Fields(), expected);
    const View_Area_Item* kbws = nullptr;
    for (const View_Area_Item& it : Items())
        if (it.kind == View_Item_Kind::Bitmap && it.text == "NAD\\NAD-Kbws.bmp") kbws = &it;
    ASSERT_NE(kbws, nullptr);
    EXPECT_EQ(kbws->y2 - kbws->y1 + 1, NAD_EC0_Picture_Height("NAD\\NAD-Kbws.bmp"));
    // The accidental situation's sixth row is the accidental action (block row 5); its γF,inf cell.
    const View_Area_Item* cell = Field(&b.building_gamma[1][5][1]);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->x1, kbws->x1 + NAD_EC0_Value_X + NAD_EC0_Column_Pitch);
    EXPECT_EQ(cell->y1, kbws->y1 + NAD_EC0_Row_Top(NAD_EC0_Building_Gamma_1, 5) + 12);
    EXPECT_EQ(Field(&b.building_gamma[0][5][0]), nullptr);   // not in the persistent table
    EXPECT_EQ(std::string(Field(&b.building_psi[11][3])->text), "%4.2f");
    EXPECT_EQ(std::string(Field(&b.bridge_gamma[3][12][0])->text), "%5.2f");   // temperature
    EXPECT_EQ(Field(&b.bridge_gamma[3][11][0]), nullptr);                      // construction: not shown
    for (const char* file : {"NAD\\NAD_bridge_str_b.bmp", "NAD\\NAD_bridge_ausser.bmp", "NAD\\NAD_bridge_erdbeben.bmp",
                             "NAD\\NAD_bridge_gebrauch.bmp", "NAD\\NAD_bridge_str_psi.bmp", "NAD\\NAD_bridge_fuss_psi.bmp",
                             "NAD\\NAD_bridge_bahn_psi.bmp"})
        EXPECT_EQ(Bitmap_Count(file), 1) << file;
}

TEST_F(AnnexPicturePage, EN1990SectionsFollowTheFlagsAndAReadOnlyPageEnablesNothing) {
    NAD_EC0_Block b{};
    NAD_Set_EC0_Defaults(&b);
    Use_Application(0, "#NADS -1\n01 1 1 1 0 1 1 0 0 1\n");
    NAD_Draw_EC0_Editor_Page(area, &b, 0);
    EXPECT_EQ(Box("Faktoren für den Hochbau"_cp), nullptr);
    ASSERT_NE(Box("Faktoren für den Brückenbau"_cp), nullptr);
    EXPECT_EQ(Box("Faktoren für den Brückenbau"_cp)->y1, 20);
    EXPECT_EQ(Field(&b.building_gamma[0][0][0]), nullptr);
    for (const View_Area_Item& it : Items())
        if (it.kind == View_Item_Kind::Float_Field) {
            EXPECT_FALSE(Enabled(&it));
        }
}

TEST_F(AnnexPicturePage, EN1990EditReachesTheBlock) {
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    NAD_EC0_Block b{};
    NAD_Set_EC0_Defaults(&b);
    NAD_Draw_EC0_Editor_Page(area, &b, 1);
    const View_Area_Item* f = Field(&b.building_gamma[0][0][0]);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(Handle(Type_Into(f, "1.4")), 1);
    EXPECT_DOUBLE_EQ(b.building_gamma[0][0][0], 1.4);
}

// ---------------------------------------------------------------------------------------------
// EN 1995

TEST_F(AnnexPicturePage, EN1995SectionsFollowTheApplicationNumber) {
    NAD_EC5_Block b{};
    NAD_Set_EC5_Defaults(&b);
    struct Case {
        int number;
        const char* description;
        std::vector<int> sections;   // positions with a section, in the page's order
    };
    const Case cases[] = {
        {0, nullptr, {1, 2, 3, 4, 5, 8, 6, 0, 7}},
        {220, "#NADS 32\n", {1, 2, 3, 4, 5, 6, 0}},
        {242, "#NADS 32\n", {1, 2, 3, 4, 5, 8, 6, 0}},
        {75, "#NADS 32\n", {7}},
    };
    const char* const titles[NAD_EC5_Row_Count] = {
        "Kippschlankheit (NCI Zu 6.3.3(2))", "Materialsicherheitsbeiwerte", "Modifikationsbeiwerte k mod",
        "Verformungsbeiwerte k def", "Verformungsgrenzwerte", "Rissfaktor k cr", "Netto-Enddurchbiegung",
        "Regeln des nationalen Anhangs", "Torsion k shape"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        Use_Application(c.number, c.description);
        Rebuild();
        NAD_Draw_EC5_Editor_Page(area, &b, 1);
        std::vector<int> shown;
        int last_y = 0;
        for (int position : {1, 2, 3, 4, 5, 8, 6, 0, 7}) {
            const View_Area_Item* box = Box(titles[position]);
            if (!box) continue;
            shown.push_back(position);
            EXPECT_GT(box->y1, last_y);
            last_y = box->y1;
        }
        EXPECT_EQ(shown, c.sections);
        EXPECT_EQ(Box(titles[c.sections[0]])->y1, 20);
        EXPECT_EQ(Count(View_Item_Kind::Painter_Box), static_cast<int>(c.sections.size()));   // one picture each
    }
    // The German annex adds the choice of index (b) of Table NA.1 to the deformation factors.
    Use_Application(0, nullptr);
    for (int variant : {0, 1}) {
        b.variant = variant;
        Rebuild();
        NAD_Draw_EC5_Editor_Page(area, &b, 1);
        const View_Area_Item* box = Box("Tabelle NA.1 Index (b) anwenden");
        EXPECT_EQ(box != nullptr, variant == 1);
        if (box) {
            EXPECT_EQ(box->value, &b.na1_index_b_switch);
        }
    }
}

TEST_F(AnnexPicturePage, EN1995CrackFactorBoxSetsTheFormAndAReadOnlyPageChangesNothing) {
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    NAD_EC5_Block b{};
    NAD_Set_EC5_Defaults(&b);
    Use_Application(0, "#NADS -1\n1 1 1 1 0 000001 1 0 0 1\n");   // only the crack factor
    for (int editable : {0, 1}) {
        SCOPED_TRACE(editable);
        b.k_cr_form = 1;
        Rebuild();
        NAD_Draw_EC5_Editor_Page(area, &b, editable);
        const View_Area_Item* box = Box("   cr nach NA-DE anwenden");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(*box->value, 0);
        EXPECT_EQ(Handle(Click_Box(box)), editable);
        EXPECT_EQ(b.k_cr_form, editable ? 2 : 1);
        EXPECT_NE(Field(&b.k_cr_solid), nullptr);
        EXPECT_EQ(Enabled(Field(&b.k_cr_solid)), editable == 1);
    }
}

// ---------------------------------------------------------------------------------------------
// Pictures

class EC5Painter : public View_Area_Sheet {
  protected:
    void SetUp() override {
        View_Area_Sheet::SetUp();
        Use_Shipped_Host();
    }
};

TEST_F(EC5Painter, EachNumberCopiesItsStripAndOthersDrawNothing) {
    const Host_Bitmap sheet = Shipped("NAD\\EC5ZerazNads.bmp");
    ASSERT_GE(sheet.width, 376);
    ASSERT_GE(sheet.height, 1049);
    struct Strip {
        int width, height, top;
    };
    const Strip strips[9] = {{368, 130, 0},   {368, 95, 142},  {368, 60, 244},  {368, 105, 310}, {368, 123, 418},
                             {376, 157, 540}, {376, 129, 700}, {376, 112, 832}, {376, 109, 940}};
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const Strip& s = strips[n - 1];
        Host_Open_Screen(800, 1200);
        pxFgc(0x123456);
        pxRect(0, 0, 799, 1199);
        NAD_Paint_EC5_Picture(10, 20, 410, 20 + s.height, &n);
        int same = 0, drawn = 0, outside = 0;
        for (int y = 0; y < s.height; ++y)
            for (int x = 0; x < s.width; ++x) {
                const int source = static_cast<int>(sheet.pixels[static_cast<std::size_t>(s.top + y) * sheet.width + x]);
                const int shown = Host_Pixel(10 + x, 20 + y);
                if (source == 0xFFFBF0) same += shown == 0x123456;   // transparent
                else same += shown == source, ++drawn;
            }
        for (int x = 0; x < 800; ++x) outside += Host_Pixel(x, 19 + s.height + 1) != 0x123456;
        EXPECT_EQ(same, s.width * s.height);
        EXPECT_GT(drawn, 500);   // the strip holds a drawing
        EXPECT_EQ(outside, 0);   // nothing below the strip
    }
    for (int n : {0, 10, -1}) {
        Host_Open_Screen(800, 600);
        pxFgc(0x123456);
        pxRect(0, 0, 799, 599);
        NAD_Paint_EC5_Picture(10, 20, 410, 300, &n);
        int changed = 0;
        for (int y = 0; y < 600; y += 3)
            for (int x = 0; x < 800; x += 3) changed += Host_Pixel(x, y) != 0x123456;
        EXPECT_EQ(changed, 0) << n;
    }
    NAD_Paint_EC5_Picture(10, 20, 410, 300, nullptr);   // no data: nothing, no crash
}

TEST_F(EC5Painter, ShippedPicturesHaveTheSizesThePagesCut) {
    for (const char* name : {"NAD\\NAD_Func1.bmp", "NAD\\NAD_Func2a.bmp", "NAD\\NAD_Func2b.bmp", "NAD\\NAD_Func2c.bmp",
                             "NAD\\NAD_Func2d.bmp", "NAD\\NAD_Func3a.bmp", "NAD\\NAD_Func3b.bmp", "NAD\\NAD_Func4.bmp",
                             "NAD\\NAD_Func5.bmp", "NAD\\NAD_Func6.bmp", "NAD\\NAD_Func7a.bmp", "NAD\\NAD_Func7b.bmp",
                             "NAD\\NAD_Func8.bmp"}) {
        const Host_Bitmap p = Shipped(name);
        EXPECT_EQ(p.width, 176) << name;
        EXPECT_EQ(p.height, 36) << name;
        int ink = 0;
        for (std::uint32_t c : p.pixels) ink += c == 0x000000;
        EXPECT_GT(ink, 40) << name;   // a formula is written in it
    }
    for (int t = 0; t < NAD_EC0_Table_Count; ++t) {
        const Host_Bitmap p = Shipped(NAD_EC0_Table_File(t));
        EXPECT_EQ(p.width, NAD_EC0_Picture_Width) << t;
        EXPECT_EQ(p.height, NAD_EC0_Picture_Height(NAD_EC0_Table_File(t))) << t;
    }
}

}  // namespace
