// The table editor's records: slots, row copies, iteration and row numbers, columns, moving, the
// items a table adds to its view area; and the column menu's sort and fill on the records.
#include "gui/table_editor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gui/table_column_menu.h"
#include "gui/table_icons.h"
#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

struct Row {
    double a = 0;
    double b = 0;
    int tag = 0;
};
constexpr int Row_Size = static_cast<int>(sizeof(Row));
constexpr int Offset_A = 0;
constexpr int Offset_B = static_cast<int>(sizeof(double));

void Free_All_Tables() {
    for (int k = 0; k < Table_Slots; ++k) Delete_Table(k);
}

int Painted_Rows = 0;
void Count_Rows(int, int, int, int, void*) { ++Painted_Rows; }

int New_Table() { return Create_Table(0, 30, 10, 300, 20, Row_Size, Count_Rows); }

std::vector<int> Tags(int table) {
    std::vector<int> tags;
    for (void* r = Get_First_Table_Row(table); r; r = Get_Next_Table_Row(table)) tags.push_back(static_cast<Row*>(r)->tag);
    return tags;
}

std::vector<double> Column_A(int table) {
    std::vector<double> values;
    for (void* r = Get_First_Table_Row(table); r; r = Get_Next_Table_Row(table)) values.push_back(static_cast<Row*>(r)->a);
    return values;
}

// A table of rows with the values of column a, tagged 1, 2, 3, ...
int Table_Of_Values(const std::vector<double>& values) {
    const int t = New_Table();
    int tag = 1;
    for (const double v : values) {
        const Row r{v, 0, tag++};
        Append_Table_Row(t, &r);
    }
    Add_Table_Column(t, 50, 10, 0, 3, "%6.1f", Offset_A);
    return t;
}

class Table_Records : public testing::Test {
  protected:
    void SetUp() override { Free_All_Tables(); }
    void TearDown() override { Free_All_Tables(); }
};

}  // namespace

TEST_F(Table_Records, FiftyFiveSlotsReusedLowestFirstAndBadNumbersIgnored) {
    std::vector<int> got;
    for (int k = 0; k < Table_Slots; ++k) got.push_back(New_Table());
    for (int k = 0; k < Table_Slots; ++k) ASSERT_EQ(got[static_cast<std::size_t>(k)], k);
    EXPECT_EQ(New_Table(), -1);
    Delete_Table(40);
    Delete_Table(7);
    EXPECT_EQ(New_Table(), 7);
    EXPECT_EQ(New_Table(), 40);
    EXPECT_EQ(New_Table(), -1);

    Delete_Table(12);   // now free
    const Row r{1, 2, 3};
    for (const int bad : {-1, 55, 12}) {
        SCOPED_TRACE(bad);
        Append_Table_Row(bad, &r);
        Set_Table_Template_Row(bad, &r);
        Add_Table_Column(bad, 0, 0, 0, 3, nullptr, 0);
        Set_Table_Row_Button(bad, 1, 0, 0);
        Move_Table(bad, 5, 5);
        Build_Table_View(bad);
        Clear_Table_Rows(bad);
        Delete_Table(bad);
        EXPECT_EQ(Get_Table_Row_Count(bad), 0);
        EXPECT_EQ(Get_First_Table_Row(bad), nullptr);
        EXPECT_EQ(Get_Next_Table_Row(bad), nullptr);
        EXPECT_EQ(Get_Table_Row_Number(bad, &r), 0);
        EXPECT_EQ(Handle_Table_Event(bad), 0);
        EXPECT_EQ(Table_Of(bad), nullptr);
    }
    EXPECT_EQ(New_Table(), 12);
}

