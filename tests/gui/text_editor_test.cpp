// The multi-line text editor: layout and painting from the trace of drawn texts, selection and
// caret by their pixels, and editing by scripted clicks, drags, wheel turns and keys on the
// headless host.
#include "gui/text_editor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "platform/screen_picture.h"

namespace {

constexpr int White = 0xFFFFFF, Black = 0, Grey = 0xBEBEBE, Area_Background = 0xFFFBF0;
constexpr int Selection = 0x99B4D1, Caret = 0x0000FF;
const int on = 1, off = 0;

// The texts drawn during a run, "Y text" in drawing order (x is always the box's x1 + 7 here).
std::vector<std::string> Drawn_Texts(const std::string& trace, int x) {
    std::vector<std::string> out;
    std::istringstream in(Trace_Lines(trace, {"text"}));
    std::string word, frame, font, colour, line;
    int tx = 0, ty = 0;
    while (in >> word >> frame >> tx >> ty >> font >> colour && std::getline(in, line)) {
        EXPECT_EQ(tx, x) << line;
        out.push_back(std::to_string(ty) + line);
    }
    return out;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

// One multi-line text item in an area at the sheet's (100, 100) to (500, 400), without frame or
// sliders. The box spans content (20, 20) to (320, 182): 300 px wide, so a line wraps when wider
// than 280 px (47 characters of the 6 px editor font), and 162 px high, so 10 lines follow the
// first one shown.
class Text_Editor : public View_Area_Sheet {
  protected:
    int area = -1;
    std::vector<char> buffer;
    int AX1 = 0, AY1 = 0, AX2 = 0, AY2 = 0;   // the area on the screen
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;       // the box on the screen
    std::string clipboard;                    // the clipboard after a run

    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(100, 100, 500, 400, 0, 0);
        Set_View_Area_Frame(area, 0);
        Get_View_Area_Screen_Origin(area, &AX1, &AY1);
        AX2 = AX1 + 400;
        AY2 = AY1 + 300;
        X1 = AX1 + 20;
        Y1 = AY1 + 20;
        X2 = AX1 + 320;
        Y2 = AY1 + 182;
    }

    void Add(const std::string& text, int max_length, const int* enabled = &on) {
        buffer.assign(static_cast<std::size_t>(max_length) + 1, '\0');
        std::memcpy(buffer.data(), text.data(), text.size());
        Clear_View_Area(area);
        Add_Multi_Line_Text_to_View_Area(area, 20, 20, 320, 182, buffer.data(), max_length, Black, White, 1, enabled);
    }
    const View_Area_Item& Item() { return View_Area_Of(area)->items.back(); }
    Text_Editor_State& State() { return *Item().editor; }
    std::string Text() const { return buffer.data(); }

    void Paint() { Paint_View_Area(0, 0, AX1, AY1, AX2, AY2, area); }
    // The texts drawn by one painting of the area.
    std::vector<std::string> Painted() {
        const Headless_Run_Result run = Run_Headless("", [&] {
            Paint();
            return 0;
        });
        return Drawn_Texts(run.trace, X1 + 7);
    }

    // The screen point whose click puts the caret before the character in the column of the line
    // shown at that row.
    std::string At(int column, int row) const {
        return std::to_string(X1 + 7 + 6 * column) + " " + std::to_string(Y1 + 12 + 14 * row);
    }

    // Paints the area, waits for the first left press and runs the editor on it, as the area's
    // event handling does; the body's result is the editor's. The clipboard is kept before the run
    // ends.
    Headless_Run_Result Edit(const std::string& script, const std::string& clipboard_before = "") {
        return Run_Headless(script, [&] {
            if (!clipboard_before.empty()) VEKSetClipboardText(clipboard_before.c_str());
            Paint();
            GetVEKMessage(0x2, nullptr);
            const int result = Edit_Multi_Line_Text(Item(), AX1, AY1, AX2, AY2, X1, Y1, X2, Y2);
            std::vector<char> text(20000, '\0');
            VEKGetClipboardText(text.data(), static_cast<int>(text.size()));
            clipboard = text.data();
            return result;
        });
    }
};

std::string Lines_Of(int n) {
    std::string s;
    for (int k = 1; k <= n; ++k) s += "Zeile " + std::string(k < 10 ? "0" : "") + std::to_string(k) + "\n";
    return s;
}

TEST_F(Text_Editor, LaysOutLinesAtTheirBaselinesAndWrapsPastTheWidth) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> lines;   // "row text": drawn on the baseline y1 + 16 + 14 row
    };
    const std::string a60(60, 'a'), x50(50, 'x');
    const Case cases[] = {
        {"a word longer than the box breaks after the character that makes it too wide",
         a60 + "\n", {"0 \"" + std::string(47, 'a') + "\"", "1 \"" + std::string(13, 'a') + "\""}},
        {"47 characters and the newline that follows them stay one line", std::string(47, 'b') + "\n",
         {"0 \"" + std::string(47, 'b') + "\""}},
        {"48 characters break after the 47th", std::string(48, 'c') + "\n",
         {"0 \"" + std::string(47, 'c') + "\"", "1 \"c\""}},
        {"a line breaks after its last blank", "ab " + x50 + "\n",
         {"0 \"ab \"", "1 \"" + std::string(47, 'x') + "\"", "2 \"xxx\""}},
        {"words move to the next line whole", [] {
             std::string s;
             for (int k = 0; k < 10; ++k) s += "wort ";
             return s + "\n";
         }(),
         {"0 \"wort wort wort wort wort wort wort wort wort \"", "1 \"wort \""}},
        {"an empty line keeps its row; a text without a final newline ends at its end", "eins\n\nzwei",
         {"0 \"eins\"", "2 \"zwei\""}},
    };
    for (const Case& c : cases) {
        Add(c.text, 200);
        const std::vector<std::string> drawn = Painted();
        std::vector<std::string> expected;
        for (const std::string& l : c.lines) {
            const int row = std::stoi(l.substr(0, l.find(' ')));
            expected.push_back(std::to_string(Y1 + 16 + 14 * row) + l.substr(l.find(' ')));
        }
        EXPECT_EQ(Joined(drawn), Joined(expected)) << c.what;
    }
}

