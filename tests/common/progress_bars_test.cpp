// Progress bars drawn pixel for pixel: the empty bar, growing and shrinking, clamped fractions,
// the six slots, the framed bar on its saved screen and the pause on the host's clock.
#include "common/progress_bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "common/screen_rectangles.h"
#include "platform/host/host_events.h"
#include "platform/host/host_headless.h"
#include "platform/screen_picture.h"

namespace {

constexpr int Edge = 0x2060C0, Second = 0x007FCF, Third = 0x71AFE5, Middle = 0xA6CAF0, Bottom = 0x204080,
              Light = 0xFFFBF0, Empty = 0xEBF5E1, Face = 0xD4D0C8;

// The bar at (2, 2) of width 10 and its edges.
std::string Bar_Picture() {
    return Screen_Picture(1, 1, 13, 10, {{0x000000, '#'}, {Light, 'l'}, {Empty, 'e'}, {Edge, '1'}, {Second, '2'},
                                          {Third, '3'}, {Middle, '4'}, {Bottom, '5'}, {0xFFFFFF, ' '}});
}

std::vector<int> Column(int x, int y1, int y2) {
    std::vector<int> c;
    for (int y = y1; y <= y2; ++y) c.push_back(Host_Pixel(x, y));
    return c;
}

std::vector<int> Whole_Screen() {
    std::vector<int> p;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) p.push_back(Host_Pixel(x, y));
    return p;
}

}  // namespace

TEST(ProgressBar, EmptyBarThenFilledPartWithItsEndMark) {
    Open_White_Screen(16, 12);
    const int slot = Open_Progress_Bar(2, 2, 10, 0);
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(Bar_Picture(), "############ \n"
                             "#eeeeeeeeeeel\n"
                             "#eeeeeeeeeeel\n"
                             "#eeeeeeeeeeel\n"
                             "#eeeeeeeeeeel\n"
                             "#eeeeeeeeeeel\n"
                             "#eeeeeeeeeeel\n"
                             "#eeeeeeeeeeel\n"
                             "#eeeeeeeeeeel\n"
                             " llllllllllll\n");
    Set_Progress(slot, 0.55);   // 5.5 pixels cut to 5
    EXPECT_EQ(Bar_Picture(), "############ \n"
                             "#11111#eeeeel\n"
                             "#22222#eeeeel\n"
                             "#33333#eeeeel\n"
                             "#44444#eeeeel\n"
                             "#33333#eeeeel\n"
                             "#22222#eeeeel\n"
                             "#11111#eeeeel\n"
                             "#55555#eeeeel\n"
                             " llllllllllll\n");
}

TEST(ProgressBar, FractionsAreClampedAndShrinkingMovesTheEndMark) {
    Open_White_Screen(140, 20);
    const int slot = Open_Progress_Bar(20, 5, 100, 0);
    const std::vector<int> filled{Edge, Second, Third, Middle, Third, Second, Edge, Bottom};
    const std::vector<int> empty(8, Empty), mark(8, 0x000000);
    Set_Progress(slot, 1.5);   // the full width, the end mark on the last column
    EXPECT_EQ(Column(119, 5, 12), filled);
    EXPECT_EQ(Column(120, 5, 12), mark);
    Set_Progress(slot, -0.2);   // nothing filled, the end mark at the start
    EXPECT_EQ(Column(20, 5, 12), mark);
    EXPECT_EQ(Column(21, 5, 12), empty);
    EXPECT_EQ(Column(120, 5, 12), empty);
    Set_Progress(slot, 0.8);
    Set_Progress(slot, 0.5);   // 80 -> 50
    EXPECT_EQ(Column(69, 5, 12), filled);
    EXPECT_EQ(Column(70, 5, 12), mark);
    EXPECT_EQ(Column(71, 5, 12), empty);
    EXPECT_EQ(Column(100, 5, 12), empty);
    // Not a number counts as 0; a huge fraction is held at the width before it becomes an int.
    Set_Progress(slot, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Column(20, 5, 12), mark);
    EXPECT_EQ(Column(69, 5, 12), empty);
    Set_Progress(slot, 1e300);
    EXPECT_EQ(Column(120, 5, 12), mark);
    Set_Progress(slot, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Column(20, 5, 12), mark);
}

TEST(ProgressBar, SixSlotsAndOnlyOpenSlotsAnswer) {
    Open_White_Screen(200, 120);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(Open_Progress_Bar(10, 10 + 15 * k, 50, 0), k);
    EXPECT_EQ(Open_Progress_Bar(10, 100, 50, 0), -1);   // a seventh
    Close_Progress_Bar(2);
    // A closed bar is covered with the face colour, its edges included.
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{9, 39}, {61, 48}, {30, 44}}) EXPECT_EQ(Host_Pixel(x, y), Face);
    const std::vector<int> before = Whole_Screen();
    for (const int slot : {-1, 2, 6, 1000}) {   // closed or out of range: nothing drawn, no harm
        Set_Progress(slot, 0.5);
        Set_Progress_Delay(slot, 1.0);
        Close_Progress_Bar(slot);
    }
    EXPECT_EQ(Whole_Screen(), before);
    EXPECT_EQ(Open_Progress_Bar(10, 40, 50, 0), 2);
}

TEST(ProgressBar, FramedBarLiesOnItsSheetBoxAndPutsTheScreenBack) {
    Open_White_Screen(200, 100);
    pxFgc(0x336699);
    pxRect(0, 0, 199, 49);
    const std::vector<int> before = Whole_Screen();
    const int slot = Open_Progress_Bar(40, 30, 100, 1);
    EXPECT_EQ(Host_Pixel(149, 57), Face);       // cleared beyond the box: x + width + 20, y + 28 ...
    EXPECT_EQ(Host_Pixel(161, 30), 0x336699);   // ... and nothing past it
    EXPECT_EQ(Host_Pixel(30, 20), Face);        // the box's raised frame starts at x - 10, y - 10
    EXPECT_EQ(Host_Pixel(31, 21), 0xFFFFFF);
    EXPECT_EQ(Host_Pixel(150, 48), 0x404040);
    EXPECT_EQ(Open_Progress_Bar(40, 70, 50, 1), -1);   // the one saved rectangle is held
    const int bare = Open_Progress_Bar(40, 80, 50, 0);
    EXPECT_EQ(bare, 1);
    Close_Progress_Bar(bare);
    Set_Progress(slot, 0.7);
    Close_Progress_Bar(slot);
    // Everything as before, but for the bare bar's place, covered with the face colour.
    std::vector<int> now = Whole_Screen(), expected = before;
    for (int y = 79; y <= 88; ++y)
        for (int x = 39; x <= 91; ++x) expected[static_cast<std::size_t>(y) * 200 + x] = Face;
    EXPECT_EQ(now, expected);
    EXPECT_EQ(Saved_Rectangle_Held(), 0);
}

TEST(ProgressBar, PauseWaitsOnTheHostClock) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_White_Screen(140, 20);
        const int slot = Open_Progress_Bar(20, 5, 100, 0);
        Set_Progress_Delay(slot, 0.25);
        const long long t0 = Host_Clock_Ms();
        Set_Progress(slot, 0.5);
        EXPECT_EQ(Host_Clock_Ms() - t0, 250);
        Set_Progress(slot, 0.5);   // no change: no pause
        EXPECT_EQ(Host_Clock_Ms() - t0, 250);
        Set_Progress_Delay(slot, 0.0);
        Set_Progress(slot, 0.9);
        EXPECT_EQ(Host_Clock_Ms() - t0, 250);
        return 0;
    });
    EXPECT_EQ(run.exit_code, 0);
}