TEST_F(Table_Records, RowsAreCopiesInListOrderNumberedByAddress) {
    const int t = New_Table();
    Row r{1.5, 2.5, 1};
    Append_Table_Row(t, &r);
    r.tag = 2;
    r.a = 9;
    Append_Table_Row(t, &r);
    r.tag = 3;
    Append_Table_Row(t, &r);
    r.tag = 99;   // the caller's record changes no row
    EXPECT_EQ(Tags(t), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Column_A(t), (std::vector<double>{1.5, 9, 9}));
    EXPECT_EQ(Get_Table_Row_Count(t), 3);

    Row* first = static_cast<Row*>(Get_First_Table_Row(t));
    Row* second = static_cast<Row*>(Get_Next_Table_Row(t));
    Row* third = static_cast<Row*>(Get_Next_Table_Row(t));
    EXPECT_EQ(Get_Next_Table_Row(t), nullptr);
    EXPECT_EQ(Get_Table_Row_Number(t, first), 1);
    EXPECT_EQ(Get_Table_Row_Number(t, second), 2);
    EXPECT_EQ(Get_Table_Row_Number(t, third), 3);
    // Equal contents at another address are no row of the table.
    Row same = *second;
    EXPECT_EQ(Get_Table_Row_Number(t, &same), 0);
    EXPECT_EQ(Get_Table_Row_Number(t, nullptr), 0);
    // Editing a row through its record edits the table.
    second->b = 7;
    EXPECT_EQ(reinterpret_cast<const Row*>(Table_Of(t)->first_row->next->record)->b, 7);

    Append_Table_Row(t, nullptr);
    EXPECT_EQ(Get_Table_Row_Count(t), 3);
}

TEST_F(Table_Records, ClearingAndDeletingLeaveNoCursorOnFreedRows) {
    const int t = Table_Of_Values({1, 2, 3});
    EXPECT_NE(Get_First_Table_Row(t), nullptr);   // the cursor now stands on row 2
    Clear_Table_Rows(t);
    EXPECT_EQ(Get_Next_Table_Row(t), nullptr);
    EXPECT_EQ(Get_Table_Row_Count(t), 0);
    const Table_Slot* s = Table_Of(t);
    EXPECT_EQ(s->first_row, nullptr);
    EXPECT_EQ(s->last_row, nullptr);
    EXPECT_NE(s->first_column, nullptr);   // columns stay

    const Row r{4, 0, 4};
    Set_Table_Template_Row(t, &r);
    Append_Table_Row(t, &r);
    EXPECT_NE(Get_First_Table_Row(t), nullptr);
    Delete_Table(t);
    EXPECT_EQ(Get_Next_Table_Row(t), nullptr);
    EXPECT_EQ(Table_Of(t), nullptr);
}

TEST_F(Table_Records, TemplateIsACopyAndNullRecordsDoNothing) {
    const int t = New_Table();
    Set_Table_Template_Row(t, nullptr);
    EXPECT_EQ(Table_Of(t)->template_row, nullptr);
    Row r{1, 2, 5};
    Set_Table_Template_Row(t, &r);
    r.tag = 6;
    Set_Table_Template_Row(t, &r);   // copied again into the same template
    r.tag = 7;
    const Table_Row_Node* tmpl = Table_Of(t)->template_row;
    ASSERT_NE(tmpl, nullptr);
    EXPECT_EQ(reinterpret_cast<const Row*>(tmpl->record)->tag, 6);
    Set_Table_Template_Row(t, nullptr);
    EXPECT_EQ(Table_Of(t)->template_row, tmpl);
    EXPECT_EQ(reinterpret_cast<const Row*>(tmpl->record)->tag, 6);
    EXPECT_EQ(Get_Table_Row_Count(t), 0);   // the template is no row
}

