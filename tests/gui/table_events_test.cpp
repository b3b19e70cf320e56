// The table editor driven by headless scripts: the row buttons, the append line, cell edits with Up
// and Down through a scrolling area, a click outside the table, the column menu with its sort and
// fill sheet, and the icons on the screen.
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
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"

namespace {

struct Row {
    double a = 0;
    double b = 0;
    int tag = 0;
};

// Two float cells per row: a at content (x + 60, y + 16), b at (x + 160, y + 16).
void Two_Cells(int, int area, int x, int y, void* record) {
    Row* r = static_cast<Row*>(record);
    Add_Float_Field_to_View_Area(area, x + 60, y + 16, &r->a, "%6.1f", 0, 0, nullptr);
    Add_Float_Field_to_View_Area(area, x + 160, y + 16, &r->b, "%6.1f", 0, 0, nullptr);
}

std::string Click(int x, int y) { return "click " + std::to_string(x) + " " + std::to_string(y) + "\n"; }

// The area covers the screen from (100, 100) to (483, 383) (sliders taken off, no frame); the table
// stands at content top 40, x 10 to 360, rows of 24 px: row k (from 1) has its top at content
// 16 + 24 k, its cell a at screen x 170, baseline 100 + 32 + 24 k - scroll.
class Table_Events : public View_Area_Sheet {
  protected:
    int area = -1;
    int table = -1;
    std::vector<int> results;
    std::string trace;
    int left_after = -1;   // M_LEFT after the last handling

    void SetUp() override {
        View_Area_Sheet::SetUp();
        for (int k = 0; k < Table_Slots; ++k) Delete_Table(k);
        area = Create_Scrollable_View_Area(100, 100, 500, 400, 1, 1);
        Set_View_Area_Frame(area, 0);
        table = Create_Table(area, 40, 10, 360, 24, sizeof(Row), Two_Cells);
    }
    void TearDown() override {
        Delete_Tables_Of_Area(area);
        View_Area_Sheet::TearDown();
    }
    void Rows(int n) {
        for (int k = 1; k <= n; ++k) {
            const Row r{static_cast<double>(k), 10.0 * k, k};
            Append_Table_Row(table, &r);
        }
    }
    // The page's loop: build, show, handle, until the input ends.
    void Run(const std::string& script, int scroll_y = 0) {
        results.clear();
        trace = Run_Headless(script, [&] {
                    Clear_View_Area(area);
                    Build_Table_View(table);
                    Scrollable_View_Areas[static_cast<std::size_t>(area)].origin_y = scroll_y;
                    Show_View_Area(area);
                    for (int k = 0; k < 40 && getkeymask() == 0; ++k) {
                        Clear_View_Area(area);
                        Build_Table_View(table);
                        Show_View_Area(area);
                        results.push_back(Handle_Table_Event(table));
                        left_after = M_LEFT;
                    }
                    return 0;
                }).trace;
        // The last handling saw the end of the input.
        if (!results.empty() && results.back() == 0) results.pop_back();
    }
    std::vector<int> Tags() {
        std::vector<int> tags;
        for (void* r = Get_First_Table_Row(table); r; r = Get_Next_Table_Row(table)) tags.push_back(static_cast<Row*>(r)->tag);
        return tags;
    }
    std::vector<double> A() {
        std::vector<double> values;
        for (void* r = Get_First_Table_Row(table); r; r = Get_Next_Table_Row(table)) values.push_back(static_cast<Row*>(r)->a);
        return values;
    }
    int Scroll_Y() { return Scrollable_View_Areas[static_cast<std::size_t>(area)].origin_y; }
};

}  // namespace

TEST_F(Table_Events, RowButtonsAppendLineAndACellEdit) {
    Set_Table_Row_Button(table, Table_Delete_Button, 250, 4);
    Set_Table_Row_Button(table, Table_Duplicate_Button, 270, 4);
    Set_Table_Row_Button(table, Table_Append_Line, 30, 2);
    Set_Table_Row_Button(table, Table_Row_Numbers, 40, 16);
    const Row blank{0, 0, 9};
    Set_Table_Template_Row(table, &blank);
    Rows(5);
    // Delete icons at screen x 360..374, duplicate icons at 380..398, 4..20 px below the row's top.
    Run(Click(367, 100 + 64 + 12)                           // delete row 2
        + Click(389, 100 + 40 + 12)                         // duplicate row 1
        + Click(157, 100 + 160 + 10)                        // the append line below row 5
        + Click(180, 100 + 32 + 24 * 4 - 4)                 // row 4's cell a: 4.0 (tag 4)
        + "key Backspace Backspace Backspace\ntype \"42\"\nkey Esc\n"   // Esc: kept as it was
        + Click(180, 100 + 32 + 24 * 4 - 4) + "key Backspace Backspace Backspace\ntype \"42\"\nkey Enter\n"
        + "key Esc\n");                                     // the Enter chain opened b: left
    EXPECT_EQ(results, (std::vector<int>{2, 2, 2, 1, 1}));
    EXPECT_EQ(Tags(), (std::vector<int>{1, 1, 3, 4, 5, 9}));
    EXPECT_EQ(A(), (std::vector<double>{1, 1, 3, 42, 5, 0}));
    EXPECT_EQ(Get_Table_Row_Count(table), 6);
    // The duplicate has a record of its own.
    Row* first = static_cast<Row*>(Get_First_Table_Row(table));
    Row* second = static_cast<Row*>(Get_Next_Table_Row(table));
    EXPECT_NE(first, second);
    EXPECT_EQ(std::memcmp(first, second, sizeof(Row)), 0);
    EXPECT_NE(trace.find("cursor 18"), std::string::npos);
}

