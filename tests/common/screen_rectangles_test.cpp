// Rubber band, zoom and the saved rectangle: what they leave on the screen and how long they pause.
#include "common/screen_rectangles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/host_events.h"
#include "platform/host/host_headless.h"
#include "platform/screen_picture.h"

namespace {

// A screen of stripes in several colours, so that any pixel left changed shows.
void Open_Striped_Screen(int width, int height) {
    Open_White_Screen(width, height);
    const int colours[] = {0x102030, 0xFFFFFF, 0x00FF00, 0x808080, 0x000000};
    for (int y = 0; y < height; ++y) {
        pxFgc(colours[y % 5]);
        pxLine(0, y, width - 1, y);
    }
    pxFgc(0x123456);
}

std::vector<int> Whole_Screen() {
    std::vector<int> p;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) p.push_back(Host_Pixel(x, y));
    return p;
}

}  // namespace

TEST(RubberBand, FollowsTheDragAndLeavesTheScreenAsItWas) {
    int x = -1, y = -1;
    std::vector<int> before, after;
    const Headless_Run_Result run = Run_Headless("drag 10 10 45 33\n", [&] {
        Open_Striped_Screen(64, 48);
        before = Whole_Screen();
        while (!M_LEFT && Get_Mouse_Event() != 0) {
        }
        Track_Rubber_Band(10, 10, &x, &y);
        after = Whole_Screen();
        EXPECT_EQ(pxQFgc(), 0x123456);
        pxRect(0, 0, 0, 0);   // copying again: the raster operation is back
        EXPECT_EQ(Host_Pixel(0, 0), 0x123456);
        return 0;
    });
    EXPECT_EQ(x, 45);
    EXPECT_EQ(y, 33);
    EXPECT_EQ(after, before);
    EXPECT_EQ(run.trace.find("pointer hidden\n"), run.trace.rfind("pointer hidden\n"));
    EXPECT_NE(run.trace.find("pointer hidden\n"), std::string::npos);
    EXPECT_GT(run.trace.find("pointer shown\n"), run.trace.find("pointer hidden\n"));
}

TEST(ZoomAnimation, StepsPauseOnTheHostClockAndLeaveTheScreenAsItWas) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_Striped_Screen(120, 90);
        const std::vector<int> before = Whole_Screen();
        struct Case {
            int steps, pause;
            long long elapsed;   // (steps + 1) pauses
        };
        const Case cases[] = {{-1, 0, 11 * 15}, {3, 20, 4 * 20}, {0, 7, 7}, {-5, 99, 11 * 15}};
        for (const Case& c : cases) {
            Set_Zoom_Animation(c.steps, c.pause);
            const long long t0 = Host_Clock_Ms();
            Animate_Zoom_Rectangle(10, 10, 20, 15, 5, 3, 110, 85);
            EXPECT_EQ(Host_Clock_Ms() - t0, c.elapsed) << c.steps;
            EXPECT_EQ(Whole_Screen(), before) << c.steps;
        }
        EXPECT_EQ(pxQFgc(), 0x123456);
        pxRect(0, 0, 0, 0);
        EXPECT_EQ(Host_Pixel(0, 0), 0x123456);
        return 0;
    });
    EXPECT_EQ(run.exit_code, 0);
}

TEST(SavedRectangle, ClearsWithTheFaceColourAndStaysPairedWithOtherSaves) {
    Open_Striped_Screen(40, 30);
    const std::vector<int> before = Whole_Screen();
    Save_Screen_Rectangle(0, 20, 39, 29);   // someone else's save, below ours on the stack
    Save_And_Clear_Rectangle(5, 5, 14, 9);
    EXPECT_EQ(Saved_Rectangle_Held(), 1);
    EXPECT_EQ(Host_Pixel(5, 5), 0xD4D0C8);
    EXPECT_EQ(Host_Pixel(14, 9), 0xD4D0C8);
    EXPECT_NE(Host_Pixel(15, 9), 0xD4D0C8);
    Save_And_Clear_Rectangle(10, 8, 30, 12);   // puts the first back before it saves again
    EXPECT_EQ(Host_Pixel(5, 5), before[5 * 40 + 5]);
    Restore_Saved_Rectangle();
    EXPECT_EQ(Saved_Rectangle_Held(), 0);
    Restore_Saved_Rectangle();   // none held: the other save stays on the stack
    EXPECT_EQ(Whole_Screen(), before);
    pxFgc(0xFF0000);
    pxRect(0, 20, 39, 29);
    Restore_Screen_Rectangle();   // the other save comes back whole
    EXPECT_EQ(Whole_Screen(), before);
}
