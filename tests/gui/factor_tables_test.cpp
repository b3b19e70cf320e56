// Factor-table column sets: column placement, growth, the headers and the legend on a view area.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/counted_alloc.h"
#include "gui/page_fields.h"
#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

class FactorTables : public View_Area_Sheet {
  protected:
    int area = -1;
    Factor_Column_Set set;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(10, 10, 610, 410, 1, 1);
        Select_Page_Context(area);
    }
    void TearDown() override {
        Clear_Factor_Column_Set(&set);
        Select_Page_Context(-1);
        View_Area_Sheet::TearDown();
    }
    std::vector<View_Area_Item>& Items() { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
    std::vector<const View_Area_Item*> Of_Kind(View_Item_Kind kind) {
        std::vector<const View_Area_Item*> found;
        for (const View_Area_Item& it : Items())
            if (it.kind == kind) found.push_back(&it);
        return found;
    }
    const View_Area_Item* Text(const std::string& text) {
        for (const View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Text && it.text == text) return &it;
        return nullptr;
    }
};

TEST_F(FactorTables, ColumnsStandSideBySideAndTheSetGrows) {
    Init_Factor_Column_Set(&set, 1);
    set.left_offset = 12;
    EXPECT_EQ(set.count, 0);
    EXPECT_STREQ(set.columns[0].description, "Welcher Faktor ?");
    EXPECT_EQ(Get_Factor_Table_Width(&set), 20);   // empty: left offset + 8

    // Five columns into a set made for one.
    const int widths[] = {40, 63, 50, 30, 70}, gaps[] = {5, 2, 0, 10, 5};
    for (int k = 0; k < 5; ++k) Add_Factor_Column(&set, "Teilsicherheitsbeiwert", "g", "M0", "-", 6, widths[k], gaps[k]);
    ASSERT_EQ(set.count, 5);
    const int xs[] = {20, 65, 130, 180, 220};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(set.columns[k].x, xs[k]) << k;
    EXPECT_EQ(Get_Factor_Table_Width(&set), 295);

    // Texts are cut to the column's fields.
    const std::string long_text(300, 'x');
    const Factor_Column* c = Add_Factor_Column(&set, long_text.c_str(), long_text.c_str(), long_text.c_str(), long_text.c_str(), 1, 10, 0);
    EXPECT_EQ(std::string(c->description), std::string(100, 'x'));
    EXPECT_EQ(std::string(c->heading), std::string(50, 'x'));
    EXPECT_EQ(std::string(c->index), std::string(10, 'x'));
    EXPECT_EQ(std::string(c->unit), std::string(20, 'x'));

    Clear_Factor_Column_Set(&set);
    EXPECT_EQ(set.count, 0);
    EXPECT_EQ(set.columns, nullptr);
    EXPECT_EQ(Get_Factor_Table_Width(&set), 20);
}

TEST_F(FactorTables, SeparateColumnsLeaveTheSetAnArrayToGrow) {
    Init_Factor_Column_Set(&set, 2);
    set.left_offset = 4;
    set.first = 9;
    Factor_Column* columns = nullptr;
    Init_Factor_Columns(&set, 3, &columns);
    ASSERT_NE(columns, nullptr);
    EXPECT_EQ(columns[2].x, 136);
    EXPECT_STREQ(columns[2].unit, "???");
    EXPECT_EQ(set.columns, nullptr);
    EXPECT_EQ(set.left_offset, 4);   // the first two words are kept
    EXPECT_EQ(set.first, 9);
    EXPECT_EQ(set.line_end, -1);
    const Factor_Column* c = Add_Factor_Column(&set, "", "k", "", "", 6, 63, 5);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->x, 12);
    EXPECT_EQ(set.count, 1);
    Free_And_Null(&columns);
}

TEST_F(FactorTables, HeaderDrawsNothingWithoutColumns) {
    Init_Factor_Column_Set(&set, 2);
    Draw_Factor_Header(10, 100, 0, 0, set.columns);
    Draw_Factor_Header(10, 100, 0, -1, set.columns);
    Draw_Factor_Set_Header(10, 100, &set);   // count 0
    EXPECT_TRUE(Items().empty());
}

