// The comment editor sheet, run headless on scripts: its size on the screen, confirming, cancelling
// and help; and the wrapped texts it shares with the report, added to a view area.
#include "gui/user_comment_editor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "gui/sheet_trace.h"

namespace {

struct Editor_Run {
    char* result = nullptr;
    std::string trace;   // sheets, codes and help
};

char* Heap_Text(const std::string& text) {
    char* p = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(p, text.c_str(), text.size() + 1);
    return p;
}

// Runs the editor on the text on a screen of the size. The program's bitmaps are those it ships.
Editor_Run Edit(char* text, const std::string& script, int width = 1024, int height = 768) {
    setenv("EXEC", BASIS_SOURCE_DIR "/host/EXEC", 1);
    Editor_Run run;
    const Headless_Run_Result headless = Run_Headless(script, [&] {
        Host_Open_Screen(width, height);
        Init_Prop_Sheets();
        run.result = Edit_User_Comment(text, "Vorbemerkungen");
        Release_All_View_Areas();
        Exit_Prop_Sheets();
        Exit_Grafik_Mode();
        return 0;
    });
    run.trace = Trace_Lines(headless.trace, {"sheet", "help"});
    return run;
}

// The points of a scripted edit on 1024 x 768. The sheet reopens where it was left, so a first run
// without input finds it. Its view area starts 5 px inside and 34 px below the top; the 36-px
// buttons stand at y 15 of the area and x = area width - 120, - 80, - 40.
struct Editor_Points {
    std::string cancel, help, confirm;
    int field_x = 0, field_y = 0;   // in the text field
    int out_x = 0, out_y = 0;       // on the hint texts
    Editor_Points() {
        const Traced_Sheet r = Defined_Sheet(Edit(nullptr, "").trace);
        const int ax = r.x1 + 5, ay = r.y1 + 34, aw = r.x2 - 5 - ax;
        cancel = Click(ax + aw - 120 + 18, ay + 33);
        help = Click(ax + aw - 80 + 18, ay + 33);
        confirm = Click(ax + aw - 40 + 18, ay + 33);
        field_x = ax + 300, field_y = ay + 72;
        out_x = ax + 150, out_y = ay + 12;
    }
    // Into the text field, to its end, type, and out onto the hint texts.
    std::string type(const std::string& text) const {
        return Click(field_x, field_y) + "key Ctrl+End\ntype \"" + text + "\"\n" + Click(out_x, out_y);
    }
    std::string home_type(const std::string& text) const {
        return Click(field_x, field_y) + "key Ctrl+Home\ntype \"" + text + "\"\n" + Click(out_x, out_y);
    }
};

}  // namespace

TEST(Edit_User_Comment, SheetSizeFollowsTheScreen) {
    struct Case {
        int width, height;
        int sheet_width;
    };
    const Case cases[] = {{1024, 768, 600}, {800, 600, 550}, {640, 480, 430}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const Editor_Run run = Edit(nullptr, "", c.width, c.height);
        ASSERT_NE(run.trace.find("sheet define 1 "), std::string::npos) << run.trace;
        const Traced_Sheet r = Defined_Sheet(run.trace);
        EXPECT_EQ(r.x2 - r.x1 + 1, c.sheet_width);
        EXPECT_EQ(r.y2 - r.y1 + 1, 400);
        EXPECT_EQ(run.result, nullptr);
    }
}

// "bestätigen" hands back a fresh copy of the edited text; the old text is released (the sanitizer
// would report a second release or a leak of the caller's block as the run goes on).
TEST(Edit_User_Comment, ConfirmReturnsAFreshCopyOfTheEditedText) {
    const Editor_Points at;
    char* old = Heap_Text("Alt\n");
    const Editor_Run run = Edit(old, at.type("neu") + at.confirm);
    ASSERT_NE(run.result, nullptr);
    EXPECT_STREQ(run.result, "Altneu\n");   // typed before the final line end
    std::free(run.result);

    // Without a text the buffer starts as one line end.
    const Editor_Run fresh = Edit(nullptr, at.type("Hallo") + at.confirm);
    ASSERT_NE(fresh.result, nullptr);
    EXPECT_STREQ(fresh.result, "Hallo\n");
    std::free(fresh.result);
}

// "abbrechen", Esc and the close of the sheet give back the caller's pointer as it was, whatever was
// typed.
TEST(Edit_User_Comment, CancelKeepsTheOldText) {
    const Editor_Points at;
    const std::string ways[] = {at.cancel, "key Esc\n"};
    for (const std::string& way : ways) {
        SCOPED_TRACE(way);
        char* old = Heap_Text("Alt");
        const Editor_Run run = Edit(old, at.type(" verworfen") + way);
        EXPECT_EQ(run.result, old);
        EXPECT_STREQ(old, "Alt");
        std::free(old);
    }
}

// "Hilfe" shows the topic and the sheet stays open for the next button.
TEST(Edit_User_Comment, HelpKeepsTheSheetOpen) {
    const Editor_Points at;
    const Editor_Run run = Edit(nullptr, at.help + at.type("Text") + at.confirm);
    EXPECT_NE(run.trace.find("help \"USER_COMMENT\"\n"), std::string::npos) << run.trace;
    ASSERT_NE(run.result, nullptr);
    EXPECT_STREQ(run.result, "Text\n");
    std::free(run.result);
}

// The buffer holds four times a long text, so a text of 5000 characters still takes more; a buffer
// of the 5000-character floor would be full.
TEST(Edit_User_Comment, LongTextsGetRoomToGrow) {
    char* old = Heap_Text(std::string(5000, 'a'));
    const Editor_Points at;
    const Editor_Run run = Edit(old, at.home_type("xy") + at.confirm);
    ASSERT_NE(run.result, nullptr);
    const std::string edited = run.result;
    EXPECT_EQ(edited.size(), 5002u);
    EXPECT_EQ(edited.substr(0, 4), "xyaa");
    std::free(run.result);
}

// The wrapped lines become text items at x and a running baseline; empty lines take their step
// without an item, and the lines are measured in the font asked for (font 0 is 8 px a character,
// 0x1002 5 px).
class Draw_Wrapped_Text_Area : public View_Area_Sheet {};

TEST_F(Draw_Wrapped_Text_Area, LinesBecomeTextItems) {
    struct Case {
        const char* text;
        int width, font;
        std::string items;   // "y text|" per item
        int y_after;
    };
    const Case cases[] = {
        {"A\n\nB", 600, 0, "20 A|50 B|", 65},
        {"eins zwei", 40, 0, "20 eins |35 zwei|", 50},
        {"abcdefgh", 20, 0x1002, "20 abcde|35 fgh|", 50},
        {"", 600, 0, "", 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const int area = Create_Scrollable_View_Area(100, 100, 500, 400, 0, 0);
        const int font_before = Host_Current_Font();
        int y = 20;
        Draw_Wrapped_Text(area, 12, c.width, &y, c.text, c.font, 0x123456, 15);
        std::string items;
        for (const View_Area_Item& it : View_Area_Of(area)->items) {
            EXPECT_EQ(it.kind, View_Item_Kind::Text);
            EXPECT_EQ(it.x1, 12);
            EXPECT_EQ(it.font, c.font);
            EXPECT_EQ(it.colour, 0x123456);
            items += std::to_string(it.y1) + " " + it.text + "|";
        }
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(y, c.y_after);
        EXPECT_EQ(Host_Current_Font(), font_before);
        Release_View_Area(area);
    }
}
