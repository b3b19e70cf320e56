#include "gui/view_areas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host/host_sheet_state.h"
#include "gui/view_area_fixture.h"

namespace {

using ViewAreas = View_Area_Sheet;

int Activity_Of(int handle) {
    const Sheet_Element* e = Find_Element(handle);
    return e ? e->activity : -99;
}

TEST_F(ViewAreas, TwentySlotsThenTheMessageAndAFreedSlotFirst) {
    for (int k = 0; k < View_Area_Slots; ++k) ASSERT_EQ(Create_Scrollable_View_Area(10, 10, 410, 310, 0, 1), k);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Create_Scrollable_View_Area(10, 10, 410, 310, 0, 1), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "maximale Anzahl Scrollable_View_Areas erreicht\n");

    // Every operation on -1 or a number beyond the table does nothing.
    for (const int bad : {-1, 20, 1000}) {
        Show_View_Area(bad);
        Clear_View_Area(bad);
        Set_View_Area_Activity(bad, 0);
        Set_View_Area_Background(bad, 5);
        EXPECT_EQ(Get_View_Area_Background(bad), -1);
        int w = 7, h = 7;
        Inquire_View_Area_Size(bad, &w, &h);
        EXPECT_EQ(w, 0);
        EXPECT_EQ(h, 0);
        Scroll_View_Area_To_Rectangle(bad, 0, 0, 100, 100);
        Release_View_Area(bad);
    }

    Release_View_Area(3);
    EXPECT_EQ(Get_View_Area_Background(3), -1);   // free
    EXPECT_EQ(Create_Scrollable_View_Area(10, 10, 410, 310, 0, 0), 3);
    Release_View_Area(7);
    Release_View_Area(5);
    EXPECT_EQ(Create_Scrollable_View_Area(10, 10, 410, 310, 0, 0), 5);   // the lowest free slot
}

TEST_F(ViewAreas, SlidersTakeTheirStripsAndDefaultsAreSet) {
    struct Case {
        int horizontal, vertical;
        int x2, y2;
    };
    const Case cases[] = {{1, 1, 393, 293}, {0, 1, 393, 310}, {1, 0, 410, 293}, {0, 0, 410, 310}};
    for (const Case& c : cases) {
        const int area = Create_Scrollable_View_Area(10, 10, 410, 310, c.horizontal, c.vertical);
        const Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
        EXPECT_EQ(a.x1, 10);
        EXPECT_EQ(a.y1, 10);
        EXPECT_EQ(a.x2, c.x2);
        EXPECT_EQ(a.y2, c.y2);
        EXPECT_EQ(a.vslider != 0, c.vertical == 1);
        EXPECT_EQ(a.hslider != 0, c.horizontal == 1);
        EXPECT_EQ(Get_View_Area_Background(area), 0xFFFBF0);   // 255, 251, 240
        EXPECT_EQ(a.frame, 1);
        EXPECT_EQ(a.activity, 1);
        EXPECT_EQ(a.content_width + a.content_height + a.origin_x + a.origin_y, 0);
        int w = 0, h = 0;
        Inquire_View_Area_Size(area, &w, &h);
        EXPECT_EQ(w, c.x2 - 10);
        EXPECT_EQ(h, c.y2 - 10);
    }
    // Read at the first creation: Esc on, Enter on (" 1" reads as 1), F1 not a number, jump missing.
    EXPECT_EQ(Sheet_Short_Key_Settings.break_key, 1);
    EXPECT_EQ(Sheet_Short_Key_Settings.ok_key, 1);
    EXPECT_EQ(Sheet_Short_Key_Settings.help_key, 0);
    EXPECT_EQ(Sheet_Short_Key_Settings.jump, 0);
    setenv("VEK_USER_UseSheetHelpShortKey", "1", 1);
    Create_Scrollable_View_Area(0, 0, 100, 100, 0, 0);
    EXPECT_EQ(Sheet_Short_Key_Settings.help_key, 0);   // never read again in this process
}

