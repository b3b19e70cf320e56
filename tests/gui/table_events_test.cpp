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

namespace {

// Column a's sort button at content (70, 20): screen (156..184, 112..128).
const std::string Sort_Button = Click(170, 120);

// The fill sheet's top left corner on an 800 x 600 screen, where the sheet will open.
struct Fill_Sheet {
    int x1 = 0, y1 = 0;
    Fill_Sheet() {
        int cx = 0, cy = 0;
        Get_Column_Fill_Centre(&cx, &cy);
        x1 = cx - 163;
        y1 = cy - 119;
    }
    std::string at(int dx, int dy) const { return Click(x1 + dx, y1 + dy); }
    std::string whole() const { return at(115, 55); }
    std::string range() const { return at(140, 73); }   // on the text "Zeilenausschnitt"
    std::string first(const char* v) const { return at(100, 100) + "type \"" + v + "\"\nkey Enter\n"; }
    std::string last(const char* v) const { return at(247, 100) + "type \"" + v + "\"\nkey Enter\n"; }
    std::string start(const char* v) const { return at(207, 142) + "type \"" + v + "\"\nkey Enter\n"; }
    std::string increment(const char* v) const { return at(207, 174) + "type \"" + v + "\"\nkey Enter\n"; }
    std::string ok() const { return at(300, 221); }
    std::string cancel() const { return at(34, 221); }
};

}  // namespace

TEST_F(Table_Events, ColumnMenuSortsThroughItsSubMenuAndOnlyWhenSortable) {
    struct Case {
        const char* what;
        int flags;
        const char* path;
        std::vector<double> after;
        const char* traced;
    };
    const Case cases[] = {
        {"ascending", 3, "menu 1 1\n", {1, 2, 3}, "menu 1 \"aufsteigend\""},
        {"descending", 1, "menu 1 2\n", {3, 2, 1}, "menu 2 \"absteigend\""},
        {"not sortable: the entry is inactive", 2, "menu 1 1\n", {3, 1, 2}, "menu none"},
        {"nothing chosen", 3, "menu none\n", {3, 1, 2}, "menu none"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Delete_Table(table);
        table = Create_Table(area, 40, 10, 360, 24, sizeof(Row), Two_Cells);
        Add_Table_Column(table, 70, 20, 0, c.flags, "%6.1f", 0);
        for (const double v : {3.0, 1.0, 2.0}) {
            const Row r{v, 0, static_cast<int>(v)};
            Append_Table_Row(table, &r);
        }
        Run(std::string(c.path) + Sort_Button);
        EXPECT_EQ(results, (std::vector<int>{1}));
        EXPECT_EQ(A(), c.after);
        EXPECT_NE(trace.find(c.traced), std::string::npos) << trace;
    }
}

TEST_F(Table_Events, FillSheetByClicksAndTyping) {
    struct Case {
        const char* what;
        int rows;
        std::string (*script)(const Fill_Sheet&);
        std::vector<double> after;
    };
    const Case cases[] = {
        {"rows 2 to 3 of five from 10 by 5", 5,
         [](const Fill_Sheet& s) {
             return s.range() + s.first("2") + s.last("3") + s.start("10") + s.increment("5") + s.ok();
         },
         {1, 10, 15, 4, 5}},
        {"whole column from 3 by 2", 5, [](const Fill_Sheet& s) { return s.start("3") + s.increment("2") + s.ok(); },
         {3, 5, 7, 9, 11}},
        {"first 7 over last 5 makes the last 7", 8,
         [](const Fill_Sheet& s) { return s.range() + s.last("5") + s.first("7") + s.start("100") + s.ok(); },
         {1, 2, 3, 4, 5, 6, 100, 8}},
        {"last 2 under first 4 makes the first 2", 5,
         [](const Fill_Sheet& s) { return s.range() + s.first("4") + s.last("2") + s.start("100") + s.ok(); },
         {1, 100, 3, 4, 5}},
        {"the range fields take nothing before the choice", 5,
         [](const Fill_Sheet& s) { return s.at(100, 100) + "type \"3\"\n" + s.range() + s.start("10") + s.ok(); },
         {10, 10, 10, 10, 10}},
        {"back to the whole column", 5,
         [](const Fill_Sheet& s) { return s.range() + s.first("3") + s.whole() + s.start("10") + s.ok(); },
         {10, 10, 10, 10, 10}},
        {"break", 5, [](const Fill_Sheet& s) { return s.range() + s.first("2") + s.start("10") + s.cancel(); },
         {1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Delete_Table(table);
        table = Create_Table(area, 40, 10, 360, 24, sizeof(Row), Two_Cells);
        Add_Table_Column(table, 70, 20, 0, 2, "%6.1f", 0);
        Rows(c.rows);
        const Fill_Sheet sheet;
        Run("menu 2\n" + Sort_Button + c.script(sheet));
        EXPECT_EQ(results, (std::vector<int>{1}));
        EXPECT_EQ(A(), c.after);
        EXPECT_NE(trace.find("sheet define 2 " + std::to_string(sheet.x1) + "," + std::to_string(sheet.y1) + "," +
                             std::to_string(sheet.x1 + 326) + "," + std::to_string(sheet.y1 + 238) +
                             " \"Tabellenspalte belegen\""),
                  std::string::npos)
            << trace;
    }
}

TEST_F(Table_Events, FillSheetKeepsWhereTheUserLeftItEvenOnBreak) {
    Add_Table_Column(table, 70, 20, 0, 2, "%6.1f", 0);
    Rows(3);
    int cx = 0, cy = 0;
    Get_Column_Fill_Centre(&cx, &cy);
    const Fill_Sheet sheet;
    const std::string drag = "drag " + std::to_string(sheet.x1 + 60) + " " + std::to_string(sheet.y1 + 12) + " " +
                             std::to_string(sheet.x1 + 100) + " " + std::to_string(sheet.y1 + 32) + "\n";
    Run("menu 2\n" + Sort_Button + drag + Click(sheet.x1 + 40 + 34, sheet.y1 + 20 + 221));   // break, moved along
    EXPECT_EQ(A(), (std::vector<double>{1, 2, 3}));
    int nx = 0, ny = 0;
    Get_Column_Fill_Centre(&nx, &ny);
    EXPECT_EQ(nx, cx + 40);
    EXPECT_EQ(ny, cy + 20);
    // The next opening stands there.
    const Fill_Sheet moved;
    EXPECT_EQ(moved.x1, sheet.x1 + 40);
    Run("menu 2\n" + Sort_Button + moved.start("5") + moved.ok());
    EXPECT_EQ(A(), (std::vector<double>{5, 5, 5}));
}
