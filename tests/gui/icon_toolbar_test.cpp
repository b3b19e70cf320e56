// The icon toolbar, run headless on scripts of mouse actions: pictures by state, tooltips, clicks,
// leaving, disabled entries and a sub-bar. Moments inside a run are looked at in screen dumps.
#include "gui/icon_toolbar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "gui/screen_dump.h"
#include "platform/bitmap_fixtures.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

// The sprite's picture colours by band and the host's face colour that fills an icon first.
constexpr int Normal = 0x00A000, Hover = 0x0000C0, Disabled = 0x606060, Pressed = 0xC00000;
constexpr int Face = 0xD4D0C8, Black = 0x000000, White = 0xFFFFFF;

struct Run_Result {
    int command = -1;
    int timer_after = -1;
    std::string trace;
};

// The main window's bar on a 1024 x 768 screen: seven 42 x 37 icons from y 9, rows 51, 89, 127 and
// 165 of the sprite; every icon's top left source pixel is 192, 192, 192, the transparent colour.
class IconToolbar : public testing::Test {
  protected:
    Scratch_Dir dir;
    std::string sprite;
    Icon_Bar_Entry entries[7];
    Icon_Bar bar;

    void SetUp() override {
        Host_Open_Screen(1024, 768);
        const int source_x[7] = {302, 259, 216, 1, 87, 130, 173};
        std::vector<std::vector<std::uint32_t>> px(203, std::vector<std::uint32_t>(345, 0xFFFFFF));
        const std::pair<int, int> bands[4] = {{51, Normal}, {89, Hover}, {127, Disabled}, {165, Pressed}};
        for (const auto& [top, colour] : bands)
            for (int y = top; y < top + 37; ++y)
                for (int x = 0; x < 345; ++x) px[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = static_cast<std::uint32_t>(colour);
        for (int sx : source_x)
            for (const auto& [top, colour] : bands) px[static_cast<std::size_t>(top)][static_cast<std::size_t>(sx)] = 0xC0C0C0;
        sprite = dir.file("Buttons.bmp");
        Write_File(sprite, Bmp(24, px));
        const char* tips[7] = {"nationaler Anhang zum EC", "Druckeinstellung", "Vorschau", "drucken", "sichern", "Hilfe", "Ende"};
        const int commands[7] = {8, 1, 2, 3, 5, 6, 7};
        const int offsets[7] = {-10, 45, 90, 135, 180, 225, 270};
        for (int i = 0; i < 7; ++i)
            entries[i] = Icon_Bar_Entry{42, 37, source_x[i], 51, source_x[i], 89, source_x[i], 127, source_x[i], 165,
                                        offsets[i], 6, 1, commands[i], tips[i], nullptr};
        bar = Icon_Bar{7, NPIXEL_X - 321, 3, NPIXEL_X - 6, 42, sprite.c_str(), entries};
    }
    void TearDown() override { Exit_Grafik_Mode(); }

    // Runs the bar with the mouse at (x, y) and the timer set to `timer` before.
    Run_Result Run(const std::string& script, int x, int y, int timer = 0) {
        Run_Result r;
        const Headless_Run_Result run = Run_Headless(script, [&] {
            Draw_Icon_Bar(&bar);
            VEKSetTimer(timer);
            msStCu(x, y);
            r.command = Run_Icon_Bar(&bar);
            r.timer_after = VEKSetTimer(0);
            return 0;
        });
        r.trace = run.trace;
        return r;
    }
    // A script command that dumps the screen into the scratch folder, and the dump's path.
    std::string Dump(const std::string& name) { return dir.file(name); }
    std::string Dump_Command(const std::string& name) { return "dump " + Dump(name) + "\n"; }
};

int Text_Width_In(const char* text, int font) {
    Pop_RFont(font);
    Text_Extent e{};
    pxQTxX(text, static_cast<int>(std::string(text).size()), 0, 0, &e);
    Push_RFont();
    return e.right - e.left;
}

int Font_Height(int font) {
    Pop_RFont(font);
    const int h = RFONT_HEIGHT;
    Push_RFont();
    return h;
}

int Count(const std::string& trace, const std::string& what) {
    int n = 0;
    for (std::size_t at = trace.find(what); at != std::string::npos; at = trace.find(what, at + 1)) ++n;
    return n;
}

TEST_F(IconToolbar, DrawsEveryEntryFromItsSpriteRows) {
    entries[3].enabled = 0;
    EXPECT_EQ(Draw_Icon_Bar(&bar), 7);
    // Entry 1 stands 10 px left of the bar's x1 = 703, as its offset says.
    EXPECT_EQ(Host_Pixel(694, 20), Normal);
    EXPECT_EQ(Host_Pixel(693, 9), Face);   // the transparent corner shows the fill
    EXPECT_EQ(Host_Pixel(800, 20), Normal);
    EXPECT_EQ(Host_Pixel(850, 20), Disabled);   // "drucken" not enabled
    EXPECT_EQ(Host_Pixel(1014, 45), Normal);    // "Ende": 973..1014 by 9..45
    EXPECT_EQ(Host_Pixel(1015, 45), Face);
    Draw_Icon_Bar_Entry_State(bar.x1, bar.y1, 6, &bar, Icon_Pressed);
    EXPECT_EQ(Host_Pixel(990, 20), Pressed);
    Draw_Icon_Bar_Entry_State(bar.x1, bar.y1, 3, &bar, Icon_Hover);   // a disabled entry stays disabled
    EXPECT_EQ(Host_Pixel(850, 20), Disabled);
    Draw_Icon_Bar_Entry_State(bar.x1, bar.y1, 7, &bar, Icon_Hover);   // no such entry: nothing
    Icon_Bar empty = bar;
    empty.count = 0;
    EXPECT_EQ(Draw_Icon_Bar(&empty), 0);
    EXPECT_EQ(Draw_Icon_Bar(nullptr), 0);
}

TEST_F(IconToolbar, LeavingReturnsZeroWithTheTimerAsFound) {
    for (int timer : {0, 1}) {
        const Run_Result r = Run("wait 300\nmove 500 300\n", 810, 30, timer);
        EXPECT_EQ(r.command, 0);
        EXPECT_EQ(r.timer_after, timer);
        EXPECT_EQ(Host_Pixel(800, 20), Normal);   // no longer the hover picture
        EXPECT_EQ(Host_Pixel(812, 52), Face);     // the tooltip's screen put back
    }
}

TEST_F(IconToolbar, TooltipShownOnceWhileTheMouseRests) {
    const Run_Result r = Run("wait 500\n" + Dump_Command("rest.png") + "move 812 31\nwait 500\nmove 500 300\n", 810, 30);
    EXPECT_EQ(r.command, 0);
    // One box, drawn once, 20 px below the mouse; its text 5 px in, on the first line.
    const std::string line = "text 0 815 " + std::to_string(50 + Font_Height(0x1000)) + " 4096 0,0,0 \"Vorschau\"";
    EXPECT_EQ(Count(r.trace, "\"Vorschau\""), 1) << r.trace;
    EXPECT_NE(r.trace.find(line), std::string::npos) << r.trace;
    const Screen_Dump rest(Dump("rest.png"));
    EXPECT_EQ(rest.pixel(800, 20), Hover);
    EXPECT_EQ(rest.pixel(810, 50), Black);
    EXPECT_EQ(rest.pixel(811, 51), White);
    EXPECT_EQ(rest.pixel(809, 50), Face);
}

TEST_F(IconToolbar, PressedWhileDownThenNormalAndItsCommand) {
    const Run_Result r = Run("wait 200\ndown\n" + Dump_Command("down.png") + "up\n", 990, 30);
    EXPECT_EQ(r.command, 7);
    EXPECT_EQ(Screen_Dump(Dump("down.png")).pixel(990, 20), Pressed);
    EXPECT_EQ(Host_Pixel(990, 20), Normal);
    EXPECT_EQ(r.timer_after, 0);
}

TEST_F(IconToolbar, DisabledEntryNeitherHoversNorClicks) {
    entries[2].enabled = 0;
    const Run_Result r = Run("wait 300\n" + Dump_Command("over.png") + "click 810 30\n", 810, 30);
    EXPECT_EQ(r.command, 0);
    EXPECT_EQ(Screen_Dump(Dump("over.png")).pixel(800, 20), Disabled);
    EXPECT_EQ(Count(r.trace, "\"Vorschau\""), 0);
}

TEST_F(IconToolbar, TooltipBoxSizeAndItsPlaceAtTheScreenEdge) {
    const int h = Font_Height(0x1000);
    struct Case {
        int entry;
        const char* tip;
        int mouse_x;
        int lines;
        const char* wider;   // the widest line
        bool at_edge;        // moved left to end at NPIXEL_X - 5
    };
    const Case cases[] = {
        {5, "Hilfe\nzum Programm", 930, 2, "zum Programm", false},
        {6, "Ende", 1010, 1, "Ende", true},
        {6, "Programm beenden", 975, 1, "Programm beenden", true},
    };
    for (const Case& c : cases) {
        entries[c.entry].tooltip = c.tip;
        Run("wait 300\n" + Dump_Command("tip.png") + "move 500 300\n", c.mouse_x, 30);
        const int w = Text_Width_In(c.wider, 0x1000) + 10;
        const int x2 = c.at_edge ? 1024 - 5 : c.mouse_x + w, x1 = x2 - w;
        const int y1 = 50, y2 = 50 + c.lines * h + 5;
        const Screen_Dump tip(Dump("tip.png"));
        for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y1}, std::pair{x1, y2}, std::pair{x2, y2}})
            EXPECT_EQ(tip.pixel(x, y), Black) << c.tip << " corner " << x << "," << y;
        EXPECT_EQ(tip.pixel(x2 + 1, y1 + 1), Face) << c.tip;
        EXPECT_EQ(tip.pixel(x1 + 1, y2 + 1), Face) << c.tip;
        EXPECT_EQ(tip.pixel(x2 - 1, y2 - 1), White) << c.tip;
    }
}