TEST_F(FactorTables, HeaderPutsHeadingsUnitsAndRule) {
    Init_Factor_Column_Set(&set, 2);
    Add_Factor_Column(&set, "Beiwert a", "a", "1", "kN", 6, 63, 5);
    Add_Factor_Column(&set, "Beiwert b", "b", "", "", 6, 40, 7);
    Set_Page_Text_Colour(Nearest_Color_Index(255, 0, 0));
    Set_Page_Font(0x11002);
    Draw_Factor_Header(100, 200, 0, set.count, set.columns);
    const View_Area_Item* a = Text("a");
    const View_Area_Item* b = Text("b");
    const View_Area_Item* unit = Text("kN");
    ASSERT_TRUE(a && b && unit);
    EXPECT_EQ(a->y1, 169);   // 31 above y
    EXPECT_EQ(unit->y1, 185);
    EXPECT_EQ(unit->colour, Nearest_Color_Index(160, 160, 164));
    const auto lines = Of_Kind(View_Item_Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    // Columns at 8 and 76 from the left edge: the second ends at 76 + 40 + 7.
    EXPECT_EQ(std::vector<int>({lines[0]->x1, lines[0]->y1, lines[0]->x2, lines[0]->y2}), std::vector<int>({100, 191, 223, 191}));
    EXPECT_EQ(lines[0]->colour, Nearest_Color_Index(0, 0, 0));
    EXPECT_EQ(Get_Page_Font(), 4096);
    EXPECT_EQ(Get_Page_Text_Colour(), Nearest_Color_Index(0, 0, 0));
    const int header_a = a->x1;

    // The set's header: headings 4 px further left, the rule to the line end, the page restored.
    Clear_View_Area(area);
    set.line_end = 300;
    const int red = Nearest_Color_Index(255, 0, 0);
    Set_Page_Text_Colour(red);
    Set_Page_Font(0x11002);
    Draw_Factor_Set_Header(100, 200, &set);
    ASSERT_TRUE(Text("a"));
    EXPECT_EQ(Text("a")->x1, header_a - 4);
    EXPECT_EQ(Text("a")->y1, 169);
    const auto rule = Of_Kind(View_Item_Kind::Line);
    ASSERT_EQ(rule.size(), 1u);
    EXPECT_EQ(rule[0]->x2, 400);
    EXPECT_EQ(Get_Page_Font(), 0x11002);
    EXPECT_EQ(Get_Page_Text_Colour(), red);
}

TEST_F(FactorTables, SetHeaderWithoutUnitsStandsLower) {
    Init_Factor_Column_Set(&set, 1);
    Add_Factor_Column(&set, "Beiwert", "k", "", "", 6, 63, 5);
    set.line_end = 20;   // inside the columns: the rule keeps their end
    Draw_Factor_Set_Header(0, 100, &set);
    ASSERT_TRUE(Text("k"));
    EXPECT_EQ(Text("k")->y1, 84);
    const auto rule = Of_Kind(View_Item_Kind::Line);
    ASSERT_EQ(rule.size(), 1u);
    EXPECT_EQ(rule[0]->x2, 76);
}

TEST_F(FactorTables, LegendExplainsEachDescribedColumn) {
    Init_Factor_Column_Set(&set, 3);
    Add_Factor_Column(&set, "Beiwert der Lochleibung", "alpha", "b", "-", 6, 63, 5);
    Add_Factor_Column(&set, "", "k", "1", "-", 6, 63, 5);
    Add_Factor_Column(&set, "Teilsicherheitsbeiwert", "gamma", "M2", "-", 6, 63, 5);
    Draw_Factor_Legend(20, 50, set.count, set.columns);
    // e = max(50, 8 * 5 + 6 * 2 + 5 = 57) over the described columns.
    const View_Area_Item* first = Text("Beiwert der Lochleibung");
    const View_Area_Item* second = Text("Teilsicherheitsbeiwert");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->x1, 77);
    EXPECT_EQ(second->x1, 77);
    EXPECT_EQ(second->y1 - first->y1, 18);
    EXPECT_EQ(Text("k"), nullptr);
    EXPECT_EQ(first->colour, Nearest_Color_Index(128, 128, 128));
    EXPECT_EQ(Get_Page_Font(), 4096);
}

}  // namespace