TEST_F(Text_Editor, ShowsTheFirstLineAndTheTenThatFollowIt) {
    Add(Lines_Of(30), 400);
    const std::vector<std::string> drawn = Painted();
    ASSERT_EQ(drawn.size(), 11u);
    EXPECT_EQ(drawn.front(), std::to_string(Y1 + 16) + " \"Zeile 01\"");
    EXPECT_EQ(drawn.back(), std::to_string(Y1 + 156) + " \"Zeile 11\"");
    EXPECT_EQ(State().visible, 10);
    EXPECT_EQ(State().lines.size(), 31u);   // 30 lines and the end
}

TEST_F(Text_Editor, FrameIsDottedInBlackOrGreyWhenDisabled) {
    for (const int* enabled : {&on, &off}) {
        Add("x\n", 10, enabled);
        Painted();
        const int frame = *enabled ? Black : Grey;
        EXPECT_EQ(Screen_Picture(X1, Y1, X1 + 5, Y1, {{frame, '#'}, {Area_Background, '-'}}), "#-#-#-\n");
        EXPECT_EQ(Screen_Picture(X1, Y1 + 1, X1, Y1 + 4, {{frame, '#'}, {Area_Background, '-'}}), "-\n#\n-\n#\n");
        EXPECT_EQ(Host_Pixel(X1 + 1, Y1 + 1), White);   // the background fill stays 1 px inside the box
    }
}

TEST_F(Text_Editor, BoxScrolledOutOfTheAreaDrawsNothingOutsideIt) {
    Add("eins\nzwei\n", 50);
    // With the origin 200 px down the box lies wholly above the area; 150 px down it straddles the
    // area's top edge.
    for (const int oy : {200, 150}) {
        Open_White_Screen(800, 600);
        pxFgc(Black);
        pxRect(0, 0, 799, AY1 - 1);
        const Headless_Run_Result run = Run_Headless("", [&] {
            Paint_View_Area(0, oy, AX1, AY1, AX2, AY2, area);
            return 0;
        });
        int stray = 0;   // pixels above the area that the painting changed
        for (int y = 0; y < AY1; ++y)
            for (int x = 0; x < 800; ++x) stray += Host_Pixel(x, y) != Black;
        EXPECT_EQ(stray, 0) << oy;
        EXPECT_EQ(Host_Pixel(X1 + 5, AY1), oy == 150 ? White : Area_Background) << oy;
        // Wholly outside, the lines are not even handed to the library.
        EXPECT_EQ(Drawn_Texts(run.trace, X1 + 7).size(), oy == 200 ? 0u : 2u) << oy;
    }
}

