// Drop-down lists: where they open, how they look, and the keys, clicks, wheel and scroll bar that
// pick a row, driven by headless scripts.
#include "gui/choice_popups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/screen_dump.h"
#include "platform/bitmap_fixtures.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "test_support.h"

namespace {

constexpr int Light = 0xEBFFFF, Selection = 0x005096, Track = 0xC9EDED, Red = 0xFF0000, Black = 0;

// n entries "Zeile 0", "Zeile 1", ... in blue.
struct Entries {
    std::vector<std::string> texts;
    std::vector<Choice_List_Entry> rows;
    explicit Entries(int n) {
        for (int k = 0; k < n; ++k) texts.push_back("Zeile " + std::to_string(k));
        for (const std::string& t : texts) rows.push_back({0x0000FF, t.c_str()});
    }
};

std::string First_Lines(const std::string& text, int n) {
    std::size_t end = 0;
    for (int k = 0; k < n && end != std::string::npos; ++k) end = text.find('\n', end == 0 ? 0 : end + 1);
    return end == std::string::npos ? text : text.substr(0, end + 1);
}

View_Area_Item List_Item(const Entries& e, int field_width, int* selected) {
    View_Area_Item it;
    it.kind = View_Item_Kind::Choice_List;
    it.state = field_width;
    it.aux = static_cast<int>(e.rows.size());
    it.entries = e.rows.data();
    it.value = selected;
    return it;
}

TEST(ChoiceListPopup, OpensBelowAboveOrShortenedWithAScrollBar) {
    struct Case {
        int n, fw, x, y, sel;
        int left, right, top, bottom, rows, first, thumb;
    };
    // A 1024 x 768 screen. thumb 0: no scroll bar.
    const Case cases[] = {
        {5, 80, 100, 100, 0, 93, 205, 105, 176, 5, 0, 0},
        {5, 81, 100, 100, 0, 93, 207, 105, 176, 5, 0, 0},      // an odd width gets one px more
        {5, 80, 100, 666, 0, 93, 205, 671, 742, 5, 0, 0},      // 71 < 102 - 30: below
        {5, 80, 100, 667, 0, 93, 205, 583, 654, 5, 0, 0},      // 71 < 101 - 30 fails: above
        {20, 80, 100, 700, 0, 93, 205, 421, 687, 20, 0, 0},    // 20 entries near the bottom: above
        {60, 80, 100, 300, 40, 93, 205, 305, 727, 32, 24, 208},   // (468 - 48) / 13 rows below
        {60, 80, 100, 500, 0, 93, 205, 39, 487, 34, 0, 235},      // (500 - 48) / 13 rows above
        {3000, 80, 100, 300, 0, 93, 205, 305, 727, 32, 0, 6},     // the thumb at least 6 px
    };
    Host_Open_Screen(1024, 768);
    for (const Case& c : cases) {
        const Entries e(c.n);
        int sel = c.sel;
        const Choice_Popup p = Place_Choice_List_Popup(c.x, c.y, List_Item(e, c.fw, &sel));
        const std::string id = std::to_string(c.n) + "@" + std::to_string(c.y);
        EXPECT_EQ(p.left, c.left) << id;
        EXPECT_EQ(p.right, c.right) << id;
        EXPECT_EQ(p.top, c.top) << id;
        EXPECT_EQ(p.bottom, c.bottom) << id;
        EXPECT_EQ(p.rows, c.rows) << id;
        EXPECT_EQ(p.first, c.first) << id;
        EXPECT_EQ(p.bar, c.thumb != 0) << id;
        if (c.thumb) {
            EXPECT_EQ(p.thumb, c.thumb) << id;
        }
    }
    // The thumb's step and offset: (H - 32 - t) / (n - rows) px a row, o = first · s rounded.
    const Entries e(60);
    int sel = 40;
    const Choice_Popup p = Place_Choice_List_Popup(100, 300, List_Item(e, 80, &sel));
    EXPECT_DOUBLE_EQ(p.step, 6.5);
    EXPECT_EQ(p.offset, 156);
    Exit_Grafik_Mode();
}

struct Popup_Run {
    int result = 0;
    int selected = 0;
    bool mouse_freed = false;   // the confinement lifted after the list closed
    std::string trace;
};

// Five entries from a field at (100, 100) of an 800 x 600 screen, the second selected: the list
// spans 93 to 205 and 105 to 176, row i from y 107 + 13 i on.
Popup_Run Run_Five(const std::string& script, int under[2] = nullptr) {
    static const Entries e(5);
    Popup_Run out;
    out.selected = 1;
    const View_Area_Item item = List_Item(e, 80, &out.selected);
    const Headless_Run_Result run = Run_Headless(script, [&] {
        Host_Open_Screen(800, 600);
        const int before = Host_Pixel(150, 150);
        const int r = Run_Choice_List_Popup(100, 100, item);
        if (under) {
            under[0] = before;
            under[1] = Host_Pixel(150, 150);
        }
        msStCu(5, 5);
        out.mouse_freed = M_XPOS == 5 && M_YPOS == 5;
        return r;
    });
    out.result = run.exit_code;
    out.trace = run.trace;
    return out;
}

TEST(ChoiceListPopup, EnterTakesTheRowAClickWritesItAndOtherKeysKeepTheSelection) {
    struct Case {
        const char* script;
        int result, selected;
    };
    const Case cases[] = {
        {"key Enter\n", 1, 1},
        {"key Down\nkey Enter\n", 1, 2},
        {"key Up\nkey Up\nkey Enter\n", 1, 0},                              // Up on the first keeps it
        {"key Down\nkey Down\nkey Down\nkey Down\nkey Enter\n", 1, 4},      // Down on the last keeps it
        {"key Down\nkey Esc\n", 0, 1},
        {"key Down\nkey 65\n", 0, 1},
        {"click 150 151\n", 0, 3},                                          // a click on row 3
        {"key Down\nmove 5 5\nclick 5 5\n", 0, 2},   // the mouse held on the list's edge: a click inside
        {"", 0, 1},                                  // the input ends: closed unchanged
    };
    for (const Case& c : cases) {
        const Popup_Run run = Run_Five(c.script);
        EXPECT_EQ(run.result, c.result) << c.script;
        EXPECT_EQ(run.selected, c.selected) << c.script;
        EXPECT_TRUE(run.mouse_freed) << c.script;
    }
}

TEST(ChoiceListPopup, LooksAsDrawnAndLeavesOnlyTheRedDiscBehind) {
    Scratch_Dir dir;
    const std::string open = dir.file("open.png");
    int under[2] = {-1, -2};
    const Popup_Run run = Run_Five("dump " + open + "\nkey Down\nkey Esc\n", under);
    const Screen_Dump shot(open);
    EXPECT_EQ(shot.pixel(93, 105), Black);        // the dotted frame starts with a dot
    EXPECT_EQ(shot.pixel(94, 105), Light);
    EXPECT_EQ(shot.pixel(96, 110), Light);        // row 0
    EXPECT_EQ(shot.pixel(95, 121), Selection);    // row 1, highlighted: 95 to 203, 120 to 134
    EXPECT_EQ(shot.pixel(203, 134), Selection);
    EXPECT_EQ(shot.pixel(204, 134), Light);
    EXPECT_EQ(shot.pixel(196, 96), Red);          // the disc at right - 14 to right - 4, y - 9 to y + 1
    EXPECT_EQ(shot.pixel(192, 96), Red);
    EXPECT_NE(shot.pixel(191, 96), Red);
    EXPECT_EQ(shot.pixel(196, 92), Red);
    EXPECT_NE(shot.pixel(196, 91), Red);
    // Rows in their entry's colour at the field's x, the highlighted one in the light colour.
    EXPECT_EQ(First_Lines(Trace_Lines(run.trace, {"text"}), 5), "text 0 100 118 0 0,0,255 \"Zeile 0\"\n"
                                                               "text 0 100 131 0 235,255,255 \"Zeile 1\"\n"
                                                               "text 0 100 144 0 0,0,255 \"Zeile 2\"\n"
                                                               "text 0 100 157 0 0,0,255 \"Zeile 3\"\n"
                                                               "text 0 100 170 0 0,0,255 \"Zeile 4\"\n");
    EXPECT_EQ(under[1], under[0]);   // the screen under the list is back
}

TEST(ChoiceListPopup, ScrollBarArrowsTrackThumbAndWheel) {
    // 30 entries from (100, 150) of a 400 x 300 screen: 7 rows, the list 93 to 205 and 155 to 252,
    // the bar from x 191, thumb 15 px from y 171, 50 / 23 px a row; the margin from x 202.
    struct Case {
        const char* script;
        int result, selected;
    };
    const Case cases[] = {
        {"move 150 170\nwheel -3\nkey Enter\n", 1, 2},           // row 1, then one row on
        {"wheel 2\nkey Enter\n", 1, 0},                          // nothing above the first
        {"move 195 240\ndown\nwait 250\nup\nkey Enter\n", 1, 3},   // down arrow: at once, at 100 and 200 ms
        {"move 195 160\ndown\nup\nkey Enter\n", 1, 0},           // up arrow at the top
        {"click 195 220\nkey Enter\n", 1, 23},                   // below the thumb: the last page
        {"drag 195 176 195 226\nkey Enter\n", 1, 22},            // the thumb 50 px down
        {"move 150 183\nclick 203 183\n", 0, 2},                 // 2 px inside the right edge
    };
    const Entries e(30);
    for (const Case& c : cases) {
        int selected = 0;
        const View_Area_Item item = List_Item(e, 80, &selected);
        const Headless_Run_Result run = Run_Headless(c.script, [&] {
            Host_Open_Screen(400, 300);
            return Run_Choice_List_Popup(100, 150, item);
        });
        EXPECT_EQ(run.exit_code, c.result) << c.script;
        EXPECT_EQ(selected, c.selected) << c.script;
    }
}

TEST(ChoiceListPopup, ScrollBarPicture) {
    const Entries e(30);
    int selected = 0;
    const View_Area_Item item = List_Item(e, 80, &selected);
    Host_Open_Screen(400, 300);
    Choice_Popup p = Place_Choice_List_Popup(100, 150, item);
    ASSERT_TRUE(p.bar);
    EXPECT_EQ(p.thumb, 15);
    Paint_Choice_List_Popup(p, true);
    EXPECT_EQ(Host_Pixel(190, 158), Black);   // the up arrow's top row
    EXPECT_EQ(Host_Pixel(190, 249), Black);   // the down arrow's bottom row
    EXPECT_EQ(Host_Pixel(190, 171), Black);   // the thumb's frame, 171 to 186
    EXPECT_EQ(Host_Pixel(202, 186), Black);
    EXPECT_EQ(Host_Pixel(196, 178), Light);
    EXPECT_EQ(Host_Pixel(196, 200), Track);
    // Scrolled to the end the thumb stands at the bottom of the track.
    p.first = 23;
    p.sel = 23;
    p.offset = static_cast<int>(23 * p.step + 0.5);
    Paint_Choice_List_Popup(p, true);
    EXPECT_EQ(p.offset, 50);
    EXPECT_EQ(Host_Pixel(196, 200), Track);
    EXPECT_EQ(Host_Pixel(196, 228), Light);
    EXPECT_EQ(Host_Pixel(190, 236), Black);
    Exit_Grafik_Mode();
}

TEST(ChoiceListPopup, AnEmptyListOpensNothing) {
    const Entries e(0);
    int selected = 0;
    const View_Area_Item item = List_Item(e, 80, &selected);
    const Headless_Run_Result run = Run_Headless("key Enter\n", [&] {
        Host_Open_Screen(400, 300);
        return Run_Choice_List_Popup(100, 100, item);
    });
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(Trace_Lines(run.trace, {"text"}), "");
}

TEST(ImageChoicePopup, RowsCutFromTheBitmapPickedByKeysAndClicks) {
    Scratch_Dir dir;
    // Rows of 8 x 4 px one under the other: red, green, blue.
    std::vector<std::vector<std::uint32_t>> px(12, std::vector<std::uint32_t>(8));
    const std::uint32_t colours[3] = {0xFF0000, 0x00FF00, 0x0000FF};
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t y = 0; y < 4; ++y) px[4 * row + y].assign(8, colours[row]);
    const std::string file = dir.file("reihen.bmp");
    Write_File(file, Bmp(24, px));
    View_Area_Item item;
    item.kind = View_Item_Kind::Image_Choice_List;
    item.text = file;
    item.x2 = 8;
    item.y2 = 4;
    item.aux = 3;
    struct Case {
        std::string script;
        int result, selected;
    };
    // From a field at (50, 50) in an area from y 0 to 299: the list 50 to 90 and 60 to 90, row i at
    // y 63 + 8 i from x 54.
    const std::string open = dir.file("bilder.png");
    const Case cases[] = {
        {"dump " + open + "\nkey Down\nkey Enter\n", 1, 1},
        {"click 60 80\n", 0, 2},
        {"key Up\nkey Esc\n", 0, 0},
    };
    for (const Case& c : cases) {
        int selected = 0;
        item.value = &selected;
        const Headless_Run_Result run = Run_Headless(c.script, [&] {
            Host_Open_Screen(400, 300);
            return Run_Image_Choice_Popup(0, 299, 50, 50, item);
        });
        EXPECT_EQ(run.exit_code, c.result) << c.script;
        EXPECT_EQ(selected, c.selected) << c.script;
    }
    const Screen_Dump shot(open);
    EXPECT_EQ(shot.pixel(54, 63), 0xFF0000);
    EXPECT_EQ(shot.pixel(61, 66), 0xFF0000);
    EXPECT_EQ(shot.pixel(54, 71), 0x00FF00);
    EXPECT_EQ(shot.pixel(54, 79), 0x0000FF);
    EXPECT_EQ(shot.pixel(52, 63), Selection);   // the first row highlighted
    EXPECT_EQ(shot.pixel(52, 71), Light);
}

}  // namespace