TEST_F(Table_Events, DeletingTheOnlyRowAndAppendingWithoutATemplate) {
    Set_Table_Row_Button(table, Table_Delete_Button, 250, 4);
    Set_Table_Row_Button(table, Table_Append_Line, 30, 2);
    Rows(1);
    Run(Click(367, 100 + 40 + 12)             // delete the only row
        + Click(157, 100 + 40 + 10));         // append without a template: nothing
    EXPECT_EQ(results, (std::vector<int>{2, 1}));
    EXPECT_EQ(Get_Table_Row_Count(table), 0);
    EXPECT_EQ(Table_Of(table)->first_row, nullptr);
    EXPECT_EQ(Table_Of(table)->last_row, nullptr);
    EXPECT_EQ(Table_Of(table)->append_request, 0);
}

TEST_F(Table_Events, UpAndDownOpenTheSameCellAndScrollAtTheEdges) {
    Rows(20);
    struct Case {
        const char* what;
        int top;
        int scroll_y;
        std::string script;
        std::vector<double> changed;   // a of rows 1..20 that differ from their number: row, value
        int scroll_after;
    };
    const std::string clear = "key Backspace Backspace Backspace Backspace Backspace Backspace\n";
    const Case cases[] = {
        // Row 10's cell at baseline 372 (sy 0); Down to row 11 passes 369 and scrolls by one row.
        {"down at the bottom", 40, 0,
         Click(180, 100 + 32 + 240 - 4) + clear + "type \"100\"\nkey Down\n" + clear + "type \"110\"\nkey Up\n" + clear +
             "type \"101\"\nkey Enter\nkey Esc\n",
         {10, 101, 11, 110}, 24},
        // Rows scrolled by 136: row 5's top at the area's top edge; Up from row 6 scrolls back 24.
        {"up at the top", 40, 136,
         Click(180, 100 + 32 + 144 - 136 - 4) + clear + "type \"60\"\nkey Up\n" + clear + "type \"50\"\nkey Up\n" + clear +
             "type \"40\"\nkey Enter\nkey Esc\n",
         {4, 40, 5, 50, 6, 60}, 88},
        // The table at top 10, rows scrolled by 12 only: Up from row 2 scrolls 12, as far as the area can.
        {"up scrolls what is left", 10, 12,
         Click(180, 100 + 50 - 12 - 4) + clear + "type \"20\"\nkey Up\n" + clear + "type \"10\"\nkey Enter\nkey Esc\n",
         {1, 10, 2, 20}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear_Table_Rows(table);
        Rows(20);
        Move_Table(table, c.top, 10);
        Run(c.script, c.scroll_y);
        std::vector<double> changed;
        int k = 1;
        for (const double v : A()) {
            if (v != k) {
                changed.push_back(k);
                changed.push_back(v);
            }
            ++k;
        }
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(Scroll_Y(), c.scroll_after);
        EXPECT_EQ(results, (std::vector<int>{1}));
    }
}

TEST_F(Table_Events, PastTheFirstOrLastRowTheLoopEndsWithoutAFalseClick) {
    Set_Table_Row_Button(table, Table_Append_Line, 50, 2);   // its icon under the cells a
    const Row blank{0, 0, 9};
    Set_Table_Template_Row(table, &blank);
    Add_Table_Column(table, 70, 20, 0, 3, nullptr, 0);   // its sort button over the cells a
    Rows(3);
    // Down from row 3 would reach the append line, Up from row 1 the sort button.
    Run(Click(180, 100 + 32 + 72 - 4) + "type \"7\"\nkey Down\n" + Click(180, 100 + 32 + 24 - 4) + "type \"8\"\nkey Up\n");
    EXPECT_EQ(results, (std::vector<int>{1, 1}));
    EXPECT_EQ(left_after, 0);
    EXPECT_EQ(Get_Table_Row_Count(table), 3);
    EXPECT_EQ(A(), (std::vector<double>{1.08, 2, 3.07}));
    EXPECT_EQ(trace.find("menu "), std::string::npos);
}

TEST_F(Table_Events, ClickOutsideTheTableIsLeftToThePage) {
    Add_Table_Column(table, 70, 20, 0, 3, nullptr, 0);
    Rows(2);
    struct Case {
        int x, y;
        int result;
    };
    const Case cases[] = {
        {105, 150, 0},   // left of x
        {200, 110, 0},   // above the sort buttons' strip, 25 px over the rows
        {470, 150, 0},   // right of x2
        {200, 192, 0},   // below the last row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        int pressed = -1;
        const int r = Run_Headless("move " + std::to_string(c.x) + " " + std::to_string(c.y) + "\ndown\n", [&] {
                          Clear_View_Area(area);
                          Build_Table_View(table);
                          Show_View_Area(area);
                          const int result = Handle_Table_Event(table);
                          pressed = M_LEFT;
                          return result;
                      }).exit_code;
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(pressed, 1);   // the user's press stays for the page
    }
}