TEST_F(Text_Editor, SelectionIsFilledBehindTheTextOfEachLineItTouches) {
    Add("abc def\nhik\n", 50);
    State().selection_start = 2;   // from "c" of the first line
    State().selection_end = 9;     // to "i" of the second, excluded
    Painted();
    const auto row = [&](int y) { return Screen_Picture(X1 + 1, y, X1 + 60, y, {{Selection, 'S'}, {White, '.'}}); };
    // Above the glyphs (baseline - 10) and below them (baseline + 2) the fill shows whole: the first
    // line from x1 + 8 + 2 characters to x1 + 8 + 7 characters, the second from x1 + 8 to one character.
    const std::string first = std::string(19, '.') + std::string(31, 'S') + std::string(10, '.') + "\n";
    const std::string second = std::string(7, '.') + std::string(7, 'S') + std::string(46, '.') + "\n";
    EXPECT_EQ(row(Y1 + 6), first);
    EXPECT_EQ(row(Y1 + 18), first);
    const std::string none = std::string(60, '.') + "\n";
    EXPECT_EQ(row(Y1 + 5), none);
    EXPECT_EQ(row(Y1 + 19), none);
    EXPECT_EQ(row(Y1 + 30 - 10), second);
    EXPECT_EQ(row(Y1 + 30 + 2), second);
}

TEST_F(Text_Editor, CaretIsABlueLineFromTenAboveToFourBelowTheBaseline) {
    Add("abcdef\nghi\n", 50);
    Run_Headless("", [&] {
        Paint();
        State().caret = 5;
        Draw_Text_Editor_Caret(State());
        return 0;
    });
    // Five characters of 6 px before it and 2 px of space: x1 + 7 + 30 + 2.
    const std::string column = "." + std::string(15, 'B') + ".";
    const auto picture = [&](int x, int y) {
        std::string s;
        for (int r = y - 11; r <= y + 5; ++r) s += Host_Pixel(x, r) == Caret ? 'B' : '.';
        return s;
    };
    EXPECT_EQ(picture(X1 + 39, Y1 + 16), column);
    EXPECT_EQ(picture(X1 + 38, Y1 + 16), std::string(17, '.'));
    EXPECT_EQ(State().caret_x, X1 + 39);
    Run_Headless("", [&] {
        State().caret = 7;   // the start of the second line: no space added
        Draw_Text_Editor_Caret(State());
        return 0;
    });
    EXPECT_EQ(picture(X1 + 7, Y1 + 30), column);
    EXPECT_EQ(picture(X1 + 39, Y1 + 16), std::string(17, '.'));   // the old caret is gone
}

TEST_F(Text_Editor, GaugesShowTheLengthAndTheLinesShown) {
    constexpr int Length_Bar = 0xFF8C8C, Position_Bar = 0x58C78F;
    Add(Lines_Of(30), 540);   // 270 characters of at most 540: half the bar
    Run_Headless("", [&] {
        Paint();
        Draw_Text_Editor_Gauges(State());
        return 0;
    });
    // Length: x1 + 2 to x1 + 2 + 270 / 540 * (300 - 7) = x1 + 148, on y2 - 3 and y2 - 2.
    const auto row = [&](int y) { return Screen_Picture(X1 + 1, y, X1 + 149, y, {{Length_Bar, 'L'}}); };
    const std::string half = "." + std::string(147, 'L') + ".\n";
    EXPECT_EQ(row(Y2 - 3), half);
    EXPECT_EQ(row(Y2 - 2), half);
    EXPECT_EQ(row(Y2 - 4), std::string(149, '.') + "\n");
    // Lines 0 to 10 of 30 shown: y1 + 2 to y1 + 2 + 11 / 30 * (162 - 4) = y1 + 59, on x2 - 3 and x2 - 2.
    std::string column;
    for (int y = Y1 + 1; y <= Y1 + 60; ++y) column += Host_Pixel(X2 - 3, y) == Position_Bar && Host_Pixel(X2 - 2, y) == Position_Bar ? 'P' : '.';
    EXPECT_EQ(column, "." + std::string(58, 'P') + ".");
}

