// The host stand-in's event core: masks and results, periodic wake-ups on the virtual clock, the
// end of the input, the close callback, the no-hang guard and the mouse restriction.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/host/host_headless.h"
#include "platform/host_demo_sheet.h"
#include "platform/screen_picture.h"

namespace {

int close_calls = 0;
int close_answer = 0;
int Close_Function() {
    ++close_calls;
    return close_answer;
}

// A program that waits for the mouse for ever, with a close callback giving the answer.
Headless_Run_Result Run_Waiting_For_Ever(const std::string& script, int answer) {
    close_calls = 0;
    close_answer = answer;
    const Headless_Run_Result run = Run_Headless(script, [] {
        Host_Open_Screen(400, 300);
        VEKSetCloseFct(Close_Function);
        for (;;) Get_Mouse_Event();   // ignores getkeymask
        return 5;
    });
    VEKSetCloseFct(nullptr);
    return run;
}

}  // namespace

TEST(HostEvents, MaskChoosesTheEventsThatEndAWaitAndEveryEventUpdatesTheMouse) {
    Run_Headless("move 5 5\nclick 10 12\nkey F1\nwheel 2\n", [] {
        Host_Open_Screen(400, 300);
        VEK_Message_Record r;
        InitVEKMessage(&r);
        EXPECT_EQ(GetVEKMessage(0x2, &r), 0x2);   // the move passes by, the press ends the wait
        EXPECT_EQ(M_XPOS, 10);
        EXPECT_EQ(M_YPOS, 12);
        EXPECT_EQ(M_LEFT, 1);
        EXPECT_EQ(GetVEKMessage(0x10000, &r), 0x10000 | 315);   // the release passes by
        EXPECT_EQ(M_LEFT, 0);
        EXPECT_EQ(r.key, 315);
        EXPECT_EQ(hitkey(), 315);   // the key stays pending until taken
        EXPECT_EQ(getkey(), 315);
        EXPECT_EQ(hitkey(), -1);
        EXPECT_EQ(GetVEKMessage(0x4000, &r), 0x4000);
        EXPECT_EQ(M_SCROLL, 2);
        EXPECT_EQ(getkeymask(), 0);
        EXPECT_EQ(GetVEKMessage(0x94022, &r), 0);   // the script is over
        EXPECT_EQ(M_SCROLL, 0);
        EXPECT_EQ(getkeymask(), 1);
        EXPECT_EQ(getkey(), -1);
        return 0;
    });
}

TEST(HostEvents, PeriodicWakeUpsFollowTheWaitValueOrTheTimer) {
    Run_Headless("wait 250\nclick 1 1\nwait 1000\nclick 2 2\n", [] {
        Host_Open_Screen(400, 300);
        VEK_Message_Record r;
        InitVEKMessage(&r);
        r.wait = 100;
        const long long t0 = Host_Clock_Ms();
        EXPECT_EQ(GetVEKMessage(0x40000002, &r), 0x40000000);
        EXPECT_EQ(Host_Clock_Ms() - t0, 100);
        EXPECT_EQ(GetVEKMessage(0x40000002, &r), 0x40000000);
        EXPECT_EQ(GetVEKMessage(0x40000002, &r), 0x2);   // the click at 250 ms
        EXPECT_EQ(Host_Clock_Ms() - t0, 250);
        // Without a wait value only the timer wakes, every 100 ms; VEKSetTimer gives the setting before.
        EXPECT_EQ(VEKSetTimer(1), 0);
        EXPECT_EQ(GetVEKMessage(0x40000002, nullptr), 0x40000000);
        EXPECT_EQ(Host_Clock_Ms() - t0, 350);
        EXPECT_EQ(VEKSetTimer(0), 1);
        EXPECT_EQ(GetVEKMessage(0x40000002, nullptr), 0x2);   // no wake-up: the click at 1250 ms
        EXPECT_EQ(Host_Clock_Ms() - t0, 1250);
        return 0;
    });
}

TEST(HostEvents, TenPausesOfThirtyMillisecondsAdvanceTheVirtualClockBy300) {
    Run_Headless("", [] {
        const long long t0 = Host_Clock_Ms();
        for (int k = 0; k < 10; ++k) VEKSleep(30);
        EXPECT_EQ(Host_Clock_Ms() - t0, 300);
        Wait_Seconds(0.05);
        EXPECT_EQ(Host_Clock_Ms() - t0, 350);
        return 0;
    });
}

TEST(HostEvents, LoopOnTheLeftButtonEndsWhenTheScriptEnds) {
    const Headless_Run_Result run = Run_Headless("move 10 10\ndown\nmove 20 20\n", [] {
        Host_Open_Screen(400, 300);
        while (!M_LEFT) Get_Mouse_Event();
        while (M_LEFT) Get_Mouse_Event();   // the script ends with the button down
        EXPECT_EQ(M_XPOS, 20);
        return getkeymask();
    });
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_FALSE(run.process_ended);
    EXPECT_EQ(run.trace, "end of input\nclose request\n");
}

TEST(HostEvents, CloseAllowedByTheCallbackEndsTheProcessWithZero) {
    const Headless_Run_Result run = Run_Waiting_For_Ever("click 5 5\nclose\nclick 6 6\n", 0x8000);
    EXPECT_TRUE(run.process_ended);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(close_calls, 1);
    EXPECT_EQ(run.trace, "close request\nclose allowed\nprocess end 0\n");
}

TEST(HostEvents, RefusedClosesAreAskedAgainAndAProgramThatKeepsWaitingIsEnded) {
    const Headless_Run_Result run = Run_Waiting_For_Ever("close\n", 0);
    EXPECT_TRUE(run.process_ended);
    EXPECT_EQ(run.exit_code, 2);
    // The script's close, the close at its end, then one at each of the 1000 waits after it.
    EXPECT_EQ(close_calls, 1002);
    EXPECT_NE(run.trace.find("still waiting after the end of input\nprocess end 2\n"), std::string::npos);
}

TEST(HostEvents, PointerStaysInTheRestrictionAndPositionsComeBack) {
    Run_Headless("move 200 20\nmove 200 20\nmove 500 -9\n", [] {
        Host_Open_Screen(400, 300);
        Init_Mouse_Move_Restriction(0, 0, 399, 299);
        Init_Mouse_Position(70, 80);
        Save_Mouse_Position();
        Pop_Mouse_Move_Restriction(50, 50, 100, 100);
        Get_Mouse_Event();
        EXPECT_EQ((std::vector<int>{M_XPOS, M_YPOS}), (std::vector<int>{100, 50}));
        Push_Mouse_Move_Restriction();
        Get_Mouse_Event();
        EXPECT_EQ((std::vector<int>{M_XPOS, M_YPOS}), (std::vector<int>{200, 20}));
        Get_Mouse_Event();   // off the screen: held on its edge
        EXPECT_EQ((std::vector<int>{M_XPOS, M_YPOS}), (std::vector<int>{399, 0}));
        Restore_Mouse_Position();
        EXPECT_EQ((std::vector<int>{M_XPOS, M_YPOS}), (std::vector<int>{70, 80}));
        msStCu(12, 34);
        EXPECT_EQ((std::vector<int>{M_XPOS, M_YPOS}), (std::vector<int>{12, 34}));
        return 0;
    });
}

TEST(HostEvents, CursorShapesAreTraced) {
    const Headless_Run_Result run = Run_Headless("", [] {
        setMouseCursor(18);
        setMouseCursor(0);
        return 0;
    });
    EXPECT_EQ(run.trace, "cursor 18\ncursor 0\n");
}