TEST_F(ViewAreas, ShowSwitchesTheSliderByContentAndClearKeepsTheOrigin) {
    const int area = Create_Scrollable_View_Area(10, 10, 410, 310, 1, 1);   // visible 383 x 283
    Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
    a.content_width = 383;
    a.content_height = 500;
    a.origin_y = 100;
    Show_View_Area(area);
    EXPECT_EQ(Activity_Of(a.vslider), 1);
    EXPECT_EQ(Activity_Of(a.hslider), -1);   // content as wide as the area
    EXPECT_EQ(a.origin_y, 100);
    int x = -1, y = -1;
    Get_View_Area_Scroll_Origin(area, &x, &y);
    EXPECT_EQ(y, 100);

    // The user scrolled to 150; clearing reads it back and zeroes the content, showing sets it again.
    Set_Scrollable_Area_PS(a.handle, 0, 150);
    Clear_View_Area(area);
    EXPECT_EQ(a.content_width, 0);
    EXPECT_EQ(a.content_height, 0);
    EXPECT_EQ(a.origin_y, 150);
    a.content_height = 500;
    Show_View_Area(area);
    Get_View_Area_Scroll_Origin(area, &x, &y);
    EXPECT_EQ(y, 150);

    a.content_height = 283;
    Show_View_Area(area);
    EXPECT_EQ(Activity_Of(a.vslider), -1);
    EXPECT_EQ(a.origin_y, 0);   // the library held the origin within the smaller content

    // Inactive (0): clearing keeps the slot's origin instead of asking the library.
    Set_View_Area_Activity(area, 0);
    EXPECT_EQ(Activity_Of(a.handle), 0);
    EXPECT_EQ(Activity_Of(a.vslider), 0);
    a.origin_y = 42;
    Clear_View_Area(area);
    EXPECT_EQ(a.origin_y, 42);
}

TEST_F(ViewAreas, ScrollingToARectangleTakesTenPausedStepsUnlessVisible) {
    struct Case {
        int x1, y1, x2, y2;
        int end_x, end_y;
        long long pause_ms;
    };
    // Visible 383 x 283 of 1000 x 2000, starting at origin 0, 0.
    const Case cases[] = {
        {10, 10, 100, 100, 0, 0, 0},          // wholly visible: nothing, no pause
        {0, 600, 100, 650, 0, 367, 300},      // below: its bottom at the area's bottom
        {500, 0, 950, 100, 500, 0, 300},      // wider than the area: its left edge at the left
        {0, 1900, 100, 2500, 0, 1717, 300},   // beyond the content: held within the scroll range
    };
    for (const Case& c : cases) {
        const Headless_Run_Result run = Run_Headless("", [&] {
            const int area = Create_Scrollable_View_Area(10, 10, 410, 310, 1, 1);
            Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
            a.content_width = 1000;
            a.content_height = 2000;
            Show_View_Area(area);
            std::vector<int> origins;
            const long long before = Host_Clock_Ms();
            Scroll_View_Area_To_Rectangle(area, c.x1, c.y1, c.x2, c.y2);
            EXPECT_EQ(Host_Clock_Ms() - before, c.pause_ms) << c.y1;
            EXPECT_EQ(a.origin_x, c.end_x) << c.y1;
            EXPECT_EQ(a.origin_y, c.end_y) << c.y1;
            int x = -1, y = -1;
            Get_View_Area_Scroll_Origin(area, &x, &y);
            EXPECT_EQ(x, c.end_x);
            EXPECT_EQ(y, c.end_y);
            Release_View_Area(area);
            return 0;
        });
        EXPECT_EQ(run.exit_code, 0);
    }
}

TEST_F(ViewAreas, PaintsFrameAndBackgroundOnlyWhileActive) {
    const int area = Create_Scrollable_View_Area(100, 100, 300, 200, 0, 0);
    Set_View_Area_Background(area, 0x123456);
    Activate_Prop_Sheet();
    EXPECT_EQ(Host_Pixel(150, 150), 0x123456);
    EXPECT_EQ(Host_Pixel(300, 200), 0x123456);
    EXPECT_EQ(Host_Pixel(301, 150), 0xD4D0C8);   // the library clips the callback to the area
    // Painted directly, the sunken frame of 2 px lies around the area.
    Paint_View_Area(0, 0, 100, 100, 300, 200, area);
    EXPECT_EQ(Host_Pixel(98, 150), 0x808080);   // shadow 128
    EXPECT_EQ(Host_Pixel(99, 150), 0x404040);   // dark shadow 64
    EXPECT_EQ(Host_Pixel(301, 150), 0xD4D0C8);   // face 212, 208, 200
    EXPECT_EQ(Host_Pixel(302, 150), 0xFFFFFF);   // highlight
    EXPECT_EQ(Host_Pixel(100, 100), 0x123456);
    Set_View_Area_Frame(area, 0);
    pxFgc(0x00FF00);
    pxRect(90, 90, 310, 210);
    Paint_View_Area(0, 0, 100, 100, 300, 200, area);
    EXPECT_EQ(Host_Pixel(98, 150), 0x00FF00);   // no frame
    Set_View_Area_Frame(area, 1);

    // An area of activity 0 is not painted by its callback.
    Set_View_Area_Activity(area, 0);
    Set_View_Area_Background(area, 0x654321);
    Paint_Scroll_Area(*Top_Sheet(), *Find_Element(Scrollable_View_Areas[static_cast<std::size_t>(area)].handle));
    EXPECT_EQ(Host_Pixel(150, 150), 0x123456);
    Set_View_Area_Activity(area, 1);
    EXPECT_EQ(Host_Pixel(150, 150), 0x654321);
    // The caller's colour and clip are given back.
    pxFgc(0x0000FF);
    pxView(0, 0, 50, 50);
    Paint_View_Area(0, 0, 100, 100, 300, 200, area);
    EXPECT_EQ(pxQFgc(), 0x0000FF);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x2, 50);
}

