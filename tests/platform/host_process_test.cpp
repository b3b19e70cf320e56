// The host stand-in's process calls (user settings, private folder, clipboard, frame title) and its
// trace: the line of a drawn text, and no trace at all on the batch road.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/cp437.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_trace.h"
#include "test_support.h"

TEST(HostProcess, UserSettingsComeFromTheEnvironment) {
    setenv("VEK_USER_UseSheetBreakShortKey", "1", 1);
    setenv("VEK_USER_Titel", "Größe 12345678", 1);
    unsetenv("VEK_USER_UseSheetOkShortKey");
    char buffer[21] = "x";
    EXPECT_EQ(VEKGetUserString("UseSheetBreakShortKey", buffer, 21), 1);
    EXPECT_STREQ(buffer, "1");
    EXPECT_EQ(VEKGetUserString("UseSheetOkShortKey", buffer, 21), 0);
    EXPECT_STREQ(buffer, "");
    char small[8];
    EXPECT_EQ(VEKGetUserString("Titel", small, sizeof small), 1);   // CP437, cut to 7 bytes
    EXPECT_STREQ(small, "Größe 1"_cp);
    EXPECT_EQ(VEKGetUserString(nullptr, buffer, 21), 0);
    unsetenv("VEK_USER_UseSheetBreakShortKey");
    unsetenv("VEK_USER_Titel");
}

TEST(HostProcess, PrivateFolderIsDramOrATemporaryFolder) {
    setenv("DRAM", "/daten/benutzer", 1);
    EXPECT_STREQ(CurOb_Privat_Datapath(), "/daten/benutzer");
    unsetenv("DRAM");
    const std::string folder = CurOb_Privat_Datapath();
    EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
    EXPECT_EQ(std::string(CurOb_Privat_Datapath()), folder);   // one folder for the process
}

TEST(HostProcess, ClipboardHoldsCp437AndCopiesBounded) {
    Run_Headless("", [] {
        EXPECT_EQ(VEKSetClipboardText("τ ≤ 1,0"_cp), 1);
        char buffer[5];
        EXPECT_EQ(VEKGetClipboardText(buffer, sizeof buffer), 4);
        EXPECT_STREQ(buffer, "τ ≤ "_cp);
        EXPECT_EQ(VEKGetClipboardText(buffer, 0), 0);
        return 0;
    });
}

TEST(HostTrace, DrawnTextGivesFramePositionFontColourAndTheSigns) {
    const Headless_Run_Result run = Run_Headless("click 1 1\n", [] {
        Host_Open_Screen(200, 100);
        VEKSetFrameTitle("Position 12a: Halle Nord");
        Get_Mouse_Event();
        Get_Mouse_Event();   // the move and the press: frame 2
        pxFgc(Nearest_RGB_Color(16, 32, 48));
        Pop_RFont(0x11000);   // bold bit removed
        pxText(5, 20, "Äß≤å Ü"_cp, 5);   // 0x86 (å) shows ∥; five characters of six
        Push_RFont();
        pxText(5, 40, "", 5);   // nothing drawn, nothing traced
        pxBTxt(0, 0, 99, 99, "Mitte", 5, 210);   // 40 x 13 px centred: left 30, top 43, baseline 53
        return 0;
    });
    EXPECT_EQ(run.trace,
              "title \"Position 12a: Halle Nord\"\n"
              "text 2 5 20 4096 16,32,48 \"Äß≤∥ \"\n"
              "text 2 30 53 0 16,32,48 \"Mitte\"\n");
}

TEST(HostTrace, BatchRoadWritesNoTrace) {
    Scratch_Dir dir;
    std::filesystem::create_directories(dir.file("EXEC"));
    const std::string trace = dir.file("trace.txt");
    const Program_Run run = Run_Executable(dir.path, {"B001", "0", "1", "1", "-refresh"},
                                           {"EXEC=" + dir.file("EXEC"), "VEK_TRACE=" + trace, "VEK_HEADLESS=1"});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_FALSE(File_Exists(trace));
    EXPECT_EQ(run.err.find("host:"), std::string::npos) << run.err;   // no input was ever needed
}

TEST(HostTrace, ViewerAndPrinterCallsAreTraced) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Host_Trace_Report_Call("viewer", "B001", "/pos/B001_03.OLI");
        Host_Trace_Report_Call("printer", "B001", "/pos/B001_03.OLI");
        return 0;
    });
    EXPECT_EQ(run.trace, "viewer \"B001\" \"/pos/B001_03.OLI\"\nprinter \"B001\" \"/pos/B001_03.OLI\"\n");
}
