// The sand clock's frames, their pace on the host's clock and its share of the deadline.
#include "common/sand_clock.h"

#include <gtest/gtest.h>

#include "common/deadline.h"
#include "common/screen_pictures_fixture.h"
#include "platform/host/host_events.h"
#include "platform/host/host_headless.h"
#include "platform/screen_picture.h"

namespace {

constexpr int X = 10, Y = 20, Background = 0x00FF00;

// Mismatches between the field at (X, Y) and frame k of the picture over the background: its light
// grey left out, the field's 32nd column the background.
int Frame_Mismatches(const Host_Bitmap& picture, int k) {
    int wrong = 0;
    for (int v = 0; v < 62; ++v)
        for (int u = 0; u < 32; ++u) {
            int expected = Background;
            if (u < 31) {
                const int c = Picture_Pixel(picture, 31 * k + u, v);
                if (c != 0xC0C0C0) expected = c;
            }
            wrong += Host_Pixel(X + u, Y + v) != expected;
        }
    return wrong;
}

}  // namespace

TEST(SandClock, FramesFollowEveryFiftyMillisecondsAndTurnAfterTwelve) {
    const Host_Bitmap picture = Program_Picture("animsandclock.bmp");
    ASSERT_EQ(picture.width, 372);
    ASSERT_EQ(picture.height, 62);
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_White_Screen(60, 100);
        Set_Deadline(5.0);
        EXPECT_EQ(Check_Deadline(), 0);
        Start_Sand_Clock(X, Y, Background);
        EXPECT_EQ(Check_Deadline(), 1);   // the first frame is due at once, a pending deadline passed
        Step_Sand_Clock();
        EXPECT_EQ(Frame_Mismatches(picture, 0), 0);
        EXPECT_NE(Frame_Mismatches(picture, 1), 0);
        pxFgc(0xFF0000);
        pxDot(X + 5, Y + 5);
        VEKSleep(49);
        Step_Sand_Clock();   // not yet due: nothing drawn
        EXPECT_EQ(Host_Pixel(X + 5, Y + 5), 0xFF0000);
        VEKSleep(1);
        Step_Sand_Clock();
        EXPECT_EQ(Frame_Mismatches(picture, 1), 0);
        // The next frame time is kept in seconds as a double: n x 0.05 can lie a hair above the
        // millisecond clock's n x 50 ms, so each later frame is looked for 1 ms after it is due.
        for (int k = 2; k <= 12; ++k) {
            VEKSleep(51);
            Step_Sand_Clock();
            EXPECT_EQ(Frame_Mismatches(picture, k % 12), 0) << k;
        }
        EXPECT_EQ(Host_Pixel(X - 1, Y), 0xFFFFFF);   // nothing outside the field
        EXPECT_EQ(Host_Pixel(X + 32, Y), 0xFFFFFF);
        EXPECT_EQ(Host_Pixel(X, Y + 62), 0xFFFFFF);
        return 0;
    });
    EXPECT_EQ(run.exit_code, 0);
}
