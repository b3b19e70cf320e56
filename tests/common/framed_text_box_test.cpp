// The framed text box in its frame styles, with the fill and the text left out, clipped to the box
// and leaving the caller's drawing state as it was; and the button reset.
#include "common/framed_text_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/screen_picture.h"

namespace {

constexpr int Fill = 0xFFFF00, Face = 0xD4D0C8, Light = 0xFFFFFF, Shadow = 0x808080, Dark = 0x404040;

// The x of the first drawn text in the trace ("text F X Y ...").
int Text_X(const std::string& trace) {
    const std::size_t at = trace.find("text ");
    if (at == std::string::npos) return -1;
    int frame = 0, x = 0;
    return std::sscanf(trace.c_str() + at, "text %d %d", &frame, &x) == 2 ? x : -1;
}

}  // namespace

TEST(FramedTextBox, FrameStylesInsetTheFillAndTheText) {
    struct Case {
        int style;
        int corner, inner_1, inner_2;   // pixels at (5, 5), (6, 6), (7, 7)
        int bottom_right;               // at (54, 24)
        int text_x;                     // left-aligned text: 3 px right of the inset when framed
    };
    const Case cases[] = {
        {0, Fill, Fill, Fill, Fill, 5},
        {1, Light, Fill, Fill, Shadow, 9},
        {2, Shadow, Fill, Fill, Light, 9},
        {3, Face, Light, Fill, Dark, 10},
    };
    for (const Case& c : cases) {
        const Headless_Run_Result run = Run_Headless("", [&] {
            Open_White_Screen(60, 30);
            Draw_Framed_Text_Box(5, 5, 54, 24, "Ab", 9, c.style, 0, 0x000000, Fill);
            EXPECT_EQ(Host_Pixel(5, 5), c.corner) << c.style;
            EXPECT_EQ(Host_Pixel(6, 6), c.inner_1) << c.style;
            EXPECT_EQ(Host_Pixel(7, 7), c.inner_2) << c.style;
            EXPECT_EQ(Host_Pixel(54, 24), c.bottom_right) << c.style;
            EXPECT_EQ(Host_Pixel(4, 4), 0xFFFFFF) << c.style;
            EXPECT_EQ(Host_Pixel(55, 25), 0xFFFFFF) << c.style;
            return 0;
        });
        EXPECT_EQ(Text_X(run.trace), c.text_x) << c.style;
    }
}

TEST(FramedTextBox, NoColourLeavesFillOrTextOut) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_White_Screen(60, 30);
        Draw_Framed_Text_Box(5, 5, 54, 24, "Ab", 9, 1, 0, 0x000000, No_Box_Colour);
        EXPECT_EQ(Host_Pixel(6, 6), 0xFFFFFF);   // the inside is not filled
        EXPECT_EQ(Host_Pixel(5, 5), Light);      // the frame is drawn
        Draw_Framed_Text_Box(5, 5, 54, 24, "Cd", 9, 0, 0, No_Box_Colour, Fill);
        EXPECT_EQ(Host_Pixel(6, 6), Fill);
        Draw_Framed_Text_Box(5, 5, 54, 24, nullptr, 9, 0, 0, 0x000000, Fill);
        return 0;
    });
    EXPECT_NE(run.trace.find("\"Ab\""), std::string::npos);
    EXPECT_EQ(run.trace.find("\"Cd\""), std::string::npos);
}

TEST(FramedTextBox, TextIsClippedToTheBoxAndTheCallersStateComesBack) {
    Open_White_Screen(80, 30);
    pxView(1, 1, 70, 28);
    pxFgc(0x123456);
    Pop_RFont(0x1002);
    Draw_Framed_Text_Box(10, 8, 30, 20, "WWWWWWWWWWWWWWWW", 8, 3, 0x1001, 0x000000, No_Box_Colour);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x)
            if (x < 10 || x > 30 || y < 8 || y > 20) {
                EXPECT_EQ(Host_Pixel(x, y), 0xFFFFFF) << x << "," << y;
            }
    int black = 0;
    for (int y = 10; y <= 18; ++y)
        for (int x = 12; x <= 28; ++x) black += Host_Pixel(x, y) == 0x000000;
    EXPECT_GT(black, 0);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(std::vector<int>({x1, y1, x2, y2}), std::vector<int>({1, 1, 70, 28}));
    EXPECT_EQ(pxQFgc(), 0x123456);
    EXPECT_EQ(Host_Current_Font(), 0x1002);
    Push_RFont();
}

TEST(ButtonReset, TakesTheLookFromTheScreenReleasesTheButtonAndGivesItItsComment) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_White_Screen(200, 100);
        Define_Prop_Sheet(0, 0, 199, 99, 0, 0, "", 0, 0);
        const int button = Add_Single_Button_to_PS(20, 20, 1, 7, "", SYMBOLIC_OK_RASTER, nullptr);
        pxFgc(0xFF00FF);   // a picture strip over the button
        pxRect(20, 20, 49, 41);
        Reset_Button(button, 1, "optische Kontrolle");
        Activate_Prop_Sheet();
        EXPECT_EQ(Host_Pixel(20, 20), 0xFF00FF);   // drawn with the look snapped from the screen
        EXPECT_EQ(Host_Pixel(35, 30), 0xFF00FF);
        Change_Action_State_PS(button, 1);
        EXPECT_EQ(Host_Pixel(20, 20), Shadow);     // held: sunken
        Reset_Button(button, 0, nullptr);
        EXPECT_EQ(Host_Pixel(20, 20), 0xFF00FF);   // released again
        Undefine_Prop_Sheet();
        return 0;
    });
    EXPECT_NE(run.trace.find("tooltip 1 \"optische Kontrolle\""), std::string::npos) << run.trace;
}