// Keys after a click before the first character of the first line.
TEST_F(Text_Editor, KeysEditAndMoveTheCaretWithinTheText) {
    struct Case {
        const char* what;
        std::string text;
        int max_length;
        std::string keys;   // script lines after the click
        std::string expected;
        int caret;
    };
    const Case cases[] = {
        {"a text of one newline: Delete and Backspace leave it", "\n", 20, "key Delete Backspace\n", "\n", 0},
        {"a text of one newline: the caret stays before the newline", "\n", 20, "key Right Right End Ctrl+End\n", "\n", 0},
        {"a text of one newline: a letter goes in before it", "\n", 20, "type \"a\"\nkey Delete Right\ntype \"b\"\n", "ab\n", 2},
        {"Enter is stored as a newline", "ab\n", 20, "key Right\ntype \"\\n\"\n", "a\nb\n", 2},
        {"Backspace removes the character before the caret", "abc\n", 20, "key Right Right Backspace\n", "ac\n", 1},
        {"Delete removes the character at the caret", "abc\n", 20, "key Right Delete\n", "ac\n", 1},
        {"a full text takes no more characters", "abc\n", 4, "type \"xy\"\n", "abc\n", 0},
        {"an empty buffer takes letters without running over", "", 5, "type \"ab\"\nkey Left Backspace\n", "b", 0},
        {"keys without an action change nothing", "abc\n", 20, "key Tab Esc F1\n", "abc\n", 0},
        {"End stops before the newline, Down keeps the column", "ab\ncd\n", 20, "key End Down\n", "ab\ncd\n", 5},
        {"Down on the last text line and Up on the first stay", "ab\ncd\n", 20, "key Up Down Down Right\n", "ab\ncd\n", 4},
        {"Ctrl+End goes to the last character, Ctrl+Home to the start", "ab\ncd\n", 20, "key Ctrl+End\n", "ab\ncd\n", 5},
        {"Home goes to the line's start", "ab\ncd\n", 20, "key Ctrl+End Home\n", "ab\ncd\n", 3},
        {"Page Down stops on the last character", "ab\ncd\nef\n", 20, "key PageDown\n", "ab\ncd\nef\n", 8},
        {"Ctrl+A selects all but the last character; a letter replaces it", "eins\nzwei\n", 20, "key Ctrl+A\ntype \"z\"\n",
         "z\n", 1},
        {"Ctrl+A and Delete leave the last character", "eins\nzwei\n", 20, "key Ctrl+A Delete\n", "\n", 0},
        {"the context menu inserts a special character at the caret", "ab\n", 20,
         "key Right\nclick " + At(0, 1) + " right\nmenu 1\nspecial 241\n", "a\xF1" "b\n", 2},
        {"a full text takes no special character", "ab\n", 3, "key Right\nclick " + At(0, 1) + " right\nmenu 1\nspecial 241\n",
         "ab\n", 1},
    };
    for (const Case& c : cases) {
        Add(c.text, c.max_length);
        const Headless_Run_Result run = Edit("click " + At(0, 0) + "\n" + c.keys + "click 700 500\n");
        EXPECT_EQ(run.exit_code, 0) << c.what;
        EXPECT_EQ(Text(), c.expected) << c.what;
        EXPECT_EQ(State().caret, c.caret) << c.what;
        EXPECT_EQ(State().length, static_cast<int>(c.expected.size())) << c.what;
    }
}