TEST_F(Table_Records, ColumnsKeepTheirFormatCutAndOnlyDoublesInsideTheRecord) {
    const int t = New_Table();
    const std::string long_format = "%14.8f" + std::string(40, 'x');
    struct Case {
        const char* format;
        int offset;
        int flags;
        bool added;
        std::string kept;
        int sortable, fillable;
    };
    const Case cases[] = {
        {nullptr, Offset_A, 1, true, "%14.8f", 1, 0},
        {"%8.3f", Offset_B, 2, true, "%8.3f", 0, 2},
        {long_format.c_str(), Offset_B, 3, true, long_format.substr(0, 35), 1, 2},
        {"%8.3f", Row_Size - 8, 0, true, "%8.3f", 0, 0},   // the last double that fits
        {"%8.3f", Row_Size - 7, 3, false, "", 0, 0},
        {"%8.3f", -1, 3, false, "", 0, 0},
    };
    const Table_Column* last = nullptr;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        Add_Table_Column(t, 100, 20, 77, c.flags, c.format, c.offset);
        const Table_Column* now = Table_Of(t)->last_column;
        if (!c.added) {
            EXPECT_EQ(now, last);
            continue;
        }
        ASSERT_NE(now, last);
        EXPECT_EQ(std::string(now->format.data()), c.kept);
        EXPECT_EQ(now->offset, c.offset);
        EXPECT_EQ(now->sortable, c.sortable);
        EXPECT_EQ(now->fillable, c.fillable);
        EXPECT_EQ(now->spare, 77);
        last = now;
    }
    int count = 0;
    for (const Table_Column* c = Table_Of(t)->first_column; c; c = c->next) ++count;
    EXPECT_EQ(count, 4);
}

TEST_F(Table_Records, MoveTakesTheRightEdgeAndEverySortButtonAlong) {
    const int t = New_Table();   // top 30, x 10, x2 300
    Add_Table_Column(t, 50, 10, 0, 1, nullptr, Offset_A);
    Add_Table_Column(t, 150, 12, 0, 1, nullptr, Offset_B);
    Move_Table(t, 40, 30);
    const Table_Slot* s = Table_Of(t);
    EXPECT_EQ(s->top, 40);
    EXPECT_EQ(s->x, 30);
    EXPECT_EQ(s->x2, 320);
    EXPECT_EQ(s->first_column->x, 70);
    EXPECT_EQ(s->first_column->y, 20);
    EXPECT_EQ(s->last_column->x, 170);
    EXPECT_EQ(s->last_column->y, 22);
}

TEST_F(Table_Records, SortMovesRecordsNotRowsAndLeavesEqualValues) {
    struct Case {
        std::vector<double> values;
        bool ascending;
        std::vector<double> sorted;
        std::vector<int> tags;
    };
    const Case cases[] = {
        {{3, 1, 2}, true, {1, 2, 3}, {2, 3, 1}},
        {{3, 1, 2}, false, {3, 2, 1}, {1, 3, 2}},
        {{2, 2, 2}, true, {2, 2, 2}, {1, 2, 3}},
        {{2, 2, 2}, false, {2, 2, 2}, {1, 2, 3}},
        {{5, 1, 5}, false, {5, 5, 1}, {1, 3, 2}},
        {{}, true, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.values) + (c.ascending ? " auf" : " ab"));
        const int t = Table_Of_Values(c.values);
        std::vector<const Table_Row_Node*> nodes;
        for (const Table_Row_Node* n = Table_Of(t)->first_row; n; n = n->next) nodes.push_back(n);
        Sort_Table_Column(t, *Table_Of(t)->first_column, c.ascending);
        EXPECT_EQ(Column_A(t), c.sorted);
        EXPECT_EQ(Tags(t), c.tags);
        std::vector<const Table_Row_Node*> after;
        for (const Table_Row_Node* n = Table_Of(t)->first_row; n; n = n->next) after.push_back(n);
        EXPECT_EQ(after, nodes);
        Delete_Table(t);
    }
}