TEST_F(ViewAreas, NeverCalledOperationsOfTheTable) {
    // A reserved slot counts as taken until a library area is made for it.
    const int slot = Reserve_View_Area_Slot();
    EXPECT_EQ(slot, 0);
    EXPECT_EQ(Scrollable_View_Areas[0].handle, Reserved_View_Area);
    EXPECT_EQ(Scrollable_View_Areas[0].activity, 0);
    EXPECT_EQ(Create_Scrollable_View_Area(0, 0, 100, 100, 0, 0), 1);
    EXPECT_EQ(Create_Reserved_View_Area(slot, 10, 10, 410, 310, 1, 0), slot);
    EXPECT_EQ(Scrollable_View_Areas[0].y2, 293);
    EXPECT_EQ(Scrollable_View_Areas[0].activity, 1);
    EXPECT_EQ(Create_Reserved_View_Area(slot, 10, 10, 410, 310, 1, 0), 0);   // no longer reserved

    // Fractions and steps work on the axes with a slider, within the scroll range.
    const int area = Create_Scrollable_View_Area(0, 0, 117, 117, 0, 1);   // visible 100 x 117
    Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
    a.content_width = 300;
    a.content_height = 317;   // range 200 down, none across without a slider
    Show_View_Area(area);
    Set_View_Area_Scroll_Fractions(area, 0.5, 1.7);
    EXPECT_EQ(a.origin_x, 0);
    EXPECT_EQ(a.origin_y, 200);
    double fx = -1, fy = -1;
    Get_View_Area_Scroll_Fractions(area, &fx, &fy);
    EXPECT_EQ(fx, 0.0);
    EXPECT_EQ(fy, 1.0);
    Show_View_Area(area);
    int dx = 30, dy = 50;
    Scroll_View_Area_By(area, &dx, &dy);   // from 200 down by 50: held at 200
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, 0);
    dy = -80;
    Scroll_View_Area_By(area, &dx, &dy);
    EXPECT_EQ(dy, -80);
    EXPECT_EQ(a.origin_y, 120);
    Show_View_Area(area);   // the next step starts from what the library shows
    dy = -500;
    Scroll_View_Area_By(area, &dx, &dy);
    EXPECT_EQ(dy, -120);
    EXPECT_EQ(a.origin_y, 0);

    int sx = -1, sy = -1;
    Get_View_Area_Screen_Origin(area, &sx, &sy);
    EXPECT_EQ(sx, 0);
    EXPECT_EQ(sy, 0);
    Reshape_View_Area(area, 20, 30, 220, 230);
    EXPECT_EQ(a.x1, 20);
    EXPECT_EQ(a.y2, 230);
    int cw = 0, ch = 0;
    Get_View_Area_Content_Size(area, &cw, &ch);
    EXPECT_EQ(cw, 300);
    EXPECT_EQ(ch, 317);

    int esc = 0, stop = 0;
    Set_View_Area_Esc_Action(area, 3, &esc);
    Set_View_Area_Stop_Flag(area, &stop);
    Set_View_Area_Wait_Region(area, 1, 2, 3, 4);
    Set_View_Area_Key_Return(area, 1);
    Set_View_Area_Right_Click_Return(area, 1);
    EXPECT_EQ(a.esc_action.value, 3);
    EXPECT_EQ(a.esc_action.target, &esc);
    EXPECT_EQ(a.stop_flag, &stop);
    EXPECT_EQ(a.wait_region_on, 1);
    EXPECT_EQ(a.wait_y2, 4);
    EXPECT_EQ(a.key_return + a.right_click_return, 2);

    Release_All_View_Areas();
    for (int k = 0; k < View_Area_Slots; ++k) EXPECT_EQ(Get_View_Area_Background(k), -1);
}

}  // namespace
