// The host stand-in's running tools (started without waiting, their windows and ends), the
// pointer's visibility and the looks of buttons after they were added.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host/host_headless.h"
#include "platform/host/host_trace.h"
#include "platform/screen_picture.h"
#include "test_support.h"

namespace {

// An executable shell script in the folder.
std::string Tool_Script(const Scratch_Dir& dir, const std::string& name, const std::string& body) {
    const std::string path = dir.file(name);
    Write_File(path, "#!/bin/sh\n" + body);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// Polls until the process has ended (each look for a window takes real time); its exit code.
int Wait_For_End(int pid) {
    int code = -2;
    for (int k = 0; k < 2000 && !CheckVEKProcess(pid, &code); ++k) FindVEKWindow("", 0);
    return code;
}

}  // namespace

TEST(HostTools, AWindowedToolIsSeenUntilItEndsAndGivesItsExitCode) {
    Scratch_Dir dir;
    const std::string gate = dir.file("gate");
    const std::string tool = Tool_Script(dir, "tool", "while [ ! -f '" + gate + "' ]; do sleep 0.01; done\nexit 4\n");
    const char* argv[] = {tool.c_str(), nullptr};
    EXPECT_EQ(FindVEKWindow("VEK - Bauteilauswahl", 20), 0);
    const int pid = VEKSpawnv(1, tool.c_str(), argv);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(FindVEKWindow("VEK - Bauteilauswahl", 20), 1);
    EXPECT_EQ(CheckVEKProcess(pid, nullptr), 0);
    Write_File(gate, "");
    EXPECT_EQ(Wait_For_End(pid), 4);
    EXPECT_EQ(FindVEKWindow("VEK - Bauteilauswahl", 20), 0);
    EXPECT_EQ(CheckVEKProcess(pid, nullptr), 1);   // stays ended
}

TEST(HostTools, AViewerIsNoWindowOfTheWaitingKindAndUnknownNumbersCountAsEnded) {
    Scratch_Dir dir;
    const std::string gate = dir.file("gate");
    const std::string viewer = Tool_Script(dir, "viewer", "while [ ! -f '" + gate + "' ]; do sleep 0.01; done\n");
    const char* argv[] = {viewer.c_str(), "bild.bmp", nullptr};
    const int pid = VEKSpawnv(2, viewer.c_str(), argv);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(FindVEKWindow("VEK - Planbearbeitung", 21), 0);
    EXPECT_EQ(CheckVEKProcess(pid, nullptr), 0);
    Write_File(gate, "");
    EXPECT_EQ(Wait_For_End(pid), 0);
    int code = 7;
    EXPECT_EQ(CheckVEKProcess(-1, &code), 1);
    EXPECT_EQ(code, -1);
    const char* missing[] = {"/nonexistent/tool", nullptr};
    EXPECT_EQ(VEKSpawnv(1, missing[0], missing), -1);
}

TEST(HostTools, PointerVisibilityAndProcessWindowAreTraced) {
    const Headless_Run_Result run = Run_Headless("", [] {
        EXPECT_EQ(msVisi(-1), 0);
        EXPECT_EQ(msVisi(0), -1);
        ShowVEKProcessWindow(1234, 4);
        return 0;
    });
    EXPECT_EQ(run.trace, "pointer hidden\npointer shown\nprocess 1234 window 4\n");
}

TEST(HostButtonLooks, HeldStateSnappedLookAndTooltip) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_White_Screen(200, 120);
        Set_NoFrameFlag_to_Next_PropSheet();
        Define_Prop_Sheet(0, 0, 199, 119, 0, 0, "", 0, 0);
        const int held = Add_Single_Button_to_PS(10, 10, 1, 1, "", SYMBOLIC_OK_RASTER, nullptr);
        const int picture = Add_Single_Button_to_PS(60, 10, 1, 2, "", SYMBOLIC_OK_RASTER, nullptr);
        // A picture strip over the second button, taken as its look.
        pxFgc(0x00FF00);
        pxRect(60, 10, 89, 31);
        pxFgc(0xFF0000);
        pxRect(70, 15, 75, 20);
        Snap_Colored_Layout_of_Single_Button(picture);
        Change_Action_State_PS(held, 1);
        Activate_Prop_Sheet();
        // Held: the sunken frame, shadow and dark shadow along the top left.
        EXPECT_EQ(Host_Pixel(10, 10), 0x808080);
        EXPECT_EQ(Host_Pixel(11, 11), 0x404040);
        EXPECT_EQ(Host_Pixel(60, 10), 0x00FF00);
        EXPECT_EQ(Host_Pixel(72, 17), 0xFF0000);
        Change_Action_State_PS(held, 0);
        EXPECT_EQ(Host_Pixel(11, 11), 0xFFFFFF);   // raised again: light along the top left
        pxFgc(0x0000FF);
        pxRect(10, 10, 39, 31);
        Reset_Button_Frame(held);
        EXPECT_EQ(Host_Pixel(10, 10), 0xD4D0C8);
        EXPECT_EQ(Host_Pixel(11, 11), 0xFFFFFF);
        Set_Comment_to_Button_PS(picture, "optische Kontrolle");
        Set_Comment_to_Button_PS(9999, "niemand");   // no such button: nothing
        Undefine_Prop_Sheet();
        return 0;
    });
    EXPECT_NE(run.trace.find("tooltip 2 \"optische Kontrolle\"\n"), std::string::npos) << run.trace;
    EXPECT_EQ(run.trace.find("niemand"), std::string::npos);
}

TEST(HostButtonLooks, SheetBoxIsFaceWithRaisedFrame) {
    Open_White_Screen(20, 20);
    Draw_Prop_Sheet_Box(12, 14, 2, 3);   // corners in any order
    EXPECT_EQ(Host_Pixel(1, 3), 0xFFFFFF);    // outside
    EXPECT_EQ(Host_Pixel(2, 3), 0xD4D0C8);    // face, then light along the top left
    EXPECT_EQ(Host_Pixel(3, 4), 0xFFFFFF);
    EXPECT_EQ(Host_Pixel(12, 14), 0x404040);  // dark, then shadow along the bottom right
    EXPECT_EQ(Host_Pixel(11, 13), 0x808080);
    EXPECT_EQ(Host_Pixel(7, 8), 0xD4D0C8);    // face
    EXPECT_EQ(Host_Pixel(13, 8), 0xFFFFFF);
}