TEST_F(Table_Records, FillWholeColumnOrARangeOfRows) {
    struct Case {
        const char* what;
        Column_Fill fill;
        std::vector<double> expected;
    };
    const Case cases[] = {
        {"range 2 to 3", {2, 10, 5, 2, 3}, {0, 10, 15, 0, 0}},
        {"whole column", {1, 1, 0.5, 4, 4}, {1, 1.5, 2, 2.5, 3}},
        {"range read rounded: 1.5 to 3.4 is 2 to 3", {2, 10, 5, 1.5, 3.4}, {0, 10, 15, 0, 0}},
        {"range 2.5 to 9 is 3 to 5", {2, 7, 1, 2.5, 9}, {0, 0, 7, 8, 9}},
        {"range before the rows", {2, 7, 1, -3, -0.4}, {0, 0, 0, 0, 0}},
        {"range from 0: row 1 is the second value", {2, 7, 1, 0, 2}, {8, 9, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int t = Table_Of_Values({0, 0, 0, 0, 0});
        Fill_Table_Column(t, *Table_Of(t)->first_column, c.fill);
        EXPECT_EQ(Column_A(t), c.expected);
        EXPECT_EQ(Tags(t), (std::vector<int>{1, 2, 3, 4, 5}));
        Delete_Table(t);
    }
}

TEST_F(Table_Records, MenuCallbacksWithoutAMenuRunDoNothing) {
    const int t = Table_Of_Values({3, 1, 2});
    Sort_Table_Column_Ascending();
    Sort_Table_Column_Descending();
    Run_Column_Fill_Dialog();
    Run_Table_Column_Menu(t, nullptr);
    Run_Table_Column_Menu(-1, Table_Of(t)->first_column);
    EXPECT_EQ(Column_A(t), (std::vector<double>{3, 1, 2}));
}

namespace {

// One float cell per row at (x + 60, y + 14) bound to the row's a.
void Cell_Painter(int, int area, int x, int y, void* record) {
    Add_Float_Field_to_View_Area(area, x + 60, y + 14, &static_cast<Row*>(record)->a, "%6.1f", 0, 0, nullptr);
}

struct Item_Place {
    View_Item_Kind kind;
    int x1, y1, x2, y2;
    bool operator==(const Item_Place&) const = default;
};
void PrintTo(const Item_Place& p, std::ostream* os) {
    *os << static_cast<int>(p.kind) << "@" << p.x1 << "," << p.y1 << "," << p.x2 << "," << p.y2;
}

class Table_View : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        Free_All_Tables();
        area = Create_Scrollable_View_Area(100, 100, 500, 400, 1, 1);
    }
    void TearDown() override {
        Free_All_Tables();
        View_Area_Sheet::TearDown();
    }
    const std::vector<View_Area_Item>& Items() const { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
    std::vector<Item_Place> Places() const {
        std::vector<Item_Place> p;
        for (const View_Area_Item& it : Items()) p.push_back({it.kind, it.x1, it.y1, it.x2, it.y2});
        return p;
    }
};

}  // namespace

TEST_F(Table_View, RowsWithEveryControlAndAColumn) {
    const int t = Create_Table(area, 40, 10, 300, 24, Row_Size, Cell_Painter);
    Set_Table_Row_Button(t, Table_Delete_Button, 200, 3);
    Set_Table_Row_Button(t, Table_Duplicate_Button, 220, 3);
    Set_Table_Row_Button(t, Table_Append_Line, 30, 2);
    Set_Table_Row_Button(t, Table_Row_Numbers, 40, 15);
    Add_Table_Column(t, 90, 20, 0, 3, nullptr, Offset_A);
    const Row r{1, 0, 1};
    Append_Table_Row(t, &r);
    Append_Table_Row(t, &r);
    Build_Table_View(t);
    using K = View_Item_Kind;
    const std::vector<Item_Place> expected = {
        // row 1 at top 40: background from 6 px higher
        {K::Filled_Rectangle, 10, 34, 300, 64}, {K::Float_Field, 70, 54, 0, 0},
        {K::DIB_Image, 210, 43, 224, 59}, {K::Hot_Spot, 210, 43, 224, 59},
        {K::DIB_Image, 230, 43, 248, 59}, {K::Hot_Spot, 230, 43, 248, 59},
        {K::Text, 38, 55, 0, 0},   // "1:", 12 px wide, ends at 50
        // row 2 at top 64
        {K::Filled_Rectangle, 10, 64, 300, 88}, {K::Float_Field, 70, 78, 0, 0},
        {K::DIB_Image, 210, 67, 224, 83}, {K::Hot_Spot, 210, 67, 224, 83},
        {K::DIB_Image, 230, 67, 248, 83}, {K::Hot_Spot, 230, 67, 248, 83},
        {K::Text, 38, 79, 0, 0},
        // the append line at top 88, then the column's sort button
        {K::Filled_Rectangle, 10, 88, 300, 107}, {K::DIB_Image, 40, 90, 75, 106}, {K::Hot_Spot, 40, 90, 75, 106},
        {K::DIB_Image, 76, 12, 104, 28}, {K::Hot_Spot, 76, 12, 104, 28},
    };
    std::vector<Item_Place> got = Places();
    for (Item_Place& p : got)   // texts and fields keep other meanings in x2, y2
        if (p.kind == K::Float_Field || p.kind == K::Text) p.x2 = p.y2 = 0;
    EXPECT_EQ(got, expected);

    const auto& items = Items();
    EXPECT_EQ(items[0].colour, Nearest_Color_Index(232, 232, 232));
    EXPECT_EQ(items[2].image, Table_Icon_Image(Table_Icon::Delete));
    EXPECT_EQ(items[3].text, "Zeile l\x94schen");
    EXPECT_EQ(items[3].state, 18);
    EXPECT_EQ(items[3].own_value, 1);
    EXPECT_EQ(items[10].own_value, 2);   // row 2's delete button
    EXPECT_EQ(items[4].image, Table_Icon_Image(Table_Icon::Duplicate));
    EXPECT_EQ(items[5].text, "Zeile duplizieren");
    EXPECT_EQ(items[6].text, "1:");
    EXPECT_EQ(items[13].text, "2:");
    EXPECT_EQ(items[6].colour, Nearest_Color_Index(130, 130, 130));
    EXPECT_EQ(items[6].font, 4096);
    EXPECT_EQ(items[15].image, Table_Icon_Image(Table_Icon::Append));
    EXPECT_EQ(items[16].text, "neue Zeile anf\x81gen");
    EXPECT_EQ(items[16].own_value, Table_Append_Marker);
    EXPECT_EQ(items[17].image, Table_Icon_Image(Table_Icon::Sort));
    EXPECT_EQ(items[18].state, 18);
    EXPECT_EQ(items[18].own_value, 1);
}

TEST_F(Table_View, MaximumReachedGreysDuplicatesAndDropsTheAppendLineOnly) {
    const int t = Create_Table(area, 40, 10, 300, 24, Row_Size, Cell_Painter);
    Set_Table_Row_Button(t, Table_Duplicate_Button, 220, 3);
    Set_Table_Row_Button(t, Table_Append_Line, 30, 2);
    Set_Table_Max_Rows(t, 3);
    const Row r{1, 0, 1};
    for (int k = 0; k < 3; ++k) Append_Table_Row(t, &r);
    Build_Table_View(t);
    int greyed = 0, spots = 0;
    for (const View_Area_Item& it : Items()) {
        if (it.kind == View_Item_Kind::DIB_Image) {
            EXPECT_EQ(it.image, Table_Icon_Image(Table_Icon::Duplicate_Greyed));
            ++greyed;
        }
        if (it.kind == View_Item_Kind::Hot_Spot) ++spots;
    }
    EXPECT_EQ(greyed, 3);
    EXPECT_EQ(spots, 0);
    Append_Table_Row(t, &r);   // the maximum binds the buttons only
    EXPECT_EQ(Get_Table_Row_Count(t), 4);
}