// A bar of one entry at (100, 10)-(200, 50) whose sub-bar (100, 60)-(200, 100) holds one entry with
// command 42; the screen is white around them.
TEST_F(IconToolbar, SubBarUnfoldsAndItsEntryReturnsItsCommand) {
    pxFgc(White);
    pxRect(0, 0, 1023, 767);
    Icon_Bar_Entry sub_entry{42, 37, 1, 51, 1, 89, 1, 127, 1, 165, 10, 2, 1, 42, "Unterpunkt", nullptr};
    Icon_Bar sub{1, 100, 60, 200, 100, sprite.c_str(), &sub_entry};
    Icon_Bar_Entry top_entry{42, 37, 87, 51, 87, 89, 87, 127, 87, 165, 10, 5, 1, 5, "Menü", &sub};
    bar = Icon_Bar{1, 100, 10, 200, 50, sprite.c_str(), &top_entry};
    const Run_Result r =
        Run("wait 500\n" + Dump_Command("open.png") + "move 130 55\nmove 130 80\nwait 300\n" + Dump_Command("sub.png") + "down\nup\n", 130, 30);
    EXPECT_EQ(r.command, 42);
    const Screen_Dump open(Dump("open.png"));
    EXPECT_EQ(open.pixel(130, 80), Normal);   // the sub-bar's entry: 110..151 by 62..98
    EXPECT_EQ(open.pixel(93, 58), 0x808080);  // the box's top edge at y 58 from x 93, host colour -15
    EXPECT_EQ(open.pixel(94, 59), 0x9E9E9E);  // the grey inner line
    EXPECT_EQ(open.pixel(130, 30), Hover);
    EXPECT_EQ(Count(r.trace, "\"Menü\""), 0);   // an entry with a sub-bar shows no tooltip
    EXPECT_EQ(Screen_Dump(Dump("sub.png")).pixel(130, 80), Hover);
    // Afterwards the screen under the sub-bar is back and the top entry normal.
    EXPECT_EQ(Host_Pixel(130, 80), White);
    EXPECT_EQ(Host_Pixel(93, 58), White);
    EXPECT_EQ(Host_Pixel(130, 30), Normal);
}

}  // namespace
