// The notice sheet: notice lines drawn as labels on the current page, and the sheet over a queue run
// by scripts (its size, the check box, the ticked answer).
#include "gui/notice_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/notice_output.h"
#include "gui/page_context.h"
#include "gui/view_area_fixture.h"
#include "gui/view_area_item.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "gui/sheet_trace.h"

namespace {

struct Label {
    std::string text;
    int colour;
    int style;   // 0 plain, 1 bold, 2 and 3 shadows
    bool operator==(const Label&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Label& l) {
    return out << "{" << l.text << ", " << l.colour << ", " << l.style << "}";
}

// The painting fixture's area as the current page, notices in mode 4 drawn on it.
class Notice_Lines : public View_Area_Painting_Sheet {
  protected:
    void SetUp() override {
        View_Area_Painting_Sheet::SetUp();
        Install_Notice_Sheet();
        Switch_Notices_On();
        Set_Notice_Console_Fallback(0);
        Select_Page_Context(area);
        Set_Notice_Output_Mode(4);
    }
    void TearDown() override {
        Select_Page_Context(-1);
        Set_Notice_Output_Mode(0);
        View_Area_Painting_Sheet::TearDown();
    }
    const std::vector<View_Area_Item>& Items() const { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
    std::vector<Label> Labels() const {
        std::vector<Label> out;
        for (const View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Text) out.push_back({it.text, it.colour, it.x2});
        return out;
    }
};

TEST_F(Notice_Lines, StylePairsSetTheFontAndTheLineStep) {
    Print_Notice("^b^pfett");
    Print_Notice("^2halbe Zeile\n");
    Print_Notice("normal");
    const int black = Nearest_Color_Index(0, 0, 0);
    EXPECT_EQ(Labels(), (std::vector<Label>{{"fett", black, 1}, {"halbe Zeile", black, 0}, {"normal", black, 0}}));
    ASSERT_EQ(Items().size(), 3u);
    EXPECT_EQ(Items()[0].font, 0);      // ^p toggled the plain font 4096 off
    EXPECT_EQ(Items()[1].font, 4096);
    EXPECT_EQ(Items()[1].y1 - Items()[0].y1, 16);
    EXPECT_EQ(Items()[2].y1 - Items()[1].y1, 8);
    EXPECT_EQ(Items()[0].x1, Items()[2].x1);   // x stays at the write position
}

TEST_F(Notice_Lines, EscapesInsideALine) {
    const int black = Nearest_Color_Index(0, 0, 0);
    struct Case {
        const char* name;
        std::string line;
        std::vector<Label> labels;
    };
    const Case cases[] = {
        {"coloured run between plain text", "a╬C5 rot╬rb"_cp, {{"a", black, 0}, {"rot", 5, 0}, {"b", black, 0}}},
        {"shadowed run", "x╬Bschatten╬by"_cp, {{"x", black, 0}, {"schatten", black, 2}, {"y", black, 0}}},
        {"other escapes are not drawn", "╬Xweg╬x sichtbar"_cp, {{" sichtbar", black, 0}}},
        {"only the closing letter follows", "a╬C5 rot╬r"_cp, {{"a", black, 0}, {"rot", 5, 0}}},
        {"unclosed run ends the line", "a╬C12 blau"_cp, {{"a", black, 0}, {"blau", 12, 0}}},
        {"colour run without a blank draws nothing", "a╬C5╬rb"_cp, {{"a", black, 0}, {"b", black, 0}}},
        {"escape at the very end", "a╬"_cp, {{"a", black, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clear_View_Area(area);
        Set_Notice_Output_Mode(4);
        Print_Notice("%s", c.line.c_str());
        EXPECT_EQ(Labels(), c.labels);
        EXPECT_EQ(Get_Page_Text_Colour(), black);   // the colour of a run is put back
        for (std::size_t k = 1; k < Items().size(); ++k) EXPECT_GT(Items()[k].x1, Items()[k - 1].x1);
    }
}

TEST_F(Notice_Lines, TheNextLabelStartsWhereTheLastEnded) {
    Print_Notice("%s", "ab╬C5 cd╬re"_cp);
    ASSERT_EQ(Items().size(), 3u);
    EXPECT_EQ(Items()[1].x1 - Items()[0].x1, Get_Label_Width("ab", 4096));
    EXPECT_EQ(Items()[2].x1 - Items()[1].x1, Get_Label_Width("cd", 4096));
}

TEST_F(Notice_Lines, WithoutAPageTheLineIsABox) {
    Select_Page_Context(-1);
    Clear_Host_Message_History();
    Print_Notice("^bkein Blatt");
    EXPECT_TRUE(Items().empty());
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History().back(), "kein Blatt");
}

struct Sheet_Run {
    int result = -1;
    Notice_Sheet_State sheet;   // as the sheet left it
    Traced_Sheet rect;
    std::string trace;
    int horizontal_slider = -1;   // whether the page's area had one while it was built
    int vertical_slider = -1;
};

// The area that the sheet's rows are drawn into, looked at while its page is built.
Notice_Sheet_Hooks sheet_hooks;
int page_hslider = -1, page_vslider = -1;
int Look_At_Page(int font, int x, int y, char* text) {
    if (Get_Page_Area() < 0) return sheet_hooks.draw_line(font, x, y, text);
    const Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(Get_Page_Area())];
    page_hslider = a.hslider != 0;
    page_vslider = a.vslider != 0;
    return sheet_hooks.draw_line(font, x, y, text);
}

// Shows a queue of the rows on a 1024 x 768 screen: confirmed, or asked with the label.
Sheet_Run Run_Sheet(const std::vector<std::string>& rows, const std::string& script, bool confirm,
                    const char* label = nullptr) {
    Sheet_Run run;
    const Headless_Run_Result headless = Run_Headless(script, [&] {
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        Release_All_View_Areas();
        Install_Notice_Sheet();
        sheet_hooks = Get_Notice_Sheet_Hooks();
        Notice_Sheet_Hooks looking = sheet_hooks;
        looking.draw_line = Look_At_Page;
        Set_Notice_Sheet_Hooks(looking);
        page_hslider = page_vslider = -1;
        Set_Notice_Output_Mode(0);
        const int q = Open_Notice_Queue();
        Set_Notice_Queue_Title(q, "Hinweise");
        for (const std::string& row : rows) Queue_Notice("%s", row.c_str());
        run.result = confirm ? Confirm_Notice_Queue() : Ask_Notice_Queue_Check(label);
        run.sheet = Notice_Sheet();
        Print_Notice("danach");   // mode 4 is in force, but no page is left to draw on
        run.horizontal_slider = page_hslider;
        run.vertical_slider = page_vslider;
        Close_Notice_Queue(q);
        return 0;
    });
    run.trace = headless.trace;
    run.rect = Defined_Sheet(headless.trace);
    return run;
}

TEST(NoticeSheet, SizeFollowsTheRowsAndTheCheckBox) {
    const std::vector<std::string> rows = {"^bHINWEIS: Blech zu dünn."_cp, "Randabstand e1 zu klein"};
    const int widest = std::max(Get_Label_Width("HINWEIS: Blech zu dünn."_cp, 4096),
                                Get_Label_Width("Randabstand e1 zu klein", 4096));
    const Sheet_Run run = Run_Sheet(rows, "", true);
    EXPECT_EQ(run.result, 1);   // nothing ticked
    EXPECT_EQ(run.sheet.width, widest + 40);
    EXPECT_EQ(run.horizontal_slider, 0);
    EXPECT_EQ(run.vertical_slider, 1);
    // Sheet: page area + margins 8 + 8; title bar 33, margins 8 + 8 and the button row 27.
    EXPECT_EQ(run.rect.x2 - run.rect.x1 + 1, widest + 40 + 16);
    EXPECT_EQ(run.rect.y2 - run.rect.y1 + 1, 2 * 16 + 70 + 33 + 16 + 27);
    // The check box below the rows, centred on a 245-pixel box, rounded half away from zero.
    EXPECT_EQ(run.sheet.y, 20 + 2 * 16 + 25);
    EXPECT_EQ(run.sheet.x, static_cast<int>(std::lround((widest + 40 - 245) / 2.0)));
    EXPECT_NE(run.trace.find("Hinweise"), std::string::npos);
    EXPECT_EQ(Trace_Lines(run.trace, {"message"}), "message \"\" \"danach\"\n");

    // Without the check box the page is 20 pixels lower; an empty queue is 40 wide.
    const Sheet_Run shown = Run_Sheet({}, "", false, nullptr);
    EXPECT_EQ(shown.result, 0);
    EXPECT_EQ(shown.sheet.width, 40);
    EXPECT_EQ(shown.rect.y2 - shown.rect.y1 + 1, 50 + 33 + 16 + 27);
    const Sheet_Run asked = Run_Sheet({}, "", false, "Nicht mehr fragen");
    EXPECT_EQ(asked.rect.y2 - asked.rect.y1 + 1, 70 + 33 + 16 + 27);
    EXPECT_EQ(asked.sheet.x, -103);   // (40 - 245) / 2 = -102.5
}

TEST(NoticeSheet, SixtyLongRowsAreCutTo800PixelsWithASlider) {
    std::vector<std::string> rows;
    for (int k = 0; k < 60; ++k) rows.push_back("Zeile " + std::to_string(k) + " " + std::string(150, 'W'));
    const Sheet_Run run = Run_Sheet(rows, "", true);
    EXPECT_EQ(run.horizontal_slider, 1);
    EXPECT_EQ(run.vertical_slider, 1);
    EXPECT_EQ(run.sheet.width, 800);
    EXPECT_EQ(run.rect.x2 - run.rect.x1 + 1, 816);
    EXPECT_EQ(run.sheet.y, 20 + 60 * 16 + 25);
    EXPECT_EQ(run.sheet.x, 278);   // (800 - 245) / 2 = 277.5
}

// Where a traced text line with the given text was drawn: "text 0 X Y FONT R,G,B \"TEXT\"".
struct Traced_Text {
    int x = -1, y = -1;
    std::string colour;
};
Traced_Text Find_Text(const std::string& trace, const std::string& text) {
    const std::size_t end = trace.find("\"" + text + "\"");
    if (end == std::string::npos) return {};
    const std::size_t begin = trace.rfind("text ", end);
    std::istringstream in(trace.substr(begin, end - begin));
    std::string word;
    int code = 0, font = 0;
    Traced_Text t;
    in >> word >> code >> t.x >> t.y >> font >> t.colour;
    return t;
}

TEST(NoticeSheet, TheTickAnswersConfirmAndAsk) {
    const std::vector<std::string> rows = {"Die Schraubenanordnung weicht von der Regel ab; bitte prüfen."_cp};
    const std::string standard = "Diesen Hinweis nicht nochmal anzeigen";

    // Where the check box's label stands, from a run without a click.
    const Sheet_Run look = Run_Sheet(rows, "", true);
    const Traced_Text box = Find_Text(look.trace, standard);
    ASSERT_GE(box.x, 0);
    EXPECT_EQ(box.colour, "130,130,130");
    const std::string tick = Click(box.x + 20, box.y - 4);

    struct Case {
        const char* name;
        std::string script;
        bool confirm;
        int result;
    };
    const Case cases[] = {
        {"confirmed without tick", "", true, 1},
        {"confirmed with tick", tick, true, 0},
        {"asked without tick", "", false, 0},
        {"asked with tick", tick, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Sheet_Run run = Run_Sheet(rows, c.script, c.confirm, "Nicht mehr fragen");
        EXPECT_EQ(run.result, c.result);
        EXPECT_EQ(run.sheet.offer_check, 0);
        EXPECT_EQ(run.sheet.check_label, nullptr);
        if (!c.confirm) {
            // The caller's label stands in black where the standard one stood.
            const Traced_Text own = Find_Text(run.trace, "Nicht mehr fragen");
            EXPECT_EQ(own.x, box.x);
            EXPECT_EQ(own.colour, "0,0,0");
            EXPECT_EQ(run.trace.find(standard), std::string::npos);
        }
    }
}

}  // namespace