// Up and Down onto a wrapped line shorter than the caret's column put the caret at that line's end,
// before its break, so it stays on the line it moved to.
TEST_F(Text_Editor, UpAndDownOntoAShorterWrappedLineEndBeforeItsBreak) {
    // Lines: "ab " (wrapped after the blank), 47 x (wrapped), "xxx" and its newline, "yy".
    const std::string text = "ab " + std::string(50, 'x') + "\nyy\n";
    struct Case {
        std::string keys;
        int caret;
    };
    const Case cases[] = {
        {"click " + At(20, 1) + "\nkey Up\n", 2},          // onto "ab ": its blank, not the next line's x
        {"click " + At(40, 1) + "\nkey Down\n", 53},       // onto "xxx\n": its newline
        {"click " + At(20, 1) + "\nkey Down Down\n", 56},  // "yy\n": its newline
        {"click " + At(2, 3) + "\nkey Up Up\n", 5},        // back up into the long line by column
    };
    for (const Case& c : cases) {
        Add(text, 200);
        Edit("click " + At(0, 0) + "\n" + c.keys + "click 700 500\n");
        EXPECT_EQ(State().caret, c.caret) << c.keys;
        EXPECT_EQ(Text(), text);
    }
}

TEST_F(Text_Editor, DraggedSelectionIsReplacedByATypedLetter) {
    for (const bool backwards : {false, true}) {
        Add("eins zwei drei\n", 40);
        // "eins zwei" is columns 0 to 9 of the first line.
        const std::string drag = backwards ? "drag " + At(9, 0) + " " + At(0, 0) : "drag " + At(0, 0) + " " + At(9, 0);
        const Headless_Run_Result run = Edit("click " + At(3, 0) + "\n" + drag + "\ntype \"X\"\nclick 700 500\n");
        EXPECT_EQ(run.exit_code, 0);
        EXPECT_EQ(Text(), "X drei\n") << backwards;
        EXPECT_EQ(State().caret, 1) << backwards;
    }
}

TEST_F(Text_Editor, ClickWithoutDragLeavesNoSelection) {
    Add("eins zwei\n", 40);
    Edit("click " + At(3, 0) + "\nclick " + At(5, 0) + "\ntype \"X\"\nclick 700 500\n");
    EXPECT_EQ(Text(), "eins Xzwei\n");
}

TEST_F(Text_Editor, SelectAllThenCutLeavesTheLastCharacterAndFillsTheClipboard) {
    Add("Hallo Welt\nzweite Zeile\n", 30);
    Edit("click " + At(4, 1) + "\nkey Ctrl+A Ctrl+X\nclick 700 500\n");
    EXPECT_EQ(clipboard, "Hallo Welt\nzweite Zeile");
    EXPECT_EQ(Text(), "\n");
    EXPECT_EQ(std::string(buffer.begin() + 1, buffer.end()), std::string(30, '\0'));   // zeros behind the text
    EXPECT_EQ(State().caret, 0);
    EXPECT_EQ(State().length, 1);
}

TEST_F(Text_Editor, CopyLeavesTheTextAndCopiesOnlyASelection) {
    Add("eins zwei\n", 30);
    Edit("click " + At(0, 0) + "\nkey Ctrl+C\nclick 700 500\n", "alt");
    EXPECT_EQ(clipboard, "alt");
    Edit("click " + At(0, 0) + "\nkey Ctrl+A Ctrl+C\nclick 700 500\n", "alt");
    EXPECT_EQ(clipboard, "eins zwei");
    EXPECT_EQ(Text(), "eins zwei\n");
}

TEST_F(Text_Editor, PasteReadsAtMost5000BytesAndStopsAtTheMaximumLength) {
    std::string digits;
    for (int k = 0; k < 30; ++k) digits += "0123456789";
    struct Case {
        const char* what;
        std::string text;
        int max_length;
        std::string clipboard;
        std::string expected;
    };
    const Case cases[] = {
        {"5000 bytes with the terminator are read of a longer clipboard", "\n", 10000, std::string(6000, 'p'),
         std::string(4999, 'p') + "\n"},
        {"room for 100 more characters takes the first 100", "ab\n", 103, digits, digits.substr(0, 100) + "ab\n"},
        {"a carriage return before a line feed is one line end", "\n", 100, "eins\r\nzwei\rdrei", "eins\nzwei\ndrei\n"},
    };
    for (const Case& c : cases) {
        Add(c.text, c.max_length);
        Edit("click " + At(0, 0) + "\nkey Ctrl+V\nclick 700 500\n", c.clipboard);
        EXPECT_EQ(Text(), c.expected) << c.what;
        EXPECT_EQ(State().length, static_cast<int>(c.expected.size())) << c.what;
    }
}

