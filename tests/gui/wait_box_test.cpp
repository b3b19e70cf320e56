// The wait box on a 1024 x 768 screen (cx 512, cy 384): the standing box spans y 320 to 447, the
// busy animation's square 464..547 x 322..405, the status strip 381..635 x 431..443 and the status
// centred on (512, 437) in font 4098, whose cells are 5 x 8 px with 6 rows above the baseline.
#include "gui/wait_box.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/busy_animation.h"
#include "common/notice_output.h"
#include "common/screen_pictures_fixture.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host/screen_raster.h"
#include "platform/host_demo_sheet.h"

namespace {

constexpr std::uint32_t Face = 0xD4D0C8;
const std::string Box_Trace =
    "message shown \"\" \" \" \" \" \" \" \" \" \" \" \" \" "
    "\"................... Bitte etwas Geduld ...................\" \" \"\n"
    "message quit\n";

void Open_Screen() {
    Program_Picture("Anima2.bmp");   // the animation finds its picture
    Host_Open_Screen(1024, 768);
    Init_Prop_Sheets();
    pxFgc(0x336699);
    pxRect(0, 0, 1023, 767);
}

std::uint32_t At(const std::vector<std::uint32_t>& screen, int x, int y) {
    return screen[static_cast<std::size_t>(y) * 1024 + static_cast<std::size_t>(x)];
}

// How many pixels of the row y between x1 and x2 differ from the face colour.
int Ink(const std::vector<std::uint32_t>& screen, int y, int x1, int x2) {
    int n = 0;
    for (int x = x1; x <= x2; ++x) n += At(screen, x, y) != Face;
    return n;
}

}  // namespace

TEST(WaitBox, ShownUpdatedAndClosedWithItsAnimation) {
    std::vector<std::uint32_t> before, first, second, closed;
    int shown_after_update = -1, shown = -1, shown_after_close = -1;
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Screen();
        before = Screen_Surface().pixels;
        Update_Wait_Box("vorher %d", 1);   // before any show: draws nothing, opens nothing
        shown_after_update = Is_Wait_Box_Shown();
        EXPECT_TRUE(Screen_Surface().pixels == before);
        Show_Wait_Box("Schritt %d von %d", 1, 3);
        shown = Is_Wait_Box_Shown();
        Stop_Busy_Animation();   // hold the square still to read the strip
        first = Screen_Surface().pixels;
        Show_Wait_Box("%s", "WW");   // only the strip is redrawn: no second box, no second start
        Update_Wait_Box("%s", "Ende");
        second = Screen_Surface().pixels;
        Start_Busy_Animation(512 - 48, 384 - 62);
        Close_Wait_Box();
        shown_after_close = Is_Wait_Box_Shown();
        closed = Screen_Surface().pixels;
        return 0;
    });
    EXPECT_EQ(shown_after_update, 0);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(shown_after_close, 0);
    EXPECT_EQ(Trace_Lines(run.trace, {"message"}), Box_Trace);
    // 15 characters (75 px) centred on x 512: from 475; the 8-px cell from 433, baseline 439.
    EXPECT_NE(run.trace.find(" 475 439 4098 0,0,0 \"Schritt 1 von 3\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find(" 502 439 4098 0,0,0 \"Ende\"\n"), std::string::npos) << run.trace;
    EXPECT_EQ(run.trace.find("vorher"), std::string::npos);
    // The first status inks the strip left of "Ende" (502 to 521), which leaves it clear again.
    EXPECT_GT(Ink(first, 437, 475, 501), 0);
    EXPECT_EQ(Ink(second, 437, 381, 501), 0);
    EXPECT_GT(Ink(second, 437, 502, 521), 0);
    EXPECT_EQ(At(second, 512, 319), 0x336699u);
    EXPECT_TRUE(closed == before);   // box and animation gone, the screen as it was
}

TEST(WaitBox, NoticesOffKeepShowAndCloseQuietButTheBoxCanStillBeEnded) {
    std::vector<std::uint32_t> before, after;
    int shown[3] = {-1, -1, -1};
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Screen();
        before = Screen_Surface().pixels;
        Switch_Notices_Off();
        Show_Wait_Box("still");
        shown[0] = Is_Wait_Box_Shown();
        Draw_Wait_Box_Text("direkt");   // does not look at the switch
        shown[1] = Is_Wait_Box_Shown();
        Close_Wait_Box();               // a shown box is closed whatever the switch
        shown[2] = Is_Wait_Box_Shown();
        after = Screen_Surface().pixels;
        Switch_Notices_On();
        return 0;
    });
    EXPECT_EQ(shown[0], 0);
    EXPECT_EQ(shown[1], 1);
    EXPECT_EQ(shown[2], 0);
    EXPECT_EQ(run.trace.find("still"), std::string::npos);
    EXPECT_EQ(Trace_Lines(run.trace, {"message"}), Box_Trace);
    EXPECT_TRUE(after == before);
}

TEST(WaitBox, LongStatusIsCutAndHeldInsideItsStrip) {
    std::vector<std::uint32_t> with_status;
    std::vector<std::uint32_t> before;
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_Screen();
        before = Screen_Surface().pixels;
        Show_Wait_Box("%s", std::string(300, 'W').c_str());
        Stop_Busy_Animation();
        with_status = Screen_Surface().pixels;
        Start_Busy_Animation(512 - 48, 384 - 62);
        Close_Wait_Box();
        return 0;
    });
    EXPECT_NE(run.trace.find(" 4098 0,0,0 \"" + std::string(255, 'W') + "\"\n"), std::string::npos);
    EXPECT_EQ(run.trace.find(std::string(256, 'W')), std::string::npos);
    // Ink inside the strip, none beside it in the box, the frame and the screen unchanged.
    EXPECT_GT(Ink(with_status, 437, 381, 635), 0);
    EXPECT_EQ(Ink(with_status, 437, 262, 380), 0);
    EXPECT_EQ(Ink(with_status, 437, 636, 761), 0);
    EXPECT_EQ(At(with_status, 200, 437), 0x336699u);
    EXPECT_EQ(Ink(with_status, 430, 262, 761), 0);   // the patience line's last row, above the strip
}