// The first line each pass of drawing shows, in order, with repetitions dropped.
std::vector<std::string> Top_Lines(const std::vector<std::string>& drawn, int top_baseline) {
    std::vector<std::string> out;
    const std::string prefix = std::to_string(top_baseline) + " ";
    for (const std::string& d : drawn)
        if (d.rfind(prefix, 0) == 0 && (out.empty() || out.back() != d.substr(prefix.size()))) out.push_back(d.substr(prefix.size()));
    return out;
}

// 30 lines in the box that shows 10 after its first: a press on the fifth line, the mouse held 20 px
// below the box for the time given, then released; the first lines shown, pass by pass.
class Text_Editor_Drag : public Text_Editor {
  protected:
    std::vector<std::string> Hold_Below(int ms) {
        Add(Lines_Of(30), 400);
        const std::string below = std::to_string(X1 + 40) + " " + std::to_string(Y2 + 20);
        const Headless_Run_Result run = Edit("click " + At(2, 4) + "\nmove " + At(2, 4) + "\ndown\nmove " + below + "\nwait " +
                                             std::to_string(ms) + "\nup\nclick 700 500\n");
        return Top_Lines(Drawn_Texts(run.trace, X1 + 7), Y1 + 16);
    }
};

TEST_F(Text_Editor_Drag, BelowTheBoxScrollsALineAStepUntilTheLastLineShows) {
    const std::vector<std::string> tops = Hold_Below(3000);
    std::vector<std::string> expected;
    for (int k = 1; k <= 20; ++k) expected.push_back(std::string("\"Zeile ") + (k < 10 ? "0" : "") + std::to_string(k) + "\"");
    expected.push_back("\"Zeile 01\"");   // the end of the editing shows the text from its start
    EXPECT_EQ(Joined(tops), Joined(expected));
    // The caret followed the mouse past the last line: the text's last character.
    EXPECT_EQ(State().caret, 30 * 9 - 1);
}

TEST_F(Text_Editor_Drag, ScrollingPausesBetweenLines) {
    // Half a second of holding scrolls at most one line per 50 ms, and some.
    const std::vector<std::string> tops = Hold_Below(500);
    ASSERT_GE(tops.size(), 3u);
    const int scrolled = static_cast<int>(tops.size()) - 2;
    EXPECT_GE(scrolled, 1);
    EXPECT_LE(scrolled, 10);
}

TEST_F(Text_Editor, WheelScrollsAndAClickOutsideEndsTheEditingForTheNextHandling) {
    Add(Lines_Of(30), 400);
    int left_after = -1, x_after = -1, next_event = -1, first_after = -1;
    const Headless_Run_Result run = Run_Headless("click " + At(0, 0) + "\nwheel -1\nwheel -1\nwheel -1\nclick 700 500\n", [&] {
        Paint();
        GetVEKMessage(0x2, nullptr);
        const int result = Edit_Multi_Line_Text(Item(), AX1, AY1, AX2, AY2, X1, Y1, X2, Y2);
        left_after = M_LEFT;
        x_after = M_XPOS;
        first_after = State().first;
        next_event = Get_Mouse_Event();
        return result;
    });
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(left_after, 1);      // the button is still down: the next handling applies the click
    EXPECT_EQ(x_after, 700);
    EXPECT_EQ(next_event, 0x1);    // its release is still to come
    EXPECT_EQ(first_after, 0);     // the box shows the text from its first line again
    EXPECT_EQ(Joined(Top_Lines(Drawn_Texts(run.trace, X1 + 7), Y1 + 16)),
              Joined({"\"Zeile 01\"", "\"Zeile 02\"", "\"Zeile 03\"", "\"Zeile 04\"", "\"Zeile 01\""}));
    EXPECT_FALSE(State().selection_start < State().selection_end);
}

TEST_F(Text_Editor, DisabledTextIsNotEdited) {
    Add("ab\n", 20, &off);
    const Headless_Run_Result run = Edit("click " + At(0, 0) + "\ntype \"xyz\"\n");
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(Text(), "ab\n");
}

}  // namespace
